<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Чтобы стереть оставшееся: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Чтобы запустить снова: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Стирание свободного места %1, где могут остаться старые копии стёртого…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify и --crypto-erase идут только с drive</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash идёт только с erase</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize и --then-overwrite идут только с drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite идёт после --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize и --crypto-erase несовместимы: собственное криптографическое стирание накопителя — это --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize ничего не перезаписывает: --method идёт с --then-overwrite</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample и --verify=full идут только с drive; --verify перечитывает последний проход</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= и --no-verify противоречат друг другу</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format идёт только с drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label называет то, что создаёт --format</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace идёт только после erase</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Попробуйте «velmora-cli --help».</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= не называет действия</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= принимает sample или full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>неизвестная команда %1; команды: erase, wipe, freespace, drive, drives, schedule, check-report, volumes и reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 находится в том, что должно быть стёрто; ничего не стёрто</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>другое задание Velmora работает с %1; ничего не стёрто. Запустите это, когда то завершится.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 работает с %2; ничего не стёрто. Запустите это, когда то завершится.</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 не является блочным устройством</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>для стирания всего накопителя нужны права администратора: запустите от root (sudo)</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>неизвестное действие %1; действия: crypto-erase, block-erase, format-crypto, format-erase и overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: нет собственного стирания для отправки: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 требует путь</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>не удалось прочитать пути из командной строки</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>Корзина пуста; стирать нечего.
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root отменяет это.)</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 принимает одну точку монтирования</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>указан пустой путь; %1 принимает точку монтирования тома</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 принимает точку монтирования тома как абсолютный путь, а не %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 не является точкой монтирования тома</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>не удаётся прочитать место на %1</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>неизвестная файловая система %1; --format принимает exfat, fat32 или ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format принимает весь накопитель: %1 — это раздел</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive принимает одно блочное устройство, например /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 скрывает %n сектор в защищённой области (HPA): она открывается для стирания и тоже перезаписывается.
</numerusform>
            <numerusform>velmora-cli: %1 скрывает %n сектора в защищённой области (HPA): она открывается для стирания и тоже перезаписывается.
