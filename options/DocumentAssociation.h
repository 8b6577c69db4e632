#pragma once
// Associating album files with the program: the program writes out its registry tool
// and the import template it carries, runs the tool, and removes both files.

namespace gb {

// True when every step ran; says nothing about what the desktop made of the import.
bool RegisterDocumentType();

} // namespace gb
