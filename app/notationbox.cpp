#include "app/notationbox.h"

#include "app/transientconfirmation.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMouseEvent>

namespace app {

NotationBox::NotationBox(Kind kind, QWidget* parent)
    : QLineEdit(parent)
{
    setReadOnly(kind == Kind::ReadOnly);
    m_confirmation = new TransientConfirmation(this);
}

QString NotationBox::confirmation()
{
    return tr("Copied");
}

bool NotationBox::copyAll()
{
    if (!copyWhole())
        return false;
    m_confirmation->showTip(confirmation());
    return true;
}

bool NotationBox::copyWhole()
{
    // While the picker runs most boxes are empty: copying nothing would wipe
    // what the user had on the clipboard and still claim success.
    if (text().isEmpty())
        return false;
    putOnClipboard(text());
    m_confirmation->announce(confirmation());
    return true;
}

void NotationBox::putOnClipboard(const QString& text)
{
    QGuiApplication::clipboard()->setText(text, QClipboard::Clipboard);
}

void NotationBox::selectAllAsPrimary()
{
    if (text().isEmpty())
        return;
    selectAll();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (clipboard->supportsSelection())
        clipboard->setText(text(), QClipboard::Selection);
}

QRect NotationBox::characterRect(int offset) const
{
    const QString t = text();
    if (offset < 0 || offset >= t.size())
        return {};
    const QFontMetrics metrics(font());
    const QRect cursor = cursorRect();
    const int x = cursor.center().x() + metrics.horizontalAdvance(t.left(offset))
        - metrics.horizontalAdvance(t.left(cursorPosition()));
    return { x, cursor.top(), metrics.horizontalAdvance(t.at(offset)), metrics.height() };
}

void NotationBox::focusInEvent(QFocusEvent* event)
{
    // The click's focus arrives before its press event does.
    m_focusByClick = event->reason() == Qt::MouseFocusReason;
    QLineEdit::focusInEvent(event);
}

void NotationBox::mousePressEvent(QMouseEvent* event)
{
    m_pressAt.reset();
    if (event->button() == Qt::LeftButton) {
        m_pressAt = event->position().toPoint();
        // Without the focus here the window itself is inactive: this click comes from outside.
        m_pressBroughtFocus = m_focusByClick || !hasFocus();
    }
    m_focusByClick = false;
    QLineEdit::mousePressEvent(event);
}

void NotationBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    // A word of "162, 129, 255" is no use to anyone: in a read-only box the
    // second click of a double-click is one more click.
    if (isReadOnly())
        mousePressEvent(event);
    else
        QLineEdit::mouseDoubleClickEvent(event);
}

void NotationBox::mouseReleaseEvent(QMouseEvent* event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton || !m_pressAt)
        return;
    const int moved = (event->position().toPoint() - *m_pressAt).manhattanLength();
    m_pressAt.reset();
    if (moved >= QApplication::startDragDistance() || hasSelectedText())
        return; // a drag that selected part of the text: that is for the primary selection
    if (isReadOnly()) {
        selectAllAsPrimary();
        copyAll();
    } else if (m_pressBroughtFocus) {
        selectAllAsPrimary();
    }
}

void NotationBox::keyPressEvent(QKeyEvent* event)
{
    const bool enter = (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    const bool copy = event->matches(QKeySequence::Copy);
    if (!enter && !copy) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    if (enter)
        QLineEdit::keyPressEvent(event); // still reports returnPressed
    event->accept();
    if (event->isAutoRepeat())
        return;
    bool done = false;
    if (copy && hasSelectedText()) {
        putOnClipboard(selectedText());
        m_confirmation->announce(confirmation());
        done = true;
    } else {
        done = copyWhole();
    }
    // Any key release hides a tooltip at once, so the tip waits for this key's own release.
    m_tipOnReleaseOf = done ? event->key() : 0;
}

void NotationBox::keyReleaseEvent(QKeyEvent* event)
{
    if (m_tipOnReleaseOf != 0 && event->key() == m_tipOnReleaseOf && !event->isAutoRepeat()) {
        m_tipOnReleaseOf = 0;
        m_confirmation->showTip(confirmation());
    }
    QLineEdit::keyReleaseEvent(event);
}

} // namespace app
