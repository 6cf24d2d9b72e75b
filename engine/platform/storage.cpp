// SPDX-License-Identifier: GPL-3.0-or-later

// The storage beneath a volume, read from sysfs: partitions lead to their
// disk, device-mapper and md devices to their slaves, loop devices to the
// volume that holds their backing file.

#include "engine/platform/storage.h"

#include "engine/platform/drives.h"

#include <QDir>
#include <QFile>
#include <QSet>

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

namespace velmora::platform
{

namespace
{

QByteArray readText(const QByteArray &path)
{
    QFile file(QString::fromLocal8Bit(path));
    if (!file.open(QIODevice::ReadOnly))
        return QByteArray();
    return file.read(4096).trimmed();
}

bool exists(const QByteArray &path)
{
    return ::access(path.constData(), F_OK) == 0;
}

QByteArray canonical(const QByteArray &path)
{
    char resolved[PATH_MAX];
    return ::realpath(path.constData(), resolved) ? QByteArray(resolved) : QByteArray();
}

QByteArray baseName(const QByteArray &path)
{
    return path.mid(path.lastIndexOf('/') + 1);
}

QString shown(const QByteArray &text)
{
    // Vendors pad their fields with spaces; udev writes spaces as '_'.
    return QString::fromUtf8(text).simplified();
}

// udev's record of a device: "E:KEY=value" lines.
QByteArray udevValue(const QByteArray &record, const QByteArray &key)
{
    for (const QByteArray &line : record.split('\n'))
        if (line.startsWith("E:" + key + '='))
            return line.mid(key.size() + 3).trimmed();
    return QByteArray();
}

// A SCSI unit serial number page: a four-byte header, then the number.
QByteArray serialFromPage80(const QByteArray &page)
{
    if (page.size() <= 4)
        return QByteArray();
    const int length = std::min<int>(static_cast<unsigned char>(page.at(3)), int(page.size()) - 4);
    return page.mid(4, length).trimmed();
}

struct Walker {
    const std::vector<Mount> &table;
    const SystemFiles &files;
    Storage &out;

    // The sysfs folder of block device `device`, or empty.
    QByteArray folderOf(quint64 device) const
    {
        return canonical(files.sys + "/dev/block/" + QByteArray::number(major(device)) + ':' +
                         QByteArray::number(minor(device)));
    }

    void walk(const QByteArray &dir, int depth)
    {
        if (dir.isEmpty() || depth > 16)
            return;
        const QByteArray name = baseName(dir);
        if (exists(dir + "/partition")) {
            out.chain.append(name + " (partition)");
            walk(canonical(dir + "/.."), depth + 1);
            return;
        }
        if (exists(dir + "/dm/uuid")) {
            const QByteArray uuid = readText(dir + "/dm/uuid");
            const QByteArray mapped = readText(dir + "/dm/name");
            QByteArray what = "device-mapper";
            if (uuid.startsWith("CRYPT-")) {
                QByteArray version = uuid.split('-').value(1);
                if (version == "PLAIN")
                    version = "plain";
                if (out.encryption.isEmpty())
                    out.encryption = version;
                what = "crypt, " + version;
            } else if (uuid.startsWith("LVM-")) {
                what = "LVM";
            }
            out.chain.append(name + " (" + what + (mapped.isEmpty() ? "" : ", " + mapped) + ')');
            walkSlaves(dir, depth);
            return;
        }
        if (exists(dir + "/md/level")) {
            out.chain.append(name + " (" + readText(dir + "/md/level") + ')');
            walkSlaves(dir, depth);
            return;
        }
        if (exists(dir + "/loop/backing_file")) {
            const QByteArray backing = readText(dir + "/loop/backing_file");
            out.chain.append(name + " (loop, " + backing + ')');
            out.loop = true;
            followFile(backing, depth);
            return;
        }
        if (exists(dir + "/loop")) {
            out.chain.append(name + " (loop, no file)");
            out.loop = true;
            return;
        }
        disk(dir, name);
    }

    void walkSlaves(const QByteArray &dir, int depth)
    {
        const QStringList slaves =
            QDir(QString::fromLocal8Bit(dir + "/slaves"))
                .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name);
        for (const QString &slave : slaves)
            walk(canonical(dir + "/slaves/" + slave.toLocal8Bit()), depth + 1);
    }

