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
    <message>
        <source>Öffnen</source>
        <translation>Aç</translation>
    </message>
    <message>
        <source>Eine Ebene höher</source>
        <translation>Bir Üst Klasöre Çık</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Geri</translation>
    </message>
    <message>
        <source>Vorwärts</source>
        <translation>İleri</translation>
    </message>
    <message>
        <source>Nächster Bereich (Seitenleiste/Liste)</source>
        <translation>Sonraki Alan (Kenar Çubuğu/Liste)</translation>
    </message>
    <message>
        <source>Vorheriger Bereich</source>
        <translation>Önceki Alan</translation>
    </message>
    <message>
        <source>Neuer Ordner</source>
        <translation>Yeni Klasör</translation>
    </message>
    <message>
        <source>Umbenennen</source>
        <translation>Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Schnellvorschau</source>
        <translation>Hızlı Önizleme</translation>
    </message>
    <message>
        <source>Ansehen (zugewiesenes Programm, sonst Schnellvorschau)</source>
        <translation>Görüntüle (Atanan Program, Yoksa Hızlı Önizleme)</translation>
    </message>
    <message>
        <source>Bearbeiten (Editor)</source>
        <translation>Düzenle (Düzenleyici)</translation>
    </message>
    <message>
        <source>Informationen</source>
        <translation>Bilgiler</translation>
    </message>
    <message>
        <source>Duplizieren</source>
        <translation>Çoğalt</translation>
    </message>
    <message>
        <source>In den Papierkorb legen</source>
        <translation>Çöp Kutusuna Taşı</translation>
    </message>
    <message>
        <source>Packen</source>
        <translation>Arşivle</translation>
    </message>
    <message>
        <source>Entpacken</source>
        <translation>Arşivden Çıkar</translation>
    </message>
    <message>
        <source>Ins andere Panel kopieren</source>
        <translation>Diğer Panele Kopyala</translation>
    </message>
    <message>
        <source>Ins andere Panel verschieben</source>
        <translation>Diğer Panele Taşı</translation>
    </message>
    <message>
        <source>Ordner als Favorit ein-/ausschalten</source>
        <translation>Klasörü Favorilere Ekle/Çıkar</translation>
    </message>
    <message>
        <source>Ansicht: Symbole</source>
        <translation>Görünüm: Simgeler</translation>
    </message>
    <message>
        <source>Ansicht: Liste</source>
        <translation>Görünüm: Liste</translation>
    </message>
    <message>
        <source>Ansicht: Spalten</source>
        <translation>Görünüm: Sütunlar</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien ein-/ausblenden</source>
        <translation>Gizli Dosyaları Göster/Gizle</translation>
    </message>
    <message>
        <source>Einstellungen</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Tastenkürzel anzeigen</source>
        <translation>Klavye Kısayollarını Göster</translation>
    </message>
    <message>
        <source>Benutzerordner</source>
        <translation>Ana Klasör</translation>
    </message>
    <message>
        <source>Schreibtisch</source>
        <translation>Masaüstü</translation>
    </message>
    <message>
        <source>Dokumente</source>
        <translation>Belgeler</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>İndirilenler</translation>
    </message>
    <message>
        <source>Programme</source>
        <translation>Uygulamalar</translation>
    </message>
    <message>
        <source>Anderes Panel auf diesen Ordner setzen</source>
        <translation>Bu Klasörü Diğer Panelde Aç</translation>
    </message>
    <message>
        <source>Navigation</source>
        <translation>Gezinme</translation>
    </message>
    <message>
        <source>Dateien</source>
        <translation>Dosyalar</translation>
    </message>
    <message>
        <source>Darstellung</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Gehe zu</source>
        <translation>Git</translation>
    </message>
    <message>
        <source>Favorit umbenennen</source>
        <translation>Favoriyi Yeniden Adlandır</translation>
    </message>
    <message>
        <source>Der Ordner auf der Platte behält seinen Namen. Leer lassen, um den Ordnernamen zu verwenden.</source>
        <translation>Diskteki klasör adını korur. Klasörün adını kullanmak için boş bırakın.</translation>
    </message>
    <message>
        <source>Bilder</source>
        <translation>Resimler</translation>
    </message>
    <message>
        <source>Musik</source>
        <translation>Müzik</translation>
    </message>
    <message>
        <source>Filme</source>
        <translation>Filmler</translation>
    </message>
    <message>
        <source>Der Name darf keinen Schrägstrich enthalten.</source>
        <translation>Ad eğik çizgi içeremez.</translation>
    </message>
    <message>
        <source>„.“ und „..“ sind als Name nicht möglich.</source>
        <translation>“.” ve “..” ad olarak kullanılamaz.</translation>
    </message>
    <message>
        <source>Der Name ist zu lang: Ein Name darf höchstens %1 Byte lang sein.</source>
        <translation>Ad çok uzun: Bir ad en fazla %1 bayt olabilir.</translation>
    </message>
    <message>
        <source>%1 Kopie</source>
        <translation>%1 kopyası</translation>
    </message>
    <message>
        <source>„%1“ in den Papierkorb legen?</source>
        <translation>“%1” çöp kutusuna taşınsın mı?</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte in den Papierkorb legen?</source>
        <translation>
            <numerusform>%n öğe çöp kutusuna taşınsın mı?</numerusform>
        </translation>
    </message>
    <message>
        <source>Du kannst sie aus dem Papierkorb wieder zurückholen.</source>
        <translation>Bunları çöp kutusundan geri alabilirsiniz.</translation>
    </message>
    <message>
        <source>In den Papierkorb</source>
        <translation>Çöp Kutusuna Taşı</translation>
    </message>
    <message>
        <source>„%1“ kopieren?</source>
        <translation>“%1” kopyalansın mı?</translation>
    </message>
    <message>
        <source>„%1“ verschieben?</source>
        <translation>“%1” taşınsın mı?</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte kopieren?</source>
        <translation>
            <numerusform>%n öğe kopyalansın mı?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte verschieben?</source>
        <translation>
            <numerusform>%n öğe taşınsın mı?</numerusform>
        </translation>
    </message>
    <message>
        <source>Ziel: %1</source>
        <translation>Hedef: %1</translation>
    </message>
    <message>
        <source>Kopieren</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Verschieben</source>
        <translation>Taşı</translation>
    </message>
    <message>
        <source>Es läuft bereits ein Kopier- oder Verschiebevorgang.</source>
        <translation>Zaten bir kopyalama veya taşıma işlemi sürüyor.</translation>
    </message>
    <message>
        <source>„%1“ kann nicht in sich selbst abgelegt werden.</source>
        <translation>“%1” kendi içine yerleştirilemez.</translation>
    </message>
    <message>
        <source>„%1“ ist bereits vorhanden.</source>
        <translation>“%1” zaten var.</translation>
    </message>
    <message>
        <source>„%1“ ist im Zielordner bereits vorhanden.</source>
        <translation>“%1” hedef klasörde zaten var.</translation>
    </message>
    <message>
        <source>Verstrichen</source>
        <translation>Geçen süre</translation>
    </message>
    <message>
        <source>Verbleibend</source>
        <translation>Kalan süre</translation>
    </message>
    <message>
        <source>ca. %1</source>
        <translation>yaklaşık %1</translation>
    </message>
    <message>
        <source>wird berechnet …</source>
        <translation>hesaplanıyor …</translation>
    </message>
    <message>
        <source>Geschwindigkeit</source>
        <translation>Hız</translation>
    </message>
    <message>
        <source>Fortschritt</source>
        <translation>İlerleme</translation>
    </message>
    <message>
        <source>%1 von %2 · %3 von %4 Objekten</source>
        <translation>%1 / %2 · %3 / %4 öğe</translation>
    </message>
    <message>
        <source>Wird abgebrochen …</source>
        <translation>İptal ediliyor …</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Die Einstellungsdatei war nicht lesbar. Sie wurde als „%1“ aufbewahrt; es gelten die Standardeinstellungen.</source>
        <translation>Ayar dosyası okunamadı. “%1” olarak saklandı; varsayılan ayarlar geçerli.</translation>
    </message>
    <message>
        <source>„%1“ liegt auf einem anderen Rechner und kann hier nicht kopiert werden.</source>
        <translation>“%1” başka bir bilgisayarda bulunuyor ve buraya kopyalanamaz.</translation>
    </message>
    <message>
        <source>„%1“ wurde während des Verschiebens geändert oder hinzugefügt und ist im Quellordner geblieben.</source>
        <translation>“%1” taşıma sırasında değiştirildi ya da eklendi ve kaynak klasörde kaldı.</translation>
    </message>
    <message>
        <source>%1 Objekte wurden während des Verschiebens geändert oder hinzugefügt und sind im Quellordner geblieben, darunter „%2“.</source>
        <translation>%1 öğe taşıma sırasında değiştirildi ya da eklendi ve kaynak klasörde kaldı, aralarında “%2”.</translation>
    </message>
    <message>
        <source>Systemsprache</source>
        <translation>Sistem dili</translation>
    </message>
    <message>
        <source>%1 war bei „%2“ belegt und wurde dort entfernt.</source>
        <translation>%1, “%2” için atanmıştı ve oradan kaldırıldı.</translation>
    </message>
    <message>
        <source>System</source>
        <translation>Sistem</translation>
    </message>
    <message>
        <source>Hell</source>
        <translation>Açık</translation>
    </message>
    <message>
        <source>Dunkel</source>
        <translation>Koyu</translation>
    </message>
    <message>
        <source>Azurin (Retro Blau)</source>
        <translation>Azurin (retro mavi)</translation>
    </message>
    <message>
        <source>Retro Grün (Terminal)</source>
        <translation>Retro yeşil (terminal)</translation>
    </message>
    <message>
        <source>Retro Bernstein</source>
        <translation>Retro kehribar</translation>
    </message>
    <message>
        <source>Sprache geändert</source>
        <translation>Dil değiştirildi</translation>
    </message>
    <message>
        <source>Bivane muss neu gestartet werden, damit die neue Sprache gilt.</source>
        <translation>Yeni dilin geçerli olması için Bivane yeniden başlatılmalıdır.</translation>
    </message>
    <message>
        <source>Jetzt neu starten</source>
        <translation>Şimdi yeniden başlat</translation>
    </message>
    <message>
        <source>Später</source>
        <translation>Daha sonra</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht entpackt werden.</source>
        <translation>“%1” açılamadı.</translation>
    </message>
    <message>
        <source>Archiv.zip</source>
        <translation>Arşiv.zip</translation>
    </message>
    <message>
        <source>Archiv wird erstellt …</source>
        <translation>Arşiv oluşturuluyor …</translation>
    </message>
    <message>
        <source>Wird entpackt …</source>
        <translation>Açılıyor …</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht gestartet werden.</source>
        <translation>“%1” başlatılamadı.</translation>
    </message>
    <message>
        <source>Ansehen (F3)</source>
        <translation>Görüntüle (F3)</translation>
    </message>
    <message>
        <source>Editor (F4)</source>
        <translation>Düzenleyici (F4)</translation>
    </message>
    <message>
        <source>Standard-Textprogramm des Systems</source>
        <translation>Sistemin varsayılan metin düzenleyicisi</translation>
    </message>
    <message>
        <source>ZIP-Archiv erstellen (integriert)</source>
        <translation>ZIP arşivi oluştur (yerleşik)</translation>
    </message>
    <message>
        <source>Integriert (ZIP, TAR); sonst Archivierungsprogramm des Systems</source>
        <translation>Yerleşik (ZIP, TAR); aksi halde sistemin arşiv programı</translation>
    </message>
    <message>
        <source>Die Datei kann nicht gelesen werden: %1</source>
        <translation>Dosya okunamıyor: %1</translation>
    </message>
    <message>
        <source>Das PDF-Dokument ist beschädigt.</source>
        <translation>PDF belgesi bozuk.</translation>
    </message>
    <message>
        <source>Der Ordner kann nicht gelesen werden: %1</source>
        <translation>Klasör okunamıyor: %1</translation>
    </message>
    <message>
        <source>Wird geladen …</source>
        <translation>Yükleniyor …</translation>
    </message>
    <message>
        <source>%1 – %2 von %3</source>
        <translation>%1 – %2 / %3</translation>
    </message>
    <message>
        <source>Nur der Anfang der Datei wird gezeigt (%1 von %2).</source>
        <translation>Dosyanın yalnızca başı gösteriliyor (%1 / %2).</translation>
    </message>
    <message>
        <source>Der Ordner ist leer.</source>
        <translation>Klasör boş.</translation>
    </message>
    <message>
        <source>Fehler</source>
        <translation>Hata</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Löschen</source>
        <translation>Sil</translation>
    </message>
    <message>
        <source>Liste der Tastenkürzel (%1)</source>
        <translation>Klavye kısayolları listesi (%1)</translation>
    </message>
    <message>
        <source>Suchen</source>
        <translation>Ara</translation>
    </message>
    <message>
        <source>Darstellung: Symbole, Liste, Spalten</source>
        <translation>Görünüm: simgeler, liste, sütunlar</translation>
    </message>
    <message>
        <source>Übergeordneter Ordner</source>
        <translation>Üst klasör</translation>
    </message>
    <message>
        <source>Ordner nicht lesbar</source>
        <translation>Klasör okunamıyor</translation>
    </message>
    <message>
        <source>Aus Favoriten entfernen</source>
        <translation>Sık kullanılanlardan kaldır</translation>
    </message>
    <message>
        <source>Ordner zu Favoriten hinzufügen</source>
        <translation>Klasörü sık kullanılanlara ekle</translation>
    </message>
    <message numerus="yes">
        <source>%n Objekte</source>
        <translation>
            <numerusform>%n öğe</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n ausgewählt</source>
        <translation>
            <numerusform>%1 / %n seçili</numerusform>
        </translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Ansehen</source>
        <translation>Görüntüle</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>Düzenle</translation>
    </message>
    <message>
        <source>Ordner</source>
        <translation>Klasör</translation>
    </message>
    <message>
        <source>Favorit</source>
        <translation>Sık kull.</translation>
    </message>
    <message>
        <source>Einstell.</source>
        <translation>Ayarlar</translation>
    </message>
    <message>
        <source>Wird berechnet …</source>
        <translation>Hesaplanıyor …</translation>
    </message>
    <message>
        <source>Ort</source>
        <translation>Konum</translation>
    </message>
    <message>
        <source>Erstellt</source>
        <translation>Oluşturulma</translation>
    </message>
    <message>
        <source>Geändert</source>
        <translation>Değiştirilme</translation>
    </message>
    <message>
        <source>Fertig</source>
        <translation>Tamam</translation>
    </message>
    <message>
        <source>Unbekannt</source>
        <translation>Bilinmiyor</translation>
    </message>
    <message>
        <source>Datum</source>
        <translation>Tarih</translation>
    </message>
    <message>
        <source>Favoriten</source>
        <translation>Sık kullanılanlar</translation>
    </message>
    <message>
        <source>Meine Favoriten</source>
        <translation>Sık kullandıklarım</translation>
    </message>
    <message>
        <source>Ordner hierher ziehen</source>
        <translation>Klasörleri buraya sürükleyin</translation>
    </message>
    <message>
        <source>Orte</source>
        <translation>Konumlar</translation>
    </message>
    <message>
        <source>Umbenennen …</source>
        <translation>Yeniden adlandır …</translation>
    </message>
    <message>
        <source>Nach oben</source>
        <translation>Yukarı taşı</translation>
    </message>
    <message>
        <source>Nach unten</source>
        <translation>Aşağı taşı</translation>
    </message>
    <message>
        <source>Einsetzen</source>
        <translation>Yapıştır</translation>
    </message>
    <message>
        <source>Aktuellen Ordner aus Favoriten entfernen</source>
        <translation>Geçerli klasörü sık kullanılanlardan kaldır</translation>
    </message>
    <message>
        <source>Aktuellen Ordner zu Favoriten</source>
        <translation>Geçerli klasörü sık kullanılanlara ekle</translation>
    </message>
    <message>
        <source>Zu Favoriten hinzufügen</source>
        <translation>Sık kullanılanlara ekle</translation>
    </message>
    <message>
        <source>Pfad kopieren</source>
        <translation>Yolu kopyala</translation>
    </message>
    <message>
        <source>Öffnen mit</source>
        <translation>Birlikte aç</translation>
    </message>
    <message>
        <source>Dual Panels</source>
        <translation>Dual Panels</translation>
    </message>
    <message>
        <source>Zwei Panels</source>
        <translation>İki Panel</translation>
    </message>
    <message>
        <source>Retro Commander</source>
        <translation>Retro Commander</translation>
    </message>
    <message>
        <source>Bivane-Ordner</source>
        <translation>Bivane klasörleri</translation>
    </message>
    <message>
        <source>Glas-Austausch</source>
        <translation>Cam değişimi</translation>
    </message>
    <message>
        <source>Zwei leuchtende Glas-Panels, blau und türkis, auf dunklem Marineblau</source>
        <translation>Koyu lacivert üzerinde mavi ve turkuaz iki parlayan cam panel</translation>
    </message>
    <message>
        <source>Zwei Dateilisten mit Austausch-Pfeil auf blauem Verlauf</source>
        <translation>Mavi geçiş üzerinde değişim oklu iki dosya listesi</translation>
    </message>
    <message>
        <source>Blauer Azurin-Look mit F-Tasten-Leiste</source>
        <translation>İşlev tuşu çubuklu mavi azurin görünümü</translation>
    </message>
    <message>
        <source>Zwei überlappende Ordner, blau und orange, auf Dunkel</source>
        <translation>Koyu zemin üzerinde mavi ve turuncu iki üst üste klasör</translation>
    </message>
    <message>
        <source>Zwei Glaskarten mit Pfeil auf türkis-violettem Verlauf</source>
        <translation>Turkuaz-mor geçiş üzerinde oklu iki cam kart</translation>
    </message>
    <message>
        <source>Datei</source>
        <translation>Dosya</translation>
    </message>
    <message>
        <source>Einstellungen …</source>
        <translation>Ayarlar …</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Als Symbole</source>
        <translation>Simge olarak</translation>
    </message>
    <message>
        <source>Als Liste</source>
        <translation>Liste olarak</translation>
    </message>
    <message>
        <source>Als Spalten</source>
        <translation>Sütun olarak</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien ausblenden</source>
        <translation>Gizli dosyaları gizle</translation>
    </message>
    <message>
        <source>Unsichtbare Dateien einblenden</source>
        <translation>Gizli dosyaları göster</translation>
    </message>
    <message>
        <source>Anderes Panel wechseln</source>
        <translation>Diğer panele geç</translation>
    </message>
    <message>
        <source>Über Bivane</source>
        <translation>Bivane Hakkında</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Sürüm %1</translation>
    </message>
    <message>
        <source>Geändert: </source>
        <translation>Değiştirilme: </translation>
    </message>
    <message>
        <source>Theme</source>
        <translation>Tema</translation>
    </message>
    <message>
        <source>Retro-Themes zeigen eine Textliste mit Festbreitenschrift. Die Ansichten Symbole und Spalten sind dabei nicht verfügbar.</source>
        <translation>Retro temalar sabit genişlikli yazı tipiyle bir metin listesi gösterir. Simge ve sütun görünümleri bu temalarda kullanılamaz.</translation>
    </message>
    <message>
        <source>Schrift</source>
        <translation>Yazı tipi</translation>
    </message>
    <message>
        <source>Größe: %1 px</source>
        <translation>Boyut: %1 px</translation>
    </message>
    <message>
        <source>Festbreitenschrift</source>
        <translation>Sabit genişlikli yazı tipi</translation>
    </message>
    <message>
        <source>Anzeige</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Icons anzeigen</source>
        <translation>Simgeleri göster</translation>
    </message>
    <message>
        <source>Funktionstasten-Leiste unten anzeigen</source>
        <translation>İşlev tuşu çubuğunu altta göster</translation>
    </message>
    <message>
        <source>Sprache</source>
        <translation>Dil</translation>
    </message>
    <message>
        <source>Sprache der App</source>
        <translation>Uygulamanın dili</translation>
    </message>
    <message>
        <source>Die Sprache gilt nach einem Neustart der App. Verfügbar sind Deutsch, English, Türkçe und Français.</source>
        <translation>Dil, uygulama yeniden başlatıldıktan sonra geçerli olur. Kullanılabilir diller: Deutsch, English, Türkçe ve Français.</translation>
    </message>
    <message>
        <source>Liste</source>
        <translation>Liste</translation>
    </message>
    <message>
        <source>Ordner in der Liste als Baum aufklappen</source>
        <translation>Klasörleri listede ağaç olarak aç</translation>
    </message>
    <message>
        <source>Vor jedem Ordner erscheint ein Pfeil. Mit → klappst du den markierten Ordner auf, mit ← wieder zu. Ein Doppelklick oder Return öffnet den Ordner weiterhin.</source>
        <translation>Her klasörün önünde bir ok görünür. → seçili klasörü açar, ← yeniden kapatır. Çift tıklama veya Return klasörü yine açar.</translation>
    </message>
    <message>
        <source>App-Icon</source>
        <translation>Uygulama simgesi</translation>
    </message>
    <message>
        <source>Gewähltes Icon als PNG exportieren …</source>
        <translation>Seçilen simgeyi PNG olarak dışa aktar …</translation>
    </message>
    <message>
        <source>Startbildschirm</source>
        <translation>Başlangıç ekranı</translation>
    </message>
    <message>
        <source>Startbildschirm beim Programmstart zeigen</source>
        <translation>Program başlarken başlangıç ekranını göster</translation>
    </message>
    <message>
        <source>Beim Kopieren und Verschieben ein Fortschrittsfenster zeigen</source>
        <translation>Kopyalarken ve taşırken ilerleme penceresi göster</translation>
    </message>
    <message>
        <source>Rückfragen</source>
        <translation>Onaylar</translation>
    </message>
    <message>
        <source>Vor dem Kopieren und Verschieben nachfragen</source>
        <translation>Kopyalamadan ve taşımadan önce sor</translation>
    </message>
    <message>
        <source>Vor dem Löschen (Papierkorb) nachfragen</source>
        <translation>Silmeden (çöp kutusu) önce sor</translation>
    </message>
    <message>
        <source>Das Fortschrittsfenster zeigt Balken, verstrichene Zeit, geschätzte Restzeit und Geschwindigkeit und lässt sich abbrechen. Es erscheint nur bei Vorgängen, die länger als einen Moment dauern. Die Rückfragen gelten auch für Drag &amp; Drop und Einsetzen.</source>
        <translation>İlerleme penceresi çubuğu, geçen süreyi, tahmini kalan süreyi ve hızı gösterir; iptal edilebilir. Yalnızca bir andan uzun süren işlemlerde görünür. Onaylar sürükle-bırak ve yapıştırma için de geçerlidir.</translation>
    </message>
    <message>
        <source>Programm für „%1“ wählen</source>
        <translation>„%1“ için program seç</translation>
    </message>
    <message>
        <source>Wählen …</source>
        <translation>Seç …</translation>
    </message>
    <message>
        <source>Zuweisung entfernen</source>
        <translation>Atamayı kaldır</translation>
    </message>
    <message>
        <source>Standard: %1</source>
        <translation>Varsayılan: %1</translation>
    </message>
    <message>
        <source>Programme zuweisen</source>
        <translation>Program ata</translation>
    </message>
    <message>
        <source>Klicke auf ein Kürzel und drücke die neue Tastenkombination. Esc bricht ab, ✕ entfernt das Kürzel. Jede Aktion hat zwei Plätze. Ein bereits vergebenes Kürzel wandert zur neuen Aktion.</source>
        <translation>Bir kısayola tıklayın ve yeni tuş bileşimine basın. Esc iptal eder, ✕ kısayolu kaldırır. Her eylemin iki yeri vardır. Zaten kullanılan bir kısayol yeni eyleme geçer.</translation>
    </message>
    <message>
        <source>Kürzel auf Standard zurücksetzen</source>
        <translation>Kısayolları varsayılana sıfırla</translation>
    </message>
    <message>
        <source>Fenstergröße beim Start</source>
        <translation>Başlangıçta pencere boyutu</translation>
    </message>
    <message>
        <source>Zuletzt verwendete Größe merken und beim Start wiederherstellen</source>
        <translation>Son boyutu hatırla ve başlangıçta geri yükle</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Genişlik</translation>
    </message>
    <message>
        <source>Höhe</source>
        <translation>Yükseklik</translation>
    </message>
    <message>
        <source>Aktuelle Fenstergröße als Startgröße übernehmen</source>
        <translation>Geçerli pencere boyutunu başlangıç boyutu yap</translation>
    </message>
    <message>
        <source>Ist die Option aus, startet Bivane immer mit der Startgröße. Ist sie an, startet die App mit der Größe, die du zuletzt eingestellt hast. Mindestgröße: %1 × %2 px. Die Größe gilt ab dem nächsten Start.</source>
        <translation>Seçenek kapalıyken Bivane her zaman başlangıç boyutuyla açılır. Açıkken uygulama en son ayarladığınız boyutla açılır. En küçük boyut: %1 × %2 px. Boyut bir sonraki başlatmada geçerli olur.</translation>
    </message>
    <message>
        <source>Allgemein</source>
        <translation>Genel</translation>
    </message>
    <message>
        <source>Erscheinungsbild</source>
        <translation>Görünüm</translation>
    </message>
    <message>
        <source>Tastenkürzel</source>
        <translation>Klavye kısayolları</translation>
    </message>
    <message>
        <source>Vorgänge</source>
        <translation>İşlemler</translation>
    </message>
    <message>
        <source>Icon &amp; Start</source>
        <translation>Simge ve başlangıç</translation>
    </message>
    <message>
        <source>Fenster</source>
        <translation>Pencere</translation>
    </message>
    <message>
        <source>Auf Standard zurücksetzen</source>
        <translation>Varsayılana sıfırla</translation>
    </message>
    <message>
        <source>Ungespeicherte Änderungen</source>
        <translation>Kaydedilmemiş değişiklikler</translation>
    </message>
    <message>
        <source>Schließen</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Verwerfen</source>
        <translation>Vazgeç</translation>
    </message>
    <message>
        <source>Speichern</source>
        <translation>Kaydet</translation>
    </message>
    <message>
        <source>Kürzel entfernen</source>
        <translation>Kısayolu kaldır</translation>
    </message>
    <message>
        <source>Taste drücken …</source>
        <translation>Bir tuşa basın …</translation>
    </message>
    <message>
        <source>Auswahl bewegen</source>
        <translation>Seçimi taşı</translation>
    </message>
    <message>
        <source>Eine Ebene höher / Spalte zurück</source>
        <translation>Bir üst düzey / sütun geri</translation>
    </message>
    <message>
        <source>Ordner betreten / Spalte vor</source>
        <translation>Klasöre gir / sütun ileri</translation>
    </message>
    <message>
        <source>Einstellungen (System)</source>
        <translation>Ayarlar (sistem)</translation>
    </message>
    <message>
        <source>Anpassen …</source>
        <translation>Özelleştir …</translation>
    </message>
    <message>
        <source>Feste Tasten</source>
        <translation>Sabit tuşlar</translation>
    </message>
    <message>
        <source>Zwei Ordner, eine Tastatur</source>
        <translation>İki klasör, tek klavye</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst ihn nicht öffnen.</source>
        <translation>“%1”, %2 kullanıcısına ait (%3); onu açamazsınız.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst seinen Inhalt nicht lesen.</source>
        <translation>“%1”, %2 kullanıcısına ait (%3); içeriğini okuyamazsınız.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst sie nicht lesen.</source>
        <translation>“%1”, %2 kullanıcısına ait (%3); onu okuyamazsınız.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst darin nicht schreiben.</source>
        <translation>“%1”, %2 kullanıcısına ait (%3); içine yazamazsınız.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3); du darfst sie nicht ändern.</source>
        <translation>“%1”, %2 kullanıcısına ait (%3); onu değiştiremezsiniz.</translation>
    </message>
    <message>
        <source>„%1“ gehört %2 (%3).</source>
        <translation>“%1”, %2 kullanıcısına ait (%3).</translation>
    </message>
    <message>
        <source>Als Eigentümer kannst du die Rechte ändern.</source>
        <translation>Sahibi olarak izinleri değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Nur ein Administrator kann dir diese Rechte geben.</source>
        <translation>Bu izinleri size yalnızca bir yönetici verebilir.</translation>
    </message>
    <message>
        <source>Nur %1 oder ein Administrator kann dir diese Rechte geben.</source>
        <translation>Bu izinleri size yalnızca %1 ya da bir yönetici verebilir.</translation>
    </message>
    <message>
        <source>Das Dateisystem unter „%1“ ist schreibgeschützt eingehängt; dort lässt sich nichts ändern.</source>
        <translation>“%1” konumundaki dosya sistemi salt okunur bağlanmış; orada hiçbir şey değiştirilemez.</translation>
    </message>
    <message>
        <source>Die Einstellungen konnten nicht gespeichert werden.</source>
        <translation>Ayarlar kaydedilemedi.</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>„%1“ wurde entpackt, ohne „%2“: Gerätedateien, FIFOs und Set-ID-Rechte werden nicht übernommen.</source>
        <translation>“%1” açıldı, “%2” hariç: aygıt dosyaları, FIFO’lar ve set-id izinleri aktarılmaz.</translation>
    </message>
    <message>
        <source>„%1“ wurde entpackt, ohne „%2“ und %3 weitere Einträge: Gerätedateien, FIFOs und Set-ID-Rechte werden nicht übernommen.</source>
        <translation>“%1” açıldı, “%2” ve %3 öğe daha hariç: aygıt dosyaları, FIFO’lar ve set-id izinleri aktarılmaz.</translation>
    </message>
    <message>
        <source>Das Archiv „%1“ konnte nicht erstellt werden.</source>
        <translation>“%1” arşivi oluşturulamadı.</translation>
    </message>
    <message>
        <source>Der Ordner „%1“ konnte nicht angelegt werden.</source>
        <translation>“%1” klasörü oluşturulamadı.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht in „%2“ umbenannt werden.</source>
        <translation>“%1”, “%2” olarak yeniden adlandırılamadı.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht dupliziert werden.</source>
        <translation>“%1” çoğaltılamadı.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht in den Papierkorb gelegt werden.</source>
        <translation>“%1” çöp kutusuna taşınamadı.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht kopiert werden.</source>
        <translation>“%1” kopyalanamadı.</translation>
    </message>
    <message>
        <source>„%1“ konnte nicht verschoben werden.</source>
        <translation>“%1” taşınamadı.</translation>
    </message>
    <message>
        <source>Das Programm zum Darstellen von PDF-Seiten startet nicht.</source>
        <translation>PDF sayfalarını çizen program başlamıyor.</translation>
    </message>
    <message>
        <source>Die Seite ist zu aufwendig für die Vorschau.</source>
        <translation>Sayfa önizleme için fazla karmaşık.</translation>
    </message>
    <message>
        <source>Keine Berechtigung</source>
        <translation>İzin reddedildi</translation>
    </message>
    <message>
        <source>Vorgang nicht erlaubt</source>
        <translation>İşleme izin verilmiyor</translation>
    </message>
    <message>
        <source>Kein Platz mehr auf dem Datenträger</source>
        <translation>Diskte yer kalmadı</translation>
    </message>
    <message>
        <source>Speicherkontingent überschritten</source>
        <translation>Disk kotası aşıldı</translation>
    </message>
    <message>
        <source>Schreibgeschütztes Dateisystem</source>
        <translation>Salt okunur dosya sistemi</translation>
    </message>
    <message>
        <source>Name zu lang</source>
        <translation>Ad çok uzun</translation>
    </message>
    <message>
        <source>Bereits vorhanden</source>
        <translation>Zaten var</translation>
    </message>
    <message>
        <source>Datei oder Ordner nicht gefunden</source>
        <translation>Dosya veya klasör bulunamadı</translation>
    </message>
    <message>
        <source>Ein-/Ausgabefehler</source>
        <translation>Giriş/çıkış hatası</translation>
    </message>
    <message>
        <source>Ordner nicht leer</source>
        <translation>Klasör boş değil</translation>
    </message>
    <message>
        <source>Nicht über Dateisystemgrenzen hinweg möglich</source>
        <translation>Dosya sistemleri arasında yapılamaz</translation>
    </message>
    <message>
        <source>Zu viele Ebenen symbolischer Links</source>
        <translation>Çok fazla sembolik bağlantı düzeyi</translation>
    </message>
    <message>
        <source>Kein Ordner</source>
        <translation>Klasör değil</translation>
    </message>
    <message>
        <source>Ist ein Ordner</source>
        <translation>Bir klasör</translation>
    </message>
    <message>
        <source>Wird gerade benutzt</source>
        <translation>Şu anda kullanımda</translation>
    </message>
    <message>
        <source>Datei zu groß</source>
        <translation>Dosya çok büyük</translation>
    </message>
    <message>
        <source>Auf diesem Dateisystem nicht möglich</source>
        <translation>Bu dosya sisteminde yapılamaz</translation>
    </message>
    <message>
        <source>Abgebrochen</source>
        <translation>İptal edildi</translation>
    </message>
    <message>
        <source>Nur der Anfang der Datei wird gezeigt (%1).</source>
        <translation>Dosyanın yalnızca başı gösteriliyor (%1).</translation>
    </message>
    <message>
        <source>mindestens %1 (nicht lesbare Ordner: %2)</source>
        <translation>en az %1 (okunamayan klasörler: %2)</translation>
    </message>
    <message>
        <source>„%1“ liegt nicht auf diesem Rechner.</source>
        <translation>“%1” bu bilgisayarda değil.</translation>
    </message>
    <message>
        <source>„%1“ gibt es nicht.</source>
        <translation>“%1” mevcut değil.</translation>
    </message>
    <message numerus="yes">
        <source>%1 von %n ausgewählt (%2 ausgeblendet)</source>
        <translation>
            <numerusform>%1 / %n seçili (%2 gizli)</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 …</source>
        <translation>%1 …</translation>
    </message>
    <message>
        <source>Im Dateimanager zeigen</source>
        <translation>Dosya Yöneticisinde Göster</translation>
    </message>
    <message>
        <source>Schnellvorschau von Bivane</source>
        <translation>Yerleşik hızlı önizleme</translation>
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
        <translation>Boşluk</translation>
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
        <translation>Seçilen simge, Bivane çalışırken başlangıç ekranında ve pencere simgesi olarak görünür. Masaüstünün başlatıcıları ve menüleri, simge temasındaki „bivane“ simgesini gösterir; Bivane onu varsayılan tasarımla kurar.</translation>
    </message>
    <message>
        <source>Ohne zugewiesenes Programm nutzt Bivane die Standardfunktion der jeweiligen Zeile, bei „Ansehen“ also die Schnellvorschau von Bivane. Ein zugewiesenes Programm öffnet die markierten Dateien. Die Tasten dafür (%1) kannst du im Tab „Tastenkürzel“ ändern.</source>
        <translation>Atanmış program yoksa Bivane her satırın varsayılan işlevini kullanır; „Görüntüle“ için yerleşik hızlı önizlemeyi. Atanmış bir program seçili dosyaları açar. Bunların tuşlarını (%1) „Klavye kısayolları“ sekmesinde değiştirebilirsiniz.</translation>
    </message>
    <message>
        <source>Ordner wird angelegt …</source>
        <translation>Klasör oluşturuluyor …</translation>
    </message>
    <message>
        <source>Wird umbenannt …</source>
        <translation>Yeniden adlandırılıyor …</translation>
    </message>
    <message>
        <source>Wird dupliziert …</source>
        <translation>Çoğaltılıyor …</translation>
    </message>
    <message>
        <source>Wird in den Papierkorb gelegt …</source>
        <translation>Çöp kutusuna taşınıyor …</translation>
    </message>
    <message>
        <source>Wird gelesen … „%1“</source>
        <translation>“%1” okunuyor …</translation>
    </message>
</context>
</TS>
