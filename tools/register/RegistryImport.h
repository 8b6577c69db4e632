#pragma once
// The registry tool's work: filling the folder placeholders of a registry import
// template, and applying the import to this desktop, where a document type is a MIME
// type (shared-mime-info) and its open command a desktop entry.
#include <map>
#include <string>
#include <vector>

namespace gb {

// Replaces the placeholders "$(WinPath)", "$(WinSysPath)", "$(ProgramFiles)",
// "$(CommonFiles)", "$(CommonFilesSys)" and "$(AppPath)" in that order; in each value
// every backslash is doubled first, as strings of the import format require.
std::string ExpandTemplateLine(const std::string& line, const std::map<std::string, std::string>& values);

// The folders this desktop gives the placeholders; "$(AppPath)" is `toolFolder`.
std::map<std::string, std::string> PlaceholderValues(const std::string& toolFolder);

// What a registry import says about one document type.
struct DocumentAssociation {
    std::vector<std::string> extensions; // ".GBX"
    std::string typeName;                // "Glimmerbox.Document"
    std::string description;             // UTF-8
    std::string command;                 // the open command: "\"/path/glimmerbox\" \"%1\""
    std::string icon;
};

// Reads the text of an import file (UTF-8, after the template's code page is decoded);
// the first document type that has an open command, or an empty association.
DocumentAssociation ParseRegistryImport(const std::string& text);

// The desktop entry's Exec line for an open command ("%1" becomes "%f").
std::string DesktopExec(const std::string& command);

// Writes the MIME package and the desktop entry below `dataHome` and makes the entry the
// type's default application (running update-mime-database and xdg-mime when they are
// there). False when the files could not be written.
bool ApplyAssociation(const DocumentAssociation& association, const std::string& dataHome);

// The MIME type name of a document type ("Glimmerbox.Document" ->
// "application/x-glimmerbox-document").
std::string MimeTypeOf(const std::string& typeName);

} // namespace gb
