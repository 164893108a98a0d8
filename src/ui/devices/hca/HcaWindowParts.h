#pragma once
// The controls and handlers that every device window on the allocator's record layout has alike:
// identity, clock, AES key, commands, test mode, the radio group and the schedule results. A window
// binds its own table beside them and wires only the controls it has besides these.

#include "core/devices/hca/HcaForm.h"
#include "ui/devices/common/FormBinder.h"

#include <functional>

class QWidget;

namespace kvq {

// The error date and the schedule's results, which every allocator window shows.
template <class Form> void bindHcaScheduleLabels(FormBinder<Form>& b, const QWidget& w) {
    using fields::member;
    using hca::HcaForm;
    const std::pair<const char*, QString HcaForm::*> labels[] = {
        {"LabelFehlerdatum", &HcaForm::LabelFehlerdatum},
        {"LabelZyklusNr", &HcaForm::LabelZyklusNr},
        {"LabelAnzTage", &HcaForm::LabelAnzTage},
        {"LabelAnzSendungen", &HcaForm::LabelAnzSendungen},
        {"LabelmAh1", &HcaForm::LabelmAh1},
        {"LabelmAh11", &HcaForm::LabelmAh11}};
    for (const auto& [n, m] : labels)
        b.bindLabel(w, QString::fromLatin1(n), member(m));
}

// Binds the members no table row holds.
template <class Form> void bindHcaWindowControls(FormBinder<Form>& b, const QWidget& w) {
    using fields::member;
    using hca::HcaForm;
    const std::pair<const char*, QString HcaForm::*> edits[] = {{"Edit1BattJahr", &HcaForm::Edit1BattJahr},
                                                                {"EditAESKEY", &HcaForm::EditAESKEY},
                                                                {"EditLadung", &HcaForm::EditLadung},
                                                                {"EditLadungmax", &HcaForm::EditLadungmax}};
    for (const auto& [n, m] : edits)
        b.bindEdit(w, QString::fromLatin1(n), member(m));
    bindHcaScheduleLabels(b, w);
    const std::pair<const char*, bool HcaForm::*> buttons[] = {
        {"CheckBox1keineSNrueberschr", &HcaForm::CheckBox1keineSNrueberschr},
        {"CheckBox1AutoSerNr", &HcaForm::CheckBox1AutoSerNr},
        {"CheckBoxKorrEdit", &HcaForm::CheckBoxKorrEdit},
        {"CheckBoxAutoTime", &HcaForm::CheckBoxAutoTime},
        {"CheckBoxFunkUpdate", &HcaForm::CheckBoxFunkUpdate},
        {"CheckBoxAutoAES", &HcaForm::CheckBoxAutoAES}};
    for (const auto& [n, m] : buttons)
        b.bindButton(w, QString::fromLatin1(n), member(m));
    const std::pair<const char*, bool HcaForm::*> enabled[] = {
        {"Edit1TempOffset", &HcaForm::Edit1TempOffsetEnabled},
        {"EditAESKEY", &HcaForm::EditAESKEYEnabled},
        {"CheckBoxShortProt", &HcaForm::CheckBoxShortProtEnabled},
        {"Edit1GeraeteID", &HcaForm::identityEditsEnabled},
        {"EditFunkID", &HcaForm::identityEditsEnabled},
        {"Edit1BattJahr", &HcaForm::identityEditsEnabled},
        {"Edit1BattMon", &HcaForm::identityEditsEnabled}};
    for (const auto& [n, m] : enabled)
        b.bindEnabled(w, QString::fromLatin1(n), member(m));
    b.bindTime(w, QStringLiteral("sTimePicker1"), member(&HcaForm::sTimePicker1));
    b.bindDate(w, QStringLiteral("sDateEdit1"), member(&HcaForm::sDateEdit1));
}

// A device window opened in the main window takes its whole client area.
void fillClientArea(QWidget& w);

// Shows what follows from the form beyond the bound values: the S1 caption, the radio group, the
// colours of the test mode and of the schedule results.
void showHcaWindowState(QWidget& w, const hca::HcaForm& f);

struct HcaWindowHandlers {
    // Collects the form, runs the rule (none: only what follows from the values) and shows the form.
    std::function<void(const std::function<void(hca::HcaForm&)>&)> update;
    // A key released in the device ID or serial number edit.
    std::function<void()> idKeyReleased;
    // "AES dynam." was clicked on.
    std::function<void()> autoAesChecked;
};

// Wires the shared controls below w to the allocator's form rules.
void connectHcaWindowHandlers(QWidget& w, const HcaWindowHandlers& h);

} // namespace kvq
