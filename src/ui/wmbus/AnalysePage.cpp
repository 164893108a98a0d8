#include "ui/wmbus/AnalysePage.h"

#include "core/wmbus/TelegramResult.h"
#include "ui/wmbus/HexMonitor.h"

#include <algorithm>

#include <QCheckBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>
#include <QTextBlock>
#include <QTimer>
#include <QVBoxLayout>

namespace kvq {

namespace {

struct HeaderField {
    const char* caption;
    QLabel* AnalysePage::*label;
    const char* name;
};

// The header group in its order: caption, value label.
const HeaderField kHeaderFields[] = {
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "Länge:"), &AnalysePage::LabelLenght, "LabelLenght"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "C-Feld:"), &AnalysePage::LabelCF, "LabelCF"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "Hersteller:"), &AnalysePage::LabelMC, "LabelMC"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "Funk ID:"), &AnalysePage::LabelFunkID, "LabelFunkID"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "CI-Feld:"), &AnalysePage::LabelCI, "LabelCI"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "Gerät:"), &AnalysePage::LabelDEVICE, "LabelDEVICE"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "Serien ID:"), &AnalysePage::LabelSerienID, "LabelSerienID"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "Zugriffszähler:"), &AnalysePage::LabelCounter, "LabelCounter"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "AES:"), &AnalysePage::LabelAES, "LabelAES"},
    {QT_TRANSLATE_NOOP("kvq::AnalysePage", "RSSI:"), &AnalysePage::LabelRSSI, "LabelRSSI"},
};

QLabel* valueLabel(const char* name, QWidget* parent) {
    auto* l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(name));
    l->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return l;
}

} // namespace

AnalysePage::AnalysePage(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("sTabAnalyse"));

    GroupBoxHeader = new QGroupBox(tr("WM-BUS Header"), this);
    GroupBoxHeader->setObjectName(QStringLiteral("GroupBoxHeader"));
    auto* header = new QFormLayout(GroupBoxHeader);
    for (const HeaderField& f : kHeaderFields) {
        QLabel* value = valueLabel(f.name, GroupBoxHeader);
        this->*f.label = value;
        header->addRow(tr(f.caption), value);
    }

    auto* counters = new QFormLayout;
    LabelAnzahlProtokolle = valueLabel("LabelAnzahlProtokolle", this);
    LabeCountByte = valueLabel("LabeCountByte", this);
    counters->addRow(tr("Anzahl Protokolle:"), LabelAnzahlProtokolle);
    counters->addRow(tr("Anzahl Byte:"), LabeCountByte);

    LabelRSSI1 = valueLabel("LabelRSSI1", this);
    ProgressBarRSSI1 = new QProgressBar(this);
    ProgressBarRSSI1->setObjectName(QStringLiteral("ProgressBarRSSI1"));
    ProgressBarRSSI1->setRange(-107, -10);
    ProgressBarRSSI1->setValue(-107);
    ProgressBarRSSI1->setTextVisible(false);
    ProgressBarRSSI1->setAccessibleName(tr("RSSI"));
    auto* rssi = new QHBoxLayout;
    auto* rssiCaption = new QLabel(tr("RSSI [dBm]:"), this);
    rssi->addWidget(rssiCaption);
    rssi->addWidget(LabelRSSI1);
    rssi->addWidget(ProgressBarRSSI1, 1);

    sBitBtnStop = new QPushButton(tr("STOP Daten vom Empfänger"), this);
    sBitBtnStop->setObjectName(QStringLiteral("sBitBtnStop"));
    sBitBtnStop->setCheckable(true);
    StartTrigger = new QCheckBox(tr("Trigger auf Funk ID"), this);
    StartTrigger->setObjectName(QStringLiteral("StartTrigger"));
    EditTgFunkID = new QLineEdit(this);
    EditTgFunkID->setObjectName(QStringLiteral("EditTgFunkID"));
    EditTgFunkID->setMaxLength(10);
    EditTgFunkID->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,10}")), EditTgFunkID));
    EditTgFunkID->setAccessibleName(StartTrigger->text());
    sBitBtnLOGProt = new QPushButton(tr("LOG Protokolle in Datei"), this);
    sBitBtnLOGProt->setObjectName(QStringLiteral("sBitBtnLOGProt"));
    sBitBtnLOGProt->setCheckable(true);

    auto* switches = new QGridLayout;
    switches->addWidget(sBitBtnStop, 0, 0, 1, 2);
    switches->addWidget(StartTrigger, 1, 0);
    switches->addWidget(EditTgFunkID, 1, 1);
    switches->addWidget(sBitBtnLOGProt, 2, 0, 1, 2);

    auto* hersteller = new QGroupBox(tr("empfangene Hersteller-Kennungen (FLAG-ID)"), this);
    hersteller->setObjectName(QStringLiteral("GroupBoxHersteller"));
    ListBoxHersteller = new QListWidget(hersteller);
    ListBoxHersteller->setObjectName(QStringLiteral("ListBoxHersteller"));
    ListBoxHersteller->setAccessibleName(hersteller->title());
    LabelHerstellerInfo = valueLabel("LabelHerstellerInfo", hersteller);
    LabelHerstellerInfo->setWordWrap(true);
    LabelHerstellerInfo->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    auto* hl = new QHBoxLayout(hersteller);
    hl->addWidget(ListBoxHersteller, 1);
    hl->addWidget(LabelHerstellerInfo, 2);

    StringGridWerte = new QTableWidget(kValueRows, 2, this);
    StringGridWerte->setObjectName(QStringLiteral("StringGridWerte"));
    StringGridWerte->setHorizontalHeaderLabels({tr("Value"), tr("Unit")});
    StringGridWerte->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGridWerte->horizontalHeader()->setStretchLastSection(true);
    StringGridWerte->verticalHeader()->setDefaultSectionSize(18);
    StringGridWerte->setAccessibleName(tr("Werte"));
    LabelWerteHinweis = new QLabel(this);
    LabelWerteHinweis->setObjectName(QStringLiteral("LabelWerteHinweis"));
    LabelWerteHinweis->setWordWrap(true);
    LabelWerteHinweis->setStyleSheet(QStringLiteral("color: #B00000;"));
    LabelWerteHinweis->hide();

    RichEdit1 = new HexMonitor(this);
    RichEdit1->setObjectName(QStringLiteral("RichEdit1"));
    RichEdit1->setAccessibleName(tr("Monitor"));
    MemoRX = new QPlainTextEdit(this);
    MemoRX->setObjectName(QStringLiteral("MemoRX"));
    MemoRX->setReadOnly(true);
    MemoRX->setUndoRedoEnabled(false);
    MemoRX->setMaximumHeight(80);
    MemoRX->setMaximumBlockCount(kMaxRawLines);
    MemoRX->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    MemoRX->setAccessibleName(tr("RX"));

    auto* left = new QVBoxLayout;
    left->addWidget(GroupBoxHeader);
    left->addLayout(counters);
    left->addLayout(rssi);
    left->addLayout(switches);
    left->addWidget(hersteller, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(RichEdit1, 3);
    right->addWidget(StringGridWerte, 2);
    right->addWidget(LabelWerteHinweis);
    right->addWidget(MemoRX);

    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(right, 3);

    setTabOrder(sBitBtnStop, StartTrigger);
    setTabOrder(StartTrigger, EditTgFunkID);
    setTabOrder(EditTgFunkID, sBitBtnLOGProt);
    setTabOrder(sBitBtnLOGProt, ListBoxHersteller);
    rawTimer_ = new QTimer(this);
    rawTimer_->setSingleShot(true);
    rawTimer_->setInterval(50);
    connect(rawTimer_, &QTimer::timeout, this, &AnalysePage::flushRaw);
    showCounters(0, 0);
}

