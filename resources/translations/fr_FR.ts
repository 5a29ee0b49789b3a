<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>AboutDialog</name>
    <message>
        <source>About Vidorna</source>
        <translation>À propos de Vidorna</translation>
    </message>
    <message>
        <source>Homepage</source>
        <translation>Site web</translation>
    </message>
    <message>
        <source>Copyright © 2026 Peltrane Software.</source>
        <translation>Copyright © 2026 Peltrane Software.</translation>
    </message>
    <message>
        <source>All rights reserved.</source>
        <translation>Tous droits réservés.</translation>
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
        <translation>Taille et couleur de la bordure</translation>
    </message>
</context>
<context>
    <name>CameraDialog</name>
    <message>
        <source>No camera</source>
        <translation>Aucune caméra</translation>
    </message>
    <message>
        <source>Opening camera...</source>
        <translation>Ouverture de la caméra...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Retake</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>Use</source>
        <translation>Utiliser</translation>
    </message>
    <message>
        <source>Capture video</source>
        <translation>Filmer une vidéo</translation>
    </message>
    <message>
        <source>Capture still image</source>
        <translation>Prendre une photo</translation>
    </message>
    <message>
        <source>Toggle Capture Type
Current: %1</source>
        <translation>Changer le type de capture
Actuel : %1</translation>
    </message>
    <message>
        <source>Capture Error</source>
        <translation>Erreur de capture</translation>
    </message>
    <message>
        <source>The recording was not saved.</source>
        <translation>L&apos;enregistrement n&apos;a pas été sauvegardé.</translation>
    </message>
    <message>
        <source>Camera Error</source>
        <translation>Erreur de caméra</translation>
    </message>
    <message>
        <source>Image Capture Error</source>
        <translation>Erreur de capture d&apos;image</translation>
    </message>
</context>
<context>
    <name>CanvasWidget</name>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter du texte</translation>
    </message>
    <message>
        <source>Enter text here</source>
        <translation>Saisissez le texte ici</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Insert a Picture</source>
        <translation>Insérer une image</translation>
    </message>
</context>
<context>
    <name>CommonMainWindow</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>CrashHandler</name>
    <message>
        <source>App crash catched!</source>
        <translation>L’application a planté !</translation>
    </message>
    <message>
        <source>%1: 0x%2</source>
        <translation>%1 : 0x%2</translation>
    </message>
    <message>
        <source>Error code</source>
        <translation>Code d’erreur</translation>
    </message>
    <message>
        <source>Error address</source>
        <translation>Adresse de l’erreur</translation>
    </message>
    <message>
        <source>Crash report &apos;%1&apos; has been saved to %2</source>
        <translation>Le rapport de plantage « %1 » a été enregistré dans %2</translation>
    </message>
    <message>
        <source>Crash Occurs</source>
        <translation>Plantage survenu</translation>
    </message>
</context>
<context>
    <name>CropAreaWidget</name>
    <message>
        <source>Feathering %1%</source>
        <translation>Contour progressif %1%</translation>
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
        <translation>Exporter le film</translation>
    </message>
    <message>
        <source>Fullscreen Preview</source>
        <translation>Aperçu en plein écran</translation>
    </message>
    <message>
        <source>Hide</source>
        <translation>Masquer</translation>
    </message>
    <message>
        <source>MainWindow</source>
        <translation>Fenêtre principale</translation>
    </message>
    <message>
        <source>Movie configuration</source>
        <translation>Réglages du film</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Position suivante</translation>
    </message>
    <message>
        <source>No editing segment</source>
        <translation>Aucun segment en cours d&apos;édition</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Preview Resolution</source>
        <translation>Résolution de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preview Scale</source>
        <translation>Échelle de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preview resolution</source>
        <translation>Résolution de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Preview scale</source>
        <translation>Échelle de l&apos;aperçu</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Position précédente</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Save &amp;&amp; Close</source>
        <translation>Enregistrer &amp;&amp; fermer</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Media Explorer</source>
        <translation>Explorateur de médias</translation>
    </message>
    <message>
        <source>Segment Inspector</source>
        <translation>Inspecteur de segment</translation>
    </message>
    <message>
        <source>Segment</source>
        <translation>Segment</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transition</translation>
    </message>
    <message>
        <source>Movie</source>
        <translation>Film</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Aide de Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Obtenir Vidorna sur smartphone</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>À propos de Vidorna</translation>
    </message>
    <message>
        <source>Cropping...</source>
        <translation>Recadrage...</translation>
    </message>
    <message>
        <source>Editing...</source>
        <translation>Modification...</translation>
    </message>
    <message>
        <source>Drawing...</source>
        <translation>Dessin...</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>%1</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>%1 In</source>
        <translation>%1 entrée</translation>
    </message>
    <message>
        <source>%1 Out</source>
        <translation>%1 sortie</translation>
    </message>
    <message>
        <source>%1 InOut</source>
        <translation>%1 entrée et sortie</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Douce</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circulaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Recul</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Élastique</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rebond</translation>
    </message>
</context>
<context>
    <name>DoneButtonEditingWidget</name>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
</context>
<context>
    <name>DrawingCommonToolsWidget</name>
    <message>
        <source>Free Pencil</source>
        <translation>Crayon libre</translation>
    </message>
    <message>
        <source>Spray</source>
        <translation>Aérographe</translation>
    </message>
    <message>
        <source>Texture</source>
        <translation>Texture</translation>
    </message>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear Painting</source>
        <translation>Effacer le dessin</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Line Width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Straight Line</source>
        <translation>Ligne droite</translation>
    </message>
    <message>
        <source>Rectangle Outline</source>
        <translation>Contour de rectangle</translation>
    </message>
    <message>
        <source>Filled Rectangle</source>
        <translation>Rectangle plein</translation>
    </message>
    <message>
        <source>Round Rectangle Outline</source>
        <translation>Contour de rectangle arrondi</translation>
    </message>
    <message>
        <source>Filled Round Rectangle</source>
        <translation>Rectangle arrondi plein</translation>
    </message>
    <message>
        <source>Circle Outline</source>
        <translation>Contour de cercle</translation>
    </message>
    <message>
        <source>Filled Circle</source>
        <translation>Cercle plein</translation>
    </message>
    <message>
        <source>Ellipse Outline</source>
        <translation>Contour d'ellipse</translation>
    </message>
    <message>
        <source>Filled Ellipse</source>
        <translation>Ellipse pleine</translation>
    </message>
    <message>
        <source>Triangle Outline</source>
        <translation>Contour de triangle</translation>
    </message>
    <message>
        <source>Filled Triangle</source>
        <translation>Triangle plein</translation>
    </message>
    <message>
        <source>Rhombus Outline</source>
        <translation>Contour de losange</translation>
    </message>
    <message>
        <source>Filled Rhombus</source>
        <translation>Losange plein</translation>
    </message>
    <message>
        <source>Pentagram Outline</source>
        <translation>Contour d'étoile</translation>
    </message>
    <message>
        <source>Filled Pentagram</source>
        <translation>Étoile pleine</translation>
    </message>
    <message>
        <source>Pentagon Outline</source>
        <translation>Contour de pentagone</translation>
    </message>
    <message>
        <source>Filled Pentagon</source>
        <translation>Pentagone plein</translation>
    </message>
    <message>
        <source>Heart Outline</source>
        <translation>Contour de cœur</translation>
    </message>
    <message>
        <source>Filled Heart</source>
        <translation>Cœur plein</translation>
    </message>
    <message>
        <source>Save to Album</source>
        <translation>Enregistrer dans l'album</translation>
    </message>
    <message>
        <source>Insert Text</source>
        <translation>Insérer du texte</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>Insérer une image</translation>
    </message>
    <message>
        <source>Stroke Hardness</source>
        <translation>Dureté du trait</translation>
    </message>
    <message>
        <source>Linear Gradient</source>
        <translation>Dégradé linéaire</translation>
    </message>
    <message>
        <source>Radial Gradient</source>
        <translation>Dégradé radial</translation>
    </message>
    <message>
        <source>Switch between pencil and eraser</source>
        <translation>Basculer entre crayon et gomme</translation>
    </message>
    <message>
        <source>Dashed Line</source>
        <translation>Ligne en tirets</translation>
    </message>
    <message>
        <source>Dotted Line</source>
        <translation>Ligne pointillée</translation>
    </message>
    <message>
        <source>Arrow Line</source>
        <translation>Flèche</translation>
    </message>
