#pragma once
// Texts the link shows in the status bar and in messages. The captions of the main window's hidden
// labels come first so a language module can replace them; the fixed texts follow.

#include "core/link/PortSettings.h"

#include <QString>

namespace kvq {

struct LinkTexts {
    QString LabelSIOclose = QStringLiteral("Schnittstelle wurde geschlossen.");
    QString LabelSIOnotClose = QStringLiteral("Schnittstelle konnte nicht geschlossen werden!");
    QString LabelGV = QStringLiteral("Geräteversion:");
    QString LabelDatenGueltig = QStringLiteral("Gültige Daten");
    QString LabelDatenFalsch = QStringLiteral("Falsche Daten!");
    QString LabelFalschesGeraet = QStringLiteral("Falsches Gerät oder Softwareversion!");

    static inline const QString kComDisabled = QStringLiteral("Com Disabled!");
    static inline const QString kError = QStringLiteral("Error");
    static inline const QString kEcho = QStringLiteral(" ECHO");
    static inline const QString kWithPreamble = QStringLiteral("  with Preamble");
};

// "Optokopf Online com3", "Optokopf Online com3 ECHO  with Preamble", "WMBUS Online com2".
inline QString onlineStatusText(SerialInterface which, int portNumber, bool preamble, bool echo = false) {
    if (which == SerialInterface::SIO2)
        return QStringLiteral("WMBUS Online com%1").arg(portNumber);
    QString text = QStringLiteral("Optokopf Online com%1").arg(portNumber);
    if (echo)
        text += LinkTexts::kEcho;
    if (preamble)
        text += LinkTexts::kWithPreamble;
    return text;
}

// Shown when the device behind an open port went away (unplugged stick, closed far end).
inline QString offlineStatusText(SerialInterface which, int portNumber) {
    return (which == SerialInterface::SIO2 ? QStringLiteral("WMBUS Offline com%1")
                                           : QStringLiteral("Optokopf Offline com%1"))
        .arg(portNumber);
}

} // namespace kvq
