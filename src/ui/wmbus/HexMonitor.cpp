#include "ui/wmbus/HexMonitor.h"

#include <QFontDatabase>
#include <QTextBlock>
#include <QTextCursor>

namespace kvq {

namespace {
constexpr char kHex[] = "0123456789ABCDEF";
}

HexMonitor::HexMonitor(QWidget* parent) : QPlainTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setLineWrapMode(QPlainTextEdit::NoWrap);
    setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::black);
    pal.setColor(QPalette::Text, Qt::white);
    setPalette(pal);
}

int HexMonitor::maxLines() const {
    return qMax(1, height() / kLineHeight);
}

int HexMonitor::lineCount() const {
    const QTextDocument* d = document();
    return d->blockCount() == 1 && d->firstBlock().length() <= 1 ? 0 : d->blockCount();
}

QString HexMonitor::lineText(int index) const {
    if (index < 0 || index >= lineCount())
        return {};
    return document()->findBlockByNumber(index).text();
}

QColor HexMonitor::byteColour(int line, int byteIndex) const {
    if (line < 0 || line >= lineCount() || byteIndex < 0)
        return Qt::white;
    const QTextBlock block = document()->findBlockByNumber(line);
    const int pos = byteIndex * 3;
    if (pos >= block.length() - 1)
        return Qt::white;
    for (const QTextLayout::FormatRange& r : block.textFormats())
        if (pos >= r.start && pos < r.start + r.length)
            return r.format.foreground().color();
    return Qt::white;
}

void HexMonitor::appendLine(std::span<const std::uint8_t> bytes, std::span<const QColor> colours) {
    // Room first, so the monitor never holds more than its screen, not even for a moment.
    trimTo(maxLines() - 1);
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    if (lineCount() > 0)
        c.insertBlock();
    // Neighbouring bytes of one colour go in as one run.
    QString run;
    QColor runColour;
    QTextCharFormat fmt;
    auto flush = [&] {
        if (run.isEmpty())
            return;
        fmt.setForeground(runColour);
        c.insertText(run, fmt);
        run.clear();
    };
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        const QColor colour = i < colours.size() ? colours[i] : QColor(Qt::white);
        if (colour != runColour) {
            flush();
            runColour = colour;
        }
        run += QLatin1Char(kHex[bytes[i] >> 4]);
        run += QLatin1Char(kHex[bytes[i] & 0x0F]);
        run += QLatin1Char(' ');
    }
    flush();
    c.endEditBlock();
}

void HexMonitor::trim() {
    trimTo(maxLines());
}

void HexMonitor::trimTo(int limit) {
    for (int lines = lineCount(); lines > limit; --lines) {
        QTextBlock first = document()->firstBlock();
        const QString text = first.text();
        QTextCursor c(first);
        if (lines > 1) {
            c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
        } else {
            c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        }
        c.removeSelectedText();
        Q_EMIT lineDropped(text);
    }
}

} // namespace kvq
