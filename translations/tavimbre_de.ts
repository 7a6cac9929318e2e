<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Arrange</name>
    <message>
        <source>Process box</source>
        <translation>Prozessrechteck</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Sequential data</source>
        <translation>Sequenzielle Daten</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Terminate</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Stored data</source>
        <translation>Gespeicherte Daten</translation>
    </message>
    <message>
        <source>Predefined process</source>
        <translation>Vordefinierter Prozess</translation>
    </message>
    <message>
        <source>Internal storage</source>
        <translation>Interner Speicher</translation>
    </message>
    <message>
        <source>Direct data</source>
        <translation>Direktdaten</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Manual operation</source>
        <translation>Manuelle Verarbeitung</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>Loop limit</source>
        <translation>Schleifenbegrenzung</translation>
    </message>
    <message>
        <source>Off-page reference</source>
        <translation>Seitenverweis</translation>
    </message>
    <message>
        <source>Parallel mode</source>
        <translation>Parallelmodus</translation>
    </message>
    <message>
        <source>Internal process</source>
        <translation>Interner Prozess</translation>
    </message>
    <message>
        <source>Paper tape</source>
        <translation>Lochstreifen</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>The canvas it needs would be %1 x %2 pixels, more than the %3 megapixels this program opens</source>
        <translation>Die nötige Leinwand hätte %1 x %2 Pixel, mehr als die %3 Megapixel, die dieses Programm öffnet</translation>
    </message>
    <message>
        <source>Not enough memory for a canvas of %1 x %2 pixels</source>
        <translation>Nicht genug Speicher für eine Leinwand von %1 x %2 Pixeln</translation>
    </message>
    <message>
        <source>A canvas of %1 x %2 pixels has no pixels</source>
        <translation>Eine Leinwand von %1 x %2 Pixeln hat keine Pixel</translation>
    </message>
    <message>
        <source>Not enough memory to turn a picture of %1 x %2 pixels</source>
        <translation>Nicht genug Speicher, um ein Bild von %1 x %2 Pixeln zu drehen</translation>
    </message>
    <message>
        <source>The part to crop to lies outside the picture</source>
        <translation>Der Teil, auf den zugeschnitten werden soll, liegt außerhalb des Bildes</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels</source>
        <translation>Nicht genug Speicher für ein Bild von %1 x %2 Pixeln</translation>
    </message>
</context>
<context>
    <name>Chain</name>
    <message>
        <source>The next figure would not fit inside the picture.</source>
        <translation>Die nächste Figur passt nicht mehr ins Bild.</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>The disk took only part of the file</source>
        <translation>Der Datenträger hat nur einen Teil der Datei aufgenommen</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>The canvas could not return to its own size: %1</source>
        <translation>Die Leinwand konnte nicht zu ihrer eigenen Größe zurückkehren: %1</translation>
    </message>
    <message>
        <source>The width must be 1 to %1 pixels and the height 1 to %2.</source>
        <translation>Die Breite muss 1 bis %1 Pixel betragen und die Höhe 1 bis %2.</translation>
    </message>
