#include "ui/Corvane56PlusSheet.h"

#include <vector>

#include "core/Catalogue.h"
#include "core/SensorArray.h"
#include "core/SensorRegistry.h"
#include "instruments/CorvaneCTD.h"
#include "platform/FileNames.h"
#include "platform/MessageBox.h"
#include "ui/ConfigCTD.h"
#include "ui/ModelSettingsTable.h"
#include "ui/SensorChoice.h"

using namespace ModelSettings;

namespace {

constexpr const char* kFilePage = "File, T, C, P, Voltage Sensors";
constexpr const char* kRealTimePage = "Real-Time Options";
constexpr const char* kSerialPage = "Serial Sensors";

constexpr int kFixedSensors = 3;
constexpr int kPorts = 2;

const char* const kStorageChoices[] = {"Serial sensor data included in CTD .xml data file.",
                                       "Serial sensor data in separate .txt file."};
constexpr const char* kNotApplicable = "Not applicable";
constexpr const char* kRealTimeNote = "realTimeNote";

// The sensors each serial sensor puts on its port, from the instrument
// family's own table.
struct CSerialSensorTable : CVantrelCTD {
    using CVantrelCTD::NewSerialSensors;
};

std::string PortId(const char* name, int port) {
    return name + std::to_string(port + 1);
}

// A sensor whose calibration the user edits (a free input has none).
bool HasCalibration(const CSensor& sensor) {
    const SSensorData* data = GetSensorData(sensor.GetSensorID());
    return sensor.GetSensorID() != SID_NULL && data != nullptr && data->calibratable != 0;
}

std::unique_ptr<CSensor> CopyOf(const CSensor& sensor) {
    std::unique_ptr<CSensor> copy(static_cast<CSensor*>(sensor.GetRuntimeClass()->CreateObject()));
    copy->AssignFrom(sensor);
    return copy;
}

// Opens the calibration dialog of a copy of the sensor; the copy when the
// user changed it, else null.
std::unique_ptr<CSensor> CalibratedCopy(const CSensor& sensor, int wetLabsSerial) {
    std::unique_ptr<CSensor> copy = CopyOf(sensor);
    return DisplaySensorDialog(copy.get(), wetLabsSerial) == IDOK ? std::move(copy) : nullptr;
}

// The serial sensor of a port: a new type brings that type's sensors.
SSetting SerialPortType(int port) {
    return SerialSensor(PortId("serialSensor", port), CVantrelCTD::SATLANTIC_SEAFET, -1)
        .Access([port](const CCTD& ctd) { return As<C56PlusCTD>(ctd).GetSerialChannel(port).type; },
                [port](CCTD& ctd, int type) {
                    auto& corvane = As<C56PlusCTD>(ctd);
                    S56SerialChannel channel = corvane.GetSerialChannel(port);
                    channel.type = type;
                    if (type == CVantrelCTD::NO_SERIAL_SENSOR) {
                        channel.storage = 0;
                    }
                    Empty(channel.sensors);
                    for (auto& sensor : CSerialSensorTable::NewSerialSensors(type)) {
                        channel.sensors.Add(sensor.release());
                    }
                    corvane.SetSerialChannel(port, channel);
                    return 1;
                })
        .ChangesChannels("Replaces the port's sensors by those of the chosen serial sensor.")
        .OnPage(kSerialPage);
}

SSetting SerialPortStorage(int port) {
    return Combo(PortId("storage", port), "", {kStorageChoices[0], kStorageChoices[1]})
        .Access(
            [port](const CCTD& ctd) { return As<C56PlusCTD>(ctd).GetSerialChannel(port).storage; },
            [port](CCTD& ctd, int storage) {
                auto& corvane = As<C56PlusCTD>(ctd);
                S56SerialChannel channel = corvane.GetSerialChannel(port);
                channel.storage = storage;
                corvane.SetSerialChannel(port, channel);
                return 1;
            })
        .OnPage(kSerialPage);
}

// The sheet's controls in layout order, page by page. The file commands, the
// grid, the serial sensor lists and their buttons take their place here and
// are answered by the sheet.
std::vector<SSetting> SheetLayout() {
    using M = C56PlusCTD;
    std::vector<SSetting> layout = {
        Control(ConDlgIds::kOpen, EControl::Button, "Open"),
        Control(ConDlgIds::kSave, EControl::Button, "Save"),
        Control(ConDlgIds::kSaveAs, EControl::Button, "Save As"),
        Control(ConDlgIds::kStatus, EControl::Label, ""),
        Radio("usage", "Configuration file usage:",
              {"Process .XML file uploaded from CTD memory",
               "Collect real-time data with Wavecap and/or process real-time .HEX file"})
            .Flag(&M::GetUsage, &M::SetUsage),
        Note("exportNote",
             "Data from checked voltage channels transmitted in real-time, and included in .hex "
             "file."),
        Control(Corvane56PlusIds::kSensors, EControl::Grid, ""),
        Control(ConDlgIds::kSelect, EControl::Button, "Select..."),
        Control(ConDlgIds::kModify, EControl::Button, "Modify..."),
        Control(Corvane56PlusIds::kExport, EControl::Button, "Export"),
    };
    for (SSetting& setting : layout) {
        setting.page = kFilePage;
    }

    // The real-time options serve real-time acquisition only. Without a
    // deck unit the NMEA device is on the computer and there is no surface
    // PAR; the historic rate matters only at 4800 baud.
    const int wavecap = M::USAGE_WAVECAP_HEX_FILE;
    std::vector<SSetting> realTime = {
        Radio("deckUnit", "", {"No deck unit", "TDW 34 or TDW 39 deck unit"})
            .Flag(&M::GetUsingDeckUnitFlag, &M::SetUsingDeckUnitFlag),
        Combo("consoleBaud", "CTD baud rate (SetBaudConsole=)",
              {"600", "1200", "2400", "4800", "9600 or higher"})
            .Value(&M::GetConsoleBaud, &M::SetConsoleBaud),
        Radio("historicRate", "",
              {"Historic rate = 0; Real-time data output rate = 2 Hz or 4 Hz",
               "Historic rate = 1; Real-time data output rate = 4 Hz or 8 Hz"})
            .Value(&M::GetHistoricRate, &M::SetHistoricRate)
            .EnabledBy("consoleBaud", M::CONSOLE_BAUD_4800),
        Note("outputRateNote",
             "Real-time data output rate is calculated by the 56plus, based on number of voltages "
             "exported, CTD baud rate, and (if CTD baud rate is 4800), historic rate."),
        NmeaPosition(),
        NmeaToDeckUnit().EnabledBy("deckUnit"),
        NmeaToPC(),
        NmeaDepth(),
        NmeaTime(),
        Check("surfacePar", "Surface PAR voltage added")
            .Flag(&M::GetbSPAR_Added, &M::SetbSPAR_Added)
            .EnabledBy("deckUnit"),
        ScanTimeAdded(),
        Control(Corvane56PlusIds::kConfigureSpar, EControl::Button, "Configure SPAR Sensor...")
            .EnabledBy("surfacePar"),
    };
    layout.push_back(Note(kRealTimeNote,
                          "These options apply only when the configuration file is used to collect "
                          "real-time data (Configuration file usage, first page).")
                         .OnPage(kRealTimePage));
    for (SSetting& setting : realTime) {
        setting.page = kRealTimePage;
        setting.EnabledBy("usage", wavecap);
        layout.push_back(std::move(setting));
    }

    for (int port = 0; port < kPorts; ++port) {
        CString title;
        title.Format("Serial port %d", port + 1);
        for (SSetting setting : {
                 SerialPortType(port),
                 SerialPortStorage(port),
                 Control(PortId("serialSensors", port), EControl::List, ""),
                 Control(PortId("selectSerial", port), EControl::Button, "Select..."),
                 Control(PortId("modifySerial", port), EControl::Button, "Modify..."),
             }) {
            layout.push_back(std::move(setting.OnPage(kSerialPage).InGroup(title)));
        }
    }
    return layout;
}

}  // namespace