</context>
<context>
    <name>DrawingTuningWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Select picture</source>
        <translation>Choisir une image</translation>
    </message>
    <message>
        <source>Picture size</source>
        <translation>Taille de l'image</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Change text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Text alignment</source>
        <translation>Alignement du texte</translation>
    </message>
    <message>
        <source>Text size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Text font</source>
        <translation>Police du texte</translation>
    </message>
    <message>
        <source>Line width</source>
        <translation>Épaisseur du trait</translation>
    </message>
    <message>
        <source>Hardness</source>
        <translation>Dureté</translation>
    </message>
    <message>
        <source>Text Size</source>
        <translation>Taille du texte</translation>
    </message>
    <message>
        <source>Picture Size</source>
        <translation>Taille de l'image</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidget</name>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
</context>
<context>
    <name>EditButtonEditingWidgetController</name>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Dessin libre</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Modifier le dessin</translation>
    </message>
    <message>
        <source>Photo</source>
        <translation>Photo</translation>
    </message>
    <message>
        <source>Change Photo</source>
        <translation>Changer de photo</translation>
    </message>
</context>
<context>
    <name>EditableGradientWidget</name>
    <message>
        <source>Choose Color</source>
        <translation>Choisir une couleur</translation>
    </message>
    <message>
        <source>No Color</source>
        <translation>Aucune couleur</translation>
    </message>
</context>
<context>
    <name>FullscreenControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Previous position</source>
        <translation>Position précédente</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next position</source>
        <translation>Position suivante</translation>
    </message>
    <message>
        <source>Exit fullscreen</source>
        <translation>Quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>GeometryEditingWidget</name>
    <message>
        <source>Geometry</source>
        <translation>Géométrie</translation>
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
        <translation>H</translation>
    </message>
    <message>
        <source>Rotate Clockwise</source>
        <translation>Pivoter dans le sens horaire</translation>
    </message>
    <message>
        <source>Rotate Counterclockwise</source>
        <translation>Pivoter dans le sens antihoraire</translation>
    </message>
    <message>
        <source>Crop &amp; Feathering</source>
        <translation>Recadrage et contour progressif</translation>
    </message>
    <message>
        <source>Flip Horizontally</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip Vertically</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Perspective (Four-point positioning)</source>
        <translation>Perspective (positionnement à quatre points)</translation>
    </message>
    <message>
        <source>Top Left Corner</source>
        <translation>Coin supérieur gauche</translation>
    </message>
    <message>
        <source>Top Right Corner</source>
        <translation>Coin supérieur droit</translation>
    </message>
    <message>
        <source>Bottom Right Corner</source>
        <translation>Coin inférieur droit</translation>
    </message>
    <message>
        <source>Bottom Left Corner</source>
        <translation>Coin inférieur gauche</translation>
    </message>
</context>
<context>
    <name>GiphyGifsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Search GIPHY</source>
        <translation>Rechercher sur GIPHY</translation>
    </message>
    <message>
        <source>Network error (code=%1)</source>
        <translation>Erreur réseau (code=%1)</translation>
    </message>
    <message>
        <source>Network error (code=%1 %2)</source>
        <translation>Erreur réseau (code=%1 %2)</translation>
    </message>
    <message>
        <source>Network failed (Status code=%1)</source>
        <translation>Échec réseau (code d&apos;état=%1)</translation>
    </message>
    <message>
        <source>Parse data error (code=%1)</source>
        <translation>Erreur d&apos;analyse des données (code=%1)</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Downloading file...</source>
        <translation>Téléchargement du fichier...</translation>
    </message>
    <message>
        <source>Download error (code=%1)</source>
        <translation>Erreur de téléchargement (code=%1)</translation>
    </message>
</context>
<context>
    <name>HorizontalMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Show pictures only</source>
        <translation>Afficher uniquement les images</translation>
    </message>
    <message>
        <source>Show videos only</source>
        <translation>Afficher uniquement les vidéos</translation>
    </message>
    <message>
        <source>Show music only</source>
        <translation>Afficher uniquement la musique</translation>
    </message>
    <message>
        <source>Show media from the system Photos and Music app</source>
        <translation>Afficher les médias des apps Photos et Musique du système</translation>
    </message>
    <message>
        <source>Show media from the In-App Library</source>
        <translation>Afficher les médias de la bibliothèque intégrée</translation>
    </message>
    <message>
        <source>Show media from the Local Files (iTunes File Sharing) folder</source>
        <translation>Afficher les médias du dossier Fichiers locaux (partage de fichiers iTunes)</translation>
    </message>
</context>
<context>
    <name>LocalFilesWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>All</source>
        <translation>Tout</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Directory not found</source>
        <translation>Dossier introuvable</translation>
    </message>
    <message>
        <source>Select Directory...</source>
        <translation>Choisir un dossier...</translation>
    </message>
    <message>
        <source>Select Directory</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Icon Mode</source>
        <translation>Mode icônes</translation>
    </message>
    <message>
        <source>List Mode</source>
        <translation>Mode liste</translation>
    </message>
    <message>
        <source>Show in File Explorer</source>
        <translation>Afficher dans l'explorateur de fichiers</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Maintain aspect ratio</source>
        <translation>Conserver les proportions</translation>
    </message>
    <message>
        <source>Restore the default</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Fill the screen</source>
        <translation>Remplir l'écran</translation>
    </message>
    <message>
        <source>Edit Text</source>
        <translation>Modifier le texte</translation>
    </message>
    <message>
        <source>Original Size</source>
        <translation>Taille d'origine</translation>
    </message>
    <message>
        <source>Edit Drawing</source>
        <translation>Modifier le dessin</translation>
    </message>
    <message>
        <source>Editing properties applied to all %1 segments</source>
        <translation>Propriétés d’édition appliquées à tous les segments de type %1</translation>
    </message>
    <message>
        <source>video</source>
        <translation>vidéo</translation>
    </message>
    <message>
        <source>image</source>
        <translation>image</translation>
    </message>
    <message>
        <source>self-draw</source>
        <translation>dessin</translation>
    </message>
    <message>
        <source>text</source>
        <translation>texte</translation>
    </message>
    <message>
        <source>music</source>
        <translation>musique</translation>
    </message>
    <message>
        <source>voice</source>
        <translation>voix</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <source>Enter Range Selection</source>
        <translation>Démarrer la sélection de plage</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwite Mode</source>
        <translation>Basculer le mode insertion/écrasement</translation>
    </message>
    <message>
        <source>Finish Editing</source>
        <translation>Terminer la modification</translation>
    </message>
    <message>
        <source>Edit Transitions</source>
        <translation>Modifier les transitions</translation>
    </message>
    <message>
        <source>Finish Editing Transitions</source>
        <translation>Terminer la modification des transitions</translation>
    </message>
    <message>
        <source>Cancel Range Selection</source>
        <translation>Annuler la sélection de plage</translation>
    </message>
    <message>
        <source>Overwrite Mode On</source>
        <translation>Mode écrasement activé</translation>
    </message>
    <message>
        <source>Insert Mode On</source>
        <translation>Mode insertion activé</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Overwrite mode</source>
        <translation>Basculer le mode insertion/écrasement
