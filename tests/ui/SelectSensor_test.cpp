#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "core/Catalogue.h"
#include "core/NullSensor.h"
#include "core/SensorArray.h"
#include "instruments/TDW812PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"
#include "ui/SelectSensorDlg.h"
#include "ui/SelectSensorForImportDlg.h"
#include "ui/SensorChoice.h"
#include "ui/UiTestSupport.h"
#include "xmlfiles/SensorImportExport.h"

namespace {

using Labels = std::vector<CString>;

// A TDW 64plus V2 with three external voltages (channels 3 to 5) and, when
// asked, the WET Labs serial triplet after them (channels 6 to 8).
std::unique_ptr<CCTD> Vantrel64V2(bool wetLabsTriplet = false) {
    auto ctd = std::make_unique<C64V2VantrelCTD>();
    ctd->SetNumVoltAdd(3);
    if (wetLabsTriplet) {
        EXPECT_EQ(ctd->SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET), 1);
    }
    return ctd;
}

// A TDW 812plus with one extra frequency channel (3) and two voltages (4, 5).
std::unique_ptr<CCTD> Ctd812Plus() {
    auto ctd = std::make_unique<C812PlusCTD>();
    ctd->SetNumFreqSuppress(1);
    ctd->SetNumVoltWordSuppress(3);
    return ctd;
}

// A thermosalinograph with one external voltage on channel 2.
template <class Thermosal>
std::unique_ptr<CCTD> Thermosal71() {
    auto ctd = std::make_unique<Thermosal>();
    ctd->SetNumVoltAdd(1);
    return ctd;
}

Labels LabelsOf(const std::vector<STreeNode>& nodes) {
    Labels labels;
    for (const STreeNode& node : nodes) {
        labels.push_back(node.label);
    }
    return labels;
}

const STreeNode* Child(const std::vector<STreeNode>& nodes, const char* label) {
    for (const STreeNode& node : nodes) {
        if (node.label == label) {
            return &node;
        }
    }
    return nullptr;
}

// The chooser's commands with message boxes recorded.
class SelectSensorTest : public tw_test::CUiTest {
  protected:
    // The texts of the messages that refused a selection.
    std::vector<std::string> Refusals() const {
        std::vector<std::string> texts;
        for (const tw_test::SShownMessage& message : shown) {
            if (message.caption == "Cannot Select Sensor") {
                EXPECT_EQ(message.flags, MB_OK | MB_ICONINFORMATION);
                texts.push_back(message.text);
            }
        }
        return texts;
    }
};

// Picks the node on the path in the chooser and confirms it with the button
// (or double-clicks it when the button is the tree).
CScriptedForms::Script Choose(Labels path, const char* confirm = "ok") {
    return [path, confirm](CFormDialog& dialog) {
        ASSERT_TRUE(SelectTreeNode(dialog, "sensors", path));
        ASSERT_TRUE(Press(dialog, confirm));
    };
}

const Labels kVoltageGroups = {
    "Fluorometers",
    "Methane, Franatech METS",
    "OBS/Nephelometers/Turbidity",
    "Oxidation Reduction Potential",
    "Oxygen",
};

Labels Concat(std::initializer_list<Labels> parts) {
    Labels all;
    for (const Labels& part : parts) {
        all.insert(all.end(), part.begin(), part.end());
    }
    return all;
}

}  // namespace

