// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, frmQuadlo: it builds the controls and menus of the form and
// connects them to the turn presenter, which runs the game and owns the
// picture of the board on screen, and, while the expert plays, to the
// expert's search. It is also the game's form, which New Game reloads and
// Exit ends, and it keeps the record of the games played in it, which Save
// Game writes and Open Game replays.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include <QIcon>
#include <QMainWindow>

#include "analysis/MoveReview.h"
#include "board/RandomSource.h"
#include "form/Coach.h"
#include "form/TurnPresenter.h"
#include "game/GameRecord.h"
#include "game/Platform.h"

class QAction;
class QButtonGroup;
class QLabel;
class QRadioButton;

namespace quadlo {

class BoardView;
class ExpertSearch;
class FormPlacement;
class GameReview;
class MessageBoxPresenter;
class OptionStyle;
class Preferences;

class frmQuadlo final : public QMainWindow, public FormHost {
    Q_OBJECT

public:
    // `messages` receives the game's message boxes, and the window's own about
    // saved games; without one the window shows them itself as modal boxes.
    // `seed` seeds the random generator at each game start; by default it is
    // the time of day.
    explicit frmQuadlo(MessagePresenter* messages = nullptr,
        GameRandom::SeedProvider seed = GameRandom::secondsSinceMidnight,
        QWidget* parent = nullptr);
    ~frmQuadlo() override;

    const Game& game() const { return presenter_.game(); }
    const TurnPresenter& presenter() const { return presenter_; }

    // Paces the computer's moves by `clock` unless Instant Turns is on; null
    // (the default) shows every turn at once. The clock must outlive the window.
    void setStepClock(StepClock* clock);
    // Takes the View choices from `preferences` and keeps every change there;
    // `instantNow` turns Instant Turns on for this run without keeping it.
    // The preferences must outlive the window.
    void usePreferences(Preferences& preferences, bool instantNow = false);

    // Which file Save Game writes or Open Game reads: asked of the player in a
    // file dialog that starts in `folder`, empty when the player cancels.
    enum class GameFileAction { Save, Open };
    using GameFileQuestion = std::function<QString(GameFileAction, const QString& folder)>;
    // Someone else answers in the player's place; by default a dialog asks.
    void setGameFileQuestion(GameFileQuestion question) { askForGameFile_ = std::move(question); }
    // The nodes Review Game gives the solver for each position, from the
    // next review on.
    void setReviewBudget(std::uint64_t nodes) { reviewBudget_ = nodes; }

    // The icon from the resources, listed in the sizes a window needs and
    // drawn in every size a desktop asks for; each size is read when it is
    // first asked for.
    static QIcon applicationIcon();

    void reloadForm() override;
    void endProgram() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls(QWidget* client);
    void createMenus();
    QString askInFileDialog(GameFileAction action, const QString& folder);
    void saveGame();
    void openGame();
    void showWarning(const QString& title, const QString& text);
    // Where the file dialogs start: the folder of the last game saved or
    // opened, kept in the preferences; else the home folder.
    QString gamesFolder() const;
    void applyViewChoices();
    void askForHint();
    // The hint on screen, if any, shows what is proven: none yet, a bound
    // or the exact outcome.
    void showHint(const std::optional<Hint>& hint);
    void dropHint();
    // The status line shows the hint while there is one, and otherwise what
    // the View choices ask for, or nothing.
    void updateStatusLine();
    // Whose move it is, and what the human's last turn took when it was the
    // human's alone: its squares earned another move.
    QString turnText() const;
    // What the coach has to say of the position: the verdict, in fewer
    // words when `brief` (after the turn's), or that it has no memory to
    // work with.
    QString coachText(const std::optional<Hint>& hint, bool brief) const;
    // What is proven of a position, in words: who wins with best play, or
    // that it is still being thought about.
    QString verdictText(const std::optional<Hint>& hint) const;
    // The same in fewer words.
    QString shortVerdictText(const std::optional<Hint>& hint) const;
    // The coach works on the position whenever the human is to move, once
    // Hint has been asked in the game or while Show Values is on.
    void steerCoach();
    // Review Game: the game so far on the board, one edge a step, with each
    // of the human's moves judged; the game waits as it was until the
    // review ends. The menu commands that change the game end it first.
    void startReview();
    void endReview();
    // The player steps to `step`; the step is shown.
    void stepReview(int step);
    void showReviewStep();
    // Input while the review is on: the keys and the board's mouse buttons
    // and wheel step through it, Escape ends it. True when it was taken.
    bool reviewInput(QObject* watched, QEvent* event);
    // What the review says of the step on screen.
    QString reviewText() const;
    void viewChoiceToggled(QAction* choice);
    void expertToggled(bool on);
    void pictureChanged();
    // The scores of the picture on the board: the review's or the game's.
    void showScores(const BoardPicture& picture);
    void syncOptions();
    // The focus goes to the selected option, or to Medium with none selected;
    // to the board while the expert plays, as no option can take it then.
    void focusSelectedOption();

    std::unique_ptr<MessageBoxPresenter> ownMessages_;
    // Made before the generator, which reseeds as it is made.
    GameRecord record_;
    // While a saved game is opened, every game start takes its seed.
    std::optional<std::uint32_t> openingSeed_;
    GameRandom random_;
    // The seed of the game under way, which also seeds the expert's random
    // choices, so that quadlo-engine replays them from the saved game.
    std::uint32_t gameSeed_ = 0;
    TurnPresenter presenter_;
    std::unique_ptr<FormPlacement> placement_;
    OptionStyle* optionStyle_ = nullptr;

    BoardView* lblGameboard_ = nullptr;
    QLabel* lblScore1_ = nullptr;
    QLabel* lblScore2_ = nullptr;
    QRadioButton* lblEasy_ = nullptr;
    QRadioButton* lblMedium_ = nullptr;
    QRadioButton* lblHard_ = nullptr;
    QButtonGroup* options_ = nullptr;
    QAction* takeBack_ = nullptr;
    QAction* reviewGame_ = nullptr;
    GameReview* review_ = nullptr;
    // Whether the player has stepped through the review, so its keys need
    // no more saying.
    bool reviewKeysSaid_ = false;
    QAction* hint_ = nullptr;
    Coach* coach_ = nullptr;
    // Whether Hint has been asked in this game.
    bool coachAsked_ = false;
    // The drawn edges of the position the hint on screen is for.
    std::optional<std::uint64_t> hintFor_;
    // The words of the hint on screen, if any.
    QString hintText_;
    // The last turn shown, and the drawn edges it left.
    std::vector<TurnEvent> lastTurn_;
    std::uint64_t lastTurnLeft_ = 0;
    // Under the form: the hint's words, or those of the View choices.
    QLabel* lblHint_ = nullptr;
    QAction* ownerMarks_ = nullptr;
    QAction* instantTurns_ = nullptr;
    QAction* showTurn_ = nullptr;
    QAction* showValues_ = nullptr;
    QAction* expert_ = nullptr;
    ExpertSearch* expertSearch_ = nullptr;
    StepClock* pacedClock_ = nullptr;
    Preferences* preferences_ = nullptr;
    GameFileQuestion askForGameFile_;
    std::uint64_t reviewBudget_ = analysis::kReviewBudget;
    bool syncing_ = false;
    bool shown_ = false;
};

} // namespace quadlo
