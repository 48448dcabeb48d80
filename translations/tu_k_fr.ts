<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Run</name>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>why a folder cannot be made: %1 a path on the way to it</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached (%2)</source>
        <extracomment>why a folder cannot be made: %1 a folder on the way, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <extracomment>why a folder cannot be made: %1 a folder on the way, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read and were left out: %1.</source>
        <extracomment>%1 the folders, each with the system&apos;s reason</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) on other volumes were left out: %1.</source>
        <extracomment>%1 the folders</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden folder(s) with images were left out: %1.</source>
        <extracomment>%1 the folders</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbolic link(s) to folders with images were left out: %1.</source>
        <extracomment>%1 the links</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: its thumbnail name would be %2 bytes long, longer than the %3 bytes a file name can have. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 and %3 numbers of bytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: its page name would be %2 bytes long, longer than the %3 bytes a file name can have. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 and %3 numbers of bytes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: it is not a plain file name. No page was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the image folder %1: %2. %3</source>
        <extracomment>%1 the folder, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: the file system of %2 does not take %3 in a file name. Rename the image, or choose another target folder. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 the output folder, %3 the characters refused</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the output folder %1: %2. No page was written.</source>
        <extracomment>%1 the folder, %2 why it cannot be made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No page was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped on request. %1</source>
        <extracomment>%1 how many pages were written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder %1 was moved or removed while the run made its pages; its album is left out of the index above it. Make the pages again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the date and size of the image %1: %2. %3</source>
        <extracomment>%1 the image, %2 the reason, %3 how many pages were written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>why an image cannot be read</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the output folder %1: %2. %3</source>
        <extracomment>%1 the folder, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot place the image in the site %1: %2. %3</source>
        <extracomment>%1 the image&apos;s place in the site, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the page %1: %2. %3</source>
        <extracomment>%1 the page, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the index page %1%2: %3.</source>
        <extracomment>%1%2 the index page, %3 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s into %1 for %n Image(s) in %2 and %3 subfolder(s)?</source>
        <extracomment>%1 the site&apos;s folder, %n the images, %2 the folder they are in, %3 its subfolders</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s in %1 for %n Image(s) in %2 and %3 subfolder(s)?</source>
        <extracomment>%1 where the pages go, %n the images, %2 the folder they are in, %3 its subfolders</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s into %1 for %n Image(s) in %2?</source>
        <extracomment>%1 the site&apos;s folder, %n the images, %2 the folder they are in</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s in %1 for %n Image(s) in %2?</source>
        <extracomment>%1 where the pages go, %n the images, %2 the folder they are in</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>Image: %1 / %2</source>
        <extracomment>the status line while the pages are made: page %1 of %2</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>could not be decoded</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>too slow to decode</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>crashed the decoder</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no images (.gif, .jpg, .jpeg) in %1 or its subfolders.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There are no images (.gif, .jpg, .jpeg) in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A run of more than %1 images is too large. No page was written.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The target folder %1 lies inside %2, whose pages it would hold; choose a folder outside it. No page was written.</source>
        <extracomment>%1 the target folder, %2 the folder whose pages are made</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thumbnails: %1 / %2</source>
        <extracomment>the status line while the pictures are made: %1 of %2 images done</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped on request while making thumbnails; the index page shows those made so far.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped on request while making pictures; pages whose screen-sized copy was not made show the image itself.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No thumbnail for %1.</source>
        <extracomment>%1 the images, each with why it has none</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) are not whole and were left out of the site, their pages showing no picture: %1.</source>
        <extracomment>%1 the images&apos; names</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>OK</source>
        <extracomment>the status line&apos;s end: the run made everything</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stopped</source>
        <extracomment>the status line&apos;s end: the run was stopped</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>the status line&apos;s end: the run failed</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>the status line: files of an earlier run that were removed</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be decoded</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too slow to decode</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n crashed the decoder</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 pages were written and %2 left unchanged before the run stopped.</source>
        <extracomment>%n the pages written, %1 the pages of the whole run, %2 the pages left as they were</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 pages were written before the run stopped.</source>
        <extracomment>%n the pages written, %1 the pages of the whole run</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 the names shown, %n how many more there are</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>%1%2 was not made by Tu_K and is left as it is; move it away or turn the index page off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the index page&apos;s file name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not a folder, so the thumbnails have no place; move it away or turn the index page off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the thumbnails&apos; folder name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1%2 is not a folder, so the screen-sized copies have no place; move it away or turn web-ready pages off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the copies&apos; folder name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot make the folder %1%2: %3.</source>
        <extracomment>%1%2 the folder, %3 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot open the folder %1%2: %3.</source>
        <extracomment>%1%2 the folder, %3 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the site&apos;s record %1%2: %3.</source>
        <extracomment>%1%2 the record&apos;s file, %3 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 holds the site of %2, and a site holds the pages of one folder: choose another target folder, or remove that site. No page was written.</source>
        <extracomment>%1 the target folder, %2 the folder whose site it holds</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the screen-sized copy %1: %2.</source>
        <extracomment>%1 the picture&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot write the thumbnail %1: %2.</source>
        <extracomment>%1 the picture&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot read the image %1: %2.</source>
        <extracomment>%1 the image, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image decoder %1 does not work: it does not answer.</source>
        <extracomment>%1 the decoder program</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image decoder %1 does not work: it ended without answering (%2).</source>
        <extracomment>%1 the decoder program, %2 how it ended</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot start the image decoder %1: %2.</source>
        <extracomment>%1 the decoder program, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the name of a signal the system has no name for</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>killed by signal %1, %2</source>
        <extracomment>how the image decoder ended: %1 the signal&apos;s number, %2 its name</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>exit status %1</source>
        <extracomment>how the image decoder ended: %1 its exit status</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>why a stored setting is refused: its text is no number or flag</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>why a stored setting is refused: its number is out of range</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <extracomment>why a stored setting is refused: its value is not one the setting takes</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <extracomment>why a damaged settings file cannot be kept aside</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid settings file and its content could not be kept aside (%2), so it is left as it is</source>
        <extracomment>%1 the settings file, %2 the reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid settings file and cannot be replaced (%2)</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read, so it is left as it is</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be written (the reason is not known)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 the file, %2 why its folder cannot be made</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Not Existing Drive</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fixed Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remote Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RAM Disk</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown Medium </source>
        <extracomment>a kind of drive the system does not tell; ends with a blank, as the other kinds do not</extracomment>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>frmTu_K</name>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Settings</source>
        <translation>&amp;Réglages</translation>
    </message>
    <message>
        <source>&amp;Html</source>
        <translation>&amp;Html</translation>
    </message>
    <message>
        <source>&amp;Refresh File List</source>
        <translation>&amp;Actualiser la liste des fichiers</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>Copy &amp;Body</source>
        <translation>Copier le &amp;BODY</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Load &amp;Default</source>
        <translation>Charger les valeurs par &amp;défaut</translation>
    </message>
    <message>
        <source>Ma&amp;ke</source>
        <translation>&amp;Créer</translation>
    </message>
    <message>
        <source>Vie&amp;w</source>
        <translation>&amp;Voir</translation>
    </message>
    <message>
        <source>Recent &amp;Folders</source>
        <translation>Dossiers &amp;récents</translation>
    </message>
    <message>
        <source>&amp;Index Page</source>
        <translation>Page d&apos;&amp;index</translation>
    </message>
    <message>
        <source>Include &amp;Subfolders</source>
        <translation>Inclure les &amp;sous-dossiers</translation>
    </message>
    <message>
        <source>Pages into &amp;Target Folder</source>
        <translation>Pages dans le dossier ci&amp;ble</translation>
    </message>
    <message>
        <source>Web-&amp;Ready Pages</source>
        <translation>Pages prêtes pour le &amp;Web</translation>
    </message>
    <message>
        <source>&amp;Originals in Site</source>
        <translation>&amp;Originaux dans le site</translation>
    </message>
    <message>
        <source>&amp;Capture Dates</source>
        <translation>&amp;Dates de prise de vue</translation>
    </message>
    <message>
        <source>Ca&amp;ptions</source>
        <translation>&amp;Légendes</translation>
    </message>
    <message>
        <source>Camera &amp;Facts</source>
        <translation>Données de l&apos;&amp;appareil</translation>
    </message>
    <message>
        <source>Folders</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images of the folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Folder removed</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>%n Images</source>
        <extracomment>The status bar&apos;s count of the images the chosen folder holds.</extracomment>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
    <message>
        <source>The page %1 no longer exists.</source>
        <extracomment>%1 is the path of the page View would open.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <extracomment>%1 is the path of the page View opens in the desktop&apos;s browser.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file could not be read: %1. Tu_K starts with the default settings and leaves the file as it is.</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file, and its content could not be kept aside: %2. Tu_K starts with the default settings and leaves the file as it is.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file. Its content is kept in %2, and Tu_K starts with the default settings.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the path of the copy of its content.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The settings were not saved: %1.</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be made (the reason is not known)</source>
        <extracomment>Why the lock is missing; %1 is the lock file&apos;s path.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is already running!</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu_K could not make the lock that keeps a second copy from starting: %1. It starts all the same.</source>
        <extracomment>%1 says why: a reason the system gives or a sentence of its own.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12.345 -- Stopped</source>
        <extracomment>A sample that sets the narrowest width of the run&apos;s status panel: the end of a stopped run&apos;s status text, with the word the run&apos;s status uses for Stopped.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops a run.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop after the current page or thumbnail (Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load Default Values?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick a folder for storing HTML&apos;s of remote images.
Clic Cancel to keep %1</source>
        <extracomment>The prompt of the folder chooser; %1 is the target folder as it is now.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright %1 %2 %3 &lt;%4&gt;
%5</source>
        <extracomment>The about box; %1 is the copyright sign, %2 the year, %3 the maker&apos;s name, %4 the maker&apos;s mail address and %5 the home page.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TU_K :: HTML&apos;s out of Images!</source>
        <extracomment>The about box&apos;s title and first line; TU_K is the program&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: its name is not UTF-8 text.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: it is not a folder.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: %2.</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set folder for remote images</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close TU_K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy body to clipboard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make HTML&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View HTML&apos;s</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About TU_K</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set folder for remote images: %1 (%2)</source>
        <extracomment>The target button&apos;s tooltip; %1 is the target folder, %2 the button&apos;s shortcut.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set folder for remote images - Current: %1 (%2)</source>
        <extracomment>The target button&apos;s tooltip once the user has picked a target folder; %1 is the folder, %2 the button&apos;s shortcut.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floppy (%1)</source>
        <extracomment>A removable volume&apos;s node in the folder tree; %1 is where it is mounted.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Desktop</source>
        <extracomment>The folder tree&apos;s top node.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Local PC</source>
        <extracomment>The folder tree&apos;s node of this computer, above its volumes.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center Body</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B&amp;old</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set font BOLD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set font ITALIC</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lin&amp;ks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include links to other images in current folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include folder name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include image date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include image size (kb)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bk&amp;Grnd</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set image as HTML background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include sample text for testing background</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cop&amp;yr</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include copyright line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CYAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MAGENTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WHITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GRAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT BLUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT GREEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT CYAN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT RED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT MAGENTA</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT YELLOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>LT WHITE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;B</source>
        <extracomment>The option of the background colour shows only its accelerator letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set BACKGROUND color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;T</source>
        <extracomment>The option of the text colour shows only its accelerator letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set TEXT color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;L</source>
        <extracomment>The option of the colour of links shows only its accelerator letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set LINK color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Link to Visit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;V</source>
        <extracomment>The option of the colour of visited links shows only its accelerator letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited link colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set VISITED LINK color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;A</source>
        <extracomment>The option of the colour of active links shows only its accelerator letter.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active link colour</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set ACTIVE LINK color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter beside the bar of the red part of a colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Red</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RED value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>The letter beside the bar of the green part of a colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Green</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GREEN value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The letter beside the bar of the blue part of a colour.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLUE value</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Colors</source>
        <extracomment>The caption of the frame of the page&apos;s colours.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PreSet</source>
        <extracomment>The label beside the swatches of the preset colours.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current BODY string</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click to pick %1</source>
        <extracomment>%1 is the name of a preset colour, as BLACK or LT BLUE.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <extracomment>The name of a preset colour&apos;s swatch for screen readers; %1 is the colour&apos;s name.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The caption of the frame of the font options.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The caption of the frame of the options for what a page holds.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set HTML font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font face</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HTML font size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font size</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tu_k</name>
    <message>
        <source>Usage: tu_k [options] [FOLDER]</source>
        <extracomment>FOLDER is the argument&apos;s name: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opens the Tu_K window, which turns a folder of images into static web pages.
FOLDER, a path or a file:// address, is chosen in the folder tree at start;
when Tu_K runs already, its window takes FOLDER and comes to the front.</source>
        <extracomment>FOLDER is the argument&apos;s name: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style NAME, -platform NAME, ...) are taken as well.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder to choose.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;. (see tu_k --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 needs a value. (see tu_k --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give at most one folder. (see tu_k --help)</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>tu_k-make</name>
    <message>
        <source>Make the pages of every folder below FOLDER too, whatever the saved choice.</source>
        <translation>Créer aussi les pages de chaque dossier sous DOSSIER, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make the pages of FOLDER alone, whatever the saved choice.</source>
        <translation>Créer les pages de DOSSIER seul, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make the index page with thumbnails, whatever the saved choice.</source>
        <translation>Créer la page d&apos;index avec les vignettes, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make no index page, whatever the saved choice.</source>
        <translation>Ne pas créer de page d&apos;index, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make web-ready pages (screen-sized copies of the photos, pages that fit a phone), whatever the saved choice.</source>
        <translation>Créer des pages prêtes pour le web (copies des photos à la taille de l&apos;écran, pages adaptées à un téléphone), quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make plain pages, not web-ready ones, whatever the saved choice.</source>
        <translation>Créer des pages simples, non prêtes pour le web, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Put the original photos into a site too, linked from their pictures, whatever the saved choice.</source>
        <translation>Mettre aussi les photos originales dans un site, liées depuis leurs images, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Leave the originals out of a site, whatever the saved choice.</source>
        <translation>Laisser les originaux hors d&apos;un site, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Show when each photo was taken and order the pages by it, whatever the saved choice.</source>
        <translation>Afficher quand chaque photo a été prise et classer les pages ainsi, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Show the files&apos; dates and order the pages by name, whatever the saved choice.</source>
        <translation>Afficher la date des fichiers et classer les pages par nom, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Show the caption written into each photo, whatever the saved choice.</source>
        <translation>Afficher la légende écrite dans chaque photo, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Show no captions, whatever the saved choice.</source>
        <translation>N&apos;afficher aucune légende, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Show the camera, lens and exposure of each photo, whatever the saved choice.</source>
        <translation>Afficher l&apos;appareil, l&apos;objectif et l&apos;exposition de chaque photo, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Show no camera facts, whatever the saved choice.</source>
        <translation>N&apos;afficher aucune donnée de l&apos;appareil, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>cannot tell where the relative path %1 leads: the current folder cannot be found (%2); give a full path</source>
        <extracomment>%1 is the path given, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the folder %1 cannot be read: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest edge of a thumbnail in pixels, %1 to %2 (default %3).</source>
        <extracomment>%1 and %2 are the smallest and largest size, %3 the default one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Longest edge of a web-ready page&apos;s picture in pixels, %1 to %2 (default: the saved size, else %3).</source>
        <extracomment>%1 and %2 are the smallest and largest size, %3 the default one.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Makes one web page per image (.gif, .jpg, .jpeg) of FOLDER, and with -r of every
folder below it, with the page options saved by Tu_K. Pages of a folder on a fixed
disk go next to its images; pages of a folder on any other volume go to the target
folder. With --into (or the saved Pages into Target Folder) they make a site there:
a folder you can copy or upload as it is.</source>
        <extracomment>FOLDER is the argument&apos;s name in the usage line: keep it as it is.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Target folder for this run, instead of the saved one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make a site in DIR: a folder named after FOLDER that holds the pages and everything they show, with relative links, whatever volume FOLDER is on.</source>
        <extracomment>DIR and FOLDER are the names of the option&apos;s value and of the argument.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Put the pages where they go without a site, whatever the saved choice.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make the pages without asking.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show neither the progress, the final status nor notes.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The folder whose images get pages.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --%1 or --%2, not both</source>
        <extracomment>%1 and %2 are an option&apos;s name and its opposite&apos;s, such as index and no-index.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a whole number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option&apos;s name, %2 to %3 the sizes it takes, %4 what was given.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --target or --into, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give either --into or --no-into, not both</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <extracomment>%1 is the option&apos;s name, target or into.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (see tu_k-make --help)</source>
        <extracomment>%1 is why the command line is refused, a sentence of Qt&apos;s.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>give exactly one folder (see tu_k-make --help)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>A whole word that answers yes to the question, as its first letter in [y/N] does.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers offered after a question: the first letter answers yes; the capital one, also what an empty answer means, no. Keep the brackets and the slash.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal %1 cannot be caught (%2); it ends the program at once</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s reason.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 is not a valid settings file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings file %1 holds a value that does not convert: %2</source>
        <extracomment>%1 is the settings file, %2 the value and why it does not convert.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the target folder %1 has a name that is not UTF-8; choose another</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--target has no effect: %1 is on a fixed disk, so its pages go next to its images</source>
        <extracomment>%1 is the folder whose pages are made.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>nothing was made</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>signal %1 could not end the program</source>
        <extracomment>%1 is the number of the signal that stopped the run.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>a file size limit would end the program at once</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
