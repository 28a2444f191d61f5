<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>AviCompressorText</name>
    <message>
        <source>No encoder is installed for the codec &quot;%1&quot;.</source>
        <translation>Für den Codec „%1“ ist kein Encoder installiert.</translation>
    </message>
    <message>
        <source>The size or the frame rate is not valid.</source>
        <translation>Die Bildgröße oder die Bildrate ist ungültig.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The codec &quot;%1&quot; cannot compress pictures of %2 x %3 pixels (%4).</source>
        <translation>Der Codec „%1“ kann keine Bilder mit %2 x %3 Pixeln komprimieren (%4).</translation>
    </message>
    <message>
        <source>The codec failed to compress a picture.</source>
        <translation>Der Codec konnte ein Bild nicht komprimieren.</translation>
    </message>
    <message>
        <source>The codec is not open.</source>
        <translation>Der Codec ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>The picture could not be converted for the codec.</source>
        <translation>Das Bild konnte nicht für den Codec umgewandelt werden.</translation>
    </message>
</context>
<context>
    <name>AviWriterText</name>
    <message>
        <source>The size or the frame rate of the video is not valid.</source>
        <translation>Die Bildgröße oder die Bildrate des Videos ist ungültig.</translation>
    </message>
    <message>
        <source>The video is too large for an AVI file.</source>
        <translation>Das Video ist zu groß für eine AVI-Datei.</translation>
    </message>
    <message>
        <source>The video file is not open.</source>
        <translation>Die Videodatei ist nicht geöffnet.</translation>
    </message>
    <message>
        <source>A frame is too large for an AVI file.</source>
        <translation>Ein Bild ist zu groß für eine AVI-Datei.</translation>
    </message>
    <message>
        <source>The video holds no frame.</source>
        <translation>Das Video enthält kein Bild.</translation>
    </message>
</context>
<context>
    <name>BoiteBasculerText</name>
    <message>
        <source>This window allows you to select the useful part of the video sequence or</source>
        <translation>In diesem Fenster wählen Sie den nützlichen Teil der Videosequenz aus</translation>
    </message>
    <message>
        <source>to modify a previous selection</source>
        <translation>oder ändern eine frühere Auswahl</translation>
    </message>
    <message>
        <source>Hidden frames appear in negative on the edited video.</source>
        <translation>Ausgeblendete Bilder erscheinen im bearbeiteten Video als Negativ.</translation>
    </message>
    <message>
        <source>Action</source>
        <translation>Aktion</translation>
    </message>
    <message>
        <source>Hide images</source>
        <translation>Bilder ausblenden</translation>
    </message>
    <message>
        <source>Show images</source>
        <translation>Bilder einblenden</translation>
    </message>
    <message>
        <source>Type the number of the images, or image groups separated by semicolon (example: 1-55; 58; 73-165)</source>
        <translation>Geben Sie die Bildnummern oder Bildgruppen ein, getrennt durch Semikolon (Beispiel: 1-55; 58; 73-165)</translation>
    </message>
    <message>
        <source>All even image numbers</source>
        <translation>Alle geraden Bildnummern</translation>
    </message>
    <message>
        <source>All odd image numbers</source>
        <translation>Alle ungeraden Bildnummern</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>The marks placed on the hidden images will be deleted</source>
        <translation>Die Markierungen auf den ausgeblendeten Bildern werden gelöscht</translation>
    </message>
    <message>
        <source>The image group at %s is incorrect</source>
        <translation>Die Bildgruppe bei %s ist fehlerhaft</translation>
    </message>
    <message>
        <source>show</source>
        <translation>einblenden</translation>
    </message>
    <message>
        <source>hide</source>
        <translation>ausblenden</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BoiteFormulesText</name>
    <message>
        <source>Type a formula</source>
        <translation>Formel eingeben</translation>
    </message>
    <message>
        <source>|Left-click = hide or change column; right-click = delete</source>
        <translation>|Linksklick = Spalte ausblenden oder ändern; Rechtsklick = löschen</translation>
    </message>
    <message>
        <source>|Change a formula, its comment or unit</source>
        <translation>|Formel, Kommentar oder Einheit ändern</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Value or formula</source>
        <translation>Wert oder Formel</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Angles in degrees</source>
        <translation>Winkel in Grad</translation>
    </message>
    <message>
        <source>Angles in radians</source>
        <translation>Winkel im Bogenmaß</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>Copy the table</source>
        <translation>Tabelle kopieren</translation>
    </message>
    <message>
        <source>Copy the table to a spreadsheet</source>
        <translation>Tabelle in eine Tabellenkalkulation kopieren</translation>
    </message>
    <message>
        <source>Copy the table to Regressi</source>
        <translation>Tabelle nach Regressi kopieren</translation>
    </message>
    <message>
        <source>Export the table to a file</source>
        <translation>Tabelle in eine Datei exportieren</translation>
    </message>
    <message>
        <source>Restore the table</source>
        <translation>Tabelle wiederherstellen</translation>
    </message>
    <message>
        <source>Curves</source>
        <translation>Kurven</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>+   -   /   *   ^ (to the power of)</source>
        <translation>+   -   /   *   ^ (hoch)</translation>
    </message>
    <message>
        <source>Sin, Cos, Tan, Ln, Exp, Sqrt (square root)</source>
        <translation>Sin, Cos, Tan, Ln, Exp, Sqrt (Quadratwurzel)</translation>
    </message>
    <message>
        <source>arcSin, arcCos, arcTan, Log, Abs (absolute value)</source>
        <translation>arcSin, arcCos, arcTan, Log, Abs (Betrag)</translation>
    </message>
    <message>
        <source>The name of the constant may contain</source>
        <translation>Der Name der Konstanten darf enthalten</translation>
    </message>
    <message>
        <source>upper case letters</source>
        <translation>Großbuchstaben</translation>
    </message>
    <message>
        <source>lower case letters</source>
        <translation>Kleinbuchstaben</translation>
    </message>
    <message>
        <source>numbers but must start with a letter</source>
        <translation>Ziffern, muss aber mit einem Buchstaben beginnen</translation>
    </message>
    <message>
        <source>an integer between brackets</source>
        <translation>eine ganze Zahl in eckigen Klammern</translation>
    </message>
    <message>
        <source>Formulas</source>
        <translation>Formeln</translation>
    </message>
    <message>
        <source>Formulas and constants</source>
        <translation>Formeln und Konstanten</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
</context>
<context>
    <name>BoiteImprimerText</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
</context>
<context>
    <name>BoiteInstantText</name>
    <message>
        <source>The duration between the frame before and after the missing image must be changed</source>
        <translation>Die Dauer zwischen dem Bild vor und dem Bild nach dem fehlenden Bild muss geändert werden</translation>
    </message>
    <message>
        <source>The interval between 2 successive frames is T = %s s.</source>
        <translation>Der Abstand zwischen 2 aufeinanderfolgenden Bildern beträgt T = %s s.</translation>
    </message>
    <message>
        <source>The initial time is the first frame in the video stream.</source>
        <translation>Die Anfangszeit ist das erste Bild des Videostroms.</translation>
    </message>
    <message>
        <source>previous visible image t = %s s</source>
        <translation>vorheriges sichtbares Bild t = %s s</translation>
    </message>
    <message>
        <source>time of selected image t =</source>
        <translation>Zeit des gewählten Bildes t =</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>next visible image  t = %s s</source>
        <translation>nächstes sichtbares Bild  t = %s s</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Tip: go to the image immediately after the missing frame</source>
        <translation>Tipp: Gehen Sie zu dem Bild unmittelbar nach dem fehlenden Bild</translation>
    </message>
</context>
<context>
    <name>BoiteNomCouleurText</name>
    <message>
        <source>The middle of the layer follows the positions</source>
        <translation>Die Mitte der Folie folgt den Positionen</translation>
    </message>
    <message>
        <source>Axes and scale colour</source>
        <translation>Farbe von Achsen und Maßstab</translation>
    </message>
    <message>
        <source>the mark</source>
        <translation>Die Markierung</translation>
    </message>
    <message>
        <source>locates the positions</source>
        <translation>kennzeichnet die Positionen</translation>
    </message>
    <message>
        <source>mass (kg)</source>
        <translation>Masse (kg)</translation>
    </message>
    <message>
        <source>Show the centre of mass on the video</source>
        <translation>Schwerpunkt im Video anzeigen</translation>
    </message>
    <message>
        <source>|The names will be used to clarify the results</source>
        <translation>|Die Namen machen die Ergebnisse verständlicher</translation>
    </message>
    <message>
        <source>|Mark number</source>
        <translation>|Nummer der Markierung</translation>
    </message>
    <message>
        <source>|Use the numeric keypad from the main window</source>
        <translation>|Ziffernblock im Hauptfenster verwenden</translation>
    </message>
    <message>
        <source>|Uncheck to hide all object marks</source>
        <translation>|Deaktivieren, um alle Objektmarkierungen auszublenden</translation>
    </message>
    <message>
        <source>|The mass in kilograms gives the object its momentum and energies; empty for none</source>
        <translation>|Die Masse in Kilogramm liefert Impuls und Energien des Objekts; leer lassen für keine</translation>
    </message>
    <message>
        <source>|Do not forget an article before the noun</source>
        <translation>|Vergessen Sie nicht den Artikel vor dem Substantiv</translation>
    </message>
    <message>
        <source>Examples</source>
        <translation>Beispiele</translation>
    </message>
    <message>
        <source>of a ball</source>
        <translation>eines Balls</translation>
    </message>
    <message>
        <source>of the point of a javelin</source>
        <translation>der Speerspitze</translation>
    </message>
    <message>
        <source>of the centre of the Earth</source>
        <translation>des Erdmittelpunkts</translation>
    </message>
    <message>
        <source>Change name and colour of every mark</source>
        <translation>Name und Farbe jeder Markierung ändern</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>BoiteOptionsText</name>
    <message>
        <source>Customize tools bar (button pressed = hidden tool)</source>
        <translation>Werkzeugleiste anpassen (gedrückte Schaltfläche = ausgeblendetes Werkzeug)</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Dialog boxes</source>
        <translation>Dialogfenster</translation>
    </message>
    <message>
        <source>File menu</source>
        <translation>Menü Datei</translation>
    </message>
    <message>
        <source>Display menu</source>
        <translation>Menü Anzeige</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>General</source>
        <translation>Allgemein</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Polar quantities</source>
        <translation>Polare Größen</translation>
    </message>
    <message>
        <source>Features</source>
        <translation>Funktionen</translation>
    </message>
    <message>
        <source>Editing</source>
        <translation>Videoschnitt</translation>
    </message>
    <message>
        <source>Tracking</source>
        <translation>Verfolgung</translation>
    </message>
    <message>
        <source>Automatic tracking</source>
        <translation>Automatische Verfolgung</translation>
    </message>
    <message>
        <source>Capture</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Videoaufnahme</translation>
    </message>
    <message>
        <source>Studio</source>
        <translation>Studio</translation>
    </message>
    <message>
        <source>Video studio</source>
        <translation>Videostudio</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Messwerttabelle</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Zeitlicher Verlauf</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Bahnkurve im Bezugssystem</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Vektordarstellung</translation>
    </message>
    <message>
        <source>Quick view</source>
        <translation>Schnellansicht</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Eigene Formeln</translation>
    </message>
    <message>
        <source>Formulas and constants</source>
        <translation>Formeln und Konstanten</translation>
    </message>
    <message>
        <source>Common options of graphs</source>
        <translation>Gemeinsame Diagrammoptionen</translation>
    </message>
    <message>
        <source>Change ...</source>
        <translation>Ändern ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Default directory</source>
        <translation>Standardordner</translation>
    </message>
    <message>
        <source>Restore defaults</source>
        <translation>Standardwerte</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Associate KLB extension to Kolibra program</source>
        <translation>KLB-Dateien mit Kolibra verknüpfen</translation>
    </message>
    <message>
        <source>|Initialize or clean the association of KLB files in the desktop</source>
        <translation>|Die Verknüpfung der KLB-Dateien in der Arbeitsumgebung einrichten oder entfernen</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>An error occurred while writing the association of KLB files:</source>
        <translation>Beim Schreiben der Verknüpfung der KLB-Dateien ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The desktop&apos;s language (%1)</source>
        <translation>Systemsprache (%1)</translation>
    </message>
    <message>
        <source>Applied at the next start of Kolibra.</source>
        <translation>Wird beim nächsten Start von Kolibra wirksam.</translation>
    </message>
</context>
<context>
    <name>BoiteProprietesText</name>
    <message>
        <source>Information on the video file</source>
        <translation>Informationen zur Videodatei</translation>
    </message>
    <message>
        <source>Frame rate: %.3g</source>
        <translation>Bildrate: %.3g</translation>
    </message>
    <message>
        <source>Image width in pixels: %d</source>
        <translation>Bildbreite in Pixeln: %d</translation>
    </message>
    <message>
        <source>Image height in pixels: %d</source>
        <translation>Bildhöhe in Pixeln: %d</translation>
    </message>
    <message>
        <source>Total number of images: %d</source>
        <translation>Gesamtzahl der Bilder: %d</translation>
    </message>
    <message>
        <source>Video length: %.3g s</source>
        <translation>Videolänge: %.3g s</translation>
    </message>
    <message>
        <source>Rotation: %d°</source>
        <translation>Drehung: %d°</translation>
    </message>
    <message>
        <source>, mirrored</source>
        <translation>, gespiegelt</translation>
    </message>
    <message>
        <source> (ignored)</source>
        <translation> (ignoriert)</translation>
    </message>
    <message>
        <source>Recorded at %.4g frames/s</source>
        <translation>Aufgenommen mit %.4g Bildern/s</translation>
    </message>
    <message>
        <source>Frame durations vary</source>
        <translation>Die Bilddauern sind unterschiedlich</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>Eigenschaften</translation>
    </message>
    <message>
        <source>Show the pictures as stored (ignore the rotation)</source>
        <translation>Bilder wie gespeichert zeigen (Drehung ignorieren)</translation>
    </message>
</context>
<context>
    <name>BoiteTempsText</name>
    <message>
        <source>The video file was captured with a frame rate of</source>
        <translation>Die Videodatei wurde aufgenommen mit einer Bildrate von</translation>
    </message>
    <message>
        <source>images / second.</source>
        <translation>Bildern / Sekunde.</translation>
    </message>
    <message>
        <source>The interval between 2 successive images is then</source>
        <translation>Der Abstand zwischen 2 aufeinanderfolgenden Bildern beträgt somit</translation>
    </message>
    <message>
        <source>T</source>
        <translation>T</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>The frames of this video do not all last the same time.</source>
        <translation>Die Bilder dieses Videos dauern nicht alle gleich lang.</translation>
    </message>
    <message>
        <source>Inputted value:</source>
        <translation>Eingegebener Wert:</translation>
    </message>
    <message>
        <source>This string is not a  suitable real.</source>
        <translation>Diese Zeichenkette ist keine gültige reelle Zahl.</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>Die Zeichenkette muss ein Vorzeichen (optional), Ziffern, ein Dezimaltrennzeichen (optional) und dann einen Exponenten (optional) enthalten.</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>Der Exponent besteht aus « E » oder « e », gefolgt von einem Vorzeichen (optional) und einer ganzen Zahl.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Type a value in the given interval:</source>
        <translation>Geben Sie einen Wert im angegebenen Bereich ein:</translation>
    </message>
    <message>
        <source>1 µs &lt; time interval &lt; 1 Gs</source>
        <translation>1 µs &lt; Zeitabstand &lt; 1 Gs</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>This video was recorded at %1 frames/s, stored at %2.</source>
        <translation>Dieses Video wurde mit %1 Bildern/s aufgenommen und mit %2 gespeichert.</translation>
    </message>
    <message>
        <source>Use the video&apos;s time stamps</source>
        <translation>Zeitstempel des Videos verwenden</translation>
    </message>
    <message>
        <source>Interval between 2 frames</source>
        <translation>Abstand zwischen 2 Bildern</translation>
    </message>
    <message>
        <source>Duration represented by T</source>
        <translation>Durch T dargestellte Dauer</translation>
    </message>
    <message>
        <source>Use the default value T = </source>
        <translation>Standardwert verwenden: T = </translation>
    </message>
    <message>
        <source>Choose another value:</source>
        <translation>Anderen Wert wählen:</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>Sekunde(n)</translation>
    </message>
</context>
<context>
    <name>BoiteValeurText</name>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Define grid rotation angle</source>
        <translation>Drehwinkel des Gitters festlegen</translation>
    </message>
    <message>
        <source>Grid rotation angle in degree(s)</source>
        <translation>Drehwinkel des Gitters in Grad</translation>
    </message>
    <message>
        <source>-180° &lt;= angle &lt;= +180° trigonometric-wise</source>
        <translation>-180° &lt;= Winkel &lt;= +180° im mathematisch positiven Drehsinn</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Number of frames per second (fps)</source>
        <translation>Anzahl der Bilder pro Sekunde (fps)</translation>
    </message>
    <message>
        <source>1 fps &lt;= frame rate &lt;= 100 fps</source>
        <translation>1 fps &lt;= Bildrate &lt;= 100 fps</translation>
    </message>
    <message>
        <source>Calibrate a segment</source>
        <translation>Strecke kalibrieren</translation>
    </message>
    <message>
        <source>Segment length in meter(s)</source>
        <translation>Länge der Strecke in Metern</translation>
    </message>
    <message>
        <source>1 mm &lt; segment length &lt; 15 Tm</source>
        <translation>1 mm &lt; Länge der Strecke &lt; 15 Tm</translation>
    </message>
    <message>
        <source>Search radius for target</source>
        <translation>Suchradius für das Ziel</translation>
    </message>
    <message>
        <source>Search radius (in pixels)</source>
        <translation>Suchradius (in Pixeln)</translation>
    </message>
    <message>
        <source>Max distance between 2 successive positions of the target, in pixels of the unmodified image</source>
        <translation>Größter Abstand zwischen 2 aufeinanderfolgenden Positionen des Ziels, in Pixeln des unveränderten Bildes</translation>
    </message>
    <message>
        <source>%d &lt;= maximum distance &lt;= %d</source>
        <translation>%d &lt;= größter Abstand &lt;= %d</translation>
    </message>
    <message>
        <source>Define last frame number for tracking</source>
        <translation>Nummer des letzten Bildes für die Verfolgung festlegen</translation>
    </message>
    <message>
        <source>Number of last frame</source>
        <translation>Nummer des letzten Bildes</translation>
    </message>
    <message>
        <source>First frame of the sequence shows the object&apos;s outline</source>
        <translation>Das erste Bild der Sequenz zeigt den Umriss des Objekts</translation>
    </message>
    <message>
        <source>%d &lt;= number &lt;= %d</source>
        <translation>%d &lt;= Nummer &lt;= %d</translation>
    </message>
    <message>
        <source>Draw last marks</source>
        <translation>Letzte Markierungen zeichnen</translation>
    </message>
    <message>
        <source>Number of marks to draw</source>
        <translation>Anzahl der zu zeichnenden Markierungen</translation>
    </message>
    <message>
        <source>number &gt;= 1</source>
        <translation>Anzahl &gt;= 1</translation>
    </message>
    <message>
        <source>Define number of marks per image</source>
        <translation>Anzahl der Markierungen pro Bild festlegen</translation>
    </message>
    <message>
        <source>Number of marks per image</source>
        <translation>Anzahl der Markierungen pro Bild</translation>
    </message>
    <message>
        <source>Find an image with its number</source>
        <translation>Bild über seine Nummer finden</translation>
    </message>
    <message>
        <source>New image number</source>
        <translation>Neue Bildnummer</translation>
    </message>
    <message>
        <source>Define object number for tracking</source>
        <translation>Objektnummer für die Verfolgung festlegen</translation>
    </message>
    <message>
        <source>Object number</source>
        <translation>Objektnummer</translation>
    </message>
    <message>
        <source>Tracking can handle 1 object at a time</source>
        <translation>Die Verfolgung kann jeweils nur 1 Objekt bearbeiten</translation>
    </message>
    <message>
        <source>Number of images separating 2 similar marks</source>
        <translation>Anzahl der Bilder zwischen 2 gleichartigen Markierungen</translation>
    </message>
    <message>
        <source>Number of images for automatic forward</source>
        <translation>Anzahl der Bilder für den automatischen Vorlauf</translation>
    </message>
    <message>
        <source>The next frame is automatically shown after the last mark is set.</source>
        <translation>Nach dem Setzen der letzten Markierung wird automatisch das nächste Bild angezeigt.</translation>
    </message>
    <message>
        <source>Inputted value:</source>
        <translation>Eingegebener Wert:</translation>
    </message>
    <message>
        <source>This string is not a  suitable real.</source>
        <translation>Diese Zeichenkette ist keine gültige reelle Zahl.</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>Die Zeichenkette muss ein Vorzeichen (optional), Ziffern, ein Dezimaltrennzeichen (optional) und dann einen Exponenten (optional) enthalten.</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>Der Exponent besteht aus « E » oder « e », gefolgt von einem Vorzeichen (optional) und einer ganzen Zahl.</translation>
    </message>
    <message>
        <source>This string is not a  suitable integer.</source>
        <translation>Diese Zeichenkette ist keine gültige ganze Zahl.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Type a value in the given interval:</source>
        <translation>Geben Sie einen Wert im angegebenen Bereich ein:</translation>
    </message>
</context>
<context>
    <name>CalculatriceText</name>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>Radians</source>
        <translation>Bogenmaß</translation>
    </message>
    <message>
        <source>Degrees</source>
        <translation>Grad</translation>
    </message>
