<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli：%1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>要擦除剩余部分：velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>要再次运行：velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 正在擦除 %1 的可用空间，已擦除内容的旧副本可能残留在那里……</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify 和 --crypto-erase 只能与 drive 一起使用</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash 只能与 erase 一起使用</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize 和 --then-overwrite 只能与 drive 一起使用</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite 需跟在 --sanitize 后面</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize 和 --crypto-erase 不能同时使用：驱动器自身的加密擦除是 --sanitize=crypto-erase</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize 不覆写任何内容：--method 需与 --then-overwrite 一起使用</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample 和 --verify=full 只能与 drive 一起使用；--verify 会回读最后一遍</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= 和 --no-verify 互相矛盾</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format 只能与 drive 一起使用</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label 为 --format 创建的内容命名</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace 只能跟在 erase 后面</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>请尝试“velmora-cli --help”。</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= 没有指定操作</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= 接受 sample 或 full</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>未知命令 %1；命令有 erase、wipe、freespace、drive、drives、schedule、check-report、volumes 和 reports</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2：%3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 位于要擦除的内容之中；未擦除任何内容</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>另一个 Velmora 任务正在处理 %1；未擦除任何内容。请在它结束后再运行本任务。</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 正在处理 %2；未擦除任何内容。请在它结束后再运行本任务。</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 不是块设备</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>擦除整个驱动器需要管理员权限：请以 root 身份运行（sudo）</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>未知操作 %1；操作有 crypto-erase、block-erase、format-crypto、format-erase 和 overwrite</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1：没有可发送的自身擦除：%2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 需要一个路径</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>无法从命令行读取路径</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>回收站是空的；没有要擦除的内容。
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>（--no-preserve-root 可覆盖此限制。）</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 只接受一个挂载点</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>给出了空路径；%1 需要卷的挂载点</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 需要卷的挂载点的绝对路径，而不是 %2</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 不是卷的挂载点</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>无法读取 %1 的空间</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>未知文件系统 %1；--format 接受 exfat、fat32 或 ext4</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format 需要整个驱动器：%1 是一个分区</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive 只接受一个块设备，例如 /dev/sdb</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli：%1 在主机保护区（HPA）中隐藏了 %n 个扇区：它将为擦除而打开，并一同覆写。
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli：警告：%1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 不含 LUKS 容器；--crypto-erase 需要一个</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>无法读取 %1 的 LUKS 头（%2）；请不带 --crypto-erase 擦除整个驱动器</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes 只接受 --json</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports 只接受 --json</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>尚未运行过任何任务：每个任务的结果都保存在 %1
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives 只接受 --json</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>分区：%1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>未启用</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>没有计划的擦除。
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>此处没有运行 systemd：定时器已写入，但未启用。
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove 需要 list 显示的名称</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>已移除 %1。
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule 需要 add、list 或 remove</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add 需要 trash，或 freespace 加一个挂载点</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>已将 %1 计划为 %2，位于 %3%4。
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation>（未启用：此处 systemd 不运行它）</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report 只接受一个 JSON 结果</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>这不是 JSON 结果（%1）</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>有效，由密钥 %1 签名
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
        <translation>无法恢复地擦除文件和文件夹、整个已挂载的卷，或卷的可用空间。

命令：
  erase 路径...          覆写并删除文件和文件夹
  wipe 挂载点            覆写已挂载卷上的所有内容
  freespace 挂载点       覆写已挂载卷的可用空间
  schedule add trash|freespace [挂载点] [--every weekly|monthly]
  schedule list | schedule remove 名称
                         自动运行可用空间擦除或回收站擦除
  check-report 文件.json [--key 指纹]
                         判断结果是否与签名时一致
  volumes [--json]       列出已挂载的卷及其下的介质
  drive 设备...          覆写整个驱动器或分区的每个扇区，
                         可同时处理多个
  drives [--json]        列出驱动器和分区，以及拒绝的原因
  reports [--json]       列出每个任务保存的结果和报告，最新的在前</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>擦除方法：NIST、DoD、British、German 或 Gutmann（默认 NIST）。</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>回读最后一遍并比较；对于驱动器，--verify=sample 只回读在整个驱动器上抽样的块。</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>不询问；供脚本使用。不加此项时，必须由终端作答。</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>只输出问题。</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>将结果以 JSON 写入 FILE。</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>将擦除报告以 PDF 写入 FILE。</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>列出擦除方法。</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>允许擦除 /、系统文件夹和主文件夹（但绝不包括设备）。</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase：保留已擦除文件的缩略图、最近文件条目、回收站记录和编辑器副本。</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase：将回收站中的所有内容（主文件夹的回收站和每个卷的回收站）加入路径。</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add：weekly（默认）或 monthly。</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report：报告必须使用的签名密钥的指纹（SHA256:…）。</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>报告：擦除人（也可写在 report.conf 中）。</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>报告：所属组织。</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>报告：地点。</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>报告：擦除人的联系方式。</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>报告：介质的资产编号。</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>报告：介质之后的去向（再利用、出售、销毁）。</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive：不回读最后一遍。</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive：擦除后使其可再次使用：一个新的分区表，含一个分区和一个空的 exfat、fat32 或 ext4 文件系统。</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format：新文件系统的卷标。</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive：为擦除打开主机保护区（HPA），直到驱动器下次断电，并一同覆写其中隐藏的内容。</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive：销毁其中 LUKS 容器的密钥；配合 --method 时，随后也覆写它。</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive：向驱动器发送其自身的擦除命令，--sanitize=操作（crypto-erase、block-erase、format-crypto、format-erase、overwrite），不指定时使用其提供的最强操作；之后检查在整个驱动器上抽样的块。</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize：随后再覆写一遍，并回读这一遍。</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase：随后擦除文件所在的每个卷的可用空间，以触及写时复制卷保留的旧副本。</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase、wipe、freespace、drive、drives、volumes、schedule、check-report 或 reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>文件和文件夹，或卷的挂载点。</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>未知方法 %1；velmora-cli --methods 可列出所有方法</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json 和 --report 需要一个文件名</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>没有命令；请尝试“velmora-cli --help”</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>，已回读在整个驱动器上抽样的块</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>，已回读最后一遍</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>这将永久销毁以下内容，且无法恢复：
  %1
