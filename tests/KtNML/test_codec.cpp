// The value codec: text forms, varbinds, index encoding, byte forms, fields and bits.
#include "KtNML/KtDateTime.h"
#include "KtNML/KtValueCodec.h"
#include "tests/KtNML/KtTestHelpers.h"

#include <QDateTime>
#include <QLocale>
#include <gtest/gtest.h>

#include <cstring>
#include <string_view>

namespace {

const KtOptionList olState{{1, "other"}, {2, "disabled"}, {3, "enabled"}};

KtSNMPVar MakeVar(int syntax, const QString& value = {}, const KtOptionList* options = nullptr)
{
    KtSNMPVar v;
    v.Oid = "1.3.6.1.4.1.32473.1";
    v.Syntax = syntax;
    v.Access = KtAcc::ReadWrite;
    v.Options = options;
    v.Value = value;
    return v;
}

snmp::Varbind BytesVb(snmp::Syntax s, const QByteArray& b)
{
    snmp::Varbind vb;
    vb.setBytes(s, b.toStdString());
    return vb;
}

QByteArray VbBytes(const snmp::Varbind& vb)
{
    return QByteArray(vb.bytes.data(), qsizetype(vb.bytes.size()));
}

// ---- text forms ---------------------------------------------------------------------------

TEST(Codec, HexInput)
{
    const struct {
        const char* in;
        QByteArray out;
    } cases[] = {
        {"a ff", Bytes({0x0a, 0xff})}, {"abc", Bytes({0x0a, 0xbc})}, {"zz", Bytes({0x00})},
        {"", {}}, {"001aFF", Bytes({0x00, 0x1a, 0xff})}, {"0 0 1", Bytes({0x00, 0x01})},
        {"g1", Bytes({0x01})}, {"  ", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(KtHexToBytes(c.in), c.out);
    }
    EXPECT_EQ(KtBytesToHex(Bytes({0x00, 0x1a, 0xff})), "001AFF");
    EXPECT_EQ(KtBytesToHex({}), "");
}

TEST(Codec, TicksText)
{
    const struct {
        std::uint32_t ticks;
        const char* text;
    } out[] = {
        {0, "0:00:00.00"}, {360000, "1:00:00.00"}, {8640001, "1 day 0:00:00.01"},
        {17280000, "2 days, 0:00:00.00"}, {372304, "1:02:03.04"}, {4294967295u, "497 days, 2:27:52.95"},
    };
    for (const auto& c : out) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KtTicksToText(c.ticks), c.text);
        EXPECT_EQ(KtTextToTicks(c.text), c.ticks);  // every output reads back
        snmp::Varbind vb;
        ValueToVb(MakeVar(KtSyn::TimeTicks, c.text), vb);  // and is sent as it was read
        EXPECT_EQ(vb.integer, c.ticks);
    }
    const struct {
        const char* text;
        std::uint32_t ticks;
    } in[] = {
        {"12345", 0}, {"", 0}, {"1:02:03.04", 372304}, {"0:00:05.20", 520},
        {"3 days", 25920000}, {"99999999 days, 0:00:00.00", 4294967295u},
        {"-5:00:00.00", 0}, {"1:2", 360000},
    };
    for (const auto& c : in) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KtTextToTicks(c.text), c.ticks);
    }
}

TEST(Codec, DecimalInputSaturatesAtTheRange)
{
    EXPECT_EQ(KtDecimalToInt32("-12abc"), -12);
    EXPECT_EQ(KtDecimalToInt32("  +7"), 7);
    EXPECT_EQ(KtDecimalToInt32("x"), 0);
    EXPECT_EQ(KtDecimalToInt32("4294967296"), 2147483647);
    EXPECT_EQ(KtDecimalToInt32("-99999999999999999999999"), -2147483647 - 1);
    EXPECT_EQ(KtDecimalToUInt32("4294967295"), 4294967295u);
    EXPECT_EQ(KtDecimalToUInt32("4294967296"), 4294967295u);
    EXPECT_EQ(KtDecimalToUInt32("-5"), 0u);
    EXPECT_EQ(KtDecimalToUInt64("18446744073709551615"), 18446744073709551615ull);
    EXPECT_EQ(KtDecimalToUInt64("99999999999999999999999"), 18446744073709551615ull);
}

TEST(Codec, RealText)
{
    EXPECT_EQ(KtRealToText(0.1), "0.1");
    EXPECT_EQ(KtRealToText(10), "10");
    EXPECT_EQ(KtRealToText(1.0 / 3), "0.333333333333333");
    EXPECT_DOUBLE_EQ(KtTextToReal("  1.5e2xyz"), 150);
    EXPECT_DOUBLE_EQ(KtTextToReal("-.5"), -0.5);
    EXPECT_DOUBLE_EQ(KtTextToReal("3e"), 3);
    EXPECT_DOUBLE_EQ(KtTextToReal("."), 0);
    EXPECT_DOUBLE_EQ(KtTextToReal("abc"), 0);
    EXPECT_TRUE(std::isinf(KtTextToReal("1e999")));
    EXPECT_DOUBLE_EQ(KtTextToReal("1e-999"), 0);
}

// ---- DateAndTime and serials ----------------------------------------------------------------

