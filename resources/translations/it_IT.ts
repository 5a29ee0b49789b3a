<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>Informazioni su Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Sito web</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tutti i diritti riservati.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versione %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Dimensione e colore del bordo</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>Nessuna fotocamera</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Apertura della fotocamera...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>Rifai</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usa</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>Registra video</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>Scatta foto</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>Cambia tipo di acquisizione
Attuale: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>Errore di acquisizione</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>La registrazione non è stata salvata.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>Errore della fotocamera</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>Errore di acquisizione immagine</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>Inserisci il testo qui</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>Inserisci un'immagine</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>L&apos;applicazione si è arrestata in modo anomalo!</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Codice di errore</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>Indirizzo dell&apos;errore</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>Il rapporto sull&apos;arresto anomalo &apos;%1&apos; è stato salvato in %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>Arresto anomalo</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>Sfumatura %1%</translation>
    </message>
</context>
<context>
    <name>DesktopMainWindow</name>
    <message>
        <source>100%</source>
        <translation>100%</translation>
    </message>
    <message>
        <source>25%</source>
        <translation>25%</translation>
    </message>
    <message>
        <source>50%</source>
        <translation>50%</translation>
    </message>
    <message>
        <source>540p</source>
        <translation>540p</translation>
    </message>
    <message>
        <source>75%</source>
        <translation>75%</translation>
    </message>
    <message>
        <source>Export the movie</source>
        <translation>Esporta il filmato</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>Anteprima a schermo intero</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Nascondi</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Finestra principale</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>Impostazioni del filmato</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Posizione successiva</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>Nessun segmento in modifica</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>Risoluzione anteprima</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>Scala anteprima</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>Risoluzione anteprima</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>Scala anteprima</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Posizione precedente</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Salva &amp;&amp; chiudi</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Visualizza</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>Esplora media</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>Ispettore segmento</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizione</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Filmato</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Guida di Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna per smartphone</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Informazioni su Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Ritaglio...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>Modifica in corso...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>Disegno...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 in entrata</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 in uscita</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 in entrata e uscita</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Morbida</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circolare</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Ritorno</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elastica</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rimbalzo</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>Matita libera</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Spray</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomma</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>Cancella disegno</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Spessore linea</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>Linea retta</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>Contorno rettangolo</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Rettangolo pieno</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>Contorno rettangolo arrotondato</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>Rettangolo arrotondato pieno</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>Contorno cerchio</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>Cerchio pieno</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>Contorno ellisse</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>Ellisse piena</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>Contorno triangolo</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>Triangolo pieno</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>Contorno rombo</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>Rombo pieno</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>Contorno stella</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>Stella piena</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>Contorno pentagono</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>Pentagono pieno</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>Contorno cuore</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>Cuore pieno</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>Salva nell'album</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Inserisci testo</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Inserisci immagine</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>Durezza del tratto</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Gradiente lineare</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Gradiente radiale</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>Passa da matita a gomma</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>Linea tratteggiata</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Linea punteggiata</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>Freccia</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>Seleziona immagine</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Dimensione immagine</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Allineamento testo</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Carattere del testo</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Spessore linea</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Durezza</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Dimensione testo</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Dimensione immagine</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Disegno libero</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Modifica disegno</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>Cambia foto</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>Scegli colore</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>Nessun colore</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Posizione precedente</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Posizione successiva</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>Esci da schermo intero</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>Geometria</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>L</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>A</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Ruota in senso orario</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Ruota in senso antiorario</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>Ritaglia e sfuma</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Capovolgi orizzontalmente</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Capovolgi verticalmente</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Mantieni proporzioni</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>Prospettiva (posizionamento a quattro punti)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Angolo in alto a sinistra</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Angolo in alto a destra</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Angolo in basso a destra</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Angolo in basso a sinistra</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>Cerca su GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>Errore di rete (codice=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>Errore di rete (codice=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>Richiesta di rete non riuscita (codice di stato=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>Errore di analisi dei dati (codice=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>Download del file in corso...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>Errore di download (codice=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>Mostra solo immagini</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>Mostra solo video</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>Mostra solo musica</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>Mostra i contenuti delle app Foto e Musica di sistema</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>Mostra i contenuti della libreria integrata</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>Mostra i contenuti della cartella File locali (Condivisione file di iTunes)</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmati</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tutti</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Immagine</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>Cartella non trovata</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>Seleziona cartella...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleziona cartella</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>Vista icone</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>Vista elenco</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>Mostra in Esplora file</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Mantieni proporzioni</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Ripristina predefiniti</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Riempi lo schermo</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifica testo</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Dimensioni originali</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Modifica disegno</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>Proprietà di modifica applicate a tutti i segmenti di tipo %1</translation>
    </message>
    <message>
        <source>video</source>
        <translation>video</translation>
    </message>
    <message>
        <source>image</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>disegno</translation>
    </message>
    <message>
        <source>text</source>
        <translation>testo</translation>
    </message>
    <message>
        <source>music</source>
        <translation>musica</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voce</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Ripeti</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>Avvia selezione intervallo</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>Attiva/disattiva modalità inserimento/sovrascrittura</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>Termina modifica</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>Modifica transizioni</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>Termina modifica transizioni</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>Annulla selezione intervallo</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>Modalità sovrascrittura attiva</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>Modalità inserimento attiva</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>Attiva/disattiva modalità inserimento/sovrascrittura
