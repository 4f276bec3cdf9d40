// Codec speed, each figure beside a baseline measured in the same run:
//   1. Kelvora's Decompress (the exported function, as the program calls it:
//      decoding plus the one copy into the returned string) on game-like
//      streams and on synthetic worst cases, in output MB/s beside memcpy of
//      the same output size;
//   2. Kelvora's Compress against the plain reference encoder on 1 MB of
//      varied data, with identical output (goal: at least 50 times faster).
// Real compressed resources from package files are decoded too when a folder
// of them is found (--realdata DIR, default ../shared/realdata).
// Usage: bench_codec [--realdata DIR] [--seconds S]
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"
#include "support/Kelvora.h"
#include "tests/support/ReferenceEncoder.h"
#include "tests/support/TestData.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>
#include <system_error>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

using namespace varnick;
using namespace varnick::test;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

double gSeconds = 0.4;

// The exports themselves, looked up the way the binding does, so the figures
// carry no copying of our own around them.
struct Exports {
    KelvoraDecompressFunction decompress = nullptr;
    KelvoraCompressFunction compress = nullptr;
};

Exports loadExports()
{
    const fs::path path = kelvoraLibraryPath();
#ifdef _WIN32
    HMODULE library = LoadLibraryW(path.c_str());
    auto symbol = [&](const char* name) { return reinterpret_cast<void (*)()>(GetProcAddress(library, name)); };
#else
    void* library = dlopen(path.c_str(), RTLD_NOW);
    auto symbol = [&](const char* name) { return reinterpret_cast<void (*)()>(dlsym(library, name)); };
#endif
    if (library == nullptr) {
        std::fprintf(stderr, "cannot load %s\n", pathToUtf8(path).c_str());
        std::exit(1);
    }
    Exports exports;
    exports.decompress = reinterpret_cast<KelvoraDecompressFunction>(symbol("Decompress"));
    exports.compress = reinterpret_cast<KelvoraCompressFunction>(symbol("Compress"));
    if (exports.decompress == nullptr || exports.compress == nullptr) {
        std::fprintf(stderr, "exports missing in %s\n", pathToUtf8(path).c_str());
        std::exit(1);
    }
    return exports;
}

// Seconds per call of body: the best of several rounds, each at least
// gSeconds / 4 long, so a busy machine distorts it less.
template <typename Body> double secondsPerCall(Body&& body)
{
    double best = 1e30;
    for (int round = 0; round < 4; ++round) {
        std::size_t calls = 0;
        const auto start = Clock::now();
        double elapsed = 0;
        do {
            body();
            ++calls;
            elapsed = std::chrono::duration<double>(Clock::now() - start).count();
        } while (elapsed < gSeconds / 4);
        best = std::min(best, elapsed / static_cast<double>(calls));
    }
    return best;
}

// --- streams ---------------------------------------------------------------

Bytes header()
{
    return Bytes { 0, 0, 0, 0, 0x10, 0xFB, 0, 0, 0 };
}

void emitLiterals(Bytes& out, const std::uint8_t* bytes, std::size_t size)
{
    while (size >= 4) {
        const std::size_t run = std::min<std::size_t>(size / 4 * 4, 112);
        out.push_back(static_cast<std::uint8_t>(0xE0 + run / 4 - 1));
        out.insert(out.end(), bytes, bytes + run);
        bytes += run;
        size -= run;
    }
    // 0 to 3 bytes left: they ride on the next copy code or the stop code.
}