</context>
<context>
    <name>CaptureText</name>
    <message>
        <source>GStreamer cannot start.</source>
        <translation>GStreamer kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The capture pipeline cannot be built.</source>
        <translation>Die Aufnahme-Pipeline kann nicht aufgebaut werden.</translation>
    </message>
    <message>
        <source>The selected capture device does not respond.</source>
        <translation>Das gewählte Aufnahmegerät antwortet nicht.</translation>
    </message>
    <message>
        <source>Not enough memory for a picture.</source>
        <translation>Nicht genügend Speicher für ein Bild.</translation>
    </message>
    <message>
        <source>The camera&apos;s pixel format cannot be converted.</source>
        <translation>Das Pixelformat der Kamera kann nicht umgewandelt werden.</translation>
    </message>
    <message>
        <source>The camera sent an incomplete picture.</source>
        <translation>Die Kamera hat ein unvollständiges Bild gesendet.</translation>
    </message>
    <message>
        <source>No Motion JPEG decoder.</source>
        <translation>Kein Motion-JPEG-Decoder vorhanden.</translation>
    </message>
    <message>
        <source>The camera sent a damaged picture.</source>
        <translation>Die Kamera hat ein beschädigtes Bild gesendet.</translation>
    </message>
    <message>
        <source>Capture setup</source>
        <translation>Aufnahme einrichten</translation>
    </message>
    <message>
        <source>Choose a capture device:</source>
        <translation>Aufnahmegerät wählen:</translation>
    </message>
    <message>
        <source>The two frameworks (VFW and DirectShow) can be used to control your capture device.</source>
        <translation>Ihr Aufnahmegerät lässt sich über zwei Schnittstellen (VFW und DirectShow) steuern.</translation>
    </message>
    <message>
        <source>The quality of the captured video can depend on this choice.</source>
        <translation>Die Qualität des aufgenommenen Videos kann von dieser Wahl abhängen.</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Compression Codec: %s</source>
        <translation>Kompressions-Codec: %s</translation>
    </message>
    <message>
        <source>Codecs are not normalized. Evolution is constant and new versions are frequent.</source>
        <translation>Codecs sind nicht genormt. Sie entwickeln sich ständig weiter, und neue Versionen erscheinen häufig.</translation>
    </message>
    <message>
        <source>Choosing a Codec often requires experimenting.</source>
        <translation>Die Wahl eines Codecs erfordert oft Ausprobieren.</translation>
    </message>
    <message>
        <source>Capture format:</source>
        <translation>Aufnahmeformat:</translation>
    </message>
    <message>
        <source>The size of the images and the number of frames per second are related.</source>
        <translation>Die Bildgröße und die Anzahl der Bilder pro Sekunde hängen zusammen.</translation>
    </message>
    <message>
        <source>The different pairs of values are required by the capture device driver.</source>
        <translation>Die verschiedenen Wertepaare gibt der Treiber des Aufnahmegeräts vor.</translation>
    </message>
    <message>
        <source>%1 fps</source>
        <translation>%1 fps</translation>
    </message>
    <message>
        <source>Number of frames per second (fps):</source>
        <translation>Anzahl der Bilder pro Sekunde (fps):</translation>
    </message>
    <message>
        <source>The requested value will not be fully respected by the capture device.</source>
        <translation>Das Aufnahmegerät wird den gewünschten Wert nicht genau einhalten.</translation>
    </message>
    <message>
        <source>Images of large size and a high number of frames per second are often incompatible.</source>
        <translation>Große Bilder und eine hohe Bildrate sind oft nicht miteinander vereinbar.</translation>
    </message>
    <message>
        <source>Start recording after</source>
        <translation>Aufnahme starten nach</translation>
    </message>
    <message>
        <source>Beep</source>
        <translation>Signalton</translation>
    </message>
    <message>
        <source>Recording duration</source>
        <translation>Aufnahmedauer</translation>
    </message>
    <message>
        <source>second(s)</source>
        <translation>Sekunde(n)</translation>
    </message>
    <message>
        <source>Hardware</source>
        <translation>Hardware</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompression</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>Format</translation>
    </message>
    <message>
        <source>Frame rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Timer</source>
        <translation>Zeitgeber</translation>
    </message>
    <message>
        <source>Capture device properties</source>
        <translation>Eigenschaften des Aufnahmegeräts</translation>
    </message>
    <message>
        <source>This capture device has no settings of its own.</source>
        <translation>Dieses Aufnahmegerät hat keine eigenen Einstellungen.</translation>
    </message>
    <message>
        <source>The size or the frame rate of the video is not valid.</source>
        <translation>Die Bildgröße oder die Bildrate des Videos ist ungültig.</translation>
    </message>
    <message>
        <source>The disk is full.</source>
        <translation>Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>This FFmpeg has no camera input.</source>
        <translation>Diese FFmpeg-Version hat keinen Kameraeingang.</translation>
    </message>
    <message>
        <source>Recording will start after %d second(s) </source>
        <translation>Die Aufnahme beginnt in %d Sekunde(n) </translation>
    </message>
    <message>
        <source>Number of captured images:</source>
        <translation>Anzahl der aufgenommenen Bilder:</translation>
    </message>
    <message>
        <source>Number of lost images:</source>
        <translation>Anzahl der verlorenen Bilder:</translation>
    </message>
    <message>
        <source>Capture has failed. File has not been saved.</source>
        <translation>Die Aufnahme ist fehlgeschlagen. Die Datei wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>The temporary folder cannot be written.</source>
        <translation>In den temporären Ordner kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The recording has stopped:</source>
        <translation>Die Aufnahme wurde beendet:</translation>
    </message>
    <message>
        <source>The file cannot be written.</source>
        <translation>Die Datei kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>What was recorded up to there is kept.</source>
        <translation>Das bis dahin Aufgenommene bleibt erhalten.</translation>
    </message>
    <message>
        <source>A Plug and Play device was disconnected.</source>
        <translation>Ein Plug-and-Play-Gerät wurde getrennt.</translation>
    </message>
    <message>
        <source>A Plug and Play device was reconnected.</source>
        <translation>Ein Plug-and-Play-Gerät wurde wieder verbunden.</translation>
    </message>
    <message>
        <source>Save video</source>
        <translation>Video speichern</translation>
    </message>
    <message>
        <source>Video file (*.avi)</source>
        <translation>Videodatei (*.avi)</translation>
    </message>
    <message>
        <source>A file with this name already exists in the selected directory.</source>
        <translation>Im gewählten Ordner existiert bereits eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>Please choose a different file name or directory.</source>
        <translation>Bitte wählen Sie einen anderen Dateinamen oder Ordner.</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>Die Datei konnte im gewählten Ordner nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Prüfen Sie Ihre Zugriffsrechte für diesen Ordner.</translation>
    </message>
    <message>
        <source>without</source>
        <translation>ohne</translation>
    </message>
    <message>
        <source>No capture device found.</source>
        <translation>Kein Aufnahmegerät gefunden.</translation>
    </message>
    <message>
        <source>No capture device selected.</source>
        <translation>Kein Aufnahmegerät ausgewählt.</translation>
    </message>
</context>
<context>
    <name>ClavierText</name>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Favourites</source>
        <translation>Favoriten</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>Formula</source>
        <translation>Formel</translation>
    </message>
    <message>
        <source>Comment</source>
        <translation>Kommentar</translation>
    </message>
    <message>
        <source>Unit</source>
        <translation>Einheit</translation>
    </message>
    <message>
        <source>Comments and units</source>
        <translation>Kommentare und Einheiten</translation>
    </message>
    <message>
        <source>Keyboard help</source>
        <translation>Hilfe zur Tastatur</translation>
    </message>
</context>
<context>
    <name>DSPlayText</name>
    <message>
        <source>GStreamer cannot be started.</source>
        <translation>GStreamer kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>Die Datei existiert nicht oder ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>Dies ist ein Ordner, keine Videodatei.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>Dies ist keine Videodatei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>GStreamer shows the B-frames of this AVI file at the wrong times.</source>
        <translation>GStreamer zeigt die B-Frames dieser AVI-Datei zu falschen Zeiten.</translation>
    </message>
    <message>
        <source>The GStreamer elements Kolibra needs are not installed.</source>
        <translation>Die GStreamer-Elemente, die Kolibra benötigt, sind nicht installiert.</translation>
    </message>
    <message>
        <source>GStreamer cannot read this file.</source>
        <translation>GStreamer kann diese Datei nicht lesen.</translation>
    </message>
    <message>
        <source>GStreamer cannot read this file: %1</source>
        <translation>GStreamer kann diese Datei nicht lesen: %1</translation>
    </message>
    <message>
        <source>The file holds no video stream.</source>
        <translation>Die Datei enthält keinen Videostrom.</translation>
    </message>
    <message>
        <source>GStreamer has no decoder for the video of this file (%1).</source>
        <translation>GStreamer hat keinen Decoder für das Video dieser Datei (%1).</translation>
    </message>
    <message>
        <source>GStreamer took too long to read this file.</source>
        <translation>GStreamer hat zu lange zum Lesen dieser Datei gebraucht.</translation>
    </message>
    <message>
        <source>GStreamer shows wrong frames of MPEG program streams.</source>
        <translation>GStreamer zeigt bei MPEG-Programmströmen falsche Bilder.</translation>
    </message>
    <message>
        <source>GStreamer reads MPEG transport streams too slowly; the FFmpeg reader reads them.</source>
        <translation>GStreamer liest MPEG-Transportströme zu langsam; sie werden mit FFmpeg gelesen.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>Das erste Bild der Datei kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>The frame size of this file cannot be read.</source>
        <translation>Die Bildgröße dieser Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>Die von der Datei angegebene Bildgröße %1 x %2 ist nicht plausibel: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>Die Datei gibt keine Bildrate an.</translation>
    </message>
    <message>
        <source>The length of this file cannot be read.</source>
        <translation>Die Länge dieser Datei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file holds no frame.</source>
        <translation>Die Datei enthält kein Bild.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
</context>
<context>
    <name>DSRecordText</name>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>A GStreamer element is missing: %1.</source>
        <translation>Ein GStreamer-Element fehlt: %1.</translation>
    </message>
    <message>
        <source>The encoder cannot be linked to the AVI writer.</source>
        <translation>Der Encoder kann nicht mit dem AVI-Schreiber verbunden werden.</translation>
    </message>
    <message>
        <source>The pipeline is not running.</source>
        <translation>Die Pipeline läuft nicht.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>The pipeline cannot start.</source>
        <translation>Die Pipeline kann nicht starten.</translation>
    </message>
    <message>
        <source>The pipeline refused a frame.</source>
        <translation>Die Pipeline hat ein Bild abgelehnt.</translation>
    </message>
    <message>
        <source>The encoder stopped taking frames.</source>
        <translation>Der Encoder nimmt keine Bilder mehr an.</translation>
    </message>
    <message>
        <source>The pipeline refused the end of the video.</source>
        <translation>Die Pipeline hat das Ende des Videos abgelehnt.</translation>
    </message>
    <message>
        <source>The video was not completed in time.</source>
        <translation>Das Video wurde nicht rechtzeitig fertiggestellt.</translation>
    </message>
    <message>
        <source>The encoder gave out %1 frames of %2.</source>
        <translation>Der Encoder hat %1 von %2 Bildern ausgegeben.</translation>
    </message>
    <message>
        <source>GStreamer or its AVI writer is not installed.</source>
        <translation>GStreamer oder sein AVI-Schreiber ist nicht installiert.</translation>
    </message>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>Es gibt keinen Codec namens „%1“.</translation>
    </message>
</context>
<context>
    <name>FileSearchText</name>
    <message>
        <source>Search a file</source>
        <translation>Datei suchen</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>%1 in %2</source>
        <translation>%1 in %2</translation>
    </message>
    <message>
        <source>No file found.</source>
        <translation>Keine Datei gefunden.</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) found.</source>
        <translation>
            <numerusform>%n Datei gefunden.</numerusform>
            <numerusform>%n Dateien gefunden.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Formules</name>
    <message>
        <source>no comment</source>
        <translation>kein Kommentar</translation>
    </message>
    <message>
        <source>no unit</source>
        <translation>keine Einheit</translation>
    </message>
    <message>
        <source>Variable name already in use in a hidden column: %1</source>
        <translation>Variablenname wird bereits in einer ausgeblendeten Spalte verwendet: %1</translation>
    </message>
    <message>
        <source>A name cannot start with a number and can contain only letters of numbers. Incorrect variable or constant: %1</source>
        <translation>Ein Name darf nicht mit einer Ziffer beginnen und nur Buchstaben oder Ziffern enthalten. Fehlerhafte Variable oder Konstante: %1</translation>
    </message>
    <message>
        <source>Name already in use (comparison is not case-sensitive). Repeated variable or constant: %1</source>
        <translation>Name wird bereits verwendet (Groß-/Kleinschreibung wird nicht unterschieden). Doppelte Variable oder Konstante: %1</translation>
    </message>
    <message>
        <source>Identical formulas detected (comparison is not case sensitive): %1.</source>
        <translation>Identische Formeln gefunden (Groß-/Kleinschreibung wird nicht unterschieden): %1.</translation>
    </message>
    <message>
        <source>The index of a variable or a constant is usually placed into brackets. Unknown index into brackets. Faulty variable or constant: %1</source>
        <translation>Der Index einer Variablen oder Konstanten steht normalerweise in Klammern. Unbekannter Index in Klammern. Fehlerhafte Variable oder Konstante: %1</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error. Process cancelled.</source>
        <translation>Das Rechenwerk hat einen Fehler festgestellt. Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Name identical to that of a preset variable (comparison is not case-sensitive). Variable: %1</source>
        <translation>Name gleicht dem einer vordefinierten Variablen (Groß-/Kleinschreibung wird nicht unterschieden). Variable: %1</translation>
    </message>
    <message>
        <source>Number is too big or too small</source>
        <translation>Zahl ist zu groß oder zu klein</translation>
    </message>
    <message>
        <source>No value can be computed (index may be too big). This variable cannot be calculated: %1</source>
        <translation>Es lässt sich kein Wert berechnen (der Index ist vielleicht zu groß). Diese Variable kann nicht berechnet werden: %1</translation>
    </message>
    <message>
        <source>Circular definition: these variables or constants are calculated from each other and have no value: %1</source>
        <translation>Zirkuläre Definition: Diese Variablen oder Konstanten werden auseinander berechnet und haben keinen Wert: %1</translation>
    </message>
    <message>
        <source>String must contain a sign (optional), numerals, a decimal separator (optional), then a mantissa (optional).</source>
        <translation>Die Zeichenkette muss ein Vorzeichen (optional), Ziffern, ein Dezimaltrennzeichen (optional) und dann einen Exponenten (optional) enthalten.</translation>
    </message>
    <message>
        <source>Mantissa contains « E » or « e » followed by a sign (facultative) and an integer.</source>
        <translation>Der Exponent besteht aus « E » oder « e », gefolgt von einem Vorzeichen (optional) und einer ganzen Zahl.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>GElemText</name>
    <message>
        <source>Circle girth</source>
        <translation>Kreisumfang</translation>
    </message>
    <message>
        <source>radius length</source>
        <translation>Radius</translation>
    </message>
    <message>
        <source>Angle with the horizontal axis</source>
        <translation>Winkel zur Horizontalen</translation>
    </message>
    <message>
        <source>Ellipse girth</source>
        <translation>Ellipsenumfang</translation>
    </message>
    <message>
        <source>Length of semi-major axis</source>
        <translation>Länge der großen Halbachse</translation>
    </message>
    <message>
        <source>Length of semi-minor axis</source>
        <translation>Länge der kleinen Halbachse</translation>
    </message>
    <message>
        <source>Segment length</source>
        <translation>Länge der Strecke</translation>
    </message>
    <message>
        <source>Curve length</source>
        <translation>Länge der Kurve</translation>
    </message>
    <message>
        <source>Vector norm</source>
        <translation>Betrag des Vektors</translation>
    </message>
    <message>
        <source>Acute angle between the lines</source>
        <translation>Spitzer Winkel zwischen den Geraden</translation>
    </message>
    <message>
        <source>Arc length</source>
        <translation>Bogenlänge</translation>
    </message>
    <message>
        <source>Angle between radiuses</source>
        <translation>Winkel zwischen den Radien</translation>
    </message>
    <message>
        <source>infinite</source>
        <translation>unendlich</translation>
    </message>
</context>
<context>
    <name>GraphCliText</name>
    <message>
        <source>Unknown view &quot;%1&quot;: time, trajectory, vectors or formulas.</source>
        <translation>Unbekannte Ansicht „%1“: time, trajectory, vectors oder formulas.</translation>
    </message>
    <message>
        <source>Unknown model &quot;%1&quot;: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp or damped-sine-lin.</source>
        <translation>Unbekanntes Modell „%1“: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp oder damped-sine-lin.</translation>
    </message>
    <message>
        <source>Models are laid over the time and formulas views only.</source>
        <translation>Modelle werden nur über die Ansichten time und formulas gelegt.</translation>
    </message>
    <message>
        <source>The trajectory view takes no --quantity.</source>
        <translation>Die Ansicht trajectory nimmt kein --quantity an.</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error.</source>
        <translation>Das Rechenwerk hat einen Fehler festgestellt.</translation>
    </message>
    <message>
        <source>No quantity &quot;%1&quot; in the results: X, Y, vx, vy, v, ax, ay, a, O, R or w.</source>
        <translation>Keine Größe „%1“ in den Ergebnissen: X, Y, vx, vy, v, ax, ay, a, O, R oder w.</translation>
    </message>
    <message>
        <source>The vectors view shows &quot;v&quot; (velocity) or &quot;a&quot; (acceleration).</source>
        <translation>Die Ansicht vectors zeigt „v“ (Geschwindigkeit) oder „a“ (Beschleunigung).</translation>
    </message>
    <message>
        <source>The work file holds no formula to draw.</source>
        <translation>Die Arbeitsdatei enthält keine Formel zum Zeichnen.</translation>
    </message>
    <message>
        <source>No formula named &quot;%1&quot;.</source>
        <translation>Keine Formel mit dem Namen „%1“.</translation>
    </message>
    <message>
        <source>A model is laid over one curve at a time.</source>
        <translation>Ein Modell wird jeweils über nur eine Kurve gelegt.</translation>
    </message>
    <message>
        <source>The picture is written as a .svg or a .png file.</source>
        <translation>Das Bild wird als .svg- oder .png-Datei geschrieben.</translation>
    </message>
</context>
<context>
    <name>GraphText</name>
    <message>
        <source>Pictures are saved as .svg, .png, .bmp or .jpg files.</source>
        <translation>Bilder werden als .svg-, .png-, .bmp- oder .jpg-Dateien gespeichert.</translation>
    </message>
    <message>
        <source>Unable to write %1.</source>
        <translation>%1 kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Bend</source>
        <translation>Biegen</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Umformen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Richtung umkehren</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>|Click on the object or draw round the objects to select them (only the objects entirely contained in your selection zone will be selected)</source>
        <translation>|Auf das Objekt klicken oder die Objekte umfahren, um sie auszuwählen (nur die ganz im Auswahlbereich liegenden Objekte werden ausgewählt)</translation>
    </message>
    <message>
        <source>|Draw an acute angle defined by 2 straight lines with the mouse</source>
        <translation>|Einen durch 2 Geraden festgelegten spitzen Winkel mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>|Draw an arc with the mouse</source>
        <translation>|Einen Bogen mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>Draw a circle with the mouse from its center</source>
        <translation>Einen Kreis vom Mittelpunkt aus mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>|Draw an ellipse from its center with the mouse</source>
        <translation>|Eine Ellipse vom Mittelpunkt aus mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>|Draw a segment with the mouse</source>
        <translation>|Eine Strecke mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>|Left-click = add a control point; double left-click = finish</source>
        <translation>|Linksklick = Stützpunkt hinzufügen; Doppelklick links = beenden</translation>
    </message>
    <message>
        <source>|Draw a vector with the mouse</source>
        <translation>|Einen Vektor mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>|Curve an arc by grabbing its circumference or its radiuses with the mouse</source>
        <translation>|Einen Bogen biegen: seinen Umfang oder seine Radien mit der Maus greifen</translation>
    </message>
    <message>
        <source>|The mouse pointer position over the curve determines the parameter which will be modified; press CTRL or ALT at the same time to slow down alteration</source>
        <translation>|Die Position des Mauszeigers auf der Kurve bestimmt, welcher Parameter geändert wird; gleichzeitig Strg oder Alt drücken, um die Änderung zu verlangsamen</translation>
    </message>
    <message>
        <source>|Drag an drop the figure with the mouse</source>
        <translation>|Die Abbildung mit der Maus ziehen und ablegen</translation>
    </message>
    <message>
        <source>|Mouse pointer coordinates :</source>
        <translation>|Koordinaten des Mauszeigers:</translation>
    </message>
    <message>
        <source>|To select more than 1 objects, keep SHIFT pressed and click each object</source>
        <translation>|Um mehr als 1 Objekt auszuwählen, Umschalt gedrückt halten und jedes Objekt anklicken</translation>
    </message>
    <message>
        <source>|Hover the mouse over the curve to see parameters</source>
        <translation>|Die Maus über die Kurve bewegen, um die Parameter zu sehen</translation>
    </message>
    <message>
        <source>|Measure an angle or a value with mouse when cursor changes to a cross</source>
        <translation>|Einen Winkel oder einen Wert mit der Maus messen, wenn der Mauszeiger zum Kreuz wird</translation>
    </message>
    <message>
        <source>|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>|Linksklick = vergrößern; Rechtsklick = verkleinern; gleichzeitig Strg drücken für langsameres Zoomen</translation>
    </message>
</context>
<context>
    <name>Grid</name>
    <message>
        <source>Grid rotation in the trigonometric direction %s %s %s</source>
        <translation>Drehung des Gitters im mathematisch positiven Drehsinn %s %s %s</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
</context>
<context>
    <name>KinematicsResultsText</name>
    <message>
        <source>An object has fewer than 3 marks: its velocity and acceleration cannot be calculated.</source>
        <translation>Ein Objekt hat weniger als 3 Markierungen: Seine Geschwindigkeit und Beschleunigung können nicht berechnet werden.</translation>
    </message>
    <message>
        <source>There is no object to calculate.</source>
        <translation>Es gibt kein Objekt zu berechnen.</translation>
    </message>
    <message>
        <source>The scale is not defined: place both ends of the scale and type its length.</source>
        <translation>Der Maßstab ist nicht festgelegt: Setzen Sie beide Enden des Maßstabs und geben Sie seine Länge ein.</translation>
    </message>
    <message>
        <source>No video is open.</source>
        <translation>Es ist kein Video geöffnet.</translation>
    </message>
    <message>
        <source>The interval between 2 frames is zero.</source>
        <translation>Der Abstand zwischen 2 Bildern ist null.</translation>
    </message>
    <message>
        <source>Two marked frames fall at the same time.</source>
        <translation>Zwei markierte Bilder fallen auf denselben Zeitpunkt.</translation>
    </message>
    <message>
        <source>The times and the positions of an object do not match.</source>
        <translation>Die Zeiten und die Positionen eines Objekts passen nicht zusammen.</translation>
    </message>
    <message>
        <source>Smoothing failed: no curve could be fitted to the marks.</source>
        <translation>Glättung fehlgeschlagen: An die Markierungen ließ sich keine Kurve anpassen.</translation>
    </message>
    <message>
        <source>Smoothing failed: fewer than 2 marks to fit.</source>
        <translation>Glättung fehlgeschlagen: weniger als 2 Markierungen zum Anpassen.</translation>
    </message>
    <message>
        <source>Smoothing failed: no coefficient left to fit.</source>
        <translation>Glättung fehlgeschlagen: kein Koeffizient mehr anzupassen.</translation>
    </message>
    <message>
        <source>Smoothing failed: every mark lies at the same time.</source>
        <translation>Glättung fehlgeschlagen: Alle Markierungen liegen auf demselben Zeitpunkt.</translation>
    </message>
    <message>
        <source>Calculation error %1.</source>
        <translation>Rechenfehler %1.</translation>
    </message>
    <message>
        <source>The y axis does not point up: the potential energy Ep and the mechanical energy Em are left undefined.</source>
        <translation>Die y-Achse zeigt nicht nach oben: Die potenzielle Energie Ep und die mechanische Energie Em bleiben undefiniert.</translation>
    </message>
</context>
<context>
    <name>KlbText</name>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Diese Videodatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unable to open this work file.</source>
        <translation>Diese Arbeitsdatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Prüfen Sie, ob sie nicht verschoben wurde.</translation>
    </message>
    <message>
        <source>This file is too large to be a Kolibra work file.</source>
        <translation>Diese Datei ist zu groß für eine Kolibra-Arbeitsdatei.</translation>
    </message>
    <message>
        <source>Work files are never larger than 128 MiB.</source>
        <translation>Arbeitsdateien sind nie größer als 128 MiB.</translation>
    </message>
    <message>
        <source>Unable to read this work file.</source>
        <translation>Diese Arbeitsdatei kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Check that you may read it.</source>
        <translation>Prüfen Sie, ob Sie Leserechte für sie haben.</translation>
    </message>
    <message>
        <source>This is not a Kolibra work file: it names no video.</source>
        <translation>Dies ist keine Kolibra-Arbeitsdatei: Sie nennt kein Video.</translation>
    </message>
    <message>
        <source>Can not open this video file. Possible Problems and suggestions:</source>
        <translation>Diese Videodatei kann nicht geöffnet werden. Mögliche Ursachen und Vorschläge:</translation>
    </message>
    <message>
        <source>This work file is damaged:</source>
        <translation>Diese Arbeitsdatei ist beschädigt:</translation>
    </message>
    <message>
        <source>The video has %1 frames, but the work was measured on a video of %2 frames.</source>
        <translation>Das Video hat %1 Bilder, die Messung wurde aber an einem Video mit %2 Bildern gemacht.</translation>
    </message>
    <message>
        <source>Its video editing is dropped, and the marks past the last frame are removed.</source>
        <translation>Sein Videoschnitt wird verworfen, und die Markierungen nach dem letzten Bild werden entfernt.</translation>
    </message>
    <message>
        <source>%1 marks lay on frames the video does not show; they were removed.</source>
        <translation>%1 Markierungen lagen auf Bildern, die das Video nicht zeigt; sie wurden entfernt.</translation>
    </message>
