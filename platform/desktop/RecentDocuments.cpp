#include "RecentDocuments.h"

#include "platform/Folders.h"

#include <QMimeDatabase>
#include <QString>
#include <cstdlib>
#include <glib.h>
#include <sys/stat.h>

namespace gb {
namespace {

constexpr const char* kApplication = "Glimmerbox";
constexpr const char* kExec = "glimmerbox %f";

// Loads the list; an absent file is an empty list. nullptr when the file is there but
// cannot be read, so that nothing is written over it.
GBookmarkFile* LoadList(const std::string& file) {
    GBookmarkFile* list = g_bookmark_file_new();
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return list;
    GError* error = nullptr;
    if (!g_bookmark_file_load_from_file(list, file.c_str(), &error)) {
        g_error_free(error);
        g_bookmark_file_free(list);
        return nullptr;
    }
    return list;
}

bool SaveList(GBookmarkFile* list, const std::string& file) {
    size_t slash = file.find_last_of('/');
    if (slash != std::string::npos) MakeFolders(file.substr(0, slash));
    GError* error = nullptr;
    bool saved = g_bookmark_file_to_file(list, file.c_str(), &error); // written whole, then renamed
    if (error) g_error_free(error);
    return saved;
}

} // namespace

std::string RecentDocumentsFile() {
    const char* data = std::getenv("XDG_DATA_HOME");
    if (data && *data == '/') return std::string(data) + "/recently-used.xbel";
    const char* home = std::getenv("HOME");
    return std::string(home ? home : "") + "/.local/share/recently-used.xbel";
}

bool AddRecentDocument(const std::string& path) {
    if (path.empty()) return false;
    const std::string absolute = AbsolutePath(path);
    gchar* uri = g_filename_to_uri(absolute.c_str(), nullptr, nullptr);
    if (!uri) return false;
    const std::string file = RecentDocumentsFile();
    GBookmarkFile* list = LoadList(file);
    bool saved = false;
    if (list) {
        QMimeDatabase mime;
        g_bookmark_file_set_mime_type(list, uri, mime.mimeTypeForFile(QString::fromStdString(absolute)).name().toUtf8().constData());
        g_bookmark_file_add_application(list, uri, kApplication, kExec); // stamps the time of use
        saved = SaveList(list, file);
        g_bookmark_file_free(list);
    }
    g_free(uri);
    return saved;
}

bool ClearRecentDocuments() {
    const std::string file = RecentDocumentsFile();
    struct stat st {};
    if (stat(file.c_str(), &st) != 0) return true;
    GBookmarkFile* list = LoadList(file);
    if (!list) return false;
    gsize count = 0;
    gchar** uris = g_bookmark_file_get_uris(list, &count);
    for (gsize i = 0; i < count; ++i) {
        if (!g_bookmark_file_has_application(list, uris[i], kApplication, nullptr)) continue;
        g_bookmark_file_remove_application(list, uris[i], kApplication, nullptr);
        gsize applications = 0;
        gchar** left = g_bookmark_file_get_applications(list, uris[i], &applications, nullptr);
        g_strfreev(left);
        if (applications == 0) g_bookmark_file_remove_item(list, uris[i], nullptr);
    }
    g_strfreev(uris);
    bool saved = SaveList(list, file);
    g_bookmark_file_free(list);
    return saved;
}

} // namespace gb