// One copy with up to 3 literal bytes before it, in the shortest family that fits.
void emitCopy(Bytes& out, const std::uint8_t* plain, std::size_t plainSize, std::size_t offset, std::size_t count)
{
    const std::size_t d = offset - 1;
    if (count <= 10 && offset <= 1024) {
        out.push_back(static_cast<std::uint8_t>(((d >> 3) & 0x60) | ((count - 3) << 2) | plainSize));
        out.push_back(static_cast<std::uint8_t>(d & 0xFF));
    } else if (count <= 67 && offset <= 16384) {
        out.push_back(static_cast<std::uint8_t>(0x80 | (count - 4)));
        out.push_back(static_cast<std::uint8_t>((plainSize << 6) | (d >> 8)));
        out.push_back(static_cast<std::uint8_t>(d & 0xFF));
    } else {
        const std::size_t c = count - 5;
        out.push_back(static_cast<std::uint8_t>(0xC0 | ((d >> 12) & 0x10) | ((c >> 6) & 0x0C) | plainSize));
        out.push_back(static_cast<std::uint8_t>((d >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>(d & 0xFF));
        out.push_back(static_cast<std::uint8_t>(c & 0xFF));
    }
    out.insert(out.end(), plain, plain + plainSize);
}

void emitStop(Bytes& out, const std::uint8_t* bytes, std::size_t size)
{
    out.push_back(static_cast<std::uint8_t>(0xFC + size));
    out.insert(out.end(), bytes, bytes + size);
}

// A greedy LZ encoder using every code family, as the game's own resources
// do: longest match among the last few positions with the same 4 bytes.
Bytes gameLikeStream(const Bytes& data)
{
    Bytes out = header();
    std::vector<std::int32_t> head(1 << 16, -1);
    std::vector<std::int32_t> previous(data.size(), -1);
    auto hash4 = [&](std::size_t at) {
        std::uint32_t v = 0;
        std::memcpy(&v, &data[at], 4);
        return (v * 2654435761u) >> 16;
    };
    std::size_t literalStart = 0;
    std::size_t i = 0;
    while (i + 4 <= data.size()) {
        const std::uint32_t h = hash4(i);
        std::size_t bestLength = 0;
        std::size_t bestOffset = 0;
        int tries = 16;
        for (std::int32_t p = head[h]; p >= 0 && tries-- > 0; p = previous[static_cast<std::size_t>(p)]) {
            const std::size_t offset = i - static_cast<std::size_t>(p);
            if (offset > 131072)
                break;
            std::size_t length = 0;
            while (length < 1028 && i + length < data.size() && data[p + length] == data[i + length])
                ++length;
            if (length > bestLength
                && (length >= 5 || (length >= 3 && offset <= 1024) || (length >= 4 && offset <= 16384))) {
                bestLength = length;
                bestOffset = offset;
            }
        }
        previous[i] = head[h];
        head[h] = static_cast<std::int32_t>(i);
        if (bestLength == 0) {
            ++i;
            continue;
        }
        const std::size_t pending = i - literalStart;
        emitLiterals(out, &data[literalStart], pending);
        const std::size_t plain = pending % 4;
        emitCopy(out, &data[i - plain], plain, bestOffset, bestLength);
        for (std::size_t k = 1; k < bestLength && i + k + 4 <= data.size(); ++k) {
            const std::uint32_t hk = hash4(i + k);
            previous[i + k] = head[hk];
            head[hk] = static_cast<std::int32_t>(i + k);
        }
        i += bestLength;
        literalStart = i;
    }
    const std::size_t pending = data.size() - literalStart;
    emitLiterals(out, &data[literalStart], pending);
    emitStop(out, &data[data.size() - pending % 4], pending % 4);
    return out;
}

Bytes repeatedCodes(
    std::initializer_list<std::uint8_t> first, std::initializer_list<std::uint8_t> code, std::size_t repeats)
{
    Bytes out = header();
    out.insert(out.end(), first);
    for (std::size_t k = 0; k < repeats; ++k)
        out.insert(out.end(), code);
    return out;
}

struct Case {
    std::string name;
    Bytes stored;
};

std::vector<Case> realResources(const fs::path& folder)
{
    std::vector<Case> cases;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return cases;
    Bytes all = header();
    std::size_t count = 0;
    std::size_t outputBytes = 0;
    Case largest { "real: largest resource", {} };
    for (const auto& item : fs::recursive_directory_iterator(folder, error)) {
        if (item.path().extension() != ".package")
            continue;
        try {
            const PackageFile pkg = readPackage(item.path());
            for (const PackageResource& file : pkg.Files) {
                if (!isCompressedResource(file.Data))
                    continue;
                ++count;
                outputBytes += decompressResource(file.Data).size();
                if (file.Data.size() > largest.stored.size())
                    largest.stored.assign(file.Data.begin(), file.Data.end());
            }
        } catch (const std::exception&) {
            // Files of other games' formats are among them; they are not ours to time.
        }
    }
    if (count == 0)
        return cases;
    std::printf("real data: %zu compressed resources, %.2f MB decoded, in %s\n", count,
        static_cast<double>(outputBytes) / 1e6, pathToUtf8(folder).c_str());
    cases.push_back(std::move(largest));
    return cases;
}

void benchDecoder(const Exports& exports, const std::vector<Case>& cases)
{
    std::printf("\n%-34s %9s %9s %11s %11s %7s\n", "Decompress", "in MB", "out MB", "out MB/s", "memcpy MB/s", "ratio");
    for (const Case& c : cases) {
        const auto length = static_cast<std::int32_t>(c.stored.size());
        KelvoraString probe = exports.decompress(c.stored.data(), length);
        if (probe == nullptr) {
            std::printf("%-34s damaged stream\n", c.name.c_str());
            continue;
        }
        const std::size_t outSize = kelvoraStringLength(probe);
        kelvoraStringFree(probe);

        const double decode = secondsPerCall([&] {
            KelvoraString result = exports.decompress(c.stored.data(), length);
            kelvoraStringFree(result);
        });
        Bytes from(outSize, 1);
        Bytes to(outSize, 0);
        const double copy = secondsPerCall([&] {
            std::memcpy(to.data(), from.data(), outSize);
            // Keep the copy from being optimised away.
            from[outSize / 2] = static_cast<std::uint8_t>(to[outSize / 3] + 1);
        });
        const double mb = static_cast<double>(outSize) / 1e6;
        std::printf("%-34s %9.2f %9.2f %11.0f %11.0f %7.2f\n", c.name.c_str(),
            static_cast<double>(c.stored.size()) / 1e6, mb, mb / decode, mb / copy, copy / decode);
    }
}

void benchEncoder(const Exports& exports)
{
    const Bytes input = variedBytes(1 << 20, 2026);
    std::printf("\n%-34s %9s %12s %12s %9s %s\n", "Compress, 1 MB varied data", "units", "reference s", "Kelvora s",
        "speed-up", "identical");
    for (std::int32_t units : { 3, 16 }) {
        Bytes expected;
        const auto start = Clock::now();
        expected = referenceCompress(input, units);
        const double reference = std::chrono::duration<double>(Clock::now() - start).count();
        Bytes actual;
        const double fast = secondsPerCall([&] {
            KelvoraString result = exports.compress(input.data(), static_cast<std::int32_t>(input.size()), units);
            actual.assign(kelvoraStringBytes(result), kelvoraStringBytes(result) + kelvoraStringLength(result));
            kelvoraStringFree(result);
        });
        std::printf("%-34s %9d %12.3f %12.5f %9.0f %s\n", "", units, reference, fast, reference / fast,
            actual == expected ? "yes" : "NO");
    }
}

} // namespace

int main(int argc, char** argv)
{
    fs::path realdata = "../shared/realdata";
    for (int k = 1; k + 1 < argc; k += 2) {
        const std::string option = argv[k];
        if (option == "--realdata")
            realdata = pathFromUtf8(argv[k + 1]);
        else if (option == "--seconds")
            gSeconds = std::max(0.04, std::atof(argv[k + 1]));
    }
    const Exports exports = loadExports();

    std::vector<Case> cases;
    cases.push_back({ "game-like: mesh 2 MB", gameLikeStream(meshBytes(2 << 20, 1)) });
    cases.push_back({ "game-like: texture 4 MB", gameLikeStream(textureBytes(4 << 20, 2)) });
    cases.push_back({ "game-like: text 1 MB", gameLikeStream(textBytes(1 << 20, 3)) });
    cases.push_back({ "game-like: varied 4 MB", gameLikeStream(variedBytes(4 << 20, 4)) });
    for (Case& real : realResources(realdata))
        cases.push_back(std::move(real));
    {
        const Bytes random = randomBytes(4 << 20, 5);
        Bytes stored = header();
        emitLiterals(stored, random.data(), random.size());
        cases.push_back({ "worst: literal runs only", std::move(stored) });
    }
    cases.push_back({ "worst: 3-byte copies, offset 2", repeatedCodes({ 0xE0, 1, 2, 3, 4 }, { 0x00, 0x01 }, 1 << 20) });
    cases.push_back(
        { "worst: 1028-byte runs, offset 1", repeatedCodes({ 0xE0, 1, 2, 3, 4 }, { 0xCC, 0, 0, 0xFF }, 8000) });
    cases.push_back({ "worst: 1028-byte runs, offset 5",
        repeatedCodes({ 0xE1, 1, 2, 3, 4, 5, 6, 7, 8 }, { 0xCC, 0, 4, 0xFF }, 8000) });
    {
        // 1028-byte copies from 100,000 bytes back, over random data.
        const Bytes random = randomBytes(100000, 6);
        Bytes stored = header();
        emitLiterals(stored, random.data(), random.size());
        for (int k = 0; k < 8000; ++k)
            emitCopy(stored, nullptr, 0, 100000, 1028);
        cases.push_back({ "worst: far 1028-byte copies", std::move(stored) });
    }
    benchDecoder(exports, cases);
    benchEncoder(exports);
    return 0;
}
