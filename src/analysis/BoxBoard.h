// SPDX-License-Identifier: GPL-3.0-or-later
// The solver's own picture of a board: W×H boxes whose edges, at most 64,
// are the bits of one 64-bit word. It knows nothing of the game's numbering;
// BoardAdapter translates between the two.
//
// Edge bits: the horizontal edge in dot row r (0..H) and box column c
// (0..W-1) is bit r*W + c; after all W*(H+1) of them, the vertical edge in
// box row r (0..H-1) and dot column c (0..W) is bit W*(H+1) + r*(W+1) + c.
// Boxes are numbered row by row from 0.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace quadlo::analysis {

using EdgeSet = std::uint64_t;

inline constexpr int kMaxEdges = 64;
// 2WH + W + H edges at most 64 leaves room for 32 boxes at most (4×6 has 24,
// 1×21 has 21).
inline constexpr int kMaxBoxes = 32;

constexpr EdgeSet edgeBit(int edge) { return EdgeSet { 1 } << edge; }

class BoxBoard {
public:
    // None when the board has no box or more than 64 edges.
    static std::optional<BoxBoard> make(int columns, int rows);

    int columns() const { return columns_; }
    int rows() const { return rows_; }
    int edgeCount() const { return edgeCount_; }
    int boxCount() const { return columns_ * rows_; }
    EdgeSet allEdges() const { return allEdges_; }

    int horizontal(int row, int column) const { return row * columns_ + column; }
    int vertical(int row, int column) const
    {
        return columns_ * (rows_ + 1) + row * (columns_ + 1) + column;
    }
    bool isVertical(int edge) const { return edge >= columns_ * (rows_ + 1); }

    EdgeSet sides(int box) const { return sides_[static_cast<std::size_t>(box)]; }
    // The one or two boxes an edge borders; -1 for none beyond the rim.
    const std::array<std::int8_t, 2>& boxesOf(int edge) const
    {
        return boxesOf_[static_cast<std::size_t>(edge)];
    }
    // The box on the other side of `box`'s edge `edge`; -1 beyond the rim.
    int beyond(int edge, int box) const
    {
        const auto& boxes = boxesOf(edge);
        return boxes[0] == box ? boxes[1] : boxes[0];
    }

    // How many boxes drawing the open `edge` completes, given the edges drawn.
    int completes(EdgeSet drawn, int edge) const;
    int completedBoxes(EdgeSet drawn) const;
    // Whether drawing the open `edge` leaves every box beside it with two
    // sides at most, as careful players draw.
    bool givesNoThirdSide(EdgeSet drawn, int edge) const;

private:
    BoxBoard(int columns, int rows);

    int columns_;
    int rows_;
    int edgeCount_;
    EdgeSet allEdges_;
    std::array<EdgeSet, kMaxBoxes> sides_ {};
    std::array<std::array<std::int8_t, 2>, kMaxEdges> boxesOf_ {};
};

} // namespace quadlo::analysis
