// The archive form of a sensor array.

#include "core/SensorArrayArchive.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

std::string Stored(CSensorArray& sensors) {
    std::stringstream stream;
    CArchive archive(stream, CArchive::store);
    Serialize(archive, sensors);
    return stream.str();
}

// Loads the bytes into the array; the exception's cause, or -1 when none.
int Load(const std::string& bytes, CSensorArray& sensors) {
    std::stringstream stream(bytes);
    CArchive archive(stream, CArchive::load);
    try {
        Serialize(archive, sensors);
    } catch (const CArchiveException& e) {
        return e.m_cause;
    }
    return -1;
}

std::string Int32(std::int32_t value) {
    std::string bytes(4, '\0');
    for (int i = 0; i < 4; ++i) {
        bytes[static_cast<std::size_t>(i)] = static_cast<char>((value >> (8 * i)) & 0xFF);
    }
    return bytes;
}

}  // namespace

// The count and the IDs, little-endian; loading replaces what the array held
// by default sensors of the same IDs.
TEST(SensorArrayArchive, StoresTheIDsAndLoadsDefaultSensors) {
    CSensorArray empty;
    EXPECT_EQ(Stored(empty), Int32(0));

    CSensorArray sensors;
    for (int id : {3, 55, 45}) {
        sensors.Add(CreateSensorObject(id));
    }
    sensors.GetAt(0)->SetSerialNum("not archived");
    const std::string bytes = Stored(sensors);
    EXPECT_EQ(bytes, Int32(3) + Int32(3) + Int32(55) + Int32(45));

    CSensorArray loaded;
    loaded.Add(CreateSensorObject(0));
    EXPECT_EQ(Load(bytes, loaded), -1);
    ASSERT_EQ(loaded.GetSize(), 3);
    for (int i = 0; i < 3; ++i) {
        const std::unique_ptr<CSensor> fresh(CreateSensorObject(sensors.GetAt(i)->GetSensorID()));
        EXPECT_EQ(SensorObjectsEqual(loaded.GetAt(i), fresh.get()), 1);
    }
    Empty(sensors);
    Empty(loaded);
}

// An unknown ID stops with the bad-format cause, a short archive with
// end-of-file; the sensors loaded before stay (and are freed by the owner).
TEST(SensorArrayArchive, BadArchivesRaiseAndKeepWhatWasLoaded) {
    CSensorArray loaded;
    EXPECT_EQ(Load(Int32(3) + Int32(3) + Int32(26), loaded), CArchiveException::badSchema);
    EXPECT_EQ(loaded.GetSize(), 1);
    EXPECT_EQ(Load(Int32(2000000000) + Int32(55), loaded), CArchiveException::endOfFile);
    EXPECT_EQ(loaded.GetSize(), 1);
    EXPECT_EQ(Load(Int32(1) + std::string(2, '\0'), loaded), CArchiveException::endOfFile);
    EXPECT_EQ(loaded.GetSize(), 0);
    Empty(loaded);

    CSensorArray sensors;
    std::stringstream stream;
    CArchive loading(stream, CArchive::load);
    EXPECT_THROW(Serialize(loading, sensors), CArchiveException);
}
