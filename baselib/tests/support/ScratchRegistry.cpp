#include "ScratchRegistry.h"

#include <cstdio>

namespace {
ScratchRegistry const* current = nullptr;
}

ScratchRegistry::ScratchRegistry() : key_(nullptr), active_(false)
{
    char name[64];
    snprintf(name, sizeof name, "Software\\Hunterly test run %lu", GetCurrentProcessId());
    path_ = name;
    // A key left by a crashed run with the same process id starts empty.
    RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    if (RegCreateKeyExA(HKEY_CURRENT_USER, path_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                        nullptr, &key_, nullptr) != ERROR_SUCCESS) {
        key_ = nullptr;
        return;
    }
    active_ = RegOverridePredefKey(HKEY_CURRENT_USER, key_) == ERROR_SUCCESS;
    if (active_)
        current = this;
}

ScratchRegistry::~ScratchRegistry()
{
    if (active_) {
        RegOverridePredefKey(HKEY_CURRENT_USER, nullptr);
        current = nullptr;
    }
    if (key_) {
        RegCloseKey(key_);
        RegDeleteTreeA(HKEY_CURRENT_USER, path_.c_str());
    }
}

bool ScratchRegistry::isActive() const
{
    return active_;
}

void ScratchRegistry::Clear() const
{
    if (key_)
        RegDeleteTreeA(key_, nullptr);
}

std::string const& ScratchRegistry::Path() const
{
    return path_;
}

ScratchRegistry const* ScratchRegistry::Current()
{
    return current;
}
