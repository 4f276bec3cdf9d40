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
#include "app/recolors/core/RecolorSearch.h"

#include <cstddef>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

namespace varnick::health {

using browser::readFileStamp;

class IndexedPackageClassifier : public browser::PackageClassifier {
public:
    /// Folders below root are served from the index at indexFile, opened at
    /// the first scan (on the scanning thread); other folders, and every folder
    /// when the index cannot be opened, are read as without an index.
    IndexedPackageClassifier(std::filesystem::path root, std::filesystem::path indexFile);

    void beginFolder(const std::filesystem::path& folder) override;
    bool isCatalogObject(const std::filesystem::path& folder, const std::string& name) override;
    /// The summary of the package just classified as a catalog object, from its record.
    std::optional<browser::KnownSummary> knownSummary(
        const std::filesystem::path& folder, const std::string& name) override;
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
    std::optional<browser::KnownSummary> mLast; ///< of the last package isCatalogObject said yes to
    std::string mLastName;
};

/// The recolor finder served from the index: a package below root whose size
/// and modification time match its stored record is answered from it when
/// the record says what the finder would learn (a readable package, or one
/// whose index shows it is no recolor); every other package is read by the
/// finder as without an index.
class IndexedRecolorLookup : public recolors::RecolorLookup {
public:
    IndexedRecolorLookup(std::filesystem::path root, std::filesystem::path indexFile);
    std::optional<recolors::KnownPackage> known(const std::filesystem::path& file) override;
    /// Packages answered from the index so far.
    std::size_t served() const noexcept { return mServed; }

private:
    std::filesystem::path mRoot;
    std::filesystem::path mIndexFile;
    bool mLoaded = false;
    std::unordered_map<std::string, StoredClassification> mStored;
    std::size_t mServed = 0;
};

/// What the browser shows of a readable catalog object's record, for the file name.
browser::ObjectSummary summaryOfRecord(const PackageRecord& record, const std::string& fileName);

} // namespace varnick::health
