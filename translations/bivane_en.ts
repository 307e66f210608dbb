<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Bivane</name>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Änderungsdatum</source>
        <translation>Date Modified</translation>
    </message>
    <message>
        <source>Erstellungsdatum</source>
        <translation>Date Created</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Last Opened</translation>
    </message>
    <message>
        <source>Hinzugefügt am</source>
        <translation>Date Added</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Kind</translation>
    </message>
    <message>
        <source>Rechte</source>
        <translation>Permissions</translation>
    </message>
    <message>
        <source>Besitzer</source>
        <translation>Owner</translation>
    </message>
    <message>
        <source>Null Byte</source>
        <translation>Zero bytes</translation>
    </message>
    <message numerus="yes">
        <source>%n Byte</source>
        <translation>
            <numerusform>%n byte</numerusform>
            <numerusform>%n bytes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 GB</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 TB</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation>%1 PB</translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation>%1 EB</translation>
    </message>
    <message>
        <source>Mögliche Ursachen: Die Datei gehört einem anderen Benutzer, ist gesperrt, oder Bivane hat keinen Zugriff auf diesen Ordner. Für einen Dateimanager hilft meist der „Vollzugriff auf die Festplatte“ in den Datenschutz-Einstellungen.</source>
        <translation>Possible causes: the file belongs to another user, is locked, or Bivane has no access to this folder. For a file manager, “Full Disk Access” in the privacy settings usually helps.</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Eine Ebene höher</source>
        <translation>Up One Level</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vorwärts</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Nächster Bereich (Seitenleiste/Liste)</source>
        <translation>Next Area (Sidebar/List)</translation>
    </message>
    <message>
        <source>Vorheriger Bereich</source>
        <translation>Previous Area</translation>
    </message>
    <message>
        <source>Neuer Ordner</source>
        <translation>New Folder</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Rename</translation>
    </message>
    <message>
        <source>Schnellvorschau</source>
        <translation>Quick Preview</translation>
    </message>
    <message>
        <source>Ansehen (zugewiesenes Programm, sonst Schnellvorschau)</source>
        <translation>View (Assigned Program, Otherwise Quick Preview)</translation>
    </message>
    <message>
        <source>Bearbeiten (Editor)</source>
        <translation>Edit (Editor)</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Duplicate</translation>
    </message>
    <message>
        <source>Im Finder zeigen</source>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>In den Papierkorb legen</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Pack</translation>
    </message>
    <message>
        <source>Entpacken</source>
        <translation>Unpack</translation>
    </message>
    <message>
        <source>Ins andere Panel kopieren</source>
        <translation>Copy to Other Pane</translation>
    </message>
    <message>
        <source>Ins andere Panel verschieben</source>
        <translation>Move to Other Pane</translation>
    </message>
    <message>
        <source>Ordner als Favorit ein-/ausschalten</source>
        <translation>Add/Remove Folder as Favorite</translation>
    </message>
    <message>
        <source>Ansicht: Symbole</source>
        <translation>View: Icons</translation>
    </message>
    <message>
        <source>Ansicht: Liste</source>
        <translation>View: List</translation>
    </message>
    <message>
        <source>Ansicht: Spalten</source>
        <translation>View: Columns</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien ein-/ausblenden</source>
        <translation>Show/Hide Hidden Files</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Tastenkürzel anzeigen</source>
        <translation>Show Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Benutzerordner</source>
        <translation>Home Folder</translation>
    </message>
    <message>
        <source>Schreibtisch</source>
        <translation>Desktop</translation>
    </message>
    <message>
        <source>Dokumente</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Downloads</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Anderes Panel auf diesen Ordner setzen</source>
        <translation>Show This Folder in Other Pane</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Files</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Gehe zu</source>
        <translation>Go To</translation>
    </message>
</context>
</TS>
