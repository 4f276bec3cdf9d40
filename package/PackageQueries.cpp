#include "package/PackageQueries.h"

#include "package/base/ErrorTrap.h"

namespace varnick {

bool matchesCriteria(const PackageResource& resource, const std::vector<ByteString>& criteria)
{
    if (criteria.empty() || criteria.size() > 4)
        return false;
    const ByteString* const fields[4]
        = { &resource.TypeID, &resource.GroupID, &resource.InstanceID, &resource.ResourceID };
    for (std::size_t i = 0; i < criteria.size(); ++i) {
        if (*fields[i] != criteria[i])
            return false;
    }
    return true;
}

std::vector<PackageResource> filesOfType(const PackageFile& pkg, const std::vector<ByteString>& criteria)
{
    std::vector<PackageResource> result;
    for (const PackageResource& resource : pkg.Files) {
        if (matchesCriteria(resource, criteria))
            result.push_back(resource);
    }
    return result;
}

std::vector<PackageResource> filesByResourceId(const PackageFile& pkg, ByteView typeID, ByteView resourceID)
{
    std::vector<PackageResource> result;
    for (const PackageResource& resource : pkg.Files) {
        if (resource.TypeID == typeID && resource.ResourceID == resourceID)
            result.push_back(resource);
    }
    return result;
}

std::int32_t gflngGetPackageFilesOfType(
    const PackageFile& pkg, std::vector<PackageResource>& result, const std::vector<ByteString>& criteria)
{
    result.clear();
    trapped("modSimsPackage", "gflngGetPackageFilesOfType", [&] { result = filesOfType(pkg, criteria); });
    return static_cast<std::int32_t>(result.size());
}

std::int32_t gflngGetPFByResourceID(
    const PackageFile& pkg, std::vector<PackageResource>& result, ByteView typeID, ByteView resourceID)
{
    result.clear();
    trapped("modSimsPackage", "gflngGetPFByResourceID", [&] { result = filesByResourceId(pkg, typeID, resourceID); });
    return static_cast<std::int32_t>(result.size());
}

} // namespace varnick
