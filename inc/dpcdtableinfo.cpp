#include "dpcdtableinfo.h"

#include <algorithm>

DpcdTableInfo::DpcdTableInfo()
{
    // There is no table file; the built-in rows always make the table.
    if (!loadFromFile(QString()))
        buildDefault();
}

DpcdTableInfo::~DpcdTableInfo() = default;

bool DpcdTableInfo::loadFromFile(const QString &path)
{
    Q_UNUSED(path)
    return false;
}

unsigned int DpcdTableInfo::buildDefault()
{
    for (const DpcdRegisterInfoElement &element : DefaultDpcdTable())
        m_rows.push_back(
            std::make_unique<DpcdRegisterInfo>(DpcdRegisterInfo{element.address, element.name}));
    sortRows();
    return GetSize();
}

unsigned int DpcdTableInfo::GetSize() const
{
    return static_cast<unsigned int>(m_rows.size());
}

unsigned int DpcdTableInfo::GetAddress(unsigned int index) const
{
    return index < GetSize() ? m_rows[index]->address : 0;
}

bool DpcdTableInfo::GetRange(unsigned int start, unsigned int &count) const
{
    if (start >= GetSize())
        return false;
    const unsigned int first = m_rows[start]->address;
    count = 1;
    while (start + count < GetSize() && m_rows[start + count]->address == first + count)
        ++count;
    return true;
}

QString DpcdTableInfo::GetDpcdDescription(unsigned int address) const
{
    const int index = indexOf(address);
    if (index < 0)
        return QStringLiteral("");
    return m_rows[static_cast<size_t>(index)]->name;
}

bool DpcdTableInfo::AddRegInfo(unsigned int address, const QString &name)
{
    const int index = indexOf(address);
    if (index >= 0) {
        m_rows[static_cast<size_t>(index)]->name = name;
        return false;
    }
    m_rows.push_back(std::make_unique<DpcdRegisterInfo>(DpcdRegisterInfo{address, name}));
    sortRows();
    return true;
}

bool DpcdTableInfo::DelRegInfo(unsigned int address)
{
    const int index = indexOf(address);
    if (index < 0)
        return false;
    m_rows.erase(m_rows.begin() + index);
    return true;
}

void DpcdTableInfo::sortRows()
{
    std::stable_sort(m_rows.begin(), m_rows.end(),
                     [](const std::unique_ptr<DpcdRegisterInfo> &a,
                        const std::unique_ptr<DpcdRegisterInfo> &b) { return *a < *b; });
}

int DpcdTableInfo::indexOf(unsigned int address) const
{
    for (size_t i = 0; i < m_rows.size(); ++i) {
        if (m_rows[i]->address == address)
            return static_cast<int>(i);
    }
    return -1;
}
