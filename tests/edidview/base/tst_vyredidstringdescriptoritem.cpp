#include "connectwarninghandler.h"
#include "descriptorfixtures.h"
#include "edidchecks.h"
#include "edidimagebuilder.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "items/base/vyrediddummydescriptoritem.h"
#include "items/base/vyredidstringdescriptoritem.h"
#include "model/base/edidbaserecords.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QtTest>

#include <cstring>

using VyrTest::EdidImageBuilder;
using VyrTest::TreeHarness;

namespace {

// Descriptor slot 3 (bytes 108 to 125): text bytes 113 to 125.
const int Slot = 3;
const int TextByte = 108 + 5;

QByteArray imageWith(int tag, const QByteArray &textBytes)
{
    return EdidImageBuilder()
        .edid14()
        .patch(VyrTest::descriptorOffset(Slot), VyrTest::displayDescriptor(tag, textBytes))
        .image();
}

QList<int> textBytes()
{
    QList<int> list;
    for (int i = TextByte; i < TextByte + 13; ++i)
        list << i;
    return list;
}

const QStringList Name{"Base Block", "Descriptors", "Product Name"};

} // namespace

class tst_VyrEdidStringDescriptorItem : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void titles_data();
    void titles();
    void showAndEdit_data();
    void showAndEdit();
    void refusedText_data();
    void refusedText();
    void standInsKeepTheirBytes_data();
    void standInsKeepTheirBytes();
    void withoutBlock();
};

void tst_VyrEdidStringDescriptorItem::initTestCase()
{
    VyrTest::installConnectWarningHandler();
}

void tst_VyrEdidStringDescriptorItem::titles_data()
{
    QTest::addColumn<int>("tag");
    QTest::addColumn<QString>("title");
    QTest::newRow("serial number") << 0xFF << "Product Serial";
    QTest::newRow("data string") << 0xFE << "ASCII String";
    QTest::newRow("product name") << 0xFC << "Product Name";
}

void tst_VyrEdidStringDescriptorItem::titles()
{
    QFETCH(int, tag);
    QFETCH(QString, title);
    TreeHarness h(imageWith(tag, "ABC\n"));
    const QStringList path{"Base Block", "Descriptors", title};
    QVERIFY(h.row(path));
    QCOMPARE(h.row(path)->type(), 1118);
    QCOMPARE(h.row(path)->text(VyrEdidColumn::Type), QStringLiteral("[STR]"));
    auto *edit = qobject_cast<QLineEdit *>(h.widget(path));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QStringLiteral("ABC"));
    QCOMPARE(edit->maxLength(), 13);
}

void tst_VyrEdidStringDescriptorItem::showAndEdit_data()
{
    QTest::addColumn<QByteArray>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("erased"); // characters erased from the end; -1: the whole text
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QByteArray>("written");
    QTest::newRow("shorter name") << QByteArray("MONITOR\n     ") << "MONITOR" << -1 << "PANEL"
                                  << QByteArray("PANEL\n       ");
    QTest::newRow("13 characters, no line feed")
        << QByteArray("ABCDEFGHIJKLM") << "ABCDEFGHIJKLM" << -1 << "NOPQRSTUVWXYZ"
        << QByteArray("NOPQRSTUVWXYZ");
    QTest::newRow("spaces inside") << QByteArray("TEST MON 24\n ") << "TEST MON 24" << 1 << "7"
                                   << QByteArray("TEST MON 27\n ");
    // A Latin-1 byte is no ASCII: it shows as a stand-in, which an ASCII letter replaces.
    QTest::newRow("Latin-1 byte") << QByteArray("Caf\xe9\n        ")
                                  << QString::fromUtf8("Caf\xef\xbf\xbd") << 1 << "e"
                                  << QByteArray("Cafe\n        ");
    // A byte without a printable form keeps its place when the text around it is edited.
    QTest::newRow("binary byte kept") << QByteArray("HMH2Y\x81"
                                                    "156QHG\n")
                                      << QString::fromUtf8("HMH2Y\xef\xbf\xbd"
                                                           "156QHG")
                                      << 1 << "H"
                                      << QByteArray("HMH2Y\x81"
                                                    "156QHH\n");
}

// Visiting the editor writes nothing (the text is not re-encoded); an edit writes the text,
// then a line feed and blanks.
void tst_VyrEdidStringDescriptorItem::showAndEdit()
{
    QFETCH(QByteArray, stored);
    QFETCH(QString, shown);
    QFETCH(int, erased);
    QFETCH(QString, typed);
    QFETCH(QByteArray, written);
    TreeHarness h(imageWith(0xFC, stored));
    auto *edit = qobject_cast<QLineEdit *>(h.widget(Name));
    QVERIFY(edit);
    QCOMPARE(edit->text(), shown);
    edit->setFocus(Qt::MouseFocusReason);
    QVERIFY(edit->hasFocus());
    QTest::keyClick(edit, Qt::Key_End);
    h.tree()->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_Return);
    VYR_VERIFY_UNCHANGED(h.original(), h.image());

    edit->setFocus(Qt::MouseFocusReason);
    if (erased < 0) {
        QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(edit, Qt::Key_Delete);
    }
    for (int i = 0; i < erased; ++i)
        QTest::keyClick(edit, Qt::Key_Backspace);
    // One key event carrying the text, as a keyboard layout with these letters sends it.
    QKeyEvent key(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, typed);
    QApplication::sendEvent(edit, &key);
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(h.image().mid(TextByte, 13), written);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), textBytes());
}

