<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Arrange</name>
    <message>
        <source>Process box</source>
        <translation>Rectangle de traitement</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Sequential data</source>
        <translation>Données séquentielles</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Terminate</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Decision</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Stored data</source>
        <translation>Données stockées</translation>
    </message>
    <message>
        <source>Predefined process</source>
        <translation>Processus prédéfini</translation>
    </message>
    <message>
        <source>Internal storage</source>
        <translation>Stockage interne</translation>
    </message>
    <message>
        <source>Direct data</source>
        <translation>Données à accès direct</translation>
    </message>
    <message>
        <source>Manual input</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <source>Manual operation</source>
        <translation>Opération manuelle</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Loop limit</source>
        <translation>Limite de boucle</translation>
    </message>
    <message>
        <source>Off-page reference</source>
        <translation>Renvoi de page</translation>
    </message>
    <message>
        <source>Parallel mode</source>
        <translation>Mode parallèle</translation>
    </message>
    <message>
        <source>Internal process</source>
        <translation>Processus interne</translation>
    </message>
    <message>
        <source>Paper tape</source>
        <translation>Bande perforée</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1 : %2</translation>
    </message>
</context>
<context>
    <name>Canvas</name>
    <message>
        <source>The canvas it needs would be %1 x %2 pixels, more than the %3 megapixels this program opens</source>
        <translation>Le canevas nécessaire ferait %1 x %2 pixels, plus que les %3 mégapixels que ce programme ouvre</translation>
    </message>
    <message>
        <source>Not enough memory for a canvas of %1 x %2 pixels</source>
        <translation>Mémoire insuffisante pour un canevas de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>A canvas of %1 x %2 pixels has no pixels</source>
        <translation>Un canevas de %1 x %2 pixels n&apos;a aucun pixel</translation>
    </message>
    <message>
        <source>Not enough memory to turn a picture of %1 x %2 pixels</source>
        <translation>Mémoire insuffisante pour faire pivoter une image de %1 x %2 pixels</translation>
    </message>
    <message>
        <source>The part to crop to lies outside the picture</source>
        <translation>La partie à conserver est en dehors de l&apos;image</translation>
    </message>
    <message>
        <source>Not enough memory for a picture of %1 x %2 pixels</source>
        <translation>Mémoire insuffisante pour une image de %1 x %2 pixels</translation>
    </message>
</context>
<context>
    <name>Chain</name>
    <message>
        <source>The next figure would not fit inside the picture.</source>
        <translation>La figure suivante ne tiendrait pas dans l&apos;image.</translation>
    </message>
</context>
<context>
    <name>CheckedWrite</name>
    <message>
        <source>The disk took only part of the file</source>
        <translation>Le disque n&apos;a reçu qu&apos;une partie du fichier</translation>
    </message>
</context>
<context>
    <name>Document</name>
    <message>
        <source>The canvas could not return to its own size: %1</source>
        <translation>Le canevas n&apos;a pas pu reprendre sa propre taille : %1</translation>
    </message>
    <message>
        <source>The width must be 1 to %1 pixels and the height 1 to %2.</source>
        <translation>La largeur doit être de 1 à %1 pixels et la hauteur de 1 à %2.</translation>
    </message>
