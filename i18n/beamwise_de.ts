<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>Antenna diameter in m, cm, mm, ft or in (m if none).</source>
        <translation>Antennendurchmesser in m, cm, mm, ft oder in (ohne Einheit: m).</translation>
    </message>
    <message>
        <source>value</source>
        <translation>Wert</translation>
    </message>
    <message>
        <source>Frequency in Hz, kHz, MHz or GHz (GHz if none).</source>
        <translation>Frequenz in Hz, kHz, MHz oder GHz (ohne Einheit: GHz).</translation>
    </message>
    <message>
        <source>Wanted gain in dBi at the efficiency given, 100 % if none; with --diameter, --frequency or --far-field, for example --gain 41.2 --frequency 11.7GHz.</source>
        <translation>Gewünschter Gewinn in dBi beim angegebenen Wirkungsgrad (ohne Angabe 100 %); zusammen mit --diameter, --frequency oder --far-field, zum Beispiel --gain 41.2 --frequency 11.7GHz.</translation>
    </message>
    <message>
        <source>Wanted 3 dB beamwidth in ° or deg (° if none); with --diameter, --frequency or --far-field, for example --beamwidth 2 --frequency 1420MHz.</source>
        <translation>Gewünschter 3-dB-Öffnungswinkel in ° oder deg (ohne Einheit: °); zusammen mit --diameter, --frequency oder --far-field, zum Beispiel --beamwidth 2 --frequency 1420MHz.</translation>
    </message>
    <message>
        <source>Wanted far-field range in m, km or ft (m if none); with --diameter, --frequency, --gain or --beamwidth, for example --far-field 100m --frequency 10.</source>
        <translation>Gewünschter Fernfeldabstand in m, km oder ft (ohne Einheit: m); zusammen mit --diameter, --frequency, --gain oder --beamwidth, zum Beispiel --far-field 100m --frequency 10.</translation>
    </message>
    <message>
        <source>Aperture efficiency in %, 10 to 100 (optional).</source>
        <translation>Aperturwirkungsgrad in %, 10 bis 100 (optional).</translation>
    </message>
    <message>
        <source>Print the readings for the antenna and end, without a window.</source>
        <translation>Ablesewerte für die Antenne ausgeben und ohne Fenster beenden.</translation>
    </message>
    <message>
        <source>Write the nomogram to a PDF, SVG or PNG file and end, without a window.</source>
        <translation>Nomogramm als PDF-, SVG- oder PNG-Datei speichern und ohne Fenster beenden.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>%1 (see beamwise --help)</source>
        <translation>%1 (siehe beamwise --help)</translation>
    </message>
    <message>
        <source>unexpected argument “%1” (see beamwise --help)</source>
        <translation>unerwartetes Argument „%1“ (siehe beamwise --help)</translation>
    </message>
    <message>
        <source>give only two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation>nur zwei von --diameter, --frequency, --gain, --beamwidth und --far-field angeben, zum Beispiel --diameter 1.2m --frequency 12.5GHz oder --gain 41.2 --frequency 11.7GHz</translation>
    </message>
    <message>
        <source>give two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation>zwei von --diameter, --frequency, --gain, --beamwidth und --far-field angeben, zum Beispiel --diameter 1.2m --frequency 12.5GHz oder --gain 41.2 --frequency 11.7GHz</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--format: “%1” is not a format: use text, csv or json</source>
        <translation>--format: „%1“ ist kein Format: text, csv oder json verwenden</translation>
    </message>
    <message>
        <source>--format says how readings are printed: give it with --readings or --batch</source>
        <translation>--format legt fest, wie Ablesewerte ausgegeben werden: nur zusammen mit --readings oder --batch angeben</translation>
    </message>
    <message>
        <source>--format text is for one antenna: a table is answered in csv or json</source>
        <translation>--format text gilt für eine einzelne Antenne: Tabellen werden als csv oder json beantwortet</translation>
    </message>
    <message>
        <source>--batch reads its antennas from the table: give it without --diameter, --frequency, --gain, --beamwidth, --far-field, --efficiency or --export</source>
        <translation>--batch liest die Antennen aus der Tabelle: ohne --diameter, --frequency, --gain, --beamwidth, --far-field, --efficiency oder --export angeben</translation>
    </message>
    <message>
        <source>How readings are printed: text (the default), csv (a header line and a row) or json (one object), for example --readings --format csv --diameter 1m --frequency 10GHz. Tables are answered in csv (the default) or json, one object a line.</source>
        <translation>Wie Ablesewerte ausgegeben werden: text (Voreinstellung), csv (eine Kopfzeile und eine Zeile) oder json (ein Objekt), zum Beispiel --readings --format csv --diameter 1m --frequency 10GHz. Tabellen werden als csv (Voreinstellung) oder json beantwortet, ein Objekt je Zeile.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Read a CSV table of antennas from a file, or from standard input for -, and answer each row with its readings, for example --batch dishes.csv --format json. Its first line names the columns: any two of diameter, frequency, gain, beamwidth and far-field, and efficiency if you like; other columns are carried through.</source>
        <translation>Eine CSV-Tabelle von Antennen aus einer Datei lesen, bei - von der Standardeingabe, und jede Zeile mit ihren Ablesewerten beantworten, zum Beispiel --batch dishes.csv --format json. Die erste Zeile benennt die Spalten: zwei beliebige von diameter, frequency, gain, beamwidth und far-field, nach Wunsch auch efficiency; andere Spalten werden unverändert übernommen.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>Standardausgabe kann nicht beschrieben werden: %1</translation>
    </message>
    <message>
        <source>A slide rule of two nomograms for dish antennas, read as their formulas give them, with λ = c/f: the gain η(πD/λ)², the 3 dB beamwidth 70 λ/D, the 10 dB beamwidth 131.5 λ/D (1.878 times the 3 dB one) and the far-field range 2D²/λ.</source>
        <translation>Ein Rechenschieber aus zwei Nomogrammen für Parabolantennen, abgelesen wie ihre Formeln es ergeben, mit λ = c/f: der Gewinn η(πD/λ)², die 3-dB-Halbwertsbreite 70 λ/D, die 10-dB-Breite 131,5 λ/D (das 1,878-Fache der 3-dB-Breite) und der Fernfeldabstand 2D²/λ.</translation>
    </message>
    <message>
        <source>--batch: give the table&apos;s file name, or - for standard input</source>
        <translation>--batch: Geben Sie den Dateinamen der Tabelle an, oder - für die Standardeingabe</translation>
    </message>
    <message>
        <source>%1: give one of them with --diameter, --frequency or --far-field</source>
        <translation>%1: Bitte eine der beiden mit --diameter, --frequency oder --far-field angeben</translation>
    </message>
