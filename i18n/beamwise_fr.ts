<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>CommandLine</name>
    <message>
        <source>Antenna diameter in m, cm, mm, ft or in (m if none).</source>
        <translation>Diamètre de l&apos;antenne en m, cm, mm, ft ou in (m par défaut).</translation>
    </message>
    <message>
        <source>value</source>
        <translation>valeur</translation>
    </message>
    <message>
        <source>Frequency in Hz, kHz, MHz or GHz (GHz if none).</source>
        <translation>Fréquence en Hz, kHz, MHz ou GHz (GHz par défaut).</translation>
    </message>
    <message>
        <source>Wanted gain in dBi at the efficiency given, 100 % if none; with --diameter, --frequency or --far-field, for example --gain 41.2 --frequency 11.7GHz.</source>
        <translation>Gain voulu en dBi, au rendement indiqué (100&#xa0;% par défaut)&#xa0;; avec --diameter, --frequency ou --far-field, par exemple --gain 41.2 --frequency 11.7GHz.</translation>
    </message>
    <message>
        <source>Wanted 3 dB beamwidth in ° or deg (° if none); with --diameter, --frequency or --far-field, for example --beamwidth 2 --frequency 1420MHz.</source>
        <translation>Ouverture à −3&#xa0;dB voulue en ° ou deg (° par défaut)&#xa0;; avec --diameter, --frequency ou --far-field, par exemple --beamwidth 2 --frequency 1420MHz.</translation>
    </message>
    <message>
        <source>Wanted far-field range in m, km or ft (m if none); with --diameter, --frequency, --gain or --beamwidth, for example --far-field 100m --frequency 10.</source>
        <translation>Distance de champ lointain voulue en m, km ou ft (m par défaut)&#xa0;; avec --diameter, --frequency, --gain ou --beamwidth, par exemple --far-field 100m --frequency 10.</translation>
    </message>
    <message>
        <source>Aperture efficiency in %, 10 to 100 (optional).</source>
        <translation>Rendement d&apos;ouverture en %, de 10 à 100 (facultatif).</translation>
    </message>
    <message>
        <source>Print the readings for the antenna and end, without a window.</source>
        <translation>Afficher les valeurs lues pour l&apos;antenne puis quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>Write the nomogram to a PDF, SVG or PNG file and end, without a window.</source>
        <translation>Enregistrer le nomogramme dans un fichier PDF, SVG ou PNG puis quitter, sans ouvrir de fenêtre.</translation>
    </message>
    <message>
        <source>file</source>
        <translation>fichier</translation>
    </message>
    <message>
        <source>%1 (see beamwise --help)</source>
        <translation>%1 (voir beamwise --help)</translation>
    </message>
    <message>
        <source>unexpected argument “%1” (see beamwise --help)</source>
        <translation>argument inattendu «&#xa0;%1&#xa0;» (voir beamwise --help)</translation>
    </message>
    <message>
        <source>give only two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation>n&apos;indiquez que deux options parmi --diameter, --frequency, --gain, --beamwidth et --far-field, par exemple --diameter 1.2m --frequency 12.5GHz ou --gain 41.2 --frequency 11.7GHz</translation>
    </message>
    <message>
        <source>give two of --diameter, --frequency, --gain, --beamwidth and --far-field, for example --diameter 1.2m --frequency 12.5GHz or --gain 41.2 --frequency 11.7GHz</source>
        <translation>indiquez deux options parmi --diameter, --frequency, --gain, --beamwidth et --far-field, par exemple --diameter 1.2m --frequency 12.5GHz ou --gain 41.2 --frequency 11.7GHz</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>--format: “%1” is not a format: use text, csv or json</source>
        <translation>--format&#xa0;: «&#xa0;%1&#xa0;» n&apos;est pas un format&#xa0;: utilisez text, csv ou json</translation>
    </message>
    <message>
        <source>--format says how readings are printed: give it with --readings or --batch</source>
        <translation>--format indique comment afficher les valeurs lues&#xa0;: indiquez-le avec --readings ou --batch</translation>
    </message>
    <message>
        <source>--format text is for one antenna: a table is answered in csv or json</source>
        <translation>--format text vaut pour une seule antenne&#xa0;: un tableau reçoit sa réponse en csv ou en json</translation>
    </message>
    <message>
        <source>--batch reads its antennas from the table: give it without --diameter, --frequency, --gain, --beamwidth, --far-field, --efficiency or --export</source>
        <translation>--batch lit ses antennes dans le tableau&#xa0;: indiquez-le sans --diameter, --frequency, --gain, --beamwidth, --far-field, --efficiency ni --export</translation>
    </message>
    <message>
        <source>How readings are printed: text (the default), csv (a header line and a row) or json (one object), for example --readings --format csv --diameter 1m --frequency 10GHz. Tables are answered in csv (the default) or json, one object a line.</source>
        <translation>Forme des valeurs lues&#xa0;: text (par défaut), csv (une ligne d&apos;en-tête et une ligne) ou json (un objet), par exemple --readings --format csv --diameter 1m --frequency 10GHz. Les tableaux reçoivent leur réponse en csv (par défaut) ou en json, un objet par ligne.</translation>
    </message>
    <message>
        <source>format</source>
        <translation>format</translation>
    </message>
    <message>
        <source>Read a CSV table of antennas from a file, or from standard input for -, and answer each row with its readings, for example --batch dishes.csv --format json. Its first line names the columns: any two of diameter, frequency, gain, beamwidth and far-field, and efficiency if you like; other columns are carried through.</source>
        <translation>Lire un tableau CSV d&apos;antennes dans un fichier, ou sur l&apos;entrée standard pour -, et répondre à chaque ligne par ses valeurs lues, par exemple --batch dishes.csv --format json. Sa première ligne nomme les colonnes&#xa0;: deux au choix parmi diameter, frequency, gain, beamwidth et far-field, et efficiency si vous le souhaitez&#xa0;; les autres colonnes sont reprises telles quelles.</translation>
    </message>
    <message>
        <source>cannot write to standard output: %1</source>
        <translation>impossible d&apos;écrire sur la sortie standard&#xa0;: %1</translation>
    </message>
    <message>
        <source>A slide rule of two nomograms for dish antennas, read as their formulas give them, with λ = c/f: the gain η(πD/λ)², the 3 dB beamwidth 70 λ/D, the 10 dB beamwidth 131.5 λ/D (1.878 times the 3 dB one) and the far-field range 2D²/λ.</source>
        <translation>Une règle à calcul de deux nomogrammes pour antennes paraboliques, lue comme ses formules la donnent, avec λ = c/f : le gain η(πD/λ)², l’ouverture à 3 dB 70 λ/D, l’ouverture à 10 dB 131,5 λ/D (1,878 fois celle à 3 dB) et la distance de champ lointain 2D²/λ.</translation>
    </message>
    <message>
        <source>--batch: give the table&apos;s file name, or - for standard input</source>
        <translation>--batch : indiquez le nom du fichier du tableau, ou - pour l&apos;entrée standard</translation>
    </message>
    <message>
        <source>%1: give one of them with --diameter, --frequency or --far-field</source>
        <translation>%1 : donnez l’un des deux avec --diameter, --frequency ou --far-field</translation>
    </message>
</context>
<context>
    <name>Dishscope</name>
    <message>
        <source>Upper antenna diameter scale</source>
        <translation>Échelle supérieure du diamètre de l&apos;antenne</translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Fixed: set a frequency under the diameter.</source>
        <translation>Diamètre de l&apos;antenne de 0,1 à 100 mètres. Échelle fixe&#xa0;: amenez une fréquence sous le diamètre.</translation>
    </message>
    <message>
        <source>Upper frequency scale</source>
        <translation>Échelle supérieure des fréquences</translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Slides with the upper slide bar.</source>
        <translation>Fréquence de 0,01 à 100 GHz. Coulisse avec la réglette supérieure.</translation>
    </message>
    <message>
        <source>Beamwidth scale</source>
        <translation>Échelle d&apos;ouverture</translation>
    </message>
    <message>
        <source>Beamwidth from 100 down to 0.03 degrees, read under the 3dB and 10dB marks. Slides with the upper slide bar.</source>
        <translation>Ouverture décroissante de 100 à 0,03 degrés, lue sous les repères 3dB et 10dB. Coulisse avec la réglette supérieure.</translation>
    </message>
    <message>
        <source>Gain scale</source>
        <translation>Échelle de gain</translation>
    </message>
    <message>
        <source>Gain from 0 to 75 dBi, read above the aperture efficiency. Slides with the upper slide bar.</source>
        <translation>Gain de 0 à 75 dBi, lu au-dessus du rendement d&apos;ouverture. Coulisse avec la réglette supérieure.</translation>
    </message>
    <message>
        <source>Efficiency scale</source>
        <translation>Échelle de rendement</translation>
    </message>
    <message>
        <source>Aperture efficiency from 10 to 100 percent. Fixed.</source>
        <translation>Rendement d&apos;ouverture de 10 à 100 pour cent. Échelle fixe.</translation>
    </message>
    <message>
        <source>Far-field range scale</source>
        <translation>Échelle de distance de champ lointain</translation>
    </message>
    <message>
        <source>Far-field distance from 1 to 10,000 metres, read under the mark. Slides with the lower slide bar, twice as fast as the lower antenna diameter scale.</source>
        <translation>Distance de champ lointain de 1 à 10&#xa0;000 mètres, lue sous le repère. Coulisse avec la réglette inférieure, deux fois plus vite que l&apos;échelle inférieure du diamètre de l&apos;antenne.</translation>
    </message>
    <message>
        <source>Lower antenna diameter scale</source>
        <translation>Échelle inférieure du diamètre de l&apos;antenne</translation>
    </message>
    <message>
        <source>Antenna diameter from 0.1 to 100 metres. Slides with the lower slide bar: set the diameter against a frequency.</source>
        <translation>Diamètre de l&apos;antenne de 0,1 à 100 mètres. Coulisse avec la réglette inférieure&#xa0;: placez le diamètre en face d&apos;une fréquence.</translation>
    </message>
    <message>
        <source>Lower frequency scale</source>
        <translation>Échelle inférieure des fréquences</translation>
    </message>
    <message>
        <source>Frequency from 0.01 to 100 GHz. Fixed.</source>
        <translation>Fréquence de 0,01 à 100 GHz. Échelle fixe.</translation>
    </message>
    <message>
        <source>Upper slide bar</source>
        <translation>Réglette supérieure</translation>
    </message>
    <message>
        <source>Lower slide bar</source>
        <translation>Réglette inférieure</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Mode d&apos;emploi</translation>
    </message>
    <message>
        <source>Shows how to read the nomograms.</source>
        <translation>Explique comment lire les nomogrammes.</translation>
    </message>
    <message>
        <source>Company information</source>
        <translation>Informations sur la société</translation>
    </message>
    <message>
        <source>Shows the company information page.</source>
        <translation>Affiche la page d&apos;informations sur la société.</translation>
    </message>
    <message>
        <source>Nomogram</source>
        <translation>Nomogramme</translation>
    </message>
    <message>
        <source>Returns to the nomogram view.</source>
        <translation>Revient à l&apos;affichage du nomogramme.</translation>
    </message>
</context>
<context>
    <name>Export</name>
    <message>
        <source>cannot write “%1”: the nomogram could not be drawn</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: le nomogramme n&apos;a pas pu être dessiné</translation>
    </message>
    <message>
        <source>cannot write “%1”: %2</source>
        <translation>impossible d&apos;écrire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>printing and export cannot be loaded from “%1” (%2)</source>
        <translation>impossible de charger l&apos;impression et l&apos;exportation depuis «&#xa0;%1&#xa0;» (%2)</translation>
    </message>
    <message>
        <source>printing and export are not installed: “%1” is missing</source>
        <translation>l&apos;impression et l&apos;exportation ne sont pas installées&#xa0;: il manque «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>cannot tell what to write as “%1”: end the name in .pdf, .svg or .png</source>
        <translation>impossible de savoir quel format écrire pour «&#xa0;%1&#xa0;»&#xa0;: terminez le nom par .pdf, .svg ou .png</translation>
    </message>
    <message>
        <source>Beamwise nomogram</source>
        <translation>Nomogramme Beamwise</translation>
    </message>
</context>
<context>
    <name>Input</name>
    <message>
        <source>diameter</source>
        <translation>le diamètre</translation>
    </message>
    <message>
        <source>frequency</source>
        <translation>la fréquence</translation>
    </message>
    <message>
        <source>efficiency</source>
        <translation>le rendement</translation>
    </message>
    <message>
        <source>gain</source>
        <translation>le gain</translation>
    </message>
    <message>
        <source>beamwidth</source>
        <translation>l&apos;ouverture à −3&#xa0;dB</translation>
    </message>
    <message>
        <source>far-field range</source>
        <translation>la distance de champ lointain</translation>
    </message>
    <message>
        <source>%1 or %2</source>
        <translation>%1 ou %2</translation>
    </message>
    <message>
        <source>“%1” is not a unit of %2: use %3, for example %4.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas une unité valable pour %2&#xa0;: utilisez %3, par exemple %4.</translation>
    </message>
    <message>
        <source>A %1 must be more than zero.</source>
        <translation>La valeur saisie pour %1 doit être supérieure à zéro.</translation>
    </message>
    <message>
        <source>The efficiency scale runs from 10 to 100 %.</source>
        <translation>L&apos;échelle de rendement va de 10 à 100&#xa0;%.</translation>
    </message>
    <message>
        <source>a diameter</source>
        <translation>le diamètre</translation>
    </message>
    <message>
        <source>a frequency</source>
        <translation>la fréquence</translation>
    </message>
    <message>
        <source>a gain</source>
        <translation>le gain</translation>
    </message>
    <message>
        <source>a beamwidth</source>
        <translation>l&apos;ouverture à −3&#xa0;dB</translation>
    </message>
    <message>
        <source>a far-field range</source>
        <translation>la distance de champ lointain</translation>
    </message>
    <message>
        <source>an efficiency</source>
        <translation>le rendement</translation>
    </message>
    <message>
        <source>Type %1, for example %2.</source>
        <translation>Saisissez %1, par exemple %2.</translation>
    </message>
    <message>
        <source>“%1” is not a number: type %2 as a number with %3, for example %4.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre&#xa0;: saisissez %2 sous forme d&apos;un nombre suivi de %3, par exemple %4.</translation>
    </message>
    <message>
        <source>“%1” is not a number: type %2 such as %3.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas un nombre&#xa0;: saisissez %2 en chiffres, par exemple %3.</translation>
    </message>
    <message>
        <source>“%1” is read two ways, as %2 and as %3: type %2 or %3.</source>
        <translation>« %1 » se lit de deux façons, %2 et %3 : saisissez %2 ou %3.</translation>
    </message>
    <message>
        <source>“%1” is too large for %2.</source>
        <translation>«&#xa0;%1&#xa0;» est trop grand pour %2.</translation>
    </message>
</context>
<context>
    <name>InstructionsText</name>
    <message>
        <source>&lt;p&gt;&lt;b&gt;Beamwise: the dish antenna nomogram&lt;/b&gt;&lt;/p&gt;&lt;p&gt;The upper nomogram relates antenna diameter and frequency to gain and beamwidth for a range of efficiencies. Set two parameters against each other, for example diameter and frequency, and read off the matching gain and beamwidth.&lt;/p&gt;&lt;p&gt;The lower nomogram relates antenna diameter and frequency to the far-field distance, the range at which the antenna&apos;s beam is properly formed. Set the diameter against the frequency and read off the far-field distance.&lt;/p&gt;&lt;p&gt;Right-click the nomogram to set an antenna by typing it (Ctrl+E), copy the readings (Ctrl+C), print (Ctrl+P) or export it (Ctrl+Shift+S).&lt;/p&gt;</source>
        <translation>&lt;p&gt;&lt;b&gt;Beamwise&#xa0;: nomogramme des antennes paraboliques&lt;/b&gt;&lt;/p&gt;&lt;p&gt;Le nomogramme supérieur relie diamètre de l&apos;antenne et fréquence au gain et à l&apos;ouverture, pour divers rendements. Placez deux grandeurs en regard, par exemple diamètre et fréquence, et lisez le gain et l&apos;ouverture obtenus.&lt;/p&gt;&lt;p&gt;Le nomogramme inférieur relie diamètre et fréquence à la distance de champ lointain, où le faisceau est bien formé. Placez le diamètre face à la fréquence et lisez cette distance.&lt;/p&gt;&lt;p&gt;Clic droit sur le nomogramme&#xa0;: saisir une antenne (Ctrl+E), copier les valeurs (Ctrl+C), imprimer (Ctrl+P) ou exporter (Ctrl+Shift+S).&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>NomogramCommands</name>
    <message>
        <source>Set Antenna…</source>
        <translation>Définir l&apos;antenne…</translation>
    </message>
    <message>
        <source>Copy Readings</source>
        <translation>Copier les valeurs lues</translation>
    </message>
    <message>
        <source>Print…</source>
        <translation>Imprimer…</translation>
    </message>
    <message>
        <source>Export…</source>
        <translation>Exporter…</translation>
    </message>
    <message>
        <source>Slides the frequency, beamwidth and gain scales of the upper nomogram. %1.</source>
        <translation>Fait coulisser les échelles de fréquence, d&apos;ouverture et de gain du nomogramme supérieur. %1.</translation>
    </message>
    <message>
        <source>. </source>
        <translation>. </translation>
    </message>
    <message>
        <source>Slides the antenna diameter and far-field range scales of the lower nomogram. %1.</source>
        <translation>Fait coulisser les échelles de diamètre de l&apos;antenne et de distance de champ lointain du nomogramme inférieur. %1.</translation>
    </message>
    <message>
        <source>Export Nomogram</source>
        <translation>Exporter le nomogramme</translation>
    </message>
    <message>
        <source>PDF page (*.pdf)</source>
        <translation>Page PDF (*.pdf)</translation>
    </message>
    <message>
        <source>SVG drawing (*.svg)</source>
        <translation>Dessin SVG (*.svg)</translation>
    </message>
    <message>
        <source>PNG picture, 300 dpi (*.png)</source>
        <translation>Image PNG, 300 ppp (*.png)</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>Zoom avant</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>Zoom arrière</translation>
    </message>
    <message>
        <source>Actual Size</source>
        <translation>Taille réelle</translation>
    </message>
</context>
<context>
    <name>QCommandLineParser</name>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Afficher l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays help including Qt specific options.</source>
        <translation>Afficher l&apos;aide, options propres à Qt comprises.</translation>
    </message>
</context>
<context>
    <name>Readings</name>
    <message>
        <source>Gain at 100 % efficiency: %1</source>
        <translation>Gain à 100&#xa0;% de rendement&#xa0;: %1</translation>
    </message>
    <message>
        <source>Gain at %1 % efficiency: %2</source>
        <translation>Gain à %1&#xa0;% de rendement&#xa0;: %2</translation>
    </message>
    <message>
        <source>Beamwidth under the 3dB mark: %1</source>
        <translation>Ouverture sous le repère 3dB&#xa0;: %1</translation>
    </message>
    <message>
        <source>Beamwidth under the 10dB mark: %1</source>
        <translation>Ouverture sous le repère 10dB&#xa0;: %1</translation>
    </message>
    <message>
        <source>Far-field range: %1</source>
        <translation>Distance de champ lointain&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 %2 (found)</source>
        <translation>%1 %2 (valeur déduite)</translation>
    </message>
    <message>
        <source>Antenna: %1 at %2, %3 efficiency</source>
        <translation>Antenne&#xa0;: %1 à %2, rendement de %3</translation>
    </message>
    <message>
        <source>Antenna: %1 at %2</source>
        <translation>Antenne&#xa0;: %1 à %2</translation>
    </message>
    <message>
        <source>%1 is off the diameter scales, which run from %2.</source>
        <translation>%1 sort des échelles de diamètre, qui vont de %2.</translation>
    </message>
    <message>
        <source>%1 is off the frequency scales, which run from %2.</source>
        <translation>%1 sort des échelles de fréquence, qui vont de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set frequencies from %2 only.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: avec un diamètre de %1, ils ne permettent de régler que des fréquences de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set diameters from %2 only.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: avec une fréquence de %1, ils ne permettent de régler que des diamètres de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: %1 and %2 cannot be set on them together.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: %1 et %2 ne peuvent pas y être réglés ensemble.</translation>
    </message>
    <message>
        <source>%1 is off the gain scale, which runs from %2.</source>
        <translation>%1 sort de l&apos;échelle de gain, qui va de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no gain can be set with %1.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: aucun gain ne peut être réglé avec %1.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a gain from %2 only.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: avec %1, ils ne permettent de régler qu&apos;un gain de %2.</translation>
    </message>
    <message>
        <source>%1 is off the beamwidth scale, which runs from %2.</source>
        <translation>%1 sort de l&apos;échelle d&apos;ouverture, qui va de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no beamwidth can be set with %1.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: aucune ouverture ne peut être réglée avec %1.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a beamwidth from %2 only.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: avec %1, ils ne permettent de régler qu&apos;une ouverture de %2.</translation>
    </message>
    <message>
        <source>%1 is off the far-field scale, which runs from %2.</source>
        <translation>%1 sort de l&apos;échelle de champ lointain, qui va de %2.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: no far-field can be set with %1.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: aucune distance de champ lointain ne peut être réglée avec %1.</translation>
    </message>
    <message>
        <source>Out of the nomograms&apos; reach: with %1 they can set a far-field from %2 only.</source>
        <translation>Hors de portée des nomogrammes&#xa0;: avec %1, ils ne permettent de régler qu&apos;une distance de champ lointain de %2.</translation>
    </message>
    <message>
        <source>%1 to %2%3</source>
        <translation>%1 à %2%3</translation>
    </message>
    <message>
        <source>beyond the gain scale (over %1)</source>
        <translation>au-delà de l’échelle de gain (plus de %1)</translation>
    </message>
    <message>
        <source>beyond the gain scale (under %1)</source>
        <translation>au-delà de l’échelle de gain (moins de %1)</translation>
    </message>
    <message>
        <source>beyond the beamwidth scale (over %1)</source>
        <translation>au-delà de l’échelle d’ouverture (plus de %1)</translation>
    </message>
    <message>
        <source>beyond the beamwidth scale (under %1)</source>
        <translation>au-delà de l’échelle d’ouverture (moins de %1)</translation>
    </message>
    <message>
        <source>beyond the far-field scale (over %1)</source>
        <translation>au-delà de l’échelle de champ lointain (plus de %1)</translation>
    </message>
    <message>
        <source>beyond the far-field scale (under %1)</source>
        <translation>au-delà de l’échelle de champ lointain (moins de %1)</translation>
    </message>
    <message>
        <source>A gain and a beamwidth fix the same product of diameter and frequency</source>
        <translation>Un gain et une ouverture fixent le même produit du diamètre et de la fréquence</translation>
    </message>
</context>
<context>
    <name>Scale</name>
    <message>
        <source>Antenna diameter</source>
        <translation>Diamètre de l&apos;antenne</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Efficiency</source>
        <translation>Rendement</translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation>Distance de champ lointain</translation>
    </message>
</context>
<context>
    <name>SetAntennaDialog</name>
    <message>
        <source>Diameter</source>
        <translation>Diamètre</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>Fréquence</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>Gain</translation>
    </message>
    <message>
        <source>Beamwidth</source>
        <translation>Ouverture à −3&#xa0;dB</translation>
    </message>
    <message>
        <source>Far-field range</source>
        <translation>Distance de champ lointain</translation>
    </message>
    <message>
        <source>Set Antenna</source>
        <translation>Définir l&apos;antenne</translation>
    </message>
    <message>
        <source>optional, 10 to 100 %</source>
        <translation>facultatif, de 10 à 100 %</translation>
    </message>
    <message>
        <source>&amp;Given:</source>
        <translation>&amp;Donnée&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;And:</source>
        <translation>&amp;Et&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Efficiency:</source>
        <translation>&amp;Rendement&#xa0;:</translation>
    </message>
    <message>
        <source>Give two different quantities.</source>
        <translation>Indiquez deux grandeurs différentes.</translation>
    </message>
    <message>
        <source>Type two quantities to see the antenna and its readings.</source>
        <translation>Saisissez deux grandeurs pour voir l&apos;antenne et les valeurs lues.</translation>
    </message>
    <message>
        <source>Correct what is said above to see the readings.</source>
        <translation>Corrigez ce qui est signalé ci-dessus pour voir les valeurs lues.</translation>
    </message>
    <message>
        <source>%1: give one of them with a diameter, a frequency or a far-field range.</source>
        <translation>%1 : donnez l’un des deux avec un diamètre, une fréquence ou une distance de champ lointain.</translation>
    </message>
</context>
<context>
    <name>Table</name>
    <message>
        <source>Give only two of diameter, frequency, gain, beamwidth and far-field in a row.</source>
        <translation>Indiquez seulement deux valeurs parmi diameter, frequency, gain, beamwidth et far-field par ligne.</translation>
    </message>
    <message>
        <source>Give two of diameter, frequency, gain, beamwidth and far-field in a row.</source>
        <translation>Indiquez deux valeurs parmi diameter, frequency, gain, beamwidth et far-field par ligne.</translation>
    </message>
    <message>
        <source>two columns are named “%1”</source>
        <translation>deux colonnes s&apos;appellent «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>no column is named diameter, frequency, gain, beamwidth, far-field or efficiency: the first line must name the columns</source>
        <translation>aucune colonne ne s&apos;appelle diameter, frequency, gain, beamwidth, far-field ou efficiency&#xa0;: la première ligne doit nommer les colonnes</translation>
    </message>
    <message>
        <source>This row has more cells than the table has columns.</source>
        <translation>Cette ligne a plus de cellules que le tableau n&apos;a de colonnes.</translation>
    </message>
    <message>
        <source>%1, line %2: %3</source>
        <translation>%1, ligne %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>cannot read “%1”: %2</source>
        <translation>impossible de lire «&#xa0;%1&#xa0;»&#xa0;: %2</translation>
    </message>
    <message>
        <source>a quote opened here is never closed</source>
        <translation>des guillemets ouverts ici ne sont jamais refermés</translation>
    </message>
    <message>
        <source>a quote stands inside a field that does not begin with one: quote the whole field and double the quotes in it</source>
        <translation>des guillemets figurent dans un champ qui n&apos;en commence pas&#xa0;: mettez tout le champ entre guillemets et doublez ceux qu&apos;il contient</translation>
    </message>
    <message>
        <source>the table is empty: its first line must name the columns</source>
        <translation>le tableau est vide&#xa0;: sa première ligne doit nommer les colonnes</translation>
    </message>
    <message>
        <source>standard input</source>
        <translation>entrée standard</translation>
    </message>
    <message>
        <source>column %1 is named in bytes that are not UTF-8 text: JSON names columns in text</source>
        <translation>la colonne %1 est nommée par des octets qui ne sont pas du texte UTF-8 : JSON nomme les colonnes en texte</translation>
    </message>
    <message>
        <source>column %1 has no name: JSON names each cell by its column</source>
        <translation>la colonne %1 n&apos;a pas de nom : JSON nomme chaque cellule par sa colonne</translation>
    </message>
    <message>
        <source>two columns are named “%1”: JSON names each cell by its column</source>
        <translation>deux colonnes s&apos;appellent « %1 » : JSON nomme chaque cellule par sa colonne</translation>
    </message>
    <message>
        <source>%1: this cell is not UTF-8 text, which JSON needs: the row is left as it is</source>
        <translation>%1 : cette cellule n&apos;est pas du texte UTF-8, dont JSON a besoin : la ligne reste telle quelle</translation>
    </message>
    <message>
        <source>%1 of %2 rows refused</source>
        <translation>%1 lignes sur %2 refusées</translation>
    </message>
    <message>
        <source>a field here is longer than 1 MiB, the most a table&apos;s field may hold</source>
        <translation>un champ ici dépasse 1 Mio, le plus qu&apos;un champ de tableau puisse contenir</translation>
    </message>
    <message>
        <source>a row here has more than 10,000 fields, the most a table&apos;s row may have</source>
        <translation>une ligne ici a plus de 10 000 champs, le plus qu&apos;une ligne de tableau puisse avoir</translation>
    </message>
    <message>
        <source>a row here is longer than 8 MiB, the most a table&apos;s row may hold</source>
        <translation>une ligne ici dépasse 8 Mio, le plus qu&apos;une ligne de tableau puisse contenir</translation>
    </message>
    <message>
        <source>%1: give one of them in a row with a diameter, a frequency or a far-field range.</source>
        <translation>%1 : dans une ligne, donnez l’un des deux avec un diamètre, une fréquence ou une distance de champ lointain.</translation>
    </message>
</context>
</TS>
