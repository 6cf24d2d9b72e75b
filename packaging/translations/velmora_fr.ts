<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_FR">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli&#xa0;: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Pour effacer ce qui reste&#xa0;: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Pour le relancer&#xa0;: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Effacement de l&apos;espace libre de %1, où d&apos;anciennes copies de ce qui a été effacé peuvent subsister…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify et --crypto-erase ne vont qu&apos;avec drive</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash ne va qu&apos;avec erase</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize et --then-overwrite ne vont qu&apos;avec drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite suit --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize et --crypto-erase ne vont pas ensemble&#xa0;: l&apos;effacement cryptographique propre du disque est --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize n&apos;écrase rien&#xa0;: --method va avec --then-overwrite</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample et --verify=full ne vont qu&apos;avec drive&#xa0;; --verify relit la dernière passe</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= et --no-verify se contredisent</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format ne va qu&apos;avec drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label nomme ce que --format crée</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace ne suit que erase</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Essayez «&#xa0;velmora-cli --help&#xa0;».</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= ne nomme aucune action</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= prend sample ou full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>commande inconnue %1&#xa0;; les commandes sont erase, wipe, freespace, drive, drives, schedule, check-report, volumes et reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 se trouve dans ce qui doit être effacé&#xa0;; rien n&apos;a été effacé</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>une autre tâche Velmora travaille sur %1&#xa0;; rien n&apos;a été effacé. Lancez celle-ci quand elle sera terminée.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 travaille sur %2&#xa0;; rien n&apos;a été effacé. Lancez celle-ci quand elle sera terminée.</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 n&apos;est pas un périphérique bloc</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>effacer un disque entier demande les droits d&apos;administrateur&#xa0;: lancez-le en root (sudo)</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>action inconnue %1&#xa0;; les actions sont crypto-erase, block-erase, format-crypto, format-erase et overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1&#xa0;: aucun effacement propre à envoyer&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 a besoin d&apos;un chemin</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>les chemins n&apos;ont pas pu être lus sur la ligne de commande</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>La Corbeille est vide&#xa0;; rien à effacer.
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root passe outre.)</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 prend un seul point de montage</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>un chemin vide a été donné&#xa0;; %1 prend le point de montage du volume</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 prend le point de montage du volume en chemin absolu, pas %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 n&apos;est pas le point de montage d&apos;un volume</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>impossible de lire l&apos;espace de %1</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>système de fichiers inconnu %1&#xa0;; --format prend exfat, fat32 ou ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format prend un disque entier&#xa0;: %1 est une partition</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive prend un seul périphérique bloc, par exemple /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli&#xa0;: %1 cache %n secteur dans une zone protégée (HPA)&#xa0;: elle est ouverte pour l&apos;effacement et écrasée aussi.
</numerusform>
            <numerusform>velmora-cli&#xa0;: %1 cache %n secteurs dans une zone protégée (HPA)&#xa0;: elle est ouverte pour l&apos;effacement et écrasée aussi.
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli&#xa0;: avertissement&#xa0;: %1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 ne contient aucun conteneur LUKS&#xa0;; --crypto-erase en demande un</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>l&apos;en-tête LUKS de %1 est illisible (%2)&#xa0;; effacez le disque entier sans --crypto-erase</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes ne prend que --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports ne prend que --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Aucune tâche n&apos;a encore été lancée&#xa0;: le résultat de chacune est conservé dans %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives ne prend que --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>partitions&#xa0;: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inactif</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>Aucun effacement n&apos;est planifié.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>systemd ne tourne pas ici&#xa0;: les minuteries sont écrites mais inactives.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove prend le nom que list affiche</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 supprimé.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule prend add, list ou remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add prend trash, ou freespace et un point de montage</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>%1 planifié comme %2 dans %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (inactif&#xa0;: systemd ne le lance pas ici)</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report prend un seul résultat JSON</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>ce n&apos;est pas un résultat JSON (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>valide, signé par la clé %1
</translation>
    </message>
    <message>
        <source>Erases files and folders, a whole mounted volume, or a volume&apos;s free space beyond recovery.

Commands:
  erase PATH...          overwrite and remove files and folders
  wipe MOUNTPOINT        overwrite everything on a mounted volume
  freespace MOUNTPOINT   overwrite the free space of a mounted volume
  schedule add trash|freespace [MOUNTPOINT] [--every weekly|monthly]
  schedule list | schedule remove NAME
                         run a free-space wipe or an erase of the Trash by itself
  check-report FILE.json [--key FINGERPRINT]
                         tell whether an outcome is as it was signed
  volumes [--json]       list the mounted volumes and the medium beneath each
  drive DEVICE...        overwrite every sector of whole drives or partitions,
                         several at once
  drives [--json]        list the drives and partitions, and why one is refused
  reports [--json]       list every job&apos;s kept outcome and report, newest first</source>
        <translation>Efface sans récupération possible des fichiers et dossiers, un volume monté entier, ou l&apos;espace libre d&apos;un volume.

Commandes&#xa0;:
  erase CHEMIN...        écraser et supprimer des fichiers et dossiers
  wipe POINTDEMONTAGE    écraser tout le contenu d&apos;un volume monté
  freespace POINTDEMONTAGE
                         écraser l&apos;espace libre d&apos;un volume monté
  schedule add trash|freespace [POINTDEMONTAGE] [--every weekly|monthly]
  schedule list | schedule remove NOM
                         lancer tout seul un effacement de l&apos;espace libre ou de la Corbeille
  check-report FICHIER.json [--key EMPREINTE]
                         dire si un résultat est tel qu&apos;il a été signé
  volumes [--json]       lister les volumes montés et le support sous chacun
  drive PÉRIPHÉRIQUE...  écraser chaque secteur de disques entiers ou de partitions,
                         plusieurs à la fois
  drives [--json]        lister les disques et partitions, et pourquoi l&apos;un est refusé
  reports [--json]       lister le résultat et le rapport conservés de chaque tâche, du plus récent au plus ancien</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Méthode d&apos;effacement&#xa0;: NIST, DoD, British, German ou Gutmann (NIST par défaut).</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Relire la dernière passe et la comparer&#xa0;; pour un disque, --verify=sample ne relit que des blocs échantillonnés sur tout le disque.</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>Ne rien demander&#xa0;; pour les scripts. Sans cette option, un terminal doit répondre.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>N&apos;afficher que les problèmes.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Écrire le résultat en JSON dans FICHIER.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Écrire le rapport d&apos;effacement en PDF dans FICHIER.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Lister les méthodes d&apos;effacement.</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Permettre d&apos;effacer /, les dossiers du système et les dossiers personnels (jamais des périphériques).</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase&#xa0;: laisser en place les miniatures, les entrées des fichiers récents, les fiches de la Corbeille et les copies d&apos;éditeur des fichiers effacés.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase&#xa0;: ajouter aux chemins tout ce qui est dans la Corbeille (celle du dossier personnel et celle de chaque volume).</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add&#xa0;: weekly (par défaut) ou monthly.</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report&#xa0;: l&apos;empreinte (SHA256:…) de la clé avec laquelle le rapport doit être signé.</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>Le rapport&#xa0;: qui a effacé (aussi dans report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>Le rapport&#xa0;: pour quelle organisation.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>Le rapport&#xa0;: où.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>Le rapport&#xa0;: comment joindre qui a effacé.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>Le rapport&#xa0;: le numéro d&apos;inventaire du support.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>Le rapport&#xa0;: où va le support ensuite (réemploi, vente, destruction).</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive&#xa0;: ne pas relire la dernière passe.</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive&#xa0;: une fois effacé, le rendre de nouveau utilisable&#xa0;: une nouvelle table de partitions avec une partition et un système de fichiers exfat, fat32 ou ext4 vide.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format&#xa0;: le nom (étiquette) du nouveau système de fichiers.</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive&#xa0;: ouvrir une zone protégée (HPA) pour l&apos;effacement, jusqu&apos;à la prochaine mise hors tension du disque, et écraser aussi ce qu&apos;elle cache.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive&#xa0;: détruire les clés du conteneur LUKS qu&apos;il contient&#xa0;; avec --method, l&apos;écraser ensuite aussi.</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive&#xa0;: envoyer au disque son propre effacement, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) ou, sans action, le plus fort qu&apos;il propose&#xa0;; des blocs échantillonnés sur tout le disque sont vérifiés ensuite.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize&#xa0;: l&apos;écraser ensuite aussi une fois, et relire cette passe.</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase&#xa0;: effacer ensuite l&apos;espace libre de chaque volume où se trouvaient les fichiers, ce qui atteint les anciennes copies qu&apos;un volume à copie sur écriture conserve.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report ou reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>Fichiers et dossiers, ou le point de montage du volume.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>méthode inconnue %1&#xa0;; velmora-cli --methods les liste</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json et --report prennent un nom de fichier</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>aucune commande&#xa0;; essayez «&#xa0;velmora-cli --help&#xa0;»</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, des blocs échantillonnés sur tout le disque relus</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, la dernière passe relue</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>Ceci va détruire définitivement, sans récupération possible&#xa0;:
  %1
