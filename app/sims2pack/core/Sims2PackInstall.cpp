#include "app/sims2pack/core/Sims2PackInstall.h"

#include "app/browser/core/ObjectSummary.h"
#include "app/recolors/core/DdsSupport.h"
#include "package/Classification.h"
#include "package/CompressedResource.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/TypeIds.h"
#include "package/base/CodePage.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/SafeFileName.h"
#include "package/base/WholeFile.h"

#include <algorithm>
#include <array>
#include <set>
#include <system_error>
#include <unordered_map>

namespace fs = std::filesystem;

namespace varnick::sims2pack {

namespace {

// More numbered names than this for one item means something else is wrong.
constexpr int kMaxNumberedName = 999;

[[noreturn]] void refuse(const Sims2PackFile& file, Phrase what)
{
    throw Failure(ErrorCode::BadPackage, sims2PackFilePhrase(file.contents().fileName, std::move(what)));
}

// The item's bytes as a package, checked as the browser reads a package.
// Throws the refusal naming the file and the item.
ByteView readableItem(const Sims2PackFile& file, std::size_t item, ByteString& scratch)
{
    const ByteView bytes = file.itemBytes(item, scratch);
    const browser::ObjectSummary summary = browser::readObjectSummary(bytes, file.items()[item].name);
    if (!summary.readable)
        refuse(file,
            Phrase(VARNICK_PHRASE("Sims2PackInstall", "%1 is not a readable package: %2"),
                { sims2PackItemPhrase(file.contents(), item), summary.reason }));
    return bytes;
}

void checkName(const Sims2PackFile& file, std::size_t item)
{
    if (const std::optional<Phrase> problem = fileNameProblemPhrase(file.items()[item].name))
        refuse(file,
            Phrase(VARNICK_PHRASE("Sims2PackInstall", "%1: the name %2"),
                { sims2PackItemPhrase(file.contents(), item), *problem }));
}

// Names are compared as the game's file system compares them: ignoring letter case.
std::string nameKey(std::string_view name)
{
    return lowerCaseUtf8(name);
}

// What a folder holds already, by name key. A folder that does not exist holds nothing.
std::unordered_map<std::string, fs::path> folderContents(const Sims2PackFile& file, const fs::path& folder)
{
    std::unordered_map<std::string, fs::path> names;
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (status.type() == fs::file_type::not_found)
        return names;
    if (status.type() != fs::file_type::directory)
        refuse(file, Phrase(VARNICK_PHRASE("Sims2PackInstall", "\"%1\" is not a folder"), { pathToUtf8(folder) }));
    fs::directory_iterator it(folder, error);
    for (; !error && it != fs::directory_iterator(); it.increment(error))
        names.emplace(nameKey(pathToUtf8(it->path().filename())), it->path());
    if (error)
        throw Failure(ErrorCode::FolderFailed,
            Phrase(VARNICK_PHRASE("Sims2PackInstall", "The folder %1 cannot be listed: %2"),
                { pathToUtf8(folder), error.message() }));
    return names;
}

// Whether the file already in the folder holds exactly the item's bytes. One
// that cannot be looked at refuses the Sims2Pack, naming it: taking it for a
// different file would put a numbered copy beside what may be the same object.
bool holdsBytes(const Sims2PackFile& file, const fs::path& existing, ByteView bytes)
{
    const auto cannotCompare = [&](Phrase why) {
        refuse(file,
            Phrase(VARNICK_PHRASE("Sims2PackInstall", "\"%1\" cannot be compared with the item: %2"),
                { pathToUtf8(existing), std::move(why) }));
    };
    std::error_code error;
    const fs::file_status status = fs::status(existing, error);
    if (status.type() == fs::file_type::not_found)
        return false; // a link to nothing: a name taken, by no file
    if (error)
        cannotCompare(error.message());
    if (status.type() != fs::file_type::regular)
        return false;
    const std::uintmax_t size = fs::file_size(existing, error);
    if (error)
        cannotCompare(error.message());
    if (size != bytes.size())
        return false;
    try {
        return readWholeFile(existing) == bytes;
    } catch (const Failure& failure) {
        cannotCompare(failure.phrase());
    }
    return false;
}

// The GUIDs of a catalog object's definitions; none for anything else or for
// definitions that cannot be read (the browser's reading already passed).
std::vector<std::uint32_t> definedGuids(ByteView package)
{
    std::vector<std::uint32_t> guids;
    try {
        const std::vector<IndexEntry> entries = parsePackageIndex(package).entries;
        if (!gfblnIsCatalogObject(entries))
            return guids;
        for (const IndexEntry& entry : entries) {
            if (entry.TypeID != gstrTypeOBJD || entry.Offset < 0 || entry.Size < 0
                || static_cast<std::int64_t>(entry.Offset) + entry.Size > static_cast<std::int64_t>(package.size()))
                continue;
            const std::uint32_t guid = ObjectDefinition(
                decompressResource(
                    package.substr(static_cast<std::size_t>(entry.Offset), static_cast<std::size_t>(entry.Size))))
                                           .guid();
            if (guid != 0)
                guids.push_back(guid);
        }
    } catch (const Failure&) {
    }
    std::sort(guids.begin(), guids.end());
    guids.erase(std::unique(guids.begin(), guids.end()), guids.end());
    return guids;
}

bool sameFile(const fs::path& a, const std::string& b)
{
    std::error_code error;
    return fs::equivalent(a, pathFromUtf8(b), error) && !error;
}

// One item to write and where.
struct Write {
    std::size_t item = 0;
    fs::path target;
    const std::optional<ByteString>* expanded = nullptr;
};

// Writes every item through a scratch file beside its target. A target that
// appeared since the plan is not replaced. On any failure the files written
// so far, and the folder when this created it, are removed again.
void writeItems(const Sims2PackFile& file, const fs::path& folder, const std::vector<Write>& writes)
{
    std::error_code error;
    const bool created = !fs::exists(folder, error);
    std::vector<fs::path> written;
    fs::path current = folder;
    try {
        if (created && !writes.empty()) {
            fs::create_directories(folder, error);
            if (error)
                throw Failure(ErrorCode::FolderFailed,
                    Phrase(
                        VARNICK_PHRASE("Sims2PackInstall", "the folder cannot be created: %1"), { error.message() }));
        }
        ByteString scratch;
        for (const Write& write : writes) {
            current = write.target;
            if (fs::exists(write.target, error))
                throw Failure(ErrorCode::FileOpenFailed,
                    Phrase(VARNICK_PHRASE("Sims2PackInstall", "a file of that name appeared meanwhile")));
            const ByteView bytes = write.expanded != nullptr && write.expanded->has_value()
                ? ByteView(**write.expanded)
                : file.itemBytes(write.item, scratch);
            writeWholeFile(write.target, bytes);
            written.push_back(write.target);
        }
    } catch (...) {
        for (const fs::path& path : written)
            fs::remove(path, error);
        if (created)
            fs::remove(folder, error); // only when empty
        try {
            throw;
        } catch (const Failure& failure) {
            throw Failure(failure.code(),
                sims2PackFilePhrase(file.contents().fileName,
                    Phrase(VARNICK_PHRASE("Sims2PackInstall",
                               "%1 could not be written (%2); nothing was written from the Sims2Pack"),
                        { pathToUtf8(current), failure.phrase() })));
        }
    }
}

// Keeps a compressed item's expanded bytes for the write while the budget lasts.
void keepExpanded(const Sims2PackFile& file, std::size_t item, ByteString& scratch, std::optional<ByteString>& kept,
    std::size_t& budgetUsed)
{
    if (!file.items()[item].compressed || budgetUsed + scratch.size() > kPlanKeepsExpandedBytes)
        return;
    budgetUsed += scratch.size();
    kept = std::move(scratch);
    scratch.clear();
}

} // namespace

bool installsThroughGame(std::string_view type)
{
    std::string text(type);
    text.erase(0, text.find_first_not_of(" \t\r\n"));
    text.erase(text.find_last_not_of(" \t\r\n") + 1);
    std::transform(text.begin(), text.end(), text.begin(),
        [](char c) { return static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c); });
    return text == "lot" || text == "family" || text == "person";
}

