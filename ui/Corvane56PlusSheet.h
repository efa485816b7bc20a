#pragma once
// The configuration dialog of the TDW 56plus Corvane: a property sheet of
// three pages instead of a channel grid. The first holds the file commands,
// the usage of the configuration and the grid of the fixed sensors and the
// eight external voltage inputs with their real-time export; the second the
// real-time options; the third the two serial ports. The file is stored only
// as .xmlcon.

#include <memory>
#include <string>

#include "ui/ConDlg.h"

class CConfigCTD;
class CSensor;
class C56PlusCTD;

namespace Corvane56PlusIds {
inline constexpr const char* kSensors = "sensors";
inline constexpr const char* kExport = "export";
inline constexpr const char* kConfigureSpar = "configureSpar";
}  // namespace Corvane56PlusIds

class CCorvane56PlusSheet : public CConDlg {
  public:
    explicit CCorvane56PlusSheet(CConfigCTD& config);
    ~CCorvane56PlusSheet() override;

    void Initialise() override;
    void Changed(const std::string& id) override;
    void Command(const std::string& id) override;

  protected:
    void WriteControls() override;
    int ReadControls() override;

  private:
    C56PlusCTD& Corvane();
    // The status text, the grid and the serial sensor lists from the
    // instrument, and the controls that follow them.
    void ShowInstrument();
    void UpdateSheetStatus();
    void FillSensorGrid();
    void FillSerialPorts();
    void UpdateSheetStates();

    // The grid's current row: a fixed sensor (0 to 2), then the voltage
    // inputs; -1 for none.
    int CurrentRow() const;
    const CSensor& GridSensor(int row);
    void SelectVoltageSensor(int input);
    void ModifyGridSensor(int row);
    void SelectSerialSensor(int port);
    void ModifySerialSensor(int port);
    void ConfigureSpar();
};

// Runs the TDW 56plus Corvane's sheet on the controller's remembered path of
// that model; leaving with the leave button remembers the sheet's current
// file. The result: 1 leave button, 2 Cancel.
int Disp56PlusConDlg(CConfigCTD* config);
