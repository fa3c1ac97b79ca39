// SPDX-License-Identifier: GPL-3.0-or-later
// The window's controls and menus, and where each user command goes: to the
// turn presenter, which runs it on the game; the controls then show the
// presenter's picture. Saving writes the record of the games; opening replays
// a saved record from the start that quadlo-engine replays it from.
#include "form/frmQuadlo.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QButtonGroup>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QRadioButton>
#include <QWheelEvent>

#include "Version.h"
#include "analysis/BoardAdapter.h"
#include "analysis/ExpertPlayer.h"
#include "form/BoardAccessible.h"
#include "form/BoardView.h"
#include "form/ExpertSearch.h"
#include "form/FileIcon.h"
#include "form/Fonts.h"
#include "form/FormControls.h"
#include "form/FormPlacement.h"
#include "form/GameFile.h"
#include "form/GameReview.h"
#include "form/MessageBoxPresenter.h"
#include "form/OptionStyle.h"
#include "form/Preferences.h"
#include "form/TitleLabel.h"

namespace quadlo {

using namespace controls;

frmQuadlo::frmQuadlo(MessagePresenter* messages, GameRandom::SeedProvider seed, QWidget* parent)
    : QMainWindow(parent)
    , ownMessages_(messages ? nullptr : std::make_unique<MessageBoxPresenter>(this))
    , random_([this, seed = std::move(seed)] {
        gameSeed_ = openingSeed_ ? *openingSeed_ : seed();
        record_.seeded(gameSeed_);
        return gameSeed_;
    })
    , presenter_(random_, messages ? *messages : *ownMessages_, *this)
    , askForGameFile_([this](GameFileAction action, const QString& folder) {
        return askInFileDialog(action, folder);
    })
{
    presenter_.setRecord(&record_);
    presenter_.onChanged = [this] { pictureChanged(); };
    presenter_.onPaintNow = [this] {
        if (isVisible())
            repaint();
    };
    coach_ = new Coach(this);
    connect(coach_, &Coach::learned, this, [this](const Hint& hint) {
        showHint(hint);
        updateStatusLine();
    });
    connect(coach_, &Coach::cannotHelp, this, [this] {
        showHint(std::nullopt);
        updateStatusLine();
    });
    connect(coach_, &Coach::valued, this,
        [this](const MoveValues& values) { lblGameboard_->setValues(values); });
    presenter_.onTurnShown = [this](const std::vector<TurnEvent>& events) {
        lblGameboard_->announce(turnSummary(events, game().humanToMove()));
        lastTurn_ = events;
        lastTurnLeft_ = analysis::drawnEdges(game().board());
        updateStatusLine();
    };
    expertSearch_ = new ExpertSearch(this);
    presenter_.onComputerToMove
        = [this](const Board& board) { expertSearch_->start(board, gameSeed_); };
    expertSearch_->onAnswer = [this](Edge edge) { presenter_.computerPlays(edge); };

    setObjectName(QStringLiteral("frmQuadlo"));
    // The game's name and version, the same in every language.
    setWindowTitle(QStringLiteral(" ") + QLatin1String(kTitle));
    // The one place the icon is set: dialogs and the desktop take it from here.
    setWindowIcon(applicationIcon());
    // A fixed single border: a title and a close button, nothing to resize,
    // maximise or minimise.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setAutoFillBackground(true);
    setColours(client, layout::colour(kFormColour), captionColour());
    setCentralWidget(client);
    placement_ = std::make_unique<FormPlacement>(*this, *client);
    // Made after the client area, so that it is also destroyed after it and
    // outlives the options that use it.
    optionStyle_ = new OptionStyle();
    optionStyle_->setParent(this);
    createControls(client);
    createMenus();
    if (ownMessages_)
        ownMessages_->keepInView(lblGameboard_);
    placement_->onScaled = [this](double scale) {
        lblGameboard_->setScale(scale);
        optionStyle_->setScale(scale);
    };

    // The client area is fixed, so the window is exactly the menu bar plus it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    placement_->fitToScreen();

    presenter_.run([](Game& game) { game.Form_Load(); });
    // Keys go to whichever control has the focus, so they are watched for the
    // whole application: any key while a turn is being shown, and Escape
    // while a hint is.
    qApp->installEventFilter(this);
}

frmQuadlo::~frmQuadlo()
{
    qApp->removeEventFilter(this);
    // Hidden while the presenter is still there: closing the window takes
    // the focus from the board, which then asks the presenter about the edge
    // under the pointer.
    hide();
    // The board shows the review's picture up to here.
    lblGameboard_->setReviewPicture(nullptr);
    delete std::exchange(review_, nullptr);
}

QIcon frmQuadlo::applicationIcon()
{
    // A window's title bar, task switcher and dock take 16 to 64 pixels, built
    // in as bare pixels (src/form/CMakeLists.txt lists the same sizes); the
    // desktop's larger icons come from the installed theme.
    constexpr int largestWindowSize = 64;
    std::vector<IconFile> files;
    for (const int size : { 16, 32, 48, 64, 128, 256 }) {
        files.push_back({ QSize(size, size),
            QStringLiteral(":/icons/%1x%1/apps/org.quadlo.Quadlo.%2")
                .arg(size)
                .arg(size <= largestWindowSize ? QLatin1String("rgba") : QLatin1String("png")) });
    }
    return iconFromFiles(std::move(files), largestWindowSize);
}

void frmQuadlo::createControls(QWidget* client)
{
    FormPlacement& form = *placement_;
    form.place(caption(new TitleLabel(QLatin1String(kTitle), client), "lblTitle",
                   layoutFont(kTitleFamily, 48)),
        layout::kTitle);

    lblGameboard_ = new BoardView(presenter_, client);
    lblGameboard_->setObjectName(QStringLiteral("lblGameboard"));
    lblGameboard_->setAccessibleName(tr("Board"));
    form.place(lblGameboard_, layout::kGameboard);
    connect(lblGameboard_, &BoardView::edgeClicked, this,
        [this](Edge edge) { presenter_.click(edge); });

    form.place(
        caption(new QLabel(tr("Human"), client), "lblHuman", layoutFont(kHeadlineFamily, 14.25)),
        layout::kHuman);
    form.place(caption(new QLabel(tr("Computer"), client), "lblComputer",
                   layoutFont(kHeadlineFamily, 14.25)),
        layout::kComputer);
    form.place(caption(new QLabel(tr("Difficulty"), client), "lblDifficulty",
                   layoutFont(kHeadlineFamily, 18)),
        layout::kDifficulty);
    form.place(line(client, "Line1"), layout::kLine1);
    form.place(line(client, "Line2"), layout::kLine2);

    lblScore1_ = scoreLabel(client, "lblScore1", kHumanColour);
    lblScore2_ = scoreLabel(client, "lblScore2", kComputerColour);
    form.place(lblScore1_, layout::kScore1);
    form.place(lblScore2_, layout::kScore2);

    lblEasy_ = option(client, "lblEasy", tr("Easy"), optionStyle_);
    lblMedium_ = option(client, "lblMedium", tr("Medium"), optionStyle_);
    lblHard_ = option(client, "lblHard", tr("Hard"), optionStyle_);
    form.place(lblEasy_, layout::kEasy);
    form.place(lblMedium_, layout::kMedium);
    form.place(lblHard_, layout::kHard);
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    options_->addButton(lblEasy_, static_cast<int>(Difficulty::Easy));
    options_->addButton(lblMedium_, static_cast<int>(Difficulty::Medium));
    options_->addButton(lblHard_, static_cast<int>(Difficulty::Hard));
    // The computer reads the options from the model at every turn, so the
    // user's choice goes there at once.
    connect(options_, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!syncing_ && checked)
            presenter_.run(
                [id](Game& game) { game.selectDifficulty(static_cast<Difficulty>(id)); });
    });
    // The board is the next Tab stop after the options.
    QWidget::setTabOrder(lblMedium_, lblHard_);
    QWidget::setTabOrder(lblHard_, lblEasy_);
    QWidget::setTabOrder(lblEasy_, lblGameboard_);

    lblHint_ = caption(new QLabel(client), "lblHint", font());
    form.placeStatusLine(lblHint_);
}

