<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>Cli</name>
    <message numerus="yes">
        <source>  … and %n more
</source>
        <translation>
            <numerusform>  … and %n more
</numerusform>
            <numerusform>  … and %n more
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy, beyond recovery, %n drive(s) at once:%1
Method: %2%3
</source>
        <translation>
            <numerusform>This will permanently destroy, beyond recovery, %n drive at once:%1
Method: %2%3
</numerusform>
            <numerusform>This will permanently destroy, beyond recovery, %n drives at once:%1
Method: %2%3
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>velmora-cli: %1 hides %n sector(s) in a host protected area: it is opened for the wipe and overwritten as well.
</source>
        <translation>
            <numerusform>velmora-cli: %1 hides %n sector in a host protected area: it is opened for the wipe and overwritten as well.
</numerusform>
            <numerusform>velmora-cli: %1 hides %n sectors in a host protected area: it is opened for the wipe and overwritten as well.
</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ConfirmEraseDialog</name>
    <message numerus="yes">
        <source>… and %n more</source>
        <translation>
            <numerusform>… and %n more</numerusform>
            <numerusform>… and %n more</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>DriveWipe</name>
    <message numerus="yes">
        <source>ℹ️ Partition table found on %1: %2, %n partition(s).</source>
        <translation>
            <numerusform>ℹ️ Partition table found on %1: %2, %n partition.</numerusform>
            <numerusform>ℹ️ Partition table found on %1: %2, %n partitions.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Neither Clear nor Purge (NIST SP 800-88): %n sector(s) could not be written or read back and may still hold what was there. Destroy the drive physically.</source>
        <translation>
            <numerusform>Neither Clear nor Purge (NIST SP 800-88): %n sector could not be written or read back and may still hold what was there. Destroy the drive physically.</numerusform>
            <numerusform>Neither Clear nor Purge (NIST SP 800-88): %n sectors could not be written or read back and may still hold what was there. Destroy the drive physically.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>❌ %n sector(s) of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</source>
        <translation>
            <numerusform>❌ %n sector of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</numerusform>
            <numerusform>❌ %n sectors of %1 could not be written or read back; the rest was. Unreadable sectors cannot be proved clean: destroy this drive physically.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The drive wipe ended with exceptions: %n sector(s) could not be erased.</source>
        <translation>
            <numerusform>⚠️ The drive wipe ended with exceptions: %n sector could not be erased.</numerusform>
            <numerusform>⚠️ The drive wipe ended with exceptions: %n sectors could not be erased.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors not erased: %n sector(s) past the end the drive shows were neither overwritten nor checked.</source>
        <translation>
            <numerusform>Hidden sectors not erased: %n sector past the end the drive shows was neither overwritten nor checked.</numerusform>
            <numerusform>Hidden sectors not erased: %n sectors past the end the drive shows were neither overwritten nor checked.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector(s).</source>
        <translation>
            <numerusform>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sector.</numerusform>
            <numerusform>🔓 The host protected area of %1 is open for the wipe until the drive is next switched off: %n sectors.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Hidden sectors erased: the host protected area, %n sector(s) past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</source>
        <translation>
            <numerusform>Hidden sectors erased: the host protected area, %n sector past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</numerusform>
            <numerusform>Hidden sectors erased: the host protected area, %n sectors past the end the drive shows, was opened for the wipe, overwritten as the rest was, and set back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten and read back, and the limit set back.</source>
        <translation>
            <numerusform>✅ The %n hidden sector of %1 was overwritten and read back, and the limit set back.</numerusform>
            <numerusform>✅ The %n hidden sectors of %1 were overwritten and read back, and the limit set back.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>✅ The %n hidden sector(s) of %1 were overwritten, and the limit set back.</source>
        <translation>
            <numerusform>✅ The %n hidden sector of %1 was overwritten, and the limit set back.</numerusform>
            <numerusform>✅ The %n hidden sectors of %1 were overwritten, and the limit set back.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>EraseMethodDialog</name>
    <message numerus="yes">
        <source>Open and overwrite its %n hidden sector(s) too</source>
        <translation>
            <numerusform>Open and overwrite its %n hidden sector too</numerusform>
            <numerusform>Open and overwrite its %n hidden sectors too</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureRecord</name>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entry, %1 in total</numerusform>
            <numerusform>%n entries, %1 in total</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Partly erased: %n below it not erased</source>
        <translation>
            <numerusform>Partly erased: %n below it not erased</numerusform>
            <numerusform>Partly erased: %n below it not erased</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 %2 of %n entries erased, %3 written.</source>
        <translation>
            <numerusform>%1 %2 of %n entry erased, %3 written.</numerusform>
            <numerusform>%1 %2 of %n entries erased, %3 written.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Erased with exceptions: %n sector(s) could not be written or read back; destroy this drive physically</source>
        <translation>
            <numerusform>Erased with exceptions: %n sector could not be written or read back; destroy this drive physically</numerusform>
            <numerusform>Erased with exceptions: %n sectors could not be written or read back; destroy this drive physically</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ErasureReport</name>
    <message numerus="yes">
        <source>%1 of %Ln entries erased.</source>
        <translation>
            <numerusform>%1 of %Ln entry erased.</numerusform>
            <numerusform>%1 of %Ln entries erased.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>%n item could not be securely erased:</numerusform>
            <numerusform>%n items could not be securely erased:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>… and %n more.</source>
        <translation>
            <numerusform>… and %n more.</numerusform>
            <numerusform>… and %n more.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln erased</source>
        <translation>
            <numerusform>%1 of %Ln erased</numerusform>
            <numerusform>%1 of %Ln erased</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: identical</source>
        <translation>
            <numerusform>%n block sampled across the drive read back and compared: identical</numerusform>
            <numerusform>%n blocks sampled across the drive read back and compared: identical</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n block(s) sampled across the drive read back and compared: different</source>
        <translation>
            <numerusform>%n block sampled across the drive read back and compared: different</numerusform>
            <numerusform>%n blocks sampled across the drive read back and compared: different</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>FileListPage</name>
    <message numerus="yes">
        <source>%n entries, %1 in total</source>
        <translation>
            <numerusform>%n entry, %1 in total</numerusform>
            <numerusform>%n entries, %1 in total</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>HiddenArea</name>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a lowered accessible max address): they are not wiped.</source>
        <translation>
            <numerusform>%1 hides %n sector (%2) past the end it shows (a lowered accessible max address): it is not wiped.</numerusform>
            <numerusform>%1 hides %n sectors (%2) past the end it shows (a lowered accessible max address): they are not wiped.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1 hides %n sector(s) (%2) past the end it shows (a host protected area): they are not wiped.</source>
        <translation>
            <numerusform>%1 hides %n sector (%2) past the end it shows (a host protected area): it is not wiped.</numerusform>
            <numerusform>%1 hides %n sectors (%2) past the end it shows (a host protected area): they are not wiped.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>JobJournal</name>
    <message numerus="yes">
        <source>  … and %n more</source>
        <translation>
            <numerusform>  … and %n more</numerusform>
            <numerusform>  … and %n more</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n helper file(s) it left in %1 could not be removed.</source>
        <translation>
            <numerusform>%n helper file it left in %1 could not be removed.</numerusform>
            <numerusform>%n helper files it left in %1 could not be removed.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Jobs</name>
    <message numerus="yes">
        <source>%n recent-files entry(s)</source>
        <translation>
            <numerusform>%n recent-files entry</numerusform>
            <numerusform>%n recent-files entries</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n thumbnail(s)</source>
        <translation>
            <numerusform>%n thumbnail</numerusform>
            <numerusform>%n thumbnails</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n Trash record(s)</source>
        <translation>
            <numerusform>%n Trash record</numerusform>
            <numerusform>%n Trash records</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ Not erased: %n more entry(s) still in %1.</source>
        <translation>
            <numerusform>⚠️ Not erased: %n more entry still in %1.</numerusform>
            <numerusform>⚠️ Not erased: %n more entries still in %1.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message numerus="yes">
        <source>⚠️ %n item(s) could not be securely erased:</source>
        <translation>
            <numerusform>⚠️ %n item could not be securely erased:</numerusform>
            <numerusform>⚠️ %n items could not be securely erased:</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n fill file(s) could not be removed; a free-space wipe of that volume removes them.</source>
        <translation>
            <numerusform>%n fill file could not be removed; a free-space wipe of that volume removes it.</numerusform>
            <numerusform>%n fill files could not be removed; a free-space wipe of that volume removes them.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>This will permanently destroy everything on these %n drive(s).</source>
        <translation>
            <numerusform>This will permanently destroy everything on this drive.</numerusform>
            <numerusform>This will permanently destroy everything on these %n drives.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n drive(s), each wiped at the same time</source>
        <translation>
            <numerusform>%n drive</numerusform>
            <numerusform>%n drives, each wiped at the same time</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ProgressMeter</name>
    <message numerus="yes">
        <source>about %n s left</source>
        <translation>
            <numerusform>about %n s left</numerusform>
            <numerusform>about %n s left</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>about %n min left</source>
        <translation>
            <numerusform>about %n min left</numerusform>
            <numerusform>about %n min left</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>StationPage</name>
    <message numerus="yes">
        <source>Wiping %n drive(s) at once. Each has its own progress and its own report.</source>
        <translation>
            <numerusform>Wiping %n drive. It has its own progress and its own report.</numerusform>
            <numerusform>Wiping %n drives at once. Each has its own progress and its own report.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TreeEraser</name>
    <message numerus="yes">
        <source>🧹 The free entries of %n folder(s) that held erased names were overwritten.</source>
        <translation>
            <numerusform>🧹 The free entries of %n folder that held erased names were overwritten.</numerusform>
            <numerusform>🧹 The free entries of %n folders that held erased names were overwritten.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>⚠️ The names erased from %n more folder(s) may remain in their free entries; wipe the volume&apos;s free space to reach them.</source>
        <translation>
            <numerusform>⚠️ The names erased from %n more folder may remain in its free entries; wipe the volume&apos;s free space to reach them.</numerusform>
            <numerusform>⚠️ The names erased from %n more folders may remain in their free entries; wipe the volume&apos;s free space to reach them.</numerusform>
        </translation>
    </message>
</context>
</TS>
