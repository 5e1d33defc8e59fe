// The suite's one typeface: Verdana where the machine has it, otherwise the
// first stand-in it has, asked for by its own name so that font matching
// never searches; saved documents still name Verdana.
#include "ui/Fonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <gtest/gtest.h>

using namespace velmora::ui;

TEST(Fonts, TextIsSetInAFamilyTheMachineHasAndDocumentsNameVerdana)
{
    const QFont font = verdana(9.75, true);
    ASSERT_TRUE(QFontDatabase::hasFamily(font.family())) << font.family().toStdString();
    EXPECT_EQ(QFontInfo(font).family(), font.family()) << "no substitution is left to font matching";
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(font.pointSizeF(), 9.75);
    EXPECT_EQ(designFamily(font.family()), "Verdana");
    EXPECT_EQ(designFamily(QStringLiteral("Courier")), "Courier");
}
