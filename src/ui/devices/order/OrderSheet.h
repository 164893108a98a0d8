#pragma once
// The common ground of the order-sheet comparison windows: a read-only dialog whose controls are
// filled from the controls of a device window by name, so values typed but not yet written are
// compared too. Check boxes may be clicked; nothing reads them back.

#include "core/devices/order/OrderComparison.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <functional>
#include <vector>

namespace kvq {

class Clock;

class OrderSheet : public QDialog {
    Q_OBJECT
public:
    using ShowModal = std::function<void(QDialog&)>;

    // Copies the device window's state into every control of this window.
    virtual void RefreshFromDevice(const QWidget& device, const Clock& clock);
    // Refreshes and then shows the window modally (by default QDialog::exec).
    void showFor(const QWidget& device, const Clock& clock);
    void setShowModal(ShowModal show) { showModal_ = std::move(show); }

protected:
    explicit OrderSheet(QWidget* parent);

    // The window's only command: "Schließen".
    void connectClose(QDialogButtonBox* box);
    void copyRows(const QWidget& device, const std::vector<order::CopyRow>& rows);
    // The named control of the device window; throws BindingError when it is missing.
    template <class T> T* deviceControl(const QWidget& device, const char* name) const;
    bool deviceChecked(const QWidget& device, const char* name) const;
    QString deviceText(const QWidget& device, const char* name) const;

private:
    ShowModal showModal_;
};

} // namespace kvq
