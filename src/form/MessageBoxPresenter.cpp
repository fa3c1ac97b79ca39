// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes for the rules, the credits and the end-of-game result,
// in the player's language.
#include "form/MessageBoxPresenter.h"

#include "form/Translations.h"

namespace quadlo {

QString messageBoxText(const std::string& text)
{
    QString result = translatedGameText(text);
    result.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    return result;
}

QMessageBox::Icon messageBoxIcon(MessageStyle style)
{
    switch (style) {
    case MessageStyle::Information:
        return QMessageBox::Information;
    case MessageStyle::Exclamation:
        return QMessageBox::Warning;
    case MessageStyle::OkOnly:
        break;
    }
    return QMessageBox::NoIcon;
}

MessageBoxPresenter::MessageBoxPresenter(QWidget* parent)
    : parent_(parent)
{
}

void MessageBoxPresenter::showMessage(
    const std::string& text, MessageStyle style, const std::string& title)
{
    QMessageBox box(messageBoxIcon(style), translatedGameText(title), messageBoxText(text),
        QMessageBox::Ok, parent_);
    // The texts are plain; a "<" in one must not switch the box to rich text.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

} // namespace quadlo
