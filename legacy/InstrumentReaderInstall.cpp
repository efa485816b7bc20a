// Sensor import (xmlfiles/InstrumentReader.h) reads whole configuration files
// with the configuration-file functions.

#include <memory>

#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/xml/FileImage.h"
#include "xmlfiles/InstrumentReader.h"

namespace {

std::unique_ptr<CCTD> ReadWithConFile(const CString& path) {
    // One read of the file for both steps, so that a pipe works too.
    const TDWXML::CFileReadScope oneRead;
    std::unique_ptr<CCTD> ctd(CreateCTDObject(ReadCTDID(path)));
    if (ctd && !ReadConFile(path, ctd.get())) {
        ctd.reset();
    }
    return ctd;
}

const bool kInstalled = (Config2004::SetInstrumentReader(&ReadWithConFile), true);

}  // namespace
