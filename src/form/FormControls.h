// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls as the form shows them: captions and score labels on
// the navy form, the lines, the option buttons and the menus, each made with
// its colours, font and name. The window places them; FormPlacement scales
// them.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "board/Board.h"

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QMenuBar;
class QRadioButton;
class QStyle;
class QWidget;

namespace quadlo::controls {

// The text colour for captions on the navy form.
QColor captionColour();
void setColours(QWidget* widget, const QColor& background, const QColor& text);
QLabel* caption(QLabel* label, const char* name, const QFont& font);
QLabel* scoreLabel(QWidget* client, const char* name, Colour background);
QFrame* line(QWidget* client, const char* name);
QRadioButton* option(QWidget* client, const char* name, const QString& text, QStyle* style);
QMenu* menu(QMenuBar* bar, const char* name, const QString& title);
// A menu command with Ctrl and the key as its shortcut.
QAction* command(QMenu* menu, const char* name, const QString& text, Qt::Key key);

} // namespace quadlo::controls