</context>
<context>
    <name>FigureMemory</name>
    <message>
        <source>circle</source>
        <translation>cercle</translation>
    </message>
    <message>
        <source>process box</source>
        <translation>rectangle de traitement</translation>
    </message>
    <message>
        <source>start symbol</source>
        <translation>symbole de début</translation>
    </message>
    <message>
        <source>decision</source>
        <translation>décision</translation>
    </message>
    <message>
        <source>terminal symbol</source>
        <translation>symbole de fin</translation>
    </message>
    <message>
        <source>data symbol</source>
        <translation>symbole de données</translation>
    </message>
    <message>
        <source>stored data symbol</source>
        <translation>symbole de données stockées</translation>
    </message>
    <message>
        <source>predefined process</source>
        <translation>processus prédéfini</translation>
    </message>
    <message>
        <source>internal storage symbol</source>
        <translation>symbole de stockage interne</translation>
    </message>
    <message>
        <source>sequential data symbol</source>
        <translation>symbole de données séquentielles</translation>
    </message>
    <message>
        <source>direct data symbol</source>
        <translation>symbole de données à accès direct</translation>
    </message>
    <message>
        <source>manual input symbol</source>
        <translation>symbole de saisie manuelle</translation>
    </message>
    <message>
        <source>manual operation</source>
        <translation>opération manuelle</translation>
    </message>
    <message>
        <source>preparation symbol</source>
        <translation>symbole de préparation</translation>
    </message>
    <message>
        <source>loop limit</source>
        <translation>limite de boucle</translation>
    </message>
    <message>
        <source>off-page reference</source>
        <translation>renvoi de page</translation>
    </message>
    <message>
        <source>parallel mode symbol</source>
        <translation>symbole de mode parallèle</translation>
    </message>
    <message>
        <source>internal process</source>
        <translation>processus interne</translation>
    </message>
    <message>
        <source>paper tape</source>
        <translation>bande perforée</translation>
    </message>
    <message>
        <source>document</source>
        <translation>document</translation>
    </message>
    <message>
        <source>Top</source>
        <translation>Haut</translation>
    </message>
    <message>
        <source>Bottom</source>
        <translation>Bas</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Gauche</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Droite</translation>
    </message>
    <message>
        <source>Top of the %1</source>
        <translation>Côté haut : %1</translation>
    </message>
    <message>
        <source>Bottom of the %1</source>
        <translation>Côté bas : %1</translation>
    </message>
    <message>
        <source>Left of the %1</source>
        <translation>Côté gauche : %1</translation>
    </message>
    <message>
        <source>Right of the %1</source>
        <translation>Côté droit : %1</translation>
    </message>
    <message>
        <source>Top corner of the %1</source>
        <translation>Coin haut : %1</translation>
    </message>
    <message>
        <source>Bottom corner of the %1</source>
        <translation>Coin bas : %1</translation>
    </message>
    <message>
        <source>Left corner of the %1</source>
        <translation>Coin gauche : %1</translation>
    </message>
    <message>
        <source>Right corner of the %1</source>
        <translation>Coin droit : %1</translation>
    </message>
</context>
<context>
    <name>FileCommands</name>
    <message>
        <source>The file %1 has been changed by another program since it was opened. Replace it with this picture?</source>
        <translation>Le fichier %1 a été modifié par un autre programme depuis son ouverture. Le remplacer par cette image ?</translation>
    </message>
    <message>
        <source>The  %1 file has changed. Do you want to save the changes?</source>
        <translation>Le fichier %1 a été modifié. Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>The  %1  file has changed. Do you want to save the changes?</source>
        <translation>Le fichier %1 a été modifié. Voulez-vous enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 existe déjà.<byte value="xd"/>
Voulez-vous le remplacer ?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>JPEG files</source>
        <translation>Fichiers JPEG</translation>
    </message>
    <message>
        <source>GIF files</source>
        <translation>Fichiers GIF</translation>
    </message>
    <message>
        <source>Bitmap files</source>
        <translation>Fichiers bitmap</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>The chart is too large to keep in the file: the picture was saved without it.</source>
        <translation>Le diagramme est trop grand pour être gardé dans le fichier : l’image a été enregistrée sans lui.</translation>
    </message>
    <message>
        <source>The chart in this file no longer matches its picture; it opens as a plain picture.</source>
        <translation>Le diagramme de ce fichier ne correspond plus à son image ; il s’ouvre comme une simple image.</translation>
    </message>
    <message>
        <source>The chart in this file is damaged; it opens as a plain picture.</source>
        <translation>Le diagramme de ce fichier est endommagé ; il s’ouvre comme une simple image.</translation>
    </message>
</context>
<context>
    <name>FileIdentity</name>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
