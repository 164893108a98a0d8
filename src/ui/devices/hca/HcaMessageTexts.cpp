#include "ui/devices/hca/HcaMessageTexts.h"

namespace kvq {

using hca::Message;

QString HcaMessageTexts::text(Message message) {
    switch (message) {
    case Message::None:
        break;
    case Message::MeterReadingConflict:
        return tr("Stichtagszählerstand darf nicht größer als der Zählerstand sein!");
    case Message::DeviceIdNotANumber:
        return tr("Geräte ID: keine Nummer, die automatische Erhöhung ist nicht möglich!");
    case Message::DeviceIdAtMaximum:
        return tr("Geräte ID: 99999999 ist die höchste Nummer, die automatische Erhöhung ist nicht möglich!");
    case Message::BatteryYearRange:
        return tr("Batterie Jahr: bitte ein Jahr von 2000 bis %1 eingeben!").arg(hca::kBatteryYearMax);
    case Message::ClockInvalid:
        return tr("Geräteuhr: keine gültige Uhrzeit!");
    case Message::DateRange:
        return tr("Gerätedatum: bitte ein Datum von 2000 bis 2099 wählen!");
    case Message::AesKeyInvalid:
        return tr("AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!");
    }
    return QString();
}

QString HcaMessageTexts::text(const InputError& error) {
    return error.message.isEmpty() ? text(Message(error.code)) : error.message;
}

} // namespace kvq
