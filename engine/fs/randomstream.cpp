// SPDX-License-Identifier: GPL-3.0-or-later

#include "engine/fs/randomstream.h"

#include "engine/platform/platform.h"

#include <openssl/evp.h>

#include <algorithm>
#include <stdexcept>

namespace velmora
{

struct RandomStream::Cipher {
    EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
    ~Cipher() { EVP_CIPHER_CTX_free(ctx); }
};

RandomStream::RandomStream() : cipher(std::make_unique<Cipher>())
{
    if (!platform::systemRandom(streamKey.data(), streamKey.size()))
        throw std::runtime_error("the system's random source failed");
    start(streamKey.data() + 16);
}

RandomStream::RandomStream(const Key &key) : streamKey(key), cipher(std::make_unique<Cipher>())
{
    start(streamKey.data() + 16);
}

RandomStream::~RandomStream() = default;

void RandomStream::start(const unsigned char *counter)
{
    if (!cipher->ctx ||
        EVP_EncryptInit_ex(cipher->ctx, EVP_aes_128_ctr(), nullptr, streamKey.data(), counter) != 1)
        throw std::runtime_error("AES-128-CTR is not available");
}

void RandomStream::seek(quint64 offset)
{
    // The counter block is one big-endian number, one more per 16 bytes.
    unsigned char counter[16];
    std::copy(streamKey.begin() + 16, streamKey.end(), counter);
    quint64 add = offset / 16;
    unsigned carry = 0;
    for (int i = 15; i >= 0; --i) {
        const unsigned sum = counter[i] + unsigned(add & 0xff) + carry;
        counter[i] = static_cast<unsigned char>(sum);
        carry = sum >> 8;
        add >>= 8;
    }
    start(counter);
    char skipped[16];
    fill(skipped, std::size_t(offset % 16));
}

void RandomStream::fill(char *data, std::size_t length)
{
    // The keystream is the encryption of zeros: read from one small block
    // that stays in the cache, rather than first zeroing the whole output.
    static const unsigned char zeros[64 * 1024] = {};
    auto *out = reinterpret_cast<unsigned char *>(data);
    while (length > 0) {
        const int part = int(qMin<std::size_t>(length, sizeof zeros));
        int written = 0;
        if (EVP_EncryptUpdate(cipher->ctx, out, &written, zeros, part) != 1 || written != part)
            throw std::runtime_error("AES-128-CTR failed");
        out += part;
        length -= std::size_t(part);
    }
}

void RandomStream::strip(char *data, std::size_t length)
{
    auto *bytes = reinterpret_cast<unsigned char *>(data);
    int written = 0;
    if (EVP_EncryptUpdate(cipher->ctx, bytes, &written, bytes, int(length)) != 1 ||
        written != int(length))
        throw std::runtime_error("AES-128-CTR failed");
}

} // namespace velmora
