#pragma once
// Binding of the program's companion libraries by file name, at the first call.
#include <string>

namespace gb {

// The address of `symbol` in the library `fileName` of the program folder, loading the
// library on first use; nullptr when the library or the function is missing.
void* BindLibraryFunction(const std::string& fileName, const char* symbol);

template <class Function>
Function* BindFunction(const std::string& fileName, const char* symbol) {
    return reinterpret_cast<Function*>(BindLibraryFunction(fileName, symbol));
}

// Loads a library by full path (plug-ins); nullptr when it cannot be loaded.
void* LoadLibraryFile(const std::string& path);
void* LibraryFunction(void* library, const char* symbol);
void FreeLibraryFile(void* library);

} // namespace gb
