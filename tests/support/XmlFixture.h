#pragma once
// Helpers that run XML readers and writers on in-memory documents.

#include <functional>
#include <string>

#include "platform/xml/TDWXML.h"

namespace tw_test {

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
