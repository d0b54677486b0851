<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>CommandLine</name>
    <message>
        <source>A slide rule of two nomograms for dish antennas: gain, beamwidth and far-field range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna diameter in m, cm, mm, ft or in (m if none).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency in Hz, kHz, MHz or GHz (GHz if none).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanted gain in dBi at the efficiency given, 100 % if none; with --diameter, --frequency or --far-field, for example --gain 41.2 --frequency 11.7GHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanted 3 dB beamwidth in ° or deg (° if none); with --diameter, --frequency or --far-field, for example --beamwidth 2 --frequency 1420MHz.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wanted far-field range in m, km or ft (m if none); with --diameter, --frequency, --gain or --beamwidth, for example --far-field 100m --frequency 10.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture efficiency in %, 10 to 100 (optional).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print the readings for the antenna and end, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write the nomogram to a PDF, SVG or PNG file and end, without a window.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see beamwise --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unexpected argument “%1” (see beamwise --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give only two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--gain and --beamwidth both fix the product of diameter and frequency: give one of them with --diameter, --frequency or --far-field</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Dishscope</name>
    <message>
        <source>Upper antenna diameter scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Fixed: set a frequency under the diameter.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper frequency scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Slides with the upper slide bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beamwidth scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beamwidth from 100 down to 0.03 degrees, read under the 3dB and 10dB marks. Slides with the upper slide bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain from 0 to 75 dBi, read above the aperture efficiency. Slides with the upper slide bar.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Efficiency scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Aperture efficiency from 10 to 100 percent. Fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far-field range scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far-field distance from 1 to 10,000 metres, read under the mark. Slides with the lower slide bar, twice as fast as the lower antenna diameter scale.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower antenna diameter scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Slides with the lower slide bar: set the diameter against a frequency.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower frequency scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Fixed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Upper slide bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower slide bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows how to read the nomograms.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Company information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shows the company information page.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nomogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Returns to the nomogram view.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write “%1”: the nomogram could not be drawn</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot write “%1”: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printing and export cannot be loaded from “%1” (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>printing and export are not installed: “%1” is missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot tell what to write as “%1”: end the name in .pdf, .svg or .png</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.5 GHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>efficiency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>60 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>41.2 dBi</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>beamwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>far-field range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>100 m</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a %1, for example %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a number: type a %2 as a number with %3, for example %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a unit of %2: use %3, for example %4.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>“%1” is not a number: type a %2 such as %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A %1 must be more than zero.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The efficiency scale runs from 10 to 100 %.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>InstructionsText</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Beamwise: the dish antenna nomogram&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The upper nomogram relates antenna diameter and frequency to gain and beamwidth for a range of efficiencies. Set two parameters against each other, for example diameter and frequency, and read off the matching gain and beamwidth.&lt;/p&gt;&lt;p&gt;The lower nomogram relates antenna diameter and frequency to the far-field distance, the range at which the antenna&apos;s beam is properly formed. Set the diameter against the frequency and read off the far-field distance.&lt;/p&gt;&lt;p&gt;Right-click the nomogram to set an antenna by typing it (Ctrl+E), copy the readings (Ctrl+C), print (Ctrl+P) or export it (Ctrl+Shift+S).&lt;/p&gt;</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NomogramCommands</name>
    <message>
        <source>Set Antenna…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy Readings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export…</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides the frequency, beamwidth and gain scales of the upper nomogram. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slides the antenna diameter and far-field range scales of the lower nomogram. %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export Nomogram</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PNG picture, 300 dpi (*.png)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>off the scale</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain at 100 % efficiency: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain at %1 % efficiency: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beamwidth under the 3dB mark: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beamwidth under the 10dB mark: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far-field range: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2 (found)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: %1 at %2, %3 efficiency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Antenna: %1 at %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2 %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is off the diameter scales, which run from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is off the frequency scales, which run from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set frequencies from %2 only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set diameters from %2 only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: %1 and %2 cannot be set on them together.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is off the gain scale, which runs from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no gain can be set with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a gain from %2 only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is off the beamwidth scale, which runs from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no beamwidth can be set with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a beamwidth from %2 only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is off the far-field scale, which runs from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no far-field can be set with %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a far-field from %2 only.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 to %2%3</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SetAntennaDialog</name>
    <message>
        <source>Diameter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Gain</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set Antenna</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1.2 m, 90 cm, 4 ft</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.5 GHz, 900 MHz</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>optional, 10 to 100 %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Given:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Efficiency:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Give two different quantities.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A gain and a beamwidth fix the same product of diameter and frequency: give one of them with a diameter, a frequency or a far-field range.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Correct what is marked above to see the readings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type two quantities to see the antenna and its readings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
