// varnick-cli: the command-line companion for working on many packages at once.
#include "tools/cli/RunCli.h"

#include <iostream>
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
#ifdef _WIN32
    // Output is UTF-8 text; a console shows it as such.
    SetConsoleOutputCP(CP_UTF8);
    std::vector<std::string> arguments = utf8Arguments();
    if (arguments.empty())
        arguments.assign(argv, argv + argc);
#else
    std::vector<std::string> arguments(argv, argv + argc);
#endif
    if (!arguments.empty())
        arguments.erase(arguments.begin()); // the program's own name
    return varnick::cli::runCli(arguments, std::cout, std::cerr);
}
