#include "SortMarkers.h"

#include <gtest/gtest.h>

namespace lexorin {
namespace {

using M = TSortMarker;

TSortMarkers PhraseList() {
    return TSortMarkers({{"text", M::Ascending, 3},
                         {"cases", M::Descending, 2},
                         {"words", M::Descending, 1},
                         {"dispersion"}});
}

TEST(SortMarkers, InitialKeysFollowTheIndexes) {
    EXPECT_EQ(PhraseList().Keys(), "words desc,cases desc,text asc");
    EXPECT_EQ(TSortMarkers({}).Keys(), "");
}

TEST(SortMarkers, AClickWithoutCtrlSortsByThatColumnAlone) {
    TSortMarkers markers = PhraseList();
    const std::vector<std::string> expected = {"dispersion desc", "dispersion asc",
                                               "dispersion desc"};
    for (const std::string& keys : expected) {
        markers.TitleClick(3, false);
        EXPECT_EQ(markers.Keys(), keys);
    }
    EXPECT_EQ(markers.Columns()[0].index, 0);
    markers.TitleClick(1, false);
    EXPECT_EQ(markers.Keys(), "cases desc") << "from none, a column starts descending";
}

TEST(SortMarkers, CtrlClicksAddCycleAndRemoveAColumn) {
    TSortMarkers markers = PhraseList();
    markers.TitleClick(3, true);
    EXPECT_EQ(markers.Keys(), "words desc,cases desc,text asc,dispersion desc");
    markers.TitleClick(3, true);
    EXPECT_EQ(markers.Keys(), "words desc,cases desc,text asc,dispersion asc");
    markers.TitleClick(1, true); // cases: desc to asc
    markers.TitleClick(1, true); // cases: asc to none, the others move up
    EXPECT_EQ(markers.Keys(), "words desc,text asc,dispersion asc");
    EXPECT_EQ(markers.Columns()[3].index, 3);

    TSortMarkers single({{"a"}, {"b"}});
    single.TitleClick(0, true);
    EXPECT_EQ(single.Keys(), "a desc");
    single.TitleClick(0, true);
    EXPECT_EQ(single.Keys(), "a asc");
    single.TitleClick(0, true);
    EXPECT_EQ(single.Keys(), "") << "the third Ctrl-click removes the marker";
}

} // namespace
} // namespace lexorin
