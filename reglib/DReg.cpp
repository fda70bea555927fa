#include "DReg.h"

namespace {

// One field of a colour text: up to three characters from start, ending at a
// blank or the end of the text, read as its leading decimal digits.
unsigned ColourField(DName const& text, unsigned start)
{
    unsigned number = 0;
    for (unsigned i = start; i < start + 3 && text.isNum(i); ++i)
        number = number * 10 + static_cast<unsigned>(text(i) - '0');
    return number;
}

}

DReg::DReg() : key(nullptr), type(REG_NONE) {}

DReg::DReg(HKEY const& root, DName const& subkey) : DReg()
{
    Open(root, subkey);
}

DReg::DReg(HKEY const& root, DName const& subkey, unsigned long const& access) : DReg()
{
    OpenEx(root, subkey, access);
}

DReg::~DReg()
{
    Close();
}

bool DReg::Open(HKEY const& root, DName const& subkey)
{
    Close();
    if (RegOpenKeyA(root, subkey.Name(), &key) == ERROR_SUCCESS)
        return true;
    key = nullptr;
    return false;
}

bool DReg::OpenEx(HKEY const& root, DName const& subkey, unsigned long const& access)
{
    Close();
    if (RegOpenKeyExA(root, subkey.Name(), 0, access, &key) == ERROR_SUCCESS)
        return true;
    key = nullptr;
    return false;
}

bool DReg::Create(HKEY const& root, DName const& subkey)
{
    Close();
    if (!root || subkey.isEmpty())
        return false;
    if (RegCreateKeyA(root, subkey.Name(), &key) == ERROR_SUCCESS)
        return true;
    key = nullptr;
    return false;
}

void DReg::Close()
{
    if (key)
        RegCloseKey(key);
    key = nullptr;
}

bool DReg::isOpen() const
{
    return key != nullptr;
}

bool DReg::LoadKeyValue(DName const& name)
{
    value.Destroy();
    type = REG_NONE;
    if (!key)
        return false;
    DWORD size = 0;
    if (RegQueryValueExA(key, name.Name(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS) {
        type = REG_NONE;
        return false;
    }
    if (size == 0)
        return true;
    if (!value.Alloc(size))
        return false;
    DWORD read = size;
    if (RegQueryValueExA(key, name.Name(), nullptr, &type,
                         reinterpret_cast<BYTE*>(value.Handle()), &read) != ERROR_SUCCESS) {
        value.Destroy();
        return false;
    }
    // The size asked first may be larger than the data read (an ANSI read of
    // a text stored wide, or a value that shrank in between).
    if (read < size)
        value.DelRight(size - read);
    return true;
}

DName const& DReg::LoadKeySz(DName const& name)
{
    LoadKeyValue(name);
    return value;
}

unsigned long DReg::LoadKeyDword(DName const& name)
{
    return LoadKeyValue(name) ? GetKeyDword() : 0;
}

bool DReg::LoadKeyBool(DName const& name, bool fallback)
{
    return LoadKeyValue(name) ? isKeyValueOn() : fallback;
}

bool DReg::LoadKeyYesNo(DName const& name)
{
    return LoadKeyValue(name) && isKeyValueYes();
}

DName DReg::LoadKeyData(DName const& name)
{
    LoadKeyValue(name);
    return value.FromRadix(16);
}

DName const& DReg::GetKeyValue() const
{
    return value;
}

unsigned long DReg::GetKeyDword() const
{
    // Bytes missing from a short value count as 0.
    unsigned long number = 0;
    for (unsigned i = 0; i < 4; ++i)
        number |= static_cast<unsigned long>(static_cast<unsigned char>(value(i))) << (8 * i);
    return number;
}

unsigned long const& DReg::GetKeyType() const
{
    return type;
}

DName DReg::GetKeyTypes() const
{
    switch (type) {
    case REG_NONE: return "None";
    case REG_SZ: return "String";
    case REG_EXPAND_SZ: return "Unexpanded String";
    case REG_BINARY: return "Binary";
    case REG_DWORD: return "DWORD";
    case REG_LINK: return "Link";
    case REG_MULTI_SZ: return "Multi-string";
    case REG_RESOURCE_LIST: return "Resource List";
    default: return "N/A";
    }
}

bool DReg::isKeyValueYes() const
{
    // Compi also compares the sizes, so a stored terminating NUL spoils it.
    return value.Compi(DName("yes"));
}

bool DReg::isKeyValueNo() const
{
    return value.Compi(DName("no"));
}

bool DReg::isKeyValueOn() const
{
    return !value.isEmpty() && value(0) != 0;
}

bool DReg::isKeyValueOff() const
{
    return !value.isEmpty() && value(0) == 0;
}

unsigned DReg::GetRed() const
{
    return ColourField(value, 0);
}

unsigned DReg::GetGreen() const
{
    unsigned start = 8;
    for (unsigned i = 0; i <= 6; ++i)
        if (value(i) == ' ') {
            start = i + 1;
            break;
        }
    return ColourField(value, start);
}

unsigned DReg::GetBlue() const
{
    unsigned first = value.FindFirstChar(' ');
    for (unsigned i = first + 1; i < value.Size(); ++i)
        if (value(i) == ' ')
            return ColourField(value, i + 1);
    return 0;
}

char const* DReg::GetError() const
{
    return nullptr;
}

bool DReg::SetValue(DName const& name, DName const& data, unsigned long const& dataType)
{
    if (!key)
        return false;
    // The registry counts a text's terminating NUL in when the byte after the
    // given count is NUL; a byte other than NUL there keeps the count exact.
    DName guarded(data);
    if (!guarded.InsertRight('.', 1))
        return false;
    return RegSetValueExA(key, name.Name(), 0, dataType,
                          reinterpret_cast<BYTE const*>(guarded.Name()),
                          data.Size()) == ERROR_SUCCESS;
}

bool DReg::SetDwordValue(DName const& name, unsigned long const& number)
{
    DWORD data = number;
    return key && RegSetValueExA(key, name.Name(), 0, REG_DWORD,
                                 reinterpret_cast<BYTE const*>(&data),
                                 sizeof data) == ERROR_SUCCESS;
}

bool DReg::SetDataValue(DName const& name, DName const& data)
{
    return SetValue(name, data.ToRadix(16), REG_SZ);
}

bool DReg::DelKeyValue(DName const& name)
{
    return key && !name.isEmpty() && RegDeleteValueA(key, name.Name()) == ERROR_SUCCESS;
}

bool DReg::DelKey(HKEY const& root, DName const& subkey)
{
    return root && !subkey.isEmpty() && RegDeleteKeyA(root, subkey.Name()) == ERROR_SUCCESS;
}

bool DReg::EnumSubKey(unsigned long const& index, DName& name) const
{
    char buffer[256];
    if (!key || RegEnumKeyA(key, index, buffer, sizeof buffer) != ERROR_SUCCESS)
        return false;
    name = buffer;
    return true;
}

bool DReg::EnumValue(unsigned long const& index, DName& name) const
{
    char buffer[256];
    DWORD length = sizeof buffer;
    if (!key || RegEnumValueA(key, index, buffer, &length, nullptr, nullptr, nullptr,
                              nullptr) != ERROR_SUCCESS)
        return false;
    name = buffer;
    return true;
}

unsigned long DReg::GetMaxSubKeys() const
{
    DWORD subkeys = 0;
    if (!key || RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr,
                                 nullptr, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return subkeys;
}

unsigned long DReg::GetMaxValues() const
{
    DWORD values = 0;
    if (!key || RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
                                 &values, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return 0;
    return values;
}
