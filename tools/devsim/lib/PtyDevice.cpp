#include "PtyDevice.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

namespace kvq::devsim {

PtyDevice::PtyDevice() = default;

PtyDevice::~PtyDevice() {
    stop();
}

bool PtyDevice::start(QString* error) {
    auto fail = [&](const char* what) {
        if (error)
            *error =
                QStringLiteral("%1: %2").arg(QLatin1String(what), QString::fromLocal8Bit(strerror(errno)));
        closeFds();
        return false;
    };
    master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0)
        return fail("posix_openpt");
    if (::grantpt(master_) != 0 || ::unlockpt(master_) != 0)
        return fail("grantpt");
    const char* name = ::ptsname(master_);
    if (!name)
        return fail("ptsname");
    path_ = QString::fromLocal8Bit(name);
    slaveHeld_ = ::open(name, O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (slaveHeld_ < 0)
        return fail("open slave");
    termios t{};
    if (::tcgetattr(slaveHeld_, &t) == 0) {
        ::cfmakeraw(&t);
        ::tcsetattr(slaveHeld_, TCSANOW, &t);
    }
    ::fcntl(master_, F_SETFL, ::fcntl(master_, F_GETFL) | O_NONBLOCK);
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        return fail("pipe");
    wakeRead_ = pipeFds[0];
    wakeWrite_ = pipeFds[1];
    ::fcntl(wakeRead_, F_SETFL, O_NONBLOCK);
    ::fcntl(wakeWrite_, F_SETFL, O_NONBLOCK);
    thread_ = std::thread([this] { run(); });
    return true;
}

void PtyDevice::stop() {
    if (thread_.joinable()) {
        {
            std::lock_guard lock(m_);
            stopRequested_ = true;
        }
        wake();
        thread_.join();
    }
    closeFds();
    if (wakeRead_ >= 0)
        ::close(wakeRead_);
    if (wakeWrite_ >= 0)
        ::close(wakeWrite_);
    wakeRead_ = wakeWrite_ = -1;
}

QString PtyDevice::path() const {
    return path_;
}

std::optional<PtyDevice::LineState> PtyDevice::lineState() const {
    termios t{};
    const int fd = slaveHeld_;
    if (fd < 0 || ::tcgetattr(fd, &t) != 0)
        return std::nullopt;
    LineState s;
    switch (::cfgetospeed(&t)) {
    case B110:
        s.baudRate = 110;
        break;
    case B300:
        s.baudRate = 300;
        break;
    case B600:
        s.baudRate = 600;
        break;
    case B1200:
        s.baudRate = 1200;
        break;
    case B2400:
        s.baudRate = 2400;
        break;
    case B4800:
        s.baudRate = 4800;
        break;
    case B9600:
        s.baudRate = 9600;
        break;
    case B19200:
        s.baudRate = 19200;
        break;
    case B38400:
        s.baudRate = 38400;
        break;
    case B57600:
        s.baudRate = 57600;
        break;
    case B115200:
        s.baudRate = 115200;
        break;
    default:
        s.baudRate = -1;
        break;
    }
    switch (t.c_cflag & CSIZE) {
    case CS5:
        s.dataBits = 5;
        break;
    case CS6:
        s.dataBits = 6;
        break;
    case CS7:
        s.dataBits = 7;
        break;
    default:
        s.dataBits = 8;
        break;
    }
    s.parity = (t.c_cflag & PARENB) ? ((t.c_cflag & PARODD) ? 'O' : 'E') : 'N';
    s.stopBits = (t.c_cflag & CSTOPB) ? 2 : 1;
#ifdef CRTSCTS
    s.rtsCts = (t.c_cflag & CRTSCTS) != 0;
#endif
    s.xonXoff = (t.c_iflag & (IXON | IXOFF)) != 0;
    return s;
}

void PtyDevice::closeFds() {
    if (const int m = master_.exchange(-1); m >= 0)
        ::close(m);
    if (const int s = slaveHeld_.exchange(-1); s >= 0)
        ::close(s);
}

int PtyDevice::unreadByProgram() const {
    int n = 0;
    const int fd = slaveHeld_;
    if (fd < 0 || ::ioctl(fd, FIONREAD, &n) != 0)
        return 0;
    return n;
}

void PtyDevice::wake() {
    if (wakeWrite_ < 0)
        return;
    const char c = 1;
    [[maybe_unused]] ssize_t n = ::write(wakeWrite_, &c, 1);
}

void PtyDevice::post(std::function<void()> f) {
    {
        std::lock_guard lock(m_);
        commands_.push_back(std::move(f));
    }
    wake();
}

void PtyDevice::runAndWait(const std::function<void()>& f) {
    if (!running() || std::this_thread::get_id() == thread_.get_id()) {
        f();
        return;
    }
    std::mutex m;
    std::condition_variable cv;
    bool done = false;
    post([&] {
        f();
        std::lock_guard lock(m);
        done = true;
        cv.notify_all();
    });
    std::unique_lock lock(m);
    cv.wait(lock, [&] { return done; });
}

void PtyDevice::send(const QByteArray& bytes, int delayMs) {
    post([this, bytes, delayMs] { queueOutput(bytes, std::chrono::milliseconds(delayMs)); });
}

void PtyDevice::hangUp(int delayMs) {
    if (delayMs <= 0) {
        post([this] { hangUpNow(); });
        return;
    }
    post([this, delayMs] { queueHangUp(std::chrono::milliseconds(delayMs)); });
}

bool PtyDevice::isHungUp() const {
    std::lock_guard lock(m_);
    return hungUp_;
}

QByteArray PtyDevice::received() const {
    std::lock_guard lock(m_);
    return received_;
}

void PtyDevice::clearReceived() {
    std::lock_guard lock(m_);
    received_.clear();
}

bool PtyDevice::waitForReceived(int count, int timeoutMs) const {
    std::unique_lock lock(m_);
    return receivedCv_.wait_for(lock, std::chrono::milliseconds(timeoutMs),
                                [&] { return received_.size() >= count; });
}

void PtyDevice::queueOutput(const QByteArray& bytes, SimClock::duration delay) {
    SimClock::time_point base = SimClock::now();
    if (!output_.empty())
        base = std::max(base, output_.back().notBefore);
    output_.push_back(Chunk{bytes, 0, base + delay, false});
}

void PtyDevice::queueHangUp(SimClock::duration delay) {
    queueOutput(QByteArray(), delay);
    output_.back().hangUp = true;
}

void PtyDevice::hangUpNow() {
    // Marked first: whoever sees the terminal go away must also see the device as hung up.
    {
        std::lock_guard lock(m_);
        hungUp_ = true;
    }
    closeFds();
    output_.clear();
}

void PtyDevice::runCommands() {
    std::deque<std::function<void()>> commands;
    {
        std::lock_guard lock(m_);
        commands.swap(commands_);
    }
    for (auto& f : commands)
        f();
}

void PtyDevice::run() {
    char buffer[4096];
    while (!quit_) {
        {
            std::lock_guard lock(m_);
            if (stopRequested_)
                break;
        }
        runCommands();
        auto now = SimClock::now();
        std::optional<SimClock::time_point> deadline = onTick(now);
        if (quit_)
            break;

        // Hang-up markers and empty chunks take effect when they are due. A hang-up waits (up to two
        // seconds) until the program has read what was sent before it: closing the terminal would
        // discard those bytes, and then a loaded machine would see a different conversation.
        while (!output_.empty() && output_.front().notBefore <= now &&
               (output_.front().hangUp || output_.front().bytes.isEmpty())) {
            const bool hang = output_.front().hangUp;
            if (hang && unreadByProgram() > 0 && now < output_.front().notBefore + std::chrono::seconds(2)) {
                const auto retry = now + std::chrono::milliseconds(5);
                deadline = deadline ? std::min(*deadline, retry) : retry;
                break;
            }
            output_.pop_front();
            if (hang)
                hangUpNow();
        }
        if (output_.empty() && master_ >= 0)
            onOutputDrained();

        const bool wantWrite = master_ >= 0 && !output_.empty() && output_.front().notBefore <= now &&
                               !output_.front().hangUp && !output_.front().bytes.isEmpty();
        if (!output_.empty() && output_.front().notBefore > now)
            deadline = deadline ? std::min(*deadline, output_.front().notBefore) : output_.front().notBefore;

        int timeoutMs = 1000;
        if (deadline) {
            const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(*deadline - now).count();
            timeoutMs = int(std::clamp<long long>(ms, 0, 1000));
            if (*deadline > now && timeoutMs == 0)
                timeoutMs = 1;
        }

        pollfd fds[2] = {{wakeRead_, POLLIN, 0}, {master_, short(POLLIN | (wantWrite ? POLLOUT : 0)), 0}};
        const int nfds = master_ >= 0 ? 2 : 1;
        if (::poll(fds, nfds, timeoutMs) < 0 && errno != EINTR)
            break;

        if (fds[0].revents & POLLIN)
            while (::read(wakeRead_, buffer, sizeof buffer) > 0) {
            }
        if (nfds < 2)
            continue;
        if (fds[1].revents & POLLIN) {
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n > 0) {
                const QByteArray bytes(buffer, qsizetype(n));
                {
                    std::lock_guard lock(m_);
                    received_ += bytes;
                }
                receivedCv_.notify_all();
                onReceived(bytes);
            }
        } else if (fds[1].revents & (POLLHUP | POLLERR)) {
            // Nobody holds the terminal open any more: nothing to do until it is opened again.
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        if (wantWrite && (fds[1].revents & POLLOUT)) {
            Chunk& c = output_.front();
            const ssize_t n =
                ::write(master_, c.bytes.constData() + c.offset, size_t(c.bytes.size() - c.offset));
            if (n > 0) {
                c.offset += n;
                if (c.offset >= c.bytes.size())
                    output_.pop_front();
            }
        }
    }
}

} // namespace kvq::devsim
