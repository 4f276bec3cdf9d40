#include "app/browser/core/PackageScan.h"

#include "app/platform/Utility.h"
#include "package/Classification.h"
#include "package/PackageReader.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FolderListing.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/SafeFileName.h"
#include "package/base/Utf8.h"

#include <algorithm>
#include <chrono>
#include <new>
#include <optional>
#include <system_error>

#ifndef _WIN32
#include <sys/stat.h>
#endif

namespace varnick::browser {

namespace {

#ifdef _WIN32
// Opening such a file by its shown name would reach another file or none, so
// it is passed over. Only Windows names can be so: elsewhere a name is bytes,
// and its bytes open it.
constexpr PhraseText kNotUnicodeReason = VARNICK_PHRASE(
    "PackageScan", "The file name is not valid Unicode (the odd character is shown as �); rename the file to use it");
#endif

// Next code point of UTF-8 text at i (an invalid byte stands for itself, above every code point).
char32_t nextCodePoint(std::string_view text, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : (lead >> 5) == 6 ? 2 : (lead >> 4) == 14 ? 3 : (lead >> 3) == 30 ? 4 : 0;
    if (length == 0 || i + length > text.size()) {
        ++i;
        return 0x110000 + lead;
    }
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80) {
            ++i;
            return 0x110000 + lead;
        }
        value = (value << 6) | (next & 0x3F);
    }
    i += length;
    return value;
}

// Lower-case partner of the letters of the Latin, Greek and Cyrillic blocks
// that file names commonly hold; other code points stay as they are.
char32_t foldCase(char32_t c)
{
    if (c >= U'A' && c <= U'Z')
        return c + 32;
    if ((c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) || (c >= 0x410 && c <= 0x42F))
        return c + 32;
    if (c >= 0x400 && c <= 0x40F)
        return c + 80;
    if (c >= 0x100 && c <= 0x17F && c != 0x130 && c != 0x131 && c != 0x138 && c != 0x149 && c != 0x178) {
        // Pairs in this block start at an even code point, except 0x139-0x148 and 0x179-0x17E.
        const bool oddPairs = (c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E);
        return (c % 2 == (oddPairs ? 1u : 0u)) ? c + 1 : c;
    }
    if (c == 0x178)
        return 0xFF;
    return c;
}

std::u32string foldedKey(std::string_view name)
{
    std::u32string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size();)
        key.push_back(foldCase(nextCodePoint(name, i)));
    return key;
}

// foldedKey as bytes that sort the same way, cheaper to build and compare:
// each value in UTF-8's form, whose byte order is the values' order for every
// value below 2^21 (the invalid bytes' stand-ins above the code points too).
std::string foldedBytes(std::string_view name)
{
    std::string key;
    key.reserve(name.size());
    for (std::size_t i = 0; i < name.size();) {
        const auto lead = static_cast<unsigned char>(name[i]);
        if (lead < 0x80) {
            key.push_back(static_cast<char>(lead >= 'A' && lead <= 'Z' ? lead + 32 : lead));
            ++i;
            continue;
        }
        appendUtf8(key, foldCase(nextCodePoint(name, i)));
    }
    return key;
}

bool isPackageName(std::string_view name)
{
    constexpr std::string_view extension = ".package";
    if (name.size() < extension.size())
        return false;
    const std::string_view tail = name.substr(name.size() - extension.size());
    return std::equal(tail.begin(), tail.end(), extension.begin(),
        [](char a, char b) { return (a >= 'A' && a <= 'Z' ? char(a + 32) : a) == b; });
}

} // namespace

SkippedFile SkippedFile::because(std::string file, Phrase why)
{
    std::string english = why.english();
    return SkippedFile { std::move(file), std::move(english), std::move(why) };
}

std::u32string packageNameKey(std::string_view name)
{
    return foldedKey(name);
}

bool packageNameLess(std::string_view a, std::string_view b)
{
    std::size_t i = 0;
    std::size_t k = 0;
    while (i < a.size() && k < b.size()) {
        const char32_t x = foldCase(nextCodePoint(a, i));
        const char32_t y = foldCase(nextCodePoint(b, k));
        if (x != y)
            return x < y;
    }
    if (i < a.size() || k < b.size())
        return k < b.size();
    return a < b;
}

std::vector<std::string> listPackageFiles(const std::filesystem::path& folder, std::vector<SkippedFile>* passedOver)
{
    std::vector<std::string> names;
    std::error_code error;
    if (!std::filesystem::exists(folder, error))
        return names;
    std::vector<FolderEntry> entries;
    if (!listFolder(folder, entries, error))
        throw Failure(ErrorCode::FolderFailed, "The folder cannot be listed: " + error.message());
    for (const FolderEntry& entry : entries) {
#ifdef _WIN32
        const std::filesystem::path fileName = entry.path.filename();
        std::string name = pathToUtf8(fileName);
#else
        // The last component as it stands, without splitting the whole path.
        const std::string& text = entry.path.native();
        std::string name = text.substr(text.rfind('/') + 1);
#endif
        if (!isPackageName(name) || entry.kind != FolderEntry::Kind::File || entry.isLink || entry.isHidden)
            continue;
        // Such a name read back from its text would open another file or none.
        std::optional<Phrase> reason;
#ifdef _WIN32
        if (!isUnicodePath(fileName))
            reason = Phrase(kNotUnicodeReason);
        else if (const std::optional<Phrase> problem = fileNameProblemPhrase(name))
            reason = Phrase(VARNICK_PHRASE("PackageScan",
                                "Windows does not allow this file name (the name %1), so the game cannot load it; "
                                "rename the file to use it"),
                { *problem });
#endif
        if (reason) {
            if (passedOver != nullptr)
                passedOver->push_back(SkippedFile::because(std::move(name), std::move(*reason)));
            continue;
        }
        names.push_back(std::move(name));
    }
    // Each name is folded once; the sort then compares the folded keys, then the exact names.
    std::vector<std::pair<std::string, std::string>> keyed;
    keyed.reserve(names.size());
    for (std::string& name : names)
        keyed.emplace_back(foldedBytes(name), std::move(name));
    std::sort(keyed.begin(), keyed.end());
    names.clear();
    for (auto& entry : keyed)
        names.push_back(std::move(entry.second));
    return names;
}

