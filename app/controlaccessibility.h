// What assistive technology is told about the window's own kinds of control.
#pragma once

class QAccessibleInterface;
class QObject;
class QString;

namespace controlaccessibility {

// Installs the factory once; widgets asked about before that keep Qt's defaults.
void install();

// For QAccessible::installFactory.
QAccessibleInterface* factory(const QString& className, QObject* object);

} // namespace controlaccessibility
