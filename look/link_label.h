#pragma once

#include <QLabel>
#include <QPointF>
#include <initializer_list>

namespace zodiac {

// An orange, underlined label that shows the hand cursor and reports a left click:
// the release of a press that began on it, once per click, so that the later
// presses of a double or triple click report nothing more. A screen reader hears
// it as a link. Given the focus (FocusAfter), Enter or Space opens it as a click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, double points = 8.25, QWidget* parent = nullptr);

signals:
    void Clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;   // a left press began here and is not yet released
    quint64 lastPress_ = 0;  // when the last left press or double click came
    QPointF lastPressAt_;
};

// Lets the keyboard reach `links`, whose pages no menu of their window opens:
// Tab takes them in turn after `last`, the window's last control, so that the
// order of the others stays as it was.
void FocusAfter(QWidget* last, std::initializer_list<LinkLabel*> links);

}  // namespace zodiac
