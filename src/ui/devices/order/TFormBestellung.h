#pragma once
// "Vergleich zur Bestellung" for the heat cost allocator: the device window's settings in the layout
// of the order sheet, with the sensor, radio and start-month extras and the plausibility tests.

#include "ui/devices/order/OrderSheet.h"

#include <memory>

namespace Ui {
class TFormBestellung;
}

namespace kvq {

class TFormBestellung : public OrderSheet {
    Q_OBJECT
public:
    explicit TFormBestellung(QWidget* parent = nullptr);
    ~TFormBestellung() override;

    void RefreshFromDevice(const QWidget& device, const Clock& clock) override;

private:
    void fillTests(const QWidget& device);

    std::unique_ptr<Ui::TFormBestellung> ui_;
};

} // namespace kvq