std::optional<ByteString> itemPicture(const Sims2PackFile& file, std::size_t item)
{
    try {
        ByteString scratch;
        return recolors::packagePreviewBitmap(file.itemBytes(item, scratch));
    } catch (const Failure&) {
        return std::nullopt;
    }
}

std::string effectiveType(const Sims2Pack& pack, std::size_t item)
{
    const std::string& own = pack.items[item].type;
    return own.find_first_not_of(" \t\r\n") == std::string::npos ? pack.type : own;
}

std::string numberedName(std::string_view name, int n)
{
    const std::size_t dot = name.rfind('.');
    const std::string number = " (" + std::to_string(n) + ")";
    if (dot == std::string_view::npos || dot == 0)
        return std::string(name) + number;
    return std::string(name.substr(0, dot)) + number + std::string(name.substr(dot));
}

fs::path defaultInstallFolder(const fs::path& downloads, const fs::path& file)
{
    const std::string stem = pathToUtf8(file.stem());
    if (const std::optional<Phrase> problem = fileNameProblemPhrase(stem))
        throw Failure(ErrorCode::BadPackage,
            sims2PackFilePhrase(pathToUtf8(file),
                Phrase(VARNICK_PHRASE("Sims2PackInstall",
                           "the file's name gives no folder to install into (\"%1\" %2); choose a folder"),
                    { stem, *problem })));
    return downloads / pathFromUtf8(stem);
}

