// Fuzzes whole configuration files through the functions hosts call: the
// pre-reader learns the instrument (ReadCTDID), the factory makes it and the
// document reader fills it (ReadConFile).
//
// Invariants: a failed read leaves the caller's instrument as it was; a
// configuration that reads is copied to an equal one that writes the same
// file; that file reads back, and the configuration read back writes it
// unchanged.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "xmlfiles/CTDImportExport.h"

namespace {

using tw_fuzz::Fail;

// Writes the instrument to the path and returns the file's text.
std::string WriteAndLoad(const std::string& path, CCTD* ctd) {
    const long messages = TWMessageCount();
    WriteConFile(path.c_str(), ctd);
    if (TWMessageCount() != messages) {
        Fail("a configuration that was read cannot be written");
    }
    return tw_fuzz::ReadFile(path);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tw_fuzz::CScratchFolder folder;
    static const std::string input = folder.File("input.xmlcon");
    static const std::string output = folder.File("output.xmlcon");

    tw_fuzz::WriteFile(input, data, size);
    const int ctdID = ReadCTDID(input.c_str());
    const std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ctd) {
        return 0;
    }
    const std::unique_ptr<CCTD> before(CreateCTDObject(ctdID));
    if (!before || !CopyCTDObject(before.get(), ctd.get())) {
        Fail("an instrument cannot be copied into one of its own model");
    }
    if (!ReadConFile(input.c_str(), ctd.get())) {
        if (!CTD_ObjectsEqual(ctd.get(), before.get())) {
            Fail("a failed read changed the caller's instrument");
        }
        return 0;
    }

    // A copy compares equal and writes the same file.
    const std::string written = WriteAndLoad(output, ctd.get());
    const std::unique_ptr<CCTD> copy(CreateCTDObject(ctdID));
    if (!CopyCTDObject(copy.get(), ctd.get())) {
        Fail("a configuration that was read cannot be copied");
    }
    // A coefficient that is not a number (NaN) never equals itself.
    if (CTD_ObjectsEqual(ctd.get(), ctd.get()) && !CTD_ObjectsEqual(copy.get(), ctd.get())) {
        Fail("a copy of a configuration differs from it");
    }
    if (WriteAndLoad(output, copy.get()) != written) {
        Fail("a copy of a configuration writes another file");
    }
    // The file written reads back and is written again unchanged. (The
    // configuration read first may hold more digits than the file's number
    // formats keep, so it is not compared with the one read back.)
    if (ReadCTDID(output.c_str()) != ctdID) {
        Fail("a written configuration names another instrument");
    }
    const std::unique_ptr<CCTD> back(CreateCTDObject(ctdID));
    if (!ReadConFile(output.c_str(), back.get())) {
        Fail("a written configuration does not read back");
    }
    if (WriteAndLoad(output, back.get()) != written) {
        Fail("a configuration read back is written differently");
    }
    return 0;
}
