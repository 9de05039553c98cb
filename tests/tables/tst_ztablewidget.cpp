// ZTableWidget's row tracking and check-box queries, TableWidget's rows, keys and hover colours on top of it, and
// EditOperWt, the operation cell in a table row.

#include "tables/editoperwt.h"
#include "tables/tablewidget.h"
#include "words.h"
#include "zcbtest.h"

#include <QPushButton>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QtTest>

#include <functional>
#include <iterator>
#include <utility>

using namespace ZCORVANEBASE;

// A shown table of `rows` x 2 empty items inside a frame with a margin, so that the mouse can leave the table,
// and a log of the table's signals in the order they came: "sel(5,6)", "add(11)", ...
struct Fixture
{
    QWidget frame;
    ZTableWidget* table;
    QStringList log;

    explicit Fixture(int rows, ZTableWidget* table = new ZTableWidget)
        : table(table)
    {
        table->setParent(&frame);
        table->setGeometry(30, 30, 340, 540);
        table->setColumnCount(2);
        table->setRowCount(rows);
        for (int row = 0; row < rows; ++row) {
            table->setItem(row, 0, new QTableWidgetItem);
            table->setItem(row, 1, new QTableWidgetItem);
        }
        frame.resize(400, 600);
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame))
            qFatal("table not shown");
        const auto logAs = [this](const char* name) {
            return [this, name](auto... args) {
                QStringList parts;
                (parts << ... << QString::number(args));
                log << QStringLiteral("%1(%2)").arg(QLatin1String(name), parts.join(QLatin1Char(',')));
            };
        };
        QObject::connect(table, &ZTableWidget::signalHoverRowChanged, logAs("hover"));
        QObject::connect(table, &ZTableWidget::signalSelRowChanged, logAs("sel"));
        QObject::connect(table, &ZTableWidget::signalAddRow, logAs("add"));
        QObject::connect(table, &ZTableWidget::signalDelRow, logAs("del"));
    }
    QStringList take() { return std::exchange(log, QStringList()); }
    QPoint at(int row) const { return table->visualRect(table->model()->index(row, 0)).center(); }
    void moveTo(int row) { ZcbTest::mouseMove(table->viewport(), at(row)); }
    void click(int row) { QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at(row)); }
};