Sims2PackListing listSims2Pack(const Sims2PackFile& file)
{
    const Sims2Pack& pack = file.contents();
    Sims2PackListing listing;
    listing.type = pack.type;
    ByteString scratch;
    for (std::size_t i = 0; i < pack.items.size(); ++i) {
        const Sims2PackItem& item = pack.items[i];
        ItemListing row;
        row.name = item.name;
        row.type = item.type;
        row.length = item.length;
        row.compressed = item.compressed;
        row.guid = item.guid;
        row.throughGame = installsThroughGame(effectiveType(pack, i));
        try {
            const ByteView bytes = file.itemBytes(i, scratch);
            row.packageLength = static_cast<std::int64_t>(bytes.size());
            const browser::ObjectSummary summary = browser::readObjectSummary(bytes, item.name);
            row.readable = summary.readable;
            row.reason = summary.reason;
            if (summary.hasName)
                row.catalogName = summary.name;
        } catch (const Failure& failure) {
            // The file and the item are the listing's own; the reason is what remains.
            const std::string prefix = pack.fileName + ": " + describeSims2PackItem(pack, i) + ": ";
            const std::string_view message = failure.what();
            row.reason = std::string(message.starts_with(prefix) ? message.substr(prefix.size()) : message);
        }
        if (row.reason.empty() && !row.throughGame)
            if (const std::optional<std::string> problem = fileNameProblem(item.name))
                row.reason = "the name " + *problem;
        listing.items.push_back(std::move(row));
    }
    return listing;
}

