#pragma once
// A port as the operator types it: a unit number and a port number in two digit-only edits,
// checked against the units the dialog knows, and the one logical port number the switch's
// MIB uses for the pair. Two encodings are in use: 64 ports per unit (the mirror target) and
// 32 per unit (trunk masters, port-security and filtering entries).
#include <QObject>
#include <QString>

#include <optional>
#include <vector>

class QLineEdit;

namespace UnitPorts {

inline constexpr int kMirrorPortsPerUnit = 64;
inline constexpr int kTrunkPortsPerUnit = 32;
// Unit numbers a stack may have at all.
inline constexpr int kMaxUnit = 12;

struct UnitPort {
    int unit = 0;
    int port = 0;
    bool operator==(const UnitPort&) const = default;
};

// One unit of the switch: its number, its port count and its model.
struct UnitInfo {
    int unit = 0;
    int ports = 0;
    QString model;
};
using UnitList = std::vector<UnitInfo>;

// The units this module manages: unit 1, the VKR-2207 with its ten front-panel ports.
UnitList StandaloneUnits();
// The record of unit, or null.
const UnitInfo* FindUnit(const UnitList& units, int unit);

// n = port + perUnit * (unit - 1).
int Encode(int unit, int port, int perUnit);
// The pair for n: 0 is unit 0 port 0 (no port); a multiple of perUnit is the last port of its
// unit. A negative n (nothing the switch can mean) gives nullopt.
std::optional<UnitPort> Decode(qint64 n, int perUnit);
// The same for a text: a whole number, else nullopt ("", "(NULL)", "12x").
std::optional<UnitPort> DecodeText(const QString& text, int perUnit);
// A text of digits only as a number; nullopt for anything else (empty, signs, blanks, too
// large for an int).
std::optional<int> DigitsValue(const QString& text);

} // namespace UnitPorts

// Digits only: a typed character other than 0-9 is dropped with a beep (editing and
// shortcut keys pass), and pasted or dropped text with anything but digits is refused whole.
class TDigitFilter : public QObject {
    Q_OBJECT
public:
    // Installs itself on edit (and a validator), owned by the edit.
    static void Install(QLineEdit* edit);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};

// The unit and port edits of a dialog: both digit-filtered; showing a logical port number
// splits it, and a text that is no number empties both.
class TUnitPortEdits {
public:
    TUnitPortEdits(QLineEdit* unitEdit, QLineEdit* portEdit, int perUnit);

    void ShowNumber(const QString& logicalText);
    void Clear();

    QLineEdit* UnitEdit() const { return m_unit; }
    QLineEdit* PortEdit() const { return m_port; }
    int PerUnit() const { return m_perUnit; }

private:
    QLineEdit* m_unit;
    QLineEdit* m_port;
    int m_perUnit;
};