</context>
<context>
    <name>KlbVffText</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>Die Datei existiert nicht oder ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>Dies ist ein Ordner, keine Videodatei.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>Dies ist keine Videodatei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>FFmpeg does not recognise this file as a video (%1).</source>
        <translation>FFmpeg erkennt diese Datei nicht als Video (%1).</translation>
    </message>
    <message>
        <source>The streams of this file cannot be read (%1).</source>
        <translation>Die Datenströme dieser Datei können nicht gelesen werden (%1).</translation>
    </message>
    <message>
        <source>No decoder is available for the video codec &quot;%1&quot; of this file.</source>
        <translation>Für den Videocodec „%1“ dieser Datei ist kein Decoder verfügbar.</translation>
    </message>
    <message>
        <source>The file holds no video stream.</source>
        <translation>Die Datei enthält keinen Videostrom.</translation>
    </message>
    <message>
        <source>The frame size announced by the file is missing or not plausible: the file is damaged.</source>
        <translation>Die von der Datei angegebene Bildgröße fehlt oder ist nicht plausibel: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>Die von der Datei angegebene Bildgröße %1 x %2 ist nicht plausibel: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The file does not give its frame rate.</source>
        <translation>Die Datei gibt ihre Bildrate nicht an.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>Das erste Bild der Datei kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>The decoder for the codec &quot;%1&quot; cannot be started (%2).</source>
        <translation>Der Decoder für den Codec „%1“ kann nicht gestartet werden (%2).</translation>
    </message>
    <message>
        <source>The video stream holds no picture.</source>
        <translation>Der Videostrom enthält kein Bild.</translation>
    </message>
    <message>
        <source>The video stream holds no keyframe to start decoding from.</source>
        <translation>Der Videostrom enthält kein Schlüsselbild, bei dem das Dekodieren beginnen kann.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The video cannot be positioned on frame %1.</source>
        <translation>Das Video kann nicht auf Bild %1 positioniert werden.</translation>
    </message>
    <message>
        <source>Frame %1 cannot be decoded.</source>
        <translation>Bild %1 kann nicht dekodiert werden.</translation>
    </message>
    <message>
        <source>The file ends at frame %1: the frames after it are missing or damaged.</source>
        <translation>Die Datei endet bei Bild %1: Die Bilder danach fehlen oder sind beschädigt.</translation>
    </message>
</context>
<context>
    <name>KolibraCliText</name>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>%1, line %2: expected two numbers separated by a tab (&quot;.&quot; decimals): %3</source>
        <translation>%1, Zeile %2: zwei durch Tabulator getrennte Zahlen erwartet („.“ als Dezimaltrennzeichen): %3</translation>
    </message>
    <message>
        <source>%1 holds no sample.</source>
        <translation>%1 enthält keinen Messwert.</translation>
    </message>
    <message>
        <source>Unknown model: %1 (constant, proportional, affine, exponential, parabola, sine, damped-sine-exp or damped-sine-lin).</source>
        <translation>Unbekanntes Modell: %1 (constant, proportional, affine, exponential, parabola, sine, damped-sine-exp oder damped-sine-lin).</translation>
    </message>
    <message>
        <source>The frames %1 to %2 are not all in this video (frames 0 to %3).</source>
        <translation>Die Bilder %1 bis %2 sind nicht alle in diesem Video enthalten (Bilder 0 bis %3).</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli eval EXPRESSION [--radian]
Evaluates an expression of the formula language without variables; angles are in degrees unless --radian is given.</source>
        <translation>Aufruf: kolibra-cli eval AUSDRUCK [--radian]
Wertet einen Ausdruck der Formelsprache ohne Variablen aus; Winkel sind in Grad, außer wenn --radian angegeben ist.</translation>
    </message>
    <message>
        <source>The results of the measurement on the layer.</source>
        <translation>Die Ergebnisse der Messung auf der Folie.</translation>
    </message>
    <message>
        <source>tsv (the datasheet&apos;s text form, by default), csv or json.</source>
        <translation>tsv (die Textform der Messwerttabelle, Standard), csv oder json.</translation>
    </message>
    <message>
        <source>The mass of an object in kilograms, for this run (may be repeated).</source>
        <translation>Die Masse eines Objekts in Kilogramm für diesen Aufruf (kann wiederholt werden).</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]...</source>
        <translation>Aufruf: kolibra-cli results WORK.klb [--layer] [--format tsv|csv|json] [--mass NAME=KG]...</translation>
    </message>
    <message>
        <source>--format must be tsv, csv or json: %1</source>
        <translation>--format muss tsv, csv oder json sein: %1</translation>
    </message>
    <message>
        <source>--mass must be NAME=KG with a mass above zero in kilograms: %1</source>
        <translation>--mass muss NAME=KG mit einer Masse über null in Kilogramm sein: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli resave IN.klb OUT.klb</source>
        <translation>Aufruf: kolibra-cli resave IN.klb OUT.klb</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]</source>
        <translation>Aufruf: kolibra-cli calibrate WORK.klb OUT.klb --plane X1,Y1;X2,Y2;X3,Y3;X4,Y4 --size W,H [--lens K1[,K2]] [--focal F] [--centre CX,CY] [--straight X,Y;X,Y;...]... [--checkerboard COLSxROWS]</translation>
    </message>
    <message>
        <source>The corners of a rectangle in the plane of the motion, in picture pixels, in the order (0,0), (W,0), (W,H), (0,H).</source>
        <translation>Die Ecken eines Rechtecks in der Bewegungsebene, in Bildpixeln, in der Reihenfolge (0,0), (W,0), (W,H), (0,H).</translation>
    </message>
    <message>
        <source>The rectangle&apos;s width and height in metres.</source>
        <translation>Breite und Höhe des Rechtecks in Metern.</translation>
    </message>
    <message>
        <source>The lens&apos;s radial coefficients.</source>
        <translation>Die radialen Koeffizienten des Objektivs.</translation>
    </message>
    <message>
        <source>The focal length in pixels (the picture&apos;s width by default).</source>
        <translation>Die Brennweite in Pixeln (standardmäßig die Bildbreite).</translation>
    </message>
    <message>
        <source>The lens&apos;s centre in pixels (the picture&apos;s centre by default).</source>
        <translation>Die Mitte des Objektivs in Pixeln (standardmäßig die Bildmitte).</translation>
    </message>
    <message>
        <source>A line straight in reality, to fit the lens from (may be repeated).</source>
        <translation>Eine in Wirklichkeit gerade Linie, aus der das Objektiv bestimmt wird (kann wiederholt werden).</translation>
    </message>
    <message>
        <source>A printed checkerboard filmed in the video, by its inner corners, to fit the lens from.</source>
        <translation>Ein gedrucktes, im Video gefilmtes Schachbrett, über seine inneren Ecken, aus dem das Objektiv bestimmt wird.</translation>
    </message>
    <message>
        <source>--plane must be four corners X1,Y1;X2,Y2;X3,Y3;X4,Y4 in picture pixels: %1</source>
        <translation>--plane muss aus vier Ecken X1,Y1;X2,Y2;X3,Y3;X4,Y4 in Bildpixeln bestehen: %1</translation>
    </message>
    <message>
        <source>--size must be W,H in metres: %1</source>
        <translation>--size muss W,H in Metern sein: %1</translation>
    </message>
    <message>
        <source>--lens must be K1 or K1,K2: %1</source>
        <translation>--lens muss K1 oder K1,K2 sein: %1</translation>
    </message>
    <message>
        <source>--focal must be a length in pixels above zero: %1</source>
        <translation>--focal muss eine Länge in Pixeln über null sein: %1</translation>
    </message>
    <message>
        <source>--centre must be CX,CY in picture pixels: %1</source>
        <translation>--centre muss CX,CY in Bildpixeln sein: %1</translation>
    </message>
    <message>
        <source>--straight must be at least three points X,Y;X,Y;X,Y in picture pixels: %1</source>
        <translation>--straight muss mindestens drei Punkte X,Y;X,Y;X,Y in Bildpixeln enthalten: %1</translation>
    </message>
    <message>
        <source>--checkerboard must be the board&apos;s inner corners COLSxROWS, at least 3x3: %1</source>
        <translation>--checkerboard muss die inneren Ecken des Bretts als COLSxROWS angeben, mindestens 3x3: %1</translation>
    </message>
    <message>
        <source>One line per recovery file: path, video, saved_at, marks, state.</source>
        <translation>Eine Zeile pro Wiederherstellungsdatei: path, video, saved_at, marks, state.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli recover --list</source>
        <translation>Aufruf: kolibra-cli recover --list</translation>
    </message>
    <message>
        <source>Unknown framework: %1 (vfw, ds or ffmpeg).</source>
        <translation>Unbekanntes Framework: %1 (vfw, ds oder ffmpeg).</translation>
    </message>
    <message>
        <source>The quality is a percentage from 10 to 100: %1</source>
        <translation>Die Qualität ist ein Prozentwert von 10 bis 100: %1</translation>
    </message>
    <message>
        <source>The rate must be a number of frames per second above 0: %1</source>
        <translation>Die Rate muss eine Anzahl von Bildern pro Sekunde über 0 sein: %1</translation>
    </message>
    <message>
        <source>Write with vfw, ds or ffmpeg (vfw by default).</source>
        <translation>Mit vfw, ds oder ffmpeg schreiben (Standard: vfw).</translation>
    </message>
    <message>
        <source>A codec name as kolibra-cli codecs lists it.</source>
        <translation>Ein Codec-Name, wie kolibra-cli codecs ihn auflistet.</translation>
    </message>
    <message>
        <source>Compression quality in percent (10 to 100).</source>
        <translation>Kompressionsqualität in Prozent (10 bis 100).</translation>
    </message>
    <message>
        <source>Frames per second written.</source>
        <translation>Geschriebene Bilder pro Sekunde.</translation>
    </message>
    <message>
        <source>The frame size of the video, WIDTHxHEIGHT.</source>
        <translation>Die Bildgröße des Videos, WIDTHxHEIGHT.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]</source>
        <translation>Aufruf: kolibra-cli codecs --size WxH [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>The size must be WIDTHxHEIGHT in pixels, such as 640x480: %1</source>
        <translation>Die Größe muss WIDTHxHEIGHT in Pixeln sein, etwa 640x480: %1</translation>
    </message>
    <message>
        <source>Resize the frames to WIDTHxHEIGHT.</source>
        <translation>Die Bilder auf WIDTHxHEIGHT skalieren.</translation>
    </message>
    <message>
        <source>Keep the part X,Y,WIDTH,HEIGHT of the frames.</source>
        <translation>Den Ausschnitt X,Y,WIDTH,HEIGHT der Bilder behalten.</translation>
    </message>
    <message>
        <source>Grey frames for the montage&apos;s missing frames.</source>
        <translation>Graue Bilder für die fehlenden Bilder des Videoschnitts.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]</source>
        <translation>Aufruf: kolibra-cli write SRC OUT.avi [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P] [--size WxH | --crop X,Y,W,H] [--rate R] [--blanks]</translation>
    </message>
    <message>
        <source>Choose --size or --crop, not both.</source>
        <translation>Wählen Sie --size oder --crop, nicht beides.</translation>
    </message>
    <message>
        <source>The crop must be X,Y,WIDTH,HEIGHT in pixels, such as 10,0,320,240: %1</source>
        <translation>Der Ausschnitt muss X,Y,WIDTH,HEIGHT in Pixeln sein, etwa 10,0,320,240: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli stills SRC BASE</source>
        <translation>Aufruf: kolibra-cli stills SRC BASE</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]</source>
        <translation>Aufruf: kolibra-cli assemble OUT.avi --rate R IMAGES... [--framework vfw|ds|ffmpeg] [--codec NAME] [--quality P]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods</source>
        <translation>Aufruf: kolibra-cli export WORK.klb OUT.txt|OUT.csv|OUT.json|OUT.ipynb|OUT.xlsx|OUT.ods</translation>
    </message>
    <message>
        <source>Cut a disc of radius R frame pixels round (X, Y) on frame F.</source>
        <translation>Eine Scheibe mit dem Radius R Bildpixel um (X, Y) aus Bild F ausschneiden.</translation>
    </message>
    <message>
        <source>Paste on the first circle&apos;s frame instead of a white page.</source>
        <translation>Auf das Bild des ersten Kreises statt auf eine weiße Seite einfügen.</translation>
    </message>
    <message>
        <source>A circle is FRAME:X,Y,RADIUS with numbers: %1</source>
        <translation>Ein Kreis wird als FRAME:X,Y,RADIUS mit Zahlen angegeben: %1</translation>
    </message>
    <message>
        <source>Read with vfw, ds or ffmpeg alone, instead of Kolibra&apos;s choice.</source>
        <translation>Nur mit vfw, ds oder ffmpeg lesen, statt Kolibra wählen zu lassen.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli info FILE [--framework vfw|ds|ffmpeg]</source>
        <translation>Aufruf: kolibra-cli info FILE [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]</source>
        <translation>Aufruf: kolibra-cli times VIDEO [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]</source>
        <translation>Aufruf: kolibra-cli frame FILE INDEX OUT.png [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>INDEX must be a whole number: %1</source>
        <translation>INDEX muss eine ganze Zahl sein: %1</translation>
    </message>
    <message>
        <source>time, trajectory, vectors or formulas.</source>
        <translation>time, trajectory, vectors oder formulas.</translation>
    </message>
    <message>
        <source>VIEW</source>
        <translation>VIEW</translation>
    </message>
    <message>
        <source>What the view shows.</source>
        <translation>Was die Ansicht zeigt.</translation>
    </message>
    <message>
        <source>SYMBOL</source>
        <translation>SYMBOL</translation>
    </message>
    <message>
        <source>A model laid over the curve.</source>
        <translation>Ein über die Kurve gelegtes Modell.</translation>
    </message>
    <message>
        <source>NAME</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>The picture&apos;s size in pixels.</source>
        <translation>Die Bildgröße in Pixeln.</translation>
    </message>
    <message>
        <source>WxH</source>
        <translation>WxH</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] [--size WxH]</source>
        <translation>Aufruf: kolibra-cli graph WORK.klb OUT.svg|OUT.png [--view time|trajectory|vectors|formulas] [--quantity SYMBOL] [--model NAME] [--size WxH]</translation>
    </message>
    <message>
        <source>The size is written WxH, each between 200 and 8000 pixels: %1</source>
        <translation>Die Größe wird als WxH geschrieben, jeweils zwischen 200 und 8000 Pixeln: %1</translation>
    </message>
    <message>
        <source>--%1 must be a whole number from %2 to %3: %4</source>
        <translation>--%1 muss eine ganze Zahl von %2 bis %3 sein: %4</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]</source>
        <translation>Aufruf: kolibra-cli track VIDEO (--circle X,Y,R | --polygon X1,Y1;X2,Y2;...)... [--from F] [--to L] [--step K] [--radius R] [--ignore POLYGON]... [--framework vfw|ds|ffmpeg]</translation>
    </message>
    <message>
        <source>An object to follow: a circle in frame pixels (may be repeated).</source>
        <translation>Ein zu verfolgendes Objekt: ein Kreis in Bildpixeln (kann wiederholt werden).</translation>
    </message>
    <message>
        <source>An object to follow: a polygon in frame pixels (may be repeated).</source>
        <translation>Ein zu verfolgendes Objekt: ein Polygon in Bildpixeln (kann wiederholt werden).</translation>
    </message>
    <message>
        <source>The frame the outline is on (0 by default).</source>
        <translation>Das Bild, auf dem der Umriss liegt (Standard: 0).</translation>
    </message>
    <message>
        <source>The last frame to track (the video&apos;s last by default).</source>
        <translation>Das letzte zu verfolgende Bild (Standard: das letzte des Videos).</translation>
    </message>
    <message>
        <source>Frames between two tracked frames (1 by default).</source>
        <translation>Bilder zwischen zwei verfolgten Bildern (Standard: 1).</translation>
    </message>
    <message>
        <source>Search radius in pixels, 10 to 100 (40 by default).</source>
        <translation>Suchradius in Pixeln, 10 bis 100 (Standard: 40).</translation>
    </message>
    <message>
        <source>A zone to ignore: a polygon in frame pixels.</source>
        <translation>Ein zu ignorierender Bereich: ein Polygon in Bildpixeln.</translation>
    </message>
    <message>
        <source>--circle must be X,Y,R in frame pixels with R at least 1: %1</source>
        <translation>--circle muss X,Y,R in Bildpixeln mit R mindestens 1 sein: %1</translation>
    </message>
    <message>
        <source>--polygon must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1</source>
        <translation>--polygon muss mindestens drei Punkte X1,Y1;X2,Y2;X3,Y3 in Bildpixeln enthalten: %1</translation>
    </message>
    <message>
        <source>--ignore must be at least three points X1,Y1;X2,Y2;X3,Y3 in frame pixels: %1</source>
        <translation>--ignore muss mindestens drei Punkte X1,Y1;X2,Y2;X3,Y3 in Bildpixeln enthalten: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]</source>
        <translation>Aufruf: kolibra-cli print WORK.klb OUT.pdf [--view time|trajectory|vectors] [--template top|full] [--double] [--title TEXT]</translation>
    </message>
    <message>
        <source>The results view to print.</source>
        <translation>Die zu druckende Ergebnisansicht.</translation>
    </message>
    <message>
        <source>The page template.</source>
        <translation>Die Seitenvorlage.</translation>
    </message>
    <message>
        <source>The graph twice on the sheet.</source>
        <translation>Das Diagramm zweimal auf dem Blatt.</translation>
    </message>
    <message>
        <source>The title printed as the header.</source>
        <translation>Der als Kopfzeile gedruckte Titel.</translation>
    </message>
    <message>
        <source>--view must be time, trajectory or vectors: %1</source>
        <translation>--view muss time, trajectory oder vectors sein: %1</translation>
    </message>
    <message>
        <source>--template must be top or full: %1</source>
        <translation>--template muss top oder full sein: %1</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli COMMAND ARGUMENTS... Kolibra&apos;s engines for scripts and batch work.</source>
        <translation>Aufruf: kolibra-cli COMMAND ARGUMENTS... Die Rechenwerke von Kolibra für Skripte und Stapelverarbeitung.</translation>
    </message>
    <message>
        <source>Unknown command: %1</source>
        <translation>Unbekannter Befehl: %1</translation>
    </message>
    <message>
        <source>The camera, as listed (&quot;Kolibra test pattern&quot; always is).</source>
        <translation>Die Kamera, wie aufgelistet („Kolibra test pattern“ ist immer dabei).</translation>
    </message>
    <message>
        <source>0: libavdevice, 1: GStreamer.</source>
        <translation>0: libavdevice, 1: GStreamer.</translation>
    </message>
    <message>
        <source>The picture size.</source>
        <translation>Die Bildgröße.</translation>
    </message>
    <message>
        <source>Frames per second.</source>
        <translation>Bilder pro Sekunde.</translation>
    </message>
    <message>
        <source>without, &quot;Motion JPEG&quot; or FFV1.</source>
        <translation>without, &quot;Motion JPEG&quot; oder FFV1.</translation>
    </message>
    <message>
        <source>Seconds before recording starts.</source>
        <translation>Sekunden vor Beginn der Aufnahme.</translation>
    </message>
    <message>
        <source>Seconds recorded.</source>
        <translation>Aufgenommene Sekunden.</translation>
    </message>
    <message>
        <source>Usage: kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]
MODEL: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, damped-sine-lin. DATA.tsv: two tab-separated columns, t and the value (&quot;.&quot; decimals).</source>
        <translation>Aufruf: kolibra-cli fit MODEL DATA.tsv [--from T1] [--to T2]
MODEL: constant, proportional, affine, exponential, parabola, sine, damped-sine-exp, damped-sine-lin. DATA.tsv: zwei durch Tabulator getrennte Spalten, t und der Wert („.“ als Dezimaltrennzeichen).</translation>
    </message>
    <message>
        <source>--%1 needs a number (&quot;.&quot; decimals): %2</source>
        <translation>--%1 braucht eine Zahl („.“ als Dezimaltrennzeichen): %2</translation>
    </message>
    <message>
        <source>First abscissa fitted.</source>
        <translation>Erste angepasste Abszisse.</translation>
    </message>
    <message>
        <source>Last abscissa fitted.</source>
        <translation>Letzte angepasste Abszisse.</translation>
    </message>
    <message>
        <source>A file with this name already exists; nothing was recorded.</source>
        <translation>Eine Datei mit diesem Namen existiert bereits; es wurde nichts aufgenommen.</translation>
    </message>
    <message>
        <source>The duration must be at least 1 second, the delay not negative.</source>
        <translation>Die Dauer muss mindestens 1 Sekunde betragen, die Verzögerung darf nicht negativ sein.</translation>
    </message>
    <message>
        <source>No capture device &quot;%1&quot;. The devices are:</source>
        <translation>Kein Aufnahmegerät „%1“. Die Geräte sind:</translation>
    </message>
    <message>
        <source>A format is WIDTHxHEIGHT: %1</source>
        <translation>Ein Format wird als WIDTHxHEIGHT angegeben: %1</translation>
    </message>
    <message>
        <source>The device has no such format. Its formats are:</source>
        <translation>Das Gerät hat dieses Format nicht. Seine Formate sind:</translation>
    </message>
    <message>
        <source>Unknown codec: %1 (%2).</source>
        <translation>Unbekannter Codec: %1 (%2).</translation>
    </message>
</context>
<context>
    <name>KolibraText</name>
    <message>
        <source>Teaching mechanics from video.</source>
        <translation>Mechanik unterrichten mit Videos.</translation>
    </message>
    <message>
        <source>A video, or a work file (.klb), to open instead of a sample video.</source>
        <translation>Ein Video oder eine Arbeitsdatei (.klb), die anstelle eines Beispielvideos geöffnet werden soll.</translation>
    </message>
