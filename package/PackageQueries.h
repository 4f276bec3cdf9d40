#pragma once

// Finding resources of a loaded package by identifier. Identifiers are
// compared bytewise in their stored form; results are full copies in the
// order of pkg.Files (the package's index order).

#include "package/PackageFile.h"
#include "package/base/Bytes.h"

#include <cstdint>
#include <vector>

namespace varnick {

/// Whether a resource matches criteria: 1 criterion matches the type, 2 add
/// the group, 3 the instance, 4 the resource identifier. No criteria, or more
/// than 4, match nothing.
bool matchesCriteria(const PackageResource& resource, const std::vector<ByteString>& criteria);

/// The resources of pkg.Files that match criteria (see matchesCriteria), in index order.
std::vector<PackageResource> filesOfType(const PackageFile& pkg, const std::vector<ByteString>& criteria);

/// The resources of pkg.Files whose TypeID and ResourceID equal the given stored identifiers, in index order.
std::vector<PackageResource> filesByResourceId(const PackageFile& pkg, ByteView typeID, ByteView resourceID);

/// Copies every resource of pkg.Files that matches criteria (see
/// matchesCriteria) into result, which is emptied first. Returns the number
/// of matches; 0 after a trapped failure (module modSimsPackage).
std::int32_t gflngGetPackageFilesOfType(
    const PackageFile& pkg, std::vector<PackageResource>& result, const std::vector<ByteString>& criteria);

/// Copies every resource whose TypeID and ResourceID equal the given stored
/// identifiers into result, which is emptied first. Returns the number of matches.
std::int32_t gflngGetPFByResourceID(
    const PackageFile& pkg, std::vector<PackageResource>& result, ByteView typeID, ByteView resourceID);

} // namespace varnick
