// SPDX-License-Identifier: GPL-3.0-or-later
// Board builders and invariant checks shared by the core tests.
#include "BoardTestSupport.h"

#include <algorithm>
#include <sstream>

#include "board/BoxGeometry.h"

namespace quadlo {

std::ostream& operator<<(std::ostream& out, const Edge& edge)
{
    return out << (edge.family == Vertical ? "V" : "H") << edge.index;
}

} // namespace quadlo

namespace quadlo::test {

void mark(Board& board, const std::vector<Edge>& edges, Mark tag)
{
    for (const Edge& e : edges) {
        EdgeControl& control = board.edge(e.family, e.index);
        control.tag = tag;
        if (tag == Mark::h)
            control.backColor = kHumanColour;
        else if (tag == Mark::c)
            control.backColor = kComputerColour;
    }
}

void mark(Board& board, std::initializer_list<Edge> edges, Mark tag)
{
    mark(board, std::vector<Edge>(edges), tag);
}

std::vector<Edge> allHorizontal()
{
    std::vector<Edge> edges;
    for (int i = 1; i <= kEdgesPerFamily; ++i)
        edges.push_back(H(i));
    return edges;
}

std::vector<Edge> allEdgesExcept(std::initializer_list<Edge> open)
{
    std::vector<Edge> edges;
    for (int i = 1; i <= kEdgesPerFamily; ++i) {
        for (Edge e : { V(i), H(i) }) {
            if (std::find(open.begin(), open.end(), e) == open.end())
                edges.push_back(e);
        }
    }
    return edges;
}

std::vector<Edge> sidesOf(int square)
{
    const SquareSides s = squareSides(square);
    return { V(s.var1), H(s.var2), V(s.var3), H(s.var4) };
}

void own(Board& board, int square, Mark owner)
{
    MarkerControl& marker = board.shpMiddle[static_cast<std::size_t>(square)];
    marker.tag = owner;
    if (owner == Mark::h) {
        marker.backColor = kHumanColour;
        board.lblScore1 = std::to_string(++board.humanScore);
    } else {
        marker.backColor = kComputerColour;
        board.lblScore2 = std::to_string(++board.computerScore);
    }
}

::testing::AssertionResult invariantsHold(const Board& board)
{
    std::ostringstream faults;
    if (board.lblshape1[0].tag != Mark::a || board.lblshape2[0].tag != Mark::a)
        faults << "template edge marked; ";
    for (Family family : { Vertical, Horizontal }) {
        for (int i = 1; i <= kEdgesPerFamily; ++i) {
            const EdgeControl& e = board.edge(family, i);
            const Edge ref { family, i };
            if (e.tag == Mark::a && e.backColor != kBoardColour)
                faults << ref << " open but coloured; ";
            else if (e.tag == Mark::h && e.backColor != kHumanColour)
                faults << ref << " human but not red; ";
            else if (e.tag == Mark::c && e.backColor != kComputerColour)
                faults << ref << " computer but not green; ";
            else if (e.tag != Mark::a && e.tag != Mark::h && e.tag != Mark::c)
                faults << ref << " left marked " << markName(e.tag) << "; ";
        }
    }
    int humans = 0;
    int computers = 0;
    for (int square = 1; square <= kSquareCount; ++square) {
        const bool closed = drawnSides(board, square) == 4;
        const MarkerControl& m = board.shpMiddle[static_cast<std::size_t>(square)];
        if (closed != (m.tag != Mark::a))
            faults << "square " << square
                   << (closed ? " closed but unowned; " : " owned but open; ");
        if (m.tag == Mark::h) {
            ++humans;
            if (m.backColor != kHumanColour)
                faults << "square " << square << " human but not red; ";
        } else if (m.tag == Mark::c) {
            ++computers;
            if (m.backColor != kComputerColour)
                faults << "square " << square << " computer but not green; ";
        } else if (m.tag != Mark::a || m.backColor != kBoardColour) {
            faults << "square " << square << " marker not as a new form shows it; ";
        }
    }
    if (board.humanScore != humans || board.lblScore1 != std::to_string(humans))
        faults << "human score " << board.humanScore << "/\"" << board.lblScore1 << "\" but "
               << humans << " red squares; ";
    if (board.computerScore != computers || board.lblScore2 != std::to_string(computers))
        faults << "computer score " << board.computerScore << "/\"" << board.lblScore2 << "\" but "
               << computers << " green squares; ";
    if (board.lastScorer != 0 || board.searchMode || board.sweepMode)
        faults << "driver state left behind; ";
    const std::string text = faults.str();
    if (text.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << text;
}

EdgeSnapshot snapshot(const Board& board)
{
    EdgeSnapshot s;
    for (Family family : { Vertical, Horizontal }) {
        for (int i = 0; i <= kEdgesPerFamily; ++i) {
            s.tags.push_back(board.edge(family, i).tag);
            s.colours.push_back(board.edge(family, i).backColor);
        }
    }
    return s;
}

ScoreSnapshot scores(const Board& board)
{
    ScoreSnapshot s { {}, {}, board.humanScore, board.computerScore, board.lblScore1,
        board.lblScore2 };
    for (int square = 1; square <= kSquareCount; ++square) {
        s.owners.push_back(board.shpMiddle[static_cast<std::size_t>(square)].tag);
        s.colours.push_back(board.shpMiddle[static_cast<std::size_t>(square)].backColor);
    }
    return s;
}

} // namespace quadlo::test
