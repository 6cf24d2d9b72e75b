// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "engine/platform/platform.h"

#include <cstdlib>
#include <memory>
#include <new>

namespace velmora
{

// A buffer aligned for direct I/O.
struct AlignedBuffer {
    explicit AlignedBuffer(std::size_t bytes)
    {
        void *p = nullptr;
        if (posix_memalign(&p, platform::kDirectAlignment, bytes) != 0)
            throw std::bad_alloc();
        data.reset(static_cast<char *>(p));
    }
    char *get() const { return data.get(); }
    struct Free {
        void operator()(char *p) const { std::free(p); }
    };
    std::unique_ptr<char, Free> data;
};

} // namespace velmora
