#pragma once

#include <QObject>
#include <QPointF>
#include <QString>
#include <QUrl>
#include <optional>
#include <utility>
#include <vector>

class QTextEdit;

namespace zodiac {

class Platform;

// A web address found in a text: where it stands and what opening it opens.
struct WebAddress {
    int start;
    int length;
    QUrl target;
};

// Only web addresses count: http, https, ftp, mailto, and "www." (opened as
// http). Anything else, a file: address among them, is plain text.
std::vector<WebAddress> FindWebAddresses(const QString& text);

// Addresses longer than this are shown but never opened.
inline constexpr int kLongestOpenedAddress = 2048;

// Shows the web addresses in a report box as links while switched on, and opens
// one in the browser on a left-button press; the press still reaches the box.
// A click opens one page: the later presses of a double or triple click, and a
// press the window system repeats, open nothing more.
class ReportLinks : public QObject {
    Q_OBJECT
public:
    explicit ReportLinks(Platform& platform);

    void EnableReportLinks(QTextEdit* box);
    void DisableReportLinks();
    bool enabled() const { return box_ != nullptr; }

    // The address under a point of the box's viewport, if any.
    std::optional<QUrl> AddressAt(const QPoint& viewportPoint) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Detect();

    Platform& platform_;
    QTextEdit* box_ = nullptr;
    QMetaObject::Connection changes_;
    // The last left press or double click, when and where.
    std::optional<std::pair<quint64, QPointF>> lastPress_;
};

}  // namespace zodiac
