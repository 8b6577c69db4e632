#include "PluginBridge.h"

#include "platform/Cp932.h"
#include "platform/SharedLibrary.h"

namespace gb {
namespace {

template <class Function>
Function* Bound(const char* name) {
    return BindFunction<Function>("Plugin.so", name);
}

using PictureCall = int32_t(const char*, intptr_t, uint32_t, void**, void**, SpiProgress, intptr_t);

} // namespace

void LinkStart(const std::string& path) {
    static auto* f = Bound<int32_t(const char*)>("LinkStart");
    if (f) f(Cp932(path).c_str());
}

void LinkQuit() {
    static auto* f = Bound<void()>("LinkQuit");
    if (f) f();
}

int32_t PluginPropertyAPI(int32_t infoNumber, char* buffer, int32_t bufferLength) {
    static auto* f = Bound<int32_t(int32_t, char*, int32_t)>("PluginPropertyAPI");
    return f ? f(infoNumber, buffer, bufferLength) : 0;
}

int32_t PluginIsSupportedAPI(const std::string& fileName, intptr_t head) {
    static auto* f = Bound<int32_t(const char*, intptr_t)>("PluginIsSupportedAPI");
    return f ? f(Cp932(fileName).c_str(), head) : 0;
}

int32_t PhotoPropertyAPI(const std::string& fileName, intptr_t offset, uint32_t flag, SpiPictureInfo* info) {
    static auto* f = Bound<int32_t(const char*, intptr_t, uint32_t, SpiPictureInfo*)>("PhotoPropertyAPI");
    return f ? f(Cp932(fileName).c_str(), offset, flag, info) : 0;
}

int32_t ExecutePhotoAPI(const std::string& fileName, intptr_t offset, uint32_t flag, void** bitmapInfo,
                        void** pixels) {
    static auto* f = Bound<PictureCall>("ExecutePhotoAPI");
    return f ? f(Cp932(fileName).c_str(), offset, flag, bitmapInfo, pixels, nullptr, 0) : SPI_NOT_IMPLEMENTED;
}

int32_t ExecuteThumbnailAPI(const std::string& fileName, intptr_t offset, uint32_t flag, void** bitmapInfo,
                            void** pixels) {
    static auto* f = Bound<PictureCall>("ExecuteThumbnailAPI");
    return f ? f(Cp932(fileName).c_str(), offset, flag, bitmapInfo, pixels, nullptr, 0) : SPI_NOT_IMPLEMENTED;
}

} // namespace gb
