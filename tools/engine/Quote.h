// SPDX-License-Identifier: GPL-3.0-or-later
// How quadlo-engine words an error: one line that starts with the program's
// name, as Unix tools do, so that a pipeline's log says which program failed;
// a piece of the input in it is quoted as game/Quote.h quotes it.
#pragma once

#include <string>
#include <string_view>

#include "game/Quote.h"

namespace quadlo::engine {

// "quadlo-engine: error: <message>" and a line break.
inline std::string errorLine(std::string_view message)
{
    return "quadlo-engine: error: " + std::string(message) + '\n';
}

} // namespace quadlo::engine
