#include "ui/app/TMainForm.h"

#include "core/app/DataRoot.h"
#include "core/app/LanguageFiles.h"
#include "core/app/ParameterFile.h"
#include "core/app/ShippedData.h"
#include "ui/app/Language.h"
#include "ui/app/StatusPanel.h"
#include "ui/app/TAboutBox.h"
#include "ui/app/ToolWindows.h"
#include "ui/link/MainFormLink.h"

#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QTimer>
#include <QUrl>

namespace kvq {

namespace {

struct ToolMenuEntry {
    ToolKind kind;
    const char* caption;
    const char* objectName;
    DeviceFamily family;
    bool fileLoad;
    bool fileSave;
    bool serviceCaption; // the caption becomes "KVQ Service Console  " + version
};

// The device menu in its order, with what each entry opens.
constexpr ToolMenuEntry kDeviceMenu[] = {
    {ToolKind::HKVData, QT_TRANSLATE_NOOP("kvq::TMainForm", "Gerätedaten EHKV"), "GeraetedatenEHKVItem",
     DeviceFamily::HeatCostAllocator, true, true, true},
    {ToolKind::HKVBilling, QT_TRANSLATE_NOOP("kvq::TMainForm", "Abrechendaten EHKV"), "AbrechendatenEHKVItem",
     DeviceFamily::HeatCostAllocator, false, true, true},
    {ToolKind::HKVParam, QT_TRANSLATE_NOOP("kvq::TMainForm", "Parameterdaten EHKV"), "ParameterdatenEHKVItem",
     DeviceFamily::HeatCostAllocator, false, true, true},
    {ToolKind::ThermoData, QT_TRANSLATE_NOOP("kvq::TMainForm", "Gerätedaten WMTHERMO"),
     "GeraetedatenWMTHERMOItem", DeviceFamily::RadioThermometer, true, true, true},
    {ToolKind::WZData, QT_TRANSLATE_NOOP("kvq::TMainForm", "Gerätedaten WZ"), "GeraetedatenWZItem",
     DeviceFamily::WaterMeterModule, true, true, false},
    {ToolKind::WZReadout, QT_TRANSLATE_NOOP("kvq::TMainForm", "Abrechendaten WZ"), "AbrechendatenWZItem",
     DeviceFamily::WaterMeterModule, false, true, false},
    {ToolKind::WZParam, QT_TRANSLATE_NOOP("kvq::TMainForm", "Parameterdaten WZ"), "ParameterdatenWZItem",
     DeviceFamily::WaterMeterModule, false, true, false},
};

const ToolMenuEntry* menuEntry(ToolKind kind) {
    for (const auto& e : kDeviceMenu)
        if (e.kind == kind)
            return &e;
    return nullptr;
}

bool isWaterModule(ToolKind k) {
    return k == ToolKind::WZData || k == ToolKind::WZReadout || k == ToolKind::WZParam;
}

struct HiddenText {
    const char* name;
    const char* text;
};

constexpr HiddenText kHiddenTexts[] = {
    {"LabelDatenGueltig", QT_TRANSLATE_NOOP("kvq::TMainForm", "Gültige Daten")},
    {"LabelGV", QT_TRANSLATE_NOOP("kvq::TMainForm", "Geräteversion:")},
    {"LabelDatenFalsch", QT_TRANSLATE_NOOP("kvq::TMainForm", "Falsche Daten!")},
    {"LabelFalschesGeraet", QT_TRANSLATE_NOOP("kvq::TMainForm", "Falsches Gerät oder Softwareversion!")},
    {"LabelTimezone", QT_TRANSLATE_NOOP("kvq::TMainForm", "PC-ZEIT:")},
    {"LabelDateifehler", QT_TRANSLATE_NOOP("kvq::TMainForm", "Die Datei hat nicht die erwartete Größe!")},
    {"LabelFileError", QT_TRANSLATE_NOOP("kvq::TMainForm", "Dateifehler")},
    {"LabelSIOError", QT_TRANSLATE_NOOP("kvq::TMainForm", "Fehler beim Trennen der Schnittstelle!")},
    {"LabelNetzError", QT_TRANSLATE_NOOP("kvq::TMainForm", "Fehler beim Verbinden mit dem Netzwerk!")},
    {"LabelSIOnotClose",
     QT_TRANSLATE_NOOP("kvq::TMainForm", "Schnittstelle konnte nicht geschlossen werden!")},
    {"LabelSIOclose", QT_TRANSLATE_NOOP("kvq::TMainForm", "Schnittstelle wurde geschlossen.")},
    {"LabelSettingsNotSaved",
     QT_TRANSLATE_NOOP("kvq::TMainForm", "Die Einstellungen konnten nicht gespeichert werden:")},
};

constexpr int kPanelWidths[6] = {300, 120, 80, 160, 100, 50};

} // namespace

TMainForm::TMainForm(UserInteraction& ui, const Clock& clock, Options options, QWidget* parent)
    : QMainWindow(parent), ui_(ui), clock_(clock), options_(std::move(options)) {
    if (options_.shippedFolders.isEmpty())
        options_.shippedFolders = shippedDataFolders(programFolder());
    translations_ = options_.translations;
    if (!translations_) {
        QStringList folders;
        for (const QString& f : options_.shippedFolders)
            folders << QDir(f).filePath(QStringLiteral("translations"));
        ownTranslations_ = std::make_unique<Translations>(folders);
        translations_ = ownTranslations_.get();
    }
    if (options_.rememberedLanguagePath.isEmpty())
        options_.rememberedLanguagePath = rememberedLanguagePath();
    if (!options_.openUrl)
        options_.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("KVQ Commander"));
    mdi_ = new QMdiArea(this);
    mdi_->setObjectName(QStringLiteral("ClientArea"));
    setCentralWidget(mdi_);

