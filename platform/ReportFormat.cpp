#include "platform/ReportFormat.h"

void SetFloat(std::ostream& os, long flags, int precision) {
    if (flags & SF_SCIENTIFIC) {
        os.setf(std::ios_base::scientific, std::ios_base::floatfield);
    } else if (flags & SF_FIXED) {
        os.setf(std::ios_base::fixed, std::ios_base::floatfield);
    } else {
        os.unsetf(std::ios_base::floatfield);
    }
    os.precision(precision);
}

std::ostream& operator<<(std::ostream& os, const ins_space& spaces) {
    // Written unformatted, so a field width set for the next value stays for it.
    for (int i = 0; i < spaces.n; ++i) {
        os.put(' ');
    }
    return os;
}