bool readFileStamp(const std::filesystem::path& file, std::int64_t& size, std::int64_t& modifiedTime)
{
#ifdef _WIN32
    std::error_code error;
    size = static_cast<std::int64_t>(std::filesystem::file_size(file, error));
    if (error)
        return false;
    modifiedTime = static_cast<std::int64_t>(std::filesystem::last_write_time(file, error).time_since_epoch().count());
    return !error;
#else
    struct stat info { };
    if (::stat(file.c_str(), &info) != 0)
        return false;
    size = static_cast<std::int64_t>(info.st_size);
    modifiedTime = static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1000000000LL + info.st_mtim.tv_nsec;
    return true;
#endif
}

bool stillCurrent(const KnownSummary& known, const std::filesystem::path& file)
{
    std::int64_t size = 0;
    std::int64_t modifiedTime = 0;
    return readFileStamp(file, size, modifiedTime) && size == known.size && modifiedTime == known.modifiedTime;
}

bool readsAsCatalogObject(const std::filesystem::path& file)
{
    return isCatalogObjectByTypes(readPackageIndexTypes(file));
}

bool readsAsCatalogObject(const FolderHandle& folder, const std::string& name)
{
    return isCatalogObjectByTypes(readPackageIndexTypes(folder, pathFromUtf8(name)));
}

ScanResult scanFolder(const std::filesystem::path& folder, const ScanProgress& progress,
    const std::atomic<bool>* cancel, PackageClassifier* classifier)
{
    ScanResult result;
    std::vector<SkippedFile> passedOver;
    std::vector<std::string> names = listPackageFiles(folder, &passedOver);
    if (classifier != nullptr)
        classifier->beginFolder(folder);
    // Without a classifier every package is read here, each opened by its name in the held folder.
    std::optional<FolderHandle> held;
    if (classifier == nullptr && !names.empty())
        held.emplace(folder);
    struct EndFolder {
        PackageClassifier* classifier;
        ~EndFolder()
        {
            if (classifier != nullptr)
                classifier->endFolder();
        }
    } endFolder { classifier };
    result.total = names.size() + passedOver.size();
    // Room for every package at once: growing would move each summary many
    // times, and the pages of what stays unused are never touched.
    result.files.reserve(names.size());
    result.summaries.reserve(names.size());
    ScanResult batch;
    batch.total = result.total;
    for (SkippedFile& skipped : passedOver) {
        ++result.done;
        if (progress)
            batch.skipped.push_back(skipped);
        result.skipped.push_back(std::move(skipped));
    }
    constexpr std::size_t kBatchSize = 256;
    constexpr std::size_t kFirstPage = 25;
    const auto report = [&] {
        if (!progress)
            return;
        batch.done = result.done;
        batch.cancelled = result.cancelled;
        progress(batch);
        batch.files.clear();
        batch.summaries.clear();
        batch.skipped.clear();
    };
    for (std::string& name : names) {
        if (cancel != nullptr && cancel->load(std::memory_order_relaxed)) {
            result.cancelled = true;
            break;
        }
        bool catalogObject = false;
        std::optional<Phrase> reason;
        try {
            catalogObject
                = classifier != nullptr ? classifier->isCatalogObject(folder, name) : readsAsCatalogObject(*held, name);
        } catch (const std::bad_alloc&) {
            reason = Phrase(VARNICK_PHRASE("PackageScan", "There is not enough memory to read the package"));
        } catch (const std::exception& failure) {
            reason = phraseOf(failure);
        }
        ++result.done;
        if (reason) {
            result.skipped.push_back(SkippedFile::because(name, std::move(*reason)));
            if (progress)
                batch.skipped.push_back(result.skipped.back());
        } else if (catalogObject) {
            std::optional<KnownSummary> known;
            if (classifier != nullptr)
                known = classifier->knownSummary(folder, name);
            if (progress) {
                batch.files.push_back(name);
                batch.summaries.push_back(known);
            }
            result.files.push_back(std::move(name));
            result.summaries.push_back(std::move(known));
        }
        // The first page's worth is passed on at once, so that it can be shown while the scan goes on.
        if (result.done % kBatchSize == 0 || (catalogObject && result.files.size() == kFirstPage))
            report();
    }
    report();
    return result;
}

} // namespace varnick::browser
