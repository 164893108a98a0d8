#pragma once
// The wireless M-Bus data recorder ("Wireless M-BUS Datenrecorder"): puts the receiver into its radio
// mode, receives and shows telegrams, keeps the manufacturer lists.

#include "core/wmbus/Framing.h"
#include "core/wmbus/ManufacturerLists.h"
#include "core/wmbus/TelegramDecryptor.h"
#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/compact/KompaktFormatList.h"
#include "core/wmbus/receiver/RadioMode.h"
#include "core/wmbus/receiver/SequenceRunner.h"
#include "core/wmbus/table/ResultTable.h"
#include "core/wmbus/table/TelegramStore.h"
#include "core/wmbus/table/UnregisteredList.h"
#include "link/LinkWindows.h"
#include "ui/app/ToolWindow.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <optional>

class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QTabWidget;
class QTimer;

namespace kvq {

class AnalysePage;
class ExportDataTabs;
class ExportPage;
class ArcSpinner;
class DatenPage;
class UnregisteredPanel;
class FilterPage;
class ReceiverPort;
class ReplayControl;
class RoutePage;
class TelegramLogControl;
class TelegramReception;

class TFormWMBUSRadioCraft : public ToolWindow, public RecorderChunkSink {
    Q_OBJECT
public:
    static constexpr int kResponseWaitMs = 2000;
    static constexpr int kStartModeDelayMs = 1000;

    explicit TFormWMBUSRadioCraft(ToolHost& host, QWidget* parent = nullptr);
    ~TFormWMBUSRadioCraft() override;

    ToolKind kind() const override { return ToolKind::WMBus; }
    // The receiver's bytes come here once the window is set up, until it closes.
    RecorderChunkSink* recorderChunks() override { return receiving_ ? this : nullptr; }
    void afterOpen() override;
    void applyStartOptions() override;

    // Where configuration bytes go instead of the main window's receiver link. Without either they
    // are lost, as with a closed port; the sequence still runs to its end.
    void setReceiverPort(ReceiverPort* port) { port_ = port; }

    // Mode starts: configure the receiver, show the mode in the status bar, show the busy indicator.
    void StartModeTC();
    void StartModeC();
    void StartModeS();
    void startMode(wmbus::receiver::RadioMode mode);
    // "Radiocraft Werkssetup": writes the module's factory configuration.
    void ButtonRadiocraftResetClick();

    // "T", "C", "S" or empty before the first mode start.
    QString radioModeLetter() const { return modeLetter_; }
    bool receiverBusy() const;
    bool scanSwitch() const { return scanOn_; }
    void setScanSwitch(bool on) { scanOn_ = on; }

    // Receive side, fed by the receiver port's worker on the window thread.
    // A chunk of received bytes; time is a date-time in days since 1899-12-30, 0 for "now".
    void receiveChunk(const std::uint8_t* bytes, std::uint16_t count, double time) override;
    // The text of one received byte ("0A ").
    void monitorByte(const QString& hexText) override;
    // "STOP Daten vom Empfänger" is on: the worker then hands nothing over.
    bool stopSwitch() const override;
    void setFraming(wmbus::Framing framing);
    wmbus::Framing framing() const;

    std::uint64_t telegramCount() const;
    std::uint64_t byteCount() const;

    // Adds the manufacturer of an M field to the list of codes heard, once.
    void noteManufacturer(std::uint16_t mField);
    // Click on a code heard: shows its description from the manufacturer file.
    void ListBoxHerstellerClick();
    void setManufacturerDescriptionFile(const QString& path) { manufacturerFile_ = path; }

    AnalysePage* analysePage() const { return analyse_; }
    FilterPage* filterPage() const { return filter_; }
    RoutePage* routePage() const { return routePage_; }
    DatenPage* datenPage() const { return daten_; }
    UnregisteredPanel* unregisteredPanel() const { return scann_; }
    ReplayControl* replayControl() const { return replay_; }
    TelegramLogControl* telegramLog() const { return log_.get(); }
    wmbus::ResultTable& table() { return table_; }
    wmbus::UnregisteredList& unregisteredList() { return unregistered_; }
    wmbus::UnregisteredList& importList() { return imported_; }
    // Where every decoded telegram is stored; its route-telegram handler is free for the export
    // formats.
    wmbus::TelegramStore& telegramStore() { return *store_; }
    QTabWidget* mainPages() const { return PageControlMain; }
    QMenuBar* menuBar() const { return MainMenu; }
    QMenu* datenMenu() const { return MenuDaten; }
    QMenu* routeMenu() const { return MenuRoute; }
    ExportPage* exportPage() const { return exportPage_; }
    ExportDataTabs* exportTabs() const { return exportTabs_; }

public Q_SLOTS:
    void TimerWaitOfResponseTimer();
    void TimerStartModeTimer();
    // Arms the start-mode timer again, so new start options of the settings are applied.
    void restartStartModeTimer();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildPages();
    void buildMenus();
    void displayOptionChanged(wmbus::DisplayOption option);
    void filterActivated();
    void wireUnregisteredList();
    void forgetUnregistered(const wmbus::RouteDevice& device);
    // The close questions; false keeps the window open.
    bool queryClose();
    void runSequence();
    void sendByte(std::uint8_t byte);
    void setBusy(bool busy);
    void sBitBtnStopClick(bool on);
    void StartTriggerClick(bool on);

    void telegramTaken(const wmbus::TelegramResult& telegram);
    void startRouteModes(const QStringList& letters);
    void buildReplay();
    bool closeReceiverPort();
    // Before the window goes: the load stops and the log takes the monitor's last lines.
    void endReplayAndLog();

    ReceiverPort* port_ = nullptr;
    bool receiving_ = false;
    wmbus::receiver::SequenceRunner runner_;
    QString modeLetter_;
    bool scanOn_ = false;
    wmbus::ReceivedManufacturers received_;
    QString manufacturerFile_;
    std::unique_ptr<TelegramReception> reception_;
    wmbus::TelegramDecryptor decryptor_;
    wmbus::KompaktFormatList kompaktFormate_; // "kformate.ini", loaded when the window opens
    wmbus::ResultTable table_;
    wmbus::UnregisteredList unregistered_;
    wmbus::UnregisteredList imported_;
    std::unique_ptr<wmbus::TelegramStore> store_; // made with the route page, whose route it fills
    std::unique_ptr<TelegramLogControl> log_;
    ReplayControl* replay_ = nullptr;

    QTimer* TimerWaitOfResponse;
    QTimer* TimerStartMode;
    QTabWidget* PageControlMain;
    AnalysePage* analyse_;
    FilterPage* filter_;
    RoutePage* routePage_;
    DatenPage* daten_;
    UnregisteredPanel* scann_;
    QMenuBar* MainMenu;
    QMenu* MenuDaten;
    QMenu* MenuRoute;
    ExportPage* exportPage_;
    ExportDataTabs* exportTabs_;
    QTabWidget* PageControlRoute;
    QPushButton* ButtonRadiocraftReset;
    QLabel* LabelRInit;
    ArcSpinner* sArcPreloader1RInit;
};

} // namespace kvq