Méthode&#xa0;: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … et %n autre
</numerusform>
            <numerusform>  … et %n autres
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>puis l&apos;espace libre des volumes où ils se trouvent
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>Ceci va détruire définitivement, sans récupération possible, %n disque&#xa0;:%1
Méthode&#xa0;: %2%3
</numerusform>
            <numerusform>Ceci va détruire définitivement, sans récupération possible, %n disques à la fois&#xa0;:%1
Méthode&#xa0;: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>rien n&apos;a été effacé&#xa0;: aucun terminal pour confirmer&#xa0;; passez --yes pour confirmer depuis un script</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Tapez le mot anglais Erase pour confirmer&#xa0;: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>annulé&#xa0;; rien n&apos;a été effacé</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Arrêt&#xa0;: attente de la fin de l&apos;écriture en cours sur le périphérique (Ctrl-C à nouveau quitte aussitôt)…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>%1 %2 ne peut pas être écrit (%3)&#xa0;; rien n&apos;a été effacé</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>le résultat JSON n&apos;a pas pu être signé&#xa0;: %1&#xa0;; rien n&apos;a été effacé</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli&#xa0;: le résultat JSON n&apos;est pas signé&#xa0;: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>le résultat JSON n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>le rapport n&apos;a pas pu être écrit dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli&#xa0;: pas effacé de façon sûre&#xa0;: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli&#xa0;: … et %1 autres pas effacés de façon sûre
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli&#xa0;: avertissement&#xa0;: le résultat n&apos;a pas pu être conservé&#xa0;: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>ses fichiers de résultat n&apos;ont pas pu être écrits</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>avec plusieurs disques, %1 nomme un dossier, où va le fichier de chaque disque</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Disque	Numéro de série	État
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 ne répond pas (un serveur réseau disparu, ou un pilote bloqué) ; rien n&apos;a été effacé</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 est un lien créé par un autre utilisateur ; nommez le dossier lui-même</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;Ceci va supprimer définitivement les fichiers sélectionnés. &lt;br/&gt;Tapez le mot anglais &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; pour continuer&#xa0;:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmer</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>Tapez «&#xa0;Erase&#xa0;» </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Tapez le mot anglais «&#xa0;%1&#xa0;» pour continuer&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… et %n autre</numerusform>
            <numerusform>… et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Méthode&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>Sur la mémoire flash, les cellules que le disque a réaffectées sont hors de portée de l&apos;ordinateur&#xa0;; seule la commande d&apos;assainissement propre au disque les atteint.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), par l&apos;effacement propre du disque&#xa0;: %1 est terminé, et aucun bloc échantillonné sur tout le disque avant et après ne se lit comme avant.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), par effacement cryptographique&#xa0;: chaque emplacement de clé et les deux en-têtes du conteneur %1 ont été écrasés. Cela vaut si les données n&apos;ont jamais été écrites qu&apos;à travers le chiffrement et qu&apos;aucune copie de l&apos;en-tête n&apos;existe ailleurs.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88)&#xa0;: chaque secteur adressable a été écrasé, et des blocs échantillonnés sur tout le disque ont été relus (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88)&#xa0;: chaque secteur adressable a été écrasé et la dernière passe relue.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88)&#xa0;: chaque secteur adressable a été écrasé&#xa0;; la dernière passe n&apos;a pas été relue.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88)&#xa0;: l&apos;effacement ne s&apos;est pas terminé.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Ni Clear ni Purge (NIST SP 800-88)&#xa0;: %n secteur n&apos;a pas pu être écrit ou relu et peut encore contenir ce qui s&apos;y trouvait. Détruisez physiquement le disque.</numerusform>
            <numerusform>Ni Clear ni Purge (NIST SP 800-88)&#xa0;: %n secteurs n&apos;ont pas pu être écrits ou relus et peuvent encore contenir ce qui s&apos;y trouvait. Détruisez physiquement le disque.</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>Ce disque contient le système en cours d&apos;exécution et ne peut pas être effacé.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>Ce disque contient votre dossier personnel et ne peut pas être effacé.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Cette partition se trouve sur le disque du système en cours d&apos;exécution et ne peut pas être effacée.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Cette partition se trouve sur le disque de votre dossier personnel et ne peut pas être effacée.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Un volume de ce disque est monté (%1)&#xa0;: démontez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>Ce disque contient une partition d&apos;échange active (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Ce disque est utilisé par %1 (un volume chiffré ouvert, RAID ou LVM)&#xa0;: fermez-le d&apos;abord.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Ce disque est tenu ouvert par %1&#xa0;: arrêtez d&apos;abord ce qui l&apos;utilise.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Ce disque est en lecture seule.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Système en cours</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Dossier personnel</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Disque du système</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Disque du dossier personnel</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Monté&#xa0;: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Échange utilisé</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Utilisé par %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Tenu ouvert par %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Lecture seule</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 est utilisé (un volume monté, un mappage, une partition d&apos;échange ou un autre programme le tient)&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 est en lecture seule&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Effacer un disque entier demande les droits d&apos;administrateur&#xa0;: rien n&apos;a été écrit sur %1.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ %1 ne peut pas être ouvert&#xa0;: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 n&apos;est pas un périphérique bloc&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ %1 ne peut pas être utilisé&#xa0;: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 a changé pendant son ouverture&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 n&apos;est plus le disque qu&apos;il était quand il a été choisi (il a été retiré, redimensionné ou a reçu un autre fichier)&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 n&apos;est plus là (%2)&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 désigne maintenant un autre périphérique que celui choisi&#xa0;: rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ La taille de %1 ne peut pas être lue&#xa0;: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 a refusé plus de %2 secteurs&#xa0;: le disque est défaillant. Ce qu&apos;il contient ne peut pas être prouvé effacé&#xa0;; détruisez-le physiquement.</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Table de partitions trouvée sur %1&#xa0;: %2, %n partition.</numerusform>
            <numerusform>ℹ️ Table de partitions trouvée sur %1&#xa0;: %2, %n partitions.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 ne contient aucun conteneur LUKS&#xa0;: il n&apos;y a pas de clés à détruire.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ L&apos;en-tête LUKS de %1 est illisible (%2)&#xa0;: ses clés ne peuvent pas être détruites une à une. Un écrasement du disque entier les atteint.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>clés</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ Les emplacements de clé de %1 n&apos;ont pas pu être détruits&#xa0;: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ Les %1 emplacements de clé de %2 ont été détruits, mais un en-tête LUKS s&apos;y trouve encore après l&apos;écrasement de ses premiers %3.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ Les %1 emplacements de clé de %2 ont été détruits, mais ses en-têtes n&apos;ont pas pu être écrasés&#xa0;: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 Les %1 emplacements de clé et les en-têtes du conteneur %2 sur %3 ont été détruits&#xa0;: aucune phrase de passe ni aucun fichier de clé ne l&apos;ouvre plus.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>marquage des blocs échantillonnés</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ Les blocs échantillonnés de %1 n&apos;ont pas pu être marqués avant son propre effacement&#xa0;: %2. Rien n&apos;a été envoyé au disque.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 Envoi à %1 de son propre effacement&#xa0;: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>l&apos;effacement propre du disque</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>vérification des blocs échantillonnés</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 a terminé son propre effacement&#xa0;; aucun des %2 blocs échantillonnés sur tout le disque ne se lit comme avant.</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 a annoncé son propre effacement terminé, mais %2 des %3 blocs échantillonnés sur tout le disque se lisent encore comme avant (le premier à l&apos;octet %4)%5. Il n&apos;a pas été effacé&#xa0;: écrasez le disque entier, ou détruisez-le.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>, ou n&apos;ont pas pu être lus</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 n&apos;a pas exécuté %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 estime que son propre effacement prend %2 min.</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 poursuit seul son propre effacement&#xa0;: l&apos;assainissement d&apos;un disque ne peut pas être arrêté, et reprend après une mise hors tension. Velmora a cessé de l&apos;attendre et n&apos;a pas vérifié ce qu&apos;il a fait.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Passe %1 sur %2 sur %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ L&apos;écriture sur %1 a échoué après %2 de la passe %3&#xa0;: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Passe %1 sur %2 écrite et synchronisée.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ Les secteurs cachés de %1 n&apos;ont pas pu être ouverts pour l&apos;effacement, et restent tels quels&#xa0;: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>secteurs cachés</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 La zone protégée (HPA) de %1 est ouverte pour l&apos;effacement jusqu&apos;à la prochaine mise hors tension du disque&#xa0;: %n secteur.</numerusform>
            <numerusform>🔓 La zone protégée (HPA) de %1 est ouverte pour l&apos;effacement jusqu&apos;à la prochaine mise hors tension du disque&#xa0;: %n secteurs.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ La zone protégée (HPA) de %1 reste ouverte jusqu&apos;à la prochaine mise hors tension du disque&#xa0;: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ Les secteurs cachés de %1 n&apos;ont pas tous été écrasés et relus comme écrits&#xa0;: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>ils se relisent autrement</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ Le %n secteur caché de %1 a été écrasé et relu, et la limite rétablie.</numerusform>
            <numerusform>✅ Les %n secteurs cachés de %1 ont été écrasés et relus, et la limite rétablie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ Le %n secteur caché de %1 a été écrasé, et la limite rétablie.</numerusform>
            <numerusform>✅ Les %n secteurs cachés de %1 ont été écrasés, et la limite rétablie.</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>relecture échantillonnée</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 des %2 blocs échantillonnés sur %3 ne se sont pas relus comme écrits (le premier à l&apos;octet %4)&#xa0;: le disque ne garde pas ce qu&apos;on lui donne.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ %1 blocs échantillonnés sur tout %2 relus et comparés.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>relecture</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 a rendu autre chose que ce qui a été écrit, à l&apos;octet %2&#xa0;: le disque ne garde pas ce qu&apos;on lui donne.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ La relecture de %1 a échoué à l&apos;octet %2&#xa0;: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Relu et comparé&#xa0;: %1 sur %2.</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Pas d&apos;abandon des blocs&#xa0;: %1 est une image disque&#xa0;; l&apos;abandon ne ferait que percer des trous dans son fichier, que les passes ont écrasé.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>abandon des blocs</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ La totalité de %1 a été abandonnée de façon sûre (TRIM sécurisé).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ La totalité de %1 a été abandonnée (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 n&apos;a pas accepté l&apos;abandon des blocs&#xa0;: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Pas d&apos;abandon&#xa0;: %1 n&apos;accepte pas l&apos;abandon des blocs (TRIM).</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>nouveau système de fichiers</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 est de nouveau utilisable&#xa0;: une nouvelle table de partitions %2 et un système de fichiers %3 vide sur %4.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Secteurs cachés effacés&#xa0;: la zone protégée (HPA), %n secteur au-delà de la fin que montre le disque, a été ouverte pour l&apos;effacement, écrasée comme le reste, puis rétablie.</numerusform>
            <numerusform>Secteurs cachés effacés&#xa0;: la zone protégée (HPA), %n secteurs au-delà de la fin que montre le disque, a été ouverte pour l&apos;effacement, écrasée comme le reste, puis rétablie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Secteurs cachés non effacés&#xa0;: %n secteur au-delà de la fin que montre le disque n&apos;a été ni écrasé ni vérifié.</numerusform>
            <numerusform>Secteurs cachés non effacés&#xa0;: %n secteurs au-delà de la fin que montre le disque n&apos;ont été ni écrasés ni vérifiés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n secteur de %1 n&apos;a pas pu être écrit ou relu&#xa0;; le reste l&apos;a été. Des secteurs illisibles ne peuvent pas être prouvés propres&#xa0;: détruisez physiquement ce disque.</numerusform>
            <numerusform>❌ %n secteurs de %1 n&apos;ont pas pu être écrits ou relus&#xa0;; le reste l&apos;a été. Des secteurs illisibles ne peuvent pas être prouvés propres&#xa0;: détruisez physiquement ce disque.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ L&apos;effacement du disque s&apos;est terminé avec des exceptions&#xa0;: %n secteur n&apos;a pas pu être effacé.</numerusform>
            <numerusform>⚠️ L&apos;effacement du disque s&apos;est terminé avec des exceptions&#xa0;: %n secteurs n&apos;ont pas pu être effacés.</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Effacement du disque terminé.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ Les clés de chiffrement ont été détruites.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 est déjà choisi dans cet effacement, lui-même ou comme disque d&apos;une partition choisie : rien n&apos;a été écrit.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1 : effacé, pas rendu utilisable : %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>un disque qui a refusé des secteurs est à détruire, pas à réutiliser</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialogue</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88 (1 passe)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 passes)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 passes)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 passes)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 passes)</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Vérifier après la dernière passe</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Démarrer</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Choisir la méthode d&apos;effacement</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Effacer aussi miniatures, fichiers récents et fiches de la Corbeille</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Détruire les clés de chiffrement (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Détruire les clés de chiffrement avant d&apos;écraser</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Effacement propre du disque&#xa0;:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Puis l&apos;écraser encore une fois (1 passe aléatoire)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>Ensuite&#xa0;:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Le laisser vide</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Le rendre utilisable&#xa0;: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Le rendre utilisable&#xa0;: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Le rendre utilisable&#xa0;: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>Une fois l&apos;effacement réussi&#xa0;: une nouvelle table de partitions avec une partition sur tout le disque, et un nouveau système de fichiers dessus.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Ouvrir et écraser aussi son %n secteur caché</numerusform>
            <numerusform>Ouvrir et écraser aussi ses %n secteurs cachés</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>Le disque cache ces secteurs à l&apos;ordinateur (une zone protégée, HPA). Ils sont ouverts pour l&apos;effacement jusqu&apos;à la prochaine mise hors tension du disque, puis rétablis. Sans cela ils restent tels quels, et le rapport le dit.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avertissement</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Veuillez choisir une méthode.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 passe aléatoire)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 passes)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 passes)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 passes)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann 35 passes</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1, pour %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entrée, %1 au total</numerusform>
            <numerusform>%n entrées, %1 au total</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Détruire les clés de chiffrement</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Détruire les clés de chiffrement, puis %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Effacement propre du disque (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Effacement propre du disque (%1), puis %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Espace libre de %1 sur %2 (%3)&#xa0;: %4 sur %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Tout le contenu de %1 sur %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>Pas effacé</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Effacé en partie&#xa0;: %n élément en dessous pas effacé</numerusform>
            <numerusform>Effacé en partie&#xa0;: %n éléments en dessous pas effacés</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>Pas effacé&#xa0;: la tâche a été arrêtée avant</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>Pas effacé&#xa0;: toujours présent</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>Pas effacé&#xa0;: disparu, mais pas du fait de cette tâche</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Effacé</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88)&#xa0;: l&apos;effacement ne s&apos;est pas terminé.</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Effacer des fichiers et dossiers</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Effacer un volume entier</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Effacer l&apos;espace libre</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Effacer un disque entier</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Effacé</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Terminé avec des problèmes</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Arrêté avant la fin</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>Pas terminé</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ L&apos;effacement a été arrêté.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %2 sur %n entrée effacée, %3 écrits.</numerusform>
            <numerusform>%1 %2 sur %n entrées effacées, %3 écrits.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %2 écrits sur %3.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Effacé avec des exceptions&#xa0;: %n secteur n&apos;a pas pu être écrit ou relu&#xa0;; détruisez physiquement ce disque</numerusform>
            <numerusform>Effacé avec des exceptions&#xa0;: %n secteurs n&apos;ont pas pu être écrits ou relus&#xa0;; détruisez physiquement ce disque</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>oui</translation>
    </message>
    <message>
        <source>no</source>
        <translation>non</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Périphériques</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>micrologiciel %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disque %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Rotatif</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Accepte l&apos;abandon des blocs (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Chiffrement</translation>
    </message>
    <message>
        <source>none</source>
        <translation>aucun</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Assainissement</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Effacement propre du disque</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Réponse du disque</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>terminé</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>toujours en cours quand Velmora a cessé d&apos;attendre</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>échoué</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>pas envoyé</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Contrôle par échantillons</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 blocs sur tout le disque marqués avant et lus après&#xa0;: %2 comme la commande le promet, %3 non</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>pas faite</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n bloc échantillonné sur tout le disque relu et comparé&#xa0;: identique</numerusform>
            <numerusform>%n blocs échantillonnés sur tout le disque relus et comparés&#xa0;: identiques</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n bloc échantillonné sur tout le disque relu et comparé&#xa0;: différent</numerusform>
            <numerusform>%n blocs échantillonnés sur tout le disque relus et comparés&#xa0;: différents</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 relus et comparés&#xa0;: identiques</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 relus et comparés&#xa0;: différents</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>pas fait&#xa0;: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>une nouvelle table de partitions %1 avec une partition (%2), et un système de fichiers %3 vide dessus</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>une nouvelle table de partitions %1 avec une partition (%2), et un système de fichiers %3 vide dessus, nommé %4</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>non indiqué par le disque</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Fichier image</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Micrologiciel</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Taille de secteur</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 octets logiques, %2 octets physiques</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Liaison</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1&#xa0;: %2 à %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Table de partitions avant</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>aucune trouvée</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Clés de chiffrement</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1&#xa0;: %2 emplacement(s) de clé détruit(s), %3 d&apos;en-têtes écrasés</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Passe %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>données aléatoires, %1, complète</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>données aléatoires, %1, incomplète</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Vérification</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Abandon des blocs</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>tout le disque, de façon sûre</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>tout le disque</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>refusé par le disque</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>non pris en charge par le disque</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>De nouveau utilisable</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Effacement propre du disque (%1, %2), puis écrasement</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Effacement propre du disque (%1, %2)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Écrasement</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Effacement cryptographique</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Effacement cryptographique, puis écrasement</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Blocs échantillonnés sur tout le disque, marqués avant l&apos;effacement propre du disque et lus après (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Blocs échantillonnés sur tout le disque relus après la dernière passe et comparés (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>La dernière passe relue sur le périphérique et comparée</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Aucune</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88)&#xa0;: un écrasement à travers le système de fichiers n&apos;atteint pas chaque bloc adressable du support.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Fiche d&apos;assainissement</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricant</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Numéro d&apos;inventaire</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Type de support</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Provenance du support</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Catégorie</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technique</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Outil</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Méthode de vérification</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destination après assainissement</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Réalisé par</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Vérifié par</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produit</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utilisateur</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Début</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Méthode</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Relu</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>La dernière passe a été relue et comparée</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Demandé, pas fait&#xa0;: la tâche ne s&apos;est pas terminée</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Non</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Point de montage</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON signé par la clé</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 du JSON signé</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Écrit</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Relu et comparé</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durée</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Débit</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entrées</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%1 sur %Ln entrée effacée.</numerusform>
            <numerusform>%1 sur %Ln entrées effacées.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrée</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>Trop nombreuses pour être listées une à une&#xa0;: chaque dossier, et chaque entrée qui n&apos;a pas été effacée.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%1 sur %Ln effacées</numerusform>
            <numerusform>%1 sur %Ln effacées</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Aucun.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n élément n&apos;a pas pu être effacé de façon sûre&#xa0;:</numerusform>
            <numerusform>%n éléments n&apos;ont pas pu être effacés de façon sûre&#xa0;:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… et %n autre.</numerusform>
            <numerusform>… et %n autres.</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Rapport d&apos;effacement Velmora</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Stockage</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Remarques</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>page %1 sur %2</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>Déposez ici des fichiers ou dossiers</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Ajouter un fichier</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ajouter un dossier</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Tout retirer</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Ajouter la Corbeille</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Retirer de la liste</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Ajout des fichiers et dossiers, veuillez patienter...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Choisir des fichiers</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Veuillez patienter...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Choisir un dossier</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Corbeille</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>La Corbeille est vide.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entrée, %1 au total</numerusform>
            <numerusform>%n entrées, %1 au total</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Pas ajouté</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ Un fichier de remplissage n&apos;a pas pu être supprimé&#xa0;: %1 (%2 Mo, %3). Supprimez-le pour récupérer la place.</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ Impossible de créer un autre fichier de remplissage&#xa0;: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ L&apos;écriture du fichier de remplissage a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ La synchronisation du fichier de remplissage a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ La vérification a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>fiches de fichiers</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Écrasement des fiches de fichiers libres, qui gardent les noms des fichiers supprimés...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ L&apos;écrasement des noms des fichiers supprimés a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Fichier de remplissage laissé par un effacement interrompu supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 Vous ne pouvez pas écrire à la racine du volume&#xa0;; son espace libre est rempli depuis votre dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 Mo d&apos;espace libre sont réservés à l&apos;administrateur système et ne peuvent pas être écrasés&#xa0;; effacez l&apos;espace libre en root pour les atteindre.</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>espace libre</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>noms et journal</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Écrasement des noms des fichiers supprimés, des inodes libres et du journal...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 Mo de l&apos;espace libre de %2 n&apos;ont pas été écrasés&#xa0;: son système de fichiers les compte encore libres, mais son pilote n&apos;en a pas pris plus. Ce que des fichiers supprimés y ont laissé peut subsister. Vérifier le volume lorsqu&apos;il n&apos;est pas monté (fsck.fat) corrige son décompte pour le prochain effacement.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Les noms des fichiers supprimés peuvent subsister sur %1&#xa0;: son pilote (%2) est trop lent pour les écraser.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ Les noms des fichiers supprimés peuvent subsister sur %1&#xa0;: ce système de fichiers (%2) les garde là où un remplissage n&apos;arrive pas.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ XFS a mis de côté %1 Mo de l&apos;espace libre de %2 pendant que le remplissage occupait le volume, dans des blocs de chaque groupe d&apos;allocation qu&apos;aucun fichier ne peut recevoir&#xa0;; sans TRIM, ils gardent ce qu&apos;ils contenaient.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 Le journal de %1 a été vidé et ses blocs mis à zéro&#xa0;: il ne garde aucune copie de ce qui a été effacé.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 Le journal de %1 a été vidé et ses blocs abandonnés sur le périphérique.</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Évacuation des noms effacés hors du journal...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ Le journal de %1 peut encore contenir les derniers noms effacés&#xa0;; effacer en administrateur le vide.</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ L&apos;évacuation des noms effacés hors du journal a échoué sur %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Blocs libres abandonnés sur le périphérique (TRIM)&#xa0;: %1 Mo</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ L&apos;espace libre du système de fichiers a été abandonné sur le périphérique (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Pas de TRIM&#xa0;: le périphérique abandonne les blocs, mais ce système de fichiers (%1) ou son pilote ne le transmet pas.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Pas de TRIM&#xa0;: ce périphérique n&apos;abandonne pas les blocs libres.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Pas de TRIM&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ Les enregistrements de fichiers libres de %1 n&apos;ont pas été écrasés : le volume ne se lisait pas comme plein après le remplissage. Des noms de fichiers supprimés peuvent y rester.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>un nom FAT32 ne prend que des lettres, des chiffres, des espaces et -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>un nom FAT32 prend au plus 11 caractères</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>un nom ne prend aucun caractère de contrôle</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>un nom ext4 prend au plus 16 octets</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 n&apos;est pas installé</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>la table de partitions n&apos;a pas pu être écrite&#xa0;: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>la nouvelle partition n&apos;a pas pu être atteinte&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 a échoué (%2)&#xa0;: %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>le nom n&apos;est pas un texte valide</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>un nom exFAT prend au plus 11 caractères</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (c&apos;est-à-dire %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>Un chemin vide a été donné. Il est refusé, afin qu&apos;une variable non définie dans un script ne désigne jamais le dossier courant.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>Fichier ou dossier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 est la racine du système de fichiers&#xa0;: tout ce qui est sur cet ordinateur. Elle n&apos;est jamais effacée en entier.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 appartient au système d&apos;exploitation. L&apos;effacer rendrait cet ordinateur inutilisable&#xa0;; c&apos;est refusé.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 contient les données d&apos;autres utilisateurs ou des services du système. Il n&apos;est jamais effacé en entier&#xa0;; choisissez les dossiers qu&apos;il contient.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 est un dossier personnel ou en contient un. Il n&apos;est jamais effacé en entier&#xa0;; choisissez les fichiers et dossiers qu&apos;il contient.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 est un périphérique, pas un fichier&#xa0;: le supprimer n&apos;effacerait rien sur le périphérique. Pour détruire ce que contient un volume, effacez le volume (Effacer un disque).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 est une socket ou une FIFO, pas un fichier&#xa0;: elle ne contient rien à effacer.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 contient le système en cours d&apos;exécution et ne peut pas être effacé.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 contient votre dossier personnel et ne peut pas être effacé. Effacez plutôt les fichiers que vous choisissez, ou son espace libre.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>le disque ne donne plus la taille native qu&apos;il donnait</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>le disque a refusé SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>une adresse maximale accessible abaissée est gardée par le disque d&apos;une mise sous tension à l&apos;autre&#xa0;: la relever changerait le disque pour de bon</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 cache %n secteur (%2) au-delà de la fin qu&apos;il montre (une adresse maximale accessible abaissée)&#xa0;: il n&apos;est pas effacé.</numerusform>
            <numerusform>%1 cache %n secteurs (%2) au-delà de la fin qu&apos;il montre (une adresse maximale accessible abaissée)&#xa0;: ils ne sont pas effacés.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 cache %n secteur (%2) au-delà de la fin qu&apos;il montre (une zone protégée, HPA)&#xa0;: il n&apos;est pas effacé.</numerusform>
            <numerusform>%1 cache %n secteurs (%2) au-delà de la fin qu&apos;il montre (une zone protégée, HPA)&#xa0;: ils ne sont pas effacés.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Permission refusée&#xa0;: une partie appartient à un autre utilisateur ou au système. Lancez Velmora avec «&#xa0;Exécuter en tant qu&apos;administrateur&#xa0;» pour l&apos;effacer.</translation>
    </message>
</context>
<context>
    <name>JobEvent</name>
    <message>
        <source>%1: %2</source>
        <translation>%1&#xa0;: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>JobJournal</name>
    <message>
        <source>a wipe of the whole volume %1</source>
        <translation>un effacement du volume entier %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>un effacement de l&apos;espace libre de %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (pid %2), commencé %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ Aucune trace de cette tâche ne peut être gardée dans %1 (%2)&#xa0;: si elle est interrompue, le prochain démarrage ne pourra pas dire ce qu&apos;elle a laissé inachevé.</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>Un effacement de fichiers et dossiers</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Un effacement du volume entier %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Un effacement de l&apos;espace libre de %1</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Un effacement du disque entier %1, dont chaque secteur avait été écrasé,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Un effacement du disque entier %1, dont les clés LUKS ont peut-être été détruites, ou non,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Un effacement du disque entier %1, qui peut encore contenir une partie de ses anciennes données,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Une tâche a été interrompue, mais sa trace est illisible&#xa0;: ce qu&apos;elle a laissé inachevé n&apos;est pas connu, et rien n&apos;a été nettoyé. La trace a été gardée sous %1.</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), commencé %3, a été interrompu avant la fin%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, pendant&#xa0;: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>Aucune de ses entrées ne reste sur le disque.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Pas terminé, toujours là&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … et %n autre</numerusform>
            <numerusform>  … et %n autres</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 ne répond pas&#xa0;: ce que la tâche y a laissé n&apos;a pas été recherché.</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Les fichiers auxiliaires qu&apos;il a laissés dans %1 ont été supprimés.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>%n fichier auxiliaire qu&apos;il a laissé dans %1 n&apos;a pas pu être supprimé.</numerusform>
            <numerusform>%n fichiers auxiliaires qu&apos;il a laissés dans %1 n&apos;ont pas pu être supprimés.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>La réserve qu&apos;il avait prêtée a été rendue à %1.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>La réserve qu&apos;il avait prêtée n&apos;a pas pu être rendue à %1&#xa0;; remonter le volume la rétablit.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>Le disque : %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 le désigne toujours.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 désigne maintenant un autre périphérique : effacer %1 de nouveau n&apos;achèverait pas ce disque.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 n&apos;est plus là.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Effacement arrêté&#xa0;: Ctrl-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Effacement arrêté&#xa0;: fin demandée (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Effacement arrêté&#xa0;: le terminal ou la session s&apos;est fermé (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Effacement arrêté par le signal %1.</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>impossible de lire l&apos;espace de %1</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ L&apos;opération s&apos;est terminée trop tôt&#xa0;: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n miniature</numerusform>
            <numerusform>%n miniatures</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n entrée des fichiers récents</numerusform>
            <numerusform>%n entrées des fichiers récents</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n fiche de la Corbeille</numerusform>
            <numerusform>%n fiches de la Corbeille</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Traces supprimées&#xa0;: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ Il n&apos;y a pas de dossier personnel&#xa0;: les miniatures, les fichiers récents et les fiches de la Corbeille n&apos;ont pas été recherchés.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>traces</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Retiré de la liste des tailles de dossiers de la Corbeille&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ La liste des fichiers récents a été laissée telle quelle&#xa0;: %1. Elle peut encore nommer ce qui a été effacé.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Retiré des fichiers récents&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ Pas effacé&#xa0;: %1 est toujours là, bien que rien ne se soit opposé à sa suppression.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ Pas effacé&#xa0;: %1 est toujours là, son dossier n&apos;a donc pas pu être supprimé.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Pas effacé&#xa0;: %n autre entrée encore dans %1.</numerusform>
            <numerusform>⚠️ Pas effacé&#xa0;: %n autres entrées encore dans %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ Impossible d&apos;effacer de façon sûre&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Des parties des fichiers effacés ont pu être écrites dans une partition d&apos;échange non chiffrée (%1)&#xa0;; aucun effacement de fichiers ne les y atteint.</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Une autre tâche Velmora travaille sur %1&#xa0;: rien n&apos;a été écrit. Attendez qu&apos;elle se termine.</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Ignoré (n&apos;a pas pu être effacé)&#xa0;: %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>fichiers</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ Impossible de créer le fichier temporaire pour effacer l&apos;espace libre.</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>nettoyage</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Effacement complet du disque terminé&#xa0;: tout n&apos;a pas été effacé.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Effacement complet du disque terminé.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ Impossible de créer le fichier d&apos;écriture pour effacer l&apos;espace libre.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Effacement de l&apos;espace libre terminé&#xa0;: tout l&apos;espace libre n&apos;a pas été écrasé.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Effacement de l&apos;espace libre terminé.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Effacer des fichiers</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Effacer un volume</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Effacer l&apos;espace libre</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Effacer un disque</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Planifié&#xa0;: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>non signé</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>modifié après sa signature</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>signé avec une autre clé</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1 (il indique : %2)</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Velmora</source>
        <translation>Velmora</translation>
    </message>
    <message>
        <source>Wipe Disk</source>
        <translation>Effacer un disque</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Effacer pour de bon &amp;amp; éviter les fuites&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora efface de façon sûre les données sensibles de votre disque ou clé USB. &lt;br/&gt;Protégez votre vie privée et évitez les fuites de données pour de bon.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Effacer l&apos;espace libre</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Effacer un fichier</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Disques</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Effacer des disques entiers</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Cochez un disque, ou plusieurs pour les effacer en même temps.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Effacer un volume entier</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Tout le contenu du volume choisi est effacé, puis son espace libre est rempli.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Effacer l&apos;espace libre d&apos;un volume</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>Ce que les fichiers supprimés ont laissé dans son espace libre est écrasé&#xa0;; les fichiers qu&apos;il contient restent.</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Chaque secteur du disque choisi est écrasé&#xa0;: toutes ses partitions et sa table de partitions.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Effacer un disque entier demande les droits d&apos;administrateur&#xa0;: lancez Velmora en mode administrateur pour en choisir un.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Taille&#xa0;: %2 octets, secteurs de %3 octets (%4 physiques)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>Fichier image&#xa0;: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Droits d&apos;administrateur nécessaires</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Effacer un disque entier écrit sur le périphérique lui-même, ce que seul l&apos;administrateur peut faire. Lancez Velmora en mode administrateur et choisissez de nouveau le disque.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Lancer en mode administrateur</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Aucun disque choisi</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>Veuillez choisir un disque et cliquer sur Suivant&#xa0;!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erreur</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>Le disque %1 n&apos;est plus là.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>Interrogation de %1 sur ce qu&apos;il propose…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Effacement annulé.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Effacement du disque entier %1, veuillez patienter...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>Ceci va détruire définitivement tout le contenu de ce disque.</numerusform>
            <numerusform>Ceci va détruire définitivement tout le contenu de ces %n disques.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n disque</numerusform>
            <numerusform>%n disques, effacés en même temps</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ Les fichiers sélectionnés ont été écrasés et supprimés. Ce qui peut subsister&#xa0;:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Tous les fichiers sélectionnés ont été effacés définitivement.</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 Le disque a été effacé. Ce qui peut subsister&#xa0;:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 Le disque a été effacé de façon sûre et il est maintenant propre.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 L&apos;espace libre a été écrasé. Ce qui peut subsister&#xa0;:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 L&apos;espace libre a été effacé de façon sûre&#xa0;; aucune trace ne subsiste.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 L&apos;espace libre a été écrasé.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 Le disque %1 s&apos;est effacé avec sa propre commande, et aucun des blocs échantillonnés sur tout le disque ne se lit comme avant.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 Les clés de chiffrement de %1 ont été détruites&#xa0;: ce qu&apos;il contient ne peut plus être déchiffré.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 Les clés de chiffrement de %1 ont été détruites et le disque écrasé.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 Le disque %1 a été écrasé.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Opération d&apos;effacement terminée.</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Enregistrer le rapport…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Effacer l&apos;espace libre de %1…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ Le résultat de cette tâche n&apos;a pas pu être conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Rapport d&apos;effacement</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Enregistrer le rapport</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documents PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Rapport non enregistré</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Le rapport n&apos;a pas pu être enregistré dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Rapport enregistré dans %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Disques effacés&#xa0;: %1 sur %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>Tous les disques n&apos;ont pas été effacés</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Enregistrer les rapports…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Effacement arrêté par l&apos;utilisateur.</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>L&apos;opération ne s&apos;est pas terminée&#xa0;:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n élément n&apos;a pas pu être effacé de façon sûre&#xa0;:</numerusform>
            <numerusform>⚠️ %n éléments n&apos;ont pas pu être effacés de façon sûre&#xa0;:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Terminé avec des problèmes</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Rajouter ce qui n&apos;a pas été effacé (%1)</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Confirmer l&apos;arrêt</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>Voulez-vous vraiment arrêter&#xa0;?</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Un effacement planifié sur %1 n&apos;a pas fait tout ce qu&apos;il devait&#xa0;: voyez Rapports… dans le menu.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>Fichiers de remplissage restants</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Un effacement interrompu a laissé ces fichiers de remplissage&#xa0;; les supprimer libère %1&#xa0;:

%2

Les supprimer maintenant&#xa0;?</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>%n fichier de remplissage n&apos;a pas pu être supprimé&#xa0;; un effacement de l&apos;espace libre de ce volume le supprime.</numerusform>
            <numerusform>%n fichiers de remplissage n&apos;ont pas pu être supprimés&#xa0;; un effacement de l&apos;espace libre de ce volume les supprime.</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Effacement interrompu</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>Effacer maintenant ce qui reste&#xa0;?</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>Choisir de nouveau le disque maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>Choisir de nouveau le volume maintenant&#xa0;?</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Effacement en cours</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>Un effacement est en cours. L&apos;arrêter et quitter&#xa0;?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>Le périphérique ne répond pas&#xa0;; fermeture sans l&apos;attendre.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistance</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Effacer la Corbeille…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>Un effacement est en cours. Le contenu de la Corbeille est dans la liste des fichiers à effacer, pour quand il sera terminé.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Planifier…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Rapports…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Informations du rapport…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Afficher le rapport…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Veuillez patienter</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Ce logiciel vous aide à effacer de façon sûre des fichiers, des disques et l&apos;espace libre.

Copyright © 2026 Les développeurs de Velmora</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Aucun navigateur</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé. La page se trouve à l&apos;adresse&#xa0;:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Manuel de Velmora</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>Aucun navigateur web n&apos;a pu être lancé&#xa0;; voici le manuel installé avec Velmora. L&apos;aide en ligne se trouve à l&apos;adresse %1.</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>Ce disque contient le système en cours d&apos;exécution et ne peut pas être effacé.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>Ce disque contient votre dossier personnel et ne peut pas être effacé. Effacez plutôt les fichiers que vous choisissez, ou son espace libre.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>Ceci va détruire les clés de chiffrement de %1&#xa0;: plus rien dessus ne pourra être déchiffré.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>Ceci va détruire définitivement tout le contenu du disque %1.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Méthode choisie&#xa0;: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Aucun fichier</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Veuillez ajouter au moins un fichier.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>Veuillez choisir une méthode d&apos;effacement&#xa0;!</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>L&apos;effacement a été annulé.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Aucun disque choisi</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>Veuillez choisir un disque et cliquer sur Suivant&#xa0;!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>Veuillez d&apos;abord choisir une méthode d&apos;effacement&#xa0;!</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>Aucun disque choisi&#xa0;!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>Le chemin du disque choisi n&apos;est pas valide&#xa0;!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>Impossible d&apos;obtenir la capacité du disque&#xa0;!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Effacement du disque, veuillez patienter...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>Veuillez d&apos;abord choisir une méthode d&apos;effacement&#xa0;!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annulé</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>L&apos;effacement a été annulé.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>Impossible d&apos;obtenir l&apos;espace libre&#xa0;!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Effacement de l&apos;espace libre, veuillez patienter...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>réseau</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>mémoire · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>mémoire</translation>
    </message>
    <message>
        <source>SSD · NVMe</source>
        <translation>SSD · NVMe</translation>
    </message>
    <message>
        <source>SSD · SATA</source>
        <translation>SSD · SATA</translation>
    </message>
    <message>
        <source>HDD · SATA</source>
        <translation>HDD · SATA</translation>
    </message>
    <message>
        <source>SATA</source>
        <translation>SATA</translation>
    </message>
    <message>
        <source>USB flash</source>
        <translation>clé USB</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>disque USB</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>carte SD</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>disque virtuel · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>disque virtuel</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>image disque</translation>
    </message>
    <message>
        <source>SSD</source>
        <translation>SSD</translation>
    </message>
    <message>
        <source>HDD</source>
        <translation>HDD</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>inconnu</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>ne répond pas</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>image sur %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · chiffré</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numéro de série %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>un SSD</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>un disque dur</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>un disque USB</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>une carte SD</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>une mémoire flash eMMC</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 est un système de fichiers réseau (%2)&#xa0;: le serveur peut garder des copies et des instantanés de ce qui a été effacé, qu&apos;aucun écrasement depuis cet ordinateur n&apos;atteint.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 est gardé en mémoire (%2)&#xa0;: ce qui y a été effacé disparaît dès que l&apos;ordinateur est éteint.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 est gardé en mémoire (%2)&#xa0;: ce qui y a été effacé disparaît dès que l&apos;ordinateur est éteint, mais des parties ont pu être écrites dans une partition d&apos;échange non chiffrée (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 est chiffré (%2)&#xa0;: les anciennes copies que le disque dessous peut garder sont chiffrées aussi, et illisibles sans sa clé.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 se trouve sur %2&#xa0;: le disque peut garder d&apos;anciennes copies dans des cellules flash qu&apos;aucun écrasement n&apos;atteint. Velmora lui demande d&apos;abandonner les blocs libérés (TRIM). Pour être sûr, gardez le disque chiffré, ou utilisez la commande d&apos;assainissement propre au disque avant qu&apos;il ne quitte vos mains.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 se trouve sur %2&#xa0;: le disque peut garder d&apos;anciennes copies dans des cellules flash qu&apos;aucun écrasement n&apos;atteint, et il n&apos;accepte pas l&apos;abandon des blocs (TRIM). Pour être sûr, gardez le disque chiffré, ou utilisez la commande d&apos;assainissement propre au disque avant qu&apos;il ne quitte vos mains.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 se trouve sur %2&#xa0;: s&apos;il contient de la mémoire flash, comme les clés USB, il peut garder d&apos;anciennes copies dans des cellules qu&apos;aucun écrasement n&apos;atteint. Pour être sûr, gardez le disque chiffré.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88)&#xa0;: un écrasement à travers le système de fichiers n&apos;atteint pas chaque bloc adressable du support.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>Sur la mémoire flash, les cellules que le disque a réaffectées sont hors de portée de l&apos;ordinateur.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>Les blocs se trouvent sur un autre ordinateur.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>Le volume est chiffré&#xa0;: ce que le disque garde dessous est chiffré.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora ne sait pas quel système de fichiers contient %1 (son pilote dit «&#xa0;%2&#xa0;»)&#xa0;: les noms des fichiers effacés, et ce que son pilote en garde, peuvent y subsister.</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>Démarrage…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>environ %n s restante</numerusform>
            <numerusform>environ %n s restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>environ %n min restante</numerusform>
            <numerusform>environ %n min restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>environ %1 h %2 min restantes</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>passe %1 sur %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Arrêt&#xa0;: attente de la fin de l&apos;écriture en cours sur le périphérique…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Finalisation…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Effacé par</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Fonction</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lieu</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contact</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Numéro d&apos;inventaire</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Provenance du support</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destination après assainissement</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Vérifié par</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Fonction du vérificateur</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Informations du rapport</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Chaque rapport indique ces informations. Ce qui reste vide est imprimé comme une ligne à remplir à la main.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>la clé de signature %1 peut être modifiée par d&apos;autres (mode %2)&#xa0;: elle n&apos;est pas utilisée</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>la clé de signature %1 appartient à un autre utilisateur (uid %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>d&apos;autres peuvent lire la clé de signature %1 (mode %2)&#xa0;: qui le peut peut signer des résultats en votre nom</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 ne contient aucune clé privée Ed25519</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>aucune clé de signature n&apos;a pu être créée</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>une nouvelle clé de signature a été créée&#xa0;: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>sa signature contient un champ qu&apos;il n&apos;a pas&#xa0;: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>il manque à sa signature le champ %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>le résultat n&apos;a pas pu être signé</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>le rapport n&apos;est pas signé</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>le rapport a été modifié après sa signature</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>sa signature nomme la clé %1, mais a été faite avec la clé %2</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>le SHA-256 de sa signature n&apos;est pas celui du rapport</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>il a été signé par la clé %1, pas %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Rapports</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>Le résultat signé de chaque tâche, du plus récent au plus ancien, avec son rapport s&apos;il en a été fait un. Les effacements planifiés y figurent aussi.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tâche</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Aucune tâche n&apos;a encore été lancée&#xa0;: le résultat de chacune est conservé ici.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Ouvrir</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Vérifier la signature</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ouvrir le dossier</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signature</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 existe déjà</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Enregistrer le rapport sous</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Pas enregistré</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Ce résultat n&apos;est pas tel qu&apos;il a été signé&#xa0;: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>La signature est bonne&#xa0;: ce résultat est tel qu&apos;il a été signé, avec la clé %1.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>une partition&#xa0;: l&apos;effacement propre du disque prend le disque entier</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>un périphérique loop n&apos;a pas d&apos;effacement propre</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>gardé en mémoire&#xa0;: il n&apos;a pas d&apos;effacement propre</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>un disque virtuel (virtio)&#xa0;: l&apos;hôte ne lui transmet aucune commande d&apos;effacement</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>derrière un pont USB&#xa0;: branchez-le directement pour utiliser son propre effacement</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>une carte SD ou eMMC&#xa0;: Velmora n&apos;envoie pas son propre effacement</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>un disque réseau n&apos;a pas d&apos;effacement propre</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>les droits d&apos;administrateur sont nécessaires pour demander au disque ce qu&apos;il propose</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>le noyau ne lui transmet aucune commande</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>il n&apos;a pas pu être interrogé&#xa0;: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>il a refusé de s&apos;identifier (état NVMe 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>il ne propose ni Sanitize ni Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>état ATA 0x%1, erreur 0x%2, raison 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>sense SCSI %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>son SANITIZE est gelé&#xa0;: mettez l&apos;ordinateur en veille puis réveillez-le pour lever le gel, puis redemandez</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>il ne prend pas en charge le jeu de fonctions ATA SANITIZE</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>il ne dit pas quelles commandes il prend en charge</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>il ne prend pas en charge SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>le disque ne propose pas %1&#xa0;; il propose %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>état NVMe 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>l&apos;espace de noms n&apos;a pas pu être identifié (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>le disque a échoué au Format (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>le disque a refusé le Sanitize (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>son journal Sanitize n&apos;a pas pu être lu (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>le disque indique que le Sanitize a échoué</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>le disque n&apos;indique aucun Sanitize depuis sa fabrication</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>le disque a refusé le SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>le disque n&apos;a pas dit où en est son SANITIZE</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>le disque indique que le SANITIZE a échoué (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>le disque n&apos;indique aucun SANITIZE terminé (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>le disque indique %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>effacement propre&#xa0;: aucun (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>effacement propre&#xa0;: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>&#xa0;; sécurité gelée&#xa0;: mettez l&apos;ordinateur en veille puis réveillez-le pour la lever</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Effacements planifiés</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Effacements qui se lancent tout seuls&#xa0;:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Rien n&apos;est encore planifié. Choisissez ci-dessous quoi effacer, à quelle fréquence et comment, puis Ajouter.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Retirer</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Effacer la Corbeille</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Effacer l&apos;espace libre de %1</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>chaque semaine</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Ajouter</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Quoi&#xa0;:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>&amp;Fréquence&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Méthode&#xa0;:</translation>
    </message>
    <message>
        <source>active</source>
        <translation>actif</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inactif</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Chaque exécution laisse son rapport dans %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>systemd ne tourne pas ici&#xa0;: les minuteries sont écrites mais inactives.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>Pas planifié</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>Pas retiré</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>chaque mois</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>chaque semaine</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Effacer la Corbeille</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Effacer l&apos;espace libre de %1</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>se lance chaque semaine ou chaque mois, pas %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>méthode inconnue %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>un effacement de l&apos;espace libre demande un point de montage</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>les rapports de ses exécutions ne peuvent pas être conservés dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>il n&apos;y a pas de planification %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>ne peut pas être retiré</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Disque</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progression</translation>
    </message>
    <message>
        <source>State</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Enregistrer les rapports…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminé</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Effacement de %n disque. Il a sa propre progression et son propre rapport.</numerusform>
            <numerusform>Effacement de %n disques à la fois. Chacun a sa propre progression et son propre rapport.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En cours</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ Le résultat de ce disque n&apos;a pas pu être conservé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Confirmer l&apos;arrêt</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>Arrêter tous les disques&#xa0;? Ceux qui ne sont pas encore effacés gardent ce qu&apos;ils contiennent.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Arrêt de tous les disques…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 n&apos;a pas pu être écrit</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>le résultat de %1 n&apos;a pas pu être signé&#xa0;: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Enregistrer les rapports</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Rapports non enregistrés</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>Les rapports n&apos;ont pas pu être enregistrés dans %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 Le rapport et le résultat signé de chaque disque ont été enregistrés dans %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>ce n&apos;est pas du texte UTF-8</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>il ne peut pas être lu</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>un autre programme ne cessait de le modifier</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ La Corbeille %1 est laissée telle quelle&#xa0;: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>c&apos;est un lien</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>ce n&apos;est pas un dossier</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>elle ne vous appartient pas</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>il lui manque le sticky bit d&apos;une Corbeille partagée</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>son volume ne répond pas</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Modifié pendant l&apos;effacement, laissé tel quel&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ Impossible de supprimer le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ La vérification a échoué&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Écrasé et supprimé, mais le système de fichiers a signalé une erreur, son effacement n&apos;est donc pas certain&#xa0;: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Effacé de façon sûre&#xa0;: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ Fichier vide supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Dossier vide supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 est un système de fichiers à copie sur écriture (%2)&#xa0;: un écrasement sur place ne peut pas atteindre les anciennes copies qu&apos;il garde. Effacez ensuite l&apos;espace libre de ce volume.</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ Jusqu&apos;à %1 d&apos;anciennes copies de ce qui a été effacé peuvent subsister sur %2 tant que son espace libre n&apos;est pas effacé.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Les noms des fichiers effacés peuvent subsister dans les entrées libres de leurs dossiers sur %1&#xa0;: son pilote (%2) est trop lent pour les écraser.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Les noms effacés de %1 peuvent subsister dans des blocs que son dossier a rendus au volume (XFS)&#xa0;; effacez l&apos;espace libre du volume pour les atteindre.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ Les noms effacés de %1 peuvent subsister dans ses entrées libres&#xa0;: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 Les entrées libres de %n dossier qui contenait des noms effacés ont été écrasées.</numerusform>
            <numerusform>🧹 Les entrées libres de %n dossiers qui contenaient des noms effacés ont été écrasées.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ Les noms effacés de %n autre dossier peuvent subsister dans ses entrées libres&#xa0;; effacez l&apos;espace libre du volume pour les atteindre.</numerusform>
            <numerusform>⚠️ Les noms effacés de %n autres dossiers peuvent subsister dans leurs entrées libres&#xa0;; effacez l&apos;espace libre du volume pour les atteindre.</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 L&apos;espace que les fichiers effacés et leurs dossiers ont rendu à %1 a été écrasé.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Les noms effacés des dossiers de %1 peuvent subsister dans l&apos;espace que les dossiers ont rendu au volume (exFAT)&#xa0;; effacez l&apos;espace libre du volume pour les atteindre.</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>le fichier est immuable</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>le fichier est en ajout seul</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ Fichier introuvable&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ Seul ce nom a été supprimé&#xa0;: d&apos;autres liens hors de la sélection laissent son contenu lisible&#xa0;: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Effacement&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ A continué de grossir pendant l&apos;effacement&#xa0;; ce qui a été écrit entre-temps peut subsister sur le périphérique&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ Pas effacé, un autre volume est monté ici&#xa0;: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Lien supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ Impossible d&apos;ouvrir le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ Fichier spécial supprimé&#xa0;: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ Impossible de lister le dossier&#xa0;: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Raccourci supprimé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>à l&apos;octet %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>le périphérique a rendu d&apos;autres données à l&apos;octet %1</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 %1 de données vérifiés</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualiser</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Suivant</translation>
    </message>
</context>
<context>
    <name>VolumeTable</name>
    <message>
        <source>%1
Device: %2
Label: %3
Capacity: %4 bytes
Available: %5 bytes</source>
        <translation>%1
Périphérique&#xa0;: %2
Nom&#xa0;: %3
Capacité&#xa0;: %4 octets
Disponible&#xa0;: %5 octets</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(aucun)</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Support&#xa0;: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Périphériques&#xa0;: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Choix</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Point de montage</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacité</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Système de fichiers</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Périphérique</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Support</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Ce volume ne répond pas&#xa0;; il ne peut pas être choisi maintenant.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modèle</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numéro de série</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Taille</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Partitions</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>État</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Droits d&apos;administrateur nécessaires</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Peut être effacé</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Efface des fichiers et dossiers sans récupération possible, ou efface un volume entier ou son espace libre.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>Fichiers et dossiers à mettre dans la liste à effacer.</translation>
    </message>
</context>
</TS>
