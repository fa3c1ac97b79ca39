// SPDX-License-Identifier: GPL-3.0-or-later
// The game's message boxes shown as modal Qt message boxes over the window,
// each line of their texts whole and the whole box on the screen.
#pragma once

#include <string>

#include <QMessageBox>
#include <QString>

#include "game/Platform.h"

class QWidget;

namespace quadlo {

// A text of the game as its box shows it: translated, and with "\n" alone
// between lines, as Qt wants, where the game puts "\r\n".
QString messageBoxText(const std::string& text);

// An information box, a warning, or a box without an icon; each has only an
// OK button, which is all the game and the window ask for.
QMessageBox::Icon messageBoxIcon(MessageStyle style);

class MessageBoxPresenter final : public MessagePresenter {
public:
    explicit MessageBoxPresenter(QWidget* parent);
    // The end-of-game box opens where it leaves `board` in view, if the
    // screen has room for that; null (the default) centres it on the window.
    void keepInView(const QWidget* board) { board_ = board; }
    void showMessage(
        const std::string& text, MessageStyle style, const std::string& title) override;

private:
    QWidget* parent_;
    const QWidget* board_ = nullptr;
};

} // namespace quadlo
