#include "FileCommands.h"

#include <cstring>

#include "CommandLine.h"
#include "DFileLoad.h"
#include "DMsgBox.h"
#include "FileOper.h"
#include "MainWindow.h"
#include "Resource.h"
#include "SafeFile.h"
#include "StoredFormats.h"
#include "TextExport.h"

namespace {

// Filter pairs of the file dialogs; each literal ends in the second NUL.
char const ResultsFilter[] = "Hunterly Results *.hur\0*.hur\0All Files *.*\0*.*\0";
char const TextFilter[] = "All Files *.*\0*.*\0Text Files *.txt\0*.txt\0";
char const ProfileFilter[] = "Hunterly Profiles *.hup\0*.hup\0All Files *.*\0*.*\0";

char const NotRestored[] = "Results were not restored.";
char const NoFile[] = "No file(s) loaded.";

// A file's first four bytes, as stored.
bool WriteMagic(FileOper& f, unsigned magic)
{
    return f.Write(&magic, sizeof magic);
}

}

FileCommands::FileCommands(MainWindow& owner) : window(owner)
{
}

bool FileCommands::OnCommand(unsigned id)
{
    switch (id) {
    case IDM_STORERESULTS:
        StoreResults();
        return true;
    case IDM_RESTORERESULTS:
        RestoreResults();
        return true;
    case IDM_COMPARE:
        CompareResults();
        return true;
    case IDM_SAVETEXT:
        SaveAsText();
        return true;
    case IDM_SAVEPROFILE:
        SaveProfile();
        return true;
    case IDM_LOADPROFILE:
        LoadProfile();
        return true;
    default:
        return false;
    }
}

bool FileCommands::AskName(char const* title, char const* filter, bool create,
                           char const* cancelled, DName& name) const
{
    DFileLoad dialog;
    dialog.SetBrowseTitle(title);
    if (create)
        dialog.SetFlagFileCreation();
    else
        dialog.SetFlagNoFileCreation();
    dialog.SetFlagNoMultiSelection();
    if (!dialog.BrowseForFile(filter)) {
        ShowStatus(cancelled);
        return false;
    }
    name = dialog.GetBrowseFullFilename(0);
    if (name.isEmpty() || dialog.GetBrowseTotal() == 0) {
        ShowStatus("Invalid file name.");
        return false;
    }
    return true;
}

void FileCommands::AddExtension(DName& name, char const* extension)
{
    DName folder;
    DName file;
    CommandLine::SplitPath(name, folder, file);
    if (file.isEmpty() || !std::strchr(file.Name(), '.'))
        name += extension;
}

void FileCommands::ShowStatus(DName const& text) const
{
    window.GetStatus().SetText(text);
}

void FileCommands::Fail(char const* box, char const* text) const
{
    DMsgBox(window.GetWnd()).Error(box, "");
    ShowStatus(text);
}

void FileCommands::StoreResults()
{
    DName name;
    if (!AskName("Storing Results", ResultsFilter, true, "Results were not stored.", name))
        return;
    AddExtension(name, ".hur");
    ShowStatus("Storing results, please wait...");
    SafeFile out;
    FileOper& f = out.GetFile();
    if (!out.Create(name.Name()) || !WriteMagic(f, StoredFormats::StoredResultsMagic)
        || !window.GetResultsPage().GetResults().Write(f) || !out.Commit()) {
        Fail("Could not create file", "Could not create output file.");
        return;
    }
    ShowStatus("Results saved to a stored file.");
}

void FileCommands::RestoreResults()
{
    DName name;
    if (AskName("Restoring Results", ResultsFilter, true, NotRestored, name))
        LoadStoredResults(name);
}

bool FileCommands::LoadStoredResults(DName const& file)
{
    auto const unable = [this, &file]() {
        DMsgBox(window.GetWnd())
            .ErrorFile("Could not open stored results or it was invalid ", file, "Invalid Results");
        ShowStatus("Was unable to load stored results.");
        return false;
    };
    FileOper f;
    if (StoredFormats::GetKind(file) != StoredFormats::StoredResults
        || !f.Open(file.Name(), false, false))
        return unable();
    ShowStatus("Loading results...");
    // The file may have changed since it was recognised.
    if (static_cast<unsigned long>(f.Qread()) != StoredFormats::StoredResultsMagic) {
        ShowStatus("The file was not a valid stored file.");
        return false;
    }
    ShowStatus("Loading results, please wait...");
    if (!window.GetResultsPage().Restore(f))
        return unable();
    window.GetSheet().SetActivePage(MainWindow::ResultsPage);
    ShowStatus("Results restored from file.");
    return true;
}

