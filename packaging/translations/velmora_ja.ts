<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Cli</name>
    <message>
        <source>velmora-cli: %1</source>
        <translation>velmora-cli: %1</translation>
    </message>
    <message>
        <source>To erase what is left: velmora-cli erase%1 %2</source>
        <translation>残りを消去するには: velmora-cli erase%1 %2</translation>
    </message>
    <message>
        <source>To run it again: velmora-cli %1%2 %3</source>
        <translation>もう一度実行するには: velmora-cli %1%2 %3</translation>
    </message>
    <message>
        <source>🧹 Wiping the free space of %1, where older copies of what was erased may remain…</source>
        <translation>🧹 %1 の空き領域を消去しています。消去したものの古いコピーが残っている可能性があります…</translation>
    </message>
    <message>
        <source>--no-verify and --crypto-erase go with drive only</source>
        <translation>--no-verify と --crypto-erase は drive とだけ使えます</translation>
    </message>
    <message>
        <source>--trash goes with erase only</source>
        <translation>--trash は erase とだけ使えます</translation>
    </message>
    <message>
        <source>--sanitize and --then-overwrite go with drive only</source>
        <translation>--sanitize と --then-overwrite は drive とだけ使えます</translation>
    </message>
    <message>
        <source>--then-overwrite follows --sanitize</source>
        <translation>--then-overwrite は --sanitize の後に指定します</translation>
    </message>
    <message>
        <source>--sanitize and --crypto-erase do not go together: the drive&apos;s own crypto erase is --sanitize=crypto-erase</source>
        <translation>--sanitize と --crypto-erase は一緒に使えません: ドライブ自身の暗号消去は --sanitize=crypto-erase です</translation>
    </message>
    <message>
        <source>--sanitize overwrites nothing: --method goes with --then-overwrite</source>
        <translation>--sanitize は何も上書きしません: --method は --then-overwrite と一緒に使います</translation>
    </message>
    <message>
        <source>--verify=sample and --verify=full go with drive only; --verify reads the last pass back</source>
        <translation>--verify=sample と --verify=full は drive とだけ使えます。--verify は最後のパスを読み戻します</translation>
    </message>
    <message>
        <source>--verify= and --no-verify contradict each other</source>
        <translation>--verify= と --no-verify は矛盾します</translation>
    </message>
    <message>
        <source>--format goes with drive only</source>
        <translation>--format は drive とだけ使えます</translation>
    </message>
    <message>
        <source>--label names what --format makes</source>
        <translation>--label は --format が作るものに名前を付けます</translation>
    </message>
    <message>
        <source>--then-freespace follows erase only</source>
        <translation>--then-freespace は erase の後にだけ指定できます</translation>
    </message>
    <message>
        <source>Try &apos;velmora-cli --help&apos;.</source>
        <translation>「velmora-cli --help」を試してください。</translation>
    </message>
    <message>
        <source>--sanitize= names no action</source>
        <translation>--sanitize= に操作が指定されていません</translation>
    </message>
    <message>
        <source>--verify= takes sample or full</source>
        <translation>--verify= には sample か full を指定します</translation>
    </message>
    <message>
        <source>unknown command %1; the commands are erase, wipe, freespace, drive, drives, schedule, check-report, volumes and reports</source>
        <translation>不明なコマンド %1 です。コマンドは erase、wipe、freespace、drive、drives、schedule、check-report、volumes、reports です</translation>
    </message>
    <message>
        <source>%1 %2: %3</source>
        <translation>%1 %2: %3</translation>
    </message>
    <message>
        <source>%1 %2 lies in what is to be erased; nothing was erased</source>
        <translation>%1 %2 は消去対象の中にあります。何も消去していません</translation>
    </message>
    <message>
        <source>another Velmora job is working on %1; nothing was erased. Run this one when it has ended.</source>
        <translation>別の Velmora のジョブが %1 を処理しています。何も消去していません。そのジョブが終わってから実行してください。</translation>
    </message>
    <message>
        <source>%1 is working on %2; nothing was erased. Run this one when it has ended.</source>
        <translation>%1 が %2 を処理しています。何も消去していません。それが終わってから実行してください。</translation>
    </message>
    <message>
        <source>%1 is not a block device</source>
        <translation>%1 はブロックデバイスではありません</translation>
    </message>
    <message>
        <source>wiping a whole drive needs administrator rights: run it as root (sudo)</source>
        <translation>ドライブ全体の消去には管理者権限が必要です: root として実行してください（sudo）</translation>
    </message>
    <message>
        <source>unknown action %1; the actions are crypto-erase, block-erase, format-crypto, format-erase and overwrite</source>
        <translation>不明な操作 %1 です。操作は crypto-erase、block-erase、format-crypto、format-erase、overwrite です</translation>
    </message>
    <message>
        <source>%1: no erase of its own to send: %2</source>
        <translation>%1: 送信できる自身の消去がありません: %2</translation>
    </message>
    <message>
        <source>%1 needs a path</source>
        <translation>%1 にはパスが必要です</translation>
    </message>
    <message>
        <source>the paths could not be read from the command line</source>
        <translation>コマンドラインからパスを読み取れませんでした</translation>
    </message>
    <message>
        <source>The Trash is empty; nothing to erase.
</source>
        <translation>ゴミ箱は空です。消去するものはありません。
</translation>
    </message>
    <message>
        <source>(--no-preserve-root overrides this.)</source>
        <translation>（--no-preserve-root でこの制限を外せます。）</translation>
    </message>
    <message>
        <source>%1 takes one mount point</source>
        <translation>%1 はマウントポイントを 1 つだけ受け付けます</translation>
    </message>
    <message>
        <source>an empty path was given; %1 takes the volume&apos;s mount point</source>
        <translation>空のパスが指定されました。%1 はボリュームのマウントポイントを受け付けます</translation>
    </message>
    <message>
        <source>%1 takes the volume&apos;s mount point as an absolute path, not %2</source>
        <translation>%1 はボリュームのマウントポイントを絶対パスで受け付けます。%2 ではありません</translation>
    </message>
    <message>
        <source>%1 is not the mount point of a volume</source>
        <translation>%1 はボリュームのマウントポイントではありません</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>%1 の容量を読み取れません</translation>
    </message>
    <message>
        <source>unknown file system %1; --format takes exfat, fat32 or ext4</source>
        <translation>不明なファイルシステム %1 です。--format には exfat、fat32、ext4 を指定します</translation>
    </message>
    <message>
        <source>--format takes a whole drive: %1 is a partition</source>
        <translation>--format にはドライブ全体が必要です: %1 はパーティションです</translation>
    </message>
    <message>
        <source>drive takes one block device, such as /dev/sdb</source>
        <translation>drive はブロックデバイスを 1 つだけ受け付けます（例: /dev/sdb）</translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 はホスト保護領域（HPA）に %n セクターを隠しています: 消去のために開き、あわせて上書きします。
</numerusform>
        </translation>
    </message>
    <message>
        <source>velmora-cli: warning: %1
</source>
        <translation>velmora-cli: 警告: %1
</translation>
    </message>
    <message>
        <source>%1 holds no LUKS container; --crypto-erase needs one</source>
        <translation>%1 には LUKS コンテナーがありません。--crypto-erase にはコンテナーが必要です</translation>
    </message>
    <message>
        <source>the LUKS header of %1 cannot be read (%2); wipe the whole drive without --crypto-erase</source>
        <translation>%1 の LUKS ヘッダーを読み取れません（%2）。--crypto-erase なしでドライブ全体を消去してください</translation>
    </message>
    <message>
        <source>volumes takes only --json</source>
        <translation>volumes は --json だけを受け付けます</translation>
    </message>
    <message>
        <source>reports takes only --json</source>
        <translation>reports は --json だけを受け付けます</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept in %1
</source>
        <translation>まだジョブを実行していません: 各ジョブの結果は %1 に保存されます
</translation>
    </message>
    <message>
        <source>drives takes only --json</source>
        <translation>drives は --json だけを受け付けます</translation>
    </message>
    <message>
        <source>partitions: %1</source>
        <translation>パーティション: %1</translation>
    </message>
    <message>
        <source>active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>No wipes are scheduled.
</source>
        <translation>予定された消去はありません。
</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.
</source>
        <translation>ここでは systemd が動いていません: タイマーは書き込まれましたが無効です。
</translation>
    </message>
    <message>
        <source>schedule remove takes the name list shows</source>
        <translation>schedule remove には list が表示する名前が必要です</translation>
    </message>
    <message>
        <source>Removed %1.
</source>
        <translation>%1 を削除しました。
</translation>
    </message>
    <message>
        <source>schedule takes add, list or remove</source>
        <translation>schedule には add、list、remove のいずれかが必要です</translation>
    </message>
    <message>
        <source>schedule add takes trash, or freespace and a mount point</source>
        <translation>schedule add には trash、または freespace とマウントポイントが必要です</translation>
    </message>
    <message>
        <source>Scheduled %1 as %2 in %3%4.
</source>
        <translation>%1 を %2 として %3 に予定しました%4。
</translation>
    </message>
    <message>
        <source> (inactive: systemd does not run it here)</source>
        <translation> （無効: ここでは systemd が実行しません）</translation>
    </message>
    <message>
        <source>check-report takes one JSON outcome</source>
        <translation>check-report は JSON の結果を 1 つだけ受け付けます</translation>
    </message>
    <message>
        <source>it is not a JSON outcome (%1)</source>
        <translation>JSON の結果ではありません（%1）</translation>
    </message>
    <message>
        <source>valid, signed by key %1
</source>
        <translation>有効です。鍵 %1 で署名されています
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
        <translation>ファイルとフォルダー、マウント済みボリューム全体、またはボリュームの空き領域を、復元できないように消去します。

コマンド:
  erase パス...           ファイルとフォルダーを上書きして削除
  wipe マウントポイント   マウント済みボリュームのすべてを上書き
  freespace マウントポイント
                          マウント済みボリュームの空き領域を上書き
  schedule add trash|freespace [マウントポイント] [--every weekly|monthly]
  schedule list | schedule remove 名前
                          空き領域またはゴミ箱の消去を自動で実行
  check-report ファイル.json [--key フィンガープリント]
                          結果が署名時のままか判定
  volumes [--json]        マウント済みのボリュームとその下の媒体を一覧
  drive デバイス...       ドライブ全体またはパーティションの全セクターを上書き、
                          複数同時に可
  drives [--json]         ドライブとパーティション、拒否の理由を一覧
  reports [--json]        各ジョブの保存済みの結果とレポートを新しい順に一覧</translation>
    </message>
    <message>
        <source>Erase method: NIST, DoD, British, German or Gutmann (default NIST).</source>
        <translation>消去方式: NIST、DoD、British、German、Gutmann（既定は NIST）。</translation>
    </message>
    <message>
        <source>Read the last pass back and compare it; for a drive, --verify=sample reads only blocks sampled across it.</source>
        <translation>最後のパスを読み戻して比較します。ドライブでは、--verify=sample はドライブ全体から抜き出したブロックだけを読み戻します。</translation>
    </message>
    <message>
        <source>Do not ask; for scripts. Without it, a terminal must answer.</source>
        <translation>確認しない（スクリプト用）。指定しない場合は端末で答える必要があります。</translation>
    </message>
    <message>
        <source>Print only problems.</source>
        <translation>問題だけを表示します。</translation>
    </message>
    <message>
        <source>Write the outcome as JSON to FILE.</source>
        <translation>結果を JSON で FILE に書き出します。</translation>
    </message>
    <message>
        <source>Write the erasure report as a PDF to FILE.</source>
        <translation>消去レポートを PDF で FILE に書き出します。</translation>
    </message>
    <message>
        <source>List the erase methods.</source>
        <translation>消去方式の一覧を表示します。</translation>
    </message>
    <message>
        <source>Allow erasing /, the system&apos;s folders and the home folders (never devices).</source>
        <translation>/、システムのフォルダー、ホームフォルダーの消去を許可します（デバイスは決して対象外）。</translation>
    </message>
    <message>
        <source>erase: leave the thumbnails, recent-files entries, Trash records and editor copies of the erased files where they are.</source>
        <translation>erase: 消去したファイルのサムネイル、最近使ったファイルの項目、ゴミ箱の記録、エディターのコピーをそのまま残します。</translation>
    </message>
    <message>
        <source>erase: add everything in the Trash (the home Trash and each volume&apos;s) to the paths.</source>
        <translation>erase: ゴミ箱の中身（ホームのゴミ箱と各ボリュームのゴミ箱）をすべてパスに加えます。</translation>
    </message>
    <message>
        <source>schedule add: weekly (the default) or monthly.</source>
        <translation>schedule add: weekly（既定）または monthly。</translation>
    </message>
    <message>
        <source>check-report: the fingerprint (SHA256:…) of the key the report must be signed with.</source>
        <translation>check-report: レポートの署名に使われているべき鍵のフィンガープリント（SHA256:…）。</translation>
    </message>
    <message>
        <source>The report: who erased (also in report.conf).</source>
        <translation>レポート: 消去した人（report.conf にも記載可）。</translation>
    </message>
    <message>
        <source>The report: for which organisation.</source>
        <translation>レポート: どの組織のためか。</translation>
    </message>
    <message>
        <source>The report: where.</source>
        <translation>レポート: 場所。</translation>
    </message>
    <message>
        <source>The report: how to reach who erased.</source>
        <translation>レポート: 消去した人の連絡先。</translation>
    </message>
    <message>
        <source>The report: the medium&apos;s property number.</source>
        <translation>レポート: 媒体の資産番号。</translation>
    </message>
    <message>
        <source>The report: where the medium goes afterwards (reuse, sale, destruction).</source>
        <translation>レポート: 媒体のその後の行き先（再利用、売却、破壊）。</translation>
    </message>
    <message>
        <source>drive: do not read the last pass back.</source>
        <translation>drive: 最後のパスを読み戻しません。</translation>
    </message>
    <message>
        <source>drive: once wiped, make it ready to use again: a new partition table with one partition and an empty exfat, fat32 or ext4 file system.</source>
        <translation>drive: 消去後に再び使えるようにします: パーティションを 1 つ持つ新しいパーティションテーブルと、空の exfat、fat32、ext4 ファイルシステム。</translation>
    </message>
    <message>
        <source>drive --format: the new file system&apos;s label.</source>
        <translation>drive --format: 新しいファイルシステムのラベル。</translation>
    </message>
    <message>
        <source>drive: open a host protected area for the wipe, until the drive is next switched off, and overwrite what it hides as well.</source>
        <translation>drive: 消去のためにホスト保護領域（HPA）をドライブの次の電源切断まで開き、隠されている部分も上書きします。</translation>
    </message>
    <message>
        <source>drive: destroy the keys of the LUKS container it holds; with --method, then overwrite it too.</source>
        <translation>drive: 中の LUKS コンテナーの鍵を破棄します。--method と併用すると、その後に上書きもします。</translation>
    </message>
    <message>
        <source>drive: send the drive its own erase, --sanitize=ACTION (crypto-erase, block-erase, format-crypto, format-erase, overwrite) or, without one, the strongest it offers; blocks sampled across it are checked after.</source>
        <translation>drive: ドライブ自身の消去を送信します。--sanitize=操作（crypto-erase、block-erase、format-crypto、format-erase、overwrite）、指定しない場合はドライブが提供する最も強いもの。その後、ドライブ全体から抜き出したブロックを確認します。</translation>
    </message>
    <message>
        <source>drive --sanitize: then overwrite it once too, and read that back.</source>
        <translation>drive --sanitize: その後さらに 1 回上書きし、そのパスを読み戻します。</translation>
    </message>
    <message>
        <source>erase: then wipe the free space of each volume the files were on, which reaches the older copies a copy-on-write volume keeps.</source>
        <translation>erase: 続けて、ファイルがあった各ボリュームの空き領域を消去します。コピーオンライトのボリュームが保持する古いコピーにも届きます。</translation>
    </message>
    <message>
        <source>erase, wipe, freespace, drive, drives, volumes, schedule, check-report or reports</source>
        <translation>erase、wipe、freespace、drive、drives、volumes、schedule、check-report、reports</translation>
    </message>
    <message>
        <source>Files and folders, or the volume&apos;s mount point.</source>
        <translation>ファイルとフォルダー、またはボリュームのマウントポイント。</translation>
    </message>
    <message>
        <source>unknown method %1; velmora-cli --methods lists them</source>
        <translation>不明な方式 %1 です。velmora-cli --methods で一覧を表示できます</translation>
    </message>
    <message>
        <source>--json and --report take a file name</source>
        <translation>--json と --report にはファイル名が必要です</translation>
    </message>
    <message>
        <source>no command; try &apos;velmora-cli --help&apos;</source>
        <translation>コマンドがありません。「velmora-cli --help」を試してください</translation>
    </message>
    <message>
        <source>, blocks sampled across the drive read back</source>
        <translation>、ドライブ全体から抜き出したブロックを読み戻し済み</translation>
    </message>
    <message>
        <source>, the last pass read back</source>
        <translation>、最後のパスを読み戻し済み</translation>
    </message>
    <message>
        <source>This will permanently destroy, beyond recovery:
  %1
