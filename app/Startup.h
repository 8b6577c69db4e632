#pragma once
// The program's entry and way out.
#include <functional>
#include <string>

namespace gb {

// Joins the program's arguments into one path: the whole command line is one path,
// with or without quotes, made absolute against the current folder.
std::string CommandLinePath(int argc, char** argv);

class FormMain;

// Runs the program: single instance, splash, event log, help path, random seed, main
// window; returns the process's exit code. `installWindows` gives the main window the
// windows it opens (album editor, library, options) before it loads.
int RunProgram(int argc, char** argv, const std::function<void(FormMain&)>& installWindows = {});

} // namespace gb
