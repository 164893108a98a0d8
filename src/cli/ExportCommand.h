#pragma once
// kvq-wmbus export: the recorder's export formats applied to recorded telegrams, one CSV per format.
//
//   kvq-wmbus export --formats FILE.EXF --out-dir DIR [--route FILE.ROUTE] [--key ID=KEYTEXT]...
//                    [--framing radiocraft|amber] [--now "DD.MM.YYYY hh:mm:ss"] REPLAYFILE...

#include <QStringList>
#include <iosfwd>

namespace kvq::cli {

// `args` without the command word. Exit status as the other commands.
int runExportCommand(const QStringList& args, std::ostream& out, std::ostream& err);

extern const char* const kExportUsage;

} // namespace kvq::cli