</context>
<context>
    <name>FontColorDialog</name>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>&amp;Underline</source>
        <translation>&amp;Souligné</translation>
    </message>
    <message>
        <source>Stri&amp;keout</source>
        <translation>&amp;Barré</translation>
    </message>
    <message>
        <source>&amp;Color...</source>
        <translation>&amp;Couleur...</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>&amp;Police :</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>&amp;Taille :</translation>
    </message>
    <message>
        <source>Style:</source>
        <translation>Style :</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>Aperçu :</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>Couleur</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>&amp;Help</source>
        <translation>Aid&amp;e</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>About Tavimbre</source>
        <translation>À propos de Tavimbre</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
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
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tout sélectionner</translation>
    </message>
    <message>
        <source>Deselect</source>
        <translation>Désélectionner</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Copy Picture</source>
        <translation>Copier l&apos;image</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Supprimer</translation>
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
    <message>
        <source>Fit Window</source>
        <translation>Ajuster à la fenêtre</translation>
    </message>
    <message>
        <source>Show Grid</source>
        <translation>Afficher la grille</translation>
    </message>
    <message>
        <source>Snap to Grid</source>
        <translation>Aimanter à la grille</translation>
    </message>
    <message>
        <source>Grid Spacing...</source>
        <translation>Espacement de la grille...</translation>
    </message>
    <message>
        <source>Canvas Size...</source>
        <translation>Taille du canevas...</translation>
    </message>
    <message>
        <source>DrawColor</source>
        <translation>Couleur de tracé</translation>
    </message>
    <message>
        <source>Text Font - Color</source>
        <translation>Police du texte - Couleur</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimer...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>Exporter en PDF...</translation>
    </message>
    <message>
        <source>Transparent Selection</source>
        <translation>Sélection transparente</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>Retourner horizontalement</translation>
    </message>
    <message>
        <source>Flip Vertical</source>
        <translation>Retourner verticalement</translation>
    </message>
    <message>
        <source>Rotate Right</source>
        <translation>Faire pivoter à droite</translation>
    </message>
    <message>
        <source>Rotate Left</source>
        <translation>Faire pivoter à gauche</translation>
    </message>
    <message>
        <source>Rotate 180°</source>
        <translation>Faire pivoter de 180°</translation>
    </message>
    <message>
        <source>Crop to Selection</source>
        <translation>Rogner à la sélection</translation>
    </message>
    <message>
        <source>Crop to Content</source>
        <translation>Rogner au contenu</translation>
    </message>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Fill Tolerance...</source>
        <translation>Tolérance de remplissage...</translation>
    </message>
    <message>
        <source>Pick Colour</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Arrow at End</source>
        <translation>Flèche à la fin</translation>
    </message>
    <message>
        <source>Arrows at Both Ends</source>
        <translation>Flèches aux deux bouts</translation>
    </message>
    <message>
        <source>Solid</source>
        <translation>Continu</translation>
    </message>
    <message>
        <source>Dashed</source>
        <translation>Tirets</translation>
    </message>
    <message>
        <source>Dotted</source>
        <translation>Pointillés</translation>
    </message>
    <message>
        <source>Straight</source>
        <translation>Droit</translation>
    </message>
    <message>
        <source>Elbow</source>
        <translation>Coudé</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>&amp;Affichage</translation>
    </message>
    <message>
        <source>&amp;Image</source>
        <translation>&amp;Image</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>&amp;Outils</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Line Ends</source>
        <translation>Bouts de ligne</translation>
    </message>
    <message>
        <source>Line Style</source>
        <translation>Style de ligne</translation>
    </message>
    <message>
        <source>Line Route</source>
        <translation>Tracé de ligne</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Chain Gap...</source>
        <translation>Écart d&apos;enchaînement...</translation>
    </message>
    <message>
        <source>Arrange Figures</source>
        <translation>Arranger les figures</translation>
    </message>
    <message>
        <source>Process tool</source>
        <translation>Outil Processus</translation>
    </message>
    <message>
        <source>Decision tool</source>
        <translation>Outil Décision</translation>
    </message>
    <message>
        <source>Data tool</source>
        <translation>Outil Données</translation>
    </message>
    <message>
        <source>Start and end tool</source>
        <translation>Outil Début et fin</translation>
    </message>
    <message>
        <source>Document tool</source>
        <translation>Outil Document</translation>
    </message>
    <message>
        <source>Predefined Process tool</source>
        <translation>Outil Processus prédéfini</translation>
    </message>
    <message>
        <source>Manual Input tool</source>
        <translation>Outil Saisie manuelle</translation>
    </message>
    <message>
        <source>Preparation tool</source>
        <translation>Outil Préparation</translation>
    </message>
    <message>
        <source>Circle tool</source>
        <translation>Outil Cercle</translation>
    </message>
    <message>
        <source>Label the last line or arrow</source>
        <translation>Étiqueter la dernière ligne ou flèche</translation>
    </message>
    <message>
        <source>Snap to Figures</source>
        <translation>Aimanter aux figures</translation>
    </message>
