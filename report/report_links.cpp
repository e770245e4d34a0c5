#include "report/report_links.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegularExpression>
#include <QStyleHints>
#include <QTextBlock>
#include <QTextEdit>

#include "platform/platform.h"

namespace zodiac {
namespace {

const QRegularExpression& AddressPattern() {
    // A scheme we open, or "www.", then everything up to a blank or a bracket.
    static const QRegularExpression pattern(
        QStringLiteral(R"((?<![\w.@/])(?:(?:https?|ftp)://|mailto:|www\.)[^\s<>"'(){}\[\]]+)"),
        QRegularExpression::CaseInsensitiveOption | QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

// Sentence punctuation after an address belongs to the sentence.
int TrimmedLength(const QString& text, int start, int length) {
    while (length > 0 && QStringLiteral(".,;:!?").contains(text.at(start + length - 1))) --length;
    return length;
}

}  // namespace

std::vector<WebAddress> FindWebAddresses(const QString& text) {
    std::vector<WebAddress> found;
    auto matches = AddressPattern().globalMatch(text);
    while (matches.hasNext()) {
        const auto match = matches.next();
        const int start = static_cast<int>(match.capturedStart());
        const int length = TrimmedLength(text, start, static_cast<int>(match.capturedLength()));
        QString address = text.mid(start, length);
        if (address.size() <= 4 || address.endsWith(QLatin1String("://"))) continue;
        if (address.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) address.prepend(QStringLiteral("http://"));
        const QUrl target(address, QUrl::TolerantMode);
        if (!target.isValid()) continue;
        found.push_back({start, length, target});
    }
    return found;
}

ReportLinks::ReportLinks(Platform& platform) : platform_(platform) {}

void ReportLinks::EnableReportLinks(QTextEdit* box) {
    DisableReportLinks();
    box_ = box;
    box_->viewport()->installEventFilter(this);
    box_->viewport()->setMouseTracking(true);
    changes_ = connect(box_->document(), &QTextDocument::contentsChanged, this, &ReportLinks::Detect);
    Detect();
}

void ReportLinks::DisableReportLinks() {
    if (!box_) return;
    disconnect(changes_);
    box_->viewport()->removeEventFilter(this);
    box_->setExtraSelections({});
    box_ = nullptr;
}

void ReportLinks::Detect() {
    // Links are drawn over the text, not written into it, so a saved report
    // keeps exactly the runs it had.
    QList<QTextEdit::ExtraSelection> links;
    QTextCharFormat look;
    look.setFontUnderline(true);
    look.setForeground(QColor(0, 0, 255));
    for (QTextBlock block = box_->document()->begin(); block.isValid(); block = block.next()) {
        for (const WebAddress& address : FindWebAddresses(block.text())) {
            QTextCursor cursor(block);
            cursor.setPosition(block.position() + address.start);
            cursor.setPosition(block.position() + address.start + address.length, QTextCursor::KeepAnchor);
            links.append({cursor, look});
        }
    }
    box_->setExtraSelections(links);
}

std::optional<QUrl> ReportLinks::AddressAt(const QPoint& viewportPoint) const {
    if (!box_) return std::nullopt;
    const QTextCursor cursor = box_->cursorForPosition(viewportPoint);
    // cursorForPosition gives the nearest gap; the character under the point is
    // the one after it or, past its middle, the one before.
    const QTextBlock block = cursor.block();
    const int column = cursor.position() - block.position();
    const QRect caret = box_->cursorRect(cursor);
    const int character = viewportPoint.x() < caret.x() ? column - 1 : column;
    for (const WebAddress& address : FindWebAddresses(block.text())) {
        if (character >= address.start && character < address.start + address.length) return address.target;
    }
    return std::nullopt;
}

bool ReportLinks::eventFilter(QObject* watched, QEvent* event) {
    if (box_ && watched == box_->viewport()) {
        if (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick) {
            const auto* press = static_cast<QMouseEvent*>(event);
            if (press->button() == Qt::LeftButton) {
                // Qt turns the second press of a double click into a double click,
                // but a third press, or one delivered twice, comes as a press again.
                const QStyleHints* hints = QGuiApplication::styleHints();
                const bool sameClick =
                    lastPress_ &&
                    press->timestamp() - lastPress_->first < static_cast<quint64>(hints->mouseDoubleClickInterval()) &&
                    (press->position() - lastPress_->second).manhattanLength() <= hints->mouseDoubleClickDistance();
                lastPress_ = {press->timestamp(), press->position()};
                const auto target = event->type() == QEvent::MouseButtonPress && !sameClick
                                        ? AddressAt(press->position().toPoint())
                                        : std::nullopt;
                if (target && target->toString().size() <= kLongestOpenedAddress) platform_.OpenWebAddress(*target);
            }
        } else if (event->type() == QEvent::MouseMove) {
            const auto* move = static_cast<QMouseEvent*>(event);
            box_->viewport()->setCursor(AddressAt(move->position().toPoint()) ? Qt::PointingHandCursor
                                                                              : Qt::IBeamCursor);
        }
    }
    return false;  // the box gets every event as well
}

}  // namespace zodiac
