#include "platform/HelpLauncher.h"

#include <limits.h>
#include <unistd.h>

#include <cstdlib>
#include <string>
#include <utility>

#include "platform/Diagnostics.h"
#include "platform/FileNames.h"
#include "platform/MessageBox.h"
#include "platform/StartProgram.h"

namespace {

constexpr const char* kHelpCaption = "Help";
// Below the installation prefix, as the program's bin folder is.
constexpr const char* kInstalledHelp = "share/tw-configctd/help/";

HelpHandler& Handler() {
    static HelpHandler handler;
    return handler;
}

CString WithSlash(CString folder) {
    return folder.Right(1) == "/" ? folder : folder + "/";
}

bool HoldsPages(const CString& folder) {
    return IsFile(folder + "index.html");
}

// The prefix the running program is installed under: the folder above its
// bin folder.
CString InstallPrefix() {
    std::string executable(PATH_MAX, '\0');
    const ssize_t length = ::readlink("/proc/self/exe", executable.data(), executable.size() - 1);
    if (length <= 0) {
        return CString();
    }
    executable.resize(static_cast<std::size_t>(length));
    const CString bin = ExtractDirectory(CString(executable));
    return ExtractDirectory(bin.Left(bin.GetLength() - 1));
}

}  // namespace

CString TWHelpFolder() {
    if (const char* chosen = std::getenv("TW_CONFIGCTD_HELP_DIR"); chosen && *chosen) {
        return WithSlash(chosen);
    }
    const CString prefix = InstallPrefix();
    if (!prefix.IsEmpty() && HoldsPages(prefix + kInstalledHelp)) {
        return prefix + kInstalledHelp;
    }
#ifdef TW_BUILD_HELP_DIR
    if (HoldsPages(WithSlash(TW_BUILD_HELP_DIR))) {
        return WithSlash(TW_BUILD_HELP_DIR);
    }
#endif
    return CString();
}

bool TWLaunchHelp(int contextID, const CString& pageName) {
    CString entry;
    entry.Format("Launching help file - Help context ID = %d", contextID);
    CDiagnostics::Log(entry, 2);
    const CString folder = TWHelpFolder();
    const CString page = folder + pageName;
    if (folder.IsEmpty() || !IsFile(page)) {
        TWMessageBox(CString("The help page ") + pageName + " is not installed with this program.",
                     kHelpCaption, MB_OK | MB_ICONINFORMATION);
        return false;
    }
    const HelpHandler& handler = Handler();
    if (handler ? handler(page) : TWStartProgram("xdg-open", page)) {
        return true;
    }
    TWMessageBox(CString("No browser could be started to show the help page ") + page + ".",
                 kHelpCaption, MB_OK | MB_ICONINFORMATION);
    return false;
}

HelpHandler SetHelpHandler(HelpHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}
