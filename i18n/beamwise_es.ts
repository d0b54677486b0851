<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>CommandLine</name>
    <message>
        <source>Antenna diameter in m, cm, mm, ft or in (m if none).</source>
        <translation>Diámetro de la antena en m, cm, mm, ft o in (m si no se indica).</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valor</translation>
    </message>
    <message>
        <source>Frequency in Hz, kHz, MHz or GHz (GHz if none).</source>
        <translation>Frecuencia en Hz, kHz, MHz o GHz (GHz si no se indica).</translation>
    </message>
    <message>
        <source>Wanted gain in dBi at the efficiency given, 100 % if none; with --diameter, --frequency or --far-field, for example --gain 41.2 --frequency 11.7GHz.</source>
        <translation>Ganancia deseada en dBi con la eficiencia indicada (100 % si no se indica); junto con --diameter, --frequency o --far-field, por ejemplo --gain 41.2 --frequency 11.7GHz.</translation>
    </message>
    <message>
        <source>Wanted 3 dB beamwidth in ° or deg (° if none); with --diameter, --frequency or --far-field, for example --beamwidth 2 --frequency 1420MHz.</source>
        <translation>Ancho de haz a −3 dB deseado en ° o deg (° si no se indica); junto con --diameter, --frequency o --far-field, por ejemplo --beamwidth 2 --frequency 1420MHz.</translation>
    </message>
    <message>
        <source>Wanted far-field range in m, km or ft (m if none); with --diameter, --frequency, --gain or --beamwidth, for example --far-field 100m --frequency 10.</source>
        <translation>Distancia de campo lejano deseada en m, km o ft (m si no se indica); junto con --diameter, --frequency, --gain o --beamwidth, por ejemplo --far-field 100m --frequency 10.</translation>
    </message>
    <message>
        <source>Aperture efficiency in %, 10 to 100 (optional).</source>
        <translation>Eficiencia de apertura en %, de 10 a 100 (opcional).</translation>
    </message>
    <message>
        <source>Print the readings for the antenna and end, without a window.</source>
        <translation>Mostrar las lecturas de la antena y salir, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>Write the nomogram to a PDF, SVG or PNG file and end, without a window.</source>
        <translation>Guardar el nomograma en un archivo PDF, SVG o PNG y salir, sin abrir ninguna ventana.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>archivo</translation>
    </message>
    <message>
        <source>%1 (see beamwise --help)</source>
        <translation>%1 (consulte beamwise --help)</translation>
    </message>
    <message>
        <source>unexpected argument “%1” (see beamwise --help)</source>
        <translation>argumento inesperado «%1» (consulte beamwise --help)</translation>
    </message>
    <message>
        <source>give only two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation>indique solo dos de --diameter, --frequency, --gain, --beamwidth y --far-field, por ejemplo --diameter 1.2m --frequency 12.5GHz o --gain 41.2 --frequency 11.7GHz</translation>
    </message>
    <message>
        <source>give two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation>indique dos de --diameter, --frequency, --gain, --beamwidth y --far-field, por ejemplo --diameter 1.2m --frequency 12.5GHz o --gain 41.2 --frequency 11.7GHz</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>--format: “%1” is not a format: use text, csv or json</source>
        <translation>--format: «%1» no es un formato: use text, csv o json</translation>
    </message>
    <message>
        <source>--format says how readings are printed: give it with --readings or --batch</source>
        <translation>--format indica cómo se muestran las lecturas: indíquelo junto con --readings o --batch</translation>
    </message>
    <message>
        <source>--format text is for one antenna: a table is answered in csv or json</source>
        <translation>--format text es para una sola antena: las tablas se responden en csv o json</translation>
    </message>
    <message>
        <source>--batch reads its antennas from the table: give it without --diameter, --frequency, --gain, --beamwidth, --far-field, --efficiency or --export</source>
        <translation>--batch lee las antenas de la tabla: indíquelo sin --diameter, --frequency, --gain, --beamwidth, --far-field, --efficiency ni --export</translation>
    </message>
    <message>
        <source>How readings are printed: text (the default), csv (a header line and a row) or json (one object), for example --readings --format csv --diameter 1m --frequency 10GHz. Tables are answered in csv (the default) or json, one object a line.</source>
        <translation>Cómo se muestran las lecturas: text (predeterminado), csv (una línea de encabezado y una fila) o json (un objeto), por ejemplo --readings --format csv --diameter 1m --frequency 10GHz. Las tablas se responden en csv (predeterminado) o json, un objeto por línea.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>formato</translation>
    </message>
    <message>
        <source>Read a CSV table of antennas from a file, or from standard input for -, and answer each row with its readings, for example --batch dishes.csv --format json. Its first line names the columns: any two of diameter, frequency, gain, beamwidth and far-field, and efficiency if you like; other columns are carried through.</source>
        <translation>Leer una tabla CSV de antenas de un archivo, o de la entrada estándar con -, y responder a cada fila con sus lecturas, por ejemplo --batch dishes.csv --format json. Su primera línea nombra las columnas: dos cualesquiera de diameter, frequency, gain, beamwidth y far-field, y efficiency si se desea; las demás columnas se conservan tal cual.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>no se puede escribir en la salida estándar: %1</translation>
    </message>
    <message>
        <source>A slide rule of two nomograms for dish antennas, read as their formulas give them, with λ = c/f: the gain η(πD/λ)², the 3 dB beamwidth 70 λ/D, the 10 dB beamwidth 131.5 λ/D (1.878 times the 3 dB one) and the far-field range 2D²/λ.</source>
        <translation>Una regla de cálculo de dos nomogramas para antenas parabólicas, leída como dan sus fórmulas, con λ = c/f: la ganancia η(πD/λ)², la anchura de haz a 3 dB 70 λ/D, la anchura a 10 dB 131,5 λ/D (1,878 veces la de 3 dB) y la distancia de campo lejano 2D²/λ.</translation>
    </message>
    <message>
        <source>--batch: give the table&apos;s file name, or - for standard input</source>
        <translation>--batch: indique el nombre del archivo de la tabla, o - para la entrada estándar</translation>
    </message>
    <message>
        <source>%1: give one of them with --diameter, --frequency or --far-field</source>
        <translation>%1: indique uno de los dos con --diameter, --frequency o --far-field</translation>
    </message>
