#include "AboutMenuDialog.h"

AboutMenuDialog::AboutMenuDialog(unsigned templateId, char const* entryText, unsigned about,
                                 unsigned iconId)
    : DDialog(templateId), entry(entryText), aboutId(about), icon(LoadAppIcon(iconId))
{
}

bool AboutMenuDialog::OnInit()
{
    if (HMENU const menu = GetSystemMenu(GetWnd(), FALSE)) {
        AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        AppendMenuA(menu, MF_STRING, AboutCommand, entry);
    }
    SetIcon(icon, true);
    SetIcon(icon, false);
    return true;
}

bool AboutMenuDialog::OnMessage(UINT message, WPARAM wparam, LPARAM, LRESULT& result)
{
    // The low four bits of a system command are the system's own.
    if (message == WM_SYSCOMMAND && (wparam & 0xFFF0) == AboutCommand) {
        DDialog(aboutId).DoModal(GetWnd());
        result = 0;
        return true;
    }
    if (message == WM_PAINT)
        return PaintIconic(icon);
    return false;
}
