#include "KtNML/KtEditConstraint.h"

#include "KtNML/KtMessages.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtSupport.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFocusEvent>
#include <QLineEdit>
#include <QValidator>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

constexpr double kRealMin = 2.2250738585072014e-308;  // smallest positive normal double
constexpr double kRealMax = 1.7976931348623157e+308;
constexpr double kUInt32Max = 4294967295.0;

[[noreturn]] void BadFormat()
{
    KtRaise(KtErr::BadConstraintFormat);
}

bool IsDigit(QChar c)
{
    return c.unicode() >= u'0' && c.unicode() <= u'9';
}

bool IsHexDigit(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'0' && u <= u'9') || (u >= u'A' && u <= u'F') || (u >= u'a' && u <= u'f');
}

bool IsNumberChar(QChar c)
{
    return IsDigit(c) || c == u'-' || c == u'.';
}

int ToWhole(QStringView digits)
{
    bool ok = false;
    const int v = digits.isEmpty() ? 0 : digits.toInt(&ok);
    if (!ok)
        BadFormat();
    return v;
}

double ToReal(QStringView number)
{
    bool ok = false;
    const double v = number.isEmpty() ? 0 : number.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        BadFormat();
    return v;
}

// Bounds in messages: the shortest general form with up to 15 significant digits.
QString RealText(double v)
{
    return QString::number(v, 'g', 15);
}

// A bound of type 'n' truncated to a whole number (+0.0 turns -0 into 0).
QString WholeText(double v)
{
    return QString::number(std::trunc(v) + 0.0, 'f', 0);
}

unsigned int ToUInt32(double v)
{
    v = std::trunc(v);
    if (!(v > 0))
        return 0;
    if (v >= kUInt32Max)
        return 4294967295u;
    return static_cast<unsigned int>(v);
}

KtLeaveCheck Fail(int index, std::initializer_list<std::pair<const char*, QString>> fields)
{
    QString text = KtFamilyText(KtMsgFamily::Common, index);
    for (const auto& [placeholder, value] : fields)
        text = ReplaceAll(text, QString::fromLatin1(placeholder), value);
    return {KtLeaveCheck::Failed, text};
}

bool TagIsMinusOne(const QLineEdit* edit)
{
    return edit && edit->property(kKtEditTagProperty).toInt() == -1;
}

// Focus losses that are not the operator leaving the field: the window losing activation
// (another program, or our own message box) and menus opening.
bool IsLeavingReason(Qt::FocusReason reason)
{
    return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason &&
           reason != Qt::MenuBarFocusReason;
}

// > 0 while a failed check is being reported: focus moves that the report itself causes
// (the message box, giving the focus back) must not start checks of other fields.
int g_reportingFailure = 0;

void ShowMessage(QWidget* owner, const QString& text)
{
    KtMessageService().Plain(owner, KtEditConstraint::MessageCaption(), text);
}

void Beep()
{
    KtMessageService().Beep();
}

// Limits what the operator types or pastes to the specifier's length, like an edit's own
// text limit: text set by the program is never cut (a read may write "(NOTDONE)" into a
// three-digit field), and deleting from an over-long text stays possible.
class KtLengthValidator : public QValidator {
public:
    KtLengthValidator(QLineEdit* edit, std::weak_ptr<EditConstraint_s> rec, QObject* parent)
        : QValidator(parent), m_edit(edit), m_rec(std::move(rec))
    {
    }

    State validate(QString& input, int& /*pos*/) const override
    {
        const auto rec = m_rec.lock();
        // setText() clears the modified state before validating, typing and pasting set it.
        if (rec && m_edit && m_edit->isModified() && input.size() > rec->format.length &&
            input.size() > rec->seenLength)
            return Invalid;
        return Acceptable;
    }

private:
    QPointer<QLineEdit> m_edit;
    std::weak_ptr<EditConstraint_s> m_rec;
};

// Runs a handler on every focus loss of an edit whose constraint was removed.
class KtExitHook : public QObject {
public:
    KtExitHook(QLineEdit* edit, EditConstraint_s::Handler handler)
        : QObject(edit), m_edit(edit), m_handler(std::move(handler))
    {
        edit->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_edit && event->type() == QEvent::FocusOut &&
            IsLeavingReason(static_cast<QFocusEvent*>(event)->reason()))
            m_handler(m_edit);
        return false;
    }

