#pragma once
// The platform's system metrics (GetSystemMetrics numbers) for this desktop, in
// pixels.
namespace gb {

enum SystemMetric : int {
    SM_CXSCREEN = 0, SM_CYSCREEN = 1, SM_CXVSCROLL = 2, SM_CYHSCROLL = 3, SM_CYCAPTION = 4, SM_CXBORDER = 5,
    SM_CYBORDER = 6, SM_CXDLGFRAME = 7, SM_CYDLGFRAME = 8, SM_CYVTHUMB = 9, SM_CXHTHUMB = 10, SM_CXICON = 11,
    SM_CYICON = 12, SM_CXCURSOR = 13, SM_CYCURSOR = 14, SM_CYMENU = 15, SM_CXFULLSCREEN = 16, SM_CYFULLSCREEN = 17,
    SM_CYVSCROLL = 20, SM_CXHSCROLL = 21, SM_CXMIN = 28, SM_CYMIN = 29, SM_CXSIZE = 30, SM_CYSIZE = 31,
    SM_CXFRAME = 32, SM_CYFRAME = 33, SM_CXDOUBLECLK = 36, SM_CYDOUBLECLK = 37, SM_CXSMICON = 49, SM_CYSMICON = 50,
    SM_CXMAXIMIZED = 61, SM_CYMAXIMIZED = 62, SM_CMONITORS = 80,
};

// 0 for a metric this desktop does not have.
int GetSystemMetrics(int metric);

} // namespace gb
