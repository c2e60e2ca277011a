#include "tests/support/GdiObjectCount.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <vector>

TEST(GdiObjectCount, MovesByExactlyTheObjectsCreatedAndDeleted)
{
    const int32_t before = GdiObjectCount();
    EXPECT_GT(before, 0);
    std::vector<HGDIOBJ> objects;
    for (int i = 0; i < 20; ++i) {
        objects.push_back(CreatePen(PS_SOLID, 1, RGB(i, 0, 0)));
        objects.push_back(CreateSolidBrush(RGB(0, i, 0)));
        objects.push_back(CreateFontW(10 + i, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Arial"));
    }
    EXPECT_EQ(GdiObjectCount(), before + 60);
    for (HGDIOBJ object : objects) {
        DeleteObject(object);
    }
    EXPECT_EQ(GdiObjectCount(), before);
}
