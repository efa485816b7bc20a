#include "BenchConfiguration.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <pugixml.hpp>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <iomanip>

#include "platform/Diagnostics.h"
#include "platform/MessageBox.h"
#include "sensors/AuxiliarySensors.h"
#include "sensors/ConductivitySensor.h"
#include "sensors/OpticalSensors.h"
#include "sensors/PressureSensors.h"
#include "sensors/TemperatureSensors.h"

extern char** environ;

namespace tw_bench {

namespace {

template <class Sensor>
Sensor* Calibrated(CSensor* sensor, const char* serialNumber, const char* date) {
    auto* typed = dynamic_cast<Sensor*>(sensor);
    if (!typed) {
        std::fprintf(stderr, "unexpected sensor class for %s\n", serialNumber);
        std::abort();
    }
    typed->SetSerialNum(serialNumber);
    typed->SetCalDate(date);
    return typed;
}

void CalibrateFixedSensors(C64V2VantrelCTD& ctd) {
    auto* temperature =
        Calibrated<CTempVantrelPlusSensor>(&ctd.GetSensor(0), "T-5830", "03-Feb-26");
    temperature->SetA0(1.2468e-3);
    temperature->SetA1(2.6383e-4);
    temperature->SetA2(-1.1021e-7);
    temperature->SetA3(1.5672e-7);
    temperature->SetSlope(1.00002);
    temperature->SetOffset(-1.8e-4);

    auto* conductivity = Calibrated<CCondSensor>(&ctd.GetSensor(1), "C-4417", "03-Feb-26");
    conductivity->SetG(-1.0122e1);
    conductivity->SetH(1.5297);
    conductivity->SetI(-2.4906e-3);
    conductivity->SetJ(2.7411e-4);
    conductivity->SetSlope(0.99987);
    conductivity->SetOffset(1.2e-4);

    auto* pressure = Calibrated<CPressureDruckSensor>(&ctd.GetSensor(2), "P-1176204", "20-Jan-26");
    pressure->SetPA0(1.8862e-1);
    pressure->SetPA1(1.4871e-3);
    pressure->SetPA2(7.2155e-12);
    pressure->SetPTEMPA0(-5.9014e1);
    pressure->SetPTEMPA1(5.2216e1);
    pressure->SetPTEMPA2(-2.1033e-1);
    pressure->SetPTCA0(5.1192e5);
    pressure->SetPTCA1(1.0736e1);
    pressure->SetPTCA2(-1.4429e-1);
    pressure->SetPTCB0(2.4901e1);
    pressure->SetPTCB1(-2.75e-4);
    pressure->SetPTCB2(0.0);
    pressure->SetOffset(-0.35);
}

void FitVoltageSensors(C64V2VantrelCTD& ctd) {
    ctd.SetNumVoltAdd(6);
    auto* altimeter = Calibrated<CAltimeterSensor>(new CAltimeterSensor, "A-71124", "11-Dec-25");
    altimeter->SetScaleFactor(15.0);
    altimeter->SetOffset(0.02);
    ctd.ReplaceSensor(3, altimeter);

    auto* ph = Calibrated<CpH_Sensor>(new CpH_Sensor, "PH-0931", "08-Jan-26");
    ph->SetSlope(4.6131);
    ph->SetOffset(2.4987);
    ctd.ReplaceSensor(4, ph);

    auto* par =
        Calibrated<CPAR_BiosphericalSensor>(new CPAR_BiosphericalSensor, "PAR-70551", "29-Oct-25");
    par->SetM(0.52473);
    par->SetB(1.31109);
    par->SetCalibrationConstant(1.6835e10);
    par->SetMultiplier(1.0);
    par->SetOffset(-0.0412);
    ctd.ReplaceSensor(5, par);

    auto* orp =
        Calibrated<COxidationRedPotSensor>(new COxidationRedPotSensor, "ORP-2210", "15-Nov-25");
    orp->SetM(1250.0);
    orp->SetB(-1250.0);
    orp->SetOffset(3.5);
    ctd.ReplaceSensor(6, orp);

    auto* poly = Calibrated<CUserPolySensor>(new CUserPolySensor, "UP-18", "01-Mar-26");
    poly->SetActualName("Hydrocarbon fluorescence");
    poly->SetA0(-0.0421);
    poly->SetA1(12.377);
    poly->SetA2(0.0318);
    poly->SetA3(-1.2e-4);
    ctd.ReplaceSensor(7, poly);

    auto* ntu = dynamic_cast<CLinearSensor*>(CreateSensorObject(67));
    Calibrated<CLinearSensor>(ntu, "NTU-3904", "19-Dec-25");
    ntu->SetFirstCoefficient(2.4371);
    ntu->SetSecondCoefficient(0.0617);
    ctd.ReplaceSensor(8, ntu);
}

void FitSerialAndSurfaceSensors(C64V2VantrelCTD& ctd) {
    ctd.SetSerialSensor(CVantrelCTD::WETLABS_SERIAL_SEAOWL);
    const char* const serialNumbers[] = {"OWL-CHL-127", "OWL-BB-127", "OWL-FDOM-127"};
    const double scales[] = {0.0121, 1.6843e-6, 0.0926};
    const double darks[] = {48.0, 47.0, 50.0};
    for (int i = 0; i < 3; ++i) {
        auto* owl = Calibrated<CLinearSensor>(&ctd.GetSensor(9 + i), serialNumbers[i], "12-Feb-26");
        owl->SetFirstCoefficient(scales[i]);
        owl->SetSecondCoefficient(darks[i]);
    }
    ctd.SetbSPAR_Added(1);
    auto* spar = Calibrated<CSPAR_Sensor>(&ctd.GetSensor(ctd.GetNumChannel() - 1), "SPAR-20877",
                                          "30-Sep-25");
    spar->SetConversionFactor(1563.8);
    spar->SetRatioMultiplier(0.3557);
}

}  // namespace

std::unique_ptr<C64V2VantrelCTD> MakeFullConfiguration() {
    auto ctd = std::make_unique<C64V2VantrelCTD>();
    ctd->SetSerialNum("0911482");
    CalibrateFixedSensors(*ctd);
    FitVoltageSensors(*ctd);
    FitSerialAndSurfaceSensors(*ctd);
    ctd->SetnScansToAvg(4);
    ctd->SetbNMEA_Added(1);
    ctd->SetbDepthAdded(1);
    ctd->SetbNMEA_TimeAdded(1);
    ctd->SetScanTimeAdded(1);
    if (ctd->GetNumChannel() != 14) {
        std::fprintf(stderr, "the full configuration has %d channels, not 14\n",
                     ctd->GetNumChannel());
        std::abort();
    }
    return ctd;
}

void QuietLibrary() {
    s_bErrorToConsole = false;
    SetMessageBoxHandler([](const char*, const char*, unsigned) { return IDOK; });
    CDiagnostics::SetSink([](const std::string&, int) {});
}

void LoadWithPugixml(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        pugi::xml_document doc;
        if (!doc.load_file(path.c_str())) {
            state.SkipWithError("load_file failed");
            break;
        }
        benchmark::DoNotOptimize(doc);
    }
}

