#include "entry/passwordlineedit.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodQueryEvent>
#include <QLineEdit>
#include <QSignalSpy>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using namespace ZCORVANEBASE;

namespace {
const QStringList eyeImages { QStringLiteral("show_pwd_n"), QStringLiteral("show_pwd_h"), QStringLiteral("hide_pwd_n"),
    QStringLiteral("hide_pwd_h") };

QImage iconImage(const QIcon& icon)
{
    return icon.pixmap(QSize(16, 16)).toImage().convertToFormat(QImage::Format_ARGB32);
}
QIcon eyeIcon(const QString& name)
{
    return QIcon(QStringLiteral(":/images/images/%1.png").arg(name));
}

// Which of the four eye images the action shows, found by its pixels; "other" for none of them.
QString eyeImage(const QAction* eye)
{
    const QImage shown = iconImage(eye->icon());
    for (const QString& name : eyeImages) {
        if (iconImage(eyeIcon(name)) == shown)
            return name;
    }
    return QStringLiteral("other");
}
} // namespace

// A password field in an active window together with another field, so that focus can come and go.
class PasswordWindow : public QWidget
{
public:
    PasswordWindow()
    {
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(other = new QLineEdit(this));
        layout->addWidget(edit = new PasswordLineEdit(this));
        show();
        QApplication::setActiveWindow(this);
        active = QTest::qWaitForWindowActive(this);
        other->setFocus();
    }
    QAction* eye() const { return edit->actions().value(0); }
    QToolButton* eyeButton() const { return edit->findChild<QToolButton*>(); }
    QLineEdit* other;
    PasswordLineEdit* edit;
    bool active;
};

class tst_PasswordLineEdit : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void strength_data();
    void strength();
    void whitespaceRefused();
    void clipboardShortcutsSwallowed_data();
    void clipboardShortcutsSwallowed();
    void noContextMenu();
    void noInputMethod();
    void eyeTogglesEcho();
    void setWtStyle_data();
    void setWtStyle();
    void iconFollowsPointerAndFocus_data();
    void iconFollowsPointerAndFocus();
};

// The eye images are the host's: this test links the gallery's copies, which must tell the four states apart.
void tst_PasswordLineEdit::initTestCase()
{
    QSet<QByteArray> distinct;
    for (const QString& name : eyeImages) {
        const QImage image = iconImage(eyeIcon(name));
        QVERIFY2(!image.isNull(), qPrintable(name));
        distinct.insert(QByteArray(reinterpret_cast<const char*>(image.constBits()), int(image.sizeInBytes())));
    }
    QCOMPARE(distinct.size(), 4);
}

void tst_PasswordLineEdit::strength_data()
{
    QTest::addColumn<QString>("pwd");
    QTest::addColumn<int>("grade");

    QTest::newRow("empty") << QString() << -1;
    QTest::newRow("7, all classes") << "Ab1!cd2" << -1;
    QTest::newRow("7 units, a surrogate pair") << QStringLiteral("Ab1!\U0001F600x") << -1;
    QTest::newRow("8, all classes") << "Ab1!cd2e" << 2;
    QTest::newRow("lower-case only") << "abcdefgh" << 0;
    QTest::newRow("digits only") << "12345678" << 0;
    QTest::newRow("specials only") << "!@#$%^&*" << 0;
    QTest::newRow("A letters, digits") << "abcd1234" << 1;
    QTest::newRow("B both cases") << "abcdEFGH" << 1;
    QTest::newRow("C letters, specials") << "ABCD!@#$" << 1;
    QTest::newRow("D digits, specials") << "1234!@#$" << 1;
    QTest::newRow("E letters, digits, specials") << "abc123!@" << 2;
    QTest::newRow("F both cases, digits") << "Abcd1234" << 2;
    QTest::newRow("G both cases, specials") << "Abcd!@#$" << 2;
    // The edges of the special ranges count, their neighbours do not.
    QTest::newRow("specials / : [ ` { ~") << "1/:[`{~2" << 1;
    QTest::newRow("DEL is no special") << "abcdefg\x7f" << 0;
    QTest::newRow("space") << "Abc 12!@" << 0;
    QTest::newRow("tab") << "Abcd12!\t" << 0;
    QTest::newRow("non-ASCII letter") << QStringLiteral("\u00c4bcd1234") << 0;
    QTest::newRow("8 units, a surrogate pair") << QStringLiteral("Ab1!\U0001F600xy") << 0;
    // \d takes any Unicode decimal digit, a fullwidth one too.
    QTest::newRow("fullwidth digit") << QStringLiteral("abcdefg\uff11") << 1;
}

