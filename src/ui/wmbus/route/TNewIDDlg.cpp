#include "ui/wmbus/route/TNewIDDlg.h"

#include "core/app/UserInteraction.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace kvq {

namespace {
constexpr int kIdLength = 8;
constexpr int kKeyLength = 32;
} // namespace

const std::vector<TNewIDDlg::Kind>& TNewIDDlg::kinds() {
    static const std::vector<Kind> list = {
        {QT_TR_NOOP("EHKV"), 8},        {QT_TR_NOOP("WASSERZÄHLER"), 7},
        {QT_TR_NOOP("STROMZÄHLER"), 2}, {QT_TR_NOOP("WÄRMEZAHLER"), 4},
        {QT_TR_NOOP("GASZÄHLER"), 3},   {QT_TR_NOOP("RAUCHMELDER"), 26},
        {QT_TR_NOOP("ABFALL"), 41},     {QT_TR_NOOP("RAUMSENSOR"), 27},
        {QT_TR_NOOP("GASMELDER"), 28},  {QT_TR_NOOP("ELEKTRISCHER UNTERBRECHER"), 32},
        {QT_TR_NOOP("VENTIL"), 33},     {QT_TR_NOOP("DISPLAY"), 37},
        {QT_TR_NOOP("ABWASSER"), 40},   {QT_TR_NOOP("CO2 SENSOR"), 42},
    };
    return list;
}

TNewIDDlg::TNewIDDlg(UserInteraction& ui, const QStringList& manufacturerCodes, QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setObjectName(QStringLiteral("NewIDDlg"));
    setWindowTitle(tr("neues W-MBUS Gerät"));

    ValueEditID = new QLineEdit(QStringLiteral("00000000"), this);
    ValueEditID->setObjectName(QStringLiteral("ValueEditID"));
    ValueEditID->setAlignment(Qt::AlignRight);
    ValueEditID->setMaxLength(kIdLength);
    ValueEditID->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,8}")), ValueEditID));
    LabelCountSer = new QLabel(QStringLiteral("0/8"), this);
    LabelCountSer->setObjectName(QStringLiteral("LabelCountSer"));

    ComboBoxManCode = new QComboBox(this);
    ComboBoxManCode->setObjectName(QStringLiteral("ComboBoxManCode"));
    ComboBoxManCode->setEditable(true);
    ComboBoxManCode->setInsertPolicy(QComboBox::NoInsert);
    ComboBoxManCode->addItem(QStringLiteral("QLM")); // notr: manufacturer letters
    for (const QString& code : manufacturerCodes) {
        if (ComboBoxManCode->findText(code) < 0)
            ComboBoxManCode->addItem(code);
    }
    ComboBoxManCode->setCurrentIndex(0);
    ComboBoxManCode->lineEdit()->setMaxLength(3);
    ComboBoxManCode->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[A-Za-z]{0,3}")), ComboBoxManCode));

    EditAESkey = new QLineEdit(this);
    EditAESkey->setObjectName(QStringLiteral("EditAESkey"));
    EditAESkey->setMaxLength(kKeyLength);
    EditAESkey->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]{0,32}")), EditAESkey));
    sLabelCount = new QLabel(QStringLiteral("0/32"), this);
    sLabelCount->setObjectName(QStringLiteral("sLabelCount"));

    sComboBox1 = new QComboBox(this);
    sComboBox1->setObjectName(QStringLiteral("sComboBox1"));
    for (const Kind& k : kinds())
        sComboBox1->addItem(tr(k.text), k.code);

    ButtonOK = new QPushButton(tr("OK"), this);
    ButtonOK->setObjectName(QStringLiteral("ButtonOK"));
    ButtonOK->setDefault(true);
    ButtonAbbrechen = new QPushButton(tr("Abbrechen"), this);
    ButtonAbbrechen->setObjectName(QStringLiteral("ButtonAbbrechen"));
    connect(ButtonOK, &QPushButton::clicked, this, &TNewIDDlg::accept);
    connect(ButtonAbbrechen, &QPushButton::clicked, this, &TNewIDDlg::reject);

    auto* form = new QFormLayout;
    const auto addRow = [&](const QString& caption, QWidget* field, QWidget* extra) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
        if (!extra) {
            form->addRow(label, field);
            return;
        }
        auto* row = new QHBoxLayout;
        row->addWidget(field, 1);
        row->addWidget(extra);
        form->addRow(label, row);
    };
    addRow(tr("&ID:"), ValueEditID, LabelCountSer);
    addRow(tr("&FLAG ID:"), ComboBoxManCode, nullptr);
    addRow(tr("&AES-KEY"), EditAESkey, sLabelCount);
    addRow(tr("&MEDIUM"), sComboBox1, nullptr);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ButtonOK);
    buttons->addWidget(ButtonAbbrechen);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(ValueEditID, &QLineEdit::textChanged, this, &TNewIDDlg::updateState);
    connect(EditAESkey, &QLineEdit::textChanged, this, &TNewIDDlg::updateState);
    updateState();
    // The counters start at zero; they count what the user types.
    LabelCountSer->setText(QStringLiteral("0/8"));
}

void TNewIDDlg::updateState() {
    const int id = static_cast<int>(ValueEditID->text().size());
    const int key = static_cast<int>(EditAESkey->text().size());
    LabelCountSer->setText(QStringLiteral("%1/%2").arg(id).arg(kIdLength));
    sLabelCount->setText(QStringLiteral("%1/%2").arg(key).arg(kKeyLength));
    ButtonOK->setEnabled(id == kIdLength && (key == 0 || key == kKeyLength));
}

TNewIDDlg::Values TNewIDDlg::values() const {
    return {ValueEditID->text(), ComboBoxManCode->currentText().trimmed().toUpper(),
            QString::number(sComboBox1->currentData().toInt()), EditAESkey->text().toUpper()};
}

void TNewIDDlg::accept() {
    // Return reaches here also while the button is disabled: say what is wrong with the key, and
    // never take an incomplete entry.
    const auto key = EditAESkey->text().size();
    if (key > 0 && key < kKeyLength) {
        ui_.message(tr("Falsches Format des AES KEY!"), tr("FEHLER"), UserInteraction::Icon::Error);
        return;
    }
    if (!ButtonOK->isEnabled())
        return;
    // A device without a three-letter code could never be matched to a telegram.
    if (ComboBoxManCode->currentText().trimmed().size() != 3) {
        ui_.message(tr("Die FLAG ID muss aus drei Buchstaben bestehen!"), tr("FEHLER"),
                    UserInteraction::Icon::Error);
        return;
    }
    QDialog::accept();
}

void TNewIDDlg::keyPressEvent(QKeyEvent* event) {
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            accept();
            return;
        }
    }
    QDialog::keyPressEvent(event);
}

std::optional<TNewIDDlg::Values> TNewIDDlg::ask(UserInteraction& ui, const QStringList& manufacturerCodes,
                                                QWidget* parent) {
    TNewIDDlg dlg(ui, manufacturerCodes, parent);
    if (dlg.exec() != QDialog::Accepted)
        return std::nullopt;
    return dlg.values();
}

} // namespace kvq
