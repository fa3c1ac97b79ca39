// SPDX-License-Identifier: GPL-3.0-or-later
// Helpers for building boards in tests and checking what a strategy left on
// them: edges named V(i) / H(i), drawing a list of them, listing the edges that
// carry a mark, and the invariants every board must satisfy between events.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <ostream>
#include <string>
#include <vector>

#include "board/Board.h"

namespace quadlo {
// Edges print as V7 or H12 in test messages.
std::ostream& operator<<(std::ostream& out, const Edge& edge);
} // namespace quadlo

namespace quadlo::test {

inline Edge V(int index) { return { Vertical, index }; }
inline Edge H(int index) { return { Horizontal, index }; }

// Marks the edges; "h" and "c" also get the player's colour.
void mark(Board& board, std::initializer_list<Edge> edges, Mark tag = Mark::h);
void mark(Board& board, const std::vector<Edge>& edges, Mark tag = Mark::h);

// Every horizontal edge 1..30.
std::vector<Edge> allHorizontal();

// Every edge 1..30 of both families except `open`, vertical i before horizontal i.
std::vector<Edge> allEdgesExcept(std::initializer_list<Edge> open);

// A square's four sides: left, top, right, bottom.
std::vector<Edge> sidesOf(int square);

// Awards a square to a player as the scoring pass would (marker, score, caption).
void own(Board& board, int square, Mark owner);

// The invariants between events, as the rules referee judges a position: no
// hypothetical mark, colours matching marks, markers owned exactly when their
// four sides are drawn, scores equal to the marker counts and shown in the
// captions, the template edges open and no turn's working state left behind.
::testing::AssertionResult invariantsHold(const Board& board);

// Only the edge marks and colours, for "the board is unchanged" checks.
struct EdgeSnapshot {
    std::vector<Mark> tags;
    std::vector<Colour> colours;
    bool operator==(const EdgeSnapshot&) const = default;
};
EdgeSnapshot snapshot(const Board& board);

// The square markers and both scores, for "nothing was awarded" checks.
struct ScoreSnapshot {
    std::vector<Mark> owners;
    std::vector<Colour> colours;
    std::int16_t humanScore;
    std::int16_t computerScore;
    std::string lblScore1;
    std::string lblScore2;
    bool operator==(const ScoreSnapshot&) const = default;
};
ScoreSnapshot scores(const Board& board);

} // namespace quadlo::test
