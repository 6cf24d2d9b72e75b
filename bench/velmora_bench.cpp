// SPDX-License-Identifier: GPL-3.0-or-later

// Runs the engine's jobs headless and reports their throughput:
//
//   velmora-bench erase --method NAME PATH...   file erase job; a folder gives
//                                               its files, then itself, as
//                                               Add Folder lists them
//   velmora-bench wipe --method NAME ROOT       volume wipe job
//   velmora-bench freespace --method NAME ROOT  free-space wipe job
//   velmora-bench drive --method NAME DEVICE    whole-drive wipe job
//   velmora-bench volumes                       what knowing each mounted
//                                               volume's medium costs
//
// Prints the job's log lines, each after the seconds since the job began (so
// a phase's time shows), then "bytes: N seconds: S MiB/s: X".

#include "engine/device/alignedbuffer.h"
#include "engine/device/samplecheck.h"
#include "engine/device/sanitize.h"
#include "engine/fs/paths.h"
#include "engine/job/guards.h"
#include "engine/job/jobrunner.h"
#include "engine/job/volumelist.h"
#include "engine/platform/drives.h"
#include "engine/platform/platform.h"
#include "engine/platform/storage.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>

#include <atomic>
#include <cstdio>

namespace
{

int usage()
{
    std::fprintf(
        stderr,
        "usage: velmora-bench erase|wipe|freespace|drive --method NAME [--verify] [--i-know] "
        "PATH...\n"
        "methods: NIST, DoD, British, German, Gutmann\n"
        "--i-know lets it erase what the window refuses (never devices)\n"
        "velmora-bench volumes | probe | sample DEVICE: time the listing of volumes, the "
        "probe of each drive's own erase, the sampled read of a drive against a whole read\n");
    return 2;
}

// The medium beneath every mounted volume, read 100 times over, and the
// listing the window shows (sizes asked on threads) once.
int timeVolumes()
{
    const auto table = velmora::platform::mountTable();
    QElapsedTimer clock;
    clock.start();
    constexpr int kRounds = 100;
    for (int round = 0; round < kRounds; ++round)
        for (const velmora::platform::Mount &mount : table)
            velmora::platform::storageOf(mount, table);
    const double perVolume = double(clock.nsecsElapsed()) / 1e6 / kRounds / double(table.size());
    clock.restart();
    const int listed = int(velmora::mountedVolumes().size());
    std::printf("mounts: %zu medium per volume: %.3f ms listing of %d volumes: %.1f ms\n",
                table.size(), perVolume, listed, double(clock.nsecsElapsed()) / 1e6);
    return 0;
}

// What each drive's own erase offers, asked of every drive: the time the
// listing of drives spends on it. Sends only identifying commands.
int timeProbe()
{
    for (const velmora::platform::Drive &drive : velmora::platform::listDrives()) {
        QElapsedTimer clock;
        clock.start();
        const velmora::SanitizeOffer offer = velmora::probeSanitize(drive);
        std::printf("%s: probe %.3f ms: %s\n", drive.path.constData(),
                    double(clock.nsecsElapsed()) / 1e6, offer.summary().toLocal8Bit().constData());
    }
    return 0;
}

// A drive read at the places the check of its own erase samples, and read
// whole, both with direct I/O: the share of the drive the sample reads, and
// of the time. Reads only, and only a drive nothing holds.
int timeSample(const QByteArray &device)
{
    int rc = 0;
    velmora::platform::Fd fd = velmora::platform::openDriveForWipe(device, false, &rc);
    quint64 bytes = 0;
    quint32 logical = 512;
    quint32 physical = 512;
    if (!fd.valid() ||
        (rc = velmora::platform::driveGeometry(fd.get(), &bytes, &logical, &physical)) != 0) {
        std::fprintf(stderr, "velmora-bench: %s: %s\n", device.constData(),
                     velmora::platform::errorText(rc).toLocal8Bit().constData());
        return 1;
    }
    velmora::JobContext ctx;
    QElapsedTimer clock;
    clock.start();
    const velmora::SampleCheck sample(fd.get(), bytes, std::max<quint32>(physical, 4096));
    const velmora::SampleCheck::Result result = sample.check(false, ctx);
    const double sampled = double(clock.nsecsElapsed()) / 1e9;
    clock.restart();
    constexpr std::size_t kPiece = 4 << 20;
    velmora::AlignedBuffer buffer(kPiece);
    for (quint64 at = 0; at < bytes;) {
        const std::size_t length = std::size_t(std::min<quint64>(kPiece, bytes - at));
        int error = 0;
        if (velmora::platform::readAt(fd.get(), buffer.get(), length, qint64(at), &error) <= 0)
            break;
        at += length;
    }
    const double whole = double(clock.nsecsElapsed()) / 1e9;
    std::printf("bytes: %llu sampled: %d blocks, %.2f %% of the drive, read in %.3f s; whole "
                "read %.3f s; the sample takes %.2f %% of the whole read's time\n",
                static_cast<unsigned long long>(bytes), result.sampled,
                100.0 * double(sample.sampledBytes()) / double(bytes), sampled, whole,
                100.0 * sampled / std::max(whole, 1e-9));
    return 0;
}

} // namespace

