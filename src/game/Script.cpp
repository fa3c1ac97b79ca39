// SPDX-License-Identifier: GPL-3.0-or-later
// Tokenising and checking one script line, and writing one. Numbers are read
// strictly: a token is a number only if all of it is, so "3x" or "0.5x" never
// slip through as 3 or 0.5.
#include "game/Script.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <system_error>

#include "board/BoxGeometry.h"
#include "game/NameTable.h"
#include "game/Quote.h"
#include "game/WholeNumber.h"

namespace quadlo {

namespace {

// The standard library that WebAssembly is built with (emscripten 3.1) has
// no floating-point from_chars or to_chars; the C library's conversions,
// which round correctly, stand in for them there.
#if defined(__EMSCRIPTEN__)
struct FromChars {
    const char* ptr;
    std::errc ec;
};
FromChars fromChars(const char* first, const char* last, double& value)
{
    const std::string text(first, last);
    char* end = nullptr;
    value = std::strtod(text.c_str(), &end);
    return { first + (end - text.c_str()), std::errc {} };
}
// The fewest decimal places that read back as the value.
char* toChars(char* first, char* last, double value)
{
    for (int places = 0;; ++places) {
        const int written
            = std::snprintf(first, static_cast<std::size_t>(last - first), "%.*f", places, value);
        if (std::strtod(first, nullptr) == value || written >= last - first - 1)
            return first + written;
    }
}
#else
std::from_chars_result fromChars(const char* first, const char* last, double& value)
{
    return std::from_chars(first, last, value, std::chars_format::fixed);
}
char* toChars(char* first, char* last, double value)
{
    return std::to_chars(first, last, value, std::chars_format::fixed).ptr;
}
#endif

std::vector<std::string_view> tokens(std::string_view line)
{
    std::vector<std::string_view> out;
    std::size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
            ++i;
        const std::size_t start = i;
        while (i < line.size() && line[i] != ' ' && line[i] != '\t')
            ++i;
        if (i > start)
            out.push_back(line.substr(start, i - start));
    }
    return out;
}

// Digits with at most one decimal point, at least one digit, an optional
// leading '-' (so that a negative value is reported as out of range rather
// than as not a number). No exponent, no "inf" or "nan".
bool isPlainDecimal(std::string_view text)
{
    if (!text.empty() && text[0] == '-')
        text.remove_prefix(1);
    bool digit = false;
    bool point = false;
    for (char ch : text) {
        if (ch >= '0' && ch <= '9') {
            digit = true;
        } else if (ch == '.' && !point) {
            point = true;
        } else {
            return false;
        }
    }
    return digit;
}

ParsedLine parseRandom(const std::vector<std::string_view>& t)
{
    if (t.size() < 2)
        return ParseError { "random needs at least one value" };
    RandomCommand command;
    for (std::size_t i = 1; i < t.size(); ++i) {
        double value = 0;
        bool parsed = isPlainDecimal(t[i]);
        if (parsed) {
            const auto [end, ec] = fromChars(t[i].data(), t[i].data() + t[i].size(), value);
            parsed = ec == std::errc {} && end == t[i].data() + t[i].size();
        }
        if (!parsed)
            return ParseError { "random value " + quoted(t[i]) + " is not a decimal number" };
        if (std::signbit(value) || value >= 1.0)
            return ParseError { "random value " + quoted(t[i]) + " is outside [0, 1)" };
        // The generator hands out single-precision values; one just below 1
        // would round up to 1 and is not a value the generator can give.
        const float single = static_cast<float>(value);
        if (single >= 1.0f)
            return ParseError { "random value " + quoted(t[i])
                + " rounds to 1 in single precision" };
        command.values.push_back(single);
    }
    return Command { std::move(command) };
}

ParsedLine parseSeed(const std::vector<std::string_view>& t)
{
    if (t.size() != 2)
        return ParseError { "seed takes one whole number 0..4294967295" };
    const auto seed = wholeNumber<std::uint32_t>(t[1]);
    if (!seed)
        return ParseError { "seed " + quoted(t[1]) + " is not a whole number 0..4294967295" };
    return Command { SeedCommand { *seed } };
}

ParsedLine parseSelect(const std::vector<std::string_view>& t)
{
    if (t.size() != 2)
        return ParseError { "select takes one of easy, medium, hard" };
    if (const auto level = levelFromName(t[1]))
        return Command { SelectCommand { *level } };
    return ParseError { "select " + quoted(t[1]) + ": the level is one of easy, medium, hard" };
}

// An edge named by its family and index, for the command `word`.
std::variant<Edge, ParseError> parseEdge(
    std::string_view word, std::string_view familyName, std::string_view indexText)
{
    Family family;
    if (familyName == "v")
        family = Vertical;
    else if (familyName == "h")
        family = Horizontal;
    else
        return ParseError { std::string(word) + " family " + quoted(familyName)
            + " is neither v nor h" };
    const auto index = wholeNumber<int>(indexText);
    if (!index || *index < 1 || *index > kEdgesPerFamily)
        return ParseError { std::string(word) + " index " + quoted(indexText)
            + " is not a whole number 1..30" };
    return Edge { family, *index };
}

ParsedLine parseClick(const std::vector<std::string_view>& t)
{
    if (t.size() != 3)
        return ParseError { "click takes a family (v or h) and an edge index 1..30" };
    auto edge = parseEdge(t[0], t[1], t[2]);
    if (auto* error = std::get_if<ParseError>(&edge))
        return std::move(*error);
    return Command { ClickCommand { std::get<Edge>(edge) } };
}

// One turn draws at most every edge of the board.
ParsedLine parseAnswer(const std::vector<std::string_view>& t)
{
    if (t.size() < 3 || t.size() % 2 == 0 || t.size() > 1 + 2 * 2 * kEdgesPerFamily)
        return ParseError { "answer takes one to 60 edges, each a family (v or h) and an index "
                            "1..30" };
    AnswerCommand answer;
    for (std::size_t i = 1; i < t.size(); i += 2) {
        auto edge = parseEdge(t[0], t[i], t[i + 1]);
        if (auto* error = std::get_if<ParseError>(&edge))
            return std::move(*error);
        answer.edges.push_back(std::get<Edge>(edge));
    }
    return Command { std::move(answer) };
}

// new, undo: the command word alone.
template <typename C> ParsedLine parseWithoutArguments(const std::vector<std::string_view>& t)
{
    if (t.size() != 1)
        return ParseError { std::string(t[0]) + " takes no arguments" };
    return Command { C {} };
}

ParsedLine parseExpert(const std::vector<std::string_view>& t)
{
    if (t.size() == 2 && (t[1] == "on" || t[1] == "off"))
        return Command { ExpertCommand { t[1] == "on" } };
    return ParseError { "expert takes on or off" };
}

// Reads "key=<marks>" into `marks`; the error names the key.
template <std::size_t N>
std::optional<ParseError> readMarks(
    std::string_view token, std::string_view key, std::array<Mark, N>& marks)
{
    const std::string_view text = token.substr(key.size() + 1);
    if (text.size() != N)
        return ParseError { "position " + std::string(key) + "= needs " + std::to_string(N)
            + " marks, got " + std::to_string(text.size()) };
    for (std::size_t i = 0; i < N; ++i) {
        switch (text[i]) {
        case 'a':
            marks[i] = Mark::a;
            break;
        case 'h':
            marks[i] = Mark::h;
            break;
        case 'c':
            marks[i] = Mark::c;
            break;
        default:
            return ParseError { "position " + std::string(key) + "= mark " + std::to_string(i + 1)
                + " is " + quoted(text.substr(i, 1)) + ", not a, h or c" };
        }
    }
    return std::nullopt;
}

// Every square owned exactly when its four sides are drawn; any other board
// is one that no game can reach and the game's scoring would not repair.
std::optional<ParseError> checkConsistent(const PositionCommand& p)
{
    auto drawn = [](const std::array<Mark, kEdgesPerFamily>& family, int index) {
        return family[static_cast<std::size_t>(index - 1)] != Mark::a;
    };
    for (int square = 1; square <= kSquareCount; ++square) {
        const SquareSides s = squareSides(square);
        const bool closed = drawn(p.vertical, s.var1) && drawn(p.horizontal, s.var2)
            && drawn(p.vertical, s.var3) && drawn(p.horizontal, s.var4);
        const bool owned = p.squares[static_cast<std::size_t>(square - 1)] != Mark::a;
        if (closed && !owned)
            return ParseError { "position square " + std::to_string(square)
                + " has all four sides drawn but no owner" };
        if (owned && !closed)
            return ParseError { "position square " + std::to_string(square)
                + " has an owner but an open side" };
    }
    return std::nullopt;
}

ParsedLine parsePosition(const std::vector<std::string_view>& t)
{
    static constexpr std::string_view kKeys[4] = { "v", "h", "sq", "turn" };
    static const std::string kUsage
        = "position takes v=<30 marks> h=<30 marks> sq=<25 marks> turn=<N>, in that order";
    if (t.size() != 5)
        return ParseError { kUsage };
    for (std::size_t k = 0; k < 4; ++k) {
        const std::string_view token = t[k + 1];
        const std::string_view key = kKeys[k];
        if (token.size() <= key.size() || token.substr(0, key.size()) != key
            || token[key.size()] != '=')
            return ParseError { kUsage + "; found " + quoted(token) };
    }

    PositionCommand p {};
    if (auto error = readMarks(t[1], "v", p.vertical))
        return *error;
    if (auto error = readMarks(t[2], "h", p.horizontal))
        return *error;
    if (auto error = readMarks(t[3], "sq", p.squares))
        return *error;
    const std::string_view turnText = t[4].substr(5);
    const auto turn = wholeNumber<int>(turnText);
    if (!turn || *turn > kMaxPositionTurn)
        return ParseError { "position turn= " + quoted(turnText) + " is not a whole number 0.."
            + std::to_string(kMaxPositionTurn) };
    p.turn = static_cast<std::int16_t>(*turn);
    if (auto error = checkConsistent(p))
        return *error;
    return Command { p };
}

} // namespace

