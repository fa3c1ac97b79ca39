// SPDX-License-Identifier: GPL-3.0-or-later
// The long whole-game check: many games at each level (100,000 by default)
// against the baseline humans, every click judged by the rules referee. Not
// part of the default test run; `make soak` runs it.
#include <cstdio>
#include <cstdlib>

#include "GameTestSupport.h"

int main(int argc, char** argv)
{
    const int games = argc > 1 ? std::atoi(argv[1]) : 100000;
    if (games <= 0) {
        std::fprintf(stderr, "usage: quadlo_soak [GAMES]\n");
        return 2;
    }
    int failed = 0;
    for (auto [level, name] : { std::pair { quadlo::Difficulty::Easy, "easy" },
             std::pair { quadlo::Difficulty::Medium, "medium" },
             std::pair { quadlo::Difficulty::Hard, "hard" } }) {
        const auto report = quadlo::test::playRandomGames(level, games, 1);
        std::printf("%-6s %d games, %d with a fault, deepest nesting %d%s%s\n", name, report.games,
            report.faultyGames, report.deepestNesting, report.faultyGames ? "; first: " : "",
            report.firstFault.c_str());
        failed += report.faultyGames;
    }
    return failed == 0 ? 0 : 1;
}
