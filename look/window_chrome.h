#pragma once

#include <QColor>
#include <QFont>
#include <optional>

class QWidget;

namespace zodiac {

enum class WindowKind {
    Window,  // one of the program's windows, unloaded when it closes
    OnTop,   // the same, kept above the other windows
    Dialog,  // modal, shown with exec() and owned by whoever opened it
};

// What a window of ours looks like from the outside: all carry the program's
// caption and a fixed-size frame with only a close button.
struct WindowChrome {
    const char* name;
    WindowKind kind;
    QColor text;
    QColor background;
    std::optional<QFont> font;  // none keeps the application's font
    int widthTwips;
    int heightTwips;
};

// Names the window and gives it its caption, frame and behaviour on closing. The
// colours, font and fixed size go to `client`, the area that holds the controls:
// the window itself unless it has menus above a central widget.
void DressWindow(QWidget* window, const WindowChrome& chrome, QWidget* client = nullptr);

}  // namespace zodiac
