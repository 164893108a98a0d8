#pragma once
// The three radio modes the recorder can put the receiver in, and which one starts with the window.

#include "core/wmbus/receiver/ReceiverSequences.h"

#include <optional>
#include <string_view>

namespace kvq::wmbus::receiver {

enum class RadioMode { TC, C, S };

// "T", "C" or "S": the letter kept as the route file's radio mode.
std::string_view modeLetter(RadioMode mode);
// "Mode: T/C", "Mode: C", "Mode: S" for the main window's status bar.
std::string_view modeStatusText(RadioMode mode);
ReceiverSequence sequenceOf(RadioMode mode);
// Mode of a stored letter; no value for anything but "T", "C" and "S".
std::optional<RadioMode> modeOfLetter(std::string_view letter);

// The start mode of the settings' check list "Programmstart mit": C before T/C before S; none ticked
// starts nothing.
std::optional<RadioMode> startMode(bool tcTicked, bool sTicked, bool cTicked);

} // namespace kvq::wmbus::receiver
