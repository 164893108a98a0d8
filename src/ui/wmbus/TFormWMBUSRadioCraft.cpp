#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "core/wmbus/ManufacturerDescriptions.h"
#include "link/LinkController.h"
#include "ui/app/ToolHost.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/ArcSpinner.h"
#include "ui/wmbus/FilterPage.h"
#include "ui/wmbus/ReceiverPort.h"
#include "ui/wmbus/RouteReception.h"
#include "ui/wmbus/TelegramReception.h"
#include "ui/wmbus/route/RoutePage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace kvq {

using wmbus::receiver::RadioMode;
using wmbus::receiver::ReceiverSequence;
using wmbus::receiver::SequenceRunner;

TFormWMBUSRadioCraft::TFormWMBUSRadioCraft(ToolHost& host, QWidget* parent) : ToolWindow(host, parent) {
    setObjectName(QStringLiteral("FormWMBUSRadioCraft"));
    setWindowTitle(QStringLiteral("Wireless M-BUS Datenrecorder"));

    TimerWaitOfResponse = new QTimer(this);
    TimerWaitOfResponse->setObjectName(QStringLiteral("TimerWaitOfResponse"));
    TimerWaitOfResponse->setSingleShot(true);
    TimerWaitOfResponse->setInterval(kResponseWaitMs);
    connect(TimerWaitOfResponse, &QTimer::timeout, this, &TFormWMBUSRadioCraft::TimerWaitOfResponseTimer);

    TimerStartMode = new QTimer(this);
    TimerStartMode->setObjectName(QStringLiteral("TimerStartMode"));
    TimerStartMode->setSingleShot(true);
    TimerStartMode->setInterval(kStartModeDelayMs);
    connect(TimerStartMode, &QTimer::timeout, this, &TFormWMBUSRadioCraft::TimerStartModeTimer);

    manufacturerFile_ = wmbus::ManufacturerDescriptions::defaultPath();
    buildPages();
    TimerStartMode->start();
}

TFormWMBUSRadioCraft::~TFormWMBUSRadioCraft() {
    detachFromLink();
}

void TFormWMBUSRadioCraft::detachFromLink() {
    if (link_)
        link_->clearToolWindow(LinkWindowKind::WMBus);
    link_ = nullptr;
}

