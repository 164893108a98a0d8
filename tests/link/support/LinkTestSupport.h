#pragma once
// Shared pieces of the link tests: waiting on the event loop, a recording user-interaction stand-in,
// and tool windows of the test suite that play the roles the link talks to.

#include "core/app/UserInteraction.h"
#include "link/LinkController.h"
#include "link/LinkWindows.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QStringList>
#include <QThread>
#include <deque>
#include <functional>
#include <vector>

namespace kvq::test {

inline bool waitUntil(const std::function<bool()>& done, int timeoutMs = 5000) {
    QElapsedTimer t;
    t.start();
    while (!done()) {
        if (t.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
    return true;
}

inline void spin(int ms) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        QThread::usleep(200);
    }
}

class RecordingUi final : public UserInteraction {
public:
    struct Message {
        QString text, title;
        Icon icon;
    };
    std::vector<Message> messages;
    int beeps = 0;
    std::deque<bool> answers;

    void message(const QString& text, const QString& title, Icon icon) override {
        messages.push_back({text, title, icon});
    }
    bool question(const QString&, const QString&) override {
        if (answers.empty())
            return false;
        const bool a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> inputText(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> openFileName(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> saveFileName(const QString&, const QString&, const QString&) override {
        return {};
    }
    std::optional<QString> folderName(const QString&, const QString&) override { return {}; }
    void beep() override { ++beeps; }
};

// Records what the link tells the status bar.
struct StatusRecorder {
    std::array<QString, 6> panels;
    QStringList panel0History;
    std::vector<int> linkStates;
    int repaints = 0;

    explicit StatusRecorder(LinkController& link) {
        QObject::connect(&link, &LinkController::statusTextChanged, [this](int panel, const QString& text) {
            panels[panel] = text;
            if (panel == 0)
                panel0History << text;
        });
        QObject::connect(&link, &LinkController::linkStateChanged,
                         [this](int s) { linkStates.push_back(s); });
        QObject::connect(&link, &LinkController::statusBarRepaint, [this] { ++repaints; });
    }
};

// Stands in for the main window: makes a window the one current tool window the link asks.
inline void makeCurrent(LinkController& link, LinkWindow* window) {
    link.setWindowSource([window] { return window; });
}

// A device window: logs, sensor test, acknowledgement, the follow-up after a read, and the sensor stream
// and boot loader while they are set.
class TestDeviceWindow : public LinkWindow,
                         public DeviceByteSink,
                         public AcknowledgementHandler,
                         public ReadFollowUp {
public:
    QString rxLog, txLog;
    int logClears = 0, rxClears = 0;
    int lineLimit = 0;
    bool sensorTest = false;
    std::vector<std::array<int, 3>> timers;
    int acks = 0, followUps = 0;
    std::function<void()> onAck;
    SensorStreamSink* stream = nullptr;
    BootloaderByteSink* bootloader = nullptr;

    DeviceByteSink* deviceByteSink() override { return this; }
    AcknowledgementHandler* acknowledgement() override { return this; }
    ReadFollowUp* readFollowUp() override { return this; }
    SensorStreamSink* sensorStream() override { return stream; }
    BootloaderByteSink* bootloaderByte() override { return bootloader; }

    void clearLinkLogs() override {
        rxLog.clear();
        txLog.clear();
        ++logClears;
    }
    void appendTxLog(const QString& hex) override { txLog += hex; }
    void appendRxLog(const QString& hex) override { rxLog += hex; }
    QString rxLogText() const override { return rxLog; }
    // One line per 16 bytes, as a narrow log window wraps them.
    int rxLogLineCount() const override { return int((rxLog.size() + 47) / 48); }
    void clearRxLog() override {
        rxLog.clear();
        ++rxClears;
    }
    int rxLogLineLimit() const override { return lineLimit; }
    bool sensorTestActive() const override { return sensorTest; }
    void showSensorTimers(int a, int b, int c) override { timers.push_back({a, b, c}); }
    void OnWriteAck() override {
        ++acks;
        if (onAck)
            onAck();
    }
    void afterValidRead() override { ++followUps; }
};

// A device window that keeps no logs (a parameter or readout window).
class TestPlainDeviceWindow : public LinkWindow, public DeviceByteSink {
public:
    DeviceByteSink* deviceByteSink() override { return this; }
};

// The billing window reads its answers as any device window does, and evaluates them.
class TestBillingWindow : public LinkWindow, public DeviceByteSink, public BillingEvaluator {
public:
    int evaluations = 0;
    QStringList logEntries;
    DeviceByteSink* deviceByteSink() override { return this; }
    BillingEvaluator* billing() override { return this; }
    void billingEvaluation() override { ++evaluations; }
    void dataLogEntry(const QString& name) override { logEntries << name; }
};

class TestRecorder : public LinkWindow, public RecorderChunkSink {
public:
    bool stop = false;
    QString monitor;
    std::vector<int> chunkSizes;
    QByteArray chunks;
    std::vector<double> times;
    std::function<void(int)> onByte; // count of bytes seen so far

    RecorderChunkSink* recorderChunks() override { return this; }
    bool stopSwitch() const override { return stop; }
    void monitorByte(const QString& hex) override {
        monitor += hex;
        if (onByte)
            onByte(int(monitor.size() / 3));
    }
    void receiveChunk(const std::uint8_t* bytes, std::uint16_t count, double time) override {
        chunkSizes.push_back(count);
        chunks.append(reinterpret_cast<const char*>(bytes), count);
        times.push_back(time);
    }
};

class TestProgress : public ProgressIndicator {
public:
    int steps = 0, tickClears = 0, ends = 0;
    int max = 100, position = 0;
    bool shown = true;
    void stepBy(int n) override {
        steps += n;
        position += n;
    }
    void clearTickCount() override { ++tickClears; }
    bool isShownForLink() const override { return shown; }
    int maximum() const override { return max; }
    void setMaximum(int m) override { max = m; }
    void setPosition(int p) override { position = p; }
    void endProgress() override {
        ++ends;
        shown = false;
    }
    int prepares = 0;
    int shownMode = -1;
    void prepare(int m) override {
        ++prepares;
        max = m;
        position = 0;
    }
    void ShowProgress(int mode) override {
        shownMode = mode;
        shown = true;
    }
};

class TestSensorData : public SensorStreamSink {
public:
    std::vector<std::array<std::uint8_t, 4>> groups;
    void sensorGroup(std::uint8_t m, std::uint8_t a, std::uint8_t b, std::uint8_t c) override {
        groups.push_back({m, a, b, c});
    }
};

class TestBootLoader : public BootloaderByteSink {
public:
    QByteArray bytes;
    void bootloaderByte(std::uint8_t b) override { bytes.append(char(b)); }
};

} // namespace kvq::test
