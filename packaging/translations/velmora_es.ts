<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Para borrar lo que queda: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Para ejecutarlo de nuevo: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Borrando el espacio libre de %1, donde pueden quedar copias antiguas de lo borrado…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify y --crypto-erase solo van con drive</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash solo va con erase</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize y --then-overwrite solo van con drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite sigue a --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize y --crypto-erase no van juntos: el borrado criptográfico propio de la unidad es --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize no sobrescribe nada: --method va con --then-overwrite</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample y --verify=full solo van con drive; --verify relee la última pasada</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= y --no-verify se contradicen</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format solo va con drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label nombra lo que crea --format</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace solo sigue a erase</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Pruebe «velmora-cli --help».</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= no nombra ninguna acción</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= toma sample o full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>orden desconocida %1; las órdenes son erase, wipe, freespace, drive, drives, schedule, check-report, volumes y reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 está dentro de lo que se va a borrar; no se ha borrado nada</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>otra tarea de Velmora está trabajando en %1; no se ha borrado nada. Ejecute esta cuando haya terminado.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 está trabajando en %2; no se ha borrado nada. Ejecute esta cuando haya terminado.</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 no es un dispositivo de bloques</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>borrar una unidad entera requiere derechos de administrador: ejecútelo como root (sudo)</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>acción desconocida %1; las acciones son crypto-erase, block-erase, format-crypto, format-erase y overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: ningún borrado propio que enviar: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 necesita una ruta</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>no se pudieron leer las rutas de la línea de órdenes</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>La Papelera está vacía; no hay nada que borrar.
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root lo anula.)</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 toma un solo punto de montaje</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>se dio una ruta vacía; %1 toma el punto de montaje del volumen</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 toma el punto de montaje del volumen como ruta absoluta, no %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 no es el punto de montaje de un volumen</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>no se puede leer el espacio de %1</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>sistema de archivos desconocido %1; --format toma exfat, fat32 o ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format toma una unidad entera: %1 es una partición</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive toma un solo dispositivo de bloques, como /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 oculta %n sector en un área protegida (HPA): se abre para el borrado y también se sobrescribe.
</numerusform>
            <numerusform>velmora-cli: %1 oculta %n sectores en un área protegida (HPA): se abre para el borrado y también se sobrescribe.
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli: aviso: %1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 no contiene ningún contenedor LUKS; --crypto-erase necesita uno</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>no se puede leer la cabecera LUKS de %1 (%2); borre la unidad entera sin --crypto-erase</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes solo toma --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports solo toma --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Todavía no se ha ejecutado ninguna tarea: el resultado de cada una se guarda en %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives solo toma --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>particiones: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>No hay ningún borrado programado.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>systemd no se ejecuta aquí: los temporizadores están escritos pero inactivos.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove toma el nombre que muestra list</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 eliminado.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule toma add, list o remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add toma trash, o freespace y un punto de montaje</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>%1 programado como %2 en %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (inactivo: systemd no lo ejecuta aquí)</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report toma un solo resultado JSON</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>no es un resultado JSON (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>válido, firmado con la clave %1
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
        <translation>Borra sin posible recuperación archivos y carpetas, un volumen montado entero o el espacio libre de un volumen.

Órdenes:
  erase RUTA...          sobrescribir y eliminar archivos y carpetas
  wipe PUNTODEMONTAJE    sobrescribir todo lo que hay en un volumen montado
  freespace PUNTODEMONTAJE
                         sobrescribir el espacio libre de un volumen montado
  schedule add trash|freespace [PUNTODEMONTAJE] [--every weekly|monthly]
  schedule list | schedule remove NOMBRE
                         ejecutar por sí solo un borrado del espacio libre o de la Papelera
  check-report ARCHIVO.json [--key HUELLA]
                         decir si un resultado está como se firmó
  volumes [--json]       listar los volúmenes montados y el soporte bajo cada uno
  drive DISPOSITIVO...   sobrescribir cada sector de unidades enteras o particiones,
                         varias a la vez
  drives [--json]        listar las unidades y particiones, y por qué se rechaza alguna
  reports [--json]       listar el resultado y el informe guardados de cada tarea, del más reciente al más antiguo</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Método de borrado: NIST, DoD, British, German o Gutmann (NIST por omisión).</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Releer la última pasada y compararla; en una unidad, --verify=sample relee solo bloques muestreados a lo largo de ella.</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>No preguntar; para scripts. Sin esta opción, debe responder una terminal.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>Mostrar solo los problemas.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Escribir el resultado en JSON en ARCHIVO.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Escribir el informe de borrado en PDF en ARCHIVO.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Listar los métodos de borrado.</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Permitir borrar /, las carpetas del sistema y las carpetas personales (nunca dispositivos).</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: dejar donde están las miniaturas, las entradas de archivos recientes, los registros de la Papelera y las copias del editor de los archivos borrados.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: añadir a las rutas todo lo que hay en la Papelera (la de la carpeta personal y la de cada volumen).</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: weekly (por omisión) o monthly.</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: la huella (SHA256:…) de la clave con la que debe estar firmado el informe.</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>El informe: quién borró (también en report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>El informe: para qué organización.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>El informe: dónde.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>El informe: cómo contactar con quien borró.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>El informe: el número de inventario del soporte.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>El informe: adónde va el soporte después (reutilización, venta, destrucción).</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: no releer la última pasada.</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: una vez borrada, dejarla lista para usar de nuevo: una tabla de particiones nueva con una partición y un sistema de archivos exfat, fat32 o ext4 vacío.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: la etiqueta del nuevo sistema de archivos.</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: abrir un área protegida (HPA) para el borrado, hasta el próximo apagado de la unidad, y sobrescribir también lo que oculta.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: destruir las claves del contenedor LUKS que contiene; con --method, sobrescribirla después también.</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: enviar a la unidad su propio borrado, --sanitize=ACCIÓN (crypto-erase, block-erase, format-crypto, format-erase, overwrite) o, sin ella, el más fuerte que ofrezca; después se comprueban bloques muestreados a lo largo de ella.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: sobrescribirla después también una vez, y releer esa pasada.</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: borrar después el espacio libre de cada volumen donde estaban los archivos, lo que alcanza las copias antiguas que guarda un volumen de copia en escritura.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report o reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>Archivos y carpetas, o el punto de montaje del volumen.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>método desconocido %1; velmora-cli --methods los lista</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json y --report toman un nombre de archivo</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>ninguna orden; pruebe «velmora-cli --help»</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, releídos bloques muestreados a lo largo de la unidad</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, releída la última pasada</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>Esto destruirá de forma permanente, sin posible recuperación:
  %1
Método: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … y %n más
</numerusform>
            <numerusform>  … y %n más
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>después el espacio libre de los volúmenes donde están
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>Esto destruirá de forma permanente, sin posible recuperación, %n unidad:%1
Método: %2%3
</numerusform>
            <numerusform>Esto destruirá de forma permanente, sin posible recuperación, %n unidades a la vez:%1
Método: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>no se ha borrado nada: no hay ninguna terminal para confirmar; pase --yes para confirmar desde un script</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Escriba la palabra inglesa Erase para confirmar: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>cancelado; no se ha borrado nada</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Deteniendo: esperando a que el dispositivo termine la escritura en curso (Ctrl-C otra vez sale en el acto)…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>%1 %2 no se puede escribir (%3); no se ha borrado nada</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>no se pudo firmar el resultado JSON: %1; no se ha borrado nada</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: el resultado JSON no está firmado: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>no se pudo escribir el resultado JSON en %1: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>no se pudo escribir el informe en %1: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: no borrado de forma segura: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: … y %1 más no borrados de forma segura
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: aviso: no se pudo guardar el resultado: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>no se pudieron escribir sus archivos de resultado</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>con varias unidades, %1 nombra una carpeta, adonde va el archivo de cada unidad</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Unidad	Número de serie	Estado
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 no responde (un servidor de red desaparecido, o un controlador que se cuelga); no se ha borrado nada</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 es un enlace que creó otro usuario; nombre la carpeta misma</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;Esto eliminará de forma permanente los archivos seleccionados. &lt;br/&gt;Escriba la palabra inglesa &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; para continuar:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>Confirmar</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>Escriba «Erase» </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Escriba la palabra inglesa «%1» para continuar:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… y %n más</numerusform>
            <numerusform>… y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>Método: %1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>En la memoria flash, las celdas que la unidad ha reasignado quedan fuera del alcance del equipo; solo la orden de saneamiento propia de la unidad llega a ellas.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), por el borrado propio de la unidad: %1 se completó, y ningún bloque muestreado a lo largo de la unidad antes y después se lee como antes.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), por borrado criptográfico: se sobrescribieron todas las ranuras de clave y las dos cabeceras del contenedor %1. Esto vale si los datos solo se escribieron a través del cifrado y no existe ninguna copia de la cabecera en otro lugar.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88): se sobrescribió cada sector direccionable y se releyeron bloques muestreados a lo largo de la unidad (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88): se sobrescribió cada sector direccionable y se releyó la última pasada.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88): se sobrescribió cada sector direccionable; la última pasada no se releyó.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88): el borrado no terminó.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Ni Clear ni Purge (NIST SP 800-88): %n sector no se pudo escribir o releer y puede contener todavía lo que había. Destruya físicamente la unidad.</numerusform>
            <numerusform>Ni Clear ni Purge (NIST SP 800-88): %n sectores no se pudieron escribir o releer y pueden contener todavía lo que había. Destruya físicamente la unidad.</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>Esta unidad contiene el sistema en ejecución y no se puede borrar.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>Esta unidad contiene su carpeta personal y no se puede borrar.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Esta partición está en la unidad del sistema en ejecución y no se puede borrar.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Esta partición está en la unidad de su carpeta personal y no se puede borrar.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Un volumen de esta unidad está montado (%1): desmóntelo primero.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>Esta unidad contiene intercambio activo (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Esta unidad la usa %1 (un volumen cifrado abierto, RAID o LVM): ciérrelo primero.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Esta unidad la mantiene abierta %1: termine primero lo que la usa.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Esta unidad es de solo lectura.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Sistema en ejecución</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Carpeta personal</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Unidad del sistema</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Unidad de la carpeta personal</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Montado: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Intercambio en uso</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>En uso por %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Abierta por %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Solo lectura</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 está en uso (lo tiene un volumen montado, una asignación, el intercambio u otro programa): no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 es de solo lectura: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Borrar una unidad entera requiere derechos de administrador: no se ha escrito nada en %1.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ No se puede abrir %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 no es un dispositivo de bloques: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ No se puede usar %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 cambió mientras se abría: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 ya no es la unidad que era cuando se eligió (se quitó, cambió de tamaño o recibió otro archivo): no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 ya no está (%2): no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 nombra ahora otro dispositivo distinto del elegido: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ No se puede leer el tamaño de %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 rechazó más de %2 sectores: la unidad está fallando. No se puede demostrar que lo que contiene esté borrado; destrúyala físicamente.</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Tabla de particiones encontrada en %1: %2, %n partición.</numerusform>
            <numerusform>ℹ️ Tabla de particiones encontrada en %1: %2, %n particiones.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 no contiene ningún contenedor LUKS: no hay claves que destruir.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ No se puede leer la cabecera LUKS de %1 (%2): sus claves no se pueden destruir una a una. Una sobrescritura de la unidad entera las alcanza.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>claves</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ No se pudieron destruir las ranuras de clave de %1: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ Se destruyeron las %1 ranuras de clave de %2, pero todavía se encuentra una cabecera LUKS tras sobrescribir sus primeros %3.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ Se destruyeron las %1 ranuras de clave de %2, pero no se pudieron sobrescribir sus cabeceras: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 Se destruyeron las %1 ranuras de clave y las cabeceras del contenedor %2 en %3: ninguna frase de paso ni archivo de clave lo abre ya.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>marcando bloques muestreados</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ No se pudieron marcar los bloques muestreados de %1 antes de su propio borrado: %2. No se envió nada a la unidad.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 Enviando a %1 su propio borrado: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>el borrado propio de la unidad</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>comprobando bloques muestreados</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 completó su propio borrado; ninguno de los %2 bloques muestreados a lo largo de ella se lee como antes.</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 dio su propio borrado por completado, pero %2 de %3 bloques muestreados a lo largo de ella se leen todavía como antes (el primero en el byte %4)%5. No se borró: sobrescriba la unidad entera, o destrúyala.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>, o no se pudieron leer</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 no llevó a cabo %2: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 estima que su propio borrado tarda %2 min.</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 sigue sola con su propio borrado: el saneamiento de una unidad no se puede detener, y se reanuda tras un apagado. Velmora ha dejado de esperarlo y no ha comprobado lo que hizo.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Pasada %1 de %2 sobre %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ La escritura en %1 falló tras %2 de la pasada %3: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Pasada %1 de %2 escrita y sincronizada.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ Los sectores ocultos de %1 no se pudieron abrir para el borrado y quedan como estaban: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>sectores ocultos</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 El área protegida (HPA) de %1 está abierta para el borrado hasta el próximo apagado de la unidad: %n sector.</numerusform>
            <numerusform>🔓 El área protegida (HPA) de %1 está abierta para el borrado hasta el próximo apagado de la unidad: %n sectores.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ El área protegida (HPA) de %1 queda abierta hasta el próximo apagado de la unidad: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ No todos los sectores ocultos de %1 se sobrescribieron y releyeron como se escribieron: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>se releen de otra forma</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ El %n sector oculto de %1 se sobrescribió y releyó, y se restableció el límite.</numerusform>
            <numerusform>✅ Los %n sectores ocultos de %1 se sobrescribieron y releyeron, y se restableció el límite.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ El %n sector oculto de %1 se sobrescribió, y se restableció el límite.</numerusform>
            <numerusform>✅ Los %n sectores ocultos de %1 se sobrescribieron, y se restableció el límite.</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>relectura por muestreo</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 de %2 bloques muestreados a lo largo de %3 no se releyeron como se escribieron (el primero en el byte %4): la unidad no guarda lo que se le da.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ %1 bloques muestreados a lo largo de %2 releídos y comparados.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>relectura</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 devolvió algo distinto de lo escrito, en el byte %2: la unidad no guarda lo que se le da.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ La relectura de %1 falló en el byte %2: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Releído y comparado: %1 de %2.</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Sin descarte: %1 es una imagen de disco; un descarte solo haría agujeros en su archivo, que las pasadas ya han sobrescrito.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>descarte</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ Se descartó todo %1 de forma segura (TRIM seguro).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ Se descartó todo %1 (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 no aceptó un descarte: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Sin descarte: %1 no acepta descartes (TRIM).</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>sistema de archivos nuevo</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 está lista para usar de nuevo: una tabla de particiones %2 nueva y un sistema de archivos %3 vacío en %4.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Sectores ocultos borrados: el área protegida (HPA), %n sector más allá del final que muestra la unidad, se abrió para el borrado, se sobrescribió como el resto y se restableció.</numerusform>
            <numerusform>Sectores ocultos borrados: el área protegida (HPA), %n sectores más allá del final que muestra la unidad, se abrió para el borrado, se sobrescribió como el resto y se restableció.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Sectores ocultos no borrados: %n sector más allá del final que muestra la unidad no se sobrescribió ni se comprobó.</numerusform>
            <numerusform>Sectores ocultos no borrados: %n sectores más allá del final que muestra la unidad no se sobrescribieron ni se comprobaron.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n sector de %1 no se pudo escribir o releer; el resto sí. No se puede demostrar que los sectores ilegibles estén limpios: destruya físicamente esta unidad.</numerusform>
            <numerusform>❌ %n sectores de %1 no se pudieron escribir o releer; el resto sí. No se puede demostrar que los sectores ilegibles estén limpios: destruya físicamente esta unidad.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ El borrado de la unidad terminó con excepciones: %n sector no se pudo borrar.</numerusform>
            <numerusform>⚠️ El borrado de la unidad terminó con excepciones: %n sectores no se pudieron borrar.</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Borrado de la unidad completado.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ Se destruyeron las claves de cifrado.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 ya está elegida en este borrado, ella misma o como unidad de una partición elegida: no se ha escrito nada.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: borrada, no dejada lista para usar: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>una unidad que rechazó sectores se destruye, no se vuelve a usar</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>Diálogo</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88 (1 pasada)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 pasadas)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 pasadas)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 pasadas)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 pasadas)</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Verificar tras la última pasada</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Elegir el método de borrado</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Quitar también miniaturas, archivos recientes y registros de la Papelera</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Destruir las claves de cifrado (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Destruir las claves de cifrado antes de sobrescribir</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Borrado propio de la unidad:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Después sobrescribirla otra vez (1 pasada aleatoria)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>Después:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Dejarla en blanco</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Dejarla lista para usar: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Dejarla lista para usar: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Dejarla lista para usar: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>Una vez que el borrado haya funcionado: una tabla de particiones nueva con una partición en toda la unidad, y un sistema de archivos nuevo en ella.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Abrir y sobrescribir también su %n sector oculto</numerusform>
            <numerusform>Abrir y sobrescribir también sus %n sectores ocultos</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>La unidad oculta estos sectores al equipo (un área protegida, HPA). Se abren para el borrado hasta el próximo apagado de la unidad y después se restablecen. Sin esto quedan como están, y el informe lo dice.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Elija un método.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 pasada aleatoria)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 pasadas)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 pasadas)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 pasadas)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann de 35 pasadas</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1, para %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entrada, %1 en total</numerusform>
            <numerusform>%n entradas, %1 en total</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Destruir las claves de cifrado</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Destruir las claves de cifrado, después %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Borrado propio de la unidad (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Borrado propio de la unidad (%1), después %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Espacio libre de %1 en %2 (%3): %4 de %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Todo lo que hay en %1 en %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>No borrado</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Borrado en parte: %n elemento por debajo sin borrar</numerusform>
            <numerusform>Borrado en parte: %n elementos por debajo sin borrar</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>No borrado: la tarea se detuvo antes</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>No borrado: sigue presente</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>No borrado: desaparecido, pero no por esta tarea</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Borrado</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88): el borrado no terminó.</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Borrar archivos y carpetas</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Borrar un volumen entero</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Borrar espacio libre</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Borrar una unidad entera</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Borrado</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Terminado con problemas</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Detenido antes del final</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>No terminó</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ Se detuvo el borrado.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %2 de %n entrada borrada, %3 escritos.</numerusform>
            <numerusform>%1 %2 de %n entradas borradas, %3 escritos.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %2 escritos en %3.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Borrado con excepciones: %n sector no se pudo escribir ni releer; destruya físicamente esta unidad</numerusform>
            <numerusform>Borrado con excepciones: %n sectores no se pudieron escribir ni releer; destruya físicamente esta unidad</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>sí</translation>
    </message>
    <message>
        <source>no</source>
        <translation>no</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconocido</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volumen</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de serie %1</translation>
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
        <translation>Giratorio</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Acepta descartes (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Cifrado</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguno</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Saneamiento</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Borrado propio de la unidad</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Respuesta de la unidad</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>completado</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>todavía en curso cuando Velmora dejó de esperar</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>fallido</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>no enviado</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Comprobación por muestreo</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 bloques a lo largo de la unidad marcados antes y leídos después: %2 como promete la orden, %3 no</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>no hecha</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n bloque muestreado a lo largo de la unidad releído y comparado: idéntico</numerusform>
            <numerusform>%n bloques muestreados a lo largo de la unidad releídos y comparados: idénticos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n bloque muestreado a lo largo de la unidad releído y comparado: distinto</numerusform>
            <numerusform>%n bloques muestreados a lo largo de la unidad releídos y comparados: distintos</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 releídos y comparados: idénticos</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 releídos y comparados: distintos</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>no hecho: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>una tabla de particiones %1 nueva con una partición (%2), y un sistema de archivos %3 vacío en ella</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>una tabla de particiones %1 nueva con una partición (%2), y un sistema de archivos %3 vacío en ella con la etiqueta %4</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>la unidad no lo indica</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Archivo de imagen</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Tamaño de sector</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 bytes lógicos, %2 bytes físicos</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Conexión</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 en %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Tabla de particiones anterior</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>no se encontró ninguna</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Claves de cifrado</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: %2 ranura(s) de clave destruida(s), %3 de cabeceras sobrescritos</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Pasada %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>datos aleatorios, %1, completa</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>datos aleatorios, %1, incompleta</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Verificación</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>toda la unidad, de forma segura</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>toda la unidad</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>rechazado por la unidad</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>no admitido por la unidad</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>Lista para usar de nuevo</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Borrado propio de la unidad (%1, %2), después sobrescritura</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Borrado propio de la unidad (%1, %2)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescritura</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Borrado criptográfico</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Borrado criptográfico, después sobrescritura</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Bloques muestreados a lo largo de la unidad, marcados antes del borrado propio de la unidad y leídos después (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Bloques muestreados a lo largo de la unidad releídos tras la última pasada y comparados (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>La última pasada releída del dispositivo y comparada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Ninguno</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88): una sobrescritura a través del sistema de archivos no alcanza cada bloque direccionable del soporte.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Registro de saneamiento</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Número de inventario</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de soporte</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Procedencia del soporte</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoría</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Herramienta</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Método de verificación</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destino tras el saneamiento</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Realizado por</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Verificado por</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Producto</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Equipo</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuario</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Inicio</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Releído</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>La última pasada se releyó y comparó</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Pedido, no hecho: la tarea no terminó</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punto de montaje</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON firmado con la clave</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 del JSON firmado</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Escrito</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Releído y comparado</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duración</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%1 de %Ln entrada borrada.</numerusform>
            <numerusform>%1 de %Ln entradas borradas.</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>Entrada</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>Demasiadas para listarlas una a una: cada carpeta, y cada entrada que no se borró.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%1 de %Ln borradas</numerusform>
            <numerusform>%1 de %Ln borradas</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Ninguno.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n elemento no se pudo borrar de forma segura:</numerusform>
            <numerusform>%n elementos no se pudieron borrar de forma segura:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… y %n más.</numerusform>
            <numerusform>… y %n más.</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Informe de borrado de Velmora</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Almacenamiento</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Notas</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>página %1 de %2</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>Arrastre aquí archivos o carpetas</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Añadir archivo</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Añadir carpeta</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Quitar todo</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Añadir Papelera</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Quitar de la lista</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Añadiendo archivos y carpetas, espere...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Elegir archivos</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Espere...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Elegir carpeta</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Papelera</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>La Papelera está vacía.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entrada, %1 en total</numerusform>
            <numerusform>%n entradas, %1 en total</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>No añadido</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ No se pudo quitar un archivo de relleno: %1 (%2 MB, %3). Elimínelo para recuperar el espacio.</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ No se puede crear otro archivo de relleno: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ Falló la escritura del archivo de relleno: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ Falló la sincronización del archivo de relleno: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Falló la verificación: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>registros de archivos</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Sobrescribiendo los registros de archivos libres, que guardan los nombres de archivos eliminados...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ Falló la sobrescritura de los nombres de archivos eliminados: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Se quitó un archivo de relleno dejado por un borrado interrumpido: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 No puede escribir en la raíz del volumen; su espacio libre se llena desde su carpeta: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 MB de espacio libre están reservados para el administrador del sistema y no se pueden sobrescribir; borre el espacio libre como root para alcanzarlos.</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>espacio libre</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>nombres y diario</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Sobrescribiendo los nombres de archivos eliminados, los inodos libres y el diario...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 MB del espacio libre de %2 no se sobrescribieron: su sistema de archivos todavía los cuenta como libres, pero su controlador no admitió más. Lo que dejaron allí archivos eliminados puede quedar. Comprobar el volumen mientras no está montado (fsck.fat) corrige su cuenta para el próximo borrado.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Los nombres de los archivos eliminados pueden quedar en %1: su controlador (%2) es demasiado lento para sobrescribirlos.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ Los nombres de los archivos eliminados pueden quedar en %1: este sistema de archivos (%2) los guarda donde un relleno no llega.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ XFS apartó %1 MB del espacio libre de %2 mientras el relleno ocupaba el volumen, en bloques de cada grupo de asignación que no se pueden dar a ningún archivo; sin TRIM, conservan lo que contenían.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 Se vació el diario de %1 y se pusieron a cero sus bloques: no guarda ninguna copia de lo borrado.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 Se vació el diario de %1 y se descartaron sus bloques en el dispositivo.</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Sacando del diario los nombres borrados...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ El diario de %1 puede contener todavía los últimos nombres borrados; borrar como administrador lo vacía.</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ Falló sacar del diario los nombres borrados en %1: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Bloques libres descartados en el dispositivo (TRIM): %1 MB</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ El espacio libre del sistema de archivos se descartó en el dispositivo (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Sin TRIM: el dispositivo descarta, pero este sistema de archivos (%1) o su controlador no lo transmite.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Sin TRIM: este dispositivo no descarta bloques libres.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Sin TRIM: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ Los registros de archivo libres de %1 no se sobrescribieron: el volumen no aparecía lleno tras el relleno. Pueden quedar en ellos nombres de archivos borrados.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>una etiqueta FAT32 solo admite letras, cifras, espacios y -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>una etiqueta FAT32 admite como mucho 11 caracteres</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>una etiqueta no admite caracteres de control</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>una etiqueta ext4 admite como mucho 16 bytes</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 no está instalado</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>no se pudo escribir la tabla de particiones: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>no se pudo alcanzar la nueva partición: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 falló (%2): %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>la etiqueta no es un texto válido</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>una etiqueta exFAT admite como mucho 11 caracteres</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (es decir, %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>Se dio una ruta vacía. Se rechaza, para que una variable sin definir en un script nunca signifique la carpeta actual.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>No existe el archivo o la carpeta: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 es la raíz del sistema de archivos: todo lo que hay en este equipo. Nunca se borra entera.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 pertenece al sistema operativo. Borrarlo estropearía este equipo; se rechaza.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 contiene los datos de otros usuarios o de los servicios del sistema. Nunca se borra entero; elija las carpetas que contiene.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 es una carpeta personal o contiene una. Nunca se borra entera; elija los archivos y carpetas que contiene.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 es un dispositivo, no un archivo: quitarlo no borraría nada en el dispositivo. Para destruir lo que contiene un volumen, borre el volumen (Borrar disco).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 es un socket o una FIFO, no un archivo: no contiene nada que borrar.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 contiene el sistema en ejecución y no se puede borrar.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 contiene su carpeta personal y no se puede borrar. Borre en su lugar los archivos que elija, o su espacio libre.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>la unidad ya no da el tamaño nativo que daba</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>la unidad rechazó SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>la unidad conserva una dirección máxima accesible reducida entre apagados: subirla cambiaría la unidad para siempre</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 oculta %n sector (%2) más allá del final que muestra (una dirección máxima accesible reducida): no se borra.</numerusform>
            <numerusform>%1 oculta %n sectores (%2) más allá del final que muestra (una dirección máxima accesible reducida): no se borran.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 oculta %n sector (%2) más allá del final que muestra (un área protegida, HPA): no se borra.</numerusform>
            <numerusform>%1 oculta %n sectores (%2) más allá del final que muestra (un área protegida, HPA): no se borran.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Permiso denegado: una parte pertenece a otro usuario o al sistema. Inicie Velmora con «Ejecutar como administrador» para borrarla.</translation>
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
        <translation>un borrado del volumen entero %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>un borrado del espacio libre de %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (pid %2), iniciado %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ No se puede guardar ningún registro de esta tarea en %1 (%2): si se interrumpe, el próximo inicio no podrá decir qué dejó sin terminar.</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>Un borrado de archivos y carpetas</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Un borrado del volumen entero %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Un borrado del espacio libre de %1</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Un borrado de la unidad entera %1, cuyos sectores se habían sobrescrito todos,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Un borrado de la unidad entera %1, cuyas claves LUKS pueden haberse destruido o no,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Un borrado de la unidad entera %1, que puede contener todavía parte de sus datos antiguos,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Se interrumpió una tarea, pero su registro no se puede leer: no se sabe qué dejó sin terminar y no se limpió nada. El registro se guardó como %1.</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), iniciado %3, se interrumpió antes de terminar%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, durante: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>No queda en el disco ninguna de sus entradas.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Sin terminar, todavía ahí:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … y %n más</numerusform>
            <numerusform>  … y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 no responde: no se buscó lo que la tarea dejó allí.</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Se quitaron los archivos auxiliares que dejó en %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>No se pudo quitar %n archivo auxiliar que dejó en %1.</numerusform>
            <numerusform>No se pudieron quitar %n archivos auxiliares que dejó en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>Se devolvió a %1 la reserva que había prestado.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>No se pudo devolver a %1 la reserva que había prestado; volver a montar el volumen la restablece.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>La unidad: %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 todavía la nombra.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 nombra ahora otro dispositivo: borrar %1 de nuevo no terminaría esta unidad.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 no está ahora.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Borrado detenido: Ctrl-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Borrado detenido: se pidió terminar (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Borrado detenido: se cerró la terminal o la sesión (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Borrado detenido por la señal %1.</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>no se puede leer el espacio de %1</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ La operación terminó antes de tiempo: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n miniatura</numerusform>
            <numerusform>%n miniaturas</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n entrada de archivos recientes</numerusform>
            <numerusform>%n entradas de archivos recientes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n registro de la Papelera</numerusform>
            <numerusform>%n registros de la Papelera</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Rastros quitados: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ No hay carpeta personal: no se buscaron miniaturas, archivos recientes ni registros de la Papelera.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>rastros</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Quitado de la lista de tamaños de carpetas de la Papelera: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ La lista de archivos recientes se dejó como estaba: %1. Puede nombrar todavía lo borrado.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Quitado de los archivos recientes: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ No borrado: %1 sigue ahí, aunque nada se opuso a su eliminación.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ No borrado: %1 sigue ahí, así que no se pudo quitar su carpeta.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ No borrado: %n entrada más todavía en %1.</numerusform>
            <numerusform>⚠️ No borrado: %n entradas más todavía en %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ No se pudo borrar de forma segura: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Partes de los archivos borrados pueden haberse escrito en un intercambio sin cifrar (%1); ningún borrado de archivos llega allí.</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Otra tarea de Velmora está trabajando en %1: no se ha escrito nada. Espere a que termine.</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Omitido (no se pudo borrar): %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>archivos</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ No se puede crear el archivo temporal para borrar el espacio libre.</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>limpieza</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Borrado completo del disco terminado: no se borró todo.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Borrado completo del disco terminado.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ No se puede crear el archivo de escritura para borrar el espacio libre.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Borrado del espacio libre terminado: no se sobrescribió todo el espacio libre.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Borrado del espacio libre terminado.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Borrar archivos</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Borrar volumen</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Borrar espacio libre</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Borrar unidad</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Programado: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>no firmado</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>modificado después de firmarlo</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>firmado con otra clave</translation>
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
        <translation>Borrar disco</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Borrar datos para siempre &amp;amp; evitar fugas&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora borra de forma segura los datos sensibles de su disco o USB. &lt;br/&gt;Proteja su privacidad y evite fugas de datos para siempre.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Borrar espacio libre</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Borrar archivo</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volúmenes</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Borrar unidades enteras</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Marque una unidad, o varias para borrarlas a la vez.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Borrar un volumen entero</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Se borra todo lo que hay en el volumen elegido y después se llena su espacio libre.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Borrar el espacio libre de un volumen</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>Se sobrescribe lo que los archivos eliminados dejaron en su espacio libre; los archivos que contiene se quedan.</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Se sobrescribe cada sector de la unidad elegida: todas sus particiones y su tabla de particiones.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Borrar una unidad entera requiere derechos de administrador: inicie Velmora en modo administrador para elegir una.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Tamaño: %2 bytes, sectores de %3 bytes (%4 físicos)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>Archivo de imagen: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Se necesitan derechos de administrador</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Borrar una unidad entera escribe en el propio dispositivo, algo que solo puede hacer el administrador. Inicie Velmora en modo administrador y elija de nuevo la unidad.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Iniciar en modo administrador</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Ninguna unidad elegida</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>¡Elija una unidad y pulse Siguiente!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>La unidad %1 ya no está.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>Preguntando a %1 qué ofrece…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Borrado cancelado.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Borrando la unidad entera %1, espere...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>Esto destruirá de forma permanente todo lo que hay en esta unidad.</numerusform>
            <numerusform>Esto destruirá de forma permanente todo lo que hay en estas %n unidades.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n unidad</numerusform>
            <numerusform>%n unidades, borradas a la vez</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ Los archivos seleccionados se han sobrescrito y quitado. Lo que puede quedar:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Todos los archivos seleccionados se han borrado de forma permanente.</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 Se ha borrado el disco. Lo que puede quedar:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 El disco se ha borrado de forma segura y ahora está limpio.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 Se ha sobrescrito el espacio libre. Lo que puede quedar:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 El espacio libre se ha borrado de forma segura; no quedan rastros.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 Se ha sobrescrito el espacio libre.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 La unidad %1 se ha borrado con su propia orden, y ninguno de los bloques muestreados a lo largo de ella se lee como antes.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 Se han destruido las claves de cifrado de %1: lo que contiene ya no se puede descifrar.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 Se han destruido las claves de cifrado de %1 y se ha sobrescrito la unidad.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 Se ha sobrescrito la unidad %1.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Operación de borrado completada.</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Guardar informe…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Borrar el espacio libre de %1…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ No se pudo guardar el resultado de esta tarea: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Informe de borrado</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Guardar informe</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Informe no guardado</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>No se pudo guardar el informe en %1: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Informe guardado en %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Unidades borradas: %1 de %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>No se borraron todas las unidades</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Guardar informes…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Borrado detenido por el usuario.</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>La operación no terminó:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n elemento no se pudo borrar de forma segura:</numerusform>
            <numerusform>⚠️ %n elementos no se pudieron borrar de forma segura:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Terminado con problemas</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Volver a añadir lo que no se borró (%1)</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Confirmar detención</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>¿Seguro que quiere detenerlo?</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Un borrado programado en %1 no hizo todo lo que debía: vea Informes… en el menú.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>Archivos de relleno restantes</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Un borrado interrumpido dejó estos archivos de relleno; quitarlos libera %1:

%2

¿Quitarlos ahora?</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>No se pudo quitar %n archivo de relleno; un borrado del espacio libre de ese volumen lo quita.</numerusform>
            <numerusform>No se pudieron quitar %n archivos de relleno; un borrado del espacio libre de ese volumen los quita.</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Borrado interrumpido</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>¿Borrar ahora lo que queda?</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>¿Elegir de nuevo la unidad ahora?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>¿Elegir de nuevo el volumen ahora?</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Borrado en curso</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>Hay un borrado en curso. ¿Detenerlo y salir?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>El dispositivo no responde; saliendo sin esperarlo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Asistencia</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Borrar la Papelera…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>Hay un borrado en curso. Lo que hay en la Papelera está en la lista de archivos que borrar, para cuando haya terminado.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Programar…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Informes…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Datos del informe…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Mostrar informe…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Espere</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Este programa le ayuda a borrar de forma segura archivos, discos y espacio libre.

Copyright © 2026 Los desarrolladores de Velmora</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Ningún navegador</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>No se pudo iniciar ningún navegador web. La página está en:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Manual de Velmora</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>No se pudo iniciar ningún navegador web; este es el manual instalado con Velmora. La ayuda en línea está en %1.</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>Este disco contiene el sistema en ejecución y no se puede borrar.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>Este disco contiene su carpeta personal y no se puede borrar. Borre en su lugar los archivos que elija, o su espacio libre.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>Esto destruirá las claves de cifrado de %1: nada de lo que contiene se podrá descifrar de nuevo.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>Esto destruirá de forma permanente todo lo que hay en la unidad %1.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Método elegido: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Sin archivos</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Añada al menos un archivo.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>¡Elija un método de borrado!</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>Se canceló la operación de borrado.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Ningún disco elegido</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>¡Elija un disco y pulse Siguiente!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>¡Elija primero un método de borrado!</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>¡Ningún disco elegido!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>¡La ruta del disco elegido no es válida!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>¡No se puede obtener la capacidad del disco!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Borrando el disco, espere...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>¡Elija primero un método de borrado!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>Se canceló la operación de borrado.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>¡No se puede obtener el espacio libre!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Borrando el espacio libre, espere...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>red</translation>
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
        <translation>memoria USB</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>unidad USB</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>tarjeta SD</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>disco virtual · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>disco virtual</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>imagen de disco</translation>
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
        <translation>desconocido</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>no responde</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>imagen en %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · cifrado</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de serie %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>una unidad SSD</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>un disco duro</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>una unidad USB</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>una tarjeta SD</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>una memoria flash eMMC</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 es un sistema de archivos de red (%2): el servidor puede guardar copias e instantáneas de lo borrado, a las que no llega ninguna sobrescritura desde este equipo.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 está en memoria (%2): lo que se borró allí desaparece en cuanto se apaga el equipo.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 está en memoria (%2): lo que se borró allí desaparece en cuanto se apaga el equipo, pero partes pueden haberse escrito en un intercambio sin cifrar (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 está cifrado (%2): las copias anteriores que pueda guardar la unidad que hay debajo también están cifradas, y no se pueden leer sin su clave.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 está en %2: la unidad puede guardar copias anteriores en celdas flash a las que no llega ninguna sobrescritura. Velmora le pide que descarte los bloques liberados (TRIM). Para estar seguro, mantenga la unidad cifrada, o use la orden de saneamiento propia de la unidad antes de que salga de sus manos.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 está en %2: la unidad puede guardar copias anteriores en celdas flash a las que no llega ninguna sobrescritura, y no acepta descartes (TRIM). Para estar seguro, mantenga la unidad cifrada, o use la orden de saneamiento propia de la unidad antes de que salga de sus manos.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 está en %2: si contiene memoria flash, como las memorias USB, puede guardar copias anteriores en celdas a las que no llega ninguna sobrescritura. Para estar seguro, mantenga la unidad cifrada.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Ni Clear ni Purge (NIST SP 800-88): una sobrescritura a través del sistema de archivos no alcanza cada bloque direccionable del soporte.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>En la memoria flash, las celdas que la unidad ha reasignado quedan fuera del alcance del equipo.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>Los bloques están en otro equipo.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>El volumen está cifrado: lo que la unidad guarda debajo es texto cifrado.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora no sabe qué sistema de archivos contiene %1 (su controlador dice «%2»): los nombres de los archivos borrados, y lo que su controlador guarda de ellos, pueden quedar allí.</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>Iniciando…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>queda unos %n s</numerusform>
            <numerusform>quedan unos %n s</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>queda unos %n min</numerusform>
            <numerusform>quedan unos %n min</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>quedan unas %1 h %2 min</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>pasada %1 de %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Deteniendo: esperando a que el dispositivo termine la escritura en curso…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Terminando…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Borrado por</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organización</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Lugar</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contacto</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Número de inventario</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Procedencia del soporte</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destino tras el saneamiento</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Verificado por</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Cargo del verificador</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Datos del informe</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Cada informe indica estos datos. Lo que quede vacío se imprime como una línea que rellenar a mano.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>otros pueden cambiar la clave de firma %1 (modo %2): no se usa</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>la clave de firma %1 pertenece a otro usuario (uid %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>otros pueden leer la clave de firma %1 (modo %2): quien pueda podrá firmar resultados en su nombre</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 no contiene ninguna clave privada Ed25519</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>no se pudo crear ninguna clave de firma</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>se creó una clave de firma nueva: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>su firma contiene un campo que el informe no tiene: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>a su firma le falta el campo %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>no se pudo firmar el resultado</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>el informe no está firmado</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>el informe se modificó después de firmarlo</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>su firma nombra la clave %1, pero se hizo con la clave %2</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>el SHA-256 de su firma no es el del informe</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>se firmó con la clave %1, no con %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Informes</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>El resultado firmado de cada tarea, del más reciente al más antiguo, con su informe cuando se hizo uno. Los borrados programados aparecen con ellos.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fin</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarea</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Destino</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Todavía no se ha ejecutado ninguna tarea: el resultado de cada una se guarda aquí.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Guardar como…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Comprobar firma</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir carpeta</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Firma</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 ya existe</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>no se pudo escribir %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Guardar informe como</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>No guardado</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Este resultado no está como se firmó: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>La firma es buena: este resultado está como se firmó, con la clave %1.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>una partición: el borrado propio de la unidad toma la unidad entera</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>un dispositivo loop no tiene borrado propio</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>en memoria: no tiene borrado propio</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>un disco virtual (virtio): el anfitrión no le pasa órdenes de borrado</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>detrás de un puente USB: conéctela directamente para usar su propio borrado</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>una tarjeta SD o eMMC: Velmora no envía su propio borrado</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>un disco de red no tiene borrado propio</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>se necesitan derechos de administrador para preguntar a la unidad qué ofrece</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>el núcleo no le pasa órdenes</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>no se le pudo preguntar: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>se negó a identificarse (estado NVMe 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>no ofrece ni Sanitize ni Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>estado ATA 0x%1, error 0x%2, motivo 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>sense SCSI %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>su SANITIZE está congelado: suspenda y reanude el equipo para levantar la congelación, y pregunte de nuevo</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>no admite el conjunto de funciones ATA SANITIZE</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>no dice qué órdenes admite</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>no admite SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>la unidad no ofrece %1; ofrece %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>estado NVMe 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>no se pudo identificar el espacio de nombres (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>la unidad falló el Format (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>la unidad rechazó el Sanitize (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>no se pudo leer su registro de Sanitize (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>la unidad indica que el Sanitize falló</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>la unidad no indica ningún Sanitize desde su fabricación</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>la unidad rechazó el SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>la unidad no dijo cómo va su SANITIZE</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>la unidad indica que el SANITIZE falló (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>la unidad no indica ningún SANITIZE completado (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>la unidad indica %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>borrado propio: ninguno (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>borrado propio: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>; seguridad congelada: suspenda y reanude el equipo para levantarla</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Borrados programados</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Borrados que se ejecutan solos:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Todavía no hay nada programado. Elija abajo qué borrar, cada cuánto y cómo, y luego Añadir.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Quitar</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Borrar la Papelera</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Borrar el espacio libre de %1</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>semanal</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>mensual</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;Qué:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>&amp;Frecuencia:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Método:</translation>
    </message>
    <message>
        <source>active</source>
        <translation>activo</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inactivo</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Cada ejecución deja su informe en %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>systemd no se ejecuta aquí: los temporizadores están escritos pero inactivos.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>No programado</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>No quitado</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>mensual</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>semanal</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Borrar la Papelera</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Borrar el espacio libre de %1</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>se ejecuta semanal o mensualmente, no %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>método desconocido %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>un borrado del espacio libre necesita un punto de montaje</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>los informes de sus ejecuciones no se pueden guardar en %1: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>no hay ninguna programación %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>no se puede quitar</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Unidad</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Guardar informes…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Hecho</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Detener</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Borrando %n unidad. Tiene su propio progreso y su propio informe.</numerusform>
            <numerusform>Borrando %n unidades a la vez. Cada una tiene su propio progreso y su propio informe.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>En curso</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ No se pudo guardar el resultado de esta unidad: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Confirmar detención</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>¿Detener todas las unidades? Las que aún no se han borrado conservan lo que contienen.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Deteniendo todas las unidades…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>no se pudo escribir %1</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>no se pudo firmar el resultado de %1: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Guardar informes</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Informes no guardados</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>No se pudieron guardar los informes en %1: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 El informe y el resultado firmado de cada unidad se guardaron en %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>no es texto UTF-8</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>otro programa no dejaba de cambiarlo</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ La Papelera %1 se deja como está: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>es un enlace</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>no es una carpeta</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>no es suya</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>le falta el bit pegajoso que tiene una Papelera compartida</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>su volumen no responde</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Cambió mientras se borraba, se deja como está: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ No se pudo quitar la carpeta: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ Falló la verificación: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Sobrescrito y eliminado, pero el sistema de archivos informó de un error, así que no se sabe si está borrado: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Borrado de forma segura: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ Archivo vacío eliminado: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Carpeta vacía eliminada: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 es un sistema de archivos de copia en escritura (%2): una sobrescritura en el sitio no alcanza las copias antiguas que guarda. Borre después el espacio libre de este volumen.</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ Hasta %1 de copias antiguas de lo borrado pueden quedar en %2 hasta que se borre su espacio libre.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Los nombres de los archivos borrados pueden quedar en las entradas libres de sus carpetas en %1: su controlador (%2) es demasiado lento para sobrescribirlos.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Los nombres borrados de %1 pueden quedar en bloques que su carpeta devolvió al volumen (XFS); borre el espacio libre del volumen para alcanzarlos.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ Los nombres borrados de %1 pueden quedar en sus entradas libres: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 Se sobrescribieron las entradas libres de %n carpeta que contenía nombres borrados.</numerusform>
            <numerusform>🧹 Se sobrescribieron las entradas libres de %n carpetas que contenían nombres borrados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ Los nombres borrados de %n carpeta más pueden quedar en sus entradas libres; borre el espacio libre del volumen para alcanzarlos.</numerusform>
            <numerusform>⚠️ Los nombres borrados de %n carpetas más pueden quedar en sus entradas libres; borre el espacio libre del volumen para alcanzarlos.</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 Se sobrescribió el espacio que los archivos borrados y sus carpetas devolvieron a %1.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Los nombres borrados de carpetas de %1 pueden quedar en el espacio que las carpetas devolvieron al volumen (exFAT); borre el espacio libre del volumen para alcanzarlos.</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>el archivo es inmutable</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>el archivo es de solo añadir</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ Archivo no encontrado: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ Solo se eliminó este nombre: otros enlaces fuera de la selección mantienen legible su contenido: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Borrando: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ Siguió creciendo mientras se borraba; lo que se escribió entretanto puede quedar en el dispositivo: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ No borrado, aquí hay montado otro volumen: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Enlace eliminado: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ No se pudo abrir la carpeta: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ Archivo especial eliminado: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ No se pudo listar la carpeta: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Acceso directo eliminado: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>en el byte %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>el dispositivo devolvió otros datos en el byte %1</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 %1 de datos verificados</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Actualizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
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
Etiqueta: %3
Capacidad: %4 bytes
Disponible: %5 bytes</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(ninguna)</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Soporte: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Dispositivos: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Elegir</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Punto de montaje</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidad</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Disponible</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de archivos</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Soporte</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Este volumen no responde; no se puede elegir ahora.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de serie</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamaño</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Particiones</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Se necesitan derechos de administrador</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Se puede borrar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Borra sin posible recuperación archivos y carpetas, o borra un volumen entero o su espacio libre.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>Archivos y carpetas que poner en la lista para borrar.</translation>
    </message>
</context>
</TS>
