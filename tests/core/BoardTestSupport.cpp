// SPDX-License-Identifier: GPL-3.0-or-later
// Board builders and the invariant check shared by the core tests.
#include "BoardTestSupport.h"

#include <algorithm>

#include "board/BoxGeometry.h"
#include "referee/Referee.h"

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
    const std::string wrong = referee::judgePosition(referee::observe(board, 0));
    if (wrong.empty())
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << wrong;
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
