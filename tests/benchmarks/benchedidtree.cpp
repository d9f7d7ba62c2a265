// Times the EDID tree against plain Qt doing the same work and prints the ratios:
// - building the tree for the largest sample image, beside a plain QTreeWidget with the same
//   rows and, in each cell, the same standard Qt widgets (the nearest Qt class of each cell
//   widget and of the widgets laid out in it, with the same texts and list entries) (target:
//   at most 1.3 times as long);
// - refreshing the hex view after one edit, beside filling the 512 cells of a table (target:
//   at most 2 times as long).
// Usage: bench_edidtree [sample file name]   (run it through scripts/bench-tree.sh)

#include "frame/vyredidinfotree.h"
#include "frame/vyrediditembase.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidrows.h"
#include "frame/vyredidviewform.h"
#include "frame/vyredidwidgets.h"
#include "vyrtestutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTextStream>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

namespace {

// The standard Qt widgets a cell of the EDID tree is made of: the nearest Qt class of the
// cell widget, what it shows (text, list entries, spin range) and, for a container, its layout
// and the widgets laid out in it. The plain tree builds the same widgets without the tree's own
// classes, so the floor does the same widget work.
struct WidgetShape
{
    QString qtClass;
    QString text;
    QStringList entries;
    int minimum = 0;
    int maximum = 0;
    int value = 0;
    QString layoutClass;
    std::vector<WidgetShape> children;
};

// One row of a built tree: its texts, the widget of each column, its children.
struct RowShape
{
    QStringList texts;
    std::vector<std::unique_ptr<WidgetShape>> widgets; // per column, null for none
    std::vector<RowShape> children;
};

QString nearestQtClass(const QObject *object)
{
    const QMetaObject *meta = object->metaObject();
    while (meta && !QByteArray(meta->className()).startsWith('Q'))
        meta = meta->superClass();
    return meta ? QString::fromLatin1(meta->className()) : QStringLiteral("QWidget");
}

WidgetShape widgetShapeOf(const QWidget *widget)
{
    WidgetShape shape;
    shape.qtClass = nearestQtClass(widget);
    if (auto *label = qobject_cast<const QLabel *>(widget))
        shape.text = label->text();
    else if (auto *line = qobject_cast<const QLineEdit *>(widget))
        shape.text = line->text();
    else if (auto *button = qobject_cast<const QAbstractButton *>(widget))
        shape.text = button->text();
    else if (auto *combo = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < combo->count(); ++i)
            shape.entries << combo->itemText(i);
    } else if (auto *spin = qobject_cast<const QSpinBox *>(widget)) {
        shape.minimum = spin->minimum();
        shape.maximum = spin->maximum();
        shape.value = spin->value();
    }
    // Standard input widgets make their own inner widgets; only containers are walked.
    if (shape.qtClass != QLatin1String("QWidget") && shape.qtClass != QLatin1String("QFrame")
        && shape.qtClass != QLatin1String("QGroupBox"))
        return shape;
    if (QLayout *layout = widget->layout()) {
        shape.layoutClass = nearestQtClass(layout);
        for (int i = 0; i < layout->count(); ++i) {
            if (QWidget *child = layout->itemAt(i)->widget())
                shape.children.push_back(widgetShapeOf(child));
        }
    }
    return shape;
}

RowShape shapeOf(QTreeWidget *tree, QTreeWidgetItem *item)
{
    RowShape shape;
    for (int c = 0; c < tree->columnCount(); ++c) {
        shape.texts << item->text(c);
        QWidget *widget = tree->itemWidget(item, c);
        shape.widgets.push_back(widget ? std::make_unique<WidgetShape>(widgetShapeOf(widget))
                                       : nullptr);
    }
    for (int i = 0; i < item->childCount(); ++i)
        shape.children.push_back(shapeOf(tree, item->child(i)));
    return shape;
}

int rowCount(const RowShape &shape)
{
    int count = 1;
    for (const RowShape &child : shape.children)
        count += rowCount(child);
    return count;
}

void countClasses(const WidgetShape &shape, QMap<QString, int> &counts)
{
    ++counts[shape.qtClass];
    for (const WidgetShape &child : shape.children)
        countClasses(child, counts);
}

void countClasses(const RowShape &shape, QMap<QString, int> &counts)
{
    for (const auto &widget : shape.widgets) {
        if (widget)
            countClasses(*widget, counts);
    }
    for (const RowShape &child : shape.children)
        countClasses(child, counts);
}

QWidget *plainWidget(const WidgetShape &shape)
{
    const QString &kind = shape.qtClass;
    if (kind == QLatin1String("QLabel"))
        return new QLabel(shape.text);
    if (kind == QLatin1String("QLineEdit"))
        return new QLineEdit(shape.text);
    if (kind == QLatin1String("QCheckBox"))
        return new QCheckBox(shape.text);
    if (kind == QLatin1String("QRadioButton"))
        return new QRadioButton(shape.text);
    if (kind == QLatin1String("QComboBox")) {
        auto *combo = new QComboBox;
        combo->addItems(shape.entries);
        return combo;
    }
    if (kind == QLatin1String("QSpinBox")) {
        auto *spin = new QSpinBox;
        spin->setRange(shape.minimum, shape.maximum);
        spin->setValue(shape.value);
        return spin;
    }
    if (kind == QLatin1String("QPushButton"))
        return new QPushButton(shape.text);
    if (kind == QLatin1String("QToolButton")) {
        auto *button = new QToolButton;
        button->setIcon(VyrEdidIcons::erase());
        return button;
    }
    // Any other class, a stacked widget say, stands as a bare widget; grid and form layouts
    // as a vertical box.
    auto *widget = new QWidget;
    QBoxLayout *layout = nullptr;
    if (shape.layoutClass == QLatin1String("QHBoxLayout"))
        layout = new QHBoxLayout(widget);
    else if (!shape.layoutClass.isEmpty())
        layout = new QVBoxLayout(widget);
    for (const WidgetShape &child : shape.children) {
        if (layout)
            layout->addWidget(plainWidget(child));
    }
    return widget;
}

