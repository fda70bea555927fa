#include "KeyPool.h"

#include <cstdlib>

#include "DFile.h"
#include "DName.h"

KeyPool::KeyPool()
{
    for (char& b : bytes_)
        b = DFile::DrawKeyByte();
}

bool KeyPool::Draw(DName& key) const
{
    unsigned const n = DFile::DrawKeyLength();
    unsigned const at = unsigned(rand()) % (PoolSize - n + 1);
    return key.Namen(bytes_ + at, n);
}