</context>
<context>
    <name>MainFormText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Backup file creation has failed.</source>
        <translation>Die Sicherungsdatei konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Some functions will not be available.</source>
        <translation>Einige Funktionen stehen nicht zur Verfügung.</translation>
    </message>
    <message>
        <source>Welcome to Kolibra: mechanics from video.</source>
        <translation>Willkommen bei Kolibra: Mechanik mit Videos.</translation>
    </message>
    <message>
        <source>Calibrate the scale, place the axes, then click on the moving object in each frame.</source>
        <translation>Kalibrieren Sie den Maßstab, legen Sie die Achsen fest und klicken Sie dann in jedem Bild auf das bewegte Objekt.</translation>
    </message>
    <message>
        <source>Another video opens with « File » › « Open video... » (Ctrl+O).</source>
        <translation>Ein anderes Video öffnen Sie mit »Datei« › »Video öffnen...« (Strg+O).</translation>
    </message>
    <message>
        <source>Unable to write video file on disk</source>
        <translation>Die Videodatei kann nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save project to file</source>
        <translation>Projekt in Datei speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Cancel closing</source>
        <translation>Schließen abbrechen</translation>
    </message>
    <message>
        <source>Exit program now</source>
        <translation>Programm jetzt beenden</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Cancel opening</source>
        <translation>Öffnen abbrechen</translation>
    </message>
    <message>
        <source>Ignore saving and continue</source>
        <translation>Nicht speichern und fortfahren</translation>
    </message>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Diese Videodatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Prüfen Sie, ob sie nicht verschoben wurde.</translation>
    </message>
    <message>
        <source>Can not open this video file. Possible Problems and suggestions:</source>
        <translation>Diese Videodatei kann nicht geöffnet werden. Mögliche Ursachen und Vorschläge:</translation>
    </message>
    <message>
        <source>The frames of this video do not all last the same time.</source>
        <translation>Die Bilder dieses Videos dauern nicht alle gleich lang.</translation>
    </message>
    <message>
        <source>Each frame&apos;s time is the one the video gives it (its time stamp);</source>
        <translation>Jedes Bild erhält die Zeit, die das Video ihm gibt (seinen Zeitstempel);</translation>
    </message>
    <message>
        <source>the command « Time between two frames » of the « Measurements » menu can set a regular interval instead.</source>
        <translation>der Befehl »Zeit zwischen zwei Bildern« im Menü »Messungen« kann stattdessen einen regelmäßigen Abstand festlegen.</translation>
    </message>
    <message>
        <source>Times are computed from the mean interval between two frames,</source>
        <translation>Die Zeiten werden aus dem mittleren Abstand zwischen zwei Bildern berechnet,</translation>
    </message>
    <message>
        <source>which the command « Time between two frames » of the « Measurements » menu sets.</source>
        <translation>den der Befehl »Zeit zwischen zwei Bildern« im Menü »Messungen« festlegt.</translation>
    </message>
    <message>
        <source>Its true interval between two frames is T = %1 s.</source>
        <translation>Sein tatsächlicher Abstand zwischen zwei Bildern beträgt T = %1 s.</translation>
    </message>
    <message>
        <source>Use T = %1 s</source>
        <translation>T = %1 s verwenden</translation>
    </message>
    <message>
        <source>Keep T = %1 s</source>
        <translation>T = %1 s beibehalten</translation>
    </message>
    <message>
        <source>Manual marking|Set one or several marks and the video automatically moves forward</source>
        <translation>Manuelle Markierung|Eine oder mehrere Markierungen setzen; das Video läuft automatisch weiter</translation>
    </message>
    <message>
        <source>Layer|Simulate a tracing paper sheet. Its middle and its two perpendicular axes form a grid</source>
        <translation>Folie|Simuliert ein Transparentpapier. Seine Mitte und seine beiden senkrechten Achsen bilden ein Gitter</translation>
    </message>
    <message>
        <source>Automatic marking|Draw, by hand, the outline of an object in a video frame and the software looks for the object in the following frames</source>
        <translation>Automatische Markierung|Den Umriss eines Objekts in einem Videobild von Hand zeichnen; das Programm sucht das Objekt in den folgenden Bildern</translation>
    </message>
    <message>
        <source>Video studio|Make a chronophotography, convert vidéo to still images or still images to video</source>
        <translation>Videostudio|Ein Stroboskopbild erstellen, ein Video in Einzelbilder oder Einzelbilder in ein Video umwandeln</translation>
    </message>
    <message>
        <source>Video editing|Delete the repeated frames or change the duration between the preceding and the following frames</source>
        <translation>Videoschnitt|Doppelte Bilder löschen oder die Dauer zwischen vorherigem und folgendem Bild ändern</translation>
    </message>
    <message>
        <source>Video capture</source>
        <translation>Videoaufnahme</translation>
    </message>
    <message>
        <source>Zoom in or out|Place the mouse over the zone you wish to zoom in or out of</source>
        <translation>Vergrößern oder verkleinern|Die Maus über den Bereich halten, der vergrößert oder verkleinert werden soll</translation>
    </message>
    <message>
        <source>Pan image|Image zoom factor must be greater than 100%</source>
        <translation>Bild verschieben|Der Zoomfaktor muss größer als 100 % sein</translation>
    </message>
    <message>
        <source>Define scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Maßstab festlegen|Bildmaße über den Abstand zwischen 2 Punkten kalibrieren.</translation>
    </message>
    <message>
        <source>Define horizontal scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Horizontalen Maßstab festlegen|Bildmaße über den Abstand zwischen 2 Punkten kalibrieren.</translation>
    </message>
    <message>
        <source>Define vertical scale|Calibrate image dimensions using the distance between 2 points.</source>
        <translation>Vertikalen Maßstab festlegen|Bildmaße über den Abstand zwischen 2 Punkten kalibrieren.</translation>
    </message>
    <message>
        <source>Calibrate a plane seen at an angle|Click the four corners of a rectangle of known size lying in the plane of the motion, then type its width and height</source>
        <translation>Schräg gesehene Ebene kalibrieren|Die vier Ecken eines Rechtecks bekannter Größe in der Bewegungsebene anklicken, dann seine Breite und Höhe eingeben</translation>
    </message>
    <message>
        <source>Straighten the lens|Trace lines that are straight in reality (a door frame, a ruler, a board&apos;s edge): a few clicks along each, right-click to end it</source>
        <translation>Objektiv entzerren|Linien nachzeichnen, die in Wirklichkeit gerade sind (Türrahmen, Lineal, Tafelkante): einige Klicks entlang jeder Linie, Rechtsklick beendet sie</translation>
    </message>
    <message>
        <source>Choose, move or rotate a reference frame|Define the origin of a cartesian reference frame. Coordinates depend on this choice.</source>
        <translation>Bezugssystem wählen, verschieben oder drehen|Den Ursprung eines kartesischen Bezugssystems festlegen. Die Koordinaten hängen von dieser Wahl ab.</translation>
    </message>
    <message>
        <source>Set marks on the trajectory|Plot the successive positions of a projectile. The video moves forward automatically.</source>
        <translation>Markierungen auf der Bahnkurve setzen|Die aufeinanderfolgenden Positionen eines Körpers erfassen. Das Video läuft automatisch weiter.</translation>
    </message>
    <message>
        <source>Use a layer|Use a layer to illustrate the notion of reference frame</source>
        <translation>Folie verwenden|Mit einer Folie den Begriff des Bezugssystems veranschaulichen</translation>
    </message>
    <message>
        <source>Move a mark|Move a mark with the mouse</source>
        <translation>Markierung verschieben|Eine Markierung mit der Maus verschieben</translation>
    </message>
    <message>
        <source>Erase marks|Erase a mark; erase the marks in a rectangular zone; erase the marks of an image</source>
        <translation>Markierungen löschen|Eine Markierung löschen; die Markierungen in einem rechteckigen Bereich löschen; die Markierungen eines Bildes löschen</translation>
    </message>
    <message>
        <source>Name objects|Name plotted objects</source>
        <translation>Objekte benennen|Erfasste Objekte benennen</translation>
    </message>
    <message>
        <source>Draw the outline of an object (chronophotography)|Define the position of an object on the chronophotography corresponding to the current video frame</source>
        <translation>Umriss eines Objekts zeichnen (Stroboskopbild)|Die Position eines Objekts im Stroboskopbild festlegen, die dem aktuellen Videobild entspricht</translation>
    </message>
    <message>
        <source>Erase outlines (chronophotography)|Erase an outline ; erase outlines in a rectangular area ; erase the outline on the current video frame</source>
        <translation>Umrisse löschen (Stroboskopbild)|Einen Umriss löschen; die Umrisse in einem rechteckigen Bereich löschen; den Umriss im aktuellen Videobild löschen</translation>
    </message>
    <message>
        <source>Save composite image to file (chronophotography)|Combine images of an object at different positions on a background image then save it to file</source>
        <translation>Zusammengesetztes Bild speichern (Stroboskopbild)|Bilder eines Objekts an verschiedenen Positionen auf einem Hintergrundbild vereinen und in eine Datei speichern</translation>
    </message>
    <message>
        <source>Convert current video frame to still image</source>
        <translation>Aktuelles Videobild in Einzelbild umwandeln</translation>
    </message>
    <message>
        <source>Convert video to still images|Video frames hidden during editing will not be converted into still images</source>
        <translation>Video in Einzelbilder umwandeln|Beim Videoschnitt ausgeblendete Bilder werden nicht in Einzelbilder umgewandelt</translation>
    </message>
    <message>
        <source>Convert still images to video</source>
        <translation>Einzelbilder in Video umwandeln</translation>
    </message>
    <message>
        <source>Show or hide frame|A frame appearing in negative will not be visible after leaving video edit mode</source>
        <translation>Bild ein- oder ausblenden|Ein als Negativ angezeigtes Bild ist nach Verlassen des Videoschnitts nicht mehr sichtbar</translation>
    </message>
    <message>
        <source>Show or hide a series of frames|The images appearing in negative will not be visible after leaving video edit mode</source>
        <translation>Bildfolge ein- oder ausblenden|Als Negativ angezeigte Bilder sind nach Verlassen des Videoschnitts nicht mehr sichtbar</translation>
    </message>
    <message>
        <source>Modify frame time|A frame is missing in the video stream, you need to change the duration between the preceding and following frames</source>
        <translation>Bildzeit ändern|Im Videostrom fehlt ein Bild; die Dauer zwischen vorherigem und folgendem Bild muss geändert werden</translation>
    </message>
    <message>
        <source>Save edited video|Export edited video to file</source>
        <translation>Geschnittenes Video speichern|Das geschnittene Video in eine Datei exportieren</translation>
    </message>
    <message>
        <source>Choose capture device</source>
        <translation>Aufnahmegerät wählen</translation>
    </message>
    <message>
        <source>Capture device properties |Shutter speed, luminance, contrast...</source>
        <translation>Eigenschaften des Aufnahmegeräts |Belichtungszeit, Helligkeit, Kontrast...</translation>
    </message>
    <message>
        <source>Capture format |Width and height of image in pixels</source>
        <translation>Aufnahmeformat |Breite und Höhe des Bildes in Pixeln</translation>
    </message>
    <message>
        <source>Frame rate|Number of images per second</source>
        <translation>Bildrate|Anzahl der Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>Choose a compression Codec</source>
        <translation>Kompressions-Codec wählen</translation>
    </message>
    <message>
        <source>Recording delay and duration</source>
        <translation>Verzögerung und Dauer der Aufnahme</translation>
    </message>
    <message>
        <source>Start or stop recording|On the fly compression requires more hardware resources</source>
        <translation>Aufnahme starten oder beenden|Kompression während der Aufnahme braucht mehr Rechenleistung</translation>
    </message>
    <message>
        <source>Draw the outline of an object|Draws the oultine of the tracked object on the image. This frame will be the first in the sequence</source>
        <translation>Umriss eines Objekts zeichnen|Zeichnet den Umriss des verfolgten Objekts auf das Bild. Dieses Bild ist das erste der Sequenz</translation>
    </message>
    <message>
        <source>Draw the area to ignore|Background rectangular zone to ignore because is has the same color of the tracked object</source>
        <translation>Zu ignorierenden Bereich zeichnen|Rechteckiger Hintergrundbereich, der ignoriert wird, weil er dieselbe Farbe wie das verfolgte Objekt hat</translation>
    </message>
    <message>
        <source>Delete the object&apos;s outline|Delete the object&apos;s outline without affecting past trackings</source>
        <translation>Umriss des Objekts löschen|Den Umriss des Objekts löschen, ohne frühere Verfolgungen zu verändern</translation>
    </message>
    <message>
        <source>Erase last zone to ignore|Erase latest zones first</source>
        <translation>Letzten ignorierten Bereich löschen|Die jüngsten Bereiche werden zuerst gelöscht</translation>
    </message>
    <message>
        <source>Cancel automatic tracking|Cancels tracking withiout affecting already drawn oulines</source>
        <translation>Automatische Verfolgung abbrechen|Bricht die Verfolgung ab, ohne bereits gezeichnete Umrisse zu verändern</translation>
    </message>
    <message>
        <source>Object number|Automatic tracking can handle 1 object at a time</source>
        <translation>Objektnummer|Die automatische Verfolgung kann jeweils nur 1 Objekt bearbeiten</translation>
    </message>
    <message>
        <source>Define sequence|First frame shows the object&apos;s outline. Choose the last frame of the tracking sequence</source>
        <translation>Sequenz festlegen|Das erste Bild zeigt den Umriss des Objekts. Wählen Sie das letzte Bild der Verfolgungssequenz</translation>
    </message>
    <message>
        <source>Start or stop automatic tracking|Automatically follows and records the trajectory of the objet</source>
        <translation>Automatische Verfolgung starten oder beenden|Folgt automatisch der Bahn des Objekts und zeichnet sie auf</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Messwerttabelle</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Zeitlicher Verlauf</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Bahnkurve im Bezugssystem</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Vektordarstellung</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Eigene Formeln</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Abspielen</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>First frame</source>
        <translation>Erstes Bild</translation>
    </message>
    <message>
        <source>Previous frame</source>
        <translation>Vorheriges Bild</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>Suchen</translation>
    </message>
    <message>
        <source>Next frame</source>
        <translation>Nächstes Bild</translation>
    </message>
    <message>
        <source>Last frame</source>
        <translation>Letztes Bild</translation>
    </message>
    <message>
        <source>Frame number and total frame count|Left-click = type the number of the new frame</source>
        <translation>Bildnummer und Gesamtzahl der Bilder|Linksklick = Nummer des neuen Bildes eingeben</translation>
    </message>
    <message>
        <source>Number of marks|Total number of marks set down</source>
        <translation>Anzahl der Markierungen|Gesamtzahl der gesetzten Markierungen</translation>
    </message>
    <message>
        <source>Image zoom factor|Image zoom factor; left-click = return to 100%</source>
        <translation>Zoomfaktor|Zoomfaktor des Bildes; Linksklick = zurück auf 100 %</translation>
    </message>
    <message>
        <source>Graph basis rotation angle|Left-click = type the angle</source>
        <translation>Drehwinkel des Koordinatensystems|Linksklick = Winkel eingeben</translation>
    </message>
    <message>
        <source>Velocity or acceleration calculations need at least five marks to be reliable.</source>
        <translation>Für zuverlässige Geschwindigkeits- und Beschleunigungswerte sind mindestens fünf Markierungen nötig.</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>First calibrate an object of know dimension on the screen.</source>
        <translation>Kalibrieren Sie zuerst einen Gegenstand bekannter Größe auf dem Bildschirm.</translation>
    </message>
    <message>
        <source>Use the Scale button.</source>
        <translation>Verwenden Sie die Schaltfläche Maßstab.</translation>
    </message>
    <message>
        <source>You have chosen to point simultaneously the positions of %u objects.</source>
        <translation>Sie haben gewählt, die Positionen von %u Objekten gleichzeitig zu erfassen.</translation>
    </message>
    <message>
        <source>First set at least 3 marks.</source>
        <translation>Setzen Sie zuerst mindestens 3 Markierungen.</translation>
    </message>
    <message>
        <source>Use the Marks button.</source>
        <translation>Verwenden Sie die Schaltfläche Markierungen.</translation>
    </message>
    <message>
        <source>First set the origin of the axes.</source>
        <translation>Legen Sie zuerst den Ursprung der Achsen fest.</translation>
    </message>
    <message>
        <source>Use the graph basis button.</source>
        <translation>Verwenden Sie die Schaltfläche für das Bezugssystem.</translation>
    </message>
    <message>
        <source>First set at least 3 marks on the trajectory.</source>
        <translation>Setzen Sie zuerst mindestens 3 Markierungen auf der Bahnkurve.</translation>
    </message>
    <message>
        <source>With the mouse, drag and drop the layer and point the object position.</source>
        <translation>Ziehen Sie die Folie mit der Maus und markieren Sie die Position des Objekts.</translation>
    </message>
    <message>
        <source>An object name is assigned by default (« Point n°1 » for example).</source>
        <translation>Ein Objektname wird standardmäßig vergeben (zum Beispiel »Punkt Nr. 1«).</translation>
    </message>
    <message>
        <source>To make results clearer, it is recommended that you use an explicit name.</source>
        <translation>Für verständlichere Ergebnisse empfiehlt sich ein aussagekräftiger Name.</translation>
    </message>
    <message>
        <source>Give a name</source>
        <translation>Namen vergeben</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Diesen Dialog nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error. Process cancelled.</source>
        <translation>Das Rechenwerk hat einen Fehler festgestellt. Vorgang abgebrochen.</translation>
    </message>
    <message>
        <source>Kolibra help</source>
        <translation>Kolibra-Hilfe</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>|This frame will be visible in the video after leaving edit mode</source>
        <translation>|Dieses Bild ist nach Verlassen des Videoschnitts im Video sichtbar</translation>
    </message>
    <message>
        <source>|This frame will not appear any more in the video after leaving edit mode</source>
        <translation>|Dieses Bild erscheint nach Verlassen des Videoschnitts nicht mehr im Video</translation>
    </message>
    <message>
        <source>Lens from a checkerboard</source>
        <translation>Objektiv aus einem Schachbrett</translation>
    </message>
    <message>
        <source>Film a printed checkerboard held at a few different angles, filling much of the picture. Count its inner corners, where four squares meet.</source>
        <translation>Filmen Sie ein gedrucktes Schachbrett unter einigen verschiedenen Winkeln, sodass es einen großen Teil des Bildes füllt. Zählen Sie seine inneren Ecken, an denen vier Felder zusammenstoßen.</translation>
    </message>
    <message>
        <source>Inner corners across</source>
        <translation>Innere Ecken waagerecht</translation>
    </message>
    <message>
        <source>Inner corners down</source>
        <translation>Innere Ecken senkrecht</translation>
    </message>
    <message>
        <source>Size of the plane&apos;s rectangle</source>
        <translation>Größe des Rechtecks der Ebene</translation>
    </message>
    <message>
        <source>The width runs from the first corner clicked to the second, the height from the first to the fourth.</source>
        <translation>Die Breite reicht von der ersten angeklickten Ecke zur zweiten, die Höhe von der ersten zur vierten.</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
    <message>
        <source>Video file (%1)</source>
        <translation>Videodatei (%1)</translation>
    </message>
    <message>
        <source>Kolibra file (*.klb)</source>
        <translation>Kolibra-Datei (*.klb)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Open video...</source>
        <translation>Video öffnen...</translation>
    </message>
    <message>
        <source>File successfully saved:</source>
        <translation>Datei erfolgreich gespeichert:</translation>
    </message>
    <message>
        <source>The work cannot be kept for recovery after a crash: %1</source>
        <translation>Die Arbeit kann nicht für eine Wiederherstellung nach einem Absturz gesichert werden: %1</translation>
    </message>
    <message>
        <source>Save work to KLB file</source>
        <translation>Arbeit in KLB-Datei speichern</translation>
    </message>
    <message>
        <source>Open work...</source>
        <translation>Arbeit öffnen...</translation>
    </message>
    <message>
        <source>%1 (damaged)</source>
        <translation>%1 (beschädigt)</translation>
    </message>
    <message>
        <source>Kolibra stopped before this work was saved:</source>
        <translation>Kolibra wurde beendet, bevor diese Arbeit gespeichert war:</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Last change</source>
        <translation>Letzte Änderung</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Markierungen</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Verwerfen</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>Später</translation>
    </message>
    <message>
        <source>Video writing</source>
        <translation>Video schreiben</translation>
    </message>
    <message>
        <source>Files were successfully registered.</source>
        <translation>Die Dateien wurden erfolgreich gespeichert.</translation>
    </message>
    <message>
        <source>Automatic tracking</source>
        <translation>Automatische Verfolgung</translation>
    </message>
    <message>
        <source>Tracking ended: %1 frames found, %2 uncertain, %3 lost. Leave the tracking mode to keep the positions as marks.</source>
        <translation>Verfolgung beendet: %1 Bilder gefunden, %2 unsicher, %3 verloren. Verlassen Sie den Verfolgungsmodus, um die Positionen als Markierungen zu behalten.</translation>
    </message>
    <message>
        <source>|Left-click = add a vertex to the polygon; double left-click = end; right-click = erase</source>
        <translation>|Linksklick = Eckpunkt zum Polygon hinzufügen; Doppelklick links = beenden; Rechtsklick = löschen</translation>
    </message>
    <message>
        <source>|1st left-click = begin the course; 2nd left-click = end; right-click = erase</source>
        <translation>|1. Linksklick = Linie beginnen; 2. Linksklick = beenden; Rechtsklick = löschen</translation>
    </message>
    <message>
        <source>|1st left-click = center of the circle; 2nd left-click = end; right-click = erase</source>
        <translation>|1. Linksklick = Kreismittelpunkt; 2. Linksklick = beenden; Rechtsklick = löschen</translation>
    </message>
    <message>
        <source>|Left-click = erase the outline under mouse pointer; right-click = erase the outline on the curret video frame</source>
        <translation>|Linksklick = Umriss unter dem Mauszeiger löschen; Rechtsklick = Umriss im aktuellen Videobild löschen</translation>
    </message>
    <message>
        <source>The first object has no mark to cut an outline around.</source>
        <translation>Das erste Objekt hat keine Markierung, um die ein Umriss ausgeschnitten werden kann.</translation>
    </message>
    <message>
        <source>Mark its positions, by hand or by automatic marking, first.</source>
        <translation>Erfassen Sie zuerst seine Positionen, von Hand oder mit automatischer Markierung.</translation>
    </message>
    <message>
        <source>First open a video file.</source>
        <translation>Öffnen Sie zuerst eine Videodatei.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Saving has failed.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Check that the drive is not write-protected.</source>
        <translation>Prüfen Sie, ob das Laufwerk nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>File saving has failed.</source>
        <translation>Speichern der Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Look for it...</source>
        <translation>Datei suchen...</translation>
    </message>
    <message>
        <source>Another Kolibra has taken or removed this recovery file.</source>
        <translation>Eine andere Kolibra-Instanz hat diese Wiederherstellungsdatei übernommen oder entfernt.</translation>
    </message>
    <message>
        <source>Outlines around the marks</source>
        <translation>Umrisse um die Markierungen</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>One outline every (frames):</source>
        <translation>Ein Umriss alle (Bilder):</translation>
    </message>
    <message>
        <source>Radius of the disc on the frame:</source>
        <translation>Radius der Scheibe im Bild:</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Undo %1</source>
        <translation>Rückgängig: %1</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Redo %1</source>
        <translation>Wiederholen: %1</translation>
    </message>
    <message>
        <source>(Ctrl Z)</source>
        <translation>(Strg+Z)</translation>
    </message>
    <message>
        <source>For clarity purposes, only one mark per image is allowed on a layer.</source>
        <translation>Der Übersichtlichkeit halber ist auf einer Folie nur eine Markierung pro Bild erlaubt.</translation>
    </message>
    <message>
        <source>|The lens from the checkerboard seen in %1 frames: k1 = %2, k2 = %3, focal length %4 pixels</source>
        <translation>|Objektiv aus dem Schachbrett, gesehen in %1 Bildern: k1 = %2, k2 = %3, Brennweite %4 Pixel</translation>
    </message>
    <message>
        <source>Teaching mechanics from video.</source>
        <translation>Mechanik unterrichten mit Videos.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder neuer.</translation>
    </message>
    <message>
        <source>Unable to launch help. </source>
        <translation>Die Hilfe kann nicht gestartet werden. </translation>
    </message>
    <message>
        <source>The help page « %1 » is missing.</source>
        <translation>Die Hilfeseite »%1« fehlt.</translation>
    </message>
    <message>
        <source>No program could show the page « %1 ».</source>
        <translation>Kein Programm konnte die Seite »%1« anzeigen.</translation>
    </message>
    <message>
        <source>|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>|Linksklick = vergrößern; Rechtsklick = verkleinern; gleichzeitig Strg drücken für langsameres Zoomen</translation>
    </message>
    <message>
        <source>|Pan frame</source>
        <translation>|Bild verschieben</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = define one end; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Linksklick (oder Eingabe) = ein Ende festlegen; Rechtsklick (oder Esc) = abbrechen; Strg + Pfeiltaste = Mauszeiger bewegen</translation>
    </message>
    <message>
        <source>|Left-click = the next corner of the rectangle, in the order (0, 0), (W, 0), (W, H), (0, H); drag a corner to adjust; right-click (or Esc) = cancel</source>
        <translation>|Linksklick = nächste Ecke des Rechtecks, in der Reihenfolge (0, 0), (W, 0), (W, H), (0, H); Ecke ziehen zum Anpassen; Rechtsklick (oder Esc) = abbrechen</translation>
    </message>
    <message>
        <source>|Left-click = a point of a line straight in reality; right-click (or Enter) = end the line; Esc = cancel</source>
        <translation>|Linksklick = Punkt einer in Wirklichkeit geraden Linie; Rechtsklick (oder Eingabe) = Linie beenden; Esc = abbrechen</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = put a mark; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Linksklick (oder Eingabe) = Markierung setzen; Rechtsklick (oder Esc) = abbrechen; Strg + Pfeiltaste = Mauszeiger bewegen</translation>
    </message>
    <message>
        <source>|Left-click = drag and drop</source>
        <translation>|Linksklick = ziehen und ablegen</translation>
    </message>
    <message>
        <source>|Left-click (or Enter) = set the origine; right-click (or Esc) = cancel; Ctrl + arrow key = move the mouse pointer</source>
        <translation>|Linksklick (oder Eingabe) = Ursprung festlegen; Rechtsklick (oder Esc) = abbrechen; Strg + Pfeiltaste = Mauszeiger bewegen</translation>
    </message>
    <message>
        <source>|Left-click = remove the mark under the mouse pointer; right-click = remove the marks of the current image</source>
        <translation>|Linksklick = Markierung unter dem Mauszeiger entfernen; Rechtsklick = Markierungen des aktuellen Bildes entfernen</translation>
    </message>
    <message>
        <source>|Left-click = drag and drop; right-click or ESC = cancel; + or - = layer size</source>
        <translation>|Linksklick = ziehen und ablegen; Rechtsklick oder Esc = abbrechen; + oder - = Größe der Folie</translation>
    </message>
    <message>
        <source>Zoom factor must be greater than 100%.</source>
        <translation>Der Zoomfaktor muss größer als 100 % sein.</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Recent files</source>
        <translation>Zuletzt geöffnete Dateien</translation>
    </message>
    <message>
        <source>Video properties</source>
        <translation>Videoeigenschaften</translation>
    </message>
    <message>
        <source>Write video...</source>
        <translation>Video schreiben...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Magnifying glass</source>
        <translation>Lupe</translation>
    </message>
    <message>
        <source>Hide frame</source>
        <translation>Bild ausblenden</translation>
    </message>
    <message>
        <source>Go to</source>
        <translation>Gehe zu</translation>
    </message>
    <message>
        <source>last marked frame</source>
        <translation>letztes markiertes Bild</translation>
    </message>
    <message>
        <source>frame no ...</source>
        <translation>Bild Nr. ...</translation>
    </message>
    <message>
        <source>Colours</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>unter dem Punkt</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>rechts vom Punkt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>last video mark</source>
        <translation>letzte Videomarkierung</translation>
    </message>
    <message>
        <source>all video marks</source>
        <translation>alle Videomarkierungen</translation>
    </message>
    <message>
        <source>others ...</source>
        <translation>andere ...</translation>
    </message>
    <message>
        <source>Object marks ...</source>
        <translation>Markierungen der Objekte ...</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>object outline</source>
        <translation>Umriss des Objekts</translation>
    </message>
    <message>
        <source>the video marks</source>
        <translation>die Videomarkierungen</translation>
    </message>
    <message>
        <source>zones to ignore</source>
        <translation>zu ignorierende Bereiche</translation>
    </message>
    <message>
        <source>the layer</source>
        <translation>die Folie</translation>
    </message>
    <message>
        <source>grid</source>
        <translation>Koordinatensystem</translation>
    </message>
    <message>
        <source>scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>plane and lens</source>
        <translation>Ebene und Objektiv</translation>
    </message>
    <message>
        <source>all</source>
        <translation>alles</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Measurements</source>
        <translation>Messungen</translation>
    </message>
    <message>
        <source>outline shape</source>
        <translation>Form des Umrisses</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>Polygonzug</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Search radius</source>
        <translation>Suchradius</translation>
    </message>
    <message>
        <source>20 pixels</source>
        <translation>20 Pixel</translation>
    </message>
    <message>
        <source>40 pixels</source>
        <translation>40 Pixel</translation>
    </message>
    <message>
        <source>60 pixels</source>
        <translation>60 Pixel</translation>
    </message>
    <message>
        <source>See search area</source>
        <translation>Suchbereich anzeigen</translation>
    </message>
    <message>
        <source>Time between two frames</source>
        <translation>Zeit zwischen zwei Bildern</translation>
    </message>
    <message>
        <source>Number of marks per frame</source>
        <translation>Anzahl der Markierungen pro Bild</translation>
    </message>
    <message>
        <source>one</source>
        <translation>eine</translation>
    </message>
    <message>
        <source>two</source>
        <translation>zwei</translation>
    </message>
    <message>
        <source>three</source>
        <translation>drei</translation>
    </message>
    <message>
        <source>Advance automatically</source>
        <translation>Automatisch weiterschalten</translation>
    </message>
    <message>
        <source>of 1 image</source>
        <translation>um 1 Bild</translation>
    </message>
    <message>
        <source>Scale length</source>
        <translation>Länge des Maßstabs</translation>
    </message>
    <message>
        <source>Horizontal scale length</source>
        <translation>Länge des horizontalen Maßstabs</translation>
    </message>
    <message>
        <source>Vertical scale length</source>
        <translation>Länge des vertikalen Maßstabs</translation>
    </message>
    <message>
        <source>Lens from a checkerboard...</source>
        <translation>Objektiv aus einem Schachbrett...</translation>
    </message>
    <message>
        <source>Grid rotation angle</source>
        <translation>Drehwinkel des Koordinatensystems</translation>
    </message>
    <message>
        <source>Reverse Ox axis</source>
        <translation>Ox-Achse umkehren</translation>
    </message>
    <message>
        <source>Reverse Oy axis</source>
        <translation>Oy-Achse umkehren</translation>
    </message>
    <message>
        <source>Outlines around the marks...</source>
        <translation>Umrisse um die Markierungen...</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Kolibra</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Pan image</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Move a video mark</source>
        <translation>Videomarkierung verschieben</translation>
    </message>
    <message>
        <source>Erase marks</source>
        <translation>Markierungen löschen</translation>
    </message>
    <message>
        <source>Calibrate an object</source>
        <translation>Gegenstand kalibrieren</translation>
    </message>
    <message>
        <source>Define horizontal scale</source>
        <translation>Horizontalen Maßstab festlegen</translation>
    </message>
    <message>
        <source>Define vertical scale</source>
        <translation>Vertikalen Maßstab festlegen</translation>
    </message>
    <message>
        <source>Set video marks</source>
        <translation>Videomarkierungen setzen</translation>
    </message>
    <message>
        <source>Choose a coordinate system</source>
        <translation>Bezugssystem wählen</translation>
    </message>
    <message>
        <source>Use a layer</source>
        <translation>Folie verwenden</translation>
    </message>
    <message>
        <source>Draw the outline of an object</source>
        <translation>Umriss eines Objekts zeichnen</translation>
    </message>
    <message>
        <source>Draw an area to ignore</source>
        <translation>Zu ignorierenden Bereich zeichnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <comment>undo</comment>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>MdlText</name>
    <message>
        <source>%1 + %2.t + %3.t²</source>
        <translation>%1 + %2.t + %3.t²</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1.t</source>
        <translation>%1.t</translation>
    </message>
    <message>
        <source>%1 + %2.t</source>
        <translation>%1 + %2.t</translation>
    </message>
    <message>
        <source>Margin of error on y-axis</source>
        <translation>Fehlerspanne auf der y-Achse</translation>
    </message>
    <message>
        <source>relative precision</source>
        <translation>relative Genauigkeit</translation>
    </message>
    <message>
        <source>average quadratic variation</source>
        <translation>mittlere quadratische Abweichung</translation>
    </message>
    <message>
        <source>correlation coefficient</source>
        <translation>Korrelationskoeffizient</translation>
    </message>
    <message>
        <source>%1 + %2.exp(%3.t)</source>
        <translation>%1 + %2.exp(%3.t)</translation>
    </message>
    <message>
        <source>%1 + %2.sin(%3.t + %4)</source>
        <translation>%1 + %2.sin(%3.t + %4)</translation>
    </message>
    <message>
        <source>%1 + %2.sin(%3.t + %4).exp(%5.t)</source>
        <translation>%1 + %2.sin(%3.t + %4).exp(%5.t)</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
