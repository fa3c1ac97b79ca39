// The game's generator and the scripted source.
#include "board/RandomSource.h"

#include <chrono>
#include <cmath>
#include <ctime>

namespace quadlo {

int randomWholeNumber(RandomSource& random, int n)
{
    // Computed in single precision, step by step, as the generator's values
    // are: a scripted 0.7 gives 22 (0.7 * 30 + 1), although the float nearest
    // 0.7 lies just below it. The product never rounds up to n itself, so the
    // result stays in 1..n for n = 30; for n = 2 the largest value below 1
    // gives 3, which matches neither family and is simply drawn again.
    const float product = random.draw() * static_cast<float>(n);
    const float shifted = product + 1.0f;
    return static_cast<int>(std::floor(shifted));
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
