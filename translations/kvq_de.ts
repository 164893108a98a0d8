<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="de_DE">
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
        <source>Gerätedatum: bitte ein Datum von 2000 bis 2099 wählen!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AES Key: höchstens 32 Hex-Ziffern (0-9, A-F), Leerzeichen erlaubt!</source>
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
    <message>
        <source>Geräte ID: keine Nummer, die automatische Erhöhung ist nicht möglich!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Geräte ID: 99999999 ist die höchste Nummer, die automatische Erhöhung ist nicht möglich!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stichtagszählerstand darf nicht größer als der Zählerstand sein!</source>
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
        <source>HH:mm:ss</source>
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
        <source>dd.MM.yyyy</source>
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
        <source>HH:mm:ss</source>
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
        <source>dd.MM.yyyy</source>
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
    <name>kvq::Application</name>
    <message>
        <source>Demo: %1</source>
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
    <name>kvq::TGDHKV</name>
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
        <source>Fehler</source>
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
