#include "ui/app/ToolWindow.h"

#include <QCloseEvent>

namespace kvq {

void ToolWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closed();
}

} // namespace kvq
