#include "ui/app/Application.h"

#include <QApplication>
#include <QMainWindow>

namespace kvq {
int runApplication(int argc, char** argv) {
    QApplication app(argc, argv);
    QMainWindow w;
    w.setWindowTitle("KVQ Commander");
    w.show();
    return app.exec();
}
} // namespace kvq
