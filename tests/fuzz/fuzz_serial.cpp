// Date-time serial ("bcdatetime") texts: arbitrary text through the locale-aware parser, and
// arbitrary doubles through the display form, which must parse back to the same second.
#include "KtNML/KtDateTime.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    double serial = 0;
    KtSerialFromText(QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size)), serial);

    if (size >= 8) {
        double d;
        std::memcpy(&d, data, 8);
        const QString text = KtSerialToText(d);
        QDate date;
        QTime time;
        // Serials between -1 and 0 name the same moments as their positive counterparts.
        if (KtSerialToDateTime(d, date, time) && !(d > -1 && d < 0)) {
            double back = 0;
            if (!KtSerialFromText(text, back))
                std::abort();
            if (std::fabs(back - d) > 1.5 / 86400)
                std::abort();
        }
    }
    return 0;
}
