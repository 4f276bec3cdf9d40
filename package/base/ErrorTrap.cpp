#include "package/base/ErrorTrap.h"

#include <cstdio>
#include <cstdlib>
#include <new>
#include <system_error>

namespace varnick {

namespace {

ErrorTrapHandler& installedHandler()
{
    static ErrorTrapHandler handler;
    return handler;
}

void defaultHandler(const ErrorContext& context)
{
    std::fprintf(stderr, "Error %d: %s (%s.%s, location %d)%s%s\n", context.Number, context.Description.c_str(),
        context.Module.c_str(), context.Procedure.c_str(), context.Location, context.AdditionalData.empty() ? "" : " ",
        context.AdditionalData.c_str());
    std::exit(1);
}

} // namespace

Phrase phraseOf(const std::exception& error)
{
    if (const auto* failure = dynamic_cast<const Failure*>(&error))
        return failure->phrase();
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr)
        return Phrase(VARNICK_PHRASE("Failures", "Out of memory"));
    return Phrase(std::string(error.what()));
}

ErrorContext& errorContext()
{
    // One record per thread: the readers that note their location and file
    // name run on several worker threads at once, and one shared record
    // written by all of them would be a data race (on its strings, a corrupted heap).
    static thread_local ErrorContext context;
    return context;
}

void setLocation(std::int32_t location)
{
    errorContext().Location = location;
}

ErrorTrapHandler setErrorTrapHandler(ErrorTrapHandler handler)
{
    ErrorTrapHandler previous = std::move(installedHandler());
    installedHandler() = std::move(handler);
    return previous;
}

void gsErrorTrap()
{
    const ErrorTrapHandler& handler = installedHandler();
    if (handler)
        handler(errorContext());
    else
        defaultHandler(errorContext());
}

namespace {

// Number, description and carried place of the exception in flight.
struct InFlight {
    std::int32_t number = static_cast<std::int32_t>(ErrorCode::Unexpected);
    std::string description;
    std::optional<FailurePlace> place;
    std::optional<Phrase> phrase;
};

InFlight describeInFlight()
{
    InFlight described;
    try {
        throw;
    } catch (const Failure& failure) {
        described.number = failure.number();
        described.description = failure.what();
        described.place = failure.place();
        if (failure.hasPhrase())
            described.phrase = failure.phrase();
    } catch (const std::bad_alloc&) {
        described.number = static_cast<std::int32_t>(ErrorCode::OutOfMemory);
        described.description = "Out of memory";
        described.phrase = Phrase(VARNICK_PHRASE("Failures", "Out of memory"));
    } catch (const std::exception& error) {
        described.description = error.what();
    } catch (...) {
        described.description = "Unknown failure";
    }
    return described;
}

} // namespace

std::exception_ptr currentFailureWithContext() noexcept
{
    try {
        InFlight described = describeInFlight();
        if (!described.place)
            described.place = FailurePlace { errorContext().Location, errorContext().AdditionalData };
        const auto code = static_cast<ErrorCode>(described.number);
        // The phrase goes along, so that the window it reaches can say it in the player's language.
        if (described.phrase)
            return std::make_exception_ptr(Failure(code, std::move(*described.phrase), std::move(described.place)));
        return std::make_exception_ptr(Failure(code, described.description, std::move(described.place)));
    } catch (...) {
        // Out of memory while describing it: what there is, unchanged.
        return std::current_exception();
    }
}

void trapCurrentException(std::string_view module, std::string_view procedure) noexcept
{
    ErrorContext& context = errorContext();
    try {
        InFlight described = describeInFlight();
        context.Number = described.number;
        context.Description = std::move(described.description);
        context.DescriptionPhrase = std::move(described.phrase);
        // A failure carried from a worker reports the step and file it failed at there.
        if (described.place) {
            context.Location = described.place->location;
            context.AdditionalData = std::move(described.place->additionalData);
        }
        context.Module = std::string(module);
        context.Procedure = std::string(procedure);
    } catch (...) {
        // Copying the labels failed (out of memory): report with what is there.
    }
    try {
        gsErrorTrap();
    } catch (...) {
        // A handler must not throw; if one does, there is nobody left to tell.
        std::abort();
    }
}

LocationScope::LocationScope()
    : mCallersLocation(errorContext().Location)
    , mExceptions(std::uncaught_exceptions())
{
}

LocationScope::~LocationScope()
{
    if (std::uncaught_exceptions() == mExceptions)
        setLocation(mCallersLocation);
}

FileNameContext::FileNameContext(std::string_view utf8Path)
    : mCallersData(errorContext().AdditionalData)
    , mExceptions(std::uncaught_exceptions())
{
    errorContext().AdditionalData = "Filename = " + std::string(utf8Path);
}

FileNameContext::~FileNameContext()
{
    if (std::uncaught_exceptions() == mExceptions)
        errorContext().AdditionalData = std::move(mCallersData);
}

} // namespace varnick
