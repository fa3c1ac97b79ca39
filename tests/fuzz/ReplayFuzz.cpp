// SPDX-License-Identifier: GPL-3.0-or-later
// libFuzzer target: any bytes as a replay script, run through the engine's own
// parser and replay, and what it prints checked against what must hold for
// every script. A violation aborts, which the fuzzer reports with the input.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "engine/Replay.h"

namespace {

[[noreturn]] void violated(const char* what, std::string_view line)
{
    std::fprintf(stderr, "replay output broke a rule: %s\n  in: %.*s\n", what,
        static_cast<int>(line.size()), line.data());
    std::abort();
}

// The text of the blank-separated token "key=...", or an empty view.
std::string_view field(std::string_view line, std::string_view key)
{
    while (!line.empty()) {
        const std::size_t end = std::min(line.find(' '), line.size());
        const std::string_view token = line.substr(0, end);
        if (token.size() > key.size() && token.substr(0, key.size()) == key
            && token[key.size()] == '=')
            return token.substr(key.size() + 1);
        line.remove_prefix(std::min(end + 1, line.size()));
    }
    return {};
}

// The marks of a state line's v=, h= and sq= fields, and its score, against
// the board's rules: a/h/c only, a square owned exactly when its four sides are
// drawn, the captions equal to the owned squares.
void checkStateLine(std::string_view line)
{
    const std::string_view v = field(line, "v");
    const std::string_view h = field(line, "h");
    const std::string_view sq = field(line, "sq");
    if (v.size() != 30 || h.size() != 30 || sq.size() != 25)
        violated("a state line without 30/30/25 marks", line);
    for (std::string_view marks : { v, h, sq }) {
        if (marks.find_first_not_of("ahc") != std::string_view::npos)
            violated("a mark other than a, h or c", line);
    }
    int humans = 0;
    int computers = 0;
    for (int s = 0; s < 25; ++s) {
        const int r = s / 5;
        const int c = s % 5;
        const bool closed = v[static_cast<std::size_t>(5 * c + r)] != 'a'
            && v[static_cast<std::size_t>(5 * c + r + 5)] != 'a'
            && h[static_cast<std::size_t>(5 * r + c)] != 'a'
            && h[static_cast<std::size_t>(5 * r + c + 5)] != 'a';
        const char owner = sq[static_cast<std::size_t>(s)];
        if (closed != (owner != 'a'))
            violated("a square owned without its four sides, or closed and unowned", line);
        humans += owner == 'h';
        computers += owner == 'c';
    }
    const std::string score = std::to_string(humans) + "-" + std::to_string(computers);
    if (field(line, "score") != score)
        violated("a score other than the owned squares", line);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::istringstream in(std::string(reinterpret_cast<const char*>(data), size));
    std::ostringstream out;
    std::ostringstream err;
    const int status = quadlo::engine::runReplay(in, out, err);
    const std::string errors = err.str();
    if (status != quadlo::engine::kReplayOk && status != quadlo::engine::kReplayBadInput
        && status != quadlo::engine::kReplayRandomExhausted)
        violated("an exit status other than 0, 2 or 3", errors);
    if ((status == quadlo::engine::kReplayOk) != errors.empty())
        violated("an error without a failure, or a failure without an error", errors);
    if (!errors.empty()
        && (errors.rfind("quadlo-engine: error: line ", 0) != 0
            || errors.find('\n') != errors.size() - 1))
        violated("an error that is not one line naming the script line", errors);
    std::string plain = errors;
    for (std::size_t cut; (cut = plain.find("\u2026")) != std::string::npos;)
        plain.erase(cut, 3);
    for (char ch : plain) {
        if ((ch < 0x20 || ch > 0x7E) && ch != '\n')
            violated(
                "an error with a byte outside printable ASCII besides the cut's ellipsis", errors);
    }

    std::istringstream printed(out.str());
    for (std::string line; std::getline(printed, line);) {
        if (line.rfind("message: ", 0) != 0)
            checkStateLine(line);
    }
    return 0;
}
