// SPDX-License-Identifier: GPL-3.0-or-later
// The 7z header reader over arbitrary bytes: counts, sizes and offsets taken from the headers must never
// lead outside the bytes, allocate beyond them, overflow or hang. The two checksums of the start header
// are made right first, so the fuzzer reaches the header itself.

#include "book/archive/SevenZipFolders.h"

#include <zlib.h>

#include <cstddef>
#include <cstdint>
#include <vector>

namespace {
std::uint64_t littleEndian(const std::uint8_t* p, int bytes)
{
    std::uint64_t value = 0;
    for (int i = bytes - 1; i >= 0; --i)
        value = value << 8 | p[i];
    return value;
}

void putCrc(std::uint8_t* at, const std::uint8_t* bytes, std::size_t size)
{
    const auto crc = std::uint32_t(crc32_z(0, bytes, size));
    for (int i = 0; i < 4; ++i)
        at[i] = std::uint8_t(crc >> (8 * i));
}

void fixChecksums(std::vector<std::uint8_t>& file)
{
    if (file.size() < 32)
        return;
    const std::uint64_t offset = littleEndian(file.data() + 12, 8);
    const std::uint64_t size = littleEndian(file.data() + 20, 8);
    if (size <= file.size() - 32 && offset <= file.size() - 32 - size)
        putCrc(file.data() + 28, file.data() + 32 + offset, size);
    putCrc(file.data() + 8, file.data() + 12, 20);
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::uint8_t> file(data, data + size);
    fixChecksums(file);
    const std::optional<std::vector<bool>> starts =
        SevenZipFolderStarts(file.size(), [&](std::uint64_t offset, std::size_t count) -> std::optional<QByteArray> {
            if (offset > file.size() || count > file.size() - offset)
                return std::nullopt;
            return QByteArray(reinterpret_cast<const char*>(file.data() + offset), qsizetype(count));
        });
    // One flag per entry, and never more entries than the bytes could describe.
    if (starts && starts->size() > 8 * size)
        __builtin_trap();
    return 0;
}
