#pragma once

#include "edidbytes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QtTest>

namespace VyrTest {

// Empty when after differs from before only in allowed bytes and in byte 127 of the 128-byte
// blocks that changed, and when every changed block's 128 bytes sum to 0 modulo 256 (its
// checksum holds); otherwise what is wrong.
QString onlyChanged(const QByteArray &before, const QByteArray &after, const QList<int> &allowed);

// The offsets first, first + 1, ..., first + count - 1 (for the allowed list above).
QList<int> byteRange(int first, int count);

} // namespace VyrTest

// Fails the test unless only the allowed bytes changed (besides the checksums of the blocks
// that changed, which must hold). VYR_VERIFY_ONLY_CHANGED(before, after, {17, 18}).
#define VYR_VERIFY_ONLY_CHANGED(before, after, ...)                                                \
    do {                                                                                           \
        const QString vyrProblem = VyrTest::onlyChanged(before, after, __VA_ARGS__);               \
        QVERIFY2(vyrProblem.isEmpty(), qPrintable(vyrProblem));                                    \
    } while (false)

// Fails the test when a single byte differs (checksums included): building a tree, visiting an
// editor, cancelling a dialog write nothing.
#define VYR_VERIFY_UNCHANGED(before, after)                                                        \
    QVERIFY2(VyrTest::changedBytes(before, after).isEmpty(),                                       \
             qPrintable(VyrTest::changedText(before, after)))
