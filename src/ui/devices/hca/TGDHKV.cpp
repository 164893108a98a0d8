#include "ui/devices/hca/TGDHKV.h"

#include "core/devices/hca/HcaFormRules.h"
#include "core/devices/hca/HcaMerge.h"
#include "core/wmbus/crypto/DeviceKey.h"
#include "link/LinkController.h"
#include "ui/app/ToolHost.h"
#include "ui/devices/hca/HostDeviceChannel.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDateEdit>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimeEdit>

namespace kvq {

using namespace hca;

namespace {

struct TextField {
    const char* name;
    QString HcaForm::*member;
};
// Edits whose text the form holds as typed.
const TextField kEdits[] = {
    {"Edit1GeraeteID", &HcaForm::Edit1GeraeteID},
    {"EditFunkID", &HcaForm::EditFunkID},
    {"EditSerienNR", &HcaForm::EditSerienNR},
    {"Edit1BattMon", &HcaForm::Edit1BattMon},
    {"Edit1BattJahr", &HcaForm::Edit1BattJahr},
    {"EditK1", &HcaForm::EditK1},
    {"EditK2", &HcaForm::EditK2},
    {"EditKQ", &HcaForm::EditKQ},
    {"EditDeltaT", &HcaForm::EditDeltaT},
    {"Edit1TempOffset", &HcaForm::Edit1TempOffset},
    {"Edit1Verbrauch", &HcaForm::Edit1Verbrauch},
    {"Edit1VorVerbrauch", &HcaForm::Edit1VorVerbrauch},
    {"EditPZVerbrauch", &HcaForm::EditPZVerbrauch},
    {"Edit1Zaehlerst", &HcaForm::Edit1Zaehlerst},
    {"Edit1ZaehlerstVorj", &HcaForm::Edit1ZaehlerstVorj},
    {"Edit1Temp", &HcaForm::Edit1Temp},
    {"Edit1TempRaum", &HcaForm::Edit1TempRaum},
    {"EditTempMax", &HcaForm::EditTempMax},
    {"EditManCode", &HcaForm::EditManCode},
    {"EditAESKEY", &HcaForm::EditAESKEY},
    {"EditLadung", &HcaForm::EditLadung},
    {"EditLadungmax", &HcaForm::EditLadungmax},
};
// Labels the form fills; they are never read back from the widgets.
const TextField kLabels[] = {
    {"LabelStichdatum", &HcaForm::LabelStichdatum},
    {"LabelFehlerdatum", &HcaForm::LabelFehlerdatum},
    {"LabelZyklusNr", &HcaForm::LabelZyklusNr},
    {"LabelAnzTage", &HcaForm::LabelAnzTage},
    {"LabelAnzSendungen", &HcaForm::LabelAnzSendungen},
    {"LabelmAh1", &HcaForm::LabelmAh1},
    {"LabelmAh11", &HcaForm::LabelmAh11},
};

struct BoolField {
    const char* name;
    bool HcaForm::*member;
};
const BoolField kButtons[] = {
    {"CheckBox1keineSNrueberschr", &HcaForm::CheckBox1keineSNrueberschr},
    {"CheckBox1AutoSerNr", &HcaForm::CheckBox1AutoSerNr},
    {"CheckBoxKorrEdit", &HcaForm::CheckBoxKorrEdit},
    {"RadioButtonESkala", &HcaForm::RadioButtonESkala},
    {"RadioButtonPSkala", &HcaForm::RadioButtonPSkala},
    {"RadioButtonSTMon", &HcaForm::RadioButtonSTMon},
    {"RadioButtonSTJahr", &HcaForm::RadioButtonSTJahr},
    {"CheckBoxZweiFuehle", &HcaForm::CheckBoxZweiFuehle},
    {"CheckBoxFernf", &HcaForm::CheckBoxFernf},
    {"CheckBoxAutoTime", &HcaForm::CheckBoxAutoTime},
    {"CheckBoxMon", &HcaForm::CheckBoxMon},
    {"CheckBoxTag", &HcaForm::CheckBoxTag},
    {"CheckBoxWo", &HcaForm::CheckBoxWo},
    {"CheckBoxStd", &HcaForm::CheckBoxStd},
    {"CheckBoxFenster", &HcaForm::CheckBoxFenster},
    {"RadioButton_Funk_S1", &HcaForm::RadioButton_Funk_S1},
    {"RadioButton_Funk_T1", &HcaForm::RadioButton_Funk_T1},
    {"CheckBox1MessFehler", &HcaForm::CheckBox1MessFehler},
    {"CheckBox1Sabotage", &HcaForm::CheckBox1Sabotage},
    {"CheckBox1LowBatt", &HcaForm::CheckBox1LowBatt},
    {"CheckBox1CSfehler", &HcaForm::CheckBox1CSfehler},
    {"CheckBoxHFError", &HcaForm::CheckBoxHFError},
    {"CheckBoxRESET", &HcaForm::CheckBoxRESET},
    {"CheckBoxFunkUpdate", &HcaForm::CheckBoxFunkUpdate},
    {"CheckBoxMessfrei_Enabled", &HcaForm::CheckBoxMessfrei_Enabled},
    {"CheckBoxAESenable", &HcaForm::CheckBoxAESenable},
    {"CheckBox4StartMessung", &HcaForm::CheckBox4StartMessung},
    {"CheckBox5Speed", &HcaForm::CheckBox5Speed},
    {"CheckBoxSonderAnz", &HcaForm::CheckBoxSonderAnz},
    {"CheckBoxShortProt", &HcaForm::CheckBoxShortProt},
    {"CheckBoxAESM7", &HcaForm::CheckBoxAESM7},
    {"RadioButton1StartMenue", &HcaForm::RadioButton1StartMenue},
    {"RadioButton2Stromtest", &HcaForm::RadioButton2Stromtest},
    {"RadioButton3Lager", &HcaForm::RadioButton3Lager},
    {"RadioButtonZeit", &HcaForm::RadioButtonZeit},
    {"RadioButtonZaehler", &HcaForm::RadioButtonZaehler},
    {"RadioButtonTemp", &HcaForm::RadioButtonTemp},
    {"CheckBox1LCD_ON", &HcaForm::CheckBox1LCD_ON},
    {"RadioButtonTestMode", &HcaForm::RadioButtonTestMode},
    {"CheckBoxFunk", &HcaForm::CheckBoxFunk},
    {"CheckBoxEinmessMode", &HcaForm::CheckBoxEinmessMode},
    {"CheckBoxFunkTraegerON", &HcaForm::CheckBoxFunkTraegerON},
    {"CheckBoxAutoAES", &HcaForm::CheckBoxAutoAES},
};
const BoolField kEnabled[] = {
    {"EditKQ", &HcaForm::EditKQEnabled},
    {"Edit1TempOffset", &HcaForm::Edit1TempOffsetEnabled},
    {"EditAESKEY", &HcaForm::EditAESKEYEnabled},
    {"CheckBoxShortProt", &HcaForm::CheckBoxShortProtEnabled},
    {"CheckBoxAESM7", &HcaForm::CheckBoxAESM7Enabled},
    {"Edit1GeraeteID", &HcaForm::identityEditsEnabled},
    {"EditFunkID", &HcaForm::identityEditsEnabled},
    {"Edit1BattJahr", &HcaForm::identityEditsEnabled},
    {"Edit1BattMon", &HcaForm::identityEditsEnabled},
};

struct IntField {
    const char* name;
    int HcaForm::*member;
};
const IntField kSpins[] = {
    {"CSpinEditStart", &HcaForm::CSpinEditStart},
    {"CSpinEditStop", &HcaForm::CSpinEditStop},
    {"CSpinEditZZ", &HcaForm::CSpinEditZZ},
    {"CSpinEditV", &HcaForm::CSpinEditV},
};
const IntField kCombos[] = {
    {"ComboBoxStartmonat", &HcaForm::ComboBoxStartmonat},
    {"ComboBoxStichTag", &HcaForm::ComboBoxStichTag},
};

template <std::size_t N> struct BoxArray {
    const std::array<const char*, N>& names;
    std::array<bool, N> HcaForm::*member;
};

QString name(const char* n) {
    return QString::fromLatin1(n);
}

void setGroupColour(QGroupBox* g, const QColor& background, const QColor& text) {
    QPalette p = g->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    g->setPalette(p);
}

void setEditText(QLineEdit* e, const QString& text) {
    if (e->text() != text)
        e->setText(text);
}

// Replaces an edit's text by what the edit accepts, keeping the cursor where the typing was.
void filterEdit(QLineEdit* e, QString (*filter)(const QString&)) {
    const QString text = e->text();
    const QString kept = filter(text);
    if (kept == text)
        return;
    const int cursor = e->cursorPosition();
    const int removedBefore = int(filter(text.left(cursor)).size());
    e->setText(kept);
    e->setCursorPosition(std::min<int>(removedBefore, int(kept.size())));
}

QString digitsAndComma(const QString& t) {
    return filterNumberInput(t);
}

} // namespace

TGDHKV::TGDHKV(ToolHost& host, QWidget* parent, HcaDeviceChannel* channel) : ToolWindow(host, parent) {
    setObjectName(QStringLiteral("TGDHKV"));
    setWindowTitle(QString::fromUtf8("Gerätedaten FALKOII"));
    if (channel) {
        channel_ = channel;
    } else {
        ownChannel_ = std::make_unique<HostDeviceChannel>(host);
        channel_ = ownChannel_.get();
    }
    buildControls();
    connectHandlers();
    button(QStringLiteral("Button1"))->setEnabled(false);
    // The controls start from the form's initial values, as a designed form would.
    refreshDerived(form_);
    apply();
    FormCreate();
}

TGDHKV::~TGDHKV() = default;

HcaDeviceChannel& TGDHKV::channel() {
    return *channel_;
}

QSize TGDHKV::sizeHint() const {
    const auto* scroll = findChild<QScrollArea*>(QStringLiteral("TGDHKVScroll"));
    return scroll && scroll->widget() ? scroll->widget()->sizeHint() : ToolWindow::sizeHint();
}

void TGDHKV::afterOpen() {
    // The window takes the whole client area of the main window (it scrolls where that is smaller).
    // It is not maximised, which would put its caption into the main window's.
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea())
        sub->setGeometry(QRect(QPoint(0, 0), sub->mdiArea()->viewport()->size()));
}

