#include "LibraryCache.h"

namespace zelvane {

LibraryCache& LibraryCache::shared() {
    static LibraryCache cache;
    return cache;
}

std::shared_ptr<const ravodozu::CustomLibrary>
LibraryCache::library(const std::optional<std::string>& data) {
    std::lock_guard guard(lock_);
    if (data == data_)
        return library_;
    data_ = data;
    ++decodeCount_;
    auto decoded = data
                       ? ravodozu::decodeCustomLibraryData(*data).valueOr(ravodozu::CustomLibrary())
                       : ravodozu::CustomLibrary();
    library_ = std::make_shared<const ravodozu::CustomLibrary>(std::move(decoded));
    return library_;
}

int LibraryCache::decodeCount() const {
    std::lock_guard guard(lock_);
    return decodeCount_;
}

} // namespace zelvane
