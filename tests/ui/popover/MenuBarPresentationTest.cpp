#include "ui/popover/MenuBarPresentation.h"

#include <gtest/gtest.h>

using namespace ondrix;
using P = MenuBarPresentation;

TEST(MenuBarPresentationTest, AgesTurnOverAtTheirBoundaries)
{
    EXPECT_EQ(P::ageText(0), "now");
    EXPECT_EQ(P::ageText(30), "now");
    EXPECT_EQ(P::ageText(59), "now");
    EXPECT_EQ(P::ageText(60), "1m");
    EXPECT_EQ(P::ageText(59 * 60 + 59), "59m");
    EXPECT_EQ(P::ageText(3600), "1h");
    EXPECT_EQ(P::ageText(23 * 3600), "23h");
    EXPECT_EQ(P::ageText(86399), "23h");
    EXPECT_EQ(P::ageText(86400), "1d");
    EXPECT_EQ(P::ageText(25 * 3600), "1d");
    EXPECT_EQ(P::ageText(-5), "now") << "a clock set back shows the newest upload as new";
}

TEST(MenuBarPresentationTest, FileSymbolsFollowTheLowerCasedExtension)
{
    EXPECT_EQ(P::fileSymbol("clip.MOV"), PopoverSymbol::film);
    EXPECT_EQ(P::fileSymbol("take.mxf"), PopoverSymbol::film);
    EXPECT_EQ(P::fileSymbol("song.Flac"), PopoverSymbol::music);
    EXPECT_EQ(P::fileSymbol("IMG_0001.JPEG"), PopoverSymbol::photo);
    EXPECT_EQ(P::fileSymbol("scan.raw"), PopoverSymbol::photo);
    EXPECT_EQ(P::fileSymbol("invoice.pdf"), PopoverSymbol::richText);
    EXPECT_EQ(P::fileSymbol("backup.tar.gz"), PopoverSymbol::archive);
    EXPECT_EQ(P::fileSymbol("notes.txt"), PopoverSymbol::text);
    EXPECT_EQ(P::fileSymbol("sheet.csv"), PopoverSymbol::table);
    EXPECT_EQ(P::fileSymbol("image.heic"), PopoverSymbol::document);
    EXPECT_EQ(P::fileSymbol("README"), PopoverSymbol::document);
    EXPECT_EQ(P::fileSymbol("jpg"), PopoverSymbol::document) << "a name without a dot has no extension";
}

TEST(MenuBarPresentationTest, HeaderTellsNetworkThenPauseThenEnabledCount)
{
    EXPECT_EQ(P::headerStatusText(true, true, 3), "No network");
    EXPECT_EQ(P::headerStatusText(false, true, 3), "Paused");
    EXPECT_EQ(P::headerStatusText(false, false, 0), "No connections");
    EXPECT_EQ(P::headerStatusText(false, false, 1), "1 active connection");
    EXPECT_EQ(P::headerStatusText(false, false, 12), "12 active connections");

    EXPECT_EQ(P::headerDot(false, true, true), P::Dot::inactive) << "nothing runs: grey, whatever else holds";
    EXPECT_EQ(P::headerDot(true, true, true), P::Dot::error);
    EXPECT_EQ(P::headerDot(true, true, false), P::Dot::paused);
    EXPECT_EQ(P::headerDot(true, false, false), P::Dot::running);
}

TEST(MenuBarPresentationTest, BannerShowsTheHotspotOnlyWhenTheNetworkPaused)
{
    EXPECT_EQ(P::environmentBanner(true, true, true, true).text, "Paused — mobile hotspot detected");
    EXPECT_EQ(P::environmentBanner(true, false, false, false).text, "Paused — no internet connection");
    EXPECT_EQ(P::environmentBanner(false, true, false, false).text, "");
    EXPECT_EQ(P::environmentBanner(false, true, true, true).text, "Preventing sleep — uploading");
    EXPECT_EQ(P::environmentBanner(false, false, true, true).tone, PopoverTone::blue);
    EXPECT_EQ(P::environmentBanner(false, false, true, false).text, "Sleep prevention enabled");
}

