#include "engine/overwrite.h"

#include "engine/erasemethods.h"
#include "engine/paths.h"
#include "engine/platform.h"
#include "engine/randomchunks.h"

#include <QDebug>
#include <QRandomGenerator>

#include <cerrno>
#include <system_error>

namespace velmora
{

namespace
{

// Writeback of a large file is started every this many chunks, so that the
// sync closing each pass (and a Stop waiting for it) stays short.
constexpr qint64 kWritebackChunks = 32;

// Closes the descriptor on every way out of the overwrite.
class FileGuard
{
  public:
    explicit FileGuard(int fd) : fd(fd) {}
    ~FileGuard() { platform::closeFile(fd); }
    FileGuard(const FileGuard &) = delete;
    FileGuard &operator=(const FileGuard &) = delete;
    int get() const { return fd; }

  private:
    int fd;
};

} // namespace

OverwriteResult overwriteFile(const std::filesystem::path &path, const QString &method,
                              JobContext &ctx)
{
    const QString shown = displayPath(path);
    int error = 0;
    FileGuard file(platform::openForOverwrite(path, &error));
    if (file.get() < 0) {
        qDebug() << "Unable to open file:" << shown << platform::errorText(error);
        return error == ENOENT ? OverwriteResult::NotFound : OverwriteResult::Failed;
    }

    const qint64 size = platform::fileSize(file.get());
    if (size < 0) {
        qDebug() << "Unable to open file:" << shown << "size unknown";
        return OverwriteResult::Failed;
    }
    if (size == 0) {
        qDebug() << "The file size is 0, delete it directly:" << shown;
        std::error_code ec;
        std::filesystem::remove(path, ec);
        ctx.emitLog(QStringLiteral("🗑️ Deleted empty file: %1").arg(shown));
        return OverwriteResult::EmptyDeleted;
    }

    const int passes = passCountForMethod(method);
    const qint64 chunks = chunksForSize(size);
    // Whole 32-bit words, so the generator fills a chunk in one call and
    // every byte of every draw is used. Large files draw ahead on a helper
    // thread while the previous chunk is written.
    RandomChunks random(
        [](quint32 *words, qsizetype count) {
            QRandomGenerator::global()->fillRange(words, count);
        },
        size >= 4 * kChunkSize);

    for (int pass = 0; pass < passes; ++pass) {
        if (ctx.stopped())
            return OverwriteResult::Stopped;
        for (qint64 c = 0; c < chunks; ++c) {
            if (ctx.stopped())
                return OverwriteResult::Stopped;
            const qint64 offset = c * kChunkSize;
            const qint64 length = qMin(kChunkSize, size - offset);
            const char *bytes = random.next(length);
            const std::size_t written =
                platform::writeAll(file.get(), bytes, std::size_t(length), offset, &error);
            if (written != std::size_t(length)) {
                qDebug() << "Write failed:" << shown << platform::errorText(error);
                return OverwriteResult::Failed;
            }
            ctx.bytesWritten += length;
            ctx.chunksProcessed();
            if ((c + 1) % kWritebackChunks == 0)
                platform::startWriteback(file.get(),
                                         offset + length - kWritebackChunks * kChunkSize,
                                         kWritebackChunks * kChunkSize);
        }
        // Sync every pass: otherwise the kernel may merge the passes in its
        // cache, or drop them all when the file is deleted, and the disk
        // keeps the old contents.
        if (const int syncError = platform::syncData(file.get())) {
            qDebug() << "Sync failed:" << shown << platform::errorText(syncError);
            return OverwriteResult::Failed;
        }
    }
    return OverwriteResult::Overwritten;
}

} // namespace velmora
