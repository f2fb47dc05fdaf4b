#include "app/transientconfirmation.h"

#include <QToolTip>
#include <QWidget>

namespace app {

TransientConfirmation::TransientConfirmation(QWidget* control)
    : QObject(control)
    , m_control(control)
{
    m_end.setSingleShot(true);
    m_end.setInterval(kShownMs);
    connect(
        &m_end, &QTimer::timeout, this, [this] { m_control->setAccessibleDescription(QString()); });
}

void TransientConfirmation::show(const QString& text)
{
    announce(text);
    showTip(text);
}

void TransientConfirmation::announce(const QString& text)
{
    // Screen readers speak a changed description of a control; a description
    // that already says the same would change nothing, so clear it first.
    m_control->setAccessibleDescription(QString());
    m_control->setAccessibleDescription(text);
    m_end.start();
}

void TransientConfirmation::showTip(const QString& text)
{
    QToolTip::showText(
        m_control->mapToGlobal(QPoint(0, m_control->height())), text, m_control, QRect(), kShownMs);
}

} // namespace app
