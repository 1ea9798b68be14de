#include "KtNML/KtCounterRateTable.h"

#include <QElapsedTimer>

#include <memory>

KtCounterRateTable::KtCounterRateTable()
{
    auto timer = std::make_shared<QElapsedTimer>();
    timer->start();
    m_clock = [timer] { return timer->elapsed(); };
}

std::optional<double> KtCounterRateTable::Add(const QString& rowKey, int variable, const QString& value,
                                              KtCounterRate::Width width, std::optional<quint32> upTimeTicks)
{
    m_seen.insert(rowKey);
    bool ok = false;
    const quint64 number = value.trimmed().toULongLong(&ok);
    QHash<int, KtCounterRate>& row = m_rows[rowKey];
    if (!ok) {
        // A cell without a number (not read, or an error text) breaks the series.
        row.remove(variable);
        return std::nullopt;
    }
    auto it = row.find(variable);
    if (it == row.end())
        it = row.insert(variable, KtCounterRate(width));
    it->SetWidth(width);
    return it->Add(number, upTimeTicks, m_clock());
}

void KtCounterRateTable::EndPass()
{
    for (auto it = m_rows.begin(); it != m_rows.end();) {
        if (m_seen.contains(it.key()))
            ++it;
        else
            it = m_rows.erase(it);
    }
    m_seen.clear();
}

void KtCounterRateTable::Reset()
{
    m_rows.clear();
    m_seen.clear();
}

QString KtCounterRateTable::Format(std::optional<double> rate)
{
    if (!rate)
        return QString();
    const double r = *rate;
    return QString::number(r, 'f', r < 10 ? 2 : r < 1000 ? 1 : 0);
}
