// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-game check shared by the test suite and the long soak run.
#include "GameTestSupport.h"

#include <algorithm>
#include <array>

#include "engine/SelfPlay.h"

namespace quadlo::test {

RandomGameReport playRandomGames(Difficulty level, int games, std::uint32_t seed)
{
    constexpr std::array kHumans { engine::HumanStrategy::Random, engine::HumanStrategy::Greedy,
        engine::HumanStrategy::Careful };
    RandomGameReport report;
    std::mt19937 clumsy(seed);
    auto play = std::make_unique<engine::RefereedGame>();
    for (int g = 0; g < games; ++g) {
        const std::uint32_t gameSeed = seed * 7919u + static_cast<std::uint32_t>(g);
        engine::BaselinePlayer human(
            kHumans[static_cast<std::size_t>(g) % kHumans.size()], gameSeed);
        try {
            play->start(static_cast<std::uint32_t>(g), gameSeed, level);
            const Board& board = play->board();
            while (!board.gameOver) {
                // Now and then a click on a drawn edge, which must change
                // nothing at all.
                if (clumsy() % 8 == 0 && board.turnCount > 1) {
                    std::uniform_int_distribution<int> pick(1, kEdgesPerFamily);
                    const Edge drawn { static_cast<Family>(clumsy() % 2 + 1), pick(clumsy) };
                    if (!board.isOpen(drawn))
                        play->click(drawn);
                }
                play->click(play->choose(human));
            }
        } catch (const engine::SelfPlayFault& fault) {
            if (report.faultyGames++ == 0)
                report.firstFault = fault.what();
            // A fault may leave anything behind: the run goes on with a fresh
            // game, so that each fault is counted in the game that made it.
            report.deepestNesting
                = std::max(report.deepestNesting, GameTestSeam::deepestNesting(play->game()));
            play = std::make_unique<engine::RefereedGame>();
        }
        ++report.games;
    }
    report.deepestNesting
        = std::max(report.deepestNesting, GameTestSeam::deepestNesting(play->game()));
    return report;
}

} // namespace quadlo::test
