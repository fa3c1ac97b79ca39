// One game of Quadlo as the form runs it: the start of a game, the human's
// clicks, the menu commands and the computer's whole turn. Every handler runs
// to completion, the computer's answer included, before it returns; the board
// model is the only state, and the window only mirrors it.
#pragma once

#include <cstdint>
#include <string>

#include "board/Board.h"
#include "board/RandomSource.h"
#include "game/Platform.h"
#include "opponent/ChainSimulation.h"
#include "opponent/CompletionScan.h"
#include "opponent/SafeMoveSearch.h"

namespace quadlo {

// The texts the game shows.
extern const char* const kApplicationTitle;
extern const char* const kRulesTitle;
extern const char* const kRulesText;
extern const char* const kAboutTitle;
extern const char* const kAboutText;

class Game {
public:
    Game(RandomSource& random, MessagePresenter& messages, FormHost& form);

    Board& board() { return board_; }
    const Board& board() const { return board_; }

    // Start of a game: runs with the controls already in their design state.
    void Form_Load();
    // A click on vertical (lblshape1) or horizontal (lblshape2) edge Index;
    // anything but an available playable edge is ignored.
    void lblshape1_Click(int Index);
    void lblshape2_Click(int Index);
    void mnuNew_Click();
    void mnuRules_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // The computer's turn: scores the last edge, announces the end of the game,
    // gives the human an extra turn, or chooses, draws and scores its own edge
    // and moves again after a completed square.
    void ComputerMove1();

    // Deepest nesting of ComputerMove1 reached so far, for the headless checks.
    int deepestNesting() const { return deepestNesting_; }

private:
    void edgeClicked(int family, int Index);
    void hardSetUp();
    void drawRandomEdge();

    Board board_;
    RandomSource& random_;
    MessagePresenter& messages_;
    FormHost& form_;
    ChainSimulation chain_;
    CompletionScan scan_;
    SafeMoveSearch safeMove_;
    int nesting_ = 0;
    int deepestNesting_ = 0;
};

} // namespace quadlo
