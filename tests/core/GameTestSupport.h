// Fakes for the platform the game runs on (message boxes and the form), a game
// wired to them, and a random human player for whole-game checks.
#pragma once

#include <cstdint>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "BoardTestSupport.h"
#include "board/RandomSource.h"
#include "game/Game.h"

namespace quadlo::test {

struct ShownMessage {
    std::string text;
    int style;
    std::string title;
    bool operator==(const ShownMessage&) const = default;
};

class RecordingPresenter : public MessagePresenter {
public:
    void showMessage(const std::string& text, int style, const std::string& title) override
    {
        shown.push_back({ text, style, title });
    }
    std::vector<ShownMessage> shown;
};

class RecordingForm : public FormHost {
public:
    void reloadForm() override { ++reloads; }
    void endProgram() override { ++exits; }
    int reloads = 0;
    int exits = 0;
};

// One entry of what a turn did: an edge drawn (square 0) or a square awarded
// (edge NoFamily 0).
struct TurnEvent {
    Player player;
    Edge edge;
    int square;
    bool operator==(const TurnEvent&) const = default;
};
inline TurnEvent drew(Player player, Edge edge) { return { player, edge, 0 }; }
inline TurnEvent took(Player player, int square) { return { player, { NoFamily, 0 }, square }; }
std::ostream& operator<<(std::ostream& out, const TurnEvent& event);

class RecordingObserver : public TurnObserver {
public:
    void edgeDrawn(Player player, Edge edge) override { events.push_back(drew(player, edge)); }
    void squareAwarded(Player player, int square) override
    {
        events.push_back(took(player, square));
    }
    std::vector<TurnEvent> events;
};

// A game started as the program starts it: design state, Form_Load once.
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

    Board& board() { return game.boardForSetUp(); }
    void click(Edge edge) { game.edgeClicked(edge); }

    std::unique_ptr<RandomSource> random;
    RecordingPresenter messages;
    RecordingForm form;
    RecordingObserver turns;
    Game game;
};

// Plays whole games with a human who clicks a uniformly chosen open edge, now
// and then also a drawn one, and checks the board after every event.
struct RandomGameReport {
    int games = 0;
    int faults = 0;
    std::string firstFault;
    int deepestNesting = 0;
};
RandomGameReport playRandomGames(Difficulty level, int games, std::uint32_t seed);

} // namespace quadlo::test
