#include "core/SensorArray.h"

#include <array>
#include <memory>

namespace {

// The class of each sensor ID; null where the ID has no class of its own.
constexpr std::array<const char*, NUM_SENSOR_IDS> kSensorClassNames = {
    "CAltimeterSensor",
    "CBottlesClosedSensor",
    "CBottomContactSensor",
    "CCondSensor",
    "CFluoroBiosphericalSensor",
    "CFluoroChelseaAqua3Sensor",
    "CFluoroChelseaMiniSensor",
    "CFluoroChelseaUV_AquaSensor",
    "CFluoroDrHaardtChloroSensor",
    "CFluoroDrHaardtPhycoSensor",
    "CFluoroDrHaardtYellowSensor",
    "CFluoroSeapointSensor",
    "CFluoroSeapointRhodaSensor",
    "CFluoroSeatechSensor",
    "CFluoroTurner10005Sensor",
    "CFluoroTurnerRangeSensor",
    "CFluoroTurner10Au005Sensor",
    "CFluoroTurnerSCUFA_Sensor",
    "CFluoroWetlabAC3Sensor",
    "CFluoroWetlabCDOM_Sensor",
    "CFluoroWetlabECO_AFL_Sensor",
    "CFluoroWetlabWetstarSensor",
    "CGTD_DO_Sensor",
    "CGTD_N2_Sensor",
    "CMethaneConcCAPSUM_Sensor",
    "CMethaneTempCAPSUM_Sensor",
    nullptr,  // 26: only the calibration dialogs use its class
    "CNullSensor",
    "COBS_BackscatteranceSensor",
    "COBS_ChelseaNepheloSensor",
    "COBS_DrHaardtTurbiditySensor",
    "COBS_IFREMER_DirectSensor",
    "COBS_IFREMER_MeasuredSensor",
    "COBS_SeapointTurbiditySensor",
    "COBS_SeatechLS6000Sensor",
    "COBS_TurnerSCUFA_Sensor",
    "COxCurrentBeckmanSensor",
    "COxCurrentIOW_Sensor",
    "COxTDW_Sensor",
    "COxTempBeckmanSensor",
    "COxTempIOW_Sensor",
    "COxidationRedPotSensor",
    "CPAR_BiosphericalSensor",
    "CpH_Sensor",
    "CPressureDigiquartzSensor",
    "CPressureDigiquartzTC_Sensor",
    "CPressureDruckSensor",
    "CPressureFGP_Sensor",
    "CPressureTDW58Sensor",
    "CPressureStrainGaugeSensor",
    "CSoundVelocitySensor",
    "CSPAR_Sensor",
    "CSuspSedScatterSensor",
    "CSuspSedTransSensor",
    "CTempNoCoeffSensor",
    "CTempTDW2Sensor",
    "CTempTDW83Sensor",
    "CTempTDW94Sensor",
    "CTempVantrelPlusSensor",
    "CTransChelseaSensor",
    "CTransWetlabAC3Sensor",
    "CUserPolySensor",
    "CZapsSensor",
    "COBS_DA_3plusSensor",
    "COxOptodeSensor",
    "COxTDW_F_Sensor",
    "COxTDW_I_Sensor",
    "CTurbidityWET_LabsECO_NTU_Sensor",
    "CFluoroTurnerCyclopsSensor",
    "CFluoroSeapointUltravioletSensor",
    "CTurbidityWET_LabsECO_BB_Sensor",
    "CTransWET_LabsCStarSensor",
    "COxTDW_68_Sensor",
    "CFluoroWET_LabsSeaOWL_CHL_Sensor",
    "CFluoroWET_LabsSeaOWL_FDOM_Sensor",
    "CTurbidityWET_LabsSeaOWL_BB_Sensor",
    "CPARLog_SatlanticSensor",
    "CpHInt_Sensor",
    "CpHExt_Sensor",
};

bool IsCopyableID(int sensorID) {
    return sensorID >= 0 && sensorID < NUM_SENSOR_IDS && sensorID != SID_NO_COEFFICIENT;
}

CSensor* NewOfSameClass(const CSensor& source) {
    return static_cast<CSensor*>(source.GetRuntimeClass()->CreateObject());
}

}  // namespace

CSensor* CreateSensorObject(int sensorID) {
    if (!IsCopyableID(sensorID)) {
        return nullptr;
    }
    const CRuntimeClass* record =
        CRuntimeClass::FromName(kSensorClassNames[static_cast<std::size_t>(sensorID)]);
    if (!record || !record->IsDerivedFrom(RUNTIME_CLASS(CSensor))) {
        return nullptr;
    }
    return static_cast<CSensor*>(record->CreateObject());
}

int CopySensorObject(CSensor* to, const CSensor* from) {
    if (!to || !from || to->GetRuntimeClass() != from->GetRuntimeClass() ||
        !IsCopyableID(from->GetSensorID())) {
        return 0;
    }
    to->AssignFrom(*from);
    return 1;
}

int SensorObjectsEqual(const CSensor* a, const CSensor* b) {
    if (!a || !b) {
        return a == b ? 1 : 0;
    }
    if (a->GetRuntimeClass() != b->GetRuntimeClass()) {
        return 0;
    }
    return a->IsEqualTo(*b) ? 1 : 0;
}

void Empty(CSensorArray& array) {
    for (int i = 0; i < array.GetSize(); ++i) {
        delete array.GetAt(i);
    }
    array.RemoveAll();
}

void Assign(CSensorArray& to, const CSensorArray& from) {
    if (&to == &from) {
        return;
    }
    Empty(to);
    to.SetSize(from.GetSize());
    for (int i = 0; i < from.GetSize(); ++i) {
        const CSensor* source = from.GetAt(i);
        if (!source) {
            continue;
        }
        std::unique_ptr<CSensor> copy(NewOfSameClass(*source));
        CopySensorObject(copy.get(), source);
        to.SetAt(i, copy.release());
    }
}

bool operator==(const CSensorArray& a, const CSensorArray& b) {
    if (a.GetSize() != b.GetSize()) {
        return false;
    }
    for (int i = 0; i < a.GetSize(); ++i) {
        if (!SensorObjectsEqual(a.GetAt(i), b.GetAt(i))) {
            return false;
        }
    }
    return true;
}
