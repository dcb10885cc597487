<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>corvane::TLochDlg</name>
    <message>
        <source>Excellon export</source>
        <translation>Excellon-Export</translation>
    </message>
    <message>
        <source>Drill data uses EXCELLON format.</source>
        <translation>Die Bohrdaten verwenden das EXCELLON-Format.</translation>
    </message>
    <message>
        <source>Selection</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Simple drillings</source>
        <translation>Einfache Bohrungen</translation>
    </message>
    <message>
        <source>Through-holes</source>
        <translation>Durchkontaktierungen</translation>
    </message>
    <message>
        <source>Unit of measurement</source>
        <translation>Maßeinheit</translation>
    </message>
    <message>
        <source>mm</source>
        <translation>mm</translation>
    </message>
    <message>
        <source>(format 3.2 )</source>
        <translation>(Format 3.2 )</translation>
    </message>
    <message>
        <source>(format 3.3 )</source>
        <translation>(Format 3.3 )</translation>
    </message>
    <message>
        <source>Inch</source>
        <translation>Zoll</translation>
    </message>
    <message>
        <source>(format 2.4)</source>
        <translation>(Format 2.4)</translation>
    </message>
    <message>
        <source>Delete leading zeros</source>
        <translation>Führende Nullen entfernen</translation>
    </message>
    <message>
        <source>Drill from..</source>
        <translation>Bohren von..</translation>
    </message>
    <message>
        <source>Top (default)</source>
        <translation>Oben (Standard)</translation>
    </message>
    <message>
        <source>Bottom (x-mirrored, Gerber comp.)</source>
        <translation>Unten (x-gespiegelt, Gerber-kompatibel)</translation>
    </message>
    <message>
        <source>Bottom (x-mirrored, HPGL comp.)</source>
        <translation>Unten (x-gespiegelt, HPGL-kompatibel)</translation>
    </message>
    <message>
        <source>Sort drillings</source>
        <translation>Bohrungen sortieren</translation>
    </message>
    <message>
        <source>Special options</source>
        <translation>Sonderoptionen</translation>
    </message>
    <message>
        <source>M71/72 instead of METRIC/INCH</source>
        <translation>M71/72 statt METRIC/INCH</translation>
    </message>
    <message>
        <source>Suppress G90 - code</source>
        <translation>G90-Code unterdrücken</translation>
    </message>
    <message>
        <source>Suppress comments</source>
        <translation>Kommentare unterdrücken</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>corvane::TBohrInfoDlg</name>
    <message>
        <source>Drillings</source>
        <translation>Bohrungen</translation>
    </message>
    <message>
        <source>Simple drillings</source>
        <translation>Einfache Bohrungen</translation>
    </message>
    <message>
        <source>Through-Hole pads</source>
        <translation>Durchkontaktierte Pads</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Clip&amp;board...</source>
        <translation>Zwischen&amp;ablage...</translation>
    </message>
    <message>
        <source>The text is now in the clipboard</source>
        <translation>Der Text ist jetzt in der Zwischenablage</translation>
    </message>
</context>
<context>
    <name>corvane::TKonturFraesenDlg</name>
    <message>
        <source>PCB outline</source>
        <translation>Platinenkontur</translation>
    </message>
    <message>
        <source>Outline-Layer</source>
        <translation>Kontur-Layer</translation>
    </message>
    <message>
        <source>All elements</source>
        <translation>Alle Elemente</translation>
    </message>
    <message>
        <source>Selected elements</source>
        <translation>Markierte Elemente</translation>
    </message>
    <message>
        <source>Mirror</source>
        <translation>Spiegeln</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keine</translation>
    </message>
    <message>
        <source>Mirror horizontal</source>
        <translation>Horizontal spiegeln</translation>
    </message>
    <message>
        <source>Mirror vertical</source>
        <translation>Vertikal spiegeln</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>Top/Left</source>
        <translation>Oben/Links</translation>
    </message>
    <message>
        <source>Top/Right</source>
        <translation>Oben/Rechts</translation>
    </message>
    <message>
        <source>Bottom/Left</source>
        <translation>Unten/Links</translation>
    </message>
    <message>
        <source>Bottom/Right</source>
        <translation>Unten/Rechts</translation>
    </message>
    <message>
        <source>Reference</source>
        <translation>Referenz</translation>
    </message>
    <message>
        <source>holes</source>
        <translation>bohrungen</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;Abbrechen</translation>
    </message>
</context>
<context>
    <name>corvane::CamCommands</name>
    <message>
        <source>Drill files (*.drl)|*.DRL</source>
        <translation>Bohrdateien (*.drl)|*.DRL</translation>
    </message>
    <message>
        <source>Can not create file!</source>
        <translation>Datei kann nicht erstellt werden!</translation>
    </message>
    <message>
        <source>Excellon export</source>
        <translation>Excellon-Export</translation>
    </message>
    <message>
        <source>No elements for the PCB outline available.</source>
        <translation>Keine Elemente für die Platinenkontur vorhanden.</translation>
    </message>
    <message>
        <source>PCB outline</source>
        <translation>Platinenkontur</translation>
    </message>
    <message>
        <source>HPGL (*.plt)|*.PLT</source>
        <translation>HPGL (*.plt)|*.PLT</translation>
    </message>
</context>
</TS>
