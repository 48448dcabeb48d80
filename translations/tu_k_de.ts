<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Run</name>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>why a folder cannot be made: %1 a path on the way to it</extracomment>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached (%2)</source>
        <extracomment>why a folder cannot be made: %1 a folder on the way, %2 the system&apos;s reason</extracomment>
        <translation>der Ordner %1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <extracomment>why a folder cannot be made: %1 a folder on the way, %2 the system&apos;s reason</extracomment>
        <translation>der Ordner %1 kann nicht angelegt werden (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read and were left out: %1.</source>
        <extracomment>%1 the folders, each with the system&apos;s reason</extracomment>
        <translation>
            <numerusform>%n Ordner konnte nicht gelesen werden und wurde ausgelassen: %1.</numerusform>
            <numerusform>%n Ordner konnten nicht gelesen werden und wurden ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) on other volumes were left out: %1.</source>
        <extracomment>%1 the folders</extracomment>
        <translation>
            <numerusform>%n Ordner auf einem anderen Datenträger wurde ausgelassen: %1.</numerusform>
            <numerusform>%n Ordner auf anderen Datenträgern wurden ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden folder(s) with images were left out: %1.</source>
        <extracomment>%1 the folders</extracomment>
        <translation>
            <numerusform>%n versteckter Ordner mit Bildern wurde ausgelassen: %1.</numerusform>
            <numerusform>%n versteckte Ordner mit Bildern wurden ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbolic link(s) to folders with images were left out: %1.</source>
        <extracomment>%1 the links</extracomment>
        <translation>
            <numerusform>%n symbolische Verknüpfung auf einen Ordner mit Bildern wurde ausgelassen: %1.</numerusform>
            <numerusform>%n symbolische Verknüpfungen auf Ordner mit Bildern wurden ausgelassen: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: its thumbnail name would be %2 bytes long, longer than the %3 bytes a file name can have. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 and %3 numbers of bytes</extracomment>
        <translation>Für das Bild „%1“ kann keine Seite erstellt werden: Der Name seines Vorschaubilds wäre %2 Byte lang, länger als die %3 Byte, die ein Dateiname haben kann. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: its page name would be %2 bytes long, longer than the %3 bytes a file name can have. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 and %3 numbers of bytes</extracomment>
        <translation>Für das Bild „%1“ kann keine Seite erstellt werden: Der Name seiner Seite wäre %2 Byte lang, länger als die %3 Byte, die ein Dateiname haben kann. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: it is not a plain file name. No page was written.</source>
        <translation>Für das Bild „%1“ kann keine Seite erstellt werden: Es ist kein einfacher Dateiname. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Cannot open the image folder %1: %2. %3</source>
        <extracomment>%1 the folder, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Der Bilderordner %1 kann nicht geöffnet werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: the file system of %2 does not take %3 in a file name. Rename the image, or choose another target folder. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 the output folder, %3 the characters refused</extracomment>
        <translation>Für das Bild „%1“ kann keine Seite erstellt werden: Das Dateisystem von %2 erlaubt %3 nicht in Dateinamen. Benennen Sie das Bild um oder wählen Sie einen anderen Zielordner. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Cannot make the output folder %1: %2. No page was written.</source>
        <extracomment>%1 the folder, %2 why it cannot be made</extracomment>
        <translation>Der Ausgabeordner %1 kann nicht angelegt werden: %2. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>No page was written.</source>
        <translation>Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Stopped on request. %1</source>
        <extracomment>%1 how many pages were written</extracomment>
        <translation>Auf Anforderung gestoppt. %1</translation>
    </message>
    <message>
        <source>The folder %1 was moved or removed while the run made its pages; its album is left out of the index above it. Make the pages again.</source>
        <translation>Der Ordner %1 wurde verschoben oder entfernt, während die Seiten erstellt wurden; sein Album fehlt in der übergeordneten Übersichtsseite. Erstellen Sie die Seiten erneut.</translation>
    </message>
    <message>
        <source>Cannot read the date and size of the image %1: %2. %3</source>
        <extracomment>%1 the image, %2 the reason, %3 how many pages were written</extracomment>
        <translation>Datum und Größe des Bildes %1 können nicht gelesen werden: %2. %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>why an image cannot be read</extracomment>
        <translation>keine reguläre Datei</translation>
    </message>
    <message>
        <source>Cannot open the output folder %1: %2. %3</source>
        <extracomment>%1 the folder, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Der Ausgabeordner %1 kann nicht geöffnet werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot place the image in the site %1: %2. %3</source>
        <extracomment>%1 the image&apos;s place in the site, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Das Bild kann nicht in der Website unter %1 abgelegt werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write the page %1: %2. %3</source>
        <extracomment>%1 the page, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Die Seite %1 kann nicht geschrieben werden: %2. %3</translation>
    </message>
    <message>
        <source>Cannot write the index page %1%2: %3.</source>
        <extracomment>%1%2 the index page, %3 the system&apos;s reason</extracomment>
        <translation>Die Übersichtsseite %1%2 kann nicht geschrieben werden: %3.</translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s into %1 for %n Image(s) in %2 and %3 subfolder(s)?</source>
        <extracomment>%1 the site&apos;s folder, %n the images, %2 the folder they are in, %3 its subfolders</extracomment>
        <translation>
            <numerusform>HTML-Seiten für %n Bild aus %2 (Unterordner: %3) nach %1 erstellen?</numerusform>
            <numerusform>HTML-Seiten für %n Bilder aus %2 (Unterordner: %3) nach %1 erstellen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s in %1 for %n Image(s) in %2 and %3 subfolder(s)?</source>
        <extracomment>%1 where the pages go, %n the images, %2 the folder they are in, %3 its subfolders</extracomment>
        <translation>
            <numerusform>HTML-Seiten für %n Bild aus %2 (Unterordner: %3) in %1 erstellen?</numerusform>
            <numerusform>HTML-Seiten für %n Bilder aus %2 (Unterordner: %3) in %1 erstellen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s into %1 for %n Image(s) in %2?</source>
        <extracomment>%1 the site&apos;s folder, %n the images, %2 the folder they are in</extracomment>
        <translation>
            <numerusform>HTML-Seiten für %n Bild aus %2 nach %1 erstellen?</numerusform>
            <numerusform>HTML-Seiten für %n Bilder aus %2 nach %1 erstellen?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s in %1 for %n Image(s) in %2?</source>
        <extracomment>%1 where the pages go, %n the images, %2 the folder they are in</extracomment>
        <translation>
            <numerusform>HTML-Seiten für %n Bild aus %2 in %1 erstellen?</numerusform>
            <numerusform>HTML-Seiten für %n Bilder aus %2 in %1 erstellen?</numerusform>
        </translation>
    </message>
    <message>
        <source>Image: %1 / %2</source>
        <extracomment>the status line while the pages are made: page %1 of %2</extracomment>
        <translation>Bild: %1 / %2</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>zu groß</translation>
    </message>
    <message>
        <source>could not be decoded</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>nicht dekodierbar</translation>
    </message>
    <message>
        <source>too slow to decode</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>zu langsam zum Dekodieren</translation>
    </message>
    <message>
        <source>crashed the decoder</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>Absturz des Decoders</translation>
    </message>
    <message>
        <source>A run of more than %1 images is too large. No page was written.</source>
        <translation>Ein Durchlauf mit mehr als %1 Bildern ist zu groß. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>The target folder %1 lies inside %2, whose pages it would hold; choose a folder outside it. No page was written.</source>
        <extracomment>%1 the target folder, %2 the folder whose pages are made</extracomment>
        <translation>Der Zielordner %1 liegt in %2, dessen Seiten er aufnehmen würde; wählen Sie einen Ordner außerhalb davon. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Thumbnails: %1 / %2</source>
        <extracomment>the status line while the pictures are made: %1 of %2 images done</extracomment>
        <translation>Vorschaubilder: %1 / %2</translation>
    </message>
    <message>
        <source>Stopped on request while making thumbnails; the index page shows those made so far.</source>
        <translation>Beim Erstellen der Vorschaubilder auf Anforderung gestoppt; die Übersichtsseite zeigt die bisher erstellten.</translation>
    </message>
    <message>
        <source>Stopped on request while making pictures; pages whose screen-sized copy was not made show the image itself.</source>
        <translation>Beim Erstellen der Bilder auf Anforderung gestoppt; Seiten, deren bildschirmgroße Kopie nicht erstellt wurde, zeigen das Bild selbst.</translation>
    </message>
    <message>
        <source>No thumbnail for %1.</source>
        <extracomment>%1 the images, each with why it has none</extracomment>
        <translation>Kein Vorschaubild für %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) are not whole and were left out of the site, their pages showing no picture: %1.</source>
        <extracomment>%1 the images&apos; names</extracomment>
        <translation>
            <numerusform>%n Bild ist unvollständig und wurde aus der Website ausgelassen, seine Seite zeigt kein Bild: %1.</numerusform>
            <numerusform>%n Bilder sind unvollständig und wurden aus der Website ausgelassen, ihre Seiten zeigen kein Bild: %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the status line&apos;s end: the run made everything</extracomment>
        <translation>OK</translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>the status line&apos;s end: the run was stopped</extracomment>
        <translation>Gestoppt</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>the status line&apos;s end: the run failed</extracomment>
        <translation>Fehlgeschlagen</translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>the status line: files of an earlier run that were removed</extracomment>
        <translation>
            <numerusform>%n entfernt</numerusform>
            <numerusform>%n entfernt</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n zu groß</numerusform>
            <numerusform>%n zu groß</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be decoded</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n nicht dekodierbar</numerusform>
            <numerusform>%n nicht dekodierbar</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too slow to decode</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n zu langsam zum Dekodieren</numerusform>
            <numerusform>%n zu langsam zum Dekodieren</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n crashed the decoder</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n Decoderabsturz</numerusform>
            <numerusform>%n Decoderabstürze</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 pages were written and %2 left unchanged before the run stopped.</source>
        <extracomment>%n the pages written, %1 the pages of the whole run, %2 the pages left as they were</extracomment>
        <translation>
            <numerusform>%n von %1 Seiten wurde geschrieben und %2 unverändert gelassen, bevor der Durchlauf gestoppt wurde.</numerusform>
            <numerusform>%n von %1 Seiten wurden geschrieben und %2 unverändert gelassen, bevor der Durchlauf gestoppt wurde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 pages were written before the run stopped.</source>
        <extracomment>%n the pages written, %1 the pages of the whole run</extracomment>
        <translation>
            <numerusform>%n von %1 Seiten wurde geschrieben, bevor der Durchlauf gestoppt wurde.</numerusform>
            <numerusform>%n von %1 Seiten wurden geschrieben, bevor der Durchlauf gestoppt wurde.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 the names shown, %n how many more there are</extracomment>
        <translation>
            <numerusform>%1 und noch %n</numerusform>
            <numerusform>%1 und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%2 was not made by Tu_K and is left as it is; move it away or turn the index page off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the index page&apos;s file name</extracomment>
        <translation>%1%2 wurde nicht von Tu_K erstellt und bleibt unverändert; verschieben Sie die Datei woandershin oder schalten Sie die Übersichtsseite aus. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>%1%2 is not a folder, so the thumbnails have no place; move it away or turn the index page off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the thumbnails&apos; folder name</extracomment>
        <translation>%1%2 ist kein Ordner, daher haben die Vorschaubilder keinen Platz; verschieben Sie es woandershin oder schalten Sie die Übersichtsseite aus. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>%1%2 is not a folder, so the screen-sized copies have no place; move it away or turn web-ready pages off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the copies&apos; folder name</extracomment>
        <translation>%1%2 ist kein Ordner, daher haben die bildschirmgroßen Kopien keinen Platz; verschieben Sie es woandershin oder schalten Sie „Webfertige Seiten“ aus. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1%2: %3.</source>
        <extracomment>%1%2 the folder, %3 the system&apos;s reason</extracomment>
        <translation>Der Ordner %1%2 kann nicht angelegt werden: %3.</translation>
    </message>
    <message>
        <source>Cannot open the folder %1%2: %3.</source>
        <extracomment>%1%2 the folder, %3 the system&apos;s reason</extracomment>
        <translation>Der Ordner %1%2 kann nicht geöffnet werden: %3.</translation>
    </message>
    <message>
        <source>Cannot write the site&apos;s record %1%2: %3.</source>
        <extracomment>%1%2 the record&apos;s file, %3 the system&apos;s reason</extracomment>
        <translation>Die Bestandsdatei der Website %1%2 kann nicht geschrieben werden: %3.</translation>
    </message>
    <message>
        <source>%1 holds the site of %2, and a site holds the pages of one folder: choose another target folder, or remove that site. No page was written.</source>
        <extracomment>%1 the target folder, %2 the folder whose site it holds</extracomment>
        <translation>%1 enthält die Website von %2, und eine Website enthält die Seiten eines einzigen Ordners: Wählen Sie einen anderen Zielordner oder entfernen Sie diese Website. Es wurde keine Seite geschrieben.</translation>
    </message>
    <message>
        <source>Cannot write the screen-sized copy %1: %2.</source>
        <extracomment>%1 the picture&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>Die bildschirmgroße Kopie %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot write the thumbnail %1: %2.</source>
        <extracomment>%1 the picture&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>Das Vorschaubild %1 kann nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>Cannot read the image %1: %2.</source>
        <extracomment>%1 the image, %2 the reason</extracomment>
        <translation>Das Bild %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The image decoder %1 does not work: it does not answer.</source>
        <extracomment>%1 the decoder program</extracomment>
        <translation>Der Bilddecoder %1 funktioniert nicht: Er antwortet nicht.</translation>
    </message>
    <message>
        <source>The image decoder %1 does not work: it ended without answering (%2).</source>
        <extracomment>%1 the decoder program, %2 how it ended</extracomment>
        <translation>Der Bilddecoder %1 funktioniert nicht: Er wurde ohne Antwort beendet (%2).</translation>
    </message>
    <message>
        <source>Cannot start the image decoder %1: %2.</source>
        <extracomment>%1 the decoder program, %2 the system&apos;s reason</extracomment>
        <translation>Der Bilddecoder %1 kann nicht gestartet werden: %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the name of a signal the system has no name for</extracomment>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>killed by signal %1, %2</source>
        <extracomment>how the image decoder ended: %1 the signal&apos;s number, %2 its name</extracomment>
        <translation>durch Signal %1 beendet, %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <extracomment>how the image decoder ended: %1 its exit status</extracomment>
        <translation>Exit-Status %1</translation>
    </message>
    <message>
        <source>There are no images (%2) in %1 or its subfolders.</source>
        <extracomment>%1 the folder, %2 the names&apos; endings of images: &quot;.gif, .jpg, .jpeg&quot;</extracomment>
        <translation>In %1 und seinen Unterordnern gibt es keine Bilder (%2).</translation>
    </message>
    <message>
        <source>There are no images (%2) in %1.</source>
        <translation>In %1 gibt es keine Bilder (%2).</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>why a stored setting is refused: its text is no number or flag</extracomment>
        <translation>Typkonflikt</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>why a stored setting is refused: its number is out of range</extracomment>
        <translation>Überlauf</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <extracomment>why a stored setting is refused: its value is not one the setting takes</extracomment>
        <translation>Ungültiger Eigenschaftswert</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <extracomment>why a damaged settings file cannot be kept aside</extracomment>
        <translation>alle Namen für eine Kopie sind bereits vergeben</translation>
    </message>
    <message>
        <source>%1 is not a valid settings file and its content could not be kept aside (%2), so it is left as it is</source>
        <extracomment>%1 the settings file, %2 the reason</extracomment>
        <translation>%1 ist keine gültige Einstellungsdatei, und ihr Inhalt konnte nicht gesichert werden (%2), daher bleibt sie unverändert</translation>
    </message>
    <message>
        <source>%1 is not a valid settings file and cannot be replaced (%2)</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason</extracomment>
        <translation>%1 ist keine gültige Einstellungsdatei und kann nicht ersetzt werden (%2)</translation>
    </message>
    <message>
        <source>%1 could not be read, so it is left as it is</source>
        <translation>%1 konnte nicht gelesen werden und bleibt daher unverändert</translation>
    </message>
    <message>
        <source>%1 could not be written (the reason is not known)</source>
        <translation>%1 konnte nicht geschrieben werden (Grund unbekannt)</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 kann nicht gelesen werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 ist nicht erreichbar (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 ist ein Ordner, keine Datei</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine reguläre Datei</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 the file, %2 why its folder cannot be made</extracomment>
        <translation>%1 kann nicht angelegt werden: %2</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Not Existing Drive</source>
        <translation>Nicht vorhandenes Laufwerk</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Wechseldatenträger</translation>
    </message>
    <message>
        <source>Fixed Disk</source>
        <translation>Festplatte</translation>
    </message>
    <message>
        <source>Remote Disk</source>
        <translation>Netzlaufwerk</translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>RAM Disk</source>
        <translation>RAM-Disk</translation>
    </message>
    <message>
        <source>Unknown Medium </source>
        <extracomment>a kind of drive the system does not tell; ends with a blank, as the other kinds do not</extracomment>
        <translation>Unbekanntes Medium </translation>
    </message>
</context>
<context>
    <name>frmTu_K</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Einstellungen</translation>
    </message>
    <message>
        <source>&amp;Html</source>
        <translation>&amp;Html</translation>
    </message>
    <message>
        <source>&amp;Refresh File List</source>
        <translation>Dateiliste &amp;neu laden</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Info</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>Copy &amp;Body</source>
        <translation>BODY &amp;kopieren</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Load &amp;Default</source>
        <translation>Stan&amp;dard laden</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>&amp;Erstellen</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Ansehen</translation>
    </message>
    <message>
        <source>Recent &amp;Folders</source>
        <translation>&amp;Zuletzt gewählte Ordner</translation>
    </message>
    <message>
        <source>&amp;Index Page</source>
        <translation>Ü&amp;bersichtsseite</translation>
    </message>
    <message>
        <source>Include &amp;Subfolders</source>
        <translation>&amp;Unterordner einbeziehen</translation>
    </message>
    <message>
        <source>Pages into &amp;Target Folder</source>
        <translation>Seiten in den &amp;Zielordner</translation>
    </message>
    <message>
        <source>Web-&amp;Ready Pages</source>
        <translation>&amp;Webfertige Seiten</translation>
    </message>
    <message>
        <source>&amp;Originals in Site</source>
        <translation>&amp;Originale in der Website</translation>
    </message>
    <message>
        <source>&amp;Capture Dates</source>
        <translation>Aufnahme&amp;daten</translation>
    </message>
    <message>
        <source>Ca&amp;ptions</source>
        <translation>Bildunter&amp;schriften</translation>
    </message>
    <message>
        <source>Camera &amp;Facts</source>
        <translation>&amp;Kameradaten</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation>Ordner</translation>
    </message>
    <message>
        <source>Images of the folder</source>
        <translation>Bilder des Ordners</translation>
    </message>
    <message>
        <source>Folder removed</source>
        <translation>Ordner entfernt</translation>
    </message>
    <message numerus="yes">
        <source>%n Images</source>
        <extracomment>The status bar&apos;s count of the images the chosen folder holds.</extracomment>
        <translation>
            <numerusform>%n Bild</numerusform>
            <numerusform>%n Bilder</numerusform>
        </translation>
    </message>
    <message>
        <source>The page %1 no longer exists.</source>
        <extracomment>%1 is the path of the page View would open.</extracomment>
        <translation>Die Seite %1 existiert nicht mehr.</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <extracomment>%1 is the path of the page View opens in the desktop&apos;s browser.</extracomment>
        <translation>Es konnte kein Programm gestartet werden, um %1 anzuzeigen.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1. Tu_K starts with the default settings and leaves the file as it is.</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Die Einstellungsdatei konnte nicht gelesen werden: %1. Tu_K startet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file, and its content could not be kept aside: %2. Tu_K starts with the default settings and leaves the file as it is.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Die Einstellungsdatei %1 ist keine gültige Einstellungsdatei, und ihr Inhalt konnte nicht gesichert werden: %2. Tu_K startet mit den Standardeinstellungen und lässt die Datei unverändert.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file. Its content is kept in %2, and Tu_K starts with the default settings.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the path of the copy of its content.</extracomment>
        <translation>Die Einstellungsdatei %1 ist keine gültige Einstellungsdatei. Ihr Inhalt wurde in %2 gesichert, und Tu_K startet mit den Standardeinstellungen.</translation>
    </message>
    <message>
        <source>The settings were not saved: %1.</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Die Einstellungen wurden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>%1 could not be made (the reason is not known)</source>
        <extracomment>Why the lock is missing; %1 is the lock file&apos;s path.</extracomment>
        <translation>%1 konnte nicht angelegt werden (Grund unbekannt)</translation>
    </message>
    <message>
        <source>%1 is already running!</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 läuft bereits!</translation>
    </message>
    <message>
        <source>Tu_K could not make the lock that keeps a second copy from starting: %1. It starts all the same.</source>
        <extracomment>%1 says why: a reason the system gives or a sentence of its own.</extracomment>
        <translation>Tu_K konnte die Sperre, die den Start einer zweiten Instanz verhindert, nicht anlegen: %1. Das Programm startet trotzdem.</translation>
    </message>
    <message>
        <source>12.345 -- Stopped</source>
        <extracomment>A sample that sets the narrowest width of the run&apos;s status panel: the end of a stopped run&apos;s status text, with the word the run&apos;s status uses for Stopped.</extracomment>
        <translation>12.345 -- Gestoppt</translation>
    </message>
    <message>
        <source>Progress of the run</source>
        <translation>Fortschritt des Durchlaufs</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops a run.</extracomment>
        <translation>Stopp</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Durchlauf stoppen</translation>
    </message>
    <message>
        <source>Stop after the current page or thumbnail (Esc)</source>
        <translation>Nach der aktuellen Seite bzw. dem aktuellen Vorschaubild stoppen (Esc)</translation>
    </message>
    <message>
        <source>Load Default Values?</source>
        <translation>Standardwerte laden?</translation>
    </message>
    <message>
        <source>Pick a folder for storing HTML&apos;s of remote images.
Clic Cancel to keep %1</source>
        <extracomment>The prompt of the folder chooser; %1 is the target folder as it is now.</extracomment>
        <translation>Wählen Sie einen Ordner zum Speichern der HTML-Seiten externer Bilder.
Klicken Sie auf „Abbrechen“, um %1 beizubehalten.</translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3 &lt;%4&gt;
%5</source>
        <extracomment>The about box; %1 is the copyright sign, %2 the year, %3 the maker&apos;s name, %4 the maker&apos;s mail address and %5 the home page.</extracomment>
        <translation>Copyright %1 %2 %3 &lt;%4&gt;
%5</translation>
    </message>
    <message>
        <source>TU_K :: HTML&apos;s out of Images!</source>
        <extracomment>The about box&apos;s title and first line; TU_K is the program&apos;s name.</extracomment>
        <translation>TU_K :: HTML-Seiten aus Bildern!</translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: its name is not UTF-8 text.</source>
        <translation>Tu_K kann den Ordner %1 nicht öffnen: Sein Name ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: it is not a folder.</source>
        <translation>Tu_K kann den Ordner %1 nicht öffnen: Es ist kein Ordner.</translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: %2.</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason.</extracomment>
        <translation>Tu_K kann den Ordner %1 nicht öffnen: %2.</translation>
    </message>
    <message>
        <source>Set folder for remote images</source>
        <translation>Ordner für externe Bilder festlegen</translation>
    </message>
    <message>
        <source>Close TU_K</source>
        <translation>TU_K beenden</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Dateiliste neu laden</translation>
    </message>
    <message>
        <source>Copy body to clipboard</source>
        <translation>BODY in die Zwischenablage kopieren</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Einstellungen speichern</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Standardeinstellungen laden</translation>
    </message>
    <message>
        <source>Make HTML&apos;s</source>
        <translation>HTML-Seiten erstellen</translation>
    </message>
    <message>
        <source>View HTML&apos;s</source>
        <translation>HTML-Seiten ansehen</translation>
    </message>
    <message>
        <source>About TU_K</source>
        <translation>Über TU_K</translation>
    </message>
    <message>
        <source>Set folder for remote images: %1 (%2)</source>
        <extracomment>The target button&apos;s tooltip; %1 is the target folder, %2 the button&apos;s shortcut.</extracomment>
        <translation>Ordner für externe Bilder festlegen: %1 (%2)</translation>
    </message>
    <message>
        <source>Set folder for remote images - Current: %1 (%2)</source>
        <extracomment>The target button&apos;s tooltip once the user has picked a target folder; %1 is the folder, %2 the button&apos;s shortcut.</extracomment>
        <translation>Ordner für externe Bilder festlegen - Aktuell: %1 (%2)</translation>
    </message>
    <message>
        <source>Floppy (%1)</source>
        <extracomment>A removable volume&apos;s node in the folder tree; %1 is where it is mounted.</extracomment>
        <translation>Diskette (%1)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <extracomment>The folder tree&apos;s top node.</extracomment>
        <translation>Schreibtisch</translation>
    </message>
    <message>
        <source>Local PC</source>
        <extracomment>The folder tree&apos;s node of this computer, above its volumes.</extracomment>
        <translation>Lokaler PC</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>&amp;Zentriert</translation>
    </message>
    <message>
        <source>Center Body</source>
        <translation>Seiteninhalt zentrieren</translation>
    </message>
    <message>
        <source>B&amp;old</source>
        <translation>&amp;Fett</translation>
    </message>
    <message>
        <source>Set font BOLD</source>
        <translation>Schrift auf FETT setzen</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Kursiv</translation>
    </message>
    <message>
        <source>Set font ITALIC</source>
        <translation>Schrift auf KURSIV setzen</translation>
    </message>
    <message>
        <source>Lin&amp;ks</source>
        <translation>L&amp;inks</translation>
    </message>
    <message>
        <source>Include links to other images in current folder</source>
        <translation>Links zu den anderen Bildern des aktuellen Ordners einfügen</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>&amp;Ordner</translation>
    </message>
    <message>
        <source>Include folder name</source>
        <translation>Ordnernamen einfügen</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>Dat&amp;um</translation>
    </message>
    <message>
        <source>Include image date</source>
        <translation>Bilddatum einfügen</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>G&amp;röße</translation>
    </message>
    <message>
        <source>Include image size (kb)</source>
        <translation>Bildgröße einfügen (kB)</translation>
    </message>
    <message>
        <source>Bk&amp;Grnd</source>
        <translation>Hi&amp;ntergr.</translation>
    </message>
    <message>
        <source>Set image as HTML background</source>
        <translation>Bild als HTML-Hintergrund verwenden</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xt</translation>
    </message>
    <message>
        <source>Include sample text for testing background</source>
        <translation>Beispieltext zum Testen des Hintergrunds einfügen</translation>
    </message>
    <message>
        <source>Cop&amp;yr</source>
        <translation>Cop&amp;yr</translation>
    </message>
    <message>
        <source>Include copyright line</source>
        <translation>Copyright-Zeile einfügen</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>SCHWARZ</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLAU</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>GRÜN</translation>
    </message>
    <message>
        <source>CYAN</source>
        <translation>CYAN</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROT</translation>
    </message>
    <message>
        <source>MAGENTA</source>
        <translation>MAGENTA</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>GELB</translation>
    </message>
    <message>
        <source>WHITE</source>
        <translation>WEISS</translation>
    </message>
    <message>
        <source>GRAY</source>
        <translation>GRAU</translation>
    </message>
    <message>
        <source>LT BLUE</source>
        <translation>HELLES BLAU</translation>
    </message>
    <message>
        <source>LT GREEN</source>
        <translation>HELLES GRÜN</translation>
    </message>
    <message>
        <source>LT CYAN</source>
        <translation>HELLES CYAN</translation>
    </message>
    <message>
        <source>LT RED</source>
        <translation>HELLES ROT</translation>
    </message>
    <message>
        <source>LT MAGENTA</source>
        <translation>HELLES MAGENTA</translation>
    </message>
    <message>
        <source>LT YELLOW</source>
        <translation>HELLES GELB</translation>
    </message>
    <message>
        <source>LT WHITE</source>
        <translation>HELLES WEISS</translation>
    </message>
    <message>
        <source>&amp;B</source>
        <extracomment>The option of the background colour shows only its accelerator letter.</extracomment>
        <translation>&amp;G</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Hintergrundfarbe</translation>
    </message>
    <message>
        <source>Set BACKGROUND color</source>
        <translation>HINTERGRUND-Farbe festlegen</translation>
    </message>
    <message>
        <source>&amp;T</source>
        <extracomment>The option of the text colour shows only its accelerator letter.</extracomment>
        <translation>&amp;T</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Textfarbe</translation>
    </message>
    <message>
        <source>Set TEXT color</source>
        <translation>TEXT-Farbe festlegen</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Normaler Text</translation>
    </message>
    <message>
        <source>&amp;L</source>
        <extracomment>The option of the colour of links shows only its accelerator letter.</extracomment>
        <translation>&amp;L</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Linkfarbe</translation>
    </message>
    <message>
        <source>Set LINK color</source>
        <translation>LINK-Farbe festlegen</translation>
    </message>
    <message>
        <source>Link to Visit</source>
        <translation>Unbesuchter Link</translation>
    </message>
    <message>
        <source>&amp;V</source>
        <extracomment>The option of the colour of visited links shows only its accelerator letter.</extracomment>
        <translation>&amp;B</translation>
    </message>
    <message>
        <source>Visited link colour</source>
        <translation>Farbe besuchter Links</translation>
    </message>
    <message>
        <source>Set VISITED LINK color</source>
        <translation>Farbe für BESUCHTE LINKS festlegen</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Besuchter Link</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <extracomment>The option of the colour of active links shows only its accelerator letter.</extracomment>
        <translation>&amp;A</translation>
    </message>
    <message>
        <source>Active link colour</source>
        <translation>Farbe aktiver Links</translation>
    </message>
    <message>
        <source>Set ACTIVE LINK color</source>
        <translation>Farbe für AKTIVE LINKS festlegen</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Aktiver Link</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter beside the bar of the red part of a colour.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rot</translation>
    </message>
    <message>
        <source>RED value</source>
        <translation>ROT-Wert</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>The letter beside the bar of the green part of a colour.</extracomment>
        <translation>G</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Grün</translation>
    </message>
    <message>
        <source>GREEN value</source>
        <translation>GRÜN-Wert</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The letter beside the bar of the blue part of a colour.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Blau</translation>
    </message>
    <message>
        <source>BLUE value</source>
        <translation>BLAU-Wert</translation>
    </message>
    <message>
        <source>Colors</source>
        <extracomment>The caption of the frame of the page&apos;s colours.</extracomment>
        <translation>Farben</translation>
    </message>
    <message>
        <source>Preset colours</source>
        <translation>Vorgabefarben</translation>
    </message>
    <message>
        <source>PreSet</source>
        <extracomment>The label beside the swatches of the preset colours.</extracomment>
        <translation>Preset</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Vorschau</translation>
    </message>
    <message>
        <source>Current BODY string</source>
        <translation>Aktuelle BODY-Zeichenkette</translation>
    </message>
    <message>
        <source>Click to pick %1</source>
        <extracomment>%1 is the name of a preset colour, as BLACK or LT BLUE.</extracomment>
        <translation>Klicken, um %1 zu wählen</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <extracomment>The name of a preset colour&apos;s swatch for screen readers; %1 is the colour&apos;s name.</extracomment>
        <translation>Vorgabe: %1</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The caption of the frame of the font options.</extracomment>
        <translation>Schrift</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The caption of the frame of the options for what a page holds.</extracomment>
        <translation>Seite</translation>
    </message>
    <message>
        <source>Set HTML font</source>
        <translation>HTML-Schriftart festlegen</translation>
    </message>
    <message>
        <source>Font face</source>
        <translation>Schriftart</translation>
    </message>
    <message>
        <source>HTML font size</source>
        <translation>HTML-Schriftgröße</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Schriftgröße</translation>
    </message>
    <message>
        <source>Later starts of Tu_K cannot hand their folders to this window: %1. This window works all the same.</source>
        <extracomment>%1 is the socket&apos;s path and the reason the system gives.</extracomment>
        <translation>Spätere Starts von Tu_K können ihre Ordner nicht an dieses Fenster übergeben: %1. Dieses Fenster arbeitet trotzdem wie gewohnt.</translation>
    </message>
</context>
<context>
    <name>tu_k</name>
    <message>
        <source>Usage: tu_k [options] [FOLDER]</source>
        <extracomment>FOLDER is the argument&apos;s name: keep it as it is.</extracomment>
        <translation>Aufruf: tu_k [Optionen] [FOLDER]</translation>
    </message>
    <message>
        <source>Opens the Tu_K window, which turns a folder of images into static web pages.
FOLDER, a path or a file:// address, is chosen in the folder tree at start;
when Tu_K runs already, its window takes FOLDER and comes to the front.</source>
        <extracomment>FOLDER is the argument&apos;s name: keep it as it is.</extracomment>
        <translation>Öffnet das Tu_K-Fenster, das aus einem Bilderordner statische Webseiten macht.
FOLDER, ein Pfad oder eine file://-Adresse, wird beim Start im Ordnerbaum
gewählt; läuft Tu_K bereits, übernimmt sein Fenster FOLDER und kommt in den
Vordergrund.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Optionen:</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Hilfe zu den Kommandozeilenoptionen anzeigen.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Versionsinformationen anzeigen.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style NAME, -platform NAME, ...) are taken as well.</source>
        <translation>Qt-eigene Optionen (-style NAME, -platform NAME, ...) gelten ebenfalls.</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Argumente:</translation>
    </message>
    <message>
        <source>The folder to choose.</source>
        <translation>Der zu wählende Ordner.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;. (see tu_k --help)</source>
        <translation>Unbekannte Option &apos;%1&apos;. (siehe tu_k --help)</translation>
    </message>
    <message>
        <source>%1 needs a value. (see tu_k --help)</source>
        <translation>%1 benötigt einen Wert. (siehe tu_k --help)</translation>
    </message>
    <message>
        <source>give at most one folder. (see tu_k --help)</source>
        <translation>höchstens einen Ordner angeben. (siehe tu_k --help)</translation>
    </message>
