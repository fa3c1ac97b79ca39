// SPDX-License-Identifier: GPL-3.0-or-later
// The whole-game check shared by the test suite and the long soak run.
#include "GameTestSupport.h"

#include <algorithm>
#include <array>
#include <optional>
#include <sstream>

#include "Referee.h"
#include "board/BoxGeometry.h"

namespace quadlo::test {

namespace {

// Follows the record of what each click did on a board of its own, and tells
// where the record and the game part: an edge reported twice or never, a square
// awarded before its last side, to someone else than the drawer of that side,
// or not at all.
class RecordFollower {
public:
    std::string follow(const std::vector<TurnEvent>& events, const Board& board)
    {
        std::optional<TurnEvent> lastEdge;
        for (const TurnEvent& e : events) {
            if (e.square == 0) {
                Mark& mark = edge(e.edge);
                if (mark != Mark::a)
                    return "the record draws a drawn edge";
                mark = e.player == Player::Human ? Mark::h : Mark::c;
                lastEdge = e;
                continue;
            }
            const SquareSides s = squareSides(e.square);
            const std::vector<Edge> sides { V(s.var1), H(s.var2), V(s.var3), H(s.var4) };
            Mark& owner = owners_[static_cast<std::size_t>(e.square)];
            if (owner != Mark::a || !lastEdge || lastEdge->player != e.player
                || std::find(sides.begin(), sides.end(), lastEdge->edge) == sides.end()
                || std::any_of(
                    sides.begin(), sides.end(), [this](Edge x) { return edge(x) == Mark::a; }))
                return "the record awards a square out of turn";
            owner = e.player == Player::Human ? Mark::h : Mark::c;
        }
        for (int i = 1; i <= kEdgesPerFamily; ++i) {
            if (edge(V(i)) != board.lblshape1[static_cast<std::size_t>(i)].tag
                || edge(H(i)) != board.lblshape2[static_cast<std::size_t>(i)].tag)
                return "the record's edges differ from the board";
        }
        for (int b = 1; b <= kSquareCount; ++b) {
            if (owners_[static_cast<std::size_t>(b)]
                != board.shpMiddle[static_cast<std::size_t>(b)].tag)
                return "the record's squares differ from the board";
        }
        return {};
    }

private:
    Mark& edge(Edge e)
    {
        return (e.family == Vertical ? vertical_ : horizontal_)[static_cast<std::size_t>(e.index)];
    }
    std::array<Mark, kEdgesPerFamily + 1> vertical_ {};
    std::array<Mark, kEdgesPerFamily + 1> horizontal_ {};
    std::array<Mark, kSquareCount + 1> owners_ {};
};

} // namespace

RandomGameReport playRandomGames(Difficulty level, int games, std::uint32_t seed)
{
    RandomGameReport report;
    std::mt19937 human(seed);
    std::uint32_t gameSeed = seed;
    TestGame play(std::make_unique<GameRandom>([&gameSeed] { return gameSeed; }));
    auto fault = [&report](int game, int click, const std::string& what) {
        if (report.faults++ == 0) {
            std::ostringstream out;
            out << "game " << game << ", click " << click << ": " << what;
            report.firstFault = out.str();
        }
    };

    // Every click is also judged by the referee, from the rules alone.
    auto refereedClick = [&play, &fault](int game, int click, Edge edge) {
        const RefereeView before = observe(play.board());
        const std::size_t shownBefore = play.messages.shown.size();
        play.click(edge);
        const std::vector<ShownMessage> shown(
            play.messages.shown.begin() + static_cast<std::ptrdiff_t>(shownBefore),
            play.messages.shown.end());
        if (const std::string wrong
            = judgeClick(before, refereeEdge(edge), observe(play.board()), shown);
            !wrong.empty())
            fault(game, click, "referee: " + wrong);
    };

    for (int g = 0; g < games; ++g) {
        gameSeed = seed * 7919u + static_cast<std::uint32_t>(g);
        play.game.selectDifficulty(level);
        play.game.mnuNew_Click();
        play.messages.shown.clear();
        play.turns.events.clear();
        RecordFollower record;
        int clicks = 0;
        while (!play.board().gameOver) {
            Board& board = play.board();
            const std::vector<Edge> open = board.openEdges();
            if (open.empty() || ++clicks > 61) {
                fault(g, clicks, "the game stalled before its end");
                break;
            }
            if (human() % 8 == 0 && board.turnCount > 1) {
                // A click on a drawn edge must change nothing at all.
                std::uniform_int_distribution<int> pick(1, kEdgesPerFamily);
                const Edge drawn { static_cast<Family>(human() % 2 + 1), pick(human) };
                if (!board.isOpen(drawn.family, drawn.index)) {
                    const EdgeSnapshot before = snapshot(board);
                    const auto turn = board.turnCount;
                    const auto draws = play.random->drawCount();
                    refereedClick(g, clicks, drawn);
                    if (!(snapshot(board) == before) || board.turnCount != turn
                        || play.random->drawCount() != draws)
                        fault(g, clicks, "a click on a drawn edge changed the game");
                }
            }
            std::uniform_int_distribution<std::size_t> pick(0, open.size() - 1);
            refereedClick(g, clicks, open[pick(human)]);
            if (auto ok = invariantsHold(board); !ok)
                fault(g, clicks, ok.message());
            if (const std::string wrong = record.follow(play.turns.events, board); !wrong.empty())
                fault(g, clicks, wrong);
            play.turns.events.clear();
            if (!board.gameOver && board.turnCount % 2 == 0)
                fault(g, clicks, "the turn ended with the computer to move");
            if (board.selectedDifficulty() != level)
                fault(g, clicks, "the difficulty changed during the turn");
        }
        const Board& board = play.board();
        if (board.humanScore + board.computerScore != kSquareCount)
            fault(g, clicks, "the game ended without all squares owned");
        if (!board.openEdges().empty())
            fault(g, clicks, "the game ended with open edges");
        if (play.messages.shown.size() != 1) {
            fault(g, clicks, std::to_string(play.messages.shown.size()) + " end-of-game messages");
        } else {
            const ShownMessage expected { board.computerScore < board.humanScore
                    ? "You win with " + std::to_string(board.humanScore) + " squares completed."
                    : "The computer wins with " + std::to_string(board.computerScore)
                        + " squares completed.",
                MessageStyle::OkOnly, "Quadlo" };
            if (!(play.messages.shown.front() == expected))
                fault(g, clicks, "wrong result message: " + play.messages.shown.front().text);
        }
        ++report.games;
    }
    report.deepestNesting = GameTestSeam::deepestNesting(play.game);
    return report;
}

} // namespace quadlo::test
