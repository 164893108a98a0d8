#pragma once
// The sample of one received telegram (a row of a data table) that new formats are built from, and the wizard
// that turns a sample into columns.

#include "core/export/ExportFormat.h"

#include <QDateTime>
#include <QString>
#include <utility>
#include <vector>

namespace kvq::exporting {

struct SampleField {
    QString name;
    QString value;
};

// "Index", "Length", "RadioID", "TCount", "MeterID", "RTime", "Medium", "MC", "AES", "RSSI", then for
// every value pair in use "Value<n>" (with the unit's storage number in brackets, "Value3[1]") and
// "Unit<n>".
std::vector<SampleField> sampleFields(int index, const wmbus::StoredResult& telegram);

// Filter of a new format: exactly this sender's radio ID, manufacturer, device type and length.
ExportFilter sampleFilter(const wmbus::StoredResult& telegram);

// One column per non-empty sample field, headed by its sample value; a value field with a storage
// number in brackets is dated by month ("[M]").
std::vector<ExportColumn> wizardColumns(const std::vector<SampleField>& sample);

} // namespace kvq::exporting
