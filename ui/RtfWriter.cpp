#include "ui/RtfWriter.h"

#include "ui/Fonts.h"
#include "ui/Windows1252.h"

#include <QColor>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextDocument>
#include <QTextFragment>

#include <cmath>

namespace velmora::ui {
namespace {

// Fonts and colours are numbered in order of first use, as RTF's tables are.
class Tables {
public:
    int fontIndex(const QString& family)
    {
        return indexOf(fonts_, family);
    }

    int colorIndex(const QColor& color)
    {
        // Colour 0 is the reader's default; ours start at 1.
        return indexOf(colors_, color.name()) + 1;
    }

    QByteArray fontTable() const
    {
        QByteArray out = "{\\fonttbl";
        for (qsizetype i = 0; i < fonts_.size(); ++i)
            out += "{\\f" + QByteArray::number(i) + "\\fswiss\\fcharset0 " + escaped(fonts_[i]) + ";}";
        return out + "}";
    }

    QByteArray colorTable() const
    {
        QByteArray out = "{\\colortbl;";
        for (const QString& name : colors_) {
            const QColor c(name);
            out += "\\red" + QByteArray::number(c.red()) + "\\green" + QByteArray::number(c.green())
                   + "\\blue" + QByteArray::number(c.blue()) + ";";
        }
        return out + "}";
    }

    static QByteArray escaped(const QString& text)
    {
        QByteArray out;
        for (const QChar ch : text)
            appendEscaped(out, ch);
        return out;
    }

    static void appendEscaped(QByteArray& out, QChar ch)
    {
        const char16_t code = ch.unicode();
        switch (code) {
        case u'\\': out += "\\\\"; return;
        case u'{': out += "\\{"; return;
        case u'}': out += "\\}"; return;
        case u'\t': out += "\\tab "; return;
        case 0x2028: out += "\\line "; return;
        default: break;
        }
        if (code >= 0x20 && code < 0x7F) {
            out += static_cast<char>(code);
            return;
        }
        // Surrogate halves are written one by one, as RTF's \u expects.
        if (!ch.isSurrogate()) {
            if (const auto byte = ToWindows1252(code)) {
                out += "\\'" + QByteArray::number(*byte, 16).rightJustified(2, '0');
                return;
            }
        }
        out += "\\u" + QByteArray::number(static_cast<qint16>(code)) + "?";
    }

private:
    static int indexOf(QStringList& list, const QString& value)
    {
        qsizetype index = list.indexOf(value);
        if (index < 0) {
            list.append(value);
            index = list.size() - 1;
        }
        return static_cast<int>(index);
    }

    QStringList fonts_;
    QStringList colors_;
};

QByteArray runFormat(Tables& tables, const QTextCharFormat& format, const QFont& defaultFont)
{
    const QStringList families = format.fontFamilies().toStringList();
    const QString family = families.isEmpty() ? defaultFont.family() : families.first();
    const double points = format.fontPointSize() > 0 ? format.fontPointSize() : defaultFont.pointSizeF();
    const QColor color = format.foreground().style() == Qt::NoBrush ? QColor(Qt::black) : format.foreground().color();
    const bool bold = format.fontWeight() >= QFont::Bold;
    return "\\f" + QByteArray::number(tables.fontIndex(designFamily(family))) + "\\fs"
           + QByteArray::number(static_cast<int>(std::lround(points * 2))) + "\\cf"
           + QByteArray::number(tables.colorIndex(color)) + (bold ? "\\b" : "\\b0") + " ";
}

} // namespace

QByteArray toRtf(const QTextDocument& document)
{
    Tables tables;
    const QFont defaultFont = document.defaultFont();
    tables.fontIndex(designFamily(defaultFont.family()));

    QByteArray body;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            body += "\\par\n";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            body += "{" + runFormat(tables, fragment.charFormat(), defaultFont);
            for (const QChar ch : fragment.text())
                Tables::appendEscaped(body, ch);
            body += "}";
        }
    }

    return "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1" + tables.fontTable() + tables.colorTable()
           + "\n\\pard\\plain " + body + "\n}\n";
}

} // namespace velmora::ui