</context>
<context>
    <name>ModelFitText</name>
    <message>
        <source>The fit failed: the samples do not determine the model&apos;s parameters.</source>
        <translation>Anpassung fehlgeschlagen: Die Messwerte bestimmen die Parameter des Modells nicht.</translation>
    </message>
    <message>
        <source>The fit failed: no step brought the model closer to the samples.</source>
        <translation>Anpassung fehlgeschlagen: Kein Schritt hat das Modell näher an die Messwerte gebracht.</translation>
    </message>
    <message>
        <source>The fit did not converge within 50 iterations.</source>
        <translation>Die Anpassung ist innerhalb von 50 Iterationen nicht konvergiert.</translation>
    </message>
    <message>
        <source>Too few samples for this model: it needs at least one more than its parameters.</source>
        <translation>Zu wenige Messwerte für dieses Modell: Es braucht mindestens einen mehr, als es Parameter hat.</translation>
    </message>
    <message>
        <source>The fit failed: a value became too big or too small.</source>
        <translation>Anpassung fehlgeschlagen: Ein Wert wurde zu groß oder zu klein.</translation>
    </message>
    <message>
        <source>The fit failed: every sample lies at the same abscissa.</source>
        <translation>Anpassung fehlgeschlagen: Alle Messwerte liegen auf derselben Abszisse.</translation>
    </message>
    <message>
        <source>First select a model (linear, parabolic, sine...)</source>
        <translation>Wählen Sie zuerst ein Modell (linear, parabolisch, sinusförmig...)</translation>
    </message>
    <message>
        <source>The fit failed (code %1).</source>
        <translation>Anpassung fehlgeschlagen (Code %1).</translation>
    </message>
</context>
<context>
    <name>MontageText</name>
    <message>
        <source>The video editing was made for another number of frames.</source>
        <translation>Der Videoschnitt wurde für eine andere Anzahl von Bildern erstellt.</translation>
    </message>
    <message>
        <source>Two visible frames of the video editing stand at the same time, or in the wrong order.</source>
        <translation>Zwei sichtbare Bilder des Videoschnitts liegen auf demselben Zeitpunkt oder in falscher Reihenfolge.</translation>
    </message>
    <message>
        <source>The video editing hides every frame.</source>
        <translation>Der Videoschnitt blendet alle Bilder aus.</translation>
    </message>
    <message>
        <source>At least 1 frame must remain visible</source>
        <translation>Mindestens 1 Bild muss sichtbar bleiben</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The marks set on these frames will be deleted.</source>
        <translation>Die auf diesen Bildern gesetzten Markierungen werden gelöscht.</translation>
    </message>
    <message>
        <source>The marks set on this frame will be deleted.</source>
        <translation>Die auf diesem Bild gesetzten Markierungen werden gelöscht.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Diesen Dialog nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>This frame will not be visible after leaving the video edit mode.</source>
        <translation>Dieses Bild ist nach Verlassen des Videoschnitts nicht mehr sichtbar.</translation>
    </message>
    <message>
        <source>Hidden frames appear in negative. </source>
        <translation>Ausgeblendete Bilder erscheinen als Negativ. </translation>
    </message>
    <message>
        <source>This image will be visible again after leaving the video edit mode.</source>
        <translation>Dieses Bild ist nach Verlassen des Videoschnitts wieder sichtbar.</translation>
    </message>
    <message>
        <source>Show or hide a series of images</source>
        <translation>Bildfolge ein- oder ausblenden</translation>
    </message>
    <message>
        <source>A frame is missing in the video stream</source>
        <translation>Im Videostrom fehlt ein Bild</translation>
    </message>
    <message>
        <source>The video editing has no valid number of frames.</source>
        <translation>Der Videoschnitt hat keine gültige Anzahl von Bildern.</translation>
    </message>
    <message>
        <source>The visible frames of the video editing are not in order.</source>
        <translation>Die sichtbaren Bilder des Videoschnitts sind nicht in der richtigen Reihenfolge.</translation>
    </message>
    <message>
        <source>The time shifts of the video editing do not match its frames.</source>
        <translation>Die Zeitverschiebungen des Videoschnitts passen nicht zu seinen Bildern.</translation>
    </message>
    <message>
        <source>The time shifts of the video editing are not in order.</source>
        <translation>Die Zeitverschiebungen des Videoschnitts sind nicht in der richtigen Reihenfolge.</translation>
    </message>
</context>
<context>
    <name>Parser</name>
    <message>
        <source>Opening bracket has not been closed.</source>
        <translation>Eine öffnende Klammer wurde nicht geschlossen.</translation>
    </message>
    <message>
        <source>Closing bracket has not been open.</source>
        <translation>Eine schließende Klammer wurde nicht geöffnet.</translation>
    </message>
    <message>
        <source>Empty parenthesis.</source>
        <translation>Leere Klammer.</translation>
    </message>
    <message>
        <source>Incorrect number: %1</source>
        <translation>Fehlerhafte Zahl: %1</translation>
    </message>
    <message>
        <source>Calculation of a cosine has failed.</source>
        <translation>Berechnung eines Kosinus fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of a sine has failed.</source>
        <translation>Berechnung eines Sinus fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of a tangent has failed.</source>
        <translation>Berechnung eines Tangens fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of an arc-cosine has failed.</source>
        <translation>Berechnung eines Arkuskosinus fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of an arc-sine has failed.</source>
        <translation>Berechnung eines Arkussinus fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of an arc-tangent has failed.</source>
        <translation>Berechnung eines Arkustangens fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of the logarithm of a negative or null number.</source>
        <translation>Berechnung des Logarithmus einer negativen Zahl oder von null.</translation>
    </message>
    <message>
        <source>Calculation of the square root of a negative number.</source>
        <translation>Berechnung der Quadratwurzel einer negativen Zahl.</translation>
    </message>
    <message>
        <source>Division by zero.</source>
        <translation>Division durch null.</translation>
    </message>
    <message>
        <source>Calculation of a non-integer power of a negative number.</source>
        <translation>Berechnung einer nicht ganzzahligen Potenz einer negativen Zahl.</translation>
    </message>
    <message>
        <source>Calculation of an exponential has failed.</source>
        <translation>Berechnung einer Exponentialfunktion fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Calculation of a power has failed.</source>
        <translation>Berechnung einer Potenz fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The result of a calculation is too big or too small.</source>
        <translation>Das Ergebnis einer Berechnung ist zu groß oder zu klein.</translation>
    </message>
    <message>
        <source>Formula with unknown variable or constant: %1</source>
        <translation>Formel mit unbekannter Variable oder Konstante: %1</translation>
    </message>
    <message>
        <source>Non authorized or inappropriate character detected in formula: %1</source>
        <translation>Unzulässiges oder unpassendes Zeichen in der Formel gefunden: %1</translation>
    </message>
    <message>
        <source>The index of a variable or a constant is usually placed into brackets. Unknown index into brackets. Faulty variable or constant: %1</source>
        <translation>Der Index einer Variablen oder Konstanten steht normalerweise in Klammern. Unbekannter Index in Klammern. Fehlerhafte Variable oder Konstante: %1</translation>
    </message>
    <message>
        <source>Function without argument.</source>
        <translation>Funktion ohne Argument.</translation>
    </message>
    <message>
        <source>Operator without operand: %1</source>
        <translation>Operator ohne Operand: %1</translation>
    </message>
    <message>
        <source>Operands without operator.</source>
        <translation>Operanden ohne Operator.</translation>
    </message>
    <message>
        <source>Empty formula.</source>
        <translation>Leere Formel.</translation>
    </message>
    <message>
        <source>Variable with unknown value: %1. Check to see if initial value (%2 or %3) is registered in the constants datasheet.</source>
        <translation>Variable mit unbekanntem Wert: %1. Prüfen Sie, ob der Anfangswert (%2 oder %3) in der Konstantentabelle eingetragen ist.</translation>
    </message>
    <message>
        <source>Index of a variable or a constant is usually placed between brackets. Closing bracket is missing or misplaced. Faulty variable or constant: %1</source>
        <translation>Der Index einer Variablen oder Konstanten steht normalerweise in Klammern. Schließende Klammer fehlt oder steht falsch. Fehlerhafte Variable oder Konstante: %1</translation>
    </message>
    <message>
        <source>Use semicolon to separate the 2 variables of a function. Eg : ArcTan(x;y).</source>
        <translation>Trennen Sie die 2 Variablen einer Funktion mit einem Semikolon. Bsp.: ArcTan(x;y).</translation>
    </message>
    <message>
        <source>Formula too long. Maximum length: %1 characters.</source>
        <translation>Formel zu lang. Höchstlänge: %1 Zeichen.</translation>
    </message>
    <message>
        <source>Too many nested brackets. Maximum depth: %1.</source>
        <translation>Zu viele verschachtelte Klammern. Höchste Tiefe: %1.</translation>
    </message>
    <message>
        <source>Unknown error.</source>
        <translation>Unbekannter Fehler.</translation>
    </message>
</context>
<context>
    <name>PasswordDlgText</name>
    <message>
        <source>Password</source>
        <translation>Passwort</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Annuler</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>PlaneCalibrationText</name>
    <message>
        <source>No video is open.</source>
        <translation>Es ist kein Video geöffnet.</translation>
    </message>
    <message>
        <source>The width and the height of the rectangle must be above zero.</source>
        <translation>Breite und Höhe des Rechtecks müssen größer als null sein.</translation>
    </message>
    <message>
        <source>The corners of the rectangle must be numbers.</source>
        <translation>Die Ecken des Rechtecks müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>The four corners must be given in turn round the rectangle, without crossing.</source>
        <translation>Die vier Ecken müssen der Reihe nach rund um das Rechteck angegeben werden, ohne sich zu kreuzen.</translation>
    </message>
    <message>
        <source>At least one line that is straight in reality is needed.</source>
        <translation>Mindestens eine in Wirklichkeit gerade Linie ist nötig.</translation>
    </message>
    <message>
        <source>Each straight line needs at least three points.</source>
        <translation>Jede gerade Linie braucht mindestens drei Punkte.</translation>
    </message>
    <message>
        <source>The points of a line must be numbers.</source>
        <translation>Die Punkte einer Linie müssen Zahlen sein.</translation>
    </message>
    <message>
        <source>The focal length must be above zero.</source>
        <translation>Die Brennweite muss größer als null sein.</translation>
    </message>
    <message>
        <source>The lines do not tell how the lens bends them.</source>
        <translation>Die Linien zeigen nicht, wie das Objektiv sie krümmt.</translation>
    </message>
    <message>
        <source>A checkerboard needs from 3 to 60 inner corners each way.</source>
        <translation>Ein Schachbrett braucht in jeder Richtung 3 bis 60 innere Ecken.</translation>
    </message>
    <message>
        <source>The checkerboard (%1 x %2 inner corners) was found in none of the frames.</source>
        <translation>Das Schachbrett (%1 x %2 innere Ecken) wurde in keinem der Bilder gefunden.</translation>
    </message>
    <message>
        <source>The checkerboard&apos;s views could not give a lens.</source>
        <translation>Aus den Ansichten des Schachbretts ließ sich kein Objektiv bestimmen.</translation>
    </message>
</context>
<context>
    <name>PrintJob</name>
    <message>
        <source>The graph is empty: there is nothing to print.</source>
        <translation>Das Diagramm ist leer: Es gibt nichts zu drucken.</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Die Datei kann nicht geschrieben werden: %1</translation>
    </message>
</context>
<context>
    <name>QuantitiesText</name>
    <message>
        <source>t</source>
        <translation>t</translation>
    </message>
    <message>
        <source>s</source>
        <translation>s</translation>
    </message>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>m</source>
        <translation>m</translation>
    </message>
    <message>
        <source>Abscissa</source>
        <translation>Abszisse</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
    <message>
        <source>Ordinates</source>
        <translation>Ordinate</translation>
    </message>
    <message>
        <source>vx</source>
        <translation>vx</translation>
    </message>
    <message>
        <source>m/s</source>
        <translation>m/s</translation>
    </message>
    <message>
        <source>x-component of velocity</source>
        <translation>x-Komponente der Geschwindigkeit</translation>
    </message>
    <message>
        <source>vy</source>
        <translation>vy</translation>
    </message>
    <message>
        <source>y-component of velocity</source>
        <translation>y-Komponente der Geschwindigkeit</translation>
    </message>
    <message>
        <source>v</source>
        <translation>v</translation>
    </message>
    <message>
        <source>Value of velocity</source>
        <translation>Betrag der Geschwindigkeit</translation>
    </message>
    <message>
        <source>ax</source>
        <translation>ax</translation>
    </message>
    <message>
        <source>m/s²</source>
        <translation>m/s²</translation>
    </message>
    <message>
        <source>x-component of acceleration</source>
        <translation>x-Komponente der Beschleunigung</translation>
    </message>
    <message>
        <source>ay</source>
        <translation>ay</translation>
    </message>
    <message>
        <source>y-component of acceleration</source>
        <translation>y-Komponente der Beschleunigung</translation>
    </message>
    <message>
        <source>a</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Value of acceleration</source>
        <translation>Betrag der Beschleunigung</translation>
    </message>
    <message>
        <source>O</source>
        <translation>O</translation>
    </message>
    <message>
        <source>rad</source>
        <translation>rad</translation>
    </message>
    <message>
        <source>Angular coordinate</source>
        <translation>Winkelkoordinate</translation>
    </message>
    <message>
        <source>R</source>
        <translation>R</translation>
    </message>
    <message>
        <source>Radial coordinate</source>
        <translation>Radialkoordinate</translation>
    </message>
    <message>
        <source>w</source>
        <translation>w</translation>
    </message>
    <message>
        <source>rad/s</source>
        <translation>rad/s</translation>
    </message>
    <message>
        <source>Angular velocity value</source>
        <translation>Betrag der Winkelgeschwindigkeit</translation>
    </message>
    <message>
        <source>px</source>
        <translation>px</translation>
    </message>
    <message>
        <source>kg·m/s</source>
        <translation>kg·m/s</translation>
    </message>
    <message>
        <source>x-component of momentum</source>
        <translation>x-Komponente des Impulses</translation>
    </message>
    <message>
        <source>py</source>
        <translation>py</translation>
    </message>
    <message>
        <source>y-component of momentum</source>
        <translation>y-Komponente des Impulses</translation>
    </message>
    <message>
        <source>p</source>
        <translation>p</translation>
    </message>
    <message>
        <source>Value of momentum</source>
        <translation>Betrag des Impulses</translation>
    </message>
    <message>
        <source>Ek</source>
        <translation>Ek</translation>
    </message>
    <message>
        <source>J</source>
        <translation>J</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Kinetische Energie</translation>
    </message>
    <message>
        <source>Ep</source>
        <translation>Ep</translation>
    </message>
    <message>
        <source>Potential energy of weight</source>
        <translation>Potenzielle Energie (Lageenergie)</translation>
    </message>
    <message>
        <source>Em</source>
        <translation>Em</translation>
    </message>
    <message>
        <source>Mechanical energy</source>
        <translation>Mechanische Energie</translation>
    </message>
    <message>
        <source>centre of mass</source>
        <translation>Schwerpunkt</translation>
    </message>
    <message>
        <source>total</source>
        <translation>gesamt</translation>
    </message>
</context>
<context>
    <name>RecordCliText</name>
    <message>
        <source>No such file.</source>
        <translation>Datei nicht gefunden.</translation>
    </message>
    <message>
        <source>The size must be from %1x%2 to %3x%4 for this video.</source>
        <translation>Die Größe muss für dieses Video zwischen %1x%2 und %3x%4 liegen.</translation>
    </message>
    <message>
        <source>The crop must lie inside the %1x%2 frame and keep at least %3x%4 pixels.</source>
        <translation>Der Ausschnitt muss innerhalb des Bildes von %1x%2 liegen und mindestens %3x%4 Pixel umfassen.</translation>
    </message>
    <message>
        <source>The quality is a percentage from 10 to 100: %1</source>
        <translation>Die Qualität ist ein Prozentwert von 10 bis 100: %1</translation>
    </message>
    <message>
        <source>The frame rate is required: --rate R</source>
        <translation>Die Bildrate ist erforderlich: --rate R</translation>
    </message>
