// Assistive technology sees a read-only notation box as text it can read,
// select and copy, but not edit.
#pragma once

#include <QAccessibleWidget>

namespace app {

class NotationBox;

// Qt's own line-edit interface calls every line edit editable, read-only or not.
class NotationBoxAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit NotationBoxAccessible(NotationBox* box);

    static QString copyAction();

    void* interface_cast(QAccessible::InterfaceType type) override;
    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;

    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    NotationBox* box() const;
};

} // namespace app
