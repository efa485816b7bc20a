// The surface PAR switch on every model that has one: asking for the state the
// model is already in changes neither the model nor its document.

#include <gtest/gtest.h>

#include <string>

#include "ModelChecks.h"
#include "instruments/CorvaneCTD.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/TDW94DartelCTD.h"
#include "instruments/Vantrel64CTD.h"
#include "instruments/Vantrel64PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"

namespace {

using namespace tw_test;

template <class Model>
void ExpectRepeatedSwitchChangesNothing(const std::string& model) {
    Model ctd;
    ctd.SetbSPAR_Added(1);
    const Model on(ctd);
    const std::string onDocument = WriteObject("Instrument", ctd);
    ctd.SetbSPAR_Added(2);
    EXPECT_EQ(ctd.GetbSPAR_Added(), 1) << model;
    EXPECT_TRUE(ctd == on) << model;
    EXPECT_EQ(WriteObject("Instrument", ctd), onDocument) << model;

    ctd.SetbSPAR_Added(0);
    const Model off(ctd);
    ctd.SetbSPAR_Added(0);
    EXPECT_TRUE(ctd == off) << model;
    EXPECT_EQ(ctd.GetSensorArray().GetSize(), Model().GetSensorArray().GetSize()) << model;
}

TEST(SurfacePar, SwitchingToTheCurrentStateChangesNothing) {
    ExpectRepeatedSwitchChangesNothing<C56CorvaneCTD>("56");
    ExpectRepeatedSwitchChangesNothing<C56PlusCTD>("56plus");
    ExpectRepeatedSwitchChangesNothing<C812PlusCTD>("812plus");
    ExpectRepeatedSwitchChangesNothing<C94DartelCTD>("94");
    ExpectRepeatedSwitchChangesNothing<C64VantrelCTD>("64");
    ExpectRepeatedSwitchChangesNothing<C64VantrelPlusCTD>("64plus");
    ExpectRepeatedSwitchChangesNothing<C64V2VantrelCTD>("64plus V2");
}

}  // namespace
