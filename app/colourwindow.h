// The one window: every control of the colour tool and the handling that ties them together.
#pragma once

#include "app/windowcontrols.h"
#include "app/windowdrag.h"
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

namespace app {

class TransientConfirmation;

class ColourWindow : public QWidget, private picker::PickerWindow {
    Q_OBJECT
public:
    explicit ColourWindow(platform::Platform& platform, QWidget* parent = nullptr);

    // Makes the window topmost, switches the picker off and sets the bars,
    // whose change handling computes and shows the first colour.
    void start();

    const WindowControls& controls() const { return m_c; }

    // The current colour into every swatch, bar and notation box.
    void showColour(colour::ColourNumber c);

    bool pickerActive() const;
    picker::ScreenPicker& screenPicker() { return *m_picker; }

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void connectHandlers();
    void setSwatches(colour::ColourNumber c);
    void applyKmlAlpha();
    void redrawPreview();
    bool refusedByPickerLock(channels::ChannelBar* bar);

    void followChannelBar(int channel);
    void commitChannelChange(int channel);
    void stepMaster();
    void commitMasterChange();
    void drawMasterColumn();
    void recentreMaster();
    void acceptTypedChannel(int channel);
    void applyTransparency();
    void chooseColour();
    void pickFromPreview(QPoint point);
    void setColourFromOutside(colour::ColourNumber c);

    void showPickerRunning(bool running) override;
    void emptyNotations() override;
    void setChannelBoxesEnabled(bool enabled) override;
    void showSample(QRgb pixel) override;
    colour::ColourNumber shownColour() const override;
    void commitColour(colour::ColourNumber c) override;
    void hintAtPicker(const QString& text) override;

    platform::Platform& m_platform;
    WindowControls m_c;
    // The current colour, which is also the hidden solid swatch the preview
    // blends from; the preview shows it. White until start-up sets it.
    colour::ColourNumber m_colour = colour::colourNumberOf(255, 255, 255);
    // Where the master stood at the end of its last completed step; empty
    // until the first one, and then counted as 0.
    std::optional<int> m_prevMaster;
    picker::ScreenPicker* m_picker = nullptr;
    TransientConfirmation* m_pickerHint = nullptr;
    WindowDrag m_drag;
};

} // namespace app
