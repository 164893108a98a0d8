#include "ui/app/QtUserInteraction.h"

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>

namespace kvq {

void QtUserInteraction::message(const QString& text, const QString& title, Icon icon) {
    const QString t = title.isEmpty() ? QApplication::applicationDisplayName() : title;
    switch (icon) {
    case Icon::Information:
        QMessageBox::information(parent_, t, text);
        break;
    case Icon::Warning:
        QMessageBox::warning(parent_, t, text);
        break;
    case Icon::Error:
        QMessageBox::critical(parent_, t, text);
        break;
    }
}

bool QtUserInteraction::question(const QString& text, const QString& title) {
    return QMessageBox::question(parent_, title.isEmpty() ? QApplication::applicationDisplayName() : title,
                                 text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

std::optional<QString> QtUserInteraction::inputText(const QString& title, const QString& prompt,
                                                    const QString& initial) {
    bool ok = false;
    const QString text = QInputDialog::getText(parent_, title, prompt, QLineEdit::Normal, initial, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

std::optional<QString> QtUserInteraction::openFileName(const QString& title, const QString& folder,
                                                       const QString& filter) {
    const QString f = QFileDialog::getOpenFileName(parent_, title, folder, filter);
    if (f.isEmpty())
        return std::nullopt;
    return f;
}

std::optional<QString> QtUserInteraction::saveFileName(const QString& title, const QString& folder,
                                                       const QString& filter) {
    const QString f = QFileDialog::getSaveFileName(parent_, title, folder, filter);
    if (f.isEmpty())
        return std::nullopt;
    return f;
}

std::optional<QString> QtUserInteraction::folderName(const QString& title, const QString& folder) {
    const QString f = QFileDialog::getExistingDirectory(parent_, title, folder);
    if (f.isEmpty())
        return std::nullopt;
    return f;
}

void QtUserInteraction::beep() {
    QApplication::beep();
}

} // namespace kvq