方法：%2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  ……另有 %n 项
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>随后擦除它们所在卷的可用空间
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>这将永久销毁以下 %n 个驱动器，且无法恢复：%1
方法：%2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>未擦除任何内容：没有可用于确认的终端；请在脚本中传入 --yes 以确认</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>请输入英文单词 Erase 以确认：</translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>已取消；未擦除任何内容</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>正在停止：等待设备完成当前写入（再按一次 Ctrl-C 立即退出）……</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>无法写入 %1 %2（%3）；未擦除任何内容</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>无法签名 JSON 结果：%1；未擦除任何内容</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli：JSON 结果未签名：%1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>无法将 JSON 结果写入 %1：%2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>无法将报告写入 %1：%2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli：未能安全擦除：%1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli：……另有 %1 项未能安全擦除
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli：警告：无法保存结果：%1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>无法写入其结果文件</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>有多个驱动器时，%1 指定一个文件夹，每个驱动器的文件都放在其中</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>驱动器	序列号	状态
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 没有响应（网络服务器已消失，或驱动程序挂起）；未擦除任何内容</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 是其他用户创建的链接；请指定文件夹本身</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;这将永久删除所选文件。&lt;br/&gt;请输入英文单词“&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;”以继续：&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>请输入“Erase” </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>请输入英文单词“%1”以继续：</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>……另有 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>方法：%1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>在闪存上，驱动器重新映射过的单元超出主机的访问范围；只有驱动器自身的清除（sanitize）命令才能触及它们。</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge（NIST SP 800-88、IEEE 2883），通过驱动器自身的擦除：%1 已完成，且在整个驱动器上抽样的块中，没有一个在擦除前后读出相同内容。</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge（NIST SP 800-88），通过加密擦除：%1 容器的每个密钥槽和两个头部都已覆写。前提是数据一直只通过加密写入，且别处不存在头部的副本。</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear（NIST SP 800-88）：每个可寻址扇区都已覆写，并已回读在整个驱动器上抽样的块（NIST SP 800-88 Rev. 1, 4.7）。</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear（NIST SP 800-88）：每个可寻址扇区都已覆写，最后一遍已回读。</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear（NIST SP 800-88）：每个可寻址扇区都已覆写；最后一遍未回读。</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>既非 Clear 也非 Purge（NIST SP 800-88）：擦除未完成。</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>既非 Clear 也非 Purge（NIST SP 800-88）：%n 个扇区无法写入或回读，可能仍保留原有内容。请物理销毁该驱动器。</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>此驱动器上有正在运行的系统，无法擦除。</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>此驱动器上有您的主文件夹，无法擦除。</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>此分区位于正在运行的系统所在的驱动器上，无法擦除。</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>此分区位于您的主文件夹所在的驱动器上，无法擦除。</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>此驱动器上的一个卷已挂载（%1）：请先卸载它。</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>此驱动器上有正在使用的交换空间（%1）。</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>此驱动器正被 %1 使用（已打开的加密卷、RAID 或 LVM）：请先关闭它。</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>此驱动器正被 %1 打开：请先结束使用它的程序。</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>此驱动器是只读的。</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>正在运行的系统</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>主文件夹</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>系统驱动器</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>主文件夹所在驱动器</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>已挂载：%1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>交换空间使用中</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>被 %1 使用</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>被 %1 打开</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>只读</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 正在使用中（被已挂载的卷、映射、交换空间或其他程序占用）：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 是只读的：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ 擦除整个驱动器需要管理员权限：未向 %1 写入任何内容。</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ 无法打开 %1：%2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 不是块设备：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ 无法使用 %1：%2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 在打开时发生了变化：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 已不是选择时的那个驱动器（已被移除、调整大小或换了文件）：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 已不存在（%2）：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 现在指向的设备不是所选的那个：未写入任何内容。</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ 无法读取 %1 的大小：%2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 拒绝了超过 %2 个扇区：驱动器正在失效。无法证明其内容已被擦除；请物理销毁它。</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ 在 %1 上找到分区表：%2，%n 个分区。</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 不含 LUKS 容器：没有可销毁的密钥。</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ 无法读取 %1 的 LUKS 头（%2）：无法逐个销毁其密钥。覆写整个驱动器可以触及它们。</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>密钥</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ 无法销毁 %1 的密钥槽：%2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ %2 的 %1 个密钥槽已销毁，但覆写其前 %3 后仍在上面找到 LUKS 头。</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ %2 的 %1 个密钥槽已销毁，但其头部无法覆写：%3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 %3 上 %2 容器的 %1 个密钥槽和头部已销毁：任何密码短语或密钥文件都无法再打开它。</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>正在标记抽样块</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ 在 %1 自身擦除之前无法标记其抽样块：%2。未向驱动器发送任何命令。</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 正在向 %1 发送其自身擦除：%2……</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>驱动器自身的擦除</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>正在检查抽样块</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 已完成其自身擦除；在其上抽样的 %2 个块中没有一个读出与之前相同。</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 报告其自身擦除已完成，但在其上抽样的 %3 个块中仍有 %2 个读出与之前相同（第一个位于字节 %4）%5。它未被擦除：请覆写整个驱动器，或将其销毁。</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>，或无法读取</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 未执行 %2：%3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 估计其自身擦除需要 %2 分钟。</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 正在自行继续其自身擦除：驱动器的清除无法停止，断电后会继续。Velmora 已不再等待它，也没有检查它做了什么。</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 第 %1 遍（共 %2 遍），对象 %3（%4）……</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ 写入 %1 在第 %3 遍写入 %2 后失败：%4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ 第 %1 遍（共 %2 遍）已写入并同步。</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ 无法为擦除打开 %1 的隐藏扇区，它们保持原样：%2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>隐藏扇区</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 %1 的主机保护区（HPA）已为擦除打开，直到驱动器下次断电：%n 个扇区。</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ %1 的主机保护区（HPA）将保持打开，直到驱动器下次断电：%2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ %1 的隐藏扇区并未全部覆写并按写入内容回读：%2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>回读结果不同</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ %1 的 %n 个隐藏扇区已覆写并回读，限制已恢复。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ %1 的 %n 个隐藏扇区已覆写，限制已恢复。</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>抽样回读</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ 在 %3 上抽样的 %2 个块中有 %1 个回读结果与写入不符（第一个位于字节 %4）：驱动器没有保存写入的内容。</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ 已回读并比较在 %2 上抽样的 %1 个块。</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>回读</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 在字节 %2 处返回的数据与写入的不同：驱动器没有保存写入的内容。</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ 回读 %1 在字节 %2 处失败：%3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ 已回读并比较：%1，共 %2。</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ 未丢弃：%1 是磁盘映像；丢弃只会在其文件中打洞，而文件已被各遍覆写。</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ %1 已整体安全丢弃（安全 TRIM）。</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ %1 已整体丢弃（TRIM）。</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 不接受丢弃：%2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ 未丢弃：%1 不接受丢弃（TRIM）。</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>新文件系统</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 已可再次使用：一个新的 %2 分区表，以及 %4 上一个空的 %3 文件系统。</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>隐藏扇区已擦除：主机保护区（HPA），即驱动器显示的末尾之后的 %n 个扇区，已为擦除打开，与其余部分一样覆写，并已恢复。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>隐藏扇区未擦除：驱动器显示的末尾之后的 %n 个扇区既未覆写也未检查。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %1 的 %n 个扇区无法写入或回读；其余部分已完成。无法读取的扇区无法证明是干净的：请物理销毁此驱动器。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ 驱动器擦除结束，但有例外：%n 个扇区无法擦除。</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ 驱动器擦除完成。</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ 加密密钥已销毁。</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 已在本次擦除中被选中（其本身，或作为所选分区所在的驱动器）：未写入任何内容。</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1：已擦除，未能使其可用：%2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>拒绝了扇区的驱动器应当销毁，而不是再次使用</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>对话框</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88（1 遍）</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR（7 遍）</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann（35 遍）</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M（3 遍）</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5（2 遍）</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>最后一遍后校验</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>选择擦除方法</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>同时移除缩略图、最近文件条目和回收站记录</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>销毁加密密钥（%1）</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>覆写前先销毁加密密钥</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>驱动器自身的擦除：</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>然后再覆写一遍（1 遍随机）</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>之后：</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>保持空白</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>使其可用：exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>使其可用：FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>使其可用：ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>擦除成功后：一个新的分区表，其中一个分区覆盖整个驱动器，并在其上创建新的文件系统。</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>同时打开并覆写其 %n 个隐藏扇区</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>驱动器对主机隐藏了这些扇区（主机保护区，HPA）。它们会为擦除而打开，直到驱动器下次断电，之后恢复。不选此项则保持原样，报告中会注明。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>请选择一种方法。</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88（1 遍随机）</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M（3 遍）</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5（2 遍）</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR（7 遍）</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann 35 遍</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1，用于 %2</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n 项，共 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>销毁加密密钥</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>销毁加密密钥，然后 %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>驱动器自身的擦除（%1）</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>驱动器自身的擦除（%1），然后 %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>%2 上 %1 的可用空间（%3）：%4，共 %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>%2 上 %1 的全部内容（%3），%4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>未擦除</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>部分擦除：其下 %n 项未擦除</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>未擦除：任务先被停止了</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>未擦除：仍然存在</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>未擦除：已消失，但不是本任务所为</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>已擦除</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>既非 Clear 也非 Purge（NIST SP 800-88）：擦除未完成。</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>擦除文件和文件夹</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>擦除整个卷</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>擦除可用空间</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>擦除整个驱动器</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>已擦除</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>完成，但有问题</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>在结束前停止</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>未完成</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ 擦除已停止。</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 已擦除 %2 项，共 %n 项，写入 %3。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %2 已写入 %3。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1。</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>擦除有例外：%n 个扇区无法写入或读回；请物理销毁此驱动器</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>是</translation>
    </message>
    <message>
        <source>no</source>
        <translation>否</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>未知</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>卷</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>介质</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>固件 %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>磁盘 %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>旋转式</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>接受丢弃（TRIM）</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>加密</translation>
    </message>
    <message>
        <source>none</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>驱动器自身的擦除</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>驱动器的答复</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>已完成</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>Velmora 停止等待时仍在进行</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失败</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未发送</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>抽样检查</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>在整个驱动器上的 %1 个块在之前标记、之后读取：%2 个与命令承诺的一致，%3 个不一致</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>未执行</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>已回读并比较在整个驱动器上抽样的 %n 个块：相同</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>已回读并比较在整个驱动器上抽样的 %n 个块：不同</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>已回读并比较 %1：相同</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>已回读并比较 %1：不同</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>未创建：%1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>一个新的 %1 分区表，含一个分区（%2），其上有一个空的 %3 文件系统</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>一个新的 %1 分区表，含一个分区（%2），其上有一个卷标为 %4 的空 %3 文件系统</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>驱动器未告知</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>映像文件</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>供应商</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>固件</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>扇区大小</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>逻辑 %1 字节，物理 %2 字节</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>传输方式</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1：%2，位于 %3</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>擦除前的分区表</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>未找到</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>加密密钥</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1：已销毁 %2 个密钥槽，已覆写 %3 的头部</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>第 %1 遍</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>随机数据，%1，完整</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>随机数据，%1，不完整</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>校验</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>丢弃</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>整个驱动器，安全方式</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>整个驱动器</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>被驱动器拒绝</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>驱动器不支持</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>可再次使用</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>驱动器自身的擦除（%1，%2），然后覆写</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>驱动器自身的擦除（%1，%2）</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>覆写</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>加密擦除</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>加密擦除，然后覆写</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>在整个驱动器上抽样的块，在驱动器自身擦除之前标记、之后读取（NIST SP 800-88 Rev. 1, 4.7）</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>最后一遍之后回读并比较在整个驱动器上抽样的块（NIST SP 800-88 Rev. 1, 4.7）</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>从设备回读最后一遍并比较</translation>
    </message>
    <message>
        <source>None</source>
        <translation>无</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>既非 Clear 也非 Purge（NIST SP 800-88）：通过文件系统的覆写无法触及介质的每个可寻址块。</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>清除记录</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>制造商</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>资产编号</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>介质类型</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>介质来源</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>类别</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>技术</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>工具</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>校验方法</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>清除后的去向</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>执行人</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>职务</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>组织</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>核验人</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>产品</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>主机</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方法</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>回读</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>已回读并比较最后一遍</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>已请求，未执行：任务未完成</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>挂载点</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON 签名密钥</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>已签名 JSON 的 SHA-256</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>已写入</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>已回读并比较</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>用时</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>速率</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>条目</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>已擦除 %1 项，共 %Ln 项。</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>条目</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>数量太多，无法逐一列出：列出每个文件夹，以及每个未擦除的条目。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>已擦除 %1 项，共 %Ln 项</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>问题</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>无。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n 项无法安全擦除：</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>……另有 %n 项。</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Velmora 擦除报告</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>第 %1 页，共 %2 页</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>将文件或文件夹拖到此处</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>添加文件</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>添加文件夹</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>全部清除</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>添加回收站</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>从列表中移除</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>正在添加文件和文件夹，请稍候...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>选择文件</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>请稍候...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>回收站</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>回收站是空的。</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n 项，共 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>未添加</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ 无法删除一个填充文件：%1（%2 MB，%3）。请删除它以收回空间。</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ 无法再创建填充文件：%1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ 写入填充文件失败：%1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ 同步填充文件失败：%1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ 校验失败：%1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>文件记录</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 正在覆写空闲的文件记录，其中保存着已删除文件的名称...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ 覆写已删除文件的名称失败：%1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 已删除中断的擦除留下的填充文件：%1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 您无权写入卷的根目录；将从您的文件夹填充其可用空间：%1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ 有 %1 MB 可用空间为系统管理员保留，无法覆写；请以 root 身份擦除可用空间以触及它们。</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>文件名和日志</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 正在覆写已删除文件的名称、空闲 inode 和日志...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %2 的可用空间中有 %1 MB 未被覆写：其文件系统仍将其计为可用，但其驱动程序不再接受写入。已删除文件留在那里的内容可能残留。在卷未挂载时检查它（fsck.fat）可为下次擦除修正计数。</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ 已删除文件的名称可能残留在 %1 上：其驱动程序（%2）太慢，无法覆写它们。</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ 已删除文件的名称可能残留在 %1 上：此文件系统（%2）将它们保存在填充无法触及的位置。</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ 在填充占满卷时，XFS 将 %2 的 %1 MB 可用空间留作他用，位于各分配组中无法分配给任何文件的块里；没有 TRIM 时，这些块保留原有内容。</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 %1 的日志已清空，其块已清零：其中不再有任何已擦除内容的副本。</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 %1 的日志已清空，其块已在设备上丢弃。</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 正在将已擦除的文件名挤出日志...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ %1 的日志可能仍保留最近擦除的文件名；以管理员身份擦除会将其清空。</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ 在 %1 上将已擦除的文件名挤出日志失败：%2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ 已在设备上丢弃空闲块（TRIM）：%1 MB</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ 文件系统的可用空间已在设备上丢弃（TRIM）。</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ 无 TRIM：设备支持丢弃，但此文件系统（%1）或其驱动程序不会转发。</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ 无 TRIM：此设备不丢弃空闲块。</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ 无 TRIM：%1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ %1 的空闲文件记录未被覆盖：填充后该卷未显示为已满。已删除文件的名称可能仍留在其中。</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>FAT32 卷标只能包含字母、数字、空格和 -_!#$%&amp;&apos;()@^`{}~</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>FAT32 卷标最多 11 个字符</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>卷标不能包含控制字符</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>ext4 卷标最多 16 字节</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 未安装</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>无法写入分区表：%1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>无法访问新分区：%1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 失败（%2）：%3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>卷标不是有效的文本</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>exFAT 卷标最多 11 个字符</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1（即 %2）</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>给出了空路径。已拒绝，以免脚本中未设置的变量被当作当前文件夹。</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>没有此文件或文件夹：%1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 是文件系统的根：这台计算机上的一切。它永远不会被整体擦除。</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 属于操作系统。擦除它会损坏这台计算机；已拒绝。</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 包含其他用户或系统服务的数据。它永远不会被整体擦除；请选择其中的文件夹。</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 是主文件夹或包含主文件夹。它永远不会被整体擦除；请选择其中的文件和文件夹。</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 是设备而不是文件：删除它不会擦除设备上的任何内容。要销毁卷中的内容，请擦除该卷（擦除磁盘）。</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 是套接字或 FIFO，不是文件：其中没有可擦除的内容。</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 上有正在运行的系统，无法擦除。</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 上有您的主文件夹，无法擦除。请改为擦除您选择的文件，或擦除其可用空间。</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>驱动器不再给出它之前给出的原始大小</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>驱动器拒绝了 SET MAX ADDRESS</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>降低的可访问最大地址会在断电后由驱动器保留：提高它会永久改变驱动器</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 在其显示的末尾之后隐藏了 %n 个扇区（%2）（降低的可访问最大地址）：它们不会被擦除。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 在其显示的末尾之后隐藏了 %n 个扇区（%2）（主机保护区，HPA）：它们不会被擦除。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 权限被拒绝：部分内容属于其他用户或系统。请使用“以管理员身份运行”启动 Velmora 来擦除它。</translation>
    </message>
