#include "tables/editoperwt.h"
#include "tables/pageeditwt.h"
#include "words.h"
#include "zcbtest.h"

#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
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

// The largest difference of a colour channel between two images of the same size.
static int maxDifference(const QImage& a, const QImage& b)
{
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            most = std::max({ most, qAbs(qRed(p) - qRed(q)), qAbs(qGreen(p) - qGreen(q)), qAbs(qBlue(p) - qBlue(q)) });
        }
    return most;
}

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
            QTest::keyClick(s.jump, ZcbTest::firstKey(QKeySequence(action.section(QLatin1Char(' '), 0, 0))));
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

    // The texts of the strip and of an operation cell follow a language switch made while they live; the numbers
    // shown stay. Each row: the widget's object name, then the text, the accessible name or the tool tip.
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
            for (const char* name : { "editBt", "deleteBt" }) {
                auto* button = cell.findChild<QPushButton*>(name);
                seen << button->toolTip() + '|' + button->accessibleName();
            }
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
        QCOMPARE(s.bar.grab().toImage(), look); // the round trip restores every pixel
        QCOMPARE(s.log, QStringList()); // retranslating asks the host for nothing
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
        for (int i = 0; i < images.size(); ++i) {
            const QPoint origin = bar.findChild<QPushButton*>(names.at(i))->mapTo(&bar, QPoint(0, 0)) * 2;
            QImage expected(32, 32, QImage::Format_ARGB32);
            expected.fill(QColor(QStringLiteral("#141f30"))); // the strip's background under the transparent button
            QImage enlarged = expected;
            QImage doubled(":/images/images/" + images.at(i) + "_n@2x.png");
            doubled.setDevicePixelRatio(1); // the reader gives an "@2x" file ratio 2: compare device pixels
            QPainter(&expected).drawImage(0, 0, doubled);
            QPainter(&enlarged).drawImage(QRect(0, 0, 32, 32), QImage(":/images/images/" + images.at(i) + "_n.png"));
            // Blending rounds edge pixels by 1.
            const QImage shown = rendered.copy(QRect(origin, QSize(32, 32)));
            QVERIFY2(maxDifference(shown, expected) <= 2, qPrintable(images.at(i)));
            QVERIFY(maxDifference(shown, enlarged) > 2);
        }
    }
};

QTEST_MAIN(tst_PageEditWt)
#include "tst_pageeditwt.moc"
