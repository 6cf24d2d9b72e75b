#include "engine/randomstream.h"

#include "engine/platform.h"

#include <openssl/evp.h>

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
    start();
}

RandomStream::RandomStream(const Key &key) : streamKey(key), cipher(std::make_unique<Cipher>())
{
    start();
}

RandomStream::~RandomStream() = default;

void RandomStream::start()
{
    if (!cipher->ctx || EVP_EncryptInit_ex(cipher->ctx, EVP_aes_128_ctr(), nullptr,
                                           streamKey.data(), streamKey.data() + 16) != 1)
        throw std::runtime_error("AES-128-CTR is not available");
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

} // namespace velmora
