// A small vertical scroll bar that reports the notifications the colour logic is built on.
#pragma once

#include <QScrollBar>

namespace channels {

// scrolled: the thumb is being dragged; current() already follows it.
// changed: the value has changed, by an arrow, the keyboard, a thumb release
//          or code; raised synchronously inside setValue and only on a real change.
// gotFocus: the bar received the keyboard focus by a click, Tab or code.
class ChannelBar : public QScrollBar {
    Q_OBJECT
public:
    explicit ChannelBar(QWidget* parent = nullptr);

    // The value the handlers read: the thumb's position while it is dragged.
    int current() const { return sliderPosition(); }

    // Ends an arrow or trough press as if the button had been released, so
    // auto-repeat stops before a modal box takes the mouse away from the bar.
    void releasePress();

signals:
    void scrolled();
    void changed();
    void gotFocus();

protected:
    void focusInEvent(QFocusEvent* event) override;
};

} // namespace channels