Actuel : mode écrasement</translation>
    </message>
    <message>
        <source>Toggle Insert/Overwrite Mode
Current: Insert mode</source>
        <translation>Basculer le mode insertion/écrasement
Actuel : mode insertion</translation>
    </message>
    <message>
        <source>Unable to undo temporarily</source>
        <translation>Impossible d&apos;annuler pour le moment</translation>
    </message>
    <message>
        <source>Unable to redo temporarily</source>
        <translation>Impossible de rétablir pour le moment</translation>
    </message>
    <message>
        <source>Toggle Fullscreen</source>
        <translation>Basculer en plein écran</translation>
    </message>
    <message>
        <source>Add File...</source>
        <translation>Ajouter un fichier...</translation>
    </message>
    <message>
        <source>Add from Camera...</source>
        <translation>Ajouter depuis la caméra...</translation>
    </message>
    <message>
        <source>Add from Microphone...</source>
        <translation>Ajouter depuis le microphone...</translation>
    </message>
    <message>
        <source>Add Text</source>
        <translation>Ajouter un texte</translation>
    </message>
    <message>
        <source>Add Self-Draw</source>
        <translation>Ajouter un dessin</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Ajouter une transition</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Edit Transition</source>
        <translation>Modifier la transition</translation>
    </message>
    <message>
        <source>Play/Pause</source>
        <translation>Lecture/Pause</translation>
    </message>
    <message>
        <source>Next Position</source>
        <translation>Position suivante</translation>
    </message>
    <message>
        <source>Previous Position</source>
        <translation>Position précédente</translation>
    </message>
    <message>
        <source>Export &amp;&amp; Share</source>
        <translation>Exporter &amp;&amp; partager</translation>
    </message>
    <message>
        <source>Configuration...</source>
        <translation>Configuration...</translation>
    </message>
    <message>
        <source>Open properties error occurs (%1)</source>
        <translation>Erreur lors de l'ouverture des propriétés (%1)</translation>
    </message>
    <message>
        <source>Opening...</source>
        <translation>Ouverture...</translation>
    </message>
    <message>
        <source>Open project error occurs (%1)</source>
        <translation>Erreur lors de l'ouverture du projet (%1)</translation>
    </message>
    <message>
        <source>Convert Project Failed</source>
        <translation>Échec de la conversion du projet</translation>
    </message>
    <message>
        <source>Open Project Failed</source>
        <translation>Échec de l'ouverture du projet</translation>
    </message>
    <message>
        <source>Current movie project is damaged.</source>
        <translation>Le projet vidéo actuel est endommagé.</translation>
    </message>
    <message>
        <source>Higher Version Project</source>
        <translation>Projet d'une version plus récente</translation>
    </message>
    <message>
        <source>Vidorna can not open the higher version movie project. Please update Vidorna to the latest version.</source>
        <translation>Vidorna ne peut pas ouvrir un projet vidéo d'une version plus récente. Veuillez mettre Vidorna à jour vers la dernière version.</translation>
    </message>
    <message>
        <source>Failed to save movie</source>
        <translation>Échec de l'enregistrement de la vidéo</translation>
    </message>
    <message>
        <source>The movie project cannot be read: %1</source>
        <translation>Impossible de lire le projet de film : %1</translation>
    </message>
    <message>
        <source>The changes could not be saved: %1</source>
        <translation>Impossible d'enregistrer les modifications : %1</translation>
    </message>
    <message>
        <source>If you close without saving, the changes are lost. Keep the window open to try again.</source>
        <translation>Si vous fermez sans enregistrer, les modifications seront perdues. Gardez la fenêtre ouverte pour réessayer.</translation>
    </message>
    <message>
        <source>Keep Open</source>
        <translation>Garder ouverte</translation>
    </message>
    <message>
        <source>Close Without Saving</source>
        <translation>Fermer sans enregistrer</translation>
    </message>
    <message>
        <source>Load Error</source>
        <translation>Erreur de chargement</translation>
    </message>
    <message>
        <source>File Not Found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>No audio contained</source>
        <translation>Ne contient pas d&apos;audio</translation>
    </message>
    <message>
        <source>Failed to record operation</source>
        <translation>Impossible d’enregistrer l’opération</translation>
    </message>
    <message>
        <source>No operation to undo</source>
        <translation>Aucune opération à annuler</translation>
    </message>
    <message>
        <source>No operation to redo</source>
        <translation>Aucune opération à rétablir</translation>
    </message>
    <message>
        <source>The operation to undo could not be read</source>
        <translation>L’opération à annuler n’a pas pu être lue</translation>
    </message>
    <message>
        <source>The operation to redo could not be read</source>
        <translation>L’opération à rétablir n’a pas pu être lue</translation>
    </message>
    <message>
        <source>Edits that could not be recorded were undone too</source>
        <translation>Les modifications qui n’ont pas pu être enregistrées ont aussi été annulées</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centre d&apos;aide</translation>
    </message>
    <message>
        <source>Custom Transition</source>
        <translation>Transition personnalisée</translation>
    </message>
    <message>
        <source>Fade In &amp;&amp; Fade Out</source>
        <translation>Fondu d'entrée &amp;&amp; Fondu de sortie</translation>
    </message>
    <message>
        <source>Fade In</source>
        <translation>Fondu d'entrée</translation>
    </message>
    <message>
        <source>Fade Out</source>
        <translation>Fondu de sortie</translation>
    </message>
    <message>
        <source>Left In &amp;&amp; Right Out</source>
        <translation>Entrée par la gauche &amp;&amp; Sortie par la droite</translation>
    </message>
    <message>
        <source>Right In &amp;&amp; Left Out</source>
        <translation>Entrée par la droite &amp;&amp; Sortie par la gauche</translation>
    </message>
    <message>
        <source>Left In</source>
        <translation>Entrée par la gauche</translation>
    </message>
    <message>
        <source>Left Out</source>
        <translation>Sortie par la gauche</translation>
    </message>
    <message>
        <source>Right In</source>
        <translation>Entrée par la droite</translation>
    </message>
    <message>
        <source>Right Out</source>
        <translation>Sortie par la droite</translation>
    </message>
    <message>
        <source>Up In &amp;&amp; Down Out</source>
        <translation>Entrée par le haut &amp;&amp; Sortie par le bas</translation>
    </message>
    <message>
        <source>Down In &amp;&amp; Up Out</source>
        <translation>Entrée par le bas &amp;&amp; Sortie par le haut</translation>
    </message>
    <message>
        <source>Up In</source>
        <translation>Entrée par le haut</translation>
    </message>
    <message>
        <source>Up Out</source>
        <translation>Sortie par le haut</translation>
    </message>
    <message>
        <source>Down In</source>
        <translation>Entrée par le bas</translation>
    </message>
    <message>
        <source>Down Out</source>
        <translation>Sortie par le bas</translation>
    </message>
    <message>
        <source>Shrink In &amp;&amp; Shrink Out</source>
        <translation>Entrée en rétrécissant &amp;&amp; Sortie en rétrécissant</translation>
    </message>
    <message>
        <source>Grow In &amp;&amp; Grow Out</source>
        <translation>Entrée en grandissant &amp;&amp; Sortie en grandissant</translation>
    </message>
    <message>
        <source>Shrink In</source>
        <translation>Entrée en rétrécissant</translation>
    </message>
    <message>
        <source>Shrink Out</source>
        <translation>Sortie en rétrécissant</translation>
    </message>
    <message>
        <source>Grow In</source>
        <translation>Entrée en grandissant</translation>
    </message>
    <message>
        <source>Grow Out</source>
        <translation>Sortie en grandissant</translation>
    </message>
    <message>
        <source>Open In &amp;&amp; Close Out</source>
        <translation>Ouverture &amp;&amp; Fermeture</translation>
    </message>
    <message>
        <source>Open In</source>
        <translation>Ouverture</translation>
    </message>
    <message>
        <source>Close Out</source>
        <translation>Fermeture</translation>
    </message>
    <message>
        <source>Wipe In &amp;&amp; Wipe Out</source>
        <translation>Balayage d'entrée &amp;&amp; Balayage de sortie</translation>
    </message>
    <message>
        <source>Wipe In</source>
        <translation>Balayage d'entrée</translation>
    </message>
    <message>
        <source>Wipe Out</source>
        <translation>Balayage de sortie</translation>
    </message>
    <message>
        <source>No enough space for another transition</source>
        <translation>Pas assez de place pour une autre transition</translation>
    </message>
    <message>
        <source>Easing type applied to all transitions</source>
        <translation>Type d&apos;accélération appliqué à toutes les transitions</translation>
    </message>
    <message>
        <source>Move timeline to the position to split</source>
        <translation>Déplacez la timeline à la position de découpe</translation>
    </message>
    <message>
        <source>How to deal with the existing transition(s)?</source>
        <translation>Que faire des transitions existantes ?</translation>
    </message>
    <message>
        <source>Duplicate and shorten the transition(s)</source>
        <translation>Dupliquer et raccourcir les transitions</translation>
    </message>
    <message>
        <source>Don&apos;t shorten the transition(s)</source>
        <translation>Ne pas raccourcir les transitions</translation>
    </message>
    <message>
        <source>Move timeline to the position to grab image</source>
        <translation>Déplacez la timeline à la position de la capture</translation>
    </message>
    <message>
        <source>Save image failed</source>
        <translation>Échec de l’enregistrement de l’image</translation>
    </message>
    <message>
        <source>Image saved to Pictures successfully</source>
        <translation>Image enregistrée dans Images avec succès</translation>
    </message>
    <message>
        <source>Please wait a moment</source>
        <translation>Veuillez patienter un instant</translation>
    </message>
    <message>
        <source>No content to export</source>
        <translation>Aucun contenu à exporter</translation>
    </message>
    <message>
        <source>The preview did not stop in time. Please try again.</source>
        <translation>L’aperçu ne s’est pas arrêté à temps. Veuillez réessayer.</translation>
    </message>
    <message>
        <source>Create video failed</source>
        <translation>Échec de la création de la vidéo</translation>
    </message>
    <message>
        <source>The movie cannot be saved in &quot;%1&quot; because that folder cannot be written to. Please choose another location.</source>
        <translation>Impossible d’enregistrer le film dans « %1 » car ce dossier n’est pas accessible en écriture. Veuillez choisir un autre emplacement.</translation>
    </message>
    <message>
        <source>The movie file could not be created in &quot;%1&quot;. Please make sure that this folder can be written to and that the disk has free space.</source>
        <translation>Impossible de créer le fichier du film dans « %1 ». Vérifiez que ce dossier est accessible en écriture et que le disque dispose d’espace libre.</translation>
    </message>
    <message>
        <source>The movie could not be finished in &quot;%1&quot; because its unfinished file was moved or replaced while it was written. Please export it again.</source>
        <translation>Impossible de terminer le film dans « %1 » car son fichier inachevé a été déplacé ou remplacé pendant son écriture. Exportez-le à nouveau.</translation>
    </message>
    <message>
        <source>The movie could not be saved as &quot;%1&quot; because another file took that name while the movie was written. That file was left as it is: please move it away and export again.</source>
        <translation>Impossible d’enregistrer le film sous « %1 » car un autre fichier a pris ce nom pendant l’écriture du film. Ce fichier a été laissé tel quel : déplacez-le ailleurs et exportez à nouveau.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because the disk is full. Please free some space on that disk and export again.</source>
        <translation>Impossible d’écrire le film dans « %1 » car le disque est plein. Libérez de l’espace sur ce disque et exportez à nouveau.</translation>
    </message>
    <message>
        <source>The movie could not be written in &quot;%1&quot; because that folder can no longer be written to. Please make sure that it can be written to and export again.</source>
        <translation>Impossible d’écrire le film dans « %1 » car ce dossier n’est plus accessible en écriture. Vérifiez qu’il est accessible en écriture et exportez à nouveau.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because that folder cannot be written to. Please choose another location and export again.</source>
        <translation>Impossible de copier le film dans « %1 » car ce dossier n’est pas accessible en écriture. Choisissez un autre emplacement et exportez à nouveau.</translation>
    </message>
    <message>
        <source>The movie could not be copied into &quot;%1&quot; because the disk is full. Please free some space on that disk or choose another location, and export again.</source>
        <translation>Impossible de copier le film dans « %1 » car le disque est plein. Libérez de l’espace sur ce disque ou choisissez un autre emplacement, puis exportez à nouveau.</translation>
    </message>
    <message>
        <source>Export canceled</source>
        <translation>Exportation annulée</translation>
    </message>
    <message>
        <source>Export Interrupted</source>
        <translation>Exportation interrompue</translation>
    </message>
    <message>
        <source>Do you want to cancel the exporting?</source>
        <translation>Voulez-vous annuler l&apos;exportation ?</translation>
    </message>
    <message>
        <source>Canceling...</source>
        <translation>Annulation...</translation>
    </message>
    <message>
        <source>Saving...</source>
        <translation>Enregistrement...</translation>
    </message>
    <message>
        <source>Color settings applied to all %1 segments</source>
        <translation>Réglages de couleur appliqués à tous les segments %1</translation>
    </message>
    <message>
        <source>Copy file failed</source>
        <translation>Échec de la copie du fichier</translation>
    </message>
    <message>
        <source>Audio from %1</source>
        <translation>Audio de %1</translation>
    </message>
    <message>
        <source>media</source>
        <translation>média</translation>
    </message>
    <message>
        <source>picture</source>
        <translation>image</translation>
    </message>
    <message>
        <source>All media files (*.*)</source>
        <translation>Tous les fichiers multimédias (*.*)</translation>
    </message>
    <message>
        <source>Choose %1 file to added into the current movie</source>
        <translation>Choisissez un fichier %1 à ajouter au film actuel</translation>
    </message>
    <message>
        <source>Extract Audio</source>
        <translation>Extraire l'audio</translation>
    </message>
    <message>
        <source>Copying file...</source>
        <translation>Copie du fichier...</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Une erreur s'est produite</translation>
    </message>
    <message>
        <source>Cannot move the captured photo file</source>
        <translation>Impossible de déplacer le fichier de la photo prise</translation>
    </message>
    <message>
        <source>Cannot move the captured video file</source>
        <translation>Impossible de déplacer le fichier de la vidéo enregistrée</translation>
    </message>
    <message>
        <source>Failed to open SRT file</source>
        <translation>Impossible d'ouvrir le fichier SRT</translation>
    </message>
    <message>
        <source>No valid subtitles found in SRT file</source>
        <translation>Aucun sous-titre valide dans le fichier SRT</translation>
    </message>
    <message>
        <source>Successfully imported %1 subtitles from SRT file</source>
        <translation>%1 sous-titres importés du fichier SRT</translation>
    </message>
    <message>
        <source>Add Media</source>
        <translation>Ajouter un média</translation>
    </message>
    <message>
        <source>Add Video</source>
        <translation>Ajouter une vidéo</translation>
    </message>
    <message>
        <source>Add Picture</source>
        <translation>Ajouter une image</translation>
    </message>
    <message>
        <source>Add Music</source>
        <translation>Ajouter de la musique</translation>
    </message>
    <message>
        <source>Cannot move the recorded sound file</source>
        <translation>Impossible de déplacer le fichier audio enregistré</translation>
    </message>
    <message>
        <source>Save as Picture</source>
        <translation>Enregistrer comme image</translation>
    </message>
    <message>
        <source>Portable Network Graphics files (*.png)</source>
        <translation>Fichiers PNG (*.png)</translation>
    </message>
    <message>
        <source>Saved OK</source>
        <translation>Enregistré</translation>
    </message>
    <message>
        <source>Save painting failed</source>
        <translation>Échec de l&apos;enregistrement du dessin</translation>
    </message>
