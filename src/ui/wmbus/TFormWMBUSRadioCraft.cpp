#include "ui/wmbus/TFormWMBUSRadioCraft.h"

#include "core/app/UserInteraction.h"
#include "core/wmbus/ManufacturerDescriptions.h"
#include "link/LinkController.h"
#include "ui/app/ToolHost.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/ArcSpinner.h"
#include "ui/wmbus/FilterPage.h"
#include "ui/wmbus/ReceiverPort.h"
#include "ui/wmbus/ReplayControl.h"
#include "ui/wmbus/TelegramLogControl.h"
#include "ui/wmbus/TelegramReception.h"
#include "ui/wmbus/export/ExportDataTabs.h"
#include "ui/wmbus/export/ExportPage.h"
#include "ui/wmbus/route/RoutePage.h"
#include "ui/wmbus/route/RouteTreeModel.h"
#include "ui/wmbus/route/UnregisteredPanel.h"
#include "ui/wmbus/route/UnregisteredTreeModel.h"
#include "ui/wmbus/table/DatenPage.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
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
    setWindowTitle(tr("Wireless M-BUS Datenrecorder"));

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
    endReplayAndLog();
    // These pages watch the table, the lists and the route held here: they go while those still exist.
    delete daten_;
    delete scann_;
    delete routePage_;
}

void TFormWMBUSRadioCraft::buildPages() {
    LabelRInit = new QLabel(tr("Receiver Initialisierung"), this);
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
    PageControlMain->addTab(analyse_, tr("Analyse"));
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
    PageControlRoute->addTab(routePage_, tr("Route"));
    filter_ = new FilterPage(host().userInteraction(), host().settings().manufacturerCodes, PageControlRoute);
    filter_->setObjectName(QStringLiteral("sTabFilter"));
    PageControlRoute->addTab(filter_, tr("Filter"));
    connect(filter_, &FilterPage::codesChanged, this,
            [this] { routePage_->setManufacturerCodes(host().settings().manufacturerCodes); });
    reception_->decoder().setManufacturerFilter(&filter_->filter());
    reception_->decoder().setDeviceDirectory(&routePage_->route());
    reception_->decoder().setDecryptor(&decryptor_);
    kompaktFormate_.setWriteBack(true);
    for (const QString& problem : kompaktFormate_.load(wmbus::KompaktFormatList::defaultPath()))
        host().userInteraction().message(problem, tr("Error"), UserInteraction::Icon::Error);
    reception_->decoder().setCompactFrameHandler(&kompaktFormate_);
    ButtonRadiocraftReset = new QPushButton(tr("Radiocraft Werkssetup"), route);
    ButtonRadiocraftReset->setObjectName(QStringLiteral("ButtonRadiocraftReset"));
    connect(ButtonRadiocraftReset, &QPushButton::clicked, this,
            &TFormWMBUSRadioCraft::ButtonRadiocraftResetClick);
    routePage_->setImportList(&imported_);
    store_ = std::make_unique<wmbus::TelegramStore>(routePage_->route(), table_, unregistered_);
    scann_ = new UnregisteredPanel(unregistered_, imported_, route);
    wireUnregisteredList();
    connect(filter_, &FilterPage::filterActivated, this, &TFormWMBUSRadioCraft::filterActivated);
    connect(filter_, &FilterPage::showRequested, this, [this, route] {
        PageControlMain->setCurrentWidget(route);
        PageControlRoute->setCurrentWidget(filter_);
    });
    auto* routeSide = new QVBoxLayout;
    routeSide->addWidget(scann_, 1);
    routeSide->addWidget(ButtonRadiocraftReset);
    auto* routeLayout = new QHBoxLayout(route);
    routeLayout->addWidget(PageControlRoute, 1);
    routeLayout->addLayout(routeSide);
    PageControlMain->addTab(route, tr("Route"));

    daten_ = new DatenPage(table_, host().userInteraction(), PageControlMain);
    PageControlMain->addTab(daten_, tr("Daten"));
    connect(daten_, &DatenPage::displayOptionChanged, this, &TFormWMBUSRadioCraft::displayOptionChanged);
    store_->setDisplayOption(daten_->displayOption());

    // The export formats: a tab per format on the data page, their editor on a page of its own.
    exportTabs_ = new ExportDataTabs(*daten_->tabs(), host().userInteraction(), host().clock(), this);
    exportTabs_->setExportFolderSource([this] { return host().settings().CSVPath; });
    store_->setRouteTelegramHandler(
        [this](const wmbus::TelegramResult& r, wmbus::RouteNodeId) { exportTabs_->offer(r); });
    exportPage_ = new ExportPage(host().userInteraction(), host().clock(), PageControlMain);
    exportPage_->setTelegramSource([this]() -> std::optional<ExportPage::Sample> {
        const QModelIndex selected = daten_->Verbrauchstabelle->currentIndex();
        if (selected.isValid() && selected.row() < table_.size())
            return ExportPage::Sample{selected.row() + 1, table_.at(selected.row())};
        const wmbus::TelegramResult& last = reception_->lastTelegram();
        if (last.link.l == 0)
            return std::nullopt;
        return ExportPage::Sample{
            1, wmbus::StoredResult::fromTelegram(last, host().clock().localNow().toMSecsSinceEpoch())};
    });
    auto* erstelle = new QAction(tr("Erstelle Exportformat"), daten_->Verbrauchstabelle);
    erstelle->setObjectName(QStringLiteral("ErstelleExportformat"));
    daten_->Verbrauchstabelle->addAction(erstelle);
    connect(erstelle, &QAction::triggered, exportPage_->newFormatAction(), &QAction::trigger);
    connect(exportPage_->newFormatAction(), &QAction::triggered, this,
            [this] { PageControlMain->setCurrentWidget(exportPage_); });
    PageControlMain->addTab(exportPage_, tr("Export-Formatierung"));
    connect(exportPage_, &ExportPage::formatsChanged, exportTabs_,
            [this] { exportTabs_->reload(exportPage_->filePath()); });
    exportPage_->loadFormats();
    exportTabs_->reload(exportPage_->filePath());

    buildReplay();
    buildMenus();
    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(MainMenu);
    layout->addLayout(busy);
    layout->addWidget(PageControlMain, 1);
    layout->addWidget(replay_);
    resize(900, 640);
}

