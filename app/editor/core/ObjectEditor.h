#pragma once

// The catalog editor without its window: loads a package's object (its
// definition and catalog texts), holds what the controls show, and saves the
// edited values back into the package. The editor window, the tests and
// varnick-cli's "set" all go through this one model.

#include "package/ObjectDefinition.h"
#include "package/PackageFile.h"
#include "package/TextList.h"
#include "package/base/Bytes.h"
#include "package/base/FileStamp.h"
#include "package/base/Phrase.h"

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace varnick {

class BackupStore;

/// The description given to every text list entry the editor writes.
inline constexpr std::string_view kEditedDescription = "Edited by Varnick.";

/// What the editor writes, as the controls hold it. Fields that are absent
/// keep their loaded bytes; the window gives every field, varnick-cli only those named.
struct ObjectEdits {
    /// The name and description as the player typed them (UTF-8; line breaks
    /// as LF or CR LF). Absent or equal to the loaded text: the loaded entry is kept.
    std::optional<std::string> name;
    std::optional<std::string> description;
    /// Numeric boxes by field: the box's text, converted on save (NumericFields.h).
    std::map<ObjectField, std::string> numbers;
    /// Flag lists by field: the sum of the selected entries' item values; and
    /// WantsSatisfyCategory: the chosen entry's code, 0 for none.
    std::map<ObjectField, std::uint16_t> selections;
};

/// Options of a save.
struct SaveOptions {
    /// Asked for every resource the save replaces, with its new plain bytes:
    /// returns the bytes to store compressed, or nothing to store it plain.
    /// Empty (the default): replaced resources are stored uncompressed. Only
    /// consulted when the package has one directory of compressed files to list them.
    std::function<std::optional<ByteString>(ByteView plain)> compressReplaced;
    /// The "Keep saved resources compressed" setting: when true (and the
    /// package has one directory of compressed files), each replaced resource
    /// that the loaded package stored compressed is stored compressed again
    /// (CompressLevel at kDefaultRecompressLevel) when that makes it shorter;
    /// compressReplaced is then not asked. Off (the default): as compressReplaced says.
    bool keepCompressed = false;
    /// Keeps the package's previous version just before the scratch file
    /// replaces it; none when null. A failure to keep it leaves the package as it was.
    BackupStore* backups = nullptr;
    /// Test seam: runs after the scratch file is complete, before it replaces
    /// the package; it may throw (a failure part way) or change the package file.
    std::function<void(const std::filesystem::path& scratch)> beforeReplaceForTesting;
};

class ObjectEditor {
public:
    enum class LoadResult {
        Loaded, ///< the object is loaded and can be edited
        MissingDefinition, ///< no usable object definition ("Missing OBJD")
        ShortDefinition, ///< the definition is shorter than the fields it must hold
    };

    enum class SaveResult {
        Saved, ///< the package was written
        NothingChanged, ///< every value is as loaded; the package was not written
        ChangedOnDisk, ///< the package changed since it was loaded; it was left as it is
    };

    /// Reads the whole package and takes its definition and text list (one
    /// text list of type 43545353, else none). Replaces all earlier state.
    /// Throws Failure when the package or a resource it needs cannot be read.
    LoadResult load(const std::filesystem::path& fileName);

    /// The refusal text of a load that did not give Loaded ("" for Loaded).
    std::string loadMessage() const { return mLoadMessage; }
    /// loadMessage as a Phrase, for a window to say in the player's language.
    const Phrase& loadPhrase() const { return mLoadPhrase; }

    bool isLoaded() const { return mLoaded; }
    const std::filesystem::path& fileName() const { return mFileName; }
    const PackageFile& package() const { return mPackage; }
    const ObjectDefinition& definition() const { return mDefinition; }
    const ByteString& definitionInstance() const { return mDefinitionInstance; }
    /// Whether a text list was taken; without one the name and description are not saved.
    bool hasTextList() const { return !mTextListInstance.empty(); }
    const TextList& textList() const { return mTextList; }
    const ByteString& textListInstance() const { return mTextListInstance; }

    /// The name and description as the boxes show them: UTF-8 with invalid
    /// bytes replaced; the description's bare line feeds as CR LF.
    std::string shownName() const;
    std::string shownDescription() const;

    /// The value a flag list was loaded from, as the save merges it: bits
    /// without an entry in the list are kept from here. "Clear All Flags" sets all to 0.
    void clearAllFlags();

    /// The edits that reproduce the loaded state exactly as the window's
    /// controls show it after the load (every field present).
    ObjectEdits loadedEdits() const;

    /// Applies edits to a copy of the definition: numbers converted and
    /// limited, flag fields merged with their bits that have no entry.
    /// Throws Failure (BadResource) for a definition too short for a field.
    ObjectDefinition editedDefinition(const ObjectEdits& edits) const;

    /// The text list the save writes for edits: the loaded list with only the
    /// shown English pair replaced (or a new pair appended where none was loaded).
    TextList editedTextList(const ObjectEdits& edits) const;

    /// The bytes of the text list resource the save writes: the loaded bytes
    /// with only the replaced or appended entries encoded anew (every other
    /// entry, the name and the format code byte for byte); nothing when the
    /// texts are unchanged or no text list was taken.
    std::optional<ByteString> editedTextListBytes(const ObjectEdits& edits) const;

    /// Writes the edits into the package and puts it in place of the file:
    /// through a scratch file beside it and one atomic replace, after keeping
    /// the previous version in options.backups. Refuses (and writes nothing)
    /// when the file changed on disk since the load. Throws Failure when
    /// writing or the backup fails; the package file is then as it was.
    SaveResult save(const ObjectEdits& edits, const SaveOptions& options = {});

    /// Whether save(edits) would write the package (rather than find nothing
    /// changed). Throws where save would refuse the edits.
    bool changesAnything(const ObjectEdits& edits) const;

    /// What the last save changed, for messages: "definition", "text list", "directory".
    const std::vector<std::string>& lastSaveChanges() const { return mLastChanges; }

private:
    struct TextChanges {
        std::optional<std::string> name; ///< the new name when it changed
        std::optional<std::string> description; ///< the new description when it changed
    };
    TextChanges textChanges(const ObjectEdits& edits) const;
    std::uint16_t flagBase(ObjectField field) const;

    bool mLoaded = false;
    std::string mLoadMessage;
    Phrase mLoadPhrase;
    std::filesystem::path mFileName;
    FileStamp mStamp;
    PackageFile mPackage;
    ObjectDefinition mDefinition;
    ByteString mDefinitionInstance;
    TextList mTextList;
    ByteString mTextListInstance;
    ByteString mTextListData; ///< the text list resource decompressed, as loaded
    std::optional<std::size_t> mNameEntry; ///< position of the first English entry
    bool mFlagsCleared = false;
    std::vector<std::string> mLastChanges;
};

/// Why an object cannot be edited with the definition chosen for it ("" when
/// it can): none was chosen ("Missing OBJD"), or it is too short for the catalog fields.
std::string definitionRefusal(const ObjectDefinition* chosen);
/// definitionRefusal as a Phrase; nothing when the definition can be edited.
std::optional<Phrase> definitionRefusalPhrase(const ObjectDefinition* chosen);

/// Valid UTF-8 text cut to at most maxCharacters characters (code points), as
/// the name box takes it; invalid bytes become U+FFFD first.
std::string limitedText(std::string_view text, std::size_t maxCharacters);

/// The type identifier of the directory of compressed files (E86B1EEF), stored form.
ByteString directoryTypeId();

} // namespace varnick
