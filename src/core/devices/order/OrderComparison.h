#pragma once
// The order-sheet comparison: which control of the comparison window shows what of the device
// window, the time-zone offset, and the allocator's plausibility tests. Everything works on the
// states and texts of the device window's controls, never on the device record, so values typed but
// not yet written are compared too.

#include <QString>
#include <QTime>
#include <vector>

namespace kvq::order {

// How a comparison-window control takes its value.
enum class CopyRule {
    Same,           // checked state of `source`
    Opposite,       // opposite of the comparison window's own control `source`
    Both,           // checked when `source` and `second` are both checked
    FirstNotSecond, // checked when `source` is checked and `second` is not
    Text,           // text of an edit, or displayed text of a combo box
    HourSuffix,     // spin value followed by ":00"
    SecondSuffix    // spin value followed by "s"
};

struct CopyRow {
    const char* target;
    const char* source;
    CopyRule rule;
    const char* second = nullptr;
};

// The rows every comparison window copies, in order; the allocator's extras come first on its window.
const std::vector<CopyRow>& commonCopyRows();
const std::vector<CopyRow>& allocatorCopyRows();

// Device clock hour minus the PC's UTC hour, signed ("+1", "0", "-23"); minutes are ignored and
// nothing wraps at midnight.
QString timeZoneOffsetText(const QTime& deviceClock, const QTime& utcNow);

// What the allocator's plausibility tests look at, as the device window's controls show it.
struct PlausibilityInput {
    bool eScale = false;       // RadioButtonESkala
    bool twoSensors = false;   // CheckBox2F as copied
    bool remoteSensor = false; // CheckBoxFFja as copied
    QString k1, k2, kq, deltaT;
    bool anyErrorBox = false; // CheckBox1CSfehler, ...MessFehler, ...Sabotage, ...LowBatt, HFError, RESET
};

struct PlausibilityRow {
    QString status; // "OK" or "FEHLER"
    QString name;   // "Test auf E-Skala", ...
};

// Rows 1..3 of the grid under "weitere Tests der Parametrierung". Texts are compared exactly: a
// leading zero or a blank is a mismatch.
std::vector<PlausibilityRow> plausibilityTests(const PlausibilityInput& in);

// Control names of the allocator window's error boxes that row 3 looks at.
const std::vector<const char*>& errorBoxNames();

} // namespace kvq::order