void frmQuadlo::createMenus()
{
    QMenuBar* bar = menuBar();
    bar->setFocusPolicy(Qt::NoFocus);

    QMenu* file = menu(bar, "mnuFile", tr("&File"));
    QAction* newGame = command(file, "mnuNew", tr("&New Game"), Qt::Key_N);
    takeBack_ = command(file, "mnuTakeBack", tr("&Take Back"), Qt::Key_Z);
    reviewGame_ = command(file, "mnuReview", tr("&Review Game"), Qt::Key_G);
    reviewGame_->setCheckable(true);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparator1"));
    QAction* save = command(file, "mnuSave", tr("&Save Game…"), Qt::Key_S);
    QAction* open = command(file, "mnuOpen", tr("&Open Game…"), Qt::Key_O);
    file->addSeparator()->setObjectName(QStringLiteral("mnuSeparator3"));
    QAction* exit = command(file, "mnuExit", tr("E&xit"), Qt::Key_X);

    QMenu* view = menu(bar, "mnuView", tr("&View"));
    ownerMarks_ = command(view, "mnuOwnerMarks", tr("Owner &Marks"), Qt::Key_M);
    instantTurns_ = view->addAction(tr("&Instant Turns"));
    instantTurns_->setObjectName(QStringLiteral("mnuInstantTurns"));
    showTurn_ = view->addAction(tr("Show &Turn"));
    showTurn_->setObjectName(QStringLiteral("mnuShowTurn"));
    showValues_ = view->addAction(tr("Show &Values"));
    showValues_->setObjectName(QStringLiteral("mnuShowValues"));
    for (QAction* choice : { ownerMarks_, instantTurns_, showTurn_, showValues_ }) {
        choice->setCheckable(true);
        connect(choice, &QAction::toggled, this, [this, choice] { viewChoiceToggled(choice); });
    }
    view->addSeparator()->setObjectName(QStringLiteral("mnuSeparator3"));
    expert_ = command(view, "mnuExpert", tr("Play the &Expert"), Qt::Key_E);
    expert_->setCheckable(true);
    connect(expert_, &QAction::toggled, this, &frmQuadlo::expertToggled);

    QMenu* help = menu(bar, "mnuHelp", tr("&Help"));
    QAction* rules = command(help, "mnuRules", tr("Rules"), Qt::Key_R);
    hint_ = command(help, "mnuHint", tr("&Hint"), Qt::Key_H);
    help->addSeparator()->setObjectName(QStringLiteral("mnuSeparator2"));
    QAction* about = command(help, "mnuAbout", tr("About"), Qt::Key_A);

    // New Game and Exit drop whatever is still being shown of the last turn,
    // its end-of-game box included; Rules and About leave it running.
    connect(newGame, &QAction::triggered, this, [this] {
        endReview();
        dropHint();
        const bool ran = presenter_.run([this](Game& game) {
            coachAsked_ = false;
            presenter_.drop();
            record_.startedNew(game);
            game.mnuNew_Click();
            game.optionsFocused();
        });
        if (ran)
            focusSelectedOption();
    });
    connect(exit, &QAction::triggered, this, [this] {
        presenter_.run([this](Game& game) {
            coachAsked_ = false;
            presenter_.drop();
            game.mnuExit_Click();
        });
    });
    connect(rules, &QAction::triggered, this,
        [this] { presenter_.run([](Game& game) { game.mnuRules_Click(); }); });
    connect(about, &QAction::triggered, this,
        [this] { presenter_.run([](Game& game) { game.mnuAbout_Click(); }); });
    connect(takeBack_, &QAction::triggered, this, [this] {
        endReview();
        presenter_.takeBack();
    });
    connect(reviewGame_, &QAction::toggled, this, [this](bool on) {
        if (on)
            startReview();
        else
            endReview();
    });
    connect(save, &QAction::triggered, this, &frmQuadlo::saveGame);
    connect(open, &QAction::triggered, this, &frmQuadlo::openGame);
    connect(hint_, &QAction::triggered, this, &frmQuadlo::askForHint);
}