</context>
<context>
    <name>RecordMontageText</name>
    <message>
        <source>Save edited video to a file</source>
        <translation>Geschnittenes Video in eine Datei speichern</translation>
    </message>
    <message>
        <source>Convert a video file to a sequence of images</source>
        <translation>Videodatei in eine Folge von Einzelbildern umwandeln</translation>
    </message>
    <message>
        <source>Create a video from images</source>
        <translation>Video aus Einzelbildern erstellen</translation>
    </message>
    <message>
        <source>Image width in pixels: %1</source>
        <translation>Bildbreite in Pixeln: %1</translation>
    </message>
    <message>
        <source>Image height in pixels: %1</source>
        <translation>Bildhöhe in Pixeln: %1</translation>
    </message>
    <message>
        <source>Frame rate: %1</source>
        <translation>Bildrate: %1</translation>
    </message>
    <message>
        <source>Compression Codec: %1</source>
        <translation>Kompressions-Codec: %1</translation>
    </message>
    <message>
        <source>without</source>
        <translation>ohne</translation>
    </message>
    <message>
        <source>Framework: %1</source>
        <translation>Framework: %1</translation>
    </message>
    <message>
        <source>Resized images: %1</source>
        <translation>Skalierte Bilder: %1</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>Cropped images: %1</source>
        <translation>Zugeschnittene Bilder: %1</translation>
    </message>
    <message>
        <source>Video container: AVI</source>
        <translation>Videocontainer: AVI</translation>
    </message>
    <message>
        <source>Total number of images: %1</source>
        <translation>Gesamtzahl der Bilder: %1</translation>
    </message>
    <message>
        <source>Missing frames: %1</source>
        <translation>Fehlende Bilder: %1</translation>
    </message>
    <message>
        <source>insert empty frames</source>
        <translation>leere Bilder einfügen</translation>
    </message>
    <message>
        <source>do nothing</source>
        <translation>nichts tun</translation>
    </message>
    <message>
        <source>File format: BMP</source>
        <translation>Dateiformat: BMP</translation>
    </message>
    <message>
        <source>Process cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save a video file</source>
        <translation>Videodatei speichern</translation>
    </message>
    <message>
        <source>Video file (*.avi)</source>
        <translation>Videodatei (*.avi)</translation>
    </message>
    <message>
        <source>A file with this name already exists in the selected directory.</source>
        <translation>Im gewählten Ordner existiert bereits eine Datei mit diesem Namen.</translation>
    </message>
    <message>
        <source>Please choose a different file name or directory.</source>
        <translation>Bitte wählen Sie einen anderen Dateinamen oder Ordner.</translation>
    </message>
    <message>
        <source>Error detected while creating video file:</source>
        <translation>Beim Erstellen der Videodatei ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>Convert video to images</source>
        <translation>Video in Einzelbilder umwandeln</translation>
    </message>
    <message>
        <source>Bitmap file (*.bmp)</source>
        <translation>Bitmap-Datei (*.bmp)</translation>
    </message>
    <message>
        <source>%1 image files of this name already exist, such as:</source>
        <translation>%1 Bilddateien mit diesem Namen existieren bereits, zum Beispiel:</translation>
    </message>
    <message>
        <source>Replace them?</source>
        <translation>Sollen sie ersetzt werden?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>Error detected while creating image files:</source>
        <translation>Beim Erstellen der Bilddateien ist ein Fehler aufgetreten:</translation>
    </message>
    <message>
        <source>Do not show this dialog again</source>
        <translation>Diesen Dialog nicht mehr anzeigen</translation>
    </message>
    <message>
        <source>You&apos;ll select several image files.</source>
        <translation>Sie wählen nun mehrere Bilddateien aus.</translation>
    </message>
    <message>
        <source>Some useful keyboard shortcuts:</source>
        <translation>Einige nützliche Tastenkombinationen:</translation>
    </message>
    <message>
        <source>Ctrl + A: select all</source>
        <translation>Strg + A: alles auswählen</translation>
    </message>
    <message>
        <source>Shift + arrow key: select several contiguous items</source>
        <translation>Umschalt + Pfeiltaste: mehrere zusammenhängende Elemente auswählen</translation>
    </message>
    <message>
        <source>Ctrl + left-click: select an element independent of other</source>
        <translation>Strg + Linksklick: einzelne Elemente unabhängig voneinander auswählen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Select image files</source>
        <translation>Bilddateien auswählen</translation>
    </message>
    <message>
        <source>Unable to read the image file %1</source>
        <translation>Die Bilddatei %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>The video playback was interrupted.</source>
        <translation>Die Wiedergabe des Videos wurde unterbrochen.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>This file is the open video: choose a different file name.</source>
        <translation>Diese Datei ist das geöffnete Video: Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>The folder of this file does not exist.</source>
        <translation>Der Ordner dieser Datei existiert nicht.</translation>
    </message>
    <message>
        <source>No video is open.</source>
        <translation>Es ist kein Video geöffnet.</translation>
    </message>
    <message>
        <source>This framework cannot write videos here: %1</source>
        <translation>Dieses Framework kann hier keine Videos schreiben: %1</translation>
    </message>
    <message>
        <source>%1 images of this name already exist, such as %2</source>
        <translation>%1 Bilder mit diesem Namen existieren bereits, zum Beispiel %2</translation>
    </message>
    <message>
        <source>Unable to write the image file %1: %2</source>
        <translation>Die Bilddatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>No image was chosen.</source>
        <translation>Es wurde kein Bild ausgewählt.</translation>
    </message>
    <message>
        <source>The frame rate must be above 0.</source>
        <translation>Die Bildrate muss größer als 0 sein.</translation>
    </message>
    <message>
        <source>This file is one of the images: choose a different file name.</source>
        <translation>Diese Datei ist eines der Bilder: Wählen Sie einen anderen Dateinamen.</translation>
    </message>
    <message>
        <source>The image %1 is %2 x %3 pixels; the first one is %4 x %5.</source>
        <translation>Das Bild %1 hat %2 x %3 Pixel, das erste hat %4 x %5.</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Übersicht</translation>
    </message>
    <message>
        <source>Compression</source>
        <translation>Kompression</translation>
    </message>
    <message>
        <source>Dimensions</source>
        <translation>Abmessungen</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Configure</source>
        <translation>Konfigurieren</translation>
    </message>
    <message>
        <source>Compression quality in %</source>
        <translation>Kompressionsqualität in %</translation>
    </message>
    <message>
        <source>Frame count between two key frames</source>
        <translation>Anzahl der Bilder zwischen zwei Schlüsselbildern</translation>
    </message>
    <message>
        <source>Codecs are not normalized. Evolution is constant and new versions are frequent.</source>
        <translation>Codecs sind nicht genormt. Sie entwickeln sich ständig weiter, und neue Versionen erscheinen häufig.</translation>
    </message>
    <message>
        <source>Choosing a Codec often requires experimenting.</source>
        <translation>Die Wahl eines Codecs erfordert oft Ausprobieren.</translation>
    </message>
    <message>
        <source>Edit images</source>
        <translation>Bilder bearbeiten</translation>
    </message>
    <message>
        <source>Resize</source>
        <translation>Skalieren</translation>
    </message>
    <message>
        <source>Crop</source>
        <translation>Zuschneiden</translation>
    </message>
    <message>
        <source>Image width in pixels</source>
        <translation>Bildbreite in Pixeln</translation>
    </message>
    <message>
        <source>Image height in pixels</source>
        <translation>Bildhöhe in Pixeln</translation>
    </message>
    <message>
        <source>pixels to crop from the top of the image</source>
        <translation>Pixel, die oben vom Bild abgeschnitten werden</translation>
    </message>
    <message>
        <source>pixels to crop from the bottom</source>
        <translation>Pixel, die unten abgeschnitten werden</translation>
    </message>
    <message>
        <source>pixels to crop from left or right</source>
        <translation>Pixel, die links oder rechts abgeschnitten werden</translation>
    </message>
    <message>
        <source>Some codecs have restrictions on image size.</source>
        <translation>Manche Codecs schränken die Bildgröße ein.</translation>
    </message>
    <message>
        <source>Width and height must be (often) multiples of 4.</source>
        <translation>Breite und Höhe müssen (oft) Vielfache von 4 sein.</translation>
    </message>
    <message>
        <source>Draw the marks, axes and scale</source>
        <translation>Markierungen, Achsen und Maßstab zeichnen</translation>
    </message>
    <message>
        <source>Insert blank images in the new video to replace missing frames.</source>
        <translation>Leere Bilder in das neue Video einfügen, um fehlende Bilder zu ersetzen.</translation>
    </message>
    <message>
        <source>Change the frame rate</source>
        <translation>Bildrate ändern</translation>
    </message>
    <message>
        <source>frames per second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
    <message>
        <source>Change the framework</source>
        <translation>Framework wechseln</translation>
    </message>
    <message>
        <source>Kolibra selects a framework (VFW, FFMpeg or DS).</source>
        <translation>Kolibra wählt ein Framework (VFW, FFMpeg oder DS).</translation>
    </message>
    <message>
        <source>Change the framework involves:</source>
        <translation>Ein Wechsel des Frameworks bedeutet:</translation>
    </message>
    <message>
        <source>a different choice of codecs</source>
        <translation>eine andere Auswahl an Codecs</translation>
    </message>
    <message>
        <source>a difference in video quality</source>
        <translation>einen Unterschied in der Videoqualität</translation>
    </message>
    <message>
        <source>To use the FFMpeg framework, the « KlbDll » folder and the « kolibra » program must be placed in the same directory.</source>
        <translation>Um das FFMpeg-Framework zu verwenden, müssen der Ordner »KlbDll« und das Programm »kolibra« im selben Verzeichnis liegen.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>ResFormText</name>
    <message>
        <source>time</source>
        <translation>Zeit</translation>
    </message>
    <message>
        <source>Abscissa</source>
        <translation>Abszisse</translation>
    </message>
    <message>
        <source>Ordinates</source>
        <translation>Ordinate</translation>
    </message>
    <message>
        <source>Unit problem!</source>
        <translation>Problem mit den Einheiten!</translation>
    </message>
    <message>
        <source>Representation of several curves</source>
        <translation>Darstellung mehrerer Kurven</translation>
    </message>
    <message>
        <source>Scalable Vector Graphics (*.svg)</source>
        <translation>Scalable Vector Graphics (*.svg)</translation>
    </message>
    <message>
        <source>Bitmap (*.bmp)</source>
        <translation>Bitmap (*.bmp)</translation>
    </message>
    <message>
        <source>Portable Network Graphics (*.png)</source>
        <translation>Portable Network Graphics (*.png)</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Ja</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>Die Datei konnte im gewählten Ordner nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Prüfen Sie Ihre Zugriffsrechte für diesen Ordner.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Saving to a file complete.</source>
        <translation>Speichern in eine Datei abgeschlossen.</translation>
    </message>
    <message>
        <source>Saving to an image file complete.</source>
        <translation>Speichern in eine Bilddatei abgeschlossen.</translation>
    </message>
    <message>
        <source>File extension is %1.</source>
        <translation>Die Dateiendung ist %1.</translation>
    </message>
    <message>
        <source>The file copy to the clipboard has failed.</source>
        <translation>Das Kopieren in die Zwischenablage ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Copy to clipboard done.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>After closing this window, open another program and press Ctrl+V simultaneously (or click Edit &gt; Paste).</source>
        <translation>Öffnen Sie nach dem Schließen dieses Fensters ein anderes Programm und drücken Sie Strg+V (oder klicken Sie auf Bearbeiten &gt; Einfügen).</translation>
    </message>
    <message>
        <source>The pasted image can be disassembled.</source>
        <translation>Das eingefügte Bild kann in seine Bestandteile zerlegt werden.</translation>
    </message>
    <message>
        <source>as a function of time</source>
        <translation>in Abhängigkeit von der Zeit</translation>
    </message>
    <message>
        <source>Trajectory</source>
        <translation>Bahnkurve</translation>
    </message>
    <message>
        <source>in the reference frame</source>
        <translation>im Bezugssystem</translation>
    </message>
    <message>
        <source>Vector representation of</source>
        <translation>Vektordarstellung der</translation>
    </message>
    <message>
        <source>function of</source>
        <translation>in Abhängigkeit von</translation>
    </message>
    <message>
        <source>Speed and acceleration are calculated within a reference frame linked to the layer</source>
        <translation>Geschwindigkeit und Beschleunigung werden in einem mit der Folie verbundenen Bezugssystem berechnet</translation>
    </message>
    <message>
        <source>Velocity and acceleration are calculated in the reference frame of the camera </source>
        <translation>Geschwindigkeit und Beschleunigung werden im Bezugssystem der Kamera berechnet </translation>
    </message>
    <message>
        <source>The reference frames are in translation with respect to each other</source>
        <translation>Die Bezugssysteme bewegen sich relativ zueinander in Translation</translation>
    </message>
    <message>
        <source>Export to an image file</source>
        <translation>In eine Bilddatei exportieren</translation>
    </message>
    <message>
        <source>Linear fit|Hover mouse over curve to set parameters</source>
        <translation>Lineare Anpassung|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Fit using a constant value|Model parameters available by hovering over the curve</source>
        <translation>Anpassung an einen konstanten Wert|Modellparameter erscheinen, wenn die Maus über der Kurve steht</translation>
    </message>
    <message>
        <source>Fit using an exponential| Model parameters available by hovering over the curve </source>
        <translation>Exponentielle Anpassung| Modellparameter erscheinen, wenn die Maus über der Kurve steht </translation>
    </message>
    <message>
        <source>Parabolic fit|Hover mouse over curve to set parameters</source>
        <translation>Parabolische Anpassung|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Fit using a line going through the origin|Model parameters available by hovering over the curve</source>
        <translation>Anpassung an eine Ursprungsgerade|Modellparameter erscheinen, wenn die Maus über der Kurve steht</translation>
    </message>
    <message>
        <source>Sine fit|Hover mouse over curve to set parameters</source>
        <translation>Sinus-Anpassung|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters</source>
        <translation>Gedämpfte Sinus-Anpassung (exponentielle Dämpfung)|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters</source>
        <translation>Gedämpfte Sinus-Anpassung (lineare Dämpfung)|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Modify model curve|Position of the cursor over the curve determines which parameter is modified</source>
        <translation>Modellkurve ändern|Die Position des Mauszeigers auf der Kurve bestimmt, welcher Parameter geändert wird</translation>
    </message>
    <message>
        <source>New angle|Draw an angle defined by two straight lines with mouse</source>
        <translation>Neuer Winkel|Einen durch zwei Geraden festgelegten Winkel mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>New arc|Draw an arc defined by two points</source>
        <translation>Neuer Bogen|Einen durch zwei Punkte festgelegten Bogen zeichnen</translation>
    </message>
    <message>
        <source>New circle|Draw a new circle from the center</source>
        <translation>Neuer Kreis|Einen neuen Kreis vom Mittelpunkt aus zeichnen</translation>
    </message>
    <message>
        <source>New ellipse|Draw a new ellipse from its center</source>
        <translation>Neue Ellipse|Eine neue Ellipse vom Mittelpunkt aus zeichnen</translation>
    </message>
    <message>
        <source>Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse</source>
        <translation>Bogen, Kreis oder Ellipse biegen|Einen Punkt auf dem Umfang oder dem Radius mit der Maus greifen</translation>
    </message>
    <message>
        <source>Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone</source>
        <translation>Objekte duplizieren|Das Objekt unter dem Mauszeiger duplizieren; die Objekte in einem rechteckigen Bereich duplizieren</translation>
    </message>
    <message>
        <source>Measure an angle or an object value|Measure an angle or an object value under mouse cursor</source>
        <translation>Winkel oder Objektwert messen|Einen Winkel oder den Wert eines Objekts unter dem Mauszeiger messen</translation>
    </message>
    <message>
        <source>New segment|Draw a new segment</source>
        <translation>Neue Strecke|Eine neue Strecke zeichnen</translation>
    </message>
    <message>
        <source>New curve|Draw a curve by setting control points with the mouse.</source>
        <translation>Neue Kurve|Eine Kurve zeichnen, indem Sie mit der Maus Stützpunkte setzen.</translation>
    </message>
    <message>
        <source>Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross</source>
        <translation>Objekt auswählen, verschieben oder ändern|Ein Objekt auswählen und mit der Maus verschieben oder ändern, wenn der Mauszeiger zum Kreuz wird</translation>
    </message>
    <message>
        <source>Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone</source>
        <translation>Objekte löschen|Das Objekt unter dem Mauszeiger löschen; die Objekte in einem rechteckigen Bereich löschen</translation>
    </message>
    <message>
        <source>New vector|Draw a new vector with the mouse</source>
        <translation>Neuer Vektor|Einen neuen Vektor mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone</source>
        <translation>Vektorrichtung umkehren|Die Richtung des Vektors unter dem Mauszeiger umkehren; die Richtung der Vektoren in einem rechteckigen Bereich umkehren</translation>
    </message>
    <message>
        <source>Draw the current video image|The video image is drawn behind the objects.</source>
        <translation>Aktuelles Videobild zeichnen|Das Videobild wird hinter die Objekte gezeichnet.</translation>
    </message>
    <message>
        <source>Type formula</source>
        <translation>Formel eingeben</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.</source>
        <translation>Koordinaten des Mauszeigers|X- und Y-Werte des Mauszeigers im Zeichenbereich.</translation>
    </message>
    <message>
        <source>Pan image|Drag an drop the figure with the mouse</source>
        <translation>Bild verschieben|Die Abbildung mit der Maus ziehen und ablegen</translation>
    </message>
    <message>
        <source>Zoom|Left-click = make bigger; right-click = make smaller; press CTRL simultaneously to slow down</source>
        <translation>Zoom|Linksklick = vergrößern; Rechtsklick = verkleinern; gleichzeitig Strg drücken für langsameres Zoomen</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Messwerttabelle</translation>
    </message>
    <message>
        <source>Evolution as a function of time</source>
        <translation>Zeitlicher Verlauf</translation>
    </message>
    <message>
        <source>Trajectory in reference frame</source>
        <translation>Bahnkurve im Bezugssystem</translation>
    </message>
    <message>
        <source>Vectors representation</source>
        <translation>Vektordarstellung</translation>
    </message>
    <message>
        <source>Custom formulas</source>
        <translation>Eigene Formeln</translation>
    </message>
    <message>
        <source>Back to video</source>
        <translation>Zurück zum Video</translation>
    </message>
    <message>
        <source>Choice</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>Werkzeuge</translation>
    </message>
    <message>
        <source>Hide column or change the number of significant digits</source>
        <translation>Spalte ausblenden oder Anzahl der signifikanten Stellen ändern</translation>
    </message>
    <message>
        <source>Colour</source>
        <translation>Farbe</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Bend the arc, the circle or the ellipse</source>
        <translation>Bogen, Kreis oder Ellipse biegen</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Richtung umkehren</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>of the camera</source>
        <translation>der Kamera</translation>
    </message>
    <message>
        <source>velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Draw segments :</source>
        <translation>Strecken zeichnen:</translation>
    </message>
    <message>
        <source>defaults</source>
        <translation>vorgegebene</translation>
    </message>
    <message>
        <source>added</source>
        <translation>hinzugefügte</translation>
    </message>
    <message>
        <source>Draw curves :</source>
        <translation>Kurven zeichnen:</translation>
    </message>
    <message>
        <source>Draw vectors :</source>
        <translation>Vektoren zeichnen:</translation>
    </message>
    <message>
        <source>x-component of velocity</source>
        <translation>x-Komponente der Geschwindigkeit</translation>
    </message>
    <message>
        <source>y-component of velocity</source>
        <translation>y-Komponente der Geschwindigkeit</translation>
    </message>
    <message>
        <source>Value of velocity</source>
        <translation>Betrag der Geschwindigkeit</translation>
    </message>
    <message>
        <source>x-component of acceleration</source>
        <translation>x-Komponente der Beschleunigung</translation>
    </message>
    <message>
        <source>y-component of acceleration</source>
        <translation>y-Komponente der Beschleunigung</translation>
    </message>
    <message>
        <source>Value of acceleration</source>
        <translation>Betrag der Beschleunigung</translation>
    </message>
    <message>
        <source>Angular coordinate</source>
        <translation>Winkelkoordinate</translation>
    </message>
    <message>
        <source>Radial coordinate</source>
        <translation>Radialkoordinate</translation>
    </message>
    <message>
        <source>Angular velocity value</source>
        <translation>Betrag der Winkelgeschwindigkeit</translation>
    </message>
    <message>
        <source>x-component of momentum</source>
        <translation>x-Komponente des Impulses</translation>
    </message>
    <message>
        <source>y-component of momentum</source>
        <translation>y-Komponente des Impulses</translation>
    </message>
    <message>
        <source>Value of momentum</source>
        <translation>Betrag des Impulses</translation>
    </message>
    <message>
        <source>Kinetic energy</source>
        <translation>Kinetische Energie</translation>
    </message>
    <message>
        <source>Potential energy of weight</source>
        <translation>Potenzielle Energie (Lageenergie)</translation>
    </message>
    <message>
        <source>Mechanical energy</source>
        <translation>Mechanische Energie</translation>
    </message>
    <message>
        <source>Fit regression is available for only one curve at a time.</source>
        <translation>Die Anpassung ist nur für jeweils eine Kurve möglich.</translation>
    </message>
    <message>
        <source>First select a model (linear, parabolic, sine...)</source>
        <translation>Wählen Sie zuerst ein Modell (linear, parabolisch, sinusförmig...)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Restore graph</source>
        <translation>Diagramm wiederherstellen</translation>
    </message>
    <message>
        <source>Restore table</source>
        <translation>Tabelle wiederherstellen</translation>
    </message>
    <message>
        <source>Copy frame to clipboard</source>
        <translation>Bild in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy datasheet to clipboard</source>
        <translation>Messwerttabelle in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Copy and launch</source>
        <translation>Kopieren und starten</translation>
    </message>
    <message>
        <source>Excel</source>
        <translation>Excel</translation>
    </message>
    <message>
        <source>OpenOffice</source>
        <translation>OpenOffice</translation>
    </message>
    <message>
        <source>Regressi</source>
        <translation>Regressi</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>Anzeige</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>of x-axis</source>
        <translation>der x-Achse</translation>
    </message>
    <message>
        <source>of y-axis</source>
        <translation>der y-Achse</translation>
    </message>
    <message>
        <source>Origin</source>
        <translation>Ursprung</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Nummerierung</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>unter dem Punkt</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>rechts vom Punkt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Coordinates</source>
        <translation>Koordinaten</translation>
    </message>
    <message>
        <source>Velocity</source>
        <translation>Geschwindigkeit</translation>
    </message>
    <message>
        <source>Acceleration</source>
        <translation>Beschleunigung</translation>
    </message>
    <message>
        <source>Polar quantities</source>
        <translation>Polare Größen</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>Polygonzug</translation>
    </message>
    <message>
        <source>graph origin</source>
        <translation>Ursprung des Koordinatensystems</translation>
    </message>
    <message>
        <source>the value of the vectors</source>
        <translation>Beträge der Vektoren</translation>
    </message>
    <message>
        <source>same as the video</source>
        <translation>wie im Video</translation>
    </message>
    <message>
        <source>in the graph basis (O, x, y)</source>
        <translation>im Koordinatensystem (O, x, y)</translation>
    </message>
    <message>
        <source>Model modifier</source>
        <translation>Modellbearbeitung</translation>
    </message>
    <message>
        <source>Equation display</source>
        <translation>Gleichung anzeigen</translation>
    </message>
    <message>
        <source>statistics</source>
        <translation>Statistik</translation>
    </message>
    <message>
        <source>Bubble of values</source>
        <translation>Wertefeld</translation>
    </message>
    <message>
        <source>up right</source>
        <translation>oben rechts</translation>
    </message>
    <message>
        <source>up left</source>
        <translation>oben links</translation>
    </message>
    <message>
        <source>bottom left</source>
        <translation>unten links</translation>
    </message>
    <message>
        <source>bottom right</source>
        <translation>unten rechts</translation>
    </message>
    <message>
        <source>Calculations</source>
        <translation>Berechnungen</translation>
    </message>
    <message>
        <source>Time between two frames</source>
        <translation>Zeit zwischen zwei Bildern</translation>
    </message>
    <message>
        <source>Smooth values of the velocity</source>
        <translation>Geschwindigkeitswerte glätten</translation>
    </message>
    <message>
        <source>Smooth values of the acceleration</source>
        <translation>Beschleunigungswerte glätten</translation>
    </message>
    <message>
        <source>Calculator</source>
        <translation>Taschenrechner</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Kolibra help</source>
        <translation>Kolibra-Hilfe</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Kolibra</translation>
    </message>
    <message>
        <source>Angle</source>
        <translation>Winkel</translation>
    </message>
    <message>
        <source>Arc</source>
        <translation>Bogen</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>Ellipse</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Strecke</translation>
    </message>
    <message>
        <source>Curve</source>
        <translation>Kurve</translation>
    </message>
    <message>
        <source>Vector</source>
        <translation>Vektor</translation>
    </message>
    <message>
        <source>Draw an angle</source>
        <translation>Winkel zeichnen</translation>
    </message>
    <message>
        <source>Draw an arc</source>
        <translation>Bogen zeichnen</translation>
    </message>
    <message>
        <source>Draw a circle</source>
        <translation>Kreis zeichnen</translation>
    </message>
    <message>
        <source>Draw an ellipse</source>
        <translation>Ellipse zeichnen</translation>
    </message>
    <message>
        <source>Draw a segment</source>
        <translation>Strecke zeichnen</translation>
    </message>
    <message>
        <source>Draw a curve</source>
        <translation>Kurve zeichnen</translation>
    </message>
    <message>
        <source>Draw a vector</source>
        <translation>Vektor zeichnen</translation>
    </message>
    <message>
        <source>Measure a value or an angle</source>
        <translation>Wert oder Winkel messen</translation>
    </message>
    <message>
        <source>Modify model curve</source>
        <translation>Modellkurve ändern</translation>
    </message>
    <message>
        <source>Pan image</source>
        <translation>Bild verschieben</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates</source>
        <translation>Koordinaten des Mauszeigers</translation>
    </message>
    <message>
        <source>Select an object</source>
        <translation>Objekt auswählen</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>|Hover the mouse over the curve to see parameters</source>
        <translation>|Die Maus über die Kurve bewegen, um die Parameter zu sehen</translation>
    </message>
