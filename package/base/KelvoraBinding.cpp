// Binding of Kelvora by name: the library file is loaded at the first call of
// any of its functions and each export is looked up at its own first call, so
// a program that never needs a function never needs it to exist.
#include "package/base/KelvoraBinding.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "support/Kelvora.h"

#include <limits>
#include <mutex>
#include <new>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

namespace fs = std::filesystem;

namespace varnick {

namespace {

#if defined(_WIN32)
constexpr const wchar_t* kLibraryName = L"kelvora.dll";
#elif defined(__APPLE__)
constexpr const char* kLibraryName = "libkelvora.dylib";
#else
constexpr const char* kLibraryName = "libkelvora.so";
#endif

struct Binding {
    std::mutex mutex;
    fs::path overridePath;
    fs::path loadedPath;
    void* handle = nullptr;
    KelvoraDecompressFunction decompress = nullptr;
    KelvoraCompressFunction compress = nullptr;
    KelvoraCompressLevelFunction compressLevel = nullptr;
    KelvoraRawToBmpFunction rawToBmp = nullptr;
    KelvoraVersionFunction version = nullptr;

    void unload()
    {
        if (handle != nullptr) {
#ifdef _WIN32
            FreeLibrary(static_cast<HMODULE>(handle));
#else
            dlclose(handle);
#endif
        }
        handle = nullptr;
        decompress = nullptr;
        compress = nullptr;
        compressLevel = nullptr;
        rawToBmp = nullptr;
        version = nullptr;
        loadedPath.clear();
    }
};

Binding& binding()
{
    static Binding instance;
    return instance;
}

fs::path libraryPathLocked(const Binding& state)
{
    if (!state.overridePath.empty())
        return state.overridePath;
    return programFolder() / kLibraryName;
}

std::string systemReason()
{
#ifdef _WIN32
    return "Windows error " + std::to_string(GetLastError());
#else
    const char* reason = dlerror();
    return reason != nullptr ? reason : "unknown reason";
#endif
}

// Loads the library if it is not loaded yet; throws LibraryMissing naming the file.
void* loadLocked(Binding& state)
{
    if (state.handle != nullptr)
        return state.handle;
    const fs::path path = libraryPathLocked(state);
#ifdef _WIN32
    // With a full path, the library's own dependencies are searched beside it first.
    const DWORD flags = path.is_absolute() ? LOAD_WITH_ALTERED_SEARCH_PATH : 0;
    void* handle = LoadLibraryExW(path.c_str(), nullptr, flags);
#else
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
#endif
    if (handle == nullptr) {
        throw Failure(ErrorCode::LibraryMissing,
            Phrase(VARNICK_PHRASE("SupportLibrary", "The support library \"%1\" could not be loaded (%2)"),
                { pathToUtf8(path), systemReason() }));
    }
    state.handle = handle;
    state.loadedPath = path;
    return handle;
}

// The export name of function, resolved once; throws FunctionMissing.
template <typename Function> Function resolve(Function& slot, const char* name)
{
    Binding& state = binding();
    const std::lock_guard<std::mutex> lock(state.mutex);
    if (slot != nullptr)
        return slot;
    void* handle = loadLocked(state);
#ifdef _WIN32
    FARPROC address = GetProcAddress(static_cast<HMODULE>(handle), name);
#else
    dlerror();
    void* address = dlsym(handle, name);
#endif
    if (address == nullptr) {
        throw Failure(ErrorCode::FunctionMissing,
            Phrase(VARNICK_PHRASE("SupportLibrary", "The support library \"%1\" has no function \"%2\""),
                { pathToUtf8(state.loadedPath), std::string(name) }));
    }
    slot = reinterpret_cast<Function>(reinterpret_cast<void (*)()>(address));
    return slot;
}

std::int32_t checkedLength(ByteView bytes, PhraseText what)
{
    if (bytes.size() > static_cast<std::size_t>((std::numeric_limits<std::int32_t>::max)())) {
        throw Failure(ErrorCode::ResourceTooLarge,
            Phrase(VARNICK_PHRASE("SupportLibrary", "%1 of %2 bytes is too large for the support library"),
                { Phrase(what), std::to_string(bytes.size()) }));
    }
    return static_cast<std::int32_t>(bytes.size());
}

const unsigned char* dataOf(ByteView bytes)
{
    return reinterpret_cast<const unsigned char*>(bytes.data());
}

// Takes ownership of a library string and turns it into a ByteString.
ByteString adopt(KelvoraString string)
{
    struct Release {
        KelvoraString string;
        ~Release() { kelvoraStringFree(string); }
    } release { string };
    const std::uint32_t length = kelvoraStringLength(string);
    return ByteString(reinterpret_cast<const char*>(kelvoraStringBytes(string)), length);
}

} // namespace

fs::path kelvoraLibraryPath()
{
    Binding& state = binding();
    const std::lock_guard<std::mutex> lock(state.mutex);
    return libraryPathLocked(state);
}

double kelvoraVersion()
{
    return resolve(binding().version, "GetDLLversion")();
}

ByteString kelvoraDecompress(ByteView stored)
{
    const std::int32_t length = checkedLength(stored, VARNICK_PHRASE("SupportLibrary", "A compressed resource"));
    KelvoraString result = resolve(binding().decompress, "Decompress")(dataOf(stored), length);
    if (result == nullptr) {
        throw Failure(ErrorCode::DamagedCompression,
            Phrase(VARNICK_PHRASE(
                       "Compression", "The compressed resource (%1 bytes) is damaged and cannot be decompressed"),
                { std::to_string(stored.size()) }));
    }
    return adopt(result);
}

ByteString kelvoraCompress(ByteView data, std::int32_t blockUnits)
{
    const std::int32_t length = checkedLength(data, VARNICK_PHRASE("SupportLibrary", "A resource"));
    KelvoraString result = resolve(binding().compress, "Compress")(dataOf(data), length, blockUnits);
    if (result == nullptr) {
        throw Failure(ErrorCode::ResourceTooLarge,
            Phrase(
                VARNICK_PHRASE("Compression", "A resource of %1 bytes cannot be compressed (at most 16,777,215 bytes)"),
                { std::to_string(data.size()) }));
    }
    return adopt(result);
}

std::optional<ByteString> kelvoraCompressLevel(ByteView data, int level)
{
    // Beyond 24 bits the library refuses anyway; the caller stores such data as it is.
    if (data.size() > 0xFFFFFF)
        return std::nullopt;
    const auto length = static_cast<std::int32_t>(data.size());
    KelvoraString result = resolve(binding().compressLevel, "CompressLevel")(dataOf(data), length, level);
    if (result == nullptr)
        return std::nullopt;
    return adopt(result);
}

ByteString kelvoraRawToBmp(ByteView pixels)
{
    const std::int32_t length = checkedLength(pixels, VARNICK_PHRASE("SupportLibrary", "A pixel buffer"));
    KelvoraString result = resolve(binding().rawToBmp, "RAWtoBMP")(dataOf(pixels), length);
    if (result == nullptr)
        throw std::bad_alloc();
    return adopt(result);
}

void setKelvoraLibraryForTesting(const fs::path& libraryFile)
{
    Binding& state = binding();
    const std::lock_guard<std::mutex> lock(state.mutex);
    state.unload();
    state.overridePath = libraryFile;
}

} // namespace varnick
