<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
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
</context>
</TS>
