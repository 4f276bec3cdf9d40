#include "app/health/index/IndexedFolderScan.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace varnick::health {

bool readFileStamp(const std::filesystem::path& file, std::int64_t& size, std::int64_t& modifiedTime)
{
#ifdef _WIN32
    std::error_code error;
    size = static_cast<std::int64_t>(std::filesystem::file_size(file, error));
    if (error)
        return false;
    modifiedTime = modificationTicks(std::filesystem::last_write_time(file, error));
    return !error;
#else
    // As listPackages stamps them (one stat for both).
    struct stat info { };
    if (::stat(file.c_str(), &info) != 0)
        return false;
    size = static_cast<std::int64_t>(info.st_size);
    modifiedTime = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    return true;
#endif
}

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

bool IndexedPackageClassifier::isCatalogObject(const std::filesystem::path& folder, const std::string& name)
{
    const std::filesystem::path file = folder / pathFromUtf8(name);
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0;
    if (!mServed || !readFileStamp(file, size, modifiedTime)) {
        ++mRead;
        return browser::readsAsCatalogObject(file);
    }
    const auto stored = mStored.find(mPrefix + name);
    if (stored != mStored.end() && stored->second.Size == size && stored->second.ModifiedTime == modifiedTime
        && stored->second.Kind != PackageKind::Broken)
        return stored->second.Kind == PackageKind::CatalogObject;
    ++mRead;
    if (stored == mStored.end() || stored->second.Size != size || stored->second.ModifiedTime != modifiedTime) {
        PackageRecord record = inspectPackage(file, size);
        record.RelativePath = mPrefix + name;
        record.ModifiedTime = modifiedTime;
        const bool broken = record.Kind == PackageKind::Broken;
        const bool catalogObject = record.Kind == PackageKind::CatalogObject;
        mChanged.push_back(std::move(record));
        if (!broken)
            return catalogObject;
    }
    // Unreadable for the review: the scan reports what reading its index says.
    return browser::readsAsCatalogObject(file);
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

} // namespace varnick::health
