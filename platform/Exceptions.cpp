#include "platform/Exceptions.h"

namespace {

const char* CauseText(CArchiveException::Cause cause) {
    switch (cause) {
        case CArchiveException::none:
            return "archive error: none";
        case CArchiveException::generic:
            return "archive error: the stream could not be read or written";
        case CArchiveException::readOnly:
            return "archive error: storing into an archive opened for loading";
        case CArchiveException::writeOnly:
            return "archive error: loading from an archive opened for storing";
        case CArchiveException::endOfFile:
            return "archive error: unexpected end of file";
        case CArchiveException::badSchema:
            return "archive error: unexpected object version";
        case CArchiveException::badClass:
            return "archive error: unexpected or unknown class";
    }
    return "archive error: unknown cause";
}

}  // namespace

CArchiveException::CArchiveException(Cause cause)
    : std::runtime_error(CauseText(cause)), m_cause(cause) {}
