// ZTableWidget under random sequences of row changes, selections and real mouse moves, held step by step to a small
// model of its rows and of the signals it must emit; and the tables under a host that misbehaves.

#include "tables/pageeditwt.h"
#include "tables/tablewidget.h"
#include "tables/ztablewidget.h"

#include "seededsource.h"
#include "zcbtest.h"

#include <QtTest>

#include <utility>

using namespace ZCORVANEBASE;

namespace {

// What the table must be: its rows (hidden flag and check state of column 1 per row), the row under the mouse, the
// tracked selection, whether the view's own selection was cleared behind the tracking's back, and where the mouse is.
struct TableModel
{
    QVector<bool> hidden;
    QVector<bool> checked;
    int hover = -1;
    int sel = -1;
    bool viewCleared = false;
    bool mouseInTable = false;
    QStringList log;

    int rows() const { return hidden.size(); }
    int curSelRow() const { return !viewCleared && sel >= 0 && !hidden.at(sel) ? sel : -1; }

    void insertRow(int row, bool isChecked)
    {
        if (row < 0 || row > rows())
            return;
        hidden.insert(row, false);
        checked.insert(row, isChecked);
        const int prev = sel;
        if (row <= sel)
            ++sel;
        if (sel >= 0) {
            viewCleared = false;
            if (prev != sel)
                log << QStringLiteral("sel(%1,%2)").arg(prev).arg(sel);
        }
        log << QStringLiteral("add(%1)").arg(rows());
    }
    void removeRow(int row)
    {
        if (row < 0 || row >= rows())
            return;
        hidden.remove(row);
        checked.remove(row);
        if (row == hover)
            hover = -1;
        int prev = -1;
        if (row == sel) {
            sel = -1;
        } else if (row < sel) {
            prev = sel;
            --sel;
        }
        viewCleared = sel < 0;
        if (sel >= 0 && prev != sel)
            log << QStringLiteral("sel(%1,%2)").arg(prev).arg(sel);
        log << QStringLiteral("del(%1)").arg(rows());
    }
    void setRowHidden(int row, bool hide)
    {
        if (row < 0 || row >= rows())
            return;
        hidden[row] = hide;
        log << QStringLiteral("hidden(%1,%2)").arg(row).arg(hide);
    }
    void selectAndScrollTopToRow(int row)
    {
        viewCleared = true; // the current cell is cleared first, whatever the row
        if (row < 0 || row >= rows())
            return;
        viewCleared = false;
        if (sel != row)
            log << QStringLiteral("sel(%1,%2)").arg(sel).arg(row);
        sel = row;
    }
    void removeAllRows()
    {
        hover = sel = -1;
        hidden.clear();
        checked.clear();
        log << QStringLiteral("del(0)");
    }
    QList<int> checkedRows() const
    {
        QList<int> list;
        for (int row = 0; row < rows(); ++row) {
            if (!hidden.at(row) && checked.at(row))
                list << row;
        }
        return list;
    }
    // The user clicked a shown row: the view selects it and the table reports a change of the tracked row.
    void click(int row)
    {
        viewCleared = false;
        if (row != sel)
            log << QStringLiteral("sel(%1,%2)").arg(sel).arg(row);
        sel = row;
    }
    void moveTo(int row)
    {
        mouseInTable = true;
        if (row != hover)
            log << QStringLiteral("hover(%1,%2)").arg(hover).arg(row);
        hover = row;
    }
    void leave()
    {
        if (mouseInTable)
            log << QStringLiteral("hover(%1,-1)").arg(hover);
        mouseInTable = false;
        hover = -1;
    }
};

// A table inside a frame with a margin, so that the mouse can leave it; every signal of the table lands in `log`.
struct Fixture
{
    QWidget frame;
    ZTableWidget* table = new ZTableWidget(&frame);
    QStringList log;

