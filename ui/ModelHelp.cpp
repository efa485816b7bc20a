#include "ui/ModelHelp.h"

#include <memory>
#include <utility>

#include "core/Catalogue.h"
#include "platform/HelpLauncher.h"
#include "ui/ConDlg.h"
#include "ui/ConfigCTD.h"
#include "ui/Corvane56PlusSheet.h"
#include "ui/ModelSettings.h"

namespace {

// The models' help contexts follow their CTD IDs.
constexpr int kHelpContextBase = 1000;

// What the buttons of the dialogs do, by control id.
const std::pair<const char*, const char*> kButtonMeanings[] = {
    {ConDlgIds::kOpen, "Reads another configuration file of this model into the dialog (Ctrl+O)."},
    {ConDlgIds::kSave,
     "Stores the settings and writes the configuration to its file (Ctrl+S); for a read-only "
     "file it asks for another name."},
    {ConDlgIds::kSaveAs,
     "Stores the settings and writes the configuration to a file of a new name; the extension "
     "chooses the form (.xmlcon, or .con where the model has one)."},
    {ConDlgIds::kReport,
     "Stores the settings and shows the configuration report in a window beside the dialog."},
    {ConDlgIds::kHelp, "Opens this page."},
    {ConDlgIds::kLeave,
     "Stores the settings and closes the dialog. \"Exit\" asks first whether to save changes; "
     "\"Save & Exit\" saves them without asking."},
    {ConDlgIds::kCancel, "Closes the dialog without storing or saving anything."},
    {ConDlgIds::kSelect,
     "Chooses the sensor of the current channel (also a double-click on a free channel, or the "
     "grid's own menu)."},
    {ConDlgIds::kModify,
     "Edits the serial number, calibration date and coefficients of the current channel's "
     "sensor (also a double-click on the channel)."},
    {Corvane56PlusIds::kExport, "Switches whether the current voltage input is sent in real time."},
    {Corvane56PlusIds::kConfigureSpar, "Edits the calibration of the surface PAR sensor."},
    {"selectSerial1", "Chooses the sensor of the port's current line (WET Labs ports)."},
    {"modifySerial1", "Edits the calibration of the port's current sensor."},
};

// The text in HTML: markup escaped, bytes above 0x7F (Latin-1) as numeric
// references, so that the page reads the same in any encoding.
std::string Html(const CString& text) {
    std::string html;
    for (const char c : text.str()) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '<':
                html += "&lt;";
                break;
            case '>':
                html += "&gt;";
                break;
            case '&':
                html += "&amp;";
                break;
            case '"':
                html += "&quot;";
                break;
            case '\n':
                html += "<br>";
                break;
            default:
                html += byte > 0x7F ? "&#" + std::to_string(byte) + ";" : std::string(1, c);
        }
    }
    return html;
}

// The label as the dialog shows it ("&&" is one '&').
CString Shown(CString label) {
    label.Replace("&&", "&");
    return label;
}

const char* ButtonMeaning(const std::string& id) {
    // The second port's buttons do as the first's.
    const std::string first = id.back() == '2' ? id.substr(0, id.size() - 1) + "1" : id;
    for (const auto& [button, meaning] : kButtonMeanings) {
        if (first == button) {
            return meaning;
        }
    }
    return "";
}

std::string Page(const CString& title, const std::string& body) {
    return "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n<title>" +
           Html(title) +
           "</title>\n<style>body{font-family:sans-serif;max-width:60em;margin:1em auto;"
           "padding:0 1em}table{border-collapse:collapse}th,td{border:1px solid #999;"
           "padding:.3em .5em;vertical-align:top;text-align:left}th{background:#c0dcc0}"
           "</style>\n</head>\n<body>\n<h1>" +
           Html(title) + "</h1>\n" + body + "</body>\n</html>\n";
}

std::string Row(std::initializer_list<CString> cells, const char* tag = "td") {
    std::string row = "<tr>";
    for (const CString& cell : cells) {
        row += std::string("<") + tag + ">" + Html(cell) + "</" + tag + ">";
    }
    return row + "</tr>\n";
}

