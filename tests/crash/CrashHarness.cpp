// crash_harness: kills varnick-cli (SIGKILL; TerminateProcess on Windows) at a
// random moment of each write it can make, on a fresh copy of a generated world, and checks that the
// player lost nothing: every file is its old version or its new one, whole;
// none is missing, doubled or half written; the library index opens (or is
// rebuilt) and gives the same review as a fresh one; and once the next run has
// swept, no scratch file is left.
//
//   crash_harness --cli varnick-cli --demo varnick-demo [--kills N] [--seed S]
//                 [--only NAME[,NAME...]] [--work FOLDER]
//
// Prints one line per operation; exit status 1 when any run lost or damaged a
// file or left a scratch file behind.

#include "package/PackageReader.h"
#include "package/base/FileReplace.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <random>
#include <set>
#include <string>
#include <thread>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#else
#include <csignal>
#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Options {
    std::string cli;
    std::string demo;
    int kills = 20;
    std::uint64_t seed = 27;
    std::string only;
    fs::path work;
};

// One write the tool can make. Arguments may name "{W}", the run's world.
struct Operation {
    std::string name;
    std::vector<std::string> arguments;
    bool checksIndex = false; ///< the index is what the operation writes
    std::vector<std::string> prepare = {}; ///< run on each fresh world first (backups know absolute paths)
};

using Snapshot = std::map<std::string, std::uint64_t>; ///< relative path -> contents hash

std::uint64_t hashOf(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::uint64_t hash = 1469598103934665603ULL;
    char buffer[1 << 16];
    while (in.read(buffer, sizeof buffer) || in.gcount() > 0) {
        for (std::streamsize i = 0; i < in.gcount(); ++i)
            hash = (hash ^ static_cast<unsigned char>(buffer[i])) * 1099511628211ULL;
        if (!in)
            break;
    }
    return hash;
}

// A trash entry's description without its deletion time, which differs from run to run.
std::uint64_t trashInfoHash(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::string text;
    std::uint64_t hash = 1469598103934665603ULL;
    for (std::string line; std::getline(in, line);) {
        if (line.starts_with("DeletionDate="))
            line = "DeletionDate=";
        for (const char c : line + '\n')
            hash = (hash ^ static_cast<unsigned char>(c)) * 1099511628211ULL;
    }
    return hash;
}

// path below root as text with "/" between names on every system, as the
// checks below (and the operations' "{W}/..." arguments) write it.
std::string relativeText(const fs::path& path, const fs::path& root)
{
    std::string text = varnick::pathToUtf8(path.lexically_relative(root));
    std::replace(text.begin(), text.end(), '\\', '/');
    return text;
}

// Every file below world except the index (checked on its own) and scratch
// files (counted on their own).
Snapshot snapshot(const fs::path& world, int* scratch = nullptr)
{
    Snapshot files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(world)) {
        if (!entry.is_regular_file() || entry.path().parent_path().filename() == "index")
            continue;
        if (varnick::isScratchFileName(entry.path())) {
            if (scratch != nullptr)
                ++*scratch;
            continue;
        }
        files[relativeText(entry.path(), world)]
            = entry.path().extension() == ".trashinfo" ? trashInfoHash(entry.path()) : hashOf(entry.path());
    }
    return files;
}

std::string replaced(std::string text, const std::string& world)
{
    for (std::size_t at = text.find("{W}"); at != std::string::npos; at = text.find("{W}", at))
        text.replace(at, 3, world);
    return text;
}

#ifdef _WIN32

// A started tool: the process, and the handle its output goes to.
struct Child {
    HANDLE process = nullptr;
    HANDLE output = nullptr;
};

// One argument as the program's command-line parser reads it back: quoted,
// with backslashes doubled only before a quote.
std::wstring quoted(const std::wstring& argument)
{
    std::wstring text = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
            continue;
        }
        text.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
        backslashes = 0;
        text += c;
    }
    text.append(backslashes * 2, L'\\');
    return text + L"\"";
}

