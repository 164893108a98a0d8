#include "ui/devices/hca/HcaWindowParts.h"

#include "core/devices/hca/HcaFormRules.h"
#include "ui/devices/common/InputFilter.h"

#include <QDateEdit>
#include <QEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace kvq {

using namespace hca;

namespace {

void setGroupColour(QGroupBox* g, const QColor& background, const QColor& text) {
    QPalette p = g->palette();
    p.setColor(QPalette::Window, background);
    p.setColor(QPalette::WindowText, text);
    g->setPalette(p);
}

// Calls back on every key release in the watched edits.
class KeyReleaseHook : public QObject {
public:
    KeyReleaseHook(QObject* parent, std::function<void()> released)
        : QObject(parent), released_(std::move(released)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::KeyRelease)
            released_();
        return QObject::eventFilter(watched, event);
    }

private:
    std::function<void()> released_;
};

} // namespace

void fillClientArea(QWidget& w) {
    // The window takes the whole client area of the main window (it scrolls where that is smaller).
    // It is not maximised, which would put its caption into the main window's.
    auto* sub = qobject_cast<QMdiSubWindow*>(w.parentWidget());
    if (sub && sub->mdiArea())
        sub->setGeometry(QRect(QPoint(0, 0), sub->mdiArea()->viewport()->size()));
}

void showHcaWindowState(QWidget& w, const HcaForm& f) {
    requireWidget<QAbstractButton>(w, QStringLiteral("RadioButton_Funk_S1"))
        ->setText(f.RadioButton_Funk_S1Caption);
    QWidget* funk = requireWidget<QGroupBox>(w, QStringLiteral("GroupBoxFunk"));
    funk->setVisible(f.GroupBoxFunkVisible);
    funk->setEnabled(f.GroupBoxFunkVisible);
    setGroupColour(requireWidget<QGroupBox>(w, QStringLiteral("GroupBoxTestmode")),
                   f.GroupBoxTestmodeRed ? QColor(Qt::red) : QColor(0xA0, 0xA0, 0xA4), Qt::black);
    // Red with white writing stays readable where red on red would not.
    setGroupColour(requireWidget<QGroupBox>(w, QStringLiteral("GroupBox16")),
                   f.GroupBox16Red ? QColor(Qt::red) : QColor(0xC0, 0xC0, 0xC0),
                   f.GroupBox16Red ? QColor(Qt::white) : QColor(Qt::black));
}

void connectHcaWindowHandlers(QWidget& w, const HcaWindowHandlers& h) {
    auto update = h.update;
    auto control = [&w](const char* n) { return requireWidget<QWidget>(w, QString::fromLatin1(n)); };
    auto button = [&w](const char* n) { return requireWidget<QAbstractButton>(w, QString::fromLatin1(n)); };
    auto edit = [&w](const char* n) { return requireWidget<QLineEdit>(w, QString::fromLatin1(n)); };
    auto onClick = [&](const char* n, std::function<void(HcaForm&)> rule) {
        QObject::connect(button(n), &QAbstractButton::clicked, &w, [update, rule] { update(rule); });
    };
    // A radio button is selected by a click; the rules clear its alternatives.
    auto onSelect = [&](const char* n, std::function<void(HcaForm&)> rule) {
        QAbstractButton* b = button(n);
        QObject::connect(b, &QAbstractButton::clicked, &w, [update, b, rule] {
            b->setChecked(true);
            update(rule);
        });
    };

    // Identification numbers: digits only; the radio ID follows the device ID.
    for (const char* n : {"Edit1GeraeteID", "EditSerienNR", "EditFunkID"})
        keepFiltered(edit(n), filterIdInput);
    auto* hook = new KeyReleaseHook(&w, h.idKeyReleased);
    for (const char* n : {"Edit1GeraeteID", "EditSerienNR"}) {
        QObject::connect(edit(n), &QLineEdit::textChanged, &w, [update] { update(onIdTextChanged); });
        control(n)->installEventFilter(hook);
    }
    keepFiltered(edit("EditAESKEY"), filterKeyInput);
    QObject::connect(edit("Edit1BattJahr"), &QLineEdit::textChanged, &w,
                     [update] { update(onBattJahrChange); });
    QObject::connect(requireWidget<QDateEdit>(w, QStringLiteral("sDateEdit1")), &QDateEdit::dateChanged, &w,
                     [update] { update(showWeekday); });

    onClick("CheckBox1AutoSerNr", onAutoSerNrClick);
    onClick("CheckBox1keineSNrueberschr", onKeineSNClick);
    onClick("CheckBoxFunkUpdate", onKeineSNClick);
    for (const char* n : {"CheckBoxFunk", "CheckBoxAESenable", "CheckBoxKorrEdit"})
        onClick(n, nullptr);
    QAbstractButton* autoAes = button("CheckBoxAutoAES");
    QObject::connect(autoAes, &QAbstractButton::clicked, &w, [update, autoAes, h] {
        update(nullptr);
        if (autoAes->isChecked())
            h.autoAesChecked();
    });
    onSelect("RadioButton1StartMenue", [](HcaForm& f) { onCommandSelected(f, Command::Working); });
    onSelect("RadioButton2Stromtest", [](HcaForm& f) { onCommandSelected(f, Command::CurrentTest); });
    onSelect("RadioButton3Lager", [](HcaForm& f) { onCommandSelected(f, Command::Storage); });
    onSelect("RadioButtonTestMode", onTestModeSelected);
}

} // namespace kvq
