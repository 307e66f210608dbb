<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Bivane</name>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Änderungsdatum</source>
        <translation>Date de modification</translation>
    </message>
    <message>
        <source>Erstellungsdatum</source>
        <translation>Date de création</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Dernière ouverture</translation>
    </message>
    <message>
        <source>Hinzugefügt am</source>
        <translation>Date d’ajout</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Type</translation>
    </message>
    <message>
        <source>Rechte</source>
        <translation>Autorisations</translation>
    </message>
    <message>
        <source>Besitzer</source>
        <translation>Propriétaire</translation>
    </message>
    <message>
        <source>Null Byte</source>
        <translation>Zéro octet</translation>
    </message>
    <message numerus="yes">
        <source>%n Byte</source>
        <translation>
            <numerusform>%n octet</numerusform>
            <numerusform>%n octets</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 Ko</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 GB</source>
        <translation>%1 Go</translation>
    </message>
    <message>
        <source>%1 TB</source>
        <translation>%1 To</translation>
    </message>
    <message>
        <source>%1 PB</source>
        <translation>%1 Po</translation>
    </message>
    <message>
        <source>%1 EB</source>
        <translation>%1 Eo</translation>
    </message>
    <message>
        <source>Öffnen</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Eine Ebene höher</source>
        <translation>Remonter d’un niveau</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Précédent</translation>
    </message>
    <message>
        <source>Vorwärts</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Nächster Bereich (Seitenleiste/Liste)</source>
        <translation>Zone suivante (barre latérale/liste)</translation>
    </message>
    <message>
        <source>Vorheriger Bereich</source>
        <translation>Zone précédente</translation>
    </message>
    <message>
        <source>Neuer Ordner</source>
        <translation>Nouveau dossier</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Renommer</translation>
    </message>
    <message>
        <source>Schnellvorschau</source>
        <translation>Aperçu rapide</translation>
    </message>
    <message>
        <source>Ansehen (zugewiesenes Programm, sonst Schnellvorschau)</source>
        <translation>Afficher (programme attribué, sinon aperçu rapide)</translation>
    </message>
    <message>
        <source>Bearbeiten (Editor)</source>
        <translation>Modifier (éditeur)</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Informations</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Dupliquer</translation>
    </message>
    <message>
        <source>In den Papierkorb legen</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Compresser</translation>
    </message>
    <message>
        <source>Entpacken</source>
        <translation>Décompresser</translation>
    </message>
    <message>
        <source>Ins andere Panel kopieren</source>
        <translation>Copier dans l’autre panneau</translation>
    </message>
    <message>
        <source>Ins andere Panel verschieben</source>
        <translation>Déplacer dans l’autre panneau</translation>
    </message>
    <message>
        <source>Ordner als Favorit ein-/ausschalten</source>
        <translation>Ajouter/retirer le dossier des favoris</translation>
    </message>
    <message>
        <source>Ansicht: Symbole</source>
        <translation>Présentation&#xa0;: icônes</translation>
    </message>
    <message>
        <source>Ansicht: Liste</source>
        <translation>Présentation&#xa0;: liste</translation>
    </message>
    <message>
        <source>Ansicht: Spalten</source>
        <translation>Présentation&#xa0;: colonnes</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien ein-/ausblenden</source>
        <translation>Afficher/masquer les fichiers cachés</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Tastenkürzel anzeigen</source>
        <translation>Afficher les raccourcis clavier</translation>
    </message>
    <message>
        <source>Benutzerordner</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>Schreibtisch</source>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Dokumente</source>
        <translation>Documents</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>Téléchargements</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Applications</translation>
    </message>
    <message>
        <source>Anderes Panel auf diesen Ordner setzen</source>
        <translation>Afficher ce dossier dans l’autre panneau</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Navigation</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Fichiers</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Présentation</translation>
    </message>
    <message>
        <source>Gehe zu</source>
        <translation>Aller à</translation>
    </message>
    <message>
        <source>Favorit umbenennen</source>
        <translation>Renommer le favori</translation>
    </message>
    <message>
        <source>Der Ordner auf der Platte behält seinen Namen. Leer lassen, um den Ordnernamen zu verwenden.</source>
        <translation>Le dossier sur le disque garde son nom. Laissez vide pour utiliser le nom du dossier.</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Images</translation>
    </message>
    <message>
        <source>Musik</source>
        <translation>Musique</translation>
    </message>
    <message>
        <source>Filme</source>
        <translation>Films</translation>
    </message>
    <message>
        <source>Der Name darf keinen Schrägstrich enthalten.</source>
        <translation>Le nom ne doit pas contenir de barre oblique.</translation>
    </message>
    <message>
        <source>„.“ und „..“ sind als Name nicht möglich.</source>
        <translation>«&#xa0;.&#xa0;» et «&#xa0;..&#xa0;» ne peuvent pas servir de nom.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang: Ein Name darf höchstens %1 Byte lang sein.</source>
        <translation>Le nom est trop long&#xa0;: un nom ne peut pas dépasser %1 octets.</translation>
    </message>
    <message>
        <source>%1 Kopie</source>
        <translation>%1 copie</translation>
    </message>
    <message>
        <source>„%1“ in den Papierkorb legen?</source>
        <translation>Mettre «&#xa0;%1&#xa0;» à la corbeille&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte in den Papierkorb legen?</source>
        <translation>
            <numerusform>Mettre %n élément à la corbeille&#xa0;?</numerusform>
            <numerusform>Mettre %n éléments à la corbeille&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Du kannst sie aus dem Papierkorb wieder zurückholen.</source>
        <translation>Vous pourrez les récupérer dans la corbeille.</translation>
    </message>
    <message>
        <source>In den Papierkorb</source>
        <translation>Mettre à la corbeille</translation>
    </message>
    <message>
        <source>„%1“ kopieren?</source>
        <translation>Copier «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message>
        <source>„%1“ verschieben?</source>
        <translation>Déplacer «&#xa0;%1&#xa0;»&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte kopieren?</source>
        <translation>
            <numerusform>Copier %n élément&#xa0;?</numerusform>
            <numerusform>Copier %n éléments&#xa0;?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte verschieben?</source>
        <translation>
            <numerusform>Déplacer %n élément&#xa0;?</numerusform>
            <numerusform>Déplacer %n éléments&#xa0;?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ziel: %1</source>
        <translation>Destination&#xa0;: %1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Copier</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Déplacer</translation>
    </message>
    <message>
        <source>Es läuft bereits ein Kopier- oder Verschiebevorgang.</source>
        <translation>Une copie ou un déplacement est déjà en cours.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht in sich selbst abgelegt werden.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être placé dans lui-même.</translation>
    </message>
    <message>
        <source>„%1“ ist bereits vorhanden.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà.</translation>
    </message>
    <message>
        <source>„%1“ ist im Zielordner bereits vorhanden.</source>
        <translation>«&#xa0;%1&#xa0;» existe déjà dans le dossier de destination.</translation>
    </message>
    <message>
        <source>Verstrichen</source>
        <translation>Écoulé</translation>
    </message>
    <message>
        <source>Verbleibend</source>
        <translation>Restant</translation>
    </message>
    <message>
        <source>ca. %1</source>
        <translation>env. %1</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>calcul en cours…</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Vitesse</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>%1 von %2 · %3 von %4 Objekten</source>
        <translation>%1 sur %2 · %3 sur %4 éléments</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>Annulation…</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei war nicht lesbar. Sie wurde als „%1“ aufbewahrt; es gelten die Standardeinstellungen.</source>
        <translation>Le fichier de réglages était illisible. Il a été conservé sous «&#xa0;%1&#xa0;»&#xa0;; les réglages par défaut s’appliquent.</translation>
    </message>
    <message>
        <source>„%1“ liegt auf einem anderen Rechner und kann hier nicht kopiert werden.</source>
        <translation>«&#xa0;%1&#xa0;» se trouve sur un autre ordinateur et ne peut pas être copié ici.</translation>
    </message>
    <message>
        <source>„%1“ wurde während des Verschiebens geändert oder hinzugefügt und ist im Quellordner geblieben.</source>
        <translation>«&#xa0;%1&#xa0;» a été modifié ou ajouté pendant le déplacement et est resté dans le dossier source.</translation>
    </message>
    <message>
        <source>%1 Objekte wurden während des Verschiebens geändert oder hinzugefügt und sind im Quellordner geblieben, darunter „%2“.</source>
        <translation>%1 éléments ont été modifiés ou ajoutés pendant le déplacement et sont restés dans le dossier source, dont «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>Systemsprache</source>
        <translation>Langue du système</translation>
    </message>
    <message>
        <source>%1 war bei „%2“ belegt und wurde dort entfernt.</source>
        <translation>%1 était attribué à «&#xa0;%2&#xa0;» et y a été retiré.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Système</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Clair</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Sombre</translation>
    </message>
    <message>
        <source>Azurin (Retro Blau)</source>
        <translation>Azurin (rétro bleu)</translation>
    </message>
    <message>
        <source>Retro Grün (Terminal)</source>
        <translation>Rétro vert (terminal)</translation>
    </message>
    <message>
        <source>Retro Bernstein</source>
        <translation>Rétro ambre</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Langue modifiée</translation>
    </message>
    <message>
        <source>Bivane muss neu gestartet werden, damit die neue Sprache gilt.</source>
        <translation>Bivane doit être redémarré pour que la nouvelle langue s’applique.</translation>
    </message>
    <message>
        <source>Jetzt neu starten</source>
        <translation>Redémarrer maintenant</translation>
    </message>
    <message>
        <source>Später</source>
        <translation>Plus tard</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht entpackt werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être décompressé.</translation>
    </message>
    <message>
        <source>Archiv.zip</source>
        <translation>Archive.zip</translation>
    </message>
    <message>
        <source>Archiv wird erstellt …</source>
        <translation>Création de l’archive …</translation>
    </message>
    <message>
        <source>Wird entpackt …</source>
        <translation>Décompression …</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht gestartet werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être lancé.</translation>
    </message>
    <message>
        <source>Ansehen (F3)</source>
        <translation>Afficher (F3)</translation>
    </message>
    <message>
        <source>Editor (F4)</source>
        <translation>Éditeur (F4)</translation>
    </message>
    <message>
        <source>Standard-Textprogramm des Systems</source>
        <translation>Éditeur de texte par défaut du système</translation>
    </message>
    <message>
        <source>ZIP-Archiv erstellen (integriert)</source>
        <translation>Créer une archive ZIP (intégré)</translation>
    </message>
    <message>
        <source>Integriert (ZIP, TAR); sonst Archivierungsprogramm des Systems</source>
        <translation>Intégré (ZIP, TAR)&#xa0;; sinon le programme d’archivage du système</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Le fichier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Das PDF-Dokument ist beschädigt.</source>
        <translation>Le document PDF est endommagé.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Le dossier ne peut pas être lu&#xa0;: %1</translation>
    </message>
    <message>
        <source>Wird geladen …</source>
        <translation>Chargement …</translation>
    </message>
    <message>
        <source>%1 – %2 von %3</source>
        <translation>%1 – %2 sur %3</translation>
    </message>
    <message>
        <source>Nur der Anfang der Datei wird gezeigt (%1 von %2).</source>
        <translation>Seul le début du fichier est affiché (%1 sur %2).</translation>
    </message>
    <message>
        <source>Der Ordner ist leer.</source>
        <translation>Le dossier est vide.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Supprimer</translation>
    </message>
    <message>
        <source>Liste der Tastenkürzel (%1)</source>
        <translation>Liste des raccourcis clavier (%1)</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Rechercher</translation>
    </message>
    <message>
        <source>Darstellung: Symbole, Liste, Spalten</source>
        <translation>Présentation&#xa0;: icônes, liste, colonnes</translation>
    </message>
    <message>
        <source>Übergeordneter Ordner</source>
        <translation>Dossier parent</translation>
    </message>
    <message>
        <source>Ordner nicht lesbar</source>
        <translation>Dossier illisible</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Retirer des favoris</translation>
    </message>
    <message>
        <source>Ordner zu Favoriten hinzufügen</source>
        <translation>Ajouter le dossier aux favoris</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte</source>
        <translation>
            <numerusform>%n élément</numerusform>
            <numerusform>%n éléments</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n ausgewählt</source>
        <translation>
            <numerusform>%1 sur %n sélectionné</numerusform>
            <numerusform>%1 sur %n sélectionnés</numerusform>
        </translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Ansehen</source>
        <translation>Afficher</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Éditer</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Dossier</translation>
    </message>
    <message>
        <source>Favorit</source>
        <translation>Favori</translation>
    </message>
    <message>
        <source>Einstell.</source>
        <translation>Réglages</translation>
    </message>
    <message>
        <source>Wird berechnet …</source>
        <translation>Calcul en cours …</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Emplacement</translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation>Créé</translation>
    </message>
    <message>
        <source>Geändert</source>
        <translation>Modifié</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Unbekannt</source>
        <translation>Inconnu</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Favoriten</source>
        <translation>Favoris</translation>
    </message>
    <message>
        <source>Meine Favoriten</source>
        <translation>Mes favoris</translation>
    </message>
    <message>
        <source>Ordner hierher ziehen</source>
        <translation>Glissez des dossiers ici</translation>
    </message>
    <message>
        <source>Orte</source>
        <translation>Emplacements</translation>
    </message>
    <message>
        <source>Umbenennen …</source>
        <translation>Renommer …</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Monter</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Descendre</translation>
    </message>
    <message>
        <source>Einsetzen</source>
        <translation>Coller</translation>
    </message>
    <message>
        <source>Aktuellen Ordner aus Favoriten entfernen</source>
        <translation>Retirer le dossier actuel des favoris</translation>
    </message>
    <message>
        <source>Aktuellen Ordner zu Favoriten</source>
        <translation>Ajouter le dossier actuel aux favoris</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Ajouter aux favoris</translation>
    </message>
    <message>
        <source>Pfad kopieren</source>
        <translation>Copier le chemin</translation>
    </message>
    <message>
        <source>Öffnen mit</source>
        <translation>Ouvrir avec</translation>
    </message>
    <message>
        <source>Dual Panels</source>
        <translation>Dual Panels</translation>
    </message>
    <message>
        <source>Zwei Panels</source>
        <translation>Deux panneaux</translation>
    </message>
    <message>
        <source>Retro Commander</source>
        <translation>Retro Commander</translation>
    </message>
    <message>
        <source>Bivane-Ordner</source>
        <translation>Dossiers Bivane</translation>
    </message>
    <message>
        <source>Glas-Austausch</source>
        <translation>Échange de verre</translation>
    </message>
    <message>
        <source>Zwei leuchtende Glas-Panels, blau und türkis, auf dunklem Marineblau</source>
        <translation>Deux panneaux de verre lumineux, bleu et turquoise, sur bleu marine foncé</translation>
    </message>
    <message>
        <source>Zwei Dateilisten mit Austausch-Pfeil auf blauem Verlauf</source>
        <translation>Deux listes de fichiers avec une flèche d’échange sur un dégradé bleu</translation>
    </message>
    <message>
        <source>Blauer Azurin-Look mit F-Tasten-Leiste</source>
        <translation>Style azurin bleu avec barre des touches de fonction</translation>
    </message>
    <message>
        <source>Zwei überlappende Ordner, blau und orange, auf Dunkel</source>
        <translation>Deux dossiers superposés, bleu et orange, sur fond sombre</translation>
    </message>
    <message>
        <source>Zwei Glaskarten mit Pfeil auf türkis-violettem Verlauf</source>
        <translation>Deux cartes de verre avec une flèche sur un dégradé turquoise-violet</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Fichier</translation>
    </message>
    <message>
        <source>Einstellungen …</source>
        <translation>Réglages…</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Als Symbole</source>
        <translation>Par icônes</translation>
    </message>
    <message>
        <source>Als Liste</source>
        <translation>Par liste</translation>
    </message>
    <message>
        <source>Als Spalten</source>
        <translation>Par colonnes</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien ausblenden</source>
        <translation>Masquer les fichiers invisibles</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien einblenden</source>
        <translation>Afficher les fichiers invisibles</translation>
    </message>
    <message>
        <source>Anderes Panel wechseln</source>
        <translation>Passer à l’autre panneau</translation>
    </message>
    <message>
        <source>Über Bivane</source>
        <translation>À propos de Bivane</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>Geändert: </source>
        <translation>Modifié&#xa0;: </translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Thème</translation>
    </message>
    <message>
        <source>Retro-Themes zeigen eine Textliste mit Festbreitenschrift. Die Ansichten Symbole und Spalten sind dabei nicht verfügbar.</source>
        <translation>Les thèmes rétro affichent une liste de texte en police à chasse fixe. Les présentations par icônes et par colonnes n’y sont pas disponibles.</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>Größe: %1 px</source>
        <translation>Taille&#xa0;: %1&#xa0;px</translation>
    </message>
    <message>
        <source>Festbreitenschrift</source>
        <translation>Police à chasse fixe</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Affichage</translation>
    </message>
    <message>
        <source>Icons anzeigen</source>
        <translation>Afficher les icônes</translation>
    </message>
    <message>
        <source>Funktionstasten-Leiste unten anzeigen</source>
        <translation>Afficher la barre des touches de fonction en bas</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Sprache der App</source>
        <translation>Langue de l’app</translation>
    </message>
    <message>
        <source>Die Sprache gilt nach einem Neustart der App. Verfügbar sind Deutsch, English, Türkçe und Français.</source>
        <translation>La langue s’applique après un redémarrage de l’app. Disponibles&#xa0;: Deutsch, English, Türkçe et Français.</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Ordner in der Liste als Baum aufklappen</source>
        <translation>Déplier les dossiers de la liste en arborescence</translation>
    </message>
    <message>
        <source>Vor jedem Ordner erscheint ein Pfeil. Mit → klappst du den markierten Ordner auf, mit ← wieder zu. Ein Doppelklick oder Return öffnet den Ordner weiterhin.</source>
        <translation>Une flèche apparaît devant chaque dossier. → déplie le dossier sélectionné, ← le replie. Un double-clic ou Retour ouvre toujours le dossier.</translation>
    </message>
    <message>
        <source>App-Icon</source>
        <translation>Icône de l’app</translation>
    </message>
    <message>
        <source>Gewähltes Icon als PNG exportieren …</source>
        <translation>Exporter l’icône choisie en PNG…</translation>
    </message>
    <message>
        <source>Startbildschirm</source>
        <translation>Écran de démarrage</translation>
    </message>
    <message>
        <source>Startbildschirm beim Programmstart zeigen</source>
        <translation>Afficher l’écran de démarrage au lancement</translation>
    </message>
    <message>
        <source>Beim Kopieren und Verschieben ein Fortschrittsfenster zeigen</source>
        <translation>Afficher une fenêtre de progression lors de la copie et du déplacement</translation>
    </message>
    <message>
        <source>Rückfragen</source>
        <translation>Confirmations</translation>
    </message>
    <message>
        <source>Vor dem Kopieren und Verschieben nachfragen</source>
        <translation>Demander avant de copier et de déplacer</translation>
    </message>
    <message>
        <source>Vor dem Löschen (Papierkorb) nachfragen</source>
        <translation>Demander avant de supprimer (corbeille)</translation>
    </message>
    <message>
        <source>Das Fortschrittsfenster zeigt Balken, verstrichene Zeit, geschätzte Restzeit und Geschwindigkeit und lässt sich abbrechen. Es erscheint nur bei Vorgängen, die länger als einen Moment dauern. Die Rückfragen gelten auch für Drag &amp; Drop und Einsetzen.</source>
        <translation>La fenêtre de progression affiche une barre, le temps écoulé, le temps restant estimé et la vitesse, et permet d’annuler. Elle n’apparaît que pour les opérations qui durent plus d’un instant. Les confirmations valent aussi pour le glisser-déposer et le collage.</translation>
    </message>
    <message>
        <source>Programm für „%1“ wählen</source>
        <translation>Choisir le programme pour «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Wählen …</source>
        <translation>Choisir…</translation>
    </message>
    <message>
        <source>Zuweisung entfernen</source>
        <translation>Supprimer l’attribution</translation>
    </message>
    <message>
        <source>Standard: %1</source>
        <translation>Par défaut&#xa0;: %1</translation>
    </message>
    <message>
        <source>Programme zuweisen</source>
        <translation>Attribuer des programmes</translation>
    </message>
    <message>
        <source>Klicke auf ein Kürzel und drücke die neue Tastenkombination. Esc bricht ab, ✕ entfernt das Kürzel. Jede Aktion hat zwei Plätze. Ein bereits vergebenes Kürzel wandert zur neuen Aktion.</source>
        <translation>Cliquez sur un raccourci et appuyez sur la nouvelle combinaison. Échap annule, ✕ supprime le raccourci. Chaque action a deux emplacements. Un raccourci déjà attribué passe à la nouvelle action.</translation>
    </message>
    <message>
        <source>Kürzel auf Standard zurücksetzen</source>
        <translation>Rétablir les raccourcis par défaut</translation>
    </message>
    <message>
        <source>Fenstergröße beim Start</source>
        <translation>Taille de la fenêtre au démarrage</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Größe merken und beim Start wiederherstellen</source>
        <translation>Mémoriser la dernière taille et la rétablir au démarrage</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Largeur</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Hauteur</translation>
    </message>
    <message>
        <source>Aktuelle Fenstergröße als Startgröße übernehmen</source>
        <translation>Utiliser la taille actuelle de la fenêtre comme taille de démarrage</translation>
    </message>
    <message>
        <source>Ist die Option aus, startet Bivane immer mit der Startgröße. Ist sie an, startet die App mit der Größe, die du zuletzt eingestellt hast. Mindestgröße: %1 × %2 px. Die Größe gilt ab dem nächsten Start.</source>
        <translation>Option désactivée, Bivane démarre toujours à la taille de démarrage. Activée, l’app démarre à la dernière taille que vous avez réglée. Taille minimale&#xa0;: %1&#xa0;×&#xa0;%2&#xa0;px. La taille s’applique au prochain démarrage.</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Général</translation>
    </message>
    <message>
        <source>Erscheinungsbild</source>
        <translation>Apparence</translation>
    </message>
    <message>
        <source>Tastenkürzel</source>
        <translation>Raccourcis clavier</translation>
    </message>
    <message>
        <source>Vorgänge</source>
        <translation>Opérations</translation>
    </message>
    <message>
        <source>Icon &amp; Start</source>
        <translation>Icône et démarrage</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Fenêtre</translation>
    </message>
    <message>
        <source>Auf Standard zurücksetzen</source>
        <translation>Rétablir les valeurs par défaut</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Annuler les modifications</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Enregistrer</translation>
    </message>
    <message>
        <source>Kürzel entfernen</source>
        <translation>Supprimer le raccourci</translation>
    </message>
    <message>
        <source>Taste drücken …</source>
        <translation>Appuyez sur une touche…</translation>
    </message>
    <message>
        <source>Auswahl bewegen</source>
        <translation>Déplacer la sélection</translation>
    </message>
    <message>
        <source>Eine Ebene höher / Spalte zurück</source>
        <translation>Un niveau plus haut / colonne précédente</translation>
    </message>
    <message>
        <source>Ordner betreten / Spalte vor</source>
        <translation>Entrer dans le dossier / colonne suivante</translation>
    </message>
    <message>
        <source>Einstellungen (System)</source>
        <translation>Réglages (système)</translation>
    </message>
    <message>
        <source>Anpassen …</source>
        <translation>Personnaliser…</translation>
    </message>
    <message>
        <source>Feste Tasten</source>
        <translation>Touches fixes</translation>
    </message>
    <message>
        <source>Zwei Ordner, eine Tastatur</source>
        <translation>Deux dossiers, un clavier</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst ihn nicht öffnen.</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2 (%3)&#xa0;; vous n’avez pas le droit de l’ouvrir.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst seinen Inhalt nicht lesen.</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2 (%3)&#xa0;; vous n’avez pas le droit d’en lire le contenu.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst sie nicht lesen.</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2 (%3)&#xa0;; vous n’avez pas le droit de le lire.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst darin nicht schreiben.</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2 (%3)&#xa0;; vous n’avez pas le droit d’y écrire.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst sie nicht ändern.</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2 (%3)&#xa0;; vous n’avez pas le droit de le modifier.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3).</source>
        <translation>«&#xa0;%1&#xa0;» appartient à %2 (%3).</translation>
    </message>
    <message>
        <source>Als Eigentümer kannst du die Rechte ändern.</source>
        <translation>En tant que propriétaire, vous pouvez modifier les droits.</translation>
    </message>
    <message>
        <source>Nur ein Administrator kann dir diese Rechte geben.</source>
        <translation>Seul un administrateur peut vous donner ces droits.</translation>
    </message>
    <message>
        <source>Nur %1 oder ein Administrator kann dir diese Rechte geben.</source>
        <translation>Seul %1 ou un administrateur peut vous donner ces droits.</translation>
    </message>
    <message>
        <source>Das Dateisystem unter „%1“ ist schreibgeschützt eingehängt; dort lässt sich nichts ändern.</source>
        <translation>Le système de fichiers sous «&#xa0;%1&#xa0;» est monté en lecture seule&#xa0;; rien ne peut y être modifié.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.</source>
        <translation>Les réglages n’ont pas pu être enregistrés.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>„%1“ wurde entpackt, ohne „%2“: Gerätedateien, FIFOs und Set-ID-Rechte werden nicht übernommen.</source>
        <translation>«&#xa0;%1&#xa0;» a été décompressé sans «&#xa0;%2&#xa0;»&#xa0;: les fichiers de périphérique, les FIFO et les droits set-id ne sont pas repris.</translation>
    </message>
    <message>
        <source>„%1“ wurde entpackt, ohne „%2“ und %3 weitere Einträge: Gerätedateien, FIFOs und Set-ID-Rechte werden nicht übernommen.</source>
        <translation>«&#xa0;%1&#xa0;» a été décompressé sans «&#xa0;%2&#xa0;» ni %3 autres éléments&#xa0;: les fichiers de périphérique, les FIFO et les droits set-id ne sont pas repris.</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ konnte nicht erstellt werden.</source>
        <translation>L’archive «&#xa0;%1&#xa0;» n’a pas pu être créée.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>Le dossier «&#xa0;%1&#xa0;» n’a pas pu être créé.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht in „%2“ umbenannt werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être renommé en «&#xa0;%2&#xa0;».</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht dupliziert werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être dupliqué.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht in den Papierkorb gelegt werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être mis à la corbeille.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht kopiert werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être copié.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht verschoben werden.</source>
        <translation>«&#xa0;%1&#xa0;» n’a pas pu être déplacé.</translation>
    </message>
    <message>
        <source>Das Programm zum Darstellen von PDF-Seiten startet nicht.</source>
        <translation>Le programme qui affiche les pages PDF ne démarre pas.</translation>
    </message>
    <message>
        <source>Die Seite ist zu aufwendig für die Vorschau.</source>
        <translation>La page est trop complexe pour l’aperçu.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>Permission refusée</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>Opération non permise</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger</source>
        <translation>Plus d’espace disponible sur le disque</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Quota de disque dépassé</translation>
    </message>
    <message>
        <source>Schreibgeschütztes Dateisystem</source>
        <translation>Système de fichiers en lecture seule</translation>
    </message>
    <message>
        <source>Name zu lang</source>
        <translation>Nom trop long</translation>
    </message>
    <message>
        <source>Bereits vorhanden</source>
        <translation>Existe déjà</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>Fichier ou dossier introuvable</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Erreur d’entrée/sortie</translation>
    </message>
    <message>
        <source>Ordner nicht leer</source>
        <translation>Dossier non vide</translation>
    </message>
    <message>
        <source>Nicht über Dateisystemgrenzen hinweg möglich</source>
        <translation>Impossible d’un système de fichiers à un autre</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Trop de niveaux de liens symboliques</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>N’est pas un dossier</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Est un dossier</translation>
    </message>
    <message>
        <source>Wird gerade benutzt</source>
        <translation>En cours d’utilisation</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Fichier trop volumineux</translation>
    </message>
    <message>
        <source>Auf diesem Dateisystem nicht möglich</source>
        <translation>Impossible sur ce système de fichiers</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Nur der Anfang der Datei wird gezeigt (%1).</source>
        <translation>Seul le début du fichier est affiché (%1).</translation>
    </message>
    <message>
        <source>mindestens %1 (nicht lesbare Ordner: %2)</source>
        <translation>au moins %1 (dossiers illisibles : %2)</translation>
    </message>
    <message>
        <source>„%1“ liegt nicht auf diesem Rechner.</source>
        <translation>« %1 » ne se trouve pas sur cet ordinateur.</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>« %1 » n’existe pas.</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n ausgewählt (%2 ausgeblendet)</source>
        <translation>
            <numerusform>%1 sur %n sélectionné (%2 masqué(s))</numerusform>
            <numerusform>%1 sur %n sélectionnés (%2 masqué(s))</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 …</source>
        <translation>%1 …</translation>
    </message>
    <message>
        <source>Im Dateimanager zeigen</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
    </message>
    <message>
        <source>Schnellvorschau von Bivane</source>
        <translation>Aperçu rapide intégré</translation>
    </message>
    <message>
        <source>Eingabe</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Leertaste</source>
        <translation>Espace</translation>
    </message>
    <message>
        <source>Rücktaste</source>
        <translation>Retour arrière</translation>
    </message>
    <message>
        <source>Entf</source>
        <translation>Suppr</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Échap</translation>
    </message>
    <message>
        <source>Pos1</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Ende</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Bild auf</source>
        <translation>Page préc.</translation>
    </message>
    <message>
        <source>Bild ab</source>
        <translation>Page suiv.</translation>
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
        <translation>Maj</translation>
    </message>
    <message>
        <source>Super</source>
        <translation>Super</translation>
    </message>
    <message>
        <source>Das gewählte Icon erscheint im Startbildschirm und als Fenstersymbol, solange Bivane läuft. Starter und Menüs des Desktops zeigen das Symbol „bivane“ aus dessen Symbolthema; Bivane installiert es im Standard-Design.</source>
        <translation>L’icône choisie apparaît sur l’écran de démarrage et comme icône de fenêtre tant que Bivane tourne. Les lanceurs et les menus du bureau affichent l’icône «&#xa0;bivane&#xa0;» de son thème d’icônes&#xa0;; Bivane l’installe dans le design par défaut.</translation>
    </message>
    <message>
        <source>Ohne zugewiesenes Programm nutzt Bivane die Standardfunktion der jeweiligen Zeile, bei „Ansehen“ also die Schnellvorschau von Bivane. Ein zugewiesenes Programm öffnet die markierten Dateien. Die Tasten dafür (%1) kannst du im Tab „Tastenkürzel“ ändern.</source>
        <translation>Sans programme attribué, Bivane utilise la fonction par défaut de chaque ligne, pour «&#xa0;Afficher&#xa0;» son aperçu rapide intégré. Un programme attribué ouvre les fichiers sélectionnés. Vous pouvez changer leurs touches (%1) dans l’onglet «&#xa0;Raccourcis clavier&#xa0;».</translation>
    </message>
    <message>
        <source>Ordner wird angelegt …</source>
        <translation>Création du dossier …</translation>
    </message>
    <message>
        <source>Wird umbenannt …</source>
        <translation>Renommage …</translation>
    </message>
    <message>
        <source>Wird dupliziert …</source>
        <translation>Duplication …</translation>
    </message>
    <message>
        <source>Wird in den Papierkorb gelegt …</source>
        <translation>Placement dans la corbeille …</translation>
    </message>
    <message>
        <source>Wird gelesen … „%1“</source>
        <translation>Lecture de « %1 » …</translation>
    </message>
</context>
</TS>
