<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>corvane::BoardOverviewPanel</name>
    <message>
        <source>Board-Zoom</source>
        <translation>Platinen-Zoom</translation>
    </message>
</context>
<context>
    <name>corvane::DrawingArea</name>
    <message>
        <source>Zoom previous</source>
        <translation>Zoom vorher</translation>
    </message>
    <message>
        <source>Zoom board</source>
        <translation>Zoom Platine</translation>
    </message>
    <message>
        <source>Zoom objects</source>
        <translation>Zoom alle Objekte</translation>
    </message>
    <message>
        <source>Zoom selection</source>
        <translation>Zoom auf Markierung</translation>
    </message>
</context>
<context>
    <name>corvane::FontTextDialog</name>
    <message>
        <source>Text input</source>
        <translation>Texteingabe</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Height</source>
        <translation>Höhe</translation>
    </message>
</context>
<context>
    <name>corvane::GridButton</name>
    <message>
        <source>Adjust grid</source>
        <translation>Raster einstellen</translation>
    </message>
    <message>
        <source>Add new grid value...</source>
        <translation>Neues Raster hinzufügen...</translation>
    </message>
    <message>
        <source>Remove current grid value</source>
        <translation>Akuelles Raster entfernen</translation>
    </message>
    <message>
        <source>Subdivisions</source>
        <translation>Rastermarkierung</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>Aus</translation>
    </message>
    <message>
        <source>Show grid</source>
        <translation>Raster sichtbar</translation>
    </message>
</context>
<context>
    <name>corvane::GridSizeDialog</name>
    <message>
        <source>New grid</source>
        <translation>Neues Raster</translation>
    </message>
    <message>
        <source>Grid size</source>
        <translation>Rastergröße</translation>
    </message>
