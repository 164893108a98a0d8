#include "ui/app/ToolWindows.h"

#include "ui/app/TMainForm.h"

namespace kvq {

void registerBuiltinToolWindows(TMainForm& mainForm) {
    // One line per tool window: mainForm.registerToolWindow(ToolKind::..., factory).
    (void)mainForm;
}

} // namespace kvq
