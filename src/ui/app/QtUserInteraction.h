#pragma once
// The user-interaction seam with Qt's own dialogs.

#include "core/app/UserInteraction.h"

class QWidget;

namespace kvq {

class QtUserInteraction final : public UserInteraction {
public:
    explicit QtUserInteraction(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }

    void message(const QString& text, const QString& title, Icon icon) override;
    bool question(const QString& text, const QString& title) override;
    std::optional<QString> inputText(const QString& title, const QString& prompt,
                                     const QString& initial) override;
    std::optional<QString> openFileName(const QString& title, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> saveFileName(const QString& title, const QString& folder,
                                        const QString& filter) override;
    std::optional<QString> folderName(const QString& title, const QString& folder) override;
    void beep() override;

private:
    QWidget* parent_;
};

} // namespace kvq
