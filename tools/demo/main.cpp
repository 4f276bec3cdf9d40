// varnick-demo: writes a complete demo game environment (documents folder with
// the game's data folder, Downloads tree, thumbnail caches, and a stand-in
// install folder) for running Varnick without the game.
#include "tools/demo/DemoWorld.h"

#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"

#include <CLI/CLI.hpp>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>

// shellapi.h needs the types windows.h declares; the blank line keeps include sorting from moving it.
#include <shellapi.h>
#endif

namespace {

#ifdef _WIN32
/// The command line as UTF-8, from the wide-character form (never the 8-bit code page).
std::vector<std::string> utf8Arguments()
{
    std::vector<std::string> arguments;
    int count = 0;
    LPWSTR* wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 0; wide && i < count; ++i) {
        const int bytes = WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, nullptr, 0, nullptr, nullptr);
        std::string text(bytes > 0 ? bytes - 1 : 0, '\0');
        if (bytes > 1)
            WideCharToMultiByte(CP_UTF8, 0, wide[i], -1, text.data(), bytes, nullptr, nullptr);
        arguments.push_back(std::move(text));
    }
    LocalFree(wide);
    return arguments;
}
#endif

} // namespace

int main(int argc, char** argv)
{
    varnick::setErrorTrapHandler([](const varnick::ErrorContext& context) {
        std::string line = "varnick-demo: " + context.Description;
        if (!context.AdditionalData.empty())
            line += " (" + context.AdditionalData + ")";
        std::fprintf(stderr, "%s\n", line.c_str());
        std::exit(1);
    });

    CLI::App app { "Writes a demo game environment for Varnick: a documents folder with the game's data folder "
                   "(Downloads tree and thumbnail caches) and a stand-in install folder." };
    std::string output;
    std::uint64_t seed = 2004;
    int packages = 60;
    bool quiet = false;
    std::string cacheFile;
    int thumbnails = 100000;
    auto* out = app.add_option("--out,output", output, "Folder to create (must not exist, or be empty)");
    auto* cache = app.add_option("--thumbnail-cache", cacheFile,
        "Instead of a world, write only a thumbnail cache package to this file (for benchmarks)");
    out->excludes(cache);
    app.add_option("--thumbnails", thumbnails, "Thumbnails in the cache written by --thumbnail-cache")
        ->capture_default_str()
        ->needs(cache);
    app.add_option("--seed", seed, "Seed: the same seed and size give byte-identical worlds")->capture_default_str();
    app.add_option("--packages", packages, "Number of packages in the Downloads tree")
        ->capture_default_str()
        ->check(CLI::Range(varnick::demo::kMinimumPackages, varnick::demo::kMaximumPackages));
    app.add_flag("--quiet", quiet, "Print nothing on success");

#ifdef _WIN32
    std::vector<std::string> arguments = utf8Arguments();
    std::vector<char*> pointers;
    for (std::string& argument : arguments)
        pointers.push_back(argument.data());
    argc = static_cast<int>(pointers.size());
    argv = pointers.data();
#endif
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& error) {
        return app.exit(error);
    }

    if (output.empty() && cacheFile.empty()) {
        std::fputs("varnick-demo: give the folder to create (--out) or a cache file (--thumbnail-cache)\n", stderr);
        return 2;
    }
    // Qt looks for its image format plugins (the thumbnails' JPEG writer)
    // beside the program only once an application object exists; without one
    // a copy of the program outside Qt's own folders, as in the Windows zip,
    // could not write a single thumbnail. None of the arguments are Qt's.
    int qtArgumentCount = 1;
    char* qtArguments[] = { argv[0], nullptr };
    QCoreApplication application(qtArgumentCount, qtArguments);
    bool done = varnick::trapped("varnick-demo", "main", [&] {
        if (!cacheFile.empty()) {
            const auto titles
                = varnick::demo::writeDemoThumbnailCache(varnick::pathFromUtf8(cacheFile), thumbnails, seed);
            if (!quiet)
                std::printf("Thumbnail cache %s: %zu thumbnails.\n", cacheFile.c_str(), titles.size());
            return;
        }
        varnick::demo::DemoOptions options;
        options.output = varnick::pathFromUtf8(output);
        options.seed = seed;
        options.packages = packages;
        const varnick::demo::DemoWorld world = varnick::demo::generateDemoWorld(options);
        if (!quiet)
            std::fputs(varnick::demo::describeWorld(world).c_str(), stdout);
    });
    return done ? 0 : 1;
}
