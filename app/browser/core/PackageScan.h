#pragma once

// The scan of one folder for catalog objects: its ".package" files in name
// order (letter case ignored, then the exact name), each classified from its
// index alone. A file that cannot be read is skipped with its reason; the scan
// goes on.

#include "app/browser/core/ObjectSummary.h"
#include "package/base/Phrase.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {
class FolderHandle;
}

namespace varnick::browser {

/// A package that could not be read: its file name and the one-line reason.
struct SkippedFile {
    std::string file;
    std::string reason; ///< in English, as the command line prints it
    /// The reason for a window to say in the player's language (absent: reason as it is).
    std::optional<Phrase> phrase {};

    /// A file passed over for the reason why.
    static SkippedFile because(std::string file, Phrase why);
};

/// What a classifier already knew of a catalog object, with the size and
/// modification time of the file it was learnt from (see readFileStamp): the
/// page drawing uses it instead of reading the package while the file is unchanged.
struct KnownSummary {
    ObjectSummary summary;
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0;
};

/// The size and modification time of file as the scans and the library index
/// compare them (one stat). False when they cannot be read.
bool readFileStamp(const std::filesystem::path& file, std::int64_t& size, std::int64_t& modifiedTime);

/// Whether known still describes file: the file's stamp is the one it was learnt from.
bool stillCurrent(const KnownSummary& known, const std::filesystem::path& file);

/// What a scan found so far, or in all.
struct ScanResult {
    std::vector<std::string> files; ///< names (no folder) of the catalog-object packages, in scan order
    /// Beside files, one entry each: what the classifier already knew of the
    /// object, or nothing (the page drawing then reads the package).
    std::vector<std::optional<KnownSummary>> summaries;
    std::vector<SkippedFile> skipped; ///< in scan order
    std::size_t done = 0; ///< packages looked at
    std::size_t total = 0; ///< packages in the folder
    bool cancelled = false;
};

/// Called on the scanning thread with what was found since the last call
/// (files and skipped hold only the new entries; done and total are the running counts).
using ScanProgress = std::function<void(const ScanResult& batch)>;

/// How a folder scan learns whether a package is a catalog object. The
/// default reads each package's index; a persistent cache of the library
/// may answer instead and read only the packages that changed. One scan at a
/// time uses a classifier, on the scanning thread.
class PackageClassifier {
public:
    virtual ~PackageClassifier() = default;
    /// Called once before the packages of folder are asked about.
    virtual void beginFolder(const std::filesystem::path& folder) { (void)folder; }
    /// Whether the package name in folder is a catalog object. Throws (a
    /// std::exception whose what() is the one-line reason) when it cannot be read.
    virtual bool isCatalogObject(const std::filesystem::path& folder, const std::string& name) = 0;
    /// Asked right after isCatalogObject said yes for the same package: what
    /// the classifier already knows of it for the page drawing, or nothing.
    virtual std::optional<KnownSummary> knownSummary(const std::filesystem::path& folder, const std::string& name)
    {
        (void)folder;
        (void)name;
        return std::nullopt;
    }
    /// Called once after the scan, also when it was cancelled.
    virtual void endFolder() { }
};

/// The default classifier: reads the package's index.
bool readsAsCatalogObject(const std::filesystem::path& file);
/// The same for the package called name in a folder held open.
bool readsAsCatalogObject(const FolderHandle& folder, const std::string& name);

/// Whether name a sorts before name b: UTF-8 names compared code point by
/// code point with the letter case of Latin, Greek and Cyrillic letters
/// ignored, then byte by byte for names equal in that comparison.
bool packageNameLess(std::string_view a, std::string_view b);

/// The code points of UTF-8 text with the letter case that packageNameLess
/// ignores folded (an invalid byte stands for itself, above every code
/// point): its first sort key, and a key for matching text case-insensitively.
std::u32string packageNameKey(std::string_view name);

/// The ".package" files of folder (extension in any letter case; normal files
/// only: no folders, links to folders, hidden or system files), sorted with
/// packageNameLess. Throws Failure (FolderFailed) when the folder cannot be listed;
/// a missing folder lists nothing.
/// Packages whose names cannot lead back to the file are left out and, when
/// passedOver is given, added to it with the reason: a name that is not valid
/// Unicode (shown with U+FFFD), and on Windows a name Windows forbids (a device
/// name such as AUX, a trailing dot or space, < > : " | ? *), which the game
/// cannot load and a plain open would take for a device.
std::vector<std::string> listPackageFiles(
    const std::filesystem::path& folder, std::vector<SkippedFile>* passedOver = nullptr);

/// Scans folder: lists it, then reads the index of each package and keeps the
/// catalog objects. progress (when set) is called about every 256 packages
/// and once at the end; cancel (when set) stops the scan between packages,
/// and the result then holds what was found so far with cancelled set.
/// classifier (when set) answers for each package instead of its index.
/// Throws Failure only when the folder itself cannot be listed.
ScanResult scanFolder(const std::filesystem::path& folder, const ScanProgress& progress = {},
    const std::atomic<bool>* cancel = nullptr, PackageClassifier* classifier = nullptr);

} // namespace varnick::browser
