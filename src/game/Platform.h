// What the game needs from the platform that runs it, besides the random
// source: modal message boxes, and a form whose controls can be reloaded and a
// program that can be ended. The window implements these for real; the tests
// and the headless tool implement them to record what happened.
#pragma once

#include <string>

namespace quadlo {

// Message box styles used by the game.
inline constexpr int kStyleOkOnly = 0;
inline constexpr int kStyleInformation = 64;

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Modal: returns once the user has closed the box. Line breaks in `text`
    // are "\r\n".
    virtual void showMessage(const std::string& text, int style, const std::string& title) = 0;
};

class FormHost {
public:
    virtual ~FormHost() = default;
    // New Game has put every control of the model back into its design state;
    // the form reloads its controls to match.
    virtual void reloadForm() = 0;
    // Exit: end the program at once.
    virtual void endProgram() = 0;
};

} // namespace quadlo
