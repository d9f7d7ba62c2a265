#include "connectwarninghandler.h"
#include "edidbinfile.h"
#include "edidblocktable.h"
#include "edidbytes.h"
#include "edidtreeharness.h"
#include "frame/vyredidchooser.h"
#include "frame/vyredidinfotree.h"
#include "frame/vyredidkinds.h"
#include "frame/vyredidmainitem.h"
#include "frame/vyredidviewform.h"
#include "keptbytefixtures.h"
#include "model/vyredidblockrecogniser.h"
#include "userinput.h"
#include "vyrtestutil.h"
#include "widgets/cvttimingwidget.h"
#include "widgets/standardtimingwidget.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleValidator>
#include <QIntValidator>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTreeWidgetItemIterator>
#include <QtTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

using VyrTest::TreeHarness;

// Drives the whole editor over every real sample, over the images whose extensions the tree has
// no class for (keptblockfixtures.h), over the byte patterns of real displays of
// keptbytefixtures.h and over the crafted CEA-861 blocks of the test kit, with a seeded run of
// random user actions: typing valid and invalid values, ticking boxes, choosing list entries,
// adding and removing blocks, data blocks, descriptors and entries, rebuilding, and leaving the
// view for the save page and back. After each action every block checksum holds, edid-decode
// finds no error of structure that it did not find in the untouched sample, and every row shows
// what a tree freshly built from the same bytes shows.
//
// VYR_RANDOM_ACTIONS sets the number of actions per sample (default below), VYR_RANDOM_SEED the
// seed; a failure prints both with the actions that led to it, so it can be replayed.
// scripts/random-edits.sh runs it longer.

namespace {

// Bounded so that the sanitizer build runs the test in a few minutes.
constexpr int DefaultActions = 12;
constexpr quint32 DefaultSeed = 44;

int envNumber(const char *name, int fallback)
{
    bool ok = false;
    const int value = qEnvironmentVariable(name).toInt(&ok);
    return ok && value >= 0 ? value : fallback;
}

// A stable hash of a sample name (qHash is seeded per process).
quint32 nameHash(const QString &name)
{
    quint32 hash = 2166136261u;
    for (const QChar c : name)
        hash = (hash ^ c.unicode()) * 16777619u;
    return hash;
}

// Answers the add dialog with a random offered name, or cancels it now and then.
class RandomChooser : public VyrEdidChooser
{
public:
    RandomChooser(QRandomGenerator *random, QStringList *log)
        : m_random(random)
        , m_log(log)
        , m_previous(VyrEdidChooser::install(this))
    {}
    ~RandomChooser() override { VyrEdidChooser::install(m_previous); }

    RandomChooser(const RandomChooser &) = delete;
    RandomChooser &operator=(const RandomChooser &) = delete;