TEST(DateTime, TextWithAndWithoutOffset)
{
    const QByteArray plus8 = Bytes({0x07, 0xd7, 5, 26, 13, 30, 15, 0, '+', 8, 0});
    EXPECT_EQ(KtDateTime::FromBytes(plus8).ToText(), "2007-5-26,13:30:15.0,+8:0");
    QByteArray utc = plus8;
    utc[9] = 0;
    EXPECT_EQ(KtDateTime::FromBytes(utc).ToText(), "2007-5-26,13:30:15.0");
    // Missing bytes count as 0; an odd direction byte hides the offset.
    EXPECT_EQ(KtDateTime::FromBytes(Bytes({0x07, 0xd7, 5})).ToText(), "2007-5-0,0:0:0.0");
    QByteArray odd = plus8;
    odd[8] = 'x';
    EXPECT_EQ(KtDateTime::FromBytes(odd).ToText(), "2007-5-26,13:30:15.0");

    const struct {
        const char* text;
        QByteArray bytes;
    } in[] = {
        {"2007-5-26,13:30:15.0,+8:0", plus8},
        {"2007-5-26,13:30:15.0,-5:30", Bytes({0x07, 0xd7, 5, 26, 13, 30, 15, 0, '-', 5, 30})},
        {"2007-5-26,13:30:15.0", Bytes({0x07, 0xd7, 5, 26, 13, 30, 15, 0, '+', 0, 0})},
        {"1992-5-26", Bytes({0x07, 0xc8, 5, 26, 0, 0, 0, 0, '+', 0, 0})},
        {"2007-300-26,1:2:3.4", Bytes({0x07, 0xd7, 44, 26, 1, 2, 3, 4, '+', 0, 0})},  // truncated
        {"junk", Bytes({0, 0, 0, 0, 0, 0, 0, 0, '+', 0, 0})},
    };
    for (const auto& c : in) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KtDateTime(c.text).ToBytes(), c.bytes);
    }
}

TEST(DateTime, DefaultIsNowWithZeroOffset)
{
    const KtDateTime now;
    const QDate today = QDate::currentDate();
    EXPECT_NEAR(QDate(now.year, now.month, now.day).daysTo(today), 0, 1);
    EXPECT_EQ(now.deciSeconds, 0);
    EXPECT_EQ(now.direction, '+');
    EXPECT_EQ(now.utcHours, 0);
    EXPECT_EQ(now.utcMinutes, 0);
}

TEST(DateTime, SerialText)
{
    // 2007-05-26 13:30:00 is day 39228 plus 0.5625.
    EXPECT_EQ(KtSerialToText(39228.5625), "2007/05/26 01:30:00 pm");
    EXPECT_EQ(KtSerialToText(0), "1899/12/30 12:00:00 am");
    EXPECT_EQ(KtSerialToText(-1.25), "1899/12/29 06:00:00 am");
    EXPECT_EQ(KtSerialToText(1e300), "1e+300");
    EXPECT_EQ(KtSerialToText(std::numeric_limits<double>::quiet_NaN()), "nan");

    const struct {
        const char* text;
        double serial;
    } in[] = {
        {"2007/05/26 01:30:00 pm", 39228.5625}, {"2007/05/26 01:30:00 PM", 39228.5625},
        {"2007/05/26 13:30:00", 39228.5625}, {"2007/05/26", 39228}, {" 2007/05/26 12:00:00 am ", 39228},
    };
    for (const auto& c : in) {
        SCOPED_TRACE(c.text);
        double s = -1;
        ASSERT_TRUE(KtSerialFromText(c.text, s));
        EXPECT_DOUBLE_EQ(s, c.serial);
    }
    double s = 0;
    EXPECT_FALSE(KtSerialFromText("not a date", s));
    EXPECT_FALSE(KtSerialFromText("", s));
    EXPECT_FALSE(KtSerialFromText("2007/13/40 01:00:00 pm", s));
}

TEST(DateTime, SerialFromLocaleShortFormat)
{
    const QDateTime when(QDate(2026, 3, 9), QTime(17, 45));
    const QString text = QLocale::system().toString(when, QLocale::ShortFormat);
    double s = 0;
    ASSERT_TRUE(KtSerialFromText(text, s)) << text.toStdString();
    EXPECT_EQ(KtSerialToText(s), "2026/03/09 05:45:00 pm");
}

// ---- varbinds -----------------------------------------------------------------------------

