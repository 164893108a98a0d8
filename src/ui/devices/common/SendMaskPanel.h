#pragma once
// The "Sendemaske" and "berechnete Häufigkeiten" controls of a device window: it ties their clicks,
// spins and edits to the send-mask rules of SendMaskForm. The window's field table binds the values
// (through the family's SendMaskLayout); the window runs each rule on its form and shows the result.

#include "core/devices/common/SendMaskForm.h"

#include <QObject>
#include <functional>

class QWidget;

namespace kvq {

class SendMaskPanel : public QObject {
    Q_OBJECT
public:
    using Rule = std::function<void(SendMaskForm&)>;
    // Collects the form from the widgets, runs the rule (none: only the results), shows the form.
    using Update = std::function<void(const Rule&)>;

    // Finds the controls by their names below root; a missing one fails as the binder does.
    SendMaskPanel(QWidget& root, Update update);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Update update_;
};

} // namespace kvq
