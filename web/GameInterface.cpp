// SPDX-License-Identifier: GPL-3.0-or-later
// The page's way into the game: a small C interface over one Game, compiled
// to WebAssembly. Each command runs one of the game's handlers to completion,
// as the window's presenter does, and answers with one JSON text: what the
// command did (every edge drawn and square taken, in order), the message
// boxes it showed, and the board as it stands after it. The page paces and
// paints from that answer and never writes the board. The same module, in
// the page's worker, runs the exact solver for Hint and Show Values.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "analysis/BoardAdapter.h"
#include "analysis/ExpertPlayer.h"
#include "analysis/MoveReview.h"
#include "analysis/Solver.h"
#include "game/Game.h"

namespace {

using namespace quadlo;

// The solver's table in the worker: 2^23 slots, 64 MiB, kept for as long
// as the worker lives, as the window's coach keeps its own.
constexpr unsigned kWorkerTableBits = 23;

// `text` as a JSON string; the texts are the game's own, so only quotes,
// backslashes and line breaks need escaping.
std::string jsonString(const std::string& text)
{
    std::string out = "\"";
    for (const char c : text) {
        switch (c) {
        case '"':
            out += "\\\"";
            break;
        case '\\':
            out += "\\\\";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\n':
            out += "\\n";
            break;
        default:
            out += c;
        }
    }
    return out + '"';
}

// What a colour shows: "a" the board's blue, "h" the human's, "c" the
// computer's.
char owner(Colour colour)
{
    return colour == kHumanColour ? 'h' : colour == kComputerColour ? 'c' : 'a';
}

class Session final : public MessagePresenter, public FormHost, public TurnObserver {
public:
    Session()
        : game_(random_, *this, *this)
    {
        game_.setTurnObserver(this);
        game_.Form_Load();
    }

    Game& game() { return game_; }

    void showMessage(const std::string& text, MessageStyle style, const std::string& title) override
    {
        messages_ += std::string(messages_.empty() ? "" : ",") + "["
            + std::to_string(static_cast<int>(style)) + "," + jsonString(title) + ","
            + jsonString(text) + "]";
    }
    // The page reads the whole board after every command, which is all a
    // reload of the form is here.
    void reloadForm() override { }
    // The page has no Exit: leaving it is closing the tab.
    void endProgram() override { }
    void happened(const TurnEvent& event) override
    {
        events_ += std::string(events_.empty() ? "" : ",") + "["
            + (event.player == Player::Human ? "0" : "1") + ","
            + std::to_string(static_cast<int>(event.edge.family)) + ","
            + std::to_string(event.edge.index) + "," + std::to_string(event.square) + "]";
    }

    // Starts collecting what the next command does.
    void begin()
    {
        events_.clear();
        messages_.clear();
    }
    // What the command did, and the board after it.
    const char* answer()
    {
        const Board& b = game_.board();
        std::string v;
        std::string h;
        std::string sq;
        for (std::size_t i = 1; i <= kEdgesPerFamily; ++i) {
            v += owner(b.lblshape1[i].backColor);
            h += owner(b.lblshape2[i].backColor);
        }
        for (std::size_t i = 1; i <= kSquareCount; ++i)
            sq += owner(b.shpMiddle[i].backColor);
        const std::optional<Difficulty> level = b.selectedDifficulty();
        answer_ = "{\"events\":[" + events_ + "],\"messages\":[" + messages_
            + "],\"board\":{\"v\":\"" + v + "\",\"h\":\"" + h + "\",\"sq\":\"" + sq
            + "\",\"human\":" + std::to_string(b.humanScore)
            + ",\"computer\":" + std::to_string(b.computerScore)
            + ",\"level\":" + std::to_string(level ? static_cast<int>(*level) : 0)
            + ",\"humanToMove\":" + (game_.humanToMove() ? "true" : "false")
            + ",\"over\":" + (b.gameOver ? "true" : "false")
            + ",\"canTakeBack\":" + (game_.canTakeBack() ? "true" : "false")
            + ",\"awaitsComputer\":" + (game_.awaitsComputerEdge() ? "true" : "false") + "}}";
        return answer_.c_str();
    }

private:
    GameRandom random_;
    Game game_;
    std::string events_;
    std::string messages_;
    std::string answer_;
};

std::unique_ptr<Session> session;

template <typename F> const char* command(F&& handler)
{
    if (!session)
        session = std::make_unique<Session>();
    session->begin();
    handler(session->game());
    return session->answer();
}

std::unique_ptr<analysis::Solver> solver;
std::unique_ptr<analysis::ExpertPlayer> expert;

// Calls f(edge) for each edge drawn in the two masks (bit i for edge i of
// each family), as the page and the worker pass a position.
template <typename F> void forEachDrawn(std::uint32_t vertical, std::uint32_t horizontal, F&& f)
{
    forEachEdge([&](Edge edge) {
        const std::uint32_t mask = edge.family == Vertical ? vertical : horizontal;
        if (mask & (std::uint32_t { 1 } << edge.index))
            f(edge);
    });
}

} // namespace

