<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>corvane::PhotoViewWindow</name>
    <message>
        <source>Photoview</source>
        <translation>Vue photo</translation>
    </message>
    <message>
        <source>Side 1 = C1/S1</source>
        <translation>Face 1 = C1/S1</translation>
    </message>
    <message>
        <source>Side 2 = C2/S2 (mirrored)</source>
        <translation>Face 2 = C2/S2 (en miroir)</translation>
    </message>
    <message>
        <source>with silkscreen</source>
        <translation>avec sérigraphie</translation>
    </message>
    <message>
        <source>X-Ray</source>
        <translation>Rayons X</translation>
    </message>
</context>
<context>
    <name>corvane::ScannedCopyDialog</name>
    <message>
        <source>Scanned copy</source>
        <translation>Modèle scanné</translation>
    </message>
    <message>
        <source>Board side 1</source>
        <translation>Face 1 du circuit</translation>
    </message>
    <message>
        <source>Board side 2</source>
        <translation>Face 2 du circuit</translation>
    </message>
    <message>
        <source>&amp;Load bitmap...</source>
        <translation>&amp;Charger une image...</translation>
    </message>
    <message>
        <source>Delete bitmap</source>
        <translation>Supprimer l'image</translation>
    </message>
    <message>
        <source>&amp;Show bitmap</source>
        <translation>&amp;Afficher l'image</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Résolution :</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Couleur :</translation>
    </message>
    <message>
        <source>X-Offset:</source>
        <translation>Décalage X :</translation>
    </message>
    <message>
        <source>Y-Offset:</source>
        <translation>Décalage Y :</translation>
    </message>
    <message>
        <source> [1/10 mm]</source>
        <translation> [1/10 mm]</translation>
    </message>
    <message>
        <source>Error loading scanned-copy-bitmap: </source>
        <translation>Erreur au chargement de l'image scannée : </translation>
    </message>
</context>
<context>
    <name>corvane::BoardDisplay</name>
    <message>
        <source>No bitmap</source>
        <translation>Sans modèle</translation>
    </message>
    <message>
        <source>Bitmap only</source>
        <translation>Modèle seul</translation>
    </message>
    <message>
        <source>Hide both scanned-copy bitmaps while held down</source>
        <translation>Masquer les deux modèles scannés tant que le bouton est enfoncé</translation>
    </message>
    <message>
        <source>Show only the scanned-copy bitmap while held down</source>
        <translation>N'afficher que le modèle scanné tant que le bouton est enfoncé</translation>
    </message>
</context>
</TS>
