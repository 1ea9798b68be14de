#pragma once
// Edit constraints: a short format specifier attached to a line edit says what may be typed
// into it, how long the text may be and what range its value must lie in.
//
//   %<type>[{items}]   type: f real, h hex digits, i integer, u unsigned, s any text,
//                      n<c> numbers delimited by the character c
//   items: l<digits>[a][f][n]  length (numbers for n) and flags: a auto-advance,
//                               f fixed length, n not empty
//          n<number> minimum   x<number> maximum   w<digits> width   e<char> skip character
//
// e.g. "%i{n0x255l3}", "%s{l16}", "%n,{l4}", "%i{e.}". Characters that do not fit are removed
// while typing (with a beep); leaving a field with a wrong value shows a message box, puts
// the last good text back and returns the focus to the field.
#include <QLineEdit>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QValidator>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

class QEvent;

// ---- Format specifiers and the checks themselves (no widgets involved) ----

// Flag bits of a specifier's "l" item.
enum KtEditFlag : unsigned char {
    KtEditAutoAdvance = 1,  // 'a': move to the next field once the length is typed
    KtEditFixedLength = 2,  // 'f': the text (or number count) must have exactly the length
    KtEditNotEmpty = 4,     // 'n': an empty text is refused on leaving
};

// One parsed specifier.
struct KtEditFormat {
    char type = 's';         // 'f', 'h', 'i', 'n', 's' or 'u'
    QChar delimiter;         // list delimiter of type 'n', else null
    double minimum = 0;
    double maximum = 0;
    int length = 0;          // maximum text length (number count for 'n'); 0 = none
    unsigned char flags = 0; // KtEditFlag bits
    QChar skip;              // typed character that moves to the next field; null = none
    int width = 0;           // edit width in pixels; 0 = leave as it is
};

// Parses one specifier; a malformed one raises -2 "Bad format specifier of edit's constraint!".
KtEditFormat ParseEditFormat(const QString& specifier);

// Splits a compound format into its specifiers: every "%" after the first character starts a
// new one ("%i%i%i%i" gives four). Text between specifiers stays with the one before it.
QStringList SplitEditFormats(const QString& compound);

// "(NOTDONE)" and "(NULL)", the marker texts the binding layer writes into fields; constraints
// leave them alone.
bool IsEditMarkerText(const QString& text);

// The text with every character removed that the type does not allow at its place (the
// check while typing). When cursor is given, it is moved left by the removed characters that
// stood before it.
QString CleanTypedText(const KtEditFormat& format, const QString& text, int* cursor = nullptr);

// The check on leaving a field.
struct KtLeaveCheck {
    enum Result {
        Skipped,        // marker text: not checked
        AcceptedEmpty,  // empty text without the not-empty flag: nothing more happens
        Accepted,
        Failed,         // message holds the catalogue text with its placeholders filled
    };
    Result result = Skipped;
    QString message;
};
KtLeaveCheck CheckOnLeaving(const KtEditFormat& format, const QString& text);

// ---- Constraints on the line edits of one form ----

// One constrained edit.
struct EditConstraint_s {
    using Handler = std::function<void(QLineEdit*)>;

    QPointer<QLineEdit> edit;
    KtEditFormat format;
    QString lastGood;          // put back when the check on leaving fails
    Handler changeHandler;     // runs after the typing check (see SetChangeHandler)
    Handler exitHandler;       // runs after an accepted check on leaving (see SetExitHandler)

    // Bookkeeping of the hooks.
    QPointer<QValidator> lengthValidator;
    QPointer<const QValidator> savedValidator;
    QMetaObject::Connection textConnection;
    QMetaObject::Connection destroyConnection;
    qsizetype seenLength = 0;  // text length after the last change
    int userInput = 0;         // > 0 while the edit handles a key, paste or drop
    bool inChange = false;
    bool changePending = false;
    bool removed = false;
};

class KtEditConstraint : public QObject {
    Q_OBJECT
public:
    using Handler = EditConstraint_s::Handler;
    // owner: the window that parents the message boxes and whose focus moves on to the next
    // field; remember: every accepted text becomes the field's last good text.
    KtEditConstraint(QWidget* owner, bool remember);
    ~KtEditConstraint() override;

    // Parses specifier and constrains edit with it (replacing a constraint the edit already has):
    // applies width and maximum length and hooks the edit's changes and focus loss.
    // Raises -2 for a malformed specifier, leaving the edit untouched.
    void AddConstraint(const QString& specifier, QLineEdit* edit);
    // One specifier of the compound format per edit, in order. Every specifier is parsed
    // before any edit is touched; more specifiers than edits raises -2.
    void AddConstraints(const QString& compound, const std::vector<QLineEdit*>& edits);
    // Unhooks the edit and deletes its record; its change and exit handlers go back onto the
    // edit's own signals.
    void RemoveConstraint(QLineEdit* edit);
    void SetOwner(QWidget* owner);
    QWidget* Owner() const { return m_owner; }
    // The edit's current text becomes its last good text.
    void SaveLastGood(QLineEdit* edit);

    // Handlers that must see the edit after its check: the change handler runs after every
    // typing check that kept the text; the exit handler after every accepted check on
    // leaving. A handler that sets the edit's "tag" property to -1 stops the rest of the check
    // (no auto-advance; on leaving the last good text comes back).
    void SetChangeHandler(QLineEdit* edit, Handler handler);
    void SetExitHandler(QLineEdit* edit, Handler handler);

    // The record of an edit, or null.
    const EditConstraint_s* Find(const QLineEdit* edit) const;
    int Count() const { return static_cast<int>(m_records.size()); }

    // Caption of the message boxes (shown through KtMessageService, KtNML/KtMessages.h): the
    // program's file name without folder.
    static QString MessageCaption();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::shared_ptr<EditConstraint_s> FindShared(const QObject* edit) const;
    void Attach(QLineEdit* edit, const KtEditFormat& format);
    void Detach(const std::shared_ptr<EditConstraint_s>& rec, bool restoreHandlers);
    void OnTextChanged(const std::shared_ptr<EditConstraint_s>& rec);
    void TypingCheck(const std::shared_ptr<EditConstraint_s>& rec);
    void LeavingCheck(const std::shared_ptr<EditConstraint_s>& rec);
    void PostMoveNext(QLineEdit* from);

    QPointer<QWidget> m_owner;
    bool m_remember;
    std::vector<std::shared_ptr<EditConstraint_s>> m_records;
};

// Name of the dynamic property that plays the part of the edit's tag.
inline constexpr const char* kKtEditTagProperty = "tag";