    Fixture()
    {
        table->setGeometry(30, 30, 340, 400);
        table->setColumnCount(2);
        frame.resize(400, 460);
        frame.show();
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
        QObject::connect(table, &ZTableWidget::signalSetRowHidden, logAs("hidden"));
    }
    void fillRow(int row, bool isChecked)
    {
        table->setItem(row, 0, new QTableWidgetItem(QStringLiteral("r")));
        auto* check = new QTableWidgetItem;
        check->setCheckState(isChecked ? Qt::Checked : Qt::Unchecked);
        table->setItem(row, 1, check);
    }
    // The shown rows whose centre lies inside the viewport: the ones the mouse can reach.
    QList<int> reachableRows() const
    {
        QList<int> rows;
        for (int row = 0; row < table->rowCount(); ++row) {
            const QRect rect = table->visualRect(table->model()->index(row, 0));
            if (!table->isRowHidden(row) && rect.height() > 0 && table->viewport()->rect().contains(rect.center()))
                rows << row;
        }
        return rows;
    }
    QPoint centre(int row) const { return table->visualRect(table->model()->index(row, 0)).center(); }
    // A real mouse move; one pixel further when the pointer is already there (a move that goes nowhere is no event).
    void moveMouse(QWidget* widget, QPoint pos)
    {
        if (widget->mapToGlobal(pos) == lastGlobal)
            pos += QPoint(1, 0);
        lastGlobal = widget->mapToGlobal(pos);
        ZcbTest::mouseMove(widget, pos);
    }
    QPoint lastGlobal { -1, -1 };
};

} // namespace

