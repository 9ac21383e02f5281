#pragma once
// Whether the desktop program can reach a window system before Qt is started: without one,
// constructing the QApplication aborts the process with Qt's own message. The platform is the
// one Qt would choose: "-platform NAME" on the command line, else QT_QPA_PLATFORM (a list
// separated by ";" is tried in order), else the X or Wayland display the session names.

#include <functional>

namespace vorlan {

// `getenv`: the environment lookup (std::getenv in the program; a table in tests).
bool graphicalDisplayAvailable(int argc, const char* const* argv,
                               const std::function<const char*(const char*)>& getenv);

}  // namespace vorlan
