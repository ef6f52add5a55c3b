// Closes a top-level window as a window manager does when the close button
// of its title bar is clicked: a WM_DELETE_WINDOW message to the window.
//
//   x11_close_window <window id>      (decimal, as xdotool prints it)
#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    xcb_intern_atom_reply_t* reply =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (reply == nullptr) return XCB_ATOM_NONE;
    const xcb_atom_t a = reply->atom;
    std::free(reply);
    return a;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <window id>\n", argv[0]);
        return 2;
    }
    char* end = nullptr;
    const unsigned long id = std::strtoul(argv[1], &end, 0);
    if (end == argv[1] || *end != '\0' || id == 0) {
        std::fprintf(stderr, "not a window id: %s\n", argv[1]);
        return 2;
    }
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "cannot open the display\n");
        xcb_disconnect(c);
        return 1;
    }
    const xcb_atom_t protocols = atom(c, "WM_PROTOCOLS");
    const xcb_atom_t delete_window = atom(c, "WM_DELETE_WINDOW");
    xcb_client_message_event_t event{};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = static_cast<xcb_window_t>(id);
    event.type = protocols;
    event.data.data32[0] = delete_window;
    event.data.data32[1] = XCB_CURRENT_TIME;
    const xcb_void_cookie_t sent = xcb_send_event_checked(c, 0, event.window, XCB_EVENT_MASK_NO_EVENT,
                                                          reinterpret_cast<const char*>(&event));
    xcb_generic_error_t* error = xcb_request_check(c, sent);
    const int status = error == nullptr && protocols != XCB_ATOM_NONE && delete_window != XCB_ATOM_NONE ? 0 : 1;
    if (error != nullptr) {
        std::fprintf(stderr, "no such window: %s\n", argv[1]);
        std::free(error);
    }
    xcb_disconnect(c);
    return status;
}