namespace {

constexpr NameTable<Difficulty, 3> kLevels { { {
    { Difficulty::Easy, "easy" },
    { Difficulty::Medium, "medium" },
    { Difficulty::Hard, "hard" },
} } };

// Each command's word and parser, in the order of Command's alternatives, so
// that the writer finds a command's word by its index.
using Parser = ParsedLine (*)(const std::vector<std::string_view>&);
constexpr std::pair<std::string_view, Parser> kCommands[] = {
    { "random", parseRandom },
    { "seed", parseSeed },
    { "select", parseSelect },
    { "click", parseClick },
    { "new", parseWithoutArguments<NewCommand> },
    { "position", parsePosition },
    { "undo", parseWithoutArguments<UndoCommand> },
    { "expert", parseExpert },
    { "answer", parseAnswer },
};
static_assert(std::size(kCommands) == std::variant_size_v<Command>);

template <std::size_t N> std::string marks(const std::array<Mark, N>& list)
{
    std::string text;
    for (const Mark mark : list)
        text += markName(mark);
    return text;
}

// The shortest decimal that reads back as the value's double, in the plain
// notation the parser takes. The parser reads a double and narrows it to
// single precision, which gives back the very value written.
std::string decimal(float value)
{
    // The smallest single-precision value needs 45 decimal places.
    char text[128];
    return std::string(text, toChars(std::begin(text), std::end(text), static_cast<double>(value)));
}

// The arguments after a command's word, with the blank before them.
struct Arguments {
    std::string operator()(const RandomCommand& c) const
    {
        std::string text;
        for (const float value : c.values)
            text += ' ' + decimal(value);
        return text;
    }
    std::string operator()(const SeedCommand& c) const { return ' ' + std::to_string(c.seed); }
    std::string operator()(const SelectCommand& c) const
    {
        return ' ' + std::string(levelName(c.difficulty));
    }
    std::string operator()(const ClickCommand& c) const { return ' ' + clickName(c.edge); }
    std::string operator()(const NewCommand&) const { return {}; }
    std::string operator()(const PositionCommand& c) const
    {
        return " v=" + marks(c.vertical) + " h=" + marks(c.horizontal) + " sq=" + marks(c.squares)
            + " turn=" + std::to_string(c.turn);
    }
    std::string operator()(const UndoCommand&) const { return {}; }
    std::string operator()(const ExpertCommand& c) const { return c.on ? " on" : " off"; }
    std::string operator()(const AnswerCommand& c) const
    {
        std::string text;
        for (const Edge& edge : c.edges)
            text += ' ' + clickName(edge);
        return text;
    }
};

} // namespace

