#include "look/window_chrome.h"

#include <QApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QPushButton>
#include <QWidget>

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

}  // namespace

void DressWindow(QWidget* window, const WindowChrome& chrome, QWidget* client) {
    if (!client) client = window;
    window->setObjectName(QLatin1String(chrome.name));
    window->setWindowTitle(kWindowCaption);
    Qt::WindowFlags flags =
        Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
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
