// The object table of a folder: table (the catalog objects with their
// catalog fields, filtered and sorted, as text or CSV). It runs the table
// window's own code: the browser's scan, then ObjectRows.
#include "tools/cli/CliOutput.h"
#include "tools/cli/Commands.h"

#include "app/browser/core/ObjectRows.h"
#include "app/browser/core/PackageScan.h"
#include "package/base/ErrorTrap.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <algorithm>
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <system_error>
#include <vector>

namespace varnick::cli {

namespace {

struct TableOptions {
    std::string folder;
    bool csv = false;
    std::string filter;
    std::string sort;
    bool descending = false;
};

std::string alignedTable(const std::vector<browser::ObjectRow>& rows)
{
    std::vector<browser::ObjectColumn> columns;
    for (const browser::ObjectColumnInfo& info : browser::objectColumns())
        if (info.column != browser::ObjectColumn::Thumbnail)
            columns.push_back(info.column);
    std::vector<std::vector<std::string>> cells;
    cells.emplace_back();
    for (const browser::ObjectColumn column : columns)
        cells.back().emplace_back(browser::columnInfo(column).header);
    for (const browser::ObjectRow& row : rows) {
        cells.emplace_back();
        for (const browser::ObjectColumn column : columns)
            cells.back().push_back(browser::columnText(row, column));
    }
    std::vector<std::size_t> widths(columns.size(), 0);
    for (const auto& line : cells)
        for (std::size_t c = 0; c < line.size(); ++c)
            widths[c] = std::max(widths[c], utf8CodePointCount(line[c]));
    std::string text;
    for (const auto& line : cells) {
        std::string out;
        for (std::size_t c = 0; c < line.size(); ++c) {
            out += line[c];
            if (c + 1 < line.size())
                out += std::string(widths[c] - utf8CodePointCount(line[c]) + 2, ' ');
        }
        while (!out.empty() && out.back() == ' ')
            out.pop_back();
        text += out + "\n";
    }
    return text;
}

void table(const TableOptions& options)
{
    const std::filesystem::path folder = pathFromUtf8(options.folder);
    std::error_code error;
    if (!std::filesystem::is_directory(folder, error))
        throw Failure(ErrorCode::FolderFailed, "The folder cannot be listed: " + options.folder + " is not a folder");
    std::optional<browser::ObjectColumn> sortColumn;
    if (!options.sort.empty()) {
        sortColumn = browser::columnOfKey(options.sort);
        if (!sortColumn || *sortColumn == browser::ObjectColumn::Thumbnail)
            throw Failure(ErrorCode::InvalidArgument, "Unknown column for --sort: " + options.sort);
    }
    const browser::ScanResult scan = browser::scanFolder(folder);
    std::vector<browser::ObjectRow> rows = browser::readObjectRows(folder, scan.files);
    // As the window shows them; without --sort, in file name order (the scan's).
    std::vector<browser::ObjectRow> shown;
    for (const std::size_t i : browser::shownRowOrder(
             rows, options.filter, sortColumn.value_or(browser::ObjectColumn::File), options.descending))
        shown.push_back(std::move(rows[i]));
    const std::string text = options.csv ? browser::objectTableCsv(shown) : alignedTable(shown);
    cliOut() << text;
    std::string notes;
    for (const browser::SkippedFile& file : scan.skipped)
        notes += "skipped\t" + file.file + "\t" + file.reason + "\n";
    for (const browser::ObjectRow& row : shown)
        if (!row.readable)
            notes += "unreadable\t" + row.file + "\t" + row.reason + "\n";
    cliErr() << notes;
}

} // namespace

void addTableCommands(CLI::App& app)
{
    auto options = std::make_shared<TableOptions>();
    CLI::App* command = app.add_subcommand("table",
        "Print the object table of FOLDER (not its subfolders): one row per catalog object that the\n"
        "browser's scan finds, with the columns (keys for --sort in brackets)\n"
        "  Name [name], Price [price], Function [function], Function Sub-category [function-sub],\n"
        "  Rooms [rooms], Community [community], Build [build], Build Sub-type [build-sub],\n"
        "  Skills [skills], Wants [wants], GUID [guid], File [file].\n"
        "Category cells name the entries the editor's lists select, joined with \", \", then each bit\n"
        "no entry stands for as its decimal value; Wants is the wants box's entry (or the code);\n"
        "GUID is 0xXXXXXXXX; Price is decimal.\n"
        "Rows are in the scan's order (file names ignoring letter case, then exact) unless --sort is\n"
        "given: price and guid sort as numbers, the others as texts in that same name order; rows\n"
        "that are equal keep the scan's order (also with --descending). Without --sort,\n"
        "--descending reverses the scan's order.\n"
        "--filter keeps the rows whose name, file name or GUID (0xXXXXXXXX) holds TEXT, letter\n"
        "case and blanks at its ends ignored.\n"
        "Text: a header line and one line per row, columns aligned with at least two blanks.\n"
        "--csv: UTF-8 CSV, a header row with the column names above, lines ended by CR LF, fields\n"
        "holding a comma, a quote, CR or LF enclosed in quotes with inner quotes doubled.\n"
        "Standard error lists 'skipped<TAB>FILE<TAB>REASON' for files the scan could not read and\n"
        "'unreadable<TAB>FILE<TAB>REASON' for listed rows whose object could not be read (their\n"
        "fields read 0). Exit status 0 then too; 1 when FOLDER cannot be listed or COLUMN is unknown.");
    command->add_option("FOLDER", options->folder, "folder of packages")->required();
    command->add_flag("--csv", options->csv, "print CSV");
    command->add_option("--filter", options->filter, "keep the rows whose name, file name or GUID holds TEXT")
        ->type_name("TEXT");
    command->add_option("--sort", options->sort, "sort by the column with this key")->type_name("COLUMN");
    command->add_flag("--descending", options->descending, "sort from the largest");
    command->callback([options] { table(*options); });
}

} // namespace varnick::cli