</context>
<context>
    <name>Palette</name>
    <message>
        <source>Eraser</source>
        <translation>Gomme</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Clear Picture</source>
        <translation>Effacer l&apos;image</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Process</source>
        <translation>Traitement</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>Ligne</translation>
    </message>
    <message>
        <source>Data</source>
        <translation>Données</translation>
    </message>
    <message>
        <source>Stored data</source>
        <translation>Données st.</translation>
    </message>
    <message>
        <source>Stored Data</source>
        <translation>Données stockées</translation>
    </message>
    <message>
        <source>Predefined.</source>
        <translation>Prédéfini.</translation>
    </message>
    <message>
        <source>Predefined Process</source>
        <translation>Processus prédéfini</translation>
    </message>
    <message>
        <source>Sequential.</source>
        <translation>Séquentiel.</translation>
    </message>
    <message>
        <source>Sequential Data</source>
        <translation>Données séquentielles</translation>
    </message>
    <message>
        <source>Paper Tape</source>
        <translation>Bande perf.</translation>
    </message>
    <message>
        <source>Internal..</source>
        <translation>Interne..</translation>
    </message>
    <message>
        <source>Internal Storage</source>
        <translation>Stockage interne</translation>
    </message>
    <message>
        <source>Direct Data</source>
        <translation>Accès direct</translation>
    </message>
    <message>
        <source>Manual... </source>
        <translation>Manuel... </translation>
    </message>
    <message>
        <source>Manual Input</source>
        <translation>Saisie manuelle</translation>
    </message>
    <message>
        <source>Decision...</source>
        <translation>Décision...</translation>
    </message>
    <message>
        <source>Decision Box</source>
        <translation>Décision</translation>
    </message>
    <message>
        <source>Preparation</source>
        <translation>Préparation</translation>
    </message>
    <message>
        <source>Manual...</source>
        <translation>Manuel...</translation>
    </message>
    <message>
        <source>Manual Operation</source>
        <translation>Opération manuelle</translation>
    </message>
    <message>
        <source>Document</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Documnet</source>
        <translation>Document</translation>
    </message>
    <message>
        <source>Off-page...</source>
        <translation>Renvoi...</translation>
    </message>
    <message>
        <source>Off-page Reference</source>
        <translation>Renvoi de page</translation>
    </message>
    <message>
        <source>Internal...</source>
        <translation>Interne...</translation>
    </message>
    <message>
        <source>Internal Process</source>
        <translation>Processus interne</translation>
    </message>
    <message>
        <source>Parallel...</source>
        <translation>Parallèle...</translation>
    </message>
    <message>
        <source>Parallel Mode</source>
        <translation>Mode parallèle</translation>
    </message>
    <message>
        <source>Up Arrow</source>
        <translation>Flèche haut</translation>
    </message>
    <message>
        <source>Down Arrow</source>
        <translation>Flèche bas</translation>
    </message>
    <message>
        <source>Unnamed...</source>
        <translation>Sans nom...</translation>
    </message>
    <message>
        <source>Unnamed Object</source>
        <translation>Objet sans nom</translation>
    </message>
    <message>
        <source>Left Arrow</source>
        <translation>Flèche gauche</translation>
    </message>
    <message>
        <source>Right Arrow</source>
        <translation>Flèche droite</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>Flèche</translation>
    </message>
    <message>
        <source>Single Double Side Arrow</source>
        <translation>Flèche simple à double sens</translation>
    </message>
    <message>
        <source>Single Left Arrow</source>
        <translation>Flèche simple vers la gauche</translation>
    </message>
    <message>
        <source>Single Right Arrow</source>
        <translation>Flèche simple vers la droite</translation>
    </message>
    <message>
        <source>Loop Limit</source>
        <translation>Boucle</translation>
    </message>
    <message>
        <source>Single Up Arrow</source>
        <translation>Flèche simple vers le haut</translation>
    </message>
    <message>
        <source>Single Down Arrow</source>
        <translation>Flèche simple vers le bas</translation>
    </message>
    <message>
        <source>Terminate</source>
        <translation>Fin</translation>
    </message>
</context>
<context>
    <name>PdfExport</name>
    <message>
        <source>The page cannot be painted</source>
        <translation>La page ne peut pas être dessinée</translation>
    </message>
    <message>
        <source>The page cannot be finished</source>
        <translation>La page ne peut pas être terminée</translation>
    </message>
    <message>
        <source>The picture could not be exported to &quot;%1&quot;: %2</source>
        <translation>L&apos;image n&apos;a pas pu être exportée vers « %1 » : %2</translation>
    </message>
</context>
<context>
    <name>PictureFile</name>
    <message>
        <source>The file &quot;%1&quot; could not be opened: %2</source>
        <translation>Le fichier « %1 » n&apos;a pas pu être ouvert : %2</translation>
    </message>
    <message>
        <source>No such file or directory</source>
        <translation>Aucun fichier ou dossier de ce nom</translation>
    </message>
    <message>
        <source>It is a folder, not a file</source>
        <translation>C&apos;est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>It is not a regular file</source>
        <translation>Ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>The file is empty</source>
        <translation>Le fichier est vide</translation>
    </message>
    <message>
        <source>It is not a picture this program can read (%1)</source>
        <translation>Ce n&apos;est pas une image que ce programme sait lire (%1)</translation>
    </message>
    <message>
        <source>The picture claims %1 x %2 pixels, more than the %3 megapixels this program opens</source>
        <translation>L&apos;image annonce %1 x %2 pixels, plus que les %3 mégapixels que ce programme ouvre</translation>
    </message>
    <message>
        <source>Not enough memory for the picture</source>
        <translation>Mémoire insuffisante pour l&apos;image</translation>
    </message>
    <message>
        <source>Its picture data cannot be decoded (%1)</source>
        <translation>Ses données d&apos;image ne peuvent pas être décodées (%1)</translation>
    </message>
    <message>
        <source>The bitmap is truncated: the file ends before its pixels do</source>
        <translation>Le bitmap est tronqué : le fichier se termine avant ses pixels</translation>
    </message>
    <message>
        <source>The bitmap is truncated: the data ends before its pixels do</source>
        <translation>Le bitmap est tronqué : les données se terminent avant ses pixels</translation>
    </message>
    <message>
        <source>The picture could not be saved to &quot;%1&quot;: %2</source>
        <translation>L&apos;image n&apos;a pas pu être enregistrée dans « %1 » : %2</translation>
    </message>
    <message>
        <source>The PNG is damaged: a part of it runs past its end</source>
        <translation>Le PNG est endommagé : une partie dépasse sa fin</translation>
    </message>
