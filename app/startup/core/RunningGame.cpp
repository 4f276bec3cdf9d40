#include "app/startup/core/RunningGame.h"

#include "app/startup/core/FolderNames.h"
#include "package/base/Paths.h"

#include <filesystem>
#include <mutex>

#ifdef _WIN32
#include <windows.h>

#include <tlhelp32.h>
#else
#include <fstream>
#include <system_error>
#endif

namespace varnick {

using locate::lower;

namespace {

// The last component of a Unix or Windows path.
std::string_view fileNameOf(std::string_view path)
{
    const std::size_t separator = path.find_last_of("/\\");
    return separator == std::string_view::npos ? path : path.substr(separator + 1);
}

std::mutex& answerMutex()
{
    static std::mutex mutex;
    return mutex;
}

std::function<std::optional<std::string>()>& answerOverride()
{
    static std::function<std::optional<std::string>()> answer;
    return answer;
}

#ifdef _WIN32

std::optional<std::string> scanProcessList()
{
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::optional<std::string> found;
    PROCESSENTRY32W entry {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Process32FirstW(snapshot, &entry); more && !found; more = Process32NextW(snapshot, &entry)) {
        const std::string name = pathToUtf8(std::filesystem::path(entry.szExeFile));
        if (isGameProgramName(fileNameOf(name)))
            found = std::string(fileNameOf(name));
    }
    CloseHandle(snapshot);
    return found;
}

#else

std::optional<std::string> scanProcessList()
{
    // Enough for any real command line; a longer one is read as far as this.
    constexpr std::size_t kMaxCommandLine = 64 * 1024;
    std::error_code error;
    for (std::filesystem::directory_iterator it("/proc", error), end; !error && it != end; it.increment(error)) {
        const std::string pid = it->path().filename().string();
        if (pid.empty() || pid.find_first_not_of("0123456789") != std::string::npos)
            continue;
        // A process may end between listing and reading; its file then reads as empty.
        std::ifstream in(it->path() / "cmdline", std::ios::binary);
        std::string commandLine(kMaxCommandLine, '\0');
        in.read(commandLine.data(), static_cast<std::streamsize>(commandLine.size()));
        commandLine.resize(static_cast<std::size_t>(in.gcount()));
        if (auto program = gameProgramInCommandLine(commandLine))
            return program;
    }
    return std::nullopt;
}

#endif

} // namespace

bool isGameProgramName(std::string_view fileName)
{
    const std::string name = lower(fileName);
    if (!name.ends_with(".exe"))
        return false;
    const std::string_view stem = std::string_view(name).substr(0, name.size() - 4);
    if (stem == "sims2" || stem == "sims2rpc")
        return true;
    // Sims2EP1.exe ... Sims2EP9.exe, Sims2EP9RPC.exe, Sims2SP1.exe ...: the patterns Sims2EP*.exe and Sims2SP*.exe.
    return stem.starts_with("sims2ep") || stem.starts_with("sims2sp");
}

std::optional<std::string> gameProgramInCommandLine(std::string_view commandLine)
{
    bool first = true;
    std::size_t start = 0;
    while (start < commandLine.size()) {
        std::size_t end = commandLine.find('\0', start);
        if (end == std::string_view::npos)
            end = commandLine.size();
        const std::string_view argument = commandLine.substr(start, end - start);
        start = end + 1;
        const std::string_view name = fileNameOf(argument);
        // Any argument counts only when it is a path to a program; the program itself always.
        const bool program = first || lower(name).ends_with(".exe");
        first = false;
        if (program && isGameProgramName(name))
            return std::string(name);
    }
    return std::nullopt;
}

std::optional<std::string> runningGameProgram()
{
    std::function<std::optional<std::string>()> answer;
    {
        const std::lock_guard lock(answerMutex());
        answer = answerOverride();
    }
    return answer ? answer() : scanProcessList();
}

std::string gameRunningMessage(std::string_view program, const Phrasebook& words)
{
    return words.say("RunningGame",
        VARNICK_TRANSLATE_NOOP(
            "RunningGame", "The Sims 2 is running (%1). Close the game before changing your downloads."),
        { program });
}

void setRunningGameProgramForTesting(std::function<std::optional<std::string>()> answer)
{
    const std::lock_guard lock(answerMutex());
    answerOverride() = std::move(answer);
}

} // namespace varnick
