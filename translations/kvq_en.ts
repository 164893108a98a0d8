<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>DatenPage</name>
    <message>
        <source>Optionen</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Echtzeit &amp;alle</source>
        <translation>Real time &amp;all</translation>
    </message>
    <message>
        <source>Echtzeit &amp;neuste</source>
        <translation>Real time &amp;latest</translation>
    </message>
    <message>
        <source>&amp;einmalig</source>
        <translation>&amp;once</translation>
    </message>
    <message>
        <source>a&amp;us</source>
        <translation>o&amp;ff</translation>
    </message>
    <message>
        <source>Zeilen:</source>
        <translation>Rows:</translation>
    </message>
    <message>
        <source>ALLE</source>
        <translation>ALL</translation>
    </message>
    <message>
        <source>Verbrauchstabelle</source>
        <translation>Consumption table</translation>
    </message>
</context>
<context>
    <name>ExportPage</name>
    <message>
        <source>Export-Formate</source>
        <translation>Export formats</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>Export-Format geändert</source>
        <translation>Export format changed</translation>
    </message>
    <message>
        <source>neues Export-Format</source>
        <translation>new export format</translation>
    </message>
    <message>
        <source>Edit-Mode</source>
        <translation>Edit-Mode</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Del</source>
        <translation>Del</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Wizard</source>
        <translation>Wizard</translation>
    </message>
    <message>
        <source>Filter-Regeln</source>
        <translation>Filter rules</translation>
    </message>
    <message>
        <source>Funk-ID &amp;von:</source>
        <translation>Radio ID &amp;from:</translation>
    </message>
    <message>
        <source>Funk-ID &amp;bis:</source>
        <translation>Radio ID &amp;to:</translation>
    </message>
    <message>
        <source>&amp;Hersteller:</source>
        <translation>Man&amp;ufacturer:</translation>
    </message>
    <message>
        <source>&amp;Medium:</source>
        <translation>&amp;Medium:</translation>
    </message>
    <message>
        <source>&amp;Länge:</source>
        <translation>&amp;Length:</translation>
    </message>
    <message>
        <source>Beispiel-Daten:</source>
        <translation>Sample data:</translation>
    </message>
    <message>
        <source>neue Spaltenbezeichnungen:</source>
        <translation>new column headings:</translation>
    </message>
    <message>
        <source>Ergebniss-Vorschau:</source>
        <translation>Result preview:</translation>
    </message>
</context>
<context>
    <name>FieldTexts</name>
    <message>
        <source>%1: liegt außerhalb des Datensatzes!</source>
        <translation>%1: lies outside the data record!</translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl mit Dezimalkomma eingeben!</source>
        <translation>%1: please enter a number with a decimal comma!</translation>
    </message>
    <message>
        <source>%1: nur Ziffern, höchstens 8 Stellen!</source>
        <translation>%1: digits only, at most 8 digits!</translation>
    </message>
    <message>
        <source>%1: bitte drei Buchstaben A bis Z eingeben!</source>
        <translation>%1: please enter three letters A to Z!</translation>
    </message>
    <message>
        <source>%1: bitte eine Zahl von %2 bis %3 eingeben!</source>
        <translation>%1: please enter a number from %2 to %3!</translation>
    </message>
    <message>
        <source>%1: bitte eine ganze Zahl von %2 bis %3 eingeben!</source>
        <translation>%1: please enter a whole number from %2 to %3!</translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Batterie Monat</source>
        <translation>Battery month</translation>
    </message>
    <message>
        <source>K1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>K2</source>
        <translation>K2</translation>
    </message>
    <message>
        <source>KQ</source>
        <translation>KQ</translation>
    </message>
    <message>
        <source>Verbrauch Stichtag</source>
        <translation>Consumption at due date</translation>
    </message>
    <message>
        <source>Verbrauch Vorjahr</source>
        <translation>Consumption previous year</translation>
    </message>
    <message>
        <source>Prüfziffer Verbrauch</source>
        <translation>Consumption check digit</translation>
    </message>
    <message>
        <source>DeltaT</source>
        <translation>DeltaT</translation>
    </message>
    <message>
        <source>Temperatur-Offset</source>
        <translation>Temperature offset</translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Zählerstand Stichtag</source>
        <translation>Meter reading at due date</translation>
    </message>
    <message>
        <source>Monatswert</source>
        <translation>Monthly value</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Herstellerkennung</source>
        <translation>Manufacturer code</translation>
    </message>
    <message>
        <source>Raumtemperatur</source>
        <translation>Room temperature</translation>
    </message>
    <message>
        <source>Heizkörpertemperatur</source>
        <translation>Radiator temperature</translation>
    </message>
    <message>
        <source>max. Heizkörpertemperatur</source>
        <translation>max. radiator temperature</translation>
    </message>
    <message>
        <source>Batterie Jahr: bitte ein Jahr von 2000 bis 2255 eingeben!</source>
        <translation>Battery year: please enter a year from 2000 to 2255!</translation>
    </message>
    <message>
        <source>Geräteuhr: keine gültige Uhrzeit!</source>
        <translation>Device clock: not a valid time!</translation>
    </message>
    <message>
        <source>AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!</source>
        <translation>AES Key: at most 32 hex digits (0-9, A-F), blanks allowed!</translation>
    </message>
    <message>
        <source>°C max. Temperatur Raumfühler am Tag</source>
        <translation>°C max. room sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C max. Temperatur Wandfühler am Tag</source>
        <translation>°C max. wall sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C min. Temperatur Raumfühler am Tag</source>
        <translation>°C min. room sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C min. Temperatur Wandfühler am Tag</source>
        <translation>°C min. wall sensor temperature of the day</translation>
    </message>
    <message>
        <source>Temperatur Raumfühler</source>
        <translation>Room sensor temperature</translation>
    </message>
    <message>
        <source>Temperatur Wandfühler</source>
        <translation>Wall sensor temperature</translation>
    </message>
    <message>
        <source>TS1</source>
        <translation>TS1</translation>
    </message>
    <message>
        <source>TS2</source>
        <translation>TS2</translation>
    </message>
    <message>
        <source>Stichtagszählerstand</source>
        <translation>Due-date reading</translation>
    </message>
    <message>
        <source>Gerätedatum: bitte ein Datum von 2000 bis 2255 wählen!</source>
        <translation>Device date: please choose a date from 2000 to 2255!</translation>
    </message>
</context>
<context>
    <name>FirmwareFile</name>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei %1 ist leer.</source>
        <translation>The file %1 is empty.</translation>
    </message>
    <message>
        <source>Die Datei %1 ist zu groß: das Funkaufsatzmodul fasst höchstens %2 Byte.</source>
        <translation>The file %1 is too large: the radio add-on module holds at most %2 bytes.</translation>
    </message>
</context>
<context>
    <name>HcaForm</name>
    <message>
        <source>Fehlerdatum: %1.%2</source>
        <translation>Error date: %1.%2</translation>
    </message>
    <message>
        <source>WMBUS C1</source>
        <translation>WMBUS C1</translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation>WMBUS S1</translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation>Error date:</translation>
    </message>
</context>
<context>
    <name>HcaMessageTexts</name>
    <message>
        <source>Stichtagszählerstand darf nicht größer als der Zählerstand sein!</source>
        <translation>The due-date reading must not be greater than the meter reading!</translation>
    </message>
    <message>
        <source>Geräte ID: keine Nummer, die automatische Erhöhung ist nicht möglich!</source>
        <translation>Device ID: not a number, automatic increment is not possible!</translation>
    </message>
    <message>
        <source>Geräte ID: 99999999 ist die höchste Nummer, die automatische Erhöhung ist nicht möglich!</source>
        <translation>Device ID: 99999999 is the highest number, automatic increment is not possible!</translation>
    </message>
    <message>
        <source>Batterie Jahr: bitte ein Jahr von 2000 bis %1 eingeben!</source>
        <translation>Battery year: please enter a year from 2000 to %1!</translation>
    </message>
    <message>
        <source>Geräteuhr: keine gültige Uhrzeit!</source>
        <translation>Device clock: not a valid time!</translation>
    </message>
    <message>
        <source>Gerätedatum: bitte ein Datum von 2000 bis 2099 wählen!</source>
        <translation>Device date: please choose a date from 2000 to 2099!</translation>
    </message>
    <message>
        <source>AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!</source>
        <translation>AES Key: at most 32 hex digits (0-9, A-F), blanks allowed!</translation>
    </message>
</context>
<context>
    <name>HostDeviceChannel</name>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ParameterFile</name>
    <message>
        <source>Parameterdateien (*.hkv *.HKV)</source>
        <translation>Parameter files (*.hkv *.HKV)</translation>
    </message>
    <message>
        <source>FALKODII-EHKV  Datei:</source>
        <translation>FALKODII-EHKV  file:</translation>
    </message>
    <message>
        <source>Parameterdateien (*.wtm *.WTM)</source>
        <translation>Parameter files (*.wtm *.WTM)</translation>
    </message>
    <message>
        <source>WMBus THermometer  Datei:</source>
        <translation>WMBus THermometer  file:</translation>
    </message>
    <message>
        <source>Parameterdateien (*.waz *.WAZ)</source>
        <translation>Parameter files (*.waz *.WAZ)</translation>
    </message>
    <message>
        <source>Funkaufsatzmodul WZ  Datei:</source>
        <translation>Radio add-on module WZ  file:</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Die Datei hat nicht die erwartete Größe!</source>
        <translation>The file does not have the expected size!</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gespeichert werden: %2</source>
        <translation>The file %1 cannot be saved: %2</translation>
    </message>
</context>
<context>
    <name>TABL_WZBRAMKESTEL</name>
    <message>
        <source>Optische Auslesung Funkaufsatzmodul für Veltrimus Wasserzähler</source>
        <translation>Optical readout of the radio add-on module for Veltrimus water meters</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source> Zählerstand/Verbrauch</source>
        <translation> Meter reading/consumption</translation>
    </message>
    <message>
        <source>Zählerstand:</source>
        <translation>Meter reading:</translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Zählerstand zum:</source>
        <translation>Meter reading on:</translation>
    </message>
    <message>
        <source>Zählerstand zum Stichtag</source>
        <translation>Meter reading on the due date</translation>
    </message>
    <message>
        <source>Verbrauch seit:</source>
        <translation>Consumption since:</translation>
    </message>
    <message>
        <source>Verbrauch seit dem Stichtag</source>
        <translation>Consumption since the due date</translation>
    </message>
    <message>
        <source>Stichmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>letztes Stichdatum: </source>
        <translation>last due date: </translation>
    </message>
    <message>
        <source>Abrechnungszeitraum bis:</source>
        <translation>Billing period until:</translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Softwareversion:</source>
        <translation>Software version:</translation>
    </message>
    <message>
        <source>A C H T U N G !</source>
        <translation>A T T E N T I O N !</translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Monatswerte [m³]</source>
        <translation>Monthly values [m³]</translation>
    </message>
