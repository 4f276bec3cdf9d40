// varnick-cli: the command-line companion for working on many packages at once.
#include "tools/cli/Commands.h"

#include "package/base/ErrorTrap.h"

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <shellapi.h>

namespace {

// The arguments as UTF-8, from the wide-character command line: the char**
// arguments of main hold the 8-bit code page, which cannot name every file.
std::vector<std::string> utf8Arguments()
{
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    if (wide == nullptr)
        return arguments;
    for (int i = 0; i < count; ++i) {
        const int length = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string argument(length > 0 ? static_cast<std::size_t>(length - 1) : 0, '\0');
        if (length > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, argument.data(), length, nullptr, nullptr);
        arguments.push_back(std::move(argument));
    }
    LocalFree(wide);
    return arguments;
}

} // namespace
#endif

int main(int argc, char** argv)
{
    // A trapped failure is one line on standard error and exit status 1; the
    // commands write their output only after their work has succeeded, so
    // nothing is written for bad input.
    varnick::setErrorTrapHandler([](const varnick::ErrorContext& context) {
        std::string line = "varnick-cli: " + context.Description;
        if (!context.AdditionalData.empty())
            line += " (" + context.AdditionalData + ")";
        std::fprintf(stderr, "%s\n", line.c_str());
        std::exit(1);
    });

    CLI::App app { "Varnick command-line companion: inspect and convert Sims 2 package files." };
    app.require_subcommand(1);
    // Options are "--name" everywhere: a path written with forward slashes
    // ("/Users/me/x.package") is a file, never a Windows-style "/option".
    app.allow_windows_style_options(false);
    varnick::cli::addPackageCommands(app);
    varnick::cli::addCodecCommands(app);
    varnick::cli::addObjectCommands(app);
    varnick::cli::addPurgeCommands(app);
    varnick::cli::addRecolorCommands(app);
#ifdef VARNICK_HAVE_LIBRARY_INDEX
    varnick::cli::addHealthCommands(app);
#endif
    varnick::cli::addBrowserCommands(app);
    varnick::cli::addEditorCommands(app);
    varnick::cli::addTableCommands(app);
    varnick::cli::addGameCommands(app);
#ifdef _WIN32
    // Output is UTF-8 text; a console shows it as such.
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments = utf8Arguments();
    std::vector<char*> utf8Argv;
    for (std::string& argument : arguments)
        utf8Argv.push_back(argument.data());
    if (!utf8Argv.empty()) {
        argc = static_cast<int>(utf8Argv.size());
        utf8Argv.push_back(nullptr);
        argv = utf8Argv.data();
    }
#endif
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    } catch (...) {
        varnick::trapCurrentException("varnick-cli", "main");
        return 1;
    }
    return 0;
}