QLineEdit* TGDHKV::edit(const QString& n) const {
    return qobject_cast<QLineEdit*>(control(n));
}
QAbstractButton* TGDHKV::button(const QString& n) const {
    return qobject_cast<QAbstractButton*>(control(n));
}
QLabel* TGDHKV::label(const QString& n) const {
    return qobject_cast<QLabel*>(control(n));
}

// ---------------------------------------------------------------------------------------------
// Form state and widgets

void TGDHKV::collect() {
    HcaForm& f = form_;
    for (const TextField& t : kEdits)
        f.*t.member = edit(name(t.name))->text();
    for (const BoolField& b : kButtons)
        f.*b.member = button(name(b.name))->isChecked();
    for (const IntField& s : kSpins)
        f.*s.member = qobject_cast<QSpinBox*>(control(name(s.name)))->value();
    for (const IntField& c : kCombos)
        f.*c.member = qobject_cast<QComboBox*>(control(name(c.name)))->currentIndex();
    auto boxes = [this](const auto& names, auto& values) {
        for (std::size_t i = 0; i < names.size(); ++i)
            values[i] = button(name(names[i]))->isChecked();
    };
    boxes(kWeekdayShownBoxes, f.weekdayShown);
    boxes(kSendMonthBoxes, f.sendMonths);
    boxes(kSendWeekBoxes, f.sendWeeks);
    boxes(kSendDayBoxes, f.sendDays);
    boxes(kFreeMonthBoxes, f.freeMonths);
    for (int i = 0; i < 18; ++i)
        f.monthRows[i] = {monthRows_[i].value->text(), monthRows_[i].month->text(),
                          monthRows_[i].year->text()};
    f.sTimePicker1 = qobject_cast<QTimeEdit*>(control(QStringLiteral("sTimePicker1")))->time();
    f.sDateEdit1 = qobject_cast<QDateEdit*>(control(QStringLiteral("sDateEdit1")))->date();
}

