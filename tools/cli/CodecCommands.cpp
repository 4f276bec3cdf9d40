// decompress and compress: the codec on whole files, through the same binding
// of Kelvora that the program uses. Output is written to a scratch file beside
// OUT and moved over it only when the work has succeeded, so bad input leaves
// no output file behind. recompress: packages stored with every resource
// compressed that shrinks, each package replaced atomically, on all cores.
#include "package/base/WholeFile.h"
#include "tools/cli/BackupOptions.h"
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"
#include "tools/cli/GameGuard.h"

#include "package/CompressedResource.h"
#include "package/Recompress.h"
#include "package/base/ErrorTrap.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"

#include <cstdio>
#include <filesystem>
#include <limits>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace varnick::cli {

namespace {

struct CodecOptions {
    std::string input;
    std::string output;
    int blockUnits = 16;
    int level = 0; ///< 0: the block encoder
};

struct RecompressCommandOptions {
    std::vector<std::string> paths;
    int level = kDefaultRecompressLevel;
    bool dryRun = false;
    unsigned threads = 0;
    BackupArguments backup;
};

void runDecompress(const CodecOptions& options)
{
    const fs::path input = pathFromUtf8(options.input);
    const FileNameContext fileName(options.input);
    const ByteString stored = readWholeFile(input);
    if (!isCompressedResource(stored)) {
        throw Failure(ErrorCode::BadResource,
            "\"" + options.input + "\" is not a compressed resource (bytes 4 and 5 are not 10 FB)");
    }
    const ByteString contents = decompressResource(stored);
    writeWholeFile(pathFromUtf8(options.output), contents);
}

void runCompress(const CodecOptions& options)
{
    const fs::path input = pathFromUtf8(options.input);
    const FileNameContext fileName(options.input);
    const ByteString contents = readWholeFile(input);
    if (options.level != 0) {
        const std::optional<ByteString> stored = kelvoraCompressLevel(contents, options.level);
        if (!stored) {
            throw Failure(ErrorCode::BadResource,
                "\"" + options.input + "\" does not get shorter when compressed; nothing was written");
        }
        writeWholeFile(pathFromUtf8(options.output), *stored);
        return;
    }
    const ByteString stored = kelvoraCompress(contents, options.blockUnits);
    writeWholeFile(pathFromUtf8(options.output), stored);
}

void runRecompress(const RecompressCommandOptions& options)
{
    std::vector<fs::path> paths;
    for (const std::string& path : options.paths)
        paths.push_back(pathFromUtf8(path));
    std::vector<std::string> missing;
    const std::vector<fs::path> files = collectPackageFiles(paths, missing);
    for (const std::string& line : missing)
        printErr("varnick-cli: %s\n", line.c_str());

    RecompressOptions recompress;
    recompress.level = options.level;
    recompress.dryRun = options.dryRun;
    recompress.threads = options.threads;
    // Each package's previous version is kept as "set" keeps it; a dry run writes no backup either.
    BackupStore backups = options.backup.store();
    if (!options.backup.none && !options.dryRun) {
        backups.prune();
        recompress.keepPrevious = [&backups](const fs::path& file) { backups.keep(file); };
    }
    const auto progress = [](std::size_t done, std::size_t total, const RecompressFileResult& result) {
        const std::string name = pathToUtf8(result.file);
        if (result.refused)
            printErr("[%zu/%zu] %s: refused: %s\n", done, total, name.c_str(), result.reason.c_str());
        else
            printErr("[%zu/%zu] %s: %lld -> %lld bytes%s\n", done, total, name.c_str(),
                static_cast<long long>(result.bytesBefore), static_cast<long long>(result.bytesAfter),
                result.changed ? "" : " (unchanged)");
    };
    const std::vector<RecompressFileResult> results = recompressFiles(files, recompress, progress);

    std::size_t changed = 0;
    std::size_t refused = 0;
    long long before = 0;
    long long after = 0;
    for (const RecompressFileResult& result : results) {
        changed += result.changed ? 1 : 0;
        refused += result.refused ? 1 : 0;
        before += result.bytesBefore;
        after += result.bytesAfter;
    }
    printOut("%s level %d\n", options.dryRun ? "dry run (nothing written) at" : "recompressed at", options.level);
    printOut("packages: %zu (changed %zu, unchanged %zu, refused %zu)\n", results.size(), changed,
        results.size() - changed - refused, refused);
    printOut("bytes before: %lld\n", before);
    printOut("bytes after: %lld\n", after);
    for (const RecompressFileResult& result : results) {
        if (result.refused)
            printOut("refused: %s: %s\n", pathToUtf8(result.file).c_str(), result.reason.c_str());
    }
    cliOut().flush();
    if (refused != 0 || !missing.empty())
        throw CLI::RuntimeError(1);
}

} // namespace

