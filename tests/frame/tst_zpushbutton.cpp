// ZPushButton: the state-image table (disabling included), and keys that do not click.

#include "frame/zpushbutton.h"
#include "zcbtest.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace ZCORVANEBASE;

class tst_ZPushButton : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        for (int i = 0; i < names.size(); ++i) {
            QImage img(8, 8, QImage::Format_RGB32);
            img.fill(qRgb(0, 0, (i + 1) * 10));
            QVERIFY(img.save(image(names[i])));
        }
    }

    // Steps: "enter", "leave" events, a mouse "press" or "click", "toggle", "disable" and "enable" from code.
    // `states` has the image shown after each step, "+" while the button is checked.
    void iconTable_data()
    {
        QTest::addColumn<bool>("checkedIcons");
        QTest::addColumn<bool>("disabledIcon");
        QTest::addColumn<bool>("checked");
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("states");
        const auto row = [](const char* name, bool checkedIcons, bool checked, const char* steps, const char* states) {
            QTest::newRow(name) << checkedIcons << true << checked << QString(steps) << QString(states);
        };
        row("enter, unchecked", true, false, "enter", "h");
        row("enter, checked", true, true, "enter", "ch+");
        row("leave, checked", true, true, "leave", "cn+");
        row("press, unchecked", true, false, "press", "p");
        row("press, checked", true, true, "press", "cp+");
        // A click toggles first, then shows the hover image of the new state.
        row("click, unchecked", true, false, "click", "ch+");
        row("click, checked", true, true, "click", "h");
        row("toggle on", true, false, "toggle", "cn+");
        row("toggle off", true, true, "toggle", "n");
        // Without checked images of its own the button looks the same checked and unchecked.
        row("setIcons only, toggle on", false, false, "toggle", "n+");
        row("setIcons only, enter checked", false, true, "enter", "h+");
        // Disabling shows the disabled image and unchecks; images stay put while disabled.
        row("disable, with disabled image", true, true, "disable enter enable", "d d n");
        // Without a disabled image the checked state and its image stay.
        QTest::newRow("disable, without disabled image")
            << true << false << true << QString("disable enter enable") << QString("cn+ cn+ cn+");
    }

    void iconTable()
    {
        QFETCH(bool, checkedIcons);
        QFETCH(bool, disabledIcon);
        QFETCH(bool, checked);
        QFETCH(QString, steps);
        QScopedPointer<ZPushButton> button(makeButton(checkedIcons, disabledIcon));
        button->setChecked(checked);
        button->show();
        QVERIFY(QTest::qWaitForWindowExposed(button.data()));
        ZcbTest::parkPointer(); // the steps send their own enter and leave events
        QStringList seen;
        for (const QString& step : steps.split(' ')) {
            if (step == "enter" || step == "leave") {
                QEvent event(step == "enter" ? QEvent::Enter : QEvent::Leave);
                QCoreApplication::sendEvent(button.data(), &event);
            } else if (step == "press" || step == "click") {
                step == "press" ? QTest::mousePress(button.data(), Qt::LeftButton)
                                : QTest::mouseClick(button.data(), Qt::LeftButton);
            } else {
                step == "toggle" ? button->toggle() : button->setEnabled(step == "enable");
            }
            seen << shown(*button) + (button->isChecked() ? "+" : "");
        }
        QTEST(seen.join(' '), "states");
    }

    void keysDoNotClick()
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

    QTemporaryDir dir;
};

QTEST_MAIN(tst_ZPushButton)
#include "tst_zpushbutton.moc"