private:
    QLineEdit* m_edit;
    EditConstraint_s::Handler m_handler;
};

} // namespace

// ---- Format specifiers ----

KtEditFormat ParseEditFormat(const QString& specifier)
{
    if (specifier.size() < 2 || specifier.at(0) != u'%')
        BadFormat();
    KtEditFormat f;
    qsizetype pos = 2;
    switch (specifier.at(1).unicode()) {
    case u'f':
    case u'h':
    case u's':
        f.minimum = kRealMin;
        f.maximum = kRealMax;
        break;
    case u'i':
        f.minimum = -2147483648.0;
        f.maximum = 2147483647.0;
        break;
    case u'u':
        f.minimum = 0;
        f.maximum = kUInt32Max;
        break;
    case u'n':
        if (specifier.size() < 3)
            BadFormat();
        f.minimum = 0;
        f.maximum = kUInt32Max;
        f.delimiter = specifier.at(2);
        pos = 3;
        break;
    default:
        BadFormat();
    }
    f.type = static_cast<char>(specifier.at(1).unicode());
    if (pos == specifier.size())
        return f;
    if (specifier.at(pos) != u'{' || specifier.back() != u'}' || specifier.size() - pos < 2)
        BadFormat();

    const QStringView body = QStringView(specifier).mid(pos + 1, specifier.size() - pos - 2);
    qsizetype i = 0;
    const auto run = [&](bool (*belongs)(QChar)) {
        const qsizetype start = i;
        while (i < body.size() && belongs(body.at(i)))
            ++i;
        return body.mid(start, i - start);
    };
    while (i < body.size()) {
        switch (body.at(i++).unicode()) {
        case u'l': {
            f.length = ToWhole(run(IsDigit));
            // Up to three flag letters directly after the digits. Repeating a letter sets
            // its flag once ("aa" must not turn into 'f').
            for (int n = 0; n < 3 && i < body.size(); ++n, ++i) {
                const char16_t c = body.at(i).unicode();
                if (c == u'a')
                    f.flags |= KtEditAutoAdvance;
                else if (c == u'f')
                    f.flags |= KtEditFixedLength;
                else if (c == u'n')
                    f.flags |= KtEditNotEmpty;
                else
                    break;
            }
            break;
        }
        case u'n':
            f.minimum = ToReal(run(IsNumberChar));
            break;
        case u'x':
            f.maximum = ToReal(run(IsNumberChar));
            break;
        case u'w':
            f.width = ToWhole(run(IsDigit));
            break;
        case u'e':
            if (i >= body.size())
                BadFormat();
            f.skip = body.at(i++);
            break;
        default:
            BadFormat();
        }
    }
    return f;
}

QStringList SplitEditFormats(const QString& compound)
{
    QStringList specifiers;
    QString current;
    for (qsizetype i = 0; i < compound.size(); ++i) {
        if (i > 0 && compound.at(i) == u'%') {
            specifiers << current;
            current.clear();
        }
        current += compound.at(i);
    }
    if (!compound.isEmpty())
        specifiers << current;
    return specifiers;
}

bool IsEditMarkerText(const QString& text)
{
    return text == QLatin1String("(NOTDONE)") || text == QLatin1String("(NULL)");
}

// Removing the first refused character and checking again until nothing is refused comes
// down to one pass in which each character is judged against the characters kept before it.
QString CleanTypedText(const KtEditFormat& f, const QString& text, int* cursor)
{
    QString kept;
    kept.reserve(text.size());
    bool dotSeen = false;
    int removedBeforeCursor = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        bool ok = true;
        switch (f.type) {
        case 'f':
            if (c == u'.') {
                ok = !dotSeen;
                dotSeen = true;
            } else {
                ok = IsDigit(c) || (c == u'-' && kept.isEmpty());
            }
            break;
        case 'h':
            ok = IsHexDigit(c);
            break;
        case 'i':
            ok = IsDigit(c) || (c == u'-' && kept.isEmpty());
            break;
        case 'u':
            ok = IsDigit(c);
            break;
        case 'n':
            ok = IsDigit(c) || (c == f.delimiter && !kept.isEmpty() && kept.back() != f.delimiter);
            break;
        default:
            break;
        }
        if (ok)
            kept += c;
        else if (cursor && i < *cursor)
            ++removedBeforeCursor;
    }
    if (cursor)
        *cursor -= removedBeforeCursor;
    return kept;
}