    bool choose(const QStringList &names, int *row, QString *name) override
    {
        const int pick = names.isEmpty() ? 0 : int(m_random->bounded(names.size() + 1));
        if (pick >= names.size()) {
            m_log->last() += QStringLiteral(" -> cancel");
            return false;
        }
        *row = pick;
        *name = names.at(pick);
        m_log->last() += QStringLiteral(" -> '%1'").arg(*name);
        return true;
    }

private:
    QRandomGenerator *m_random;
    QStringList *m_log;
    VyrEdidChooser *m_previous;
};

// A widget of the tree a user can act on, with the row and column that hold it.
struct Target
{
    QTreeWidgetItem *row;
    int column;
    QWidget *widget; // null for the check state of the column itself
};

// The image bytes the recognised blocks cover: what the save page writes into a file.
QByteArray savedPart(const QByteArray &image)
{
    EdidImage bytes{};
    std::memcpy(bytes, image.constData(), sizeof bytes);
    return image.left(int(EdidBlockTable::analyse(bytes).coveredSize()));
}

// The failure lines of edid-decode -c that say the image's structure is broken (a checksum,
// a length, an offset, a block count), with numbers left out, so that the same fault in a
// moved block reads the same. Conformance findings about values (a rate out of range, a name
// with trailing blanks, a reserved code the user chose from a list, a descriptor added without
// codes yet, flags of one CTA-861 block that differ from another's) are not structure: typing a
// value the editors accept may well raise them.
QStringList structureFailures(const QByteArray &image, QString *report)
{
    static const QRegularExpression structure(
        QStringLiteral("checksum|length|offset|overflow|exceed|too (short|long|many|few)|"
                       "padding|extension block\\(s\\)|truncat|parse|unknown (data )?block|"
                       "bytes? (left|remain)|empty data block"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression number(QStringLiteral("(0x)?[0-9a-fA-F]*[0-9][0-9a-fA-F]*"));
    *report = VyrTest::edidDecode(savedPart(image), {QStringLiteral("-c")});
    QStringList found;
    bool inFailures = false;
    const QStringList lines = report->split(QLatin1Char('\n'));
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Failures:"))) {
            inFailures = true;
            continue;
        }
        if (line.startsWith(QLatin1String("EDID conformity")))
            inFailures = false;
        if (inFailures && line.startsWith(QLatin1Char(' ')) && structure.match(line).hasMatch())
            found << line.trimmed().replace(number, QStringLiteral("#"));
    }
    found.sort();
    return found;
}

// The offsets of the recognised blocks (a 128-byte block, or a DisplayID base section) whose
// bytes do not sum to 0.
QList<int> badChecksums(const QByteArray &image)
{
    QList<int> bad;
    QByteArray bytes = VyrTest::snapshot(image);
    const std::vector<VyrEdidRecognisedBlock> blocks =
        VyrEdidBlockRecogniser::recognise(VyrTest::bytes(bytes));
    for (const VyrEdidRecognisedBlock &block : blocks) {
        if (!VyrTest::sumsToZero(VyrTest::bytes(bytes) + block.offset, block.size()))
            bad << int(block.offset);
    }
    return bad;
}

class RandomRun
{
public:
    // fresh: the tree that is built afresh from the edited bytes after each action.
    RandomRun(const QString &sample, const QByteArray &image, quint32 seed, TreeHarness &fresh)
        : m_sample(sample)
        , m_random(seed ^ nameHash(sample))
        , m_edited(image)
        , m_fresh(fresh)
        , m_chooser(&m_random, &m_log)
    {
        QApplication::setActiveWindow(m_edited.form());
        m_decoded = m_edited.image();
        m_baseline = structureFailures(m_decoded, &m_baselineReport);
        for (const int start : badChecksums(m_edited.image()))
            m_baselineBadBlocks << m_edited.image().mid(start, 128);
    }

    // Runs one action; empty, or what went wrong after it.
    QString step();
    const QStringList &log() const { return m_log; }

private:
    QList<Target> targets(const std::function<bool(QWidget *)> &wanted, bool checkStates) const;
    Target pick(const QList<Target> &list) { return list.at(int(m_random.bounded(list.size()))); }
    QWidget *show(const Target &target) const;
    QString where(const Target &target) const;

    bool typeValue(bool valid);
    bool tick();
    bool choose();
    bool clickButton();
    void viewSaveView();
    QString validText(QLineEdit *edit);
    QString invalidText();

    QString check();
    QString checkRows();