CScratchFolder::CScratchFolder() {
    const char* tmp = std::getenv("TMPDIR");
    const char* parent = tmp && *tmp                            ? tmp
                         : access("/dev/shm", W_OK | X_OK) == 0 ? "/dev/shm"
                                                                : "/tmp";
    std::string pattern = std::string(parent) + "/tw-bench-XXXXXX";
    if (!mkdtemp(pattern.data())) {
        std::perror("mkdtemp");
        std::abort();
    }
    m_path = pattern;
}

CScratchFolder::~CScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(m_path, ignored);
}

CRatioReporter::CRatioReporter(std::vector<SRatio> ratios)
    : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_ColorTabular : OO_Tabular),
      m_ratios(std::move(ratios)) {}

void CRatioReporter::ReportRuns(const std::vector<Run>& runs) {
    for (const Run& run : runs) {
        if (run.error_occurred) {
            continue;
        }
        const double unit = benchmark::GetTimeUnitMultiplier(run.time_unit);
        const STimes times{run.GetAdjustedRealTime() / unit, run.GetAdjustedCPUTime() / unit};
        if (run.run_type == Run::RT_Iteration) {
            m_seconds[run.run_name.function_name].push_back(times);
        } else if (run.aggregate_name == "median") {
            m_medians[run.run_name.function_name] = times;
        }
    }
    ConsoleReporter::ReportRuns(runs);
}

