#include "app/editor/core/NumericFields.h"

#include <algorithm>

#include <cmath>
#include <limits>

namespace varnick {

bool numericKeyPasses(char16_t key) noexcept
{
    if (key >= u'0' && key <= u'9')
        return true;
    return key == 3 || key == 8 || key == 22;
}

bool numericBoxHolds(ObjectField field, std::string_view text) noexcept
{
    if (numericBoxLength(field) == 0 || text.size() > static_cast<std::size_t>(numericBoxLength(field)))
        return false;
    // A motive's loaded value may be negative; its sign stays editable.
    if (fieldInfo(field).kind == ObjectFieldKind::Motive && !text.empty() && text.front() == '-')
        text.remove_prefix(1);
    return std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::int64_t leadingNumber(std::string_view text) noexcept
{
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Digits accumulate in a double: far past the 16-bit fields, exact for every
    // integer a box can hold, and saturating instead of overflowing.
    double value = 0;
    bool digits = false;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
        value = value * 10 + (text[i] - '0');
        digits = true;
        ++i;
    }
    if (i < text.size() && text[i] == '.') {
        ++i;
        double scale = 0.1;
        while (i < text.size() && text[i] >= '0' && text[i] <= '9') {
            value += (text[i] - '0') * scale;
            scale /= 10;
            digits = true;
            ++i;
        }
    }
    if (!digits)
        return 0;
    // Halves go to the even neighbour (2.5 gives 2, 3.5 gives 4).
    const double rounded = std::nearbyint(negative ? -value : value);
    if (rounded >= 9.2e18)
        return std::numeric_limits<std::int64_t>::max();
    if (rounded <= -9.2e18)
        return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

std::uint16_t amountBits(std::int64_t value) noexcept
{
    if (value > 65535)
        return 65535;
    if (value < 0)
        return 0;
    return static_cast<std::uint16_t>(value);
}

std::uint16_t motiveBits(std::int64_t value) noexcept
{
    if (value > 32767)
        value = 32767;
    if (value < -32768)
        value = -32768;
    return static_cast<std::uint16_t>(static_cast<std::int16_t>(value));
}

std::uint16_t numericFieldBits(ObjectField field, std::string_view boxText) noexcept
{
    const std::int64_t value = leadingNumber(boxText);
    return fieldInfo(field).kind == ObjectFieldKind::Motive ? motiveBits(value) : amountBits(value);
}

std::optional<std::string> numericWrittenText(ObjectField field, std::string_view boxText)
{
    if (boxText.empty())
        return std::nullopt;
    const std::int64_t typed = leadingNumber(boxText);
    const std::uint16_t bits = numericFieldBits(field, boxText);
    const std::int64_t written = fieldInfo(field).kind == ObjectFieldKind::Motive
        ? static_cast<std::int64_t>(static_cast<std::int16_t>(bits))
        : static_cast<std::int64_t>(bits);
    if (typed == written)
        return std::nullopt;
    return std::to_string(written);
}

std::string numericFieldText(const ObjectDefinition& definition, ObjectField field)
{
    if (fieldInfo(field).kind == ObjectFieldKind::Motive)
        return std::to_string(definition.motive(field));
    return std::to_string(definition.amount(field));
}

} // namespace varnick