Attuale: modalità sovrascrittura</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>Attiva/disattiva modalità inserimento/sovrascrittura
Attuale: modalità inserimento</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>Impossibile annullare al momento</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>Impossibile ripetere al momento</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Attiva/disattiva schermo intero</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Aggiungi file...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>Aggiungi da fotocamera...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>Aggiungi da microfono...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Aggiungi testo</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>Aggiungi disegno</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Aggiungi transizione</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>Modifica transizione</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Riproduci/Pausa</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>Posizione successiva</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>Posizione precedente</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>Esporta &amp;&amp; condividi</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>Configurazione...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>Errore durante l'apertura delle proprietà (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Apertura in corso...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>Errore durante l'apertura del progetto (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>Conversione del progetto non riuscita</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>Apertura del progetto non riuscita</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>Il progetto video corrente è danneggiato.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>Progetto di una versione successiva</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna non può aprire un progetto video di una versione successiva. Aggiorna Vidorna all'ultima versione.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>Impossibile salvare il video</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>Impossibile leggere il progetto del filmato: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>Impossibile salvare le modifiche: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>Se chiudi senza salvare, le modifiche andranno perse. Tieni aperta la finestra per riprovare.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Tieni aperta</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Chiudi senza salvare</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Errore di caricamento</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>File non trovato</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>Nessun audio contenuto</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>Impossibile registrare l’operazione</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>Nessuna operazione da annullare</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>Nessuna operazione da ripetere</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>Impossibile leggere l’operazione da annullare</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>Impossibile leggere l’operazione da ripetere</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>Sono state annullate anche le modifiche che non è stato possibile registrare</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centro assistenza</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>Transizione personalizzata</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>Dissolvenza in entrata &amp;&amp; in uscita</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Dissolvenza in entrata</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Dissolvenza in uscita</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>Entrata da sinistra &amp;&amp; Uscita a destra</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>Entrata da destra &amp;&amp; Uscita a sinistra</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>Entrata da sinistra</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Uscita a sinistra</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>Entrata da destra</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>Uscita a destra</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>Entrata dall'alto &amp;&amp; Uscita in basso</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>Entrata dal basso &amp;&amp; Uscita in alto</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>Entrata dall'alto</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>Uscita in alto</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>Entrata dal basso</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>Uscita in basso</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>Entrata a restringere &amp;&amp; Uscita a restringere</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>Entrata a ingrandire &amp;&amp; Uscita a ingrandire</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>Entrata a restringere</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>Uscita a restringere</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>Entrata a ingrandire</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>Uscita a ingrandire</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>Apertura in entrata &amp;&amp; Chiusura in uscita</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>Apertura in entrata</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>Chiusura in uscita</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>Tendina in entrata &amp;&amp; Tendina in uscita</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>Tendina in entrata</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>Tendina in uscita</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>Spazio insufficiente per un'altra transizione</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>Tipo di andamento applicato a tutte le transizioni</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>Sposta la timeline nella posizione in cui dividere</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>Come gestire le transizioni esistenti?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>Duplica e accorcia le transizioni</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>Non accorciare le transizioni</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>Sposta la timeline nella posizione da catturare</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>Salvataggio dell&apos;immagine non riuscito</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>Immagine salvata correttamente in Immagini</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>Attendi un momento</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>Nessun contenuto da esportare</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>L'anteprima non si è fermata in tempo. Riprova.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>Impossibile creare il video</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>Impossibile salvare il filmato in «%1» perché non è possibile scrivere in quella cartella. Scegli un’altra posizione.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>Impossibile creare il file del filmato in «%1». Verifica che sia possibile scrivere in questa cartella e che il disco abbia spazio libero.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>Impossibile completare il filmato in «%1» perché il suo file incompleto è stato spostato o sostituito durante la scrittura. Esportalo di nuovo.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>Impossibile salvare il filmato come «%1» perché un altro file ha preso quel nome durante la scrittura del filmato. Quel file è stato lasciato com'è: spostalo altrove ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>Impossibile scrivere il filmato in «%1» perché il disco è pieno. Libera spazio su quel disco ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>Impossibile scrivere il filmato in «%1» perché non è più possibile scrivere in quella cartella. Assicurati che sia scrivibile ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>Impossibile copiare il filmato in «%1» perché non è possibile scrivere in quella cartella. Scegli un’altra posizione ed esporta di nuovo.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>Impossibile copiare il filmato in «%1» perché il disco è pieno. Libera spazio su quel disco o scegli un’altra posizione, poi esporta di nuovo.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>Esportazione annullata</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>Esportazione interrotta</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>Vuoi annullare l&apos;esportazione?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Annullamento...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Salvataggio...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>Impostazioni colore applicate a tutti i segmenti %1</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>Copia del file non riuscita</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>Audio da %1</translation>
    </message>
    <message>
        <source>media</source>
        <translation>multimediale</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>immagine</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>Tutti i file multimediali (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>Scegli un file %1 da aggiungere al filmato corrente</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>Estrai audio</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>Copia del file in corso...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Si è verificato un errore</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>Impossibile spostare il file della foto scattata</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>Impossibile spostare il file del video registrato</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>Impossibile aprire il file SRT</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>Nessun sottotitolo valido nel file SRT</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>%1 sottotitoli importati dal file SRT</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Aggiungi media</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Aggiungi video</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Aggiungi immagine</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Aggiungi musica</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>Impossibile spostare il file audio registrato</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Salva come immagine</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>File PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>Salvato correttamente</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>Salvataggio del disegno non riuscito</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>Puoi trascinare un filmato da Esplora media e rilasciarlo direttamente nella posizione desiderata di una traccia.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>Atmosfera</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Persone</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eventi</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Musicali</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transizioni</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Veicoli</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animali</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticon</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Festa</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amore</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>Fumetti</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Chiudi anteprima</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>È disponibile una nuova versione di Vidorna.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Versione attuale</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nuova versione</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>Scarica la nuova versione</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>Scopri le novità</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>Tonalità</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>Chroma key</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilità</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Smussatura</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Attiva/Disattiva</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>Colore chiave</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Ripristina i valori predefiniti</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>Colori usati di recente</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Altri colori...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>Preleva un colore dall&apos;anteprima</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>Colori</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturazione</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosità</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contrasto</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Esposizione</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tonalità</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rosso</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blu</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>Schemi</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>Salva come schema...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>Gestisci...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Applica a tutti i segmenti</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>Salva come schema</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>Inserisci il nome dello schema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Salva</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>Schema di colori salvato</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>Impossibile salvare lo schema di colori</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>Rimuovi schema</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>Vuoi davvero rimuovere lo schema "%1"?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>Impossibile rimuovere lo schema</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>Entrata</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Uscita</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrata-uscita</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineare</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Morbida</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circolare</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Ritorno</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elastica</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rimbalzo</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>Tipo di andamento</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>Applica a tutte le transizioni</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>Scegli file...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Fotocamera</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microfono</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Testo</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Disegna</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>Nessun microfono</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>Impossibile trovare la cartella temporanea per la registrazione.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Si è verificato un errore</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>La registrazione non contiene alcun suono.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>Non è stato possibile completare la registrazione, quindi non è stata aggiunta.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>Risoluzione</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec video</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Posizione</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Esporta</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>Esportazione del filmato...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Non chiudere Vidorna e non bloccare il computer.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Esportazione non riuscita</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>Il filmato è stato esportato correttamente</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
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
        <translation>Fine</translation>
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
        <translation>Esporta e condividi</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>Seleziona la cartella di salvataggio</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>Tempo rimanente stimato - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 byte (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Configurazione</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Proporzioni</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Video</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Colore di sfondo</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Trasparente</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Frequenza fotogrammi</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Presentazione</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>Copertina fissa</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>Mostra la copertina fissa nella pagina dei filmati</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Orizzontale</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Verticale</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>Fotogrammi al secondo</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>Titolo</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Aggiungi transizione</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Crea una nuova cartella</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Sposta</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Filmati</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Sposta in %1</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>Copia in %1</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Inserisci il nome della cartella</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Si è verificato un errore durante la creazione della cartella</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nome non valido</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Un nome non può essere vuoto, essere «.» o «..», né contenere «/».</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Rinomina non riuscita</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Esiste già un elemento chiamato «%1»</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>&quot;%1&quot; è stato scritto da una versione successiva di Vidorna</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>&quot;%1&quot; non è un file di progetto di Vidorna. Spostalo altrove e archivia di nuovo.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>&quot;%1&quot; non è un file di progetto di Vidorna. Spostalo altrove e salva di nuovo.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; non è un file normale</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>&quot;%1&quot; è un collegamento che non porta da nessuna parte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Impossibile scrivere &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>Elimina il progetto filmato corrente</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Rinomina</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>Rinomina il progetto filmato corrente</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>Duplica il progetto filmato corrente</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivia</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>Archivia il progetto filmato corrente</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>Seleziona una cartella di destinazione</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>Archiviazione del progetto...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>Archiviazione non riuscita</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>Spazio insufficiente</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>Progetto archiviato</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>Seleziona un archivio da importare</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>File di progetto Vidorna (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>Importazione dell&apos;archivio...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>Spazio di archiviazione insufficiente per importare questo archivio. Servono circa %1 in più.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>Importazione completata</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Importazione non riuscita</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>Si è verificato un errore durante l&apos;importazione dell&apos;archivio (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nome non valido</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Un nome non può essere vuoto, essere «.» o «..», né contenere «/».</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>Filmato in uso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>«%1» è aperto nell&apos;editor. Chiudi prima il filmato.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>Nuovo filmato %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>Nuovo filmato</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crea</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>Inserisci il nome del progetto</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>Impossibile creare il file del filmato</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>Esiste già un filmato con questo nome</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nuova cartella</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Inserisci il nome della cartella</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Impossibile creare la cartella</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Esiste già un elemento chiamato «%1»</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Si è verificato un errore durante la creazione della cartella</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Rinomina elemento</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>Inserisci il nome dell&apos;elemento</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Rinomina non riuscita</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Rinomina non riuscita</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 copia %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 copia</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>Duplica filmato</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>Inserisci il nome del filmato</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>Impossibile duplicare il filmato</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Rimuovi elemento</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>Vuoi davvero rimuovere l&apos;elemento «%1»?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>Rimuovi elementi</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>Vuoi davvero rimuovere %1 elemento/i?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>Impossibile rimuovere gli elementi</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>Copia degli elementi...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>Spostamento degli elementi...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>Impossibile spostare il filmato</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>%1 elemento/i copiato/i</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>%1 elemento/i spostato/i</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>&quot;%1&quot; è un collegamento a una cartella che si trova altrove. Viene mantenuto, così che il contenuto di quella cartella non venga rimosso insieme.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>Filmati</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>Impossibile aprire il filmato</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>Questo filmato è danneggiato, non è possibile aprirlo.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Apertura non riuscita</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>Al momento non è possibile aprire questo progetto.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>Impossibile aprire il file del progetto</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Importa progetto</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>Vuoi importare il progetto &quot;%1&quot; in Vidorna?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importa</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifica</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>Importa progetto</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Crea una nuova cartella</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>Copia gli elementi selezionati in una cartella</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>Sposta gli elementi selezionati in una cartella</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Elimina gli elementi selezionati</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 elementi)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 elemento)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vuota)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>Angoli arrotondati</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividi</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>Aggiungi/modifica transizione</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Applica a tutti i segmenti</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>Fai doppio clic su un segmento per entrare in modalità di modifica e fai di nuovo doppio clic per uscirne.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>Tieni premuto su un segmento finché non compare la cornice gialla, poi trascinalo dove vuoi.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Ho capito</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>Annulla selezione</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Inserisci spazio vuoto</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Elimina</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Lingua</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>Layout dell'editor video</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>Durata predefinita delle foto</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>Durata predefinita dei testi</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>Durata predefinita dei disegni</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>Salva/applica automaticamente le proprietà dei segmenti</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>Salva le proprietà dei segmenti e le applica ai segmenti appena aggiunti</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>Ripristina le proprietà dei segmenti salvate</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>Allineamento automatico durante lo spostamento degli oggetti</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>Mostra le guide quando sposti un oggetto verso il centro o i bordi</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Accelerazione hardware</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Cartella di lavoro</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>Copia automaticamente i file nella cartella del filmato</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>Copia i file nella cartella del progetto quando aggiungi contenuti multimediali a un filmato</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classico</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>Attivata: prestazioni elevate, compatibilità ridotta</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>Disattivata: maggiore compatibilità, prestazioni ridotte</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>Vuoi davvero ripristinare le proprietà dei segmenti salvate?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Ripristina</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>Proprietà dei segmenti ripristinate</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>Seleziona la cartella di lavoro</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>Chiudi il filmato aperto prima di cambiare la cartella di lavoro.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>Non è possibile conservare filmati in «%1»: lì non si può creare la cartella «Projects». Scegli un'altra cartella.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>Ombra</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Raggio</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>Velocità</translation>
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
        <translation>Filmati</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Impostazioni</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>Nuovo filmato...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Nuova cartella...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importa...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Guida di Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna per smartphone</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>Feedback...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Informazioni su Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>Cosa ne pensi di Vidorna? Quali funzioni vorresti vedere nella prossima versione di Vidorna? O vuoi segnalare un errore? Raccontaci tutto su Vidorna.







&lt;Da Vidorna v%1 su %2 con %3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centro assistenza</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Dimensione e colore del bordo</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolleranza</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensità</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contorno</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>File locali</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musica</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Effetti sonori</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Adesivi</translation>
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
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>Sfondo del testo</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Spaziatura</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>Angoli arrotondati</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>Dimensione e colore del testo</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>Immagine personalizzata...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Apri un'immagine</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Modulo</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transizioni</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inizio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Aggiungi transizione</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplica</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>Tipo di andamento</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fine</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>Premi «+» per aggiungere una transizione</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>Trasparenza</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>Centro assistenza</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>Non è stato possibile aprire un browser web per le pagine di aiuto. Puoi leggerle a questo indirizzo:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Oggi</translation>
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
        <translation>Tutti i file video (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Tutti i file immagine (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Tutti i file musicali (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
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
        <translation>d/M</translation>
    </message>
    <message>
        <source>M/d/yyyy</source>
        <extracomment>Date format (QDateTime::toString) of a date in another year: month/day/year.</extracomment>
        <translation>d/M/yyyy</translation>
    </message>
    <message>
        <source>Unknown codec</source>
        <translation>Codec sconosciuto</translation>
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
        <translation>Strumenti video</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>Cattura immagine dal video</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
</context>
</TS>