    // The volume that holds a loop device's backing file: the deepest mount
    // point the path lies below (the path as the kernel resolved it).
    void followFile(QByteArray path, int depth)
    {
        if (path.endsWith(" (deleted)"))
            path.chop(10);
        const Mount *holder = nullptr;
        for (const Mount &m : table) {
            const bool below =
                m.mountPoint == "/" || path == m.mountPoint || path.startsWith(m.mountPoint + '/');
            if (below && (!holder || m.mountPoint.size() >= holder->mountPoint.size()))
                holder = &m;
        }
        if (!holder)
            return;
        if (holder->fs().network || holder->fs().memory) {
            out.chain.append(holder->mountPoint + " (" + holder->fsType + ')');
            (holder->fs().network ? out.network : out.memory) = true;
            return;
        }
        out.chain.append(holder->mountPoint + " (" + holder->fsType + ')');
        walk(folderOf(mountDeviceNumber(*holder)), depth + 1);
    }

    // A disk behind SCSI's kind of device: SATA, USB, virtio.
    void scsiLike(const QByteArray &dir, const QByteArray &name, const QByteArray &bus, Disk *d)
    {
        const QByteArray device = dir + "/device/";
        if (name.startsWith("vd") || dir.contains("/virtio"))
            d->transport = Transport::Virtio;
        else if (dir.contains("/usb") || bus == "usb")
            d->transport = Transport::Usb;
        else if (name.startsWith("sd") || name.startsWith("hd") || bus == "ata" || bus == "scsi")
            d->transport = Transport::Sata;
        // A virtio disk's device is the virtio function, whose "vendor"
        // is a bus number: the host gives only a serial.
        if (d->transport != Transport::Virtio) {
            d->vendor = shown(readText(device + "vendor"));
            d->model = shown(readText(device + "model"));
            d->firmware = shown(readText(device + "rev"));
        }
        QFile page(QString::fromLocal8Bit(device + "vpd_pg80"));
        if (page.open(QIODevice::ReadOnly))
            d->serial = shown(serialFromPage80(page.read(512)));
        if (d->serial.isEmpty())
            d->serial = shown(readText(dir + "/serial"));
    }

    void disk(const QByteArray &dir, const QByteArray &name)
    {
        Disk d;
        d.name = name;
        const QByteArray rotational = readText(dir + "/queue/rotational");
        d.rotational = rotational.isEmpty() ? -1 : rotational == "1" ? 1 : 0;
        const QByteArray discard = readText(dir + "/queue/discard_max_bytes");
        d.discards = discard.isEmpty() ? -1 : discard.toULongLong() > 0 ? 1 : 0;
        d.bytes = readText(dir + "/size").toULongLong() * 512;
        const QByteArray record = readText(files.udev + "/b" + readText(dir + "/dev"));
        const QByteArray bus = udevValue(record, "ID_BUS");
        const QByteArray device = dir + "/device/";
        if (name.startsWith("nvme")) {
            d.transport = Transport::Nvme;
            d.model = shown(readText(device + "model"));
            d.serial = shown(readText(device + "serial"));
            d.firmware = shown(readText(device + "firmware_rev"));
        } else if (name.startsWith("mmcblk")) {
            d.transport = Transport::Mmc;
            d.sdCard = readText(device + "type") == "SD";
            d.model = shown(readText(device + "name"));
            d.serial = shown(readText(device + "serial"));
            d.firmware = shown(readText(device + "fwrev"));
        } else if (name.startsWith("loop")) {
            d.transport = Transport::Loop;
        } else if (name.startsWith("zram") || (name.startsWith("ram") && name.size() > 3)) {
            d.transport = Transport::Memory;
            d.rotational = 0;
            out.memory = true;
        } else {
            scsiLike(dir, name, bus, &d);
        }
        // udev knows what sysfs leaves out (a USB bridge's serial, say).
        if (d.vendor.isEmpty())
            d.vendor = shown(udevValue(record, "ID_VENDOR").replace('_', ' '));
        if (d.model.isEmpty())
            d.model = shown(udevValue(record, "ID_MODEL").replace('_', ' '));
        if (d.serial.isEmpty())
            d.serial = shown(udevValue(record, "ID_SERIAL_SHORT"));
        if (d.firmware.isEmpty())
            d.firmware = shown(udevValue(record, "ID_REVISION"));
        out.chain.append(name + " (disk)");
        out.disks.push_back(d);
    }
};

Storage begin(const QByteArray &fsType, const QByteArray &options)
{
    Storage s;
    s.fsType = fsType;
    const FileSystem &fs = fileSystem(fsType);
    s.copyOnWrite = fs.copyOnWrite;
    s.compressing = options.contains("compress");
    s.network = fs.network;
    s.memory = fs.memory;
    return s;
}

} // namespace

