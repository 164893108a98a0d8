#pragma once
// The recorder's hex monitor: one line per receiver frame, each byte as two hex digits and a blank,
// each byte in the colour of its field. It holds at most one screen of lines (height / 14); each
// line that leaves at the top is handed on (the telegram log writes it).

#include <QColor>
#include <QPlainTextEdit>

#include <cstdint>
#include <span>

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

    int maxLines() const;
    int lineCount() const;
    QString lineText(int index) const;
    // Colour of the byte at a position of a line (white when out of range).
    QColor byteColour(int line, int byteIndex) const;

Q_SIGNALS:
    void lineDropped(const QString& text);

private:
    void trimTo(int limit);
};

} // namespace kvq
