#pragma once
// The list-view and tree-view notification codes and records.
#include "platform/WindowMessages.h"

namespace gb {

enum : int {
    NM_CLICK = -2, NM_DBLCLK = -3, NM_RETURN = -4, NM_RCLICK = -5,
    LVN_ITEMCHANGED = -101, LVN_BEGINLABELEDIT = -105, LVN_ENDLABELEDIT = -106, LVN_BEGINDRAG = -109,
    TVN_SELCHANGED = -402, TVN_ITEMEXPANDED = -406, TVN_BEGINDRAG = -407, TVN_BEGINLABELEDIT = -410,
    TVN_ENDLABELEDIT = -411,
};

enum : uint32_t { LVIS_FOCUSED = 1, LVIS_SELECTED = 2, LVIS_CUT = 4, LVIS_DROPHILITED = 8 };
enum : uint32_t { LVHT_NOWHERE = 1, LVHT_ONITEMICON = 2, LVHT_ONITEMLABEL = 4, LVHT_ONITEM = 14 };

// NMLISTVIEW (and, for the tree view, the node index in iItem).
struct ListViewNotify {
    NotifyHeader hdr;
    int iItem = -1;
    int iSubItem = 0;
    uint32_t uNewState = 0;
    uint32_t uOldState = 0;
    uint32_t uChanged = 0;
    Point ptAction;
    LParam lParam = 0;
};

// The label-edit notifications: the item and the label editor.
struct ListViewDispInfo {
    NotifyHeader hdr;
    int iItem = -1;
    Hwnd editor = 0;
};

} // namespace gb
