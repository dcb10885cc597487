<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>corvane::AutoSaveDialog</name>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="35"/>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="41"/>
        <source>Save layout periodical</source>
        <translation>Layout regelmäßig speichern</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="41"/>
        <source>to backup file (*.bak)</source>
        <translation>in Sicherungsdatei (*.bak)</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="44"/>
        <source>Interval:</source>
        <translation>Intervall:</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="54"/>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <location filename="../src/app/autosave_dialog.cpp" line="55"/>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
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
        <translation>Von Seite 1 gesehen</translation>
    </message>
    <message>
        <location filename="../src/app/layer_info_window.cpp" line="52"/>
        <source>Seen from side 2</source>
        <translation>Von Seite 2 gesehen</translation>
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
        <translation>Makros</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="88"/>
        <source>Hide the macro library</source>
        <translation>Makro-Bibliothek ausblenden</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="105"/>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="105"/>
        <source>Add macro|Save selected objects or whole layout as macro</source>
        <translation>Makro hinzufügen|Markierte Objekte oder das ganze Layout als Makro speichern</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="106"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="106"/>
        <source>Delete macro|Remove selected macro file from disc</source>
        <translation>Makro löschen|Die gewählte Makrodatei von der Festplatte entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="107"/>
        <source>TP</source>
        <translation>DK</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="107"/>
        <source>Through-Pads|All pads as through-pads</source>
        <translation>Durchkontaktiert|Alle Lötaugen durchkontaktiert</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="108"/>
        <source>M</source>
        <translation>Sp</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="108"/>
        <source>Mirror|Mirrors the macro</source>
        <translation>Spiegeln|Spiegelt das Makro</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="109"/>
        <source>S</source>
        <translation>Se</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="109"/>
        <source>Change side|Change layers of the macro</source>
        <translation>Seite wechseln|Wechselt die Lagen des Makros</translation>
    </message>
    <message>
        <location filename="../src/app/macro_panel_widget.cpp" line="138"/>
        <source>Preview|Drag &amp;&amp; drop the macro to your layout</source>
        <translation>Vorschau|Das Makro per Drag &amp;&amp; Drop ins Layout ziehen</translation>
    </message>
