#include "ui/devices/watermodule/TPDWZBRAM.h"

#include "core/devices/variants/RadioVariants.h"
#include "core/devices/watermodule/WzFormMapping.h"
#include "core/devices/watermodule/WzFormRules.h"
#include "core/devices/watermodule/WzParamForm.h"
#include "core/devices/watermodule/WzRules.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/watermodule/WzWindowParts.h"
#include "ui_TPDWZBRAM.h"

#include <QFileInfo>
#include <QGridLayout>
#include <QTimer>
#include <QToolButton>

namespace kvq {

using namespace wz;

namespace {

const char* const kVariantDefaults[4] = {
    QT_TRANSLATE_NOOP("kvq::TPDWZBRAM", "S1 täglich 24h lang aller 5min"),
    QT_TRANSLATE_NOOP("kvq::TPDWZBRAM", "S1 täglich 24h lang aller 15min"),
    QT_TRANSLATE_NOOP("kvq::TPDWZBRAM", "T1 jede 1.Woche im Monat werktags von 7-18uhr aller 6s"),
    QT_TRANSLATE_NOOP("kvq::TPDWZBRAM", "T1 werktags von 7-17uhr aller 23s ")};

} // namespace

TPDWZBRAM::TPDWZBRAM(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : DeviceWindow(host, parent, channel), ui_(std::make_unique<Ui::TPDWZBRAM>()),
      variantFile_(variants::variantFilePath(QStringLiteral("RadiovariantenFAM.ini"))) {
    ui_->setupUi(this);
    buildWzMonthRows(*ui_->MonthRows);
    buildVariantRows();
    setupWzHistoryGrid(*ui_->History);
    ui_->GroupBoxHFerror->hide();
    ui_->LabelSpeichern->hide();
    bindForm();
    connectHandlers();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &TPDWZBRAM::Timer1Timer);
    Timer1->start();

    // The installer's window never derives the key and never overwrites what it does not show.
    form_.CheckBoxAutoAES = false;
    form_.CheckBox1keineSNrueberschr = true;
    ShowImage();
    update([](WzForm& f) { f.EditManCode = QStringLiteral("VTM"); });
    // The descriptions as last saved; the form's own until a file holds them.
    if (QFileInfo::exists(variantFile_)) {
        if (const auto texts = variants::loadDescriptions(variantFile_))
            for (int i = 0; i < 4; ++i)
                EditVar[i]->setText(texts.value()[i]);
    }
    Timer1Timer();
}

TPDWZBRAM::~TPDWZBRAM() = default;

QSize TPDWZBRAM::sizeHint() const {
    return layout() ? layout()->sizeHint() : DeviceWindow::sizeHint();
}

void TPDWZBRAM::buildVariantRows() {
    auto* grid = new QGridLayout(ui_->VariantRows);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    for (int i = 0; i < 4; ++i) {
        auto* load = new QPushButton(tr("Variante %1").arg(i + 1), ui_->VariantRows);
        load->setObjectName(QStringLiteral("ButtonSV%1").arg(i + 1));
        auto* text = new QLineEdit(tr(kVariantDefaults[i]), ui_->VariantRows);
        text->setObjectName(QStringLiteral("EditVar%1").arg(i + 1));
        text->setAccessibleName(tr("Beschreibung Variante %1").arg(i + 1));
        auto* save = new QToolButton(ui_->VariantRows);
        save->setObjectName(QStringLiteral("SpeedButtonSaveV%1").arg(i + 1));
        save->setText(tr("Speichern"));
        save->setAccessibleName(tr("Variante %1 speichern").arg(i + 1));
        save->setFocusPolicy(Qt::StrongFocus);
        grid->addWidget(load, i, 0);
        grid->addWidget(text, i, 1);
        grid->addWidget(save, i, 2);
        EditVar[i] = text;
        connect(load, &QPushButton::clicked, this, [this, i] { loadVariant(i + 1); });
        connect(save, &QToolButton::clicked, this, [this, i] { saveVariant(i + 1); });
    }
}

void TPDWZBRAM::bindForm() {
    binder_.bind(*this, wzParamFields());
    bindWzModuleControls(binder_, *this);
}

void TPDWZBRAM::apply() {
    binder_.apply(form_);
    {
        const QSignalBlocker block(ui_->ComboBoxStichTag);
        ui_->ComboBoxStichTag->setCurrentIndex(form_.ComboBoxStichTag);
    }
    showWzHistory(*ui_->History, form_);
    // The warning does not stop a request: the installer decides.
    const bool exceeded = energyExceeded(form_, ChargePerTelegram());
    ui_->GroupBoxHFerror->setVisible(exceeded);
    ui_->GroupBoxHFerror->setStyleSheet(
        exceeded ? QStringLiteral("QGroupBox#GroupBoxHFerror { background: red; }") : QString());
}

void TPDWZBRAM::update(const std::function<void(WzForm&)>& rule) {
    binder_.collect(form_);
    form_.ComboBoxStichTag = ui_->ComboBoxStichTag->currentIndex();
    if (rule)
        rule(form_);
    refreshDerived(form_);
    apply();
}

double TPDWZBRAM::ChargePerTelegram() const {
    return wz::ChargePerTelegram(form_.RadioButton_Funk_T1, form_.CheckBoxShortProt);
}

void TPDWZBRAM::connectHandlers() {
    connectWzSendMask(*this, [this](void (*rule)(WzForm&)) { update(rule); });
    connect(ui_->CheckBoxAESenable, &QAbstractButton::clicked, this, [this] { update(nullptr); });
    // "jeden Monat" and "Jahr" exclude each other.
    connect(ui_->RadioButtonSTMon, &QAbstractButton::clicked, this, [this] {
        update([](WzForm& f) {
            f.RadioButtonSTMon = true;
            f.RadioButtonSTJahr = false;
        });
    });
    connect(ui_->RadioButtonSTJahr, &QAbstractButton::clicked, this, [this] {
        update([](WzForm& f) {
            f.RadioButtonSTJahr = true;
            f.RadioButtonSTMon = false;
        });
    });

    connect(ui_->ButtonHoleDaten, &QPushButton::clicked, this, &TPDWZBRAM::ButtonHoleDatenClick);
    connect(ui_->GetHistory, &QPushButton::clicked, this, &TPDWZBRAM::GetHistoryClick);
    for (const ParamRequestInfo& r : paramRequests())
        if (r.buttonName)
            connect(requireWidget<QPushButton>(*this, QString::fromLatin1(r.buttonName)),
                    &QPushButton::clicked, this, [this, request = r.request] { sendGroup(request); });
}

void TPDWZBRAM::ShowImage() {
    binder_.collect(form_);
    PARAmeter& p = host().currentParams();
    wz::ShowImage(p.DataWZBRAM, QString::fromStdString(p.VersionText), form_);
    apply();
}

bool TPDWZBRAM::CollectFormToImage() {
    binder_.collect(form_);
    form_.ComboBoxStichTag = ui_->ComboBoxStichTag->currentIndex();
    if (const auto error =
            CollectParamFormToImage(form_, host().currentParams().DataWZBRAM, scheduleCache_)) {
        host().userInteraction().message(error->message, tr("Fehler"), UserInteraction::Icon::Warning);
        if (auto* w = findChild<QWidget*>(error->control))
            w->setFocus();
        return false;
    }
    apply();
    return true;
}

void TPDWZBRAM::SetCurrentTime() {
    // Only the module's clock: the battery end and the monthly values are not this window's to send.
    update([this](WzForm& f) {
        SetCurrentTimeForWrite(f, host().clock().utcNow(), host().settings().TimeZoneDiff);
    });
}

void TPDWZBRAM::Timer1Timer() {
    const QDateTime now = moduleLocalTime(host().clock().utcNow(), host().settings().TimeZoneDiff);
    ui_->LabelTimeNow->setText(now.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss"))); // notr: a date format
}

void TPDWZBRAM::beforeRead() {
    clearRxLog();
    chain_.reset();
    setWord(host().currentParams().DataWZBRAM, off::OptionsA, 0);
}

void TPDWZBRAM::ButtonHoleDatenClick() {
    requestRead();
}

void TPDWZBRAM::GetHistoryClick() {
    chain_.reset();
    channel().beginRequest(kHistoryProgressMax, DeviceChannel::Progress::Loading);
    channel().sendFrame(buildHistoryRequest());
}

void TPDWZBRAM::sendGroup(ParamRequest request) {
    const ParamRequestInfo& info = paramRequestInfo(request);
    if (request == ParamRequest::Time)
        SetCurrentTime();
    if (info.collectsForm && !CollectFormToImage())
        return; // nothing the module could take: nothing is sent
    channel().beginRequest(1, request == ParamRequest::Activation ? DeviceChannel::Progress::Hidden
                                                                  : DeviceChannel::Progress::Sending);
    chain_.started(request);
    channel().sendFrame(buildParamRequest(request, host().currentParams().DataWZBRAM));
}

void TPDWZBRAM::sendChained(ParamRequest request) {
    if (request == ParamRequest::ClearLeak)
        update([](WzForm& f) {
            f.CheckBox1MessFehler = f.CheckBox1Sabotage = f.CheckBox1LowBatt = f.CheckBox1CSfehler = false;
            f.CheckBoxHFError = f.CheckBoxRESET = f.CheckBox1StillFehler = f.CheckBox1RueckFehler = false;
            f.CheckBox1Leck = false;
        });
    // A fresh time-out for each step; the module is still awake.
    channel().beginRequest(1, DeviceChannel::Progress::Sending);
    channel().sendFrameAwake(buildParamRequest(request, host().currentParams().DataWZBRAM));
}

void TPDWZBRAM::OnWriteAck() {
    if (const auto next = chain_.acknowledged()) {
        sendChained(*next);
        return;
    }
    DeviceWindow::OnWriteAck();
}

QString TPDWZBRAM::awaitedStep() const {
    return awaitedStepText(chain_);
}

std::array<QString, 4> TPDWZBRAM::descriptions() const {
    std::array<QString, 4> texts;
    for (int i = 0; i < 4; ++i)
        texts[i] = EditVar[i]->text();
    return texts;
}

void TPDWZBRAM::loadVariant(int number) {
    const auto v = variants::loadVariant(variantFile_, number);
    if (!v) {
        host().userInteraction().message(v.message(), tr("Fehler"), UserInteraction::Icon::Warning);
        return;
    }
    update([&v](WzForm& f) {
        applyVariant(f, v.value());
        updateSchedule(f);
    });
}

void TPDWZBRAM::saveVariant(int number) {
    if (!host().userInteraction().question(ui_->LabelSpeichern->text(), tr("INFO")))
        return;
    binder_.collect(form_);
    const Status saved = variants::saveVariant(
        variantFile_, number, variantFromForm(form_, EditVar[number - 1]->text()), descriptions());
    if (!saved)
        host().userInteraction().message(saved.message(), tr("Fehler"), UserInteraction::Icon::Warning);
}

ToolWindow* createWzParamWindow(ToolHost& host, QWidget* parent) {
    return new TPDWZBRAM(host, parent);
}

} // namespace kvq
