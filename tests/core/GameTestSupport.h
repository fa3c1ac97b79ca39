// SPDX-License-Identifier: GPL-3.0-or-later
// A game wired to the platform fakes, and the whole-game check.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BoardTestSupport.h"
#include "GameTestSeam.h"
#include "PlatformFakes.h"
#include "board/RandomSource.h"
#include "game/Game.h"

namespace quadlo::test {

// A game started as the program starts it: the controls as a new form shows
// them, Form_Load once.
struct TestGame {
    explicit TestGame(std::unique_ptr<RandomSource> source)
        : random(std::move(source))
        , game(*random, messages, form)
    {
        game.setTurnObserver(&turns);
        game.Form_Load();
    }
    // A game on the scripted values; more can be appended later.
    static std::unique_ptr<TestGame> scripted(std::vector<float> values = {})
    {
        return std::make_unique<TestGame>(std::make_unique<ScriptedRandom>(std::move(values)));
    }
    static std::unique_ptr<TestGame> seeded(std::uint32_t seed)
    {
        return std::make_unique<TestGame>(std::make_unique<GameRandom>([seed] { return seed; }));
    }

    Board& board() { return GameTestSeam::board(game); }
    void click(Edge edge) { game.edgeClicked(edge); }

    std::unique_ptr<RandomSource> random;
    RecordingPresenter messages;
    RecordingForm form;
    RecordingObserver turns;
    Game game;
};

// Plays whole games against the baseline humans in turn (random, greedy and
// careful), now and then also clicking a drawn edge, with the referee judging
// every start and every click. A game stops at its first fault.
struct RandomGameReport {
    int games = 0;
    int faultyGames = 0;
    std::string firstFault;
    int deepestNesting = 0;
};
RandomGameReport playRandomGames(Difficulty level, int games, std::uint32_t seed);

} // namespace quadlo::test