    QString m_sample;
    QRandomGenerator m_random;
    TreeHarness m_edited;
    TreeHarness &m_fresh;
    QStringList m_log;
    RandomChooser m_chooser;
    QStringList m_baseline;
    // The last action chose the byte count of a data block of raw bytes.
    bool m_byteCountChosen = false;
    QString m_baselineReport;
    QList<QByteArray> m_baselineBadBlocks; // blocks that came with a wrong checksum
    QByteArray m_decoded;                  // the image edid-decode last read
};

QList<Target> RandomRun::targets(const std::function<bool(QWidget *)> &wanted,
                                 bool checkStates) const
{
    QList<Target> found;
    std::function<void(QTreeWidgetItem *)> walk = [&](QTreeWidgetItem *row) {
        for (int column = 0; column < VyrEdidColumn::Count; ++column) {
            if (checkStates && row->data(column, Qt::CheckStateRole).isValid()
                && (row->flags() & Qt::ItemIsUserCheckable) && (row->flags() & Qt::ItemIsEnabled))
                found.append({row, column, nullptr});
            QWidget *widget = m_edited.tree()->itemWidget(row, column);
            if (!widget)
                continue;
            QList<QWidget *> widgets{widget};
            widgets += widget->findChildren<QWidget *>();
            for (QWidget *w : widgets) {
                // A user reaches only what is shown (not a control of a hidden page).
                if (w->isEnabled() && (w == widget || w->isVisibleTo(widget)) && wanted(w))
                    found.append({row, column, w});
            }
        }
        for (int i = 0; i < row->childCount(); ++i)
            walk(row->child(i));
    };
    walk(m_edited.root());
    return found;
}

QWidget *RandomRun::show(const Target &target) const
{
    m_edited.tree()->scrollToItem(target.row);
    // Item widgets are shown with the layout that follows a scroll.
    QApplication::processEvents();
    return target.widget;
}

QString RandomRun::where(const Target &target) const
{
    return QStringLiteral("{%1} column %2")
        .arg(m_edited.pathOf(target.row).join(QStringLiteral(", ")))
        .arg(target.column);
}

QString RandomRun::validText(QLineEdit *edit)
{
    const QValidator *validator = edit->validator();
    if (auto *ints = qobject_cast<const QIntValidator *>(validator)) {
        const qint64 low = ints->bottom();
        const qint64 high = ints->top();
        return QString::number(low + qint64(m_random.bounded(double(high - low + 1))));
    }
    if (auto *doubles = qobject_cast<const QDoubleValidator *>(validator)) {
        const double value =
            doubles->bottom() + m_random.bounded(1.0) * (doubles->top() - doubles->bottom());
        return QString::number(value, 'f', int(m_random.bounded(doubles->decimals() + 1)));
    }
    // Anything else (a mask, a pattern, free text): the shown text with one character changed
    // into another of its kind.
    QString text = edit->text();
    if (text.isEmpty())
        return QString::number(m_random.bounded(10));
    const int at = int(m_random.bounded(text.size()));
    const QChar c = text.at(at);
    if (c.isDigit())
        text[at] = QChar('0' + int(m_random.bounded(10)));
    else if (c.isUpper())
        text[at] = QChar('A' + int(m_random.bounded(26)));
    else if (c.isLower())
        text[at] = QChar('a' + int(m_random.bounded(26)));
    return text;
}

QString RandomRun::invalidText()
{
    static const QStringList junk{QString(),
                                  QStringLiteral("-1"),
                                  QStringLiteral("99999999999"),
                                  QStringLiteral("abc"),
                                  QStringLiteral("1e5"),
                                  QStringLiteral("0xZZ"),
                                  QStringLiteral("3.14159265"),
                                  QStringLiteral("  "),
                                  QStringLiteral("!@#$%^&*()_+{}|:<>?~`-=[];',./0123456789ABCDEF")};
    return junk.at(int(m_random.bounded(junk.size())));
}

bool RandomRun::typeValue(bool valid)
{
    const QList<Target> list = targets(
        [](QWidget *w) {
            auto *edit = qobject_cast<QLineEdit *>(w);
            return edit && !edit->isReadOnly() && !qobject_cast<QComboBox *>(w->parentWidget());
        },
        false);
    if (list.isEmpty())
        return false;
    const Target target = pick(list);
    auto *edit = static_cast<QLineEdit *>(show(target));
    // Key events carry printable ASCII only (a descriptor's text may hold other bytes).
    QString text = valid ? validText(edit) : invalidText();
    text.remove(QRegularExpression(QStringLiteral("[^\\x20-\\x7e]")));
    const bool enter = m_random.bounded(2) == 0;
    m_log << QStringLiteral("type '%1' (%2) into %3 (showing '%4')")
                 .arg(text, enter ? QStringLiteral("Return") : QStringLiteral("focus out"),
                      where(target), edit->text());
    edit->setFocus(Qt::MouseFocusReason);
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_Delete);
    QTest::keyClicks(edit, text);
    if (enter)
        QTest::keyClick(edit, Qt::Key_Return);
    return true;
}

bool RandomRun::tick()
{
    const QList<Target> list = targets(
        [](QWidget *w) {
            auto *box = qobject_cast<QCheckBox *>(w);
            return box && box->isCheckable();
        },
        true);
    if (list.isEmpty())
        return false;
    const Target target = pick(list);
    m_log << QStringLiteral("tick %1").arg(where(target));
    if (auto *box = qobject_cast<QCheckBox *>(show(target))) {
        VyrTest::clickButton(box);
    } else {
        const bool checked = target.row->checkState(target.column) == Qt::Checked;
        target.row->setCheckState(target.column, checked ? Qt::Unchecked : Qt::Checked);
    }
    return true;
}

