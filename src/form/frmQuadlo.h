// SPDX-License-Identifier: GPL-3.0-or-later
// The main window, frmQuadlo: the controls and menus of the layout, the game
// that runs on them, and the platform services the game asks of its form
// (message boxes, reloading the controls, ending the program). It forwards
// clicks and menu commands to the game and, after each one, shows the model,
// or reveals the computer's answer to a click move by move.
#pragma once

#include <memory>
#include <optional>
#include <vector>

#include <QIcon>
#include <QMainWindow>

#include "board/RandomSource.h"
#include "form/FormLayout.h"
#include "form/TurnPlayback.h"
#include "game/Game.h"
#include "game/Platform.h"

class QButtonGroup;
class QLabel;
class QRadioButton;

namespace quadlo {

class BoardView;
class MessageBoxPresenter;
class OptionStyle;

class frmQuadlo final : public QMainWindow, public MessagePresenter, public FormHost {
    Q_OBJECT

public:
    // `messages` receives the game's message boxes; without one the window shows
    // them itself as modal boxes. `seed` seeds the random generator at each game
    // start; by default it is the time of day.
    explicit frmQuadlo(MessagePresenter* messages = nullptr,
        GameRandom::SeedProvider seed = GameRandom::secondsSinceMidnight,
        QWidget* parent = nullptr);
    ~frmQuadlo() override;

    Game& game() { return game_; }
    const TurnPlayback& playback() const { return playback_; }

    // Paces the computer's moves by `clock`; null (the default) shows every
    // turn at once. The clock must outlive the window.
    void setStepClock(StepClock* clock);

    // The icon in every size a desktop asks for, from the resources; each size
    // is read when it is first asked for.
    static QIcon applicationIcon();

    void showMessage(const std::string& text, int style, const std::string& title) override;
    void reloadForm() override;
    void endProgram() override;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Message {
        std::string text;
        int style;
        std::string title;
    };

    // Runs one of the game's handlers; nothing reaches the game again until it
    // has returned, not even from the nested event loop of a modal box.
    template <typename Handler> void runGame(Handler handler);
    void dropShownTurn();
    void turnShown();
    void showPendingMessage();
    void showNow(const Message& message);
    void createControls(QWidget* client);
    void place(QWidget* control, layout::TwipsRect rect);
    void fitToScreen();
    void applyScale(double scale);
    void createMenus();
    void edgeClicked(Edge edge);
    void optionToggled(int id, bool checked);
    void syncFromModel();
    void syncOptions();
    void giveFirstFocus();

    std::unique_ptr<MessageBoxPresenter> ownMessages_;
    MessagePresenter* messages_;
    GameRandom random_;
    Game game_;
    TurnPlayback playback_;
    // The end-of-game box, held back until the final position is on screen.
    std::optional<Message> pendingMessage_;
    int handlersRunning_ = 0;

    // A control, where the layout puts it and its font at the full size.
    struct Placed {
        QWidget* control;
        layout::TwipsRect rect;
        QFont font;
    };
    std::vector<Placed> placed_;
    QWidget* client_ = nullptr;
    OptionStyle* optionStyle_ = nullptr;
    double scale_ = 0.0; // until the form is first laid out

    BoardView* lblGameboard_ = nullptr;
    QLabel* lblScore1_ = nullptr;
    QLabel* lblScore2_ = nullptr;
    QRadioButton* lblEasy_ = nullptr;
    QRadioButton* lblMedium_ = nullptr;
    QRadioButton* lblHard_ = nullptr;
    QButtonGroup* options_ = nullptr;
    bool syncing_ = false;
    bool shown_ = false;
};

} // namespace quadlo
