#pragma once
// Texts the link shows in the status bar and in messages, translated where they are made. The captions
// of the main window's hidden labels come first: the main window hands on its own; the fixed texts follow.

#include "core/link/PortSettings.h"

#include <QCoreApplication>
#include <QString>

namespace kvq {

struct LinkTexts {
    QString LabelSIOclose = QCoreApplication::translate("kvq::LinkTexts", "Schnittstelle wurde geschlossen.");
    QString LabelSIOnotClose =
        QCoreApplication::translate("kvq::LinkTexts", "Schnittstelle konnte nicht geschlossen werden!");
    QString LabelGV = QCoreApplication::translate("kvq::LinkTexts", "Geräteversion:");
    QString LabelDatenGueltig = QCoreApplication::translate("kvq::LinkTexts", "Gültige Daten");
    QString LabelDatenFalsch = QCoreApplication::translate("kvq::LinkTexts", "Falsche Daten!");
    QString LabelFalschesGeraet =
        QCoreApplication::translate("kvq::LinkTexts", "Falsches Gerät oder Softwareversion!");

    static QString comDisabled() { return QCoreApplication::translate("kvq::LinkTexts", "Com Disabled!"); }
    static QString error() { return QCoreApplication::translate("kvq::LinkTexts", "Error"); }
    static QString echo() { return QCoreApplication::translate("kvq::LinkTexts", " ECHO"); }
    static QString withPreamble() { return QCoreApplication::translate("kvq::LinkTexts", "  with Preamble"); }
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