</context>
<context>
    <name>TForm1ParametrierdatenForm</name>
    <message>
        <source>Parametrierdaten</source>
        <translation>Parameter data</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Serien Nr.:</source>
        <translation>Serial no.:</translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>2-Fühler</source>
        <translation>2-sensor</translation>
    </message>
    <message>
        <source>Fernfühler</source>
        <translation>Remote sensor</translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation>Device clock</translation>
    </message>
    <message>
        <source>Tag:</source>
        <translation>Day:</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Monat:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Stunde:</source>
        <translation>Hour:</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>Minute:</source>
        <translation>Minute:</translation>
    </message>
    <message>
        <source>Minute</source>
        <translation>Minute</translation>
    </message>
    <message>
        <source>Sekunde:</source>
        <translation>Second:</translation>
    </message>
    <message>
        <source>Sekunde</source>
        <translation>Second</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>autom. PC Zeit+Zeitzone</source>
        <translation>auto. PC time+time zone</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation>Measurement error</translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Batt. leer</source>
        <translation>Batt. empty</translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation>CS error</translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation>RF error</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation>Error date:</translation>
    </message>
    <message>
        <source>Start und Stichtag</source>
        <translation>Start and due date</translation>
    </message>
    <message>
        <source>Startmonat:</source>
        <translation>Start month:</translation>
    </message>
    <message>
        <source>Startmonat</source>
        <translation>Start month</translation>
    </message>
    <message>
        <source>Start Messung</source>
        <translation>Start measurement</translation>
    </message>
    <message>
        <source>Stichtag Monat:</source>
        <translation>Due-date month:</translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Skala</source>
        <translation>Scale</translation>
    </message>
    <message>
        <source>E-Skala</source>
        <translation>E scale</translation>
    </message>
    <message>
        <source>P-Skala</source>
        <translation>P scale</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1:</translation>
    </message>
    <message>
        <source>K1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2:</translation>
    </message>
    <message>
        <source>K2</source>
        <translation>K2</translation>
    </message>
    <message>
        <source>KQ:</source>
        <translation>KQ:</translation>
    </message>
    <message>
        <source>KQ</source>
        <translation>KQ</translation>
    </message>
    <message>
        <source>Messfreie Monate</source>
        <translation>Months without measurement</translation>
    </message>
    <message>
        <source>messfreie Monate:</source>
        <translation>months without measurement:</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>messfrei Mai</source>
        <translation>no measurement in May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>messfrei Juni</source>
        <translation>no measurement in June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>messfrei Juli</source>
        <translation>no measurement in July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>messfrei August</source>
        <translation>no measurement in August</translation>
    </message>
    <message>
        <source>in Lagermode</source>
        <translation>in storage mode</translation>
    </message>
    <message>
        <source>Funk</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation>Transmission mask</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>W1</source>
        <translation>W1</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>W2</source>
        <translation>W2</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>W3</source>
        <translation>W3</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>W4</source>
        <translation>W4</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>W5</source>
        <translation>W5</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Start [h]:</source>
        <translation>Start [h]:</translation>
    </message>
    <message>
        <source>Start [h]</source>
        <translation>Start [h]</translation>
    </message>
    <message>
        <source>Stop [h]:</source>
        <translation>Stop [h]:</translation>
    </message>
    <message>
        <source>Stop [h]</source>
        <translation>Stop [h]</translation>
    </message>
    <message>
        <source>Zykluszeit [s]:</source>
        <translation>Cycle time [s]:</translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation>Cycle time [s]</translation>
    </message>
    <message>
        <source>Variance [s]:</source>
        <translation>Variance [s]:</translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation>Variance [s]</translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation>WMBUS S1</translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation>WMBUS T1</translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation>short tel.</translation>
    </message>
    <message>
        <source>Funktelegramm</source>
        <translation>Radio telegram</translation>
    </message>
    <message>
        <source>Funk ID ändern</source>
        <translation>Change radio ID</translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation>Radio ID:</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Herst.-Kennung:</source>
        <translation>Manuf. code:</translation>
    </message>
    <message>
        <source>Herst.-Kennung</source>
        <translation>Manuf. code</translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation>Cycle no.:</translation>
    </message>
    <message>
        <source>0</source>
        <translation>0</translation>
    </message>
    <message>
        <source>AES Verschlüsselung</source>
        <translation>AES encryption</translation>
    </message>
    <message>
        <source>AES Mode 7</source>
        <translation>AES Mode 7</translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation>AES KEY:</translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation>AES KEY</translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation>calculated frequencies</translation>
    </message>
    <message>
        <source>Tage pro Jahr:</source>
        <translation>Days per year:</translation>
    </message>
    <message>
        <source>Sendungen pro Jahr:</source>
        <translation>Transmissions per year:</translation>
    </message>
    <message>
        <source>mAh/Jahr</source>
        <translation>mAh/year</translation>
    </message>
    <message>
        <source>mAh/11 Jahre</source>
        <translation>mAh/11 years</translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation>Charge per telegram  in mAs</translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation>max. capacity in mAh</translation>
    </message>
    <message>
        <source>SETUP-VARIANTEN</source>
        <translation>SETUP VARIANTS</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Sende Daten</source>
        <translation>Write data</translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation>Storage mode</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Gesendete Änderungen in Log-Datei speichern.</source>
        <translation>Save written changes to the log file.</translation>
    </message>
    <message>
        <source>ACHTUNG</source>
        <translation>ATTENTION</translation>
    </message>
    <message>
        <source>Überprüfen Sie bitte die Parameter vor dem Senden!</source>
        <translation>Please check the parameters before writing!</translation>
    </message>
    <message>
        <source>Neues Gerät erkannt! Bitte lesen Sie das neue Gerät erst aus bevor Sie Änderungen an den Parametern vornehmen.</source>
        <translation>New device detected! Please read the new device first before you change the parameters.</translation>
    </message>
    <message>
        <source>Bitte tragen Sie für das Setup eine Erklärung / Bezeichnung ein.</source>
        <translation>Please enter an explanation / name for the setup.</translation>
    </message>
    <message>
        <source>Speichern?</source>
        <translation>Save?</translation>
    </message>
</context>
<context>
    <name>TFormAbrechendaten</name>
    <message>
        <source>Abrechendaten EHKV</source>
        <translation>Billing data EHKV</translation>
    </message>
    <message>
        <source>Seriennummer</source>
        <translation>Serial number</translation>
    </message>
    <message>
        <source> Zählerstand/Verbrauch</source>
        <translation> Meter reading/consumption</translation>
    </message>
    <message>
        <source>Zählerstand:</source>
        <translation>Meter reading:</translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Zählerstand zum:</source>
        <translation>Meter reading on:</translation>
    </message>
    <message>
        <source>Zählerstand zum Stichtag</source>
        <translation>Meter reading on the due date</translation>
    </message>
    <message>
        <source>Verbrauch seit:</source>
        <translation>Consumption since:</translation>
    </message>
    <message>
        <source>Verbrauch seit dem Stichtag</source>
        <translation>Consumption since the due date</translation>
    </message>
    <message>
        <source>Verbrauch zum:</source>
        <translation>Consumption on:</translation>
    </message>
    <message>
        <source>Verbrauch zum Stichtag</source>
        <translation>Consumption on the due date</translation>
    </message>
    <message>
        <source>Verbrauch zum Stichtag davor</source>
        <translation>Consumption on the previous due date</translation>
    </message>
    <message>
        <source>Prüfziffer:</source>
        <translation>Check digit:</translation>
    </message>
    <message>
        <source>Prüfziffer</source>
        <translation>Check digit</translation>
    </message>
    <message>
        <source>Stichmonat:</source>
        <translation>Due-date month:</translation>
    </message>
    <message>
        <source>Stichmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>letztes Stichdatum:</source>
        <translation>last due date:</translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Es werden alle Verbrauchswerte und Zählerstände im EHKV gelöscht! Sind Sie sicher?</source>
        <translation>All consumption values and meter readings in the EHKV will be deleted! Are you sure?</translation>
    </message>
    <message>
        <source>A C H T U N G !</source>
        <translation>A T T E N T I O N !</translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Monatswerte</source>
        <translation>Monthly values</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
</context>
<context>
    <name>TFormBestellung</name>
    <message>
        <source>Vergleich zur Bestellung</source>
        <translation>Comparison with the order</translation>
    </message>
    <message>
        <source>Stichtag</source>
        <translation>Due date</translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation>Due-date time</translation>
    </message>
    <message>
        <source>Sticht am letzten des Monats um 24:00 Uhr</source>
        <translation>Due at 24:00 on the last day of the month</translation>
    </message>
    <message>
        <source>Sendemonate</source>
        <translation>Transmission months</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Sendewochen</source>
        <translation>Transmission weeks</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Sendetage</source>
        <translation>Transmission days</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Funkprotokoll</source>
        <translation>Radio protocol</translation>
    </message>
    <message>
        <source>wMBUS S1</source>
        <translation>wMBUS S1</translation>
    </message>
    <message>
        <source>wMBus T1 kurz</source>
        <translation>wMBus T1 short</translation>
    </message>
    <message>
        <source>wMBus T1 lang</source>
        <translation>wMBus T1 long</translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation>AES KEY</translation>
    </message>
    <message>
        <source>Sendeparameter</source>
        <translation>Transmission parameters</translation>
    </message>
    <message>
        <source>MBUS-Herst.-kennung</source>
        <translation>MBUS manuf. code</translation>
    </message>
    <message>
        <source>Sendezeit von</source>
        <translation>Transmission time from</translation>
    </message>
    <message>
        <source>Sendezeit bis</source>
        <translation>Transmission time to</translation>
    </message>
    <message>
        <source>Sendezyklus</source>
        <translation>Transmission cycle</translation>
    </message>
    <message>
        <source>Varianz</source>
        <translation>Variance</translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation>AES KEY:</translation>
    </message>
    <message>
        <source>Zeitzone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>z.B UTC +1h</source>
        <translation>e.g. UTC +1h</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Fühler</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>2-Fühler</source>
        <translation>2-sensor</translation>
    </message>
    <message>
        <source>1-Fühler</source>
        <translation>1-sensor</translation>
    </message>
    <message>
        <source>Fernfühler</source>
        <translation>Remote sensor</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>Fernfühler ja</source>
        <translation>Remote sensor yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Fernfühler nein</source>
        <translation>Remote sensor no</translation>
    </message>
    <message>
        <source>messfreie Monate</source>
        <translation>months without measurement</translation>
    </message>
    <message>
        <source>Funk</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Funk ja</source>
        <translation>Radio yes</translation>
    </message>
    <message>
        <source>Funk nein</source>
        <translation>Radio no</translation>
    </message>
    <message>
        <source>optische Schnittstelle</source>
        <translation>optical interface</translation>
    </message>
    <message>
        <source>optische Schnittstelle ja</source>
        <translation>optical interface yes</translation>
    </message>
    <message>
        <source>optische Schnittstelle nein</source>
        <translation>optical interface no</translation>
    </message>
    <message>
        <source>Startmonat</source>
        <translation>Start month</translation>
    </message>
    <message>
        <source>Beginn der Zählung im ersten Jahr wenn Feld leer, dann Start nach Anbau</source>
        <translation>Start of counting in the first year; if the field is empty, start after mounting</translation>
    </message>
    <message>
        <source>weitere Tests der Parametrierung</source>
        <translation>further tests of the parameter settings</translation>
    </message>
</context>
<context>
    <name>TFormBestellungWZ</name>
    <message>
        <source>Vergleich zur Bestellung</source>
        <translation>Comparison with the order</translation>
    </message>
    <message>
        <source>Stichtag</source>
        <translation>Due date</translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation>Due-date time</translation>
    </message>
    <message>
        <source>Sticht am letzten des Monats um 24:00 Uhr</source>
        <translation>Due at 24:00 on the last day of the month</translation>
    </message>
    <message>
        <source>Sendemonate</source>
        <translation>Transmission months</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Sendewochen</source>
        <translation>Transmission weeks</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Sendetage</source>
        <translation>Transmission days</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Funkprotokoll</source>
        <translation>Radio protocol</translation>
    </message>
    <message>
        <source>wMBUS S1</source>
        <translation>wMBUS S1</translation>
    </message>
    <message>
        <source>wMBus T1 kurz</source>
        <translation>wMBus T1 short</translation>
    </message>
    <message>
        <source>wMBus T1 lang</source>
        <translation>wMBus T1 long</translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation>AES KEY</translation>
    </message>
    <message>
        <source>Sendeparameter</source>
        <translation>Transmission parameters</translation>
    </message>
    <message>
        <source>MBUS-Herst.-kennung</source>
        <translation>MBUS manuf. code</translation>
    </message>
    <message>
        <source>Sendezeit von</source>
        <translation>Transmission time from</translation>
    </message>
    <message>
        <source>Sendezeit bis</source>
        <translation>Transmission time to</translation>
    </message>
    <message>
        <source>Sendezyklus</source>
        <translation>Transmission cycle</translation>
    </message>
    <message>
        <source>Varianz</source>
        <translation>Variance</translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation>AES KEY:</translation>
    </message>
    <message>
        <source>Zeitzone</source>
        <translation>Time zone</translation>
    </message>
    <message>
        <source>z.B UTC +1h</source>
        <translation>e.g. UTC +1h</translation>
    </message>
</context>
<context>
    <name>TFormBootLoader</name>
    <message>
        <source>Software Update</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>Firmware:</source>
        <translation>Firmware:</translation>
    </message>
    <message>
        <source>Anzahl Byte:</source>
        <translation>Number of bytes:</translation>
    </message>
    <message>
        <source>übertragene Byte:</source>
        <translation>Bytes transferred:</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>Antwort des Bootloaders</source>
        <translation>Bootloader response</translation>
    </message>
    <message>
        <source>Flash Firmware</source>
        <translation>Flash Firmware</translation>
    </message>
    <message>
        <source>GET CRC</source>
        <translation>GET CRC</translation>
    </message>
    <message>
        <source>REBOOT</source>
        <translation>REBOOT</translation>
    </message>
    <message>
        <source>START APP</source>
        <translation>START APP</translation>
    </message>
