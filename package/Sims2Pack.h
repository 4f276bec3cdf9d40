#pragma once

// Reading Sims2Pack files: the archives in which much custom content is
// published, a header, an XML description of the items and the items' bytes,
// each item a package file, stored or bzip2-compressed (see the layout at the
// top of Sims2Pack.cpp).
//
// Nothing is trusted. The data offset, the XML (its size, its nesting, its
// well-formedness), every item's offset and length (inside the data, not
// overlapping, together accounting for every byte of the data) are checked
// when the file is read, before any item is looked at; an item's bzip2 stream
// is checked as it is expanded (undamaged, ending exactly with the item, at
// most 256 MiB). Every failure is one Failure whose message begins with the
// file's name and says what is wrong, so the caller can print it as one line.
// Item names are kept as given: whoever writes an item checks its name with
// fileNameProblem (package/base/SafeFileName.h).

#include "package/base/Bytes.h"
#include "package/base/Phrase.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace varnick {

/// Bytes 0 to 17 of a Sims2Pack file, without and with compressed items.
inline constexpr std::string_view kSims2PackMagic = "Sims2 Packager 1.0";
inline constexpr std::string_view kSims2PackCompressedMagic = "Sims2 Packager x.1";
/// The magic and the data offset; the XML begins here.
inline constexpr std::int64_t kSims2PackHeaderSize = 22;
/// Ceilings on what a file may ask for.
inline constexpr std::size_t kSims2PackMaxXmlBytes = 16 * 1024 * 1024;
inline constexpr int kSims2PackMaxXmlDepth = 8;
inline constexpr std::size_t kSims2PackMaxItemBytes = 256 * 1024 * 1024; ///< an item once expanded
inline constexpr std::size_t kSims2PackMaxItems = 100000;
inline constexpr std::size_t kSims2PackMaxDependencies = 100000; ///< over all items

/// An item another item needs (listed, never looked up by the reader).
struct Sims2PackDependency {
    std::string name;
    std::string guid; ///< <GlobalGUID> as written, "" when absent
    std::string objectVersion;
    bool optional = false;
};

/// One item as the XML describes it. Texts are UTF-8 (an XML that is not
/// valid UTF-8 is read as Windows-1252, as older packagers wrote it).
struct Sims2PackItem {
    std::string name; ///< the file name the item is written under, as given (not checked here)
    std::string type; ///< <Type>, "" when absent
    std::string crc; ///< <Crc> as written (packagers disagree on what it holds; not checked)
    std::string description;
    std::int64_t offset = 0; ///< from the start of the data
    std::int64_t length = 0; ///< bytes stored
    bool compressed = false; ///< <Compressed> other than 0: the bytes are a bzip2 stream
    std::string author; ///< <Author><PersonalName>
    std::string contact; ///< <Author><Contact>
    std::string title;
    std::string objectVersion;
    std::optional<std::string> guid; ///< <GlobalGUID> without surrounding blanks; nothing when absent or empty
    std::vector<Sims2PackDependency> dependencies;
};

/// What the header and the XML of a Sims2Pack file say, checked.
struct Sims2Pack {
    std::string fileName; ///< the name messages use (the path as given, UTF-8)
    bool compressedMagic = false; ///< the magic is "Sims2 Packager x.1"
    std::string type; ///< the root element's type attribute ("Object", "Lot", ...), "" when absent
    std::string gameVersion;
    std::int64_t dataOffset = 0; ///< absolute offset of the items' data
    std::int64_t dataLength = 0; ///< bytes from dataOffset to the end of the file
    std::vector<Sims2PackItem> items; ///< in the XML's order
};

/// Checks bytes as a Sims2Pack file (header, XML, every item's range) and
/// returns its description; fileName stands for the file in messages. Throws
/// Failure (BadPackage) with a message "<fileName>: <what is wrong>".
Sims2Pack parseSims2Pack(ByteView bytes, std::string_view fileName);

/// "item 2 (\"chair.package\")": how messages name an item (index from 0).
std::string describeSims2PackItem(const Sims2Pack& pack, std::size_t item);
/// describeSims2PackItem as a Phrase.
Phrase sims2PackItemPhrase(const Sims2Pack& pack, std::size_t item);
/// "<fileName>: <what>", the form of every message about one Sims2Pack file.
Phrase sims2PackFilePhrase(std::string_view fileName, Phrase what);

/// A Sims2Pack file held in memory whole, with its checked description.
class Sims2PackFile {
public:
    /// Reads and checks the file (at most 2 GiB). Throws Failure naming it.
    static Sims2PackFile read(const std::filesystem::path& file);
    /// Checks bytes held in memory; fileName stands for the file in messages. Throws Failure.
    static Sims2PackFile fromBytes(ByteView bytes, std::string_view fileName);

    const Sims2Pack& contents() const noexcept { return mContents; }
    const std::vector<Sims2PackItem>& items() const noexcept { return mContents.items; }
    /// The bytes of the file.
    ByteView bytes() const noexcept { return ByteView(mBytes.get(), mSize); }

    /// The item's bytes as stored (a bzip2 stream when it is compressed).
    ByteView storedBytes(std::size_t item) const;

    /// The item as a package file: its stored bytes, or its bzip2 stream
    /// expanded into scratch. The view lives as long as this file and scratch.
    /// Throws Failure ("<file>: item 2 (\"x.package\"): the bzip2 stream is damaged ...").
    ByteView itemBytes(std::size_t item, ByteString& scratch) const;

private:
    Sims2PackFile(std::unique_ptr<char[]> bytes, std::size_t size, std::string_view fileName);

    // Not a string: a listing reads the file once, and filling a string with
    // zeros before the read would cost half as much again.
    std::unique_ptr<char[]> mBytes;
    std::size_t mSize = 0;
    Sims2Pack mContents;
};

} // namespace varnick
