// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls, menus and the round trip of every user command: the
// command goes to the game, and once the game's handler has returned (the
// computer's whole answer included) every control is brought in line with the
// model again, at once or move by move as the playback reveals the turn.
#include "form/frmQuadlo.h"

#include <algorithm>

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

#include "Version.h"
#include "form/BoardView.h"
#include "form/FileIcon.h"
#include "form/Fonts.h"
#include "form/MessageBoxPresenter.h"
#include "form/OptionStyle.h"
#include "form/TitleLabel.h"

namespace quadlo {

namespace {

// The text colour for captions on the navy form is the desktop's
// highlighted-text colour, normally white.
QColor captionColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}

// Text sizes come in whole pixels and do not shrink quite in step with the
// form, so an option's caption that would be cut is narrowed to fit instead.
void narrowToFit(QAbstractButton* button)
{
    if (!button)
        return;
    const int over = button->sizeHint().width() - button->width();
    if (over <= 0)
        return;
    QFont font = button->font();
    const int advance = button->fontMetrics().horizontalAdvance(button->text());
    font.setStretch(std::max(1, 100 * (advance - over) / advance));
    button->setFont(font);
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
    button->setFocusPolicy(Qt::StrongFocus);
    return button;
}

} // namespace

frmQuadlo::frmQuadlo(MessagePresenter* messages, GameRandom::SeedProvider seed, QWidget* parent)
    : QMainWindow(parent)
    , ownMessages_(messages ? nullptr : std::make_unique<MessageBoxPresenter>(this))
    , messages_(messages ? messages : ownMessages_.get())
    , random_(std::move(seed))
    , game_(random_, *this, *this)
    , playback_(game_.board())
{
    game_.setTurnObserver(&playback_);
    playback_.onChanged = [this] { syncFromModel(); };
    playback_.onFinished = [this] { turnShown(); };

    installFontSubstitutes();

    setObjectName(QStringLiteral("frmQuadlo"));
    setWindowTitle(QStringLiteral(" ") + QLatin1String(kTitle));
    // The one place the icon is set: dialogs and the desktop take it from here.
    setWindowIcon(applicationIcon());
    // A fixed single border: a title and a close button, nothing to resize,
    // maximise or minimise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    client_ = new QWidget(this);
    client_->setObjectName(QStringLiteral("clientArea"));
    client_->setAutoFillBackground(true);
    setColours(client_, layout::colour(kFormColour), captionColour());
    setCentralWidget(client_);
    // Made after the client area, so that it is also destroyed after it and
    // outlives the options that use it.
    optionStyle_ = new OptionStyle();
    optionStyle_->setParent(this);
    createControls(client_);
    createMenus();

    // The client area is fixed, so the window is exactly the menu bar plus it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    fitToScreen();

    game_.Form_Load();
    syncFromModel();
    // Keys go to whichever control has the focus, so they are watched for the
    // whole application, and only while a turn is being shown.
    qApp->installEventFilter(this);
}

frmQuadlo::~frmQuadlo()
{
    qApp->removeEventFilter(this);
    playback_.cancel();
    game_.setTurnObserver(nullptr);
}

void frmQuadlo::setStepClock(StepClock* clock)
{
    playback_.finish();
    playback_.setClock(clock);
}

QIcon frmQuadlo::applicationIcon()
{
    std::vector<IconFile> files;
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        files.push_back({ QSize(size, size),
            QStringLiteral(":/icons/%1x%1/apps/org.quadlo.Quadlo.png").arg(size) });
    }
    return iconFromFiles(std::move(files));
}

