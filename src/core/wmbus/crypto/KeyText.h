#pragma once
// Key text: a 16-byte AES key written as 32 hexadecimal digits.

#include "core/wmbus/crypto/Aes128.h"

#include <string>
#include <string_view>

namespace kvq::crypto {

// Upper-case hex pairs separated by single blanks: "2B 7E 15 ...".
std::string KeyToText(const Key& key);

// Lenient reading as the program has always done it: blanks (and other control characters)
// are ignored, the remaining characters fill a field of 32 "0" from the left (a short text is
// padded on the right, characters past the 32nd are ignored), and a character that is no hex
// digit counts as 0.
Key ParseKeyText(std::string_view text);

// What is wrong with a key text, for callers that must refuse or report a broken one.
enum class KeyTextFault {
    None,     // exactly 32 hex digits once blanks are removed
    Empty,    // no digits at all
    TooShort, // fewer than 32 digits
    TooLong,  // more than 32 digits
    NotHex,   // a character that is neither a hex digit nor a blank
};
KeyTextFault CheckKeyText(std::string_view text);

} // namespace kvq::crypto
