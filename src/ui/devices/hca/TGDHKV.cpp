#include "ui/devices/hca/TGDHKV.h"
#include "ui_TGDHKV.h"

#include "core/devices/hca/HcaFields.h"
#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaMerge.h"
#include "core/wmbus/crypto/DeviceKey.h"
#include "link/LinkController.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/common/InputFilter.h"
#include "ui/devices/hca/HcaMessageTexts.h"
#include "ui/devices/hca/HcaMonthTable.h"
#include "ui/devices/hca/HcaWindowParts.h"
#include "ui/devices/order/TFormBestellung.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimeEdit>

namespace kvq {

using namespace hca;

TGDHKV::TGDHKV(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : HcaLayoutWindow(host, parent, channel, {0x08, 0x09, 0x0F}), ui_(std::make_unique<Ui::TGDHKVForm>()) {
    buildControls();
    bindControls();
    connectHandlers();
    // The controls start from the form's initial values, as a designed form would.
    refreshDerived(form_);
    apply();
    FormCreate();
}

TGDHKV::~TGDHKV() = default;

QSize TGDHKV::sizeHint() const {
    return ui_->TGDHKVContent->sizeHint();
}

void TGDHKV::buildControls() {
    ui_->setupUi(this);
    // The month table follows the values above it in the tab order.
    buildMonthTable(*ui_->GridMonatswerte, ui_->EditTempMax, false);
    // The weekday boxes show the weekday of the device date; set by the date, never by a click.
    for (const char* n : kWeekdayShownBoxes)
        control(n)->setAttribute(Qt::WA_TransparentForMouseEvents);
    for (QPlainTextEdit* log : {ui_->Memo1, ui_->Memo2})
        log->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    attachLogs(ui_->Memo1, ui_->Memo2);
    // The record size, for the order comparison.
    auto* size = new QLabel(this);
    size->setObjectName(QStringLiteral("Label25"));
    size->hide();
}

// ---------------------------------------------------------------------------------------------
// Form state and widgets

void TGDHKV::bindControls() {
    using fields::element;
    using fields::member;
    binder_.bind(*this, hcaFields());
    bindHcaWindowControls(binder_, *this);
    // Beside the table and the shared controls: the reading date, the scale and the free months.
    binder_.bindLabel(*this, QStringLiteral("LabelStichdatum"), member(&HcaForm::LabelStichdatum));
    binder_.bindButton(*this, QStringLiteral("RadioButtonPSkala"), member(&HcaForm::RadioButtonPSkala));
    for (std::size_t i = 0; i < kFreeMonthBoxes.size(); ++i)
        binder_.bindButton(*this, QString::fromLatin1(kFreeMonthBoxes[i]), element(&HcaForm::freeMonths, i));
    binder_.bindEnabled(*this, QStringLiteral("EditKQ"), member(&HcaForm::EditKQEnabled));
    binder_.bindEnabled(*this, QStringLiteral("CheckBoxAESM7"), member(&HcaForm::CheckBoxAESM7Enabled));
}

Record& TGDHKV::image() {
    return host().currentParams().DataEHKV.bytes;
}

bool TGDHKV::extendedFirmware() const {
    return host().currentParams().DataEHKV.ExtVersionFlag;
}

const RecordMapping& TGDHKV::mapping() const {
    return hcaMapping();
}

void TGDHKV::applyPresets() {
    hca::applyPresets(form_);
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TGDHKV::connectHandlers() {
    auto onClick = [this](const char* n, std::function<void(HcaForm&)> rule) {
        connect(control<QAbstractButton>(n), &QAbstractButton::clicked, this, [this, rule] { update(rule); });
    };
    // A radio button is selected by a click; the rules clear its alternatives.
    auto onSelect = [this](const char* n, std::function<void(HcaForm&)> rule) {
        QAbstractButton* b = control<QAbstractButton>(n);
        connect(b, &QAbstractButton::clicked, this, [this, b, rule] {
            b->setChecked(true);
            update(rule);
        });
    };

    connectCommonHandlers();
    connect(ui_->Button1, &QAbstractButton::clicked, this, &TGDHKV::Button1Click);

    for (const char* n : {"EditK1", "EditK2", "EditKQ", "EditDeltaT", "Edit1Zaehlerst", "Edit1ZaehlerstVorj",
                          "Edit1Verbrauch", "Edit1VorVerbrauch"})
        keepFiltered(control<QLineEdit>(n), filterNumberInput);
    for (const char* n : {"Edit1Zaehlerst", "Edit1ZaehlerstVorj"}) {
        connect(control<QLineEdit>(n), &QLineEdit::editingFinished, this, [this] {
            if (reportingMeterConflict_)
                return;
            collect();
            if (meterReadingConflict(form_)) {
                reportingMeterConflict_ = true;
                host().userInteraction().message(HcaMessageTexts::text(Message::MeterReadingConflict),
                                                 tr("Fehler"), UserInteraction::Icon::Error);
                reportingMeterConflict_ = false;
            }
        });
    }
    connect(ui_->ComboBoxStartmonat, &QComboBox::activated, this, [this] { update(onStartmonatChange); });
    onClick("CheckBoxAESM7", nullptr);
    onSelect("RadioButtonESkala", [](HcaForm& f) { onScaleSelected(f, true); });
    onSelect("RadioButtonPSkala", [](HcaForm& f) { onScaleSelected(f, false); });
    onSelect("RadioButtonSTMon", [](HcaForm& f) { f.RadioButtonSTJahr = false; });
    onSelect("RadioButtonSTJahr", [](HcaForm& f) { f.RadioButtonSTMon = false; });
    onClick("CheckBoxZweiFuehle", onSensorClick);
    onClick("CheckBoxFernf", onSensorClick);
    onClick("CheckBoxSonderAnz", onSonderAnzClick);
    onSelect("RadioButtonZeit", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Time); });
    onSelect("RadioButtonZaehler", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Meter); });
    onSelect("RadioButtonTemp", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Temps); });
    for (int i = 0; i < 4; ++i)
        onClick(kFreeMonthBoxes[i], [i](HcaForm& f) { onFreeMonthClick(f, i); });
    onClick("CheckBoxMessfrei_Enabled", onMessfreiEnabledClick);
}

void TGDHKV::FormCreate() {
    control<QLabel>("Label25")->setText(QStringLiteral("165"));
    Button2VorEinstClick();
    ShowRecord();
}

void TGDHKV::sDateEdit1CloseUp() {
    update(showWeekday);
}

void TGDHKV::Button1Click() {
    orderWindow().showFor(*this, host().clock());
}

TFormBestellung& TGDHKV::orderWindow() {
    if (!orderWindow_)
        orderWindow_ = new TFormBestellung(this);
    return *orderWindow_;
}

// ---------------------------------------------------------------------------------------------

ToolWindow* createHkvDataWindow(ToolHost& host, QWidget* parent) {
    return new TGDHKV(host, parent);
}

} // namespace kvq
