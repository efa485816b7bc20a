// Fuzzes whole configuration files, .xmlcon documents and legacy ASCII .con
// files alike, through the functions hosts call: the pre-reader learns the
// instrument (ReadCTDID), the factory makes it and ReadConFile fills it. Its
// seeds are two corpora, one of each form.
//
// Invariants: a failed read leaves the caller's instrument as it was. A
// document that reads is copied to an equal configuration that writes the
// same file, as does the instrument ReadConfiguration makes of it; that file
// reads back, and the configuration read back writes it unchanged. A legacy
// file that reads has a legacy text (unless it names a serial sensor the
// format cannot place) that reads back to the same text.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <exception>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "FuzzSupport.h"
#include "core/Catalogue.h"
#include "instruments/VantrelCTD.h"
#include "legacy/ConFile.h"
#include "legacy/LegacyConFile.h"
#include "platform/QDParser.h"
#include "platform/xml/FileImage.h"
#include "xmlfiles/CTDImportExport.h"
#include "xmlfiles/PlainBeginning.h"
#include "xmlfiles/PreReadConFile.h"

namespace {

using tw_fuzz::Fail;

struct SScratch {
    tw_fuzz::CScratchFolder folder;
    // The readers go by content, not by these names.
    std::string input = folder.File("input.xmlcon");
    std::string output = folder.File("output.xmlcon");
};

// An instrument of the model as the factory makes it, made once per model:
// what a failed read must leave behind.
const CCTD* Pristine(int ctdID) {
    static std::map<int, std::unique_ptr<CCTD>> made;
    std::unique_ptr<CCTD>& ctd = made[ctdID];
    if (!ctd) {
        ctd.reset(CreateCTDObject(ctdID));
        const std::unique_ptr<CCTD> other(CreateCTDObject(ctdID));
        if (ctd && (!other || !CopyCTDObject(other.get(), ctd.get()))) {
            Fail("an instrument cannot be copied into one of its own model");
        }
    }
    return ctd.get();
}

// A streaming parse up to the first element, of the bytes the pre-reader
// streams before the root opens.
class CFirstElement : public TWUtility::CQDParserEventHandler,
                      public TWUtility::CQDParserDataSource {
  public:
    CFirstElement(std::string_view bytes, const char* encoding)
        : m_bytes(bytes.substr(0, Config2004::CPreReadConFile::kMaxCharsBeforeRoot)),
          m_encoding(encoding) {}

    std::string tag;  // the first element's, once seen

    void StartElement(CString name, TWUtility::CXMLAttributeList&) override {
        if (tag.empty()) {
            tag = name.str();
        }
    }
    void EndElement(CString) override {}
    void StartDocument() override {}
    void EndDocument() override {}
    void CharacterData(CString) override {}
    bool SeenEnough() const override { return !tag.empty(); }
    int Read() override {
        return m_at < m_bytes.size() ? static_cast<unsigned char>(m_bytes[m_at++]) : EOF;
    }
    const char* ForcedEncoding() const override { return m_encoding; }

  private:
    std::string_view m_bytes;
    const char* m_encoding;
    std::size_t m_at = 0;
};

// A beginning the pre-reader takes unstreamed is one that streams, in either
// encoding it may be read in, to the root opening and nothing else.
void CheckPlainBeginning(std::string_view bytes) {
    const char* root = Config2004::CCTDImportExport::kRootTag;
    if (!Config2004::BeginsPlainly(bytes, root,
                                   Config2004::CPreReadConFile::kMaxCharsBeforeRoot - 1)) {
        return;
    }
    for (const char* encoding : {static_cast<const char*>(nullptr), "ISO-8859-1"}) {
        CFirstElement first(bytes, encoding);
        try {
            TWUtility::CQDParser::Parse(first, first);
        } catch (const std::exception&) {
            Fail("a beginning taken as plain does not stream");
        }
        if (first.tag != root) {
            Fail("a beginning taken as plain opens another element");
        }
    }
}

// Writes the instrument to the path and returns the file's text.
std::string WriteAndLoad(const std::string& path, CCTD* ctd) {
    const long messages = TWMessageCount();
    WriteConFile(path.c_str(), ctd);
    if (TWMessageCount() != messages) {
        Fail("a configuration that was read cannot be written");
    }
    return tw_fuzz::ReadFile(path);
}

void CheckDocumentRoundTrip(const SScratch& scratch, int ctdID, CCTD* ctd) {
    const std::string written = WriteAndLoad(scratch.output, ctd);
    // Read without an instrument to read into, the file keeps the instrument
    // its read made: it must be the one a copy gives.
    SIOResult why;
    const std::unique_ptr<CCTD> made = ReadConfiguration(scratch.input.c_str(), &why);
    if (!made || WriteAndLoad(scratch.output, made.get()) != written) {
        Fail("a configuration read on its own writes another file");
    }
    const std::unique_ptr<CCTD> copy(CreateCTDObject(ctdID));
    if (!CopyCTDObject(copy.get(), ctd)) {
        Fail("a configuration that was read cannot be copied");
    }
    // A coefficient that is not a number (NaN) never equals itself.
    if (CTD_ObjectsEqual(ctd, ctd) && !CTD_ObjectsEqual(copy.get(), ctd)) {
        Fail("a copy of a configuration differs from it");
    }
    if (WriteAndLoad(scratch.output, copy.get()) != written) {
        Fail("a copy of a configuration writes another file");
    }
    // The file written reads back and is written again unchanged. (The
    // configuration read first may hold more digits than the file's number
    // formats keep, so it is not compared with the one read back.)
    if (ReadCTDID(scratch.output.c_str()) != ctdID) {
        Fail("a written configuration names another instrument");
    }
    const std::unique_ptr<CCTD> back(CreateCTDObject(ctdID));
    if (!ReadConFile(scratch.output.c_str(), back.get())) {
        Fail("a written configuration does not read back");
    }
    if (WriteAndLoad(scratch.output, back.get()) != written) {
        Fail("a configuration read back is written differently");
    }
}

// Line 186 may name a serial sensor whose channels the legacy format has no
// selectors for: such a file reads, but only an .xmlcon can hold it.
bool HasSerialSensorWithoutSelectors(const CCTD& ctd) {
    const auto* vantrel = dynamic_cast<const CVantrelCTD*>(&ctd);
    const int serial = vantrel ? vantrel->GetSerialSensor() : CVantrelCTD::NO_SERIAL_SENSOR;
    return serial == CVantrelCTD::WETLABS_SERIAL_TRIPLET ||
           serial == CVantrelCTD::WETLABS_SERIAL_SEAOWL || serial == CVantrelCTD::SATLANTIC_SEAFET;
}

void CheckLegacyRoundTrip(const SScratch& scratch, int ctdID, CCTD* ctd) {
    std::string text;
    if (!FormatLegacyConFile(*ctd, &text)) {
        if (HasSerialSensorWithoutSelectors(*ctd)) {
            return;
        }
        Fail("a configuration read from a legacy file has no legacy text");
    }
    tw_fuzz::WriteFile(scratch.output, reinterpret_cast<const unsigned char*>(text.data()),
                       text.size());
    // A legacy file that names another instrument does not read into this
    // one, so the read back also checks the instrument the text names.
    const std::unique_ptr<CCTD> back(CreateCTDObject(ctdID));
    if (!ReadConFile(scratch.output.c_str(), back.get())) {
        Fail("a written legacy file does not read back");
    }
    std::string again;
    if (!FormatLegacyConFile(*back, &again) || again != text) {
        Fail("a configuration read back from a legacy file is written differently");
    }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    tw_fuzz::QuietLibrary();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const SScratch scratch;

    CheckPlainBeginning({reinterpret_cast<const char*>(data), size});
    tw_fuzz::WriteFile(scratch.input, data, size);
    // One read of the input for the steps below, as a host that learns the
    // model, reads the file and asks its kind in one go has (each step then
    // takes the image, and the pre-reader's answer, of the first).
    std::optional<TDWXML::CFileReadScope> oneRead(std::in_place);
    const int ctdID = ReadCTDID(scratch.input.c_str());
    const CCTD* before = Pristine(ctdID);
    if (!before) {
        return 0;
    }
    const std::unique_ptr<CCTD> ctd(CreateCTDObject(ctdID));
    if (!ReadConFile(scratch.input.c_str(), ctd.get())) {
        if (!CTD_ObjectsEqual(ctd.get(), before)) {
            Fail("a failed read changed the caller's instrument");
        }
        return 0;
    }
    const bool document = Config2004::CPreReadConFile::IsConXML(scratch.input.c_str());
    oneRead.reset();
    if (document) {
        CheckDocumentRoundTrip(scratch, ctdID, ctd.get());
    } else {
        CheckLegacyRoundTrip(scratch, ctdID, ctd.get());
    }
    return 0;
}
