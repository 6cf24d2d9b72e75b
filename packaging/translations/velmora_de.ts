<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>Cli</name>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Löschmethode: NIST, DoD, British, German oder Gutmann (Vorgabe NIST).</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>Nicht nachfragen; für Skripte. Ohne diese Option muss ein Terminal antworten.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>Nur Probleme ausgeben.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Das Ergebnis als JSON in DATEI schreiben.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Den Löschbericht als PDF in DATEI schreiben.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Die Löschmethoden auflisten.</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>Dateien und Ordner oder der Einhängepunkt des Datenträgers.</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 erwartet einen Einhängepunkt</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 ist nicht der Einhängepunkt eines Datenträgers</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>der Speicherplatz von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>Dies vernichtet unwiederbringlich:
  %1
Methode: %2%3
</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, letzter Durchgang zurückgelesen</translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>nichts gelöscht: kein Terminal zum Bestätigen; bestätigen Sie in einem Skript mit --yes</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Zum Bestätigen Erase eingeben: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>abgebrochen; nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>das JSON-Ergebnis konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>der Bericht konnte nicht nach %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: nicht sicher gelöscht: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: … und %1 weitere nicht sicher gelöscht
</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Siehe &apos;velmora-cli --help&apos;.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>unbekannte Methode %1; velmora-cli --methods listet sie auf</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>kein Befehl; siehe &apos;velmora-cli --help&apos;</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 braucht einen Pfad</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>die Pfade konnten nicht aus der Befehlszeile gelesen werden</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Das Löschen von /, der Systemordner und der persönlichen Ordner erlauben (nie von Geräten).</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 liegt in dem, was gelöscht werden soll; nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root hebt dies auf.)</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>ein leerer Pfad wurde angegeben; %1 erwartet den Einhängepunkt des Datenträgers</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 erwartet den Einhängepunkt des Datenträgers als absoluten Pfad, nicht %2</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Wird angehalten: Warten, bis das Gerät den laufenden Schreibvorgang beendet (erneut Strg-C beendet sofort) …</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json und --report erwarten einen Dateinamen</translation>
    </message>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Um den Rest zu löschen: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Um es erneut auszuführen: velmora-cli %1%2 %3</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … und %n weiterer
</numerusform>
            <numerusform>  … und %n weitere
</numerusform>
        </translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: danach den freien Speicher jedes Datenträgers löschen, auf dem die Dateien lagen; das erreicht die älteren Kopien, die ein Copy-on-Write-Datenträger behält.</translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>danach den freien Speicher der Datenträger, auf denen sie liegen