class tst_TablesReliability : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    void tableModel_data()
    {
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : { 11u, 12u, 13u, 14u })
            QTest::newRow(qPrintable(QStringLiteral("seed %1").arg(seed))) << seed;
    }

    // 300 random steps: inserts, removes and hides (rows outside the table included), selections by code and by a
    // real click, real mouse moves over rows, below them and out of the table, check-column queries and removals.
    void tableModel()
    {
        QFETCH(quint32, seed);
        SeededSource random(seed);
        Fixture f;
        TableModel model;
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        for (int row = 0; row < 12; ++row) {
            const bool isChecked = random.flag();
            f.table->insertRow(row);
            f.fillRow(row, isChecked);
            model.insertRow(row, isChecked);
        }
        QMap<QString, int> seen;
        for (int step = 0; step < 300; ++step) {
            const int rows = f.table->rowCount();
            const int row = int(random.range(-1, rows + 1));
            const QList<int> reachable = f.reachableRows();
            QString what;
            switch (random.byte() % 12) {
            case 0:
            case 1: {
                what = QStringLiteral("insertRow(%1)").arg(row);
                const bool isChecked = random.flag();
                f.table->insertRow(row);
                if (row >= 0 && row <= rows)
                    f.fillRow(row, isChecked);
                model.insertRow(row, isChecked);
                break;
            }
            case 2:
                what = QStringLiteral("removeRow(%1)").arg(row);
                f.table->removeRow(row);
                model.removeRow(row);
                break;
            case 3: {
                const bool hide = random.byte() % 3 != 0;
                what = QStringLiteral("setRowHidden(%1,%2)").arg(row).arg(hide);
                seen["setRowHidden outside the table"] += row < 0 || row >= rows;
                f.table->setRowHidden(row, hide);
                model.setRowHidden(row, hide);
                break;
            }
            case 4:
                what = QStringLiteral("selectAndScrollTopToRow(%1)").arg(row);
                f.table->selectAndScrollTopToRow(row);
                model.selectAndScrollTopToRow(row);
                break;
            case 5:
            case 6:
                if (reachable.isEmpty())
                    continue;
                {
                    const int target = reachable.at(int(random.range(0, reachable.size() - 1)));
                    what = QStringLiteral("click(%1)").arg(target);
                    QTest::mouseClick(f.table->viewport(), Qt::LeftButton, Qt::NoModifier, f.centre(target));
                    model.click(target);
                }
                break;
            case 7:
            case 8:
                if (reachable.isEmpty())
                    continue;
                {
                    const int target = reachable.at(int(random.range(0, reachable.size() - 1)));
                    what = QStringLiteral("moveTo(%1)").arg(target);
                    f.moveMouse(f.table->viewport(), f.centre(target));
                    model.moveTo(target);
                }
                break;
            case 9: // below the last row when there is room, else out of the table
                if (random.flag()
                    && (reachable.isEmpty() || f.centre(reachable.last()).y() + 40 < f.table->viewport()->height())) {
                    what = QStringLiteral("moveBelow");
                    f.moveMouse(f.table->viewport(), QPoint(20, f.table->viewport()->height() - 3));
                    model.moveTo(-1);
                } else {
                    what = QStringLiteral("leave");
                    f.moveMouse(&f.frame, QPoint(random.flag() ? 5 : 390, int(random.range(5, 455))));
                    model.leave();
                }
                break;
            case 10: {
                const bool allChecked = f.table->isAllRowsChecked(1);
                const bool noneChecked = f.table->isNoRowChecked(1);
                const QList<int> checkedRows = model.checkedRows();
                QCOMPARE(f.table->getCheckedRows(1), checkedRows);
                int shown = 0;
                bool hiddenChecked = false;
                for (int r = 0; r < model.rows(); ++r) {
                    shown += model.hidden.at(r) ? 0 : 1;
                    hiddenChecked |= model.hidden.at(r) && model.checked.at(r);
                }
                QCOMPARE(allChecked, checkedRows.size() == shown);
                QCOMPARE(noneChecked, checkedRows.isEmpty());
                seen["some rows checked, some not"] += !allChecked && !noneChecked;
                seen["none checked, checked rows hidden"] += noneChecked && hiddenChecked;
                what = QStringLiteral("removeCheckedRows(1)");
                f.table->removeCheckedRows(1);
                for (int i = checkedRows.size() - 1; i >= 0; --i)
                    model.removeRow(checkedRows.at(i));
                break;
            }
            default:
                if (random.byte() % 8 == 0) {
                    what = QStringLiteral("removeAllRows()");
                    f.table->removeAllRows();
                    model.removeAllRows();
                } else if (row >= 0 && row < rows) {
                    what = QStringLiteral("toggleCheck(%1)").arg(row);
                    model.checked[row] = !model.checked.at(row);
                    f.table->item(row, 1)->setCheckState(model.checked.at(row) ? Qt::Checked : Qt::Unchecked);
                }
                break;
            }
            ++seen[what.section('(', 0, 0)];
            const QString where = QStringLiteral("step %1, %2").arg(step).arg(what);
            QVERIFY2(
                f.log == model.log, qPrintable(where + ": " + f.log.join(' ') + " instead of " + model.log.join(' ')));
            f.log.clear();
            model.log.clear();
            QVERIFY2(f.table->rowCount() == model.rows(), qPrintable(where));
            QVERIFY2(f.table->getHoverRow() == model.hover,
                qPrintable(
                    where + QStringLiteral(": hover %1, expected %2").arg(f.table->getHoverRow()).arg(model.hover)));
            QVERIFY2(f.table->getCurSelRow() == model.curSelRow(),
                qPrintable(where
                    + QStringLiteral(": selected %1, expected %2")
                          .arg(f.table->getCurSelRow())
                          .arg(model.curSelRow())));
            for (int r = 0; r < model.rows(); ++r)
                QVERIFY2(f.table->isRowHidden(r) == model.hidden.at(r), qPrintable(where));
        }
        // The run reached the changes that matter.
        for (const char* kind : { "insertRow", "removeRow", "click", "moveTo", "leave", "removeCheckedRows" })
            QVERIFY2(seen.value(kind) > 3, kind);
        // And the cases the example tests of the table leave to this run.
        for (const char* kind :
            { "setRowHidden outside the table", "some rows checked, some not", "none checked, checked rows hidden" })
            QVERIFY2(seen.value(kind) > 0, kind);
    }
};

QTEST_MAIN(tst_TablesReliability)
#include "tst_tablesreliability.moc"
