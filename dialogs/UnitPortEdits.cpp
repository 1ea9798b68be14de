#include "dialogs/UnitPortEdits.h"

#include "KtNML/KtMessages.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRegularExpression>
#include <QRegularExpressionValidator>

namespace UnitPorts {

namespace {
constexpr const char* kModel = "VKR-2207";
constexpr int kModelPorts = 10;
} // namespace

UnitList StandaloneUnits()
{
    return {UnitInfo{1, kModelPorts, QLatin1String(kModel)}};
}

const UnitInfo* FindUnit(const UnitList& units, int unit)
{
    for (const UnitInfo& info : units)
        if (info.unit == unit)
            return &info;
    return nullptr;
}

int Encode(int unit, int port, int perUnit)
{
    return port + perUnit * unit - perUnit;
}

std::optional<UnitPort> Decode(qint64 n, int perUnit)
{
    if (n < 0 || perUnit <= 0)
        return std::nullopt;
    if (n == 0)
        return UnitPort{0, 0};
    if (n % perUnit == 0)
        return UnitPort{int(n / perUnit), perUnit};
    return UnitPort{int(n / perUnit) + 1, int(n % perUnit)};
}

std::optional<UnitPort> DecodeText(const QString& text, int perUnit)
{
    static const QRegularExpression whole(QStringLiteral("^-?[0-9]{1,18}$"));
    if (!whole.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const qint64 n = text.toLongLong(&ok);
    if (!ok)
        return std::nullopt;
    return Decode(n, perUnit);
}

std::optional<int> DigitsValue(const QString& text)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    bool ok = false;
    const int n = text.toInt(&ok);
    if (!ok)
        return std::nullopt;
    return n;
}

} // namespace UnitPorts

void TDigitFilter::Install(QLineEdit* edit)
{
    auto* filter = new TDigitFilter(edit);
    edit->installEventFilter(filter);
    // Paste and drop go through the validator: text with a letter in it does not get in.
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), edit));
}

bool TDigitFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    // Keys without a character (arrows, Home, Delete) and control characters (backspace,
    // Ctrl+C, Ctrl+V) keep their editing role.
    if (text.isEmpty() || (key->modifiers() & Qt::ControlModifier) || !text.at(0).isPrint())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9') {
            KtMessageService().Beep();
            return true;
        }
    }
    return false;
}

TUnitPortEdits::TUnitPortEdits(QLineEdit* unitEdit, QLineEdit* portEdit, int perUnit)
    : m_unit(unitEdit), m_port(portEdit), m_perUnit(perUnit)
{
    TDigitFilter::Install(m_unit);
    TDigitFilter::Install(m_port);
}

void TUnitPortEdits::ShowNumber(const QString& logicalText)
{
    const std::optional<UnitPorts::UnitPort> pair = UnitPorts::DecodeText(logicalText, m_perUnit);
    if (!pair) {
        Clear();
        return;
    }
    m_unit->setText(QString::number(pair->unit));
    m_port->setText(QString::number(pair->port));
}

void TUnitPortEdits::Clear()
{
    m_unit->clear();
    m_port->clear();
}