InstallPlan planInstall(const Sims2PackFile& file, const InstallOptions& options)
{
    const Sims2Pack& pack = file.contents();
    InstallPlan plan;
    plan.destination = options.destination;
    const std::unordered_map<std::string, fs::path> present = folderContents(file, options.destination);
    std::unordered_map<std::string, std::size_t> names; // name keys of the items for Downloads so far
    std::set<std::string> itemNames; // ... and of all of them: a numbered name must not take one
    for (std::size_t i = 0; i < pack.items.size(); ++i)
        if (!installsThroughGame(effectiveType(pack, i)))
            itemNames.insert(nameKey(pack.items[i].name));
    std::set<std::string> targets; // name keys of the files the plan writes
    std::size_t budgetUsed = 0;
    ByteString scratch;
    for (std::size_t i = 0; i < pack.items.size(); ++i) {
        const ByteView bytes = readableItem(file, i, scratch);
        PlannedItem planned;
        planned.item = i;
        if (installsThroughGame(effectiveType(pack, i))) {
            planned.action = ItemAction::ThroughGame;
            plan.items.push_back(std::move(planned));
            continue;
        }
        checkName(file, i);
        const std::string& name = pack.items[i].name;
        const std::string key = nameKey(name);
        if (const auto [at, fresh] = names.emplace(key, i); !fresh)
            refuse(file,
                Phrase(VARNICK_PHRASE("Sims2PackInstall", "%1 and %2 share a name"),
                    { sims2PackItemPhrase(pack, at->second), sims2PackItemPhrase(pack, i) }));

        const auto found = present.find(key);
        if (found == present.end()) {
            planned.target = options.destination / pathFromUtf8(name);
        } else if (holdsBytes(file, found->second, bytes)) {
            planned.action = ItemAction::AlreadyInstalled;
            planned.target = found->second;
        } else if (!options.rename) {
            planned.target = found->second;
            plan.taken.push_back(i);
        } else {
            for (int n = 2;; ++n) {
                if (n > kMaxNumberedName)
                    refuse(file,
                        Phrase(VARNICK_PHRASE(
                                   "Sims2PackInstall", "%1: \"%2\" holds %3 numbered files of its name already"),
                            { sims2PackItemPhrase(pack, i), pathToUtf8(options.destination),
                                std::to_string(kMaxNumberedName - 1) }));
                const std::string candidate = numberedName(name, n);
                const std::string candidateKey = nameKey(candidate);
                if (targets.contains(candidateKey) || itemNames.contains(candidateKey))
                    continue;
                const auto taken = present.find(candidateKey);
                if (taken == present.end()) {
                    planned.target = options.destination / pathFromUtf8(candidate);
                    planned.renamed = true;
                    break;
                }
                if (holdsBytes(file, taken->second, bytes)) {
                    planned.action = ItemAction::AlreadyInstalled;
                    planned.target = taken->second;
                    planned.renamed = true;
                    break;
                }
            }
        }
        if (planned.action == ItemAction::Install)
            targets.insert(nameKey(pathToUtf8(planned.target.filename())));

        if (options.library != nullptr) {
            planned.guids = definedGuids(bytes);
            for (const std::uint32_t guid : planned.guids) {
                const auto owners = options.library->find(guid);
                if (owners == options.library->end())
                    continue;
                GuidClashWarning warning { i, guid, {} };
                for (const std::string& owner : owners->second)
                    if (planned.action != ItemAction::AlreadyInstalled || !sameFile(planned.target, owner))
                        warning.files.push_back(owner);
                if (!warning.files.empty())
                    plan.warnings.push_back(std::move(warning));
            }
        }
        if (planned.action == ItemAction::Install)
            keepExpanded(file, i, scratch, planned.expanded, budgetUsed);
        plan.items.push_back(std::move(planned));
    }
    return plan;
}

LibraryGuids catalogGuids(const std::vector<health::PackageRecord>& records, const fs::path& root)
{
    LibraryGuids guids;
    for (const health::PackageRecord& record : records) {
        if (record.kind != health::PackageKind::CatalogObject)
            continue;
        // The index keys paths with "/"; warnings show them as the system writes them.
        const std::string file = pathToUtf8((root / pathFromUtf8(record.relativePath)).make_preferred());
        for (const std::uint32_t guid : record.guids) {
            if (guid == 0)
                continue;
            std::vector<std::string>& files = guids[guid];
            if (files.empty() || files.back() != file) // a package defining one GUID twice is one file
                files.push_back(file);
        }
    }
    return guids;
}

