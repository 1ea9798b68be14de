#pragma once
// Small helpers shared by the framework's tests.
#include "KtNML/KtSNMPError.h"
#include "tests/support/QtPrinters.h"

#include <QByteArray>
#include <QString>
#include <gtest/gtest.h>
#include <initializer_list>
#include <ostream>

inline QByteArray Bytes(std::initializer_list<int> b)
{
    QByteArray out;
    for (int v : b)
        out.append(char(v));
    return out;
}

// Runs f and checks that it raises the given framework code.
template <class F> void ExpectKtError(int code, F&& f)
{
    try {
        f();
        ADD_FAILURE() << "expected error " << code << ", nothing was raised";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), code) << e.what();
        EXPECT_EQ(e.Message(), KtMessage(code));
    }
}

// Runs f and checks that it refuses a text that is no value of its syntax (-530; the message
// names the variable and the text, so it is not the bare catalogue text).
template <class F> void ExpectBadValue(F&& f)
{
    try {
        f();
        ADD_FAILURE() << "expected error " << KtErr::BadValue << ", nothing was raised";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), KtErr::BadValue) << e.what();
    }
}

inline void PrintTo(const QByteArray& b, std::ostream* os)
{
    *os << b.toHex(' ').toStdString();
}
