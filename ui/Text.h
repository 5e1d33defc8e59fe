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

inline QString toQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size()));
}

// A text as a caption shows it: every "&" written, none taken as a shortcut mark.
inline QString escapeMnemonics(QString text)
{
    return text.replace(QLatin1Char('&'), QLatin1String("&&"));
}

inline std::u32string toU32(const QString& text)
{
    return text.toStdU32String();
}

} // namespace velmora::ui
