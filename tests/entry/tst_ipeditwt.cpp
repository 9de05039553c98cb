#include "entry/ipeditwt.h"
#include "zcbtest.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using ZCORVANEBASE::IpEditWt;

// An editor in an active window together with another field, so that focus can come and go.
class EditorWindow : public QWidget
{
public:
    explicit EditorWindow(const QString& fields = QString())
    {
        auto* layout = new QVBoxLayout(this);
        other = new QLineEdit(this);
        editor = new IpEditWt(this);
        layout->addWidget(other);
        layout->addWidget(editor);
        // Filled as typing would, without the editor's setText().
        const QStringList texts = fields.split(QLatin1Char('|'));
        for (int i = 0; i < 4 && !fields.isEmpty(); ++i)
            field(i)->setText(texts.value(i));
    }
    void activate()
    {
        show();
        QApplication::setActiveWindow(this);
        QVERIFY(QTest::qWaitForWindowActive(this));
    }
    QLineEdit* field(int i) const { return editor->findChild<QLineEdit*>(QStringLiteral("lineEdit%1").arg(i + 1)); }
    QString fields() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << field(i)->text();
        return texts.join(QLatin1Char('|'));
    }
    QLineEdit* other;
    IpEditWt* editor;
};

class tst_IpEditWt : public QObject
{
    Q_OBJECT

private slots:
    void newEditor();
    void setText_data();
    void setText();
    void toIPv4Address_data();
    void toIPv4Address();
    void typingOneField_data();
    void typingOneField();
    void typingWholeAddress_data();
    void typingWholeAddress();
    void focusKeys_data();
    void focusKeys();
    void inputMethodDot_data();
    void inputMethodDot();
    void focusLandsInFirstField();
    void translatedTitle_data();
    void translatedTitle();
};

void tst_IpEditWt::newEditor()
{
    IpEditWt editor;
    QCOMPARE(editor.text(), QStringLiteral("..."));
    QVERIFY(!editor.isValid());
    QCOMPARE(editor.toIPv4Address(), 0u);
    QCOMPARE(editor.objectName(), QStringLiteral("ZCORVANEBASE__IpEditWt"));
}

void tst_IpEditWt::setText_data()
{
    QTest::addColumn<QString>("before"); // field texts joined by "|"
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");

    const QString full = QStringLiteral("9|8|7|6");
    QTest::newRow("plain") << QString() << "192.168.1.10"
                           << "192|168|1|10"
                           << "192.168.1.10" << true;
    QTest::newRow("LocalHost") << full << "LoCaLHoST"
                               << "127|0|0|1"
                               << "127.0.0.1" << true;
    QTest::newRow("two parts keep the rest") << full << "10.1"
                                             << "10|1|7|6"
                                             << "10.1.7.6" << true;
    QTest::newRow("fifth part dropped") << QString() << "1.2.3.4.5"
                                        << "1|2|3|4"
                                        << "1.2.3.4" << true;
    QTest::newRow("leading zeros") << QString() << "192.168.001.010"
                                   << "192|168|001|010"
                                   << "192.168.1.10" << true;
    QTest::newRow("empty parts clear") << full << "1..3"
                                       << "1||3|6"
                                       << "1..3.6" << false;
    QTest::newRow("no range check, garbage 0") << QString() << "300.abc.1.2"
                                               << "300|abc|1|2"
                                               << "300.0.1.2" << true;
    QTest::newRow("long part cut to three") << QString() << "12345.6.7.8"
                                            << "123|6|7|8"
                                            << "123.6.7.8" << true;
}

void tst_IpEditWt::setText()
{
    QFETCH(QString, before);
    QFETCH(QString, input);
    QFETCH(QString, fields);
    QFETCH(QString, text);
    QFETCH(bool, valid);

    EditorWindow window(before);
    QSignalSpy edited(window.editor, SIGNAL(textEdited(QString)));
    window.editor->setText(input);
    QCOMPARE(window.fields(), fields);
    QCOMPARE(window.editor->text(), text);
    QCOMPARE(window.editor->isValid(), valid);
    QCOMPARE(edited.count(), 0);
}

