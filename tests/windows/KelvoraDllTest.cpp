// kelvora.dll as the program meets it: loaded by name from the program's
// folder, its four exports resolved by their undecorated names, results handed
// back as OLE strings, and nothing needed beside it but system libraries.

#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/KelvoraBinding.h"
#include "tests/windows/WindowsTestSupport.h"

#include <oleauto.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace varnick {
namespace {

// The exports as a caller in another language declares them: plain C
// functions taking a byte pointer and a signed 32-bit length, returning OLE
// strings the caller frees.
using DecompressFunction = BSTR(__stdcall*)(const unsigned char*, std::int32_t);
using CompressFunction = BSTR(__stdcall*)(const unsigned char*, std::int32_t, std::int32_t);
using RawToBmpFunction = BSTR(__stdcall*)(const unsigned char*, std::int32_t);
using VersionFunction = double(__stdcall*)();

/// The export name of module, as a function of type Function (null when missing).
template <typename Function> Function resolve(HMODULE module, const char* name)
{
    // Through void* : a FARPROC is the generic function address GetProcAddress hands out.
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

class KelvoraDll : public ::testing::Test {
protected:
    void SetUp() override
    {
        mLibrary = LoadLibraryW(L"kelvora.dll");
        ASSERT_NE(mLibrary, nullptr) << "kelvora.dll could not be loaded by name, error " << GetLastError();
        mDecompress = resolve<DecompressFunction>(mLibrary, "Decompress");
        mCompress = resolve<CompressFunction>(mLibrary, "Compress");
        mRawToBmp = resolve<RawToBmpFunction>(mLibrary, "RAWtoBMP");
        mVersion = resolve<VersionFunction>(mLibrary, "GetDLLversion");
    }
    void TearDown() override
    {
        if (mLibrary != nullptr)
            FreeLibrary(mLibrary);
    }

    /// Takes ownership of result and returns its bytes.
    static std::string take(BSTR result)
    {
        std::string bytes(reinterpret_cast<const char*>(result), SysStringByteLen(result));
        SysFreeString(result);
        return bytes;
    }

    HMODULE mLibrary = nullptr;
    DecompressFunction mDecompress = nullptr;
    CompressFunction mCompress = nullptr;
    RawToBmpFunction mRawToBmp = nullptr;
    VersionFunction mVersion = nullptr;
};

TEST_F(KelvoraDll, loadsFromTheProgramFolderAndResolvesEveryExport)
{
    wchar_t loaded[MAX_PATH] {};
    ASSERT_GT(GetModuleFileNameW(mLibrary, loaded, MAX_PATH), 0u);
    EXPECT_EQ(std::filesystem::path(loaded).parent_path(), programFolder());
    EXPECT_NE(mDecompress, nullptr);
    EXPECT_NE(mCompress, nullptr);
    EXPECT_NE(mRawToBmp, nullptr);
    EXPECT_NE(mVersion, nullptr);
    // Only the four: no C++ symbols leak out of the library.
    EXPECT_EQ(GetProcAddress(mLibrary, "_Z10DecompressPKhi"), nullptr);
}

TEST_F(KelvoraDll, exportsWorkThroughTheirResolvedAddresses)
{
    ASSERT_TRUE(mDecompress && mCompress && mRawToBmp && mVersion);
    EXPECT_DOUBLE_EQ(mVersion(), 1.31);

    const unsigned char pixels[] = { 1, 2, 3, 4, 5, 6, 7, 8 };
    EXPECT_EQ(take(mRawToBmp(pixels, 8)), std::string("\x05\x06\x07\x01\x02\x03", 6));
    EXPECT_EQ(take(mRawToBmp(pixels, 3)), "");
    EXPECT_EQ(mRawToBmp(pixels, -1), nullptr);

    // Text with repeats and random bytes: both come back unchanged.
    std::string text;
    for (int i = 0; i < 200; ++i)
        text += "Catalog name " + std::to_string(i % 7) + "; ";
    std::mt19937 random(7);
    std::string noise(5000, '\0');
    for (char& c : noise)
        c = static_cast<char>(random());
    for (const std::string& original : { text, noise }) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(original.data());
        const std::string packed = take(mCompress(bytes, static_cast<std::int32_t>(original.size()), 16));
        ASSERT_GT(packed.size(), 9u);
        EXPECT_EQ(static_cast<unsigned char>(packed[4]), 0x10);
        EXPECT_EQ(static_cast<unsigned char>(packed[5]), 0xFB);
        const auto* packedBytes = reinterpret_cast<const unsigned char*>(packed.data());
        EXPECT_EQ(take(mDecompress(packedBytes, static_cast<std::int32_t>(packed.size()))), original);

        // A stream cut short decodes to a prefix of the original (the stream
        // ends at the end of the input) or is refused; it never yields bytes
        // read from past its end.
        for (const std::size_t cut : { packed.size() / 3, packed.size() / 2, packed.size() - 1 }) {
            BSTR partial = mDecompress(packedBytes, static_cast<std::int32_t>(cut));
            if (partial != nullptr) {
                const std::string prefix = take(partial);
                EXPECT_LT(prefix.size(), original.size());
                EXPECT_EQ(original.compare(0, prefix.size(), prefix), 0) << "cut at " << cut;
            }
        }
    }
    EXPECT_EQ(mDecompress(reinterpret_cast<const unsigned char*>(text.data()), -5), nullptr);
}

// The library must run on a Windows without the compiler's runtime: every DLL
// it imports is a system library, none of the compiler's own (lib*.dll).
TEST_F(KelvoraDll, importsOnlySystemLibraries)
{
    const auto* base = reinterpret_cast<const unsigned char*>(mLibrary);
    const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    ASSERT_EQ(dos->e_magic, IMAGE_DOS_SIGNATURE);
    const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    ASSERT_EQ(nt->Signature, IMAGE_NT_SIGNATURE);
    const IMAGE_DATA_DIRECTORY& directory = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    ASSERT_NE(directory.VirtualAddress, 0u);
    std::vector<std::string> imports;
    for (const auto* entry = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(base + directory.VirtualAddress);
         entry->Name != 0; ++entry) {
        std::string name = reinterpret_cast<const char*>(base + entry->Name);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        imports.push_back(name);
    }
    EXPECT_NE(std::find(imports.begin(), imports.end(), "oleaut32.dll"), imports.end());
    for (const std::string& name : imports)
        EXPECT_NE(name.rfind("lib", 0), 0u) << "kelvora.dll needs " << name << " beside it";
}

// The program's own binding finds the same library, and reports one that is
// missing as a failure naming the file (here a non-ASCII path).
TEST(KelvoraBinding, loadsTheLibraryBesideTheProgramAndNamesAMissingOne)
{
    EXPECT_EQ(kelvoraLibraryPath(), programFolder() / L"kelvora.dll");
    EXPECT_DOUBLE_EQ(kelvoraVersion(), 1.31);
    EXPECT_EQ(kelvoraRawToBmp(ByteView("\x01\x02\x03\x04", 4)), ByteString("\x01\x02\x03", 3));

    const std::filesystem::path missing = programFolder() / L"Fehlt Ωμέγα" / L"kelvora.dll";
    setKelvoraLibraryForTesting(missing);
    try {
        kelvoraVersion();
        ADD_FAILURE() << "a missing library was reported as loaded";
    } catch (const Failure& failure) {
        EXPECT_EQ(failure.code(), ErrorCode::LibraryMissing);
        EXPECT_NE(std::string(failure.what()).find("Fehlt Ωμέγα"), std::string::npos) << failure.what();
    }
    setKelvoraLibraryForTesting({});
    EXPECT_DOUBLE_EQ(kelvoraVersion(), 1.31);
}

} // namespace
} // namespace varnick
