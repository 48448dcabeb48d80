<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
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
</context>
<context>
    <name>tu_k-make</name>
    <message>
        <source>Make the pages of every folder below FOLDER too, whatever the saved choice.</source>
        <translation>Auch die Seiten aller Ordner unter ORDNER erstellen, unabhängig von der gespeicherten Wahl.</translation>
    </message>
    <message>
        <source>Make the pages of FOLDER alone, whatever the saved choice.</source>
        <translation>Nur die Seiten von ORDNER erstellen, unabhängig von der gespeicherten Wahl.</translation>
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
</context>
</TS>
