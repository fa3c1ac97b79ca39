// The window's controls, menus and the round trip of every user command: the
// command goes to the game, and once the game's handler has returned (the
// computer's whole answer included) every control is brought in line with the
// model again.
#include "form/frmQuadlo.h"

#include <QApplication>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>

#include "Version.h"
#include "form/BoardView.h"
#include "form/Fonts.h"
#include "form/FormLayout.h"
#include "form/MessageBoxPresenter.h"

namespace quadlo {

namespace {

// The layout's text colour for captions on the navy form is the desktop's
// highlighted-text colour, normally white.
QColor captionColour()
{
    return QApplication::palette().color(QPalette::Active, QPalette::HighlightedText);
}

// The title's stand-in font is wider than the one the layout was drawn with;
// rather than clip the caption, the font is narrowed to fit, keeping its height.
void narrowToFit(QLabel* label)
{
    QFont font = label->font();
    const qreal advance = QFontMetricsF(font).horizontalAdvance(label->text());
    const qreal room = label->width();
    if (advance <= room)
        return;
    font.setStretch(static_cast<int>(100 * room / advance));
    label->setFont(font);
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

QLabel* caption(
    QWidget* client, const char* name, const QString& text, QRect geometry, const QFont& font)
{
    auto* label = new QLabel(text, client);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(font);
    setColours(label, Qt::transparent, captionColour());
    return label;
}

QLabel* scoreLabel(QWidget* client, const char* name, QRect geometry, Colour background)
{
    auto* label = new QLabel(QStringLiteral("0"), client);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    label->setFont(layoutFont(kScoreFamily, 27.75));
    label->setFrameStyle(QFrame::Box | QFrame::Plain);
    label->setLineWidth(1);
    label->setAutoFillBackground(true);
    setColours(label, layout::colour(background), Qt::black);
    return label;
}

QFrame* line(QWidget* client, const char* name, QRect geometry)
{
    // The layout's lines use the desktop's caption-text colour, which Qt does
    // not expose; it is white on every common desktop theme.
    auto* frame = new QFrame(client);
    frame->setObjectName(QString::fromLatin1(name));
    frame->setGeometry(geometry);
    frame->setAutoFillBackground(true);
    setColours(frame, Qt::white, Qt::white);
    return frame;
}

QRadioButton* option(QWidget* client, const char* name, const QString& text, QRect geometry)
{
    auto* button = new QRadioButton(text, client);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(geometry);
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
{
    installFontSubstitutes();

    setObjectName(QStringLiteral("frmQuadlo"));
    setWindowTitle(QStringLiteral(" Quadlo! ") + QLatin1String(kShortVersion));
    setWindowIcon(applicationIcon());
    // A fixed single border: a title and a close button, nothing to resize,
    // maximise or minimise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(layout::pixels(layout::kClientArea).size());
    client->setAutoFillBackground(true);
    setColours(client, layout::colour(kFormColour), captionColour());
    setCentralWidget(client);
    createControls(client);
    createMenus();

    // The client area is fixed, so the window is exactly the menu bar plus it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        setGeometry(QStyle::alignedRect(
            Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
    }

    game_.Form_Load();
    syncFromModel();
}

frmQuadlo::~frmQuadlo() = default;

QIcon frmQuadlo::applicationIcon()
{
    QIcon icon;
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        icon.addFile(QStringLiteral(":/icons/%1x%1/apps/org.quadlo.Quadlo.png").arg(size),
            QSize(size, size));
    }
    return icon;
}

void frmQuadlo::createControls(QWidget* client)
{
    using layout::pixels;

    QLabel* title
        = caption(client, "lblTitle", QStringLiteral("Quadlo! ") + QLatin1String(kShortVersion),
            pixels(layout::kTitle), layoutFont(kTitleFamily, 48));
    narrowToFit(title);

    lblGameboard_ = new BoardView(game_.board(), client);
    lblGameboard_->setObjectName(QStringLiteral("lblGameboard"));
    lblGameboard_->setGeometry(pixels(layout::kGameboard));
    connect(lblGameboard_, &BoardView::edgeClicked, this, &frmQuadlo::edgeClicked);

    caption(client, "lblHuman", QStringLiteral("Human"), pixels(layout::kHuman),
        layoutFont(kHeadlineFamily, 14.25));
    caption(client, "lblComputer", QStringLiteral("Computer"), pixels(layout::kComputer),
        layoutFont(kHeadlineFamily, 14.25));
    caption(client, "lblDifficulty", QStringLiteral("Difficulty"), pixels(layout::kDifficulty),
        layoutFont(kHeadlineFamily, 18));
    line(client, "Line1", pixels(layout::kLine1));
    line(client, "Line2", pixels(layout::kLine2));

    lblScore1_ = scoreLabel(client, "lblScore1", pixels(layout::kScore1), kHumanColour);
    lblScore2_ = scoreLabel(client, "lblScore2", pixels(layout::kScore2), kComputerColour);

    lblEasy_ = option(client, "lblEasy", QStringLiteral("Easy"), pixels(layout::kEasy));
    lblMedium_ = option(client, "lblMedium", QStringLiteral("Medium"), pixels(layout::kMedium));
    lblHard_ = option(client, "lblHard", QStringLiteral("Hard"), pixels(layout::kHard));
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    options_->addButton(lblEasy_, static_cast<int>(Difficulty::Easy));
    options_->addButton(lblMedium_, static_cast<int>(Difficulty::Medium));
    options_->addButton(lblHard_, static_cast<int>(Difficulty::Hard));
    connect(options_, &QButtonGroup::idToggled, this, &frmQuadlo::optionToggled);
    QWidget::setTabOrder(lblMedium_, lblHard_);
    QWidget::setTabOrder(lblHard_, lblEasy_);
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

    connect(newGame, &QAction::triggered, this, [this] {
        game_.mnuNew_Click();
        syncFromModel();
        giveFirstFocus();
    });
    connect(exit, &QAction::triggered, this, [this] {
        game_.mnuExit_Click();
        syncFromModel();
    });
    connect(rules, &QAction::triggered, this, [this] {
        game_.mnuRules_Click();
        syncFromModel();
    });
    connect(about, &QAction::triggered, this, [this] {
        game_.mnuAbout_Click();
        syncFromModel();
    });
}

void frmQuadlo::edgeClicked(Edge edge)
{
    game_.edgeClicked(edge);
    syncFromModel();
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
    lblScore1_->setText(QString::fromStdString(board.lblScore1));
    lblScore2_->setText(QString::fromStdString(board.lblScore2));
    syncOptions();
    lblGameboard_->update();
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
        giveFirstFocus();
    }
}

void frmQuadlo::showMessage(const std::string& text, int style, const std::string& title)
{
    // The box is modal and the game shows the end-of-game result before its
    // handler returns, so the window must show the final position first.
    syncFromModel();
    if (isVisible())
        repaint();
    messages_->showMessage(text, style, title);
}

void frmQuadlo::reloadForm()
{
    // The model's controls are back in their design state; showing them is the
    // whole reload. The window itself stays where it is.
    syncFromModel();
}

void frmQuadlo::endProgram() { QCoreApplication::exit(0); }

} // namespace quadlo
