<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>Acerca de Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Página web</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Todos los derechos reservados.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
</context>
<context>
    <name>BorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Tamaño y color del borde</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>Sin cámara</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Abriendo la cámara...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>Repetir</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Usar</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>Grabar vídeo</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>Tomar foto</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>Cambiar tipo de captura
Actual: %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>Error de captura</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>No se ha guardado la grabación.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>Error de la cámara</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>Error al capturar la imagen</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>Escribe el texto aquí</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>Insertar una imagen</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>¡La aplicación se ha bloqueado!</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1: 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Código de error</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>Dirección del error</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>El informe de bloqueo «%1» se ha guardado en %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>Se ha producido un bloqueo</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>Difuminado %1%</translation>
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
        <translation>Exportar la película</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>Vista previa a pantalla completa</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Ocultar</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Ventana principal</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>Configuración de la película</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Posición siguiente</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>Ningún segmento en edición</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>Resolución de vista previa</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>Escala de vista previa</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>Resolución de vista previa</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>Escala de vista previa</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Posición anterior</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Guardar &amp;&amp; cerrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Ver</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>Explorador de medios</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>Inspector de segmentos</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segmento</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transición</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Película</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Ayuda de Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Obtener Vidorna para smartphones</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Acerca de Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Recortando...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>Editando...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>Dibujando...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 salida</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 entrada y salida</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elástica</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rebote</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>Lápiz libre</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Aerosol</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Textura</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Borrador</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>Borrar dibujo</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>Línea recta</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>Contorno de rectángulo</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Rectángulo relleno</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>Contorno de rectángulo redondeado</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>Rectángulo redondeado relleno</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>Contorno de círculo</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>Círculo relleno</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>Contorno de elipse</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>Elipse rellena</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>Contorno de triángulo</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>Triángulo relleno</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>Contorno de rombo</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>Rombo relleno</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>Contorno de estrella</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>Estrella rellena</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>Contorno de pentágono</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>Pentágono relleno</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>Contorno de corazón</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>Corazón relleno</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>Guardar en el álbum</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insertar texto</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insertar imagen</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>Dureza del trazo</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Degradado lineal</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Degradado radial</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>Cambiar entre lápiz y borrador</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>Línea discontinua</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Línea de puntos</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>Flecha</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>Seleccionar imagen</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Tamaño de la imagen</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>Cambiar texto</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Alineación del texto</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Fuente del texto</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Grosor de línea</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureza</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Tamaño del texto</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Tamaño de la imagen</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Dibujo propio</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Editar dibujo</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Foto</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>Cambiar foto</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>Elegir color</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>Sin color</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Posición anterior</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Posición siguiente</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>Geometría</translation>
    </message>
    <message>
        <source>X</source>
        <translation>X</translation>
    </message>
    <message>
        <source>W</source>
        <translation>An</translation>
    </message>
    <message>
        <source>Y</source>
        <translation>Y</translation>
    </message>
    <message>
        <source>H</source>
        <translation>Al</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Girar en sentido horario</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Girar en sentido antihorario</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>Recortar y difuminar</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Voltear horizontalmente</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Voltear verticalmente</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Mantener la relación de aspecto</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>Perspectiva (posicionamiento de cuatro puntos)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Esquina superior izquierda</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Esquina superior derecha</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Esquina inferior derecha</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Esquina inferior izquierda</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>Buscar en GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>Error de red (código=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>Error de red (código=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>Fallo de red (código de estado=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>Error al analizar los datos (código=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>Descargando archivo...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>Error de descarga (código=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>Mostrar solo imágenes</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>Mostrar solo vídeos</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>Mostrar solo música</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>Mostrar contenido de las apps Fotos y Música del sistema</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>Mostrar contenido de la biblioteca integrada</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>Mostrar contenido de la carpeta Archivos locales (Compartir archivos de iTunes)</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Todo</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Imagen</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>No se encontró la carpeta</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>Seleccionar carpeta...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Seleccionar carpeta</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>Vista de iconos</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>Vista de lista</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>Mostrar en el explorador de archivos</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Mantener relación de aspecto</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Restaurar valores predeterminados</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Llenar la pantalla</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Editar texto</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Tamaño original</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Editar dibujo</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>Propiedades de edición aplicadas a todos los segmentos de %1</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vídeo</translation>
    </message>
    <message>
        <source>image</source>
        <translation>imagen</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>dibujo</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texto</translation>
    </message>
    <message>
        <source>music</source>
        <translation>música</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voz</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rehacer</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>Iniciar selección de rango</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>Alternar modo insertar/sobrescribir</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>Terminar edición</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>Editar transiciones</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>Terminar edición de transiciones</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>Cancelar selección de rango</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>Modo sobrescribir activado</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>Modo insertar activado</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>Alternar modo insertar/sobrescribir
Actual: modo sobrescribir</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>Alternar modo insertar/sobrescribir
Actual: modo insertar</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>No se puede deshacer por ahora</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>No se puede rehacer por ahora</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Alternar pantalla completa</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Añadir archivo...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>Añadir desde la cámara...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>Añadir desde el micrófono...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Añadir texto</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>Añadir dibujo</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Añadir transición</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>Editar transición</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Reproducir/Pausa</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>Posición siguiente</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>Posición anterior</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>Exportar &amp;&amp; compartir</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>Configuración...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>Error al abrir las propiedades (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Abriendo...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>Error al abrir el proyecto (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>Error al convertir el proyecto</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>Error al abrir el proyecto</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>El proyecto de vídeo actual está dañado.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>Proyecto de una versión superior</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna no puede abrir un proyecto de vídeo de una versión superior. Actualiza Vidorna a la última versión.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>No se pudo guardar el vídeo</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>No se puede leer el proyecto de película: %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>No se pudieron guardar los cambios: %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>Si cierra sin guardar, los cambios se perderán. Mantenga la ventana abierta para volver a intentarlo.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Mantener abierta</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Cerrar sin guardar</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Error de carga</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Archivo no encontrado</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>No contiene audio</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>No se pudo registrar la operación</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>No hay ninguna operación que deshacer</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>No hay ninguna operación que rehacer</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>No se ha podido leer la operación que deshacer</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>No se ha podido leer la operación que rehacer</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>También se deshicieron las ediciones que no se pudieron registrar</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centro de ayuda</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>Transición personalizada</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>Aparecer &amp;&amp; Desvanecer</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Aparecer</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Desvanecer</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>Entrar por la izquierda &amp;&amp; Salir por la derecha</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>Entrar por la derecha &amp;&amp; Salir por la izquierda</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>Entrar por la izquierda</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Salir por la izquierda</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>Entrar por la derecha</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>Salir por la derecha</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>Entrar por arriba &amp;&amp; Salir por abajo</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>Entrar por abajo &amp;&amp; Salir por arriba</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>Entrar por arriba</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>Salir por arriba</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>Entrar por abajo</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>Salir por abajo</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>Encoger al entrar &amp;&amp; Encoger al salir</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>Crecer al entrar &amp;&amp; Crecer al salir</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>Encoger al entrar</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>Encoger al salir</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>Crecer al entrar</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>Crecer al salir</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>Abrir al entrar &amp;&amp; Cerrar al salir</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>Abrir al entrar</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>Cerrar al salir</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>Barrido de entrada &amp;&amp; Barrido de salida</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>Barrido de entrada</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>Barrido de salida</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>No hay espacio para otra transición</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>Tipo de aceleración aplicado a todas las transiciones</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>Mueve la línea de tiempo a la posición donde dividir</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>¿Qué hacer con las transiciones existentes?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>Duplicar y acortar las transiciones</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>No acortar las transiciones</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>Mueve la línea de tiempo a la posición de la captura</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>No se pudo guardar la imagen</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>Imagen guardada correctamente en Imágenes</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>Espera un momento</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>No hay contenido para exportar</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>La vista previa no se detuvo a tiempo. Inténtalo de nuevo.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>No se pudo crear el vídeo</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>No se puede guardar la película en «%1» porque no se puede escribir en esa carpeta. Elija otra ubicación.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>No se pudo crear el archivo de la película en «%1». Compruebe que se puede escribir en esa carpeta y que el disco tiene espacio libre.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>No se pudo terminar la película en «%1» porque su archivo sin terminar se movió o se reemplazó mientras se escribía. Vuelva a exportarla.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>No se pudo guardar la película como «%1» porque otro archivo tomó ese nombre mientras se escribía la película. Ese archivo se ha dejado tal cual: muévalo a otro lugar y vuelva a exportar.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>No se pudo escribir la película en «%1» porque el disco está lleno. Libere espacio en ese disco y vuelva a exportar.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>No se pudo escribir la película en «%1» porque ya no se puede escribir en esa carpeta. Asegúrese de que se pueda escribir en ella y vuelva a exportar.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>No se pudo copiar la película en «%1» porque no se puede escribir en esa carpeta. Elija otra ubicación y vuelva a exportar.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>No se pudo copiar la película en «%1» porque el disco está lleno. Libere espacio en ese disco o elija otra ubicación y vuelva a exportar.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>Exportación cancelada</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>Exportación interrumpida</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>¿Quieres cancelar la exportación?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Cancelando...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Guardando...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>Ajustes de color aplicados a todos los segmentos de %1</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>Error al copiar el archivo</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>Audio de %1</translation>
    </message>
    <message>
        <source>media</source>
        <translation>multimedia</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>de imagen</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>Todos los archivos multimedia (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>Elija un archivo %1 para añadirlo a la película actual</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>Extraer audio</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>Copiando archivo...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Se produjo un error</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>No se puede mover el archivo de la foto capturada</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>No se puede mover el archivo del vídeo grabado</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>No se pudo abrir el archivo SRT</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>No se encontraron subtítulos válidos en el archivo SRT</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>Se importaron %1 subtítulos del archivo SRT</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Añadir multimedia</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Añadir vídeo</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Añadir imagen</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Añadir música</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>No se puede mover el archivo de sonido grabado</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Guardar como imagen</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>Archivos PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>Guardado correctamente</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>No se pudo guardar el dibujo</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>Puede arrastrar un clip desde el Explorador de medios y soltarlo directamente en el lugar deseado de una pista.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>Ambiente</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personas</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Eventos</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Musicales</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transiciones</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Vehículos</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animales</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Emoticonos</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fiesta</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amor</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>Onomatopeyas</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Cerrar vista previa</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Hay una nueva versión de Vidorna disponible.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Versión actual</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nueva versión</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>Descargar la nueva versión</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>Ver las novedades</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>Tono</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>Clave de croma</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilidad</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Suavizado</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Activar/Desactivar</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>Color clave</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Restablecer valores predeterminados</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>Colores usados recientemente</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Más colores...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>Tomar un color de la vista previa</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>Colores</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturación</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Brillo</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Temperatura</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposición</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Tono</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rojo</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Verde</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Azul</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>Esquemas</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>Guardar como esquema...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>Administrar...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Aplicar a todos los segmentos</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>Guardar como esquema</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>Introduce el nombre del esquema</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>Esquema de color guardado</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>No se puede guardar el esquema de color</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>Eliminar esquema</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>¿Seguro que quieres eliminar el esquema «%1»?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>No se pudo eliminar el esquema</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Salida</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrada y salida</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Lineal</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Suave</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circular</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retroceso</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Elástica</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rebote</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>Tipo de aceleración</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>Aplicar a todas las transiciones</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>Elegir archivo...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Cámara</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Micrófono</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texto</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Dibujar</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>Sin micrófono</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>No se encuentra la carpeta temporal para la grabación.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Se ha producido un error</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>La grabación no contiene sonido.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>No se pudo terminar la grabación, por lo que no se ha añadido.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>Resolución</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Códec de vídeo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ubicación</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exportar</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>Exportando película...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>No cierres Vidorna ni bloquees el ordenador.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Error en la exportación</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>La película se ha exportado correctamente</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Detalles</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
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
        <translation>Exportar y compartir</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>Selecciona la carpeta de destino</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>Tiempo restante estimado - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 bytes (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Relación de aspecto</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vídeo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Color de fondo</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparente</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Velocidad de fotogramas</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Presentación</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>Portada fija</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>Mostrar la portada fija en la página de películas</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>Fotogramas por segundo</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>Título</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Añadir transición</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Crear una carpeta nueva</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Mover</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Mover a %1</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>Copiar a %1</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Introduce el nombre de la carpeta</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Se produjo un error al crear la carpeta</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Un nombre no puede estar vacío, ser «.» o «..», ni contener «/».</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Ya existe un elemento llamado «%1»</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>No se pudo crear la carpeta</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>«%1» se escribió con una versión superior de Vidorna</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>«%1» no es un archivo de proyecto de Vidorna. Muévalo a otro lugar y vuelva a archivar.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>«%1» no es un archivo de proyecto de Vidorna. Muévalo a otro lugar y vuelva a guardar.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; no es un archivo normal</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>&quot;%1&quot; es un enlace que no lleva a ninguna parte</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>No se puede escribir «%1»: %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>Eliminar el proyecto de película actual</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Cambiar nombre</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>Cambiar el nombre del proyecto de película actual</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>Duplicar el proyecto de película actual</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archivar</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>Archivar el proyecto de película actual</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>Selecciona una carpeta de destino</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>Archivando proyecto...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>Error al archivar el proyecto</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>Espacio insuficiente</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>Proyecto archivado</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>Selecciona un archivo para importar</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Archivo de proyecto de Vidorna (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>Importando archivo...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>No hay espacio suficiente para importar este archivo. Se necesitan unos %1 más.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>Importación completada</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Error de importación</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>Se produjo un error al importar el archivo (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nombre no válido</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Un nombre no puede estar vacío, ser «.» o «..», ni contener «/».</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>Película en uso</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>«%1» está abierto en el editor. Cierra primero la película.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>Nueva película %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>Nueva película</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Crear</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>Introduce el nombre del proyecto</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>No se pudo crear el archivo de la película</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>Ya existe una película con ese nombre</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nueva carpeta</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Introduce el nombre de la carpeta</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>No se pudo crear la carpeta</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Ya existe un elemento llamado «%1»</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Se produjo un error al crear la carpeta</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Cambiar nombre del elemento</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>Introduce el nombre del elemento</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Error al cambiar el nombre</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Error al cambiar el nombre</translation>
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
        <translation>Duplicar película</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>Introduce el nombre de la película</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>No se pudo duplicar la película</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Eliminar elemento</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>¿Seguro que quieres eliminar el elemento «%1»?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>Eliminar elementos</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>¿Seguro que quieres eliminar %1 elemento(s)?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>No se pudieron eliminar los elementos</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>Copiando elementos...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>Moviendo elementos...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>No se pudo mover la película</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>%1 elemento(s) copiado(s)</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>%1 elemento(s) movido(s)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>«%1» es un enlace a una carpeta de otro lugar. Se conserva para que lo que contiene esa carpeta no se elimine con él.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>Películas</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>No se pudo abrir la película</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>Esta película está dañada, no se puede abrir.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Error al abrir</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>Este proyecto no se puede abrir en este momento.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>No se pudo abrir el archivo del proyecto</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Importar proyecto</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>¿Quieres importar el proyecto «%1» en Vidorna?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>Importar proyecto</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Crear una carpeta nueva</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>Copiar los elementos seleccionados a una carpeta</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>Mover los elementos seleccionados a una carpeta</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Eliminar los elementos seleccionados</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 elementos)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 elemento)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vacía)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>Esquinas redondeadas</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>Volver</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Dividir</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Eliminar</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>Añadir/editar transición</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Aplicar a todos los segmentos</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>Haga doble clic en un segmento para entrar en el modo de edición y vuelva a hacer doble clic para salir de él.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>Mantenga pulsado un segmento hasta que aparezca el marco amarillo y luego arrástrelo adonde quiera.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Entendido</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>Cancelar selección</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Insertar espacio vacío</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Eliminar</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>Diseño de la interfaz del editor de vídeo</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>Duración predeterminada de las fotos</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>Duración predeterminada de los textos</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>Duración predeterminada de los dibujos</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>Guardar/aplicar automáticamente las propiedades de los segmentos</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>Guarda las propiedades de los segmentos y las aplica a los segmentos recién añadidos</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>Restablecer las propiedades de segmento guardadas</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>Alinear automáticamente al mover objetos</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>Muestra guías al mover un objeto hacia el centro o los bordes</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Aceleración por hardware</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Directorio de trabajo</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>Copiar automáticamente los archivos al directorio de la película</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>Copia los archivos al directorio del proyecto al añadir medios a una película</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Escritorio</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Clásico</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>Activada: alto rendimiento, menor compatibilidad</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>Desactivada: mejor compatibilidad, menor rendimiento</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>¿Seguro que quieres restablecer las propiedades de segmento guardadas?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Restablecer</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>Propiedades de segmento restablecidas correctamente</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>Seleccionar directorio de trabajo</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>Cierra la película abierta antes de cambiar el directorio de trabajo.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>No se puede guardar ninguna película en «%1»: no se puede crear allí la carpeta «Projects». Elige otra carpeta.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>Sombra</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Radio</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
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
        <translation>Películas</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Ajustes</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>Nueva película...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Nueva carpeta...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importar...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Archivo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Ayuda de Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna para smartphones</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>Comentarios...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>Acerca de Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>¿Qué te parece Vidorna? ¿Qué funciones te gustaría ver en la próxima versión de Vidorna? ¿O quieres informar de un error? Cuéntanos todo sobre Vidorna.







&lt;Desde Vidorna v%1 en %2 con %3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centro de ayuda</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Tamaño y color del borde</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolerancia</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensidad</translation>
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
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Archivos locales</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Música</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Efectos de sonido</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Stickers</translation>
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
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>Fondo del texto</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espaciado</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>Esquinas redondeadas</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>Tamaño y color del texto</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>Imagen personalizada...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Abrir una imagen</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulario</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transiciones</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Añadir transición</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Duplicar</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>Tipo de aceleración</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>Pulsa «+» para añadir una transición</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>Transparencia</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>Centro de ayuda</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>No se pudo abrir ningún navegador web para las páginas de ayuda. Puede leerlas en esta dirección:</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Hoy</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Estéreo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>Todos los archivos de vídeo (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Todos los archivos de imagen (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Todos los archivos de música (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
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
        <translation>Códec desconocido</translation>
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
        <translation>Utilidades de vídeo</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>Capturar imagen del vídeo</translation>
    </message>
</context>
<context>
    <name>VolumeEditingWidgetController</name>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
</context>
</TS>
