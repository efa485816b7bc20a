#include "ui/CalibrationForm.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "core/SensorArray.h"
#include "platform/DateText.h"
#include "platform/MessageBox.h"
#include "platform/xml/Cursor.h"
#include "platform/xml/NumberText.h"
#include "platform/xml/TDWXML.h"
#include "platform/xml/TextCodec.h"
#include "ui/CalibrationFields.h"
#include "ui/DialogButtons.h"
#include "xmlfiles/SensorImportExport.h"

using namespace CalibrationIds;
using DialogButtonIds::kCancel;
using DialogButtonIds::kOk;

namespace {

constexpr const char* kSerialNumberTag = "SerialNumber";
constexpr const char* kCalibrationDateTag = "CalibrationDate";
// What a field is tried with to learn how the sensor takes it.
constexpr const char* kTextProbe = "x";
constexpr double kDoubleProbe = 0.5;
constexpr const char* kDoubleProbeText = "0.5";
constexpr int kIntegerProbe = 1;
constexpr const char* kIntegerProbeText = "1";

const char* RootTagOf(const CSensor& sensor) {
    const SSensorData* row = GetSensorData(sensor.GetSensorID());
    return row ? row->xmlTag : "Sensor";
}

// The sensor's element, as it writes it, in a document in memory.
void WriteSensor(CSensor& sensor, pugi::xml_document& document) {
    TDWXML::CWriteDoc doc;
    doc.CreateText();
    doc.WriteRoot(RootTagOf(sensor), &sensor);
    const CString text = doc.GetText();
    document.load_buffer(text.GetString(), static_cast<std::size_t>(text.GetLength()),
                         pugi::parse_default | pugi::parse_comments | pugi::parse_ws_pcdata_single);
}

std::string TextOfElement(pugi::xml_node element) {
    return TDWXML::detail::DecodeText(element.child_value());
}

void SetTextOfElement(pugi::xml_node element, const std::string& bytes) {
    element.text().set(TDWXML::detail::EncodeText(bytes).c_str());
}

bool IsElement(pugi::xml_node node) {
    return node.type() == pugi::node_element;
}

bool HasChildElements(pugi::xml_node element) {
    return static_cast<bool>(element.find_child(IsElement));
}

pugi::xml_node NextElement(pugi::xml_node node) {
    for (node = node.next_sibling(); node && !IsElement(node); node = node.next_sibling()) {
    }
    return node;
}

// The elements below root in document order.
void CollectElements(pugi::xml_node parent, std::vector<pugi::xml_node>& elements) {
    for (pugi::xml_node child = parent.find_child(IsElement); child; child = NextElement(child)) {
        elements.push_back(child);
        CollectElements(child, elements);
    }
}

std::vector<pugi::xml_node> ElementsOf(pugi::xml_node root) {
    std::vector<pugi::xml_node> elements;
    CollectElements(root, elements);
    return elements;
}

std::size_t IndexOf(const std::vector<pugi::xml_node>& elements, pugi::xml_node element) {
    return static_cast<std::size_t>(std::find(elements.begin(), elements.end(), element) -
                                    elements.begin());
}

// "Coefficients (equation 1)" for a group element with an attribute.
CString HeadingOf(pugi::xml_node group) {
    CString heading(TDWXML::detail::DecodeText(group.name()));
    if (const pugi::xml_attribute attribute = group.first_attribute()) {
        heading.AppendFormat(" (%s %s)", TDWXML::detail::DecodeText(attribute.name()).c_str(),
                             TDWXML::detail::DecodeText(attribute.value()).c_str());
    }
    return heading;
}

}  // namespace

CString CalibrationTitle(const CSensor& sensor) {
    CString text;
    text.Format("%s Calibration Coefficients", sensor.GetSensorName().GetString());
    return text;
}

std::unique_ptr<CSensor> CloneSensor(const CSensor& sensor) {
    std::unique_ptr<CSensor> copy(static_cast<CSensor*>(sensor.GetRuntimeClass()->CreateObject()));
    if (copy) {
        copy->AssignFrom(sensor);
    }
    return copy;
}

