#include "tablelog.h"
#include "tables/pageeditwt.h"
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
    QLabel* total = bar.findChild<QLabel*>(QStringLiteral("labelnum"));
    QLineEdit* jump = bar.findChild<QLineEdit*>(QStringLiteral("pagelineEdit"));
    QStringList log;

    explicit Strip(int totalCnt = 0)
    {
        bar.updateTotalCnt(totalCnt);
        QObject::connect(&bar, &PageEditWt::signalGotoPage,
            [this](int page, int size) { log << QStringLiteral("goto(%1,%2)").arg(page).arg(size); });
        QObject::connect(&bar, &PageEditWt::signalPageSizeChanged,
            [this](int size) { log << QStringLiteral("size(%1)").arg(size); });
    }
    void click(const QString& name) { QTest::mouseClick(bar.findChild<QPushButton*>(name), Qt::LeftButton); }
    void goTo(int page)
    {
        jump->setText(QString::number(page));
        click(QStringLiteral("gotobtn"));
        jump->clear();
        log.clear();
    }
};

class tst_PageEditWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }
    void pageCountFromTotal_data();
    void pageCountFromTotal();
    void shrinkingTotalClampsSilently();
    void pageButtons_data();
    void pageButtons();
    void jumpFieldTrims_data();
    void jumpFieldTrims();
    void enterInJumpField_data();
    void enterInJumpField();
    void pageSizeChoice();
    void texts_data();
    void texts();
};

void tst_PageEditWt::pageCountFromTotal_data()
{
    QTest::addColumn<int>("sizeIndex");
    QTest::addColumn<int>("total");
    QTest::addColumn<QString>("pages");
    QTest::newRow("nothing") << 1 << 0 << "1/1";
    QTest::newRow("negative") << 1 << -7 << "1/1";
    QTest::newRow("100 by 50") << 1 << 100 << "1/2";
    QTest::newRow("101 by 50") << 1 << 101 << "1/3";
    QTest::newRow("120 by 50") << 1 << 120 << "1/3";
    QTest::newRow("120 by 25") << 0 << 120 << "1/5";
    QTest::newRow("120 by 100") << 2 << 120 << "1/2";
    // 419430401 / 25 is 16777216.04; in single precision the total rounds to 419430400 first.
    QTest::newRow("single precision") << 0 << 419430401 << "1/16777216";
}

void tst_PageEditWt::pageCountFromTotal()
{
    QFETCH(int, sizeIndex);
    QFETCH(int, total);
    QFETCH(QString, pages);
    Strip s;
    s.box->setCurrentIndex(sizeIndex);
    s.jump->setText(QStringLiteral("1"));
    s.log.clear();
    s.bar.updateTotalCnt(total);
    QCOMPARE(s.pages->text(), pages);
    QCOMPARE(s.total->text(), QString::number(total));
    QCOMPARE(s.bar.getCurPageIndex(), 1);
    QCOMPARE(s.jump->text(), total > 0 ? QStringLiteral("1") : QString()); // emptied without pages
    QCOMPARE(s.log, QStringList());
}

void tst_PageEditWt::shrinkingTotalClampsSilently()
{
    Strip s(120);
    s.click(QStringLiteral("bottombtn"));
    QCOMPARE(s.log, words("goto(3,50)"));
    s.jump->setText(QStringLiteral("3"));
    s.bar.updateTotalCnt(40);
    QCOMPARE(s.bar.getCurPageIndex(), 1);
    QCOMPARE(s.pages->text(), QStringLiteral("1/1"));
    QCOMPARE(s.jump->text(), QStringLiteral("1")); // past the new page count: the current page
    QCOMPARE(s.log, words("goto(3,50)"));
}

void tst_PageEditWt::pageButtons_data()
{
    QTest::addColumn<int>("startPage");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("first on page 1") << 1 << "headbtn" << QStringList();
    QTest::newRow("previous on page 1") << 1 << "prebtn" << QStringList();
    QTest::newRow("next on page 1") << 1 << "nextbtn" << words("goto(2,50)");
    QTest::newRow("last on page 1") << 1 << "bottombtn" << words("goto(5,50)");
    QTest::newRow("first on page 3") << 3 << "headbtn" << words("goto(1,50)");
    QTest::newRow("previous on page 3") << 3 << "prebtn" << words("goto(2,50)");
    QTest::newRow("next on page 5") << 5 << "nextbtn" << QStringList();
    QTest::newRow("last on page 5") << 5 << "bottombtn" << QStringList();
    QTest::newRow("go with an empty field") << 3 << "gotobtn" << QStringList();
}

