// The real program's start-up, ending once its main window has been painted.
#include <QWidget>

#include "first_paint.h"
#include "program.h"

int main(int argc, char* argv[]) {
    return zodiac::RunProgram(argc, argv, [](QApplication&) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("frmmain")) new FirstPaint(window);
        }
    });
}