std::string SettingsTable(const std::vector<SSettingHelp>& settings) {
    std::string table = "<h2>Settings</h2>\n<table>\n" +
                        Row({"Control", "What it means", "Range or choices", "Channels"}, "th");
    for (const SSettingHelp& setting : settings) {
        table += Row({Shown(setting.label), setting.meaning, setting.range, setting.channels});
    }
    return table + "</table>\n";
}

std::string ButtonsTable(const CFormDialog& dialog) {
    std::string table = "<h2>Buttons</h2>\n<table>\n" + Row({"Button", "What it does"}, "th");
    for (const SControl& control : dialog.controls) {
        const char* meaning = ButtonMeaning(control.id);
        if (control.kind == EControl::Button && control.visible && *meaning != '\0') {
            table += Row({Shown(control.label), meaning});
        }
    }
    return table + "</table>\n";
}

constexpr const char* kStoring =
    "<p>The controls change the configuration only when the dialog stores them: on Save, Save "
    "As..., Report... and the leave button. Until then the channel grid shows the channels the "
    "settings will give, and a setting changed and changed back leaves every sensor with its "
    "calibration. Where storing removes channels, the sensors of the channels that remain keep "
    "their calibrations.</p>\n";

constexpr const char* kGrid =
    "<h2>Channels</h2>\n<p>The grid lists the channels of the scan in order with the sensor of "
    "each. The arrow keys move within it and Tab leaves it; Select... and Modify... act on its "
    "current channel, as do a double-click and its own menu (right-click).</p>\n";

}  // namespace

int HelpContextOf(int ctdID) {
    return kHelpContextBase + ctdID;
}

CString HelpPageOf(int ctdID) {
    const SCTD_Data* model = GetCTD_Data(ctdID);
    if (model == nullptr) {
        return "index.html";
    }
    // "TDW 64plus V2 Vantrel CTD" -> "tdw-64plus-v2-vantrel-ctd.html"
    CString page;
    bool gap = false;
    for (const char* c = model->name; *c != '\0'; ++c) {
        const bool plain = (*c >= 'a' && *c <= 'z') || (*c >= '0' && *c <= '9');
        const bool upper = *c >= 'A' && *c <= 'Z';
        if (plain || upper) {
            if (gap && !page.IsEmpty()) {
                page += '-';
            }
            page += upper ? static_cast<char>(*c - 'A' + 'a') : *c;
            gap = false;
        } else {
            gap = true;
        }
    }
    return page + ".html";
}

void ShowModelHelp(int ctdID) {
    TWLaunchHelp(HelpContextOf(ctdID), HelpPageOf(ctdID));
}

std::string ModelHelpPage(int ctdID) {
    CConfigCTD config;
    std::unique_ptr<CConDlg> dialog;
    if (ctdID == CTD_56PLUS_CORVANE) {
        dialog = std::make_unique<CCorvane56PlusSheet>(config);
    } else if (MakeModelSettings(ctdID)) {
        dialog = std::make_unique<CConDlg>(config, ctdID);
    } else {
        return std::string();
    }
    const CCTD& ctd = dialog->Instrument();
    std::string body = kStoring + SettingsTable(dialog->Settings()->Help(ctd));
    if (dialog->At(ConDlgIds::kSelect).visible) {
        body += kGrid;
    }
    body += ButtonsTable(*dialog);
    body += "<p><a href=\"index.html\">All instruments</a></p>\n";
    return Page("Configuration for the " + ctd.GetCTD_Name(), body);
}

std::string HelpIndexPage() {
    std::string body = "<ul>\n";
    for (int ctdID = 0; ctdID < NUM_CTD_IDS; ++ctdID) {
        if (!ModelHelpPage(ctdID).empty()) {
            body += "<li><a href=\"" + Html(HelpPageOf(ctdID)) + "\">" +
                    Html(GetCTD_Data(ctdID)->name) + "</a></li>\n";
        }
    }
    return Page("TW_ConfigCTD: the configuration dialogs", body + "</ul>\n");
}
