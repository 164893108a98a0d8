#pragma once
// A replay file taken a few lines at a time, so that a window can load a recording of a hundred
// thousand telegrams between its other work. Each frame goes to the caller's chunk arrival with the
// time of its line (0 for "now"); lines that are no frame are skipped and counted.

#include "core/app/Result.h"
#include "core/wmbus/Telegram.h"
#include "core/wmbus/replay/ReplayFile.h"

#include <QFile>
#include <QString>

#include <cstdint>
#include <functional>
#include <span>

namespace kvq::wmbus {

class ReplaySession {
public:
    // A receiver frame is at most 258 bytes; even as "DD.MM.YYYY hh:mm:ss;" and blank-separated hex
    // its line stays far below this. Longer lines are refused without being held in memory.
    static constexpr qint64 kMaxLineBytes = 2048;

    using ChunkHandler = std::function<void(std::span<const std::uint8_t>, ReceiveTime)>;

    // Opens the file and counts its lines (the progress range). A failure leaves the session closed.
    Status open(const QString& path);
    void close();
    bool isOpen() const { return file_.isOpen(); }
    QString path() const { return file_.fileName(); }

    // Reads up to maxLines lines and hands each frame on; returns how many lines were read.
    int step(int maxLines, const ChunkHandler& onChunk);
    bool atEnd() const { return !file_.isOpen() || linesRead_ >= lineCount_; }

    int lineCount() const { return lineCount_; }
    int linesRead() const { return linesRead_; }
    int framesHanded() const { return frames_; }
    int malformedLines() const { return malformed_; }

private:
    bool readLine(QByteArray& line);

    QFile file_;
    int lineCount_ = 0;
    int linesRead_ = 0;
    int frames_ = 0;
    int malformed_ = 0;
    ReplayLine line_;
    ReplayLineError error_;
};

} // namespace kvq::wmbus
