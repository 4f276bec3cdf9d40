#pragma once

// Writing a package: header, the resources of pkg.Files back to back from
// offset 96 in array order, then the index. Resources are written as their
// Data holds them (never compressed here). Also the routines that build the
// directory of compressed files and drop entries by resource identifier.

#include "package/PackageFile.h"
#include "package/base/Bytes.h"
#include "package/base/ScratchFile.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <vector>

namespace varnick {

/// Sets the header fields of a new package (magic "DBPF", version 1.1, index
/// version 7.2, counts 0, reserved fields 0); the arrays are not touched.
void gsCreateDefaultPackageHeader(PackageFile& pkg);

/// The bytes of pkg as the writer lays them out, and the Index/IndexCount/
/// IndexOffset/IndexSize that go with them (set in pkg). Throws InvalidArgument
/// for an identifier that is not 4 bytes and ResourceTooLarge for a package
/// beyond 2 GiB; pkg is unchanged then.
ByteString serializePackage(PackageFile& pkg);

/// Writes pkg to fileName in place (created or truncated), updating pkg's index
/// fields as serializePackage does. A file that another program holds is retried
/// 12 times with a pause of 250 ms between (see setPackageWriterPause). Throws on
/// failure; the file may then be incomplete, so only new files (fixtures, the
/// demo world) are written this way: replacing a file goes through writePackageReplacing.
void writePackage(PackageFile& pkg, const std::filesystem::path& fileName);

/// Writes pkg to a new scratch file beside target (opening it is retried as
/// writePackage retries) and returns it for the caller to commit, after checks
/// of its own; pkg's index fields are updated. Throws on failure; the scratch
/// file is then gone and target untouched.
ScratchFile writePackageScratch(PackageFile& pkg, const std::filesystem::path& target);

/// Writes pkg to a scratch file beside target and moves it over target in one
/// step: target is either the old or the new package, never missing or half
/// written. pkg's index fields are updated as writePackageScratch updates them.
void writePackageReplacing(PackageFile& pkg, const std::filesystem::path& target);

/// Trapped form of writePackageReplacing (module modSimsPackage): the package
/// file is replaced in one step, never written in place. An empty fileName does
/// nothing. Returns false after a trapped failure (the file is then as it was).
bool gsSavePackageFileNoCompB(const std::filesystem::path& fileName, PackageFile& pkg);

/// The bytes of a directory-of-compressed-files resource for entries: the
/// identifiers (with ResourceID only when indexMinorVersion is 2) and the
/// uncompressed size per record. out is replaced. Throws InvalidArgument for an
/// identifier that is not 4 bytes.
void gsWriteDirectory(ByteString& out, const std::vector<DirectoryEntry>& entries, std::int32_t indexMinorVersion);

/// Copies every entry of source whose ResourceID differs from resourceID into kept (emptied first).
void gsRemoveDirectoryEntries(
    const std::vector<DirectoryEntry>& source, std::vector<DirectoryEntry>& kept, ByteView resourceID);

/// Copies every resource of source whose ResourceID differs from resourceID
/// into kept (emptied first): identifiers and Data; Size and the spare fields stay 0.
void gsRemovePackageFiles(
    const std::vector<PackageResource>& source, std::vector<PackageResource>& kept, ByteView resourceID);

/// Waits between the writer's open retries; the program installs one that keeps its windows responsive.
using PausePackageWriter = std::function<void(std::int32_t milliseconds)>;

/// Replaces the writer's pause (the default sleeps); returns the previous one.
/// An empty function restores the default.
PausePackageWriter setPackageWriterPause(PausePackageWriter pause);

/// Number of retries of a held file and the pause between them.
inline constexpr int kWriterOpenRetries = 12;
inline constexpr std::int32_t kWriterRetryPauseMs = 250;

} // namespace varnick
