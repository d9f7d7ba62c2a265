#pragma once

#include "frame/vyredidchooser.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace VyrTest {

// Stands in for the add dialog: answers each request with the next scripted answer (a name
// from the list offered, or cancel) and records every list offered. Without a scripted answer
// it cancels. It is installed for its lifetime and puts the previous chooser back.
class ScriptedChooser : public VyrEdidChooser
{
public:
    ScriptedChooser();
    ~ScriptedChooser() override;

    ScriptedChooser(const ScriptedChooser &) = delete;
    ScriptedChooser &operator=(const ScriptedChooser &) = delete;

    // The next request chooses name (which must be offered, else it cancels).
    void answer(const QString &name) { m_answers.append(name); }
    void cancel() { m_answers.append(QString()); }

    const QList<QStringList> &offers() const { return m_offers; }
    QStringList lastOffer() const { return m_offers.value(m_offers.size() - 1); }

    bool choose(const QStringList &names, int *row, QString *name) override;

private:
    VyrEdidChooser *m_previous;
    QStringList m_answers;
    QList<QStringList> m_offers;
};

} // namespace VyrTest