</context>
<context>
    <name>MediaExplorerHelpTipWidget</name>
    <message>
        <source>You can drag a footage from the Media Explorer and drop it directly at the desired location on a track.</source>
        <translation>Vous pouvez faire glisser un média depuis l&apos;explorateur de médias et le déposer directement à l&apos;endroit voulu sur une piste.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
</context>
<context>
    <name>MediaExplorerWidget</name>
    <message>
        <source>Ambience</source>
        <translation>Ambiance</translation>
    </message>
    <message>
        <source>People</source>
        <translation>Personnes</translation>
    </message>
    <message>
        <source>Event</source>
        <translation>Événements</translation>
    </message>
    <message>
        <source>Musical</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Transition</source>
        <translation>Transitions</translation>
    </message>
    <message>
        <source>Vehicle</source>
        <translation>Véhicules</translation>
    </message>
    <message>
        <source>Animal</source>
        <translation>Animaux</translation>
    </message>
    <message>
        <source>Emoticons</source>
        <translation>Émoticônes</translation>
    </message>
    <message>
        <source>Party</source>
        <translation>Fête</translation>
    </message>
    <message>
        <source>Love</source>
        <translation>Amour</translation>
    </message>
    <message>
        <source>Comic Words</source>
        <translation>Onomatopées</translation>
    </message>
