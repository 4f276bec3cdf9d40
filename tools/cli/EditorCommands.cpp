// The catalog editor's commands: set (change the catalog fields and texts of
// one or several packages' objects and save them as the editor window's "Save
// Object" and its batch mode do) and restore (put a package's original back).
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"
#include "tools/cli/GameGuard.h"

#include "tools/cli/BackupOptions.h"

#include "app/backups/core/BackupStore.h"
#include "app/backups/core/OriginalRestore.h"
#include "app/editor/core/BatchEdit.h"
#include "app/editor/core/CatalogLists.h"
#include "app/editor/core/NumericFields.h"
#include "app/editor/core/ObjectEditor.h"
#include "package/ObjectDefinition.h"
#include "package/Recompress.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <cstdio>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace varnick::cli {

namespace {

struct SetRequest {
    std::vector<std::string> files;
    std::vector<std::string> fields;
    BackupArguments backup;
    std::optional<std::string> name;
    std::optional<std::string> description;
    bool keepCompressed = false;
};

[[noreturn]] void refuse(const std::string& why)
{
    throw Failure(ErrorCode::InvalidArgument, why);
}

const ObjectFieldInfo& editableField(const std::string& name)
{
    for (const ObjectFieldInfo& info : kObjectDefinitionFields) {
        if (info.name != name)
            continue;
        if (info.kind == ObjectFieldKind::Guid || info.kind == ObjectFieldKind::TileIndex)
            refuse("Field " + name + " is not one the editor changes");
        return info;
    }
    refuse("Unknown field " + name + " (the fields are those of \"definition\" in varnick-cli object)");
}

// A decimal number: an optional minus sign, digits, and for the numeric
// boxes an optional fraction (rounded as a box's text is).
bool isDecimal(const std::string& text, bool fraction)
{
    std::size_t i = text.starts_with('-') ? 1 : 0;
    const std::size_t digitsFrom = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9')
        ++i;
    if (i == digitsFrom)
        return false;
    if (fraction && i < text.size() && text[i] == '.') {
        const std::size_t fractionFrom = ++i;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i == fractionFrom)
            return false;
    }
    return i == text.size();
}

// The selection a list ends up with when the load shows value: what the list writes.
std::uint16_t listSelection(CatalogList list, std::uint16_t value, std::uint16_t category)
{
    std::span<const CategoryEntry> entries = listEntries(list);
    if (list == CatalogList::FuncSub || list == CatalogList::BuildSub)
        entries = subEntries(list, category);
    return selectionValue(entries, selectedByLoad(entries, value, isSingleSelection(list)));
}

// Every option is checked before anything is written.
std::map<ObjectField, std::string> fieldValues(const SetRequest& request)
{
    std::map<ObjectField, std::string> values;
    for (const std::string& option : request.fields) {
        const std::size_t equals = option.find('=');
        if (equals == std::string::npos)
            refuse("--field " + option + " is not NAME=VALUE");
        const ObjectFieldInfo& info = editableField(option.substr(0, equals));
        const std::string value = option.substr(equals + 1);
        const bool numeric = info.kind == ObjectFieldKind::Amount || info.kind == ObjectFieldKind::Motive;
        if (!isDecimal(value, numeric))
            refuse("The value of " + std::string(info.name) + " is not a " + (numeric ? "" : "whole ")
                + "decimal number: " + value);
        values[info.field] = value;
    }
    return values;
}

