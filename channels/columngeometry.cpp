#include "channels/columngeometry.h"

namespace channels {

ColumnPieces columnPieces(int value, int max, const ColumnDesign& design)
{
    // Worked in double, divide first, stored as single-precision twips: the
    // positions come out exactly as 495 + r etc. would when stored in floats.
    constexpr int kBodyBottom = 1200; // where the body's bottom edge stays
    const int full = design.background.height();
    const double r = static_cast<double>(value) / max * full;
    ColumnPieces p;
    p.bodyHeight = static_cast<float>(full - r);
    p.bodyTop = static_cast<float>(kBodyBottom - full + r);
    p.surfaceTop = static_cast<float>(design.rim.top() + r);
    const auto lowest = static_cast<float>(design.bottom.top());
    if (p.surfaceTop >= lowest)
        p.surfaceTop = lowest;
    return p;
}

} // namespace channels
