#pragma once

#include <QString>

class QWidget;

// Places a control by its design position and size in twips.
void place(QWidget* widget, int left, int top, int width, int height);

// Gives a control its design name, by which the tests find it.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