ObjectEdits editsOf(
    const SetRequest& request, const std::map<ObjectField, std::string>& values, const ObjectEditor& editor)
{
    ObjectEdits edits;
    const ObjectEdits shown = editor.loadedEdits();
    std::uint16_t category[2]
        = { shown.selections.at(ObjectField::FunctionSortFlags), shown.selections.at(ObjectField::BuildModeType) };
    // Categories before their sub-lists, whose entries follow the category.
    for (const CatalogList list : { CatalogList::Function, CatalogList::Build, CatalogList::FuncSub,
             CatalogList::BuildSub, CatalogList::Room, CatalogList::Community, CatalogList::Skills }) {
        const ObjectField field = fieldOfList(list);
        const auto given = values.find(field);
        if (given == values.end())
            continue;
        const std::int64_t value = leadingNumber(given->second);
        if (value < 0 || value > 0xFFFF)
            refuse("The value of " + std::string(fieldInfo(field).name) + " is not 0 to 65535: " + given->second);
        const std::uint16_t sub = list == CatalogList::FuncSub ? category[0] : category[1];
        const std::uint16_t selection = listSelection(list, static_cast<std::uint16_t>(value), sub);
        edits.selections[field] = selection;
        if (list == CatalogList::Function)
            category[0] = selection;
        else if (list == CatalogList::Build)
            category[1] = selection;
    }
    for (const auto& [field, value] : values) {
        const ObjectFieldKind kind = fieldInfo(field).kind;
        if (kind == ObjectFieldKind::Amount || kind == ObjectFieldKind::Motive) {
            edits.numbers[field] = value;
        } else if (kind == ObjectFieldKind::Wants) {
            const std::int64_t code = leadingNumber(value);
            if (code < 0 || code > 0xFFFF)
                refuse("The value of " + std::string(fieldInfo(field).name) + " is not 0 to 65535: " + value);
            edits.selections[field] = static_cast<std::uint16_t>(code);
        }
    }
    if (request.name)
        edits.name = limitedText(*request.name, kNameMaxCharacters);
    if (request.description)
        edits.description = *request.description;
    return edits;
}

void setObject(const SetRequest& request, const std::string& file, BackupStore* backups)
{
    FileNameContext context(file);
    ObjectEditor editor;
    if (editor.load(pathFromUtf8(file)) != ObjectEditor::LoadResult::Loaded)
        throw Failure(ErrorCode::BadResource, editor.loadMessage());
    const std::map<ObjectField, std::string> values = fieldValues(request);
    const ObjectEdits edits = editsOf(request, values, editor);
    SaveOptions options;
    options.keepCompressed = request.keepCompressed;
    options.backups = backups;
    switch (editor.save(edits, options)) {
    case ObjectEditor::SaveResult::ChangedOnDisk:
        throw Failure(
            ErrorCode::FileReplaceFailed, "The package changed on disk while it was being saved; it was left as it is");
    case ObjectEditor::SaveResult::NothingChanged:
        printOut("%s: nothing written, the package already holds these values\n", file.c_str());
        return;
    case ObjectEditor::SaveResult::Saved:
        break;
    }
    std::string written;
    for (const std::string& change : editor.lastSaveChanges())
        written += (written.empty() ? "" : ", ") + change;
    printOut("%s: wrote %s\n", file.c_str(), written.c_str());
}

void setObjects(const SetRequest& request)
{
    BackupStore store = request.backup.store();
    BackupStore* backups = request.backup.none ? nullptr : &store;
    if (backups)
        backups->prune();
    if (request.files.size() == 1) {
        setObject(request, request.files.front(), backups);
        return;
    }
    const std::map<ObjectField, std::string> values = fieldValues(request);
    BatchChanges changes;
    changes.custom = [&](const ObjectEditor& editor) { return editsOf(request, values, editor); };
    std::vector<std::filesystem::path> files;
    for (const std::string& file : request.files)
        files.push_back(pathFromUtf8(file));
    BatchOptions options;
    options.backups = backups;
    options.save.keepCompressed = request.keepCompressed;
    const BatchSummary summary = applyToFiles(files, changes, options);
    for (std::size_t i = 0; i < summary.items.size(); ++i) {
        const BatchItem& item = summary.items[i];
        const char* file = request.files[i].c_str();
        switch (item.outcome) {
        case BatchOutcome::Saved: {
            std::string written;
            for (const std::string& change : item.changes)
                written += (written.empty() ? "" : ", ") + change;
            printOut("%s: wrote %s\n", file, written.c_str());
            break;
        }
        case BatchOutcome::Unchanged:
            printOut("%s: nothing written, the package already holds these values\n", file);
            break;
        case BatchOutcome::Refused:
            printOut("%s: refused: %s\n", file, item.reason.c_str());
            break;
        case BatchOutcome::NotReached:
            printOut("%s: not reached\n", file);
            break;
        }
    }
    printOut("%s\n", summary.text().c_str());
    if (const std::size_t refused = summary.count(BatchOutcome::Refused))
        throw Failure(ErrorCode::InvalidArgument,
            std::to_string(refused) + " of " + std::to_string(summary.items.size()) + " packages were refused");
}