</context>
<context>
    <name>FigureMemory</name>
    <message>
        <source>circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>process box</source>
        <translation>Prozessrechteck</translation>
    </message>
    <message>
        <source>start symbol</source>
        <translation>Startsymbol</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>terminal symbol</source>
        <translation>Endsymbol</translation>
    </message>
    <message>
        <source>data symbol</source>
        <translation>Datensymbol</translation>
    </message>
    <message>
        <source>stored data symbol</source>
        <translation>Symbol für gespeicherte Daten</translation>
    </message>
    <message>
        <source>predefined process</source>
        <translation>vordefinierter Prozess</translation>
    </message>
    <message>
        <source>internal storage symbol</source>
        <translation>Symbol für internen Speicher</translation>
    </message>
    <message>
        <source>sequential data symbol</source>
        <translation>Symbol für sequenzielle Daten</translation>
    </message>
    <message>
        <source>direct data symbol</source>
        <translation>Symbol für Direktdaten</translation>
    </message>
    <message>
        <source>manual input symbol</source>
        <translation>Symbol für manuelle Eingabe</translation>
    </message>
    <message>
        <source>manual operation</source>
        <translation>manuelle Verarbeitung</translation>
    </message>
    <message>
        <source>preparation symbol</source>
        <translation>Vorbereitungssymbol</translation>
    </message>
    <message>
        <source>loop limit</source>
        <translation>Schleifenbegrenzung</translation>
    </message>
    <message>
        <source>off-page reference</source>
        <translation>Seitenverweis</translation>
    </message>
    <message>
        <source>parallel mode symbol</source>
        <translation>Symbol für Parallelmodus</translation>
    </message>
    <message>
        <source>internal process</source>
        <translation>interner Prozess</translation>
    </message>
    <message>
        <source>paper tape</source>
        <translation>Lochstreifen</translation>
    </message>
    <message>
        <source>document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Oben</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Unten</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Links</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Rechts</translation>
    </message>
    <message>
        <source>Top of the %1</source>
        <translation>Obere Seite: %1</translation>
    </message>
    <message>
        <source>Bottom of the %1</source>
        <translation>Untere Seite: %1</translation>
    </message>
    <message>
        <source>Left of the %1</source>
        <translation>Linke Seite: %1</translation>
    </message>
    <message>
        <source>Right of the %1</source>
        <translation>Rechte Seite: %1</translation>
    </message>
    <message>
        <source>Top corner of the %1</source>
        <translation>Obere Ecke: %1</translation>
    </message>
    <message>
        <source>Bottom corner of the %1</source>
        <translation>Untere Ecke: %1</translation>
    </message>
    <message>
        <source>Left corner of the %1</source>
        <translation>Linke Ecke: %1</translation>
    </message>
    <message>
        <source>Right corner of the %1</source>
        <translation>Rechte Ecke: %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The file %1 has been changed by another program since it was opened. Replace it with this picture?</source>
        <translation>Die Datei %1 wurde seit dem Öffnen von einem anderen Programm geändert. Soll sie durch dieses Bild ersetzt werden?</translation>
    </message>
    <message>
        <source>The  %1 file has changed. Do you want to save the changes?</source>
        <translation>Die Datei %1 wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>The  %1  file has changed. Do you want to save the changes?</source>
        <translation>Die Datei %1 wurde geändert. Möchten Sie die Änderungen speichern?</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 existiert bereits.<byte value="xd"/>
Möchten Sie die Datei ersetzen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>JPEG-Dateien</translation>
    </message>
    <message>
        <source>GIF files</source>
        <translation>GIF-Dateien</translation>
    </message>
    <message>
        <source>Bitmap files</source>
        <translation>Bitmap-Dateien</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Alle Dateien</translation>
    </message>
    <message>
        <source>The chart is too large to keep in the file: the picture was saved without it.</source>
        <translation>Das Diagramm ist zu groß, um es in der Datei zu behalten: Das Bild wurde ohne es gespeichert.</translation>
    </message>
    <message>
        <source>The chart in this file no longer matches its picture; it opens as a plain picture.</source>
        <translation>Das Diagramm in dieser Datei passt nicht mehr zu ihrem Bild; sie wird als einfaches Bild geöffnet.</translation>
    </message>
    <message>
        <source>The chart in this file is damaged; it opens as a plain picture.</source>
        <translation>Das Diagramm in dieser Datei ist beschädigt; sie wird als einfaches Bild geöffnet.</translation>
    </message>