QString frmQuadlo::askInFileDialog(GameFileAction action, const QString& folder)
{
    const bool saving = action == GameFileAction::Save;
    QFileDialog dialog(this, saving ? tr("Save Game") : tr("Open Game"), folder,
        tr("Quadlo games (%1)").arg(QStringLiteral("*.quadlo")) + QStringLiteral(";;")
            + tr("All files (%1)").arg(QStringLiteral("*")));
    dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDefaultSuffix(QStringLiteral("quadlo"));
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}

// The dialogs and the warnings run as a command of their own, so that nothing
// reaches the game while they are open.
void frmQuadlo::saveGame()
{
    presenter_.run([this](Game& game) {
        const QString path = askForGameFile_(GameFileAction::Save, gamesFolder());
        if (path.isEmpty())
            return;
        if (const std::optional<QString> failure = writeGameFile(path, record_.script(game)))
            showWarning(tr("Save Game"), *failure);
        else if (preferences_)
            preferences_->setGamesFolder(QFileInfo(path).absolutePath());
    });
}

void frmQuadlo::openGame()
{
    std::optional<GameRecord> opened;
    QString path;
    presenter_.run([&](Game&) {
        path = askForGameFile_(GameFileAction::Open, gamesFolder());
        if (path.isEmpty())
            return;
        std::variant<GameRecord, QString> read = readGameFile(path);
        if (const auto* failure = std::get_if<QString>(&read))
            showWarning(tr("Open Game"), *failure);
        else
            opened = std::move(std::get<GameRecord>(read));
    });
    if (!opened)
        return;
    endReview();
    dropHint();
    // A long evening's games take a moment to replay.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // Its results were seen when it was played: only where it ended shows,
    // as it looked then.
    presenter_.replay([&](Game& game) {
        presenter_.drop();
        // As in quadlo-engine, the games start from the first seed until the
        // script gives one.
        openingSeed_ = kFirstSeed;
        game.restart();
        std::vector<Edge> answer;
        for (const Command& command : opened->commands()) {
            if (const auto* seed = std::get_if<SeedCommand>(&command)) {
                openingSeed_ = seed->seed;
                random_.reseed();
            } else if (const auto* given = std::get_if<AnswerCommand>(&command)) {
                answer = given->edges;
                continue;
            } else {
                presenter_.replayCommand(game, command);
            }
            if (game.awaitsComputerEdge())
                analysis::playExpertEdges(game, expertSearch_->idleExpert(), gameSeed_, answer);
            answer.clear();
        }
        openingSeed_.reset();
    });
    QApplication::restoreOverrideCursor();
    // The seeds noted while it replayed give way to the file's commands.
    record_ = std::move(*opened);
    if (preferences_)
        preferences_->setGamesFolder(QFileInfo(path).absolutePath());
}

