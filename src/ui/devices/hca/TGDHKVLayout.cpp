// The controls of the device-data window and their layout: four columns of groups above a strip
// with the device buttons, the service commands, the sensor test and the logs.

#include "core/devices/hca/HcaFrames.h"
#include "core/devices/hca/HcaSchedule.h"
#include "ui/devices/hca/TGDHKV.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QTimeEdit>
#include <QVBoxLayout>

namespace kvq {

using namespace hca;

namespace {

constexpr int kSpacing = 3;

QString u8(const char* s) {
    return QString::fromUtf8(s);
}

template <typename L> L* tight(L* layout) {
    layout->setSpacing(kSpacing);
    layout->setContentsMargins(4, 2, 4, 2);
    return layout;
}

struct BoxCaption {
    const char* caption;
    const char* accessible; // spoken name where the caption is an abbreviation
};

const BoxCaption kSendMonthCaptions[12] = {{"Jan", "Januar"},  {"Feb", "Februar"},  {"Mär", "März"},
                                           {"Apr", "April"},   {"Mai", "Mai"},      {"Jun", "Juni"},
                                           {"Jul", "Juli"},    {"Aug", "August"},   {"Sep", "September"},
                                           {"Okt", "Oktober"}, {"Nov", "November"}, {"Dez", "Dezember"}};
const BoxCaption kWeekCaptions[5] = {
    {"W1", "Woche 1"}, {"W2", "Woche 2"}, {"W3", "Woche 3"}, {"W4", "Woche 4"}, {"W5", "Woche 5"}};
const BoxCaption kDayCaptions[7] = {{"Mo", "Montag"},     {"Di", "Dienstag"}, {"Mi", "Mittwoch"},
                                    {"Do", "Donnerstag"}, {"Fr", "Freitag"},  {"Sa", "Sonnabend"},
                                    {"So", "Sonntag"}};
const BoxCaption kFreeMonthCaptions[4] = {
    {"Mai", "Mai"}, {"Juni", "Juni"}, {"Juli", "Juli"}, {"August", "August"}};

} // namespace

void TGDHKV::buildControls() {
    auto group = [](const char* name, const char* title) {
        auto* g = new QGroupBox(u8(title));
        g->setObjectName(QString::fromLatin1(name));
        return g;
    };
    auto lineEdit = [](const QString& name, int width) {
        auto* e = new QLineEdit;
        e->setObjectName(name);
        if (width > 0)
            e->setFixedWidth(width);
        return e;
    };
    auto check = [](const QString& name, const QString& caption, const QString& accessible = QString()) {
        auto* c = new QCheckBox(caption);
        c->setObjectName(name);
        if (!accessible.isEmpty())
            c->setAccessibleName(accessible);
        return c;
    };
    // The window keeps its radio buttons consistent itself: several of them share a group box
    // without being alternatives.
    auto radio = [](const char* name, const char* caption) {
        auto* r = new QRadioButton(u8(caption));
        r->setObjectName(QString::fromLatin1(name));
        r->setAutoExclusive(false);
        return r;
    };
    auto valueLabel = [](const char* name, const QString& text = QString()) {
        auto* l = new QLabel(text);
        l->setObjectName(QString::fromLatin1(name));
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        return l;
    };
    // A caption with its control as buddy, so the control is found and named by its caption.
    auto captioned = [](QGridLayout* grid, int row, int col, const char* caption, QWidget* w, int span = 1) {
        auto* l = new QLabel(u8(caption));
        l->setBuddy(w);
        w->setAccessibleName(u8(caption).remove(u'&').remove(u':').trimmed());
        grid->addWidget(l, row, col);
        grid->addWidget(w, row, col + 1, 1, span);
    };
    auto spin = [](const char* name, int min, int max) {
        auto* s = new QSpinBox;
        s->setObjectName(QString::fromLatin1(name));
        s->setRange(min, max);
        s->setFixedWidth(64);
        return s;
    };
    auto pushButton = [](const char* name, const char* caption) {
        auto* b = new QPushButton(u8(caption));
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };

    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("TGDHKVContent"));
    auto* outer = new QVBoxLayout(content);
    outer->setSpacing(kSpacing);
    outer->setContentsMargins(2, 2, 2, 2);
    auto* columns = new QHBoxLayout;
    columns->setSpacing(4);
    outer->addLayout(columns);
    QVBoxLayout* col[4];
    for (auto& c : col) {
        c = new QVBoxLayout;
        c->setSpacing(4);
        columns->addLayout(c);
    }