void rememberInstalled(const InstallPlan& plan, LibraryGuids& library)
{
    for (const PlannedItem& item : plan.items)
        if (item.action == ItemAction::Install)
            for (const std::uint32_t guid : item.guids)
                library[guid].push_back(pathToUtf8(item.target));
}

Phrase takenPhrase(const Sims2PackFile& file, const InstallPlan& plan)
{
    if (plan.taken.empty())
        return {};
    const Sims2PackItem& first = file.items()[plan.taken.front()];
    std::vector<Phrase> args { first.name, pathToUtf8(plan.destination) };
    if (plan.taken.size() == 1)
        return sims2PackFilePhrase(file.contents().fileName,
            Phrase(
                VARNICK_PHRASE("Sims2PackInstall", "\"%1\" is taken in \"%2\" by a different file"), std::move(args)));
    if (plan.taken.size() == 2)
        return sims2PackFilePhrase(file.contents().fileName,
            Phrase(VARNICK_PHRASE(
                       "Sims2PackInstall", "\"%1\" is taken in \"%2\" by a different file, and so is 1 more name"),
                std::move(args)));
    args.emplace_back(std::to_string(plan.taken.size() - 1));
    return sims2PackFilePhrase(file.contents().fileName,
        Phrase(VARNICK_PHRASE(
                   "Sims2PackInstall", "\"%1\" is taken in \"%2\" by a different file, and so are %3 more names"),
            std::move(args)));
}

std::string takenMessage(const Sims2PackFile& file, const InstallPlan& plan)
{
    return takenPhrase(file, plan).english();
}

void carryOutInstall(const Sims2PackFile& file, const InstallPlan& plan)
{
    if (!plan.taken.empty())
        throw Failure(ErrorCode::BadPackage, takenPhrase(file, plan));
    std::vector<Write> writes;
    for (const PlannedItem& item : plan.items)
        if (item.action == ItemAction::Install)
            writes.push_back(Write { item.item, item.target, &item.expanded });
    writeItems(file, plan.destination, writes);
}

std::vector<fs::path> extractSims2Pack(const Sims2PackFile& file, const fs::path& folder)
{
    const Sims2Pack& pack = file.contents();
    const std::unordered_map<std::string, fs::path> present = folderContents(file, folder);
    std::unordered_map<std::string, std::size_t> names;
    std::vector<std::optional<ByteString>> kept(pack.items.size());
    std::size_t budgetUsed = 0;
    ByteString scratch;
    std::vector<Write> writes;
    for (std::size_t i = 0; i < pack.items.size(); ++i) {
        readableItem(file, i, scratch);
        checkName(file, i);
        const std::string key = nameKey(pack.items[i].name);
        if (const auto [at, fresh] = names.emplace(key, i); !fresh)
            refuse(file,
                Phrase(VARNICK_PHRASE("Sims2PackInstall", "%1 and %2 share a name"),
                    { sims2PackItemPhrase(pack, at->second), sims2PackItemPhrase(pack, i) }));
        if (const auto found = present.find(key); found != present.end())
            refuse(file,
                Phrase(VARNICK_PHRASE("Sims2PackInstall", "\"%1\" holds \"%2\" already"),
                    { pathToUtf8(folder), pathToUtf8(found->second.filename()) }));
        keepExpanded(file, i, scratch, kept[i], budgetUsed);
        writes.push_back(Write { i, folder / pathFromUtf8(pack.items[i].name), &kept[i] });
    }
    writeItems(file, folder, writes);
    std::vector<fs::path> written;
    for (const Write& write : writes)
        written.push_back(write.target);
    return written;
}

} // namespace varnick::sims2pack
