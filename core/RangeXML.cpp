#include "core/RangeXML.h"

using namespace TDWXML;

namespace {

template <class T>
long WriteRange(COutputNode* node, const char* tag, const CRange<T>& range) {
    long status = node->OpenElement(tag, -1, "index");
    if (status != 0) {
        return status;
    }
    const char* names[] = {"value", "high", "low", "initialValue"};
    const T values[] = {range.Get(), range.GetHigh(), range.GetLow(), range.GetInitialValue()};
    for (int i = 0; i < 4 && status == 0; ++i) {
        status = node->SetAttribute(names[i], values[i]);
    }
    node->CloseElement();
    return status;
}

template <class T>
long ReadRange(CInputNode* node, const char* tag, CRange<T>& range) {
    long status = node->OpenElement(tag, -1, "index");
    if (status != 0) {
        return status;
    }
    const char* names[] = {"value", "high", "low", "initialValue"};
    T values[4] = {};
    for (int i = 0; i < 4 && status == 0; ++i) {
        status = node->GetAttribute(names[i], &values[i]);
    }
    if (status == 0) {
        CRange<T> fresh(values[3], values[2], values[1]);
        fresh.Set(values[0]);  // a stored value outside its limits leaves the initial value
        range = fresh;
    }
    const long closeStatus = node->CloseElement();
    return status != 0 ? status : closeStatus;
}

}  // namespace

long ReadIntRangeXML(CInputNode* node, const char* tag, CRange<int>& range) {
    return ReadRange(node, tag, range);
}

long ReadDoubleRangeXML(CInputNode* node, const char* tag, CRange<double>& range) {
    return ReadRange(node, tag, range);
}

long WriteIntRangeXML(COutputNode* node, const char* tag, const CRange<int>& range) {
    return WriteRange(node, tag, range);
}

long WriteDoubleRangeXML(COutputNode* node, const char* tag, const CRange<double>& range) {
    return WriteRange(node, tag, range);
}
