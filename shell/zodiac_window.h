#pragma once

#include <QMainWindow>

class QAction;

namespace zodiac {

class ZodiacApp;

// What the main and result windows share: caption, fixed size, colours, and the
// Help, Donate and Make Money menus that open the maker's pages.
class ZodiacWindow : public QMainWindow {
    Q_OBJECT
public:
    QAction* mnuOnline = nullptr;
    QAction* mnuVisit = nullptr;
    QAction* mnuUpdate = nullptr;
    QAction* mnuAbout = nullptr;
    QAction* mnuDonate = nullptr;
    QAction* mnumakemoney = nullptr;

protected:
    ZodiacWindow(ZodiacApp& app, const char* name);

    // The area below the menu bar, where the controls live.
    QWidget* client() const { return client_; }
    void AddWebMenus(const QString& updateCaption, const char* helpSeparator, const char* updateSeparator);
    // Fixes the client area's size and keeps every label's text whole in it.
    void FinishLayout(int widthTwips, int heightTwips);

    ZodiacApp& app_;

private:
    QWidget* client_;
};

}  // namespace zodiac