quint64 mountDeviceNumber(const Mount &mount)
{
    // btrfs, and FUSE drivers of block devices, show a number of their
    // own; their source names the device.
    if (major(mount.device) != 0 || !mount.source.startsWith("/dev/"))
        return mount.device;
    struct stat st;
    if (::stat(mount.source.constData(), &st) == 0 && S_ISBLK(st.st_mode))
        return st.st_rdev;
    return mount.device;
}

Storage storageOf(const Mount &mount, const std::vector<Mount> &table, const SystemFiles &files)
{
    Storage s = begin(mount.fsType, mount.superOptions);
    if (s.network || s.memory) {
        s.chain.append(mount.source + " (" + mount.fsType + ')');
        return s;
    }
    Walker walker{table, files, s};
    const QByteArray dir = walker.folderOf(mountDeviceNumber(mount));
    if (dir.isEmpty()) {
        s.chain.append(mount.source + " (" + mount.fsType + ')');
        return s;
    }
    s.discards = queueDiscards(dir);
    walker.walk(dir, 0);
    return s;
}

namespace
{

quint64 numberIn(const QByteArray &dir)
{
    const QList<QByteArray> mm = readText(dir + "/dev").split(':');
    return mm.size() == 2 ? makedev(mm[0].toUInt(), mm[1].toUInt()) : 0;
}

// The devices stacked on `dir`, and on those, by number.
void collectHolders(const QByteArray &dir, QSet<quint64> *numbers, QByteArrayList *names, int depth)
{
    if (depth > 8)
        return;
    for (const QByteArray &holder : entriesOf(dir + "/holders")) {
        const QByteArray at = canonical(dir + "/holders/" + holder);
        if (!names->contains(holder))
            names->append(holder);
        numbers->insert(numberIn(at));
        collectHolders(at, numbers, names, depth + 1);
    }
}

struct Users {
    std::vector<Mount> table = mountTable();
    std::vector<std::pair<quint64, QByteArray>> swaps; // device, name
    std::vector<DeviceUser> processes = deviceUsers();
    Users()
    {
        // A loop device whose backing file is a block device holds that
        // device through the kernel: no process has it open, and it is not
        // claimed.
        for (const QByteArray &name : entriesOf("/sys/block")) {
            if (!name.startsWith("loop"))
                continue;
            const QByteArray backing = readText("/sys/block/" + name + "/loop/backing_file");
            struct statx sx;
            if (backing.startsWith("/dev/") &&
                ::statx(AT_FDCWD, backing.constData(), AT_STATX_DONT_SYNC, STATX_TYPE, &sx) == 0 &&
                S_ISBLK(sx.stx_mode))
                processes.push_back({makedev(sx.stx_rdev_major, sx.stx_rdev_minor),
                                     name + " (a loop device on it)"});
        }
        for (const Swap &swap : activeSwaps()) {
            struct stat st;
            if (::stat(swap.name.constData(), &st) == 0)
                swaps.emplace_back(S_ISBLK(st.st_mode) ? st.st_rdev : st.st_dev, swap.name);
        }
    }
};

// The numbers of the device at `dir`, of its partitions where it is a
// whole disk (their names into `partitions`), and of what is stacked on
// them (its names into `holders`).
QSet<quint64> usedBy(const QByteArray &dir, bool wholeDisk, QByteArrayList *partitions,
                     QByteArrayList *holders)
{
    QSet<quint64> used{numberIn(dir)};
    if (wholeDisk)
        for (const QByteArray &child : entriesOf(dir))
            if (exists(dir + '/' + child + "/partition")) {
                partitions->append(child);
                used.insert(numberIn(dir + '/' + child));
                collectHolders(dir + '/' + child, &used, holders, 0);
            }
    collectHolders(dir, &used, holders, 0);
    return used;
}

QByteArrayList mountsOn(const QSet<quint64> &used, const Users &users)
{
    QByteArrayList mountPoints;
    for (const Mount &m : users.table)
        if (used.contains(mountDeviceNumber(m)) && !mountPoints.contains(m.mountPoint))
            mountPoints.append(m.mountPoint);
    return mountPoints;
}

Drive describe(const QByteArray &dir, const QByteArray &diskDir, const SystemFiles &files,
               const Users &users)
{
    Drive d;
    d.name = baseName(dir);
    d.path = "/dev/" + d.name;
    d.number = numberIn(dir);
    d.partition = dir != diskDir;
    d.bytes = readText(dir + "/size").toULongLong() * 512;
    d.readOnly = readText(dir + "/ro") == "1";
    d.removable = readText(diskDir + "/removable") == "1";
    d.logicalSector = readText(diskDir + "/queue/logical_block_size").toUInt();
    d.physicalSector = readText(diskDir + "/queue/physical_block_size").toUInt();
    if (d.logicalSector == 0)
        d.logicalSector = 512;
    if (d.physicalSector == 0)
        d.physicalSector = d.logicalSector;
    d.loopFile = readText(diskDir + "/loop/backing_file");
    Storage facts;
    Walker walker{users.table, files, facts};
    walker.disk(diskDir, baseName(diskDir));
    d.disk = facts.disks.front();

    QByteArrayList partitions;
    const QSet<quint64> used = usedBy(dir, !d.partition, &d.partitions, &d.holders);
    d.mountPoints = mountsOn(used, users);
    for (const auto &[device, name] : users.swaps)
        if (used.contains(device))
            d.swaps.append(name);
    for (const DeviceUser &user : users.processes)
        if (used.contains(user.device) && !d.openBy.contains(user.text))
            d.openBy.append(user.text);
    // A partition shares its disk with the others: the disk's volumes too.
    QByteArrayList ignored;
    d.diskMountPoints =
        d.partition ? mountsOn(usedBy(diskDir, true, &partitions, &ignored), users) : d.mountPoints;
    return d;
}

bool isStacked(const QByteArray &dir)
{
    return exists(dir + "/dm") || exists(dir + "/md");
}

} // namespace