</context>
<context>
    <name>TFormSetup</name>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Optokopf SETUP</source>
        <translation>Optical head SETUP</translation>
    </message>
    <message>
        <source>&amp;Zeitzone (h):</source>
        <translation>&amp;Time zone (h):</translation>
    </message>
    <message>
        <source>Zeitzone (h)</source>
        <translation>Time zone (h)</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Schnittstelle Optokopf</source>
        <translation>Optical head interface</translation>
    </message>
    <message>
        <source>Wireless M-BUS SETUP</source>
        <translation>Wireless M-BUS SETUP</translation>
    </message>
    <message>
        <source>Schnittstelle Empfänger</source>
        <translation>Receiver interface</translation>
    </message>
    <message>
        <source>&amp;Empfänger:</source>
        <translation>&amp;Receiver:</translation>
    </message>
    <message>
        <source>Empfänger</source>
        <translation>Receiver</translation>
    </message>
    <message>
        <source>Bild des Empfängers</source>
        <translation>Picture of the receiver</translation>
    </message>
    <message>
        <source>automatisch bei Programmstart Route laden</source>
        <translation>load route automatically at program start</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Route wählen</source>
        <translation>Choose route</translation>
    </message>
    <message>
        <source>Nur neuste Daten Loggen</source>
        <translation>Log only the latest data</translation>
    </message>
    <message>
        <source>&amp;Programmstart mit:</source>
        <translation>&amp;Start program with:</translation>
    </message>
    <message>
        <source>Programmstart mit</source>
        <translation>Start program with</translation>
    </message>
    <message>
        <source>Verzeichnis zum Speichern der formatierten Export csv&apos;s:</source>
        <translation>Folder for saving the formatted export CSV files:</translation>
    </message>
    <message>
        <source>Dir</source>
        <translation>Dir</translation>
    </message>
    <message>
        <source>Exportverzeichnis wählen</source>
        <translation>Choose export folder</translation>
    </message>
    <message>
        <source>Zeitzone:</source>
        <translation>Time zone:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbruch</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>TGDHKVForm</name>
    <message>
        <source>Gerätedaten FALKOII</source>
        <translation>Device data FALKOII</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation>Radio ID:</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Serien Nr.:</source>
        <translation>Serial no.:</translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Batterie bis Monat:</source>
        <translation>Battery until month:</translation>
    </message>
    <message>
        <source>Batterie bis Monat</source>
        <translation>Battery until month</translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>keine Geräte ID &amp;&amp; Batt.lebenszeit überschreiben</source>
        <translation>do not overwrite device ID &amp;&amp; batt. lifetime</translation>
    </message>
    <message>
        <source>autom. Geräte ID Erhöhung</source>
        <translation>auto. device ID increment</translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation>Device clock</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>PC-Zeit beim Senden übernehmen</source>
        <translation>Use PC time when writing</translation>
    </message>
    <message>
        <source>Start und Stichtag</source>
        <translation>Start and due date</translation>
    </message>
    <message>
        <source>Startmonat:</source>
        <translation>Start month:</translation>
    </message>
    <message>
        <source>Startmonat</source>
        <translation>Start month</translation>
    </message>
    <message>
        <source>Stichtagsmonat:</source>
        <translation>Due-date month:</translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>Stichtagswert:</source>
        <translation>Due-date value:</translation>
    </message>
    <message>
        <source>monatlich</source>
        <translation>monthly</translation>
    </message>
    <message>
        <source>jährlich</source>
        <translation>yearly</translation>
    </message>
    <message>
        <source>Stichdatum:</source>
        <translation>Due date:</translation>
    </message>
    <message>
        <source>0.0.2000</source>
        <translation>0.0.2000</translation>
    </message>
    <message>
        <source>Skala und Fühler</source>
        <translation>Scale and sensors</translation>
    </message>
    <message>
        <source>E-Skala</source>
        <translation>E scale</translation>
    </message>
    <message>
        <source>P-Skala</source>
        <translation>P scale</translation>
    </message>
    <message>
        <source>K1:</source>
        <translation>K1:</translation>
    </message>
    <message>
        <source>K1</source>
        <translation>K1</translation>
    </message>
    <message>
        <source>K2:</source>
        <translation>K2:</translation>
    </message>
    <message>
        <source>K2</source>
        <translation>K2</translation>
    </message>
    <message>
        <source>KQ:</source>
        <translation>KQ:</translation>
    </message>
    <message>
        <source>KQ</source>
        <translation>KQ</translation>
    </message>
    <message>
        <source>DeltaT [1/10 K]:</source>
        <translation>DeltaT [1/10 K]:</translation>
    </message>
    <message>
        <source>DeltaT [1/10 K]</source>
        <translation>DeltaT [1/10 K]</translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]:</source>
        <translation>Correction value [1/100 K]:</translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]</source>
        <translation>Correction value [1/100 K]</translation>
    </message>
    <message>
        <source>Korrekturwert Editieren</source>
        <translation>Edit correction value</translation>
    </message>
    <message>
        <source>2-Fühler</source>
        <translation>2-sensor</translation>
    </message>
    <message>
        <source>Fernfühler</source>
        <translation>Remote sensor</translation>
    </message>
    <message>
        <source>Verbrauchswerte und Temperaturen</source>
        <translation>Consumption values and temperatures</translation>
    </message>
    <message>
        <source>Zählerstand:</source>
        <translation>Meter reading:</translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Zählerstand Stichtag:</source>
        <translation>Meter reading at due date:</translation>
    </message>
    <message>
        <source>Zählerstand Stichtag</source>
        <translation>Meter reading at due date</translation>
    </message>
    <message>
        <source>Verbrauch Stichtag:</source>
        <translation>Consumption at due date:</translation>
    </message>
    <message>
        <source>Verbrauch Stichtag</source>
        <translation>Consumption at due date</translation>
    </message>
    <message>
        <source>Verbrauch Vorstichtag:</source>
        <translation>Consumption at previous due date:</translation>
    </message>
    <message>
        <source>Verbrauch Vorstichtag</source>
        <translation>Consumption at previous due date</translation>
    </message>
    <message>
        <source>Prüfziffer Verbrauch:</source>
        <translation>Consumption check digit:</translation>
    </message>
    <message>
        <source>Prüfziffer Verbrauch</source>
        <translation>Consumption check digit</translation>
    </message>
    <message>
        <source>Heizkörper °C:</source>
        <translation>Radiator °C:</translation>
    </message>
    <message>
        <source>Heizkörper °C</source>
        <translation>Radiator °C</translation>
    </message>
    <message>
        <source>Raum °C:</source>
        <translation>Room °C:</translation>
    </message>
    <message>
        <source>Raum °C</source>
        <translation>Room °C</translation>
    </message>
    <message>
        <source>max. Heizkörper °C:</source>
        <translation>max. radiator °C:</translation>
    </message>
    <message>
        <source>max. Heizkörper °C</source>
        <translation>max. radiator °C</translation>
    </message>
    <message>
        <source>Fehlerdatum: 0.0</source>
        <translation>Error date: 0.0</translation>
    </message>
    <message>
        <source>Monatswerte</source>
        <translation>Monthly values</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Mon.</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sendemonat</source>
        <translation>Transmission month</translation>
    </message>
    <message>
        <source>Sendetag</source>
        <translation>Transmission day</translation>
    </message>
    <message>
        <source>Sendewoche</source>
        <translation>Transmission week</translation>
    </message>
    <message>
        <source>Sendestunde</source>
        <translation>Transmission hour</translation>
    </message>
    <message>
        <source>Fenster offen</source>
        <translation>Window open</translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation>Measurement error</translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Batt. leer</source>
        <translation>Batt. empty</translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation>CS error</translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation>RF error</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>mit Update Funkfenster</source>
        <translation>with radio window update</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>messfreie Monate:</source>
        <translation>months without measurement:</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>messfrei Mai</source>
        <translation>no measurement in May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>messfrei Juni</source>
        <translation>no measurement in June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>messfrei Juli</source>
        <translation>no measurement in July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>messfrei August</source>
        <translation>no measurement in August</translation>
    </message>
    <message>
        <source>AES Verschlüsselung</source>
        <translation>AES encryption</translation>
    </message>
    <message>
        <source>AES Mode 7</source>
        <translation>AES Mode 7</translation>
    </message>
    <message>
        <source>Start Messung</source>
        <translation>Start measurement</translation>
    </message>
    <message>
        <source>Test Uhr min=sec</source>
        <translation>Test clock min=sec</translation>
    </message>
    <message>
        <source>LCD immer an</source>
        <translation>LCD always on</translation>
    </message>
    <message>
        <source>Sonderanzeigen</source>
        <translation>Special displays</translation>
    </message>
    <message>
        <source>Sonderanzeige:</source>
        <translation>Special display:</translation>
    </message>
    <message>
        <source>Zeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>Befehl an das Gerät:</source>
        <translation>Command to the device:</translation>
    </message>
    <message>
        <source>Arbeitsmodus</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>Strommessung</source>
        <translation>Current measurement</translation>
    </message>
    <message>
        <source>Lager</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>Test-Mode</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>Sensorabgleich</source>
        <translation>Sensor calibration</translation>
    </message>
    <message>
        <source>Funk Träger AN</source>
        <translation>Radio carrier ON</translation>
    </message>
    <message>
        <source>Funk</source>
        <translation>Radio</translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation>Transmission mask</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>W1</source>
        <translation>W1</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>W2</source>
        <translation>W2</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>W3</source>
        <translation>W3</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>W4</source>
        <translation>W4</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>W5</source>
        <translation>W5</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Start [h]:</source>
        <translation>Start [h]:</translation>
    </message>
    <message>
        <source>Start [h]</source>
        <translation>Start [h]</translation>
    </message>
    <message>
        <source>Stop [h]:</source>
        <translation>Stop [h]:</translation>
    </message>
    <message>
        <source>Stop [h]</source>
        <translation>Stop [h]</translation>
    </message>
    <message>
        <source>Zykluszeit [s]:</source>
        <translation>Cycle time [s]:</translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation>Cycle time [s]</translation>
    </message>
    <message>
        <source>Variance [s]:</source>
        <translation>Variance [s]:</translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation>Variance [s]</translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation>WMBUS S1</translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation>WMBUS T1</translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation>short tel.</translation>
    </message>
    <message>
        <source>Funktelegramm</source>
        <translation>Radio telegram</translation>
    </message>
    <message>
        <source>Herst.-Kennung:</source>
        <translation>Manuf. code:</translation>
    </message>
    <message>
        <source>Herst.-Kennung</source>
        <translation>Manuf. code</translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation>Cycle no.:</translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation>AES KEY:</translation>
    </message>
    <message>
        <source>AES dynam.</source>
        <translation>AES dynam.</translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation>AES KEY</translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation>calculated frequencies</translation>
    </message>
    <message>
        <source>Sendetage/Jahr:</source>
        <translation>Transmission days/year:</translation>
    </message>
    <message>
        <source>Sendetage/Jahr</source>
        <translation>Transmission days/year</translation>
    </message>
    <message>
        <source>Telegramme/Jahr:</source>
        <translation>Telegrams/year:</translation>
    </message>
    <message>
        <source>Telegramme/Jahr</source>
        <translation>Telegrams/year</translation>
    </message>
    <message>
        <source>mAh in 1 Jahr:</source>
        <translation>mAh in 1 year:</translation>
    </message>
    <message>
        <source>950,56</source>
        <translation>950,56</translation>
    </message>
    <message>
        <source>mAh in 1 Jahr</source>
        <translation>mAh in 1 year</translation>
    </message>
    <message>
        <source>mAh in 11 Jahren:</source>
        <translation>mAh in 11 years:</translation>
    </message>
    <message>
        <source>10456,16</source>
        <translation>10456,16</translation>
    </message>
    <message>
        <source>mAh in 11 Jahren</source>
        <translation>mAh in 11 years</translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation>Charge per telegram  in mAs</translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation>max. capacity in mAh</translation>
    </message>
    <message>
        <source>Gerätedaten</source>
        <translation>Device data</translation>
    </message>
    <message>
        <source>&gt;&gt;Hole Daten</source>
        <translation>&gt;&gt;Read data</translation>
    </message>
    <message>
        <source>&lt;&lt;Sende Daten</source>
        <translation>&lt;&lt;Write data</translation>
    </message>
    <message>
        <source>Voreinst.</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Bestell Check</source>
        <translation>Order check</translation>
    </message>
    <message>
        <source>Servicebefehle</source>
        <translation>Service commands</translation>
    </message>
    <message>
        <source>Sendet sofort ein Wireless M-Bus Telegramm; schaltet auch einen laufenden Träger ab</source>
        <translation>Sends a wireless M-Bus telegram at once; also switches off a running carrier</translation>
    </message>
    <message>
        <source>Sende WMBus</source>
        <translation>Send WMBus</translation>
    </message>
    <message>
        <source>Displaytest: alle Segmente &quot;IIIIIIII&quot;</source>
        <translation>Display test: all segments &quot;IIIIIIII&quot;</translation>
    </message>
    <message>
        <source>LCD TEST</source>
        <translation>LCD TEST</translation>
    </message>
    <message>
        <source>Sensorabgleich-Modus</source>
        <translation>Sensor calibration mode</translation>
    </message>
    <message>
        <source>Sens.abgleich</source>
        <translation>Sens. calib.</translation>
    </message>
    <message>
        <source>Dauerträger senden</source>
        <translation>Transmit continuous carrier</translation>
    </message>
    <message>
        <source>Sende Träger</source>
        <translation>Send carrier</translation>
    </message>
    <message>
        <source>Lagermodus: keine Messung, kein Funk, die Anzeige blinkt nach einem Tastendruck 1 h</source>
        <translation>Storage mode: no measurement, no radio; after a key press the display flashes for 1 h</translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation>Storage mode</translation>
    </message>
    <message>
        <source>Schlafmodus für die Strommessung</source>
        <translation>Sleep mode for current measurement</translation>
    </message>
    <message>
        <source>I-Mess-Mode</source>
        <translation>I-meas. mode</translation>
    </message>
    <message>
        <source>Sensortest</source>
        <translation>Sensor test</translation>
    </message>
    <message>
        <source>Eine Messung; das Gerät antwortet mit seinen Timerwerten</source>
        <translation>One measurement; the device answers with its timer values</translation>
    </message>
    <message>
        <source>Teste Sensoren</source>
        <translation>Test sensors</translation>
    </message>
    <message>
        <source>Referenz:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation>Sensor 1:</translation>
    </message>
    <message>
        <source>Sensor 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Sensor 2:</translation>
    </message>
    <message>
        <source>Sensor 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Gesendet:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>Gesendet</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Empfangen:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation>Received</translation>
    </message>
