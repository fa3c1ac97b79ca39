// SPDX-License-Identifier: GPL-3.0-or-later
// Running parsed commands against the game and printing the state line.
#include "engine/Replay.h"

#include <istream>
#include <ostream>
#include <string>

#include "analysis/ExpertPlayer.h"
#include "engine/Quote.h"

namespace quadlo::engine {

namespace {

template <typename Control, std::size_t N>
void appendMarks(std::string& out, const std::array<Control, N>& controls)
{
    // Element 0 is the template (edges) or unused (markers).
    for (std::size_t i = 1; i < N; ++i)
        out += markName(controls[i].tag);
}

} // namespace

void MessageLog::showMessage(const std::string& text, MessageStyle style, const std::string& title)
{
    lines_.push_back(messageLine(text, style, title));
}

std::vector<std::string> MessageLog::takeLines()
{
    std::vector<std::string> lines;
    lines.swap(lines_);
    return lines;
}

std::string messageLine(const std::string& text, MessageStyle style, const std::string& title)
{
    std::string line
        = "message: " + title + " | " + std::to_string(static_cast<int>(style)) + " | ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            line += "\\n";
            ++i;
        } else if (text[i] == '\n') {
            line += "\\n";
        } else if (text[i] == '\r') {
            line += "\\r";
        } else {
            line += text[i];
        }
    }
    return line;
}

ReplaySession::ReplaySession()
    : game_(random_, messages_, form_)
{
    game_.Form_Load();
}

ReplaySession::~ReplaySession() = default;

std::string ReplaySession::run(const Command& command)
{
    // Whatever a command cut short had collected must not leak into the next.
    messages_.takeLines();
    if (const auto* random = std::get_if<RandomCommand>(&command)) {
        for (float value : random->values)
            random_.append(value);
        return {};
    }
    if (const auto* seed = std::get_if<SeedCommand>(&command)) {
        random_.setSeed(seed->seed);
        return {};
    }
    if (const auto* answer = std::get_if<AnswerCommand>(&command)) {
        answer_ = answer->edges;
        return {};
    }
    playOnGame(game_, command);
    if (game_.awaitsComputerEdge()) {
        if (!expert_)
            expert_ = std::make_unique<analysis::ExpertPlayer>();
        analysis::playExpertEdges(game_, *expert_, random_.seed(), answer_);
    }
    answer_.clear();
    std::string out;
    for (const std::string& line : messages_.takeLines())
        out += line + '\n';
    out += stateLine() + '\n';
    return out;
}

std::string ReplaySession::stateLine() const
{
    const Board& b = game_.board();
    std::string line;
    line.reserve(200);
    line += "v=";
    appendMarks(line, b.lblshape1);
    line += " h=";
    appendMarks(line, b.lblshape2);
    line += " sq=";
    appendMarks(line, b.shpMiddle);
    line += " score=" + b.lblScore1 + "-" + b.lblScore2;
    line += " turn=" + std::to_string(b.turnCount);
    line += " over=" + std::string(b.gameOver ? "1" : "0");
    line += " near=" + std::string(b.nearEndgame ? "1" : "0");
    line += " late=" + std::string(b.lateEndgame ? "1" : "0");
    const std::optional<Difficulty> level = b.selectedDifficulty();
    line += " level=" + std::string(level ? levelName(*level) : "none");
    line += " rng=" + std::to_string(random_.drawCount());
    return line;
}

int runReplay(std::istream& in, std::ostream& out, std::ostream& err)
{
    ReplaySession session;
    return runScript(in, session, out, err, [&out](ReplaySession& s, const Command& command) {
        return static_cast<bool>(out << s.run(command));
    });
}

int runScript(std::istream& in, ReplaySession& session, std::ostream& out, std::ostream& err,
    const ScriptStep& step)
{
    std::string line;
    for (long number = 1; std::getline(in, line); ++number) {
        const ParsedLine parsed = parseLine(line);
        if (const auto* error = std::get_if<ParseError>(&parsed)) {
            out.flush();
            err << errorLine("line " + std::to_string(number) + ": " + error->reason);
            return kReplayBadInput;
        }
        const auto* command = std::get_if<Command>(&parsed);
        if (!command)
            continue;
        try {
            if (!step(session, *command)) {
                err << errorLine("line " + std::to_string(number) + ": cannot write the output");
                return kOutputFailed;
            }
        } catch (const RandomStreamExhausted& exhausted) {
            out.flush();
            err << errorLine("line " + std::to_string(number) + ": " + exhausted.what());
            return kReplayRandomExhausted;
        }
    }
    if (in.bad()) {
        out.flush();
        err << errorLine("cannot read the script");
        return kReplayBadInput;
    }
    return kReplayOk;
}

} // namespace quadlo::engine
