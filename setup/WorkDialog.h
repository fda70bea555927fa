// WorkDialog: a dialog that does its work as it opens, showing a progress
// bar and a one-line status, with "Next" enabled when the work is done.
#pragma once

#include "DDialog.h"
#include "DName.h"

class WorkDialog : public DDialog
{
public:
    explicit WorkDialog(unsigned templateId);

    // Both bars run from 0 to Steps.
    static constexpr unsigned long Steps = 8;
    // The result of a run whose work failed.
    static constexpr INT_PTR Failed = IDABORT;

    bool isDone() const;

protected:
    // Shows the window, runs Work and ends the dialog with Failed when it
    // fails; otherwise waits for "Next".
    bool OnInit() override;
    bool OnOK() override;                 // only once the work is done
    bool OnEscape() override;
    bool OnHelp() override;

    // The work; false ends the dialog.
    virtual bool Work() = 0;

    // The bar's range, position 0 and "Next" disabled.
    void Begin() const;
    void Status(DName const& text) const;
    void Step(unsigned long position) const;
    // Position Steps, "Completed." and "Next" enabled.
    void Finish();

private:
    // Paints what changed, as the work runs on the window's own thread.
    void Paint() const;

    bool done;
};
