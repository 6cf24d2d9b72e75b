// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace velmora
{

// One chunk is one write of at most 1 MiB; it is the unit of progress.
constexpr qint64 kChunkSize = 1024 * 1024;

// Number of chunks that cover `bytes` bytes (the last chunk may be short).
constexpr qint64 chunksForSize(qint64 bytes)
{
    return bytes <= 0 ? 0 : (bytes + kChunkSize - 1) / kChunkSize;
}

} // namespace velmora
