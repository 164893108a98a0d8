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
