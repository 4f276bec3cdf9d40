#pragma once

#include <CLI/CLI.hpp>

namespace varnick::cli {

// Each group adds its subcommands to the application; a subcommand's callback
// does the work and throws varnick::Failure on bad input.
void addPackageCommands(CLI::App& app); // index, extract, rewrite
void addCodecCommands(CLI::App& app); // decompress, compress, recompress
void addObjectCommands(CLI::App& app); // object, properties, crc24
void addPurgeCommands(CLI::App& app); // purge-thumbnails
void addRecolorCommands(CLI::App& app); // recolors, texture, move, delete
#ifdef VARNICK_HAVE_LIBRARY_INDEX
void addHealthCommands(CLI::App& app); // health, quarantine
#endif
void addBrowserCommands(CLI::App& app); // scan, folders
void addEditorCommands(CLI::App& app); // set, restore
void addTableCommands(CLI::App& app); // table
void addSims2PackCommands(CLI::App& app); // sims2pack list, extract, install
void addGameCommands(CLI::App& app); // locate, clear-caches

} // namespace varnick::cli
