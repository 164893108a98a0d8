#include "core/link/LinkSettings.h"

#include "core/app/IniFile.h"

namespace kvq {

namespace {
const QString kCom = QStringLiteral("COM");
const QString kVersion = QStringLiteral("Version");

VersionRange readRange(const IniFile& ini, const QString& name, VersionRange defaults) {
    return {ini.readInteger(kVersion, name + QStringLiteral("Min"), defaults.min),
            ini.readInteger(kVersion, name + QStringLiteral("Max"), defaults.max)};
}
} // namespace

VersionRange FirmwareVersions::of(int family) const {
    switch (family) {
    case 0:
        return EHKV;
    case 1:
        return WMTHERMO;
    case 2:
        return WZ;
    default:
        return {};
    }
}

void LinkSettings::read(const IniFile& ini) {
    const LinkSettings defaults;
    SIO1Port = ini.readInteger(kCom, QStringLiteral("com1"), defaults.SIO1Port);
    SIO2Port = ini.readInteger(kCom, QStringLiteral("com2"), defaults.SIO2Port);
    PreambleDefault = ini.readBool(kCom, QStringLiteral("com1Preamble"), defaults.PreambleDefault);
    SIO1Active = ini.readBool(kCom, QStringLiteral("com1ative"), defaults.SIO1Active);
    SIO2Active = ini.readBool(kCom, QStringLiteral("com2ative"), defaults.SIO2Active);
    versions.EHKV = readRange(ini, QStringLiteral("EHKV"), defaults.versions.EHKV);
    versions.WMTHERMO = readRange(ini, QStringLiteral("WMTHERMO"), defaults.versions.WMTHERMO);
    versions.WZ = readRange(ini, QStringLiteral("WZ"), defaults.versions.WZ);
}

void LinkSettings::write(IniFile& ini) const {
    ini.writeInteger(kCom, QStringLiteral("com1"), SIO1Port);
    ini.writeInteger(kCom, QStringLiteral("com2"), SIO2Port);
    ini.writeBool(kCom, QStringLiteral("com1Preamble"), PreambleDefault);
    ini.writeBool(kCom, QStringLiteral("com1ative"), SIO1Active);
    ini.writeBool(kCom, QStringLiteral("com2ative"), SIO2Active);
}

} // namespace kvq
