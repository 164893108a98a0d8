#include "ui/devices/order/TFormBestellung.h"

#include "ui_TFormBestellung.h"

#include <QHeaderView>

namespace kvq {

TFormBestellung::TFormBestellung(QWidget* parent)
    : OrderSheet(parent), ui_(std::make_unique<Ui::TFormBestellung>()) {
    ui_->setupUi(this);
    connectClose(ui_->ButtonBox);

    QTableWidget* grid = ui_->StringGrid1;
    grid->setColumnCount(2);
    grid->setRowCount(3);
    grid->setHorizontalHeaderLabels({tr("Status"), tr("Testposition")});
    grid->verticalHeader()->hide();
    grid->setColumnWidth(0, 45);
    grid->setColumnWidth(1, 240);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

TFormBestellung::~TFormBestellung() = default;

void TFormBestellung::RefreshFromDevice(const QWidget& device, const Clock& clock) {
    copyRows(device, order::allocatorCopyRows());
    OrderSheet::RefreshFromDevice(device, clock);
    fillTests(device);
}

void TFormBestellung::fillTests(const QWidget& device) {
    order::PlausibilityInput in;
    in.eScale = deviceChecked(device, "RadioButtonESkala");
    in.twoSensors = ui_->CheckBox2F->isChecked();
    in.remoteSensor = ui_->CheckBoxFFja->isChecked();
    in.k1 = deviceText(device, "EditK1");
    in.k2 = deviceText(device, "EditK2");
    in.kq = deviceText(device, "EditKQ");
    in.deltaT = deviceText(device, "EditDeltaT");
    for (const char* name : order::errorBoxNames())
        in.anyErrorBox = in.anyErrorBox || deviceChecked(device, name);

    int row = 0;
    for (const order::PlausibilityRow& r : order::plausibilityTests(in)) {
        ui_->StringGrid1->setItem(row, 0, new QTableWidgetItem(r.status));
        ui_->StringGrid1->setItem(row, 1, new QTableWidgetItem(r.name));
        ++row;
    }
}

} // namespace kvq