</context>
<context>
    <name>Dishscope</name>
    <message>
        <source>Upper antenna diameter scale</source>
        <translation>Escala superior de diámetro de la antena</translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Fixed: set a frequency under the diameter.</source>
        <translation>Diámetro de la antena de 0,1 a 100 metros. Escala fija: coloque una frecuencia debajo del diámetro.</translation>
    </message>
    <message>
        <source>Upper frequency scale</source>
        <translation>Escala superior de frecuencia</translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Slides with the upper slide bar.</source>
        <translation>Frecuencia de 0,01 a 100 GHz. Se desplaza con la regleta superior.</translation>
    </message>
    <message>
        <source>Beamwidth scale</source>
        <translation>Escala de ancho de haz</translation>
    </message>
    <message>
        <source>Beamwidth from 100 down to 0.03 degrees, read under the 3dB and 10dB marks. Slides with the upper slide bar.</source>
        <translation>Ancho de haz de 100 a 0,03 grados, que se lee bajo las marcas 3dB y 10dB. Se desplaza con la regleta superior.</translation>
    </message>
    <message>
        <source>Gain scale</source>
        <translation>Escala de ganancia</translation>
    </message>
    <message>
        <source>Gain from 0 to 75 dBi, read above the aperture efficiency. Slides with the upper slide bar.</source>
        <translation>Ganancia de 0 a 75 dBi, que se lee sobre la eficiencia de apertura. Se desplaza con la regleta superior.</translation>
    </message>
    <message>
        <source>Efficiency scale</source>
        <translation>Escala de eficiencia</translation>
    </message>
    <message>
        <source>Aperture efficiency from 10 to 100 percent. Fixed.</source>
        <translation>Eficiencia de apertura del 10 al 100 por ciento. Escala fija.</translation>
    </message>
    <message>
        <source>Far-field range scale</source>
        <translation>Escala de distancia de campo lejano</translation>
    </message>
    <message>
        <source>Far-field distance from 1 to 10,000 metres, read under the mark. Slides with the lower slide bar, twice as fast as the lower antenna diameter scale.</source>
        <translation>Distancia de campo lejano de 1 a 10&#xa0;000 metros, que se lee bajo la marca. Se desplaza con la regleta inferior, al doble de velocidad que la escala inferior de diámetro de la antena.</translation>
    </message>
    <message>
        <source>Lower antenna diameter scale</source>
        <translation>Escala inferior de diámetro de la antena</translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Slides with the lower slide bar: set the diameter against a frequency.</source>
        <translation>Diámetro de la antena de 0,1 a 100 metros. Se desplaza con la regleta inferior: coloque el diámetro frente a una frecuencia.</translation>
    </message>
    <message>
        <source>Lower frequency scale</source>
        <translation>Escala inferior de frecuencia</translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Fixed.</source>
        <translation>Frecuencia de 0,01 a 100 GHz. Escala fija.</translation>
    </message>
    <message>
        <source>Upper slide bar</source>
        <translation>Regleta deslizante superior</translation>
    </message>
    <message>
        <source>Lower slide bar</source>
        <translation>Regleta deslizante inferior</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instrucciones</translation>
    </message>
    <message>
        <source>Shows how to read the nomograms.</source>
        <translation>Muestra cómo leer los nomogramas.</translation>
    </message>
    <message>
        <source>Company information</source>
        <translation>Información de la empresa</translation>
    </message>
    <message>
        <source>Shows the company information page.</source>
        <translation>Muestra la página de información de la empresa.</translation>
    </message>
    <message>
        <source>Nomogram</source>
        <translation>Nomograma</translation>
    </message>
    <message>
        <source>Returns to the nomogram view.</source>
        <translation>Vuelve a la vista del nomograma.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write “%1”: the nomogram could not be drawn</source>
        <translation>no se puede escribir «%1»: no se pudo dibujar el nomograma</translation>
    </message>
    <message>
        <source>cannot write “%1”: %2</source>
        <translation>no se puede escribir «%1»: %2</translation>
    </message>
    <message>
        <source>printing and export cannot be loaded from “%1” (%2)</source>
        <translation>no se puede cargar el módulo de impresión y exportación desde «%1» (%2)</translation>
    </message>
    <message>
        <source>printing and export are not installed: “%1” is missing</source>
        <translation>el módulo de impresión y exportación no está instalado: falta «%1»</translation>
    </message>
    <message>
        <source>cannot tell what to write as “%1”: end the name in .pdf, .svg or .png</source>
        <translation>no se sabe en qué formato escribir «%1»: termine el nombre en .pdf, .svg o .png</translation>
    </message>
    <message>
        <source>Beamwise nomogram</source>
        <translation>Nomograma de Beamwise</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>diameter</source>
        <translation>diámetro</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>efficiency</source>
        <translation>eficiencia</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>ganancia</translation>
    </message>
    <message>
        <source>beamwidth</source>
        <translation>ancho de haz</translation>
    </message>
    <message>
        <source>far-field range</source>
        <translation>distancia de campo lejano</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 o %2</translation>
    </message>
    <message>
        <source>“%1” is not a unit of %2: use %3, for example %4.</source>
        <translation>«%1» no es una unidad de %2: use %3, por ejemplo %4.</translation>
    </message>
    <message>
        <source>A %1 must be more than zero.</source>
        <translation>El valor de %1 debe ser mayor que cero.</translation>
    </message>
    <message>
        <source>The efficiency scale runs from 10 to 100 %.</source>
        <translation>La escala de eficiencia va del 10 al 100 %.</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>diámetro</translation>
    </message>
    <message>
        <source>a frequency</source>
        <translation>frecuencia</translation>
    </message>
    <message>
        <source>a gain</source>
        <translation>ganancia</translation>
    </message>
    <message>
        <source>a beamwidth</source>
        <translation>ancho de haz</translation>
    </message>
    <message>
        <source>a far-field range</source>
        <translation>distancia de campo lejano</translation>
    </message>
    <message>
        <source>an efficiency</source>
        <translation>eficiencia</translation>
    </message>
    <message>
        <source>Type %1, for example %2.</source>
        <translation>Escriba un valor de %1, por ejemplo %2.</translation>
    </message>
    <message>
        <source>“%1” is not a number: type %2 as a number with %3, for example %4.</source>
        <translation>«%1» no es un número: escriba un valor de %2 como número seguido de %3, por ejemplo %4.</translation>
    </message>
    <message>
        <source>“%1” is not a number: type %2 such as %3.</source>
        <translation>«%1» no es un número: escriba un valor de %2, por ejemplo %3.</translation>
    </message>
    <message>
        <source>“%1” is read two ways, as %2 and as %3: type %2 or %3.</source>
        <translation>«%1» se lee de dos maneras, como %2 y como %3: escriba %2 o %3.</translation>
    </message>
    <message>
        <source>“%1” is too large for %2.</source>
        <translation>«%1» es demasiado grande como %2.</translation>
    </message>
