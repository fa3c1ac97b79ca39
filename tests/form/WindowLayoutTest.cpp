// SPDX-License-Identifier: GPL-3.0-or-later
// The window as the layout draws it: sizes and positions of every control
// (given here in the layout's twips), captions, colours, fonts, the menus, the
// icon, and which controls take the keyboard focus in which order.
#include <algorithm>
#include <cmath>

#include <QButtonGroup>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyleFactory>
#include <QTest>

#include "FormTestSupport.h"
#include "form/DeferredIconStyle.h"

using namespace quadlo;
using namespace quadlo::test;

namespace {

QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

} // namespace

class WindowLayoutTest : public WindowTest {
    Q_OBJECT

private slots:
    void clientAreaIs305By530BelowTheMenuBar()
    {
        QWidget* client = window->centralWidget();
        QCOMPARE(client->size(), QSize(305, 530));
        QCOMPARE(client->y(), window->menuBar()->geometry().bottom() + 1);
        QCOMPARE(window->size(), QSize(305, 530 + client->y()));
    }

    void windowCannotBeResizedMaximisedOrMinimised()
    {
        QCOMPARE(window->minimumSize(), window->size());
        QCOMPARE(window->maximumSize(), window->size());
        QVERIFY(!(window->windowFlags() & Qt::WindowMaximizeButtonHint));
        QVERIFY(!(window->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(window->windowFlags() & Qt::WindowCloseButtonHint);
    }

    void windowIsCentredOnTheScreen()
    {
        const QPoint centre = window->screen()->availableGeometry().center();
        QVERIFY2((window->geometry().center() - centre).manhattanLength() <= 2,
            qPrintable(QStringLiteral("window centre %1,%2 screen centre %3,%4")
                           .arg(window->geometry().center().x())
                           .arg(window->geometry().center().y())
                           .arg(centre.x())
                           .arg(centre.y())));
    }

    void captionHasItsLeadingBlank()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral(" Quadlo! 2.0"));
    }

    void controlsSitWhereTheLayoutPutsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("expected");
        QTest::newRow("lblTitle") << "lblTitle" << twips(90, 0, 4395, 975);
        QTest::newRow("lblGameboard") << "lblGameboard" << twips(360, 1080, 3855, 3855);
        QTest::newRow("lblHuman") << "lblHuman" << twips(510, 5190, 1500, 375);
        QTest::newRow("lblComputer") << "lblComputer" << twips(2415, 5190, 1800, 375);
        QTest::newRow("lblDifficulty") << "lblDifficulty" << twips(1095, 6870, 2400, 480);
        QTest::newRow("lblScore1") << "lblScore1" << twips(600, 5640, 1335, 735);
        QTest::newRow("lblScore2") << "lblScore2" << twips(2640, 5640, 1335, 735);
        QTest::newRow("lblEasy") << "lblEasy" << twips(345, 7440, 1050, 375);
        QTest::newRow("lblMedium") << "lblMedium" << twips(1665, 7440, 1350, 375);
        QTest::newRow("lblHard") << "lblHard" << twips(3330, 7440, 1050, 375);
        QTest::newRow("Line1") << "Line1" << twips(0, 7080, 1080, 15);
        QTest::newRow("Line2") << "Line2" << twips(3480, 7080, 1080, 15);
    }
    void controlsSitWhereTheLayoutPutsThem()
    {
        QFETCH(QString, name);
        QFETCH(QRect, expected);
        auto* control = window->centralWidget()->findChild<QWidget*>(name);
        QVERIFY(control);
        QCOMPARE(control->parentWidget(), window->centralWidget());
        QCOMPARE(control->geometry(), expected);
        QVERIFY(control->isVisible());
    }

    void captionsAreTheLayoutsTexts()
    {
        const std::pair<const char*, const char*> captions[] = {
            { "lblTitle", "Quadlo! 2.0" },
            { "lblHuman", "Human" },
            { "lblComputer", "Computer" },
            { "lblDifficulty", "Difficulty" },
            { "lblScore1", "0" },
            { "lblScore2", "0" },
        };
        for (const auto& [name, text] : captions)
            QCOMPARE(window->findChild<QLabel*>(name)->text(), QString::fromLatin1(text));
        QCOMPARE(window->findChild<QRadioButton*>("lblEasy")->text(), QStringLiteral("Easy"));
        QCOMPARE(window->findChild<QRadioButton*>("lblMedium")->text(), QStringLiteral("Medium"));
        QCOMPARE(window->findChild<QRadioButton*>("lblHard")->text(), QStringLiteral("Hard"));
    }

    void scoreLabelsAreBorderedAndCentred()
    {
        for (const char* name : { "lblScore1", "lblScore2" }) {
            auto* label = window->findChild<QLabel*>(name);
            QCOMPARE(label->alignment(), Qt::AlignCenter);
            QCOMPARE(label->frameShape(), QFrame::Box);
            QCOMPARE(label->lineWidth(), 1);
        }
    }

    void formBoardScoresAndLinesShowTheLayoutsColours()
    {
        const QImage client = window->centralWidget()->grab().toImage();
        QCOMPARE(pixelAt(client, { 2, 100 }), QColor(0, 0, 128)); // navy form
        QCOMPARE(pixelAt(client, { 24, 72 }), QColor(Qt::black)); // board border
        QCOMPARE(pixelAt(client, { 26, 74 }), QColor(0, 0, 255)); // blue board
        QCOMPARE(pixelAt(client, { 24 + 28, 72 + 28 }), QColor(0, 255, 255)); // first dot
        QCOMPARE(pixelAt(client, { 40, 376 }), QColor(Qt::black)); // score border
        QCOMPARE(pixelAt(client, { 42, 378 }), QColor(255, 0, 0));
        QCOMPARE(pixelAt(client, { 178, 378 }), QColor(0, 255, 0));
        QCOMPARE(pixelAt(client, { 10, 472 }), QColor(Qt::white)); // Line1
        QCOMPARE(pixelAt(client, { 10, 473 }), QColor(0, 0, 128));
        QCOMPARE(pixelAt(client, { 300, 472 }), QColor(Qt::white)); // Line2
        QCOMPARE(pixelAt(client, { 291, 496 }), QColor(0, 0, 128)); // behind Hard
    }

    void anEmptyBoardShowsOnlyDotsOnBlue()
    {
        const QImage board = boardImage(*window);
        for (Family family : { Vertical, Horizontal }) {
            for (int index = 1; index <= kEdgesPerFamily; ++index)
                QCOMPARE(pixelAt(board, edgeCentre(family, index)), QColor(0, 0, 255));
        }
        for (int square = 1; square <= kSquareCount; ++square)
            QCOMPARE(pixelAt(board, markerCentre(square)), QColor(0, 0, 255));
        for (int dot = 1; dot <= 36; ++dot)
            QCOMPARE(pixelAt(board, dotCentre(dot)), QColor(0, 255, 255));
    }

    void fontsKeepTheLayoutsSizesInTheInstalledFreeFamilies_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<qreal>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("title") << "lblTitle"
                               << "Kaushan Script" << 48.0 << false;
        QTest::newRow("human") << "lblHuman"
                               << "Lobster Two" << 14.25 << false;
        QTest::newRow("computer") << "lblComputer"
                                  << "Lobster Two" << 14.25 << false;
        QTest::newRow("difficulty") << "lblDifficulty"
                                    << "Lobster Two" << 18.0 << false;
        QTest::newRow("score1") << "lblScore1"
                                << "Dancing Script" << 27.75 << false;
        QTest::newRow("score2") << "lblScore2"
                                << "Dancing Script" << 27.75 << false;
        QTest::newRow("easy") << "lblEasy"
                              << "DejaVu Sans" << 12.0 << true;
        QTest::newRow("medium") << "lblMedium"
                                << "DejaVu Sans" << 12.0 << true;
        QTest::newRow("hard") << "lblHard"
                              << "DejaVu Sans" << 12.0 << true;
    }
    void fontsKeepTheLayoutsSizesInTheInstalledFreeFamilies()
    {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(qreal, points);
        QFETCH(bool, bold);
        const QFont font = window->findChild<QWidget*>(name)->font();
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
        QCOMPARE(QFontInfo(font).family(), family);
    }

    void titleFitsItsLabel() { verifyTitleInk(*window); }

    void menusHaveTheirItemsAndShortcuts()
    {
        struct Item {
            const char* name;
            const char* text; // null for a separator
            const char* shortcut;
        };
        struct Menu {
            const char* name;
            const char* title;
            std::vector<Item> items;
        };
        const std::vector<Menu> menus {
            { "mnuFile", "&File",
                { { "mnuNew", "&New Game", "Ctrl+N" }, { "mnuTakeBack", "&Take Back", "Ctrl+Z" },
                    { "mnuReview", "&Review Game", "Ctrl+G" }, { "mnuSeparator1", nullptr, "" },
                    { "mnuSave", "&Save Game…", "Ctrl+S" }, { "mnuOpen", "&Open Game…", "Ctrl+O" },
                    { "mnuSeparator3", nullptr, "" }, { "mnuExit", "E&xit", "Ctrl+X" } } },
            { "mnuView", "&View",
                { { "mnuOwnerMarks", "Owner &Marks", "Ctrl+M" },
                    { "mnuInstantTurns", "&Instant Turns", "" },
                    { "mnuShowTurn", "Show &Turn", "" }, { "mnuShowValues", "Show &Values", "" },
                    { "mnuSeparator3", nullptr, "" },
                    { "mnuExpert", "Play the &Expert", "Ctrl+E" } } },
            { "mnuHelp", "&Help",
                { { "mnuRules", "Rules", "Ctrl+R" }, { "mnuHint", "&Hint", "Ctrl+H" },
                    { "mnuSeparator2", nullptr, "" }, { "mnuAbout", "About", "Ctrl+A" } } },
        };
        const QList<QAction*> top = window->menuBar()->actions();
        QCOMPARE(top.size(), qsizetype(menus.size()));
        for (std::size_t m = 0; m < menus.size(); ++m) {
            auto* menu = window->findChild<QMenu*>(menus[m].name);
            QVERIFY(menu);
            QCOMPARE(top[qsizetype(m)], menu->menuAction());
            QCOMPARE(menu->title(), QString::fromLatin1(menus[m].title));
            const QList<QAction*> items = menu->actions();
            QCOMPARE(items.size(), qsizetype(menus[m].items.size()));
            for (qsizetype i = 0; i < items.size(); ++i) {
                const Item& want = menus[m].items[std::size_t(i)];
                QCOMPARE(items[i]->objectName(), QString::fromLatin1(want.name));
                QCOMPARE(items[i]->isSeparator(), want.text == nullptr);
                if (want.text)
                    QCOMPARE(items[i]->text(), QString::fromUtf8(want.text));
                QCOMPARE(items[i]->shortcut(), QKeySequence(QString::fromLatin1(want.shortcut)));
            }
        }
        // The View choices are off until the player turns them on.
        QVERIFY(!window->findChild<QAction*>("mnuOwnerMarks")->isChecked());
        QVERIFY(!window->findChild<QAction*>("mnuInstantTurns")->isChecked());
        QVERIFY(!window->findChild<QAction*>("mnuExpert")->isChecked());
    }

    void windowListsTheIconInTheWindowSizesAndDrawsItInEveryDesktopSize()
    {
        const QIcon icon = window->windowIcon();
        QCOMPARE(icon.availableSizes(),
            QList<QSize>({ { 16, 16 }, { 32, 32 }, { 48, 48 }, { 64, 64 } }));
        for (int size : { 16, 32, 48, 64, 128, 256 })
            QCOMPARE(icon.pixmap(QSize(size, size), 1.0).size(), QSize(size, size));
        // The window's sizes are built in as bare pixels: they show the PNGs.
        for (int size : { 16, 32, 48, 64 }) {
            const QImage png(
                QStringLiteral(QUADLO_ICON_DIR "/%1x%1/apps/org.quadlo.Quadlo.png").arg(size));
            QVERIFY(!png.isNull());
            QCOMPARE(icon.pixmap(QSize(size, size), 1.0)
                         .toImage()
                         .convertToFormat(QImage::Format_ARGB32_Premultiplied),
                png.convertToFormat(QImage::Format_ARGB32_Premultiplied));
        }
    }

    // A menu bar too narrow for its menus shows the desktop style's arrow,
    // which the program's style reads only when the arrow is drawn.
    void menuBarArrowUnderTheDeferredStyleIsTheDesktopStyles()
    {
        const QString desktop = QApplication::style()->name();
        const auto drawn = [] {
            QMenuBar bar;
            for (const char* title : { "File", "View", "Help" })
                bar.addMenu(QString::fromLatin1(title));
            bar.resize(40, bar.sizeHint().height());
            bar.show();
            return bar.grab().toImage();
        };
        const QImage plain = drawn();
        QApplication::setStyle(new DeferredIconStyle(QStyleFactory::create(desktop)));
        const QImage deferred = drawn();
        QApplication::setStyle(QStyleFactory::create(desktop));
        QCOMPARE(deferred, plain);
    }

    void mediumIsSelectedAndFocusedAtStart()
    {
        auto* medium = window->findChild<QRadioButton*>("lblMedium");
        QCOMPARE(QApplication::focusWidget(), medium);
        QVERIFY(medium->isChecked());
        QVERIFY(window->game().board().lblMedium);
        QVERIFY(!window->game().board().lblEasy);
        QVERIFY(!window->game().board().lblHard);
    }

    void focusOrderIsMediumHardEasy()
    {
        QStringList order;
        QWidget* start = window->findChild<QWidget*>("lblMedium");
        QWidget* widget = start;
        do {
            if (widget->focusPolicy() != Qt::NoFocus)
                order << widget->objectName();
            widget = widget->nextInFocusChain();
        } while (widget != start && order.size() < 10);
        QCOMPARE(order, QStringList({ "lblMedium", "lblHard", "lblEasy", "lblGameboard" }));
    }

    // An exclusive option group is a single Tab stop, as on every desktop; the
    // board is the other one.
    void tabGoesFromTheSelectedOptionToTheBoardAndBack()
    {
        QWidget* medium = window->findChild<QWidget*>("lblMedium");
        QTest::keyClick(medium, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), boardOf(*window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
        QCOMPARE(QApplication::focusWidget(), medium);
    }

    void arrowKeysMoveTheSelectionAlongTheOptions()
    {
        const Board& board = window->game().board();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblHard"));
        QVERIFY(board.lblHard && !board.lblMedium && !board.lblEasy);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("lblEasy"));
        QVERIFY(board.lblEasy && !board.lblMedium && !board.lblHard);
    }

    // The focus must read on navy: most of its mark at least 3 : 1 against it.
    void focusedOptionIsMarkedAtThreeToOneOnNavy()
    {
        auto* medium = window->findChild<QRadioButton*>("lblMedium");
        QCOMPARE(QApplication::focusWidget(), medium);
        const QImage focused = medium->grab().toImage();
        medium->clearFocus();
        const QImage unfocused = medium->grab().toImage();
        int mark = 0;
        int strong = 0;
        for (int y = 0; y < focused.height(); ++y) {
            for (int x = 0; x < focused.width(); ++x) {
                const bool changed = focused.pixel(x, y) != unfocused.pixel(x, y);
                mark += changed;
                strong += changed && contrast(focused.pixelColor(x, y), QColor(0, 0, 128)) >= 3.0;
            }
        }
        QVERIFY2(mark >= 20 && 2 * strong >= mark,
            qPrintable(QStringLiteral("%1 of %2 pixels at 3 : 1").arg(strong).arg(mark)));
    }

    void onlyTheOptionButtonsAndTheBoardTakeTheFocus()
    {
        QStringList focusable;
        for (QWidget* widget : window->findChildren<QWidget*>()) {
            if (widget->window() == window.get() && widget->focusPolicy() != Qt::NoFocus)
                focusable << widget->objectName();
        }
        focusable.sort();
        QCOMPARE(focusable, QStringList({ "lblEasy", "lblGameboard", "lblHard", "lblMedium" }));
        QCOMPARE(window->focusPolicy(), Qt::NoFocus);
    }

    void optionsFormOneExclusiveGroupThatWritesTheModel()
    {
        auto* easy = window->findChild<QRadioButton*>("lblEasy");
        auto* medium = window->findChild<QRadioButton*>("lblMedium");
        auto* hard = window->findChild<QRadioButton*>("lblHard");
        QVERIFY(
            easy->group() && easy->group() == medium->group() && medium->group() == hard->group());
        QVERIFY(easy->group()->exclusive());
        const Board& board = window->game().board();

        QTest::mouseClick(easy, Qt::LeftButton);
        QVERIFY(easy->isChecked() && !medium->isChecked() && !hard->isChecked());
        QVERIFY(board.lblEasy && !board.lblMedium && !board.lblHard);

        QTest::mouseClick(hard, Qt::LeftButton);
        QVERIFY(!easy->isChecked() && !medium->isChecked() && hard->isChecked());
        QVERIFY(!board.lblEasy && !board.lblMedium && board.lblHard);

        medium->setFocus();
        QTest::keyClick(medium, Qt::Key_Space);
        QVERIFY(!easy->isChecked() && medium->isChecked() && !hard->isChecked());
        QVERIFY(!board.lblEasy && board.lblMedium && !board.lblHard);
    }
};

QTEST_MAIN(WindowLayoutTest)
#include "WindowLayoutTest.moc"
