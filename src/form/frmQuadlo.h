// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, frmQuadlo: it builds the controls and menus of the form and
// connects them to the turn presenter, which runs the game and owns the
// picture of the board on screen, and, while the expert plays, to the
// expert's search. It is also the game's form, which New Game reloads and
// Exit ends.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>

#include <QIcon>
#include <QMainWindow>

#include "board/RandomSource.h"
#include "form/HintSearch.h"
#include "form/TurnPresenter.h"
#include "game/Platform.h"

class QAction;
class QButtonGroup;
class QLabel;
class QRadioButton;

namespace quadlo {

class BoardView;
class ExpertSearch;
class FormPlacement;
class MessageBoxPresenter;
class OptionStyle;
class Preferences;

class frmQuadlo final : public QMainWindow, public FormHost {
    Q_OBJECT

public:
    // `messages` receives the game's message boxes; without one the window shows
    // them itself as modal boxes. `seed` seeds the random generator at each game
    // start; by default it is the time of day.
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
    void applyViewChoices();
    void askForHint();
    void showHint(const Hint& hint);
    void dropHint();
    void viewChoiceToggled();
    void expertToggled(bool on);
    void pictureChanged();
    void syncOptions();
    // The focus goes to the selected option, or to Medium with none selected;
    // to the board while the expert plays, as no option can take it then.
    void focusSelectedOption();

    std::unique_ptr<MessageBoxPresenter> ownMessages_;
    GameRandom random_;
    // Seeds the expert's random choices, as it seeds the game's generator.
    GameRandom::SeedProvider seed_;
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
    QAction* hint_ = nullptr;
    HintSearch* hintSearch_ = nullptr;
    // The drawn edges of the position the hint on screen is for.
    std::optional<std::uint64_t> hintFor_;
    QAction* ownerMarks_ = nullptr;
    QAction* instantTurns_ = nullptr;
    QAction* expert_ = nullptr;
    ExpertSearch* expertSearch_ = nullptr;
    StepClock* pacedClock_ = nullptr;
    Preferences* preferences_ = nullptr;
    bool syncing_ = false;
    bool shown_ = false;
};

} // namespace quadlo
