#pragma once

#include "model/edidtypes.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QTreeWidgetItem;
class QWidget;
class VyrEdidInfoTree;
class VyrEdidMainItem;
class VyrEdidViewForm;
class VyrHexViewTable;

namespace VyrTest {

// Builds the EDID tree for an image the way the view page does (VyrEdidViewForm::SetEdid: tree,
// root item, hex view) in an active window, and drives it as a user would.
//
// Rows are reached by their path of column-0 titles below the root item, e.g.
// {"Base Block", "General Info", "YearIfManuf"}; {} is the root itself. A title ending in
// "[n]" takes the n-th (from 0) of the siblings with that title: {"CEA Extention[1]"}.
//
//     TreeHarness h(EdidImageBuilder().edid14().image());
//     QVERIFY(h.type({"Base Block", "General Info", "YearIfManuf"}, "2016"));
//     VYR_VERIFY_ONLY_CHANGED(h.original(), h.image(), {17});
class TreeHarness
{
public:
    // How a typed text is left in its line editor.
    enum class Leave {
        Enter,    // Return pressed: the editor confirms the text
        FocusOut, // the tree takes the focus: the editor confirms the text
        Pending   // the editor keeps the focus and the unconfirmed text
    };

    using RootFactory = std::function<VyrEdidMainItem *(unsigned char *image)>;

    // image: up to 512 bytes (padded with zeros). rootFactory makes the root item instead of
    // VyrEdidMainItem (for a root that builds test block items).
    explicit TreeHarness(const QByteArray &image, RootFactory rootFactory = {});
    ~TreeHarness();

    TreeHarness(const TreeHarness &) = delete;
    TreeHarness &operator=(const TreeHarness &) = delete;

    VyrEdidViewForm *form() const;
    VyrEdidInfoTree *tree() const;
    VyrEdidMainItem *root() const;
    VyrHexViewTable *hexView() const;

    // The image as it is now, and as it was handed to the harness.
    QByteArray image() const;
    const QByteArray &original() const { return m_original; }
    unsigned char *data();

    // Builds the tree again from the current image (as the view page does on entry).
    void rebuild();

    QTreeWidgetItem *row(const QStringList &path) const;
    // The widget in column of the row (null when there is none).
    QWidget *widget(const QStringList &path, int column = 1) const;
    // The same after scrolling the row into view, so the widget is shown and takes clicks.
    QWidget *shownWidget(const QStringList &path, int column = 1) const;
    // What the value column of the row shows: the text of its line editor, label or drop-down
    // list, else the column's own text.
    QString valueText(const QStringList &path) const;
    // The row's column-0 titles below it, in order.
    QStringList childTitles(const QStringList &path) const;
    // The ranges of a frame row, or every range of a DisplayID row.
    QList<EdidItemLocation> locations(const QStringList &path) const;
    // The path of a row of the tree (the inverse of row()); {} for the root.
    QStringList pathOf(const QTreeWidgetItem *item) const;
    // Every row below the root, in tree order, as one line each: its path, the texts of its
    // columns and what the widgets in them show (editor texts, drop-down entries, check
    // states), so that two trees can be compared row by row. skip(widget) leaves a widget out.
    QStringList shownRows(const std::function<bool(const QWidget *)> &skip = {}) const;

    // User actions; false (with a warning saying why) when the row or its editor is missing.
    // Types text into the line editor of column 1 (replacing its text) and leaves it as said.
    bool type(const QStringList &path, const QString &text, Leave leave = Leave::Enter);
    // Sets the check box of column 1 (a click when its state differs), or, for a row without
    // one, the check state of column 1 when that column has one, else of its first column that
    // has one (column 0 when none has).
    bool tick(const QStringList &path, bool checked);
    // Chooses the entry of the drop-down list of column 1 with the keyboard.
    bool choose(const QStringList &path, const QString &entry);
    // Clicks the button in column of the row with the mouse.
    bool click(const QStringList &path, int column = 3);
    // Makes the row the tree's current item.
    bool select(const QStringList &path);

    // Runs what is posted: deferred deletions of removed rows, queued calls, layout.
    void settle();

    // The hex view's selected cells as image offsets, sorted.
    QList<int> highlightedBytes() const;
    // The hex view's cell text of image byte offset.
    QString hexCell(int offset) const;

private:
    QWidget *visibleWidget(const QStringList &path, int column) const;

    QByteArray m_image;
    QByteArray m_original;
    std::unique_ptr<VyrEdidViewForm> m_form;
};

} // namespace VyrTest
