// Plugin: loads one picture plug-in at a time and forwards the program's calls to it.
#include "platform/Cp932.h"
#include "platform/SharedLibrary.h"
#include "plugins/sdk/PicturePlugin.h"

#define GB_EXPORT extern "C" __attribute__((visibility("default")))

namespace {

struct LoadedPlugin {
    void* library = nullptr;
    GetPluginInfoFunction getPluginInfo = nullptr;
    IsSupportedFunction isSupported = nullptr;
    GetPictureInfoFunction getPictureInfo = nullptr;
    GetPictureFunction getPicture = nullptr;
    GetPictureFunction getPreview = nullptr;

    void Unload() {
        gb::FreeLibraryFile(library);
        *this = LoadedPlugin();
    }
    // A loaded plug-in goes when the library is unloaded.
    ~LoadedPlugin() { gb::FreeLibraryFile(library); }
} plugin;

template <class Function>
Function Entry(const char* name) {
    return reinterpret_cast<Function>(gb::LibraryFunction(plugin.library, name));
}

} // namespace

GB_EXPORT int32_t LinkStart(const char* path) {
    plugin.Unload();
    if (!path) return 0;
    // Paths cross in code page 932; the file system names files in UTF-8.
    plugin.library = gb::LoadLibraryFile(gb::Utf8(path));
    if (!plugin.library) return 0;
    plugin.getPluginInfo = Entry<GetPluginInfoFunction>("GetPluginInfo");
    plugin.isSupported = Entry<IsSupportedFunction>("IsSupported");
    plugin.getPictureInfo = Entry<GetPictureInfoFunction>("GetPictureInfo");
    plugin.getPicture = Entry<GetPictureFunction>("GetPicture");
    plugin.getPreview = Entry<GetPictureFunction>("GetPreview");
    return 1;
}

GB_EXPORT void LinkQuit() { plugin.Unload(); }

// With no plug-in loaded every call answers 0. A loaded plug-in that lacks an entry
// point answers "not implemented" where 0 would read as success, and 0 (nothing
// written, not supported) otherwise.
GB_EXPORT int32_t PluginPropertyAPI(int32_t infoNumber, char* buffer, int32_t bufferLength) {
    return plugin.getPluginInfo ? plugin.getPluginInfo(infoNumber, buffer, bufferLength) : 0;
}

GB_EXPORT int32_t PluginIsSupportedAPI(const char* fileName, intptr_t head) {
    return plugin.isSupported ? plugin.isSupported(fileName, head) : 0;
}

GB_EXPORT int32_t PhotoPropertyAPI(const char* source, intptr_t length, uint32_t flag, SpiPictureInfo* info) {
    if (!plugin.library) return 0;
    return plugin.getPictureInfo ? plugin.getPictureInfo(source, length, flag, info) : SPI_NOT_IMPLEMENTED;
}

GB_EXPORT int32_t ExecutePhotoAPI(const char* source, intptr_t length, uint32_t flag, void** bitmapInfo, void** pixels,
                                  SpiProgress progress, intptr_t data) {
    if (!plugin.library) return 0;
    return plugin.getPicture ? plugin.getPicture(source, length, flag, bitmapInfo, pixels, progress, data)
                             : SPI_NOT_IMPLEMENTED;
}

GB_EXPORT int32_t ExecuteThumbnailAPI(const char* source, intptr_t length, uint32_t flag, void** bitmapInfo,
                                      void** pixels, SpiProgress progress, intptr_t data) {
    if (!plugin.library) return 0;
    return plugin.getPreview ? plugin.getPreview(source, length, flag, bitmapInfo, pixels, progress, data)
                             : SPI_NOT_IMPLEMENTED;
}
