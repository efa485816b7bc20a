#include "platform/ObArray.h"

#include <gtest/gtest.h>

#include <vector>

struct CItem : CObject {};

TEST(ObArray, InsertAndRemoveKeepOrderAndRefuseEveryIndexOutsideTheArray) {
    CItem a, b, c;
    CTypedPtrArray<CObArray, CItem*> array;
    EXPECT_THROW(array.GetAt(0), CInvalidArgException);
    array.Add(&a);
    array.Add(&c);
    array.InsertAt(1, &b, 2);  // a b b c
    array.InsertAt(4, &a);     // at the size: appends
    array.RemoveAt(0, 2);      // b c a
    array.SetSize(4);
    EXPECT_EQ(std::vector<CItem*>({array[0], array[1], array[2], array[3]}),
              std::vector<CItem*>({&b, &c, &a, nullptr}));

    EXPECT_THROW(array.GetAt(-1), CInvalidArgException);
    EXPECT_THROW(array[4] = &a, CInvalidArgException);
    EXPECT_THROW(array.InsertAt(5, &a), CInvalidArgException);
    EXPECT_THROW(array.InsertAt(0, &a, -1), CInvalidArgException);
    EXPECT_THROW(array.RemoveAt(3, 2), CInvalidArgException);
    EXPECT_THROW(array.SetSize(-1), CInvalidArgException);
    EXPECT_EQ(array.GetSize(), 4);
}
