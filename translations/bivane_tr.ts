<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr">
<context>
    <name>Bivane</name>
    <message>
        <source>Name</source>
        <translation>Ad</translation>
    </message>
    <message>
        <source>Änderungsdatum</source>
        <translation>Değiştirilme Tarihi</translation>
    </message>
    <message>
        <source>Erstellungsdatum</source>
        <translation>Oluşturulma Tarihi</translation>
    </message>
    <message>
        <source>Zuletzt geöffnet</source>
        <translation>Son Açılma</translation>
    </message>
    <message>
        <source>Hinzugefügt am</source>
        <translation>Eklenme Tarihi</translation>
    </message>
    <message>
        <source>Größe</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>Art</source>
        <translation>Tür</translation>
    </message>
    <message>
        <source>Rechte</source>
        <translation>İzinler</translation>
    </message>
    <message>
        <source>Besitzer</source>
        <translation>Sahip</translation>
    </message>
    <message>
        <source>Null Byte</source>
        <translation>Sıfır bayt</translation>
    </message>
    <message numerus="yes">
        <source>%n Byte</source>
        <translation>
            <numerusform>%n bayt</numerusform>
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
</context>
</TS>