void frmQuadlo::showWarning(const QString& title, const QString& text)
{
    presenter_.showMessage(text.toStdString(), MessageStyle::Exclamation, title.toStdString());
}

QString frmQuadlo::gamesFolder() const
{
    const QString kept = preferences_ ? preferences_->gamesFolder() : QString();
    return kept.isEmpty() ? QDir::homePath() : kept;
}

void frmQuadlo::askForHint()
{
    endReview();
    // A hint is for the position on screen, so a turn being shown is finished
    // first.
    presenter_.hurry();
    if (!game().humanToMove())
        return;
    coachAsked_ = true;
    hintFor_ = analysis::drawnEdges(game().board());
    steerCoach();
    showHint(coach_->known());
}

void frmQuadlo::showHint(const std::optional<Hint>& hint)
{
    if (!hintFor_)
        return;
    const QString text = coachText(hint, false);
    lblGameboard_->setHint(hint ? hint->edge : std::nullopt);
    if (text != hintText_) {
        hintText_ = text;
        updateStatusLine();
        lblGameboard_->announce(text);
    }
}

QString frmQuadlo::coachText(const std::optional<Hint>& hint, bool brief) const
{
    if (coach_->lacksMemory())
        return tr("Not enough memory to find the best move.");
    return brief ? shortVerdictText(hint) : verdictText(hint);
}

QString frmQuadlo::verdictText(const std::optional<Hint>& hint) const
{
    // A 25-square board has no tie, so only a bound clear of it says who
    // wins.
    if (hint && hint->lowest > 0)
        return hint->exact()
            ? tr("With best play you win by %n.", nullptr, hint->lowest)
            : tr("With best play you win (by at least %n).", nullptr, hint->lowest);
    if (hint && hint->highest < 0)
        return hint->exact()
            ? tr("With best play the computer wins by %n.", nullptr, -hint->highest)
            : tr("With best play the computer wins (by at least %n).", nullptr, -hint->highest);
    return tr("Thinking about the best move…");
}

QString frmQuadlo::shortVerdictText(const std::optional<Hint>& hint) const
{
    if (hint && hint->lowest > 0)
        return hint->exact() ? tr("Best play: you win by %n.", nullptr, hint->lowest)
                             : tr("Best play: you win by %n or more.", nullptr, hint->lowest);
    if (hint && hint->highest < 0)
        return hint->exact() ? tr("Best play: you lose by %n.", nullptr, -hint->highest)
                             : tr("Best play: you lose by %n or more.", nullptr, -hint->highest);
    return verdictText(hint);
}

