#include "scriptedrandom.h"

ScriptedRandom::ScriptedRandom()
    : m_previous(PseudoRandom::getInstance())
{
    PseudoRandom::setInstance(this);
}

ScriptedRandom::ScriptedRandom(const QVector<quint32> &values)
    : ScriptedRandom()
{
    m_values = values;
}

ScriptedRandom::~ScriptedRandom()
{
    PseudoRandom::setInstance(m_previous);
}

void ScriptedRandom::seed(quint32 value)
{
    m_seeds.append(value);
    m_position = 0;
}

quint32 ScriptedRandom::draw()
{
    const int n = m_position++;
    if (m_values.isEmpty())
        return quint32(n) & 0x7fffffffu;
    return m_values.at(n % m_values.size()) & 0x7fffffffu;
}
