<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
<context>
    <name>DatenPage</name>
    <message>
        <source>Optionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echtzeit &amp;alle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Echtzeit &amp;neuste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;einmalig</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a&amp;us</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeilen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ALLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauchstabelle</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export-Formate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export-Format geändert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neues Export-Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Del</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter-Regeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk-ID &amp;von:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk-ID &amp;bis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Hersteller:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Länge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beispiel-Daten:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neue Spaltenbezeichnungen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ergebniss-Vorschau:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FieldTexts</name>
    <message>
        <source>%1: liegt außerhalb des Datensatzes!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl mit Dezimalkomma eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: nur Ziffern, höchstens 8 Stellen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bitte drei Buchstaben A bis Z eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl von %2 bis %3 eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: bitte eine ganze Zahl von %2 bis %3 eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch Vorjahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prüfziffer Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeltaT</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur-Offset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatswert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herstellerkennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raumtemperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heizkörpertemperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Heizkörpertemperatur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie Jahr: bitte ein Jahr von 2000 bis 2255 eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteuhr: keine gültige Uhrzeit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TS1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TS2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagszählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätedatum: bitte ein Datum von 2000 bis 2255 wählen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C max. Temperatur Raumfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C max. Temperatur Wandfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C min. Temperatur Raumfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C min. Temperatur Wandfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur Raumfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur Wandfühler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
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
</context>
<context>
    <name>HcaForm</name>
    <message>
        <source>Fehlerdatum: %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS C1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HcaMessageTexts</name>
    <message>
        <source>Stichtagszählerstand darf nicht größer als der Zählerstand sein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID: keine Nummer, die automatische Erhöhung ist nicht möglich!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID: 99999999 ist die höchste Nummer, die automatische Erhöhung ist nicht möglich!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie Jahr: bitte ein Jahr von 2000 bis %1 eingeben!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteuhr: keine gültige Uhrzeit!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätedatum: bitte ein Datum von 2000 bis 2099 wählen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HostDeviceChannel</name>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>Parameterdateien (*.hkv *.HKV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FALKODII-EHKV  Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameterdateien (*.wtm *.WTM)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBus THermometer  Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parameterdateien (*.waz *.WAZ)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkaufsatzmodul WZ  Datei:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei hat nicht die erwartete Größe!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TABL_WZBRAMKESTEL</name>
    <message>
        <source>Optische Auslesung Funkaufsatzmodul für Veltrimus Wasserzähler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zählerstand/Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand zum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand zum Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch seit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch seit dem Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letztes Stichdatum: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abrechnungszeitraum bis:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Softwareversion:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A C H T U N G !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatswerte [m³]</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1ParametrierdatenForm</name>
    <message>
        <source>Parametrierdaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fernfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunde:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minute</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunde:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sekunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autom. PC Zeit+Zeitzone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batt. leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start und Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startmonat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Messung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtag Monat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Skala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P-Skala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KQ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messfreie Monate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfreie Monate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>in Lagermode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mär</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [h]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop [h]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktelegramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID ändern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herst.-Kennung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herst.-Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Verschlüsselung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Mode 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tage pro Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendungen pro Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh/Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh/11 Jahre</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETUP-VARIANTEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendete Änderungen in Log-Datei speichern.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ACHTUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Überprüfen Sie bitte die Parameter vor dem Senden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neues Gerät erkannt! Bitte lesen Sie das neue Gerät erst aus bevor Sie Änderungen an den Parametern vornehmen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte tragen Sie für das Setup eine Erklärung / Bezeichnung ein.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormAbrechendaten</name>
    <message>
        <source>Abrechendaten EHKV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Zählerstand/Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand zum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand zum Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch seit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch seit dem Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch zum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch zum Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch zum Stichtag davor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prüfziffer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prüfziffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichmonat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>letztes Stichdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es werden alle Verbrauchswerte und Zählerstände im EHKV gelöscht! Sind Sie sicher?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A C H T U N G !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatswerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormBestellung</name>
    <message>
        <source>Vergleich zur Bestellung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sticht am letzten des Monats um 24:00 Uhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemonate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendewochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkprotokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wMBus T1 kurz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wMBus T1 lang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendeparameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MBUS-Herst.-kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendezeit von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendezeit bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendezyklus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitzone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z.B UTC +1h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1-Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fernfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fernfühler ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fernfühler nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfreie Monate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optische Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optische Schnittstelle ja</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optische Schnittstelle nein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beginn der Zählung im ersten Jahr wenn Feld leer, dann Start nach Anbau</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>weitere Tests der Parametrierung</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFormBestellungWZ</name>
    <message>
        <source>Vergleich zur Bestellung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sticht am letzten des Monats um 24:00 Uhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemonate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendewochen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funkprotokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wMBus T1 kurz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>wMBus T1 lang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendeparameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MBUS-Herst.-kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendezeit von</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendezeit bis</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendezyklus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Varianz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitzone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>z.B UTC +1h</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>TFormSetup</name>
    <message>
        <source>Einstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optokopf SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Zeitzone (h):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitzone (h)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle Optokopf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wireless M-BUS SETUP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Empfänger:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bild des Empfängers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>automatisch bei Programmstart Route laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nur neuste Daten Loggen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Programmstart mit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Programmstart mit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzeichnis zum Speichern der formatierten Export csv&apos;s:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportverzeichnis wählen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeitzone:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGDHKVForm</name>
    <message>
        <source>Gerätedaten FALKOII</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie bis Monat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie bis Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Geräte ID &amp;&amp; Batt.lebenszeit überschreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autom. Geräte ID Erhöhung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC-Zeit beim Senden übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start und Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startmonat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagswert:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>0.0.2000</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skala und Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-Skala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P-Skala</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>K2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KQ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KQ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeltaT [1/10 K]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DeltaT [1/10 K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrekturwert Editieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2-Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fernfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauchswerte und Temperaturen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand Stichtag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch Stichtag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch Stichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch Vorstichtag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verbrauch Vorstichtag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prüfziffer Verbrauch:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Prüfziffer Verbrauch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heizkörper °C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heizkörper °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raum °C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Raum °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Heizkörper °C:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Heizkörper °C</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum: 0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatswerte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendewoche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendestunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batt. leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit Update Funkfenster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfreie Monate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>messfrei August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Verschlüsselung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Mode 7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Messung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Uhr min=sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD immer an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonderanzeigen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonderanzeige:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl an das Gerät:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strommessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensorabgleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk Träger AN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mär</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [h]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop [h]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktelegramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herst.-Kennung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herst.-Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES dynam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage/Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage/Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme/Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme/Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 1 Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>950,56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 1 Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 11 Jahren:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10456,16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 11 Jahren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätedaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;Sende Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voreinst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestell Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servicebefehle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendet sofort ein Wireless M-Bus Telegramm; schaltet auch einen laufenden Träger ab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende WMBus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displaytest: alle Segmente &quot;IIIIIIII&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD TEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensorabgleich-Modus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sens.abgleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauerträger senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Träger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermodus: keine Messung, kein Funk, die Anzeige blinkt nach einem Tastendruck 1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlafmodus für die Strommessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I-Mess-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensortest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Messung; das Gerät antwortet mit seinen Timerwerten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teste Sensoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referenz:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGDTHERMOForm</name>
    <message>
        <source>Gerätedaten WMBus Therm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie bis Monat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie bis Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Geräte ID &amp;&amp; Batt.lebenszeit überschreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autom. Geräte ID Erhöhung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PC-Zeit beim Senden übernehmen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Korrekturwert Editieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzeige Raumfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C max. Temperatur Raumfühler am Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Temperatur Raumfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C max. Temperatur Wandfühler am Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Temperatur Wandfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C min. Temperatur Raumfühler am Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min. Temperatur Raumfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C min. Temperatur Wandfühler am Tag:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>min. Temperatur Wandfühler am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C Temperatur Wandfühler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur Wandfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>°C Temperatur Raumfühler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur Raumfühler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum: 0.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendewoche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendestunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fenster offen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batt. leer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit Update Funkfenster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Verschlüsselung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test Uhr min=sec</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD immer an</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Befehl an das Gerät:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arbeitsmodus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Strommessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Test-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensorabgleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk Träger AN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mit Funk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jan</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mär</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jul</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aug</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Okt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nov</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dez</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>W5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [h]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop [h]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktelegramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herst.-Kennung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herst.-Kennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES dynam.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage/Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage/Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme/Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme/Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 1 Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>950,56</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 1 Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 11 Jahren:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10456,16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 11 Jahren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerätedaten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&gt;&gt;Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;&lt;Sende Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voreinst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Servicebefehle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendet sofort ein Wireless M-Bus Telegramm; schaltet auch einen laufenden Träger ab</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende WMBus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displaytest: alle Segmente &quot;IIIIIIII&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LCD TEST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensorabgleich-Modus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sens.abgleich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dauerträger senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Träger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermodus: keine Messung, kein Funk, die Anzeige blinkt nach einem Tastendruck 1 h</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schlafmodus für die Strommessung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>I-Mess-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensortest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Messung; das Gerät antwortet mit seinen Timerwerten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Teste Sensoren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referenz:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensor 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gesendet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGDWZBRAM</name>
    <message>
        <source>Geräte- und Parameterdaten Funkaufsatzmodul für Veltrimus Wasserzähler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ID&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SerienNr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SerienNr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Batt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stillstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückfluss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batt.Lebenszeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteoptionen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start Aktivierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückflussgrenze [l]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Stillstand [Tage]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Liter pro Umdrehung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anlaufdurchfluss [l/h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Leckstunden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendefenster am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startzeit [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopzeit [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SFenster Ergebn.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>EN Fenster</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll-Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hersteller:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hersteller</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SW Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto AES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendetage pro Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Telegramme pro Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh pro Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mAh in 12 Jahren:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstände/Verbräuche</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand [m³]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagszählerstand [m³]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Temperatur [°C]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtag Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeicherte Historie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Historie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionale Kommandos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TS1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TS2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sensortest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funktest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdaten Ausgabe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Puls</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED AUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Optionen und Verhalten dieses Fensters</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autom.Zeit Aktualisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>autom. Geräte ID Erhöhung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine Geräte ID &amp;&amp; Batt.lebenszeit überschreiben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Voreinst.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bestell Check</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende WMBus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Träger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdaten AN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdaten AUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Radio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Pulse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LED Aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Pulsfolge</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktivierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BootLoader</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TxTerminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TxTerminal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RxTerminal:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RxTerminal</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPDWZBRAM</name>
    <message>
        <source>Geräte- und Parameterdaten Funkaufsatzmodul für Veltrimus Wasserzähler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low Batt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stillstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rückfluss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leck</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batt.Lebenszeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Batterie Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum und Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datum</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Di</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sa</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kommandos</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktivierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Januar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Februar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>März</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>April</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mai</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juni</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Juli</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>August</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>September</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>November</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Montag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendefenster am Tag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Startzeit [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopzeit [h]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Protokoll-Typ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES EIN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herstellerkennung:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Herstellerkennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk aktive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Software:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende RF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEHLER !</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die maximale Energie zum Senden wurde überschritten. Bitte reduzieren Sie die Sendehäufigkeit.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SETUP-VARIANTEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstände</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand [m³]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende ZST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagszählerstand [m³]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagszählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>jeden Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende ST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gespeicherte Historie</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hole Historie</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPagesDlg</name>
    <message>
        <source>Schnittstelleneinstellungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rs232 zu EHKV Optokopf</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Schnittstelle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Schnittstelle aus der Liste wählen oder den Pfad eines Geräts eingeben (z. B. /dev/ttyUSB0).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Schnittstellen neu einlesen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Datenbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parität:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Parität</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopbits:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopbits</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;RTS/CTS-Handshake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>D&amp;TR/DSR-Handshake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;XOn/XOff-Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangspuffer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangspuffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangspuffer verdoppeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangspuffer halbieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendepuffer:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendepuffer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendepuffer verdoppeln</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendepuffer halbieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>aktive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aufweck Preamble</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rs232 zu WMBUS Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>UnregisteredPanel</name>
    <message>
        <source>&amp;nicht registrierte Geräte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht registrierte Geräte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WzForm</name>
    <message>
        <source>Fehlerdatum:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID: %1 lässt sich nicht um 1 erhöhen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerdatum: %1.%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WzParam</name>
    <message>
        <source>Sende ID (Geräte ID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende ID (Funk ID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende Zeit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Uhrzeit, Datum und Wochentag</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende ZST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende ST</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sende RF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sendemaske, Sendefenster, AES-Key und Herstellerkennung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RESET</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehlerbits löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aktivierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk aus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Byte 18: Sendefenster und Protokoll</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES und kurzes Telegramm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtag monatlich oder jährlich</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leckbit löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (%2) nicht bestätigt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, Schritt %2 von %3 (%4) nicht bestätigt</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WzWindowParts</name>
    <message>
        <source>Wert [m³]</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatswert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reset Count</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::AnalysePage</name>
    <message>
        <source>WM-BUS Header</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Protokolle:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anzahl Byte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI [dBm]:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trigger auf Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG Protokolle in Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangene Hersteller-Kennungen (FLAG-ID)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RX</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Länge:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-Feld:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hersteller:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CI-Feld:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Serien ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugriffszähler:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STOP Daten vom Empfänger</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kompaktes Telegramm: kein passendes Format bekannt, daher keine Werte. Ein vollständiges Telegramm oder ein Format-Telegramm dieses Zählers lehrt das Format.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kompaktes Telegramm: das gespeicherte Format passt nicht (CRC falsch), daher keine Werte. Bitte das Format in kformate.ini prüfen.</source>
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
    <name>kvq::CoreTexts</name>
    <message>
        <source>Variante %1 gibt es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Spalte %1 steht doppelt; die erste gilt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>mehr als %1 Spalten; die übrigen werden nicht geladen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option für %1, das keine Spalte ist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Der Name des Export-Formats ist leer.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Eine Spalte hat keinen Namen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: Ordner kann nicht angelegt werden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es ist keine Log-Datei geöffnet.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::DataLogModel</name>
    <message>
        <source>Nicht gespeichert</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::DatenPage</name>
    <message>
        <source>Speicher Daten als csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leere Tabelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten (*.csv *.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle wurde nicht gespeichert:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::DeviceWindow</name>
    <message>
        <source>Fehler beim Trennen der Schnittstelle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::ExportDataTabs</name>
    <message>
        <source>Exportiere Daten als formatierte Daten in csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exportformat.EXF</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save Data as csv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Data in Table</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export-Format %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::ExportPage</name>
    <message>
        <source>neues Export-Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll das Export-Format &quot;%1&quot; gelöscht werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Löschen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Alt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Neu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wurde noch kein Telegramm empfangen.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFO</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Soll das Export-Format gespeichert werden?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::FilterPage</name>
    <message>
        <source>Filter aktivieren</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hersteller-Filter (FLAG-ID):</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NEW FlagID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete FlagID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flag ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input 3 Character:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bitte erst Hersteller zum Filtern eintragen und auswählen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNUNG</source>
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
    <name>kvq::HcaLayoutWindow</name>
    <message>
        <source>Fehler</source>
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
    <name>kvq::MonthTable</name>
    <message>
        <source>Monatswert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::OrderSheet</name>
    <message>
        <source>Schließen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::PortEnumeration</name>
    <message>
        <source>(fehlt)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::ReplayControl</name>
    <message>
        <source>Lade Rx Daten von Mobile App</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lade Rx Daten als csv vom Gateway-Server</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rx Daten laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler beim Trennen der Schnittstelle!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mobile Data  (*.dat *.DAT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 von %2 Zeilen, %3 fehlerhafte Zeilen übersprungen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Zeilen geladen, %2 fehlerhafte Zeilen übersprungen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::RouteDetailPages</name>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nicht empfangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangen, verschlüsselt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haus Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Bemerkung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Objektname</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;traße / Hausnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hausnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>St&amp;adt / PLZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bes&amp;chreibung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Werte</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>F&amp;LAG ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MEDIUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MEDIUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AES-KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bemerkung zur &amp;Geräteposition im Objekt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfang</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zugriffsnummer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verschlüsselt, entschlüsselt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>verschlüsselt, nicht entschlüsselt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unverschlüsselt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only numbers permissible!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die FLAG ID muss aus drei Buchstaben bestehen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das MEDIUM muss eine Zahl von 0 bis 255 sein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsches Format des AES KEY!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::RoutePage</name>
    <message>
        <source>Haus</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>empfangen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haus einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etage einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zähler einfügen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zähler löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Etrage löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haus löschen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sortiere nach Funk IDs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leere Routenliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Empfangsstatus zurücksetzen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lade Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speicher Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importiere AES Key&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only numbers permissible!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräliste  (*.route *.ROUTE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteliste  (*.route *.ROUTE)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Route wurde nicht gespeichert:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Route wurde gespeichert, mit diesen Hinweisen:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Route wurde nicht geladen:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Diese Teile der Routendatei wurden übersprungen:
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>zu wenige Felder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine gültige Funk ID</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein gültiges Medium (0 bis 255)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>kein AES KEY aus 32 Hex-Ziffern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>keine FLAG ID aus drei Buchstaben</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Haus und Etage müssen beide angegeben oder beide leer sein</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gerät ist schon in der Route oder der Importliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES_KEY_liste  (*.csv *.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect path</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incorrect csv Data!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> AES KEY&apos;s importiert.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importiere Messgeräte in Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Devicelist  (*.csv *.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Geräte in die Route übernommen, %2 in die Importliste.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es wurden Änderungen an der Route vorgenommen die noch nicht gespeichert wurden! 
Jetzt speichern?</source>
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
    <name>kvq::TABL_WZBRAMKESTEL</name>
    <message>
        <source>Wert</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monatswert %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Monat %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jahr %1</source>
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
    <name>kvq::TForm1Parametrierdaten</name>
    <message>
        <source>Variante %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bezeichnung Variante %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variante %1 speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Log-Datei kann nicht angelegt werden, es wird ohne Log gearbeitet:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TFormBestellung</name>
    <message>
        <source>Status</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Testposition</source>
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
    <name>kvq::TFormBramData</name>
    <message>
        <source>FormBramData</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LC-Sensorabtastung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandbreite S1=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bandbreite S2=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Senden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdaten AN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Messdaten AUS</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logfiles  (*.csv *.CSV)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TFormDataLog</name>
    <message>
        <source>Logfile</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erneut speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabellenspalten stimmen nicht überein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Datei %1 kann noch nicht geschrieben werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
Die Ablesung bleibt in der Tabelle und kann mit &quot;Erneut speichern&quot; gespeichert werden.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TFormSetup</name>
    <message>
        <source>T/C-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C-Mode</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route laden</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräteliste (*.ROUTE *.route)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Verzeichnis zum Speichern der formatierten Export csv&apos;s:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TFormWMBUSRadioCraft</name>
    <message>
        <source>Wireless M-BUS Datenrecorder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Receiver Initialisierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Filter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Radiocraft Werkssetup</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erstelle Exportformat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export-Formatierung</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Daten</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importiere Messgeräte in Route</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Es sind noch nicht alle Geräte auf der Route empfangen worden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Weiter mit Schließen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Tabelle enthält Daten, die noch nicht gespeichert wurden!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Jetzt speichern?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TGDHKV</name>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TGDWZBRAM</name>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagszählerstand darf nicht größer als der Zählerstand sein!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wollen Sie den BOOTLOADER starten um eine neue Software einzuspielen?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A C H T U N G !</source>
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
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Sprache kann nicht für den nächsten Start gespeichert werden; er beginnt in der bisherigen Sprache.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Das Handbuch kann nicht angezeigt werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TNewIDDlg</name>
    <message>
        <source>EHKV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WASSERZÄHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>STROMZÄHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WÄRMEZAHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GASZÄHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAUCHMELDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABFALL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAUMSENSOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GASMELDER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ELEKTRISCHER UNTERBRECHER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>VENTIL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ABWASSER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CO2 SENSOR</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>neues W-MBUS Gerät</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;FLAG ID:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;AES-KEY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;MEDIUM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Falsches Format des AES KEY!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die FLAG ID muss aus drei Buchstaben bestehen!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TPDWZBRAM</name>
    <message>
        <source>S1 täglich 24h lang aller 5min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S1 täglich 24h lang aller 15min</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1 jede 1.Woche im Monat werktags von 7-18uhr aller 6s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T1 werktags von 7-17uhr aller 23s </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variante %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beschreibung Variante %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Variante %1 speichern</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INFO</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TPagesDlg</name>
    <message>
        <source>Schnittstelle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 gibt es nicht.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Schnittstelle. Bitte einen Eintrag der Liste wählen oder den Pfad eines Geräts eingeben (z. B. /dev/ttyUSB0).</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::TelegramLogControl</name>
    <message>
        <source>LOG Protokolle in Datei</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Logfiles  (*.txt *.TXT)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LOG-Datei kann nicht geschrieben werden: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::UnregisteredPanel</name>
    <message>
        <source>leere Empfangsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>leere Importliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>sortiere nach Funk IDs</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>kvq::UnregisteredTreeModel</name>
    <message>
        <source>Empfangsliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Importliste</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1
%2 Telegramme, zuletzt %3, RSSI %4</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