</context>
<context>
    <name>InstructionsText</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Beamwise: the dish antenna nomogram&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The upper nomogram relates antenna diameter and frequency to gain and beamwidth for a range of efficiencies. Set two parameters against each other, for example diameter and frequency, and read off the matching gain and beamwidth.&lt;/p&gt;&lt;p&gt;The lower nomogram relates antenna diameter and frequency to the far-field distance, the range at which the antenna&apos;s beam is properly formed. Set the diameter against the frequency and read off the far-field distance.&lt;/p&gt;&lt;p&gt;Right-click the nomogram to set an antenna by typing it (Ctrl+E), copy the readings (Ctrl+C), print (Ctrl+P) or export it (Ctrl+Shift+S).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Beamwise: nomograma para antenas parabólicas&lt;/b&gt;&lt;/p&gt;&lt;p&gt;El nomograma superior relaciona diámetro y frecuencia con ganancia y ancho de haz para varias eficiencias. Ajuste dos parámetros entre sí, p. ej. diámetro y frecuencia, y lea la ganancia y el ancho de haz resultantes.&lt;/p&gt;&lt;p&gt;El nomograma inferior relaciona diámetro y frecuencia con la distancia de campo lejano, desde la que el haz ya está formado. Ajuste el diámetro frente a la frecuencia y lea esa distancia.&lt;/p&gt;&lt;p&gt;Con clic derecho en el nomograma: introducir una antena (Ctrl+E), copiar lecturas (Ctrl+C), imprimir (Ctrl+P) o exportar (Ctrl+Shift+S).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>NomogramCommands</name>
    <message>
        <source>Set Antenna…</source>
        <translation>Ajustar antena…</translation>
    </message>
    <message>
        <source>Copy Readings</source>
        <translation>Copiar lecturas</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimir…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exportar…</translation>
    </message>
    <message>
        <source>Slides the frequency, beamwidth and gain scales of the upper nomogram. %1.</source>
        <translation>Desplaza las escalas de frecuencia, ancho de haz y ganancia del nomograma superior. %1.</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Slides the antenna diameter and far-field range scales of the lower nomogram. %1.</source>
        <translation>Desplaza las escalas de diámetro de la antena y de distancia de campo lejano del nomograma inferior. %1.</translation>
    </message>
    <message>
        <source>Export Nomogram</source>
        <translation>Exportar nomograma</translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation>Página PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dibujo SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture, 300 dpi (*.png)</source>
        <translation>Imagen PNG, 300 ppp (*.png)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Ampliar</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Reducir</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Tamaño real</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Muestra la ayuda sobre las opciones de la línea de órdenes.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Muestra la ayuda, incluidas las opciones propias de Qt.</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Gain at 100 % efficiency: %1</source>
        <translation>Ganancia con eficiencia del 100 %: %1</translation>
    </message>
    <message>
        <source>Gain at %1 % efficiency: %2</source>
        <translation>Ganancia con eficiencia del %1 %: %2</translation>
    </message>
    <message>
        <source>Beamwidth under the 3dB mark: %1</source>
        <translation>Ancho de haz bajo la marca 3dB: %1</translation>
    </message>
    <message>
        <source>Beamwidth under the 10dB mark: %1</source>
        <translation>Ancho de haz bajo la marca 10dB: %1</translation>
    </message>
    <message>
        <source>Far-field range: %1</source>
        <translation>Distancia de campo lejano: %1</translation>
    </message>
    <message>
        <source>%1 %2 (found)</source>
        <translation>%1 %2 (resultado)</translation>
    </message>
    <message>
        <source>Antenna: %1 at %2, %3 efficiency</source>
        <translation>Antena: %1 a %2, eficiencia del %3</translation>
    </message>
    <message>
        <source>Antenna: %1 at %2</source>
        <translation>Antena: %1 a %2</translation>
    </message>
    <message>
        <source>%1 is off the diameter scales, which run from %2.</source>
        <translation>%1 está fuera de las escalas de diámetro, que van de %2.</translation>
    </message>
    <message>
        <source>%1 is off the frequency scales, which run from %2.</source>
        <translation>%1 está fuera de las escalas de frecuencia, que van de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set frequencies from %2 only.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 solo se pueden ajustar frecuencias de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set diameters from %2 only.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 solo se pueden ajustar diámetros de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: %1 and %2 cannot be set on them together.</source>
        <translation>Fuera del alcance de los nomogramas: no se pueden ajustar a la vez %1 y %2.</translation>
    </message>
    <message>
        <source>%1 is off the gain scale, which runs from %2.</source>
        <translation>%1 está fuera de la escala de ganancia, que va de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no gain can be set with %1.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 no se puede ajustar ninguna ganancia.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a gain from %2 only.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 solo se puede ajustar una ganancia de %2.</translation>
    </message>
    <message>
        <source>%1 is off the beamwidth scale, which runs from %2.</source>
        <translation>%1 está fuera de la escala de ancho de haz, que va de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no beamwidth can be set with %1.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 no se puede ajustar ningún ancho de haz.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a beamwidth from %2 only.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 solo se puede ajustar un ancho de haz de %2.</translation>
    </message>
    <message>
        <source>%1 is off the far-field scale, which runs from %2.</source>
        <translation>%1 está fuera de la escala de campo lejano, que va de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no far-field can be set with %1.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 no se puede ajustar ninguna distancia de campo lejano.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a far-field from %2 only.</source>
        <translation>Fuera del alcance de los nomogramas: con %1 solo se puede ajustar una distancia de campo lejano de %2.</translation>
    </message>
    <message>
        <source>%1 to %2%3</source>
        <translation>%1 a %2%3</translation>
    </message>
    <message>
        <source>beyond the gain scale (over %1)</source>
        <translation>fuera de la escala de ganancia (más de %1)</translation>
    </message>
    <message>
        <source>beyond the gain scale (under %1)</source>
        <translation>fuera de la escala de ganancia (menos de %1)</translation>
    </message>
    <message>
        <source>beyond the beamwidth scale (over %1)</source>
        <translation>fuera de la escala de anchura de haz (más de %1)</translation>
    </message>
    <message>
        <source>beyond the beamwidth scale (under %1)</source>
        <translation>fuera de la escala de anchura de haz (menos de %1)</translation>
    </message>
    <message>
        <source>beyond the far-field scale (over %1)</source>
        <translation>fuera de la escala de campo lejano (más de %1)</translation>
    </message>
    <message>
        <source>beyond the far-field scale (under %1)</source>
        <translation>fuera de la escala de campo lejano (menos de %1)</translation>
    </message>
    <message>
        <source>A gain and a beamwidth fix the same product of diameter and frequency</source>
        <translation>Una ganancia y una anchura de haz fijan el mismo producto de diámetro y frecuencia</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>Antenna diameter</source>
        <translation>Diámetro de la antena</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Ancho de haz</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Eficiencia</translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation>Distancia de campo lejano</translation>
    </message>
