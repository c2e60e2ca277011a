#include "toolkit/about/AboutLayout.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace KavoUtility;

namespace {

using Row = std::array<int32_t, 4>;

// Panel, logo, title, subtitle, web link, mail link, notice, OK: x, y, width, height.
std::vector<Row> Rows(const AboutLayout& layout)
{
    std::vector<Row> rows;
    for (const AboutLayout::Box& box : {layout.panel, layout.logo, layout.titleLabel, layout.subtitleLabel,
             layout.webLink, layout.mailLink, layout.noticeBox, layout.okButton}) {
        rows.push_back({box.x, box.y, box.width, box.height});
    }
    return rows;
}

struct LayoutCase {
    std::string name;
    int32_t formWidth;
    int32_t formHeight;
    int32_t logoWidth;
    int32_t logoHeight;
    std::vector<Row> expected;
};

const LayoutCase layoutCases[] = {
    {"TheGamesValues", 600, 300, 164, 50,
        {{10, 10, 184, 280}, {5, 5, 164, 50}, {209, 10, 381, 25}, {209, 35, 381, 25}, {209, 55, 150, 22},
            {369, 55, 150, 22}, {209, 85, 381, 155}, {359, 250, 80, 25}}},
    {"NoLogo", 600, 300, 0, 0,
        {{10, 10, 20, 280}, {5, 5, 0, 0}, {45, 10, 545, 25}, {45, 35, 545, 25}, {45, 55, 150, 22},
            {205, 55, 150, 22}, {45, 85, 545, 155}, {277, 250, 80, 25}}},
    {"OddColumnWidth", 601, 301, 164, 50,
        {{10, 10, 184, 281}, {5, 5, 164, 50}, {209, 10, 382, 25}, {209, 35, 382, 25}, {209, 55, 150, 22},
            {369, 55, 150, 22}, {209, 85, 382, 156}, {360, 251, 80, 25}}},
    {"ColumnNarrowerThanNothing", 100, 100, 60, 40,
        {{10, 10, 80, 80}, {5, 5, 60, 40}, {105, 10, -15, 25}, {105, 35, -15, 25}, {105, 55, 150, 22},
            {265, 55, 150, 22}, {105, 85, -15, -45}, {58, 50, 80, 25}}},
};

class AboutLayoutTable : public testing::TestWithParam<LayoutCase> {};

TEST_P(AboutLayoutTable, PlacesEveryElement)
{
    const LayoutCase& c = GetParam();
    EXPECT_EQ(Rows(LayOutAbout(c.formWidth, c.formHeight, c.logoWidth, c.logoHeight)), c.expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, AboutLayoutTable, testing::ValuesIn(layoutCases),
    [](const testing::TestParamInfo<LayoutCase>& info) { return info.param.name; });

} // namespace
