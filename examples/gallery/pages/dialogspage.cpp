// The dialogs page: the message boxes of every kind and button set (in the client language), message() with details,
// "Do not ask again" and the copy key, a common dialog with minimise and maximise, a panel under a waiting overlay
// driven through the manager, and the file dialogs that keep the event loop running.

#include "gallerypage.h"
#include "gallerypagewidget.h"
#include "galleryworker.h"

#include "dialogs/commondialog.h"
#include "dialogs/disabledwaitingwt.h"
#include "dialogs/disabledwaitingwtmanager.h"
#include "dialogs/zfiledialog.h"
#include "dialogs/zmessagebox.h"
#include "frame/constants.h"
#include "frame/zpushbutton.h"
#include "frame/zwidget.h"

#include <QApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

#include <functional>

using namespace ZCORVANEBASE;

namespace {

// The gallery's muted look for hints and read-outs.
const QString hintStyle = QStringLiteral("color:#8d9bb0;");

QString roleName(int role)
{
    switch (role) {
    case MsgBoxOk:
        return QStringLiteral("Ok");
    case MsgBoxCancel:
        return QStringLiteral("Cancel");
    case MsgBoxOpen:
        return QStringLiteral("Open");
    case MsgBoxSave:
        return QStringLiteral("Save");
    case MsgBoxHelp:
        return QStringLiteral("Help");
    case MsgBoxClose:
        return QStringLiteral("Close");
    case MsgBoxNo:
        return QStringLiteral("No");
    case MsgBoxYes:
        return QStringLiteral("Yes");
    default:
        return QStringLiteral("no button");
    }
}

// A dialog of the kind a host module derives: content under the title bar, its own buttons.
class ChannelSettingsDialog : public CommonDialog
{
public:
    ChannelSettingsDialog(QWidget* parent, bool modal)
        : CommonDialog(parent, true, modal)
    {
        setObjectName(QStringLiteral("channelSettingsDialog"));
        setTitle(QStringLiteral("Channel settings"));
        auto* layout = new QVBoxLayout(this);
        layout->setContentsMargins(24, 52, 24, 20); // below the 34-pixel title bar
        auto* text = new QLabel(QStringLiteral("Drag me by the title strip. Double-click it to maximise.\n"
                                               "Escape, the close button and the window's close request\n"
                                               "all take the same way out."),
            this);
        layout->addWidget(text);
        layout->addStretch(1);
        auto* row = new QHBoxLayout;
        row->addStretch(1);
        auto* ok = new ZPushButton(this);
        ok->setText(QStringLiteral("Apply"));
        ok->setProperty("common_bt_style1", true);
        ok->setFixedSize(96, 30);
        auto* cancel = new ZPushButton(this);
        cancel->setText(QStringLiteral("Cancel"));
        cancel->setProperty("common_bt_style2", true);
        cancel->setFixedSize(96, 30);
        row->addWidget(ok);
        row->addWidget(cancel);
        layout->addLayout(row);
        connect(ok, &QPushButton::clicked, this, &QDialog::accept);
        connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
        resize(460, 240);
    }
};

class DialogsPage : public GalleryPageWidget
{
public:
    DialogsPage(const GalleryOptions& options, QWidget* parent)
        : GalleryPageWidget(QStringLiteral("dialogsPage"), parent)
    {

        grid->addWidget(messageBoxes(), 0, 0);
        grid->addWidget(commonDialogs(), 0, 1);
        grid->addWidget(fileDialogs(), 0, 2);
        grid->addWidget(overlay(), 1, 0);
        grid->addWidget(previews(), 1, 1, 1, 2);
        grid->addWidget(log, 2, 0, 1, 3);
        grid->setRowStretch(2, 1);

        if (options.screenshot)
            QTimer::singleShot(50, this, [this] { populateForScreenshot(); });
    }

private:
    QPushButton* button(QWidget* parent, const QString& text, std::function<void()> action)
    {
        auto* bt = new ZPushButton(parent);
        bt->setText(text);
        bt->setProperty("common_bt_style2", true);
        bt->setMinimumHeight(28);
        connect(bt, &QPushButton::clicked, this, action);
        return bt;
    }

