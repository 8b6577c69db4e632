#pragma once
// The program's calls into the plug-in bridge library Plugin.so, bound at the first
// call. Paths are UTF-8 here and cross in code page 932. Without the library every call
// answers as if no plug-in were loaded.
#include "plugins/sdk/PicturePlugin.h"

#include <cstdint>
#include <string>

namespace gb {

void LinkStart(const std::string& path);
void LinkQuit();
int32_t PluginPropertyAPI(int32_t infoNumber, char* buffer, int32_t bufferLength);
int32_t PluginIsSupportedAPI(const std::string& fileName, intptr_t head);
int32_t PhotoPropertyAPI(const std::string& fileName, intptr_t offset, uint32_t flag, SpiPictureInfo* info);
int32_t ExecutePhotoAPI(const std::string& fileName, intptr_t offset, uint32_t flag, void** bitmapInfo,
                        void** pixels);
int32_t ExecuteThumbnailAPI(const std::string& fileName, intptr_t offset, uint32_t flag, void** bitmapInfo,
                            void** pixels);

} // namespace gb
