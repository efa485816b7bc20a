#include "ui/SelectSensorDlg.h"

#include <climits>
#include <initializer_list>
#include <span>

#include "core/Catalogue.h"
#include "core/SensorRegistry.h"
#include "instruments/VantrelCTD.h"
#include "platform/MessageBox.h"
#include "ui/DialogButtons.h"

using namespace DialogButtonIds;
using namespace SelectSensorIds;

EChannelKind SensorChannelKind(const CCTD& ctd, int channel) {
    const auto* vantrel = dynamic_cast<const CVantrelCTD*>(&ctd);
    if (vantrel != nullptr && vantrel->IsIndex_WET_Labs_Serial(channel)) {
        return EChannelKind::WetLabsSerial;
    }
    // A model without a voltage block has frequency channels only.
    const int firstVoltage = ctd.AddExtVoltFrom();
    return firstVoltage < 0 || channel < firstVoltage ? EChannelKind::Frequency
                                                      : EChannelKind::Voltage;
}

namespace {

// A set of models, one bit per CTD ID.
using ModelSet = unsigned;

constexpr ModelSet Only(std::initializer_list<CTD_ID> models) {
    ModelSet set = 0;
    for (CTD_ID model : models) {
        set |= 1u << model;
    }
    return set;
}

constexpr ModelSet kEveryModel = ~0u;
constexpr ModelSet kThermosal71 = Only({CTD_71_THERMOSAL, CTD_71V2_THERMOSAL});
constexpr ModelSet kNotThermosal71 = ~kThermosal71;
constexpr ModelSet kBottomContact =
    Only({CTD_64_VANTREL, CTD_64PLUS_VANTREL, CTD_64V2_VANTREL, CTD_56_CORVANE});
constexpr ModelSet k812Plus = Only({CTD_812PLUS});

// One item of the chooser's tree. Items follow each other in tree order; an
// item one level deeper than the one before is its first child. A group
// carries sensor -1 and its own label; a sensor without a label shows its
// registry name. An item the model does not offer is left out with all the
// items below it.
struct SChoiceItem {
    int level;
    int sensorID;
    const char* label = nullptr;
    ModelSet models = kEveryModel;
};

constexpr int kGroup = -1;

// A model outside the catalogue is offered only what every model is.
bool Offers(ModelSet models, int ctdID) {
    return ctdID >= 0 && ctdID < NUM_CTD_IDS ? ((models >> ctdID) & 1u) != 0
                                             : models == kEveryModel;
}

constexpr SChoiceItem kFrequencyChoices[] = {
    {0, SID_NULL, "Free"}, {0, 1}, {0, 3}, {0, 50}, {0, 55},
};

constexpr SChoiceItem kVoltageChoices[] = {
    {0, SID_NULL, "Free"},
    {0, 0, nullptr, kNotThermosal71},
    {0, 2, nullptr, kBottomContact},
    {0, 47, nullptr, k812Plus},
    {0, kGroup, "Fluorometers"},
    {1, 4},
    {1, 5},
    {1, 6},
    {1, 7},
    {1, 8},
    {1, 9},
    {1, 10},
    {1, 11},
    {1, 12},
    {1, 13},
    {1, kGroup, "Fluorometer, Turner 10-005"},
    {2, 14, "Fluorescence"},
    {2, 15, "Range"},
    {1, 16},
    {1, 17},
    {1, 18},
    {1, 19},
    {1, 20},
    {1, 21},
    {1, 68},
    {1, 69},
    {0, kGroup, "Methane, Franatech METS"},
    {1, 24, "Methane Conc."},
    {1, 25, "Methane Gas Temp."},
    {0, kGroup, "OBS/Nephelometers/Turbidity"},
    {1, 28},
    {1, 63},
    {1, 29},
    {1, 30},
    {1, kGroup, "OBS, IFREMER"},
    {2, 31, "Direct"},
    {2, 32, "Measured"},
    {1, 34},
    {1, 35},
    {1, 33},
    {1, 70},
    {1, 67},
    {0, 41},
    {0, kGroup, "Oxygen"},
    {1, kGroup, "Oxygen, Beckman/YSI"},
    {2, 36, "Oxygen Current"},
    {2, 39, "Oxygen Temperature"},
    {1, kGroup, "Oxygen, IOW", k812Plus},
    {2, 37, "Oxygen Current"},
    {2, 40, "Oxygen Temperature"},
    {1, 38},
    {0, 42, nullptr, kNotThermosal71},
    {0, 76, nullptr, kNotThermosal71},
    {0, 51, nullptr, kThermosal71},
    {0, 43},
    {0, kGroup, "Suspended Sediment, LISST-25A"},
    {1, 52, "Scattering"},
    {1, 53, "Transmission"},
    {0, kGroup, "Transmissometers"},
    {1, 59},
    {1, 60},
    {1, 71},
    {0, 61},
    {0, 62, nullptr, k812Plus},
};

constexpr SChoiceItem kWetLabsSerialChoices[] = {
    {0, kGroup, "Fluorometers"},
    {1, 19},
    {1, 20},
    {1, 21},
    {0, kGroup, "Turbidity Meters"},
    {1, 67},
    {1, 70},
    {0, kGroup, "Transmissometers"},
    {1, 71},
};

std::span<const SChoiceItem> ChoicesFor(EChannelKind kind) {
    switch (kind) {
        case EChannelKind::Frequency:
            return kFrequencyChoices;
        case EChannelKind::WetLabsSerial:
            return kWetLabsSerialChoices;
        case EChannelKind::Voltage:
            break;
    }
    return kVoltageChoices;
}

std::vector<STreeNode> BuildTree(std::span<const SChoiceItem> items, int ctdID) {
    constexpr int kLevels = 3;
    std::vector<STreeNode> tree;
    // Where an item of each level goes: the children of the last item one
    // level up. Adding at a level moves the items below it, so the deeper
    // entries are set again by the next item.
    std::vector<STreeNode>* levels[kLevels + 1] = {&tree};
    int skipBelow = INT_MAX;
    for (const SChoiceItem& item : items) {
        if (item.level > skipBelow) {
            continue;
        }
        skipBelow = INT_MAX;
        if (!Offers(item.models, ctdID)) {
            skipBelow = item.level;
            continue;
        }
        STreeNode& node = levels[item.level]->emplace_back();
        node.label = item.label ? item.label : GetSensorData(item.sensorID)->name;
        node.data = item.sensorID;
        levels[item.level + 1] = &node.children;
    }
    return tree;
}

// Extends path by the way to the first leaf of the sensor; false, with path
// as it was, when there is none.
bool FindLeaf(const std::vector<STreeNode>& nodes, int sensorID, std::vector<int>& path) {
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        path.push_back(static_cast<int>(i));
        const STreeNode& node = nodes[i];
        if (node.children.empty() ? node.data == sensorID
                                  : FindLeaf(node.children, sensorID, path)) {
            return true;
        }
        path.pop_back();
    }
    return false;
}

