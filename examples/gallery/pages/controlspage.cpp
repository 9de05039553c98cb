// The controls page: the base widget and the thin controls every form of the library is made of.

#include "gallerypage.h"
#include "gallerypagewidget.h"

#include "frame/combobox.h"
#include "frame/constants.h"
#include "frame/customaction.h"
#include "frame/dictdef.h"
#include "frame/slider.h"
#include "frame/zcheckbox.h"
#include "frame/zcombobox.h"
#include "frame/zlabel.h"
#include "frame/zlineedit.h"
#include "frame/zmenu.h"
#include "frame/zpushbutton.h"
#include "frame/zwidget.h"

#include <QCoreApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QVBoxLayout>

using namespace ZCORVANEBASE;

namespace {

QString img(const char* name)
{
    return QStringLiteral(":/images/images/%1.png").arg(QLatin1String(name));
}

class ControlsPage : public GalleryPageWidget
{
public:
    ControlsPage(const GalleryOptions& options, QWidget* parent)
        : GalleryPageWidget(QStringLiteral("controlsPage"), parent)
    {
        Q_UNUSED(options)
        grid->addWidget(buttons(), 0, 0);
        grid->addWidget(texts(), 0, 1);
        grid->addWidget(inputs(), 1, 0);
        grid->addWidget(menus(), 1, 1);
        grid->addWidget(dictionary(), 2, 0);
        grid->addWidget(log, 2, 1);
        grid->setRowStretch(2, 1);
    }

private:
    QWidget* buttons()
    {
        QGroupBox* box = group(QStringLiteral("Buttons with state images"));
        auto* layout = new QHBoxLayout(box);
        auto* play = new ZPushButton(box);
        play->setObjectName(QStringLiteral("playButton"));
        play->setFixedSize(40, 40);
        play->setIconSize(QSize(28, 28));
        play->setCheckable(true);
        play->setIcons(img("gallery_play_n"), img("gallery_play_h"), img("gallery_play_p"), img("gallery_play_d"));
        play->setCheckedIcons(img("gallery_pause_n"), img("gallery_pause_h"), img("gallery_pause_p"));
        play->setToolTip(QStringLiteral("Checkable: play / pause"));
        auto* enable = new ZCheckBox(box);
        enable->setText(QStringLiteral("Enabled"));
        enable->setChecked(true);
        connect(enable, &QCheckBox::toggled, play, [play](bool on) { play->setEnabled(on); });
        auto* ok = new ZPushButton(box);
        ok->setText(QStringLiteral("OK"));
        ok->setProperty("common_bt_style1", true);
        ok->setFixedSize(88, 30);
        auto* cancel = new ZPushButton(box);
        cancel->setText(QStringLiteral("Cancel"));
        cancel->setProperty("common_bt_style2", true);
        cancel->setFixedSize(88, 30);
        connect(ok, &QPushButton::clicked, this, [this] { note(QStringLiteral("OK clicked")); });
        connect(play, &QPushButton::toggled, this,
            [this](bool on) { note(on ? QStringLiteral("playing") : QStringLiteral("paused")); });
        auto* clickArea = new ZWidget(box);
        clickArea->setObjectName(QStringLiteral("clickArea"));
        clickArea->setFixedSize(150, 40);
        clickArea->setBackgroundColor(QColor(colorRaised));
        auto* clickLabel = new QLabel(QStringLiteral("click or double-click"), clickArea);
        clickLabel->setAlignment(Qt::AlignCenter);
        (new QVBoxLayout(clickArea))->addWidget(clickLabel);
        connect(clickArea, &ZWidget::signalWtClicked, this,
            [this] { note(QStringLiteral("single click (200 ms later)")); });
        layout->addWidget(play);
        layout->addWidget(enable);
        layout->addWidget(ok);
        layout->addWidget(cancel);
        layout->addWidget(clickArea);
        layout->addStretch();
        return box;
    }

    QWidget* texts()
    {
        QGroupBox* box = group(QStringLiteral("Eliding label and check box"));
        auto* form = new QFormLayout(box);
        auto* label = new ZLabel(box);
        label->setFixedWidth(160);
        label->setText(QStringLiteral("前门 NVR / 大门入口 / Gate entrance, main road"));
        auto* grower = new ZLabel(box);
        grower->setMaxWidth(260);
        grower->setText(QStringLiteral("Grows up to 260 px, then elides its text"));
        auto* check = new ZCheckBox(box);
        check->setFixedWidth(150);
        check->setText(QStringLiteral("Warehouse NVR – Loading Bay camera"));
        form->addRow(QStringLiteral("160 px:"), label);
        form->addRow(QStringLiteral("max 260 px:"), grower);
        form->addRow(QStringLiteral("150 px:"), check);
        return box;
    }

