// Fuzzes the package readers with arbitrary bytes: the whole-package reader,
// the index-only reader, the index-types reader of the folder scan and the
// directory parser must either succeed or throw Failure, never read outside
// their input; reading the same bytes from a file must give the same result as
// reading them from memory; the types reader must give the index reader's
// types or fail with it; and whatever the whole reader accepts must survive a
// write and a second read unchanged.
//
// What it reads is then used as the program uses it: the trapped procedures
// must report exactly when their cores throw and leave their outputs as they
// were; the index's keys must keep their identifiers through their text and
// packed forms; telling a catalog object from its types must agree with
// telling it from the index; reading one resource from the file must give
// the whole reader's bytes; and every resource is decompressed when it is
// compressed and read as what its type says it is (texture collection,
// property set, text list, object definition), each reader succeeding or
// failing with a Failure.
#include "fuzz/common/QuietTrap.h"
#include "fuzz/common/ScratchFile.h"
#include "fuzz/common/ScratchFolder.h"
#include "package/BinarySupport.h"
#include "package/Classification.h"
#include "package/CompressedResource.h"
#include "package/Crc24.h"
#include "package/ObjectDefinition.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/PropertySet.h"
#include "package/ResourceCollection.h"
#include "package/TypeIds.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/KelvoraBinding.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string>
#include <system_error>

using namespace varnick;

namespace {

template <typename Read> auto attempt(Read read) -> std::optional<decltype(read())>
{
    try {
        return read();
    } catch (const Failure&) {
        return std::nullopt;
    }
}

bool sameIndex(const std::vector<IndexEntry>& a, const std::vector<IndexEntry>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (!(a[i].key() == b[i].key()) || a[i].Offset != b[i].Offset || a[i].Size != b[i].Size)
            return false;
    }
    return true;
}

bool sameFiles(const PackageFile& a, const PackageFile& b)
{
    if (a.Files.size() != b.Files.size())
        return false;
    for (std::size_t i = 0; i < a.Files.size(); ++i) {
        if (a.Files[i].Data != b.Files[i].Data || a.Files[i].TypeID != b.Files[i].TypeID
            || a.Files[i].GroupID != b.Files[i].GroupID || a.Files[i].InstanceID != b.Files[i].InstanceID)
            return false;
    }
    return true;
}

// The identifiers of a key come back from its text form and its packed form.
void checkKey(const ResourceKey& key)
{
    const std::string text = key.text();
    if (text.size() != 35)
        std::abort();
    const ResourceKey fromText { gfstr4HexToSimsID(text.substr(0, 8)), gfstr4HexToSimsID(text.substr(9, 8)),
        gfstr4HexToSimsID(text.substr(18, 8)), gfstr4HexToSimsID(text.substr(27, 8)) };
    if (!(fromText == key))
        std::abort();
    const ResourceKey unpacked = PackedResourceKey::of(key).unpack();
    if (!(unpacked == key) || ResourceKeyHash {}(unpacked) != ResourceKeyHash {}(key))
        std::abort();
}

// Resources whose decoded size (the 24-bit field after the signature) stays
// below this are decompressed, so that each input costs at most a few
// milliseconds however large the sizes its streams declare.
constexpr std::size_t kDecodeBudget = 64 * 1024;

std::size_t declaredSize(const ByteString& stored)
{
    const auto byte = [&](std::size_t at) { return static_cast<std::size_t>(static_cast<unsigned char>(stored[at])); };
    return stored.size() < 9 ? 0 : byte(6) << 16 | byte(7) << 8 | byte(8);
}

// A definition's fields written back with the values read from them leave
// every byte as it was; a field past the end of a short definition refuses
// the write and changes nothing either.
void checkDefinition(const ObjectDefinition& definition)
{
    ObjectDefinition copy = definition;
    for (const ObjectFieldInfo& info : kObjectDefinitionFields) {
        try {
            copy.setRaw(info.field, definition.raw(info.field));
            if (info.offset + info.width > definition.data().size())
                std::abort();
        } catch (const Failure& failure) {
            if (failure.code() != ErrorCode::BadResource || info.offset + info.width <= definition.data().size())
                std::abort();
        }
    }
    if (copy.data() != definition.data())
        std::abort();
}

