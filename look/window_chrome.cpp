#include "look/window_chrome.h"

#include <QDialog>
#include <QWidget>

#include "core/program_name.h"
#include "look/colours.h"
#include "look/twips.h"

namespace zodiac {

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
}

}  // namespace zodiac
