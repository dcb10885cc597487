<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>corvane::BoardOverviewPanel</name>
    <message>
        <source>Board-Zoom</source>
        <translation>Zoom carte</translation>
    </message>
</context>
<context>
    <name>corvane::DrawingArea</name>
    <message>
        <source>Zoom previous</source>
        <translation>Zoom précédent</translation>
    </message>
    <message>
        <source>Zoom board</source>
        <translation>Zoom carte</translation>
    </message>
    <message>
        <source>Zoom objects</source>
        <translation>Zoom objets</translation>
    </message>
    <message>
        <source>Zoom selection</source>
        <translation>Zoom sélection</translation>
    </message>
</context>
<context>
    <name>corvane::FontTextDialog</name>
    <message>
        <source>Text input</source>
        <translation>Saisie du texte</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Hauteur</translation>
    </message>
</context>
<context>
    <name>corvane::GridButton</name>
    <message>
        <source>Adjust grid</source>
        <translation>Régler la grille</translation>
    </message>
    <message>
        <source>Add new grid value...</source>
        <translation>Ajouter une nouvelle grille...</translation>
    </message>
    <message>
        <source>Remove current grid value</source>
        <translation>Supprimer la grille actuelle</translation>
    </message>
    <message>
        <source>Subdivisions</source>
        <translation>Subdivisions</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Afficher la grille</translation>
    </message>
</context>
<context>
    <name>corvane::GridSizeDialog</name>
    <message>
        <source>New grid</source>
        <translation>Nouvelle grille</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Pas de grille</translation>
    </message>
