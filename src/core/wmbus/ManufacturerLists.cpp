#include "core/wmbus/ManufacturerLists.h"

#include <algorithm>

namespace kvq::wmbus {

bool ReceivedManufacturers::note(std::uint16_t mField) {
    const std::uint16_t key = mField & 0x7FFF; // bit 15 is no part of the code
    if (seen_.test(key))
        return false;
    seen_.set(key);
    codes_.push_back(unpackFlagCode(key));
    return true;
}

bool ReceivedManufacturers::note(const FlagCode& code) {
    const auto m =
        static_cast<std::uint16_t>(((code.letters[0] - 64) & 0x1F) << 10 |
                                   ((code.letters[1] - 64) & 0x1F) << 5 | ((code.letters[2] - 64) & 0x1F));
    return note(m);
}

void ReceivedManufacturers::clear() {
    seen_.reset();
    codes_.clear();
}

ManufacturerFilterList::ManufacturerFilterList(const QStringList& codes) {
    entries_.reserve(codes.size());
    for (const QString& c : codes)
        entries_.push_back({c, false});
}

Result<QString> ManufacturerFilterList::add(const QString& text) {
    if (text.size() != 3)
        return Result<QString>::failure(QStringLiteral("a manufacturer code has three letters"),
                                        ErrorCode::BadInput);
    QString code = text.toUpper();
    entries_.push_back({code, false});
    return code;
}

bool ManufacturerFilterList::removeAt(int index) {
    if (index < 0 || index >= size())
        return false;
    entries_.erase(entries_.begin() + index);
    rebuildTicked();
    return true;
}

QString ManufacturerFilterList::codeAt(int index) const {
    return index >= 0 && index < size() ? entries_[static_cast<std::size_t>(index)].code : QString();
}

bool ManufacturerFilterList::isChecked(int index) const {
    return index >= 0 && index < size() && entries_[static_cast<std::size_t>(index)].checked;
}

void ManufacturerFilterList::setChecked(int index, bool checked) {
    if (index < 0 || index >= size())
        return;
    entries_[static_cast<std::size_t>(index)].checked = checked;
    rebuildTicked();
}

QStringList ManufacturerFilterList::codes() const {
    QStringList out;
    out.reserve(size());
    for (const Entry& e : entries_)
        out.append(e.code);
    return out;
}

bool ManufacturerFilterList::passes(std::string_view manufacturer) const {
    if (tickedCodes_.empty())
        return true;
    return std::any_of(tickedCodes_.begin(), tickedCodes_.end(),
                       [&](const std::string& c) { return c == manufacturer; });
}

void ManufacturerFilterList::rebuildTicked() {
    tickedCodes_.clear();
    for (const Entry& e : entries_)
        if (e.checked)
            tickedCodes_.push_back(e.code.toStdString());
}

} // namespace kvq::wmbus
