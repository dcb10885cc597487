<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>corvane::AutoSaveDialog</name>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="35"/>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="41"/>
        <source>Save layout periodical</source>
        <translation>Enregistrer le layout périodiquement</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="41"/>
        <source>to backup file (*.bak)</source>
        <translation>dans un fichier de sauvegarde (*.bak)</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="44"/>
        <source>Interval:</source>
        <translation>Intervalle :</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="54"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="55"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>corvane::InfoWindow</name>
    <message>
        <location filename="../src/app/info_window.cpp" line="51"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>corvane::LayerInfoWindow</name>
    <message>
        <location filename="../src/app/layer_info_window.cpp" line="51"/>
        <source>Seen from side 1</source>
        <translation>Vu du côté 1</translation>
    </message>
    <message>
        <location filename="../src/app/layer_info_window.cpp" line="52"/>
        <source>Seen from side 2</source>
        <translation>Vu du côté 2</translation>
    </message>
    <message>
        <location filename="../src/app/layer_info_window.cpp" line="77"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="65"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="66"/>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="67"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="68"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="69"/>
        <source>S&amp;ave as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="71"/>
        <source>Save as &amp;macro...</source>
        <translation>Enregistrer comme &amp;macro...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="73"/>
        <source>&amp;AutoSave...</source>
        <translation>Sauvegarde &amp;auto...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="75"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="76"/>
        <source>&amp;Gerber export...</source>
        <translation>Export &amp;Gerber...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="77"/>
        <source>&amp;Drill data (Excellon)...</source>
        <translation>&amp;Données de perçage (Excellon)...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="84"/>
        <source>Milling files</source>
        <translation>Fichiers de fraisage</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="85"/>
        <source>Isolation milling (HPGL, *.plt)</source>
        <translation>Fraisage d&apos;isolation (HPGL, *.plt)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="86"/>
        <source>PCB outline milling (HPGL, *.plt)</source>
        <translation>Fraisage du contour (HPGL, *.plt)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="88"/>
        <source>Directories...</source>
        <translation>Répertoires...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="90"/>
        <source>P&amp;rinter Setup...</source>
        <translation>Configuration de l&apos;imp&amp;rimante...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="91"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="98"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="100"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="101"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="103"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="106"/>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="108"/>
        <source>&amp;Cut</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="110"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="112"/>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="114"/>
        <source>Tile...</source>
        <translation>Mosaïque...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="115"/>
        <source>&amp;Delete [Del]</source>
        <translation>&amp;Supprimer [Suppr]</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="117"/>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="120"/>
        <source>&amp;Board</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="121"/>
        <source>&amp;Add new board...</source>
        <translation>&amp;Ajouter une carte...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="122"/>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="123"/>
        <location filename="../src/app/main_window_boards.cpp" line="90"/>
        <source>Copy board</source>
        <translation>Copier la carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="124"/>
        <source>&amp;Delete board...</source>
        <translation>&amp;Supprimer la carte...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="126"/>
        <source>Set board to &amp;right</source>
        <translation>Carte tout à &amp;droite</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="127"/>
        <source>Set board to &amp;left</source>
        <translation>Carte tout à &amp;gauche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="129"/>
        <source>Move board to &amp;right</source>
        <translation>Déplacer la carte vers la d&amp;roite</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="130"/>
        <source>Move board to &amp;left</source>
        <translation>Déplacer la carte vers la g&amp;auche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="132"/>
        <source>&amp;Import boards from file...</source>
        <translation>&amp;Importer des cartes d&apos;un fichier...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="134"/>
        <source>F&amp;unctions</source>
        <translation>F&amp;onctions</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="135"/>
        <source>&amp;Rotate</source>
        <translation>&amp;Pivoter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="138"/>
        <source>Mirror &amp;horizontal</source>
        <translation>Miroir &amp;horizontal</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="140"/>
        <source>Mirror &amp;vertical</source>
        <translation>Miroir &amp;vertical</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="143"/>
        <source>Build &amp;group</source>
        <translation>Former un &amp;groupe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="145"/>
        <source>Split gro&amp;up</source>
        <translation>Dissoudre le gro&amp;upe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="148"/>
        <source>Change board side</source>
        <translation>Changer de face</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="150"/>
        <source>Set to layer</source>
        <translation>Mettre sur la couche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="153"/>
        <source>&amp;Adjust to grid</source>
        <translation>&amp;Aligner sur la grille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="155"/>
        <source>&amp;Remove connections (rubberbands)</source>
        <translation>&amp;Retirer les connexions (élastiques)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="157"/>
        <source>Delete elements outside the board</source>
        <translation>Supprimer les éléments hors de la carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="158"/>
        <source>Reset solder mask...</source>
        <translation>Réinitialiser le masque de soudure...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="160"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="161"/>
        <source>General settings...</source>
        <translation>Paramètres généraux...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="163"/>
        <source>Show Properties-Panel</source>
        <translation>Afficher le panneau Propriétés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="164"/>
        <source>Show DRC-Panel</source>
        <translation>Afficher le panneau DRC</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="165"/>
        <source>Show Macro-Library</source>
        <translation>Afficher la bibliothèque de macros</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="167"/>
        <source>&amp;Scanned copy...</source>
        <translation>&amp;Modèle scanné...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="169"/>
        <source>&amp;GroundPlane</source>
        <translation>&amp;Plan de masse</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="172"/>
        <source>Zoom &amp;board</source>
        <translation>Zoom &amp;carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="173"/>
        <source>Zoom &amp;objects</source>
        <translation>Zoom &amp;objets</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="174"/>
        <source>Zoom &amp;selection</source>
        <translation>Zoom &amp;sélection</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="175"/>
        <source>Zoom previous</source>
        <translation>Zoom précédent</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="176"/>
        <source>&amp;Repaint</source>
        <translation>&amp;Redessiner</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="178"/>
        <source>Project info...</source>
        <translation>Infos du projet...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="179"/>
        <source>List drillings...</source>
        <translation>Liste des perçages...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="181"/>
        <source>Footprint-Wizard...</source>
        <translation>Assistant d&apos;empreintes...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="183"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="184"/>
        <source>&amp;Index...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="191"/>
        <location filename="../src/app/main_window_menus.cpp" line="253"/>
        <source>Align elements</source>
        <translation>Aligner les éléments</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="192"/>
        <location filename="../src/app/main_window_menus.cpp" line="258"/>
        <source>Zoom functions</source>
        <translation>Fonctions de zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="193"/>
        <location filename="../src/app/main_window_menus.cpp" line="264"/>
        <source>Show project-info</source>
        <translation>Afficher les infos du projet</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="194"/>
        <location filename="../src/app/main_window_menus.cpp" line="265"/>
        <source>Toggle transparent mode</source>
        <translation>Basculer le mode transparent</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="228"/>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="239"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="240"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="241"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="242"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="243"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="244"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="245"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="246"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="247"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="248"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="249"/>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="250"/>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="251"/>
        <source>Mirror horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="252"/>
        <source>Mirror vertical</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="254"/>
        <source>Snap to grid</source>
        <translation>Aligner sur la grille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="255"/>
        <source>Remove connections (rubberbands)</source>
        <translation>Retirer les connexions (élastiques)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="256"/>
        <source>Build group</source>
        <translation>Former un groupe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="257"/>
        <source>Split group</source>
        <translation>Dissoudre le groupe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="259"/>
        <source>Repaint</source>
        <translation>Redessiner</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="260"/>
        <source>Scanned copy...</source>
        <translation>Modèle scanné...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="261"/>
        <source>Show/hide Properties-Panel</source>
        <translation>Afficher/masquer le panneau Propriétés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="262"/>
        <source>Show/hide DRC-Panel</source>
        <translation>Afficher/masquer le panneau DRC</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="263"/>
        <source>Show/hide Macro-Library</source>
        <translation>Afficher/masquer la bibliothèque de macros</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="279"/>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="294"/>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="294"/>
        <source>Edit mode</source>
        <translation>Mode édition</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="295"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="295"/>
        <source>Zoom mode</source>
        <translation>Mode zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="296"/>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="296"/>
        <source>Draw tracks</source>
        <translation>Tracer des pistes</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="297"/>
        <source>Pad</source>
        <translation>Pastille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="297"/>
        <source>Add pads|Add pads. Click on the arrow to select a pad shape.</source>
        <translation>Placer des pastilles|Placer des pastilles. Cliquez sur la flèche pour choisir la forme.</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="298"/>
        <source>SMD-Pad</source>
        <translation>Pastille CMS</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="298"/>
        <source>Add SMD-pads</source>
        <translation>Placer des pastilles CMS</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="299"/>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="299"/>
        <source>Circle/Arcs</source>
        <translation>Cercles/arcs</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="300"/>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="300"/>
        <source>Draw filled areas</source>
        <translation>Tracer des zones remplies</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="301"/>
        <source>Special form</source>
        <translation>Forme spéciale</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="301"/>
        <source>Draw equilateral polygons or spirals</source>
        <translation>Tracer des polygones réguliers ou des spirales</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="302"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="302"/>
        <source>Add text</source>
        <translation>Placer du texte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="303"/>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="303"/>
        <source>Connections|Draw rubberbands to mark connections</source>
        <translation>Connexions|Tracer des élastiques pour marquer les connexions</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="304"/>
        <source>Autorouter|Autorouter for routing rubberband connections</source>
        <translation>Autorouteur|Autorouteur pour router les connexions élastiques</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="305"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="305"/>
        <source>Test mode|Display all connected elements</source>
        <translation>Mode test|Afficher tous les éléments connectés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="306"/>
        <source>Measure</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="306"/>
        <source>Measure|Mode for measuring distances and angles</source>
        <translation>Mesurer|Mode de mesure des distances et des angles</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="307"/>
        <source>Photoview</source>
        <translation>Vue photo</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="307"/>
        <source>Photoview|Display the board as WYSIWYG</source>
        <translation>Vue photo|Afficher la carte telle quelle</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="308"/>
        <source>Solder mask</source>
        <translation>Masque de soudure</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="308"/>
        <source>Edit solder mask|Include or exclude elements from solder mask</source>
        <translation>Éditer le masque de soudure|Inclure ou exclure des éléments du masque de soudure</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="338"/>
        <source>visible</source>
        <translation>visible</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="339"/>
        <source>active</source>
        <translation>active</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="343"/>
        <source>|Show/hide layer C1</source>
        <translation>|Afficher/masquer la couche C1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="343"/>
        <source>|Show/hide layer S1</source>
        <translation>|Afficher/masquer la couche S1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="343"/>
        <source>|Show/hide layer C2</source>
        <translation>|Afficher/masquer la couche C2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="343"/>
        <source>|Show/hide layer S2</source>
        <translation>|Afficher/masquer la couche S2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="344"/>
        <source>|Show/hide layer I1 (multilayer)</source>
        <translation>|Afficher/masquer la couche I1 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="344"/>
        <source>|Show/hide layer I2 (multilayer)</source>
        <translation>|Afficher/masquer la couche I2 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="345"/>
        <source>|Show/hide layer O (PCB-Outline)</source>
        <translation>|Afficher/masquer la couche O (contour)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="347"/>
        <source>|Select ACTIVE layer C1</source>
        <translation>|Choisir la couche ACTIVE C1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="347"/>
        <source>|Select ACTIVE layer S1</source>
        <translation>|Choisir la couche ACTIVE S1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="347"/>
        <source>|Select ACTIVE layer C2</source>
        <translation>|Choisir la couche ACTIVE C2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="348"/>
        <source>|Select ACTIVE layer S2</source>
        <translation>|Choisir la couche ACTIVE S2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="348"/>
        <source>|Select ACTIVE layer I1 (multilayer)</source>
        <translation>|Choisir la couche ACTIVE I1 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="349"/>
        <source>|Select ACTIVE layer I2 (multilayer)</source>
        <translation>|Choisir la couche ACTIVE I2 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="349"/>
        <source>|Select ACTIVE layer O (PCB-Outline)</source>
        <translation>|Choisir la couche ACTIVE O (contour)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="374"/>
        <source>LayerInfo|Show the layer-colors and their meaning</source>
        <translation>LayerInfo|Afficher les couleurs des couches et leur signification</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="381"/>
        <source>Adjust grid</source>
        <translation>Régler la grille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="390"/>
        <source>GND</source>
        <translation>GND</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="392"/>
        <source>Enable/disable ground plane</source>
        <translation>Activer/désactiver le plan de masse</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="414"/>
        <source>Unit of rulers|Select mm or mil</source>
        <translation>Unité des règles|Choisir mm ou mil</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="444"/>
        <source>|Board-Zoom</source>
        <translation>|Zoom de la carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_files.cpp" line="18"/>
        <source>Layout files (*.lay)|*.LAY|All files (*.*)|*.*</source>
        <translation>Fichiers layout (*.lay)|*.LAY|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_files.cpp" line="19"/>
        <source>Layout files (*.lay)|*.LAY|All Files (*.*)|*.*</source>
        <translation>Fichiers layout (*.lay)|*.LAY|Tous les fichiers (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="88"/>
        <source>Add new board...</source>
        <translation>Ajouter une carte...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="89"/>
        <source>Board properties</source>
        <translation>Propriétés de la carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="91"/>
        <source>Delete board</source>
        <translation>Supprimer la carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="93"/>
        <source>Set board to right</source>
        <translation>Carte tout à droite</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="94"/>
        <source>Set board to left</source>
        <translation>Carte tout à gauche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="96"/>
        <source>Move board to right</source>
        <translation>Déplacer la carte vers la droite</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="97"/>
        <source>Move board to left</source>
        <translation>Déplacer la carte vers la gauche</translation>
    </message>
</context>
<context>
    <name>corvane::ProjectInfoWindow</name>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="52"/>
        <source>Project info</source>
        <translation>Infos du projet</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="66"/>
        <source>Title:</source>
        <translation>Titre :</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="67"/>
        <source>Author:</source>
        <translation>Auteur :</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="68"/>
        <source>Company:</source>
        <translation>Société :</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="69"/>
        <source>Comment:</source>
        <translation>Commentaire :</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="72"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