</context>
<context>
    <name>TGDTHERMOForm</name>
    <message>
        <source>Gerätedaten WMBus Therm</source>
        <translation>Device data WMBus Therm</translation>
    </message>
    <message>
        <source>Gerät</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation>Radio ID:</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Serien Nr.:</source>
        <translation>Serial no.:</translation>
    </message>
    <message>
        <source>Serien Nr.</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Batterie bis Monat:</source>
        <translation>Battery until month:</translation>
    </message>
    <message>
        <source>Batterie bis Monat</source>
        <translation>Battery until month</translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>keine Geräte ID &amp;&amp; Batt.lebenszeit überschreiben</source>
        <translation>do not overwrite device ID &amp;&amp; batt. lifetime</translation>
    </message>
    <message>
        <source>autom. Geräte ID Erhöhung</source>
        <translation>auto. device ID increment</translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation>Device clock</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>Sonnabend</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>PC-Zeit beim Senden übernehmen</source>
        <translation>Use PC time when writing</translation>
    </message>
    <message>
        <source>Fühler</source>
        <translation>Sensors</translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]:</source>
        <translation>Correction value [1/100 K]:</translation>
    </message>
    <message>
        <source>Korrekturwert [1/100 K]</source>
        <translation>Correction value [1/100 K]</translation>
    </message>
    <message>
        <source>Korrekturwert Editieren</source>
        <translation>Edit correction value</translation>
    </message>
    <message>
        <source>Anzeige Raumfühler</source>
        <translation>Display room sensor</translation>
    </message>
    <message>
        <source>Temperaturen</source>
        <translation>Temperatures</translation>
    </message>
    <message>
        <source>°C max. Temperatur Raumfühler am Tag:</source>
        <translation>°C max. room sensor temperature of the day:</translation>
    </message>
    <message>
        <source>max. Temperatur Raumfühler am Tag</source>
        <translation>max. room sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C max. Temperatur Wandfühler am Tag:</source>
        <translation>°C max. wall sensor temperature of the day:</translation>
    </message>
    <message>
        <source>max. Temperatur Wandfühler am Tag</source>
        <translation>max. wall sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C min. Temperatur Raumfühler am Tag:</source>
        <translation>°C min. room sensor temperature of the day:</translation>
    </message>
    <message>
        <source>min. Temperatur Raumfühler am Tag</source>
        <translation>min. room sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C min. Temperatur Wandfühler am Tag:</source>
        <translation>°C min. wall sensor temperature of the day:</translation>
    </message>
    <message>
        <source>min. Temperatur Wandfühler am Tag</source>
        <translation>min. wall sensor temperature of the day</translation>
    </message>
    <message>
        <source>°C Temperatur Wandfühler:</source>
        <translation>°C wall sensor temperature:</translation>
    </message>
    <message>
        <source>Temperatur Wandfühler</source>
        <translation>Wall sensor temperature</translation>
    </message>
    <message>
        <source>°C Temperatur Raumfühler:</source>
        <translation>°C room sensor temperature:</translation>
    </message>
    <message>
        <source>Temperatur Raumfühler</source>
        <translation>Room sensor temperature</translation>
    </message>
    <message>
        <source>Fehlerdatum: 0.0</source>
        <translation>Error date: 0.0</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Sendemonat</source>
        <translation>Transmission month</translation>
    </message>
    <message>
        <source>Sendetag</source>
        <translation>Transmission day</translation>
    </message>
    <message>
        <source>Sendewoche</source>
        <translation>Transmission week</translation>
    </message>
    <message>
        <source>Sendestunde</source>
        <translation>Transmission hour</translation>
    </message>
    <message>
        <source>Fenster offen</source>
        <translation>Window open</translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation>Measurement error</translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Batt. leer</source>
        <translation>Batt. empty</translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation>CS error</translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation>RF error</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>mit Update Funkfenster</source>
        <translation>with radio window update</translation>
    </message>
    <message>
        <source>Modus</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>AES Verschlüsselung</source>
        <translation>AES encryption</translation>
    </message>
    <message>
        <source>Test Uhr min=sec</source>
        <translation>Test clock min=sec</translation>
    </message>
    <message>
        <source>LCD immer an</source>
        <translation>LCD always on</translation>
    </message>
    <message>
        <source>Befehl an das Gerät:</source>
        <translation>Command to the device:</translation>
    </message>
    <message>
        <source>Arbeitsmodus</source>
        <translation>Operating mode</translation>
    </message>
    <message>
        <source>Strommessung</source>
        <translation>Current measurement</translation>
    </message>
    <message>
        <source>Lager</source>
        <translation>Storage</translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>Test-Mode</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>Sensorabgleich</source>
        <translation>Sensor calibration</translation>
    </message>
    <message>
        <source>Funk Träger AN</source>
        <translation>Radio carrier ON</translation>
    </message>
    <message>
        <source>mit Funk</source>
        <translation>with radio</translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation>Transmission mask</translation>
    </message>
    <message>
        <source>Jan</source>
        <translation>Jan</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Feb</source>
        <translation>Feb</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>Mär</source>
        <translation>Mar</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>Apr</source>
        <translation>Apr</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Jun</source>
        <translation>Jun</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Jul</source>
        <translation>Jul</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>Aug</source>
        <translation>Aug</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>Sep</source>
        <translation>Sep</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Okt</source>
        <translation>Oct</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>Nov</source>
        <translation>Nov</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dez</source>
        <translation>Dec</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>W1</source>
        <translation>W1</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>W2</source>
        <translation>W2</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>W3</source>
        <translation>W3</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>W4</source>
        <translation>W4</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>W5</source>
        <translation>W5</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Start [h]:</source>
        <translation>Start [h]:</translation>
    </message>
    <message>
        <source>Start [h]</source>
        <translation>Start [h]</translation>
    </message>
    <message>
        <source>Stop [h]:</source>
        <translation>Stop [h]:</translation>
    </message>
    <message>
        <source>Stop [h]</source>
        <translation>Stop [h]</translation>
    </message>
    <message>
        <source>Zykluszeit [s]:</source>
        <translation>Cycle time [s]:</translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation>Cycle time [s]</translation>
    </message>
    <message>
        <source>Variance [s]:</source>
        <translation>Variance [s]:</translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation>Variance [s]</translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation>WMBUS S1</translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation>WMBUS T1</translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation>short tel.</translation>
    </message>
    <message>
        <source>Funktelegramm</source>
        <translation>Radio telegram</translation>
    </message>
    <message>
        <source>Herst.-Kennung:</source>
        <translation>Manuf. code:</translation>
    </message>
    <message>
        <source>Herst.-Kennung</source>
        <translation>Manuf. code</translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation>Cycle no.:</translation>
    </message>
    <message>
        <source>AES KEY:</source>
        <translation>AES KEY:</translation>
    </message>
    <message>
        <source>AES dynam.</source>
        <translation>AES dynam.</translation>
    </message>
    <message>
        <source>AES KEY</source>
        <translation>AES KEY</translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation>calculated frequencies</translation>
    </message>
    <message>
        <source>Sendetage/Jahr:</source>
        <translation>Transmission days/year:</translation>
    </message>
    <message>
        <source>Sendetage/Jahr</source>
        <translation>Transmission days/year</translation>
    </message>
    <message>
        <source>Telegramme/Jahr:</source>
        <translation>Telegrams/year:</translation>
    </message>
    <message>
        <source>Telegramme/Jahr</source>
        <translation>Telegrams/year</translation>
    </message>
    <message>
        <source>mAh in 1 Jahr:</source>
        <translation>mAh in 1 year:</translation>
    </message>
    <message>
        <source>950,56</source>
        <translation>950,56</translation>
    </message>
    <message>
        <source>mAh in 1 Jahr</source>
        <translation>mAh in 1 year</translation>
    </message>
    <message>
        <source>mAh in 11 Jahren:</source>
        <translation>mAh in 11 years:</translation>
    </message>
    <message>
        <source>10456,16</source>
        <translation>10456,16</translation>
    </message>
    <message>
        <source>mAh in 11 Jahren</source>
        <translation>mAh in 11 years</translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation>Charge per telegram  in mAs</translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation>max. capacity in mAh</translation>
    </message>
    <message>
        <source>Gerätedaten</source>
        <translation>Device data</translation>
    </message>
    <message>
        <source>&gt;&gt;Hole Daten</source>
        <translation>&gt;&gt;Read data</translation>
    </message>
    <message>
        <source>&lt;&lt;Sende Daten</source>
        <translation>&lt;&lt;Write data</translation>
    </message>
    <message>
        <source>Voreinst.</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Servicebefehle</source>
        <translation>Service commands</translation>
    </message>
    <message>
        <source>Sendet sofort ein Wireless M-Bus Telegramm; schaltet auch einen laufenden Träger ab</source>
        <translation>Sends a wireless M-Bus telegram at once; also switches off a running carrier</translation>
    </message>
    <message>
        <source>Sende WMBus</source>
        <translation>Send WMBus</translation>
    </message>
    <message>
        <source>Displaytest: alle Segmente &quot;IIIIIIII&quot;</source>
        <translation>Display test: all segments &quot;IIIIIIII&quot;</translation>
    </message>
    <message>
        <source>LCD TEST</source>
        <translation>LCD TEST</translation>
    </message>
    <message>
        <source>Sensorabgleich-Modus</source>
        <translation>Sensor calibration mode</translation>
    </message>
    <message>
        <source>Sens.abgleich</source>
        <translation>Sens. calib.</translation>
    </message>
    <message>
        <source>Dauerträger senden</source>
        <translation>Transmit continuous carrier</translation>
    </message>
    <message>
        <source>Sende Träger</source>
        <translation>Send carrier</translation>
    </message>
    <message>
        <source>Lagermodus: keine Messung, kein Funk, die Anzeige blinkt nach einem Tastendruck 1 h</source>
        <translation>Storage mode: no measurement, no radio; after a key press the display flashes for 1 h</translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation>Storage mode</translation>
    </message>
    <message>
        <source>Schlafmodus für die Strommessung</source>
        <translation>Sleep mode for current measurement</translation>
    </message>
    <message>
        <source>I-Mess-Mode</source>
        <translation>I-meas. mode</translation>
    </message>
    <message>
        <source>Sensortest</source>
        <translation>Sensor test</translation>
    </message>
    <message>
        <source>Eine Messung; das Gerät antwortet mit seinen Timerwerten</source>
        <translation>One measurement; the device answers with its timer values</translation>
    </message>
    <message>
        <source>Teste Sensoren</source>
        <translation>Test sensors</translation>
    </message>
    <message>
        <source>Referenz:</source>
        <translation>Reference:</translation>
    </message>
    <message>
        <source>Referenz</source>
        <translation>Reference</translation>
    </message>
    <message>
        <source>Sensor 1:</source>
        <translation>Sensor 1:</translation>
    </message>
    <message>
        <source>Sensor 1</source>
        <translation>Sensor 1</translation>
    </message>
    <message>
        <source>Sensor 2:</source>
        <translation>Sensor 2:</translation>
    </message>
    <message>
        <source>Sensor 2</source>
        <translation>Sensor 2</translation>
    </message>
    <message>
        <source>Protokoll</source>
        <translation>Log</translation>
    </message>
    <message>
        <source>Gesendet:</source>
        <translation>Sent:</translation>
    </message>
    <message>
        <source>Gesendet</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>Empfangen:</source>
        <translation>Received:</translation>
    </message>
    <message>
        <source>Empfangen</source>
        <translation>Received</translation>
    </message>
