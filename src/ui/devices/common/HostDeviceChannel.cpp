#include "ui/devices/common/HostDeviceChannel.h"

#include "link/LinkController.h"
#include "ui/app/ToolHost.h"

#include <QCoreApplication>

namespace kvq {

void HostDeviceChannel::beginRequest(int progressMaximum, Progress progress) {
    LinkController* link = host_.link();
    if (!link) {
        host_.setStatusText(4, QString());
        return;
    }
    const int mode = progress == Progress::Loading ? 1 : progress == Progress::Sending ? 2 : 0;
    link->beginRequest(progressMaximum, mode);
}

void HostDeviceChannel::sendFrame(const std::vector<std::uint8_t>& frame) {
    // Without a link there is no optical-head port: nothing goes out, as with a closed port.
    if (LinkController* link = host_.link())
        link->SendFrame(frame, true);
}

void HostDeviceChannel::sendFrameAwake(const std::vector<std::uint8_t>& frame) {
    if (LinkController* link = host_.link())
        link->SendFrame(frame, false);
}

void HostDeviceChannel::acknowledged() {
    if (LinkController* link = host_.link()) {
        if (ProgressIndicator* p = link->progress())
            p->endProgress();
        link->setLinkState(2);
    }
    host_.setStatusText(4, QCoreApplication::translate("HostDeviceChannel", "OK"));
}

bool HostDeviceChannel::endConnection() {
    LinkController* link = host_.link();
    if (!link)
        return true;
    link->setAnswerTimerEnabled(false);
    return link->CloseInterface();
}

} // namespace kvq
