#include "app/editor/core/BatchEdit.h"

#include "app/backups/core/BackupStore.h"
#include "app/editor/core/CatalogLists.h"
#include "package/base/ErrorTrap.h"
#include "package/base/ParallelFor.h"

#include <exception>
#include <set>

namespace varnick {

namespace {

// The one line a refusal shows: the failure's text, else a plain word.
std::string reasonOf(std::exception_ptr failure)
{
    try {
        std::rethrow_exception(failure);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "Unexpected failure";
    }
}

std::string loadRefusal(ObjectEditor::LoadResult result, const ObjectEditor& editor)
{
    return result == ObjectEditor::LoadResult::Loaded ? std::string() : editor.loadMessage();
}

// Loads file and saves changes into it; expected is the stamp the batch saw,
// when it saw one. kept, when the batch kept the file's previous version
// already, is the backup the save relies on instead of keeping its own.
BatchItem applyOne(const std::filesystem::path& file, const std::optional<FileStamp>& expected,
    const BatchChanges& changes, const BatchOptions& options, KeptBackup* kept)
{
    BatchItem item { file, BatchOutcome::Refused, {}, {} };
    try {
        ObjectEditor editor;
        const ObjectEditor::LoadResult loaded = editor.load(file);
        if (loaded != ObjectEditor::LoadResult::Loaded) {
            item.reason = loadRefusal(loaded, editor);
            return item;
        }
        const std::optional<FileStamp> now = fileStampOf(file);
        if ((expected && now != expected) || (kept && kept->fileStamp() && now != kept->fileStamp())) {
            item.reason = VARNICK_TRANSLATE_NOOP(
                "BatchEdit", "The package changed on disk since it was loaded; it was left as it is");
            return item;
        }
        const ObjectEdits edits = changes.editsFor(editor);
        SaveOptions save = options.save;
        // A package the batch did not expect to write keeps its own backup.
        save.backups = kept && kept->generation() ? nullptr : options.backups;
        switch (editor.save(edits, save)) {
        case ObjectEditor::SaveResult::Saved:
            item.outcome = BatchOutcome::Saved;
            item.changes = editor.lastSaveChanges();
            if (kept)
                kept->fileReplaced();
            break;
        case ObjectEditor::SaveResult::NothingChanged:
            item.outcome = BatchOutcome::Unchanged;
            break;
        case ObjectEditor::SaveResult::ChangedOnDisk:
            item.reason = VARNICK_TRANSLATE_NOOP(
                "BatchEdit", "The package changed on disk while it was being saved; it was left as it is");
            break;
        }
    } catch (...) {
        item.outcome = BatchOutcome::Refused;
        item.reason = reasonOf(std::current_exception());
    }
    return item;
}

// Saves every item through save(i, kept) on up to options.Threads threads (the
// packages are independent files; the disk's latency overlaps), in the
// files' order of handing out. Once cancel is set no further item starts;
// the items not started stay NotReached. A file named twice is saved by one
// thread, one name after the other, so two saves never race on one package.
//
// With backups, the previous version of every file the batch will write
// (wanted(i): loaded, and changed by the batch) is kept first, and all of them
// are flushed to disk at once before any package is replaced: one flush for
// the batch instead of several per package. Only those files are kept, so
// that a batch cut short (killed) leaves no backup the whole batch would not have. kept is null where a save
// keeps its own (a file named twice, whose second save follows the first).
template <typename Wanted, typename Save>
BatchSummary saveEach(
    const std::vector<std::filesystem::path>& files, const BatchOptions& options, Wanted wanted, Save save)
{
    BatchSummary summary;
    summary.items.reserve(files.size());
    for (const std::filesystem::path& file : files)
        summary.items.push_back({ file, BatchOutcome::NotReached, {}, {} });
    // The files' names as the backups know them (letter case ignored where the file system ignores it).
    std::set<std::string> distinct;
    for (const std::filesystem::path& file : files)
        distinct.insert(backupSourceKey(file));
    const bool allDistinct = distinct.size() == files.size();
    const unsigned threads = allDistinct ? options.threads : 1U;
    const auto cancelled = [&] { return options.cancel != nullptr && options.cancel->load(); };

    const bool keepFirst = options.backups != nullptr && allDistinct;
    std::vector<KeptBackup> kept(keepFirst ? files.size() : 0);
    std::vector<std::string> notKept(kept.size());
    if (keepFirst) {
        parallelFor(
            files.size(), threads,
            [&](std::size_t i) {
                try {
                    if (wanted(i))
                        kept[i] = options.backups->keepBeforeReplace(files[i], KeepFlush::Later);
                } catch (...) {
                    notKept[i] = reasonOf(std::current_exception());
                }
            },
            cancelled, [](std::size_t) {});
        try {
            options.backups->flushKept();
        } catch (...) {
            // Nothing is replaced without its backup on the disk.
            const std::string reason = reasonOf(std::current_exception());
            for (std::size_t i = 0; i < files.size(); ++i) {
                if (kept[i].generation() && notKept[i].empty())
                    notKept[i] = "The previous version cannot be kept as a backup (" + reason + ")";
            }
        }
    }
    parallelFor(
        files.size(), threads,
        [&](std::size_t i) {
            if (keepFirst && !notKept[i].empty())
                summary.items[i] = { files[i], BatchOutcome::Refused, notKept[i], {} };
            else
                summary.items[i] = save(i, keepFirst ? &kept[i] : nullptr);
        },
        cancelled,
        [&](std::size_t done) {
            if (options.progress)
                options.progress(done, files.size());
        });
    summary.cancelled = cancelled() && summary.count(BatchOutcome::NotReached) > 0;
    // kept goes here: the generations of packages not replaced are taken out again.
    return summary;
}

// Whether the batch will write file: it loads as an object the changes alter.
// A package that will not load or be changed is left to the save to report.
bool batchWillWrite(const std::filesystem::path& file, const BatchChanges& changes)
{
    try {
        ObjectEditor editor;
        return editor.load(file) == ObjectEditor::LoadResult::Loaded
            && editor.changesAnything(changes.editsFor(editor));
    } catch (...) {
        return false;
    }
}

} // namespace

ObjectEdits BatchChanges::editsFor(const ObjectEditor& editor) const
{
    if (custom)
        return custom(editor);
    ObjectEdits edits;
    edits.name = name;
    edits.description = description;
    edits.numbers = numbers;
    edits.selections = selections;
    if (!flags.empty()) {
        const ObjectEdits shown = editor.loadedEdits();
        for (const auto& [field, change] : flags) {
            const auto loaded = shown.selections.find(field);
            const std::uint16_t base = loaded == shown.selections.end() ? 0 : loaded->second;
            edits.selections[field] = static_cast<std::uint16_t>((base & ~change.clear) | change.set);
        }
    }
    return edits;
}

bool BatchChanges::empty() const
{
    return !custom && !name && !description && numbers.empty() && selections.empty() && flags.empty();
}

std::size_t BatchSummary::count(BatchOutcome outcome) const
{
    std::size_t n = 0;
    for (const BatchItem& item : items)
        n += item.outcome == outcome ? 1 : 0;
    return n;
}

std::string BatchSummary::text(const Phrasebook& words) const
{
    const std::string saved = std::to_string(count(BatchOutcome::Saved));
    const std::string unchanged = std::to_string(count(BatchOutcome::Unchanged));
    const std::string refused = std::to_string(count(BatchOutcome::Refused));
    if (!cancelled)
        return words.say("BatchSummary",
            VARNICK_TRANSLATE_NOOP("BatchSummary", "Saved: %1, unchanged: %2, refused: %3"),
            { saved, unchanged, refused });
    return words.say("BatchSummary",
        VARNICK_TRANSLATE_NOOP("BatchSummary", "Saved: %1, unchanged: %2, refused: %3, not reached: %4"),
        { saved, unchanged, refused, std::to_string(count(BatchOutcome::NotReached)) });
}

void BatchEdit::load(
    const std::vector<std::filesystem::path>& files, const BatchProgress& progress, const std::atomic<bool>* cancel)
{
    mMembers.clear();
    mMembers.reserve(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        if (cancel && cancel->load())
            break;
        Member member;
        member.file = files[i];
        try {
            ObjectEditor editor;
            const ObjectEditor::LoadResult loaded = editor.load(files[i]);
            if (loaded == ObjectEditor::LoadResult::Loaded) {
                member.loaded = true;
                member.shown = editor.loadedEdits();
                member.stamp = fileStampOf(files[i]);
            } else {
                member.refusal = loadRefusal(loaded, editor);
            }
        } catch (...) {
            member.refusal = reasonOf(std::current_exception());
        }
        mMembers.push_back(std::move(member));
        if (progress)
            progress(i + 1, files.size());
    }
}

std::size_t BatchEdit::loadedCount() const
{
    std::size_t n = 0;
    for (const Member& member : mMembers)
        n += member.loaded ? 1 : 0;
    return n;
}

template <typename Value, typename Get> std::optional<Value> BatchEdit::common(Get get) const
{
    std::optional<Value> value;
    for (const Member& member : mMembers) {
        if (!member.loaded)
            continue;
        Value here = get(member.shown);
        if (value && *value != here)
            return std::nullopt;
        value = std::move(here);
    }
    return value;
}

std::optional<std::string> BatchEdit::commonNumber(ObjectField field) const
{
    return common<std::string>([field](const ObjectEdits& shown) { return shown.numbers.at(field); });
}

std::optional<std::uint16_t> BatchEdit::commonSelection(ObjectField field) const
{
    return common<std::uint16_t>([field](const ObjectEdits& shown) { return shown.selections.at(field); });
}

std::optional<std::string> BatchEdit::commonName() const
{
    return common<std::string>([](const ObjectEdits& shown) { return shown.name.value_or(std::string()); });
}

std::optional<std::string> BatchEdit::commonDescription() const
{
    return common<std::string>([](const ObjectEdits& shown) { return shown.description.value_or(std::string()); });
}

EntryState BatchEdit::entryState(ObjectField field, std::uint16_t entryValue) const
{
    std::size_t with = 0;
    std::size_t loaded = 0;
    for (const Member& member : mMembers) {
        if (!member.loaded)
            continue;
        ++loaded;
        with += loadSelects(member.shown.selections.at(field), entryValue) ? 1 : 0;
    }
    if (with == 0)
        return EntryState::None;
    return with == loaded ? EntryState::All : EntryState::Some;
}

BatchSummary BatchEdit::apply(const BatchChanges& changes, const BatchOptions& options) const
{
    std::vector<std::filesystem::path> files;
    files.reserve(mMembers.size());
    for (const Member& member : mMembers)
        files.push_back(member.file);
    return saveEach(
        files, options, [&](std::size_t i) { return mMembers[i].loaded && batchWillWrite(files[i], changes); },
        [&](std::size_t i, KeptBackup* kept) {
            const Member& member = mMembers[i];
            if (!member.loaded)
                return BatchItem { member.file, BatchOutcome::Refused, member.refusal, {} };
            return applyOne(member.file, member.stamp, changes, options, kept);
        });
}

BatchSummary applyToFiles(
    const std::vector<std::filesystem::path>& files, const BatchChanges& changes, const BatchOptions& options)
{
    // Each package is read once: its own load is the state the save compares against.
    return saveEach(
        files, options, [&](std::size_t i) { return batchWillWrite(files[i], changes); },
        [&](std::size_t i, KeptBackup* kept) { return applyOne(files[i], std::nullopt, changes, options, kept); });
}

} // namespace varnick