</context>
<context>
    <name>TGDWZBRAM</name>
    <message>
        <source>Geräte- und Parameterdaten Funkaufsatzmodul für Veltrimus Wasserzähler</source>
        <translation>Device and parameter data of the radio add-on module for Veltrimus water meters</translation>
    </message>
    <message>
        <source>ID&apos;s</source>
        <translation>IDs</translation>
    </message>
    <message>
        <source>SerienNr:</source>
        <translation>Serial no.:</translation>
    </message>
    <message>
        <source>SerienNr</source>
        <translation>Serial no.</translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation>Radio ID:</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Fehlerbits</source>
        <translation>Error bits</translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation>Measurement error</translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Low Batt</source>
        <translation>Low Batt</translation>
    </message>
    <message>
        <source>CS Fehler</source>
        <translation>CS error</translation>
    </message>
    <message>
        <source>HF Fehler</source>
        <translation>RF error</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Stillstand</source>
        <translation>Standstill</translation>
    </message>
    <message>
        <source>Rückfluss</source>
        <translation>Backflow</translation>
    </message>
    <message>
        <source>Leck</source>
        <translation>Leak</translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation>Error date:</translation>
    </message>
    <message>
        <source>Batt.Lebenszeit</source>
        <translation>Batt. lifetime</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Geräteuhr</source>
        <translation>Device clock</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Geräteoptionen</source>
        <translation>Device options</translation>
    </message>
    <message>
        <source>Start Aktivierung</source>
        <translation>Start of activation</translation>
    </message>
    <message>
        <source>Rückflussgrenze [l]</source>
        <translation>Backflow limit [l]</translation>
    </message>
    <message>
        <source>max. Stillstand [Tage]</source>
        <translation>max. standstill [days]</translation>
    </message>
    <message>
        <source>Liter pro Umdrehung</source>
        <translation>Litres per revolution</translation>
    </message>
    <message>
        <source>Anlaufdurchfluss [l/h]</source>
        <translation>Starting flow [l/h]</translation>
    </message>
    <message>
        <source>max. Leckstunden</source>
        <translation>max. leak hours</translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation>Transmission mask</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Sendefenster am Tag</source>
        <translation>Daily transmission window</translation>
    </message>
    <message>
        <source>Startzeit [h]</source>
        <translation>Start time [h]</translation>
    </message>
    <message>
        <source>Stopzeit [h]</source>
        <translation>Stop time [h]</translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation>Cycle time [s]</translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation>Variance [s]</translation>
    </message>
    <message>
        <source>SFenster Ergebn.</source>
        <translation>Tx window result</translation>
    </message>
    <message>
        <source>Tag</source>
        <translation>Day</translation>
    </message>
    <message>
        <source>Woche</source>
        <translation>Week</translation>
    </message>
    <message>
        <source>Stunde</source>
        <translation>Hour</translation>
    </message>
    <message>
        <source>EN Fenster</source>
        <translation>EN window</translation>
    </message>
    <message>
        <source>Protokoll-Typ</source>
        <translation>Protocol type</translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation>WMBUS S1</translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation>WMBUS T1</translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation>short tel.</translation>
    </message>
    <message>
        <source>Hersteller:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Hersteller</source>
        <translation>Manufacturer</translation>
    </message>
    <message>
        <source>SW Version:</source>
        <translation>SW version:</translation>
    </message>
    <message>
        <source>Zyklus Nr.:</source>
        <translation>Cycle no.:</translation>
    </message>
    <message>
        <source>AES Key:</source>
        <translation>AES Key:</translation>
    </message>
    <message>
        <source>AES</source>
        <translation>AES</translation>
    </message>
    <message>
        <source>Auto AES</source>
        <translation>Auto AES</translation>
    </message>
    <message>
        <source>AES Key</source>
        <translation>AES Key</translation>
    </message>
    <message>
        <source>berechnete Häufigkeiten</source>
        <translation>calculated frequencies</translation>
    </message>
    <message>
        <source>Sendetage pro Jahr:</source>
        <translation>Transmission days per year:</translation>
    </message>
    <message>
        <source>Telegramme pro Jahr:</source>
        <translation>Telegrams per year:</translation>
    </message>
    <message>
        <source>mAh pro Jahr:</source>
        <translation>mAh per year:</translation>
    </message>
    <message>
        <source>mAh in 12 Jahren:</source>
        <translation>mAh in 12 years:</translation>
    </message>
    <message>
        <source>Ladungsmenge pro Telegramm  in mAs</source>
        <translation>Charge per telegram  in mAs</translation>
    </message>
    <message>
        <source>max. Kapazität in mAh</source>
        <translation>max. capacity in mAh</translation>
    </message>
    <message>
        <source>Zählerstände/Verbräuche</source>
        <translation>Meter readings/consumption</translation>
    </message>
    <message>
        <source>Zählerstand [m³]</source>
        <translation>Meter reading [m³]</translation>
    </message>
    <message>
        <source>Stichtagszählerstand [m³]</source>
        <translation>Due-date reading [m³]</translation>
    </message>
    <message>
        <source>Stichdatum:</source>
        <translation>Due date:</translation>
    </message>
    <message>
        <source>Temperatur [°C]</source>
        <translation>Temperature [°C]</translation>
    </message>
    <message>
        <source>Stichtag Monat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation>Due-date time</translation>
    </message>
    <message>
        <source>Monatlich</source>
        <translation>Monthly</translation>
    </message>
    <message>
        <source>Jährlich</source>
        <translation>Yearly</translation>
    </message>
    <message>
        <source>Gespeicherte Historie</source>
        <translation>Stored history</translation>
    </message>
    <message>
        <source>Hole Historie</source>
        <translation>Read history</translation>
    </message>
    <message>
        <source>Optionale Kommandos</source>
        <translation>Optional commands</translation>
    </message>
    <message>
        <source>TS1</source>
        <translation>TS1</translation>
    </message>
    <message>
        <source>TS2</source>
        <translation>TS2</translation>
    </message>
    <message>
        <source>Funk Enable</source>
        <translation>Radio enable</translation>
    </message>
    <message>
        <source>Testmode</source>
        <translation>Test mode</translation>
    </message>
    <message>
        <source>Sensortest</source>
        <translation>Sensor test</translation>
    </message>
    <message>
        <source>Funktest</source>
        <translation>Radio test</translation>
    </message>
    <message>
        <source>Messdaten Ausgabe</source>
        <translation>Measurement data output</translation>
    </message>
    <message>
        <source>LED Puls</source>
        <translation>LED pulse</translation>
    </message>
    <message>
        <source>LED Senden</source>
        <translation>LED transmit</translation>
    </message>
    <message>
        <source>LED AUS</source>
        <translation>LED OFF</translation>
    </message>
    <message>
        <source>Optionen und Verhalten dieses Fensters</source>
        <translation>Options and behaviour of this window</translation>
    </message>
    <message>
        <source>autom.Zeit Aktualisierung</source>
        <translation>auto. time update</translation>
    </message>
    <message>
        <source>autom. Geräte ID Erhöhung</source>
        <translation>auto. device ID increment</translation>
    </message>
    <message>
        <source>keine Geräte ID &amp;&amp; Batt.lebenszeit überschreiben</source>
        <translation>do not overwrite device ID &amp;&amp; batt. lifetime</translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Sende Daten</source>
        <translation>Write data</translation>
    </message>
    <message>
        <source>Voreinst.</source>
        <translation>Presets</translation>
    </message>
    <message>
        <source>Bestell Check</source>
        <translation>Order check</translation>
    </message>
    <message>
        <source>Sende WMBus</source>
        <translation>Send WMBus</translation>
    </message>
    <message>
        <source>Sende Träger</source>
        <translation>Send carrier</translation>
    </message>
    <message>
        <source>Messdaten AN</source>
        <translation>Measurement data ON</translation>
    </message>
    <message>
        <source>Messdaten AUS</source>
        <translation>Measurement data OFF</translation>
    </message>
    <message>
        <source>LED Radio</source>
        <translation>LED Radio</translation>
    </message>
    <message>
        <source>LED Pulse</source>
        <translation>LED Pulse</translation>
    </message>
    <message>
        <source>LED Aus</source>
        <translation>LED Off</translation>
    </message>
    <message>
        <source>Sende Pulsfolge</source>
        <translation>Send pulse train</translation>
    </message>
    <message>
        <source>Aktivierung</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>BootLoader</source>
        <translation>BootLoader</translation>
    </message>
    <message>
        <source>Terminal</source>
        <translation>Terminal</translation>
    </message>
    <message>
        <source>TxTerminal:</source>
        <translation>TxTerminal:</translation>
    </message>
    <message>
        <source>TxTerminal</source>
        <translation>TxTerminal</translation>
    </message>
    <message>
        <source>RxTerminal:</source>
        <translation>RxTerminal:</translation>
    </message>
    <message>
        <source>RxTerminal</source>
        <translation>RxTerminal</translation>
    </message>
</context>
<context>
    <name>TPDWZBRAM</name>
    <message>
        <source>Geräte- und Parameterdaten Funkaufsatzmodul für Veltrimus Wasserzähler</source>
        <translation>Device and parameter data of the radio add-on module for Veltrimus water meters</translation>
    </message>
    <message>
        <source>Geräte ID:</source>
        <translation>Device ID:</translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Sende ID</source>
        <translation>Write ID</translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation>Radio ID:</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Fehlerbits</source>
        <translation>Error bits</translation>
    </message>
    <message>
        <source>Messfehler</source>
        <translation>Measurement error</translation>
    </message>
    <message>
        <source>Sabotage</source>
        <translation>Tamper</translation>
    </message>
    <message>
        <source>Low Batt</source>
        <translation>Low Batt</translation>
    </message>
    <message>
        <source>CS-Fehler</source>
        <translation>CS error</translation>
    </message>
    <message>
        <source>HF-Fehler</source>
        <translation>RF error</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Stillstand</source>
        <translation>Standstill</translation>
    </message>
    <message>
        <source>Rückfluss</source>
        <translation>Backflow</translation>
    </message>
    <message>
        <source>Leck</source>
        <translation>Leak</translation>
    </message>
    <message>
        <source>Fehlerdatum:</source>
        <translation>Error date:</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Batt.Lebenszeit</source>
        <translation>Batt. lifetime</translation>
    </message>
    <message>
        <source>Monat:</source>
        <translation>Month:</translation>
    </message>
    <message>
        <source>Batterie Monat</source>
        <translation>Battery month</translation>
    </message>
    <message>
        <source>Jahr:</source>
        <translation>Year:</translation>
    </message>
    <message>
        <source>Batterie Jahr</source>
        <translation>Battery year</translation>
    </message>
    <message>
        <source>Datum und Uhrzeit</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Datum:</source>
        <translation>Date:</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Uhrzeit:</source>
        <translation>Time:</translation>
    </message>
    <message>
        <source>Uhrzeit</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>Mo</source>
        <translation>Mon</translation>
    </message>
    <message>
        <source>Di</source>
        <translation>Tue</translation>
    </message>
    <message>
        <source>Mi</source>
        <translation>Wed</translation>
    </message>
    <message>
        <source>Do</source>
        <translation>Thu</translation>
    </message>
    <message>
        <source>Fr</source>
        <translation>Fri</translation>
    </message>
    <message>
        <source>Sa</source>
        <translation>Sat</translation>
    </message>
    <message>
        <source>So</source>
        <translation>Sun</translation>
    </message>
    <message>
        <source>Sende Zeit</source>
        <translation>Write time</translation>
    </message>
    <message>
        <source>Kommandos</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>Hole Daten</source>
        <translation>Read data</translation>
    </message>
    <message>
        <source>Aktivierung</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation>Storage mode</translation>
    </message>
    <message>
        <source>Sendemaske</source>
        <translation>Transmission mask</translation>
    </message>
    <message>
        <source>Januar</source>
        <translation>January</translation>
    </message>
    <message>
        <source>Februar</source>
        <translation>February</translation>
    </message>
    <message>
        <source>März</source>
        <translation>March</translation>
    </message>
    <message>
        <source>April</source>
        <translation>April</translation>
    </message>
    <message>
        <source>Mai</source>
        <translation>May</translation>
    </message>
    <message>
        <source>Juni</source>
        <translation>June</translation>
    </message>
    <message>
        <source>Juli</source>
        <translation>July</translation>
    </message>
    <message>
        <source>August</source>
        <translation>August</translation>
    </message>
    <message>
        <source>September</source>
        <translation>September</translation>
    </message>
    <message>
        <source>Oktober</source>
        <translation>October</translation>
    </message>
    <message>
        <source>November</source>
        <translation>November</translation>
    </message>
    <message>
        <source>Dezember</source>
        <translation>December</translation>
    </message>
    <message>
        <source>Woche 1</source>
        <translation>Week 1</translation>
    </message>
    <message>
        <source>Woche 2</source>
        <translation>Week 2</translation>
    </message>
    <message>
        <source>Woche 3</source>
        <translation>Week 3</translation>
    </message>
    <message>
        <source>Woche 4</source>
        <translation>Week 4</translation>
    </message>
    <message>
        <source>Woche 5</source>
        <translation>Week 5</translation>
    </message>
    <message>
        <source>Montag</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>Dienstag</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>Mittwoch</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>Donnerstag</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>Freitag</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>Samstag</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>Sonntag</source>
        <translation>Sunday</translation>
    </message>
    <message>
        <source>Sendefenster am Tag</source>
        <translation>Daily transmission window</translation>
    </message>
    <message>
        <source>Startzeit [h]</source>
        <translation>Start time [h]</translation>
    </message>
    <message>
        <source>Stopzeit [h]</source>
        <translation>Stop time [h]</translation>
    </message>
    <message>
        <source>Zykluszeit [s]</source>
        <translation>Cycle time [s]</translation>
    </message>
    <message>
        <source>Variance [s]</source>
        <translation>Variance [s]</translation>
    </message>
    <message>
        <source>Protokoll-Typ</source>
        <translation>Protocol type</translation>
    </message>
    <message>
        <source>WMBUS S1</source>
        <translation>WMBUS S1</translation>
    </message>
    <message>
        <source>WMBUS T1</source>
        <translation>WMBUS T1</translation>
    </message>
    <message>
        <source>kurzes Tel.</source>
        <translation>short tel.</translation>
    </message>
    <message>
        <source>AES Key:</source>
        <translation>AES Key:</translation>
    </message>
    <message>
        <source>AES Key</source>
        <translation>AES Key</translation>
    </message>
    <message>
        <source>AES EIN</source>
        <translation>AES ON</translation>
    </message>
    <message>
        <source>Herstellerkennung:</source>
        <translation>Manufacturer code:</translation>
    </message>
    <message>
        <source>Herstellerkennung</source>
        <translation>Manufacturer code</translation>
    </message>
    <message>
        <source>Funk aktive</source>
        <translation>Radio active</translation>
    </message>
    <message>
        <source>Software:</source>
        <translation>Software:</translation>
    </message>
    <message>
        <source>Sende RF</source>
        <translation>Write RF</translation>
    </message>
    <message>
        <source>FEHLER !</source>
        <translation>ERROR !</translation>
    </message>
    <message>
        <source>Die maximale Energie zum Senden wurde überschritten. Bitte reduzieren Sie die Sendehäufigkeit.</source>
        <translation>The maximum energy for transmitting has been exceeded. Please reduce the transmission frequency.</translation>
    </message>
    <message>
        <source>SETUP-VARIANTEN</source>
        <translation>SETUP VARIANTS</translation>
    </message>
    <message>
        <source>Speichern?</source>
        <translation>Save?</translation>
    </message>
    <message>
        <source>Zählerstände</source>
        <translation>Meter readings</translation>
    </message>
    <message>
        <source>Zählerstand [m³]:</source>
        <translation>Meter reading [m³]:</translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Sende ZST</source>
        <translation>Write reading</translation>
    </message>
    <message>
        <source>Stichtagszählerstand [m³]:</source>
        <translation>Due-date reading [m³]:</translation>
    </message>
    <message>
        <source>Stichtagszählerstand</source>
        <translation>Due-date reading</translation>
    </message>
    <message>
        <source>Stichdatum:</source>
        <translation>Due date:</translation>
    </message>
    <message>
        <source>Stichzeitpunkt</source>
        <translation>Due-date time</translation>
    </message>
    <message>
        <source>jeden Monat</source>
        <translation>every month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Stichtagsmonat:</source>
        <translation>Due-date month:</translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>Sende ST</source>
        <translation>Write due date</translation>
    </message>
    <message>
        <source>Gespeicherte Historie</source>
        <translation>Stored history</translation>
    </message>
    <message>
        <source>Hole Historie</source>
        <translation>Read history</translation>
    </message>