void buildPlain(QTreeWidget *tree, QTreeWidgetItem *parent, const RowShape &shape)
{
    auto *item = new QTreeWidgetItem(shape.texts);
    if (parent)
        parent->addChild(item);
    else
        tree->addTopLevelItem(item);
    for (std::size_t c = 0; c < shape.widgets.size(); ++c) {
        if (shape.widgets[c])
            tree->setItemWidget(item, int(c), plainWidget(*shape.widgets[c]));
    }
    for (const RowShape &child : shape.children)
        buildPlain(tree, item, child);
}

void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// Median milliseconds of runs of work; prepare runs untimed before each.
double medianMs(int runs, const std::function<void()> &prepare, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        work();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void report(QTextStream &out, const QString &what, const QString &ours, double oursMs,
            const QString &theirs, double theirsMs, double target)
{
    const double ratio = oursMs / theirsMs;
    out << QStringLiteral("%1: %2 %3 ms, %4 %5 ms, ratio %6 (target at most %7: %8)\n")
               .arg(what, ours)
               .arg(oursMs, 0, 'f', 3)
               .arg(theirs)
               .arg(theirsMs, 0, 'f', 3)
               .arg(ratio, 0, 'f', 2)
               .arg(target)
               .arg(ratio <= target ? QStringLiteral("met") : QStringLiteral("MISSED"));
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    const QString sample =
        argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("large-appae22-1.bin");
    QByteArray image = VyrTest::sampleImage(sample);
    if (VyrTest::readSample(sample).isEmpty()) {
        out << "no sample " << sample << "\n";
        return 1;
    }
    auto *bytes = reinterpret_cast<unsigned char *>(image.data());
    constexpr int Runs = 41;

    // The EDID tree as the view builds it, and a plain tree of the same shape.
    VyrEdidInfoTree edidTree;
    edidTree.setColumnCount(4);
    edidTree.resize(900, 700);
    edidTree.show();
    QTreeWidget plainTree;
    plainTree.setColumnCount(4);
    plainTree.resize(900, 700);
    plainTree.show();

    auto clearEdid = [&]() {
        VyrEdidRows::removeTopLevelItems(&edidTree);
        settle();
    };
    auto buildEdid = [&]() {
        auto *root = new VyrEdidMainItem(bytes);
        edidTree.addTopLevelItem(root);
        root->InitItems();
        edidTree.expandAll();
        QCoreApplication::processEvents();
    };
    buildEdid();
    const RowShape shape = shapeOf(&edidTree, edidTree.topLevelItem(0));
    const double edidMs = medianMs(Runs, clearEdid, buildEdid);
    const double plainMs = medianMs(
        Runs,
        [&]() {
            plainTree.clear();
            settle();
        },
        [&]() {
            buildPlain(&plainTree, nullptr, shape);
            plainTree.expandAll();
            QCoreApplication::processEvents();
        });
    out << QStringLiteral("sample %1: %2 rows\n").arg(sample).arg(rowCount(shape));
    QMap<QString, int> classes;
    countClasses(shape, classes);
    out << "widgets of both trees:";
    for (auto it = classes.cbegin(); it != classes.cend(); ++it)
        out << ' ' << it.key() << ' ' << it.value();
    out << '\n';
    report(out, QStringLiteral("tree build"), QStringLiteral("EDID tree"), edidMs,
           QStringLiteral("plain QTreeWidget"), plainMs, 1.3);

    // One edit's hex view refresh, and filling 512 cells of a table.
    VyrEdidViewForm form;
    form.resize(1200, 800);
    form.show();
    form.SetEdid(bytes);
    settle();
    auto *base = dynamic_cast<VyrEdidItemBase *>(form.rootItem()->child(0));
    int edits = 0;
    const double refreshMs = medianMs(
        Runs, [&]() { bytes[17] = static_cast<unsigned char>(++edits); },
        [&]() { base->NotifyAtDataChanged(); });
    QTableWidget table(32, 16);
    table.resize(600, 800);
    table.show();
    int fills = 0;
    const double fillMs = medianMs(
        Runs, [&]() { ++fills; },
        [&]() {
            for (int i = 0; i < 512; ++i) {
                table.setItem(i / 16, i % 16,
                              new QTableWidgetItem(QStringLiteral("%1").arg((i + fills) & 0xFF, 2,
                                                                            16, QLatin1Char('0'))));
            }
        });
    report(out, QStringLiteral("hex view refresh after one edit"), QStringLiteral("refresh"),
           refreshMs, QStringLiteral("filling 512 table cells"), fillMs, 2.0);
    clearEdid();
    return 0;
}
