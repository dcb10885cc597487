<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>corvane::TLochDlg</name>
    <message>
        <source>Excellon export</source>
        <translation>Export Excellon</translation>
    </message>
    <message>
        <source>Drill data uses EXCELLON format.</source>
        <translation>Les données de perçage utilisent le format EXCELLON.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Sélection</translation>
    </message>
    <message>
        <source>Simple drillings</source>
        <translation>Perçages simples</translation>
    </message>
    <message>
        <source>Through-holes</source>
        <translation>Trous métallisés</translation>
    </message>
    <message>
        <source>Unit of measurement</source>
        <translation>Unité de mesure</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>(format 3.2 )</source>
        <translation>(format 3.2 )</translation>
    </message>
    <message>
        <source>(format 3.3 )</source>
        <translation>(format 3.3 )</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Pouce</translation>
    </message>
    <message>
        <source>(format 2.4)</source>
        <translation>(format 2.4)</translation>
    </message>
    <message>
        <source>Delete leading zeros</source>
        <translation>Supprimer les zéros de tête</translation>
    </message>
    <message>
        <source>Drill from..</source>
        <translation>Percer depuis..</translation>
    </message>
    <message>
        <source>Top (default)</source>
        <translation>Dessus (défaut)</translation>
    </message>
    <message>
        <source>Bottom (x-mirrored, Gerber comp.)</source>
        <translation>Dessous (miroir x, compatible Gerber)</translation>
    </message>
    <message>
        <source>Bottom (x-mirrored, HPGL comp.)</source>
        <translation>Dessous (miroir x, compatible HPGL)</translation>
    </message>
    <message>
        <source>Sort drillings</source>
        <translation>Trier les perçages</translation>
    </message>
    <message>
        <source>Special options</source>
        <translation>Options spéciales</translation>
    </message>
    <message>
        <source>M71/72 instead of METRIC/INCH</source>
        <translation>M71/72 au lieu de METRIC/INCH</translation>
    </message>
    <message>
        <source>Suppress G90 - code</source>
        <translation>Supprimer le code G90</translation>
    </message>
    <message>
        <source>Suppress comments</source>
        <translation>Supprimer les commentaires</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>corvane::TBohrInfoDlg</name>
    <message>
        <source>Drillings</source>
        <translation>Perçages</translation>
    </message>
    <message>
        <source>Simple drillings</source>
        <translation>Perçages simples</translation>
    </message>
    <message>
        <source>Through-Hole pads</source>
        <translation>Pastilles métallisées</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clip&amp;board...</source>
        <translation>&amp;Presse-papiers...</translation>
    </message>
    <message>
        <source>The text is now in the clipboard</source>
        <translation>Le texte est maintenant dans le presse-papiers</translation>
    </message>
</context>
<context>
    <name>corvane::TKonturFraesenDlg</name>
    <message>
        <source>PCB outline</source>
        <translation>Contour du circuit</translation>
    </message>
    <message>
        <source>Outline-Layer</source>
        <translation>Couche contour</translation>
    </message>
    <message>
        <source>All elements</source>
        <translation>Tous les éléments</translation>
    </message>
    <message>
        <source>Selected elements</source>
        <translation>Éléments sélectionnés</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Miroir</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucun</translation>
    </message>
    <message>
        <source>Mirror horizontal</source>
        <translation>Miroir horizontal</translation>
    </message>
    <message>
        <source>Mirror vertical</source>
        <translation>Miroir vertical</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Top/Left</source>
        <translation>Haut/Gauche</translation>
    </message>
    <message>
        <source>Top/Right</source>
        <translation>Haut/Droite</translation>
    </message>
    <message>
        <source>Bottom/Left</source>
        <translation>Bas/Gauche</translation>
    </message>
    <message>
        <source>Bottom/Right</source>
        <translation>Bas/Droite</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Trous de</translation>
    </message>
    <message>
        <source>holes</source>
        <translation>référence</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Annuler</translation>
    </message>
</context>
<context>
    <name>corvane::CamCommands</name>
    <message>
        <source>Drill files (*.drl)|*.DRL</source>
        <translation>Fichiers de perçage (*.drl)|*.DRL</translation>
    </message>
    <message>
        <source>Can not create file!</source>
        <translation>Impossible de créer le fichier !</translation>
    </message>
    <message>
        <source>Excellon export</source>
        <translation>Export Excellon</translation>
    </message>
    <message>
        <source>No elements for the PCB outline available.</source>
        <translation>Aucun élément disponible pour le contour du circuit.</translation>
    </message>
    <message>
        <source>PCB outline</source>
        <translation>Contour du circuit</translation>
    </message>
    <message>
        <source>HPGL (*.plt)|*.PLT</source>
        <translation>HPGL (*.plt)|*.PLT</translation>
    </message>
</context>
</TS>
