// SPDX-License-Identifier: GPL-3.0-or-later
// The window in the player's language: the program's catalogue, built into
// the program, and Qt's own for its standard buttons and the command line's
// texts, loaded for one locale; and the game's texts, which the core hands
// out in English, as the player reads them.
#pragma once

#include <string>

#include <QLocale>
#include <QString>
#include <QTranslator>

namespace quadlo {

class Translations {
public:
    // Loads the program's catalogue for the first of the locale's languages
    // that it has, and Qt's own for the same language. With none for them
    // (as for English or the C locale) nothing is loaded, and every text,
    // Qt's included, stays as written.
    explicit Translations(const QLocale& locale);

    // Whether the program has a catalogue for the locale.
    bool found() const { return found_; }
    // Puts the catalogues into the present application object. An
    // application object takes them only while it lives, so the command
    // line's and the window's each need them.
    void install();

private:
    QTranslator program_;
    QTranslator qt_;
    bool found_ = false;
};

// The locale of the player's messages, as gettext reads it: the system's,
// whose languages come from LANGUAGE when it is set, unless the messages'
// locale (LC_ALL, else LC_MESSAGES, else LANG) is C or POSIX or unset, when
// LANGUAGE is ignored and the locale is C.
QLocale messagesLocale();

// A text of the game as the player reads it: translated when it is one that
// the core marks (a result with the winner's number of squares in it), any
// other as it came.
QString translatedGameText(const std::string& text);

} // namespace quadlo