TEST(Codec, ValueFromVbBySyntax)
{
    snmp::Varbind integer;
    integer.setInteger(-5);
    snmp::Varbind one;
    one.setInteger(1);
    snmp::Varbind gauge;
    gauge.setUnsigned(snmp::Syntax::Gauge32, 4294967295u);
    snmp::Varbind ticks;
    ticks.setUnsigned(snmp::Syntax::TimeTicks, 8640001);
    snmp::Varbind c64;
    c64.setCounter64(18446744073709551615ull);
    snmp::Varbind oid;
    oid.setObjectId({1, 3, 6, 1});
    snmp::Varbind missing;
    missing.syntax = snmp::Syntax::NoSuchInstance;
    double d = 2.5;
    QByteArray dbl(8, '\0');
    std::memcpy(dbl.data(), &d, 8);

    const struct {
        const char* what;
        int syntax;
        snmp::Varbind vb;
        const char* text;
        const KtOptionList* options = nullptr;
    } cases[] = {
        {"octetstr", KtSyn::OctetStr, BytesVb(snmp::Syntax::OctetString, Bytes({0x00, 0x0a, 0xff})), "000AFF"},
        {"mac", KtSyn::MacAddress, BytesVb(snmp::Syntax::OctetString, Bytes({0, 1, 2, 0xaa, 0xbb, 0xcc})), "000102AABBCC"},
        {"integer", KtSyn::Integer, integer, "-5"},
        {"boolean", KtSyn::Boolean, one, "true"},
        {"mapped", KtSyn::Integer, one, "other", &olState},
        {"gauge", KtSyn::Gauge, gauge, "4294967295"},
        {"ticks", KtSyn::TimeTicks, ticks, "1 day 0:00:00.01"},
        {"counter64", KtSyn::Counter64, c64, "18446744073709551615"},
        {"objectid", KtSyn::ObjectId, oid, "1.3.6.1"},
        {"ipaddress", KtSyn::IpAddress, BytesVb(snmp::Syntax::IpAddress, Bytes({10, 0, 0, 254})), "10.0.0.254"},
        {"displaystr", KtSyn::DisplayStr, BytesVb(snmp::Syntax::OctetString, QByteArray("ab\0cd", 5)), "ab"},
        {"displaystr UTF-8", KtSyn::DisplayStr, BytesVb(snmp::Syntax::OctetString, QByteArray("\xc3\xa9t\xc3\xa9")), "été"},
        {"displaystr not UTF-8 is Latin-1", KtSyn::DisplayStr,
         BytesVb(snmp::Syntax::OctetString, QByteArray("\xe9t\xe9 \xff")), "été ÿ"},
        {"double", KtSyn::Double, BytesVb(snmp::Syntax::OctetString, dbl), "2.5"},
        {"short double", KtSyn::Double, BytesVb(snmp::Syntax::OctetString, Bytes({0})), "0"},
        {"datetime", KtSyn::DateTime,
         BytesVb(snmp::Syntax::OctetString, Bytes({0x07, 0xd7, 5, 26, 13, 30, 15, 0, '+', 8, 0})),
         "2007-5-26,13:30:15.0,+8:0"},
        {"null", KtSyn::Null, integer, "(NULL)"},
        {"exception integer", KtSyn::Integer, missing, "(NULL)"},
        {"exception gauge", KtSyn::Gauge, missing, "(NULL)"},
        {"exception displaystr", KtSyn::DisplayStr, missing, ""},
        {"exception octetstr", KtSyn::OctetStr, missing, ""},
        {"empty datetime", KtSyn::DateTime, BytesVb(snmp::Syntax::OctetString, {}), "(NULL)"},
        {"short ip", KtSyn::IpAddress, BytesVb(snmp::Syntax::IpAddress, Bytes({1, 2})), "(NULL)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        KtSNMPVar var = MakeVar(c.syntax, "old", c.options);
        ValueFromVb(var, c.vb);
        EXPECT_EQ(var.Value, c.text);
    }
}

TEST(Codec, UnsupportedSyntaxLeavesTheValue)
{
    for (int syntax : {int(KtSyn::Int8), int(KtSyn::UInt16), 0x99}) {
        SCOPED_TRACE(syntax);
        KtSNMPVar var = MakeVar(syntax, "old");
        snmp::Varbind vb;
        vb.setInteger(1);
        ExpectKtError(KtErr::BadSyntax, [&] { ValueFromVb(var, vb); });
        EXPECT_EQ(var.Value, "old");
        ExpectKtError(KtErr::BadSyntax, [&] { ValueToVb(var, vb); });
    }
}

TEST(Codec, ValueToVbBySyntax)
{
    const struct {
        const char* what;
        int syntax;
        const char* text;
        snmp::Syntax tag;
        std::int64_t integer = 0;
        QByteArray bytes = {};
        const KtOptionList* options = nullptr;
    } cases[] = {
        {"hex", KtSyn::OctetStr, "a ff", snmp::Syntax::OctetString, 0, Bytes({0x0a, 0xff})},
        {"odd hex", KtSyn::OctetStr, "abc", snmp::Syntax::OctetString, 0, Bytes({0x0a, 0xbc})},
        {"opaque travels as octets", KtSyn::Opaque, "01", snmp::Syntax::OctetString, 0, Bytes({1})},
        {"boolean", KtSyn::Boolean, "true", snmp::Syntax::Integer, 1},
        {"boolean other", KtSyn::Boolean, "TRUE", snmp::Syntax::Integer, 0},
        {"integer", KtSyn::Integer, "-12", snmp::Syntax::Integer, -12},
        {"integer lowest, blanks around", KtSyn::Integer, " -2147483648 ", snmp::Syntax::Integer, -2147483647 - 1},
        {"integer highest, plus sign", KtSyn::Integer, "+2147483647", snmp::Syntax::Integer, 2147483647},
        {"counter as gauge", KtSyn::Counter, "4294967295", snmp::Syntax::Gauge32, 4294967295},
        {"uinteger", KtSyn::UInteger, "7", snmp::Syntax::Gauge32, 7},
        {"ticks", KtSyn::TimeTicks, "1:02:03.04", snmp::Syntax::TimeTicks, 372304},
        {"ticks as shown, days", KtSyn::TimeTicks, "2 days, 0:00:00.01", snmp::Syntax::TimeTicks, 17280001},
        {"ticks as a number", KtSyn::TimeTicks, "12345", snmp::Syntax::TimeTicks, 12345},
        {"ticks without hundredths", KtSyn::TimeTicks, "0:01:05", snmp::Syntax::TimeTicks, 6500},
        {"ip", KtSyn::IpAddress, "10.0.0.1", snmp::Syntax::IpAddress, 0, Bytes({10, 0, 0, 1})},
        {"ip highest", KtSyn::IpAddress, "255.255.255.255", snmp::Syntax::IpAddress, 0, Bytes({255, 255, 255, 255})},
        {"displaystr", KtSyn::DisplayStr, "ab", snmp::Syntax::OctetString, 0, QByteArray("ab")},
        {"displaystr as UTF-8", KtSyn::DisplayStr, "Zürich-€", snmp::Syntax::OctetString, 0,
         QByteArray("Z\xc3\xbcrich-\xe2\x82\xac")},
        {"empty displaystr", KtSyn::DisplayStr, "", snmp::Syntax::OctetString, 0, QByteArray()},
        {"datetime", KtSyn::DateTime, "2007-5-26,13:30:15.0", snmp::Syntax::OctetString, 0,
         Bytes({0x07, 0xd7, 5, 26, 13, 30, 15, 0, '+', 0, 0})},
        {"mapped", KtSyn::Integer, "Enabled", snmp::Syntax::Integer, 3, {}, &olState},
        {"unmapped passes", KtSyn::Integer, "17", snmp::Syntax::Integer, 17, {}, &olState},
        {"NULL integer", KtSyn::Integer, "(NULL)", snmp::Syntax::Null},
        {"NULL displaystr", KtSyn::DisplayStr, "(NULL)", snmp::Syntax::Null},
        {"NULL ip", KtSyn::IpAddress, "(NULL)", snmp::Syntax::Null},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const KtSNMPVar var = MakeVar(c.syntax, c.text, c.options);
        snmp::Varbind vb;
        vb.oid = {1, 3, 6};
        vb.setInteger(99);
        ValueToVb(var, vb);
        EXPECT_EQ(vb.syntax, c.tag);
        EXPECT_EQ(vb.oid, (snmp::Oid{1, 3, 6}));  // the OID stays
        EXPECT_EQ(VbBytes(vb), c.bytes);
        if (c.tag != snmp::Syntax::OctetString && c.tag != snmp::Syntax::IpAddress) {
            EXPECT_EQ(vb.integer, c.integer);
        }
    }

    snmp::Varbind vb;
    ValueToVb(MakeVar(KtSyn::Counter64, "18446744073709551615"), vb);
    EXPECT_EQ(vb.syntax, snmp::Syntax::Counter64);
    EXPECT_EQ(vb.counter64, 18446744073709551615ull);
    ValueToVb(MakeVar(KtSyn::ObjectId, "1.3.6.1.4"), vb);
    EXPECT_EQ(vb.objectId, (snmp::Oid{1, 3, 6, 1, 4}));
    ValueToVb(MakeVar(KtSyn::BcDateTime, "2007/05/26 01:30:00 pm"), vb);
    double d = 0;
    ASSERT_EQ(vb.bytes.size(), 8u);
    std::memcpy(&d, vb.bytes.data(), 8);
    EXPECT_DOUBLE_EQ(d, 39228.5625);
}

// Text that is no value of its syntax is refused naming the variable, never sent as another
// value (a prefix, a 0, a wrapped or saturated number).
TEST(Codec, ValueToVbRefusesTextsThatAreNoValueNamingTheVariable)
{
    const struct {
        int syntax;
        QString text;
    } cases[] = {
        {KtSyn::Integer, "abc"}, {KtSyn::Integer, "8 apples"}, {KtSyn::Integer, ""}, {KtSyn::Integer, " "},
        {KtSyn::Integer, "-"}, {KtSyn::Integer, "1.5"}, {KtSyn::Integer, "0x10"}, {KtSyn::Integer, "2147483648"},
        {KtSyn::Integer, "-2147483649"}, {KtSyn::Integer, "99999999999999999999999999999"},
        {KtSyn::Gauge, "-1"}, {KtSyn::Gauge, "4294967296"}, {KtSyn::Counter, "12abc"}, {KtSyn::UInteger, ""},
        {KtSyn::Counter64, "18446744073709551616"}, {KtSyn::Counter64, "-1"},
        {KtSyn::TimeTicks, "abc"}, {KtSyn::TimeTicks, "12345 apples"}, {KtSyn::TimeTicks, ""},
        {KtSyn::TimeTicks, "4294967296"}, {KtSyn::TimeTicks, "1:60:00.00"}, {KtSyn::TimeTicks, "0:00:05.2"},
        {KtSyn::TimeTicks, "3 days"}, {KtSyn::TimeTicks, "497 days, 2:27:52.96"},
        {KtSyn::IpAddress, "999.1.1.1"}, {KtSyn::IpAddress, "256.256.256.256"}, {KtSyn::IpAddress, "0001.1.1.1"},
        {KtSyn::IpAddress, "10.0.0"}, {KtSyn::IpAddress, ""}, {KtSyn::IpAddress, "a.b.c.d"},
        {KtSyn::IpAddress, "1.2.3.4.5"}, {KtSyn::IpAddress, "1.2.3.-4"}, {KtSyn::NsapAddr, "1.2.3.4 "},
        {KtSyn::Double, "8 apples"}, {KtSyn::Double, ""}, {KtSyn::Double, "1e999"},
        {KtSyn::ObjectId, "1..3"}, {KtSyn::BcDateTime, "someday"},
        {KtSyn::BitStr, "zz"}, {KtSyn::OctetStr, "00:1A"}, {KtSyn::MacAddress, "0011223344gg"},
        {KtSyn::Ipv6Address, "fe80::1"},
        {KtSyn::DisplayStr, QString(QChar(0xd800)) + "x"},  // a lone surrogate has no UTF-8 form
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " as syntax " + std::to_string(c.syntax));
        KtSNMPVar var = MakeVar(c.syntax, c.text);
        var.Label = "Port Number";
        snmp::Varbind vb;
        vb.setInteger(99);
        try {
            ValueToVb(var, vb);
            ADD_FAILURE() << "sent as " << vb.integer;
        } catch (const KtException& e) {
            EXPECT_EQ(e.Code(), KtErr::BadValue);
            EXPECT_EQ(e.Message(), "(ZiDUVA++) Invalid value \"" + c.text + "\" for Port Number!");
        }
        EXPECT_EQ(vb.syntax, snmp::Syntax::Integer);  // the varbind is left as it was
        EXPECT_EQ(vb.integer, 99);
    }
}

