#include "connectwarninghandler.h"
#include "frame/vyredidwidgets.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

QImage imageOf(const QIcon &icon)
{
    return icon.pixmap(16, 16).toImage();
}

} // namespace

class tst_VyrEdidWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void icons();
    void toolButtonReportsItsIndex();
    void addRemoveButtonReportsIndexAndRole_data();
    void addRemoveButtonReportsIndexAndRole();
};

void tst_VyrEdidWidgets::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidWidgets::icons()
{
    for (const QIcon &icon : {VyrEdidIcons::erase(), VyrEdidIcons::add(), VyrEdidIcons::plus()})
        QVERIFY(!icon.isNull());
    QVERIFY(imageOf(VyrEdidIcons::plus()) != imageOf(VyrEdidIcons::erase()));
}

void tst_VyrEdidWidgets::toolButtonReportsItsIndex()
{
    VyrEdidToolButton button(3);
    QSignalSpy spy(&button, &VyrEdidToolButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(1).at(0).toUInt(), 3u);
    QVERIFY(button.icon().isNull());                    // the owner sets it
    QCOMPARE(button.focusPolicy() & Qt::ClickFocus, 0); // a click leaves the focus where it is
}

void tst_VyrEdidWidgets::addRemoveButtonReportsIndexAndRole_data()
{
    QTest::addColumn<bool>("add");
    QTest::addColumn<bool>("switchToAdd");
    QTest::newRow("add") << true << false;
    QTest::newRow("remove") << false << false;
    QTest::newRow("remove, then add") << false << true;
}

void tst_VyrEdidWidgets::addRemoveButtonReportsIndexAndRole()
{
    QFETCH(bool, add);
    QFETCH(bool, switchToAdd);
    EdidAddRemoveToolButton button(2, add);
    if (switchToAdd)
        button.setAsAdd(true);
    const bool role = add || switchToAdd;
    QSignalSpy spy(&button, &EdidAddRemoveToolButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toUInt(), 2u);
    QCOMPARE(spy.at(0).at(1).toBool(), role);
    QCOMPARE(button.maximumWidth(), 40);
    QCOMPARE(imageOf(button.icon()), imageOf(role ? VyrEdidIcons::plus() : VyrEdidIcons::erase()));
}

QTEST_MAIN(tst_VyrEdidWidgets)
#include "tst_vyredidwidgets.moc"
