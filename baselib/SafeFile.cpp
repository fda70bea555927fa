#include "SafeFile.h"

#include <cstring>

namespace {

// The protection bits that keep MoveFileExA from replacing a file.
DWORD const Protecting = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

} // namespace

SafeFile::SafeFile() = default;

SafeFile::~SafeFile()
{
    Discard();
}

bool SafeFile::Create(char const* target)
{
    Discard();
    if (!target || !*target || !target_.Name(target))
        return false;
    // The target's folder; a bare name lies in the current folder.
    char folder[MAX_PATH] = ".";
    char const* const slash = std::strrchr(target, '\\');
    char const* const other = std::strrchr(target, '/');
    char const* const last = slash > other ? slash : other;
    if (last) {
        size_t const n = static_cast<size_t>(last - target) + 1;
        if (n >= sizeof folder)
            return false;
        std::memcpy(folder, target, n);
        folder[n] = '\0';
    }
    // Made empty by the platform under a name no other file has.
    char temp[MAX_PATH];
    if (!GetTempFileNameA(folder, "hun", 0, temp))
        return false;
    if (!temp_.Name(temp)) {
        DeleteFileA(temp);
        return false;
    }
    if (file_.Create(temp))
        return true;
    Discard();
    return false;
}

FileOper& SafeFile::GetFile()
{
    return file_;
}

bool SafeFile::Commit()
{
    if (!file_.isOpen())
        return false;
    bool const written = file_.Flush();
    bool const closed = file_.Close();
    if (written && closed && Replace()) {
        temp_.Release();
        return true;
    }
    Discard();
    return false;
}

bool SafeFile::Replace()
{
    char const* const target = &target_;
    DWORD const old = GetFileAttributesA(target);
    bool const unprotected = old != INVALID_FILE_ATTRIBUTES && (old & Protecting)
                             && !(old & FILE_ATTRIBUTE_DIRECTORY)
                             && SetFileAttributesA(target, old & ~Protecting);
    if (MoveFileExA(&temp_, target, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    // The old file keeps its protection when it stays.
    if (unprotected)
        SetFileAttributesA(target, old);
    return false;
}

void SafeFile::Discard()
{
    file_.Close();
    if (&temp_)
        DeleteFileA(&temp_);
    temp_.Release();
}
