// decompress and compress: the codec on whole files, through the same binding
// of Kelvora that the program uses. Output is written to a scratch file beside
// OUT and moved over it only when the work has succeeded, so bad input leaves
// no output file behind.
#include "tools/cli/CliFiles.h"
#include "tools/cli/Commands.h"

#include "package/CompressedResource.h"
#include "package/base/ErrorTrap.h"
#include "package/base/FileReplace.h"
#include "package/base/KelvoraBinding.h"
#include "package/base/Paths.h"
#include "package/base/RawFile.h"

#include <filesystem>
#include <limits>
#include <memory>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

namespace varnick::cli {

namespace {

struct CodecOptions {
    std::string input;
    std::string output;
    int blockUnits = 16;
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
    const ByteString stored = kelvoraCompress(contents, options.blockUnits);
    writeWholeFile(pathFromUtf8(options.output), stored);
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
    compress->callback([compressOptions] { runCompress(*compressOptions); });
}

} // namespace varnick::cli
