#include "platform/ObArray.h"

#include <gtest/gtest.h>

namespace {

class CItem : public CObject {
  public:
    ~CItem() override { ++s_deleted; }
    static inline int s_deleted = 0;
};

}  // namespace

TEST(ObArray, InsertAndRemoveKeepOrderAndDeleteNothing) {
    CItem a, b, c;
    CTypedPtrArray<CObArray, CItem*> array;
    EXPECT_EQ(array.Add(&a), 0);
    EXPECT_EQ(array.Add(&c), 1);
    array.InsertAt(1, &b, 2);  // a b b c
    array.InsertAt(4, &a);     // at the size: appends
    ASSERT_EQ(array.GetSize(), 5);
    EXPECT_EQ(array[1], &b);
    EXPECT_EQ(array[2], &b);
    EXPECT_EQ(array[3], &c);
    EXPECT_EQ(array[4], &a);

    array.RemoveAt(1, 2);  // a c a
    ASSERT_EQ(array.GetSize(), 3);
    EXPECT_EQ(array.GetAt(1), &c);
    array.SetSize(4);
    EXPECT_EQ(array.GetAt(3), nullptr);
    array.SetSize(0);
    EXPECT_EQ(CItem::s_deleted, 0);
}

TEST(ObArray, RefusesEveryIndexOutsideTheArray) {
    CItem a;
    CObArray array;
    EXPECT_THROW(array.GetAt(0), CInvalidArgException);
    array.Add(&a);
    array.Add(&a);
    EXPECT_THROW(array.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(array.SetAt(2, &a), CInvalidArgException);
    EXPECT_THROW(array[2] = &a, CInvalidArgException);
    EXPECT_THROW(array.InsertAt(3, &a), CInvalidArgException);
    EXPECT_THROW(array.InsertAt(0, &a, -1), CInvalidArgException);
    EXPECT_THROW(array.RemoveAt(2), CInvalidArgException);
    EXPECT_THROW(array.RemoveAt(1, 2), CInvalidArgException);
    EXPECT_THROW(array.RemoveAt(0, -1), CInvalidArgException);
    EXPECT_THROW(array.SetSize(-1), CInvalidArgException);
    EXPECT_EQ(array.GetSize(), 2);
}
