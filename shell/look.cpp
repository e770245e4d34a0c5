#include "look.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>

namespace zodiac {

QFont Verdana() {
    static const bool standIn = [] {
        QFont::insertSubstitutions(QStringLiteral("Verdana"),
                                   {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        return true;
    }();
    Q_UNUSED(standIn);
    return QFont(QStringLiteral("Verdana"));
}

QFont VerdanaFont(double points, bool bold, bool underline) {
    QFont font = Verdana();
    font.setPixelSize(static_cast<int>(std::lround(points * 96.0 / 72.0)));
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

void SetTextColour(QWidget* widget, const QColor& text) {
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) palette.setColor(role, text);
    widget->setPalette(palette);
}

void SetColours(QWidget* widget, const QColor& text, const QColor& background) {
    SetTextColour(widget, text);
    QPalette palette = widget->palette();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) palette.setColor(role, background);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QString BoxText(const QObject* box) {
    if (const auto* line = qobject_cast<const QLineEdit*>(box)) return line->text();
    if (const auto* lines = qobject_cast<const QPlainTextEdit*>(box)) return lines->toPlainText();
    return {};
}

void SetBoxText(QObject* box, const QString& text) {
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0);
    } else if (auto* lines = qobject_cast<QPlainTextEdit*>(box)) {
        lines->setPlainText(text);
    }
}

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

}  // namespace

void FitLabels(QWidget* window) {
    for (QLabel* label : window->findChildren<QLabel*>()) Fit(label);
}

void CentreOnScreen(QWidget* window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

void FixClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(Px(widthTwips), Px(heightTwips));
}

}  // namespace zodiac
