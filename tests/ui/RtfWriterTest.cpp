#include "tests/support/WordProcessor.h"
#include "ui/RichTextBox.h"
#include "ui/RtfWriter.h"

#include <gtest/gtest.h>

using velmora::testing::readWithAbiWord;
using velmora::ui::RichTextBox;
using velmora::ui::toRtf;

class RtfRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(RtfRoundTrip, ARealReaderGetsEveryCharacterBack)
{
    const QString written = QString::fromUtf8(GetParam());
    RichTextBox view;
    view.appendRun(written);
    QString paragraphs = written;
    paragraphs.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    EXPECT_EQ(readWithAbiWord(toRtf(*view.document()), QStringLiteral("txt")), paragraphs);
}

INSTANTIATE_TEST_SUITE_P(Texts, RtfRoundTrip,
                         ::testing::Values("plain words",
                                           "back\\slash {braces} and }{ turned",
                                           "Caf\u00e9 \u00d8rsted, na\u00efve \u00c5se",
                                           "\u20ac 5 \u2013 \u201cquoted\u201d \u2026",
                                           "\u0141ukasz \u041f\u0440\u0438\u0432\u0435\u0442 \u65e5\u672c",
                                           "a smile \U0001F600 beyond the basic plane",
                                           "first line\r\nsecond line\r\n\r\nafter a blank"));

TEST(RtfWriter, KeepsColoursEmphasisAndTheFont)
{
    RichTextBox view;
    view.setRunColor(QColor(128, 0, 128));
    view.setEmphasis(true);
    view.appendRun(QStringLiteral("Heading\r\n"));
    view.setEmphasis(false);
    view.setRunColor(QColor(0, 128, 128));
    view.appendRun(QStringLiteral("Label: "));
    view.setRunColor(Qt::black);
    view.appendRun(QStringLiteral("value"));

    const QByteArray rtf = toRtf(*view.document());
    EXPECT_TRUE(rtf.contains("\\red128\\green0\\blue128;")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\red0\\green128\\blue128;"));
    EXPECT_TRUE(rtf.contains("Verdana;"));

    EXPECT_EQ(readWithAbiWord(rtf, QStringLiteral("txt")), "Heading\nLabel: value");
    const QString html = readWithAbiWord(rtf, QStringLiteral("html"));
    EXPECT_TRUE(html.contains(QLatin1String(R"(color:#800080">Heading)"))) << html.toStdString();
    EXPECT_TRUE(html.contains(QLatin1String(R"(color:#008080">Label:)"))) << html.toStdString();
    EXPECT_TRUE(rtf.contains("\\b Heading")) << rtf.constData();
    EXPECT_TRUE(rtf.contains("\\b0 Label: "));
}
