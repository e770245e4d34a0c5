#pragma once

#include <QTabWidget>

#include "shell/result_boxes.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zodiac {

struct ZodiacState;

// SSTab: the result window's tab control below its client area, never seen but
// filled on every run: the pair's compatibility, an empty tab for the user, and
// the partner's profile. (No Q_OBJECT: it has no signals of its own, and keeps
// the tab control's class name for the style and for screen readers.)
class ResultDetailsTab : public QTabWidget {
public:
    // Made in its place in `client`, so that its boxes take their fonts from the window.
    explicit ResultDetailsTab(QWidget* client);

    // The partner's reading and the pair's match; a side the state lacks stays empty.
    void Fill(const ZodiacState& state);

private:
    void BuildCompatibilityTab(QWidget* tab);
    void BuildPartnerTab(QWidget* tab);

    QGroupBox* fracompalibility;
    ValueLabel* lblChineseCompatibilityNumber;
    ValueLabel* lblChinesePercentage;
    ValueLabel* lblChineseRating;
    QLabel* lblMatchingDescription;
    QPlainTextEdit* txtMatchingDescription;
    QGroupBox* Frafemale;
    ValueLabel* lblFemaleChineseSign;
    ValueLabel* lblFemaleChineseElements;
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

    ProfileBoxes partnerBoxes_{};
};

}  // namespace zodiac
