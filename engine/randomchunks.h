#pragma once

#include <QtGlobal>

#include <array>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace velmora
{

// Fresh random chunks of 1 MiB, drawn on a helper thread while the caller
// writes the previous one: drawing costs about as much as writing to a fast
// device, so doing both at once nearly halves the time. Every chunk handed
// out is newly drawn; a buffer is only refilled after the caller has moved on
// to the next one.
//
// `draw` fills `count` 32-bit words; it runs on the helper thread only.
// With `ahead` false everything happens on the caller's thread (for small
// files, where starting a thread costs more than it saves).
class RandomChunks
{
  public:
    using Draw = std::function<void(quint32 *words, qsizetype count)>;

    RandomChunks(Draw draw, bool ahead);
    ~RandomChunks();
    RandomChunks(const RandomChunks &) = delete;
    RandomChunks &operator=(const RandomChunks &) = delete;

    // The next chunk, with at least `bytes` (at most 1 MiB) fresh bytes;
    // valid until the next call. Drawn ahead, it is always a whole chunk;
    // drawn on the spot, only the words needed.
    const char *next(qint64 bytes);

  private:
    static constexpr int kBuffers = 3;
    void produce();

    Draw draw;
    std::array<std::vector<quint32>, kBuffers> buffers;
    std::mutex mutex;
    std::condition_variable changed;
    int ready = 0;     // buffers drawn and not yet handed out
    int consumer = -1; // buffer handed out last, not to be refilled yet
    int produced = 0;  // index of the next buffer to draw
    bool quit = false;
    std::thread helper;
};

} // namespace velmora
