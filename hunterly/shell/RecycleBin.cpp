#include "RecycleBin.h"

namespace {

int ShellOperation(SHFILEOPSTRUCTA& operation)
{
    return SHFileOperationA(&operation);
}

RecycleBin::OperationFunction operate = ShellOperation;

}

RecycleBin::OperationFunction RecycleBin::SetOperation(OperationFunction function)
{
    OperationFunction const before = operate;
    operate = function ? function : ShellOperation;
    return before;
}

bool RecycleBin::isOnDisk(DName const& path)
{
    return !path.isEmpty() && GetFileAttributesA(path.Name()) != INVALID_FILE_ATTRIBUTES;
}

bool RecycleBin::Add(DName const& path)
{
    if (path.isEmpty())
        return false;
    paths.push_back(path);
    return true;
}

unsigned RecycleBin::Count() const
{
    return static_cast<unsigned>(paths.size());
}

unsigned RecycleBin::Move(HWND owner)
{
    moved.assign(paths.size(), false);
    // A missing path would fail the whole operation: it is left out, and
    // so never counts as moved.
    std::vector<bool> there(paths.size(), false);
    std::string list;
    for (size_t i = 0; i < paths.size(); ++i) {
        there[i] = isOnDisk(paths[i]);
        if (there[i])
            list.append(paths[i].Name(), paths[i].Size()).push_back('\0');
    }
    if (list.empty())
        return 0;
    // The list ends with a second NUL.
    list.push_back('\0');

    SHFILEOPSTRUCTA operation = {};
    operation.hwnd = owner;
    operation.wFunc = FO_DELETE;
    operation.pFrom = list.c_str();
    // Its own box on a file it cannot move would come once per file; the
    // caller reports those that stayed.
    operation.fFlags = FOF_ALLOWUNDO | FOF_NOERRORUI;
    operate(operation);

    unsigned count = 0;
    for (size_t i = 0; i < paths.size(); ++i) {
        moved[i] = there[i] && !isOnDisk(paths[i]);
        count += moved[i];
    }
    return count;
}

bool RecycleBin::isMoved(unsigned i) const
{
    return i < moved.size() && moved[i];
}
