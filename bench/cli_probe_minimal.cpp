// The yardstick for the command line: a minimal Qt console program that prints
// one line, linked against the same Qt libraries as the program.
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    QTextStream(stdout) << "1975-03-05: Wood Rabbit\n";
    return 0;
}
