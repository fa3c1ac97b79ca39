// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the human in self-play: three simple players that choose the
// next edge to click from the board as it stands. They are yardsticks for the
// computer's levels, not strategies of the game, so they live outside the core.
//   random   any open edge, uniformly;
//   greedy   an edge that completes a square when there is one, else random;
//   careful  greedy, and otherwise an edge that draws no square's third side
//            when there is one, else random;
//   expert   perfect play once the exact solver can settle the position,
//            safe play before (analysis/ExpertPlayer).
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <random>
#include <string_view>
#include <vector>

#include "analysis/ExpertPlayer.h"
#include "board/Board.h"

namespace quadlo::engine {

enum class HumanStrategy { Random, Greedy, Careful, Expert };

std::optional<HumanStrategy> humanStrategyFromName(std::string_view name);
std::string_view humanStrategyName(HumanStrategy strategy);

class BaselinePlayer {
public:
    BaselinePlayer(HumanStrategy strategy, std::uint32_t seed);

    // The edge to click, or none when no edge is open.
    std::optional<Edge> choose(const Board& board);

private:
    Edge pick(const std::vector<Edge>& edges);

    HumanStrategy strategy_;
    std::mt19937 engine_;
    // Only for the expert: its solver's table is large.
    std::unique_ptr<analysis::ExpertPlayer> expert_;
};

// The open edges of the board, vertical 1..30 then horizontal 1..30.
std::vector<Edge> openEdges(const Board& board);
// Open edges that are the last open side of an unowned square.
std::vector<Edge> completingEdges(const Board& board);
// Open edges that would not draw the third side of any square.
std::vector<Edge> safeEdges(const Board& board);

} // namespace quadlo::engine