void frmQuadlo::dropHint()
{
    hintFor_.reset();
    hintText_.clear();
    lblGameboard_->setHint(std::nullopt);
    updateStatusLine();
}

void frmQuadlo::updateStatusLine()
{
    if (review_) {
        placement_->setStatusText(reviewText());
        return;
    }
    if (hintFor_) {
        placement_->setStatusText(hintText_);
        return;
    }
    // Show Values says who wins where the edges show no values yet; after
    // the turn's words, in fewer of its own, so that both fit in one line
    // where they can.
    QStringList parts;
    if (showTurn_->isChecked())
        parts << turnText();
    if (showValues_->isChecked() && game().humanToMove() && !presenter_.showing())
        parts << coachText(coach_->known(), !parts.isEmpty());
    // With the result, the line offers the review of the game just ended.
    if (!parts.isEmpty() && game().board().gameOver && !presenter_.showing())
        parts << tr("Review Game (Ctrl+G) goes through your moves.");
    placement_->setStatusText(parts.join(QLatin1Char(' ')));
}

void frmQuadlo::startReview()
{
    presenter_.hurry();
    dropHint();
    const QSignalBlocker blocker(reviewGame_);
    reviewGame_->setChecked(true);
    delete review_;
    review_ = new GameReview(game().moves(), reviewBudget_, this);
    connect(review_, &GameReview::moveJudged, this, [this] { updateStatusLine(); });
    // It opens on the game's last position, where a finished game ended,
    // with the keys said until the player has stepped.
    review_->goTo(review_->edgeCount());
    reviewKeysSaid_ = false;
    placement_->holdStatusHeight(true);
    showReviewStep();
}

void frmQuadlo::endReview()
{
    const QSignalBlocker blocker(reviewGame_);
    reviewGame_->setChecked(false);
    if (!review_)
        return;
    lblGameboard_->setReviewPicture(nullptr);
    // Its judging thread stops at once, as a stopped solver gives up.
    delete std::exchange(review_, nullptr);
    pictureChanged();
    placement_->holdStatusHeight(false);
}

void frmQuadlo::stepReview(int step)
{
    review_->goTo(step);
    reviewKeysSaid_ = true;
    showReviewStep();
}

void frmQuadlo::showReviewStep()
{
    lblGameboard_->setReviewPicture(&review_->picture());
    showScores(review_->picture());
    updateStatusLine();
    lblGameboard_->announce(reviewText());
}

bool frmQuadlo::reviewInput(QObject* watched, QEvent* event)
{
    const int step = review_->step();
    if (watched == lblGameboard_ && event->type() == QEvent::MouseButtonPress) {
        // The left button goes forward, any other back.
        const auto* press = static_cast<QMouseEvent*>(event);
        stepReview(step + (press->button() == Qt::LeftButton ? 1 : -1));
        return true;
    }
    if (watched == lblGameboard_ && event->type() == QEvent::Wheel) {
        const int turned = static_cast<QWheelEvent*>(event)->angleDelta().y();
        if (turned != 0)
            stepReview(step + (turned < 0 ? 1 : -1));
        return true;
    }
    const auto* widget = qobject_cast<QWidget*>(watched);
    if (event->type() != QEvent::KeyPress || !widget || widget->window() != this)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier))
        return false;
    switch (key->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_PageUp:
        stepReview(step - 1);
        return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
        stepReview(step + 1);
        return true;
    case Qt::Key_Home:
        stepReview(0);
        return true;
    case Qt::Key_End:
        stepReview(review_->edgeCount());
        return true;
    case Qt::Key_T:
        if (const std::optional<int> turning = review_->turningPoint())
            stepReview(review_->stepOfMove(*turning));
        return true;
    case Qt::Key_Escape:
        endReview();
        return true;
    default:
        return false;
    }
}

