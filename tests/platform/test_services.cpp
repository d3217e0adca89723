#include "platform/Services.h"
#include "platform/testing/ScriptedServices.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(WaitUntil, ReturnsTrueAsSoonAsThePredicateHoldsAndFalseOnTimeOut)
{
    doubles::ScriptedServices s;
    int calls = 0;
    EXPECT_TRUE(waitUntil([&] { return ++calls >= 3; }, 1000));
    EXPECT_EQ(calls, 3);

    const qint64 start = s.clock.monotonicMs();
    EXPECT_FALSE(waitUntil([] { return false; }, 250));
    EXPECT_GE(s.clock.monotonicMs() - start, 250);
    EXPECT_LT(s.clock.monotonicMs() - start, 250 + 2 * s.eventLoop.stepPerYieldMs);
}

TEST(ScriptedMessageBox, AnswersFromTheScriptThenWithTheDefaultButton)
{
    doubles::ScriptedServices s;
    s.messageBox.answers = {MsgResult::No};
    EXPECT_EQ(msgBox("Save?", MsgButtons::YesNo, MsgIcon::Question, "T"), MsgResult::No);
    EXPECT_EQ(msgBox("Save?", MsgButtons::YesNoCancel, MsgIcon::Question, "T", MsgDefault::Third), MsgResult::Cancel);
    ASSERT_EQ(s.messageBox.shown.size(), 2u);
    EXPECT_EQ(s.messageBox.shown[1].title, "T");
}

TEST(ScriptedServices, RestoresThePreviousServicesWhenDestroyed)
{
    doubles::ScriptedServices outer;
    {
        doubles::ScriptedServices inner;
        EXPECT_EQ(services().messageBox, &inner.messageBox);
    }
    EXPECT_EQ(services().messageBox, &outer.messageBox);
}