</context>
<context>
    <name>corvane::MainWindow</name>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="88"/>
        <source>Add new board...</source>
        <translation>Neue Platine hinzufügen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="89"/>
        <source>Board properties</source>
        <translation>Platineneigenschaften</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="90"/>
        <location filename="../src/app/main_window_menus.cpp" line="125"/>
        <source>Copy board</source>
        <translation>Platine kopieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="91"/>
        <source>Delete board</source>
        <translation>Platine löschen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="93"/>
        <source>Set board to right</source>
        <translation>Platine nach ganz rechts</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="94"/>
        <source>Set board to left</source>
        <translation>Platine nach ganz links</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="96"/>
        <source>Move board to right</source>
        <translation>Platine nach rechts verschieben</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_boards.cpp" line="97"/>
        <source>Move board to left</source>
        <translation>Platine nach links verschieben</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_files.cpp" line="18"/>
        <source>Layout files (*.lay)|*.LAY|All files (*.*)|*.*</source>
        <translation>Layout-Dateien (*.lay)|*.LAY|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_files.cpp" line="19"/>
        <source>Layout files (*.lay)|*.LAY|All Files (*.*)|*.*</source>
        <translation>Layout-Dateien (*.lay)|*.LAY|Alle Dateien (*.*)|*.*</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_macros.cpp" line="40"/>
        <source>Delete file &quot;%1&quot; ?</source>
        <translation>Datei &quot;%1&quot; löschen?</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_macros.cpp" line="98"/>
        <source>Read in macros...</source>
        <translation>Makros einlesen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="67"/>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="68"/>
        <source>&amp;New...</source>
        <translation>&amp;Neu...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="69"/>
        <source>&amp;Open...</source>
        <translation>Ö&amp;ffnen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="70"/>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="71"/>
        <source>S&amp;ave as...</source>
        <translation>Speichern &amp;unter...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="73"/>
        <source>Save as &amp;macro...</source>
        <translation>Als &amp;Makro speichern...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="75"/>
        <source>&amp;AutoSave...</source>
        <translation>&amp;AutoSave...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="77"/>
        <source>E&amp;xport</source>
        <translation>E&amp;xport</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="78"/>
        <source>&amp;Gerber export...</source>
        <translation>&amp;Gerber-Export...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="79"/>
        <source>&amp;Drill data (Excellon)...</source>
        <translation>&amp;Bohrdaten (Excellon)...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="86"/>
        <source>Milling files</source>
        <translation>Fräsdateien</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="87"/>
        <source>Isolation milling (HPGL, *.plt)</source>
        <translation>Isolationsfräsen (HPGL, *.plt)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="88"/>
        <source>PCB outline milling (HPGL, *.plt)</source>
        <translation>Platinenkontur fräsen (HPGL, *.plt)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="90"/>
        <source>Directories...</source>
        <translation>Verzeichnisse...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="92"/>
        <source>P&amp;rinter Setup...</source>
        <translation>D&amp;ruckereinrichtung...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="93"/>
        <source>&amp;Print...</source>
        <translation>&amp;Drucken...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="100"/>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="102"/>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="103"/>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="105"/>
        <source>&amp;Redo</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="108"/>
        <source>C&amp;opy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="110"/>
        <source>&amp;Cut</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="112"/>
        <source>&amp;Paste</source>
        <translation>E&amp;infügen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="114"/>
        <source>D&amp;uplicate</source>
        <translation>D&amp;uplizieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="116"/>
        <source>Tile...</source>
        <translation>Kacheln...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="117"/>
        <source>&amp;Delete [Del]</source>
        <translation>&amp;Löschen [Entf]</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="119"/>
        <source>Select &amp;all</source>
        <translation>&amp;Alles markieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="122"/>
        <source>&amp;Board</source>
        <translation>&amp;Platine</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="123"/>
        <source>&amp;Add new board...</source>
        <translation>Neue Platine &amp;hinzufügen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="124"/>
        <source>&amp;Properties</source>
        <translation>&amp;Eigenschaften</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="126"/>
        <source>&amp;Delete board...</source>
        <translation>Platine &amp;löschen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="128"/>
        <source>Set board to &amp;right</source>
        <translation>Platine nach ganz &amp;rechts</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="129"/>
        <source>Set board to &amp;left</source>
        <translation>Platine nach ganz &amp;links</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="131"/>
        <source>Move board to &amp;right</source>
        <translation>Platine nach r&amp;echts verschieben</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="132"/>
        <source>Move board to &amp;left</source>
        <translation>Platine nach l&amp;inks verschieben</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="134"/>
        <source>&amp;Import boards from file...</source>
        <translation>Platinen aus Datei &amp;importieren...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="136"/>
        <source>F&amp;unctions</source>
        <translation>F&amp;unktionen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="137"/>
        <source>&amp;Rotate</source>
        <translation>&amp;Drehen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="140"/>
        <source>Mirror &amp;horizontal</source>
        <translation>&amp;Horizontal spiegeln</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="142"/>
        <source>Mirror &amp;vertical</source>
        <translation>&amp;Vertikal spiegeln</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="145"/>
        <source>Build &amp;group</source>
        <translation>&amp;Gruppe bilden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="147"/>
        <source>Split gro&amp;up</source>
        <translation>Gruppe a&amp;uflösen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="150"/>
        <source>Change board side</source>
        <translation>Platinenseite wechseln</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="152"/>
        <source>Set to layer</source>
        <translation>Auf Layer setzen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="155"/>
        <source>&amp;Adjust to grid</source>
        <translation>Am Raster &amp;ausrichten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="157"/>
        <source>&amp;Remove connections (rubberbands)</source>
        <translation>&amp;Verbindungen (Gummibänder) entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="159"/>
        <source>Delete elements outside the board</source>
        <translation>Elemente außerhalb der Platine löschen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="160"/>
        <source>Reset solder mask...</source>
        <translation>Lötstoppmaske zurücksetzen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="162"/>
        <source>&amp;Options</source>
        <translation>&amp;Optionen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="163"/>
        <source>General settings...</source>
        <translation>Allgemeine Einstellungen...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="165"/>
        <source>Show Properties-Panel</source>
        <translation>Eigenschaften-Panel anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="166"/>
        <source>Show DRC-Panel</source>
        <translation>DRC-Panel anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="167"/>
        <source>Show Macro-Library</source>
        <translation>Makro-Bibliothek anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="169"/>
        <source>&amp;Scanned copy...</source>
        <translation>&amp;Vorlage...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="171"/>
        <source>&amp;GroundPlane</source>
        <translation>&amp;Massefläche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="174"/>
        <source>&amp;Visible layers</source>
        <translation>&amp;Sichtbare Lagen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="176"/>
        <source>&amp;Active layer</source>
        <translation>&amp;Aktive Lage</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="194"/>
        <source>Zoom &amp;board</source>
        <translation>Zoom &amp;Platine</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="195"/>
        <source>Zoom &amp;objects</source>
        <translation>Zoom &amp;Objekte</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="196"/>
        <source>Zoom &amp;selection</source>
        <translation>Zoom &amp;Auswahl</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="197"/>
        <source>Zoom previous</source>
        <translation>Vorheriger Zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="198"/>
        <source>&amp;Repaint</source>
        <translation>&amp;Neu zeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="200"/>
        <source>Project info...</source>
        <translation>Projekt-Info...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="201"/>
        <source>List drillings...</source>
        <translation>Bohrungen auflisten...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="203"/>
        <source>Footprint-Wizard...</source>
        <translation>Footprint-Assistent...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="205"/>
        <source>&amp;?</source>
        <translation>&amp;?</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="206"/>
        <source>&amp;Index...</source>
        <translation>&amp;Inhalt...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="213"/>
        <location filename="../src/app/main_window_menus.cpp" line="277"/>
        <source>Align elements</source>
        <translation>Elemente ausrichten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="214"/>
        <location filename="../src/app/main_window_menus.cpp" line="282"/>
        <source>Zoom functions</source>
        <translation>Zoom-Funktionen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="215"/>
        <location filename="../src/app/main_window_menus.cpp" line="288"/>
        <source>Show project-info</source>
        <translation>Projekt-Info anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="216"/>
        <location filename="../src/app/main_window_menus.cpp" line="289"/>
        <source>Toggle transparent mode</source>
        <translation>Transparent-Modus umschalten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="252"/>
        <source>Tool bar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="263"/>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="264"/>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="265"/>
        <source>Save</source>
        <translation>Speichern</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="266"/>
        <source>Print</source>
        <translation>Drucken</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="267"/>
        <source>Undo</source>
        <translation>Rückgängig</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="268"/>
        <source>Redo</source>
        <translation>Wiederherstellen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="269"/>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="270"/>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="271"/>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="272"/>
        <source>Delete</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="273"/>
        <source>Duplicate</source>
        <translation>Duplizieren</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="274"/>
        <source>Rotate</source>
        <translation>Drehen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="275"/>
        <source>Mirror horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="276"/>
        <source>Mirror vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="278"/>
        <source>Snap to grid</source>
        <translation>Am Raster ausrichten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="279"/>
        <source>Remove connections (rubberbands)</source>
        <translation>Verbindungen (Gummibänder) entfernen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="280"/>
        <source>Build group</source>
        <translation>Gruppe bilden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="281"/>
        <source>Split group</source>
        <translation>Gruppe auflösen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="283"/>
        <source>Repaint</source>
        <translation>Neu zeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="284"/>
        <source>Scanned copy...</source>
        <translation>Vorlage...</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="285"/>
        <source>Show/hide Properties-Panel</source>
        <translation>Eigenschaften-Panel ein/aus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="286"/>
        <source>Show/hide DRC-Panel</source>
        <translation>DRC-Panel ein/aus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="287"/>
        <source>Show/hide Macro-Library</source>
        <translation>Makro-Bibliothek ein/aus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="303"/>
        <source>Modes</source>
        <translation>Modi</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="318"/>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="318"/>
        <source>Edit mode</source>
        <translation>Bearbeitungsmodus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="319"/>
        <source>Zoom</source>
        <translation>Zoom</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="319"/>
        <source>Zoom mode</source>
        <translation>Zoom-Modus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="320"/>
        <source>Track</source>
        <translation>Leiterbahn</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="320"/>
        <source>Draw tracks</source>
        <translation>Leiterbahnen zeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="321"/>
        <source>Pad</source>
        <translation>Lötauge</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="321"/>
        <source>Add pads|Add pads. Click on the arrow to select a pad shape.</source>
        <translation>Lötaugen setzen|Lötaugen setzen. Auf den Pfeil klicken, um die Form zu wählen.</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="322"/>
        <source>SMD-Pad</source>
        <translation>SMD-Pad</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="322"/>
        <source>Add SMD-pads</source>
        <translation>SMD-Pads setzen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="323"/>
        <source>Circle</source>
        <translation>Kreis</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="323"/>
        <source>Circle/Arcs</source>
        <translation>Kreise/Bögen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="324"/>
        <source>Zone</source>
        <translation>Fläche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="324"/>
        <source>Draw filled areas</source>
        <translation>Gefüllte Flächen zeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="325"/>
        <source>Special form</source>
        <translation>Sonderform</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="325"/>
        <source>Draw equilateral polygons or spirals</source>
        <translation>Regelmäßige Vielecke oder Spiralen zeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="326"/>
        <source>Text</source>
        <translation>Text</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="326"/>
        <source>Add text</source>
        <translation>Text setzen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="327"/>
        <source>Connections</source>
        <translation>Verbindungen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="327"/>
        <source>Connections|Draw rubberbands to mark connections</source>
        <translation>Verbindungen|Gummibänder als Verbindungen zeichnen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="328"/>
        <source>Autorouter|Autorouter for routing rubberband connections</source>
        <translation>Autorouter|Autorouter zum Verlegen der Gummiband-Verbindungen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="329"/>
        <source>Test</source>
        <translation>Test</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="329"/>
        <source>Test mode|Display all connected elements</source>
        <translation>Testmodus|Alle verbundenen Elemente anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="330"/>
        <source>Measure</source>
        <translation>Messen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="330"/>
        <source>Measure|Mode for measuring distances and angles</source>
        <translation>Messen|Modus zum Messen von Abständen und Winkeln</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="331"/>
        <source>Photoview</source>
        <translation>Fotoansicht</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="331"/>
        <source>Photoview|Display the board as WYSIWYG</source>
        <translation>Fotoansicht|Die Platine wirklichkeitsgetreu anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="332"/>
        <source>Solder mask</source>
        <translation>Lötstopp</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="332"/>
        <source>Edit solder mask|Include or exclude elements from solder mask</source>
        <translation>Lötstoppmaske bearbeiten|Elemente in die Lötstoppmaske aufnehmen oder ausnehmen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="363"/>
        <source>visible</source>
        <translation>sichtbar</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="364"/>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer C1</source>
        <translation>|Layer K1 ein-/ausblenden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer S1</source>
        <translation>|Layer B1 ein-/ausblenden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer C2</source>
        <translation>|Layer K2 ein-/ausblenden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="368"/>
        <source>|Show/hide layer S2</source>
        <translation>|Layer B2 ein-/ausblenden</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="369"/>
        <source>|Show/hide layer I1 (multilayer)</source>
        <translation>|Layer I1 ein-/ausblenden (Multilayer)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="369"/>
        <source>|Show/hide layer I2 (multilayer)</source>
        <translation>|Layer I2 ein-/ausblenden (Multilayer)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="370"/>
        <source>|Show/hide layer O (PCB-Outline)</source>
        <translation>|Layer U ein-/ausblenden (Platinenumriss)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="372"/>
        <source>|Select ACTIVE layer C1</source>
        <translation>|AKTIVEN Layer K1 wählen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="372"/>
        <source>|Select ACTIVE layer S1</source>
        <translation>|AKTIVEN Layer B1 wählen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="372"/>
        <source>|Select ACTIVE layer C2</source>
        <translation>|AKTIVEN Layer K2 wählen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="373"/>
        <source>|Select ACTIVE layer S2</source>
        <translation>|AKTIVEN Layer B2 wählen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="373"/>
        <source>|Select ACTIVE layer I1 (multilayer)</source>
        <translation>|AKTIVEN Layer I1 wählen (Multilayer)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="374"/>
        <source>|Select ACTIVE layer I2 (multilayer)</source>
        <translation>|AKTIVEN Layer I2 wählen (Multilayer)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="374"/>
        <source>|Select ACTIVE layer O (PCB-Outline)</source>
        <translation>|AKTIVEN Layer U wählen (Platinenumriss)</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="399"/>
        <source>LayerInfo|Show the layer-colors and their meaning</source>
        <translation>LayerInfo|Die Layerfarben und ihre Bedeutung anzeigen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="406"/>
        <source>Adjust grid</source>
        <translation>Raster einstellen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="415"/>
        <source>GND</source>
        <translation>GND</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="417"/>
        <source>Enable/disable ground plane</source>
        <translation>Massefläche ein/aus</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="424"/>
        <source>Cutout</source>
        <translation>Sperrfläche</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="426"/>
        <source>Cutout|Generate cutout-areas in the ground plane</source>
        <translation>Sperrfläche|Sperrflächen in der Massefläche erzeugen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="435"/>
        <source>Distance|Distance from ground plane for selected and new elements</source>
        <translation>Abstand|Abstand zur Massefläche für markierte und neue Elemente</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="457"/>
        <source>Unit of rulers|Select mm or mil</source>
        <translation>Lineal-Einheit|mm oder mil wählen</translation>
    </message>
    <message>
        <location filename="../src/app/main_window_menus.cpp" line="489"/>
        <source>|Board-Zoom</source>
        <translation>|Platinen-Zoom</translation>
    </message>
