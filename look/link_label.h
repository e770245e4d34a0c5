#pragma once

#include <QLabel>
#include <QPointF>

namespace zodiac {

// An orange, underlined label that shows the hand cursor and reports a left click:
// the release of a press that began on it, once per click, so that the later
// presses of a double or triple click report nothing more.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, double points = 8.25, QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;   // a left press began here and is not yet released
    quint64 lastPress_ = 0;  // when the last left press or double click came
    QPointF lastPressAt_;
};

}  // namespace zodiac
