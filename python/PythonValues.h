#pragma once
// Between the library's values and Python's: JSON values as Python objects,
// the configuration's Latin-1 bytes as str, paths, and the module's errors.

#include <pybind11/pybind11.h>

#include <nlohmann/json.hpp>
#include <string>

namespace py = pybind11;

// dict, list, str, int, float, bool or None for the JSON value.
py::object ToPython(const nlohmann::ordered_json& value);

// Latin-1 bytes as str, each byte one character.
py::str Latin1Str(const std::string& bytes);

// The text a value of set() stands for, in Latin-1 bytes: a str as it is, a
// bool as 1 or 0, an int in decimal, a float as repr() shows it. Raises
// RefusedError for characters outside Latin-1 and TypeError for other types.
std::string ValueText(const std::string& name, const py::handle& value);

// A str, bytes or os.PathLike as the file system's bytes.
std::string PathBytes(const py::handle& path);

// The exception classes, made once when the module is imported.
void DefineErrors(py::module_& module);

// Raise ReadError, RefusedError, or OSError with the given message.
[[noreturn]] void ThrowReadError(const std::string& message, const std::string& path, int line,
                                 int column);
[[noreturn]] void ThrowRefused(const std::string& message);
[[noreturn]] void ThrowOSError(int error, const std::string& message, const std::string& path);