// ---- index encoding -----------------------------------------------------------------------

KtSNMPVarList TwoKeys(int syntax0, int access0, int syntax1, int access1)
{
    const KtSNMPVarDef defs[] = {{"1.3.6.1.9.1.1", "k0", syntax0, access0},
                                 {"1.3.6.1.9.1.2", "k1", syntax1, access1},
                                 {"1.3.6.1.9.1.3", "v", KtSyn::Integer, KtAcc::ReadWrite},
                                 {}};
    return KtSNMPVarList(defs, KtItem::MVT_UMV, 2);
}

TEST(Codec, StringKeysWithLengthOrImplied)
{
    KtSNMPVarList l = TwoKeys(KtSyn::DisplayStr, KtAcc::NotAccess, KtSyn::DisplayStr, KtAcc::NotAccess | KtAcc::Implied);
    l.Item(0).Value = "ab";
    l.Item(1).Value = "ab";
    EXPECT_EQ(EncodeIndex(l, 0), "2.97.98");  // not the last key: implied never applies
    EXPECT_EQ(EncodeIndex(l, 1), "97.98");
    EXPECT_EQ(EncodeInstance(l), "2.97.98.97.98");

    l.Item(0).Access |= KtAcc::Implied;  // only honoured on the last key
    EXPECT_EQ(EncodeIndex(l, 0), "2.97.98");
    l.Item(1).Access = KtAcc::NotAccess;
    EXPECT_EQ(EncodeIndex(l, 1), "2.97.98");

    KtSNMPVarList d = TwoKeys(KtSyn::DisplayStr, KtAcc::NotAccess, KtSyn::OctetStr, KtAcc::NotAccess | KtAcc::Implied);
    QString rest = DecodeIndex(d, 0, "2.97.98.1.2.255");
    EXPECT_EQ(d.Item(0).Value, "ab");
    EXPECT_EQ(rest, "1.2.255");
    EXPECT_EQ(DecodeIndex(d, 1, rest), "");
    EXPECT_EQ(d.Item(1).Value, "0102FF");
}

