// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/verify.h"
#include "engine/core/sizes.h"

#include "engine/core/chunks.h"
#include "engine/fs/randomchunks.h"
#include "engine/platform/platform.h"

#include <QCoreApplication>
#include <QDebug>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <new>

namespace velmora
{

void WrittenData::add(qint64 fileOffset, quint64 streamOffset, qint64 length)
{
    total += length;
    if (!parts.empty()) {
        Part &p = parts.back();
        if (p.file + p.length == fileOffset && p.stream + quint64(p.length) == streamOffset) {
            p.length += length;
            return;
        }
    }
    parts.push_back({fileOffset, streamOffset, length});
}

void WrittenData::truncate(qint64 fileOffset)
{
    std::vector<Part> kept;
    total = 0;
    for (Part p : parts) {
        if (p.file >= fileOffset)
            continue;
        p.length = std::min(p.length, fileOffset - p.file);
        total += p.length;
        kept.push_back(p);
    }
    parts.swap(kept);
}

void WrittenData::append(const WrittenData &other)
{
    for (const Part &p : other.parts)
        add(p.file, p.stream, p.length);
}

QString ReadBack::detail() const
{
    if (same || offset < 0)
        return QString();
    return error != 0
               ? QCoreApplication::translate("Verify", "at byte %1").arg(offset)
               : QCoreApplication::translate("Verify", "the device gave back other data at byte %1")
                     .arg(offset);
}

// Kept in one piece: the aligned window of a direct read and the part of
// the stream it is compared with must be read side by side.
ReadBack WrittenData::verify(int fd, const QString &shown, qint64 chunks, JobContext &ctx) const
{
    if (ctx.beforeVerify)
        ctx.beforeVerify(fd);
    // Straight from the device where the file system allows it (that is
    // also the fastest read); else through the cache, emptied first.
    int error = 0;
    platform::Fd reader = platform::reopenForRead(fd, true, &error);
    const bool direct = reader.valid();
    if (!direct) {
        platform::dropCache(fd);
        reader = platform::reopenForRead(fd, false, &error);
    }
    if (!reader.valid()) {
        qDebug() << "Verification failed:" << shown << platform::errorText(error);
        return {false, -1, error ? error : EIO};
    }
    constexpr qint64 align = qint64(platform::kDirectAlignment);
    const std::size_t buffer = std::size_t(kChunkSize + 2 * align);
    std::unique_ptr<char, decltype(&std::free)> read(
        static_cast<char *>(std::aligned_alloc(std::size_t(align), buffer)), &std::free);
    if (!read)
        throw std::bad_alloc();
    RandomStream stream(key);
    qint64 counted = 0;
    for (const Part &part : parts) {
        // A big part is regenerated on a helper thread while the device reads.
        stream.seek(part.stream);
        RandomChunks regenerated(stream, part.length >= 4 * kChunkSize);
        for (qint64 done = 0; done < part.length;) {
            if (ctx.stopped())
                return {}; // not a failure: the caller sees the stop
            const qint64 at = part.file + done;
            const qint64 n = std::min<qint64>(kChunkSize, part.length - done);
            const char *expected = regenerated.next(n);
            // An aligned window around [at, at + n); the end of the file may
            // come before the window's end.
            const qint64 from = direct ? at / align * align : at;
            const qint64 to = direct ? (at + n + align - 1) / align * align : at + n;
            const qint64 got =
                platform::readAt(reader.get(), read.get(), std::size_t(to - from), from, &error);
            if (got < at + n - from) {
                qDebug() << "Verification failed:" << shown << "read at" << at
                         << platform::errorText(error ? error : EIO);
                return {false, std::max(at, from + std::max<qint64>(got, 0)), error ? error : EIO};
            }
            const char *found = read.get() + (at - from);
            if (std::memcmp(expected, found, std::size_t(n)) != 0) {
                qint64 first = 0;
                while (expected[std::size_t(first)] == found[first])
                    ++first;
                qDebug() << "Verification failed:" << shown << "first difference at byte"
                         << at + first;
                return {false, at + first, 0};
            }
            done += n;
            ctx.readBack(n);
            if (counted < chunks) {
                ++counted;
                ctx.chunksProcessed();
            }
        }
    }
    if (counted < chunks)
        ctx.chunksProcessed(chunks - counted);
    return {};
}

QString verifiedLine(qint64 bytes)
{
    return QCoreApplication::translate("Verify", "🔎 Verified %1 of data").arg(sizeText(bytes));
}

} // namespace velmora
