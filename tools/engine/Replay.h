// SPDX-License-Identifier: GPL-3.0-or-later
// Replaying a script against one game, as the program starts it: the controls
// as a new form shows them, Form_Load run once, no option selected. Each click,
// new, undo, select, position and expert prints the message boxes it showed and
// then one state line; other tools read this output, so its format is fixed:
//
//   message: <title> | <style> | <text>
//   v=<30 marks> h=<30 marks> sq=<25 marks> score=<caption>-<caption> turn=<N>
//       over=<0|1> near=<0|1> late=<0|1> level=<easy|medium|hard|none> rng=<draws>
//
// (the state line is a single line). A line that does not parse ends the replay
// with status 2, a draw past the scripted values with status 3, output that
// cannot be written with status 4; in each case the error goes to the error
// stream and nothing more is printed.
#pragma once

#include <functional>
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "engine/ReplayRandom.h"
#include "game/Game.h"
#include "game/Script.h"

namespace quadlo::analysis {
class ExpertPlayer;
}

namespace quadlo::engine {

inline constexpr int kReplayOk = 0;
inline constexpr int kReplayBadInput = 2;
inline constexpr int kReplayRandomExhausted = 3;
// Every command of quadlo-engine exits with this when its output cannot be
// written (a full disk, a closed standard output).
inline constexpr int kOutputFailed = 4;

// Collects the message boxes of one command; the replay prints them only once
// the command has finished, so a command cut short prints none of them.
class MessageLog final : public MessagePresenter {
public:
    void showMessage(
        const std::string& text, MessageStyle style, const std::string& title) override;
    std::vector<std::string> takeLines();

private:
    std::vector<std::string> lines_;
};

// Reloading is a no-op: the board model is the whole form here.
class HeadlessForm final : public FormHost {
public:
    void reloadForm() override { }
    void endProgram() override { }
};

class ReplaySession {
public:
    ReplaySession();
    ~ReplaySession();
    ReplaySession(const ReplaySession&) = delete;
    ReplaySession& operator=(const ReplaySession&) = delete;

    // Runs one command and returns what it prints (nothing for random, seed
    // and answer). With the expert on, the expert's edges the game then
    // awaits are part of the command, as they are of the window's click:
    // those of an answer just before it, then searched. Throws
    // RandomStreamExhausted when a draw runs past the script.
    std::string run(const Command& command);

    std::string stateLine() const;
    const Board& board() const { return game_.board(); }
    bool humanToMove() const { return game_.humanToMove(); }
    bool canTakeBack() const { return game_.canTakeBack(); }

private:
    ReplayRandom random_;
    MessageLog messages_;
    HeadlessForm form_;
    Game game_;
    // Made when the expert first moves: its table is large.
    std::unique_ptr<analysis::ExpertPlayer> expert_;
    // The edges of the answer for the turn the next command starts.
    std::vector<Edge> answer_;
};

// One message box as a replay line; line breaks in the text become the two
// characters "\n" so that the message stays on one line.
std::string messageLine(const std::string& text, MessageStyle style, const std::string& title);

// Reads the script line by line and hands each command to `step`, which
// plays it on the session and returns false when it could not write its
// output. The statuses and error lines are those of the replay; `out` is
// flushed before an error line so that the two streams stay in order.
using ScriptStep = std::function<bool(ReplaySession&, const Command&)>;
int runScript(std::istream& in, ReplaySession& session, std::ostream& out, std::ostream& err,
    const ScriptStep& step);

// Reads the script line by line, printing as it goes.
int runReplay(std::istream& in, std::ostream& out, std::ostream& err);

} // namespace quadlo::engine
