#include "look/window_chrome.h"

#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QKeyEvent>
#include <QMainWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include "core/program_name.h"
#include "look/colours.h"
#include "look/twips.h"

namespace zodiac {
namespace {

// Enter and Return press the button with the focus, as Space does, the way
// buttons answer the keyboard on the desktop these windows come from; Qt does
// so only for a dialog's buttons that are left to be default ones. A box that
// takes Enter itself (the multi-line ones) keeps it, as the key never comes
// up to the window from there, and a default button never takes Enter from
// the button with the focus.
class EnterPressesFocusedButton : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) return false;
        if (key->modifiers() & ~Qt::KeypadModifier) return false;
        auto* button = qobject_cast<QPushButton*>(QApplication::focusWidget());
        if (!button || button->window() != watched || !button->isVisible() || !button->isEnabled()) return false;
        if (!key->isAutoRepeat()) button->click();  // held down, it presses once
        return true;
    }
};

bool OnWayland() { return QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

// The title bar our windows carry on Wayland. Qt 6.4's own there draws minimize and
// maximize whatever the window's flags say, and a minimized window has no way back on a
// desktop without a task bar, so the windows go without it and show this one: the
// caption, a close button, and a drag that moves the window.
class CaptionBar : public QWidget {
public:
    explicit CaptionBar(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("captionBar"));
        setPalette(QApplication::palette());
        setFont(QApplication::font());
        setAutoFillBackground(true);
        close_ = new QToolButton(this);
        close_->setObjectName(QStringLiteral("captionClose"));
        close_->setText(QStringLiteral("\u2715"));
        close_->setAccessibleName(QStringLiteral("Close"));
        close_->setAutoRaise(true);
        close_->setFocusPolicy(Qt::NoFocus);
        connect(close_, &QToolButton::clicked, window, &QWidget::close);
        const int height = fontMetrics().height() + 10;
        setGeometry(0, 0, window->width(), height);
        close_->setGeometry(width() - height, 0, height, height - 1);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.setPen(palette().color(QPalette::Mid));
        painter.drawLine(0, height() - 1, width(), height() - 1);
        painter.setPen(palette().color(QPalette::WindowText));
        const QRect text = rect().adjusted(8, 0, -close_->width() - 4, -1);
        painter.drawText(text, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(window()->windowTitle(), Qt::ElideRight, text.width()));
    }
    void mousePressEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && window()->windowHandle()) window()->windowHandle()->startSystemMove();
    }

private:
    QToolButton* close_;
};

// Keeps a window of fixed size whole on Wayland. The compositor may still ask for
// maximized or full screen (a key binding, a script), and Qt acknowledges that at once
// while keeping the fixed size, a mismatch the compositor ends the connection over; a
// minimize hides the window where nothing brings it back. Each is undone by mapping the
// window afresh, in its normal state, before it paints again.
class WaylandFrame : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Polish && !bar_) {
            AddBar(window);
        } else if (event->type() == QEvent::Show && window->windowHandle() && !watching_) {
            // A minimize asked of the window itself, not of the widget, shows only here.
            watching_ = true;
            connect(window->windowHandle(), &QWindow::windowStateChanged, this, [this, window](Qt::WindowState state) {
                if (state == Qt::WindowMinimized)
                    QMetaObject::invokeMethod(
                        this, [this, window] { Restore(window); }, Qt::QueuedConnection);
            });
        } else if (event->type() == QEvent::WindowTitleChange && bar_) {
            bar_->update();
        } else if (event->type() == QEvent::WindowStateChange && !restoring_) {
            const Qt::WindowStates away = Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;
            const auto* change = static_cast<QWindowStateChangeEvent*>(event);
            if ((window->windowState() & away) || (change->oldState() & Qt::WindowMinimized)) Restore(window);
        }
        return false;
    }

private:
    void AddBar(QWidget* window) {
        bar_ = new CaptionBar(window);
        const int height = bar_->height();
        if (auto* main = qobject_cast<QMainWindow*>(window)) {
            main->setContentsMargins(0, height, 0, 0);
        } else {
            for (QWidget* child : window->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
                if (child != bar_ && !child->isWindow()) child->move(child->x(), child->y() + height);
        }
        window->setFixedSize(window->minimumWidth(), window->minimumHeight() + height);
        bar_->resize(window->width(), height);
        bar_->raise();
    }
    void Restore(QWidget* window) {
        restoring_ = true;
        window->setWindowState(Qt::WindowNoState);
        if (QWindow* handle = window->windowHandle(); handle && window->isVisible()) {
            handle->hide();
            handle->show();
        }
        restoring_ = false;
    }

    CaptionBar* bar_ = nullptr;
    bool restoring_ = false;
    bool watching_ = false;
};

}  // namespace

void DressWindow(QWidget* window, const WindowChrome& chrome, QWidget* client) {
    if (!client) client = window;
    window->setObjectName(QLatin1String(chrome.name));
    window->setWindowTitle(kWindowCaption);
    Qt::WindowFlags flags =
        Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (OnWayland()) {
        // Qt drops the frameless hint beside any hint of a title, so it goes alone.
        flags = Qt::FramelessWindowHint;
        window->installEventFilter(new WaylandFrame(window));
    }
    if (chrome.kind == WindowKind::Dialog) {
        window->setWindowFlags(flags | Qt::Dialog);
        if (auto* dialog = qobject_cast<QDialog*>(window)) dialog->setModal(true);
    } else {
        window->setAttribute(Qt::WA_DeleteOnClose);
        if (chrome.kind == WindowKind::OnTop) flags |= Qt::WindowStaysOnTopHint;
        window->setWindowFlags(flags | Qt::Window);
    }
    SetColours(client, chrome.text, chrome.background);
    if (chrome.font) client->setFont(*chrome.font);
    client->setFixedSize(Px(chrome.widthTwips), Px(chrome.heightTwips));
    window->installEventFilter(new EnterPressesFocusedButton(window));
}

}  // namespace zodiac
