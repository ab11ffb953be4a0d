#pragma once

#include <QString>

// Starting the program when the user logs in to the desktop.
class LoginStart
{
public:
    virtual ~LoginStart() = default;

    virtual bool isEnabled() const = 0;
    // Turns it on or off; false, with the reason in `error`, when the change could not be made.
    virtual bool setEnabled(bool enabled, QString* error) = 0;
};
