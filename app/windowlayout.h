#pragma once

#include "app/controls.h"

class QWidget;

// Creates every control of the window at its designed place, with its stored
// start values, fonts, colours, names and tab order. Signals are not yet
// connected, so nothing reacts to the stored values.
PaletaControls buildPaletaControls(QWidget* window);
