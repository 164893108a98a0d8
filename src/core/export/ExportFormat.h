#pragma once
// One export format: which fields of a received telegram go into which column of a billing CSV, and
// which telegrams it takes (filter). The table it fills is its ExportSheet.

#include <QDate>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace kvq::wmbus {
struct TelegramResult;
class StoredResult;
} // namespace kvq::wmbus

namespace kvq::exporting {

// One column: the field it takes (a sample name such as "RadioID" or "Value3[2]"), the heading the
// user gave it, and its option: empty, "[M]", "[Y]", "[D]" or "[X]".
struct ExportColumn {
    QString source;
    QString heading;
    QString option;
    friend bool operator==(const ExportColumn&, const ExportColumn&) = default;
};

// The filter keys as stored (texts) and the numbers the test compares.
struct ExportFilter {
    QString rfidMin = QStringLiteral("00000000");
    QString rfidMax = QStringLiteral("99999999");
    QString mc;
    QString medium;
    QString laenge;
    bool enabled = false;
    friend bool operator==(const ExportFilter&, const ExportFilter&) = default;
};

// Decimal text read as a number; anything that is no number gives 0.
qint64 filterNumber(const QString& text);

// What the filter test and the cells need of a telegram, read once per telegram.
struct TelegramFields {
    explicit TelegramFields(const wmbus::TelegramResult& r);
    const wmbus::TelegramResult& result;
    qint64 radioId = 0; // link-layer ID text read as a number
};

class ExportFormat {
public:
    ExportFormat() = default;
    ExportFormat(QString name, std::vector<ExportColumn> columns, ExportFilter filter);

    const QString& name() const { return name_; }
    void setName(const QString& name) { name_ = name; }
    const std::vector<ExportColumn>& columns() const { return columns_; }
    const ExportFilter& filter() const { return filter_; }
    void setColumns(std::vector<ExportColumn> columns);
    void setFilter(const ExportFilter& filter);
    void setEnabled(bool enabled);

    // All five conditions: length, enabled, manufacturer, device type, radio ID range.
    bool accepts(const TelegramFields& t) const;

    // The headings of the columns shown, at the given day ("[X]" and empty headings make no column).
    std::vector<QString> headings(const QDate& today) const;

    // Columns shown (those with a heading) and the text of one of them for a stored telegram; `row`
    // is the row's position in its table ("Index" counts from 1).
    int shownColumnCount() const { return static_cast<int>(cells_.size()); }
    void cell(const wmbus::StoredResult& stored, int row, int column, std::string& out) const;

    friend bool operator==(const ExportFormat& a, const ExportFormat& b) {
        return a.name_ == b.name_ && a.columns_ == b.columns_ && a.filter_ == b.filter_;
    }

private:
    // Where a shown column takes its cell from.
    enum class Field : std::uint8_t {
        Index,
        Length,
        RadioId,
        TCount,
        MeterId,
        RTime,
        Medium,
        MC,
        AES,
        RSSI,
        Value,
        Unit,
        None
    };
    struct Cell {
        Field field = Field::None;
        std::uint8_t pair = 0; // 0-based value pair of Value and Unit
    };
    void prepare();

    QString name_;
    std::vector<ExportColumn> columns_;
    ExportFilter filter_;
    // Derived from the filter and columns.
    qint64 rfidMin_ = 0, rfidMax_ = 0, medium_ = 0, laenge_ = 0;
    std::string mc_;
    std::vector<Cell> cells_;
};

// The heading of one column on a given day; empty when the column is not shown.
QString columnHeading(const ExportColumn& column, const QDate& today);

} // namespace kvq::exporting
