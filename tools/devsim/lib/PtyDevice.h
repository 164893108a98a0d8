#pragma once
// The far end of a pseudo-terminal, played on its own thread: test equipment that stands in for a
// device or a receiver behind a serial port. The program under test opens the terminal's path like
// any serial port; this side reads what it sends and writes answers, optionally late or in pieces.

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace kvq::devsim {

using SimClock = std::chrono::steady_clock;

class PtyDevice {
public:
    PtyDevice();
    virtual ~PtyDevice();
    PtyDevice(const PtyDevice&) = delete;
    PtyDevice& operator=(const PtyDevice&) = delete;

    // Opens the pseudo-terminal and starts the device thread.
    bool start(QString* error = nullptr);
    // Ends the device thread and closes the terminal.
    void stop();
    // Path of the terminal the program under test opens, e.g. /dev/pts/4.
    QString path() const;
    bool running() const { return thread_.joinable(); }

    // From any thread.
    void send(const QByteArray& bytes, int delayMs = 0);
    void hangUp(int delayMs = 0);
    bool isHungUp() const;
    // Everything received so far.
    QByteArray received() const;
    void clearReceived();
    bool waitForReceived(int count, int timeoutMs) const;
    // Line settings the program configured on the terminal.
    struct LineState {
        int baudRate = 0;
        int dataBits = 0;
        char parity = 'N'; // N, E, O
        int stopBits = 1;
        bool rtsCts = false;
        bool xonXoff = false;
    };
    std::optional<LineState> lineState() const;
    // Runs `f` on the device thread.
    void post(std::function<void()> f);
    // Runs `f` on the device thread and waits for it (at once when the thread does not run).
    void runAndWait(const std::function<void()>& f);

protected:
    // Device thread: bytes the program sent.
    virtual void onReceived(const QByteArray& bytes) { (void)bytes; }
    // Device thread: called on every turn of the loop; returns when it wants to be called again.
    virtual std::optional<SimClock::time_point> onTick(SimClock::time_point now) {
        (void)now;
        return std::nullopt;
    }
    // Device thread: output waiting to be written.
    bool outputPending() const { return !output_.empty(); }
    // The delay counts from the time the output queued before is due, so pieces keep their pauses.
    void queueOutput(const QByteArray& bytes, SimClock::duration delay = {});
    void queueHangUp(SimClock::duration delay = {});
    void dropOutput() { output_.clear(); }
    // Bytes written to the terminal that the program has not read yet.
    int unreadByProgram() const;
    void hangUpNow();
    // Called by the loop when nothing is left to write; a streaming device refills here.
    virtual void onOutputDrained() {}
    // Stops the loop from the device thread (a script that has ended).
    void requestQuit() { quit_ = true; }

private:
    struct Chunk {
        QByteArray bytes;
        qsizetype offset = 0;
        SimClock::time_point notBefore;
        bool hangUp = false; // the far end goes away here instead of writing
    };

    void run();
    void runCommands();
    void wake();
    void closeFds();

    std::atomic<int> master_{-1};
    std::atomic<int> slaveHeld_{-1}; // keeps the terminal alive between the program's open and close
    int wakeRead_ = -1, wakeWrite_ = -1;
    QString path_;
    std::thread thread_;
    bool quit_ = false;

    std::deque<Chunk> output_; // device thread only

    mutable std::mutex m_;
    mutable std::condition_variable receivedCv_;
    std::deque<std::function<void()>> commands_;
    QByteArray received_;
    bool hungUp_ = false;
    bool stopRequested_ = false;
};

} // namespace kvq::devsim