void TFormWMBUSRadioCraft::buildMenus() {
    MainMenu = new QMenuBar(this);
    MainMenu->setObjectName(QStringLiteral("MainMenu"));
    MainMenu->setNativeMenuBar(false);
    MenuDaten = MainMenu->addMenu(tr("&Daten"));
    MenuDaten->setObjectName(QStringLiteral("MenuDaten"));
    MenuDaten->addAction(daten_->SpeicherDatenAlsCsv);
    MenuDaten->addAction(daten_->LeereTabelle);
    MenuDaten->addSeparator();
    MenuDaten->addAction(exportTabs_->exportAllAction());
    MenuDaten->addAction(exportPage_->newFormatAction());
    MenuDaten->addSeparator();
    MenuDaten->addAction(replay_->LadeRxDatenMobileApp);
    MenuDaten->addAction(replay_->LadeRxDatenGateway);
    MenuRoute = MainMenu->addMenu(tr("&Route"));
    MenuRoute->setObjectName(QStringLiteral("MenuRoute"));
    MenuRoute->addAction(routePage_->LadeRoute);
    MenuRoute->addAction(routePage_->SpeicherRoute);
    MenuRoute->addSeparator();
    MenuRoute->addAction(routePage_->ImportiereAESKeys);
    QAction* devices = MenuRoute->addAction(tr("Importiere Messgeräte in Route"));
    devices->setObjectName(QStringLiteral("ImportiereMessgeraete"));
    connect(devices, &QAction::triggered, routePage_, &RoutePage::ImportiereMessgeraeteClick);
}

// The telegram log and the loading of recorded telegrams: both work on the lines of the monitor, and
// loaded lines take the live road from chunk arrival on.
void TFormWMBUSRadioCraft::buildReplay() {
    log_ = std::make_unique<TelegramLogControl>(
        *analyse_, host().userInteraction(), [this](const QString& text) { host().setStatusText(4, text); });
    ReplayControl::Recorder recorder;
    recorder.closeReceiverPort = [this] { return closeReceiverPort(); };
    recorder.chunkArrival = [this](std::span<const std::uint8_t> bytes, wmbus::ReceiveTime time) {
        reception_->receiveChunk(bytes, time);
    };
    recorder.held = [this] { return reception_->stopped(); };
    recorder.batch = [this](bool on) { on ? reception_->beginBatch() : reception_->endBatch(); };
    replay_ = new ReplayControl(host().userInteraction(), std::move(recorder), this);
}

bool TFormWMBUSRadioCraft::closeReceiverPort() {
    if (port_)
        return port_->closeReceiver();
    LinkController* link = host().link();
    return !link || !link->SIO2Open() || link->CloseInterface();
}

void TFormWMBUSRadioCraft::endReplayAndLog() {
    if (replay_)
        replay_->stop();
    if (log_)
        log_->finish();
}

void TFormWMBUSRadioCraft::displayOptionChanged(wmbus::DisplayOption option) {
    store_->setDisplayOption(option);
    if (option == wmbus::DisplayOption::Once)
        store_->showOnce();
}

// The filter switch went on with codes ticked: the list starts again with the wanted manufacturers.
void TFormWMBUSRadioCraft::filterActivated() {
    unregistered_.clear();
}

