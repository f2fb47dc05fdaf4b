// The master step: moving all three channels together by two.
#pragma once

#include <optional>

namespace channels {

// The three channel values as the master step sees them. Setting a value may
// run arbitrary nested work (the channel's change handling), so every test
// reads the values afresh.
class ChannelValues {
public:
    virtual ~ChannelValues() = default;
    virtual int value(int channel) const = 0;
    virtual void setValue(int channel, int value) = 0;
};

// Lowers every channel by 2 when the master fell below where it was at the
// end of the last step, raises them when it rose. A channel that cannot take
// the whole step stays, except that 1 drops to 0 and 254 rises to 255 first.
// Returns false when the step ended early because all channels already stood
// at the end of the scale (then the master is not redrawn and the remembered
// position stays behind); an empty previous position counts as 0.
bool masterStep(ChannelValues& channels, std::optional<int> previous, int master);

} // namespace channels
