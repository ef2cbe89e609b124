#include "x_screen.h"

// Xlib's macros (None, Bool, Status...) clash with Qt's names: it comes after Qt.
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <memory>

namespace x_screen {
namespace {

// A connection of its own: every answer comes after what Qt has sent on its connection
// and the server has carried out.
struct Connection {
    Display* display = XOpenDisplay(nullptr);
    ~Connection() {
        if (display != nullptr) {
            XCloseDisplay(display);
        }
    }
};

}  // namespace

QColor colourAt(QPoint global) {
    Connection x;
    if (x.display == nullptr) {
        return QColor();
    }
    const auto destroy = [](XImage* image) { XDestroyImage(image); };
    std::unique_ptr<XImage, decltype(destroy)> image(
        XGetImage(x.display, DefaultRootWindow(x.display), global.x(), global.y(), 1, 1, AllPlanes,
                  ZPixmap),
        destroy);
    if (!image) {
        return QColor();
    }
    const unsigned long pixel = XGetPixel(image.get(), 0, 0);
    return QColor(int((pixel >> 16) & 0xff), int((pixel >> 8) & 0xff), int(pixel & 0xff));
}

unsigned long windowUnderPointer(QPoint global) {
    Connection x;
    if (x.display == nullptr) {
        return 0;
    }
    const Window root = DefaultRootWindow(x.display);
    XWarpPointer(x.display, 0, root, 0, 0, 0, 0, global.x(), global.y());
    Window window = root;
    // Down the tree to the innermost window that holds the pointer for input.
    for (;;) {
        Window rootReturn = 0;
        Window child = 0;
        int rootX = 0, rootY = 0, x0 = 0, y0 = 0;
        unsigned int mask = 0;
        if (!XQueryPointer(x.display, window, &rootReturn, &child, &rootX, &rootY, &x0, &y0,
                           &mask) ||
            child == 0) {
            return window;
        }
        window = child;
    }
}

}  // namespace x_screen
