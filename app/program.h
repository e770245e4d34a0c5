#pragma once

#include <functional>

class QApplication;

namespace zodiac {

// The whole program: identity, single-instance check, start-up and the event
// loop. `started`, if given, runs once the main window has been shown (the
// start-up benchmark uses it to watch the first paint).
int RunProgram(int argc, char* argv[], const std::function<void(QApplication&)>& started = {});

}  // namespace zodiac
