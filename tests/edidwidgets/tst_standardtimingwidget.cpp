#include "baseblockfixture.h"
#include "connectwarninghandler.h"
#include "recordinguiservice.h"
#include "userinput.h"
#include "widgets/standardtimingwidget.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QLocale>
#include <QTest>

#include <functional>

// The controls of a standard timing widget, by their form rows.
struct TimingControls
{
    explicit TimingControls(QWidget *widget)
        : defined(qobject_cast<QCheckBox *>(VyrTest::formField(widget, "Defined")))
        , aspect(qobject_cast<QComboBox *>(VyrTest::formField(widget, "Aspect Ratio:")))
        , width(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Width:")))
        , height(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Height:")))
        , refresh(qobject_cast<QLineEdit *>(VyrTest::formField(widget, "Refresh Rate:")))
    {}

    bool editsEnabled() const
    {
        return aspect->isEnabled() && width->isEnabled() && refresh->isEnabled();
    }
    bool editsDisabled() const
    {
        return !aspect->isEnabled() && !width->isEnabled() && !refresh->isEnabled();
    }

    QCheckBox *defined;
    QComboBox *aspect;
    QLineEdit *width;
    QLineEdit *height;
    QLineEdit *refresh;
};

static StandardTiming timing(unsigned width, unsigned refresh, AspectRatioCode aspect,
                             bool defined = true)
{
    StandardTiming t;
    t.defined = defined;
    t.width = width;
    t.refreshRate = refresh;
    t.aspect = aspect;
    return t;
}

// A standard timing widget, shown, over a record.
struct OpenTiming
{
    explicit OpenTiming(const StandardTiming &timing)
        : record(timing)
        , widget(&record, false)
        , emitted(&widget)
        , controls(&widget)
    {
        widget.show();
    }

    StandardTiming record;
    StandardTimingWidget widget;
    Emissions<StandardTiming> emitted;
    TimingControls controls;
};

class tst_StandardTimingWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VyrTest::installConnectWarningHandler(); }
    void cleanup()
    {
        m_ui.clear();
        m_ui.setWhileShown(nullptr);
        QLocale::setDefault(m_locale);
    }

    void opens_data();
    void opens();
    void aspectChange();
    void widthNotDivisibleBy8_data();
    void widthNotDivisibleBy8();
    void undefinedToDefined();
    void emptyWidthNotEmitted();
    void widthReadInTheCLocale_data();
    void widthReadInTheCLocale();

private:
    VyrTest::RecordingUiService m_ui; // installed for the life of the test object
    QLocale m_locale;
};

void tst_StandardTimingWidget::opens_data()
{
    QTest::addColumn<unsigned>("width");
    QTest::addColumn<int>("aspect");
    QTest::addColumn<bool>("square");
    QTest::addColumn<QString>("row");
    QTest::addColumn<QString>("height");

    QTest::newRow("16:10") << 1280u << int(AspectRatio16x10) << false << "LandScape 16x10"
                           << "800";
    QTest::newRow("4:3") << 1280u << int(AspectRatio4x3) << false << "LandScape  4x3"
                         << "960";
    QTest::newRow("5:4") << 1280u << int(AspectRatio5x4) << false << "LandScape  5x4"
                         << "1024";
    QTest::newRow("16:9") << 1920u << int(AspectRatio16x9) << false << "LandScape  16x9"
                          << "1080";
    QTest::newRow("square") << 1024u << int(AspectRatio16x10) << true << "Square   1x1"
                            << "1024";
    QTest::newRow("no code") << 1024u << int(AspectRatioUndefined) << false << "LandScape 16x10"
                             << "0";
}

void tst_StandardTimingWidget::opens()
{
    QFETCH(unsigned, width);
    QFETCH(int, aspect);
    QFETCH(bool, square);
    QFETCH(QString, row);
    QFETCH(QString, height);

    StandardTiming record = timing(width, 75, AspectRatioCode(aspect));
    StandardTimingWidget widget(&record, square);
    TimingControls controls(&widget);

    QVERIFY(controls.defined->isChecked());
    QCOMPARE(controls.aspect->currentText(), row);
    QCOMPARE(controls.width->text(), QString::number(width));
    QCOMPARE(controls.refresh->text(), QStringLiteral("75"));
    QCOMPARE(controls.height->text(), height);
    QVERIFY(controls.editsEnabled());
    QVERIFY(!controls.height->isEnabled() && controls.height->isReadOnly());
    QCOMPARE(controls.width->toolTip(), QStringLiteral("Valid range 256 --> 2288, divisible by 8"));
    QCOMPARE(controls.refresh->toolTip(), QStringLiteral("Valid range 60 --> 123"));
}

void tst_StandardTimingWidget::aspectChange()
{
    OpenTiming open(timing(1280, 60, AspectRatio16x10));
    const QList<StandardTiming> &emitted = open.emitted;
    TimingControls &controls = open.controls;

    VyrTest::chooseRow(controls.aspect, controls.aspect->findText("LandScape  4x3"));

    QCOMPARE(emitted.size(), 1);
    QCOMPARE(emitted.last().aspect, AspectRatio4x3);
    QCOMPARE(emitted.last().width, 1280u);
    QCOMPARE(emitted.last().refreshRate, 60u);
    QVERIFY(emitted.last().defined);
    QCOMPARE(controls.height->text(), QStringLiteral("960"));
    QCOMPARE(open.record.aspect, AspectRatio16x10); // the caller's record stays
}

