#pragma once
// Descriptions of manufacturer flag codes from the installation file "mbusMANCODE.txt": an INI file
// with one section [MANCODE] whose keys are flag codes and whose values are free texts
// ("name, further details"). The program itself knows no manufacturer names.

#include "core/app/Result.h"

#include <QString>

namespace kvq::wmbus {

class ManufacturerDescriptions {
public:
    // filePath: the description file, usually defaultPath().
    explicit ManufacturerDescriptions(QString filePath);

    // "mbusMANCODE.txt" among the files shipped with the program.
    static QString defaultPath();

    const QString& filePath() const { return filePath_; }

    // Description of a code as shown beside the list of received codes: the first comma becomes a
    // line break (only the first). A code without a key gives "keine Information". A missing file
    // fails with "File <path> missing!". The file is read anew on each call, so an edited file is
    // seen without restarting.
    Result<QString> describe(const QString& code) const;

    // The stored text of a code exactly as in the file; empty when the file or key is missing.
    QString rawText(const QString& code) const;

private:
    QString filePath_;
};

// Turns the first comma of a description into a line break.
QString breakAtFirstComma(const QString& text);

} // namespace kvq::wmbus
