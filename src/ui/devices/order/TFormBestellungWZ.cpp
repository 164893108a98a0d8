#include "ui/devices/order/TFormBestellungWZ.h"

#include "ui_TFormBestellungWZ.h"

#include <QEvent>

namespace kvq {

TFormBestellungWZ::TFormBestellungWZ(QWidget* parent)
    : OrderSheet(parent), ui_(std::make_unique<Ui::TFormBestellungWZ>()) {
    ui_->setupUi(this);
    connectClose(ui_->ButtonBox);
}

TFormBestellungWZ::~TFormBestellungWZ() = default;

bool TFormBestellungWZ::event(QEvent* e) {
    if (e->type() == QEvent::WhatsThis || e->type() == QEvent::EnterWhatsThisMode) {
        e->accept();
        return true;
    }
    return OrderSheet::event(e);
}

} // namespace kvq
