#pragma once
// The link's settings as one value: which interface is active, the port numbers, the preamble default
// and the firmware versions accepted from each device family. The main window reads them from the
// settings file and hands a copy to the link.

class QString;

namespace kvq {

class IniFile;

struct VersionRange {
    int min = 0, max = -1;
    bool contains(int version) const { return version >= min && version <= max; }
};

// Section Version of the settings file: read, never written.
struct FirmwareVersions {
    VersionRange EHKV{52, 72};
    VersionRange WMTHERMO{1, 13};
    VersionRange WZ{10, 37};

    // The range of a device family (0, 1, 2); any other family accepts no version.
    VersionRange of(int family) const;
};

struct LinkSettings {
    // Section COM.
    int SIO1Port = 1, SIO2Port = 2;
    bool PreambleDefault = false;
    bool SIO1Active = true, SIO2Active = false;
    FirmwareVersions versions;

    void read(const IniFile& ini);
    // Writes section COM; the version ranges stay as the file has them.
    void write(IniFile& ini) const;
};

} // namespace kvq
