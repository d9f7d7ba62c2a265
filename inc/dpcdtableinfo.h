#pragma once

#include "dpcdregisterinfo.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

// The DisplayPort configuration data (DPCD) registers read from every DisplayPort
// sink, each with its display name, kept sorted by address. A snapshot reads the
// table run by run: a run is a stretch of consecutive addresses.
class DpcdTableInfo
{
    Q_DECLARE_TR_FUNCTIONS(DpcdTableInfo)

public:
    DpcdTableInfo();
    virtual ~DpcdTableInfo();

    DpcdTableInfo(const DpcdTableInfo &) = delete;
    DpcdTableInfo &operator=(const DpcdTableInfo &) = delete;

    // No table file format exists: reads nothing and answers false.
    bool loadFromFile(const QString &path);
    // Appends the built-in rows, sorts, and answers the number of rows.
    unsigned int buildDefault();

    unsigned int GetSize() const;
    unsigned int GetAddress(unsigned int index) const;
    bool GetRange(unsigned int start, unsigned int &count) const;
    QString GetDpcdDescription(unsigned int address) const;
    bool AddRegInfo(unsigned int address, const QString &name);
    bool DelRegInfo(unsigned int address);

    // The built-in register list, in ascending address order.
    static const QList<DpcdRegisterInfoElement> &DefaultDpcdTable();

private:
    void sortRows();
    int indexOf(unsigned int address) const;

    std::vector<std::unique_ptr<DpcdRegisterInfo>> m_rows;
};