CRatioReporter::STimes CRatioReporter::Seconds(const std::string& name) const {
    if (const auto median = m_medians.find(name); median != m_medians.end()) {
        return median->second;
    }
    const auto found = m_seconds.find(name);
    if (found == m_seconds.end() || found->second.empty()) {
        return {};
    }
    const auto medianOf = [&](double STimes::*member) {
        std::vector<double> values;
        for (const STimes& times : found->second) {
            values.push_back(times.*member);
        }
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {medianOf(&STimes::real), medianOf(&STimes::cpu)};
}

void CRatioReporter::Finalize() {
    std::ostream& out = GetOutputStream();
    out << "\nRatios (time per iteration / baseline, both from this run):\n";
    out << "  " << std::left << std::setw(52) << "" << std::right << std::setw(10) << "real"
        << std::setw(10) << "cpu"
        << "\n";
    for (const SRatio& ratio : m_ratios) {
        const STimes measured = Seconds(ratio.measurement);
        const STimes baseline = Seconds(ratio.baseline);
        out << "  " << std::left << std::setw(52) << (ratio.measurement + " / " + ratio.baseline)
            << std::right;
        if (measured.real <= 0.0 || baseline.real <= 0.0) {
            out << "   (not run)\n";
            continue;
        }
        out << std::setprecision(3) << std::setw(10) << measured.real / baseline.real;
        if (ratio.cpu && baseline.cpu > 0.0) {
            out << std::setw(10) << measured.cpu / baseline.cpu;
        }
        out << "\n";
    }
    ConsoleReporter::Finalize();
}

int RunWithRatios(int argc, char** argv, std::vector<CRatioReporter::SRatio> ratios) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    CRatioReporter reporter(std::move(ratios));
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();
    return 0;
}

SToolRun RunTool(const std::vector<std::string>& arguments, EMeasure measure) {
    const bool memory = measure == EMeasure::timeAndMemory;
    std::vector<std::string> words = {TW_CONFIGCTD_TOOL};
    if (memory) {
        words.insert(words.begin(), TW_MEASURED_RUN);
    }
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    SToolRun run;
    int report[2] = {-1, -1};
    if (memory && ::pipe(report) != 0) {
        return run;
    }
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    if (memory) {
        // The read end first: it may be descriptor 3 itself.
        posix_spawn_file_actions_addclose(&actions, report[0]);
        posix_spawn_file_actions_adddup2(&actions, report[1], 3);
    }
    const auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    const int started = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    char text[64] = "";
    ssize_t length = 0;
    if (memory) {
        ::close(report[1]);
        length = started == 0 ? ::read(report[0], text, sizeof text - 1) : -1;
        ::close(report[0]);
    }
    int status = 0;
    if (started != 0 || ::waitpid(child, &status, 0) != child || length < 0) {
        return run;
    }
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!memory) {
        run.exited = WIFEXITED(status);
        run.status = run.exited ? WEXITSTATUS(status) : -1;
        return run;
    }
    text[length] = '\0';
    long peakKiB = 0;
    if (length == 0 || std::sscanf(text, "%d %ld", &run.status, &peakKiB) != 2) {
        return run;
    }
    run.exited = run.status >= 0;
    run.peakMiB = static_cast<double>(peakKiB) / 1024.0;
    return run;
}

void PrintBound(const std::string& what, double value, double bound, const char* unit) {
    std::printf("  %-52s %10.2f %s (bound %g %s) %s\n", what.c_str(), value, unit, bound, unit,
                value <= bound ? "within" : "OVER");
}

}  // namespace tw_bench
