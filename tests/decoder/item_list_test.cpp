// FreeItemList and the process-wide empty list.
#include "point_file_fixture.h"

#include "decoder/item_list.h"

TEST_F(PointFileTest, FreeItemListReleasesItemsAndStorage)
{
    Reading r = Read("1 2\n.np\n3 4 \"a long enough name to own memory\"\n", "Y X Name");
    ASSERT_EQ(r.items.size(), 2u);
    EXPECT_EQ(d->FreeItemList(&r.items), 0u);
    EXPECT_TRUE(r.items.empty());
    EXPECT_EQ(r.items.capacity(), 0u);
    EXPECT_EQ(d->FreeItemList(nullptr), 1u);
}

TEST_F(PointFileTest, OneEmptyListForTheProcess)
{
    PolygonItemList* a = nullptr;
    PolygonItemList* b = nullptr;
    EXPECT_EQ(d->GetEmptyItemList(&a), 0u);
    CDecodeTxLine* other = new CDecodeTxLine(nullptr);
    EXPECT_EQ(other->GetEmptyItemList(&b), 0u);
    other->NondelegatingRelease();
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(a, b);
    EXPECT_TRUE(a->empty());
    EXPECT_EQ(d->GetEmptyItemList(nullptr), 1u);
    ReleaseEmptyItemList();
    ReleaseEmptyItemList(); // a second release is harmless
    EXPECT_EQ(d->GetEmptyItemList(&a), 0u);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(a->empty());
    ReleaseEmptyItemList();
}