TEST(SelectSensor, TheTreeFollowsTheChannelKindAndTheModel) {
    const Labels lastVoltageItems = {"pH", "Suspended Sediment, LISST-25A", "Transmissometers",
                                     "User Polynomial"};
    const Labels par = {"PAR/Irradiance, Biospherical/Licor", "PAR/Logarithmic, Satlantic"};
    struct SCase {
        const char* what;
        std::function<std::unique_ptr<CCTD>()> make;
        int channel;
        const char* title;
        Labels top;
    };
    const SCase cases[] = {
        {"64plus V2 temperature",
         [] { return Vantrel64V2(); },
         0,
         "Select New Frequency Sensor",
         {"Free", "Bottles Closed, HB", "Conductivity", "Sound Velocity, IOW", "Temperature"}},
        {"64plus V2 voltage", [] { return Vantrel64V2(); }, 4, "Select New Voltage Sensor",
         Concat({{"Free", "Altimeter", "Bottom Contact"}, kVoltageGroups, par, lastVoltageItems})},
        {"71 voltage", Thermosal71<C71ThermosalCTD>, 2, "Select New Voltage Sensor",
         Concat({{"Free"}, kVoltageGroups, {"SPAR/Surface Irradiance"}, lastVoltageItems})},
        {"71 V2 voltage", Thermosal71<C71V2ThermosalCTD>, 2, "Select New Voltage Sensor",
         Concat({{"Free"}, kVoltageGroups, {"SPAR/Surface Irradiance"}, lastVoltageItems})},
        {"812plus extra frequency",
         Ctd812Plus,
         3,
         "Select New Frequency Sensor",
         {"Free", "Bottles Closed, HB", "Conductivity", "Sound Velocity, IOW", "Temperature"}},
        {"812plus voltage", Ctd812Plus, 4, "Select New Voltage Sensor",
         Concat({{"Free", "Altimeter", "Pressure, FGP"},
                 kVoltageGroups,
                 par,
                 lastVoltageItems,
                 {"Zaps"}})},
        {"64plus V2 WET Labs serial",
         [] { return Vantrel64V2(true); },
         6,
         "Select New WET Labs Serial Sensor",
         {"Fluorometers", "Turbidity Meters", "Transmissometers"}},
        {"64plus V2 voltage beside the serial triplet", [] { return Vantrel64V2(true); }, 5,
         "Select New Voltage Sensor",
         Concat({{"Free", "Altimeter", "Bottom Contact"}, kVoltageGroups, par, lastVoltageItems})},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        const std::unique_ptr<CCTD> ctd = c.make();
        const CSelectSensorDlg dialog(*ctd, c.channel);
        EXPECT_EQ(dialog.title, c.title);
        const std::vector<STreeNode>& nodes = dialog.At("sensors").nodes;
        EXPECT_EQ(LabelsOf(nodes), c.top);
        const STreeNode* free = Child(nodes, "Free");
        if (free != nullptr) {
            EXPECT_EQ(free->data, SID_NULL);
        }
    }
}

// Subgroups follow the model; a split sensor shows its parts under one item.
TEST(SelectSensor, GroupsHoldTheirSensorsAndModelDependentSubgroups) {
    const std::unique_ptr<CCTD> vantrel = Vantrel64V2();
    const std::unique_ptr<CCTD> ctd812 = Ctd812Plus();
    const std::vector<STreeNode> tree64 = CSelectSensorDlg(*vantrel, 3).At("sensors").nodes;
    const std::vector<STreeNode> tree812 = CSelectSensorDlg(*ctd812, 5).At("sensors").nodes;
    EXPECT_EQ(LabelsOf(Child(tree64, "Oxygen")->children),
              (Labels{"Oxygen, Beckman/YSI", "Oxygen, TDW 41"}));
    EXPECT_EQ(LabelsOf(Child(tree812, "Oxygen")->children),
              (Labels{"Oxygen, Beckman/YSI", "Oxygen, IOW", "Oxygen, TDW 41"}));
    const std::vector<STreeNode>& fluorometers = Child(tree64, "Fluorometers")->children;
    ASSERT_EQ(fluorometers.size(), 19u);
    EXPECT_EQ(fluorometers[10].label, "Fluorometer, Turner 10-005");
    EXPECT_EQ(LabelsOf(fluorometers[10].children), (Labels{"Fluorescence", "Range"}));
    EXPECT_EQ(fluorometers[18].label, "Fluorometer, Seapoint Ultraviolet");
}

// Each confirmed leaf gives its own sensor ID, whether by OK or by a
// double-click; a group or Cancel gives none.
TEST(SelectSensor, TheChooserGivesTheConfirmedLeaf) {
    const std::unique_ptr<CCTD> ctd = Ctd812Plus();
    struct SCase {
        Labels path;
        const char* confirm;
        int expected;
    };
    const SCase cases[] = {
        {{"Fluorometers", "Fluorometer, Turner 10-005", "Range"}, "sensors", 15},
        {{"Oxygen", "Oxygen, IOW", "Oxygen Temperature"}, "ok", 40},
        {{"OBS/Nephelometers/Turbidity", "OBS, IFREMER", "Direct"}, "sensors", 31},
        {{"Methane, Franatech METS", "Methane Gas Temp."}, "ok", 25},
        {{"Suspended Sediment, LISST-25A", "Scattering"}, "ok", 52},
        {{"Transmissometers", "Transmissometer, WET Labs C-Star"}, "sensors", 71},
        {{"Pressure, FGP"}, "ok", 47},
        {{"Oxygen"}, "ok", -1},
        {{"Oxygen", "Oxygen, TDW 41"}, "cancel", -1},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.expected);
        CScriptedForms forms({Choose(c.path, c.confirm)});
        EXPECT_EQ(DisplaySelectSensorDialog(*ctd, 4), c.expected);
    }
}