</numerusform>
            <numerusform>velmora-cli: %1 скрывает %n секторов в защищённой области (HPA): она открывается для стирания и тоже перезаписывается.
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli: предупреждение: %1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 не содержит контейнера LUKS; --crypto-erase требует его</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>не удаётся прочитать заголовок LUKS %1 (%2); сотрите весь накопитель без --crypto-erase</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes принимает только --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports принимает только --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Ещё не выполнено ни одного задания: результат каждого хранится в %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives принимает только --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>разделы: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>активно</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>неактивно</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>Запланированных стираний нет.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>systemd здесь не работает: таймеры записаны, но неактивны.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove принимает имя, которое показывает list</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 удалено.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule принимает add, list или remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add принимает trash или freespace и точку монтирования</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>%1 запланировано как %2 в %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (неактивно: systemd здесь его не запускает)</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report принимает один результат JSON</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>это не результат JSON (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>действителен, подписан ключом %1
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
        <translation>Безвозвратно стирает файлы и папки, весь смонтированный том или свободное место тома.

Команды:
  erase ПУТЬ...          перезаписать и удалить файлы и папки
  wipe ТОЧКА             перезаписать всё на смонтированном томе
  freespace ТОЧКА        перезаписать свободное место смонтированного тома
  schedule add trash|freespace [ТОЧКА] [--every weekly|monthly]
  schedule list | schedule remove ИМЯ
                         самостоятельно стирать свободное место или Корзину
  check-report ФАЙЛ.json [--key ОТПЕЧАТОК]
                         сказать, такой ли результат, каким был подписан
  volumes [--json]       вывести смонтированные тома и носитель под каждым
  drive УСТРОЙСТВО...    перезаписать каждый сектор целых накопителей или разделов,
                         нескольких сразу
  drives [--json]        вывести накопители и разделы и причину отказа
  reports [--json]       вывести сохранённые результаты и отчёты заданий, сначала новые
(ТОЧКА — точка монтирования)</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Метод стирания: NIST, DoD, British, German или Gutmann (по умолчанию NIST).</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Перечитать последний проход и сравнить; для накопителя --verify=sample перечитывает только блоки, выбранные по всему накопителю.</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>Не спрашивать; для сценариев. Без этого должен ответить терминал.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>Выводить только проблемы.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Записать результат в JSON в ФАЙЛ.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Записать отчёт о стирании в PDF в ФАЙЛ.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Вывести методы стирания.</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Разрешить стирать /, системные папки и домашние папки (но никогда устройства).</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: оставить на месте миниатюры, записи недавних файлов, записи Корзины и копии редактора стёртых файлов.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: добавить к путям всё, что есть в Корзине (в домашней папке и на каждом томе).</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: weekly (по умолчанию) или monthly.</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: отпечаток (SHA256:…) ключа, которым должен быть подписан отчёт.</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>Отчёт: кто стирал (также в report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>Отчёт: для какой организации.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>Отчёт: где.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>Отчёт: как связаться с тем, кто стирал.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>Отчёт: инвентарный номер носителя.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>Отчёт: куда носитель отправится потом (повторное использование, продажа, уничтожение).</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: не перечитывать последний проход.</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: после стирания снова подготовить его к использованию: новая таблица разделов с одним разделом и пустой файловой системой exfat, fat32 или ext4.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: метка новой файловой системы.</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: открыть защищённую область (HPA) для стирания до следующего выключения накопителя и перезаписать также то, что она скрывает.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: уничтожить ключи контейнера LUKS на нём; с --method затем также перезаписать его.</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: отправить накопителю его собственное стирание, --sanitize=ДЕЙСТВИЕ (crypto-erase, block-erase, format-crypto, format-erase, overwrite) или, без него, самое сильное из предлагаемых; после этого проверяются блоки, выбранные по всему накопителю.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: затем также один раз перезаписать его и перечитать этот проход.</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: затем стереть свободное место каждого тома, на котором были файлы; это достаёт старые копии, которые хранит том с копированием при записи.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report или reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>Файлы и папки или точка монтирования тома.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>неизвестный метод %1; velmora-cli --methods выводит их список</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json и --report принимают имя файла</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>нет команды; попробуйте «velmora-cli --help»</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, перечитаны блоки, выбранные по всему накопителю</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, последний проход прочитан заново</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>Это безвозвратно уничтожит:
  %1
Метод: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … и ещё %n
</numerusform>
            <numerusform>  … и ещё %n
</numerusform>
            <numerusform>  … и ещё %n
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>затем свободное место томов, на которых они находятся
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>Это безвозвратно уничтожит %n накопитель:%1
Метод: %2%3
</numerusform>
            <numerusform>Это безвозвратно уничтожит сразу %n накопителя:%1
Метод: %2%3
</numerusform>
            <numerusform>Это безвозвратно уничтожит сразу %n накопителей:%1
Метод: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>ничего не стёрто: нет терминала для подтверждения; передайте --yes, чтобы подтвердить из сценария</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Введите английское слово Erase для подтверждения: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>отменено; ничего не стёрто</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Остановка: ожидание, пока устройство закончит текущую запись (повторное Ctrl-C завершает сразу)…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>не удаётся записать %1 %2 (%3); ничего не стёрто</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>не удалось подписать результат JSON: %1; ничего не стёрто</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: результат JSON не подписан: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>не удалось записать результат JSON в %1: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>не удалось записать отчёт в %1: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: не стёрто надёжно: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: … и ещё %1 не стёрто надёжно
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: предупреждение: не удалось сохранить результат: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>не удалось записать файлы его результата</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>при нескольких накопителях %1 называет папку, куда попадает файл каждого накопителя</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Накопитель	Серийный номер	Состояние
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 не отвечает (сетевой сервер пропал или драйвер завис); ничего не стёрто</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 — ссылка, созданная другим пользователем; укажите саму папку</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;Это безвозвратно удалит выбранные файлы. &lt;br/&gt;Введите английское слово &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos;, чтобы продолжить:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Подтверждение</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>Введите «Erase» </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Введите английское слово «%1», чтобы продолжить:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
            <numerusform>… и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Метод: %1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>На флеш-памяти ячейки, переназначенные накопителем, недоступны компьютеру; до них доходит только собственная команда очистки накопителя.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), собственным стиранием накопителя: %1 выполнено, и ни один блок, выбранный по всему накопителю до и после, не читается как прежде.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), криптографическим стиранием: перезаписаны все слоты ключей и оба заголовка контейнера %1. Это верно, если данные всегда записывались только через шифрование и копии заголовка нигде больше нет.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88): каждый адресуемый сектор перезаписан, а блоки, выбранные по всему накопителю, перечитаны (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88): каждый адресуемый сектор перезаписан, последний проход перечитан.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88): каждый адресуемый сектор перезаписан; последний проход не перечитан.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ни Clear, ни Purge (NIST SP 800-88): стирание не завершилось.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Ни Clear, ни Purge (NIST SP 800-88): %n сектор не удалось записать или перечитать, и он может всё ещё хранить прежнее. Уничтожьте накопитель физически.</numerusform>
            <numerusform>Ни Clear, ни Purge (NIST SP 800-88): %n сектора не удалось записать или перечитать, и они могут всё ещё хранить прежнее. Уничтожьте накопитель физически.</numerusform>
            <numerusform>Ни Clear, ни Purge (NIST SP 800-88): %n секторов не удалось записать или перечитать, и они могут всё ещё хранить прежнее. Уничтожьте накопитель физически.</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>На этом накопителе работающая система, его нельзя стереть.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>На этом накопителе ваша домашняя папка, его нельзя стереть.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Этот раздел находится на накопителе работающей системы, его нельзя стереть.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Этот раздел находится на накопителе вашей домашней папки, его нельзя стереть.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Том на этом накопителе смонтирован (%1): сначала отмонтируйте его.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>На этом накопителе активный раздел подкачки (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Этот накопитель использует %1 (открытый зашифрованный том, RAID или LVM): сначала закройте его.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Этот накопитель держит открытым %1: сначала завершите то, что его использует.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Этот накопитель только для чтения.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Работающая система</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Домашняя папка</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Системный накопитель</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Накопитель домашней папки</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Смонтирован: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Используется подкачка</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Используется %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Открыт %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Только чтение</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>серийный номер %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 используется (его держит смонтированный том, отображение, подкачка или другая программа): ничего не записано.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 только для чтения: ничего не записано.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Для стирания всего накопителя нужны права администратора: на %1 ничего не записано.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ Не удаётся открыть %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 не является блочным устройством: ничего не записано.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ Не удаётся использовать %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 изменился во время открытия: ничего не записано.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 уже не тот накопитель, что был при выборе (его отключили, изменили размер или дали другой файл): ничего не записано.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 больше нет (%2): ничего не записано.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 теперь указывает на другое устройство, а не на выбранное: ничего не записано.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ Не удаётся прочитать размер %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 отказал более чем в %2 секторах: накопитель выходит из строя. Доказать, что его содержимое стёрто, нельзя; уничтожьте его физически.</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ На %1 найдена таблица разделов: %2, %n раздел.</numerusform>
            <numerusform>ℹ️ На %1 найдена таблица разделов: %2, %n раздела.</numerusform>
            <numerusform>ℹ️ На %1 найдена таблица разделов: %2, %n разделов.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 не содержит контейнера LUKS: уничтожать нечего.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ Не удаётся прочитать заголовок LUKS %1 (%2): его ключи нельзя уничтожить по одному. Перезапись всего накопителя достаёт их.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>ключи</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ Не удалось уничтожить слоты ключей %1: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ Слоты ключей %2 (%1) уничтожены, но после перезаписи первых %3 на нём всё ещё находится заголовок LUKS.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ Слоты ключей %2 (%1) уничтожены, но его заголовки не удалось перезаписать: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 Слоты ключей (%1) и заголовки контейнера %2 на %3 уничтожены: ни одна парольная фраза или файл ключа его больше не откроет.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>пометка выбранных блоков</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ Не удалось пометить выбранные блоки %1 перед его собственным стиранием: %2. Накопителю ничего не отправлено.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 Отправка %1 его собственного стирания: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>собственное стирание накопителя</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>проверка выбранных блоков</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 завершил собственное стирание; ни один из %2 блоков, выбранных по всему накопителю, не читается как прежде.</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 сообщил о завершении собственного стирания, но %2 из %3 блоков, выбранных по всему накопителю, всё ещё читаются как прежде (первый в байте %4)%5. Он не стёрт: перезапишите весь накопитель или уничтожьте его.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>, или не прочитались</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 не выполнил %2: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 оценивает своё собственное стирание в %2 мин.</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 сам продолжает собственное стирание: очистку накопителя нельзя остановить, и она продолжается после выключения питания. Velmora перестала её ждать и не проверила, что она сделала.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Проход %1 из %2 по %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ Запись на %1 не удалась после %2 прохода %3: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Проход %1 из %2 записан и синхронизирован.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ Скрытые секторы %1 не удалось открыть для стирания, они остались как были: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>скрытые секторы</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 Защищённая область (HPA) %1 открыта для стирания до следующего выключения накопителя: %n сектор.</numerusform>
            <numerusform>🔓 Защищённая область (HPA) %1 открыта для стирания до следующего выключения накопителя: %n сектора.</numerusform>
            <numerusform>🔓 Защищённая область (HPA) %1 открыта для стирания до следующего выключения накопителя: %n секторов.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ Защищённая область (HPA) %1 остаётся открытой до следующего выключения накопителя: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ Не все скрытые секторы %1 перезаписаны и прочитаны так, как были записаны: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>они читаются иначе</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ %n скрытый сектор %1 перезаписан и перечитан, граница восстановлена.</numerusform>
            <numerusform>✅ %n скрытых сектора %1 перезаписаны и перечитаны, граница восстановлена.</numerusform>
            <numerusform>✅ %n скрытых секторов %1 перезаписаны и перечитаны, граница восстановлена.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ %n скрытый сектор %1 перезаписан, граница восстановлена.</numerusform>
            <numerusform>✅ %n скрытых сектора %1 перезаписаны, граница восстановлена.</numerusform>
            <numerusform>✅ %n скрытых секторов %1 перезаписаны, граница восстановлена.</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>выборочное перечитывание</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 из %2 блоков, выбранных по %3, не прочитались так, как были записаны (первый в байте %4): накопитель не хранит то, что ему дают.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ Перечитано и сравнено блоков, выбранных по всему %2: %1.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>перечитывание</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 вернул не то, что было записано, в байте %2: накопитель не хранит то, что ему дают.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ Перечитывание %1 не удалось в байте %2: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Перечитано и сравнено: %1 из %2.</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Без освобождения блоков: %1 — образ диска; освобождение лишь проделало бы дыры в его файле, который проходы уже перезаписали.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>освобождение блоков</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ Весь %1 надёжно освобождён (безопасный TRIM).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ Весь %1 освобождён (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 не принял освобождение блоков: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Без освобождения: %1 не принимает освобождение блоков (TRIM).</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>новая файловая система</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 снова готов к использованию: новая таблица разделов %2 и пустая файловая система %3 на %4.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Скрытые секторы стёрты: защищённая область (HPA), %n сектор за концом, который показывает накопитель, была открыта для стирания, перезаписана как остальное и восстановлена.</numerusform>
            <numerusform>Скрытые секторы стёрты: защищённая область (HPA), %n сектора за концом, который показывает накопитель, была открыта для стирания, перезаписана как остальное и восстановлена.</numerusform>
            <numerusform>Скрытые секторы стёрты: защищённая область (HPA), %n секторов за концом, который показывает накопитель, была открыта для стирания, перезаписана как остальное и восстановлена.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Скрытые секторы не стёрты: %n сектор за концом, который показывает накопитель, не был ни перезаписан, ни проверен.</numerusform>
            <numerusform>Скрытые секторы не стёрты: %n сектора за концом, который показывает накопитель, не были ни перезаписаны, ни проверены.</numerusform>
            <numerusform>Скрытые секторы не стёрты: %n секторов за концом, который показывает накопитель, не были ни перезаписаны, ни проверены.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n сектор %1 не удалось записать или перечитать; остальное удалось. Нечитаемые секторы нельзя признать чистыми: уничтожьте этот накопитель физически.</numerusform>
            <numerusform>❌ %n сектора %1 не удалось записать или перечитать; остальное удалось. Нечитаемые секторы нельзя признать чистыми: уничтожьте этот накопитель физически.</numerusform>
            <numerusform>❌ %n секторов %1 не удалось записать или перечитать; остальное удалось. Нечитаемые секторы нельзя признать чистыми: уничтожьте этот накопитель физически.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ Стирание накопителя завершилось с исключениями: %n сектор не удалось стереть.</numerusform>
            <numerusform>⚠️ Стирание накопителя завершилось с исключениями: %n сектора не удалось стереть.</numerusform>
            <numerusform>⚠️ Стирание накопителя завершилось с исключениями: %n секторов не удалось стереть.</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Стирание накопителя завершено.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ Ключи шифрования уничтожены.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 уже выбран в этом стирании — сам или как накопитель выбранного раздела: ничего не записано.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: стёрт, но не подготовлен к использованию: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>накопитель, отказавший в секторах, следует уничтожить, а не использовать снова</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Диалог</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88 (1 проход)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 проходов)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 проходов)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 прохода)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 прохода)</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Проверить после последнего прохода</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Начать</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Выбор метода стирания</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Удалить также миниатюры, недавние файлы и записи Корзины</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Уничтожить ключи шифрования (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Уничтожить ключи шифрования перед перезаписью</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Собственное стирание:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Затем перезаписать ещё раз (1 случайный проход)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>После:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Оставить пустым</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Подготовить к работе: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Подготовить к работе: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Подготовить к работе: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>После успешного стирания: новая таблица разделов с одним разделом на весь накопитель и новая файловая система на нём.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Открыть и перезаписать и его %n скрытый сектор</numerusform>
            <numerusform>Открыть и перезаписать и его %n скрытых сектора</numerusform>
            <numerusform>Открыть и перезаписать и его %n скрытых секторов</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>Накопитель скрывает эти секторы от компьютера (защищённая область, HPA). Они открываются для стирания до следующего выключения накопителя, а затем восстанавливаются. Без этого они остаются как есть, и отчёт об этом говорит.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Предупреждение</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Выберите метод.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 случайный проход)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 прохода)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 прохода)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 проходов)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann, 35 проходов</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1, для %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n запись, всего %1</numerusform>
            <numerusform>%n записи, всего %1</numerusform>
            <numerusform>%n записей, всего %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Уничтожение ключей шифрования</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Уничтожение ключей шифрования, затем %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Собственное стирание накопителя (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Собственное стирание накопителя (%1), затем %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Свободное место %1 на %2 (%3): %4 из %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Всё на %1 на %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>Не стёрто</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Стёрто частично: %n элемент внутри не стёрт</numerusform>
            <numerusform>Стёрто частично: %n элемента внутри не стёрты</numerusform>
            <numerusform>Стёрто частично: %n элементов внутри не стёрты</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>Не стёрто: задание было остановлено раньше</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>Не стёрто: всё ещё существует</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>Не стёрто: исчезло, но не из-за этого задания</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Стёрто</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ни Clear, ни Purge (NIST SP 800-88): стирание не завершилось.</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Стирание файлов и папок</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Стирание всего тома</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Стереть свободное место</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Стирание всего накопителя</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Стёрт</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Завершено с проблемами</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Остановлено до конца</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>Не завершено</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ Стирание остановлено.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 Стёрто %2 из %n записи, записано %3.</numerusform>
            <numerusform>%1 Стёрто %2 из %n записей, записано %3.</numerusform>
            <numerusform>%1 Стёрто %2 из %n записей, записано %3.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 записано %2 на %3.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Стёрто с исключениями: %n сектор не удалось записать или прочитать; уничтожьте этот накопитель физически</numerusform>
            <numerusform>Стёрто с исключениями: %n сектора не удалось записать или прочитать; уничтожьте этот накопитель физически</numerusform>
            <numerusform>Стёрто с исключениями: %n секторов не удалось записать или прочитать; уничтожьте этот накопитель физически</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>да</translation>
    </message>
    <message>
        <source>no</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Том</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Носитель</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Устройства</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>серийный номер %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>прошивка %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>Диск %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>Вращающийся</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Принимает освобождение блоков (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Шифрование</translation>
    </message>
    <message>
        <source>none</source>
        <translation>нет</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Очистка</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Собственное стирание накопителя</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Ответ накопителя</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>выполнено</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>ещё шло, когда Velmora перестала ждать</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>не удалось</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>не отправлено</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Выборочная проверка</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 блоков по всему накопителю помечены до и прочитаны после: %2 как обещает команда, %3 нет</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>не выполнена</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n блок, выбранный по всему накопителю, перечитан и сравнён: совпадает</numerusform>
            <numerusform>%n блока, выбранных по всему накопителю, перечитаны и сравнены: совпадают</numerusform>
            <numerusform>%n блоков, выбранных по всему накопителю, перечитаны и сравнены: совпадают</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n блок, выбранный по всему накопителю, перечитан и сравнён: отличается</numerusform>
            <numerusform>%n блока, выбранных по всему накопителю, перечитаны и сравнены: отличаются</numerusform>
            <numerusform>%n блоков, выбранных по всему накопителю, перечитаны и сравнены: отличаются</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 перечитано и сравнено: совпадает</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 перечитано и сравнено: отличается</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>не создано: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>новая таблица разделов %1 с одним разделом (%2) и пустой файловой системой %3 на нём</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>новая таблица разделов %1 с одним разделом (%2) и пустой файловой системой %3 на нём с меткой %4</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>накопитель не сообщает</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Накопитель</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Файл образа</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Поставщик</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Прошивка</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Размер сектора</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 байт логический, %2 байт физический</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Подключение</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 на %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Таблица разделов до стирания</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>не найдена</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Ключи шифрования</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: уничтожено слотов ключей: %2, перезаписано заголовков: %3</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Проход %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>случайные данные, %1, полностью</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>случайные данные, %1, не полностью</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Проверка</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Освобождение блоков</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>весь накопитель, надёжно</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>весь накопитель</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>отклонено накопителем</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>не поддерживается накопителем</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>Снова готов к работе</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Собственное стирание накопителя (%1, %2), затем перезапись</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Собственное стирание накопителя (%1, %2)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Перезапись</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Криптографическое стирание</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Криптографическое стирание, затем перезапись</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Блоки, выбранные по всему накопителю, помеченные до собственного стирания накопителя и прочитанные после него (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Блоки, выбранные по всему накопителю, перечитаны после последнего прохода и сравнены (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>Последний проход перечитан с устройства и сравнён</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ни Clear, ни Purge (NIST SP 800-88): перезапись через файловую систему не достаёт каждого адресуемого блока носителя.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Запись об очистке</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Производитель</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Инвентарный номер</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Тип носителя</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Происхождение носителя</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Категория</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Способ</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Инструмент</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Способ проверки</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Назначение после очистки</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Выполнил</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Имя</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Должность</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Организация</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакт</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Дата</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Проверил</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Продукт</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Компьютер</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Пользователь</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Начато</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Метод</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Перечитано</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>Последний проход перечитан и сравнён</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Запрошено, не сделано: задание не завершилось</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Точка монтирования</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Результат</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON подписан ключом</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 подписанного JSON</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Записано</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Перечитано и сравнено</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Длительность</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 с</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Скорость</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Записи</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>Стёрто %1 из %Ln записи.</numerusform>
            <numerusform>Стёрто %1 из %Ln записей.</numerusform>
            <numerusform>Стёрто %1 из %Ln записей.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Запись</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Итог</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>Слишком много, чтобы перечислять по одной: каждая папка и каждая запись, которая не была стёрта.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>Стёрто %1 из %Ln</numerusform>
            <numerusform>Стёрто %1 из %Ln</numerusform>
            <numerusform>Стёрто %1 из %Ln</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Проблемы</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Нет.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n элемент не удалось надёжно стереть:</numerusform>
            <numerusform>%n элемента не удалось надёжно стереть:</numerusform>
            <numerusform>%n элементов не удалось надёжно стереть:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… и ещё %n.</numerusform>
            <numerusform>… и ещё %n.</numerusform>
            <numerusform>… и ещё %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Отчёт о стирании Velmora</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Хранилище</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Примечания</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>страница %1 из %2</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>Перетащите сюда файлы или папки</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Добавить файл</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Добавить папку</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Очистить всё</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Добавить Корзину</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Убрать из списка</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Добавление файлов и папок, подождите...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Выбор файлов</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Подождите...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Выбор папки</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Корзина</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>Корзина пуста.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n запись, всего %1</numerusform>
            <numerusform>%n записи, всего %1</numerusform>
            <numerusform>%n записей, всего %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Не добавлено</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ Не удалось удалить файл заполнения: %1 (%2 МБ, %3). Удалите его, чтобы вернуть место.</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ Не удаётся создать ещё один файл заполнения: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ Запись файла заполнения не удалась: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ Синхронизация файла заполнения не удалась: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Проверка не удалась: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>записи файлов</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Перезапись свободных записей файлов, которые хранят имена удалённых файлов...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ Перезапись имён удалённых файлов не удалась: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Удалён файл заполнения, оставшийся от прерванного стирания: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 В корень тома у вас нет права записи; его свободное место заполняется из вашей папки: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 МБ свободного места зарезервированы для системного администратора и не могут быть перезаписаны; сотрите свободное место от root, чтобы до них добраться.</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>свободное место</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>имена и журнал</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Перезапись имён удалённых файлов, свободных индексных дескрипторов и журнала...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 МБ свободного места %2 не перезаписаны: его файловая система всё ещё считает их свободными, но драйвер больше не принял. Оставленное там удалёнными файлами может сохраниться. Проверка тома, пока он не смонтирован (fsck.fat), исправит счёт к следующему стиранию.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Имена удалённых файлов могут остаться на %1: его драйвер (%2) слишком медленный, чтобы их перезаписать.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ Имена удалённых файлов могут остаться на %1: эта файловая система (%2) хранит их там, куда заполнение не доходит.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ XFS отложила %1 МБ свободного места %2, пока заполнение занимало том, в блоках каждой группы размещения, которые нельзя отдать ни одному файлу; без TRIM они хранят то, что в них было.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 Журнал %1 очищен, а его блоки обнулены: в нём нет копии стёртого.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 Журнал %1 очищен, а его блоки освобождены на устройстве.</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Вытеснение стёртых имён из журнала...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ Журнал %1 может ещё хранить последние стёртые имена; стирание от администратора очищает его.</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ Вытеснение стёртых имён из журнала не удалось на %1: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Свободные блоки освобождены на устройстве (TRIM): %1 МБ</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ Свободное место файловой системы освобождено на устройстве (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Без TRIM: устройство освобождает блоки, но эта файловая система (%1) или её драйвер не передаёт это.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Без TRIM: это устройство не освобождает свободные блоки.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Без TRIM: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ Свободные файловые записи тома %1 не перезаписаны: после заполнения том не читался как полный. В них могут остаться имена удалённых файлов.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>метка FAT32 допускает только буквы, цифры, пробелы и -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>метка FAT32 допускает не более 11 символов</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>метка не допускает управляющих символов</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>метка ext4 допускает не более 16 байт</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 не установлен</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>не удалось записать таблицу разделов: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>не удалось добраться до нового раздела: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 завершился с ошибкой (%2): %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>метка не является допустимым текстом</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>метка exFAT допускает не более 11 символов</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (то есть %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>Указан пустой путь. Он отклонён, чтобы незаданная переменная в сценарии никогда не означала текущую папку.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>Нет такого файла или папки: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 — корень файловой системы: всё, что есть на этом компьютере. Он никогда не стирается целиком.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 принадлежит операционной системе. Его стирание сломает этот компьютер; отклонено.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 содержит данные других пользователей или системных служб. Он никогда не стирается целиком; выберите папки внутри него.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 — домашняя папка или содержит её. Она никогда не стирается целиком; выберите файлы и папки внутри неё.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 — устройство, а не файл: его удаление ничего не сотрёт на устройстве. Чтобы уничтожить содержимое тома, сотрите том (Стереть диск).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 — сокет или FIFO, а не файл: в нём нечего стирать.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 содержит работающую систему, его нельзя стереть.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 содержит вашу домашнюю папку, его нельзя стереть. Вместо этого сотрите выбранные файлы или его свободное место.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>накопитель больше не сообщает тот собственный размер, что сообщал</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>накопитель отклонил SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>пониженный максимальный доступный адрес накопитель сохраняет после выключения: его повышение изменило бы накопитель навсегда</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 скрывает %n сектор (%2) за концом, который показывает (пониженный максимальный доступный адрес): он не стирается.</numerusform>
            <numerusform>%1 скрывает %n сектора (%2) за концом, который показывает (пониженный максимальный доступный адрес): они не стираются.</numerusform>
            <numerusform>%1 скрывает %n секторов (%2) за концом, который показывает (пониженный максимальный доступный адрес): они не стираются.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 скрывает %n сектор (%2) за концом, который показывает (защищённая область, HPA): он не стирается.</numerusform>
            <numerusform>%1 скрывает %n сектора (%2) за концом, который показывает (защищённая область, HPA): они не стираются.</numerusform>
            <numerusform>%1 скрывает %n секторов (%2) за концом, который показывает (защищённая область, HPA): они не стираются.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Доступ запрещён: часть принадлежит другому пользователю или системе. Запустите Velmora через «Запустить от имени администратора», чтобы стереть это.</translation>
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
        <translation>стирание всего тома %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>стирание свободного места %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (pid %2), начато %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ Запись об этом задании нельзя сохранить в %1 (%2): если его прервут, при следующем запуске нельзя будет сказать, что осталось незавершённым.</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>Стирание файлов и папок</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Стирание всего тома %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Стирание свободного места %1</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Стирание всего накопителя %1, каждый сектор которого был перезаписан,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Стирание всего накопителя %1, ключи LUKS которого могли быть уничтожены, а могли и нет,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Стирание всего накопителя %1, который может ещё хранить часть старых данных,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Задание было прервано, но его запись не читается: неизвестно, что осталось незавершённым, и ничего не убрано. Запись сохранена как %1.</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), начатое %3, было прервано до конца%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, во время: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>На диске не осталось ни одной его записи.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Не завершено, всё ещё там:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … и ещё %n</numerusform>
            <numerusform>  … и ещё %n</numerusform>
            <numerusform>  … и ещё %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 не отвечает: то, что там оставило задание, не искали.</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Удалены вспомогательные файлы, оставленные им в %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>Не удалось удалить %n вспомогательный файл, оставленный им в %1.</numerusform>
            <numerusform>Не удалось удалить %n вспомогательных файла, оставленных им в %1.</numerusform>
            <numerusform>Не удалось удалить %n вспомогательных файлов, оставленных им в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>Резерв, который оно одалживало, возвращён %1.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>Резерв, который оно одалживало, не удалось вернуть %1; повторное монтирование тома восстановит его.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>Накопитель: %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>серийный номер %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 по-прежнему указывает на него.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 теперь указывает на другое устройство: повторное стирание %1 не завершит этот накопитель.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 сейчас отсутствует.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Стирание остановлено: Ctrl-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Стирание остановлено: запрошено завершение (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Стирание остановлено: терминал или сеанс закрыт (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Стирание остановлено сигналом %1.</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>не удаётся прочитать место на %1</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ Операция завершилась досрочно: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n миниатюра</numerusform>
            <numerusform>%n миниатюры</numerusform>
            <numerusform>%n миниатюр</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n запись недавних файлов</numerusform>
            <numerusform>%n записи недавних файлов</numerusform>
            <numerusform>%n записей недавних файлов</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n запись Корзины</numerusform>
            <numerusform>%n записи Корзины</numerusform>
            <numerusform>%n записей Корзины</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Следы удалены: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ Нет домашней папки: миниатюры, недавние файлы и записи Корзины не искали.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>следы</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Убрано из списка размеров папок Корзины: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ Список недавних файлов оставлен как есть: %1. Он может ещё называть стёртое.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Убрано из недавних файлов: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ Не стёрто: %1 всё ещё на месте, хотя ничто не препятствовало удалению.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ Не стёрто: %1 всё ещё на месте, поэтому его папку не удалось удалить.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Не стёрто: ещё %n запись в %1.</numerusform>
            <numerusform>⚠️ Не стёрто: ещё %n записи в %1.</numerusform>
            <numerusform>⚠️ Не стёрто: ещё %n записей в %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ Не удалось надёжно стереть: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Части стёртых файлов могли быть записаны в незашифрованную подкачку (%1); никакое стирание файлов туда не достаёт.</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Другое задание Velmora работает с %1: ничего не записано. Дождитесь его завершения.</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Пропущено (не удалось стереть): %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>файлы</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ Не удаётся создать временный файл для стирания свободного места.</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>уборка</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Полное стирание диска завершено: стёрто не всё.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Полное стирание диска завершено.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ Не удаётся создать файл записи для стирания свободного места.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Стирание свободного места завершено: перезаписано не всё свободное место.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Стирание свободного места завершено.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Стереть файлы</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Стереть том</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Стереть свободное место</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Стереть накопитель</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Запланировано: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>не подписан</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>изменён после подписания</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>подписан другим ключом</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1 (в нём сказано: %2)</translation>
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
        <translation>Стереть диск</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - стирайте навсегда &amp;amp; без утечек&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora надёжно стирает конфиденциальные данные с диска или USB-носителя. &lt;br/&gt;Защитите свою приватность и предотвратите утечки данных навсегда.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Стереть свободное место</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Стереть файл</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Тома</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Накопители</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Стирание накопителей целиком</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Отметьте один накопитель или несколько, чтобы стереть их одновременно.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Стирание всего тома</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Всё на выбранном томе стирается, затем его свободное место заполняется.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Стирание свободного места тома</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>Перезаписывается то, что удалённые файлы оставили в его свободном месте; файлы на нём остаются.</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Каждый сектор выбранного накопителя перезаписывается: все его разделы и таблица разделов.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Для стирания всего накопителя нужны права администратора: запустите Velmora в режиме администратора, чтобы выбрать его.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Размер: %2 байт, секторы по %3 байт (%4 физически)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>Файл образа: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Нужны права администратора</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Стирание всего накопителя пишет прямо на устройство, что может делать только администратор. Запустите Velmora в режиме администратора и выберите накопитель снова.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Запустить в режиме администратора</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Накопитель не выбран</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>Выберите накопитель и нажмите «Далее»!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>Накопителя %1 больше нет.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>Опрос %1 о том, что он предлагает…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Стирание отменено.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Стирание всего накопителя %1, подождите...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>Это безвозвратно уничтожит всё на этом накопителе.</numerusform>
            <numerusform>Это безвозвратно уничтожит всё на этих %n накопителях.</numerusform>
            <numerusform>Это безвозвратно уничтожит всё на этих %n накопителях.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n накопитель</numerusform>
            <numerusform>%n накопителя, стираются одновременно</numerusform>
            <numerusform>%n накопителей, стираются одновременно</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ Выбранные файлы перезаписаны и удалены. Что может остаться:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Все выбранные файлы безвозвратно стёрты.</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 Диск стёрт. Что может остаться:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 Диск надёжно стёрт и теперь чист.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 Свободное место перезаписано. Что может остаться:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 Свободное место надёжно стёрто; следов не осталось.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 Свободное место перезаписано.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 Накопитель %1 стёр себя собственной командой, и ни один из блоков, выбранных по всему накопителю, не читается как прежде.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 Ключи шифрования %1 уничтожены: его содержимое больше нельзя расшифровать.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 Ключи шифрования %1 уничтожены, накопитель перезаписан.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 Накопитель %1 перезаписан.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Стирание завершено.</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Сохранить отчёт…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Стереть свободное место %1…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ Не удалось сохранить результат этого задания: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Отчёт о стирании</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Сохранить отчёт</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Документы PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Отчёт не сохранён</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Не удалось сохранить отчёт в %1: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Отчёт сохранён в %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Стёрто накопителей: %1 из %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>Стёрты не все накопители</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Сохранить отчёты…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Стирание остановлено пользователем.</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>Операция не завершилась:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n элемент не удалось надёжно стереть:</numerusform>
            <numerusform>⚠️ %n элемента не удалось надёжно стереть:</numerusform>
            <numerusform>⚠️ %n элементов не удалось надёжно стереть:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Завершено с проблемами</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Вернуть в список нестёртое (%1)</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Подтверждение остановки</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>Вы действительно хотите остановить?</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Запланированное стирание на %1 сделало не всё, что должно было: см. «Отчёты…» в меню.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>Оставшиеся файлы заполнения</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Прерванное стирание оставило эти файлы заполнения; их удаление освободит %1:

%2

Удалить их сейчас?</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>Не удалось удалить %n файл заполнения; стирание свободного места этого тома удалит его.</numerusform>
            <numerusform>Не удалось удалить %n файла заполнения; стирание свободного места этого тома удалит их.</numerusform>
            <numerusform>Не удалось удалить %n файлов заполнения; стирание свободного места этого тома удалит их.</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Прерванное стирание</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>Стереть оставшееся сейчас?</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>Выбрать накопитель снова сейчас?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>Выбрать том снова сейчас?</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Идёт стирание</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>Идёт стирание. Остановить его и выйти?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>Устройство не отвечает; выход без ожидания.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>О программе</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Поддержка</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Справка</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Стереть Корзину…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>Идёт стирание. Содержимое Корзины добавлено в список файлов для стирания, на время после его завершения.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Расписание…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Отчёты…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Данные отчёта…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Показать отчёт…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Подождите</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Эта программа помогает надёжно стирать файлы, диски и свободное место.

Copyright © 2026 Разработчики Velmora</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Нет браузера</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>Не удалось запустить веб-браузер. Страница находится по адресу:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Руководство Velmora</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>Не удалось запустить веб-браузер; это руководство, установленное с Velmora. Справка в Интернете: %1.</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>На этом диске работающая система, его нельзя стереть.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>На этом диске ваша домашняя папка, его нельзя стереть. Вместо этого сотрите выбранные файлы или его свободное место.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>Это уничтожит ключи шифрования %1: ничего на нём больше нельзя будет расшифровать.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>Это безвозвратно уничтожит всё на накопителе %1.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Выбранный метод: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Нет файлов</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Добавьте хотя бы один файл.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>Выберите метод стирания!</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>Стирание отменено.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Диск не выбран</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>Выберите диск и нажмите «Далее»!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>Сначала выберите метод стирания!</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>Диск не выбран!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>Путь выбранного диска недействителен!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>Не удаётся узнать ёмкость диска!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Стирание диска, подождите...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>Сначала выберите метод стирания!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Отменено</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>Стирание было отменено.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>Не удаётся узнать свободное место!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Стирание свободного места, подождите...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>сеть</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>память · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>память</translation>
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
        <translation>USB-флешка</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>USB-накопитель</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD-карта</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>виртуальный диск · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>виртуальный диск</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>образ диска</translation>
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
        <translation>неизвестно</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>не отвечает</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>образ на: %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · зашифрован</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>серийный номер %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>твердотельном накопителе</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>жёстком диске</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>USB-накопителе</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>SD-карте</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>флеш-памяти eMMC</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 — сетевая файловая система (%2): сервер может хранить копии и снимки стёртого, до которых не достаёт никакая перезапись с этого компьютера.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 находится в памяти (%2): стёртое там исчезает при выключении компьютера.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 находится в памяти (%2): стёртое там исчезает при выключении компьютера, но его части могли быть записаны в незашифрованную подкачку (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 зашифрован (%2): прежние копии, которые может хранить накопитель под ним, тоже зашифрованы и не читаются без его ключа.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 находится на %2: накопитель может хранить прежние копии в ячейках флеш-памяти, до которых не достаёт никакая перезапись. Velmora просит его освободить освобождённые блоки (TRIM). Для надёжности держите накопитель зашифрованным или используйте собственную команду очистки накопителя, прежде чем он покинет ваши руки.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 находится на %2: накопитель может хранить прежние копии в ячейках флеш-памяти, до которых не достаёт никакая перезапись, и он не принимает освобождение блоков (TRIM). Для надёжности держите накопитель зашифрованным или используйте собственную команду очистки накопителя, прежде чем он покинет ваши руки.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 находится на %2: если в нём флеш-память, как в USB-флешках, он может хранить прежние копии в ячейках, до которых не достаёт никакая перезапись. Для надёжности держите накопитель зашифрованным.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ни Clear, ни Purge (NIST SP 800-88): перезапись через файловую систему не достаёт каждого адресуемого блока носителя.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>На флеш-памяти ячейки, переназначенные накопителем, недоступны компьютеру.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>Блоки находятся на другом компьютере.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>Том зашифрован: то, что накопитель хранит под ним, — шифротекст.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora не знает, какая файловая система на %1 (её драйвер говорит «%2»): имена стёртых файлов и то, что о них хранит драйвер, могут там остаться.</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>Запуск…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>осталось около %n с</numerusform>
            <numerusform>осталось около %n с</numerusform>
            <numerusform>осталось около %n с</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>осталось около %n мин</numerusform>
            <numerusform>осталось около %n мин</numerusform>
            <numerusform>осталось около %n мин</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>осталось около %1 ч %2 мин</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>проход %1 из %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Остановка: ожидание, пока устройство закончит текущую запись…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Завершение…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Стирал</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Должность</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Организация</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Место</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Контакт</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Инвентарный номер</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Происхождение носителя</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Назначение после очистки</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Проверил</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Должность проверяющего</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Данные отчёта</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Каждый отчёт указывает эти данные. Незаполненное печатается как строка для заполнения от руки.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>ключ подписи %1 могут изменять другие (режим %2): он не используется</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>ключ подписи %1 принадлежит другому пользователю (uid %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>другие могут читать ключ подписи %1 (режим %2): кто может, тот подпишет результаты от вашего имени</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 не содержит закрытого ключа Ed25519</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>не удалось создать ключ подписи</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>создан новый ключ подписи: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>его подпись содержит поле, которого нет в отчёте: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>в его подписи нет поля %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>не удалось подписать результат</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>отчёт не подписан</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>отчёт изменён после подписания</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>его подпись называет ключ %1, но сделана ключом %2</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>SHA-256 в его подписи не совпадает с SHA-256 отчёта</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>он подписан ключом %1, а не %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Отчёты</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>Подписанный результат каждого задания, сначала новые, с отчётом, если он был создан. Запланированные стирания в том же списке.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Завершено</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Задание</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Цель</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Ещё не выполнено ни одного задания: результат каждого хранится здесь.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Открыть</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Сохранить как…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Проверить подпись</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Открыть папку</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Подпись</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 уже существует</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>не удалось записать %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Сохранить отчёт как</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Не сохранено</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Этот результат не такой, каким был подписан: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>Подпись верна: этот результат такой, каким был подписан, ключом %1.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>раздел: собственное стирание накопителя охватывает весь накопитель</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>у loop-устройства нет собственного стирания</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>в памяти: собственного стирания нет</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>виртуальный диск (virtio): хост не передаёт ему команды стирания</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>за USB-мостом: подключите его напрямую, чтобы использовать его собственное стирание</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>SD-карта или eMMC: Velmora не отправляет им собственное стирание</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>у сетевого диска нет собственного стирания</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>чтобы спросить накопитель, что он предлагает, нужны права администратора</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>ядро не передаёт ему команды</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>не удалось опросить: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>он отказался себя назвать (состояние NVMe 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>он не предлагает ни Sanitize, ни Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>состояние ATA 0x%1, ошибка 0x%2, причина 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>sense SCSI %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>его SANITIZE заморожен: переведите компьютер в ждущий режим и разбудите, чтобы снять заморозку, затем спросите снова</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>он не поддерживает набор функций ATA SANITIZE</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>он не сообщает, какие команды поддерживает</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>он не поддерживает SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>накопитель не предлагает %1; он предлагает %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>состояние NVMe 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>не удалось определить пространство имён (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>накопитель не выполнил Format (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>накопитель отклонил Sanitize (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>не удалось прочитать его журнал Sanitize (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>накопитель сообщает, что Sanitize не удался</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>накопитель не сообщает ни одного Sanitize с момента выпуска</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>накопитель отклонил SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>накопитель не сообщил, как идёт его SANITIZE</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>накопитель сообщает, что SANITIZE не удался (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>накопитель не сообщает ни одного завершённого SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>накопитель сообщает %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>собственное стирание: нет (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>собственное стирание: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>; защита заморожена: переведите компьютер в ждущий режим и разбудите, чтобы снять её</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Запланированные стирания</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Стирания, которые запускаются сами:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Пока ничего не запланировано. Выберите ниже, что стирать, как часто и как, затем «Добавить».</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Удалить</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Стереть Корзину</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Стереть свободное место %1</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>еженедельно</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>ежемесячно</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Добавить</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Что:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>&amp;Как часто:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Метод:</translation>
    </message>
    <message>
        <source>active</source>
        <translation>активно</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>неактивно</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Каждый запуск оставляет свой отчёт в %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>systemd здесь не работает: таймеры записаны, но неактивны.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>Не запланировано</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>Не удалено</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>ежемесячно</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>еженедельно</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Стереть Корзину</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Стереть свободное место %1</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>запускается еженедельно или ежемесячно, а не %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>неизвестный метод %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>для стирания свободного места нужна точка монтирования</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>отчёты его запусков нельзя хранить в %1: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>расписания %1 нет</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>не удаётся удалить</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Накопитель</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Ход</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Сохранить отчёты…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Готово</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Остановить</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Стирание %n накопителя. У него свой ход и свой отчёт.</numerusform>
            <numerusform>Стирание сразу %n накопителей. У каждого свой ход и свой отчёт.</numerusform>
            <numerusform>Стирание сразу %n накопителей. У каждого свой ход и свой отчёт.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Идёт</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ Не удалось сохранить результат этого накопителя: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Подтверждение остановки</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>Остановить все накопители? Ещё не стёртые сохранят своё содержимое.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Остановка всех накопителей…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>не удалось записать %1</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>не удалось подписать результат %1: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Сохранить отчёты</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Отчёты не сохранены</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>Не удалось сохранить отчёты в %1: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 Отчёт и подписанный результат каждого накопителя сохранены в %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>это не текст UTF-8</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>его не удаётся прочитать</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>другая программа постоянно его меняла</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ Корзина %1 оставлена как есть: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>это ссылка</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>это не папка</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>она не ваша</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>у неё нет бита sticky, который есть у общей Корзины</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>её том не отвечает</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Изменился во время стирания, оставлен как есть: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ Не удалось удалить папку: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Проверка не удалась: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Перезаписано и удалено, но файловая система сообщила об ошибке, поэтому неизвестно, стёрто ли: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Надёжно стёрто: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ Удалён пустой файл: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Удалена пустая папка: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 — файловая система с копированием при записи (%2): перезапись на месте не достаёт старые копии, которые она хранит. После этого сотрите свободное место этого тома.</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ До %1 старых копий стёртого может остаться на %2, пока его свободное место не будет стёрто.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Имена стёртых файлов могут остаться в свободных записях их папок на %1: его драйвер (%2) слишком медленный, чтобы их перезаписать.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Имена, стёртые из %1, могут остаться в блоках, которые его папка вернула тому (XFS); сотрите свободное место тома, чтобы до них добраться.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ Имена, стёртые из %1, могут остаться в его свободных записях: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 Перезаписаны свободные записи %n папки, в которой были стёртые имена.</numerusform>
            <numerusform>🧹 Перезаписаны свободные записи %n папок, в которых были стёртые имена.</numerusform>
            <numerusform>🧹 Перезаписаны свободные записи %n папок, в которых были стёртые имена.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ Имена, стёртые ещё из %n папки, могут остаться в её свободных записях; сотрите свободное место тома, чтобы до них добраться.</numerusform>
            <numerusform>⚠️ Имена, стёртые ещё из %n папок, могут остаться в их свободных записях; сотрите свободное место тома, чтобы до них добраться.</numerusform>
            <numerusform>⚠️ Имена, стёртые ещё из %n папок, могут остаться в их свободных записях; сотрите свободное место тома, чтобы до них добраться.</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 Перезаписано место, которое стёртые файлы и их папки вернули %1.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Имена, стёртые из папок %1, могут остаться в месте, которое папки вернули тому (exFAT); сотрите свободное место тома, чтобы до них добраться.</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>файл неизменяемый</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>файл только для дописывания</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ Файл не найден: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ Удалено только это имя: другие жёсткие ссылки вне выбора оставляют его содержимое читаемым: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Стирание: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ Продолжал расти во время стирания; записанное тем временем может остаться на устройстве: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ Не стёрто, здесь смонтирован другой том: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Удалена ссылка: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ Не удалось открыть папку: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ Удалён специальный файл: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ Не удалось прочитать содержимое папки: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Удалён ярлык: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>в байте %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>устройство вернуло другие данные в байте %1</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 Проверено %1 данных</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Назад</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Обновить</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Далее</translation>
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
Устройство: %2
Метка: %3
Ёмкость: %4 байт
Доступно: %5 байт</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(нет)</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Носитель: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Устройства: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Выбор</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Точка монтирования</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Ёмкость</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Доступно</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Файловая система</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Устройство</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Носитель</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Этот том не отвечает; его сейчас нельзя выбрать.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Модель</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Серийный номер</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Размер</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Разделы</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Состояние</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Нужны права администратора</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Можно стереть</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Безвозвратно стирает файлы и папки или весь том либо его свободное место.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>Файлы и папки, которые нужно поставить в список для стирания.</translation>
    </message>
</context>
</TS>
