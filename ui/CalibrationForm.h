#pragma once
// The calibration dialog of a sensor, one form for every kind of sensor. Its
// fields come from the sensor itself: the sensor writes its element into a
// document in memory, and every value element after "SerialNumber" and
// "CalibrationDate" becomes a field in the sensor's own order, showing the
// text the sensor wrote (its number format). Groups become headed sections
// and the sensor's comments become notes. OK puts the typed texts back into
// the element and lets a copy of the sensor read it with its own ReadXML, so
// the sensor decides what it accepts; the sensor changes only when all of it
// was accepted. Import and Export load and save a sensor calibration file.

#include <memory>
#include <pugixml.hpp>
#include <string>
#include <string_view>
#include <vector>

#include "core/Sensor.h"
#include "platform/Form.h"

// The control ids of the form, besides OK and Cancel (ui/DialogButtons.h) and
// one per coefficient (the element's tag, or "Group.Tag" for a tag that
// occurs in more than one group).
namespace CalibrationIds {
inline constexpr const char* kSerialNumber = "serialNumber";
inline constexpr const char* kCalibrationDate = "calibrationDate";
inline constexpr const char* kImport = "import";
inline constexpr const char* kExport = "export";
}  // namespace CalibrationIds

// Which of the sensor's elements a form shows: the kinds of sensor with two
// coefficient sets have one form per set.
enum class ECalibrationView {
    AllCoefficients,
    SerialAndDateOnly,
    ConductivityGJ,     // the G, H, I, J set and the set switch
    ConductivityOld,    // the A, B, C, D, M set and the set switch
    ConductivityType1,  // the G, H, I, J set with WBOTC
    TemperatureGJ,
    TemperatureOld,
};

class CCalibrationForm : public CFormDialog {
  public:
    // The form named dialogName (the exported dialog function) edits sensor;
    // note, when given, is shown above the fields.
    CCalibrationForm(CSensor& sensor, ECalibrationView view, const char* dialogName,
                     const CString& note = CString());
    ~CCalibrationForm() override;

    const char* DialogName() const { return m_dialogName; }

    void Initialise() override;
    void Changed(const std::string& id) override;
    void Command(const std::string& id) override;

  private:
    enum class EField { Text, Double, Integer, Fixed, Check, Choice };
    struct SField {
        std::string id;
        pugi::xml_node element;
        std::string original;  // the text the sensor wrote
        std::string shown;     // the text the edit showed at first
        EField kind = EField::Text;
        CString label;
    };

    // Writes the working sensor into the document and lays out the controls.
    void Build();
    void AddElementControls(pugi::xml_node parent, int& noteCount);
    void AddField(pugi::xml_node element);
    // How the sensor takes the element's text, learned by giving it a text,
    // a fraction and a whole number in turn (the document is left as it was).
    EField ProbeKind(pugi::xml_node element);
    bool IsHidden(pugi::xml_node element) const;
    std::string FieldId(pugi::xml_node element) const;
    const SField& FieldOf(std::string_view id) const;
    // The text the control holds now, as the element is to carry it.
    std::string TextOf(const SField& field) const;
    // The sensor read from the document with the controls' texts, or null
    // after telling the user which field was refused.
    std::unique_ptr<CSensor> ReadControls();
    // Puts the serial number and date typed into the sensor read; false after
    // telling the user that the date is not one.
    bool TakeBaseItems(CSensor& read) const;
    // The sensor read from the document as it stands now; null when refused.
    std::unique_ptr<CSensor> ReadDocument() const;
    void ShowFieldError(const SField& field, const std::string& text, bool notANumber) const;

    void OnOK();
    void OnImport();
    void OnExport();

    CSensor& m_sensor;
    std::unique_ptr<CSensor> m_work;  // what the fields were made from
    ECalibrationView m_view;
    const char* m_dialogName;
    CString m_note;
    pugi::xml_document m_document;
    pugi::xml_node m_root;
    std::vector<pugi::xml_node> m_elements;  // below the root, in document order
    std::vector<SField> m_fields;
};

// A new object of the sensor's class holding the same values.
std::unique_ptr<CSensor> CloneSensor(const CSensor& sensor);

// The title of the sensor's calibration dialog, also the caption of its
// messages.
CString CalibrationTitle(const CSensor& sensor);