Method: %2%3
</source>
        <translation>次のものを完全に破壊します。復元はできません:
  %1
方式: %2%3
</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  ……ほか %n 件
</numerusform>
        </translation>
    </message>
    <message>
        <source>then the free space of the volumes they are on
</source>
        <translation>続けて、それらがあるボリュームの空き領域
</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>%n 台のドライブを同時に完全に破壊します。復元はできません:%1
方式: %2%3
</numerusform>
        </translation>
    </message>
    <message>
        <source>nothing erased: there is no terminal to confirm on; pass --yes to confirm from a script</source>
        <translation>何も消去していません: 確認できる端末がありません。スクリプトから確認するには --yes を指定してください</translation>
    </message>
    <message>
        <source>Type Erase to confirm: </source>
        <translation>確認のため英単語 Erase を入力してください: </translation>
    </message>
    <message>
        <source>cancelled; nothing was erased</source>
        <translation>キャンセルしました。何も消去していません</translation>
    </message>
    <message>
        <source>Stopping: waiting for the device to finish its current write (Ctrl-C again quits at once)…</source>
        <translation>停止中: デバイスが現在の書き込みを終えるのを待っています（もう一度 Ctrl-C ですぐに終了）…</translation>
    </message>
    <message>
        <source>%1 %2 cannot be written (%3); nothing was erased</source>
        <translation>%1 %2 を書き込めません（%3）。何も消去していません</translation>
    </message>
    <message>
        <source>the JSON outcome could not be signed: %1; nothing was erased</source>
        <translation>JSON の結果に署名できませんでした: %1。何も消去していません</translation>
    </message>
    <message>
        <source>velmora-cli: the JSON outcome is not signed: %1
</source>
        <translation>velmora-cli: JSON の結果は署名されていません: %1
</translation>
    </message>
    <message>
        <source>the JSON outcome could not be written to %1: %2</source>
        <translation>JSON の結果を %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>the report could not be written to %1: %2</source>
        <translation>レポートを %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>velmora-cli: not securely erased: %1
</source>
        <translation>velmora-cli: 安全に消去できませんでした: %1
</translation>
    </message>
    <message>
        <source>velmora-cli: … and %1 more not securely erased
</source>
        <translation>velmora-cli: ……ほかに %1 件を安全に消去できませんでした
</translation>
    </message>
    <message>
        <source>velmora-cli: warning: the outcome could not be kept: %1
</source>
        <translation>velmora-cli: 警告: 結果を保存できませんでした: %1
</translation>
    </message>
    <message>
        <source>its outcome files could not be written</source>
        <translation>結果ファイルを書き込めませんでした</translation>
    </message>
    <message>
        <source>with several drives, %1 names a folder, where each drive&apos;s file goes</source>
        <translation>複数のドライブでは、%1 は各ドライブのファイルを置くフォルダーを指します</translation>
    </message>
    <message>
        <source>Drive	Serial	State
</source>
        <translation>ドライブ	シリアル番号	状態