KtLeaveCheck CheckOnLeaving(const KtEditFormat& f, const QString& text)
{
    if (IsEditMarkerText(text))
        return {KtLeaveCheck::Skipped, {}};
    if (text.isEmpty()) {
        if (f.flags & KtEditNotEmpty)
            return Fail(KtCommonMsg::EmptyNotAllowed, {});
        return {KtLeaveCheck::AcceptedEmpty, {}};
    }
    const bool fixed = (f.flags & KtEditFixedLength) != 0;
    const QString len = QString::number(f.length);
    switch (f.type) {
    case 'f':
    case 'i':
    case 'u': {
        bool ok = false;
        const double v = text.toDouble(&ok);
        // A text that is no number at all ("-", ".") is out of range too.
        if (!(ok && v >= f.minimum && v <= f.maximum))
            return Fail(KtCommonMsg::NumberRange, {{"[MIN]", RealText(f.minimum)}, {"[MAX]", RealText(f.maximum)}});
        break;
    }
    case 's':
    case 'h': {
        if (f.length <= 0)
            break;
        const bool hex = f.type == 'h';
        if (fixed && text.size() != f.length)
            return Fail(hex ? KtCommonMsg::HexLen : KtCommonMsg::StringLen, {{"[LEN]", len}});
        if (!fixed && text.size() > f.length)
            return Fail(hex ? KtCommonMsg::HexMaxLen : KtCommonMsg::StringMaxLen, {{"[MAXLEN]", len}});
        break;
    }
    case 'n': {
        KtNumList<unsigned int> numbers;
        numbers.SetDelimiter(f.delimiter);
        numbers.Parse(text);
        const QString delimiter(f.delimiter);
        if (f.length > 0) {
            if (fixed && numbers.Count() != f.length)
                return Fail(KtCommonMsg::DelimitedCount, {{"[DELIMITER]", delimiter}, {"[COUNT]", len}});
            if (!fixed && numbers.Count() > f.length)
                return Fail(KtCommonMsg::DelimitedMaxCount, {{"[DELIMITER]", delimiter}, {"[MAXCOUNT]", len}});
        }
        if (!numbers.AllInRange(ToUInt32(f.minimum), ToUInt32(f.maximum)))
            return Fail(KtCommonMsg::DelimitedRange, {{"[DELIMITER]", delimiter},
                                                      {"[MIN]", WholeText(f.minimum)},
                                                      {"[MAX]", WholeText(f.maximum)}});
        break;
    }
    default:
        break;
    }
    return {KtLeaveCheck::Accepted, {}};
}

// ---- KtEditConstraint ----

KtEditConstraint::KtEditConstraint(QWidget* owner, bool remember) : m_owner(owner), m_remember(remember) {}

// Records go without their handlers being put back: the form's edits go with us. Our
// connections, our event filter and our validators end with this object.
KtEditConstraint::~KtEditConstraint()
{
    for (const auto& rec : m_records)
        rec->removed = true;
}

QString KtEditConstraint::MessageCaption()
{
    if (!QCoreApplication::instance())
        return QString();
    return QFileInfo(QCoreApplication::applicationFilePath()).fileName();
}

void KtEditConstraint::SetOwner(QWidget* owner)
{
    m_owner = owner;
}

std::shared_ptr<EditConstraint_s> KtEditConstraint::FindShared(const QObject* edit) const
{
    if (!edit)
        return nullptr;
    for (const auto& rec : m_records) {
        if (rec->edit == edit)
            return rec;
    }
    return nullptr;
}

const EditConstraint_s* KtEditConstraint::Find(const QLineEdit* edit) const
{
    return FindShared(edit).get();
}

void KtEditConstraint::AddConstraint(const QString& specifier, QLineEdit* edit)
{
    const KtEditFormat format = ParseEditFormat(specifier);
    if (edit)
        Attach(edit, format);
}

