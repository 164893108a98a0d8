#include "core/wmbus/table/TableColumns.h"

#include "core/app/AtomicFile.h"
#include "core/app/TextCodec.h"
#include "core/wmbus/output/TelegramOutput.h"

#include <QDateTime>

#include <vector>

namespace kvq::wmbus {

namespace {

void appendNumber(std::string& out, unsigned value) {
    out += std::to_string(value);
}

} // namespace

const AllColumns& AllColumns::instance() {
    static const AllColumns columns;
    return columns;
}

int AllColumns::count() const {
    return static_cast<int>(dataTableHeader().size());
}

std::string_view AllColumns::header(int column) const {
    const auto& h = dataTableHeader();
    return column >= 0 && column < count() ? std::string_view(h[static_cast<std::size_t>(column)])
                                           : std::string_view();
}

void AllColumns::cell(const StoredResult& r, int row, int column, std::string& out) const {
    out.clear();
    if (column == Index) {
        appendNumber(out, static_cast<unsigned>(row + 1));
        return;
    }
    if (column == RadioId) {
        out = r.linkId();
        return;
    }
    if (column == MC) {
        out = r.manufacturerText();
        return;
    }
    if (column == Medium) {
        appendNumber(out, r.deviceType);
        return;
    }
    if (column >= FirstValue) {
        const int pair = (column - FirstValue) / 2;
        out = (column - FirstValue) % 2 ? r.unit(pair) : r.value(pair);
        return;
    }
    // The rest exists only for a device that was heard.
    if (!r.heard)
        return;
    switch (column) {
    case Length:
        appendNumber(out, r.length);
        break;
    case TCount:
        appendNumber(out, r.accessNumber);
        break;
    case MeterId:
        out = r.headerId();
        break;
    case RTime:
        out = receiveTimeText(r.receiveTime, QDateTime::currentDateTime());
        break;
    case AES:
        out = TelegramResult::yesNo(r.encrypted);
        break;
    case RSSI:
        out = r.rssi();
        break;
    default:
        break;
    }
}

QByteArray tableCsv(const ResultTable& table, const TableColumns& columns) {
    const int n = columns.count();
    std::vector<std::string> cells(static_cast<std::size_t>(n));
    std::string text;
    for (int c = 0; c < n; ++c)
        cells[static_cast<std::size_t>(c)] = columns.header(c);
    text += csvLine(cells);
    text += "\r\n";
    for (int r = 0; r < table.size(); ++r) {
        const StoredResult& row = table.at(r);
        for (int c = 0; c < n; ++c)
            columns.cell(row, r, c, cells[static_cast<std::size_t>(c)]);
        text += csvLine(cells);
        text += "\r\n";
    }
    return encodeText(QString::fromStdString(text), TextEncoding::Windows1252);
}

Status writeTableCsv(const QString& path, const ResultTable& table, const TableColumns& columns) {
    return writeFileAtomically(path, tableCsv(table, columns));
}

} // namespace kvq::wmbus