void tst_PasswordLineEdit::strength()
{
    QFETCH(QString, pwd);
    QFETCH(int, grade);
    QCOMPARE(int(checkPwdStrength(pwd)), grade);
}

void tst_PasswordLineEdit::whitespaceRefused()
{
    PasswordLineEdit edit;
    QSignalSpy changed(&edit, SIGNAL(textChanged(QString)));
    QTest::keyClicks(&edit, QStringLiteral(" ab c!  "));
    QCOMPARE(edit.text(), QStringLiteral("abc!"));
    QCOMPARE(changed.count(), 4); // one change per accepted key
}

void tst_PasswordLineEdit::clipboardShortcutsSwallowed_data()
{
    QTest::addColumn<QKeySequence>("keys");
    for (const auto key : { QKeySequence::Paste, QKeySequence::Copy, QKeySequence::Cut }) {
        for (const QKeySequence& binding : QKeySequence::keyBindings(key))
            QTest::newRow(qPrintable(binding.toString())) << binding;
    }
}

// Text and clipboard stay as they were, while a plain line edit does react to the same keys here.
void tst_PasswordLineEdit::clipboardShortcutsSwallowed()
{
    QFETCH(QKeySequence, keys);
    const auto key = Qt::Key(keys[0] & ~Qt::KeyboardModifierMask);
    const auto modifiers = Qt::KeyboardModifiers(keys[0] & Qt::KeyboardModifierMask);

    QLineEdit plain;
    PasswordLineEdit edit;
    for (QLineEdit* field : { &plain, static_cast<QLineEdit*>(&edit) }) {
        field->setText(QStringLiteral("secret"));
        field->selectAll();
        QApplication::clipboard()->setText(QStringLiteral("clip"));
        QTest::keyClick(field, key, modifiers);
        if (field == &plain)
            QVERIFY(plain.text() != QLatin1String("secret") || QApplication::clipboard()->text() != "clip");
    }
    QCOMPARE(edit.text(), QStringLiteral("secret"));
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("clip"));
}

void tst_PasswordLineEdit::noContextMenu()
{
    PasswordWindow window;
    QVERIFY(window.active);
    QSignalSpy requested(window.edit, SIGNAL(customContextMenuRequested(QPoint)));
    QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5), window.edit->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(window.edit, &event);
    QVERIFY(!QApplication::activePopupWidget());
    QTest::mouseClick(window.edit, Qt::RightButton, {}, QPoint(5, 5));
    QVERIFY(!QApplication::activePopupWidget());
    QCOMPARE(requested.count(), 0); // nothing for an owner to hang a menu (and a paste) on either
}

void tst_PasswordLineEdit::noInputMethod()
{
    PasswordWindow window;
    QVERIFY(window.active);
    window.edit->setFocus();
    for (int round = 0; round < 3; ++round) {
        QInputMethodQueryEvent query(Qt::ImEnabled);
        QApplication::sendEvent(window.edit, &query);
        QVERIFY2(!query.value(Qt::ImEnabled).toBool(), qPrintable(QString::number(round)));
        QTest::mouseClick(window.eyeButton(), Qt::LeftButton); // switching the echo must not bring it back
    }
}

void tst_PasswordLineEdit::eyeTogglesEcho()
{
    PasswordWindow window;
    QVERIFY(window.active);
    window.edit->setText(QStringLiteral("Secret1!"));
    // The field starts in normal echo with the eye unchecked and the hidden icon.
    QCOMPARE(window.edit->echoMode(), QLineEdit::Normal);
    QVERIFY(!window.eye()->isChecked());
    QCOMPARE(eyeImage(window.eye()), QStringLiteral("hide_pwd_n"));

    QTest::mouseClick(window.eyeButton(), Qt::LeftButton);
    QVERIFY(window.eye()->isChecked());
    QCOMPARE(window.edit->displayText(), QStringLiteral("Secret1!"));
    QCOMPARE(eyeImage(window.eye()), QStringLiteral("show_pwd_h"));

    QTest::mouseClick(window.eyeButton(), Qt::LeftButton);
    QCOMPARE(window.edit->echoMode(), QLineEdit::Password);
    QVERIFY(window.edit->displayText() != QLatin1String("Secret1!"));
    QCOMPARE(eyeImage(window.eye()), QStringLiteral("hide_pwd_h"));

    window.edit->setEyeVisible(false);
    QVERIFY(!window.eyeButton()->isVisible());
}

