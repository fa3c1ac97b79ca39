// SPDX-License-Identifier: GPL-3.0-or-later
// Making the window's controls.
#include "form/FormControls.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>

#include "form/Fonts.h"
#include "form/FormLayout.h"

namespace quadlo::controls {

// The text colour for captions on the navy form is the desktop's
// highlighted-text colour, normally white.
QColor captionColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}

void setColours(QWidget* widget, const QColor& background, const QColor& text)
{
    QPalette palette = widget->palette();
    for (const QPalette::ColorGroup group : { QPalette::Active, QPalette::Inactive }) {
        palette.setColor(group, QPalette::Window, background);
        // Buttons fill their background from the button colour.
        palette.setColor(group, QPalette::Button, background);
        palette.setColor(group, QPalette::WindowText, text);
        palette.setColor(group, QPalette::ButtonText, text);
    }
    widget->setPalette(palette);
}

QLabel* caption(QLabel* label, const char* name, const QFont& font)
{
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    setColours(label, Qt::transparent, captionColour());
    return label;
}

QLabel* scoreLabel(QWidget* client, const char* name, Colour background)
{
    auto* label = new QLabel(QStringLiteral("0"), client);
    label->setObjectName(QString::fromLatin1(name));
    label->setAlignment(Qt::AlignCenter);
    label->setFont(layoutFont(kScoreFamily, 27.75));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    setColours(label, layout::colour(background), Qt::black);
    return label;
}

QFrame* line(QWidget* client, const char* name)
{
    // The two lines use the desktop's caption-text colour, which Qt does
    // not expose; it is white on every common desktop theme.
    auto* frame = new QFrame(client);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setAutoFillBackground(true);
    setColours(frame, Qt::white, Qt::white);
    return frame;
}

QRadioButton* option(QWidget* client, const char* name, const QString& text, QStyle* style)
{
    auto* button = new QRadioButton(text, client);
    button->setObjectName(QString::fromLatin1(name));
    button->setStyle(style);
    button->setFont(layoutFont(kOptionFamily, 12, true));
    button->setAutoFillBackground(true);
    setColours(button, layout::colour(kFormColour), captionColour());
    // Disabled while the expert plays: still on navy, the caption and ring
    // half-way to it.
    QPalette palette = button->palette();
    const QColor navy = layout::colour(kFormColour);
    const QColor caption = captionColour();
    const QColor dimmed((caption.red() + navy.red()) / 2, (caption.green() + navy.green()) / 2,
        (caption.blue() + navy.blue()) / 2);
    for (const QPalette::ColorRole role : { QPalette::Window, QPalette::Button })
        palette.setColor(QPalette::Disabled, role, navy);
    for (const QPalette::ColorRole role : { QPalette::WindowText, QPalette::ButtonText })
        palette.setColor(QPalette::Disabled, role, dimmed);
    button->setPalette(palette);
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

QMenu* menu(QMenuBar* bar, const char* name, const QString& title)
{
    QMenu* added = bar->addMenu(title);
    added->setObjectName(QString::fromLatin1(name));
    return added;
}

QAction* command(QMenu* menu, const char* name, const QString& text, Qt::Key key)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(QKeySequence(Qt::CTRL | key));
    return action;
}

} // namespace quadlo::controls
