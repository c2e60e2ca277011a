#include "game/GameConstants.h"

#include <gtest/gtest.h>

#include <string>

using namespace Game;

TEST(GameConstants, FreewareNoticeIsThreeItalianLinesOf116Characters)
{
    const std::string notice = kFreewareNotice;
    EXPECT_EQ(notice.size(), 116u);

    const auto firstBreak = notice.find("\r\n");
    const auto secondBreak = notice.find("\r\n", firstBreak + 2);
    ASSERT_NE(firstBreak, std::string::npos);
    ASSERT_NE(secondBreak, std::string::npos);
    EXPECT_EQ(notice.find("\r\n", secondBreak + 2), std::string::npos) << "three lines, no more";
    EXPECT_EQ(notice.find('\n'), firstBreak + 1) << "no bare line feed";

    // The accented letters are single bytes, not UTF-8 sequences.
    EXPECT_NE(notice.find('\xE8'), std::string::npos) << "e-grave";
    EXPECT_NE(notice.find('\xF2'), std::string::npos) << "o-grave";
    EXPECT_EQ(notice.find('\xC3'), std::string::npos) << "no UTF-8 lead byte";
}

TEST(GameConstants, SiteAddressIsSchemeAndHostWithoutTrailingSlash)
{
    const std::string site = kSiteAddress;
    EXPECT_EQ(site.rfind("http://www.", 0), 0u) << site;
    EXPECT_NE(site.back(), '/') << site;
    EXPECT_EQ(site.find('/', 7), std::string::npos) << "no path: " << site;
}

TEST(GameConstants, NoticeLineIsOneLineWithYear)
{
    const std::string notice = kNoticeLine;
    EXPECT_EQ(notice.find_first_of("\r\n"), std::string::npos) << notice;
    EXPECT_NE(notice.find("2026"), std::string::npos) << notice;
}
