<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>Über Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Alle Rechte vorbehalten.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Randgröße und -farbe</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>Keine Kamera</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Kamera wird geöffnet...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>Neu aufnehmen</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Verwenden</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>Video aufnehmen</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>Standbild aufnehmen</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>Aufnahmeart wechseln
Aktuell: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>Aufnahmefehler</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>Die Aufnahme wurde nicht gespeichert.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>Kamerafehler</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>Fehler bei der Bildaufnahme</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>Text hier eingeben</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>Bild einfügen</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>Das Programm ist abgestürzt!</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Fehlercode</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>Fehleradresse</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>Der Absturzbericht „%1“ wurde in %2 gespeichert</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>Absturz aufgetreten</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>Weiche Kante %1%</translation>
    </message>
</context>
<context>
    <name>DesktopMainWindow</name>
    <message>
        <source>100%</source>
        <translation>100 %</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25 %</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50 %</translation>
    </message>
    <message>
        <source>540p</source>
        <translation>540p</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75 %</translation>
    </message>
    <message>
        <source>Export the movie</source>
        <translation>Film exportieren</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>Vorschau im Vollbild</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Hauptfenster</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>Filmeinstellungen</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Nächste Position</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>Kein Abschnitt in Bearbeitung</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>Vorschauauflösung</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>Vorschaugröße</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>Vorschauauflösung</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>Vorschaugröße</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Vorherige Position</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Speichern &amp;&amp; schließen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ansicht</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>Medien-Explorer</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>Segment-Inspektor</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergang</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna-Hilfe</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna für Smartphones</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Über Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Zuschneiden...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>Bearbeitung...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>Zeichnen...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 Ein</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 Aus</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 Ein/Aus</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Sanft</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Kreisförmig</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elastisch</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Abprallen</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>Freihandstift</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Sprühdose</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textur</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Radiergummi</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>Zeichnung löschen</translation>
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
        <source>Line Width</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>Gerade Linie</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>Rechteck (Umriss)</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Gefülltes Rechteck</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>Abgerundetes Rechteck (Umriss)</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>Gefülltes abgerundetes Rechteck</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>Kreis (Umriss)</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>Gefüllter Kreis</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>Ellipse (Umriss)</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>Gefüllte Ellipse</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>Dreieck (Umriss)</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>Gefülltes Dreieck</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>Raute (Umriss)</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>Gefüllte Raute</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>Pentagramm (Umriss)</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>Gefülltes Pentagramm</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>Fünfeck (Umriss)</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>Gefülltes Fünfeck</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>Herz (Umriss)</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>Gefülltes Herz</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>Im Album speichern</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Text einfügen</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Bild einfügen</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>Strichhärte</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Linearer Verlauf</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Radialer Verlauf</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>Zwischen Stift und Radiergummi wechseln</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>Gestrichelte Linie</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Gepunktete Linie</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>Pfeil</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>Bild auswählen</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Bildgröße</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>Text ändern</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Textausrichtung</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Linienstärke</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Härte</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Textgröße</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Bildgröße</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Selbst zeichnen</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Zeichnung bearbeiten</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>Foto ersetzen</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>Farbe wählen</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>Keine Farbe</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Vorherige Position</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Nächste Position</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>Vollbild beenden</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>Geometrie</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>H</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Im Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Gegen den Uhrzeigersinn drehen</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>Zuschneiden &amp; Weiche Kante</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>Perspektive (Vier-Punkt-Positionierung)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Ecke oben links</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Ecke oben rechts</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Ecke unten rechts</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Ecke unten links</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>GIPHY durchsuchen</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>Netzwerkfehler (Code=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>Netzwerkfehler (Code=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>Netzwerkanfrage fehlgeschlagen (Statuscode=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>Fehler beim Lesen der Daten (Code=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>Datei wird heruntergeladen...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>Downloadfehler (Code=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>Nur Bilder anzeigen</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>Nur Videos anzeigen</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>Nur Musik anzeigen</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>Medien aus den Fotos- und Musik-Apps des Systems anzeigen</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>Medien aus der integrierten Bibliothek anzeigen</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>Medien aus dem Ordner „Lokale Dateien“ (iTunes-Dateifreigabe) anzeigen</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Alle</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>Ordner nicht gefunden</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>Ordner auswählen...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Ordner auswählen</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>Symbolansicht</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>Listenansicht</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>Im Dateimanager anzeigen</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Seitenverhältnis beibehalten</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Standard wiederherstellen</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Bildschirm ausfüllen</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Text bearbeiten</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Originalgröße</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Zeichnung bearbeiten</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>Bearbeitungseigenschaften auf alle %1-Segmente angewendet</translation>
    </message>
    <message>
        <source>video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>image</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>Zeichnung</translation>
    </message>
    <message>
        <source>text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>Sprachaufnahme</translation>
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
        <source>Enter Range Selection</source>
        <translation>Bereichsauswahl starten</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>Einfüge-/Überschreibmodus umschalten</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>Bearbeitung beenden</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>Übergänge bearbeiten</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>Bearbeitung der Übergänge beenden</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>Bereichsauswahl abbrechen</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>Überschreibmodus an</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>Einfügemodus an</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>Einfüge-/Überschreibmodus umschalten
Aktuell: Überschreibmodus</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>Einfüge-/Überschreibmodus umschalten
Aktuell: Einfügemodus</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>Rückgängig ist gerade nicht möglich</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>Wiederherstellen ist gerade nicht möglich</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Vollbild umschalten</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Datei hinzufügen...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>Von Kamera hinzufügen...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>Von Mikrofon hinzufügen...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Text hinzufügen</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>Zeichnung hinzufügen</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Übergang hinzufügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>Übergang bearbeiten</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Wiedergabe/Pause</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>Nächste Position</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>Vorherige Position</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>Exportieren &amp;&amp; Teilen</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>Einstellungen...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>Fehler beim Öffnen der Eigenschaften (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Wird geöffnet...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>Fehler beim Öffnen des Projekts (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>Projektkonvertierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>Projekt konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>Das aktuelle Filmprojekt ist beschädigt.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>Projekt einer neueren Version</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna kann kein Filmprojekt einer neueren Version öffnen. Bitte aktualisieren Sie Vidorna auf die neueste Version.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>Film konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>Das Filmprojekt kann nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>Die Änderungen konnten nicht gespeichert werden: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>Wenn Sie ohne Speichern schließen, gehen die Änderungen verloren. Lassen Sie das Fenster geöffnet, um es erneut zu versuchen.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Geöffnet lassen</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Ohne Speichern schließen</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Ladefehler</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>Keine Audiodaten enthalten</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>Vorgang konnte nicht aufgezeichnet werden</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>Kein Vorgang zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>Kein Vorgang zum Wiederherstellen</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>Der rückgängig zu machende Vorgang konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>Der wiederherzustellende Vorgang konnte nicht gelesen werden</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>Nicht aufgezeichnete Bearbeitungen wurden ebenfalls rückgängig gemacht</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Hilfecenter</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>Eigener Übergang</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>Einblenden &amp;&amp; Ausblenden</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Einblenden</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Ausblenden</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>Von links herein &amp;&amp; nach rechts hinaus</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>Von rechts herein &amp;&amp; nach links hinaus</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>Von links herein</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Nach links hinaus</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>Von rechts herein</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>Nach rechts hinaus</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>Von oben herein &amp;&amp; nach unten hinaus</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>Von unten herein &amp;&amp; nach oben hinaus</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>Von oben herein</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>Nach oben hinaus</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>Von unten herein</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>Nach unten hinaus</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>Schrumpfend herein &amp;&amp; schrumpfend hinaus</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>Wachsend herein &amp;&amp; wachsend hinaus</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>Schrumpfend herein</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>Schrumpfend hinaus</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>Wachsend herein</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>Wachsend hinaus</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>Öffnen &amp;&amp; Schließen</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>Hereinwischen &amp;&amp; Hinauswischen</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>Hereinwischen</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>Hinauswischen</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>Kein Platz für einen weiteren Übergang</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>Beschleunigungskurve auf alle Übergänge angewendet</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>Zeitleiste zur Teilungsposition bewegen</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>Wie soll mit den vorhandenen Übergängen verfahren werden?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>Übergänge duplizieren und verkürzen</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>Übergänge nicht verkürzen</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>Zeitleiste zur Position des Standbilds bewegen</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>Bild konnte nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>Bild erfolgreich in „Bilder“ gespeichert</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>Bitte einen Moment warten</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>Kein Inhalt zum Exportieren</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>Die Vorschau wurde nicht rechtzeitig angehalten. Bitte erneut versuchen.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>Video konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>Der Film kann nicht in „%1“ gespeichert werden, weil in diesen Ordner nicht geschrieben werden kann. Bitte einen anderen Speicherort wählen.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>Die Filmdatei konnte nicht in „%1“ erstellt werden. Bitte prüfen, ob in diesen Ordner geschrieben werden kann und ob auf dem Datenträger genügend Platz frei ist.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>Der Film konnte in „%1“ nicht fertiggestellt werden, weil seine unfertige Datei während des Schreibens verschoben oder ersetzt wurde. Bitte erneut exportieren.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>Der Film konnte nicht als „%1“ gespeichert werden, weil eine andere Datei diesen Namen erhalten hat, während der Film geschrieben wurde. Diese Datei wurde unverändert gelassen: Bitte an einen anderen Ort verschieben und erneut exportieren.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>Der Film konnte nicht in „%1“ geschrieben werden, weil der Datenträger voll ist. Bitte auf diesem Datenträger Platz freigeben und erneut exportieren.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>Der Film konnte nicht in „%1“ geschrieben werden, weil in diesen Ordner nicht mehr geschrieben werden kann. Bitte sicherstellen, dass in ihn geschrieben werden kann, und erneut exportieren.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>Der Film konnte nicht nach „%1“ kopiert werden, weil in diesen Ordner nicht geschrieben werden kann. Bitte einen anderen Ort wählen und erneut exportieren.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>Der Film konnte nicht nach „%1“ kopiert werden, weil der Datenträger voll ist. Bitte auf diesem Datenträger Platz freigeben oder einen anderen Ort wählen und erneut exportieren.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>Export abgebrochen</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>Export unterbrochen</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>Möchten Sie den Export abbrechen?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Wird abgebrochen...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Wird gespeichert...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>Farbeinstellungen auf alle %1-Segmente angewendet</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>Kopieren der Datei fehlgeschlagen</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>Audio aus %1</translation>
    </message>
    <message>
        <source>media</source>
        <translation>Medien</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>Bild</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>Alle Mediendateien (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>Datei (%1) zum Hinzufügen in den aktuellen Film auswählen</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>Audio extrahieren</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>Datei wird kopiert...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>Die aufgenommene Fotodatei kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>Die aufgenommene Videodatei kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>SRT-Datei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>Keine gültigen Untertitel in der SRT-Datei gefunden</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>%1 Untertitel aus der SRT-Datei importiert</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Medien hinzufügen</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Video hinzufügen</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Bild hinzufügen</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Musik hinzufügen</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>Die aufgenommene Tondatei kann nicht verschoben werden</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Als Bild speichern</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>PNG-Dateien (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>Erfolgreich gespeichert</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>Zeichnung konnte nicht gespeichert werden</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>Sie können Material aus dem Medien-Explorer ziehen und direkt an der gewünschten Stelle einer Spur ablegen.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>Atmosphäre</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Menschen</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Ereignisse</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Musikalisch</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Übergänge</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Fahrzeuge</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Tiere</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticons</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Party</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Liebe</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>Comic-Wörter</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Vorschau schließen</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Eine neue Version von Vidorna ist verfügbar.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Aktuelle Version</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Neue Version</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>Neue Version herunterladen</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>Neuerungen ansehen</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>Tonhöhe</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>Chroma-Key</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Empfindlichkeit</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Glättung</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Ein/Aus</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>Key-Farbe</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Standardwerte wiederherstellen</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>Zuletzt verwendete Farben</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Weitere Farben...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>Farbe aus der Vorschau aufnehmen</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Sättigung</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Helligkeit</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Kontrast</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Farbtemperatur</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Belichtung</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Farbton</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>Schemata</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>Als Schema speichern...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>Verwalten...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Auf alle Segmente anwenden</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>Als Schema speichern</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>Namen des Schemas eingeben</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>Farbschema gespeichert</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>Das Farbschema kann nicht gespeichert werden</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>Schema entfernen</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>Möchten Sie das Schema „%1“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>Das Schema konnte nicht entfernt werden</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>Ein</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Ein-Aus</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linear</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Weich</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Kreisförmig</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elastisch</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Springen</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>Beschleunigungskurve</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>Auf alle Übergänge anwenden</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>Datei wählen...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Kamera</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Mikrofon</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Selbst zeichnen</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>Kein Mikrofon</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>Der temporäre Ordner für die Aufnahme wurde nicht gefunden.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Fehler aufgetreten</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>Die Aufnahme enthält keinen Ton.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>Die Aufnahme konnte nicht abgeschlossen werden und wurde daher nicht hinzugefügt.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>Auflösung</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Video-Codec</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Speicherort</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportieren</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>Film wird exportiert...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Bitte beenden Sie Vidorna nicht und sperren Sie den Computer nicht.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Export fehlgeschlagen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>Der Film wurde erfolgreich exportiert</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>SD - 360P</source>
        <translation>SD - 360P</translation>
    </message>
    <message>
        <source>SD - 540P</source>
        <translation>SD - 540P</translation>
    </message>
    <message>
        <source>HD - 720P</source>
        <translation>HD - 720P</translation>
    </message>
    <message>
        <source>Full HD - 1080P</source>
        <translation>Full HD - 1080P</translation>
    </message>
    <message>
        <source>Quad HD - 2K</source>
        <translation>Quad HD - 2K</translation>
    </message>
    <message>
        <source>Ultra HD - 4K</source>
        <translation>Ultra HD - 4K</translation>
    </message>
    <message>
        <source>Export &amp; Share</source>
        <translation>Exportieren und teilen</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>Speicherordner auswählen</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>Geschätzte Restzeit - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 Byte (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Konfiguration</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Seitenverhältnis</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Bildrate</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Präsentation</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>Festes Titelbild</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>Festes Titelbild auf der Filmseite anzeigen</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Querformat</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Hochformat</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>Bilder pro Sekunde</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>Titel</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Übergang hinzufügen</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Einen neuen Ordner erstellen</translation>
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
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Nach %1 verschieben</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>Nach %1 kopieren</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Ordnernamen eingeben</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Beim Erstellen des Ordners ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Ein Name darf nicht leer, „.“ oder „..“ sein und kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Ein Element mit dem Namen „%1“ ist bereits vorhanden</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Ordner konnte nicht erstellt werden</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>„%1“ wurde von einer neueren Version von Vidorna geschrieben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>„%1“ ist keine Vidorna-Projektdatei. Bitte verschieben Sie sie an einen anderen Ort und archivieren Sie erneut.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>„%1“ ist keine Vidorna-Projektdatei. Bitte verschieben Sie sie an einen anderen Ort und speichern Sie erneut.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>&quot;%1&quot; ist eine Verknüpfung, die ins Leere führt</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>„%1“ kann nicht geschrieben werden: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>Aktuelles Filmprojekt löschen</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Umbenennen</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>Aktuelles Filmprojekt umbenennen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>Aktuelles Filmprojekt duplizieren</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivieren</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>Aktuelles Filmprojekt archivieren</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>Ausgabeordner auswählen</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>Projekt wird archiviert...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>Archivieren fehlgeschlagen</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>Nicht genügend Speicherplatz</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>Projekt archiviert</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>Zu importierendes Archiv auswählen</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Vidorna-Projektdatei (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>Archiv wird importiert...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>Nicht genügend Speicherplatz, um dieses Archiv zu importieren. Es werden etwa %1 mehr benötigt.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>Import abgeschlossen</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Import fehlgeschlagen</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>Beim Importieren des Archivs ist ein Fehler aufgetreten (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Ungültiger Name</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Ein Name darf nicht leer, „.“ oder „..“ sein und kein „/“ enthalten.</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>Film wird verwendet</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>„%1“ ist im Editor geöffnet. Schließen Sie zuerst den Film.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>Neuer Film %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>Neuer Film</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Erstellen</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>Projektnamen eingeben</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>Filmdatei konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>Ein Film mit diesem Namen ist bereits vorhanden</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Neuer Ordner</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Ordnernamen eingeben</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Ordner konnte nicht erstellt werden</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Ein Element mit dem Namen „%1“ ist bereits vorhanden</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Beim Erstellen des Ordners ist ein Fehler aufgetreten</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Element umbenennen</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>Elementnamen eingeben</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Umbenennen fehlgeschlagen</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 Kopie %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 Kopie</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>Film duplizieren</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>Filmnamen eingeben</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>Film konnte nicht dupliziert werden</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Element entfernen</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>Möchten Sie das Element „%1“ wirklich entfernen?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>Elemente entfernen</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>Möchten Sie %1 Element(e) wirklich entfernen?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>Element(e) konnten nicht entfernt werden</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>Elemente werden kopiert...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>Elemente werden verschoben...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>Film konnte nicht verschoben werden</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>%1 Element(e) kopiert</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>%1 Element(e) verschoben</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>„%1“ ist ein Link auf einen Ordner an anderer Stelle. Er bleibt erhalten, damit der Inhalt dieses Ordners nicht mit entfernt wird.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>Film konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>Dieser Film ist beschädigt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Öffnen fehlgeschlagen</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>Dieses Projekt kann derzeit nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>Projektdatei konnte nicht geöffnet werden</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Projekt importieren</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>Möchten Sie das Projekt „%1“ in Vidorna importieren?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importieren</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>Projekt importieren</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Neuen Ordner erstellen</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>Ausgewählte Elemente in Ordner kopieren</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>Ausgewählte Elemente in Ordner verschieben</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Ausgewählte Elemente löschen</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 Elemente)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 Element)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Leer)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>Abgerundete Ecken</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Teilen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>Übergang hinzufügen/bearbeiten</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Auf alle Segmente anwenden</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>Doppelklicken Sie auf ein Segment, um den Bearbeitungsmodus zu öffnen. Ein weiterer Doppelklick beendet ihn wieder.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>Halten Sie ein Segment gedrückt, bis der gelbe Rahmen erscheint, und ziehen Sie es dann an die gewünschte Stelle.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Verstanden</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>Auswahl aufheben</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Leerraum einfügen</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>Layout der Videobearbeitung</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>Standarddauer für Fotos</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>Standarddauer für Texte</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>Standarddauer für Zeichnungen</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>Segmenteigenschaften automatisch speichern/anwenden</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>Segmenteigenschaften speichern und auf neu hinzugefügte Segmente anwenden</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>Gespeicherte Segmenteigenschaften zurücksetzen</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>Beim Verschieben von Objekten automatisch ausrichten</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>Hilfslinien anzeigen, wenn ein Objekt zur Mitte oder zu den Rändern bewegt wird</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Hardwarebeschleunigung</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Arbeitsverzeichnis</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>Dateien automatisch in das Filmverzeichnis kopieren</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>Dateien beim Hinzufügen zu einem Film in das Projektverzeichnis kopieren</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Klassisch</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>Aktiviert: hohe Leistung, geringere Kompatibilität</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>Deaktiviert: bessere Kompatibilität, geringere Leistung</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>Möchten Sie die gespeicherten Segmenteigenschaften wirklich zurücksetzen?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>Segmenteigenschaften erfolgreich zurückgesetzt</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>Arbeitsverzeichnis auswählen</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>Schließen Sie den geöffneten Film, bevor Sie das Arbeitsverzeichnis ändern.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>In „%1“ kann kein Film gespeichert werden: Der Ordner „Projects“ lässt sich dort nicht anlegen. Wählen Sie einen anderen Ordner.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>Schatten</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radius</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>Geschwindigkeit</translation>
    </message>
</context>
<context>
    <name>StartWindow</name>
    <message>
        <source>Vidorna</source>
        <translation>Vidorna</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filme</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>Neuer Film...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Neuer Ordner...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importieren...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Datei</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Vidorna-Hilfe</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna für Smartphones</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>Feedback...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Über Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>Wie gefällt Ihnen Vidorna? Welche Funktionen wünschen Sie sich in der nächsten Version von Vidorna? Oder möchten Sie einen Fehler melden? Erzählen Sie uns alles über Vidorna.







&lt;Von Vidorna v%1 auf %2 mit %3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Hilfecenter</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Randgröße und -farbe</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Toleranz</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensität</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Kontur</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Lokale Dateien</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musik</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Sticker</translation>
    </message>
    <message>
        <source>GIPHY</source>
        <translation>GIPHY</translation>
    </message>
</context>
<context>
    <name>TextAlignmentEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>Texthintergrund</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Abstand</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>Abgerundete Ecken</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>Textgröße und -farbe</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>Eigenes Bild...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Bild öffnen</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formular</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Übergänge</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Anfang</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Übergang hinzufügen</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>Beschleunigungskurve</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Ende</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>Mit „+“ einen Übergang hinzufügen</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>Transparenz</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>Hilfecenter</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>Es konnte kein Webbrowser für die Hilfeseiten geöffnet werden. Sie finden sie unter dieser Adresse:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Heute</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stereo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>Alle Videodateien (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Alle Bilddateien (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Alle Musikdateien (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>M/d</source>
        <extracomment>Date format (QDateTime::toString) of a date in the current year: month/day.</extracomment>
        <translation>d.M.</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>d.M.yyyy</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>Unbekannter Codec</translation>
    </message>
    <message>
        <source>%1, %2, %3 Hz</source>
        <extracomment>Audio stream: codec, channels (Stereo or Mono), sample rate.</extracomment>
        <translation>%1, %2, %3 Hz</translation>
    </message>
    <message>
        <source>%1, %2 x %3</source>
        <extracomment>Video stream: codec, width, height in pixels.</extracomment>
        <translation>%1, %2 x %3</translation>
    </message>
</context>
<context>
    <name>VideoUtilitiesEditingWidget</name>
    <message>
        <source>Video Utilities</source>
        <translation>Video-Werkzeuge</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>Bild aus dem Video übernehmen</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>Lautstärke</translation>
    </message>
</context>
</TS>
