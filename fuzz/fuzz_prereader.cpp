// Fuzzes the pre-reader, which decides from a light streaming parse whether a
// file is an instrument configuration document and which model it names.
//
// Invariants: both forms of IsConXML agree, the CTD ID is only touched when
// the answer is yes, and a file the pre-reader takes is one the document
// reader loads, with the configuration's root.

#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "platform/xml/TDWXML.h"
#include "xmlfiles/PreReadConFile.h"

using Config2004::CPreReadConFile;

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const tw_fuzz::CScratchFolder folder;
    static const std::string input = folder.File("input.xmlcon");

    tw_fuzz::WriteFile(input, data, size);
    constexpr int kUntouched = -12345;
    int ctdID = kUntouched;
    const int isConfiguration = CPreReadConFile::IsConXML(input.c_str(), ctdID);
    if (!isConfiguration && ctdID != kUntouched) {
        tw_fuzz::Fail("a refused file changed the CTD ID");
    }
    if (isConfiguration && ctdID < 0) {
        tw_fuzz::Fail("an accepted file gave a negative CTD ID");
    }
    if ((CPreReadConFile::IsConXML(input.c_str()) != 0) != (isConfiguration != 0)) {
        tw_fuzz::Fail("the two forms of IsConXML disagree");
    }
    if (isConfiguration) {
        TDWXML::CReadDoc doc;
        char root[64];
        if (doc.Load(input.c_str()) != TDWXML::S_OK_XML ||
            std::string(doc.GetRootTag(root, sizeof root)) != "TDW_InstrumentConfiguration") {
            tw_fuzz::Fail("the document reader refuses a file the pre-reader took");
        }
    }
    return 0;
}