</context>
<context>
    <name>FileIdentity</name>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Unterstrichen</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Durchgestrichen</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>Fa&amp;rbe...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Schriftart:</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Größe:</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Stil:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Beispiel:</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Farbe</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>About Tavimbre</source>
        <translation>Über Tavimbre</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Wiederholen</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Bild kopieren</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
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
    <message>
        <source>Fit Window</source>
        <translation>An Fenster anpassen</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Raster anzeigen</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <source>Grid Spacing...</source>
        <translation>Rasterabstand...</translation>
    </message>
    <message>
        <source>Canvas Size...</source>
        <translation>Leinwandgröße...</translation>
    </message>
    <message>
        <source>DrawColor</source>
        <translation>Zeichenfarbe</translation>
    </message>
    <message>
        <source>Text Font - Color</source>
        <translation>Textschrift - Farbe</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Drucken...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Als PDF exportieren...</translation>
    </message>
    <message>
        <source>Transparent Selection</source>
        <translation>Transparente Auswahl</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Nach rechts drehen</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Nach links drehen</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Um 180° drehen</translation>
    </message>
    <message>
        <source>Crop to Selection</source>
        <translation>Auf Auswahl zuschneiden</translation>
    </message>
    <message>
        <source>Crop to Content</source>
        <translation>Auf Inhalt zuschneiden</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Fill Tolerance...</source>
        <translation>Fülltoleranz...</translation>
    </message>
    <message>
        <source>Pick Colour</source>
        <translation>Farbe aufnehmen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Arrow at End</source>
        <translation>Pfeil am Ende</translation>
    </message>
    <message>
        <source>Arrows at Both Ends</source>
        <translation>Pfeile an beiden Enden</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Durchgezogen</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Gestrichelt</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Gepunktet</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Gerade</translation>
    </message>
    <message>
        <source>Elbow</source>
        <translation>Gewinkelt</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Ansicht</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>B&amp;ild</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>E&amp;xtras</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>B&amp;eenden</translation>
    </message>
    <message>
        <source>Line Ends</source>
        <translation>Linienenden</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>Linienstil</translation>
    </message>
    <message>
        <source>Line Route</source>
        <translation>Linienführung</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Chain Gap...</source>
        <translation>Abstand beim Verketten...</translation>
    </message>
    <message>
        <source>Arrange Figures</source>
        <translation>Figuren anordnen</translation>
    </message>
    <message>
        <source>Process tool</source>
        <translation>Werkzeug Prozess</translation>
    </message>
    <message>
        <source>Decision tool</source>
        <translation>Werkzeug Entscheidung</translation>
    </message>
    <message>
        <source>Data tool</source>
        <translation>Werkzeug Daten</translation>
    </message>
    <message>
        <source>Start and end tool</source>
        <translation>Werkzeug Start und Ende</translation>
    </message>
    <message>
        <source>Document tool</source>
        <translation>Werkzeug Dokument</translation>
    </message>
    <message>
        <source>Predefined Process tool</source>
        <translation>Werkzeug Vordefinierter Prozess</translation>
    </message>
    <message>
        <source>Manual Input tool</source>
        <translation>Werkzeug Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Preparation tool</source>
        <translation>Werkzeug Vorbereitung</translation>
    </message>
    <message>
        <source>Circle tool</source>
        <translation>Werkzeug Kreis</translation>
    </message>
    <message>
        <source>Label the last line or arrow</source>
        <translation>Letzte Linie oder letzten Pfeil beschriften</translation>
    </message>
    <message>
        <source>Snap to Figures</source>
        <translation>An Figuren ausrichten</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Eraser</source>
        <translation>Radierer</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Bild löschen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Prozess</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Linie</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Daten</translation>
    </message>
    <message>
        <source>Stored data</source>
        <translation>Gesp. Daten</translation>
    </message>
    <message>
        <source>Stored Data</source>
        <translation>Gespeicherte Daten</translation>
    </message>
    <message>
        <source>Predefined.</source>
        <translation>Vordef.</translation>
    </message>
    <message>
        <source>Predefined Process</source>
        <translation>Vordefinierter Prozess</translation>
    </message>
    <message>
        <source>Sequential.</source>
        <translation>Sequenz.</translation>
    </message>
    <message>
        <source>Sequential Data</source>
        <translation>Sequenzielle Daten</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Lochstreifen</translation>
    </message>
    <message>
        <source>Internal..</source>
        <translation>Intern..</translation>
    </message>
    <message>
        <source>Internal Storage</source>
        <translation>Interner Speicher</translation>
    </message>
    <message>
        <source>Direct Data</source>
        <translation>Direktdaten</translation>
    </message>
    <message>
        <source>Manual... </source>
        <translation>Manuell... </translation>
    </message>
    <message>
        <source>Manual Input</source>
        <translation>Manuelle Eingabe</translation>
    </message>
    <message>
        <source>Decision...</source>
        <translation>Entscheid...</translation>
    </message>
    <message>
        <source>Decision Box</source>
        <translation>Entscheidung</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Vorbereitung</translation>
    </message>
    <message>
        <source>Manual...</source>
        <translation>Manuell...</translation>
    </message>
    <message>
        <source>Manual Operation</source>
        <translation>Manuelle Verarbeitung</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Documnet</source>
        <translation>Dokument</translation>
    </message>
    <message>
        <source>Off-page...</source>
        <translation>Seitenverw.</translation>
    </message>
    <message>
        <source>Off-page Reference</source>
        <translation>Seitenverweis</translation>
    </message>
    <message>
        <source>Internal...</source>
        <translation>Intern...</translation>
    </message>
    <message>
        <source>Internal Process</source>
        <translation>Interner Prozess</translation>
    </message>
    <message>
        <source>Parallel...</source>
        <translation>Parallel...</translation>
    </message>
    <message>
        <source>Parallel Mode</source>
        <translation>Parallelmodus</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Pfeil hoch</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Pfeil runter</translation>
    </message>
    <message>
        <source>Unnamed...</source>
        <translation>Namenlos...</translation>
    </message>
    <message>
        <source>Unnamed Object</source>
        <translation>Namenloses Objekt</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Pfeil links</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Pfeil rechts</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Pfeil</translation>
    </message>
    <message>
        <source>Single Double Side Arrow</source>
        <translation>Einfacher Doppelpfeil</translation>
    </message>
    <message>
        <source>Single Left Arrow</source>
        <translation>Einfacher Pfeil nach links</translation>
    </message>
    <message>
        <source>Single Right Arrow</source>
        <translation>Einfacher Pfeil nach rechts</translation>
    </message>
    <message>
        <source>Loop Limit</source>
        <translation>Schleife</translation>
    </message>
    <message>
        <source>Single Up Arrow</source>
        <translation>Einfacher Pfeil nach oben</translation>
    </message>
    <message>
        <source>Single Down Arrow</source>
        <translation>Einfacher Pfeil nach unten</translation>
    </message>
    <message>
        <source>Terminate</source>
        <translation>Ende</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>The page cannot be painted</source>
        <translation>Die Seite kann nicht gezeichnet werden</translation>
    </message>
    <message>
        <source>The page cannot be finished</source>
        <translation>Die Seite kann nicht abgeschlossen werden</translation>
    </message>
    <message>
        <source>The picture could not be exported to &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht nach „%1“ exportiert werden: %2</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2</source>
        <translation>Die Datei „%1“ konnte nicht geöffnet werden: %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Datei oder Verzeichnis nicht gefunden</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>Es ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Es ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Die Datei ist leer</translation>
    </message>
    <message>
        <source>It is not a picture this program can read (%1)</source>
        <translation>Es ist kein Bild, das dieses Programm lesen kann (%1)</translation>
    </message>
    <message>
        <source>The picture claims %1 x %2 pixels, more than the %3 megapixels this program opens</source>
        <translation>Das Bild gibt %1 x %2 Pixel an, mehr als die %3 Megapixel, die dieses Programm öffnet</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Nicht genug Speicher für das Bild</translation>
    </message>
    <message>
        <source>Its picture data cannot be decoded (%1)</source>
        <translation>Seine Bilddaten können nicht dekodiert werden (%1)</translation>
    </message>
    <message>
        <source>The bitmap is truncated: the file ends before its pixels do</source>
        <translation>Die Bitmap ist abgeschnitten: Die Datei endet vor ihren Pixeln</translation>
    </message>
    <message>
        <source>The bitmap is truncated: the data ends before its pixels do</source>
        <translation>Die Bitmap ist abgeschnitten: Die Daten enden vor ihren Pixeln</translation>
    </message>
    <message>
        <source>The picture could not be saved to &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht unter „%1“ gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The PNG is damaged: a part of it runs past its end</source>
        <translation>Das PNG ist beschädigt: Ein Teil davon reicht über sein Ende hinaus</translation>
    </message>
