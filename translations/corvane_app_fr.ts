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
    <name>corvane::MacroPanelWidget</name>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="82"/>
        <source>Macros</source>
        <translation>Macros</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="88"/>
        <source>Hide the macro library</source>
        <translation>Masquer la bibliothèque de macros</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="105"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="105"/>
        <source>Add macro|Save selected objects or whole layout as macro</source>
        <translation>Ajouter une macro|Enregistrer les objets sélectionnés ou tout le typon comme macro</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="106"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="106"/>
        <source>Delete macro|Remove selected macro file from disc</source>
        <translation>Supprimer la macro|Effacer du disque le fichier de macro sélectionné</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="107"/>
        <source>TP</source>
        <translation>MT</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="107"/>
        <source>Through-Pads|All pads as through-pads</source>
        <translation>Trous métallisés|Toutes les pastilles en trous métallisés</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="108"/>
        <source>M</source>
        <translation>Mi</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="108"/>
        <source>Mirror|Mirrors the macro</source>
        <translation>Miroir|Inverse la macro en miroir</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="109"/>
        <source>S</source>
        <translation>Fa</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="109"/>
        <source>Change side|Change layers of the macro</source>
        <translation>Changer de face|Change les couches de la macro</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="138"/>
        <source>Preview|Drag &amp;&amp; drop the macro to your layout</source>
        <translation>Aperçu|Glisser &amp;&amp; déposer la macro sur le typon</translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
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
        <location filename="../src/app/main_window_boards.cpp" line="90"/>
        <location filename="../src/app/main_window_menus.cpp" line="125"/>
        <source>Copy board</source>
        <translation>Copier la carte</translation>
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
        <location filename="../src/app/main_window_macros.cpp" line="40"/>
        <source>Delete file &quot;%1&quot; ?</source>
        <translation>Supprimer le fichier &quot;%1&quot; ?</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_macros.cpp" line="98"/>
        <source>Read in macros...</source>
        <translation>Lecture des macros...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="67"/>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="68"/>
        <source>&amp;New...</source>
        <translation>&amp;Nouveau...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="69"/>
        <source>&amp;Open...</source>
        <translation>&amp;Ouvrir...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="70"/>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="71"/>
        <source>S&amp;ave as...</source>
        <translation>Enregistrer &amp;sous...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="73"/>
        <source>Save as &amp;macro...</source>
        <translation>Enregistrer comme &amp;macro...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="75"/>
        <source>&amp;AutoSave...</source>
        <translation>Sauvegarde &amp;auto...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="77"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xporter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="78"/>
        <source>&amp;Gerber export...</source>
        <translation>Export &amp;Gerber...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="79"/>
        <source>&amp;Drill data (Excellon)...</source>
        <translation>&amp;Données de perçage (Excellon)...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="86"/>
        <source>Milling files</source>
        <translation>Fichiers de fraisage</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="87"/>
        <source>Isolation milling (HPGL, *.plt)</source>
        <translation>Fraisage d&apos;isolation (HPGL, *.plt)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="88"/>
        <source>PCB outline milling (HPGL, *.plt)</source>
        <translation>Fraisage du contour (HPGL, *.plt)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="90"/>
        <source>Directories...</source>
        <translation>Répertoires...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="92"/>
        <source>P&amp;rinter Setup...</source>
        <translation>Configuration de l&apos;imp&amp;rimante...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="93"/>
        <source>&amp;Print...</source>
        <translation>&amp;Imprimer...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="100"/>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="102"/>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="103"/>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="105"/>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="108"/>
        <source>C&amp;opy</source>
        <translation>C&amp;opier</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="110"/>
        <source>&amp;Cut</source>
        <translation>&amp;Couper</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="112"/>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="114"/>
        <source>D&amp;uplicate</source>
        <translation>D&amp;upliquer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="116"/>
        <source>Tile...</source>
        <translation>Mosaïque...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="117"/>
        <source>&amp;Delete [Del]</source>
        <translation>&amp;Supprimer [Suppr]</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="119"/>
        <source>Select &amp;all</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="122"/>
        <source>&amp;Board</source>
        <translation>&amp;Carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="123"/>
        <source>&amp;Add new board...</source>
        <translation>&amp;Ajouter une carte...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="124"/>
        <source>&amp;Properties</source>
        <translation>&amp;Propriétés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="126"/>
        <source>&amp;Delete board...</source>
        <translation>&amp;Supprimer la carte...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="128"/>
        <source>Set board to &amp;right</source>
        <translation>Carte tout à &amp;droite</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="129"/>
        <source>Set board to &amp;left</source>
        <translation>Carte tout à &amp;gauche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="131"/>
        <source>Move board to &amp;right</source>
        <translation>Déplacer la carte vers la d&amp;roite</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="132"/>
        <source>Move board to &amp;left</source>
        <translation>Déplacer la carte vers la g&amp;auche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="134"/>
        <source>&amp;Import boards from file...</source>
        <translation>&amp;Importer des cartes d&apos;un fichier...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="136"/>
        <source>F&amp;unctions</source>
        <translation>F&amp;onctions</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="137"/>
        <source>&amp;Rotate</source>
        <translation>&amp;Pivoter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="140"/>
        <source>Mirror &amp;horizontal</source>
        <translation>Miroir &amp;horizontal</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="142"/>
        <source>Mirror &amp;vertical</source>
        <translation>Miroir &amp;vertical</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="145"/>
        <source>Build &amp;group</source>
        <translation>Former un &amp;groupe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="147"/>
        <source>Split gro&amp;up</source>
        <translation>Dissoudre le gro&amp;upe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="150"/>
        <source>Change board side</source>
        <translation>Changer de face</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="152"/>
        <source>Set to layer</source>
        <translation>Mettre sur la couche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="155"/>
        <source>&amp;Adjust to grid</source>
        <translation>&amp;Aligner sur la grille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="157"/>
        <source>&amp;Remove connections (rubberbands)</source>
        <translation>&amp;Retirer les connexions (élastiques)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="159"/>
        <source>Delete elements outside the board</source>
        <translation>Supprimer les éléments hors de la carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="160"/>
        <source>Reset solder mask...</source>
        <translation>Réinitialiser le masque de soudure...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="162"/>
        <source>&amp;Options</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="163"/>
        <source>General settings...</source>
        <translation>Paramètres généraux...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="165"/>
        <source>Show Properties-Panel</source>
        <translation>Afficher le panneau Propriétés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="166"/>
        <source>Show DRC-Panel</source>
        <translation>Afficher le panneau DRC</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="167"/>
        <source>Show Macro-Library</source>
        <translation>Afficher la bibliothèque de macros</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="169"/>
        <source>&amp;Scanned copy...</source>
        <translation>&amp;Modèle scanné...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="171"/>
        <source>&amp;GroundPlane</source>
        <translation>&amp;Plan de masse</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="174"/>
        <source>&amp;Visible layers</source>
        <translation>Couches &amp;visibles</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="176"/>
        <source>&amp;Active layer</source>
        <translation>Couche &amp;active</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="194"/>
        <source>Zoom &amp;board</source>
        <translation>Zoom &amp;carte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="195"/>
        <source>Zoom &amp;objects</source>
        <translation>Zoom &amp;objets</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="196"/>
        <source>Zoom &amp;selection</source>
        <translation>Zoom &amp;sélection</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="197"/>
        <source>Zoom previous</source>
        <translation>Zoom précédent</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="198"/>
        <source>&amp;Repaint</source>
        <translation>&amp;Redessiner</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="200"/>
        <source>Project info...</source>
        <translation>Infos du projet...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="201"/>
        <source>List drillings...</source>
        <translation>Liste des perçages...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="203"/>
        <source>Footprint-Wizard...</source>
        <translation>Assistant d&apos;empreintes...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="205"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="206"/>
        <source>&amp;Index...</source>
        <translation>&amp;Sommaire...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="213"/>
        <location filename="../src/app/main_window_menus.cpp" line="277"/>
        <source>Align elements</source>
        <translation>Aligner les éléments</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="214"/>
        <location filename="../src/app/main_window_menus.cpp" line="282"/>
        <source>Zoom functions</source>
        <translation>Fonctions de zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="215"/>
        <location filename="../src/app/main_window_menus.cpp" line="288"/>
        <source>Show project-info</source>
        <translation>Afficher les infos du projet</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="216"/>
        <location filename="../src/app/main_window_menus.cpp" line="289"/>
        <source>Toggle transparent mode</source>
        <translation>Basculer le mode transparent</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="252"/>
        <source>Tool bar</source>
        <translation>Barre d&apos;outils</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="263"/>
        <source>New</source>
        <translation>Nouveau</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="264"/>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="265"/>
        <source>Save</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="266"/>
        <source>Print</source>
        <translation>Imprimer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="267"/>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="268"/>
        <source>Redo</source>
        <translation>Rétablir</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="269"/>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="270"/>
        <source>Copy</source>
        <translation>Copier</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="271"/>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="272"/>
        <source>Delete</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="273"/>
        <source>Duplicate</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="274"/>
        <source>Rotate</source>
        <translation>Pivoter</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="275"/>
        <source>Mirror horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="276"/>
        <source>Mirror vertical</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="278"/>
        <source>Snap to grid</source>
        <translation>Aligner sur la grille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="279"/>
        <source>Remove connections (rubberbands)</source>
        <translation>Retirer les connexions (élastiques)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="280"/>
        <source>Build group</source>
        <translation>Former un groupe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="281"/>
        <source>Split group</source>
        <translation>Dissoudre le groupe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="283"/>
        <source>Repaint</source>
        <translation>Redessiner</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="284"/>
        <source>Scanned copy...</source>
        <translation>Modèle scanné...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="285"/>
        <source>Show/hide Properties-Panel</source>
        <translation>Afficher/masquer le panneau Propriétés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="286"/>
        <source>Show/hide DRC-Panel</source>
        <translation>Afficher/masquer le panneau DRC</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="287"/>
        <source>Show/hide Macro-Library</source>
        <translation>Afficher/masquer la bibliothèque de macros</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="303"/>
        <source>Modes</source>
        <translation>Modes</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="318"/>
        <source>Edit</source>
        <translation>Édition</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="318"/>
        <source>Edit mode</source>
        <translation>Mode édition</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="319"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="319"/>
        <source>Zoom mode</source>
        <translation>Mode zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="320"/>
        <source>Track</source>
        <translation>Piste</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="320"/>
        <source>Draw tracks</source>
        <translation>Tracer des pistes</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="321"/>
        <source>Pad</source>
        <translation>Pastille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="321"/>
        <source>Add pads|Add pads. Click on the arrow to select a pad shape.</source>
        <translation>Placer des pastilles|Placer des pastilles. Cliquez sur la flèche pour choisir la forme.</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="322"/>
        <source>SMD-Pad</source>
        <translation>Pastille CMS</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="322"/>
        <source>Add SMD-pads</source>
        <translation>Placer des pastilles CMS</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="323"/>
        <source>Circle</source>
        <translation>Cercle</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="323"/>
        <source>Circle/Arcs</source>
        <translation>Cercles/arcs</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="324"/>
        <source>Zone</source>
        <translation>Zone</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="324"/>
        <source>Draw filled areas</source>
        <translation>Tracer des zones remplies</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="325"/>
        <source>Special form</source>
        <translation>Forme spéciale</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="325"/>
        <source>Draw equilateral polygons or spirals</source>
        <translation>Tracer des polygones réguliers ou des spirales</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="326"/>
        <source>Text</source>
        <translation>Texte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="326"/>
        <source>Add text</source>
        <translation>Placer du texte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="327"/>
        <source>Connections</source>
        <translation>Connexions</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="327"/>
        <source>Connections|Draw rubberbands to mark connections</source>
        <translation>Connexions|Tracer des élastiques pour marquer les connexions</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="328"/>
        <source>Autorouter|Autorouter for routing rubberband connections</source>
        <translation>Autorouteur|Autorouteur pour router les connexions élastiques</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="329"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="329"/>
        <source>Test mode|Display all connected elements</source>
        <translation>Mode test|Afficher tous les éléments connectés</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="330"/>
        <source>Measure</source>
        <translation>Mesurer</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="330"/>
        <source>Measure|Mode for measuring distances and angles</source>
        <translation>Mesurer|Mode de mesure des distances et des angles</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="331"/>
        <source>Photoview</source>
        <translation>Vue photo</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="331"/>
        <source>Photoview|Display the board as WYSIWYG</source>
        <translation>Vue photo|Afficher la carte telle quelle</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="332"/>
        <source>Solder mask</source>
        <translation>Masque de soudure</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="332"/>
        <source>Edit solder mask|Include or exclude elements from solder mask</source>
        <translation>Éditer le masque de soudure|Inclure ou exclure des éléments du masque de soudure</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="363"/>
        <source>visible</source>
        <translation>visible</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="364"/>
        <source>active</source>
        <translation>active</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer C1</source>
        <translation>|Afficher/masquer la couche C1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer S1</source>
        <translation>|Afficher/masquer la couche S1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer C2</source>
        <translation>|Afficher/masquer la couche C2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer S2</source>
        <translation>|Afficher/masquer la couche S2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="369"/>
        <source>|Show/hide layer I1 (multilayer)</source>
        <translation>|Afficher/masquer la couche I1 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="369"/>
        <source>|Show/hide layer I2 (multilayer)</source>
        <translation>|Afficher/masquer la couche I2 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="370"/>
        <source>|Show/hide layer O (PCB-Outline)</source>
        <translation>|Afficher/masquer la couche O (contour)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="372"/>
        <source>|Select ACTIVE layer C1</source>
        <translation>|Choisir la couche ACTIVE C1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="372"/>
        <source>|Select ACTIVE layer S1</source>
        <translation>|Choisir la couche ACTIVE S1</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="372"/>
        <source>|Select ACTIVE layer C2</source>
        <translation>|Choisir la couche ACTIVE C2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="373"/>
        <source>|Select ACTIVE layer S2</source>
        <translation>|Choisir la couche ACTIVE S2</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="373"/>
        <source>|Select ACTIVE layer I1 (multilayer)</source>
        <translation>|Choisir la couche ACTIVE I1 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="374"/>
        <source>|Select ACTIVE layer I2 (multilayer)</source>
        <translation>|Choisir la couche ACTIVE I2 (multicouche)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="374"/>
        <source>|Select ACTIVE layer O (PCB-Outline)</source>
        <translation>|Choisir la couche ACTIVE O (contour)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="399"/>
        <source>LayerInfo|Show the layer-colors and their meaning</source>
        <translation>LayerInfo|Afficher les couleurs des couches et leur signification</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="406"/>
        <source>Adjust grid</source>
        <translation>Régler la grille</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="415"/>
        <source>GND</source>
        <translation>GND</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="417"/>
        <source>Enable/disable ground plane</source>
        <translation>Activer/désactiver le plan de masse</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="424"/>
        <source>Cutout</source>
        <translation>Découpe</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="426"/>
        <source>Cutout|Generate cutout-areas in the ground plane</source>
        <translation>Découpe|Créer des zones de découpe dans le plan de masse</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="435"/>
        <source>Distance|Distance from ground plane for selected and new elements</source>
        <translation>Distance|Distance au plan de masse des éléments sélectionnés et nouveaux</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="457"/>
        <source>Unit of rulers|Select mm or mil</source>
        <translation>Unité des règles|Choisir mm ou mil</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="489"/>
        <source>|Board-Zoom</source>
        <translation>|Zoom de la carte</translation>
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
<context>
    <name>corvane::SizeFields</name>
    <message>
        <location filename="../src/app/size_fields.cpp" line="194"/>
        <source>Track width</source>
        <translation>Largeur de piste</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="195"/>
        <source>Outside|Pad outside diameter</source>
        <translation>Extérieur|Diamètre extérieur de la pastille</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="196"/>
        <source>Drilling|Pad drilling diameter</source>
        <translation>Perçage|Diamètre de perçage de la pastille</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="197"/>
        <source>Width|SMD-Pad width</source>
        <translation>Largeur|Largeur de la pastille CMS</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="198"/>
        <source>Height|SMD-Pad height</source>
        <translation>Hauteur|Hauteur de la pastille CMS</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="201"/>
        <source>|Track container</source>
        <translation>|Réserve de pistes</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="201"/>
        <source>|Pad container</source>
        <translation>|Réserve de pastilles</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="201"/>
        <source>|SMD-Pad container</source>
        <translation>|Réserve de pastilles CMS</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="322"/>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="325"/>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
</context>
<context>
    <name>corvane::TLaySpinEdit</name>
    <message>
        <location filename="../src/app/size_fields.cpp" line="46"/>
        <source>Click and drag to set the value</source>
        <translation>Cliquer et glisser pour régler la valeur</translation>
    </message>
</context>
</TS>
