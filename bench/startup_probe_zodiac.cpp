// The real program's start-up, ending once its main window has been painted.
#include <QWidget>

#include "app/program.h"
#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    return zodiac::RunProgram(argc, argv, [](QApplication&) {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window->objectName() == QStringLiteral("frmmain")) new FirstPaint(window);
        }
    });
}