</context>
<context>
    <name>PressTools</name>
    <message>
        <source>Fill</source>
        <translation>Füllen</translation>
    </message>
    <message>
        <source>Pick Colour</source>
        <translation>Farbe aufnehmen</translation>
    </message>
    <message>
        <source>Arrange Figures</source>
        <translation>Figuren anordnen</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>%1 is not this program&apos;s</source>
        <translation>%1 gehört nicht zu diesem Programm</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 fehlt</translation>
    </message>
    <message>
        <source>The print support could not be loaded: %1</source>
        <translation>Die Druckunterstützung konnte nicht geladen werden: %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Speichern unter</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Leinwandgröße</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> Pixel</translation>
    </message>
    <message>
        <source>More than the %1 megapixels a canvas may have.</source>
        <translation>Mehr als die %1 Megapixel, die eine Leinwand haben darf.</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Breite:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Höhe:</translation>
    </message>
    <message>
        <source>Grid Spacing</source>
        <translation>Rasterabstand</translation>
    </message>
    <message>
        <source>Pixels between grid lines:</source>
        <translation>Pixel zwischen den Rasterlinien:</translation>
    </message>
    <message>
        <source>Fill Tolerance</source>
        <translation>Fülltoleranz</translation>
    </message>
    <message>
        <source>How far a colour may differ from the pressed one (0 to 255):</source>
        <translation>Wie weit eine Farbe von der angeklickten abweichen darf (0 bis 255):</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Tastenkürzel</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Tasten</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Wirkung</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>Über Qt</translation>
    </message>
    <message>
        <source>Chain Gap</source>
        <translation>Abstand beim Verketten</translation>
    </message>
    <message>
        <source>Pixels between a figure and the next one chained from it:</source>
        <translation>Pixel zwischen einer Figur und der daran angehängten nächsten:</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The recovery copy could not be written to &quot;%1&quot;: %2</source>
        <translation>Die Wiederherstellungskopie konnte nicht nach „%1“ geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Der Ordner kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Its lock file cannot be made</source>
        <translation>Ihre Sperrdatei kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>Its lock file cannot be made: %1</source>
        <translation>Ihre Sperrdatei kann nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The copy has been moved to &quot;%1&quot;.</source>
        <translation>Die Kopie wurde nach „%1“ verschoben.</translation>
    </message>
    <message>
        <source>C</source>
        <comment>the locale of the date in the recovery question</comment>
        <translation>de_DE</translation>
    </message>
    <message>
        <source>today</source>
        <translation>heute</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d. MMMM yyyy</translation>
    </message>
    <message>
        <source>Tavimbre was closed with unsaved changes to %1 (%2 %3). Recover them?</source>
        <translation>Tavimbre wurde mit ungespeicherten Änderungen an %1 geschlossen (%2 %3). Wiederherstellen?</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Drawing</source>
        <translation>Zeichnen</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Beschriftungen</translation>
    </message>
    <message>
        <source>Chaining</source>
        <translation>Verketten</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menüs</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Weitere Tasten</translation>
    </message>
    <message>
        <source>Drag on the canvas</source>
        <translation>Auf der Leinwand ziehen</translation>
    </message>
    <message>
        <source>Draws the chosen tool&apos;s figure, its outline following the pointer</source>
        <translation>Zeichnet die Figur des gewählten Werkzeugs; ihr Umriss folgt dem Zeiger</translation>
    </message>
    <message>
        <source>Double-click a palette button</source>
        <translation>Doppelklick auf eine Schaltfläche der Palette</translation>
    </message>
    <message>
        <source>Locks its tool: it is chosen again after each figure, until Esc or another button</source>
        <translation>Hält sein Werkzeug fest: Es wird nach jeder Figur wieder gewählt, bis Esc oder eine andere Schaltfläche</translation>
    </message>
    <message>
        <source>Ends a drag without its figure; gives up a locked tool; leaves Fill and Pick Colour</source>
        <translation>Bricht ein Ziehen ohne seine Figur ab; gibt ein festgehaltenes Werkzeug frei; beendet Füllen und Farbe aufnehmen</translation>
    </message>
    <message>
        <source>Drag a handle on the picture&apos;s right edge, bottom edge or corner</source>
        <translation>Einen Anfasser am rechten Rand, am unteren Rand oder an der Ecke des Bildes ziehen</translation>
    </message>
    <message>
        <source>Sets the picture&apos;s size</source>
        <translation>Legt die Größe des Bildes fest</translation>
    </message>
    <message>
        <source>Click on the canvas</source>
        <translation>Auf die Leinwand klicken</translation>
    </message>
    <message>
        <source>Stamps the text typed in &quot;Enter Text&quot; with its top-left corner there</source>
        <translation>Setzt den unter „Texteingabe“ getippten Text mit seiner linken oberen Ecke dorthin</translation>
    </message>
    <message>
        <source>In &quot;Enter Text&quot; or on the canvas: labels what was drawn last, the text centred inside a figure or beside a line</source>
        <translation>In „Texteingabe“ oder auf der Leinwand: beschriftet das zuletzt Gezeichnete, den Text zentriert in einer Figur oder neben einer Linie</translation>
    </message>
    <message>
        <source>Draws the next figure below, above, left or right of the one under the pointer (or the last one), joined to it by an arrow</source>
        <translation>Zeichnet die nächste Figur unter, über, links oder rechts neben der Figur unter dem Zeiger (oder der letzten), mit ihr durch einen Pfeil verbunden</translation>
    </message>
    <message>
        <source>Drag with Select on</source>
        <translation>Bei aktivem Auswählen ziehen</translation>
    </message>
    <message>
        <source>Marks a part of the picture</source>
        <translation>Markiert einen Teil des Bildes</translation>
    </message>
    <message>
        <source>Drag from inside the marked part</source>
        <translation>Vom markierten Teil aus ziehen</translation>
    </message>
    <message>
        <source>Moves its pixels; they float until dropped</source>
        <translation>Verschiebt seine Pixel; sie schweben, bis sie abgesetzt werden</translation>
    </message>
    <message>
        <source>Press outside the marked part</source>
        <translation>Außerhalb des markierten Teils drücken</translation>
    </message>
    <message>
        <source>Drops what floats</source>
        <translation>Setzt ab, was schwebt</translation>
    </message>
    <message>
        <source>Ctrl+wheel</source>
        <translation>Strg+Mausrad</translation>
    </message>
    <message>
        <source>Zooms in or out about the pointer</source>
        <translation>Vergrößert oder verkleinert die Ansicht um den Zeiger</translation>
    </message>
    <message>
        <source>Drop a picture file on the window</source>
        <translation>Eine Bilddatei auf dem Fenster ablegen</translation>
    </message>
    <message>
        <source>Opens it, as Open does</source>
        <translation>Öffnet sie wie Öffnen</translation>
    </message>
    <message>
        <source>Drop picture data on the window</source>
        <translation>Bilddaten auf dem Fenster ablegen</translation>
    </message>
    <message>
        <source>Floats it, as Paste does</source>
        <translation>Lässt sie schweben wie Einfügen</translation>
    </message>
    <message>
        <source>Open the menu bar&apos;s %1</source>
        <translation>Öffnen die Menüs %1 der Menüleiste</translation>
    </message>
    <message>
        <source>A key of the window</source>
        <translation>Eine Taste des Fensters</translation>
    </message>
    <message>
        <source>Moves the focus to the next palette button or control, or back</source>
        <translation>Setzt den Fokus auf die nächste Schaltfläche der Palette oder das nächste Steuerelement, oder zurück</translation>
    </message>
    <message>
        <source>On a palette button: presses it while &quot;Enter Text&quot; is empty, else types a blank</source>
        <translation>Auf einer Schaltfläche der Palette: drückt sie, solange „Texteingabe“ leer ist, sonst tippt sie ein Leerzeichen</translation>
    </message>
    <message>
        <source>Type on the canvas or a palette button</source>
        <translation>Auf der Leinwand oder einer Schaltfläche der Palette tippen</translation>
    </message>
    <message>
        <source>Writes into &quot;Enter Text&quot;, Backspace too, the focus staying where it is</source>
        <translation>Schreibt in „Texteingabe“, auch die Rücktaste; der Fokus bleibt, wo er ist</translation>
    </message>
    <message>
        <source>Drag a figure in Arrange Figures</source>
        <translation>Figur ziehen in „Figuren anordnen“</translation>
    </message>
    <message>
        <source>Moves it, its connectors following</source>
        <translation>Verschiebt sie, ihre Verbindungen folgen</translation>
    </message>
    <message>
        <source>On the canvas in Arrange Figures: move the current figure a pixel, with Ctrl a grid step</source>
        <translation>Auf der Zeichenfläche in „Figuren anordnen“: verschieben die aktuelle Figur um ein Pixel, mit Strg um einen Rasterschritt</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Pointer %1, %2</source>
        <translation>Zeiger %1, %2</translation>
    </message>
    <message>
        <source>Drag %1 × %2</source>
        <translation>Ziehen %1 × %2</translation>
    </message>
    <message>
        <source>Picture %1 × %2 → %3 × %4</source>
        <translation>Bild %1 × %2 → %3 × %4</translation>
    </message>
    <message>
        <source>Picture %1 × %2</source>
        <translation>Bild %1 × %2</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>This figure is drawn by dragging down and to the right.</source>
        <translation>Diese Figur wird durch Ziehen nach rechts unten gezeichnet.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Auswählen</translation>
    </message>
    <message>
        <source>%1 (locked)</source>
        <translation>%1 (festgehalten)</translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Are you sure you want to clear the picture?</source>
        <translation>Möchten Sie das Bild wirklich löschen?</translation>
    </message>
    <message>
        <source>The label is larger than its figure: it is stamped at 6 points.</source>
        <translation>Die Beschriftung ist größer als ihre Figur: Sie wird in 6 Punkt gesetzt.</translation>
    </message>
    <message>
        <source>Draw a figure first: Return centres the text in the last figure drawn.</source>
        <translation>Zeichnen Sie zuerst eine Figur: Die Eingabetaste zentriert den Text in der zuletzt gezeichneten Figur.</translation>
    </message>
    <message>
        <source>Draw width</source>
        <translation>Strichbreite</translation>
    </message>
    <message>
        <source>Eraser width</source>
        <translation>Radierbreite</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>To write the text to picture box,  write text in above textbox and click left mouse button at the specified position of the picture.</source>
        <translation>Um Text ins Bild zu schreiben, geben Sie ihn oben ein und klicken Sie mit der linken Maustaste an die gewünschte Stelle im Bild.</translation>
    </message>
    <message>
        <source>--Select--</source>
        <translation>--Auswahl--</translation>
    </message>
    <message>
        <source>The picture could not be pasted: %1</source>
        <translation>Das Bild konnte nicht eingefügt werden: %1</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Die Zwischenablage enthält kein Bild.</translation>
    </message>
    <message>
        <source>The pasted picture is larger than this one. Enlarge it?</source>
        <translation>Das eingefügte Bild ist größer als dieses. Dieses Bild vergrößern?</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>Das Bild konnte nicht gedruckt werden: %1</translation>
    </message>
    <message>
        <source>The picture could not be printed into &quot;%1&quot;: %2</source>
        <translation>Das Bild konnte nicht in „%1“ gedruckt werden: %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Nach %1 exportiert</translation>
    </message>
    <message>
        <source>the section &quot;Using it&quot; of the README</source>
        <translation>den Abschnitt „Using it“ der README</translation>
    </message>
    <message>
        <source>the section &quot;Using it&quot; of the &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt;</source>
        <translation>den Abschnitt „Using it“ der &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Tavimbre</source>
        <translation>Über Tavimbre</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tavimbre %1&lt;/h3&gt;&lt;p&gt;Draws flowcharts by hand on a raster canvas.&lt;/p&gt;&lt;p&gt;Released under the MIT License (see LICENSE).&lt;/p&gt;&lt;p&gt;How to use it: %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tavimbre %1&lt;/h3&gt;&lt;p&gt;Zeichnet Flussdiagramme von Hand auf einer Rasterleinwand.&lt;/p&gt;&lt;p&gt;Veröffentlicht unter der MIT-Lizenz (siehe LICENSE).&lt;/p&gt;&lt;p&gt;Zur Bedienung siehe %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Not enough memory to turn the selected part</source>
        <translation>Nicht genug Speicher, um den ausgewählten Teil zu drehen</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Nichts ist ausgewählt.</translation>
    </message>
    <message>
        <source>The picture is all white: there is nothing to crop to.</source>
        <translation>Das Bild ist ganz weiß: Es gibt nichts zuzuschneiden.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>Fill: press the area to fill with the draw colour.</source>
        <translation>Füllen: Klicken Sie in die Fläche, die die Zeichenfarbe erhalten soll.</translation>
    </message>
    <message>
        <source>Pick Colour: press the colour to draw with.</source>
        <translation>Farbe aufnehmen: Klicken Sie auf die Farbe, mit der Sie zeichnen möchten.</translation>
    </message>
    <message>
        <source>Draw colour: red %1, green %2, blue %3</source>
        <translation>Zeichenfarbe: Rot %1, Grün %2, Blau %3</translation>
    </message>
    <message>
        <source>The grid spacing is %1 to %2 pixels.</source>
        <translation>Der Rasterabstand beträgt %1 bis %2 Pixel.</translation>
    </message>
    <message>
        <source>This change is too large to be undone.</source>
        <translation>Diese Änderung ist zu groß, um sie rückgängig machen zu können.</translation>
    </message>
    <message>
        <source>This change is too large to be undone. Make it anyway?</source>
        <translation>Diese Änderung ist zu groß, um sie rückgängig machen zu können. Trotzdem ausführen?</translation>
    </message>
    <message>
        <source>The dropped picture could not be used: %1</source>
        <translation>Das abgelegte Bild konnte nicht verwendet werden: %1</translation>
    </message>
    <message>
        <source>Chaining draws a figure: leave Select first (Esc).</source>
        <translation>Verketten zeichnet eine Figur: Beenden Sie zuerst „Auswählen“ (Esc).</translation>
    </message>
    <message>
        <source>Chaining draws a figure: leave Fill first (Esc).</source>
        <translation>Verketten zeichnet eine Figur: Beenden Sie zuerst „Füllen“ (Esc).</translation>
    </message>
    <message>
        <source>Chaining draws a figure: leave Pick Colour first (Esc).</source>
        <translation>Verketten zeichnet eine Figur: Beenden Sie zuerst „Farbe aufnehmen“ (Esc).</translation>
    </message>
    <message>
        <source>Chaining draws a figure: choose a figure tool in place of the eraser.</source>
        <translation>Verketten zeichnet eine Figur: Wählen Sie statt des Radierers ein Figurenwerkzeug.</translation>
    </message>
    <message>
        <source>The chain gap is %1 to %2 pixels.</source>
        <translation>Der Abstand beim Verketten beträgt %1 bis %2 Pixel.</translation>
    </message>
    <message>
        <source>Draw a figure first: the arrow keys move the current figure.</source>
        <translation>Zeichnen Sie zuerst eine Figur: Die Pfeiltasten verschieben die aktuelle Figur.</translation>
    </message>
    <message>
        <source>The figure grew to hold its label.</source>
        <translation>Die Figur ist gewachsen, damit ihre Beschriftung hineinpasst.</translation>
    </message>
    <message>
        <source>The figure cannot grow to hold its label here: it is stamped smaller.</source>
        <translation>Die Figur kann hier nicht wachsen, um ihre Beschriftung aufzunehmen: Sie wird kleiner gestempelt.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Weitere Werkzeuge</translation>
    </message>
    <message>
        <source>Draw a line or an arrow first: Ctrl+Return writes the text beside the last one drawn.</source>
        <translation>Zeichnen Sie zuerst eine Linie oder einen Pfeil: Strg+Eingabe schreibt den Text neben die zuletzt gezeichnete.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Draw flowcharts by hand on a raster canvas.</source>
        <translation>Flussdiagramme von Hand auf einer Rasterleinwand zeichnen.</translation>
    </message>
    <message>
        <source>Run the commands in FILE headless, then exit.</source>
        <translation>Die Befehle in FILE ohne Fenster ausführen, dann beenden.</translation>
    </message>
    <message>
        <source>With --script, write every canvas call to FILE.</source>
        <translation>Mit --script jeden Zeichenaufruf der Leinwand in FILE schreiben.</translation>
    </message>
    <message>
        <source>A picture to open at start.</source>
        <translation>Ein Bild, das beim Start geöffnet wird.</translation>
    </message>
</context>
</TS>