// Reads the contents of one resource as what its type says it is.
void readContents(const PackageResource& file, ByteView contents)
{
    if (gflngCRC24(contents) >> 24 != 0)
        std::abort();
    std::string notice;
    if (file.TypeID == gstrTypeTXTR) {
        (void)attempt([&] { return readTextureImage(readRCOLHeader(contents).Body, notice); });
    } else if (file.TypeID == gstrTypeGZPS || file.TypeID == gstrTypeMMAT) {
        if (const auto set = attempt([&] { return readPropertySet(contents); });
            set && set->Items.size() != static_cast<std::size_t>(set->Count))
            std::abort();
    } else if (file.TypeID == gstrTypeGMDC || file.TypeID == gstrTypeSHPE || file.TypeID == gstrTypeCRES
        || file.TypeID == gstrTypeGMND || file.TypeID == gstrTypeTXMT) {
        (void)attempt([&] { return readRCOLHeader(contents); });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const ByteView bytes(reinterpret_cast<const char*>(data), size);
    static const fuzz::ScratchFile scratch("fuzz-package-reader");
    scratch.write(data, size);
    static fuzz::QuietTrap trap;
    // The decompression breadcrumb is written beside the program: here, a
    // folder of the target's own; the support library stays where it is.
    static const fuzz::ScratchFolder programFolder("fuzz-package-reader-program");
    static const bool moved = [] {
        setKelvoraLibraryForTesting(kelvoraLibraryPath());
        setProgramFolderForTesting(programFolder.path());
        return true;
    }();
    (void)moved;

    const auto index = attempt([&] { return parsePackageIndex(bytes); });
    const auto indexFromFile = attempt([&] { return readPackageIndex(scratch.path()); });
    if (index.has_value() != indexFromFile.has_value())
        std::abort();
    if (index) {
        if (index->entries.size() != static_cast<std::size_t>(index->header.IndexCount)
            || !sameIndex(index->entries, indexFromFile->entries))
            std::abort();
    }

    std::vector<IndexEntry> trappedIndex(1);
    const bool indexLoaded = gsLoadPackageIndexOnly(scratch.path(), trappedIndex);
    if (indexLoaded != index.has_value() || trap.take() != (indexLoaded ? 0 : 1))
        std::abort();
    if (indexLoaded ? !sameIndex(trappedIndex, index->entries) : !trappedIndex.empty())
        std::abort();

    const auto types = attempt([&] { return parsePackageIndexTypes(bytes); });
    const auto typesFromFile = attempt([&] { return readPackageIndexTypes(scratch.path()); });
    if (types.has_value() != index.has_value() || typesFromFile != types)
        std::abort();
    if (index) {
        ByteString expected;
        for (const IndexEntry& entry : index->entries)
            expected += entry.TypeID;
        if (*types != expected)
            std::abort();
        if (isCatalogObjectByTypes(*types) != gfblnIsCatalogObject(index->entries))
            std::abort();
        (void)gfblnIsRecolor(index->entries);
        for (const IndexEntry& entry : index->entries)
            checkKey(entry.key());
    }

    const auto pkg = attempt([&] { return parsePackage(bytes); });
    const auto pkgFromFile = attempt([&] { return readPackage(scratch.path()); });
    if (pkg.has_value() != pkgFromFile.has_value())
        std::abort();
    PackageFile trappedPkg;
    trappedPkg.Magic = 0x5A5A;
    const bool opened = gsLoadPackage(scratch.path(), trappedPkg);
    if (opened != pkg.has_value() || trap.take() != (opened ? 0 : 1))
        std::abort();
    if (opened ? !sameFiles(trappedPkg, *pkg) : trappedPkg.Magic != 0x5A5A || !trappedPkg.Files.empty())
        std::abort();
    if (!pkg)
        return 0;
    if (!index || !sameFiles(*pkg, *pkgFromFile) || !sameIndex(pkg->Index, index->entries))
        std::abort();
    const PackageResourceReader reader(scratch.path());
    std::size_t decodeBudget = kDecodeBudget;
    bool overBudget = false;
    bool breadcrumbTried = false;
    for (std::size_t i = 0; i < pkg->Files.size(); ++i) {
        const PackageResource& file = pkg->Files[i];
        if (file.Data.size() != static_cast<std::size_t>(file.Size))
            std::abort();
        std::vector<DirectoryEntry> directory(1);
        if (!gsReadDirectory(file.Data, directory, pkg->IndexMinorVersion) || trap.take() != 0
            || directory.size() != parseDirectory(file.Data, pkg->IndexMinorVersion).size())
            std::abort();
        if (i < 8
            && (reader.read(pkg->Index[i]) != file.Data
                || readResourceBytes(scratch.path(), pkg->Index[i]) != file.Data))
            std::abort();
        if (!isCompressedResource(file.Data)) {
            readContents(file, file.Data);
            continue;
        }
        if (declaredSize(file.Data) > decodeBudget) {
            overBudget = true;
            continue;
        }
        decodeBudget -= declaredSize(file.Data);
        const auto contents = attempt([&] { return decompressResource(file.Data); });
        if (contents)
            readContents(file, *contents);
        if (!breadcrumbTried) {
            // The program's own procedure: the same bytes, or a report and nothing.
            breadcrumbTried = true;
            const ByteString viaProcedure = gfstrDecompressFile(file.Data);
            if (trap.take() != (contents ? 0 : 1) || viaProcedure != (contents ? *contents : ByteString()))
                std::abort();
        }
    }
    PackageFile copy = *pkg;
    const auto written = attempt([&] { return serializePackage(copy); });
    if (!written)
        return 0; // only a package beyond 2 GiB, which no fuzz input can describe
    const PackageFile again = parsePackage(*written);
    if (!sameFiles(again, *pkg))
        std::abort();

    if (overBudget || pkg->Files.size() > 64)
        return 0; // choosing decodes the definitions again: small packages only
    const auto definition = attempt([&] { return chooseObjectDefinition(*pkg); });
    if (definition && *definition)
        checkDefinition((*definition)->definition);
    if (const auto texts = attempt([&] { return chooseTextList(*pkg); }); texts && *texts) {
        const CatalogTexts shown = catalogTexts((*texts)->list);
        if (!shown.found && (!shown.name.empty() || !shown.description.empty()))
            std::abort();
    }

    return 0;
}
