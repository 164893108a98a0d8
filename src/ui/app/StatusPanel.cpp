#include "ui/app/StatusPanel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace kvq {

StatusPanel::StatusPanel(int width, QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFixedWidth(width);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(3, 0, 3, 0);
    layout->setSpacing(3);
    image_ = new QLabel(this);
    image_->hide();
    text_ = new QLabel(this);
    text_->setTextFormat(Qt::PlainText);
    layout->addWidget(image_);
    layout->addWidget(text_, 1);
    setAutoFillBackground(true);
    setColour(PanelColour::Neutral);
}

void StatusPanel::setText(const QString& text) {
    text_->setText(text);
    setAccessibleName(text);
}

QString StatusPanel::text() const {
    return text_->text();
}

void StatusPanel::setImage(const QPixmap& image) {
    image_->setPixmap(image);
    image_->setVisible(!image.isNull());
}

void StatusPanel::setColour(PanelColour colour) {
    colour_ = colour;
    switch (colour) {
    case PanelColour::Yellow:
        background_ = QColor(Qt::yellow);
        break;
    case PanelColour::Green:
        background_ = QColor(Qt::green);
        break;
    case PanelColour::Red:
        background_ = QColor(Qt::red);
        break;
    case PanelColour::Neutral:
        background_ = QColor();
        break;
    }
    const QColor& shown = background_;
    QPalette pal = palette();
    pal.setColor(QPalette::Window, shown.isValid()  ? shown
                                   : parentWidget() ? parentWidget()->palette().color(QPalette::Window)
                                                    : QPalette().color(QPalette::Window));
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    text_->setPalette(pal);
}

} // namespace kvq
