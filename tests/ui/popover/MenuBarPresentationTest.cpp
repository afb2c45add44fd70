#include "ui/popover/MenuBarPresentation.h"

#include <gtest/gtest.h>

using namespace ondrix;
using P = MenuBarPresentation;

TEST(MenuBarPresentationTest, AgesHeaderBannerAndSteppersAtTheirEdges)
{
    // -5: a clock set back shows the newest upload as new.
    const int seconds[] = {59, 60, 3599, 3600, 86399, 86400, -5};
    const char* ages[] = {"now", "1m", "59m", "1h", "23h", "1d", "now"};
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(P::ageText(seconds[i]), ages[i]) << seconds[i];

    // Whatever turns the dot red is said in words as well.
    const std::tuple<bool, bool, int, int, const char*> headers[] = {
        {false, false, 0, 0, "No connections"},
        {false, false, 3, 0, "3 active connections"},
        {false, false, 1, 0, "1 active connection"},
        {false, false, 1, 1, "1 connection has an error"},
        {false, true, 3, 2, "2 connections have errors"},
        {true, true, 3, 2, "No network"},
        {false, true, 3, 0, "Paused"}};
    for (const auto& [noNetwork, paused, enabled, failing, text] : headers)
        EXPECT_EQ(P::headerStatusText(noNetwork, paused, enabled, failing), text);
    EXPECT_EQ(P::headerDot(false, true, true), P::Dot::inactive) << "nothing runs: grey, whatever else holds";
    EXPECT_EQ(P::headerDot(true, true, true), P::Dot::error);
    EXPECT_EQ(P::headerDot(true, true, false), P::Dot::paused);
    EXPECT_EQ(P::environmentBanner(false, true, true, true).text, "Preventing sleep — uploading");
    const PushConnection enabled{.isEnabled = true};
    EXPECT_EQ(P::connectionStatusText(enabled, std::nullopt, 0), "Stopped");
    EXPECT_EQ(P::connectionStatusText(enabled, EngineState::uploading(), 1), "Uploading 1 file");
    // An error says what to change where there is advice, and keeps its own words where there is none.
    EXPECT_EQ(P::connectionStatusText(enabled, EngineState::error("curl error 67: Login denied"), 0),
              "The server refused the login. Check the username and the password.");
    for (const char* kept : {"curl error 999: odd", "curl error x: Login denied", "No uploader configured"})
        EXPECT_EQ(P::connectionStatusText(enabled, EngineState::error(kept), 0), kept);

    // Stored values outside the bounds come back inside on the first step, whichever way.
    EXPECT_EQ(P::steppedSimultaneousUploads(9, +1), 5);
    EXPECT_EQ(P::steppedSimultaneousUploads(0, -1), 1);
    EXPECT_EQ(P::steppedStabilitySeconds(-3, +1), -2) << "'+' only caps at the top";
    EXPECT_EQ(P::steppedStabilitySeconds(-3, -1), 1);
    EXPECT_EQ(P::steppedStabilitySeconds(40, +1), 30);

    PushConnection c{.iptcEnabled = true};
    EXPECT_FALSE(P::showsKeywordMenu(c)) << "no presets, no menu";
    c.iptcKeywords = {IPTCKeywordEntry{QUuid::createUuid(), "Press", "press-2026"}};
    c.selectedIPTCKeywordID = QUuid::createUuid();
    EXPECT_EQ(P::keywordMenuTitle(c), "No preset") << "an id that names no entry";
}
