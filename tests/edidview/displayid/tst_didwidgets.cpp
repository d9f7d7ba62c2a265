#include "connectwarninghandler.h"
#include "frame/vyredidinfotree.h"
#include "items/displayid/didwidgets.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

#include <memory>

namespace {

// An active window holding one cell and, with the focus, a line editor elsewhere.
class CellWindow
{
public:
    explicit CellWindow(QWidget *cell)
        : m_window(std::make_unique<QWidget>())
        , m_elsewhere(new QLineEdit)
    {
        auto *layout = new QHBoxLayout(m_window.get());
        layout->addWidget(cell);
        layout->addWidget(m_elsewhere);
        m_window->show();
        QApplication::setActiveWindow(m_window.get());
        if (!QTest::qWaitForWindowActive(m_window.get()))
            qWarning("CellWindow: the window did not become active");
        m_elsewhere->setFocus(Qt::OtherFocusReason);
    }

    QLineEdit *elsewhere() const { return m_elsewhere; }

private:
    std::unique_ptr<QWidget> m_window;
    QLineEdit *m_elsewhere;
};

// Every edit a cell reports, as "name=value".
QStringList editsOf(const QSignalSpy &spy)
{
    QStringList edits;
    for (const QList<QVariant> &arguments : spy) {
        const QVariant value = arguments.at(1);
        QString text = value.toString();
        if (value.userType() == qMetaTypeId<CheckBoxData>()) {
            const auto data = value.value<CheckBoxData>();
            text = QStringLiteral("{%1,%2}").arg(data.bit).arg(data.isChecked);
        } else if (!value.isValid()) {
            text = QStringLiteral("invalid");
        }
        edits << arguments.at(0).toString() + QLatin1Char('=') + text;
    }
    return edits;
}

template <typename Cell> QSignalSpy *spyEdits(Cell *cell)
{
    return new QSignalSpy(cell,
                          QOverload<const QString &, const QVariant &>::of(&Cell::editingFinished));
}

} // namespace

class tst_DidWidgets : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void intHalfReportsEveryKeystroke();
    void dualCellsFollowTheFocus_data();
    void dualCellsFollowTheFocus();
    void dualCellsStartWithinTheirRange();
    void lineEditReportsEveryConfirmation();
    void checkBoxReportsItsBit();
    void comboReportsTheValueNotThePosition();
    void groupsPassEditsUnderTheirName();
    void textGroupLocationsAreItsRows();
};