void frmQuadlo::createControls(QWidget* client)
{
    place(caption(new TitleLabel(QLatin1String(kTitle), client), "lblTitle",
              layoutFont(kTitleFamily, 48)),
        layout::kTitle);

    lblGameboard_ = new BoardView(game_.board(), playback_, client);
    lblGameboard_->setObjectName(QStringLiteral("lblGameboard"));
    place(lblGameboard_, layout::kGameboard);
    connect(lblGameboard_, &BoardView::edgeClicked, this, &frmQuadlo::edgeClicked);

    place(caption(new QLabel(QStringLiteral("Human"), client), "lblHuman",
              layoutFont(kHeadlineFamily, 14.25)),
        layout::kHuman);
    place(caption(new QLabel(QStringLiteral("Computer"), client), "lblComputer",
              layoutFont(kHeadlineFamily, 14.25)),
        layout::kComputer);
    place(caption(new QLabel(QStringLiteral("Difficulty"), client), "lblDifficulty",
              layoutFont(kHeadlineFamily, 18)),
        layout::kDifficulty);
    place(line(client, "Line1"), layout::kLine1);
    place(line(client, "Line2"), layout::kLine2);

    lblScore1_ = scoreLabel(client, "lblScore1", kHumanColour);
    lblScore2_ = scoreLabel(client, "lblScore2", kComputerColour);
    place(lblScore1_, layout::kScore1);
    place(lblScore2_, layout::kScore2);

    lblEasy_ = option(client, "lblEasy", QStringLiteral("Easy"), optionStyle_);
    lblMedium_ = option(client, "lblMedium", QStringLiteral("Medium"), optionStyle_);
    lblHard_ = option(client, "lblHard", QStringLiteral("Hard"), optionStyle_);
    place(lblEasy_, layout::kEasy);
    place(lblMedium_, layout::kMedium);
    place(lblHard_, layout::kHard);
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    options_->addButton(lblEasy_, static_cast<int>(Difficulty::Easy));
    options_->addButton(lblMedium_, static_cast<int>(Difficulty::Medium));
    options_->addButton(lblHard_, static_cast<int>(Difficulty::Hard));
    connect(options_, &QButtonGroup::idToggled, this, &frmQuadlo::optionToggled);
    QWidget::setTabOrder(lblMedium_, lblHard_);
    QWidget::setTabOrder(lblHard_, lblEasy_);
}

void frmQuadlo::place(QWidget* control, layout::TwipsRect rect)
{
    placed_.push_back({ control, rect, control->font() });
}

void frmQuadlo::applyScale(double scale)
{
    scale_ = scale;
    client_->setFixedSize(layout::pixels(layout::kClientArea, scale).size());
    for (const Placed& placed : placed_) {
        placed.control->setGeometry(layout::pixels(placed.rect, scale));
        QFont font = placed.font;
        font.setPointSizeF(placed.font.pointSizeF() * scale);
        placed.control->setFont(font);
        narrowToFit(qobject_cast<QAbstractButton*>(placed.control));
    }
    lblGameboard_->setScale(scale);
    optionStyle_->setScale(scale);
}

void frmQuadlo::fitToScreen()
{
    // Until the window manager has framed the window its frame is unknown;
    // this much room for a title bar and borders covers the common desktops.
    const QMargins known = windowHandle() ? windowHandle()->frameMargins() : QMargins();
    const QMargins frame = known.isNull() ? QMargins(4, 40, 4, 4) : known;
    const QRect available = screen()->availableGeometry();

    // The whole form at one scale, never larger than it was drawn; one tenth
    // of it is as small as it gets.
    const QSize full = layout::pixels(layout::kClientArea).size();
    const int menu = menuBar()->sizeHint().height();
    const double across = double(available.width() - frame.left() - frame.right()) / full.width();
    const double down
        = double(available.height() - frame.top() - frame.bottom() - menu) / full.height();
    const double scale = std::clamp(std::min(across, down), 0.1, 1.0);
    if (scale != scale_)
        applyScale(scale);
    adjustSize();

    // The client area is centred, and moved in only as far as its frame needs
    // to stay inside the available area.
    const QRect room = available.marginsRemoved(frame);
    QRect placed = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), available);
    placed.moveTo(std::max(room.left(), std::min(placed.left(), room.right() + 1 - placed.width())),
        std::max(room.top(), std::min(placed.top(), room.bottom() + 1 - placed.height())));
    setGeometry(placed);
}

void frmQuadlo::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setFocusPolicy(Qt::NoFocus);

    QMenu* file = bar->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction* newGame = file->addAction(QStringLiteral("&New Game"));
    newGame->setObjectName(QStringLiteral("mnuNew"));
    newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_N));
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparator1"));
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_X));

    QMenu* help = bar->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction* rules = help->addAction(QStringLiteral("Rules"));
    rules->setObjectName(QStringLiteral("mnuRules"));
    rules->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_R));
    help->addSeparator()->setObjectName(QStringLiteral("mnuSeparator2"));
    QAction* about = help->addAction(QStringLiteral("About"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    about->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_A));

    // New Game and Exit drop whatever is still being shown of the last turn,
    // its end-of-game box included; Rules and About leave it running.
    connect(newGame, &QAction::triggered, this, [this] {
        runGame([this] {
            dropShownTurn();
            game_.mnuNew_Click();
            giveFirstFocus();
        });
    });
    connect(exit, &QAction::triggered, this, [this] {
        runGame([this] {
            dropShownTurn();
            game_.mnuExit_Click();
        });
    });
    connect(
        rules, &QAction::triggered, this, [this] { runGame([this] { game_.mnuRules_Click(); }); });
    connect(
        about, &QAction::triggered, this, [this] { runGame([this] { game_.mnuAbout_Click(); }); });
}

