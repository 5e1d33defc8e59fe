// Pages of a reading made and filled when first shown, filled again after a
// new reading only when shown again.
#include "kit/PagesOnDemand.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class PagesShownOnDemand : public ::testing::Test {
protected:
    PagesShownOnDemand()
    {
        for (const int page : {1, 2}) {
            const std::string name = std::to_string(page);
            pages.add(page, [this, name] { log += "build" + name + " "; }, [this, name] { log += "fill" + name + " "; });
        }
    }

    velmora::kit::PagesOnDemand pages;
    std::string log;
};

TEST_F(PagesShownOnDemand, MakesAndFillsAPageOnlyWhenFirstShown)
{
    pages.readingChanged(0);
    EXPECT_EQ(log, "") << "page 0 is not one of them; nothing is made for the pages off screen";
    pages.show(2);
    pages.show(2);
    pages.show(1);
    EXPECT_EQ(log, "build2 fill2 build1 fill1 ");
}

TEST_F(PagesShownOnDemand, FillsAgainAfterANewReadingTheOnScreenPageAtOnce)
{
    pages.show(1);
    pages.show(2);
    log.clear();
    pages.readingChanged(2);
    EXPECT_EQ(log, "fill2 ");
    pages.show(1);
    pages.show(1);
    EXPECT_EQ(log, "fill2 fill1 ");
}

} // namespace
