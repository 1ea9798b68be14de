#pragma once
// QString and QStringList printed as text in GoogleTest failures (gtest finds PrintTo by
// argument lookup in the global namespace). One definition for every test that includes it.
#include <QString>
#include <QStringList>

#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os)
{
    *os << '"' << s.toStdString() << '"';
}
inline void PrintTo(const QStringList& list, std::ostream* os)
{
    *os << '[';
    for (qsizetype k = 0; k < list.size(); ++k) {
        if (k)
            *os << ", ";
        PrintTo(list[k], os);
    }
    *os << ']';
}
