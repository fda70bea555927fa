// FileCommands: the main window's file commands. The result list is stored
// to a file, restored from one, compared with the disk or saved as a text
// report; the search criteria are saved to a profile and loaded from one.
//
// Each command asks for a name in the file dialog, tells its outcome on the
// status line and shows a box for a failure that needs acknowledging. A
// save replaces its file whole or leaves the old one; a load changes the
// results or criteria only once it has read the file whole.
#pragma once

#include "DName.h"

class MainWindow;

class FileCommands
{
public:
    explicit FileCommands(MainWindow& window);

    FileCommands(FileCommands const&) = delete;
    FileCommands& operator=(FileCommands const&) = delete;

    // The command of a menu item or toolbar button; false for another id.
    bool OnCommand(unsigned id);

    void StoreResults();
    void RestoreResults();
    void CompareResults();
    void SaveAsText();
    void SaveProfile();
    void LoadProfile();
    // Also from the command line, without a dialog. True when the file was
    // read whole and now shows.
    bool LoadStoredResults(DName const& file);
    bool LoadProfile(DName const& file);

private:
    // The file dialog with a title and a filter; false, with the status
    // text cancelled or "Invalid file name.", when no name came back.
    bool AskName(char const* title, char const* filter, bool create, char const* cancelled,
                 DName& name) const;
    // A name whose file part has no extension gets it.
    static void AddExtension(DName& name, char const* extension);
    void ShowStatus(DName const& text) const;
    void Fail(char const* box, char const* text) const;

    MainWindow& window;
};
