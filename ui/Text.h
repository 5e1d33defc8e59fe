#pragma once

#include <QString>

#include <string>
#include <string_view>

// Conversions between the lookups' plain C++ texts and the windows' QString.
namespace velmora::ui {

inline QString toQString(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString toQString(std::u32string_view text)
{
    return QString::fromUcs4(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::u32string toU32(const QString& text)
{
    return text.toStdU32String();
}

} // namespace velmora::ui