void TGDHKV::apply() {
    const HcaForm& f = form_;
    applying_ = true;
    std::vector<std::unique_ptr<QSignalBlocker>> blockers;
    for (QWidget* w : std::as_const(controls_))
        blockers.push_back(std::make_unique<QSignalBlocker>(w));

    for (const TextField& t : kEdits)
        setEditText(edit(name(t.name)), f.*t.member);
    for (const TextField& t : kLabels)
        label(name(t.name))->setText(f.*t.member);
    for (const BoolField& b : kButtons)
        button(name(b.name))->setChecked(f.*b.member);
    for (const BoolField& e : kEnabled)
        control(name(e.name))->setEnabled(f.*e.member);
    for (const IntField& s : kSpins)
        qobject_cast<QSpinBox*>(control(name(s.name)))->setValue(f.*s.member);
    for (const IntField& c : kCombos)
        qobject_cast<QComboBox*>(control(name(c.name)))->setCurrentIndex(f.*c.member);
    auto boxes = [this](const auto& names, const auto& values) {
        for (std::size_t i = 0; i < names.size(); ++i)
            button(name(names[i]))->setChecked(values[i]);
    };
    boxes(kWeekdayShownBoxes, f.weekdayShown);
    boxes(kSendMonthBoxes, f.sendMonths);
    boxes(kSendWeekBoxes, f.sendWeeks);
    boxes(kSendDayBoxes, f.sendDays);
    boxes(kFreeMonthBoxes, f.freeMonths);
    for (int i = 0; i < 18; ++i) {
        setEditText(monthRows_[i].value, f.monthRows[i].value);
        setEditText(monthRows_[i].month, f.monthRows[i].month);
        setEditText(monthRows_[i].year, f.monthRows[i].year);
    }
    qobject_cast<QTimeEdit*>(control(QStringLiteral("sTimePicker1")))->setTime(f.sTimePicker1);
    qobject_cast<QDateEdit*>(control(QStringLiteral("sDateEdit1")))->setDate(f.sDateEdit1);

    button(QStringLiteral("RadioButton_Funk_S1"))->setText(f.RadioButton_Funk_S1Caption);
    QWidget* funk = control(QStringLiteral("GroupBoxFunk"));
    funk->setVisible(f.GroupBoxFunkVisible);
    funk->setEnabled(f.GroupBoxFunkVisible);
    auto* testmode = qobject_cast<QGroupBox*>(control(QStringLiteral("GroupBoxTestmode")));
    setGroupColour(testmode, f.GroupBoxTestmodeRed ? QColor(Qt::red) : QColor(0xA0, 0xA0, 0xA4), Qt::black);
    // Red with white writing stays readable where red on red would not.
    auto* results = qobject_cast<QGroupBox*>(control(QStringLiteral("GroupBox16")));
    setGroupColour(results, f.GroupBox16Red ? QColor(Qt::red) : QColor(0xC0, 0xC0, 0xC0),
                   f.GroupBox16Red ? QColor(Qt::white) : QColor(Qt::black));
    applying_ = false;
}

