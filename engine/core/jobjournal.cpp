// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/core/jobjournal.h"

#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLocale>

#include <algorithm>
#include <cerrno>

namespace velmora
{

namespace
{

const char *const kKinds[] = {"files", "volume", "freespace", "drive"};

} // namespace

const char *jobKindKey(JobKind kind)
{
    return kKinds[int(kind)];
}

JobKind jobKindOfKey(const QString &key)
{
    for (int i = 0; i < int(std::size(kKinds)); ++i)
        if (key == QLatin1String(kKinds[i]))
            return JobKind(i);
    return JobKind::Files;
}

QJsonValue bytesValue(const QByteArray &bytes)
{
    return QString::fromLatin1(bytes.toBase64());
}

QByteArray bytesOf(const QJsonValue &value)
{
    return QByteArray::fromBase64(value.toString().toLatin1());
}

QJsonArray bytesArray(const QByteArrayList &list)
{
    QJsonArray array;
    for (const QByteArray &bytes : list)
        array.append(bytesValue(bytes));
    return array;
}

QByteArrayList bytesList(const QJsonValue &value)
{
    QByteArrayList list;
    for (const QJsonValue &item : value.toArray())
        list.append(bytesOf(item));
    return list;
}

QByteArray userHome()
{
    // HOME where it is a folder of this user's own: a container or a
    // service with a dynamic user has one that the user database does not
    // know (it may say /nonexistent). Another user's HOME (root run with
    // `sudo -E`) is never taken.
    const QByteArray named = qgetenv("HOME");
    if (named.startsWith('/') && platform::ownedByEffectiveUser(named))
        return named;
    QByteArray home = platform::homeOfUser(platform::effectiveUser());
    if (home.isEmpty())
        home = QFile::encodeName(QDir::homePath());
    return home;
}

QByteArray ownFolder(const char *xdgVariable, const QByteArray &belowHome)
{
    const QByteArray named = qgetenv(xdgVariable);
    if (named.startsWith('/') && platform::ownedByEffectiveUser(named))
        return named + "/velmora";
    const quint32 user = platform::effectiveUser();
    if (user == 0)
        return QByteArrayLiteral("/var/lib/velmora");
    return userHome() + '/' + belowHome + "/velmora";
}

QByteArray journalFolder()
{
    return ownFolder("XDG_STATE_HOME", ".local/state");
}

QByteArray volumeLockFolder()
{
    return journalFolder() + "/locks";
}

JobJournal::JobJournal(QString method, QByteArray folder)
    : method(std::move(method)), folder(std::move(folder))
{
    // Jobs side by side in one process (a station's drives) start in the
    // same millisecond: a count of this process's own tells them apart.
    static std::atomic<int> made{0};
    file = this->folder + "/job-" + QByteArray::number(platform::processId()) + '-' +
           QByteArray::number(QDateTime::currentMSecsSinceEpoch()) + '-' +
           QByteArray::number(++made) + ".json";
}

JobJournal::~JobJournal()
{
    std::lock_guard<std::mutex> lock(mutex);
    if (begun && platform::removeFile(file) == 0)
        platform::syncFolder(folder);
    if (liveLock.valid())
        platform::removeFile(file + ".lock");
}

void JobJournal::begin(JobKind kind, bool verify, const QByteArrayList &targets)
{
    std::lock_guard<std::mutex> lock(mutex);
    if ((writeError = platform::makeFolders(folder)) != 0)
        return;
    // Another user's folder (one root made in a user's home) is not written
    // into: what is found there at the next start could be anyone's.
    if (!platform::ownedByEffectiveUser(folder)) {
        writeError = EPERM;
        return;
    }
    int lockError = 0;
    liveLock = platform::lockFile(file + ".lock", &lockError);
    begun = true;
    record = QJsonObject{
        {QStringLiteral("pid"), platform::processId()},
        {QStringLiteral("boot"), QString::fromLatin1(platform::bootId())},
        {QStringLiteral("started"), QDateTime::currentDateTime().toString(Qt::ISODateWithMs)},
        {QStringLiteral("job"), QLatin1String(jobKindKey(kind))},
        {QStringLiteral("method"), method},
        {QStringLiteral("verify"), verify},
        {QStringLiteral("targets"), bytesArray(targets)},
        {QStringLiteral("phase"), QString()},
        {QStringLiteral("workingIn"), QJsonArray()},
        {QStringLiteral("reserves"), QJsonArray()},
    };
    write();
}

void JobJournal::atPhase(const QString &phase)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun || record.value(QStringLiteral("phase")).toString() == phase)
        return;
    record.insert(QStringLiteral("phase"), phase);
    write();
}

void JobJournal::aboutDrive(const platform::DriveIdentity &identity)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun)
        return;
    record.insert(QStringLiteral("drive"),
                  QJsonObject{{QStringLiteral("model"), identity.model},
                              {QStringLiteral("serial"), identity.serial},
                              {QStringLiteral("bytes"), double(identity.bytes)},
                              {QStringLiteral("backingFile"), bytesValue(identity.loopFile)},
                              {QStringLiteral("backingDevice"), double(identity.loopDevice)},
                              {QStringLiteral("backingInode"), double(identity.loopInode)}});
    write();
}

void JobJournal::workingIn(const QByteArray &path)
{
    std::lock_guard<std::mutex> lock(mutex);
    QJsonArray folders = record.value(QStringLiteral("workingIn")).toArray();
    if (!begun || path.isEmpty() || folders.contains(bytesValue(path)))
        return;
    folders.append(bytesValue(path));
    record.insert(QStringLiteral("workingIn"), folders);
    write();
}

void JobJournal::lentReserve(const QByteArray &mountPoint, const QByteArray &fsType, quint64 blocks)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun)
        return;
    QJsonArray reserves = record.value(QStringLiteral("reserves")).toArray();
    reserves.append(QJsonObject{{QStringLiteral("mountPoint"), bytesValue(mountPoint)},
                                {QStringLiteral("fsType"), QString::fromLatin1(fsType)},
                                {QStringLiteral("blocks"), qint64(blocks)}});
    record.insert(QStringLiteral("reserves"), reserves);
    write();
}

void JobJournal::gaveBack(const QByteArray &mountPoint)
{
    std::lock_guard<std::mutex> lock(mutex);
    if (!begun)
        return;
    QJsonArray reserves = record.value(QStringLiteral("reserves")).toArray();
    for (qsizetype i = reserves.size() - 1; i >= 0; --i)
        if (bytesOf(reserves.at(i)[QStringLiteral("mountPoint")]) == mountPoint)
            reserves.removeAt(i);
    record.insert(QStringLiteral("reserves"), reserves);
    write();
}

int JobJournal::error() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return writeError;
}

void JobJournal::write()
{
    // Private to the user: it names what they erase.
    writeError = platform::writeFileAtomically(file, QJsonDocument(record).toJson(), 0600);
}

} // namespace velmora
