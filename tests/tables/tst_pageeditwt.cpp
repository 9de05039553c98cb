// PageEditWt, the paging bar: the page count from the host's total, the page buttons and the jump field, the page
// size, the language, and the "@2x" images on a high-DPI screen.

#include "tables/editoperwt.h"
#include "tables/pageeditwt.h"
#include "zcbtest.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

using namespace ZCORVANEBASE;

// A paging bar with its parts found by name, logging its signals: "goto(3,50)", "size(100)".
struct Strip
{
    PageEditWt bar;
    QComboBox* box = bar.findChild<QComboBox*>(QStringLiteral("eachNumcomboBox"));
    QLabel* pages = bar.findChild<QLabel*>(QStringLiteral("numrecordlabel"));
    QLineEdit* jump = bar.findChild<QLineEdit*>(QStringLiteral("pagelineEdit"));
    ZcbTest::SignalLog log;

    explicit Strip(int total)
    {
        bar.updateTotalCnt(total);
        log.watch(&bar, &PageEditWt::signalGotoPage, "goto");
        log.watch(&bar, &PageEditWt::signalPageSizeChanged, "size");
    }
    void click(const char* button) { QTest::mouseClick(bar.findChild<QPushButton*>(button), Qt::LeftButton); }
    // Goes to `page` through the jump field and the go button, then empties the field and the log.
    void goTo(int page)
    {
        jump->setText(QString::number(page));
        click("gotobtn");
        jump->clear();
        log.take();
    }
};