template <typename Handler> void frmQuadlo::runGame(Handler handler)
{
    if (handlersRunning_ > 0)
        return;
    ++handlersRunning_;
    handler();
    --handlersRunning_;
    syncFromModel();
    showPendingMessage();
}

void frmQuadlo::edgeClicked(Edge edge)
{
    if (handlersRunning_ > 0)
        return;
    // A click while a turn is shown only hurries the showing on.
    if (playback_.showing()) {
        playback_.finish();
        return;
    }
    runGame([this, edge] {
        playback_.beginTurn();
        game_.edgeClicked(edge);
        playback_.endTurn();
    });
}

void frmQuadlo::dropShownTurn()
{
    playback_.cancel();
    pendingMessage_.reset();
}

void frmQuadlo::turnShown()
{
    syncFromModel();
    showPendingMessage();
}

void frmQuadlo::showPendingMessage()
{
    if (handlersRunning_ > 0 || playback_.showing() || !pendingMessage_)
        return;
    const Message message = *pendingMessage_;
    pendingMessage_.reset();
    ++handlersRunning_;
    showNow(message);
    --handlersRunning_;
}

bool frmQuadlo::eventFilter(QObject* watched, QEvent* event)
{
    if (!playback_.showing())
        return false;
    const bool boardPress = watched == lblGameboard_ && event->type() == QEvent::MouseButtonPress;
    bool key = false;
    if (event->type() == QEvent::KeyPress) {
        const auto* widget = qobject_cast<QWidget*>(watched);
        const int code = static_cast<QKeyEvent*>(event)->key();
        // A modifier on its own may be the start of a menu shortcut.
        key = widget && widget->window() == this && code != Qt::Key_Shift && code != Qt::Key_Control
            && code != Qt::Key_Alt && code != Qt::Key_Meta;
    }
    if (!boardPress && !key)
        return false;
    playback_.finish();
    return true;
}

void frmQuadlo::optionToggled(int id, bool checked)
{
    // The computer reads the options from the model at every turn, so the
    // user's choice goes there at once.
    if (syncing_ || !checked)
        return;
    game_.selectDifficulty(static_cast<Difficulty>(id));
}

void frmQuadlo::syncFromModel()
{
    const Board& board = game_.board();
    if (const ShownPosition* shown = playback_.shown()) {
        lblScore1_->setText(QString::number(shown->humanScore));
        lblScore2_->setText(QString::number(shown->computerScore));
    } else {
        lblScore1_->setText(QString::fromStdString(board.lblScore1));
        lblScore2_->setText(QString::fromStdString(board.lblScore2));
    }
    syncOptions();
    lblGameboard_->refresh();
}

void frmQuadlo::syncOptions()
{
    const Board& board = game_.board();
    syncing_ = true;
    // An exclusive group cannot show "none selected", which the model can hold.
    options_->setExclusive(false);
    lblEasy_->setChecked(board.lblEasy);
    lblMedium_->setChecked(board.lblMedium);
    lblHard_->setChecked(board.lblHard);
    options_->setExclusive(true);
    syncing_ = false;
}

void frmQuadlo::giveFirstFocus()
{
    // The first focus goes to the option group, which may select Medium.
    game_.optionsFocused();
    const Board& board = game_.board();
    syncOptions();
    if (board.lblEasy)
        lblEasy_->setFocus(Qt::OtherFocusReason);
    else if (board.lblHard)
        lblHard_->setFocus(Qt::OtherFocusReason);
    else
        lblMedium_->setFocus(Qt::OtherFocusReason);
}

void frmQuadlo::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        // The platform window exists now, and some platforms know its frame.
        fitToScreen();
        giveFirstFocus();
    }
}

void frmQuadlo::showMessage(const std::string& text, int style, const std::string& title)
{
    // The game announces the end inside the click that ends it, before the
    // window has shown the final moves; the box waits for them.
    if (playback_.recording()) {
        pendingMessage_ = Message { text, style, title };
        return;
    }
    showNow({ text, style, title });
}

void frmQuadlo::showNow(const Message& message)
{
    // The box is modal, so what lies under it must be painted first.
    syncFromModel();
    if (isVisible())
        repaint();
    messages_->showMessage(message.text, message.style, message.title);
}

void frmQuadlo::reloadForm()
{
    // The model's controls are back in their design state; showing them is the
    // whole reload. The window itself stays where it is.
    syncFromModel();
}

void frmQuadlo::endProgram() { QCoreApplication::exit(0); }

} // namespace quadlo