</context>
<context>
    <name>tu_k-make</name>
    <message>
        <source>Make the pages of every folder below FOLDER too, whatever the saved choice.</source>
        <translation>Auch die Seiten aller Ordner unter FOLDER erstellen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make the pages of FOLDER alone, whatever the saved choice.</source>
        <translation>Nur die Seiten von FOLDER erstellen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make the index page with thumbnails, whatever the saved choice.</source>
        <translation>Die Übersichtsseite mit Vorschaubildern erstellen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make no index page, whatever the saved choice.</source>
        <translation>Keine Übersichtsseite erstellen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make web-ready pages (screen-sized copies of the photos, pages that fit a phone), whatever the saved choice.</source>
        <translation>Webfertige Seiten erstellen (bildschirmgroße Kopien der Fotos, Seiten, die auf ein Telefon passen), unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make plain pages, not web-ready ones, whatever the saved choice.</source>
        <translation>Einfache Seiten erstellen, keine webfertigen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Put the original photos into a site too, linked from their pictures, whatever the saved choice.</source>
        <translation>Auch die Originalfotos in eine Website legen, von ihren Bildern verlinkt, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Leave the originals out of a site, whatever the saved choice.</source>
        <translation>Die Originale aus einer Website weglassen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Show when each photo was taken and order the pages by it, whatever the saved choice.</source>
        <translation>Zeigen, wann jedes Foto aufgenommen wurde, und die Seiten danach ordnen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Show the files&apos; dates and order the pages by name, whatever the saved choice.</source>
        <translation>Das Datum der Dateien zeigen und die Seiten nach Namen ordnen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Show the caption written into each photo, whatever the saved choice.</source>
        <translation>Die in jedes Foto geschriebene Bildunterschrift zeigen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Show no captions, whatever the saved choice.</source>
        <translation>Keine Bildunterschriften zeigen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Show the camera, lens and exposure of each photo, whatever the saved choice.</source>
        <translation>Kamera, Objektiv und Belichtung jedes Fotos zeigen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Show no camera facts, whatever the saved choice.</source>
        <translation>Keine Kameradaten zeigen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>cannot tell where the relative path %1 leads: the current folder cannot be found (%2); give a full path</source>
        <extracomment>%1 is the path given, %2 the system&apos;s reason.</extracomment>
        <translation>es lässt sich nicht feststellen, wohin der relative Pfad %1 führt: der aktuelle Ordner ist nicht auffindbar (%2); geben Sie einen vollständigen Pfad an</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 ist kein Ordner</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>der Ordner %1 existiert nicht</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason.</extracomment>
        <translation>der Ordner %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: not a regular file</source>
        <translation>die Einstellungsdatei %1 kann nicht gelesen werden: keine reguläre Datei</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>die Einstellungsdatei %1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>Longest edge of a thumbnail in pixels, %1 to %2 (default %3).</source>
        <extracomment>%1 and %2 are the smallest and largest size, %3 the default one.</extracomment>
        <translation>Längste Kante eines Vorschaubilds in Pixeln, %1 bis %2 (Standard: %3).</translation>
    </message>
    <message>
        <source>Longest edge of a web-ready page&apos;s picture in pixels, %1 to %2 (default: the saved size, else %3).</source>
        <extracomment>%1 and %2 are the smallest and largest size, %3 the default one.</extracomment>
        <translation>Längste Kante des Bildes einer webfertigen Seite in Pixeln, %1 bis %2 (Standard: die gespeicherte Größe, sonst %3).</translation>
    </message>
    <message>
        <source>Target folder for this run, instead of the saved one.</source>
        <translation>Zielordner für diesen Durchlauf statt des gespeicherten.</translation>
    </message>
    <message>
        <source>Make a site in DIR: a folder named after FOLDER that holds the pages and everything they show, with relative links, whatever volume FOLDER is on.</source>
        <extracomment>DIR and FOLDER are the names of the option&apos;s value and of the argument.</extracomment>
        <translation>Eine Website in DIR erstellen: einen nach FOLDER benannten Ordner, der die Seiten und alles, was sie zeigen, mit relativen Links enthält, egal auf welchem Datenträger FOLDER liegt.</translation>
    </message>
    <message>
        <source>Put the pages where they go without a site, whatever the saved choice.</source>
        <translation>Die Seiten ohne Website dort ablegen, wo sie hingehören, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make the pages without asking.</source>
        <translation>Die Seiten ohne Rückfrage erstellen.</translation>
    </message>
    <message>
        <source>Show neither the progress, the final status nor notes.</source>
        <translation>Weder Fortschritt noch Endstatus noch Hinweise anzeigen.</translation>
    </message>
    <message>
        <source>The folder whose images get pages.</source>
        <translation>Der Ordner, dessen Bilder Seiten erhalten.</translation>
    </message>
    <message>
        <source>give either --%1 or --%2, not both</source>
        <extracomment>%1 and %2 are an option&apos;s name and its opposite&apos;s, such as index and no-index.</extracomment>
        <translation>entweder --%1 oder --%2 angeben, nicht beides</translation>
    </message>
    <message>
        <source>--%1 needs a whole number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option&apos;s name, %2 to %3 the sizes it takes, %4 what was given.</extracomment>
        <translation>--%1 benötigt eine ganze Zahl von %2 bis %3, nicht „%4“</translation>
    </message>
    <message>
        <source>give either --target or --into, not both</source>
        <translation>entweder --target oder --into angeben, nicht beides</translation>
    </message>
    <message>
        <source>give either --into or --no-into, not both</source>
        <translation>entweder --into oder --no-into angeben, nicht beides</translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <extracomment>%1 is the option&apos;s name, target or into.</extracomment>
        <translation>--%1 benötigt einen Ordner</translation>
    </message>
    <message>
        <source>%1 (see tu_k-make --help)</source>
        <extracomment>%1 is why the command line is refused, a sentence of Qt&apos;s.</extracomment>
        <translation>%1 (siehe tu_k-make --help)</translation>
    </message>
    <message>
        <source>give exactly one folder (see tu_k-make --help)</source>
        <translation>genau einen Ordner angeben (siehe tu_k-make --help)</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>A whole word that answers yes to the question, as its first letter in [y/N] does.</extracomment>
        <translation>ja</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers offered after a question: the first letter answers yes; the capital one, also what an empty answer means, no. Keep the brackets and the slash.</extracomment>
        <translation>[j/N]</translation>
    </message>
    <message>
        <source>signal %1 cannot be caught (%2); it ends the program at once</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s reason.</extracomment>
        <translation>Signal %1 kann nicht abgefangen werden (%2); es beendet das Programm sofort</translation>
    </message>
    <message>
        <source>%1 is not a valid settings file</source>
        <translation>%1 ist keine gültige Einstellungsdatei</translation>
    </message>
    <message>
        <source>the settings file %1 holds a value that does not convert: %2</source>
        <extracomment>%1 is the settings file, %2 the value and why it does not convert.</extracomment>
        <translation>die Einstellungsdatei %1 enthält einen Wert, der sich nicht umwandeln lässt: %2</translation>
    </message>
    <message>
        <source>the target folder %1 has a name that is not UTF-8; choose another</source>
        <translation>der Zielordner %1 hat einen Namen, der kein UTF-8 ist; wählen Sie einen anderen</translation>
    </message>
    <message>
        <source>--target has no effect: %1 is on a fixed disk, so its pages go next to its images</source>
        <extracomment>%1 is the folder whose pages are made.</extracomment>
        <translation>--target hat keine Wirkung: %1 liegt auf einer Festplatte, daher kommen seine Seiten neben seine Bilder</translation>
    </message>
    <message>
        <source>nothing was made</source>
        <translation>es wurde nichts erstellt</translation>
    </message>
    <message>
        <source>signal %1 could not end the program</source>
        <extracomment>%1 is the number of the signal that stopped the run.</extracomment>
        <translation>Signal %1 konnte das Programm nicht beenden</translation>
    </message>
    <message>
        <source>a file size limit would end the program at once</source>
        <translation>eine Dateigrößenbeschränkung würde das Programm sofort beenden</translation>
    </message>
    <message>
        <source>Makes one web page per image (%1) of FOLDER, and with -r of every
folder below it, with the page options saved by Tu_K. Pages of a folder on a fixed
disk go next to its images; pages of a folder on any other volume go to the target
folder. With --into (or the saved Pages into Target Folder) they make a site there:
a folder you can copy or upload as it is.</source>
        <extracomment>FOLDER is the argument&apos;s name in the usage line: keep it as it is. %1 the names&apos; endings of images: &quot;.gif, .jpg, .jpeg&quot;</extracomment>
        <translation>Erstellt mit den von Tu_K gespeicherten Seitenoptionen eine Webseite pro Bild
(%1) von FOLDER und mit -r von jedem Ordner darunter. Seiten
eines Ordners auf einer Festplatte kommen neben seine Bilder, die eines Ordners
auf einem anderen Datenträger in den Zielordner. Mit --into (oder gespeichertem
„Seiten in den Zielordner“) bilden sie dort eine Website: einen Ordner, fertig
zum Kopieren oder Hochladen.</translation>
    </message>
</context>
</TS>
