// SPDX-License-Identifier: MIT
#include "frame_extents.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QThread>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <vector>

// On X11 the window manager is asked with _NET_REQUEST_FRAME_EXTENTS, and it answers by setting
// _NET_FRAME_EXTENTS on the window before it is mapped (the Extended Window Manager Hints). Other
// platforms, offscreen included, may offer the X11 interface without a connection.

namespace {

// How long a window manager that says it answers gets to do so.
constexpr int answerTimeoutMs = 500;
constexpr unsigned long pollIntervalMs = 5;

template <typename Reply> using Owned = std::unique_ptr<Reply, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const Owned<xcb_intern_atom_reply_t> reply(
        xcb_intern_atom_reply(
            connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window's property; none if it is not set or the window is gone.
std::vector<uint32_t> property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                               xcb_atom_t type) {
    xcb_generic_error_t* error = nullptr; // taken here, so that Qt does not report it
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, window, name, type, 0, 1024), &error),
        &std::free);
    std::free(error);
    if (!reply || reply->format != 32)
        return {};
    const auto* values = static_cast<const uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// A running manager names on the root a window of its own that names itself the same way; the
// root keeps _NET_SUPPORTED after the manager has gone.
bool windowManagerRuns(xcb_connection_t* connection, xcb_window_t root) {
    const xcb_atom_t check = atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<uint32_t> named = property(connection, root, check, XCB_ATOM_WINDOW);
    return named.size() == 1 && property(connection, named[0], check, XCB_ATOM_WINDOW) == named;
}

xcb_window_t rootOf(xcb_connection_t* connection, xcb_window_t window) {
    const Owned<xcb_query_tree_reply_t> reply(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, window), nullptr), &std::free);
    return reply ? reply->root : xcb_window_t{XCB_WINDOW_NONE};
}

} // namespace

QMargins expectedFrame(QWidget& window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return {};
    const auto id = static_cast<xcb_window_t>(window.winId()); // makes the native window
    const xcb_window_t root = rootOf(connection, id);
    const xcb_atom_t request = atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = atom(connection, "_NET_FRAME_EXTENTS");
    const std::vector<uint32_t> supported =
        property(connection, root, atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (root == XCB_WINDOW_NONE || request == XCB_ATOM_NONE ||
        std::find(supported.begin(), supported.end(), request) == supported.end() ||
        !windowManagerRuns(connection, root))
        return {}; // no window manager, or one that cannot tell

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    QElapsedTimer waited;
    waited.start();
    do {
        const std::vector<uint32_t> frame =
            property(connection, id, extents, XCB_ATOM_CARDINAL); // left, right, top, bottom
        if (frame.size() == 4) {
            const QMargins pixels(static_cast<int>(frame[0]), static_cast<int>(frame[2]),
                                  static_cast<int>(frame[1]), static_cast<int>(frame[3]));
            return pixels / window.devicePixelRatioF();
        }
        QThread::msleep(pollIntervalMs);
    } while (waited.elapsed() < answerTimeoutMs);
    return {};
}
