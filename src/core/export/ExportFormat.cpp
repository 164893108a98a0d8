#include "core/export/ExportFormat.h"

#include "core/wmbus/TelegramResult.h"
#include "core/wmbus/output/TelegramOutput.h"
#include "core/wmbus/table/StoredResult.h"

#include <QRegularExpression>

namespace kvq::exporting {

namespace {

// Storage numbers go up to a few dozen; a bigger number is no month count but a typing slip.
constexpr int kMaxBracketNumber = 9999;

std::string utf8(const QString& s) {
    return s.toStdString();
}

} // namespace

qint64 filterNumber(const QString& text) {
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? v : 0;
}

TelegramFields::TelegramFields(const wmbus::TelegramResult& r) : result(r) {
    // The ID text is the eight BCD digits or the decimal of the four bytes: digits either way.
    for (char c : r.link.idText.view())
        radioId = radioId * 10 + (c - '0');
}

QString columnHeading(const ExportColumn& column, const QDate& today) {
    const QString option = column.option.trimmed().toUpper();
    if (option == QLatin1String("[X]"))
        return {};
    if (option.size() == 3 && option.contains(u'[') && option.contains(u']')) {
        static const QRegularExpression bracketed(QStringLiteral(R"(\[(\d+)\])"));
        const QRegularExpressionMatch m = bracketed.match(column.source);
        bool ok = false;
        const int n = m.hasMatch() ? m.captured(1).toInt(&ok) : 0;
        if (ok && n <= kMaxBracketNumber) {
            const QString base = QString(column.source).remove(m.capturedStart(), m.capturedLength());
            switch (option[1].unicode()) {
            case 'M': {
                // Counting back over as many year changes as it takes.
                const int months = today.year() * 12 + (today.month() - 1) - n;
                const int year = months / 12;
                const int month = months % 12 + 1;
                return base + QStringLiteral(" / %1.%2.%3")
                                  .arg(QDate(year, month, 1).daysInMonth())
                                  .arg(month)
                                  .arg(year);
            }
            case 'Y':
                return base + QStringLiteral(" / ") + QString::number(today.year() - n);
            case 'D':
                return base + QStringLiteral(" / ") +
                       today.addDays(-n).toString(QStringLiteral("dd.MM.yyyy"));
            default:
                break;
            }
        }
    }
    return column.heading;
}

ExportFormat::ExportFormat(QString name, std::vector<ExportColumn> columns, ExportFilter filter)
    : name_(std::move(name)), columns_(std::move(columns)), filter_(std::move(filter)) {
    prepare();
}

void ExportFormat::setColumns(std::vector<ExportColumn> columns) {
    if (columns == columns_)
        return;
    columns_ = std::move(columns);
    prepare();
}

void ExportFormat::setFilter(const ExportFilter& filter) {
    filter_ = filter;
    prepare();
}

void ExportFormat::setEnabled(bool enabled) {
    filter_.enabled = enabled;
}

void ExportFormat::prepare() {
    rfidMin_ = filterNumber(filter_.rfidMin);
    rfidMax_ = filterNumber(filter_.rfidMax);
    medium_ = filterNumber(filter_.medium);
    laenge_ = filterNumber(filter_.laenge);
    mc_ = utf8(filter_.mc);

    static const std::pair<const char*, Field> kNamed[] = {
        {"Index", Field::Index},   {"Length", Field::Length},   {"RadioID", Field::RadioId},
        {"TCount", Field::TCount}, {"MeterID", Field::MeterId}, {"RTime", Field::RTime},
        {"Medium", Field::Medium}, {"MC", Field::MC},           {"AES", Field::AES},
        {"RSSI", Field::RSSI}};
    // A value or unit column takes the pair whose number follows "Value" or "Unit" ("Value3" is the
    // third pair); without a number, the n-th such column takes the n-th pair.
    static const QRegularExpression pairName(QStringLiteral(R"(^(Value|Unit)(\d*))"),
                                             QRegularExpression::CaseInsensitiveOption);
    cells_.clear();
    int values = 0, units = 0;
    const QDate anyDay(2000, 1, 1); // whether a column is shown does not depend on the day
    for (const ExportColumn& c : columns_) {
        Cell cell;
        const QRegularExpressionMatch m = pairName.match(c.source);
        if (m.hasMatch()) {
            const bool isValue = m.captured(1).compare(QLatin1String("Value"), Qt::CaseInsensitive) == 0;
            int& count = isValue ? values : units;
            ++count;
            bool numbered = false;
            const int n = m.captured(2).toInt(&numbered);
            const int pair = numbered ? n : count;
            if (pair >= 1 && pair <= int(wmbus::kMaxValuePairs)) {
                cell.field = isValue ? Field::Value : Field::Unit;
                cell.pair = static_cast<std::uint8_t>(pair - 1);
            }
        } else {
            for (const auto& [name, field] : kNamed)
                if (c.source.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
                    cell.field = field;
        }
        if (!columnHeading(c, anyDay).isEmpty())
            cells_.push_back(cell);
    }
}

bool ExportFormat::accepts(const TelegramFields& t) const {
    const wmbus::TelegramResult& r = t.result;
    return laenge_ == r.link.l && filter_.enabled && r.link.manufacturer.view() == mc_ &&
           medium_ == r.deviceType && rfidMin_ <= t.radioId && t.radioId <= rfidMax_;
}

std::vector<QString> ExportFormat::headings(const QDate& today) const {
    std::vector<QString> out;
    for (const ExportColumn& c : columns_)
        if (QString h = columnHeading(c, today); !h.isEmpty())
            out.push_back(std::move(h));
    return out;
}

void ExportFormat::cell(const wmbus::StoredResult& r, int row, int column, std::string& out) const {
    out.clear();
    if (column < 0 || column >= shownColumnCount())
        return;
    const Cell& c = cells_[std::size_t(column)];
    switch (c.field) {
    case Field::Index:
        out = std::to_string(row + 1);
        break;
    case Field::Length:
        out = std::to_string(r.length);
        break;
    case Field::RadioId:
        out = r.linkId();
        break;
    case Field::TCount:
        out = std::to_string(r.accessNumber);
        break;
    case Field::MeterId:
        out = r.headerId();
        break;
    case Field::RTime:
        out = wmbus::receiveTimeText(r.receiveTime, QDateTime());
        break;
    case Field::Medium:
        out = std::to_string(r.deviceType);
        break;
    case Field::MC:
        out = r.manufacturerText();
        break;
    case Field::AES:
        out = wmbus::TelegramResult::yesNo(r.encrypted);
        break;
    case Field::RSSI:
        out = r.rssi();
        break;
    case Field::Value:
        out = r.value(c.pair);
        break;
    case Field::Unit:
        out = r.unit(c.pair);
        break;
    case Field::None:
        break;
    }
}

} // namespace kvq::exporting