    // Takes a picture of the next message box as it opens; with `close`, closes it right after (no button: 0).
    void capture(QLabel* target, bool close, int turnsLeft = 200)
    {
        QTimer::singleShot(0, this, [this, target, close, turnsLeft] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box) {
                if (turnsLeft > 0)
                    capture(target, close, turnsLeft - 1);
                return;
            }
            box->ensurePolished();
            const QPixmap shot = box->grab();
            // A box taller than the preview (one with its details shown) is shown smaller.
            target->setPixmap(shot.height() <= target->minimumHeight()
                    ? shot
                    : shot.scaledToHeight(target->minimumHeight(), Qt::SmoothTransformation));
            if (close)
                QTimer::singleShot(0, box, [box] { static_cast<QDialog*>(box)->reject(); });
        });
    }

    QWidget* messageBoxes()
    {
        QGroupBox* box = group(QStringLiteral("Message boxes"));
        auto* layout = new QVBoxLayout(box);
        struct RoleBox
        {
            const char* label;
            MessageBoxButton (*run)(QWidget*, QString, short, bool);
            short buttons;
            bool hideClose;
            const char* text;
        };
        const RoleBox roleBoxes[] = {
            { "warning: Ok", &ZMessageBox::warning, MsgBoxOk, false, "The disk for recordings is almost full." },
            { "information: Ok | Cancel", &ZMessageBox::information, MsgBoxOk | MsgBoxCancel, false,
                "The export will continue in the background." },
            { "question: Yes | No | Cancel", &ZMessageBox::question, MsgBoxYes | MsgBoxNo | MsgBoxCancel, false,
                "Save the changed layout before leaving?" },
            { "question: Open | Save | Close | Help", &ZMessageBox::question,
                MsgBoxOpen | MsgBoxSave | MsgBoxClose | MsgBoxHelp, false,
                "Four roles: only the first three in the fixed order are shown." },
            { "critical: Ok, no close button", &ZMessageBox::critical, MsgBoxOk, true,
                "The device refused the login. Check user name and password." },
        };
        for (const RoleBox& entry : roleBoxes) {
            const QString label = QString::fromLatin1(entry.label);
            const QString text = QString::fromLatin1(entry.text);
            const auto run = entry.run;
            const short buttons = entry.buttons;
            const bool hideClose = entry.hideClose;
            layout->addWidget(button(box, label, [this, label, text, run, buttons, hideClose] {
                capture(rolePreview, false);
                const MessageBoxButton result = run(this, text, buttons, hideClose);
                note(QStringLiteral("%1 -> 0x%2 (%3)")
                         .arg(label)
                         .arg(int(result), 2, 16, QLatin1Char('0'))
                         .arg(roleName(result)));
            }));
        }
        struct TextBox
        {
            const char* label;
            int (*run)(QWidget*, QString, QString, const QStringList&);
            QStringList texts;
        };
        const TextBox textBoxes[] = {
            { "warningEx: three buttons", &ZMessageBox::warningEx,
                { QStringLiteral("Overwrite"), QStringLiteral("Keep both"), QStringLiteral("Skip") } },
            { "informationEx: two buttons", &ZMessageBox::informationEx,
                { QStringLiteral("Open folder"), QStringLiteral("Done") } },
            { "criticalEx: one button", &ZMessageBox::criticalEx, { QStringLiteral("Reconnect") } },
        };
        for (const TextBox& entry : textBoxes) {
            const QString label = QString::fromLatin1(entry.label);
            const auto run = entry.run;
            const QStringList texts = entry.texts;
            layout->addWidget(button(box, label, [this, label, run, texts] {
                capture(textPreview, false);
                const int result = run(this, QStringLiteral("Export clip"),
                    QStringLiteral("A file of that name already exists in the export folder."), texts);
                note(QStringLiteral("%1 -> %2").arg(label).arg(result));
            }));
        }
        // message(): the options record. Once "Do not ask again" was ticked, the page stops asking and says so.
        layout->addWidget(button(box, QStringLiteral("message(): details, do not ask again"), [this] {
            if (skipDeleteQuestion) {
                note(QStringLiteral("message(): not asked again, the clip is deleted"));
                return;
            }
            capture(extrasPreview, false);
            const ZMessageBoxResult answer = ZMessageBox::message(this, deleteQuestion());
            skipDeleteQuestion = answer.doNotAskAgain && answer.button == MsgBoxYes;
            note(QStringLiteral("message() -> 0x%1 (%2), do not ask again: %3 (Ctrl+C in the box copies its texts)")
                     .arg(answer.button, 2, 16, QLatin1Char('0'))
                     .arg(roleName(answer.button))
                     .arg(answer.doNotAskAgain ? QStringLiteral("yes") : QStringLiteral("no")));
        }));
        layout->addStretch(1);
        return box;
    }

    static ZMessageBoxOptions deleteQuestion()
    {
        ZMessageBoxOptions options;
        options.icon = MsgBoxIconQuestion;
        options.text = QStringLiteral("Delete the exported clip from the disk?");
        options.buttons = MsgBoxYes | MsgBoxNo;
        options.detailText = QStringLiteral("D:/Exports/Gate entrance/2024-03-05/rec_20240305_081500.mp4\n"
                                            "Size: 412 MB, 00:42:17, H.265");
        options.doNotAskAgainVisible = true;
        return options;
    }

    QWidget* commonDialogs()
    {
        QGroupBox* box = group(QStringLiteral("Common dialog"));
        auto* layout = new QVBoxLayout(box);
        layout->addWidget(button(box, QStringLiteral("Open (modeless, min / max)"), [this] {
            if (!modeless) {
                modeless = new ChannelSettingsDialog(this, false);
                modeless->setAttribute(Qt::WA_DeleteOnClose);
                connect(modeless, &QDialog::finished, this,
                    [this](int result) { note(QStringLiteral("modeless dialog finished: %1").arg(result)); });
            }
            modeless->showDlg();
        }));
        layout->addWidget(button(box, QStringLiteral("Run modal (exec)"), [this] {
            ChannelSettingsDialog dialog(this, true);
            note(QStringLiteral("host's current modal dialog: %1")
                     .arg(galleryWorker()->currentModalDialog() == &dialog ? QStringLiteral("this one")
                                                                           : QStringLiteral("other")));
            const int result = dialog.exec();
            note(QStringLiteral("modal dialog returned %1").arg(result));
        }));
        layout->addWidget(button(box, QStringLiteral("Announce system quit"), [this] {
            note(QStringLiteral("signalQuitSystem(): every common dialog hides and deletes itself"));
            emit galleryWorker()->signalQuitSystem();
        }));
        auto* hint = new QLabel(QStringLiteral("The host decides how to maximise;\nthe gallery lets Qt do it."), box);
        hint->setStyleSheet(hintStyle);
        layout->addWidget(hint);
        // What the dialog looks like, taken from one that is never shown.
        auto* preview = new QLabel(box);
        preview->setAlignment(Qt::AlignCenter);
        {
            ChannelSettingsDialog sample(nullptr, false);
            sample.ensurePolished();
            const auto children = sample.findChildren<QWidget*>();
            for (QWidget* child : children)
                child->ensurePolished();
            preview->setPixmap(sample.grab().scaledToWidth(300, Qt::SmoothTransformation));
        }
        layout->addWidget(preview);
        layout->addStretch(1);
        return box;
    }

    QWidget* fileDialogs()
    {
        QGroupBox* box = group(QStringLiteral("File dialogs (event loop kept alive)"));
        auto* layout = new QVBoxLayout(box);
        const QString filter = QStringLiteral("Video (*.mp4 *.avi);;All files (*)");
        auto show = [this](const QString& name, const QString& result) {
            note(QStringLiteral("%1 -> %2").arg(name, result.isEmpty() ? QStringLiteral("(cancelled)") : result));
        };
        layout->addWidget(button(box, QStringLiteral("getExistingDirectory"), [this, show] {
            show(QStringLiteral("getExistingDirectory"),
                ZFileDialog::getExistingDirectory(this, QStringLiteral("Recording folder")));
        }));
        layout->addWidget(button(box, QStringLiteral("getExistingDirectoryUrl"), [this, show] {
            show(QStringLiteral("getExistingDirectoryUrl"),
                ZFileDialog::getExistingDirectoryUrl(this, QStringLiteral("Recording folder")).toString());
        }));
        layout->addWidget(button(box, QStringLiteral("getOpenFileName"), [this, show, filter] {
            QString selected;
            const QString file
                = ZFileDialog::getOpenFileName(this, QStringLiteral("Open clip"), QString(), filter, &selected);
            show(QStringLiteral("getOpenFileName"),
                file.isEmpty() ? file : file + QStringLiteral(" [") + selected + QLatin1Char(']'));
        }));
        layout->addWidget(button(box, QStringLiteral("getOpenFileNames"), [this, show, filter] {
            show(QStringLiteral("getOpenFileNames"),
                ZFileDialog::getOpenFileNames(this, QStringLiteral("Open clips"), QString(), filter)
                    .join(QStringLiteral(", ")));
        }));
        layout->addWidget(button(box, QStringLiteral("getOpenFileUrl"), [this, show, filter] {
            show(QStringLiteral("getOpenFileUrl"),
                ZFileDialog::getOpenFileUrl(this, QStringLiteral("Open clip"), QUrl(), filter).toString());
        }));
        layout->addWidget(button(box, QStringLiteral("getOpenFileUrls"), [this, show, filter] {
            QStringList urls;
            const QList<QUrl> chosen = ZFileDialog::getOpenFileUrls(this, QStringLiteral("Open clips"), QUrl(), filter);
            for (const QUrl& url : chosen)
                urls << url.toString();
            show(QStringLiteral("getOpenFileUrls"), urls.join(QStringLiteral(", ")));
        }));
        layout->addWidget(button(box, QStringLiteral("getSaveFileName"), [this, show, filter] {
            show(QStringLiteral("getSaveFileName"),
                ZFileDialog::getSaveFileName(this, QStringLiteral("Export clip"), QStringLiteral("clip.mp4"), filter));
        }));
        layout->addWidget(button(box, QStringLiteral("getSaveFileUrl"), [this, show, filter] {
            show(QStringLiteral("getSaveFileUrl"),
                ZFileDialog::getSaveFileUrl(this, QStringLiteral("Export clip"), QUrl(), filter).toString());
        }));
        // Ticks while a dialog is open show that the application keeps processing its events.
        auto* ticker = new QLabel(box);
        ticker->setStyleSheet(hintStyle);
        auto* timer = new QTimer(ticker);
        connect(timer, &QTimer::timeout, ticker,
            [ticker, count = 0]() mutable { ticker->setText(QStringLiteral("event loop ticks: %1").arg(++count)); });
        timer->start(500);
        layout->addWidget(ticker);
        layout->addStretch(1);
        return box;
    }

    QWidget* overlay()
    {
        QGroupBox* box = group(QStringLiteral("Waiting overlay"));
        auto* layout = new QVBoxLayout(box);
        panel = new ZWidget(box);
        panel->setObjectName(QStringLiteral("overlayTarget"));
        panel->setBackgroundColor(QColor(colorWindow));
        panel->setMinimumSize(360, 220);
        auto* panelLayout = new QVBoxLayout(panel);
        auto* caption = new QLabel(QStringLiteral("Recordings of Gate entrance, 2024-03-05"), panel);
        auto* search = new ZPushButton(panel);
        search->setText(QStringLiteral("Search again"));
        search->setProperty("common_bt_style1", true);
        search->setFixedSize(120, 30);
        connect(search, &QPushButton::clicked, this, [this] { note(QStringLiteral("panel button clicked")); });
        panelLayout->addWidget(caption);
        panelLayout->addWidget(search);
        panelLayout->addStretch(1);
        layout->addWidget(panel, 1);

        auto* row = new QHBoxLayout;
        row->addWidget(button(box, QStringLiteral("Cover"), [this] { cover(); }));
        row->addWidget(button(box, QStringLiteral("Error"), [this] {
            DisabledWaitingWtManager::_instance().setDisabledWaitingWtErrorMsg(
                overlayId, QStringLiteral("The device did not answer."));
        }));
        row->addWidget(button(box, QStringLiteral("Progress"), [this] {
            progress = qMin(progress + 25, 100);
            DisabledWaitingWtManager::_instance().updateDisabledWaitingWtDescription(
                overlayId, QStringLiteral("Searching recordings... %1%").arg(progress));
        }));
        row->addWidget(button(box, QStringLiteral("Recreate"), [this] {
            note(QStringLiteral("signalRecreateSuspendLayer(panel): rebuilt without Cancel, shown with the panel"));
            emit galleryWorker()->signalRecreateSuspendLayer(panel);
            panel->hide();
            panel->show();
        }));
        row->addWidget(button(box, QStringLiteral("Re-key"), [this] {
            const QUuid fresh = DisabledWaitingWtManager::_instance().regenerateUuid(overlayId);
            if (!fresh.isNull()) {
                note(QStringLiteral("re-keyed %1 -> %2").arg(overlayId.toString(), fresh.toString()));
                overlayId = fresh;
            }
        }));
        row->addWidget(button(box, QStringLiteral("Destroy"),
            [this] { DisabledWaitingWtManager::_instance().destroyDisabledWaitingWt(overlayId); }));
        layout->addLayout(row);
        return box;
    }

    void cover()
    {
        DisabledWaitingWtManager::_instance().destroyDisabledWaitingWt(overlayId);
        progress = 0;
        auto* waiting = new DisabledWaitingWt(panel, QStringLiteral("Searching recordings..."), QString(), true);
        overlayId = waiting->getUuid();
        connect(waiting, &DisabledWaitingWt::signalCancelBtClicked, this, [this] {
            note(QStringLiteral("Cancel clicked: the page destroys the overlay"));
            DisabledWaitingWtManager::_instance().destroyDisabledWaitingWt(overlayId);
        });
        if (panel->isVisible())
            waiting->show();
        note(QStringLiteral("overlay %1 covers the panel").arg(overlayId.toString()));
    }

    QWidget* previews()
    {
        QGroupBox* box = group(QStringLiteral("The last message boxes, as shown"));
        auto* layout = new QHBoxLayout(box);
        rolePreview = new QLabel(box);
        textPreview = new QLabel(box);
        extrasPreview = new QLabel(box);
        for (QLabel* label : { rolePreview, textPreview, extrasPreview }) {
            label->setMinimumSize(380, 200);
            label->setAlignment(Qt::AlignCenter);
            label->setStyleSheet(QStringLiteral("color:#6d7a8f;"));
            label->setText(QStringLiteral("(open a message box)"));
            layout->addWidget(label);
        }
        return box;
    }

    // For the picture: real boxes captured and closed at once, and the overlay drawn where it lies.
    void populateForScreenshot()
    {
        capture(rolePreview, true);
        ZMessageBox::question(this, QStringLiteral("Save the changed layout before leaving?"),
            MsgBoxYes | MsgBoxNo | MsgBoxCancel, false);
        capture(textPreview, true);
        ZMessageBox::warningEx(this, QStringLiteral("Export clip"),
            QStringLiteral("A file of that name already exists in the export folder."),
            { QStringLiteral("Overwrite"), QStringLiteral("Keep both"), QStringLiteral("Skip") });
        capture(extrasPreview, true);
        ZMessageBoxOptions options = deleteQuestion();
        options.detailsShown = true;
        ZMessageBox::message(this, options);
        cover();
        DisabledWaitingWtManager::_instance().updateDisabledWaitingWtDescription(
            overlayId, QStringLiteral("Searching recordings... 40%"));
        // The overlay is a window of its own, which a picture of the page leaves out: paint it into the panel.
        QTimer::singleShot(100, this, [this] {
            auto* waiting = panel->findChild<DisabledWaitingWt*>();
            if (!waiting)
                return;
            QPixmap picture = panel->grab();
            QPainter painter(&picture);
            painter.setOpacity(waiting->windowOpacity());
            painter.drawPixmap(0, 0, waiting->grab());
            painter.end();
            auto* still = new QLabel(panel);
            still->setPixmap(picture);
            still->setGeometry(panel->rect());
            still->show();
        });
    }

    ZWidget* panel = nullptr;
    QLabel* rolePreview = nullptr;
    QLabel* textPreview = nullptr;
    QLabel* extrasPreview = nullptr;
    bool skipDeleteQuestion = false;
    QPointer<CommonDialog> modeless;
    QUuid overlayId;
    int progress = 0;
};

GalleryPageRegistrar dialogsPage(QStringLiteral("dialogs"), 30, QStringLiteral("Dialogs and overlays"),
    [](const GalleryOptions& options, QWidget* parent) -> QWidget* { return new DialogsPage(options, parent); });

} // namespace
