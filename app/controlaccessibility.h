// What assistive technology is told about the window's own kinds of control.
#pragma once

namespace app {

// Installs the accessibility factory once. Qt keeps the first interface it
// makes for a widget, so this must run before the first control exists.
void installControlAccessibility();

} // namespace app