    QWidget* inputs()
    {
        QGroupBox* box = group(QStringLiteral("Byte-limited line edit, slider, combo boxes"));
        auto* form = new QFormLayout(box);
        auto* edit = new ZLineEdit(box);
        edit->setMaxByteLength(16);
        edit->setPlaceholderText(QStringLiteral("at most 16 UTF-8 bytes"));
        auto* bytes = new QLabel(QStringLiteral("0 / 16 bytes"), box);
        connect(edit, &QLineEdit::textChanged, bytes, [bytes](const QString& text) {
            bytes->setText(QStringLiteral("%1 / 16 bytes").arg(text.toUtf8().size()));
        });
        auto* slider = new Slider(box);
        slider->setOrientation(Qt::Horizontal);
        slider->setRange(0, 10);
        slider->setValue(5);
        connect(slider, &Slider::signalZoomChanged, this,
            [this](int delta) { note(QStringLiteral("slider moved by %1").arg(delta)); });
        auto* plain = new ZComboBox(box);
        plain->addItems(
            { QStringLiteral("Main stream"), QStringLiteral("Sub stream"), QStringLiteral("Third stream") });
        auto* dark = new ComboBox(box);
        dark->addItems({ QStringLiteral("1/8X"), QStringLiteral("1/2X"), QStringLiteral("1X"), QStringLiteral("2X"),
            QStringLiteral("4X") });
        dark->setItemsData({ 0.125, 0.5, 1.0, 2.0, 4.0 });
        dark->setCurrentIndex(2);
        connect(dark, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this, dark](int index) {
            note(QStringLiteral("speed factor %1").arg(dark->itemData(index, Qt::UserRole).toDouble()));
        });
        form->addRow(QStringLiteral("Name:"), edit);
        form->addRow(QString(), bytes);
        form->addRow(QStringLiteral("Zoom:"), slider);
        form->addRow(QStringLiteral("ZComboBox:"), plain);
        form->addRow(QStringLiteral("ComboBox:"), dark);
        return box;
    }

    QWidget* menus()
    {
        QGroupBox* box = group(QStringLiteral("Menu with painted entries"));
        auto* layout = new QVBoxLayout(box);
        auto* open = new ZPushButton(box);
        open->setText(QStringLiteral("Open menu"));
        open->setProperty("common_bt_style1", true);
        open->setFixedSize(110, 30);
        auto* menu = new ZMenu(QStringLiteral("Channel"), this);
        const struct
        {
            const char* text;
            const char* icon;
            const char* flag;
        } entries[] = {
            { "Live view", "gallery_menu_live", nullptr },
            { "Playback", "gallery_menu_playback", "gallery_flag_new" },
            { "Snapshot", "gallery_menu_snapshot", nullptr },
            { "Video wall", "gallery_menu_wall", "gallery_flag_alarm" },
        };
        for (const auto& entry : entries) {
            auto* action
                = new CustomAction(menu, QString::fromLatin1(entry.text), img(entry.icon), img(entry.icon), QString());
            if (entry.flag)
                action->addFlagImage(QPixmap(img(entry.flag)));
            menu->addAction(action);
            auto* entryWidget = qobject_cast<ZWidget*>(action->defaultWidget());
            const QString text = QString::fromLatin1(entry.text);
            connect(entryWidget, &ZWidget::signalWtClicked, this, [this, menu, text] {
                menu->hide();
                note(QStringLiteral("menu: %1").arg(text));
            });
        }
        connect(open, &QPushButton::clicked, menu,
            [open, menu] { menu->popup(open->mapToGlobal(QPoint(0, open->height()))); });
        // The entries, as the menu shows them, also live on the page so a screenshot shows them.
        auto* preview = new QWidget(box);
        auto* previewLayout = new QVBoxLayout(preview);
        previewLayout->setContentsMargins(0, 0, 0, 0);
        previewLayout->setSpacing(0);
        auto* hovered = new CustomAction(
            preview, QStringLiteral("Playback"), img("gallery_menu_playback"), img("gallery_menu_playback"), QString());
        hovered->addFlagImage(QPixmap(img("gallery_flag_new")));
        auto* plainEntry = new CustomAction(
            preview, QStringLiteral("Snapshot"), img("gallery_menu_snapshot"), img("gallery_menu_snapshot"), QString());
        for (QWidget* entry : { hovered->defaultWidget(), plainEntry->defaultWidget() }) {
            previewLayout->addWidget(entry);
            entry->show();
        }
        // Show the first one as the pointer would leave it: hovered.
        QEvent enter(QEvent::Enter);
        QCoreApplication::sendEvent(hovered->defaultWidget(), &enter);
        preview->setFixedWidth(180);
        layout->addWidget(open);
        layout->addWidget(preview);
        layout->addStretch();
        return box;
    }

    // The dictionary's texts, shown again after a language switch (the library retranslates the dictionary before
    // the widgets hear of the change).
    QWidget* dictionary()
    {
        QGroupBox* box = group(QStringLiteral("Dictionary texts in the client language"));
        auto* form = new QFormLayout(box);
        for (const char* name : { "msgInfo", "msgWarning", "errQueryNone", "errDbError", "errCorvane" }) {
            auto* label = new ZLabel(box);
            label->setObjectName(QLatin1String(name));
            form->addRow(QLatin1String(name), label);
            dictLabels << label;
        }
        showDictionary();
        return box;
    }

    void showDictionary()
    {
        const DictDef& dict = DictDef::_instance();
        const QStringList texts { dict.msgInfo, dict.msgWarning, dict.errQueryNone, dict.errDbError, dict.errCorvane };
        for (int i = 0; i < dictLabels.size(); ++i)
            dictLabels.at(i)->setText(texts.at(i));
    }

    void changeEvent(QEvent* event) override
    {
        if (event->type() == QEvent::LanguageChange)
            showDictionary();
        GalleryPageWidget::changeEvent(event);
    }

    QList<ZLabel*> dictLabels;
};

GalleryPageRegistrar controlsPage(QStringLiteral("controls"), 10, QStringLiteral("Controls"),
    [](const GalleryOptions& options, QWidget* parent) -> QWidget* { return new ControlsPage(options, parent); });

} // namespace
