#pragma once
// The platform's visual styles for the program: on while the manifest beside the
// program is active ("<program>.EXE.Manifest"), off while it is parked under the name
// "<program>.Manifest.XML". Only the options window switches them.
#include <string>

namespace gb {

// True exactly on the platform edition that reads such a manifest (version 5.1).
bool CanUseVisualStyles();
bool IsVisualStyleOn();
// Renames the manifest to its active or its parked name; any failure (the file
// missing, the other name taken) is ignored.
void SetVisualStyle(bool on);

// The two names of the manifest: the program's folder and file name without
// extension, then ".EXE.Manifest" or ".Manifest.XML".
std::string ActiveManifestPath();
std::string ParkedManifestPath();

} // namespace gb
