// SPDX-License-Identifier: GPL-3.0-or-later
// The game's generator and the scripted source.
#include "board/RandomSource.h"

#include <algorithm>
#include <cmath>
#include <ctime>

namespace quadlo {

int randomWholeNumber(RandomSource& random, int n)
{
    // Computed in single precision, step by step, as the generator's values
    // are: a scripted 0.7 gives 22 (0.7 * 30 + 1), although the float nearest
    // 0.7 lies just below it. For the largest value below 1, 2r + 1 rounds up
    // to 3; the range stays 1..n, as the exact integer part would.
    const float product = random.draw() * static_cast<float>(n);
    const float shifted = product + 1.0f;
    return std::min(static_cast<int>(std::floor(shifted)), n);
}

GameRandom::GameRandom(SeedProvider seedProvider)
    : seedProvider_(std::move(seedProvider))
{
    reseed();
}

void GameRandom::reseed() { engine_.seed(seedProvider_()); }

std::uint32_t GameRandom::secondsSinceMidnight()
{
    const std::time_t now = std::time(nullptr);
    std::tm local {};
    localtime_r(&now, &local);
    return static_cast<std::uint32_t>(local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec);
}

float GameRandom::next()
{
    // 24 random bits scaled by 2^-24: every float in [0, 1) with that spacing,
    // and never 1.0.
    return static_cast<float>(engine_() >> 8) * (1.0f / 16777216.0f);
}

float ScriptedRandom::next()
{
    if (position_ >= values_.size())
        throw RandomStreamExhausted();
    return values_[position_++];
}

} // namespace quadlo
