#pragma once

#include "items/displayid/vyrfocusfilter.h"

#include <QLineEdit>
#include <QString>
#include <QVariant>

// A one-line text cell. Each confirmed text (Return, Enter, or the focus leaving with text the
// owner's validator accepts) is reported as editingFinished(name, text), also when the text did
// not change; focus in and out as focusChanged(bool). The cell sets no validator, mask or length
// limit: the owner sets them after making it.
class VyrDIDLineEditItem : public VyrFocusFilter<VyrDIDLineEditItem, QLineEdit>
{
    Q_OBJECT

public:
    // name: the name edits are reported under; format: the type tag of the row ("[DEC]", ...).
    VyrDIDLineEditItem(const QString &name, const QString &text, const QString &format);

    QString name() const { return m_name; }
    QString format() const { return m_format; }

signals:
    void editingFinished(const QString &name, const QVariant &value);
    void focusChanged(bool in);

public slots:
    void onEditingFinished();
    void OnFocusChanged(bool bIn) override;

private:
    QString m_name;
    QString m_format;
};
