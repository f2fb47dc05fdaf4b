#pragma once

#include <QLabel>

namespace app {

// A caption of the window: blue text on the window's background. A press on
// it does nothing, unless it is a handle that drags the window.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    enum class Press { Swallow, DragWindow };

    CaptionLabel(const QString& text, Press press, QWidget* parent = nullptr);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    Press m_press;
};

} // namespace app
