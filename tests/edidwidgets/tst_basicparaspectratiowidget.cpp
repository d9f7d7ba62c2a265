#include "baseblockfixture.h"
#include "connectwarninghandler.h"
#include "userinput.h"
#include "widgets/basicparaspectratiowidget.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

// The controls of a screen size widget, found as a user sees them.
struct AspectControls
{
    explicit AspectControls(QWidget *widget)
    {
        const QList<QRadioButton *> buttons = widget->findChildren<QRadioButton *>();
        for (QRadioButton *button : buttons) {
            texts << button->text();
            if (button->text() == QLatin1String("Projector"))
                projector = button;
            else if (button->text() == QLatin1String("H/V Size(cm)"))
                size = button;
            else if (button->text() == QLatin1String("Aspect Ratio"))
                aspect = button;
        }
        auto *grid = qobject_cast<QGridLayout *>(widget->layout());
        hSize = qobject_cast<QLineEdit *>(grid->itemAtPosition(1, 1)->widget());
        vSize = qobject_cast<QLineEdit *>(grid->itemAtPosition(1, 2)->widget());
        list = widget->findChild<QComboBox *>();
    }

    QStringList texts;
    QRadioButton *projector = nullptr;
    QRadioButton *size = nullptr;
    QRadioButton *aspect = nullptr;
    QLineEdit *hSize = nullptr;
    QLineEdit *vSize = nullptr;
    QComboBox *list = nullptr;
};

// A screen size widget over a block with a digital input and the given size bytes.
struct OpenAspectWidget : OpenBasicWidget<BasicParAspectRatioWidget>
{
    OpenAspectWidget(bool edid14, quint8 hSize, quint8 vSize)
        : OpenBasicWidget(edid14, 0x80, hSize, vSize)
    {}
};

class tst_BasicParAspectRatioWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { VyrTest::installConnectWarningHandler(); }

    void edid13ProjectorToSize();
    void edid14AspectRatio();
    void sizeOutOfRangeRefused();
    void projectorChosen();
};

// An EDID 1.3 block without a size opens as a projector with the size fields off; choosing
// "H/V Size(cm)" turns them on, and the typed sizes are emitted and stored.
void tst_BasicParAspectRatioWidget::edid13ProjectorToSize()
{
    OpenAspectWidget open(false, 0, 0);
    const QList<BasicDisplayParams> &emitted = open.emitted;
    AspectControls controls(&open.widget);

    QCOMPARE(controls.texts, QStringList({"Projector", "H/V Size(cm)"}));
    QVERIFY(!controls.list);
    QVERIFY(controls.projector->isChecked());
    QVERIFY(!controls.hSize->isEnabled() && !controls.vSize->isEnabled());
    QCOMPARE(controls.hSize->toolTip(), QStringLiteral("Valid range 0 --> 255"));

    VyrTest::clickButton(controls.size);
    QVERIFY(controls.size->isChecked());
    QVERIFY(controls.hSize->isEnabled() && controls.vSize->isEnabled());
    QVERIFY(!emitted.isEmpty());
    QCOMPARE(emitted.last().screenSizeKind, unsigned(ScreenSizeCm));

    VyrTest::typeAndConfirm(controls.hSize, QStringLiteral("52"));
    VyrTest::typeAndConfirm(controls.vSize, QStringLiteral("29"));
    const BasicDisplayParams &sent = emitted.last();
    QCOMPARE(sent.screenSizeKind, unsigned(ScreenSizeCm));
    QCOMPARE(sent.horizontalSize, 52u);
    QCOMPARE(sent.verticalSize, 29u);
    // The caller's record stays as it was.
    QCOMPARE(open.params.screenSizeKind, unsigned(ScreenSizeUndefined));

    open.block.store(sent);
    QCOMPARE(open.block.byte(21), quint8(52));
    QCOMPARE(open.block.byte(22), quint8(29));
}

void tst_BasicParAspectRatioWidget::edid14AspectRatio()
{
    OpenAspectWidget open(true, 61, 0); // landscape 16:10
    const QList<BasicDisplayParams> &emitted = open.emitted;
    AspectControls controls(&open.widget);

    QCOMPARE(controls.texts, QStringList({"Projector", "H/V Size(cm)", "Aspect Ratio"}));
    QVERIFY(controls.aspect->isChecked());
    QCOMPARE(controls.list->currentText(), QStringLiteral("Landscape 16x10"));

    VyrTest::chooseRow(controls.list, controls.list->findText(QStringLiteral("Portrait 4x5")));

    QVERIFY(!emitted.isEmpty());
    QCOMPARE(emitted.last().screenSizeKind, unsigned(ScreenPortrait4x5));
    QCOMPARE(emitted.last().horizontalSize, 0u);
    QCOMPARE(emitted.last().verticalSize, 0u);
    open.block.store(emitted.last());
    QCOMPARE(open.block.byte(21), quint8(0));
    QCOMPARE(open.block.byte(22), quint8(26));
}

// 300 is refused: Return does not confirm it, and a confirmed second size is not emitted with
// it (the size byte would keep only its low 8 bits) until the first field holds a size again.
void tst_BasicParAspectRatioWidget::sizeOutOfRangeRefused()
{
    OpenAspectWidget open(false, 40, 30);
    const QList<BasicDisplayParams> &emitted = open.emitted;
    AspectControls controls(&open.widget);
    QCOMPARE(controls.hSize->text(), QStringLiteral("40"));
    QCOMPARE(controls.vSize->text(), QStringLiteral("30"));

    VyrTest::typeAndConfirm(controls.hSize, QStringLiteral("300"));
    QVERIFY(!controls.hSize->hasAcceptableInput());
    VyrTest::typeAndConfirm(controls.vSize, QStringLiteral("29"));
    QVERIFY(emitted.isEmpty());

    VyrTest::typeAndConfirm(controls.hSize, QStringLiteral("52"));
    QCOMPARE(emitted.size(), 1);
    QCOMPARE(emitted.last().horizontalSize, 52u);
    QCOMPARE(emitted.last().verticalSize, 29u);
}

void tst_BasicParAspectRatioWidget::projectorChosen()
{
    OpenAspectWidget open(true, 40, 30);
    const QList<BasicDisplayParams> &emitted = open.emitted;
    AspectControls controls(&open.widget);
    QVERIFY(controls.size->isChecked());

    VyrTest::clickButton(controls.projector);

    QVERIFY(!emitted.isEmpty());
    QCOMPARE(emitted.last().screenSizeKind, unsigned(ScreenSizeUndefined));
    QCOMPARE(emitted.last().horizontalSize, 0u);
    QCOMPARE(emitted.last().verticalSize, 0u);
    QVERIFY(!controls.hSize->isEnabled() && !controls.vSize->isEnabled());
    open.block.store(emitted.last());
    QCOMPARE(open.block.byte(21), quint8(0));
    QCOMPARE(open.block.byte(22), quint8(0));
}

QTEST_MAIN(tst_BasicParAspectRatioWidget)
#include "tst_basicparaspectratiowidget.moc"
