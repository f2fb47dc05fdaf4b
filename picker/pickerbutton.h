// The eyedropper button that starts and stops the screen colour picker.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace picker {

// Looks pressed (a single border) while the picker runs. The picker decides
// that state: a click only reports itself, it does not toggle anything.
class PickerButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PickerButton(const QPixmap& pipette, QWidget* parent = nullptr);

    QSize sizeHint() const override { return { 25, 25 }; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void nextCheckState() override { } // checked mirrors the picker, set from outside
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    QPixmap m_pipette;
};

} // namespace picker
