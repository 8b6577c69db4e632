#pragma once
// Replaceable window procedures for Qt widgets. Once a widget has a procedure, the
// Qt events it receives arrive there as window messages (focus, keys and characters,
// mouse buttons, moves, double clicks and the wheel, size, move, paint, erase
// background, activate, activate application, show, close, get-min-max-info, context
// menu, help, timer, theme changed). The first procedure of every widget is its own
// handling (DefWindowProc): a message that reaches it lets Qt handle the event as
// usual; a procedure that answers without calling the previous one swallows it. An
// Alt character that reaches a top-level window's own handling (no shortcut took it)
// is followed by WM_MENUCHAR with that character and no menu flags.
// Notifications (WM_NOTIFY, WM_COMMAND, scroll messages) are sent by the controls
// with SendMessage.
#include "platform/WindowMessages.h"

class QWidget;

namespace gb {

using WindowProc = LResult (*)(Hwnd, unsigned, WParam, LParam);

// Installs `procedure` and returns the one it replaced (DefWindowProc the first
// time); nullptr when the window does not exist.
WindowProc SetWindowProc(Hwnd window, WindowProc procedure);
WindowProc GetWindowProc(Hwnd window);
LResult CallWindowProc(WindowProc procedure, Hwnd window, unsigned message, WParam wParam, LParam lParam);

// The widget's own handling: for the message being derived from a Qt event it lets
// Qt handle that event; any other message is delivered as DefaultWindowMessage does
// (WM_GETMINMAXINFO fills in the window's current limits).
LResult DefWindowProc(Hwnd window, unsigned message, WParam wParam, LParam lParam);

// Lets the events of `part` (a widget inside a control: a viewport, an inner view)
// count as messages of `control`, in the control's client coordinates.
void AddMessageSource(QWidget* part, QWidget* control);
// The window whose messages `widget`'s events are: the control it is part of, or
// the widget itself.
QWidget* MessageTarget(QWidget* widget);

// The window that has the keyboard focus (the control, for a part of one), 0 when
// none; and the active top-level window.
Hwnd GetFocus();
Hwnd GetActiveWindow();

// Asks the window's procedure for its tracking limits (WM_GETMINMAXINFO) and applies
// them; the window layer does this when a procedure is installed, on show and on
// resize.
void RefreshMinMaxInfo(Hwnd window);

// Makes sure the window layer delivers SendMessage through window procedures.
void InstallWindowLayer();

} // namespace gb