bool RandomRun::choose()
{
    const QList<Target> list = targets(
        [](QWidget *w) {
            auto *combo = qobject_cast<QComboBox *>(w);
            return combo && combo->count() > 1;
        },
        false);
    if (list.isEmpty())
        return false;
    const Target target = pick(list);
    auto *combo = static_cast<QComboBox *>(show(target));
    const int entry = int(m_random.bounded(combo->count()));
    m_log << QStringLiteral("choose '%1' in %2 (showing '%3')")
                 .arg(combo->itemText(entry), where(target), combo->currentText());
    VyrTest::chooseRow(combo, entry);
    static const QRegularExpression byteCount(QStringLiteral("^\\d+ bytes$"));
    m_byteCountChosen = byteCount.match(combo->itemText(entry)).hasMatch();
    return true;
}

bool RandomRun::clickButton()
{
    const QList<Target> list = targets(
        [](QWidget *w) {
            auto *button = qobject_cast<QAbstractButton *>(w);
            return button && !button->isCheckable();
        },
        false);
    if (list.isEmpty())
        return false;
    const Target target = pick(list);
    auto *button = static_cast<QAbstractButton *>(show(target));
    m_log << QStringLiteral("click %1").arg(where(target));
    QTest::mouseClick(button, Qt::LeftButton);
    return true;
}

void RandomRun::viewSaveView()
{
    m_log << QStringLiteral("view -> save -> view");
    // Leaving the view page hides it; the save page writes the covered bytes into a file.
    m_edited.form()->hide();
    m_edited.settle();
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("saved.bin"));
    EdidImage bytes{};
    std::memcpy(bytes, m_edited.data(), sizeof bytes);
    const quint32 size = EdidBlockTable::analyse(bytes).coveredSize();
    if (size > 0) {
        EdidBinFile::write(file, bytes, size);
        if (VyrTest::readFile(file) != m_edited.image().left(int(size)))
            m_log.last() += QStringLiteral(" -> the file does not hold the image");
    }
    m_edited.form()->show();
    QApplication::setActiveWindow(m_edited.form());
    m_edited.rebuild();
}

QString RandomRun::step()
{
    const int kind = int(m_random.bounded(100));
    bool done = false;
    if (kind < 30)
        done = typeValue(true);
    else if (kind < 42)
        done = typeValue(false);
    else if (kind < 57)
        done = tick();
    else if (kind < 72)
        done = choose();
    else if (kind < 90)
        done = clickButton();
    else if (kind < 95) {
        m_log << QStringLiteral("rebuild");
        m_edited.rebuild();
        done = true;
    } else {
        viewSaveView();
        done = true;
    }
    if (!done) {
        m_log << QStringLiteral("rebuild (nothing to act on)");
        m_edited.rebuild();
    }
    // The tree takes the focus back: a value left in an editor is confirmed or refused now.
    m_edited.tree()->setFocus(Qt::MouseFocusReason);
    m_edited.settle();
    return check();
}

QString RandomRun::check()
{
    const QByteArray image = m_edited.image();
    QList<int> bad = badChecksums(image);
    // A block that came with a wrong checksum and was not touched keeps it, wherever it moved.
    for (const QByteArray &block : m_baselineBadBlocks) {
        for (int start = 0; start + 128 <= image.size(); start += 128) {
            if (image.mid(start, 128) == block)
                bad.removeAll(start);
        }
    }
    if (!bad.isEmpty()) {
        return QStringLiteral("the checksum of the block at %1 does not hold").arg(bad.first());
    }
    // edid-decode reads an image once: an action that wrote nothing leaves its verdict as it was.
    if (VyrTest::haveEdidDecode() && image != m_decoded) {
        m_decoded = image;
        QString report;
        const QStringList now = structureFailures(image, &report);
        // A byte count the user chose for a data block of raw bytes may break that kind's own
        // length rule, which the raw-bytes editor does not know: such a verdict on a data block's
        // length is the user's, and becomes part of what the image had.
        static const QRegularExpression lengthOfABlock(
            QStringLiteral("Data Block.*(length|too (long|short))"),
            QRegularExpression::CaseInsensitiveOption);
        for (const QString &line : now) {
            if (m_byteCountChosen && lengthOfABlock.match(line).hasMatch()
                && !line.contains(QLatin1String("Unknown"))) {
                m_baseline << line;
                m_log.last() += QStringLiteral(" -> edid-decode: %1").arg(line);
            }
            if (!m_baseline.contains(line)) {
                return QStringLiteral("edid-decode finds a new error of structure: %1\n%2")
                    .arg(line, report.mid(report.indexOf(QLatin1String("\nFailures:"))));
            }
        }
    }
    m_byteCountChosen = false;
    return checkRows();
}