TEST(Codec, DecodeIndexBySyntax)
{
    const struct {
        int syntax;
        const char* suffix;
        const char* value;
        const char* rest;
        const char* encoded;  // the value encoded again
    } cases[] = {
        {KtSyn::Integer, "4294967295.5", "-1", "5", "4294967295"},
        {KtSyn::Gauge, "4294967295", "4294967295", "", "4294967295"},
        {KtSyn::Boolean, "2.1", "true", "1", "1"},
        {KtSyn::TimeTicks, "360000", "1:00:00.00", "", "360000"},
        {KtSyn::IpAddress, "10.0.0.1.7", "10.0.0.1", "7", "10.0.0.1"},
        {KtSyn::IpAddress, "266.0.0.1", "10.0.0.1", "", "10.0.0.1"},  // low 8 bits
        {KtSyn::MacAddress, "0.1.2.170.187.204", "000102AABBCC", "", "0.1.2.170.187.204"},
        {KtSyn::Counter64, "1.2", "4294967298", "", "1.2"},
        {KtSyn::Double, "0.1074003968", "2.5", "", "0.1074003968"},
        {KtSyn::ObjectId, "3.1.3.6.9", "1.3.6", "9", "3.1.3.6"},
        {KtSyn::Ipv6Address, "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1.4", "FE800000000000000000000000000001", "4",
         "254.128.0.0.0.0.0.0.0.0.0.0.0.0.0.1"},
        {KtSyn::DateTime, "7.215.5.26.13.30.15.0.43.8.0", "2007-5-26,13:30:15.0,+8:0", "",
         "7.215.5.26.13.30.15.0.43.8.0"},
        {KtSyn::Null, "1.2", "(NULL)", "1.2", ""},
        {KtSyn::OctetStr, "0.9", "", "9", "0"},
        {KtSyn::DisplayStr, "3.195.169.116.5", "ét", "5", "3.195.169.116"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.suffix);
        KtSNMPVarList l = TwoKeys(c.syntax, KtAcc::NotAccess, KtSyn::Integer, KtAcc::NotAccess);
        EXPECT_EQ(DecodeIndex(l, 0, c.suffix), c.rest);
        EXPECT_EQ(l.Item(0).Value, c.value);
        EXPECT_EQ(EncodeIndex(l, 0), c.encoded);
    }
}

