#include "ShellLink.h"

#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

namespace {

// The component library stays initialised for exactly one shortcut.
class ComScope
{
public:
    ComScope() : ready(SUCCEEDED(CoInitialize(nullptr))) {}
    ~ComScope()
    {
        if (ready)
            CoUninitialize();
    }
    bool ready;
};

bool Save(IShellLinkA* link, DName const& file)
{
    IPersistFile* persist = nullptr;
    if (FAILED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&persist))))
        return false;
    wchar_t wide[MAX_PATH] = L"";
    bool saved = MultiByteToWideChar(CP_ACP, 0, file.Name(), -1, wide, MAX_PATH) > 0
                 && SUCCEEDED(persist->Save(wide, TRUE));
    persist->Release();
    return saved;
}

}

bool ShellLink::Make(DName const& file, DName const& target, DName const& description)
{
    if (file.isEmpty() || target.isEmpty())
        return false;
    ComScope com;
    if (!com.ready)
        return false;
    IShellLinkA* link = nullptr;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                reinterpret_cast<void**>(&link))))
        return false;
    bool const made = SUCCEEDED(link->SetPath(target.Name()))
                      && SUCCEEDED(link->SetDescription(description.Name()))
                      && Save(link, file);
    link->Release();
    return made;
}
