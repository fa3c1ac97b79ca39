// SPDX-License-Identifier: GPL-3.0-or-later
// The random source the computer draws from: single-precision values uniform
// in [0, 1). The game uses a seeded standard engine, reseeded at each game
// start; tests and the headless tool script the values one by one. Every draw
// is counted, because how many values a turn takes is part of its behaviour.
#pragma once

#include <any>
#include <cstdint>
#include <functional>
#include <random>
#include <stdexcept>
#include <vector>

namespace quadlo {

class RandomSource {
public:
    virtual ~RandomSource() = default;

    float draw()
    {
        ++draws_;
        return next();
    }

    // Called at each game start.
    virtual void reseed() = 0;

    std::uint64_t drawCount() const { return draws_; }

    // Where the source stands; restoring it makes the draws that followed
    // come again, and the count go back with them (Take Back).
    struct Position {
        std::uint64_t draws = 0;
        std::any state;
    };
    Position position() const { return { draws_, saveState() }; }
    void restore(const Position& position)
    {
        restoreState(position.state);
        draws_ = position.draws;
    }

protected:
    virtual float next() = 0;
    virtual std::any saveState() const = 0;
    virtual void restoreState(const std::any& state) = 0;

private:
    std::uint64_t draws_ = 0;
};

// A whole number 1..30 or 1..2 from one draw: the integer part of n * r + 1.
int randomWholeNumber(RandomSource& random, int n);

// The game's generator. The seed comes from a provider called at each reseed;
// by default the number of seconds since local midnight.
class GameRandom final : public RandomSource {
public:
    using SeedProvider = std::function<std::uint32_t()>;

    explicit GameRandom(SeedProvider seedProvider = secondsSinceMidnight);
    void reseed() override;

    static std::uint32_t secondsSinceMidnight();

protected:
    float next() override;
    std::any saveState() const override { return engine_; }
    void restoreState(const std::any& state) override
    {
        engine_ = std::any_cast<const std::mt19937&>(state);
    }

private:
    SeedProvider seedProvider_;
    std::mt19937 engine_;
};

class RandomStreamExhausted : public std::runtime_error {
public:
    RandomStreamExhausted()
        : std::runtime_error("random stream exhausted")
    {
    }
};

// Hands out a given list of values in order; a draw past the end throws
// RandomStreamExhausted. Reseeding changes nothing.
class ScriptedRandom final : public RandomSource {
public:
    ScriptedRandom() = default;
    explicit ScriptedRandom(std::vector<float> values)
        : values_(std::move(values))
    {
    }

    void append(float value) { values_.push_back(value); }
    void reseed() override { }
    std::size_t remaining() const { return values_.size() - position_; }

protected:
    float next() override;
    std::any saveState() const override { return position_; }
    void restoreState(const std::any& state) override
    {
        position_ = std::any_cast<std::size_t>(state);
    }

private:
    std::vector<float> values_;
    std::size_t position_ = 0;
};

} // namespace quadlo