CCalibrationForm::CCalibrationForm(CSensor& sensor, ECalibrationView view, const char* dialogName,
                                   const CString& note)
    : m_sensor(sensor),
      m_work(CloneSensor(sensor)),
      m_view(view),
      m_dialogName(dialogName),
      m_note(note) {}

CCalibrationForm::~CCalibrationForm() = default;

void CCalibrationForm::Initialise() {
    Build();
}

void CCalibrationForm::Build() {
    controls.clear();
    m_fields.clear();
    title = CalibrationTitle(*m_work);
    WriteSensor(*m_work, m_document);
    m_root = m_document.document_element();
    m_elements = ElementsOf(m_root);
    if (!m_note.IsEmpty()) {
        Add(EControl::Label, "note", m_note);
    }
    AddField(m_root.child(kSerialNumberTag));
    AddField(m_root.child(kCalibrationDateTag));
    int noteCount = 0;
    AddElementControls(m_root, noteCount);
    for (const auto& [id, label] : {std::pair{kImport, "Import"}, std::pair{kExport, "Export"}}) {
        Add(EControl::Button, id, label).bottomRow = true;
    }
    AddOkCancel(*this);
}

void CCalibrationForm::AddElementControls(pugi::xml_node parent, int& noteCount) {
    for (pugi::xml_node node : parent.children()) {
        if (node.type() == pugi::node_comment) {
            // A comment speaks of the element after it: it goes where that
            // element goes, and a choice's texts say what it would.
            const pugi::xml_node next = NextElement(node);
            if (next && (IsHidden(next) || !m_work->ChoiceTexts(next.name()).empty())) {
                continue;
            }
            Add(EControl::Label, "note" + std::to_string(noteCount++),
                TDWXML::detail::DecodeText(node.value()));
        } else if (IsElement(node) && !IsHidden(node)) {
            if (HasChildElements(node)) {
                Add(EControl::Label, TDWXML::detail::StepName(node), HeadingOf(node));
                AddElementControls(node, noteCount);
            } else if (parent != m_root || (std::string_view(node.name()) != kSerialNumberTag &&
                                            std::string_view(node.name()) != kCalibrationDateTag)) {
                AddField(node);
            }
        }
    }
}

bool CCalibrationForm::IsHidden(pugi::xml_node element) const {
    return CalibrationViewHides(m_view, element);
}

std::string CCalibrationForm::FieldId(pugi::xml_node element) const {
    const std::string tag = element.name();
    if (element.parent() == m_root && (tag == kSerialNumberTag || tag == kCalibrationDateTag)) {
        return tag == kSerialNumberTag ? kSerialNumber : kCalibrationDate;
    }
    const auto sameTag =
        std::count_if(m_elements.begin(), m_elements.end(),
                      [&tag](pugi::xml_node other) { return tag == other.name(); });
    if (sameTag == 1 || element.parent() == m_root) {
        return TDWXML::detail::DecodeText(element.name());
    }
    return TDWXML::detail::StepName(element.parent()) + "." +
           TDWXML::detail::DecodeText(element.name());
}

void CCalibrationForm::AddField(pugi::xml_node element) {
    SField field;
    field.id = FieldId(element);
    field.element = element;
    field.original = TextOfElement(element);
    // A date held as a time value is shown as a date text.
    field.shown = field.id == kCalibrationDate ? m_work->GetCalDate().str() : field.original;
    const std::span<const char* const> choices = m_work->ChoiceTexts(element.name());
    int index = -1;
    const bool isInteger = TDWXML::detail::ParseInt(field.original, &index);
    if (field.id == kSerialNumber || field.id == kCalibrationDate) {
        field.kind = EField::Text;
        field.label = field.id == kSerialNumber ? "Serial number" : "Calibration date";
    } else {
        field.label = CalibrationLabel(element.name());
        if (isInteger && IsCalibrationCheck(element.name())) {
            field.kind = EField::Check;
        } else if (isInteger && index >= 0 && index < static_cast<int>(choices.size())) {
            field.kind = EField::Choice;
        } else {
            field.kind = ProbeKind(element);
        }
    }
    switch (field.kind) {
        case EField::Check:
            Add(EControl::Check, field.id, field.label).value = index != 0 ? 1 : 0;
            break;
        case EField::Choice: {
            SControl& combo = Add(EControl::Combo, field.id, field.label);
            combo.choices.assign(choices.begin(), choices.end());
            combo.value = index;
            break;
        }
        default: {
            SControl& edit = Add(EControl::Edit, field.id, field.label);
            edit.text = field.shown;
            edit.readOnly = field.kind == EField::Fixed;
            if (field.id == kSerialNumber || field.id == kCalibrationDate) {
                edit.maxLength = SENSOR_TEXT_BUFFER - 1;
            }
        }
    }
    m_fields.push_back(std::move(field));
}