</context>
<context>
    <name>ServeurText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortfahren</translation>
    </message>
    <message>
        <source>Substitute</source>
        <translation>Ersetzen</translation>
    </message>
    <message>
        <source>Copy to clipboard complete.</source>
        <translation>In die Zwischenablage kopiert.</translation>
    </message>
    <message>
        <source>After closing this window, open a window and press Ctrl + V (or click Edit &gt; Paste).</source>
        <translation>Öffnen Sie nach dem Schließen dieses Fensters ein Fenster und drücken Sie Strg + V (oder klicken Sie auf Bearbeiten &gt; Einfügen).</translation>
    </message>
    <message>
        <source>Columns are separated by tabulations.</source>
        <translation>Die Spalten sind durch Tabulatoren getrennt.</translation>
    </message>
    <message>
        <source>The file copy to the clipboard has failed.</source>
        <translation>Das Kopieren in die Zwischenablage ist fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Datasheet</source>
        <translation>Messwerttabelle</translation>
    </message>
    <message>
        <source>Export to text file</source>
        <translation>In Textdatei exportieren</translation>
    </message>
    <message>
        <source>Tab separated values (*.txt)|*.txt</source>
        <translation>Tabulatorgetrennte Werte (*.txt)|*.txt</translation>
    </message>
    <message>
        <source>Save to text file complete.</source>
        <translation>Speichern in Textdatei abgeschlossen.</translation>
    </message>
    <message>
        <source>File has TXT extension.</source>
        <translation>Die Datei hat die Endung TXT.</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>Die Datei konnte im gewählten Ordner nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Prüfen Sie Ihre Zugriffsrechte für diesen Ordner.</translation>
    </message>
    <message>
        <source>A file with the same name already exists. Overwrite ?</source>
        <translation>Eine Datei mit diesem Namen existiert bereits. Überschreiben?</translation>
    </message>
    <message>
        <source>Export the datasheet</source>
        <translation>Messwerttabelle exportieren</translation>
    </message>
    <message>
        <source>Tab separated values (*.txt)|*.txt|Excel workbook (*.xlsx)|*.xlsx|OpenDocument spreadsheet (*.ods)|*.ods|Comma separated values (*.csv)|*.csv|JSON data (*.json)|*.json|Jupyter notebook (*.ipynb)|*.ipynb</source>
        <translation>Tabulatorgetrennte Werte (*.txt)|*.txt|Excel-Arbeitsmappe (*.xlsx)|*.xlsx|OpenDocument-Tabelle (*.ods)|*.ods|Kommagetrennte Werte (*.csv)|*.csv|JSON-Daten (*.json)|*.json|Jupyter-Notebook (*.ipynb)|*.ipynb</translation>
    </message>
    <message>
        <source>The datasheet has been saved:</source>
        <translation>Die Messwerttabelle wurde gespeichert:</translation>
    </message>
    <message>
        <source>The workbook is written in this file:</source>
        <translation>Die Arbeitsmappe wurde in diese Datei geschrieben:</translation>
    </message>
    <message>
        <source>No program could be started to show it. Open it with your spreadsheet program, or install LibreOffice (the Debian package libreoffice-calc) to have Kolibra open it for you.</source>
        <translation>Es konnte kein Programm zum Anzeigen gestartet werden. Öffnen Sie sie mit Ihrer Tabellenkalkulation oder installieren Sie LibreOffice (das Debian-Paket libreoffice-calc), damit Kolibra sie für Sie öffnet.</translation>
    </message>
    <message>
        <source>An error occurred while processing the connection with Excel.</source>
        <translation>Bei der Verbindung mit Excel ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error occurred while processing the connection with OpenOffice.</source>
        <translation>Bei der Verbindung mit OpenOffice ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>An error occurred while activating the system manager.</source>
        <translation>Beim Aktivieren der Systemverwaltung ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>Unable to open the spreadsheet.</source>
        <translation>Die Tabellenkalkulation kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Unable to create a new sheet.</source>
        <translation>Es kann kein neues Tabellenblatt angelegt werden.</translation>
    </message>
    <message>
        <source>Unable to find the datasheet.</source>
        <translation>Die Messwerttabelle wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>An error occurred while writing in a cell.</source>
        <translation>Beim Schreiben in eine Zelle ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The copy was canceled because Regressi is not found.</source>
        <translation>Das Kopieren wurde abgebrochen, weil Regressi nicht gefunden wurde.</translation>
    </message>
    <message>
        <source>Please follow the procedure:</source>
        <translation>Bitte gehen Sie so vor:</translation>
    </message>
    <message>
        <source>use the « Search » button in the next window</source>
        <translation>Verwenden Sie im nächsten Fenster die Schaltfläche »Suchen«</translation>
    </message>
    <message>
        <source>if search is successful, use the button « Open »</source>
        <translation>Wenn die Suche erfolgreich ist, verwenden Sie die Schaltfläche »Öffnen«</translation>
    </message>
    <message>
        <source>Finally, restart the canceled copy (Edit &gt; Copy and launch &gt; Regressi).</source>
        <translation>Starten Sie zum Schluss das abgebrochene Kopieren erneut (Bearbeiten &gt; Kopieren und starten &gt; Regressi).</translation>
    </message>
    <message>
        <source>Regressi does not accept more than 16 variables.</source>
        <translation>Regressi akzeptiert nicht mehr als 16 Variablen.</translation>
    </message>
    <message>
        <source>This could produce random results.</source>
        <translation>Das könnte zu zufälligen Ergebnissen führen.</translation>
    </message>
    <message>
        <source>An error occurred while launching Regressi.</source>
        <translation>Beim Starten von Regressi ist ein Fehler aufgetreten.</translation>
    </message>
    <message>
        <source>The datasheet contains non defined values.</source>
        <translation>Die Messwerttabelle enthält undefinierte Werte.</translation>
    </message>
    <message>
        <source>An old version of Regressi could misinterpret these data.</source>
        <translation>Eine alte Version von Regressi könnte diese Daten falsch deuten.</translation>
    </message>
    <message>
        <source>Substitute non defined values by zeros?</source>
        <translation>Undefinierte Werte durch Nullen ersetzen?</translation>
    </message>
    <message>
        <source>Regressi is starting: once its window is open, press Ctrl + V (or click Edit &gt; Paste) in it.</source>
        <translation>Regressi wird gestartet: Sobald sein Fenster geöffnet ist, drücken Sie darin Strg + V (oder klicken Sie auf Bearbeiten &gt; Einfügen).</translation>
    </message>
</context>
<context>
    <name>StudioText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Bitmap file (*.bmp)</source>
        <translation>Bitmap-Datei (*.bmp)</translation>
    </message>
    <message>
        <source>PNG picture (*.png)</source>
        <translation>PNG-Bild (*.png)</translation>
    </message>
    <message>
        <source>The file creation in the selected directory has failed.</source>
        <translation>Die Datei konnte im gewählten Ordner nicht angelegt werden.</translation>
    </message>
    <message>
        <source>Check your access rights to this directory.</source>
        <translation>Prüfen Sie Ihre Zugriffsrechte für diesen Ordner.</translation>
    </message>
    <message>
        <source>Unexpected error detected during image capture.</source>
        <translation>Unerwarteter Fehler bei der Bildaufnahme.</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Save image to file</source>
        <translation>Bild in Datei speichern</translation>
    </message>
    <message>
        <source>Saving to an image file complete.</source>
        <translation>Speichern in eine Bilddatei abgeschlossen.</translation>
    </message>
    <message>
        <source>File extension is PNG.</source>
        <translation>Die Dateiendung ist PNG.</translation>
    </message>
    <message>
        <source>File extension is BMP.</source>
        <translation>Die Dateiendung ist BMP.</translation>
    </message>
    <message>
        <source>First draw the outline of an object.</source>
        <translation>Zeichnen Sie zuerst den Umriss eines Objekts.</translation>
    </message>
    <message>
        <source>Use the button « Draw the outline of an object ».</source>
        <translation>Verwenden Sie die Schaltfläche »Umriss eines Objekts zeichnen«.</translation>
    </message>
    <message>
        <source>Object&apos;s images at different positions can be drawn:</source>
        <translation>Die Bilder des Objekts an verschiedenen Positionen können gezeichnet werden:</translation>
    </message>
    <message>
        <source>- on a blank page</source>
        <translation>- auf eine leere Seite</translation>
    </message>
    <message>
        <source>- on a background image</source>
        <translation>- auf ein Hintergrundbild</translation>
    </message>
    <message>
        <source>The video frame placed in the background corresponding to the first position of the object.</source>
        <translation>Das Videobild im Hintergrund entspricht der ersten Position des Objekts.</translation>
    </message>
    <message>
        <source>Insert a background image</source>
        <translation>Hintergrundbild einfügen</translation>
    </message>
    <message>
        <source>Unexpected error detected during the creation of the chronophotography .</source>
        <translation>Unerwarteter Fehler beim Erstellen des Stroboskopbildes.</translation>
    </message>
    <message>
        <source>Save chronophotography to file</source>
        <translation>Stroboskopbild in Datei speichern</translation>
    </message>
    <message>
        <source>File successfully saved:</source>
        <translation>Datei erfolgreich gespeichert:</translation>
    </message>
    <message>
        <source>The picture must be a .png or a .bmp file.</source>
        <translation>Das Bild muss eine .png- oder .bmp-Datei sein.</translation>
    </message>
    <message>
        <source>A file with this name already exists; nothing was written.</source>
        <translation>Eine Datei mit diesem Namen existiert bereits; es wurde nichts geschrieben.</translation>
    </message>
    <message>
        <source>Give at least one circle: --circle FRAME:X,Y,RADIUS.</source>
        <translation>Geben Sie mindestens einen Kreis an: --circle FRAME:X,Y,RADIUS.</translation>
    </message>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Diese Videodatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Can not open this video file.</source>
        <translation>Diese Videodatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Frame %1 is not in the video (0 to %2).</source>
        <translation>Bild %1 ist nicht im Video enthalten (0 bis %2).</translation>
    </message>
    <message>
        <source>The circle on frame %1 has no radius.</source>
        <translation>Der Kreis auf Bild %1 hat keinen Radius.</translation>
    </message>
    <message>
        <source>Frame %1 has two circles; a frame holds one outline.</source>
        <translation>Bild %1 hat zwei Kreise; ein Bild enthält nur einen Umriss.</translation>
    </message>
    <message>
        <source>The circle on frame %1 encloses nothing of the picture, or the frame cannot be read.</source>
        <translation>Der Kreis auf Bild %1 umschließt nichts vom Bild, oder das Bild kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>TBoiteRecordMontage</name>
    <message>
        <source>without</source>
        <translation>ohne</translation>
    </message>
</context>
<context>
    <name>TFFMpegPlay</name>
    <message>
        <source>%1 is missing.</source>
        <translation>%1 fehlt.</translation>
    </message>
    <message>
        <source>The « FFmpeg » libraries are not installed on the hard disk.</source>
        <translation>Die »FFmpeg«-Bibliotheken sind nicht auf der Festplatte installiert.</translation>
    </message>
    <message>
        <source>Please download and install the « KlbDll » folder.</source>
        <translation>Bitte laden Sie den Ordner »KlbDll« herunter und installieren Sie ihn.</translation>
    </message>
    <message>
        <source>The « FFmpeg » libraries installed on the hard disk are too old.</source>
        <translation>Die auf der Festplatte installierten »FFmpeg«-Bibliotheken sind zu alt.</translation>
    </message>
    <message>
        <source>Please download and install a newer version of the « KlbDll » folder.</source>
        <translation>Bitte laden Sie eine neuere Version des Ordners »KlbDll« herunter und installieren Sie sie.</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
</context>
<context>
    <name>TFFMpegRecord</name>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>Es gibt keinen Codec namens „%1“.</translation>
    </message>
</context>
<context>
    <name>TGModele</name>
    <message>
        <source>Fitted from %1 = %2 to %3</source>
        <translation>Angepasst von %1 = %2 bis %3</translation>
    </message>
</context>
<context>
    <name>THistorique</name>
    <message>
        <source>Choose</source>
        <translation>Wählen</translation>
    </message>
    <message>
        <source>Set</source>
        <translation>Setzen</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Verschieben</translation>
    </message>
    <message>
        <source>Define</source>
        <translation>Festlegen</translation>
    </message>
    <message>
        <source>Transform</source>
        <translation>Umformen</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Change direction</source>
        <translation>Richtung umkehren</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>Ändern</translation>
    </message>
    <message>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>Mark</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Layer</source>
        <translation>Folie</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Gitter</translation>
    </message>
    <message>
        <source>Plane</source>
        <translation>Ebene</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Rückgängig</translation>
    </message>
</context>
<context>
    <name>TModeleur</name>
    <message>
        <source>Decrease value rapidly</source>
        <translation>Wert schnell verringern</translation>
    </message>
    <message>
        <source>Decrease value; press CTRL at the same time to slow down the progression</source>
        <translation>Wert verringern; gleichzeitig Strg drücken, um langsamer zu ändern</translation>
    </message>
    <message>
        <source>Increase value; press CTRL at the same time to slow down the progression</source>
        <translation>Wert erhöhen; gleichzeitig Strg drücken, um langsamer zu ändern</translation>
    </message>
    <message>
        <source>Increase value rapidly</source>
        <translation>Wert schnell erhöhen</translation>
    </message>
</context>
<context>
    <name>TOptions</name>
    <message>
        <source>Wrong password.</source>
        <translation>Falsches Passwort.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>bellow the point</source>
        <translation>unter dem Punkt</translation>
    </message>
    <message>
        <source>on the right of the point</source>
        <translation>rechts vom Punkt</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>small</source>
        <translation>klein</translation>
    </message>
    <message>
        <source>average</source>
        <translation>mittel</translation>
    </message>
    <message>
        <source>large</source>
        <translation>groß</translation>
    </message>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>broken line</source>
        <translation>Polygonzug</translation>
    </message>
    <message>
        <source>free</source>
        <translation>frei</translation>
    </message>
    <message>
        <source>Fit using a constant value|Model parameters available by hovering over the curve</source>
        <translation>Anpassung an einen konstanten Wert|Modellparameter erscheinen, wenn die Maus über der Kurve steht</translation>
    </message>
    <message>
        <source>Linear fit|Hover mouse over curve to set parameters</source>
        <translation>Lineare Anpassung|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Fit using a line going through the origin|Model parameters available by hovering over the curve</source>
        <translation>Anpassung an eine Ursprungsgerade|Modellparameter erscheinen, wenn die Maus über der Kurve steht</translation>
    </message>
    <message>
        <source>Parabolic fit|Hover mouse over curve to set parameters</source>
        <translation>Parabolische Anpassung|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Sine fit|Hover mouse over curve to set parameters</source>
        <translation>Sinus-Anpassung|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Dampened sine fit (exponential dampening)|Hover mouse over curve to set parameters</source>
        <translation>Gedämpfte Sinus-Anpassung (exponentielle Dämpfung)|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Dampened sine fit (linear dampening)|Hover mouse over curve to set parameters</source>
        <translation>Gedämpfte Sinus-Anpassung (lineare Dämpfung)|Maus über die Kurve bewegen, um die Parameter einzustellen</translation>
    </message>
    <message>
        <source>Fit using an exponential| Model parameters available by hovering over the curve </source>
        <translation>Exponentielle Anpassung| Modellparameter erscheinen, wenn die Maus über der Kurve steht </translation>
    </message>
    <message>
        <source>Modify model curve|Position of the cursor over the curve determines which parameter is modified</source>
        <translation>Modellkurve ändern|Die Position des Mauszeigers auf der Kurve bestimmt, welcher Parameter geändert wird</translation>
    </message>
    <message>
        <source>Mouse pointer coordinates|X and Y values of the mouse pointer within the graphical area.</source>
        <translation>Koordinaten des Mauszeigers|X- und Y-Werte des Mauszeigers im Zeichenbereich.</translation>
    </message>
    <message>
        <source>New angle|Draw an angle defined by two straight lines with mouse</source>
        <translation>Neuer Winkel|Einen durch zwei Geraden festgelegten Winkel mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>New arc|Draw an arc defined by two points</source>
        <translation>Neuer Bogen|Einen durch zwei Punkte festgelegten Bogen zeichnen</translation>
    </message>
    <message>
        <source>New circle|Draw a new circle from the center</source>
        <translation>Neuer Kreis|Einen neuen Kreis vom Mittelpunkt aus zeichnen</translation>
    </message>
    <message>
        <source>Bend an arc, a circle or an ellipse|Catch a point on the circumference or radius using the mouse</source>
        <translation>Bogen, Kreis oder Ellipse biegen|Einen Punkt auf dem Umfang oder dem Radius mit der Maus greifen</translation>
    </message>
    <message>
        <source>Duplicate objects|Duplicate the object under the mouse pointer; duplicate the objects in a rectangular zone</source>
        <translation>Objekte duplizieren|Das Objekt unter dem Mauszeiger duplizieren; die Objekte in einem rechteckigen Bereich duplizieren</translation>
    </message>
    <message>
        <source>New ellipse|Draw a new ellipse from its center</source>
        <translation>Neue Ellipse|Eine neue Ellipse vom Mittelpunkt aus zeichnen</translation>
    </message>
    <message>
        <source>Measure an angle or an object value|Measure an angle or an object value under mouse cursor</source>
        <translation>Winkel oder Objektwert messen|Einen Winkel oder den Wert eines Objekts unter dem Mauszeiger messen</translation>
    </message>
    <message>
        <source>New segment|Draw a new segment</source>
        <translation>Neue Strecke|Eine neue Strecke zeichnen</translation>
    </message>
    <message>
        <source>Select, move or change an object|Select an object, move or change it with the mouse when cursor changes to a cross</source>
        <translation>Objekt auswählen, verschieben oder ändern|Ein Objekt auswählen und mit der Maus verschieben oder ändern, wenn der Mauszeiger zum Kreuz wird</translation>
    </message>
    <message>
        <source>New curve|Draw a curve by setting control points with the mouse.</source>
        <translation>Neue Kurve|Eine Kurve zeichnen, indem Sie mit der Maus Stützpunkte setzen.</translation>
    </message>
    <message>
        <source>Delete objects|Delete the object under the mouse pointer; delete the objects in a rectangular zone</source>
        <translation>Objekte löschen|Das Objekt unter dem Mauszeiger löschen; die Objekte in einem rechteckigen Bereich löschen</translation>
    </message>
    <message>
        <source>Change vectors direction|Change direction of the vector under the mouse pointer; change direction of the vectors in a rectangular zone</source>
        <translation>Vektorrichtung umkehren|Die Richtung des Vektors unter dem Mauszeiger umkehren; die Richtung der Vektoren in einem rechteckigen Bereich umkehren</translation>
    </message>
    <message>
        <source>New vector|Draw a new vector with the mouse</source>
        <translation>Neuer Vektor|Einen neuen Vektor mit der Maus zeichnen</translation>
    </message>
    <message>
        <source>Draw the current video image|The video image is drawn behind the objects.</source>
        <translation>Aktuelles Videobild zeichnen|Das Videobild wird hinter die Objekte gezeichnet.</translation>
    </message>
    <message>
        <source>Show this command in Results toolbar</source>
        <translation>Diesen Befehl in der Werkzeugleiste der Ergebnisse zeigen</translation>
    </message>
    <message>
        <source>|Limit switching between different windows</source>
        <translation>|Wechsel zwischen verschiedenen Fenstern einschränken</translation>
    </message>
    <message>
        <source>|Display may be cluttered up with 2 or 3 video marks per frame</source>
        <translation>|Bei 2 oder 3 Videomarkierungen pro Bild kann die Anzeige unübersichtlich werden</translation>
    </message>
    <message>
        <source>Allow x-axis zoom</source>
        <translation>Zoom der x-Achse erlauben</translation>
    </message>
    <message>
        <source>|Stretch frame horizontally</source>
        <translation>|Bild horizontal strecken</translation>
    </message>
    <message>
        <source>Allow y-axis zoom</source>
        <translation>Zoom der y-Achse erlauben</translation>
    </message>
    <message>
        <source>|Stretch frame vertically</source>
        <translation>|Bild vertikal strecken</translation>
    </message>
    <message>
        <source>Draw connecting segments (polyline)</source>
        <translation>Verbindungsstrecken zeichnen (Polygonzug)</translation>
    </message>
    <message>
        <source>|Avoid if experimental data vary strongly</source>
        <translation>|Vermeiden, wenn die Messwerte stark schwanken</translation>
    </message>
    <message>
        <source>Show equation while model modification</source>
        <translation>Gleichung beim Ändern des Modells anzeigen</translation>
    </message>
    <message>
        <source>|You wish to modify a model and see its equation change</source>
        <translation>|Sie möchten ein Modell ändern und dabei seine Gleichung mitverfolgen</translation>
    </message>
    <message>
        <source>Show statistics during model modification</source>
        <translation>Statistik beim Ändern des Modells anzeigen</translation>
    </message>
    <message>
        <source>|Observe deviation between model and measurements</source>
        <translation>|Abweichung zwischen Modell und Messwerten beobachten</translation>
    </message>
    <message>
        <source>Number the marks</source>
        <translation>Markierungen nummerieren</translation>
    </message>
    <message>
        <source>|Visual link with video marks</source>
        <translation>|Sichtbare Verbindung zu den Videomarkierungen</translation>
    </message>
    <message>
        <source>|Check to improve numerical derivations</source>
        <translation>|Aktivieren, um die numerische Ableitung zu verbessern</translation>
    </message>
    <message>
        <source>Thickness of lines and marks</source>
        <translation>Stärke von Linien und Markierungen</translation>
    </message>
    <message>
        <source>Shape of object outline</source>
        <translation>Form des Objektumrisses</translation>
    </message>
    <message>
        <source>Send a message to confirm quitting program</source>
        <translation>Beenden des Programms bestätigen lassen</translation>
    </message>
    <message>
        <source>|Avoid an unwanted exit</source>
        <translation>|Verhindert ein versehentliches Beenden</translation>
    </message>
    <message>
        <source>Send a message to confirm closing files</source>
        <translation>Schließen von Dateien bestätigen lassen</translation>
    </message>
    <message>
        <source>|Avoid changing video sequence without saving your work</source>
        <translation>|Verhindert, dass die Videosequenz gewechselt wird, ohne die Arbeit zu speichern</translation>
    </message>
    <message>
        <source>Add or remove favourite formulas</source>
        <translation>Lieblingsformeln hinzufügen oder entfernen</translation>
    </message>
    <message>
        <source>|Uncheck to avoid unwanted formulas</source>
        <translation>|Deaktivieren, um unerwünschte Formeln zu vermeiden</translation>
    </message>
    <message>
        <source>Freeze menu: File &gt; Open recent file &gt; ...</source>
        <translation>Menü einfrieren: Datei &gt; Zuletzt geöffnete Dateien &gt; ...</translation>
    </message>
    <message>
        <source>|Avoid showing undesirable files</source>
        <translation>|Verhindert die Anzeige unerwünschter Dateien</translation>
    </message>
    <message>
        <source>Smooth acceleration values</source>
        <translation>Beschleunigungswerte glätten</translation>
    </message>
    <message>
        <source>Show acceleration in the results</source>
        <translation>Beschleunigung in den Ergebnissen anzeigen</translation>
    </message>
    <message>
        <source>|Uncheck to hide acceleration in the results</source>
        <translation>|Deaktivieren, um die Beschleunigung in den Ergebnissen auszublenden</translation>
    </message>
    <message>
        <source>Show velocity in results</source>
        <translation>Geschwindigkeit in den Ergebnissen anzeigen</translation>
    </message>
    <message>
        <source>|Uncheck to hide velocity in the results</source>
        <translation>|Deaktivieren, um die Geschwindigkeit in den Ergebnissen auszublenden</translation>
    </message>
    <message>
        <source>Show columns related to velocity</source>
        <translation>Spalten zur Geschwindigkeit anzeigen</translation>
    </message>
    <message>
        <source>Show columns related to acceleration</source>
        <translation>Spalten zur Beschleunigung anzeigen</translation>
    </message>
    <message>
        <source>Draw initial vectors</source>
        <translation>Vorgegebene Vektoren zeichnen</translation>
    </message>
    <message>
        <source>|Make the user guess direction of vectors before drawing</source>
        <translation>|Die Richtung der Vektoren vor dem Zeichnen schätzen lassen</translation>
    </message>
    <message>
        <source>Draw initial segments</source>
        <translation>Vorgegebene Strecken zeichnen</translation>
    </message>
    <message>
        <source>Set zero on the y-coordinate axis</source>
        <translation>Null auf der y-Achse einschließen</translation>
    </message>
    <message>
        <source>|Avoid zoom effect for close y-values</source>
        <translation>|Verhindert den Zoomeffekt bei nahe beieinander liegenden y-Werten</translation>
    </message>
    <message>
        <source>Show this command in formulas</source>
        <translation>Diesen Befehl in den Formeln anzeigen</translation>
    </message>
    <message>
        <source>|Uncheck for a limited but more simple use</source>
        <translation>|Deaktivieren für eine eingeschränkte, aber einfachere Bedienung</translation>
    </message>
    <message>
        <source>Show columns related to coordinates</source>
        <translation>Spalten zu den Koordinaten anzeigen</translation>
    </message>
    <message>
        <source>Hide velocity at endpoints (one mark)</source>
        <translation>Geschwindigkeit an den Enden ausblenden (eine Markierung)</translation>
    </message>
    <message>
        <source>|Approximated calculation of the first derivative is rarely satisfying near edges</source>
        <translation>|Die Näherung der ersten Ableitung ist an den Rändern selten befriedigend</translation>
    </message>
    <message>
        <source>Hide acceleration at endpoints (two marks)</source>
        <translation>Beschleunigung an den Enden ausblenden (zwei Markierungen)</translation>
    </message>
    <message>
        <source>|Approximated calculation of the second derivative is rarely satisfying near edges</source>
        <translation>|Die Näherung der zweiten Ableitung ist an den Rändern selten befriedigend</translation>
    </message>
    <message>
        <source>Show angles in radian (degree by default)</source>
        <translation>Winkel im Bogenmaß anzeigen (standardmäßig in Grad)</translation>
    </message>
    <message>
        <source>|Unchecked: sin(30°) = 0.5</source>
        <translation>|Deaktiviert: sin(30°) = 0,5</translation>
    </message>
    <message>
        <source>Draw graph basis origin</source>
        <translation>Ursprung des Koordinatensystems zeichnen</translation>
    </message>
    <message>
        <source>|Useful for circular trajectory study</source>
        <translation>|Nützlich zur Untersuchung von Kreisbahnen</translation>
    </message>
    <message>
        <source>Set zero on the x-coordinate axis</source>
        <translation>Null auf der x-Achse einschließen</translation>
    </message>
    <message>
        <source>|Avoid zoom effect for close x-values</source>
        <translation>|Verhindert den Zoomeffekt bei nahe beieinander liegenden x-Werten</translation>
    </message>
    <message>
        <source>Show the camera&apos;s point of view</source>
        <translation>Blickwinkel der Kamera zeigen</translation>
    </message>
    <message>
        <source>|Uncheck to see trajectory in the graph basis (O, x, y)</source>
        <translation>|Deaktivieren, um die Bahnkurve im Koordinatensystem (O, x, y) zu sehen</translation>
    </message>
    <message>
        <source>Video mark index start at zero (at one by default)</source>
        <translation>Nummerierung der Videomarkierungen beginnt bei null (standardmäßig bei eins)</translation>
    </message>
    <message>
        <source>|Warning ! this option influences the results</source>
        <translation>|Achtung! Diese Option beeinflusst die Ergebnisse</translation>
    </message>
    <message>
        <source>Recommend naming objects</source>
        <translation>Benennung der Objekte empfehlen</translation>
    </message>
    <message>
        <source>|Interpretation is easier with explicit objects names</source>
        <translation>|Mit aussagekräftigen Objektnamen fällt die Auswertung leichter</translation>
    </message>
    <message>
        <source>Show dialog when frame is hidden</source>
        <translation>Dialog beim Ausblenden eines Bildes anzeigen</translation>
    </message>
    <message>
        <source>|Useful for first steps in video edit mode</source>
        <translation>|Nützlich für die ersten Schritte im Videoschnitt</translation>
    </message>
    <message>
        <source>Calibrate both dimensions (horizontal and vertical)</source>
        <translation>Beide Richtungen kalibrieren (horizontal und vertikal)</translation>
    </message>
    <message>
        <source>|Use both dimensions is image is stretched</source>
        <translation>|Beide Richtungen verwenden, wenn das Bild verzerrt ist</translation>
    </message>
    <message>
        <source>Draw video frame</source>
        <translation>Videobild zeichnen</translation>
    </message>
    <message>
        <source>|Check to associate video image to graphical constructs</source>
        <translation>|Aktivieren, um das Videobild mit den grafischen Konstruktionen zu verbinden</translation>
    </message>
    <message>
        <source>Allow automatic tracking</source>
        <translation>Automatische Verfolgung erlauben</translation>
    </message>
    <message>
        <source>|Uncheck to prevent automatic tracking</source>
        <translation>|Deaktivieren, um die automatische Verfolgung zu sperren</translation>
    </message>
    <message>
        <source>Allow video edit mode</source>
        <translation>Videoschnitt erlauben</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video edit</source>
        <translation>|Deaktivieren, um den Videoschnitt zu sperren</translation>
    </message>
    <message>
        <source>Allow video capture</source>
        <translation>Videoaufnahme erlauben</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video capture</source>
        <translation>|Deaktivieren, um die Videoaufnahme zu sperren</translation>
    </message>
    <message>
        <source>Draw initial curves</source>
        <translation>Vorgegebene Kurven zeichnen</translation>
    </message>
    <message>
        <source>|Useful to measure the length of a curved trajectory</source>
        <translation>|Nützlich, um die Länge einer gekrümmten Bahn zu messen</translation>
    </message>
    <message>
        <source>Show the values of the object during modification</source>
        <translation>Werte des Objekts beim Ändern anzeigen</translation>
    </message>
    <message>
        <source>|Useful to adjust an object&apos;s measurement to a specific value</source>
        <translation>|Nützlich, um die Messung eines Objekts auf einen bestimmten Wert einzustellen</translation>
    </message>
    <message>
        <source>Draw the target search zone</source>
        <translation>Suchbereich des Ziels zeichnen</translation>
    </message>
    <message>
        <source>|Compare the distance between two successive positions of the target with the radius of the search zone</source>
        <translation>|Den Abstand zwischen zwei aufeinanderfolgenden Positionen des Ziels mit dem Radius des Suchbereichs vergleichen</translation>
    </message>
    <message>
        <source>Show polar quantities within results</source>
        <translation>Polare Größen in den Ergebnissen anzeigen</translation>
    </message>
    <message>
        <source>|Unchecked, polar coordinates and the angular velocity no longer appear in any window</source>
        <translation>|Deaktiviert erscheinen Polarkoordinaten und Winkelgeschwindigkeit in keinem Fenster mehr</translation>
    </message>
    <message>
        <source>Smooth velocity values</source>
        <translation>Geschwindigkeitswerte glätten</translation>
    </message>
    <message>
        <source>Show columns related to polar quantities</source>
        <translation>Spalten zu den polaren Größen anzeigen</translation>
    </message>
    <message>
        <source>Allow video studio</source>
        <translation>Videostudio erlauben</translation>
    </message>
    <message>
        <source>|Uncheck to prevent video studio</source>
        <translation>|Deaktivieren, um das Videostudio zu sperren</translation>
    </message>
    <message>
        <source>Numbering</source>
        <translation>Anzahl</translation>
    </message>
    <message>
        <source>|Number of files: 1 to 20</source>
        <translation>|Anzahl der Dateien: 1 bis 20</translation>
    </message>
    <message>
        <source>Radius of target search zone (in pixels)</source>
        <translation>Radius des Suchbereichs (in Pixeln)</translation>
    </message>
    <message>
        <source>|A large search radius will reduce the tracking speed</source>
        <translation>|Ein großer Suchradius verlangsamt die Verfolgung</translation>
    </message>
    <message>
        <source>Marks numbering</source>
        <translation>Nummerierung der Markierungen</translation>
    </message>
    <message>
        <source>Layer marks numbering</source>
        <translation>Nummerierung der Folienmarkierungen</translation>
    </message>
    <message>
        <source>Restrict access to options with a password</source>
        <translation>Zugriff auf die Optionen mit einem Passwort schützen</translation>
    </message>
    <message>
        <source>|Password is stored in Kolibra.ini file</source>
        <translation>|Das Passwort wird in der Datei Kolibra.ini gespeichert</translation>
    </message>
    <message>
        <source>Default directory :</source>
        <translation>Standardordner:</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>|The language of the menus, windows and help</source>
        <translation>|Die Sprache der Menüs, der Fenster und der Hilfe</translation>
    </message>