class tst_PageEditWt : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { ZcbTest::installFakeWorker(); }

    // The host reports a total: nothing to ask it for. The page shown stays unless the new count ends before it.
    void updateTotalCnt_data()
    {
        QTest::addColumn<int>("sizeIndex"); // of 25, 50, 100
        QTest::addColumn<int>("page"); // shown, and in the jump field, before the new total
        QTest::addColumn<int>("total");
        QTest::addColumn<QString>("shown"); // the page over the page count
        QTest::addColumn<QString>("jump");
        QTest::newRow("nothing") << 1 << 3 << 0 << "1/1" << QString();
        QTest::newRow("negative") << 1 << 1 << -7 << "1/1" << QString();
        QTest::newRow("100 by 50") << 1 << 1 << 100 << "1/2" << QStringLiteral("1");
        QTest::newRow("101 by 50") << 1 << 1 << 101 << "1/3" << QStringLiteral("1");
        QTest::newRow("120 by 100") << 2 << 1 << 120 << "1/2" << QStringLiteral("1");
        // 419430401 / 25 is 16777216.04; in single precision the total rounds to 419430400 first.
        QTest::newRow("single precision") << 0 << 1 << 419430401 << "1/16777216" << QStringLiteral("1");
        QTest::newRow("page past the new count") << 1 << 4 << 120 << "3/3" << QStringLiteral("3");
    }
    void updateTotalCnt()
    {
        QFETCH(int, sizeIndex);
        QFETCH(int, page);
        QFETCH(int, total);
        Strip s(100000);
        s.box->setCurrentIndex(sizeIndex);
        s.goTo(page);
        s.jump->setText(QString::number(page));
        s.bar.updateTotalCnt(total);
        QTEST(s.pages->text(), "shown");
        QTEST(s.jump->text(), "jump");
        QCOMPARE(s.bar.findChild<QLabel*>(QStringLiteral("labelnum"))->text(), QString::number(total));
        QCOMPARE(s.log.take(), QStringList());
    }

    // From a start page of 5: a button clicked, or a page number typed in the jump field and a button or key.
    void pageButtons_data()
    {
        QTest::addColumn<int>("startPage");
        QTest::addColumn<QString>("typed"); // into the jump field first
        QTest::addColumn<QString>("button"); // or a key
        QTest::addColumn<int>("endPage"); // asked for as goto(endPage,50) unless it is the start page
        QTest::newRow("previous on page 1") << 1 << QString() << "prebtn" << 1;
        QTest::newRow("next on page 1") << 1 << QString() << "nextbtn" << 2;
        QTest::newRow("last on page 1") << 1 << QString() << "bottombtn" << 5;
        QTest::newRow("first on page 3") << 3 << QString() << "headbtn" << 1;
        QTest::newRow("previous on page 3") << 3 << QString() << "prebtn" << 2;
        QTest::newRow("next on page 5") << 5 << QString() << "nextbtn" << 5;
        QTest::newRow("go with an empty field") << 3 << QString() << "gotobtn" << 3;
        QTest::newRow("go to 4") << 3 << "4" << QStringLiteral("gotobtn") << 4;
        QTest::newRow("Enter") << 2 << "3" << QStringLiteral("Enter") << 3;
        QTest::newRow("Return") << 2 << "3" << QStringLiteral("Return") << 3;
        QTest::newRow("Return on the page shown") << 3 << "3" << QStringLiteral("Return") << 3;
    }
    void pageButtons()
    {
        QFETCH(int, startPage);
        QFETCH(QString, typed);
        QFETCH(QString, button);
        QFETCH(int, endPage);
        Strip s(230); // 5 pages of 50
        s.goTo(startPage);
        QTest::keyClicks(s.jump, typed);
        if (button.endsWith("btn"))
            s.click(qPrintable(button));
        else
            QTest::keyClick(s.jump, ZcbTest::firstKey(QKeySequence(button)));
        QCOMPARE(
            s.log.take(), endPage == startPage ? QStringList() : QStringList { QString("goto(%1,50)").arg(endPage) });
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
        Strip s(230);
        QApplication::clipboard()->setText(text);
        QCOMPARE(QApplication::clipboard()->text(), text);
        paste ? QTest::keySequence(s.jump, QKeySequence::Paste) : QTest::keyClicks(s.jump, text);
        QTEST(s.jump->text(), "left");
    }

    void pageSizeChoice()
    {
        Strip s(230);
        s.goTo(2);
        s.box->setCurrentIndex(2);
        QCOMPARE(s.bar.getCurPageIndex(), 1);
        QCOMPARE(s.pages->text(), QStringLiteral("2/5")); // until the host reports the total again
        s.click("nextbtn");
        s.bar.updateTotalCnt(230);
        QCOMPARE(s.pages->text(), QStringLiteral("2/3"));
        // A caller refilling the box passes through an empty box: nothing changes.
        s.box->clear();
        QCOMPARE(s.bar.getCurPageIndex(), 2);
        QCOMPARE(s.log.take(), QStringList({ "size(100)", "goto(2,100)" }));
    }

    // The texts of the bar and of an operation cell follow a language switch made while they live; the numbers
    // shown stay, and every pixel comes back with the language.
    void languageSwitch()
    {
        Strip s(230);
        s.goTo(3);
        EditOperWt cell(QStringLiteral("dev1"));
        const auto texts = [&] {
            QStringList seen;
            for (const char* name : { "eachlabel", "labelnum", "numrecordlabel", "jumplabel" })
                seen << s.bar.findChild<QLabel*>(name)->text();
            for (const char* name : { "headbtn", "prebtn", "nextbtn", "bottombtn" })
                seen << s.bar.findChild<QPushButton*>(name)->accessibleName();
            seen << s.bar.findChild<QPushButton*>("gotobtn")->text() << s.jump->accessibleName()
                 << s.box->accessibleName() << s.box->currentText();
            for (const char* name : { "editBt", "deleteBt" })
                seen << cell.findChild<QPushButton*>(name)->toolTip() + '|'
                        + cell.findChild<QPushButton*>(name)->accessibleName();
            return seen.join(',');
        };
        const QString english = texts();
        const QImage look = s.bar.grab().toImage();
        QCOMPARE(english,
            "Page,230,3/5,Jump to,First page,Previous page,Next page,Last page,Go to,Page to jump to,Records per "
            "page,50,Edit|Edit,Delete|Delete");
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageZhCN);
        const QString chinese = texts();
        ZcbTest::switchLanguage(ZCORVANEDLL::ClientLanguageEnUS);
        QCOMPARE(
            chinese, "每页显示,230,3/5,跳转,首页,上一页,下一页,末页,前往,跳转页码,每页记录数,50,编辑|编辑,删除|删除");
        QCOMPARE(texts(), english);
        QCOMPARE(s.bar.grab().toImage(), look);
        QCOMPARE(s.log.take(), QStringList()); // retranslating asks the host for nothing
    }

    // On a screen of device pixel ratio 2 (this test runs with QT_SCALE_FACTOR=2) the paging buttons show the
    // "@2x" images the library ships, pixel for pixel at the doubled positions, not the small ones enlarged.
    void highDpiImages()
    {
        if (qApp->devicePixelRatio() < 2)
            QSKIP("needs the high-DPI screen CTest gives it (QT_SCALE_FACTOR=2)");
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
        QCoreApplication::setAttribute(Qt::AA_UseHighDpiPixmaps); // as a high-DPI host sets it (Qt 6 always does)
#endif
        const QStringList images { "page_first", "page_pre", "page_next", "page_last" };
        const QStringList names { "headbtn", "prebtn", "nextbtn", "bottombtn" };
        PageEditWt bar;
        QString sheet;
        for (int i = 0; i < images.size(); ++i)
            sheet += QStringLiteral("QPushButton#%1 { border: 0px; padding: 0px; min-height: 0px; background: "
                                    "transparent; image: url(:/images/images/%2_n.png); }")
                         .arg(names.at(i), images.at(i));
        bar.setStyleSheet(sheet);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        QImage rendered(bar.size() * 2, QImage::Format_ARGB32);
        rendered.setDevicePixelRatio(2);
        bar.render(&rendered);
        rendered.setDevicePixelRatio(1);
        // The largest difference of a colour channel between the button shown and an image drawn on the background.
        const auto difference = [](const QImage& shown, const QImage& image, const QRect& target) {
            QImage expected(32, 32, QImage::Format_ARGB32);
            expected.fill(QColor(QStringLiteral("#141f30"))); // the bar's background under the transparent button
            QPainter(&expected).drawImage(target, image);
            int most = 0;
            for (int y = 0; y < 32; ++y)
                for (int x = 0; x < 32; ++x)
                    for (int shift : { 0, 8, 16 })
                        most = qMax(most,
                            qAbs(int(shown.pixel(x, y) >> shift & 0xff) - int(expected.pixel(x, y) >> shift & 0xff)));
            return most;
        };
        for (int i = 0; i < images.size(); ++i) {
            const QPoint origin = bar.findChild<QPushButton*>(names.at(i))->mapTo(&bar, QPoint(0, 0)) * 2;
            const QImage shown = rendered.copy(QRect(origin, QSize(32, 32)));
            QImage doubled(":/images/images/" + images.at(i) + "_n@2x.png");
            doubled.setDevicePixelRatio(1); // the reader gives an "@2x" file ratio 2: compare device pixels
            const QImage small(":/images/images/" + images.at(i) + "_n.png");
            QVERIFY2(difference(shown, doubled, QRect(0, 0, 32, 32)) <= 2, qPrintable(images.at(i))); // blending rounds
            QVERIFY(difference(shown, small, QRect(0, 0, 32, 32)) > 2);
        }
    }
};

QTEST_MAIN(tst_PageEditWt)
#include "tst_pageeditwt.moc"
