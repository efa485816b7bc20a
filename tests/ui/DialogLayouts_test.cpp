// Every dialog as the user first sees it, written out as text (title; each
// shown control's kind, id, label, state, value and choices; grid rows; tree
// nodes with their sensor IDs) and compared with the committed
// DialogLayouts.txt beside this file. The calibration form of each sensor
// kind is named by the dialog it is, so forms that kinds share show.

#include <gtest/gtest.h>

#include <memory>
#include <sstream>

#include "instruments/TDW812PlusCTD.h"
#include "instruments/Vantrel64V2CTD.h"
#include "instruments/Vantrel71ThermosalCTD.h"
#include "ui/CalibrationForm.h"
#include "ui/ConfigCTD.h"
#include "ui/Corvane56PlusSheet.h"
#include "ui/PickInstrumentDlg.h"
#include "ui/SelectSensorDlg.h"
#include "ui/SensorChoice.h"
#include "ui/UiTestSupport.h"

namespace {

void WriteNodes(std::ostream& out, const std::vector<STreeNode>& nodes, const std::string& indent) {
    for (const STreeNode& node : nodes) {
        out << indent << node.label << " #" << node.data << (node.expanded ? " +" : "") << '\n';
        WriteNodes(out, node.children, indent + "  ");
    }
}

void WriteForm(std::ostream& out, const CFormDialog& form) {
    static const char* const kinds[] = {"Label",  "Edit", "Check", "Combo", "Radio",
                                        "Button", "Grid", "Tree",  "List"};
    out << "== " << form.title << '\n';
    for (const SControl& c : form.controls) {
        if (!c.visible) {
            continue;
        }
        out << kinds[static_cast<int>(c.kind)] << ' ' << c.id << " \"" << c.label << '"'
            << (c.enabled ? "" : " disabled") << (c.isDefault ? " default" : "")
            << (c.isCancel ? " cancel" : "") << (c.page.IsEmpty() ? "" : " page " + c.page)
            << (c.group.IsEmpty() ? "" : " group " + c.group);
        if (c.kind == EControl::Edit) {
            out << " text \"" << c.text << '"';
        } else if (c.kind != EControl::Label && c.kind != EControl::Button) {
            out << " value " << c.value;
        }
        out << (c.toolTip.IsEmpty() ? "" : " tip \"" + c.toolTip + '"') << '\n';
        for (const CString& choice : c.choices) {
            out << "  - " << choice << '\n';
        }
        for (const auto& row : c.rows) {
            for (const SGridCell& cell : row) {
                out << " | " << cell.text << (cell.checkable ? cell.checked ? " [x]" : " [ ]" : "");
            }
            out << '\n';
        }
        WriteNodes(out, c.nodes, "  ");
        for (size_t i = 0; i < c.selectedPath.size(); ++i) {
            out << (i == 0 ? "  selected " : "/") << c.selectedPath[i];
        }
        out << (c.selectedPath.empty() ? "" : "\n");
    }
}

using DialogLayouts = tw_test::CUiTest;

}  // namespace

TEST_F(DialogLayouts, EveryDialogShowsTheCommittedLayout) {
    std::ostringstream out;
    CConfigCTD config;
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        if (MakeModelSettings(ctdID)) {
            CConDlg dialog(config, ctdID);
            dialog.Initialise();
            WriteForm(out, dialog);
        }
    }
    CCorvane56PlusSheet sheet(config);
    sheet.Initialise();
    WriteForm(out, sheet);
    WriteForm(out, Config2004::CPickInstrumentDlg());
    // The sensor chooser of each kind of channel, on the models whose trees
    // differ: frequency and voltage channels, and a WET Labs serial one; the
    // channel's sensor is selected.
    C64V2VantrelCTD vantrel, serial;
    vantrel.SetNumVoltAdd(3);
    serial.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_TRIPLET);
    C71ThermosalCTD tsg71;
    C71V2ThermosalCTD tsg71V2;
    tsg71.SetNumVoltAdd(1);
    tsg71V2.SetNumVoltAdd(1);
    C812PlusCTD ctd812;
    ctd812.SetNumFreqSuppress(1);
    ctd812.SetNumVoltWordSuppress(3);
    ctd812.ReplaceSensor(5, CreateSensorObject(40));
    const std::pair<const CCTD*, int> choosers[] = {{&vantrel, 4}, {&tsg71, 2},  {&tsg71V2, 2},
                                                    {&ctd812, 3},  {&ctd812, 5}, {&serial, 3}};
    for (const auto& [ctd, channel] : choosers) {
        out << "-- " << ctd->GetCTD_Name() << ", channel " << channel + 1 << '\n';
        WriteForm(out, CSelectSensorDlg(*ctd, channel));
    }
    // The calibration form of each sensor kind; a kind without one opens
    // none, or says that it has none.
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        const std::unique_ptr<CSensor> sensor(CreateSensorObject(id));
        if (!sensor) {
            continue;
        }
        out << "-- sensor " << id << ':';
        shown.clear();
        CScriptedForms forms({[&out](CFormDialog& form) {
            out << ' ' << dynamic_cast<CCalibrationForm&>(form).DialogName() << '\n';
            WriteForm(out, form);
        }});
        DisplaySensorDialog(sensor.get(), 0);
        out << (forms.titles.empty() ? " none\n" : "");
        for (const tw_test::SShownMessage& message : shown) {
            out << "  " << message.caption << " | " << message.text << '\n';
        }
    }
    tw_test::ExpectCommitted("DialogLayouts.txt", out.str());
}