// A string key addresses its row by its bytes: text that is no UTF-8 is shown as Latin-1, and
// two keys may show alike, so the bytes read are what goes back, byte for byte.
TEST(Codec, StringKeysGoBackAsTheBytesRead)
{
    using namespace std::string_view_literals;
    const struct {
        int syntax;
        bool implied;
        const char* suffix;
        std::u16string_view shown;  // the display text
    } cases[] = {
        {KtSyn::DisplayStr, false, "2.65.215", u"A\u00D7"sv},     // a sequence cut short at the end
        {KtSyn::DisplayStr, false, "1.233", u"\u00E9"sv},         // Latin-1 e-acute ...
        {KtSyn::DisplayStr, false, "2.195.169", u"\u00E9"sv},     // ... shows like UTF-8 e-acute
        {KtSyn::DisplayStr, false, "3.65.0.66", u"A\0B"sv},       // a zero byte inside
        {KtSyn::DisplayStr, false, "3.239.187.191", u"\uFEFF"sv}, // a byte-order mark alone
        {KtSyn::DisplayStr, true, "65.226.130", u"A\u00E2\u0082"sv},
        {KtSyn::DisplayStr, false, "0", u""sv},
        {KtSyn::OctetStr, false, "2.65.215", u"41D7"sv},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.suffix);
        KtSNMPVarList l = TwoKeys(KtSyn::Integer, KtAcc::NotAccess, c.syntax,
                                  KtAcc::NotAccess | (c.implied ? KtAcc::Implied : 0));
        // An implied key takes the rest of the suffix.
        EXPECT_EQ(DecodeIndex(l, 1, QString::fromLatin1(c.suffix) + (c.implied ? "" : ".7")), c.implied ? "" : "7");
        EXPECT_EQ(l.Item(1).Value, QStringView(c.shown).toString());
        EXPECT_EQ(EncodeIndex(l, 1), c.suffix);
        // A copy of the list (a form's request) keeps the bytes.
        const KtSNMPVarList copy(l);
        EXPECT_EQ(EncodeIndex(copy, 1), c.suffix);
    }

    // Text typed in place of the shown one is written as its own UTF-8.
    KtSNMPVarList l = TwoKeys(KtSyn::Integer, KtAcc::NotAccess, KtSyn::DisplayStr, KtAcc::NotAccess);
    DecodeIndex(l, 1, "2.65.215");
    l.Item(1).Value = "A";
    EXPECT_EQ(EncodeIndex(l, 1), "1.65");
    l.Item(1).Value = QString::fromUtf8("A\xC3\x97");
    EXPECT_EQ(EncodeIndex(l, 1), "2.65.215");
    l.Item(1).KeyBytes.clear();
    EXPECT_EQ(EncodeIndex(l, 1), "3.65.195.151");
}

TEST(Codec, DecodeIndexMapsThroughOptionsAndRefusesShortSuffixes)
{
    KtSNMPVarList l = TwoKeys(KtSyn::Integer, KtAcc::NotAccess, KtSyn::Integer, KtAcc::NotAccess);
    l.Item(0).Options = &olState;
    DecodeIndex(l, 0, "3");
    EXPECT_EQ(l.Item(0).Value, "enabled");
    EXPECT_EQ(EncodeIndex(l, 0), "3");

    const struct {
        int syntax;
        const char* suffix;
    } bad[] = {{KtSyn::Integer, ""}, {KtSyn::IpAddress, "10.0"}, {KtSyn::OctetStr, "5.1.2"},
               {KtSyn::DisplayStr, "4294967295"}, {KtSyn::ObjectId, "3.1"}, {KtSyn::Integer, "not.an.oid"},
               {KtSyn::Counter64, "1"}, {KtSyn::DateTime, "7.215"}};
    for (const auto& c : bad) {
        SCOPED_TRACE(c.suffix);
        KtSNMPVarList k = TwoKeys(c.syntax, KtAcc::NotAccess, KtSyn::Integer, KtAcc::NotAccess);
        k.Item(0).Value = "kept";
        ExpectKtError(KtErr::BadKeyCount, [&] { DecodeIndex(k, 0, c.suffix); });
        EXPECT_EQ(k.Item(0).Value, "kept");
    }
    KtSNMPVarList b = TwoKeys(KtSyn::Int16, KtAcc::NotAccess, KtSyn::Integer, KtAcc::NotAccess);
    ExpectKtError(KtErr::BadSyntax, [&] { DecodeIndex(b, 0, "1"); });
    ExpectKtError(KtErr::BadSyntax, [&] { EncodeIndex(b, 0); });
}