void tst_IpEditWt::toIPv4Address_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<uint>("number");
    QTest::newRow("192.168.1.10") << QStringLiteral("192.168.1.10") << 0xC0A8010Au;
    QTest::newRow("255.255.255.255") << QStringLiteral("255.255.255.255") << 0xFFFFFFFFu;
    QTest::newRow("localhost") << QStringLiteral("localhost") << 0x7F000001u;
    QTest::newRow("last field empty") << QStringLiteral("1.2.3.") << 0x01020300u;
    // No range check: an oversized field wraps into its neighbour byte.
    QTest::newRow("1.256.0.7 wraps") << QStringLiteral("1.256.0.7") << 0x02000007u;
}

void tst_IpEditWt::toIPv4Address()
{
    QFETCH(QString, address);
    QFETCH(uint, number);
    IpEditWt editor;
    editor.setText(address);
    QCOMPARE(editor.toIPv4Address(), number);
}

void tst_IpEditWt::typingOneField_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("fieldText");
    QTest::addColumn<QStringList>("emitted");

    QTest::newRow("256 stops at 25") << 0 << "256"
                                     << "25" << QStringList { "2...", "25..." };
    QTest::newRow("999 stops at 99") << 1 << "999"
                                     << "99" << QStringList { ".9..", ".99.." };
    QTest::newRow("lone plus removed") << 0 << "+" << QString() << QStringList();
    QTest::newRow("plus then digit") << 2 << "+7"
                                     << "7" << QStringList { "..7." };
    QTest::newRow("letters and minus refused") << 3 << "-1a2"
                                               << "12" << QStringList { "...1", "...12" };
    QTest::newRow("fourth digit refused") << 0 << "1921"
                                          << "192" << QStringList { "1...", "19...", "192..." };
    QTest::newRow("leading zeros") << 0 << "007"
                                   << "007" << QStringList { "0...", "0...", "7..." };
}

void tst_IpEditWt::typingOneField()
{
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QString, fieldText);
    QFETCH(QStringList, emitted);

    EditorWindow window;
    QSignalSpy edited(window.editor, SIGNAL(textEdited(QString)));
    QTest::keyClicks(window.field(index), keys);
    QCOMPARE(window.field(index)->text(), fieldText);
    QStringList reports;
    for (const QList<QVariant>& args : qAsConst(edited))
        reports << args.at(0).toString();
    QCOMPARE(reports, emitted);
}

void tst_IpEditWt::typingWholeAddress_data()
{
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("reports");

    QTest::newRow("dotted") << "192.168.1.10"
                            << "192.168.1.10" << 9;
    QTest::newRow("period on an empty field") << "10..5.1"
                                              << "10..5.1" << 4;
    QTest::newRow("over-range cut, extra period") << "300.1.1.4.5"
                                                  << "30.1.1.45" << 6;
}

// Every key goes where the focus is at that moment, as from a keyboard.
void tst_IpEditWt::typingWholeAddress()
{
    QFETCH(QString, keys);
    QFETCH(QString, text);
    QFETCH(int, reports);

    EditorWindow window;
    window.activate();
    window.editor->setFocus();
    QSignalSpy edited(window.editor, SIGNAL(textEdited(QString)));
    for (const QChar c : keys)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QCOMPARE(window.editor->text(), text);
    QCOMPARE(edited.count(), reports);
    QCOMPARE(edited.last().at(0).toString(), text);
}

void tst_IpEditWt::focusKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<int>("focusAfter");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<QString>("fieldsAfter");

    const int period = Qt::Key_Period, right = Qt::Key_Right, back = Qt::Key_Backspace, left = Qt::Key_Left;
    const QString ip = QStringLiteral("1|22||4");
    QTest::newRow("period") << period << 0 << 1 << 1 << "22" << ip;
    QTest::newRow("period in empty field") << period << 2 << 0 << 3 << "4" << ip;
    QTest::newRow("period in last stays") << period << 3 << 1 << 3 << QString() << ip;
    QTest::newRow("right at end") << right << 1 << 2 << 2 << QString() << ip;
    QTest::newRow("right in middle") << right << 1 << 1 << 1 << QString() << ip;
    QTest::newRow("right at end of last") << right << 3 << 1 << 3 << QString() << ip;
    QTest::newRow("backspace at start") << back << 3 << 0 << 2 << QString() << ip;
    QTest::newRow("backspace at start of first") << back << 0 << 0 << 0 << QString() << ip;
    QTest::newRow("backspace in middle deletes") << back << 1 << 1 << 1 << QString() << "1|2||4";
    QTest::newRow("left at start") << left << 1 << 0 << 0 << QString() << ip;
    QTest::newRow("left in middle") << left << 1 << 2 << 1 << QString() << ip;
}

