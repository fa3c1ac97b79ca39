// SPDX-License-Identifier: GPL-3.0-or-later
// The board model's few operations: resetting the controls, edge access by family,
// the option group, and the numeric reading of a caption.
#include "board/Board.h"

#include <cctype>

namespace quadlo {

namespace {
constexpr std::array<std::string_view, 6> kMarkNames { "a", "h", "c", "vc", "vh", "vvc" };
}

std::string_view markName(Mark mark) { return kMarkNames[static_cast<std::size_t>(mark)]; }

void Board::resetControls()
{
    lblshape1.fill(EdgeControl {});
    lblshape2.fill(EdgeControl {});
    shpMiddle.fill(MarkerControl {});
    lblScore1 = "0";
    lblScore2 = "0";
    lblEasy = lblMedium = lblHard = false;
}

bool Board::anyOpen(Family family) const
{
    for (int i = 1; i <= kEdgesPerFamily; ++i) {
        if (isOpen(family, i))
            return true;
    }
    return false;
}

void Board::reopenMarked(Mark first, Mark second)
{
    forEachEdge([&](Edge e) {
        EdgeControl& control = edge(e);
        if (control.tag == first || control.tag == second)
            control.tag = Mark::a;
    });
}

void Board::selectDifficulty(Difficulty difficulty)
{
    lblEasy = difficulty == Difficulty::Easy;
    lblMedium = difficulty == Difficulty::Medium;
    lblHard = difficulty == Difficulty::Hard;
}

std::optional<Difficulty> Board::selectedDifficulty() const
{
    if (lblEasy)
        return Difficulty::Easy;
    if (lblMedium)
        return Difficulty::Medium;
    if (lblHard)
        return Difficulty::Hard;
    return std::nullopt;
}

void Board::drawEdge(Edge drawn, Mark owner)
{
    EdgeControl& e = edge(drawn);
    e.backColor = markColour(owner);
    ++turnCount;
    e.tag = owner;
}

std::vector<Edge> Board::edgesMarked(Mark tag) const
{
    std::vector<Edge> marked;
    forEachEdge([&](Edge e) {
        if (edge(e).tag == tag)
            marked.push_back(e);
    });
    return marked;
}

double captionValue(std::string_view caption)
{
    std::size_t i = 0;
    while (i < caption.size() && (caption[i] == ' ' || caption[i] == '\t'))
        ++i;
    double sign = 1;
    if (i < caption.size() && (caption[i] == '-' || caption[i] == '+')) {
        sign = caption[i] == '-' ? -1 : 1;
        ++i;
    }
    double value = 0;
    while (i < caption.size() && std::isdigit(static_cast<unsigned char>(caption[i]))) {
        value = value * 10 + (caption[i] - '0');
        ++i;
    }
    return sign * value;
}

} // namespace quadlo
