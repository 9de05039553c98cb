// ZTableWidget's row tracking and check-box queries, TableWidget's rows, keys and hover colours on top of it,
// EditOperWt, the operation cell in a table row, and the tree items.

#include "tables/editoperwt.h"
#include "tables/tablewidget.h"
#include "tables/treeconfig.h"
#include "tables/treeitem.h"
#include "zcbtest.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTreeWidget>

#include <functional>
#include <iterator>

using namespace ZCORVANEBASE;

// One step on a shown table: "insert", "remove", "hide", "show", "select" (selectAndScrollTopToRow) or "removeAll"
// from code, or the user's mouse: "click" and "move" on a row, "below" the last row, "leave" the table.
struct Step
{
    QString action;
    int row;
};
using Steps = QVector<Step>;
Q_DECLARE_METATYPE(Steps)

// A shown table of `rows` x 2 items in a frame with a margin, so that the mouse can leave it, logging its signals.
struct Table : ZcbTest::Framed<ZTableWidget>
{
    explicit Table(int rows, ZTableWidget* table = new ZTableWidget)
        : Framed(table, QSize(340, 540))
    {
        table->setColumnCount(2);
        for (int row = 0; row < rows; ++row)
            insert(row);
        log.watch(table, &ZTableWidget::signalHoverRowChanged, "hover");
        log.watch(table, &ZTableWidget::signalSelRowChanged, "sel");
        log.watch(table, &ZTableWidget::signalAddRow, "add");
        log.watch(table, &ZTableWidget::signalDelRow, "del");
        log.watch(table, &ZTableWidget::signalSetRowHidden, "hidden");
    }
    void insert(int row)
    {
        widget->insertRow(row);
        if (row >= 0 && row < widget->rowCount() && !widget->item(row, 0)) {
            widget->setItem(row, 0, new QTableWidgetItem);
            widget->setItem(row, 1, new QTableWidgetItem);
        }
    }
    QPoint at(int row) const { return widget->visualRect(widget->model()->index(row, 0)).center(); }
    void run(const Step& step)
    {
        const int row = step.row;
        if (step.action == "insert")
            insert(row);
        else if (step.action == "remove")
            widget->removeRow(row);
        else if (step.action == "hide" || step.action == "show")
            widget->setRowHidden(row, step.action == "hide");
        else if (step.action == "select")
            widget->selectAndScrollTopToRow(row);
        else if (step.action == "removeAll")
            widget->removeAllRows();
        else if (step.action == "click")
            QTest::mouseClick(widget->viewport(), Qt::LeftButton, Qt::NoModifier, at(row));
        else if (step.action == "move")
            ZcbTest::mouseMove(widget->viewport(), at(row));
        else if (step.action == "below")
            ZcbTest::mouseMove(widget->viewport(), QPoint(at(0).x(), widget->viewport()->height() - 5));
        else
            ZcbTest::mouseMove(&frame, QPoint(10, 10));
    }
    ZcbTest::SignalLog log;
};

