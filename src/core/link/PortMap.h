#pragma once
// Port numbers for serial devices on platforms without COM names. Every device the system reports and
// every path the user types gets a number; the numbers are kept in the settings file, so a port chosen
// once is the same port after a restart. On Windows the port named COMn is port n and no map is kept.

#include "core/app/IniFile.h"

#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace kvq {

class PortMap {
public:
    static inline const QString kSection = QStringLiteral("PORTMAP");

    // Replaces the map by the section's "COMn=path" entries; other keys are ignored.
    void read(const IniFile& ini);
    // Writes the section anew with every lasting entry.
    void write(IniFile& ini) const;

    std::optional<QString> pathFor(int portNumber) const;
    // Number of a path already mapped, 0 when it is not.
    int numberOf(const QString& path) const;
    // The number of a path, given the lowest free number when it has none yet.
    int assign(const QString& path);
    // Like assign, but the entry is not written to the settings file (simulated devices of a demo).
    int assignTemporary(const QString& path);
    // Gives a path a chosen number, replacing what the number and the path had before.
    void setPath(int portNumber, const QString& path, bool temporary = false);
    // Maps the given paths that have no number yet, in sorted order.
    void assignAll(QStringList paths);

    // All entries in number order.
    const std::map<int, QString>& entries() const { return byNumber_; }
    bool isTemporary(int portNumber) const { return temporary_.count(portNumber) != 0; }

    // Entry text of a port list: "COM3  /dev/ttyUSB0".
    static QString entryText(int portNumber, const QString& path);

private:
    int nextFreeNumber() const;

    std::map<int, QString> byNumber_;
    std::map<int, bool> temporary_;
};

} // namespace kvq