std::vector<Drive> listDrives(const SystemFiles &files)
{
    const Users users;
    std::vector<Drive> drives;
    for (const QByteArray &name : entriesOf(files.sys + "/block")) {
        const QByteArray dir = canonical(files.sys + "/block/" + name);
        if (dir.isEmpty() || isStacked(dir) || readText(dir + "/size").toULongLong() == 0)
            continue;
        const Drive disk = describe(dir, dir, files, users);
        drives.push_back(disk);
        for (const QByteArray &part : disk.partitions)
            drives.push_back(describe(dir + '/' + part, dir, files, users));
    }
    return drives;
}

std::vector<Drive> scannedDrives()
{
    std::vector<Drive> drives = listDrives();
    if (qEnvironmentVariableIsEmpty("VELMORA_ONLY_VOLUMES_UNDER"))
        return drives;
    drives.erase(std::remove_if(drives.begin(), drives.end(),
                                [](const Drive &d) {
                                    return d.loopFile.isEmpty() || !withinScanScope(d.loopFile);
                                }),
                 drives.end());
    return drives;
}

namespace
{

int driveAt(const QByteArray &path, Drive *out, const SystemFiles &files, const Users &users)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return errno;
    if (!S_ISBLK(st.st_mode))
        return ENOTBLK;
    const QByteArray dir =
        canonical(files.sys + "/dev/block/" + QByteArray::number(major(st.st_rdev)) + ':' +
                  QByteArray::number(minor(st.st_rdev)));
    if (dir.isEmpty())
        return ENODEV;
    const bool partition = exists(dir + "/partition");
    *out = describe(dir, partition ? canonical(dir + "/..") : dir, files, users);
    return 0;
}

} // namespace

