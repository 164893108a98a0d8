#pragma once
// The parameter window's group writes of the water-meter module. Each request writes or changes only
// the bytes of its group; some groups need a chain of requests, each sent when the module has
// acknowledged the one before. AckStep says which chained request follows the next acknowledgement.

#include "core/devices/watermodule/WzFrames.h"

#include <QString>
#include <array>
#include <optional>

namespace kvq::wz {

enum class ParamRequest {
    DeviceId,     // "Sende ID" beside the device ID: bytes 0..3
    RadioId,      // "Sende ID" beside the radio ID: bytes 4..7
    Time,         // "Sende Zeit": clock, date and weekday, bytes 24..31
    MeterReading, // "Sende ZST": bytes 44..47
    DueMonth,     // "Sende ST": byte 8, then the monthly/yearly bits
    RadioSetup,   // "Sende RF": bytes 196..223, then byte 18, then the AES and short-telegram bits
    ResetErrors,  // "RESET": every error bit cleared, then the leak bit
    Activation,   // "Aktivierung"
    StorageMode,  // "Lagermode": radio off
    // Chained requests, sent on the acknowledgement of the one before, without the wake-up preamble.
    StatusByte,   // AckStep 1: byte 18 (window result and protocol)
    ProtocolBits, // AckStep 2: AES and short telegram in word 20
    DueMode,      // AckStep 3: due date monthly or yearly in word 22
    ClearLeak,    // AckStep 4: leak bit of word 20
};

struct ParamRequestInfo {
    ParamRequest request;
    const char* buttonName;    // objectName of the button; none for a chained request
    const char* caption;       // the button that starts its chain (QT_TRANSLATE_NOOP "WzParam")
    const char* step;          // what it writes (QT_TRANSLATE_NOOP "WzParam")
    bool collectsForm;         // a write: the controls go into the image first
    bool wakeUp;               // sent with the wake-up preamble
    int nextAckStep;           // AckStep after the request went out
    int position, chainLength; // place in its chain, 1-based
};

const std::array<ParamRequestInfo, 13>& paramRequests();
const ParamRequestInfo& paramRequestInfo(ParamRequest request);

// The request as it goes on the line. Writes carry their bytes of the image; the chained changes take
// their bits from the collected image: AES and short telegram from word 20 (S1 always sends the short
// one, from word 18), monthly or yearly from word 22.
Frame buildParamRequest(ParamRequest request, const Image& image);

// The chain of acknowledged requests.
class AckChain {
public:
    // A button's request goes out: the chain starts over from that request's own step, whatever a
    // missing acknowledgement left before.
    void started(ParamRequest request);
    // A read goes out: no acknowledgement is awaited and no chained request follows.
    void reset();
    // The module acknowledged: the chained request to send now, if any.
    std::optional<ParamRequest> acknowledged();

    int AckStep() const { return ackStep_; }
    // The request whose acknowledgement is awaited.
    std::optional<ParamRequest> awaited() const { return awaited_; }

private:
    int ackStep_ = 0;
    std::optional<ParamRequest> awaited_;
};

// "Sende RF, Schritt 2 von 3 (Byte 18: Sendefenster und Protokoll) nicht bestätigt": what a time-out
// left unwritten; empty while nothing is awaited.
QString awaitedStepText(const AckChain& chain);

} // namespace kvq::wz
