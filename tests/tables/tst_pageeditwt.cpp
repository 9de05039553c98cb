#include "tables/pageeditwt.h"
#include "words.h"
#include "zcbtest.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace ZCORVANEBASE;

// A paging strip with its parts found by name, and a log of its signals: "goto(3,50)", "size(100)".
struct Strip
{
    PageEditWt bar;
    QComboBox* box = bar.findChild<QComboBox*>(QStringLiteral("eachNumcomboBox"));
    QLabel* pages = bar.findChild<QLabel*>(QStringLiteral("numrecordlabel"));
    QLineEdit* jump = bar.findChild<QLineEdit*>(QStringLiteral("pagelineEdit"));
    QStringList log;

    explicit Strip(int total)
    {
        bar.updateTotalCnt(total);
        QObject::connect(&bar, &PageEditWt::signalGotoPage,
            [this](int page, int size) { log << QStringLiteral("goto(%1,%2)").arg(page).arg(size); });
        QObject::connect(&bar, &PageEditWt::signalPageSizeChanged,
            [this](int size) { log << QStringLiteral("size(%1)").arg(size); });
    }
    // Goes to `page` through the jump field and the go button, then empties the field and the log.
    void goTo(int page)
    {
        jump->setText(QString::number(page));
        QTest::mouseClick(bar.findChild<QPushButton*>(QStringLiteral("gotobtn")), Qt::LeftButton);
        jump->clear();
        log.clear();
    }
};

class tst_PageEditWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    void updateTotalCnt_data()
    {
        QTest::addColumn<int>("sizeIndex"); // of 25, 50, 100
        QTest::addColumn<int>("page"); // shown, and in the jump field, before the new total
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("shown"); // the page over the page count | the jump field
        QTest::newRow("nothing") << 1 << 3 << 0 << "1/1|";
        QTest::newRow("negative") << 1 << 1 << -7 << "1/1|";
        QTest::newRow("100 by 50") << 1 << 1 << 100 << "1/2|1";
        QTest::newRow("101 by 50") << 1 << 1 << 101 << "1/3|1";
        QTest::newRow("120 by 100") << 2 << 1 << 120 << "1/2|1";
        // 419430401 / 25 is 16777216.04; in single precision the total rounds to 419430400 first.
        QTest::newRow("single precision") << 0 << 1 << 419430401 << "1/16777216|1";
        QTest::newRow("page past the new count") << 1 << 4 << 120 << "3/3|3";
    }
    void updateTotalCnt()
    {
        QFETCH(int, sizeIndex);
        QFETCH(int, page);
        QFETCH(int, total);
        QFETCH(QString, shown);
        Strip s(100000);
        s.box->setCurrentIndex(sizeIndex);
        s.goTo(page);
        s.jump->setText(QString::number(page));
        s.bar.updateTotalCnt(total);
        QCOMPARE(s.pages->text() + QLatin1Char('|') + s.jump->text(), shown);
        QCOMPARE(s.bar.findChild<QLabel*>(QStringLiteral("labelnum"))->text(), QString::number(total));
        QCOMPARE(s.log, QStringList()); // the host reported the total: nothing to ask it for
    }

    // From a start page: a button clicked, or a page number typed in the jump field and a button or key.
    void pageButtons_data()
    {
        QTest::addColumn<int>("startPage");
        QTest::addColumn<QString>("action"); // a button's name or a key, after the page number typed first
        QTest::addColumn<int>("endPage"); // asked for as goto(endPage,50) unless it is the start page
        QTest::newRow("previous on page 1") << 1 << "prebtn" << 1;
        QTest::newRow("next on page 1") << 1 << "nextbtn" << 2;
        QTest::newRow("last on page 1") << 1 << "bottombtn" << 5;
        QTest::newRow("first on page 3") << 3 << "headbtn" << 1;
        QTest::newRow("previous on page 3") << 3 << "prebtn" << 2;
        QTest::newRow("next on page 5") << 5 << "nextbtn" << 5;
        QTest::newRow("go with an empty field") << 3 << "gotobtn" << 3;
        QTest::newRow("go to 4") << 3 << "gotobtn 4" << 4;
        QTest::newRow("Enter") << 2 << "Enter 3" << 3;
        QTest::newRow("Return") << 2 << "Return 3" << 3;
        QTest::newRow("Return on the page shown") << 3 << "Return 3" << 3;
    }
    void pageButtons()
    {
        QFETCH(int, startPage);
        QFETCH(QString, action);
        QFETCH(int, endPage);
        Strip s(230); // 5 pages of 50
        s.goTo(startPage);
        QTest::keyClicks(s.jump, action.section(QLatin1Char(' '), 1));
        if (auto* button = s.bar.findChild<QPushButton*>(action.section(QLatin1Char(' '), 0, 0)))
            QTest::mouseClick(button, Qt::LeftButton);
        else
            QTest::keyClick(s.jump, Qt::Key(QKeySequence(action.section(QLatin1Char(' '), 0, 0))[0]));
        QCOMPARE(
            s.log, endPage == startPage ? QStringList() : QStringList { QStringLiteral("goto(%1,50)").arg(endPage) });
        QCOMPARE(s.pages->text(), QStringLiteral("%1/5").arg(endPage));
    }

    // The jump field takes away what goes past the 5 pages, one character at a time.
    void jumpFieldTrims_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("paste");
        QTest::addColumn<QString>("left");
        QTest::newRow("type 7") << "7" << false << "";
        QTest::newRow("type 12") << "12" << false << "1";
        QTest::newRow("type 0") << "0" << false << "";
        QTest::newRow("type +") << "+" << false << "";
        QTest::newRow("type letters") << "ab" << false << "";
        QTest::newRow("paste 100000") << "100000" << true << "1";
        QTest::newRow("paste over the validator") << "1000000" << true << "";
    }
    void jumpFieldTrims()
    {
        QFETCH(QString, text);
        QFETCH(bool, paste);
        QFETCH(QString, left);
        Strip s(230);
        QApplication::clipboard()->setText(text);
        QCOMPARE(QApplication::clipboard()->text(), text);
        paste ? QTest::keySequence(s.jump, QKeySequence::Paste) : QTest::keyClicks(s.jump, text);
        QCOMPARE(s.jump->text(), left);
    }

    void pageSizeChoice()
    {
        Strip s(230);
        s.goTo(2);
        s.box->setCurrentIndex(2);
        QCOMPARE(s.bar.getCurPageIndex(), 1);
        QCOMPARE(s.pages->text(), QStringLiteral("2/5")); // until the host reports the total again
        QTest::mouseClick(s.bar.findChild<QPushButton*>(QStringLiteral("nextbtn")), Qt::LeftButton);
        s.bar.updateTotalCnt(230);
        QCOMPARE(s.pages->text(), QStringLiteral("2/3"));
        // A caller refilling the box passes through an empty box: nothing changes.
        s.box->clear();
        QCOMPARE(s.bar.getCurPageIndex(), 2);
        QCOMPARE(s.log, words("size(100) goto(2,100)"));
    }
};

QTEST_MAIN(tst_PageEditWt)
#include "tst_pageeditwt.moc"
