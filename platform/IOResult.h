#pragma once
// The outcome of reading or writing a file, as a value a host can inspect
// instead of the messages the library shows: whether it worked, the message
// the user is (or would be) shown, where in the input the trouble lies, the
// system's error code for a failed open or write, and the warnings of a read
// that succeeded. The tool, the desktop program and the Python module all
// explain failures from this record.

#include <string>
#include <utility>
#include <vector>

struct SIOResult {
    bool ok = true;
    // The one-line message for the user; empty when ok.
    std::string message;
    // Where in the input: a line and column from 1 (0 when none), and/or an
    // element path below the root ("Instrument/SensorArray/Sensor[3]").
    int line = 0;
    int column = 0;
    std::string path;
    // errno of a failed system call, 0 when the failure is not the system's.
    int sysError = 0;
    // What a successful read noticed but accepted.
    std::vector<std::string> warnings;

    explicit operator bool() const { return ok; }

    static SIOResult Failure(std::string message, int sysError = 0) {
        SIOResult result;
        result.ok = false;
        result.message = std::move(message);
        result.sysError = sysError;
        return result;
    }
};

// The reason of a failed read or write as one line after the file's name:
// "FILE:LINE:COLUMN: what", "FILE:LINE: what", "FILE: ELEMENT: what" or
// "FILE: what". The tool prints it, the desktop program shows it beneath its
// message, the Python module raises it.
inline std::string ReasonLine(const std::string& file, const SIOResult& result) {
    std::string text = file;
    if (result.line > 0) {
        text += ":" + std::to_string(result.line);
        if (result.column > 0) {
            text += ":" + std::to_string(result.column);
        }
    }
    text += ": ";
    if (!result.path.empty()) {
        text += result.path + ": ";
    }
    return text + result.message;
}
