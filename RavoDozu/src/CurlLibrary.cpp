#include "CurlLibrary.h"

#include <optional>

#include <dlfcn.h>

namespace ravodozu::detail {

namespace {
void* openLibcurl() {
    for (const char* name : {"libcurl.so.4", "libcurl-gnutls.so.4", "libcurl.so"})
        if (void* handle = dlopen(name, RTLD_NOW | RTLD_LOCAL))
            return handle;
    return nullptr;
}

std::optional<CurlLibrary> load() {
    void* handle = openLibcurl();
    if (!handle)
        return std::nullopt;
    CurlLibrary library{};
    bool complete = true;
#define RAVODOZU_CURL_RESOLVE(name)                                                                \
    library.name = reinterpret_cast<decltype(library.name)>(dlsym(handle, "curl_" #name));         \
    complete = complete && library.name != nullptr;
    RAVODOZU_CURL_FUNCTIONS(RAVODOZU_CURL_RESOLVE)
#undef RAVODOZU_CURL_RESOLVE
    if (!complete || library.global_init(CURL_GLOBAL_DEFAULT) != CURLE_OK)
        return std::nullopt;
    return library;
}
} // namespace

const CurlLibrary* CurlLibrary::get() {
    static const std::optional<CurlLibrary> library = load();
    return library ? &*library : nullptr;
}

} // namespace ravodozu::detail
