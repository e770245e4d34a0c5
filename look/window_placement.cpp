#include "look/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMargins>
#include <QScreen>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace zodiac {
namespace {

// The window manager gives all our windows the same decoration, so the margins of
// the last window seen framed are the best guess for the next one, which has no
// frame yet when it is placed.
QMargins knownFrame;

// Centred where the frame fits the screen's free area; where it does not, as on
// a small screen at a high scale, its top-left corner stays on that area, so the
// title bar and the menu can be reached.
QPoint CentredTopLeft(const QSize& frameSize) {
    QRect frame(QPoint(), frameSize);
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return frame.topLeft();
    const QRect available = screen->availableGeometry();
    frame.moveCenter(available.center());
    return {std::max(frame.left(), available.left()), std::max(frame.top(), available.top())};
}

// Waits for the window's first exposure, when its frame is real: learns the
// margins and, if the guess was wrong, sets the window right once. Only then,
// before anyone could have moved the window, and never again.
class FrameCheck : public QObject {
public:
    explicit FrameCheck(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("frameCheck"));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The expose goes to the native window, which exists once the widget is shown.
        if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle()) {
            window_->windowHandle()->installEventFilter(this);
        } else if (watched != window_ && event->type() == QEvent::Expose && window_->windowHandle()->isExposed()) {
            window_->windowHandle()->removeEventFilter(this);
            window_->removeEventFilter(this);
            Correct();
            deleteLater();
        }
        return false;
    }

private:
    void Correct() const {
        const QRect client = window_->geometry();
        const QRect frame = window_->frameGeometry();
        if (frame == client) return;  // no decoration here, nothing to learn or correct
        knownFrame = {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                      frame.bottom() - client.bottom()};
        const QPoint centred = CentredTopLeft(frame.size());
        if (frame.topLeft() != centred) window_->move(centred);
    }

    QWidget* window_;
};

}  // namespace

void CentreOnScreen(QWidget* window) {
    // A window already framed knows its frame; one not yet shown gets the best guess.
    const QRect frame = window->frameGeometry();
    const QSize frameSize = frame != window->geometry() ? frame.size() : frame.size().grownBy(knownFrame);
    window->move(CentredTopLeft(frameSize));
    if (!window->isVisible() && !window->findChild<QObject*>(QStringLiteral("frameCheck"), Qt::FindDirectChildrenOnly))
        new FrameCheck(window);
}

}  // namespace zodiac