</context>
<context>
    <name>PressTools</name>
    <message>
        <source>Fill</source>
        <translation>Remplir</translation>
    </message>
    <message>
        <source>Pick Colour</source>
        <translation>Pipette</translation>
    </message>
    <message>
        <source>Arrange Figures</source>
        <translation>Arranger les figures</translation>
    </message>
</context>
<context>
    <name>Printer</name>
    <message>
        <source>%1 is not this program&apos;s</source>
        <translation>%1 n&apos;appartient pas à ce programme</translation>
    </message>
    <message>
        <source>%1 is missing</source>
        <translation>%1 est introuvable</translation>
    </message>
    <message>
        <source>The print support could not be loaded: %1</source>
        <translation>Le module d&apos;impression n&apos;a pas pu être chargé : %1</translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>Enregistrer sous</translation>
    </message>
    <message>
        <source>Canvas Size</source>
        <translation>Taille du canevas</translation>
    </message>
    <message>
        <source> pixels</source>
        <translation> pixels</translation>
    </message>
    <message>
        <source>More than the %1 megapixels a canvas may have.</source>
        <translation>Plus que les %1 mégapixels qu&apos;un canevas peut avoir.</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
    <message>
        <source>Grid Spacing</source>
        <translation>Espacement de la grille</translation>
    </message>
    <message>
        <source>Pixels between grid lines:</source>
        <translation>Pixels entre les lignes de la grille :</translation>
    </message>
    <message>
        <source>Fill Tolerance</source>
        <translation>Tolérance de remplissage</translation>
    </message>
    <message>
        <source>How far a colour may differ from the pressed one (0 to 255):</source>
        <translation>Écart permis entre une couleur et celle où l&apos;on appuie (0 à 255) :</translation>
    </message>
    <message>
        <source>Keyboard Shortcuts</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>Touches</translation>
    </message>
    <message>
        <source>What they do</source>
        <translation>Effet</translation>
    </message>
    <message>
        <source>About Qt</source>
        <translation>À propos de Qt</translation>
    </message>
    <message>
        <source>Chain Gap</source>
        <translation>Écart d&apos;enchaînement</translation>
    </message>
    <message>
        <source>Pixels between a figure and the next one chained from it:</source>
        <translation>Pixels entre une figure et la suivante enchaînée à partir d&apos;elle :</translation>
    </message>
</context>
<context>
    <name>Recovery</name>
    <message>
        <source>The recovery copy could not be written to &quot;%1&quot;: %2</source>
        <translation>La copie de récupération n&apos;a pas pu être écrite dans « %1 » : %2</translation>
    </message>
    <message>
        <source>The folder cannot be made</source>
        <translation>Le dossier ne peut pas être créé</translation>
    </message>
    <message>
        <source>Its lock file cannot be made</source>
        <translation>Son fichier de verrou ne peut pas être créé</translation>
    </message>
    <message>
        <source>Its lock file cannot be made: %1</source>
        <translation>Son fichier de verrou ne peut pas être créé : %1</translation>
    </message>
    <message>
        <source>The copy has been moved to &quot;%1&quot;.</source>
        <translation>La copie a été déplacée vers « %1 ».</translation>
    </message>
    <message>
        <source>C</source>
        <comment>the locale of the date in the recovery question</comment>
        <translation>fr_FR</translation>
    </message>
    <message>
        <source>today</source>
        <translation>aujourd&apos;hui</translation>
    </message>
    <message>
        <source>d MMMM yyyy</source>
        <translation>d MMMM yyyy</translation>
    </message>
    <message>
        <source>Tavimbre was closed with unsaved changes to %1 (%2 %3). Recover them?</source>
        <translation>Tavimbre a été fermé avec des modifications non enregistrées de %1 (%2 %3). Les récupérer ?</translation>
    </message>