CCorvane56PlusSheet::CCorvane56PlusSheet(CConfigCTD& config)
    : CConDlg(config, CTD_56PLUS_CORVANE, std::make_unique<CTableSettings>(SheetLayout(), true)) {
    m_xmlOnly = true;
    m_channelGrid = false;
    // The sheet's own layout in place of the dialog's; the common commands
    // find the channel grid they leave alone when it is hidden.
    controls.clear();
    m_settings->AddControls(*this);
    At(Corvane56PlusIds::kSensors).columns = {"Channel", "Sensor", "Export"};
    Add(EControl::Grid, ConDlgIds::kChannels).visible = false;
    const std::pair<const char*, const char*> sheetButtons[] = {
        {ConDlgIds::kReport, "Report"},
        {ConDlgIds::kHelp, "Help"},
        {ConDlgIds::kLeave, "Exit"},
        {ConDlgIds::kCancel, "Cancel"},
    };
    for (const auto& [id, label] : sheetButtons) {
        Add(EControl::Button, id, label).bottomRow = true;
    }
    At(ConDlgIds::kOpen).shortcut = "Ctrl+O";
    At(ConDlgIds::kSave).shortcut = "Ctrl+S";
    At(ConDlgIds::kLeave).isDefault = true;
    At(ConDlgIds::kCancel).isCancel = true;
}