// Rows left out of the comparison with a fresh build, by their path (a regular expression).
// Kept small; each entry says why.
const QList<QPair<QRegularExpression, const char *>> &uncomparedRows()
{
    static const QList<QPair<QRegularExpression, const char *>> rows{
        // By design: choosing the form of the DI-EXT interface version (in the title column)
        // changes only the editor; the block follows when the user finishes an entry in it.
        {QRegularExpression(QStringLiteral("^DI Extention(\\[\\d+\\])?/General Info/Version$")),
         "version form chosen, entry pending"},
    };
    return rows;
}

bool uncompared(const QString &row)
{
    const QString path = row.left(row.indexOf(QStringLiteral(": ")));
    for (const auto &entry : uncomparedRows()) {
        if (entry.first.match(path).hasMatch())
            return true;
    }
    return false;
}

QString RandomRun::checkRows()
{
    std::memcpy(m_fresh.data(), m_edited.data(), VyrEdidViewForm::ImageSize);
    m_fresh.rebuild();
    // Editors that keep what the user typed, by design, until the tree is built again: nothing
    // was written, so a fresh tree shows the stored value there. They are compared with any
    // text. A line editor holding text it refuses is none of them: Return or focus-out puts the
    // stored value back, which is compared like every other. The whole table:
    // - a standard timing while its mode is pending: a field holds a value not yet stored (a
    //   width not divisible by 8 brings a warning and the focus back to the field, for the user
    //   to mend), or "Defined" was ticked and the mode is still to be typed (the block is
    //   written once the whole mode is there). The widget shows the stored mode again as soon
    //   as one is stored;
    // - a CVT 3-byte code while its mode is pending: "Defined" was ticked and no valid height
    //   typed yet. Such a code is written once it has lines, so its aspect, rates and
    //   preferred rate are still only in the editor;
    // - a colour point's "Enable White" ticked while its index is still to be typed: the white
    //   point is written once it has an index, so its box and its coordinates are only in the
    //   editor;
    // - a colour point's "Enable White" unticked: the white point's bytes are cleared, and its
    //   disabled index and coordinate fields keep what they showed, for a tick to write back.
    QSet<const QWidget *> pendingWhitePoints;
    QTreeWidget *tree = m_edited.tree();
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        QTreeWidgetItem *row = *it;
        QTreeWidgetItem *group = row->parent();
        if (!group || row->text(VyrEdidColumn::Property) != QLatin1String("Enable White"))
            continue;
        QTreeWidgetItem *indexRow = group->child(group->indexOfChild(row) + 1);
        const auto *box = qobject_cast<QCheckBox *>(tree->itemWidget(row, VyrEdidColumn::Value));
        const auto *index =
            indexRow ? qobject_cast<QLineEdit *>(tree->itemWidget(indexRow, VyrEdidColumn::Value))
                     : nullptr;
        if (!box || !index)
            continue;
        if (!box->isChecked()) {
            // The fields after the box: index, x and y (the gamma has a box of its own).
            const int first = group->indexOfChild(indexRow);
            for (int i = first; i < qMin(first + 3, group->childCount()); ++i) {
                if (QWidget *editor = tree->itemWidget(group->child(i), VyrEdidColumn::Value))
                    pendingWhitePoints.insert(editor);
            }
            continue;
        }
        if (index->hasAcceptableInput())
            continue;
        for (int i = 0; i < group->childCount(); ++i) {
            if (QWidget *editor = tree->itemWidget(group->child(i), VyrEdidColumn::Value))
                pendingWhitePoints.insert(editor);
        }
    }
    const auto refused = [&pendingWhitePoints](const QWidget *w) {
        if (pendingWhitePoints.contains(w))
            return true;
        const QWidget *cvt = w->parentWidget();
        while (cvt && !qobject_cast<const CvtTimingWidget *>(cvt))
            cvt = cvt->parentWidget();
        if (cvt) {
            // Its input controls: the lists, the fields, the boxes (not the labels).
            const auto *button = qobject_cast<const QAbstractButton *>(w);
            const bool control = qobject_cast<const QComboBox *>(w)
                                 || (qobject_cast<const QLineEdit *>(w)
                                     && !qobject_cast<const QComboBox *>(w->parentWidget()))
                                 || (button && button->isCheckable());
            const auto *defined =
                cvt->findChild<QCheckBox *>(QString(), Qt::FindDirectChildrenOnly);
            const QList<QLineEdit *> fields =
                cvt->findChildren<QLineEdit *>(QString(), Qt::FindDirectChildrenOnly);
            return control && defined->isChecked()
                   && std::any_of(fields.begin(), fields.end(), [](const QLineEdit *field) {
                          return field->isEnabled() && !field->hasAcceptableInput();
                      });
        }
        if (auto *timing = qobject_cast<const StandardTimingWidget *>(w->parentWidget())) {
            const QList<QLineEdit *> fields = timing->findChildren<QLineEdit *>();
            const auto *defined = timing->findChild<QCheckBox *>();
            return std::any_of(fields.begin(), fields.end(), [defined](const QLineEdit *field) {
                return field->isModified()
                       || (defined && defined->isChecked() && !field->isReadOnly()
                           && !field->hasAcceptableInput());
            });
        }
        return false;
    };
    const QStringList edited = m_edited.shownRows(refused);
    const QStringList fresh = m_fresh.shownRows();
    for (int i = 0; i < qMax(edited.size(), fresh.size()); ++i) {
        if (i < edited.size() && i < fresh.size()
            && (edited.at(i) == fresh.at(i)
                || (uncompared(edited.at(i)) && uncompared(fresh.at(i)))))
            continue;
        // A skipped editor of the edited tree matches whatever the fresh one shows there.
        QString pattern = QRegularExpression::escape(edited.value(i));
        pattern.replace(QRegularExpression::escape(QStringLiteral("<skipped>")),
                        QStringLiteral("[a-z]+ ('[^']*'|-?\\d+)"));
        if (i >= edited.size() || i >= fresh.size()
            || !QRegularExpression(QStringLiteral("^%1$").arg(pattern))
                    .match(fresh.value(i))
                    .hasMatch()) {
            return QStringLiteral("row %1 differs from a fresh build:\n  edited: %2\n  fresh:  %3")
                .arg(i)
                .arg(edited.value(i), fresh.value(i));
        }
    }
    return {};
}

} // namespace

