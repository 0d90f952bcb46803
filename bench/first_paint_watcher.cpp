// SPDX-FileCopyrightText: 2026 The Quellard developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The start-up benchmark's eye on the X server: it sees a program's first painted frame from the
// outside, as anyone watching the screen would, so that the programs measured carry no code of their
// own for it.
//     first_paint_watcher        (on $DISPLAY, the benchmark's private Xvfb)
// It prints "ready" once the server reports new top-level windows to it; a program started after
// that line cannot slip a window past it. When the first top-level window that a window manager
// would manage (not override-redirect: menus and tooltips are) has been mapped and then drawn into,
// it prints
//     first-paint <CLOCK_MONOTONIC in milliseconds> <window id>
// and exits. The drawing is seen through the X DAMAGE extension: a Damage object on each new
// top-level window, and the first DamageNotify of the mapped one.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <memory>
#include <set>

namespace {

struct FreeWithLibc {
    void operator()(void *block) const { std::free(block); }
};
template <typename Reply>
using XcbOwned = std::unique_ptr<Reply, FreeWithLibc>;

[[noreturn]] void fail(const char *why)
{
    std::fprintf(stderr, "first_paint_watcher: %s\n", why);
    std::exit(2);
}

double monotonicMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

xcb_window_t rootWindow(xcb_connection_t *connection, int screenNumber)
{
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(connection));
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i)
        xcb_screen_next(&screens);
    if (screens.rem == 0)
        fail("the display has no such screen");
    return screens.data->root;
}

// The server refuses every other Damage request from a client that has not first said which version
// it speaks.
uint8_t startDamage(xcb_connection_t *connection)
{
    const xcb_query_extension_reply_t *damage = xcb_get_extension_data(connection, &xcb_damage_id);
    if (!damage || !damage->present)
        fail("the X server has no DAMAGE extension");
    const XcbOwned<xcb_damage_query_version_reply_t> version(xcb_damage_query_version_reply(
        connection, xcb_damage_query_version(connection, XCB_DAMAGE_MAJOR_VERSION, XCB_DAMAGE_MINOR_VERSION), nullptr));
    if (!version)
        fail("the X server refused the DAMAGE extension");
    return damage->first_event;
}

// A checked request waits for the server's answer, so once this returns every top-level window
// created from then on is reported to us.
void listenForTopLevelWindows(xcb_connection_t *connection, xcb_window_t root)
{
    const uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    const XcbOwned<xcb_generic_error_t> error(xcb_request_check(
        connection, xcb_change_window_attributes_checked(connection, root, XCB_CW_EVENT_MASK, &events)));
    if (error)
        fail("the X server would not report new windows");
}

bool watchDrawing(xcb_connection_t *connection, xcb_window_t window)
{
    const XcbOwned<xcb_generic_error_t> error(
        xcb_request_check(connection, xcb_damage_create_checked(connection, xcb_generate_id(connection), window,
                                                                XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES)));
    return !error;
}

} // namespace

int main()
{
    int screenNumber = 0;
    xcb_connection_t *connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection))
        fail("cannot connect to the X display named by DISPLAY");
    const uint8_t damageNotify = startDamage(connection) + XCB_DAMAGE_NOTIFY;
    listenForTopLevelWindows(connection, rootWindow(connection, screenNumber));
    std::puts("ready");
    std::fflush(stdout);

    // The Damage goes on at creation, long before the program can map the window, wait for its
    // Expose and paint. Raw rectangles report every drawing, so nothing is lost if something should
    // ever draw before the map; only the first after it counts. Input-only windows (a toolkit's
    // hidden helpers) cannot be drawn into, and the server refuses them a Damage.
    std::set<xcb_window_t> damaged;
    xcb_window_t shown = XCB_NONE;
    while (const XcbOwned<xcb_generic_event_t> event{xcb_wait_for_event(connection)}) {
        const double seen = monotonicMilliseconds();
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto *created = reinterpret_cast<const xcb_create_notify_event_t *>(event.get());
            if (!created->override_redirect && watchDrawing(connection, created->window))
                damaged.insert(created->window);
        } else if (type == XCB_MAP_NOTIFY) {
            const auto *mapped = reinterpret_cast<const xcb_map_notify_event_t *>(event.get());
            if (shown == XCB_NONE && !mapped->override_redirect && damaged.contains(mapped->window))
                shown = mapped->window;
        } else if (type == damageNotify) {
            const auto *drawn = reinterpret_cast<const xcb_damage_notify_event_t *>(event.get());
            if (shown != XCB_NONE && drawn->drawable == shown) {
                std::printf("first-paint %.3f 0x%x\n", seen, shown);
                return 0;
            }
        }
    }
    fail("the X connection closed before a window was painted");
}
