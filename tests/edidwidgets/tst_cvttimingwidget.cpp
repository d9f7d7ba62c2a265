#include "connectwarninghandler.h"
#include "userinput.h"
#include "widgets/cvttimingvratewidget.h"
#include "widgets/cvttimingwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

// The controls of a CVT widget, by their form rows and box texts.
struct CvtControls
{
    explicit CvtControls(QWidget *widget)
        : defined(qobject_cast<QCheckBox *>(VyrTest::formField(widget, "Defined")))
        , aspect(qobject_cast<QComboBox *>(VyrTest::formField(widget, "Aspect Ratio:")))
        , width(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Width:")))
        , height(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Height:")))
        , preferred(qobject_cast<QComboBox *>(VyrTest::formField(widget, "Preferred VRate:")))
        , rates(
              qobject_cast<CvtTimingVRateWidget *>(VyrTest::formField(widget, "Supported VRate:")))
    {
        for (QCheckBox *box : rates->findChildren<QCheckBox *>())
            boxes.insert(box->text(), box);
    }

    QStringList preferredRows() const
    {
        QStringList rows;
        for (int i = 0; i < preferred->count(); ++i)
            rows << preferred->itemText(i);
        return rows;
    }
    QStringList checkedBoxes() const
    {
        QStringList texts;
        for (const char *text : {"50Hz", "60Hz", "75Hz", "85Hz", "60Hz(RB)"}) {
            if (boxes.value(text)->isChecked())
                texts << text;
        }
        return texts;
    }

    QCheckBox *defined;
    QComboBox *aspect;
    QLineEdit *width;
    QLineEdit *height;
    QComboBox *preferred;
    CvtTimingVRateWidget *rates;
    QMap<QString, QCheckBox *> boxes;
};

// Every editFinished of a widget, with the index it carried.
struct CvtEmissions
{
    explicit CvtEmissions(CvtTimingWidget *widget)
    {
        QObject::connect(widget, &CvtTimingWidget::editFinished,
                         [this](unsigned index, const Cvt3ByteTiming &timing) {
                             indexes.append(index);
                             timings.append(timing);
                         });
    }
    QList<unsigned> indexes;
    QList<Cvt3ByteTiming> timings;
};

// A CVT widget, shown, over a code (null for none).
struct OpenCvt
{
    OpenCvt(const Cvt3ByteTiming *timing, unsigned index)
        : widget(timing, index)
        , emitted(&widget)
        , controls(&widget)
    {
        widget.show();
    }

    CvtTimingWidget widget;
    CvtEmissions emitted;
    CvtControls controls;
};

static QList<bool> rateFlags(const Cvt3ByteTiming &t)
{
    return {t.rate50Hz, t.rate60Hz, t.rate75Hz, t.rate85Hz, t.rate60HzReducedBlanking};
}

static Cvt3ByteTiming code1080()
{
    Cvt3ByteTiming t;
    t.defined = true;
    t.lines = 1080;
    t.aspect = AspectRatio16x9;
    t.preferredRate = CvtRefreshRate60Hz;
    t.rate60Hz = true;
    t.rate60HzReducedBlanking = true;
    return t;
}

class tst_CvtTimingWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VyrTest::installConnectWarningHandler(); }

    void code1080RatesUnchecked();
    void emptyCode_data();
    void emptyCode();
    void aspectChangeEmitsTwice();
    void clearingDefinedShowsAnEmptyCode();
    void preferredRateChosen();
    void keepsWhatItCannotShow();
};

