#pragma once
// The main window: the frame in which one tool window at a time opens, with the menus, the six-panel
// status bar, the settings file, the current device record and the serial link.

#include "core/app/IniFile.h"
#include "core/app/Parameter.h"
#include "core/app/Settings.h"
#include "ui/app/TFormSetup.h"
#include "ui/app/ToolHost.h"
#include "ui/app/ToolWindow.h"

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <map>
#include <memory>

class QLabel;
class QAction;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QTimer;
class QUrl;

namespace kvq {

class TAboutBox;
class StatusPanel;
class MainFormLink;
class Translations;

class TMainForm : public QMainWindow, public ToolHost, public SetupHost {
    Q_OBJECT
public:
    using ToolFactory = std::function<ToolWindow*(ToolHost&, QWidget* parent)>;

    struct Options {
        QString settingsPath; // empty: the standard KVQ.INI below the data root
        int desktopWidth = 0; // 0: width of the primary screen
        bool registerBuiltinWindows = true;
        // The language service; null: the window keeps its own (tests). The program passes the one that
        // applied the remembered language before this window was made.
        Translations* translations = nullptr;
        QString rememberedLanguagePath{}; // empty: the per-user file (LanguageFiles.h)
        // Folders with the shipped files (translations, manual); empty: beside the program, then the
        // installation's data folder.
        QStringList shippedFolders{};
        // Opens the manual in the desktop's viewer; empty: QDesktopServices. Tests watch the URL here.
        std::function<bool(const QUrl&)> openUrl{};
    };

    TMainForm(UserInteraction& ui, const Clock& clock, Options options, QWidget* parent = nullptr);
    ~TMainForm() override;

    // ToolHost
    PARAmeter& currentParams() override { return *CurrentParams; }
    Settings& settings() override { return settings_; }
    UserInteraction& userInteraction() override { return ui_; }
    const Clock& clock() const override { return clock_; }
    LinkController* link() override { return link_; }
    void setStatusText(int panel, const QString& text) override;
    QString statusText(int panel) const override;

    void registerToolWindow(ToolKind kind, ToolFactory factory);
    bool hasToolWindow(ToolKind kind) const { return factories_.count(kind) != 0; }

    // Device menu commands and the recorder.
    void OpenToolWindow(ToolKind kind);
    void CloseAllToolWindows();
    void ShowRecordInWindow();
    // "Laden" and "Speichern &unter...": the current record's image from and to a parameter file.
    void FileOpenItemClick();
    void FileSaveAsItemClick();
    // The one current tool window; everything that asks which window is open asks here.
    ToolWindow* currentToolWindow() const { return current_; }
    bool isToolWindowOpen(ToolKind kind) const { return current_ && current_->kind() == kind; }

    void TimerSIOstartTimer();

    // The "Sprache" menu: closes the tool windows, makes the language active, retranslates every open
    // window, sets the help file, reruns the start steps, rebuilds the captions and remembers the choice.
    void Deutsch1Click() { chooseLanguage(0); }
    void English1Click() { chooseLanguage(1); }
    void ReserveLangClick() { chooseLanguage(2); }
    void ReserveLang2Click() { chooseLanguage(3); }
    void ReserveLang3Click() { chooseLanguage(4); }
    void ReserveLang4Click() { chooseLanguage(5); }
    Translations& translations() { return *translations_; }
    // "Hilfe" (F1): the manual of the help file in use, in the desktop's viewer.
    void HelpContentsClick();

    int LinkState = 0; // 1 request under way, 2 valid answer, 3 error
    void setLinkState(int state);
    // Which interfaces are open, for the colour of panel 0.
    void setInterfacesOpen(bool sio1Open, bool sio2Open);

    InterfaceDialogState& interfaceDialog() override { return interfaceDialog_; }

