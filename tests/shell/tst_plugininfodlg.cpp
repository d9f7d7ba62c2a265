// The plug-in information dialog on records built here (a root object stands for a
// loaded plug-in); the list as the main window hands it over is tested in
// tst_mainwindow.
#include "connectwarninghandler.h"
#include "modalboxcloser.h"
#include "plugininfo.h"
#include "plugininfodlg.h"

#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTreeWidget>

#include <memory>
#include <vector>

// Plug-in records as the main window keeps them, without loading anything.
class PluginRecords
{
public:
    // One record per name; an empty name gives a record without root object.
    explicit PluginRecords(const QStringList &names)
    {
        for (const QString &name : names) {
            auto *plugin = new PluginInfo(QStringLiteral("/plugins/") + name, name);
            plugin->item->keepLoaded();
            if (!name.isEmpty()) {
                m_roots.push_back(std::make_unique<QObject>());
                plugin->item->rootObject = m_roots.back().get();
            }
            m_list.append(plugin);
        }
    }
    ~PluginRecords() { qDeleteAll(m_list); }

    PluginRecords(const PluginRecords &) = delete;
    PluginRecords &operator=(const PluginRecords &) = delete;

    QList<PluginInfo *> &list() { return m_list; }

private:
    QList<PluginInfo *> m_list;
    std::vector<std::unique_ptr<QObject>> m_roots;
};

static QStringList rows(const PluginInfoDlg &dialog)
{
    const QTreeWidget *tree = dialog.findChild<QTreeWidget *>();
    QStringList texts;
    for (int i = 0; tree && i < tree->topLevelItemCount(); ++i) {
        const QTreeWidgetItem *item = tree->topLevelItem(i);
        texts << item->text(0);
        if (item->childCount() != 0 || !item->icon(0).isNull())
            texts << QStringLiteral("(children or icon)");
    }
    return texts;
}

class tst_PluginInfoDlg : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VyrTest::installConnectWarningHandler(); }

    void layoutAndRows();
    void emptyList();
    void keyOrButtonCloses_data();
    void keyOrButtonCloses();
};

void tst_PluginInfoDlg::layoutAndRows()
{
    // List order is kept; null records and records without root object add no row.
    PluginRecords records({"libbridge.so", "", "libview.so"});
    records.list().insert(1, nullptr);
    PluginInfoDlg dialog(QStringLiteral("/opt/vyr/plugins"), records.list());
    QCOMPARE(rows(dialog), QStringList({"libbridge.so", "libview.so"}));
    dialog.populateTreeWidget(nullptr, QStringLiteral("ignored"));
    QCOMPARE(rows(dialog).size(), 2);

    QCOMPARE(dialog.windowTitle(), QStringLiteral("Plugin Information"));
    const auto *label = dialog.findChild<QLabel *>();
    QVERIFY(label && label->text().contains(QLatin1String("/opt/vyr/plugins")));
    const auto *tree = dialog.findChild<QTreeWidget *>();
    QVERIFY(tree->isHeaderHidden());
    QCOMPARE(tree->columnCount(), 1);
    QCOMPARE(tree->selectionMode(), QAbstractItemView::NoSelection);
    QVERIFY(!tree->alternatingRowColors());
    const auto *ok = dialog.findChild<QPushButton *>();
    QVERIFY(ok && ok->isDefault());
    QCOMPARE(ok->text(), QStringLiteral("OK"));

    // The button sits centred below the list.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(ok->geometry().top() > tree->geometry().bottom());
    QVERIFY(qAbs(ok->geometry().center().x() - tree->geometry().center().x()) <= 1);
}

void tst_PluginInfoDlg::emptyList()
{
    PluginInfoDlg dialog(QStringLiteral("/opt/vyr/plugins"), {});
    QVERIFY(rows(dialog).isEmpty());
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QVERIFY(dialog.findChild<QTreeWidget *>()->isVisible());
    QVERIFY(dialog.findChild<QPushButton *>()->isVisible());
}

void tst_PluginInfoDlg::keyOrButtonCloses_data()
{
    QTest::addColumn<int>("key"); // 0: a click on "OK"

    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("OK") << 0;
}

void tst_PluginInfoDlg::keyOrButtonCloses()
{
    QFETCH(int, key);
    PluginRecords records({"libbridge.so"});
    PluginInfoDlg dialog(QStringLiteral("/opt/vyr/plugins"), records.list());

    VyrTest::ModalBoxCloser closer;
    bool closedByUser = false;
    closer.setHandler([key, &closedByUser](QWidget *box) {
        if (key == 0) {
            QTest::mouseClick(box->findChild<QPushButton *>(), Qt::LeftButton);
        } else {
            // The key goes where the user's would: to the widget that has the focus.
            QWidget *target = box->focusWidget() ? box->focusWidget() : box;
            QTest::keyClick(target, Qt::Key(key));
        }
        closedByUser = !box->isVisible();
    });
    dialog.exec();
    QCOMPARE(closer.boxes().size(), 1);
    QVERIFY(closedByUser);
}

QTEST_MAIN(tst_PluginInfoDlg)
#include "tst_plugininfodlg.moc"