void tst_CvtTimingWidget::code1080RatesUnchecked()
{
    const Cvt3ByteTiming record = code1080();
    OpenCvt open(&record, 2);
    CvtEmissions &emitted = open.emitted;
    CvtControls &controls = open.controls;

    QCOMPARE(controls.height->text(), QStringLiteral("1080"));
    QCOMPARE(controls.width->text(), QStringLiteral("1920"));
    QVERIFY(!controls.width->isEnabled());
    QCOMPARE(controls.aspect->currentText(), QStringLiteral("LandScape 16x9"));
    QCOMPARE(controls.preferredRows(), QStringList({"60Hz"}));
    QCOMPARE(controls.preferred->currentText(), QStringLiteral("60Hz"));
    QVERIFY(controls.preferred->isEnabled());
    QCOMPARE(controls.checkedBoxes(), QStringList({"60Hz", "60Hz(RB)"}));
    QVERIFY(emitted.timings.isEmpty());

    VyrTest::clickButton(controls.boxes.value("60Hz(RB)"));
    QCOMPARE(emitted.timings.size(), 1);
    QCOMPARE(emitted.indexes.last(), 2u);
    QCOMPARE(rateFlags(emitted.timings.last()), QList<bool>({false, true, false, false, false}));
    QCOMPARE(controls.preferredRows(), QStringList({"60Hz"}));

    VyrTest::clickButton(controls.boxes.value("60Hz"));
    QCOMPARE(emitted.timings.size(), 2);
    QCOMPARE(rateFlags(emitted.timings.last()), QList<bool>({false, false, false, false, false}));
    QCOMPARE(emitted.timings.last().preferredRate, quint32(CvtRefreshRate60Hz));
    QCOMPARE(controls.preferred->count(), 0);
    QVERIFY(!controls.preferred->isEnabled());
}

void tst_CvtTimingWidget::emptyCode_data()
{
    QTest::addColumn<bool>("null");
    QTest::newRow("all-zero code") << false;
    QTest::newRow("no code") << true;
}

// An empty code opens greyed out; "Defined" turns the editor on and emits once.
void tst_CvtTimingWidget::emptyCode()
{
    QFETCH(bool, null);
    const Cvt3ByteTiming zero;
    OpenCvt open(null ? nullptr : &zero, 0);
    CvtEmissions &emitted = open.emitted;
    CvtControls &controls = open.controls;

    QVERIFY(!controls.defined->isChecked());
    QVERIFY(!controls.aspect->isEnabled());
    QVERIFY(!controls.height->isEnabled());
    QVERIFY(!controls.rates->isEnabled());
    QCOMPARE(controls.aspect->currentText(), QStringLiteral("LandScape 16x10"));
    QCOMPARE(controls.height->text(), QStringLiteral("0"));
    QCOMPARE(controls.width->text(), QStringLiteral("0"));
    QVERIFY(controls.checkedBoxes().isEmpty());
    QCOMPARE(controls.preferred->count(), 0);
    QVERIFY(!controls.preferred->isEnabled());

    VyrTest::clickButton(controls.defined);
    QCOMPARE(emitted.timings.size(), 1);
    QVERIFY(emitted.timings.last().defined);
    QVERIFY(controls.aspect->isEnabled() && controls.height->isEnabled());
    QVERIFY(controls.rates->isEnabled());
}

void tst_CvtTimingWidget::aspectChangeEmitsTwice()
{
    const Cvt3ByteTiming record = code1080();
    OpenCvt open(&record, 1);
    CvtEmissions &emitted = open.emitted;
    CvtControls &controls = open.controls;

    VyrTest::chooseRow(controls.aspect, controls.aspect->findText("LandScape 4x3"));

    QCOMPARE(emitted.timings.size(), 2);
    QCOMPARE(emitted.indexes, QList<unsigned>({1u, 1u}));
    QCOMPARE(emitted.timings.first().aspect, AspectRatio16x9);
    QCOMPARE(emitted.timings.last().aspect, AspectRatio4x3);
    QCOMPARE(emitted.timings.last().lines, 1080u);
    QCOMPARE(controls.width->text(), QStringLiteral("1440"));

    VyrTest::typeAndConfirm(controls.height, QStringLiteral("1200"));
    QCOMPARE(emitted.timings.last().lines, 1200u);
    QCOMPARE(controls.width->text(), QStringLiteral("1600"));

    // A code holds an even count of lines: 1201 is 1200, and the field says so.
    VyrTest::typeAndConfirm(controls.height, QStringLiteral("1201"));
    QCOMPARE(emitted.timings.last().lines, 1200u);
    QCOMPARE(controls.height->text(), QStringLiteral("1200"));
}