void tst_DidWidgets::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_DidWidgets::intHalfReportsEveryKeystroke()
{
    auto *cell = new VyrDIDIntDualEditItem(QStringLiteral("Active"), QStringLiteral("H/V"), 0, 0,
                                           QStringLiteral("[DEC]"), 0, 65536);
    CellWindow window(cell);
    std::unique_ptr<QSignalSpy> spy(spyEdits(cell));
    cell->rightBox()->setFocus();
    QTest::keyClick(cell->rightBox(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(cell->rightBox(), Qt::Key_Delete);
    QTest::keyClicks(cell->rightBox(), QStringLiteral("123"));
    QCOMPARE(editsOf(*spy), QStringList({"Active right=1", "Active right=12", "Active right=123"}));
}

void tst_DidWidgets::dualCellsFollowTheFocus_data()
{
    QTest::addColumn<bool>("real");
    QTest::newRow("whole numbers") << false;
    QTest::newRow("real numbers") << true;
}

void tst_DidWidgets::dualCellsFollowTheFocus()
{
    QFETCH(bool, real);
    VyrDualEditBase *cell = nullptr;
    QWidget *left = nullptr;
    if (real) {
        auto *doubleCell = new VyrDIDDoubleDualEditItem(QStringLiteral("Size"), QString(), 1.5, 2.5,
                                                        QStringLiteral("[FLT]"), 0, 100);
        left = doubleCell->leftBox();
        cell = doubleCell;
    } else {
        auto *intCell = new VyrDIDIntDualEditItem(QStringLiteral("Active"), QString(), 1, 2,
                                                  QStringLiteral("[DEC]"), 0, 100);
        left = intCell->leftBox();
        cell = intCell;
    }
    CellWindow window(cell);
    QCOMPARE(cell->GetFocusedCtrlIdx(), -1);
    QSignalSpy focus(cell, &VyrDualEditBase::focusChanged);
    left->setFocus(Qt::TabFocusReason);
    QCOMPARE(cell->GetFocusedCtrlIdx(), 0);
    QCOMPARE(focus.size(), 1);
    focus.clear();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(cell->GetFocusedCtrlIdx(), 1);
    QCOMPARE(focus.size(), 2);
    QCOMPARE(focus.at(0).at(0).toBool(), false);
    QCOMPARE(focus.at(1).at(0).toBool(), true);

    window.elsewhere()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(cell->GetFocusedCtrlIdx(), -1);
    // Asked through Qt's interface cast, as rows ask.
    QCOMPARE(qobject_cast<IMultiEdit *>(static_cast<QObject *>(cell))->GetFocusedCtrlIdx(), -1);
}

void tst_DidWidgets::dualCellsStartWithinTheirRange()
{
    // A value the range moves is shown moved but not reported: the boxes are connected after.
    VyrDIDIntDualEditItem ranged(QStringLiteral("Sync"), QString(), 0, 70000, QString(), 1, 65536);
    QCOMPARE(ranged.leftBox()->value(), 1);
    QCOMPARE(ranged.rightBox()->value(), 65536);

    // Without a range each box starts at its value, its minimum; a value above 99 raises the
    // maximum to it.
    VyrDIDIntDualEditItem plain(QStringLiteral("Sync"), QString(), 5, 300, QString());
    QCOMPARE(plain.leftBox()->minimum(), 5);
    QCOMPARE(plain.leftBox()->maximum(), 99);
    QCOMPARE(plain.rightBox()->minimum(), 300);
    QCOMPARE(plain.rightBox()->value(), 300);
    std::unique_ptr<QSignalSpy> spy(spyEdits(&plain));
    plain.leftBox()->setValue(6);
    QCOMPARE(editsOf(*spy), QStringList({"Sync left=6"}));

    VyrDIDDoubleDualEditItem pitch(QStringLiteral("Pitch"), QString(), 0.264, 3.5, QString(), 0,
                                   2.55, 3);
    QCOMPARE(pitch.leftBox()->value(), 0.264);
    QCOMPARE(pitch.rightBox()->value(), 2.55);
}

void tst_DidWidgets::lineEditReportsEveryConfirmation()
{
    auto *cell = new VyrDIDLineEditItem(QStringLiteral("STR"), QStringLiteral("ABC"),
                                        QStringLiteral("[STR]"));
    CellWindow window(cell);
    std::unique_ptr<QSignalSpy> spy(spyEdits(cell));
    QSignalSpy focus(cell, &VyrDIDLineEditItem::focusChanged);
    cell->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(cell, Qt::Key_Return);
    QTest::keyClick(cell, Qt::Key_Return);
    QCOMPARE(editsOf(*spy), QStringList({"STR=ABC", "STR=ABC"}));
    window.elsewhere()->setFocus(Qt::MouseFocusReason);
    QCOMPARE(focus.size(), 2);
    QCOMPARE(focus.at(0).at(0).toBool(), true);
    QCOMPARE(focus.at(1).at(0).toBool(), false);
    QCOMPARE(cell->format(), QStringLiteral("[STR]"));
}

void tst_DidWidgets::checkBoxReportsItsBit()
{
    VyrDIDCheckBoxItem box(QStringLiteral("Flags"), QStringLiteral("Audio"), 3, true);
    QVERIFY(box.isChecked());
    QCOMPARE(box.text(), QStringLiteral("Audio"));
    std::unique_ptr<QSignalSpy> spy(spyEdits(&box));
    box.setChecked(false);
    box.setChecked(true);
    QCOMPARE(editsOf(*spy), QStringList({"Flags={3,0}", "Flags={3,1}"}));
    QVERIFY(QMetaType::type("CheckBoxData") != QMetaType::UnknownType);
    QVERIFY(QMetaType::type("LineEditData") != QMetaType::UnknownType);
}

void tst_DidWidgets::comboReportsTheValueNotThePosition()
{
    VyrDIDComboBoxItem combo(QStringLiteral("Method"));
    std::unique_ptr<QSignalSpy> spy(spyEdits(&combo));
    combo.addItems(QList<ComboBoxData>{
        {QStringLiteral("A"), 10}, {QStringLiteral("B"), 20}, {QStringLiteral("C"), 255}});
    QCOMPARE(combo.count(), 3);
    QCOMPARE(combo.itemText(2), QStringLiteral("C"));
    // The first entry added made itself current.
    QCOMPARE(editsOf(*spy), QStringList({"Method=10"}));
    spy->clear();

    combo.setCurrentIndex(2);
    QCOMPARE(combo.setCurrentValue(20), 1);
    QCOMPARE(combo.setCurrentValue(7), -1);
    QCOMPARE(editsOf(*spy), QStringList({"Method=255", "Method=20", "Method=invalid"}));
    spy->clear();

    // Filling again clears first.
    combo.setCurrentIndex(0);
    combo.addItems(QList<ComboBoxData>{{QStringLiteral("D"), 4}});
    QCOMPARE(combo.count(), 1);
    QCOMPARE(editsOf(*spy), QStringList({"Method=10", "Method=invalid", "Method=4"}));
}

void tst_DidWidgets::groupsPassEditsUnderTheirName()
{
    VyrEdidInfoTree tree;
    tree.setColumnCount(4);
    auto *flags = new VyrDIDCheckBoxItems(QStringLiteral("Feature Support"));
    tree.addTopLevelItem(flags);
    auto *audio =
        new VyrDIDCheckBoxItem(QStringLiteral("audio"), QStringLiteral("Audio"), 7, false);
    VyrDIDTreeWidgetItem *row = flags->addCheckBox(audio);
    QCOMPARE(row->QTreeWidgetItem::parent(), flags);
    QCOMPARE(row->text(0), QString());
    QCOMPARE(tree.itemWidget(row, 1), audio);

    auto *text = new VyrDIDTreeItem(QStringLiteral("Timing Descriptor 1-50"), nullptr);
    tree.addTopLevelItem(text);
    auto *codes = new VyrDIDLineEditItem(QStringLiteral("codes"), QStringLiteral(" 4 9"),
                                         QStringLiteral("[DEC]"));
    VyrDIDTreeWidgetItem *codeRow = text->add(codes);
    QCOMPARE(codeRow->text(0), QStringLiteral("codes"));
    QCOMPARE(codeRow->text(2), QString()); // no type tag in a text group

    std::unique_ptr<QSignalSpy> flagEdits(spyEdits(flags));
    std::unique_ptr<QSignalSpy> textEdits(spyEdits(text));
    audio->setChecked(true);
    codes->onEditingFinished();
    QCOMPARE(editsOf(*flagEdits), QStringList({"Feature Support={7,1}"}));
    QCOMPARE(editsOf(*textEdits), QStringList({"Timing Descriptor 1-50= 4 9"}));
}

void tst_DidWidgets::textGroupLocationsAreItsRows()
{
    VyrEdidInfoTree tree;
    tree.setColumnCount(4);
    auto *group = new VyrDIDTreeItem(QStringLiteral("Group"), nullptr);
    tree.addTopLevelItem(group);
    group->SetLocation({1, 1}); // not used
    QVERIFY(group->GetItemLocations(true).isEmpty());

    group->add(new VyrDIDLineEditItem(QStringLiteral("a"), QString(), QString()))
        ->SetLocation({10, 2});
    new QTreeWidgetItem(group, QStringList{QStringLiteral("plain")}); // not a DisplayID row
    group->add(new VyrDIDLineEditItem(QStringLiteral("b"), QString(), QString()))
        ->setLocations({{20, 1}, {22, 1}});
    const QList<EdidItemLocation> locations = group->GetItemLocations(true);
    QCOMPARE(locations.size(), 3);
    QCOMPARE(locations.at(0).offset, 10u);
    QCOMPARE(locations.at(1).offset, 20u);
    QCOMPARE(locations.at(2).offset, 22u);
}

QTEST_MAIN(tst_DidWidgets)
#include "tst_didwidgets.moc"