// Entries of the unregistered list are dragged onto floors of the route tree; a device that joins
// the route, by any way, leaves the list.
void TFormWMBUSRadioCraft::wireUnregisteredList() {
    RouteTreeModel* model = routePage_->model();
    model->setDropHandler({UnregisteredTreeModel::mimeType()},
                          [this](wmbus::RouteNodeId floor, const QMimeData& data) {
                              return scann_->placeOnFloor(data, *routePage_, floor);
                          });
    routePage_->TreeViewHauser->setAcceptDrops(true);
    routePage_->TreeViewHauser->setDropIndicatorShown(true);
    routePage_->TreeViewHauser->setDragDropMode(QAbstractItemView::DropOnly);
    connect(model, &QAbstractItemModel::rowsInserted, this,
            [this, model](const QModelIndex& parent, int first, int last) {
                const wmbus::Route& r = routePage_->route();
                const wmbus::RouteNodeId under = model->nodeAt(parent);
                for (int row = first; row <= last; ++row)
                    if (const wmbus::RouteDevice* d = r.device(r.child(under, row)))
                        forgetUnregistered(*d);
            });
    connect(model, &QAbstractItemModel::modelReset, this, [this] {
        const wmbus::Route& r = routePage_->route();
        for (wmbus::RouteNodeId id : r.devicesInTreeOrder())
            forgetUnregistered(*r.device(id));
    });
}

void TFormWMBUSRadioCraft::forgetUnregistered(const wmbus::RouteDevice& device) {
    bool ok = false;
    const int type = device.medium.toInt(&ok);
    if (!ok)
        return;
    const std::string id = wmbus::radioIdText(device.radioId).toStdString();
    if (const auto row = unregistered_.rowOf(id, type, device.manufacturer.trimmed().toStdString()))
        unregistered_.remove(*row);
}

void TFormWMBUSRadioCraft::afterOpen() {
    const Settings& settings = host().settings();
    if (settings.AutoLoad && !settings.Geraeteliste.isEmpty())
        routePage_->loadRouteFile(settings.Geraeteliste);
    setFraming(wmbus::framingForReceiverType(host().settings().RECEIVERTYPE));
    // From here on the receiver port's worker hands its bytes to this window.
    receiving_ = true;
    // The scan switch follows the settings' value, which starts off in every run.
    scanOn_ = host().settings().ScannAn;
}

bool TFormWMBUSRadioCraft::queryClose() {
    if (!exportPage_->queryClose())
        return false;
    const wmbus::Route& route = routePage_->route();
    UserInteraction& ui = host().userInteraction();
    if (route.receivedDeviceCount() < route.deviceCount() &&
        !ui.question(tr("Es sind noch nicht alle Geräte auf der Route empfangen worden!") +
                         QLatin1Char('\n') + tr("Weiter mit Schließen?"),
                     tr("WARNUNG")))
        return false;
    if (!routePage_->queryClose())
        return false;
    if (table_.hasUnsavedRows() &&
        ui.question(tr("Die Tabelle enthält Daten, die noch nicht gespeichert wurden!") + QLatin1Char('\n') +
                        tr("Jetzt speichern?"),
                    tr("WARNUNG")))
        return daten_->SpeicherDatenAlsCsvClick();
    return true;
}

void TFormWMBUSRadioCraft::closeEvent(QCloseEvent* event) {
    if (!queryClose()) {
        event->ignore();
        return;
    }
    TimerWaitOfResponse->stop();
    TimerStartMode->stop();
    runner_.reset();
    endReplayAndLog();
    host().settings().ScannAn = scanOn_;
    ToolWindow::closeEvent(event);
    if (event->isAccepted())
        receiving_ = false;
}

// A route file names the modes to start, in order; each start replaces the one before.
void TFormWMBUSRadioCraft::startRouteModes(const QStringList& letters) {
    for (const QString& letter : letters)
        if (const auto mode = wmbus::receiver::modeOfLetter(letter.toStdString()))
            startMode(*mode);
}

void TFormWMBUSRadioCraft::telegramTaken(const wmbus::TelegramResult& r) {
    noteManufacturer(r.link.mField());
    store_->store(r, host().clock().localNow());
}

// --- manufacturers heard ------------------------------------------------------------------------

void TFormWMBUSRadioCraft::noteManufacturer(std::uint16_t mField) {
    if (received_.note(mField))
        analyse_->ListBoxHersteller->addItem(
            QString::fromLatin1(received_.codes().back().view())); // notr: manufacturer letters
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
    host().setStatusText(2, QString::fromLatin1(wmbus::receiver::modeStatusText(mode))); // notr: mode names
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

void TFormWMBUSRadioCraft::applyStartOptions() {
    // The receiver type may have changed with the options; its framing goes with it.
    setFraming(wmbus::framingForReceiverType(host().settings().RECEIVERTYPE));
    restartStartModeTimer();
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