void TFormWMBUSRadioCraft::buildPages() {
    LabelRInit = new QLabel(QStringLiteral("Receiver Initialisierung"), this);
    LabelRInit->setObjectName(QStringLiteral("LabelRInit"));
    sArcPreloader1RInit = new ArcSpinner(this);
    sArcPreloader1RInit->setObjectName(QStringLiteral("sArcPreloader1RInit"));
    auto* busy = new QHBoxLayout;
    busy->addWidget(sArcPreloader1RInit);
    busy->addWidget(LabelRInit);
    busy->addStretch(1);
    LabelRInit->hide();
    sArcPreloader1RInit->hide();

    PageControlMain = new QTabWidget(this);
    PageControlMain->setObjectName(QStringLiteral("PageControlMain"));

    analyse_ = new AnalysePage(PageControlMain);
    PageControlMain->addTab(analyse_, QStringLiteral("Analyse"));
    reception_ = std::make_unique<TelegramReception>(*analyse_, wmbus::Framing::RadioCraft);
    reception_->setTelegramHandler(
        [this](const wmbus::TelegramResult& r, const wmbus::TelegramBuffer&) { telegramTaken(r); });
    connect(analyse_->sBitBtnStop, &QPushButton::toggled, this, &TFormWMBUSRadioCraft::sBitBtnStopClick);
    connect(analyse_->StartTrigger, &QCheckBox::toggled, this, &TFormWMBUSRadioCraft::StartTriggerClick);
    connect(analyse_->ListBoxHersteller, &QListWidget::itemClicked, this,
            &TFormWMBUSRadioCraft::ListBoxHerstellerClick);
    connect(analyse_->ListBoxHersteller, &QListWidget::itemActivated, this,
            &TFormWMBUSRadioCraft::ListBoxHerstellerClick);

    auto* route = new QWidget(PageControlMain);
    route->setObjectName(QStringLiteral("sTabRoute"));
    PageControlRoute = new QTabWidget(route);
    PageControlRoute->setObjectName(QStringLiteral("PageControlRoute"));
    routePage_ = new RoutePage(host().userInteraction(), host().clock(), PageControlRoute);
    routePage_->setRadioModeSource([this] { return modeLetter_; });
    routePage_->setManufacturerCodes(host().settings().manufacturerCodes);
    connect(routePage_, &RoutePage::routeLoaded, this, &TFormWMBUSRadioCraft::startRouteModes);
    PageControlRoute->addTab(routePage_, QStringLiteral("Route"));
    filter_ = new FilterPage(host().userInteraction(), host().settings().manufacturerCodes, PageControlRoute);
    filter_->setObjectName(QStringLiteral("sTabFilter"));
    PageControlRoute->addTab(filter_, QStringLiteral("Filter"));
    connect(filter_, &FilterPage::codesChanged, this,
            [this] { routePage_->setManufacturerCodes(host().settings().manufacturerCodes); });
    reception_->decoder().setManufacturerFilter(&filter_->filter());
    reception_->decoder().setDeviceDirectory(&routePage_->route());
    reception_->decoder().setDecryptor(&decryptor_);
    kompaktFormate_.setWriteBack(true);
    for (const QString& problem : kompaktFormate_.load(wmbus::KompaktFormatList::defaultPath()))
        host().userInteraction().message(problem, QStringLiteral("Error"), UserInteraction::Icon::Error);
    reception_->decoder().setCompactFrameHandler(&kompaktFormate_);
    ButtonRadiocraftReset = new QPushButton(QStringLiteral("Radiocraft Werkssetup"), route);
    ButtonRadiocraftReset->setObjectName(QStringLiteral("ButtonRadiocraftReset"));
    connect(ButtonRadiocraftReset, &QPushButton::clicked, this,
            &TFormWMBUSRadioCraft::ButtonRadiocraftResetClick);
    auto* routeSide = new QVBoxLayout;
    routeSide->addWidget(ButtonRadiocraftReset);
    routeSide->addStretch(1);
    auto* routeLayout = new QHBoxLayout(route);
    routeLayout->addWidget(PageControlRoute, 1);
    routeLayout->addLayout(routeSide);
    PageControlMain->addTab(route, QStringLiteral("Route"));

    // Pages whose content comes with the data table and the export formats; hidden until then.
    auto* daten = new QWidget(PageControlMain);
    daten->setObjectName(QStringLiteral("sTabDaten"));
    auto* datenTabs = new QTabWidget(daten);
    datenTabs->setObjectName(QStringLiteral("PageControlDaten"));
    auto* alle = new QWidget(datenTabs);
    alle->setObjectName(QStringLiteral("TabSheetAlle"));
    datenTabs->addTab(alle, QStringLiteral("ALLE"));
    auto* datenLayout = new QVBoxLayout(daten);
    datenLayout->addWidget(datenTabs);
    PageControlMain->setTabVisible(PageControlMain->addTab(daten, QStringLiteral("Daten")), false);
    auto* export_ = new QWidget(PageControlMain);
    export_->setObjectName(QStringLiteral("sTabExport"));
    PageControlMain->setTabVisible(PageControlMain->addTab(export_, QStringLiteral("Export-Formatierung")),
                                   false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(busy);
    layout->addWidget(PageControlMain, 1);
    resize(900, 640);
}

void TFormWMBUSRadioCraft::afterOpen() {
    const Settings& settings = host().settings();
    if (settings.AutoLoad && !settings.Geraeteliste.isEmpty())
        routePage_->loadRouteFile(settings.Geraeteliste);
    setFraming(wmbus::framingForReceiverType(host().settings().RECEIVERTYPE));
    // From here on the receiver port's worker hands its bytes to this window.
    if ((link_ = host().link()))
        link_->setToolWindow(LinkWindowKind::WMBus, this);
    // The scan switch follows the settings' value, which starts off in every run.
    scanOn_ = host().settings().ScannAn;
}

void TFormWMBUSRadioCraft::closeEvent(QCloseEvent* event) {
    if (!routePage_->queryClose()) {
        event->ignore();
        return;
    }
    TimerWaitOfResponse->stop();
    TimerStartMode->stop();
    runner_.reset();
    host().settings().ScannAn = scanOn_;
    ToolWindow::closeEvent(event);
    if (event->isAccepted())
        detachFromLink();
}

// A route file names the modes to start, in order; each start replaces the one before.
void TFormWMBUSRadioCraft::startRouteModes(const QStringList& letters) {
    for (const QString& letter : letters)
        if (const auto mode = wmbus::receiver::modeOfLetter(letter.toStdString()))
            startMode(*mode);
}

void TFormWMBUSRadioCraft::telegramTaken(const wmbus::TelegramResult& r) {
    noteManufacturer(r.link.mField());
    if (!r.registered)
        return;
    wmbus::Route& route = routePage_->route();
    const auto device =
        route.findRouteDeviceByIdText(r.link.idText.view(), r.deviceType, r.link.manufacturer.view());
    if (!device)
        return;
    route.updateReceived(device->node, lastTelegramOf(r, host().clock().localNow()),
                         QString::fromLatin1(r.rssiText.view()), receiveStateOf(r));
}

// --- manufacturers heard ------------------------------------------------------------------------

void TFormWMBUSRadioCraft::noteManufacturer(std::uint16_t mField) {
    if (received_.note(mField))
        analyse_->ListBoxHersteller->addItem(QString::fromLatin1(received_.codes().back().view()));
}

void TFormWMBUSRadioCraft::ListBoxHerstellerClick() {
    const QListWidgetItem* item = analyse_->ListBoxHersteller->currentItem();
    if (!item)
        return;
    const auto text = wmbus::ManufacturerDescriptions(manufacturerFile_).describe(item->text());
    if (!text.ok()) {
        host().userInteraction().message(text.message());
        return;
    }
    analyse_->LabelHerstellerInfo->setText(text.value());
}

// --- receiver control -------------------------------------------------------------------------

void TFormWMBUSRadioCraft::sendByte(std::uint8_t byte) {
    if (port_)
        port_->SendToReceiver(&byte, 1);
    else if (LinkController* link = host().link())
        link->SendToReceiver(&byte, 1);
}

void TFormWMBUSRadioCraft::runSequence() {
    switch (runner_.run([this](std::uint8_t b) { sendByte(b); })) {
    case SequenceRunner::Step::Paused:
        // Each pause is a full response period, also when a new start cut into a running one.
        TimerWaitOfResponse->start();
        break;
    case SequenceRunner::Step::Finished:
        analyse_->clearRaw();
        setBusy(false);
        break;
    case SequenceRunner::Step::Idle:
        break;
    }
}

void TFormWMBUSRadioCraft::startMode(RadioMode mode) {
    analyse_->clearRaw();
    if (mode == RadioMode::S)
        reception_->resetCounters();
    runner_.start(wmbus::receiver::sequenceOf(mode));
    runSequence();
    host().setStatusText(2, QString::fromLatin1(wmbus::receiver::modeStatusText(mode)));
    modeLetter_ = QString::fromLatin1(wmbus::receiver::modeLetter(mode));
    // A sequence never ends within its start: each has pauses.
    if (runner_.active())
        setBusy(true);
}

void TFormWMBUSRadioCraft::StartModeTC() {
    startMode(RadioMode::TC);
}
void TFormWMBUSRadioCraft::StartModeC() {
    startMode(RadioMode::C);
}
void TFormWMBUSRadioCraft::StartModeS() {
    startMode(RadioMode::S);
}

void TFormWMBUSRadioCraft::ButtonRadiocraftResetClick() {
    analyse_->clearRaw();
    runner_.start(ReceiverSequence::FactorySetup);
    runSequence();
}

void TFormWMBUSRadioCraft::TimerWaitOfResponseTimer() {
    TimerWaitOfResponse->stop();
    runSequence();
}

void TFormWMBUSRadioCraft::TimerStartModeTimer() {
    TimerStartMode->stop();
    analyse_->clearRaw();
    const Settings& s = host().settings();
    if (const auto mode = wmbus::receiver::startMode(s.Tmode, s.Smode, s.Cmode))
        startMode(*mode);
}

void TFormWMBUSRadioCraft::restartStartModeTimer() {
    TimerStartMode->start();
}

bool TFormWMBUSRadioCraft::receiverBusy() const {
    return !LabelRInit->isHidden();
}

void TFormWMBUSRadioCraft::setBusy(bool busy) {
    LabelRInit->setVisible(busy);
    sArcPreloader1RInit->setVisible(busy);
}

// --- reception ----------------------------------------------------------------------------------

void TFormWMBUSRadioCraft::receiveChunk(const std::uint8_t* bytes, std::uint16_t count, double time) {
    if (!bytes)
        return;
    // Date-time in days since 1899-12-30 to milliseconds since 1970.
    const wmbus::ReceiveTime t = time > 0
                                     ? static_cast<wmbus::ReceiveTime>((time - 25569.0) * 86400000.0 + 0.5)
                                     : wmbus::ReceiveTime(0);
    reception_->receiveChunk(std::span(bytes, count), t);
}

void TFormWMBUSRadioCraft::monitorByte(const QString& hexText) {
    reception_->receiveRawText(hexText, 1, PageControlMain->currentWidget() == analyse_);
}

bool TFormWMBUSRadioCraft::stopSwitch() const {
    return reception_->stopped();
}

void TFormWMBUSRadioCraft::setFraming(wmbus::Framing framing) {
    reception_->setFraming(framing);
}

wmbus::Framing TFormWMBUSRadioCraft::framing() const {
    return reception_->framing();
}

std::uint64_t TFormWMBUSRadioCraft::telegramCount() const {
    return reception_->telegramCount();
}

std::uint64_t TFormWMBUSRadioCraft::byteCount() const {
    return reception_->byteCount();
}

void TFormWMBUSRadioCraft::sBitBtnStopClick(bool on) {
    if (on)
        analyse_->StartTrigger->setChecked(false);
    reception_->setStopped(on);
}

void TFormWMBUSRadioCraft::StartTriggerClick(bool on) {
    if (on)
        analyse_->sBitBtnStop->setChecked(false);
}

} // namespace kvq