void addCodecCommands(CLI::App& app)
{
    auto decompressOptions = std::make_shared<CodecOptions>();
    CLI::App* decompress = app.add_subcommand(
        "decompress", "Decode a compressed resource (its stored bytes, header included) into its contents");
    decompress->add_option("IN", decompressOptions->input, "Compressed resource file")->required();
    decompress->add_option("OUT", decompressOptions->output, "File for the decoded bytes")->required();
    decompress->callback([decompressOptions] { runDecompress(*decompressOptions); });

    auto compressOptions = std::make_shared<CodecOptions>();
    CLI::App* compress = app.add_subcommand("compress", "Encode a file as a compressed resource");
    compress->add_option("IN", compressOptions->input, "File to compress")->required();
    compress->add_option("OUT", compressOptions->output, "File for the compressed resource")->required();
    compress
        ->add_option("--block-units", compressOptions->blockUnits,
            "Block length in 4-byte units, 3 to 16 (values outside are clamped)")
        ->capture_default_str();
    compress
        ->add_option("--level", compressOptions->level,
            "Use the LZ77 encoder at level 1 (fastest) to 9 (smallest) instead of the block encoder; "
            "a file that would not get shorter is refused (exit status 1, nothing written)")
        ->check(CLI::Range(1, 9));
    compress->callback([compressOptions] { runCompress(*compressOptions); });

    auto recompressOptions = std::make_shared<RecompressCommandOptions>();
    CLI::App* recompress = app.add_subcommand("recompress",
        "Store every resource of each package compressed where that makes it shorter, the others as they are, "
        "and rebuild the directory of compressed files to list exactly the compressed ones. A package is replaced "
        "atomically, and only after its new form has read back with every resource decoding to the original's "
        "bytes; otherwise it is left as it was and reported as refused. Packages are processed on all cores, "
        "with progress on standard error and a summary (packages, bytes before, bytes after, refused with the "
        "reason) on standard output. Exit status 1 when a package was refused or a path was not found. Before a "
        "package is replaced its previous version is kept in the backup folder as \"set\" keeps it (default: the "
        "per-user data folder's \"Backups\"; the first version however many later ones come, backups older than "
        "--keep-days days pruned at the start; \"restore\" puts the first back); a package whose size or "
        "modification time changed since it was read (another program wrote it) is refused and left with that "
        "change.");
    recompress
        ->add_option(
            "PATH", recompressOptions->paths, "Package files, or folders searched recursively for *.package files")
        ->required();
    recompress->add_option("--level", recompressOptions->level, "Compression level, 1 (fastest) to 9 (smallest)")
        ->check(CLI::Range(1, 9))
        ->capture_default_str();
    recompress->add_flag("--dry-run", recompressOptions->dryRun, "Report what would change; write nothing");
    recompress->add_option("--threads", recompressOptions->threads, "Worker threads (0: one per core)")
        ->capture_default_str();
    addBackupOptions(*recompress, recompressOptions->backup);
    refuseWhileGameRuns(*recompress, [recompressOptions] { return recompressOptions->dryRun; });
    recompress->callback([recompressOptions] { runRecompress(*recompressOptions); });
}

} // namespace varnick::cli
