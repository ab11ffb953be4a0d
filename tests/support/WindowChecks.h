#pragma once

#include <QStringList>

class QWidget;

// What a screen reader would get wrong in a window: a control that takes input or focus and has no
// name (the title of the group it sits in, which Qt falls back to, is none), or two such controls with
// the same name. Hidden controls are not read, so not checked.
QStringList unnamedOrTwiceNamedControls(QWidget* window);

// Controls that Tab stops on although they lie outside the window's visible area.
QStringList focusStopsOutOfSight(QWidget* window);

// The shown labels, buttons, check boxes and group titles of a window whose text does not fit the
// room the control has for it, within what its parents and the window show of it.
QStringList cutTexts(QWidget* window);
