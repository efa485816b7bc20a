#include "ui/ModelSettingsTable.h"

#include <algorithm>
#include <cassert>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/Catalogue.h"
#include "legacy/InstrumentLines.h"
#include "platform/MessageBox.h"

namespace ModelSettings {

namespace {

constexpr const char* kInputErrorCaption = "Input Error";

// The shortest text that reads back as the same double, in the "C" form.
CString FormatDecimal(double value) {
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value);
    return CString(text, static_cast<int>(result.ptr - text));
}

CString FormatInt(int value) {
    CString text;
    text.Format("%d", value);
    return text;
}

// A number typed into an edit: the whole text, spaces around it aside.
template <class T>
std::optional<T> ParseNumber(CString text) {
    text.Trim();
    T value{};
    const char* first = text.GetString();
    const char* last = first + text.GetLength();
    const auto result = std::from_chars(first, last, value);
    if (text.IsEmpty() || result.ec != std::errc() || result.ptr != last) {
        return std::nullopt;
    }
    if constexpr (std::is_floating_point_v<T>) {
        if (!std::isfinite(value)) {
            return std::nullopt;
        }
    }
    return value;
}

// Stores a typed number unless the instrument holds it already; false when
// the text is no number or the instrument refuses it.
template <class T, class Get, class Set>
bool StoreNumber(const CString& text, const Get& get, const Set& set, CCTD& ctd) {
    const std::optional<T> value = ParseNumber<T>(text);
    return value && (*value == get(ctd) || set(ctd, *value));
}

int ChoiceIndex(const SSetting& setting, int value) {
    if (setting.values.empty()) {
        return value >= 0 && value < static_cast<int>(setting.choices.size()) ? value : -1;
    }
    const auto found = std::find(setting.values.begin(), setting.values.end(), value);
    return found == setting.values.end() ? -1 : static_cast<int>(found - setting.values.begin());
}

// The instrument's value of a check or combo control showing value; nullopt
// for a combo without a choice.
std::optional<int> ControlValue(const SSetting& setting, int value) {
    if (setting.kind == EControl::Check) {
        return value != 0 ? 1 : 0;
    }
    if (value < 0 || value >= static_cast<int>(setting.choices.size())) {
        return std::nullopt;
    }
    return setting.values.empty() ? value : setting.values[value];
}

// What the settings that many models share mean, by control id.
const std::pair<const char*, const char*> kSharedMeanings[] = {
    {"sampleInterval", "Seconds between two samples."},
    {"scansToAverage", "How many raw scans make one scan of the data."},
    {"firmwareVersion", "The version of the instrument's firmware, which decides its scan."},
    {"nmeaPosition", "The latitude and longitude of an NMEA device are added to each scan."},
    {"nmeaDepth", "The depth of an NMEA device is added to each scan."},
    {"nmeaTime", "The time of an NMEA device is added to each scan."},
    {"nmeaToDeckUnit", "The NMEA device is connected to the deck unit."},
    {"nmeaToPC", "The NMEA device is connected to the computer."},
    {"mooredPressure", "The pressure used in place of a pressure sensor (dbar)."},
    {"mooredLatitude", "The latitude used in depth calculations when asked for."},
    {"pressureData", "Opens the moored pressure data, used when there is no pressure sensor."},
};

CString MeaningOf(const SSetting& setting) {
    if (!setting.meaning.IsEmpty()) {
        return setting.meaning;
    }
    for (const auto& [id, meaning] : kSharedMeanings) {
        if (setting.id == id) {
            return meaning;
        }
    }
    return CString();
}

void ShowRefusal(const CString& text) {
    TWMessageBox(text, kInputErrorCaption, MB_OK | MB_ICONERROR);
}

}  // namespace

CString SSetting::FromTo(double low, double high) {
    CString text;
    text.Format("from %g to %g", low, high);
    return text;
}

