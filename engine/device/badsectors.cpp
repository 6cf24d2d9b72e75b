// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/badsectors.h"

#include "engine/platform/platform.h"

#include <QJsonArray>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace velmora
{

void BadSectors::add(quint64 from, quint64 to)
{
    std::lock_guard<std::mutex> held(lock);
    // Merged with every range it touches.
    auto it = ranges.upper_bound(from);
    if (it != ranges.begin() && std::prev(it)->second >= from)
        --it;
    while (it != ranges.end() && it->first <= to) {
        from = std::min(from, it->first);
        to = std::max(to, it->second);
        it = ranges.erase(it);
    }
    ranges.emplace(from, to);
}

quint64 BadSectors::count() const
{
    std::lock_guard<std::mutex> held(lock);
    quint64 bytes = 0;
    for (const auto &[from, to] : ranges)
        bytes += to - from;
    return bytes / sector;
}

template <typename Each>
void BadSectors::eachIn(quint64 offset, quint64 length, Each each) const
{
    std::lock_guard<std::mutex> held(lock);
    const quint64 end = offset + length;
    auto it = ranges.upper_bound(offset);
    if (it != ranges.begin())
        --it;
    for (; it != ranges.end() && it->first < end; ++it) {
        const quint64 from = std::max(it->first, offset);
        const quint64 to = std::min(it->second, end);
        if (from < to)
            each(from, to);
    }
}

void BadSectors::blankIn(char *data, quint64 offset, quint64 length) const
{
    eachIn(offset, length, [&](quint64 from, quint64 to) {
        std::memset(data + (from - offset), 0, std::size_t(to - from));
    });
}

quint64 BadSectors::bytesIn(quint64 offset, quint64 length) const
{
    quint64 bytes = 0;
    eachIn(offset, length, [&bytes](quint64 from, quint64 to) { bytes += to - from; });
    return bytes;
}

QJsonObject BadSectors::toJson() const
{
    std::lock_guard<std::mutex> held(lock);
    QJsonArray list;
    quint64 bytes = 0;
    for (const auto &[from, to] : ranges) {
        bytes += to - from;
        if (list.size() < 1000)
            list.append(QJsonArray{double(from / sector), double((to - 1) / sector)});
    }
    return QJsonObject{{QStringLiteral("sectorBytes"), double(sector)},
                       {QStringLiteral("count"), double(bytes / sector)},
                       {QStringLiteral("ranges"), list}};
}

bool isMediaError(int error)
{
    return error == EIO || error == ENODATA || error == EREMOTEIO || error == EILSEQ;
}

namespace
{

// Tries before a piece or a sector counts as refused.
constexpr int kTries = 2;
constexpr qint64 kPiece = 64 * 1024;

// One write or read of [offset, offset + length), `kTries` times: 0, or
// the errno of the last try.
int tryTimes(bool write, int fd, char *data, quint64 offset, qint64 length)
{
    int error = 0;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        error = 0;
        const std::size_t done =
            write
                ? platform::writeAll(fd, data, std::size_t(length), qint64(offset), &error)
                : std::size_t(std::max<qint64>(
                      platform::readAt(fd, data, std::size_t(length), qint64(offset), &error), 0));
        if (done == std::size_t(length))
            return 0;
        if (error == 0)
            error = EIO;
        if (!isMediaError(error))
            return error;
    }
    return error;
}

int again(bool write, int fd, char *data, quint64 offset, qint64 length, BadSectors &bad)
{
    int error = tryTimes(write, fd, data, offset, length);
    if (error == 0 || !isMediaError(error))
        return error;
    // Piece by piece; where every piece fails the chunk is refused whole,
    // without asking a failing drive each sector of it.
    struct Failed {
        qint64 at, length;
    };
    std::vector<Failed> failed;
    for (qint64 at = 0; at < length; at += kPiece) {
        const qint64 n = std::min(kPiece, length - at);
        error = tryTimes(write, fd, data + at, offset + quint64(at), n);
        if (error != 0 && !isMediaError(error))
            return error;
        if (error != 0)
            failed.push_back({at, n});
    }
    if (qint64(failed.size()) * kPiece >= length) {
        bad.add(offset, offset + quint64(length));
        return bad.tooMany() ? EIO : 0;
    }
    const qint64 sector = bad.sectorBytes();
    for (const Failed &piece : failed)
        for (qint64 at = piece.at; at < piece.at + piece.length; at += sector) {
            error = tryTimes(write, fd, data + at, offset + quint64(at), sector);
            if (error != 0 && !isMediaError(error))
                return error;
            if (error != 0) {
                if (!write)
                    std::memset(data + at, 0, std::size_t(sector));
                bad.add(offset + quint64(at), offset + quint64(at + sector));
                if (bad.tooMany())
                    return EIO;
            }
        }
    return 0;
}

} // namespace

int rewriteRefused(int fd, const char *data, quint64 offset, qint64 length, BadSectors &bad)
{
    return again(true, fd, const_cast<char *>(data), offset, length, bad);
}

int rereadRefused(int fd, char *data, quint64 offset, qint64 length, BadSectors &bad)
{
    return again(false, fd, data, offset, length, bad);
}

} // namespace velmora
