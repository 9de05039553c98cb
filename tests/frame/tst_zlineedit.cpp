// ZLineEdit: the UTF-8 byte limit for typing and pasting, focus reports, no built-in menu.

#include "frame/zlineedit.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QSignalSpy>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_ZLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void typingStopsAtByteLimit_data();
    void typingStopsAtByteLimit();
    void pasteKeepsLongestLeadingPart_data();
    void pasteKeepsLongestLeadingPart();
    void limitAppliesAtNextChange();
    void focusReports();
    void defaults();
};

void tst_ZLineEdit::typingStopsAtByteLimit_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("expected");
    QTest::newRow("fourth CJK character (12 bytes > 10)") << QStringLiteral("中文字体") << QStringLiteral("中文字");
    QTest::newRow("ASCII up to ten") << QStringLiteral("abcdefghijkl") << QStringLiteral("abcdefghij");
    QTest::newRow("mixed") << QStringLiteral("ab中文字") << QStringLiteral("ab中文"); // 2 + 3 + 3 = 8; +3 = 11
}

void tst_ZLineEdit::typingStopsAtByteLimit()
{
    QFETCH(QString, typed);
    QFETCH(QString, expected);
    ZLineEdit edit;
    edit.setMaxByteLength(10);
    edit.show();
    QVERIFY(QTest::qWaitForWindowExposed(&edit));
    // Typed as an input method commits it, one character at a time.
    for (const QChar ch : typed) {
        QInputMethodEvent commit;
        commit.setCommitString(ch);
        QCoreApplication::sendEvent(&edit, &commit);
    }
    QCOMPARE(edit.text(), expected);
    QVERIFY(edit.text().toUtf8().size() <= 10);
}

void tst_ZLineEdit::pasteKeepsLongestLeadingPart_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("expected");
    QTest::newRow("20 ASCII bytes") << QStringLiteral("01234567890123456789") << QStringLiteral("0123456789");
    QTest::newRow("CJK, 30 bytes") << QStringLiteral("录像回放时间轴日期选") << QStringLiteral("录像回");
    QTest::newRow("fits") << QStringLiteral("短文本") << QStringLiteral("短文本");
}

void tst_ZLineEdit::pasteKeepsLongestLeadingPart()
{
    QFETCH(QString, pasted);
    QFETCH(QString, expected);
    ZLineEdit edit;
    edit.setMaxByteLength(10);
    QGuiApplication::clipboard()->setText(pasted);
    edit.paste();
    QCOMPARE(edit.text(), expected);
}

void tst_ZLineEdit::limitAppliesAtNextChange()
{
    ZLineEdit edit;
    edit.setText(QStringLiteral("abcdefgh"));
    edit.setMaxByteLength(4);
    QCOMPARE(edit.text(), QStringLiteral("abcdefgh")); // not re-checked until the text changes
    edit.insert(QStringLiteral("x"));
    QCOMPARE(edit.text(), QStringLiteral("abcd"));
}

void tst_ZLineEdit::focusReports()
{
    QWidget window;
    auto* edit = new ZLineEdit(&window);
    auto* other = new QLineEdit(&window);
    other->move(0, 40);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    other->setFocus();
    QSignalSpy focus(edit, SIGNAL(signalFocusEvent(bool)));
    edit->setFocus();
    QTRY_COMPARE(focus.count(), 1);
    other->setFocus();
    QTRY_COMPARE(focus.count(), 2);
    QCOMPARE(focus.at(0).at(0).toBool(), true);
    QCOMPARE(focus.at(1).at(0).toBool(), false);
}

void tst_ZLineEdit::defaults()
{
    ZLineEdit edit;
    QCOMPARE(edit.maxLength(), 1024);
    QCOMPARE(edit.contextMenuPolicy(), Qt::CustomContextMenu);
    edit.setText(QString(1500, QLatin1Char('a')));
    QCOMPARE(edit.text().size(), 1024);
}

QTEST_MAIN(tst_ZLineEdit)
#include "tst_zlineedit.moc"