void TGDHKV::update(const std::function<void(HcaForm&)>& rule) {
    if (applying_)
        return;
    collect();
    if (rule)
        rule(form_);
    refreshDerived(form_);
    apply();
}

// ---------------------------------------------------------------------------------------------
// Handlers

void TGDHKV::connectHandlers() {
    auto onClick = [this](const char* n, std::function<void(HcaForm&)> rule) {
        connect(button(name(n)), &QAbstractButton::clicked, this, [this, rule] { update(rule); });
    };
    // A radio button is selected by a click; the rules clear its alternatives.
    auto onSelect = [this](const char* n, std::function<void(HcaForm&)> rule) {
        QAbstractButton* b = button(name(n));
        connect(b, &QAbstractButton::clicked, this, [this, b, rule] {
            b->setChecked(true);
            update(rule);
        });
    };

    connect(button(QStringLiteral("ButtonHoleDaten")), &QAbstractButton::clicked, this,
            &TGDHKV::ButtonHoleDatenClick);
    connect(button(QStringLiteral("Button1SendeDaten")), &QAbstractButton::clicked, this,
            &TGDHKV::Button1SendeDatenClick);
    connect(button(QStringLiteral("Button2VorEinst")), &QAbstractButton::clicked, this,
            &TGDHKV::Button2VorEinstClick);
    connect(button(QStringLiteral("Button1")), &QAbstractButton::clicked, this, &TGDHKV::Button1Click);
    for (const ServiceCommandInfo& c : serviceCommands()) {
        const ServiceCommand command = c.command;
        connect(button(name(c.buttonName)), &QAbstractButton::clicked, this,
                [this, command] { serviceCommand(command); });
    }

    // Identification numbers: digits only; the radio ID follows the device ID.
    for (const char* n : {"Edit1GeraeteID", "EditSerienNR", "EditFunkID"}) {
        QLineEdit* e = edit(name(n));
        connect(e, &QLineEdit::textEdited, this, [e] { filterEdit(e, filterIdInput); });
    }
    for (const char* n : {"Edit1GeraeteID", "EditSerienNR"}) {
        QLineEdit* e = edit(name(n));
        connect(e, &QLineEdit::textChanged, this, [this] { update(onIdTextChanged); });
        e->installEventFilter(this);
    }
    for (const char* n : {"EditK1", "EditK2", "EditKQ", "EditDeltaT", "Edit1Zaehlerst", "Edit1ZaehlerstVorj",
                          "Edit1Verbrauch", "Edit1VorVerbrauch", "EditLadung"}) {
        QLineEdit* e = edit(name(n));
        connect(e, &QLineEdit::textEdited, this, [e] { filterEdit(e, digitsAndComma); });
    }
    {
        QLineEdit* e = edit(QStringLiteral("EditLadungmax"));
        connect(e, &QLineEdit::textEdited, this, [e] { filterEdit(e, filterDigitInput); });
    }
    {
        QLineEdit* e = edit(QStringLiteral("EditAESKEY"));
        connect(e, &QLineEdit::textEdited, this, [e] { filterEdit(e, filterKeyInput); });
    }
    for (const char* n : {"EditLadung", "EditLadungmax"})
        connect(edit(name(n)), &QLineEdit::textChanged, this, [this] { update(nullptr); });
    connect(edit(QStringLiteral("Edit1BattJahr")), &QLineEdit::textChanged, this,
            [this] { update(onBattJahrChange); });
    for (const char* n : {"Edit1Zaehlerst", "Edit1ZaehlerstVorj"}) {
        connect(edit(name(n)), &QLineEdit::editingFinished, this, [this] {
            if (reportingMeterConflict_)
                return;
            collect();
            if (const auto conflict = meterReadingConflict(form_)) {
                reportingMeterConflict_ = true;
                host().userInteraction().message(*conflict, QStringLiteral("Fehler"),
                                                 UserInteraction::Icon::Error);
                reportingMeterConflict_ = false;
            }
        });
    }
    connect(qobject_cast<QComboBox*>(control(QStringLiteral("ComboBoxStartmonat"))), &QComboBox::activated,
            this, [this] { update(onStartmonatChange); });
    connect(qobject_cast<QDateEdit*>(control(QStringLiteral("sDateEdit1"))), &QDateEdit::dateChanged, this,
            &TGDHKV::sDateEdit1CloseUp);

    onClick("CheckBox1AutoSerNr", onAutoSerNrClick);
    onClick("CheckBox1keineSNrueberschr", onKeineSNClick);
    onClick("CheckBoxFunkUpdate", onKeineSNClick);
    for (const char* n : {"CheckBoxFunk", "CheckBoxAESenable", "CheckBoxAESM7", "CheckBoxKorrEdit"})
        onClick(n, nullptr);
    connect(button(QStringLiteral("CheckBoxAutoAES")), &QAbstractButton::clicked, this, [this] {
        update(nullptr);
        if (form_.CheckBoxAutoAES)
            DeriveDeviceKey();
    });
    onSelect("RadioButtonESkala", [](HcaForm& f) { onScaleSelected(f, true); });
    onSelect("RadioButtonPSkala", [](HcaForm& f) { onScaleSelected(f, false); });
    onSelect("RadioButtonSTMon", [](HcaForm& f) { f.RadioButtonSTJahr = false; });
    onSelect("RadioButtonSTJahr", [](HcaForm& f) { f.RadioButtonSTMon = false; });
    onClick("CheckBoxZweiFuehle", onSensorClick);
    onClick("CheckBoxFernf", onSensorClick);
    onClick("CheckBoxSonderAnz", onSonderAnzClick);
    onSelect("RadioButton1StartMenue", [](HcaForm& f) { onCommandSelected(f, Command::Working); });
    onSelect("RadioButton2Stromtest", [](HcaForm& f) { onCommandSelected(f, Command::CurrentTest); });
    onSelect("RadioButton3Lager", [](HcaForm& f) { onCommandSelected(f, Command::Storage); });
    onSelect("RadioButtonZeit", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Time); });
    onSelect("RadioButtonZaehler", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Meter); });
    onSelect("RadioButtonTemp", [](HcaForm& f) { onSpecialDisplaySelected(f, SpecialDisplay::Temps); });
    onSelect("RadioButtonTestMode", onTestModeSelected);
    for (int i = 0; i < 4; ++i)
        onClick(kFreeMonthBoxes[i], [i](HcaForm& f) { onFreeMonthClick(f, i); });
    onClick("CheckBoxMessfrei_Enabled", onMessfreiEnabledClick);
    onSelect("RadioButton_Funk_T1", [](HcaForm& f) { onProtocolSelected(f, true); });
    onSelect("RadioButton_Funk_S1", [](HcaForm& f) { onProtocolSelected(f, false); });
    onClick("CheckBoxShortProt", onShortProtClick);
    for (const char* n : kSendMonthBoxes)
        onClick(n, nullptr);
    for (const char* n : kSendWeekBoxes)
        onClick(n, nullptr);
    for (const char* n : kSendDayBoxes)
        onClick(n, nullptr);

    auto onSpin = [this](const char* n, void (*rule)(HcaForm&)) {
        auto* s = qobject_cast<QSpinBox*>(control(name(n)));
        connect(s, &QSpinBox::valueChanged, this, [this, rule] { update(rule); });
        s->installEventFilter(this);
    };
    onSpin("CSpinEditStart", onStartChange);
    onSpin("CSpinEditStop", onStopChange);
    onSpin("CSpinEditZZ", onCycleOrVarianceChange);
    onSpin("CSpinEditV", onCycleOrVarianceChange);
}

