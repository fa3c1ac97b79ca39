// SPDX-License-Identifier: GPL-3.0-or-later
// The arguments of the commands that run the exact solver (analyse, review,
// solve, bench --analysis): "--name value" options from a known set, each at
// most once, and the operands between them; and the budget, which is the
// most nodes the solver may search for one answer, so that an answer does
// not depend on the machine's speed.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "engine/CommandLine.h"

namespace quadlo::engine {

// The status of a command whose solver ran out of budget.
inline constexpr int kSolverGaveUp = 5;

// The budget of analyse and solve: 50 million nodes (a few seconds on one
// core). Review's, per position, is the window's (analysis/MoveReview.h).
inline constexpr std::uint64_t kAnalysisBudget = 50'000'000;

struct AnalysisArguments {
    std::map<std::string_view, std::string_view> options;
    std::vector<std::string_view> operands;
    std::uint64_t budget = kAnalysisBudget;
    // Threads searching each question (--threads, where a command takes it).
    int threads = 1;
};

// Splits `args` as every command does, with `known` (which names --budget);
// reads --budget and --threads itself and leaves the other options in
// `options`.
Parsed<AnalysisArguments> parseAnalysisArguments(const std::vector<std::string_view>& args,
    std::initializer_list<OptionName> known, std::uint64_t budget);

// A whole number 1..`most` named by its option, for messages.
std::variant<std::uint64_t, CommandLineError> countOption(
    std::string_view name, std::string_view value, std::uint64_t most);

} // namespace quadlo::engine