</translation>
    </message>
    <message>
        <source>%1 does not answer (a network server gone, or a driver that hangs); nothing was erased</source>
        <translation>%1 が応答しません（ネットワークサーバーが消えたか、ドライバーが止まっています）。何も消去していません</translation>
    </message>
    <message>
        <source>%1 %2 is a link another user made; name the folder itself</source>
        <translation>%1 %2 は別のユーザーが作ったリンクです。フォルダーそのものを指定してください</translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;This will permanently delete the selected files. &lt;br/&gt;Please type &apos;&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;&apos; to continue:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;選択したファイルを完全に削除します。&lt;br/&gt;続けるには英単語「&lt;/span&gt;&lt;span style=&quot; font-size:11pt; color:#ff0000;&quot;&gt;Erase&lt;/span&gt;&lt;span style=&quot; font-size:11pt;&quot;&gt;」を入力してください:&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>Type &apos;Erase&apos; </source>
        <translation>「Erase」と入力 </translation>
    </message>
    <message>
        <source>Please type &apos;%1&apos; to continue:</source>
        <translation>続けるには英単語「%1」を入力してください:</translation>
    </message>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>……ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>Method: %1</source>
        <translation>方式: %1</translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach; only the drive&apos;s own sanitize command reaches them.</source>
        <translation>フラッシュでは、ドライブが割り当て直したセルはホストから届きません。届くのはドライブ自身のサニタイズコマンドだけです。</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88, IEEE 2883), by the drive&apos;s own erase: %1 completed, and no block sampled across the drive before and after it reads as it did before.</source>
        <translation>Purge（NIST SP 800-88、IEEE 2883）、ドライブ自身の消去による: %1 が完了し、ドライブ全体から抜き出したブロックで消去前と同じに読めるものはありません。</translation>
    </message>
    <message>
        <source>Purge (NIST SP 800-88), by cryptographic erase: every key slot and both headers of the %1 container were overwritten. This holds where the data was only ever written through the encryption and no copy of the header exists elsewhere.</source>
        <translation>Purge（NIST SP 800-88）、暗号消去による: %1 コンテナーのすべての鍵スロットと両方のヘッダーを上書きしました。データが常に暗号化を通してだけ書き込まれ、ヘッダーのコピーがほかに存在しない場合に成り立ちます。</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten, and blocks sampled across the drive were read back (NIST SP 800-88 Rev. 1, 4.7).</source>
        <translation>Clear（NIST SP 800-88）: アドレス指定可能なすべてのセクターを上書きし、ドライブ全体から抜き出したブロックを読み戻しました（NIST SP 800-88 Rev. 1, 4.7）。</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten and the last pass read back.</source>
        <translation>Clear（NIST SP 800-88）: アドレス指定可能なすべてのセクターを上書きし、最後のパスを読み戻しました。</translation>
    </message>
    <message>
        <source>Clear (NIST SP 800-88): every addressable sector was overwritten; the last pass was not read back.</source>
        <translation>Clear（NIST SP 800-88）: アドレス指定可能なすべてのセクターを上書きしました。最後のパスは読み戻していません。</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Clear でも Purge でもありません（NIST SP 800-88）: 消去が完了しませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Clear でも Purge でもありません（NIST SP 800-88）: %n セクターを書き込めないか読み戻せず、以前の内容が残っている可能性があります。ドライブを物理的に破壊してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>This drive holds the running system and cannot be wiped.</source>
        <translation>このドライブには実行中のシステムがあるため消去できません。</translation>
    </message>
    <message>
        <source>This drive holds your home folder and cannot be wiped.</source>
        <translation>このドライブにはホームフォルダーがあるため消去できません。</translation>
    </message>
    <message>
        <source>This partition is on the drive of the running system and cannot be wiped.</source>
        <translation>このパーティションは実行中のシステムのドライブ上にあるため消去できません。</translation>
    </message>
    <message>
        <source>This partition is on the drive of your home folder and cannot be wiped.</source>
        <translation>このパーティションはホームフォルダーのドライブ上にあるため消去できません。</translation>
    </message>
    <message>
        <source>A volume on this drive is mounted (%1): unmount it first.</source>
        <translation>このドライブのボリュームがマウントされています（%1）: 先にアンマウントしてください。</translation>
    </message>
    <message>
        <source>This drive holds active swap (%1).</source>
        <translation>このドライブには使用中のスワップがあります（%1）。</translation>
    </message>
    <message>
        <source>This drive is in use by %1 (an open encrypted volume, RAID or LVM): close it first.</source>
        <translation>このドライブは %1 が使用しています（開いている暗号化ボリューム、RAID、LVM）: 先に閉じてください。</translation>
    </message>
    <message>
        <source>This drive is held open by %1: end what uses it first.</source>
        <translation>このドライブは %1 が開いています: 先にそれを終了してください。</translation>
    </message>
    <message>
        <source>This drive is read-only.</source>
        <translation>このドライブは読み取り専用です。</translation>
    </message>
    <message>
        <source>Running system</source>
        <translation>実行中のシステム</translation>
    </message>
    <message>
        <source>Home folder</source>
        <translation>ホームフォルダー</translation>
    </message>
    <message>
        <source>System drive</source>
        <translation>システムのドライブ</translation>
    </message>
    <message>
        <source>Home folder&apos;s drive</source>
        <translation>ホームフォルダーのドライブ</translation>
    </message>
    <message>
        <source>Mounted: %1</source>
        <translation>マウント中: %1</translation>
    </message>
    <message>
        <source>Swap in use</source>
        <translation>スワップ使用中</translation>
    </message>
    <message>
        <source>In use by %1</source>
        <translation>%1 が使用中</translation>
    </message>
    <message>
        <source>Held open by %1</source>
        <translation>%1 が開いている</translation>
    </message>
    <message>
        <source>Read-only</source>
        <translation>読み取り専用</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>❌ %1 is in use (a mounted volume, a mapping, swap or another program holds it): nothing was written.</source>
        <translation>❌ %1 は使用中です（マウント中のボリューム、マッピング、スワップ、または別のプログラムが保持）: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ %1 is read-only: nothing was written.</source>
        <translation>❌ %1 は読み取り専用です: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ Wiping a whole drive needs administrator rights: nothing was written to %1.</source>
        <translation>❌ ドライブ全体の消去には管理者権限が必要です: %1 には何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ %1 cannot be opened: %2</source>
        <translation>❌ %1 を開けません: %2</translation>
    </message>
    <message>
        <source>❌ %1 is not a block device: nothing was written.</source>
        <translation>❌ %1 はブロックデバイスではありません: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ %1 cannot be used: %2</source>
        <translation>❌ %1 を使用できません: %2</translation>
    </message>
    <message>
        <source>❌ %1 changed while it was opened: nothing was written.</source>
        <translation>❌ %1 は開いている間に変化しました: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ %1 is not the drive it was when it was chosen (it was removed, resized or given another file): nothing was written.</source>
        <translation>❌ %1 は選んだときのドライブではなくなりました（取り外された、サイズが変わった、別のファイルが割り当てられた）: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ %1 is no longer there (%2): nothing was written.</source>
        <translation>❌ %1 はもうありません（%2）: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ %1 now names another device than the one chosen: nothing was written.</source>
        <translation>❌ %1 は選んだものとは別のデバイスを指すようになりました: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>❌ The size of %1 cannot be read: %2</source>
        <translation>❌ %1 のサイズを読み取れません: %2</translation>
    </message>
    <message>
        <source>❌ %1 refused more than %2 sectors: the drive is failing. What it holds cannot be proved erased; destroy it physically.</source>
        <translation>❌ %1 が %2 を超えるセクターを拒否しました: ドライブが故障しかけています。中身が消去されたことは証明できません。物理的に破壊してください。</translation>
    </message>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ %1 にパーティションテーブルがあります: %2、%n パーティション。</numerusform>
        </translation>
    </message>
    <message>
        <source>❌ %1 holds no LUKS container: there are no keys to destroy.</source>
        <translation>❌ %1 には LUKS コンテナーがありません: 破棄する鍵はありません。</translation>
    </message>
    <message>
        <source>❌ The LUKS header of %1 cannot be read (%2): its keys cannot be destroyed one by one. An overwrite of the whole drive reaches them.</source>
        <translation>❌ %1 の LUKS ヘッダーを読み取れません（%2）: 鍵を 1 つずつ破棄することはできません。ドライブ全体の上書きなら届きます。</translation>
    </message>
    <message>
        <source>keys</source>
        <translation>鍵</translation>
    </message>
    <message>
        <source>❌ The key slots of %1 could not be destroyed: %2</source>
        <translation>❌ %1 の鍵スロットを破棄できませんでした: %2</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but a LUKS header is still found on it after its first %3 were overwritten.</source>
        <translation>❌ %2 の %1 個の鍵スロットを破棄しましたが、先頭 %3 を上書きした後も LUKS ヘッダーが見つかります。</translation>
    </message>
    <message>
        <source>❌ The %1 key slot(s) of %2 were destroyed, but its headers could not be overwritten: %3</source>
        <translation>❌ %2 の %1 個の鍵スロットを破棄しましたが、ヘッダーを上書きできませんでした: %3</translation>
    </message>
    <message>
        <source>🔑 The %1 key slot(s) and the headers of the %2 container on %3 were destroyed: no passphrase or key file opens it again.</source>
        <translation>🔑 %3 上の %2 コンテナーの %1 個の鍵スロットとヘッダーを破棄しました: どのパスフレーズや鍵ファイルでも二度と開けません。</translation>
    </message>
    <message>
        <source>marking sampled blocks</source>
        <translation>抜き出したブロックに印を付けています</translation>
    </message>
    <message>
        <source>❌ The sampled blocks of %1 could not be marked before its own erase: %2. Nothing was sent to the drive.</source>
        <translation>❌ %1 自身の消去の前に、抜き出したブロックに印を付けられませんでした: %2。ドライブには何も送信していません。</translation>
    </message>
    <message>
        <source>🧰 Sending %1 its own erase: %2…</source>
        <translation>🧰 %1 に自身の消去を送信しています: %2…</translation>
    </message>
    <message>
        <source>the drive&apos;s own erase</source>
        <translation>ドライブ自身の消去</translation>
    </message>
    <message>
        <source>checking sampled blocks</source>
        <translation>抜き出したブロックを確認しています</translation>
    </message>
    <message>
        <source>✅ %1 completed its own erase; none of %2 blocks sampled across it reads as it did before.</source>
        <translation>✅ %1 は自身の消去を完了しました。ドライブ全体から抜き出した %2 ブロックのいずれも以前と同じには読めません。</translation>
    </message>
    <message>
        <source>❌ %1 reported its own erase complete, but %2 of %3 blocks sampled across it still read as they did before it (the first at byte %4)%5. It was not erased: overwrite the whole drive, or destroy it.</source>
        <translation>❌ %1 は自身の消去が完了したと報告しましたが、ドライブ全体から抜き出した %3 ブロックのうち %2 ブロックがまだ以前と同じに読めます（最初はバイト %4）%5。消去されていません: ドライブ全体を上書きするか、破壊してください。</translation>
    </message>
    <message>
        <source>, or could not be read</source>
        <translation>、または読み取れませんでした</translation>
    </message>
    <message>
        <source>❌ %1 did not carry out %2: %3</source>
        <translation>❌ %1 は %2 を実行しませんでした: %3</translation>
    </message>
    <message>
        <source>⏱️ %1 estimates its own erase takes %2 min.</source>
        <translation>⏱️ %1 は自身の消去に %2 分かかると見積もっています。</translation>
    </message>
    <message>
        <source>⚠️ %1 carries on with its own erase by itself: a drive&apos;s sanitize cannot be stopped, and resumes after a power cycle. Velmora stopped waiting for it, and has not checked what it did.</source>
        <translation>⚠️ %1 は自身の消去を単独で続けています: ドライブのサニタイズは止められず、電源を入れ直した後も再開します。Velmora は待つのをやめ、その結果を確認していません。</translation>
    </message>
    <message>
        <source>🔄 Pass %1 of %2 over %3 (%4)…</source>
        <translation>🔄 パス %1/%2、%3（%4）…</translation>
    </message>
    <message>
        <source>❌ Writing to %1 failed after %2 of pass %3: %4</source>
        <translation>❌ %1 への書き込みがパス %3 の %2 の後に失敗しました: %4</translation>
    </message>
    <message>
        <source>✅ Pass %1 of %2 written and synced.</source>
        <translation>✅ パス %1/%2 を書き込み、同期しました。</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 could not be opened for the wipe, and stay as they were: %2</source>
        <translation>⚠️ %1 の隠しセクターを消去のために開けなかったため、そのままです: %2</translation>
    </message>
    <message>
        <source>hidden sectors</source>
        <translation>隠しセクター</translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 %1 のホスト保護領域（HPA）を、ドライブの次の電源切断まで消去のために開いています: %n セクター。</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ The host protected area of %1 stays open until the drive is next switched off: %2</source>
        <translation>⚠️ %1 のホスト保護領域（HPA）は、ドライブの次の電源切断まで開いたままです: %2</translation>
    </message>
    <message>
        <source>⚠️ The hidden sectors of %1 were not all overwritten and read back as written: %2</source>
        <translation>⚠️ %1 の隠しセクターのすべてを上書きし書き込んだとおりに読み戻すことはできませんでした: %2</translation>
    </message>
    <message>
        <source>they read back otherwise</source>
        <translation>読み戻した内容が異なります</translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ %1 の %n 隠しセクターを上書きして読み戻し、上限を元に戻しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ %1 の %n 隠しセクターを上書きし、上限を元に戻しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>sampled read-back</source>
        <translation>抜き取りの読み戻し</translation>
    </message>
    <message>
        <source>❌ %1 of %2 blocks sampled across %3 did not read back as written (the first at byte %4): the drive does not keep what it is given.</source>
        <translation>❌ %3 全体から抜き出した %2 ブロックのうち %1 ブロックが書き込んだとおりに読み戻せませんでした（最初はバイト %4）: ドライブは渡されたものを保持していません。</translation>
    </message>
    <message>
        <source>✅ %1 blocks sampled across %2 read back and compared.</source>
        <translation>✅ %2 全体から抜き出した %1 ブロックを読み戻して比較しました。</translation>
    </message>
    <message>
        <source>read-back</source>
        <translation>読み戻し</translation>
    </message>
    <message>
        <source>❌ %1 gave back something else than was written, at byte %2: the drive does not keep what it is given.</source>
        <translation>❌ %1 がバイト %2 で書き込んだものと異なるデータを返しました: ドライブは渡されたものを保持していません。</translation>
    </message>
    <message>
        <source>❌ Reading %1 back failed at byte %2: %3</source>
        <translation>❌ %1 の読み戻しがバイト %2 で失敗しました: %3</translation>
    </message>
    <message>
        <source>✅ Read back and compared: %1 of %2.</source>
        <translation>✅ 読み戻して比較しました: %1 / %2。</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 is a disk image; a discard would only punch holes in its file, which the passes have overwritten.</source>
        <translation>ℹ️ 破棄なし: %1 はディスクイメージです。破棄してもそのファイルに穴を開けるだけで、ファイルはすでにパスで上書きされています。</translation>
    </message>
    <message>
        <source>discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded securely (secure TRIM).</source>
        <translation>✂️ %1 全体を安全に破棄しました（セキュア TRIM）。</translation>
    </message>
    <message>
        <source>✂️ The whole of %1 was discarded (TRIM).</source>
        <translation>✂️ %1 全体を破棄しました（TRIM）。</translation>
    </message>
    <message>
        <source>ℹ️ %1 did not accept a discard: %2</source>
        <translation>ℹ️ %1 は破棄を受け付けませんでした: %2</translation>
    </message>
    <message>
        <source>ℹ️ No discard: %1 does not accept discards (TRIM).</source>
        <translation>ℹ️ 破棄なし: %1 は破棄（TRIM）を受け付けません。</translation>
    </message>
    <message>
        <source>new file system</source>
        <translation>新しいファイルシステム</translation>
    </message>
    <message>
        <source>🆕 %1 is ready to use again: a new %2 partition table and an empty %3 file system on %4.</source>
        <translation>🆕 %1 は再び使えます: 新しい %2 パーティションテーブルと、%4 上の空の %3 ファイルシステム。</translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>隠しセクターを消去しました: ホスト保護領域（HPA）、つまりドライブが示す末尾より後ろの %n セクターを消去のために開き、残りと同じように上書きし、元に戻しました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>隠しセクターは消去されていません: ドライブが示す末尾より後ろの %n セクターは上書きも確認もされていません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %1 の %n セクターを書き込めないか読み戻せませんでした。残りは完了しています。読み取れないセクターはきれいだと証明できません: このドライブを物理的に破壊してください。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ ドライブの消去は例外付きで終了しました: %n セクターを消去できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>✅ Drive wipe completed.</source>
        <translation>✅ ドライブの消去が完了しました。</translation>
    </message>
    <message>
        <source>✅ The encryption keys were destroyed.</source>
        <translation>✅ 暗号鍵を破棄しました。</translation>
    </message>
    <message>
        <source>❌ %1 is already chosen in this wipe, itself or as the drive of a chosen partition: nothing was written.</source>
        <translation>❌ %1 はこの消去ですでに選ばれています（それ自体か、選んだパーティションのドライブとして）: 何も書き込んでいません。</translation>
    </message>
    <message>
        <source>⚠️ %1: wiped, not made ready to use: %2</source>
        <translation>⚠️ %1: 消去しましたが、使える状態にはしていません: %2</translation>
    </message>
    <message>
        <source>a drive that refused sectors is to be destroyed, not used again</source>
        <translation>セクターを拒んだドライブは再利用せず、破壊するものです</translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message>
        <source>Dialog</source>
        <translation>ダイアログ</translation>
    </message>
    <message>
        <source>NIST 800-88 (1 pass)</source>
        <translation>NIST 800-88（1 パス）</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR（7 パス）</translation>
    </message>
    <message>
        <source>Gutmann (35 passes)</source>
        <translation>Gutmann（35 パス）</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M（3 パス）</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5（2 パス）</translation>
    </message>
    <message>
        <source>Verify after the last pass</source>
        <translation>最後のパスの後に検証</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Select Erase Method</source>
        <translation>消去方式の選択</translation>
    </message>
    <message>
        <source>Also remove thumbnails, recent-files entries and Trash records</source>
        <translation>サムネイル、最近使ったファイル、ゴミ箱の記録も削除</translation>
    </message>
    <message>
        <source>Destroy the encryption keys (%1)</source>
        <translation>暗号鍵を破棄（%1）</translation>
    </message>
    <message>
        <source>Destroy the encryption keys before overwriting</source>
        <translation>上書きの前に暗号鍵を破棄</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase:</source>
        <translation>ドライブ自身の消去:</translation>
    </message>
    <message>
        <source>Then overwrite it once more (1 pass random)</source>
        <translation>その後さらに 1 回上書き（ランダム 1 パス）</translation>
    </message>
    <message>
        <source>Afterwards:</source>
        <translation>その後:</translation>
    </message>
    <message>
        <source>Leave it blank</source>
        <translation>空のままにする</translation>
    </message>
    <message>
        <source>Make it ready to use: exFAT</source>
        <translation>使える状態にする: exFAT</translation>
    </message>
    <message>
        <source>Make it ready to use: FAT32</source>
        <translation>使える状態にする: FAT32</translation>
    </message>
    <message>
        <source>Make it ready to use: ext4</source>
        <translation>使える状態にする: ext4</translation>
    </message>
    <message>
        <source>Once the wipe has succeeded: a new partition table with one partition over the whole drive, and a fresh file system on it.</source>
        <translation>消去に成功したら: ドライブ全体にわたるパーティションを 1 つ持つ新しいパーティションテーブルと、その上の新しいファイルシステム。</translation>
    </message>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>%n 個の隠しセクターも開いて上書き</numerusform>
        </translation>
    </message>
    <message>
        <source>The drive keeps these sectors from the host (a host protected area). They are opened for the wipe until the drive is next switched off, and set back after it. Without this they stay as they are, and the report says so.</source>
        <translation>ドライブはこれらのセクターをホストから隠しています（ホスト保護領域、HPA）。消去のためにドライブの次の電源切断まで開き、その後元に戻します。選ばない場合はそのまま残り、レポートにそう記載されます。</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>警告</translation>
    </message>
    <message>
        <source>Please select a method.</source>
        <translation>方式を選んでください。</translation>
    </message>
