#include "core/devices/order/OrderComparison.h"

namespace kvq::order {

namespace {

std::vector<CopyRow> monthWeekDayRows() {
    static const char* const months[] = {"CheckBoxJan", "CheckBoxFeb", "CheckBoxMrz", "CheckBoxApr",
                                         "CheckBoxMai", "CheckBoxJun", "CheckBoxJul", "CheckBoxAug",
                                         "CheckBoxSe",  "CheckBoxOkt", "CheckBoxNov", "CheckBoxDe"};
    static const char* const weeks[] = {"CheckBoxW1", "CheckBoxW2", "CheckBoxW3", "CheckBoxW4", "CheckBoxW5"};
    static const char* const days[] = {"CheckBoxMontag",     "CheckBoxDienstag", "CheckBoxMittwoch",
                                       "CheckBoxDonnerstag", "CheckBoxFreitag",  "CheckBoxSonnabend",
                                       "CheckBoxSonntag"};
    std::vector<CopyRow> rows;
    for (const char* n : months)
        rows.push_back({n, n, CopyRule::Same});
    for (const char* n : weeks)
        rows.push_back({n, n, CopyRule::Same});
    for (const char* n : days)
        rows.push_back({n, n, CopyRule::Same});
    return rows;
}

} // namespace

const std::vector<CopyRow>& commonCopyRows() {
    static const std::vector<CopyRow> rows = [] {
        std::vector<CopyRow> r{{"CheckBoxMonatl", "RadioButtonSTMon", CopyRule::Same},
                               {"CheckBoxJaehrl", "CheckBoxMonatl", CopyRule::Opposite}};
        for (const CopyRow& row : monthWeekDayRows())
            r.push_back(row);
        r.insert(r.end(),
                 {
                     {"CheckBoxAESenable", "CheckBoxAESenable", CopyRule::Same},
                     {"RadioButton_Funk_S1", "RadioButton_Funk_S1", CopyRule::Same},
                     {"RadioButton_Funk_T1k", "RadioButton_Funk_T1", CopyRule::Both, "CheckBoxShortProt"},
                     {"RadioButton_Funk_T1l", "RadioButton_Funk_T1", CopyRule::FirstNotSecond,
                      "CheckBoxShortProt"},
                     {"LabelMMcode", "EditManCode", CopyRule::Text},
                     {"LabelStart", "CSpinEditStart", CopyRule::HourSuffix},
                     {"LabelStop", "CSpinEditStop", CopyRule::HourSuffix},
                     {"LabelZZ", "CSpinEditZZ", CopyRule::SecondSuffix},
                     {"LabelVar", "CSpinEditV", CopyRule::SecondSuffix},
                     {"LabelAESkey", "EditAESKEY", CopyRule::Text},
                     {"LabelStichmon", "ComboBoxStichTag", CopyRule::Text},
                 });
        return r;
    }();
    return rows;
}

const std::vector<CopyRow>& allocatorCopyRows() {
    static const std::vector<CopyRow> rows{
        {"CheckBox2F", "CheckBoxZweiFuehle", CopyRule::Same},
        {"CheckBox1F", "CheckBox2F", CopyRule::Opposite},
        {"CheckBoxFFja", "CheckBoxFernf", CopyRule::Same},
        {"CheckBoxFFnein", "CheckBoxFFja", CopyRule::Opposite},
        {"CheckBoxMFmai", "CheckBoxMFmai", CopyRule::Both, "CheckBoxMessfrei_Enabled"},
        {"CheckBoxMFjuni", "CheckBoxMFjuni", CopyRule::Both, "CheckBoxMessfrei_Enabled"},
        {"CheckBoxMFjuli", "CheckBoxMFjuli", CopyRule::Both, "CheckBoxMessfrei_Enabled"},
        {"CheckBoxMFaugust", "CheckBoxMFaug", CopyRule::Both, "CheckBoxMessfrei_Enabled"},
        {"CheckBoxFUNKja", "CheckBoxFunk", CopyRule::Same},
        {"CheckBoxFUNKnein", "CheckBoxFUNKja", CopyRule::Opposite},
        {"LabelStartmon", "ComboBoxStartmonat", CopyRule::Text},
    };
    return rows;
}

QString timeZoneOffsetText(const QTime& deviceClock, const QTime& utcNow) {
    const int d = deviceClock.hour() - utcNow.hour();
    return d > 0 ? QStringLiteral("+%1").arg(d) : QString::number(d);
}

std::vector<PlausibilityRow> plausibilityTests(const PlausibilityInput& in) {
    const QString ok = QStringLiteral("OK"), fail = QStringLiteral("FEHLER");
    bool coefficients = false;
    if (in.twoSensors && !in.remoteSensor)
        coefficients = in.k1 == u"1538" && in.k2 == u"2500" && in.kq == u"1000";
    else if (in.twoSensors && in.remoteSensor)
        coefficients = in.k1 == u"1538" && in.k2 == u"1538" && in.kq == u"1000";
    else if (!in.twoSensors && !in.remoteSensor)
        coefficients = in.k1 == u"1000" && in.k2 == u"1538" && in.kq == u"1000";
    const bool deltaT = in.deltaT == (in.remoteSensor ? u"70" : u"30");
    return {
        {in.eScale ? ok : fail, QStringLiteral("Test auf E-Skala")},
        {coefficients && deltaT ? ok : fail, QStringLiteral("Test K1,K2,Kq,dT plausiebel sind")},
        {in.anyErrorBox ? fail : ok, QStringLiteral("Test ob keine Fehler Flags gesetzt sind")},
    };
}

const std::vector<const char*>& errorBoxNames() {
    static const std::vector<const char*> names{"CheckBox1CSfehler", "CheckBox1MessFehler",
                                                "CheckBox1Sabotage", "CheckBox1LowBatt",
                                                "CheckBoxHFError",   "CheckBoxRESET"};
    return names;
}

} // namespace kvq::order
