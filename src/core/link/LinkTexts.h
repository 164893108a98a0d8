#pragma once
// Texts the link shows in the status bar and in messages. They are kept as their German source and
// translated each time they are shown, so a language switch made while the program runs is followed.
// The captions of the main window's hidden labels come from the main window when it hands on a source
// for them; otherwise the link translates its own copies.

#include "core/link/PortSettings.h"

#include <QCoreApplication>
#include <QString>
#include <functional>

namespace kvq {

class LinkTexts {
public:
    // The caption of a hidden label of the main window by its name ("LabelGV"); empty when unknown.
    using LabelSource = std::function<QString(const char* labelName)>;
    void setLabelSource(LabelSource source) { labels_ = std::move(source); }

    QString LabelSIOclose() const {
        return label("LabelSIOclose",
                     QT_TRANSLATE_NOOP("kvq::LinkTexts", "Schnittstelle wurde geschlossen."));
    }
    QString LabelSIOnotClose() const {
        return label("LabelSIOnotClose",
                     QT_TRANSLATE_NOOP("kvq::LinkTexts", "Schnittstelle konnte nicht geschlossen werden!"));
    }
    QString LabelGV() const {
        return label("LabelGV", QT_TRANSLATE_NOOP("kvq::LinkTexts", "Geräteversion:"));
    }
    QString LabelDatenGueltig() const {
        return label("LabelDatenGueltig", QT_TRANSLATE_NOOP("kvq::LinkTexts", "Gültige Daten"));
    }
    QString LabelDatenFalsch() const {
        return label("LabelDatenFalsch", QT_TRANSLATE_NOOP("kvq::LinkTexts", "Falsche Daten!"));
    }
    QString LabelFalschesGeraet() const {
        return label("LabelFalschesGeraet",
                     QT_TRANSLATE_NOOP("kvq::LinkTexts", "Falsches Gerät oder Softwareversion!"));
    }

    static QString comDisabled() { return QCoreApplication::translate("kvq::LinkTexts", "Com Disabled!"); }
    static QString error() { return QCoreApplication::translate("kvq::LinkTexts", "Error"); }
    static QString echo() { return QCoreApplication::translate("kvq::LinkTexts", " ECHO"); }
    static QString withPreamble() { return QCoreApplication::translate("kvq::LinkTexts", "  with Preamble"); }

private:
    QString label(const char* name, const char* source) const {
        if (labels_)
            if (QString text = labels_(name); !text.isEmpty())
                return text;
        return QCoreApplication::translate("kvq::LinkTexts", source);
    }

    LabelSource labels_;
};

// "Optokopf Online com3", "Optokopf Online com3 ECHO  with Preamble", "WMBUS Online com2".
inline QString onlineStatusText(SerialInterface which, int portNumber, bool preamble, bool echo = false) {
    if (which == SerialInterface::SIO2)
        return QCoreApplication::translate("kvq::LinkTexts", "WMBUS Online com%1").arg(portNumber);
    QString text = QCoreApplication::translate("kvq::LinkTexts", "Optokopf Online com%1").arg(portNumber);
    if (echo)
        text += LinkTexts::echo();
    if (preamble)
        text += LinkTexts::withPreamble();
    return text;
}

// Shown when the device behind an open port went away (unplugged stick, closed far end).
inline QString offlineStatusText(SerialInterface which, int portNumber) {
    return (which == SerialInterface::SIO2
                ? QCoreApplication::translate("kvq::LinkTexts", "WMBUS Offline com%1")
                : QCoreApplication::translate("kvq::LinkTexts", "Optokopf Offline com%1"))
        .arg(portNumber);
}

} // namespace kvq
