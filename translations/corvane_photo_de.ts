<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>corvane::PhotoViewWindow</name>
    <message>
        <source>Photoview</source>
        <translation>Fotoansicht</translation>
    </message>
    <message>
        <source>Side 1 = C1/S1</source>
        <translation>Seite 1 = K1/B1</translation>
    </message>
    <message>
        <source>Side 2 = C2/S2 (mirrored)</source>
        <translation>Seite 2 = K2/B2 (gespiegelt)</translation>
    </message>
    <message>
        <source>with silkscreen</source>
        <translation>mit Bestückungsdruck</translation>
    </message>
    <message>
        <source>X-Ray</source>
        <translation>Röntgen</translation>
    </message>
</context>
<context>
    <name>corvane::ScannedCopyDialog</name>
    <message>
        <source>Scanned copy</source>
        <translation>Scan-Vorlage</translation>
    </message>
    <message>
        <source>Board side 1</source>
        <translation>Platinenseite 1</translation>
    </message>
    <message>
        <source>Board side 2</source>
        <translation>Platinenseite 2</translation>
    </message>
    <message>
        <source>&amp;Load bitmap...</source>
        <translation>Bitmap &amp;laden...</translation>
    </message>
    <message>
        <source>Delete bitmap</source>
        <translation>Bitmap löschen</translation>
    </message>
    <message>
        <source>&amp;Show bitmap</source>
        <translation>Bitmap &amp;anzeigen</translation>
    </message>
    <message>
        <source>Resolution:</source>
        <translation>Auflösung:</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>Farbe:</translation>
    </message>
    <message>
        <source>X-Offset:</source>
        <translation>X-Versatz:</translation>
    </message>
    <message>
        <source>Y-Offset:</source>
        <translation>Y-Versatz:</translation>
    </message>
    <message>
        <source> [1/10 mm]</source>
        <translation> [1/10 mm]</translation>
    </message>
    <message>
        <source>Error loading scanned-copy-bitmap: </source>
        <translation>Fehler beim Laden der Scan-Vorlage: </translation>
    </message>
</context>
<context>
    <name>corvane::BoardDisplay</name>
    <message>
        <source>No bitmap</source>
        <translation>Ohne Vorlage</translation>
    </message>
    <message>
        <source>Bitmap only</source>
        <translation>Nur Vorlage</translation>
    </message>
    <message>
        <source>Hide both scanned-copy bitmaps while held down</source>
        <translation>Beide Scan-Vorlagen ausblenden, solange gedrückt</translation>
    </message>
    <message>
        <source>Show only the scanned-copy bitmap while held down</source>
        <translation>Nur die Scan-Vorlage zeigen, solange gedrückt</translation>
    </message>
</context>
</TS>
