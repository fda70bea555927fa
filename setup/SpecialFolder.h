// SpecialFolder: the user's shell folders that hold the shortcuts of an
// installation.
#pragma once

#include "DName.h"

class SpecialFolder
{
public:
    // Each is empty when the shell does not know the folder.
    static DName Programs();    // the programs menu
    static DName SendTo();
    static DName Desktop();
    // The program group of the programs menu: Programs() and "Hunterly";
    // empty when the programs menu is unknown.
    static DName ProgramGroup();
};