int main(int argc, char *argv[])
{
    // A file-size limit reaches the engine as EFBIG; SIGINT, SIGTERM and
    // SIGHUP stop the job as Stop does (fill files go), then end the process.
    velmora::platform::ignoreFileSizeSignal();
    velmora::platform::raiseDescriptorLimit();
    std::atomic_bool stop{false};
    velmora::platform::catchStopSignals(&stop);

    QCoreApplication app(argc, argv);
    // Paths as bytes: a name that is not UTF-8 must reach the job intact.
    QByteArrayList args;
    for (int i = 1; i < argc; ++i)
        args.append(QByteArray(argv[i]));
    // The window's and velmora-cli's guards hold here too: anyone who builds
    // the project may run this.
    const bool iKnow = args.removeAll("--i-know") > 0;
    if (args.size() == 1 && args.at(0) == "volumes")
        return timeVolumes();
    if (args.size() == 1 && args.at(0) == "probe")
        return timeProbe();
    if (args.size() == 2 && args.at(0) == "sample")
        return timeSample(args.at(1));
    if (args.size() < 4 || args.at(1) != "--method")
        return usage();
    const QString mode = QString::fromLatin1(args.takeFirst());
    args.takeFirst();
    const QString method = velmora::methodNamed(QString::fromLocal8Bit(args.takeFirst()));
    if (method.isEmpty())
        return usage();
    const bool verify = !args.isEmpty() && args.first() == "--verify";
    if (verify)
        args.takeFirst();
    if (args.isEmpty())
        return usage();
    velmora::JobRequest request;
    request.method = method;
    request.verify = verify;
    request.preserveRoot = !iKnow;
    request.preserveSystemVolumes = !iKnow;
    if (mode == QLatin1String("erase")) {
        QByteArrayList resolved;
        for (const QByteArray &path : args) {
            const velmora::EntryCheck check = velmora::checkEntry(path, !iKnow);
            if (check.refusal != velmora::EntryRefusal::None) {
                std::fprintf(stderr, "velmora-bench: %s\n",
                             velmora::refusalText(check, path).toLocal8Bit().constData());
                return 2;
            }
            resolved.append(check.resolved);
        }
        request.listed = velmora::listSelection(resolved);
    } else if (mode == QLatin1String("wipe") || mode == QLatin1String("freespace")) {
        if (args.size() != 1 || !args.first().startsWith('/'))
            return usage();
        if (mode == QLatin1String("wipe") && !iKnow &&
            velmora::refusalForWipe(velmora::displayName(args.first()), "/") !=
                velmora::WipeRefusal::None) {
            std::fprintf(stderr,
                         "velmora-bench: %s holds the running system or a home folder; "
                         "--i-know wipes it anyway\n",
                         args.first().constData());
            return 2;
        }
        request.kind = mode == QLatin1String("wipe") ? velmora::ErasureRecord::Kind::Volume
                                                     : velmora::ErasureRecord::Kind::FreeSpace;
        request.root = velmora::displayName(args.first());
    } else if (mode == QLatin1String("drive")) {
        // The job refuses, as the window does, a drive anything uses.
        if (args.size() != 1)
            return usage();
        request.kind = velmora::ErasureRecord::Kind::Drive;
        request.device = args.first();
    } else {
        return usage();
    }

    QTextStream out(stdout);
    velmora::JobReport report;
    velmora::JobStatus status;
    velmora::JobContext ctx;
    ctx.stopRequested = &stop;
    ctx.report = &report;
    ctx.status = &status;
    ctx.userFolder = QDir::homePath();
    QElapsedTimer clock;
    ctx.log = [&out, &clock](const QString &line) {
        out << QString::number(clock.nsecsElapsed() / 1e9, 'f', 3).rightJustified(8) << ' ' << line
            << '\n';
    };

    clock.start();
    QString error;
    if (!velmora::runJob(request, ctx, &error)) {
        std::fprintf(stderr, "velmora-bench: %s\n", error.toLocal8Bit().constData());
        return 1;
    }
    const double seconds = clock.nsecsElapsed() / 1e9;
    if (const int signal = velmora::platform::caughtSignal()) {
        out << velmora::stoppedBySignalLine(signal) << '\n';
        out.flush();
        return 128 + signal;
    }
    out << QStringLiteral("bytes: %1 seconds: %2 MiB/s: %3")
               .arg(ctx.bytesWritten)
               .arg(seconds, 0, 'f', 3)
               .arg(ctx.bytesWritten / 1048576.0 / qMax(seconds, 1e-9), 0, 'f', 1)
        << '\n';
    // A benchmark of a job that did not erase everything measured something
    // else: the script running it must know.
    if (report.endedByError() || report.problemCount() > 0) {
        std::fprintf(stderr, "velmora-bench: %d item(s) not erased\n", report.problemCount());
        return 1;
    }
    return 0;
}