class tst_ZTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void cleanup() { ZcbTest::installFakeWorker(); }

    // The row under the mouse, reported as it changes and painted (TableWidget) in the colours of the client type.
    void hoverFollowsTheMouse_data()
    {
        QTest::addColumn<int>("clientType"); // -1: no host worker installed
        QTest::addColumn<QStringList>("colours"); // of the row left and of the hovered row; empty: none
        QTest::newRow("type 1") << 1 << words("#172133 #222e44");
        QTest::newRow("type 0") << 0 << words("#0b121e #213147");
        QTest::newRow("type 2") << 2 << words("#0b121e #213147");
        QTest::newRow("type 3") << 3 << QStringList({ QString(), QString() });
        QTest::newRow("no worker") << -1 << words("#0b121e #213147");
    }
    void hoverFollowsTheMouse()
    {
        QFETCH(int, clientType);
        QFETCH(QStringList, colours);
        clientType < 0 ? ZcbTest::removeWorker() : void(ZcbTest::installFakeWorker()->clientType = clientType);
        Fixture f(8, new TableWidget);
        const auto background = [&f](int row, int column) {
            const QBrush brush = f.table->item(row, column)->background();
            return brush.style() == Qt::NoBrush ? QString() : brush.color().name();
        };
        f.moveTo(2);
        f.moveTo(3);
        QCOMPARE(QStringList({ background(1, 0), background(2, 1), background(3, 0), background(3, 1) }),
            QStringList({ QString(), colours[0], colours[1], colours[1] }));
        // Empty space below the last row, then out of the table into the frame's margin.
        ZcbTest::mouseMove(f.table->viewport(), QPoint(f.at(0).x(), f.table->viewport()->height() - 5));
        ZcbTest::mouseMove(&f.frame, QPoint(10, 10));
        QCOMPARE(f.take(), words("hover(-1,2) hover(2,3) hover(3,-1) hover(-1,-1)"));
        QCOMPARE(background(3, 1), colours[0]);
        // Removing rows: the hover number stays with the position, and goes when its row goes.
        f.moveTo(5);
        f.table->removeRow(2);
        QCOMPARE(f.table->getHoverRow(), 5);
        f.table->removeRow(5);
        QCOMPARE(f.table->getHoverRow(), -1);
        // After removeAllRows neither the hovered nor the selected row is the "previous" row of the next change.
        f.moveTo(1);
        f.click(1);
        f.take();
        f.table->removeAllRows();
        f.table->insertRow(0);
        f.table->setItem(0, 0, new QTableWidgetItem);
        f.moveTo(0);
        f.click(0);
        QCOMPARE(f.take(), words("del(0) add(1) hover(-1,0) sel(-1,0)"));
        QCOMPARE(f.table->columnCount(), 2);
    }

    // Row 5 of 300 is chosen with the mouse, the table changes, then the user chooses row 8: the selection stays on
    // its record, and each change reports the tracked row as the previous one.
    void rowChangesKeepSelection_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("row");
        QTest::addColumn<QStringList>("expected");
        QTest::addColumn<int>("selectedAfter"); // before the user chooses row 8
        QTest::newRow("insert above") << "insert" << 2 << words("sel(5,6) add(301) sel(6,8)") << 6;
        QTest::newRow("insert at") << "insert" << 5 << words("sel(5,6) add(301) sel(6,8)") << 6;
        QTest::newRow("append") << "insert" << 300 << words("add(301) sel(5,8)") << 5;
        QTest::newRow("insert past the end") << "insert" << 301 << words("sel(5,8)") << 5;
        QTest::newRow("remove above") << "remove" << 2 << words("sel(5,4) del(299) sel(4,8)") << 4;
        // A removal below the selection reports the selection again, coming from no row.
        QTest::newRow("remove below") << "remove" << 7 << words("sel(-1,5) del(299) sel(5,8)") << 5;
        QTest::newRow("remove selected") << "remove" << 5 << words("del(299) sel(-1,8)") << -1;
        QTest::newRow("remove past the end") << "remove" << 300 << words("sel(5,8)") << 5;
        QTest::newRow("select and scroll") << "select" << 2 << words("sel(5,2) sel(2,8)") << 2;
        QTest::newRow("select the selected") << "select" << 5 << words("sel(5,8)") << 5;
        // A row outside the table clears the view's selection but keeps the tracked row.
        QTest::newRow("select past the end") << "select" << 300 << words("sel(5,8)") << -1;
    }
    void rowChangesKeepSelection()
    {
        QFETCH(QString, change);
        QFETCH(int, row);
        QFETCH(QStringList, expected);
        QFETCH(int, selectedAfter);
        Fixture f(300);
        f.click(5);
        f.click(5); // the same row again is no change
        QCOMPARE(f.take(), words("sel(-1,5)"));
        QCOMPARE(f.table->selectionModel()->selectedIndexes().size(), 2); // the whole row
        change == QLatin1String("select")       ? f.table->selectAndScrollTopToRow(row)
            : change == QLatin1String("insert") ? f.table->insertRow(row)
                                                : f.table->removeRow(row);
        QCOMPARE(f.table->getCurSelRow(), selectedAfter);
        if (change == QLatin1String("select") && selectedAfter >= 0)
            QCOMPARE(f.table->rowAt(0), row);
        f.click(8);
        QCOMPARE(f.take(), expected);
    }

    // The queries and removeCheckedRows on column 1 of rows given as, per row: C checked, U unchecked, P partial,
    // - no item; in lower case the row is hidden. Hidden rows are neither counted nor removed. (Mixed check states,
    // hidden checked rows and rows outside the table are held to a model in tst_tablesreliability.)
    void checkColumn_data()
    {
        QTest::addColumn<QString>("states");
        QTest::addColumn<int>("column");
        QTest::addColumn<QList<int>>("checked");
        QTest::addColumn<bool>("all");
        QTest::addColumn<bool>("none");
        QTest::newRow("unchecked rows hidden") << "CuCuC" << 1 << QList<int>({ 0, 2, 4 }) << true << false;
        QTest::newRow("every row hidden") << "uuuuu" << 1 << QList<int>() << true << true;
        QTest::newRow("partial, no item") << "CP-CC" << 1 << QList<int>({ 0, 3, 4 }) << false << false;
        QTest::newRow("column -1") << "CCCCC" << -1 << QList<int>() << false << true;
        QTest::newRow("column past the last") << "CCCCC" << 2 << QList<int>() << false << true;
    }
    void checkColumn()
    {
        QFETCH(QString, states);
        QFETCH(int, column);
        QFETCH(QList<int>, checked);
        QFETCH(bool, all);
        QFETCH(bool, none);
        ZTableWidget table;
        table.setColumnCount(2);
        table.setRowCount(states.size());
        for (int row = 0; row < states.size(); ++row) {
            const int state = QStringLiteral("UPC").indexOf(states.at(row).toUpper()); // as Qt::CheckState
            if (state >= 0) {
                table.setItem(row, 1, new QTableWidgetItem);
                table.item(row, 1)->setCheckState(Qt::CheckState(state));
            }
            table.setRowHidden(row, states.at(row).isLower());
        }
        QCOMPARE(table.getCheckedRows(column), checked);
        QCOMPARE(table.isAllRowsChecked(column), all);
        QCOMPARE(table.isNoRowChecked(column), none);
        // Bottom up, so that each removal takes the row it means, and one signal per row.
        QSignalSpy removals(&table, &ZTableWidget::signalDelRow);
        table.removeCheckedRows(column);
        QCOMPARE(removals.count(), checked.size());
        QCOMPARE(table.rowCount(), states.size() - checked.size());
        QCOMPARE(table.getCheckedRows(column), QList<int>());
    }

    void scrollBarVisibility()
    {
        Fixture f(0);
        QSignalSpy visible(f.table, SIGNAL(signalVerticalScrollBarVisible(bool)));
        f.frame.hide(); // while the table is hidden the bar comes silently
        f.table->setRowCount(100);
        f.table->doItemsLayout();
        QCoreApplication::processEvents();
        QVERIFY(f.table->verticalScrollBar()->isVisibleTo(f.table) && visible.isEmpty());
        f.frame.show();
        QTRY_COMPARE(visible.count(), 1);
        f.table->removeAllRows();
        QTRY_COMPARE(visible.count(), 2);
        QCOMPARE(visible.at(0).at(0).toBool() && !visible.at(1).at(0).toBool(), true);
    }

    // Values in the named columns are integers and sort as numbers ("abc" counts as 0), the others sort as text; a
    // row inserted into a sorted table lands whole in its sorted place, its key with it.
    void insertedRows()
    {
        TableWidget table;
        table.setHeaderViewColumnName(words("text number more"));
        table.setSortingEnabled(true);
        table.sortByColumn(1, Qt::AscendingOrder);
        table.insertBack(words("10 10"), QStringLiteral("k10"), { 1 });
        table.insertBack(words("9 9"), QStringLiteral("k9"), { 1 });
        table.insertRowByIndex(0, words("abc abc"), QStringLiteral("kabc"), { 1 });
        table.insertRowByIndex(4, words("1 1"), QStringLiteral("k1"), { 1 }); // past the end: ignored
        QCOMPARE(table.rowCount(), 3);
        // No item in the last column: each row's values are a shorter list.
        QCOMPARE(table.getRowValues(0) + table.getRowValues(1) + table.getRowValues(2), words("abc 0 9 9 10 10"));
        QCOMPARE(table.getRowIndexByKeyValue(QStringLiteral("k10")), 2);
        QCOMPARE(table.item(1, 1)->textAlignment(), int(Qt::AlignCenter));
        table.sortItems(0, Qt::AscendingOrder);
        QCOMPARE(table.getRowValues(0) + table.getRowValues(1) + table.getRowValues(2), words("10 10 9 9 abc 0"));
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
        const QStringList probes = words("k0 k1 k2 k3 k4 k5 k6 k7 k8 k9 k10 k11 missing") << QString();
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
            for (int lookup = 0; lookup < 3 * probes.size(); ++lookup) {
                const QString& probe = probes.at(lookup % probes.size());
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
        QTest::mouseMove(cell, QPoint(2, cell->height() / 2));
        QCOMPARE(table.getHoverRow(), 3);

        // A click reports the key the cell has at the time.
        QSignalSpy edits(cell, &EditOperWt::signalEditBtClicked);
        QSignalSpy deletes(cell, &EditOperWt::signalDeleteBtClicked);
        QTest::mouseClick(edit, Qt::LeftButton);
        cell->setKey(QStringLiteral("renamed"));
        QTest::mouseClick(remove, Qt::LeftButton);
        QCOMPARE(QList<int>({ int(edits.count()), int(deletes.count()) }), QList<int>({ 1, 1 }));
        QCOMPARE(edits.at(0).at(0).toString() + QLatin1Char('|') + deletes.at(0).at(0).toString(), "dev4|renamed");

        // The buttons sit centred 12 pixels apart; without the edit button the delete button is centred alone.
        QCOMPARE(cell->width(), 300);
        QCOMPARE(remove->x() - edit->geometry().right() - 1, 12);
        QVERIFY(qAbs((edit->x() + remove->geometry().right()) / 2 - 150) <= 1);
        cell->setEditBtVisible(false);
        QTRY_VERIFY(qAbs(remove->geometry().center().x() - 150) <= 1);
    }
};

QTEST_MAIN(tst_ZTableWidget)
#include "tst_ztablewidget.moc"
