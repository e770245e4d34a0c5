#pragma once

#include <QGroupBox>
#include <array>

class QComboBox;
class QLabel;
class QLineEdit;

namespace zodiac {

struct PersonEntry;

// The day, month and year lists of a birth: 1 to 31, January to December and
// 1936 to 2008, each at its first entry.
void FillBirthLists(QComboBox* day, QComboBox* month, QComboBox* year);
// Names the name box and the month, day and year lists for screen readers, in
// that order. Qt names a list by its entry on Linux, so each list's description
// keeps what it is for: the three share one caption.
void NameBirthFields(QLineEdit* name, QComboBox* month, QComboBox* day, QComboBox* year,
                     const std::array<const char*, 4>& names);
// A name and the birth the lists name; no date for a day its month lacks.
PersonEntry EntryOf(const QLineEdit* name, const QComboBox* day, const QComboBox* month, const QComboBox* year);

// Frame2: the partner's name and birth, in the main window below its client
// area, never seen but still in the Tab order. It keeps the system's colours.
// (No Q_OBJECT: it has no signals of its own, and keeps the frame's class name
// for the style and for screen readers.)
class PartnerSection : public QGroupBox {
public:
    // Made in its place in `client`, so that its lists take their fonts there.
    explicit PartnerSection(QWidget* client);

    // Its fields follow `before` in the Tab order, and `after` follows them.
    void PlaceInTabOrder(QWidget* before, QWidget* after);
    // What the partner's fields hold now.
    PersonEntry Entry() const;

private:
    QLabel* Label6;
    QLineEdit* txtFemaleName;
    QLabel* Label7;
    QComboBox* cboFemaleMonth;
    QComboBox* cboFemaleDate;
    QComboBox* cboFemaleYear;
};

}  // namespace zodiac
