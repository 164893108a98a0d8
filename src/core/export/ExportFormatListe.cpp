#include "core/export/ExportFormatListe.h"

#include "core/export/ExportFormatFile.h"

#include <QCoreApplication>
#include <QDir>

#include <algorithm>

namespace kvq::exporting {

Result<ExportFormatListe> ExportFormatListe::load(const QString& path, QStringList* messages) {
    auto ini = IniFile::load(path);
    if (!ini.ok())
        return Result<ExportFormatListe>::failure(ini.message());
    return fromIni(ini.value(), messages);
}

ExportFormatListe ExportFormatListe::fromIni(const IniFile& ini, QStringList* messages) {
    ExportFormatListe list;
    for (const QString& section : ini.sections()) {
        if (section.isEmpty())
            continue; // lines before the first section
        list.add(std::make_unique<ExportFormat>(readExportFormat(ini, section, messages)));
    }
    return list;
}

void ExportFormatListe::add(std::unique_ptr<ExportFormat> format) {
    auto sheet = std::make_unique<ExportSheet>(*format);
    formats_.push_back({std::move(format), std::move(sheet)});
}

int ExportFormatListe::indexOf(const QString& name) const {
    for (int i = 0; i < size(); ++i)
        if (at(i).name().compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

void ExportFormatListe::adopt(ExportFormatListe&& fresh) {
    std::vector<Entry> next;
    for (Entry& f : fresh.formats_) {
        const auto old = std::find_if(formats_.begin(), formats_.end(), [&](const Entry& o) {
            return o.format && o.format->name().compare(f.format->name(), Qt::CaseInsensitive) == 0;
        });
        if (old == formats_.end()) {
            next.push_back(std::move(f));
            continue;
        }
        ExportFormat& kept = *old->format;
        if (kept.columns() != f.format->columns()) {
            kept.setColumns(f.format->columns());
            old->sheet->discard();
        }
        kept.setName(f.format->name());
        kept.setFilter(f.format->filter());
        next.push_back(std::move(*old));
    }
    formats_ = std::move(next);
    fresh.formats_.clear();
}

int ExportFormatListe::apply(const wmbus::TelegramResult& telegram, const QDateTime& now) {
    const TelegramFields fields(telegram);
    for (int i = 0; i < size(); ++i) {
        if (at(i).accepts(fields)) {
            sheet(i).apply(telegram, now);
            return i;
        }
    }
    return -1;
}

QString ExportFormatListe::csvPath(const QString& folder, const QString& formatName) {
    return QDir(folder).filePath(formatName + QStringLiteral(".csv"));
}

std::vector<CsvWriteFailure> ExportFormatListe::writeAll(const QString& folder) const {
    std::vector<CsvWriteFailure> failures;
    const bool folderThere = QDir().mkpath(folder);
    for (const Entry& e : formats_) {
        const QString& name = e.format->name();
        if (!e.sheet->started())
            continue;
        if (const QString problem = formatNameProblem(name); !problem.isEmpty()) {
            failures.push_back({name, problem});
            continue;
        }
        if (!folderThere) {
            failures.push_back(
                {name, QCoreApplication::translate("kvq::CoreTexts", "%1: Ordner kann nicht angelegt werden")
                           .arg(folder)});
            continue;
        }
        if (const Status s = e.sheet->writeCsv(csvPath(folder, name)); !s)
            failures.push_back({name, s.message()});
    }
    return failures;
}

Status ExportFormatListe::saveFormat(const QString& path, const ExportFormat& format,
                                     const QString& oldName) {
    if (const QString problem = formatNameProblem(format.name()); !problem.isEmpty())
        return Status::failure(problem);
    for (const ExportColumn& c : format.columns())
        if (const QString problem = columnNameProblem(c.source); !problem.isEmpty())
            return Status::failure(problem);
    auto ini = IniFile::load(path);
    if (!ini.ok())
        return Status::failure(ini.message());
    writeExportFormat(ini.value(), format, oldName);
    return ini->save(path);
}

Status ExportFormatListe::deleteFormat(const QString& path, const QString& name) {
    auto ini = IniFile::load(path);
    if (!ini.ok())
        return Status::failure(ini.message());
    ini->eraseSection(name);
    return ini->save(path);
}

} // namespace kvq::exporting