</context>
<context>
    <name>corvane::OptionsDialog</name>
    <message>
        <source>General settings</source>
        <translation>Allgemeine Einstellungen</translation>
    </message>
    <message>
        <source>Colors</source>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Working-Directories</source>
        <translation>Arbeitsverzeichnisse</translation>
    </message>
    <message>
        <source>Macro-Directory</source>
        <translation>Makro-Verzeichnis</translation>
    </message>
    <message>
        <source>Undo-Depth</source>
        <translation>Undo-Tiefe</translation>
    </message>
    <message>
        <source>Imax</source>
        <translation>Imax</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>Hotkeys</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
    <message>
        <source>Drillings:</source>
        <translation>Bohrungen:</translation>
    </message>
    <message>
        <source>Background color</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>White</source>
        <translation>Weiß</translation>
    </message>
    <message>
        <source>Base unit:</source>
        <translation>Grundeinheit:</translation>
    </message>
    <message>
        <source>Virtual nodes an tracks</source>
        <translation>Virtuelle Knoten auf Leiterbahnen</translation>
    </message>
    <message>
        <source>Reticule</source>
        <translation>Fadenkreuz</translation>
    </message>
    <message>
        <source>Mirror macros and text on the bottom board side automatic</source>
        <translation>Makros und Texte auf der Platinenunterseite automatisch spiegeln</translation>
    </message>
    <message>
        <source>Show Board-Zoom</source>
        <translation>Platinen-Zoom anzeigen</translation>
    </message>
    <message>
        <source>Show hints</source>
        <translation>Kurzhilfe anzeigen</translation>
    </message>
    <message>
        <source>Limit text height (track width min. 0.15 mm)</source>
        <translation>Texthöhe begrenzen (Strichbreite min. 0,15 mm)</translation>
    </message>
    <message>
        <source>CTRL-Key necessary to capture values during selections</source>
        <translation>STRG-Taste zum Übernehmen von Werten bei Markierungen nötig</translation>
    </message>
    <message>
        <source>HPGL scaling with 0,3937 instead of 0.4</source>
        <translation>HPGL-Skalierung mit 0,3937 statt 0,4</translation>
    </message>
    <message>
        <source>Darken ground-plane</source>
        <translation>Massefläche abdunkeln</translation>
    </message>
    <message>
        <source>Use origin in CAM-export (Gerber/Excellon/HPGL)</source>
        <translation>Nullpunkt im CAM-Export verwenden (Gerber/Excellon/HPGL)</translation>
    </message>
    <message>
        <source>Standard</source>
        <translation>Standard</translation>
    </message>
    <message>
        <source>User 1</source>
        <translation>Benutzer 1</translation>
    </message>
    <message>
        <source>User 2</source>
        <translation>Benutzer 2</translation>
    </message>
    <message>
        <source>User 3</source>
        <translation>Benutzer 3</translation>
    </message>
    <message>
        <source>Background</source>
        <translation>Hintergrund</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>Raster</translation>
    </message>
    <message>
        <source>C1 (Copper-Top)</source>
        <translation>C1 (Kupfer-Oben)</translation>
    </message>
    <message>
        <source>S1 (Silkscreen-Top)</source>
        <translation>S1 (Bestückung-Oben)</translation>
    </message>
    <message>
        <source>C2 (Copper-Bottom)</source>
        <translation>C2 (Kupfer-Unten)</translation>
    </message>
    <message>
        <source>S2 (Silkscreen-Bottom)</source>
        <translation>S2 (Bestückung-Unten)</translation>
    </message>
    <message>
        <source>I1 (Copper-Inner 1)</source>
        <translation>I1 (Kupfer-Innen 1)</translation>
    </message>
    <message>
        <source>I2 (Copper-Inner 2)</source>
        <translation>I2 (Kupfer-Innen 2)</translation>
    </message>
    <message>
        <source>O  (Outline)</source>
        <translation>O  (Umriss)</translation>
    </message>
    <message>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <source>Reset scheme to default</source>
        <translation>Schema auf Standard zurücksetzen</translation>
    </message>
    <message>
        <source>Color scheme:</source>
        <translation>Farbschema:</translation>
    </message>
    <message>
        <source>Layout files:</source>
        <translation>Layout-Dateien:</translation>
    </message>
    <message>
        <source>Gerber export:</source>
        <translation>Gerber-Export:</translation>
    </message>
    <message>
        <source>Bitmap export:</source>
        <translation>Bitmap-Export:</translation>
    </message>
    <message>
        <source>Scanned copies:</source>
        <translation>Vorlagen:</translation>
    </message>
    <message>
        <source>HPGL export:</source>
        <translation>HPGL-Export:</translation>
    </message>
    <message>
        <source>Leave the fields empty, if you want Corvane to remember</source>
        <translation>Lassen Sie die Felder leer, wenn Corvane sich</translation>
    </message>
    <message>
        <source>the last used directories.</source>
        <translation>die zuletzt benutzten Verzeichnisse merken soll.</translation>
    </message>
    <message>
        <source>Change...</source>
        <translation>Ändern...</translation>
    </message>
    <message>
        <source>Root-Directory for macros:</source>
        <translation>Stammverzeichnis der Makros:</translation>
    </message>
    <message>
        <source>Reset</source>
        <translation>Zurücksetzen</translation>
    </message>
    <message>
        <source>Only change this setting, if you have moved</source>
        <translation>Ändern Sie diese Einstellung nur, wenn Sie Ihr</translation>
    </message>
    <message>
        <source>your Macro-Directory to another drive or directory.</source>
        <translation>Makro-Verzeichnis auf ein anderes Laufwerk oder Verzeichnis verschoben haben.</translation>
    </message>
    <message>
        <source>This will reset the Macro-Directory to the default setting.</source>
        <translation>Setzt das Makro-Verzeichnis auf die Standardeinstellung zurück.</translation>
    </message>
    <message>
        <source>Here you can define the maximum number of UNDO operations.</source>
        <translation>Hier können Sie die maximale Anzahl der UNDO-Schritte festlegen.</translation>
    </message>
    <message>
        <source>The maximum is 50 operations</source>
        <translation>Das Maximum sind 50 Schritte</translation>
    </message>
    <message>
        <source>If your system runs very slowly while working with big layouts,</source>
        <translation>Wenn Ihr System bei großen Layouts sehr langsam arbeitet,</translation>
    </message>
    <message>
        <source>you can decrease this value down to 1.</source>
        <translation>können Sie diesen Wert bis auf 1 verringern.</translation>
    </message>
    <message>
        <source>Copper-Thickness in µm:</source>
        <translation>Kupferstärke in µm:</translation>
    </message>
    <message>
        <source>Temperature enhance in °C:</source>
        <translation>Temperaturerhöhung in °C:</translation>
    </message>
    <message>
        <source>The calculation of the max. current-carrying capacity for a track,</source>
        <translation>Die Berechnung der max. Strombelastbarkeit einer Leiterbahn</translation>
    </message>
    <message>
        <source>is only a coarse approximate value.</source>
        <translation>ist nur ein grober Näherungswert.</translation>
    </message>
    <message>
        <source>The real value is depending on many other factors and the environment.</source>
        <translation>Der tatsächliche Wert hängt von vielen weiteren Faktoren und der Umgebung ab.</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>Modus</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>Taste</translation>
    </message>
    <message>
        <source>Change hotkey</source>
        <translation>Hotkey ändern</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <source>Track</source>
        <translation>Leiterbahn</translation>
    </message>
    <message>
        <source>Pad</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>SMD-Pad</source>
        <translation>SMD-Pad</translation>
    </message>
    <message>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <source>Zone</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <source>Special form</source>
        <translation>Sonderform</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
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
        <translation>Messen</translation>
    </message>
    <message>
        <source>Photoview</source>
        <translation>Fotoansicht</translation>
    </message>
    <message>
        <source>Solder mask</source>
        <translation>Lötstopmaske</translation>
    </message>
    <message>
        <source>You have changed the colors.</source>
        <translation>Sie haben die Farben geändert.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>The hotkey &quot;%1&quot; is already in use.</source>
        <translation>Der Hotkey &quot;%1&quot; ist bereits belegt.</translation>
    </message>
    <message>
        <source>Please select a default-directory for </source>
        <translation>Bitte wählen Sie ein Standard-Verzeichnis für </translation>
    </message>
</context>
<context>
    <name>corvane::TextDialog</name>
    <message>
        <source>Text properties</source>
        <translation>Texteigenschaften</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>Height (mm)</source>
        <translation>Höhe (mm)</translation>
    </message>
    <message>
        <source>Width</source>
        <translation>Breite</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;Dünn</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>&amp;Bold</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>Style</source>
        <translation>Stil</translation>
    </message>
    <message>
        <source>Narrow</source>
        <translation>Schmal</translation>
    </message>
    <message>
        <source>Wide</source>
        <translation>Breit</translation>
    </message>
    <message>
        <source>Orientation</source>
        <translation>Ausrichtung</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>Horizontal</source>
        <translation>Horizontal</translation>
    </message>
    <message>
        <source>Vertical</source>
        <translation>Vertikal</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatisch</translation>
    </message>
    <message>
        <source>Add number</source>
        <translation>Zahl anhängen</translation>
    </message>
    <message>
        <source>Start at:</source>
        <translation>Beginnen bei:</translation>
    </message>
</context>
</TS>
