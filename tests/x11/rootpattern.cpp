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
constexpr uint8_t kBlue = 90;
// Four requests of 64 rows each stay below the core protocol's request size.
constexpr int kRowsPerRequest = 64;

struct Disconnect {
    void operator()(xcb_connection_t* c) const { xcb_disconnect(c); }
};

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
    // Xvfb's 24-bit screen (privatedesktop.py) takes 32-bit pixels 0x00RRGGBB,
    // here least significant byte first.
    if (screen->root_depth != 24 || setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        std::fputs("rootpattern: the root window is not 24-bit colour, LSB first\n", stderr);
        return 1;
    }
    std::vector<uint8_t> rows(size_t(kTile) * kRowsPerRequest * 4);
    const xcb_pixmap_t tile = xcb_generate_id(c);
    xcb_create_pixmap(c, screen->root_depth, tile, screen->root, kTile, kTile);
    const xcb_gcontext_t gc = xcb_generate_id(c);
    xcb_create_gc(c, gc, tile, 0, nullptr);
    for (int top = 0; top < kTile; top += kRowsPerRequest) {
        uint8_t* out = rows.data();
        for (int y = top; y < top + kRowsPerRequest; ++y) {
            for (int x = 0; x < kTile; ++x) {
                *out++ = kBlue;
                *out++ = uint8_t(y);
                *out++ = uint8_t(x);
                *out++ = 0;
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
