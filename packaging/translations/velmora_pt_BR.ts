<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>Para apagar o que sobrou: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>Para executá-lo de novo: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 Apagando o espaço livre de %1, onde podem restar cópias antigas do que foi apagado…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify e --crypto-erase só vão com drive</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash só vai com erase</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize e --then-overwrite só vão com drive</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite vem depois de --sanitize</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize e --crypto-erase não vão juntos: o apagamento criptográfico próprio da unidade é --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize não sobrescreve nada: --method vai com --then-overwrite</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample e --verify=full só vão com drive; --verify relê a última passagem</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= e --no-verify se contradizem</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format só vai com drive</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label nomeia o que --format cria</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace só vem depois de erase</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>Tente “velmora-cli --help”.</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= não nomeia nenhuma ação</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= recebe sample ou full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>comando desconhecido %1; os comandos são erase, wipe, freespace, drive, drives, schedule, check-report, volumes e reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 está dentro do que será apagado; nada foi apagado</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>outra tarefa do Velmora está trabalhando em %1; nada foi apagado. Execute esta quando ela terminar.</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 está trabalhando em %2; nada foi apagado. Execute esta quando ela terminar.</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 não é um dispositivo de bloco</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>apagar uma unidade inteira exige direitos de administrador: execute-o como root (sudo)</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>ação desconhecida %1; as ações são crypto-erase, block-erase, format-crypto, format-erase e overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: nenhum apagamento próprio a enviar: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 precisa de um caminho</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>não foi possível ler os caminhos da linha de comando</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>A Lixeira está vazia; nada a apagar.
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>(--no-preserve-root passa por cima disso.)</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 recebe um só ponto de montagem</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>foi dado um caminho vazio; %1 recebe o ponto de montagem do volume</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 recebe o ponto de montagem do volume como caminho absoluto, não %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 não é o ponto de montagem de um volume</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>não é possível ler o espaço de %1</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>sistema de arquivos desconhecido %1; --format recebe exfat, fat32 ou ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format recebe uma unidade inteira: %1 é uma partição</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive recebe um só dispositivo de bloco, como /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 esconde %n setor em uma área protegida (HPA): ela é aberta para o apagamento e sobrescrita também.
</numerusform>
            <numerusform>velmora-cli: %1 esconde %n setores em uma área protegida (HPA): ela é aberta para o apagamento e sobrescrita também.
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
        <translation>%1 não contém nenhum contêiner LUKS; --crypto-erase precisa de um</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>não é possível ler o cabeçalho LUKS de %1 (%2); apague a unidade inteira sem --crypto-erase</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes recebe só --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports recebe só --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>Nenhuma tarefa foi executada ainda: o resultado de cada uma fica guardado em %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives recebe só --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>partições: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inativo</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>Nenhum apagamento está agendado.
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>o systemd não roda aqui: os temporizadores estão gravados, mas inativos.
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove recebe o nome que list mostra</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 removido.
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule recebe add, list ou remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add recebe trash, ou freespace e um ponto de montagem</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>%1 agendado como %2 em %3%4.
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> (inativo: o systemd não o executa aqui)</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report recebe um só resultado JSON</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>não é um resultado JSON (%1)</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>válido, assinado com a chave %1
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
        <translation>Apaga sem possibilidade de recuperação arquivos e pastas, um volume montado inteiro ou o espaço livre de um volume.

Comandos:
  erase CAMINHO...       sobrescrever e remover arquivos e pastas
  wipe PONTODEMONTAGEM   sobrescrever tudo em um volume montado
  freespace PONTODEMONTAGEM
                         sobrescrever o espaço livre de um volume montado
  schedule add trash|freespace [PONTODEMONTAGEM] [--every weekly|monthly]
  schedule list | schedule remove NOME
                         executar sozinho um apagamento do espaço livre ou da Lixeira
  check-report ARQUIVO.json [--key IMPRESSÃO]
                         dizer se um resultado está como foi assinado
  volumes [--json]       listar os volumes montados e a mídia sob cada um
  drive DISPOSITIVO...   sobrescrever cada setor de unidades inteiras ou partições,
                         várias de uma vez
  drives [--json]        listar as unidades e partições, e por que uma é recusada
  reports [--json]       listar o resultado e o relatório guardados de cada tarefa, do mais recente</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>Método de apagamento: NIST, DoD, British, German ou Gutmann (padrão NIST).</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>Reler a última passagem e compará-la; para uma unidade, --verify=sample relê só blocos amostrados ao longo dela.</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>Não perguntar; para scripts. Sem isso, um terminal precisa responder.</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>Mostrar só os problemas.</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>Gravar o resultado em JSON em ARQUIVO.</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>Gravar o relatório de apagamento em PDF em ARQUIVO.</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>Listar os métodos de apagamento.</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>Permitir apagar /, as pastas do sistema e as pastas pessoais (nunca dispositivos).</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: deixar onde estão as miniaturas, as entradas de arquivos recentes, os registros da Lixeira e as cópias do editor dos arquivos apagados.</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: adicionar aos caminhos tudo o que está na Lixeira (a da pasta pessoal e a de cada volume).</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: weekly (padrão) ou monthly.</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: a impressão digital (SHA256:…) da chave com que o relatório deve estar assinado.</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>O relatório: quem apagou (também em report.conf).</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>O relatório: para qual organização.</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>O relatório: onde.</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>O relatório: como contatar quem apagou.</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>O relatório: o número de patrimônio da mídia.</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>O relatório: para onde a mídia vai depois (reuso, venda, destruição).</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: não reler a última passagem.</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: depois de apagada, deixá-la pronta para usar de novo: uma nova tabela de partições com uma partição e um sistema de arquivos exfat, fat32 ou ext4 vazio.</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: o rótulo do novo sistema de arquivos.</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: abrir uma área protegida (HPA) para o apagamento, até a unidade ser desligada da próxima vez, e sobrescrever também o que ela esconde.</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: destruir as chaves do contêiner LUKS que ela contém; com --method, sobrescrevê-la depois também.</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: enviar à unidade o seu próprio apagamento, --sanitize=AÇÃO (crypto-erase, block-erase, format-crypto, format-erase, overwrite) ou, sem ela, o mais forte que oferecer; depois são verificados blocos amostrados ao longo dela.</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: depois sobrescrevê-la também uma vez, e reler essa passagem.</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: apagar depois o espaço livre de cada volume onde estavam os arquivos, o que alcança as cópias antigas que um volume de cópia na gravação mantém.</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase, wipe, freespace, drive, drives, volumes, schedule, check-report ou reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>Arquivos e pastas, ou o ponto de montagem do volume.</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>método desconhecido %1; velmora-cli --methods lista os métodos</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json e --report recebem um nome de arquivo</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>nenhum comando; tente “velmora-cli --help”</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>, relidos blocos amostrados ao longo da unidade</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>, a última passagem relida</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>Isto vai destruir permanentemente, sem possibilidade de recuperação:
  %1