TEST(SelectSensor, TheCurrentSensorIsSelectedAndTheTreeShrinksAndExpands) {
    const std::unique_ptr<CCTD> ctd = Ctd812Plus();
    ctd->ReplaceSensor(5, CreateSensorObject(40));
    CSelectSensorDlg dialog(*ctd, 5);
    SControl& tree = dialog.At("sensors");
    const STreeNode* oxygen = Child(tree.nodes, "Oxygen");
    ASSERT_NE(oxygen, nullptr);
    const int oxygenIndex = static_cast<int>(oxygen - tree.nodes.data());
    EXPECT_EQ(tree.selectedPath, (std::vector<int>{oxygenIndex, 1, 1}));
    EXPECT_TRUE(oxygen->expanded);
    EXPECT_TRUE(oxygen->children[1].expanded);
    EXPECT_FALSE(Child(tree.nodes, "Fluorometers")->expanded);

    // Counts the open groups, a top-level group by its mark 1, a subgroup by 10.
    const auto expanded = [&tree] {
        int marks = 0;
        for (const STreeNode& node : tree.nodes) {
            marks += node.expanded ? 1 : 0;
            for (const STreeNode& child : node.children) {
                marks += child.expanded ? 10 : 0;
            }
        }
        return marks;
    };
    // Six groups and four subgroups in the 812plus voltage tree.
    ASSERT_TRUE(Press(dialog, "expandAll"));
    EXPECT_EQ(expanded(), 46);
    ASSERT_TRUE(Press(dialog, "shrinkAll"));
    EXPECT_EQ(expanded(), 0);
    ASSERT_TRUE(SelectTreeNode(dialog, "sensors", {"Oxygen"}));
    ASSERT_TRUE(Press(dialog, "expand"));
    EXPECT_TRUE(Child(tree.nodes, "Oxygen")->expanded);
    EXPECT_EQ(expanded(), 1);
    ASSERT_TRUE(Press(dialog, "shrink"));
    EXPECT_EQ(expanded(), 0);
    EXPECT_FALSE(dialog.Ended());
}

TEST_F(SelectSensorTest, LimitsAndTheTurnerExclusionRefuseTheChoice) {
    const std::unique_ptr<CCTD> ctd = Vantrel64V2();
    ctd->ReplaceSensor(3, CreateSensorObject(38));
    ctd->ReplaceSensor(4, CreateSensorObject(43));
    const Labels tdw41 = {"Oxygen", "Oxygen, TDW 41"};
    const Labels turner10005 = {"Fluorometers", "Fluorometer, Turner 10-005", "Fluorescence"};
    const Labels turner10Au005 = {"Fluorometers", "Fluorometer, Turner 10-Au-005"};
    struct SCase {
        const char* what;
        int channel;  // whose sensor the choice replaces
        Labels choice;
        int expectedID;  // on the channel afterwards
        const char* refusal;
    };
    const SCase cases[] = {
        {"the second TDW 41 is allowed", 5, tdw41, 38, nullptr},
        {"a third is not", 4, tdw41, 43, "A maximum of 2 Oxygen, TDW 41 sensors can be selected."},
        {"a second pH", 3, {"pH"}, 38, "Only one pH sensor can be selected."},
        {"a Turner 10-Au-005", 3, turner10Au005, 16, nullptr},
        {"a Turner 10-005 beside it", 5, turner10005, 38,
         "Cannot select a Fluorometer, Turner 10-005, Fluorescence sensor when a\n"
         "Fluorometer, Turner 10-Au-005 sensor is already present."},
        {"the Turner 10-005 in its place", 3, turner10005, 14, nullptr},
        {"the Turner 10-Au-005 beside that", 5, turner10Au005, 38,
         "Cannot select a Fluorometer, Turner 10-Au-005 sensor when a\n"
         "Fluorometer, Turner 10-005, Fluorescence sensor is already present."},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.what);
        shown.clear();
        CScriptedForms forms({Choose(c.choice)});
        const CSensor* before = &ctd->GetSensor(c.channel);
        const int replaced = SelectSensorForChannel(*ctd, c.channel);
        EXPECT_EQ(replaced, c.refusal ? 0 : 1);
        const CSensor& after = ctd->GetSensor(c.channel);
        EXPECT_EQ(after.GetSensorID(), c.expectedID);
        if (c.refusal) {
            EXPECT_EQ(&after, before);
            EXPECT_EQ(Refusals(), std::vector<std::string>{c.refusal});
            EXPECT_EQ(forms.titles.size(), 1u);
        } else {
            // The new sensor's calibration follows the choice.
            EXPECT_TRUE(Refusals().empty());
            ASSERT_EQ(forms.titles.size(), 2u);
            EXPECT_EQ(forms.titles[1], after.GetSensorName() + " Calibration Coefficients");
        }
    }
}

