#pragma once
// TSummerTimeForm: the switch's daylight-saving settings in a hosted scalar-group editor: the
// status (disable, repeating, annual), the offset, and the start and end of the repeating rule
// (week, weekday and month, time) and of the annual rule (day and month, time). The start and
// end rows are composite: drop-down lists and edits bound to the octets of one value. Only the
// rows of the chosen rule are shown. Refresh reads the status first, then the offset and the
// chosen rule; Set writes the status first, then the offset and the chosen rule.
#include "dialogs/DialogBase.h"

#include <QString>

#include <array>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class TSNMPEditorPanel;

class TSummerTimeForm : public TDialogBase {
    Q_OBJECT
public:
    static const KtDialogType Type;  // its menu command's dialog
    // Rows of the editor.
    enum { kStatusRow = 0, kOffsetRow = 1, kRepeatStart = 2, kRepeatEnd = 3, kAnnualStart = 4, kAnnualEnd = 5,
           kRowCount = 6 };
    static constexpr int kEditWidth = 240;

    static inline const QString kChooseStatus = QStringLiteral("Please choose Summer Time Status.");
    static inline const QString kBadOffset = QStringLiteral("Summer Time Offset must chosed from {30, 60, 90, 120}.");
    static inline const QString kTimeError = QStringLiteral("Time error.");
    static inline const QString kSameMonth = QStringLiteral("From month and To month should not be the same.");
    static inline const QString kEmptyItems = QStringLiteral("Some items are empty!");

    explicit TSummerTimeForm(QWidget* owner, bool enlarge = false);

    // The "Refresh" button: the status, then the offset and the rows of the status read.
    void Refresh();
    // The "Set" button: the checks, then the status, then the offset and the chosen rule.
    void Set(QPushButton* pressed = nullptr);
    // Shows the start and end rows of the rule the status drop-down names, hides and unticks
    // the others.
    void ShowModeRows();

    // Days in a month 1..12 (February 28: the switch keeps no leap years), 0 for others.
    static int MonthLength(int month);

    // The controls of one composite row; the repeating rule has no day, the annual rule no
    // week and weekday.
    struct RuleControls {
        QComboBox* Week = nullptr;
        QComboBox* Weekday = nullptr;
        QComboBox* Month = nullptr;
        QLineEdit* Day = nullptr;
        QLineEdit* Hour = nullptr;
        QLineEdit* Minute = nullptr;
    };
    // Rows 2 to 5.
    RuleControls& Rule(int row) { return m_rules[std::size_t(row - kRepeatStart)]; }

    TSNMPEditorPanel* Editor = nullptr;
    QComboBox* StatusCombo = nullptr;
    KtSNMPRequest2Edits* Request() const { return m_request; }

private:
    void FormCreate();
    void BuildRepeatingRow(int row);
    void BuildAnnualRow(int row);
    // Checks in order, each failure with its message; false (nothing shown) when no status is
    // chosen and its row is unticked.
    bool CheckInput();
    // Times of a ticked rule row: complete, day within the month (annual), hour and minute.
    bool CheckRule(int row, bool annual);
    bool CheckRulePair(int start, int end, bool annual);
    bool Ticked(int row) const;
    void Include(int row, bool included);
    // The rows of the chosen rule (none for "disable" or no choice).
    std::vector<int> ModeRows() const;

    KtSNMPRequest2Edits* m_request = nullptr;
    std::array<RuleControls, 4> m_rules;
    bool m_reading = false;
};
