#pragma once

// The catalog editor over several packages at once: what the controls show
// (each field's common value, or "mixed" where the objects differ), and the
// save that writes only what the player changed into each package, through
// the single editor's load and save, so every other byte stays as it was.
// Qt-free; the editor window's batch mode, the object table and varnick-cli's
// "set FILE..." share it.

#include "app/editor/core/ObjectEditor.h"
#include "app/platform/Phrasebook.h"

#include <atomic>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace varnick {

class BackupStore;

/// Bits a multiple-selection list (Room, Community, Skills) turns on and off in every package.
struct FlagChange {
    std::uint16_t set = 0;
    std::uint16_t clear = 0;
};

/// What the player changed in batch mode; everything absent keeps each package's own value.
struct BatchChanges {
    std::optional<std::string> name;
    std::optional<std::string> description;
    /// Numeric boxes by field: the typed text, converted as the editor converts it.
    std::map<ObjectField, std::string> numbers;
    /// Lists of one selection and the wants box: the value every package gets.
    std::map<ObjectField, std::uint16_t> selections;
    /// Lists of several selections: bits set or cleared, the others kept per package.
    std::map<ObjectField, FlagChange> flags;
    /// When set, used instead of the fields above: the edits for one loaded
    /// package (varnick-cli, whose flag values follow each package's lists). May throw Failure to refuse it.
    std::function<ObjectEdits(const ObjectEditor&)> custom;

    /// The edits for one loaded package. Throws what custom throws.
    ObjectEdits editsFor(const ObjectEditor& editor) const;
    bool empty() const;
};

/// How a list entry stands over the batch.
enum class EntryState { None, Some, All };

/// What became of one package.
enum class BatchOutcome {
    Saved, ///< written
    Unchanged, ///< already held the values; not written
    Refused, ///< not written, see reason (unreadable, no object, changed on disk, write failed)
    NotReached, ///< the batch was cancelled before it came to this package
};

struct BatchItem {
    std::filesystem::path file;
    BatchOutcome outcome = BatchOutcome::NotReached;
    std::string reason; ///< the one-line refusal, without the file name
    std::vector<std::string> changes; ///< what was written ("definition", "text list", ...)
};

/// The end of a batch save, in the order of the files.
struct BatchSummary {
    std::vector<BatchItem> items;
    bool cancelled = false;
    std::size_t count(BatchOutcome outcome) const;
    /// "Saved: N, unchanged: N, refused: N" (and ", not reached: N" after a cancel).
    std::string text(const Phrasebook& words = englishPhrases()) const;
};

/// Progress over the packages: done of total; called from the saving threads, one call at a time.
using BatchProgress = std::function<void(std::size_t done, std::size_t total)>;

struct BatchOptions {
    BatchProgress progress;
    /// Checked before each package; once set, no further package is written.
    const std::atomic<bool>* cancel = nullptr;
    /// Keeps the previous version of every package before it is replaced; none when null.
    BackupStore* backups = nullptr;
    /// Passed to each package's save (its backups are backups above).
    SaveOptions save;
    /// Packages saved at the same time (each package by one thread; a file
    /// named twice makes the whole batch go one package after the other).
    /// A save mostly waits for the disk (flushing, creating files), so more
    /// threads than cores still help.
    unsigned threads = 4;
};

class BatchEdit {
public:
    /// One package as the batch loaded it.
    struct Member {
        std::filesystem::path file;
        bool loaded = false;
        std::string refusal; ///< why it cannot be edited, when not loaded
        ObjectEdits shown; ///< what the single editor's controls would show
        std::optional<FileStamp> stamp;
    };

    /// Loads every package's catalog values (the packages are not kept in
    /// memory). A package that cannot be read or has no object is a member
    /// that is not loaded, with its refusal. Never throws for a package;
    /// stops early (fewer members) when cancel is set.
    void load(const std::vector<std::filesystem::path>& files, const BatchProgress& progress = {},
        const std::atomic<bool>* cancel = nullptr);

    const std::vector<Member>& members() const { return mMembers; }
    std::size_t loadedCount() const;

    /// The number box's common text over the loaded members; nothing when they differ (or none is loaded).
    std::optional<std::string> commonNumber(ObjectField field) const;
    /// A list's or the wants box's common value; nothing when they differ.
    std::optional<std::uint16_t> commonSelection(ObjectField field) const;
    std::optional<std::string> commonName() const;
    std::optional<std::string> commonDescription() const;
    /// Whether the loaded members' field has the entry's bits: in none, some or all of them.
    EntryState entryState(ObjectField field, std::uint16_t entryValue) const;

    /// Writes changes into every loaded member in order, each loaded anew and
    /// saved through ObjectEditor::save (scratch file, atomic replace). A member
    /// whose file changed since load() is refused. Never throws for a package.
    BatchSummary apply(const BatchChanges& changes, const BatchOptions& options = {}) const;

private:
    template <typename Value, typename Get> std::optional<Value> common(Get get) const;
    std::vector<Member> mMembers;
};

/// Loads and saves files in one go (varnick-cli, tests): load() then apply().
BatchSummary applyToFiles(
    const std::vector<std::filesystem::path>& files, const BatchChanges& changes, const BatchOptions& options = {});

} // namespace varnick
