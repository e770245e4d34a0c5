#include "shell/look.h"

#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMargins>
#include <QPalette>
#include <QPlainTextEdit>
#include <QScreen>
#include <QWidget>
#include <QWindow>
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

namespace {

// The window manager gives all our windows the same decoration, so the margins of
// the last window seen framed are the best guess for the next one, which has no
// frame yet when it is placed.
QMargins knownFrame;

QPoint CentredTopLeft(const QSize& frameSize) {
    QRect frame(QPoint(), frameSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        frame.moveCenter(screen->availableGeometry().center());
    return frame.topLeft();
}

// Waits for the window's first exposure, when its frame is real: learns the
// margins and, if the guess was wrong, sets the window right once. Only then,
// before anyone could have moved the window, and never again.
class FrameCheck : public QObject {
public:
    explicit FrameCheck(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("frameCheck"));
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // The expose goes to the native window, which exists once the widget is shown.
        if (watched == window_ && event->type() == QEvent::Show && window_->windowHandle()) {
            window_->windowHandle()->installEventFilter(this);
        } else if (watched != window_ && event->type() == QEvent::Expose && window_->windowHandle()->isExposed()) {
            window_->windowHandle()->removeEventFilter(this);
            window_->removeEventFilter(this);
            Correct();
            deleteLater();
        }
        return false;
    }

private:
    void Correct() const {
        const QRect client = window_->geometry();
        const QRect frame = window_->frameGeometry();
        if (frame == client) return;  // no decoration here, nothing to learn or correct
        knownFrame = {client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                      frame.bottom() - client.bottom()};
        const QPoint centred = CentredTopLeft(frame.size());
        if (frame.topLeft() != centred) window_->move(centred);
    }

    QWidget* window_;
};

}  // namespace

void CentreOnScreen(QWidget* window) {
    // A window already framed knows its frame; one not yet shown gets the best guess.
    const QRect frame = window->frameGeometry();
    const QSize frameSize = frame != window->geometry() ? frame.size() : frame.size().grownBy(knownFrame);
    window->move(CentredTopLeft(frameSize));
    if (!window->isVisible() && !window->findChild<QObject*>(QStringLiteral("frameCheck"), Qt::FindDirectChildrenOnly))
        new FrameCheck(window);
}

void FixClientSize(QWidget* window, int widthTwips, int heightTwips) {
    window->setFixedSize(Px(widthTwips), Px(heightTwips));
}

}  // namespace zodiac
