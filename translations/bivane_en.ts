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
    <message>
        <source>Favorit umbenennen</source>
        <translation>Rename Favorite</translation>
    </message>
    <message>
        <source>Der Ordner auf der Platte behält seinen Namen. Leer lassen, um den Ordnernamen zu verwenden.</source>
        <translation>The folder on disk keeps its name. Leave empty to use the folder’s name.</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Pictures</translation>
    </message>
    <message>
        <source>Musik</source>
        <translation>Music</translation>
    </message>
    <message>
        <source>Filme</source>
        <translation>Movies</translation>
    </message>
    <message>
        <source>Der Name darf keinen Schrägstrich enthalten.</source>
        <translation>The name must not contain a slash.</translation>
    </message>
    <message>
        <source>„.“ und „..“ sind als Name nicht möglich.</source>
        <translation>“.” and “..” cannot be used as names.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang: Ein Name darf höchstens %1 Byte lang sein.</source>
        <translation>The name is too long: a name may be at most %1 bytes long.</translation>
    </message>
    <message>
        <source>%1 Kopie</source>
        <translation>%1 copy</translation>
    </message>
    <message>
        <source>„%1“ in den Papierkorb legen?</source>
        <translation>Move “%1” to the Trash?</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte in den Papierkorb legen?</source>
        <translation>
            <numerusform>Move %n item to the Trash?</numerusform>
            <numerusform>Move %n items to the Trash?</numerusform>
        </translation>
    </message>
    <message>
        <source>Du kannst sie aus dem Papierkorb wieder zurückholen.</source>
        <translation>You can restore them from the Trash.</translation>
    </message>
    <message>
        <source>In den Papierkorb</source>
        <translation>Move to Trash</translation>
    </message>
    <message>
        <source>„%1“ kopieren?</source>
        <translation>Copy “%1”?</translation>
    </message>
    <message>
        <source>„%1“ verschieben?</source>
        <translation>Move “%1”?</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte kopieren?</source>
        <translation>
            <numerusform>Copy %n item?</numerusform>
            <numerusform>Copy %n items?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte verschieben?</source>
        <translation>
            <numerusform>Move %n item?</numerusform>
            <numerusform>Move %n items?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ziel: %1</source>
        <translation>Destination: %1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Es läuft bereits ein Kopier- oder Verschiebevorgang.</source>
        <translation>A copy or move is already in progress.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht in sich selbst abgelegt werden.</source>
        <translation>“%1” cannot be placed inside itself.</translation>
    </message>
    <message>
        <source>„%1“ ist bereits vorhanden.</source>
        <translation>“%1” already exists.</translation>
    </message>
    <message>
        <source>„%1“ ist im Zielordner bereits vorhanden.</source>
        <translation>“%1” already exists in the destination folder.</translation>
    </message>
    <message>
        <source>Verstrichen</source>
        <translation>Elapsed</translation>
    </message>
    <message>
        <source>Verbleibend</source>
        <translation>Remaining</translation>
    </message>
    <message>
        <source>ca. %1</source>
        <translation>about %1</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>calculating …</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Speed</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progress</translation>
    </message>
    <message>
        <source>%1 von %2 · %3 von %4 Objekten</source>
        <translation>%1 of %2 · %3 of %4 items</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Cancelling …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei war nicht lesbar. Sie wurde als „%1“ aufbewahrt; es gelten die Standardeinstellungen.</source>
        <translation>The settings file could not be read. It was kept as “%1”; the default settings apply.</translation>
    </message>
    <message>
        <source>„%1“ liegt auf einem anderen Rechner und kann hier nicht kopiert werden.</source>
        <translation>“%1” is on another computer and cannot be copied here.</translation>
    </message>
    <message>
        <source>„%1“ wurde während des Verschiebens geändert oder hinzugefügt und ist im Quellordner geblieben.</source>
        <translation>“%1” was changed or added during the move and stayed in the source folder.</translation>
    </message>
    <message>
        <source>%1 Objekte wurden während des Verschiebens geändert oder hinzugefügt und sind im Quellordner geblieben, darunter „%2“.</source>
        <translation>%1 items were changed or added during the move and stayed in the source folder, among them “%2”.</translation>
    </message>
    <message>
        <source>Systemsprache</source>
        <translation>System language</translation>
    </message>
    <message>
        <source>%1 war bei „%2“ belegt und wurde dort entfernt.</source>
        <translation>%1 was assigned to “%2” and has been removed there.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>System</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Light</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Dark</translation>
    </message>
    <message>
        <source>Azurin (Retro Blau)</source>
        <translation>Azurin (retro blue)</translation>
    </message>
    <message>
        <source>Retro Grün (Terminal)</source>
        <translation>Retro green (terminal)</translation>
    </message>
    <message>
        <source>Retro Bernstein</source>
        <translation>Retro amber</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Language changed</translation>
    </message>
    <message>
        <source>Bivane muss neu gestartet werden, damit die neue Sprache gilt.</source>
        <translation>Bivane must be restarted for the new language to take effect.</translation>
    </message>
    <message>
        <source>Jetzt neu starten</source>
        <translation>Restart now</translation>
    </message>
    <message>
        <source>Später</source>
        <translation>Later</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht entpackt werden.</source>
        <translation>“%1” could not be unpacked.</translation>
    </message>
    <message>
        <source>Archiv.zip</source>
        <translation>Archive.zip</translation>
    </message>
    <message>
        <source>Archiv wird erstellt …</source>
        <translation>Creating archive …</translation>
    </message>
    <message>
        <source>Wird entpackt …</source>
        <translation>Unpacking …</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht gestartet werden.</source>
        <translation>“%1” could not be started.</translation>
    </message>
    <message>
        <source>Ansehen (F3)</source>
        <translation>View (F3)</translation>
    </message>
    <message>
        <source>Editor (F4)</source>
        <translation>Editor (F4)</translation>
    </message>
    <message>
        <source>Standard-Textprogramm des Systems</source>
        <translation>The system’s default text editor</translation>
    </message>
    <message>
        <source>ZIP-Archiv erstellen (integriert)</source>
        <translation>Create a ZIP archive (built in)</translation>
    </message>
    <message>
        <source>Integriert (ZIP, TAR); sonst Archivierungsprogramm des Systems</source>
        <translation>Built in (ZIP, TAR); otherwise the system’s archive program</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>The file cannot be read: %1</translation>
    </message>
    <message>
        <source>Das PDF-Dokument ist beschädigt.</source>
        <translation>The PDF document is damaged.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>The folder cannot be read: %1</translation>
    </message>
    <message>
        <source>Wird geladen …</source>
        <translation>Loading …</translation>
    </message>
    <message>
        <source>%1 – %2 von %3</source>
        <translation>%1 – %2 of %3</translation>
    </message>
    <message>
        <source>Nur der Anfang der Datei wird gezeigt (%1 von %2).</source>
        <translation>Only the beginning of the file is shown (%1 of %2).</translation>
    </message>
    <message>
        <source>Der Ordner ist leer.</source>
        <translation>The folder is empty.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Liste der Tastenkürzel (%1)</source>
        <translation>List of keyboard shortcuts (%1)</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Darstellung: Symbole, Liste, Spalten</source>
        <translation>View: icons, list, columns</translation>
    </message>
    <message>
        <source>Übergeordneter Ordner</source>
        <translation>Enclosing folder</translation>
    </message>
    <message>
        <source>Ordner nicht lesbar</source>
        <translation>Folder not readable</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Remove from favourites</translation>
    </message>
    <message>
        <source>Ordner zu Favoriten hinzufügen</source>
        <translation>Add folder to favourites</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte</source>
        <translation>
            <numerusform>%n item</numerusform>
            <numerusform>%n items</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n ausgewählt</source>
        <translation>
            <numerusform>%1 of %n selected</numerusform>
            <numerusform>%1 of %n selected</numerusform>
        </translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Ansehen</source>
        <translation>View</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Edit</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Folder</translation>
    </message>
    <message>
        <source>Favorit</source>
        <translation>Favourite</translation>
    </message>
    <message>
        <source>Einstell.</source>
        <translation>Settings</translation>
    </message>
    <message>
        <source>Wird berechnet …</source>
        <translation>Calculating …</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Where</translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation>Created</translation>
    </message>
    <message>
        <source>Geändert</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Done</translation>
    </message>
    <message>
        <source>Unbekannt</source>
        <translation>Unknown</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Favoriten</source>
        <translation>Favourites</translation>
    </message>
    <message>
        <source>Meine Favoriten</source>
        <translation>My favourites</translation>
    </message>
    <message>
        <source>Ordner hierher ziehen</source>
        <translation>Drag folders here</translation>
    </message>
    <message>
        <source>Orte</source>
        <translation>Locations</translation>
    </message>
    <message>
        <source>Umbenennen …</source>
        <translation>Rename …</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Move up</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Move down</translation>
    </message>
    <message>
        <source>Einsetzen</source>
        <translation>Paste</translation>
    </message>
    <message>
        <source>Aktuellen Ordner aus Favoriten entfernen</source>
        <translation>Remove current folder from favourites</translation>
    </message>
    <message>
        <source>Aktuellen Ordner zu Favoriten</source>
        <translation>Add current folder to favourites</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Add to favourites</translation>
    </message>
    <message>
        <source>Pfad kopieren</source>
        <translation>Copy path</translation>
    </message>
    <message>
        <source>Öffnen mit</source>
        <translation>Open with</translation>
    </message>
    <message>
        <source>Dual Panels</source>
        <translation>Dual Panels</translation>
    </message>
    <message>
        <source>Zwei Panels</source>
        <translation>Two Panels</translation>
    </message>
    <message>
        <source>Retro Commander</source>
        <translation>Retro Commander</translation>
    </message>
    <message>
        <source>Bivane-Ordner</source>
        <translation>Bivane Folders</translation>
    </message>
    <message>
        <source>Glas-Austausch</source>
        <translation>Glass Swap</translation>
    </message>
    <message>
        <source>Zwei leuchtende Glas-Panels, blau und türkis, auf dunklem Marineblau</source>
        <translation>Two glowing glass panels, blue and turquoise, on dark navy</translation>
    </message>
    <message>
        <source>Zwei Dateilisten mit Austausch-Pfeil auf blauem Verlauf</source>
        <translation>Two file lists with a swap arrow on a blue gradient</translation>
    </message>
    <message>
        <source>Blauer Azurin-Look mit F-Tasten-Leiste</source>
        <translation>Blue azurin look with a function key bar</translation>
    </message>
    <message>
        <source>Zwei überlappende Ordner, blau und orange, auf Dunkel</source>
        <translation>Two overlapping folders, blue and orange, on dark</translation>
    </message>
    <message>
        <source>Zwei Glaskarten mit Pfeil auf türkis-violettem Verlauf</source>
        <translation>Two glass cards with an arrow on a turquoise-violet gradient</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>File</translation>
    </message>
    <message>
        <source>Einstellungen …</source>
        <translation>Settings …</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Als Symbole</source>
        <translation>As Icons</translation>
    </message>
    <message>
        <source>Als Liste</source>
        <translation>As List</translation>
    </message>
    <message>
        <source>Als Spalten</source>
        <translation>As Columns</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien ausblenden</source>
        <translation>Hide Hidden Files</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien einblenden</source>
        <translation>Show Hidden Files</translation>
    </message>
    <message>
        <source>Anderes Panel wechseln</source>
        <translation>Switch to Other Panel</translation>
    </message>
    <message>
        <source>Über Bivane</source>
        <translation>About Bivane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Geändert: </source>
        <translation>Modified: </translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Theme</translation>
    </message>
    <message>
        <source>Retro-Themes zeigen eine Textliste mit Festbreitenschrift. Die Ansichten Symbole und Spalten sind dabei nicht verfügbar.</source>
        <translation>Retro themes show a text list in a fixed-width font. The icon and column views are not available with them.</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>Größe: %1 px</source>
        <translation>Size: %1 px</translation>
    </message>
    <message>
        <source>Festbreitenschrift</source>
        <translation>Fixed-width font</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>Icons anzeigen</source>
        <translation>Show icons</translation>
    </message>
    <message>
        <source>Funktionstasten-Leiste unten anzeigen</source>
        <translation>Show the function key bar at the bottom</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Sprache der App</source>
        <translation>Language of the app</translation>
    </message>
    <message>
        <source>Die Sprache gilt nach einem Neustart der App. Verfügbar sind Deutsch, English, Türkçe und Français.</source>
        <translation>The language applies after the app restarts. Available are Deutsch, English, Türkçe and Français.</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>List</translation>
    </message>
    <message>
        <source>Ordner in der Liste als Baum aufklappen</source>
        <translation>Expand folders in the list as a tree</translation>
    </message>
    <message>
        <source>Vor jedem Ordner erscheint ein Pfeil. Mit → klappst du den markierten Ordner auf, mit ← wieder zu. Ein Doppelklick oder Return öffnet den Ordner weiterhin.</source>
        <translation>An arrow appears before each folder. → expands the selected folder, ← collapses it. A double-click or Return still opens the folder.</translation>
    </message>
    <message>
        <source>App-Icon</source>
        <translation>App Icon</translation>
    </message>
    <message>
        <source>Gewähltes Icon als PNG exportieren …</source>
        <translation>Export Chosen Icon as PNG …</translation>
    </message>
    <message>
        <source>Startbildschirm</source>
        <translation>Start Screen</translation>
    </message>
    <message>
        <source>Startbildschirm beim Programmstart zeigen</source>
        <translation>Show the start screen when the program starts</translation>
    </message>
    <message>
        <source>Beim Kopieren und Verschieben ein Fortschrittsfenster zeigen</source>
        <translation>Show a progress window when copying and moving</translation>
    </message>
    <message>
        <source>Rückfragen</source>
        <translation>Confirmations</translation>
    </message>
    <message>
        <source>Vor dem Kopieren und Verschieben nachfragen</source>
        <translation>Ask before copying and moving</translation>
    </message>
    <message>
        <source>Vor dem Löschen (Papierkorb) nachfragen</source>
        <translation>Ask before deleting (trash)</translation>
    </message>
    <message>
        <source>Das Fortschrittsfenster zeigt Balken, verstrichene Zeit, geschätzte Restzeit und Geschwindigkeit und lässt sich abbrechen. Es erscheint nur bei Vorgängen, die länger als einen Moment dauern. Die Rückfragen gelten auch für Drag &amp; Drop und Einsetzen.</source>
        <translation>The progress window shows a bar, the elapsed time, the estimated time left and the speed, and can cancel. It appears only for operations that take longer than a moment. The confirmations also apply to drag and drop and to pasting.</translation>
    </message>
    <message>
        <source>Programm für „%1“ wählen</source>
        <translation>Choose Program for “%1”</translation>
    </message>
    <message>
        <source>Wählen …</source>
        <translation>Choose …</translation>
    </message>
    <message>
        <source>Zuweisung entfernen</source>
        <translation>Remove Assignment</translation>
    </message>
    <message>
        <source>Standard: %1</source>
        <translation>Default: %1</translation>
    </message>
    <message>
        <source>Programme zuweisen</source>
        <translation>Assign Programs</translation>
    </message>
    <message>
        <source>Klicke auf ein Kürzel und drücke die neue Tastenkombination. Esc bricht ab, ✕ entfernt das Kürzel. Jede Aktion hat zwei Plätze. Ein bereits vergebenes Kürzel wandert zur neuen Aktion.</source>
        <translation>Click a shortcut and press the new key combination. Esc cancels, ✕ removes the shortcut. Each action has two slots. A shortcut already in use moves to the new action.</translation>
    </message>
    <message>
        <source>Kürzel auf Standard zurücksetzen</source>
        <translation>Reset Shortcuts to Defaults</translation>
    </message>
    <message>
        <source>Fenstergröße beim Start</source>
        <translation>Window Size at Start</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Größe merken und beim Start wiederherstellen</source>
        <translation>Remember the last size and restore it at start</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Width</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Height</translation>
    </message>
    <message>
        <source>Aktuelle Fenstergröße als Startgröße übernehmen</source>
        <translation>Use the current window size as the start size</translation>
    </message>
    <message>
        <source>Ist die Option aus, startet Bivane immer mit der Startgröße. Ist sie an, startet die App mit der Größe, die du zuletzt eingestellt hast. Mindestgröße: %1 × %2 px. Die Größe gilt ab dem nächsten Start.</source>
        <translation>When the option is off, Bivane always starts with the start size. When it is on, the app starts with the size you set last. Minimum size: %1 × %2 px. The size applies from the next start.</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>General</translation>
    </message>
    <message>
        <source>Erscheinungsbild</source>
        <translation>Appearance</translation>
    </message>
    <message>
        <source>Tastenkürzel</source>
        <translation>Keyboard Shortcuts</translation>
    </message>
    <message>
        <source>Vorgänge</source>
        <translation>Operations</translation>
    </message>
    <message>
        <source>Icon &amp; Start</source>
        <translation>Icon &amp; Start</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Window</translation>
    </message>
    <message>
        <source>Auf Standard zurücksetzen</source>
        <translation>Reset to Defaults</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen</source>
        <translation>Unsaved changes</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Kürzel entfernen</source>
        <translation>Remove Shortcut</translation>
    </message>
    <message>
        <source>Taste drücken …</source>
        <translation>Press a key …</translation>
    </message>
    <message>
        <source>Auswahl bewegen</source>
        <translation>Move selection</translation>
    </message>
    <message>
        <source>Eine Ebene höher / Spalte zurück</source>
        <translation>One level up / column back</translation>
    </message>
    <message>
        <source>Ordner betreten / Spalte vor</source>
        <translation>Enter folder / column forward</translation>
    </message>
    <message>
        <source>Einstellungen (System)</source>
        <translation>Settings (system)</translation>
    </message>
    <message>
        <source>Anpassen …</source>
        <translation>Customise …</translation>
    </message>
    <message>
        <source>Feste Tasten</source>
        <translation>Fixed Keys</translation>
    </message>
    <message>
        <source>Zwei Ordner, eine Tastatur</source>
        <translation>Two folders, one keyboard</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst ihn nicht öffnen.</source>
        <translation>“%1” belongs to %2 (%3); you may not open it.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst seinen Inhalt nicht lesen.</source>
        <translation>“%1” belongs to %2 (%3); you may not read its contents.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst sie nicht lesen.</source>
        <translation>“%1” belongs to %2 (%3); you may not read it.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst darin nicht schreiben.</source>
        <translation>“%1” belongs to %2 (%3); you may not write in it.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst sie nicht ändern.</source>
        <translation>“%1” belongs to %2 (%3); you may not change it.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3).</source>
        <translation>“%1” belongs to %2 (%3).</translation>
    </message>
    <message>
        <source>Als Eigentümer kannst du die Rechte ändern.</source>
        <translation>As its owner, you can change the permissions.</translation>
    </message>
    <message>
        <source>Nur ein Administrator kann dir diese Rechte geben.</source>
        <translation>Only an administrator can give you these permissions.</translation>
    </message>
    <message>
        <source>Nur %1 oder ein Administrator kann dir diese Rechte geben.</source>
        <translation>Only %1 or an administrator can give you these permissions.</translation>
    </message>
    <message>
        <source>Das Dateisystem unter „%1“ ist schreibgeschützt eingehängt; dort lässt sich nichts ändern.</source>
        <translation>The file system at “%1” is mounted read-only; nothing can be changed there.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.</source>
        <translation>The settings could not be saved.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>„%1“ wurde entpackt, ohne „%2“: Gerätedateien, FIFOs und Set-ID-Rechte werden nicht übernommen.</source>
        <translation>“%1” was unpacked without “%2”: device files, FIFOs and set-id permissions are not taken over.</translation>
    </message>
    <message>
        <source>„%1“ wurde entpackt, ohne „%2“ und %3 weitere Einträge: Gerätedateien, FIFOs und Set-ID-Rechte werden nicht übernommen.</source>
        <translation>“%1” was unpacked without “%2” and %3 more entries: device files, FIFOs and set-id permissions are not taken over.</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ konnte nicht erstellt werden.</source>
        <translation>The archive “%1” could not be created.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>The folder “%1” could not be created.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht in „%2“ umbenannt werden.</source>
        <translation>“%1” could not be renamed to “%2”.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht dupliziert werden.</source>
        <translation>“%1” could not be duplicated.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht in den Papierkorb gelegt werden.</source>
        <translation>“%1” could not be moved to the Trash.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht kopiert werden.</source>
        <translation>“%1” could not be copied.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht verschoben werden.</source>
        <translation>“%1” could not be moved.</translation>
    </message>
    <message>
        <source>Das Programm zum Darstellen von PDF-Seiten startet nicht.</source>
        <translation>The program that draws PDF pages does not start.</translation>
    </message>
    <message>
        <source>Die Seite ist zu aufwendig für die Vorschau.</source>
        <translation>The page is too complex for the preview.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission denied</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Operation not permitted</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger</source>
        <translation>No space left on the disk</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Disk quota exceeded</translation>
    </message>
    <message>
        <source>Schreibgeschütztes Dateisystem</source>
        <translation>Read-only file system</translation>
    </message>
    <message>
        <source>Name zu lang</source>
        <translation>Name too long</translation>
    </message>
    <message>
        <source>Bereits vorhanden</source>
        <translation>Already exists</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>File or folder not found</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Input/output error</translation>
    </message>
    <message>
        <source>Ordner nicht leer</source>
        <translation>Folder not empty</translation>
    </message>
    <message>
        <source>Nicht über Dateisystemgrenzen hinweg möglich</source>
        <translation>Not possible across file systems</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Too many levels of symbolic links</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>Not a folder</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Is a folder</translation>
    </message>
    <message>
        <source>Wird gerade benutzt</source>
        <translation>In use</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>File too large</translation>
    </message>
    <message>
        <source>Auf diesem Dateisystem nicht möglich</source>
        <translation>Not possible on this file system</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>Nur der Anfang der Datei wird gezeigt (%1).</source>
        <translation>Only the start of the file is shown (%1).</translation>
    </message>
    <message>
        <source>mindestens %1 (nicht lesbare Ordner: %2)</source>
        <translation>at least %1 (unreadable folders: %2)</translation>
    </message>
    <message>
        <source>„%1“ liegt nicht auf diesem Rechner.</source>
        <translation>“%1” is not on this computer.</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>“%1” does not exist.</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n ausgewählt (%2 ausgeblendet)</source>
        <translation>
            <numerusform>%1 of %n selected (%2 hidden)</numerusform>
            <numerusform>%1 of %n selected (%2 hidden)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 …</source>
        <translation>%1 …</translation>
    </message>
    <message>
        <source>Im Dateimanager zeigen</source>
        <translation>Show in File Manager</translation>
    </message>
    <message>
        <source>Schnellvorschau von Bivane</source>
        <translation>Built-in quick preview</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Leertaste</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>Rücktaste</source>
        <translation>Backspace</translation>
    </message>
    <message>
        <source>Entf</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Pos1</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Bild auf</source>
        <translation>Page Up</translation>
    </message>
    <message>
        <source>Bild ab</source>
        <translation>Page Down</translation>
    </message>
    <message>
        <source>Strg</source>
        <translation>Ctrl</translation>
    </message>
    <message>
        <source>Alt</source>
        <translation>Alt</translation>
    </message>
    <message>
        <source>Umschalt</source>
        <translation>Shift</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Das gewählte Icon erscheint im Startbildschirm und als Fenstersymbol, solange Bivane läuft. Starter und Menüs des Desktops zeigen das Symbol „bivane“ aus dessen Symbolthema; Bivane installiert es im Standard-Design.</source>
        <translation>The chosen icon appears on the start screen and as the window icon while Bivane runs. The desktop’s launchers and menus show the icon “bivane” from its icon theme; Bivane installs it in the default design.</translation>
    </message>
    <message>
        <source>Ohne zugewiesenes Programm nutzt Bivane die Standardfunktion der jeweiligen Zeile, bei „Ansehen“ also die Schnellvorschau von Bivane. Ein zugewiesenes Programm öffnet die markierten Dateien. Die Tasten dafür (%1) kannst du im Tab „Tastenkürzel“ ändern.</source>
        <translation>Without an assigned program Bivane uses the default of each row, for “View” its built-in quick preview. An assigned program opens the selected files. You can change the keys for them (%1) in the “Keyboard Shortcuts” tab.</translation>
    </message>
    <message>
        <source>Ordner wird angelegt …</source>
        <translation>Creating folder …</translation>
    </message>
    <message>
        <source>Wird umbenannt …</source>
        <translation>Renaming …</translation>
    </message>
    <message>
        <source>Wird dupliziert …</source>
        <translation>Duplicating …</translation>
    </message>
    <message>
        <source>Wird in den Papierkorb gelegt …</source>
        <translation>Moving to the trash …</translation>
    </message>
    <message>
        <source>Wird gelesen … „%1“</source>
        <translation>Reading “%1” …</translation>
    </message>
</context>
</TS>