SSetting& SSetting::Limits(const char* tag) {
    limits = [tag = std::string(tag)](const CCTD& ctd) {
        for (const SSettingElement& element : ctd.SettingElements()) {
            if (element.tag == tag && element.bounded) {
                return FromTo(element.low, element.high);
            }
        }
        assert(!"the model has no bounded setting of that tag");
        return CString();
    };
    refusal = [limits = limits, subject = subject](const CCTD& ctd) {
        return subject + " must be a number " + limits(ctd) + ".";
    };
    return *this;
}

SSetting Control(std::string id, EControl kind, const char* label) {
    SSetting setting;
    setting.id = std::move(id);
    setting.kind = kind;
    setting.label = label;
    return setting;
}

SSetting Check(std::string id, const char* label) {
    return Control(std::move(id), EControl::Check, label);
}

SSetting Combo(std::string id, const char* label, std::vector<CString> choices) {
    SSetting setting = Control(std::move(id), EControl::Combo, label);
    setting.choices = std::move(choices);
    return setting;
}

SSetting Radio(std::string id, const char* label, std::vector<CString> choices) {
    SSetting setting = Combo(std::move(id), label, std::move(choices));
    setting.kind = EControl::Radio;
    return setting;
}

SSetting Edit(std::string id, const char* label, const char* subject) {
    SSetting setting = Control(std::move(id), EControl::Edit, label);
    setting.subject = subject;
    setting.refusal = [subject = CString(subject)](const CCTD&) {
        return subject + " must be a number.";
    };
    return setting;
}

SSetting Button(std::string id, const char* label, std::function<void(CCTD&)> command) {
    SSetting setting = Control(std::move(id), EControl::Button, label);
    setting.command = std::move(command);
    return setting;
}

SSetting Note(std::string id, const char* text) {
    return Control(std::move(id), EControl::Label, text);
}

SSetting NmeaPosition(const char* label) {
    return Check("nmeaPosition", label).Flag(&CCTD::GetbNMEA_Added, &CCTD::SetbNMEA_Added);
}

SSetting NmeaDepth() {
    return Check("nmeaDepth", "NMEA depth data added")
        .Flag(&CCTD::GetbDepthAdded, &CCTD::SetbDepthAdded)
        .EnabledBy("nmeaPosition");
}

SSetting NmeaTime() {
    return Check("nmeaTime", "NMEA time added")
        .Flag(&CCTD::GetbNMEA_TimeAdded, &CCTD::SetbNMEA_TimeAdded)
        .EnabledBy("nmeaPosition");
}

// The NMEA device is connected either to the deck unit or to the computer:
// the instrument keeps only whether it is the computer.
SSetting NmeaToDeckUnit() {
    SSetting setting = Check("nmeaToDeckUnit", "NMEA device connected to deck unit")
                           .Access([](const CCTD& ctd) { return ctd.GetbNMEA_PC() ? 0 : 1; },
                                   [](CCTD& ctd, int on) {
                                       ctd.SetbNMEA_PC(on ? 0 : 1);
                                       return 1;
                                   })
                           .EnabledBy("nmeaPosition");
    setting.pairedWith = "nmeaToPC";
    return setting;
}

SSetting NmeaToPC() {
    SSetting setting = Check("nmeaToPC", "NMEA device connected to PC")
                           .Flag(&CCTD::GetbNMEA_PC, &CCTD::SetbNMEA_PC)
                           .EnabledBy("nmeaPosition");
    setting.pairedWith = "nmeaToDeckUnit";
    return setting;
}

std::vector<CString> CountChoices(int last) {
    std::vector<CString> choices;
    for (int count = 0; count <= last; ++count) {
        choices.push_back(FormatInt(count));
    }
    return choices;
}

bool LegacyFormatRefuses(int ctdID) {
    const SLegacyInstrument* instrument = FindLegacyInstrument(ctdID);
    return instrument == nullptr || instrument->write == nullptr;
}

CTableSettings::CTableSettings(std::vector<SSetting> settings, bool xmlOnly, bool selectAndModify)
    : m_settings(std::move(settings)), m_xmlOnly(xmlOnly), m_selectAndModify(selectAndModify) {}

const SSetting* CTableSettings::Find(const std::string& id) const {
    for (const SSetting& setting : m_settings) {
        if (setting.id == id) {
            return &setting;
        }
    }
    return nullptr;
}

