#include "xmlfiles/InstrumentReader.h"

#include <cassert>

namespace Config2004 {

namespace {

constinit InstrumentReader s_reader = nullptr;

}  // namespace

void SetInstrumentReader(InstrumentReader reader) {
    s_reader = reader;
}

std::unique_ptr<CCTD> ReadInstrument(const CString& path) {
    assert(s_reader);
    return s_reader ? s_reader(path) : nullptr;
}

}  // namespace Config2004
