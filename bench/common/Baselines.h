#pragma once

// The baselines the benchmarks measure against in the same run, and the
// memory figure they print, in one place so that every ratio is to the same loop.

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace varnick::bench {

/// The least a package reader can do: open, read the 96 header bytes and the
/// index range, close. Returns a checksum that keeps the work alive; aborts on
/// a file that is not a package (the benchmarks make their own files).
std::uint64_t bareIndexRead(const std::filesystem::path& file, std::vector<char>& buffer);

/// A plain read of the whole file; returns a checksum.
std::uint64_t plainWholeRead(const std::filesystem::path& file);

/// The wall-clock seconds fn takes.
template <typename Fn> double seconds(Fn&& fn)
{
    const auto start = std::chrono::steady_clock::now();
    fn();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

/// Empties the system's page cache (after writing back what is dirty), so that
/// the next reads come from the disk: `sync; echo 3 > /proc/sys/vm/drop_caches`,
/// which only root may do on Linux. Returns false, with the reason in why,
/// where the machine does not allow it.
bool dropPageCache(std::string& why);

/// A plain loop over files as the system lists them (each folder's entries in
/// the order the folder gives them, folders depth first): open, read whole,
/// close. Returns a checksum.
std::uint64_t plainTreeRead(const std::filesystem::path& root);

/// "met" when ratio is at most goal, else "MISSED": the word every benchmark
/// prints beside a goal of the form "at most goal times the baseline".
inline const char* verdictAtMost(double ratio, double goal)
{
    return ratio <= goal ? "met" : "MISSED";
}

/// Peak resident memory of the process so far, in bytes; 0 where it cannot be asked.
std::int64_t peakResidentBytes();

} // namespace varnick::bench