</context>
<context>
    <name>TPagesDlg</name>
    <message>
        <source>Schnittstelleneinstellungen</source>
        <translation>Interface settings</translation>
    </message>
    <message>
        <source>Rs232 zu EHKV Optokopf</source>
        <translation>Rs232 to EHKV optical head</translation>
    </message>
    <message>
        <source>&amp;Schnittstelle:</source>
        <translation>&amp;Interface:</translation>
    </message>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Eine Schnittstelle aus der Liste wählen oder den Pfad eines Geräts eingeben (z. B. /dev/ttyUSB0).</source>
        <translation>Choose an interface from the list or enter the path of a device (e.g. /dev/ttyUSB0).</translation>
    </message>
    <message>
        <source>Schnittstellen neu einlesen</source>
        <translation>Rescan interfaces</translation>
    </message>
    <message>
        <source>Baudrate:</source>
        <translation>Baud rate:</translation>
    </message>
    <message>
        <source>Baudrate</source>
        <translation>Baud rate</translation>
    </message>
    <message>
        <source>Datenbits:</source>
        <translation>Data bits:</translation>
    </message>
    <message>
        <source>Datenbits</source>
        <translation>Data bits</translation>
    </message>
    <message>
        <source>Parität:</source>
        <translation>Parity:</translation>
    </message>
    <message>
        <source>Parität</source>
        <translation>Parity</translation>
    </message>
    <message>
        <source>Stopbits:</source>
        <translation>Stop bits:</translation>
    </message>
    <message>
        <source>Stopbits</source>
        <translation>Stop bits</translation>
    </message>
    <message>
        <source>&amp;RTS/CTS-Handshake</source>
        <translation>&amp;RTS/CTS handshake</translation>
    </message>
    <message>
        <source>D&amp;TR/DSR-Handshake</source>
        <translation>D&amp;TR/DSR handshake</translation>
    </message>
    <message>
        <source>&amp;XOn/XOff-Protokoll</source>
        <translation>&amp;XOn/XOff protocol</translation>
    </message>
    <message>
        <source>Empfangspuffer:</source>
        <translation>Receive buffer:</translation>
    </message>
    <message>
        <source>Empfangspuffer</source>
        <translation>Receive buffer</translation>
    </message>
    <message>
        <source>Empfangspuffer verdoppeln</source>
        <translation>Double the receive buffer</translation>
    </message>
    <message>
        <source>Empfangspuffer halbieren</source>
        <translation>Halve the receive buffer</translation>
    </message>
    <message>
        <source>Sendepuffer:</source>
        <translation>Transmit buffer:</translation>
    </message>
    <message>
        <source>Sendepuffer</source>
        <translation>Transmit buffer</translation>
    </message>
    <message>
        <source>Sendepuffer verdoppeln</source>
        <translation>Double the transmit buffer</translation>
    </message>
    <message>
        <source>Sendepuffer halbieren</source>
        <translation>Halve the transmit buffer</translation>
    </message>
    <message>
        <source>aktive</source>
        <translation>active</translation>
    </message>
    <message>
        <source>Aufweck Preamble</source>
        <translation>Wake-up preamble</translation>
    </message>
    <message>
        <source>Rs232 zu WMBUS Empfänger</source>
        <translation>Rs232 to WMBUS receiver</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>UnregisteredPanel</name>
    <message>
        <source>&amp;nicht registrierte Geräte</source>
        <translation>&amp;Unregistered devices</translation>
    </message>
    <message>
        <source>nicht registrierte Geräte</source>
        <translation>Unregistered devices</translation>
    </message>
    <message>
        <source>Geräte:</source>
        <translation>Devices:</translation>
    </message>
</context>
<context>
    <name>WzForm</name>
    <message>
        <source>Fehlerdatum:</source>
        <translation>Error date:</translation>
    </message>
    <message>
        <source>Geräte ID: %1 lässt sich nicht um 1 erhöhen!</source>
        <translation>Device ID: %1 cannot be incremented by 1!</translation>
    </message>
    <message>
        <source>Fehlerdatum: %1.%2</source>
        <translation>Error date: %1.%2</translation>
    </message>
</context>
<context>
    <name>WzParam</name>
    <message>
        <source>Sende ID (Geräte ID)</source>
        <translation>Write ID (device ID)</translation>
    </message>
    <message>
        <source>Geräte ID</source>
        <translation>Device ID</translation>
    </message>
    <message>
        <source>Sende ID (Funk ID)</source>
        <translation>Write ID (radio ID)</translation>
    </message>
    <message>
        <source>Funk ID</source>
        <translation>Radio ID</translation>
    </message>
    <message>
        <source>Sende Zeit</source>
        <translation>Write time</translation>
    </message>
    <message>
        <source>Uhrzeit, Datum und Wochentag</source>
        <translation>Time, date and weekday</translation>
    </message>
    <message>
        <source>Sende ZST</source>
        <translation>Write reading</translation>
    </message>
    <message>
        <source>Zählerstand</source>
        <translation>Meter reading</translation>
    </message>
    <message>
        <source>Sende ST</source>
        <translation>Write due date</translation>
    </message>
    <message>
        <source>Stichtagsmonat</source>
        <translation>Due-date month</translation>
    </message>
    <message>
        <source>Sende RF</source>
        <translation>Write RF</translation>
    </message>
    <message>
        <source>Sendemaske, Sendefenster, AES-Key und Herstellerkennung</source>
        <translation>Transmission mask, transmission window, AES key and manufacturer code</translation>
    </message>
    <message>
        <source>RESET</source>
        <translation>RESET</translation>
    </message>
    <message>
        <source>Fehlerbits löschen</source>
        <translation>Clear error bits</translation>
    </message>
    <message>
        <source>Aktivierung</source>
        <translation>Activation</translation>
    </message>
    <message>
        <source>Lagermode</source>
        <translation>Storage mode</translation>
    </message>
    <message>
        <source>Funk aus</source>
        <translation>Radio off</translation>
    </message>
    <message>
        <source>Byte 18: Sendefenster und Protokoll</source>
        <translation>Byte 18: transmission window and protocol</translation>
    </message>
    <message>
        <source>AES und kurzes Telegramm</source>
        <translation>AES and short telegram</translation>
    </message>
    <message>
        <source>Stichtag monatlich oder jährlich</source>
        <translation>Due date monthly or yearly</translation>
    </message>
    <message>
        <source>Leckbit löschen</source>
        <translation>Clear leak bit</translation>
    </message>
    <message>
        <source>%1 (%2) nicht bestätigt</source>
        <translation>%1 (%2) not acknowledged</translation>
    </message>
    <message>
        <source>%1, Schritt %2 von %3 (%4) nicht bestätigt</source>
        <translation>%1, step %2 of %3 (%4) not acknowledged</translation>
    </message>
</context>
<context>
    <name>WzWindowParts</name>
    <message>
        <source>Wert [m³]</source>
        <translation>Value [m³]</translation>
    </message>
    <message>
        <source>Monat</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Monatswert %1</source>
        <translation>Monthly value %1</translation>
    </message>
    <message>
        <source>Monat %1</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>Jahr %1</source>
        <translation>Year %1</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Reset Count</source>
        <translation>Reset Count</translation>
    </message>
</context>
<context>
    <name>kvq::AnalysePage</name>
    <message>
        <source>Länge:</source>
        <translation>Length:</translation>
    </message>
    <message>
        <source>C-Feld:</source>
        <translation>C field:</translation>
    </message>
    <message>
        <source>Hersteller:</source>
        <translation>Manufacturer:</translation>
    </message>
    <message>
        <source>Funk ID:</source>
        <translation>Radio ID:</translation>
    </message>
    <message>
        <source>CI-Feld:</source>
        <translation>CI field:</translation>
    </message>
    <message>
        <source>Gerät:</source>
        <translation>Device:</translation>
    </message>
    <message>
        <source>Serien ID:</source>
        <translation>Serial ID:</translation>
    </message>
    <message>
        <source>Zugriffszähler:</source>
        <translation>Access counter:</translation>
    </message>
    <message>
        <source>AES:</source>
        <translation>AES:</translation>
    </message>
    <message>
        <source>RSSI:</source>
        <translation>RSSI:</translation>
    </message>
    <message>
        <source>WM-BUS Header</source>
        <translation>WM-BUS header</translation>
    </message>
    <message>
        <source>Anzahl Protokolle:</source>
        <translation>Number of telegrams:</translation>
    </message>
    <message>
        <source>Anzahl Byte:</source>
        <translation>Number of bytes:</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>RSSI [dBm]:</source>
        <translation>RSSI [dBm]:</translation>
    </message>
    <message>
        <source>STOP Daten vom Empfänger</source>
        <translation>STOP data from receiver</translation>
    </message>
    <message>
        <source>Trigger auf Funk ID</source>
        <translation>Trigger on radio ID</translation>
    </message>
    <message>
        <source>LOG Protokolle in Datei</source>
        <translation>LOG telegrams to file</translation>
    </message>
    <message>
        <source>empfangene Hersteller-Kennungen (FLAG-ID)</source>
        <translation>received manufacturer codes (FLAG-ID)</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>Monitor</translation>
    </message>
    <message>
        <source>RX</source>
        <translation>RX</translation>
    </message>
    <message>
        <source>Kompaktes Telegramm: kein passendes Format bekannt, daher keine Werte. Ein vollständiges Telegramm oder ein Format-Telegramm dieses Zählers lehrt das Format.</source>
        <translation>Compact telegram: no matching format known, hence no values. A full telegram or a format telegram of this meter teaches the format.</translation>
    </message>
    <message>
        <source>Kompaktes Telegramm: das gespeicherte Format passt nicht (CRC falsch), daher keine Werte. Bitte das Format in kformate.ini prüfen.</source>
        <translation>Compact telegram: the stored format does not match (wrong CRC), hence no values. Please check the format in kformate.ini.</translation>
    </message>
</context>
<context>
    <name>kvq::Application</name>
    <message>
        <source>Demo: %1</source>
        <translation>Demo: %1</translation>
    </message>
</context>
<context>
    <name>kvq::CoreTexts</name>
    <message>
        <source>Variante %1 gibt es nicht.</source>
        <translation>Variant %1 does not exist.</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Spalte %1 steht doppelt; die erste gilt</source>
        <translation>Column %1 appears twice; the first one applies</translation>
    </message>
    <message>
        <source>mehr als %1 Spalten; die übrigen werden nicht geladen</source>
        <translation>more than %1 columns; the rest are not loaded</translation>
    </message>
    <message>
        <source>Option für %1, das keine Spalte ist</source>
        <translation>Option for %1, which is not a column</translation>
    </message>
    <message>
        <source>Der Name des Export-Formats ist leer.</source>
        <translation>The name of the export format is empty.</translation>
    </message>
    <message>
        <source>Eine Spalte hat keinen Namen.</source>
        <translation>A column has no name.</translation>
    </message>
    <message>
        <source>%1: Ordner kann nicht angelegt werden</source>
        <translation>%1: folder cannot be created</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht gelesen werden: %2</source>
        <translation>The file %1 cannot be read: %2</translation>
    </message>
    <message>
        <source>Es ist keine Log-Datei geöffnet.</source>
        <translation>No log file is open.</translation>
    </message>
    <message>
        <source>Die Datei %1 kann nicht geschrieben werden: %2</source>
        <translation>The file %1 cannot be written: %2</translation>
    </message>
</context>
<context>
    <name>kvq::DataLogModel</name>
    <message>
        <source>Nicht gespeichert</source>
        <translation>Not saved</translation>
    </message>
