#pragma once

#include "applogtype.h"

#include <QCoreApplication>
#include <QString>

#include <string>

// Binary contract: see ARCHITECTURE.md, "Logger object layout".
// Base of every logger and log sink. A call is dropped unless its type has a bit in
// the type mask; otherwise the derived class writes it out. The object layout
// (virtual-table pointer, mask, name) and the order of the virtual functions are
// shared by the program and its plug-ins, which call each other's loggers.
class VyrBaseLogger
{
    Q_DECLARE_TR_FUNCTIONS(VyrBaseLogger)

public:
    explicit VyrBaseLogger(unsigned int mask);
    virtual ~VyrBaseLogger();

    VyrBaseLogger(const VyrBaseLogger &) = delete;
    VyrBaseLogger &operator=(const VyrBaseLogger &) = delete;

    // Sets line to "[HH:mm:ss:zzz]" + the prefix of the type + text.
    virtual void ComposeString(AppLogType type, const QString &text, QString &line);
    virtual void OnLogStringOut(AppLogType type, const QString &line) = 0;

    // Writes text when type & mask is non-zero.
    void PrintLog(AppLogType type, const QString &text);
    // Writes text with the type 0xFFFFFFFF, whatever the mask.
    void PrintLog(const QString &text);

    unsigned int mask() const { return m_mask; }
    void setMask(unsigned int mask) { m_mask = mask; }

    // Line prefix of a single type bit ("INFO: ", ...); empty for any other value.
    static QString typePrefix(AppLogType type);

protected:
    unsigned int m_mask;
    std::string m_name;
};
