#include "platform/qtmessageboxes.h"

#include <QMessageBox>

namespace platform {

void QtMessageBoxes::show(
    QWidget* parent, MessageIcon icon, const QString& title, const QString& text)
{
    static constexpr QMessageBox::Icon icons[]
        = { QMessageBox::Critical, QMessageBox::Warning, QMessageBox::Information };
    QMessageBox box(icons[static_cast<int>(icon)], title, text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace platform