    // "Setup": the settings window, not modal; null when none is open.
    void SetupItemClick();
    TFormSetup* setupWindow() const { return setup_; }
    // SetupHost
    void ShowInterfaceDialog(SerialInterface which) override;
    void SaveSettings() override;
    void startOptionsChanged() override;
    // The interface dialog, made with the link and kept for the whole run.
    TPagesDlg* PagesDlg() const { return pagesDlg_; }
    IniFile& settingsFile() { return ini_; }
    const QString& settingsPath() const { return settingsPath_; }
    const QString& AppVersionText() const { return appVersionText_; }

    // Which single tool window is open, by the names the device windows know them by.
    bool HKVDataOpen() const { return isToolWindowOpen(ToolKind::HKVData); }
    bool HKVParamOpen() const { return isToolWindowOpen(ToolKind::HKVParam); }
    bool HKVBillingOpen() const { return isToolWindowOpen(ToolKind::HKVBilling); }
    bool ThermoDataOpen() const { return isToolWindowOpen(ToolKind::ThermoData); }
    bool WZDataOpen() const { return isToolWindowOpen(ToolKind::WZData); }
    bool WZParamOpen() const { return isToolWindowOpen(ToolKind::WZParam); }
    bool WZReadoutOpen() const { return isToolWindowOpen(ToolKind::WZReadout); }
    bool WMBusOpen() const { return isToolWindowOpen(ToolKind::WMBus); }

    StatusPanel* statusPanel(int panel) const { return panel >= 0 && panel < 6 ? panels_[panel] : nullptr; }

    // Texts the program shows, held by hidden labels so a language module can replace them.
    QString text(const char* labelName) const;

    void attachLink(LinkController* link) { link_ = link; }
    // The serial link and the progress window, owned by this window.
    MainFormLink* linkWiring() const { return linkWiring_.get(); }
    // Hooks for the serial link: the main window only keeps the interface switches; the link opens ports.
    std::function<void()> onReopenInterface;
    std::function<void()> onCloseInterface;
    std::function<void()> onInitPortSettings;

Q_SIGNALS:
    // The active language changed and the main window has retranslated itself; whoever put texts of its
    // own into the main window (the link's status texts) shows them again.
    void languageChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void FormCreate();
    void FormClose();
    // Built again in the new language at every language switch: every menu entry is made, enabled and
    // connected here, nowhere else.
    void buildMenus();
    void buildStatusBar();
    void buildHiddenLabels();
    void buildLanguageMenu(QMenu* menu);
    void updateLanguageMenu();
    void chooseLanguage(int entry);
    void retranslateUi();
    void updateStatusColours();
    void enableFileEntries(bool load, bool save);
    void onToolWindowClosed(ToolWindow* w);
    void reopenInterface();
    void interfaceDialogFinished(int result);
    std::unique_ptr<PARAmeter> newRecord(DeviceFamily family) const;
    void closeInterface();

    UserInteraction& ui_;
    const Clock& clock_;
    Options options_;
    QString settingsPath_;
    IniFile ini_;
    Settings settings_;
    std::unique_ptr<PARAmeter> CurrentParams;
    InterfaceDialogState interfaceDialog_;
    LinkController* link_ = nullptr;
    bool sio1Open_ = false, sio2Open_ = false;
    QString appVersionText_;

    QMdiArea* mdi_ = nullptr;
    ToolWindow* current_ = nullptr;
    QMdiSubWindow* currentSub_ = nullptr;
    std::map<ToolKind, ToolFactory> factories_;
    std::map<ToolKind, QAction*> toolActions_;

    std::array<StatusPanel*, 6> panels_{};
    QAction* actionLoad_ = nullptr;
    QAction* actionSaveAs_ = nullptr;
    QTimer* TimerSIOstart = nullptr;
    TAboutBox* AboutBox = nullptr;
    TPagesDlg* pagesDlg_ = nullptr;
    bool preambleBeforeDialog_ = false;
    QPointer<TFormSetup> setup_;
    std::unique_ptr<MainFormLink> linkWiring_;
    std::unique_ptr<Translations> ownTranslations_;
    Translations* translations_ = nullptr;
    std::array<QAction*, 6> languageActions_{};
};

} // namespace kvq
