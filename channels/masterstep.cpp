#include "channels/masterstep.h"

namespace channels {

namespace {

    struct Direction {
        int nearEnd; // snapped onto the end before the step
        int end;
        int step;
    };

    constexpr Direction kDown { 1, 0, -2 };
    constexpr Direction kUp { 254, 255, +2 };

    bool moveAll(ChannelValues& channels, const Direction& d)
    {
        for (int ch = 0; ch < 3; ++ch) {
            if (channels.value(ch) == d.nearEnd)
                channels.setValue(ch, d.end);
        }
        if (channels.value(0) == d.end && channels.value(1) == d.end && channels.value(2) == d.end)
            return false;
        for (int ch = 0; ch < 3; ++ch) {
            const int target = channels.value(ch) + d.step;
            if (target >= 0 && target <= 255)
                channels.setValue(ch, target);
        }
        return true;
    }

} // namespace

bool masterStep(ChannelValues& channels, std::optional<int> previous, int master)
{
    const int p = previous.value_or(0);
    if (p > master)
        return moveAll(channels, kDown);
    if (p < master)
        return moveAll(channels, kUp);
    return true;
}

} // namespace channels
