#pragma once
// "Exportformat.EXF": one INI section per format. A column is a key (its source name) whose value is
// the heading, "Option_" + source name holds its option, and six FILT_ keys hold the filter.

#include "core/app/IniFile.h"
#include "core/export/ExportFormat.h"

#include <QString>
#include <QStringList>

namespace kvq::exporting {

// A section of more columns than this is cut there: no billing layout comes near it, and every
// column costs a cell in every row.
inline constexpr int kMaxColumns = 1000;

// Path of the file below the shared documents folder; its folder is created when missing.
QString exportFormatFilePath();

// Reads one section. Keys containing a FILT_ name fill the filter, keys containing "Option_" give the
// option of the column they name, every other key is a column in key order. What cannot be used
// (a repeated column, an option without its column, columns past the limit) is left out and named in
// `messages`.
ExportFormat readExportFormat(const IniFile& ini, const QString& section, QStringList* messages = nullptr);

// Replaces the section `oldName` (and a section already holding the new name) by the format.
void writeExportFormat(IniFile& ini, const ExportFormat& format, const QString& oldName);

// Why a text cannot be a format name or a column's source name in the file, or empty when it can.
// Names become section names, keys and file names, so separators and line breaks are refused.
QString formatNameProblem(const QString& name);
QString columnNameProblem(const QString& source);

} // namespace kvq::exporting