</context>
<context>
    <name>Dishscope</name>
    <message>
        <source>Upper antenna diameter scale</source>
        <translation>Obere Skala für den Antennendurchmesser</translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Fixed: set a frequency under the diameter.</source>
        <translation>Antennendurchmesser von 0,1 bis 100 Meter. Feststehend: Schieben Sie die gewünschte Frequenz unter den Durchmesser.</translation>
    </message>
    <message>
        <source>Upper frequency scale</source>
        <translation>Obere Frequenzskala</translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Slides with the upper slide bar.</source>
        <translation>Frequenz von 0,01 bis 100 GHz. Bewegt sich mit dem oberen Schieber.</translation>
    </message>
    <message>
        <source>Beamwidth scale</source>
        <translation>Skala für den Öffnungswinkel</translation>
    </message>
    <message>
        <source>Beamwidth from 100 down to 0.03 degrees, read under the 3dB and 10dB marks. Slides with the upper slide bar.</source>
        <translation>Öffnungswinkel von 100 bis hinab zu 0,03 Grad, abzulesen unter der 3dB- und der 10dB-Marke. Bewegt sich mit dem oberen Schieber.</translation>
    </message>
    <message>
        <source>Gain scale</source>
        <translation>Gewinnskala</translation>
    </message>
    <message>
        <source>Gain from 0 to 75 dBi, read above the aperture efficiency. Slides with the upper slide bar.</source>
        <translation>Gewinn von 0 bis 75 dBi, abzulesen über dem Aperturwirkungsgrad. Bewegt sich mit dem oberen Schieber.</translation>
    </message>
    <message>
        <source>Efficiency scale</source>
        <translation>Wirkungsgradskala</translation>
    </message>
    <message>
        <source>Aperture efficiency from 10 to 100 percent. Fixed.</source>
        <translation>Aperturwirkungsgrad von 10 bis 100 Prozent. Feststehend.</translation>
    </message>
    <message>
        <source>Far-field range scale</source>
        <translation>Skala für den Fernfeldabstand</translation>
    </message>
    <message>
        <source>Far-field distance from 1 to 10,000 metres, read under the mark. Slides with the lower slide bar, twice as fast as the lower antenna diameter scale.</source>
        <translation>Fernfeldabstand von 1 bis 10.000 Meter, abzulesen unter der Marke. Bewegt sich mit dem unteren Schieber, doppelt so schnell wie die untere Skala für den Antennendurchmesser.</translation>
    </message>
    <message>
        <source>Lower antenna diameter scale</source>
        <translation>Untere Skala für den Antennendurchmesser</translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Slides with the lower slide bar: set the diameter against a frequency.</source>
        <translation>Antennendurchmesser von 0,1 bis 100 Meter. Bewegt sich mit dem unteren Schieber: Schieben Sie den Durchmesser an die gewünschte Frequenz.</translation>
    </message>
    <message>
        <source>Lower frequency scale</source>
        <translation>Untere Frequenzskala</translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Fixed.</source>
        <translation>Frequenz von 0,01 bis 100 GHz. Feststehend.</translation>
    </message>
    <message>
        <source>Upper slide bar</source>
        <translation>Oberer Schieber</translation>
    </message>
    <message>
        <source>Lower slide bar</source>
        <translation>Unterer Schieber</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Shows how to read the nomograms.</source>
        <translation>Zeigt, wie die Nomogramme abgelesen werden.</translation>
    </message>
    <message>
        <source>Company information</source>
        <translation>Firmeninformationen</translation>
    </message>
    <message>
        <source>Shows the company information page.</source>
        <translation>Zeigt die Seite mit den Firmeninformationen.</translation>
    </message>
    <message>
        <source>Nomogram</source>
        <translation>Nomogramm</translation>
    </message>
    <message>
        <source>Returns to the nomogram view.</source>
        <translation>Kehrt zur Nomogrammansicht zurück.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write “%1”: the nomogram could not be drawn</source>
        <translation>„%1“ kann nicht geschrieben werden: Das Nomogramm konnte nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>cannot write “%1”: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>printing and export cannot be loaded from “%1” (%2)</source>
        <translation>Drucken und Export können nicht aus „%1“ geladen werden (%2)</translation>
    </message>
    <message>
        <source>printing and export are not installed: “%1” is missing</source>
        <translation>Drucken und Export sind nicht installiert: „%1“ fehlt</translation>
    </message>
    <message>
        <source>cannot tell what to write as “%1”: end the name in .pdf, .svg or .png</source>
        <translation>Dateiformat für „%1“ nicht erkennbar: Der Dateiname muss auf .pdf, .svg oder .png enden</translation>
    </message>
    <message>
        <source>Beamwise nomogram</source>
        <translation>Beamwise-Nomogramm</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>far-field range</source>
        <translation>Fernfeldabstand</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 oder %2</translation>
    </message>
    <message>
        <source>“%1” is not a unit of %2: use %3, for example %4.</source>
        <translation>„%1“ ist keine Einheit für %2: Bitte %3 verwenden, zum Beispiel %4.</translation>
    </message>
    <message>
        <source>A %1 must be more than zero.</source>
        <translation>%1 muss größer als null sein.</translation>
    </message>
    <message>
        <source>The efficiency scale runs from 10 to 100 %.</source>
        <translation>Die Wirkungsgradskala reicht von 10 bis 100 %.</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>a frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>a gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>a beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>a far-field range</source>
        <translation>Fernfeldabstand</translation>
    </message>
    <message>
        <source>an efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>Type %1, for example %2.</source>
        <translation>Bitte %1 eingeben, zum Beispiel %2.</translation>
    </message>
    <message>
        <source>“%1” is not a number: type %2 as a number with %3, for example %4.</source>
        <translation>„%1“ ist keine Zahl: Bitte %2 als Zahl mit %3 eingeben, zum Beispiel %4.</translation>
    </message>
    <message>
        <source>“%1” is not a number: type %2 such as %3.</source>
        <translation>„%1“ ist keine Zahl: Bitte %2 eingeben, etwa %3.</translation>
    </message>
    <message>
        <source>“%1” is read two ways, as %2 and as %3: type %2 or %3.</source>
        <translation>„%1“ lässt sich zweifach lesen, als %2 und als %3: Bitte %2 oder %3 eingeben.</translation>
    </message>
    <message>
        <source>“%1” is too large for %2.</source>
        <translation>„%1“ ist als %2 zu groß.</translation>
    </message>
