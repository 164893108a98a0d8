#include "ui/wmbus/HexMonitor.h"

#include <algorithm>

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
    QString text;
    text.reserve(static_cast<qsizetype>(bytes.size()) * 3);
    for (std::uint8_t b : bytes) {
        text += QLatin1Char(kHex[b >> 4]);
        text += QLatin1Char(kHex[b & 0x0F]);
        text += QLatin1Char(' ');
    }
    if (batch_) {
        PendingLine line{std::move(text), std::vector<QColor>(bytes.size(), QColor(Qt::white))};
        std::copy_n(colours.begin(), std::min(colours.size(), bytes.size()), line.colours.begin());
        pending_.push_back(std::move(line));
        return;
    }
    insertLine(text, colours);
}

void HexMonitor::insertLine(const QString& text, std::span<const QColor> colours) {
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    if (lineCount() > 0)
        c.insertBlock();
    // Neighbouring bytes of one colour go in as one run.
    QTextCharFormat fmt;
    const qsizetype bytes = text.size() / 3;
    qsizetype runStart = 0;
    for (qsizetype i = 1; i <= bytes; ++i) {
        const auto colourOf = [&](qsizetype at) {
            return std::size_t(at) < colours.size() ? colours[std::size_t(at)] : QColor(Qt::white);
        };
        if (i < bytes && colourOf(i) == colourOf(runStart))
            continue;
        fmt.setForeground(colourOf(runStart));
        c.insertText(text.mid(runStart * 3, (i - runStart) * 3), fmt);
        runStart = i;
    }
    c.endEditBlock();
}

void HexMonitor::trim() {
    trimTo(maxLines());
}

void HexMonitor::beginBatch() {
    batch_ = true;
}

void HexMonitor::endBatch() {
    if (!batch_)
        return;
    batch_ = false;
    trimTo(maxLines());
    std::deque<PendingLine> lines;
    lines.swap(pending_);
    for (const PendingLine& line : lines)
        insertLine(line.text, line.colours);
}

void HexMonitor::trimTo(int limit) {
    for (int lines = lineCount() + static_cast<int>(pending_.size()); lines > limit; --lines) {
        if (lineCount() > 0) {
            dropFirst();
        } else {
            const QString text = std::move(pending_.front().text);
            pending_.pop_front();
            Q_EMIT lineDropped(text);
        }
    }
}

void HexMonitor::dropFirst() {
    QTextBlock first = document()->firstBlock();
    const QString text = first.text();
    QTextCursor c(first);
    if (lineCount() > 1) {
        c.movePosition(QTextCursor::NextBlock, QTextCursor::KeepAnchor);
    } else {
        c.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    }
    c.removeSelectedText();
    Q_EMIT lineDropped(text);
}

} // namespace kvq