void ExpandAll(std::vector<STreeNode>& nodes, bool expanded) {
    for (STreeNode& node : nodes) {
        node.expanded = expanded && !node.children.empty();
        ExpandAll(node.children, expanded);
    }
}

STreeNode* SelectedNode(SControl& tree) {
    return TreeNodeAt(tree.nodes, tree.selectedPath);
}

}  // namespace

CSelectSensorDlg::CSelectSensorDlg(const CCTD& ctd, int channel) {
    const EChannelKind kind = SensorChannelKind(ctd, channel);
    const char* kindName = kind == EChannelKind::WetLabsSerial ? "WET Labs Serial"
                           : kind == EChannelKind::Frequency   ? "Frequency"
                                                               : "Voltage";
    title.Format("Select New %s Sensor", kindName);

    SControl& tree = Add(EControl::Tree, kSensors);
    tree.nodes = BuildTree(ChoicesFor(kind), ctd.GetCTD_ID());
    if (channel >= 0 && channel < ctd.GetSensorArray().GetSize()) {
        std::vector<int> path;
        if (FindLeaf(tree.nodes, ctd.GetSensor(channel).GetSensorID(), path)) {
            // Open the groups down to the current sensor so that it shows.
            std::vector<STreeNode>* level = &tree.nodes;
            for (std::size_t depth = 0; depth + 1 < path.size(); ++depth) {
                STreeNode& group = (*level)[static_cast<std::size_t>(path[depth])];
                group.expanded = true;
                level = &group.children;
            }
            tree.selectedPath = std::move(path);
        }
    }

    Add(EControl::Button, kShrinkAll, "Shrink All");
    Add(EControl::Button, kExpandAll, "Expand All");
    Add(EControl::Button, kShrink, "Shrink");
    Add(EControl::Button, kExpand, "Expand");
    AddOkCancel(*this);
}

void CSelectSensorDlg::Command(const std::string& id) {
    SControl& tree = At(kSensors);
    if (id == kShrinkAll || id == kExpandAll) {
        ExpandAll(tree.nodes, id == kExpandAll);
    } else if (id == kShrink || id == kExpand) {
        STreeNode* node = SelectedNode(tree);
        if (node != nullptr && !node->children.empty()) {
            node->expanded = id == kExpand;
        }
    } else if (id == kOk || id == kSensors) {
        // A double-click reaches here only for a leaf; OK on a group closes
        // the dialog without a choice.
        const STreeNode* node = SelectedNode(tree);
        m_selected = node != nullptr && node->children.empty() ? node->data : -1;
        EndDialog(IDOK);
    } else if (id == kCancel) {
        m_selected = -1;
        EndDialog(IDCANCEL);
    }
}
