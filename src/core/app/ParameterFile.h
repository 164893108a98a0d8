#pragma once
// Device parameter files: the raw image of one device family, byte for byte, without header.
// ".HKV" and ".WTM" hold 165 bytes, ".WAZ" 315; only a file of exactly that size is loaded.

#include "core/app/Parameter.h"
#include "core/app/Result.h"

#include <QString>

namespace kvq {

struct ParameterFileKind {
    const char* extension; // ".HKV"
    const char* filter;    // file dialog filter
    const char* title;     // file dialog title
    int size;              // bytes of the image
};

const ParameterFileKind& parameterFileKind(DeviceFamily family);

// QUELMAR/Parameter below the data root.
QString parameterFolder();

// The chosen name with its extension replaced by the family's ("meter1.txt" -> "meter1.WAZ").
QString withParameterExtension(const QString& path, DeviceFamily family);

// How a parameter file fails, in the program's error codes.
inline constexpr ErrorCode kParameterFileUnreadable = ErrorCode::FileAccess;
inline constexpr ErrorCode kParameterFileWrongSize = ErrorCode::BadInput;
inline constexpr ErrorCode kParameterFileUnwritable = ErrorCode::FileAccess;

// Copies the file into the image of the record's family. Only the image bytes change: the family,
// device name, version text and the allocator's extended-version flag stay as they are. A file of
// another size fails with kParameterFileWrongSize and leaves the record untouched.
Status loadParameterFile(PARAmeter& record, const QString& path);
// Writes the image of the record's family as the whole file, replacing an existing file only once
// the new one is complete.
Status saveParameterFile(const PARAmeter& record, const QString& path);

} // namespace kvq
