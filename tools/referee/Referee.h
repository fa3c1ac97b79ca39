// SPDX-License-Identifier: GPL-3.0-or-later
// A referee for whole games that knows the rules and nothing of how the game
// plays them. It reads the board before and after one click, in its own
// numbering, together with the message boxes the click showed and the game's
// record of what it drew and awarded, and says whether what happened is
// something the rules allow: one red edge for the click, one green edge per
// computer move and a further move only after a completed square, every new
// square to the player who drew its last side, every edge and square in its
// player's colour, the scores and the turn to match, the level kept, and the
// end of the game with its one message exactly when all squares are owned.
// The tests' whole games and the engine's self-play are judged by it.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "game/Platform.h"

namespace quadlo::referee {

inline constexpr int kEdges = 60;
inline constexpr int kSquares = 25;

template <std::size_t N> constexpr std::array<char, N> filled(char mark)
{
    std::array<char, N> marks {};
    marks.fill(mark);
    return marks;
}

// The referee's picture of a board; a default View is a game's start. Edges
// 0..29 are the vertical ones, column by column from the left and top to
// bottom within a column; edges 30..59 are the horizontal ones, row by row
// from the top and left to right within a row. Squares 0..24 go row by row. A
// mark is 'a' (open), 'h', 'c', or '?' for anything else; a colour is the mark
// whose colour is shown (blue 'a', red 'h', green 'c') or '?'. Verdicts name
// edges as the replay scripts do (v1..v30, h1..h30) and squares 1..25.
struct View {
    std::array<char, kEdges> edges = filled<kEdges>('a');
    std::array<char, kEdges> edgeColours = filled<kEdges>('a');
    std::array<char, kSquares> squares = filled<kSquares>('a');
    std::array<char, kSquares> squareColours = filled<kSquares>('a');
    int humanScore = 0;
    int computerScore = 0;
    std::string humanCaption = "0";
    std::string computerCaption = "0";
    // The selected level 'e', 'm' or 'h'; '-' for none, '?' for more than one.
    char level = '-';
    // Odd when the human is to move.
    int turn = 1;
    bool over = false;
    // The off-board template edges open and no working state of a turn (the
    // last scorer, the search and sweep modes) left behind.
    bool settled = true;
    // Random values drawn so far.
    std::uint64_t draws = 0;
    bool humanToMove() const { return turn % 2 != 0; }
    bool operator==(const View&) const = default;
};

View observe(const Board& board, std::uint64_t draws);

// The referee's number of an edge; kEdges for one off the board.
int refereeEdge(Edge edge);

struct Message {
    std::string text;
    int style;
    std::string title;
    bool operator==(const Message&) const = default;
};

// One entry of the game's record: `player` ('h' or 'c') drew `edge`, or, with
// edge -1, was awarded `square`.
struct Step {
    char player;
    int edge;
    int square;
};

// What a click showed and reported.
struct Seen {
    std::vector<Message> messages;
    std::vector<Step> steps;
};

// A board that could stand between two clicks: marks and colours that agree,
// squares owned exactly when closed, scores that count them and captions that
// show the scores. Empty when it could, else what is wrong.
std::string judgePosition(const View& view);

// A game's start: every edge and square open, both scores 0, the human to move.
std::string judgeStart(const View& view);

// Judges one click on `clicked` from the views before and after it and what it
// showed and reported: empty when the rules were kept, else what broke.
std::string judgeClick(const View& before, int clicked, const View& after, const Seen& seen);

// Watches a game as its message presenter and turn observer, and judges what
// happens on its board between before() and judge().
class Referee final : public MessagePresenter, public TurnObserver {
public:
    // Judges a game just started on `board`.
    std::string judgeStart(const Board& board) const;
    // Notes the board as it stands before a click.
    void before(const Board& board, std::uint64_t draws);
    // Judges the click on `clicked` that led to `board`.
    std::string judge(Edge clicked, const Board& board, std::uint64_t draws);

    void showMessage(
        const std::string& text, MessageStyle style, const std::string& title) override;
    void happened(const TurnEvent& event) override;

private:
    View before_;
    Seen seen_;
};

} // namespace quadlo::referee
