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

std::int32_t gflngGetPackageFilesOfType(
    const PackageFile& pkg, std::vector<PackageResource>& result, const std::vector<ByteString>& criteria)
{
    std::int32_t count = 0;
    const bool finished = trapped("modSimsPackage", "gflngGetPackageFilesOfType", [&] {
        result.clear();
        for (const PackageResource& resource : pkg.Files) {
            if (matchesCriteria(resource, criteria))
                result.push_back(resource);
        }
        count = static_cast<std::int32_t>(result.size());
    });
    if (!finished)
        result.clear();
    return count;
}

std::int32_t gflngGetPFByResourceID(
    const PackageFile& pkg, std::vector<PackageResource>& result, ByteView typeID, ByteView resourceID)
{
    std::int32_t count = 0;
    const bool finished = trapped("modSimsPackage", "gflngGetPFByResourceID", [&] {
        result.clear();
        for (const PackageResource& resource : pkg.Files) {
            if (resource.TypeID == typeID && resource.ResourceID == resourceID)
                result.push_back(resource);
        }
        count = static_cast<std::int32_t>(result.size());
    });
    if (!finished)
        result.clear();
    return count;
}

} // namespace varnick
