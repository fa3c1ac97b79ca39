// SPDX-License-Identifier: GPL-3.0-or-later
// The baseline players' choices. Which squares an edge borders is read from
// the box geometry table, never worked out here.
#include "engine/BaselinePlayer.h"

#include <algorithm>
#include <array>

#include "board/BoxGeometry.h"
#include "game/NameTable.h"

namespace quadlo::engine {

namespace {

void addOnce(std::vector<Edge>& edges, Edge edge)
{
    if (std::find(edges.begin(), edges.end(), edge) == edges.end())
        edges.push_back(edge);
}

constexpr NameTable<HumanStrategy, 4> kHumanStrategies { { {
    { HumanStrategy::Random, "random" },
    { HumanStrategy::Greedy, "greedy" },
    { HumanStrategy::Careful, "careful" },
    { HumanStrategy::Expert, "expert" },
} } };

} // namespace

std::optional<HumanStrategy> humanStrategyFromName(std::string_view name)
{
    return kHumanStrategies.find(name);
}

std::string_view humanStrategyName(HumanStrategy strategy)
{
    return kHumanStrategies.name(strategy);
}

std::vector<Edge> openEdges(const Board& board)
{
    // The vertical edges first, as the baseline humans have always drawn from.
    std::vector<Edge> edges = board.openEdges();
    std::stable_partition(
        edges.begin(), edges.end(), [](Edge edge) { return edge.family == Vertical; });
    return edges;
}

std::vector<Edge> completingEdges(const Board& board)
{
    std::vector<Edge> edges;
    for (int square = 1; square <= kSquareCount; ++square) {
        if (board.shpMiddle[static_cast<std::size_t>(square)].tag != Mark::a
            || drawnSides(board, square) != 3)
            continue;
        for (const Edge& side : sideEdges(square)) {
            if (board.isOpen(side.family, side.index))
                addOnce(edges, side);
        }
    }
    // In board order, so that the choice does not depend on square order.
    std::sort(edges.begin(), edges.end(), [](const Edge& x, const Edge& y) {
        return x.family != y.family ? x.family < y.family : x.index < y.index;
    });
    return edges;
}

std::vector<Edge> safeEdges(const Board& board)
{
    // An edge is unsafe when a square it borders has two sides drawn already.
    std::vector<Edge> unsafe;
    for (int square = 1; square <= kSquareCount; ++square) {
        if (drawnSides(board, square) != 2)
            continue;
        for (const Edge& side : sideEdges(square))
            addOnce(unsafe, side);
    }
    std::vector<Edge> edges;
    for (const Edge& edge : openEdges(board)) {
        if (std::find(unsafe.begin(), unsafe.end(), edge) == unsafe.end())
            edges.push_back(edge);
    }
    return edges;
}

BaselinePlayer::BaselinePlayer(HumanStrategy strategy, std::uint32_t seed)
    : strategy_(strategy)
    , engine_(seed)
    , expert_(
          strategy == HumanStrategy::Expert ? std::make_unique<analysis::ExpertPlayer>() : nullptr)
{
}

Edge BaselinePlayer::pick(const std::vector<Edge>& edges)
{
    std::uniform_int_distribution<std::size_t> slot(0, edges.size() - 1);
    return edges[slot(engine_)];
}

std::optional<Edge> BaselinePlayer::choose(const Board& board)
{
    if (expert_)
        return expert_->choose(board, engine_);
    if (strategy_ != HumanStrategy::Random) {
        const std::vector<Edge> completing = completingEdges(board);
        if (!completing.empty())
            return pick(completing);
    }
    if (strategy_ == HumanStrategy::Careful) {
        const std::vector<Edge> safe = safeEdges(board);
        if (!safe.empty())
            return pick(safe);
    }
    const std::vector<Edge> open = openEdges(board);
    if (open.empty())
        return std::nullopt;
    return pick(open);
}

} // namespace quadlo::engine
