// The window's controls, by their design names.
#pragma once

#include "colour/notations.h"

#include <array>

class QLineEdit;
namespace channels {
class ChannelBar;
class ChannelEntry;
class ColumnGauge;
}
namespace transparency {
class PreviewBox;
class TransparencySlider;
}
namespace picker {
class PickerButton;
}
class QPushButton;

namespace app {

struct WindowControls {
    // Index 0, 1, 2: red, green, blue.
    std::array<channels::ChannelBar*, 3> channelBars {}; // Slider1..Slider3
    std::array<channels::ChannelEntry*, 3> channelBoxes {}; // red1, green1, blue1
    std::array<channels::ColumnGauge*, 3> channelColumns {}; // Label5(1), Label6(1), Label7(1)
    channels::ChannelBar* master = nullptr; // Slider4
    channels::ColumnGauge* masterColumn = nullptr; // Label7(2)

    transparency::PreviewBox* preview = nullptr; // Label1
    transparency::TransparencySlider* transparency = nullptr; // Slider5

    // Text1..Text8, at colour::indexOf(notation).
    std::array<QLineEdit*, colour::kNotationCount> notations {};
    QLineEdit* notation(colour::Notation n) const { return notations[colour::indexOf(n)]; }

    picker::PickerButton* pickerButton = nullptr; // Command1
    QPushButton* chooseColour = nullptr; // Command2
};

} // namespace app