void KtEditConstraint::AddConstraints(const QString& compound, const std::vector<QLineEdit*>& edits)
{
    const QStringList specifiers = SplitEditFormats(compound);
    if (specifiers.size() > static_cast<qsizetype>(edits.size()))
        BadFormat();
    std::vector<KtEditFormat> formats;
    for (const QString& specifier : specifiers)
        formats.push_back(ParseEditFormat(specifier));
    for (size_t i = 0; i < formats.size(); ++i) {
        if (edits[i])
            Attach(edits[i], formats[i]);
    }
}

void KtEditConstraint::Attach(QLineEdit* edit, const KtEditFormat& format)
{
    auto rec = std::make_shared<EditConstraint_s>();
    if (auto old = FindShared(edit)) {
        // A new specifier for a constrained edit replaces the old one, handlers and last
        // good text carried over.
        rec->lastGood = old->lastGood;
        rec->changeHandler = old->changeHandler;
        rec->exitHandler = old->exitHandler;
        Detach(old, false);
    }
    rec->edit = edit;
    rec->format = format;
    rec->seenLength = edit->text().size();

    if (format.width > 0)
        edit->setFixedWidth(std::min(format.width, QWIDGETSIZE_MAX));
    // For 'n' the length counts numbers, not characters.
    if (format.length > 0 && format.type != 'n') {
        rec->savedValidator = edit->validator();
        rec->lengthValidator = new KtLengthValidator(edit, rec, this);
        edit->setValidator(rec->lengthValidator);
    }
    const std::weak_ptr<EditConstraint_s> weak = rec;
    rec->textConnection = connect(edit, &QLineEdit::textChanged, this, [this, weak] {
        if (auto r = weak.lock())
            OnTextChanged(r);
    });
    rec->destroyConnection = connect(edit, &QObject::destroyed, this, [this, weak] {
        if (auto r = weak.lock()) {
            r->removed = true;
            std::erase(m_records, r);
        }
    });
    edit->installEventFilter(this);
    m_records.push_back(std::move(rec));
}

void KtEditConstraint::Detach(const std::shared_ptr<EditConstraint_s>& rec, bool restoreHandlers)
{
    rec->removed = true;
    disconnect(rec->textConnection);
    disconnect(rec->destroyConnection);
    if (QLineEdit* edit = rec->edit) {
        edit->removeEventFilter(this);
        if (rec->lengthValidator && edit->validator() == rec->lengthValidator)
            edit->setValidator(rec->savedValidator);
        if (restoreHandlers) {
            if (rec->changeHandler) {
                connect(edit, &QLineEdit::textChanged, edit, [edit, h = rec->changeHandler] { h(edit); });
            }
            if (rec->exitHandler)
                new KtExitHook(edit, rec->exitHandler);
        }
    }
    delete rec->lengthValidator;
    std::erase(m_records, rec);
}

void KtEditConstraint::RemoveConstraint(QLineEdit* edit)
{
    if (auto rec = FindShared(edit))
        Detach(rec, true);
}

void KtEditConstraint::SaveLastGood(QLineEdit* edit)
{
    if (auto rec = FindShared(edit))
        rec->lastGood = edit->text();
}

void KtEditConstraint::SetChangeHandler(QLineEdit* edit, Handler handler)
{
    if (auto rec = FindShared(edit))
        rec->changeHandler = std::move(handler);
}

void KtEditConstraint::SetExitHandler(QLineEdit* edit, Handler handler)
{
    if (auto rec = FindShared(edit))
        rec->exitHandler = std::move(handler);
}

// The typing check sets the edit's text itself; instead of checking again from inside that
// change (as deep as the characters it removes), the change is noted and checked again here.
void KtEditConstraint::OnTextChanged(const std::shared_ptr<EditConstraint_s>& rec)
{
    if (rec->edit)
        rec->seenLength = rec->edit->text().size();
    if (rec->inChange) {
        rec->changePending = true;
        return;
    }
    const QPointer<KtEditConstraint> self(this);
    rec->inChange = true;
    // A change handler that rewrites the text on every call must not spin forever.
    for (int round = 0; round < 64; ++round) {
        rec->changePending = false;
        TypingCheck(rec);
        if (!self || rec->removed || !rec->edit || !rec->changePending)
            break;
    }
    rec->inChange = false;
}

