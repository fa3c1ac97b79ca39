// SPDX-License-Identifier: GPL-3.0-or-later
// The command line of quadlo-engine: which subcommand, and the options of
// selfplay and bench. Parsing never exits or prints; a bad option comes back
// as a message for the caller to report.
#pragma once

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/Bench.h"
#include "engine/SelfPlay.h"

namespace quadlo::engine {

struct CommandLineError {
    std::string message;
};

// Upper bound on --games, so that a typo cannot start a run of days.
inline constexpr std::uint32_t kMaxGames = 10'000'000;

std::variant<SelfPlayOptions, CommandLineError> parseSelfPlayArguments(
    const std::vector<std::string_view>& args);
std::variant<BenchOptions, CommandLineError> parseBenchArguments(
    const std::vector<std::string_view>& args);

extern const char* const kUsage;

} // namespace quadlo::engine
