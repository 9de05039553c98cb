// ZPushButton: the state-image table, disabling, and keys that do not click.

#include "frame/zpushbutton.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_ZPushButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void iconTable_data();
    void iconTable();
    void uncheckedIconsServeCheckedState();
    void setEnabled_data();
    void setEnabled();
    void keysDoNotClick_data();
    void keysDoNotClick();

private:
    // Each state image is a solid colour; the button's icon is identified by the colour it paints.
    QString image(const char* name) const { return dir.filePath(QString::fromLatin1(name) + QStringLiteral(".png")); }
    static QString shown(const QPushButton& button)
    {
        if (button.icon().isNull())
            return QStringLiteral("none");
        const QColor c = button.icon().pixmap(8, 8).toImage().pixelColor(4, 4);
        static const QHash<QRgb, QString> names = { { qRgb(0, 0, 10), QStringLiteral("n") },
            { qRgb(0, 0, 20), QStringLiteral("h") }, { qRgb(0, 0, 30), QStringLiteral("p") },
            { qRgb(0, 0, 40), QStringLiteral("d") }, { qRgb(0, 0, 50), QStringLiteral("cn") },
            { qRgb(0, 0, 60), QStringLiteral("ch") }, { qRgb(0, 0, 70), QStringLiteral("cp") } };
        return names.value(c.rgb(), QStringLiteral("?"));
    }
    ZPushButton* makeButton(bool withCheckedIcons, bool withDisabled = true)
    {
        auto* button = new ZPushButton;
        button->setCheckable(true);
        button->resize(40, 30);
        button->setIcons(image("n"), image("h"), image("p"), withDisabled ? image("d") : QString());
        if (withCheckedIcons)
            button->setCheckedIcons(image("cn"), image("ch"), image("cp"));
        return button;
    }

    QTemporaryDir dir;
};

void tst_ZPushButton::initTestCase()
{
    const char* names[] = { "n", "h", "p", "d", "cn", "ch", "cp" };
    for (int i = 0; i < 7; ++i) {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, (i + 1) * 10));
        QVERIFY(img.save(image(names[i])));
    }
}

void tst_ZPushButton::iconTable_data()
{
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("expected");
    QTest::newRow("enter, unchecked") << false << "enter"
                                      << "h";
    QTest::newRow("enter, checked") << true << "enter"
                                    << "ch";
    QTest::newRow("leave, unchecked") << false << "leave"
                                      << "n";
    QTest::newRow("leave, checked") << true << "leave"
                                    << "cn";
    QTest::newRow("press, unchecked") << false << "press"
                                      << "p";
    QTest::newRow("press, checked") << true << "press"
                                    << "cp";
    // A click toggles first: unchecked becomes checked, and the click then shows the checked hover image.
    QTest::newRow("click, unchecked") << false << "click"
                                      << "ch";
    QTest::newRow("click, checked") << true << "click"
                                    << "h";
    QTest::newRow("toggle on") << false << "toggle"
                               << "cn";
    QTest::newRow("toggle off") << true << "toggle"
                                << "n";
}

void tst_ZPushButton::iconTable()
{
    QFETCH(bool, checked);
    QFETCH(QString, trigger);
    QFETCH(QString, expected);
    QScopedPointer<ZPushButton> button(makeButton(true));
    button->setChecked(checked);
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(button.data()));
    if (trigger == QLatin1String("enter")) {
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(button.data(), &enter);
    } else if (trigger == QLatin1String("leave")) {
        QEvent leave(QEvent::Leave);
        QCoreApplication::sendEvent(button.data(), &leave);
    } else if (trigger == QLatin1String("press")) {
        QTest::mousePress(button.data(), Qt::LeftButton);
    } else if (trigger == QLatin1String("click")) {
        QTest::mouseClick(button.data(), Qt::LeftButton);
    } else {
        button->toggle();
    }
    QCOMPARE(shown(*button), expected);
}

void tst_ZPushButton::uncheckedIconsServeCheckedState()
{
    QScopedPointer<ZPushButton> button(makeButton(false));
    QCOMPARE(shown(*button), QStringLiteral("n"));
    button->toggle(); // checked, but no checked images of its own
    QCOMPARE(shown(*button), QStringLiteral("n"));
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button.data(), &enter);
    QCOMPARE(shown(*button), QStringLiteral("h"));
    // setCheckedIcons on a checked button shows the checked normal image at once; setIcons leaves it alone.
    button->setCheckedIcons(image("cn"), image("ch"), image("cp"));
    QCOMPARE(shown(*button), QStringLiteral("cn"));
    button->setIcons(image("n"), image("h"), image("p"), image("d"));
    QCOMPARE(shown(*button), QStringLiteral("cn"));
}

void tst_ZPushButton::setEnabled_data()
{
    QTest::addColumn<bool>("withDisabledImage");
    QTest::addColumn<QString>("iconWhenDisabled");
    QTest::addColumn<bool>("checkedWhenDisabled");
    QTest::addColumn<QString>("iconWhenEnabledAgain");
    QTest::newRow("with disabled image") << true << "d" << false << "n";
    QTest::newRow("without disabled image") << false << "cn" << true << "cn";
}

void tst_ZPushButton::setEnabled()
{
    QFETCH(bool, withDisabledImage);
    QFETCH(QString, iconWhenDisabled);
    QFETCH(bool, checkedWhenDisabled);
    QFETCH(QString, iconWhenEnabledAgain);
    QScopedPointer<ZPushButton> button(makeButton(true, withDisabledImage));
    button->setChecked(true);
    QCOMPARE(shown(*button), QStringLiteral("cn"));
    button->setEnabled(false);
    QVERIFY(!button->isEnabled());
    QCOMPARE(shown(*button), iconWhenDisabled);
    QCOMPARE(button->isChecked(), checkedWhenDisabled);
    // While disabled the images stay put.
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(button.data(), &enter);
    QCOMPARE(shown(*button), iconWhenDisabled);
    button->setEnabled(true);
    QCOMPARE(shown(*button), iconWhenEnabledAgain);
}

void tst_ZPushButton::keysDoNotClick_data()
{
    QTest::addColumn<int>("key");
    QTest::newRow("Space") << int(Qt::Key_Space);
    QTest::newRow("Return") << int(Qt::Key_Return);
    QTest::newRow("Enter") << int(Qt::Key_Enter);
}

void tst_ZPushButton::keysDoNotClick()
{
    QFETCH(int, key);
    QWidget parent;
    auto* button = new ZPushButton(&parent);
    button->setFocusPolicy(Qt::StrongFocus);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    button->setFocus();
    QSignalSpy clicked(button, SIGNAL(clicked()));
    QTest::keyClick(button, Qt::Key(key));
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(tst_ZPushButton)
#include "tst_zpushbutton.moc"