struct RestoreRequest {
    std::string file;
    BackupArguments backup;
};

void restoreObject(const RestoreRequest& request)
{
    FileNameContext context(request.file);
    OriginalRestore restore(request.backup.store(), pathFromUtf8(request.file));
    restore.restore();
    printOut("%s: original restored\n", request.file.c_str());
}

} // namespace

void addEditorCommands(CLI::App& app)
{
    auto request = std::make_shared<SetRequest>();
    CLI::App* set = app.add_subcommand("set",
        "Change the catalog fields, name and description of a package's object and save it as the editor's "
        "\"Save Object\" does. NAME is a field of \"definition\" in varnick-cli object (not GUID or "
        "MultiTileSubIndex). Amount fields (Price, depreciation, NicenessMultiplier) take a decimal number held to "
        "0..65535, motive ratings one held to -32768..32767 (a fraction rounds half to even). Flag fields take a "
        "whole number 0..65535 and select the list entries the editor would show for it (one entry in the "
        "Function, Build and sub-lists: the last that matches); bits without a list entry keep their loaded "
        "value. A sub-category follows the category set with it, else the loaded one. WantsSatisfyCategory takes "
        "a code of the wants list; any other code writes 0. --name is cut to 48 characters. Fields and texts not "
        "given keep their loaded bytes; a changed name or description replaces only the English entry shown, "
        "with the description \"Edited by Varnick.\". With one FILE prints one line: what was written. With "
        "several, each is loaded and saved on its own with the same rules (the flag values follow each package's "
        "lists), one line per file (wrote, nothing written, or refused: reason), then \"Saved: N, unchanged: N, "
        "refused: N\"; any refusal makes the exit status 1. Before a package is replaced its previous version is "
        "kept in the backup folder (default: the per-user data folder's \"Backups\"); the first version is kept "
        "however many later ones come, and backups older than --keep-days days, the first among them, are pruned at "
        "the start.");
    set->add_option("FILE", request->files, "package files")->required();
    set->add_option("--field", request->fields, "NAME=VALUE, repeatable")
        ->expected(1)
        ->multi_option_policy(CLI::MultiOptionPolicy::TakeAll);
    set->add_option_function<std::string>(
        "--name", [request](const std::string& text) { request->name = text; }, "catalog name (UTF-8)");
    set->add_option_function<std::string>(
        "--description", [request](const std::string& text) { request->description = text; },
        "catalog description (UTF-8)");
    set->add_flag("--keep-compressed", request->keepCompressed,
        "as the setting \"Keep saved resources compressed\": a replaced resource that was stored compressed is "
        "stored compressed again (level "
            + std::to_string(kDefaultRecompressLevel)
            + ") when that makes it shorter, and the directory of compressed files lists it with its "
              "uncompressed size (only when the package has one such directory)");
    addBackupOptions(*set, request->backup);
    refuseWhileGameRuns(*set);
    set->callback([request] { setObjects(*request); });

    auto restore = std::make_shared<RestoreRequest>();
    CLI::App* restoreCommand = app.add_subcommand("restore",
        "Put the first kept version of a package (its state before the program first wrote it) back in its place, "
        "through a scratch file and one atomic replace; the current version is kept as a backup first (as a further "
        "generation, beside the original). Prints \"FILE: original restored\". Fails with \"No backup of this "
        "object is kept.\" when no original was kept, the file left as it is.");
    restoreCommand->add_option("FILE", restore->file, "package file")->required();
    addBackupFolderOption(*restoreCommand, restore->backup);
    refuseWhileGameRuns(*restoreCommand);
    restoreCommand->callback([restore] { restoreObject(*restore); });
}

} // namespace varnick::cli