CCorvane56PlusSheet::~CCorvane56PlusSheet() = default;

C56PlusCTD& CCorvane56PlusSheet::Corvane() {
    return As<C56PlusCTD>(Instrument());
}

void CCorvane56PlusSheet::Initialise() {
    // The dialog's start (the caption, the remembered file, the leave
    // button), then the sheet's own status text.
    CConDlg::Initialise();
    UpdateSheetStatus();
}

void CCorvane56PlusSheet::WriteControls() {
    m_settings->WriteControls(Instrument(), *this);
    ShowInstrument();
}

int CCorvane56PlusSheet::ReadControls() {
    if (!CConDlg::ReadControls()) {
        return 0;
    }
    // Without a deck unit there is no surface PAR, whose check is then
    // disabled and not stored.
    if (!Corvane().GetUsingDeckUnitFlag()) {
        Corvane().SetbSPAR_Added(0);
    }
    ShowInstrument();
    return 1;
}

void CCorvane56PlusSheet::ShowInstrument() {
    UpdateSheetStatus();
    FillSensorGrid();
    FillSerialPorts();
    UpdateSheetStates();
}

void CCorvane56PlusSheet::UpdateSheetStatus() {
    At(ConDlgIds::kStatus).label = StatusText("NONE");
    At(ConDlgIds::kSave).enabled = !m_path.IsEmpty();
}

void CCorvane56PlusSheet::FillSensorGrid() {
    C56PlusCTD& corvane = Corvane();
    SControl& grid = At(Corvane56PlusIds::kSensors);
    grid.rows.clear();
    auto addRow = [&grid](const CString& channel, const CSensor& sensor) {
        std::vector<SGridCell>& row = grid.rows.emplace_back(3);
        row[0].text = channel;
        row[1].text = sensor.GetSensorName();
        row[1].hasBackground = true;
        row[1].red = 192;
        row[1].green = 220;
        row[1].blue = 192;
        for (SGridCell& cell : row) {
            cell.centred = true;
        }
    };
    const CSensorArray& fixed = corvane.GetDefaultSensors();
    for (int i = 0; i < fixed.GetSize(); ++i) {
        CString channel;
        channel.Format("%d. %s", i + 1, GetOutputTypeName(fixed.GetAt(i)->GetOutputType()));
        addRow(channel, *fixed.GetAt(i));
    }
    for (int input = 0; input < C56PlusCTD::NUMBER_OF_EXTERNAL_VOLTAGES; ++input) {
        CString channel;
        channel.Format("%d. External voltage %d", kFixedSensors + input + 1, input);
        addRow(channel, *corvane.GetExternalVoltageSensor(input));
        SGridCell& exported = grid.rows.back()[2];
        exported.checkable = true;
        exported.checked = corvane.GetExternalVoltageExported(input) != 0;
    }
    if (grid.value >= static_cast<int>(grid.rows.size())) {
        grid.value = -1;
    }
}

