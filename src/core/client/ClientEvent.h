#pragma once

#include <QString>

// Something that happened which the history keeps and the tray may tell: the program's start and
// end, a new address, each group's update with its verdict, and each failure.
struct ClientEvent
{
    enum class Kind
    {
        Started,
        Ended,
        NewAddress,
        GroupUpdated,
        GroupFailed,
        // A check or fetch that failed: refused account, time-out, connection failed, unexpected reply.
        Failure,
    };

    Kind kind;
    QString group;
    QString address;
    // The reason of a failure, in the history's English words (FailureReasons::shown() gives it in
    // the reader's language); empty otherwise.
    QString reason;
};
