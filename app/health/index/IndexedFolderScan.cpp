#include "app/health/index/IndexedFolderScan.h"

#include "app/health/index/LibraryScan.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <system_error>
#include <utility>

namespace varnick::health {

IndexedPackageClassifier::IndexedPackageClassifier(std::filesystem::path root, std::filesystem::path indexFile)
    : mRoot(std::move(root))
    , mIndexFile(std::move(indexFile))
{
}

void IndexedPackageClassifier::beginFolder(const std::filesystem::path& folder)
{
    mServed = false;
    mStored.clear();
    mChanged.clear();
    const std::filesystem::path relative = folder.lexically_normal().lexically_relative(mRoot.lexically_normal());
    const std::string text = pathToUtf8(relative);
    if (relative.empty() || text == ".." || text.rfind("../", 0) == 0 || text.rfind("..\\", 0) == 0)
        return;
    if (!mOpenTried) {
        mOpenTried = true;
        try {
            mIndex = std::make_unique<LibraryIndex>(mIndexFile);
        } catch (const Failure&) {
            mIndex.reset();
        }
    }
    if (!mIndex)
        return;
    mPrefix = text == "." ? std::string() : text + '/';
#ifdef _WIN32
    for (char& c : mPrefix)
        if (c == '\\')
            c = '/';
#endif
    try {
        mStored = mIndex->recordsIn(mPrefix);
        mServed = true;
    } catch (const Failure&) {
        mStored.clear();
    }
}

browser::ObjectSummary summaryOfRecord(const PackageRecord& record, const std::string& fileName)
{
    browser::ObjectSummary summary;
    summary.file = fileName;
    summary.thumbnailKey = browser::thumbnailKeyFor(fileName);
    if (record.hasName)
        browser::setCatalogTexts(summary, record.name, record.description);
    summary.guid = static_cast<std::int32_t>(record.shownGuid);
    return summary;
}

bool IndexedPackageClassifier::isCatalogObject(const std::filesystem::path& folder, const std::string& name)
{
    mLast.reset();
    const std::filesystem::path file = folder / pathFromUtf8(name);
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0;
    if (!mServed || !readFileStamp(file, size, modifiedTime)) {
        ++mRead;
        return browser::readsAsCatalogObject(file);
    }
    const auto remember = [&](const PackageRecord& record) {
        const bool catalogObject = record.kind == PackageKind::CatalogObject;
        if (catalogObject) {
            mLast = browser::KnownSummary { summaryOfRecord(record, name), size, modifiedTime };
            mLastName = name;
        }
        return catalogObject;
    };
    const auto stored = mStored.find(mPrefix + name);
    if (stored != mStored.end() && stored->second.size == size && stored->second.modifiedTime == modifiedTime
        && stored->second.kind != PackageKind::Broken)
        return remember(stored->second);
    ++mRead;
    if (stored == mStored.end() || stored->second.size != size || stored->second.modifiedTime != modifiedTime) {
        PackageRecord record = inspectPackage(file, size);
        record.relativePath = mPrefix + name;
        record.modifiedTime = modifiedTime;
        const bool broken = record.kind == PackageKind::Broken;
        const bool catalogObject = !broken && remember(record);
        mChanged.push_back(std::move(record));
        if (!broken)
            return catalogObject;
    }
    // Unreadable for the review: the scan reports what reading its index says.
    return browser::readsAsCatalogObject(file);
}

std::optional<browser::KnownSummary> IndexedPackageClassifier::knownSummary(
    const std::filesystem::path& folder, const std::string& name)
{
    (void)folder;
    if (!mLast || mLastName != name)
        return std::nullopt;
    return std::exchange(mLast, std::nullopt);
}

void IndexedPackageClassifier::endFolder() noexcept
{
    if (mServed && !mChanged.empty()) {
        try {
            mIndex->update(mChanged, {});
        } catch (const std::exception&) {
            // A cache: the next scan reads these packages again.
        }
    }
    mChanged.clear();
    mStored.clear();
    mServed = false;
}

IndexedRecolorLookup::IndexedRecolorLookup(std::filesystem::path root, std::filesystem::path indexFile)
    : mRoot(std::move(root))
    , mIndexFile(std::move(indexFile))
{
}

std::optional<recolors::KnownPackage> IndexedRecolorLookup::known(const std::filesystem::path& file)
{
    if (!mLoaded) {
        // Opened on the searching thread at the first package; an index that
        // cannot be read leaves every package to be read.
        mLoaded = true;
        try {
            mStored = LibraryIndex(mIndexFile).classifications();
        } catch (const Failure&) {
            mStored.clear();
        }
    }
    if (mStored.empty())
        return std::nullopt;
    const auto stored = mStored.find(relativeText(file, mRoot));
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0;
    if (stored == mStored.end())
        return std::nullopt;
    const StoredClassification& record = stored->second;
    // A damaged recolor is read again, so that the finder reports what reading it says.
    const bool answers = record.kind != PackageKind::Broken || record.indexKind == PackageKind::CatalogObject
        || record.indexKind == PackageKind::Other;
    if (!answers || !readFileStamp(file, size, modifiedTime) || size != record.size
        || modifiedTime != record.modifiedTime)
        return std::nullopt;
    ++mServed;
    return recolors::KnownPackage { record.kind == PackageKind::Recolor, record.materialGuids };
}

} // namespace varnick::health