QString frmQuadlo::reviewText() const
{
    const GameReview& review = *review_;
    const int step = review.step();
    QStringList parts;
    if (step == 0) {
        parts << tr("The start of the game.");
    } else {
        const GameReview::Step& edge = review.edge(step);
        if (edge.player == Player::Human) {
            const std::optional<analysis::MoveJudgement> judged = review.judgement(edge.humanMove);
            // One and many are apart in English; many takes each language's
            // plural.
            const QString verdict = !judged ? tr("being judged…")
                : !judged->lost             ? tr("not decided.")
                : *judged->lost == 0        ? tr("a best move.")
                : *judged->lost == 1        ? tr("lost a square.")
                                            : tr("lost %n squares.", nullptr, *judged->lost);
            parts << tr("Edge %1 of %2, your move %3: %4")
                         .arg(step)
                         .arg(review.edgeCount())
                         .arg(edge.humanMove)
                         .arg(verdict);
        } else {
            parts << tr("Edge %1 of %2, the computer's.").arg(step).arg(review.edgeCount());
        }
        // From the start of each turn: where best play from there ends.
        // A 25-square game has no tie.
        if (const std::optional<int> margin = review.marginFromTurn(step); margin && *margin != 0)
            parts << verdictText(Hint { std::nullopt, *margin, *margin });
    }
    if (const std::optional<int> turning = review.turningPoint())
        parts << tr("Turning point: your move %1.").arg(*turning);
    else if (review.decided())
        parts << tr("No turning point.");
    // A move the solver did not settle may have lost squares.
    else if (review.judged())
        parts << tr("No turning point among the decided moves.");
    if (!reviewKeysSaid_)
        parts << tr("Left and Right step, T the turning point, Esc ends the review.");
    return parts.join(QLatin1Char(' '));
}

QString frmQuadlo::turnText() const
{
    if (presenter_.showing())
        return tr("The computer is moving…");
    // A turn of the human's alone took squares and earned another move; the
    // summary of one with the computer's moves in it is for a screen reader,
    // which cannot see them on the board.
    const bool humansAlone = lastTurnLeft_ == analysis::drawnEdges(game().board())
        && std::none_of(lastTurn_.begin(), lastTurn_.end(),
            [](const TurnEvent& event) { return event.player == Player::Computer; });
    return turnSummary(humansAlone ? lastTurn_ : std::vector<TurnEvent> {}, game().humanToMove());
}

void frmQuadlo::steerCoach()
{
    const bool values = showValues_->isChecked();
    coach_->setValuesWanted(values);
    if ((coachAsked_ || values) && game().humanToMove())
        coach_->follow(game().board());
    else
        coach_->stop();
    lblGameboard_->setValues(values ? coach_->values() : std::nullopt);
}

bool frmQuadlo::eventFilter(QObject* watched, QEvent* event)
{
    if (review_)
        return reviewInput(watched, event);
    if (event->type() != QEvent::KeyPress && !presenter_.showing())
        return false;
    const auto* widget = qobject_cast<QWidget*>(watched);
    const bool key = event->type() == QEvent::KeyPress && widget && widget->window() == this;
    const int code = key ? static_cast<QKeyEvent*>(event)->key() : 0;
    // Escape puts the hint away, the coach working on, whichever control has
    // the keyboard: a menu bar left with it by a closed menu would take the
    // key for itself. It goes on to that control too, so the menu bar lets
    // go; an open menu takes it alone, to close.
    if (code == Qt::Key_Escape && hintFor_ && QApplication::activePopupWidget() == nullptr)
        dropHint();
    if (!presenter_.showing())
        return false;
    const bool boardPress = watched == lblGameboard_ && event->type() == QEvent::MouseButtonPress;
    // A modifier on its own may be the start of a menu shortcut.
    const bool hurrying = key && code != Qt::Key_Shift && code != Qt::Key_Control
        && code != Qt::Key_Alt && code != Qt::Key_Meta;
    return (boardPress || hurrying) && presenter_.hurry();
}

void frmQuadlo::setStepClock(StepClock* clock)
{
    pacedClock_ = clock;
    applyViewChoices();
}

void frmQuadlo::usePreferences(Preferences& preferences, bool instantNow)
{
    preferences_ = &preferences;
    const ViewChoices& kept = preferences.choices();
    const QSignalBlocker ownerMarks(ownerMarks_);
    const QSignalBlocker instantTurns(instantTurns_);
    const QSignalBlocker showTurn(showTurn_);
    const QSignalBlocker showValues(showValues_);
    ownerMarks_->setChecked(kept.ownerMarks);
    instantTurns_->setChecked(kept.instantTurns || instantNow);
    showTurn_->setChecked(kept.showTurn);
    showValues_->setChecked(kept.showValues);
    applyViewChoices();
}

