#include "engine/verify.h"

#include "engine/erasemethods.h"
#include "engine/platform.h"

#include <QDebug>
#include <QLocale>

#include <algorithm>
#include <cerrno>
#include <cstring>

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

bool WrittenData::verify(int fd, const QString &shown, qint64 chunks, JobContext &ctx) const
{
    if (ctx.beforeVerify)
        ctx.beforeVerify(fd);
    platform::dropCache(fd);
    int error = 0;
    const platform::Fd reader = platform::reopenForRead(fd, &error);
    if (!reader.valid()) {
        qDebug() << "Verification failed:" << shown << platform::errorText(error);
        return false;
    }
    RandomStream stream(key);
    const std::size_t buffer = std::size_t(std::min<qint64>(kChunkSize, std::max<qint64>(total, 1)));
    std::vector<char> expected(buffer);
    std::vector<char> found(buffer);
    qint64 counted = 0;
    for (const Part &part : parts) {
        stream.seek(part.stream);
        for (qint64 done = 0; done < part.length;) {
            if (ctx.stopped())
                return true; // not a failure: the caller sees the stop
            const qint64 n = std::min<qint64>(kChunkSize, part.length - done);
            stream.fill(expected.data(), std::size_t(n));
            const qint64 got = platform::readAt(reader.get(), found.data(), std::size_t(n),
                                                part.file + done, &error);
            if (got != n) {
                qDebug() << "Verification failed:" << shown << "read at" << part.file + done
                         << platform::errorText(error ? error : EIO);
                return false;
            }
            if (std::memcmp(expected.data(), found.data(), std::size_t(n)) != 0) {
                qint64 at = 0;
                while (expected[std::size_t(at)] == found[std::size_t(at)])
                    ++at;
                qDebug() << "Verification failed:" << shown << "first difference at byte"
                         << part.file + done + at;
                return false;
            }
            done += n;
            ctx.bytesVerified += n;
            if (counted < chunks) {
                ++counted;
                ctx.chunksProcessed();
            }
        }
    }
    if (counted < chunks)
        ctx.chunksProcessed(chunks - counted);
    return true;
}

QString verifiedLine(qint64 bytes)
{
    return QStringLiteral("🔎 Verified %1 of data")
        .arg(QLocale::c().formattedDataSize(bytes, 1, QLocale::DataSizeIecFormat));
}

} // namespace velmora
