// KeyPool: scrambling keys for storing a whole list. Drawing every key byte
// anew costs hundreds of calls of the runtime's generator per record, far
// more than writing the record; instead the bytes are drawn once per list
// and each record takes a key of the usual random length from a random place
// among them. The keys have the lengths and byte values of
// DFile::CreateHashKey.
#pragma once

class KeyPool
{
public:
    KeyPool();
    // A key of n bytes within the pool, valid as long as the pool.
    char const* Draw(unsigned& n) const;

private:
    static unsigned const PoolSize = 8192;
    char bytes_[PoolSize];
};
