#include "ui/app/ToolWindows.h"

#include "ui/app/TMainForm.h"
#include "ui/devices/hca/TForm1Parametrierdaten.h"
#include "ui/devices/hca/TFormAbrechendaten.h"
#include "ui/devices/hca/TGDHKV.h"
#include "ui/devices/watermodule/TABL_WZBRAMKESTEL.h"
#include "ui/devices/watermodule/TGDWZBRAM.h"
#include "ui/devices/watermodule/TPDWZBRAM.h"
#include "ui/devices/thermo/TGDTHERMO.h"
#include "ui/wmbus/TFormWMBUSRadioCraft.h"

namespace kvq {

void registerBuiltinToolWindows(TMainForm& mainForm) {
    // One line per tool window: mainForm.registerToolWindow(ToolKind::..., factory).
    mainForm.registerToolWindow(ToolKind::HKVData, createHkvDataWindow);
    mainForm.registerToolWindow(ToolKind::HKVBilling, createHkvBillingWindow);
    mainForm.registerToolWindow(ToolKind::HKVParam, createHkvParamWindow);
    mainForm.registerToolWindow(ToolKind::WZData, createWzDataWindow);
    mainForm.registerToolWindow(ToolKind::ThermoData, createThermoDataWindow);
    mainForm.registerToolWindow(ToolKind::WZReadout, createWzReadoutWindow);
    mainForm.registerToolWindow(ToolKind::WZParam, createWzParamWindow);
    mainForm.registerToolWindow(ToolKind::WMBus,
                                [](ToolHost& h, QWidget* p) { return new TFormWMBUSRadioCraft(h, p); });
}

} // namespace kvq
