#include "apps/gui/Latin1.h"

QString WithoutMnemonics(const CString& label) {
    const QString text = FromLatin1(label);
    QString shown;
    shown.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == u'&' && i + 1 < text.size()) {
            ++i;  // the next character is shown as it is, '&' included
        }
        shown += text[i];
    }
    return shown;
}
