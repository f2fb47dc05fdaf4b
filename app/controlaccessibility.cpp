#include "app/controlaccessibility.h"

#include "app/notationbox.h"
#include "app/notationboxaccessible.h"
#include "app/pickerbuttonaccessible.h"
#include "channels/columngaugeaccessible.h"

#include <QAbstractButton>
#include <QAccessible>

namespace controlaccessibility {

void install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

QAccessibleInterface* factory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    auto* widget = static_cast<QWidget*>(object);
    // A plain widget is a "filler" on AT-SPI; the window is a frame.
    if (className == QLatin1String("Paleta"))
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("transparency::PreviewBox"))
        return new QAccessibleWidget(widget, QAccessible::Graphic);
    if (className == QLatin1String("picker::PickerButton"))
        return new PickerButtonAccessible(static_cast<QAbstractButton*>(widget));
    // The editable KML box keeps Qt's own line-edit interface.
    if (className == QLatin1String("NotationBox")
        && static_cast<NotationBox*>(widget)->isReadOnly())
        return new NotationBoxAccessible(static_cast<NotationBox*>(widget));
    return channels::ColumnGaugeAccessible::factory(className, object);
}

} // namespace controlaccessibility