void CTableSettings::AddControls(CFormDialog& dialog) const {
    for (const SSetting& setting : m_settings) {
        SControl& control = dialog.Add(setting.kind, setting.id, setting.label);
        control.page = setting.page;
        control.group = setting.group;
        control.choices = setting.choices;
        if (setting.kind == EControl::Check) {
            control.value = 0;
        }
        control.enabled = !setting.shownOnly;
        control.toolTip = setting.toolTip;
    }
}

void CTableSettings::WriteControl(const SSetting& setting, const CCTD& ctd,
                                  SControl& control) const {
    if (setting.kind == EControl::Edit) {
        if (setting.getDouble) {
            control.text = FormatDecimal(setting.getDouble(ctd));
        } else if (setting.getInt) {
            control.text = FormatInt(setting.getInt(ctd));
        }
    } else if (setting.getInt) {
        const int value = setting.getInt(ctd);
        control.value =
            setting.kind == EControl::Check ? (value != 0 ? 1 : 0) : ChoiceIndex(setting, value);
    }
}

void CTableSettings::WriteControls(const CCTD& ctd, CFormDialog& dialog) const {
    for (const SSetting& setting : m_settings) {
        WriteControl(setting, ctd, dialog.At(setting.id));
    }
    UpdateStates(dialog);
}

bool CTableSettings::StoreControl(const SSetting& setting, const SControl& control,
                                  CCTD& ctd) const {
    if (setting.kind == EControl::Edit) {
        const bool stored =
            setting.IsDecimal()
                ? StoreNumber<double>(control.text, setting.getDouble, setting.setDouble, ctd)
                : StoreNumber<int>(control.text, setting.getInt, setting.setInt, ctd);
        if (!stored) {
            ShowRefusal(setting.refusal(ctd));
        }
        return stored;
    }
    const std::optional<int> value = ControlValue(setting, control.value);
    if (!value || *value == setting.getInt(ctd) || setting.setInt(ctd, *value)) {
        return true;
    }
    CString text;
    text.Format("The instrument cannot take this choice of \"%s\".", setting.label.GetString());
    ShowRefusal(text);
    return false;
}

int CTableSettings::ReadControls(CFormDialog& dialog, CCTD& ctd) const {
    // Stored into a copy first, so that a refused value leaves the
    // instrument as it was.
    std::unique_ptr<CCTD> edited(ctd.Clone());
    for (const SSetting& setting : m_settings) {
        const SControl& control = dialog.At(setting.id);
        if (setting.Stores() && control.enabled && control.visible &&
            !StoreControl(setting, control, *edited)) {
            return 0;
        }
    }
    ctd.AssignFrom(*edited);
    // Show what the instrument took (some settings adjust a value).
    WriteControls(ctd, dialog);
    return 1;
}

bool CTableSettings::Enabled(const SSetting& setting, const CFormDialog& dialog) const {
    if (setting.shownOnly) {
        return false;
    }
    return std::all_of(setting.enabledWhen.begin(), setting.enabledWhen.end(),
                       [&](const auto& when) {
                           const SSetting* by = Find(when.first);
                           return dialog.At(when.first).value == when.second &&
                                  (by == nullptr || Enabled(*by, dialog));
                       });
}

void CTableSettings::UpdateStates(CFormDialog& dialog) const {
    // Controls without conditions keep the state their dialog gives them.
    for (const SSetting& setting : m_settings) {
        if (setting.shownOnly || !setting.enabledWhen.empty()) {
            dialog.At(setting.id).enabled = Enabled(setting, dialog);
        }
    }
}

bool CTableSettings::Changed(const std::string& id, CFormDialog& dialog) const {
    const SSetting* setting = Find(id);
    if (setting == nullptr) {
        return false;
    }
    if (!setting->pairedWith.empty()) {
        dialog.At(setting->pairedWith).value = dialog.At(id).value != 0 ? 0 : 1;
    }
    UpdateStates(dialog);
    return setting->changesChannels;
}

