#include "link/LinkController.h"

#include <QDeadlineTimer>
#include <QTimer>

namespace kvq {

LinkController::LinkController(UserInteraction& ui, QObject* parent)
    : QObject(parent), ui_(ui), Timer1(new QTimer(this)) {
    Timer1->setInterval(100);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    connect(Timer1, &QTimer::timeout, this, &LinkController::Timer1Timer);
    const PortDefaults d1 = portDefaults(SerialInterface::SIO1);
    const PortDefaults d2 = portDefaults(SerialInterface::SIO2);
    SIO1Settings_.RxQueueSize = d1.rxQueueSize;
    SIO1Settings_.TxQueueSize = d1.txQueueSize;
    SIO2Settings_.RxQueueSize = d2.rxQueueSize;
    SIO2Settings_.TxQueueSize = d2.txQueueSize;
    PortPage p1, p2;
    p2.baudIndex = d2.baudIndex;
    kvq::ApplyPortSettings(p1, SIO1Settings_);
    kvq::ApplyPortSettings(p2, SIO2Settings_);
}

LinkController::~LinkController() {
    // Quiet teardown: the window has gone, nobody is left to tell.
    if (worker_) {
        worker_->requestStop();
        worker_->wait(QDeadlineTimer(kWorkerStopTimeoutMs));
        if (worker_->isFinished())
            worker_.reset();
        else
            (void)worker_.release(); // never free a thread that still runs
    }
    for (Interface* in : {&sio1_, &sio2_}) {
        if (in->handle && in->handle->thread() == thread())
            in->handle->close();
        else
            (void)in->handle.release();
    }
}

void LinkController::InitPortSettings(PortPage& sio1, PortPage& sio2) {
    const QStringList entries = portListEntries(portMap_, deviceScan);
    SIO1Settings_.PortNr = settings.SIO1Port;
    SIO2Settings_.PortNr = settings.SIO2Port;
    kvq::InitPortSettings(SerialInterface::SIO1, SIO1Settings_, sio1, entries);
    kvq::InitPortSettings(SerialInterface::SIO2, SIO2Settings_, sio2, entries);
}

void LinkController::ApplyPortSettings(const PortPage& sio1, const PortPage& sio2) {
    kvq::ApplyPortSettings(sio1, SIO1Settings_);
    kvq::ApplyPortSettings(sio2, SIO2Settings_);
    SIO1Settings_.RxQueueSize = sio1.rxQueueSize;
    SIO1Settings_.TxQueueSize = sio1.txQueueSize;
}

// ---------------------------------------------------------------------------------------------------

bool LinkController::openPort(SerialInterface which) {
    PortSettingsRecord& rec = portSettings(which);
    Interface& in = iface(which);
    auto opened = SerialPort::open(portSystemName(rec.PortNr, portMap_), rec.lineSettings, rec.RxQueueSize,
                                   rec.TxQueueSize);
    in.open = opened.ok();
    if (!in.open) {
        const bool unmapped = opened.code() == ErrorCode::PortNotMapped && rec.PortNr > 0;
        Q_EMIT statusToolTipChanged(0, unmapped ? tr("com%1 ist keinem Gerät zugeordnet.").arg(rec.PortNr)
                                                : opened.message());
        return false;
    }
    in.handle = std::move(opened).value();
    Q_EMIT statusToolTipChanged(0, QString());
    const std::uint64_t generation = ++portGeneration_;
    connect(
        in.handle.get(), &SerialPort::failed, this,
        [this, which, generation](const QString& reason) { onPortFailed(which, generation, reason); },
        Qt::QueuedConnection);
    // The optical head and the receiver sticks draw their supply from DTR; a pseudo-terminal has none,
    // which is fine.
    in.handle->raiseDtr();
    StartWorker(which);
    return true;
}

void LinkController::StartWorker(SerialInterface which) {
    workerDone_ = false;
    worker_ = std::make_unique<RS232Thread1>(iface(which).handle.get(), *this, this, workerDone_);
    worker_->start();
}

bool LinkController::stopWorker() {
    if (!worker_)
        return true;
    worker_->requestStop();
    if (!worker_->wait(QDeadlineTimer(kWorkerStopTimeoutMs)) || !workerDone_) {
        qCWarning(lcLink) << "link worker did not end";
        return false;
    }
    worker_.reset();
    return true;
}

void LinkController::OpenInterface() {
    // One port at a time: a port still open would keep its worker running beside the new one.
    if (sio1_.open || sio2_.open)
        CloseInterface();
    SIO1Settings_.PortNr = settings.SIO1Port;
    SIO2Settings_.PortNr = settings.SIO2Port;
    if (settings.SIO1Active || settings.SIO2Active) {
        const SerialInterface which = settings.SIO1Active ? SerialInterface::SIO1 : SerialInterface::SIO2;
        if (openPort(which)) {
            setStatus(0, [which, port = portNumber(which),
                          preamble = which == SerialInterface::SIO1 && PreambleChecked] {
                return onlineStatusText(which, port, preamble);
            });
        } else {
            ui_.beep();
            setStatus(0, &LinkTexts::error);
        }
    } else {
        setStatus(0, &LinkTexts::comDisabled);
    }
    repaint();
}

bool LinkController::closePort(SerialInterface which) {
    Interface& in = iface(which);
    if (!in.open)
        return true;
    if (!stopWorker() || !in.handle->close()) {
        ui_.beep();
        ui_.message(texts_.LabelSIOnotClose(), LinkTexts::error(), UserInteraction::Icon::Error);
        setStatus(0, [this] { return texts_.LabelSIOnotClose(); });
        return false;
    }
    in.handle.reset();
    in.open = false;
    setStatus(0, [this] { return texts_.LabelSIOclose(); });
    return true;
}

bool LinkController::CloseInterface() {
    const bool sio1 = closePort(SerialInterface::SIO1);
    const bool sio2 = closePort(SerialInterface::SIO2);
    repaint();
    return sio1 && sio2;
}

void LinkController::ReopenInterface() {
    if (sio1_.open || sio2_.open)
        CloseInterface();
    OpenInterface();
}

void LinkController::onPortFailed(SerialInterface which, std::uint64_t generation, const QString& reason) {
    Interface& in = iface(which);
    if (generation != portGeneration_ || !in.open)
        return;
    if (!stopWorker())
        return;
    in.handle->close();
    in.handle.reset();
    in.open = false;
    setStatus(0, [which, port = portNumber(which)] { return offlineStatusText(which, port); });
    Q_EMIT statusToolTipChanged(0, reason);
    repaint();
    Q_EMIT interfaceDisconnected(which);
}

// ---------------------------------------------------------------------------------------------------

void LinkController::setStatus(int panel, std::function<QString()> text) {
    if (panel < 0 || panel >= static_cast<int>(statusSources_.size()))
        return;
    statusSources_[static_cast<std::size_t>(panel)] = std::move(text);
    Q_EMIT statusTextChanged(panel, statusSources_[static_cast<std::size_t>(panel)]());
}

void LinkController::setStatus(int panel, const QString& text) {
    setStatus(panel, [text] { return text; });
}

void LinkController::retranslateStatus() {
    for (std::size_t panel = 0; panel < statusSources_.size(); ++panel)
        if (statusSources_[panel])
            Q_EMIT statusTextChanged(static_cast<int>(panel), statusSources_[panel]());
}

void LinkController::setLinkState(std::uint8_t state) {
    LinkState = state;
    Q_EMIT linkStateChanged(state);
}

} // namespace kvq