void tst_IpEditWt::focusKeys()
{
    QFETCH(int, key);
    QFETCH(int, start);
    QFETCH(int, cursor);
    QFETCH(int, focusAfter);
    QFETCH(QString, selected);
    QFETCH(QString, fieldsAfter);

    EditorWindow window(QStringLiteral("1|22||4"));
    window.activate();
    window.field(start)->setFocus();
    window.field(start)->setCursorPosition(cursor);
    QTest::keyClick(window.field(start), Qt::Key(key));
    QCOMPARE(QApplication::focusWidget(), window.field(focusAfter));
    QCOMPARE(window.field(focusAfter)->selectedText(), selected);
    QCOMPARE(window.fields(), fieldsAfter);
}

void tst_IpEditWt::inputMethodDot_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<int>("focusAfter");
    QTest::addColumn<QString>("fieldsAfter");

    const QString fullStop(QChar(0x3002));
    QTest::newRow("ideographic full stop") << 0 << 2 << fullStop << 1 << "19|22||4";
    QTest::newRow("ascii period") << 1 << 1 << "." << 2 << "19|22||4";
    QTest::newRow("cursor at start stays") << 1 << 0 << fullStop << 1 << "19|22||4";
    QTest::newRow("last field stays") << 3 << 1 << fullStop << 3 << "19|22||4";
    QTest::newRow("other commit is typed") << 0 << 2 << "5" << 0 << "195|22||4";
}

void tst_IpEditWt::inputMethodDot()
{
    QFETCH(int, start);
    QFETCH(int, cursor);
    QFETCH(QString, commit);
    QFETCH(int, focusAfter);
    QFETCH(QString, fieldsAfter);

    EditorWindow window(QStringLiteral("19|22||4"));
    window.activate();
    window.field(start)->setFocus();
    window.field(start)->setCursorPosition(cursor);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(window.field(start), &event);
    QCOMPARE(QApplication::focusWidget(), window.field(focusAfter));
    if (focusAfter != start)
        QCOMPARE(window.field(focusAfter)->selectedText(), window.field(focusAfter)->text());
    QCOMPARE(window.fields(), fieldsAfter);
}

void tst_IpEditWt::focusLandsInFirstField()
{
    EditorWindow window;
    window.activate();
    window.other->setFocus();
    window.editor->setFocus();
    QCOMPARE(QApplication::focusWidget(), window.field(0));
    window.other->setFocus();
    static_cast<QWidget*>(window.editor)->setFocus(Qt::TabFocusReason); // through the focus proxy
    QCOMPARE(QApplication::focusWidget(), window.field(0));
}

void tst_IpEditWt::translatedTitle_data()
{
    QTest::addColumn<int>("language");
    QTest::addColumn<QString>("title");
    QTest::newRow("zh_CN") << int(ZCORVANEDLL::ClientLanguageZhCN) << QStringLiteral("IP\u5730\u5740\u7f16\u8f91");
    QTest::newRow("zh_HK") << int(ZCORVANEDLL::ClientLanguageZhHK) << QStringLiteral("IP\u4f4d\u5740\u7de8\u8f2f");
    QTest::newRow("en_US") << int(ZCORVANEDLL::ClientLanguageEnUS) << QStringLiteral("IpEdit");
}

// The form's texts come from the library's merged catalogue of the client language.
void tst_IpEditWt::translatedTitle()
{
    QFETCH(int, language);
    QFETCH(QString, title);
    ZcbTest::installCatalogue(ZCORVANEDLL::ClientLanguage(language));
    IpEditWt editor;
    QCOMPARE(editor.windowTitle(), title);
    QCOMPARE(editor.findChild<QLabel*>(QStringLiteral("label_1"))->text(), QStringLiteral("."));
}

QTEST_MAIN(tst_IpEditWt)
#include "tst_ipeditwt.moc"
