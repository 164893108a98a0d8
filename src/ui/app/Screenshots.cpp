#include "ui/app/Screenshots.h"

#include "ui/app/TMainForm.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QMdiSubWindow>
#include <QPixmap>
#include <QThread>
#include <QTimer>
#include <functional>
#include <optional>

Q_LOGGING_CATEGORY(lcScreenshots, "kvq.screenshots")

namespace kvq {

namespace {

struct Shot {
    const char* file;
    std::optional<ToolKind> window;
    int settleMs; // time for the window to fill (a read, received telegrams)
};

constexpr Shot kShots[] = {
    {"mainform", std::nullopt, 300},
    {"hkvdata", ToolKind::HKVData, 4000},
    {"thermodata", ToolKind::ThermoData, 4000},
    {"wzdata", ToolKind::WZData, 4000},
    {"recorder", ToolKind::WMBus, 6000},
};

// Waits for `ms` while the event loop runs: the link and the simulators keep working.
void settle(int ms, const std::function<bool()>& done = {}) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms && !(done && done())) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(10);
    }
    QCoreApplication::processEvents();
}

} // namespace

void takeScreenshots(TMainForm& form, const QString& folder) {
    QTimer::singleShot(1500, &form, [&form, folder] {
        QDir().mkpath(folder);
        form.resize(1440, 960);
        int failures = 0;
        for (const Shot& shot : kShots) {
            if (shot.window) {
                form.OpenToolWindow(*shot.window);
                settle(500);
                ToolWindow* w = form.currentToolWindow();
                if (!w) {
                    qCWarning(lcScreenshots) << "window did not open for" << shot.file;
                    ++failures;
                    continue;
                }
                if (auto* sub = qobject_cast<QMdiSubWindow*>(w->parentWidget()))
                    sub->showMaximized();
                if (auto* read = w->findChild<QAbstractButton*>(QStringLiteral("ButtonHoleDaten"))) {
                    read->click();
                    settle(shot.settleMs, [&form] { return form.LinkState == 2 || form.LinkState == 3; });
                } else {
                    settle(shot.settleMs);
                }
            } else {
                settle(shot.settleMs);
            }
            const QString path =
                QDir(folder).filePath(QString::fromLatin1(shot.file) + QStringLiteral(".png"));
            if (!form.grab().save(path)) {
                qCWarning(lcScreenshots) << "cannot save" << path;
                ++failures;
            }
        }
        form.CloseAllToolWindows();
        QCoreApplication::exit(failures ? 1 : 0);
    });
}

} // namespace kvq
