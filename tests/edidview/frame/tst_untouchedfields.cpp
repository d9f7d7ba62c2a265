// Byte patterns of displays on the market, and the user actions that once lost bytes of them:
// an edit of another range limits field (a secondary GTF C or J with a half), a text or a clock
// confirmed unchanged (a DisplayID serial number padded with zero bytes, a range limits clock of
// FF FF FF), a number typed with a group separator or under a German locale. After the actions
// the image is saved; the reference decoder then reads every field but the edited one as before,
// and every checksum holds.
//
// The test runs with LC_ALL=de_DE.UTF-8 (CMakeLists.txt): rows without a locale of their own
// run under the system's German locale, the others set the default locale themselves.

#include "connectwarninghandler.h"
#include "didsteps.h"
#include "edidbinfile.h"
#include "edidblocktable.h"
#include "edidchecks.h"
#include "edidreport.h"
#include "edidtreeharness.h"
#include "frame/vyredidinfotree.h"
#include "keptbytefixtures.h"
#include "recordinguiservice.h"
#include "vyrtestutil.h"

#include <QAbstractSpinBox>
#include <QLocale>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <cstring>

using VyrTest::TreeHarness;

namespace {

// Offsets of the images of keptbytefixtures.h.
constexpr int GtfDescriptor = 72; // the secondary GTF range limits descriptor
// DisplayID payloads and the section checksum.
constexpr int ParametersPayload = 136;
constexpr int ClockPayload = 151;
constexpr int SerialPayload = 169;
constexpr int TypeIIIPayload = 218;
constexpr int SectionChecksum = 221;

const QString RangeItem = QStringLiteral("Base Block/Descriptors/Range Limits Info");

// "enter|row|left" (or right): the box of a two-value cell gets the focus and Return, as a
// user confirms what it shows. Any other step goes to VyrTest::didStep.
bool perform(TreeHarness &h, const QString &step)
{
    const QStringList part = step.split(QLatin1Char('|'));
    if (part.value(0) != QLatin1String("enter"))
        return VyrTest::didStep(h, {}, step);
    QWidget *cell = h.shownWidget(VyrTest::rowPath(part.value(1)));
    const QList<QAbstractSpinBox *> boxes =
        cell ? cell->findChildren<QAbstractSpinBox *>() : QList<QAbstractSpinBox *>();
    if (boxes.size() != 2)
        return false;
    QAbstractSpinBox *box = boxes.at(part.value(2) == QLatin1String("left") ? 0 : 1);
    box->setFocus(Qt::TabFocusReason);
    QTest::keyClick(box, Qt::Key_Return);
    h.tree()->setFocus(Qt::TabFocusReason);
    h.settle();
    return true;
}

// What the save page writes: the bytes of the recognised blocks, through the file and back.
QByteArray saved(TreeHarness &h)
{
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.bin"));
    EdidImage bytes{};
    std::memcpy(bytes, h.data(), sizeof bytes);
    const quint32 size = EdidBlockTable::analyse(bytes).coveredSize();
    if (size == 0 || !EdidBinFile::write(file, bytes, size).ok)
        return {};
    return VyrTest::readFile(file);
}

// The decoder's lines of blocks 0 and 1, without the checksums.
QStringList decodedFields(const QByteArray &image)
{
    static const QRegularExpression checksum(QStringLiteral("^Checksum: 0x"));
    const QString report = VyrTest::edidDecode(image);
    QStringList lines = VyrTest::reportBlockLines(report, 0) + VyrTest::reportBlockLines(report, 1);
    lines.erase(std::remove_if(lines.begin(), lines.end(),
                               [](const QString &line) { return checksum.match(line).hasMatch(); }),
                lines.end());
    return lines;
}

// The lines of one list that the other does not hold (each line counted once per occurrence).
QStringList missingFrom(QStringList lines, const QStringList &others)
{
    for (const QString &line : others)
        lines.removeOne(line);
    return lines;
}

} // namespace

