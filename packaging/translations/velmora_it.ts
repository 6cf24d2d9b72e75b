<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Per cancellare ciò che resta: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Per eseguirlo di nuovo: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Cancellazione dello spazio libero di %1, dove possono restare copie più vecchie di ciò che è stato cancellato…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify e --crypto-erase vanno solo con drive</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash va solo con erase</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize e --then-overwrite vanno solo con drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite segue --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize e --crypto-erase non vanno insieme: la cancellazione crittografica propria dell&apos;unità è --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize non sovrascrive nulla: --method va con --then-overwrite</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample e --verify=full vanno solo con drive; --verify rilegge l&apos;ultimo passaggio</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= e --no-verify si contraddicono</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format va solo con drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label nomina ciò che --format crea</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace segue solo erase</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Provare «velmora-cli --help».</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= non nomina alcuna azione</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= prende sample o full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>comando sconosciuto %1; i comandi sono erase, wipe, freespace, drive, drives, schedule, check-report, volumes e reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 si trova in ciò che deve essere cancellato; nulla è stato cancellato</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>un&apos;altra operazione di Velmora sta lavorando su %1; nulla è stato cancellato. Eseguire questa quando sarà terminata.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 sta lavorando su %2; nulla è stato cancellato. Eseguire questa quando sarà terminata.</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 non è un dispositivo a blocchi</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>cancellare un&apos;intera unità richiede i diritti di amministratore: eseguirlo come root (sudo)</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>azione sconosciuta %1; le azioni sono crypto-erase, block-erase, format-crypto, format-erase e overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: nessuna cancellazione propria da inviare: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 richiede un percorso</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>impossibile leggere i percorsi dalla riga di comando</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>Il Cestino è vuoto; nulla da cancellare.
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root lo scavalca.)</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 prende un solo punto di mount</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>è stato dato un percorso vuoto; %1 prende il punto di mount del volume</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 prende il punto di mount del volume come percorso assoluto, non %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 non è il punto di mount di un volume</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>impossibile leggere lo spazio di %1</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>file system sconosciuto %1; --format prende exfat, fat32 o ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format prende un&apos;intera unità: %1 è una partizione</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive prende un solo dispositivo a blocchi, come /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 nasconde %n settore in un&apos;area protetta (HPA): viene aperta per la cancellazione e sovrascritta anch&apos;essa.
</numerusform>
            <numerusform>velmora-cli: %1 nasconde %n settori in un&apos;area protetta (HPA): viene aperta per la cancellazione e sovrascritta anch&apos;essa.
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli: avviso: %1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 non contiene alcun contenitore LUKS; --crypto-erase ne richiede uno</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>l&apos;intestazione LUKS di %1 non è leggibile (%2); cancellare l&apos;intera unità senza --crypto-erase</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes prende solo --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports prende solo --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Nessuna operazione è ancora stata eseguita: l&apos;esito di ciascuna è conservato in %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives prende solo --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>partizioni: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inattivo</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>Nessuna cancellazione è pianificata.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>systemd non è in esecuzione qui: i timer sono scritti ma inattivi.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove prende il nome mostrato da list</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 rimosso.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule prende add, list o remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add prende trash, oppure freespace e un punto di mount</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>%1 pianificato come %2 in %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (inattivo: systemd non lo esegue qui)</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report prende un solo esito JSON</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>non è un esito JSON (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>valido, firmato con la chiave %1
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
        <translation>Cancella senza possibilità di recupero file e cartelle, un intero volume montato o lo spazio libero di un volume.

Comandi:
  erase PERCORSO...      sovrascrivere e rimuovere file e cartelle
  wipe PUNTODIMOUNT      sovrascrivere tutto su un volume montato
  freespace PUNTODIMOUNT sovrascrivere lo spazio libero di un volume montato
  schedule add trash|freespace [PUNTODIMOUNT] [--every weekly|monthly]
  schedule list | schedule remove NOME
                         eseguire da sé una cancellazione dello spazio libero o del Cestino
  check-report FILE.json [--key IMPRONTA]
                         dire se un esito è com&apos;era quando è stato firmato
  volumes [--json]       elencare i volumi montati e il supporto sotto ciascuno
  drive DISPOSITIVO...   sovrascrivere ogni settore di unità intere o partizioni,
                         più d&apos;una insieme
  drives [--json]        elencare le unità e le partizioni, e perché una è rifiutata
  reports [--json]       elencare l&apos;esito e il rapporto conservati di ogni operazione, dal più recente</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Metodo di cancellazione: NIST, DoD, British, German o Gutmann (predefinito NIST).</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Rileggere l&apos;ultimo passaggio e confrontarlo; per un&apos;unità, --verify=sample rilegge solo blocchi campionati su tutta l&apos;unità.</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>Non chiedere; per gli script. Senza, deve rispondere un terminale.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>Mostrare solo i problemi.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Scrivere l&apos;esito in JSON in FILE.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Scrivere il rapporto di cancellazione in PDF in FILE.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Elencare i metodi di cancellazione.</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Consentire di cancellare /, le cartelle di sistema e le cartelle home (mai dispositivi).</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: lasciare dove sono le miniature, le voci dei file recenti, le schede del Cestino e le copie dell&apos;editor dei file cancellati.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: aggiungere ai percorsi tutto ciò che è nel Cestino (quello della cartella home e quello di ogni volume).</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: weekly (predefinito) o monthly.</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: l&apos;impronta (SHA256:…) della chiave con cui il rapporto deve essere firmato.</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>Il rapporto: chi ha cancellato (anche in report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>Il rapporto: per quale organizzazione.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>Il rapporto: dove.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>Il rapporto: come contattare chi ha cancellato.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>Il rapporto: il numero di inventario del supporto.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>Il rapporto: dove va il supporto in seguito (riuso, vendita, distruzione).</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: non rileggere l&apos;ultimo passaggio.</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: una volta cancellata, renderla di nuovo pronta all&apos;uso: una nuova tabella delle partizioni con una partizione e un file system exfat, fat32 o ext4 vuoto.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: l&apos;etichetta del nuovo file system.</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: aprire un&apos;area protetta (HPA) per la cancellazione, fino al prossimo spegnimento dell&apos;unità, e sovrascrivere anche ciò che nasconde.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: distruggere le chiavi del contenitore LUKS che contiene; con --method, poi sovrascriverla anche.</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: inviare all&apos;unità la sua cancellazione propria, --sanitize=AZIONE (crypto-erase, block-erase, format-crypto, format-erase, overwrite) o, senza, la più forte che offre; poi si controllano blocchi campionati su tutta l&apos;unità.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: poi sovrascriverla anche una volta, e rileggere quel passaggio.</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: cancellare poi lo spazio libero di ogni volume su cui erano i file, il che raggiunge le copie più vecchie che un volume copy-on-write conserva.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report o reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>File e cartelle, o il punto di mount del volume.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>metodo sconosciuto %1; velmora-cli --methods li elenca</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json e --report prendono un nome di file</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>nessun comando; provare «velmora-cli --help»</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, riletti blocchi campionati su tutta l&apos;unità</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, l&apos;ultimo passaggio riletto</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>Questo distruggerà in modo permanente, senza possibilità di recupero:
  %1
Metodo: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … e %n altro
</numerusform>
            <numerusform>  … e altri %n
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>poi lo spazio libero dei volumi su cui si trovano
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>Questo distruggerà in modo permanente, senza possibilità di recupero, %n unità:%1
Metodo: %2%3
</numerusform>
            <numerusform>Questo distruggerà in modo permanente, senza possibilità di recupero, %n unità insieme:%1
Metodo: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>nulla è stato cancellato: non c&apos;è un terminale per confermare; passare --yes per confermare da uno script</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Digitare la parola inglese Erase per confermare: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>annullato; nulla è stato cancellato</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Arresto: in attesa che il dispositivo finisca la scrittura in corso (Ctrl-C di nuovo esce subito)…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>impossibile scrivere %1 %2 (%3); nulla è stato cancellato</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>impossibile firmare l&apos;esito JSON: %1; nulla è stato cancellato</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: l&apos;esito JSON non è firmato: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>impossibile scrivere l&apos;esito JSON in %1: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>impossibile scrivere il rapporto in %1: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: non cancellato in modo sicuro: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: … e altri %1 non cancellati in modo sicuro
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: avviso: impossibile conservare l&apos;esito: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>impossibile scrivere i suoi file di esito</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>con più unità, %1 nomina una cartella, dove va il file di ogni unità</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Unità	Numero di serie	Stato
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 non risponde (un server di rete scomparso, o un driver bloccato); nulla è stato cancellato</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 è un collegamento creato da un altro utente; indicare la cartella stessa</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;Questo eliminerà in modo permanente i file selezionati. &lt;br/&gt;Digitare la parola inglese &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; per continuare:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Conferma</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>Digitare «Erase» </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Digitare la parola inglese «%1» per continuare:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e %n altro</numerusform>
            <numerusform>… e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Metodo: %1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>Sulla memoria flash, le celle che l&apos;unità ha rimappato sono fuori dalla portata del computer; solo il comando di sanificazione proprio dell&apos;unità le raggiunge.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), con la cancellazione propria dell&apos;unità: %1 completato, e nessun blocco campionato su tutta l&apos;unità prima e dopo si legge come prima.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), con cancellazione crittografica: ogni slot di chiave ed entrambe le intestazioni del contenitore %1 sono state sovrascritte. Vale se i dati sono sempre stati scritti solo attraverso la cifratura e non esiste altrove una copia dell&apos;intestazione.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88): ogni settore indirizzabile è stato sovrascritto, e blocchi campionati su tutta l&apos;unità sono stati riletti (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88): ogni settore indirizzabile è stato sovrascritto e l&apos;ultimo passaggio riletto.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88): ogni settore indirizzabile è stato sovrascritto; l&apos;ultimo passaggio non è stato riletto.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Né Clear né Purge (NIST SP 800-88): la cancellazione non è terminata.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Né Clear né Purge (NIST SP 800-88): %n settore non ha potuto essere scritto o riletto e può ancora contenere ciò che c&apos;era. Distruggere fisicamente l&apos;unità.</numerusform>
            <numerusform>Né Clear né Purge (NIST SP 800-88): %n settori non hanno potuto essere scritti o riletti e possono ancora contenere ciò che c&apos;era. Distruggere fisicamente l&apos;unità.</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>Questa unità contiene il sistema in esecuzione e non può essere cancellata.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>Questa unità contiene la cartella home e non può essere cancellata.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Questa partizione è sull&apos;unità del sistema in esecuzione e non può essere cancellata.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Questa partizione è sull&apos;unità della cartella home e non può essere cancellata.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Un volume di questa unità è montato (%1): smontarlo prima.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>Questa unità contiene uno swap attivo (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Questa unità è usata da %1 (un volume cifrato aperto, RAID o LVM): chiuderlo prima.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Questa unità è tenuta aperta da %1: terminare prima ciò che la usa.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Questa unità è in sola lettura.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Sistema in esecuzione</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Cartella home</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Unità di sistema</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Unità della cartella home</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Montato: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Swap in uso</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>In uso da %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Tenuta aperta da %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Sola lettura</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 è in uso (lo tiene un volume montato, una mappatura, lo swap o un altro programma): nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 è in sola lettura: nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Cancellare un&apos;intera unità richiede i diritti di amministratore: nulla è stato scritto su %1.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ Impossibile aprire %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 non è un dispositivo a blocchi: nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ Impossibile usare %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 è cambiato mentre veniva aperto: nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 non è più l&apos;unità che era quando è stata scelta (è stata rimossa, ridimensionata o ha ricevuto un altro file): nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 non c&apos;è più (%2): nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 indica ora un dispositivo diverso da quello scelto: nulla è stato scritto.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ Impossibile leggere la dimensione di %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 ha rifiutato più di %2 settori: l&apos;unità si sta guastando. Non si può dimostrare che ciò che contiene sia cancellato; distruggerla fisicamente.</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Tabella delle partizioni trovata su %1: %2, %n partizione.</numerusform>
            <numerusform>ℹ️ Tabella delle partizioni trovata su %1: %2, %n partizioni.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 non contiene alcun contenitore LUKS: non ci sono chiavi da distruggere.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ L&apos;intestazione LUKS di %1 non è leggibile (%2): le sue chiavi non possono essere distrutte una a una. Una sovrascrittura dell&apos;intera unità le raggiunge.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>chiavi</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ Impossibile distruggere gli slot di chiave di %1: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ I %1 slot di chiave di %2 sono stati distrutti, ma vi si trova ancora un&apos;intestazione LUKS dopo la sovrascrittura dei suoi primi %3.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ I %1 slot di chiave di %2 sono stati distrutti, ma le sue intestazioni non hanno potuto essere sovrascritte: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 I %1 slot di chiave e le intestazioni del contenitore %2 su %3 sono stati distrutti: nessuna passphrase o file di chiave lo apre più.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>marcatura dei blocchi campionati</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ Impossibile marcare i blocchi campionati di %1 prima della sua cancellazione propria: %2. Nulla è stato inviato all&apos;unità.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 Invio a %1 della sua cancellazione propria: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>la cancellazione propria dell&apos;unità</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>controllo dei blocchi campionati</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 ha completato la sua cancellazione propria; nessuno dei %2 blocchi campionati su tutta l&apos;unità si legge come prima.</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 ha dichiarato completata la sua cancellazione propria, ma %2 dei %3 blocchi campionati su tutta l&apos;unità si leggono ancora come prima (il primo al byte %4)%5. Non è stata cancellata: sovrascrivere l&apos;intera unità, o distruggerla.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>, o non hanno potuto essere letti</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 non ha eseguito %2: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 stima che la sua cancellazione propria richieda %2 min.</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 prosegue da sola la sua cancellazione propria: la sanificazione di un&apos;unità non può essere fermata, e riprende dopo uno spegnimento. Velmora ha smesso di attenderla e non ha controllato ciò che ha fatto.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Passaggio %1 di %2 su %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ La scrittura su %1 è fallita dopo %2 del passaggio %3: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Passaggio %1 di %2 scritto e sincronizzato.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ I settori nascosti di %1 non hanno potuto essere aperti per la cancellazione, e restano com&apos;erano: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>settori nascosti</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 L&apos;area protetta (HPA) di %1 è aperta per la cancellazione fino al prossimo spegnimento dell&apos;unità: %n settore.</numerusform>
            <numerusform>🔓 L&apos;area protetta (HPA) di %1 è aperta per la cancellazione fino al prossimo spegnimento dell&apos;unità: %n settori.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ L&apos;area protetta (HPA) di %1 resta aperta fino al prossimo spegnimento dell&apos;unità: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ Non tutti i settori nascosti di %1 sono stati sovrascritti e riletti come scritti: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>si rileggono diversamente</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ Il %n settore nascosto di %1 è stato sovrascritto e riletto, e il limite ripristinato.</numerusform>
            <numerusform>✅ I %n settori nascosti di %1 sono stati sovrascritti e riletti, e il limite ripristinato.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ Il %n settore nascosto di %1 è stato sovrascritto, e il limite ripristinato.</numerusform>
            <numerusform>✅ I %n settori nascosti di %1 sono stati sovrascritti, e il limite ripristinato.</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>rilettura a campione</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 dei %2 blocchi campionati su %3 non si sono riletti come scritti (il primo al byte %4): l&apos;unità non conserva ciò che riceve.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ %1 blocchi campionati su tutta %2 riletti e confrontati.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>rilettura</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 ha restituito qualcosa di diverso da ciò che è stato scritto, al byte %2: l&apos;unità non conserva ciò che riceve.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ La rilettura di %1 è fallita al byte %2: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Riletto e confrontato: %1 di %2.</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Nessuno scarto: %1 è un&apos;immagine disco; uno scarto farebbe solo buchi nel suo file, che i passaggi hanno sovrascritto.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>scarto</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ Tutta %1 è stata scartata in modo sicuro (TRIM sicuro).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ Tutta %1 è stata scartata (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 non ha accettato lo scarto: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Nessuno scarto: %1 non accetta scarti (TRIM).</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>nuovo file system</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 è di nuovo pronta all&apos;uso: una nuova tabella delle partizioni %2 e un file system %3 vuoto su %4.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Settori nascosti cancellati: l&apos;area protetta (HPA), %n settore oltre la fine che l&apos;unità mostra, è stata aperta per la cancellazione, sovrascritta come il resto e ripristinata.</numerusform>
            <numerusform>Settori nascosti cancellati: l&apos;area protetta (HPA), %n settori oltre la fine che l&apos;unità mostra, è stata aperta per la cancellazione, sovrascritta come il resto e ripristinata.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Settori nascosti non cancellati: %n settore oltre la fine che l&apos;unità mostra non è stato né sovrascritto né controllato.</numerusform>
            <numerusform>Settori nascosti non cancellati: %n settori oltre la fine che l&apos;unità mostra non sono stati né sovrascritti né controllati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n settore di %1 non ha potuto essere scritto o riletto; il resto sì. Non si può dimostrare che i settori illeggibili siano puliti: distruggere fisicamente questa unità.</numerusform>
            <numerusform>❌ %n settori di %1 non hanno potuto essere scritti o riletti; il resto sì. Non si può dimostrare che i settori illeggibili siano puliti: distruggere fisicamente questa unità.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ La cancellazione dell&apos;unità è terminata con eccezioni: %n settore non ha potuto essere cancellato.</numerusform>
            <numerusform>⚠️ La cancellazione dell&apos;unità è terminata con eccezioni: %n settori non hanno potuto essere cancellati.</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Cancellazione dell&apos;unità completata.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ Le chiavi di cifratura sono state distrutte.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 è già scelta in questa cancellazione, di per sé o come unità di una partizione scelta: nulla è stato scritto.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: cancellata, non resa pronta all&apos;uso: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>un&apos;unità che ha rifiutato settori va distrutta, non riusata</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Finestra</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88 (1 passaggio)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 passaggi)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 passaggi)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 passaggi)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 passaggi)</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Verificare dopo l&apos;ultimo passaggio</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Avvia</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Scegliere il metodo di cancellazione</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Rimuovere anche miniature, file recenti e schede del Cestino</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Distruggere le chiavi di cifratura (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Distruggere le chiavi di cifratura prima di sovrascrivere</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Cancellazione propria dell&apos;unità:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Poi sovrascriverla ancora una volta (1 passaggio casuale)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>Dopo:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Lasciarla vuota</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Renderla pronta all&apos;uso: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Renderla pronta all&apos;uso: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Renderla pronta all&apos;uso: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>Una volta riuscita la cancellazione: una nuova tabella delle partizioni con una partizione su tutta l&apos;unità, e un nuovo file system su di essa.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Aprire e sovrascrivere anche il suo %n settore nascosto</numerusform>
            <numerusform>Aprire e sovrascrivere anche i suoi %n settori nascosti</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>L&apos;unità nasconde questi settori al computer (un&apos;area protetta, HPA). Vengono aperti per la cancellazione fino al prossimo spegnimento dell&apos;unità, poi ripristinati. Senza questo restano come sono, e il rapporto lo dice.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Scegliere un metodo.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 passaggio casuale)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 passaggi)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 passaggi)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 passaggi)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann a 35 passaggi</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1, per %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n voce, %1 in totale</numerusform>
            <numerusform>%n voci, %1 in totale</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Distruggere le chiavi di cifratura</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Distruggere le chiavi di cifratura, poi %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Cancellazione propria dell&apos;unità (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Cancellazione propria dell&apos;unità (%1), poi %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Spazio libero di %1 su %2 (%3): %4 di %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Tutto ciò che è su %1 su %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>Non cancellato</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Cancellato in parte: %n elemento sotto non cancellato</numerusform>
            <numerusform>Cancellato in parte: %n elementi sotto non cancellati</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>Non cancellato: l&apos;operazione è stata fermata prima</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>Non cancellato: ancora presente</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>Non cancellato: sparito, ma non per questa operazione</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Cancellato</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Né Clear né Purge (NIST SP 800-88): la cancellazione non è terminata.</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Cancellare file e cartelle</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Cancellare un intero volume</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Cancella spazio libero</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Cancellare un&apos;intera unità</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Cancellato</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Terminato con problemi</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Fermato prima della fine</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>Non terminato</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ La cancellazione è stata fermata.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %2 di %n voce cancellata, %3 scritti.</numerusform>
            <numerusform>%1 %2 di %n voci cancellate, %3 scritti.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %2 scritti su %3.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Cancellato con eccezioni: %n settore non ha potuto essere scritto o riletto; distruggere fisicamente questa unità</numerusform>
            <numerusform>Cancellato con eccezioni: %n settori non hanno potuto essere scritti o riletti; distruggere fisicamente questa unità</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>sì</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivi</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>firmware %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Disco %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Rotante</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Accetta gli scarti (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifratura</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nessuna</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Sanificazione</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Cancellazione propria dell&apos;unità</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Risposta dell&apos;unità</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>completata</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>ancora in corso quando Velmora ha smesso di attendere</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallita</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>non inviata</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Controllo a campione</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 blocchi su tutta l&apos;unità marcati prima e letti dopo: %2 come promette il comando, %3 no</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>non fatta</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n blocco campionato su tutta l&apos;unità riletto e confrontato: identico</numerusform>
            <numerusform>%n blocchi campionati su tutta l&apos;unità riletti e confrontati: identici</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n blocco campionato su tutta l&apos;unità riletto e confrontato: diverso</numerusform>
            <numerusform>%n blocchi campionati su tutta l&apos;unità riletti e confrontati: diversi</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 riletti e confrontati: identici</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 riletti e confrontati: diversi</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>non fatto: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>una nuova tabella delle partizioni %1 con una partizione (%2), e un file system %3 vuoto su di essa</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>una nuova tabella delle partizioni %1 con una partizione (%2), e un file system %3 vuoto su di essa con etichetta %4</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>non indicato dall&apos;unità</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>File immagine</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacità</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Dimensione del settore</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 byte logici, %2 byte fisici</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Collegamento</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 a %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Tabella delle partizioni precedente</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nessuna trovata</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Chiavi di cifratura</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: %2 slot di chiave distrutti, %3 di intestazioni sovrascritti</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Passaggio %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>dati casuali, %1, completo</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>dati casuali, %1, incompleto</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Verifica</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Scarto</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>tutta l&apos;unità, in modo sicuro</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>tutta l&apos;unità</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>rifiutato dall&apos;unità</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>non supportato dall&apos;unità</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>Di nuovo pronta all&apos;uso</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Cancellazione propria dell&apos;unità (%1, %2), poi sovrascrittura</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Cancellazione propria dell&apos;unità (%1, %2)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sovrascrittura</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Cancellazione crittografica</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Cancellazione crittografica, poi sovrascrittura</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Blocchi campionati su tutta l&apos;unità, marcati prima della cancellazione propria dell&apos;unità e letti dopo (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Blocchi campionati su tutta l&apos;unità riletti dopo l&apos;ultimo passaggio e confrontati (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>L&apos;ultimo passaggio riletto dal dispositivo e confrontato</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nessuno</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Né Clear né Purge (NIST SP 800-88): una sovrascrittura attraverso il file system non raggiunge ogni blocco indirizzabile del supporto.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Registro di sanificazione</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Produttore</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Numero di inventario</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo di supporto</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Provenienza del supporto</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Tecnica</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Strumento</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Metodo di verifica</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destinazione dopo la sanificazione</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Eseguito da</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Qualifica</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Verificato da</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Prodotto</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Utente</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Iniziato</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminato</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metodo</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Riletto</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>L&apos;ultimo passaggio è stato riletto e confrontato</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Richiesto, non fatto: l&apos;operazione non è terminata</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punto di mount</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON firmato con la chiave</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 del JSON firmato</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Scritto</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Riletto e confrontato</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Durata</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocità</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Voci</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%1 di %Ln voce cancellata.</numerusform>
            <numerusform>%1 di %Ln voci cancellate.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Voce</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Esito</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>Troppe per elencarle una a una: ogni cartella, e ogni voce che non è stata cancellata.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%1 di %Ln cancellata</numerusform>
            <numerusform>%1 di %Ln cancellate</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nessuno.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n elemento non ha potuto essere cancellato in modo sicuro:</numerusform>
            <numerusform>%n elementi non hanno potuto essere cancellati in modo sicuro:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… e %n altro.</numerusform>
            <numerusform>… e altri %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Rapporto di cancellazione di Velmora</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Archiviazione</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>pagina %1 di %2</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>Trascinare qui file o cartelle</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Aggiungi file</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Aggiungi cartella</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Rimuovi tutto</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Aggiungi Cestino</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Rimuovi dall&apos;elenco</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Aggiunta di file e cartelle, attendere...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Scegli file</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Attendere...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Scegli cartella</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Cestino</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>Il Cestino è vuoto.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n voce, %1 in totale</numerusform>
            <numerusform>%n voci, %1 in totale</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Non aggiunto</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ Impossibile rimuovere un file di riempimento: %1 (%2 MB, %3). Eliminarlo per recuperare lo spazio.</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ Impossibile creare un altro file di riempimento: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ Scrittura del file di riempimento fallita: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ Sincronizzazione del file di riempimento fallita: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Verifica fallita: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>record dei file</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Sovrascrittura dei record dei file liberi, che conservano i nomi dei file eliminati...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ Sovrascrittura dei nomi dei file eliminati fallita: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Rimosso un file di riempimento lasciato da una cancellazione interrotta: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 Non è possibile scrivere nella radice del volume; il suo spazio libero viene riempito dalla propria cartella: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 MB di spazio libero sono riservati all&apos;amministratore di sistema e non possono essere sovrascritti; cancellare lo spazio libero come root per raggiungerli.</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>spazio libero</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>nomi e journal</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Sovrascrittura dei nomi dei file eliminati, degli inode liberi e del journal...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 MB dello spazio libero di %2 non sono stati sovrascritti: il suo file system li conta ancora liberi, ma il suo driver non ne ha accettati altri. Ciò che vi hanno lasciato file eliminati può restare. Controllare il volume mentre non è montato (fsck.fat) corregge il conteggio per la prossima cancellazione.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ I nomi dei file eliminati possono restare su %1: il suo driver (%2) è troppo lento per sovrascriverli.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ I nomi dei file eliminati possono restare su %1: questo file system (%2) li conserva dove un riempimento non arriva.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ XFS ha tenuto da parte %1 MB dello spazio libero di %2 mentre il riempimento occupava il volume, in blocchi di ogni gruppo di allocazione che non possono essere dati a nessun file; senza TRIM conservano ciò che contenevano.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 Il journal di %1 è stato svuotato e i suoi blocchi azzerati: non conserva alcuna copia di ciò che è stato cancellato.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 Il journal di %1 è stato svuotato e i suoi blocchi scartati sul dispositivo.</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Espulsione dei nomi cancellati dal journal...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ Il journal di %1 può contenere ancora gli ultimi nomi cancellati; cancellare come amministratore lo svuota.</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ Espulsione dei nomi cancellati dal journal fallita su %1: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Blocchi liberi scartati sul dispositivo (TRIM): %1 MB</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ Lo spazio libero del file system è stato scartato sul dispositivo (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Nessun TRIM: il dispositivo scarta, ma questo file system (%1) o il suo driver non lo trasmette.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Nessun TRIM: questo dispositivo non scarta i blocchi liberi.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Nessun TRIM: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ I record di file liberi di %1 non sono stati sovrascritti: il volume non risultava pieno dopo il riempimento. Vi possono restare nomi di file eliminati.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>un&apos;etichetta FAT32 accetta solo lettere, cifre, spazi e -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>un&apos;etichetta FAT32 accetta al massimo 11 caratteri</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>un&apos;etichetta non accetta caratteri di controllo</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>un&apos;etichetta ext4 accetta al massimo 16 byte</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 non è installato</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>impossibile scrivere la tabella delle partizioni: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>impossibile raggiungere la nuova partizione: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 non riuscito (%2): %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>l&apos;etichetta non è un testo valido</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>un&apos;etichetta exFAT accetta al massimo 11 caratteri</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (cioè %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>È stato dato un percorso vuoto. Viene rifiutato, affinché una variabile non impostata in uno script non significhi mai la cartella corrente.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>File o cartella inesistente: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 è la radice del file system: tutto ciò che è su questo computer. Non viene mai cancellata per intero.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 appartiene al sistema operativo. Cancellarlo renderebbe inutilizzabile questo computer; viene rifiutato.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 contiene i dati di altri utenti o dei servizi di sistema. Non viene mai cancellato per intero; scegliere le cartelle che contiene.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 è una cartella home o ne contiene una. Non viene mai cancellata per intero; scegliere i file e le cartelle che contiene.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 è un dispositivo, non un file: rimuoverlo non cancellerebbe nulla sul dispositivo. Per distruggere ciò che contiene un volume, cancellare il volume (Cancella disco).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 è un socket o una FIFO, non un file: non contiene nulla da cancellare.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 contiene il sistema in esecuzione e non può essere cancellato.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 contiene la cartella home e non può essere cancellato. Cancellare invece i file scelti, o il suo spazio libero.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>l&apos;unità non dà più la dimensione nativa che dava</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>l&apos;unità ha rifiutato SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>un indirizzo massimo accessibile ridotto è conservato dall&apos;unità tra un&apos;accensione e l&apos;altra: alzarlo cambierebbe l&apos;unità per sempre</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 nasconde %n settore (%2) oltre la fine che mostra (un indirizzo massimo accessibile ridotto): non viene cancellato.</numerusform>
            <numerusform>%1 nasconde %n settori (%2) oltre la fine che mostra (un indirizzo massimo accessibile ridotto): non vengono cancellati.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 nasconde %n settore (%2) oltre la fine che mostra (un&apos;area protetta, HPA): non viene cancellato.</numerusform>
            <numerusform>%1 nasconde %n settori (%2) oltre la fine che mostra (un&apos;area protetta, HPA): non vengono cancellati.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Permesso negato: una parte appartiene a un altro utente o al sistema. Avviare Velmora con «Esegui come amministratore» per cancellarla.</translation>
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
        <source>a wipe of the whole volume %1</source>
        <translation>una cancellazione dell&apos;intero volume %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>una cancellazione dello spazio libero di %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (pid %2), iniziata %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ Nessun registro di questa operazione può essere conservato in %1 (%2): se viene interrotta, il prossimo avvio non potrà dire cosa ha lasciato incompiuto.</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>Una cancellazione di file e cartelle</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Una cancellazione dell&apos;intero volume %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Una cancellazione dello spazio libero di %1</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Una cancellazione dell&apos;intera unità %1, di cui ogni settore era stato sovrascritto,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Una cancellazione dell&apos;intera unità %1, le cui chiavi LUKS possono essere state distrutte o no,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Una cancellazione dell&apos;intera unità %1, che può contenere ancora parte dei suoi vecchi dati,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Un&apos;operazione è stata interrotta, ma il suo registro non è leggibile: non si sa cosa ha lasciato incompiuto, e nulla è stato ripulito. Il registro è stato conservato come %1.</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), iniziata %3, è stata interrotta prima della fine%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, durante: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>Nessuna delle sue voci resta sul disco.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Non terminato, ancora presente:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … e %n altro</numerusform>
            <numerusform>  … e altri %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 non risponde: ciò che l&apos;operazione vi ha lasciato non è stato cercato.</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Rimossi i file ausiliari che ha lasciato in %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>Impossibile rimuovere %n file ausiliario che ha lasciato in %1.</numerusform>
            <numerusform>Impossibile rimuovere %n file ausiliari che ha lasciato in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>Restituita a %1 la riserva che aveva prestato.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>Impossibile restituire a %1 la riserva che aveva prestato; rimontare il volume la ripristina.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>L&apos;unità: %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 la indica ancora.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 ora indica un altro dispositivo: cancellare di nuovo %1 non completerebbe questa unità.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 ora non c&apos;è.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Cancellazione fermata: Ctrl-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Cancellazione fermata: richiesta di terminare (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Cancellazione fermata: il terminale o la sessione si è chiuso (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Cancellazione fermata dal segnale %1.</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>impossibile leggere lo spazio di %1</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ L&apos;operazione è terminata in anticipo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n miniatura</numerusform>
            <numerusform>%n miniature</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n voce dei file recenti</numerusform>
            <numerusform>%n voci dei file recenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n scheda del Cestino</numerusform>
            <numerusform>%n schede del Cestino</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Tracce rimosse: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ Non c&apos;è una cartella home: miniature, file recenti e schede del Cestino non sono stati cercati.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>tracce</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Rimosso dall&apos;elenco delle dimensioni delle cartelle del Cestino: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ L&apos;elenco dei file recenti è stato lasciato com&apos;era: %1. Può ancora nominare ciò che è stato cancellato.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Rimosso dai file recenti: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ Non cancellato: %1 è ancora lì, benché nulla si sia opposto alla sua rimozione.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ Non cancellato: %1 è ancora lì, quindi la sua cartella non ha potuto essere rimossa.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Non cancellato: ancora %n voce in %1.</numerusform>
            <numerusform>⚠️ Non cancellato: ancora %n voci in %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ Impossibile cancellare in modo sicuro: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Parti dei file cancellati possono essere state scritte in uno swap non cifrato (%1); nessuna cancellazione di file le raggiunge lì.</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Un&apos;altra operazione di Velmora sta lavorando su %1: nulla è stato scritto. Attendere che termini.</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Saltato (non è stato possibile cancellarlo): %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>file</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ Impossibile creare il file temporaneo per cancellare lo spazio libero.</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>pulizia</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Cancellazione completa del disco terminata: non tutto è stato cancellato.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Cancellazione completa del disco terminata.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ Impossibile creare il file di scrittura per cancellare lo spazio libero.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Cancellazione dello spazio libero terminata: non tutto lo spazio libero è stato sovrascritto.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Cancellazione dello spazio libero terminata.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Cancella file</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Cancella volume</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Cancella spazio libero</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Cancella unità</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Pianificato: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>non firmato</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>modificato dopo la firma</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>firmato con un&apos;altra chiave</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1 (dice: %2)</translation>
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
        <translation>Cancella disco</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Cancellare i dati per sempre &amp;amp; evitare fughe&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora cancella in modo sicuro i dati sensibili dal disco o dalla chiavetta USB. &lt;br/&gt;Proteggi la tua privacy ed evita per sempre fughe di dati.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Cancella spazio libero</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Cancella file</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumi</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Cancellare unità intere</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Spuntare un&apos;unità, o più unità per cancellarle insieme.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Cancellare un intero volume</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Tutto ciò che è sul volume scelto viene cancellato, poi il suo spazio libero viene riempito.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Cancellare lo spazio libero di un volume</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>Ciò che i file eliminati hanno lasciato nel suo spazio libero viene sovrascritto; i file che contiene restano.</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Ogni settore dell&apos;unità scelta viene sovrascritto: tutte le sue partizioni e la sua tabella delle partizioni.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Cancellare un&apos;intera unità richiede i diritti di amministratore: avviare Velmora in modalità amministratore per sceglierne una.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Dimensione: %2 byte, settori di %3 byte (%4 fisici)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>File immagine: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Servono i diritti di amministratore</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Cancellare un&apos;intera unità scrive sul dispositivo stesso, cosa che solo l&apos;amministratore può fare. Avviare Velmora in modalità amministratore e scegliere di nuovo l&apos;unità.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Avvia in modalità amministratore</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Nessuna unità scelta</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>Scegliere un&apos;unità e fare clic su Avanti!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Errore</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>L&apos;unità %1 non c&apos;è più.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>Richiesta a %1 di ciò che offre…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Cancellazione annullata.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Cancellazione dell&apos;intera unità %1, attendere...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>Questo distruggerà in modo permanente tutto ciò che è su questa unità.</numerusform>
            <numerusform>Questo distruggerà in modo permanente tutto ciò che è su queste %n unità.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n unità</numerusform>
            <numerusform>%n unità, cancellate insieme</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ I file selezionati sono stati sovrascritti e rimossi. Ciò che può restare:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Tutti i file selezionati sono stati cancellati in modo permanente.</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 Il disco è stato cancellato. Ciò che può restare:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 Il disco è stato cancellato in modo sicuro ed è ora pulito.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 Lo spazio libero è stato sovrascritto. Ciò che può restare:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 Lo spazio libero è stato cancellato in modo sicuro; non restano tracce.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 Lo spazio libero è stato sovrascritto.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 L&apos;unità %1 si è cancellata con il proprio comando, e nessuno dei blocchi campionati su tutta l&apos;unità si legge come prima.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 Le chiavi di cifratura di %1 sono state distrutte: ciò che contiene non può più essere decifrato.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 Le chiavi di cifratura di %1 sono state distrutte e l&apos;unità sovrascritta.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 L&apos;unità %1 è stata sovrascritta.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Operazione di cancellazione completata.</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Salva rapporto…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Cancella lo spazio libero di %1…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ Impossibile conservare l&apos;esito di questa operazione: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Rapporto di cancellazione</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salva rapporto</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documenti PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Rapporto non salvato</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Impossibile salvare il rapporto in %1: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Rapporto salvato in %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Unità cancellate: %1 di %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>Non tutte le unità sono state cancellate</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Salva rapporti…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Cancellazione fermata dall&apos;utente.</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>L&apos;operazione non è terminata:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n elemento non ha potuto essere cancellato in modo sicuro:</numerusform>
            <numerusform>⚠️ %n elementi non hanno potuto essere cancellati in modo sicuro:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Terminato con problemi</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Riaggiungi ciò che non è stato cancellato (%1)</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Conferma arresto</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>Fermare davvero?</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Una cancellazione pianificata su %1 non ha fatto tutto ciò che doveva: vedere Rapporti… nel menu.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>File di riempimento rimasti</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Una cancellazione interrotta ha lasciato questi file di riempimento; rimuoverli libera %1:

%2

Rimuoverli ora?</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>Impossibile rimuovere %n file di riempimento; una cancellazione dello spazio libero di quel volume lo rimuove.</numerusform>
            <numerusform>Impossibile rimuovere %n file di riempimento; una cancellazione dello spazio libero di quel volume li rimuove.</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Cancellazione interrotta</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>Cancellare ora ciò che resta?</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>Scegliere di nuovo l&apos;unità ora?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>Scegliere di nuovo il volume ora?</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Cancellazione in corso</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>È in corso una cancellazione. Fermarla e uscire?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>Il dispositivo non risponde; uscita senza attenderlo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Assistenza</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Cancella il Cestino…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>È in corso una cancellazione. Ciò che è nel Cestino è nell&apos;elenco dei file da cancellare, per quando sarà terminata.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Pianifica…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Rapporti…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Dati del rapporto…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Mostra rapporto…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Attendere</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Questo programma aiuta a cancellare in modo sicuro file, dischi e spazio libero.

Copyright © 2026 Gli sviluppatori di Velmora</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Nessun browser</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>Impossibile avviare un browser web. La pagina è all&apos;indirizzo:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Manuale di Velmora</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>Impossibile avviare un browser web; questo è il manuale installato con Velmora. La guida in linea è all&apos;indirizzo %1.</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>Questo disco contiene il sistema in esecuzione e non può essere cancellato.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>Questo disco contiene la cartella home e non può essere cancellato. Cancellare invece i file scelti, o il suo spazio libero.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>Questo distruggerà le chiavi di cifratura di %1: nulla su di essa potrà più essere decifrato.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>Questo distruggerà in modo permanente tutto ciò che è sull&apos;unità %1.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Metodo scelto: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Nessun file</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Aggiungere almeno un file.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>Scegliere un metodo di cancellazione!</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>L&apos;operazione di cancellazione è stata annullata.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Nessun disco scelto</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>Scegliere un disco e fare clic su Avanti!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>Scegliere prima un metodo di cancellazione!</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>Nessun disco scelto!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>Il percorso del disco scelto non è valido!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>Impossibile ottenere la capacità del disco!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Cancellazione del disco, attendere...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>Scegliere prima un metodo di cancellazione!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Annullato</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>L&apos;operazione di cancellazione è stata annullata.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>Impossibile ottenere lo spazio libero!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Cancellazione dello spazio libero, attendere...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>rete</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>memoria · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memoria</translation>
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
        <translation>chiavetta USB</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>unità USB</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>scheda SD</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>disco virtuale · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>disco virtuale</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>immagine disco</translation>
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
        <translation>sconosciuto</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>non risponde</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>immagine su %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · cifrato</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numero di serie %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>un&apos;unità SSD</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>un disco fisso</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>un&apos;unità USB</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>una scheda SD</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>una memoria flash eMMC</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 è un file system di rete (%2): il server può conservare copie e snapshot di ciò che è stato cancellato, che nessuna sovrascrittura da questo computer raggiunge.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 è tenuto in memoria (%2): ciò che vi è stato cancellato sparisce allo spegnimento del computer.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 è tenuto in memoria (%2): ciò che vi è stato cancellato sparisce allo spegnimento del computer, ma parti di esso possono essere state scritte in uno swap non cifrato (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 è cifrato (%2): le copie precedenti che l&apos;unità sottostante può conservare sono cifrate anch&apos;esse, e illeggibili senza la sua chiave.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 è su %2: l&apos;unità può conservare copie precedenti in celle flash che nessuna sovrascrittura raggiunge. Velmora le chiede di scartare i blocchi liberati (TRIM). Per essere sicuri, tenere l&apos;unità cifrata, o usare il comando di sanificazione proprio dell&apos;unità prima che lasci le proprie mani.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 è su %2: l&apos;unità può conservare copie precedenti in celle flash che nessuna sovrascrittura raggiunge, e non accetta scarti (TRIM). Per essere sicuri, tenere l&apos;unità cifrata, o usare il comando di sanificazione proprio dell&apos;unità prima che lasci le proprie mani.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 è su %2: se contiene memoria flash, come le chiavette USB, può conservare copie precedenti in celle che nessuna sovrascrittura raggiunge. Per essere sicuri, tenere l&apos;unità cifrata.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Né Clear né Purge (NIST SP 800-88): una sovrascrittura attraverso il file system non raggiunge ogni blocco indirizzabile del supporto.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>Sulla memoria flash, le celle che l&apos;unità ha rimappato sono fuori dalla portata del computer.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>I blocchi si trovano su un altro computer.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>Il volume è cifrato: ciò che l&apos;unità conserva sotto è testo cifrato.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora non sa quale file system contenga %1 (il suo driver dice «%2»): i nomi dei file cancellati, e ciò che il suo driver ne conserva, possono restarvi.</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>Avvio…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>circa %n s rimanente</numerusform>
            <numerusform>circa %n s rimanenti</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>circa %n min rimanente</numerusform>
            <numerusform>circa %n min rimanenti</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>circa %1 h %2 min rimanenti</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>passaggio %1 di %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Arresto: in attesa che il dispositivo finisca la scrittura in corso…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Completamento…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Cancellato da</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Qualifica</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Luogo</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contatto</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Numero di inventario</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Provenienza del supporto</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destinazione dopo la sanificazione</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Verificato da</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Qualifica del verificatore</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Dati del rapporto</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Ogni rapporto riporta questi dati. Ciò che resta vuoto viene stampato come una riga da compilare a mano.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>la chiave di firma %1 può essere modificata da altri (modo %2): non viene usata</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>la chiave di firma %1 appartiene a un altro utente (uid %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>altri possono leggere la chiave di firma %1 (modo %2): chi può farlo può firmare esiti a proprio nome</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 non contiene alcuna chiave privata Ed25519</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>impossibile creare una chiave di firma</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>è stata creata una nuova chiave di firma: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>la sua firma contiene un campo che il rapporto non ha: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>alla sua firma manca il campo %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>impossibile firmare l&apos;esito</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>il rapporto non è firmato</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>il rapporto è stato modificato dopo la firma</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>la sua firma nomina la chiave %1, ma è stata fatta con la chiave %2</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>lo SHA-256 nella sua firma non è quello del rapporto</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>è stato firmato con la chiave %1, non %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Rapporti</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>L&apos;esito firmato di ogni operazione, dal più recente, con il suo rapporto quando ne è stato fatto uno. Le cancellazioni pianificate sono elencate insieme.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminato</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Operazione</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destinazione</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Nessuna operazione è ancora stata eseguita: l&apos;esito di ciascuna è conservato qui.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Apri</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salva come…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Controlla firma</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 esiste già</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Salva rapporto come</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Non salvato</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Questo esito non è com&apos;era quando è stato firmato: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>La firma è valida: questo esito è com&apos;era quando è stato firmato, con la chiave %1.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>una partizione: la cancellazione propria dell&apos;unità prende l&apos;intera unità</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>un dispositivo loop non ha una cancellazione propria</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>tenuto in memoria: non ha una cancellazione propria</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>un disco virtuale (virtio): l&apos;host non gli passa comandi di cancellazione</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>dietro un bridge USB: collegarla direttamente per usare la sua cancellazione propria</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>una scheda SD o eMMC: Velmora non invia la sua cancellazione propria</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>un disco di rete non ha una cancellazione propria</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>servono i diritti di amministratore per chiedere all&apos;unità cosa offre</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>il kernel non le passa comandi</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>impossibile interrogarla: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>ha rifiutato di identificarsi (stato NVMe 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>non offre né Sanitize né Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>stato ATA 0x%1, errore 0x%2, motivo 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>sense SCSI %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>il suo SANITIZE è bloccato: sospendere e riattivare il computer per sbloccarlo, poi chiedere di nuovo</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>non supporta l&apos;insieme di funzioni ATA SANITIZE</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>non dice quali comandi supporta</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>non supporta SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>l&apos;unità non offre %1; offre %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>stato NVMe 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>impossibile identificare lo spazio dei nomi (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>l&apos;unità non ha superato il Format (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>l&apos;unità ha rifiutato il Sanitize (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>impossibile leggere il suo registro Sanitize (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>l&apos;unità indica che il Sanitize è fallito</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>l&apos;unità non indica alcun Sanitize dalla fabbricazione</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>l&apos;unità ha rifiutato il SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>l&apos;unità non ha detto a che punto è il suo SANITIZE</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>l&apos;unità indica che il SANITIZE è fallito (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>l&apos;unità non indica alcun SANITIZE completato (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>l&apos;unità indica %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>cancellazione propria: nessuna (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>cancellazione propria: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>; sicurezza bloccata: sospendere e riattivare il computer per sbloccarla</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Cancellazioni pianificate</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Cancellazioni che si eseguono da sé:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Nulla è ancora pianificato. Scegliere sotto cosa cancellare, quanto spesso e come, poi Aggiungi.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Rimuovi</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Cancella il Cestino</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Cancella lo spazio libero di %1</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>settimanale</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>mensile</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Aggiungi</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Cosa:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>&amp;Frequenza:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metodo:</translation>
    </message>
    <message>
        <source>active</source>
        <translation>attivo</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inattivo</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Ogni esecuzione lascia il suo rapporto in %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>systemd non è in esecuzione qui: i timer sono scritti ma inattivi.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>Non pianificato</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>Non rimosso</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>mensile</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>settimanale</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Cancella il Cestino</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Cancella lo spazio libero di %1</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>si esegue settimanalmente o mensilmente, non %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>metodo sconosciuto %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>una cancellazione dello spazio libero richiede un punto di mount</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>i rapporti delle sue esecuzioni non possono essere conservati in %1: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>non esiste la pianificazione %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>impossibile rimuovere</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Unità</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Avanzamento</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Salva rapporti…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fatto</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Ferma</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Cancellazione di %n unità. Ha il proprio avanzamento e il proprio rapporto.</numerusform>
            <numerusform>Cancellazione di %n unità insieme. Ciascuna ha il proprio avanzamento e il proprio rapporto.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>In corso</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ Impossibile conservare l&apos;esito di questa unità: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Conferma arresto</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>Fermare tutte le unità? Quelle non ancora cancellate conservano ciò che contengono.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Arresto di tutte le unità…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>impossibile scrivere %1</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>impossibile firmare l&apos;esito di %1: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Salva rapporti</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Rapporti non salvati</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>Impossibile salvare i rapporti in %1: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 Il rapporto e l&apos;esito firmato di ogni unità sono stati salvati in %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>non è testo UTF-8</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>non può essere letto</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>un altro programma continuava a modificarlo</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ Il Cestino %1 viene lasciato com&apos;è: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>è un collegamento</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>non è una cartella</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>non è tuo</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>manca dello sticky bit che ha un Cestino condiviso</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>il suo volume non risponde</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Modificato durante la cancellazione, lasciato com&apos;è: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ Impossibile rimuovere la cartella: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Verifica fallita: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Sovrascritto e rimosso, ma il file system ha segnalato un errore, quindi non è certo che sia cancellato: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Cancellato in modo sicuro: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ File vuoto eliminato: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Cartella vuota rimossa: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 è un file system copy-on-write (%2): una sovrascrittura sul posto non può raggiungere le copie più vecchie che conserva. Cancellare poi lo spazio libero di questo volume.</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ Fino a %1 di copie più vecchie di ciò che è stato cancellato possono restare su %2 finché il suo spazio libero non viene cancellato.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ I nomi dei file cancellati possono restare nelle voci libere delle loro cartelle su %1: il suo driver (%2) è troppo lento per sovrascriverli.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ I nomi cancellati da %1 possono restare in blocchi che la sua cartella ha restituito al volume (XFS); cancellare lo spazio libero del volume per raggiungerli.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ I nomi cancellati da %1 possono restare nelle sue voci libere: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 Le voci libere di %n cartella che conteneva nomi cancellati sono state sovrascritte.</numerusform>
            <numerusform>🧹 Le voci libere di %n cartelle che contenevano nomi cancellati sono state sovrascritte.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ I nomi cancellati da un&apos;altra cartella (%n) possono restare nelle sue voci libere; cancellare lo spazio libero del volume per raggiungerli.</numerusform>
            <numerusform>⚠️ I nomi cancellati da altre %n cartelle possono restare nelle loro voci libere; cancellare lo spazio libero del volume per raggiungerli.</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 Lo spazio che i file cancellati e le loro cartelle hanno restituito a %1 è stato sovrascritto.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ I nomi cancellati dalle cartelle di %1 possono restare nello spazio che le cartelle hanno restituito al volume (exFAT); cancellare lo spazio libero del volume per raggiungerli.</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>il file è immutabile</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>il file accetta solo aggiunte</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ File non trovato: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ È stato rimosso solo questo nome: altri collegamenti fuori dalla selezione lasciano leggibile il suo contenuto: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Cancellazione: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ Ha continuato a crescere durante la cancellazione; ciò che è stato scritto nel frattempo può restare sul dispositivo: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ Non cancellato, qui è montato un altro volume: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Collegamento rimosso: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ Impossibile aprire la cartella: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ File speciale rimosso: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ Impossibile elencare la cartella: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Scorciatoia rimossa: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>al byte %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>il dispositivo ha restituito altri dati al byte %1</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 Verificati %1 di dati</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Indietro</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Aggiorna</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avanti</translation>
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
Dispositivo: %2
Etichetta: %3
Capacità: %4 byte
Disponibile: %5 byte</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nessuna)</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Supporto: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Dispositivi: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Scelta</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punto di mount</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacità</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Disponibile</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>File system</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Supporto</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Questo volume non risponde; non può essere scelto ora.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modello</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numero di serie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Partizioni</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Servono i diritti di amministratore</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Può essere cancellata</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Cancella senza possibilità di recupero file e cartelle, o cancella un intero volume o il suo spazio libero.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>File e cartelle da mettere nell&apos;elenco da cancellare.</translation>
    </message>
</context>
</TS>
