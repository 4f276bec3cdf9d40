#pragma once
// The recolor finder's work without widgets: which packages under a folder
// re-texture a given object, and what a recolor says about itself.

#include "package/PropertySet.h"
#include "package/base/Phrase.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace varnick::recolors {

/// A package (or a folder) that could not be examined, with the one-line reason.
struct SkippedFile {
    std::filesystem::path file;
    std::string reason;
    /// The reason for a window to say in the player's language, when it was
    /// worded as a Phrase (the package reader's own reasons are not: windows word those).
    std::optional<Phrase> phrase;
};

/// What one search found. recolors are in the order the file search lists them.
struct RecolorSearchResult {
    std::vector<std::filesystem::path> recolors;
    std::vector<SkippedFile> skipped;
    bool cancelled = false;
};

/// Called after package done (1-based) of count whenever done is a whole multiple of the progress interval.
using RecolorProgress = std::function<void(std::int32_t done, std::int32_t count)>;

/// The progress interval for count packages: count / 25 + 1.
std::int32_t progressInterval(std::int32_t count);

/// The property set of the first material override of a package, reading only
/// its index and that one resource; nullopt when it has none. Throws Failure.
std::optional<PropertySet> firstMaterialOverride(const std::filesystem::path& package);

/// Whether a property set has a property named exactly "objectGUID" whose value is guid.
bool namesObject(const PropertySet& props, std::int32_t guid);

/// What a persistent cache of the library already knows of a package.
struct KnownPackage {
    bool isRecolor = false;
    /// A recolor's first material override's "objectGUID" values in the 32-bit range, in order.
    std::vector<std::uint32_t> objectGuids;
};

/// Answers for packages the library index has seen unchanged, so that the
/// search reads only the others. Used on the searching thread only.
class RecolorLookup {
public:
    virtual ~RecolorLookup() = default;
    /// What is known of file (a path as the search lists it); nothing when it
    /// must be read (new, changed, unreadable or outside the indexed root).
    virtual std::optional<KnownPackage> known(const std::filesystem::path& file) = 0;
};

/// Searches every "*.package" under root (subfolders too) for recolors whose
/// first material override names guid. Unreadable packages, and folders that
/// cannot be listed (root included), are skipped and listed; cancel (when given) is polled before each package. lookup
/// (when given) answers for the packages it knows instead of their bytes.
RecolorSearchResult findRecolors(const std::filesystem::path& root, std::int32_t guid,
    const RecolorProgress& progress = {}, const std::atomic<bool>* cancel = nullptr, RecolorLookup* lookup = nullptr);

/// Sorts recolors ascending by their full paths' UTF-8 bytes (code-unit order,
/// letter case counts), the order the delete and move window lists them in.
void sortRecolors(std::vector<std::filesystem::path>& recolors);

/// The fields the details window shows; texts are the stored UTF-8 bytes.
struct RecolorDetails {
    std::string title; ///< "Selected Recolor Details - " and the file name
    std::string filePath; ///< the folder part, with its trailing separator
    std::string recolorName;
    std::string modelName;
    std::string subsetName;
};

/// Reads the details of a recolor package (UTF-8 path, may be empty). A package
/// that cannot be read or has no material override gives only title and folder.
RecolorDetails readRecolorDetails(const std::string& recolorFilename);

} // namespace varnick::recolors