class tst_UntouchedFields : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup();
    void onlyTheEditedFieldChanges_data();
    void onlyTheEditedFieldChanges();

private:
    QLocale m_defaultLocale;
};

void tst_UntouchedFields::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    m_defaultLocale = QLocale();
    qInfo("system locale: %s", qPrintable(QLocale::system().name()));
}

void tst_UntouchedFields::cleanup()
{
    QLocale::setDefault(m_defaultLocale);
}

void tst_UntouchedFields::onlyTheEditedFieldChanges_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<QString>("locale");       // empty: the system's
    QTest::addColumn<QStringList>("steps");    // VyrTest::didStep, or perform()'s "enter"
    QTest::addColumn<QList<int>>("changed");   // image bytes the steps may change
    QTest::addColumn<QString>("touched");      // decoder lines that may read otherwise
    QTest::addColumn<QStringList>("expected"); // texts of decoder lines there must be afterwards

    const QByteArray gtf14 = VyrTest::secondaryGtfImage(true);
    const QByteArray gtf13 = VyrTest::secondaryGtfImage(false);
    const QByteArray did = VyrTest::displayIdPaddedImage();
    const QStringList gtfKept{"C: 40.5%", "J: 20.5%", "M: 600%/kHz", "K: 128"};

    QTest::newRow("1.4 secondary GTF, maximum H rate typed")
        << gtf14 << QString()
        << QStringList{"type|" + RangeItem + "/Timings:/HRate Range Max(kHz):|84"}
        << QList<int>{GtfDescriptor + 8} << "kHz H" << gtfKept + QStringList{"30-84 kHz H"};
    QTest::newRow("1.3 secondary GTF, maximum V rate typed")
        << gtf13 << QString()
        << QStringList{"type|" + RangeItem + "/Timings:/VRate Range Max(Hz):|75"}
        << QList<int>{GtfDescriptor + 6} << "Hz V" << gtfKept + QStringList{"56-75 Hz V"};
    QTest::newRow("1.4 secondary GTF, pixel clock typed in C")
        << gtf14 << "C" << QStringList{"type|" + RangeItem + "/Timings:/|200"}
        << QList<int>{GtfDescriptor + 9} << "dotclock" << gtfKept;
    QTest::newRow("1.4 secondary GTF, C typed with a half")
        << gtf14 << "de_DE"
        << QStringList{"type|" + RangeItem + "/GTF Parameters:/GTF C Parameter:|41.5"}
        << QList<int>{GtfDescriptor + 13} << "^C: " << QStringList{"C: 41.5%", "J: 20.5%"};
    QTest::newRow("1.3 secondary GTF, M typed with a group separator")
        << gtf13 << QString()
        << QStringList{"type|" + RangeItem + "/GTF Parameters:/GTF M Parameter:|1,200"}
        << QList<int>{GtfDescriptor + 14, GtfDescriptor + 15}
        << "^M: " << QStringList{"M: 1200%/kHz", "C: 40.5%", "J: 20.5%"};

    QTest::newRow("serial number confirmed unchanged")
        << did << QString() << QStringList{"type|DID Extention/Product Serial Number/STR|ABC123"}
        << QList<int>{} << QString() << QStringList{"Text: 'ABC123'"};
    QTest::newRow("ASCII string confirmed unchanged")
        << did << QString()
        << QStringList{"type|DID Extention/General Purpose ASCII String/STR|PANEL-A1"}
        << QList<int>{} << QString() << QStringList{"Text: 'PANEL-A1'"};
    QTest::newRow("serial number replaced, padding kept")
        << did << QString() << QStringList{"type|DID Extention/Product Serial Number/STR|XYZ789"}
        << VyrTest::byteRange(SerialPayload, 6) + QList<int>{SectionChecksum}
        << "^Text: '(ABC123|XYZ789)'$" << QStringList{"Text: 'XYZ789'", "Text: 'PANEL-A1'"};
    QTest::newRow("FF FF FF clock confirmed in its box")
        << did << QString()
        << QStringList{"enter|DID Extention/Video Timing Range Limits/Pixel clock(MHz) "
                       "Min#Max|right",
                       "enter|DID Extention/Video Timing Range Limits/Pixel clock(MHz) "
                       "Min#Max|left"}
        << QList<int>{} << QString() << QStringList{};
    QTest::newRow("HBlank typed with a group separator, FF FF FF kept")
        << did << QString()
        << QStringList{"type|DID Extention/Video Timing Range Limits/Min. HBlank(pixel)|1,000"}
        << QList<int>{ClockPayload + 8, ClockPayload + 9, SectionChecksum} << "Horizontal Blanking"
        << QStringList{"Minimum Horizontal Blanking: 1000 pixels"};
    QTest::newRow("pixel count typed with a group separator")
        << did << "C"
        << QStringList{"type|DID Extention/Display Parameters/Horizontal Pixel Count|2,560"}
        << QList<int>{ParametersPayload + 4, ParametersPayload + 5, SectionChecksum}
        << "pixel format" << QStringList{"Display native pixel format: 2560x1080"};
    QTest::newRow("gamma typed under a German locale")
        << did << "de_DE" << QStringList{"type|DID Extention/Display Parameters/Gamma value|2.5"}
        << QList<int>{ParametersPayload + 9, SectionChecksum}
        << "^Gamma: " << QStringList{"Gamma: 2.50"};
    QTest::newRow("Type III width typed with a group separator")
        << did << QString()
        << QStringList{"type|DID Extention/Type III Timing/Type III Short Timing 0/HActive|1,280"}
        << QList<int>{TypeIIIPayload + 1, SectionChecksum} << "^CVT: " << QStringList{"1280x720"};
    QTest::newRow("serial and clock confirmed, then HBlank typed under a German locale")
        << did << "de_DE"
        << QStringList{"type|DID Extention/Product Serial Number/STR|ABC123",
                       "enter|DID Extention/Video Timing Range Limits/Pixel clock(MHz) "
                       "Min#Max|right",
                       "type|DID Extention/Video Timing Range Limits/Min. HBlank(pixel)|96"}
        << QList<int>{ClockPayload + 8, SectionChecksum} << "Horizontal Blanking"
        << QStringList{"Minimum Horizontal Blanking: 96 pixels", "Text: 'ABC123'"};
}