    buildHiddenLabels();
    buildMenus();
    buildStatusBar();

    AboutBox = new TAboutBox(QStringLiteral(KVQ_VERSION_TEXT), this);
    appVersionText_ = AboutBox->versionText();
    setWindowTitle(QStringLiteral("KVQ Commander  ") + appVersionText_);

    FormCreate();
    linkWiring_ = std::make_unique<MainFormLink>(*this, ui_);
    pagesDlg_ = new TPagesDlg(linkWiring_->link(), linkWiring_->page(SerialInterface::SIO1),
                              linkWiring_->page(SerialInterface::SIO2), interfaceDialog_, ui_, this);
    connect(pagesDlg_, &QDialog::finished, this, &TMainForm::interfaceDialogFinished);

    TimerSIOstart = new QTimer(this);
    TimerSIOstart->setObjectName(QStringLiteral("TimerSIOstart"));
    TimerSIOstart->setSingleShot(true);
    TimerSIOstart->setInterval(1000);
    connect(TimerSIOstart, &QTimer::timeout, this, &TMainForm::TimerSIOstartTimer);
    TimerSIOstart->start();

    if (options_.registerBuiltinWindows)
        registerBuiltinToolWindows(*this);
}

TMainForm::~TMainForm() {
    // Tool windows go first, while this object is still whole for their close and destroy signals.
    delete mdi_;
    mdi_ = nullptr;
}

void TMainForm::buildHiddenLabels() {
    for (const HiddenText& h : kHiddenTexts) {
        auto* label = new QLabel(tr(h.text), this);
        label->setObjectName(QString::fromLatin1(h.name));
        label->hide();
    }
}

QString TMainForm::text(const char* labelName) const {
    const auto* label = findChild<QLabel*>(QString::fromLatin1(labelName), Qt::FindDirectChildrenOnly);
    return label ? label->text() : QString();
}