bool TGDHKV::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        const QString n = watched->objectName();
        if (n == QLatin1String("Edit1GeraeteID") || n == QLatin1String("EditSerienNR")) {
            collect();
            if (form_.CheckBoxAutoAES)
                DeriveDeviceKey();
        } else if (n == QLatin1String("CSpinEditZZ")) {
            update(onCycleKeyUp);
        } else if (n == QLatin1String("CSpinEditV")) {
            update(onVarianceKeyUp);
        }
    }
    return ToolWindow::eventFilter(watched, event);
}

void TGDHKV::FormCreate() {
    label(QStringLiteral("Label25"))->setText(QStringLiteral("165"));
    Button2VorEinstClick();
    ShowRecord();
}

void TGDHKV::ShowRecord() {
    collect();
    showRecord(host().currentParams().DataEHKV, form_);
    refreshDerived(form_);
    apply();
}

hca::KeyDerivation TGDHKV::keyDerivation() const {
    return [](const QString& idText) {
        const crypto::DeviceKey k = crypto::DeriveDeviceKey(idText.toStdString());
        DeviceKey key;
        std::copy(k.key.begin(), k.key.end(), key.begin());
        return key;
    };
}

bool TGDHKV::ReadForm() {
    return readFormWith(keyDerivation());
}

