// Stored forms through real files, each in a fresh temporary folder: the
// bytes that Write(FileOper&) leaves, and Read(FileOper&) of exactly these
// bytes.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "FileOper.h"
#include "TempFolder.h"

template <class Item>
std::string Stored(Item&& item, bool written = true)
{
    TempFolder dir;
    std::string const path = dir.Path("stored.bin");
    FileOper out;
    EXPECT_TRUE(out.Create(path.c_str()));
    EXPECT_EQ(written, bool(item.Write(out)));
    out.Close();
    return TempFolder::Get(path);
}

template <class Item>
bool ReadBack(std::string const& bytes, Item& item)
{
    TempFolder dir;
    std::string const path = dir.Path("stored.bin");
    EXPECT_TRUE(TempFolder::Put(path, bytes));
    FileOper in(path.c_str(), false);
    return item.Read(in);
}