int driveAt(const QByteArray &path, Drive *out, const SystemFiles &files)
{
    return driveAt(path, out, files, Users());
}

int drivesAt(const QByteArrayList &paths, std::vector<Drive> *out, qsizetype *failed,
             const SystemFiles &files)
{
    const Users users;
    out->assign(std::size_t(paths.size()), Drive());
    for (qsizetype i = 0; i < paths.size(); ++i)
        if (const int rc = driveAt(paths.at(i), &(*out)[std::size_t(i)], files, users)) {
            *failed = i;
            return rc;
        }
    return 0;
}

std::vector<DeviceUser> deviceUsers(const QByteArray &proc)
{
    std::vector<DeviceUser> users;
    const qint64 self = ::getpid();
    // The descriptor itself is asked, never the name it shows: a node
    // renamed or removed since it was opened, a copy made with mknod, a node
    // seen through a chroot or another mount namespace all name the same
    // device. Its status comes from what the kernel already holds of it
    // (AT_STATX_DONT_SYNC): a file on a FUSE or network volume that no
    // longer answers is never asked.
    const auto blockNumber = [](const QByteArray &path, quint64 *number) {
        struct statx sx;
        if (::statx(AT_FDCWD, path.constData(), AT_STATX_DONT_SYNC, STATX_TYPE, &sx) != 0 ||
            !(sx.stx_mask & STATX_TYPE) || !S_ISBLK(sx.stx_mode))
            return false;
        *number = makedev(sx.stx_rdev_major, sx.stx_rdev_minor);
        return true;
    };
    for (const QByteArray &pid : entriesOf(proc)) {
        bool isNumber = false;
        if (pid.toLongLong(&isNumber) == self || !isNumber)
            continue;
        const QByteArray dir = proc + '/' + pid;
        QSet<quint64> held;
        for (const QByteArray &fd : entriesOf(dir + "/fd")) {
            char target[PATH_MAX];
            const ssize_t n =
                ::readlink((dir + "/fd/" + fd).constData(), target, sizeof target - 1);
            quint64 number = 0;
            // Pipes, sockets and the kernel's own files name no path.
            if (n > 0 && target[0] == '/' && blockNumber(dir + "/fd/" + fd, &number))
                held.insert(number);
        }
        QFile maps(QString::fromLocal8Bit(dir + "/maps"));
        QSet<QByteArray> mappedFiles; // "device inode", each asked once
        if (maps.open(QIODevice::ReadOnly))
            for (const QByteArray &line : maps.readAll().split('\n')) {
                // A mapping is asked through its own link in map_files,
                // which leads to the file as a descriptor's does: its path
                // is never walked again (root may read them; for others the
                // nodes below /dev are asked by name).
                const qsizetype at = line.indexOf(" /");
                const QList<QByteArray> fields = line.left(at).simplified().split(' ');
                if (at <= 0 || fields.size() < 5 || fields[4] == "0" ||
                    mappedFiles.contains(fields[3] + ' ' + fields[4]))
                    continue;
                mappedFiles.insert(fields[3] + ' ' + fields[4]);
                quint64 number = 0;
                const QByteArray link = dir + "/map_files/" + line.left(line.indexOf(' '));
                if (blockNumber(link, &number) ||
                    (line.mid(at + 1).startsWith("/dev/") &&
                     blockNumber(line.mid(at + 1).trimmed(), &number)))
                    held.insert(number);
            }
        if (held.isEmpty())
            continue;
        const QByteArray name = readText(dir + "/comm");
        for (const quint64 number : held)
            users.push_back({number, (name.isEmpty() ? QByteArray("?") : name) + ", pid " + pid});
    }
    return users;
}

