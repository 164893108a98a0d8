#include "ui/firmware/TFormBootLoader.h"

#include "core/firmware/FirmwareFile.h"
#include "core/firmware/XmodemSender.h"
#include "link/LinkController.h"
#include "ui/app/ToolHost.h"
#include "ui_TFormBootLoader.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

namespace kvq {

namespace {
Q_LOGGING_CATEGORY(lcFirmware, "kvq.firmware")

// Bytes kept for the transfer; the sender reads one answer per wait, so a babbling line cannot grow it.
constexpr std::size_t kRxLimit = 4096;
// A bootloader that keeps talking outside a transfer fills the memo only so far.
constexpr int kMemoLines = 1000;

class LinkLine final : public BootLoaderLine {
public:
    explicit LinkLine(LinkController* link) : link_(link) {}
    bool isOpen() const override { return link_ && link_->SIO1Open(); }
    void send(std::uint8_t b) override {
        if (link_)
            link_->SendFrame(&b, 1, false);
    }

private:
    LinkController* link_;
};

} // namespace

TFormBootLoader::TFormBootLoader(ToolHost& host, QWidget* parent)
    : QDialog(parent), host_(host), ownLine_(std::make_unique<LinkLine>(host.link())), line_(*ownLine_),
      link_(host.link()) {
    init();
}

TFormBootLoader::TFormBootLoader(ToolHost& host, BootLoaderLine& line, QWidget* parent)
    : QDialog(parent), host_(host), line_(line) {
    init();
}

TFormBootLoader::~TFormBootLoader() {
    stopThread();
}

void TFormBootLoader::init() {
    ui_ = std::make_unique<Ui::TFormBootLoader>();
    ui_->setupUi(this);
    Timer100ms = new QTimer(this);
    Timer100ms->setObjectName(QStringLiteral("Timer100ms"));
    Timer100ms->setInterval(100);
    connect(Timer100ms, &QTimer::timeout, this, &TFormBootLoader::Timer100msTimer);
    connect(ui_->Button1, &QPushButton::clicked, this, &TFormBootLoader::Button1Click);
    connect(ui_->ButtonCRC, &QPushButton::clicked, this, &TFormBootLoader::ButtonCRCClick);
    connect(ui_->ButtonBOOT, &QPushButton::clicked, this, &TFormBootLoader::ButtonBOOTClick);
    connect(ui_->ButtonSTART, &QPushButton::clicked, this, &TFormBootLoader::ButtonSTARTClick);
    if (link_)
        connect(link_, &LinkController::interfaceDisconnected, this, [this](SerialInterface which) {
            if (which == SerialInterface::SIO1)
                abortTransfer();
        });
    ui_->GaugeProgress->hide();
    ui_->LabelStatus->hide();
    ui_->MemoRxBL->clear();
    ui_->MemoRxBL->setMaximumBlockCount(kMemoLines);
    Busy = false;
}

void TFormBootLoader::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    ui_->MemoRxBL->clear();
}

void TFormBootLoader::done(int r) {
    FormClose();
    QDialog::done(r);
}

void TFormBootLoader::FormClose() {
    stopThread();
    Busy = false;
    Timer100ms->stop();
    ui_->LabelStatus->hide();
    ui_->GaugeProgress->hide();
    setControlsBusy(false);
}

void TFormBootLoader::bootloaderByte(std::uint8_t b) {
    if (isVisible())
        OnByte(b);
}

void TFormBootLoader::OnByte(std::uint8_t b) {
    if (Busy)
        queueReceivedByte(b);
    else
        appendRxChar(char(b));
}

void TFormBootLoader::queueReceivedByte(std::uint8_t b) {
    std::lock_guard lock(m_);
    if (rx_.size() >= kRxLimit)
        rx_.pop_front();
    rx_.push_back(b);
    // The wait ends with the byte, not on the next tick.
    if (waiting_) {
        waiting_ = false;
        cv_.notify_all();
    }
}

void TFormBootLoader::appendRxChar(char c) {
    if (c == '\r')
        return; // the bootloader ends its lines with CR LF
    QPlainTextEdit* memo = ui_->MemoRxBL;
    memo->moveCursor(QTextCursor::End);
    memo->insertPlainText(QString(QChar(uchar(c))));
}

void TFormBootLoader::sendCommand(char c) {
    if (line_.isOpen())
        line_.send(std::uint8_t(c));
}

void TFormBootLoader::ButtonCRCClick() {
    ui_->MemoRxBL->clear();
    sendCommand('c');
}

void TFormBootLoader::ButtonBOOTClick() {
    ui_->MemoRxBL->clear();
    sendCommand('r');
}

void TFormBootLoader::ButtonSTARTClick() {
    ui_->MemoRxBL->clear();
    sendCommand('b');
}

void TFormBootLoader::Button1Click() {
    if (Busy)
        return;
    UserInteraction& user = host_.userInteraction();
    const QString caption = tr("Firmware  Datei:");
    setWindowTitle(caption);
    QString path = lastFile_;
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        const std::optional<QString> chosen = user.openFileName(
            tr("Firmware"), QCoreApplication::applicationDirPath(), tr("Firmware (*.bin *.BIN)"));
        if (!chosen || chosen->isEmpty())
            return;
        path = *chosen;
    }
    // Read and checked before the bootloader hears anything: 'u' makes it wait for an image.
    auto image = firmware::readFirmwareFile(path);
    if (!image) {
        const QString text = image.message();
        user.message(text, tr("Software Update"), UserInteraction::Icon::Error);
        return;
    }
    lastFile_ = path;
    ui_->LabelStatus->hide();
    sendCommand('u');
    setWindowTitle(caption + path);
    ui_->LabelFilename->setText(path);
    startTransfer(std::move(image).value());
}