</context>
<context>
    <name>MediaPreviewControlWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Close preview</source>
        <translation>Fermer l’aperçu</translation>
    </message>
</context>
<context>
    <name>MediaPreviewWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>MultiLanguage</name>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
</context>
<context>
    <name>NativeWebBrowserWidget</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
</context>
<context>
    <name>NewVersionDialog</name>
    <message>
        <source>New Version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>A new version of Vidorna is available.</source>
        <translation>Une nouvelle version de Vidorna est disponible.</translation>
    </message>
    <message>
        <source>Current version</source>
        <translation>Version actuelle</translation>
    </message>
    <message>
        <source>New version</source>
        <translation>Nouvelle version</translation>
    </message>
    <message>
        <source>Download new version</source>
        <translation>Télécharger la nouvelle version</translation>
    </message>
    <message>
        <source>See what&apos;s new</source>
        <translation>Voir les nouveautés</translation>
    </message>
</context>
<context>
    <name>PitchEditingWidgetController</name>
    <message>
        <source>Pitch</source>
        <translation>Hauteur</translation>
    </message>
</context>
<context>
    <name>PopupChromaKeyWidget</name>
    <message>
        <source>Chroma Key</source>
        <translation>Incrustation chroma</translation>
    </message>
    <message>
        <source>Sensitivity</source>
        <translation>Sensibilité</translation>
    </message>
    <message>
        <source>Smoothing</source>
        <translation>Lissage</translation>
    </message>
    <message>
        <source>On/Off</source>
        <translation>Activé/Désactivé</translation>
    </message>
    <message>
        <source>Key Color</source>
        <translation>Couleur d&apos;incrustation</translation>
    </message>
    <message>
        <source>Restore default values</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
</context>
<context>
    <name>PopupColorMatrixWidget</name>
    <message>
        <source>Recently Used Colors</source>
        <translation>Couleurs récentes</translation>
    </message>
    <message>
        <source>More Colors...</source>
        <translation>Plus de couleurs...</translation>
    </message>
    <message>
        <source>Pick color from preview</source>
        <translation>Prélever une couleur dans l&apos;aperçu</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidget</name>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Saturation</source>
        <translation>Saturation</translation>
    </message>
    <message>
        <source>Brightness</source>
        <translation>Luminosité</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>Contraste</translation>
    </message>
    <message>
        <source>Temperature</source>
        <translation>Température</translation>
    </message>
    <message>
        <source>Exposure</source>
        <translation>Exposition</translation>
    </message>
    <message>
        <source>Hue</source>
        <translation>Teinte</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>Schemes</source>
        <translation>Préréglages</translation>
    </message>
    <message>
        <source>Save as Scheme...</source>
        <translation>Enregistrer comme préréglage...</translation>
    </message>
    <message>
        <source>Manage...</source>
        <translation>Gérer...</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Appliquer à tous les segments</translation>
    </message>
    <message>
        <source>Save as Scheme</source>
        <translation>Enregistrer comme préréglage</translation>
    </message>
    <message>
        <source>Enter scheme name</source>
        <translation>Saisissez le nom du préréglage</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Color scheme saved</source>
        <translation>Préréglage de couleurs enregistré</translation>
    </message>
    <message>
        <source>Cannot save the color scheme</source>
        <translation>Impossible d'enregistrer le préréglage de couleurs</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Remove Scheme</source>
        <translation>Supprimer le préréglage</translation>
    </message>
    <message>
        <source>Do you really want to remove scheme &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer le préréglage « %1 » ?</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Remove scheme failed</source>
        <translation>Échec de la suppression du préréglage</translation>
    </message>
</context>
<context>
    <name>PopupColorsScrollWidgetEditItemWidget</name>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>PopupEasingFunctionsWidget</name>
    <message>
        <source>In</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Sortie</translation>
    </message>
    <message>
        <source>InOut</source>
        <translation>Entrée-sortie</translation>
    </message>
    <message>
        <source>Linear</source>
        <translation>Linéaire</translation>
    </message>
    <message>
        <source>Smooth</source>
        <translation>Douce</translation>
    </message>
    <message>
        <source>Circular</source>
        <translation>Circulaire</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Recul</translation>
    </message>
    <message>
        <source>Elastic</source>
        <translation>Élastique</translation>
    </message>
    <message>
        <source>Bounce</source>
        <translation>Rebond</translation>
    </message>
    <message>
        <source>Easing Type</source>
        <translation>Type d'accélération</translation>
    </message>
    <message>
        <source>Apply to all transitions</source>
        <translation>Appliquer à toutes les transitions</translation>
    </message>
</context>
<context>
    <name>PopupMediaTypeSelectionWidget</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Choose File...</source>
        <translation>Choisir un fichier...</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>Caméra</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>Microphone</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Self-Draw</source>
        <translation>Dessiner</translation>
    </message>
</context>
<context>
    <name>PopupMicrophoneWidget</name>
    <message>
        <source>No microphone</source>
        <translation>Aucun microphone</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>The temporary folder for the recording cannot be found.</source>
        <translation>Le dossier temporaire de l&apos;enregistrement est introuvable.</translation>
    </message>
    <message>
        <source>Error Occurs</source>
        <translation>Une erreur est survenue</translation>
    </message>
    <message>
        <source>The recording holds no sound.</source>
        <translation>L’enregistrement ne contient aucun son.</translation>
    </message>
    <message>
        <source>The recording could not be finished, so it was not added.</source>
        <translation>L’enregistrement n’a pas pu être terminé ; il n’a donc pas été ajouté.</translation>
    </message>