</context>
<context>
    <name>SetAntennaDialog</name>
    <message>
        <source>Diameter</source>
        <translation>Diámetro</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Frecuencia</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Ganancia</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Ancho de haz</translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation>Distancia de campo lejano</translation>
    </message>
    <message>
        <source>Set Antenna</source>
        <translation>Ajustar antena</translation>
    </message>
    <message>
        <source>optional, 10 to 100 %</source>
        <translation>opcional, del 10 al 100 %</translation>
    </message>
    <message>
        <source>&amp;Given:</source>
        <translation>&amp;Primer dato:</translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation>&amp;Segundo dato:</translation>
    </message>
    <message>
        <source>&amp;Efficiency:</source>
        <translation>&amp;Eficiencia:</translation>
    </message>
    <message>
        <source>Give two different quantities.</source>
        <translation>Indique dos magnitudes distintas.</translation>
    </message>
    <message>
        <source>Type two quantities to see the antenna and its readings.</source>
        <translation>Escriba dos magnitudes para ver la antena y sus lecturas.</translation>
    </message>
    <message>
        <source>Correct what is said above to see the readings.</source>
        <translation>Corrija lo indicado arriba para ver las lecturas.</translation>
    </message>
    <message>
        <source>%1: give one of them with a diameter, a frequency or a far-field range.</source>
        <translation>%1: indique uno de los dos con un diámetro, una frecuencia o una distancia de campo lejano.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Give only two of diameter, frequency, gain, beamwidth and far-field in a row.</source>
        <translation>Indique solo dos de diameter, frequency, gain, beamwidth y far-field en cada fila.</translation>
    </message>
    <message>
        <source>Give two of diameter, frequency, gain, beamwidth and far-field in a row.</source>
        <translation>Indique dos de diameter, frequency, gain, beamwidth y far-field en cada fila.</translation>
    </message>
    <message>
        <source>two columns are named “%1”</source>
        <translation>dos columnas se llaman «%1»</translation>
    </message>
    <message>
        <source>no column is named diameter, frequency, gain, beamwidth, far-field or efficiency: the first line must name the columns</source>
        <translation>ninguna columna se llama diameter, frequency, gain, beamwidth, far-field ni efficiency: la primera línea debe nombrar las columnas</translation>
    </message>
    <message>
        <source>This row has more cells than the table has columns.</source>
        <translation>Esta fila tiene más celdas que columnas la tabla.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, línea %2: %3</translation>
    </message>
    <message>
        <source>cannot read “%1”: %2</source>
        <translation>no se puede leer «%1»: %2</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>unas comillas abiertas aquí no se cierran nunca</translation>
    </message>
    <message>
        <source>a quote stands inside a field that does not begin with one: quote the whole field and double the quotes in it</source>
        <translation>hay unas comillas dentro de un campo que no empieza por ellas: ponga todo el campo entre comillas y duplique las comillas que contiene</translation>
    </message>
    <message>
        <source>the table is empty: its first line must name the columns</source>
        <translation>la tabla está vacía: su primera línea debe nombrar las columnas</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrada estándar</translation>
    </message>
    <message>
        <source>column %1 is named in bytes that are not UTF-8 text: JSON names columns in text</source>
        <translation>la columna %1 tiene un nombre en bytes que no son texto UTF-8: JSON nombra las columnas con texto</translation>
    </message>
    <message>
        <source>column %1 has no name: JSON names each cell by its column</source>
        <translation>la columna %1 no tiene nombre: JSON nombra cada celda por su columna</translation>
    </message>
    <message>
        <source>two columns are named “%1”: JSON names each cell by its column</source>
        <translation>dos columnas se llaman «%1»: JSON nombra cada celda por su columna</translation>
    </message>
    <message>
        <source>%1: this cell is not UTF-8 text, which JSON needs: the row is left as it is</source>
        <translation>%1: esta celda no es texto UTF-8, que JSON necesita: la fila se deja como está</translation>
    </message>
    <message>
        <source>%1 of %2 rows refused</source>
        <translation>%1 de %2 filas rechazadas</translation>
    </message>
    <message>
        <source>a field here is longer than 1 MiB, the most a table&apos;s field may hold</source>
        <translation>un campo aquí supera 1 MiB, lo máximo que puede contener un campo de una tabla</translation>
    </message>
    <message>
        <source>a row here has more than 10,000 fields, the most a table&apos;s row may have</source>
        <translation>una fila aquí tiene más de 10.000 campos, lo máximo que puede tener una fila de una tabla</translation>
    </message>
    <message>
        <source>a row here is longer than 8 MiB, the most a table&apos;s row may hold</source>
        <translation>una fila aquí supera 8 MiB, lo máximo que puede contener una fila de una tabla</translation>
    </message>
    <message>
        <source>%1: give one of them in a row with a diameter, a frequency or a far-field range.</source>
        <translation>%1: en una fila, indique uno de los dos con un diámetro, una frecuencia o una distancia de campo lejano.</translation>
    </message>
</context>
</TS>
