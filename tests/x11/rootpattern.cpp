// Tiles the root window of $DISPLAY with 256 x 256 pixels that all differ:
// the pixel at (x, y) of each tile is red x, green y, blue 90. The picker's
// tests point at a place and know which colour it must read there.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <vector>
#include <xcb/xcb.h>

namespace {

constexpr int kTile = 256;
constexpr int kBlue = 90;
// Four requests of 64 rows each stay below the core protocol's request size.
constexpr int kRowsPerRequest = 64;

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

const xcb_format_t* formatOfDepth(const xcb_setup_t* setup, uint8_t depth)
{
    const xcb_format_t* format = xcb_setup_pixmap_formats(setup);
    for (int i = 0; i < xcb_setup_pixmap_formats_length(setup); ++i, ++format) {
        if (format->depth == depth)
            return format;
    }
    return nullptr;
}

} // namespace

int main()
{
    std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get())) {
        std::fputs("rootpattern: cannot open the display\n", stderr);
        return 1;
    }
    xcb_connection_t* c = connection.get();
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_screen_t* screen = xcb_setup_roots_iterator(setup).data;
    const xcb_format_t* format = formatOfDepth(setup, screen->root_depth);
    // A 24-bit TrueColor root with 32 bits a pixel, as Xvfb and XWayland have:
    // the masks say where each channel goes.
    const xcb_visualtype_t* visual = nullptr;
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem && !visual;
         xcb_depth_next(&depths)) {
        for (auto v = xcb_depth_visuals_iterator(depths.data); v.rem; xcb_visualtype_next(&v)) {
            if (v.data->visual_id == screen->root_visual)
                visual = v.data;
        }
    }
    if (!format || format->bits_per_pixel != 32 || !visual || screen->root_depth != 24) {
        std::fputs("rootpattern: the root window is not 24-bit colour in 32-bit pixels\n", stderr);
        return 1;
    }
    const auto shiftOf = [](uint32_t mask) {
        int shift = 0;
        while (mask && !(mask & 1u)) {
            mask >>= 1;
            ++shift;
        }
        return shift;
    };
    const int red = shiftOf(visual->red_mask), green = shiftOf(visual->green_mask),
              blue = shiftOf(visual->blue_mask);
    const bool bigEndianServer = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;

    std::vector<uint8_t> rows(size_t(kTile) * kRowsPerRequest * 4);
    const xcb_pixmap_t tile = xcb_generate_id(c);
    xcb_create_pixmap(c, screen->root_depth, tile, screen->root, kTile, kTile);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, tile, 0, nullptr);
    for (int top = 0; top < kTile; top += kRowsPerRequest) {
        uint8_t* out = rows.data();
        for (int y = top; y < top + kRowsPerRequest; ++y) {
            for (int x = 0; x < kTile; ++x) {
                const uint32_t pixel
                    = uint32_t(x) << red | uint32_t(y) << green | uint32_t(kBlue) << blue;
                for (int byte = 0; byte < 4; ++byte)
                    *out++ = uint8_t(pixel >> (8 * (bigEndianServer ? 3 - byte : byte)));
            }
        }
        xcb_put_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, tile, gc, kTile, kRowsPerRequest, 0,
            int16_t(top), 0, screen->root_depth, uint32_t(rows.size()), rows.data());
    }
    // The server keeps the background after the pixmap's id is freed.
    xcb_change_window_attributes(c, screen->root, XCB_CW_BACK_PIXMAP, &tile);
    xcb_clear_area(c, 0, screen->root, 0, 0, 0, 0);
    xcb_free_gc(c, gc);
    xcb_free_pixmap(c, tile);
    // A round trip: every request above has reached the server before we go.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    return xcb_connection_has_error(c) ? 1 : 0;
}