void TMainForm::buildMenus() {
    QMenu* file = menuBar()->addMenu(tr("&Datei"));
    file->setObjectName(QStringLiteral("FileMenu"));
    actionLoad_ = file->addAction(tr("Laden"));
    actionLoad_->setObjectName(QStringLiteral("FileOpenItem"));
    connect(actionLoad_, &QAction::triggered, this, &TMainForm::FileOpenItemClick);
    actionSaveAs_ = file->addAction(tr("Speichern &unter..."));
    actionSaveAs_->setObjectName(QStringLiteral("FileSaveAsItem"));
    connect(actionSaveAs_, &QAction::triggered, this, &TMainForm::FileSaveAsItemClick);
    file->addSeparator();
    QAction* exit = file->addAction(tr("&Beenden"));
    exit->setObjectName(QStringLiteral("FileExitItem"));
    exit->setShortcut(QKeySequence(Qt::ALT | Qt::Key_F4));
    connect(exit, &QAction::triggered, this, &QWidget::close);
    enableFileEntries(false, false);

    QMenu* devices = menuBar()->addMenu(tr("Geräte"));
    devices->setObjectName(QStringLiteral("GeraeteMenu"));
    for (const ToolMenuEntry& e : kDeviceMenu) {
        QAction* a = devices->addAction(tr(e.caption));
        a->setObjectName(QString::fromLatin1(e.objectName));
        a->setEnabled(false);
        const ToolKind kind = e.kind;
        connect(a, &QAction::triggered, this, [this, kind] { OpenToolWindow(kind); });
        toolActions_[kind] = a;
    }

    QAction* wmbus = menuBar()->addAction(tr("Wireless M-Bus"));
    wmbus->setObjectName(QStringLiteral("WirelessMBusItem"));
    wmbus->setEnabled(false);
    connect(wmbus, &QAction::triggered, this, [this] { OpenToolWindow(ToolKind::WMBus); });
    toolActions_[ToolKind::WMBus] = wmbus;

    QAction* setup = menuBar()->addAction(tr("Setup"));
    setup->setObjectName(QStringLiteral("SetupItem"));
    connect(setup, &QAction::triggered, this, &TMainForm::SetupItemClick);

    QMenu* lang = menuBar()->addMenu(tr("Sprache"));
    lang->setObjectName(QStringLiteral("SpracheMenu"));
    buildLanguageMenu(lang);

    QMenu* help = menuBar()->addMenu(tr("&Hilfe"));
    help->setObjectName(QStringLiteral("HilfeMenu"));
    QAction* contents = help->addAction(tr("Hilfe"));
    contents->setObjectName(QStringLiteral("HelpContentsItem"));
    contents->setShortcut(QKeySequence::HelpContents);
    contents->setShortcutContext(Qt::ApplicationShortcut);
    connect(contents, &QAction::triggered, this, &TMainForm::HelpContentsClick);
    QAction* version = help->addAction(tr("Version"));
    version->setObjectName(QStringLiteral("HelpAboutItem"));
    connect(version, &QAction::triggered, this, [this] { AboutBox->exec(); });
}

void TMainForm::buildLanguageMenu(QMenu* menu) {
    static constexpr const char* kNames[kLanguageEntries] = {"LangDeutschItem",  "LangEnglishItem",
                                                             "LangReserve1Item", "LangReserve2Item",
                                                             "LangReserve3Item", "LangReserve4Item"};
    using Handler = void (TMainForm::*)();
    static constexpr Handler kHandlers[kLanguageEntries] = {
        &TMainForm::Deutsch1Click,     &TMainForm::English1Click,     &TMainForm::ReserveLangClick,
        &TMainForm::ReserveLang2Click, &TMainForm::ReserveLang3Click, &TMainForm::ReserveLang4Click};
    auto* group = new QActionGroup(menu);
    for (int i = 0; i < kLanguageEntries; ++i) {
        QAction* a = menu->addAction(QString());
        a->setObjectName(QString::fromLatin1(kNames[i]));
        a->setCheckable(true);
        group->addAction(a);
        connect(a, &QAction::triggered, this, kHandlers[i]);
        languageActions_[i] = a;
    }
    updateLanguageMenu();
}

