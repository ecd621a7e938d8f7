#include "core/store/change_notices.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

using namespace vorla::store;

TEST(ChangeNotices, ObserversAreToldInOrderUntilTheirSubscriptionEnds) {
    ChangeNotices notices;
    std::vector<std::string> told;
    Subscription first = notices.subscribe([&](Changes c) {
        told.push_back(c.contains(Change::weeks) ? "first:weeks" : "first:other");
    });
    Subscription second = notices.subscribe([&](Changes) { told.push_back("second"); });

    notices.announce(Change::weeks | Change::talks);
    notices.announce(Changes());  // nothing changed: nobody is told
    EXPECT_EQ(told, (std::vector<std::string>{"first:weeks", "second"}));

    first.reset();
    EXPECT_FALSE(first.active());
    notices.announce(Change::brothers);
    EXPECT_EQ(told.back(), "second");
    EXPECT_EQ(told.size(), 3u);

    // A moved subscription keeps observing; the one it replaces stops.
    Subscription third = notices.subscribe([&](Changes) { told.push_back("third"); });
    second = std::move(third);
    notices.announce(Change::hosts);
    EXPECT_EQ(told.back(), "third");
    EXPECT_EQ(told.size(), 4u);
}

TEST(ChangeNotices, AnObserverMayEndSubscriptionsWhileTheRoundRuns) {
    ChangeNotices notices;
    int later_told = 0;
    int self_told = 0;
    Subscription later;
    Subscription self;
    Subscription first = notices.subscribe([&](Changes) { later.reset(); });
    self = notices.subscribe([&](Changes) {
        ++self_told;
        self.reset();  // ends its own observing while it runs
    });
    later = notices.subscribe([&](Changes) { ++later_told; });

    notices.announce(Change::settings);
    notices.announce(Change::settings);
    EXPECT_EQ(later_told, 0);  // ended by the first before its turn
    EXPECT_EQ(self_told, 1);
}

TEST(ChangeNotices, ASubscriptionMayOutliveTheNotices) {
    Subscription kept;
    {
        auto notices = std::make_unique<ChangeNotices>();
        kept = notices->subscribe([](Changes) {});
        EXPECT_TRUE(kept.active());
    }
    EXPECT_FALSE(kept.active());
    kept.reset();  // harmless once the notices are gone
}

TEST(Changes, AllHoldsEveryKindAndNothingElse) {
    for (Change c : {Change::weeks, Change::brothers, Change::availability, Change::congregations,
                     Change::hosts, Change::talks, Change::settings}) {
        EXPECT_TRUE(Changes::all().contains(c));
        EXPECT_FALSE(Changes().contains(c));
    }
    EXPECT_EQ(Change::weeks | Change::talks, Changes(Change::talks) | Change::weeks);
    EXPECT_NE(Changes(Change::weeks), Changes(Change::talks));
}
