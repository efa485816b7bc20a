#pragma once
// The texts of a configuration are ISO-8859-1 bytes (the micro sign is
// 0xB5); file names are bytes in the locale's encoding. These turn them into
// Qt's strings and back.

#include <QByteArray>
#include <QFile>
#include <QString>

#include "platform/CString.h"

inline QString FromLatin1(const CString& text) {
    return QString::fromLatin1(text.GetString(), text.GetLength());
}

inline CString ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

inline QString FromPath(const CString& path) {
    return QFile::decodeName(QByteArray(path.GetString(), path.GetLength()));
}

inline CString ToPath(const QString& path) {
    const QByteArray bytes = QFile::encodeName(path);
    return CString(bytes.constData(), static_cast<int>(bytes.size()));
}

// A label as static text shows it: "&&" is one '&', a single '&' only marks
// the mnemonic letter and is not shown.
QString WithoutMnemonics(const CString& label);