    // --- column 1: identity, clock, reading date, scale and coefficients ---
    {
        QGroupBox* g = group("GroupBoxGeraet", "Gerät");
        auto* grid = tight(new QGridLayout(g));
        captioned(grid, 0, 0, "Geräte ID:", lineEdit(QStringLiteral("Edit1GeraeteID"), 90), 3);
        captioned(grid, 1, 0, "Funk ID:", lineEdit(QStringLiteral("EditFunkID"), 90), 3);
        captioned(grid, 2, 0, "Serien Nr.:", lineEdit(QStringLiteral("EditSerienNR"), 90), 3);
        captioned(grid, 3, 0, "Batterie bis Monat:", lineEdit(QStringLiteral("Edit1BattMon"), 34));
        captioned(grid, 3, 2, "Jahr:", lineEdit(QStringLiteral("Edit1BattJahr"), 46));
        g->findChild<QLineEdit*>(QStringLiteral("Edit1GeraeteID"))->setMaxLength(8);
        g->findChild<QLineEdit*>(QStringLiteral("EditSerienNR"))->setMaxLength(8);
        g->findChild<QLineEdit*>(QStringLiteral("EditFunkID"))->setMaxLength(8);
        grid->addWidget(check(QStringLiteral("CheckBox1keineSNrueberschr"),
                              u8("keine Geräte ID && Batt.lebenszeit überschreiben")),
                        4, 0, 1, 4);
        grid->addWidget(check(QStringLiteral("CheckBox1AutoSerNr"), u8("autom. Geräte ID Erhöhung")), 5, 0, 1,
                        4);
        grid->setColumnStretch(3, 1);
        col[0]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxUhr", "Geräteuhr");
        auto* grid = tight(new QGridLayout(g));
        auto* time = new QTimeEdit;
        time->setObjectName(QStringLiteral("sTimePicker1"));
        time->setDisplayFormat(QStringLiteral("HH:mm:ss"));
        auto* date = new QDateEdit;
        date->setObjectName(QStringLiteral("sDateEdit1"));
        date->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
        date->setDateRange(QDate(2000, 1, 1), QDate(2099, 12, 31));
        date->setCalendarPopup(true);
        captioned(grid, 0, 0, "Uhrzeit:", time);
        captioned(grid, 0, 2, "Datum:", date);
        auto* days = new QHBoxLayout;
        days->setSpacing(2);
        for (int i = 0; i < 7; ++i) {
            QCheckBox* c = check(QString::fromLatin1(kWeekdayShownBoxes[i]), u8(kDayCaptions[i].caption),
                                 u8(kDayCaptions[i].accessible));
            // Shows the weekday of the device date; set by the date, never by a click.
            c->setAttribute(Qt::WA_TransparentForMouseEvents);
            c->setFocusPolicy(Qt::NoFocus);
            days->addWidget(c);
        }
        days->addStretch();
        grid->addLayout(days, 1, 0, 1, 4);
        grid->addWidget(check(QStringLiteral("CheckBoxAutoTime"), u8("PC-Zeit beim Senden übernehmen")), 2, 0,
                        1, 4);
        col[0]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxStichtag", "Start und Stichtag");
        auto* grid = tight(new QGridLayout(g));
        auto* start = new QComboBox;
        start->setObjectName(QStringLiteral("ComboBoxStartmonat"));
        start->addItem(QString()); // empty: start at once, after mounting
        for (int m = 1; m <= 12; ++m)
            start->addItem(QString::number(m));
        auto* stich = new QComboBox;
        stich->setObjectName(QStringLiteral("ComboBoxStichTag"));
        for (int m = 1; m <= 12; ++m)
            stich->addItem(QString::number(m));
        captioned(grid, 0, 0, "Startmonat:", start);
        captioned(grid, 1, 0, "Stichtagsmonat:", stich);
        auto* rhythm = new QHBoxLayout;
        rhythm->addWidget(radio("RadioButtonSTMon", "monatlich"));
        rhythm->addWidget(radio("RadioButtonSTJahr", "jährlich"));
        rhythm->addStretch();
        grid->addWidget(new QLabel(u8("Stichtagswert:")), 2, 0);
        grid->addLayout(rhythm, 2, 1, 1, 3);
        grid->addWidget(new QLabel(u8("Stichdatum:")), 3, 0);
        grid->addWidget(valueLabel("LabelStichdatum"), 3, 1, 1, 3);
        grid->setColumnStretch(3, 1);
        col[0]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxSkala", "Skala und Fühler");
        auto* grid = tight(new QGridLayout(g));
        auto* scale = new QHBoxLayout;
        scale->addWidget(radio("RadioButtonESkala", "E-Skala"));
        scale->addWidget(radio("RadioButtonPSkala", "P-Skala"));
        scale->addStretch();
        grid->addLayout(scale, 0, 0, 1, 6);
        auto* k = new QGridLayout;
        k->setSpacing(kSpacing);
        captioned(k, 0, 0, "K1:", lineEdit(QStringLiteral("EditK1"), 50));
        captioned(k, 0, 2, "K2:", lineEdit(QStringLiteral("EditK2"), 50));
        captioned(k, 0, 4, "KQ:", lineEdit(QStringLiteral("EditKQ"), 50));
        k->setColumnStretch(6, 1);
        grid->addLayout(k, 1, 0, 1, 6);
        captioned(grid, 2, 0, "DeltaT [1/10 K]:", lineEdit(QStringLiteral("EditDeltaT"), 50), 5);
        captioned(grid, 3, 0, "Korrekturwert [1/100 K]:", lineEdit(QStringLiteral("Edit1TempOffset"), 50), 5);
        grid->addWidget(check(QStringLiteral("CheckBoxKorrEdit"), u8("Korrekturwert Editieren")), 4, 0, 1, 6);
        auto* sensors = new QHBoxLayout;
        sensors->addWidget(check(QStringLiteral("CheckBoxZweiFuehle"), u8("2-Fühler")));
        sensors->addWidget(check(QStringLiteral("CheckBoxFernf"), u8("Fernfühler")));
        sensors->addStretch();
        grid->addLayout(sensors, 5, 0, 1, 6);
        grid->setColumnStretch(5, 1);
        col[0]->addWidget(g);
    }
    col[0]->addStretch();

