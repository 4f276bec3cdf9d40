// varnick-cli: the command-line companion for working on many packages at once.
#include "tools/cli/Commands.h"

#include "package/base/ErrorTrap.h"

#include <cstdio>
#include <cstdlib>
#include <string>

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

    CLI::App app{"Varnick command-line companion: inspect and convert Sims 2 package files."};
    app.require_subcommand(1);
    varnick::cli::addPackageCommands(app);
    varnick::cli::addCodecCommands(app);
    varnick::cli::addObjectCommands(app);
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
