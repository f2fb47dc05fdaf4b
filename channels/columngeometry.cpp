#include "channels/columngeometry.h"

namespace channels {

ColumnPieces columnPieces(int value, int max, float bottomOvalTop)
{
    // Worked in double, divide first, stored as single-precision twips: the
    // positions come out exactly as 495 + r etc. would when stored in floats.
    const double r = static_cast<double>(value) / max * 675;
    ColumnPieces p;
    p.bodyHeight = static_cast<float>(675 - r);
    p.bodyTop = static_cast<float>(525 + r);
    p.surfaceTop = static_cast<float>(495 + r);
    if (p.surfaceTop >= bottomOvalTop)
        p.surfaceTop = bottomOvalTop;
    return p;
}

} // namespace channels
