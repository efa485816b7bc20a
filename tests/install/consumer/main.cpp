// Creates a configuration, writes it, reads it back and compares.
#include <cstdio>
#include <memory>

#include "core/Catalogue.h"
#include "legacy/ConFile.h"
#include "platform/MessageBox.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        return 2;
    }
    s_bErrorToConsole = true;
    std::unique_ptr<CCTD> written(CreateCTDObject(11));
    if (!written) {
        return 1;
    }
    WriteConFile(argv[1], written.get());
    std::unique_ptr<CCTD> read(CreateCTDObject(ReadCTDID(argv[1])));
    if (!read || !ReadConFile(argv[1], read.get()) ||
        !CTD_ObjectsEqual(read.get(), written.get())) {
        return 1;
    }
    std::printf("%s\n", read->GetCTD_Name().GetString());
    return 0;
}
