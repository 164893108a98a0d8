#pragma once
// kvq-wmbus: the recorder's decoding core without a window, for scripts and batch jobs.
//
//   kvq-wmbus decode HEX...        telegrams in telegram-buffer form (L first, RSSI byte unless --no-rssi)
//   kvq-wmbus replay FILE          a replay file, framed, decoded, written as the data table CSV
//   kvq-wmbus listen --port DEV --receiver radiocraft|amber [--mode T|C|S]
//   kvq-wmbus derive-key ID        the key text derived from an identification number
//
// Exit status: 0 success, 1 an input file or port could not be used, 2 bad usage. A bad telegram is
// reported on stderr with its line or argument number and skipped.

#include <QStringList>
#include <iosfwd>

namespace kvq::cli {

inline constexpr int kExitOk = 0;
inline constexpr int kExitInput = 1;
inline constexpr int kExitUsage = 2;

// Runs one command line (without the program name). `err` also receives progress on a terminal.
int runWmbusCli(const QStringList& args, std::ostream& out, std::ostream& err, bool errIsTerminal = false);

} // namespace kvq::cli
