#include "core/link/PanelColours.h"

#include <gtest/gtest.h>

using namespace kvq;

TEST(PanelColours, TheInterfacePanelFollowsTheTickedInterfaces) {
    EXPECT_EQ(interfacePanelColour(false, true, false, true), PanelColour::Neutral) << "open but not ticked";
    EXPECT_EQ(interfacePanelColour(true, false, false, false), PanelColour::Red);
    EXPECT_EQ(interfacePanelColour(true, true, false, false), PanelColour::Green);
    EXPECT_EQ(interfacePanelColour(false, true, true, false), PanelColour::Red)
        << "the open port is not the ticked one";
    EXPECT_EQ(interfacePanelColour(true, false, true, true), PanelColour::Green);
}

TEST(PanelColours, TheExchangePanelFollowsLinkState) {
    const PanelColour expected[] = {PanelColour::Neutral, PanelColour::Yellow, PanelColour::Green,
                                    PanelColour::Red, PanelColour::Neutral};
    for (int state = 0; state < 5; ++state)
        EXPECT_EQ(linkStatePanelColour(state), expected[state]) << state;
}
