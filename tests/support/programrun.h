#pragma once

#include <QMap>
#include <QProcess>
#include <QString>
#include <QStringList>

namespace VyrTest {

// How a program run as a child process ended.
struct ProgramRun
{
    bool finished = false; // it ended on its own within the time allowed
    QProcess::ExitStatus exitStatus = QProcess::NormalExit;
    int exitCode = -1;
    QString error; // why it did not start or did not end
};

// Runs PROGRAM with ARGUMENTS and, on top of the test's own environment, the variables
// of ENVIRONMENT; on Qt's offscreen platform unless QT_QPA_PLATFORM is set. Its error
// output goes to the test's. Waits up to timeoutMs for it to end, and kills it when it
// does not.
ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QMap<QString, QString> &environment, int timeoutMs = 60000);

} // namespace VyrTest
