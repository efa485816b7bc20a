#pragma once
// Helpers that run XML readers and writers on in-memory documents.

#include <functional>
#include <string>
#include <utility>

#include "platform/xml/TDWXML.h"

namespace tw_test {

// Reads and writes through the functions given, counting the calls.
class CFuncObj : public TDWXML::IDocObj {
  public:
    explicit CFuncObj(std::function<long(TDWXML::CInputNode*)> read = {},
                      std::function<long(TDWXML::COutputNode*)> write = {})
        : m_read(std::move(read)), m_write(std::move(write)) {}
    long ReadXML(TDWXML::CInputNode* node) override { return ++calls, m_read ? m_read(node) : 0; }
    long WriteXML(TDWXML::COutputNode* node) override {
        return ++calls, m_write ? m_write(node) : 0;
    }
    int calls = 0;

  private:
    std::function<long(TDWXML::CInputNode*)> m_read;
    std::function<long(TDWXML::COutputNode*)> m_write;
};

// Writes a document whose root "Root" is filled by write; returns its text.
std::string WriteWith(const std::function<long(TDWXML::COutputNode*)>& write);

// Loads the text and runs read on its root; returns read's status (or the
// load's failure).
long ReadWith(const std::string& text, const std::function<long(TDWXML::CInputNode*)>& read);

// Writes the object as the root element tag and returns the text.
std::string WriteObject(const char* tag, TDWXML::IDocObj& object);
// Reads the object from the root element tag of the text.
long ReadObject(const std::string& text, const char* tag, TDWXML::IDocObj& object);

// A document holding one sensor element as the sensor array writes it.
std::string SensorDocument(const char* tag, int sensorID, const std::string& body);

}  // namespace tw_test
