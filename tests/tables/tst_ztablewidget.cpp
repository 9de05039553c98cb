#include "tablelog.h"
#include "tables/ztablewidget.h"
#include "zcbtest.h"

#include <QScrollBar>
#include <QVBoxLayout>
#include <QtTest>

using namespace ZCORVANEBASE;

// A shown table of `rows` x 2 items ("r<row>" in column 0) inside a frame with a margin, so the mouse can leave it.
struct Fixture
{
    TableLog log;
    QWidget frame;
    ZTableWidget* table;

    explicit Fixture(int rows)
        : table(new ZTableWidget(&frame))
    {
        auto* layout = new QVBoxLayout(&frame);
        layout->setContentsMargins(30, 30, 30, 30);
        layout->addWidget(table);
        table->setColumnCount(2);
        for (int row = 0; row < rows; ++row) {
            table->insertRow(row);
            table->setItem(row, 0, new QTableWidgetItem(QStringLiteral("r%1").arg(row)));
            table->setItem(row, 1, new QTableWidgetItem);
        }
        frame.resize(400, 600);
        frame.show();
        if (!QTest::qWaitForWindowExposed(&frame))
            qFatal("table not shown");
        log.attach(table);
    }
    QPoint at(int row) const { return table->visualRect(table->model()->index(row, 0)).center(); }
    void moveTo(int row) { QTest::mouseMove(table->viewport(), at(row)); }
    void click(int row) { QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at(row)); }
};

class tst_ZTableWidget : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void hoverFollowsTheMouse();
    void userSelection();
    void rowChangesKeepSelection_data();
    void rowChangesKeepSelection();
    void selectAndScrollTopToRow();
    void removeAllRowsResetsTracking();
    void checkColumnQueries_data();
    void checkColumnQueries();
    void removeCheckedRowsFromTheBottom();
    void rowOfCellWidget();
    void scrollBarVisibility();
};

void tst_ZTableWidget::hoverFollowsTheMouse()
{
    Fixture f(8);
    f.moveTo(2);
    f.moveTo(3);
    // Empty space below the last row, then out of the table into the frame's margin.
    QTest::mouseMove(f.table->viewport(), QPoint(f.at(0).x(), f.table->viewport()->height() - 5));
    QTest::mouseMove(&f.frame, QPoint(10, 10));
    QCOMPARE(f.log.take(), words("hover(-1,2) hover(2,3) hover(3,-1) hover(-1,-1)"));

    // Removing rows: the hover number stays with the position, and goes when its row goes.
    f.moveTo(5);
    f.table->removeRow(2);
    QCOMPARE(f.table->getHoverRow(), 5);
    f.table->removeRow(5);
    QCOMPARE(f.table->getHoverRow(), -1);
    f.log.take();
    f.moveTo(4);
    QCOMPARE(f.log.take(), words("hover(-1,4)"));
}

void tst_ZTableWidget::userSelection()
{
    Fixture f(6);
    f.click(3);
    f.click(1);
    f.click(1);
    QCOMPARE(f.log.take(), words("sel(-1,3) sel(3,1)"));
    QCOMPARE(f.table->getCurSelRow(), 1);
    QCOMPARE(f.table->selectionModel()->selectedIndexes().size(), 2); // the whole row
}

void tst_ZTableWidget::rowChangesKeepSelection_data()
{
    QTest::addColumn<bool>("insert");
    QTest::addColumn<int>("row");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<int>("selectedAfter");
    QTest::newRow("insert above") << true << 2 << words("sel(5,6) add(11)") << 6;
    QTest::newRow("insert at") << true << 5 << words("sel(5,6) add(11)") << 6;
    QTest::newRow("insert below") << true << 7 << words("add(11)") << 5;
    QTest::newRow("append") << true << 10 << words("add(11)") << 5;
    QTest::newRow("insert past the end") << true << 11 << QStringList() << 5;
    QTest::newRow("insert at -1") << true << -1 << QStringList() << 5;
    QTest::newRow("remove above") << false << 2 << words("sel(5,4) del(9)") << 4;
    // A removal below the selection reports the selection again, coming from no row.
    QTest::newRow("remove below") << false << 7 << words("sel(-1,5) del(9)") << 5;
    QTest::newRow("remove selected") << false << 5 << words("del(9)") << -1;
    QTest::newRow("remove past the end") << false << 10 << QStringList() << 5;
    QTest::newRow("remove -1") << false << -1 << QStringList() << 5;
}

