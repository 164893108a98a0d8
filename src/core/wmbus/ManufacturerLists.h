#pragma once
// The recorder's two lists of manufacturer codes: the codes heard on air since the window opened,
// and the user's filter list whose ticked codes decide whose values are taken.

#include "core/app/Result.h"
#include "core/wmbus/FlagCode.h"

#include <QString>
#include <QStringList>

#include <bitset>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kvq::wmbus {

// Distinct flag codes in order of first appearance. Noting a code is a constant-time check, so it
// can run for every telegram.
class ReceivedManufacturers {
public:
    // Adds the code of an M field unless it is already listed; true when it was added.
    bool note(std::uint16_t mField);
    bool note(const FlagCode& code);

    const std::vector<FlagCode>& codes() const { return codes_; }
    std::size_t size() const { return codes_.size(); }
    void clear();

private:
    std::bitset<32768> seen_;
    std::vector<FlagCode> codes_;
};

// What the decoder asks before taking a telegram's values.
class ManufacturerFilter {
public:
    virtual ~ManufacturerFilter() = default;
    virtual bool passes(std::string_view manufacturer) const = 0;
};

// The user's filter codes, each with a tick. The codes are also kept in a list of the main window
// (stored in the settings); codes() gives that list after every change.
class ManufacturerFilterList : public ManufacturerFilter {
public:
    ManufacturerFilterList() = default;
    // Starts from stored codes, none ticked.
    explicit ManufacturerFilterList(const QStringList& codes);

    // A text of exactly three characters is added in upper case and returned; any other length is
    // refused and nothing is added.
    Result<QString> add(const QString& text);
    // Removes the entry at index; false when there is none.
    bool removeAt(int index);

    int size() const { return static_cast<int>(entries_.size()); }
    QString codeAt(int index) const;
    bool isChecked(int index) const;
    void setChecked(int index, bool checked);
    bool anyChecked() const { return !tickedCodes_.empty(); }
    QStringList codes() const;

    // Passes when the code equals a ticked entry; with no entry ticked every manufacturer passes.
    bool passes(std::string_view manufacturer) const override;

private:
    struct Entry {
        QString code;
        bool checked = false;
    };
    void rebuildTicked();

    std::vector<Entry> entries_;
    std::vector<std::string> tickedCodes_; // UTF-8, compared once per telegram
};

} // namespace kvq::wmbus
