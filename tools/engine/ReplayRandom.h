// SPDX-License-Identifier: GPL-3.0-or-later
// The random source of a replay. Until the script supplies values of its own,
// draws come from the game's generator, reseeded at each game start from the
// script's seed instead of the clock, so a replay never depends on the time of
// day. Once a script has given any values, every draw takes the next of them,
// and a draw past the last one fails the replay.
#pragma once

#include <cstdint>

#include "board/RandomSource.h"
#include "game/Script.h"

namespace quadlo::engine {

class ReplayRandom final : public RandomSource {
public:
    ReplayRandom();

    // Game start: the generator restarts from the current seed.
    void reseed() override;

    // The seed that every later game start uses; the generator also restarts
    // from it at once, so the game in progress plays as if it had begun with it.
    void setSeed(std::uint32_t seed);

    // The seed game starts use now.
    std::uint32_t seed() const { return seed_; }

    // Switches to the scripted values for good.
    void append(float value);

protected:
    float next() override;
    // Both streams' places; the seed and whether values are scripted stay
    // as the script last set them.
    std::any saveState() const override;
    void restoreState(const std::any& state) override;

private:
    std::uint32_t seed_ = kFirstSeed;
    GameRandom generator_;
    ScriptedRandom values_;
    bool scripted_ = false;
};

} // namespace quadlo::engine
