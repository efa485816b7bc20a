#include "core/RangeXML.h"

#include <sstream>

#include "platform/Diagnostics.h"

using namespace TDWXML;

namespace {

// Entries for a value replaced by its default.
constexpr int kWarningLevel = 1;

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
        // A stored value outside its limits leaves the initial value.
        if (!fresh.Set(values[0])) {
            std::ostringstream text;
            text.imbue(std::locale::classic());
            text << node->GetPath() << ": " << values[0] << " is outside " << values[2] << ".."
                 << values[1] << "; " << values[3] << " is kept";
            CDiagnostics::Log(text.str().c_str(), kWarningLevel);
        }
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
