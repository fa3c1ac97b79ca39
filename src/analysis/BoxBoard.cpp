// SPDX-License-Identifier: GPL-3.0-or-later
// Building the box and edge tables of a W×H board once.
#include "analysis/BoxBoard.h"

#include <bit>

namespace quadlo::analysis {

std::optional<BoxBoard> BoxBoard::make(int columns, int rows)
{
    if (columns < 1 || rows < 1 || columns > kMaxEdges || rows > kMaxEdges)
        return std::nullopt;
    if (columns * (rows + 1) + (columns + 1) * rows > kMaxEdges)
        return std::nullopt;
    return BoxBoard(columns, rows);
}

BoxBoard::BoxBoard(int columns, int rows)
    : columns_(columns)
    , rows_(rows)
    , edgeCount_(columns * (rows + 1) + (columns + 1) * rows)
    , allEdges_(edgeCount_ == kMaxEdges ? ~EdgeSet { 0 } : edgeBit(edgeCount_) - 1)
{
    for (auto& boxes : boxesOf_)
        boxes = { -1, -1 };
    auto border = [this](int edge, int box) {
        auto& boxes = boxesOf_[static_cast<std::size_t>(edge)];
        boxes[boxes[0] < 0 ? 0 : 1] = static_cast<std::int8_t>(box);
    };
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            const int box = r * columns + c;
            for (int edge :
                { horizontal(r, c), horizontal(r + 1, c), vertical(r, c), vertical(r, c + 1) }) {
                sides_[static_cast<std::size_t>(box)] |= edgeBit(edge);
                border(edge, box);
            }
        }
    }
}

int BoxBoard::completes(EdgeSet drawn, int edge) const
{
    int count = 0;
    for (int box : boxesOf(edge)) {
        if (box >= 0 && (sides(box) & ~(drawn | edgeBit(edge))) == 0)
            ++count;
    }
    return count;
}

int BoxBoard::completedBoxes(EdgeSet drawn) const
{
    int count = 0;
    for (int box = 0; box < boxCount(); ++box)
        count += (drawn & sides(box)) == sides(box);
    return count;
}

bool BoxBoard::givesNoThirdSide(EdgeSet drawn, int edge) const
{
    for (int box : boxesOf(edge)) {
        if (box >= 0 && std::popcount(drawn & sides(box)) >= 2)
            return false;
    }
    return true;
}

} // namespace quadlo::analysis
