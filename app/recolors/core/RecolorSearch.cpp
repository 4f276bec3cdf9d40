#include "app/recolors/core/RecolorSearch.h"

#include "app/platform/Utility.h"
#include "package/Classification.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <algorithm>
#include <exception>

namespace varnick::recolors {

std::int32_t progressInterval(std::int32_t count)
{
    return count / 25 + 1;
}

namespace {

// The first material override in index order, read from an index already at hand.
std::optional<PropertySet> firstMaterialOverride(const PackageResourceReader& package, const PackageIndex& index)
{
    for (const IndexEntry& entry : index.entries) {
        if (entry.TypeID != gstrTypeMMAT)
            continue;
        const ByteString stored = package.read(entry);
        return readPropertySet(decompressResource(stored));
    }
    return std::nullopt;
}

} // namespace

std::optional<PropertySet> firstMaterialOverride(const std::filesystem::path& package)
{
    const PackageIndex index = readPackageIndex(package);
    return firstMaterialOverride(PackageResourceReader(package), index);
}

bool namesObject(const PropertySet& props, std::int32_t guid)
{
    for (const PropertyItem& item : props.Items) {
        // Outside the 32-bit range (or not a number) no GUID can match; the range
        // check also keeps the conversion below defined.
        if (item.Name != "objectGUID" || !(item.Number >= -2147483648.0 && item.Number <= 4294967295.0))
            continue;
        // Both sides as signed 32-bit numbers: an unsigned 0xFFFFFFFF equals -1.
        const auto wide = static_cast<std::int64_t>(item.Number);
        if (static_cast<std::int32_t>(static_cast<std::uint32_t>(wide)) == guid)
            return true;
    }
    return false;
}

RecolorSearchResult findRecolors(const std::filesystem::path& root, std::int32_t guid, const RecolorProgress& progress,
    const std::atomic<bool>* cancel, RecolorLookup* lookup)
{
    RecolorSearchResult result;
    std::vector<std::filesystem::path> files;
    std::vector<UnlistedFolder> unlisted;
    try {
        files = findFiles(root, "*.package", &unlisted);
    } catch (const Failure& failure) {
        // Not even the root could be listed: the search ends having read nothing.
        result.skipped.push_back({ root, failure.what(), failure.phrase() });
        return result;
    }
    for (UnlistedFolder& folder : unlisted)
        result.skipped.push_back({ std::move(folder.folder), std::move(folder.reason), std::move(folder.phrase) });
    const auto count = static_cast<std::int32_t>(files.size());
    const std::int32_t interval = progressInterval(count);
    for (std::int32_t i = 1; i <= count; ++i) {
        if (cancel != nullptr && cancel->load()) {
            result.cancelled = true;
            return result;
        }
        const std::filesystem::path& path = files[static_cast<std::size_t>(i - 1)];
        try {
            if (const std::optional<KnownPackage> known = lookup != nullptr ? lookup->known(path) : std::nullopt) {
                if (known->isRecolor
                    && std::any_of(known->objectGuids.begin(), known->objectGuids.end(),
                        [&](std::uint32_t named) { return static_cast<std::int32_t>(named) == guid; }))
                    result.recolors.push_back(path);
            } else {
                // One open per package; the whole index only for a recolor.
                const PackageResourceReader package(path);
                if (isRecolorByTypes(package.indexTypes())) {
                    const std::optional<PropertySet> props = firstMaterialOverride(package, package.index());
                    if (props && namesObject(*props, guid))
                        result.recolors.push_back(path);
                }
            }
        } catch (const Failure& failure) {
            result.skipped.push_back(
                { path, failure.what(), failure.hasPhrase() ? std::optional(failure.phrase()) : std::nullopt });
        } catch (const std::exception& failure) {
            result.skipped.push_back({ path, failure.what(), std::nullopt });
        }
        if (progress && i % interval == 0)
            progress(i, count);
    }
    return result;
}

void sortRecolors(std::vector<std::filesystem::path>& recolors)
{
    std::stable_sort(recolors.begin(), recolors.end(),
        [](const std::filesystem::path& a, const std::filesystem::path& b) { return pathToUtf8(a) < pathToUtf8(b); });
}

RecolorDetails readRecolorDetails(const std::string& recolorFilename)
{
    RecolorDetails details;
    const std::string name = gfstrGetFileName(recolorFilename);
    details.title = "Selected Recolor Details - " + name;
    details.filePath = recolorFilename.substr(0, recolorFilename.size() - name.size());
    if (recolorFilename.empty())
        return details;
    try {
        const std::optional<PropertySet> props = firstMaterialOverride(pathFromUtf8(recolorFilename));
        if (!props)
            return details;
        for (const PropertyItem& item : props->Items) {
            if (item.Name == "name")
                details.recolorName = item.Value;
            else if (item.Name == "modelName")
                details.modelName = item.Value;
            else if (item.Name == "subsetName")
                details.subsetName = item.Value;
        }
    } catch (const std::exception&) {
        // An unreadable package shows only its title and folder.
    }
    return details;
}

} // namespace varnick::recolors
