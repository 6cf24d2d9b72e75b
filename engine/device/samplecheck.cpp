// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/device/samplecheck.h"

#include "engine/device/alignedbuffer.h"
#include "engine/platform/platform.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstring>

namespace velmora
{

SampleCheck::SampleCheck(int fd, quint64 bytes, quint32 block, int subsections)
    : fd(fd), block(block)
{
    const quint64 blocks = block ? bytes / block : 0;
    if (blocks == 0)
        return;
    // The first and the last block, and one in each subsection; never more
    // than a tenth of a small drive, so that the check stays a sample.
    places.push_back(0);
    const quint64 parts =
        std::max<quint64>(1, std::min<quint64>(quint64(subsections), blocks / 10));
    const quint64 span = blocks / parts;
    QRandomGenerator *random = QRandomGenerator::system();
    for (quint64 part = 0; part < parts; ++part)
        places.push_back((part * span + random->bounded(span)) * block);
    places.push_back((blocks - 1) * block);
    std::sort(places.begin(), places.end());
    places.erase(std::unique(places.begin(), places.end()), places.end());
}

int SampleCheck::mark(JobContext &ctx)
{
    AlignedBuffer buffer(block);
    AlignedBuffer readBack(block);
    markers.clear();
    for (const quint64 at : places) {
        QByteArray marker(int(block), '\0');
        QRandomGenerator::system()->fillRange(reinterpret_cast<quint32 *>(marker.data()),
                                              marker.size() / 4);
        std::memcpy(buffer.get(), marker.constData(), block);
        int error = 0;
        if (platform::writeAll(fd, buffer.get(), block, qint64(at), &error) != block)
            return error ? error : EIO;
        markers.push_back(marker);
    }
    if (const int rc = platform::syncData(fd))
        return rc;
    // Each marker is on the drive before the command: one the drive did not
    // keep would prove nothing after it.
    for (std::size_t i = 0; i < places.size(); ++i) {
        int error = 0;
        if (platform::readAt(fd, readBack.get(), block, qint64(places[i]), &error) != qint64(block))
            return error ? error : EIO;
        if (std::memcmp(readBack.get(), markers[i].constData(), block) != 0)
            return EIO;
    }
    ctx.wrote(sampledBytes());
    return 0;
}

SampleCheck::Result SampleCheck::check(bool zerosPromised, JobContext &ctx) const
{
    Result result;
    AlignedBuffer buffer(block);
    const QByteArray zeros(int(block), '\0');
    for (std::size_t i = 0; i < places.size(); ++i) {
        ++result.sampled;
        int error = 0;
        if (platform::readAt(fd, buffer.get(), block, qint64(places[i]), &error) != qint64(block)) {
            if (result.agrees())
                result.firstMismatchAt = places[i];
            ++result.unreadable;
            continue;
        }
        const bool left =
            i < markers.size() && std::memcmp(buffer.get(), markers[i].constData(), block) == 0;
        const bool notZero = zerosPromised && std::memcmp(buffer.get(), zeros.constData(), block);
        if ((left || notZero) && result.agrees())
            result.firstMismatchAt = places[i];
        result.markersLeft += left ? 1 : 0;
        result.notZeros += notZero ? 1 : 0;
    }
    ctx.readBack(sampledBytes());
    return result;
}

QJsonObject SampleCheck::Result::toJson() const
{
    return {{QStringLiteral("sampled"), sampled},
            {QStringLiteral("markersLeft"), markersLeft},
            {QStringLiteral("notZeros"), notZeros},
            {QStringLiteral("unreadable"), unreadable},
            {QStringLiteral("agrees"), agrees()}};
}

} // namespace velmora
