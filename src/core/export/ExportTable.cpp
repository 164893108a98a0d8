#include "core/export/ExportTable.h"

#include "core/app/AtomicFile.h"
#include "core/app/TextCodec.h"
#include "core/wmbus/output/TelegramOutput.h"

namespace kvq::exporting {

void ExportTable::start(Row heading) {
    if (observer_)
        observer_->aboutToReset();
    heading_ = std::move(heading);
    rows_.clear();
    rowOfKey_.clear();
    started_ = true;
    if (observer_)
        observer_->reset();
}

int ExportTable::rowFor(std::uint32_t key, bool& appended) {
    const auto [it, inserted] = rowOfKey_.try_emplace(key, static_cast<int>(rows_.size()));
    appended = inserted;
    if (inserted) {
        if (observer_)
            observer_->aboutToAppend(it->second);
        rows_.emplace_back(heading_.size());
    }
    return it->second;
}

void ExportTable::finishRow(int row, bool appended) {
    if (!observer_)
        return;
    if (appended)
        observer_->appended(row);
    else
        observer_->rowChanged(row);
}

void ExportTable::clearRows() {
    if (observer_)
        observer_->aboutToReset();
    rows_.clear();
    rowOfKey_.clear();
    if (observer_)
        observer_->reset();
}

void ExportTable::discard() {
    if (observer_)
        observer_->aboutToReset();
    heading_.clear();
    rows_.clear();
    rowOfKey_.clear();
    started_ = false;
    if (observer_)
        observer_->reset();
}

QByteArray ExportTable::csvBytes() const {
    std::string text;
    text.reserve((rows_.size() + 1) * (heading_.size() * 8 + 2));
    auto line = [&text](const Row& cells) {
        text += wmbus::csvLine(cells);
        text += "\r\n";
    };
    line(heading_);
    for (const Row& r : rows_)
        line(r);
    return encodeText(QString::fromStdString(text), TextEncoding::Windows1252);
}

Status ExportTable::writeCsv(const QString& path) const {
    return writeFileAtomically(path, csvBytes());
}

} // namespace kvq::exporting
