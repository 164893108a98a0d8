#include "core/app/ParameterFile.h"

#include "core/app/AtomicFile.h"
#include "core/app/DataRoot.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cstring>

namespace kvq {

namespace {

// Filter and title are translated in the context "ParameterFile" where the dialog opens.
const ParameterFileKind kKinds[] = {
    {".HKV", QT_TRANSLATE_NOOP("ParameterFile", "Parameterdateien (*.hkv *.HKV)"),
     QT_TRANSLATE_NOOP("ParameterFile", "FALKODII-EHKV  Datei:"), kEhkvRecordSize},
    {".WTM", QT_TRANSLATE_NOOP("ParameterFile", "Parameterdateien (*.wtm *.WTM)"),
     QT_TRANSLATE_NOOP("ParameterFile", "WMBus THermometer  Datei:"), kThermoRecordSize},
    {".WAZ", QT_TRANSLATE_NOOP("ParameterFile", "Parameterdateien (*.waz *.WAZ)"),
     QT_TRANSLATE_NOOP("ParameterFile", "Funkaufsatzmodul WZ  Datei:"), kWzbramRecordSize},
};

std::uint8_t* imageOf(PARAmeter& p) {
    switch (p.family()) {
    case DeviceFamily::HeatCostAllocator:
        return p.DataEHKV.bytes.data();
    case DeviceFamily::RadioThermometer:
        return p.DataWMTHERMO.data();
    case DeviceFamily::WaterMeterModule:
        return p.DataWZBRAM.data();
    }
    return nullptr;
}

const std::uint8_t* imageOf(const PARAmeter& p) {
    return imageOf(const_cast<PARAmeter&>(p));
}

} // namespace

const ParameterFileKind& parameterFileKind(DeviceFamily family) {
    const int i = static_cast<int>(family);
    return kKinds[i >= 0 && i < 3 ? i : 0];
}

QString parameterFolder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("Parameter")});
}

QString withParameterExtension(const QString& path, DeviceFamily family) {
    const QFileInfo info(path);
    const QString base = info.suffix().isEmpty() ? info.fileName() : info.completeBaseName();
    const QString dir = info.path();
    const QString name = base + QLatin1String(parameterFileKind(family).extension);
    return dir == QLatin1String(".") && !path.startsWith(QLatin1String("./")) ? name
                                                                              : QDir(dir).filePath(name);
}

Status loadParameterFile(PARAmeter& record, const QString& path) {
    const ParameterFileKind& kind = parameterFileKind(record.family());
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::failure(
            QCoreApplication::translate("ParameterFile", "Die Datei %1 kann nicht gelesen werden: %2")
                .arg(QDir::toNativeSeparators(path), file.errorString()),
            kParameterFileUnreadable);
    // One byte more than the image is enough to know the size is wrong.
    const QByteArray bytes = file.read(kind.size + 1);
    if (bytes.size() != kind.size || !file.atEnd())
        return Status::failure(
            QCoreApplication::translate("ParameterFile", "Die Datei hat nicht die erwartete Größe!"),
            kParameterFileWrongSize);
    std::memcpy(imageOf(record), bytes.constData(), std::size_t(kind.size));
    return {};
}

Status saveParameterFile(const PARAmeter& record, const QString& path) {
    const ParameterFileKind& kind = parameterFileKind(record.family());
    const QByteArray bytes(reinterpret_cast<const char*>(imageOf(record)), kind.size);
    Status written = writeFileAtomically(path, bytes);
    if (!written)
        return Status::failure(
            QCoreApplication::translate("ParameterFile", "Die Datei %1 kann nicht gespeichert werden: %2")
                .arg(QDir::toNativeSeparators(path), written.message()),
            kParameterFileUnwritable);
    return written;
}

} // namespace kvq
