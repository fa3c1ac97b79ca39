// SPDX-License-Identifier: GPL-3.0-or-later
// The window on screens that are small for it or scaled by a fraction: run
// once for each screen and scale in CMakeLists.txt. Whatever the screen, the
// whole window stays inside its available area, every bar and every dot of
// the board has one size in device pixels, the captions are never squeezed to
// slivers, both menus show on the menu bar, the title is never clipped, the
// hint's words show whole below the form in every language, the board's
// partial repaints show what a full repaint paints, and the message boxes lie
// on the screen with their lines whole.
#include <QLabel>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QTest>

#include "FormTestSupport.h"
#include "form/Coach.h"
#include "form/FormPlacement.h"
#include "form/Translations.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

// How many pixels of `colour` run through `from` along `step`, both ways.
int runThrough(const QImage& image, QPoint from, QPoint step, QColor colour)
{
    int length = 0;
    for (const QPoint direction : { step, -step }) {
        for (QPoint p = from; image.rect().contains(p) && image.pixelColor(p) == colour;
             p += direction)
            ++length;
    }
    return length - 1;
}

} // namespace

class ScreenFitTest : public WindowTest {
    Q_OBJECT

private slots:
    // One window for all: only the board test plays on it, and nothing else
    // here depends on the position.
    void wholeWindowLiesCentredInTheAvailableArea()
    {
        const QRect available = window->screen()->availableGeometry();
        const QRect frame = window->frameGeometry();
        QVERIFY2(available.contains(frame),
            qPrintable(QStringLiteral("frame %1 on %2").arg(describe(frame), describe(available))));
        QVERIFY((frame.center() - available.center()).manhattanLength() <= 2);
    }

