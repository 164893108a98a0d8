#include "ui/app/ToolWindows.h"

#include "ui/app/TMainForm.h"
#include "ui/devices/hca/TGDHKV.h"

namespace kvq {

void registerBuiltinToolWindows(TMainForm& mainForm) {
    // One line per tool window: mainForm.registerToolWindow(ToolKind::..., factory).
    mainForm.registerToolWindow(ToolKind::HKVData, createHkvDataWindow);
}

} // namespace kvq