</context>
<context>
    <name>corvane::ProjectInfoWindow</name>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="52"/>
        <source>Project info</source>
        <translation>Projekt-Info</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="66"/>
        <source>Title:</source>
        <translation>Titel:</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="67"/>
        <source>Author:</source>
        <translation>Autor:</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="68"/>
        <source>Company:</source>
        <translation>Firma:</translation>
    </message>
    <message>
        <location filename="../src/app/project_info_window.cpp" line="69"/>
        <source>Comment:</source>
        <translation>Kommentar:</translation>
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
        <translation>Leiterbahnbreite</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="195"/>
        <source>Outside|Pad outside diameter</source>
        <translation>Außen|Außendurchmesser des Lötauges</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="196"/>
        <source>Drilling|Pad drilling diameter</source>
        <translation>Bohrung|Bohrdurchmesser des Lötauges</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="197"/>
        <source>Width|SMD-Pad width</source>
        <translation>Breite|Breite des SMD-Pads</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="198"/>
        <source>Height|SMD-Pad height</source>
        <translation>Höhe|Höhe des SMD-Pads</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="201"/>
        <source>|Track container</source>
        <translation>|Leiterbahn-Speicher</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="201"/>
        <source>|Pad container</source>
        <translation>|Lötaugen-Speicher</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="201"/>
        <source>|SMD-Pad container</source>
        <translation>|SMD-Pad-Speicher</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="322"/>
        <source>Add</source>
        <translation>Neu</translation>
    </message>
    <message>
        <location filename="../src/app/size_fields.cpp" line="325"/>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
</context>
<context>
    <name>corvane::TLaySpinEdit</name>
    <message>
        <location filename="../src/app/size_fields.cpp" line="46"/>
        <source>Click and drag to set the value</source>
        <translation>Klicken und ziehen um den Wert einzustellen</translation>
    </message>
</context>
</TS>
