#pragma once
// A sensor import can take its sensor out of a whole configuration file. Such
// a file is read as the configuration controller reads one, with the
// configuration-file functions (legacy/ConFile.h); they build on this folder,
// so they hand their reader to it as the library loads
// (legacy/InstrumentReaderInstall.cpp).

#include <memory>

#include "core/CTD.h"
#include "platform/CString.h"

namespace Config2004 {

using InstrumentReader = std::unique_ptr<CCTD> (*)(const CString& path);

void SetInstrumentReader(InstrumentReader reader);

// The instrument of a configuration file of either form; null when it cannot
// be read (the reader has told the user why).
std::unique_ptr<CCTD> ReadInstrument(const CString& path);

}  // namespace Config2004
