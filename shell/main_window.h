#pragma once

#include "shell/zodiac_window.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zodiac {

class LinkLabel;
class MainCommand;
class PartnerSection;
class Platform;
struct ZodiacState;

// frmmain: the user enters a name and a birth date and asks for the sign. The
// partner's section lies below the client area, never seen but still in the tab
// order, and the main command reads it too.
class MainWindow : public ZodiacWindow {
    Q_OBJECT
public:
    // The main command leaves its findings in `state`.
    MainWindow(Platform& platform, WebLinks& links, MainCommand& command, ZodiacState& state);

    bool ValidateInput();
    void cmdProceed_Click();
    // Which advertisement lies in front, from a draw n of 1 to 7.
    void ArrangeAdvertisements(int draw);

signals:
    // The main command has run and left its findings in the state, for the result window to show.
    void ResultReady();

private:
    void BuildControls();
    void BuildMenus();

    QGroupBox* Frame3;
    LinkLabel* Label1;
    LinkLabel* Label2;
    QGroupBox* Frame5;
    QLabel* Label5;
    QGroupBox* Frame1;
    QLabel* Label3;
    QLineEdit* txtMaleName;
    QLabel* Label4;
    QComboBox* cboMaleMonth;
    QComboBox* CboMaleDate;
    QComboBox* cboMaleYear;
    QPushButton* cmdProceed;
    QGroupBox* fraFullBrand;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;
    PartnerSection* Frame2;

    QAction* mnuGetJapaneseZodiac;
    QAction* mnuExit;

    Platform& platform_;
    MainCommand& command_;
    ZodiacState& state_;
};

// The advertising draw: 6r + 1 rounded half to even, so 1 to 7 for r in [0, 1).
int AdvertisingDraw(double r);

}  // namespace zodiac
