#include "ui/devices/order/OrderSheet.h"

#include "core/app/Clock.h"
#include "ui/devices/common/FormBinder.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimeEdit>

namespace kvq {

using order::CopyRow;
using order::CopyRule;

OrderSheet::OrderSheet(QWidget* parent) : QDialog(parent), showModal_([](QDialog& d) { d.exec(); }) {}

void OrderSheet::connectClose(QDialogButtonBox* box) {
    QPushButton* close = box->button(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("ButtonClose"));
    close->setText(tr("Schließen"));
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

template <class T> T* OrderSheet::deviceControl(const QWidget& device, const char* name) const {
    // This window may be the device window's child and carries controls of the same names.
    const QString n = QString::fromLatin1(name);
    for (T* w : device.findChildren<T*>(n))
        if (!isAncestorOf(w))
            return w;
    throw BindingError(n, T::staticMetaObject.className());
}

bool OrderSheet::deviceChecked(const QWidget& device, const char* name) const {
    return deviceControl<QAbstractButton>(device, name)->isChecked();
}

QString OrderSheet::deviceText(const QWidget& device, const char* name) const {
    const QString n = QString::fromLatin1(name);
    for (QWidget* w : device.findChildren<QWidget*>(n)) {
        if (isAncestorOf(w))
            continue;
        if (auto* edit = qobject_cast<QLineEdit*>(w))
            return edit->text();
        if (auto* combo = qobject_cast<QComboBox*>(w))
            return combo->currentText();
        if (auto* label = qobject_cast<QLabel*>(w))
            return label->text();
    }
    throw BindingError(n, "QLineEdit");
}

void OrderSheet::copyRows(const QWidget& device, const std::vector<CopyRow>& rows) {
    for (const CopyRow& row : rows) {
        const QString target = QString::fromLatin1(row.target);
        switch (row.rule) {
        case CopyRule::Same:
            requireWidget<QAbstractButton>(*this, target)->setChecked(deviceChecked(device, row.source));
            break;
        case CopyRule::Opposite:
            requireWidget<QAbstractButton>(*this, target)
                ->setChecked(
                    !requireWidget<QAbstractButton>(*this, QString::fromLatin1(row.source))->isChecked());
            break;
        case CopyRule::Both:
            requireWidget<QAbstractButton>(*this, target)
                ->setChecked(deviceChecked(device, row.source) && deviceChecked(device, row.second));
            break;
        case CopyRule::FirstNotSecond:
            requireWidget<QAbstractButton>(*this, target)
                ->setChecked(deviceChecked(device, row.source) && !deviceChecked(device, row.second));
            break;
        case CopyRule::Text:
            requireWidget<QLabel>(*this, target)->setText(deviceText(device, row.source));
            break;
        case CopyRule::HourSuffix:
            requireWidget<QLabel>(*this, target)
                ->setText(QString::number(deviceControl<QSpinBox>(device, row.source)->value()) +
                          QStringLiteral(":00"));
            break;
        case CopyRule::SecondSuffix:
            requireWidget<QLabel>(*this, target)
                ->setText(QString::number(deviceControl<QSpinBox>(device, row.source)->value()) +
                          QStringLiteral("s")); // notr: the unit symbol of seconds
            break;
        }
    }
}

void OrderSheet::RefreshFromDevice(const QWidget& device, const Clock& clock) {
    copyRows(device, order::commonCopyRows());
    const QTime deviceClock = deviceControl<QTimeEdit>(device, "sTimePicker1")->time();
    requireWidget<QLabel>(*this, QStringLiteral("LabelZeitZ"))
        ->setText(order::timeZoneOffsetText(deviceClock, clock.utcNow().time()));
}

void OrderSheet::showFor(const QWidget& device, const Clock& clock) {
    RefreshFromDevice(device, clock);
    showModal_(*this);
}

} // namespace kvq
