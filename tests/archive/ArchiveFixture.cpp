#include "ArchiveFixture.h"

#include <random>

QByteArray PageBytes(int seed, int size)
{
    std::mt19937 random{unsigned(seed)};
    QByteArray bytes(size, '\0');
    for (char& b : bytes)
        b = char(random() % 7 == 0 ? random() : 'a' + seed % 26); // compressible, but not trivially
    return bytes;
}
