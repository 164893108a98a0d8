#pragma once
// The shared documents folder below which settings, routes, logs and parameter files live.
// KVQ_DOCUMENTS replaces the platform's folder (tests, shared network folders).

#include <QString>

namespace kvq {

// Windows: the public documents folder; elsewhere the user's documents folder.
QString dataRoot();
// dataRoot() joined with the given relative parts ("QUELMAR", "KVQ"), with the platform's separator.
QString dataPath(std::initializer_list<QString> parts);
// Folder of the settings file and the settings file itself.
QString settingsFolder();
QString settingsFilePath();
// Folder of the running program (shipped files: see ShippedData.h).
QString programFolder();

} // namespace kvq
