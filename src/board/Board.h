// SPDX-License-Identifier: GPL-3.0-or-later
// The state of one game of Quadlo: every control property that the game logic
// reads or writes (edge marks and colours, square markers, score captions, the
// difficulty options) and the form-level variables shared between the game flow
// and the computer's strategies. Only the game's handlers change it, and the
// strategies write their hypothetical marks straight into it and clear them
// again; front ends read it.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quadlo {

// Edge and marker marks. "a" is the only open mark; the three "v" marks are the
// look-ahead's hypothetical sides and count as drawn wherever a side is tested.
enum class Mark : std::uint8_t { a, h, c, vc, vh, vvc };

std::string_view markName(Mark mark);

// Colours as packed 0x00BBGGRR values, the form in which the game compares them.
using Colour = std::uint32_t;
inline constexpr Colour kHumanColour = 255; // red
inline constexpr Colour kComputerColour = 65280; // green
inline constexpr Colour kBoardColour = 16711680; // blue: the board and an undrawn edge
inline constexpr Colour kFormColour = 0x00800000; // navy
inline constexpr Colour kDotColour = 0x00FFFF00; // cyan

inline constexpr int kEdgesPerFamily = 30;
inline constexpr int kSquareCount = 25;

// Family numbers as stored in moveFamily: 1 the vertical edges (lblshape1),
// 2 the horizontal edges (lblshape2), 0 no move.
enum Family : std::int16_t { NoFamily = 0, Vertical = 1, Horizontal = 2 };

constexpr Family otherFamily(Family family) { return family == Vertical ? Horizontal : Vertical; }

// One edge of the board: its family and its index 1..30 (0 is the family's
// off-board template).
struct Edge {
    Family family;
    int index;
    bool operator==(const Edge&) const = default;
};

// Calls f(edge) for i = 1..30, the vertical edge i before the horizontal edge i.
template <typename F> constexpr void forEachEdge(F&& f)
{
    for (int i = 1; i <= kEdgesPerFamily; ++i) {
        f(Edge { Vertical, i });
        f(Edge { Horizontal, i });
    }
}

// The colour that shows a mark: an owner's colour, or the board's blue for an
// open or hypothetical mark.
constexpr Colour markColour(Mark mark)
{
    return mark == Mark::h ? kHumanColour : mark == Mark::c ? kComputerColour : kBoardColour;
}

struct EdgeControl {
    Mark tag = Mark::a;
    Colour backColor = kBoardColour;
};

struct MarkerControl {
    Mark tag = Mark::a;
    Colour backColor = kBoardColour;
};

enum class Difficulty : std::int16_t { Easy = 1, Medium = 2, Hard = 3 };

struct Board {
    // Controls. Element 0 of each edge family is the off-board template: it is
    // never drawn or clicked and its tag stays "a", which is what a border
    // square's missing neighbour reads. Element 0 of shpMiddle does not exist
    // on the form and is never used.
    std::array<EdgeControl, kEdgesPerFamily + 1> lblshape1 {};
    std::array<EdgeControl, kEdgesPerFamily + 1> lblshape2 {};
    std::array<MarkerControl, kSquareCount + 1> shpMiddle {};
    std::string lblScore1 = "0";
    std::string lblScore2 = "0";
    bool lblEasy = false;
    bool lblMedium = false;
    bool lblHard = false;

    // Game flow.
    std::int16_t turnCount = 1;
    std::int16_t lastScorer = 0;
    std::int16_t humanScore = 0;
    std::int16_t computerScore = 0;
    bool gameOver = false;
    std::optional<Difficulty> savedDifficulty;
    bool searchMode = false;
    std::int16_t moveEdge = 0;
    Family moveFamily = NoFamily;
    std::int16_t completedSquares = 0;
    bool nearEndgame = false;
    bool lateEndgame = false;

    // Flags and counters of the Hard set-up, shared between the turn driver
    // and the strategies that produce or consume them.
    bool twoCapturable = false;
    std::int16_t captureCount = 0;
    std::int16_t bestMoveCost = 0;
    std::int16_t closableSquares = 0;
    bool allClosable = false;
    bool bestCostUnder2 = false;
    bool bestCostUnder4 = false;
    bool sweepMode = false;

    // Puts every control back as a new form shows it; the form-level variables
    // are left alone, as a reload of the form leaves them.
    void resetControls();

    // Every look-ahead reads the marks through these, many thousand times a
    // turn, so they are inline.
    EdgeControl& edge(Family family, int index)
    {
        assert(index >= 0 && index <= kEdgesPerFamily);
        assert(family == Vertical || family == Horizontal);
        return family == Vertical ? lblshape1[static_cast<std::size_t>(index)]
                                  : lblshape2[static_cast<std::size_t>(index)];
    }
    const EdgeControl& edge(Family family, int index) const
    {
        return const_cast<Board*>(this)->edge(family, index);
    }
    EdgeControl& edge(Edge e) { return edge(e.family, e.index); }
    const EdgeControl& edge(Edge e) const { return edge(e.family, e.index); }

    bool isOpen(Family family, int index) const { return edge(family, index).tag == Mark::a; }
    bool isOpen(Edge e) const { return isOpen(e.family, e.index); }
    // Whether any playable edge 1..30 of the family is open.
    bool anyOpen(Family family) const;

    // Turns every playable edge marked `first` or `second` back into "a", for
    // i = 1..30, the vertical edge i before the horizontal edge i.
    void reopenMarked(Mark first, Mark second);

    // Selects one difficulty option; the group clears the other two.
    void selectDifficulty(Difficulty difficulty);
    std::optional<Difficulty> selectedDifficulty() const;

    // Draws an edge for its owner (h or c): colour first, then the counter,
    // then the mark, which is the order the game writes them in.
    void drawEdge(Edge e, Mark owner);

    // The playable edges that carry the mark, in the order of forEachEdge;
    // the open ones.
    std::vector<Edge> edgesMarked(Mark tag) const;
    std::vector<Edge> openEdges() const { return edgesMarked(Mark::a); }
};

// The numeric value of a caption: its leading decimal number ("12" is 12,
// "" and "x" are 0), as the end-of-game test reads the score captions.
double captionValue(std::string_view caption);

} // namespace quadlo
