// DReg: one open registry key and the last value loaded from it.
//
// A caller loads a value and then asks about it (is it "yes", is it on, what
// number does it hold). Every operation that talks to the registry answers
// false when no key is open or the registry reports an error.
#pragma once

#include <windows.h>

#include "DName.h"
#include "ReglibApi.h"

class REGLIB_API DReg
{
public:
    DReg();
    DReg(HKEY const& root, DName const& subkey);
    DReg(HKEY const& root, DName const& subkey, unsigned long const& access);
    ~DReg();

    // One owner per open key: a copy would close the same handle twice.
    DReg(DReg const&) = delete;
    DReg& operator=(DReg const&) = delete;

    // Opening and closing; each opening closes the key that was open before.
    bool Open(HKEY const& root, DName const& subkey);
    bool OpenEx(HKEY const& root, DName const& subkey, unsigned long const& access);
    bool Create(HKEY const& root, DName const& subkey);
    void Close();
    bool isOpen() const;

    // Loads. Each empties the stored value first; an empty name is the
    // key's default value.
    bool LoadKeyValue(DName const& name);
    DName const& LoadKeySz(DName const& name);
    unsigned long LoadKeyDword(DName const& name);
    bool LoadKeyBool(DName const& name, bool fallback);
    bool LoadKeyYesNo(DName const& name);
    DName LoadKeyData(DName const& name);

    // The last loaded value.
    DName const& GetKeyValue() const;
    unsigned long GetKeyDword() const;   // first four bytes, little-endian
    unsigned long const& GetKeyType() const;
    DName GetKeyTypes() const;
    bool isKeyValueYes() const;
    bool isKeyValueNo() const;
    bool isKeyValueOn() const;
    bool isKeyValueOff() const;
    unsigned GetRed() const;              // fields of a colour text "r g b"
    unsigned GetGreen() const;
    unsigned GetBlue() const;
    char const* GetError() const;         // always null: no error text is kept

    // Writes and deletes.
    bool SetValue(DName const& name, DName const& data, unsigned long const& dataType);
    bool SetDwordValue(DName const& name, unsigned long const& number);
    bool SetDataValue(DName const& name, DName const& data);
    bool DelKeyValue(DName const& name);
    static bool DelKey(HKEY const& root, DName const& subkey);

    // Listing.
    bool EnumSubKey(unsigned long const& index, DName& name) const;
    bool EnumValue(unsigned long const& index, DName& name) const;
    unsigned long GetMaxSubKeys() const;
    unsigned long GetMaxValues() const;

private:
    HKEY key;
    DName value;
    unsigned long type;
};
