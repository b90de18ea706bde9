// The numbered registry: a slot names its object for exactly the object's lifetime.
#include <gtest/gtest.h>

#include "vela/fnd/Singleton.h"

namespace {

struct Other {
    virtual ~Other() = default;
    int padding = 0;
};

// The registry base is not the first base: the slot must still hold the whole object.
struct App : Other, vela::fnd::CSingleton<App, 2> {
    explicit App(int slot) : vela::fnd::CSingleton<App, 2>(slot) {}
};

TEST(Singleton, SlotHoldsTheObjectWhileItLives) {
    EXPECT_EQ(App::GetInstance(0), nullptr);
    {
        App first(0);
        EXPECT_EQ(App::GetInstance(0), &first);
        EXPECT_EQ(App::GetInstance(1), nullptr);
        {
            App second(1);
            EXPECT_EQ(App::GetInstance(1), &second);
            EXPECT_EQ(second.index, 1);
        }
        EXPECT_EQ(App::GetInstance(1), nullptr);
        EXPECT_EQ(App::GetInstance(0), &first);
    }
    EXPECT_EQ(App::GetInstance(0), nullptr);
}

} // namespace
