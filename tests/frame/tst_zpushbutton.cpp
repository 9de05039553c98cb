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
    void setEnabled_data();
    void setEnabled();
    void keysDoNotClick();

private:
    // Each state image is a solid colour; the shown icon is named by the colour it paints.
    const QStringList names { "n", "h", "p", "d", "cn", "ch", "cp" };
    QString image(const QString& name) const { return dir.filePath(name + QStringLiteral(".png")); }
    QString shown(const QPushButton& button) const
    {
        const int blue = button.icon().pixmap(8, 8).toImage().pixelColor(4, 4).blue();
        return blue % 10 == 0 && blue > 0 && blue <= 70 ? names[blue / 10 - 1] : QStringLiteral("?");
    }
    ZPushButton* makeButton(bool checkedIcons, bool disabledIcon)
    {
        auto* button = new ZPushButton;
        button->setCheckable(true);
        button->setIcons(image("n"), image("h"), image("p"), disabledIcon ? image("d") : QString());
        if (checkedIcons)
            button->setCheckedIcons(image("cn"), image("ch"), image("cp"));
        return button;
    }
    static void send(QWidget* widget, QEvent::Type type)
    {
        QEvent event(type);
        QCoreApplication::sendEvent(widget, &event);
    }

    QTemporaryDir dir;
};

void tst_ZPushButton::initTestCase()
{
    for (int i = 0; i < names.size(); ++i) {
        QImage img(8, 8, QImage::Format_RGB32);
        img.fill(qRgb(0, 0, (i + 1) * 10));
        QVERIFY(img.save(image(names[i])));
    }
}

void tst_ZPushButton::iconTable_data()
{
    QTest::addColumn<bool>("checkedIcons");
    QTest::addColumn<bool>("checked");
    QTest::addColumn<QString>("trigger");
    QTest::addColumn<QString>("expected");
    QTest::newRow("enter, unchecked") << true << false << "enter"
                                      << "h";
    QTest::newRow("enter, checked") << true << true << "enter"
                                    << "ch";
    QTest::newRow("leave, checked") << true << true << "leave"
                                    << "cn";
    QTest::newRow("press, unchecked") << true << false << "press"
                                      << "p";
    QTest::newRow("press, checked") << true << true << "press"
                                    << "cp";
    // A click toggles first, then shows the hover image of the new state.
    QTest::newRow("click, unchecked") << true << false << "click"
                                      << "ch";
    QTest::newRow("click, checked") << true << true << "click"
                                    << "h";
    QTest::newRow("toggle on") << true << false << "toggle"
                               << "cn";
    QTest::newRow("toggle off") << true << true << "toggle"
                                << "n";
    // Without checked images of its own the button looks the same checked and unchecked.
    QTest::newRow("setIcons only, toggle on") << false << false << "toggle"
                                              << "n";
    QTest::newRow("setIcons only, enter checked") << false << true << "enter"
                                                  << "h";
}

void tst_ZPushButton::iconTable()
{
    QFETCH(bool, checkedIcons);
    QFETCH(bool, checked);
    QFETCH(QString, trigger);
    QFETCH(QString, expected);
    QScopedPointer<ZPushButton> button(makeButton(checkedIcons, true));
    button->setChecked(checked);
    button->show();
    QVERIFY(QTest::qWaitForWindowExposed(button.data()));
    if (trigger == QLatin1String("enter"))
        send(button.data(), QEvent::Enter);
    else if (trigger == QLatin1String("leave"))
        send(button.data(), QEvent::Leave);
    else if (trigger == QLatin1String("press"))
        QTest::mousePress(button.data(), Qt::LeftButton);
    else if (trigger == QLatin1String("click"))
        QTest::mouseClick(button.data(), Qt::LeftButton);
    else
        button->toggle();
    QCOMPARE(shown(*button), expected);
}

void tst_ZPushButton::setEnabled_data()
{
    QTest::addColumn<bool>("disabledIcon");
    QTest::addColumn<QString>("whenDisabled");
    QTest::addColumn<bool>("checkedWhenDisabled");
    QTest::addColumn<QString>("whenEnabledAgain");
    QTest::newRow("with disabled image") << true << "d" << false << "n";
    QTest::newRow("without disabled image") << false << "cn" << true << "cn";
}

void tst_ZPushButton::setEnabled()
{
    QFETCH(bool, disabledIcon);
    QFETCH(QString, whenDisabled);
    QFETCH(bool, checkedWhenDisabled);
    QFETCH(QString, whenEnabledAgain);
    QScopedPointer<ZPushButton> button(makeButton(true, disabledIcon));
    button->setChecked(true);
    button->setEnabled(false);
    QVERIFY(!button->isEnabled());
    QCOMPARE(shown(*button), whenDisabled);
    QCOMPARE(button->isChecked(), checkedWhenDisabled);
    send(button.data(), QEvent::Enter); // images stay put while disabled
    QCOMPARE(shown(*button), whenDisabled);
    button->setEnabled(true);
    QCOMPARE(shown(*button), whenEnabledAgain);
}

void tst_ZPushButton::keysDoNotClick()
{
    QWidget parent;
    auto* button = new ZPushButton(&parent);
    button->setFocusPolicy(Qt::StrongFocus);
    parent.show();
    QVERIFY(QTest::qWaitForWindowExposed(&parent));
    button->setFocus();
    QSignalSpy clicked(button, SIGNAL(clicked()));
    for (Qt::Key key : { Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter })
        QTest::keyClick(button, key);
    QCOMPARE(clicked.count(), 0);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(clicked.count(), 1);
}

QTEST_MAIN(tst_ZPushButton)
#include "tst_zpushbutton.moc"
