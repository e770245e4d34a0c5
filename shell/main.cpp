#include "program.h"

int main(int argc, char* argv[]) { return zodiac::RunProgram(argc, argv); }