</context>
<context>
    <name>PopupMovieExportingWidget</name>
    <message>
        <source>Resolution</source>
        <translation>Résolution</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Video Codec</source>
        <translation>Codec vidéo</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>Exporter</translation>
    </message>
    <message>
        <source>Exporting movie...</source>
        <translation>Exportation du film...</translation>
    </message>
    <message>
        <source>Please do not exit Vidorna or lock the computer.</source>
        <translation>Veuillez ne pas quitter Vidorna ni verrouiller l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Export Failed</source>
        <translation>Échec de l&apos;exportation</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Current movie has been exported successfully</source>
        <translation>Le film a été exporté avec succès</translation>
    </message>
    <message>
        <source>Detail</source>
        <translation>Détails</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>Audio</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
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
        <translation>Exporter et partager</translation>
    </message>
    <message>
        <source>Select save directory</source>
        <translation>Choisir le dossier d&apos;enregistrement</translation>
    </message>
    <message>
        <source>Estimated time remaining - %1</source>
        <translation>Temps restant estimé - %1</translation>
    </message>
    <message>
        <source>%L1 bytes (%2)</source>
        <translation>%L1 octets (%2)</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
</context>
<context>
    <name>PopupProjectSettingsWidget</name>
    <message>
        <source>Configuration</source>
        <translation>Configuration</translation>
    </message>
    <message>
        <source>Aspect Ratio</source>
        <translation>Format d&apos;image</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>Vidéo</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Transparent</source>
        <translation>Transparent</translation>
    </message>
    <message>
        <source>Frame Rate</source>
        <translation>Fréquence d&apos;images</translation>
    </message>
    <message>
        <source>Showcase</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Fixed Cover Image</source>
        <translation>Image de couverture fixe</translation>
    </message>
    <message>
        <source>Display fixed cover image in Movies page</source>
        <translation>Afficher l&apos;image de couverture fixe dans la page Films</translation>
    </message>
    <message>
        <source>Landscape</source>
        <translation>Paysage</translation>
    </message>
    <message>
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Frames Per Second</source>
        <translation>Images par seconde</translation>
    </message>
</context>
<context>
    <name>PopupTransitionsListWidget</name>
    <message>
        <source>Title</source>
        <translation>Titre</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Ajouter une transition</translation>
    </message>
</context>
<context>
    <name>ProgressHUD</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>ProjectFoldersPopup</name>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Move</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Movies</source>
        <translation>Vidéos</translation>
    </message>
    <message>
        <source>Move to %1</source>
        <translation>Déplacer vers %1</translation>
    </message>
    <message>
        <source>Copy to %1</source>
        <translation>Copier vers %1</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Saisissez le nom du dossier</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Une erreur s&apos;est produite lors de la création du dossier</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nom incorrect</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Un nom ne peut pas être vide, valoir « . » ou « .. », ni contenir « / ».</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Un élément nommé « %1 » existe déjà</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
</context>
<context>
    <name>ProjectLoader</name>
    <message>
        <source>&quot;%1&quot; was written by a higher version of Vidorna</source>
        <translation>« %1 » a été écrit par une version plus récente de Vidorna</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and archive again.</source>
        <translation>« %1 » n&apos;est pas un fichier de projet Vidorna. Veuillez le déplacer ailleurs, puis archiver à nouveau.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Vidorna project file. Please move it away and save again.</source>
        <translation>« %1 » n&apos;est pas un fichier de projet Vidorna. Veuillez le déplacer ailleurs, puis enregistrer à nouveau.</translation>
    </message>
</context>
<context>
    <name>ProjectXml</name>
    <message>
        <source>&quot;%1&quot; is not a regular file</source>
        <translation>&quot;%1&quot; n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link that leads nowhere</source>
        <translation>&quot;%1&quot; est un lien qui ne mène nulle part</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written: %2</source>
        <translation>Impossible d&apos;écrire « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>ProjectsListWidget</name>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Delete current movie project</source>
        <translation>Supprimer le projet de film actuel</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Rename current movie project</source>
        <translation>Renommer le projet de film actuel</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Duplicate current movie project</source>
        <translation>Dupliquer le projet de film actuel</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>Archiver</translation>
    </message>
    <message>
        <source>Archive current movie project</source>
        <translation>Archiver le projet de film actuel</translation>
    </message>
    <message>
        <source>Select an output directory</source>
        <translation>Choisir un dossier de destination</translation>
    </message>
    <message>
        <source>Archiving project...</source>
        <translation>Archivage du projet...</translation>
    </message>
    <message>
        <source>Archive Project Failed</source>
        <translation>Échec de l&apos;archivage du projet</translation>
    </message>
    <message>
        <source>Insufficient Space</source>
        <translation>Espace insuffisant</translation>
    </message>
    <message>
        <source>Archive Project Completed</source>
        <translation>Projet archivé</translation>
    </message>
    <message>
        <source>Select an archive to import</source>
        <translation>Choisir une archive à importer</translation>
    </message>
    <message>
        <source>Vidorna Project File (*.vidornaproject)</source>
        <translation>Fichier de projet Vidorna (*.vidornaproject)</translation>
    </message>
    <message>
        <source>Importing archive...</source>
        <translation>Importation de l&apos;archive...</translation>
    </message>
    <message>
        <source>There&apos;s not enough storage space to import this archive. About %1 more space is needed.</source>
        <translation>Espace de stockage insuffisant pour importer cette archive. Il faut environ %1 de plus.</translation>
    </message>
    <message>
        <source>Import Completed</source>
        <translation>Importation terminée</translation>
    </message>
    <message>
        <source>Import Failed</source>
        <translation>Échec de l&apos;importation</translation>
    </message>
    <message>
        <source>Import archive error occurs (%1)</source>
        <translation>Une erreur s&apos;est produite lors de l&apos;importation de l&apos;archive (%1)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Wrong Name</source>
        <translation>Nom incorrect</translation>
    </message>
    <message>
        <source>A name cannot be empty, &quot;.&quot; or &quot;..&quot;, or hold &quot;/&quot;.</source>
        <translation>Un nom ne peut pas être vide, valoir « . » ou « .. », ni contenir « / ».</translation>
    </message>
    <message>
        <source>Movie In Use</source>
        <translation>Film en cours d&apos;utilisation</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is open in the editor. Close the movie first.</source>
        <translation>« %1 » est ouvert dans l&apos;éditeur. Fermez d&apos;abord le film.</translation>
    </message>
    <message>
        <source>New Movie %1</source>
        <translation>Nouveau film %1</translation>
    </message>
    <message>
        <source>New Movie</source>
        <translation>Nouveau film</translation>
    </message>
    <message>
        <source>Create</source>
        <translation>Créer</translation>
    </message>
    <message>
        <source>Enter project name</source>
        <translation>Saisissez le nom du projet</translation>
    </message>
    <message>
        <source>Failed to create movie file</source>
        <translation>Impossible de créer le fichier du film</translation>
    </message>
    <message>
        <source>The named movie already exists</source>
        <translation>Un film portant ce nom existe déjà</translation>
    </message>
    <message>
        <source>New Folder</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Enter folder name</source>
        <translation>Saisissez le nom du dossier</translation>
    </message>
    <message>
        <source>New Folder Failed</source>
        <translation>Impossible de créer le dossier</translation>
    </message>
    <message>
        <source>An item with the name &quot;%1&quot; already exists</source>
        <translation>Un élément nommé « %1 » existe déjà</translation>
    </message>
    <message>
        <source>Create new folder exception occurs</source>
        <translation>Une erreur s&apos;est produite lors de la création du dossier</translation>
    </message>
    <message>
        <source>Rename Item</source>
        <translation>Renommer l&apos;élément</translation>
    </message>
    <message>
        <source>Enter item name</source>
        <translation>Saisissez le nom de l&apos;élément</translation>
    </message>
    <message>
        <source>Rename Failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>Rename failed</source>
        <translation>Échec du renommage</translation>
    </message>
    <message>
        <source>%1 Copy %2</source>
        <translation>%1 copie %2</translation>
    </message>
    <message>
        <source>%1 Copy</source>
        <translation>%1 copie</translation>
    </message>
    <message>
        <source>Duplicate Movie</source>
        <translation>Dupliquer le film</translation>
    </message>
    <message>
        <source>Enter movie name</source>
        <translation>Saisissez le nom du film</translation>
    </message>
    <message>
        <source>Failed to duplicate movie</source>
        <translation>Impossible de dupliquer le film</translation>
    </message>
    <message>
        <source>Remove Item</source>
        <translation>Supprimer l&apos;élément</translation>
    </message>
    <message>
        <source>Do you really want to remove item &quot;%1&quot;?</source>
        <translation>Voulez-vous vraiment supprimer l&apos;élément « %1 » ?</translation>
    </message>
    <message>
        <source>Remove Item(s)</source>
        <translation>Supprimer les éléments</translation>
    </message>
    <message>
        <source>Do you really want to remove %1 item(s)?</source>
        <translation>Voulez-vous vraiment supprimer %1 élément(s) ?</translation>
    </message>
    <message>
        <source>Failed to remove the item(s)</source>
        <translation>Impossible de supprimer le ou les éléments</translation>
    </message>
    <message>
        <source>Copying items...</source>
        <translation>Copie des éléments...</translation>
    </message>
    <message>
        <source>Moving items...</source>
        <translation>Déplacement des éléments...</translation>
    </message>
    <message>
        <source>Failed to move movie</source>
        <translation>Impossible de déplacer le film</translation>
    </message>
    <message>
        <source>%1 item(s) copied</source>
        <translation>%1 élément(s) copié(s)</translation>
    </message>
    <message>
        <source>%1 item(s) moved</source>
        <translation>%1 élément(s) déplacé(s)</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is a link to a folder elsewhere. It is kept, so that what that folder holds is not removed with it.</source>
        <translation>« %1 » est un lien vers un dossier situé ailleurs. Il est conservé, pour que le contenu de ce dossier ne soit pas supprimé avec lui.</translation>
    </message>
