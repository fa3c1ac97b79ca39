// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of play checked from the outside. The geometry here is worked out
// from the dot grid alone, so a fault in the game's own table of sides cannot
// hide itself by being consulted twice.
#include "referee/Referee.h"

#include <algorithm>
#include <cstddef>

namespace quadlo::referee {

namespace {

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

Drawn drawnIn(const View& view)
{
    Drawn drawn {};
    for (int e = 0; e < kEdges; ++e)
        drawn[e] = view.edges[e] != 'a';
    return drawn;
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

std::string edgeName(int e)
{
    if (e < 0 || e >= kEdges)
        return "an edge off the board";
    return e < 30 ? "v" + std::to_string(e + 1) : "h" + std::to_string(e - 29);
}

std::string squareName(int s) { return "square " + std::to_string(s + 1); }

char letter(Mark mark)
{
    return mark == Mark::a ? 'a' : mark == Mark::h ? 'h' : mark == Mark::c ? 'c' : '?';
}

// Whose colour a control shows. The board packs colours as 0x00BBGGRR: the
// human's red, the computer's green, the board's blue behind an open edge or
// an unowned square.
char colourLetter(Colour colour)
{
    return colour == 0x0000FF ? 'h' : colour == 0x00FF00 ? 'c' : colour == 0xFF0000 ? 'a' : '?';
}

char levelLetter(const Board& board)
{
    const int selected = board.lblEasy + board.lblMedium + board.lblHard;
    if (selected > 1)
        return '?';
    return board.lblEasy ? 'e' : board.lblMedium ? 'm' : board.lblHard ? 'h' : '-';
}

std::string resultText(int human, int computer)
{
    return computer < human
        ? "You win with " + std::to_string(human) + " squares completed."
        : "The computer wins with " + std::to_string(computer) + " squares completed.";
}

std::string judgeMarks(const View& before, const View& after)
{
    for (int e = 0; e < kEdges; ++e) {
        if (before.edges[e] != 'a' && after.edges[e] != before.edges[e])
            return "drawn edge " + edgeName(e) + " changed";
    }
    for (int s = 0; s < kSquares; ++s) {
        if (before.squares[s] != 'a' && after.squares[s] != before.squares[s])
            return "owned " + squareName(s) + " changed hands";
    }
    return {};
}

// Replays the record on the board before the click: the click first, then
// only edges of the player to move, each square awarded to the player whose
// edge closed it before the next edge, nothing once the human is to move or
// every square is owned, and in the end the board after the click.
std::string judgeRecord(
    const View& before, int clicked, const View& after, const std::vector<Step>& steps)
{
    Drawn drawn = drawnIn(before);
    View replay = before;
    char mover = 'h';
    char drawer = 0;
    bool turnOver = false;
    std::vector<int> due;
    for (const Step& step : steps) {
        if (step.edge < 0) {
            const auto awarded = std::find(due.begin(), due.end(), step.square);
            if (awarded == due.end() || step.player != drawer)
                return "the record awards " + squareName(step.square) + " out of turn";
            due.erase(awarded);
            replay.squares[step.square] = step.player;
            continue;
        }
        if (!due.empty())
            return "the record goes on before it awards " + squareName(due.front());
        if (step.edge >= kEdges || replay.edges[step.edge] != 'a')
            return "the record draws " + edgeName(step.edge) + ", which is not open";
        if (turnOver || step.player != mover)
            return "the record gives " + edgeName(step.edge) + " to a player not to move";
        if (drawer == 0 && step.edge != clicked)
            return "the record does not begin with the click";
        replay.edges[step.edge] = step.player;
        drawn[step.edge] = true;
        drawer = step.player;
        for (int s = 0; s < kSquares; ++s) {
            if (replay.squares[s] == 'a' && isSide(s, step.edge) && closed(s, drawn))
                due.push_back(s);
        }
        mover = due.empty() ? (drawer == 'h' ? 'c' : 'h') : drawer;
        const auto unowned = std::count(replay.squares.begin(), replay.squares.end(), 'a');
        turnOver = mover == 'h' || unowned == static_cast<std::ptrdiff_t>(due.size());
    }
    if (!due.empty())
        return "the record never awards " + squareName(due.front());
    if (replay.edges != after.edges || replay.squares != after.squares)
        return "the record differs from the board";
    return {};
}

} // namespace

View observe(const Board& board, std::uint64_t draws)
{
    View view;
    for (std::size_t i = 1; i <= 30; ++i) {
        view.edges[i - 1] = letter(board.lblshape1[i].tag);
        view.edgeColours[i - 1] = colourLetter(board.lblshape1[i].backColor);
        view.edges[29 + i] = letter(board.lblshape2[i].tag);
        view.edgeColours[29 + i] = colourLetter(board.lblshape2[i].backColor);
    }
    for (std::size_t s = 1; s <= 25; ++s) {
        view.squares[s - 1] = letter(board.shpMiddle[s].tag);
        view.squareColours[s - 1] = colourLetter(board.shpMiddle[s].backColor);
    }
    view.humanScore = board.humanScore;
    view.computerScore = board.computerScore;
    view.humanCaption = board.lblScore1;
    view.computerCaption = board.lblScore2;
    view.level = levelLetter(board);
    view.turn = board.turnCount;
    view.over = board.gameOver;
    view.settled = board.lblshape1[0].tag == Mark::a && board.lblshape2[0].tag == Mark::a
        && board.lastScorer == 0 && !board.searchMode && !board.sweepMode;
    view.draws = draws;
    return view;
}

int refereeEdge(Edge edge)
{
    if ((edge.family != Vertical && edge.family != Horizontal) || edge.index < 1 || edge.index > 30)
        return kEdges;
    return (edge.family == Vertical ? 0 : 30) + edge.index - 1;
}

namespace {

// The position's marks, colours, scores, captions and level.
std::string judgeOwnership(const View& view)
{
    const Drawn drawn = drawnIn(view);
    for (int e = 0; e < kEdges; ++e) {
        if (view.edges[e] == '?')
            return "edge " + edgeName(e) + " carries a mark no player draws";
        if (view.edgeColours[e] != view.edges[e])
            return "edge " + edgeName(e) + " is shown in another colour than its mark's";
    }
    int red = 0;
    int green = 0;
    for (int s = 0; s < kSquares; ++s) {
        if (view.squares[s] == '?')
            return squareName(s) + " carries a mark no player owns";
        if (view.squareColours[s] != view.squares[s])
            return squareName(s) + " is shown in another colour than its owner's";
        if ((view.squares[s] != 'a') != closed(s, drawn))
            return squareName(s)
                + (view.squares[s] == 'a' ? " is closed but has no owner"
                                          : " is owned with an open side");
        red += view.squares[s] == 'h';
        green += view.squares[s] == 'c';
    }
    if (view.humanScore != red || view.computerScore != green)
        return "a score differs from the number of squares its player owns";
    if (view.humanCaption != std::to_string(view.humanScore)
        || view.computerCaption != std::to_string(view.computerScore))
        return "a score caption differs from its score";
    if (view.level == '?')
        return "more than one level is selected";
    return {};
}

std::string judgeSettled(const View& view)
{
    return view.settled ? std::string() : "the game was left in the middle of a turn";
}

} // namespace

std::string judgePosition(const View& view)
{
    std::string wrong = judgeOwnership(view);
    return wrong.empty() ? judgeSettled(view) : wrong;
}

std::string judgeStart(const View& view)
{
    if (std::string wrong = judgePosition(view); !wrong.empty())
        return wrong;
    if (view.edges != filled<kEdges>('a'))
        return "a new game starts with edges drawn";
    if (!view.humanToMove() || view.over)
        return "a new game does not start with the human to move";
    return {};
}

std::string judgeClick(const View& before, int clicked, const View& after, const Seen& seen)
{
    if (before.over || clicked < 0 || clicked >= kEdges || before.edges[clicked] != 'a') {
        if (!(after == before) || !seen.messages.empty() || !seen.steps.empty())
            return before.over ? "a click after the end changed the game"
                               : "a click on a drawn edge changed the game";
        return {};
    }
    if (!before.humanToMove())
        return "a click was played while the computer was to move";
    if (std::string wrong = judgeMarks(before, after); !wrong.empty())
        return wrong;
    if (std::string wrong = judgeOwnership(after); !wrong.empty())
        return wrong;
    if (after.level != before.level)
        return "the level changed during the click";

    Drawn afterRed = drawnIn(before);
    afterRed[clicked] = true;
    std::vector<int> red;
    std::vector<int> green;
    for (int e = 0; e < kEdges; ++e) {
        if (before.edges[e] == 'a' && after.edges[e] == 'h')
            red.push_back(e);
        if (before.edges[e] == 'a' && after.edges[e] == 'c')
            green.push_back(e);
    }
    if (red != std::vector<int> { clicked })
        return std::to_string(red.size()) + " red edges for one click on " + edgeName(clicked);

    int humanClosed = 0;
    for (int s = 0; s < kSquares; ++s) {
        if (before.squares[s] != 'a' || after.squares[s] == 'a')
            continue;
        // The click's edge comes first, so any green side of the square was
        // drawn after it.
        const bool greenSide
            = std::any_of(green.begin(), green.end(), [s](int e) { return isSide(s, e); });
        if (!greenSide && !isSide(s, clicked))
            return squareName(s) + " was owned without a new side";
        const char closer = greenSide ? 'c' : 'h';
        if (after.squares[s] != closer)
            return squareName(s) + " went to the player who did not close it";
        humanClosed += closer == 'h';
    }

    const bool allOwned
        = std::none_of(after.squares.begin(), after.squares.end(), [](char m) { return m == 'a'; });
    if (humanClosed > 0 && !green.empty())
        return "the computer moved after the human closed a square";
    if (humanClosed == 0 && !allOwned && green.empty())
        return "the computer did not answer the click";
    if (!green.empty() && !playableInTurns(afterRed, green, allOwned))
        return "the computer's " + std::to_string(green.size())
            + " edges cannot have been drawn one a move, again only after a closed square";
    if (!allOwned && !after.humanToMove())
        return "the click ended with the computer to move";

    if (after.over != allOwned)
        return allOwned ? "all squares are owned but the game goes on"
                        : "the game ended with squares unowned";
    const std::vector<Message> expected = allOwned
        ? std::vector<Message> { { resultText(after.humanScore, after.computerScore), 0,
            "Quadlo" } }
        : std::vector<Message> {};
    if (seen.messages != expected)
        return std::to_string(seen.messages.size()) + " messages where the rules give "
            + std::to_string(expected.size())
            + (seen.messages.empty() ? std::string()
                                     : ", the first: " + seen.messages.front().text);
    if (std::string wrong = judgeSettled(after); !wrong.empty())
        return wrong;
    return judgeRecord(before, clicked, after, seen.steps);
}

std::string Referee::judgeStart(const Board& board) const
{
    return referee::judgeStart(observe(board, 0));
}

void Referee::before(const Board& board, std::uint64_t draws)
{
    before_ = observe(board, draws);
    seen_ = {};
}

std::string Referee::judge(Edge clicked, const Board& board, std::uint64_t draws)
{
    std::string wrong = judgeClick(before_, refereeEdge(clicked), observe(board, draws), seen_);
    seen_ = {};
    return wrong;
}

void Referee::showMessage(const std::string& text, MessageStyle style, const std::string& title)
{
    seen_.messages.push_back({ text, static_cast<int>(style), title });
}

void Referee::happened(const TurnEvent& event)
{
    const char player = event.player == Player::Human ? 'h' : 'c';
    seen_.steps.push_back(event.isEdge() ? Step { player, refereeEdge(event.edge), -1 }
                                         : Step { player, -1, event.square - 1 });
}

} // namespace quadlo::referee
