#pragma once
// The program's entry and way out.
#include <string>

namespace gb {

// Joins the program's arguments into one path: the whole command line is one path,
// with or without quotes, made absolute against the current folder.
std::string CommandLinePath(int argc, char** argv);

// Runs the program: single instance, splash, event log, help path, random seed, main
// window; returns the process's exit code.
int RunProgram(int argc, char** argv);

} // namespace gb