</context>
<context>
    <name>ProjectsWidget</name>
    <message>
        <source>Movies</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>Open Movie Failed</source>
        <translation>Échec de l&apos;ouverture du film</translation>
    </message>
    <message>
        <source>This movie is damaged, you cannot open it.</source>
        <translation>Ce film est endommagé, vous ne pouvez pas l&apos;ouvrir.</translation>
    </message>
    <message>
        <source>Open Failed</source>
        <translation>Échec de l&apos;ouverture</translation>
    </message>
    <message>
        <source>This project cannot be opened at this time.</source>
        <translation>Ce projet ne peut pas être ouvert pour le moment.</translation>
    </message>
    <message>
        <source>Failed to open project file</source>
        <translation>Impossible d&apos;ouvrir le fichier du projet</translation>
    </message>
    <message>
        <source>Import Project</source>
        <translation>Importer un projet</translation>
    </message>
    <message>
        <source>Do you want to import project &quot;%1&quot; into Vidorna?</source>
        <translation>Voulez-vous importer le projet « %1 » dans Vidorna ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importer</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Modifier</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>Import project</source>
        <translation>Importer un projet</translation>
    </message>
    <message>
        <source>Create a new folder</source>
        <translation>Créer un nouveau dossier</translation>
    </message>
    <message>
        <source>Copy selected items to folder</source>
        <translation>Copier les éléments sélectionnés vers un dossier</translation>
    </message>
    <message>
        <source>Move selected items to folder</source>
        <translation>Déplacer les éléments sélectionnés vers un dossier</translation>
    </message>
    <message>
        <source>Delete selected items</source>
        <translation>Supprimer les éléments sélectionnés</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>(%1 Items)</source>
        <translation>(%1 éléments)</translation>
    </message>
    <message>
        <source>(1 Item)</source>
        <translation>(1 élément)</translation>
    </message>
    <message>
        <source>(Empty)</source>
        <translation>(Vide)</translation>
    </message>
</context>
<context>
    <name>ResourceAssetsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>RoundCornerEditingWidgetController</name>
    <message>
        <source>Round Corner</source>
        <translation>Coins arrondis</translation>
    </message>
</context>
<context>
    <name>SegmentDraggingOperationWidget</name>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>SegmentInspectorWidget</name>
    <message>
        <source>Return</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Split</source>
        <translation>Scinder</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Add/Edit Transition</source>
        <translation>Ajouter/modifier une transition</translation>
    </message>
    <message>
        <source>Apply to all segments</source>
        <translation>Appliquer à tous les segments</translation>
    </message>
</context>
<context>
    <name>SegmentOperationDoubleTapTipWidget</name>
    <message>
        <source>Double click a segment to enter into the edit mode. And double click it again to exit from the edit mode.</source>
        <translation>Double-cliquez sur un segment pour passer en mode édition, puis double-cliquez à nouveau pour en sortir.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
</context>
<context>
    <name>SegmentOperationPressAndDragTipWidget</name>
    <message>
        <source>Press and hold on a segment till the yellow frame appears, then you can drag it to the place you want.</source>
        <translation>Maintenez le clic sur un segment jusqu&apos;à l&apos;apparition du cadre jaune, puis faites-le glisser où vous voulez.</translation>
    </message>
    <message>
        <source>Got it</source>
        <translation>Compris</translation>
    </message>
</context>
<context>
    <name>SelectionOperationWidget</name>
    <message>
        <source>Cancel selection</source>
        <translation>Annuler la sélection</translation>
    </message>
    <message>
        <source>Insert blank</source>
        <translation>Insérer un blanc</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