void tst_ZTableWidget::rowChangesKeepSelection()
{
    QFETCH(bool, insert);
    QFETCH(int, row);
    QFETCH(QStringList, expected);
    QFETCH(int, selectedAfter);
    Fixture f(10);
    f.click(5);
    QCOMPARE(f.log.take(), words("sel(-1,5)"));

    insert ? f.table->insertRow(row) : f.table->removeRow(row);
    QCOMPARE(f.log.take(), expected);
    QCOMPARE(f.table->getCurSelRow(), selectedAfter);
    if (selectedAfter >= 0)
        QCOMPARE(f.table->item(selectedAfter, 0)->text(), QStringLiteral("r5"));
    // The next user choice reports the tracked row as the previous one.
    f.click(8);
    QCOMPARE(f.log.take(), QStringList { QStringLiteral("sel(%1,8)").arg(selectedAfter) });
}

void tst_ZTableWidget::selectAndScrollTopToRow()
{
    Fixture f(300);
    f.table->selectAndScrollTopToRow(150);
    f.table->selectAndScrollTopToRow(150);
    QCOMPARE(f.log.take(), words("sel(-1,150)"));
    QCOMPARE(f.table->getCurSelRow(), 150);
    QCOMPARE(f.table->rowAt(0), 150);

    // A row outside the table clears the view's selection but keeps the tracked row.
    f.table->selectAndScrollTopToRow(300);
    QCOMPARE(f.table->getCurSelRow(), -1);
    f.table->selectAndScrollTopToRow(20);
    QCOMPARE(f.log.take(), words("sel(150,20)"));
}

void tst_ZTableWidget::removeAllRowsResetsTracking()
{
    Fixture f(6);
    f.click(2);
    f.moveTo(1);
    f.log.take();
    f.table->removeAllRows();
    QCOMPARE(f.log.take(), words("del(0)"));
    QCOMPARE(f.table->columnCount(), 2);

    for (int row = 0; row < 3; ++row) {
        f.table->insertRow(row);
        f.table->setItem(row, 0, new QTableWidgetItem);
    }
    f.moveTo(0);
    f.click(0);
    QCOMPARE(f.log.take(), words("add(1) add(2) add(3) hover(-1,0) sel(-1,0)"));
}

void tst_ZTableWidget::checkColumnQueries_data()
{
    QTest::addColumn<QString>("states"); // per row of column 1: C checked, U unchecked, P partial, - no item
    QTest::addColumn<QString>("hidden"); // rows
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("checked"); // rows
    QTest::addColumn<bool>("all");
    QTest::addColumn<bool>("none");
    QTest::newRow("mixed") << "CUCUC"
                           << "" << 1 << "024" << false << false;
    QTest::newRow("unchecked rows hidden") << "CUCUC"
                                           << "13" << 1 << "024" << true << false;
    QTest::newRow("checked row hidden") << "UCUUU"
                                        << "1" << 1 << "" << false << true;
    QTest::newRow("every row hidden") << "UUUUU"
                                      << "01234" << 1 << "" << true << true;
    QTest::newRow("partial, no item") << "CP-CC"
                                      << "" << 1 << "034" << false << false;
    QTest::newRow("column -1") << "CCCCC"
                               << "" << -1 << "" << false << true;
    QTest::newRow("column past the last") << "CCCCC"
                                          << "" << 2 << "" << false << true;
}

