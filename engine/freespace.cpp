#include "engine/freespace.h"

#include "engine/erasemethods.h"
#include "engine/paths.h"
#include "engine/platform.h"
#include "engine/randomchunks.h"

#include <QDebug>
#include <QRandomGenerator>

#include <cerrno>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace velmora
{

namespace
{

// The index-th fill file of a pass: "/__wiper_temp__.bin",
// "/__wiper_temp__1.bin", ...
QString fillFileName(const QString &fileName, int index)
{
    if (index == 0)
        return fileName;
    QString name = fileName;
    const int dot = name.lastIndexOf(QLatin1Char('.'));
    return dot > 0 ? name.insert(dot, QString::number(index)) : name + QString::number(index);
}

// Ends the fill with the job's failure line; the job must not claim success.
bool failFill(const QString &failureLine, JobContext &ctx)
{
    ctx.emitLog(failureLine);
    if (ctx.report)
        ctx.report->setError(failureLine);
    return false;
}

enum class WriteStatus { Written, Full, Failed };

// The fill files of one pass. Files that reach the size limit are synced and
// closed at once (a volume may need thousands of them); every file created is
// deleted when the pass object goes, whatever way the pass ends.
class FillPass
{
  public:
    FillPass(QString root, QString fileName) : root(std::move(root)), fileName(std::move(fileName))
    {
    }
    ~FillPass()
    {
        platform::closeFile(fd);
        for (const fs::path &path : created) {
            std::error_code ec;
            fs::remove(path, ec);
        }
    }
    FillPass(const FillPass &) = delete;
    FillPass &operator=(const FillPass &) = delete;

    // Creates the next fill file; *error is set when it fails.
    bool openNext(int *error)
    {
        if (fd >= 0 && !finishCurrent(error))
            return false;
        const fs::path path = toFsPath(root + fillFileName(fileName, int(created.size())));
        fd = platform::createFillFile(path, error);
        if (fd < 0)
            return false;
        created.push_back(path);
        return true;
    }

    WriteStatus write(const char *data, std::size_t length, qint64 *written)
    {
        while (length > 0) {
            int error = 0;
            const std::size_t n = platform::writeAll(fd, data, length, -1, &error);
            *written += qint64(n);
            data += n;
            length -= n;
            if (length == 0)
                break;
            if (error == ENOSPC || error == EDQUOT)
                return WriteStatus::Full;
            if (error != EFBIG) {
                qDebug() << "Write failed:" << currentName() << platform::errorText(error);
                return WriteStatus::Failed;
            }
            // The file reached the largest size this file system allows:
            // go on in a further fill file.
            if (!openNext(&error))
                return error == ENOSPC || error == EDQUOT ? WriteStatus::Full : WriteStatus::Failed;
        }
        return WriteStatus::Written;
    }

    // Syncs the file being written, so that what the pass wrote reaches the
    // device before the file is deleted.
    bool finish()
    {
        int error = 0;
        return fd < 0 || finishCurrent(&error);
    }

  private:
    bool finishCurrent(int *error)
    {
        *error = platform::syncData(fd);
        if (*error)
            qDebug() << "Sync failed:" << currentName() << platform::errorText(*error);
        platform::closeFile(fd);
        fd = -1;
        return *error == 0;
    }

    QString currentName() const { return created.empty() ? root : displayPath(created.back()); }

    QString root;
    QString fileName;
    std::vector<fs::path> created;
    int fd = -1;
};

} // namespace

bool fillFreeSpace(const QString &root, const QString &fileName, int passes, quint64 byteBound,
                   const QString &failureLine, JobContext &ctx)
{
    // One Mersenne Twister per fill (QRandomGenerator with a seed is the
    // standard 32-bit MT19937), seeded once from the system's random device
    // and never reseeded. Drawn on this thread: a fill is bound by the
    // device, and the kernel's writeback needs the other core more than a
    // helper thread would.
    QRandomGenerator engine(std::random_device{}());
    RandomChunks random(
        [&engine](quint32 *words, qsizetype count) { engine.fillRange(words, count); }, false);

    const qint64 plannedChunks = qint64(byteBound / quint64(kChunkSize));
    // A bound that covers what the volume has available asks for the whole
    // free space. Then the fill writes until the volume is full, which also
    // reaches the blocks reserved for root and the last partial chunk; the
    // free space counted with the reserve, plus one chunk, guards against a
    // file system that never reports a full volume. A smaller bound is a
    // deliberate limit and is kept exactly.
    qint64 chunkLimit = plannedChunks;
    std::error_code spaceError;
    const fs::space_info space = fs::space(toFsPath(root), spaceError);
    if (!spaceError && byteBound + quint64(kChunkSize) > quint64(space.available))
        chunkLimit = qMax(plannedChunks, qint64(quint64(space.free) / quint64(kChunkSize)) + 1);

    for (int pass = 0; pass < passes; ++pass) {
        if (ctx.stopped())
            return true;
        FillPass fill(root, fileName);
        int error = 0;
        if (!fill.openNext(&error)) {
            qDebug() << "Unable to create fill file in" << root << platform::errorText(error);
            return failFill(failureLine, ctx);
        }
        for (qint64 chunk = 0; chunk < chunkLimit; ++chunk) {
            if (ctx.stopped())
                return true; // the pass object deletes the fill files
            const WriteStatus status =
                fill.write(random.next(kChunkSize), std::size_t(kChunkSize), &ctx.bytesWritten);
            if (status == WriteStatus::Failed)
                return failFill(failureLine, ctx);
            if (chunk < plannedChunks)
                ctx.chunksProcessed();
            if (status == WriteStatus::Full) {
                // The pass is done; count the chunks the volume had no room
                // for, so the bar ends where it should.
                if (chunk + 1 < plannedChunks)
                    ctx.chunksProcessed(plannedChunks - chunk - 1);
                break;
            }
        }
        if (!fill.finish())
            return failFill(failureLine, ctx);
    }
    return true;
}

} // namespace velmora
