// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/randomchunks.h"

#include "engine/core/chunks.h"

#include <algorithm>
#include <stdexcept>

namespace velmora
{

unsigned parallelWriters()
{
    return std::clamp(std::thread::hardware_concurrency(), 1U, 2U);
}

RandomChunks::RandomChunks(RandomStream &source, bool ahead) : stream(source)
{
    if (!ahead)
        return;
    for (auto &buffer : buffers)
        buffer.resize(std::size_t(kChunkSize));
    helper = std::thread([this] { produce(); });
}

RandomChunks::~RandomChunks()
{
    if (helper.joinable()) {
        {
            std::lock_guard<std::mutex> lock(mutex);
            quit = true;
        }
        changed.notify_all();
        helper.join();
    }
}

qint64 RandomChunks::streamBytesFor(qint64 bytes, bool ahead)
{
    return ahead ? kChunkSize : bytes;
}

void RandomChunks::produce()
{
    std::unique_lock<std::mutex> lock(mutex);
    for (;;) {
        // Keep one buffer for the caller and draw into the others.
        changed.wait(lock, [this] { return quit || ready < kBuffers - 1; });
        if (quit)
            return;
        const int target = produced;
        lock.unlock();
        bool ok = true;
        try {
            stream.fill(buffers[std::size_t(target)].data(), std::size_t(kChunkSize));
        } catch (const std::exception &) {
            ok = false;
        }
        lock.lock();
        if (!ok) {
            failed = true;
            changed.notify_all();
            return;
        }
        produced = (produced + 1) % kBuffers;
        ++ready;
        changed.notify_all();
    }
}

const char *RandomChunks::next(qint64 bytes)
{
    last = drawn;
    drawn += quint64(streamBytesFor(bytes, helper.joinable()));
    if (!helper.joinable()) {
        // The caller's thread draws into this instance's own buffer, grown
        // on demand: two instances alive at once (a pass and its read-back)
        // never share one.
        std::vector<char> &buffer = buffers[0];
        if (qint64(buffer.size()) < bytes)
            buffer.resize(std::size_t(bytes));
        stream.fill(buffer.data(), std::size_t(bytes));
        return buffer.data();
    }
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return ready > 0 || failed; });
    if (ready == 0)
        throw std::runtime_error("the random stream failed");
    consumer = (consumer + 1) % kBuffers;
    --ready;
    changed.notify_all();
    return buffers[std::size_t(consumer)].data();
}

} // namespace velmora
