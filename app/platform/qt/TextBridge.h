#pragma once

// The one place where Qt text meets the standard library's strings and paths
// and the package library's byte strings. Widgets never convert ad hoc.

#include "package/base/Bytes.h"
#include "package/base/Paths.h"
#include "package/base/Utf8.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

namespace varnick::text {

/// UTF-8 text (file names, messages, settings) to a QString.
inline QString fromUtf8(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

/// A core's English text, marked for translation under context, in the player's language.
inline QString translated(const char* context, std::string_view english)
{
    const std::string text(english);
    return QCoreApplication::translate(context, text.c_str());
}

/// A QString as UTF-8.
inline std::string toUtf8(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

/// A file system path to a QString (its separators as the path holds them).
inline QString fromPath(const std::filesystem::path& path)
{
    return fromUtf8(pathToUtf8(path));
}

/// A QString (either separator) to a file system path.
inline std::filesystem::path toPath(const QString& path)
{
    return pathFromUtf8(toUtf8(path));
}

/// Catalog text bytes as the player reads them: UTF-8, each invalid byte shown as U+FFFD.
inline QString fromCatalogText(ByteView bytes)
{
    return fromUtf8(toValidUtf8(bytes));
}

/// What the player typed, as catalog text bytes (UTF-8).
inline ByteString toCatalogText(const QString& text)
{
    return toUtf8(text);
}

/// Package bytes as a QByteArray (a copy) and back.
inline QByteArray toByteArray(ByteView bytes)
{
    return QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
inline ByteString fromByteArray(const QByteArray& bytes)
{
    return ByteString(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

} // namespace varnick::text
