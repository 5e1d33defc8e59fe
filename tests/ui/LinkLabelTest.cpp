#include "ui/Fonts.h"
#include "ui/LinkLabel.h"

#include <QImage>
#include <QLabel>
#include <gtest/gtest.h>

using velmora::ui::LinkLabel;

namespace {

struct Case {
    const char* name;
    const char* text;
    Qt::Alignment alignment;
    bool wordWrap;
    QFrame::Shape frame;
    int margin;
    QSize size;
};

const Case kCases[] = {
    {"one line", "Zodiac Compatibility", Qt::AlignHCenter | Qt::AlignTop, false, QFrame::NoFrame, 0, {180, 20}},
    {"wrapped", "Visit the site for more on your signs and on the match of your two signs",
     Qt::AlignLeft | Qt::AlignVCenter, true, QFrame::NoFrame, 0, {150, 70}},
    {"framed, centred", "Back to the entries", Qt::AlignCenter, true, QFrame::Box, 2, {140, 40}},
    {"right to left", "\u05d7\u05d6\u05e8\u05d4", Qt::AlignLeft | Qt::AlignTop, false, QFrame::Panel, 0, {90, 24}},
    {"empty", "", Qt::AlignLeft, false, QFrame::NoFrame, 0, {40, 20}},
};

void setUp(QLabel& label, const Case& row)
{
    label.setFont(velmora::ui::verdana(8.25, true, true));
    // Set after the focus policy, as the windows do: a focusable label takes
    // its text then.
    label.setText(QString::fromUtf8(row.text));
    label.setAlignment(row.alignment);
    label.setWordWrap(row.wordWrap);
    label.setFrameShape(row.frame);
    label.setMargin(row.margin);
    label.resize(row.size);
}

} // namespace

// A link label takes the keyboard focus, yet draws and measures its text
// exactly as a plain label does.
TEST(LinkLabel, LooksAndSizesAsAPlainLabel)
{
    for (const Case& row : kCases) {
        SCOPED_TRACE(row.name);
        LinkLabel link;
        ASSERT_EQ(link.focusPolicy(), Qt::StrongFocus);
        setUp(link, row);
        QLabel plain;
        plain.setTextFormat(Qt::PlainText);
        setUp(plain, row);

        EXPECT_EQ(link.sizeHint(), plain.sizeHint());
        EXPECT_EQ(link.minimumSizeHint(), plain.minimumSizeHint());
        for (const int width : {0, 60, 200})
            EXPECT_EQ(link.heightForWidth(width), plain.heightForWidth(width)) << width;
        EXPECT_EQ(link.grab().toImage(), plain.grab().toImage());
    }
}
