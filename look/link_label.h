#pragma once

#include <QLabel>

namespace zodiac {

// An orange, underlined label that shows the hand cursor and reports a left click.
class LinkLabel : public QLabel {
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, double points = 8.25, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace zodiac
