#pragma once

#include <QLatin1String>

// Gives a control the name by which the tests find it.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