// An address key not read yet encodes to nothing (a walk starts at the column); typed text that
// is not the whole address is refused, since the instance left would name another row.
TEST(Codec, EncodeIndexOfAddressKeys)
{
    KtSNMPVarList l = TwoKeys(KtSyn::MacAddress, KtAcc::NotAccess, KtSyn::Integer, KtAcc::NotAccess);
    l.Item(1).Value = "5";
    for (const char* none : {"", "(NULL)", "(NOTDONE)"}) {
        l.Item(0).Value = none;
        EXPECT_EQ(EncodeIndex(l, 0), "") << none;
        EXPECT_EQ(EncodeInstance(l), "5") << none;
    }
    l.Item(0).Value = "001122334455";
    EXPECT_EQ(EncodeIndex(l, 0), "0.17.34.51.68.85");
    for (const char* typed : {"0011223344", "00112233445566", "00-11-22-33-44-55", "00112233445x"}) {
        SCOPED_TRACE(typed);
        l.Item(0).Value = typed;
        ExpectBadValue([&] { EncodeInstance(l); });
    }
}

TEST(Codec, TypedKeysAndFieldsAreTakenStrictlyToo)
{
    KtSNMPVarList l = TwoKeys(KtSyn::Integer, KtAcc::NotAccess, KtSyn::IpAddress, KtAcc::NotAccess);
    l.Item(0).Value = "abc";
    l.Item(1).Value = "10.0.0.1";
    try {
        EncodeInstance(l);
        ADD_FAILURE() << "a key that is no number addressed a row";
    } catch (const KtException& e) {
        EXPECT_EQ(e.Code(), KtErr::BadValue);
        EXPECT_EQ(e.Message(), "(ZiDUVA++) Invalid value \"abc\" for k0!");
    }
    l.Item(0).Value = "7";
    l.Item(1).Value = "999.1.1.1";
    ExpectBadValue([&] { EncodeInstance(l); });

    const struct {
        int syntax;
        const char* text;
    } fields[] = {
        {KtSyn::Integer, "abc"}, {KtSyn::Integer, ""}, {KtSyn::Gauge, "-1"}, {KtSyn::TimeTicks, "x"},
        {KtSyn::IpAddress, "999.1.1.1"}, {KtSyn::IpAddress, ""}, {KtSyn::Counter64, "1 2"},
        {KtSyn::Int8, "128"}, {KtSyn::Int8, "-129"}, {KtSyn::UInt8, "256"}, {KtSyn::UInt8, "-1"},
        {KtSyn::Int16, "32768"}, {KtSyn::UInt16, "65536"}, {KtSyn::UInt16, "7x"}, {KtSyn::OctetStr, "zz"},
    };
    for (const auto& c : fields) {
        SCOPED_TRACE(c.text);
        ExpectBadValue([&] { TextToBytes(c.text, c.syntax); });
    }
    // Both markers stand for no value.
    EXPECT_TRUE(TextToBytes("(NOTDONE)", KtSyn::Integer).isEmpty());
    EXPECT_TRUE(TextToBytes("(NULL)", KtSyn::IpAddress).isEmpty());
}

// ---- byte forms, fields, bits -------------------------------------------------------------

