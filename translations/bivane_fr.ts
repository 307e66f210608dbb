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
        <source>Mögliche Ursachen: Die Datei gehört einem anderen Benutzer, ist gesperrt, oder Bivane hat keinen Zugriff auf diesen Ordner. Für einen Dateimanager hilft meist der „Vollzugriff auf die Festplatte“ in den Datenschutz-Einstellungen.</source>
        <translation>Causes possibles : le fichier appartient à un autre utilisateur, est verrouillé, ou Bivane n’a pas accès à ce dossier. Pour un gestionnaire de fichiers, l’« accès complet au disque » dans les réglages de confidentialité aide généralement.</translation>
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
        <source>Im Finder zeigen</source>
        <translation>Afficher dans le gestionnaire de fichiers</translation>
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
        <translation>Présentation : icônes</translation>
    </message>
    <message>
        <source>Ansicht: Liste</source>
        <translation>Présentation : liste</translation>
    </message>
    <message>
        <source>Ansicht: Spalten</source>
        <translation>Présentation : colonnes</translation>
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
</context>
</TS>
