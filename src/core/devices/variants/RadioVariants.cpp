#include "core/devices/variants/RadioVariants.h"

#include "core/app/DataRoot.h"
#include "core/app/IniFile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace kvq::variants {

namespace {

const char* const kMonthKeys[12] = {"Jan", "Feb", "Mrz", "Apr", "Mai", "Jun",
                                    "Jul", "Aug", "Sep", "Okt", "Nov", "Dez"};
const char* const kWeekKeys[5] = {"W1", "W2", "W3", "W4", "W5"};
const char* const kDayKeys[7] = {"Mo", "Di", "Mi", "Do", "Fr", "Sa", "So"};

QString section(int number) {
    return QStringLiteral("Variante%1").arg(number);
}

template <std::size_t N>
void readBools(const IniFile& ini, const QString& s, const char* const (&keys)[N], std::array<bool, N>& out) {
    for (std::size_t i = 0; i < N; ++i)
        out[i] = ini.readBool(s, QLatin1String(keys[i]), false);
}

template <std::size_t N>
void writeBools(IniFile& ini, const QString& s, const char* const (&keys)[N], const std::array<bool, N>& in) {
    for (std::size_t i = 0; i < N; ++i)
        ini.writeBool(s, QLatin1String(keys[i]), in[i]);
}

} // namespace

QString variantFilePath(const QString& fileName) {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("KVQ"), fileName});
}

Result<RadioVariant> loadVariant(const QString& path, int number) {
    auto loaded = IniFile::load(path);
    if (!loaded)
        return Result<RadioVariant>::failure(loaded.message(), loaded.code());
    const IniFile& ini = loaded.value();
    const QString s = section(number);
    RadioVariant v;
    v.text = ini.readString(s, QStringLiteral("Text"));
    readBools(ini, s, kMonthKeys, v.months);
    readBools(ini, s, kWeekKeys, v.weeks);
    readBools(ini, s, kDayKeys, v.days);
    v.s1 = ini.readBool(s, QStringLiteral("S1"), false);
    v.t1 = ini.readBool(s, QStringLiteral("T1"), false);
    v.aes = ini.readBool(s, QStringLiteral("AES"), false);
    v.start = ini.readInteger(s, QStringLiteral("Start"), 0);
    v.stop = ini.readInteger(s, QStringLiteral("Stop"), 0);
    v.cycle = ini.readInteger(s, QStringLiteral("Zyclus"), 0);
    v.variance = ini.readInteger(s, QStringLiteral("Variance"), 0);
    return v;
}

Result<std::array<QString, kVariantCount>> loadDescriptions(const QString& path) {
    auto loaded = IniFile::load(path);
    if (!loaded)
        return Result<std::array<QString, kVariantCount>>::failure(loaded.message(), loaded.code());
    std::array<QString, kVariantCount> texts;
    for (int i = 0; i < kVariantCount; ++i)
        texts[i] = loaded.value().readString(section(i + 1), QStringLiteral("Text"));
    return texts;
}

Status saveVariant(const QString& path, int number, const RadioVariant& v,
                   const std::array<QString, kVariantCount>& descriptions) {
    if (number < 1 || number > kVariantCount)
        return Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Variante %1 gibt es nicht.").arg(number));
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return Status::failure(
            QCoreApplication::translate("kvq::CoreTexts", "Der Ordner %1 kann nicht angelegt werden.")
                .arg(QDir::toNativeSeparators(folder)));
    auto loaded = IniFile::load(path);
    if (!loaded)
        return Status::failure(loaded.message(), loaded.code());
    IniFile ini = std::move(loaded).value();
    for (int i = 0; i < kVariantCount; ++i)
        ini.writeString(section(i + 1), QStringLiteral("Text"), descriptions[i]);
    const QString s = section(number);
    writeBools(ini, s, kMonthKeys, v.months);
    writeBools(ini, s, kWeekKeys, v.weeks);
    writeBools(ini, s, kDayKeys, v.days);
    ini.writeBool(s, QStringLiteral("S1"), v.s1);
    ini.writeBool(s, QStringLiteral("T1"), v.t1);
    ini.writeBool(s, QStringLiteral("AES"), v.aes);
    ini.writeInteger(s, QStringLiteral("Start"), v.start);
    ini.writeInteger(s, QStringLiteral("Stop"), v.stop);
    ini.writeInteger(s, QStringLiteral("Zyclus"), v.cycle);
    ini.writeInteger(s, QStringLiteral("Variance"), v.variance);
    return ini.save(path);
}

} // namespace kvq::variants