</context>
<context>
    <name>TPlaneTool</name>
    <message>
        <source>Click the four corners of the rectangle first.</source>
        <translation>Klicken Sie zuerst die vier Ecken des Rechtecks an.</translation>
    </message>
</context>
<context>
    <name>TPolyContainer</name>
    <message>
        <source>A similar mark already exists on this image.</source>
        <translation>Auf diesem Bild existiert bereits eine gleichartige Markierung.</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>of point n°</source>
        <translation>des Punkts Nr. </translation>
    </message>
</context>
<context>
    <name>TRepere</name>
    <message>
        <source>x</source>
        <translation>x</translation>
    </message>
    <message>
        <source>y</source>
        <translation>y</translation>
    </message>
</context>
<context>
    <name>TVideo</name>
    <message>
        <source>Wait please ...</source>
        <translation>Bitte warten ...</translation>
    </message>
    <message>
        <source>Mechanics from video</source>
        <translation>Mechanik mit Videos</translation>
    </message>
    <message>
        <source>Reading stopped.</source>
        <translation>Wiedergabe angehalten.</translation>
    </message>
</context>
<context>
    <name>TVideoPlay</name>
    <message>
        <source>Video for Windows</source>
        <translation>Video for Windows</translation>
    </message>
    <message>
        <source>DirectShow</source>
        <translation>DirectShow</translation>
    </message>
    <message>
        <source>FFMpeg</source>
        <translation>FFMpeg</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>Die Datei gibt keine Bildrate an.</translation>
    </message>
    <message>
        <source>The frame rate of this video (%1 frames per second) is too low: Kolibra cannot play frames more than 65.535 seconds apart.</source>
        <translation>Die Bildrate dieses Videos (%1 Bilder pro Sekunde) ist zu niedrig: Kolibra kann keine Bilder abspielen, die mehr als 65,535 Sekunden auseinanderliegen.</translation>
    </message>
</context>
<context>
    <name>TrackingText</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>First draw the outline of the target object</source>
        <translation>Zeichnen Sie zuerst den Umriss des Zielobjekts</translation>
    </message>
    <message>
        <source>The sequence starts with the last frame of the video (tracking not necessary)</source>
        <translation>Die Sequenz beginnt mit dem letzten Bild des Videos (keine Verfolgung nötig)</translation>
    </message>
    <message>
        <source>First open a video file</source>
        <translation>Öffnen Sie zuerst eine Videodatei</translation>
    </message>
    <message>
        <source>Number of the first frame is incorrect</source>
        <translation>Die Nummer des ersten Bildes ist fehlerhaft</translation>
    </message>
    <message>
        <source>An automatic tracking has been done.</source>
        <translation>Eine automatische Verfolgung wurde durchgeführt.</translation>
    </message>
    <message>
        <source>Do you want to keep the data ?</source>
        <translation>Möchten Sie die Daten behalten?</translation>
    </message>
    <message>
        <source>The new marks will replace any already present ones</source>
        <translation>Die neuen Markierungen ersetzen alle bereits vorhandenen</translation>
    </message>
    <message>
        <source>Uncertain positions %1, to check (frames): %2</source>
        <translation>Unsichere Positionen %1, zu prüfen (Bilder): %2</translation>
    </message>
    <message>
        <source>Lost positions %1, no mark there (frames): %2</source>
        <translation>Verlorene Positionen %1, dort keine Markierung (Bilder): %2</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>Ignorieren</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>The outline of the target needs at least three distinct points.</source>
        <translation>Der Umriss des Ziels braucht mindestens drei verschiedene Punkte.</translation>
    </message>
    <message>
        <source>The outline of the target lies outside the frame.</source>
        <translation>Der Umriss des Ziels liegt außerhalb des Bildes.</translation>
    </message>
    <message>
        <source>The outline of the target encloses no pixel.</source>
        <translation>Der Umriss des Ziels umschließt kein Pixel.</translation>
    </message>
    <message>
        <source>The first frame of the sequence cannot be read.</source>
        <translation>Das erste Bild der Sequenz kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>VfwPlayText</name>
    <message>
        <source>The file is empty.</source>
        <translation>Die Datei ist leer.</translation>
    </message>
    <message>
        <source>This is not an AVI file.</source>
        <translation>Dies ist keine AVI-Datei.</translation>
    </message>
    <message>
        <source>The headers of this AVI file are missing.</source>
        <translation>Die Header dieser AVI-Datei fehlen.</translation>
    </message>
    <message>
        <source>The AVI file holds no video stream.</source>
        <translation>Die AVI-Datei enthält keinen Videostrom.</translation>
    </message>
    <message>
        <source>The format of the video stream is missing or damaged.</source>
        <translation>Das Format des Videostroms fehlt oder ist beschädigt.</translation>
    </message>
    <message>
        <source>The frame size %1 x %2 announced by the file is not plausible: the file is damaged.</source>
        <translation>Die von der Datei angegebene Bildgröße %1 x %2 ist nicht plausibel: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The file announces %1 frames, more than it can hold: the file is damaged.</source>
        <translation>Die Datei gibt %1 Bilder an, mehr als sie enthalten kann: Die Datei ist beschädigt.</translation>
    </message>
    <message>
        <source>The video has %1 frames: Kolibra reads videos of %2 frames at most.</source>
        <translation>Das Video hat %1 Bilder: Kolibra liest Videos mit höchstens %2 Bildern.</translation>
    </message>
    <message>
        <source>The AVI file holds no frame.</source>
        <translation>Die AVI-Datei enthält kein Bild.</translation>
    </message>
    <message>
        <source>No decoder is available for the video codec &quot;%1&quot; of this file.</source>
        <translation>Für den Videocodec „%1“ dieser Datei ist kein Decoder verfügbar.</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>Nicht genügend Arbeitsspeicher.</translation>
    </message>
    <message>
        <source>The decoder for the codec &quot;%1&quot; cannot be started.</source>
        <translation>Der Decoder für den Codec „%1“ kann nicht gestartet werden.</translation>
    </message>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The file does not exist or cannot be reached.</source>
        <translation>Die Datei existiert nicht oder ist nicht erreichbar.</translation>
    </message>
    <message>
        <source>This is a folder, not a video file.</source>
        <translation>Dies ist ein Ordner, keine Videodatei.</translation>
    </message>
    <message>
        <source>This is not a video file but a device or a pipe.</source>
        <translation>Dies ist keine Videodatei, sondern ein Gerät oder eine Pipe.</translation>
    </message>
    <message>
        <source>The file gives no frame rate.</source>
        <translation>Die Datei gibt keine Bildrate an.</translation>
    </message>
    <message>
        <source>The first frame of the file cannot be decoded.</source>
        <translation>Das erste Bild der Datei kann nicht dekodiert werden.</translation>
    </message>
</context>
<context>
    <name>VfwRecordText</name>
    <message>
        <source>Process cancelled</source>
        <translation>Vorgang abgebrochen</translation>
    </message>
    <message>
        <source>Video not initialized</source>
        <translation>Video nicht initialisiert</translation>
    </message>
    <message>
        <source>Aan image is damaged</source>
        <translation>Ein Bild ist beschädigt</translation>
    </message>
    <message>
        <source>This frame could not be inserted in the video stream</source>
        <translation>Dieses Bild konnte nicht in den Videostrom eingefügt werden</translation>
    </message>
    <message>
        <source>Unable to compress video stream</source>
        <translation>Der Videostrom kann nicht komprimiert werden</translation>
    </message>
    <message>
        <source>Unable to define video stream format</source>
        <translation>Das Format des Videostroms kann nicht festgelegt werden</translation>
    </message>
    <message>
        <source>Unable to replace a file with the same name (it may be in use in another program)</source>
        <translation>Eine Datei mit demselben Namen kann nicht ersetzt werden (sie wird vielleicht von einem anderen Programm verwendet)</translation>
    </message>
    <message>
        <source>Unable to write video file on disk</source>
        <translation>Die Videodatei kann nicht auf den Datenträger geschrieben werden</translation>
    </message>
    <message>
        <source>Unable to create video stream in memory</source>
        <translation>Der Videostrom kann nicht im Arbeitsspeicher angelegt werden</translation>
    </message>
    <message>
        <source>Coder does not exist or is not available</source>
        <translation>Der Encoder existiert nicht oder ist nicht verfügbar</translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation>Unbekannter Fehler</translation>
    </message>
    <message>
        <source>No codec is called &quot;%1&quot;.</source>
        <translation>Es gibt keinen Codec namens „%1“.</translation>
    </message>
    <message>
        <source>The codec kept back some frames.</source>
        <translation>Der Codec hat einige Bilder zurückgehalten.</translation>
    </message>
</context>
<context>
    <name>VideoCli</name>
    <message>
        <source>Unable to open this video file.</source>
        <translation>Diese Videodatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Check that it has not been moved.</source>
        <translation>Prüfen Sie, ob sie nicht verschoben wurde.</translation>
    </message>
    <message>
        <source>Can not open this video file.</source>
        <translation>Diese Videodatei kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>There is no frame %1: frame indexes start at 0.</source>
        <translation>Es gibt kein Bild %1: Die Bildnummern beginnen bei 0.</translation>
    </message>
    <message>
        <source>There is no frame %1: the frames of this video are 0 to %2.</source>
        <translation>Es gibt kein Bild %1: Die Bilder dieses Videos sind 0 bis %2.</translation>
    </message>
    <message>
        <source>Frame %1 cannot be read.</source>
        <translation>Bild %1 kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>Unable to write the picture.</source>
        <translation>Das Bild kann nicht geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>VideoWriterText</name>
    <message>
        <source>No file name was given.</source>
        <translation>Es wurde kein Dateiname angegeben.</translation>
    </message>
    <message>
        <source>The frame rate is not valid.</source>
        <translation>Die Bildrate ist ungültig.</translation>
    </message>
    <message>
        <source>The frame size is not valid.</source>
        <translation>Die Bildgröße ist ungültig.</translation>
    </message>
    <message>
        <source>A folder has this name.</source>
        <translation>Es gibt bereits einen Ordner mit diesem Namen.</translation>
    </message>
    <message>
        <source>No frame was written.</source>
        <translation>Es wurde kein Bild geschrieben.</translation>
    </message>
</context>
<context>
    <name>VideoWriters</name>
    <message>
        <source>The framework %1 cannot write videos on this computer.</source>
        <translation>Das Framework %1 kann auf diesem Computer keine Videos schreiben.</translation>
    </message>
    <message>
        <source>The frame size must be positive.</source>
        <translation>Die Bildgröße muss positiv sein.</translation>
    </message>
</context>
<context>
    <name>WorkCliText</name>
    <message>
        <source>Saving has failed.</source>
        <translation>Speichern fehlgeschlagen.</translation>
    </message>
    <message>
        <source>Check that the drive is not write-protected.</source>
        <translation>Prüfen Sie, ob das Laufwerk nicht schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>File saving has failed.</source>
        <translation>Speichern der Datei fehlgeschlagen.</translation>
    </message>
    <message>
        <source>No object is named %1.</source>
        <translation>Kein Objekt heißt %1.</translation>
    </message>
    <message>
        <source>The calculation unit has detected an error.</source>
        <translation>Das Rechenwerk hat einen Fehler festgestellt.</translation>
    </message>
    <message>
        <source>Give the lens one way only: as coefficients, as straight lines or as a checkerboard.</source>
        <translation>Geben Sie das Objektiv nur auf eine Weise an: als Koeffizienten, als gerade Linien oder als Schachbrett.</translation>
    </message>
    <message>
        <source>A checkerboard finds the focal length itself and keeps the picture&apos;s centre: leave out --focal and --centre.</source>
        <translation>Ein Schachbrett bestimmt die Brennweite selbst und behält die Bildmitte bei: Lassen Sie --focal und --centre weg.</translation>
    </message>
    <message>
        <source>The work&apos;s video cannot be read.</source>
        <translation>Das Video der Arbeit kann nicht gelesen werden.</translation>
    </message>
</context>
<context>
    <name>WorkbookText</name>
    <message>
        <source>Video file</source>
        <translation>Videodatei</translation>
    </message>
    <message>
        <source>Frame interval</source>
        <translation>Bildabstand</translation>
    </message>
    <message>
        <source>m/pixel</source>
        <translation>m/pixel</translation>
    </message>
    <message>
        <source>Horizontal scale</source>
        <translation>Horizontaler Maßstab</translation>
    </message>
    <message>
        <source>Vertical scale</source>
        <translation>Vertikaler Maßstab</translation>
    </message>
    <message>
        <source>Scale</source>
        <translation>Maßstab</translation>
    </message>
    <message>
        <source>not set</source>
        <translation>nicht festgelegt</translation>
    </message>
    <message>
        <source>Axes angle</source>
        <translation>Achsenwinkel</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>The sheet %1 cannot be added.</source>
        <translation>Das Tabellenblatt %1 kann nicht hinzugefügt werden.</translation>
    </message>
    <message>
        <source>The file already exists.</source>
        <translation>Die Datei existiert bereits.</translation>
    </message>
    <message>
        <source>The file cannot be created.</source>
        <translation>Die Datei kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The file cannot be written completely.</source>
        <translation>Die Datei kann nicht vollständig geschrieben werden.</translation>
    </message>
    <message>
        <source>Unknown workbook extension: %1</source>
        <translation>Unbekannte Endung für eine Arbeitsmappe: %1</translation>
    </message>
    <message>
        <source>The file cannot be written: %1</source>
        <translation>Die Datei kann nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>The file name must end with .txt, .csv, .json, .ipynb, .xlsx or .ods: %1</source>
        <translation>Der Dateiname muss auf .txt, .csv, .json, .ipynb, .xlsx oder .ods enden: %1</translation>
    </message>
</context>
<context>
    <name>WrittenVideoText</name>
    <message>
        <source>Kolibra cannot read it back: %1</source>
        <translation>Kolibra kann das geschriebene Video nicht wieder einlesen: %1</translation>
    </message>
    <message>
        <source>Read back: %1 frames, %2 x %3 pixels, %4 frames per second</source>
        <translation>Wieder eingelesen: %1 Bilder, %2 x %3 Pixel, %4 Bilder pro Sekunde</translation>
    </message>
</context>
<context>
    <name>kolibra::printing::TBoiteImprimer</name>
    <message>
        <source>Graph</source>
        <translation>Diagramm</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <source>The page could not be printed.</source>
        <translation>Die Seite konnte nicht gedruckt werden.</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Als PDF speichern</translation>
    </message>
    <message>
        <source>PDF document (*.pdf)</source>
        <translation>PDF-Dokument (*.pdf)</translation>
    </message>
    <message>
        <source>The PDF document could not be saved.</source>
        <translation>Das PDF-Dokument konnte nicht gespeichert werden.</translation>
    </message>
    <message>
        <source>The page was saved as %1</source>
        <translation>Die Seite wurde gespeichert als %1</translation>
    </message>
    <message>
        <source>PDF saved:</source>
        <translation>PDF gespeichert:</translation>
    </message>
    <message>
        <source>|Pan or adjust frame dimensions with left mouse button</source>
        <translation>|Mit der linken Maustaste den Rahmen verschieben oder seine Größe anpassen</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>|Add a title</source>
        <translation>|Einen Titel hinzufügen</translation>
    </message>
    <message>
        <source>|Select a font for title</source>
        <translation>|Schriftart für den Titel wählen</translation>
    </message>
    <message>
        <source>|Title font height</source>
        <translation>|Schriftgröße des Titels</translation>
    </message>
    <message>
        <source>|Change font height</source>
        <translation>|Schriftgröße ändern</translation>
    </message>
    <message>
        <source>Zoom:</source>
        <translation>Zoom:</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>|Landscape mode rotates the graph 90 degrees from its default orientation</source>
        <translation>|Im Querformat wird das Diagramm gegenüber der Standardausrichtung um 90 Grad gedreht</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Quick page setup</source>
        <translation>Schnelle Seiteneinrichtung</translation>
    </message>
    <message>
        <source>|Select a template</source>
        <translation>|Vorlage wählen</translation>
    </message>
    <message>
        <source>Top centered</source>
        <translation>Oben zentriert</translation>
    </message>
    <message>
        <source>Full page</source>
        <translation>Ganze Seite</translation>
    </message>
    <message>
        <source>|Simple custom printing or automatic double</source>
        <translation>|Einfacher eigener Druck oder automatisch doppelt</translation>
    </message>
    <message>
        <source>|Save the page as a PDF document</source>
        <translation>|Die Seite als PDF-Dokument speichern</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppelt</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>|Close the print window</source>
        <translation>|Druckfenster schließen</translation>
    </message>
</context>
</TS>
