// SPDX-License-Identifier: GPL-3.0-or-later
// One game of Quadlo as the form runs it: the start of a game, the human's
// clicks, the menu commands and the computer's whole turn. Every handler runs
// to completion, the computer's answer included, before it returns (unless
// the computer's edges come from outside, which the game then waits for); the
// board model is the game's whole state. This is the API every front end
// calls; the computer's strategies stay behind it.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "board/Board.h"
#include "board/RandomSource.h"
#include "game/Platform.h"

namespace quadlo {

// The texts the game shows, in English; the window shows them translated
// (game/Translatable.h). The About text is the title players see, "\r\n" and
// the credits; a result is one of the two result texts with the winner's
// number of squares in place of "%n".
extern const char* const kApplicationTitle;
extern const char* const kRulesTitle;
extern const char* const kRulesText;
extern const char* const kAboutTitle;
extern const char* const kAboutText;
extern const char* const kAboutCredits;
extern const char* const kHumanWinsText;
extern const char* const kComputerWinsText;

// A whole position to play on from: the marks of the 30 vertical and 30
// horizontal edges and of the 25 squares (only "a", "h" and "c"), and the turn
// counter, odd when the human is to move.
struct Position {
    std::array<Mark, kEdgesPerFamily> vertical {};
    std::array<Mark, kEdgesPerFamily> horizontal {};
    std::array<Mark, kSquareCount> squares {};
    std::int16_t turn = 1;
};

// The highest turn counter a position may carry: a whole game from it, 60
// edges and at most 25 extra turns, keeps the 16-bit counter below 32767.
inline constexpr std::int16_t kMaxPositionTurn = 32681;

class GameTestSeam;

// What every front end calls. Front ends read the board through board() and
// change it only through these handlers.
class Game {
public:
    Game(RandomSource& random, MessagePresenter& messages, FormHost& form);
    ~Game();

    const Board& board() const { return board_; }

    // Whether the human is to move in a game not yet over.
    bool humanToMove() const { return board_.turnCount % 2 != 0 && !board_.gameOver; }
    // Whether a click on the edge now draws it for the human: a playable edge
    // (index 1..30), still open, with the human to move.
    bool isPlayable(Edge edge) const;

    // Reports every edge drawn and square awarded from now on; null for none.
    void setTurnObserver(TurnObserver* observer) { observer_ = observer; }
    // Every edge drawn and square awarded in this game, in the order they
    // happened: a review steps through them. A game start and a position set
    // up begin it anew (a position's edges came drawn, in no order), and Take
    // Back cuts it back with the board.
    const std::vector<TurnEvent>& moves() const { return moves_; }

    // Whether the computer's edges come from outside the game (the window's
    // expert) instead of the level's strategies; off at first, and kept by
    // New Game. When on, the computer's turn stops where the level would
    // choose an edge, and the game waits for playComputerEdge; the rules
    // stay the game's: it scores each edge, gives the computer another move
    // after a completed square, and announces the end.
    void setComputerFromOutside(bool outside) { computerFromOutside_ = outside; }
    bool computerFromOutside() const { return computerFromOutside_; }
    // Whether the game waits for the computer's edge from outside.
    bool awaitsComputerEdge() const
    {
        return computerFromOutside_ && board_.turnCount % 2 == 0 && !board_.gameOver;
    }
    // The computer's edge from outside: drawn and scored as the level's would
    // be. Ignored unless the game awaits it and the edge is open.
    void playComputerEdge(Edge edge);

    // Start of a game: runs on the controls as a new form shows them.
    void Form_Load();
    // Puts the game back as the program starts it: a new board, no level
    // selected, the computer's edges its level's, nothing to take back, the
    // strategies as new, and then the form's load event, which reseeds the
    // generator. A saved game replays from here, as quadlo-engine replays it.
    void restart();
    // A click on an edge: anything but an available playable edge is ignored.
    void edgeClicked(Edge edge);
    // The same click, as the vertical (lblshape1) or horizontal (lblshape2)
    // control with that Index receives it.
    void lblshape1_Click(int Index);
    void lblshape2_Click(int Index);
    // The user selects a difficulty option; the computer reads it at its next
    // turn.
    void selectDifficulty(Difficulty difficulty);
    // The keyboard focus enters the option group for the first time: with no
    // option selected, it selects Medium, the first in the tab order.
    void optionsFocused();
    // Replaces the controls with a position: owners' colours and the score
    // captions follow from the marks. The form-level variables stay. A turn
    // outside 0..kMaxPositionTurn throws std::out_of_range rather than let the
    // counter wrap later.
    void setPosition(const Position& position);
    void mnuNew_Click();
    void mnuRules_Click();
    void mnuAbout_Click();
    void mnuExit_Click();

    // Take Back: undoes the human's last edge together with the computer's
    // whole answer to it, as far back as the start of the game. The board,
    // owners, scores, captions, last-edge state and the generator's position
    // come back as they were before the edge, so the same edge then gets the
    // same answer; the level selected stays as it is now. A new game or a
    // position set up clears what there is to take back.
    bool canTakeBack() const { return !history_.empty(); }
    void takeBack();

    // The computer's turn: scores the last edge, announces the end of the game,
    // gives the human an extra turn, or chooses, draws and scores its own edge
    // and moves again after a completed square. With the computer from
    // outside it stops before the choice.
    void ComputerMove1();

private:
    // The tests' one way past this API: a position built field by field, and
    // how deep the computer's turn nested.
    friend class GameTestSeam;
    struct Strategies;

    // A playable edge's family and index 1..30; element 0 is the off-board
    // template, which can be neither clicked nor drawn.
    static bool onBoard(Edge edge);
    void draw(Player player, Edge edge);
    // Draws the edge the strategies chose, if it is still open.
    bool drawChosenEdge();
    // The scoring pass of the completion scan, and its report.
    void scoreSquares();
    // Scores the computer's edge and, after a completed square, goes on with
    // its turn.
    void scoreComputerEdge();
    void hardSetUp();
    void drawRandomEdge();
    void report(const TurnEvent& event);

    Board board_;
    RandomSource& random_;
    MessagePresenter& messages_;
    FormHost& form_;
    TurnObserver* observer_ = nullptr;
    std::unique_ptr<Strategies> strategies_;
    bool computerFromOutside_ = false;
    int nesting_ = 0;
    int deepestNesting_ = 0;
    std::vector<TurnEvent> moves_;
    // Before each human edge of this game: the board, the generator and how
    // many moves had happened.
    struct Before {
        Board board;
        RandomSource::Position random;
        std::size_t moves;
    };
    std::vector<Before> history_;
};

} // namespace quadlo