bool TGDHKV::readFormWith(const KeyDerivation& derive) {
    collect();
    const auto error = readForm(form_, host().currentParams().DataEHKV, derive);
    refreshDerived(form_);
    apply();
    if (error) {
        host().userInteraction().message(error->message, QStringLiteral("Fehler"),
                                         UserInteraction::Icon::Error);
        if (QWidget* w = control(error->control))
            w->setFocus();
        return false;
    }
    return true;
}

void TGDHKV::Button2VorEinstClick() {
    collect();
    applyPresets(form_);
    refreshDerived(form_);
    apply();
    FillDateTime();
    ReadForm();
    ShowRecord();
}

void TGDHKV::FillDateTime() {
    collect();
    fillDateTime(form_, host().clock().localNow(), host().settings().TimeZoneDiff);
    apply();
}

void TGDHKV::sDateEdit1CloseUp() {
    update(showWeekday);
}

void TGDHKV::DeriveDeviceKey() {
    collect();
    const auto id = parseIdText(form_.Edit1GeraeteID.trimmed());
    if (!id)
        return; // not a number yet: nothing to derive from
    Record bcd{};
    storeId(bcd, off::DeviceId, *id);
    const DeviceKey key = keyDerivation()(idText(bcd, off::DeviceId));
    storeKey(host().currentParams().DataEHKV.bytes, key);
    form_.EditAESKEY = keyText(key);
    refreshDerived(form_);
    apply();
}

