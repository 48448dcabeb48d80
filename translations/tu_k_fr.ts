<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Run</name>
    <message>
        <source>%1 is not a folder</source>
        <extracomment>why a folder cannot be made: %1 a path on the way to it</extracomment>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 cannot be reached (%2)</source>
        <extracomment>why a folder cannot be made: %1 a folder on the way, %2 the system&apos;s reason</extracomment>
        <translation>le dossier %1 est inaccessible (%2)</translation>
    </message>
    <message>
        <source>the folder %1 cannot be made (%2)</source>
        <extracomment>why a folder cannot be made: %1 a folder on the way, %2 the system&apos;s reason</extracomment>
        <translation>le dossier %1 ne peut pas être créé (%2)</translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) could not be read and were left out: %1.</source>
        <extracomment>%1 the folders, each with the system&apos;s reason</extracomment>
        <translation>
            <numerusform>%n dossier n&apos;a pas pu être lu et a été exclu : %1.</numerusform>
            <numerusform>%n dossiers n&apos;ont pas pu être lus et ont été exclus : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n folder(s) on other volumes were left out: %1.</source>
        <extracomment>%1 the folders</extracomment>
        <translation>
            <numerusform>%n dossier situé sur un autre volume a été exclu : %1.</numerusform>
            <numerusform>%n dossiers situés sur d&apos;autres volumes ont été exclus : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n hidden folder(s) with images were left out: %1.</source>
        <extracomment>%1 the folders</extracomment>
        <translation>
            <numerusform>%n dossier caché contenant des images a été exclu : %1.</numerusform>
            <numerusform>%n dossiers cachés contenant des images ont été exclus : %1.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n symbolic link(s) to folders with images were left out: %1.</source>
        <extracomment>%1 the links</extracomment>
        <translation>
            <numerusform>%n lien symbolique vers un dossier contenant des images a été exclu : %1.</numerusform>
            <numerusform>%n liens symboliques vers des dossiers contenant des images ont été exclus : %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: its thumbnail name would be %2 bytes long, longer than the %3 bytes a file name can have. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 and %3 numbers of bytes</extracomment>
        <translation>Impossible de créer une page pour l&apos;image « %1 » : le nom de sa vignette ferait %2 octets, plus que les %3 octets permis pour un nom de fichier. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: its page name would be %2 bytes long, longer than the %3 bytes a file name can have. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 and %3 numbers of bytes</extracomment>
        <translation>Impossible de créer une page pour l&apos;image « %1 » : le nom de sa page ferait %2 octets, plus que les %3 octets permis pour un nom de fichier. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: it is not a plain file name. No page was written.</source>
        <translation>Impossible de créer une page pour l&apos;image « %1 » : ce n&apos;est pas un simple nom de fichier. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Cannot open the image folder %1: %2. %3</source>
        <extracomment>%1 the folder, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Impossible d&apos;ouvrir le dossier d&apos;images %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot make a page for the image &quot;%1&quot;: the file system of %2 does not take %3 in a file name. Rename the image, or choose another target folder. No page was written.</source>
        <extracomment>%1 the image&apos;s name, %2 the output folder, %3 the characters refused</extracomment>
        <translation>Impossible de créer une page pour l&apos;image « %1 » : le système de fichiers de %2 n&apos;accepte pas %3 dans un nom de fichier. Renommez l&apos;image ou choisissez un autre dossier cible. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Cannot make the output folder %1: %2. No page was written.</source>
        <extracomment>%1 the folder, %2 why it cannot be made</extracomment>
        <translation>Impossible de créer le dossier de sortie %1 : %2. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>No page was written.</source>
        <translation>Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Stopped on request. %1</source>
        <extracomment>%1 how many pages were written</extracomment>
        <translation>Arrêté à la demande. %1</translation>
    </message>
    <message>
        <source>The folder %1 was moved or removed while the run made its pages; its album is left out of the index above it. Make the pages again.</source>
        <translation>Le dossier %1 a été déplacé ou supprimé pendant la création des pages ; son album est absent de l&apos;index du dossier parent. Recréez les pages.</translation>
    </message>
    <message>
        <source>Cannot read the date and size of the image %1: %2. %3</source>
        <extracomment>%1 the image, %2 the reason, %3 how many pages were written</extracomment>
        <translation>Impossible de lire la date et la taille de l&apos;image %1 : %2. %3</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <extracomment>why an image cannot be read</extracomment>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot open the output folder %1: %2. %3</source>
        <extracomment>%1 the folder, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Impossible d&apos;ouvrir le dossier de sortie %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot place the image in the site %1: %2. %3</source>
        <extracomment>%1 the image&apos;s place in the site, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Impossible de placer l&apos;image dans le site %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot write the page %1: %2. %3</source>
        <extracomment>%1 the page, %2 the system&apos;s reason, %3 how many pages were written</extracomment>
        <translation>Impossible d&apos;écrire la page %1 : %2. %3</translation>
    </message>
    <message>
        <source>Cannot write the index page %1%2: %3.</source>
        <extracomment>%1%2 the index page, %3 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire la page d&apos;index %1%2 : %3.</translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s into %1 for %n Image(s) in %2 and %3 subfolder(s)?</source>
        <extracomment>%1 the site&apos;s folder, %n the images, %2 the folder they are in, %3 its subfolders</extracomment>
        <translation>
            <numerusform>Créer les pages HTML dans le site %1 pour %n image contenue dans %2 et ses sous-dossiers (%3) ?</numerusform>
            <numerusform>Créer les pages HTML dans le site %1 pour %n images contenues dans %2 et ses sous-dossiers (%3) ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s in %1 for %n Image(s) in %2 and %3 subfolder(s)?</source>
        <extracomment>%1 where the pages go, %n the images, %2 the folder they are in, %3 its subfolders</extracomment>
        <translation>
            <numerusform>Créer les pages HTML dans %1 pour %n image contenue dans %2 et ses sous-dossiers (%3) ?</numerusform>
            <numerusform>Créer les pages HTML dans %1 pour %n images contenues dans %2 et ses sous-dossiers (%3) ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s into %1 for %n Image(s) in %2?</source>
        <extracomment>%1 the site&apos;s folder, %n the images, %2 the folder they are in</extracomment>
        <translation>
            <numerusform>Créer les pages HTML dans le site %1 pour %n image contenue dans %2 ?</numerusform>
            <numerusform>Créer les pages HTML dans le site %1 pour %n images contenues dans %2 ?</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Make HTML&apos;s in %1 for %n Image(s) in %2?</source>
        <extracomment>%1 where the pages go, %n the images, %2 the folder they are in</extracomment>
        <translation>
            <numerusform>Créer les pages HTML dans %1 pour %n image contenue dans %2 ?</numerusform>
            <numerusform>Créer les pages HTML dans %1 pour %n images contenues dans %2 ?</numerusform>
        </translation>
    </message>
    <message>
        <source>Image: %1 / %2</source>
        <extracomment>the status line while the pages are made: page %1 of %2</extracomment>
        <translation>Image : %1 / %2</translation>
    </message>
    <message>
        <source>too large</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>trop grande</translation>
    </message>
    <message>
        <source>could not be decoded</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>décodage impossible</translation>
    </message>
    <message>
        <source>too slow to decode</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>décodage trop lent</translation>
    </message>
    <message>
        <source>crashed the decoder</source>
        <extracomment>why an image has no thumbnail, after its name</extracomment>
        <translation>a fait planter le décodeur</translation>
    </message>
    <message>
        <source>A run of more than %1 images is too large. No page was written.</source>
        <translation>Un traitement de plus de %1 images est trop important. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>The target folder %1 lies inside %2, whose pages it would hold; choose a folder outside it. No page was written.</source>
        <extracomment>%1 the target folder, %2 the folder whose pages are made</extracomment>
        <translation>Le dossier cible %1 se trouve dans %2, dont il contiendrait les pages ; choisissez un dossier en dehors de celui-ci. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Thumbnails: %1 / %2</source>
        <extracomment>the status line while the pictures are made: %1 of %2 images done</extracomment>
        <translation>Vignettes : %1 / %2</translation>
    </message>
    <message>
        <source>Stopped on request while making thumbnails; the index page shows those made so far.</source>
        <translation>Arrêté à la demande pendant la création des vignettes ; la page d&apos;index montre celles créées jusqu&apos;ici.</translation>
    </message>
    <message>
        <source>Stopped on request while making pictures; pages whose screen-sized copy was not made show the image itself.</source>
        <translation>Arrêté à la demande pendant la création des images ; les pages dont la copie à la taille de l&apos;écran n&apos;a pas été créée affichent l&apos;image elle-même.</translation>
    </message>
    <message>
        <source>No thumbnail for %1.</source>
        <extracomment>%1 the images, each with why it has none</extracomment>
        <translation>Pas de vignette pour %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n image(s) are not whole and were left out of the site, their pages showing no picture: %1.</source>
        <extracomment>%1 the images&apos; names</extracomment>
        <translation>
            <numerusform>%n image est incomplète et a été exclue du site ; sa page n&apos;affiche aucune image : %1.</numerusform>
            <numerusform>%n images sont incomplètes et ont été exclues du site ; leurs pages n&apos;affichent aucune image : %1.</numerusform>
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
        <translation>Arrêté</translation>
    </message>
    <message>
        <source>Failed</source>
        <extracomment>the status line&apos;s end: the run failed</extracomment>
        <translation>Échec</translation>
    </message>
    <message numerus="yes">
        <source>%n removed</source>
        <extracomment>the status line: files of an earlier run that were removed</extracomment>
        <translation>
            <numerusform>%n supprimé</numerusform>
            <numerusform>%n supprimés</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too large</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n trop grande</numerusform>
            <numerusform>%n trop grandes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n could not be decoded</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n non décodable</numerusform>
            <numerusform>%n non décodables</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n too slow to decode</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n trop lente à décoder</numerusform>
            <numerusform>%n trop lentes à décoder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n crashed the decoder</source>
        <extracomment>the status line: images shown without their pictures</extracomment>
        <translation>
            <numerusform>%n a planté le décodeur</numerusform>
            <numerusform>%n ont planté le décodeur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 pages were written and %2 left unchanged before the run stopped.</source>
        <extracomment>%n the pages written, %1 the pages of the whole run, %2 the pages left as they were</extracomment>
        <translation>
            <numerusform>%n page sur %1 a été écrite avant l&apos;arrêt du traitement ; pages laissées inchangées : %2.</numerusform>
            <numerusform>%n pages sur %1 ont été écrites avant l&apos;arrêt du traitement ; pages laissées inchangées : %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of %1 pages were written before the run stopped.</source>
        <extracomment>%n the pages written, %1 the pages of the whole run</extracomment>
        <translation>
            <numerusform>%n page sur %1 a été écrite avant l&apos;arrêt du traitement.</numerusform>
            <numerusform>%n pages sur %1 ont été écrites avant l&apos;arrêt du traitement.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 and %n more</source>
        <extracomment>%1 the names shown, %n how many more there are</extracomment>
        <translation>
            <numerusform>%1 et %n autre</numerusform>
            <numerusform>%1 et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%2 was not made by Tu_K and is left as it is; move it away or turn the index page off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the index page&apos;s file name</extracomment>
        <translation>%1%2 n&apos;a pas été créé par Tu_K et reste tel quel ; déplacez-le ou désactivez la page d&apos;index. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>%1%2 is not a folder, so the thumbnails have no place; move it away or turn the index page off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the thumbnails&apos; folder name</extracomment>
        <translation>%1%2 n&apos;est pas un dossier, les vignettes n&apos;ont donc pas de place ; déplacez-le ou désactivez la page d&apos;index. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>%1%2 is not a folder, so the screen-sized copies have no place; move it away or turn web-ready pages off. No page was written.</source>
        <extracomment>%1 the output folder, %2 the copies&apos; folder name</extracomment>
        <translation>%1%2 n&apos;est pas un dossier, les copies à la taille de l&apos;écran n&apos;ont donc pas de place ; déplacez-le ou désactivez les pages prêtes pour le web. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Cannot make the folder %1%2: %3.</source>
        <extracomment>%1%2 the folder, %3 the system&apos;s reason</extracomment>
        <translation>Impossible de créer le dossier %1%2 : %3.</translation>
    </message>
    <message>
        <source>Cannot open the folder %1%2: %3.</source>
        <extracomment>%1%2 the folder, %3 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;ouvrir le dossier %1%2 : %3.</translation>
    </message>
    <message>
        <source>Cannot write the site&apos;s record %1%2: %3.</source>
        <extracomment>%1%2 the record&apos;s file, %3 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire le registre du site %1%2 : %3.</translation>
    </message>
    <message>
        <source>%1 holds the site of %2, and a site holds the pages of one folder: choose another target folder, or remove that site. No page was written.</source>
        <extracomment>%1 the target folder, %2 the folder whose site it holds</extracomment>
        <translation>%1 contient le site de %2, et un site ne contient les pages que d&apos;un seul dossier : choisissez un autre dossier cible ou supprimez ce site. Aucune page n&apos;a été écrite.</translation>
    </message>
    <message>
        <source>Cannot write the screen-sized copy %1: %2.</source>
        <extracomment>%1 the picture&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire la copie à la taille de l&apos;écran %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot write the thumbnail %1: %2.</source>
        <extracomment>%1 the picture&apos;s file, %2 the system&apos;s reason</extracomment>
        <translation>Impossible d&apos;écrire la vignette %1 : %2.</translation>
    </message>
    <message>
        <source>Cannot read the image %1: %2.</source>
        <extracomment>%1 the image, %2 the reason</extracomment>
        <translation>Impossible de lire l&apos;image %1 : %2.</translation>
    </message>
    <message>
        <source>The image decoder %1 does not work: it does not answer.</source>
        <extracomment>%1 the decoder program</extracomment>
        <translation>Le décodeur d&apos;images %1 ne fonctionne pas : il ne répond pas.</translation>
    </message>
    <message>
        <source>The image decoder %1 does not work: it ended without answering (%2).</source>
        <extracomment>%1 the decoder program, %2 how it ended</extracomment>
        <translation>Le décodeur d&apos;images %1 ne fonctionne pas : il s&apos;est terminé sans répondre (%2).</translation>
    </message>
    <message>
        <source>Cannot start the image decoder %1: %2.</source>
        <extracomment>%1 the decoder program, %2 the system&apos;s reason</extracomment>
        <translation>Impossible de lancer le décodeur d&apos;images %1 : %2.</translation>
    </message>
    <message>
        <source>unknown</source>
        <extracomment>the name of a signal the system has no name for</extracomment>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>killed by signal %1, %2</source>
        <extracomment>how the image decoder ended: %1 the signal&apos;s number, %2 its name</extracomment>
        <translation>tué par le signal %1, %2</translation>
    </message>
    <message>
        <source>exit status %1</source>
        <extracomment>how the image decoder ended: %1 its exit status</extracomment>
        <translation>code de sortie %1</translation>
    </message>
    <message>
        <source>There are no images (%2) in %1 or its subfolders.</source>
        <extracomment>%1 the folder, %2 the names&apos; endings of images: &quot;.gif, .jpg, .jpeg&quot;</extracomment>
        <translation>Il n&apos;y a aucune image (%2) dans %1 ni dans ses sous-dossiers.</translation>
    </message>
    <message>
        <source>There are no images (%2) in %1.</source>
        <translation>Il n&apos;y a aucune image (%2) dans %1.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Type mismatch</source>
        <extracomment>why a stored setting is refused: its text is no number or flag</extracomment>
        <translation>Type incompatible</translation>
    </message>
    <message>
        <source>Overflow</source>
        <extracomment>why a stored setting is refused: its number is out of range</extracomment>
        <translation>Dépassement de capacité</translation>
    </message>
    <message>
        <source>Invalid property value</source>
        <extracomment>why a stored setting is refused: its value is not one the setting takes</extracomment>
        <translation>Valeur de propriété non valide</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>every name for a copy is taken</source>
        <extracomment>why a damaged settings file cannot be kept aside</extracomment>
        <translation>tous les noms de copie sont déjà pris</translation>
    </message>
    <message>
        <source>%1 is not a valid settings file and its content could not be kept aside (%2), so it is left as it is</source>
        <extracomment>%1 the settings file, %2 the reason</extracomment>
        <translation>%1 n&apos;est pas un fichier de réglages valide et son contenu n&apos;a pas pu être mis de côté (%2) ; il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>%1 is not a valid settings file and cannot be replaced (%2)</source>
        <extracomment>%1 the settings file, %2 the system&apos;s reason</extracomment>
        <translation>%1 n&apos;est pas un fichier de réglages valide et ne peut pas être remplacé (%2)</translation>
    </message>
    <message>
        <source>%1 could not be read, so it is left as it is</source>
        <translation>%1 n&apos;a pas pu être lu ; il est donc laissé tel quel</translation>
    </message>
    <message>
        <source>%1 could not be written (the reason is not known)</source>
        <translation>%1 n&apos;a pas pu être écrit (raison inconnue)</translation>
    </message>
    <message>
        <source>%1 cannot be read (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 ne peut pas être lu (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be reached (%2)</source>
        <extracomment>%1 the file, %2 the system&apos;s reason</extracomment>
        <translation>%1 est inaccessible (%2)</translation>
    </message>
    <message>
        <source>%1 is a folder, not a file</source>
        <translation>%1 est un dossier, pas un fichier</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1 cannot be created: %2</source>
        <extracomment>%1 the file, %2 why its folder cannot be made</extracomment>
        <translation>%1 ne peut pas être créé : %2</translation>
    </message>
</context>
<context>
    <name>Volumes</name>
    <message>
        <source>Not Existing Drive</source>
        <translation>Lecteur inexistant</translation>
    </message>
    <message>
        <source>Removable Disk</source>
        <translation>Disque amovible</translation>
    </message>
    <message>
        <source>Fixed Disk</source>
        <translation>Disque fixe</translation>
    </message>
    <message>
        <source>Remote Disk</source>
        <translation>Disque distant</translation>
    </message>
    <message>
        <source>CD-ROM</source>
        <translation>CD-ROM</translation>
    </message>
    <message>
        <source>RAM Disk</source>
        <translation>Disque RAM</translation>
    </message>
    <message>
        <source>Unknown Medium </source>
        <extracomment>a kind of drive the system does not tell; ends with a blank, as the other kinds do not</extracomment>
        <translation>Support inconnu </translation>
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
        <translation>Dossiers</translation>
    </message>
    <message>
        <source>Images of the folder</source>
        <translation>Images du dossier</translation>
    </message>
    <message>
        <source>Folder removed</source>
        <translation>Dossier supprimé</translation>
    </message>
    <message numerus="yes">
        <source>%n Images</source>
        <extracomment>The status bar&apos;s count of the images the chosen folder holds.</extracomment>
        <translation>
            <numerusform>%n image</numerusform>
            <numerusform>%n images</numerusform>
        </translation>
    </message>
    <message>
        <source>The page %1 no longer exists.</source>
        <extracomment>%1 is the path of the page View would open.</extracomment>
        <translation>La page %1 n&apos;existe plus.</translation>
    </message>
    <message>
        <source>No program could be started to show %1.</source>
        <extracomment>%1 is the path of the page View opens in the desktop&apos;s browser.</extracomment>
        <translation>Aucun programme n&apos;a pu être lancé pour afficher %1.</translation>
    </message>
    <message>
        <source>The settings file could not be read: %1. Tu_K starts with the default settings and leaves the file as it is.</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Le fichier de réglages n&apos;a pas pu être lu : %1. Tu_K démarre avec les réglages par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file, and its content could not be kept aside: %2. Tu_K starts with the default settings and leaves the file as it is.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the reason the system gives.</extracomment>
        <translation>Le fichier de réglages %1 n&apos;est pas un fichier de réglages valide, et son contenu n&apos;a pas pu être mis de côté : %2. Tu_K démarre avec les réglages par défaut et laisse le fichier tel quel.</translation>
    </message>
    <message>
        <source>The settings file %1 is not a valid settings file. Its content is kept in %2, and Tu_K starts with the default settings.</source>
        <extracomment>%1 is the settings file&apos;s path, %2 the path of the copy of its content.</extracomment>
        <translation>Le fichier de réglages %1 n&apos;est pas un fichier de réglages valide. Son contenu est conservé dans %2, et Tu_K démarre avec les réglages par défaut.</translation>
    </message>
    <message>
        <source>The settings were not saved: %1.</source>
        <extracomment>%1 is the reason the system gives.</extracomment>
        <translation>Les réglages n&apos;ont pas été enregistrés : %1.</translation>
    </message>
    <message>
        <source>%1 could not be made (the reason is not known)</source>
        <extracomment>Why the lock is missing; %1 is the lock file&apos;s path.</extracomment>
        <translation>%1 n&apos;a pas pu être créé (raison inconnue)</translation>
    </message>
    <message>
        <source>%1 is already running!</source>
        <extracomment>%1 is the program&apos;s name.</extracomment>
        <translation>%1 est déjà en cours d&apos;exécution !</translation>
    </message>
    <message>
        <source>Tu_K could not make the lock that keeps a second copy from starting: %1. It starts all the same.</source>
        <extracomment>%1 says why: a reason the system gives or a sentence of its own.</extracomment>
        <translation>Tu_K n&apos;a pas pu créer le verrou qui empêche le démarrage d&apos;une deuxième instance : %1. Il démarre quand même.</translation>
    </message>
    <message>
        <source>12.345 -- Stopped</source>
        <extracomment>A sample that sets the narrowest width of the run&apos;s status panel: the end of a stopped run&apos;s status text, with the word the run&apos;s status uses for Stopped.</extracomment>
        <translation>12.345 -- Arrêté</translation>
    </message>
    <message>
        <source>Progress of the run</source>
        <translation>Progression du traitement</translation>
    </message>
    <message>
        <source>Stop</source>
        <extracomment>The button that stops a run.</extracomment>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stop the run</source>
        <translation>Arrêter le traitement</translation>
    </message>
    <message>
        <source>Stop after the current page or thumbnail (Esc)</source>
        <translation>Arrêter après la page ou la vignette en cours (Échap)</translation>
    </message>
    <message>
        <source>Load Default Values?</source>
        <translation>Charger les valeurs par défaut ?</translation>
    </message>
    <message>
        <source>Pick a folder for storing HTML&apos;s of remote images.
Clic Cancel to keep %1</source>
        <extracomment>The prompt of the folder chooser; %1 is the target folder as it is now.</extracomment>
        <translation>Choisissez un dossier où enregistrer les pages HTML des images distantes.
Cliquez sur Annuler pour garder %1</translation>
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
        <translation>TU_K :: du HTML à partir d&apos;images !</translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: its name is not UTF-8 text.</source>
        <translation>Tu_K ne peut pas ouvrir le dossier %1 : son nom n&apos;est pas du texte UTF-8.</translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: it is not a folder.</source>
        <translation>Tu_K ne peut pas ouvrir le dossier %1 : ce n&apos;est pas un dossier.</translation>
    </message>
    <message>
        <source>Tu_K cannot open the folder %1: %2.</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason.</extracomment>
        <translation>Tu_K ne peut pas ouvrir le dossier %1 : %2.</translation>
    </message>
    <message>
        <source>Set folder for remote images</source>
        <translation>Choisir le dossier des images distantes</translation>
    </message>
    <message>
        <source>Close TU_K</source>
        <translation>Fermer TU_K</translation>
    </message>
    <message>
        <source>Refresh file list</source>
        <translation>Actualiser la liste des fichiers</translation>
    </message>
    <message>
        <source>Copy body to clipboard</source>
        <translation>Copier le BODY dans le presse-papiers</translation>
    </message>
    <message>
        <source>Save settings</source>
        <translation>Enregistrer les réglages</translation>
    </message>
    <message>
        <source>Load default settings</source>
        <translation>Charger les réglages par défaut</translation>
    </message>
    <message>
        <source>Make HTML&apos;s</source>
        <translation>Créer les pages HTML</translation>
    </message>
    <message>
        <source>View HTML&apos;s</source>
        <translation>Voir les pages HTML</translation>
    </message>
    <message>
        <source>About TU_K</source>
        <translation>À propos de TU_K</translation>
    </message>
    <message>
        <source>Set folder for remote images: %1 (%2)</source>
        <extracomment>The target button&apos;s tooltip; %1 is the target folder, %2 the button&apos;s shortcut.</extracomment>
        <translation>Choisir le dossier des images distantes : %1 (%2)</translation>
    </message>
    <message>
        <source>Set folder for remote images - Current: %1 (%2)</source>
        <extracomment>The target button&apos;s tooltip once the user has picked a target folder; %1 is the folder, %2 the button&apos;s shortcut.</extracomment>
        <translation>Choisir le dossier des images distantes - Actuel : %1 (%2)</translation>
    </message>
    <message>
        <source>Floppy (%1)</source>
        <extracomment>A removable volume&apos;s node in the folder tree; %1 is where it is mounted.</extracomment>
        <translation>Disquette (%1)</translation>
    </message>
    <message>
        <source>Desktop</source>
        <extracomment>The folder tree&apos;s top node.</extracomment>
        <translation>Bureau</translation>
    </message>
    <message>
        <source>Local PC</source>
        <extracomment>The folder tree&apos;s node of this computer, above its volumes.</extracomment>
        <translation>Ordinateur local</translation>
    </message>
    <message>
        <source>C&amp;enter</source>
        <translation>&amp;Centrer</translation>
    </message>
    <message>
        <source>Center Body</source>
        <translation>Centrer le contenu de la page</translation>
    </message>
    <message>
        <source>B&amp;old</source>
        <translation>&amp;Gras</translation>
    </message>
    <message>
        <source>Set font BOLD</source>
        <translation>Police en GRAS</translation>
    </message>
    <message>
        <source>&amp;Italic</source>
        <translation>&amp;Italique</translation>
    </message>
    <message>
        <source>Set font ITALIC</source>
        <translation>Police en ITALIQUE</translation>
    </message>
    <message>
        <source>Lin&amp;ks</source>
        <translation>Lien&amp;s</translation>
    </message>
    <message>
        <source>Include links to other images in current folder</source>
        <translation>Inclure des liens vers les autres images du dossier actuel</translation>
    </message>
    <message>
        <source>&amp;Folder</source>
        <translation>D&amp;ossier</translation>
    </message>
    <message>
        <source>Include folder name</source>
        <translation>Inclure le nom du dossier</translation>
    </message>
    <message>
        <source>&amp;Date</source>
        <translation>&amp;Date</translation>
    </message>
    <message>
        <source>Include image date</source>
        <translation>Inclure la date de l&apos;image</translation>
    </message>
    <message>
        <source>Si&amp;ze</source>
        <translation>Taill&amp;e</translation>
    </message>
    <message>
        <source>Include image size (kb)</source>
        <translation>Inclure la taille de l&apos;image (Ko)</translation>
    </message>
    <message>
        <source>Bk&amp;Grnd</source>
        <translation>Fo&amp;nd</translation>
    </message>
    <message>
        <source>Set image as HTML background</source>
        <translation>Utiliser l&apos;image comme arrière-plan HTML</translation>
    </message>
    <message>
        <source>Te&amp;xt</source>
        <translation>Te&amp;xte</translation>
    </message>
    <message>
        <source>Include sample text for testing background</source>
        <translation>Inclure un texte d&apos;exemple pour tester l&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Cop&amp;yr</source>
        <translation>Cop&amp;yr</translation>
    </message>
    <message>
        <source>Include copyright line</source>
        <translation>Inclure une ligne de copyright</translation>
    </message>
    <message>
        <source>BLACK</source>
        <translation>NOIR</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLEU</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERT</translation>
    </message>
    <message>
        <source>CYAN</source>
        <translation>CYAN</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>MAGENTA</source>
        <translation>MAGENTA</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>JAUNE</translation>
    </message>
    <message>
        <source>WHITE</source>
        <translation>BLANC</translation>
    </message>
    <message>
        <source>GRAY</source>
        <translation>GRIS</translation>
    </message>
    <message>
        <source>LT BLUE</source>
        <translation>BLEU CLAIR</translation>
    </message>
    <message>
        <source>LT GREEN</source>
        <translation>VERT CLAIR</translation>
    </message>
    <message>
        <source>LT CYAN</source>
        <translation>CYAN CLAIR</translation>
    </message>
    <message>
        <source>LT RED</source>
        <translation>ROUGE CLAIR</translation>
    </message>
    <message>
        <source>LT MAGENTA</source>
        <translation>MAGENTA CLAIR</translation>
    </message>
    <message>
        <source>LT YELLOW</source>
        <translation>JAUNE CLAIR</translation>
    </message>
    <message>
        <source>LT WHITE</source>
        <translation>BLANC VIF</translation>
    </message>
    <message>
        <source>&amp;B</source>
        <extracomment>The option of the background colour shows only its accelerator letter.</extracomment>
        <translation>&amp;P</translation>
    </message>
    <message>
        <source>Background colour</source>
        <translation>Couleur d&apos;arrière-plan</translation>
    </message>
    <message>
        <source>Set BACKGROUND color</source>
        <translation>Choisir la couleur d&apos;ARRIÈRE-PLAN</translation>
    </message>
    <message>
        <source>&amp;T</source>
        <extracomment>The option of the text colour shows only its accelerator letter.</extracomment>
        <translation>&amp;T</translation>
    </message>
    <message>
        <source>Text colour</source>
        <translation>Couleur du texte</translation>
    </message>
    <message>
        <source>Set TEXT color</source>
        <translation>Choisir la couleur du TEXTE</translation>
    </message>
    <message>
        <source>Normal Text</source>
        <translation>Texte normal</translation>
    </message>
    <message>
        <source>&amp;L</source>
        <extracomment>The option of the colour of links shows only its accelerator letter.</extracomment>
        <translation>&amp;L</translation>
    </message>
    <message>
        <source>Link colour</source>
        <translation>Couleur des liens</translation>
    </message>
    <message>
        <source>Set LINK color</source>
        <translation>Choisir la couleur des LIENS</translation>
    </message>
    <message>
        <source>Link to Visit</source>
        <translation>Lien à visiter</translation>
    </message>
    <message>
        <source>&amp;V</source>
        <extracomment>The option of the colour of visited links shows only its accelerator letter.</extracomment>
        <translation>&amp;V</translation>
    </message>
    <message>
        <source>Visited link colour</source>
        <translation>Couleur des liens visités</translation>
    </message>
    <message>
        <source>Set VISITED LINK color</source>
        <translation>Choisir la couleur des LIENS VISITÉS</translation>
    </message>
    <message>
        <source>Visited Link</source>
        <translation>Lien visité</translation>
    </message>
    <message>
        <source>&amp;A</source>
        <extracomment>The option of the colour of active links shows only its accelerator letter.</extracomment>
        <translation>&amp;A</translation>
    </message>
    <message>
        <source>Active link colour</source>
        <translation>Couleur des liens actifs</translation>
    </message>
    <message>
        <source>Set ACTIVE LINK color</source>
        <translation>Choisir la couleur des LIENS ACTIFS</translation>
    </message>
    <message>
        <source>Active Link</source>
        <translation>Lien actif</translation>
    </message>
    <message>
        <source>R</source>
        <extracomment>The letter beside the bar of the red part of a colour.</extracomment>
        <translation>R</translation>
    </message>
    <message>
        <source>Red</source>
        <translation>Rouge</translation>
    </message>
    <message>
        <source>RED value</source>
        <translation>Valeur du ROUGE</translation>
    </message>
    <message>
        <source>G</source>
        <extracomment>The letter beside the bar of the green part of a colour.</extracomment>
        <translation>V</translation>
    </message>
    <message>
        <source>Green</source>
        <translation>Vert</translation>
    </message>
    <message>
        <source>GREEN value</source>
        <translation>Valeur du VERT</translation>
    </message>
    <message>
        <source>B</source>
        <extracomment>The letter beside the bar of the blue part of a colour.</extracomment>
        <translation>B</translation>
    </message>
    <message>
        <source>Blue</source>
        <translation>Bleu</translation>
    </message>
    <message>
        <source>BLUE value</source>
        <translation>Valeur du BLEU</translation>
    </message>
    <message>
        <source>Colors</source>
        <extracomment>The caption of the frame of the page&apos;s colours.</extracomment>
        <translation>Couleurs</translation>
    </message>
    <message>
        <source>Preset colours</source>
        <translation>Couleurs prédéfinies</translation>
    </message>
    <message>
        <source>PreSet</source>
        <extracomment>The label beside the swatches of the preset colours.</extracomment>
        <translation>Prédéf.</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>Aperçu</translation>
    </message>
    <message>
        <source>Current BODY string</source>
        <translation>Chaîne BODY actuelle</translation>
    </message>
    <message>
        <source>Click to pick %1</source>
        <extracomment>%1 is the name of a preset colour, as BLACK or LT BLUE.</extracomment>
        <translation>Cliquer pour choisir %1</translation>
    </message>
    <message>
        <source>Preset: %1</source>
        <extracomment>The name of a preset colour&apos;s swatch for screen readers; %1 is the colour&apos;s name.</extracomment>
        <translation>Couleur prédéfinie : %1</translation>
    </message>
    <message>
        <source>Text</source>
        <extracomment>The caption of the frame of the font options.</extracomment>
        <translation>Texte</translation>
    </message>
    <message>
        <source>Page</source>
        <extracomment>The caption of the frame of the options for what a page holds.</extracomment>
        <translation>Page</translation>
    </message>
    <message>
        <source>Set HTML font</source>
        <translation>Choisir la police HTML</translation>
    </message>
    <message>
        <source>Font face</source>
        <translation>Police</translation>
    </message>
    <message>
        <source>HTML font size</source>
        <translation>Taille de police HTML</translation>
    </message>
    <message>
        <source>Font size</source>
        <translation>Taille de police</translation>
    </message>
    <message>
        <source>Later starts of Tu_K cannot hand their folders to this window: %1. This window works all the same.</source>
        <extracomment>%1 is the socket&apos;s path and the reason the system gives.</extracomment>
        <translation>Les lancements suivants de Tu_K ne peuvent pas confier leurs dossiers à cette fenêtre : %1. Cette fenêtre fonctionne tout de même.</translation>
    </message>
</context>
<context>
    <name>tu_k</name>
    <message>
        <source>Usage: tu_k [options] [FOLDER]</source>
        <extracomment>FOLDER is the argument&apos;s name: keep it as it is.</extracomment>
        <translation>Utilisation : tu_k [options] [FOLDER]</translation>
    </message>
    <message>
        <source>Opens the Tu_K window, which turns a folder of images into static web pages.
FOLDER, a path or a file:// address, is chosen in the folder tree at start;
when Tu_K runs already, its window takes FOLDER and comes to the front.</source>
        <extracomment>FOLDER is the argument&apos;s name: keep it as it is.</extracomment>
        <translation>Ouvre la fenêtre de Tu_K, qui fait d&apos;un dossier d&apos;images des pages web
statiques. FOLDER (chemin ou adresse file://) est choisi dans l&apos;arborescence au
démarrage ; si Tu_K est déjà lancé, sa fenêtre prend FOLDER et passe au premier
plan.</translation>
    </message>
    <message>
        <source>Options:</source>
        <translation>Options :</translation>
    </message>
    <message>
        <source>Displays help on commandline options.</source>
        <translation>Affiche l&apos;aide sur les options de la ligne de commande.</translation>
    </message>
    <message>
        <source>Displays version information.</source>
        <translation>Affiche les informations de version.</translation>
    </message>
    <message>
        <source>Qt&apos;s own options (-style NAME, -platform NAME, ...) are taken as well.</source>
        <translation>Les options propres à Qt (-style NOM, -platform NOM, ...) sont aussi acceptées.</translation>
    </message>
    <message>
        <source>Arguments:</source>
        <translation>Arguments :</translation>
    </message>
    <message>
        <source>The folder to choose.</source>
        <translation>Le dossier à choisir.</translation>
    </message>
    <message>
        <source>Unknown option &apos;%1&apos;. (see tu_k --help)</source>
        <translation>Option inconnue « %1 ». (voir tu_k --help)</translation>
    </message>
    <message>
        <source>%1 needs a value. (see tu_k --help)</source>
        <translation>%1 requiert une valeur. (voir tu_k --help)</translation>
    </message>
    <message>
        <source>give at most one folder. (see tu_k --help)</source>
        <translation>indiquez au plus un dossier. (voir tu_k --help)</translation>
    </message>
</context>
<context>
    <name>tu_k-make</name>
    <message>
        <source>Make the pages of every folder below FOLDER too, whatever the saved choice.</source>
        <translation>Créer aussi les pages de chaque dossier sous FOLDER, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make the pages of FOLDER alone, whatever the saved choice.</source>
        <translation>Créer les pages de FOLDER seul, quel que soit le choix enregistré.</translation>
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
        <translation>impossible de savoir où mène le chemin relatif %1 : le dossier courant est introuvable (%2) ; indiquez un chemin complet</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>the folder %1 does not exist</source>
        <translation>le dossier %1 n&apos;existe pas</translation>
    </message>
    <message>
        <source>the folder %1 cannot be read: %2</source>
        <extracomment>%1 is the folder, %2 the system&apos;s reason.</extracomment>
        <translation>le dossier %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: not a regular file</source>
        <translation>le fichier de réglages %1 ne peut pas être lu : ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the settings file %1 cannot be read: %2</source>
        <extracomment>%1 is the settings file, %2 the system&apos;s reason.</extracomment>
        <translation>le fichier de réglages %1 ne peut pas être lu : %2</translation>
    </message>
    <message>
        <source>Longest edge of a thumbnail in pixels, %1 to %2 (default %3).</source>
        <extracomment>%1 and %2 are the smallest and largest size, %3 the default one.</extracomment>
        <translation>Plus grand côté d&apos;une vignette en pixels, de %1 à %2 (par défaut %3).</translation>
    </message>
    <message>
        <source>Longest edge of a web-ready page&apos;s picture in pixels, %1 to %2 (default: the saved size, else %3).</source>
        <extracomment>%1 and %2 are the smallest and largest size, %3 the default one.</extracomment>
        <translation>Plus grand côté de l&apos;image d&apos;une page prête pour le web en pixels, de %1 à %2 (par défaut : la taille enregistrée, sinon %3).</translation>
    </message>
    <message>
        <source>Target folder for this run, instead of the saved one.</source>
        <translation>Dossier cible pour ce traitement, au lieu de celui enregistré.</translation>
    </message>
    <message>
        <source>Make a site in DIR: a folder named after FOLDER that holds the pages and everything they show, with relative links, whatever volume FOLDER is on.</source>
        <extracomment>DIR and FOLDER are the names of the option&apos;s value and of the argument.</extracomment>
        <translation>Créer un site dans DIR : un dossier nommé d&apos;après FOLDER qui contient les pages et tout ce qu&apos;elles affichent, avec des liens relatifs, quel que soit le volume où se trouve FOLDER.</translation>
    </message>
    <message>
        <source>Put the pages where they go without a site, whatever the saved choice.</source>
        <translation>Placer les pages à leur emplacement habituel, sans site, quel que soit le choix enregistré.</translation>
    </message>
    <message>
        <source>Make the pages without asking.</source>
        <translation>Créer les pages sans demander.</translation>
    </message>
    <message>
        <source>Show neither the progress, the final status nor notes.</source>
        <translation>N&apos;afficher ni la progression, ni l&apos;état final, ni les remarques.</translation>
    </message>
    <message>
        <source>The folder whose images get pages.</source>
        <translation>Le dossier dont les images reçoivent des pages.</translation>
    </message>
    <message>
        <source>give either --%1 or --%2, not both</source>
        <extracomment>%1 and %2 are an option&apos;s name and its opposite&apos;s, such as index and no-index.</extracomment>
        <translation>indiquez soit --%1 soit --%2, pas les deux</translation>
    </message>
    <message>
        <source>--%1 needs a whole number from %2 to %3, not &quot;%4&quot;</source>
        <extracomment>%1 is the option&apos;s name, %2 to %3 the sizes it takes, %4 what was given.</extracomment>
        <translation>--%1 requiert un nombre entier de %2 à %3, pas « %4 »</translation>
    </message>
    <message>
        <source>give either --target or --into, not both</source>
        <translation>indiquez soit --target soit --into, pas les deux</translation>
    </message>
    <message>
        <source>give either --into or --no-into, not both</source>
        <translation>indiquez soit --into soit --no-into, pas les deux</translation>
    </message>
    <message>
        <source>--%1 needs a folder</source>
        <extracomment>%1 is the option&apos;s name, target or into.</extracomment>
        <translation>--%1 requiert un dossier</translation>
    </message>
    <message>
        <source>%1 (see tu_k-make --help)</source>
        <extracomment>%1 is why the command line is refused, a sentence of Qt&apos;s.</extracomment>
        <translation>%1 (voir tu_k-make --help)</translation>
    </message>
    <message>
        <source>give exactly one folder (see tu_k-make --help)</source>
        <translation>indiquez exactement un dossier (voir tu_k-make --help)</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>A whole word that answers yes to the question, as its first letter in [y/N] does.</extracomment>
        <translation>oui</translation>
    </message>
    <message>
        <source>[y/N]</source>
        <extracomment>The answers offered after a question: the first letter answers yes; the capital one, also what an empty answer means, no. Keep the brackets and the slash.</extracomment>
        <translation>[o/N]</translation>
    </message>
    <message>
        <source>signal %1 cannot be caught (%2); it ends the program at once</source>
        <extracomment>%1 is the signal&apos;s number, %2 the system&apos;s reason.</extracomment>
        <translation>le signal %1 ne peut pas être intercepté (%2) ; il met fin au programme immédiatement</translation>
    </message>
    <message>
        <source>%1 is not a valid settings file</source>
        <translation>%1 n&apos;est pas un fichier de réglages valide</translation>
    </message>
    <message>
        <source>the settings file %1 holds a value that does not convert: %2</source>
        <extracomment>%1 is the settings file, %2 the value and why it does not convert.</extracomment>
        <translation>le fichier de réglages %1 contient une valeur qui ne peut pas être convertie : %2</translation>
    </message>
    <message>
        <source>the target folder %1 has a name that is not UTF-8; choose another</source>
        <translation>le dossier cible %1 a un nom qui n&apos;est pas en UTF-8 ; choisissez-en un autre</translation>
    </message>
    <message>
        <source>--target has no effect: %1 is on a fixed disk, so its pages go next to its images</source>
        <extracomment>%1 is the folder whose pages are made.</extracomment>
        <translation>--target est sans effet : %1 est sur un disque fixe, ses pages vont donc à côté de ses images</translation>
    </message>
    <message>
        <source>nothing was made</source>
        <translation>rien n&apos;a été créé</translation>
    </message>
    <message>
        <source>signal %1 could not end the program</source>
        <extracomment>%1 is the number of the signal that stopped the run.</extracomment>
        <translation>le signal %1 n&apos;a pas pu mettre fin au programme</translation>
    </message>
    <message>
        <source>a file size limit would end the program at once</source>
        <translation>une limite de taille de fichier mettrait fin au programme immédiatement</translation>
    </message>
    <message>
        <source>Makes one web page per image (%1) of FOLDER, and with -r of every
folder below it, with the page options saved by Tu_K. Pages of a folder on a fixed
disk go next to its images; pages of a folder on any other volume go to the target
folder. With --into (or the saved Pages into Target Folder) they make a site there:
a folder you can copy or upload as it is.</source>
        <extracomment>FOLDER is the argument&apos;s name in the usage line: keep it as it is. %1 the names&apos; endings of images: &quot;.gif, .jpg, .jpeg&quot;</extracomment>
        <translation>Crée une page web par image (%1) de FOLDER et, avec -r, de
chaque dossier en dessous, avec les options de page enregistrées par Tu_K. Les
pages d&apos;un dossier sur un disque fixe vont à côté de ses images ; celles d&apos;un
dossier sur un autre volume vont dans le dossier cible. Avec --into (ou le
réglage Pages dans le dossier cible), elles forment un site : un dossier à
copier ou publier tel quel.</translation>
    </message>
</context>
</TS>
