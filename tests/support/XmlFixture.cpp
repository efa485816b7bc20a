#include "support/XmlFixture.h"

namespace tw_test {

std::string WriteWith(const std::function<long(TDWXML::COutputNode*)>& write) {
    CFuncObj object({}, write);
    return WriteObject("Root", object);
}

long ReadWith(const std::string& text, const std::function<long(TDWXML::CInputNode*)>& read) {
    CFuncObj object(read);
    return ReadObject(text, "Root", object);
}

std::string WriteObject(const char* tag, TDWXML::IDocObj& object) {
    TDWXML::CWriteDoc doc;
    doc.CreateText();
    doc.WriteRoot(tag, &object);
    return doc.GetText().str();
}

long ReadObject(const std::string& text, const char* tag, TDWXML::IDocObj& object) {
    TDWXML::CReadDoc doc;
    const long status = doc.LoadText(text.data(), text.size());
    if (status != 0) {
        return status;
    }
    return doc.ReadRoot(tag, &object);
}

std::string SensorDocument(const char* tag, int sensorID, const std::string& body) {
    return "<" + std::string(tag) + " SensorID=\"" + std::to_string(sensorID) + "\">" + body +
           "</" + tag + ">";
}

}  // namespace tw_test
