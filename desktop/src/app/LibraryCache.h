// LibraryCache: the stored custom library, decoded only when its bytes change.
#pragma once

#include <memory>
#include <mutex>
#include <optional>
#include <string>

#include "RavoDozu/CustomLibrary.h"

namespace zelvane {

/// One per process; safe to call from any thread.
class LibraryCache {
  public:
    static LibraryCache& shared();

    /// The library those bytes decode to: the empty library for no bytes or bytes that do not
    /// decode; the cached result when the bytes equal the last ones given.
    std::shared_ptr<const ravodozu::CustomLibrary> library(const std::optional<std::string>& data);

    /// How many times bytes were decoded (a changed library, or a cleared cache).
    int decodeCount() const;

  private:
    mutable std::mutex lock_;
    std::optional<std::string> data_;
    std::shared_ptr<const ravodozu::CustomLibrary> library_ =
        std::make_shared<const ravodozu::CustomLibrary>();
    int decodeCount_ = 0;
};

} // namespace zelvane
