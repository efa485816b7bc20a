// tw_configctd: the library's configurations in Python. Every value, name,
// refusal and byte written comes from the library itself (access/), as the
// tool's do; this file only carries them between C++ and Python.

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include <cassert>
#include <cerrno>
#include <cstring>
#include <memory>
#include <optional>
#include <sstream>

#include "access/ConfigItems.h"
#include "access/Differences.h"
#include "access/ItemChanges.h"
#include "access/Listings.h"
#include "access/LoadedConfig.h"
#include "core/Catalogue.h"
#include "platform/ReadNotes.h"
#include "python/PythonValues.h"

namespace {

constexpr const char* kModuleDoc = R"(CTD instrument configurations (.xmlcon and .con) in Python.

The same library as the tw-configctd tool: a configuration read here holds
exactly what `tw-configctd info --json` shows, takes the changes `set` takes,
and is written to the same bytes as `convert`.

    import tw_configctd
    cfg = tw_configctd.read("cast01.xmlcon")
    cfg.channels[1]["coefficients"]["G"]
    cfg.set("settings.ScansToAverage", 4)
    cfg.write("cast02.xmlcon")
    tw_configctd.diff("cast01.xmlcon", "cast02.xmlcon")

Texts are the configuration's Latin-1 as str. Files are read and written with
the GIL released, so threads may read different files at once.)";

// A configuration and the file it was read from.
class CConfiguration {
  public:
    CConfiguration(std::unique_ptr<CCTD> ctd, std::string source)
        : m_ctd(std::move(ctd)), m_source(std::move(source)) {}

    CCTD& Ctd() const { return *m_ctd; }
    const std::string& Source() const { return m_source; }

    // What info --json prints, built when first asked for.
    const nlohmann::ordered_json& Json() const {
        if (!m_json) {
            m_json = CConfigItems(*m_ctd).ToJson(*m_ctd);
        }
        return *m_json;
    }
    py::object Item(const char* key) const { return ToPython(Json()[key]); }

    void Replace(std::unique_ptr<CCTD> ctd) {
        m_ctd = std::move(ctd);
        m_json.reset();
    }

    std::unique_ptr<CConfiguration> Copy() const {
        return std::make_unique<CConfiguration>(std::unique_ptr<CCTD>(m_ctd->Clone()), m_source);
    }

  private:
    std::unique_ptr<CCTD> m_ctd;
    std::string m_source;
    mutable std::optional<nlohmann::ordered_json> m_json;
};

std::unique_ptr<CConfiguration> Read(const py::handle& path) {
    const std::string file = PathBytes(path);
    SLoadResult loaded;
    {
        py::gil_scoped_release unlocked;
        loaded = LoadConfiguration(file);
    }
    if (!loaded.ctd) {
        const SIOResult& why = loaded.result;
        if (why.sysError == ENOENT) {
            ThrowOSError(ENOENT, std::strerror(ENOENT), file);
        }
        ThrowReadError(AtPlace(why.path, why.message), file, why.line, why.column);
    }
    return std::make_unique<CConfiguration>(std::move(loaded.ctd), file);
}

// A Configuration as it is, or the file a path names, read.
std::unique_ptr<CConfiguration> Given(const py::handle& configurationOrPath) {
    if (py::isinstance<CConfiguration>(configurationOrPath)) {
        return configurationOrPath.cast<const CConfiguration&>().Copy();
    }
    return Read(configurationOrPath);
}

void Write(const CConfiguration& configuration, const py::handle& path, bool force) {
    const std::string file = PathBytes(path);
    SIOResult result;
    {
        py::gil_scoped_release unlocked;
        result = SaveConfiguration(file, configuration.Ctd(), force);
    }
    if (!result) {
        // With the system's code, OSError names the file itself.
        ThrowOSError(result.sysError, result.sysError ? result.message : Located(file, "", result),
                     file);
    }
}

void Set(CConfiguration& configuration, const py::handle& name, const py::handle& value) {
    if (!py::isinstance<py::str>(name)) {
        throw py::type_error("a name is a str, as info --json shows it");
    }
    const std::string nameText = ValueText(name.cast<std::string>(), name);
    SChangeResult changed =
        ApplyChanges(configuration.Ctd(), {{nameText, ValueText(nameText, value)}});
    if (!changed.ctd) {
        ThrowRefused(changed.reason);
    }
    configuration.Replace(std::move(changed.ctd));
}

std::string Report(const CConfiguration& configuration) {
    std::ostringstream report;
    configuration.Ctd().Report(report, configuration.Source().c_str(), 0);
    return report.str();
}

std::unique_ptr<CConfiguration> New(const py::handle& model) {
    std::string name;
    if (py::isinstance<py::int_>(model) && !py::isinstance<py::bool_>(model)) {
        name = py::str(model).cast<std::string>();
    } else if (py::isinstance<py::str>(model)) {
        name = ValueText("model", model);
    } else {
        throw py::type_error("a model is a CTD ID (int) or a model name (str)");
    }
    const int ctdID = ParseModel(name);
    if (ctdID < 0) {
        throw py::value_error("'" + name + "' names no instrument model");
    }
    // ParseModel names only catalogue rows, and the factory builds each.
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    assert(ctd);
    return std::make_unique<CConfiguration>(std::move(ctd), std::string());
}

