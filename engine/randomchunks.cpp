#include "engine/randomchunks.h"

#include "engine/erasemethods.h"

namespace velmora
{

RandomChunks::RandomChunks(Draw drawWords, bool ahead) : draw(std::move(drawWords))
{
    const std::size_t words = std::size_t(kChunkSize / sizeof(quint32));
    for (auto &buffer : buffers) {
        buffer.resize(words);
        if (!ahead)
            break; // drawn on the spot: one buffer is all it takes
    }
    if (ahead)
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
        auto &buffer = buffers[std::size_t(target)];
        draw(buffer.data(), qsizetype(buffer.size()));
        lock.lock();
        produced = (produced + 1) % kBuffers;
        ++ready;
        changed.notify_all();
    }
}

const char *RandomChunks::next(qint64 bytes)
{
    if (!helper.joinable()) {
        auto &buffer = buffers[0];
        draw(buffer.data(), qsizetype((bytes + 3) / 4));
        return reinterpret_cast<const char *>(buffer.data());
    }
    std::unique_lock<std::mutex> lock(mutex);
    changed.wait(lock, [this] { return ready > 0; });
    consumer = (consumer + 1) % kBuffers;
    --ready;
    changed.notify_all();
    return reinterpret_cast<const char *>(buffers[std::size_t(consumer)].data());
}

} // namespace velmora