void AnalysePage::appendRaw(const QString& text) {
    pendingRaw_ += text;
    if (!rawTimer_->isActive())
        rawTimer_->start();
}

void AnalysePage::flushRaw() {
    rawTimer_->stop();
    if (pendingRaw_.isEmpty())
        return;
    // Short lines keep each insertion cheap; one endless line would be laid out anew every time.
    QTextCursor c(MemoRX->document());
    c.movePosition(QTextCursor::End);
    c.beginEditBlock();
    qsizetype at = 0;
    while (at < pendingRaw_.size()) {
        const int lineLength = MemoRX->document()->lastBlock().length() - 1;
        if (lineLength >= kRawLineChars) {
            c.insertBlock();
            continue;
        }
        const qsizetype n = std::min<qsizetype>(kRawLineChars - lineLength, pendingRaw_.size() - at);
        c.insertText(pendingRaw_.mid(at, n));
        at += n;
    }
    c.endEditBlock();
    pendingRaw_.clear();
}

void AnalysePage::clearRaw() {
    pendingRaw_.clear();
    rawTimer_->stop();
    MemoRX->clear();
}

void AnalysePage::showValues(const wmbus::TelegramResult& telegram) {
    QString hint;
    switch (telegram.compact) {
    case wmbus::CompactOutcome::NoFormat:
        hint = tr("Kompaktes Telegramm: kein passendes Format bekannt, daher keine Werte. Ein vollständiges "
                  "Telegramm oder ein Format-Telegramm dieses Zählers lehrt das Format.");
        break;
    case wmbus::CompactOutcome::CrcMismatch:
        hint = tr("Kompaktes Telegramm: das gespeicherte Format passt nicht (CRC falsch), daher keine Werte. "
                  "Bitte das Format in kformate.ini prüfen.");
        break;
    default:
        break;
    }
    LabelWerteHinweis->setText(hint);
    LabelWerteHinweis->setVisible(!hint.isEmpty());
    for (int row = 0; row < kValueRows; ++row) {
        const auto& pair = telegram.values[static_cast<std::size_t>(row)];
        for (int col = 0; col < 2; ++col) {
            const std::string& s = col == 0 ? pair.value : pair.unit;
            QTableWidgetItem* item = StringGridWerte->item(row, col);
            if (!item) {
                item = new QTableWidgetItem;
                StringGridWerte->setItem(row, col, item);
            }
            item->setText(
                QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size()))); // notr: decoded values
        }
    }
}

void AnalysePage::showCounters(std::uint64_t telegrams, std::uint64_t bytes) {
    LabelAnzahlProtokolle->setText(QString::number(telegrams));
    LabeCountByte->setText(QString::number(bytes));
}

} // namespace kvq