py::list Instruments() {
    py::list rows;
    for (const SInstrumentRow& row : InstrumentRows()) {
        py::dict d;
        d["id"] = row.id;
        d["name"] = Latin1Str(row.name);
        d["frequency_channels_max"] = row.frequencyChannelsMax;
        d["voltage_channels_max"] = row.voltageChannelsMax;
        d["channels_locked"] = row.channelsLocked;
        d["channels_min"] = row.channelsMin;
        d["channels_max"] = row.channelsMax;
        d["fixed_sensors"] = row.fixedSensors;
        rows.append(d);
    }
    return rows;
}

py::list Sensors() {
    py::list rows;
    for (const SSensorRow& row : SensorRows()) {
        py::dict d;
        d["id"] = row.id;
        d["name"] = Latin1Str(row.name);
        d["output_type"] = row.outputType;
        d["calibratable"] = row.calibratable;
        d["xml_element"] = Latin1Str(row.xmlElement);
        d["max_per_configuration"] = row.maxPerConfiguration;
        rows.append(d);
    }
    return rows;
}

std::string Describe(const CConfiguration& configuration) {
    std::string text = "<tw_configctd.Configuration " + configuration.Ctd().GetCTD_Name().str();
    if (!configuration.Source().empty()) {
        text += " read from " + configuration.Source();
    }
    return text + ">";
}

}  // namespace

PYBIND11_MODULE(tw_configctd, module) {
    module.doc() = kModuleDoc;
    module.attr("__version__") = TW_CONFIGCTD_VERSION;
    DefineErrors(module);

    py::class_<CConfiguration>(module, "Configuration",
                               "One instrument configuration: its model, settings and channels.\n\n"
                               "Made by read() or new(); changed only by set().")
        .def_property_readonly(
            "model", [](const CConfiguration& c) { return c.Item("model"); },
            "The model's name, as the catalogue gives it.")
        .def_property_readonly(
            "ctd_id", [](const CConfiguration& c) { return c.Item("ctd_id"); },
            "The model's CTD ID (int).")
        .def_property_readonly(
            "settings", [](const CConfiguration& c) { return c.Item("settings"); },
            "The model's settings by name (a new dict on each access; change them with set()).")
        .def_property_readonly(
            "channels", [](const CConfiguration& c) { return c.Item("channels"); },
            "One dict per channel in scan order: number (from 1), label, sensor_id, sensor,\n"
            "serial_number, calibration_date and coefficients (a dict by name).")
        .def(
            "to_dict", [](const CConfiguration& c) { return ToPython(c.Json()); },
            "Everything the configuration holds, equal to json.loads() of\n"
            "`tw-configctd info --json`; a non-finite number is None.")
        .def("set", &Set, py::arg("name"), py::arg("value"),
             "Change one setting or coefficient by the name to_dict() shows it by:\n"
             "'settings.NAME', 'channels.N.serial_number', 'channels.N.calibration_date',\n"
             "'channels.N.coefficients.NAME' (N counts from 0). The value is a str, int,\n"
             "float or bool. The model checks it as it checks a file; a refusal raises\n"
             "RefusedError with the reason `tw-configctd set` gives and changes nothing.")
        .def("write", &Write, py::arg("path"), py::kw_only(), py::arg("force") = false,
             "Write to path: the legacy .con format for a path ending in .con, else\n"
             ".xmlcon; the same bytes as `tw-configctd convert`. An existing file is\n"
             "replaced whole or not at all; a write-protected one only with force=True.\n"
             "Raises OSError with the reason when the file cannot be written.")
        .def(
            "report", [](const CConfiguration& c) { return Latin1Str(Report(c)); },
            "The configuration report, as `tw-configctd report FILE -o -` prints it for\n"
            "the file this configuration was read from (SOURCE_DATE_EPOCH respected).")
        .def("copy", &CConfiguration::Copy, "An independent copy.")
        .def("__copy__", &CConfiguration::Copy)
        .def("__deepcopy__", [](const CConfiguration& c, const py::object&) { return c.Copy(); })
        .def(
            "__eq__",
            [](const CConfiguration& a, const CConfiguration& b) {
                return ConfigurationsEqual(a.Ctd(), b.Ctd());
            },
            "The same model with the same settings, sensors and coefficients.")
        .def("__repr__", [](const CConfiguration& c) { return Latin1Str(Describe(c)); });

    module.def("read", &Read, py::arg("path"),
               "Read an .xmlcon or .con file as `tw-configctd` does.\n\n"
               "Raises FileNotFoundError for a missing file, else ReadError with the reason\n"
               "`tw-configctd validate` gives.");
    module.def("new", &New, py::arg("model"),
               "The default configuration of a model, given by CTD ID or by name (any case);\n"
               "written, the same bytes as `tw-configctd new`. ValueError for no such model.");
    module.def(
        "diff",
        [](const py::handle& a, const py::handle& b) {
            const std::unique_ptr<CConfiguration> first = Given(a);
            const std::unique_ptr<CConfiguration> second = Given(b);
            return ToPython(DifferencesJson(Differences(first->Ctd(), second->Ctd())));
        },
        py::arg("a"), py::arg("b"),
        "What differs between two configurations (Configuration objects or paths): a\n"
        "list of dicts {name, context, a, b}, the differences of\n"
        "`tw-configctd diff --json`; empty when they are equal.");
    module.def("instruments", &Instruments,
               "The instrument catalogue, one dict per model, with the columns of\n"
               "`tw-configctd list instruments`.");
    module.def("sensors", &Sensors,
               "The sensor registry, one dict per sensor type, with the columns of\n"
               "`tw-configctd list sensors`.");
}
