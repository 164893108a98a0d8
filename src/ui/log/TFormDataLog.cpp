#include "ui/log/TFormDataLog.h"

#include "core/app/Clock.h"
#include "core/app/UserInteraction.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

namespace kvq {

TFormDataLog::TFormDataLog(UserInteraction& ui, const Clock& clock, QWidget* parent)
    : QWidget(parent), ui_(ui), clock_(clock), model_(this) {
    setObjectName(QStringLiteral("FormDataLog"));
    setWindowTitle(tr("Logfile"));
    StringGrid1 = new QTableView(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setAccessibleName(tr("Logfile"));
    StringGrid1->setModel(&model_);
    StringGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    // Narrow columns: a reading's fields are short, and nine of them fit below the readout window.
    StringGrid1->horizontalHeader()->setDefaultSectionSize(
        fontMetrics().horizontalAdvance(QStringLiteral("00.00.0000")) + 12);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(StringGrid1);

    saveAgain_ = new QAction(tr("Erneut speichern"), this);
    saveAgain_->setObjectName(QStringLiteral("ActionErneutSpeichern"));
    saveAgain_->setShortcut(QKeySequence::Save);
    saveAgain_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    connect(saveAgain_, &QAction::triggered, this, &TFormDataLog::SaveAgain);
    StringGrid1->addAction(saveAgain_);
    StringGrid1->setContextMenuPolicy(Qt::ActionsContextMenu);
    updateSaveAgain();
}

TFormDataLog* TFormDataLog::openBelow(QWidget& owner, UserInteraction& ui, const Clock& clock,
                                      const QStringList& headerNames, const QString& logName) {
    auto* log = new TFormDataLog(ui, clock);
    log->setAttribute(Qt::WA_DeleteOnClose);
    auto* ownerSub = qobject_cast<QMdiSubWindow*>(owner.parentWidget());
    if (ownerSub && ownerSub->mdiArea()) {
        QMdiSubWindow* sub = ownerSub->mdiArea()->addSubWindow(log);
        sub->setAttribute(Qt::WA_DeleteOnClose);
        const QRect below = ownerSub->geometry();
        sub->setGeometry(below.left(), below.top() + below.height() + 10, below.width(), 100);
    } else {
        const QRect below = owner.frameGeometry();
        log->setGeometry(below.left(), below.top() + below.height() + 10, below.width(), 100);
    }
    log->setHeaderNames(headerNames);
    log->OpenLog(logName);
    return log;
}

void TFormDataLog::closeByOwner() {
    AllowClose = true;
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->close();
    else
        close();
}

void TFormDataLog::setHeaderNames(const QStringList& names) {
    headerNames_ = names;
    model_.setHeaderNames(names);
}

void TFormDataLog::OpenLog(const QString& logName) {
    const QDate today = clock_.localNow().date();
    const log::DayLog::OpenResult opened = model_.open(log::logFolder(), logName, today);
    setWindowTitle(LogPath());
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget()))
        sub->show();
    else
        show();
    if (!opened.status)
        ui_.message(opened.status.message(), tr("Logfile"), UserInteraction::Icon::Error);
    if (opened.columnsMismatch)
        ui_.message(tr("Die Tabellenspalten stimmen nicht überein!"), tr("Logfile"),
                    UserInteraction::Icon::Warning);
    if (model_.rowCount() > 0)
        StringGrid1->scrollToBottom();
}

void TFormDataLog::AppendRecord(const QStringList& fields) {
    reportWrite(model_.append(fields));
    StringGrid1->scrollToBottom();
}

void TFormDataLog::SaveAgain() {
    const Status written = model_.saveUnsaved();
    if (written && model_.dayLog().unsavedCount() > 0) {
        // Still failing: the log spoke of it already, but the user asked now and gets an answer.
        updateSaveAgain();
        ui_.message(tr("Die Datei %1 kann noch nicht geschrieben werden.").arg(LogPath()), tr("Logfile"),
                    UserInteraction::Icon::Error);
        return;
    }
    reportWrite(written);
}

void TFormDataLog::reportWrite(const Status& written) {
    updateSaveAgain();
    // The log tells of a failure once per run of failures; the readings stay in the table.
    if (!written)
        ui_.message(tr("%1\nDie Ablesung bleibt in der Tabelle und kann mit \"Erneut speichern\" gespeichert "
                       "werden.")
                        .arg(written.message()),
                    tr("Logfile"), UserInteraction::Icon::Error);
}

void TFormDataLog::updateSaveAgain() {
    saveAgain_->setEnabled(model_.dayLog().unsavedCount() > 0);
}

void TFormDataLog::closeEvent(QCloseEvent* event) {
    if (AllowClose) {
        QWidget::closeEvent(event);
        return;
    }
    // Only the owning readout window closes the log; the user can put it aside.
    event->ignore();
    QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget()) ? parentWidget() : this;
    QTimer::singleShot(0, frame, [frame] { frame->showMinimized(); });
}

} // namespace kvq
