// Codec speed and ratio, each figure beside baselines measured in the same run:
//   1. the decoder on (a) the real compressed resources of package files,
//      (b) streams of CompressLevel from text, mesh, texture and varied inputs,
//      (c) synthetic worst cases: Kelvora's Decompress export (decoding plus
//      the copy into the returned string) and the decoder core into a reused
//      buffer, in output MB/s, beside memcpy of the output and LZ4's decoder
//      (LZ4_decompress_safe of the same uncompressed bytes, compressed with
//      LZ4_compress_default; shown when the bench was built with liblz4);
//   2. CompressLevel at levels 1..9 on the same inputs: ratio and MB/s, beside
//      the block encoder's ratio and a greedy 2-byte hash chain of 50
//      candidates (the comparison baseline for level 9);
//   3. Kelvora's block Compress against the plain reference encoder on 1 MB of
//      varied data, with identical output.
// The real resources are found in --realdata DIR, else $VARNICK_REALDATA, else
// ../shared/realdata beside the source tree; without them part (a) is skipped.
// Usage: bench_codec [--realdata DIR] [--seconds S] [--only decoder|levels|encoder]
#include "support/Codec.h"
#include "bench/codec/BaselineCodec.h"
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
#include <ctime>
#include <filesystem>
#include <functional>
#include <limits>
#include <string>
#include <system_error>
#include <tuple>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#ifdef VARNICK_HAVE_LZ4
#include <lz4.h>
#endif

using namespace varnick;
using namespace varnick::test;
using Clock = std::chrono::steady_clock;
namespace fs = std::filesystem;

namespace {

double gSeconds = 0.4;
bool gCpuClock = false;

// Seconds on the clock the figures are timed by: the wall clock, or (with
// --clock cpu, where the system has one) the time this thread ran, which a
// machine shared with busy neighbours distorts far less.
double now()
{
#ifndef _WIN32
    if (gCpuClock) {
        timespec time {};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &time);
        return static_cast<double>(time.tv_sec) + static_cast<double>(time.tv_nsec) * 1e-9;
    }
#endif
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

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
        const double start = now();
        double elapsed = 0;
        do {
            body();
            ++calls;
            elapsed = now() - start;
        } while (elapsed < gSeconds / 4);
        best = std::min(best, elapsed / static_cast<double>(calls));
    }
    return best;
}

