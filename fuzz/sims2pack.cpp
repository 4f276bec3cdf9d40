// Fuzzes the Sims2Pack reader with arbitrary bytes: reading must either give
// a description whose every item lies inside the data or throw one Failure
// naming the file, the same from memory as from a file; what it accepts must
// list (every item expanded and read as a package) without throwing, with a
// reason for every unreadable item and valid UTF-8 throughout, and give each
// item's picture or none without throwing; and planning
// an install into a folder that does not exist must write nothing and either
// plan every item or refuse the Sims2Pack with a message naming it.
#include "package/Sims2Pack.h"
#include "app/sims2pack/core/Sims2PackInstall.h"
#include "fuzz/common/ScratchFile.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/SafeFileName.h"
#include "package/base/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <string>

using namespace varnick;

namespace {

constexpr const char* kName = "fuzz.sims2pack";

bool namesTheFile(const Failure& failure, const std::string& name)
{
    return std::string_view(failure.what()).starts_with(name + ": ");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteString bytes(reinterpret_cast<const char*>(data), size);
    static const fuzz::ScratchFile scratch("fuzz-sims2pack");
    scratch.write(data, size);

    std::optional<Sims2PackFile> file;
    try {
        file = Sims2PackFile::fromBytes(bytes, kName);
    } catch (const Failure& failure) {
        if (failure.code() != ErrorCode::BadPackage || !namesTheFile(failure, kName))
            std::abort();
    }
    std::optional<std::size_t> itemsOnDisk;
    try {
        itemsOnDisk = Sims2PackFile::read(scratch.path()).items().size();
    } catch (const Failure& failure) {
        if (!namesTheFile(failure, pathToUtf8(scratch.path())))
            std::abort();
    }
    if (file.has_value() != itemsOnDisk.has_value() || (file && *itemsOnDisk != file->items().size()))
        std::abort();
    if (!file)
        return 0;

    const Sims2Pack& pack = file->contents();
    for (const Sims2PackItem& item : pack.items) {
        if (item.offset < 0 || item.length < 0 || item.offset + item.length > pack.dataLength)
            std::abort();
        if (!isValidUtf8(item.name) || !isValidUtf8(item.description))
            std::abort();
        (void)fileNameProblem(item.name);
    }

    const sims2pack::Sims2PackListing listing = sims2pack::listSims2Pack(*file);
    if (listing.items.size() != pack.items.size())
        std::abort();
    for (std::size_t i = 0; i < listing.items.size(); ++i) {
        const sims2pack::ItemListing& row = listing.items[i];
        if (!row.readable && row.reason.empty())
            std::abort();
        if (row.catalogName && !isValidUtf8(*row.catalogName))
            std::abort();
        if (const std::optional<ByteString> picture = sims2pack::itemPicture(*file, i);
            picture && !picture->starts_with("BM"))
            std::abort();
    }

    const std::filesystem::path nowhere = scratch.path().parent_path() / "fuzz-sims2pack-never-created";
    sims2pack::LibraryGuids library { { 0x1234, { "library.package" } } };
    sims2pack::InstallOptions options;
    options.destination = nowhere;
    options.library = &library;
    try {
        const sims2pack::InstallPlan plan = sims2pack::planInstall(*file, options);
        if (plan.items.size() != pack.items.size() || !plan.taken.empty())
            std::abort();
    } catch (const Failure& failure) {
        if (!namesTheFile(failure, kName))
            std::abort();
    }
    std::error_code error;
    if (std::filesystem::exists(nowhere, error))
        std::abort();
    return 0;
}
