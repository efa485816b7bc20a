#include "python/PythonValues.h"

#include <cstring>

namespace {

PyObject* s_readError = nullptr;
PyObject* s_refusedError = nullptr;

constexpr const char* kReadErrorDoc =
    "A file that could not be read as a configuration (a subclass of ValueError).\n\n"
    "str(error) is the reason `tw-configctd validate` gives after \"error: \".\n"
    "Attributes: filename, and line and column (from 1) where the reason has a\n"
    "position in the file, else None.";
constexpr const char* kRefusedErrorDoc =
    "A change that was refused (a subclass of ValueError): an unknown name, a\n"
    "value the model does not take, a text outside Latin-1 or with control\n"
    "characters. str(error) is the reason `tw-configctd set` gives; nothing was\n"
    "changed.";

py::object OptionalInt(int value) {
    return value > 0 ? py::object(py::int_(value)) : py::object(py::none());
}

}  // namespace

py::object ToPython(const nlohmann::ordered_json& value) {
    switch (value.type()) {
        case nlohmann::ordered_json::value_t::object: {
            py::dict dict;
            for (const auto& [key, item] : value.items()) {
                dict[py::str(key)] = ToPython(item);
            }
            return dict;
        }
        case nlohmann::ordered_json::value_t::array: {
            py::list list;
            for (const auto& item : value) {
                list.append(ToPython(item));
            }
            return list;
        }
        case nlohmann::ordered_json::value_t::string:
            return py::str(value.get_ref<const std::string&>());
        case nlohmann::ordered_json::value_t::boolean:
            return py::bool_(value.get<bool>());
        case nlohmann::ordered_json::value_t::number_integer:
            return py::int_(value.get<long long>());
        case nlohmann::ordered_json::value_t::number_unsigned:
            return py::int_(value.get<unsigned long long>());
        case nlohmann::ordered_json::value_t::number_float:
            return py::float_(value.get<double>());
        default:
            return py::none();
    }
}

py::str Latin1Str(const std::string& bytes) {
    PyObject* text =
        PyUnicode_DecodeLatin1(bytes.data(), static_cast<Py_ssize_t>(bytes.size()), nullptr);
    if (!text) {
        throw py::error_already_set();
    }
    return py::reinterpret_steal<py::str>(text);
}

std::string ValueText(const std::string& name, const py::handle& value) {
    if (py::isinstance<py::bool_>(value)) {
        return value.cast<bool>() ? "1" : "0";
    }
    if (py::isinstance<py::int_>(value)) {
        return py::str(value).cast<std::string>();
    }
    if (py::isinstance<py::float_>(value)) {
        return py::repr(value).cast<std::string>();
    }
    if (!py::isinstance<py::str>(value)) {
        throw py::type_error(name + ": a value is a str, int, float or bool, not " +
                             py::str(value.get_type().attr("__name__")).cast<std::string>());
    }
    PyObject* bytes = PyUnicode_AsLatin1String(value.ptr());
    if (!bytes) {
        PyErr_Clear();
        ThrowRefused(name + ": " + py::repr(value).cast<std::string>() +
                     " holds characters outside Latin-1, which a configuration cannot hold");
    }
    const std::string text(PyBytes_AS_STRING(bytes),
                           static_cast<std::size_t>(PyBytes_GET_SIZE(bytes)));
    Py_DECREF(bytes);
    return text;
}

std::string PathBytes(const py::handle& path) {
    // Looked up once: every read and write passes here.
    static const py::handle fsencode =
        py::object(py::module_::import("os").attr("fsencode")).release();
    const py::bytes bytes = fsencode(path);
    return bytes.cast<std::string>();
}

void DefineErrors(py::module_& module) {
    s_readError = PyErr_NewExceptionWithDoc("tw_configctd.ReadError", kReadErrorDoc,
                                            PyExc_ValueError, nullptr);
    s_refusedError = PyErr_NewExceptionWithDoc("tw_configctd.RefusedError", kRefusedErrorDoc,
                                               PyExc_ValueError, nullptr);
    if (!s_readError || !s_refusedError) {
        throw py::error_already_set();
    }
    module.add_object("ReadError", py::handle(s_readError));
    module.add_object("RefusedError", py::handle(s_refusedError));
}

void ThrowReadError(const std::string& message, const std::string& path, int line, int column) {
    py::object error = py::handle(s_readError)(Latin1Str(message));
    error.attr("filename") = py::module_::import("os").attr("fsdecode")(py::bytes(path));
    error.attr("line") = OptionalInt(line);
    error.attr("column") = OptionalInt(column);
    PyErr_SetObject(s_readError, error.ptr());
    throw py::error_already_set();
}

void ThrowRefused(const std::string& message) {
    PyErr_SetObject(s_refusedError, Latin1Str(message).ptr());
    throw py::error_already_set();
}

void ThrowOSError(int error, const std::string& message, const std::string& path) {
    if (error == 0) {
        PyErr_SetObject(PyExc_OSError, Latin1Str(message).ptr());
    } else {
        const py::tuple args = py::make_tuple(
            error, message, py::module_::import("os").attr("fsdecode")(py::bytes(path)));
        PyErr_SetObject(PyExc_OSError, args.ptr());
    }
    throw py::error_already_set();
}