void tst_PasswordLineEdit::setWtStyle_data()
{
    QTest::addColumn<bool>("focused");
    QTest::addColumn<bool>("shown");
    QTest::addColumn<int>("style");
    QTest::addColumn<QString>("image"); // "other": unchanged

    QTest::newRow("hover, hidden") << false << false << 1 << "hide_pwd_h";
    QTest::newRow("hover, shown") << false << true << 1 << "show_pwd_h";
    QTest::newRow("normal, hidden") << false << false << 0 << "hide_pwd_n";
    QTest::newRow("normal, shown") << false << true << 0 << "show_pwd_n";
    QTest::newRow("normal, focused") << true << false << 0 << "other";
    QTest::newRow("hover, focused") << true << true << 1 << "other";
    QTest::newRow("active, hidden") << false << false << 2 << "hide_pwd_h";
    QTest::newRow("active, focused, shown") << true << true << 2 << "show_pwd_h";
    QTest::newRow("unknown value") << false << false << 3 << "other";
}

void tst_PasswordLineEdit::setWtStyle()
{
    QFETCH(bool, focused);
    QFETCH(bool, shown);
    QFETCH(int, style);
    QFETCH(QString, image);

    PasswordWindow window;
    QVERIFY(window.active);
    if (focused)
        window.edit->setFocus();
    QCOMPARE(window.edit->hasFocus(), focused);
    window.eye()->setChecked(shown);
    QPixmap marker(16, 16);
    marker.fill(Qt::magenta);
    window.eye()->setIcon(QIcon(marker));
    window.edit->setWtStyle(WidgetStyle(style));
    QCOMPARE(eyeImage(window.eye()), image);
}

void tst_PasswordLineEdit::iconFollowsPointerAndFocus_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("images"); // after each step: s/h = show/hide, N/H = normal/highlighted

    QTest::newRow("hover unfocused") << "enter leave"
                                     << "hH hN";
    QTest::newRow("focused field keeps its icon") << "enter focus leave enter blur"
                                                  << "hH hH hH hH hN";
    // Clicking the eye also focuses the field, so leaving keeps the icon until the focus goes.
    QTest::newRow("eye while hovered") << "enter eye leave blur enter leave"
                                       << "hH sH sH sN sH sN";
    QTest::newRow("eye twice") << "eye eye blur"
                               << "sH hH hN";
}

void tst_PasswordLineEdit::iconFollowsPointerAndFocus()
{
    QFETCH(QString, steps);
    QFETCH(QString, images);
    const QStringList stepList = steps.split(QLatin1Char(' '));
    const QStringList imageList = images.split(QLatin1Char(' '));

    PasswordWindow window;
    QVERIFY(window.active);
    for (int i = 0; i < stepList.size(); ++i) {
        const QString& step = stepList.at(i);
        if (step == QLatin1String("enter") || step == QLatin1String("leave")) {
            QEvent event(step == QLatin1String("enter") ? QEvent::Enter : QEvent::Leave);
            QApplication::sendEvent(window.edit, &event);
        } else if (step == QLatin1String("eye")) {
            QTest::mouseClick(window.eyeButton(), Qt::LeftButton);
        } else {
            (step == QLatin1String("focus") ? static_cast<QWidget*>(window.edit) : window.other)->setFocus();
        }
        const QString code = imageList.at(i);
        const QString expected = QStringLiteral("%1_pwd_%2")
                                     .arg(code.at(0) == QLatin1Char('s') ? "show" : "hide")
                                     .arg(code.at(1) == QLatin1Char('H') ? "h" : "n");
        QVERIFY2(eyeImage(window.eye()) == expected, qPrintable(QStringLiteral("step %1 (%2)").arg(i).arg(step)));
    }
}

QTEST_MAIN(tst_PasswordLineEdit)
#include "tst_passwordlineedit.moc"
