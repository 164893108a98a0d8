#include "core/devices/watermodule/WzParamRequests.h"

#include <QCoreApplication>
#include <algorithm>

namespace kvq::wz {

namespace {

// AckStep and the chained request it stands for.
constexpr ParamRequest kChained[] = {ParamRequest::StatusByte, ParamRequest::ProtocolBits,
                                     ParamRequest::DueMode, ParamRequest::ClearLeak};

struct Access {
    std::uint8_t offset;
    std::uint8_t count;
    ImageOp op;
};

Access accessOf(ParamRequest r) {
    switch (r) {
    case ParamRequest::DeviceId:
        return {off::DeviceId, 4, ImageOp::Write};
    case ParamRequest::RadioId:
        return {off::RadioId, 4, ImageOp::Write};
    case ParamRequest::Time:
        return {off::ClockSeconds, 8, ImageOp::Write};
    case ParamRequest::MeterReading:
        return {off::MeterReading, 4, ImageOp::Write};
    case ParamRequest::DueMonth:
        return {off::DueMonth, 1, ImageOp::Write};
    case ParamRequest::RadioSetup:
        return {off::Variance, off::ErrorDate - off::Variance, ImageOp::Write};
    case ParamRequest::StatusByte:
        return {off::StatusWord, 1, ImageOp::Write};
    // Change requests: the byte, then an AND mask and an OR value.
    case ParamRequest::ResetErrors:
        return {off::StatusWord + 1, 2, ImageOp::Change};
    case ParamRequest::Activation:
    case ParamRequest::StorageMode:
    case ParamRequest::DueMode:
        return {off::OptionsB, 2, ImageOp::Change};
    case ParamRequest::ProtocolBits:
    case ParamRequest::ClearLeak:
        return {off::OptionsA, 2, ImageOp::Change};
    }
    return {0, 0, ImageOp::Read};
}

// AND mask and OR value of a change request; the value lies inside the bits the mask clears.
std::array<std::uint8_t, 2> changeOf(ParamRequest r, const Image& im) {
    switch (r) {
    case ParamRequest::ResetErrors:
        return {0x00, 0x00};
    case ParamRequest::Activation:
        return {0xFE, std::uint8_t(ob::Activation)};
    case ParamRequest::StorageMode:
        return {std::uint8_t(~ob::RadioOn), 0x00};
    case ParamRequest::ClearLeak:
        return {std::uint8_t(~oa::Leak), 0x00};
    case ParamRequest::ProtocolBits: {
        const std::uint16_t a = word(im, off::OptionsA);
        const bool shortTelegram = (a & oa::ShortTelegram) || (word(im, off::StatusWord) & st::ProtocolS1);
        std::uint8_t v = 0;
        if (a & oa::AesOn)
            v |= std::uint8_t(oa::AesOn);
        if (shortTelegram)
            v |= std::uint8_t(oa::ShortTelegram);
        return {std::uint8_t(~(oa::AesOn | oa::ShortTelegram)), v};
    }
    case ParamRequest::DueMode: {
        const bool yearly = word(im, off::OptionsB) & ob::DueYearly;
        return {std::uint8_t(~(ob::DueMonthly | ob::DueYearly)),
                std::uint8_t(yearly ? ob::DueYearly : ob::DueMonthly)};
    }
    default:
        return {0xFF, 0x00};
    }
}

} // namespace

const std::array<ParamRequestInfo, 13>& paramRequests() {
    using R = ParamRequest;
    static const std::array<ParamRequestInfo, 13> table{{
        {R::DeviceId, "sButtonSendeSERID", QT_TRANSLATE_NOOP("WzParam", "Sende ID (Geräte ID)"),
         QT_TRANSLATE_NOOP("WzParam", "Geräte ID"), true, true, 0, 1, 1},
        {R::RadioId, "sButtonSendeFunkID", QT_TRANSLATE_NOOP("WzParam", "Sende ID (Funk ID)"),
         QT_TRANSLATE_NOOP("WzParam", "Funk ID"), true, true, 0, 1, 1},
        {R::Time, "sButtonSendeTime", QT_TRANSLATE_NOOP("WzParam", "Sende Zeit"),
         QT_TRANSLATE_NOOP("WzParam", "Uhrzeit, Datum und Wochentag"), true, true, 0, 1, 1},
        {R::MeterReading, "sButtonSendeZST", QT_TRANSLATE_NOOP("WzParam", "Sende ZST"),
         QT_TRANSLATE_NOOP("WzParam", "Zählerstand"), true, true, 0, 1, 1},
        {R::DueMonth, "sButtonSendeStichtag", QT_TRANSLATE_NOOP("WzParam", "Sende ST"),
         QT_TRANSLATE_NOOP("WzParam", "Stichtagsmonat"), true, true, 3, 1, 2},
        {R::RadioSetup, "sButtonSendeRF", QT_TRANSLATE_NOOP("WzParam", "Sende RF"),
         QT_TRANSLATE_NOOP("WzParam", "Sendemaske, Sendefenster, AES-Key und Herstellerkennung"), true, true,
         1, 1, 3},
        {R::ResetErrors, "sButtonResetErrors", QT_TRANSLATE_NOOP("WzParam", "RESET"),
         QT_TRANSLATE_NOOP("WzParam", "Fehlerbits löschen"), false, true, 4, 1, 2},
        {R::Activation, "ButtonAct", QT_TRANSLATE_NOOP("WzParam", "Aktivierung"),
         QT_TRANSLATE_NOOP("WzParam", "Aktivierung"), false, true, 0, 1, 1},
        {R::StorageMode, "ButtonLagermode", QT_TRANSLATE_NOOP("WzParam", "Lagermode"),
         QT_TRANSLATE_NOOP("WzParam", "Funk aus"), false, true, 0, 1, 1},
        {R::StatusByte, nullptr, QT_TRANSLATE_NOOP("WzParam", "Sende RF"),
         QT_TRANSLATE_NOOP("WzParam", "Byte 18: Sendefenster und Protokoll"), false, false, 2, 2, 3},
        {R::ProtocolBits, nullptr, QT_TRANSLATE_NOOP("WzParam", "Sende RF"),
         QT_TRANSLATE_NOOP("WzParam", "AES und kurzes Telegramm"), false, false, 0, 3, 3},
        {R::DueMode, nullptr, QT_TRANSLATE_NOOP("WzParam", "Sende ST"),
         QT_TRANSLATE_NOOP("WzParam", "Stichtag monatlich oder jährlich"), false, false, 0, 2, 2},
        {R::ClearLeak, nullptr, QT_TRANSLATE_NOOP("WzParam", "RESET"),
         QT_TRANSLATE_NOOP("WzParam", "Leckbit löschen"), false, false, 0, 2, 2},
    }};
    return table;
}

const ParamRequestInfo& paramRequestInfo(ParamRequest request) {
    const auto& all = paramRequests();
    return *std::find_if(all.begin(), all.end(),
                         [request](const ParamRequestInfo& i) { return i.request == request; });
}

Frame buildParamRequest(ParamRequest request, const Image& im) {
    const Access a = accessOf(request);
    if (a.op == ImageOp::Write)
        return ImageAccessRequest(a.offset, a.count, a.op,
                                  std::span<const std::uint8_t>(im.data() + a.offset, a.count));
    const auto change = changeOf(request, im);
    return ImageAccessRequest(a.offset, a.count, a.op, change);
}

void AckChain::started(ParamRequest request) {
    ackStep_ = paramRequestInfo(request).nextAckStep;
    awaited_ = request;
}

void AckChain::reset() {
    ackStep_ = 0;
    awaited_.reset();
}

std::optional<ParamRequest> AckChain::acknowledged() {
    if (ackStep_ < 1 || ackStep_ > int(std::size(kChained))) {
        reset();
        return std::nullopt;
    }
    const ParamRequest next = kChained[ackStep_ - 1];
    started(next);
    return next;
}

QString awaitedStepText(const AckChain& chain) {
    if (!chain.awaited())
        return {};
    const ParamRequestInfo& i = paramRequestInfo(*chain.awaited());
    const QString caption = QCoreApplication::translate("WzParam", i.caption);
    const QString step = QCoreApplication::translate("WzParam", i.step);
    if (i.chainLength == 1)
        return QCoreApplication::translate("WzParam", "%1 (%2) nicht bestätigt").arg(caption, step);
    return QCoreApplication::translate("WzParam", "%1, Schritt %2 von %3 (%4) nicht bestätigt")
        .arg(caption)
        .arg(i.position)
        .arg(i.chainLength)
        .arg(step);
}

} // namespace kvq::wz
