<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR" sourcelanguage="en">
<context>
    <name>Messages</name>
    <message>
        <source>&quot;%1&quot; was created with a newer version of Corvane (Version %2).</source>
        <translation>« %1 » a été créé avec une version plus récente de Corvane (version %2).</translation>
    </message>
    <message>
        <source>Your version of Corvane is not able to open this file.</source>
        <translation>Votre version de Corvane ne peut pas ouvrir ce fichier.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a Corvane file.</source>
        <translation>« %1 » n&apos;est pas un fichier Corvane.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; can not be written.</source>
        <translation>Le fichier « %1 » ne peut pas être écrit.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; can not be read.</source>
        <translation>Le fichier « %1 » ne peut pas être lu.</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; does not exist.</source>
        <translation>Le fichier « %1 » n&apos;existe pas.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: files of this kind are not supported yet.</source>
        <translation>« %1 » ne peut pas être ouvert : ce type de fichier n&apos;est pas encore pris en charge.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged and cannot be opened.</source>
        <translation>« %1 » est endommagé et ne peut pas être ouvert.</translation>
    </message>
    <message>
        <source>The file ends early.</source>
        <translation>Le fichier se termine prématurément.</translation>
    </message>
    <message>
        <source>A count is larger than the rest of the file.</source>
        <translation>Un nombre d&apos;éléments dépasse la taille du reste du fichier.</translation>
    </message>
    <message>
        <source>An index lies outside its list.</source>
        <translation>Un index se trouve hors de sa liste.</translation>
    </message>
    <message>
        <source>A text is longer than its field.</source>
        <translation>Un texte est plus long que son champ.</translation>
    </message>
    <message>
        <source>A value is out of range.</source>
        <translation>Une valeur est hors des limites admises.</translation>
    </message>
    <message>
        <source>Board %1, element %2, %3, byte offset %4.</source>
        <translation>Carte %1, élément %2, %3, position d&apos;octet %4.</translation>
    </message>
    <message>
        <source>Board %1, %2, byte offset %3.</source>
        <translation>Carte %1, %2, position d&apos;octet %3.</translation>
    </message>
    <message>
        <source>%1, byte offset %2.</source>
        <translation>%1, position d&apos;octet %2.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>File not found!</source>
        <translation>Fichier introuvable !</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>Fichier introuvable</translation>
    </message>
    <message>
        <source>This layout was create with an older version.</source>
        <translation>Ce layout a été créé avec une version antérieure.</translation>
    </message>
    <message>
        <source>The elements on the copper-layer C1 and C2 will be exchanged,</source>
        <translation>Les éléments des couches cuivre C1 et C2 vont être échangés</translation>
    </message>
    <message>
        <source>because of the new layer-structure.</source>
        <translation>en raison de la nouvelle structure des couches.</translation>
    </message>
    <message>
        <source>There are %1 Font-Text elements on the layout.</source>
        <translation>Le layout contient %1 éléments Font-Text.</translation>
    </message>
    <message>
        <source>These elements will not be supported anymore.</source>
        <translation>Ces éléments ne seront plus pris en charge.</translation>
    </message>
    <message>
        <source>Replace these elements with Layout-Text elements?</source>
        <translation>Remplacer ces éléments par des éléments Layout-Text ?</translation>
    </message>
    <message>
        <source>Text-elements converted.</source>
        <translation>Les éléments texte ont été convertis.</translation>
    </message>
    <message>
        <source>Save changes?</source>
        <translation>Enregistrer les modifications ?</translation>
    </message>
    <message>
        <source>A new Board named &quot;%1&quot; was added.</source>
        <translation>Une nouvelle carte nommée « %1 » a été ajoutée.</translation>
    </message>
    <message>
        <source>Delete board &quot;%1&quot; ?</source>
        <translation>Supprimer la carte « %1 » ?</translation>
    </message>
    <message>
        <source>A project must at least contains one board.</source>
        <translation>Un projet doit contenir au moins une carte.</translation>
    </message>
    <message>
        <source>Autosave...</source>
        <translation>Enregistrement automatique...</translation>
    </message>
</context>
</TS>
