#include "programrun.h"

namespace VyrTest {

ProgramRun runProgram(const QString &program, const QStringList &arguments,
                      const QMap<QString, QString> &environment, int timeoutMs)
{
    ProgramRun run;
    QProcess process;
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    for (auto it = environment.cbegin(); it != environment.cend(); ++it)
        variables.insert(it.key(), it.value());
    if (!variables.contains(QStringLiteral("QT_QPA_PLATFORM")))
        variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    process.setProcessEnvironment(variables);
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    if (!process.waitForStarted()) {
        run.error = process.errorString();
        return run;
    }
    if (!process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished();
        run.error = QStringLiteral("%1 did not end within %2 ms").arg(program).arg(timeoutMs);
        return run;
    }
    run.finished = true;
    run.exitStatus = process.exitStatus();
    run.exitCode = process.exitCode();
    return run;
}

} // namespace VyrTest