void TMainForm::updateLanguageMenu() {
    // Each language's own name in every language; a reserve entry without a name is hidden.
    const auto entries = languageMenuEntries(settings_);
    int active = -1;
    for (int i = 0; i < kLanguageEntries && active < 0; ++i)
        if (entries[i].visible &&
            entries[i].abbreviation.compare(translations_->active(), Qt::CaseInsensitive) == 0)
            active = i;
    for (int i = 0; i < kLanguageEntries; ++i) {
        QAction* a = languageActions_[i];
        a->setText(entries[i].caption); // notr: each language's name as the settings file gives it
        a->setVisible(entries[i].visible);
        a->setChecked(i == active);
    }
}

void TMainForm::chooseLanguage(int entry) {
    const LanguageMenuEntry chosen = languageMenuEntries(settings_)[entry];
    if (!chosen.visible)
        return;
    CloseAllToolWindows();
    if (current_) // the open window asked to stay: nothing switches
        return;
    if (!translations_->load(chosen.abbreviation)) {
        // A language without its file changes nothing and is not remembered.
        updateLanguageMenu();
        return;
    }
    // Every existing window retranslates now, before the steps below read their texts.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::LanguageChange);
    if (!chosen.helpFile.isEmpty())
        settings_.helpFile = chosen.helpFile;
    TimerSIOstartTimer();
    setWindowTitle(QStringLiteral("KVQ Commander  ") + appVersionText_);
    updateLanguageMenu();
    if (Status stored = rememberLanguage(options_.rememberedLanguagePath, chosen.abbreviation); !stored.ok())
        ui_.message(tr("Die Sprache kann nicht für den nächsten Start gespeichert werden; er beginnt in der "
                       "bisherigen Sprache.") +
                        u'\n' + stored.message(),
                    text("LabelFileError"), UserInteraction::Icon::Error);
}

void TMainForm::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslateUi();
    QMainWindow::changeEvent(event);
}

void TMainForm::retranslateUi() {
    if (!actionLoad_)
        return; // still being built
    // The menus are built again in the active language; what they enable and tick is carried over.
    const bool load = actionLoad_->isEnabled();
    const bool save = actionSaveAs_->isEnabled();
    setMenuBar(new QMenuBar(this)); // the old bar goes once the event that may have come from it is done
    buildMenus();
    enableFileEntries(load, save);
    for (const auto& registered : factories_)
        if (auto it = toolActions_.find(registered.first); it != toolActions_.end())
            it->second->setEnabled(true);

    for (const HiddenText& h : kHiddenTexts)
        if (auto* label = findChild<QLabel*>(QString::fromLatin1(h.name), Qt::FindDirectChildrenOnly))
            label->setText(tr(h.text));

    // Status texts: the main window's own again; texts a closed tool window left go; the link shows its
    // own again through languageChanged.
    for (int panel : {0, 2, 4, 5})
        setStatusText(panel, QString());
    setStatusText(1, timeZoneText(text("LabelTimezone"), settings_.TimeZoneDiff));
    setStatusText(3, text("LabelGV"));
    Q_EMIT languageChanged();
}

void TMainForm::HelpContentsClick() {
    const QString name = manualPageFor(settings_.helpFile);
    QString page = QDir(options_.shippedFolders.back()).filePath(name);
    for (const QString& folder : options_.shippedFolders)
        if (QFileInfo(QDir(folder).filePath(name)).isFile()) {
            page = QDir(folder).filePath(name);
            break;
        }
    // A manual that is not installed is named in the message, so the technician knows what is missing.
    if (!QFileInfo(page).isFile() || !options_.openUrl(QUrl::fromLocalFile(page)))
        ui_.message(tr("Das Handbuch kann nicht angezeigt werden: %1").arg(QDir::toNativeSeparators(page)),
                    text("LabelFileError"), UserInteraction::Icon::Error);
}