void tst_ZTableWidget::checkColumnQueries()
{
    QFETCH(QString, states);
    QFETCH(QString, hidden);
    QFETCH(int, column);
    QFETCH(QString, checked);
    QFETCH(bool, all);
    QFETCH(bool, none);
    ZTableWidget table;
    table.setColumnCount(2);
    for (int row = 0; row < states.size(); ++row) {
        table.insertRow(row);
        const char state = states.at(row).toLatin1();
        if (state == '-')
            continue;
        auto* item = new QTableWidgetItem;
        item->setCheckState(state == 'C' ? Qt::Checked : state == 'P' ? Qt::PartiallyChecked : Qt::Unchecked);
        table.setItem(row, 1, item);
    }
    for (const QChar row : hidden)
        table.setRowHidden(row.digitValue(), true);
    QList<int> expected;
    for (const QChar row : checked)
        expected << row.digitValue();

    QCOMPARE(table.getCheckedRows(column), expected);
    QCOMPARE(table.isAllRowsChecked(column), all);
    QCOMPARE(table.isNoRowChecked(column), none);
}

void tst_ZTableWidget::removeCheckedRowsFromTheBottom()
{
    Fixture f(9);
    for (int row = 0; row < 9; ++row)
        f.table->item(row, 1)->setCheckState(
            row == 1 || row == 4 || row == 6 || row == 8 ? Qt::Checked : Qt::Unchecked);
    f.table->setRowHidden(8, true); // hidden rows stay, checked or not
    f.click(5);
    QList<int> removed;
    connect(f.table->model(), &QAbstractItemModel::rowsRemoved,
        [&removed](const QModelIndex&, int first, int) { removed << first; });
    f.log.take();

    f.table->removeCheckedRows(1);
    QCOMPARE(removed, QList<int>({ 6, 4, 1 }));
    QCOMPARE(f.log.take(), words("sel(-1,5) del(8) sel(5,4) del(7) sel(4,3) del(6)"));
    QStringList left;
    for (int row = 0; row < f.table->rowCount(); ++row)
        left << f.table->item(row, 0)->text();
    QCOMPARE(left, words("r0 r2 r3 r5 r7 r8"));
}

void tst_ZTableWidget::rowOfCellWidget()
{
    Fixture f(40);
    QVector<QWidget*> cells;
    for (int row = 0; row < 40; ++row) {
        cells << new QWidget;
        f.table->setCellWidget(row, 1, cells.last());
    }
    QCoreApplication::processEvents();
    QCOMPARE(f.table->getRowIndexByCellWt(cells.at(39), 1), 39);
    // Straight after row changes, before the view has laid the cells out again, and after.
    f.table->insertRow(0);
    f.table->insertRow(0);
    QCOMPARE(f.table->getRowIndexByCellWt(cells.at(5), 1), 7);
    f.table->removeRow(3);
    QCOMPARE(f.table->getRowIndexByCellWt(cells.at(5), 1), 6);
    QCoreApplication::processEvents();
    QCOMPARE(f.table->getRowIndexByCellWt(cells.at(5), 1), 6);

    QWidget stranger;
    QCOMPARE(f.table->getRowIndexByCellWt(&stranger, 1), -1);
    QCOMPARE(f.table->getRowIndexByCellWt(cells.at(5), 0), -1);
    QCOMPARE(f.table->getRowIndexByCellWt(cells.at(5), 7), -1);
    QCOMPARE(f.table->getRowIndexByCellWt(nullptr, 1), -1);
}

void tst_ZTableWidget::scrollBarVisibility()
{
    Fixture f(0);
    QSignalSpy visible(f.table, SIGNAL(signalVerticalScrollBarVisible(bool)));
    // While the table is hidden the bar comes silently.
    f.frame.hide();
    for (int row = 0; row < 100; ++row)
        f.table->insertRow(row);
    f.table->doItemsLayout();
    QCoreApplication::processEvents();
    QVERIFY(f.table->verticalScrollBar()->isVisibleTo(f.table));
    QCOMPARE(visible.count(), 0);

    f.frame.show();
    QTRY_COMPARE(visible.count(), 1);
    f.table->removeAllRows();
    QTRY_COMPARE(visible.count(), 2);
    QCOMPARE(visible.at(0).at(0).toBool(), true);
    QCOMPARE(visible.at(1).at(0).toBool(), false);
}

QTEST_MAIN(tst_ZTableWidget)
#include "tst_ztablewidget.moc"