// Clearing "Defined" shows what a block read afresh shows for the empty code it stores; ticking
// it again brings the mode back and reports it.
void tst_CvtTimingWidget::clearingDefinedShowsAnEmptyCode()
{
    const Cvt3ByteTiming record = code1080();
    OpenCvt open(&record, 0);
    CvtEmissions &emitted = open.emitted;
    CvtControls &controls = open.controls;
    const auto shown = [&controls]() {
        return QStringList{controls.aspect->currentText(), controls.height->text(),
                           controls.width->text(), controls.checkedBoxes().join('+'),
                           controls.preferredRows().join('+')};
    };

    VyrTest::clickButton(controls.defined);
    QCOMPARE(emitted.timings.size(), 1);
    QVERIFY(!emitted.timings.last().defined);
    QCOMPARE(shown(), QStringList({"LandScape 16x10", "0", "0", "", ""}));

    VyrTest::clickButton(controls.defined);
    QCOMPARE(emitted.timings.size(), 2);
    QVERIFY(emitted.timings.last().defined);
    QCOMPARE(emitted.timings.last().lines, 1080u);
    QVERIFY(emitted.timings.last().rate60HzReducedBlanking);
    QCOMPARE(shown(), QStringList({"LandScape 16x9", "1080", "1920", "60Hz+60Hz(RB)", "60Hz"}));
}

// The user's choice of preferred rate is stored; refilling the list when the supported rates
// change keeps it.
void tst_CvtTimingWidget::preferredRateChosen()
{
    Cvt3ByteTiming record = code1080();
    record.rate50Hz = true;
    record.rate75Hz = true;
    OpenCvt open(&record, 0);
    CvtEmissions &emitted = open.emitted;
    CvtControls &controls = open.controls;
    QCOMPARE(controls.preferredRows(), QStringList({"50Hz", "60Hz", "75Hz"}));
    QCOMPARE(controls.preferred->currentText(), QStringLiteral("60Hz"));

    VyrTest::chooseRow(controls.preferred, 2);
    QCOMPARE(emitted.timings.size(), 1);
    QCOMPARE(emitted.timings.last().preferredRate, quint32(CvtRefreshRate75Hz));

    VyrTest::clickButton(controls.boxes.value("85Hz"));
    QCOMPARE(controls.preferredRows(), QStringList({"50Hz", "60Hz", "75Hz", "85Hz"}));
    QCOMPARE(controls.preferred->currentText(), QStringLiteral("75Hz"));
    QCOMPARE(emitted.timings.size(), 2);
    QCOMPARE(emitted.timings.last().preferredRate, quint32(CvtRefreshRate75Hz));
    QVERIFY(emitted.timings.last().rate85Hz);
}

// A 15:9 code has no aspect row: the list shows its bits, and a change of the lines keeps its
// aspect. A line field the validator does not accept (here empty) keeps the lines when the
// aspect changes.
void tst_CvtTimingWidget::keepsWhatItCannotShow()
{
    Cvt3ByteTiming record = code1080();
    record.aspect = AspectRatio15x9;
    OpenCvt open(&record, 0);
    CvtEmissions &emitted = open.emitted;
    CvtControls &controls = open.controls;
    QCOMPARE(controls.aspect->currentText(), QStringLiteral("Unknown (0x03)"));

    VyrTest::typeAndConfirm(controls.height, QStringLiteral("1200"));
    QCOMPARE(emitted.timings.last().aspect, AspectRatio15x9);
    QCOMPARE(emitted.timings.last().lines, 1200u);

    VyrTest::typeAndConfirm(controls.height, QString());
    VyrTest::chooseRow(controls.aspect, 1);
    QCOMPARE(emitted.timings.last().aspect, AspectRatio16x9);
    QCOMPARE(emitted.timings.last().lines, 1200u);
    QCOMPARE(controls.aspect->findText(QStringLiteral("Unknown (0x03)")), -1);
}

QTEST_MAIN(tst_CvtTimingWidget)
#include "tst_cvttimingwidget.moc"
