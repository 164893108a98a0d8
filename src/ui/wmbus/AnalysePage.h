#pragma once
// The Analyse page of the recorder: hex monitor, raw receive text, counters, the link-layer and
// transport header of the last telegram, its values, the RSSI and the manufacturers heard.

#include <QWidget>

#include <cstdint>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QTimer;

namespace kvq {

namespace wmbus {
struct TelegramResult;
}

class HexMonitor;

class AnalysePage : public QWidget {
    Q_OBJECT
public:
    static constexpr int kValueRows = 20;
    // Raw receive text in `MemoRX`: lines of at most kRawLineChars, the newest kMaxRawLines kept.
    static constexpr int kRawLineChars = 96;
    static constexpr int kMaxRawLines = 200;

    explicit AnalysePage(QWidget* parent = nullptr);

    // Appends a piece of raw receive text to the last line of `MemoRX`. Pieces arrive byte by byte;
    // they are collected and shown at the end of each chunk (flushRaw) or shortly after.
    void appendRaw(const QString& text);
    void flushRaw();
    void clearRaw();
    void showCounters(std::uint64_t telegrams, std::uint64_t bytes);
    // The 20 value/unit pairs of a telegram (empty when its values were not taken).
    void showValues(const wmbus::TelegramResult& telegram);

    HexMonitor* RichEdit1;
    QPlainTextEdit* MemoRX;
    QLabel* LabelAnzahlProtokolle;
    QLabel* LabeCountByte;
    QGroupBox* GroupBoxHeader; // "WM-BUS Header"
    QLabel* LabelLenght;
    QLabel* LabelCF;
    QLabel* LabelMC;
    QLabel* LabelCI;
    QLabel* LabelFunkID;
    QLabel* LabelDEVICE;
    QLabel* LabelSerienID;
    QLabel* LabelCounter;
    QLabel* LabelAES;
    QLabel* LabelRSSI;
    QLabel* LabelRSSI1;
    QProgressBar* ProgressBarRSSI1;
    QPushButton* sBitBtnStop; // "STOP Daten vom Empfänger"
    QCheckBox* StartTrigger;  // "Trigger auf Funk ID"
    QLineEdit* EditTgFunkID;
    QPushButton* sBitBtnLOGProt;   // "LOG Protokolle in Datei"
    QTableWidget* StringGridWerte; // values of the last telegram
    // Why a telegram gave no values although it was read (a compact frame without a fitting format).
    QLabel* LabelWerteHinweis;
    QListWidget* ListBoxHersteller;
    QLabel* LabelHerstellerInfo;

private:
    QString pendingRaw_;
    QTimer* rawTimer_;
};

} // namespace kvq