// How the sensor takes the element: a text when it keeps a text that is no
// number, a double when it keeps a fraction, an integer when it keeps a whole
// number; a value it keeps whatever it is given is fixed.
CCalibrationForm::EField CCalibrationForm::ProbeKind(pugi::xml_node element) {
    const std::string original = TextOfElement(element);
    const std::size_t index = IndexOf(m_elements, element);
    const auto kept = [&](const char* probe) -> std::optional<std::string> {
        SetTextOfElement(element, probe);
        const std::unique_ptr<CSensor> read = ReadDocument();
        SetTextOfElement(element, original);
        if (!read) {
            return std::nullopt;
        }
        pugi::xml_document back;
        WriteSensor(*read, back);
        const std::vector<pugi::xml_node> elements = ElementsOf(back.document_element());
        if (index >= elements.size()) {
            return std::nullopt;
        }
        return TextOfElement(elements[index]);
    };
    if (kept(kTextProbe) == kTextProbe) {
        return EField::Text;
    }
    double number = 0.0;
    const std::optional<std::string> asDouble = kept(kDoubleProbeText);
    if (asDouble && TDWXML::detail::ParseDouble(*asDouble, &number) &&
        std::fabs(number - kDoubleProbe) < 1e-9) {
        return EField::Double;
    }
    const std::optional<std::string> asInteger = kept(kIntegerProbeText);
    if (asInteger && TDWXML::detail::ParseDouble(*asInteger, &number) && number == kIntegerProbe) {
        return EField::Integer;
    }
    return EField::Fixed;
}

const CCalibrationForm::SField& CCalibrationForm::FieldOf(std::string_view id) const {
    return *std::find_if(m_fields.begin(), m_fields.end(),
                         [id](const SField& field) { return field.id == id; });
}

std::string CCalibrationForm::TextOf(const SField& field) const {
    const SControl& control = At(field.id);
    int original = 0;
    switch (field.kind) {
        case EField::Fixed:
            return field.original;
        case EField::Check:
        case EField::Choice:
            // An untouched control keeps the sensor's own text.
            TDWXML::detail::ParseInt(field.original, &original);
            if (field.kind == EField::Check ? (original != 0) == (control.value != 0)
                                            : original == control.value) {
                return field.original;
            }
            return std::to_string(control.value);
        default:
            return control.text.str() == field.shown ? field.original : control.text.str();
    }
}

std::unique_ptr<CSensor> CCalibrationForm::ReadDocument() const {
    std::string text;
    struct SWriter : pugi::xml_writer {
        std::string* out = nullptr;
        void write(const void* data, std::size_t size) override {
            out->append(static_cast<const char*>(data), size);
        }
    } writer;
    writer.out = &text;
    m_document.save(writer, "", pugi::format_raw, pugi::encoding_utf8);
    std::unique_ptr<CSensor> read = CloneSensor(*m_work);
    TDWXML::CReadDoc doc;
    if (!read || doc.LoadText(text.data(), text.size()) != TDWXML::S_OK_XML ||
        doc.ReadRoot(RootTagOf(*read), read.get()) != TDWXML::S_OK_XML) {
        return nullptr;
    }
    return read;
}

