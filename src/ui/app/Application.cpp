#include "ui/app/Application.h"

#include "core/app/Clock.h"
#include "core/app/LanguageFiles.h"
#include "ui/app/Language.h"
#include "ui/app/QtUserInteraction.h"
#include "ui/app/Screenshots.h"
#include "ui/app/TMainForm.h"
#include "ui/link/MainFormLink.h"

#include <QApplication>

namespace kvq {

int runApplication(int argc, char** argv, const std::function<Result<DemoPorts>()>& startDemo) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KVQ"));
    QApplication::setApplicationDisplayName(QStringLiteral("KVQ"));
    QApplication::setApplicationVersion(QStringLiteral(KVQ_VERSION_TEXT));

    // The remembered language is active before the first window is made.
    Translations translations;
    applyRememberedLanguage(translations, rememberedLanguagePath());

    QtUserInteraction ui;
    TMainForm::Options options;
    options.translations = &translations;
    TMainForm mainForm(ui, SystemClock::instance(), options);
    ui.setParent(&mainForm);
    if (startDemo && QApplication::arguments().contains(QStringLiteral("--demo"))) {
        const Result<DemoPorts> demo = startDemo();
        if (!demo)
            ui.message(QCoreApplication::translate("kvq::Application", "Demo: %1").arg(demo.message()),
                       QString(), UserInteraction::Icon::Warning);
        else
            mainForm.linkWiring()->useDemoPorts(demo->opticalHead, demo->receiver);
    }
    mainForm.show();
    // Developer option for the manual's pictures: "--demo --screenshots FOLDER".
    if (const qsizetype at = QApplication::arguments().indexOf(QStringLiteral("--screenshots"));
        at > 0 && at + 1 < QApplication::arguments().size())
        takeScreenshots(mainForm, QApplication::arguments().at(at + 1));
    return app.exec();
}

} // namespace kvq
