#pragma once
// "Vergleich zur Bestellung" for the water-meter radio module: the device window's settings in the
// layout of the order sheet.

#include "ui/devices/order/OrderSheet.h"

#include <memory>

namespace Ui {
class TFormBestellungWZ;
}

namespace kvq {

class TFormBestellungWZ : public OrderSheet {
    Q_OBJECT
public:
    explicit TFormBestellungWZ(QWidget* parent = nullptr);
    ~TFormBestellungWZ() override;

protected:
    // Help requests are taken as handled; there is no help for this window.
    bool event(QEvent* e) override;

private:
    std::unique_ptr<Ui::TFormBestellungWZ> ui_;
};

} // namespace kvq
