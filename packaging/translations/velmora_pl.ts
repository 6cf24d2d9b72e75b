<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Aby wymazać to, co zostało: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Aby uruchomić ponownie: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Wymazywanie wolnego miejsca %1, gdzie mogą pozostać starsze kopie wymazanych danych…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify i --crypto-erase idą tylko z drive</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash idzie tylko z erase</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize i --then-overwrite idą tylko z drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite występuje po --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize i --crypto-erase nie idą razem: własne wymazanie kryptograficzne napędu to --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize niczego nie nadpisuje: --method idzie z --then-overwrite</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample i --verify=full idą tylko z drive; --verify odczytuje ponownie ostatni przebieg</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= i --no-verify sobie przeczą</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format idzie tylko z drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label nazywa to, co tworzy --format</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace występuje tylko po erase</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Spróbuj „velmora-cli --help”.</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= nie wskazuje żadnej akcji</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= przyjmuje sample lub full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>nieznane polecenie %1; polecenia to erase, wipe, freespace, drive, drives, schedule, check-report, volumes i reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 leży w tym, co ma zostać wymazane; nic nie wymazano</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>inne zadanie Velmory pracuje na %1; nic nie wymazano. Uruchom to, gdy tamto się skończy.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 pracuje na %2; nic nie wymazano. Uruchom to, gdy tamto się skończy.</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 nie jest urządzeniem blokowym</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>wymazanie całego napędu wymaga uprawnień administratora: uruchom jako root (sudo)</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>nieznana akcja %1; akcje to crypto-erase, block-erase, format-crypto, format-erase i overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: brak własnego wymazania do wysłania: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 wymaga ścieżki</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>nie można odczytać ścieżek z wiersza poleceń</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>Kosz jest pusty; nie ma czego wymazać.
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root to pomija.)</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 przyjmuje jeden punkt montowania</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>podano pustą ścieżkę; %1 przyjmuje punkt montowania woluminu</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 przyjmuje punkt montowania woluminu jako ścieżkę bezwzględną, nie %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 nie jest punktem montowania woluminu</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>nie można odczytać miejsca na %1</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>nieznany system plików %1; --format przyjmuje exfat, fat32 lub ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format przyjmuje cały napęd: %1 jest partycją</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive przyjmuje jedno urządzenie blokowe, na przykład /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 ukrywa %n sektor w obszarze chronionym (HPA): zostaje otwarty na czas wymazania i również nadpisany.
</numerusform>
            <numerusform>velmora-cli: %1 ukrywa %n sektory w obszarze chronionym (HPA): zostaje otwarty na czas wymazania i również nadpisany.
