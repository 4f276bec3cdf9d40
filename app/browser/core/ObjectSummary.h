#pragma once

// What the main window shows of one catalog object: the caption under its
// thumbnail, the details box text, the GUID handed to the delete/move path,
// and the key of its picture in the game's thumbnail cache. Read from the
// package's index and then only the byte ranges of its text list and object
// definitions.

#include "package/ObjectDefinition.h"
#include "package/PackageFile.h"
#include "package/PackageReader.h"
#include "package/base/Bytes.h"
#include "package/base/Phrase.h"

#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {
class ThumbnailCache;
}

namespace varnick::browser {

/// The display texts and identity of one package.
struct ObjectSummary {
    std::string file; ///< file name without folder
    bool readable = true; ///< false when the package or a resource it needs could not be read
    std::string reason; ///< why not, one line, in English
    std::optional<Phrase> reasonPhrase {}; ///< reason for a window to say in the player's language, when it was worded
    bool hasName = false; ///< the package holds one text list with an English entry
    std::string name; ///< valid UTF-8 (invalid bytes replaced)
    std::string description; ///< valid UTF-8, bare line feeds turned into CR LF
    std::string details; ///< the details box: name + CR LF + CR LF + description, or "" without a name
    std::int32_t guid = 0; ///< the chosen definition's GUID, 0 when none was found
    std::string thumbnailKey; ///< eight hexadecimal digits, "7F" + CRC-24 of the lower-case file title
};

/// Fills the name, description and details of summary from a text list's
/// English pair as stored (hasName set; invalid bytes replaced, bare line
/// feeds of the description made CR LF).
void setCatalogTexts(ObjectSummary& summary, std::string_view name, std::string_view description);

/// "7F" followed by the six upper-case hexadecimal digits (zero-padded) of the
/// CRC-24 of the lower-case file title (the name before its last "."). Never fails.
std::string thumbnailKeyFor(std::string_view fileName);

/// Reads the summary of the package at file: its index, then only its one
/// catalog text list (type 43545353, when there is exactly one) and the
/// object definitions (type 4F424A44) the definition choice needs. Never
/// throws beyond allocation: a failure gives readable false with its reason
/// and whatever was read before it.
ObjectSummary readObjectSummary(const std::filesystem::path& file);

/// The same reading, also giving the chosen object definition in definition
/// (the only one, or of several the lead tile's; reset when none was found),
/// for views that show its fields (the object table).
ObjectSummary readObjectSummary(const std::filesystem::path& file, std::optional<ObjectDefinition>* definition);

/// The same reading from a package's bytes held in memory (an archive's item);
/// fileName gives file and thumbnailKey. Never throws beyond allocation.
ObjectSummary readObjectSummary(ByteView bytes, std::string_view fileName);

/// Where a package's thumbnail lies: the cache file and the index entries
/// filed under its key. Resolved on the thread that owns the cache; read anywhere.
struct ThumbnailSource {
    std::filesystem::path cacheFile;
    std::vector<IndexEntry> matches;
};

/// The cache entries of type AC2950C1 filed under the package's key. Throws
/// Failure when the cache file changed and cannot be read again.
ThumbnailSource resolveThumbnail(ThumbnailCache& cache, std::string_view fileName);

/// resolveThumbnail for a page of packages (the cells or rows drawn
/// together), one source per name in order: the cache file is checked for
/// changes once for the page, not once per thumbnail. Call it again for the
/// next page, which then sees a cache the game or a purge replaced meanwhile.
/// A cache that changed and cannot be read gives sources without entries.
/// Never throws beyond allocation.
std::vector<ThumbnailSource> resolveThumbnails(ThumbnailCache& cache, std::span<const std::string> fileNames);

/// The decompressed picture (a JPEG file's bytes) when exactly one entry
/// matched and it could be read; nothing otherwise. Never throws beyond allocation.
std::optional<ByteString> readThumbnail(const ThumbnailSource& source);

/// readThumbnail for a page of thumbnails: the cache file, which may be
/// hundreds of megabytes, is opened once for the page and read many times
/// (opened again when a source names another file). Live for one page only,
/// so that the file is not held open while the game or a purge replaces it.
/// One thread at a time.
class ThumbnailReader {
public:
    std::optional<ByteString> read(const ThumbnailSource& source);

private:
    std::optional<PackageResourceReader> mOpen;
};

} // namespace varnick::browser
