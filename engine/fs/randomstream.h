// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

#include <array>
#include <cstddef>
#include <memory>

namespace velmora
{

// The data every pass writes: a keystream of AES-128 in counter mode, with a
// key and counter block drawn fresh from the system's random source for each
// pass of each file or fill file. It is unpredictable without the key, costs a
// few instructions per byte with the processor's AES instructions, and can be
// regenerated from its key to check what reached the device.
class RandomStream
{
  public:
    using Key = std::array<unsigned char, 32>; // 16 bytes of key, 16 of counter block

    // A stream with a fresh key. Throws std::runtime_error if the system's
    // random source or the cipher fails: writing predictable data instead
    // would defeat the purpose.
    RandomStream();
    // The stream of an earlier pass, from its start.
    explicit RandomStream(const Key &key);
    ~RandomStream();
    RandomStream(const RandomStream &) = delete;
    RandomStream &operator=(const RandomStream &) = delete;

    // The next `length` bytes of the stream.
    void fill(char *data, std::size_t length);
    // Takes the next `length` bytes of the stream off `data` in place (XOR):
    // data that came from this stream at this place becomes zeros. One pass
    // over the data, where drawing and comparing would take two.
    void strip(char *data, std::size_t length);
    // Goes to byte `offset` of the stream (counter mode can start anywhere).
    void seek(quint64 offset);
    const Key &key() const { return streamKey; }

  private:
    void start(const unsigned char *counter);
    Key streamKey{};
    struct Cipher;
    std::unique_ptr<Cipher> cipher;
};

} // namespace velmora