</context>
<context>
    <name>Shortcuts</name>
    <message>
        <source>Drawing</source>
        <translation>Dessin</translation>
    </message>
    <message>
        <source>Labels</source>
        <translation>Étiquettes</translation>
    </message>
    <message>
        <source>Chaining</source>
        <translation>Enchaînement</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>View</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Files</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Menus</source>
        <translation>Menus</translation>
    </message>
    <message>
        <source>Other keys</source>
        <translation>Autres touches</translation>
    </message>
    <message>
        <source>Drag on the canvas</source>
        <translation>Glisser sur le canevas</translation>
    </message>
    <message>
        <source>Draws the chosen tool&apos;s figure, its outline following the pointer</source>
        <translation>Dessine la figure de l&apos;outil choisi, son contour suivant le pointeur</translation>
    </message>
    <message>
        <source>Double-click a palette button</source>
        <translation>Double-clic sur un bouton de la palette</translation>
    </message>
    <message>
        <source>Locks its tool: it is chosen again after each figure, until Esc or another button</source>
        <translation>Verrouille son outil : il est choisi de nouveau après chaque figure, jusqu&apos;à Échap ou un autre bouton</translation>
    </message>
    <message>
        <source>Ends a drag without its figure; gives up a locked tool; leaves Fill and Pick Colour</source>
        <translation>Termine un glissement sans sa figure ; libère un outil verrouillé ; quitte Remplir et Pipette</translation>
    </message>
    <message>
        <source>Drag a handle on the picture&apos;s right edge, bottom edge or corner</source>
        <translation>Glisser une poignée du bord droit, du bord inférieur ou du coin de l&apos;image</translation>
    </message>
    <message>
        <source>Sets the picture&apos;s size</source>
        <translation>Définit la taille de l&apos;image</translation>
    </message>
    <message>
        <source>Click on the canvas</source>
        <translation>Cliquer sur le canevas</translation>
    </message>
    <message>
        <source>Stamps the text typed in &quot;Enter Text&quot; with its top-left corner there</source>
        <translation>Appose le texte tapé dans « Texte », son coin supérieur gauche à cet endroit</translation>
    </message>
    <message>
        <source>In &quot;Enter Text&quot; or on the canvas: labels what was drawn last, the text centred inside a figure or beside a line</source>
        <translation>Dans « Texte » ou sur le canevas : étiquette le dernier tracé, le texte centré dans une figure ou à côté d&apos;une ligne</translation>
    </message>
    <message>
        <source>Draws the next figure below, above, left or right of the one under the pointer (or the last one), joined to it by an arrow</source>
        <translation>Dessine la figure suivante au-dessous, au-dessus, à gauche ou à droite de celle sous le pointeur (ou de la dernière), reliée à elle par une flèche</translation>
    </message>
    <message>
        <source>Drag with Select on</source>
        <translation>Glisser avec Sélectionner actif</translation>
    </message>
    <message>
        <source>Marks a part of the picture</source>
        <translation>Marque une partie de l&apos;image</translation>
    </message>
    <message>
        <source>Drag from inside the marked part</source>
        <translation>Glisser depuis l&apos;intérieur de la partie marquée</translation>
    </message>
    <message>
        <source>Moves its pixels; they float until dropped</source>
        <translation>Déplace ses pixels ; ils flottent jusqu&apos;à ce qu&apos;ils soient déposés</translation>
    </message>
    <message>
        <source>Press outside the marked part</source>
        <translation>Appuyer hors de la partie marquée</translation>
    </message>
    <message>
        <source>Drops what floats</source>
        <translation>Dépose ce qui flotte</translation>
    </message>
    <message>
        <source>Ctrl+wheel</source>
        <translation>Ctrl+molette</translation>
    </message>
    <message>
        <source>Zooms in or out about the pointer</source>
        <translation>Zoome en avant ou en arrière autour du pointeur</translation>
    </message>
    <message>
        <source>Drop a picture file on the window</source>
        <translation>Déposer un fichier image sur la fenêtre</translation>
    </message>
    <message>
        <source>Opens it, as Open does</source>
        <translation>L&apos;ouvre, comme Ouvrir</translation>
    </message>
    <message>
        <source>Drop picture data on the window</source>
        <translation>Déposer des données d&apos;image sur la fenêtre</translation>
    </message>
    <message>
        <source>Floats it, as Paste does</source>
        <translation>Les fait flotter, comme Coller</translation>
    </message>
    <message>
        <source>Open the menu bar&apos;s %1</source>
        <translation>Ouvrent les menus %1 de la barre de menus</translation>
    </message>
    <message>
        <source>A key of the window</source>
        <translation>Une touche de la fenêtre</translation>
    </message>
    <message>
        <source>Moves the focus to the next palette button or control, or back</source>
        <translation>Passe le focus au bouton de la palette ou au contrôle suivant, ou revient en arrière</translation>
    </message>
    <message>
        <source>On a palette button: presses it while &quot;Enter Text&quot; is empty, else types a blank</source>
        <translation>Sur un bouton de la palette : l&apos;enfonce tant que « Texte » est vide, sinon tape une espace</translation>
    </message>
    <message>
        <source>Type on the canvas or a palette button</source>
        <translation>Taper sur le canevas ou sur un bouton de la palette</translation>
    </message>
    <message>
        <source>Writes into &quot;Enter Text&quot;, Backspace too, the focus staying where it is</source>
        <translation>Écrit dans « Texte », Retour arrière aussi ; le focus reste où il est</translation>
    </message>
    <message>
        <source>Drag a figure in Arrange Figures</source>
        <translation>Faire glisser une figure dans « Arranger les figures »</translation>
    </message>
    <message>
        <source>Moves it, its connectors following</source>
        <translation>La déplace, ses connecteurs la suivent</translation>
    </message>
    <message>
        <source>On the canvas in Arrange Figures: move the current figure a pixel, with Ctrl a grid step</source>
        <translation>Sur le canevas dans « Arranger les figures » : déplacent la figure courante d’un pixel, avec Ctrl d’un pas de grille</translation>
    </message>
