#pragma once
// Wireless M-Bus telegrams as a receiver stick hands them to the PC, written from the stick's byte
// format alone:
//   RadioCraft module: 0x68, L, C ... RSSI, 0x16   (L counts C up to the RSSI byte)
//   Amber module:      0xFF, 0x03, n, C ... RSSI, checksum (XOR of all bytes before it)
// A radio telegram is given as the meter sends it: L C M M A A A A V T CI ... without CRCs. The
// receiver replaces its L by the count of the bytes it delivers.

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace kvq::devsim {

enum class ReceiverFraming { RadioCraft, Amber };

// Largest radio telegram a frame can carry: 254 bytes after the L field, so that L with the RSSI
// byte still fits one byte.
inline constexpr int kMaxTelegramBody = 254;

// The frame of one radio telegram (its L byte first); empty when it is too short (no C field) or
// too long for one frame.
QByteArray receiverFrame(const QByteArray& radioTelegram, ReceiverFraming framing, std::uint8_t rssi);

// Radio telegrams of a text file: one per line as hex digits (blanks allowed), taken from the first
// tab- or semicolon-separated column. Lines that are empty, start with '#' or hold no even run of hex
// digits (a heading) are skipped. False when the file cannot be read.
bool loadTelegramFile(const QString& path, std::vector<QByteArray>& out, QString* error = nullptr);

} // namespace kvq::devsim