void TMainForm::buildStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setSizeGripEnabled(true);
    for (int i = 0; i < 6; ++i) {
        panels_[i] = new StatusPanel(kPanelWidths[i], bar);
        panels_[i]->setObjectName(QStringLiteral("StatusPanel%1").arg(i));
        bar->addWidget(panels_[i]);
    }
    // Image 1 of the image list: the interface symbol in front of the interface state.
    panels_[0]->setImage(style()->standardIcon(QStyle::SP_DriveNetIcon).pixmap(16, 16));
    setStatusText(3, text("LabelGV"));
}

void TMainForm::setStatusText(int panel, const QString& t) {
    if (panel < 0 || panel >= 6)
        return;
    panels_[panel]->setText(t);
}

QString TMainForm::statusText(int panel) const {
    if (panel < 0 || panel >= 6)
        return {};
    return panels_[panel]->text();
}

void TMainForm::FormCreate() {
    LinkState = 0;

    settingsPath_ = options_.settingsPath.isEmpty() ? settingsFilePath() : options_.settingsPath;
    // No installer creates the folders on this platform: make every missing level.
    QDir().mkpath(QFileInfo(settingsPath_).absolutePath());
    if (auto loaded = IniFile::load(settingsPath_); loaded.ok()) {
        ini_ = std::move(loaded).value();
    } else {
        ui_.message(loaded.message(), text("LabelFileError"), UserInteraction::Icon::Warning);
    }
    settings_.read(ini_);
    CurrentParams = newRecord(DeviceFamily::HeatCostAllocator);

    int desktop = options_.desktopWidth;
    if (desktop <= 0 && QGuiApplication::primaryScreen())
        desktop = QGuiApplication::primaryScreen()->availableGeometry().width();
    if (desktop <= 0)
        desktop = 1280;
    setGeometry(settings_.windowRect(desktop));

    setStatusText(1, timeZoneText(text("LabelTimezone"), settings_.TimeZoneDiff));

    updateLanguageMenu();
    updateStatusColours();
}

std::unique_ptr<PARAmeter> TMainForm::newRecord(DeviceFamily family) const {
    return std::make_unique<PARAmeter>(family);
}

void TMainForm::TimerSIOstartTimer() {
    TimerSIOstart->stop();
    interfaceDialog_.sio1Active = settings_.link.SIO1Active;
    interfaceDialog_.sio2Active = settings_.link.SIO2Active;
    interfaceDialog_.preamble = settings_.link.PreambleDefault;
    if (onInitPortSettings)
        onInitPortSettings();
    updateStatusColours();
}

void TMainForm::registerToolWindow(ToolKind kind, ToolFactory factory) {
    factories_[kind] = std::move(factory);
    if (auto it = toolActions_.find(kind); it != toolActions_.end())
        it->second->setEnabled(true);
}

void TMainForm::reopenInterface() {
    if (onReopenInterface)
        onReopenInterface();
    updateStatusColours();
}

void TMainForm::closeInterface() {
    if (onCloseInterface)
        onCloseInterface();
    updateStatusColours();
}

