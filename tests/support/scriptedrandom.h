#ifndef SCRIPTEDRANDOM_H
#define SCRIPTEDRANDOM_H

#include "pseudorandom.h"

#include <QList>
#include <QVector>

// A random source whose numbers the test knows: by default 0, 1, 2, ... ;
// or a given list, repeated. Installed while it lives. Seeding restarts the
// script, so two consumers that seed alike see the same numbers.
class ScriptedRandom : public PseudoRandom
{
public:
    ScriptedRandom();
    explicit ScriptedRandom(const QVector<quint32> &values);
    ~ScriptedRandom() override;
    ScriptedRandom(const ScriptedRandom &) = delete;
    ScriptedRandom &operator=(const ScriptedRandom &) = delete;

    void seed(quint32 value) override;
    quint32 draw() override;

    // Every seed asked for, in order.
    QList<quint32> seeds() const { return m_seeds; }
    // Numbers drawn since the last seed.
    int drawCount() const { return m_position; }

private:
    PseudoRandom *m_previous;
    QVector<quint32> m_values;
    int m_position = 0;
    QList<quint32> m_seeds;
};

#endif // SCRIPTEDRANDOM_H
