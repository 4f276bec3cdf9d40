// varnick-cli's commands run on given streams, so that the program's main and
// the tests run them the same way.
#include "tools/cli/RunCli.h"

#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"

#include "package/base/ErrorTrap.h"

#include <algorithm>
#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace varnick::cli {

namespace {

// One run's streams and whether the trap reported a failure during it.
struct RunContext {
    std::ostream* out = &std::cout;
    std::ostream* err = &std::cerr;
    std::atomic<bool> trapped { false };
};

// The run on this thread. A command's own worker threads have none and
// write to the run started last; runs on several threads at once (tests of
// two instances sharing a file) keep their output apart as long as their
// commands print from their own threads.
thread_local RunContext* tRun = nullptr;

std::mutex gRunsMutex;
std::vector<RunContext*> gRuns;
ErrorTrapHandler gHandlerBefore; ///< the trap's handler before the first of the running runs

RunContext& currentRun()
{
    if (tRun != nullptr)
        return *tRun;
    const std::lock_guard lock(gRunsMutex);
    static RunContext standardStreams;
    return gRuns.empty() ? standardStreams : *gRuns.back();
}

void printTo(std::ostream& stream, const char* format, std::va_list arguments)
{
    std::va_list copy;
    va_copy(copy, arguments);
    const int length = std::vsnprintf(nullptr, 0, format, copy);
    va_end(copy);
    if (length <= 0)
        return;
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    std::vsnprintf(text.data(), text.size(), format, arguments);
    text.pop_back();
    stream << text;
}

// Makes context this thread's run for its lifetime; the first of several
// runs at once installs the trap's handler, the last puts the earlier one back.
class RunScope {
public:
    explicit RunScope(RunContext& context)
        : mContext(context)
        , mOuter(std::exchange(tRun, &context))
    {
        const std::lock_guard lock(gRunsMutex);
        gRuns.push_back(&context);
        if (gRuns.size() == 1) {
            // A trapped failure is one line on standard error and exit status 1.
            gHandlerBefore = setErrorTrapHandler([](const ErrorContext& trapped) {
                std::string line = "varnick-cli: " + trapped.Description;
                if (!trapped.AdditionalData.empty())
                    line += " (" + trapped.AdditionalData + ")";
                RunContext& run = currentRun();
                *run.err << line << '\n';
                run.trapped = true;
            });
        }
    }
    ~RunScope()
    {
        mContext.out->flush();
        mContext.err->flush();
        tRun = mOuter;
        const std::lock_guard lock(gRunsMutex);
        gRuns.erase(std::find(gRuns.begin(), gRuns.end(), &mContext));
        if (gRuns.empty())
            setErrorTrapHandler(std::move(gHandlerBefore));
    }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

private:
    RunContext& mContext;
    RunContext* mOuter;
};

} // namespace

std::ostream& cliOut()
{
    return *currentRun().out;
}

std::ostream& cliErr()
{
    return *currentRun().err;
}

void printOut(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    printTo(cliOut(), format, arguments);
    va_end(arguments);
}

void printErr(const char* format, ...)
{
    std::va_list arguments;
    va_start(arguments, format);
    printTo(cliErr(), format, arguments);
    va_end(arguments);
}

bool trappedDuringRun()
{
    return currentRun().trapped;
}

void stopIfTrapped()
{
    if (trappedDuringRun())
        throw CLI::RuntimeError(1);
}

int runCli(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& err)
{
    RunContext context;
    context.out = &out;
    context.err = &err;
    RunScope scope(context);
    CLI::App app { "Varnick command-line companion: inspect and convert Sims 2 package files.", "varnick-cli" };
    app.require_subcommand(1);
    // Options are "--name" everywhere: a path written with forward slashes
    // ("/Users/me/x.package") is a file, never a Windows-style "/option".
    app.allow_windows_style_options(false);
    addPackageCommands(app);
    addCodecCommands(app);
    addObjectCommands(app);
    addPurgeCommands(app);
    addRecolorCommands(app);
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    addHealthCommands(app);
#endif
    addBrowserCommands(app);
    addEditorCommands(app);
    addTableCommands(app);
    addSims2PackCommands(app);
    addGameCommands(app);
    // CLI11 takes the arguments last first.
    std::vector<std::string> reversed(arguments.rbegin(), arguments.rend());
    int status = 0;
    try {
        app.parse(reversed);
    } catch (const CLI::ParseError& error) {
        status = app.exit(error, out, err);
    } catch (...) {
        trapCurrentException("varnick-cli", "main");
        status = 1;
    }
    return status == 0 && context.trapped ? 1 : status;
}

} // namespace varnick::cli
