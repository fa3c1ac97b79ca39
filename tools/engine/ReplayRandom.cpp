// SPDX-License-Identifier: GPL-3.0-or-later
// Delegation between the seeded generator and the scripted values.
#include "engine/ReplayRandom.h"

namespace quadlo::engine {

ReplayRandom::ReplayRandom()
    : generator_([this] { return seed_; })
{
}

void ReplayRandom::reseed() { generator_.reseed(); }

void ReplayRandom::setSeed(std::uint32_t seed)
{
    seed_ = seed;
    generator_.reseed();
}

void ReplayRandom::append(float value)
{
    values_.append(value);
    scripted_ = true;
}

float ReplayRandom::next() { return scripted_ ? values_.draw() : generator_.draw(); }

} // namespace quadlo::engine