</context>
<context>
    <name>EraseMethods</name>
    <message>
        <source>NIST 800-88 (1 pass random)</source>
        <translation>NIST 800-88（ランダム 1 パス）</translation>
    </message>
    <message>
        <source>DoD 5220.22-M (3 passes)</source>
        <translation>DoD 5220.22-M（3 パス）</translation>
    </message>
    <message>
        <source>British HMG IS5 (2 passes)</source>
        <translation>British HMG IS5（2 パス）</translation>
    </message>
    <message>
        <source>German VSITR (7 passes)</source>
        <translation>BSI VSITR（7 パス）</translation>
    </message>
    <message>
        <source>Gutmann 35-pass</source>
        <translation>Gutmann 35 パス</translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message>
        <source>%1, for %2</source>
        <translation>%1（%2 用）</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n 項目、合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Destroy the encryption keys</source>
        <translation>暗号鍵の破棄</translation>
    </message>
    <message>
        <source>Destroy the encryption keys, then %1</source>
        <translation>暗号鍵の破棄、その後 %1</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1)</source>
        <translation>ドライブ自身の消去（%1）</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1), then %2</source>
        <translation>ドライブ自身の消去（%1）、その後 %2</translation>
    </message>
    <message>
        <source>Free space of %1 on %2 (%3): %4 of %5</source>
        <translation>%2 上の %1 の空き領域（%3）: %4 / %5</translation>
    </message>
    <message>
        <source>Everything on %1 on %2 (%3), %4</source>
        <translation>%2 上の %1 のすべて（%3）、%4</translation>
    </message>
    <message>
        <source>Not erased</source>
        <translation>消去されていません</translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>一部を消去: 配下の %n 項目が消去されていません</numerusform>
        </translation>
    </message>
    <message>
        <source>Not erased: the job was stopped first</source>
        <translation>消去されていません: ジョブが先に停止されました</translation>
    </message>
    <message>
        <source>Not erased: still present</source>
        <translation>消去されていません: まだ存在します</translation>
    </message>
    <message>
        <source>Not erased: gone, but not by this job</source>
        <translation>消去されていません: なくなりましたが、このジョブによるものではありません</translation>
    </message>
    <message>
        <source>Erased</source>
        <translation>消去済み</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): the wipe did not finish.</source>
        <translation>Clear でも Purge でもありません（NIST SP 800-88）: 消去が完了しませんでした。</translation>
    </message>
    <message>
        <source>Erase files and folders</source>
        <translation>ファイルとフォルダーの消去</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>ボリューム全体の消去</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>空き領域の消去</translation>
    </message>
    <message>
        <source>Wipe a whole drive</source>
        <translation>ドライブ全体の消去</translation>
    </message>
    <message>
        <source>Wiped</source>
        <translation>消去済み</translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>問題ありで終了</translation>
    </message>
    <message>
        <source>Stopped before the end</source>
        <translation>終了前に停止</translation>
    </message>
    <message>
        <source>Did not finish</source>
        <translation>完了せず</translation>
    </message>
    <message>
        <source>⏹️ The erase was stopped.</source>
        <translation>⏹️ 消去を停止しました。</translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %n 項目中 %2 項目を消去、%3 を書き込み。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 %2 written on %3.</source>
        <translation>%1 %3 に %2 を書き込み。</translation>
    </message>
    <message>
        <source>%1.</source>
        <comment>a job&apos;s state, ending its sentence</comment>
        <translation>%1。</translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>例外付きで消去: %n セクターを書き込めないか読み戻せませんでした。このドライブを物理的に破壊してください</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message>
        <source>yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>no</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>unknown</source>
        <translation>不明</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>ボリューム</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>媒体</translation>
    </message>
    <message>
        <source>Devices</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>firmware %1</source>
        <translation>ファームウェア %1</translation>
    </message>
    <message>
        <source>Disk %1</source>
        <translation>ディスク %1</translation>
    </message>
    <message>
        <source>Spinning</source>
        <translation>回転式</translation>
    </message>
    <message>
        <source>Accepts discards (TRIM)</source>
        <translation>破棄（TRIM）を受け付ける</translation>
    </message>
    <message>
        <source>Encryption</source>
        <translation>暗号化</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Sanitization</source>
        <translation>サニタイズ</translation>
    </message>
    <message>
        <source>Drive&apos;s own erase</source>
        <translation>ドライブ自身の消去</translation>
    </message>
    <message>
        <source>Drive&apos;s answer</source>
        <translation>ドライブの応答</translation>
    </message>
    <message>
        <source>completed</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>still running when Velmora stopped waiting</source>
        <translation>Velmora が待つのをやめた時点でまだ実行中</translation>
    </message>
    <message>
        <source>failed</source>
        <translation>失敗</translation>
    </message>
    <message>
        <source>not sent</source>
        <translation>未送信</translation>
    </message>
    <message>
        <source>Sampled check</source>
        <translation>抜き取り確認</translation>
    </message>
    <message>
        <source>%1 blocks across the drive marked before and read after: %2 as the command promises, %3 not</source>
        <translation>ドライブ全体の %1 ブロックに事前に印を付け事後に読み取り: %2 はコマンドの約束どおり、%3 はそうでない</translation>
    </message>
    <message>
        <source>not done</source>
        <translation>未実施</translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>ドライブ全体から抜き出した %n ブロックを読み戻して比較: 一致</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>ドライブ全体から抜き出した %n ブロックを読み戻して比較: 不一致</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 read back and compared: identical</source>
        <translation>%1 を読み戻して比較: 一致</translation>
    </message>
    <message>
        <source>%1 read back and compared: different</source>
        <translation>%1 を読み戻して比較: 不一致</translation>
    </message>
    <message>
        <source>not made: %1</source>
        <translation>作成せず: %1</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it</source>
        <translation>パーティションを 1 つ（%2）持つ新しい %1 パーティションテーブルと、その上の空の %3 ファイルシステム</translation>
    </message>
    <message>
        <source>a new %1 partition table with one partition (%2), and an empty %3 file system on it labelled %4</source>
        <translation>パーティションを 1 つ（%2）持つ新しい %1 パーティションテーブルと、その上のラベル %4 の空の %3 ファイルシステム</translation>
    </message>
    <message>
        <source>not told by the drive</source>
        <translation>ドライブが示さない</translation>
    </message>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Image file</source>
        <translation>イメージファイル</translation>
    </message>
    <message>
        <source>Vendor</source>
        <translation>ベンダー</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial number</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Firmware</source>
        <translation>ファームウェア</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Sector size</source>
        <translation>セクターサイズ</translation>
    </message>
    <message>
        <source>%1 bytes logical, %2 bytes physical</source>
        <translation>論理 %1 バイト、物理 %2 バイト</translation>
    </message>
    <message>
        <source>Transport</source>
        <translation>接続方式</translation>
    </message>
    <message>
        <source>%1: %2 at %3</source>
        <translation>%1: %2（%3）</translation>
    </message>
    <message>
        <source>Partition table before</source>
        <translation>消去前のパーティションテーブル</translation>
    </message>
    <message>
        <source>none found</source>
        <translation>見つかりません</translation>
    </message>
    <message>
        <source>Encryption keys</source>
        <translation>暗号鍵</translation>
    </message>
    <message>
        <source>%1: %2 key slot(s) destroyed, %3 of headers overwritten</source>
        <translation>%1: 鍵スロット %2 個を破棄、ヘッダー %3 を上書き</translation>
    </message>
    <message>
        <source>Pass %1</source>
        <translation>パス %1</translation>
    </message>
    <message>
        <source>random data, %1, complete</source>
        <translation>ランダムデータ、%1、完了</translation>
    </message>
    <message>
        <source>random data, %1, not complete</source>
        <translation>ランダムデータ、%1、未完了</translation>
    </message>
    <message>
        <source>Verification</source>
        <translation>検証</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>破棄</translation>
    </message>
    <message>
        <source>the whole drive, securely</source>
        <translation>ドライブ全体、安全に</translation>
    </message>
    <message>
        <source>the whole drive</source>
        <translation>ドライブ全体</translation>
    </message>
    <message>
        <source>refused by the drive</source>
        <translation>ドライブが拒否</translation>
    </message>
    <message>
        <source>not supported by the drive</source>
        <translation>ドライブが非対応</translation>
    </message>
    <message>
        <source>Ready to use again</source>
        <translation>再び使える状態</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2), then overwrite</source>
        <translation>ドライブ自身の消去（%1、%2）、その後に上書き</translation>
    </message>
    <message>
        <source>The drive&apos;s own erase (%1, %2)</source>
        <translation>ドライブ自身の消去（%1、%2）</translation>
    </message>
    <message>
        <source>Overwrite</source>
        <translation>上書き</translation>
    </message>
    <message>
        <source>Cryptographic erase</source>
        <translation>暗号消去</translation>
    </message>
    <message>
        <source>Cryptographic erase, then overwrite</source>
        <translation>暗号消去の後に上書き</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive, marked before the drive&apos;s own erase and read after it (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>ドライブ全体から抜き出し、ドライブ自身の消去の前に印を付け、後で読み取ったブロック（NIST SP 800-88 Rev. 1, 4.7）</translation>
    </message>
    <message>
        <source>Blocks sampled across the drive read back after the last pass and compared (NIST SP 800-88 Rev. 1, 4.7)</source>
        <translation>最後のパスの後にドライブ全体から抜き出したブロックを読み戻して比較（NIST SP 800-88 Rev. 1, 4.7）</translation>
    </message>
    <message>
        <source>The last pass read back from the device and compared</source>
        <translation>最後のパスをデバイスから読み戻して比較</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Clear でも Purge でもありません（NIST SP 800-88）: ファイルシステムを通した上書きは、媒体のアドレス指定可能なすべてのブロックには届きません。</translation>
    </message>
    <message>
        <source>Sanitization record</source>
        <translation>サニタイズ記録</translation>
    </message>
    <message>
        <source>Manufacturer</source>
        <translation>製造元</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>資産番号</translation>
    </message>
    <message>
        <source>Media type</source>
        <translation>媒体の種類</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>媒体の出所</translation>
    </message>
    <message>
        <source>Category</source>
        <translation>区分</translation>
    </message>
    <message>
        <source>Technique</source>
        <translation>手法</translation>
    </message>
    <message>
        <source>Tool</source>
        <translation>ツール</translation>
    </message>
    <message>
        <source>Verification method</source>
        <translation>検証方法</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>サニタイズ後の行き先</translation>
    </message>
    <message>
        <source>Performed by</source>
        <translation>実施者</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>氏名</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>組織</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日付</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>確認者</translation>
    </message>
    <message>
        <source>Product</source>
        <translation>製品</translation>
    </message>
    <message>
        <source>Host</source>
        <translation>ホスト</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Method</source>
        <translation>方式</translation>
    </message>
    <message>
        <source>Read back</source>
        <translation>読み戻し</translation>
    </message>
    <message>
        <source>The last pass was read back and compared</source>
        <translation>最後のパスを読み戻して比較しました</translation>
    </message>
    <message>
        <source>Asked for, not done: the job did not finish</source>
        <translation>要求されたが未実施: ジョブが完了しませんでした</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>マウントポイント</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>ファイルシステム</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>JSON signed by key</source>
        <translation>JSON の署名鍵</translation>
    </message>
    <message>
        <source>Signed JSON&apos;s SHA-256</source>
        <translation>署名済み JSON の SHA-256</translation>
    </message>
    <message>
        <source>Written</source>
        <translation>書き込み量</translation>
    </message>
    <message>
        <source>Read back and compared</source>
        <translation>読み戻して比較</translation>
    </message>
    <message>
        <source>Duration</source>
        <translation>所要時間</translation>
    </message>
    <message>
        <source>%1 s</source>
        <translation>%1 秒</translation>
    </message>
    <message>
        <source>Rate</source>
        <translation>速度</translation>
    </message>
    <message>
        <source>Entries</source>
        <translation>項目</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%Ln 項目中 %1 項目を消去しました。</numerusform>
        </translation>
    </message>
    <message>
        <source>Entry</source>
        <translation>項目</translation>
    </message>
    <message>
        <source>Outcome</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Too many to list one by one: each folder, and every entry that was not erased.</source>
        <translation>多すぎて 1 つずつ挙げられません: 各フォルダーと、消去されなかった各項目を示します。</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%Ln 中 %1 を消去</numerusform>
        </translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>問題</translation>
    </message>
    <message>
        <source>None.</source>
        <translation>なし。</translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n 項目を安全に消去できませんでした:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>……ほか %n 件。</numerusform>
        </translation>
    </message>
    <message>
        <source>Velmora Erasure Report</source>
        <translation>Velmora 消去レポート</translation>
    </message>
    <message>
        <source>Storage</source>
        <translation>ストレージ</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>注記</translation>
    </message>
    <message>
        <source>page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message>
        <source>Drag files or folders here</source>
        <translation>ここにファイルやフォルダーをドラッグ</translation>
    </message>
    <message>
        <source>Add File</source>
        <translation>ファイルを追加</translation>
    </message>
    <message>
        <source>Add Folder</source>
        <translation>フォルダーを追加</translation>
    </message>
    <message>
        <source>Clear All</source>
        <translation>すべてクリア</translation>
    </message>
    <message>
        <source>Add Trash</source>
        <translation>ゴミ箱を追加</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
    </message>
    <message>
        <source>Remove from the list</source>
        <translation>一覧から外す</translation>
    </message>
    <message>
        <source>Adding files/folders, please wait...</source>
        <translation>ファイルとフォルダーを追加しています。お待ちください...</translation>
    </message>
    <message>
        <source>Select Files</source>
        <translation>ファイルの選択</translation>
    </message>
    <message>
        <source>Please wait...</source>
        <translation>お待ちください...</translation>
    </message>
    <message>
        <source>Select Folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>Trash</source>
        <translation>ゴミ箱</translation>
    </message>
    <message>
        <source>The Trash is empty.</source>
        <translation>ゴミ箱は空です。</translation>
    </message>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n 項目、合計 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Not added</source>
        <translation>追加されていません</translation>
    </message>
</context>
<context>
    <name>FreeSpace</name>
    <message>
        <source>❌ A fill file could not be removed: %1 (%2 MB, %3). Delete it to get the space back.</source>
        <translation>❌ 埋め草ファイルを削除できませんでした: %1（%2 MB、%3）。領域を取り戻すには削除してください。</translation>
    </message>
    <message>
        <source>❌ Unable to create another fill file: %1</source>
        <translation>❌ 埋め草ファイルをこれ以上作れません: %1</translation>
    </message>
    <message>
        <source>❌ Writing the fill file failed: %1</source>
        <translation>❌ 埋め草ファイルの書き込みに失敗しました: %1</translation>
    </message>
    <message>
        <source>❌ Syncing the fill file failed: %1</source>
        <translation>❌ 埋め草ファイルの同期に失敗しました: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ 検証に失敗しました: %1</translation>
    </message>
    <message>
        <source>file records</source>
        <translation>ファイルレコード</translation>
    </message>
    <message>
        <source>🔄 Overwriting the free file records, which keep the names of deleted files...</source>
        <translation>🔄 削除済みファイルの名前を保持している空きファイルレコードを上書きしています...</translation>
    </message>
    <message>
        <source>❌ Overwriting the names of deleted files failed: %1</source>
        <translation>❌ 削除済みファイルの名前の上書きに失敗しました: %1</translation>
    </message>
    <message>
        <source>🧹 Removed a fill file left by an interrupted wipe: %1</source>
        <translation>🧹 中断された消去が残した埋め草ファイルを削除しました: %1</translation>
    </message>
    <message>
        <source>📁 The volume&apos;s root is not writable for you; filling its free space from your folder: %1</source>
        <translation>📁 ボリュームのルートに書き込めないため、あなたのフォルダーから空き領域を埋めます: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of free space are reserved for the system administrator and cannot be overwritten; wipe the free space as root to reach them.</source>
        <translation>⚠️ 空き領域のうち %1 MB はシステム管理者用に予約されており上書きできません。届かせるには root として空き領域を消去してください。</translation>
    </message>
    <message>
        <source>free space</source>
        <translation>空き領域</translation>
    </message>
    <message>
        <source>names and journal</source>
        <translation>名前とジャーナル</translation>
    </message>
    <message>
        <source>🔄 Overwriting the names of deleted files, free inodes and the journal...</source>
        <translation>🔄 削除済みファイルの名前、空き inode、ジャーナルを上書きしています...</translation>
    </message>
    <message>
        <source>⚠️ %1 MB of the free space of %2 were not overwritten: its file system still counts them free, but its driver took no more. What deleted files left there may remain. Checking the volume while it is not mounted (fsck.fat) puts its count right for the next wipe.</source>
        <translation>⚠️ %2 の空き領域のうち %1 MB は上書きされていません: ファイルシステムはまだ空きとして数えていますが、ドライバーがそれ以上受け付けませんでした。削除済みファイルが残したものが残っている可能性があります。マウントしていない状態でボリュームを検査する（fsck.fat）と、次回の消去に向けて数が正されます。</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ 削除済みファイルの名前が %1 に残っている可能性があります: そのドライバー（%2）は遅すぎて上書きできません。</translation>
    </message>
    <message>
        <source>⚠️ The names of deleted files may remain on %1: this file system (%2) keeps them where a fill does not reach.</source>
        <translation>⚠️ 削除済みファイルの名前が %1 に残っている可能性があります: このファイルシステム（%2）は埋め草の届かない場所にそれを保持します。</translation>
    </message>
    <message>
        <source>⚠️ XFS kept %1 MB of the free space of %2 aside while the fill held the volume, in blocks of each allocation group that no file can be given; without TRIM they keep what they held.</source>
        <translation>⚠️ 埋め草がボリュームを占めている間、XFS は %2 の空き領域のうち %1 MB を、どのファイルにも割り当てられない各アロケーショングループのブロックに取り置きました。TRIM がなければ、そこには以前の内容が残ります。</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks zeroed: it holds no copy of what was erased.</source>
        <translation>🧹 %1 のジャーナルを空にし、そのブロックをゼロで埋めました: 消去したもののコピーは残っていません。</translation>
    </message>
    <message>
        <source>🧹 The journal of %1 was emptied and its blocks discarded on the device.</source>
        <translation>🧹 %1 のジャーナルを空にし、そのブロックをデバイス上で破棄しました。</translation>
    </message>
    <message>
        <source>🔄 Pushing the erased names out of the journal...</source>
        <translation>🔄 消去した名前をジャーナルから押し出しています...</translation>
    </message>
    <message>
        <source>⚠️ The journal of %1 may still hold the last names erased; erasing as administrator empties it.</source>
        <translation>⚠️ %1 のジャーナルには最後に消去した名前がまだ残っている可能性があります。管理者として消去すると空になります。</translation>
    </message>
    <message>
        <source>❌ Pushing the erased names out of the journal failed on %1: %2</source>
        <translation>❌ %1 で消去した名前をジャーナルから押し出せませんでした: %2</translation>
    </message>
    <message>
        <source>✂️ Free blocks discarded on the device (TRIM): %1 MB</source>
        <translation>✂️ デバイス上で空きブロックを破棄しました（TRIM）: %1 MB</translation>
    </message>
    <message>
        <source>✂️ The file system&apos;s free space was discarded on the device (TRIM).</source>
        <translation>✂️ ファイルシステムの空き領域をデバイス上で破棄しました（TRIM）。</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: the device discards, but this file system (%1) or its driver does not pass it on.</source>
        <translation>ℹ️ TRIM なし: デバイスは破棄に対応していますが、このファイルシステム（%1）またはそのドライバーが伝えません。</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: this device does not discard free blocks.</source>
        <translation>ℹ️ TRIM なし: このデバイスは空きブロックを破棄しません。</translation>
    </message>
    <message>
        <source>ℹ️ No TRIM: %1</source>
        <translation>ℹ️ TRIM なし: %1</translation>
    </message>
    <message>
        <source>⚠️ The free file records of %1 were not overwritten: the volume did not read as full after the fill. Names of deleted files may remain in them.</source>
        <translation>⚠️ %1 の空きファイルレコードは上書きしていません: 埋めた後もボリュームが満杯と読めませんでした。削除したファイルの名前が残っている可能性があります。</translation>
    </message>
</context>
<context>
    <name>FreshFormat</name>
    <message>
        <source>a FAT32 label takes letters, digits, spaces and -_!#$%&amp;&apos;()@^`{}~ only</source>
        <translation>FAT32 のラベルに使えるのは英字、数字、空白と -_!#$%&amp;&apos;()@^`{}~ だけです</translation>
    </message>
    <message>
        <source>a FAT32 label takes at most 11 characters</source>
        <translation>FAT32 のラベルは最大 11 文字です</translation>
    </message>
    <message>
        <source>a label takes no control characters</source>
        <translation>ラベルに制御文字は使えません</translation>
    </message>
    <message>
        <source>an ext4 label takes at most 16 bytes</source>
        <translation>ext4 のラベルは最大 16 バイトです</translation>
    </message>
    <message>
        <source>%1 is not installed</source>
        <translation>%1 がインストールされていません</translation>
    </message>
    <message>
        <source>the partition table could not be written: %1</source>
        <translation>パーティションテーブルを書き込めませんでした: %1</translation>
    </message>
    <message>
        <source>the new partition could not be reached: %1</source>
        <translation>新しいパーティションにアクセスできませんでした: %1</translation>
    </message>
    <message>
        <source>%1 failed (%2): %3</source>
        <translation>%1 が失敗しました（%2）: %3</translation>
    </message>
    <message>
        <source>the label is not valid text</source>
        <translation>ラベルが正しい文字列ではありません</translation>
    </message>
    <message>
        <source>an exFAT label takes at most 11 characters</source>
        <translation>exFAT のラベルは最大 11 文字です</translation>
    </message>
</context>
<context>
    <name>Guards</name>
    <message>
        <source>%1 (that is, %2)</source>
        <translation>%1（つまり %2）</translation>
    </message>
    <message>
        <source>An empty path was given. It is refused, so that an unset variable in a script never means the current folder.</source>
        <translation>空のパスが指定されました。スクリプトの未設定の変数が現在のフォルダーを意味しないよう、拒否します。</translation>
    </message>
    <message>
        <source>No such file or folder: %1</source>
        <translation>そのようなファイルやフォルダーはありません: %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>%1 is the root of the file system: everything on this computer. It is never erased as a whole.</source>
        <translation>%1 はファイルシステムのルート、つまりこのコンピューターのすべてです。丸ごと消去されることはありません。</translation>
    </message>
    <message>
        <source>%1 belongs to the operating system. Erasing it would break this computer; it is refused.</source>
        <translation>%1 はオペレーティングシステムのものです。消去するとこのコンピューターが壊れるため拒否します。</translation>
    </message>
    <message>
        <source>%1 holds the data of other users or of the system&apos;s services. It is never erased as a whole; choose the folders inside it.</source>
        <translation>%1 にはほかのユーザーやシステムサービスのデータがあります。丸ごと消去されることはありません。中のフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>%1 is a home folder or holds one. It is never erased as a whole; choose the files and folders inside it.</source>
        <translation>%1 はホームフォルダーか、ホームフォルダーを含んでいます。丸ごと消去されることはありません。中のファイルとフォルダーを選んでください。</translation>
    </message>
    <message>
        <source>%1 is a device, not a file: removing it would erase nothing on the device. To destroy what a volume holds, wipe the volume (Wipe Disk).</source>
        <translation>%1 はファイルではなくデバイスです: 削除してもデバイス上の何も消去されません。ボリュームの中身を破壊するには、ボリュームを消去してください（ディスクの消去）。</translation>
    </message>
    <message>
        <source>%1 is a socket or a FIFO, not a file: it holds nothing to erase.</source>
        <translation>%1 はファイルではなくソケットまたは FIFO です: 消去するものは何もありません。</translation>
    </message>
    <message>
        <source>%1 holds the running system and cannot be wiped.</source>
        <translation>%1 には実行中のシステムがあるため消去できません。</translation>
    </message>
    <message>
        <source>%1 holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>%1 にはホームフォルダーがあるため消去できません。代わりに選んだファイルか、その空き領域を消去してください。</translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message>
        <source>the drive no longer gives the native size it gave</source>
        <translation>ドライブが以前に示したネイティブサイズを示さなくなりました</translation>
    </message>
    <message>
        <source>the drive refused SET MAX ADDRESS</source>
        <translation>ドライブが SET MAX ADDRESS を拒否しました</translation>
    </message>
    <message>
        <source>a lowered accessible max address is kept by the drive across power cycles: lifting it would change the drive for good</source>
        <translation>下げられたアクセス可能最大アドレスは電源を切ってもドライブが保持します: 引き上げるとドライブが恒久的に変わってしまいます</translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 は示している末尾より後ろに %n セクター（%2）を隠しています（下げられたアクセス可能最大アドレス）: それらは消去されません。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 は示している末尾より後ろに %n セクター（%2）を隠しています（ホスト保護領域、HPA）: それらは消去されません。</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobContext</name>
    <message>
        <source>🔒 Permission denied: some of it belongs to another user or to the system. Start Velmora with &quot;Run as administrator&quot; to erase it.</source>
        <translation>🔒 アクセスが拒否されました: 一部はほかのユーザーかシステムのものです。消去するには「管理者として実行」で Velmora を起動してください。</translation>
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
        <translation>%1（%2）</translation>
    </message>
</context>
<context>
    <name>JobJournal</name>
    <message>
        <source>a wipe of the whole volume %1</source>
        <translation>ボリューム %1 全体の消去</translation>
    </message>
    <message>
        <source>a wipe of the free space of %1</source>
        <translation>%1 の空き領域の消去</translation>
    </message>
    <message>
        <source>%1 (pid %2), started %3</source>
        <translation>%1（pid %2）、%3 開始</translation>
    </message>
    <message>
        <source>⚠️ No record of this job can be kept in %1 (%2): if it is cut short, the next start cannot tell what it left unfinished.</source>
        <translation>⚠️ このジョブの記録を %1 に保存できません（%2）: 中断された場合、次の起動時に何が未完了か分かりません。</translation>
    </message>
    <message>
        <source>An erase of files and folders</source>
        <translation>ファイルとフォルダーの消去</translation>
    </message>
    <message>
        <source>A wipe of the whole volume %1</source>
        <translation>ボリューム %1 全体の消去</translation>
    </message>
    <message>
        <source>A wipe of the free space of %1</source>
        <translation>%1 の空き領域の消去</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, every sector of which had been overwritten,</source>
        <translation>ドライブ %1 全体の消去（全セクターは上書き済み）、</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, whose LUKS keys may or may not have been destroyed,</source>
        <translation>ドライブ %1 全体の消去（LUKS の鍵は破棄されたかどうか不明）、</translation>
    </message>
    <message>
        <source>A wipe of the whole drive %1, which may still hold part of its old data,</source>
        <translation>ドライブ %1 全体の消去（以前のデータの一部がまだ残っている可能性あり）、</translation>
    </message>
    <message>
        <source>A job was interrupted, but its record cannot be read: what it left unfinished is not known, and nothing was cleaned up. The record was kept as %1.</source>
        <translation>ジョブが中断されましたが、その記録を読めません: 何が未完了かは分からず、片付けもしていません。記録は %1 として保存しました。</translation>
    </message>
    <message>
        <source>%1 (%2), started %3, was interrupted before its end%4.</source>
        <translation>%1（%2）は %3 に開始され、終了前に中断されました%4。</translation>
    </message>
    <message>
        <source>, during: %1</source>
        <translation>、実行中: %1</translation>
    </message>
    <message>
        <source>None of its entries is left on the disk.</source>
        <translation>その項目はディスク上に 1 つも残っていません。</translation>
    </message>
    <message>
        <source>Not finished, still there:</source>
        <translation>未完了、まだ存在:</translation>
    </message>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  ……ほか %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 does not answer: what the job left there was not looked for.</source>
        <translation>%1 が応答しません: ジョブがそこに残したものは探していません。</translation>
    </message>
    <message>
        <source>Removed the helper files it left in %1.</source>
        <translation>%1 に残された補助ファイルを削除しました。</translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>%1 に残された %n 個の補助ファイルを削除できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Gave the reserve it had lent back to %1.</source>
        <translation>貸していた予約領域を %1 に返しました。</translation>
    </message>
    <message>
        <source>The reserve it had lent could not be given back to %1; mounting the volume again restores it.</source>
        <translation>貸していた予約領域を %1 に返せませんでした。ボリュームを再マウントすると元に戻ります。</translation>
    </message>
    <message>
        <source>The drive: %1.</source>
        <translation>ドライブ: %1。</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>%1 still names it.</source>
        <translation>%1 は今もそれを指しています。</translation>
    </message>
    <message>
        <source>%1 now names another device: wiping %1 again would not finish this drive.</source>
        <translation>%1 は今は別のデバイスを指しています。%1 をもう一度消去しても、このドライブの消去は終わりません。</translation>
    </message>
    <message>
        <source>%1 is not there now.</source>
        <translation>%1 は今はありません。</translation>
    </message>
</context>
<context>
    <name>JobRunner</name>
    <message>
        <source>⚠️ Erase stopped: Ctrl-C (SIGINT).</source>
        <translation>⚠️ 消去を停止しました: Ctrl-C（SIGINT）。</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: asked to end (SIGTERM).</source>
        <translation>⚠️ 消去を停止しました: 終了を要求されました（SIGTERM）。</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped: the terminal or the session closed (SIGHUP).</source>
        <translation>⚠️ 消去を停止しました: 端末またはセッションが閉じられました（SIGHUP）。</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by signal %1.</source>
        <translation>⚠️ シグナル %1 で消去を停止しました。</translation>
    </message>
    <message>
        <source>cannot read the space of %1</source>
        <translation>%1 の容量を読み取れません</translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message>
        <source>❌ The operation ended early: %1</source>
        <translation>❌ 操作が途中で終わりました: %1</translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>サムネイル %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>最近使ったファイルの項目 %n 件</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>ゴミ箱の記録 %n 件</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 Traces removed: %1</source>
        <translation>🧹 痕跡を削除しました: %1</translation>
    </message>
    <message>
        <source>ℹ️ There is no home folder: thumbnails, recent files and Trash records were not looked for.</source>
        <translation>ℹ️ ホームフォルダーがありません: サムネイル、最近使ったファイル、ゴミ箱の記録は探していません。</translation>
    </message>
    <message>
        <source>traces</source>
        <translation>痕跡</translation>
    </message>
    <message>
        <source>🧹 Removed from the Trash&apos;s list of folder sizes: %1</source>
        <translation>🧹 ゴミ箱のフォルダーサイズ一覧から削除しました: %1</translation>
    </message>
    <message>
        <source>⚠️ The recent-files list was left as it is: %1. It may still name what was erased.</source>
        <translation>⚠️ 最近使ったファイルの一覧はそのままです: %1。消去したものの名前がまだ載っている可能性があります。</translation>
    </message>
    <message>
        <source>🧹 Removed from the recent files: %1</source>
        <translation>🧹 最近使ったファイルから削除しました: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, though nothing was said against its removal.</source>
        <translation>⚠️ 消去されていません: 削除を妨げるものはなかったのに、%1 はまだ存在します。</translation>
    </message>
    <message>
        <source>⚠️ Not erased: %1 is still there, so its folder could not be removed.</source>
        <translation>⚠️ 消去されていません: %1 がまだ存在するため、そのフォルダーを削除できませんでした。</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ 消去されていません: %1 にまだ %n 項目あります。</numerusform>
        </translation>
    </message>
    <message>
        <source>⚠️ Could not securely erase: %1</source>
        <translation>⚠️ 安全に消去できませんでした: %1</translation>
    </message>
    <message>
        <source>⚠️ Parts of the erased files may have been written to swap that is not encrypted (%1); no erase of files reaches them there.</source>
        <translation>⚠️ 消去したファイルの一部が暗号化されていないスワップ（%1）に書き込まれた可能性があります。ファイルの消去はそこには届きません。</translation>
    </message>
    <message>
        <source>❌ Another Velmora job is working on %1: nothing was written. Wait until it ends.</source>
        <translation>❌ 別の Velmora のジョブが %1 を処理しています: 何も書き込んでいません。終わるまで待ってください。</translation>
    </message>
    <message>
        <source>⚠️ Skipped (could not be erased): %1</source>
        <translation>⚠️ スキップしました（消去できません）: %1</translation>
    </message>
    <message>
        <source>files</source>
        <translation>ファイル</translation>
    </message>
    <message>
        <source>❌ Unable to create temp file for free space wipe.</source>
        <translation>❌ 空き領域を消去するための一時ファイルを作成できません。</translation>
    </message>
    <message>
        <source>clean-up</source>
        <translation>後片付け</translation>
    </message>
    <message>
        <source>⚠️ Full disk erase ended: not everything was erased.</source>
        <translation>⚠️ ディスク全体の消去が終了しました: すべては消去されていません。</translation>
    </message>
    <message>
        <source>✅ Full disk erase completed.</source>
        <translation>✅ ディスク全体の消去が完了しました。</translation>
    </message>
    <message>
        <source>❌ Unable to create write file to erase free space.</source>
        <translation>❌ 空き領域を消去するための書き込み用ファイルを作成できません。</translation>
    </message>
    <message>
        <source>⚠️ Free space wipe ended: not all of the free space was overwritten.</source>
        <translation>⚠️ 空き領域の消去が終了しました: 空き領域のすべては上書きされていません。</translation>
    </message>
    <message>
        <source>✅ Free space wipe complete.</source>
        <translation>✅ 空き領域の消去が完了しました。</translation>
    </message>
</context>
<context>
    <name>KeptOutcome</name>
    <message>
        <source>Erase files</source>
        <translation>ファイルの消去</translation>
    </message>
    <message>
        <source>Wipe volume</source>
        <translation>ボリュームの消去</translation>
    </message>
    <message>
        <source>Wipe free space</source>
        <translation>空き領域の消去</translation>
    </message>
    <message>
        <source>Wipe drive</source>
        <translation>ドライブの消去</translation>
    </message>
    <message>
        <source>Scheduled: %1</source>
        <translation>予定: %1</translation>
    </message>
    <message>
        <source>not signed</source>
        <translation>署名なし</translation>
    </message>
    <message>
        <source>changed after it was signed</source>
        <translation>署名後に変更</translation>
    </message>
    <message>
        <source>signed by another key</source>
        <translation>別の鍵で署名</translation>
    </message>
    <message>
        <source>%1 (it says: %2)</source>
        <translation>%1（記載: %2）</translation>
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
        <translation>ディスクの消去</translation>
    </message>
    <message>
        <source>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - Permanently Erase Data &amp;amp; Prevent Leaks&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora securely erases sensitive data from your disk or USB. &lt;br/&gt;Protect your privacy and prevent data leaks for good.&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</source>
        <translation>&lt;html&gt;&lt;head/&gt;&lt;body&gt;&lt;p&gt;&lt;span style=&quot; font-size:16pt; font-weight:700;&quot;&gt;Velmora - データを完全に消去 &amp;amp; 漏えいを防止&lt;/span&gt;&lt;/p&gt;&lt;p&gt;Velmora はディスクや USB の機密データを安全に消去します。&lt;br/&gt;プライバシーを守り、データ漏えいを確実に防ぎます。&lt;span style=&quot; font-size:14pt;&quot;&gt;&lt;br/&gt;&lt;/span&gt;&lt;/p&gt;&lt;/body&gt;&lt;/html&gt;</translation>
    </message>
    <message>
        <source>Wipe Free Space</source>
        <translation>空き領域の消去</translation>
    </message>
    <message>
        <source>Erase File</source>
        <translation>ファイルの消去</translation>
    </message>
    <message>
        <source>Volumes</source>
        <translation>ボリューム</translation>
    </message>
    <message>
        <source>Drives</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Wipe whole drives</source>
        <translation>ドライブ全体の消去</translation>
    </message>
    <message>
        <source>Check one drive, or several to wipe them at the same time.</source>
        <translation>ドライブを 1 台チェックするか、同時に消去するには複数チェックします。</translation>
    </message>
    <message>
        <source>Wipe a whole volume</source>
        <translation>ボリューム全体の消去</translation>
    </message>
    <message>
        <source>Everything on the volume chosen is erased, then its free space is filled.</source>
        <translation>選んだボリューム上のすべてを消去し、その後空き領域を埋めます。</translation>
    </message>
    <message>
        <source>Wipe the free space of a volume</source>
        <translation>ボリュームの空き領域の消去</translation>
    </message>
    <message>
        <source>What deleted files left in its free space is overwritten; the files on it stay.</source>
        <translation>削除済みファイルが空き領域に残したものを上書きします。ボリューム上のファイルはそのままです。</translation>
    </message>
    <message>
        <source>Every sector of the drive chosen is overwritten: all its partitions and its partition table.</source>
        <translation>選んだドライブのすべてのセクターを上書きします: すべてのパーティションとパーティションテーブル。</translation>
    </message>
    <message>
        <source>Wiping a whole drive needs administrator rights: start Velmora in administrator mode to choose one.</source>
        <translation>ドライブ全体の消去には管理者権限が必要です: ドライブを選ぶには Velmora を管理者モードで起動してください。</translation>
    </message>
    <message>
        <source>%1
Size: %2 bytes, sectors of %3 bytes (%4 physical)</source>
        <translation>%1
サイズ: %2 バイト、セクター %3 バイト（物理 %4）</translation>
    </message>
    <message>
        <source>Image file: %1</source>
        <translation>イメージファイル: %1</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>管理者権限が必要です</translation>
    </message>
    <message>
        <source>Wiping a whole drive writes to the device itself, which only the administrator may do. Start Velmora in administrator mode and choose the drive again.</source>
        <translation>ドライブ全体の消去はデバイス自体に書き込むため、管理者にしかできません。Velmora を管理者モードで起動し、もう一度ドライブを選んでください。</translation>
    </message>
    <message>
        <source>Start in Administrator Mode</source>
        <translation>管理者モードで起動</translation>
    </message>
    <message>
        <source>No drive selected</source>
        <translation>ドライブが選ばれていません</translation>
    </message>
    <message>
        <source>Please select a drive and click Next!</source>
        <translation>ドライブを選んで「次へ」をクリックしてください！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
    <message>
        <source>The drive %1 is no longer there.</source>
        <translation>ドライブ %1 はもうありません。</translation>
    </message>
    <message>
        <source>Asking %1 what it offers…</source>
        <translation>%1 に提供機能を問い合わせています…</translation>
    </message>
    <message>
        <source>Cancelled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>Erase operation canceled.</source>
        <translation>消去はキャンセルされました。</translation>
    </message>
    <message>
        <source>💽 Wiping the whole drive %1, please wait...</source>
        <translation>💽 ドライブ %1 全体を消去しています。お待ちください...</translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>これら %n 台のドライブ上のすべてを完全に破壊します。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n 台のドライブ、同時に消去</numerusform>
        </translation>
    </message>
    <message>
        <source>🗂️ The selected files have been overwritten and removed. What may remain:</source>
        <translation>🗂️ 選択したファイルを上書きして削除しました。残っている可能性があるもの:</translation>
    </message>
    <message>
        <source>🗂️ All selected files have been permanently erased.</source>
        <translation>🗂️ 選択したファイルはすべて完全に消去されました。</translation>
    </message>
    <message>
        <source>💽 The disk has been wiped. What may remain:</source>
        <translation>💽 ディスクを消去しました。残っている可能性があるもの:</translation>
    </message>
    <message>
        <source>💽 The disk has been securely wiped and is now clean.</source>
        <translation>💽 ディスクは安全に消去され、きれいになりました。</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten. What may remain:</source>
        <translation>🧹 空き領域を上書きしました。残っている可能性があるもの:</translation>
    </message>
    <message>
        <source>🧹 Free space has been securely wiped; no traces remain.</source>
        <translation>🧹 空き領域は安全に消去されました。痕跡は残っていません。</translation>
    </message>
    <message>
        <source>🧹 The free space has been overwritten.</source>
        <translation>🧹 空き領域を上書きしました。</translation>
    </message>
    <message>
        <source>🧰 The drive %1 has erased itself with its own command, and none of the blocks sampled across it reads as it did before.</source>
        <translation>🧰 ドライブ %1 は自身のコマンドで消去を行い、ドライブ全体から抜き出したブロックで以前と同じに読めるものはありません。</translation>
    </message>
    <message>
        <source>🔑 The encryption keys of %1 have been destroyed: what it holds can no longer be decrypted.</source>
        <translation>🔑 %1 の暗号鍵を破棄しました: その中身はもう復号できません。</translation>
    </message>
    <message>
        <source>💽 The encryption keys of %1 have been destroyed and the drive overwritten.</source>
        <translation>💽 %1 の暗号鍵を破棄し、ドライブを上書きしました。</translation>
    </message>
    <message>
        <source>💽 The drive %1 has been overwritten.</source>
        <translation>💽 ドライブ %1 を上書きしました。</translation>
    </message>
    <message>
        <source>✅ Erasure operation completed.</source>
        <translation>✅ 消去が完了しました。</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>レポートを保存…</translation>
    </message>
    <message>
        <source>Wipe Free Space of %1…</source>
        <translation>%1 の空き領域を消去…</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this job could not be kept: %1</source>
        <translation>⚠️ このジョブの結果を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Erasure Report</source>
        <translation>消去レポート</translation>
    </message>
    <message>
        <source>Save Report</source>
        <translation>レポートの保存</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>PDF 文書 (*.pdf)</translation>
    </message>
    <message>
        <source>Report not saved</source>
        <translation>レポートは保存されていません</translation>
    </message>
    <message>
        <source>The report could not be saved to %1: %2</source>
        <translation>レポートを %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>📄 Report saved to %1</source>
        <translation>📄 レポートを %1 に保存しました</translation>
    </message>
    <message>
        <source>Drives wiped: %1 of %2</source>
        <translation>消去したドライブ: %1 / %2</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Not every drive was wiped</source>
        <translation>すべてのドライブは消去されていません</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>レポートを保存…</translation>
    </message>
    <message>
        <source>⚠️ Erase stopped by user.</source>
        <translation>⚠️ ユーザーが消去を停止しました。</translation>
    </message>
    <message>
        <source>The operation did not finish:</source>
        <translation>操作は完了しませんでした:</translation>
    </message>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n 項目を安全に消去できませんでした:</numerusform>
        </translation>
    </message>
    <message>
        <source>Finished with problems</source>
        <translation>問題ありで終了</translation>
    </message>
    <message>
        <source>Add back what was not erased (%1)</source>
        <translation>消去されなかったものを戻す（%1）</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>停止の確認</translation>
    </message>
    <message>
        <source>Are you sure you want to stop?</source>
        <translation>本当に停止しますか？</translation>
    </message>
    <message>
        <source>⚠️ A scheduled wipe on %1 did not do all it meant to: see Reports… in the menu.</source>
        <translation>⚠️ %1 の予定された消去で、すべきことがすべて行われませんでした: メニューの「レポート…」を参照してください。</translation>
    </message>
    <message>
        <source>Leftover fill files</source>
        <translation>残った埋め草ファイル</translation>
    </message>
    <message>
        <source>An interrupted wipe left these fill files behind; removing them frees %1:

%2

Remove them now?</source>
        <translation>中断された消去がこれらの埋め草ファイルを残しました。削除すると %1 空きます:

%2

今削除しますか？</translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>%n 個の埋め草ファイルを削除できませんでした。そのボリュームの空き領域を消去すると削除されます。</numerusform>
        </translation>
    </message>
    <message>
        <source>Interrupted erase</source>
        <translation>中断された消去</translation>
    </message>
    <message>
        <source>Erase what is left now?</source>
        <translation>残りを今消去しますか？</translation>
    </message>
    <message>
        <source>Choose the drive again now?</source>
        <translation>今ドライブを選び直しますか？</translation>
    </message>
    <message>
        <source>Choose the volume again now?</source>
        <translation>今ボリュームを選び直しますか？</translation>
    </message>
    <message>
        <source>Erase running</source>
        <translation>消去中</translation>
    </message>
    <message>
        <source>An erase is running. Stop it and quit?</source>
        <translation>消去中です。停止して終了しますか？</translation>
    </message>
    <message>
        <source>The device does not answer; quitting without waiting for it.</source>
        <translation>デバイスが応答しません。待たずに終了します。</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Support</source>
        <translation>サポート</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Erase the Trash…</source>
        <translation>ゴミ箱を消去…</translation>
    </message>
    <message>
        <source>An erase is running. What is in the Trash is in the list of files to erase, for when it has ended.</source>
        <translation>消去中です。ゴミ箱の中身は、消去が終わった後のために消去するファイルの一覧に入っています。</translation>
    </message>
    <message>
        <source>Schedule…</source>
        <translation>予定…</translation>
    </message>
    <message>
        <source>Reports…</source>
        <translation>レポート…</translation>
    </message>
    <message>
        <source>Report Details…</source>
        <translation>レポートの情報…</translation>
    </message>
    <message>
        <source>Show Report…</source>
        <translation>レポートを表示…</translation>
    </message>
    <message>
        <source>Please wait</source>
        <translation>お待ちください</translation>
    </message>
    <message>
        <source>Velmora v%1

This software helps you securely erase files, disks, and free space.

Copyright © 2026 The Velmora developers</source>
        <translation>Velmora v%1

このソフトウェアは、ファイル、ディスク、空き領域を安全に消去するのを助けます。

Copyright © 2026 The Velmora developers</translation>
    </message>
    <message>
        <source>No browser</source>
        <translation>ブラウザーがありません</translation>
    </message>
    <message>
        <source>No web browser could be started. The page is at:
%1</source>
        <translation>ウェブブラウザーを起動できませんでした。ページの場所:
%1</translation>
    </message>
    <message>
        <source>Velmora Manual</source>
        <translation>Velmora マニュアル</translation>
    </message>
    <message>
        <source>No web browser could be started; this is the manual installed with Velmora. The online help is at %1.</source>
        <translation>ウェブブラウザーを起動できませんでした。これは Velmora と一緒にインストールされたマニュアルです。オンラインヘルプは %1 にあります。</translation>
    </message>
    <message>
        <source>This disk holds the running system and cannot be wiped.</source>
        <translation>このディスクには実行中のシステムがあるため消去できません。</translation>
    </message>
    <message>
        <source>This disk holds your home folder and cannot be wiped. Erase the files you choose, or wipe its free space instead.</source>
        <translation>このディスクにはホームフォルダーがあるため消去できません。代わりに選んだファイルか、その空き領域を消去してください。</translation>
    </message>
    <message>
        <source>This will destroy the encryption keys of %1: nothing on it can be decrypted again.</source>
        <translation>%1 の暗号鍵を破棄します: その上のものは二度と復号できません。</translation>
    </message>
    <message>
        <source>This will permanently destroy everything on the drive %1.</source>
        <translation>ドライブ %1 上のすべてを完全に破壊します。</translation>
    </message>
    <message>
        <source>Selected method: %1</source>
        <translation>選択した方式: %1</translation>
    </message>
    <message>
        <source>No Files</source>
        <translation>ファイルがありません</translation>
    </message>
    <message>
        <source>Please add at least one file.</source>
        <translation>ファイルを 1 つ以上追加してください。</translation>
    </message>
    <message>
        <source>Please select erasure method!</source>
        <translation>消去方式を選んでください！</translation>
    </message>
    <message>
        <source>The erase operation has been canceled.</source>
        <translation>消去はキャンセルされました。</translation>
    </message>
    <message>
        <source>No disk selected</source>
        <translation>ディスクが選ばれていません</translation>
    </message>
    <message>
        <source>Please select a disk and click Next!</source>
        <translation>ディスクを選んで「次へ」をクリックしてください！</translation>
    </message>
    <message>
        <source>Please select an erase method first!</source>
        <translation>先に消去方式を選んでください！</translation>
    </message>
    <message>
        <source>No disk selected!</source>
        <translation>ディスクが選ばれていません！</translation>
    </message>
    <message>
        <source>The selected disk path is invalid!</source>
        <translation>選んだディスクのパスが無効です！</translation>
    </message>
    <message>
        <source>Unable to obtain disk capacity!</source>
        <translation>ディスクの容量を取得できません！</translation>
    </message>
    <message>
        <source>🧹 Erasing disk, please wait...</source>
        <translation>🧹 ディスクを消去しています。お待ちください...</translation>
    </message>
    <message>
        <source>Please select an erasure method first!</source>
        <translation>先に消去方式を選んでください！</translation>
    </message>
    <message>
        <source>Canceled</source>
        <translation>キャンセルしました</translation>
    </message>
    <message>
        <source>The erase operation was canceled.</source>
        <translation>消去はキャンセルされました。</translation>
    </message>
    <message>
        <source>Unable to get free space!</source>
        <translation>空き領域を取得できません！</translation>
    </message>
    <message>
        <source>🧹 Erasing free space, please wait...</source>
        <translation>🧹 空き領域を消去しています。お待ちください...</translation>
    </message>
</context>
<context>
    <name>Medium</name>
    <message>
        <source>network</source>
        <translation>ネットワーク</translation>
    </message>
    <message>
        <source>memory · %1</source>
        <translation>メモリ · %1</translation>
    </message>
    <message>
        <source>memory</source>
        <translation>メモリ</translation>
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
        <translation>USB フラッシュ</translation>
    </message>
    <message>
        <source>USB drive</source>
        <translation>USB ドライブ</translation>
    </message>
    <message>
        <source>SD card</source>
        <translation>SD カード</translation>
    </message>
    <message>
        <source>eMMC</source>
        <translation>eMMC</translation>
    </message>
    <message>
        <source>virtual disk · SSD</source>
        <translation>仮想ディスク · SSD</translation>
    </message>
    <message>
        <source>virtual disk</source>
        <translation>仮想ディスク</translation>
    </message>
    <message>
        <source>disk image</source>
        <translation>ディスクイメージ</translation>
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
        <translation>不明</translation>
    </message>
    <message>
        <source>not responding</source>
        <translation>応答なし</translation>
    </message>
    <message>
        <source>image on %1</source>
        <translation>%1 上のイメージ</translation>
    </message>
    <message>
        <source> · encrypted</source>
        <translation> · 暗号化</translation>
    </message>
    <message>
        <source>serial %1</source>
        <translation>シリアル番号 %1</translation>
    </message>
    <message>
        <source>a solid-state drive</source>
        <translation>ソリッドステートドライブ</translation>
    </message>
    <message>
        <source>a disk</source>
        <translation>ハードディスク</translation>
    </message>
    <message>
        <source>a USB drive</source>
        <translation>USB ドライブ</translation>
    </message>
    <message>
        <source>an SD card</source>
        <translation>SD カード</translation>
    </message>
    <message>
        <source>eMMC flash memory</source>
        <translation>eMMC フラッシュメモリ</translation>
    </message>
    <message>
        <source>⚠️ %1 is a network file system (%2): the server may keep copies and snapshots of what was erased, which no overwrite from this computer reaches.</source>
        <translation>⚠️ %1 はネットワークファイルシステムです（%2）: サーバーが消去したもののコピーやスナップショットを保持している可能性があり、このコンピューターからの上書きはそこに届きません。</translation>
    </message>
    <message>
        <source>ℹ️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off.</source>
        <translation>ℹ️ %1 はメモリ上にあります（%2）: そこで消去したものはコンピューターの電源を切ると消えます。</translation>
    </message>
    <message>
        <source>⚠️ %1 is held in memory (%2): what was erased there is gone once the computer is switched off, but parts of it may have been written to swap that is not encrypted (%3).</source>
        <translation>⚠️ %1 はメモリ上にあります（%2）: そこで消去したものはコンピューターの電源を切ると消えますが、その一部が暗号化されていないスワップ（%3）に書き込まれた可能性があります。</translation>
    </message>
    <message>
        <source>🔒 %1 is encrypted (%2): whatever earlier copies the drive beneath it may keep are encrypted too, and cannot be read without its key.</source>
        <translation>🔒 %1 は暗号化されています（%2）: その下のドライブが保持しうる以前のコピーも暗号化されており、鍵がなければ読めません。</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches. Velmora asks it to discard the freed blocks (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 は %2 上にあります: ドライブは上書きの届かないフラッシュのセルに以前のコピーを保持している可能性があります。Velmora は解放したブロックの破棄（TRIM）をドライブに求めます。確実にするには、ドライブを暗号化しておくか、手放す前にドライブ自身のサニタイズコマンドを使ってください。</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: the drive may keep earlier copies in flash cells that no overwrite reaches, and it does not accept discards (TRIM). To be sure, keep the drive encrypted, or use the drive&apos;s own sanitize command before it leaves your hands.</source>
        <translation>⚠️ %1 は %2 上にあります: ドライブは上書きの届かないフラッシュのセルに以前のコピーを保持している可能性があり、破棄（TRIM）も受け付けません。確実にするには、ドライブを暗号化しておくか、手放す前にドライブ自身のサニタイズコマンドを使ってください。</translation>
    </message>
    <message>
        <source>⚠️ %1 is on %2: if it holds flash memory, as USB sticks do, it may keep earlier copies in cells that no overwrite reaches. To be sure, keep the drive encrypted.</source>
        <translation>⚠️ %1 は %2 上にあります: USB メモリのようにフラッシュメモリを持つ場合、上書きの届かないセルに以前のコピーを保持している可能性があります。確実にするには、ドライブを暗号化しておいてください。</translation>
    </message>
    <message>
        <source>Neither Clear nor Purge (NIST SP 800-88): an overwrite through the file system does not reach every addressable block of the medium.</source>
        <translation>Clear でも Purge でもありません（NIST SP 800-88）: ファイルシステムを通した上書きは、媒体のアドレス指定可能なすべてのブロックには届きません。</translation>
    </message>
    <message>
        <source>On flash, cells the drive has remapped are outside the host&apos;s reach.</source>
        <translation>フラッシュでは、ドライブが割り当て直したセルはホストから届きません。</translation>
    </message>
    <message>
        <source>The blocks lie on another computer.</source>
        <translation>ブロックは別のコンピューター上にあります。</translation>
    </message>
    <message>
        <source>The volume is encrypted: what the drive keeps beneath it is ciphertext.</source>
        <translation>ボリュームは暗号化されています: その下でドライブが保持しているのは暗号文です。</translation>
    </message>
    <message>
        <source>⚠️ Velmora cannot tell which file system %1 holds (its driver says &quot;%2&quot;): the names of erased files, and what its driver keeps of them, may remain there.</source>
        <translation>⚠️ Velmora には %1 のファイルシステムが分かりません（ドライバーの表示は「%2」）: 消去したファイルの名前や、ドライバーがそれについて保持するものが残っている可能性があります。</translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message>
        <source>Starting…</source>
        <translation>開始しています…</translation>
    </message>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>残り約 %n 秒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>残り約 %n 分</numerusform>
        </translation>
    </message>
    <message>
        <source>about %1 h %2 min left</source>
        <translation>残り約 %1 時間 %2 分</translation>
    </message>
    <message>
        <source>pass %1 of %2</source>
        <translation>パス %1/%2</translation>
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
        <translation>停止中: デバイスが現在の書き込みを終えるのを待っています…</translation>
    </message>
    <message>
        <source>Finishing…</source>
        <translation>仕上げ中…</translation>
    </message>
</context>
<context>
    <name>ReportDetails</name>
    <message>
        <source>Erased by</source>
        <translation>消去実施者</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>役職</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>組織</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>場所</translation>
    </message>
    <message>
        <source>Contact</source>
        <translation>連絡先</translation>
    </message>
    <message>
        <source>Property number</source>
        <translation>資産番号</translation>
    </message>
    <message>
        <source>Media source</source>
        <translation>媒体の出所</translation>
    </message>
    <message>
        <source>Destination after sanitization</source>
        <translation>サニタイズ後の行き先</translation>
    </message>
    <message>
        <source>Verified by</source>
        <translation>確認者</translation>
    </message>
    <message>
        <source>Verifier&apos;s title</source>
        <translation>確認者の役職</translation>
    </message>
</context>
<context>
    <name>ReportDetailsDialog</name>
    <message>
        <source>Report Details</source>
        <translation>レポートの情報</translation>
    </message>
    <message>
        <source>Each report names these. What stays empty is printed as a line to fill in by hand.</source>
        <translation>各レポートにこれらの情報を記載します。空欄の項目は手書き用の線として印刷されます。</translation>
    </message>
</context>
<context>
    <name>ReportSignature</name>
    <message>
        <source>the signing key %1 may be changed by others (mode %2): it is not used</source>
        <translation>署名鍵 %1 はほかの人が変更できます（モード %2）: 使いません</translation>
    </message>
    <message>
        <source>the signing key %1 belongs to another user (uid %2)</source>
        <translation>署名鍵 %1 は別のユーザーのものです（uid %2）</translation>
    </message>
    <message>
        <source>others can read the signing key %1 (mode %2): whoever can may sign outcomes in your name</source>
        <translation>ほかの人が署名鍵 %1 を読めます（モード %2）: 読める人はあなたの名前で結果に署名できてしまいます</translation>
    </message>
    <message>
        <source>%1 holds no Ed25519 private key</source>
        <translation>%1 には Ed25519 の秘密鍵がありません</translation>
    </message>
    <message>
        <source>no signing key could be made</source>
        <translation>署名鍵を作成できませんでした</translation>
    </message>
    <message>
        <source>a new signing key was made: %1</source>
        <translation>新しい署名鍵を作成しました: %1</translation>
    </message>
    <message>
        <source>its signature holds a field it does not have: %1</source>
        <translation>署名に、レポートにない項目が含まれています: %1</translation>
    </message>
    <message>
        <source>its signature lacks the field %1</source>
        <translation>署名に項目 %1 がありません</translation>
    </message>
    <message>
        <source>the outcome could not be signed</source>
        <translation>結果に署名できませんでした</translation>
    </message>
    <message>
        <source>the report is not signed</source>
        <translation>レポートは署名されていません</translation>
    </message>
    <message>
        <source>the report was changed after it was signed</source>
        <translation>レポートは署名後に変更されています</translation>
    </message>
    <message>
        <source>its signature names key %1, but was made with key %2</source>
        <translation>署名は鍵 %1 を名乗っていますが、鍵 %2 で作られています</translation>
    </message>
    <message>
        <source>the SHA-256 in its signature is not that of the report</source>
        <translation>署名内の SHA-256 がレポートのものと一致しません</translation>
    </message>
    <message>
        <source>it was signed by key %1, not %2</source>
        <translation>鍵 %2 ではなく鍵 %1 で署名されています</translation>
    </message>
</context>
<context>
    <name>ReportsDialog</name>
    <message>
        <source>Reports</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>Every job&apos;s signed outcome, newest first, with its report where one was made. Scheduled wipes are listed with them.</source>
        <translation>各ジョブの署名済みの結果を新しい順に、レポートがあればそれとともに表示します。予定された消去も含まれます。</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>ジョブ</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>対象</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>No job has run yet: each one&apos;s outcome is kept here.</source>
        <translation>まだジョブを実行していません: 各ジョブの結果はここに保存されます。</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Save As…</source>
        <translation>名前を付けて保存…</translation>
    </message>
    <message>
        <source>Check Signature</source>
        <translation>署名を確認</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Signature</source>
        <translation>署名</translation>
    </message>
    <message>
        <source>%1 is there already</source>
        <translation>%1 はすでにあります</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 を書き込めませんでした</translation>
    </message>
    <message>
        <source>Save Report As</source>
        <translation>レポートに名前を付けて保存</translation>
    </message>
    <message>
        <source>Not saved</source>
        <translation>保存されていません</translation>
    </message>
    <message>
        <source>This outcome is not as it was signed: %1</source>
        <translation>この結果は署名時のままではありません: %1</translation>
    </message>
    <message>
        <source>The signature is good: this outcome is as it was signed, with the key %1.</source>
        <translation>署名は正しいです: この結果は鍵 %1 で署名されたときのままです。</translation>
    </message>
</context>
<context>
    <name>Sanitize</name>
    <message>
        <source>a partition: the drive&apos;s own erase takes the whole drive</source>
        <translation>パーティション: ドライブ自身の消去はドライブ全体に及びます</translation>
    </message>
    <message>
        <source>a loop device has no erase of its own</source>
        <translation>ループデバイスには自身の消去がありません</translation>
    </message>
    <message>
        <source>held in memory: it has no erase of its own</source>
        <translation>メモリ上: 自身の消去はありません</translation>
    </message>
    <message>
        <source>a virtual disk (virtio): the host passes no erase commands to it</source>
        <translation>仮想ディスク（virtio）: ホストは消去コマンドを渡しません</translation>
    </message>
    <message>
        <source>behind a USB bridge: connect it directly to use its own erase</source>
        <translation>USB ブリッジ経由: 自身の消去を使うには直接接続してください</translation>
    </message>
    <message>
        <source>an SD card or eMMC: Velmora does not send its own erase</source>
        <translation>SD カードまたは eMMC: Velmora は自身の消去を送りません</translation>
    </message>
    <message>
        <source>a network disk has no erase of its own</source>
        <translation>ネットワークディスクには自身の消去がありません</translation>
    </message>
    <message>
        <source>administrator rights are needed to ask the drive what it offers</source>
        <translation>ドライブに提供機能を問い合わせるには管理者権限が必要です</translation>
    </message>
    <message>
        <source>the kernel passes no commands to it</source>
        <translation>カーネルがコマンドを渡しません</translation>
    </message>
    <message>
        <source>it could not be asked: %1</source>
        <translation>問い合わせできませんでした: %1</translation>
    </message>
    <message>
        <source>it refused to identify itself (NVMe status 0x%1)</source>
        <translation>識別を拒否しました（NVMe ステータス 0x%1）</translation>
    </message>
    <message>
        <source>it offers neither Sanitize nor Format</source>
        <translation>Sanitize も Format も提供していません</translation>
    </message>
    <message>
        <source>ATA status 0x%1, error 0x%2, reason 0x%3</source>
        <translation>ATA ステータス 0x%1、エラー 0x%2、理由 0x%3</translation>
    </message>
    <message>
        <source>SCSI sense %1/%2/%3</source>
        <translation>SCSI センス %1/%2/%3</translation>
    </message>
    <message>
        <source>its SANITIZE is frozen: suspend and resume the computer to lift the freeze, then ask again</source>
        <translation>SANITIZE が凍結されています: 凍結を解除するにはコンピューターをサスペンドして再開し、もう一度問い合わせてください</translation>
    </message>
    <message>
        <source>it does not support the ATA SANITIZE feature set</source>
        <translation>ATA SANITIZE 機能セットに対応していません</translation>
    </message>
    <message>
        <source>it does not say which commands it supports</source>
        <translation>対応するコマンドを示していません</translation>
    </message>
    <message>
        <source>it does not support SCSI SANITIZE</source>
        <translation>SCSI SANITIZE に対応していません</translation>
    </message>
    <message>
        <source>the drive does not offer %1; it offers %2</source>
        <translation>ドライブは %1 を提供していません。提供しているのは %2 です</translation>
    </message>
    <message>
        <source>NVMe status 0x%1</source>
        <translation>NVMe ステータス 0x%1</translation>
    </message>
    <message>
        <source>the namespace could not be identified (%1)</source>
        <translation>ネームスペースを識別できませんでした（%1）</translation>
    </message>
    <message>
        <source>the drive failed the Format (%1)</source>
        <translation>ドライブが Format に失敗しました（%1）</translation>
    </message>
    <message>
        <source>the drive refused the Sanitize (%1)</source>
        <translation>ドライブが Sanitize を拒否しました（%1）</translation>
    </message>
    <message>
        <source>its Sanitize log could not be read (%1)</source>
        <translation>Sanitize ログを読めませんでした（%1）</translation>
    </message>
    <message>
        <source>the drive reports the Sanitize failed</source>
        <translation>ドライブは Sanitize が失敗したと報告しています</translation>
    </message>
    <message>
        <source>the drive reports no Sanitize since it was made</source>
        <translation>ドライブは製造以来 Sanitize を実行していないと報告しています</translation>
    </message>
    <message>
        <source>the drive refused the SANITIZE (%1)</source>
        <translation>ドライブが SANITIZE を拒否しました（%1）</translation>
    </message>
    <message>
        <source>the drive did not tell how its SANITIZE stands</source>
        <translation>ドライブは SANITIZE の状況を示しませんでした</translation>
    </message>
    <message>
        <source>the drive reports the SANITIZE failed (%1)</source>
        <translation>ドライブは SANITIZE が失敗したと報告しています（%1）</translation>
    </message>
    <message>
        <source>the drive reports no SANITIZE completed (%1)</source>
        <translation>ドライブは完了した SANITIZE がないと報告しています（%1）</translation>
    </message>
    <message>
        <source>the drive reports %1</source>
        <translation>ドライブの報告: %1</translation>
    </message>
    <message>
        <source>own erase: none (%1)</source>
        <translation>自身の消去: なし（%1）</translation>
    </message>
    <message>
        <source>own erase: %1</source>
        <translation>自身の消去: %1</translation>
    </message>
    <message>
        <source>; security frozen: suspend and resume the computer to lift it</source>
        <translation>、セキュリティが凍結されています: 解除するにはコンピューターをサスペンドして再開してください</translation>
    </message>
</context>
<context>
    <name>ScheduleDialog</name>
    <message>
        <source>Scheduled Wipes</source>
        <translation>予定された消去</translation>
    </message>
    <message>
        <source>Wipes that run by themselves:</source>
        <translation>自動で実行される消去:</translation>
    </message>
    <message>
        <source>Nothing is scheduled yet. Choose below what to wipe, how often and how, then Add.</source>
        <translation>まだ何も予定されていません。下で何を、どの頻度で、どのように消去するかを選び、「追加」を押してください。</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>ゴミ箱を消去</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>%1 の空き領域を消去</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>追加</translation>
    </message>
    <message>
        <source>&amp;What:</source>
        <translation>対象(&amp;W):</translation>
    </message>
    <message>
        <source>How &amp;often:</source>
        <translation>頻度(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Method:</source>
        <translation>方式(&amp;M):</translation>
    </message>
    <message>
        <source>active</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>inactive</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Each run leaves its report in %1.</source>
        <translation>各実行はレポートを %1 に残します。</translation>
    </message>
    <message>
        <source>systemd does not run here: the timers are written but inactive.</source>
        <translation>ここでは systemd が動いていません: タイマーは書き込まれましたが無効です。</translation>
    </message>
    <message>
        <source>Not scheduled</source>
        <translation>予定されていません</translation>
    </message>
    <message>
        <source>Not removed</source>
        <translation>削除されていません</translation>
    </message>
</context>
<context>
    <name>Schedules</name>
    <message>
        <source>monthly</source>
        <translation>毎月</translation>
    </message>
    <message>
        <source>weekly</source>
        <translation>毎週</translation>
    </message>
    <message>
        <source>Erase the Trash</source>
        <translation>ゴミ箱を消去</translation>
    </message>
    <message>
        <source>Wipe the free space of %1</source>
        <translation>%1 の空き領域を消去</translation>
    </message>
    <message>
        <source>runs weekly or monthly, not %1</source>
        <translation>実行は毎週か毎月です。%1 ではありません</translation>
    </message>
    <message>
        <source>unknown method %1</source>
        <translation>不明な方式 %1</translation>
    </message>
    <message>
        <source>a free-space wipe needs a mount point</source>
        <translation>空き領域の消去にはマウントポイントが必要です</translation>
    </message>
    <message>
        <source>the reports of its runs cannot be kept in %1: %2</source>
        <translation>実行のレポートを %1 に保存できません: %2</translation>
    </message>
    <message>
        <source>there is no schedule %1</source>
        <translation>予定 %1 はありません</translation>
    </message>
    <message>
        <source>cannot be removed</source>
        <translation>削除できません</translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message>
        <source>Drive</source>
        <translation>ドライブ</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>進捗</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Save Reports…</source>
        <translation>レポートを保存…</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>完了</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>%n 台のドライブを同時に消去しています。それぞれに進捗とレポートがあります。</numerusform>
        </translation>
    </message>
    <message>
        <source>Running</source>
        <translation>実行中</translation>
    </message>
    <message>
        <source>⚠️ The outcome of this drive could not be kept: %1</source>
        <translation>⚠️ このドライブの結果を保存できませんでした: %1</translation>
    </message>
    <message>
        <source>Confirm Stop</source>
        <translation>停止の確認</translation>
    </message>
    <message>
        <source>Stop every drive? Those not yet wiped keep what they hold.</source>
        <translation>すべてのドライブを停止しますか？ まだ消去されていないドライブは中身を保持します。</translation>
    </message>
    <message>
        <source>⚠️ Stopping every drive…</source>
        <translation>⚠️ すべてのドライブを停止しています…</translation>
    </message>
    <message>
        <source>%1 could not be written</source>
        <translation>%1 を書き込めませんでした</translation>
    </message>
    <message>
        <source>the outcome of %1 could not be signed: %2</source>
        <translation>%1 の結果に署名できませんでした: %2</translation>
    </message>
    <message>
        <source>Save Reports</source>
        <translation>レポートの保存</translation>
    </message>
    <message>
        <source>Reports not saved</source>
        <translation>レポートは保存されていません</translation>
    </message>
    <message>
        <source>The reports could not be saved to %1: %2</source>
        <translation>レポートを %1 に保存できませんでした: %2</translation>
    </message>
    <message>
        <source>📄 Each drive&apos;s report and signed outcome were saved to %1</source>
        <translation>📄 各ドライブのレポートと署名済みの結果を %1 に保存しました</translation>
    </message>
</context>
<context>
    <name>Traces</name>
    <message>
        <source>it is not UTF-8 text</source>
        <translation>UTF-8 のテキストではありません</translation>
    </message>
    <message>
        <source>it cannot be read</source>
        <translation>読み取れません</translation>
    </message>
    <message>
        <source>another program kept changing it</source>
        <translation>別のプログラムが変更し続けていました</translation>
    </message>
    <message>
        <source>ℹ️ The Trash %1 is left alone: %2</source>
        <translation>ℹ️ ゴミ箱 %1 はそのままにします: %2</translation>
    </message>
    <message>
        <source>it is a link</source>
        <translation>リンクです</translation>
    </message>
    <message>
        <source>it is not a folder</source>
        <translation>フォルダーではありません</translation>
    </message>
    <message>
        <source>it is not yours</source>
        <translation>あなたのものではありません</translation>
    </message>
    <message>
        <source>it lacks the sticky bit a shared Trash has</source>
        <translation>共有ゴミ箱が持つスティッキービットがありません</translation>
    </message>
    <message>
        <source>its volume does not answer</source>
        <translation>そのボリュームが応答しません</translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message>
        <source>⚠️ Changed while being erased, left alone: %1</source>
        <translation>⚠️ 消去中に変更されたため、そのままにしました: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not remove folder: %1</source>
        <translation>⚠️ フォルダーを削除できませんでした: %1</translation>
    </message>
    <message>
        <source>❌ Verification failed: %1</source>
        <translation>❌ 検証に失敗しました: %1</translation>
    </message>
    <message>
        <source>⚠️ Overwritten and removed, but the file system reported an error, so it is not known to be erased: %1</source>
        <translation>⚠️ 上書きして削除しましたが、ファイルシステムがエラーを報告したため、消去されたかどうか分かりません: %1</translation>
    </message>
    <message>
        <source>✅ Securely erased: %1</source>
        <translation>✅ 安全に消去しました: %1</translation>
    </message>
    <message>
        <source>🗑️ Deleted empty file: %1</source>
        <translation>🗑️ 空のファイルを削除しました: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed empty folder: %1</source>
        <translation>🗑️ 空のフォルダーを削除しました: %1</translation>
    </message>
    <message>
        <source>⚠️ %1 is a copy-on-write file system (%2): an overwrite in place cannot reach the older copies it keeps. Wipe the free space of this volume afterwards.</source>
        <translation>⚠️ %1 はコピーオンライトのファイルシステムです（%2）: その場での上書きは、保持されている古いコピーに届きません。後でこのボリュームの空き領域を消去してください。</translation>
    </message>
    <message>
        <source>⚠️ Up to %1 of older copies of what was erased may remain on %2 until its free space is wiped.</source>
        <translation>⚠️ 空き領域を消去するまで、%2 には消去したものの古いコピーが最大 %1 残っている可能性があります。</translation>
    </message>
    <message>
        <source>⚠️ The names of erased files may remain in the free entries of their folders on %1: its driver (%2) is too slow to overwrite them.</source>
        <translation>⚠️ 消去したファイルの名前が、%1 上のフォルダーの空きエントリーに残っている可能性があります: そのドライバー（%2）は遅すぎて上書きできません。</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in blocks its folder gave back to the volume (XFS); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ %1 から消去した名前が、そのフォルダーがボリュームに返したブロックに残っている可能性があります（XFS）。届かせるにはボリュームの空き領域を消去してください。</translation>
    </message>
    <message>
        <source>⚠️ The names erased from %1 may remain in its free entries: %2</source>
        <translation>⚠️ %1 から消去した名前が、その空きエントリーに残っている可能性があります: %2</translation>
    </message>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 消去した名前を含んでいた %n 個のフォルダーの空きエントリーを上書きしました。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ ほかの %n 個のフォルダーから消去した名前が空きエントリーに残っている可能性があります。届かせるにはボリュームの空き領域を消去してください。</numerusform>
        </translation>
    </message>
    <message>
        <source>🧹 The space the erased files and their folders gave back to %1 was overwritten.</source>
        <translation>🧹 消去したファイルとそのフォルダーが %1 に返した領域を上書きしました。</translation>
    </message>
    <message>
        <source>⚠️ The names erased from folders of %1 may remain in space the folders gave back to the volume (exFAT); wipe the volume&apos;s free space to reach them.</source>
        <translation>⚠️ %1 のフォルダーから消去した名前が、フォルダーがボリュームに返した領域に残っている可能性があります（exFAT）。届かせるにはボリュームの空き領域を消去してください。</translation>
    </message>
    <message>
        <source>the file is immutable</source>
        <translation>ファイルは変更不可です</translation>
    </message>
    <message>
        <source>the file is append-only</source>
        <translation>ファイルは追記専用です</translation>
    </message>
    <message>
        <source>⚠️ File not found: %1</source>
        <translation>⚠️ ファイルが見つかりません: %1</translation>
    </message>
    <message>
        <source>⚠️ Only this name was removed: other links outside the selection keep its content readable: %1</source>
        <translation>⚠️ この名前だけを削除しました: 選択外のほかのハードリンクから中身がまだ読めます: %1</translation>
    </message>
    <message>
        <source>🔄 Wiping: %1</source>
        <translation>🔄 消去中: %1</translation>
    </message>
    <message>
        <source>⚠️ Kept growing while being erased; what was written meanwhile may remain on the device: %1</source>
        <translation>⚠️ 消去中も大きくなり続けました。その間に書き込まれたものがデバイスに残っている可能性があります: %1</translation>
    </message>
    <message>
        <source>⚠️ Not erased, another volume is mounted here: %1</source>
        <translation>⚠️ 消去されていません。ここには別のボリュームがマウントされています: %1</translation>
    </message>
    <message>
        <source>🔗 Removed link: %1</source>
        <translation>🔗 リンクを削除しました: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not open folder: %1</source>
        <translation>⚠️ フォルダーを開けませんでした: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed special file: %1</source>
        <translation>🗑️ 特殊ファイルを削除しました: %1</translation>
    </message>
    <message>
        <source>⚠️ Could not list folder: %1</source>
        <translation>⚠️ フォルダーの中身を一覧できませんでした: %1</translation>
    </message>
    <message>
        <source>🗑️ Removed shortcut: %1</source>
        <translation>🗑️ ショートカットを削除しました: %1</translation>
    </message>
</context>
<context>
    <name>Verify</name>
    <message>
        <source>at byte %1</source>
        <translation>バイト %1</translation>
    </message>
    <message>
        <source>the device gave back other data at byte %1</source>
        <translation>デバイスがバイト %1 で別のデータを返しました</translation>
    </message>
    <message>
        <source>🔎 Verified %1 of data</source>
        <translation>🔎 %1 のデータを検証しました</translation>
    </message>
</context>
<context>
    <name>VolumePage</name>
    <message>
        <source>Back</source>
        <translation>戻る</translation>
    </message>
    <message>
        <source>Refresh</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>次へ</translation>
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
デバイス: %2
ラベル: %3
容量: %4 バイト
空き: %5 バイト</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（なし）</translation>
    </message>
    <message>
        <source>Medium: %1</source>
        <translation>媒体: %1</translation>
    </message>
    <message>
        <source>Devices: %1</source>
        <translation>デバイス: %1</translation>
    </message>
    <message>
        <source>Select</source>
        <translation>選択</translation>
    </message>
    <message>
        <source>Mount point</source>
        <translation>マウントポイント</translation>
    </message>
    <message>
        <source>Capacity</source>
        <translation>容量</translation>
    </message>
    <message>
        <source>Available space</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>File system</source>
        <translation>ファイルシステム</translation>
    </message>
    <message>
        <source>Device</source>
        <translation>デバイス</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>媒体</translation>
    </message>
    <message>
        <source>This volume does not respond; it cannot be chosen now.</source>
        <translation>このボリュームは応答しないため、今は選べません。</translation>
    </message>
    <message>
        <source>Model</source>
        <translation>モデル</translation>
    </message>
    <message>
        <source>Serial</source>
        <translation>シリアル番号</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Partitions</source>
        <translation>パーティション</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Administrator rights needed</source>
        <translation>管理者権限が必要です</translation>
    </message>
    <message>
        <source>Can be wiped</source>
        <translation>消去できます</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Erases files and folders beyond recovery, or wipes a whole volume or its free space.</source>
        <translation>ファイルとフォルダー、またはボリューム全体やその空き領域を、復元できないように消去します。</translation>
    </message>
    <message>
        <source>Files and folders to put in the list to erase.</source>
        <translation>消去する一覧に入れるファイルとフォルダー。</translation>
    </message>
</context>
</TS>