TEST(Codec, ByteFormsRoundTrip)
{
    const struct {
        int syntax;
        const char* text;
        QByteArray bytes;
    } cases[] = {
        {KtSyn::Boolean, "true", Bytes({1, 0, 0, 0})},
        {KtSyn::Integer, "-2", Bytes({0xfe, 0xff, 0xff, 0xff})},
        {KtSyn::Gauge, "4294967295", Bytes({0xff, 0xff, 0xff, 0xff})},
        {KtSyn::TimeTicks, "1:00:00.00", Bytes({0x40, 0x7e, 0x05, 0})},
        {KtSyn::Counter64, "4294967298", Bytes({2, 0, 0, 0, 1, 0, 0, 0})},
        {KtSyn::IpAddress, "10.0.0.1", Bytes({10, 0, 0, 1})},
        {KtSyn::ObjectId, "1.3.256", Bytes({1, 0, 0, 0, 3, 0, 0, 0, 0, 1, 0, 0})},
        {KtSyn::OctetStr, "00FF", Bytes({0, 0xff})},
        {KtSyn::DisplayStr, "ab", QByteArray("ab")},
        {KtSyn::DateTime, "2007-5-26,13:30:15.0", Bytes({0x07, 0xd7, 5, 26, 13, 30, 15, 0, '+', 0, 0})},
        {KtSyn::Bool8, "true", Bytes({1})},
        {KtSyn::Int8, "-1", Bytes({0xff})},
        {KtSyn::Int8, "-128", Bytes({0x80})},
        {KtSyn::UInt8, "200", Bytes({200})},
        {KtSyn::UInt8, "255", Bytes({255})},
        {KtSyn::Bool16, "false", Bytes({0, 0})},
        {KtSyn::Int16, "-2", Bytes({0xff, 0xfe})},
        {KtSyn::UInt16, "65534", Bytes({0xff, 0xfe})},
        {KtSyn::Int16, "-32768", Bytes({0x80, 0x00})},
        {KtSyn::DisplayStr, "été", QByteArray("\xc3\xa9t\xc3\xa9")},
        {KtSyn::Double, "2.5", Bytes({0, 0, 0, 0, 0, 0, 4, 0x40})},
        {KtSyn::BcDateTime, "2007/05/26 01:30:00 pm", Bytes({0, 0, 0, 0, 0x92, 0x27, 0xe3, 0x40})},
        {KtSyn::Null, "(NULL)", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(TextToBytes(c.text, c.syntax), c.bytes);
        EXPECT_EQ(BytesToText(c.bytes, c.syntax), c.text);
    }
    EXPECT_EQ(BytesToText(Bytes({0xff, 0xfe}), KtSyn::Int16), "-2");
    EXPECT_EQ(BytesToText(Bytes({0xff, 0xfe}), KtSyn::UInt16), "65534");
    EXPECT_TRUE(TextToBytes("(NULL)", KtSyn::Integer).isEmpty());
    EXPECT_EQ(BytesToText({}, KtSyn::Integer), "(NULL)");
    EXPECT_EQ(BytesToText({}, KtSyn::DisplayStr), "");
    EXPECT_EQ(BytesToText(Bytes({1, 0, 0, 0, 7}), KtSyn::ObjectId), "1");  // partial sub-identifier dropped
}

TEST(Codec, ByteFormsTooShortOrUnknown)
{
    const struct {
        int syntax;
        int size;
    } shortCases[] = {{KtSyn::Integer, 3}, {KtSyn::IpAddress, 3}, {KtSyn::Counter64, 7}, {KtSyn::Double, 4},
                      {KtSyn::MacAddress, 5}, {KtSyn::DateTime, 10}, {KtSyn::Ipv6Address, 15}, {KtSyn::UInt16, 1}};
    for (const auto& c : shortCases) {
        SCOPED_TRACE(c.syntax);
        ExpectKtError(KtErr::BadPartialValue, [&] { BytesToText(QByteArray(c.size, '\1'), c.syntax); });
    }
    ExpectKtError(KtErr::BadSyntax, [&] { BytesToText(Bytes({1}), 0x99); });
    ExpectKtError(KtErr::BadSyntax, [&] { TextToBytes("1", 0x99); });
    ExpectKtError(KtErr::BadSyntax, [&] { GetChunk(Bytes({1}), 0, 0x99); });
}

TEST(Codec, ChunksAtAndPastTheEnd)
{
    const QByteArray four = Bytes({1, 2, 3, 4});
    EXPECT_EQ(GetChunk(four, 3, KtSyn::UInt8), Bytes({4}));
    EXPECT_EQ(BytesToText(GetChunk(four, 3, KtSyn::UInt8), KtSyn::UInt8), "4");
    ExpectKtError(KtErr::PartialOutOfRange, [&] { GetChunk(four, 4, KtSyn::UInt8); });
    ExpectKtError(KtErr::PartialOutOfRange, [&] { GetChunk(four, 3, KtSyn::UInt16); });
    ExpectKtError(KtErr::PartialOutOfRange, [&] { GetChunk(four, 1, KtSyn::Integer); });
    ExpectKtError(KtErr::PartialOutOfRange, [&] { GetChunk(four, -1, KtSyn::UInt8); });
    EXPECT_EQ(GetChunk(four, 0, KtSyn::Integer), four);
    EXPECT_EQ(GetChunk(four, 2, KtSyn::OctetStr), Bytes({3, 4}));
    EXPECT_EQ(GetChunk(four, 4, KtSyn::OctetStr), QByteArray());
    ExpectKtError(KtErr::PartialOutOfRange, [&] { GetChunk(four, 5, KtSyn::OctetStr); });
    EXPECT_TRUE(GetChunk({}, 9, KtSyn::Integer).isEmpty());
    EXPECT_TRUE(GetChunk(four, 2, KtSyn::Null).isEmpty());

    QByteArray b = Bytes({9});
    PutChunk(b, 2, Bytes({7, 8}));
    EXPECT_EQ(b, Bytes({9, 0, 7, 8}));
    PutChunk(b, 1, Bytes({5}));
    EXPECT_EQ(b, Bytes({9, 5, 7, 8}));
}

TEST(Codec, PortListBits)
{
    QByteArray ports;
    PutBit(ports, 9, true);  // port 10
    EXPECT_EQ(ports, Bytes({0x00, 0x40}));
    EXPECT_TRUE(GetBit(ports, 9));
    EXPECT_FALSE(GetBit(ports, 8));
    PutBit(ports, 0, true);
    EXPECT_EQ(ports, Bytes({0x80, 0x40}));
    PutBit(ports, 9, false);
    EXPECT_EQ(ports, Bytes({0x80, 0x00}));
    // Octets a short port list leaves out hold no ports.
    EXPECT_FALSE(GetBit(Bytes({0xff, 0xff}), 16));
    EXPECT_FALSE(GetBit({}, 0));
    ExpectKtError(KtErr::PartialOutOfRange, [&] { GetBit(ports, -1); });
}

TEST(Codec, FieldOfAVariable)
{
    const KtSNMPVar ports = MakeVar(KtSyn::OctetStr, "00FFFE01");
    EXPECT_EQ(FieldText(ports, 1, KtSyn::UInt8), "255");
    QByteArray field;
    EXPECT_EQ(FieldText(ports, 1, KtSyn::Int16, &field), "-2");
    EXPECT_EQ(field, Bytes({0xff, 0xfe}));
    EXPECT_EQ(FieldText(ports, 0, KtSyn::OctetStr), "00FFFE01");
    ExpectKtError(KtErr::PartialOutOfRange, [&] { FieldText(ports, 4, KtSyn::UInt8); });

    // Uncut: the raw value, mapped back through the option list.
    const KtSNMPVar state = MakeVar(KtSyn::Integer, "enabled", &olState);
    EXPECT_EQ(FieldText(state, 0, KtSyn::Integer), "3");
    EXPECT_EQ(FieldText(state, 0, KtSyn::UInt8), "3");
}

} // namespace