void TMainForm::OpenToolWindow(ToolKind kind) {
    auto factory = factories_.find(kind);
    if (factory == factories_.end())
        return;

    if (kind == ToolKind::WMBus) {
        closeInterface();
        CloseAllToolWindows();
        if (current_)
            return; // the open window refused to close
        interfaceDialog_.sio2Active = true;
        settings_.link.SIO1Active = false;
        settings_.link.SIO2Active = true;
        reopenInterface();
    } else {
        CloseAllToolWindows();
        if (current_)
            return;
        if (isWaterModule(kind))
            interfaceDialog_.preamble = true;
        else
            interfaceDialog_.sio1Active = true;
        settings_.link.SIO1Active = true;
        settings_.link.SIO2Active = false;
        reopenInterface();
    }

    const ToolMenuEntry* entry = menuEntry(kind);
    if (entry)
        CurrentParams = newRecord(entry->family);

    ToolWindow* w = factory->second(*this, nullptr);
    if (!w)
        return;
    w->setAttribute(Qt::WA_DeleteOnClose);
    QMdiSubWindow* sub = mdi_->addSubWindow(w);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    sub->setWindowTitle(w->windowTitle());
    current_ = w;
    currentSub_ = sub;
    connect(w, &ToolWindow::closed, this, [this, w] { onToolWindowClosed(w); });
    connect(w, &QObject::destroyed, this, [this, w] {
        if (current_ == w) {
            current_ = nullptr;
            currentSub_ = nullptr;
        }
    });

    if (entry && entry->serviceCaption)
        setWindowTitle(QStringLiteral("KVQ Service Console  ") + appVersionText_);
    if (kind == ToolKind::WMBus)
        sub->move(0, 0);
    w->afterOpen();
    sub->show();
    if (entry)
        enableFileEntries(entry->fileLoad && w->canLoadFile(), entry->fileSave && w->canSaveFile());
    updateStatusColours();
}

void TMainForm::onToolWindowClosed(ToolWindow* w) {
    if (current_ == w) {
        current_ = nullptr;
        currentSub_ = nullptr;
        enableFileEntries(false, false);
    }
}

void TMainForm::CloseAllToolWindows() {
    if (currentSub_) {
        ToolWindow* w = current_;
        // Closing the sub-window asks the tool window; a window that refuses stays open.
        if (currentSub_->close() && current_ == w)
            onToolWindowClosed(w);
    }
    if (!current_)
        enableFileEntries(false, false);
}

void TMainForm::ShowRecordInWindow() {
    setWindowTitle(QString::fromStdString(CurrentParams->DeviceName)); // notr: the device's own name
    if (current_)
        current_->ShowRecord();
}

void TMainForm::FileOpenItemClick() {
    if (!current_ || !current_->canLoadFile())
        return;
    const ParameterFileKind& kind = parameterFileKind(CurrentParams->family());
    const auto chosen =
        ui_.openFileName(QCoreApplication::translate("ParameterFile", kind.title), parameterFolder(),
                         QCoreApplication::translate("ParameterFile", kind.filter));
    if (!chosen)
        return;
    if (Status loaded = loadParameterFile(*CurrentParams, *chosen); !loaded.ok()) {
        const bool wrongSize = loaded.code() == kParameterFileWrongSize;
        ui_.message(wrongSize ? text("LabelDateifehler") : loaded.message(), text("LabelFileError"),
                    UserInteraction::Icon::Error);
        return;
    }
    ShowRecordInWindow();
}

void TMainForm::FileSaveAsItemClick() {
    if (!current_ || !current_->canSaveFile())
        return;
    const DeviceFamily family = CurrentParams->family();
    const ParameterFileKind& kind = parameterFileKind(family);
    const QString folder = parameterFolder();
    // A folder that cannot be made is reported; the technician may still save somewhere else.
    if (!QDir().mkpath(folder))
        ui_.message(tr("Der Ordner %1 kann nicht angelegt werden.").arg(QDir::toNativeSeparators(folder)),
                    text("LabelFileError"), UserInteraction::Icon::Error);
    const auto chosen = ui_.saveFileName(QCoreApplication::translate("ParameterFile", kind.title), folder,
                                         QCoreApplication::translate("ParameterFile", kind.filter));
    if (!chosen || !current_)
        return;
    const QString path = withParameterExtension(*chosen, family);
    if (!current_->collectRecord())
        return; // the window has said which input does not fit; nothing is written
    if (Status saved = saveParameterFile(*CurrentParams, path); !saved.ok())
        ui_.message(saved.message(), text("LabelFileError"), UserInteraction::Icon::Error);
}