Método: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … e mais %n
</numerusform>
            <numerusform>  … e mais %n
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>depois o espaço livre dos volumes onde estão
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>Isto vai destruir permanentemente, sem possibilidade de recuperação, %n unidade:%1
Método: %2%3
</numerusform>
            <numerusform>Isto vai destruir permanentemente, sem possibilidade de recuperação, %n unidades de uma vez:%1
Método: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>nada foi apagado: não há terminal para confirmar; passe --yes para confirmar a partir de um script</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>Digite a palavra inglesa Erase para confirmar: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>cancelado; nada foi apagado</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>Parando: aguardando o dispositivo terminar a gravação em andamento (Ctrl-C de novo sai na hora)…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>não é possível gravar %1 %2 (%3); nada foi apagado</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>não foi possível assinar o resultado JSON: %1; nada foi apagado</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: o resultado JSON não está assinado: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>não foi possível gravar o resultado JSON em %1: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>não foi possível gravar o relatório em %1: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: não apagado com segurança: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: … e mais %1 não apagados com segurança
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: aviso: não foi possível guardar o resultado: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>não foi possível gravar os arquivos de resultado</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>com várias unidades, %1 nomeia uma pasta, para onde vai o arquivo de cada unidade</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>Unidade	Número de série	Estado
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 não responde (um servidor de rede sumiu, ou um driver travou); nada foi apagado</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 é um link criado por outro usuário; indique a própria pasta</translation>
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
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;Isto vai excluir permanentemente os arquivos selecionados. &lt;br/&gt;Digite a palavra inglesa &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; para continuar:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
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
        <translation>Digite “Erase” </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>Digite a palavra inglesa “%1” para continuar:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… e mais %n</numerusform>
            <numerusform>… e mais %n</numerusform>
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
        <translation>Na memória flash, as células que a unidade remapeou ficam fora do alcance do computador; só o comando de sanitização próprio da unidade chega a elas.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge (NIST SP 800-88, IEEE 2883), pelo apagamento próprio da unidade: %1 concluído, e nenhum bloco amostrado ao longo da unidade antes e depois é lido como antes.</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge (NIST SP 800-88), por apagamento criptográfico: todos os slots de chave e os dois cabeçalhos do contêiner %1 foram sobrescritos. Isso vale se os dados só foram gravados através da criptografia e não existe cópia do cabeçalho em outro lugar.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear (NIST SP 800-88): cada setor endereçável foi sobrescrito, e blocos amostrados ao longo da unidade foram relidos (NIST SP 800-88 Rev. 1, 4.7).</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear (NIST SP 800-88): cada setor endereçável foi sobrescrito e a última passagem relida.</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear (NIST SP 800-88): cada setor endereçável foi sobrescrito; a última passagem não foi relida.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Nem Clear nem Purge (NIST SP 800-88): o apagamento não terminou.</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Nem Clear nem Purge (NIST SP 800-88): %n setor não pôde ser gravado ou relido e ainda pode conter o que havia ali. Destrua fisicamente a unidade.</numerusform>
            <numerusform>Nem Clear nem Purge (NIST SP 800-88): %n setores não puderam ser gravados ou relidos e ainda podem conter o que havia ali. Destrua fisicamente a unidade.</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>Esta unidade contém o sistema em execução e não pode ser apagada.</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>Esta unidade contém a sua pasta pessoal e não pode ser apagada.</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>Esta partição está na unidade do sistema em execução e não pode ser apagada.</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>Esta partição está na unidade da sua pasta pessoal e não pode ser apagada.</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>Um volume desta unidade está montado (%1): desmonte-o primeiro.</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>Esta unidade contém swap ativa (%1).</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>Esta unidade está em uso por %1 (um volume criptografado aberto, RAID ou LVM): feche-o primeiro.</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>Esta unidade está aberta por %1: encerre primeiro o que a usa.</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>Esta unidade é somente leitura.</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>Sistema em execução</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>Pasta pessoal</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>Unidade do sistema</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>Unidade da pasta pessoal</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>Montado: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>Swap em uso</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>Em uso por %1</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>Aberta por %1</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>Somente leitura</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de série %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 está em uso (um volume montado, um mapeamento, swap ou outro programa o mantém): nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 é somente leitura: nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ Apagar uma unidade inteira exige direitos de administrador: nada foi gravado em %1.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ Não é possível abrir %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 não é um dispositivo de bloco: nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ Não é possível usar %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 mudou enquanto era aberto: nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 não é mais a unidade que era quando foi escolhida (foi removida, redimensionada ou recebeu outro arquivo): nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 não está mais lá (%2): nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 agora aponta para outro dispositivo que não o escolhido: nada foi gravado.</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ Não é possível ler o tamanho de %1: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 recusou mais de %2 setores: a unidade está falhando. Não é possível provar que o que ela contém foi apagado; destrua-a fisicamente.</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Tabela de partições encontrada em %1: %2, %n partição.</numerusform>
            <numerusform>ℹ️ Tabela de partições encontrada em %1: %2, %n partições.</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 não contém nenhum contêiner LUKS: não há chaves a destruir.</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ Não é possível ler o cabeçalho LUKS de %1 (%2): as suas chaves não podem ser destruídas uma a uma. Uma sobrescrita da unidade inteira as alcança.</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>chaves</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ Não foi possível destruir os slots de chave de %1: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ Os %1 slots de chave de %2 foram destruídos, mas ainda se encontra um cabeçalho LUKS nela depois de sobrescritos os seus primeiros %3.</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ Os %1 slots de chave de %2 foram destruídos, mas os seus cabeçalhos não puderam ser sobrescritos: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 Os %1 slots de chave e os cabeçalhos do contêiner %2 em %3 foram destruídos: nenhuma senha ou arquivo de chave o abre mais.</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>marcando blocos amostrados</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ Não foi possível marcar os blocos amostrados de %1 antes do seu próprio apagamento: %2. Nada foi enviado à unidade.</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 Enviando a %1 o seu próprio apagamento: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>o apagamento próprio da unidade</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>verificando blocos amostrados</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 concluiu o seu próprio apagamento; nenhum dos %2 blocos amostrados ao longo dela é lido como antes.</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 informou o seu próprio apagamento como concluído, mas %2 de %3 blocos amostrados ao longo dela ainda são lidos como antes (o primeiro no byte %4)%5. Ela não foi apagada: sobrescreva a unidade inteira, ou destrua-a.</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>, ou não puderam ser lidos</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 não executou %2: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 estima que o seu próprio apagamento leva %2 min.</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 continua sozinha com o seu próprio apagamento: a sanitização de uma unidade não pode ser interrompida, e é retomada depois de um desligamento. O Velmora parou de aguardá-la e não verificou o que ela fez.</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 Passagem %1 de %2 sobre %3 (%4)…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ A gravação em %1 falhou depois de %2 da passagem %3: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ Passagem %1 de %2 gravada e sincronizada.</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ Os setores ocultos de %1 não puderam ser abertos para o apagamento, e ficam como estavam: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>setores ocultos</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 A área protegida (HPA) de %1 está aberta para o apagamento até a unidade ser desligada da próxima vez: %n setor.</numerusform>
            <numerusform>🔓 A área protegida (HPA) de %1 está aberta para o apagamento até a unidade ser desligada da próxima vez: %n setores.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ A área protegida (HPA) de %1 fica aberta até a unidade ser desligada da próxima vez: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ Nem todos os setores ocultos de %1 foram sobrescritos e relidos como gravados: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>eles são relidos de outra forma</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ O %n setor oculto de %1 foi sobrescrito e relido, e o limite restaurado.</numerusform>
            <numerusform>✅ Os %n setores ocultos de %1 foram sobrescritos e relidos, e o limite restaurado.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ O %n setor oculto de %1 foi sobrescrito, e o limite restaurado.</numerusform>
            <numerusform>✅ Os %n setores ocultos de %1 foram sobrescritos, e o limite restaurado.</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>releitura por amostragem</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %1 de %2 blocos amostrados ao longo de %3 não foram relidos como gravados (o primeiro no byte %4): a unidade não guarda o que recebe.</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ %1 blocos amostrados ao longo de %2 relidos e comparados.</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>releitura</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 devolveu algo diferente do que foi gravado, no byte %2: a unidade não guarda o que recebe.</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ A releitura de %1 falhou no byte %2: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ Relido e comparado: %1 de %2.</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ Sem descarte: %1 é uma imagem de disco; um descarte só faria buracos no seu arquivo, que as passagens sobrescreveram.</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>descarte</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ Todo o %1 foi descartado com segurança (TRIM seguro).</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ Todo o %1 foi descartado (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 não aceitou um descarte: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ Sem descarte: %1 não aceita descartes (TRIM).</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>novo sistema de arquivos</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 está pronta para usar de novo: uma nova tabela de partições %2 e um sistema de arquivos %3 vazio em %4.</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Setores ocultos apagados: a área protegida (HPA), %n setor além do fim que a unidade mostra, foi aberta para o apagamento, sobrescrita como o resto e restaurada.</numerusform>
            <numerusform>Setores ocultos apagados: a área protegida (HPA), %n setores além do fim que a unidade mostra, foi aberta para o apagamento, sobrescrita como o resto e restaurada.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Setores ocultos não apagados: %n setor além do fim que a unidade mostra não foi sobrescrito nem verificado.</numerusform>
            <numerusform>Setores ocultos não apagados: %n setores além do fim que a unidade mostra não foram sobrescritos nem verificados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n setor de %1 não pôde ser gravado ou relido; o resto sim. Setores ilegíveis não podem ser provados limpos: destrua fisicamente esta unidade.</numerusform>
            <numerusform>❌ %n setores de %1 não puderam ser gravados ou relidos; o resto sim. Setores ilegíveis não podem ser provados limpos: destrua fisicamente esta unidade.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ O apagamento da unidade terminou com exceções: %n setor não pôde ser apagado.</numerusform>
            <numerusform>⚠️ O apagamento da unidade terminou com exceções: %n setores não puderam ser apagados.</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ Apagamento da unidade concluído.</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ As chaves de criptografia foram destruídas.</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 já foi escolhida neste apagamento, ela mesma ou como unidade de uma partição escolhida: nada foi gravado.</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: apagada, não ficou pronta para usar: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>uma unidade que recusou setores deve ser destruída, não usada de novo</translation>
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
        <translation>NIST 800-88 (1 passagem)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 passagens)</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann (35 passagens)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 passagens)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 passagens)</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>Verificar após a última passagem</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Iniciar</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>Escolher o método de apagamento</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>Remover também miniaturas, arquivos recentes e registros da Lixeira</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>Destruir as chaves de criptografia (%1)</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>Destruir as chaves de criptografia antes de sobrescrever</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>Apagamento próprio da unidade:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>Depois sobrescrevê-la mais uma vez (1 passagem aleatória)</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>Depois:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>Deixá-la em branco</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>Deixá-la pronta para usar: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>Deixá-la pronta para usar: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>Deixá-la pronta para usar: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>Depois que o apagamento der certo: uma nova tabela de partições com uma partição sobre a unidade inteira, e um novo sistema de arquivos nela.</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Abrir e sobrescrever também o seu %n setor oculto</numerusform>
            <numerusform>Abrir e sobrescrever também os seus %n setores ocultos</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>A unidade esconde estes setores do computador (uma área protegida, HPA). Eles são abertos para o apagamento até a unidade ser desligada da próxima vez, e restaurados depois. Sem isso ficam como estão, e o relatório diz isso.</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>Escolha um método.</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88 (1 passagem aleatória)</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M (3 passagens)</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5 (2 passagens)</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR (7 passagens)</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann de 35 passagens</translation>
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
            <numerusform>%n entrada, %1 no total</numerusform>
            <numerusform>%n entradas, %1 no total</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>Destruir as chaves de criptografia</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>Destruir as chaves de criptografia, depois %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>Apagamento próprio da unidade (%1)</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>Apagamento próprio da unidade (%1), depois %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>Espaço livre de %1 em %2 (%3): %4 de %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>Tudo em %1 em %2 (%3), %4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>Não apagado</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Apagado em parte: %n item abaixo não apagado</numerusform>
            <numerusform>Apagado em parte: %n itens abaixo não apagados</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>Não apagado: a tarefa foi interrompida antes</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>Não apagado: ainda presente</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>Não apagado: sumiu, mas não por esta tarefa</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Nem Clear nem Purge (NIST SP 800-88): o apagamento não terminou.</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>Apagar arquivos e pastas</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Apagar um volume inteiro</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Apagar espaço livre</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>Apagar uma unidade inteira</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>Apagado</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Concluído com problemas</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>Interrompido antes do fim</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>Não terminou</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ O apagamento foi interrompido.</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %2 de %n entrada apagada, %3 gravados.</numerusform>
            <numerusform>%1 %2 de %n entradas apagadas, %3 gravados.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %2 gravados em %3.</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1.</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Apagado com exceções: %n setor não pôde ser gravado ou relido; destrua fisicamente esta unidade</numerusform>
            <numerusform>Apagado com exceções: %n setores não puderam ser gravados ou relidos; destrua fisicamente esta unidade</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>sim</translation>
    </message>
    <message>
        <source>no</source>
        <translation>não</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>Volume</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>Dispositivos</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de série %1</translation>
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
        <translation>Rotativo</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>Aceita descartes (TRIM)</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>Criptografia</translation>
    </message>
    <message>
        <source>none</source>
        <translation>nenhuma</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>Sanitização</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>Apagamento próprio da unidade</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>Resposta da unidade</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>concluído</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>ainda em andamento quando o Velmora parou de aguardar</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>falhou</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>não enviado</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>Verificação por amostragem</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>%1 blocos ao longo da unidade marcados antes e lidos depois: %2 como o comando promete, %3 não</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>não feita</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n bloco amostrado ao longo da unidade relido e comparado: idêntico</numerusform>
            <numerusform>%n blocos amostrados ao longo da unidade relidos e comparados: idênticos</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n bloco amostrado ao longo da unidade relido e comparado: diferente</numerusform>
            <numerusform>%n blocos amostrados ao longo da unidade relidos e comparados: diferentes</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 relidos e comparados: idênticos</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 relidos e comparados: diferentes</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>não feito: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>uma nova tabela de partições %1 com uma partição (%2), e um sistema de arquivos %3 vazio nela</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>uma nova tabela de partições %1 com uma partição (%2), e um sistema de arquivos %3 vazio nela com o rótulo %4</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>não informado pela unidade</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>Arquivo de imagem</translation>
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
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>Firmware</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidade</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>Tamanho do setor</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>%1 bytes lógicos, %2 bytes físicos</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>Conexão</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2 em %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>Tabela de partições anterior</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>nenhuma encontrada</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>Chaves de criptografia</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: %2 slot(s) de chave destruído(s), %3 de cabeçalhos sobrescritos</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>Passagem %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>dados aleatórios, %1, completa</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>dados aleatórios, %1, incompleta</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>Verificação</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>Descarte</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>a unidade inteira, com segurança</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>a unidade inteira</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>recusado pela unidade</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>não suportado pela unidade</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>Pronta para usar de novo</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>Apagamento próprio da unidade (%1, %2), depois sobrescrita</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>Apagamento próprio da unidade (%1, %2)</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>Sobrescrita</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>Apagamento criptográfico</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>Apagamento criptográfico, depois sobrescrita</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Blocos amostrados ao longo da unidade, marcados antes do apagamento próprio da unidade e lidos depois (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>Blocos amostrados ao longo da unidade relidos após a última passagem e comparados (NIST SP 800-88 Rev. 1, 4.7)</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>A última passagem relida do dispositivo e comparada</translation>
    </message>
    <message>
        <source>None</source>
        <translation>Nenhum</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Nem Clear nem Purge (NIST SP 800-88): uma sobrescrita através do sistema de arquivos não alcança cada bloco endereçável da mídia.</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>Registro de sanitização</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>Fabricante</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Número de patrimônio</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>Tipo de mídia</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Origem da mídia</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>Categoria</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>Técnica</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>Ferramenta</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>Método de verificação</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destino após a sanitização</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>Realizado por</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organização</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Assinatura</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Verificado por</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>Produto</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>Computador</translation>
    </message>
    <message>
        <source>User</source>
        <translation>Usuário</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>Início</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>Método</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>Relido</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>A última passagem foi relida e comparada</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>Pedido, não feito: a tarefa não terminou</translation>
    </message>
    <message>
        <source>No</source>
        <translation>Não</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Ponto de montagem</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de arquivos</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON assinado com a chave</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>SHA-256 do JSON assinado</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>Gravado</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>Relido e comparado</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>Duração</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>Taxa</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>Entradas</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%1 de %Ln entrada apagada.</numerusform>
            <numerusform>%1 de %Ln entradas apagadas.</numerusform>
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
        <translation>Demais para listar uma a uma: cada pasta, e cada entrada que não foi apagada.</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%1 de %Ln apagada</numerusform>
            <numerusform>%1 de %Ln apagadas</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>Nenhum.</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n item não pôde ser apagado com segurança:</numerusform>
            <numerusform>%n itens não puderam ser apagados com segurança:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… e mais %n.</numerusform>
            <numerusform>… e mais %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Relatório de apagamento do Velmora</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>Armazenamento</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>Observações</translation>
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
        <translation>Arraste arquivos ou pastas para cá</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>Adicionar arquivo</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>Adicionar pasta</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>Limpar tudo</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>Adicionar Lixeira</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>Remover da lista</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>Adicionando arquivos e pastas, aguarde...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>Escolher arquivos</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>Aguarde...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>Escolher pasta</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>Lixeira</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>A Lixeira está vazia.</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entrada, %1 no total</numerusform>
            <numerusform>%n entradas, %1 no total</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>Não adicionado</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ Não foi possível remover um arquivo de preenchimento: %1 (%2 MB, %3). Exclua-o para recuperar o espaço.</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ Não é possível criar outro arquivo de preenchimento: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ A gravação do arquivo de preenchimento falhou: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ A sincronização do arquivo de preenchimento falhou: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ A verificação falhou: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>registros de arquivos</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 Sobrescrevendo os registros de arquivos livres, que guardam os nomes dos arquivos excluídos...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ A sobrescrita dos nomes dos arquivos excluídos falhou: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 Removido um arquivo de preenchimento deixado por um apagamento interrompido: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 Você não pode gravar na raiz do volume; o seu espaço livre é preenchido a partir da sua pasta: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ %1 MB de espaço livre estão reservados ao administrador do sistema e não podem ser sobrescritos; apague o espaço livre como root para alcançá-los.</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>espaço livre</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>nomes e journal</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 Sobrescrevendo os nomes dos arquivos excluídos, os inodes livres e o journal...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %1 MB do espaço livre de %2 não foram sobrescritos: o seu sistema de arquivos ainda os conta como livres, mas o seu driver não aceitou mais. O que arquivos excluídos deixaram ali pode permanecer. Verificar o volume enquanto não está montado (fsck.fat) corrige a contagem para o próximo apagamento.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Os nomes dos arquivos excluídos podem permanecer em %1: o seu driver (%2) é lento demais para sobrescrevê-los.</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ Os nomes dos arquivos excluídos podem permanecer em %1: este sistema de arquivos (%2) os guarda onde um preenchimento não chega.</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ O XFS reservou %1 MB do espaço livre de %2 enquanto o preenchimento ocupava o volume, em blocos de cada grupo de alocação que não podem ser dados a nenhum arquivo; sem TRIM, eles guardam o que continham.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 O journal de %1 foi esvaziado e os seus blocos zerados: ele não guarda nenhuma cópia do que foi apagado.</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 O journal de %1 foi esvaziado e os seus blocos descartados no dispositivo.</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 Tirando do journal os nomes apagados...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ O journal de %1 ainda pode conter os últimos nomes apagados; apagar como administrador o esvazia.</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ Tirar do journal os nomes apagados falhou em %1: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ Blocos livres descartados no dispositivo (TRIM): %1 MB</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ O espaço livre do sistema de arquivos foi descartado no dispositivo (TRIM).</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ Sem TRIM: o dispositivo descarta, mas este sistema de arquivos (%1) ou o seu driver não repassa.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ Sem TRIM: este dispositivo não descarta blocos livres.</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ Sem TRIM: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ Os registros de arquivo livres de %1 não foram sobrescritos: o volume não aparecia cheio após o preenchimento. Nomes de arquivos excluídos podem permanecer neles.</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>um rótulo FAT32 aceita só letras, dígitos, espaços e -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>um rótulo FAT32 aceita no máximo 11 caracteres</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>um rótulo não aceita caracteres de controle</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>um rótulo ext4 aceita no máximo 16 bytes</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 não está instalado</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>não foi possível gravar a tabela de partições: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>não foi possível alcançar a nova partição: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 falhou (%2): %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>o rótulo não é um texto válido</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>um rótulo exFAT aceita no máximo 11 caracteres</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1 (isto é, %2)</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>Foi dado um caminho vazio. Ele é recusado, para que uma variável não definida em um script nunca signifique a pasta atual.</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>Arquivo ou pasta inexistente: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 é a raiz do sistema de arquivos: tudo o que há neste computador. Ela nunca é apagada inteira.</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 pertence ao sistema operacional. Apagá-lo quebraria este computador; isso é recusado.</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 contém os dados de outros usuários ou dos serviços do sistema. Nunca é apagado inteiro; escolha as pastas dentro dele.</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 é uma pasta pessoal ou contém uma. Nunca é apagada inteira; escolha os arquivos e pastas dentro dela.</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 é um dispositivo, não um arquivo: removê-lo não apagaria nada no dispositivo. Para destruir o que um volume contém, apague o volume (Apagar disco).</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 é um socket ou uma FIFO, não um arquivo: não contém nada a apagar.</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 contém o sistema em execução e não pode ser apagado.</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 contém a sua pasta pessoal e não pode ser apagado. Apague em vez disso os arquivos que escolher, ou o seu espaço livre.</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>a unidade não informa mais o tamanho nativo que informava</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>a unidade recusou SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>um endereço máximo acessível reduzido é mantido pela unidade entre desligamentos: aumentá-lo mudaria a unidade para sempre</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 esconde %n setor (%2) além do fim que mostra (um endereço máximo acessível reduzido): ele não é apagado.</numerusform>
            <numerusform>%1 esconde %n setores (%2) além do fim que mostra (um endereço máximo acessível reduzido): eles não são apagados.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 esconde %n setor (%2) além do fim que mostra (uma área protegida, HPA): ele não é apagado.</numerusform>
            <numerusform>%1 esconde %n setores (%2) além do fim que mostra (uma área protegida, HPA): eles não são apagados.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 Permissão negada: uma parte pertence a outro usuário ou ao sistema. Inicie o Velmora com “Executar como administrador” para apagá-la.</translation>
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
        <translation>um apagamento do volume inteiro %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>um apagamento do espaço livre de %1</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1 (pid %2), iniciado %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ Nenhum registro desta tarefa pode ser guardado em %1 (%2): se ela for interrompida, a próxima inicialização não saberá dizer o que ficou inacabado.</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>Um apagamento de arquivos e pastas</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>Um apagamento do volume inteiro %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>Um apagamento do espaço livre de %1</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>Um apagamento da unidade inteira %1, da qual cada setor tinha sido sobrescrito,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>Um apagamento da unidade inteira %1, cujas chaves LUKS podem ou não ter sido destruídas,</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>Um apagamento da unidade inteira %1, que ainda pode conter parte dos seus dados antigos,</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>Uma tarefa foi interrompida, mas o seu registro não pode ser lido: não se sabe o que ficou inacabado, e nada foi limpo. O registro foi guardado como %1.</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1 (%2), iniciado %3, foi interrompido antes do fim%4.</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>, durante: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>Nenhuma das suas entradas restou no disco.</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>Não terminado, ainda lá:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … e mais %n</numerusform>
            <numerusform>  … e mais %n</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 não responde: o que a tarefa deixou ali não foi procurado.</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>Removidos os arquivos auxiliares que deixou em %1.</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>%n arquivo auxiliar que deixou em %1 não pôde ser removido.</numerusform>
            <numerusform>%n arquivos auxiliares que deixou em %1 não puderam ser removidos.</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>Devolvida a %1 a reserva que havia emprestado.</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>A reserva que havia emprestado não pôde ser devolvida a %1; montar o volume de novo a restaura.</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>A unidade: %1.</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de série %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 ainda a indica.</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 agora indica outro dispositivo: apagar %1 de novo não terminaria esta unidade.</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 não está lá agora.</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ Apagamento interrompido: Ctrl-C (SIGINT).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ Apagamento interrompido: pedido para terminar (SIGTERM).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ Apagamento interrompido: o terminal ou a sessão foi fechado (SIGHUP).</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ Apagamento interrompido pelo sinal %1.</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>não é possível ler o espaço de %1</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ A operação terminou antes do tempo: %1</translation>
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
            <numerusform>%n entrada de arquivos recentes</numerusform>
            <numerusform>%n entradas de arquivos recentes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n registro da Lixeira</numerusform>
            <numerusform>%n registros da Lixeira</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 Rastros removidos: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ Não há pasta pessoal: miniaturas, arquivos recentes e registros da Lixeira não foram procurados.</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>rastros</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 Removido da lista de tamanhos de pastas da Lixeira: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ A lista de arquivos recentes foi deixada como estava: %1. Ela ainda pode nomear o que foi apagado.</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 Removido dos arquivos recentes: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ Não apagado: %1 ainda está lá, embora nada tenha impedido a sua remoção.</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ Não apagado: %1 ainda está lá, então a sua pasta não pôde ser removida.</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Não apagado: mais %n entrada ainda em %1.</numerusform>
            <numerusform>⚠️ Não apagado: mais %n entradas ainda em %1.</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ Não foi possível apagar com segurança: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ Partes dos arquivos apagados podem ter sido gravadas em uma swap sem criptografia (%1); nenhum apagamento de arquivos as alcança lá.</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ Outra tarefa do Velmora está trabalhando em %1: nada foi gravado. Aguarde ela terminar.</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ Ignorado (não pôde ser apagado): %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>arquivos</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ Não é possível criar o arquivo temporário para apagar o espaço livre.</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>limpeza</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ Apagamento completo do disco terminado: nem tudo foi apagado.</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ Apagamento completo do disco concluído.</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ Não é possível criar o arquivo de gravação para apagar o espaço livre.</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ Apagamento do espaço livre terminado: nem todo o espaço livre foi sobrescrito.</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ Apagamento do espaço livre concluído.</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>Apagar arquivos</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>Apagar volume</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>Apagar espaço livre</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>Apagar unidade</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>Agendado: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>não assinado</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>alterado depois de assinado</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>assinado com outra chave</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1 (diz: %2)</translation>
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
        <translation>Apagar disco</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Apague dados de vez &amp;amp; evite vazamentos&lt;/span&gt;&lt;/p&gt;&lt;p&gt;O Velmora apaga com segurança dados sensíveis do seu disco ou pendrive. &lt;br/&gt;Proteja a sua privacidade e evite vazamentos de dados de vez.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>Apagar espaço livre</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>Apagar arquivo</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>Volumes</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>Unidades</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>Apagar unidades inteiras</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>Marque uma unidade, ou várias para apagá-las ao mesmo tempo.</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>Apagar um volume inteiro</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>Tudo no volume escolhido é apagado, depois o seu espaço livre é preenchido.</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>Apagar o espaço livre de um volume</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>O que arquivos excluídos deixaram no seu espaço livre é sobrescrito; os arquivos nele ficam.</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>Cada setor da unidade escolhida é sobrescrito: todas as suas partições e a sua tabela de partições.</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>Apagar uma unidade inteira exige direitos de administrador: inicie o Velmora no modo administrador para escolher uma.</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
Tamanho: %2 bytes, setores de %3 bytes (%4 físicos)</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>Arquivo de imagem: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Direitos de administrador necessários</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>Apagar uma unidade inteira grava no próprio dispositivo, o que só o administrador pode fazer. Inicie o Velmora no modo administrador e escolha a unidade de novo.</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>Iniciar no modo administrador</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>Nenhuma unidade escolhida</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>Escolha uma unidade e clique em Avançar!</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>Erro</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>A unidade %1 não está mais lá.</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>Perguntando a %1 o que oferece…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>Apagamento cancelado.</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 Apagando a unidade inteira %1, aguarde...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>Isto vai destruir permanentemente tudo o que há nesta unidade.</numerusform>
            <numerusform>Isto vai destruir permanentemente tudo o que há nestas %n unidades.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n unidade</numerusform>
            <numerusform>%n unidades, apagadas ao mesmo tempo</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ Os arquivos selecionados foram sobrescritos e removidos. O que pode permanecer:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ Todos os arquivos selecionados foram apagados permanentemente.</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 O disco foi apagado. O que pode permanecer:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 O disco foi apagado com segurança e agora está limpo.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 O espaço livre foi sobrescrito. O que pode permanecer:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 O espaço livre foi apagado com segurança; não restam rastros.</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 O espaço livre foi sobrescrito.</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 A unidade %1 se apagou com o seu próprio comando, e nenhum dos blocos amostrados ao longo dela é lido como antes.</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 As chaves de criptografia de %1 foram destruídas: o que ela contém não pode mais ser descriptografado.</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 As chaves de criptografia de %1 foram destruídas e a unidade sobrescrita.</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 A unidade %1 foi sobrescrita.</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ Operação de apagamento concluída.</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Salvar relatório…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>Apagar o espaço livre de %1…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ O resultado desta tarefa não pôde ser guardado: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>Relatório de apagamento</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>Salvar relatório</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>Relatório não salvo</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>Não foi possível salvar o relatório em %1: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 Relatório salvo em %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>Unidades apagadas: %1 de %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>Nem todas as unidades foram apagadas</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Salvar relatórios…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ Apagamento interrompido pelo usuário.</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>A operação não terminou:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n item não pôde ser apagado com segurança:</numerusform>
            <numerusform>⚠️ %n itens não puderam ser apagados com segurança:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>Concluído com problemas</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>Adicionar de volta o que não foi apagado (%1)</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Confirmar parada</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>Tem certeza de que deseja parar?</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ Um apagamento agendado em %1 não fez tudo o que devia: veja Relatórios… no menu.</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>Arquivos de preenchimento restantes</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>Um apagamento interrompido deixou estes arquivos de preenchimento; removê-los libera %1:

%2

Removê-los agora?</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>%n arquivo de preenchimento não pôde ser removido; um apagamento do espaço livre desse volume o remove.</numerusform>
            <numerusform>%n arquivos de preenchimento não puderam ser removidos; um apagamento do espaço livre desse volume os remove.</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>Apagamento interrompido</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>Apagar agora o que sobrou?</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>Escolher a unidade de novo agora?</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>Escolher o volume de novo agora?</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>Apagamento em andamento</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>Um apagamento está em andamento. Pará-lo e sair?</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>O dispositivo não responde; saindo sem aguardá-lo.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>Suporte</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>Apagar a Lixeira…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>Um apagamento está em andamento. O que está na Lixeira está na lista de arquivos a apagar, para quando ele terminar.</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>Agendar…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>Relatórios…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>Dados do relatório…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>Mostrar relatório…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>Aguarde</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

Este programa ajuda você a apagar com segurança arquivos, discos e espaço livre.

Copyright © 2026 Os desenvolvedores do Velmora</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>Nenhum navegador</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>Nenhum navegador web pôde ser iniciado. A página está em:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Manual do Velmora</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>Nenhum navegador web pôde ser iniciado; este é o manual instalado com o Velmora. A ajuda on-line está em %1.</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>Este disco contém o sistema em execução e não pode ser apagado.</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>Este disco contém a sua pasta pessoal e não pode ser apagado. Apague em vez disso os arquivos que escolher, ou o seu espaço livre.</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>Isto vai destruir as chaves de criptografia de %1: nada nela poderá ser descriptografado de novo.</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>Isto vai destruir permanentemente tudo o que há na unidade %1.</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>Método escolhido: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>Nenhum arquivo</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>Adicione pelo menos um arquivo.</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>Escolha um método de apagamento!</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>A operação de apagamento foi cancelada.</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>Nenhum disco escolhido</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>Escolha um disco e clique em Avançar!</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>Escolha primeiro um método de apagamento!</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>Nenhum disco escolhido!</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>O caminho do disco escolhido é inválido!</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>Não é possível obter a capacidade do disco!</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 Apagando o disco, aguarde...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>Escolha primeiro um método de apagamento!</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>Cancelado</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>A operação de apagamento foi cancelada.</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>Não é possível obter o espaço livre!</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 Apagando o espaço livre, aguarde...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>rede</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>memória · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>memória</translation>
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
        <translation>pendrive</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>unidade USB</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>cartão SD</translation>
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
        <translation>imagem de disco</translation>
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
        <translation>desconhecido</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>não responde</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>imagem · %1</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · criptografado</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>número de série %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>uma unidade SSD</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>um disco rígido</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>uma unidade USB</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>um cartão SD</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>uma memória flash eMMC</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 é um sistema de arquivos de rede (%2): o servidor pode guardar cópias e snapshots do que foi apagado, que nenhuma sobrescrita a partir deste computador alcança.</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 está na memória (%2): o que foi apagado ali some quando o computador é desligado.</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 está na memória (%2): o que foi apagado ali some quando o computador é desligado, mas partes podem ter sido gravadas em uma swap sem criptografia (%3).</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 é criptografado (%2): as cópias anteriores que a unidade por baixo possa guardar também estão criptografadas, e não podem ser lidas sem a sua chave.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 está em %2: a unidade pode guardar cópias anteriores em células flash que nenhuma sobrescrita alcança. O Velmora pede a ela que descarte os blocos liberados (TRIM). Para ter certeza, mantenha a unidade criptografada, ou use o comando de sanitização próprio da unidade antes que ela saia das suas mãos.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 está em %2: a unidade pode guardar cópias anteriores em células flash que nenhuma sobrescrita alcança, e não aceita descartes (TRIM). Para ter certeza, mantenha a unidade criptografada, ou use o comando de sanitização próprio da unidade antes que ela saia das suas mãos.</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 está em %2: se contém memória flash, como os pendrives, pode guardar cópias anteriores em células que nenhuma sobrescrita alcança. Para ter certeza, mantenha a unidade criptografada.</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Nem Clear nem Purge (NIST SP 800-88): uma sobrescrita através do sistema de arquivos não alcança cada bloco endereçável da mídia.</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>Na memória flash, as células que a unidade remapeou ficam fora do alcance do computador.</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>Os blocos ficam em outro computador.</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>O volume é criptografado: o que a unidade guarda por baixo é texto cifrado.</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ O Velmora não sabe qual sistema de arquivos %1 contém (o seu driver diz “%2”): os nomes dos arquivos apagados, e o que o seu driver guarda deles, podem permanecer ali.</translation>
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
            <numerusform>cerca de %n s restante</numerusform>
            <numerusform>cerca de %n s restantes</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>cerca de %n min restante</numerusform>
            <numerusform>cerca de %n min restantes</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>cerca de %1 h %2 min restantes</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>passagem %1 de %2</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>Parando: aguardando o dispositivo terminar a gravação em andamento…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>Finalizando…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>Apagado por</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>Cargo</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organização</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>Contato</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>Número de patrimônio</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>Origem da mídia</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>Destino após a sanitização</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>Verificado por</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>Cargo de quem verificou</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>Dados do relatório</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>Cada relatório traz estes dados. O que ficar vazio é impresso como uma linha para preencher à mão.</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>a chave de assinatura %1 pode ser alterada por outros (modo %2): ela não é usada</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>a chave de assinatura %1 pertence a outro usuário (uid %2)</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>outros podem ler a chave de assinatura %1 (modo %2): quem puder pode assinar resultados em seu nome</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 não contém nenhuma chave privada Ed25519</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>nenhuma chave de assinatura pôde ser criada</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>uma nova chave de assinatura foi criada: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>a sua assinatura tem um campo que o relatório não tem: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>falta à sua assinatura o campo %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>não foi possível assinar o resultado</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>o relatório não está assinado</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>o relatório foi alterado depois de assinado</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>a sua assinatura nomeia a chave %1, mas foi feita com a chave %2</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>o SHA-256 na sua assinatura não é o do relatório</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>foi assinado com a chave %1, não %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>Relatórios</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>O resultado assinado de cada tarefa, do mais recente, com o seu relatório quando um foi feito. Os apagamentos agendados aparecem junto.</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Fim</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>Tarefa</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Alvo</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>Nenhuma tarefa foi executada ainda: o resultado de cada uma fica guardado aqui.</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>Abrir</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>Salvar como…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>Verificar assinatura</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Abrir pasta</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>Assinatura</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 já existe</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>não foi possível gravar %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>Salvar relatório como</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>Não salvo</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>Este resultado não está como foi assinado: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>A assinatura está correta: este resultado está como foi assinado, com a chave %1.</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>uma partição: o apagamento próprio da unidade pega a unidade inteira</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>um dispositivo loop não tem apagamento próprio</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>na memória: não tem apagamento próprio</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>um disco virtual (virtio): o hospedeiro não repassa comandos de apagamento a ele</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>atrás de uma ponte USB: conecte-a diretamente para usar o seu próprio apagamento</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>um cartão SD ou eMMC: o Velmora não envia o seu próprio apagamento</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>um disco de rede não tem apagamento próprio</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>são necessários direitos de administrador para perguntar à unidade o que ela oferece</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>o kernel não repassa comandos a ela</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>não foi possível perguntar a ela: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>ela se recusou a se identificar (status NVMe 0x%1)</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>ela não oferece nem Sanitize nem Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>status ATA 0x%1, erro 0x%2, motivo 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>sense SCSI %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>o seu SANITIZE está congelado: suspenda e retome o computador para liberá-lo, depois pergunte de novo</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>ela não suporta o conjunto de recursos ATA SANITIZE</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>ela não diz quais comandos suporta</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>ela não suporta SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>a unidade não oferece %1; ela oferece %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>status NVMe 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>o namespace não pôde ser identificado (%1)</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>a unidade falhou no Format (%1)</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>a unidade recusou o Sanitize (%1)</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>o seu log de Sanitize não pôde ser lido (%1)</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>a unidade informa que o Sanitize falhou</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>a unidade não informa nenhum Sanitize desde a fabricação</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>a unidade recusou o SANITIZE (%1)</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>a unidade não disse como está o seu SANITIZE</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>a unidade informa que o SANITIZE falhou (%1)</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>a unidade não informa nenhum SANITIZE concluído (%1)</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>a unidade informa %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>apagamento próprio: nenhum (%1)</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>apagamento próprio: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>; segurança congelada: suspenda e retome o computador para liberá-la</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>Apagamentos agendados</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>Apagamentos que rodam sozinhos:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>Nada foi agendado ainda. Escolha abaixo o que apagar, com que frequência e como, depois Adicionar.</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>Remover</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Apagar a Lixeira</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Apagar o espaço livre de %1</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>semanal</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>mensal</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Adicionar</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>&amp;O quê:</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>&amp;Frequência:</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>&amp;Método:</translation>
    </message>
    <message>
        <source>active</source>
        <translation>ativo</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>inativo</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>Cada execução deixa o seu relatório em %1.</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>o systemd não roda aqui: os temporizadores estão gravados, mas inativos.</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>Não agendado</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>Não removido</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>mensal</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>semanal</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>Apagar a Lixeira</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>Apagar o espaço livre de %1</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>roda semanal ou mensalmente, não %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>método desconhecido %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>um apagamento do espaço livre precisa de um ponto de montagem</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>os relatórios das suas execuções não podem ser guardados em %1: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>não há agendamento %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>não pode ser removido</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>Unidade</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progresso</translation>
    </message>
    <message>
        <source>State</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>Salvar relatórios…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Concluído</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Parar</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Apagando %n unidade. Ela tem o seu próprio progresso e o seu próprio relatório.</numerusform>
            <numerusform>Apagando %n unidades de uma vez. Cada uma tem o seu próprio progresso e o seu próprio relatório.</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>Em andamento</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ O resultado desta unidade não pôde ser guardado: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>Confirmar parada</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>Parar todas as unidades? As que ainda não foram apagadas mantêm o que contêm.</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ Parando todas as unidades…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>não foi possível gravar %1</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>não foi possível assinar o resultado de %1: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>Salvar relatórios</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>Relatórios não salvos</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>Não foi possível salvar os relatórios em %1: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 O relatório e o resultado assinado de cada unidade foram salvos em %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>não é texto UTF-8</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>não pode ser lido</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>outro programa não parava de alterá-lo</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ A Lixeira %1 é deixada como está: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>é um link</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>não é uma pasta</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>não é sua</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>falta o sticky bit que uma Lixeira compartilhada tem</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>o seu volume não responde</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ Alterado enquanto era apagado, deixado como está: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ Não foi possível remover a pasta: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ A verificação falhou: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ Sobrescrito e removido, mas o sistema de arquivos informou um erro, então não se sabe se está apagado: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ Apagado com segurança: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ Arquivo vazio excluído: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ Pasta vazia removida: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 é um sistema de arquivos de cópia na gravação (%2): uma sobrescrita no lugar não alcança as cópias antigas que ele guarda. Apague depois o espaço livre deste volume.</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ Até %1 de cópias antigas do que foi apagado podem permanecer em %2 até que o seu espaço livre seja apagado.</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ Os nomes dos arquivos apagados podem permanecer nas entradas livres das suas pastas em %1: o seu driver (%2) é lento demais para sobrescrevê-los.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Os nomes apagados de %1 podem permanecer em blocos que a sua pasta devolveu ao volume (XFS); apague o espaço livre do volume para alcançá-los.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ Os nomes apagados de %1 podem permanecer nas suas entradas livres: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 As entradas livres de %n pasta que continha nomes apagados foram sobrescritas.</numerusform>
            <numerusform>🧹 As entradas livres de %n pastas que continham nomes apagados foram sobrescritas.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ Os nomes apagados de mais %n pasta podem permanecer nas suas entradas livres; apague o espaço livre do volume para alcançá-los.</numerusform>
            <numerusform>⚠️ Os nomes apagados de mais %n pastas podem permanecer nas suas entradas livres; apague o espaço livre do volume para alcançá-los.</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 O espaço que os arquivos apagados e as suas pastas devolveram a %1 foi sobrescrito.</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ Os nomes apagados das pastas de %1 podem permanecer no espaço que as pastas devolveram ao volume (exFAT); apague o espaço livre do volume para alcançá-los.</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>o arquivo é imutável</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>o arquivo aceita só acréscimos</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ Arquivo não encontrado: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ Só este nome foi removido: outros links fora da seleção mantêm o seu conteúdo legível: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 Apagando: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ Continuou crescendo enquanto era apagado; o que foi gravado nesse meio-tempo pode permanecer no dispositivo: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ Não apagado, outro volume está montado aqui: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 Link removido: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ Não foi possível abrir a pasta: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ Arquivo especial removido: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ Não foi possível listar a pasta: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ Atalho removido: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>no byte %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>o dispositivo devolveu outros dados no byte %1</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 Verificados %1 de dados</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>Voltar</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>Atualizar</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Avançar</translation>
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
Rótulo: %3
Capacidade: %4 bytes
Disponível: %5 bytes</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(nenhum)</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>Mídia: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>Dispositivos: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>Escolher</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>Ponto de montagem</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>Capacidade</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>Disponível</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>Sistema de arquivos</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>Dispositivo</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mídia</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>Este volume não responde; ele não pode ser escolhido agora.</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>Modelo</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>Número de série</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Tamanho</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>Partições</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Estado</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>Direitos de administrador necessários</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>Pode ser apagada</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>Apaga sem possibilidade de recuperação arquivos e pastas, ou apaga um volume inteiro ou o seu espaço livre.</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>Arquivos e pastas a pôr na lista para apagar.</translation>
    </message>
</context>
</TS>
