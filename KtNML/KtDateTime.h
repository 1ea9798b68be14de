#pragma once
// Date and time values of the framework: the 11-byte DateAndTime (KtDateTime) and the
// date-time serial (days since 1899-12-30, time of day as the fraction) of "bcdatetime".
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QTime>
#include <cstdint>

class KtDateTime {
public:
    // The current local date and time, deci-seconds 0, direction '+', offset 0:0.
    KtDateTime();
    // Parses "y-m-d,h:m:s.d,+h:m", "y-m-d,h:m:s.d,-h:m" or "y-m-d,h:m:s.d" (offset 0:0, '+').
    // Numbers are stored truncated to their field width; fields the text does not provide
    // are 0.
    explicit KtDateTime(const QString& text);

    // From the 11-byte form (year in network order); missing bytes count as 0 and bytes
    // beyond the eleventh are ignored.
    static KtDateTime FromBytes(const QByteArray& bytes);
    QByteArray ToBytes() const;
    // "y-m-d,h:m:s.d", followed by ",<dir>h:m" when the offset is not 0:0.
    QString ToText() const;

    std::uint16_t year = 0;
    std::uint8_t month = 0;
    std::uint8_t day = 0;
    std::uint8_t hour = 0;
    std::uint8_t minutes = 0;
    std::uint8_t seconds = 0;
    std::uint8_t deciSeconds = 0;
    char direction = '+';
    std::uint8_t utcHours = 0;
    std::uint8_t utcMinutes = 0;

private:
    struct Raw {};
    explicit KtDateTime(Raw) {}
};

// Date-time serial of a local date and time (milliseconds kept).
double KtSerialFromDateTime(const QDate& date, const QTime& time);
// Date and time of a serial; false when it lies outside the years 100 to 9999 or is not finite.
// A negative serial counts whole days back from 1899-12-30 and its fraction as the time of
// day, as the serial format has always done.
bool KtSerialToDateTime(double serial, QDate& date, QTime& time);
// Current local date and time as a serial.
double KtNowSerial();

// Display text of a serial: "yyyy/MM/dd hh:mm:ss ap" (12-hour clock, "am"/"pm"). A serial
// that is no date (outside years 100..9999, infinite, NaN) shows as its real text instead.
QString KtSerialToText(double serial);
// Parses a date-time text. Accepted, in this order: the display form above (also with a
// 24-hour "HH:mm:ss" time, or the date alone), then the user's locale short and long
// date-time formats (QLocale::system()); two-digit years of a locale format fall in
// 1950..2049. False when nothing matches.
bool KtSerialFromText(const QString& text, double& serial);
