#pragma once

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QWidget;

namespace zodiac {

// Window geometry is kept in twips, as the windows were designed: 15 twips are one
// pixel at 96 dots per inch.
constexpr int Px(int twips) { return (twips + 7) / 15; }

struct Twips {
    int left, top, width, height;
    QRect toPixels() const { return {Px(left), Px(top), Px(width), Px(height)}; }
};

// The shared colour scheme.
namespace colour {
inline const QColor kWindow{14, 41, 128};
inline const QColor kOrange{255, 128, 0};
inline const QColor kLightOrange{255, 192, 128};
inline const QColor kLightYellow{255, 255, 128};
inline const QColor kCyan{0, 255, 255};
inline const QColor kButtonFace{224, 224, 224};
}  // namespace colour

// Fonts are sized in pixels so that text keeps its place in the pixel layout
// whatever the screen's dpi. Verdana where present, else a similar sans-serif.
QFont VerdanaFont(double points, bool bold, bool underline = false);
// Verdana, or its stand-in, at the default size.
QFont Verdana();

// Sets the name, parent and twips rectangle of a control and shows it in its parent.
template <typename W>
W* Place(W* widget, QWidget* parent, const char* name, Twips rect) {
    widget->setParent(parent);
    widget->setObjectName(QString::fromLatin1(name));
    widget->setGeometry(rect.toPixels());
    return widget;
}

void SetTextColour(QWidget* widget, const QColor& text);
void SetColours(QWidget* widget, const QColor& text, const QColor& background);
void FixClientSize(QWidget* window, int widthTwips, int heightTwips);

// The text of a one-line or multi-line box; a one-line box shows its start.
QString BoxText(const QObject* box);
void SetBoxText(QObject* box, const QString& text);
// Centres the window's frame, title bar and borders included, on the screen. A
// window not yet shown has no frame: it is placed with the margins of a window
// framed before, and set right once, when first exposed, if those were wrong.
void CentreOnScreen(QWidget* window);

// Keeps every label's text whole where the stand-in font runs wider than the
// designed one: a one-line label first grows to the right into free space, then
// its font shrinks until the text fits; a wrapping label's font shrinks until
// its lines fit its height.
void FitLabels(QWidget* window);

}  // namespace zodiac
