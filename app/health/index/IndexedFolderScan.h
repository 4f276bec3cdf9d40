#pragma once
// The browser's folder scan served from the persistent library index: a
// package whose size and modification time match its stored record is
// classified from the record; only new or changed packages are read, and
// what they showed is stored for the next scan (and the library review).
// Packages stored as unreadable are read again, so that the scan reports
// the same reason as reading the package's index would.

#include "app/browser/core/PackageScan.h"
#include "app/health/core/PackageRecord.h"
#include "app/health/index/LibraryIndex.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace varnick::health {

/// The size and modification time of file as the index keys them. False when it cannot be read.
bool readFileStamp(const std::filesystem::path& file, std::int64_t& size, std::int64_t& modifiedTime);

class IndexedPackageClassifier : public browser::PackageClassifier {
public:
    /// Folders below root are served from the index at indexFile, opened at
    /// the first scan (on the scanning thread); other folders, and every folder
    /// when the index cannot be opened, are read as without an index.
    IndexedPackageClassifier(std::filesystem::path root, std::filesystem::path indexFile);

    void beginFolder(const std::filesystem::path& folder) override;
    bool isCatalogObject(const std::filesystem::path& folder, const std::string& name) override;
    /// Stores the packages read in this folder; a failing index is passed over (it is a cache).
    void endFolder() noexcept override;

    const std::filesystem::path& root() const noexcept { return mRoot; }
    /// Packages opened by this classifier so far.
    std::size_t packagesRead() const noexcept { return mRead; }

private:
    std::filesystem::path mRoot;
    std::filesystem::path mIndexFile;
    std::unique_ptr<LibraryIndex> mIndex;
    bool mOpenTried = false;
    bool mServed = false; ///< the current folder lies below the root and the index is open
    std::string mPrefix; ///< the current folder relative to the root, with a trailing '/' ("" for the root)
    std::unordered_map<std::string, PackageRecord> mStored;
    std::vector<PackageRecord> mChanged;
    std::size_t mRead = 0;
};

} // namespace varnick::health
