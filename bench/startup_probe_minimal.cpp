// The yardstick: a minimal Qt main window with a drop-down list and a rich-text box.
#include <QComboBox>
#include <QMainWindow>
#include <QTextEdit>
#include <QVBoxLayout>

#include "bench/first_paint.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QMainWindow window;
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    auto* list = new QComboBox;
    list->addItems({QStringLiteral("January"), QStringLiteral("February")});
    layout->addWidget(list);
    layout->addWidget(new QTextEdit);
    window.setCentralWidget(central);
    window.show();
    new FirstPaint(&window);
    return QApplication::exec();
}
