#pragma once
// Developer option "--screenshots FOLDER" (with "--demo"): the program opens its main windows one after
// the other on the simulated devices, reads each device, saves a picture of the main window as
// FOLDER/<name>.png and ends. scripts/screenshots.sh runs it under a virtual display for the manual.

#include <QString>

namespace kvq {

class TMainForm;

// Starts the sequence; the application quits when it is done, with exit code 1 when a picture could
// not be saved.
void takeScreenshots(TMainForm& form, const QString& folder);

} // namespace kvq