</context>
<context>
    <name>corvane::OptionsDialog</name>
    <message>
        <source>General settings</source>
        <translation>Réglages généraux</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Working-Directories</source>
        <translation>Dossiers de travail</translation>
    </message>
    <message>
        <source>Macro-Directory</source>
        <translation>Dossier des macros</translation>
    </message>
    <message>
        <source>Undo-Depth</source>
        <translation>Profondeur d&apos;annulation</translation>
    </message>
    <message>
        <source>Imax</source>
        <translation>Imax</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Raccourcis</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Drillings:</source>
        <translation>Perçages :</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Couleur du fond</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Blanc</translation>
    </message>
    <message>
        <source>Base unit:</source>
        <translation>Unité de base :</translation>
    </message>
    <message>
        <source>Virtual nodes an tracks</source>
        <translation>Nœuds virtuels sur les pistes</translation>
    </message>
    <message>
        <source>Reticule</source>
        <translation>Réticule</translation>
    </message>
    <message>
        <source>Mirror macros and text on the bottom board side automatic</source>
        <translation>Miroir automatique des macros et textes sur la face inférieure</translation>
    </message>
    <message>
        <source>Show Board-Zoom</source>
        <translation>Afficher le zoom carte</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Afficher les bulles d&apos;aide</translation>
    </message>
    <message>
        <source>Limit text height (track width min. 0.15 mm)</source>
        <translation>Limiter la hauteur du texte (largeur de trait min. 0,15 mm)</translation>
    </message>
    <message>
        <source>CTRL-Key necessary to capture values during selections</source>
        <translation>Touche CTRL nécessaire pour reprendre les valeurs d&apos;une sélection</translation>
    </message>
    <message>
        <source>HPGL scaling with 0,3937 instead of 0.4</source>
        <translation>Échelle HPGL 0,3937 au lieu de 0,4</translation>
    </message>
    <message>
        <source>Darken ground-plane</source>
        <translation>Assombrir le plan de masse</translation>
    </message>
    <message>
        <source>Use origin in CAM-export (Gerber/Excellon/HPGL)</source>
        <translation>Utiliser l&apos;origine dans l&apos;export FAO (Gerber/Excellon/HPGL)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>User 1</source>
        <translation>Utilisateur 1</translation>
    </message>
    <message>
        <source>User 2</source>
        <translation>Utilisateur 2</translation>
    </message>
    <message>
        <source>User 3</source>
        <translation>Utilisateur 3</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Fond</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Grille</translation>
    </message>
    <message>
        <source>C1 (Copper-Top)</source>
        <translation>C1 (Cuivre-Dessus)</translation>
    </message>
    <message>
        <source>S1 (Silkscreen-Top)</source>
        <translation>S1 (Sérigraphie-Dessus)</translation>
    </message>
    <message>
        <source>C2 (Copper-Bottom)</source>
        <translation>C2 (Cuivre-Dessous)</translation>
    </message>
    <message>
        <source>S2 (Silkscreen-Bottom)</source>
        <translation>S2 (Sérigraphie-Dessous)</translation>
    </message>
    <message>
        <source>I1 (Copper-Inner 1)</source>
        <translation>I1 (Cuivre-Interne 1)</translation>
    </message>
    <message>
        <source>I2 (Copper-Inner 2)</source>
        <translation>I2 (Cuivre-Interne 2)</translation>
    </message>
    <message>
        <source>O  (Outline)</source>
        <translation>O  (Contour)</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <source>Reset scheme to default</source>
        <translation>Rétablir le jeu par défaut</translation>
    </message>
    <message>
        <source>Color scheme:</source>
        <translation>Jeu de couleurs :</translation>
    </message>
    <message>
        <source>Layout files:</source>
        <translation>Fichiers de circuit :</translation>
    </message>
    <message>
        <source>Gerber export:</source>
        <translation>Export Gerber :</translation>
    </message>
    <message>
        <source>Bitmap export:</source>
        <translation>Export bitmap :</translation>
    </message>
    <message>
        <source>Scanned copies:</source>
        <translation>Modèles scannés :</translation>
    </message>
    <message>
        <source>HPGL export:</source>
        <translation>Export HPGL :</translation>
    </message>
    <message>
        <source>Leave the fields empty, if you want Corvane to remember</source>
        <translation>Laissez les champs vides si Corvane doit retenir</translation>
    </message>
    <message>
        <source>the last used directories.</source>
        <translation>les derniers dossiers utilisés.</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Changer...</translation>
    </message>
    <message>
        <source>Root-Directory for macros:</source>
        <translation>Dossier racine des macros :</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Réinitialiser</translation>
    </message>
    <message>
        <source>Only change this setting, if you have moved</source>
        <translation>Ne modifiez ce réglage que si vous avez déplacé</translation>
    </message>
    <message>
        <source>your Macro-Directory to another drive or directory.</source>
        <translation>votre dossier des macros vers un autre lecteur ou dossier.</translation>
    </message>
    <message>
        <source>This will reset the Macro-Directory to the default setting.</source>
        <translation>Rétablit le dossier des macros par défaut.</translation>
    </message>
    <message>
        <source>Here you can define the maximum number of UNDO operations.</source>
        <translation>Définissez ici le nombre maximal d&apos;opérations ANNULER.</translation>
    </message>
    <message>
        <source>The maximum is 50 operations</source>
        <translation>Le maximum est de 50 opérations</translation>
    </message>
    <message>
        <source>If your system runs very slowly while working with big layouts,</source>
        <translation>Si votre système est très lent avec de grands circuits,</translation>
    </message>
    <message>
        <source>you can decrease this value down to 1.</source>
        <translation>vous pouvez réduire cette valeur jusqu&apos;à 1.</translation>
    </message>
    <message>
        <source>Copper-Thickness in µm:</source>
        <translation>Épaisseur du cuivre en µm :</translation>
    </message>
    <message>
        <source>Temperature enhance in °C:</source>
        <translation>Échauffement en °C :</translation>
    </message>
    <message>
        <source>The calculation of the max. current-carrying capacity for a track,</source>
        <translation>Le calcul du courant maximal admissible d&apos;une piste</translation>
    </message>
    <message>
        <source>is only a coarse approximate value.</source>
        <translation>n&apos;est qu&apos;une approximation grossière.</translation>
    </message>
    <message>
        <source>The real value is depending on many other factors and the environment.</source>
        <translation>La valeur réelle dépend de nombreux autres facteurs et de l&apos;environnement.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Mode</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Touche</translation>
    </message>
    <message>
        <source>Change hotkey</source>
        <translation>Changer le raccourci</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Pastille</translation>
    </message>
    <message>
        <source>SMD-Pad</source>
        <translation>Pastille CMS</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <source>Special form</source>
        <translation>Forme spéciale</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Autoroute</source>
        <translation>Autoroute</translation>
    </message>
    <message>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <source>Measure</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <source>Photoview</source>
        <translation>Vue photo</translation>
    </message>
    <message>
        <source>Solder mask</source>
        <translation>Vernis épargne</translation>
    </message>
    <message>
        <source>You have changed the colors.</source>
        <translation>Vous avez modifié les couleurs.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>The hotkey &quot;%1&quot; is already in use.</source>
        <translation>Le raccourci &quot;%1&quot; est déjà utilisé.</translation>
    </message>
    <message>
        <source>Please select a default-directory for </source>
        <translation>Veuillez choisir un dossier par défaut pour </translation>
    </message>
</context>
<context>
    <name>corvane::TextDialog</name>
    <message>
        <source>Text properties</source>
        <translation>Propriétés du texte</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Hauteur (mm)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Épaisseur</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;Fin</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Style</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Étroit</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Orientation</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertical</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Add number</source>
        <translation>Ajouter un numéro</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Commencer à :</translation>
    </message>
</context>
</TS>
