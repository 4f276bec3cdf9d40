#include "app/health/core/HealthReport.h"

#include "app/platform/Csv.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "package/base/WholeFile.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <unordered_set>

namespace varnick::health {

namespace {

// The index keeps relative paths with '/'; a player on Windows sees '\\' throughout.
std::string fullPath(const std::filesystem::path& root, const std::string& relative)
{
    return pathToUtf8(root / pathFromUtf8(relative).make_preferred());
}

void csvRow(std::string& out, const std::string& problem, const std::string& file, const std::string& detail)
{
    out += csvField(problem) + ',' + csvField(file) + ',' + csvField(detail) + "\r\n";
}

} // namespace

std::string guidText(std::uint32_t guid)
{
    char text[12];
    std::snprintf(text, sizeof text, "0x%08X", static_cast<unsigned>(guid));
    return text;
}

HealthReport analyseLibrary(const std::filesystem::path& root, const std::vector<PackageRecord>& records,
    const std::vector<std::uint32_t>& gameGuids, const std::set<std::uint32_t>& known,
    const std::vector<std::string>& sims2Packs)
{
    std::vector<const PackageRecord*> sorted;
    for (const PackageRecord& record : records)
        sorted.push_back(&record);
    std::sort(sorted.begin(), sorted.end(),
        [](const PackageRecord* a, const PackageRecord* b) { return a->relativePath < b->relativePath; });

    const std::unordered_set<std::uint32_t> game(gameGuids.begin(), gameGuids.end());
    std::map<std::uint32_t, std::vector<std::string>> definers;
    std::map<std::pair<std::int64_t, std::string>, std::vector<std::string>> contents;
    HealthReport report;
    for (const PackageRecord* record : sorted) {
        if (record->kind == PackageKind::Broken)
            report.broken.push_back({ fullPath(root, record->relativePath), record->error, record->errorPhrase });
        if (record->kind == PackageKind::CatalogObject) {
            std::vector<std::uint32_t> guids = record->guids;
            std::sort(guids.begin(), guids.end());
            guids.erase(std::unique(guids.begin(), guids.end()), guids.end());
            for (std::uint32_t guid : guids)
                definers[guid].push_back(fullPath(root, record->relativePath));
        }
        if (!record->hash.empty())
            contents[{ record->size, record->hash }].push_back(fullPath(root, record->relativePath));
    }
    for (const PackageRecord* record : sorted)
        if (record->kind == PackageKind::Recolor && record->objectGuid && !definers.contains(*record->objectGuid)
            && !game.contains(*record->objectGuid))
            report.orphans.push_back({ fullPath(root, record->relativePath), *record->objectGuid });
    for (auto& [guid, files] : definers) {
        const bool inGame = game.contains(guid);
        if (guid == 0 || known.contains(guid) || (files.size() < 2 && !inGame))
            continue;
        report.clashes.push_back({ guid, std::move(files), inGame });
    }
    for (auto& [key, files] : contents)
        if (files.size() > 1)
            report.duplicates.push_back({ key.first, key.second, std::move(files) });
    std::sort(report.duplicates.begin(), report.duplicates.end(),
        [](const DuplicateSet& a, const DuplicateSet& b) { return a.files.front() < b.files.front(); });
    std::vector<std::string> archives = sims2Packs;
    std::sort(archives.begin(), archives.end());
    for (const std::string& relative : archives)
        report.sims2Packs.push_back({ fullPath(root, relative), kSims2PackReason });
    return report;
}

std::string healthCsv(const HealthReport& report)
{
    std::string out;
    csvRow(out, "Problem", "File", "Detail");
    for (const BrokenPackage& row : report.broken)
        csvRow(out, "Cannot be read", row.file, row.reason);
    for (const OrphanRecolor& row : report.orphans)
        csvRow(out, "Orphan recolor", row.file, "objectGUID " + guidText(row.guid) + " matches no object");
    for (const GuidClash& clash : report.clashes)
        for (const std::string& file : clash.files)
            csvRow(out, "GUID clash", file,
                "GUID " + guidText(clash.guid) + " is defined by " + std::to_string(clash.files.size()) + " packages"
                    + (clash.gameObject ? " and the game" : ""));
    for (const DuplicateSet& set : report.duplicates)
        for (const std::string& file : set.files)
            csvRow(out, "Duplicate", file,
                std::to_string(set.files.size()) + " identical files of " + std::to_string(set.size) + " bytes, hash "
                    + set.hash);
    for (const UninstalledSims2Pack& row : report.sims2Packs)
        csvRow(out, "Sims2Pack file", row.file, row.reason);
    return out;
}

KnownClashes::KnownClashes(std::filesystem::path file)
    : mFile(std::move(file))
{
    std::ifstream in(mFile);
    std::string line;
    while (std::getline(in, line)) {
        try {
            std::size_t used = 0;
            const unsigned long value = std::stoul(line, &used, 16);
            if (used > 0 && value <= 0xFFFFFFFFUL)
                mGuids.insert(static_cast<std::uint32_t>(value));
        } catch (const std::exception&) {
            // A line that is not a GUID is passed over.
        }
    }
}

void KnownClashes::setKnown(std::uint32_t guid, bool known)
{
    std::set<std::uint32_t> next = mGuids;
    if (known)
        next.insert(guid);
    else
        next.erase(guid);
    std::error_code ignored;
    std::filesystem::create_directories(mFile.parent_path(), ignored);
    std::string text;
    for (std::uint32_t value : next)
        text += guidText(value) + '\n';
    try {
        writeWholeFile(mFile, text);
    } catch (const Failure& failure) {
        throw Failure(
            failure.code(), "The list of known GUID clashes cannot be written: " + std::string(failure.what()));
    }
    mGuids = std::move(next);
}

std::filesystem::path defaultKnownClashesFile()
{
    return userDataFolder() / "known-clashes.txt";
}

} // namespace varnick::health