</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace gibt es nur nach erase</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Der freie Speicher von %1, in dem ältere Kopien des Gelöschten verbleiben können, wird gelöscht…</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: Vorschaubilder, Einträge der zuletzt geöffneten Dateien, Papierkorb-Einträge und Editor-Kopien der gelöschten Dateien lassen, wo sie sind.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: alles im Papierkorb (dem im persönlichen Ordner und dem jedes Datenträgers) zu den Pfaden hinzufügen.</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash gehört nur zu erase</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>Der Papierkorb ist leer; nichts zu löschen.
</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: wöchentlich (Vorgabe) oder monatlich.</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>Es sind keine Löschvorgänge geplant.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>systemd läuft hier nicht: Die Zeitgeber sind geschrieben, aber inaktiv.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove erwartet den Namen, den list zeigt</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 entfernt.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule erwartet add, list oder remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add erwartet trash, oder freespace und einen Einhängepunkt</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>Geplant: %1 als %2 in %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (inaktiv: systemd führt ihn hier nicht aus)</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: der Fingerabdruck (SHA256:…) des Schlüssels, mit dem der Bericht signiert sein muss.</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report erwartet ein JSON-Ergebnis</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>es ist kein JSON-Ergebnis (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>gültig, signiert mit Schlüssel %1
</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: das JSON-Ergebnis ist nicht signiert: %1
</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes nimmt nur --json</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: den letzten Durchgang nicht zurücklesen.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: die Schlüssel des LUKS-Containers darauf zerstören; mit --method danach auch überschreiben.</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive nimmt ein Blockgerät, etwa /dev/sdb</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 ist kein Blockgerät</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>das Löschen eines ganzen Laufwerks braucht Administratorrechte: als root ausführen (sudo)</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 enthält keinen LUKS-Container; --crypto-erase braucht einen</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>der LUKS-Header von %1 ist nicht lesbar (%2); das ganze Laufwerk ohne --crypto-erase löschen</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives nimmt nur --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>Partitionen: %1</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify und --crypto-erase gehören nur zu drive</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>unbekannter Befehl %1; die Befehle sind erase, wipe, freespace, drive, drives, schedule, check-report, volumes und reports</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>Der Bericht: wer gelöscht hat (auch in report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>Der Bericht: für welche Organisation.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>Der Bericht: wo.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>Der Bericht: wie wer gelöscht hat erreichbar ist.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>Der Bericht: die Inventarnummer des Mediums.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>Der Bericht: wohin das Medium danach geht (Wiederverwendung, Verkauf, Vernichtung).</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>%1 %2 kann nicht geschrieben werden (%3); nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>das JSON-Ergebnis kann nicht signiert werden: %1; nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli: Warnung: %1
</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>ein anderer Velmora-Vorgang arbeitet auf %1; nichts wurde gelöscht. Starten Sie diesen, wenn jener beendet ist.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 arbeitet auf %2; nichts wurde gelöscht. Starten Sie diesen, wenn jener beendet ist.</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize und --then-overwrite gehören nur zu drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite folgt auf --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize und --crypto-erase passen nicht zusammen: das eigene kryptografische Löschen des Laufwerks ist --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize überschreibt nichts: --method gehört zu --then-overwrite</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= nennt keine Aktion</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>unbekannte Aktion %1; die Aktionen sind crypto-erase, block-erase, format-crypto, format-erase und overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: kein eigenes Löschen zu senden: %2</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: dem Laufwerk sein eigenes Löschen senden, --sanitize=AKTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) oder, ohne Aktion, das stärkste, das es anbietet; danach werden über das ganze Laufwerk verteilte Stichproben geprüft.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: danach zusätzlich einmal überschreiben und zurücklesen.</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>Dies zerstört unwiederbringlich %n Laufwerk:%1
Methode: %2%3
</numerusform>
            <numerusform>Dies zerstört unwiederbringlich %n Laufwerke auf einmal:%1
Methode: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>seine Ergebnisdateien konnten nicht geschrieben werden</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>mit mehreren Laufwerken nennt %1 einen Ordner, in den die Datei jedes Laufwerks kommt</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Laufwerk	Seriennummer	Zustand
</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample und --verify=full gehören nur zu drive; --verify liest den letzten Durchgang zurück</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= und --no-verify widersprechen sich</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= erwartet sample oder full</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Den letzten Durchgang zurücklesen und vergleichen; bei einem Laufwerk liest --verify=sample nur über das Laufwerk verteilte Stichprobenblöcke.</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, über das Laufwerk verteilte Stichprobenblöcke zurückgelesen</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format gehört nur zu drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label benennt, was --format anlegt</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>unbekanntes Dateisystem %1; --format erwartet exfat, fat32 oder ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format nimmt ein ganzes Laufwerk: %1 ist eine Partition</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: nach dem Löschen wieder einsatzbereit machen: eine neue Partitionstabelle mit einer Partition und einem leeren exfat-, fat32- oder ext4-Dateisystem.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: die Bezeichnung des neuen Dateisystems.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report oder reports</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports nimmt nur --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Noch ist kein Auftrag gelaufen: das Ergebnis jedes Auftrags wird in %1 aufbewahrt
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
        <translation>Löscht Dateien und Ordner, einen ganzen eingehängten Datenträger oder den freien Speicher eines Datenträgers unwiederbringlich.

Befehle:
  erase PFAD...          Dateien und Ordner überschreiben und entfernen
  wipe EINHÄNGEPUNKT     alles auf einem eingehängten Datenträger überschreiben
  freespace EINHÄNGEPUNKT  den freien Speicher eines eingehängten Datenträgers überschreiben
  schedule add trash|freespace [EINHÄNGEPUNKT] [--every weekly|monthly]
  schedule list | schedule remove NAME
                         das Löschen des freien Speichers oder des Papierkorbs von selbst ausführen
  check-report DATEI.json [--key FINGERABDRUCK]
                         prüfen, ob ein Ergebnis so ist, wie es signiert wurde
  volumes [--json]       die eingehängten Datenträger und das Medium unter jedem auflisten
  drive GERÄT...         jeden Sektor ganzer Laufwerke oder Partitionen überschreiben,
                         mehrere zugleich
  drives [--json]        die Laufwerke und Partitionen auflisten, und warum eines davon abgelehnt wird
  reports [--json]       jedes aufbewahrte Ergebnis und jeden Bericht auflisten, neueste zuerst</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: Warnung: das Ergebnis konnte nicht aufbewahrt werden: %1
</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 verbirgt %n Sektor in einem geschützten Bereich (HPA): Er wird für das Löschen geöffnet und ebenfalls überschrieben.
</numerusform>
            <numerusform>velmora-cli: %1 verbirgt %n Sektoren in einem geschützten Bereich (HPA): Er wird für das Löschen geöffnet und ebenfalls überschrieben.
</numerusform>
        </translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: einen geschützten Bereich (HPA) für das Löschen öffnen, bis das Laufwerk das nächste Mal ausgeschaltet wird, und auch überschreiben, was er verbirgt.</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 antwortet nicht (ein Netzwerkserver ist weg, oder ein Treiber hängt); nichts wurde gelöscht</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 ist eine Verknüpfung, die ein anderer Benutzer angelegt hat; nennen Sie den Ordner selbst</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;Damit werden die ausgewählten Dateien endgültig gelöscht. &lt;br/&gt;Bitte geben Sie &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; ein, um fortzufahren:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Bestätigen</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>&apos;Erase&apos; eingeben </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… und %n weiterer</numerusform>
            <numerusform>… und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Verfahren: %1</translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Bitte geben Sie &apos;%1&apos; ein, um fortzufahren:</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Partitionstabelle auf %1 gefunden: %2, %n Partition.</numerusform>
            <numerusform>ℹ️ Partitionstabelle auf %1 gefunden: %2, %n Partitionen.</numerusform>
        </translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>Auf Flash-Speicher liegen Zellen, die das Laufwerk umgelegt hat, außerhalb der Reichweite des Rechners; nur der eigene Bereinigungsbefehl des Laufwerks erreicht sie.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), durch kryptografisches Löschen: Jeder Schlüsselplatz und beide Header des %1-Containers wurden überschrieben. Das gilt, wenn die Daten stets nur durch die Verschlüsselung geschrieben wurden und keine Kopie des Headers anderswo besteht.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88): Jeder adressierbare Sektor wurde überschrieben und der letzte Durchgang zurückgelesen.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88): Jeder adressierbare Sektor wurde überschrieben; der letzte Durchgang wurde nicht zurückgelesen.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Weder Clear noch Purge (NIST SP 800-88): Das Löschen wurde nicht beendet.</translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>Dieses Laufwerk enthält das laufende System und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>Dieses Laufwerk enthält Ihren persönlichen Ordner und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Diese Partition liegt auf dem Laufwerk des laufenden Systems und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Diese Partition liegt auf dem Laufwerk Ihres persönlichen Ordners und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Ein Datenträger auf diesem Laufwerk ist eingehängt (%1): Hängen Sie ihn zuerst aus.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>Dieses Laufwerk enthält aktiven Auslagerungsspeicher (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Dieses Laufwerk wird von %1 benutzt (ein geöffneter verschlüsselter Datenträger, RAID oder LVM): Schließen Sie %1 zuerst.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Dieses Laufwerk wird von %1 offen gehalten: Beenden Sie zuerst, was es benutzt.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Dieses Laufwerk ist schreibgeschützt.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Laufendes System</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Persönlicher Ordner</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Systemdatenträger</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Laufwerk des persönlichen Ordners</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Eingehängt: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Auslagerung aktiv</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Benutzt von %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Offen gehalten von %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Schreibgeschützt</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 ist in Gebrauch (ein eingehängter Datenträger, eine Zuordnung, Auslagerungsspeicher oder ein anderes Programm hält es): Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 ist schreibgeschützt: Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Das Löschen eines ganzen Laufwerks braucht Administratorrechte: Nichts wurde auf %1 geschrieben.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ %1 lässt sich nicht öffnen: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 ist kein Blockgerät: Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ %1 ist nicht nutzbar: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 hat sich beim Öffnen geändert: Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 ist nicht mehr das Laufwerk, das gewählt wurde (es wurde entfernt, in der Größe geändert oder erhielt eine andere Datei): Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 ist nicht mehr da (%2): Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 bezeichnet jetzt ein anderes Gerät als das gewählte: Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ Die Größe von %1 ist nicht lesbar: %2</translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 enthält keinen LUKS-Container: Es gibt keine Schlüssel zu zerstören.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ Der LUKS-Header von %1 ist nicht lesbar (%2): Seine Schlüssel lassen sich nicht einzeln zerstören. Ein Überschreiben des ganzen Laufwerks erreicht sie.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ Die Schlüsselplätze von %1 ließen sich nicht zerstören: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ Die %1 Schlüsselplätze von %2 wurden zerstört, aber nach dem Überschreiben der ersten %3 findet sich dort noch ein LUKS-Header.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ Die %1 Schlüsselplätze von %2 wurden zerstört, aber seine Header ließen sich nicht überschreiben: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 Die %1 Schlüsselplätze und die Header des %2-Containers auf %3 wurden zerstört: Keine Passphrase und keine Schlüsseldatei öffnet ihn wieder.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Durchgang %1 von %2 über %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ Schreiben auf %1 schlug nach %2 von Durchgang %3 fehl: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Durchgang %1 von %2 geschrieben und synchronisiert.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>Zurücklesen</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 gab bei Byte %2 etwas anderes zurück als geschrieben: Das Laufwerk behält nicht, was es bekommt.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ Zurücklesen von %1 schlug bei Byte %2 fehl: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Zurückgelesen und verglichen: %1 von %2.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>Freigabe</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ %1 wurde ganz und sicher freigegeben (sicheres TRIM).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ %1 wurde ganz freigegeben (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 nahm keine Freigabe an: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Keine Freigabe: %1 nimmt keine Freigaben an (TRIM).</translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Löschen des Laufwerks abgeschlossen.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ Die Schlüssel wurden zerstört.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), durch das eigene Löschen des Laufwerks: %1 wurde abgeschlossen, und kein vorher und nachher über das Laufwerk verteilt geprüfter Block liest sich wie zuvor.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>Stichprobenblöcke werden markiert</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ Die Stichprobenblöcke von %1 konnten vor seinem eigenen Löschen nicht markiert werden: %2. An das Laufwerk wurde nichts gesendet.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 %1 wird sein eigenes Löschen gesendet: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>das eigene Löschen des Laufwerks</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>Stichprobenblöcke werden geprüft</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 meldete sein eigenes Löschen als abgeschlossen, aber %2 von %3 über das Laufwerk verteilten Stichprobenblöcken lesen sich noch wie zuvor (der erste bei Byte %4)%5. Es wurde nicht gelöscht: überschreiben Sie das ganze Laufwerk oder zerstören Sie es.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation> oder konnten nicht gelesen werden</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 hat sein eigenes Löschen abgeschlossen; keiner von %2 über das Laufwerk verteilten Stichprobenblöcken liest sich wie zuvor.</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 hat %2 nicht ausgeführt: %3</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 setzt sein eigenes Löschen selbst fort: ein Sanitize des Laufwerks lässt sich nicht anhalten und läuft nach einem Aus- und Einschalten weiter. Velmora wartet nicht mehr darauf und hat nicht geprüft, was es getan hat.</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 schätzt, dass sein eigenes Löschen %2 min dauert.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Weder Clear noch Purge (NIST SP 800-88): %n Sektor konnte nicht geschrieben oder zurückgelesen werden und kann noch enthalten, was dort stand. Zerstören Sie das Laufwerk physisch.</numerusform>
            <numerusform>Weder Clear noch Purge (NIST SP 800-88): %n Sektoren konnten nicht geschrieben oder zurückgelesen werden und können noch enthalten, was dort stand. Zerstören Sie das Laufwerk physisch.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 hat mehr als %2 Sektoren verweigert: Das Laufwerk versagt. Sein Inhalt lässt sich nicht als gelöscht nachweisen; zerstören Sie es physisch.</translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n Sektor von %1 konnte nicht geschrieben oder zurückgelesen werden, der Rest schon. Unlesbare Sektoren lassen sich nicht als sauber nachweisen: Zerstören Sie dieses Laufwerk physisch.</numerusform>
            <numerusform>❌ %n Sektoren von %1 konnten nicht geschrieben oder zurückgelesen werden, der Rest schon. Unlesbare Sektoren lassen sich nicht als sauber nachweisen: Zerstören Sie dieses Laufwerk physisch.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ Das Löschen des Laufwerks endete mit Ausnahmen: %n Sektor konnte nicht gelöscht werden.</numerusform>
            <numerusform>⚠️ Das Löschen des Laufwerks endete mit Ausnahmen: %n Sektoren konnten nicht gelöscht werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88): Jeder adressierbare Sektor wurde überschrieben, und über das Laufwerk verteilte Stichprobenblöcke wurden zurückgelesen (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>Zurücklesen der Stichproben</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 von %2 über %3 verteilten Stichprobenblöcken lasen sich nicht wie geschrieben zurück (der erste bei Byte %4): Das Laufwerk behält nicht, was ihm gegeben wird.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ %1 über %2 verteilte Stichprobenblöcke zurückgelesen und verglichen.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Verborgene Sektoren nicht gelöscht: %n Sektor hinter dem sichtbaren Ende des Laufwerks wurde weder überschrieben noch geprüft.</numerusform>
            <numerusform>Verborgene Sektoren nicht gelöscht: %n Sektoren hinter dem sichtbaren Ende des Laufwerks wurden weder überschrieben noch geprüft.</numerusform>
        </translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>neues Dateisystem</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 ist wieder einsatzbereit: eine neue %2-Partitionstabelle und ein leeres %3-Dateisystem auf %4.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ Die verborgenen Sektoren von %1 ließen sich für das Löschen nicht öffnen und bleiben, wie sie waren: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>verborgene Sektoren</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 Der geschützte Bereich (HPA) von %1 ist für das Löschen geöffnet, bis das Laufwerk das nächste Mal ausgeschaltet wird: %n Sektor.</numerusform>
            <numerusform>🔓 Der geschützte Bereich (HPA) von %1 ist für das Löschen geöffnet, bis das Laufwerk das nächste Mal ausgeschaltet wird: %n Sektoren.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ Der geschützte Bereich (HPA) von %1 bleibt offen, bis das Laufwerk das nächste Mal ausgeschaltet wird: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ Nicht alle verborgenen Sektoren von %1 wurden überschrieben und wie geschrieben zurückgelesen: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>sie lesen sich anders zurück</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Verborgene Sektoren gelöscht: Der geschützte Bereich (HPA), %n Sektor hinter dem sichtbaren Ende des Laufwerks, wurde für das Löschen geöffnet, wie der Rest überschrieben und zurückgesetzt.</numerusform>
            <numerusform>Verborgene Sektoren gelöscht: Der geschützte Bereich (HPA), %n Sektoren hinter dem sichtbaren Ende des Laufwerks, wurde für das Löschen geöffnet, wie der Rest überschrieben und zurückgesetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ Der %n verborgene Sektor von %1 wurde überschrieben und zurückgelesen, und die Grenze wurde zurückgesetzt.</numerusform>
            <numerusform>✅ Die %n verborgenen Sektoren von %1 wurden überschrieben und zurückgelesen, und die Grenze wurde zurückgesetzt.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ Der %n verborgene Sektor von %1 wurde überschrieben, und die Grenze wurde zurückgesetzt.</numerusform>
            <numerusform>✅ Die %n verborgenen Sektoren von %1 wurden überschrieben, und die Grenze wurde zurückgesetzt.</numerusform>
        </translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Keine Freigabe: %1 ist eine Abbilddatei; eine Freigabe würde nur Löcher in ihre Datei stanzen, die die Durchgänge überschrieben haben.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 ist in diesem Löschvorgang bereits gewählt, selbst oder als Laufwerk einer gewählten Partition: Nichts wurde geschrieben.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: gelöscht, nicht einsatzbereit gemacht: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>ein Laufwerk, das Sektoren verweigert hat, ist zu vernichten, nicht wieder zu verwenden</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Dialog</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Nach dem letzten Durchgang prüfen</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Starten</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Löschverfahren wählen</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Bitte wählen Sie ein Verfahren.</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88 (1 Durchgang)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 Durchgänge)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 Durchgänge)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 Durchgänge)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 Durchgänge)</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Auch Vorschaubilder, Verlaufseinträge und Papierkorb-Einträge entfernen</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Verschlüsselungsschlüssel zerstören (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Verschlüsselungsschlüssel vor dem Überschreiben zerstören</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Eigenes Löschen des Laufwerks:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Danach noch einmal überschreiben (1 Durchgang zufällig)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>Danach:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Leer lassen</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Gebrauchsfertig machen: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Gebrauchsfertig machen: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Gebrauchsfertig machen: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>Sobald das Löschen gelungen ist: eine neue Partitionstabelle mit einer Partition über das ganze Laufwerk und darauf ein frisches Dateisystem.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Auch seinen %n verborgenen Sektor öffnen und überschreiben</numerusform>
            <numerusform>Auch seine %n verborgenen Sektoren öffnen und überschreiben</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>Das Laufwerk hält diese Sektoren vor dem Rechner verborgen (ein geschützter Bereich, HPA). Sie werden für das Löschen bis zum nächsten Ausschalten des Laufwerks geöffnet und danach zurückgesetzt. Ohne diese Wahl bleiben sie, wie sie sind, und der Bericht sagt es.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 Durchgang zufällig)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 Durchgänge)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 Durchgänge)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 Durchgänge)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann (35 Durchgänge)</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1, für %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n Eintrag, insgesamt %1</numerusform>
            <numerusform>%n Einträge, insgesamt %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Freier Speicher von %1 auf %2 (%3): %4 von %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Alles auf %1 auf %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>Nicht gelöscht</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Teilweise gelöscht: %n Element darin nicht gelöscht</numerusform>
            <numerusform>Teilweise gelöscht: %n Elemente darin nicht gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>Nicht gelöscht: der Vorgang wurde vorher angehalten</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>Nicht gelöscht: noch vorhanden</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Dateien und Ordner löschen</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Einen ganzen Datenträger löschen</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Freien Speicher löschen</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Gelöscht</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Mit Problemen beendet</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Vor dem Ende angehalten</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>Nicht zu Ende geführt</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ Das Löschen wurde angehalten.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %2 von %n Eintrag gelöscht, %3 geschrieben.</numerusform>
            <numerusform>%1 %2 von %n Einträgen gelöscht, %3 geschrieben.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %2 auf %3 geschrieben.</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>Nicht gelöscht: verschwunden, aber nicht durch diesen Vorgang</translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Verschlüsselungsschlüssel zerstören</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Verschlüsselungsschlüssel zerstören, dann %1</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Weder Clear noch Purge (NIST SP 800-88): Das Löschen wurde nicht beendet.</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Ein ganzes Laufwerk löschen</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Eigenes Löschen des Laufwerks (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Eigenes Löschen des Laufwerks (%1), dann %2</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Mit Ausnahmen gelöscht: %n Sektor konnte nicht geschrieben oder zurückgelesen werden; zerstören Sie dieses Laufwerk physisch</numerusform>
            <numerusform>Mit Ausnahmen gelöscht: %n Sektoren konnten nicht geschrieben oder zurückgelesen werden; zerstören Sie dieses Laufwerk physisch</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Velmora-Löschbericht</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Rechner</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Benutzer</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Begonnen</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Vorgang</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Methode</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Zurückgelesen</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>Der letzte Durchgang wurde zurückgelesen und verglichen</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nein</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Einhängepunkt</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Geschrieben</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Zurückgelesen und verglichen</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Dauer</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Rate</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Einträge</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%1 von %Ln Eintrag gelöscht.</numerusform>
            <numerusform>%1 von %Ln Einträgen gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Eintrag</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Keine.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n Element konnte nicht sicher gelöscht werden:</numerusform>
            <numerusform>%n Elemente konnten nicht sicher gelöscht werden:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… und %n weiteres.</numerusform>
            <numerusform>… und %n weitere.</numerusform>
        </translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Hinweise</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>Zu viele, um sie einzeln aufzuführen: jeder Ordner und jeder Eintrag, der nicht gelöscht wurde.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%1 von %Ln gelöscht</numerusform>
            <numerusform>%1 von %Ln gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>Seite %1 von %2</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON signiert mit Schlüssel</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 des signierten JSON</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Speicher</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Verlangt, nicht ausgeführt: Der Vorgang wurde nicht beendet</translation>
    </message>
    <message>
        <source>yes</source>
        <translation>ja</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nein</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Geräte</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>Firmware %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Laufwerk %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Rotierend</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Nimmt Freigaben an (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Verschlüsselung</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Bereinigung</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>vom Laufwerk nicht angegeben</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Abbilddatei</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Sektorgröße</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 Bytes logisch, %2 Bytes physisch</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Anschluss</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 ab %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Partitionstabelle vorher</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>keine gefunden</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Verschlüsselungsschlüssel</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: %2 Schlüsselplatz/-plätze zerstört, %3 Header überschrieben</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Durchgang %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>Zufallsdaten, %1, vollständig</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>Zufallsdaten, %1, nicht vollständig</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Prüfung</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>nicht durchgeführt</translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 zurückgelesen und verglichen: gleich</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 zurückgelesen und verglichen: verschieden</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Freigabe (TRIM)</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>das ganze Laufwerk, sicher</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>das ganze Laufwerk</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>vom Laufwerk abgelehnt</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>vom Laufwerk nicht unterstützt</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Weder Clear noch Purge (NIST SP 800-88): Ein Überschreiben durch das Dateisystem erreicht nicht jeden adressierbaren Block des Mediums.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Bereinigungsnachweis</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Hersteller</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Inventarnummer</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Medientyp</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Herkunft des Mediums</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategorie</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Verfahren</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Überschreiben</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Kryptografisches Löschen</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Kryptografisches Löschen, dann Überschreiben</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Werkzeug</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Prüfverfahren</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>Der letzte Durchgang wurde vom Gerät zurückgelesen und verglichen</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Keines</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Verbleib nach der Bereinigung</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Durchgeführt von</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Unterschrift</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Geprüft von</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Eigenes Löschen des Laufwerks</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Antwort des Laufwerks</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>abgeschlossen</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>lief noch, als Velmora aufhörte zu warten</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fehlgeschlagen</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nicht gesendet</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Stichprobenprüfung</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 über das Laufwerk verteilte Blöcke vorher markiert und nachher gelesen: %2 wie vom Befehl zugesagt, %3 nicht</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Eigenes Löschen des Laufwerks (%1, %2), dann Überschreiben</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Eigenes Löschen des Laufwerks (%1, %2)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Über das Laufwerk verteilte Stichprobenblöcke, vor dem eigenen Löschen des Laufwerks markiert und danach gelesen (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n über das Laufwerk verteilter Block zurückgelesen und verglichen: gleich</numerusform>
            <numerusform>%n über das Laufwerk verteilte Blöcke zurückgelesen und verglichen: gleich</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n über das Laufwerk verteilter Block zurückgelesen und verglichen: verschieden</numerusform>
            <numerusform>%n über das Laufwerk verteilte Blöcke zurückgelesen und verglichen: verschieden</numerusform>
        </translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Über das Laufwerk verteilte Stichprobenblöcke nach dem letzten Durchgang zurückgelesen und verglichen (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>nicht angelegt: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>eine neue %1-Partitionstabelle mit einer Partition (%2) und einem leeren %3-Dateisystem darauf</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>eine neue %1-Partitionstabelle mit einer Partition (%2) und einem leeren %3-Dateisystem darauf mit der Bezeichnung %4</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>Wieder einsatzbereit</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>Dateien oder Ordner hierher ziehen</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Datei hinzufügen</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Ordner hinzufügen</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Alle entfernen</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Papierkorb hinzufügen</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Aus der Liste entfernen</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Dateien/Ordner werden hinzugefügt, bitte warten …</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Dateien wählen</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Bitte warten …</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Ordner wählen</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papierkorb</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>Der Papierkorb ist leer.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n Eintrag, insgesamt %1</numerusform>
            <numerusform>%n Einträge, insgesamt %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Nicht hinzugefügt</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ Keine weitere Fülldatei anlegbar: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ Schreiben der Fülldatei fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ Speichern der Fülldatei auf dem Gerät fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Die gelöschten Namen werden aus dem Journal verdrängt …</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Fülldatei eines abgebrochenen Löschvorgangs entfernt: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 In das Wurzelverzeichnis des Datenträgers dürfen Sie nicht schreiben; sein freier Speicher wird aus Ihrem Ordner gefüllt: %1</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Die Namen gelöschter Dateien, freie Inodes und das Journal werden überschrieben …</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Kein TRIM: Dieses Gerät verwirft keine freien Blöcke.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Kein TRIM: %1</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>freier Speicher</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>Namen und Journal</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ Das Verdrängen der gelöschten Namen aus dem Journal ist auf %1 fehlgeschlagen: %2</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ Das Überschreiben der Namen gelöschter Dateien ist fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ Der freie Speicher des Dateisystems wurde auf dem Gerät verworfen (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Kein TRIM: Das Gerät verwirft Blöcke, aber dieses Dateisystem (%1) oder sein Treiber gibt es nicht weiter.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ Namen gelöschter Dateien können auf %1 bleiben: Dieses Dateisystem (%2) bewahrt sie dort auf, wo eine Füllung nicht hinkommt.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 Das Journal von %1 wurde geleert und seine Blöcke mit Nullen überschrieben: Es enthält keine Kopie des Gelöschten mehr.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 Das Journal von %1 wurde geleert und seine Blöcke auf dem Gerät verworfen.</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ Das Journal von %1 kann die zuletzt gelöschten Namen noch enthalten; Löschen als Administrator leert es.</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>Dateieinträge</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Die freien Dateieinträge, in denen die Namen gelöschter Dateien stehen, werden überschrieben...</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Die Namen gelöschter Dateien können auf %1 bleiben: sein Treiber (%2) ist zu langsam, um sie zu überschreiben.</translation>
    </message>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ Eine Fülldatei konnte nicht entfernt werden: %1 (%2 MB, %3). Löschen Sie sie, um den Platz zurückzubekommen.</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 MB freier Speicher sind dem Systemverwalter vorbehalten und können nicht überschrieben werden; löschen Sie den freien Speicher als root, um sie zu erreichen.</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 MB des freien Speichers von %2 wurden nicht überschrieben: Sein Dateisystem zählt sie noch als frei, aber sein Treiber nahm nichts mehr an. Was gelöschte Dateien dort hinterließen, kann verbleiben. Eine Prüfung des Datenträgers, während er nicht eingehängt ist (fsck.fat), berichtigt die Zählung für das nächste Löschen.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ XFS hielt %1 MB des freien Speichers von %2 zurück, während die Füllung den Datenträger belegte, in Blöcken jeder Zuordnungsgruppe, die keiner Datei gegeben werden können; ohne TRIM behalten sie, was sie enthielten.</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Freie Blöcke auf dem Gerät verworfen (TRIM): %1 MB</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ Die freien Dateieinträge von %1 wurden nicht überschrieben: Der Datenträger war nach dem Füllen nicht als voll zu lesen. Namen gelöschter Dateien können darin verbleiben.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>eine FAT32-Bezeichnung nimmt nur Buchstaben, Ziffern, Leerzeichen und -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>eine FAT32-Bezeichnung nimmt höchstens 11 Zeichen</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>eine Bezeichnung nimmt keine Steuerzeichen</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>eine ext4-Bezeichnung nimmt höchstens 16 Bytes</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 ist nicht installiert</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>die Partitionstabelle konnte nicht geschrieben werden: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>die neue Partition war nicht erreichbar: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 ist fehlgeschlagen (%2): %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>die Bezeichnung ist kein gültiger Text</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>eine exFAT-Bezeichnung nimmt höchstens 11 Zeichen</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (also %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>Ein leerer Pfad wurde angegeben. Er wird abgelehnt, damit eine nicht gesetzte Variable in einem Skript nie den aktuellen Ordner bedeutet.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>Datei oder Ordner nicht vorhanden: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 ist die Wurzel des Dateisystems: alles auf diesem Computer. Sie wird nie als Ganzes gelöscht.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 gehört zum Betriebssystem. Es zu löschen würde diesen Computer unbrauchbar machen; es wird abgelehnt.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 enthält Daten anderer Benutzer oder der Systemdienste. Es wird nie als Ganzes gelöscht; wählen Sie die Ordner darin.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 ist ein persönlicher Ordner oder enthält einen. Er wird nie als Ganzes gelöscht; wählen Sie die Dateien und Ordner darin.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 ist ein Gerät, keine Datei: Es zu entfernen würde nichts auf dem Gerät löschen. Um zu vernichten, was ein Datenträger enthält, löschen Sie den Datenträger (Datenträger löschen).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 ist ein Socket oder ein FIFO, keine Datei: Es enthält nichts zu löschen.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 enthält das laufende System und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 enthält Ihren persönlichen Ordner und kann nicht gelöscht werden. Löschen Sie stattdessen ausgewählte Dateien oder seinen freien Speicher.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 verbirgt %n Sektor (%2) hinter dem Ende, das er zeigt (eine herabgesetzte höchste zugängliche Adresse): Er wird nicht gelöscht.</numerusform>
            <numerusform>%1 verbirgt %n Sektoren (%2) hinter dem Ende, das er zeigt (eine herabgesetzte höchste zugängliche Adresse): Sie werden nicht gelöscht.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 verbirgt %n Sektor (%2) hinter dem Ende, das er zeigt (ein Host Protected Area): Er wird nicht gelöscht.</numerusform>
            <numerusform>%1 verbirgt %n Sektoren (%2) hinter dem Ende, das er zeigt (ein Host Protected Area): Sie werden nicht gelöscht.</numerusform>
        </translation>
    </message>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>das Laufwerk nennt nicht mehr die native Größe, die es nannte</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>das Laufwerk hat SET MAX ADDRESS abgelehnt</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>eine herabgesetzte zugängliche Höchstadresse (AMA) behält das Laufwerk über das Ausschalten hinaus: Sie anzuheben würde das Laufwerk dauerhaft ändern</translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Zugriff verweigert: Einiges davon gehört einem anderen Benutzer oder dem System. Starten Sie Velmora mit „Als Administrator ausführen“, um es zu löschen.</translation>
    </message>
</context>
<context>
    <name>JobEvent</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
</context>
<context>
    <name>JobJournal</name>
    <message>
        <source>An erase of files and folders</source>
        <translation>Ein Löschen von Dateien und Ordnern</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Ein Löschen des ganzen Datenträgers %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Ein Löschen des freien Speichers von %1</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), begonnen %3, wurde vor seinem Ende unterbrochen%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, während: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>Keiner seiner Einträge ist noch auf dem Datenträger.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Nicht fertig, noch vorhanden:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … und %n weiterer</numerusform>
            <numerusform>  … und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Die Hilfsdateien, die es in %1 hinterließ, wurden entfernt.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>%n Hilfsdatei, die es in %1 hinterließ, konnte nicht entfernt werden.</numerusform>
            <numerusform>%n Hilfsdateien, die es in %1 hinterließ, konnten nicht entfernt werden.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>Die geliehene Reserve wurde %1 zurückgegeben.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>Die geliehene Reserve konnte %1 nicht zurückgegeben werden; erneutes Einhängen des Datenträgers stellt sie wieder her.</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ In %1 lässt sich kein Protokoll dieses Vorgangs führen (%2): Wird er abgebrochen, kann der nächste Start nicht sagen, was unerledigt blieb.</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Ein Löschen des ganzen Laufwerks %1, dessen Sektoren alle schon überschrieben waren,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Ein Löschen des ganzen Laufwerks %1, dessen LUKS-Schlüssel vielleicht zerstört wurden, vielleicht nicht,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Ein Löschen des ganzen Laufwerks %1, das noch einen Teil seiner alten Daten enthalten kann,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Ein Vorgang wurde unterbrochen, aber sein Protokoll ist nicht lesbar: Was er unerledigt ließ, ist unbekannt, und nichts wurde aufgeräumt. Das Protokoll wurde als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>a wipe of the whole volume %1</source>
        <translation>ein Löschen des ganzen Datenträgers %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>ein Löschen des freien Speichers von %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (PID %2), gestartet %3</translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 antwortet nicht: Was der Vorgang dort hinterließ, wurde nicht gesucht.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>Das Laufwerk: %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 bezeichnet es noch immer.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 bezeichnet jetzt ein anderes Gerät: %1 erneut zu löschen, würde dieses Laufwerk nicht fertig löschen.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 ist jetzt nicht vorhanden.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>cannot read the space of %1</source>
        <translation>der Speicherplatz von %1 kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Löschen angehalten: Strg-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Löschen angehalten: zum Beenden aufgefordert (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Löschen angehalten: Das Terminal oder die Sitzung wurde geschlossen (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Löschen durch Signal %1 angehalten.</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ Der Vorgang wurde vorzeitig beendet: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ Konnte nicht sicher gelöscht werden: %1</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Übersprungen (konnte nicht gelöscht werden): %1</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ Die temporäre Datei zum Löschen des freien Speichers konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Der ganze Datenträger wurde gelöscht.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ Die Datei zum Überschreiben des freien Speichers konnte nicht angelegt werden.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Der freie Speicher wurde gelöscht.</translation>
    </message>
    <message>
        <source>files</source>
        <translation>Dateien</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>Aufräumen</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ Es gibt keinen persönlichen Ordner: Nach Vorschaubildern, zuletzt geöffneten Dateien und Papierkorb-Einträgen wurde nicht gesucht.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>Spuren</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ Die Liste der zuletzt geöffneten Dateien blieb, wie sie war: %1. Sie kann noch nennen, was gelöscht wurde.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Aus den zuletzt geöffneten Dateien entfernt: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n Verlaufseintrag</numerusform>
            <numerusform>%n Verlaufseinträge</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Spuren entfernt: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Teile der gelöschten Dateien können in unverschlüsselten Auslagerungsspeicher geschrieben worden sein (%1); dort erreicht sie kein Löschen von Dateien.</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n Vorschaubild</numerusform>
            <numerusform>%n Vorschaubilder</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n Papierkorb-Eintrag</numerusform>
            <numerusform>%n Papierkorb-Einträge</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Aus der Liste der Ordnergrößen des Papierkorbs entfernt: %1</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Ein anderer Velmora-Vorgang arbeitet auf %1: Nichts wurde geschrieben. Warten Sie, bis er endet.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ Nicht gelöscht: %1 ist noch da, obwohl nichts gegen das Entfernen gemeldet wurde.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ Nicht gelöscht: %1 ist noch da, daher konnte sein Ordner nicht entfernt werden.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Nicht gelöscht: %n weiterer Eintrag noch in %1.</numerusform>
            <numerusform>⚠️ Nicht gelöscht: %n weitere Einträge noch in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Löschen des Laufwerks beendet: Nicht alles wurde gelöscht.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Löschen des freien Speichers beendet: Nicht der ganze freie Speicher wurde überschrieben.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Dateien löschen</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Datenträger löschen</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Freien Speicher löschen</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Laufwerk löschen</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Geplant: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>nicht signiert</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>nach dem Signieren verändert</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>mit einem anderen Schlüssel signiert</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1 (laut Inhalt: %2)</translation>
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
        <translation>Datenträger löschen</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Daten endgültig löschen &amp;amp; Lecks verhindern&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora löscht vertrauliche Daten sicher von Ihrer Festplatte oder Ihrem USB-Stick. &lt;br/&gt;Schützen Sie Ihre Privatsphäre und verhindern Sie Datenlecks dauerhaft.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Freien Speicher löschen</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Datei löschen</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Bitte warten</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Alle ausgewählten Dateien wurden endgültig gelöscht.</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 Der Datenträger wurde sicher gelöscht und ist jetzt leer.</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 Der freie Speicher wurde sicher gelöscht; es bleiben keine Spuren.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Löschvorgang abgeschlossen.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n Eintrag konnte nicht sicher gelöscht werden:</numerusform>
            <numerusform>⚠️ %n Einträge konnten nicht sicher gelöscht werden:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Mit Problemen beendet</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Anhalten bestätigen</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>Möchten Sie wirklich anhalten?</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Löschen vom Benutzer angehalten.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>Zurückgebliebene Fülldateien</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>%n Fülldatei konnte nicht entfernt werden; das Löschen des freien Speichers dieses Datenträgers entfernt sie.</numerusform>
            <numerusform>%n Fülldateien konnten nicht entfernt werden; das Löschen des freien Speichers dieses Datenträgers entfernt sie.</numerusform>
        </translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Löschen läuft</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>Ein Löschvorgang läuft. Anhalten und beenden?</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Unterstützung</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Dieses Programm löscht Dateien, Datenträger und freien Speicher sicher.

Copyright © 2026 Die Velmora-Entwickler</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Fehler</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>Dieser Datenträger enthält das laufende System und kann nicht gelöscht werden.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>Dieser Datenträger enthält Ihren persönlichen Ordner und kann nicht gelöscht werden. Löschen Sie stattdessen ausgewählte Dateien oder seinen freien Speicher.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Gewähltes Verfahren: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Keine Dateien</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Bitte fügen Sie mindestens eine Datei hinzu.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>Bitte wählen Sie ein Löschverfahren!</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>Der Löschvorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Kein Datenträger gewählt</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>Bitte wählen Sie einen Datenträger und klicken Sie auf Weiter!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>Bitte wählen Sie zuerst ein Löschverfahren!</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Löschvorgang abgebrochen.</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>Kein Datenträger gewählt!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>Der Pfad des gewählten Datenträgers ist ungültig!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>Die Kapazität des Datenträgers ist nicht zu ermitteln!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Datenträger wird gelöscht, bitte warten …</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>Bitte wählen Sie zuerst ein Löschverfahren!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Abgebrochen</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>Der Löschvorgang wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>Der freie Speicher ist nicht zu ermitteln!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Freier Speicher wird gelöscht, bitte warten …</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Bericht speichern</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF-Dokumente (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Bericht nicht gespeichert</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Der Bericht konnte nicht unter %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Bericht gespeichert unter %1</translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Unterbrochenes Löschen</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>Den Rest jetzt löschen?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>Den Datenträger jetzt erneut wählen?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>Das Gerät antwortet nicht; das Programm endet, ohne darauf zu warten.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 Der freie Speicher wurde überschrieben. Was bleiben kann:</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 Der Datenträger wurde gelöscht. Was bleiben kann:</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Nicht Gelöschtes wieder hinzufügen (%1)</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>Der Vorgang wurde nicht abgeschlossen:</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Freien Speicher von %1 löschen…</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Kein Browser</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>Es konnte kein Webbrowser gestartet werden. Die Seite ist hier zu finden:
%1</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Ein unterbrochenes Löschen hat diese Fülldateien hinterlassen; sie zu entfernen gibt %1 frei:

%2

Jetzt entfernen?</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Löschbericht</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Bericht anzeigen…</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Papierkorb löschen…</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Ein geplanter Löschvorgang am %1 hat nicht alles erledigt: siehe Berichte… im Menü.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Planen…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Berichte…</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Datenträger</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Laufwerke</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Jeder Sektor des gewählten Laufwerks wird überschrieben: alle seine Partitionen und seine Partitionstabelle.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Das Löschen eines ganzen Laufwerks braucht Administratorrechte: Starten Sie Velmora im Administratormodus, um eines zu wählen.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Größe: %2 Bytes, Sektoren zu %3 Bytes (%4 physisch)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>Abbilddatei: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Administratorrechte nötig</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Das Löschen eines ganzen Laufwerks schreibt auf das Gerät selbst, was nur der Administrator darf. Starten Sie Velmora im Administratormodus und wählen Sie das Laufwerk erneut.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Im Administratormodus starten</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Kein Laufwerk gewählt</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>Bitte wählen Sie ein Laufwerk und klicken Sie auf Weiter!</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>Das Laufwerk %1 ist nicht mehr da.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Das ganze Laufwerk %1 wird gelöscht, bitte warten...</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Berichtsangaben…</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>Das Laufwerk jetzt erneut wählen?</translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ Die ausgewählten Dateien wurden überschrieben und entfernt. Was verbleiben kann:</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 Der freie Speicher wurde überschrieben.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 Die Schlüssel von %1 wurden zerstört: Was darauf liegt, kann nicht mehr entschlüsselt werden.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 Die Schlüssel von %1 wurden zerstört und das Laufwerk überschrieben.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 Das Laufwerk %1 wurde überschrieben.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>Damit werden die Schlüssel von %1 zerstört: Nichts darauf lässt sich wieder entschlüsseln.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>Damit wird alles auf dem Laufwerk %1 endgültig vernichtet.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 Das Laufwerk %1 hat sich mit seinem eigenen Befehl gelöscht, und keiner der über das Laufwerk verteilten Stichprobenblöcke liest sich wie zuvor.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>%1 wird gefragt, was es anbietet …</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>Damit wird alles auf diesem Laufwerk endgültig vernichtet.</numerusform>
            <numerusform>Damit wird alles auf diesen %n Laufwerken endgültig vernichtet.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n Laufwerk</numerusform>
            <numerusform>%n Laufwerke, alle zugleich gelöscht</numerusform>
        </translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>Nicht jedes Laufwerk wurde gelöscht</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Berichte speichern…</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Laufwerke gelöscht: %1 von %2</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ Das Ergebnis dieses Auftrags konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Ganze Laufwerke löschen</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Wählen Sie ein Laufwerk, oder mehrere, um sie zugleich zu löschen.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Einen ganzen Datenträger löschen</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Alles auf dem gewählten Datenträger wird gelöscht, dann wird sein freier Speicher gefüllt.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Den freien Speicher eines Datenträgers löschen</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>Was gelöschte Dateien im freien Speicher hinterließen, wird überschrieben; die Dateien darauf bleiben.</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Velmora-Handbuch</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>Es konnte kein Webbrowser gestartet werden; dies ist das mit Velmora installierte Handbuch. Die Online-Hilfe ist unter %1.</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>Ein Löschvorgang läuft. Was im Papierkorb liegt, steht in der Liste der zu löschenden Dateien, für die Zeit nach seinem Ende.</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>Netzwerk</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>Arbeitsspeicher · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>Arbeitsspeicher</translation>
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
        <translation>USB-Flash</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>USB-Laufwerk</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD-Karte</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>virtuelles Laufwerk · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>virtuelles Laufwerk</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>Abbilddatei</translation>
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
        <translation>unbekannt</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>antwortet nicht</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>Abbilddatei · %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · verschlüsselt</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>Seriennummer %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>einem Solid-State-Laufwerk</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>einer Festplatte</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>einem USB-Laufwerk</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>einer SD-Karte</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>eMMC-Flash-Speicher</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 ist ein Netzwerk-Dateisystem (%2): Der Server kann Kopien und Snapshots des Gelöschten behalten, die kein Überschreiben von diesem Computer aus erreicht.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 liegt im Arbeitsspeicher (%2): Was dort gelöscht wurde, ist fort, sobald der Computer ausgeschaltet wird.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 liegt im Arbeitsspeicher (%2): Was dort gelöscht wurde, ist fort, sobald der Computer ausgeschaltet wird, doch Teile davon können in nicht verschlüsselten Auslagerungsspeicher geschrieben worden sein (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 ist verschlüsselt (%2): Was immer das Laufwerk darunter an früheren Kopien behält, ist ebenfalls verschlüsselt und ohne seinen Schlüssel nicht lesbar.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 liegt auf %2: Das Laufwerk kann frühere Kopien in Flash-Zellen behalten, die kein Überschreiben erreicht. Velmora bittet es, die freigewordenen Blöcke zu verwerfen (TRIM). Um sicherzugehen, halten Sie das Laufwerk verschlüsselt oder nutzen Sie den eigenen Bereinigungsbefehl des Laufwerks, bevor es Ihre Hände verlässt.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 liegt auf %2: Das Laufwerk kann frühere Kopien in Flash-Zellen behalten, die kein Überschreiben erreicht, und es nimmt keine Freigaben an (TRIM). Um sicherzugehen, halten Sie das Laufwerk verschlüsselt oder nutzen Sie den eigenen Bereinigungsbefehl des Laufwerks, bevor es Ihre Hände verlässt.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 liegt auf %2: Enthält es Flash-Speicher, wie USB-Sticks, kann es frühere Kopien in Zellen behalten, die kein Überschreiben erreicht. Um sicherzugehen, halten Sie das Laufwerk verschlüsselt.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Weder Clear noch Purge (NIST SP 800-88): Ein Überschreiben durch das Dateisystem erreicht nicht jeden adressierbaren Block des Mediums.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>Auf Flash-Speicher liegen Zellen, die das Laufwerk umgelegt hat, außerhalb der Reichweite des Rechners.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>Die Blöcke liegen auf einem anderen Computer.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>Der Datenträger ist verschlüsselt: Was das Laufwerk darunter behält, ist verschlüsselt.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora kann nicht erkennen, welches Dateisystem %1 enthält (sein Treiber nennt es &quot;%2&quot;): Die Namen gelöschter Dateien und was sein Treiber von ihnen behält, können dort verbleiben.</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>Wird gestartet …</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>noch etwa %n s</numerusform>
            <numerusform>noch etwa %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>noch etwa %n min</numerusform>
            <numerusform>noch etwa %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>noch etwa %1 h %2 min</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>Durchgang %1 von %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Wird angehalten: Warten, bis das Gerät den laufenden Schreibvorgang beendet …</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Wird abgeschlossen…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Gelöscht von</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Funktion</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Ort</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Inventarnummer</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Herkunft des Mediums</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Verbleib nach der Bereinigung</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Geprüft von</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Funktion des Prüfers</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Berichtsangaben</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Jeder Bericht nennt diese Angaben. Was leer bleibt, wird als Linie zum Ausfüllen von Hand gedruckt.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>der Signaturschlüssel %1 kann von anderen geändert werden (Modus %2): Er wird nicht benutzt</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>der Signaturschlüssel %1 gehört einem anderen Benutzer (UID %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>andere können den Signaturschlüssel %1 lesen (Modus %2): Wer das kann, kann in Ihrem Namen Ergebnisse signieren</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 enthält keinen privaten Ed25519-Schlüssel</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>es konnte kein Signaturschlüssel erzeugt werden</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>ein neuer Signaturschlüssel wurde erzeugt: %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>das Ergebnis konnte nicht signiert werden</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>der Bericht ist nicht signiert</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>seine Signatur enthält ein Feld, das sie nicht hat: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>seiner Signatur fehlt das Feld %1</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>der Bericht wurde nach dem Signieren verändert</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>seine Signatur nennt den Schlüssel %1, wurde aber mit Schlüssel %2 erstellt</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>der SHA-256 in seiner Signatur ist nicht der des Berichts</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>er wurde mit Schlüssel %1 signiert, nicht mit %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Reports</source>
        <translation>Berichte</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>Das signierte Ergebnis jedes Auftrags, neueste zuerst, mit seinem Bericht, wo einer erstellt wurde. Geplante Löschvorgänge stehen mit darin.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Beendet</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Auftrag</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Noch ist kein Auftrag gelaufen: das Ergebnis jedes Auftrags wird hier aufbewahrt.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Speichern unter…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Signatur prüfen</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Signatur</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 ist bereits vorhanden</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Bericht speichern unter</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nicht gespeichert</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Dieses Ergebnis ist nicht so, wie es signiert wurde: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>Die Signatur ist gültig: dieses Ergebnis ist so, wie es mit dem Schlüssel %1 signiert wurde.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>eine Partition: das eigene Löschen des Laufwerks erfasst das ganze Laufwerk</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>ein Loop-Gerät hat kein eigenes Löschen</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>im Arbeitsspeicher: es hat kein eigenes Löschen</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>ein virtuelles Laufwerk (virtio): der Host reicht ihm keine Löschbefehle weiter</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>hinter einer USB-Brücke: schließen Sie es direkt an, um sein eigenes Löschen zu nutzen</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>eine SD-Karte oder eMMC: Velmora sendet ihr eigenes Löschen nicht</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>ein Netzwerklaufwerk hat kein eigenes Löschen</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>um das Laufwerk zu fragen, was es anbietet, sind Administratorrechte nötig</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>der Kernel reicht keine Befehle an es weiter</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>es konnte nicht gefragt werden: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>es verweigerte, sich auszuweisen (NVMe-Status 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>es bietet weder Sanitize noch Format an</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>es unterstützt den ATA-SANITIZE-Funktionssatz nicht</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>es gibt nicht an, welche Befehle es unterstützt</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>es unterstützt SCSI SANITIZE nicht</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>eigenes Löschen: keines (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>eigenes Löschen: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>; Sicherheit eingefroren: Rechner in den Ruhezustand versetzen und wieder aufwecken, um das aufzuheben</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>das Laufwerk bietet %1 nicht an; es bietet %2 an</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>NVMe-Status 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>der Namensraum konnte nicht ermittelt werden (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>das Laufwerk hat das Format nicht ausgeführt (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>das Laufwerk hat das Sanitize abgelehnt (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>sein Sanitize-Protokoll konnte nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>das Laufwerk meldet, dass das Sanitize fehlgeschlagen ist</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>das Laufwerk meldet seit seiner Herstellung kein Sanitize</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>ATA-Status 0x%1, Fehler 0x%2, Grund 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>SCSI-Sense %1/%2/%3</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>das Laufwerk hat das SANITIZE abgelehnt (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>das Laufwerk hat nicht mitgeteilt, wie sein SANITIZE steht</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>das Laufwerk meldet, dass das SANITIZE fehlgeschlagen ist (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>das Laufwerk meldet kein abgeschlossenes SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>das Laufwerk meldet %1</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>sein SANITIZE ist gesperrt (frozen): Versetzen Sie den Rechner in den Bereitschaftsmodus und wecken Sie ihn wieder, um die Sperre aufzuheben, und fragen Sie dann erneut</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Geplante Löschvorgänge</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Entfernen</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Papierkorb löschen</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Freien Speicher von %1 löschen</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Hinzufügen</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktiv</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inaktiv</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Jeder Lauf hinterlässt seinen Bericht in %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>systemd läuft hier nicht: Die Zeitgeber sind geschrieben, aber inaktiv.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>Nicht geplant</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>Nicht entfernt</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Löschvorgänge, die von selbst laufen:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Noch ist nichts geplant. Wählen Sie unten, was, wie oft und wie gelöscht werden soll, dann Hinzufügen.</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Was:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>Wie &amp;oft:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Methode:</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>monatlich</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>wöchentlich</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Papierkorb löschen</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Freien Speicher von %1 löschen</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>läuft wöchentlich oder monatlich, nicht %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>unbekannte Methode %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>das Löschen des freien Speichers braucht einen Einhängepunkt</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>es gibt keinen Plan %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>kann nicht entfernt werden</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>die Berichte seiner Läufe können nicht in %1 aufbewahrt werden: %2</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Laufwerk</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Zustand</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Berichte speichern…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Anhalten</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>%n Laufwerk wird gelöscht, mit eigenem Fortschritt und eigenem Bericht.</numerusform>
            <numerusform>%n Laufwerke werden zugleich gelöscht, jedes mit eigenem Fortschritt und eigenem Bericht.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Läuft</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Anhalten bestätigen</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>Alle Laufwerke anhalten? Was noch nicht gelöscht ist, behält seinen Inhalt.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Alle Laufwerke werden angehalten…</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>das Ergebnis von %1 konnte nicht signiert werden: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Berichte speichern</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Berichte nicht gespeichert</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>Die Berichte konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 Bericht und signiertes Ergebnis jedes Laufwerks wurden in %1 gespeichert</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ Das Ergebnis dieses Laufwerks konnte nicht aufbewahrt werden: %1</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 konnte nicht geschrieben werden</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>sie ist kein UTF-8-Text</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>sie kann nicht gelesen werden</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>ein anderes Programm hat sie immer wieder geändert</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ Der Papierkorb %1 bleibt unberührt: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>er ist eine Verknüpfung</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>er ist kein Ordner</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>er gehört nicht Ihnen</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>ihm fehlt das Sticky-Bit eines gemeinsamen Papierkorbs</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>sein Datenträger antwortet nicht</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Während des Löschens verändert, unberührt gelassen: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ Ordner konnte nicht entfernt werden: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Sicher gelöscht: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Prüfung fehlgeschlagen: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ Leere Datei gelöscht: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Leeren Ordner entfernt: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ Nur dieser Name wurde entfernt: Andere Verknüpfungen außerhalb der Auswahl halten den Inhalt lesbar: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Wird gelöscht: %1</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ Datei nicht gefunden: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ Wuchs während des Löschens weiter; was inzwischen geschrieben wurde, kann auf dem Gerät bleiben: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ Nicht gelöscht, hier ist ein anderer Datenträger eingehängt: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Verknüpfung entfernt: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ Ordner konnte nicht geöffnet werden: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ Spezialdatei entfernt: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ Ordnerinhalt konnte nicht gelesen werden: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Verknüpfung entfernt: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 ist ein Copy-on-Write-Dateisystem (%2): Ein Überschreiben an Ort und Stelle erreicht die älteren Kopien nicht, die es aufbewahrt. Löschen Sie danach den freien Speicher dieses Datenträgers.</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Überschrieben und entfernt, aber das Dateisystem meldete einen Fehler; ob es gelöscht ist, ist daher nicht bekannt: %1</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>die Datei ist unveränderlich</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>an die Datei kann nur angehängt werden</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ Die aus %1 gelöschten Namen können in seinen freien Einträgen verbleiben: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 Die freien Einträge von %n Ordner, der gelöschte Namen enthielt, wurden überschrieben.</numerusform>
            <numerusform>🧹 Die freien Einträge von %n Ordnern, die gelöschte Namen enthielten, wurden überschrieben.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ Die aus %n weiteren Ordner gelöschten Namen können in seinen freien Einträgen verbleiben; löschen Sie den freien Speicher des Datenträgers, um sie zu erreichen.</numerusform>
            <numerusform>⚠️ Die aus %n weiteren Ordnern gelöschten Namen können in ihren freien Einträgen verbleiben; löschen Sie den freien Speicher des Datenträgers, um sie zu erreichen.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ Bis zu %1 an älteren Kopien des Gelöschten können auf %2 verbleiben, bis sein freier Speicher gelöscht wird.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Die Namen gelöschter Dateien können in den freien Einträgen ihrer Ordner auf %1 bleiben: sein Treiber (%2) ist zu langsam, um sie zu überschreiben.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Die aus %1 gelöschten Namen können in Blöcken verbleiben, die sein Ordner an den Datenträger zurückgegeben hat (XFS); löschen Sie den freien Speicher des Datenträgers, um sie zu erreichen.</translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 Der Platz, den die gelöschten Dateien und ihre Ordner an %1 zurückgegeben haben, wurde überschrieben.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Die aus Ordnern von %1 gelöschten Namen können in Platz verbleiben, den die Ordner an den Datenträger zurückgegeben haben (exFAT); löschen Sie den freien Speicher des Datenträgers, um sie zu erreichen.</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 %1 Daten geprüft</translation>
    </message>
    <message>
        <source>at byte %1</source>
        <translation>bei Byte %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>das Gerät gab bei Byte %1 andere Daten zurück</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
</context>
<context>
    <name>VolumeTable</name>
    <message>
        <source>Select</source>
        <translation>Auswahl</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Einhängepunkt</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Kapazität</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Freier Speicher</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Dateisystem</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Gerät</translation>
    </message>
    <message>
        <source>%1
Device: %2
Label: %3
Capacity: %4 bytes
Available: %5 bytes</source>
        <translation>%1
Gerät: %2
Bezeichnung: %3
Kapazität: %4 Byte
Verfügbar: %5 Byte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(keine)</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Medium</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Medium: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Geräte: %1</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Dieser Datenträger antwortet nicht; er kann jetzt nicht gewählt werden.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modell</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Seriennummer</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Partitionen</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Kann gelöscht werden</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Administratorrechte nötig</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Löscht Dateien und Ordner unwiederbringlich oder löscht einen ganzen Datenträger oder seinen freien Speicher.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>Dateien und Ordner für die Liste der zu löschenden Einträge.</translation>
    </message>
</context>
</TS>
