#pragma once
// Failures print texts as texts.

#include <QString>

#include <ostream>

inline void PrintTo(const QString &text, std::ostream *out) { *out << text.toStdString(); }
