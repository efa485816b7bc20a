#pragma once
// The dissolved-oxygen sensor TDW 41 in its voltage form (41) and its two
// frequency forms (41F, 41I). All three hold one coefficient model: a set for
// the Owens-Millard equation and a set for the Tidewren equation used for
// calibrations from 2007 on, with a flag that says which set is in use. Both
// sets are always held, stored and compared; the flag chooses the set that
// the report shows.

#include "core/CoeffSensor.h"

// The coefficients, element and report of the family; made only as one of
// the three sensor classes.
class COxTDW_Base : public CSensor {
    DECLARE_DYNAMIC(COxTDW_Base)
    // Owens-Millard equation.
    TW_SENSOR_VALUE(double, Soc, 0.0)
    TW_SENSOR_VALUE(double, Boc, 0.0)
    TW_SENSOR_VALUE(double, Offset, 0.0)
    TW_SENSOR_VALUE(double, Tcor, 0.0)
    TW_SENSOR_VALUE(double, Pcor, 0.0)
    TW_SENSOR_VALUE(double, Tau, 0.0)
    // Nonzero: the Tidewren set is in use; 0: the Owens-Millard set.
    TW_SENSOR_VALUE(int, Use2007Equations, 1)
    // Tidewren equation.
    TW_SENSOR_VALUE(double, Soc2007, 0.0)
    TW_SENSOR_VALUE(double, Voffset2007, 0.0)
    TW_SENSOR_VALUE(double, A, 0.0)
    TW_SENSOR_VALUE(double, B, 0.0)
    TW_SENSOR_VALUE(double, C, 0.0)
    TW_SENSOR_VALUE(double, D1, 0.000192634)
    TW_SENSOR_VALUE(double, D2, -0.0464803)
    TW_SENSOR_VALUE(double, E, 0.0)
    TW_SENSOR_VALUE(double, Tau20, 2.0)
    TW_SENSOR_VALUE(double, H1, -0.033)
    TW_SENSOR_VALUE(double, H2, 5000.0)
    TW_SENSOR_VALUE(double, H3, 1450.0)
  public:
    // The Tidewren equation's D0 is the same for every sensor: each element
    // carries it for the programs that convert data, and it is never read.
    static constexpr double kD0 = 2.5826;

    bool operator==(const COxTDW_Base&) const = default;

    // Reads the element into this object itself, not through a fresh one;
    // E_WRONG_OBJECT for an element of another sensor ID.
    long _ReadXML_(TDWXML::CInputNode* node);

    // "Equation" names the set in use, whose coefficients follow.
    static void ReportOwn(std::ostream& os, int indent, const COxTDW_Base& self);

    TW_DECLARE_SENSOR_FIELDS(COxTDW_Base)
};

// What the three sensor classes share: the family's element and report, and
// a read that takes the element only when _ReadXML_ read all of it into a
// fresh sensor.
template <class Derived>
class COxTDW_Kind : public CCoeffSensor<Derived, COxTDW_Base> {
  public:
    using COxTDW_Base::FieldTable;
    using COxTDW_Base::ReportOwn;

    long ReadXML(TDWXML::CInputNode* node) override {
        Derived fresh;
        const long status = fresh._ReadXML_(node);
        if (status == TDWXML::S_OK_XML) {
            static_cast<Derived&>(*this) = fresh;
        }
        return status;
    }

    bool operator==(const COxTDW_Kind&) const = default;
};

// A sensor of one kind never equals one of another, whatever its values:
// SensorObjectsEqual refuses sensors of different classes.
class COxTDW_Sensor : public COxTDW_Kind<COxTDW_Sensor> {
    DECLARE_DYNCREATE(COxTDW_Sensor)
  public:
    static constexpr int kSensorID = SID_OXYGEN_TDW41;
    bool operator==(const COxTDW_Sensor&) const = default;
};

class COxTDW_F_Sensor : public COxTDW_Kind<COxTDW_F_Sensor> {
    DECLARE_DYNCREATE(COxTDW_F_Sensor)
  public:
    static constexpr int kSensorID = SID_OXYGEN_TDW41F;
    bool operator==(const COxTDW_F_Sensor&) const = default;
};

class COxTDW_I_Sensor : public COxTDW_Kind<COxTDW_I_Sensor> {
    DECLARE_DYNCREATE(COxTDW_I_Sensor)
  public:
    static constexpr int kSensorID = SID_OXYGEN_TDW41I;
    bool operator==(const COxTDW_I_Sensor&) const = default;
};