Child startProgram(const std::vector<std::string>& texts, const fs::path& output)
{
    std::wstring commandLine;
    for (const std::string& text : texts)
        commandLine += (commandLine.empty() ? L"" : L" ") + quoted(varnick::wideFromUtf8(text));
    SECURITY_ATTRIBUTES inherit { sizeof inherit, nullptr, TRUE };
    const std::wstring outputName = output.empty() ? L"NUL" : output.native();
    Child child;
    child.output = CreateFileW(outputName.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit,
        CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    HANDLE null
        = CreateFileW(L"NUL", GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOW startup {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = null;
    startup.hStdOutput = child.output;
    startup.hStdError = null;
    PROCESS_INFORMATION process {};
    // Detached: with no console of its own the tool starts no console host.
    // Under Wine a host started for a tool killed early outlives it, holding
    // the test runner's output open, and the runner then waits for it forever.
    if (CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, TRUE, DETACHED_PROCESS, nullptr, nullptr,
            &startup, &process)) {
        CloseHandle(process.hThread);
        child.process = process.hProcess;
    }
    CloseHandle(null);
    return child;
}

// Starts the tool in world with its per-user folders inside the world, so
// that everything it could touch is checked (through the harness's own
// environment, which the tool inherits). Deleted files go to the Recycle Bin,
// outside the world: there they count as gone, as in the uninterrupted run.
Child start(
    const Options& options, const std::vector<std::string>& arguments, const fs::path& world, const fs::path& output)
{
    std::vector<std::string> texts { options.cli };
    for (const std::string& argument : arguments)
        texts.push_back(replaced(argument, varnick::pathToUtf8(world)));
    SetEnvironmentVariableW(L"VARNICK_USER_DATA_DIR", (world / "user").c_str());
    return startProgram(texts, output);
}

int finish(const Child& child)
{
    DWORD status = static_cast<DWORD>(-1);
    if (child.process != nullptr) {
        WaitForSingleObject(child.process, INFINITE);
        GetExitCodeProcess(child.process, &status);
        CloseHandle(child.process);
    }
    if (child.output != nullptr && child.output != INVALID_HANDLE_VALUE)
        CloseHandle(child.output);
    return static_cast<int>(status);
}

void killChild(const Child& child)
{
    if (child.process != nullptr)
        TerminateProcess(child.process, 137);
}

unsigned long currentProcessId()
{
    return GetCurrentProcessId();
}

#else

// Starts the tool in world with its per-user folders inside the world, so
// that everything it could touch is checked.
pid_t start(
    const Options& options, const std::vector<std::string>& arguments, const fs::path& world, const fs::path& output)
{
    std::vector<std::string> texts { options.cli };
    for (const std::string& argument : arguments)
        texts.push_back(replaced(argument, world.string()));
    const fs::path target = output.empty() ? fs::path("/dev/null") : output;
    const pid_t child = ::fork();
    if (child == 0) {
        ::setenv("HOME", (world / "home").c_str(), 1);
        ::setenv("XDG_DATA_HOME", (world / "home" / "share").c_str(), 1);
        ::setenv("VARNICK_USER_DATA_DIR", (world / "user").c_str(), 1);
        const int out = ::open(target.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(out, 1);
        ::dup2(null, 2);
        std::vector<char*> argv;
        for (std::string& text : texts)
            argv.push_back(text.data());
        argv.push_back(nullptr);
        ::execv(argv[0], argv.data());
        ::_exit(127);
    }
    return child;
}

int finish(pid_t child)
{
    int status = 0;
    ::waitpid(child, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

void killChild(pid_t child)
{
    ::kill(child, SIGKILL);
}

unsigned long currentProcessId()
{
    return static_cast<unsigned long>(::getpid());
}

#endif

/// Runs the tool to its end; output (when given) receives its standard output.
int run(const Options& options, const std::vector<std::string>& arguments, const fs::path& world,
    const fs::path& output = {})
{
    return finish(start(options, arguments, world, output));
}

std::string readText(const fs::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void copyWorld(const fs::path& from, const fs::path& to)
{
    fs::remove_all(to);
    fs::copy(from, to, fs::copy_options::recursive);
}

// What a run left, against the versions before and after an uninterrupted run.
struct Damage {
    int files = 0; ///< files checked
    int lost = 0; ///< missing, doubled, half written or unreadable
    std::vector<std::string> notes;
};

void compare(const Snapshot& before, const Snapshot& after, const Snapshot& now, const fs::path& world, Damage& damage)
{
    std::set<std::string> paths;
    for (const Snapshot* s : { &before, &after, &now })
        for (const auto& [path, hash] : *s)
            paths.insert(path);
    for (const std::string& path : paths) {
        ++damage.files;
        const auto state = [&](const Snapshot& s) -> std::int64_t {
            const auto it = s.find(path);
            return it == s.end() ? -1 : static_cast<std::int64_t>(it->second & 0x7fffffffffffffffULL);
        };
        const std::int64_t current = state(now);
        if (current != state(before) && current != state(after)) {
            ++damage.lost;
            damage.notes.push_back(path + (current < 0 ? " is missing" : " is neither its old nor its new version"));
            continue;
        }
        if (current >= 0 && path.ends_with(".package")) {
            try {
                varnick::readPackage(world / varnick::pathFromUtf8(path));
            } catch (const std::exception& error) {
                // Only a package that was readable before must be readable now.
                if (current != state(before) || before.count(path) == 0) {
                    ++damage.lost;
                    damage.notes.push_back(path + " cannot be read: " + error.what());
                }
            }
        }
    }
    // A file moved is in one place or the other: never in neither, never in both.
    // Kept versions are copies by design and are left out of the count.
    const auto countOf = [](const Snapshot& s) {
        std::map<std::uint64_t, int> n;
        for (const auto& [path, hash] : s)
            if (!path.starts_with("backups/") && !path.starts_with("user/"))
                ++n[hash];
        return n;
    };
    std::map<std::uint64_t, int> countBefore = countOf(before), countAfter = countOf(after), countNow = countOf(now);
    std::set<std::uint64_t> hashes;
    for (const auto* counts : { &countBefore, &countAfter, &countNow })
        for (const auto& [hash, n] : *counts)
            hashes.insert(hash);
    for (const std::uint64_t hash : hashes) {
        const int low = std::min(countBefore[hash], countAfter[hash]);
        const int high = std::max(countBefore[hash], countAfter[hash]);
        if (countNow[hash] < low || countNow[hash] > high) {
            ++damage.lost;
            std::string where;
            for (const auto& [path, h] : now)
                if (h == hash && !path.starts_with("backups/") && !path.starts_with("user/"))
                    where += (where.empty() ? "" : ", ") + path;
            damage.notes.push_back("contents " + std::to_string(hash) + " are there " + std::to_string(countNow[hash])
                + " times, not " + std::to_string(low) + ".." + std::to_string(high) + ": " + where);
        }
    }
}

// The index the runs left opens (or is rebuilt) and reviews the library as a
// fresh index does.
bool indexAgrees(
    const Options& options, const std::string& downloads, const fs::path& world, const fs::path& scratchFolder)
{
    const fs::path kept = scratchFolder / "kept.json";
    const fs::path fresh = scratchFolder / "fresh.json";
    fs::remove_all(scratchFolder / "fresh-index");
    const std::vector<std::string> review { "health", downloads, "--no-game", "--json", "--threads", "1", "--index" };
    std::vector<std::string> withKept = review;
    withKept.push_back("{W}/index/library.index");
    std::vector<std::string> withFresh = review;
    withFresh.push_back(varnick::pathToUtf8(scratchFolder / "fresh-index" / "library.index"));
    const int keptStatus = run(options, withKept, world, kept);
    const int freshStatus = run(options, withFresh, world, fresh);
    return keptStatus == freshStatus && readText(kept) == readText(fresh);
}

std::vector<std::string> packagesBelow(const fs::path& root, const fs::path& world)
{
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root))
        if (entry.is_regular_file() && entry.path().extension() == ".package")
            files.push_back("{W}/" + relativeText(entry.path(), world));
    std::sort(files.begin(), files.end());
    return files;
}

} // namespace

int main(int argc, char** argv)
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i];
        const std::string value = argv[i + 1];
        if (name == "--cli")
            options.cli = value;
        else if (name == "--demo")
            options.demo = value;
        else if (name == "--kills")
            options.kills = std::stoi(value);
        else if (name == "--seed")
            options.seed = std::stoull(value);
        else if (name == "--only")
            options.only = value;
        else if (name == "--work")
            options.work = value;
        else {
            std::fprintf(stderr, "crash_harness: unknown option %s\n", name.c_str());
            return 2;
        }
    }
    if (options.cli.empty() || options.demo.empty()) {
        std::fprintf(stderr,
            "usage: crash_harness --cli PATH --demo PATH [--kills N] [--seed S] [--only NAME] [--work FOLDER]\n");
        return 2;
    }
    options.cli = varnick::pathToUtf8(fs::absolute(varnick::pathFromUtf8(options.cli)));
    options.demo = varnick::pathToUtf8(fs::absolute(varnick::pathFromUtf8(options.demo)));
    const bool ownWork = options.work.empty();
    if (ownWork)
        options.work = fs::temp_directory_path() / ("varnick-crash-" + std::to_string(currentProcessId()));
    fs::create_directories(options.work);
    const fs::path templateWorld = options.work / "template";
    const fs::path world = options.work / "world";
    const fs::path scratchFolder = options.work / "check";
    fs::create_directories(scratchFolder);

    // The world: a generated game environment, an index of its Downloads, and
    // one saved package (so that "restore" has an original to put back).
    fs::remove_all(templateWorld);
    const std::vector<std::string> demo { options.demo, "--out", varnick::pathToUtf8(templateWorld), "--packages", "40",
        "--quiet" };
#ifdef _WIN32
    const int demoStatus = finish(startProgram(demo, {}));
#else
    std::string demoCommand;
    for (const std::string& word : demo)
        demoCommand += "\"" + word + "\" ";
    const int demoStatus = std::system(demoCommand.c_str());
#endif
    if (demoStatus != 0) {
        std::fprintf(stderr, "crash_harness: varnick-demo failed\n");
        return 2;
    }
    fs::path downloads;
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(templateWorld))
        if (entry.is_directory() && entry.path().filename() == "Downloads") {
            downloads = entry.path();
            break;
        }
    const std::vector<std::string> packages = packagesBelow(downloads, templateWorld);
    if (packages.size() < 12) {
        std::fprintf(stderr, "crash_harness: the demo world has too few packages\n");
        return 2;
    }
    const std::string downloadsArg = "{W}/" + relativeText(downloads, templateWorld);
    const std::string dataArg = "{W}/" + relativeText(downloads.parent_path(), templateWorld);
    fs::create_directories(templateWorld / "index");
    run(options, { "health", downloadsArg, "--no-game", "--index", "{W}/index/library.index" }, templateWorld);
    // Two packages the editor can save: one to restore once saved, one to save.
    std::vector<std::string> editable;
    for (const std::string& candidate : packages) {
        if (editable.size() == 2)
            break;
        const std::vector<std::string> arguments { "set", candidate, "--field", "Price=1", "--backup-folder",
            "{W}/probe" };
        if (run(options, arguments, templateWorld) == 0)
            editable.push_back(candidate);
    }
    fs::remove_all(templateWorld / "probe");
    if (editable.size() < 2) {
        std::fprintf(stderr, "crash_harness: the demo world has too few editable packages\n");
        return 2;
    }
    fs::create_directories(templateWorld / "moved");
    // The object with the most recolors: a move or delete then has the most files to get wrong.
    std::string object = packages[1];
    {
        std::size_t most = 0;
        for (const std::string& candidate : packages) {
            const fs::path listing = scratchFolder / "recolors.txt";
            run(options, { "recolors", downloadsArg, candidate }, templateWorld, listing);
            const std::string text = readText(listing);
            const auto lines = static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n'));
            if (lines > most) {
                most = lines;
                object = candidate;
            }
        }
    }

    std::vector<std::string> batch { "set" };
    batch.insert(batch.end(), packages.begin(), packages.begin() + 12);
    for (const char* extra : { "--field", "Price=4321", "--name", "Crash test", "--backup-folder", "{W}/backups" })
        batch.push_back(extra);
    std::vector<std::string> quarantine { "quarantine", downloadsArg };
    quarantine.insert(quarantine.end(), packages.begin() + 2, packages.begin() + 8);
    quarantine.push_back("--quarantine-folder");
    quarantine.push_back("{W}/quarantine");

    const std::vector<Operation> operations {
        { "set (one package)",
            { "set", editable[1], "--field", "Price=777", "--name", "Killed", "--backup-folder", "{W}/backups" } },
        { "set (batch, as the table saves)", batch },
        { "purge-thumbnails", { "purge-thumbnails", object, "--data", dataArg, "--backup-folder", "{W}/backups" } },
        { "recompress", { "recompress", downloadsArg, "--level", "9", "--backup-folder", "{W}/backups" } },
        { "move (with recolors)", { "move", downloadsArg, object, "{W}/moved" } },
        { "delete (to the trash)", { "delete", downloadsArg, object } },
        { "quarantine", quarantine },
        { "restore", { "restore", editable[0], "--backup-folder", "{W}/backups" }, false,
            { "set", editable[0], "--field", "Price=2", "--backup-folder", "{W}/backups" } },
        { "health (index write)", { "health", downloadsArg, "--no-game", "--index", "{W}/index/library.index" }, true },
    };

    std::mt19937_64 random(options.seed);
    int failures = 0;
    std::printf(
        "%-34s %6s %8s %8s %10s %8s %6s\n", "operation", "kills", "run ms", "files", "lost/bad", "scratch", "index");
    for (const Operation& operation : operations) {
        // --only takes names' parts separated by commas.
        bool chosen = options.only.empty();
        for (std::size_t from = 0; !chosen && from <= options.only.size();) {
            const std::size_t comma = std::min(options.only.find(',', from), options.only.size());
            const std::string part = options.only.substr(from, comma - from);
            chosen = !part.empty() && operation.name.find(part) != std::string::npos;
            from = comma + 1;
        }
        if (!chosen)
            continue;
        // The uninterrupted run: its time bounds the kills, its result is the "new" version.
        const auto fresh = [&] {
            copyWorld(templateWorld, world);
            if (!operation.prepare.empty())
                run(options, operation.prepare, world);
        };
        fresh();
        const Snapshot before = snapshot(world);
        const auto started = Clock::now();
        const int status = run(options, operation.arguments, world);
        const double runMs = std::chrono::duration<double, std::milli>(Clock::now() - started).count();
        const Snapshot after = snapshot(world);
        // A batch may refuse a broken package of the world (status 1) and still write the others.
        if (status > 1 || (before == after && !operation.checksIndex)) {
            std::printf("%-34s: the uninterrupted run %s\n", operation.name.c_str(),
                status > 1 ? ("failed with status " + std::to_string(status)).c_str() : "changed nothing");
            ++failures;
            continue;
        }

        Damage damage;
        int scratchBefore = 0;
        int scratchLeft = 0;
        int indexBad = 0;
        std::uniform_real_distribution<double> delay(0.0, runMs);
        for (int kill = 0; kill < options.kills; ++kill) {
            fresh();
            const auto child = start(options, operation.arguments, world, {});
            std::this_thread::sleep_for(std::chrono::duration<double, std::milli>(delay(random)));
            killChild(child);
            finish(child);
            int scratch = 0;
            const Snapshot now = snapshot(world, &scratch);
            scratchBefore += scratch;
            compare(before, after, now, world, damage);
            // The next start sweeps the folders it writes.
            run(options, { "sweep-scratch", "{W}" }, world);
            int left = 0;
            snapshot(world, &left);
            scratchLeft += left;
            if (!indexAgrees(options, downloadsArg, world, scratchFolder)) {
                ++indexBad;
                damage.notes.push_back("the index disagrees with a fresh one after kill " + std::to_string(kill));
            }
        }
        std::printf("%-34s %6d %8.0f %8d %10d %8d %6d   (scratch files before the sweep: %d)\n", operation.name.c_str(),
            options.kills, runMs, damage.files, damage.lost, scratchLeft, indexBad, scratchBefore);
        for (std::size_t i = 0; i < std::min<std::size_t>(damage.notes.size(), 5); ++i)
            std::printf("    %s\n", damage.notes[i].c_str());
        if (damage.lost != 0 || scratchLeft != 0 || indexBad != 0)
            ++failures;
        std::fflush(stdout);
    }
    if (ownWork)
        fs::remove_all(options.work);
    std::printf("%s\n", failures == 0 ? "crash harness: nothing lost" : "crash harness: FAILED");
    return failures == 0 ? 0 : 1;
}
