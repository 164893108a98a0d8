#pragma once

namespace kvq {
// Start-up of the desktop program: application object, main window, message loop.
int runApplication(int argc, char** argv);
} // namespace kvq
