// SPDX-License-Identifier: GPL-3.0-or-later
// When the next move of a shown turn is due. The window uses a real timer;
// the tests step the clock by hand, so that none of them waits on real time.
#pragma once

#include <functional>

#include <QTimer>

namespace quadlo {

class StepClock {
public:
    virtual ~StepClock() = default;
    // Calls `due` once, `milliseconds` from now, replacing any earlier call.
    virtual void callAfter(int milliseconds, std::function<void()> due) = 0;
    virtual void cancel() = 0;
};

class TimerStepClock final : public StepClock {
public:
    TimerStepClock();
    void callAfter(int milliseconds, std::function<void()> due) override;
    void cancel() override;

private:
    QTimer timer_;
    std::function<void()> due_;
};

} // namespace quadlo
