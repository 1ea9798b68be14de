// Values spread over several edits: the parts each edit shows, the text joined back from what
// the operator typed, how many edits a syntax uses, and the refusals.
#include "KtNML/KtDateTime.h"
#include "KtNML/KtSNMPVarList.h"
#include "KtNML/KtSpreadValue.h"
#include "KtNML/KtValueCodec.h"
#include "tests/KtNML/KtTestHelpers.h"

#include <QDate>
#include <QStringList>
#include <QTime>
#include <gtest/gtest.h>

#include <vector>

namespace {

inline void PrintTo(const QStringList& l, std::ostream* os)
{
    *os << '[' << l.join(u'|').toStdString() << ']';
}

QString Stamp(int y, int mo, int d, int h, int mi, int s, int ms)
{
    return KtSerialToText(KtSerialFromDateTime(QDate(y, mo, d), QTime(h, mi, s, ms)));
}

// A value split over its edits (its byte form as the codec makes it) and joined back.
struct RoundTrip {
    const char* name;
    int syntax;
    int edits;
    QString value;
    QStringList parts;  // what the used edits show
    QString joined;     // what the same parts read back as
};

std::vector<RoundTrip> RoundTrips()
{
    return {
        {"ipaddress", KtSyn::IpAddress, 4, "10.0.0.1", {"10", "0", "0", "1"}, "10.0.0.1"},
        {"ipaddress_extra_edits", KtSyn::IpAddress, 6, "192.168.1.254", {"192", "168", "1", "254"}, "192.168.1.254"},
        {"macaddress", KtSyn::MacAddress, 6, "0050BA22070A", {"00", "50", "BA", "22", "07", "0A"}, "0050BA22070A"},
        {"timeticks", KtSyn::TimeTicks, 5, "1 day 2:03:04.05", {"1", "2", "3", "4", "5"}, "1 day 2:03:04.05"},
        {"timeticks_zero", KtSyn::TimeTicks, 5, "0:00:00.00", {"0", "0", "0", "0", "0"}, "0:00:00.00"},
        {"octetstr", KtSyn::OctetStr, 3, "0A0B0C", {"0A", "0B", "0C"}, "0A0B0C"},
        // Edits past the bytes stay empty and read back as zero bytes.
        {"octetstr_short", KtSyn::OctetStr, 4, "0AFF", {"0A", "FF", "", ""}, "0AFF0000"},
        {"objectid", KtSyn::ObjectId, 4, "1.3.6.1", {"1", "3", "6", "1"}, "1.3.6.1"},
        {"datetime", KtSyn::DateTime, 10, "2026-12-10,4:5:6.7,-3:30",
         {"2026", "12", "10", "4", "5", "6", "7", "-", "3", "30"}, "2026-12-10,4:5:6.7,-3:30"},
        {"bcdatetime", KtSyn::BcDateTime, 7, Stamp(2026, 12, 10, 4, 5, 6, 0),
         {"2026", "12", "10", "4", "5", "6", "0"}, Stamp(2026, 12, 10, 4, 5, 6, 0)},
        // A syntax with no parts of its own shows its text in the first edit only.
        {"integer", KtSyn::Integer, 3, "42", {"42"}, "42"},
    };
}

void PrintTo(const RoundTrip& c, std::ostream* os)
{
    *os << c.name;
}

class SpreadRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(SpreadRoundTrip, SplitsIntoTheUsedEditsAndJoinsBack)
{
    const RoundTrip& c = GetParam();
    const QByteArray bytes = TextToBytes(c.value, c.syntax);
    EXPECT_EQ(KtSpreadUsedParts(c.syntax, c.edits), c.parts.size());
    const std::optional<QStringList> parts = KtSplitValue(c.syntax, c.value, bytes, c.edits);
    ASSERT_TRUE(parts.has_value());
    EXPECT_EQ(*parts, c.parts);
    EXPECT_EQ(KtJoinValue(c.syntax, c.parts), c.joined);
}

INSTANTIATE_TEST_SUITE_P(Syntaxes, SpreadRoundTrip, ::testing::ValuesIn(RoundTrips()),
                         [](const auto& info) { return std::string(info.param.name); });

// What the operator typed, joined as it is to be sent (or refused by the codec, naming the
// variable, when it is no value).
TEST(SpreadValue, TypedPartsJoinAsTheirSyntaxReadsThem)
{
    const struct {
        int syntax;
        QStringList typed;
        QString joined;
    } cases[] = {
        {KtSyn::OctetStr, {"A", "", "1f", "00"}, "0A001f00"},  // padded, empty is a zero byte; the codec reads the case
        {KtSyn::MacAddress, {"0", "1", "2", "3", "4", "5"}, "000102030405"},
        {KtSyn::IpAddress, {" 10", "0", "0", "7 "}, "10.0.0.7"},
        {KtSyn::IpAddress, {"999", "1", "1", "1"}, "999.1.1.1"},
        {KtSyn::IpAddress, {"10", "", "0", "1"}, "10..0.1"},
        {KtSyn::TimeTicks, {"0", "1", "2", "3", "4"}, "1:02:03.04"},
        {KtSyn::TimeTicks, {"1", "x", "0", "0", "0"}, "1 days, x:0:0.0"},
        {KtSyn::TimeTicks, {"500", "0", "0", "0", "0"}, "500 days, 0:0:0.0"},  // beyond 32 bits of ticks
        {KtSyn::TimeTicks, {"1", "", "0", "0", "0"}, "1 days, :0:0.0"},
        {KtSyn::DateTime, {"2026", "1", "2", "3", "4", "5", "6", "", "0", "0"}, "2026-1-2,3:4:5.6,+0:0"},
        {KtSyn::ObjectId, {"1", "3", "6"}, "1.3.6"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.join(u'|').toStdString());
        EXPECT_EQ(KtJoinValue(c.syntax, c.typed), c.joined);
    }
}

TEST(SpreadValue, AddressesAndTimesNotReadLeaveTheirEdits)
{
    for (int syntax : {KtSyn::IpAddress, KtSyn::MacAddress, KtSyn::TimeTicks, KtSyn::DateTime, KtSyn::BcDateTime}) {
        SCOPED_TRACE(syntax);
        EXPECT_FALSE(KtSplitValue(syntax, QString(KtNullText), QByteArray(), 16).has_value());
    }
    // A byte string has no such marker: its edits are cleared.
    const std::optional<QStringList> bytes = KtSplitValue(KtSyn::OctetStr, "", QByteArray(), 2);
    ASSERT_TRUE(bytes.has_value());
    EXPECT_EQ(*bytes, QStringList({"", ""}));
}

TEST(SpreadValue, TooFewEditsOrBytesAreRefused)
{
    const struct {
        int syntax;
        int edits;
        QByteArray bytes;
        int code;
    } splits[] = {
        {KtSyn::IpAddress, 3, Bytes({10, 0, 0, 1}), KtErr::NotEnoughControls},
        {KtSyn::TimeTicks, 4, Bytes({0, 0, 0, 0}), KtErr::NotEnoughControls},
        {KtSyn::MacAddress, 5, Bytes({0, 1, 2, 3, 4, 5}), KtErr::NotEnoughControls},
        {KtSyn::Ipv6Address, 15, QByteArray(16, '\0'), KtErr::NotEnoughControls},
        {KtSyn::DateTime, 9, QByteArray(11, '\0'), KtErr::NotEnoughControls},
        {KtSyn::BcDateTime, 6, QByteArray(), KtErr::NotEnoughControls},
        {KtSyn::IpAddress, 4, Bytes({10, 0, 0}), KtErr::BadPartialValue},
        {KtSyn::MacAddress, 6, Bytes({0, 1, 2}), KtErr::BadPartialValue},
        {KtSyn::TimeTicks, 5, Bytes({1, 2}), KtErr::BadPartialValue},
    };
    for (const auto& c : splits) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << ", " << c.edits << " edits");
        ExpectKtError(c.code, [&] { KtSplitValue(c.syntax, "x", c.bytes, c.edits); });
        if (c.code == KtErr::NotEnoughControls)
            ExpectKtError(c.code, [&] { KtJoinValue(c.syntax, QStringList(c.edits, "1")); });
    }
    ExpectKtError(KtErr::BadPartialValue, [] { KtJoinValue(KtSyn::BcDateTime, {"2026", "2", "30", "0", "0", "0", "0"}); });
}

TEST(SpreadValue, UsedEditsBySyntax)
{
    const struct {
        int syntax;
        int edits;
        int used;
    } cases[] = {
        {KtSyn::OctetStr, 5, 5}, {KtSyn::BitStr, 2, 2},      {KtSyn::ObjectId, 7, 7},
        {KtSyn::IpAddress, 6, 4}, {KtSyn::MacAddress, 8, 6},  {KtSyn::Ipv6Address, 16, 16},
        {KtSyn::TimeTicks, 5, 5}, {KtSyn::DateTime, 12, 10},  {KtSyn::BcDateTime, 7, 7},
        {KtSyn::Integer, 3, 1},   {KtSyn::DisplayStr, 2, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "syntax " << c.syntax << ", " << c.edits << " edits");
        EXPECT_EQ(KtSpreadUsedParts(c.syntax, c.edits), c.used);
    }
}

} // namespace
