#pragma once
// Line settings of the two serial interfaces: the selection tables the interface dialog offers, the
// per-port settings records with their defaults, and the port list the dialog chooses from. Pure data:
// the dialog maps its controls onto a PortPage, the link layer opens ports from a PortSettingsRecord.

#include <QString>
#include <QStringList>
#include <array>

namespace kvq {

enum class SerialInterface { SIO1 = 1, SIO2 = 2 };

enum class ParityCode { None = 0, Odd = 1, Even = 2, Mark = 3, Space = 4 };
enum class StopBitsCode { One = 0, OneAndHalf = 1, Two = 2 };

constexpr std::array<int, 15> kBaudRateTable = {110,   300,   600,   1200,  2400,   4800,   9600,  14400,
                                                19200, 38400, 56000, 57600, 115200, 128000, 256000};
const QStringList& dataBitsItems(); // "5" .. "8": data bits = index + 5
const QStringList& parityItems();   // "none", "odd", "even", "mark", "space": code = index
const QStringList& stopBitsItems(); // "1", "1,5", "2": code = index
QStringList baudRateItems();        // the baud table as texts

// The platform line-settings record the port is configured with.
struct LineSettings {
    int baudRate = 115200;
    int dataBits = 8;
    ParityCode parity = ParityCode::None;
    StopBitsCode stopBits = StopBitsCode::One;
    bool binary = true;
    bool parityCheck = false;
    bool ctsOutFlow = false; // RTS/CTS handshake: CTS output flow control, RTS control "handshake"
    bool rtsHandshake = false;
    bool dsrOutFlow = false; // DTR/DSR handshake: DSR output flow control, DTR control "handshake"
    bool dtrHandshake = false;
    bool outX = false, inX = false; // XOn/XOff on transmit and receive
    char xonChar = 0x11, xoffChar = 0x13;
    bool abortOnError = false;

    bool operator==(const LineSettings&) const = default;
};

// What one page of the interface dialog selects: list indexes, handshake switches, queue sizes and the
// port list. The dialog's widgets show exactly this.
struct PortList {
    QStringList entries;
    int selected = -1; // -1: nothing selected
};

struct PortPage {
    PortList ports;
    int baudIndex = 4;
    int dataBitsIndex = 3;
    int parityIndex = 0;
    int stopBitsIndex = 0;
    bool rtsCts = false, dtrDsr = false, xonXoff = false;
    int rxQueueSize = 4096, txQueueSize = 4096;
};

// Per-port settings record the ports are opened with.
struct PortSettingsRecord {
    int PortNr = 0;
    int RxQueueSize = 4096;
    int TxQueueSize = 4096;
    LineSettings lineSettings;
};

struct PortDefaults {
    int baudIndex;
    int rxQueueSize;
    int txQueueSize;
};
PortDefaults portDefaults(SerialInterface which);

// Queue sizes of the optical-head port change only by doubling and halving.
int doubledQueueSize(int size); // while below 524289
int halvedQueueSize(int size);  // while above 1, integer halving

// The number of the selected port entry: the text after "COM" up to the first non-digit; 0 when
// nothing is selected or the entry carries no number.
int ParsePortNumber(const PortList& list);
// Port number of one entry text ("COM12" and "COM12  /dev/ttyUSB0" give 12), 0 when it has none.
int portNumberOfEntry(const QString& entry);
// Selects the first entry naming port `portNumber`; with no such entry the selection stays.
void SelectPort(PortList& list, int portNumber);

// Rebuilds one page and its record from the defaults, the port list given (already filled) and the
// record's port number: the lists show the defaults, the queue sizes are reset and the record's line
// settings follow the selections. The page then selects the entry of the record's port; the record's
// port number is taken from that selection (0 when the port is not in the list).
void InitPortSettings(SerialInterface which, PortSettingsRecord& record, PortPage& page,
                      const QStringList& portEntries);
// Line settings from a page's selections.
void ApplyPortSettings(const PortPage& page, PortSettingsRecord& record);

} // namespace kvq
