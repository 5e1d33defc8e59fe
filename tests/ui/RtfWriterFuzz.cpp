// libFuzzer target for the rich-text writer: any text (the input as UTF-8)
// put in a document is written as 7-bit bytes with balanced braces, and the
// small reader below gets every character of it back.
#include "ui/RtfWriter.h"
#include "ui/Windows1252.h"

#include <QGuiApplication>
#include <QTextBlock>
#include <QTextDocument>

#include <cstdint>
#include <cstdlib>

namespace {

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

int hexValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

// Reads the body text of the writer's output: the font and colour tables are
// skipped, \par ends a paragraph, \'hh is a Windows-1252 byte and \uN? a
// UTF-16 unit whose fallback "?" is dropped. Aborts on anything it does not
// expect, such as a brace out of balance.
class RtfReader {
public:
    explicit RtfReader(const QByteArray& rtf) : rtf_(rtf) {}

    QString text()
    {
        QString out;
        int depth = 0;
        int skipBelow = 0; // depth of a table group being skipped, 0 for none
        while (pos_ < rtf_.size()) {
            const char c = next();
            if (static_cast<unsigned char>(c) > 0x7F)
                std::abort();
            if (c == '{') {
                ++depth;
                const QByteArrayView rest = QByteArrayView(rtf_).sliced(pos_);
                if (skipBelow == 0 && (rest.startsWith("\\fonttbl") || rest.startsWith("\\colortbl")))
                    skipBelow = depth;
            } else if (c == '}') {
                if (skipBelow == depth)
                    skipBelow = 0;
                if (--depth < 0)
                    std::abort();
            } else if (c == '\\') {
                const QString character = control();
                if (skipBelow == 0)
                    out += character;
            } else if (c != '\n' && skipBelow == 0) {
                out += QLatin1Char(c);
            }
        }
        if (depth != 0)
            std::abort();
        return out;
    }

private:
    // The text one control word or symbol after a backslash stands for.
    QString control()
    {
        const char first = next();
        if (first == '\\' || first == '{' || first == '}')
            return QString(QLatin1Char(first));
        if (first == '\'') {
            const int high = hexValue(peek());
            const int low = hexValue(peek(1));
            if (high < 0 || low < 0)
                std::abort();
            pos_ += 2;
            const char32_t character = velmora::ui::FromWindows1252(static_cast<unsigned char>(high * 16 + low));
            return QString::fromUcs4(&character, 1);
        }
        if (!isLetter(first))
            std::abort();
        QByteArray word(1, first);
        while (isLetter(peek()))
            word += next();
        QByteArray number;
        while (peek() == '-' || (peek() >= '0' && peek() <= '9'))
            number += next();
        if (peek() == ' ')
            ++pos_;
        if (word == "par")
            return QStringLiteral("\n");
        if (word == "tab")
            return QStringLiteral("\t");
        if (word == "line")
            return QString(QChar(0x2028));
        if (word == "u") {
            if (next() != '?')
                std::abort();
            return QString(QChar(static_cast<char16_t>(number.toInt())));
        }
        return {};
    }

    // The byte `ahead` bytes on, or NUL past the end.
    char peek(qsizetype ahead = 0) const { return pos_ + ahead < rtf_.size() ? rtf_[pos_ + ahead] : '\0'; }
    char next()
    {
        const char c = peek();
        ++pos_;
        return c;
    }

    const QByteArray& rtf_;
    qsizetype pos_ = 0;
};

// The document's text as the writer sees it: its blocks' fragments, the
// blocks joined by line feeds.
QString documentText(const QTextDocument& document)
{
    QString text;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block != document.begin())
            text += QLatin1Char('\n');
        for (auto it = block.begin(); !it.atEnd(); ++it)
            text += it.fragment().text();
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    QTextDocument document;
    document.setPlainText(QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    const QByteArray rtf = velmora::ui::toRtf(document);
    if (RtfReader(rtf).text() != documentText(document))
        std::abort();
    return 0;
}