void tst_UntouchedFields::onlyTheEditedFieldChanges()
{
    QFETCH(QByteArray, image);
    QFETCH(QString, locale);
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, changed);
    QFETCH(QString, touched);
    QFETCH(QStringList, expected);
    if (!locale.isEmpty())
        QLocale::setDefault(QLocale(locale));
    VyrTest::RecordingUiService ui;
    TreeHarness h(image);
    for (const QString &step : steps)
        QVERIFY2(perform(h, step), qPrintable(step));
    QVERIFY2(ui.messages().isEmpty(), qPrintable(ui.messageLines().join(QLatin1Char('\n'))));
    VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), changed);

    const QByteArray file = saved(h);
    QCOMPARE(file, h.image().left(file.size()));
    if (!VyrTest::haveEdidDecode())
        QSKIP("edid-decode is not installed");
    QString report;
    QVERIFY2(VyrTest::edidDecodeChecksumsOk(file, &report), qPrintable(report));
    const QStringList before = decodedFields(h.original().left(file.size()));
    const QStringList after = decodedFields(file);
    const QRegularExpression mayDiffer(touched.isEmpty() ? QStringLiteral("^$") : touched);
    for (const QString &line : missingFrom(before, after) + missingFrom(after, before)) {
        QVERIFY2(!touched.isEmpty() && mayDiffer.match(line).hasMatch(),
                 qPrintable(QStringLiteral("the decoder reads otherwise: ") + line));
    }
    for (const QString &text : expected)
        QVERIFY2(!after.filter(text).isEmpty(),
                 qPrintable(text + QLatin1String(" is not decoded")));
}

QTEST_MAIN(tst_UntouchedFields)
#include "tst_untouchedfields.moc"
