#pragma once
// Files shipped with the program (manufacturer descriptions, translations). They are found beside the
// program (build tree, a copied folder) or in the installation's data folder, <prefix>/share/kvq-commander
// for a program in <prefix>/bin, wherever the prefix is.

#include <QString>
#include <QStringList>

namespace kvq {

// Folders that may hold shipped files, in the order they are searched, for a program in programFolder.
QStringList shippedDataFolders(const QString& programFolder);

// Path of a shipped file: in the first folder that holds it. When none does, the path in the
// installation's data folder, so that a message names the place where the file belongs.
QString shippedDataFile(const QString& name, const QString& programFolder);

// The same for the running program.
QString shippedDataFile(const QString& name);

} // namespace kvq
