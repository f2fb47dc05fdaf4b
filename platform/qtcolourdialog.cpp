#include "platform/colourdialog.h"

#include <QColorDialog>

namespace platform {

std::optional<QColor> QtColourDialog::choose(QWidget* parent, const QColor& initial)
{
    QColorDialog dialog(initial, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.selectedColor();
}

} // namespace platform
