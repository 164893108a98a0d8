#include "core/wmbus/receiver/RadioMode.h"

namespace kvq::wmbus::receiver {

std::string_view modeLetter(RadioMode mode) {
    switch (mode) {
    case RadioMode::TC:
        return "T";
    case RadioMode::C:
        return "C";
    case RadioMode::S:
        return "S";
    }
    return "T";
}

std::string_view modeStatusText(RadioMode mode) {
    switch (mode) {
    case RadioMode::TC:
        return "Mode: T/C";
    case RadioMode::C:
        return "Mode: C";
    case RadioMode::S:
        return "Mode: S";
    }
    return "Mode: T/C";
}

ReceiverSequence sequenceOf(RadioMode mode) {
    switch (mode) {
    case RadioMode::TC:
        return ReceiverSequence::ModeTC;
    case RadioMode::C:
        return ReceiverSequence::ModeC;
    case RadioMode::S:
        return ReceiverSequence::ModeS;
    }
    return ReceiverSequence::ModeTC;
}

std::optional<RadioMode> modeOfLetter(std::string_view letter) {
    if (letter == "T")
        return RadioMode::TC;
    if (letter == "C")
        return RadioMode::C;
    if (letter == "S")
        return RadioMode::S;
    return std::nullopt;
}

std::optional<RadioMode> startMode(bool tcTicked, bool sTicked, bool cTicked) {
    if (cTicked)
        return RadioMode::C;
    if (tcTicked)
        return RadioMode::TC;
    if (sTicked)
        return RadioMode::S;
    return std::nullopt;
}

} // namespace kvq::wmbus::receiver