TEST_F(SelectSensorTest, FreeTakesTheChannelKindAndNoChoiceChangesNothing) {
    const std::unique_ptr<CCTD> ctd = Ctd812Plus();
    ctd->ReplaceSensor(3, CreateSensorObject(50));
    ctd->ReplaceSensor(4, CreateSensorObject(61));
    struct SCase {
        int channel;
        CScriptedForms::Script script;
        int replaced;
        OutputType freeType;  // of the placeholder put on the channel
    };
    const SCase cases[] = {
        {3, Choose({"Free"}, "sensors"), 1, OT_FREQUENCY},
        {4, Choose({"Free"}), 1, OT_VOLTAGE},
        {5, Choose({"Oxygen"}), 0, OT_VOLTAGE},
        {5, Choose({"Free"}, "cancel"), 0, OT_VOLTAGE},
        {5, Choose({"Free"}), 0, OT_VOLTAGE},
    };
    for (const SCase& c : cases) {
        SCOPED_TRACE(c.channel);
        const CSensor* before = &ctd->GetSensor(c.channel);
        CScriptedForms forms({c.script});
        EXPECT_EQ(SelectSensorForChannel(*ctd, c.channel), c.replaced);
        const CSensor& after = ctd->GetSensor(c.channel);
        if (c.replaced == 0) {
            EXPECT_EQ(&after, before);
        }
        ASSERT_EQ(after.GetSensorID(), SID_NULL);
        EXPECT_EQ(after.GetSensorName(), "Free");
        EXPECT_EQ(after.GetOutputType(), c.freeType);
    }
}

// The importer's choice among several sensors of a configuration runs the
// list dialog: OK needs a row, a double-click takes one, Cancel takes none.
TEST_F(SelectSensorTest, TheImportListChoosesAmongTheFilesSensors) {
    C64V2VantrelCTD ctd;
    ctd.SetNumVoltAdd(2);
    for (const auto& [channel, serial] : {std::pair{3, "PH-A"}, std::pair{4, "PH-B"}}) {
        CSensor* ph = CreateSensorObject(43);
        ph->SetSerialNum(serial);
        ph->SetCalDate("05-Dec-26");
        ctd.ReplaceSensor(channel, ph);
    }
    const CString path = Path("two-ph.xmlcon");
    WriteConFile(path, &ctd);
    const std::unique_ptr<CSensor> target(CreateSensorObject(43));
    Config2004::CSensorImportExport importer;

    const ChoiceDialogHandler previous = InstallSensorImportChoice();
    Labels rows;
    CScriptedForms forms({
        [&rows](CFormDialog& dialog) {
            rows = dialog.At("sensors").choices;
            ASSERT_TRUE(Press(dialog, "ok"));
            EXPECT_FALSE(dialog.Ended());
            ASSERT_TRUE(SetValue(dialog, "sensors", 1));
            ASSERT_TRUE(Press(dialog, "ok"));
        },
        [](CFormDialog& dialog) {
            ASSERT_TRUE(SetValue(dialog, "sensors", 0));
            ASSERT_TRUE(Press(dialog, "sensors"));
        },
        [](CFormDialog& dialog) {
            ASSERT_TRUE(SetValue(dialog, "sensors", 1));
            ASSERT_TRUE(Press(dialog, "cancel"));
        },
    });
    EXPECT_EQ(importer.ImportSensorFrom(target.get(), path), 1);
    EXPECT_EQ(target->GetSerialNum(), "PH-B");
    EXPECT_EQ(importer.ImportSensorFrom(target.get(), path), 1);
    EXPECT_EQ(target->GetSerialNum(), "PH-A");
    EXPECT_EQ(importer.ImportSensorFrom(target.get(), path), 0);
    EXPECT_EQ(target->GetSerialNum(), "PH-A");
    SetChoiceDialogHandler(previous);

    EXPECT_EQ(rows, (Labels{"Calibration date: 05-Dec-26, Serial number: PH-A, Name: pH",
                            "Calibration date: 05-Dec-26, Serial number: PH-B, Name: pH, 2"}));
    EXPECT_EQ(forms.titles.size(), 3u);
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].caption, "Select Sensor to Import");
    EXPECT_EQ(shown[0].text, "Please select a sensor from the list and try again.");
    EXPECT_EQ(shown[0].flags, MB_OK | MB_ICONINFORMATION);
}