</context>
<context>
    <name>InstructionsText</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Beamwise: the dish antenna nomogram&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The upper nomogram relates antenna diameter and frequency to gain and beamwidth for a range of efficiencies. Set two parameters against each other, for example diameter and frequency, and read off the matching gain and beamwidth.&lt;/p&gt;&lt;p&gt;The lower nomogram relates antenna diameter and frequency to the far-field distance, the range at which the antenna&apos;s beam is properly formed. Set the diameter against the frequency and read off the far-field distance.&lt;/p&gt;&lt;p&gt;Right-click the nomogram to set an antenna by typing it (Ctrl+E), copy the readings (Ctrl+C), print (Ctrl+P) or export it (Ctrl+Shift+S).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Beamwise: Parabolantennen-Nomogramm&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Das obere Nomogramm verknüpft Antennendurchmesser und Frequenz je nach Wirkungsgrad mit Gewinn und Halbwertsbreite. Stellen Sie zwei Größen gegeneinander ein, etwa Durchmesser und Frequenz, und lesen Sie Gewinn und Halbwertsbreite ab.&lt;/p&gt;&lt;p&gt;Das untere Nomogramm verknüpft Durchmesser und Frequenz mit dem Fernfeldabstand, ab dem die Hauptkeule ausgebildet ist. Stellen Sie beide gegeneinander ein und lesen Sie den Abstand ab.&lt;/p&gt;&lt;p&gt;Rechtsklick ins Nomogramm: Antenne festlegen (Strg+E), Werte kopieren (Strg+C), drucken (Strg+P) oder exportieren (Strg+Umschalt+S).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>NomogramCommands</name>
    <message>
        <source>Set Antenna…</source>
        <translation>Antenne festlegen…</translation>
    </message>
    <message>
        <source>Copy Readings</source>
        <translation>Ablesewerte kopieren</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Drucken…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportieren…</translation>
    </message>
    <message>
        <source>Slides the frequency, beamwidth and gain scales of the upper nomogram. %1.</source>
        <translation>Verschiebt die Skalen für Frequenz, Öffnungswinkel und Gewinn im oberen Nomogramm. %1.</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Slides the antenna diameter and far-field range scales of the lower nomogram. %1.</source>
        <translation>Verschiebt die Skalen für Antennendurchmesser und Fernfeldabstand im unteren Nomogramm. %1.</translation>
    </message>
    <message>
        <source>Export Nomogram</source>
        <translation>Nomogramm exportieren</translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation>PDF-Seite (*.pdf)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>SVG-Zeichnung (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture, 300 dpi (*.png)</source>
        <translation>PNG-Bild, 300 dpi (*.png)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Vergrößern</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Verkleinern</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Originalgröße</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Zeigt Hilfe zu den Kommandozeilenoptionen an.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Zeigt Hilfe einschließlich Qt-spezifischer Optionen an.</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Gain at 100 % efficiency: %1</source>
        <translation>Gewinn bei 100 % Wirkungsgrad: %1</translation>
    </message>
    <message>
        <source>Gain at %1 % efficiency: %2</source>
        <translation>Gewinn bei %1 % Wirkungsgrad: %2</translation>
    </message>
    <message>
        <source>Beamwidth under the 3dB mark: %1</source>
        <translation>Halbwertsbreite unter der 3dB-Marke: %1</translation>
    </message>
    <message>
        <source>Beamwidth under the 10dB mark: %1</source>
        <translation>Öffnungswinkel unter der 10dB-Marke: %1</translation>
    </message>
    <message>
        <source>Far-field range: %1</source>
        <translation>Fernfeldabstand: %1</translation>
    </message>
    <message>
        <source>%1 %2 (found)</source>
        <translation>%1 %2 (ermittelt)</translation>
    </message>
    <message>
        <source>Antenna: %1 at %2, %3 efficiency</source>
        <translation>Antenne: %1 bei %2, Wirkungsgrad %3</translation>
    </message>
    <message>
        <source>Antenna: %1 at %2</source>
        <translation>Antenne: %1 bei %2</translation>
    </message>
    <message>
        <source>%1 is off the diameter scales, which run from %2.</source>
        <translation>%1 liegt außerhalb der Durchmesserskalen, die von %2 reichen.</translation>
    </message>
    <message>
        <source>%1 is off the frequency scales, which run from %2.</source>
        <translation>%1 liegt außerhalb der Frequenzskalen, die von %2 reichen.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set frequencies from %2 only.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lassen sich nur Frequenzen von %2 einstellen.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set diameters from %2 only.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lassen sich nur Durchmesser von %2 einstellen.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: %1 and %2 cannot be set on them together.</source>
        <translation>Außerhalb des Nomogrammbereichs: %1 und %2 lassen sich nicht gleichzeitig einstellen.</translation>
    </message>
    <message>
        <source>%1 is off the gain scale, which runs from %2.</source>
        <translation>%1 liegt außerhalb der Gewinnskala, die von %2 reicht.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no gain can be set with %1.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lässt sich kein Gewinn einstellen.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a gain from %2 only.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lässt sich nur ein Gewinn von %2 einstellen.</translation>
    </message>
    <message>
        <source>%1 is off the beamwidth scale, which runs from %2.</source>
        <translation>%1 liegt außerhalb der Skala für den Öffnungswinkel, die von %2 reicht.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no beamwidth can be set with %1.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lässt sich keine Halbwertsbreite einstellen.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a beamwidth from %2 only.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lässt sich nur eine Halbwertsbreite von %2 einstellen.</translation>
    </message>
    <message>
        <source>%1 is off the far-field scale, which runs from %2.</source>
        <translation>%1 liegt außerhalb der Fernfeldskala, die von %2 reicht.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no far-field can be set with %1.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lässt sich kein Fernfeldabstand einstellen.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a far-field from %2 only.</source>
        <translation>Außerhalb des Nomogrammbereichs: Bei %1 lässt sich nur ein Fernfeldabstand von %2 einstellen.</translation>
    </message>
    <message>
        <source>%1 to %2%3</source>
        <translation>%1 bis %2%3</translation>
    </message>
    <message>
        <source>beyond the gain scale (over %1)</source>
        <translation>jenseits der Gewinnskala (über %1)</translation>
    </message>
    <message>
        <source>beyond the gain scale (under %1)</source>
        <translation>jenseits der Gewinnskala (unter %1)</translation>
    </message>
    <message>
        <source>beyond the beamwidth scale (over %1)</source>
        <translation>jenseits der Halbwertsbreitenskala (über %1)</translation>
    </message>
    <message>
        <source>beyond the beamwidth scale (under %1)</source>
        <translation>jenseits der Halbwertsbreitenskala (unter %1)</translation>
    </message>
    <message>
        <source>beyond the far-field scale (over %1)</source>
        <translation>jenseits der Fernfeldskala (über %1)</translation>
    </message>
    <message>
        <source>beyond the far-field scale (under %1)</source>
        <translation>jenseits der Fernfeldskala (unter %1)</translation>
    </message>
    <message>
        <source>A gain and a beamwidth fix the same product of diameter and frequency</source>
        <translation>Gewinn und Halbwertsbreite legen dasselbe Produkt aus Durchmesser und Frequenz fest</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>Antenna diameter</source>
        <translation>Antennendurchmesser</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Wirkungsgrad</translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation>Fernfeldabstand</translation>
    </message>
</context>
<context>
    <name>SetAntennaDialog</name>
    <message>
        <source>Diameter</source>
        <translation>Durchmesser</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frequenz</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gewinn</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Halbwertsbreite</translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation>Fernfeldabstand</translation>
    </message>
    <message>
        <source>Set Antenna</source>
        <translation>Antenne festlegen</translation>
    </message>
    <message>
        <source>optional, 10 to 100 %</source>
        <translation>optional, 10 bis 100 %</translation>
    </message>
    <message>
        <source>&amp;Given:</source>
        <translation>&amp;Gegeben:</translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation>&amp;Und:</translation>
    </message>
    <message>
        <source>&amp;Efficiency:</source>
        <translation>&amp;Wirkungsgrad:</translation>
    </message>
    <message>
        <source>Give two different quantities.</source>
        <translation>Bitte zwei verschiedene Größen angeben.</translation>
    </message>
    <message>
        <source>Type two quantities to see the antenna and its readings.</source>
        <translation>Bitte zwei Größen eingeben, um die Antenne und ihre Ablesewerte zu sehen.</translation>
    </message>
    <message>
        <source>Correct what is said above to see the readings.</source>
        <translation>Bitte die oben genannten Eingaben korrigieren, um die Ablesewerte zu sehen.</translation>
    </message>
    <message>
        <source>%1: give one of them with a diameter, a frequency or a far-field range.</source>
        <translation>%1: Bitte eine der beiden mit einem Durchmesser, einer Frequenz oder einem Fernfeldabstand angeben.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Give only two of diameter, frequency, gain, beamwidth and far-field in a row.</source>
        <translation>In einer Zeile nur zwei von diameter, frequency, gain, beamwidth und far-field angeben.</translation>
    </message>
    <message>
        <source>Give two of diameter, frequency, gain, beamwidth and far-field in a row.</source>
        <translation>In einer Zeile zwei von diameter, frequency, gain, beamwidth und far-field angeben.</translation>
    </message>
    <message>
        <source>two columns are named “%1”</source>
        <translation>zwei Spalten heißen „%1“</translation>
    </message>
    <message>
        <source>no column is named diameter, frequency, gain, beamwidth, far-field or efficiency: the first line must name the columns</source>
        <translation>keine Spalte heißt diameter, frequency, gain, beamwidth, far-field oder efficiency: die erste Zeile muss die Spalten benennen</translation>
    </message>
    <message>
        <source>This row has more cells than the table has columns.</source>
        <translation>Diese Zeile hat mehr Zellen, als die Tabelle Spalten hat.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, Zeile %2: %3</translation>
    </message>
    <message>
        <source>cannot read “%1”: %2</source>
        <translation>„%1“ kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>ein hier geöffnetes Anführungszeichen wird nie geschlossen</translation>
    </message>
    <message>
        <source>a quote stands inside a field that does not begin with one: quote the whole field and double the quotes in it</source>
        <translation>ein Anführungszeichen steht in einem Feld, das nicht mit einem beginnt: das ganze Feld in Anführungszeichen setzen und die Anführungszeichen darin verdoppeln</translation>
    </message>
    <message>
        <source>the table is empty: its first line must name the columns</source>
        <translation>die Tabelle ist leer: ihre erste Zeile muss die Spalten benennen</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>Standardeingabe</translation>
    </message>
    <message>
        <source>column %1 is named in bytes that are not UTF-8 text: JSON names columns in text</source>
        <translation>Spalte %1 ist mit Bytes benannt, die kein UTF-8-Text sind: JSON benennt Spalten mit Text</translation>
    </message>
    <message>
        <source>column %1 has no name: JSON names each cell by its column</source>
        <translation>Spalte %1 hat keinen Namen: JSON benennt jede Zelle nach ihrer Spalte</translation>
    </message>
    <message>
        <source>two columns are named “%1”: JSON names each cell by its column</source>
        <translation>zwei Spalten heißen „%1“: JSON benennt jede Zelle nach ihrer Spalte</translation>
    </message>
    <message>
        <source>%1: this cell is not UTF-8 text, which JSON needs: the row is left as it is</source>
        <translation>%1: Diese Zelle ist kein UTF-8-Text, den JSON braucht: Die Zeile bleibt, wie sie ist</translation>
    </message>
    <message>
        <source>%1 of %2 rows refused</source>
        <translation>%1 von %2 Zeilen abgelehnt</translation>
    </message>
    <message>
        <source>a field here is longer than 1 MiB, the most a table&apos;s field may hold</source>
        <translation>ein Feld hier ist länger als 1 MiB, das Höchste, was ein Feld einer Tabelle fassen darf</translation>
    </message>
    <message>
        <source>a row here has more than 10,000 fields, the most a table&apos;s row may have</source>
        <translation>eine Zeile hier hat mehr als 10.000 Felder, die Höchstzahl für eine Zeile einer Tabelle</translation>
    </message>
    <message>
        <source>a row here is longer than 8 MiB, the most a table&apos;s row may hold</source>
        <translation>eine Zeile hier ist länger als 8 MiB, das Höchste, was eine Zeile einer Tabelle fassen darf</translation>
    </message>
    <message>
        <source>%1: give one of them in a row with a diameter, a frequency or a far-field range.</source>
        <translation>%1: Bitte in einer Zeile eine der beiden mit einem Durchmesser, einer Frequenz oder einem Fernfeldabstand angeben.</translation>
    </message>
</context>
</TS>