// Seconds per call of each body, timed in alternating rounds (the best round
// of each), so that a figure and its baselines see the same machine load.
std::vector<double> secondsPerCallTogether(const std::vector<std::function<void()>>& bodies, int rounds = 8)
{
    std::vector<double> best(bodies.size(), 1e30);
    for (int round = 0; round < rounds; ++round) {
        for (std::size_t k = 0; k < bodies.size(); ++k) {
            std::size_t calls = 0;
            const double start = now();
            double elapsed = 0;
            do {
                bodies[k]();
                ++calls;
                elapsed = now() - start;
            } while (elapsed < gSeconds / rounds);
            best[k] = std::min(best[k], elapsed / static_cast<double>(calls));
        }
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

// A greedy LZ encoder using every code family: the longest match among the
// last `tries` positions with the same first hashBytes (2 or 4) bytes. With
// 2 bytes and 50 tries it is the baseline that CompressLevel's level 9 must beat.
Bytes chainStream(const Bytes& data, int hashBytes, int tries)
{
    Bytes out = header();
    const int bits = 16;
    std::vector<std::int32_t> head(std::size_t { 1 } << bits, -1);
    std::vector<std::int32_t> previous(data.size(), -1);
    const std::size_t hashed = static_cast<std::size_t>(hashBytes);
    auto hashAt = [&](std::size_t at) -> std::uint32_t {
        if (hashBytes == 2)
            return static_cast<std::uint32_t>(data[at] | (data[at + 1] << 8));
        std::uint32_t v = 0;
        std::memcpy(&v, &data[at], 4);
        return (v * 2654435761u) >> (32 - bits);
    };
    std::size_t literalStart = 0;
    std::size_t i = 0;
    while (i + 4 <= data.size()) {
        const std::uint32_t h = hashAt(i);
        std::size_t bestLength = 0;
        std::size_t bestOffset = 0;
        int left = tries;
        for (std::int32_t p = head[h]; p >= 0 && left-- > 0; p = previous[static_cast<std::size_t>(p)]) {
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
        for (std::size_t k = 1; k < bestLength && i + k + hashed <= data.size(); ++k) {
            const std::uint32_t hk = hashAt(i + k);
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

Bytes decodedOf(const Bytes& stored)
{
    kelvora::DecodeResult result = kelvora::decompress(stored);
    if (result.status != kelvora::DecodeStatus::Ok) {
        std::fprintf(stderr, "bench stream does not decode: %s\n", kelvora::describe(result.status));
        std::exit(1);
    }
    return std::move(result.bytes);
}

Bytes levelStream(const Bytes& data, int level)
{
    auto stored = kelvora::compressLevel(data, level);
    return stored ? std::move(*stored) : kelvora::compress(data, 16);
}

// One or more streams timed as one workload (the real resources are many small ones).
struct Case {
    std::string name;
    std::vector<Bytes> stored;
    std::vector<Bytes> plain; ///< what each stream decodes to
};

Case caseOf(std::string name, Bytes stored)
{
    Case c { std::move(name), {}, {} };
    c.plain.push_back(decodedOf(stored));
    c.stored.push_back(std::move(stored));
    return c;
}

fs::path findRealData(const fs::path& given)
{
    if (!given.empty())
        return given;
    if (const char* env = std::getenv("VARNICK_REALDATA"); env != nullptr && *env != '\0')
        return pathFromUtf8(env);
#ifdef VARNICK_SOURCE_DIR
    // shared/realdata beside the source tree or beside one of its parents (a
    // worktree sits a level deeper than the main checkout).
    std::error_code error;
    for (fs::path folder = fs::path(VARNICK_SOURCE_DIR).parent_path(); !folder.empty(); folder = folder.parent_path()) {
        const fs::path candidate = folder / "shared" / "realdata";
        if (fs::is_directory(candidate, error))
            return candidate;
        if (folder == folder.parent_path())
            break;
    }
    return fs::path(VARNICK_SOURCE_DIR) / ".." / "shared" / "realdata";
#else
    return "../shared/realdata";
#endif
}

// Every compressed resource (bytes 4-5 are 10 FB) of the packages below folder.
std::vector<Case> realResources(const fs::path& folder)
{
    std::vector<Case> cases;
    std::error_code error;
    if (!fs::is_directory(folder, error)) {
        std::printf("real data: no folder %s, skipped\n", pathToUtf8(folder).c_str());
        return cases;
    }
    Case all { "real: all resources", {}, {} };
    Case largest { "real: largest resource", {}, {} };
    for (const auto& item : fs::recursive_directory_iterator(folder, error)) {
        if (item.path().extension() != ".package")
            continue;
        try {
            const PackageFile pkg = readPackage(item.path());
            for (const PackageResource& file : pkg.Files) {
                if (!isCompressedResource(file.Data))
                    continue;
                Bytes stored(file.Data.begin(), file.Data.end());
                const kelvora::DecodeResult result = kelvora::decompress(stored);
                if (result.status != kelvora::DecodeStatus::Ok || result.bytes.empty())
                    continue;
                if (largest.stored.empty() || stored.size() > largest.stored[0].size()) {
                    largest.stored = { stored };
                    largest.plain = { result.bytes };
                }
                all.stored.push_back(std::move(stored));
                all.plain.push_back(result.bytes);
            }
        } catch (const std::exception&) {
            // Files of other games' formats are among them; they are not ours to time.
        }
    }
    if (all.stored.empty()) {
        std::printf("real data: no compressed resources in %s, skipped\n", pathToUtf8(folder).c_str());
        return cases;
    }
    std::size_t outputBytes = 0;
    for (const Bytes& plain : all.plain)
        outputBytes += plain.size();
    std::printf("real data: %zu compressed resources, %.2f MB decoded, in %s\n", all.stored.size(),
        static_cast<double>(outputBytes) / 1e6, pathToUtf8(folder).c_str());
    // The five largest resources, each timed as one workload with the others.
    std::vector<std::size_t> order(all.stored.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        order[k] = k;
    std::sort(order.begin(), order.end(),
        [&](std::size_t x, std::size_t y) { return all.stored[x].size() > all.stored[y].size(); });
    Case five { "real: five largest resources", {}, {} };
    for (std::size_t k = 0; k < std::min<std::size_t>(5, order.size()); ++k) {
        five.stored.push_back(all.stored[order[k]]);
        five.plain.push_back(all.plain[order[k]]);
    }
    all.name = "real: all " + std::to_string(all.stored.size()) + " resources";
    cases.push_back(std::move(all));
    cases.push_back(std::move(five));
    cases.push_back(std::move(largest));
    return cases;
}

std::size_t totalSize(const std::vector<Bytes>& parts)
{
    std::size_t total = 0;
    for (const Bytes& part : parts)
        total += part.size();
    return total;
}

void benchDecoder(const Exports& exports, const std::vector<Case>& cases)
{
    std::printf("\nDecoder, output MB/s (ratio = Kelvora core / LZ4)\n");
    std::printf("%-36s %8s %8s %10s %10s %10s %10s %7s\n", "case", "in MB", "out MB", "export", "core", "LZ4", "memcpy",
        "ratio");
    double lowest = 1e30;
    std::string lowestName;
    for (const Case& c : cases) {
        const std::size_t outSize = totalSize(c.plain);
        std::size_t largestOut = 0;
        for (const Bytes& plain : c.plain)
            largestOut = std::max(largestOut, plain.size());

        // The decoder proper, into one buffer kept across calls.
        kelvora::detail::OutputBuffer buffer(largestOut + 1);
        bool same = true;
        std::vector<std::function<void()>> bodies;
        bodies.push_back([&] {
            for (std::size_t k = 0; k < c.stored.size(); ++k) {
                std::size_t length = 0;
                std::size_t position = 0;
                kelvora::detail::decode(c.stored[k], kelvora::kMaxDecodedSize, buffer, length, position);
                same &= length == c.plain[k].size();
            }
        });
        bodies.push_back([&] {
            for (const Bytes& stored : c.stored) {
                KelvoraString result = exports.decompress(stored.data(), static_cast<std::int32_t>(stored.size()));
                kelvoraStringFree(result);
            }
        });
        Bytes from(largestOut, 1);
        Bytes to(largestOut, 0);
        bodies.push_back([&] {
            for (const Bytes& plain : c.plain) {
                std::memcpy(to.data(), from.data(), plain.size());
                // Keep the copy from being optimised away.
                from[plain.size() / 2] = static_cast<std::uint8_t>(to[plain.size() / 3] + 1);
            }
        });
#ifdef VARNICK_HAVE_LZ4
        std::vector<std::vector<char>> packed;
        for (const Bytes& plain : c.plain) {
            std::vector<char> bytes(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(plain.size()))));
            const int n = LZ4_compress_default(reinterpret_cast<const char*>(plain.data()), bytes.data(),
                static_cast<int>(plain.size()), static_cast<int>(bytes.size()));
            bytes.resize(static_cast<std::size_t>(n));
            packed.push_back(std::move(bytes));
        }
        std::vector<char> target(largestOut + 1);
        bodies.push_back([&] {
            for (std::size_t k = 0; k < packed.size(); ++k) {
                const int n = LZ4_decompress_safe(packed[k].data(), target.data(), static_cast<int>(packed[k].size()),
                    static_cast<int>(target.size()));
                same &= n == static_cast<int>(c.plain[k].size());
            }
        });
#endif
        const std::vector<double> seconds = secondsPerCallTogether(bodies);
        const double core = seconds[0];
        const double viaExport = seconds[1];
        const double copy = seconds[2];
        const double lz4 = seconds.size() > 3 ? seconds[3] : 0;
        const double mb = static_cast<double>(outSize) / 1e6;
        char lz4Text[32] = "n/a";
        char ratioText[32] = "n/a";
        if (lz4 > 0) {
            std::snprintf(lz4Text, sizeof lz4Text, "%.0f", mb / lz4);
            std::snprintf(ratioText, sizeof ratioText, "%.2f", lz4 / core);
            if ((c.name.rfind("real:", 0) == 0 || c.name.rfind("level", 0) == 0) && lz4 / core < lowest) {
                lowest = lz4 / core;
                lowestName = c.name;
            }
        }
        std::printf("%-36s %8.2f %8.2f %10.0f %10.0f %10s %10.0f %7s%s\n", c.name.c_str(),
            static_cast<double>(totalSize(c.stored)) / 1e6, mb, mb / viaExport, mb / core, lz4Text, mb / copy,
            ratioText, same ? "" : "  (LENGTH MISMATCH)");
    }
    if (!lowestName.empty())
        std::printf("goal: core >= 0.50 x LZ4 on the real and CompressLevel streams: %s (lowest %.2f, %s)\n",
            lowest >= 0.5 ? "met" : "MISSED", lowest, lowestName.c_str());
}

// --- the goals --------------------------------------------------------

// What the goals are measured on: every resource's contents, and the streams
// the game and other tools wrote.
struct Corpus {
    bool real = false;
    std::string where;
    std::vector<Bytes> contents; ///< every resource's decoded contents
    std::vector<Bytes> written; ///< the compressed resources as stored by their makers
};

Corpus realCorpus(const fs::path& folder)
{
    Corpus corpus;
    std::error_code error;
    if (!fs::is_directory(folder, error))
        return corpus;
    for (const auto& item : fs::recursive_directory_iterator(folder, error)) {
        if (item.path().extension() != ".package")
            continue;
        try {
            const PackageFile pkg = readPackage(item.path());
            for (const PackageResource& file : pkg.Files) {
                Bytes stored(file.Data.begin(), file.Data.end());
                if (!isCompressedResource(file.Data)) {
                    if (!stored.empty())
                        corpus.contents.push_back(std::move(stored));
                    continue;
                }
                kelvora::DecodeResult result = kelvora::decompress(stored);
                if (result.status != kelvora::DecodeStatus::Ok || result.bytes.empty())
                    continue;
                corpus.contents.push_back(std::move(result.bytes));
                corpus.written.push_back(std::move(stored));
            }
        } catch (const std::exception&) {
            // Files of other games' formats are among them.
        }
    }
    corpus.real = !corpus.contents.empty() && !corpus.written.empty();
    corpus.where = pathToUtf8(folder);
    return corpus;
}

// Without the real files: resources shaped like a download folder's (text
// lists, meshes, textures, mixed; a few hundred bytes to a few hundred
// kilobytes), and as "written by other tools" the baseline encoder's streams.
Corpus generatedCorpus()
{
    Corpus corpus;
    Random random(29);
    for (int k = 0; k < 1500; ++k) {
        const std::size_t size = random.below(8) == 0 ? 20000 + random.below(300000) : 200 + random.below(6000);
        const auto seed = static_cast<std::uint64_t>(k);
        switch (k % 4) {
        case 0:
            corpus.contents.push_back(textBytes(size, seed));
            break;
        case 1:
            corpus.contents.push_back(meshBytes(size, seed));
            break;
        case 2:
            corpus.contents.push_back(textureBytes(size, seed));
            break;
        default:
            corpus.contents.push_back(variedBytes(size, seed));
        }
    }
    for (const Bytes& contents : corpus.contents)
        corpus.written.push_back(bench::baselineCompress(contents));
    return corpus;
}

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

// Stored size of each resource at a level as a package keeps it: the stream
// where it is shorter, else the contents as they are.
std::size_t storedSize(const std::vector<Bytes>& contents, const std::function<std::size_t(const Bytes&)>& encode)
{
    std::size_t total = 0;
    for (const Bytes& part : contents)
        total += std::min(encode(part), part.size());
    return total;
}

std::size_t baselineSize(const Bytes& part)
{
    return bench::baselineCompress(part).size();
}

std::size_t levelSize(const Bytes& part, int level)
{
    const auto stored = kelvora::compressLevel(part, level);
    return stored ? stored->size() : part.size();
}

// Every stream of every level, and the baseline's, decodes back with both
// decoders; a benchmark of wrong output would be worthless.
void checkRoundTrips(const std::vector<Bytes>& contents)
{
    for (const Bytes& part : contents) {
        std::vector<Bytes> streams { bench::baselineCompress(part) };
        for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level)
            if (auto stored = kelvora::compressLevel(part, level))
                streams.push_back(std::move(*stored));
        for (const Bytes& stream : streams) {
            const auto viaBaseline = bench::baselineDecompress(stream);
            if (decodedOf(stream) != part || !viaBaseline || *viaBaseline != part) {
                std::fprintf(stderr, "a stream does not decode back to its input\n");
                std::exit(1);
            }
        }
    }
}

// Decodes every stream with the decoder core into one buffer kept across calls.
double decodeAll(const std::vector<Bytes>& streams, kelvora::detail::OutputBuffer& buffer)
{
    std::size_t length = 0;
    std::size_t position = 0;
    double total = 0;
    for (const Bytes& stream : streams) {
        kelvora::detail::decode(stream, kelvora::kMaxDecodedSize, buffer, length, position);
        total += static_cast<double>(length);
    }
    return total;
}

#ifdef VARNICK_HAVE_LZ4
std::vector<std::vector<char>> lz4Streams(const std::vector<Bytes>& contents)
{
    std::vector<std::vector<char>> packed;
    for (const Bytes& plain : contents) {
        std::vector<char> bytes(static_cast<std::size_t>(LZ4_compressBound(static_cast<int>(plain.size()))));
        const int n = LZ4_compress_default(reinterpret_cast<const char*>(plain.data()), bytes.data(),
            static_cast<int>(plain.size()), static_cast<int>(bytes.size()));
        bytes.resize(static_cast<std::size_t>(n));
        packed.push_back(std::move(bytes));
    }
    return packed;
}

double lz4DecodeAll(const std::vector<std::vector<char>>& packed, std::vector<char>& target)
{
    double total = 0;
    for (const std::vector<char>& stream : packed)
        total += LZ4_decompress_safe(
            stream.data(), target.data(), static_cast<int>(stream.size()), static_cast<int>(target.size()));
    return total;
}
#endif

// How much smaller any parse can make these resources: the cheapest path
// through the nearest match of every length, each at its exact price, with
// the tree search bounded at 512 nodes and unbounded (when the two agree, no
// search finds more). Timed once; its streams decode back with both decoders
// like every level's.
void benchCeiling(const std::vector<Bytes>& contents, std::size_t baseline, double level9Gain)
{
    std::printf("  how small a parse can make them (the format has no entropy coding: a code's size is fixed by\n"
                "  its length and offset, so only the choice of copies is left to an encoder):\n");
    for (const int depth : { 512, std::numeric_limits<int>::max() }) {
        std::size_t total = 0;
        const auto start = std::chrono::steady_clock::now();
        for (const Bytes& part : contents) {
            const auto stored = kelvora::detail::compressWithDeepSearch(part, depth);
            if (stored && (decodedOf(*stored) != part || bench::baselineDecompress(*stored) != part)) {
                std::fprintf(stderr, "a stream does not decode back to its input\n");
                std::exit(1);
            }
            total += stored ? std::min(stored->size(), part.size()) : part.size();
        }
        const double spent = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        const double gain = 1.0 - static_cast<double>(total) / static_cast<double>(baseline);
        std::printf("  %-58s %8s %8.1f%% %8.2f  (level 9: %.1f%%)\n",
            depth == 512 ? "cheapest path, search of at most 512 nodes per position"
                         : "cheapest path, unbounded search (the format's limit)",
            "", 100 * gain, static_cast<double>(totalSize(contents)) / 1e6 / spent, 100 * level9Gain);
    }
}

void benchGoals(const Corpus& corpus, int rounds)
{
    const double original = static_cast<double>(totalSize(corpus.contents));
    std::printf("Goals on %s: %zu resources, %.2f MB, each compressed on its own and kept uncompressed where that\n"
                "is not smaller; %zu streams as written by %s\n",
        corpus.real ? ("the real packages in " + corpus.where).c_str()
                    : "GENERATED data (no real packages found; --realdata DIR)",
        corpus.contents.size(), original / 1e6, corpus.written.size(),
        corpus.real ? "the game and other tools" : "the baseline encoder (standing in for other tools)");
    checkRoundTrips(corpus.contents);

    // Every level beside the baseline, timed in alternating rounds.
    std::vector<std::size_t> sizes(1 + kelvora::kMaxLevel);
    std::vector<std::function<void()>> encoders = { [&] { sizes[0] = storedSize(corpus.contents, baselineSize); } };
    for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
        encoders.push_back([&sizes, &corpus, level] {
            sizes[static_cast<std::size_t>(level)]
                = storedSize(corpus.contents, [level](const Bytes& part) { return levelSize(part, level); });
        });
    }
    const std::vector<double> encode = secondsPerCallTogether(encoders, rounds);
    const double mb = original / 1e6;
    std::printf("  %-58s %8s %9s %8s %9s\n", "encoder", "stored", "smaller", "MB/s", "speed");
    std::printf("  %-58s %8.4f %9s %8.1f %9s\n", "baseline (chains of 32, lazy to 16, nice 32, 128 KiB)",
        static_cast<double>(sizes[0]) / original, "-", mb / encode[0], "1.00 x");
    std::vector<double> gain(sizes.size());
    for (std::size_t level = 1; level < sizes.size(); ++level) {
        gain[level] = 1.0 - static_cast<double>(sizes[level]) / static_cast<double>(sizes[0]);
        std::printf("  %-58s %8.4f %8.1f%% %8.1f %7.2f x\n", ("level " + std::to_string(level)).c_str(),
            static_cast<double>(sizes[level]) / original, 100 * gain[level], mb / encode[level],
            encode[0] / encode[level]);
    }
    std::printf("  %-58s %.1f%% smaller at %.2f x its speed: %s\n",
        "goal: level 6 >= 5% smaller than the baseline at >= its speed", 100 * gain[6], encode[0] / encode[6],
        verdict(gain[6] >= 0.05 && encode[6] <= encode[0]));
    std::printf("  %-58s %.1f%% smaller at %.1f MB/s: %s\n", "goal: level 9 >= 8% smaller at >= 10 MB/s", 100 * gain[9],
        mb / encode[9], verdict(gain[9] >= 0.08 && mb / encode[9] >= 10));
    benchCeiling(corpus.contents, sizes[0], gain[9]);

    std::size_t largest = 0;
    for (const Bytes& part : corpus.contents)
        largest = std::max(largest, part.size());
    kelvora::detail::OutputBuffer buffer(largest + 1);
    double sink = 0;
    const std::vector<std::function<void()>> decoders = {
        [&] { sink += decodeAll(corpus.written, buffer); },
        [&] {
            for (const Bytes& stream : corpus.written)
                sink += static_cast<double>(bench::baselineDecompress(stream)->size());
        },
    };
    // Decoding all of them takes milliseconds: more rounds cost little and
    // steady the best of each against a busy machine.
    const std::vector<double> decode = secondsPerCallTogether(decoders, 4 * rounds);
    std::size_t writtenOut = 0;
    for (const Bytes& stream : corpus.written)
        writtenOut += (std::size_t { stream[6] } << 16) | (std::size_t { stream[7] } << 8) | stream[8];
    const double outMb = static_cast<double>(writtenOut) / 1e6;
    std::printf("  %-58s %6.0f MB/s, baseline decoder %6.0f MB/s: %.2f x: %s\n",
        corpus.real ? "goal: decoder >= 2 x the baseline's on the streams as written"
                    : "goal: decoder >= 2 x the baseline's on its streams",
        outMb / decode[0], outMb / decode[1], decode[1] / decode[0], verdict(decode[1] / decode[0] >= 2));

#ifdef VARNICK_HAVE_LZ4
    // LZ4 decoding the same contents, beside the decoder on the streams as
    // written and on level 6's streams of every resource.
    std::vector<Bytes> written;
    std::vector<Bytes> writtenContents;
    for (const Bytes& stream : corpus.written) {
        writtenContents.push_back(decodedOf(stream));
        written.push_back(stream);
    }
    std::vector<Bytes> level6;
    std::vector<Bytes> level6Contents;
    for (const Bytes& part : corpus.contents) {
        if (auto stored = kelvora::compressLevel(part, 6)) {
            level6.push_back(std::move(*stored));
            level6Contents.push_back(part);
        }
    }
    // The goal is on the streams as written; level 6's streams of every
    // resource are shown beside them.
    std::vector<char> target(largest + 1);
    std::vector<double> ratios;
    for (const auto& [name, streams, contents] :
        { std::tuple { "goal: decoder >= 0.6 x LZ4 on all the streams as written", &written, &writtenContents },
            std::tuple { "decoder on level 6's streams of every resource, against LZ4", &level6, &level6Contents } }) {
        const auto packed = lz4Streams(*contents);
        const std::vector<double> against = secondsPerCallTogether(
            { [&] { sink += decodeAll(*streams, buffer); }, [&] { sink += lz4DecodeAll(packed, target); } },
            4 * rounds);
        const double contentMb = static_cast<double>(totalSize(*contents)) / 1e6;
        ratios.push_back(against[1] / against[0]);
        std::printf("  %-58s %6.0f MB/s, LZ4 %6.0f MB/s: %.2f x%s%s\n", name, contentMb / against[0],
            contentMb / against[1], against[1] / against[0], ratios.size() == 1 ? ": " : "",
            ratios.size() == 1 ? verdict(ratios[0] >= 0.6) : "");
    }
#else
    std::printf("  decoder against LZ4: not measured (built without liblz4)\n");
#endif
    if (sink < 0)
        std::printf("never\n");
}

struct Input {
    std::string name;
    std::vector<Bytes> parts;
};

void benchLevels(const std::vector<Input>& inputs)
{
    std::printf("\nCompressLevel: stored / original size (MB/s of input), beside the block encoder (16 units)\n"
                "and a greedy 2-byte hash chain of 50 candidates; L9 gain = 1 - L9 / chain\n");
    std::printf("%-20s", "input");
    for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level)
        std::printf("  %12s%d", "level ", level);
    std::printf("  %8s %8s %8s\n", "block", "chain50", "L9 gain");
    std::string slowLevel1;
    std::string smallGain;
    for (const Input& input : inputs) {
        const double original = static_cast<double>(totalSize(input.parts));
        std::printf("%-20s", input.name.c_str());
        double level9 = 0;
        for (int level = kelvora::kMinLevel; level <= kelvora::kMaxLevel; ++level) {
            double stored = 0;
            bool exact = true;
            const double seconds = secondsPerCall([&] {
                stored = 0;
                for (const Bytes& part : input.parts) {
                    const auto packed = kelvora::compressLevel(part, level);
                    stored += static_cast<double>(packed ? packed->size() : part.size());
                }
            });
            for (const Bytes& part : input.parts) {
                if (const auto packed = kelvora::compressLevel(part, level))
                    exact &= decodedOf(*packed) == part;
            }
            if (level == kelvora::kMaxLevel)
                level9 = stored;
            if (level == kelvora::kMinLevel && original / 1e6 / seconds < 100
                && (input.name.rfind("text", 0) == 0 || input.name.rfind("mesh", 0) == 0))
                slowLevel1 += " " + input.name;
            std::printf("  %5.3f (%5.0f)%s", stored / original, original / 1e6 / seconds, exact ? "" : "!");
        }
        double block = 0;
        double chain = 0;
        for (const Bytes& part : input.parts) {
            block += static_cast<double>(std::min(kelvora::compress(part, 16).size(), part.size()));
            chain += static_cast<double>(std::min(chainStream(part, 2, 50).size(), part.size()));
        }
        std::printf("  %8.3f %8.3f %7.1f%%\n", block / original, chain / original, 100.0 * (1.0 - level9 / chain));
        if (1.0 - level9 / chain < 0.05)
            smallGain += " " + input.name;
    }
    std::printf("goal: level 1 >= 100 MB/s on text and binary (mesh): %s%s\n", slowLevel1.empty() ? "met" : "MISSED on",
        slowLevel1.c_str());
    std::printf("goal: level 9 >= 5%% smaller than the 2-byte chain of 50: %s%s\n",
        smallGain.empty() ? "met" : "MISSED on", smallGain.c_str());
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
    fs::path realdata;
    std::string only;
    int rounds = 5;
    for (int k = 1; k < argc; ++k) {
        const std::string option = argv[k];
        if (option == "--help" || option == "-h" || k + 1 >= argc) {
            std::printf("Usage: bench_codec [--realdata DIR] [--seconds S] [--rounds N] [--clock wall|cpu] "
                        "[--only goals|decoder|levels|encoder]\n"
                        "Each figure is the best of N alternating rounds with its baselines (default 5), each\n"
                        "round at least S / N seconds (default 0.4); --clock cpu times by the thread's processor\n"
                        "time where the system can, which busy neighbours on a shared machine distort less.\n"
                        "The real packages are looked for in --realdata, $VARNICK_REALDATA, or a folder\n"
                        "shared/realdata beside the source tree or one of its parents; without them the goals\n"
                        "are measured on generated data, and the output says so.\n");
            return option == "--help" || option == "-h" ? 0 : 1;
        }
        const char* value = argv[++k];
        if (option == "--realdata")
            realdata = pathFromUtf8(value);
        else if (option == "--seconds")
            gSeconds = std::max(0.04, std::atof(value));
        else if (option == "--rounds")
            rounds = std::max(1, std::atoi(value));
        else if (option == "--clock")
            gCpuClock = std::string(value) == "cpu";
        else if (option == "--only")
            only = value;
    }
    const Exports exports = loadExports();
    const fs::path realFolder = findRealData(realdata);
#ifdef _WIN32
    gCpuClock = false;
#endif
    std::printf("timed by the %s\n", gCpuClock ? "thread's processor time" : "wall clock");

    if (only.empty() || only == "goals") {
        Corpus corpus = realCorpus(realFolder);
        if (!corpus.real)
            corpus = generatedCorpus();
        benchGoals(corpus, rounds);
        if (only == "goals")
            return 0;
    }

    std::vector<Input> inputs = {
        { "text 1 MB", { textBytes(1 << 20, 3) } },
        { "mesh 2 MB", { meshBytes(2 << 20, 1) } },
        { "texture 4 MB", { textureBytes(4 << 20, 2) } },
        { "varied 4 MB", { variedBytes(4 << 20, 4) } },
    };
    std::vector<Case> cases;
    for (Case& real : realResources(realFolder)) {
        if (real.stored.size() > 1)
            inputs.push_back({ real.stored.size() > 5 ? "real: all" : "real: five largest", real.plain });
        cases.push_back(std::move(real));
    }
    for (const Input& input : inputs) {
        if (input.parts.size() == 1)
            cases.push_back(caseOf("level 6: " + input.name, levelStream(input.parts[0], 6)));
    }
    cases.push_back(caseOf("level 1: varied 4 MB", levelStream(inputs[3].parts[0], 1)));
    cases.push_back(caseOf("level 9: varied 4 MB", levelStream(inputs[3].parts[0], 9)));
    {
        const Bytes random = randomBytes(4 << 20, 5);
        Bytes stored = header();
        emitLiterals(stored, random.data(), random.size());
        cases.push_back(caseOf("worst: literal runs only", std::move(stored)));
    }
    cases.push_back(
        caseOf("worst: 3-byte copies, offset 2", repeatedCodes({ 0xE0, 1, 2, 3, 4 }, { 0x00, 0x01 }, 1 << 20)));
    cases.push_back(
        caseOf("worst: 1028-byte runs, offset 1", repeatedCodes({ 0xE0, 1, 2, 3, 4 }, { 0xCC, 0, 0, 0xFF }, 8000)));
    cases.push_back(caseOf("worst: 1028-byte runs, offset 5",
        repeatedCodes({ 0xE1, 1, 2, 3, 4, 5, 6, 7, 8 }, { 0xCC, 0, 4, 0xFF }, 8000)));
    {
        // 1028-byte copies from 100,000 bytes back, over random data.
        const Bytes random = randomBytes(100000, 6);
        Bytes stored = header();
        emitLiterals(stored, random.data(), random.size());
        for (int k = 0; k < 8000; ++k)
            emitCopy(stored, nullptr, 0, 100000, 1028);
        cases.push_back(caseOf("worst: far 1028-byte copies", std::move(stored)));
    }
    if (only.empty() || only == "decoder")
        benchDecoder(exports, cases);
    if (only.empty() || only == "levels")
        benchLevels(inputs);
    if (only.empty() || only == "encoder")
        benchEncoder(exports);
    return 0;
}
