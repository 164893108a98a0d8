#pragma once
// Port numbers for serial devices on platforms without COM names. Every device the system reports and
// every path the user types gets a number; the numbers are kept in the settings file, so a port chosen
// once is the same port after a restart. On Windows the port named COMn is port n and no map is kept.

#include "core/app/IniFile.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <map>
#include <optional>
#include <vector>

namespace kvq {

// A serial device as the system reports it.
struct SerialDevice {
    QString path;    // its /dev/serial/by-id name where the system gives one, else the device path
    QString product; // USB product name, empty where the system gives none
};

// One line of a port list.
struct PortListEntry {
    int number = 0;
    QString path;
    QString product;
    bool present = true;
};

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

    // The port list: every device present gets its number first (new ones the lowest free numbers, in
    // sorted order), then every entry is listed in number order. An entry whose device is gone stays in
    // the list, marked absent, so a chosen port does not vanish silently; only a temporary entry that
    // went is left out. `exists` tells whether a mapped path the system did not report (a typed path, a
    // pseudo-terminal) is there now.
    std::vector<PortListEntry> listing(const std::vector<SerialDevice>& present,
                                       const std::function<bool(const QString&)>& exists);

    // The number a path typed into a port list names: "COM5" (an entry text) names port 5 when it is
    // mapped; an absolute path is given a number, a new path the lowest free one. 0 for anything else.
    int numberOfTyped(const QString& text);

    // Entry text of a port list: "COM3  /dev/ttyUSB0", a /dev/serial/by-id device by its name
    // ("COM4  usb-Maker_Stick_12-if00-port0  (Stick)"), an absent one with `absentText` appended.
    static QString entryText(const PortListEntry& entry, const QString& absentText);
    static QString entryText(int portNumber, const QString& path) {
        return entryText(PortListEntry{portNumber, path, {}, true}, {});
    }
    static inline const QString kByIdFolder = QStringLiteral("/dev/serial/by-id");

private:
    int nextFreeNumber() const;

    std::map<int, QString> byNumber_;
    std::map<int, bool> temporary_;
};

} // namespace kvq
