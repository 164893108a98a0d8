#include "ui/devices/hca/HcaMonthTable.h"

#include "core/devices/hca/HcaForm.h"
#include "core/devices/hca/HcaRecord.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace kvq {

namespace {
struct MonthTableTexts {
    Q_DECLARE_TR_FUNCTIONS(kvq::MonthTable)
};
} // namespace

QWidget* buildMonthTable(QGridLayout& grid, QWidget* previous, bool readOnly) {
    constexpr int kRowsPerColumn = 9;
    for (int i = 0; i < hca::off::MonthEntries; ++i) {
        const int row = 1 + i % kRowsPerColumn;
        const int c0 = 5 * (i / kRowsPerColumn);
        auto* nr = new QLabel(QString::number(i + 1));
        grid.addWidget(nr, row, c0);
        const struct {
            QString name;
            int width;
            QString accessible;
        } edits[] = {{hca::monthValueEditName(i), 46, MonthTableTexts::tr("Monatswert %1").arg(i + 1)},
                     {hca::monthMonthEditName(i), 26, MonthTableTexts::tr("Monat %1").arg(i + 1)},
                     {hca::monthYearEditName(i), 26, MonthTableTexts::tr("Jahr %1").arg(i + 1)}};
        for (int k = 0; k < 3; ++k) {
            auto* e = new QLineEdit;
            e->setObjectName(edits[k].name);
            e->setFixedWidth(edits[k].width);
            e->setAccessibleName(edits[k].accessible);
            e->setReadOnly(readOnly);
            grid.addWidget(e, row, c0 + 1 + k);
            if (k == 0)
                nr->setBuddy(e);
            if (previous)
                QWidget::setTabOrder(previous, e);
            previous = e;
        }
    }
    return previous;
}

} // namespace kvq
