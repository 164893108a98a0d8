#pragma once
// "Software Update": the water-meter module's bootloader commands and the upload of a new application
// over XMODEM. Shown modally by the module's device window after it has started the bootloader.

#include "link/LinkWindows.h"
#include "ui/firmware/BLThread1.h"

#include <QDialog>
#include <QString>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>

class QTimer;

namespace Ui {
class TFormBootLoader;
}

namespace kvq {

class ToolHost;
class LinkController;

// Where the window's bytes go: one byte at a time, without wake-up preamble.
class BootLoaderLine {
public:
    virtual ~BootLoaderLine() = default;
    virtual bool isOpen() const = 0;
    virtual void send(std::uint8_t b) = 0;
};

class TFormBootLoader : public QDialog, public BootloaderByteSink, private BootLoaderTransferHost {
    Q_OBJECT
public:
    // Sends through the host's link. The bytes come through the opening window's bootloader-byte role,
    // which hands this window out while it is open.
    TFormBootLoader(ToolHost& host, QWidget* parent = nullptr);
    // Sends through `line`; received bytes come through OnByte.
    TFormBootLoader(ToolHost& host, BootLoaderLine& line, QWidget* parent = nullptr);
    ~TFormBootLoader() override;

    // The byte hook: during a transfer the byte feeds it, otherwise it is shown in MemoRxBL.
    void OnByte(std::uint8_t b);

    // The link's bootloader-byte role: OnByte while shown; bytes for a hidden window are dropped.
    void bootloaderByte(std::uint8_t b) override;

    bool busy() const { return Busy; }

public Q_SLOTS:
    void Button1Click();
    void ButtonCRCClick();
    void ButtonBOOTClick();
    void ButtonSTARTClick();
    void Timer100msTimer();
    // The port went away: the transfer ends at once as failed.
    void abortTransfer();

protected:
    void showEvent(QShowEvent* event) override;
    void done(int r) override;

private:
    void init();
    void FormClose();
    void sendCommand(char c);
    void startTransfer(std::vector<std::uint8_t> image);
    void onThreadFinished();
    void stopThread();
    void sendUnsent();
    void setControlsBusy(bool busy);
    void queueReceivedByte(std::uint8_t b);
    void appendRxChar(char c);

    // BootLoaderTransferHost, called on the transfer thread.
    int InByte(int limitTicks) override;
    bool OutByte(std::uint8_t b) override;
    void discardInput() override;
    bool stopRequested() const override;

    ToolHost& host_;
    std::unique_ptr<BootLoaderLine> ownLine_;
    BootLoaderLine& line_;
    LinkController* link_ = nullptr;
    std::unique_ptr<Ui::TFormBootLoader> ui_;
    QTimer* Timer100ms = nullptr;
    std::unique_ptr<BLThread1> TransferThread;
    bool Busy = false;
    // The file sent last: sent again while it exists and the window is open. A new window asks anew,
    // so a wrongly chosen file never sticks for the rest of the run.
    QString lastFile_;
    int progress_ = 0;
    bool closing_ = false;

    // Shared with the transfer thread.
    mutable std::mutex m_;
    std::condition_variable cv_;
    std::deque<std::uint8_t> rx_; // received while a transfer runs; RxByte of the classic design
    bool waiting_ = false;
    int waitLimit_ = 0;
    int TickCount = 0;
    bool stop_ = false;
    std::uint64_t outRequested_ = 0, outDone_ = 0;
};

// What the water-meter module window calls after its confirmed "BootLoader" command: shows the
// window modally and returns when it is closed. While it is open `openWindow` points to it, so the
// opening window can play the bootloader-byte role (and with it NoPreamble) by returning it.
void showBootLoaderWindow(ToolHost& host, QWidget* parent, BootloaderByteSink*& openWindow);

} // namespace kvq
