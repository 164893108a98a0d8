#pragma once
// A tool window: one of the device windows or the recorder, shown as a child of the main window.
// At most one is open at a time; the main window opens it through OpenToolWindow. The link asks the
// current tool window for the roles it plays (LinkWindow).

#include "link/LinkWindows.h"

#include <QWidget>

namespace kvq {

class ToolHost;

enum class ToolKind {
    HKVData,    // "Gerätedaten EHKV"
    HKVBilling, // "Abrechendaten EHKV"
    HKVParam,   // "Parameterdaten EHKV"
    ThermoData, // "Gerätedaten WMTHERMO"
    WZData,     // "Gerätedaten WZ"
    WZReadout,  // "Abrechendaten WZ"
    WZParam,    // "Parameterdaten WZ"
    WMBus,      // "Wireless M-Bus"
};

class ToolWindow : public QWidget, public LinkWindow {
    Q_OBJECT
public:
    ToolWindow(ToolHost& host, QWidget* parent = nullptr) : QWidget(parent), host_(host) {}
    virtual ToolKind kind() const = 0;
    // Fill the controls from the current device record after a valid answer.
    virtual void ShowRecord() {}
    // Called once after the main window created and placed the window, before it is shown.
    virtual void afterOpen() {}
    // Whether the window offers the file menu's "Laden" and "Speichern &unter..." (device parameter
    // files of the current record); the main window loads and saves.
    virtual bool canLoadFile() const { return false; }
    virtual bool canSaveFile() const { return false; }
    // Before the record is saved to a file: copies the window's controls into the current record.
    // False (the window has said why, the record unchanged) when an input does not fit.
    virtual bool collectRecord() { return true; }
    // The settings' start options changed or the port was opened anew: the recorder configures its
    // receiver again.
    virtual void applyStartOptions() {}

Q_SIGNALS:
    // Emitted from closeEvent so the main window lets go of the window.
    void closed();

protected:
    ToolHost& host() const { return host_; }
    void closeEvent(QCloseEvent* event) override;
    // A language switch reaches every open window here and calls retranslate.
    void changeEvent(QEvent* event) override;
    // Shows the window's texts in the active language: a window with a .ui form calls its
    // retranslateUi(this) and sets again every text it made in code (list items, captions chosen at
    // run time). The values in the controls stay.
    virtual void retranslate() {}

private:
    ToolHost& host_;
};

} // namespace kvq
