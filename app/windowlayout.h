#pragma once

#include "app/windowcontrols.h"

class QWidget;

namespace app {

// Creates every control of the window at its designed place, with its stored
// start values, fonts, colours, names and tab order. Signals are not yet
// connected, so nothing reacts to the stored values.
WindowControls buildWindowControls(QWidget* window);

} // namespace app
