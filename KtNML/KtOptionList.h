#pragma once
// Option lists: enumerations that pair raw SNMP values with the words shown to the operator.
//
// Lists are built once from static tables (value/text pairs ended by a pair whose text is
// null) into global objects, and variable definitions only point at them:
//
//   constexpr KtOptionPair kAdminStatePairs[] = {{1, "other"}, {2, "disabled"}, {3, "enabled"}, {}};
//   const KtOptionList olAdminState(kAdminStatePairs);
//
// A list is immutable after construction.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <initializer_list>
#include <vector>

// Kinds of option value.
namespace KtOptValue {
enum : std::uint32_t {
    Integer = 1,  // values are 32-bit integers
    Text = 2,     // values are whole texts (e.g. protocol OIDs)
    Prefix = 3,   // values are text prefixes; the rest of a value passes unchanged
};
}

// One pair of an integer option table. The terminator is {} (text null).
struct KtOptionPair {
    std::int32_t value = 0;
    const char* text = nullptr;
};

// One pair of a text option table (value kinds Text and Prefix). The terminator is {}.
struct KtOptionTextPair {
    const char* value = nullptr;
    const char* text = nullptr;
};

struct KtOption {
    std::int32_t value = 0;  // integer lists
    QString valueText;       // text and prefix lists; the decimal value for integer lists
    QString text;
};

class KtOptionList {
public:
    // Integer list. A null table gives an empty list.
    explicit KtOptionList(const KtOptionPair* table, bool caseSensitive = false);
    KtOptionList(std::initializer_list<KtOptionPair> pairs, bool caseSensitive = false);
    // Text or prefix list (valueType KtOptValue::Text or ::Prefix).
    KtOptionList(const KtOptionTextPair* table, std::uint32_t valueType, bool caseSensitive = false);

    KtOptionList(const KtOptionList&) = delete;
    KtOptionList& operator=(const KtOptionList&) = delete;

    // Appends a further table (stops at its terminator).
    void Add(const KtOptionPair* table);
    void Add(const KtOptionTextPair* table);

    std::uint32_t ValueType() const { return m_valueType; }
    bool CaseSensitivity() const { return m_caseSensitive; }
    int Count() const { return int(m_options.size()); }
    const KtOption& Option(int i) const { return m_options[std::size_t(i)]; }

    // Index of the first option whose text matches, or -1.
    int IndexOfText(const QString& text) const;
    // Index of the first option whose value matches the value given as text, or -1.
    int IndexOfValue(const QString& valueText) const;

    // Raw value -> display text; a value not in the list passes unchanged.
    QString ValueToText(const QString& valueText) const;
    // Display text -> raw value; a text not in the list passes unchanged.
    QString TextToValue(const QString& text) const;

    // All option texts in list order (item k of a filled control is option k).
    QStringList Texts() const;
    // The index a control shows for a text: IndexOfText, else IndexOfValue, else -1.
    int SelectionIndex(const QString& text) const;

    // Works with any control offering clear(), addItems(QStringList) and setCurrentIndex(int)
    // (combo boxes, the radio-group control), so this header needs no widget module.
    template <class Control> void FillComboBox(Control& combo) const { Fill(combo); }
    template <class Control> void SelectComboBox(Control& combo, const QString& text) const
    {
        combo.setCurrentIndex(SelectionIndex(text));
    }
    template <class Control> void FillRadioGroup(Control& group) const { Fill(group); }
    template <class Control> void SelectRadioGroup(Control& group, const QString& text) const
    {
        group.setCurrentIndex(SelectionIndex(text));
    }

private:
    template <class Control> void Fill(Control& c) const
    {
        c.clear();
        c.addItems(Texts());
    }
    bool WholeMatch(const QString& a, const QString& b) const;
    // True when text begins with prefix.
    bool PrefixMatch(const QString& text, const QString& prefix) const;

    std::uint32_t m_valueType;
    bool m_caseSensitive;
    std::vector<KtOption> m_options;
};

// Strict whole-number conversion: optional sign and decimal digits only, within 32 bits.
bool KtStrictToInt(const QString& text, std::int32_t& out);
