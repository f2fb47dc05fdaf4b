// The one window: every control of the colour tool and the handling that ties them together.
#pragma once

#include "app/controls.h"
#include "colour/notations.h"
#include "picker/pickerwindow.h"

#include <QWidget>
#include <optional>

namespace platform {
struct Platform;
}
namespace picker {
class ScreenPicker;
}

class Paleta : public QWidget, private picker::PickerWindow {
    Q_OBJECT
public:
    explicit Paleta(platform::Platform& platform, QWidget* parent = nullptr);

    // Start-up: makes the window topmost, switches the picker off and sets the
    // bars, whose change handling computes and shows the first colour.
    void formLoad();

    const PaletaControls& controls() const { return m_c; }
    std::optional<int> prevMaster() const { return m_prevMaster; }
    // The hidden solid swatch the preview blends from.
    QRgb picTaskColour() const { return m_picTask; }

    // The current colour into every swatch, bar and notation box.
    void updateColor(colour::ColourNumber c);

    bool pickerActive() const;
    picker::ScreenPicker& screenPicker() { return *m_picker; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void connectHandlers();
    void setSwatches(QRgb colour);
    void transP();
    void showTransparency();
    bool refusedByPicker(channels::ChannelBar* bar);

    void channelScroll(int channel);
    void channelChange(int channel);
    void masterScroll();
    void masterChange();
    void drawMasterColumn();
    void recentreMaster();
    void channelTyped(int channel);
    void transparencyChange();
    void chooseColour();
    void pickFromPreview(QPoint point);
    // A whole colour from outside the bars: the dialog, a pick, the picker's stop.
    void replaceColour(QRgb colour);

    void showPickerRunning(bool running) override;
    void emptyNotations() override;
    void setChannelBoxesEnabled(bool enabled) override;
    void showSample(QRgb colour) override;
    QRgb shownColour() const override;
    void commitColour(QRgb colour) override;

    platform::Platform& m_platform;
    PaletaControls m_c;
    QRgb m_picTask = qRgb(255, 255, 255);
    std::optional<int> m_prevMaster;
    picker::ScreenPicker* m_picker = nullptr;
    std::optional<QPoint> m_manualDragOffset;
};
