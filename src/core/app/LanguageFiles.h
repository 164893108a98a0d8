#pragma once
// Where the program's languages live: the language remembered per user for the next start, the
// translation file of a language abbreviation and the shipped manual of a help file name.

#include "core/app/Result.h"

#include <QString>
#include <QStringList>

namespace kvq {

// The per-user file that remembers the chosen language. KVQ_USER_CONFIG names its folder (tests,
// portable installations); otherwise the platform's per-user configuration folder.
QString rememberedLanguagePath();

// The remembered abbreviation ("DE", "ENG" or a reserve language's ISONAME); empty when none is stored
// or the file cannot be read.
QString readRememberedLanguage(const QString& path);

// Stores the abbreviation for the next start. Other keys of the file are kept; a failure names the file.
Status rememberLanguage(const QString& path, const QString& abbreviation);

// Names of the translation file for an abbreviation, in the order they are tried: the abbreviation
// itself ("kvq_eng.qm"), then its first two letters ("kvq_en.qm"). Empty for an abbreviation that
// cannot name a file.
QStringList translationFileNames(const QString& abbreviation);

// The shipped manual page that stands for the help file named in the settings ("KVQ_Help_de.chm",
// "KVQ_Help_eng.chm"), relative to the shipped data folder: the English manual for a help file name
// that says English, the German one otherwise.
QString manualPageFor(const QString& helpFile);

} // namespace kvq