// The ports as the serial sensors chosen would make them.
void CCorvane56PlusSheet::FillSerialPorts() {
    const auto& corvane = As<C56PlusCTD>(Shown());
    for (int port = 0; port < kPorts; ++port) {
        SControl& list = At(PortId("serialSensors", port));
        list.choices.clear();
        const CSensorArray& sensors = corvane.GetSerialSensors(port);
        for (int i = 0; i < sensors.GetSize(); ++i) {
            list.choices.push_back(sensors.GetAt(i)->GetSensorName());
        }
        if (list.value >= static_cast<int>(list.choices.size())) {
            list.value = -1;
        }
    }
}

void CCorvane56PlusSheet::UpdateSheetStates() {
    m_settings->UpdateStates(*this);
    At(kRealTimeNote).visible = At("usage").value != C56PlusCTD::USAGE_WAVECAP_HEX_FILE;
    const int row = CurrentRow();
    At(ConDlgIds::kSelect).enabled = row >= kFixedSensors;
    At(ConDlgIds::kModify).enabled = row >= 0 && HasCalibration(GridSensor(row));
    At(Corvane56PlusIds::kExport).enabled = row >= kFixedSensors;
    for (int port = 0; port < kPorts; ++port) {
        // A port without a sensor stores nothing.
        const bool hasSensor = At(PortId("serialSensor", port)).value > 0;
        SControl& storage = At(PortId("storage", port));
        if (hasSensor) {
            storage.choices = {kStorageChoices[0], kStorageChoices[1]};
        } else {
            storage.choices = {kNotApplicable};
            storage.value = 0;
        }
        storage.enabled = hasSensor;
        // Only the WET Labs triplet's sensors are the user's choice.
        const int index = At(PortId("serialSensors", port)).value;
        const S56SerialChannel& serial = As<C56PlusCTD>(Shown()).GetSerialChannel(port);
        At(PortId("selectSerial", port)).enabled =
            index >= 0 && serial.type == CVantrelCTD::WETLABS_SERIAL_TRIPLET;
        At(PortId("modifySerial", port)).enabled =
            index >= 0 && HasCalibration(*serial.sensors.GetAt(index));
    }
}

const CSensor& CCorvane56PlusSheet::GridSensor(int row) {
    return row < kFixedSensors ? *Corvane().GetDefaultSensors().GetAt(row)
                               : *Corvane().GetExternalVoltageSensor(row - kFixedSensors);
}

int CCorvane56PlusSheet::CurrentRow() const {
    return At(Corvane56PlusIds::kSensors).value;
}

void CCorvane56PlusSheet::Changed(const std::string& id) {
    if (id == Corvane56PlusIds::kSensors) {
        // A toggled export cell exports its voltage input at once.
        const int row = CurrentRow();
        if (row >= kFixedSensors) {
            const int input = row - kFixedSensors;
            const int exported = At(id).rows[row][2].checked ? 1 : 0;
            if (exported != Corvane().GetExternalVoltageExported(input)) {
                Corvane().SetExternalVoltageExported(input, exported);
                RefreshPreview();
            }
        }
        FillSensorGrid();
    } else if (id == "deckUnit" && At(id).value == 0) {
        At("nmeaToDeckUnit").value = 0;
        At("nmeaToPC").value = 1;
        At("surfacePar").value = 0;
    }
    CConDlg::Changed(id);
    FillSerialPorts();
    UpdateSheetStates();
}

