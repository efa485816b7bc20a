#include "apps/cli/Commands.h"

#include <fstream>
#include <iostream>
#include <memory>
#include <nlohmann/json.hpp>

#include "apps/cli/LoadedConfig.h"
#include "core/Catalogue.h"
#include "core/SensorRegistry.h"

namespace {

int Fail(const std::string& file, const std::string& why) {
    std::cerr << "tw-configctd: " << file << ": " << why << '\n';
    return 1;
}

struct SChannel {
    int number;
    std::string label;
    int sensorID;
    std::string sensor;
    std::string serialNumber;
    std::string calibrationDate;
};

std::vector<SChannel> Channels(const CCTD& ctd) {
    const std::vector<CString> labels = ctd.ChannelLabels();
    std::vector<SChannel> channels;
    for (int i = 0; i < static_cast<int>(labels.size()); ++i) {
        const CSensor& sensor = ctd.GetSensor(i);
        channels.push_back({i + 1, labels[static_cast<std::size_t>(i)].str(), sensor.GetSensorID(),
                            ctd.SensorNameOrdinal(i).str(), sensor.GetSerialNum().str(),
                            sensor.GetCalDate().str()});
    }
    return channels;
}

}  // namespace

int RunReport(const std::string& file, const std::string& output) {
    SLoadResult loaded = LoadConfiguration(file);
    if (!loaded.ctd) {
        return Fail(file, loaded.error);
    }
    if (output.empty()) {
        loaded.ctd->Report(std::cout, file.c_str(), 0);
        return std::cout.flush() ? 0 : 1;
    }
    std::ofstream out(output, std::ios::binary);
    loaded.ctd->Report(out, file.c_str(), 0);
    out.close();
    return out ? 0 : Fail(output, "the report could not be written");
}

int RunInfo(const std::string& file, bool json) {
    SLoadResult loaded = LoadConfiguration(file);
    if (!loaded.ctd) {
        return Fail(file, loaded.error);
    }
    const CCTD& ctd = *loaded.ctd;
    const std::vector<SChannel> channels = Channels(ctd);
    if (json) {
        nlohmann::ordered_json doc;
        doc["model"] = ctd.GetCTD_Name().str();
        doc["ctd_id"] = ctd.GetCTD_ID();
        doc["scan_length"] = ctd.GetScanLen();
        doc["scan_interval"] = ctd.GetScanInterval();
        doc["channels"] = nlohmann::ordered_json::array();
        for (const SChannel& c : channels) {
            doc["channels"].push_back({{"number", c.number},
                                       {"label", c.label},
                                       {"sensor_id", c.sensorID},
                                       {"sensor", c.sensor},
                                       {"serial_number", c.serialNumber},
                                       {"calibration_date", c.calibrationDate}});
        }
        // Configuration text is bytes; show any that are not UTF-8 as U+FFFD.
        std::cout << doc.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << '\n';
        return 0;
    }
    std::cout << "Model: " << ctd.GetCTD_Name() << " (CTD ID " << ctd.GetCTD_ID() << ")\n"
              << "Scan length: " << ctd.GetScanLen() << '\n'
              << "Scan interval: " << ctd.GetScanInterval() << " s\n"
              << "Channels:\n";
    for (const SChannel& c : channels) {
        std::cout << c.number << '\t' << c.label << '\t' << c.sensorID << '\t' << c.sensor << '\t'
                  << c.serialNumber << '\t' << c.calibrationDate << '\n';
    }
    return 0;
}

int RunValidate(const std::vector<std::string>& files) {
    int status = 0;
    for (const std::string& file : files) {
        SLoadResult loaded = LoadConfiguration(file);
        if (loaded.ctd) {
            std::cout << file << ": ok (" << loaded.ctd->GetCTD_Name() << ")\n";
        } else {
            std::cout << file << ": error: " << loaded.error << '\n';
            status = 1;
        }
    }
    return status;
}

int RunConvert(const std::string& input, const std::string& output) {
    SLoadResult loaded = LoadConfiguration(input);
    if (!loaded.ctd) {
        return Fail(input, loaded.error);
    }
    const std::string error = SaveConfiguration(output, *loaded.ctd);
    return error.empty() ? 0 : Fail(output, error);
}

int RunNew(int ctdID, const std::string& output) {
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ctd) {
        return Fail(GetCTD_Data(ctdID)->name, "this model is not supported yet");
    }
    const std::string error = SaveConfiguration(output, *ctd);
    return error.empty() ? 0 : Fail(output, error);
}

int RunListInstruments() {
    for (int id = 0; id < NUM_CTD_IDS; ++id) {
        const SCTD_Data& row = *GetCTD_Data(id);
        std::cout << id << '\t' << row.name << '\t' << row.numFreqAddMax << '\t'
                  << row.numVoltAddMax << '\t' << row.numChannelLock << '\t' << row.numChannelMin
                  << '\t' << row.numChannelMax << '\t';
        for (int i = 0; i < row.numFixedSensors; ++i) {
            std::cout << (i ? "," : "") << row.fixedSensors[i];
        }
        std::cout << '\n';
    }
    return 0;
}

int RunListSensors() {
    for (int id = 0; id < NUM_SENSOR_IDS; ++id) {
        const SSensorData& row = *GetSensorData(id);
        std::cout << id << '\t' << row.name << '\t' << row.outputType << '\t'
                  << (row.calibratable ? 1 : 0) << '\t' << row.xmlTag << '\t'
                  << MaxSensorTypeAllowed(id) << '\n';
    }
    return 0;
}
