#include "ui/wmbus/ArcSpinner.h"

#include <QPainter>
#include <QTimer>

namespace kvq {

ArcSpinner::ArcSpinner(QWidget* parent) : QWidget(parent), timer_(new QTimer(this)) {
    timer_->setInterval(50);
    connect(timer_, &QTimer::timeout, this, [this] {
        angle_ = (angle_ + 30) % 360;
        update();
    });
    setMinimumSize(16, 16);
}

bool ArcSpinner::turning() const {
    return timer_->isActive();
}

void ArcSpinner::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const int side = qMin(width(), height()) - 4;
    const QRectF r((width() - side) / 2.0, (height() - side) / 2.0, side, side);
    p.setPen(QPen(palette().color(QPalette::Highlight), 3, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(r, -angle_ * 16, 270 * 16);
}

void ArcSpinner::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    timer_->start();
}

void ArcSpinner::hideEvent(QHideEvent* event) {
    QWidget::hideEvent(event);
    timer_->stop();
}

} // namespace kvq
