#include "ui/devices/common/SendMaskPanel.h"

#include "core/devices/hca/HcaFormRules.h"
#include "ui/devices/common/FormBinder.h"
#include "ui/devices/common/InputFilter.h"

#include <QEvent>

namespace kvq {

SendMaskPanel::SendMaskPanel(QWidget& root, Update update) : QObject(&root), update_(std::move(update)) {
    auto onClick = [&](const char* n, Rule rule) {
        connect(requireWidget<QAbstractButton>(root, QString::fromLatin1(n)), &QAbstractButton::clicked, this,
                [this, rule] { update_(rule); });
    };
    // A radio button is selected by a click; the rule clears its alternative.
    auto onSelect = [&](const char* n, Rule rule) {
        QAbstractButton* b = requireWidget<QAbstractButton>(root, QString::fromLatin1(n));
        connect(b, &QAbstractButton::clicked, this, [this, b, rule] {
            b->setChecked(true);
            update_(rule);
        });
    };
    for (const char* n : kSendMonthBoxes)
        onClick(n, nullptr);
    for (const char* n : kSendWeekBoxes)
        onClick(n, nullptr);
    for (const char* n : kSendDayBoxes)
        onClick(n, nullptr);
    onSelect("RadioButton_Funk_T1", [](SendMaskForm& f) { onProtocolSelected(f, true); });
    onSelect("RadioButton_Funk_S1", [](SendMaskForm& f) { onProtocolSelected(f, false); });
    onClick("CheckBoxShortProt", [](SendMaskForm& f) { onShortProtClick(f); });

    const std::pair<const char*, void (*)(SendMaskForm&)> spins[] = {{"CSpinEditStart", onStartChange},
                                                                     {"CSpinEditStop", onStopChange},
                                                                     {"CSpinEditZZ", onCycleOrVarianceChange},
                                                                     {"CSpinEditV", onCycleOrVarianceChange}};
    for (const auto& spin : spins) {
        auto* s = requireWidget<QSpinBox>(root, QString::fromLatin1(spin.first));
        connect(s, &QSpinBox::valueChanged, this, [this, rule = spin.second] { update_(rule); });
        s->installEventFilter(this);
    }

    QLineEdit* charge = requireWidget<QLineEdit>(root, QStringLiteral("EditLadung"));
    QLineEdit* capacity = requireWidget<QLineEdit>(root, QStringLiteral("EditLadungmax"));
    keepFiltered(charge, hca::filterNumberInput);
    keepFiltered(capacity, hca::filterDigitInput);
    for (QLineEdit* e : {charge, capacity})
        connect(e, &QLineEdit::textChanged, this, [this] { update_(nullptr); });
}

bool SendMaskPanel::eventFilter(QObject* watched, QEvent* event) {
    // Typing into the cycle or variance keeps the other one consistent at once.
    if (event->type() == QEvent::KeyRelease) {
        if (watched->objectName() == QLatin1String("CSpinEditZZ"))
            update_([](SendMaskForm& f) { onCycleKeyUp(f); });
        else if (watched->objectName() == QLatin1String("CSpinEditV"))
            update_([](SendMaskForm& f) { onVarianceKeyUp(f); });
    }
    return QObject::eventFilter(watched, event);
}

} // namespace kvq