</context>
<context>
    <name>SettingsWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Video Editor UI Layout</source>
        <translation>Disposition de l'éditeur vidéo</translation>
    </message>
    <message>
        <source>Default Photo Duration</source>
        <translation>Durée par défaut des photos</translation>
    </message>
    <message>
        <source>Default Text Duration</source>
        <translation>Durée par défaut des textes</translation>
    </message>
    <message>
        <source>Default Self-Drawing Duration</source>
        <translation>Durée par défaut des dessins</translation>
    </message>
    <message>
        <source>Auto Save/Apply Segment Properties</source>
        <translation>Enregistrer/appliquer automatiquement les propriétés des segments</translation>
    </message>
    <message>
        <source>Save segment properties and apply to the newly added segments</source>
        <translation>Enregistre les propriétés des segments et les applique aux nouveaux segments ajoutés</translation>
    </message>
    <message>
        <source>Reset Saved Segment Properties</source>
        <translation>Réinitialiser les propriétés de segment enregistrées</translation>
    </message>
    <message>
        <source>Auto Align When Moving Objects</source>
        <translation>Alignement automatique lors du déplacement d'objets</translation>
    </message>
    <message>
        <source>Show guides when moving object to center/edges</source>
        <translation>Affiche des repères quand un objet est déplacé vers le centre ou les bords</translation>
    </message>
    <message>
        <source>Hardware Acceleration</source>
        <translation>Accélération matérielle</translation>
    </message>
    <message>
        <source>Working Directory</source>
        <translation>Dossier de travail</translation>
    </message>
    <message>
        <source>Auto Copy Files to Movie Directory</source>
        <translation>Copier automatiquement les fichiers dans le dossier du film</translation>
    </message>
    <message>
        <source>Copy files to project directory when adding media to a movie</source>
        <translation>Copie les fichiers dans le dossier du projet lors de l'ajout de médias à un film</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Paramètres</translation>
    </message>
    <message>
        <source>Desktop</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Classic</source>
        <translation>Classique</translation>
    </message>
    <message>
        <source>Enabled: high performance, loss compatibility</source>
        <translation>Activée : hautes performances, compatibilité réduite</translation>
    </message>
    <message>
        <source>Disabled: better compatibility, loss performance</source>
        <translation>Désactivée : meilleure compatibilité, performances réduites</translation>
    </message>
    <message>
        <source>Do you really want to reset the saved segment properties?</source>
        <translation>Voulez-vous vraiment réinitialiser les propriétés de segment enregistrées ?</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Segment properties reset successfully</source>
        <translation>Propriétés de segment réinitialisées</translation>
    </message>
    <message>
        <source>Select working directory</source>
        <translation>Choisir le dossier de travail</translation>
    </message>
    <message>
        <source>Close the open movie before changing the working directory.</source>
        <translation>Fermez le film ouvert avant de changer de dossier de travail.</translation>
    </message>
    <message>
        <source>No movie can be kept in &quot;%1&quot;: the folder &quot;Projects&quot; cannot be created there. Choose another folder.</source>
        <translation>Aucun film ne peut être conservé dans « %1 » : impossible d'y créer le dossier « Projects ». Choisissez un autre dossier.</translation>
    </message>
</context>
<context>
    <name>ShadowEditingWidgetController</name>
    <message>
        <source>Shadow</source>
        <translation>Ombre</translation>
    </message>
    <message>
        <source>Radius</source>
        <translation>Rayon</translation>
    </message>
</context>
<context>
    <name>SpeedEditingWidgetController</name>
    <message>
        <source>Speed</source>
        <translation>Vitesse</translation>
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
        <translation>Films</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>New Movie...</source>
        <translation>Nouveau film...</translation>
    </message>
    <message>
        <source>New Folder...</source>
        <translation>Nouveau dossier...</translation>
    </message>
    <message>
        <source>Import...</source>
        <translation>Importer...</translation>
    </message>
    <message>
        <source>File</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Vidorna Help</source>
        <translation>Aide de Vidorna</translation>
    </message>
    <message>
        <source>Get Vidorna on Smartphones</source>
        <translation>Vidorna sur smartphone</translation>
    </message>
    <message>
        <source>Feedback...</source>
        <translation>Envoyer un avis...</translation>
    </message>
    <message>
        <source>About Vidorna</source>
        <translation>À propos de Vidorna</translation>
    </message>
    <message>
        <source>How do you think about Vidorna? What features do you want to see in the next version of Vidorna? Or do you want to report a bug? All about Vidorna, please tell us.







&lt;From Vidorna v%1 on %2 with %3&gt;</source>
        <translation>Que pensez-vous de Vidorna ? Quelles fonctions aimeriez-vous voir dans la prochaine version de Vidorna ? Ou souhaitez-vous signaler un bogue ? Dites-nous tout sur Vidorna.







&lt;Depuis Vidorna v%1 sur %2 avec %3&gt;</translation>
    </message>
    <message>
        <source>Help Center</source>
        <translation>Centre d&apos;aide</translation>
    </message>
</context>
<context>
    <name>StrokeBorderEditingWidgetController</name>
    <message>
        <source>Border Size &amp; Color</source>
        <translation>Taille et couleur de la bordure</translation>
    </message>
    <message>
        <source>Tolerance</source>
        <translation>Tolérance</translation>
    </message>
    <message>
        <source>Intensity</source>
        <translation>Intensité</translation>
    </message>
    <message>
        <source>Stroke</source>
        <translation>Contour</translation>
    </message>
</context>
<context>
    <name>TabsMediaExplorerWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Local Files</source>
        <translation>Fichiers locaux</translation>
    </message>
    <message>
        <source>Music</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Sound FX</source>
        <translation>Effets sonores</translation>
    </message>
    <message>
        <source>Stickers</source>
        <translation>Autocollants</translation>
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
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>TextBackEditingWidgetController</name>
    <message>
        <source>Text Background</source>
        <translation>Arrière-plan du texte</translation>
    </message>
    <message>
        <source>Spacing</source>
        <translation>Espacement</translation>
    </message>
    <message>
        <source>Round Corner</source>
        <translation>Coins arrondis</translation>
    </message>
</context>
<context>
    <name>TextFontEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
</context>
<context>
    <name>TextSizeEditingWidgetController</name>
    <message>
        <source>Text Size &amp; Color</source>
        <translation>Taille et couleur du texte</translation>
    </message>
</context>
<context>
    <name>TextureGridWidget</name>
    <message>
        <source>Custom Picture...</source>
        <translation>Image personnalisée...</translation>
    </message>
    <message>
        <source>Open a Picture</source>
        <translation>Ouvrir une image</translation>
    </message>
</context>
<context>
    <name>TransitionsEditingWidget</name>
    <message>
        <source>Form</source>
        <translation>Formulaire</translation>
    </message>
    <message>
        <source>Transitions</source>
        <translation>Transitions</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>Add Transition</source>
        <translation>Ajouter une transition</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>Easing type</source>
        <translation>Type d&apos;accélération</translation>
    </message>
    <message>
        <source>End</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Press &quot;+&quot; to add a transition</source>
        <translation>Appuyez sur « + » pour ajouter une transition</translation>
    </message>
</context>
<context>
    <name>TransparencyEditingWidgetController</name>
    <message>
        <source>Transparency</source>
        <translation>Transparence</translation>
    </message>
</context>
<context>
    <name>Util</name>
    <message>
        <source>Help Center</source>
        <translation>Centre d&apos;aide</translation>
    </message>
    <message>
        <source>No web browser could be opened for the help pages. You can read them at this address:</source>
        <translation>Aucun navigateur web n&apos;a pu être ouvert pour les pages d&apos;aide. Vous pouvez les lire à cette adresse :</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Today</source>
        <translation>Aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Stereo</source>
        <translation>Stéréo</translation>
    </message>
    <message>
        <source>Mono</source>
        <translation>Mono</translation>
    </message>
    <message>
        <source>All video files (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</source>
        <translation>Tous les fichiers vidéo (*.mp4 *.mov *.m4v *.avi *.wmv *.asf *.mkv *.3gp *.mpg *.mpeg *.dat *.m2v *.vob *.rm *.rmvb *.webm)</translation>
    </message>
    <message>
        <source>All picture files (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</source>
        <translation>Tous les fichiers image (*.png *.gif *.jpg *.jpeg *.bmp *.dib *.pbm *.pgm *.ppm *.xbm *.xpm *.svg *.tiff *.tif *.webp *.heic)</translation>
    </message>
    <message>
        <source>All music files (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</source>
        <translation>Tous les fichiers audio (*.mp3 *.wav *.m4a *.mid *.wma *.vqf *.ra)</translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
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
        <translation>Codec inconnu</translation>
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
        <translation>Outils vidéo</translation>
    </message>
    <message>
        <source>Grab image from video</source>
        <translation>Capturer une image de la vidéo</translation>
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
