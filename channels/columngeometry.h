// A column gauge's pieces: the fixed ones as designed, and where the moving
// ones stand for a value, in twips.
#pragma once

#include <QColor>
#include <QRect>
#include <optional>

namespace channels {

// The fixed pieces of a column, in twips of the window (15 twips a pixel).
struct ColumnDesign {
    QRect background; // label behind the body, in the theme's text-entry background
    int bodyLeft = 0; // the body may sit a little off its background
    int bodyWidth = 0;
    QRect rim; // top rim oval
    std::optional<QColor> rimFill;
    int surfaceLeft = 0;
    QRect bottom; // bottom oval, the lowest the surface may sink
    QColor liquid;
};

struct ColumnPieces {
    float bodyTop = 0;
    float bodyHeight = 0;
    float surfaceTop = 0;
};

// The body, as high as the background at 0, empties from the top as the
// value rises (empty at max); its bottom edge stays at 1200 twips. The surface
// oval follows the body's top from the rim down, but never sinks below the top
// of the bottom oval.
ColumnPieces columnPieces(int value, int max, const ColumnDesign& design);

} // namespace channels
