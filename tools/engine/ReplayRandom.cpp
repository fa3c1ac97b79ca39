// SPDX-License-Identifier: GPL-3.0-or-later
// Delegation between the seeded generator and the scripted values.
#include "engine/ReplayRandom.h"

#include <utility>

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

namespace {
using Places = std::pair<RandomSource::Position, RandomSource::Position>;
}

std::any ReplayRandom::saveState() const
{
    return Places { generator_.position(), values_.position() };
}

void ReplayRandom::restoreState(const std::any& state)
{
    const auto& places = std::any_cast<const Places&>(state);
    generator_.restore(places.first);
    values_.restore(places.second);
}

} // namespace quadlo::engine