</context>
<context>
    <name>kvq::DatenPage</name>
    <message>
        <source>Speicher Daten als csv</source>
        <translation>Save data as CSV</translation>
    </message>
    <message>
        <source>leere Tabelle</source>
        <translation>clear table</translation>
    </message>
    <message>
        <source>Daten (*.csv *.CSV)</source>
        <translation>Data (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>Die Tabelle wurde nicht gespeichert:
%1</source>
        <translation>The table was not saved:
%1</translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation>ERROR</translation>
    </message>
</context>
<context>
    <name>kvq::DeviceWindow</name>
    <message>
        <source>Fehler beim Trennen der Schnittstelle!</source>
        <translation>Error while disconnecting the interface!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>kvq::ExportDataTabs</name>
    <message>
        <source>Exportiere Daten als formatierte Daten in csv</source>
        <translation>Export data as formatted data to CSV</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Exportformat.EXF</source>
        <translation>Exportformat.EXF</translation>
    </message>
    <message>
        <source>Save Data as csv</source>
        <translation>Save Data as csv</translation>
    </message>
    <message>
        <source>Delete Data in Table</source>
        <translation>Delete Data in Table</translation>
    </message>
    <message>
        <source>Daten (*.csv)</source>
        <translation>Data (*.csv)</translation>
    </message>
    <message>
        <source>Export-Format %1: %2</source>
        <translation>Export format %1: %2</translation>
    </message>
</context>
<context>
    <name>kvq::ExportPage</name>
    <message>
        <source>neues Export-Format</source>
        <translation>new export format</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Old</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Option</source>
        <translation>Option</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Soll das Export-Format &quot;%1&quot; gelöscht werden?</source>
        <translation>Delete the export format &quot;%1&quot;?</translation>
    </message>
    <message>
        <source>Löschen?</source>
        <translation>Delete?</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Old</translation>
    </message>
    <message>
        <source>Neu</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Es wurde noch kein Telegramm empfangen.</source>
        <translation>No telegram has been received yet.</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
    <message>
        <source>Soll das Export-Format gespeichert werden?</source>
        <translation>Save the export format?</translation>
    </message>
    <message>
        <source>Speichern?</source>
        <translation>Save?</translation>
    </message>
</context>
<context>
    <name>kvq::FilterPage</name>
    <message>
        <source>Filter aktivieren</source>
        <translation>Activate filter</translation>
    </message>
    <message>
        <source>Hersteller-Filter (FLAG-ID):</source>
        <translation>Manufacturer filter (FLAG-ID):</translation>
    </message>
    <message>
        <source>NEW FlagID</source>
        <translation>NEW FlagID</translation>
    </message>
    <message>
        <source>Delete FlagID</source>
        <translation>Delete FlagID</translation>
    </message>
    <message>
        <source>Flag ID</source>
        <translation>Flag ID</translation>
    </message>
    <message>
        <source>Input 3 Character:</source>
        <translation>Enter 3 characters:</translation>
    </message>
    <message>
        <source>Bitte erst Hersteller zum Filtern eintragen und auswählen!</source>
        <translation>Please enter and select a manufacturer to filter by first!</translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation>WARNING</translation>
    </message>
</context>
<context>
    <name>kvq::Form1ProgressBar</name>
    <message>
        <source>Daten Werden geladen!</source>
        <translation>Loading data!</translation>
    </message>
    <message>
        <source>Daten werden geladen!</source>
        <translation>Loading data!</translation>
    </message>
    <message>
        <source>Daten werden gesendet!</source>
        <translation>Sending data!</translation>
    </message>
</context>
<context>
    <name>kvq::HcaLayoutWindow</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>kvq::LinkController</name>
    <message>
        <source>com%1 ist keinem Gerät zugeordnet.</source>
        <translation>com%1 is not assigned to any device.</translation>
    </message>
</context>
<context>
    <name>kvq::LinkTexts</name>
    <message>
        <source>Schnittstelle wurde geschlossen.</source>
        <translation>Interface closed.</translation>
    </message>
    <message>
        <source>Schnittstelle konnte nicht geschlossen werden!</source>
        <translation>Interface could not be closed!</translation>
    </message>
    <message>
        <source>Geräteversion:</source>
        <translation>Device version:</translation>
    </message>
    <message>
        <source>Gültige Daten</source>
        <translation>Valid data</translation>
    </message>
    <message>
        <source>Falsche Daten!</source>
        <translation>Wrong data!</translation>
    </message>
    <message>
        <source>Falsches Gerät oder Softwareversion!</source>
        <translation>Wrong device or software version!</translation>
    </message>
    <message>
        <source>Com Disabled!</source>
        <translation>Com Disabled!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source> ECHO</source>
        <translation> ECHO</translation>
    </message>
    <message>
        <source>  with Preamble</source>
        <translation>  with Preamble</translation>
    </message>
    <message>
        <source>WMBUS Online com%1</source>
        <translation>WMBUS Online com%1</translation>
    </message>
    <message>
        <source>Optokopf Online com%1</source>
        <translation>Optical head Online com%1</translation>
    </message>
    <message>
        <source>WMBUS Offline com%1</source>
        <translation>WMBUS Offline com%1</translation>
    </message>
    <message>
        <source>Optokopf Offline com%1</source>
        <translation>Optical head Offline com%1</translation>
    </message>
</context>
<context>
    <name>kvq::MonthTable</name>
    <message>
        <source>Monatswert %1</source>
        <translation>Monthly value %1</translation>
    </message>
    <message>
        <source>Monat %1</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>Jahr %1</source>
        <translation>Year %1</translation>
    </message>
</context>
<context>
    <name>kvq::OrderSheet</name>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
</context>
<context>
    <name>kvq::PortEnumeration</name>
    <message>
        <source>(fehlt)</source>
        <translation>(missing)</translation>
    </message>
</context>
<context>
    <name>kvq::ReplayControl</name>
    <message>
        <source>Lade Rx Daten von Mobile App</source>
        <translation>Load Rx data from mobile app</translation>
    </message>
    <message>
        <source>Lade Rx Daten als csv vom Gateway-Server</source>
        <translation>Load Rx data as CSV from gateway server</translation>
    </message>
    <message>
        <source>Rx Daten laden</source>
        <translation>Load Rx data</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Fehler beim Trennen der Schnittstelle!</source>
        <translation>Error while disconnecting the interface!</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Mobile Data  (*.dat *.DAT)</source>
        <translation>Mobile Data  (*.dat *.DAT)</translation>
    </message>
    <message>
        <source>Abgebrochen nach %1 von %2 Zeilen, %3 fehlerhafte Zeilen übersprungen</source>
        <translation>Cancelled after %1 of %2 lines, %3 faulty lines skipped</translation>
    </message>
    <message>
        <source>%1 Zeilen geladen, %2 fehlerhafte Zeilen übersprungen</source>
        <translation>%1 lines loaded, %2 faulty lines skipped</translation>
    </message>
</context>
<context>
    <name>kvq::RouteDetailPages</name>
    <message>
        <source>Save</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>nicht empfangen</source>
        <translation>not received</translation>
    </message>
    <message>
        <source>empfangen</source>
        <translation>received</translation>
    </message>
    <message>
        <source>empfangen, verschlüsselt</source>
        <translation>received, encrypted</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Haus Daten</source>
        <translation>Building data</translation>
    </message>
    <message>
        <source>Etage</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Geräte Daten</source>
        <translation>Device data</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>&amp;Name</translation>
    </message>
    <message>
        <source>&amp;Bemerkung</source>
        <translation>C&amp;omment</translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>&amp;Objektname</source>
        <translation>&amp;Property name</translation>
    </message>
    <message>
        <source>S&amp;traße / Hausnummer</source>
        <translation>S&amp;treet / house number</translation>
    </message>
    <message>
        <source>Hausnummer</source>
        <translation>House number</translation>
    </message>
    <message>
        <source>St&amp;adt / PLZ</source>
        <translation>&amp;City / postcode</translation>
    </message>
    <message>
        <source>PLZ</source>
        <translation>Postcode</translation>
    </message>
    <message>
        <source>Bes&amp;chreibung</source>
        <translation>D&amp;escription</translation>
    </message>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Einheit</source>
        <translation>Unit</translation>
    </message>
    <message>
        <source>Werte</source>
        <translation>Values</translation>
    </message>
    <message>
        <source>&amp;Funk ID</source>
        <translation>Radio &amp;ID</translation>
    </message>
    <message>
        <source>F&amp;LAG ID</source>
        <translation>F&amp;LAG ID</translation>
    </message>
    <message>
        <source>&amp;MEDIUM</source>
        <translation>&amp;MEDIUM</translation>
    </message>
    <message>
        <source>MEDIUM</source>
        <translation>MEDIUM</translation>
    </message>
    <message>
        <source>&amp;AES-KEY</source>
        <translation>&amp;AES-KEY</translation>
    </message>
    <message>
        <source>Bemerkung zur &amp;Geräteposition im Objekt</source>
        <translation>Comment on the device &amp;position in the property</translation>
    </message>
    <message>
        <source>RSSI</source>
        <translation>RSSI</translation>
    </message>
    <message>
        <source>Empfang</source>
        <translation>Reception</translation>
    </message>
    <message>
        <source>Zugriffsnummer</source>
        <translation>Access number</translation>
    </message>
    <message>
        <source>AES</source>
        <translation>AES</translation>
    </message>
    <message>
        <source>verschlüsselt, entschlüsselt</source>
        <translation>encrypted, decrypted</translation>
    </message>
    <message>
        <source>verschlüsselt, nicht entschlüsselt</source>
        <translation>encrypted, not decrypted</translation>
    </message>
    <message>
        <source>unverschlüsselt</source>
        <translation>unencrypted</translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Only numbers permissible!</source>
        <translation>Only numbers are permitted!</translation>
    </message>
    <message>
        <source>Die FLAG ID muss aus drei Buchstaben bestehen!</source>
        <translation>The FLAG ID must consist of three letters!</translation>
    </message>
    <message>
        <source>Das MEDIUM muss eine Zahl von 0 bis 255 sein!</source>
        <translation>The MEDIUM must be a number from 0 to 255!</translation>
    </message>
    <message>
        <source>Falsches Format des AES KEY!</source>
        <translation>Wrong format of the AES KEY!</translation>
    </message>
</context>
<context>
    <name>kvq::RoutePage</name>
    <message>
        <source>Haus</source>
        <translation>Building</translation>
    </message>
    <message>
        <source>Etage</source>
        <translation>Floor</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Geräte:</source>
        <translation>Devices:</translation>
    </message>
    <message>
        <source>empfangen:</source>
        <translation>received:</translation>
    </message>
    <message>
        <source>Haus einfügen</source>
        <translation>Insert building</translation>
    </message>
    <message>
        <source>Etage einfügen</source>
        <translation>Insert floor</translation>
    </message>
    <message>
        <source>Zähler einfügen</source>
        <translation>Insert meter</translation>
    </message>
    <message>
        <source>Zähler löschen</source>
        <translation>Delete meter</translation>
    </message>
    <message>
        <source>Etrage löschen</source>
        <translation>Delete floor</translation>
    </message>
    <message>
        <source>Haus löschen</source>
        <translation>Delete building</translation>
    </message>
    <message>
        <source>sortiere nach Funk IDs</source>
        <translation>sort by radio IDs</translation>
    </message>
    <message>
        <source>leere Routenliste</source>
        <translation>clear route list</translation>
    </message>
    <message>
        <source>Empfangsstatus zurücksetzen</source>
        <translation>Reset reception status</translation>
    </message>
    <message>
        <source>Lade Route</source>
        <translation>Load route</translation>
    </message>
    <message>
        <source>Speicher Route</source>
        <translation>Save route</translation>
    </message>
    <message>
        <source>Importiere AES Key&apos;s</source>
        <translation>Import AES keys</translation>
    </message>
    <message>
        <source>Only numbers permissible!</source>
        <translation>Only numbers are permitted!</translation>
    </message>
    <message>
        <source>Geräliste  (*.route *.ROUTE)</source>
        <translation>Device list  (*.route *.ROUTE)</translation>
    </message>
    <message>
        <source>Geräteliste  (*.route *.ROUTE)</source>
        <translation>Device list  (*.route *.ROUTE)</translation>
    </message>
    <message>
        <source>Die Route wurde nicht gespeichert:
%1</source>
        <translation>The route was not saved:
%1</translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Die Route wurde gespeichert, mit diesen Hinweisen:
%1</source>
        <translation>The route was saved, with these notes:
%1</translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Die Route wurde nicht geladen:
%1</source>
        <translation>The route was not loaded:
%1</translation>
    </message>
    <message>
        <source>… und %1 weitere</source>
        <translation>… and %1 more</translation>
    </message>
    <message>
        <source>%1
Diese Teile der Routendatei wurden übersprungen:
%2</source>
        <translation>%1
These parts of the route file were skipped:
%2</translation>
    </message>
    <message>
        <source>zu wenige Felder</source>
        <translation>too few fields</translation>
    </message>
    <message>
        <source>keine gültige Funk ID</source>
        <translation>no valid radio ID</translation>
    </message>
    <message>
        <source>kein gültiges Medium (0 bis 255)</source>
        <translation>no valid medium (0 to 255)</translation>
    </message>
    <message>
        <source>kein AES KEY aus 32 Hex-Ziffern</source>
        <translation>no AES KEY of 32 hex digits</translation>
    </message>
    <message>
        <source>keine FLAG ID aus drei Buchstaben</source>
        <translation>no FLAG ID of three letters</translation>
    </message>
    <message>
        <source>Haus und Etage müssen beide angegeben oder beide leer sein</source>
        <translation>building and floor must both be given or both be empty</translation>
    </message>
    <message>
        <source>Gerät ist schon in der Route oder der Importliste</source>
        <translation>device is already in the route or the import list</translation>
    </message>
    <message>
        <source>Zeile %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>AES_KEY_liste  (*.csv *.CSV)</source>
        <translation>AES key list  (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>Incorrect path</source>
        <translation>Incorrect path</translation>
    </message>
    <message>
        <source>Incorrect csv Data!</source>
        <translation>Incorrect CSV data!</translation>
    </message>
    <message>
        <source> AES KEY&apos;s importiert.</source>
        <translation> AES keys imported.</translation>
    </message>
    <message>
        <source>Importiere Messgeräte in Route</source>
        <translation>Import meters into route</translation>
    </message>
    <message>
        <source>Devicelist  (*.csv *.CSV)</source>
        <translation>Device list  (*.csv *.CSV)</translation>
    </message>
    <message>
        <source>%1 Geräte in die Route übernommen, %2 in die Importliste.</source>
        <translation>%1 devices added to the route, %2 to the import list.</translation>
    </message>
    <message>
        <source>Nicht übernommen:</source>
        <translation>Not added:</translation>
    </message>
    <message>
        <source>Es wurden Änderungen an der Route vorgenommen die noch nicht gespeichert wurden! 
Jetzt speichern?</source>
        <translation>The route has changes that have not been saved yet! 
Save now?</translation>
    </message>
</context>
<context>
    <name>kvq::SerialPort</name>
    <message>
        <source>%1 nicht gefunden: Gerät anschließen oder andere Schnittstelle wählen.</source>
        <translation>%1 not found: connect the device or choose another interface.</translation>
    </message>
    <message>
        <source>Keine Berechtigung für %1: Benutzer in die Gruppe &quot;dialout&quot; aufnehmen und neu anmelden.</source>
        <translation>No permission for %1: add the user to the group &quot;dialout&quot; and log in again.</translation>
    </message>
    <message>
        <source>%1 wird von einem anderen Programm benutzt: das andere Programm beenden und erneut versuchen.</source>
        <translation>%1 is in use by another program: close the other program and try again.</translation>
    </message>
    <message>
        <source>Keine Schnittstelle gewählt.</source>
        <translation>No interface selected.</translation>
    </message>
    <message>
        <source>%1 lässt sich nicht einstellen: %2</source>
        <translation>%1 cannot be configured: %2</translation>
    </message>
</context>
<context>
    <name>kvq::TABL_WZBRAMKESTEL</name>
    <message>
        <source>Wert</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>Month</translation>
    </message>
    <message>
        <source>Jahr</source>
        <translation>Year</translation>
    </message>
    <message>
        <source>Monatswert %1</source>
        <translation>Monthly value %1</translation>
    </message>
    <message>
        <source>Monat %1</source>
        <translation>Month %1</translation>
    </message>
    <message>
        <source>Jahr %1</source>
        <translation>Year %1</translation>
    </message>
</context>
<context>
    <name>kvq::TAboutBox</name>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
</context>
<context>
    <name>kvq::TForm1Parametrierdaten</name>
    <message>
        <source>Variante %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Bezeichnung Variante %1</source>
        <translation>Name of variant %1</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Variante %1 speichern</source>
        <translation>Save variant %1</translation>
    </message>
    <message>
        <source>Die Log-Datei kann nicht angelegt werden, es wird ohne Log gearbeitet:
%1</source>
        <translation>The log file cannot be created; working without a log:
%1</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
</context>
<context>
    <name>kvq::TFormBestellung</name>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Testposition</source>
        <translation>Test item</translation>
    </message>
</context>
<context>
    <name>kvq::TFormBootLoader</name>
    <message>
        <source>Firmware  Datei:</source>
        <translation>Firmware  file:</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Firmware (*.bin *.BIN)</source>
        <translation>Firmware (*.bin *.BIN)</translation>
    </message>
    <message>
        <source>Software Update</source>
        <translation>Software update</translation>
    </message>
    <message>
        <source>Application successfully transmitted</source>
        <translation>Application successfully transmitted</translation>
    </message>
    <message>
        <source>Flash transmit error</source>
        <translation>Flash transmit error</translation>
    </message>
    <message>
        <source>Please wait a few seconds to start up the application!</source>
        <translation>Please wait a few seconds to start up the application!</translation>
    </message>
</context>
<context>
    <name>kvq::TFormBramData</name>
    <message>
        <source>FormBramData</source>
        <translation>FormBramData</translation>
    </message>
    <message>
        <source>LC-Sensorabtastung</source>
        <translation>LC sensor sampling</translation>
    </message>
    <message>
        <source>Bandbreite S1=</source>
        <translation>Bandwidth S1=</translation>
    </message>
    <message>
        <source>Bandbreite S2=</source>
        <translation>Bandwidth S2=</translation>
    </message>
    <message>
        <source>S1</source>
        <translation>S1</translation>
    </message>
    <message>
        <source>S2</source>
        <translation>S2</translation>
    </message>
    <message>
        <source>Senden</source>
        <translation>Send</translation>
    </message>
    <message>
        <source>Messdaten AN</source>
        <translation>Measurement data ON</translation>
    </message>
    <message>
        <source>Messdaten AUS</source>
        <translation>Measurement data OFF</translation>
    </message>
    <message>
        <source>Log Daten</source>
        <translation>Log data</translation>
    </message>
    <message>
        <source>Logfiles  (*.csv *.CSV)</source>
        <translation>Log files  (*.csv *.CSV)</translation>
    </message>
</context>
<context>
    <name>kvq::TFormDataLog</name>
    <message>
        <source>Logfile</source>
        <translation>Log file</translation>
    </message>
    <message>
        <source>Erneut speichern</source>
        <translation>Save again</translation>
    </message>
    <message>
        <source>Die Tabellenspalten stimmen nicht überein!</source>
        <translation>The table columns do not match!</translation>
    </message>
    <message>
        <source>Die Datei %1 kann noch nicht geschrieben werden.</source>
        <translation>The file %1 cannot be written yet.</translation>
    </message>
    <message>
        <source>%1
Die Ablesung bleibt in der Tabelle und kann mit &quot;Erneut speichern&quot; gespeichert werden.</source>
        <translation>%1
The reading stays in the table and can be saved with &quot;Save again&quot;.</translation>
    </message>
</context>
<context>
    <name>kvq::TFormSetup</name>
    <message>
        <source>T/C-Mode</source>
        <translation>T/C-Mode</translation>
    </message>
    <message>
        <source>S-Mode</source>
        <translation>S-Mode</translation>
    </message>
    <message>
        <source>C-Mode</source>
        <translation>C-Mode</translation>
    </message>
    <message>
        <source>Route laden</source>
        <translation>Load route</translation>
    </message>
    <message>
        <source>Geräteliste (*.ROUTE *.route)</source>
        <translation>Device list (*.ROUTE *.route)</translation>
    </message>
    <message>
        <source>Verzeichnis zum Speichern der formatierten Export csv&apos;s:</source>
        <translation>Folder for saving the formatted export CSV files:</translation>
    </message>
</context>
<context>
    <name>kvq::TFormWMBUSRadioCraft</name>
    <message>
        <source>Wireless M-BUS Datenrecorder</source>
        <translation>Wireless M-BUS data recorder</translation>
    </message>
    <message>
        <source>Receiver Initialisierung</source>
        <translation>Receiver initialisation</translation>
    </message>
    <message>
        <source>Analyse</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>Route</source>
        <translation>Route</translation>
    </message>
    <message>
        <source>Filter</source>
        <translation>Filter</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Radiocraft Werkssetup</source>
        <translation>Radiocraft factory setup</translation>
    </message>
    <message>
        <source>Daten</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Erstelle Exportformat</source>
        <translation>Create export format</translation>
    </message>
    <message>
        <source>Export-Formatierung</source>
        <translation>Export formatting</translation>
    </message>
    <message>
        <source>&amp;Daten</source>
        <translation>&amp;Data</translation>
    </message>
    <message>
        <source>&amp;Route</source>
        <translation>&amp;Route</translation>
    </message>
    <message>
        <source>Importiere Messgeräte in Route</source>
        <translation>Import meters into route</translation>
    </message>
    <message>
        <source>Es sind noch nicht alle Geräte auf der Route empfangen worden!</source>
        <translation>Not all devices on the route have been received yet!</translation>
    </message>
    <message>
        <source>Weiter mit Schließen?</source>
        <translation>Close anyway?</translation>
    </message>
    <message>
        <source>WARNUNG</source>
        <translation>WARNING</translation>
    </message>
    <message>
        <source>Die Tabelle enthält Daten, die noch nicht gespeichert wurden!</source>
        <translation>The table contains data that has not been saved yet!</translation>
    </message>
    <message>
        <source>Jetzt speichern?</source>
        <translation>Save now?</translation>
    </message>
</context>
<context>
    <name>kvq::TGDHKV</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
</context>
<context>
    <name>kvq::TGDWZBRAM</name>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>Stichtagszählerstand darf nicht größer als der Zählerstand sein!</source>
        <translation>The due-date reading must not be greater than the meter reading!</translation>
    </message>
    <message>
        <source>Wollen Sie den BOOTLOADER starten um eine neue Software einzuspielen?</source>
        <translation>Do you want to start the BOOTLOADER to load new software?</translation>
    </message>
    <message>
        <source>A C H T U N G !</source>
        <translation>A T T E N T I O N !</translation>
    </message>
</context>
<context>
    <name>kvq::TMainForm</name>
    <message>
        <source>Gerätedaten EHKV</source>
        <translation>Device data EHKV</translation>
    </message>
    <message>
        <source>Abrechendaten EHKV</source>
        <translation>Billing data EHKV</translation>
    </message>
    <message>
        <source>Parameterdaten EHKV</source>
        <translation>Parameter data EHKV</translation>
    </message>
    <message>
        <source>Gerätedaten WMTHERMO</source>
        <translation>Device data WMTHERMO</translation>
    </message>
    <message>
        <source>Gerätedaten WZ</source>
        <translation>Device data WZ</translation>
    </message>
    <message>
        <source>Abrechendaten WZ</source>
        <translation>Billing data WZ</translation>
    </message>
    <message>
        <source>Parameterdaten WZ</source>
        <translation>Parameter data WZ</translation>
    </message>
    <message>
        <source>Gültige Daten</source>
        <translation>Valid data</translation>
    </message>
    <message>
        <source>Geräteversion:</source>
        <translation>Device version:</translation>
    </message>
    <message>
        <source>Falsche Daten!</source>
        <translation>Wrong data!</translation>
    </message>
    <message>
        <source>Falsches Gerät oder Softwareversion!</source>
        <translation>Wrong device or software version!</translation>
    </message>
    <message>
        <source>PC-ZEIT:</source>
        <translation>PC TIME:</translation>
    </message>
    <message>
        <source>Die Datei hat nicht die erwartete Größe!</source>
        <translation>The file does not have the expected size!</translation>
    </message>
    <message>
        <source>Dateifehler</source>
        <translation>File error</translation>
    </message>
    <message>
        <source>Fehler beim Trennen der Schnittstelle!</source>
        <translation>Error while disconnecting the interface!</translation>
    </message>
    <message>
        <source>Fehler beim Verbinden mit dem Netzwerk!</source>
        <translation>Error connecting to the network!</translation>
    </message>
    <message>
        <source>Schnittstelle konnte nicht geschlossen werden!</source>
        <translation>Interface could not be closed!</translation>
    </message>
    <message>
        <source>Schnittstelle wurde geschlossen.</source>
        <translation>Interface closed.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden:</source>
        <translation>The settings could not be saved:</translation>
    </message>
    <message>
        <source>&amp;Datei</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>Laden</source>
        <translation>Load</translation>
    </message>
    <message>
        <source>Speichern &amp;unter...</source>
        <translation>Save &amp;as...</translation>
    </message>
    <message>
        <source>&amp;Beenden</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>Geräte</source>
        <translation>Devices</translation>
    </message>
    <message>
        <source>Wireless M-Bus</source>
        <translation>Wireless M-Bus</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Setup</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>&amp;Hilfe</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Der Ordner %1 kann nicht angelegt werden.</source>
        <translation>The folder %1 cannot be created.</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Die Sprache kann nicht für den nächsten Start gespeichert werden; er beginnt in der bisherigen Sprache.</source>
        <translation>The language cannot be stored for the next start; the program will start in the previous language.</translation>
    </message>
    <message>
        <source>Das Handbuch kann nicht angezeigt werden: %1</source>
        <translation>The manual cannot be shown: %1</translation>
    </message>
</context>
<context>
    <name>kvq::TNewIDDlg</name>
    <message>
        <source>EHKV</source>
        <translation>HEAT COST ALLOCATOR</translation>
    </message>
    <message>
        <source>WASSERZÄHLER</source>
        <translation>WATER METER</translation>
    </message>
    <message>
        <source>STROMZÄHLER</source>
        <translation>ELECTRICITY METER</translation>
    </message>
    <message>
        <source>WÄRMEZAHLER</source>
        <translation>HEAT METER</translation>
    </message>
    <message>
        <source>GASZÄHLER</source>
        <translation>GAS METER</translation>
    </message>
    <message>
        <source>RAUCHMELDER</source>
        <translation>SMOKE DETECTOR</translation>
    </message>
    <message>
        <source>ABFALL</source>
        <translation>WASTE</translation>
    </message>
    <message>
        <source>RAUMSENSOR</source>
        <translation>ROOM SENSOR</translation>
    </message>
    <message>
        <source>GASMELDER</source>
        <translation>GAS DETECTOR</translation>
    </message>
    <message>
        <source>ELEKTRISCHER UNTERBRECHER</source>
        <translation>CIRCUIT BREAKER</translation>
    </message>
    <message>
        <source>VENTIL</source>
        <translation>VALVE</translation>
    </message>
    <message>
        <source>DISPLAY</source>
        <translation>DISPLAY</translation>
    </message>
    <message>
        <source>ABWASSER</source>
        <translation>WASTE WATER</translation>
    </message>
    <message>
        <source>CO2 SENSOR</source>
        <translation>CO2 SENSOR</translation>
    </message>
    <message>
        <source>neues W-MBUS Gerät</source>
        <translation>new W-MBUS device</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>&amp;ID:</source>
        <translation>&amp;ID:</translation>
    </message>
    <message>
        <source>&amp;FLAG ID:</source>
        <translation>&amp;FLAG ID:</translation>
    </message>
    <message>
        <source>&amp;AES-KEY</source>
        <translation>&amp;AES-KEY</translation>
    </message>
    <message>
        <source>&amp;MEDIUM</source>
        <translation>&amp;MEDIUM</translation>
    </message>
    <message>
        <source>Falsches Format des AES KEY!</source>
        <translation>Wrong format of the AES KEY!</translation>
    </message>
    <message>
        <source>FEHLER</source>
        <translation>ERROR</translation>
    </message>
    <message>
        <source>Die FLAG ID muss aus drei Buchstaben bestehen!</source>
        <translation>The FLAG ID must consist of three letters!</translation>
    </message>
</context>
<context>
    <name>kvq::TPDWZBRAM</name>
    <message>
        <source>S1 täglich 24h lang aller 5min</source>
        <translation>S1 daily, 24 h, every 5 min</translation>
    </message>
    <message>
        <source>S1 täglich 24h lang aller 15min</source>
        <translation>S1 daily, 24 h, every 15 min</translation>
    </message>
    <message>
        <source>T1 jede 1.Woche im Monat werktags von 7-18uhr aller 6s</source>
        <translation>T1 1st week of each month, working days 7-18 h, every 6 s</translation>
    </message>
    <message>
        <source>T1 werktags von 7-17uhr aller 23s </source>
        <translation>T1 working days 7-17 h, every 23 s </translation>
    </message>
    <message>
        <source>Variante %1</source>
        <translation>Variant %1</translation>
    </message>
    <message>
        <source>Beschreibung Variante %1</source>
        <translation>Description of variant %1</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Variante %1 speichern</source>
        <translation>Save variant %1</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>INFO</source>
        <translation>INFO</translation>
    </message>
</context>
<context>
    <name>kvq::TPagesDlg</name>
    <message>
        <source>Schnittstelle</source>
        <translation>Interface</translation>
    </message>
    <message>
        <source>Die Schnittstelle %1 gibt es nicht.</source>
        <translation>The interface %1 does not exist.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; ist keine Schnittstelle. Bitte einen Eintrag der Liste wählen oder den Pfad eines Geräts eingeben (z. B. /dev/ttyUSB0).</source>
        <translation>&quot;%1&quot; is not an interface. Please choose an entry from the list or enter the path of a device (e.g. /dev/ttyUSB0).</translation>
    </message>
</context>
<context>
    <name>kvq::TelegramLogControl</name>
    <message>
        <source>LOG Protokolle in Datei</source>
        <translation>LOG telegrams to file</translation>
    </message>
    <message>
        <source>Logfiles  (*.txt *.TXT)</source>
        <translation>Log files  (*.txt *.TXT)</translation>
    </message>
    <message>
        <source>LOG-Datei kann nicht geschrieben werden: %1</source>
        <translation>LOG file cannot be written: %1</translation>
    </message>
</context>
<context>
    <name>kvq::UnregisteredPanel</name>
    <message>
        <source>leere Empfangsliste</source>
        <translation>clear reception list</translation>
    </message>
    <message>
        <source>leere Importliste</source>
        <translation>clear import list</translation>
    </message>
    <message>
        <source>sortiere nach Funk IDs</source>
        <translation>sort by radio IDs</translation>
    </message>
</context>
<context>
    <name>kvq::UnregisteredTreeModel</name>
    <message>
        <source>Empfangsliste</source>
        <translation>Reception list</translation>
    </message>
    <message>
        <source>Importliste</source>
        <translation>Import list</translation>
    </message>
    <message>
        <source>%1
%2 Telegramme, zuletzt %3, RSSI %4</source>
        <translation>%1
%2 telegrams, last %3, RSSI %4</translation>
    </message>
</context>
</TS>
