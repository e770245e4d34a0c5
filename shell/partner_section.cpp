#include "shell/partner_section.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "core/reading.h"
#include "core/zodiac_state.h"
#include "look/twips.h"

namespace zodiac {
namespace {

constexpr int kFirstYear = 1936;
constexpr int kLastYear = 2008;

}  // namespace

void FillBirthLists(QComboBox* day, QComboBox* month, QComboBox* year) {
    // Each list in one go: the model takes a block of rows at once, not a row at a time.
    const auto numbers = [](int first, int last) {
        QStringList texts;
        for (int n = first; n <= last; ++n) texts << QString::number(n);
        return texts;
    };
    day->addItems(numbers(1, 31));
    month->addItems(MonthNames());
    year->addItems(numbers(kFirstYear, kLastYear));
    for (QComboBox* list : {day, month, year}) {
        list->setCurrentIndex(0);
        list->setMaxVisibleItems(12);
    }
}

void NameBirthFields(QLineEdit* name, QComboBox* month, QComboBox* day, QComboBox* year,
                     const std::array<const char*, 4>& names) {
    name->setAccessibleName(QString::fromUtf8(names[0]));
    const std::array<QComboBox*, 3> lists = {month, day, year};
    for (std::size_t i = 0; i < lists.size(); ++i) {
        lists[i]->setAccessibleName(QString::fromUtf8(names[i + 1]));
        lists[i]->setAccessibleDescription(QString::fromUtf8(names[i + 1]));
    }
}

PersonEntry EntryOf(const QLineEdit* name, const QComboBox* day, const QComboBox* month, const QComboBox* year) {
    const std::chrono::year_month_day date{
        std::chrono::year{year->currentText().trimmed().toInt()},
        std::chrono::month{static_cast<unsigned>(month->currentIndex() + 1)},
        std::chrono::day{static_cast<unsigned>(day->currentText().trimmed().toInt())}};
    return {name->text().trimmed(), date.ok() ? std::optional{date} : std::nullopt};
}

PartnerSection::PartnerSection(QWidget* client) : QGroupBox(QStringLiteral("Your Partner's Details")) {
    // The partner's section lies below the client area.
    // clang-format off
    Place(this,                                                     client, "Frame2",         {0, 7440, 3135, 1095});
    Label6         = Place(new QLabel("Name"),                      this,   "Label6",         {120, 375, 615, 255});
    txtFemaleName  = Place(new QLineEdit,                           this,   "txtFemaleName",  {1320, 360, 3375, 285});
    Label7         = Place(new QLabel("Birth Day"),                 this,   "Label7",         {120, 750, 855, 255});
    // Each list is made in its frame: a list given a new font once made builds
    // its drop-down window there and then, long before anyone opens it.
    cboFemaleMonth = Place(new QComboBox(this),                     this,   "cboFemaleMonth", {1320, 720, 1215, 315});
    cboFemaleDate  = Place(new QComboBox(this),                     this,   "cboFemaleDate",  {2640, 720, 855, 315});
    cboFemaleYear  = Place(new QComboBox(this),                     this,   "cboFemaleYear",  {3600, 720, 1095, 315});
    // clang-format on

    // Names for screen readers, as in the user's section: the lists are tied to no caption.
    Label6->setBuddy(txtFemaleName);
    NameBirthFields(txtFemaleName, cboFemaleMonth, cboFemaleDate, cboFemaleYear,
                    {"Partner's name", "Partner's birth month", "Partner's birth day", "Partner's birth year"});
    // The system's own colours: every role is marked as set, or the window's
    // colours would still be inherited through the unset ones.
    QPalette system = QApplication::palette();
    system.setResolveMask(~QPalette::ResolveMask{0});
    setPalette(system);
    setAutoFillBackground(true);
    FillBirthLists(cboFemaleDate, cboFemaleMonth, cboFemaleYear);
}

void PartnerSection::PlaceInTabOrder(QWidget* before, QWidget* after) {
    QWidget* const order[] = {before, txtFemaleName, cboFemaleMonth, cboFemaleDate, cboFemaleYear, after};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

PersonEntry PartnerSection::Entry() const {
    return EntryOf(txtFemaleName, cboFemaleDate, cboFemaleMonth, cboFemaleYear);
}

}  // namespace zodiac