class tst_ZTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void cleanup() { ZcbTest::installFakeWorker(); }

    // Twelve rows, steps by code and by the user: the selection stays on its row as rows come and go above it, each
    // change reported as (previous, current) before the row count; the hover row follows the pointer.
    void rows_data()
    {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<QStringList>("signals");
        QTest::addColumn<int>("selected"); // getCurSelRow() after the steps
        QTest::addColumn<int>("hover");
        const auto row = [](const char* name, const Steps& steps, const QStringList& log, int selected,
                             int hover = -1) { QTest::newRow(name) << steps << log << selected << hover; };
        const QString sel5 = QStringLiteral("sel(-1,5)");
        const Step click5 { "click", 5 };
        row("click twice", { click5, click5 }, { sel5 }, 5);
        row("insert above", { click5, { "insert", 2 } }, { sel5, "sel(5,6)", "add(13)" }, 6);
        row("insert at", { click5, { "insert", 5 } }, { sel5, "sel(5,6)", "add(13)" }, 6);
        row("append", { click5, { "insert", 12 } }, { sel5, "add(13)" }, 5);
        row("insert past the end", { click5, { "insert", 13 }, { "insert", -1 } }, { sel5 }, 5);
        row("remove above, then click", { click5, { "remove", 2 }, { "click", 8 } },
            { sel5, "sel(5,4)", "del(11)", "sel(4,8)" }, 8);
        // A removal below the selection reports the selection again, coming from no row.
        row("remove below", { click5, { "remove", 7 } }, { sel5, sel5, "del(11)" }, 5);
        row("remove the selected", { click5, { "remove", 5 } }, { sel5, "del(11)" }, -1);
        row("remove the selected, then click", { click5, { "remove", 5 }, { "click", 8 } },
            { sel5, "del(11)", "sel(-1,8)" }, 8);
        row("remove past the end", { click5, { "remove", 12 }, { "remove", -1 } }, { sel5 }, 5);
        row("select", { click5, { "select", 2 } }, { sel5, "sel(5,2)" }, 2);
        row("select, then click", { click5, { "select", 2 }, { "click", 8 } }, { sel5, "sel(5,2)", "sel(2,8)" }, 8);
        row("select the selected", { click5, { "select", 5 } }, { sel5 }, 5);
        // A row outside the table clears the view's selection but keeps the tracked row, which an insertion selects
        // again.
        row("select past the end", { click5, { "select", 12 } }, { sel5 }, -1);
        row("select past the end, then click", { click5, { "select", 12 }, { "click", 8 } }, { sel5, "sel(5,8)" }, 8);
        row("select past the end, then insert", { click5, { "select", 12 }, { "insert", 0 } },
            { sel5, "sel(5,6)", "add(13)" }, 6);
        row("select past the end, then insert below", { click5, { "select", 12 }, { "insert", 8 } },
            { sel5, "add(13)" }, 5);
        // A hidden row is not selected, and selected again when shown.
        row("hide the selected", { click5, { "hide", 5 } }, { sel5, "hidden(5,true)" }, -1);
        row("hide and show", { click5, { "hide", 5 }, { "show", 5 } }, { sel5, "hidden(5,true)", "hidden(5,false)" },
            5);
        row("hide outside", { { "hide", 12 }, { "hide", -1 } }, {}, -1);
        row("hover", { { "move", 2 }, { "move", 3 }, { "below", 0 }, { "leave", 0 } },
            { "hover(-1,2)", "hover(2,3)", "hover(3,-1)", "hover(-1,-1)" }, -1);
        // The hover number stays with the position when rows above go, and goes silently when its row goes.
        row("hover, remove above", { { "move", 5 }, { "remove", 2 } }, { "hover(-1,5)", "del(11)" }, -1, 5);
        row("hover, remove it", { { "move", 5 }, { "remove", 5 }, { "move", 4 } },
            { "hover(-1,5)", "del(11)", "hover(-1,4)" }, -1, 4);
        // After removeAllRows neither the hovered nor the selected row is the "previous" row of the next change.
        row("remove all",
            { { "move", 1 }, { "click", 1 }, { "removeAll", 0 }, { "insert", 0 }, { "move", 0 }, { "click", 0 } },
            { "hover(-1,1)", "sel(-1,1)", "del(0)", "add(1)", "hover(-1,0)", "sel(-1,0)" }, 0, 0);
    }
    void rows()
    {
        QFETCH(Steps, steps);
        Table t(12);
        for (const Step& step : qAsConst(steps))
            t.run(step);
        QTEST(t.log.take(), "signals");
        QTEST(t.widget->getCurSelRow(), "selected");
        QTEST(t.widget->getHoverRow(), "hover");
        if (t.widget->getCurSelRow() >= 0) // the whole row
            QCOMPARE(t.widget->selectionModel()->selectedRows().size(), 1);
        QCOMPARE(t.widget->columnCount(), 2);
    }

    // TableWidget paints the row under the mouse in the colours of the client type.
    void hoverColours_data()
    {
        QTest::addColumn<int>("clientType"); // -1: no host worker installed
        QTest::addColumn<QString>("left"); // the colour of the row the mouse left; empty: none
        QTest::addColumn<QString>("hovered");
        QTest::newRow("type 1") << 1 << "#172133" << QStringLiteral("#222e44");
        QTest::newRow("type 0") << 0 << "#0b121e" << QStringLiteral("#213147");
        QTest::newRow("type 2") << 2 << "#0b121e" << QStringLiteral("#213147");
        QTest::newRow("type 3") << 3 << QString() << QString();
        QTest::newRow("no worker") << -1 << "#0b121e" << QStringLiteral("#213147");
    }
    void hoverColours()
    {
        QFETCH(int, clientType);
        QFETCH(QString, left);
        QFETCH(QString, hovered);
        clientType < 0 ? ZcbTest::removeWorker() : void(ZcbTest::installFakeWorker()->clientType = clientType);
        Table t(8, new TableWidget);
        const auto background = [&t](int row, int column) {
            const QBrush brush = t.widget->item(row, column)->background();
            return brush.style() == Qt::NoBrush ? QString() : brush.color().name();
        };
        for (const Step& step : Steps { { "move", 2 }, { "move", 3 } })
            t.run(step);
        QCOMPARE(QStringList({ background(1, 0), background(2, 1), background(3, 0), background(3, 1) }),
            QStringList({ QString(), left, hovered, hovered }));
        t.run({ "leave", 0 });
        QCOMPARE(background(3, 1), left);
    }

    // The queries and removeCheckedRows on column 1, whose rows are checked, unchecked, partly checked or without an
    // item (-1); hidden rows are neither counted nor removed.
    void checkColumn_data()
    {
        QTest::addColumn<QVector<int>>("states"); // Qt::CheckState of each row's item
        QTest::addColumn<QVector<int>>("hidden");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<bool>("all");
        QTest::addColumn<bool>("none");
        const QVector<int> mixed { 2, 0, 2, 0, 2 };
        QTest::newRow("unchecked rows hidden")
            << mixed << QVector<int> { 1, 3 } << 1 << QList<int> { 0, 2, 4 } << true << false;
        QTest::newRow("checked rows hidden") << mixed << QVector<int> { 0, 2, 4 } << 1 << QList<int>() << false << true;
        QTest::newRow("every row hidden")
            << mixed << QVector<int> { 0, 1, 2, 3, 4 } << 1 << QList<int>() << true << true;
        QTest::newRow("partial, no item")
            << QVector<int> { 2, 1, -1, 2, 2 } << QVector<int>() << 1 << QList<int> { 0, 3, 4 } << false << false;
        QTest::newRow("column -1") << mixed << QVector<int>() << -1 << QList<int>() << false << true;
        QTest::newRow("column past the last") << mixed << QVector<int>() << 2 << QList<int>() << false << true;
    }
    void checkColumn()
    {
        QFETCH(QVector<int>, states);
        QFETCH(QVector<int>, hidden);
        QFETCH(int, column);
        QFETCH(QList<int>, checked);
        ZTableWidget table;
        table.setColumnCount(2);
        table.setRowCount(states.size());
        for (int row = 0; row < states.size(); ++row) {
            if (states[row] >= 0) {
                table.setItem(row, 1, new QTableWidgetItem);
                table.item(row, 1)->setCheckState(Qt::CheckState(states[row]));
            }
            table.setRowHidden(row, hidden.contains(row));
        }
        QCOMPARE(table.getCheckedRows(column), checked);
        QTEST(table.isAllRowsChecked(column), "all");
        QTEST(table.isNoRowChecked(column), "none");
        // Bottom up, so that each removal takes the row it means, and one signal per row.
        QSignalSpy removals(&table, &ZTableWidget::signalDelRow);
        table.removeCheckedRows(column);
        QCOMPARE(removals.count(), checked.size());
        QCOMPARE(table.rowCount(), states.size() - checked.size());
        QCOMPARE(table.getCheckedRows(column), QList<int>());
    }

    // The scroll bar's coming and going is reported while the table is shown; selectAndScrollTopToRow puts the row
    // at the top.
    void scrolling()
    {
        Table t(0);
        QSignalSpy visible(t.widget, SIGNAL(signalVerticalScrollBarVisible(bool)));
        t.frame.hide(); // while the table is hidden the bar comes silently
        t.widget->setRowCount(100);
        t.widget->doItemsLayout();
        QCoreApplication::processEvents();
        QVERIFY(t.widget->verticalScrollBar()->isVisibleTo(t.widget) && visible.isEmpty());
        t.frame.show();
        QTRY_COMPARE(visible.count(), 1);
        t.widget->selectAndScrollTopToRow(50);
        QCOMPARE(t.widget->rowAt(0), 50);
        t.widget->removeAllRows();
        QTRY_COMPARE(visible, QList<QVariantList>({ { true }, { false } }));
    }

    // Values in the named columns are integers and sort as numbers ("abc" counts as 0), the others sort as text; a
    // row inserted into a sorted table lands whole in its sorted place, its key with it.
    void insertedRows()
    {
        TableWidget table;
        table.setHeaderViewColumnName({ "text", "number", "more" });
        table.setSortingEnabled(true);
        table.sortByColumn(1, Qt::AscendingOrder);
        table.insertBack({ "10", "10" }, QStringLiteral("k10"), { 1 });
        table.insertBack({ "9", "9" }, QStringLiteral("k9"), { 1 });
        table.insertRowByIndex(0, { "abc", "abc" }, QStringLiteral("kabc"), { 1 });
        table.insertRowByIndex(4, { "1", "1" }, QStringLiteral("k1"), { 1 }); // past the end: ignored
        QCOMPARE(table.rowCount(), 3);
        // No item in the last column: each row's values are a shorter list.
        QCOMPARE(table.getRowValues(0) + table.getRowValues(1) + table.getRowValues(2),
            QStringList({ "abc", "0", "9", "9", "10", "10" }));
        QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("k10")), 2);
        QCOMPARE(table.item(1, 1)->textAlignment(), int(Qt::AlignCenter));
        table.sortItems(0, Qt::AscendingOrder);
        QCOMPARE(table.getRowValues(0) + table.getRowValues(1) + table.getRowValues(2),
            QStringList({ "10", "10", "9", "9", "abc", "0" }));
        QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("k10")), 0);
    }

    // Every way a table can change under the key lookup, at random, checked against a plain scan after each step.
    void keyLookupFollowsEveryChange()
    {
        TableWidget table;
        table.setColumnCount(2);
        QRandomGenerator random(20261205);
        int row = 0;
        QString key;
        QStringList values;
        const QSet<int> ints = { 1 };
        QTableWidgetItem spare; // changed instead where the row has no column-0 item
        const auto first = [&] { return table.item(row, 0) ? table.item(row, 0) : &spare; };
        const std::function<void()> changes[] = {
            [&] { table.insertBack(values, key, ints); },
            [&] { table.insertRowByIndex(row, values, key, ints); },
            [&] { table.insertRow(row); }, // a row without items
            [&] { table.removeRow(row); },
            [&] { table.model()->removeRows(table.rowCount() - 3, 3); },
            [&] { random.bounded(20) ? void() : table.removeAllRows(); },
            [&] { table.setRowKeyValue(row, key); },
            [&] { first()->setText(key); }, // not the key
            [&] { delete table.takeItem(row, 0); },
            [&] { table.setItem(row, 0, table.rowCount() ? new QTableWidgetItem(key) : nullptr); }, // without a key
            [&] { table.sortItems(random.bounded(2), random.bounded(2) ? Qt::AscendingOrder : Qt::DescendingOrder); },
        };
        for (int step = 0; step < 1500; ++step) {
            // Appending (the first change) three times as often as any other.
            const int op = qMax(0, random.bounded(int(std::size(changes)) + 2) - 2);
            row = table.rowCount() ? random.bounded(table.rowCount()) : 0;
            key = QStringLiteral("k%1").arg(random.bounded(12));
            values = QStringList { key, QString::number(random.bounded(100)) };
            changes[op]();
            QStringList keys; // of each row, as a plain scan reads them; "-" where column 0 has no item
            for (int r = 0; r < table.rowCount(); ++r)
                keys << (table.item(r, 0) ? table.item(r, 0)->data(Qt::UserRole).toString() : QStringLiteral("-"));
            // Several rounds, so that lookups run both by scanning and from a rebuilt index.
            for (int lookup = 0; lookup < 42; ++lookup) {
                const QString probe = lookup % 14 == 13 ? QString() : QStringLiteral("k%1").arg(lookup % 14);
                if (table.getRowIndexByKeyValue(probe) != keys.indexOf(probe))
                    QFAIL(qPrintable(QStringLiteral("step %1 (op %2), key \"%3\"").arg(step).arg(op).arg(probe)));
            }
        }
    }

    // In a table: the row a cell sits on is found after rows above it go, the mouse over a cell hovers its row,
    // and a click reports the key the cell has at the time.
    void cellsInATable()
    {
        TableWidget table;
        table.setColumnCount(2);
        table.setColumnWidth(1, 300);
        for (int row = 0; row < 30; ++row) {
            // The cell sits over an empty item: a cell without an item would hover no row.
            table.insertBack({ QString(), QString() }, QStringLiteral("dev%1").arg(row), {});
            table.setCellWidget(row, 1, new EditOperWt(QStringLiteral("dev%1").arg(row)));
        }
        table.resize(500, 300);
        table.show();
        QVERIFY(QTest::qWaitForWindowExposed(&table));
        table.removeRow(0);
        auto* cell = qobject_cast<EditOperWt*>(table.cellWidget(3, 1));
        auto* edit = cell->findChild<QPushButton*>(QStringLiteral("editBt"));
        auto* remove = cell->findChild<QPushButton*>(QStringLiteral("deleteBt"));
        QCOMPARE(table.getRowIndexByCellWt(cell, 1), 3); // before the view lays the cells out again
        QCOMPARE(table.getRowIndexByCellWt(cell, 0), -1);
        ZcbTest::mouseMove(cell, QPoint(2, cell->height() / 2));
        QCOMPARE(table.getHoverRow(), 3);
        QSignalSpy edits(cell, &EditOperWt::signalEditBtClicked);
        QSignalSpy deletes(cell, &EditOperWt::signalDeleteBtClicked);
        QTest::mouseClick(edit, Qt::LeftButton);
        cell->setKey(QStringLiteral("renamed"));
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(QList<QVariantList>(edits) + QList<QVariantList>(deletes),
            QList<QVariantList>({ { "dev4" }, { "renamed" } }));
        // The buttons sit centred 12 pixels apart; without the edit button the delete button is centred alone.
        QCOMPARE(remove->x() - edit->geometry().right() - 1, 12);
        QVERIFY(qAbs((edit->x() + remove->geometry().right()) / 2 - 150) <= 1);
        cell->setEditBtVisible(false);
        QTRY_VERIFY(qAbs(remove->geometry().center().x() - 150) <= 1);
    }

    // Tree items sort by type, then by name in pinyin order; copies sort like their sources.
    void treeItemsSort_data()
    {
        QTest::addColumn<QVector<int>>("types"); // above 1000
        QTest::addColumn<QStringList>("names");
        QTest::addColumn<QStringList>("sorted");
        // By code point 上 (U+4E0A) < 北 (U+5317) < 广 (U+5E7F); in pinyin bei < guang < shang.
        QTest::newRow("pinyin, not code point") << QVector<int> { 0, 0, 0 } << QStringList { "上海", "北京", "广州" }
                                                << QStringList { "北京", "广州", "上海" };
        // Within types: dong < xi (东 U+4E1C < 西 U+897F) but da < zhong (大 U+5927 > 中 U+4E2D).
        QTest::newRow("by type, then names")
            << QVector<int> { 2, 1, 2, 1, 0 } << QStringList { "中门", "西区", "大厅", "东区", "总部" }
            << QStringList { "总部", "东区", "西区", "大厅", "中门" };
    }
    void treeItemsSort()
    {
        QFETCH(QVector<int>, types);
        QFETCH(QStringList, names);
        QTreeWidget tree;
        for (int i = 0; i < names.size(); ++i) {
            TreeItem source(1000 + types[i]);
            source.setName(names[i]);
            tree.addTopLevelItem(new TreeItem(source));
        }
        tree.sortItems(0, Qt::AscendingOrder);
        QStringList order;
        for (int i = 0; i < tree.topLevelItemCount(); ++i)
            order << tree.topLevelItem(i)->text(0);
        QTEST(order, "sorted");
    }

    void devIpFlagIsSharedByEveryTreeConfig()
    {
        TreeConfig config;
        TreeConfig().setDevIpVisible(true);
        QVERIFY(config.isDevIpVisible());
        config.setDevIpVisible(false);
        QVERIFY(!TreeConfig().isDevIpVisible());
    }
};

QTEST_MAIN(tst_ZTableWidget)
#include "tst_ztablewidget.moc"
