#include "ui/devices/watermodule/WzWindowParts.h"

#include "core/devices/watermodule/WzFormRules.h"
#include "core/devices/watermodule/WzRecord.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QHeaderView>
#include <QRegularExpressionValidator>
#include <QTableWidget>

namespace kvq {

using namespace wz;

QValidator::State WzKeyValidator::validate(QString& input, int&) const {
    input = input.toUpper();
    for (QChar c : input)
        if (!(c == u' ' || (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F')))
            return Invalid;
    return Acceptable;
}

void buildWzMonthRows(QWidget& container) {
    auto* grid = new QGridLayout(&container);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(2);
    // Two blocks of nine rows side by side: row 1 .. 9 and 10 .. 18.
    constexpr int kRowsPerBlock = 9;
    for (int block = 0; block < 2; ++block) {
        grid->addWidget(new QLabel(QCoreApplication::translate("WzWindowParts", "Wert [m³]"), &container), 0,
                        4 * block + 1);
        grid->addWidget(new QLabel(QCoreApplication::translate("WzWindowParts", "Monat"), &container), 0,
                        4 * block + 2);
        grid->addWidget(new QLabel(QCoreApplication::translate("WzWindowParts", "Jahr"), &container), 0,
                        4 * block + 3);
    }
    auto* decimals =
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), &container);
    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &container);
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int row = i % kRowsPerBlock + 1, column = 4 * (i / kRowsPerBlock);
        grid->addWidget(new QLabel(QString::number(i + 1), &container), row, column);
        const QString names[3] = {monthValueEditName(i), monthMonthEditName(i), monthYearEditName(i)};
        const QString captions[3] = {QCoreApplication::translate("WzWindowParts", "Monatswert %1"),
                                     QCoreApplication::translate("WzWindowParts", "Monat %1"),
                                     QCoreApplication::translate("WzWindowParts", "Jahr %1")};
        for (int c = 0; c < 3; ++c) {
            auto* e = new QLineEdit(&container);
            e->setObjectName(names[c]);
            e->setAccessibleName(captions[c].arg(i + 1));
            e->setValidator(c == 0 ? decimals : digits);
            e->setMaximumWidth(c == 0 ? 70 : 30);
            grid->addWidget(e, row, column + c + 1);
        }
    }
}

void setupWzHistoryGrid(QTableWidget& grid) {
    grid.setHorizontalHeaderLabels({QCoreApplication::translate("WzWindowParts", "Date"),
                                    QCoreApplication::translate("WzWindowParts", "Reset Count")});
    grid.setColumnWidth(0, 150);
    grid.setColumnWidth(1, 90);
    grid.verticalHeader()->setDefaultSectionSize(18);
    grid.verticalHeader()->hide();
}

void showWzHistory(QTableWidget& grid, const WzForm& form) {
    for (int i = 0; i < off::HistoryEntries; ++i) {
        const QString cells[2] = {form.History[i].date, form.History[i].resetCount};
        for (int c = 0; c < 2; ++c) {
            QTableWidgetItem* item = grid.item(i, c);
            if (!item) {
                item = new QTableWidgetItem;
                grid.setItem(i, c, item);
            }
            item->setText(cells[c]);
        }
    }
}

void bindWzModuleControls(FormBinder<WzForm>& binder, QWidget& w) {
    using fields::member;
    for (auto [name, m] : {std::pair{"Edit1GeraeteID", &WzForm::Edit1GeraeteID},
                           {"EditFunkID", &WzForm::EditFunkID},
                           {"Edit1BattJahr", &WzForm::Edit1BattJahr},
                           {"EditAESKEY", &WzForm::EditAESKEY}})
        binder.bindEdit(w, QString::fromLatin1(name), member(m));
    for (auto [name, m] : {std::pair{"LabelFehlerdatum", &WzForm::LabelFehlerdatum},
                           {"LabelSWV", &WzForm::LabelSWV},
                           {"LabelStichdatum", &WzForm::LabelStichdatum},
                           {"sLabelTime", &WzForm::sLabelTime}})
        binder.bindLabel(w, QString::fromLatin1(name), member(m));
    binder.bindTime(w, QStringLiteral("sTimePicker1"), member(&WzForm::sTimePicker1));
    binder.bindDate(w, QStringLiteral("sDateEdit1"), member(&WzForm::sDateEdit1));
    binder.bindEnabled(w, QStringLiteral("EditAESKEY"), member(&WzForm::EditAESKEYEnabled));
    binder.bindEnabled(w, QStringLiteral("CheckBoxShortProt"), member(&WzForm::CheckBoxShortProtEnabled));

    auto* digits = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), &w);
    auto* decimals = new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), &w);
    for (const char* n : {"Edit1GeraeteID", "EditFunkID"})
        requireWidget<QLineEdit>(w, QString::fromLatin1(n))->setValidator(digits);
    for (const char* n : {"Edit1Zaehlerst", "Edit1ZaehlerstVorj"})
        requireWidget<QLineEdit>(w, QString::fromLatin1(n))->setValidator(decimals);
    requireWidget<QLineEdit>(w, QStringLiteral("EditAESKEY"))->setValidator(new WzKeyValidator(&w));
}

void connectWzSendMask(QWidget& w, const WzUpdate& update) {
    auto onClick = [&](const char* n, void (*rule)(WzForm&)) {
        QObject::connect(requireWidget<QAbstractButton>(w, QString::fromLatin1(n)), &QAbstractButton::clicked,
                         &w, [update, rule] { update(rule); });
    };
    auto onBoxes = [&](const auto& names) {
        for (const char* n : names)
            onClick(n, updateSchedule);
    };
    onBoxes(kSendMonthBoxes);
    onBoxes(kSendWeekBoxes);
    onBoxes(kSendDayBoxes);
    onClick("RadioButton_Funk_S1", [](WzForm& f) { onProtocolSelected(f, false); });
    onClick("RadioButton_Funk_T1", [](WzForm& f) { onProtocolSelected(f, true); });
    onClick("CheckBoxShortProt", onShortProtClick);

    auto onSpin = [&](const char* n, void (*rule)(WzForm&)) {
        QObject::connect(requireWidget<QSpinBox>(w, QString::fromLatin1(n)), &QSpinBox::valueChanged, &w,
                         [update, rule] { update(rule); });
    };
    onSpin("CSpinEditStart", onStartChange);
    onSpin("CSpinEditStop", onStopChange);
    onSpin("CSpinEditZZ", onCycleOrVarianceChange);
    onSpin("CSpinEditV", onCycleOrVarianceChange);
    QObject::connect(requireWidget<QSpinBox>(w, QStringLiteral("CSpinEditZZ")), &QSpinBox::editingFinished,
                     &w, [update] { update(static_cast<void (*)(WzForm&)>(onCycleKeyUp)); });
    QObject::connect(requireWidget<QLineEdit>(w, QStringLiteral("Edit1GeraeteID")), &QLineEdit::textEdited,
                     &w, [update] {
                         update([](WzForm& f) {
                             onDeviceIdChange(f);
                             onDeviceIdKeyUp(f);
                         });
                     });
}

} // namespace kvq
