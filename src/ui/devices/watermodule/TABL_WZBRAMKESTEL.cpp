#include "ui/devices/watermodule/TABL_WZBRAMKESTEL.h"
#include "ui_TABL_WZBRAMKESTEL.h"

#include "core/devices/hca/HcaBilling.h"
#include "core/devices/watermodule/WzFrames.h"
#include "ui/app/ToolHost.h"
#include "ui/log/TFormDataLog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace kvq {

using namespace wz;

namespace {
constexpr char kReadoutLogName[] = "flowcount";
} // namespace

TABL_WZBRAMKESTEL::TABL_WZBRAMKESTEL(ToolHost& host, QWidget* parent, DeviceChannel* channel)
    : DeviceWindow(host, parent, channel), ui_(std::make_unique<Ui::TABL_WZBRAMKESTEL>()) {
    ui_->setupUi(this);
    buildMonthRows();
    // The rhythm is shown, never chosen here.
    for (QWidget* b : {ui_->RadioButtonMonat, ui_->RadioButtonJahr})
        b->setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(ui_->ButtonHoleDaten, &QAbstractButton::clicked, this, &TABL_WZBRAMKESTEL::ButtonHoleDatenClick);
}

TABL_WZBRAMKESTEL::~TABL_WZBRAMKESTEL() = default;

void TABL_WZBRAMKESTEL::buildMonthRows() {
    QGridLayout& grid = *ui_->GridMonatswerte;
    constexpr int kRowsPerColumn = 9;
    for (int block = 0; block < 2; ++block) {
        grid.addWidget(new QLabel(tr("Wert")), 0, 4 * block + 1);
        grid.addWidget(new QLabel(tr("Mon")), 0, 4 * block + 2);
        grid.addWidget(new QLabel(tr("Jahr")), 0, 4 * block + 3);
    }
    QWidget* previous = ui_->Edit1StichTag;
    for (int i = 0; i < off::MonthEntries; ++i) {
        const int row = 1 + i % kRowsPerColumn, c0 = 4 * (i / kRowsPerColumn);
        auto* nr = new QLabel(QString::number(i + 1));
        grid.addWidget(nr, row, c0);
        const QString n = QString::number(i + 1);
        // The first row's value edit carries its number twice; the others once.
        const QString names[] = {i == 0 ? QStringLiteral("Edit1Wert1") : QStringLiteral("Edit%1Wert").arg(n),
                                 QStringLiteral("Edit%1WertMon").arg(n),
                                 QStringLiteral("Edit%1WertJahr").arg(n)};
        const QString accessible[] = {tr("Monatswert %1").arg(n), tr("Monat %1").arg(n),
                                      tr("Jahr %1").arg(n)};
        const int widths[] = {60, 30, 30};
        for (int k = 0; k < 3; ++k) {
            auto* e = new QLineEdit;
            e->setObjectName(names[k]);
            e->setAccessibleName(accessible[k]);
            e->setFixedWidth(widths[k]);
            e->setReadOnly(true);
            grid.addWidget(e, row, c0 + 1 + k);
            if (k == 0)
                nr->setBuddy(e);
            QWidget::setTabOrder(previous, e);
            previous = e;
            rows_[i][k] = e;
        }
    }
    grid.setRowStretch(kRowsPerColumn + 1, 1);
}

void TABL_WZBRAMKESTEL::afterOpen() {
    auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget());
    if (sub && sub->mdiArea()) {
        sub->adjustSize();
        sub->move(0, 0);
    }
    openLog();
}

TFormDataLog& TABL_WZBRAMKESTEL::openLog() {
    if (!log_)
        log_ = TFormDataLog::openBelow(*this, host().userInteraction(), host().clock(), readoutLogHeader(),
                                       QString::fromLatin1(kReadoutLogName));
    return *log_;
}

void TABL_WZBRAMKESTEL::ShowReadout() {
    const PARAmeter& p = host().currentParams();
    readout_ = readout(p.DataWZBRAM, QString::fromStdString(p.VersionText), QLocale());
    const Readout& r = readout_;
    ui_->EditSeriennummer->setText(r.EditSeriennummer);
    ui_->LabelSWV->setText(r.LabelSWV);
    for (QLabel* l : {ui_->LabelZS, ui_->LabelVseit, ui_->LabelStichdatum})
        l->setText(r.dueDate);
    // The end of the billing period the due date closes, for the meter reader's records.
    ui_->LabelZeitraum->setText(r.periodEnd ? QLocale().toString(*r.periodEnd, QLocale::ShortFormat)
                                            : QStringLiteral("-"));
    ui_->Edit1ZaehlerstVorj->setText(r.Edit1ZaehlerstVorj);
    ui_->Edit1Zaehlerst->setText(r.Edit1Zaehlerst);
    ui_->Edit1VerbrSeitSticht->setText(r.Edit1VerbrSeitSticht);
    ui_->RadioButtonMonat->setChecked(r.RadioButtonMonat);
    ui_->RadioButtonJahr->setChecked(r.RadioButtonJahr);
    ui_->Edit1StichTag->setText(r.Edit1StichTag);
    for (int i = 0; i < off::MonthEntries; ++i) {
        rows_[i][0]->setText(r.monthRows[i].value);
        rows_[i][1]->setText(r.monthRows[i].month);
        rows_[i][2]->setText(r.monthRows[i].year);
    }
}

void TABL_WZBRAMKESTEL::ButtonHoleDatenClick() {
    requestRead();
}

DeviceWindow::Frame TABL_WZBRAMKESTEL::readFrame() const {
    return buildReadRequest();
}

int TABL_WZBRAMKESTEL::readProgressMaximum() const {
    return kReadProgressMax;
}

void TABL_WZBRAMKESTEL::billingEvaluation() {
    pendingLine_ =
        readoutLogFields(readout_, hca::localeDateText(host().clock().localNow().date(), QLocale()));
}

void TABL_WZBRAMKESTEL::dataLogEntry(const QString&) {
    if (pendingLine_.isEmpty())
        return; // this readout is in the log already
    openLog().AppendRecord(pendingLine_);
    pendingLine_.clear();
}

void TABL_WZBRAMKESTEL::closeEvent(QCloseEvent* event) {
    if (log_)
        log_->closeByOwner();
    DeviceWindow::closeEvent(event);
}

ToolWindow* createWzReadoutWindow(ToolHost& host, QWidget* parent) {
    return new TABL_WZBRAMKESTEL(host, parent);
}

} // namespace kvq
