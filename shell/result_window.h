#pragma once

#include <array>

#include "engine/profiles.h"
#include "shell/zodiac_window.h"

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTabWidget;
class QWidget;

namespace zodiac {

class LinkLabel;
struct JapaneseSign;
struct ZodiacState;

// frmchiness: the user's sign, its picture, Japanese name and symbol, element and
// profile. A tab control below the client area holds the partner's profile and
// the pair's compatibility: never seen, but filled on every run.
class ResultWindow : public ZodiacWindow {
    Q_OBJECT
public:
    explicit ResultWindow(WebLinks& links);

    void ShowJapaneseSign(const JapaneseSign& sign);
    void Fill(const ZodiacState& state);
    // Each person's animal picture, found through the western sign in their profile.
    void PickPictures();

    void cmdBack_Click();
    void cmdPrint_Click();
    void cmdExit_Click();

    LinkLabel* Label1;
    QGroupBox* Framale;
    QLabel* lblMaleChinesesign;
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
    QLabel* lblJapaneseSign;
    QLabel* picJapaneseSignSymbol;
    QWidget* Picture2;
    QLabel* lblMaleChineseElements;
    QPlainTextEdit* txtMaleElementDescription;
    QGroupBox* Frame1;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;
    QPushButton* cmdBack;
    QPushButton* cmdPrint;
    QPushButton* cmdExit;

    QTabWidget* SSTab;
    QGroupBox* fracompalibility;
    QLabel* lblChineseCompatibilityNumber;
    QLabel* lblChinesePercentage;
    QLabel* lblChineseRating;
    QLabel* lblMatchingDescription;
    QPlainTextEdit* txtMatchingDescription;
    QGroupBox* Frafemale;
    QLabel* lblFemaleChineseSign;
    QLabel* lblFemaleChineseElements;
    QLineEdit* txtFemaleRulingPlanet;
    QPlainTextEdit* txtFemalePositiveTraits;
    QPlainTextEdit* txtFemaleNegativeTraits;
    QLineEdit* txtFemaleMostCompatibleSign;
    QLineEdit* txtFemaleLeastCompitibleSign;
    QLineEdit* txtFemaleLuckycolour;
    QLineEdit* txtFemaleGemStone;
    QLineEdit* txtFemaleEnergy;
    QLineEdit* txtFemaleLuckySeasons;
    QLineEdit* txtFemaleLuckyMonth;
    QLineEdit* txtFemaleFamousPerson;
    QLineEdit* txtFemaleWesternZodiacSign;
    QLineEdit* txtFemaleLuckyNumber;
    QPlainTextEdit* txtFemaleelementDescription;
    QLabel* YourPartnerPicture;

    QAction* mnuBack;
    QAction* mnuPrint;
    QAction* mnuExit;

signals:
    // Back: the main window shows again as this one closes.
    void backRequested();
    // Print: the report of the sign shown.
    void printRequested(const QString& japaneseSign);

private:
    void BuildVisible(QWidget* client);
    void BuildCompatibilityTab(QWidget* tab);
    void BuildPartnerTab(QWidget* tab);
    void BuildMenus();

    // The profile boxes in the order of the profile's positions.
    std::array<QWidget*, kProfileFieldCount> userBoxes_{};
    std::array<QWidget*, kProfileFieldCount> partnerBoxes_{};
};

}  // namespace zodiac
