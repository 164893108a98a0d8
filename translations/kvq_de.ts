<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>TFormBootLoader</name>
    <message>
        <source>Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Byte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>übertragene Byte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antwort des Bootloaders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GET CRC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>REBOOT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>START APP</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::Application</name>
    <message>
        <source>Demo: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::Form1ProgressBar</name>
    <message>
        <source>Daten Werden geladen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten werden geladen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten werden gesendet!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::LinkController</name>
    <message>
        <source>com%1 ist keinem Gerät zugeordnet.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::LinkTexts</name>
    <message>
        <source>Schnittstelle wurde geschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle konnte nicht geschlossen werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteversion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gültige Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsche Daten!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsches Gerät oder Softwareversion!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Com Disabled!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> ECHO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>  with Preamble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS Online com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optokopf Online com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS Offline com%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optokopf Offline com%1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::SerialPort</name>
    <message>
        <source>%1 nicht gefunden: Gerät anschließen oder andere Schnittstelle wählen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1: Benutzer in die Gruppe &quot;dialout&quot; aufnehmen und neu anmelden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt: das andere Programm beenden und erneut versuchen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keine Schnittstelle gewählt.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lässt sich nicht einstellen: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TAboutBox</name>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TFormBootLoader</name>
    <message>
        <source>Firmware  Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Firmware (*.bin *.BIN)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 ist zu groß: das Funkaufsatzmodul fasst höchstens %2 Byte.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Application successfully transmitted</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flash transmit error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please wait a few seconds to start up the application!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TMainForm</name>
    <message>
        <source>Gerätedaten EHKV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechendaten EHKV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameterdaten EHKV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätedaten WMTHERMO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätedaten WZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechendaten WZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameterdaten WZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gültige Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteversion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsche Daten!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsches Gerät oder Softwareversion!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC-ZEIT:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei hat nicht die erwartete Größe!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dateifehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Trennen der Schnittstelle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Verbinden mit dem Netzwerk!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle konnte nicht geschlossen werden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle wurde geschlossen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless M-Bus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
