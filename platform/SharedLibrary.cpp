#include "SharedLibrary.h"

#include "Folders.h"

#include <dlfcn.h>
#include <map>

namespace gb {

void* BindLibraryFunction(const std::string& fileName, const char* symbol) {
    static std::map<std::string, void*> loaded;
    auto it = loaded.find(fileName);
    if (it == loaded.end() || !it->second) {
        void* handle = dlopen((ProgramFolder() + "/" + fileName).c_str(), RTLD_NOW | RTLD_LOCAL);
        it = loaded.insert_or_assign(fileName, handle).first;
    }
    return it->second ? dlsym(it->second, symbol) : nullptr;
}

void* LoadLibraryFile(const std::string& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void* LibraryFunction(void* library, const char* symbol) { return library ? dlsym(library, symbol) : nullptr; }
void FreeLibraryFile(void* library) {
    if (library) dlclose(library);
}

} // namespace gb