</context>
<context>
    <name>JobEvent</name>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>JobJournal</name>
    <message>
        <source>a wipe of the whole volume %1</source>
        <translation>擦除整个卷 %1</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>擦除 %1 的可用空间</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1（pid %2），开始于 %3</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ 无法在 %1 中保存此任务的记录（%2）：如果它被中断，下次启动时将无法得知它留下了哪些未完成的部分。</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>擦除文件和文件夹</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>擦除整个卷 %1</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>擦除 %1 的可用空间</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>擦除整个驱动器 %1，其每个扇区都已被覆写，</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>擦除整个驱动器 %1，其 LUKS 密钥可能已被销毁，也可能没有，</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>擦除整个驱动器 %1，它可能仍保留部分旧数据，</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>有任务被中断，但其记录无法读取：不知道它留下了什么未完成的部分，也没有进行任何清理。记录已保存为 %1。</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1（%2），开始于 %3，在结束前被中断%4。</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>，当时正在：%1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>其条目已全部不在磁盘上。</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>未完成，仍然存在：</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  ……另有 %n 项</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 没有响应：未查找任务留在那里的内容。</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>已删除它在 %1 中留下的辅助文件。</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>它在 %1 中留下的 %n 个辅助文件无法删除。</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>已将它借用的保留空间归还给 %1。</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>无法将它借用的保留空间归还给 %1；重新挂载该卷即可恢复。</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>驱动器：%1。</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 仍然指向它。</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 现在指向另一个设备：再次擦除 %1 不会完成此驱动器的擦除。</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 现在不存在。</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ 擦除已停止：Ctrl-C（SIGINT）。</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ 擦除已停止：收到结束请求（SIGTERM）。</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ 擦除已停止：终端或会话已关闭（SIGHUP）。</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ 擦除被信号 %1 停止。</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>无法读取 %1 的空间</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ 操作提前结束：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n 个缩略图</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n 个最近文件条目</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n 条回收站记录</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 已移除痕迹：%1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ 没有主文件夹：未查找缩略图、最近文件和回收站记录。</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>痕迹</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 已从回收站的文件夹大小列表中移除：%1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ 最近文件列表保持原样：%1。它可能仍列出已擦除的内容。</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 已从最近文件中移除：%1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ 未擦除：%1 仍然存在，尽管没有任何阻止其删除的原因。</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ 未擦除：%1 仍然存在，因此无法删除其所在文件夹。</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ 未擦除：%1 中还有 %n 个条目。</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ 无法安全擦除：%1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ 已擦除文件的部分内容可能已写入未加密的交换空间（%1）；任何文件擦除都无法触及那里。</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ 另一个 Velmora 任务正在处理 %1：未写入任何内容。请等待它结束。</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ 已跳过（无法擦除）：%1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ 无法创建用于擦除可用空间的临时文件。</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>清理</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ 整盘擦除结束：并非所有内容都已擦除。</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ 整盘擦除完成。</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ 无法创建用于擦除可用空间的写入文件。</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ 可用空间擦除结束：并非所有可用空间都已覆写。</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ 可用空间擦除完成。</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>擦除文件</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>擦除卷</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>擦除可用空间</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>擦除驱动器</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>已计划：%1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>未签名</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>签名后被修改</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>由其他密钥签名</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1（其内容称：%2）</translation>
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
        <translation>擦除磁盘</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - 永久擦除数据 &amp;amp; 防止泄露&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora 可安全擦除磁盘或 U 盘中的敏感数据。&lt;br/&gt;保护您的隐私，彻底防止数据泄露。&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>擦除可用空间</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>擦除文件</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>卷</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>擦除整个驱动器</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>勾选一个驱动器，或勾选多个以同时擦除。</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>擦除整个卷</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>擦除所选卷上的所有内容，然后填充其可用空间。</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>擦除卷的可用空间</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>覆写已删除文件在其可用空间中留下的内容；其上的文件保持不变。</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>所选驱动器的每个扇区都会被覆写：包括其所有分区和分区表。</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>擦除整个驱动器需要管理员权限：请以管理员模式启动 Velmora 以选择驱动器。</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
