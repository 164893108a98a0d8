#include "ui/wmbus/TelegramLogControl.h"

#include "core/app/DataRoot.h"
#include "core/app/UserInteraction.h"
#include "ui/wmbus/AnalysePage.h"
#include "ui/wmbus/HexMonitor.h"

#include <QDir>
#include <QPushButton>
#include <QSignalBlocker>

namespace kvq {

TelegramLogControl::TelegramLogControl(AnalysePage& page, UserInteraction& ui,
                                       std::function<void(const QString&)> status, QObject* parent)
    : QObject(parent), page_(page), ui_(ui), status_(std::move(status)) {
    connect(page_.sBitBtnLOGProt, &QPushButton::toggled, this, &TelegramLogControl::sBitBtnLOGProtClick);
    connect(page_.RichEdit1, &HexMonitor::lineDropped, this, &TelegramLogControl::lineDropped);
}

QString TelegramLogControl::folder() {
    return dataPath({QStringLiteral("QUELMAR"), QStringLiteral("WMBUSLOG")});
}

void TelegramLogControl::sBitBtnLOGProtClick(bool on) {
    if (!on) {
        finish();
        return;
    }
    if (logging())
        return;
    const QString dir = folder();
    QDir().mkpath(dir);
    const auto chosen = ui_.saveFileName(tr("LOG Protokolle in Datei"), dir, tr("Logfiles  (*.txt *.TXT)"));
    if (!chosen || chosen->trimmed().isEmpty()) {
        const QSignalBlocker quiet(page_.sBitBtnLOGProt);
        page_.sBitBtnLOGProt->setChecked(false);
        return;
    }
    path_ = *chosen;
    if (!path_.endsWith(QStringLiteral(".txt"), Qt::CaseInsensitive))
        path_ += QStringLiteral(".TXT");
    failureTold_ = false;
    // The switch stays on even when the file cannot be opened now: each line tries again, so a share
    // that comes back is written to; the user hears of the trouble once.
    if (const Status opened = log_.open(path_); !opened)
        tellFailure(opened.message());
}

void TelegramLogControl::finish() {
    if (!path_.isEmpty()) {
        writeScreen();
        log_.close();
        path_.clear();
    }
    const QSignalBlocker quiet(page_.sBitBtnLOGProt);
    page_.sBitBtnLOGProt->setChecked(false);
}

void TelegramLogControl::lineDropped(const QString& text) {
    if (logged_ > 0) {
        --logged_;
        return;
    }
    if (!path_.isEmpty() && !page_.sBitBtnStop->isChecked())
        write(text);
}

// The last screen of a drive would otherwise never reach the log.
void TelegramLogControl::writeScreen() {
    const HexMonitor* monitor = page_.RichEdit1;
    const int lines = monitor->lineCount();
    for (int i = logged_; i < lines; ++i)
        write(monitor->lineText(i));
    logged_ = lines;
}

void TelegramLogControl::write(const QString& line) {
    if (!log_.isOpen()) {
        if (const Status opened = log_.open(path_); !opened) {
            tellFailure(opened.message());
            return;
        }
    }
    if (const Status written = log_.append(line); !written) {
        log_.close(); // reopened at the next line
        tellFailure(written.message());
    }
}

void TelegramLogControl::tellFailure(const QString& reason) {
    if (failureTold_)
        return;
    failureTold_ = true;
    if (status_)
        status_(tr("LOG-Datei kann nicht geschrieben werden: %1").arg(reason));
}

} // namespace kvq
