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
</context>
</TS>
