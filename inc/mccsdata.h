#pragma once

#include "mccsproperty.h"
#include "vcpfeature.h"

#include <QList>
#include <QString>
#include <QStringView>

// A monitor's MCCS capability string (VESA MCCS, capabilities reply over DDC/CI),
// parsed into its properties, e.g. prot(monitor) type(lcd) vcp(...), and the VCP codes
// listed in its vcp property. The allowed values that may follow a code, as in
// 14(05 08 0B), are passed over.
class MccsData
{
public:
    MccsData();
    ~MccsData();

    MccsData(const MccsData &) = delete;
    MccsData &operator=(const MccsData &) = delete;

    // Parses a capability string (Latin-1, zero-terminated; null counts as empty).
    // False for an empty text, one not beginning with "(", and unbalanced
    // parentheses; what was found before an unbalanced group is kept.
    bool Update(const char *text);

    // Owned by this object; valid until the next Update or Clean.
    const QList<VcpFeature *> &GetVcp() const { return m_vcp; }
    const QList<MccsProperty *> &GetProperties() const { return m_properties; }

    // Empties the raw text and both lists.
    void Clean();

    // Scans text for its next property: a name, up to the first space or "(", and the
    // group of balanced parentheses that may follow it after spaces. Positions are
    // indexes into text, ends exclusive; a missing name or group is empty. False only
    // when the text ends before the group's parentheses balance.
    static bool searchProperty(QStringView text, int &nameStart, int &nameEnd, int &groupStart,
                               int &groupEnd);
    // Reads the properties of text; a property named "vcp" has its codes read too.
    bool parseMccs(QStringView text);
    // Reads the hexadecimal VCP codes of text.
    bool parseVcp(QStringView text);

private:
    bool parse(QStringView text, bool vcpCodes, int depth);

    QString m_raw;
    QList<VcpFeature *> m_vcp;
    QList<MccsProperty *> m_properties;
};
