#pragma once
// Stored radio setups ("SETUP-VARIANTEN"): four sections "Variante1" .. "Variante4" of an INI file,
// each with a description and the send mask, protocol, AES switch and radio times. The allocator's
// parameter window keeps them in "Radiovarianten.ini", the water-meter module's in
// "RadiovariantenFAM.ini", both in QUELMAR/KVQ. Descriptions are read from and written to the same
// file as the setups, so that what a technician typed is what the next start shows.

#include "core/app/Result.h"

#include <QString>
#include <array>

namespace kvq::variants {

constexpr int kVariantCount = 4;

struct RadioVariant {
    QString text;
    std::array<bool, 12> months{};
    std::array<bool, 5> weeks{};
    std::array<bool, 7> days{}; // Monday .. Sunday
    bool s1 = false, t1 = false, aes = false;
    int start = 0, stop = 0, cycle = 0, variance = 0;
};

// The setup as the send-mask controls of a parameter form hold it; the allocator's and the water-meter
// module's forms name these controls alike. The description is the caller's.
template <class Form> RadioVariant variantFromSendControls(const Form& f) {
    RadioVariant v;
    v.months = f.sendMonths;
    v.weeks = f.sendWeeks;
    v.days = f.sendDays;
    v.s1 = f.RadioButton_Funk_S1;
    v.t1 = f.RadioButton_Funk_T1;
    v.aes = f.CheckBoxAESenable;
    v.start = f.CSpinEditStart;
    v.stop = f.CSpinEditStop;
    v.cycle = f.CSpinEditZZ;
    v.variance = f.CSpinEditV;
    return v;
}

// QUELMAR/KVQ/<fileName>
QString variantFilePath(const QString& fileName);

// Section of variant 1..4; a missing file, section or key reads as false, 0 or empty.
Result<RadioVariant> loadVariant(const QString& path, int number);
// The four descriptions, empty for what is missing.
Result<std::array<QString, kVariantCount>> loadDescriptions(const QString& path);
// Writes the four descriptions into their sections and the setup into the section of variant
// `number`; the other sections and any unknown keys stay as they were. The folder is created when
// missing, and the file is replaced only once the new one is complete.
Status saveVariant(const QString& path, int number, const RadioVariant& variant,
                   const std::array<QString, kVariantCount>& descriptions);

} // namespace kvq::variants