void tst_PageEditWt::pageButtons()
{
    QFETCH(int, startPage);
    QFETCH(QString, button);
    QFETCH(QStringList, expected);
    Strip s(230); // 5 pages of 50
    s.goTo(startPage);
    QCOMPARE(s.bar.getCurPageIndex(), startPage);
    s.click(button);
    QCOMPARE(s.log, expected);
    const int page = expected.isEmpty() ? startPage : expected.first().mid(5, 1).toInt();
    QCOMPARE(s.pages->text(), QStringLiteral("%1/5").arg(page));
}

void tst_PageEditWt::jumpFieldTrims_data()
{
    QTest::addColumn<bool>("paste");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("left");
    QTest::newRow("type 3") << false << "3"
                            << "3";
    QTest::newRow("type 7") << false << "7"
                            << "";
    QTest::newRow("type 12") << false << "12"
                             << "1";
    QTest::newRow("type 0") << false << "0"
                            << "";
    QTest::newRow("type +") << false << "+"
                            << "";
    QTest::newRow("type letters") << false << "ab"
                                  << "";
    QTest::newRow("paste 100000") << true << "100000"
                                  << "1";
    QTest::newRow("paste 54") << true << "54"
                              << "5";
    QTest::newRow("paste over the validator") << true << "1000000"
                                              << "";
}

void tst_PageEditWt::jumpFieldTrims()
{
    QFETCH(bool, paste);
    QFETCH(QString, text);
    QFETCH(QString, left);
    Strip s(230);
    if (paste) {
        QApplication::clipboard()->setText(text);
        QCOMPARE(QApplication::clipboard()->text(), text);
        QTest::keySequence(s.jump, QKeySequence::Paste);
    } else {
        QTest::keyClicks(s.jump, text);
    }
    QCOMPARE(s.jump->text(), left);
}

void tst_PageEditWt::enterInJumpField_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Enter") << int(Qt::Key_Enter);
    QTest::newRow("Return") << int(Qt::Key_Return);
}

void tst_PageEditWt::enterInJumpField()
{
    QFETCH(int, key);
    Strip s(230);
    s.goTo(2);
    QTest::keyClicks(s.jump, QStringLiteral("3"));
    QTest::keyClick(s.jump, Qt::Key(key));
    QTest::keyClick(s.jump, Qt::Key(key)); // the same page again is no change
    QCOMPARE(s.log, words("goto(3,50)"));
    QCOMPARE(s.jump->text(), QStringLiteral("3"));
    QCOMPARE(s.pages->text(), QStringLiteral("3/5"));
}

void tst_PageEditWt::pageSizeChoice()
{
    Strip s(230);
    s.goTo(2);
    s.box->setCurrentIndex(2);
    QCOMPARE(s.log, words("size(100)"));
    QCOMPARE(s.bar.getCurPageIndex(), 1);
    QCOMPARE(s.pages->text(), QStringLiteral("2/5")); // until the host reports the total again
    s.click(QStringLiteral("nextbtn"));
    s.bar.updateTotalCnt(230);
    QCOMPARE(s.log, words("size(100) goto(2,100)"));
    QCOMPARE(s.pages->text(), QStringLiteral("2/3"));
    // A caller refilling the box passes through an empty box: nothing changes.
    s.box->clear();
    QCOMPARE(s.log.size(), 2);
    QCOMPARE(s.bar.getCurPageIndex(), 2);
}

void tst_PageEditWt::texts_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("texts"); // eachlabel, label_2, labelrecord, jumplabel, pagelabel, gotobtn
    QTest::newRow("en_US") << int(ZCORVANEDLL::ClientLanguageEnUS) << "Page|Total|Records|Jump to|Page|Go to";
    QTest::newRow("zh_CN") << int(ZCORVANEDLL::ClientLanguageZhCN) << "每页显示|共|条记录|跳转|页|前往";
    QTest::newRow("zh_HK") << int(ZCORVANEDLL::ClientLanguageZhHK) << "每頁顯示|共|條記錄|跳轉|頁|前往";
}

void tst_PageEditWt::texts()
{
    QFETCH(int, language);
    QFETCH(QString, texts);
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguage(language));
    PageEditWt bar;
    QCOMPARE(bar.objectName(), QStringLiteral("ZCORVANEBASE__PageEditWt"));
    QStringList shown;
    for (const QString& name : words("eachlabel label_2 labelrecord jumplabel pagelabel"))
        shown << bar.findChild<QLabel*>(name)->text();
    shown << bar.findChild<QPushButton*>(QStringLiteral("gotobtn"))->text();
    QCOMPARE(shown.join(QLatin1Char('|')), texts);
}

QTEST_MAIN(tst_PageEditWt)
#include "tst_pageeditwt.moc"
