// The baseline players' choices. Which squares an edge borders is read from
// the box geometry table, never worked out here.
#include "engine/BaselinePlayer.h"

#include <algorithm>
#include <array>

#include "board/BoxGeometry.h"

namespace quadlo::engine {

namespace {

std::array<EdgeChoice, 4> sidesOf(int square)
{
    const SquareSides s = squareSides(square);
    return { EdgeChoice { Vertical, s.var1 }, EdgeChoice { Horizontal, s.var2 },
        EdgeChoice { Vertical, s.var3 }, EdgeChoice { Horizontal, s.var4 } };
}

void addOnce(std::vector<EdgeChoice>& edges, EdgeChoice edge)
{
    if (std::find(edges.begin(), edges.end(), edge) == edges.end())
        edges.push_back(edge);
}

} // namespace

std::optional<HumanStrategy> humanStrategyFromName(std::string_view name)
{
    if (name == "random")
        return HumanStrategy::Random;
    if (name == "greedy")
        return HumanStrategy::Greedy;
    if (name == "careful")
        return HumanStrategy::Careful;
    return std::nullopt;
}

std::string_view humanStrategyName(HumanStrategy strategy)
{
    switch (strategy) {
    case HumanStrategy::Random:
        return "random";
    case HumanStrategy::Greedy:
        return "greedy";
    case HumanStrategy::Careful:
        return "careful";
    }
    return "random";
}

std::vector<EdgeChoice> openEdges(const Board& board)
{
    std::vector<EdgeChoice> edges;
    for (int family : { Vertical, Horizontal }) {
        for (int i = 1; i <= kEdgesPerFamily; ++i) {
            if (board.isOpen(family, i))
                edges.push_back({ family, i });
        }
    }
    return edges;
}

std::vector<EdgeChoice> completingEdges(const Board& board)
{
    std::vector<EdgeChoice> edges;
    for (int square = 1; square <= kSquareCount; ++square) {
        if (board.shpMiddle[static_cast<std::size_t>(square)].tag != Mark::a
            || drawnSides(board, square) != 3)
            continue;
        for (const EdgeChoice& side : sidesOf(square)) {
            if (board.isOpen(side.family, side.index))
                addOnce(edges, side);
        }
    }
    // In board order, so that the choice does not depend on square order.
    std::sort(edges.begin(), edges.end(), [](const EdgeChoice& x, const EdgeChoice& y) {
        return x.family != y.family ? x.family < y.family : x.index < y.index;
    });
    return edges;
}

std::vector<EdgeChoice> safeEdges(const Board& board)
{
    // An edge is unsafe when a square it borders has two sides drawn already.
    std::vector<EdgeChoice> unsafe;
    for (int square = 1; square <= kSquareCount; ++square) {
        if (drawnSides(board, square) != 2)
            continue;
        for (const EdgeChoice& side : sidesOf(square))
            addOnce(unsafe, side);
    }
    std::vector<EdgeChoice> edges;
    for (const EdgeChoice& edge : openEdges(board)) {
        if (std::find(unsafe.begin(), unsafe.end(), edge) == unsafe.end())
            edges.push_back(edge);
    }
    return edges;
}

BaselinePlayer::BaselinePlayer(HumanStrategy strategy, std::uint32_t seed)
    : strategy_(strategy)
    , engine_(seed)
{
}

EdgeChoice BaselinePlayer::pick(const std::vector<EdgeChoice>& edges)
{
    std::uniform_int_distribution<std::size_t> slot(0, edges.size() - 1);
    return edges[slot(engine_)];
}

std::optional<EdgeChoice> BaselinePlayer::choose(const Board& board)
{
    if (strategy_ != HumanStrategy::Random) {
        const std::vector<EdgeChoice> completing = completingEdges(board);
        if (!completing.empty())
            return pick(completing);
    }
    if (strategy_ == HumanStrategy::Careful) {
        const std::vector<EdgeChoice> safe = safeEdges(board);
        if (!safe.empty())
            return pick(safe);
    }
    const std::vector<EdgeChoice> open = openEdges(board);
    if (open.empty())
        return std::nullopt;
    return pick(open);
}

} // namespace quadlo::engine
