// Fuzzes the reading of the library index's stored rows. The index is a cache
// in the player's data folder that another copy of the program, an older
// version or a hand edit may have written: each column of a stored package
// takes a value drawn from the input (any type, any size), and reading the
// records back, classifying from them and building the review must neither
// crash nor trust a value it cannot use.
#include "app/health/core/HealthReport.h"
#include "app/health/index/LibraryIndex.h"
#include "package/base/ErrorTrap.h"

#include <sqlite3.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

using namespace varnick;
using namespace varnick::health;

namespace {

// Takes the input piece by piece: a type byte, then a length-prefixed value.
class Input {
public:
    Input(const std::uint8_t* data, std::size_t size)
        : mData(data)
        , mSize(size)
    {
    }
    bool empty() const { return mAt >= mSize; }
    std::uint8_t byte() { return mAt < mSize ? mData[mAt++] : 0; }
    std::string bytes()
    {
        const std::size_t want = byte();
        const std::size_t take = std::min(want, mSize - std::min(mAt, mSize));
        std::string text(reinterpret_cast<const char*>(mData) + mAt, take);
        mAt += take;
        return text;
    }
    std::int64_t integer()
    {
        std::uint64_t value = 0;
        for (int i = 0; i < 8; ++i)
            value = value << 8 | byte();
        return static_cast<std::int64_t>(value);
    }

private:
    const std::uint8_t* mData;
    std::size_t mSize;
    std::size_t mAt = 0;
};

// Binds column (1-based) to a value of the type the input picks.
void bindFrom(sqlite3_stmt* statement, int column, Input& input)
{
    switch (input.byte() % 5) {
    case 0:
        sqlite3_bind_int64(statement, column, input.integer());
        break;
    case 1:
        sqlite3_bind_int64(statement, column, static_cast<std::int8_t>(input.byte()));
        break;
    case 2: {
        const std::string text = input.bytes();
        sqlite3_bind_text(statement, column, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    case 3: {
        const std::string blob = input.bytes();
        sqlite3_bind_blob(statement, column, blob.data(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
        break;
    }
    default:
        sqlite3_bind_double(statement, column, static_cast<double>(input.integer()) / 7.0);
        break;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
#ifdef _WIN32
    static const std::filesystem::path file = std::filesystem::temp_directory_path() / "fuzz-library.index";
#else
    static const std::filesystem::path file
        = std::filesystem::temp_directory_path() / ("fuzz-library-" + std::to_string(::getpid()) + ".index");
#endif
    // An empty index as the program makes it, made once and copied for each input.
    static const std::string empty = [] {
        std::error_code ignored;
        for (const char* suffix : { "", "-wal", "-shm" })
            std::filesystem::remove(file.string() + suffix, ignored);
        {
            const LibraryIndex create(file);
        }
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }();
    {
        std::error_code ignored;
        for (const char* suffix : { "-wal", "-shm" })
            std::filesystem::remove(file.string() + suffix, ignored);
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(empty.data(), static_cast<std::streamsize>(empty.size()));
    }

    sqlite3* db = nullptr;
    if (sqlite3_open(file.string().c_str(), &db) != SQLITE_OK)
        std::abort();
    sqlite3_exec(db, "PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
    sqlite3_stmt* insert = nullptr;
    // Without the column constraints' help: the index file may come from anywhere.
    sqlite3_exec(db, "PRAGMA ignore_check_constraints=ON", nullptr, nullptr, nullptr);
    sqlite3_prepare_v2(
        db, "INSERT OR REPLACE INTO packages VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)", -1, &insert, nullptr);
    Input input(data, size);
    for (int row = 0; row < 8 && !input.empty(); ++row) {
        for (int column = 1; column <= 15; ++column)
            bindFrom(insert, column, input);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_stmt* game = nullptr;
    sqlite3_prepare_v2(db, "INSERT OR REPLACE INTO game_guids VALUES(?)", -1, &game, nullptr);
    for (int row = 0; row < 4 && !input.empty(); ++row) {
        bindFrom(game, 1, input);
        sqlite3_step(game);
        sqlite3_reset(game);
    }
    sqlite3_finalize(game);
    sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_close(db);

    try {
        const LibraryIndex index(file);
        std::vector<PackageRecord> records;
        for (auto& [path, record] : index.records()) {
            // A kept phrase always says the row's English.
            if (record.errorPhrase && record.errorPhrase->english() != record.error)
                std::abort();
            records.push_back(std::move(record));
        }
        // A text of n bytes holds at most n / 9 + 1 GUIDs; anything more was made up.
        for (const auto& [path, stored] : index.classifications())
            if (stored.materialGuids.size() > 256 / 9 + 1)
                std::abort();
        const std::vector<std::uint32_t> guids = index.gameGuids();
        const HealthReport report = analyseLibrary("/library", records, guids, {});
        (void)healthCsv(report);
    } catch (const Failure&) {
        // A database failing mid-read is reported; the next scan rebuilds.
    }
    return 0;
}
