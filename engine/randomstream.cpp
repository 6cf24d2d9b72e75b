#include "engine/randomstream.h"

#include "engine/platform.h"

#include <openssl/evp.h>

#include <climits>
#include <cstring>
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
    // The keystream is the encryption of zeros.
    auto *out = reinterpret_cast<unsigned char *>(data);
    std::memset(out, 0, length);
    while (length > 0) {
        const int part = int(qMin<std::size_t>(length, INT_MAX / 2));
        int written = 0;
        if (EVP_EncryptUpdate(cipher->ctx, out, &written, out, part) != 1 || written != part)
            throw std::runtime_error("AES-128-CTR failed");
        out += part;
        length -= std::size_t(part);
    }
}

} // namespace velmora
