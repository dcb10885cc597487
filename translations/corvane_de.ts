<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; was created with a newer version of Corvane (Version %2).</source>
        <translation>„%1“ wurde mit einer neueren Version von Corvane erstellt (Version %2).</translation>
    </message>
    <message>
        <source>Your version of Corvane is not able to open this file.</source>
        <translation>Ihre Version von Corvane kann diese Datei nicht öffnen.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Corvane file.</source>
        <translation>„%1“ ist keine Corvane-Datei.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; can not be written.</source>
        <translation>Die Datei „%1“ kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; can not be read.</source>
        <translation>Die Datei „%1“ kann nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Die Datei „%1“ existiert nicht.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: files of this kind are not supported yet.</source>
        <translation>„%1“ kann nicht geöffnet werden: Dateien dieser Art werden noch nicht unterstützt.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be opened.</source>
        <translation>„%1“ ist beschädigt und kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>The file ends early.</source>
        <translation>Die Datei endet vorzeitig.</translation>
    </message>
    <message>
        <source>A count is larger than the rest of the file.</source>
        <translation>Eine Anzahl ist größer als der Rest der Datei.</translation>
    </message>
    <message>
        <source>An index lies outside its list.</source>
        <translation>Ein Index liegt außerhalb seiner Liste.</translation>
    </message>
    <message>
        <source>A text is longer than its field.</source>
        <translation>Ein Text ist länger als sein Feld.</translation>
    </message>
    <message>
        <source>A value is out of range.</source>
        <translation>Ein Wert liegt außerhalb des zulässigen Bereichs.</translation>
    </message>
    <message>
        <source>Board %1, element %2, %3, byte offset %4.</source>
        <translation>Platine %1, Element %2, %3, Byte-Position %4.</translation>
    </message>
    <message>
        <source>Board %1, %2, byte offset %3.</source>
        <translation>Platine %1, %2, Byte-Position %3.</translation>
    </message>
    <message>
        <source>%1, byte offset %2.</source>
        <translation>%1, Byte-Position %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Datei nicht gefunden!</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Datei nicht gefunden</translation>
    </message>
    <message>
        <source>This layout was create with an older version.</source>
        <translation>Dieses Layout wurde mit einer älteren Version erstellt.</translation>
    </message>
    <message>
        <source>The elements on the copper-layer C1 and C2 will be exchanged,</source>
        <translation>Die Elemente auf den Kupferlagen K1 und K2 werden vertauscht,</translation>
    </message>
    <message>
        <source>because of the new layer-structure.</source>
        <translation>wegen der neuen Lagenstruktur.</translation>
    </message>
    <message>
        <source>There are %1 Font-Text elements on the layout.</source>
        <translation>Das Layout enthält %1 Font-Text-Elemente.</translation>
    </message>
    <message>
        <source>These elements will not be supported anymore.</source>
        <translation>Diese Elemente werden nicht mehr unterstützt.</translation>
    </message>
    <message>
        <source>Replace these elements with Layout-Text elements?</source>
        <translation>Sollen diese Elemente durch Layout-Text-Elemente ersetzt werden?</translation>
    </message>
    <message>
        <source>Text-elements converted.</source>
        <translation>Die Text-Elemente wurden umgewandelt.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Änderungen speichern?</translation>
    </message>
    <message>
        <source>A new Board named &quot;%1&quot; was added.</source>
        <translation>Eine neue Platine mit dem Namen „%1“ wurde hinzugefügt.</translation>
    </message>
    <message>
        <source>Delete board &quot;%1&quot; ?</source>
        <translation>Platine „%1“ löschen?</translation>
    </message>
    <message>
        <source>A project must at least contains one board.</source>
        <translation>Ein Projekt muss mindestens eine Platine enthalten.</translation>
    </message>
    <message>
        <source>Autosave...</source>
        <translation>Automatisches Speichern...</translation>
    </message>
</context>
</TS>
