#include "core/export/ExportSheet.h"

#include "core/wmbus/table/StoredResult.h"

namespace kvq::exporting {

void ExportSheet::apply(const wmbus::TelegramResult& telegram, const QDateTime& now) {
    if (!started_) {
        headings_.clear();
        for (const QString& h : format_.headings(now.date()))
            headings_.push_back(h.toStdString());
        started_ = true;
        table_.clear(); // tells the views that the columns came
    }
    table_.putNewest(wmbus::StoredResult::fromTelegram(telegram, now.toMSecsSinceEpoch()));
}

void ExportSheet::discard() {
    headings_.clear();
    started_ = false;
    table_.clear();
}

std::string_view ExportSheet::header(int column) const {
    return column >= 0 && column < count() ? std::string_view(headings_[std::size_t(column)])
                                           : std::string_view();
}

void ExportSheet::cell(const wmbus::StoredResult& stored, int row, int column, std::string& out) const {
    if (column >= count()) {
        out.clear();
        return;
    }
    format_.cell(stored, row, column, out);
}

} // namespace kvq::exporting
