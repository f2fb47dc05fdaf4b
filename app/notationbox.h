// A notation box: its whole text goes to the clipboard with one click or one key.
#pragma once

#include <QLineEdit>
#include <optional>

namespace app {

class TransientConfirmation;

// Read-only boxes copy on every click that selects nothing (a drag still
// selects part of the text, for the primary selection). The editable KML box
// never overwrites the clipboard on a click, since the user may be about to
// paste into it: the click that brings the focus in selects the whole text,
// which X11 puts in the primary selection. In every box Return or Enter, and
// Ctrl+C with nothing selected, copy the whole text.
class NotationBox : public QLineEdit {
    Q_OBJECT
public:
    // The kind is fixed at construction: assistive technology is told once
    // what kind of box this is.
    enum class Kind { ReadOnly, Editable };
    NotationBox(Kind kind, QWidget* parent);

    // Puts the whole text on the clipboard and says so; an empty box copies nothing.
    bool copyAll();

    // Where the character at offset is drawn, in the box's coordinates.
    QRect characterRect(int offset) const;

    static QString confirmation();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    bool copyWhole();
    void putOnClipboard(const QString& text);
    void selectAllAsPrimary();
    std::optional<QPoint> m_pressAt;
    bool m_focusByClick = false;
    bool m_pressBroughtFocus = false;
    int m_tipOnReleaseOf = 0;
    TransientConfirmation* m_confirmation = nullptr;
};

} // namespace app
