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
    // The same with a system error code: "text (error N: description)", or
    // "text (no system error)" for code 0.
    static void LogError(const char* text, unsigned long errorCode, int level);

    // Receives every entry of the calling thread instead of the log file
    // while installed; returns the sink it replaces. An empty sink restores the file.
    using Sink = std::function<void(const std::string& text, int level)>;
    static Sink SetSink(Sink sink);

    // Writes an entry to the file whatever sink is installed, for a sink that
    // keeps the file as well.
    static void LogToFile(const std::string& text, int level);

    // The file entries go to when no sink is installed.
    static std::string LogFilePath();

    // Where the library is at work when an entry is logged, for example the
    // element of a document being read ("Instrument/SensorArray/Sensor[3]");
    // empty when nothing says. A reader installs its source for as long as it
    // works and puts the previous one back. File entries carry the place
    // after their text, as " [at PLACE]"; a sink asks for it while it runs.
    using PlaceSource = std::function<std::string()>;
    static PlaceSource SetPlaceSource(PlaceSource source);
    static std::string CurrentPlace();

    // What a reader notes for a program that explains reads to its user:
    // an item it looked for and did not find or could not take (a missing
    // element or attribute, a text that is not a number), and, at the end of
    // a document, an element it never looked at. Many items are optional, so
    // these notes are not entries of the log; they reach an installed
    // observer only. A model that refuses what it read (a count its sensor
    // array contradicts, a value beyond its limit) notes the item and why;
    // that note is the reason of the failed read, and it is logged too, at
    // the debug level.
    enum class ReadNote { missing, unread, refused };
    using ReadObserver =
        std::function<void(ReadNote kind, const std::string& place, const std::string& what)>;
    static ReadObserver SetReadObserver(ReadObserver observer);
    static bool WatchesReads();
    static void NoteRead(ReadNote kind, const std::string& place, const std::string& what);
    // A refusal: "PLACE: what" at the debug level, and the note.
    static void NoteRefused(const std::string& place, const std::string& what);
};
