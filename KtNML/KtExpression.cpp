#include "KtNML/KtExpression.h"

#include "KtNML/KtDateTime.h"
#include "KtNML/KtSNMPError.h"
#include "KtNML/KtValueCodec.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <utility>
#include <vector>

namespace {

// Bracket nesting beyond this is no expression anyone wrote; refusing it keeps the recursion
// off the end of the stack.
constexpr int kMaxDepth = 200;

// Position of the ")" matching the "(" at open, or -1. skip(pos) excludes positions.
template <class Skip> qsizetype matchingBracket(const QString& t, qsizetype open, Skip skip)
{
    int depth = 0;
    for (qsizetype i = open; i < t.size(); ++i) {
        if (skip(i))
            continue;
        if (t[i] == u'(')
            ++depth;
        else if (t[i] == u')' && --depth == 0)
            return i;
    }
    return -1;
}

// Results of evaluated brackets stay numbers: the bracket is replaced by a slot mark naming its
// entry here. Put back as text, a negative result ("2*(1-4)" -> "2*-3") or an exponent
// ("1e-05") would be split at its minus sign and give a wrong value.
struct BracketValues {
    std::vector<double> values;
    static constexpr char16_t kOpen = 0xE000, kClose = 0xE001;  // private-use characters

    QString Add(double v)
    {
        values.push_back(v);
        return QChar(kOpen) + QString::number(values.size() - 1) + QChar(kClose);
    }
    // The value of a text that starts with a slot mark (after blanks).
    bool Find(const QString& t, double& v) const
    {
        qsizetype i = 0;
        while (i < t.size() && (t[i] == u' ' || t[i] == u'\t'))
            ++i;
        if (i >= t.size() || t[i] != QChar(kOpen))
            return false;
        std::size_t k = 0;
        bool digits = false;
        for (++i; i < t.size() && t[i] >= u'0' && t[i] <= u'9'; ++i, digits = true)
            k = std::min<std::size_t>(k * 10 + (t[i].unicode() - u'0'), values.size());
        v = digits && k < values.size() ? values[k] : 0.0;  // a forged mark counts as no number
        return true;
    }
};

double singleNumber(const QString& t, const BracketValues& brackets)
{
    double v = 0;
    if (brackets.Find(t, v))
        return v;
    if (t.trimmed().compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        return KtNowSerial();
    return KtTextToReal(t);
}

double evalNumber(QString t, int depth, BracketValues& brackets)
{
    if (depth > kMaxDepth)
        KtRaise(KtErr::BadSyntaxInExpression);
    // Operators group to the right: x op (rest). Collect the left operands, fold at the end.
    std::vector<std::pair<double, char16_t>> chain;
    double value = 0;
    for (;;) {
        for (;;) {
            const qsizetype open = t.indexOf(u'(');
            if (open < 0)
                break;
            const qsizetype close = matchingBracket(t, open, [](qsizetype) { return false; });
            if (close < 0)
                break;
            const double inner = evalNumber(t.mid(open + 1, close - open - 1), depth + 1, brackets);
            t = t.left(open) + brackets.Add(inner) + t.mid(close + 1);
        }
        qsizetype k;
        if ((k = t.indexOf(u'+')) >= 0 || (k = t.indexOf(u'-')) >= 0) {
            chain.emplace_back(evalNumber(t.left(k), depth + 1, brackets), t[k].unicode());
        } else if ((k = t.indexOf(u'*')) >= 0 || (k = t.indexOf(u'/')) >= 0) {
            chain.emplace_back(singleNumber(t.left(k), brackets), t[k].unicode());
        } else {
            value = singleNumber(t, brackets);
            break;
        }
        t = t.mid(k + 1);
    }
    for (auto it = chain.rbegin(); it != chain.rend(); ++it) {
        switch (it->second) {
        case u'+': value = it->first + value; break;
        case u'-': value = it->first - value; break;
        case u'*': value = it->first * value; break;
        default: value = it->first / value; break;
        }
    }
    return value;
}

// The first two double quotes delimit the quoted part; operators inside it do not count.
struct Quoted {
    qsizetype q1 = -1, q2 = -1;
    explicit Quoted(const QString& t)
    {
        q1 = t.indexOf(u'"');
        q2 = q1 < 0 ? -1 : t.indexOf(u'"', q1 + 1);
    }
    bool inside(qsizetype pos) const { return q2 >= 0 && pos > q1 && pos < q2; }
    qsizetype find(const QString& t, QChar c) const
    {
        for (qsizetype p = t.indexOf(c); p >= 0; p = t.indexOf(c, p + 1))
            if (!inside(p))
                return p;
        return -1;
    }
};

bool evalLogic(QString t, int depth)
{
    if (depth > kMaxDepth)
        KtRaise(KtErr::BadLogicOperand);
    bool negate = false;
    for (;;) {
        const Quoted q(t);
        const qsizetype open = q.find(t, u'(');
        if (open >= 0) {
            const qsizetype close = matchingBracket(t, open, [&](qsizetype p) { return q.inside(p); });
            if (close >= 0) {
                const bool inner = evalLogic(t.mid(open + 1, close - open - 1), depth + 1);
                t = t.left(open) + (inner ? QLatin1String("true") : QLatin1String("false")) + t.mid(close + 1);
                continue;
            }
        }
        qsizetype k;
        if ((k = q.find(t, u'|')) >= 0) {
            if (evalLogic(t.left(k), depth + 1))
                return !negate;
            t = t.mid(k + 1);
        } else if ((k = q.find(t, u'&')) >= 0) {
            if (!evalLogic(t.left(k), depth + 1))
                return negate;
            t = t.mid(k + 1);
        } else if ((k = q.find(t, u'!')) >= 0) {
            // Written first in practice; anything before it (blanks) is dropped.
            negate = !negate;
            t = t.mid(k + 1);
        } else {
            return negate != EvaluateComparison(t);
        }
    }
}

QString comparisonOperand(const QString& raw)
{
    QString s = raw.trimmed();
    if (s.size() >= 2 && s.startsWith(u'"') && s.endsWith(u'"'))
        s = s.mid(1, s.size() - 2);
    if (s.compare(QLatin1String("NOW"), Qt::CaseInsensitive) == 0)
        s = KtRealToText(KtNowSerial());
    return s;
}

QString operandText(const KtSNMPVar& var, bool quoteStrings)
{
    const QString text = var.Options ? var.Options->TextToValue(var.Value) : var.Value;
    if (text == KtNullText)
        KtRaise(KtErr::NullInExpression);
    switch (var.Syntax) {
    case KtSyn::Boolean: case KtSyn::Bool8: case KtSyn::Bool16:
        return text == QLatin1String("true") ? QStringLiteral("1") : QStringLiteral("0");
    case KtSyn::Integer: case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::Counter64:
    case KtSyn::UInteger: case KtSyn::Double: case KtSyn::Int8: case KtSyn::UInt8:
    case KtSyn::Int16: case KtSyn::UInt16:
        return text;
    case KtSyn::TimeTicks:
        return QString::number(KtTextToTicks(text));
    case KtSyn::BcDateTime: {
        double serial = 0;
        if (!KtSerialFromText(text, serial))
            KtRaise(KtErr::BadPartialValue);
        return KtRealToText(serial);
    }
    default:
        if (!quoteStrings)
            KtRaise(KtErr::BadSyntaxInExpression);
        return u'"' + text + u'"';
    }
}

// Truncates toward zero, saturating at the type's range; NaN gives 0.
template <class T> T saturate(double x)
{
    if (std::isnan(x))
        return 0;
    if (x <= double(std::numeric_limits<T>::min()))
        return std::numeric_limits<T>::min();
    if (x >= double(std::numeric_limits<T>::max()))
        return std::numeric_limits<T>::max();
    return T(x);
}

} // namespace

double EvaluateNumber(const QString& text)
{
    BracketValues brackets;
    return evalNumber(text, 0, brackets);
}

bool EvaluateLogic(const QString& text)
{
    return evalLogic(text, 0);
}

bool EvaluateComparison(const QString& text)
{
    // In this order: the first operator found anywhere wins.
    static const QLatin1String kOperators[] = {QLatin1String("<>"), QLatin1String(">="), QLatin1String("<="),
                                               QLatin1String(">"), QLatin1String("<"), QLatin1String("=")};
    for (int n = 0; n < 6; ++n) {
        const qsizetype at = text.indexOf(kOperators[n]);
        if (at < 0)
            continue;
        const int c = QString::compare(comparisonOperand(text.left(at)),
                                       comparisonOperand(text.mid(at + kOperators[n].size())), Qt::CaseSensitive);
        switch (n) {
        case 0: return c != 0;
        case 1: return c >= 0;
        case 2: return c <= 0;
        case 3: return c > 0;
        case 4: return c < 0;
        default: return c == 0;
        }
    }
    // A bare truth value. Blanks around it are ignored so that "(a) & (b)", whose brackets
    // become "true " and " true", reads as written.
    const QString word = text.trimmed();
    if (word.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        return true;
    if (word.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        return false;
    KtRaise(KtErr::BadLogicOperand);
}

QString SubstituteValues(const KtSNMPVarList& list, const QString& templ, bool quoteStrings, QChar marker)
{
    QString out = templ;
    qsizetype from = 0;
    for (qsizetype p; (p = out.indexOf(marker, from)) >= 0;) {
        qsizetype end = p + 1;
        qint64 k = 0;
        while (end < out.size() && out[end] >= u'0' && out[end] <= u'9') {
            k = std::min<qint64>(k * 10 + (out[end].unicode() - u'0'), qint64(1) << 40);
            ++end;
        }
        // A reference past the end of the list cannot be evaluated.
        if (k >= list.Count())
            KtRaise(KtErr::BadSyntaxInExpression);
        const QString operand = operandText(list.Item(int(k)), quoteStrings);
        out.replace(p, end - p, operand);
        from = p + operand.size();  // inserted text is not scanned again
    }
    return out;
}

void ApplyExpression(KtSNMPVarList& list, int i, bool afterGet)
{
    KtSNMPVar& var = list.Item(i);
    const QString& expression = afterGet ? var.GetExpression : var.SetExpression;
    if (expression.isEmpty())
        return;
    const double x = EvaluateNumber(SubstituteValues(list, expression, false, u'$'));
    QString text;
    switch (var.Syntax) {
    case KtSyn::Boolean: text = x != 0 ? QStringLiteral("true") : QStringLiteral("false"); break;
    case KtSyn::Integer: text = QString::number(saturate<std::int32_t>(x)); break;
    case KtSyn::Counter: case KtSyn::Gauge: case KtSyn::UInteger:
        text = QString::number(saturate<std::uint32_t>(x));
        break;
    case KtSyn::TimeTicks: text = KtTicksToText(saturate<std::uint32_t>(x)); break;
    case KtSyn::Counter64: text = QString::number(saturate<std::uint64_t>(x)); break;
    case KtSyn::Double: text = KtRealToText(x); break;
    case KtSyn::BcDateTime: text = KtSerialToText(x); break;
    default: KtRaise(KtErr::BadSyntaxInExpression);
    }
    if (var.Options)
        text = var.Options->ValueToText(text);
    var.Value = text;
}

bool EvaluateCondition(const KtSNMPVarList& list, const QString& text)
{
    if (text.isEmpty())
        return true;
    return EvaluateLogic(SubstituteValues(list, text, true, u'$'));
}