void CCorvane56PlusSheet::Command(const std::string& id) {
    const int row = CurrentRow();
    if (id == ConDlgIds::kSelect && row >= kFixedSensors) {
        SelectVoltageSensor(row - kFixedSensors);
    } else if (id == ConDlgIds::kModify && row >= 0) {
        ModifyGridSensor(row);
    } else if (id == Corvane56PlusIds::kExport && row >= kFixedSensors) {
        const int input = row - kFixedSensors;
        Corvane().SetExternalVoltageExported(input,
                                             Corvane().GetExternalVoltageExported(input) ? 0 : 1);
    } else if (id == Corvane56PlusIds::kConfigureSpar) {
        ConfigureSpar();
    } else if (id.rfind("selectSerial", 0) == 0) {
        if (StorePendingLayout()) {
            SelectSerialSensor(id.back() - '1');
        }
    } else if (id.rfind("modifySerial", 0) == 0) {
        if (StorePendingLayout()) {
            ModifySerialSensor(id.back() - '1');
        }
    } else if (id == Corvane56PlusIds::kSensors || id.rfind("serialSensors", 0) == 0) {
        // A double-click on a sensor modifies it.
        Command(id == Corvane56PlusIds::kSensors ? ConDlgIds::kModify
                                                 : "modifySerial" + std::string(1, id.back()));
        return;
    } else {
        CConDlg::Command(id);
        if (Ended()) {
            return;
        }
    }
    // The voltage inputs and the surface PAR sensor are no channel choices:
    // they change the working instrument, under a preview of the ports.
    RefreshPreview();
    ShowInstrument();
}

// Sensors are chosen on a copy of the instrument that stores every channel,
// so that each voltage input and each serial sensor is a channel there; the
// chooser's limits count the sheet's sensors as the instrument holds them.
void CCorvane56PlusSheet::SelectVoltageSensor(int input) {
    std::unique_ptr<CCTD> stored(Corvane().Clone());
    As<C56PlusCTD>(*stored).SetUsage(C56PlusCTD::USAGE_STORED_XML_FILE);
    const int channel = stored->AddExtVoltFrom() + input;
    if (SelectSensorForChannel(*stored, channel)) {
        Corvane().SetExternalVoltageSensor(input, CopyOf(stored->GetSensor(channel)).release());
    }
}

void CCorvane56PlusSheet::SelectSerialSensor(int port) {
    const int index = At(PortId("serialSensors", port)).value;
    if (index < 0) {
        return;
    }
    std::unique_ptr<CCTD> stored(Corvane().Clone());
    As<C56PlusCTD>(*stored).SetUsage(C56PlusCTD::USAGE_STORED_XML_FILE);
    const int before = port == 0 ? 0 : Corvane().GetSerialSensors(0).GetSize();
    const int channel =
        stored->AddExtVoltFrom() + C56PlusCTD::NUMBER_OF_EXTERNAL_VOLTAGES + before + index;
    if (SelectSensorForChannel(*stored, channel)) {
        S56SerialChannel serial = Corvane().GetSerialChannel(port);
        delete serial.sensors.GetAt(index);
        serial.sensors.SetAt(index, CopyOf(stored->GetSensor(channel)).release());
        Corvane().SetSerialChannel(port, serial);
    }
}

void CCorvane56PlusSheet::ModifyGridSensor(int row) {
    std::unique_ptr<CSensor> changed = CalibratedCopy(GridSensor(row), 0);
    if (!changed) {
        return;
    }
    if (row < kFixedSensors) {
        if (Corvane().SetDefaultSensor(row, changed.get())) {
            changed.release();
        }
    } else {
        Corvane().SetExternalVoltageSensor(row - kFixedSensors, changed.release());
    }
}

void CCorvane56PlusSheet::ModifySerialSensor(int port) {
    const int index = At(PortId("serialSensors", port)).value;
    if (index < 0) {
        return;
    }
    S56SerialChannel serial = Corvane().GetSerialChannel(port);
    const int wetLabs = serial.type == CVantrelCTD::WETLABS_SERIAL_TRIPLET ? 1 : 0;
    if (auto changed = CalibratedCopy(*serial.sensors.GetAt(index), wetLabs)) {
        delete serial.sensors.GetAt(index);
        serial.sensors.SetAt(index, changed.release());
        Corvane().SetSerialChannel(port, serial);
    }
}

void CCorvane56PlusSheet::ConfigureSpar() {
    const CSPAR_Sensor* stored = Corvane().GetSparSensor();
    const CSPAR_Sensor fresh;
    if (auto changed = CalibratedCopy(stored ? *stored : fresh, 0)) {
        Corvane().SetSparSensor(static_cast<CSPAR_Sensor*>(changed.release()));
    }
}

int Disp56PlusConDlg(CConfigCTD* config) {
    CCorvane56PlusSheet sheet(*config);
    return TWRunModal(sheet);
}
