#pragma once

#include <QPlainTextEdit>
#include <QRect>
#include <QString>

class QObject;

namespace zodiac {

// The text of a one-line or multi-line box; a one-line box shows its start.
QString BoxText(const QObject* box);
void SetBoxText(QObject* box, const QString& text);

// A box of several lines that shows whole lines only, never the top half of
// the next one below them: its lines start at the top of its viewport, which
// is as tall as the whole lines of its font that fit in the room it is given.
// The box takes that height centred in the room, so that a caption beside the
// room stays beside the box, and fits itself again when its font changes.
class WholeLinesBox : public QPlainTextEdit {
public:
    WholeLinesBox();
    void FitInto(const QRect& room);

protected:
    void changeEvent(QEvent* event) override;

private:
    void Fit();

    QRect room_;
};

}  // namespace zodiac