void TFormBootLoader::startTransfer(std::vector<std::uint8_t> image) {
    const std::size_t size = image.size();
    ui_->LabelFilesize->setText(QString::number(size));
    ui_->LabelTXByte->setText(QStringLiteral("0"));
    ui_->GaugeProgress->setRange(0, firmware::XmodemSender::gaugeMaximum(size));
    ui_->GaugeProgress->setValue(0);
    ui_->GaugeProgress->show();
    progress_ = 0;
    {
        std::lock_guard lock(m_);
        rx_.clear();
        stop_ = false;
        waiting_ = false;
        outRequested_ = outDone_ = 0;
    }
    BootLoaderTransferHost& self = *this;
    TransferThread = std::make_unique<BLThread1>(self, std::move(image));
    connect(TransferThread.get(), &QThread::finished, this, &TFormBootLoader::onThreadFinished);
    Busy = true;
    setControlsBusy(true);
    Timer100ms->start();
    if (!line_.isOpen())
        abortTransfer(); // nothing to send on: ends at once as failed
    TransferThread->start();
}

void TFormBootLoader::abortTransfer() {
    if (!Busy)
        return;
    std::lock_guard lock(m_);
    stop_ = true;
    cv_.notify_all();
}

void TFormBootLoader::onThreadFinished() {
    if (!TransferThread)
        return; // stopped and cleaned up on close already
    TransferThread->wait();
    const int result = TransferThread->result();
    sendUnsent();
    TransferThread.reset();
    Timer100ms->stop();
    const bool ok = result >= 0;
    ui_->GaugeProgress->hide();
    ui_->GaugeProgress->setValue(0);
    ui_->LabelStatus->setText(ok ? tr("Application successfully transmitted") : tr("Flash transmit error"));
    ui_->LabelStatus->show();
    Busy = false;
    setControlsBusy(false);
    ui_->MemoRxBL->clear();
    // Only a complete image starts; after a failure the module stays in its bootloader.
    if (ok)
        ui_->MemoRxBL->setPlainText(tr("Please wait a few seconds to start up the application!"));
    qCInfo(lcFirmware) << "transfer ended with" << result;
}

void TFormBootLoader::stopThread() {
    if (!TransferThread)
        return;
    {
        std::lock_guard lock(m_);
        stop_ = true;
        cv_.notify_all();
    }
    // Every wait of the thread gives way to the stop request, so this is quick.
    if (!TransferThread->wait(1000)) {
        qCWarning(lcFirmware) << "transfer thread slow to stop";
        TransferThread->wait();
    }
    sendUnsent();
    TransferThread.reset();
}

void TFormBootLoader::sendUnsent() {
    for (std::uint8_t b : TransferThread->unsent())
        if (line_.isOpen())
            line_.send(b);
}

void TFormBootLoader::setControlsBusy(bool busy) {
    for (QPushButton* b : {ui_->Button1, ui_->ButtonCRC, ui_->ButtonBOOT, ui_->ButtonSTART})
        b->setEnabled(!busy);
}

void TFormBootLoader::Timer100msTimer() {
    std::lock_guard lock(m_);
    if (waiting_ && (firmware::XmodemSender::waitExpired(TickCount++, waitLimit_) || !rx_.empty())) {
        waiting_ = false;
        cv_.notify_all();
    }
}

// --- on the transfer thread ---

int TFormBootLoader::InByte(int limitTicks) {
    std::unique_lock lock(m_);
    if (rx_.empty() && !stop_) {
        waitLimit_ = limitTicks;
        TickCount = 0;
        waiting_ = true;
        cv_.wait(lock, [&] { return !waiting_ || stop_; });
        waiting_ = false;
    }
    if (stop_)
        return kStopped;
    if (rx_.empty())
        return kTimedOut;
    const std::uint8_t b = rx_.front();
    rx_.pop_front();
    return b;
}

bool TFormBootLoader::OutByte(std::uint8_t b) {
    std::uint64_t ticket = 0;
    {
        std::lock_guard lock(m_);
        if (stop_)
            return false;
        ticket = ++outRequested_;
    }
    QMetaObject::invokeMethod(
        this,
        [this, b] {
            bool send = false;
            {
                std::lock_guard lock(m_);
                send = !stop_;
            }
            if (send) {
                line_.send(b);
                ++progress_;
                ui_->GaugeProgress->setValue(std::min(progress_, ui_->GaugeProgress->maximum()));
                ui_->LabelTXByte->setText(QString::number(progress_));
            }
            std::lock_guard lock(m_);
            ++outDone_;
            cv_.notify_all();
        },
        Qt::QueuedConnection);
    std::unique_lock lock(m_);
    cv_.wait(lock, [&] { return outDone_ >= ticket || stop_; });
    return !stop_;
}

void TFormBootLoader::discardInput() {
    std::lock_guard lock(m_);
    rx_.clear();
}

bool TFormBootLoader::stopRequested() const {
    std::lock_guard lock(m_);
    return stop_;
}

void showBootLoaderWindow(ToolHost& host, QWidget* parent, BootloaderByteSink*& openWindow) {
    TFormBootLoader window(host, parent);
    openWindow = &window;
    window.exec();
    openWindow = nullptr;
}

} // namespace kvq