std::optional<Difficulty> levelFromName(std::string_view name) { return kLevels.find(name); }

std::string_view levelName(Difficulty level) { return kLevels.name(level); }

ParsedLine parseLine(std::string_view line)
{
    // Scripts written on Windows end their lines with "\r\n".
    if (!line.empty() && line.back() == '\r')
        line.remove_suffix(1);
    const std::vector<std::string_view> t = tokens(line);
    if (t.empty() || t[0][0] == '#')
        return NoCommand {};
    const std::string_view name = t[0];
    for (const auto& [command, parse] : kCommands) {
        if (name == command)
            return parse(t);
    }
    return ParseError { "unknown command " + quoted(name) };
}

std::string scriptLine(const Command& command)
{
    return std::string(kCommands[command.index()].first) + std::visit(Arguments {}, command);
}

std::string clickName(Edge edge)
{
    return std::string(edge.family == Vertical ? "v " : "h ") + std::to_string(edge.index);
}

bool playOnGame(Game& game, const Command& command)
{
    if (const auto* select = std::get_if<SelectCommand>(&command))
        game.selectDifficulty(select->difficulty);
    else if (const auto* click = std::get_if<ClickCommand>(&command))
        game.edgeClicked(click->edge);
    else if (std::holds_alternative<NewCommand>(command))
        game.mnuNew_Click();
    else if (std::holds_alternative<UndoCommand>(command))
        game.takeBack();
    else if (const auto* position = std::get_if<PositionCommand>(&command))
        game.setPosition(*position);
    else if (const auto* expert = std::get_if<ExpertCommand>(&command))
        game.setComputerFromOutside(expert->on);
    else
        return false;
    return true;
}

} // namespace quadlo