</context>
<context>
    <name>StatusLine</name>
    <message>
        <source>Pointer %1, %2</source>
        <translation>Pointeur %1, %2</translation>
    </message>
    <message>
        <source>Drag %1 × %2</source>
        <translation>Glissement %1 × %2</translation>
    </message>
    <message>
        <source>Picture %1 × %2 → %3 × %4</source>
        <translation>Image %1 × %2 → %3 × %4</translation>
    </message>
    <message>
        <source>Picture %1 × %2</source>
        <translation>Image %1 × %2</translation>
    </message>
    <message>
        <source>Zoom %1%</source>
        <translation>Zoom %1 %</translation>
    </message>
    <message>
        <source>This figure is drawn by dragging down and to the right.</source>
        <translation>Cette figure se dessine en glissant vers le bas et la droite.</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Sélectionner</translation>
    </message>
    <message>
        <source>%1 (locked)</source>
        <translation>%1 (verrouillé)</translation>
    </message>
</context>
<context>
    <name>frmmain</name>
    <message>
        <source>Are you sure you want to clear the picture?</source>
        <translation>Voulez-vous vraiment effacer l&apos;image ?</translation>
    </message>
    <message>
        <source>The label is larger than its figure: it is stamped at 6 points.</source>
        <translation>L&apos;étiquette est plus grande que sa figure : elle est apposée en 6 points.</translation>
    </message>
    <message>
        <source>Draw a figure first: Return centres the text in the last figure drawn.</source>
        <translation>Dessinez d&apos;abord une figure : Entrée centre le texte dans la dernière figure dessinée.</translation>
    </message>
    <message>
        <source>Draw width</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>Eraser width</source>
        <translation>Taille gomme</translation>
    </message>
    <message>
        <source>Enter Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>To write the text to picture box,  write text in above textbox and click left mouse button at the specified position of the picture.</source>
        <translation>Pour écrire dans l&apos;image, tapez le texte dans la zone ci-dessus, puis cliquez avec le bouton gauche à l&apos;endroit voulu de l&apos;image.</translation>
    </message>
    <message>
        <source>--Select--</source>
        <translation>--Choisir--</translation>
    </message>
    <message>
        <source>The picture could not be pasted: %1</source>
        <translation>L&apos;image n&apos;a pas pu être collée : %1</translation>
    </message>
    <message>
        <source>The clipboard holds no picture.</source>
        <translation>Le presse-papiers ne contient aucune image.</translation>
    </message>
    <message>
        <source>The pasted picture is larger than this one. Enlarge it?</source>
        <translation>L&apos;image collée est plus grande que celle-ci. L&apos;agrandir ?</translation>
    </message>
    <message>
        <source>The picture could not be printed: %1</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée : %1</translation>
    </message>
    <message>
        <source>The picture could not be printed into &quot;%1&quot;: %2</source>
        <translation>L&apos;image n&apos;a pas pu être imprimée dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Exported to %1</source>
        <translation>Exporté vers %1</translation>
    </message>
    <message>
        <source>the section &quot;Using it&quot; of the README</source>
        <translation>la section « Using it » du README</translation>
    </message>
    <message>
        <source>the section &quot;Using it&quot; of the &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt;</source>
        <translation>la section « Using it » du &lt;a href=&quot;%1&quot;&gt;README&lt;/a&gt;</translation>
    </message>
    <message>
        <source>About Tavimbre</source>
        <translation>À propos de Tavimbre</translation>
    </message>
    <message>
        <source>&lt;h3&gt;Tavimbre %1&lt;/h3&gt;&lt;p&gt;Draws flowcharts by hand on a raster canvas.&lt;/p&gt;&lt;p&gt;Released under the MIT License (see LICENSE).&lt;/p&gt;&lt;p&gt;How to use it: %2.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Tavimbre %1&lt;/h3&gt;&lt;p&gt;Dessine des organigrammes à main levée sur un canevas matriciel.&lt;/p&gt;&lt;p&gt;Publié sous la licence MIT (voir LICENSE).&lt;/p&gt;&lt;p&gt;Mode d&apos;emploi : voir %2.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Not enough memory to turn the selected part</source>
        <translation>Mémoire insuffisante pour faire pivoter la partie sélectionnée</translation>
    </message>
    <message>
        <source>Nothing is selected.</source>
        <translation>Rien n&apos;est sélectionné.</translation>
    </message>
    <message>
        <source>The picture is all white: there is nothing to crop to.</source>
        <translation>L&apos;image est entièrement blanche : il n&apos;y a rien à rogner.</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <source>Fill: press the area to fill with the draw colour.</source>
        <translation>Remplir : appuyez dans la zone à remplir de la couleur de tracé.</translation>
    </message>
    <message>
        <source>Pick Colour: press the colour to draw with.</source>
        <translation>Pipette : appuyez sur la couleur avec laquelle dessiner.</translation>
    </message>
    <message>
        <source>Draw colour: red %1, green %2, blue %3</source>
        <translation>Couleur de tracé : rouge %1, vert %2, bleu %3</translation>
    </message>
    <message>
        <source>The grid spacing is %1 to %2 pixels.</source>
        <translation>L&apos;espacement de la grille va de %1 à %2 pixels.</translation>
    </message>
    <message>
        <source>This change is too large to be undone.</source>
        <translation>Cette modification est trop importante pour pouvoir être annulée.</translation>
    </message>
    <message>
        <source>This change is too large to be undone. Make it anyway?</source>
        <translation>Cette modification est trop importante pour pouvoir être annulée. L&apos;effectuer quand même ?</translation>
    </message>
    <message>
        <source>The dropped picture could not be used: %1</source>
        <translation>L&apos;image déposée n&apos;a pas pu être utilisée : %1</translation>
    </message>
    <message>
        <source>Chaining draws a figure: leave Select first (Esc).</source>
        <translation>L&apos;enchaînement dessine une figure : quittez d&apos;abord « Sélectionner » (Échap).</translation>
    </message>
    <message>
        <source>Chaining draws a figure: leave Fill first (Esc).</source>
        <translation>L&apos;enchaînement dessine une figure : quittez d&apos;abord « Remplir » (Échap).</translation>
    </message>
    <message>
        <source>Chaining draws a figure: leave Pick Colour first (Esc).</source>
        <translation>L&apos;enchaînement dessine une figure : quittez d&apos;abord « Pipette » (Échap).</translation>
    </message>
    <message>
        <source>Chaining draws a figure: choose a figure tool in place of the eraser.</source>
        <translation>L&apos;enchaînement dessine une figure : choisissez un outil de figure à la place de la gomme.</translation>
    </message>
    <message>
        <source>The chain gap is %1 to %2 pixels.</source>
        <translation>L&apos;écart d&apos;enchaînement va de %1 à %2 pixels.</translation>
    </message>
    <message>
        <source>Draw a figure first: the arrow keys move the current figure.</source>
        <translation>Dessinez d’abord une figure : les flèches déplacent la figure courante.</translation>
    </message>
    <message>
        <source>The figure grew to hold its label.</source>
        <translation>La figure s’est agrandie pour contenir son libellé.</translation>
    </message>
    <message>
        <source>The figure cannot grow to hold its label here: it is stamped smaller.</source>
        <translation>La figure ne peut pas s’agrandir ici pour contenir son libellé : il est apposé plus petit.</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>Image</translation>
    </message>
    <message>
        <source>More tools</source>
        <translation>Autres outils</translation>
    </message>
    <message>
        <source>Draw a line or an arrow first: Ctrl+Return writes the text beside the last one drawn.</source>
        <translation>Tracez d&apos;abord une ligne ou une flèche : Ctrl+Entrée écrit le texte à côté de la dernière tracée.</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Draw flowcharts by hand on a raster canvas.</source>
        <translation>Dessiner des organigrammes à main levée sur un canevas matriciel.</translation>
    </message>
    <message>
        <source>Run the commands in FILE headless, then exit.</source>
        <translation>Exécuter les commandes de FILE sans fenêtre, puis quitter.</translation>
    </message>
    <message>
        <source>With --script, write every canvas call to FILE.</source>
        <translation>Avec --script, écrire chaque appel de dessin du canevas dans FILE.</translation>
    </message>
    <message>
        <source>A picture to open at start.</source>
        <translation>Une image à ouvrir au démarrage.</translation>
    </message>
</context>
</TS>
