// Where the moving pieces of a column gauge stand for a value, in twips.
#pragma once

namespace channels {

struct ColumnPieces {
    float bodyTop = 0;
    float bodyHeight = 0;
    float surfaceTop = 0;
};

// The body empties from the top as the value rises (full at 0, empty at max);
// its bottom edge stays at 1200 twips. The surface oval follows the body's top
// but never sinks below the top of the bottom oval.
ColumnPieces columnPieces(int value, int max, float bottomOvalTop);

} // namespace channels
