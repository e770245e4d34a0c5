#include "look/label_fitting.h"

#include <QComboBox>
#include <QFontMetrics>
#include <QHash>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QWidget>
#include <algorithm>

namespace zodiac {
namespace {

constexpr int kSmallestPixelSize = 8;

// How far a label may grow to the right before it meets a sibling beside it.
int FreeWidth(const QLabel* label) {
    const QWidget* parent = label->parentWidget();
    const QRect own = label->geometry();
    int right = parent->width() - 4;
    for (const QObject* child : parent->children()) {
        const auto* sibling = qobject_cast<const QWidget*>(child);
        if (!sibling || sibling == label) continue;
        const QRect other = sibling->geometry();
        const bool beside = other.top() < own.bottom() && other.bottom() > own.top();
        if (beside && other.left() >= own.right()) right = std::min(right, other.left() - 2);
    }
    return std::max(own.width(), right - own.left());
}

bool Fits(const QLabel* label) {
    const QFontMetrics metrics(label->font());
    if (label->wordWrap()) {
        const QRect needed = metrics.boundingRect(QRect(0, 0, label->width(), 10000),
                                                  Qt::TextWordWrap | label->alignment(), label->text());
        return needed.height() <= label->height();
    }
    return metrics.horizontalAdvance(label->text()) <= label->width();
}

void Fit(QLabel* label) {
    if (label->text().isEmpty()) return;
    // Windows are built afresh on every run with the same texts: remember the fit.
    struct Fitted {
        int width, pixelSize;
    };
    static QHash<QString, Fitted> fitted;
    const QString key = label->text() + QLatin1Char('\x1f') + label->font().key() + QLatin1Char('\x1f') +
                        QString::number(label->width()) + QLatin1Char('x') + QString::number(label->height()) +
                        QLatin1Char('x') + QString::number(FreeWidth(label)) + (label->wordWrap() ? u'w' : u'l');
    if (const auto known = fitted.constFind(key); known != fitted.constEnd()) {
        label->resize(known->width, label->height());
        if (known->pixelSize != label->font().pixelSize()) {
            QFont font = label->font();
            font.setPixelSize(known->pixelSize);
            label->setFont(font);
        }
        return;
    }
    if (!Fits(label)) {
        if (!label->wordWrap()) {
            const int needed = QFontMetrics(label->font()).horizontalAdvance(label->text()) + 1;
            label->resize(std::min(needed, FreeWidth(label)), label->height());
        }
        QFont font = label->font();
        while (!Fits(label) && font.pixelSize() > kSmallestPixelSize) {
            font.setPixelSize(font.pixelSize() - 1);
            label->setFont(font);
        }
    }
    fitted.insert(key, {label->width(), label->font().pixelSize()});
}

// The room a closed list gives its current entry, as the style draws it.
int TextRoom(const QComboBox* list) {
    QStyleOptionComboBox option;
    option.initFrom(list);
    option.editable = list->isEditable();
    option.frame = list->hasFrame();
    const QRect field = list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list);
    return field.width() - 2;  // the label is drawn a pixel in from either side
}

// Whether every entry fits `room` in `font`; it stops at the first that does not.
bool EntriesFit(const QStringList& entries, const QFont& font, int room) {
    const QFontMetrics metrics(font);
    return std::all_of(entries.cbegin(), entries.cend(),
                       [&](const QString& entry) { return metrics.horizontalAdvance(entry) <= room; });
}

void Fit(QComboBox* list) {
    QStringList entries;
    entries.reserve(list->count());
    for (int i = 0; i < list->count(); ++i) entries << list->itemText(i);
    // The style gives the text the same room whatever its size.
    const int room = TextRoom(list);
    QFont font = list->font();
    // Lists alike fit alike, as the partner's beside the user's, and a window
    // built afresh: remember the fit.
    static QHash<QString, int> fitted;
    const QString key = entries.join(QLatin1Char('\x1f')) + QLatin1Char('\x1f') + font.key() + QLatin1Char('\x1f') +
                        QString::number(room);
    int pixelSize = fitted.value(key, 0);
    if (pixelSize == 0) {
        // Measured in each candidate size first, then given once: a list given
        // a font builds its drop-down window, if it has none yet, and lays out
        // every entry again.
        while (!EntriesFit(entries, font, room) && font.pixelSize() > kSmallestPixelSize) {
            font.setPixelSize(font.pixelSize() - 1);
        }
        pixelSize = font.pixelSize();
        fitted.insert(key, pixelSize);
    }
    if (pixelSize != list->font().pixelSize()) {
        font.setPixelSize(pixelSize);
        list->setFont(font);
    }
}

}  // namespace

void FitTexts(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) Fit(label);
    for (QComboBox* list : window->findChildren<QComboBox*>()) Fit(list);
}

}  // namespace zodiac
