// IpEditWt fed setText() garbage and typed key sequences, held after every step to what the entry tests hold it to
// (tests/reliability/entrymodel.h: text() the fields' numbers, isValid(), toIPv4Address() the parts' wrapping sum, a
// field the user typed in within 0..255); and every textEdited() carries the address as it stands when it is emitted.
// (A digit typed inside a field that would pass 255 takes the field's last character back and reports nothing, so the
// address can change without a report.)

#include "entry/ipeditwt.h"

#include "entrymodel.h"
#include "fuzzsupport.h"

#include <QInputMethodEvent>
#include <QLineEdit>

using namespace ZCORVANEBASE;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    ZcbFuzz::Input input(data, size);
    IpEditWt edit;
    const QList<QLineEdit*> fields = { edit.findChild<QLineEdit*>(QStringLiteral("lineEdit1")),
        edit.findChild<QLineEdit*>(QStringLiteral("lineEdit2")),
        edit.findChild<QLineEdit*>(QStringLiteral("lineEdit3")),
        edit.findChild<QLineEdit*>(QStringLiteral("lineEdit4")) };
    ZCB_FUZZ_CHECK(!fields.contains(nullptr), "the four fields");
    QList<bool> typedOnly = { true, true, true, true }; // no setText() has written into the field
    QStringList reported;
    QObject::connect(&edit, &IpEditWt::textEdited, [&](const QString& text) {
        ZCB_FUZZ_CHECK(text == edit.text(), "reported " + text + " while the fields read " + edit.text());
        reported << text;
    });

    // Focus as the keyboard has it, without a window system: the field that gets the keys is the one with focus.
    edit.show();
    edit.activateWindow();
    edit.setFocus();
    for (int step = 0; step < 48 && !input.atEnd(); ++step) {
        QWidget* target = QApplication::focusWidget();
        if (!fields.contains(qobject_cast<QLineEdit*>(target)))
            target = fields.at(int(input.range(0, 3)));
        reported.clear();
        switch (input.byte() % 8) {
        case 0: {
            const QString text = input.flag() ? input.text(24) : QStringLiteral("localhost");
            edit.setText(text);
            const QStringList parts = text.toLower() == QLatin1String("localhost")
                ? QStringList { "127", "0", "0", "1" }
                : text.split(QLatin1Char('.'));
            for (int i = 0; i < 4 && i < parts.size(); ++i)
                typedOnly[i] = false;
            ZCB_FUZZ_CHECK(reported.isEmpty(), "setText() reported an edit");
            break;
        }
        case 1: {
            static const int keys[] = { Qt::Key_Period, Qt::Key_Left, Qt::Key_Right, Qt::Key_Backspace, Qt::Key_Delete,
                Qt::Key_Home, Qt::Key_End, Qt::Key_Tab };
            const int key = keys[input.byte() % 8];
            ZcbFuzz::sendKey(target, key, Qt::NoModifier, key == Qt::Key_Period ? QStringLiteral(".") : QString());
            break;
        }
        case 2: { // an input method committing a full stop or some text
            QInputMethodEvent event;
            event.setCommitString(input.flag() ? QString(QChar(0x3002)) : input.text(3));
            QApplication::sendEvent(target, &event);
            break;
        }
        case 3:
            fields.at(int(input.range(0, 3)))->setFocus();
            break;
        default: { // typed characters, digits most of the time
            const int count = int(input.range(1, 4));
            for (int i = 0; i < count; ++i) {
                const QChar c = input.flag() ? QChar('0' + input.byte() % 10) : input.character();
                ZcbFuzz::sendKey(QApplication::focusWidget() ? QApplication::focusWidget() : target,
                    c.toUpper().unicode(), Qt::NoModifier, QString(c));
            }
            break;
        }
        }
        for (const QString& text : qAsConst(reported))
            ZCB_FUZZ_CHECK(text.split(QLatin1Char('.')).size() == 4, "reported " + text);
        const QString divergence = ReliabilityModel::ipEditDivergence(edit, typedOnly);
        ZCB_FUZZ_CHECK(divergence.isEmpty(), divergence);
    }
    edit.grab();
    return 0;
}
