// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/fs/randomstream.h"

#include <QtGlobal>

#include <array>
#include <condition_variable>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora
{

// How many threads write one file or fill at once, each drawing its own
// data: one per core, up to two. Beside a writer, a second one keeps the
// other core busy with the copy into the file and its own drawing, which
// beats drawing on a helper and handing its buffers over from core to core.
unsigned parallelWriters();

// The chunks of one pass, drawn from its stream. With `ahead`, a helper
// thread draws the next chunks while the caller writes the previous one, and
// every chunk takes a whole 1 MiB of the stream; without, the caller's
// thread draws exactly the bytes asked for into a buffer of this instance's
// own (a 4 KiB file needs 4 KiB, not 1 MiB). A buffer is refilled only after
// the caller has moved on to the next one, so every chunk handed out is newly
// drawn, and valid until the next call on the same instance.
class RandomChunks
{
  public:
    RandomChunks(RandomStream &stream, bool ahead);
    ~RandomChunks();
    RandomChunks(const RandomChunks &) = delete;
    RandomChunks &operator=(const RandomChunks &) = delete;

    // The next chunk, with `bytes` (at most 1 MiB) fresh bytes; valid until
    // the next call. Throws if the stream fails.
    const char *next(qint64 bytes);
    // Where in the stream the chunk next() returned last begins.
    quint64 lastOffset() const { return last; }

    // How many bytes of the stream a chunk of `bytes` takes.
    static qint64 streamBytesFor(qint64 bytes, bool ahead);

  private:
    quint64 last = 0;
    quint64 drawn = 0; // bytes of the stream handed out or skipped
    static constexpr int kBuffers = 3;
    void produce();

    RandomStream &stream;
    std::array<std::vector<char>, kBuffers> buffers;
    std::mutex mutex;
    std::condition_variable changed;
    int ready = 0;     // buffers drawn and not yet handed out
    int consumer = -1; // buffer handed out last, not to be refilled yet
    int produced = 0;  // index of the next buffer to draw
    bool quit = false;
    bool failed = false;
    std::thread helper;
};

} // namespace velmora
