#include "app/notationboxaccessible.h"

#include "app/notationbox.h"

namespace app {

NotationBoxAccessible::NotationBoxAccessible(NotationBox* box)
    : QAccessibleWidget(box, QAccessible::EditableText)
{
}

NotationBox* NotationBoxAccessible::box() const
{
    return static_cast<NotationBox*>(widget());
}

QString NotationBoxAccessible::copyAction()
{
    return QStringLiteral("Copy");
}

void* NotationBoxAccessible::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessible::State NotationBoxAccessible::state() const
{
    QAccessible::State s = QAccessibleWidget::state();
    s.editable = false;
    s.readOnly = true;
    s.selectableText = true;
    return s;
}

QString NotationBoxAccessible::text(QAccessible::Text t) const
{
    if (t == QAccessible::Value)
        return box()->text();
    return QAccessibleWidget::text(t);
}

QStringList NotationBoxAccessible::actionNames() const
{
    return QAccessibleWidget::actionNames() << copyAction();
}

void NotationBoxAccessible::doAction(const QString& actionName)
{
    if (actionName == copyAction())
        box()->copyAll();
    else
        QAccessibleWidget::doAction(actionName);
}

void NotationBoxAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const
{
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !box()->hasSelectedText())
        return;
    *startOffset = box()->selectionStart();
    *endOffset = *startOffset + box()->selectionLength();
}

int NotationBoxAccessible::selectionCount() const
{
    return box()->hasSelectedText() ? 1 : 0;
}

void NotationBoxAccessible::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void NotationBoxAccessible::removeSelection(int selectionIndex)
{
    if (selectionIndex == 0)
        box()->deselect();
}

void NotationBoxAccessible::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex == 0)
        box()->setSelection(startOffset, endOffset - startOffset);
}

int NotationBoxAccessible::cursorPosition() const
{
    return box()->cursorPosition();
}

void NotationBoxAccessible::setCursorPosition(int position)
{
    box()->setCursorPosition(position);
}

QString NotationBoxAccessible::text(int startOffset, int endOffset) const
{
    if (startOffset > endOffset)
        return {};
    return box()->text().mid(startOffset, endOffset - startOffset);
}

int NotationBoxAccessible::characterCount() const
{
    return box()->text().size();
}

QRect NotationBoxAccessible::characterRect(int offset) const
{
    const QRect r = box()->characterRect(offset);
    return r.isNull() ? r : r.translated(box()->mapToGlobal(QPoint(0, 0)));
}

int NotationBoxAccessible::offsetAtPoint(const QPoint& point) const
{
    const QPoint local = box()->mapFromGlobal(point);
    if (!box()->rect().contains(local))
        return -1;
    return box()->cursorPositionAt(local);
}

void NotationBoxAccessible::scrollToSubstring(int, int endIndex)
{
    box()->setCursorPosition(endIndex);
}

QString NotationBoxAccessible::attributes(int, int* startOffset, int* endOffset) const
{
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

} // namespace app