// Hands what the solver has proven to the worker's script.
EM_JS(void, quadlo_proven, (int lowest, int highest, int family, int index),
    { Module.onProven(lowest, highest, family, index); });
EM_JS(void, quadlo_valued, (const char* values), { Module.onValued(UTF8ToString(values)); });

extern "C" {

// The game as the page starts it: Form_Load on a new form.
EMSCRIPTEN_KEEPALIVE const char* quadlo_state()
{
    return command([](Game&) {});
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_click(int family, int index)
{
    return command([=](Game& game) {
        if ((family == Vertical || family == Horizontal) && index >= 1 && index <= kEdgesPerFamily)
            game.edgeClicked({ static_cast<Family>(family), index });
    });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_select(int level)
{
    return command([=](Game& game) {
        if (level >= 1 && level <= 3)
            game.selectDifficulty(static_cast<Difficulty>(level));
    });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_options_focused()
{
    return command([](Game& game) { game.optionsFocused(); });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_new_game()
{
    return command([](Game& game) {
        game.mnuNew_Click();
        game.optionsFocused();
    });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_take_back()
{
    return command([](Game& game) {
        if (game.canTakeBack())
            game.takeBack();
    });
}
// View -> Play the Expert: the computer's edges come from the expert, found
// in the worker (quadlo_expert) and played with quadlo_play_computer.
EMSCRIPTEN_KEEPALIVE const char* quadlo_set_expert(int on)
{
    return command([=](Game& game) { game.setComputerFromOutside(on != 0); });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_play_computer(int family, int index)
{
    return command([=](Game& game) {
        if ((family == Vertical || family == Horizontal) && index >= 1 && index <= kEdgesPerFamily)
            game.playComputerEdge({ static_cast<Family>(family), index });
    });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_rules()
{
    return command([](Game& game) { game.mnuRules_Click(); });
}
EMSCRIPTEN_KEEPALIVE const char* quadlo_about()
{
    return command([](Game& game) { game.mnuAbout_Click(); });
}

// The solver on the human's position: the drawn edges as two masks (bit i
// for edge i of each family), and the human's squares minus the computer's.
// Tells each bound it proves, the human's final margin, through
// Module.onProven; then, when `values` is set and the value is exact, every
// open edge's loss against the best through Module.onValued.
EMSCRIPTEN_KEEPALIVE void quadlo_judge(
    std::uint32_t vertical, std::uint32_t horizontal, int score, int values)
{
    if (!solver)
        solver = std::make_unique<analysis::Solver>(analysis::gameBoxBoard(),
            analysis::Solver::kNoBudget, analysis::SolverSettings { kWorkerTableBits, 1, true });
    analysis::EdgeSet drawn = 0;
    forEachDrawn(vertical, horizontal,
        [&](Edge edge) { drawn |= analysis::edgeBit(analysis::solverEdge(edge)); });
    const analysis::Verdict verdict = solver->judge(
        drawn, score, [score](const analysis::Verdict& proven) {
            const Edge edge = proven.edge ? analysis::gameEdge(*proven.edge) : Edge { NoFamily, 0 };
            quadlo_proven(score + proven.bounds.lower, score + proven.bounds.upper,
                static_cast<int>(edge.family), edge.index);
        });
    if (!values || !verdict.bounds.exact())
        return;
    const auto found = solver->edgeValues(drawn);
    if (!found)
        return;
    // The values are margins of the squares still to take, so an edge's
    // distance from the best is twice the squares it loses.
    std::string list;
    for (const analysis::EdgeValue& value : *found) {
        const Edge edge = analysis::gameEdge(value.edge);
        list += std::string(list.empty() ? "" : ",") + "["
            + std::to_string(static_cast<int>(edge.family)) + "," + std::to_string(edge.index) + ","
            + std::to_string(analysis::squaresLost(found->front().value, value.value)) + "]";
    }
    quadlo_valued(("[" + list + "]").c_str());
}

// The expert's edge for the position with these edges drawn, its random
// choice seeded with `seed` and the position, as family * 100 + index; 0
// when no edge is open. The expert is made once, with its table; it empties
// the table before each search, as the window's expert does.
EMSCRIPTEN_KEEPALIVE int quadlo_expert(
    std::uint32_t vertical, std::uint32_t horizontal, std::uint32_t seed)
{
    if (!expert)
        expert = std::make_unique<analysis::ExpertPlayer>();
    Board board;
    forEachDrawn(vertical, horizontal, [&](Edge edge) { board.edge(edge).tag = Mark::c; });
    const std::optional<Edge> edge = expert->choose(board, seed);
    return edge ? 100 * static_cast<int>(edge->family) + edge->index : 0;
}

} // extern "C"
