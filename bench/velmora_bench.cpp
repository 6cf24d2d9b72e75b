// Runs the engine's jobs headless and reports their throughput:
//
//   velmora-bench erase --method NAME PATH...   file erase job; a folder gives
//                                               its files, then itself, as
//                                               Add Folder lists them
//   velmora-bench wipe --method NAME ROOT       volume wipe job
//   velmora-bench freespace --method NAME ROOT  free-space wipe job
//
// Prints the job's log lines, then "bytes: N seconds: S MiB/s: X".

#include "engine/erasemethods.h"
#include "engine/jobs.h"
#include "engine/paths.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTextStream>

#include <atomic>
#include <cstdio>
#include <filesystem>

namespace
{

int usage()
{
    std::fprintf(stderr, "usage: velmora-bench erase|wipe|freespace --method NAME PATH...\n"
                         "methods: NIST, DoD, British, German, Gutmann\n");
    return 2;
}

QString methodNamed(const QString &word)
{
    for (const QString &name : velmora::methodDisplayNames()) {
        if (name.startsWith(word, Qt::CaseInsensitive))
            return name;
    }
    return QString();
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QStringList args = app.arguments().mid(1);
    if (args.size() < 4 || args.at(1) != QLatin1String("--method"))
        return usage();
    const QString mode = args.takeFirst();
    args.takeFirst();
    const QString method = methodNamed(args.takeFirst());
    if (method.isEmpty())
        return usage();
    const int passes = passCountForMethod(method);

    QTextStream out(stdout);
    std::atomic_bool stop{false};
    qint64 total = 0;
    qint64 processed = 0;
    velmora::JobReport report;
    velmora::JobContext ctx;
    ctx.stopRequested = &stop;
    ctx.totalChunks = &total;
    ctx.processedChunks = &processed;
    ctx.report = &report;
    ctx.log = [&out](const QString &line) { out << line << '\n'; };

    QElapsedTimer clock;
    if (mode == QLatin1String("erase")) {
        QStringList files;
        QSet<QString> folders;
        for (const QString &path : args) {
            const QFileInfo info(path);
            if (info.isDir()) {
                QDirIterator it(path, QDir::Files, QDirIterator::Subdirectories);
                while (it.hasNext())
                    files << it.next();
                folders.insert(path);
            } else {
                files << path;
            }
        }
        for (const QString &f : files)
            total += velmora::chunksForSize(QFileInfo(f).size()) * passes;
        clock.start();
        velmora::runFileEraseJob(files, folders, method, ctx);
    } else if (mode == QLatin1String("wipe") || mode == QLatin1String("freespace")) {
        if (args.size() != 1)
            return usage();
        const QString root = args.first();
        std::error_code ec;
        const auto space = std::filesystem::space(velmora::toFsPath(root), ec);
        if (ec) {
            std::fprintf(stderr, "velmora-bench: cannot read the space of %s\n", qPrintable(root));
            return 1;
        }
        clock.start();
        if (mode == QLatin1String("wipe")) {
            total = qint64(space.capacity / velmora::kChunkSize) * passes;
            velmora::runVolumeWipeJob(root, method, passes, space.capacity, ctx);
        } else {
            total = qint64(space.available / velmora::kChunkSize) * passes;
            velmora::runFreeSpaceWipeJob(root, passes, space.available, ctx);
        }
    } else {
        return usage();
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    out << QStringLiteral("bytes: %1 seconds: %2 MiB/s: %3")
               .arg(ctx.bytesWritten)
               .arg(seconds, 0, 'f', 3)
               .arg(ctx.bytesWritten / 1048576.0 / qMax(seconds, 1e-9), 0, 'f', 1)
        << '\n';
    return report.endedByError() ? 1 : 0;
}
