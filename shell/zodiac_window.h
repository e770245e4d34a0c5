#pragma once

#include <QMainWindow>
#include <utility>

#include "look/twips.h"

class QAction;

namespace zodiac {

class LinkLabel;
class WebLinks;

// What the main and result windows share: caption, fixed size, colours, the
// Help, Donate and Make Money menus that open the maker's pages, the advertising
// offers, and how they close.
class ZodiacWindow : public QMainWindow {
    Q_OBJECT
signals:
    // Help > About Software.
    void AboutRequested();
    // The window is closing, for good or (not `forGood`) only to go back to the
    // main window; either way it is gone.
    void Closing(bool forGood);

protected:
    // The client area has a fixed size; the window adds the menu bar above it.
    ZodiacWindow(WebLinks& links, const char* name, int widthTwips, int heightTwips);

    // The area below the menu bar, where the controls live.
    QWidget* client() const { return client_; }
    void AddWebMenus(const QString& updateCaption, const char* helpSeparator, const char* updateSeparator);
    // The co-branding and full-branding offers, one over the other in the same
    // place, each opening its page; the one placed last lies in front.
    std::pair<LinkLabel*, LinkLabel*> PlaceOffers(QWidget* frame, Twips rect);
    // Fixes the window's size, menus in, and keeps every label's text whole.
    void FinishLayout();
    // Closes the window for Back: the main window takes over, not the exit screen.
    void CloseToGoBack();

    void closeEvent(QCloseEvent* event) override;

    WebLinks& links_;

private:
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnumakemoney = nullptr;

    QWidget* client_;
    bool goingBack_ = false;
};

}  // namespace zodiac
