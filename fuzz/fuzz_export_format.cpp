// Export format files from anywhere: reading must never crash, every format read must survive being
// written and read again, and applying a telegram must fill exactly the columns of the heading.

#include "core/app/IniFile.h"
#include "core/export/ExportFormatFile.h"
#include "core/export/ExportFormatListe.h"
#include "core/wmbus/TelegramResult.h"

#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace kvq;
using namespace kvq::exporting;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const IniFile ini = IniFile::fromBytes(bytes);
    ExportFormatListe list = ExportFormatListe::fromIni(ini);

    wmbus::TelegramResult t;
    t.link.l = 46;
    t.link.idText.assign("12345678");
    t.link.manufacturer.letters = {'C', 'E', 'N', 0};
    t.deviceType = 7;
    t.values[0] = {"1", "m3"};
    const QDateTime now(QDate(2026, 5, 20), QTime(9, 0));
    for (int i = 0; i < list.size(); ++i) {
        const ExportFormat& f = list.at(i);
        ExportSheet& sheet = list.sheet(i);
        sheet.apply(t, now);
        if (sheet.count() != f.shownColumnCount() || sheet.table().size() != 1)
            std::abort();
        sheet.csvBytes();

        bool writable = formatNameProblem(f.name()).isEmpty();
        for (const ExportColumn& c : f.columns())
            writable = writable && columnNameProblem(c.source).isEmpty();
        if (!writable)
            continue;
        // A written format reads back with the same columns. The first write may change the text's
        // encoding (Windows-1252 bytes that happen to be valid UTF-8), so the second round must be exact.
        const auto roundTrip = [](const ExportFormat& format) {
            IniFile out;
            writeExportFormat(out, format, {});
            const IniFile back = IniFile::fromBytes(out.toBytes());
            return readExportFormat(back, back.sections().value(0));
        };
        const ExportFormat once = roundTrip(f);
        if (once.columns().size() != f.columns().size() || once.filter().enabled != f.filter().enabled)
            std::abort();
        if (roundTrip(once).columns() != once.columns())
            std::abort();
    }
    return 0;
}
