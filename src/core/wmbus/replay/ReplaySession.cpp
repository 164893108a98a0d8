#include "core/wmbus/replay/ReplaySession.h"

namespace kvq::wmbus {

namespace {

// Lines as a text editor counts them: a last line without its line end counts too.
Result<int> countLines(QFile& file) {
    int lines = 0;
    char last = '\n';
    QByteArray block;
    while (!file.atEnd()) {
        block = file.read(1 << 20);
        if (block.isEmpty())
            return Result<int>::failure(QStringLiteral("%1: %2").arg(file.fileName(), file.errorString()),
                                        ErrorCode::FileAccess);
        lines += static_cast<int>(block.count('\n'));
        last = block.back();
    }
    return last == '\n' ? lines : lines + 1;
}

} // namespace

Status ReplaySession::open(const QString& path) {
    close();
    file_.setFileName(path);
    if (!file_.open(QIODevice::ReadOnly))
        return Status::failure(QStringLiteral("%1: %2").arg(path, file_.errorString()),
                               ErrorCode::FileAccess);
    const Result<int> lines = countLines(file_);
    if (!lines || !file_.seek(0)) {
        const Status failed = lines ? Status::failure(QStringLiteral("%1: %2").arg(path, file_.errorString()),
                                                      ErrorCode::FileAccess)
                                    : Status(lines.error());
        close();
        return failed;
    }
    lineCount_ = *lines;
    return {};
}

void ReplaySession::close() {
    if (file_.isOpen())
        file_.close();
    lineCount_ = linesRead_ = frames_ = malformed_ = 0;
}

// One line without its line end; false when it was too long (the rest of it is skipped).
bool ReplaySession::readLine(QByteArray& line) {
    line = file_.readLine(kMaxLineBytes);
    if (line.endsWith('\n') || file_.atEnd())
        return true;
    char c = 0;
    while (file_.getChar(&c) && c != '\n') {
    }
    return false;
}

int ReplaySession::step(int maxLines, const ChunkHandler& onChunk) {
    int done = 0;
    QByteArray raw;
    while (done < maxLines && !atEnd()) {
        const bool whole = readLine(raw);
        ++done;
        ++linesRead_;
        if (!whole || !parseReplayLine(std::string_view(raw.constData(), std::size_t(raw.size())), linesRead_, line_, error_)) {
            ++malformed_;
            continue;
        }
        if (line_.bytes.empty())
            continue;
        ++frames_;
        onChunk(line_.bytes, line_.receiveTime);
    }
    // The file may have been cut short since it was counted: then the replay ends here.
    if (file_.atEnd())
        linesRead_ = lineCount_;
    return done;
}

} // namespace kvq::wmbus
