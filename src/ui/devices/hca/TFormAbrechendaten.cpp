#include "ui/devices/hca/TFormAbrechendaten.h"
#include "ui_TFormAbrechendaten.h"

#include "core/devices/hca/HcaForm.h"

#include "ui/app/ToolHost.h"
#include "ui/devices/hca/HcaMonthTable.h"
#include "ui/log/TFormDataLog.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace kvq {

using namespace hca;

TFormAbrechendaten::TFormAbrechendaten(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : DeviceWindow(host, parent, channel), ui_(std::make_unique<Ui::TFormAbrechendaten>()) {
    ui_->setupUi(this);
    buildMonthTable(*ui_->GridMonatswerte, ui_->Edit1StichTag, true);
    // The rows stay together at the top when the group is taller than they need.
    ui_->GridMonatswerte->setRowStretch(ui_->GridMonatswerte->rowCount(), 1);
    // The rhythm is shown, never chosen here.
    for (QWidget* b : {ui_->RadioButtonMonat, ui_->RadioButtonJahr})
        b->setAttribute(Qt::WA_TransparentForMouseEvents);
    bindControls();
    connect(ui_->ButtonHoleDaten, &QAbstractButton::clicked, this, &TFormAbrechendaten::ButtonHoleDatenClick);
    ShowRecord();
}

TFormAbrechendaten::~TFormAbrechendaten() = default;

void TFormAbrechendaten::bindControls() {
    using fields::member;
    const std::pair<const char*, QString BillingView::*> edits[] = {
        {"EditSeriennummer", &BillingView::EditSeriennummer},
        {"Edit1Zaehlerst", &BillingView::Edit1Zaehlerst},
        {"Edit1ZaehlerstVorj", &BillingView::Edit1ZaehlerstVorj},
        {"Edit1VerbrSeitSticht", &BillingView::Edit1VerbrSeitSticht},
        {"Edit1Verbrauch", &BillingView::Edit1Verbrauch},
        {"Edit1VorVerbrauch", &BillingView::Edit1VorVerbrauch},
        {"Edit1Pruefz", &BillingView::Edit1Pruefz},
        {"Edit1StichTag", &BillingView::Edit1StichTag}};
    for (const auto& [n, m] : edits)
        binder_.bindEdit(*this, QString::fromLatin1(n), member(m));
    for (const char* n : {"LabelZS", "LabelVseit", "LabelVerbr", "LabelStichdatum"})
        binder_.bindLabel(*this, QString::fromLatin1(n), member(&BillingView::readingDate));
    binder_.bindLabel(*this, QStringLiteral("LabelVerbr1"), member(&BillingView::LabelVerbr1));
    binder_.bindButton(*this, QStringLiteral("RadioButtonMonat"), member(&BillingView::RadioButtonMonat));
    binder_.bindButton(*this, QStringLiteral("RadioButtonJahr"), member(&BillingView::RadioButtonJahr));
    for (int i = 0; i < off::MonthEntries; ++i) {
        binder_.bindEdit(*this, monthValueEditName(i),
                         [i](BillingView& v) -> QString& { return v.monthRows[i].value; });
        binder_.bindEdit(*this, monthMonthEditName(i),
                         [i](BillingView& v) -> QString& { return v.monthRows[i].month; });
        binder_.bindEdit(*this, monthYearEditName(i),
                         [i](BillingView& v) -> QString& { return v.monthRows[i].year; });
    }
}

void TFormAbrechendaten::afterOpen() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea()) {
        sub->adjustSize();
        sub->move(0, 0);
    }
    openLog(QString::fromLatin1(kBillingLogName));
}

TFormDataLog& TFormAbrechendaten::openLog(const QString& name) {
    if (!log_)
        log_ = TFormDataLog::openBelow(*this, host().userInteraction(), host().clock(), billingLogHeader(),
                                       name);
    return *log_;
}

void TFormAbrechendaten::ShowRecord() {
    view_ = billingView(host().currentParams().DataEHKV.bytes, QLocale());
    binder_.apply(view_);
}

void TFormAbrechendaten::ButtonHoleDatenClick() {
    requestRead();
}

DeviceWindow::Frame TFormAbrechendaten::readFrame() const {
    return buildBillingReadFrame();
}

int TFormAbrechendaten::readProgressMaximum() const {
    return kReadProgressMax;
}

void TFormAbrechendaten::billingEvaluation() {
    pendingLine_ = billingLogFields(view_, host().clock().localNow().date(), QLocale());
}

void TFormAbrechendaten::dataLogEntry(const QString& name) {
    if (pendingLine_.isEmpty())
        return; // this reading is in the log already
    openLog(name).AppendRecord(pendingLine_);
    pendingLine_.clear();
}

void TFormAbrechendaten::closeEvent(QCloseEvent* event) {
    if (log_)
        log_->closeByOwner();
    DeviceWindow::closeEvent(event);
}

ToolWindow* createHkvBillingWindow(ToolHost& host, QWidget* parent) {
    return new TFormAbrechendaten(host, parent);
}

} // namespace kvq
