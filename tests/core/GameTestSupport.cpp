// The whole-game check shared by the test suite and the long soak run.
#include "GameTestSupport.h"

#include <sstream>

namespace quadlo::test {

namespace {

std::vector<EdgeRef> openEdges(const Board& board)
{
    std::vector<EdgeRef> open;
    for (int i = 1; i <= kEdgesPerFamily; ++i) {
        if (board.isOpen(Vertical, i))
            open.push_back(V(i));
        if (board.isOpen(Horizontal, i))
            open.push_back(H(i));
    }
    return open;
}

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

    for (int g = 0; g < games; ++g) {
        gameSeed = seed * 7919u + static_cast<std::uint32_t>(g);
        play.board().selectDifficulty(level);
        play.game.mnuNew_Click();
        play.messages.shown.clear();
        int clicks = 0;
        while (!play.board().gameOver) {
            Board& board = play.board();
            const std::vector<EdgeRef> open = openEdges(board);
            if (open.empty() || ++clicks > 61) {
                fault(g, clicks, "the game stalled before its end");
                break;
            }
            if (human() % 8 == 0 && board.turnCount > 1) {
                // A click on a drawn edge must change nothing at all.
                std::uniform_int_distribution<int> pick(1, kEdgesPerFamily);
                const EdgeRef drawn { static_cast<int>(human() % 2) + 1, pick(human) };
                if (!board.isOpen(drawn.family, drawn.index)) {
                    const EdgeSnapshot before = snapshot(board);
                    const auto turn = board.turnCount;
                    const auto draws = play.random->drawCount();
                    play.click(drawn);
                    if (!(snapshot(board) == before) || board.turnCount != turn
                        || play.random->drawCount() != draws)
                        fault(g, clicks, "a click on a drawn edge changed the game");
                }
            }
            std::uniform_int_distribution<std::size_t> pick(0, open.size() - 1);
            play.click(open[pick(human)]);
            if (auto ok = invariantsHold(board); !ok)
                fault(g, clicks, ok.message());
            if (!board.gameOver && board.turnCount % 2 == 0)
                fault(g, clicks, "the turn ended with the computer to move");
            if (board.selectedDifficulty() != level)
                fault(g, clicks, "the difficulty changed during the turn");
        }
        const Board& board = play.board();
        if (board.humanScore + board.computerScore != kSquareCount)
            fault(g, clicks, "the game ended without all squares owned");
        if (!openEdges(board).empty())
            fault(g, clicks, "the game ended with open edges");
        if (play.messages.shown.size() != 1) {
            fault(g, clicks, std::to_string(play.messages.shown.size()) + " end-of-game messages");
        } else {
            const ShownMessage expected { board.computerScore < board.humanScore
                    ? "You win with " + std::to_string(board.humanScore) + " squares completed."
                    : "The computer wins with " + std::to_string(board.computerScore)
                        + " squares completed.",
                kStyleOkOnly, "Quadlo" };
            if (!(play.messages.shown.front() == expected))
                fault(g, clicks, "wrong result message: " + play.messages.shown.front().text);
        }
        ++report.games;
    }
    report.deepestNesting = play.game.deepestNesting();
    return report;
}

} // namespace quadlo::test
