#include "ScriptedDevice.h"

#include <QStringList>

namespace kvq::devsim {

namespace {
bool parseHexBytes(const QStringList& tokens, int from, QByteArray& out, QString* error) {
    for (int i = from; i < tokens.size(); ++i) {
        bool ok = false;
        const uint v = tokens[i].toUInt(&ok, 16);
        if (!ok || v > 0xFF || tokens[i].size() > 2) {
            if (error)
                *error = QStringLiteral("not a hex byte: %1").arg(tokens[i]);
            return false;
        }
        out.append(char(v));
    }
    return true;
}
} // namespace

std::vector<ScriptStep> parseScript(const QString& text, QString* error) {
    std::vector<ScriptStep> steps;
    QString normalized = text;
    normalized.replace(u'\n', u';');
    for (const QString& raw : normalized.split(u';', Qt::SkipEmptyParts)) {
        QStringList t = raw.simplified().split(u' ', Qt::SkipEmptyParts);
        if (t.isEmpty())
            continue;
        const QString cmd = t[0].toLower();
        ScriptStep s;
        bool ok = true;
        if (cmd == QLatin1String("send")) {
            s.kind = ScriptStep::Kind::Send;
            ok = parseHexBytes(t, 1, s.bytes, error) && !s.bytes.isEmpty();
        } else if (cmd == QLatin1String("wait")) {
            s.kind = ScriptStep::Kind::Wait;
            s.ms = t.size() == 2 ? t[1].toInt(&ok) : (ok = false);
        } else if (cmd == QLatin1String("expect")) {
            s.kind = ScriptStep::Kind::Expect;
            s.ms = 2000;
            if (t.size() > 1 && t.last().startsWith(u'/'))
                s.ms = t.takeLast().mid(1).toInt(&ok);
            ok = ok && parseHexBytes(t, 1, s.bytes, error) && !s.bytes.isEmpty();
        } else if (cmd == QLatin1String("echo")) {
            s.kind = ScriptStep::Kind::Echo;
            ok = t.size() == 2 && (t[1] == QLatin1String("on") || t[1] == QLatin1String("off"));
            s.on = ok && t[1] == QLatin1String("on");
        } else if (cmd == QLatin1String("silence")) {
            s.kind = ScriptStep::Kind::Silence;
        } else if (cmd == QLatin1String("hangup")) {
            s.kind = ScriptStep::Kind::HangUp;
        } else if (cmd == QLatin1String("stream")) {
            s.kind = ScriptStep::Kind::Stream;
            if (t.size() > 1 && t.last().startsWith(u'*'))
                s.count = t.takeLast().mid(1).toLongLong(&ok);
            ok = ok && s.count >= 0 && parseHexBytes(t, 1, s.bytes, error) && !s.bytes.isEmpty();
        } else {
            ok = false;
        }
        if (!ok) {
            if (error && error->isEmpty())
                *error = QStringLiteral("bad step: %1").arg(raw.trimmed());
            return {};
        }
        steps.push_back(s);
    }
    return steps;
}

ScriptedDevice::ScriptedDevice(std::vector<ScriptStep> steps) {
    for (ScriptStep& s : steps)
        add(std::move(s));
}

ScriptedDevice::~ScriptedDevice() {
    stop();
}

ScriptedDevice& ScriptedDevice::add(ScriptStep step) {
    ++stepsAdded_;
    post([this, step = std::move(step)] { steps_.push_back(step); });
    return *this;
}

bool ScriptedDevice::waitFinished(int timeoutMs) const {
    const auto end = SimClock::now() + std::chrono::milliseconds(timeoutMs);
    while (SimClock::now() < end) {
        if (failed_ || stepsDone_ == stepsAdded_)
            return !failed_;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return finished();
}

QString ScriptedDevice::failure() const {
    std::lock_guard lock(failureMutex_);
    return failure_;
}

void ScriptedDevice::fail(const QString& why) {
    {
        std::lock_guard lock(failureMutex_);
        failure_ = why;
    }
    failed_ = true;
    steps_.clear();
}

void ScriptedDevice::onReceived(const QByteArray& bytes) {
    if (silent_)
        return;
    pendingInput_ += bytes;
    if (echo_)
        queueOutput(bytes);
}

void ScriptedDevice::onOutputDrained() {
    if (streamLeft_ == 0 || streamPattern_.isEmpty())
        return;
    qint64 n = streamLeft_ < 0 ? 4096 : std::min<qint64>(streamLeft_, 4096);
    QByteArray chunk;
    chunk.reserve(n);
    for (qint64 i = 0; i < n; ++i) {
        chunk.append(streamPattern_[streamPhase_]);
        streamPhase_ = (streamPhase_ + 1) % streamPattern_.size();
    }
    if (streamLeft_ > 0)
        streamLeft_ -= n;
    streamed_ += n;
    queueOutput(chunk);
}

// Runs the current step; true when it is done and the next may start.
bool ScriptedDevice::stepFinished(SimClock::time_point now) {
    ScriptStep& s = steps_.front();
    switch (s.kind) {
    case ScriptStep::Kind::Send:
        queueOutput(s.bytes);
        return true;
    case ScriptStep::Kind::Wait:
        if (!stepStarted_)
            stepDeadline_ = now + std::chrono::milliseconds(s.ms);
        return now >= stepDeadline_;
    case ScriptStep::Kind::Expect: {
        if (!stepStarted_)
            stepDeadline_ = now + std::chrono::milliseconds(s.ms);
        if (pendingInput_.size() >= s.bytes.size()) {
            const QByteArray got = pendingInput_.left(s.bytes.size());
            pendingInput_.remove(0, s.bytes.size());
            if (got != s.bytes)
                fail(QStringLiteral("expected %1, got %2")
                         .arg(QString::fromLatin1(s.bytes.toHex(' ')), QString::fromLatin1(got.toHex(' '))));
            return true;
        }
        if (now >= stepDeadline_) {
            fail(QStringLiteral("expected %1, got %2 before the time-out")
                     .arg(QString::fromLatin1(s.bytes.toHex(' ')),
                          QString::fromLatin1(pendingInput_.toHex(' '))));
            return true;
        }
        return false;
    }
    case ScriptStep::Kind::Echo:
        echo_ = s.on;
        silent_ = false;
        return true;
    case ScriptStep::Kind::Silence:
        silent_ = true;
        echo_ = false;
        streamLeft_ = 0;
        dropOutput();
        return true;
    case ScriptStep::Kind::HangUp:
        hangUpNow();
        return true;
    case ScriptStep::Kind::Stream:
        if (!stepStarted_) {
            silent_ = false;
            streamPattern_ = s.bytes;
            streamPhase_ = 0;
            streamLeft_ = s.count > 0 ? s.count : -1;
        }
        // An endless stream runs beside the following steps; a counted one ends when it has been read.
        // The terminal passes written bytes on a little later, so nothing unread must stay so a while.
        if (streamLeft_ < 0)
            return true;
        if (streamLeft_ > 0 || outputPending() || unreadByProgram() > 0) {
            stepDeadline_ = now + std::chrono::milliseconds(30);
            return false;
        }
        return now >= stepDeadline_;
    }
    return true;
}

std::optional<SimClock::time_point> ScriptedDevice::onTick(SimClock::time_point now) {
    while (!steps_.empty() && !failed_) {
        const bool done = stepFinished(now);
        if (failed_) {
            ++stepsDone_;
            break;
        }
        if (!done) {
            stepStarted_ = true;
            const ScriptStep::Kind k = steps_.front().kind;
            if (k != ScriptStep::Kind::Stream)
                return stepDeadline_;
            return now + std::chrono::milliseconds(5);
        }
        stepStarted_ = false;
        steps_.pop_front();
        ++stepsDone_;
    }
    return std::nullopt;
}

} // namespace kvq::devsim
