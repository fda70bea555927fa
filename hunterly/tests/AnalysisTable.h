// The cells of a list view as a test reads them, and the analysis tables
// that open on this thread, read as each opens and closed with "&Done".
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <string>
#include <vector>

#include "AnalysisDialogIds.h"
#include "WindowProbe.h"

using Row = std::vector<std::string>;
using Table = std::vector<Row>;

// Every cell of a list view, row by row.
inline Table Cells(HWND list)
{
    Table rows;
    int const columns = Header_GetItemCount(ListView_GetHeader(list));
    for (int row = 0; row < ListView_GetItemCount(list); ++row) {
        Row cells;
        for (int column = 0; column < columns; ++column) {
            char text[512] = "";
            ListView_GetItemText(list, row, column, text, sizeof text);
            cells.push_back(text);
        }
        rows.push_back(cells);
    }
    return rows;
}

// The analysis tables opened on this thread, read as each opens and closed
// with "&Done", by a timer that the table's own message loop runs.
struct TableReader
{
    static inline std::vector<Table> tables;
    static inline std::string caption;

    TableReader()
    {
        tables.clear();
        timer = SetTimer(nullptr, 0, 50, Read);
    }
    ~TableReader() { KillTimer(nullptr, timer); }

    static BOOL CALLBACK FindTable(HWND window, LPARAM found)
    {
        if (!IsWindowVisible(window) || !GetDlgItem(window, IDC_ANALYSISLIST))
            return TRUE;
        *reinterpret_cast<HWND*>(found) = window;
        return FALSE;
    }

    static void CALLBACK Read(HWND, UINT, UINT_PTR, DWORD)
    {
        HWND table = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), FindTable, reinterpret_cast<LPARAM>(&table));
        if (!table)
            return;
        caption = WindowProbe::Text(table);
        tables.push_back(Cells(GetDlgItem(table, IDC_ANALYSISLIST)));
        SendMessageA(table, WM_COMMAND, IDOK, 0);
    }

    UINT_PTR timer;
};
