// Times the EDID tree against plain Qt doing the same work and prints the ratios:
// - building the tree for the largest sample image, beside a plain QTreeWidget with the same
//   rows and the same kinds of item widgets (target: at most 1.3 times as long);
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
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTextStream>
#include <QToolButton>

#include <algorithm>
#include <functional>
#include <vector>

namespace {

// One row of a built tree: its texts, the kind of widget in each column, its children.
struct RowShape
{
    QStringList texts;
    QList<QString> widgets; // class name per column, empty for none
    std::vector<RowShape> children;
};

RowShape shapeOf(QTreeWidget *tree, QTreeWidgetItem *item)
{
    RowShape shape;
    for (int c = 0; c < tree->columnCount(); ++c) {
        shape.texts << item->text(c);
        QWidget *widget = tree->itemWidget(item, c);
        shape.widgets << (widget ? QString::fromLatin1(widget->metaObject()->className())
                                 : QString());
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

QWidget *plainWidget(const QString &className)
{
    if (className == QLatin1String("QLabel"))
        return new QLabel(QStringLiteral("00"));
    if (className == QLatin1String("QLineEdit"))
        return new QLineEdit(QStringLiteral("00"));
    if (className == QLatin1String("QCheckBox"))
        return new QCheckBox;
    if (className == QLatin1String("QComboBox"))
        return new QComboBox;
    if (className == QLatin1String("QPushButton"))
        return new QPushButton(QStringLiteral("Add Block"));
    if (className.contains(QLatin1String("ToolButton"))) {
        auto *button = new QToolButton;
        button->setIcon(VyrEdidIcons::erase());
        return button;
    }
    return new QWidget;
}

void buildPlain(QTreeWidget *tree, QTreeWidgetItem *parent, const RowShape &shape)
{
    auto *item = new QTreeWidgetItem(shape.texts);
    if (parent)
        parent->addChild(item);
    else
        tree->addTopLevelItem(item);
    for (int c = 0; c < shape.widgets.size(); ++c) {
        if (!shape.widgets.at(c).isEmpty())
            tree->setItemWidget(item, c, plainWidget(shape.widgets.at(c)));
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
