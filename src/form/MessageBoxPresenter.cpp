// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes for the rules, the credits and the end-of-game result,
// in the player's language. Qt breaks a box's lines once the box is wider than
// half the screen, which on a scaled screen turns the rules' fixed lines into
// ragged stubs; here every line stays whole, and the text shrinks only as far
// as the screen needs for the whole box to fit on it.
#include "form/MessageBoxPresenter.h"

#include <algorithm>

#include <QLabel>
#include <QLayout>
#include <QScreen>
#include <QShowEvent>

#include "form/FormPlacement.h"
#include "form/Translations.h"

namespace quadlo {

namespace {

class GameMessageBox final : public QMessageBox {
public:
    GameMessageBox(Icon icon, const QString& title, const QString& text, QWidget* parent)
        : QMessageBox(icon, title, text, QMessageBox::Ok, parent)
    {
        // The texts are plain; a "<" in one must not switch the box to rich text.
        setTextFormat(Qt::PlainText);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        if (!event->spontaneous())
            keepLinesWhole();
        // Qt sizes the box and centres it on the window.
        QMessageBox::showEvent(event);
    }

private:
    void keepLinesWhole();
};

void GameMessageBox::keepLinesWhole()
{
    auto* label = findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QRect room = screen()->availableGeometry().marginsRemoved(expectedFrame(*this));
    label->setWordWrap(false);
    const QFont font = this->font();
    double scale = 1.0;
    // The icon, the margins and the button's frame keep their size, so the
    // text alone is shrunk by what the box lacks; the button's caption
    // shrinks with it, which leaves a pass or two to settle.
    for (int pass = 0; pass < 4; ++pass) {
        layout()->activate();
        const QSize whole = layout()->totalMinimumSize();
        if (whole.width() <= room.width() && whole.height() <= room.height())
            break;
        const QSize text = label->minimumSizeHint();
        if (text.isEmpty())
            break;
        const double across = double(room.width() - whole.width() + text.width()) / text.width();
        const double down = double(room.height() - whole.height() + text.height()) / text.height();
        scale *= std::clamp(std::min(across, down), 0.1, 0.95);
        setFont(scaledFont(font, scale));
    }
    // Qt wraps the lines of a box wider than half the screen, at no less than
    // the width the label asks for; asking for its longest line keeps every
    // line whole.
    label->setMinimumWidth(label->minimumSizeHint().width());
}

} // namespace

QString messageBoxText(const std::string& text)
{
    QString result = translatedGameText(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

QMessageBox::Icon messageBoxIcon(MessageStyle style)
{
    return style == MessageStyle::Information ? QMessageBox::Information : QMessageBox::NoIcon;
}

MessageBoxPresenter::MessageBoxPresenter(QWidget* parent)
    : parent_(parent)
{
}

void MessageBoxPresenter::showMessage(
    const std::string& text, MessageStyle style, const std::string& title)
{
    GameMessageBox box(
        messageBoxIcon(style), translatedGameText(title), messageBoxText(text), parent_);
    box.exec();
}

} // namespace quadlo