    // --- column 2: values and the month table ---
    {
        QGroupBox* g = group("GroupBoxWerte", "Verbrauchswerte und Temperaturen");
        auto* grid = tight(new QGridLayout(g));
        int row = 0;
        captioned(grid, row++, 0, "Zählerstand:", lineEdit(QStringLiteral("Edit1Zaehlerst"), 90));
        captioned(grid, row++, 0,
                  "Zählerstand Stichtag:", lineEdit(QStringLiteral("Edit1ZaehlerstVorj"), 90));
        captioned(grid, row++, 0, "Verbrauch Stichtag:", lineEdit(QStringLiteral("Edit1Verbrauch"), 60));
        captioned(grid, row++, 0,
                  "Verbrauch Vorstichtag:", lineEdit(QStringLiteral("Edit1VorVerbrauch"), 60));
        captioned(grid, row++, 0, "Prüfziffer Verbrauch:", lineEdit(QStringLiteral("EditPZVerbrauch"), 40));
        captioned(grid, row++, 0, "Heizkörper °C:", lineEdit(QStringLiteral("Edit1Temp"), 60));
        captioned(grid, row++, 0, "Raum °C:", lineEdit(QStringLiteral("Edit1TempRaum"), 60));
        captioned(grid, row++, 0, "max. Heizkörper °C:", lineEdit(QStringLiteral("EditTempMax"), 40));
        grid->addWidget(valueLabel("LabelFehlerdatum", QStringLiteral("Fehlerdatum:")), row++, 0, 1, 2);
        grid->setColumnStretch(2, 1);
        grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding), 0, 2);
        col[1]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxMonatswerte", "Monatswerte");
        auto* grid = tight(new QGridLayout(g));
        grid->setVerticalSpacing(2);
        constexpr int kRowsPerColumn = 9;
        for (int half = 0; half < 2; ++half) {
            const int c0 = half * 5;
            grid->addWidget(new QLabel(u8("Nr.")), 0, c0);
            grid->addWidget(new QLabel(u8("Wert")), 0, c0 + 1);
            grid->addWidget(new QLabel(u8("Mon.")), 0, c0 + 2);
            grid->addWidget(new QLabel(u8("Jahr")), 0, c0 + 3);
        }
        for (int i = 0; i < off::MonthEntries; ++i) {
            const int half = i / kRowsPerColumn;
            const int row = 1 + i % kRowsPerColumn;
            const int c0 = half * 5;
            auto* nr = new QLabel(QString::number(i + 1));
            struct {
                QLineEdit *value, *month, *year;
            } e{lineEdit(monthValueEditName(i), 46), lineEdit(monthMonthEditName(i), 26),
                lineEdit(monthYearEditName(i), 26)};
            nr->setBuddy(e.value);
            e.value->setAccessibleName(QStringLiteral("Monatswert %1").arg(i + 1));
            e.month->setAccessibleName(QStringLiteral("Monat %1").arg(i + 1));
            e.year->setAccessibleName(QStringLiteral("Jahr %1").arg(i + 1));
            grid->addWidget(nr, row, c0);
            grid->addWidget(e.value, row, c0 + 1);
            grid->addWidget(e.month, row, c0 + 2);
            grid->addWidget(e.year, row, c0 + 3);
        }
        grid->setColumnMinimumWidth(4, 10);
        grid->setColumnStretch(9, 1);
        col[1]->addWidget(g);
    }
    col[1]->addStretch();

    // --- column 3: status word, mode word, test mode ---
    {
        QGroupBox* g = group("GroupBoxStatus", "Status");
        auto* grid = tight(new QGridLayout(g));
        grid->addWidget(check(QStringLiteral("CheckBoxMon"), u8("Sendemonat")), 0, 0);
        grid->addWidget(check(QStringLiteral("CheckBoxTag"), u8("Sendetag")), 0, 1);
        grid->addWidget(check(QStringLiteral("CheckBoxWo"), u8("Sendewoche")), 0, 2);
        grid->addWidget(check(QStringLiteral("CheckBoxStd"), u8("Sendestunde")), 1, 0);
        grid->addWidget(check(QStringLiteral("CheckBoxFenster"), u8("Fenster offen")), 1, 1, 1, 2);
        grid->addWidget(check(QStringLiteral("CheckBox1MessFehler"), u8("Messfehler")), 2, 0);
        grid->addWidget(check(QStringLiteral("CheckBox1Sabotage"), u8("Sabotage")), 2, 1);
        grid->addWidget(check(QStringLiteral("CheckBox1LowBatt"), u8("Batt. leer")), 2, 2);
        grid->addWidget(check(QStringLiteral("CheckBox1CSfehler"), u8("CS-Fehler")), 3, 0);
        grid->addWidget(check(QStringLiteral("CheckBoxHFError"), u8("HF-Fehler")), 3, 1);
        grid->addWidget(check(QStringLiteral("CheckBoxRESET"), u8("Reset")), 3, 2);
        grid->addWidget(check(QStringLiteral("CheckBoxFunkUpdate"), u8("mit Update Funkfenster")), 4, 0, 1,
                        3);
        col[2]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxModus", "Modus");
        auto* v = tight(new QVBoxLayout(g));
        v->addWidget(check(QStringLiteral("CheckBoxMessfrei_Enabled"), u8("messfreie Monate:")));
        auto* free = new QHBoxLayout;
        free->setSpacing(4);
        for (int i = 0; i < 4; ++i)
            free->addWidget(check(QString::fromLatin1(kFreeMonthBoxes[i]), u8(kFreeMonthCaptions[i].caption),
                                  QStringLiteral("messfrei ") + u8(kFreeMonthCaptions[i].accessible)));
        free->addStretch();
        v->addLayout(free);
        auto* grid = new QGridLayout;
        grid->setSpacing(kSpacing);
        grid->addWidget(check(QStringLiteral("CheckBoxAESenable"), u8("AES Verschlüsselung")), 0, 0);
        grid->addWidget(check(QStringLiteral("CheckBoxAESM7"), u8("AES Mode 7")), 0, 1);
        grid->addWidget(check(QStringLiteral("CheckBox4StartMessung"), u8("Start Messung")), 1, 0);
        grid->addWidget(check(QStringLiteral("CheckBox5Speed"), u8("Test Uhr min=sec")), 1, 1);
        grid->addWidget(check(QStringLiteral("CheckBox1LCD_ON"), u8("LCD immer an")), 2, 0);
        grid->addWidget(check(QStringLiteral("CheckBoxSonderAnz"), u8("Sonderanzeigen")), 2, 1);
        v->addLayout(grid);
        v->addWidget(new QLabel(u8("Sonderanzeige:")));
        auto* show = new QHBoxLayout;
        show->addWidget(radio("RadioButtonZeit", "Zeit"));
        show->addWidget(radio("RadioButtonZaehler", "Zählerstand"));
        show->addWidget(radio("RadioButtonTemp", "Temperaturen"));
        show->addStretch();
        v->addLayout(show);
        v->addWidget(new QLabel(u8("Befehl an das Gerät:")));
        auto* cmd = new QHBoxLayout;
        cmd->addWidget(radio("RadioButton1StartMenue", "Arbeitsmodus"));
        cmd->addWidget(radio("RadioButton2Stromtest", "Strommessung"));
        cmd->addWidget(radio("RadioButton3Lager", "Lager"));
        cmd->addStretch();
        v->addLayout(cmd);
        col[2]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxTestmode", "Testmode");
        g->setAutoFillBackground(true);
        auto* grid = tight(new QGridLayout(g));
        grid->addWidget(radio("RadioButtonTestMode", "Test-Mode"), 0, 0);
        grid->addWidget(check(QStringLiteral("CheckBoxEinmessMode"), u8("Sensorabgleich")), 0, 1);
        grid->addWidget(check(QStringLiteral("CheckBoxFunkTraegerON"), u8("Funk Träger AN")), 1, 1);
        col[2]->addWidget(g);
    }
    col[2]->addStretch();

    // --- column 4: radio ---
    {
        col[3]->addWidget(check(QStringLiteral("CheckBoxFunk"), u8("Funk")));
        QGroupBox* g = group("GroupBoxFunk", "Sendemaske");
        auto* v = tight(new QVBoxLayout(g));
        auto* months = new QGridLayout;
        months->setSpacing(2);
        for (int i = 0; i < 12; ++i)
            months->addWidget(check(QString::fromLatin1(kSendMonthBoxes[i]),
                                    u8(kSendMonthCaptions[i].caption), u8(kSendMonthCaptions[i].accessible)),
                              i / 6, i % 6);
        v->addLayout(months);
        auto* weeks = new QHBoxLayout;
        weeks->setSpacing(2);
        for (int i = 0; i < 5; ++i)
            weeks->addWidget(check(QString::fromLatin1(kSendWeekBoxes[i]), u8(kWeekCaptions[i].caption),
                                   u8(kWeekCaptions[i].accessible)));
        weeks->addStretch();
        v->addLayout(weeks);
        auto* days = new QHBoxLayout;
        days->setSpacing(0);
        for (int i = 0; i < 7; ++i)
            days->addWidget(check(QString::fromLatin1(kSendDayBoxes[i]), u8(kDayCaptions[i].caption),
                                  u8(kDayCaptions[i].accessible)));
        days->addStretch();
        v->addLayout(days);
        auto* grid = new QGridLayout;
        grid->setSpacing(kSpacing);
        captioned(grid, 0, 0, "Start [h]:", spin("CSpinEditStart", kStartMin, kStartMax));
        captioned(grid, 0, 2, "Stop [h]:", spin("CSpinEditStop", kStopMin, kStopMax));
        captioned(grid, 1, 0, "Zykluszeit [s]:", spin("CSpinEditZZ", kCycleMin, kCycleMax));
        captioned(grid, 2, 0, "Variance [s]:", spin("CSpinEditV", kVarianceMin, kVarianceMax));
        grid->setColumnStretch(4, 1);
        v->addLayout(grid);
        auto* proto = new QHBoxLayout;
        proto->addWidget(radio("RadioButton_Funk_S1", "WMBUS S1"));
        proto->addWidget(radio("RadioButton_Funk_T1", "WMBUS T1"));
        proto->addWidget(check(QStringLiteral("CheckBoxShortProt"), u8("kurzes Tel.")));
        proto->addStretch();
        v->addLayout(proto);
        col[3]->addWidget(g);
    }
    {
        // Identity of the radio telegram: part of the record whether or not the radio is fitted.
        QGroupBox* g = group("GroupBoxKennung", "Funktelegramm");
        auto* v = tight(new QVBoxLayout(g));
        auto* ids = new QGridLayout;
        ids->setSpacing(kSpacing);
        captioned(ids, 0, 0, "Herst.-Kennung:", lineEdit(QStringLiteral("EditManCode"), 40));
        ids->addWidget(new QLabel(u8("Zyklus Nr.:")), 0, 2);
        ids->addWidget(valueLabel("LabelZyklusNr", QStringLiteral("0")), 0, 3);
        ids->setColumnStretch(4, 1);
        v->addLayout(ids);
        auto* key = new QGridLayout;
        key->setSpacing(kSpacing);
        QLineEdit* keyEdit = lineEdit(QStringLiteral("EditAESKEY"), 0);
        keyEdit->setMinimumWidth(keyEdit->fontMetrics().horizontalAdvance(QStringLiteral("00 ").repeated(15) +
                                                                          QStringLiteral("00")) +
                                 10);
        auto* keyLabel = new QLabel(u8("AES KEY:"));
        keyLabel->setBuddy(keyEdit);
        keyEdit->setAccessibleName(QStringLiteral("AES KEY"));
        key->addWidget(keyLabel, 0, 0);
        key->addWidget(check(QStringLiteral("CheckBoxAutoAES"), u8("AES dynam.")), 0, 1, Qt::AlignRight);
        key->addWidget(keyEdit, 1, 0, 1, 2);
        v->addLayout(key);
        col[3]->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBox16", "berechnete Häufigkeiten");
        g->setAutoFillBackground(true);
        auto* grid = tight(new QGridLayout(g));
        const char* names[4] = {"LabelAnzTage", "LabelAnzSendungen", "LabelmAh1", "LabelmAh11"};
        const char* captions[4] = {
            "Sendetage/Jahr:", "Telegramme/Jahr:", "mAh in 1 Jahr:", "mAh in 11 Jahren:"};
        for (int i = 0; i < 4; ++i) {
            auto* caption = new QLabel(u8(captions[i]));
            QLabel* value = valueLabel(names[i]);
            value->setMinimumWidth(60);
            value->setAccessibleName(u8(captions[i]).remove(u':'));
            grid->addWidget(caption, i, 0);
            grid->addWidget(value, i, 1);
        }
        captioned(grid, 4, 0, "Ladungsmenge pro Telegramm  in mAs",
                  lineEdit(QStringLiteral("EditLadung"), 60));
        captioned(grid, 5, 0, "max. Kapazität in mAh", lineEdit(QStringLiteral("EditLadungmax"), 60));
        grid->setColumnStretch(2, 1);
        col[3]->addWidget(g);
    }
    col[3]->addStretch();

    // --- bottom strip: device buttons, service commands, logs ---
    auto* strip = new QHBoxLayout;
    strip->setSpacing(6);
    outer->addLayout(strip);
    {
        QGroupBox* g = group("GroupBoxDaten", "Gerätedaten");
        auto* grid = tight(new QGridLayout(g));
        grid->addWidget(pushButton("ButtonHoleDaten", ">>Hole Daten"), 0, 0);
        grid->addWidget(pushButton("Button1SendeDaten", "<<Sende Daten"), 0, 1);
        grid->addWidget(pushButton("Button2VorEinst", "Voreinst."), 1, 0);
        grid->addWidget(pushButton("Button1", "Bestell Check"), 1, 1);
        strip->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBox10", "Servicebefehle");
        auto* grid = tight(new QGridLayout(g));
        int n = 0;
        for (const ServiceCommandInfo& c : serviceCommands()) {
            if (c.command == ServiceCommand::SensorTest)
                continue; // sits with its timer display
            QPushButton* b = pushButton(c.buttonName, c.caption);
            b->setToolTip(u8(c.hint));
            grid->addWidget(b, n / 3, n % 3);
            ++n;
        }
        strip->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBox8", "Sensortest");
        auto* grid = tight(new QGridLayout(g));
        const ServiceCommandInfo& test = serviceCommandInfo(ServiceCommand::SensorTest);
        QPushButton* b = pushButton(test.buttonName, test.caption);
        b->setToolTip(u8(test.hint));
        grid->addWidget(b, 0, 0, 1, 2);
        const char* names[3] = {"LabelRefTimer", "LabelSensor1Timer", "LabelSensor2Timer"};
        const char* captions[3] = {"Referenz:", "Sensor 1:", "Sensor 2:"};
        for (int i = 0; i < 3; ++i) {
            auto* caption = new QLabel(u8(captions[i]));
            QLabel* value = valueLabel(names[i], QStringLiteral("0"));
            value->setMinimumWidth(44);
            value->setAccessibleName(u8(captions[i]).remove(u':'));
            grid->addWidget(caption, 1 + i / 2, 2 * (i % 2));
            grid->addWidget(value, 1 + i / 2, 1 + 2 * (i % 2));
        }
        grid->setColumnStretch(4, 1);
        strip->addWidget(g);
    }
    {
        QGroupBox* g = group("GroupBoxLog", "Protokoll");
        auto* grid = tight(new QGridLayout(g));
        auto makeLog = [](const char* name, const char* caption) {
            auto* m = new QPlainTextEdit;
            m->setObjectName(QString::fromLatin1(name));
            m->setReadOnly(true);
            m->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
            m->setFixedHeight(m->fontMetrics().lineSpacing() * 2 + 10);
            m->setAccessibleName(u8(caption).remove(u':'));
            return m;
        };
        QPlainTextEdit* Memo1 = makeLog("Memo1", "Empfangen:");
        QPlainTextEdit* Memo2 = makeLog("Memo2", "Gesendet:");
        attachLogs(Memo1, Memo2);
        auto* rx = new QLabel(u8("Empfangen:"));
        rx->setBuddy(Memo1);
        auto* tx = new QLabel(u8("Gesendet:"));
        tx->setBuddy(Memo2);
        grid->addWidget(tx, 0, 0);
        grid->addWidget(Memo2, 0, 1);
        grid->addWidget(rx, 1, 0);
        grid->addWidget(Memo1, 1, 1);
        strip->addWidget(g, 1);
    }

    auto* hidden = new QLabel(this);
    hidden->setObjectName(QStringLiteral("Label25"));
    hidden->hide();

    auto* scroll = new QScrollArea;
    scroll->setObjectName(QStringLiteral("TGDHKVScroll"));
    scroll->setWidget(content);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(0, 0, 0, 0);
    top->addWidget(scroll);
}

} // namespace kvq