int identityOf(int fd, DriveIdentity *out, const SystemFiles &files)
{
    struct stat st;
    if (::fstat(fd, &st) != 0)
        return errno;
    if (!S_ISBLK(st.st_mode))
        return ENOTBLK;
    DriveIdentity id;
    id.number = st.st_rdev;
    quint32 logical = 0;
    quint32 physical = 0;
    if (const int rc = driveGeometry(fd, &id.bytes, &logical, &physical))
        return rc;
    const QByteArray dir =
        canonical(files.sys + "/dev/block/" + QByteArray::number(major(st.st_rdev)) + ':' +
                  QByteArray::number(minor(st.st_rdev)));
    if (dir.isEmpty())
        return ENXIO;
    const QByteArray diskDir = exists(dir + "/partition") ? canonical(dir + "/..") : dir;
    Storage facts;
    const std::vector<Mount> table;
    Walker walker{table, files, facts};
    walker.disk(diskDir, baseName(diskDir));
    if (!facts.disks.empty()) {
        id.model = facts.disks.front().model;
        id.serial = facts.disks.front().serial;
    }
    id.loopFile = readText(diskDir + "/loop/backing_file");
    loopBacking(fd, &id.loopDevice, &id.loopInode);
    *out = id;
    return 0;
}

int identityAt(const QByteArray &path, DriveIdentity *out, const SystemFiles &files)
{
    struct stat st;
    if (::stat(path.constData(), &st) != 0)
        return errno;
    if (!S_ISBLK(st.st_mode))
        return ENOTBLK;
    // Not claimed, and without direct I/O: only asked what it is.
    const Fd fd(::open(path.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (!fd.valid())
        return errno;
    return identityOf(fd.get(), out, files);
}

int queueDiscards(const QByteArray &dir)
{
    // A partition has no queue of its own: its disk's tells.
    for (const QByteArray &queue : {dir + "/queue", dir + "/../queue"}) {
        const QByteArray text = readText(queue + "/discard_max_bytes");
        if (!text.isEmpty())
            return text.toULongLong() > 0 ? 1 : 0;
    }
    return -1;
}

Storage storageOfDisk(const Disk &disk)
{
    Storage s;
    s.disks.push_back(disk);
    return s;
}

Transport Storage::transport() const
{
    if (network)
        return Transport::Network;
    if (memory)
        return Transport::Memory;
    if (disks.empty())
        return loop ? Transport::Loop : Transport::Unknown;
    const Transport first = disks.front().transport;
    for (const Disk &d : disks)
        if (d.transport != first)
            return Transport::Unknown;
    return first;
}

int Storage::rotational() const
{
    if (memory)
        return 0;
    if (disks.empty())
        return -1;
    int all = 1;
    for (const Disk &d : disks) {
        if (d.rotational == 0)
            return 0;
        if (d.rotational < 0)
            all = -1;
    }
    return all;
}

QString Storage::model() const
{
    QStringList models;
    for (const Disk &d : disks) {
        // libata gives every ATA drive the SCSI vendor "ATA": no maker.
        const QString vendor = d.vendor.trimmed() == QLatin1String("ATA") ? QString() : d.vendor;
        const QString text = d.model.startsWith(vendor, Qt::CaseInsensitive)
                                 ? d.model
                                 : (vendor + QLatin1Char(' ') + d.model).trimmed();
        if (!text.isEmpty() && !models.contains(text))
            models.append(text);
    }
    return models.join(QStringLiteral(" + "));
}

QString Storage::serial() const
{
    QStringList serials;
    for (const Disk &d : disks)
        if (!d.serial.isEmpty())
            serials.append(d.serial);
    return serials.join(QStringLiteral(", "));
}

const char *transportKey(Transport transport)
{
    switch (transport) {
    case Transport::Nvme:
        return "nvme";
    case Transport::Sata:
        return "sata";
    case Transport::Usb:
        return "usb";
    case Transport::Mmc:
        return "mmc";
    case Transport::Virtio:
        return "virtio";
    case Transport::Loop:
        return "loop";
    case Transport::Memory:
        return "memory";
    case Transport::Network:
        return "network";
    case Transport::Unknown:
        break;
    }
    return "unknown";
}

QByteArrayList entriesOf(const QByteArray &dir)
{
    QByteArrayList names;
    for (const QString &name : QDir(QString::fromLocal8Bit(dir))
                                   .entryList(QDir::AllEntries | QDir::NoDotAndDotDot, QDir::Name))
        names.append(name.toLocal8Bit());
    return names;
}

} // namespace velmora::platform
