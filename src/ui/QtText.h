#pragma once
// Texts cross between the plain C++ core (UTF-8 std::string) and Qt (QString).

#include <QString>
#include <string>

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QString& s) { return s.toStdString(); }