大小：%2 字节，扇区 %3 字节（物理 %4）</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>映像文件：%1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>需要管理员权限</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>擦除整个驱动器要直接写入设备本身，只有管理员可以这样做。请以管理员模式启动 Velmora，然后重新选择该驱动器。</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>以管理员模式启动</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>未选择驱动器</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>请选择一个驱动器并点击“下一步”！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>驱动器 %1 已不存在。</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>正在询问 %1 提供哪些功能…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>擦除操作已取消。</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 正在擦除整个驱动器 %1，请稍候...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>这将永久销毁这 %n 个驱动器上的所有内容。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n 个驱动器，同时擦除</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ 所选文件已被覆写并删除。可能残留的内容：</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ 所有选定的文件都已被永久擦除。</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 磁盘已被擦除。可能残留的内容：</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 磁盘已被安全擦除，现在是干净的。</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 可用空间已被覆写。可能残留的内容：</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 可用空间已被安全擦除；没有残留痕迹。</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 可用空间已被覆写。</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 驱动器 %1 已用其自身的命令完成擦除，在其上抽样的块中没有一个读出与之前相同。</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 %1 的加密密钥已被销毁：其中的内容再也无法解密。</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 %1 的加密密钥已被销毁，驱动器已被覆写。</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 驱动器 %1 已被覆写。</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ 擦除操作完成。</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>保存报告…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>擦除 %1 的可用空间…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ 无法保存此任务的结果：%1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>擦除报告</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文档 (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>报告未保存</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>无法将报告保存到 %1：%2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 报告已保存到 %1</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>已擦除的驱动器：%1 / %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>并非所有驱动器都已擦除</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>保存报告…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ 擦除已被用户停止。</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>操作未完成：</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n 项无法安全擦除：</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>完成，但有问题</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>重新添加未擦除的内容（%1）</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>确认停止</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>确定要停止吗？</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ %1 上的一次计划擦除没有完成预定的全部工作：请查看菜单中的“报告…”。</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>残留的填充文件</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>一次中断的擦除留下了这些填充文件；删除它们可释放 %1：

%2

现在删除它们吗？</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>%n 个填充文件无法删除；对该卷进行可用空间擦除即可删除它们。</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>擦除被中断</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>现在擦除剩余部分吗？</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>现在重新选择驱动器吗？</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>现在重新选择卷吗？</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>正在擦除</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>正在进行擦除。要停止并退出吗？</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>设备没有响应；不等待它而直接退出。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>支持</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>擦除回收站…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>正在进行擦除。回收站中的内容已加入待擦除文件列表，将在其结束后处理。</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>计划…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>报告…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>报告信息…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>显示报告…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>请稍候</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

本软件帮助您安全地擦除文件、磁盘和可用空间。

版权所有 © 2026 Velmora 开发者</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>没有浏览器</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>无法启动网页浏览器。页面地址为：
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Velmora 手册</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>无法启动网页浏览器；这是随 Velmora 安装的手册。在线帮助位于 %1。</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>此磁盘上有正在运行的系统，无法擦除。</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>此磁盘上有您的主文件夹，无法擦除。请改为擦除您选择的文件，或擦除其可用空间。</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>这将销毁 %1 的加密密钥：其上的任何内容都无法再解密。</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>这将永久销毁驱动器 %1 上的所有内容。</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>所选方法：%1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>没有文件</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>请至少添加一个文件。</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>请选择擦除方法！</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>擦除操作已取消。</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>未选择磁盘</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>请选择一个磁盘并点击“下一步”！</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>请先选择擦除方法！</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>未选择磁盘！</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>所选磁盘的路径无效！</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>无法获取磁盘容量！</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 正在擦除磁盘，请稍候...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>请先选择擦除方法！</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>已取消</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>擦除操作已取消。</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>无法获取可用空间！</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 正在擦除可用空间，请稍候...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>网络</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>内存 · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>内存</translation>
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
        <translation>U 盘</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>USB 驱动器</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD 卡</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>虚拟磁盘 · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>虚拟磁盘</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>磁盘映像</translation>
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
        <translation>未知</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>无响应</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>位于%1上的映像</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · 已加密</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>序列号 %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>固态驱动器</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>硬盘</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>USB 驱动器</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>SD 卡</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>eMMC 闪存</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 是网络文件系统（%2）：服务器可能保留已擦除内容的副本和快照，从这台计算机进行的任何覆写都无法触及它们。</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 位于内存中（%2）：计算机关机后，在那里擦除的内容即会消失。</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 位于内存中（%2）：计算机关机后，在那里擦除的内容即会消失，但其部分内容可能已写入未加密的交换空间（%3）。</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 已加密（%2）：其下驱动器可能保留的旧副本也是加密的，没有其密钥就无法读取。</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 位于%2上：驱动器可能在闪存单元中保留旧副本，任何覆写都无法触及。Velmora 会请求它丢弃已释放的块（TRIM）。为确保安全，请保持驱动器加密，或在它离开您之前使用驱动器自身的清除命令。</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 位于%2上：驱动器可能在闪存单元中保留旧副本，任何覆写都无法触及，而且它不接受丢弃（TRIM）。为确保安全，请保持驱动器加密，或在它离开您之前使用驱动器自身的清除命令。</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 位于%2上：如果它含有闪存（如 U 盘），可能在任何覆写都无法触及的单元中保留旧副本。为确保安全，请保持驱动器加密。</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>既非 Clear 也非 Purge（NIST SP 800-88）：通过文件系统的覆写无法触及介质的每个可寻址块。</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>在闪存上，驱动器重新映射过的单元超出主机的访问范围。</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>这些块位于另一台计算机上。</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>该卷已加密：驱动器在其下保存的是密文。</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora 无法判断 %1 使用的文件系统（其驱动程序显示为“%2”）：已擦除文件的名称及驱动程序保留的相关信息可能残留在那里。</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>正在开始…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>大约还剩 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>大约还剩 %n 分钟</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>大约还剩 %1 小时 %2 分钟</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>第 %1 遍，共 %2 遍</translation>
    </message>
</context>
<context>
    <name>ProgressPage</name>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write…</source>
        <translation>正在停止：等待设备完成当前写入…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>正在收尾…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>擦除人</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>职务</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>组织</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>地点</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>联系方式</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>资产编号</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>介质来源</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>清除后的去向</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>核验人</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>核验人职务</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>报告信息</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>每份报告都会写明这些信息。留空的项目会打印为一条供手写填写的横线。</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>签名密钥 %1 可被他人修改（模式 %2）：不会使用它</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>签名密钥 %1 属于另一个用户（uid %2）</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>他人可以读取签名密钥 %1（模式 %2）：能读取的人就能以您的名义签署结果</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 不含 Ed25519 私钥</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>无法创建签名密钥</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>已创建新的签名密钥：%1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>其签名包含报告中没有的字段：%1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>其签名缺少字段 %1</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>无法签署结果</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>报告未签名</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>报告在签名后被修改过</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>其签名指明密钥 %1，但实际用密钥 %2 签署</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>其签名中的 SHA-256 不是报告的 SHA-256</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>它由密钥 %1 签署，而不是 %2</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>每个任务已签名的结果，最新的在前，如有报告则一并列出。计划擦除也列在其中。</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>任务</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>目标</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>尚未运行过任何任务：每个任务的结果都保存在这里。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>另存为…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>检查签名</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>签名</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 已存在</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>将报告另存为</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>未保存</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>此结果与签名时不一致：%1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>签名有效：此结果与签名时一致，密钥为 %1。</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>分区：驱动器自身的擦除作用于整个驱动器</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>回环设备没有自身的擦除</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>位于内存中：没有自身的擦除</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>虚拟磁盘（virtio）：主机不会向其转发擦除命令</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>位于 USB 桥接器之后：请直接连接以使用其自身的擦除</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>SD 卡或 eMMC：Velmora 不发送其自身的擦除</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>网络磁盘没有自身的擦除</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>需要管理员权限才能询问驱动器提供哪些功能</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>内核不向其转发命令</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>无法询问：%1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>它拒绝识别自身（NVMe 状态 0x%1）</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>它既不提供 Sanitize 也不提供 Format</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>ATA 状态 0x%1，错误 0x%2，原因 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>SCSI sense %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>其 SANITIZE 已冻结：让计算机挂起再恢复以解除冻结，然后重新询问</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>它不支持 ATA SANITIZE 功能集</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>它没有说明支持哪些命令</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>它不支持 SCSI SANITIZE</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>驱动器不提供 %1；它提供 %2</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>NVMe 状态 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>无法识别命名空间（%1）</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>驱动器执行 Format 失败（%1）</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>驱动器拒绝了 Sanitize（%1）</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>无法读取其 Sanitize 日志（%1）</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>驱动器报告 Sanitize 失败</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>驱动器报告自出厂以来未执行过 Sanitize</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>驱动器拒绝了 SANITIZE（%1）</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>驱动器没有说明其 SANITIZE 的进展</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>驱动器报告 SANITIZE 失败（%1）</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>驱动器报告没有完成任何 SANITIZE（%1）</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>驱动器报告 %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>自身擦除：无（%1）</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>自身擦除：%1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>；安全功能已冻结：让计算机挂起再恢复即可解除</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>计划擦除</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>自动运行的擦除：</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>尚未计划任何内容。请在下方选择擦除什么、多久一次以及如何擦除，然后点击“添加”。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>擦除回收站</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>擦除 %1 的可用空间</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>添加</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>内容(&amp;W)：</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>频率(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>方法(&amp;M)：</translation>
    </message>
    <message>
        <source>active</source>
        <translation>已启用</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>未启用</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>每次运行都会将报告留在 %1。</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>此处没有运行 systemd：定时器已写入，但未启用。</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>未计划</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>未移除</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>每月</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>每周</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>擦除回收站</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>擦除 %1 的可用空间</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>每周或每月运行，而不是 %1</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>未知方法 %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>可用空间擦除需要挂载点</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>其运行报告无法保存在 %1：%2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>没有计划 %1</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>无法移除</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>驱动器</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>进度</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>保存报告…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完成</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>正在同时擦除 %n 个驱动器。每个都有自己的进度和报告。</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>进行中</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ 无法保存此驱动器的结果：%1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>确认停止</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>停止所有驱动器吗？尚未擦除的驱动器将保留其内容。</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ 正在停止所有驱动器…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>无法签署 %1 的结果：%2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>保存报告</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>报告未保存</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>无法将报告保存到 %1：%2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 每个驱动器的报告和已签名结果已保存到 %1</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>它不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>无法读取</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>另一个程序不断修改它</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ 回收站 %1 保持原样：%2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>它是链接</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>它不是文件夹</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>它不属于您</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>它缺少共享回收站应有的粘滞位</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>其所在卷没有响应</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ 擦除期间被修改，保持原样：%1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ 无法删除文件夹：%1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ 校验失败：%1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ 已覆写并删除，但文件系统报告了错误，因此无法确定已擦除：%1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ 已安全擦除：%1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ 已删除空文件：%1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ 已删除空文件夹：%1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 是写时复制文件系统（%2）：原位覆写无法触及它保留的旧副本。之后请擦除该卷的可用空间。</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ 在擦除 %2 的可用空间之前，其上可能残留多达 %1 的已擦除内容的旧副本。</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ 已擦除文件的名称可能残留在 %1 上其文件夹的空闲条目中：其驱动程序（%2）太慢，无法覆写它们。</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ 从 %1 擦除的名称可能残留在其文件夹归还给卷的块中（XFS）；请擦除该卷的可用空间以触及它们。</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ 从 %1 擦除的名称可能残留在其空闲条目中：%2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 已覆写 %n 个曾包含已擦除名称的文件夹的空闲条目。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ 从另外 %n 个文件夹擦除的名称可能残留在其空闲条目中；请擦除该卷的可用空间以触及它们。</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 已擦除文件及其文件夹归还给 %1 的空间已被覆写。</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ 从 %1 的文件夹擦除的名称可能残留在文件夹归还给卷的空间中（exFAT）；请擦除该卷的可用空间以触及它们。</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>文件不可更改</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>文件只能追加</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ 找不到文件：%1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ 只删除了这个名称：选择范围之外的其他硬链接仍可读取其内容：%1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 正在擦除：%1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ 擦除期间文件仍在增长；其间写入的内容可能残留在设备上：%1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ 未擦除，此处挂载了另一个卷：%1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 已删除链接：%1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ 无法打开文件夹：%1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ 已删除特殊文件：%1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ 无法列出文件夹：%1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ 已删除快捷方式：%1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>位于字节 %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>设备在字节 %1 处返回了不同的数据</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 已校验 %1 数据</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>刷新</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>下一步</translation>
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
设备：%2
卷标：%3
容量：%4 字节
可用：%5 字节</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>介质：%1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>设备：%1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>选择</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>挂载点</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>可用空间</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>文件系统</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>设备</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>介质</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>此卷没有响应；现在无法选择。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>型号</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>序列号</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>分区</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>需要管理员权限</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>可以擦除</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>无法恢复地擦除文件和文件夹，或擦除整个卷或其可用空间。</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>要放入待擦除列表的文件和文件夹。</translation>
    </message>
</context>
</TS>