void CCalibrationForm::ShowFieldError(const SField& field, const std::string& text,
                                      bool notANumber) const {
    CString name = field.label;
    if (field.element.parent() != m_root) {
        name += " in " + HeadingOf(field.element.parent()).str();
    }
    CString message;
    if (notANumber) {
        message.Format("%s: \"%s\" is not a %s.", name.GetString(), text.c_str(),
                       field.kind == EField::Integer ? "whole number" : "number");
    } else {
        message.Format("%s: the sensor does not accept \"%s\".", name.GetString(), text.c_str());
    }
    TWMessageBox(message, title, MB_OK | MB_ICONWARNING);
}

std::unique_ptr<CSensor> CCalibrationForm::ReadControls() {
    std::vector<std::string> texts;
    for (const SField& field : m_fields) {
        const std::string text = TextOf(field);
        double number = 0.0;
        int integer = 0;
        if ((field.kind == EField::Double && !TDWXML::detail::ParseDouble(text, &number)) ||
            (field.kind == EField::Integer && !TDWXML::detail::ParseInt(text, &integer))) {
            ShowFieldError(field, text, true);
            return nullptr;
        }
        texts.push_back(text);
    }
    // Untouched, the sensor stays exactly as it is, even where it holds
    // values finer than its element shows.
    bool touched = false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        touched = touched || texts[i] != m_fields[i].original;
    }
    if (!touched) {
        return CloneSensor(*m_work);
    }
    const auto setTexts = [&](const SField* only) {
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            const SField& field = m_fields[i];
            SetTextOfElement(field.element,
                             only == nullptr || only == &field ? texts[i] : field.original);
        }
    };
    setTexts(nullptr);
    std::unique_ptr<CSensor> read = ReadDocument();
    if (!read) {
        // Name the first field that the sensor refuses on its own.
        for (std::size_t i = 0; i < m_fields.size(); ++i) {
            if (texts[i] == m_fields[i].original) {
                continue;
            }
            setTexts(&m_fields[i]);
            if (!ReadDocument()) {
                ShowFieldError(m_fields[i], texts[i], false);
                break;
            }
        }
    } else if (!TakeBaseItems(*read)) {
        read.reset();
    }
    for (const SField& field : m_fields) {
        SetTextOfElement(field.element, field.original);
    }
    return read;
}

// Reading an element leaves a sensor holding its date as text; the sensor
// keeps its own way of holding it, and the date typed is set as the sensor
// takes a date.
bool CCalibrationForm::TakeBaseItems(CSensor& read) const {
    CSensor& base = read;
    base = *m_work;
    read.SetSerialNum(At(kSerialNumber).text);
    const CString& date = At(kCalibrationDate).text;
    if (date.str() != FieldOf(kCalibrationDate).shown && read.SetCalDate(date) != 0) {
        EditDateError(date);
        return false;
    }
    return true;
}

void CCalibrationForm::OnOK() {
    if (const std::unique_ptr<CSensor> read = ReadControls()) {
        m_sensor.AssignFrom(*read);
        EndDialog(IDOK);
    }
}

void CCalibrationForm::OnImport() {
    Config2004::CSensorImportExport files;
    if (files.ImportSensor(m_work.get(), static_cast<CWnd*>(nullptr))) {
        Build();
    }
}

void CCalibrationForm::OnExport() {
    if (const std::unique_ptr<CSensor> read = ReadControls()) {
        Config2004::CSensorImportExport files;
        files.ExportSensor(read.get(), static_cast<CWnd*>(nullptr));
    }
}

void CCalibrationForm::Changed(const std::string& id) {
    const char* switchTag = CalibrationViewSwitch(m_view);
    if (switchTag == nullptr || id != switchTag) {
        return;
    }
    // The other set has its own form: the edits are taken, and the caller
    // opens that form.
    SControl& control = At(id);
    if (const std::unique_ptr<CSensor> read = ReadControls()) {
        m_sensor.AssignFrom(*read);
        EndDialog(IDOK);
    } else {
        control.value = control.value != 0 ? 0 : 1;
    }
}

void CCalibrationForm::Command(const std::string& id) {
    if (id == kOk) {
        OnOK();
    } else if (id == kCancel) {
        EndDialog(IDCANCEL);
    } else if (id == kImport) {
        OnImport();
    } else if (id == kExport) {
        OnExport();
    }
}