void CTableSettings::PreviewLayout(const LayoutChoices& choices, CFormDialog& dialog,
                                   CCTD& copy) const {
    for (const SSetting& setting : m_settings) {
        const auto choice = choices.find(setting.id);
        if (!setting.changesChannels || choice == choices.end() || !dialog.At(setting.id).enabled) {
            continue;
        }
        const std::optional<int> value = ControlValue(setting, choice->second);
        if (value && *value != setting.getInt(copy)) {
            setting.setInt(copy, *value);
        }
    }
    // One such setting may change another (a mode that drops the surface
    // PAR): every one shows the copy.
    for (const SSetting& setting : m_settings) {
        if (setting.changesChannels) {
            WriteControl(setting, copy, dialog.At(setting.id));
        }
    }
    UpdateStates(dialog);
}

bool CTableSettings::ControlsDiffer(const CFormDialog& dialog, const CCTD& ctd) const {
    return std::any_of(m_settings.begin(), m_settings.end(), [&](const SSetting& setting) {
        const SControl& shown = dialog.At(setting.id);
        if (!setting.Stores() || !shown.enabled || !shown.visible) {
            return false;
        }
        SControl held = shown;
        WriteControl(setting, ctd, held);
        return setting.kind == EControl::Edit ? !(held.text == shown.text)
                                              : held.value != shown.value;
    });
}

std::vector<SSettingHelp> CTableSettings::Help(const CCTD& ctd) const {
    std::vector<SSettingHelp> help;
    for (const SSetting& setting : m_settings) {
        const bool described = setting.Stores() || setting.command || setting.shownOnly;
        if (!described || (setting.label.IsEmpty() && setting.choices.empty())) {
            continue;
        }
        SSettingHelp& entry = help.emplace_back();
        entry.label = setting.label.IsEmpty() ? setting.choices.front() : setting.label;
        entry.meaning = MeaningOf(setting);
        entry.channels = setting.channelEffect;
        if (setting.kind == EControl::Edit && setting.limits) {
            entry.range = "A number " + setting.limits(ctd) + ".";
        } else if (!setting.choices.empty()) {
            for (const CString& choice : setting.choices) {
                entry.range += (entry.range.IsEmpty() ? "" : "; ") + choice;
            }
        } else if (setting.kind == EControl::Check) {
            entry.range = "On or off.";
        }
        if (setting.shownOnly) {
            entry.meaning += entry.meaning.IsEmpty() ? "" : " ";
            entry.meaning += setting.toolTip.IsEmpty() ? CString("Shown only.") : setting.toolTip;
        }
    }
    return help;
}

void CTableSettings::Command(const std::string& id, CFormDialog& dialog, CCTD& ctd) const {
    const SSetting* setting = Find(id);
    if (setting != nullptr && setting->command) {
        setting->command(ctd);
        UpdateStates(dialog);
    }
}

CSettingsForm::CSettingsForm(CString caption, const CModelSettings& settings, CCTD& ctd)
    : m_settings(settings), m_ctd(ctd) {
    title = std::move(caption);
}

void CSettingsForm::Initialise() {
    controls.clear();
    m_settings.AddControls(*this);
    SControl& ok = Add(EControl::Button, "ok", "OK");
    ok.bottomRow = true;
    ok.isDefault = true;
    SControl& cancel = Add(EControl::Button, "cancel", "Cancel");
    cancel.bottomRow = true;
    cancel.isCancel = true;
    m_settings.WriteControls(m_ctd, *this);
}

void CSettingsForm::Changed(const std::string& id) {
    m_settings.Changed(id, *this);
}

void CSettingsForm::Command(const std::string& id) {
    if (id == "ok") {
        if (m_settings.ReadControls(*this, m_ctd)) {
            EndDialog(IDOK);
        }
    } else if (id == "cancel") {
        EndDialog(IDCANCEL);
    } else {
        m_settings.Command(id, *this, m_ctd);
    }
}

}  // namespace ModelSettings

std::unique_ptr<CModelSettings> MakeModelSettings(int ctdID) {
    if (std::unique_ptr<CModelSettings> settings = ModelSettings::MakeVantrelSettings(ctdID)) {
        return settings;
    }
    return ModelSettings::MakeOtherSettings(ctdID);
}
