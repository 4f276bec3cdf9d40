#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

#include "package/base/Phrase.h"

namespace varnick {

/// The program's own error numbers. They appear as "Error: N" in the error
/// report, so they are fixed once given out; add new ones at the end of a group.
enum class ErrorCode : std::int32_t {
    // 1000s: files and folders
    FileOpenFailed = 1001, ///< a file could not be opened (missing, locked, no permission)
    FileReadFailed = 1002, ///< reading failed or ended before the expected bytes
    FileWriteFailed = 1003, ///< writing or flushing failed
    FileReplaceFailed = 1004, ///< the finished scratch file could not replace its target
    FolderFailed = 1005, ///< a folder could not be listed or created
    // 2000s: content of files
    BadPackage = 2001, ///< counts, offsets or sizes of a package do not fit the file
    DamagedCompression = 2002, ///< a compressed resource is damaged
    BadResource = 2003, ///< a resource inside a package is malformed
    ResourceTooLarge = 2004, ///< a declared size is beyond what the program accepts
    // 3000s: the support library
    LibraryMissing = 3001, ///< Kelvora could not be loaded
    FunctionMissing = 3002, ///< Kelvora lacks an export the program needs
    // 9000s: the program itself
    InvalidArgument = 9001, ///< a caller passed a value outside a procedure's contract
    OutOfMemory = 9002, ///< an allocation failed
    Unexpected = 9999, ///< any other exception
};

/// Where the work stood when a failure happened (see ErrorContext): kept in the
/// failure itself when it travels to another thread to be reported there.
struct FailurePlace {
    std::int32_t location = 0;
    std::string additionalData;
};

/// A failure travelling to the nearest trapped procedure. Its description is
/// English (the error report, the command line); one built from a Phrase also
/// keeps the phrase, which the windows say in the player's language.
class Failure : public std::runtime_error {
public:
    Failure(ErrorCode code, const std::string& description, std::optional<FailurePlace> place = std::nullopt)
        : std::runtime_error(description)
        , mCode(code)
        , mPlace(std::move(place))
    {
    }
    /// The description is phrase.english().
    Failure(ErrorCode code, Phrase phrase, std::optional<FailurePlace> place = std::nullopt)
        : std::runtime_error(phrase.english())
        , mCode(code)
        , mPlace(std::move(place))
        , mPhrase(std::make_shared<const Phrase>(std::move(phrase)))
    {
    }

    ErrorCode code() const noexcept { return mCode; }
    std::int32_t number() const noexcept { return static_cast<std::int32_t>(mCode); }
    /// The step and file of the thread where the failure happened, when it was
    /// carried from there; the trap then reports these instead of its own thread's.
    const std::optional<FailurePlace>& place() const noexcept { return mPlace; }
    /// The phrase the failure was built from, or its description as a literal.
    Phrase phrase() const { return mPhrase ? *mPhrase : Phrase(std::string(what())); }
    /// Whether the failure was built from a phrase.
    bool hasPhrase() const noexcept { return mPhrase != nullptr; }

private:
    ErrorCode mCode;
    std::optional<FailurePlace> mPlace;
    // Shared, so that copying the failure (as exceptions are) cannot throw.
    std::shared_ptr<const Phrase> mPhrase;
};

/// What error says, as a Phrase: a Failure's phrase, any other exception's
/// text as a literal (std::bad_alloc as "Out of memory", like the trap).
Phrase phraseOf(const std::exception& error);

// NOLINTBEGIN(readability-identifier-naming): the game's records keep their fields' names
/// The record of the last failure, one per thread (see errorContext). Location
/// and AdditionalData are written during normal work; the other four only
/// when a failure is trapped.
struct ErrorContext {
    std::string Module;
    std::string Procedure;
    std::int32_t Location = 0;
    std::int32_t Number = 0;
    std::string Description;
    std::string AdditionalData;
    /// Description as the template it was made from, when it was made from one:
    /// the error dialog says it in the player's language.
    std::optional<Phrase> DescriptionPhrase;
};
// NOLINTEND(readability-identifier-naming)

/// The calling thread's record: a failure is trapped, and its report made, on
/// the thread where the work that failed ran.
ErrorContext& errorContext();

/// Records the step a procedure has reached (1000, 2000, ... with 1500 between).
void setLocation(std::int32_t location);

/// Receives the trapped failure. The program shows the error dialog, the
/// command-line tool prints one line and exits, tests record it.
using ErrorTrapHandler = std::function<void(const ErrorContext&)>;

/// Installs the handler that gsErrorTrap calls; returns the one it replaces.
/// Without a handler the trap prints the failure to standard error and exits with status 1.
ErrorTrapHandler setErrorTrapHandler(ErrorTrapHandler handler);

/// Hands the current ErrorContext to the installed handler. Returns only when
/// the handler returns (the program goes on from the failing procedure's caller).
void gsErrorTrap();

/// Fills Number, Description, Module and Procedure from the exception in flight
/// and calls gsErrorTrap. Call only from inside a catch block.
void trapCurrentException(std::string_view module, std::string_view procedure) noexcept;

/// The exception in flight as a Failure that carries this thread's Location and
/// AdditionalData (a failure that already carries a place keeps it), for a worker
/// to hand to the thread that reports it. Other exceptions become Failures with
/// the numbers the trap gives them. Call only from inside a catch block.
std::exception_ptr currentFailureWithContext() noexcept;

/// Runs body as one trapped procedure: Location starts at 1000 with no file
/// named in AdditionalData (what a failure before left there has been reported), and any
/// exception leaving body is reported under module and procedure. Returns true
/// when body finished, false when it failed (and the trap returned).
template <typename Body> bool trapped(std::string_view module, std::string_view procedure, Body&& body) noexcept
{
    try {
        setLocation(1000);
        errorContext().AdditionalData.clear();
        body();
        return true;
    } catch (...) {
        trapCurrentException(module, procedure);
        return false;
    }
}

/// Lets a throwing core number its own steps without moving its caller's: the
/// caller's Location comes back when the core returns normally, and when the
/// core throws, the step it failed at stays for the trap to report.
class LocationScope {
public:
    LocationScope();
    ~LocationScope();
    LocationScope(const LocationScope&) = delete;
    LocationScope& operator=(const LocationScope&) = delete;

private:
    std::int32_t mCallersLocation;
    int mExceptions;
};

/// Puts "Filename = <path>" into AdditionalData for the lifetime of the guard,
/// and puts the caller's text back when the scope ends normally; after a
/// failure the text stays so that the report names the file.
class FileNameContext {
public:
    explicit FileNameContext(std::string_view utf8Path);
    ~FileNameContext();
    FileNameContext(const FileNameContext&) = delete;
    FileNameContext& operator=(const FileNameContext&) = delete;

private:
    std::string mCallersData;
    int mExceptions;
};

} // namespace varnick
