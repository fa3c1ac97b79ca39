// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of play checked from the outside. The geometry here is worked out
// from the dot grid alone, so a fault in the game's own table of sides cannot
// hide itself by being consulted twice.
#include "Referee.h"

#include <algorithm>

namespace quadlo::test {

namespace {

constexpr int kEdges = 60;
constexpr int kSquares = 25;
using Drawn = std::array<bool, kEdges>;

// Left, top, right and bottom side of square s (row r, column c): the left side
// is the vertical edge in dot column c and row r, the top the horizontal edge
// in dot row r and column c.
std::array<int, 4> sides(int s)
{
    const int r = s / 5;
    const int c = s % 5;
    return { 5 * c + r, 30 + 5 * r + c, 5 * (c + 1) + r, 30 + 5 * (r + 1) + c };
}

bool isSide(int s, int edge)
{
    const auto all = sides(s);
    return std::find(all.begin(), all.end(), edge) != all.end();
}

bool closed(int s, const Drawn& drawn)
{
    const auto all = sides(s);
    return std::all_of(all.begin(), all.end(), [&drawn](int e) { return drawn[e]; });
}

// Whether drawing `edge` on `drawn` closes a square.
bool closes(int edge, const Drawn& drawn)
{
    for (int s = 0; s < kSquares; ++s) {
        if (!isSide(s, edge))
            continue;
        const auto all = sides(s);
        if (std::all_of(all.begin(), all.end(), [&](int e) { return e == edge || drawn[e]; }))
            return true;
    }
    return false;
}

// Whether the computer's new edges can have been drawn one per move, each
// followed by another move only because it closed a square: some order in
// which every edge but the last closes a square, and the last closes one
// exactly when it ended the game. Closing is monotone in what is drawn, so
// the edges before the last can be taken greedily.
bool playableInTurns(const Drawn& start, const std::vector<int>& green, bool endsGame)
{
    for (int last : green) {
        Drawn before = start;
        for (int e : green)
            before[e] = e != last;
        if (closes(last, before) != endsGame)
            continue;
        Drawn drawn = start;
        std::vector<int> rest;
        std::copy_if(green.begin(), green.end(), std::back_inserter(rest),
            [last](int e) { return e != last; });
        bool stuck = false;
        while (!rest.empty() && !stuck) {
            const auto next = std::find_if(
                rest.begin(), rest.end(), [&drawn](int e) { return closes(e, drawn); });
            stuck = next == rest.end();
            if (!stuck) {
                drawn[*next] = true;
                rest.erase(next);
            }
        }
        if (!stuck)
            return true;
    }
    return false;
}

char letter(Mark mark)
{
    return mark == Mark::a ? 'a' : mark == Mark::h ? 'h' : mark == Mark::c ? 'c' : '?';
}

std::string resultText(int human, int computer)
{
    return computer < human
        ? "You win with " + std::to_string(human) + " squares completed."
        : "The computer wins with " + std::to_string(computer) + " squares completed.";
}

std::string judgeMarks(const RefereeView& before, const RefereeView& after)
{
    for (int e = 0; e < kEdges; ++e) {
        if (after.edges[e] == '?')
            return "edge " + std::to_string(e) + " carries a mark no player draws";
        if (before.edges[e] != 'a' && after.edges[e] != before.edges[e])
            return "drawn edge " + std::to_string(e) + " changed";
    }
    for (int s = 0; s < kSquares; ++s) {
        if (after.squares[s] == '?')
            return "square " + std::to_string(s) + " carries a mark no player owns";
        if (before.squares[s] != 'a' && after.squares[s] != before.squares[s])
            return "owned square " + std::to_string(s) + " changed hands";
    }
    return {};
}

} // namespace

RefereeView observe(const Board& board)
{
    RefereeView view;
    for (std::size_t i = 1; i <= 30; ++i) {
        view.edges[i - 1] = letter(board.lblshape1[i].tag);
        view.edges[29 + i] = letter(board.lblshape2[i].tag);
    }
    for (std::size_t s = 1; s <= 25; ++s)
        view.squares[s - 1] = letter(board.shpMiddle[s].tag);
    view.humanScore = board.humanScore;
    view.computerScore = board.computerScore;
    view.humanCaption = board.lblScore1;
    view.computerCaption = board.lblScore2;
    view.humanToMove = board.turnCount % 2 != 0;
    view.over = board.gameOver;
    return view;
}

int refereeEdge(Edge edge) { return (edge.family == Vertical ? 0 : 30) + edge.index - 1; }

std::string judgeClick(const RefereeView& before, int clicked, const RefereeView& after,
    const std::vector<ShownMessage>& shown)
{
    if (before.over || before.edges[clicked] != 'a') {
        if (!(after == before) || !shown.empty())
            return "a click on a drawn edge changed the game";
        return {};
    }
    if (!before.humanToMove)
        return "a click was played while the computer was to move";
    if (std::string wrong = judgeMarks(before, after); !wrong.empty())
        return wrong;

    Drawn drawn {};
    Drawn afterRed {};
    std::vector<int> red;
    std::vector<int> green;
    for (int e = 0; e < kEdges; ++e) {
        drawn[e] = after.edges[e] != 'a';
        afterRed[e] = before.edges[e] != 'a' || e == clicked;
        if (before.edges[e] == 'a' && after.edges[e] == 'h')
            red.push_back(e);
        if (before.edges[e] == 'a' && after.edges[e] == 'c')
            green.push_back(e);
    }
    if (red != std::vector<int> { clicked })
        return std::to_string(red.size()) + " red edges for one click on edge "
            + std::to_string(clicked);

    int humanClosed = 0;
    int computerClosed = 0;
    for (int s = 0; s < kSquares; ++s) {
        if (after.squares[s] == 'a') {
            if (closed(s, drawn))
                return "closed square " + std::to_string(s) + " has no owner";
            continue;
        }
        if (before.squares[s] != 'a')
            continue;
        if (!closed(s, drawn))
            return "square " + std::to_string(s) + " is owned with an open side";
        // The click's edge comes first, so any green side of the square was
        // drawn after it.
        const bool greenSide
            = std::any_of(green.begin(), green.end(), [s](int e) { return isSide(s, e); });
        if (!greenSide && !isSide(s, clicked))
            return "square " + std::to_string(s) + " was owned without a new side";
        const char closer = greenSide ? 'c' : 'h';
        if (after.squares[s] != closer)
            return "square " + std::to_string(s) + " went to the player who did not close it";
        ++(closer == 'h' ? humanClosed : computerClosed);
    }
    if (after.humanScore != before.humanScore + humanClosed
        || after.computerScore != before.computerScore + computerClosed)
        return "a score did not rise by the squares its player closed";
    if (after.humanCaption != std::to_string(after.humanScore)
        || after.computerCaption != std::to_string(after.computerScore))
        return "a score caption differs from its score";

    const bool allOwned
        = std::none_of(after.squares.begin(), after.squares.end(), [](char m) { return m == 'a'; });
    if (humanClosed > 0 && !green.empty())
        return "the computer moved after the human closed a square";
    if (humanClosed == 0 && !allOwned && green.empty())
        return "the computer did not answer the click";
    if (!green.empty() && !playableInTurns(afterRed, green, allOwned))
        return "the computer's " + std::to_string(green.size())
            + " edges cannot have been drawn one a move, again only after a closed square";
    if (!allOwned && !after.humanToMove)
        return "the click ended with the computer to move";

    if (after.over != allOwned)
        return allOwned ? "all squares are owned but the game goes on"
                        : "the game ended with squares unowned";
    const std::vector<ShownMessage> expected = allOwned
        ? std::vector<ShownMessage> { { resultText(after.humanScore, after.computerScore),
            MessageStyle::OkOnly, "Quadlo" } }
        : std::vector<ShownMessage> {};
    if (shown != expected)
        return std::to_string(shown.size()) + " messages where the rules give "
            + std::to_string(expected.size())
            + (shown.empty() ? std::string() : ", the first: " + shown.front().text);
    return {};
}

} // namespace quadlo::test
