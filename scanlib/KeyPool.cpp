#include "KeyPool.h"

#include <cstdlib>

#include "DFile.h"

KeyPool::KeyPool()
{
    for (char& b : bytes_)
        b = DFile::DrawKeyByte();
}

char const* KeyPool::Draw(unsigned& n) const
{
    n = DFile::DrawKeyLength();
    return bytes_ + unsigned(rand()) % (PoolSize - n + 1);
}