TEST(MenuBarPresentationTest, StatusLinesStepsAndKeywordTitles)
{
    EXPECT_EQ(P::connectionStatusText(false, EngineState::error("x"), 2), "Disabled");
    EXPECT_EQ(P::connectionStatusText(true, std::nullopt, 0), "Stopped");
    EXPECT_EQ(P::connectionStatusText(true, EngineState::idle(), 0), "Stopped");
    EXPECT_EQ(P::connectionStatusText(true, EngineState::watching(), 0), "Connected");
    EXPECT_EQ(P::connectionStatusText(true, EngineState::uploading(), 4), "Uploading 4 file(s)");
    EXPECT_EQ(P::connectionStatusText(true, EngineState::paused(), 0), "Paused");
    EXPECT_EQ(P::connectionStatusText(true, EngineState::error("Login refused"), 0), "Login refused");

    // Stored values outside the bounds come back inside on the first step, whichever way.
    EXPECT_EQ(P::steppedSimultaneousUploads(1, -1), 1);
    EXPECT_EQ(P::steppedSimultaneousUploads(5, +1), 5);
    EXPECT_EQ(P::steppedSimultaneousUploads(9, +1), 5);
    EXPECT_EQ(P::steppedSimultaneousUploads(0, -1), 1);
    EXPECT_EQ(P::steppedStabilitySeconds(40, +1), 30);
    EXPECT_EQ(P::steppedStabilitySeconds(40, -1), 39);
    EXPECT_EQ(P::steppedStabilitySeconds(-3, +1), -2) << "'+' only caps at the top";
    EXPECT_EQ(P::steppedStabilitySeconds(-3, -1), 1);

    PushConnection c;
    c.iptcEnabled = true;
    EXPECT_FALSE(P::showsKeywordMenu(c)) << "no presets, no menu";
    IPTCKeywordEntry named{QUuid::createUuid(), "Press", "press-2026"};
    IPTCKeywordEntry unnamed{QUuid::createUuid(), "", "archive"};
    c.iptcKeywords = {named, unnamed};
    EXPECT_TRUE(P::showsKeywordMenu(c));
    EXPECT_EQ(P::keywordMenuTitle(c), "No preset");
    c.selectedIPTCKeywordID = QUuid::createUuid();
    EXPECT_EQ(P::keywordMenuTitle(c), "No preset") << "an id that names no entry";
    c.selectedIPTCKeywordID = unnamed.id;
    EXPECT_EQ(P::keywordMenuTitle(c), "archive");
    c.selectedIPTCKeywordID = named.id;
    EXPECT_EQ(P::keywordMenuTitle(c), "Press");
    c.iptcEnabled = false;
    EXPECT_FALSE(P::showsKeywordMenu(c));
}

TEST(MenuBarPresentationTest, ProgressActivityAndEnvironmentTexts)
{
    EXPECT_EQ(P::progressText(UploadStatus::uploading(0.426)), "42%");
    EXPECT_EQ(P::progressText(UploadStatus::uploading(1.0)), "100%");
    EXPECT_EQ(P::progressText(UploadStatus::pending()), "");
    EXPECT_EQ(P::moreUploadingText(3), "");
    EXPECT_EQ(P::moreUploadingText(4), "+1 more uploading...");
    EXPECT_EQ(P::moreUploadingText(5), "+2 more uploading...");

    EXPECT_EQ(P::networkSymbol("WiFi"), PopoverSymbol::wifi);
    EXPECT_EQ(P::networkSymbol("Ethernet"), PopoverSymbol::ethernet);
    EXPECT_EQ(P::networkSymbol("Hotspot"), PopoverSymbol::hotspot);
    EXPECT_EQ(P::networkSymbol("None"), PopoverSymbol::wifiOff);
    EXPECT_EQ(P::networkSymbol("Cellular"), PopoverSymbol::network);

    EXPECT_EQ(P::diskTone(1.99), PopoverTone::red);
    EXPECT_EQ(P::diskTone(2.0), PopoverTone::orange);
    EXPECT_EQ(P::diskSymbol(4.99), PopoverSymbol::driveWarning);
    EXPECT_EQ(P::diskTone(5.0), PopoverTone::secondary);
    EXPECT_EQ(P::diskSymbol(5.0), PopoverSymbol::drive);
    EXPECT_EQ(P::diskText(123.456), "123.5 GB free");
}
