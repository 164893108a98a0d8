#pragma once
// The recorder's hex monitor: one line per receiver frame, each byte as two hex digits and a blank,
// each byte in the colour of its field. It holds at most one screen of lines (height / 14); each
// line that leaves at the top is handed on (the telegram log writes it).

#include <QColor>
#include <QPlainTextEdit>

#include <cstdint>
#include <deque>
#include <span>
#include <vector>

namespace kvq {

class HexMonitor : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int kLineHeight = 14;

    explicit HexMonitor(QWidget* parent = nullptr);

    // Appends one line; colours has one entry per byte (missing entries are white). Older lines
    // are dropped so that no more than maxLines() stay.
    void appendLine(std::span<const std::uint8_t> bytes, std::span<const QColor> colours);
    // Drops lines from the top until no more than maxLines() remain.
    void trim();
    // Between these, lines are kept aside and only the last screen of them goes into the document
    // at the end; lines leave in the same order and are handed on as without a batch. For loading
    // recordings, where laying out every line would cost more than everything else together.
    void beginBatch();
    void endBatch();

    int maxLines() const;
    int lineCount() const;
    QString lineText(int index) const;
    // Colour of the byte at a position of a line (white when out of range).
    QColor byteColour(int line, int byteIndex) const;

Q_SIGNALS:
    void lineDropped(const QString& text);

private:
    struct PendingLine {
        QString text;
        std::vector<QColor> colours;
    };
    void trimTo(int limit);
    void dropFirst();
    void insertLine(const QString& text, std::span<const QColor> colours);

    bool batch_ = false;
    std::deque<PendingLine> pending_; // at most one screen
};

} // namespace kvq