// ---------------------------------------------------------------------------------------------
// Read, merge, write

void TGDHKV::startRead() {
    channel().beginRequest(kReadProgressMax, HcaDeviceChannel::Progress::Loading);
    frame_ = buildReadFrame();
    setWord(host().currentParams().DataEHKV.bytes, off::ModeWord, 0);
    channel().sendFrame(frame_);
}

void TGDHKV::ButtonHoleDatenClick() {
    startRead();
}

void TGDHKV::Button1SendeDatenClick() {
    sendPending_ = true;
    collect();
    if (form_.CheckBoxAutoTime)
        FillDateTime();
    if (!ReadForm()) {
        sendPending_ = false; // nothing the device could take: no write
        return;
    }
    pending_ = host().currentParams().DataEHKV.bytes;
    setWord(pending_, off::ModeWord, word(pending_, off::ModeWord) & ~md::TestMode);
    startRead();
}

void TGDHKV::MergeAfterRead() {
    collect();
    DataEHKVImage& image = host().currentParams().DataEHKV;
    image.bytes =
        mergeAfterRead(pending_, image.bytes, form_.CheckBox1keineSNrueberschr, form_.CheckBoxAutoAES);
    ShowRecord();
}

void TGDHKV::afterValidRead() {
    if (isVisible() && sendPending_)
        WriteRecord();
}

