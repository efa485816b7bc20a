// Fuzzes legacy ASCII configuration files through the functions hosts call:
// ReadCTDID names the instrument, the factory makes it, ReadConFile fills it.
//
// Invariants: a failed read leaves the caller's instrument as it was; a
// configuration that reads has a legacy text, that text reads back, and the
// configuration read back has the same text.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "legacy/LegacyConFile.h"

namespace {

using tw_fuzz::Fail;

std::string LegacyText(CCTD& ctd) {
    std::string text;
    if (!FormatLegacyConFile(ctd, &text)) {
        Fail("a configuration read from a legacy file has no legacy text");
    }
    return text;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The scratch folder's own file names; the readers go by content.
    static const tw_fuzz::CScratchFolder folder;
    static const std::string input = folder.File("input.xmlcon");
    static const std::string output = folder.File("output.xmlcon");

    tw_fuzz::WriteFile(input, data, size);
    const int ctdID = ReadCTDID(input.c_str());
    const std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    const std::unique_ptr<CCTD> before(CreateCTDObject(ctdID));
    if (!ctd || !before) {
        return 0;
    }
    if (!ReadConFile(input.c_str(), ctd.get())) {
        if (!CTD_ObjectsEqual(ctd.get(), before.get())) {
            Fail("a failed read changed the caller's instrument");
        }
        return 0;
    }
    // An .xmlcon input that reads need not fit the legacy format.
    std::string text;
    if (!FormatLegacyConFile(*ctd, &text)) {
        return 0;
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    tw_fuzz::WriteFile(output, bytes, text.size());
    if (ReadCTDID(output.c_str()) != ctdID) {
        Fail("a written legacy file names another instrument");
    }
    const std::unique_ptr<CCTD> back(CreateCTDObject(ctdID));
    if (!ReadConFile(output.c_str(), back.get())) {
        Fail("a written legacy file does not read back");
    }
    if (LegacyText(*back) != text) {
        Fail("a configuration read back from a legacy file is written differently");
    }
    return 0;
}
