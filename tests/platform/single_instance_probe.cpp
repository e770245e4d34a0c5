// Takes the program's single-instance lock, says whether it got it, and holds it
// until its standard input closes or it is killed.
#include <QCoreApplication>
#include <cstdio>
#include <iostream>
#include <string>

#include "platform/single_instance.h"

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    const zodiac::SingleInstance instance(QStringLiteral("qorvel-zodiac-probe"));
    std::cout << (instance.isFirst() ? "first" : "second") << std::endl;
    std::string line;
    std::getline(std::cin, line);
    return 0;
}
