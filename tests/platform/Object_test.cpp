#include "platform/Object.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class CProbeBase : public CObject {
    DECLARE_DYNAMIC(CProbeBase)
};

class CProbeShape : public CProbeBase {
    DECLARE_DYNCREATE(CProbeShape)
};

class CProbeOther : public CObject {
    DECLARE_DYNCREATE(CProbeOther)
};

}  // namespace

IMPLEMENT_DYNAMIC(CProbeBase, CObject)
IMPLEMENT_DYNCREATE(CProbeShape, CProbeBase)
IMPLEMENT_DYNCREATE(CProbeOther, CObject)

TEST(RuntimeClass, FindsAndCreatesClassesByName) {
    EXPECT_EQ(CRuntimeClass::FromName("CObject"), RUNTIME_CLASS(CObject));
    EXPECT_EQ(CRuntimeClass::FromName("CProbeBase"), RUNTIME_CLASS(CProbeBase));
    EXPECT_EQ(CRuntimeClass::FromName("cprobeshape"), nullptr);
    EXPECT_EQ(CRuntimeClass::FromName(nullptr), nullptr);

    std::unique_ptr<CObject> shape(CRuntimeClass::FromName("CProbeShape")->CreateObject());
    ASSERT_NE(shape, nullptr);
    EXPECT_EQ(shape->GetRuntimeClass(), RUNTIME_CLASS(CProbeShape));
    EXPECT_EQ(RUNTIME_CLASS(CProbeBase)->CreateObject(), nullptr);
    EXPECT_EQ(RUNTIME_CLASS(CObject)->CreateObject(), nullptr);
}

TEST(RuntimeClass, KindFollowsTheBaseChain) {
    const CProbeShape shape;
    EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CProbeShape)));
    EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CProbeBase)));
    EXPECT_TRUE(shape.IsKindOf(RUNTIME_CLASS(CObject)));
    EXPECT_FALSE(shape.IsKindOf(RUNTIME_CLASS(CProbeOther)));
    EXPECT_FALSE(shape.IsKindOf(nullptr));
    EXPECT_FALSE(CProbeOther().IsKindOf(RUNTIME_CLASS(CProbeBase)));
}
