#pragma once
// The diagnostics log: a record for whoever maintains a host program, never
// shown to the user.
//
// Each entry is appended as one line, "YYYY-MM-DD HH:MM:SS level N: text", to
// the file named by the environment variable TW_CONFIGCTD_LOG, or else to
// "$XDG_STATE_HOME/tw_configctd/TW_ConfigCTD.log" (XDG_STATE_HOME defaulting
// to ~/.local/state). A log that cannot be written is skipped silently.

#include <functional>
#include <string>

class CDiagnostics {
  public:
    static void Log(const char* text, int level);
    // The same with a system error code: "text (error N: description)".
    static void LogError(const char* text, unsigned long errorCode, int level);

    // Receives every entry instead of the log file while installed; returns
    // the sink it replaces. An empty sink restores the file.
    using Sink = std::function<void(const std::string& text, int level)>;
    static Sink SetSink(Sink sink);

    // The file entries go to when no sink is installed.
    static std::string LogFilePath();
};