void tst_VyrEdidStringDescriptorItem::refusedText_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("tab") << "A\tB";
    QTest::newRow("line feed") << "A\nB";
    QTest::newRow("control byte") << QString("A") + QChar(0x01);
    QTest::newRow("C1 control") << QString("A") + QChar(0x85);
    QTest::newRow("outside Latin-1") << QString::fromUtf8("A\xe2\x82\xac");
    // The descriptors hold ASCII (edid-decode calls anything else non-printable).
    QTest::newRow("Latin-1 letter") << QString::fromUtf8("Caf\xc3\xa9");
    QTest::newRow("no-break space") << QString("A") + QChar(0xA0);
    QTest::newRow("DEL") << QString("A") + QChar(0x7F);
    // A stand-in the stored text has no byte for.
    QTest::newRow("stand-in") << QString("A") + QChar(0xFFFD);
}

void tst_VyrEdidStringDescriptorItem::refusedText()
{
    QFETCH(QString, text);
    TreeHarness h(imageWith(0xFC, "MONITOR\n"));
    auto *edit = qobject_cast<QLineEdit *>(h.widget(Name));
    QVERIFY(edit && edit->validator());
    int position = 0;
    QCOMPARE(edit->validator()->validate(text, position), QValidator::Invalid);
    QString fine = QStringLiteral("Ab 9~ !");
    QCOMPARE(edit->validator()->validate(fine, position), QValidator::Acceptable);
}

void tst_VyrEdidStringDescriptorItem::standInsKeepTheirBytes_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QByteArray>("written");
    // Stored "A", 0x81, "B", 0x82, "C": shown A?B?C with two stand-ins (keys: see below).
    QTest::newRow("delete the first") << "Home Right Delete"
                                      << QByteArray("AB\x82"
                                                    "C\n");
    QTest::newRow("backspace the first") << "Home Right Right Backspace"
                                         << QByteArray("AB\x82"
                                                       "C\n");
    QTest::newRow("delete the second") << "End Left Backspace"
                                       << QByteArray("A\x81"
                                                     "BC\n");
    QTest::newRow("type between them") << "Home Right Right x"
                                       << QByteArray("A\x81x"
                                                     "B\x82"
                                                     "C\n");
    QTest::newRow("type over the text around them") << "Home Delete y End Backspace z"
                                                    << QByteArray("y\x81"
                                                                  "B\x82z\n");
    QTest::newRow("undo brings the byte back") << "Home Right Delete Undo End q"
                                               << QByteArray("A\x81"
                                                             "B\x82"
                                                             "Cq\n");
    QTest::newRow("delete both, undo one") << "Home Right Delete Right Delete Undo"
                                           << QByteArray("AB\x82"
                                                         "C\n");
}

// Each stand-in stays tied to its own stored byte whatever is edited around it. keys: "Home",
// "End", "Left", "Right", "Delete", "Backspace", "Undo" (Ctrl+Z), or one character to type.
void tst_VyrEdidStringDescriptorItem::standInsKeepTheirBytes()
{
    QFETCH(QString, keys);
    QFETCH(QByteArray, written);
    TreeHarness h(imageWith(0xFE, QByteArray("A\x81"
                                             "B\x82"
                                             "C\n")));
    const QStringList path{"Base Block", "Descriptors", "ASCII String"};
    auto *edit = qobject_cast<QLineEdit *>(h.widget(path));
    QVERIFY(edit);
    QCOMPARE(edit->text(), QString("A") + QChar(0xFFFD) + "B" + QChar(0xFFFD) + "C");
    edit->setFocus(Qt::MouseFocusReason);
    const QHash<QString, Qt::Key> named{
        {"Home", Qt::Key_Home},   {"End", Qt::Key_End},       {"Left", Qt::Key_Left},
        {"Right", Qt::Key_Right}, {"Delete", Qt::Key_Delete}, {"Backspace", Qt::Key_Backspace}};
    for (const QString &key : keys.split(' ')) {
        if (key == "Undo")
            QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
        else if (named.contains(key))
            QTest::keyClick(edit, named.value(key));
        else
            QTest::keyClicks(edit, key);
    }
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(h.image().mid(TextByte, written.size()), written);
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), textBytes());
    // The editor shows what was stored.
    EdidString stored{};
    std::memcpy(stored.text, h.image().constData() + TextByte, 13);
    QCOMPARE(edit->text(), VyrEdidStringDescriptorItem::textOf(stored));
}

void tst_VyrEdidStringDescriptorItem::withoutBlock()
{
    VyrEdidInfoTree tree;
    auto *text = new VyrEdidStringDescriptorItem(2, "ASCII String", nullptr);
    auto *placeholder = new VyrEdidDummyDescriptorItem(4, nullptr);
    tree.addTopLevelItem(text);
    tree.addTopLevelItem(placeholder);
    QVERIFY(text->InitItems());
    QVERIFY(placeholder->InitItems());
    auto *edit = qobject_cast<QLineEdit *>(tree.itemWidget(text, VyrEdidColumn::Value));
    QVERIFY(edit);
    QVERIFY(edit->text().isEmpty());
    QVERIFY(text->GetItemLocations().isEmpty());
    QCOMPARE(placeholder->text(VyrEdidColumn::Property), QStringLiteral("Descriptor Placeholder"));
    QCOMPARE(placeholder->type(), 1113);
    QVERIFY(placeholder->GetItemLocations().isEmpty());
    QCOMPARE(placeholder->childCount(), 0);
}

QTEST_MAIN(tst_VyrEdidStringDescriptorItem)
#include "tst_vyredidstringdescriptoritem.moc"
