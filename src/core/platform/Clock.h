#pragma once

#include <QDateTime>

class Clock
{
public:
    virtual ~Clock() = default;

    // The local date and time now.
    virtual QDateTime now() const = 0;
};
