#pragma once
// The XML form of a bounded value for host programs: one element carrying the
// attributes "value", "high", "low" and "initialValue", in that order.

#include "core/Range.h"
#include "platform/xml/TDWXML.h"

long ReadIntRangeXML(TDWXML::CInputNode* node, const char* tag, CRange<int>& range);
long ReadDoubleRangeXML(TDWXML::CInputNode* node, const char* tag, CRange<double>& range);
long WriteIntRangeXML(TDWXML::COutputNode* node, const char* tag, const CRange<int>& range);
long WriteDoubleRangeXML(TDWXML::COutputNode* node, const char* tag, const CRange<double>& range);
