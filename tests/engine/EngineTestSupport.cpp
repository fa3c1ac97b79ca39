// SPDX-License-Identifier: GPL-3.0-or-later
// Running scripts and the program for the engine tests, and building positions.
#include "EngineTestSupport.h"

#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "board/BoxGeometry.h"
#include "engine/Replay.h"

namespace quadlo::engine::test {

namespace {

std::string readFile(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

RunResult replay(const std::string& script)
{
    std::istringstream in(script);
    std::ostringstream out, err;
    RunResult result;
    result.status = runReplay(in, out, err);
    result.out = out.str();
    result.err = err.str();
    return result;
}

RunResult runProgram(
    const std::string& arguments, const std::string& input, const std::string& output)
{
    // One directory per test and process, so that tests may run in parallel.
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const auto dir = std::filesystem::temp_directory_path()
        / ("quadlo-engine-" + std::to_string(::getpid()) + "-" + info->name());
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "in", std::ios::binary) << input;
    const std::string command = std::string("'") + QUADLO_ENGINE_PATH + "' " + arguments + " <'"
        + (dir / "in").string() + "' "
        + (output.empty() ? ">'" + (dir / "out").string() + "'" : output) + " 2>'"
        + (dir / "err").string() + "'";
    const int raw = std::system(command.c_str());
    RunResult result { readFile(dir / "out"), readFile(dir / "err"),
        WIFEXITED(raw) ? WEXITSTATUS(raw) : -1 };
    std::filesystem::remove_all(dir);
    return result;
}

std::vector<std::string> lines(const std::string& text)
{
    std::vector<std::string> out;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        out.push_back(line);
    return out;
}

std::string field(const std::string& stateLine, const std::string& key)
{
    std::istringstream in(stateLine);
    for (std::string token; in >> token;) {
        if (token.rfind(key + "=", 0) == 0)
            return token.substr(key.size() + 1);
    }
    return "";
}

std::string boardFields(const Board& board)
{
    std::string v, h, sq;
    for (std::size_t i = 1; i <= kEdgesPerFamily; ++i) {
        v += markName(board.lblshape1[i].tag);
        h += markName(board.lblshape2[i].tag);
    }
    for (std::size_t i = 1; i <= kSquareCount; ++i)
        sq += markName(board.shpMiddle[i].tag);
    return "v=" + v + " h=" + h + " sq=" + sq;
}

PositionText& PositionText::draw(char family, int index, char by)
{
    (family == 'v' ? v : h)[static_cast<std::size_t>(index - 1)] = by;
    return *this;
}

PositionText& PositionText::own(int square, char owner)
{
    const SquareSides s = squareSides(square);
    const std::pair<char, int> sides[4]
        = { { 'v', s.var1 }, { 'h', s.var2 }, { 'v', s.var3 }, { 'h', s.var4 } };
    for (const auto& [family, index] : sides) {
        if ((family == 'v' ? v : h)[static_cast<std::size_t>(index - 1)] == 'a')
            draw(family, index, owner);
    }
    sq[static_cast<std::size_t>(square - 1)] = owner;
    return *this;
}

PositionText lastSquareOpen()
{
    PositionText p;
    for (int square = 1; square <= 24; ++square)
        p.own(square, square % 2 == 1 ? 'h' : 'c');
    return p;
}

} // namespace quadlo::engine::test
