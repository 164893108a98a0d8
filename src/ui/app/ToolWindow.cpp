#include "ui/app/ToolWindow.h"

#include <QCloseEvent>
#include <QEvent>

namespace kvq {

void ToolWindow::closeEvent(QCloseEvent* event) {
    QWidget::closeEvent(event);
    if (event->isAccepted())
        Q_EMIT closed();
}

void ToolWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QWidget::changeEvent(event);
}

} // namespace kvq
