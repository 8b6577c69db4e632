#pragma once
// The members every control wrapper forwards to its control site (Extender), written
// once. Used inside a wrapper's class body.
#define GB_SITE_MEMBERS                                                                                        \
    void Synchronize() { Extender.SetSynchronized(1); }                                                        \
    bool SetContainer(Hwnd window) { return Extender.SetContainer(window); }                                   \
    void SetAppearance(int32_t value) { Extender.SetAppearance(value); }                                       \
    bool Enabled() const { return Extender.Enabled(); }                                                        \
    void SetEnabled(bool value) { Extender.SetEnabled(value); }                                                \
    bool Visible() const { return Extender.Visible(); }                                                        \
    void SetVisible(bool value) { Extender.SetVisible(value); }                                                \
    int32_t Left() const { return Extender.Left(); }                                                           \
    int32_t Top() const { return Extender.Top(); }                                                             \
    int32_t Width() const { return Extender.Width(); }                                                         \
    int32_t Height() const { return Extender.Height(); }                                                       \
    void Move(int32_t x, int32_t y, int32_t width = 0, int32_t height = 0) { Extender.Move(x, y, width, height); } \
    void Size(int32_t width, int32_t height) { Extender.Size(width, height); }                                 \
    bool Fit(QWidget* placeholder, int32_t mode) { return Extender.Fit(placeholder, mode); }                   \
    void Adjust() { Extender.Adjust(); }                                                                       \
    void Stretch() { Extender.Stretch(); }                                                                     \
    void Refresh() { Extender.Refresh(); }                                                                     \
    void SetFocus() { Extender.SetFocus(); }                                                                   \
    void ZOrder(Hwnd insertAfter) { Extender.ZOrder(insertAfter); }

// Plus the client size of the site.
#define GB_SITE_SCALE_MEMBERS                                                                                  \
    int32_t ScaleWidth() const { return Extender.ScaleWidth(); }                                               \
    int32_t ScaleHeight() const { return Extender.ScaleHeight(); }
