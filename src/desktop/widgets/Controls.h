#pragma once

#include <QFontMetrics>
#include <QLatin1String>
#include <QWidget>

// Gives a control the name by which the tests find it.
template <typename W> W* named(W* widget, const char* name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}

// A width that holds `chars` average characters of the control's font, so that it grows with the font.
inline int charsWide(const QWidget* widget, int chars)
{
    return widget->fontMetrics().averageCharWidth() * chars;
}
