// Prints every key press and release the X server delivers, from any window, with the server's
// own timestamp: "press <keycode> <time ms>" / "release <keycode> <time ms>", one per line.
// The macro recording test compares the delays the tool recorded with these timestamps.
//   usage: key-stamps [seconds]   (ends after that many seconds, 60 by default)
#include <X11/Xlib.h>
#include <X11/extensions/XInput2.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <poll.h>

int main(int argc, char** argv)
{
    const int seconds = argc > 1 ? std::atoi(argv[1]) : 60;
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "key-stamps: no X display\n");
        return 1;
    }
    int opcode = 0, event = 0, error = 0;
    int major = 2, minor = 0;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error) ||
        XIQueryVersion(display, &major, &minor) != Success) {
        std::fprintf(stderr, "key-stamps: the X server has no XInput 2\n");
        return 1;
    }
    unsigned char bits[XIMaskLen(XI_LASTEVENT)] = {};
    XISetMask(bits, XI_RawKeyPress);
    XISetMask(bits, XI_RawKeyRelease);
    XIEventMask mask{XIAllMasterDevices, sizeof(bits), bits};
    XISelectEvents(display, DefaultRootWindow(display), &mask, 1);
    XFlush(display);
    std::printf("ready\n");
    std::fflush(stdout);

    const auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    pollfd fd{ConnectionNumber(display), POLLIN, 0};
    while (std::chrono::steady_clock::now() < end) {
        if (!XPending(display) && poll(&fd, 1, 100) <= 0)
            continue;
        XEvent ev;
        XNextEvent(display, &ev);
        XGenericEventCookie* cookie = &ev.xcookie;
        if (cookie->type != GenericEvent || cookie->extension != opcode ||
            !XGetEventData(display, cookie))
            continue;
        const auto* raw = static_cast<const XIRawEvent*>(cookie->data);
        std::printf("%s %d %lu\n", cookie->evtype == XI_RawKeyPress ? "press" : "release",
                    raw->detail, static_cast<unsigned long>(raw->time));
        std::fflush(stdout);
        XFreeEventData(display, cookie);
    }
    XCloseDisplay(display);
    return 0;
}