void tst_StandardTimingWidget::widthNotDivisibleBy8_data()
{
    QTest::addColumn<bool>("leaveByClick");
    QTest::newRow("Return") << false;
    QTest::newRow("click on the refresh field") << true;
}

// 1283 passes the validator but is no multiple of 8: one warning, the focus back in the width
// field, nothing emitted. The focus changes around the box (the box taking it, the width field
// getting it back from the field the user clicked) must not open a second box. Unchecking
// "Defined" then still emits the timing as not defined.
void tst_StandardTimingWidget::widthNotDivisibleBy8()
{
    QFETCH(bool, leaveByClick);
    OpenTiming open(timing(1280, 60, AspectRatio16x10));
    QApplication::setActiveWindow(&open.widget);
    QVERIFY(QTest::qWaitForWindowActive(&open.widget));
    const QList<StandardTiming> &emitted = open.emitted;
    TimingControls &controls = open.controls;
    QWidget box; // the window of the message box while it is up
    m_ui.setWhileShown([&box, &open] {
        box.show();
        QApplication::setActiveWindow(&box);
        box.hide();
        QApplication::setActiveWindow(&open.widget);
    });

    controls.width->setFocus();
    QTest::keyClick(controls.width, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(controls.width, QStringLiteral("1283"));
    if (leaveByClick)
        QTest::mouseClick(controls.refresh, Qt::LeftButton);
    else
        QTest::keyClick(controls.width, Qt::Key_Return);

    QCOMPARE(m_ui.messages().size(), 1);
    QCOMPARE(m_ui.messages().first().icon, VyrUiService::Icon::Warning);
    QCOMPARE(m_ui.messages().first().title, QStringLiteral("Input data is invalid"));
    QCOMPARE(m_ui.messages().first().text,
             QStringLiteral("Valid range 256 --> 2288, divisible by 8"));
    QCOMPARE(QApplication::focusWidget(), controls.width);
    QVERIFY(emitted.isEmpty());

    m_ui.setWhileShown(nullptr);
    VyrTest::clickButton(controls.defined);

    QCOMPARE(emitted.size(), 1);
    QVERIFY(!emitted.last().defined);
    QCOMPARE(emitted.last().width, 1280u);
    QCOMPARE(emitted.last().refreshRate, 60u);
    QCOMPARE(emitted.last().aspect, AspectRatio16x10);
    QVERIFY(controls.editsDisabled());
}

// An unused timing shows width and rate 0: checking "Defined" offers the fields but stores
// nothing until both hold values the two bytes can encode.
void tst_StandardTimingWidget::undefinedToDefined()
{
    OpenTiming open(timing(0, 0, AspectRatioUndefined, false));
    const QList<StandardTiming> &emitted = open.emitted;
    TimingControls &controls = open.controls;
    QVERIFY(controls.editsDisabled());

    VyrTest::clickButton(controls.defined);
    QVERIFY(controls.editsEnabled());
    VyrTest::typeAndConfirm(controls.width, QStringLiteral("1920"));
    QVERIFY(emitted.isEmpty());
    QVERIFY(m_ui.messages().isEmpty());

    VyrTest::typeAndConfirm(controls.refresh, QStringLiteral("60"));
    QCOMPARE(emitted.size(), 1);
    QVERIFY(emitted.last().defined);
    QCOMPARE(emitted.last().width, 1920u);
    QCOMPARE(emitted.last().refreshRate, 60u);
    QCOMPARE(emitted.last().aspect, AspectRatio16x10);
    QCOMPARE(controls.height->text(), QStringLiteral("1200"));
}

void tst_StandardTimingWidget::emptyWidthNotEmitted()
{
    OpenTiming open(timing(1280, 60, AspectRatio16x10));
    const QList<StandardTiming> &emitted = open.emitted;
    TimingControls &controls = open.controls;

    VyrTest::typeAndConfirm(controls.width, QString());
    VyrTest::chooseRow(controls.aspect, 1);

    QVERIFY(emitted.isEmpty());
    QVERIFY(m_ui.messages().isEmpty());
}

// A width is read as every editor of the tree reads numbers, whatever the default locale: a
// group separator is taken, a German one is no part of a number, and nothing reads as 0.
void tst_StandardTimingWidget::widthReadInTheCLocale_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<unsigned>("width");
    QTest::newRow("C, group separator") << "C"
                                        << "1,024" << 1024u;
    QTest::newRow("German, C group separator") << "de_DE"
                                               << "1,280" << 1280u;
    QTest::newRow("German, German group separator") << "de_DE"
                                                    << "1.600" << 1600u;
}

void tst_StandardTimingWidget::widthReadInTheCLocale()
{
    QFETCH(QString, locale);
    QFETCH(QString, typed);
    QFETCH(unsigned, width);
    QLocale::setDefault(QLocale(locale));
    OpenTiming open(timing(1280, 60, AspectRatio16x10));
    VyrTest::typeAndConfirm(open.controls.width, typed);
    QCOMPARE(open.emitted.size(), 1);
    QCOMPARE(open.emitted.last().width, width);
    QCOMPARE(open.controls.width->text(), QString::number(width));
    QVERIFY(m_ui.messages().isEmpty());
}

QTEST_MAIN(tst_StandardTimingWidget)
#include "tst_standardtimingwidget.moc"