void KtEditConstraint::TypingCheck(const std::shared_ptr<EditConstraint_s>& rec)
{
    QLineEdit* edit = rec->edit;
    if (!edit || rec->removed)
        return;
    const QString text = edit->text();
    if (text.isEmpty() || IsEditMarkerText(text))
        return;
    const KtEditFormat& f = rec->format;

    if (!f.skip.isNull()) {
        const qsizetype at = text.indexOf(f.skip);
        if (at >= 0) {
            const int cursor = edit->cursorPosition();
            QString rest = text;
            rest.remove(at, 1);
            edit->setText(rest);
            edit->setCursorPosition(cursor > at ? cursor - 1 : cursor);
            PostMoveNext(edit);
            return;
        }
    }

    int cursor = edit->cursorPosition();
    const QString kept = CleanTypedText(f, text, &cursor);
    if (kept != text) {
        edit->setText(kept);
        edit->setCursorPosition(cursor);
        Beep();
        return;
    }

    if (rec->changeHandler) {
        const QPointer<KtEditConstraint> self(this);
        const Handler handler = rec->changeHandler;  // may replace or remove the record
        handler(edit);
        if (!self || rec->removed || !rec->edit)
            return;
    }
    if (TagIsMinusOne(edit))
        return;
    if ((f.flags & KtEditAutoAdvance) && f.length > 0 && edit->text().size() == f.length)
        PostMoveNext(edit);
}

void KtEditConstraint::LeavingCheck(const std::shared_ptr<EditConstraint_s>& rec)
{
    // The failure path is in eventFilter: it has to let the edit finish losing the focus.
    QLineEdit* edit = rec->edit;
    if (rec->exitHandler) {
        const QPointer<KtEditConstraint> self(this);
        const Handler handler = rec->exitHandler;
        handler(edit);
        if (!self || rec->removed || !rec->edit)
            return;
    }
    if (TagIsMinusOne(edit))
        edit->setText(rec->lastGood);
    else if (m_remember)
        rec->lastGood = edit->text();
}

bool KtEditConstraint::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::FocusOut || g_reportingFailure > 0 ||
        !IsLeavingReason(static_cast<QFocusEvent*>(event)->reason()))
        return QObject::eventFilter(watched, event);
    const auto rec = FindShared(watched);
    if (!rec)
        return QObject::eventFilter(watched, event);
    QLineEdit* edit = rec->edit;
    const KtLeaveCheck check = CheckOnLeaving(rec->format, edit->text());
    switch (check.result) {
    case KtLeaveCheck::Skipped:
    case KtLeaveCheck::AcceptedEmpty:
        return false;
    case KtLeaveCheck::Accepted:
        LeavingCheck(rec);
        return false;
    case KtLeaveCheck::Failed:
        break;
    }

    // The edit handles its focus loss first (cursor, selection), then gets the focus back.
    ++g_reportingFailure;
    const QPointer<QLineEdit> guard(edit);
    static_cast<QObject*>(edit)->event(event);
    ShowMessage(m_owner ? m_owner.data() : edit->window(), check.message);
    if (guard) {
        edit->setText(rec->lastGood);
        edit->setFocus(Qt::OtherFocusReason);
    }
    --g_reportingFailure;
    return true;
}

void KtEditConstraint::PostMoveNext(QLineEdit* from)
{
    QWidget* target = m_owner ? m_owner.data() : from->window();
    QMetaObject::invokeMethod(
        target,
        [target] {
            QWidget* window = target->window();
            QWidget* current = window->focusWidget();
            if (!current)
                return;
            for (QWidget* w = current->nextInFocusChain(); w && w != current; w = w->nextInFocusChain()) {
                if (w->window() == window && (w->focusPolicy() & Qt::TabFocus) == Qt::TabFocus &&
                    w->isVisible() && w->isEnabled() && !w->focusProxy()) {
                    w->setFocus(Qt::TabFocusReason);
                    return;
                }
            }
        },
        Qt::QueuedConnection);
}
