// SPDX-License-Identifier: GPL-3.0-or-later
// Modal message boxes for the rules, the credits and the end-of-game result,
// in the player's language. Qt breaks a box's lines once the box is wider than
// half the screen, which on a scaled screen turns the rules' fixed lines into
// ragged stubs; here every line stays whole, and the text shrinks only as far
// as the screen needs for the whole box to fit on it. The result box opens
// clear of the board, so that the final position it announces stays in view.
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
    GameMessageBox(Icon icon, const QString& title, const QString& text, QWidget* parent,
        const QWidget* keepInView)
        : QMessageBox(icon, title, text, QMessageBox::Ok, parent)
        , keepInView_(keepInView)
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
        if (!event->spontaneous() && keepInView_)
            moveClearOf(*keepInView_);
    }

private:
    void keepLinesWhole();
    void moveClearOf(const QWidget& kept);

    const QWidget* keepInView_;
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

void GameMessageBox::moveClearOf(const QWidget& kept)
{
    const QRect keep(kept.mapToGlobal(QPoint(0, 0)), kept.size());
    const QRect window = kept.window()->frameGeometry();
    const QMargins frame = expectedFrame(*this);
    const QRect available = screen()->availableGeometry();
    const QSize box = size();
    const int middleX = keep.center().x() - box.width() / 2;
    const int middleY = keep.center().y() - box.height() / 2;
    // Beside the window first, where the whole window stays in view, then
    // below or above the kept widget; each moved onto the screen as far as
    // it must. The first that leaves the widget uncovered wins, or else the
    // one that covers the least of it.
    const QPoint places[] = {
        { window.right() + 1 + frame.left(), middleY },
        { window.left() - frame.right() - box.width(), middleY },
        { middleX, keep.bottom() + 1 + frame.top() },
        { middleX, keep.top() - frame.bottom() - box.height() },
    };
    QRect best;
    qint64 leastCovered = -1;
    for (const QPoint place : places) {
        const QRect placed = keptInside(QRect(place, box), frame, available);
        const QRect covered = placed.marginsAdded(frame) & keep;
        const qint64 area = qint64(covered.width()) * covered.height();
        if (leastCovered < 0 || area < leastCovered) {
            best = placed;
            leastCovered = area;
        }
    }
    setGeometry(best);
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
    // The result opens clear of the board, whose final position it announces.
    GameMessageBox box(messageBoxIcon(style), translatedGameText(title), messageBoxText(text),
        parent_, style == MessageStyle::OkOnly ? board_ : nullptr);
    box.exec();
}

} // namespace quadlo
