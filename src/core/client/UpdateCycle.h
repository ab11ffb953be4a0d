#pragma once

#include <QtGlobal>

// The automatic cycle's minute tick: every `updateInterval` minutes a check step (IP and version
// check) and, a minute later, the update of the checked groups.
namespace UpdateCycle {

// The shortest interval the preferences store, and what an interval of 0 (none chosen yet) becomes.
inline constexpr qint32 kShortestInterval = 15;

enum class Step
{
    Nothing,
    CheckStep,
    Update
};

struct Tick
{
    Step step = Step::Nothing;
    // The minute counter after this tick.
    qint32 minuteCounter = 1;
};

// What one minute tick does. An update that finds the exchange busy waits for the next tick; a
// check step that finds it busy is skipped for the cycle. An interval of 0 or less sends nothing.
Tick tick(qint32 minuteCounter, qint32 updateInterval, bool exchangeBusy);

} // namespace UpdateCycle
