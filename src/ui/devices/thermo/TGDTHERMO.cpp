#include "ui/devices/thermo/TGDTHERMO.h"
#include "ui_TGDTHERMO.h"

#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/thermo/ThermoFields.h"
#include "core/devices/thermo/ThermoFormMapping.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/common/InputFilter.h"
#include "ui/devices/hca/HcaWindowParts.h"

#include <QFontDatabase>

namespace kvq {

using namespace thermo;
using hca::HcaForm;

TGDTHERMO::TGDTHERMO(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : HcaLayoutWindow(host, parent, channel, {kReadCommand, kWriteCommand, kServiceSub}),
      ui_(std::make_unique<Ui::TGDTHERMOForm>()) {
    ui_->setupUi(this);
    // The weekday boxes show the weekday of the device date; set by the date, never by a click.
    for (const char* n : hca::kWeekdayShownBoxes)
        requireWidget<QWidget>(*this, QString::fromLatin1(n))->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QPlainTextEdit* log : {ui_->Memo1, ui_->Memo2})
        log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    attachLogs(ui_->Memo1, ui_->Memo2);

    binder_.bind(*this, thermoFields());
    bindHcaWindowControls(binder_, *this);
    connectCommonHandlers();
    // A daily minimum may lie below zero: the temperatures take a minus sign in front.
    for (QLineEdit* e : {ui_->EditMaxTempRaum, ui_->EditMaxTempWand, ui_->EditMinTempRaum,
                         ui_->EditMinTempWand, ui_->EditTempRaum, ui_->EditTempWand})
        keepFiltered(e, filterTemperatureInput);

    // The controls start from the form's initial values; then the presets and the record.
    hca::refreshDerived(form_);
    apply();
    Button2VorEinstClick();
    ShowRecord();
}

TGDTHERMO::~TGDTHERMO() = default;

QSize TGDTHERMO::sizeHint() const {
    return ui_->TGDTHERMOContent->sizeHint();
}

hca::Record& TGDTHERMO::image() {
    return host().currentParams().DataWMTHERMO;
}

const hca::RecordMapping& TGDTHERMO::mapping() const {
    return thermoMapping();
}

void TGDTHERMO::applyPresets() {
    thermo::applyPresets(form_);
}

ToolWindow* createThermoDataWindow(ToolHost& host, QWidget* parent) {
    return new TGDTHERMO(host, parent);
}

} // namespace kvq
