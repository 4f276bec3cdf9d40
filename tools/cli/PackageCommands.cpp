// Package commands: index (header and index as JSON), extract (one resource's
// bytes), rewrite (load whole and write with the package writer), sweep-scratch
// (the leftovers of killed writes, as the program clears them at its start).
#include "package/base/WholeFile.h"
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"
#include "tools/cli/GameGuard.h"

#include "package/BinarySupport.h"
#include "package/CompressedResource.h"
#include "package/PackageReader.h"
#include "package/PackageWriter.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"
#include "package/base/ScratchSweep.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>
#include <vector>

namespace varnick::cli {

namespace {

nlohmann::ordered_json headerJson(const PackageHeader& header)
{
    nlohmann::ordered_json json;
    json["Magic"] = gfstrLongToStr4(header.Magic);
    json["MajorVersion"] = header.MajorVersion;
    json["MinorVersion"] = header.MinorVersion;
    json["DateCreated"] = header.DateCreated;
    json["DateModified"] = header.DateModified;
    json["IndexMajorVersion"] = header.IndexMajorVersion;
    json["IndexCount"] = header.IndexCount;
    json["IndexOffset"] = header.IndexOffset;
    json["IndexSize"] = header.IndexSize;
    json["HoleCount"] = header.HoleCount;
    json["HoleOffset"] = header.HoleOffset;
    json["HoleSize"] = header.HoleSize;
    json["IndexMinorVersion"] = header.IndexMinorVersion;
    return json;
}

void printIndex(const std::filesystem::path& file)
{
    FileNameContext context(pathToUtf8(file));
    const PackageIndex index = readPackageIndex(file);
    nlohmann::ordered_json json;
    json["header"] = headerJson(index.header);
    nlohmann::ordered_json entries = nlohmann::ordered_json::array();
    for (const IndexEntry& entry : index.entries) {
        nlohmann::ordered_json item;
        item["type"] = simsIdToHex(entry.TypeID);
        item["group"] = simsIdToHex(entry.GroupID);
        item["instance"] = simsIdToHex(entry.InstanceID);
        item["resource"] = simsIdToHex(entry.ResourceID);
        item["offset"] = entry.Offset;
        item["size"] = entry.Size;
        entries.push_back(std::move(item));
    }
    json["entries"] = std::move(entries);
    // A magic that is not text (any file reads as a package) must not stop the output.
    const std::string text = json.dump(2, ' ', false, nlohmann::ordered_json::error_handler_t::replace) + "\n";
    if (!(cliOut() << text) || !cliOut().flush())
        throw Failure(ErrorCode::FileWriteFailed, "Writing to standard output failed");
}

void extractEntry(
    const std::filesystem::path& file, std::int64_t entryNumber, bool raw, const std::filesystem::path& out)
{
    ByteString data;
    {
        FileNameContext context(pathToUtf8(file));
        const PackageIndex index = readPackageIndex(file);
        const auto count = static_cast<std::int64_t>(index.entries.size());
        if (entryNumber < 1 || entryNumber > count)
            throw Failure(ErrorCode::InvalidArgument,
                "Entry " + std::to_string(entryNumber) + " does not exist: the package has " + std::to_string(count)
                    + " index entries");
        const IndexEntry& entry = index.entries[static_cast<std::size_t>(entryNumber - 1)];
        data = readResourceBytes(file, entry);
        if (!raw)
            data = decompressResource(data);
    }
    {
        FileNameContext context(pathToUtf8(out));
        writeWholeFile(out, data);
    }
}

void rewritePackage(const std::filesystem::path& in, const std::filesystem::path& out)
{
    PackageFile pkg;
    {
        FileNameContext context(pathToUtf8(in));
        pkg = readPackage(in);
    }
    FileNameContext context(pathToUtf8(out));
    writePackageReplacing(pkg, out);
}

// Runs a command as one trapped procedure: a failure becomes the one-line
// message of the program's trap handler and exit status 1.
template <typename Body> void runCommand(const char* name, Body&& body)
{
    if (!trapped("varnick-cli", name, std::forward<Body>(body)))
        throw CLI::RuntimeError(1); // reached only when the trap handler returns
}

} // namespace

void addPackageCommands(CLI::App& app)
{
    {
        auto* command = app.add_subcommand("index", "Print a package's header and index as JSON");
        auto file = std::make_shared<std::string>();
        command->add_option("FILE", *file, "Package file")->required();
        command->callback([file] { runCommand("index", [&] { printIndex(pathFromUtf8(*file)); }); });
    }
    {
        auto* command = app.add_subcommand("extract", "Write one resource of a package to a file");
        struct Options {
            std::string file;
            std::int64_t entry = 0;
            bool raw = false;
            std::string out;
        };
        auto options = std::make_shared<Options>();
        command->add_option("FILE", options->file, "Package file")->required();
        command->add_option("--entry", options->entry, "Index entry, counted from 1")->required();
        command->add_flag("--raw", options->raw, "Write the bytes as stored, without decompressing");
        command->add_option("-o,--output", options->out, "Output file")->required();
        command->callback([options] {
            runCommand("extract", [&] {
                extractEntry(pathFromUtf8(options->file), options->entry, options->raw, pathFromUtf8(options->out));
            });
        });
    }
    {
        auto* command = app.add_subcommand("rewrite", "Load a package whole and write it with the package writer");
        auto paths = std::make_shared<std::pair<std::string, std::string>>();
        command->add_option("IN", paths->first, "Package to read")->required();
        command->add_option("OUT", paths->second, "Package to write (may be IN)")->required();
        refuseWhileGameRuns(*command);
        command->callback([paths] {
            runCommand("rewrite", [&] { rewritePackage(pathFromUtf8(paths->first), pathFromUtf8(paths->second)); });
        });
    }
    {
        auto* command = app.add_subcommand("sweep-scratch",
            "Remove the scratch files that writes killed part-way left in each FOLDER and its subfolders, as the "
            "program does at its start (every write also clears its folder first). Only files named "
            "\"<name>.varnick-<process>-<n>.tmp\" are touched, and only when they are older than this run and the "
            "process that wrote them has ended. Links to folders are not followed. Prints one line per folder: "
            "\"<folder>: <files removed>\"; a folder that cannot be read counts 0.");
        auto folders = std::make_shared<std::vector<std::string>>();
        command->add_option("FOLDER", *folders, "Folder to clear (with its subfolders)")->required();
        command->callback([folders] {
            for (const std::string& folder : *folders)
                printOut("%s: %zu\n", folder.c_str(), removeStaleScratchFiles(pathFromUtf8(folder), true));
        });
    }
}

} // namespace varnick::cli
