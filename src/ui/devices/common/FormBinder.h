#pragma once
// Connects the rows of a field table, and the form members no record field holds, to the widgets of
// a window found by their objectName. Every row must find a widget of the class it needs when the
// window is built; a misspelt control name stops the construction with a message naming it.

#include "core/devices/common/FieldTable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>
#include <stdexcept>
#include <vector>

namespace kvq {

// Thrown while a window is built when a row finds no widget of its name and class.
class BindingError : public std::runtime_error {
public:
    BindingError(const QString& control, const char* expectedClass);
    const QString& control() const { return control_; }

private:
    QString control_;
};

// Finds the named child of root with the class T; throws BindingError otherwise.
template <class T> T* requireWidget(const QWidget& root, const QString& name) {
    T* w = root.findChild<T*>(name);
    if (!w)
        throw BindingError(name, T::staticMetaObject.className());
    return w;
}

template <class Form> class FormBinder {
public:
    // Binds every row of the table: fields to line edits, flags to buttons, numbers to spin boxes or
    // combo boxes.
    void bind(const QWidget& root, const fields::Table<Form>& table) {
        for (const auto& r : table.fields)
            bindEdit(root, r.control, r.text);
        for (const auto& r : table.flags)
            bindButton(root, r.control, r.value);
        for (const auto& r : table.numbers) {
            if (auto* spin = root.findChild<QSpinBox*>(r.control))
                spins_.push_back({spin, r.value});
            else
                combos_.push_back({requireWidget<QComboBox>(root, r.control), r.value});
        }
    }

    void bindEdit(const QWidget& root, const QString& name, fields::TextRef<Form> ref) {
        edits_.push_back({requireWidget<QLineEdit>(root, name), std::move(ref)});
    }
    // A label the form fills; never read back.
    void bindLabel(const QWidget& root, const QString& name, fields::TextRef<Form> ref) {
        labels_.push_back({requireWidget<QLabel>(root, name), std::move(ref)});
    }
    void bindButton(const QWidget& root, const QString& name, fields::BoolRef<Form> ref) {
        buttons_.push_back({requireWidget<QAbstractButton>(root, name), std::move(ref)});
    }
    void bindSpin(const QWidget& root, const QString& name, fields::IntRef<Form> ref) {
        spins_.push_back({requireWidget<QSpinBox>(root, name), std::move(ref)});
    }
    void bindTime(const QWidget& root, const QString& name, std::function<QTime&(Form&)> ref) {
        times_.push_back({requireWidget<QTimeEdit>(root, name), std::move(ref)});
    }
    void bindDate(const QWidget& root, const QString& name, std::function<QDate&(Form&)> ref) {
        dates_.push_back({requireWidget<QDateEdit>(root, name), std::move(ref)});
    }

    // A widget enabled while the member is set.
    void bindEnabled(const QWidget& root, const QString& name, fields::BoolRef<Form> ref) {
        enabled_.push_back({requireWidget<QWidget>(root, name), std::move(ref)});
    }

    // Widgets to form.
    void collect(Form& f) const {
        for (const auto& b : edits_)
            b.ref(f) = b.widget->text();
        for (const auto& b : buttons_)
            b.ref(f) = b.widget->isChecked();
        for (const auto& b : spins_)
            b.ref(f) = b.widget->value();
        for (const auto& b : combos_)
            b.ref(f) = b.widget->currentIndex();
        for (const auto& b : times_)
            b.ref(f) = b.widget->time();
        for (const auto& b : dates_)
            b.ref(f) = b.widget->date();
    }

    // Form to widgets, without the widgets' change signals.
    void apply(Form& f) const {
        for (const auto& b : edits_) {
            const QSignalBlocker block(b.widget);
            if (b.widget->text() != b.ref(f))
                b.widget->setText(b.ref(f));
        }
        for (const auto& b : labels_)
            b.widget->setText(b.ref(f));
        for (const auto& b : enabled_)
            b.widget->setEnabled(b.ref(f));
        for (const auto& b : buttons_) {
            const QSignalBlocker block(b.widget);
            b.widget->setChecked(b.ref(f));
        }
        for (const auto& b : spins_) {
            const QSignalBlocker block(b.widget);
            b.widget->setValue(b.ref(f));
        }
        for (const auto& b : combos_) {
            const QSignalBlocker block(b.widget);
            b.widget->setCurrentIndex(b.ref(f));
        }
        for (const auto& b : times_) {
            const QSignalBlocker block(b.widget);
            b.widget->setTime(b.ref(f));
        }
        for (const auto& b : dates_) {
            const QSignalBlocker block(b.widget);
            b.widget->setDate(b.ref(f));
        }
    }

private:
    template <class W, class R> struct Bound {
        W* widget;
        R ref;
    };
    std::vector<Bound<QLineEdit, fields::TextRef<Form>>> edits_;
    std::vector<Bound<QLabel, fields::TextRef<Form>>> labels_;
    std::vector<Bound<QAbstractButton, fields::BoolRef<Form>>> buttons_;
    std::vector<Bound<QSpinBox, fields::IntRef<Form>>> spins_;
    std::vector<Bound<QComboBox, fields::IntRef<Form>>> combos_;
    std::vector<Bound<QWidget, fields::BoolRef<Form>>> enabled_;
    std::vector<Bound<QTimeEdit, std::function<QTime&(Form&)>>> times_;
    std::vector<Bound<QDateEdit, std::function<QDate&(Form&)>>> dates_;
};

} // namespace kvq
