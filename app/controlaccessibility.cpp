#include "app/controlaccessibility.h"

#include "app/colourwindow.h"
#include "app/notationbox.h"
#include "app/notationboxaccessible.h"
#include "app/pickerbuttonaccessible.h"
#include "channels/columngauge.h"
#include "channels/columngaugeaccessible.h"
#include "picker/pickerbutton.h"
#include "transparency/previewbox.h"

#include <QAccessible>

namespace app {

namespace {

    // Qt names the class by its meta-object, namespace included; asking the
    // meta-object keeps a renamed class from silently losing its interface.
    template <typename T> bool is(const QString& className)
    {
        return className == QLatin1String(T::staticMetaObject.className());
    }

    QAccessibleInterface* factory(const QString& className, QObject* object)
    {
        if (!object || !object->isWidgetType())
            return nullptr;
        auto* widget = static_cast<QWidget*>(object);
        // A plain widget is a "filler" on AT-SPI; the window is a frame.
        if (is<ColourWindow>(className))
            return new QAccessibleWidget(widget, QAccessible::Window);
        if (is<transparency::PreviewBox>(className))
            return new QAccessibleWidget(widget, QAccessible::Graphic);
        if (is<picker::PickerButton>(className))
            return new PickerButtonAccessible(static_cast<QAbstractButton*>(widget));
        // The editable KML box keeps Qt's own line-edit interface.
        if (is<NotationBox>(className) && static_cast<NotationBox*>(widget)->isReadOnly())
            return new NotationBoxAccessible(static_cast<NotationBox*>(widget));
        if (is<channels::ColumnGauge>(className))
            return new channels::ColumnGaugeAccessible(static_cast<channels::ColumnGauge*>(widget));
        return nullptr;
    }

} // namespace

void installControlAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    (void)installed;
}

} // namespace app
