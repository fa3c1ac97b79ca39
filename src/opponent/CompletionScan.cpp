// Scoring and search passes of the completion scan.
#include "opponent/CompletionScan.h"

#include <string>

namespace quadlo {

namespace {

// For each side of a square: where its own edge and the neighbour triple
// (far side, first cross side, second cross side) stand in the row, and the
// families they index. The far side lies in the shared side's family, the
// cross sides in the other.
struct SideLayout {
    int edge;
    Family family;
    int far;
    int cross1;
    int cross2;
};

constexpr SideLayout kSides[4] = {
    { 0, Vertical, 8, 9, 10 }, // left: var1 with var9..var11
    { 1, Horizontal, 11, 12, 13 }, // top: var2 with var12..var14
    { 2, Vertical, 5, 6, 7 }, // right: var3 with Var6..var8
    { 3, Horizontal, 14, 15, 16 }, // bottom: var4 with var15..var17
};

} // namespace

void CompletionScan::CheckBox2()
{
    for (int square = 1; square <= kSquareCount; ++square)
        VerifyBox(boxRow(square));
}

void CompletionScan::VerifyBox(const BoxRow& row)
{
    if (!board_.searchMode)
        score(row);
    else
        search(row);
}

void CompletionScan::score(const BoxRow& row)
{
    MarkerControl& marker = board_.shpMiddle[static_cast<std::size_t>(row.square())];
    const bool closed = !board_.isOpen(Vertical, row.left())
        && !board_.isOpen(Horizontal, row.top()) && !board_.isOpen(Vertical, row.right())
        && !board_.isOpen(Horizontal, row.bottom());
    if (!closed || marker.tag != Mark::a)
        return;
    // An even count means the human's edge is the last one drawn.
    if (board_.turnCount % 2 == 0) {
        marker.backColor = kHumanColour;
        marker.tag = Mark::h;
        board_.lastScorer = 1;
        ++board_.humanScore;
        board_.lblScore1 = std::to_string(board_.humanScore);
    } else {
        marker.backColor = kComputerColour;
        marker.tag = Mark::c;
        board_.lastScorer = 2;
        ++board_.computerScore;
        board_.lblScore2 = std::to_string(board_.computerScore);
    }
}

void CompletionScan::search(const BoxRow& row)
{
    static constexpr Family kFamilies[4] = { Vertical, Horizontal, Vertical, Horizontal };
    for (int side = 0; side < 4; ++side) {
        bool matches = true;
        for (int other = 0; other < 4 && matches; ++other) {
            const bool open
                = board_.isOpen(kFamilies[other], row.var[static_cast<std::size_t>(other)]);
            matches = (other == side) == open;
        }
        if (matches) {
            // Only one side of a square can be its single open side.
            propose(row, side);
            return;
        }
    }
}

void CompletionScan::propose(const BoxRow& row, int side)
{
    const SideLayout& layout = kSides[side];
    auto at = [&row](int column) { return row.var[static_cast<std::size_t>(column)]; };
    const std::int16_t openEdge = at(layout.edge);

    if (board_.lblHard && !board_.allClosable)
        dudereally();

    if (board_.lblHard && !board_.nearEndgame && !board_.bestCostUnder4) {
        chain_.chainEdge = openEdge;
        chain_.chainDepth = 0;
        chain_.chainStop = false;
        chain_.chainDeadEnd = false;
        board_.moveEdge = 0;
        chain_.chainEdgeIsVertical = layout.family == Vertical;
        chain_.Simulation(squareSides(row.square()));
        if (board_.moveEdge > 0)
            return;
    }

    if (board_.lblHard && !board_.allClosable)
        dudereally();

    if (board_.lblHard && board_.twoCapturable && !board_.lateEndgame && !board_.bestCostUnder2) {
        // Decline the square: draw the neighbour's one further open side, so
        // both squares wait on the shared side.
        const Family cross = otherFamily(layout.family);
        const std::int16_t far = at(layout.far);
        const std::int16_t cross1 = at(layout.cross1);
        const std::int16_t cross2 = at(layout.cross2);
        const bool farOpen = board_.isOpen(layout.family, far);
        const bool cross1Open = board_.isOpen(cross, cross1);
        const bool cross2Open = board_.isOpen(cross, cross2);
        if (farOpen && !cross1Open && !cross2Open) {
            board_.moveEdge = far;
            board_.moveFamily = layout.family;
            return;
        }
        if (cross1Open && !farOpen && !cross2Open) {
            board_.moveEdge = cross1;
            board_.moveFamily = cross;
            return;
        }
        if (cross2Open && !farOpen && !cross1Open) {
            board_.moveEdge = cross2;
            board_.moveFamily = cross;
            return;
        }
    }

    board_.moveEdge = openEdge;
    board_.moveFamily = layout.family;
}

void CompletionScan::dudereally()
{
    for (std::size_t i = 1; i <= kEdgesPerFamily; ++i) {
        for (EdgeControl* e : { &board_.lblshape1[i], &board_.lblshape2[i] }) {
            if (e->tag == Mark::c && e->backColor != kComputerColour)
                e->tag = Mark::a;
        }
    }
}

} // namespace quadlo