void FileCommands::CompareResults()
{
    DName name;
    if (!AskName("Comparing Results to Today's Contents", ResultsFilter, true, NotRestored, name))
        return;
    FileOper f;
    if (!f.Open(name.Name(), false, false)) {
        ShowStatus("Could not open stored file.");
        return;
    }
    ShowStatus("Loading results...");
    if (static_cast<unsigned long>(f.Qread()) != StoredFormats::StoredResultsMagic) {
        ShowStatus("The file was not a valid stored file.");
        return;
    }
    ShowStatus("Loading results, please wait...");
    // Read apart, so that a damaged file leaves the list the user had.
    DFileLoad stored;
    if (!stored.Read(f)) {
        ShowStatus("Could not read file.");
        return;
    }
    // Opening every entry takes long: the rows come in as the worker
    // checks them, and "S&top Search" stops it.
    PropResults& results = window.GetResultsPage();
    if (!results.StartCompare(stored)) {
        ShowStatus("A search is still running.");
        return;
    }
    window.GetSheet().SetActivePage(MainWindow::ResultsPage);
}

void FileCommands::SaveAsText()
{
    DFileLoad& results = window.GetResultsPage().GetResults();
    if (results.isEmpty()) {
        DMsgBox(window.GetWnd()).Error("No files have been found", "No Results");
        return;
    }
    DName name;
    if (!AskName("Saving Results as Text", TextFilter, true, NoFile, name))
        return;
    ShowStatus("Please wait while formating text...");
    SafeFile out;
    bool written = out.Create(name.Name());
    if (written) {
        unsigned const n = results.Size();
        TextExport text(out.GetFile());
        written = text.Head(n);
        for (unsigned i = 0; i < n && written; ++i) {
            ShowStatus(results[i].GetFullPath());
            written = text.Line(results.Format(i));
        }
        written = text.Finish() && written && out.Commit();
    }
    if (!written) {
        Fail("Could not create text file", "Could not create output text file.");
        return;
    }
    ShowStatus("Results by current display settings saved to text.");
}

void FileCommands::SaveProfile()
{
    DName name;
    if (!AskName("Saving Profile", ProfileFilter, true, NoFile, name))
        return;
    AddExtension(name, ".hup");
    SafeFile out;
    if (!out.Create(name.Name())) {
        Fail("Could not create profile", "Could not create profile.");
        return;
    }
    // A phrase still being typed has not yet left its box.
    window.CommitPages();
    FileOper& f = out.GetFile();
    bool const saved = WriteMagic(f, StoredFormats::ProfileMagic) && window.GetCriteria().Write(f)
                       && out.Commit();
    ShowStatus(saved ? "Profile was saved successfully." : "Could not save profile.");
}

void FileCommands::LoadProfile()
{
    DName name;
    if (AskName("Loading Profile", ProfileFilter, false, NoFile, name))
        LoadProfile(name);
}

bool FileCommands::LoadProfile(DName const& file)
{
    FileOper f;
    if (StoredFormats::GetKind(file) != StoredFormats::Profile
        || !f.Open(file.Name(), false, false)) {
        DMsgBox(window.GetWnd())
            .ErrorFile("Could not open profile or it was invalid ", file, "Invalid Profile");
        ShowStatus("Was unable to load specified profile.");
        return false;
    }
    // Read apart: a damaged profile leaves the criteria as they were.
    DirectoryListingSpec& criteria = window.GetCriteria();
    DirectoryListingSpec read(criteria);
    bool const whole = static_cast<unsigned long>(f.Qread()) == StoredFormats::ProfileMagic
                       && read.Read(f);
    if (whole) {
        // A phrase still being typed is taken first: its box would give it
        // back over the profile's when the focus leaves it.
        window.CommitPages();
        // A copy of the record leaves its radix out; the profile's counts.
        criteria = read;
        criteria.radix = read.radix;
    }
    ShowStatus(whole ? "Profile was loaded successfully." : "Could not read profile.");
    // Every page shows the criteria and marks its tab.
    window.ActivateAllPages();
    window.GetSheet().SetActivePage(MainWindow::FileNamesPage);
    return whole;
}
