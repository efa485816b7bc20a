#include "platform/IniSettings.h"

#include <cstdlib>
#include <string>

#include <SimpleIni.h>

#include "platform/FileNames.h"
#include "platform/xml/AtomicFile.h"

namespace {

CString Environment(const char* name) {
    const char* value = std::getenv(name);
    return value && *value ? CString(value) : CString();
}

CString WithSlash(CString folder) {
    if (!folder.IsEmpty() && folder.Right(1) != "/") {
        folder += "/";
    }
    return folder;
}

// The folder below which the per-user settings live.
CString SettingsBase() {
    CString base = Environment("LOCALAPPDATA");
    if (base.IsEmpty()) {
        base = Environment("XDG_CONFIG_HOME");
    }
    if (base.IsEmpty()) {
        base = WithSlash(Environment("HOME")) + ".config";
    }
    return WithSlash(base);
}

// Loads the file; a damaged one counts as empty.
void Load(CSimpleIniA& ini, const CString& file) {
    if (ini.LoadFile(file.GetString()) < 0) {
        ini.Reset();
    }
}

}  // namespace

CString GetSettingsFolder() {
    const CString base = SettingsBase();
    const CString folder = base + "Tidewren/IniFiles/";
    return GetOrCreateFolder(folder) ? folder : base;
}

bool GetUserProfileFolder(CString& folder) {
    folder = Environment("USERPROFILE");
    if (folder.IsEmpty()) {
        folder = Environment("HOME");
    }
    return !folder.IsEmpty();
}

CString ReadIniText(const CString& file, const char* section, const char* key,
                    const char* defaultText) {
    CSimpleIniA ini;
    Load(ini, file);
    return ini.GetValue(section, key, defaultText);
}

bool WriteIniText(const CString& file, const char* section, const char* key, const CString& value) {
    CSimpleIniA ini;
    Load(ini, file);
    ini.SetSpaces(false);  // "key=value", as other programs write the file
    if (ini.SetValue(section, key, value.GetString()) < 0) {
        return false;
    }
    std::string text;
    return ini.Save(text) >= 0 && TDWXML::detail::ReplaceFile(file.str(), text).ok;
}