void TMainForm::enableFileEntries(bool load, bool save) {
    actionLoad_->setEnabled(load);
    actionSaveAs_->setEnabled(save);
}

void TMainForm::setLinkState(int state) {
    LinkState = state;
    updateStatusColours();
}

void TMainForm::setInterfacesOpen(bool sio1Open, bool sio2Open) {
    sio1Open_ = sio1Open;
    sio2Open_ = sio2Open;
    updateStatusColours();
}

void TMainForm::updateStatusColours() {
    panels_[0]->setColour(
        interfacePanelColour(interfaceDialog_.sio1Active, sio1Open_, interfaceDialog_.sio2Active, sio2Open_));
    panels_[4]->setColour(linkStatePanelColour(LinkState));
}

void TMainForm::closeEvent(QCloseEvent* event) {
    CloseAllToolWindows();
    if (current_) { // a tool window asked to stay open
        event->ignore();
        return;
    }
    FormClose();
    event->accept();
}

void TMainForm::SetupItemClick() {
    if (setup_) { // one settings window is enough
        setup_->raise();
        setup_->activateWindow();
        return;
    }
    setup_ = new TFormSetup(*this, this);
    setup_->move(geometry().topLeft() + QPoint(100, 50));
    setup_->InitFromMain();
    setup_->show();
}

void TMainForm::ShowInterfaceDialog(SerialInterface which) {
    if (!pagesDlg_ || !linkWiring_ || pagesDlg_->isVisible())
        return;
    // Within the first second the start timer has not prepared the port lists yet: it does so now.
    if (TimerSIOstart->isActive())
        TimerSIOstartTimer();
    pagesDlg_->showOnlyPage(which);
    pagesDlg_->setPortNr(SerialInterface::SIO1, linkWiring_->port(SerialInterface::SIO1));
    pagesDlg_->setPortNr(SerialInterface::SIO2, linkWiring_->port(SerialInterface::SIO2));
    preambleBeforeDialog_ = interfaceDialog_.preamble;
    interfaceDialog_.preamble = settings_.link.PreambleDefault;
    if (which == SerialInterface::SIO1)
        pagesDlg_->CheckBoxSIO1aktiveClick();
    else
        pagesDlg_->CheckBoxSIO2aktiveClick();
    // Modal for every window, the settings window included, without a nested event loop: the rest
    // follows when it ends.
    pagesDlg_->setWindowModality(Qt::ApplicationModal);
    pagesDlg_->show();
}

void TMainForm::interfaceDialogFinished(int result) {
    if (result == QDialog::Accepted && linkWiring_) {
        linkWiring_->choosePorts(pagesDlg_->PortNr(SerialInterface::SIO1),
                                 pagesDlg_->PortNr(SerialInterface::SIO2));
        reopenInterface();
        // A receiver on a new port starts without its mode.
        if (current_)
            current_->applyStartOptions();
    } else {
        // Cancel leaves the wake-up preamble as it was in use, not as it was stored.
        interfaceDialog_.preamble = preambleBeforeDialog_;
    }
    updateStatusColours();
}

void TMainForm::startOptionsChanged() {
    if (current_)
        current_->applyStartOptions();
}

void TMainForm::FormClose() {
    closeInterface();
    SaveSettings();
}

void TMainForm::SaveSettings() {
    const QRect g = geometry();
    settings_.windowTop = g.top();
    settings_.windowLeft = g.left();
    settings_.windowWidth = g.width();
    settings_.windowHeight = g.height();
    settings_.link.PreambleDefault = interfaceDialog_.preamble;
    settings_.write(ini_);
    if (linkWiring_)
        linkWiring_->saveSettings(ini_);
    // A settings file that cannot be written is reported instead of being lost silently.
    if (Status saved = ini_.save(settingsPath_); !saved.ok())
        ui_.message(text("LabelSettingsNotSaved") + u'\n' + saved.message(), text("LabelFileError"),
                    UserInteraction::Icon::Error);
}

} // namespace kvq
