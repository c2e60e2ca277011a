#include "game/DealDeck.h"

#include "tests/game/TilePrinter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <set>

using namespace Game;

namespace {

struct Deck {
    Tile faceTable[kFaceTableSize];
    std::vector<int32_t> deckOrder;

    Deck()
    {
        std::fill(std::begin(faceTable), std::end(faceTable), Tile{-9, -9});
    }
};

void ExpectValidDeal(const Deck& deck, int pairs)
{
    std::set<std::pair<int, int>> faces;
    for (int i = 0; i < pairs; ++i) {
        const Tile face = deck.faceTable[i];
        EXPECT_TRUE(IsFace(face)) << "entry " << i << ": (" << face.column << ", " << face.row << ")";
        EXPECT_TRUE(face.column >= 0 && face.column < 8 && face.row >= 0 && face.row < 5) << "entry " << i;
        faces.insert({face.column, face.row});
        EXPECT_EQ(deck.faceTable[pairs + i], face) << "entry " << pairs + i << " mirrors entry " << i;
    }
    EXPECT_EQ(faces.size(), static_cast<size_t>(pairs)) << "the dealt faces are distinct";

    std::vector<int32_t> sorted = deck.deckOrder;
    std::sort(sorted.begin(), sorted.end());
    std::vector<int32_t> identity(2 * pairs);
    std::iota(identity.begin(), identity.end(), 0);
    EXPECT_EQ(sorted, identity) << "deckOrder is a permutation of 0.." << 2 * pairs - 1;
}

} // namespace

TEST(DealDeck, DealsDistinctFacesTwiceInShuffledOrder)
{
    const std::pair<int, int> columnsAndPairs[] = {{4, 10}, {6, 15}, {8, 20}, {5, 12}, {1, 2}};
    for (const auto& [columns, pairs] : columnsAndPairs) {
        for (int round = 0; round < 50; ++round) {
            Deck deck;
            DealDeck(deck.faceTable, deck.deckOrder, columns);
            SCOPED_TRACE(testing::Message() << columns << " columns, round " << round);
            ExpectValidDeal(deck, pairs);
        }
    }
}

TEST(DealDeck, LeavesEntriesPastTheDealUntouched)
{
    Deck deck;
    DealDeck(deck.faceTable, deck.deckOrder, 8);
    Tile before[kFaceTableSize];
    std::copy(std::begin(deck.faceTable), std::end(deck.faceTable), before);

    DealDeck(deck.faceTable, deck.deckOrder, 4);
    EXPECT_EQ(deck.deckOrder.size(), 20u);
    for (int i = 20; i < kFaceTableSize; ++i) {
        EXPECT_EQ(deck.faceTable[i], before[i]) << "entry " << i;
    }
}

TEST(DealDeck, EveryFaceOfTheSheetTurnsUp)
{
    std::set<std::pair<int, int>> seen;
    Deck deck;
    for (int round = 0; round < 200; ++round) {
        DealDeck(deck.faceTable, deck.deckOrder, 8);
        for (int i = 0; i < 20; ++i) {
            seen.insert({deck.faceTable[i].column, deck.faceTable[i].row});
        }
    }
    EXPECT_EQ(seen.size(), 35u);
}

TEST(DealDeck, ColumnCountsOutsideTheBoardStayInsideTheDeck)
{
    const std::pair<int, size_t> columnsAndCards[] = {{0, 0}, {-3, 0}, {9, 40}, {1000, 40}};
    for (const auto& [columns, cards] : columnsAndCards) {
        Deck deck;
        deck.deckOrder = {7, 7, 7};
        DealDeck(deck.faceTable, deck.deckOrder, columns);
        EXPECT_EQ(deck.deckOrder.size(), cards) << columns << " columns";
        if (cards == 0) {
            EXPECT_EQ(deck.faceTable[0], (Tile{-9, -9})) << "nothing dealt for " << columns << " columns";
        } else {
            ExpectValidDeal(deck, 20);
        }
    }
}

TEST(IsFace, RejectsTheCardBackAndTheBlackTiles)
{
    int faces = 0;
    for (int column = 0; column < 8; ++column) {
        for (int row = 0; row < 5; ++row) {
            faces += IsFace(Tile{column, row}) ? 1 : 0;
        }
    }
    EXPECT_EQ(faces, 35);
    EXPECT_FALSE(IsFace(Tile{0, 1}));
    for (int row = 1; row < 5; ++row) {
        EXPECT_FALSE(IsFace(Tile{7, row})) << "row " << row;
    }
    EXPECT_TRUE(IsFace(Tile{7, 0}));
}
