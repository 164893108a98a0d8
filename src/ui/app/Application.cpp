#include "ui/app/Application.h"

#include "core/app/Clock.h"
#include "ui/app/QtUserInteraction.h"
#include "ui/app/TMainForm.h"

#include <QApplication>

namespace kvq {

int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVQ"));
    QApplication::setApplicationDisplayName(QStringLiteral("KVQ"));
    QApplication::setApplicationVersion(QStringLiteral(KVQ_VERSION_TEXT));

    QtUserInteraction ui;
    TMainForm mainForm(ui, SystemClock::instance(), TMainForm::Options{});
    ui.setParent(&mainForm);
    mainForm.show();
    return app.exec();
}

} // namespace kvq
