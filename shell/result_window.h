#pragma once

#include "shell/result_boxes.h"
#include "shell/zodiac_window.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QWidget;

namespace zodiac {

class LinkLabel;
class ResultDetailsTab;
struct ZodiacState;

// frmchiness: the user's sign, its picture, Japanese name and symbol, element and
// profile. A tab control below the client area holds the partner's profile and
// the pair's compatibility: never seen, but filled on every run.
class ResultWindow : public ZodiacWindow {
    Q_OBJECT
public:
    explicit ResultWindow(WebLinks& links);

    // Shows what the main command found: every label, box and picture, from the
    // state alone.
    void Show(const ZodiacState& state);

    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

signals:
    // Back: the main window shows again as this one closes.
    void BackRequested();
    // Print: the report of the reading shown.
    void PrintRequested();

private:
    void BuildVisible(QWidget* client);
    void BuildMenus();

    LinkLabel* Label1;
    QGroupBox* Framale;
    ValueLabel* lblMaleChinesesign;
    QLineEdit* txtMaleRulingPlanet;
    QLineEdit* txtMaleWesternZodiacSign;
    QPlainTextEdit* txtMalePositiveTraits;
    QPlainTextEdit* txtMaleNegativeTraits;
    QLineEdit* txtMaleGemStone;
    QLineEdit* txtMaleLuckycolour;
    QLineEdit* txtMaleEnergy;
    QLineEdit* txtMaleLuckySeasons;
    QLineEdit* txtMaleLuckyMonth;
    QLineEdit* txtMaleLuckyNumber;
    QLineEdit* txtMaleMostCompatibleSign;
    QLineEdit* txtMAleLeastCompatibleSign;
    QLineEdit* txtMaleFamousPersonBorn;
    QLabel* YourPicture;
    QWidget* Picture1;
    ValueLabel* lblJapaneseSign;
    QLabel* picJapaneseSignSymbol;
    QWidget* Picture2;
    ValueLabel* lblMaleChineseElements;
    QPlainTextEdit* txtMaleElementDescription;
    QGroupBox* Frame1;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;
    QPushButton* cmdBack;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;
    ResultDetailsTab* SSTab;

    QAction* mnuBack;
    QAction* mnuPrint;
    QAction* mnuExit;

    // The profile boxes in the order of the profile's positions.
    ProfileBoxes userBoxes_{};
};

}  // namespace zodiac