void frmQuadlo::viewChoiceToggled(QAction* choice)
{
    applyViewChoices();
    if (!preferences_)
        return;
    // Only the choice the player made is kept: Instant Turns may be on for
    // this run alone (--instant) while the file keeps it off.
    ViewChoices kept = preferences_->choices();
    bool ViewChoices::*const field = choice == ownerMarks_ ? &ViewChoices::ownerMarks
        : choice == instantTurns_                          ? &ViewChoices::instantTurns
        : choice == showTurn_                              ? &ViewChoices::showTurn
                                                           : &ViewChoices::showValues;
    kept.*field = choice->isChecked();
    preferences_->set(kept);
}

void frmQuadlo::expertToggled(bool on)
{
    // Refused while another command runs (from a box it opened), as every
    // command is; the check mark then stays as the game is.
    if (!presenter_.run([this, on](Game& game) {
            record_.expertChanged(game, on);
            game.setComputerFromOutside(on);
        })) {
        const QSignalBlocker keep(expert_);
        expert_->setChecked(!on);
    }
}

void frmQuadlo::applyViewChoices()
{
    lblGameboard_->setOwnerMarks(ownerMarks_->isChecked());
    presenter_.setClock(instantTurns_->isChecked() ? nullptr : pacedClock_);
    steerCoach();
    updateStatusLine();
}

void frmQuadlo::pictureChanged()
{
    if (!review_)
        showScores(presenter_.picture());
    syncOptions();
    // A hint holds until the position it is for changes.
    if (hintFor_ && *hintFor_ != analysis::drawnEdges(game().board()))
        dropHint();
    steerCoach();
    // The expert's search is for the computer's turn under way: once the
    // game no longer awaits it (answered, taken back, a new game), it is
    // dropped. The choice itself changes only between the computer's turns.
    const bool awaiting = game().awaitsComputerEdge();
    if (!awaiting)
        expertSearch_->cancel();
    expert_->setEnabled(!awaiting);
    takeBack_->setEnabled(game().canTakeBack());
    hint_->setEnabled(game().humanToMove());
    updateStatusLine();
    lblGameboard_->refresh();
}

void frmQuadlo::showScores(const BoardPicture& picture)
{
    lblScore1_->setText(QString::number(picture.humanScore));
    lblScore2_->setText(QString::number(picture.computerScore));
    // A screen reader hears whose score a label shows, not only its number.
    const QString human = tr("Human score %1").arg(picture.humanScore);
    const QString computer = tr("Computer score %1").arg(picture.computerScore);
    if (lblScore1_->accessibleName() != human)
        lblScore1_->setAccessibleName(human);
    if (lblScore2_->accessibleName() != computer)
        lblScore2_->setAccessibleName(computer);
}

void frmQuadlo::syncOptions()
{
    const Board& board = game().board();
    // While the expert plays, no level applies: none shows as selected and
    // none can be chosen. The model keeps its level for when it is off, and
    // whether the expert plays, which an opened game may have changed.
    const bool expert = game().computerFromOutside();
    if (expert_->isChecked() != expert) {
        const QSignalBlocker keep(expert_);
        expert_->setChecked(expert);
    }
    syncing_ = true;
    // An exclusive group cannot show "none selected", which the model can hold.
    options_->setExclusive(false);
    lblEasy_->setChecked(board.lblEasy && !expert);
    lblMedium_->setChecked(board.lblMedium && !expert);
    lblHard_->setChecked(board.lblHard && !expert);
    options_->setExclusive(true);
    syncing_ = false;
    for (QRadioButton* option : { lblEasy_, lblMedium_, lblHard_ })
        option->setEnabled(!expert);
}

void frmQuadlo::focusSelectedOption()
{
    const Board& board = game().board();
    if (expert_->isChecked())
        lblGameboard_->setFocus(Qt::OtherFocusReason);
    else if (board.lblEasy)
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
        placement_->fitToScreen();
        // The first focus goes to the option group, which may select Medium.
        if (presenter_.run([](Game& game) { game.optionsFocused(); }))
            focusSelectedOption();
    }
}

void frmQuadlo::reloadForm()
{
    // The model's controls are back as a new form shows them; showing them is
    // the whole reload. The window itself stays where it is.
    presenter_.sync();
}

void frmQuadlo::endProgram() { QCoreApplication::exit(0); }

} // namespace quadlo
