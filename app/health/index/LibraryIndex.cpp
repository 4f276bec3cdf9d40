#include "app/health/index/LibraryIndex.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Folders.h"
#include "package/base/Paths.h"
#include "package/base/PhraseCode.h"

#include <sqlite3.h>

#include <charconv>
#include <cstdio>
#include <system_error>

namespace varnick::health {

namespace {

[[noreturn]] void databaseFailure(sqlite3* db, const std::string& what)
{
    // The step's name and the database's own message are technical pieces, left as they are.
    throw Failure(ErrorCode::FileWriteFailed,
        Phrase(VARNICK_PHRASE("LibraryIndex", "The library index failed (%1): %2"),
            { what, std::string(db != nullptr ? sqlite3_errmsg(db) : "no database") }));
}

// One prepared statement, finalised when it goes out of scope.
class Statement {
public:
    Statement(sqlite3* db, const char* sql)
        : mDb(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &mStatement, nullptr) != SQLITE_OK)
            databaseFailure(db, "prepare");
    }
    ~Statement() { sqlite3_finalize(mStatement); }
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    void bind(int column, const std::string& text)
    {
        sqlite3_bind_text(mStatement, column, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    /// Binds text that stays alive and unchanged until the statement is stepped (no copy).
    void bindLasting(int column, const std::string& text)
    {
        sqlite3_bind_text(mStatement, column, text.data(), static_cast<int>(text.size()), SQLITE_STATIC);
    }
    void bind(int column, std::int64_t value) { sqlite3_bind_int64(mStatement, column, value); }
    void bindNull(int column) { sqlite3_bind_null(mStatement, column); }
    /// Steps once: true while a row is there, false when done.
    bool step()
    {
        const int result = sqlite3_step(mStatement);
        if (result == SQLITE_ROW)
            return true;
        if (result != SQLITE_DONE)
            databaseFailure(mDb, "step");
        return false;
    }
    void reset()
    {
        sqlite3_reset(mStatement);
        sqlite3_clear_bindings(mStatement);
    }
    std::int64_t integer(int column) const { return sqlite3_column_int64(mStatement, column); }
    bool isNull(int column) const { return sqlite3_column_type(mStatement, column) == SQLITE_NULL; }
    std::string text(int column) const
    {
        const auto* bytes = reinterpret_cast<const char*>(sqlite3_column_text(mStatement, column));
        return bytes != nullptr ? std::string(bytes, static_cast<std::size_t>(sqlite3_column_bytes(mStatement, column)))
                                : std::string();
    }

private:
    sqlite3* mDb;
    sqlite3_stmt* mStatement = nullptr;
};

std::string guidsText(const std::vector<std::uint32_t>& guids)
{
    std::string text;
    for (std::uint32_t guid : guids) {
        char hex[10];
        std::snprintf(hex, sizeof hex, "%08X ", static_cast<unsigned>(guid));
        text += hex;
    }
    return text;
}

// Whether a stored kind is one this version writes. A row with any other (a
// newer version's, or a damaged file's) is left out, so that the scan reads
// its package again instead of trusting a classification it cannot use.
bool isKnownKind(std::int64_t kind)
{
    return kind >= static_cast<std::int64_t>(PackageKind::Other)
        && kind <= static_cast<std::int64_t>(PackageKind::Broken);
}

std::vector<std::uint32_t> guidsFromText(const std::string& text)
{
    std::vector<std::uint32_t> guids;
    // A field that is not as written (a file edited by hand) gives what parses; the index is a cache.
    for (std::size_t at = 0; at + 8 <= text.size(); at += 9) {
        std::uint32_t guid = 0;
        const auto parsed = std::from_chars(text.data() + at, text.data() + at + 8, guid, 16);
        if (parsed.ec == std::errc() && parsed.ptr == text.data() + at + 8)
            guids.push_back(guid);
    }
    return guids;
}

void removeDatabaseFiles(const std::filesystem::path& file)
{
    std::error_code ignored;
    for (const char* suffix : { "", "-wal", "-shm", "-journal" })
        std::filesystem::remove(file.string() + suffix, ignored);
}

} // namespace

std::filesystem::path defaultIndexFile(const std::filesystem::path& root)
{
    std::uint64_t hash = 14695981039346656037ULL;
    for (unsigned char c : pathToUtf8(root.lexically_normal())) {
        hash ^= c;
        hash *= 1099511628211ULL;
    }
    char name[40];
    std::snprintf(name, sizeof name, "library-%016llx.sqlite", static_cast<unsigned long long>(hash));
    return userDataFolder() / "index" / name;
}

LibraryIndex::LibraryIndex(const std::filesystem::path& file, int busyTimeoutMs)
{
    if (!file.empty()) {
        std::error_code ignored;
        std::filesystem::create_directories(file.parent_path(), ignored);
        const bool existed = std::filesystem::exists(file, ignored);
        if (tryOpen(file, busyTimeoutMs)) {
            mPersistent = true;
            return;
        }
        // Damaged, foreign, outdated or locked: never trusted, built anew.
        mRebuilt = existed;
        removeDatabaseFiles(file);
        if (tryOpen(file, busyTimeoutMs)) {
            mPersistent = true;
            return;
        }
    }
    // The file cannot be used at all (a read-only folder, another instance
    // holding it): this run keeps its index in memory.
    if (sqlite3_open(":memory:", &mDb) != SQLITE_OK)
        databaseFailure(mDb, "open in memory");
    createSchema();
}

LibraryIndex::~LibraryIndex()
{
    close();
}

void LibraryIndex::close() noexcept
{
    if (mDb != nullptr)
        sqlite3_close_v2(mDb);
    mDb = nullptr;
}

bool LibraryIndex::tryOpen(const std::filesystem::path& file, int busyTimeoutMs)
{
    try {
        const std::string name = pathToUtf8(file);
        if (sqlite3_open_v2(
                name.c_str(), &mDb, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_FULLMUTEX, nullptr)
            != SQLITE_OK)
            databaseFailure(mDb, "open");
        sqlite3_busy_timeout(mDb, busyTimeoutMs);
        {
            Statement check(mDb, "PRAGMA quick_check");
            if (!check.step() || check.text(0) != "ok")
                return close(), false;
        }
        {
            Statement mode(mDb, "PRAGMA journal_mode=WAL");
            if (!mode.step() || mode.text(0) != "wal")
                return close(), false;
        }
        // A cache: a file damaged by a crash fails the check above and is
        // rebuilt, so writes need not wait for the disk.
        exec("PRAGMA synchronous=OFF");
        {
            Statement tables(mDb, "SELECT count(*) FROM sqlite_master");
            tables.step();
            if (tables.integer(0) == 0) {
                createSchema();
                return true;
            }
        }
        {
            Statement version(mDb, "SELECT value FROM meta WHERE key='schema'");
            if (version.step() && version.text(0) == std::to_string(kIndexSchemaVersion))
                return true;
        }
        if (!upgradeSchema())
            return close(), false;
        return true;
    } catch (const Failure&) {
        close();
        return false;
    }
}

void LibraryIndex::exec(const char* sql) const
{
    char* message = nullptr;
    if (sqlite3_exec(mDb, sql, nullptr, nullptr, &message) != SQLITE_OK) {
        const std::string text = message != nullptr ? message : "unknown";
        sqlite3_free(message);
        throw Failure(ErrorCode::FileWriteFailed,
            Phrase(VARNICK_PHRASE("LibraryIndex", "The library index failed: %1"), { text }));
    }
}

void LibraryIndex::createSchema()
{
    exec("BEGIN IMMEDIATE");
    try {
        exec("CREATE TABLE IF NOT EXISTS meta(key TEXT PRIMARY KEY, value TEXT NOT NULL);"
             "CREATE TABLE IF NOT EXISTS packages(path TEXT PRIMARY KEY, size INTEGER NOT NULL,"
             " mtime INTEGER NOT NULL, kind INTEGER NOT NULL, guids TEXT NOT NULL, name BLOB NOT NULL,"
             " object_guid INTEGER, hash TEXT NOT NULL, error TEXT NOT NULL, has_name INTEGER NOT NULL,"
             " description BLOB NOT NULL, shown_guid INTEGER NOT NULL, material_guids TEXT NOT NULL,"
             " index_kind INTEGER NOT NULL, error_phrase TEXT NOT NULL DEFAULT '') WITHOUT ROWID;"
             "CREATE TABLE IF NOT EXISTS game_guids(guid INTEGER PRIMARY KEY);");
        exec(("INSERT OR REPLACE INTO meta VALUES('schema','" + std::to_string(kIndexSchemaVersion) + "')").c_str());
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

bool LibraryIndex::upgradeSchema()
{
    // Another instance may be upgrading the same file: the version is read
    // again inside the transaction that changes it.
    exec("BEGIN IMMEDIATE");
    try {
        std::string version;
        {
            Statement select(mDb, "SELECT value FROM meta WHERE key='schema'");
            if (select.step())
                version = select.text(0);
        }
        if (version == "2") {
            // Version 2's rows keep their reasons' English, shown as before;
            // a scan that reads a package again stores its phrase.
            exec("ALTER TABLE packages ADD COLUMN error_phrase TEXT NOT NULL DEFAULT ''");
            exec(("UPDATE meta SET value='" + std::to_string(kIndexSchemaVersion) + "' WHERE key='schema'").c_str());
        } else if (version != std::to_string(kIndexSchemaVersion)) {
            sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
            return false;
        }
        exec("COMMIT");
        return true;
    } catch (...) {
        sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::unordered_map<std::string, PackageRecord> LibraryIndex::records() const
{
    return recordsIn({}, false);
}

std::unordered_map<std::string, PackageRecord> LibraryIndex::recordsIn(const std::string& folder) const
{
    return recordsIn(folder, true);
}

std::unordered_map<std::string, PackageRecord> LibraryIndex::recordsIn(const std::string& folder, bool directOnly) const
{
    std::unordered_map<std::string, PackageRecord> result;
    // Paths below folder sort from folder up to (not including) folder with
    // its last '/' raised to '0', the next byte; the primary key's order finds them.
    std::string end = folder.empty() ? std::string() : folder.substr(0, folder.size() - 1) + '0';
    static constexpr const char* kColumns
        = "SELECT path, size, mtime, kind, guids, name, object_guid, hash, error,"
          " has_name, description, shown_guid, material_guids, index_kind, error_phrase FROM packages";
    const std::string query
        = folder.empty() ? std::string(kColumns) : std::string(kColumns) + " WHERE path >= ?1 AND path < ?2";
    Statement select(mDb, query.c_str());
    if (!folder.empty()) {
        select.bind(1, folder);
        select.bind(2, end);
    }
    while (select.step()) {
        if (directOnly) {
            const std::string path = select.text(0);
            if (path.find('/', folder.size()) != std::string::npos)
                continue;
        }
        if (!isKnownKind(select.integer(3)) || !isKnownKind(select.integer(13)))
            continue;
        PackageRecord record;
        record.relativePath = select.text(0);
        record.size = select.integer(1);
        record.modifiedTime = select.integer(2);
        record.kind = static_cast<PackageKind>(select.integer(3));
        record.guids = guidsFromText(select.text(4));
        record.name = select.text(5);
        if (!select.isNull(6))
            record.objectGuid = static_cast<std::uint32_t>(select.integer(6));
        record.hash = select.text(7);
        record.error = select.text(8);
        record.hasName = select.integer(9) != 0;
        record.description = select.text(10);
        record.shownGuid = static_cast<std::uint32_t>(select.integer(11));
        record.materialGuids = guidsFromText(select.text(12));
        record.indexKind = static_cast<PackageKind>(select.integer(13));
        // A phrase that does not say the stored English (damaged, or not this
        // row's) is not trusted: the English is shown as it is.
        record.errorPhrase = decodePhrase(select.text(14));
        if (record.errorPhrase && record.errorPhrase->english() != record.error)
            record.errorPhrase.reset();
        std::string key = record.relativePath;
        result.emplace(std::move(key), std::move(record));
    }
    return result;
}

std::unordered_map<std::string, StoredClassification> LibraryIndex::classifications() const
{
    std::unordered_map<std::string, StoredClassification> result;
    Statement select(mDb, "SELECT path, size, mtime, kind, index_kind, material_guids FROM packages");
    while (select.step()) {
        if (!isKnownKind(select.integer(3)) || !isKnownKind(select.integer(4)))
            continue;
        StoredClassification stored;
        stored.size = select.integer(1);
        stored.modifiedTime = select.integer(2);
        stored.kind = static_cast<PackageKind>(select.integer(3));
        stored.indexKind = static_cast<PackageKind>(select.integer(4));
        stored.materialGuids = guidsFromText(select.text(5));
        result.emplace(select.text(0), std::move(stored));
    }
    return result;
}

void LibraryIndex::update(const std::vector<PackageRecord>& changed, const std::vector<std::string>& removed)
{
    std::vector<const PackageRecord*> records;
    records.reserve(changed.size());
    for (const PackageRecord& record : changed)
        records.push_back(&record);
    update(records, removed);
}

void LibraryIndex::update(const std::vector<const PackageRecord*>& changed, const std::vector<std::string>& removed)
{
    if (changed.empty() && removed.empty())
        return;
    exec("BEGIN IMMEDIATE");
    try {
        Statement insert(mDb, "INSERT OR REPLACE INTO packages VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)");
        for (const PackageRecord* stored : changed) {
            const PackageRecord& record = *stored;
            insert.bindLasting(1, record.relativePath);
            insert.bind(2, record.size);
            insert.bind(3, record.modifiedTime);
            insert.bind(4, static_cast<std::int64_t>(record.kind));
            insert.bind(5, guidsText(record.guids));
            insert.bindLasting(6, record.name);
            if (record.objectGuid)
                insert.bind(7, static_cast<std::int64_t>(*record.objectGuid));
            else
                insert.bindNull(7);
            insert.bindLasting(8, record.hash);
            insert.bindLasting(9, record.error);
            insert.bind(10, std::int64_t { record.hasName ? 1 : 0 });
            insert.bindLasting(11, record.description);
            insert.bind(12, static_cast<std::int64_t>(record.shownGuid));
            insert.bind(13, guidsText(record.materialGuids));
            insert.bind(14, static_cast<std::int64_t>(record.indexKind));
            insert.bind(15, record.errorPhrase ? encodePhrase(*record.errorPhrase) : std::string());
            insert.step();
            insert.reset();
        }
        Statement erase(mDb, "DELETE FROM packages WHERE path=?");
        for (const std::string& path : removed) {
            erase.bind(1, path);
            erase.step();
            erase.reset();
        }
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

void LibraryIndex::setHashes(const std::vector<std::pair<std::string, std::string>>& pathAndHash)
{
    if (pathAndHash.empty())
        return;
    exec("BEGIN IMMEDIATE");
    try {
        Statement set(mDb, "UPDATE packages SET hash=? WHERE path=?");
        for (const auto& [path, hash] : pathAndHash) {
            set.bind(1, hash);
            set.bind(2, path);
            set.step();
            set.reset();
        }
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

std::string LibraryIndex::gameSignature() const
{
    Statement select(mDb, "SELECT value FROM meta WHERE key='game'");
    return select.step() ? select.text(0) : std::string();
}

std::vector<std::uint32_t> LibraryIndex::gameGuids() const
{
    std::vector<std::uint32_t> guids;
    Statement select(mDb, "SELECT guid FROM game_guids");
    while (select.step())
        guids.push_back(static_cast<std::uint32_t>(select.integer(0)));
    return guids;
}

void LibraryIndex::setGameGuids(const std::string& signature, const std::vector<std::uint32_t>& guids)
{
    exec("BEGIN IMMEDIATE");
    try {
        exec("DELETE FROM game_guids");
        Statement insert(mDb, "INSERT OR IGNORE INTO game_guids VALUES(?)");
        for (std::uint32_t guid : guids) {
            insert.bind(1, static_cast<std::int64_t>(guid));
            insert.step();
            insert.reset();
        }
        Statement meta(mDb, "INSERT OR REPLACE INTO meta VALUES('game',?)");
        meta.bind(1, signature);
        meta.step();
        exec("COMMIT");
    } catch (...) {
        sqlite3_exec(mDb, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
}

} // namespace varnick::health