</numerusform>
            <numerusform>velmora-cli: %1 ukrywa %n sektorów w obszarze chronionym (HPA): zostaje otwarty na czas wymazania i również nadpisany.
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli: ostrzeżenie: %1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 nie zawiera kontenera LUKS; --crypto-erase go wymaga</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>nie można odczytać nagłówka LUKS %1 (%2); wymaż cały napęd bez --crypto-erase</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes przyjmuje tylko --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports przyjmuje tylko --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Nie uruchomiono jeszcze żadnego zadania: wynik każdego jest przechowywany w %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives przyjmuje tylko --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>partycje: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktywny</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>nieaktywny</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>Nie zaplanowano żadnego wymazywania.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>systemd tu nie działa: liczniki czasu są zapisane, ale nieaktywne.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove przyjmuje nazwę, którą pokazuje list</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>Usunięto %1.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule przyjmuje add, list lub remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add przyjmuje trash albo freespace i punkt montowania</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>Zaplanowano %1 jako %2 w %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (nieaktywny: systemd go tu nie uruchamia)</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report przyjmuje jeden wynik JSON</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>to nie jest wynik JSON (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>prawidłowy, podpisany kluczem %1
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
        <translation>Wymazuje bez możliwości odzyskania pliki i katalogi, cały zamontowany wolumin albo wolne miejsce woluminu.

Polecenia:
  erase ŚCIEŻKA...       nadpisać i usunąć pliki i katalogi
  wipe PUNKT             nadpisać wszystko na zamontowanym woluminie
  freespace PUNKT        nadpisać wolne miejsce zamontowanego woluminu
  schedule add trash|freespace [PUNKT] [--every weekly|monthly]
  schedule list | schedule remove NAZWA
                         samoczynnie wymazywać wolne miejsce lub Kosz
  check-report PLIK.json [--key ODCISK]
                         powiedzieć, czy wynik jest taki, jak go podpisano
  volumes [--json]       wypisać zamontowane woluminy i nośnik pod każdym
  drive URZĄDZENIE...    nadpisać każdy sektor całych napędów lub partycji,
                         kilku naraz
  drives [--json]        wypisać napędy i partycje oraz powód odrzucenia
  reports [--json]       wypisać zachowany wynik i raport każdego zadania, od najnowszego
(PUNKT to punkt montowania)</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Metoda wymazywania: NIST, DoD, British, German lub Gutmann (domyślnie NIST).</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Odczytać ponownie ostatni przebieg i porównać; dla napędu --verify=sample odczytuje tylko bloki próbkowane na całym napędzie.</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>Nie pytać; dla skryptów. Bez tego musi odpowiedzieć terminal.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>Wypisywać tylko problemy.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Zapisać wynik w formacie JSON do PLIKU.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Zapisać raport wymazania w formacie PDF do PLIKU.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Wypisać metody wymazywania.</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Pozwolić wymazać /, katalogi systemu i katalogi domowe (nigdy urządzenia).</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: pozostawić miniatury, wpisy ostatnio używanych plików, zapisy Kosza i kopie edytora wymazanych plików tam, gdzie są.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: dodać do ścieżek wszystko, co jest w Koszu (w katalogu domowym i na każdym woluminie).</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: weekly (domyślnie) lub monthly.</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: odcisk (SHA256:…) klucza, którym raport musi być podpisany.</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>Raport: kto wymazał (także w report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>Raport: dla jakiej organizacji.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>Raport: gdzie.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>Raport: jak skontaktować się z osobą, która wymazała.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>Raport: numer inwentarzowy nośnika.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>Raport: dokąd trafia nośnik potem (ponowne użycie, sprzedaż, zniszczenie).</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: nie odczytywać ponownie ostatniego przebiegu.</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: po wymazaniu przygotować go do ponownego użycia: nowa tablica partycji z jedną partycją i pustym systemem plików exfat, fat32 lub ext4.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: etykieta nowego systemu plików.</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: otworzyć obszar chroniony (HPA) na czas wymazania, do następnego wyłączenia napędu, i nadpisać także to, co ukrywa.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: zniszczyć klucze kontenera LUKS, który zawiera; z --method następnie go też nadpisać.</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: wysłać napędowi jego własne wymazanie, --sanitize=AKCJA (crypto-erase, block-erase, format-crypto, format-erase, overwrite) lub, bez niej, najsilniejsze, jakie oferuje; potem sprawdzane są bloki próbkowane na całym napędzie.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: następnie nadpisać go też raz i odczytać ten przebieg ponownie.</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: następnie wymazać wolne miejsce każdego woluminu, na którym były pliki, co sięga starszych kopii przechowywanych przez wolumin typu copy-on-write.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report lub reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>Pliki i katalogi albo punkt montowania woluminu.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>nieznana metoda %1; velmora-cli --methods je wypisuje</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json i --report przyjmują nazwę pliku</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>brak polecenia; spróbuj „velmora-cli --help”</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, odczytano ponownie bloki próbkowane na całym napędzie</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, ostatni przebieg odczytany ponownie</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>To trwale zniszczy, bez możliwości odzyskania:
  %1
Metoda: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … i %n więcej
</numerusform>
            <numerusform>  … i %n więcej
</numerusform>
            <numerusform>  … i %n więcej
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>następnie wolne miejsce woluminów, na których się znajdują
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>To trwale zniszczy, bez możliwości odzyskania, %n napęd:%1
Metoda: %2%3
</numerusform>
            <numerusform>To trwale zniszczy, bez możliwości odzyskania, %n napędy naraz:%1
Metoda: %2%3
</numerusform>
            <numerusform>To trwale zniszczy, bez możliwości odzyskania, %n napędów naraz:%1
Metoda: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>nic nie wymazano: brak terminala do potwierdzenia; podaj --yes, aby potwierdzić ze skryptu</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Wpisz angielskie słowo Erase, aby potwierdzić: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>anulowano; nic nie wymazano</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Zatrzymywanie: oczekiwanie, aż urządzenie skończy bieżący zapis (ponowne Ctrl-C kończy od razu)…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>nie można zapisać %1 %2 (%3); nic nie wymazano</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>nie można podpisać wyniku JSON: %1; nic nie wymazano</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: wynik JSON nie jest podpisany: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>nie można zapisać wyniku JSON do %1: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>nie można zapisać raportu do %1: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: nie wymazano bezpiecznie: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: … i %1 więcej nie wymazano bezpiecznie
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: ostrzeżenie: nie można zachować wyniku: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>nie można zapisać jego plików wyników</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>przy kilku napędach %1 wskazuje katalog, do którego trafia plik każdego napędu</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Napęd	Numer seryjny	Stan
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 nie odpowiada (serwer sieciowy zniknął albo sterownik się zawiesił); nic nie wymazano</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 to dowiązanie utworzone przez innego użytkownika; wskaż sam katalog</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;To trwale usunie wybrane pliki. &lt;br/&gt;Wpisz angielskie słowo &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos;, aby kontynuować:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Potwierdź</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>Wpisz „Erase” </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Wpisz angielskie słowo „%1”, aby kontynuować:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… i %n więcej</numerusform>
            <numerusform>… i %n więcej</numerusform>
            <numerusform>… i %n więcej</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Metoda: %1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>W pamięci flash komórki przemapowane przez napęd są poza zasięgiem komputera; sięga ich tylko własne polecenie sanityzacji napędu.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), przez własne wymazanie napędu: %1 zakończone, a żaden blok próbkowany na całym napędzie przed i po nim nie odczytuje się jak wcześniej.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), przez wymazanie kryptograficzne: nadpisano każde gniazdo klucza i oba nagłówki kontenera %1. Dotyczy to przypadku, gdy dane zapisywano zawsze tylko przez szyfrowanie i nigdzie indziej nie ma kopii nagłówka.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88): nadpisano każdy adresowalny sektor i odczytano ponownie bloki próbkowane na całym napędzie (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88): nadpisano każdy adresowalny sektor i odczytano ponownie ostatni przebieg.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88): nadpisano każdy adresowalny sektor; ostatniego przebiegu nie odczytano ponownie.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ani Clear, ani Purge (NIST SP 800-88): wymazywanie się nie zakończyło.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Ani Clear, ani Purge (NIST SP 800-88): %n sektora nie dało się zapisać ani odczytać ponownie i może nadal zawierać to, co tam było. Zniszcz napęd fizycznie.</numerusform>
            <numerusform>Ani Clear, ani Purge (NIST SP 800-88): %n sektorów nie dało się zapisać ani odczytać ponownie i mogą nadal zawierać to, co tam było. Zniszcz napęd fizycznie.</numerusform>
            <numerusform>Ani Clear, ani Purge (NIST SP 800-88): %n sektorów nie dało się zapisać ani odczytać ponownie i mogą nadal zawierać to, co tam było. Zniszcz napęd fizycznie.</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>Ten napęd zawiera działający system i nie może zostać wymazany.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>Ten napęd zawiera twój katalog domowy i nie może zostać wymazany.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Ta partycja jest na napędzie działającego systemu i nie może zostać wymazana.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Ta partycja jest na napędzie twojego katalogu domowego i nie może zostać wymazana.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Wolumin na tym napędzie jest zamontowany (%1): najpierw go odmontuj.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>Ten napęd zawiera aktywną przestrzeń wymiany (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Ten napęd jest używany przez %1 (otwarty wolumin szyfrowany, RAID lub LVM): najpierw go zamknij.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Ten napęd jest otwarty przez %1: najpierw zakończ to, co go używa.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Ten napęd jest tylko do odczytu.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Działający system</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Katalog domowy</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Napęd systemu</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Napęd katalogu domowego</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Zamontowany: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Używana wymiana</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Używany przez %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Otwarty przez %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Tylko do odczytu</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numer seryjny %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 jest w użyciu (trzyma go zamontowany wolumin, mapowanie, wymiana lub inny program): nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 jest tylko do odczytu: nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Wymazanie całego napędu wymaga uprawnień administratora: nic nie zapisano na %1.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ Nie można otworzyć %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 nie jest urządzeniem blokowym: nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ Nie można użyć %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 zmienił się podczas otwierania: nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 nie jest już napędem, którym był przy wyborze (został odłączony, zmienił rozmiar lub dostał inny plik): nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 już nie istnieje (%2): nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 wskazuje teraz inne urządzenie niż wybrane: nic nie zapisano.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ Nie można odczytać rozmiaru %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 odrzucił ponad %2 sektorów: napęd ulega awarii. Nie da się dowieść, że jego zawartość jest wymazana; zniszcz go fizycznie.</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Znaleziono tablicę partycji na %1: %2, %n partycja.</numerusform>
            <numerusform>ℹ️ Znaleziono tablicę partycji na %1: %2, %n partycje.</numerusform>
            <numerusform>ℹ️ Znaleziono tablicę partycji na %1: %2, %n partycji.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 nie zawiera kontenera LUKS: nie ma kluczy do zniszczenia.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ Nie można odczytać nagłówka LUKS %1 (%2): jego kluczy nie da się zniszczyć pojedynczo. Nadpisanie całego napędu do nich sięga.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>klucze</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ Nie można zniszczyć gniazd kluczy %1: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ Zniszczono %1 gniazd kluczy %2, ale po nadpisaniu pierwszych %3 nadal znajduje się na nim nagłówek LUKS.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ Zniszczono %1 gniazd kluczy %2, ale nie można nadpisać jego nagłówków: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 Zniszczono %1 gniazd kluczy i nagłówki kontenera %2 na %3: żadne hasło ani plik klucza go już nie otworzy.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>oznaczanie próbkowanych bloków</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ Nie można oznaczyć próbkowanych bloków %1 przed jego własnym wymazaniem: %2. Nic nie wysłano do napędu.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 Wysyłanie do %1 jego własnego wymazania: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>własne wymazanie napędu</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>sprawdzanie próbkowanych bloków</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 zakończył własne wymazanie; żaden z %2 bloków próbkowanych na całym napędzie nie odczytuje się jak wcześniej.</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 zgłosił zakończenie własnego wymazania, ale %2 z %3 bloków próbkowanych na całym napędzie nadal odczytuje się jak wcześniej (pierwszy w bajcie %4)%5. Nie został wymazany: nadpisz cały napęd albo go zniszcz.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>, lub nie dało się ich odczytać</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 nie wykonał %2: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 szacuje, że jego własne wymazanie trwa %2 min.</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 sam kontynuuje własne wymazanie: sanityzacji napędu nie można zatrzymać i wznawia się po wyłączeniu zasilania. Velmora przestała na nią czekać i nie sprawdziła, co zrobiła.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Przebieg %1 z %2 na %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ Zapis na %1 nie powiódł się po %2 przebiegu %3: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Przebieg %1 z %2 zapisany i zsynchronizowany.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ Nie można otworzyć ukrytych sektorów %1 na czas wymazania i pozostają bez zmian: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>ukryte sektory</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 Obszar chroniony (HPA) %1 jest otwarty na czas wymazania do następnego wyłączenia napędu: %n sektor.</numerusform>
            <numerusform>🔓 Obszar chroniony (HPA) %1 jest otwarty na czas wymazania do następnego wyłączenia napędu: %n sektory.</numerusform>
            <numerusform>🔓 Obszar chroniony (HPA) %1 jest otwarty na czas wymazania do następnego wyłączenia napędu: %n sektorów.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ Obszar chroniony (HPA) %1 pozostaje otwarty do następnego wyłączenia napędu: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ Nie wszystkie ukryte sektory %1 zostały nadpisane i odczytane tak, jak zapisano: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>odczytują się inaczej</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ %n ukryty sektor %1 został nadpisany i odczytany ponownie, a limit przywrócony.</numerusform>
            <numerusform>✅ %n ukryte sektory %1 zostały nadpisane i odczytane ponownie, a limit przywrócony.</numerusform>
            <numerusform>✅ %n ukrytych sektorów %1 zostało nadpisanych i odczytanych ponownie, a limit przywrócony.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ %n ukryty sektor %1 został nadpisany, a limit przywrócony.</numerusform>
            <numerusform>✅ %n ukryte sektory %1 zostały nadpisane, a limit przywrócony.</numerusform>
            <numerusform>✅ %n ukrytych sektorów %1 zostało nadpisanych, a limit przywrócony.</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>próbkowany ponowny odczyt</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 z %2 bloków próbkowanych na %3 nie odczytało się tak, jak zapisano (pierwszy w bajcie %4): napęd nie przechowuje tego, co dostaje.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ Odczytano ponownie i porównano %1 bloków próbkowanych na całym %2.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>ponowny odczyt</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 zwrócił coś innego niż zapisano, w bajcie %2: napęd nie przechowuje tego, co dostaje.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ Ponowny odczyt %1 nie powiódł się w bajcie %2: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Odczytano ponownie i porównano: %1 z %2.</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Bez odrzucania: %1 jest obrazem dysku; odrzucenie wybiłoby tylko dziury w jego pliku, który przebiegi już nadpisały.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>odrzucanie</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ Cały %1 został bezpiecznie odrzucony (bezpieczny TRIM).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ Cały %1 został odrzucony (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 nie przyjął odrzucenia: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Bez odrzucania: %1 nie przyjmuje odrzucania (TRIM).</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>nowy system plików</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 jest gotowy do ponownego użycia: nowa tablica partycji %2 i pusty system plików %3 na %4.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Ukryte sektory wymazane: obszar chroniony (HPA), %n sektor za końcem, który pokazuje napęd, otwarto na czas wymazania, nadpisano jak resztę i przywrócono.</numerusform>
            <numerusform>Ukryte sektory wymazane: obszar chroniony (HPA), %n sektory za końcem, który pokazuje napęd, otwarto na czas wymazania, nadpisano jak resztę i przywrócono.</numerusform>
            <numerusform>Ukryte sektory wymazane: obszar chroniony (HPA), %n sektorów za końcem, który pokazuje napęd, otwarto na czas wymazania, nadpisano jak resztę i przywrócono.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Ukryte sektory nie wymazane: %n sektor za końcem, który pokazuje napęd, nie został ani nadpisany, ani sprawdzony.</numerusform>
            <numerusform>Ukryte sektory nie wymazane: %n sektory za końcem, który pokazuje napęd, nie zostały ani nadpisane, ani sprawdzone.</numerusform>
            <numerusform>Ukryte sektory nie wymazane: %n sektorów za końcem, który pokazuje napęd, nie zostało ani nadpisanych, ani sprawdzonych.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n sektora %1 nie dało się zapisać ani odczytać ponownie; reszta tak. Nieczytelnych sektorów nie da się uznać za czyste: zniszcz ten napęd fizycznie.</numerusform>
            <numerusform>❌ %n sektorów %1 nie dało się zapisać ani odczytać ponownie; reszta tak. Nieczytelnych sektorów nie da się uznać za czyste: zniszcz ten napęd fizycznie.</numerusform>
            <numerusform>❌ %n sektorów %1 nie dało się zapisać ani odczytać ponownie; reszta tak. Nieczytelnych sektorów nie da się uznać za czyste: zniszcz ten napęd fizycznie.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ Wymazywanie napędu zakończyło się z wyjątkami: %n sektora nie dało się wymazać.</numerusform>
            <numerusform>⚠️ Wymazywanie napędu zakończyło się z wyjątkami: %n sektorów nie dało się wymazać.</numerusform>
            <numerusform>⚠️ Wymazywanie napędu zakończyło się z wyjątkami: %n sektorów nie dało się wymazać.</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Wymazywanie napędu zakończone.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ Klucze szyfrowania zostały zniszczone.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 jest już wybrany w tym wymazywaniu, sam lub jako napęd wybranej partycji: nic nie zapisano.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: wymazany, nie przygotowany do użycia: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>napęd, który odrzucił sektory, należy zniszczyć, a nie używać ponownie</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Okno</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88 (1 przebieg)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 przebiegów)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 przebiegów)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 przebiegi)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 przebiegi)</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Sprawdź po ostatnim przebiegu</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Rozpocznij</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Wybierz metodę wymazywania</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Usuń też miniatury, ostatnio używane i zapisy Kosza</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Zniszcz klucze szyfrowania (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Zniszcz klucze szyfrowania przed nadpisaniem</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Własne wymazanie napędu:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Potem nadpisz go jeszcze raz (1 przebieg losowy)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>Potem:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Zostaw pusty</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Przygotuj do użycia: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Przygotuj do użycia: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Przygotuj do użycia: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>Po udanym wymazaniu: nowa tablica partycji z jedną partycją na cały napęd i nowy system plików na niej.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Otwórz i nadpisz też jego %n ukryty sektor</numerusform>
            <numerusform>Otwórz i nadpisz też jego %n ukryte sektory</numerusform>
            <numerusform>Otwórz i nadpisz też jego %n ukrytych sektorów</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>Napęd ukrywa te sektory przed komputerem (obszar chroniony, HPA). Są otwierane na czas wymazania do następnego wyłączenia napędu, a potem przywracane. Bez tego pozostają bez zmian, a raport to mówi.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Ostrzeżenie</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Wybierz metodę.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 przebieg losowy)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 przebiegi)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 przebiegi)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 przebiegów)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann, 35 przebiegów</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1, dla %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n wpis, razem %1</numerusform>
            <numerusform>%n wpisy, razem %1</numerusform>
            <numerusform>%n wpisów, razem %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Zniszczenie kluczy szyfrowania</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Zniszczenie kluczy szyfrowania, potem %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Własne wymazanie napędu (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Własne wymazanie napędu (%1), potem %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Wolne miejsce %1 na %2 (%3): %4 z %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Wszystko na %1 na %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>Nie wymazano</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Wymazano częściowo: %n element poniżej nie wymazany</numerusform>
            <numerusform>Wymazano częściowo: %n elementy poniżej nie wymazane</numerusform>
            <numerusform>Wymazano częściowo: %n elementów poniżej nie wymazanych</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>Nie wymazano: zadanie zatrzymano wcześniej</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>Nie wymazano: nadal istnieje</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>Nie wymazano: zniknął, ale nie przez to zadanie</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Wymazano</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ani Clear, ani Purge (NIST SP 800-88): wymazywanie się nie zakończyło.</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Wymazanie plików i katalogów</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Wymaż cały wolumin</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Wymaż wolne miejsce</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Wymazanie całego napędu</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Wymazano</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Zakończono z problemami</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Zatrzymano przed końcem</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>Nie zakończono</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ Wymazywanie zostało zatrzymane.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 Wymazano %2 z %n wpisu, zapisano %3.</numerusform>
            <numerusform>%1 Wymazano %2 z %n wpisów, zapisano %3.</numerusform>
            <numerusform>%1 Wymazano %2 z %n wpisów, zapisano %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 zapisano %2 na %3.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Wymazano z wyjątkami: %n sektora nie dało się zapisać ani odczytać; zniszcz ten napęd fizycznie</numerusform>
            <numerusform>Wymazano z wyjątkami: %n sektorów nie dało się zapisać ani odczytać; zniszcz ten napęd fizycznie</numerusform>
            <numerusform>Wymazano z wyjątkami: %n sektorów nie dało się zapisać ani odczytać; zniszcz ten napęd fizycznie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>tak</translation>
    </message>
    <message>
        <source>no</source>
        <translation>nie</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>nieznany</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Wolumin</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Nośnik</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Urządzenia</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numer seryjny %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>oprogramowanie układowe %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Dysk %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Obrotowy</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Przyjmuje odrzucanie (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Szyfrowanie</translation>
    </message>
    <message>
        <source>none</source>
        <translation>brak</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Sanityzacja</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Własne wymazanie napędu</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Odpowiedź napędu</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>zakończone</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>nadal trwało, gdy Velmora przestała czekać</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>niepowodzenie</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>nie wysłano</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Kontrola próbkowa</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 bloków na całym napędzie oznaczonych przed i odczytanych po: %2 zgodnie z obietnicą polecenia, %3 nie</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>nie wykonano</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n blok próbkowany na całym napędzie odczytano ponownie i porównano: identyczny</numerusform>
            <numerusform>%n bloki próbkowane na całym napędzie odczytano ponownie i porównano: identyczne</numerusform>
            <numerusform>%n bloków próbkowanych na całym napędzie odczytano ponownie i porównano: identyczne</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n blok próbkowany na całym napędzie odczytano ponownie i porównano: różny</numerusform>
            <numerusform>%n bloki próbkowane na całym napędzie odczytano ponownie i porównano: różne</numerusform>
            <numerusform>%n bloków próbkowanych na całym napędzie odczytano ponownie i porównano: różne</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 odczytano ponownie i porównano: identyczne</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 odczytano ponownie i porównano: różne</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>nie utworzono: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>nowa tablica partycji %1 z jedną partycją (%2) i pustym systemem plików %3 na niej</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>nowa tablica partycji %1 z jedną partycją (%2) i pustym systemem plików %3 na niej z etykietą %4</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>napęd tego nie podaje</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Napęd</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Plik obrazu</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Dostawca</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Oprogramowanie układowe</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Rozmiar sektora</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 bajtów logicznie, %2 bajtów fizycznie</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Połączenie</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 w %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Tablica partycji przed</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nie znaleziono</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Klucze szyfrowania</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: zniszczono gniazda kluczy: %2, nadpisano %3 nagłówków</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Przebieg %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>dane losowe, %1, pełny</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>dane losowe, %1, niepełny</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Weryfikacja</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Odrzucanie</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>cały napęd, bezpiecznie</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>cały napęd</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>odrzucone przez napęd</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>nieobsługiwane przez napęd</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>Gotowy do ponownego użycia</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Własne wymazanie napędu (%1, %2), potem nadpisanie</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Własne wymazanie napędu (%1, %2)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Nadpisanie</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Wymazanie kryptograficzne</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Wymazanie kryptograficzne, potem nadpisanie</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Bloki próbkowane na całym napędzie, oznaczone przed własnym wymazaniem napędu i odczytane po nim (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Bloki próbkowane na całym napędzie, odczytane ponownie po ostatnim przebiegu i porównane (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>Ostatni przebieg odczytany ponownie z urządzenia i porównany</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ani Clear, ani Purge (NIST SP 800-88): nadpisanie przez system plików nie sięga każdego adresowalnego bloku nośnika.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Zapis sanityzacji</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Producent</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Numer inwentarzowy</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Typ nośnika</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Pochodzenie nośnika</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Kategoria</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Technika</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Narzędzie</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Metoda weryfikacji</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Przeznaczenie po sanityzacji</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Wykonał(a)</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Imię i nazwisko</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Stanowisko</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizacja</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Sprawdził(a)</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produkt</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Komputer</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Użytkownik</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Rozpoczęto</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Metoda</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Odczytano ponownie</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>Ostatni przebieg odczytano ponownie i porównano</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Zlecono, nie wykonano: zadanie się nie zakończyło</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Nie</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punkt montowania</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>System plików</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON podpisany kluczem</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 podpisanego JSON</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Zapisano</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Odczytano ponownie i porównano</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Czas trwania</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Szybkość</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Wpisy</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>Wymazano %1 z %Ln wpisu.</numerusform>
            <numerusform>Wymazano %1 z %Ln wpisów.</numerusform>
            <numerusform>Wymazano %1 z %Ln wpisów.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Wpis</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>Za dużo, by wypisać pojedynczo: każdy katalog i każdy wpis, którego nie wymazano.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>Wymazano %1 z %Ln</numerusform>
            <numerusform>Wymazano %1 z %Ln</numerusform>
            <numerusform>Wymazano %1 z %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemy</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Brak.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n elementu nie dało się bezpiecznie wymazać:</numerusform>
            <numerusform>%n elementów nie dało się bezpiecznie wymazać:</numerusform>
            <numerusform>%n elementów nie dało się bezpiecznie wymazać:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… i %n więcej.</numerusform>
            <numerusform>… i %n więcej.</numerusform>
            <numerusform>… i %n więcej.</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Raport wymazania Velmora</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Pamięć masowa</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>strona %1 z %2</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>Przeciągnij tu pliki lub katalogi</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Dodaj plik</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Dodaj katalog</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Dodaj Kosz</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Usuń z listy</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Dodawanie plików i katalogów, proszę czekać...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Wybierz pliki</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Proszę czekać...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Wybierz katalog</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Kosz</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>Kosz jest pusty.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n wpis, razem %1</numerusform>
            <numerusform>%n wpisy, razem %1</numerusform>
            <numerusform>%n wpisów, razem %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Nie dodano</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ Nie można usunąć pliku wypełnienia: %1 (%2 MB, %3). Usuń go, aby odzyskać miejsce.</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ Nie można utworzyć kolejnego pliku wypełnienia: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ Zapis pliku wypełnienia nie powiódł się: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ Synchronizacja pliku wypełnienia nie powiodła się: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Weryfikacja nie powiodła się: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>rekordy plików</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Nadpisywanie wolnych rekordów plików, które przechowują nazwy usuniętych plików...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ Nadpisywanie nazw usuniętych plików nie powiodło się: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Usunięto plik wypełnienia pozostawiony przez przerwane wymazywanie: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 Nie możesz pisać w katalogu głównym woluminu; jego wolne miejsce jest wypełniane z twojego katalogu: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 MB wolnego miejsca jest zarezerwowane dla administratora systemu i nie da się go nadpisać; wymaż wolne miejsce jako root, aby do niego sięgnąć.</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>wolne miejsce</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>nazwy i dziennik</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Nadpisywanie nazw usuniętych plików, wolnych i-węzłów i dziennika...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 MB wolnego miejsca %2 nie zostało nadpisane: jego system plików nadal liczy je jako wolne, ale sterownik nie przyjął więcej. To, co zostawiły tam usunięte pliki, może pozostać. Sprawdzenie woluminu, gdy nie jest zamontowany (fsck.fat), poprawia licznik przed następnym wymazaniem.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Nazwy usuniętych plików mogą pozostać na %1: jego sterownik (%2) jest zbyt wolny, by je nadpisać.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ Nazwy usuniętych plików mogą pozostać na %1: ten system plików (%2) trzyma je tam, dokąd wypełnienie nie sięga.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ XFS odłożył %1 MB wolnego miejsca %2, gdy wypełnienie zajmowało wolumin, w blokach każdej grupy alokacji, których nie można dać żadnemu plikowi; bez TRIM zachowują to, co zawierały.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 Dziennik %1 został opróżniony, a jego bloki wyzerowane: nie zawiera kopii tego, co wymazano.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 Dziennik %1 został opróżniony, a jego bloki odrzucone na urządzeniu.</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Wypychanie wymazanych nazw z dziennika...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ Dziennik %1 może nadal zawierać ostatnie wymazane nazwy; wymazanie jako administrator go opróżnia.</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ Wypychanie wymazanych nazw z dziennika nie powiodło się na %1: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Wolne bloki odrzucone na urządzeniu (TRIM): %1 MB</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ Wolne miejsce systemu plików zostało odrzucone na urządzeniu (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Bez TRIM: urządzenie odrzuca, ale ten system plików (%1) lub jego sterownik tego nie przekazuje.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Bez TRIM: to urządzenie nie odrzuca wolnych bloków.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Bez TRIM: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ Wolne rekordy plików woluminu %1 nie zostały nadpisane: po wypełnieniu wolumin nie był odczytywany jako pełny. Mogą w nich pozostać nazwy usuniętych plików.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>etykieta FAT32 przyjmuje tylko litery, cyfry, spacje i -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>etykieta FAT32 przyjmuje najwyżej 11 znaków</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>etykieta nie przyjmuje znaków sterujących</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>etykieta ext4 przyjmuje najwyżej 16 bajtów</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 nie jest zainstalowany</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>nie można zapisać tablicy partycji: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>nie można dosięgnąć nowej partycji: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 nie powiódł się (%2): %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>etykieta nie jest poprawnym tekstem</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>etykieta exFAT przyjmuje najwyżej 11 znaków</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (czyli %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>Podano pustą ścieżkę. Jest odrzucana, aby nieustawiona zmienna w skrypcie nigdy nie oznaczała bieżącego katalogu.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>Nie ma takiego pliku ani katalogu: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 to katalog główny systemu plików: wszystko na tym komputerze. Nigdy nie jest wymazywany w całości.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 należy do systemu operacyjnego. Wymazanie go zepsułoby ten komputer; odrzucono.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 zawiera dane innych użytkowników lub usług systemu. Nigdy nie jest wymazywany w całości; wybierz katalogi w nim.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 jest katalogiem domowym lub go zawiera. Nigdy nie jest wymazywany w całości; wybierz pliki i katalogi w nim.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 jest urządzeniem, nie plikiem: usunięcie go nic by nie wymazało na urządzeniu. Aby zniszczyć to, co zawiera wolumin, wymaż wolumin (Wymaż dysk).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 jest gniazdem lub kolejką FIFO, nie plikiem: nie zawiera nic do wymazania.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 zawiera działający system i nie może zostać wymazany.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 zawiera twój katalog domowy i nie może zostać wymazany. Zamiast tego wymaż wybrane pliki lub jego wolne miejsce.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>napęd nie podaje już natywnego rozmiaru, który podawał</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>napęd odrzucił SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>obniżony maksymalny dostępny adres napęd zachowuje po wyłączeniu zasilania: podniesienie go zmieniłoby napęd na stałe</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 ukrywa %n sektor (%2) za końcem, który pokazuje (obniżony maksymalny dostępny adres): nie jest wymazywany.</numerusform>
            <numerusform>%1 ukrywa %n sektory (%2) za końcem, który pokazuje (obniżony maksymalny dostępny adres): nie są wymazywane.</numerusform>
            <numerusform>%1 ukrywa %n sektorów (%2) za końcem, który pokazuje (obniżony maksymalny dostępny adres): nie są wymazywane.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 ukrywa %n sektor (%2) za końcem, który pokazuje (obszar chroniony, HPA): nie jest wymazywany.</numerusform>
            <numerusform>%1 ukrywa %n sektory (%2) za końcem, który pokazuje (obszar chroniony, HPA): nie są wymazywane.</numerusform>
            <numerusform>%1 ukrywa %n sektorów (%2) za końcem, który pokazuje (obszar chroniony, HPA): nie są wymazywane.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Brak uprawnień: część należy do innego użytkownika lub do systemu. Uruchom Velmorę przez „Uruchom jako administrator”, aby to wymazać.</translation>
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
        <translation>wymazanie całego woluminu %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>wymazanie wolnego miejsca %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (pid %2), rozpoczęte %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ Nie można zachować zapisu tego zadania w %1 (%2): jeśli zostanie przerwane, następne uruchomienie nie powie, co zostało niedokończone.</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>Wymazanie plików i katalogów</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Wymazanie całego woluminu %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Wymazanie wolnego miejsca %1</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Wymazanie całego napędu %1, którego każdy sektor został nadpisany,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Wymazanie całego napędu %1, którego klucze LUKS mogły zostać zniszczone lub nie,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Wymazanie całego napędu %1, który może nadal zawierać część starych danych,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Zadanie zostało przerwane, ale jego zapisu nie da się odczytać: nie wiadomo, co zostało niedokończone, i niczego nie sprzątnięto. Zapis zachowano jako %1.</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), rozpoczęte %3, zostało przerwane przed końcem%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, podczas: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>Żaden z jego wpisów nie pozostał na dysku.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Nie zakończono, nadal istnieją:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … i %n więcej</numerusform>
            <numerusform>  … i %n więcej</numerusform>
            <numerusform>  … i %n więcej</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 nie odpowiada: nie szukano tego, co zadanie tam zostawiło.</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Usunięto pliki pomocnicze pozostawione w %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>Nie można usunąć %n pliku pomocniczego pozostawionego w %1.</numerusform>
            <numerusform>Nie można usunąć %n plików pomocniczych pozostawionych w %1.</numerusform>
            <numerusform>Nie można usunąć %n plików pomocniczych pozostawionych w %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>Zwrócono %1 rezerwę, którą pożyczyło.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>Nie można zwrócić %1 pożyczonej rezerwy; ponowne zamontowanie woluminu ją przywraca.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>Napęd: %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numer seryjny %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 nadal go wskazuje.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 wskazuje teraz inne urządzenie: ponowne wymazanie %1 nie dokończy tego napędu.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 teraz nie istnieje.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Wymazywanie zatrzymane: Ctrl-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Wymazywanie zatrzymane: poproszono o zakończenie (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Wymazywanie zatrzymane: terminal lub sesja zostały zamknięte (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Wymazywanie zatrzymane sygnałem %1.</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>nie można odczytać miejsca na %1</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ Operacja zakończyła się przedwcześnie: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n miniatura</numerusform>
            <numerusform>%n miniatury</numerusform>
            <numerusform>%n miniatur</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n wpis ostatnio używanych</numerusform>
            <numerusform>%n wpisy ostatnio używanych</numerusform>
            <numerusform>%n wpisów ostatnio używanych</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n zapis Kosza</numerusform>
            <numerusform>%n zapisy Kosza</numerusform>
            <numerusform>%n zapisów Kosza</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Usunięto ślady: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ Brak katalogu domowego: nie szukano miniatur, ostatnio używanych plików ani zapisów Kosza.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>ślady</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Usunięto z listy rozmiarów katalogów Kosza: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ Lista ostatnio używanych plików została bez zmian: %1. Może nadal wymieniać to, co wymazano.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Usunięto z ostatnio używanych: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ Nie wymazano: %1 nadal istnieje, choć nic nie sprzeciwiało się jego usunięciu.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ Nie wymazano: %1 nadal istnieje, więc jego katalogu nie można było usunąć.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Nie wymazano: jeszcze %n wpis w %1.</numerusform>
            <numerusform>⚠️ Nie wymazano: jeszcze %n wpisy w %1.</numerusform>
            <numerusform>⚠️ Nie wymazano: jeszcze %n wpisów w %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ Nie można bezpiecznie wymazać: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Części wymazanych plików mogły zostać zapisane w nieszyfrowanej przestrzeni wymiany (%1); żadne wymazanie plików tam nie sięga.</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Inne zadanie Velmory pracuje na %1: nic nie zapisano. Poczekaj, aż się skończy.</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Pominięto (nie można wymazać): %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>pliki</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ Nie można utworzyć pliku tymczasowego do wymazania wolnego miejsca.</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>sprzątanie</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Pełne wymazanie dysku zakończone: nie wszystko wymazano.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Pełne wymazanie dysku zakończone.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ Nie można utworzyć pliku zapisu do wymazania wolnego miejsca.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Wymazanie wolnego miejsca zakończone: nie całe wolne miejsce zostało nadpisane.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Wymazanie wolnego miejsca zakończone.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Wymaż pliki</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Wymaż wolumin</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Wymaż wolne miejsce</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Wymaż napęd</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Zaplanowano: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>niepodpisany</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>zmieniony po podpisaniu</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>podpisany innym kluczem</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1 (według treści: %2)</translation>
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
        <translation>Wymaż dysk</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Trwale wymazuj dane &amp;amp; zapobiegaj wyciekom&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora bezpiecznie wymazuje poufne dane z dysku lub pamięci USB. &lt;br/&gt;Chroń prywatność i na dobre zapobiegaj wyciekom danych.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Wymaż wolne miejsce</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Wymaż plik</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Woluminy</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Napędy</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Wymaż całe napędy</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Zaznacz jeden napęd lub kilka, aby wymazać je jednocześnie.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Wymaż cały wolumin</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Wszystko na wybranym woluminie zostaje wymazane, a potem jego wolne miejsce wypełnione.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Wymaż wolne miejsce woluminu</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>To, co usunięte pliki zostawiły w jego wolnym miejscu, zostaje nadpisane; pliki na nim pozostają.</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Każdy sektor wybranego napędu zostaje nadpisany: wszystkie jego partycje i tablica partycji.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Wymazanie całego napędu wymaga uprawnień administratora: uruchom Velmorę w trybie administratora, aby go wybrać.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Rozmiar: %2 bajtów, sektory po %3 bajtów (%4 fizycznie)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>Plik obrazu: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Wymagane uprawnienia administratora</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Wymazanie całego napędu zapisuje bezpośrednio na urządzeniu, co może tylko administrator. Uruchom Velmorę w trybie administratora i wybierz napęd ponownie.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Uruchom w trybie administratora</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Nie wybrano napędu</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>Wybierz napęd i kliknij Dalej!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Błąd</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>Napędu %1 już nie ma.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>Pytanie %1, co oferuje…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Wymazywanie anulowane.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Wymazywanie całego napędu %1, proszę czekać...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>To trwale zniszczy wszystko na tym napędzie.</numerusform>
            <numerusform>To trwale zniszczy wszystko na tych %n napędach.</numerusform>
            <numerusform>To trwale zniszczy wszystko na tych %n napędach.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n napęd</numerusform>
            <numerusform>%n napędy, wymazywane jednocześnie</numerusform>
            <numerusform>%n napędów, wymazywanych jednocześnie</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ Wybrane pliki zostały nadpisane i usunięte. Co może pozostać:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Wszystkie wybrane pliki zostały trwale wymazane.</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 Dysk został wymazany. Co może pozostać:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 Dysk został bezpiecznie wymazany i jest teraz czysty.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 Wolne miejsce zostało nadpisane. Co może pozostać:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 Wolne miejsce zostało bezpiecznie wymazane; nie zostały żadne ślady.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 Wolne miejsce zostało nadpisane.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 Napęd %1 wymazał się własnym poleceniem i żaden z bloków próbkowanych na całym napędzie nie odczytuje się jak wcześniej.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 Klucze szyfrowania %1 zostały zniszczone: jego zawartości nie da się już odszyfrować.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 Klucze szyfrowania %1 zostały zniszczone, a napęd nadpisany.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 Napęd %1 został nadpisany.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Operacja wymazywania zakończona.</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Zapisz raport…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Wymaż wolne miejsce %1…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ Nie można zachować wyniku tego zadania: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Raport wymazania</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Zapisz raport</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Dokumenty PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Nie zapisano raportu</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Nie można zapisać raportu do %1: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Zapisano raport do %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Wymazane napędy: %1 z %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>Nie każdy napęd został wymazany</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Zapisz raporty…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Wymazywanie zatrzymane przez użytkownika.</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>Operacja się nie zakończyła:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n elementu nie dało się bezpiecznie wymazać:</numerusform>
            <numerusform>⚠️ %n elementów nie dało się bezpiecznie wymazać:</numerusform>
            <numerusform>⚠️ %n elementów nie dało się bezpiecznie wymazać:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Zakończono z problemami</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Dodaj z powrotem to, czego nie wymazano (%1)</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Potwierdź zatrzymanie</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>Czy na pewno zatrzymać?</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Zaplanowane wymazanie na %1 nie zrobiło wszystkiego, co miało: zobacz Raporty… w menu.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>Pozostałe pliki wypełnienia</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Przerwane wymazywanie zostawiło te pliki wypełnienia; ich usunięcie zwolni %1:

%2

Usunąć je teraz?</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>Nie można usunąć %n pliku wypełnienia; wymazanie wolnego miejsca tego woluminu go usuwa.</numerusform>
            <numerusform>Nie można usunąć %n plików wypełnienia; wymazanie wolnego miejsca tego woluminu je usuwa.</numerusform>
            <numerusform>Nie można usunąć %n plików wypełnienia; wymazanie wolnego miejsca tego woluminu je usuwa.</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Przerwane wymazywanie</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>Wymazać teraz to, co zostało?</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>Wybrać teraz napęd ponownie?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>Wybrać teraz wolumin ponownie?</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Trwa wymazywanie</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>Trwa wymazywanie. Zatrzymać i zakończyć?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>Urządzenie nie odpowiada; kończenie bez czekania na nie.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O programie</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Wsparcie</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Wymaż Kosz…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>Trwa wymazywanie. Zawartość Kosza jest na liście plików do wymazania, na czas po jego zakończeniu.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Zaplanuj…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Raporty…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Dane raportu…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Pokaż raport…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Proszę czekać</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Ten program pomaga bezpiecznie wymazywać pliki, dyski i wolne miejsce.

Copyright © 2026 Twórcy Velmory</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Brak przeglądarki</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>Nie można uruchomić przeglądarki. Strona jest pod adresem:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Podręcznik Velmory</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>Nie można uruchomić przeglądarki; to podręcznik zainstalowany z Velmorą. Pomoc online jest pod adresem %1.</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>Ten dysk zawiera działający system i nie może zostać wymazany.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>Ten dysk zawiera twój katalog domowy i nie może zostać wymazany. Zamiast tego wymaż wybrane pliki lub jego wolne miejsce.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>To zniszczy klucze szyfrowania %1: niczego na nim nie da się już odszyfrować.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>To trwale zniszczy wszystko na napędzie %1.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Wybrana metoda: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Brak plików</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Dodaj co najmniej jeden plik.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>Wybierz metodę wymazywania!</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>Wymazywanie zostało anulowane.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Nie wybrano dysku</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>Wybierz dysk i kliknij Dalej!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>Najpierw wybierz metodę wymazywania!</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>Nie wybrano dysku!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>Ścieżka wybranego dysku jest nieprawidłowa!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>Nie można ustalić pojemności dysku!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Wymazywanie dysku, proszę czekać...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>Najpierw wybierz metodę wymazywania!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Anulowano</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>Wymazywanie zostało anulowane.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>Nie można ustalić wolnego miejsca!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Wymazywanie wolnego miejsca, proszę czekać...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>sieć</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>pamięć · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>pamięć</translation>
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
        <translation>pamięć USB</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>napęd USB</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>karta SD</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>dysk wirtualny · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>dysk wirtualny</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>obraz dysku</translation>
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
        <translation>nieznany</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>nie odpowiada</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>obraz na: %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · zaszyfrowany</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>numer seryjny %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>napęd SSD</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>dysk twardy</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>napęd USB</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>karta SD</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>pamięć flash eMMC</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 jest sieciowym systemem plików (%2): serwer może przechowywać kopie i migawki tego, co wymazano, do których nie sięga żadne nadpisanie z tego komputera.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 jest w pamięci (%2): to, co tam wymazano, znika po wyłączeniu komputera.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 jest w pamięci (%2): to, co tam wymazano, znika po wyłączeniu komputera, ale części mogły zostać zapisane w nieszyfrowanej przestrzeni wymiany (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 jest zaszyfrowany (%2): wcześniejsze kopie, które może przechowywać napęd pod nim, też są zaszyfrowane i nie da się ich odczytać bez klucza.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 jest na: %2: napęd może przechowywać wcześniejsze kopie w komórkach flash, do których nie sięga żadne nadpisanie. Velmora prosi go o odrzucenie zwolnionych bloków (TRIM). Dla pewności trzymaj napęd zaszyfrowany albo użyj własnego polecenia sanityzacji napędu, zanim opuści twoje ręce.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 jest na: %2: napęd może przechowywać wcześniejsze kopie w komórkach flash, do których nie sięga żadne nadpisanie, i nie przyjmuje odrzucania (TRIM). Dla pewności trzymaj napęd zaszyfrowany albo użyj własnego polecenia sanityzacji napędu, zanim opuści twoje ręce.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 jest na: %2: jeśli zawiera pamięć flash, jak pamięci USB, może przechowywać wcześniejsze kopie w komórkach, do których nie sięga żadne nadpisanie. Dla pewności trzymaj napęd zaszyfrowany.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ani Clear, ani Purge (NIST SP 800-88): nadpisanie przez system plików nie sięga każdego adresowalnego bloku nośnika.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>W pamięci flash komórki przemapowane przez napęd są poza zasięgiem komputera.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>Bloki leżą na innym komputerze.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>Wolumin jest zaszyfrowany: to, co napęd przechowuje pod nim, jest szyfrogramem.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora nie wie, jaki system plików zawiera %1 (jego sterownik mówi „%2”): nazwy wymazanych plików i to, co przechowuje o nich sterownik, mogą tam pozostać.</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>Rozpoczynanie…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>zostało około %n s</numerusform>
            <numerusform>zostały około %n s</numerusform>
            <numerusform>zostało około %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>została około %n min</numerusform>
            <numerusform>zostały około %n min</numerusform>
            <numerusform>zostało około %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>zostało około %1 h %2 min</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>przebieg %1 z %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Zatrzymywanie: oczekiwanie, aż urządzenie skończy bieżący zapis…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Kończenie…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Wymazał(a)</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Stanowisko</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizacja</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Miejsce</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Kontakt</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Numer inwentarzowy</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Pochodzenie nośnika</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Przeznaczenie po sanityzacji</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Sprawdził(a)</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Stanowisko sprawdzającego</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Dane raportu</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Każdy raport podaje te dane. To, co pozostanie puste, jest drukowane jako linia do wypełnienia ręcznie.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>klucz podpisu %1 mogą zmieniać inni (tryb %2): nie jest używany</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>klucz podpisu %1 należy do innego użytkownika (uid %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>inni mogą czytać klucz podpisu %1 (tryb %2): kto może, ten podpisze wyniki w twoim imieniu</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 nie zawiera klucza prywatnego Ed25519</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>nie można utworzyć klucza podpisu</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>utworzono nowy klucz podpisu: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>jego podpis zawiera pole, którego raport nie ma: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>w jego podpisie brak pola %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>nie można podpisać wyniku</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>raport nie jest podpisany</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>raport zmieniono po podpisaniu</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>jego podpis wskazuje klucz %1, ale złożono go kluczem %2</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>SHA-256 w jego podpisie nie jest SHA-256 raportu</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>podpisano go kluczem %1, nie %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Raporty</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>Podpisany wynik każdego zadania, od najnowszego, z raportem, jeśli go sporządzono. Zaplanowane wymazywania są na tej samej liście.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Zakończono</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Zadanie</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cel</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Nie uruchomiono jeszcze żadnego zadania: wynik każdego jest przechowywany tutaj.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Otwórz</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Zapisz jako…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Sprawdź podpis</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz katalog</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Podpis</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 już istnieje</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Zapisz raport jako</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Nie zapisano</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Ten wynik nie jest taki, jak go podpisano: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>Podpis jest poprawny: ten wynik jest taki, jak go podpisano, kluczem %1.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>partycja: własne wymazanie napędu obejmuje cały napęd</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>urządzenie loop nie ma własnego wymazania</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>w pamięci: nie ma własnego wymazania</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>dysk wirtualny (virtio): host nie przekazuje mu poleceń wymazania</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>za mostkiem USB: podłącz go bezpośrednio, aby użyć jego własnego wymazania</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>karta SD lub eMMC: Velmora nie wysyła jej własnego wymazania</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>dysk sieciowy nie ma własnego wymazania</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>do zapytania napędu, co oferuje, potrzebne są uprawnienia administratora</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>jądro nie przekazuje mu poleceń</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>nie można go zapytać: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>odmówił identyfikacji (stan NVMe 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>nie oferuje ani Sanitize, ani Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>stan ATA 0x%1, błąd 0x%2, powód 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>sense SCSI %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>jego SANITIZE jest zamrożone: uśpij i wybudź komputer, aby zdjąć zamrożenie, potem zapytaj ponownie</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>nie obsługuje zestawu funkcji ATA SANITIZE</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>nie mówi, które polecenia obsługuje</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>nie obsługuje SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>napęd nie oferuje %1; oferuje %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>stan NVMe 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>nie można zidentyfikować przestrzeni nazw (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>napęd nie wykonał Format (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>napęd odrzucił Sanitize (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>nie można odczytać jego dziennika Sanitize (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>napęd zgłasza, że Sanitize się nie powiodło</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>napęd nie zgłasza żadnego Sanitize od wyprodukowania</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>napęd odrzucił SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>napęd nie powiedział, jak przebiega jego SANITIZE</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>napęd zgłasza, że SANITIZE się nie powiodło (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>napęd nie zgłasza żadnego ukończonego SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>napęd zgłasza %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>własne wymazanie: brak (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>własne wymazanie: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>; zabezpieczenie zamrożone: uśpij i wybudź komputer, aby je zdjąć</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Zaplanowane wymazywania</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Wymazywania uruchamiane samoczynnie:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Nic jeszcze nie zaplanowano. Wybierz poniżej, co wymazywać, jak często i jak, a potem Dodaj.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Usuń</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Wymaż Kosz</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Wymaż wolne miejsce %1</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>co tydzień</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>co miesiąc</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Dodaj</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Co:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>&amp;Jak często:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Metoda:</translation>
    </message>
    <message>
        <source>active</source>
        <translation>aktywny</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>nieaktywny</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Każde uruchomienie zostawia raport w %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>systemd tu nie działa: liczniki czasu są zapisane, ale nieaktywne.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>Nie zaplanowano</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>Nie usunięto</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>co miesiąc</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>co tydzień</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Wymaż Kosz</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Wymaż wolne miejsce %1</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>działa co tydzień lub co miesiąc, nie %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>nieznana metoda %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>wymazanie wolnego miejsca wymaga punktu montowania</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>raportów jego uruchomień nie można przechować w %1: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>nie ma harmonogramu %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>nie można usunąć</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Napęd</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Postęp</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Zapisz raporty…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Gotowe</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Zatrzymaj</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Wymazywanie %n napędu. Ma własny postęp i własny raport.</numerusform>
            <numerusform>Wymazywanie %n napędów naraz. Każdy ma własny postęp i własny raport.</numerusform>
            <numerusform>Wymazywanie %n napędów naraz. Każdy ma własny postęp i własny raport.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>W toku</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ Nie można zachować wyniku tego napędu: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Potwierdź zatrzymanie</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>Zatrzymać wszystkie napędy? Te jeszcze nie wymazane zachowają swoją zawartość.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Zatrzymywanie wszystkich napędów…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>nie można zapisać %1</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>nie można podpisać wyniku %1: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Zapisz raporty</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Nie zapisano raportów</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>Nie można zapisać raportów do %1: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 Raport i podpisany wynik każdego napędu zapisano w %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>to nie jest tekst UTF-8</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>nie można go odczytać</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>inny program ciągle go zmieniał</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ Kosz %1 zostaje bez zmian: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>jest dowiązaniem</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>nie jest katalogiem</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>nie należy do ciebie</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>brak mu bitu sticky, który ma wspólny Kosz</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>jego wolumin nie odpowiada</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Zmieniony podczas wymazywania, pozostawiony: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ Nie można usunąć katalogu: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Weryfikacja nie powiodła się: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Nadpisano i usunięto, ale system plików zgłosił błąd, więc nie wiadomo, czy wymazano: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Bezpiecznie wymazano: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ Usunięto pusty plik: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Usunięto pusty katalog: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 jest systemem plików typu copy-on-write (%2): nadpisanie w miejscu nie sięga starszych kopii, które przechowuje. Wymaż potem wolne miejsce tego woluminu.</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ Do %1 starszych kopii tego, co wymazano, może pozostać na %2, dopóki jego wolne miejsce nie zostanie wymazane.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Nazwy wymazanych plików mogą pozostać w wolnych wpisach ich katalogów na %1: jego sterownik (%2) jest zbyt wolny, by je nadpisać.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Nazwy wymazane z %1 mogą pozostać w blokach, które jego katalog zwrócił woluminowi (XFS); wymaż wolne miejsce woluminu, aby do nich sięgnąć.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ Nazwy wymazane z %1 mogą pozostać w jego wolnych wpisach: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 Nadpisano wolne wpisy %n katalogu, który zawierał wymazane nazwy.</numerusform>
            <numerusform>🧹 Nadpisano wolne wpisy %n katalogów, które zawierały wymazane nazwy.</numerusform>
            <numerusform>🧹 Nadpisano wolne wpisy %n katalogów, które zawierały wymazane nazwy.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ Nazwy wymazane z jeszcze %n katalogu mogą pozostać w jego wolnych wpisach; wymaż wolne miejsce woluminu, aby do nich sięgnąć.</numerusform>
            <numerusform>⚠️ Nazwy wymazane z jeszcze %n katalogów mogą pozostać w ich wolnych wpisach; wymaż wolne miejsce woluminu, aby do nich sięgnąć.</numerusform>
            <numerusform>⚠️ Nazwy wymazane z jeszcze %n katalogów mogą pozostać w ich wolnych wpisach; wymaż wolne miejsce woluminu, aby do nich sięgnąć.</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 Nadpisano miejsce, które wymazane pliki i ich katalogi zwróciły %1.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Nazwy wymazane z katalogów %1 mogą pozostać w miejscu, które katalogi zwróciły woluminowi (exFAT); wymaż wolne miejsce woluminu, aby do nich sięgnąć.</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>plik jest niezmienny</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>plik jest tylko do dopisywania</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ Nie znaleziono pliku: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ Usunięto tylko tę nazwę: inne dowiązania spoza wyboru nadal udostępniają jego zawartość: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Wymazywanie: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ Rósł podczas wymazywania; to, co w międzyczasie zapisano, może pozostać na urządzeniu: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ Nie wymazano, tu zamontowany jest inny wolumin: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Usunięto dowiązanie: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ Nie można otworzyć katalogu: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ Usunięto plik specjalny: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ Nie można wypisać zawartości katalogu: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Usunięto skrót: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>w bajcie %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>urządzenie zwróciło inne dane w bajcie %1</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 Zweryfikowano %1 danych</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Wstecz</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Odśwież</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Dalej</translation>
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
Urządzenie: %2
Etykieta: %3
Pojemność: %4 bajtów
Dostępne: %5 bajtów</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(brak)</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Nośnik: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Urządzenia: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Wybór</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punkt montowania</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Pojemność</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Dostępne</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>System plików</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Urządzenie</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Nośnik</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Ten wolumin nie odpowiada; nie można go teraz wybrać.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Model</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Numer seryjny</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Partycje</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Wymagane uprawnienia administratora</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Można wymazać</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Wymazuje bez możliwości odzyskania pliki i katalogi albo cały wolumin lub jego wolne miejsce.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>Pliki i katalogi do umieszczenia na liście do wymazania.</translation>
    </message>
</context>
</TS>
