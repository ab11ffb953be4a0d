#include "core/client/UpdateCycle.h"

#include <limits>

namespace UpdateCycle {

Tick tick(qint32 minuteCounter, qint32 updateInterval, bool exchangeBusy)
{
    if (minuteCounter >= updateInterval && updateInterval > 0) {
        if (exchangeBusy)
            return {Step::Nothing, minuteCounter};
        return {Step::Update, 1};
    }
    // Widened: the interval comes from the settings file and may be the lowest 32-bit value.
    const bool checkStep = qint64(minuteCounter) == qint64(updateInterval) - 1 && !exchangeBusy;
    const qint32 next = minuteCounter < std::numeric_limits<qint32>::max() ? minuteCounter + 1 : minuteCounter;
    return {checkStep ? Step::CheckStep : Step::Nothing, next};
}

} // namespace UpdateCycle
