#pragma once

namespace VyrTest {

// Makes the running test fail on every Qt warning that starts with
// "QObject::connect" (a signal or slot that does not exist, wrong arguments, a
// null sender). Other messages go on to the handler that was installed before.
// Call it in initTestCase(); uninstallConnectWarningHandler() restores the
// previous handler.
void installConnectWarningHandler();
void uninstallConnectWarningHandler();

} // namespace VyrTest
