// SPDX-License-Identifier: GPL-3.0-or-later
// The real clock of a shown turn.
#include "form/StepClock.h"

#include <utility>

namespace quadlo {

TimerStepClock::TimerStepClock()
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The call may ask for the next step, which replaces due_.
        const std::function<void()> due = std::exchange(due_, nullptr);
        if (due)
            due();
    });
}

void TimerStepClock::callAfter(int milliseconds, std::function<void()> due)
{
    due_ = std::move(due);
    timer_.start(milliseconds);
}

void TimerStepClock::cancel()
{
    timer_.stop();
    due_ = nullptr;
}

} // namespace quadlo