class tst_WholeEditorRandom : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomActions_data();
    void randomActions();

private:
    // One tree for the fresh builds of every sample: a harness window costs more than a build.
    std::unique_ptr<TreeHarness> m_fresh;
};

void tst_WholeEditorRandom::initTestCase()
{
    VyrTest::installConnectWarningHandler();
    if (!VyrTest::haveEdidDecode())
        qWarning("edid-decode is not installed: the structure of the images is not checked");
    m_fresh = std::make_unique<TreeHarness>(QByteArray());
}

void tst_WholeEditorRandom::cleanupTestCase()
{
    m_fresh.reset();
}

void tst_WholeEditorRandom::randomActions_data()
{
    QTest::addColumn<QString>("sample");
    QTest::addColumn<QByteArray>("image");
    const QStringList names = VyrTest::sampleNames();
    QVERIFY(!names.isEmpty());
    for (const QString &name : names)
        QTest::newRow(qPrintable(name)) << name << VyrTest::sampleImage(name);
    // Crafted images with byte patterns of real displays that edits once broke.
    for (const VyrTest::NamedImage &fixture : VyrTest::realPatternImages())
        QTest::newRow(qPrintable(fixture.name)) << fixture.name << fixture.image;
}

void tst_WholeEditorRandom::randomActions()
{
    QFETCH(QString, sample);
    QFETCH(QByteArray, image);
    const int actions = envNumber("VYR_RANDOM_ACTIONS", DefaultActions);
    const quint32 seed = quint32(envNumber("VYR_RANDOM_SEED", int(DefaultSeed)));
    RandomRun run(sample, image, seed, *m_fresh);
    for (int i = 0; i < actions; ++i) {
        const QString problem = run.step();
        if (problem.isEmpty())
            continue;
        const QString replay = QStringLiteral(" after action %1 of %2 (VYR_RANDOM_SEED=%3 "
                                              "VYR_RANDOM_ACTIONS=%4, data row %2)")
                                   .arg(i + 1)
                                   .arg(sample)
                                   .arg(seed)
                                   .arg(actions);
        const QStringList last = run.log().mid(qMax(0, run.log().size() - 20));
        QFAIL(qPrintable(problem + replay + QStringLiteral("\nlast actions:\n  ")
                         + last.join(QStringLiteral("\n  "))));
    }
}

QTEST_MAIN(tst_WholeEditorRandom)
#include "tst_wholeeditorrandom.moc"
