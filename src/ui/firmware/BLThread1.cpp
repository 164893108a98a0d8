#include "ui/firmware/BLThread1.h"

#include "core/firmware/XmodemSender.h"

namespace kvq {

BLThread1::BLThread1(BootLoaderTransferHost& host, std::vector<std::uint8_t> image, QObject* parent)
    : QThread(parent), host_(host), image_(std::move(image)) {}

void BLThread1::run() {
    firmware::XmodemSender sender(image_);
    bool stopped = false;
    for (;;) {
        std::vector<std::uint8_t> out = sender.takeOutput();
        if (!out.empty()) {
            host_.discardInput();
            for (std::size_t i = 0; i < out.size() && !stopped; ++i)
                if (!host_.OutByte(out[i]))
                    stopped = true;
        }
        if (!stopped && host_.stopRequested())
            stopped = true;
        if (stopped) {
            sender.abort();
            unsent_ = sender.takeOutput();
            break;
        }
        if (sender.finished())
            break;
        const int in = host_.InByte(sender.waitLimit());
        if (in >= 0)
            sender.received(std::uint8_t(in));
        else if (in == BootLoaderTransferHost::kTimedOut)
            sender.timedOut();
        else
            stopped = true;
    }
    result_ = sender.result();
}

} // namespace kvq
