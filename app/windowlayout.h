#pragma once

#include "app/windowcontrols.h"

#include <array>

class QWidget;

namespace app {

// The values the design stores in the red, green, blue and master bars.
inline constexpr std::array<int, 4> kStoredBarValues { 160, 120, 90, 113 };

// Creates every control of the window at its designed place, with its stored
// start values, fonts, colours, names and tab order. Signals are not yet
// connected, so nothing reacts to the stored values.
WindowControls buildWindowControls(QWidget* window);

} // namespace app