void TGDHKV::WriteRecord() {
    MergeAfterRead();
    // The device's own key was kept by the merge; deriving it anew would replace a key the device
    // may have been given by other means.
    const bool keepKey = form_.CheckBox1keineSNrueberschr && form_.CheckBoxAutoAES;
    if (!readFormWith(keepKey ? KeyDerivation() : keyDerivation())) {
        sendPending_ = false;
        return;
    }
    DataEHKVImage& image = host().currentParams().DataEHKV;
    applyStartRule(image.bytes);
    channel().beginRequest(1, HcaDeviceChannel::Progress::Sending);
    frame_ = buildWriteFrame(image.bytes);
    sendPending_ = false;
    channel().sendFrame(frame_);
}

void TGDHKV::OnWriteAck() {
    collect();
    if (form_.CheckBox1AutoSerNr) {
        if (const auto error = advanceDeviceId(form_)) {
            host().userInteraction().message(*error, QStringLiteral("Fehler"),
                                             UserInteraction::Icon::Warning);
        } else {
            apply();
            ReadForm();
        }
    }
    channel().acknowledged();
}

void TGDHKV::serviceCommand(ServiceCommand command) {
    clearRxLog();
    channel().beginRequest(1, HcaDeviceChannel::Progress::Hidden);
    frame_ = buildServiceFrame(command);
    sendPending_ = false; // a waiting write is abandoned
    if (command == ServiceCommand::SensorTest)
        sensorTest_ = true;
    channel().sendFrame(frame_);
}

void TGDHKV::BerechneAnzSendungen() {
    update(nullptr);
}

void TGDHKV::Button1Click() {
    if (orderCheck_)
        orderCheck_(*this);
}

void TGDHKV::setOrderCheck(std::function<void(TGDHKV&)> open) {
    orderCheck_ = std::move(open);
    button(QStringLiteral("Button1"))->setEnabled(bool(orderCheck_));
}

// ---------------------------------------------------------------------------------------------
// Logs and sensor timers

void TGDHKV::clearLinkLogs() {
    Memo1->clear();
    Memo2->clear();
}

void TGDHKV::appendTxLog(const QString& hexText) {
    Memo2->moveCursor(QTextCursor::End);
    Memo2->insertPlainText(hexText);
}

void TGDHKV::appendRxLog(const QString& hexText) {
    Memo1->moveCursor(QTextCursor::End);
    Memo1->insertPlainText(hexText);
}

QString TGDHKV::rxLogText() const {
    return Memo1->toPlainText();
}
int TGDHKV::rxLogLineCount() const {
    return Memo1->document()->blockCount();
}
void TGDHKV::clearRxLog() {
    Memo1->clear();
}

void TGDHKV::showSensorTimers(int referenceTimer, int sensor1Timer, int sensor2Timer) {
    label(QStringLiteral("LabelRefTimer"))->setText(QString::number(referenceTimer));
    label(QStringLiteral("LabelSensor1Timer"))->setText(QString::number(sensor1Timer));
    label(QStringLiteral("LabelSensor2Timer"))->setText(QString::number(sensor2Timer));
}

// ---------------------------------------------------------------------------------------------

void TGDHKV::closeEvent(QCloseEvent* event) {
    FormClose();
    ToolWindow::closeEvent(event);
}

void TGDHKV::FormClose() {
    if (!channel().endConnection())
        host().userInteraction().message(QString::fromUtf8("Fehler beim Trennen der Schnittstelle!"),
                                         QStringLiteral("Fehler"), UserInteraction::Icon::Error);
}

ToolWindow* createHkvDataWindow(ToolHost& host, QWidget* parent) {
    return new TGDHKV(host, parent);
}

} // namespace kvq