    void everyBarAndEveryDotHasOneSizeOnTheScreen()
    {
        // The form may be smaller than drawn; the board's width tells by how much.
        BoardView* view = boardOf(*window);
        const double scale = view->width() / 257.0;
        const Board& board = window->game().board();
        for (const Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                if (board.edge(family, index).tag != Mark::a)
                    continue;
                QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                    (QPointF(edgeCentre(family, index)) * scale).toPoint());
                QCOMPARE(board.edge(family, index).tag, Mark::h);
            }
        }

        // The whole window, so that the board sits at its own offset in it.
        const QImage image = window->grab().toImage();
        const double ratio = image.devicePixelRatio();
        const auto device = [&](QPoint onBoard) {
            return (
                QPointF(view->mapTo(window.get(), (QPointF(onBoard) * scale).toPoint())) * ratio)
                .toPoint();
        };
        QSet<int> bars;
        // The computer's last edges carry a dark line along their middle; the
        // lines, too, have one size.
        QSet<int> marks;
        const std::vector<Edge>& marked = window->presenter().picture().lastComputerEdges;
        for (const Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index) {
                const QPoint centre = device(edgeCentre(family, index));
                const QColor colour = image.pixelColor(centre);
                const bool mark = std::find(marked.begin(), marked.end(), Edge { family, index })
                    != marked.end();
                if (mark && colour != QColor(Qt::black))
                    continue;
                (mark ? marks : bars) << runThrough(
                    image, centre, family == Vertical ? QPoint(1, 0) : QPoint(0, 1), colour);
            }
        }
        QCOMPARE(bars.size(), 1);
        QVERIFY(marks.size() <= 1);
        QSet<int> dots;
        for (int dot = 1; dot <= kDotCount; ++dot)
            dots << runThrough(image, device(dotCentre(dot)), QPoint(1, 0), QColor(0, 255, 255));
        QCOMPARE(dots.size(), 1);
        QVERIFY(*bars.begin() > 0 && *dots.begin() > 0);
    }

    void titleLiesInsideItsLabel() { verifyTitleInk(*window); }

    // The longest hint, a bound on the computer's win, in each language: its
    // words lie below every control of the form, the window grows for them
    // and stays on the screen.
    void theHintsWordsShowWholeBelowTheFormAndOnTheScreenInEveryLanguage()
    {
        auto* coach = window->findChild<Coach*>();
        auto* text = window->findChild<QLabel*>(QStringLiteral("lblHint"));
        const QRect available = window->screen()->availableGeometry();
        QStringList languages = QStringLiteral(QUADLO_LANGUAGES).split(QLatin1Char(','));
        languages << QStringLiteral("C");
        for (const QString& language : languages) {
            Translations translations { QLocale(language) };
            translations.install();
            QTest::keyClick(window.get(), Qt::Key_H, Qt::ControlModifier);
            emit coach->learned(Hint { std::nullopt, -25, -13 });
            // Where the screen has no room for the words, the form shrinks.
            QRect form;
            for (const QWidget* control :
                window->centralWidget()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                if (control != text)
                    form |= control->geometry();
            }
            const QString where = QStringLiteral("%1: words %2, form %3, window %4 on %5")
                                      .arg(language, describe(text->geometry()), describe(form),
                                          describe(window->frameGeometry()), describe(available));
            QVERIFY2(text->isVisible() && text->geometry().top() > form.bottom()
                    && window->centralWidget()->rect().contains(text->geometry())
                    && text->height() >= text->heightForWidth(text->width())
                    && available.contains(window->frameGeometry()),
                qPrintable(where));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            QVERIFY(!text->isVisible());
        }
    }

    void captionsAreNeverSqueezedToSliversAndBothMenusShow()
    {
        for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
            const int stretch = option->font().stretch();
            QVERIFY2(stretch == 0 || stretch >= QFont::ExtraCondensed, qPrintable(option->text()));
        }
        QMenuBar* bar = window->menuBar();
        for (QAction* menu : bar->actions())
            QVERIFY(bar->rect().contains(bar->actionGeometry(menu)));
    }

    void rulesAndAboutKeepEveryLineWholeOnTheScreen()
    {
        frmQuadlo own(nullptr, fixedSeed);
        const QRect available = own.screen()->availableGeometry();
        for (const Qt::Key key : { Qt::Key_R, Qt::Key_A }) {
            showAndActivate(own);
            QRect frame;
            QStringList cut;
            onNextMessageBox([&](QMessageBox& box) {
                frame = box.frameGeometry();
                const auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
                for (const QString& line : box.text().split(QLatin1Char('\n'))) {
                    if (label->fontMetrics().horizontalAdvance(line)
                        > label->contentsRect().width())
                        cut << line;
                }
            });
            QTest::keyClick(&own, key, Qt::ControlModifier);
            QVERIFY2(!frame.isNull() && cut.isEmpty(), qPrintable(cut.join(QLatin1Char('|'))));
            QVERIFY2(available.contains(frame),
                qPrintable(
                    QStringLiteral("box %1 on %2").arg(describe(frame), describe(available))));
        }
    }

    // Beside the window or below the board, where the screen has room for the
    // box and the frame it will have.
    void theResultLiesOnTheScreenAndLeavesTheFinalBoardInViewWhereThereIsRoom()
    {
        frmQuadlo own(nullptr, fixedSeed);
        showAndActivate(own);
        BoardView* view = boardOf(own);
        const double scale = view->width() / 257.0;
        QRect frame;
        QSize framed;
        onNextMessageBox([&](QMessageBox& box) {
            frame = box.frameGeometry();
            framed = box.geometry().marginsAdded(expectedFrame(box)).size();
        });
        while (const std::optional<Edge> next = firstOpenEdge(own.game().board())) {
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier,
                (QPointF(edgeCentre(next->family, next->index)) * scale).toPoint());
        }
        QVERIFY(own.game().board().gameOver && !frame.isNull());
        const QRect available = own.screen()->availableGeometry();
        QVERIFY2(available.contains(frame),
            qPrintable(QStringLiteral("box %1 on %2").arg(describe(frame), describe(available))));
        const QRect board(view->mapToGlobal(QPoint(0, 0)), view->size());
        const QRect window = own.frameGeometry();
        const bool room = available.right() - window.right() >= framed.width()
            || window.left() - available.left() >= framed.width()
            || available.bottom() - board.bottom() >= framed.height()
            || board.top() - available.top() >= framed.height();
        QVERIFY2(!room || !frame.intersects(board),
            qPrintable(QStringLiteral("box %1 over %2").arg(describe(frame), describe(board))));
    }

    // What the screen shows after the board's partial repaints is what a full
    // repaint paints, through a paced game with the pointer over the board.
    void partialRepaintsShowWhatAFullRepaintPaints()
    {
        window->setStepClock(&clock);
        BoardView* view = boardOf(*window);
        const double scale = view->width() / 257.0;
        const auto shown = [&] {
            QCoreApplication::processEvents();
            return window->screen()->grabWindow(window->winId()).toImage();
        };
        int checks = 0;
        const auto fullRepaintChangesNothing = [&] {
            ++checks;
            const QImage partial = shown();
            view->repaint();
            return !partial.isNull() && shown() == partial;
        };
        const auto at = [&](Family family, int index) {
            return (QPointF(edgeCentre(family, index)) * scale).toPoint();
        };
        while (const std::optional<Edge> next = firstOpenEdge(window->game().board())) {
            hoverAt(view, at(otherFamily(next->family), next->index));
            QVERIFY(fullRepaintChangesNothing());
            hoverAt(view, at(next->family, next->index));
            QVERIFY(fullRepaintChangesNothing());
            QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, at(next->family, next->index));
            QVERIFY(fullRepaintChangesNothing());
            while (clock.pending()) {
                clock.fire();
                QVERIFY(fullRepaintChangesNothing());
            }
        }
        QVERIFY(checks > 60);
    }
};

QTEST_MAIN(ScreenFitTest)
#include "ScreenFitTest.moc"
