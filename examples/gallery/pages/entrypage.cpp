// The entry page: the IPv4 editor with the address it parses, the password field with its grade, its strength bar
// and hints, whether the text is on the host's weak-password list and the reveal modes for stored passwords, and
// the directory field that opens a folder chooser.

#include "gallerypage.h"
#include "gallerypagewidget.h"

#ifdef ZCB_WITH_DIALOGS
#include "dialogs/zfiledialog.h"
#endif
#include "entry/ipeditwt.h"
#include "entry/passwordlineedit.h"
#include "entry/passwordstrengthbar.h"
#include "entry/pwdstrength.h"
#include "entry/seldirlineet.h"
#include "frame/corvanebaseinit.h"
#include "frame/zcheckbox.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

using namespace ZCORVANEBASE;

namespace {

QString gradeName(PwdStrength grade)
{
    switch (grade) {
    case PwdTooShort:
        return QStringLiteral("too short (fewer than 8 characters)");
    case PwdWeak:
        return QStringLiteral("weak (one kind of character)");
    case PwdMedium:
        return QStringLiteral("medium (two kinds mixed)");
    case PwdStrong:
        return QStringLiteral("strong (three kinds mixed)");
    }
    return QString();
}

class EntryPage : public GalleryPageWidget
{
public:
    EntryPage(const GalleryOptions& options, QWidget* parent)
        : GalleryPageWidget(QStringLiteral("entryPage"), parent)
        , screenshot(options.screenshot)
    {

        // The host hands out the list; the page compares without regard to case, so "Password1" counts as listed
        // when "password1" is.
        if (ZCORVANEDLL::CorvaneDllBaseWorker* worker = CorvaneBaseInit::_instance().worker.data())
            weakPasswords = worker->getWeakPwdList();

        grid->addWidget(addressGroup(), 0, 0);
        grid->addWidget(passwordGroup(), 0, 1);
        grid->addWidget(directoryGroup(), 1, 0);
        grid->addWidget(log, 1, 1, 2, 1);
        grid->setColumnStretch(0, 1);
        grid->setColumnStretch(1, 1);
        grid->setRowStretch(2, 1);

        if (screenshot)
            populate();
    }

private:
    QWidget* addressGroup()
    {
        QGroupBox* box = group(QStringLiteral("IPv4 address editor"));
        auto* form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        ipEdit = new IpEditWt(box);
        ipEdit->setObjectName(QStringLiteral("galleryIpEdit"));
        ipEdit->setFixedSize(220, 28);
        ipText = new QLabel(box);
        ipNumber = new QLabel(box);
        ipValid = new QLabel(box);
        for (QLabel* label : { ipText, ipNumber, ipValid })
            label->setTextInteractionFlags(Qt::TextSelectableByMouse);

        auto* buttons = new QHBoxLayout;
        const QStringList samples { QStringLiteral("192.168.1.10"), QStringLiteral("LocalHost"), QStringLiteral("10.1"),
            QStringLiteral("...") };
        for (const QString& sample : samples) {
            auto* button = new QPushButton(sample == QLatin1String("...") ? QStringLiteral("Clear") : sample, box);
            button->setToolTip(QStringLiteral("setText(\"%1\")").arg(sample));
            connect(button, &QPushButton::clicked, this, [this, sample] {
                ipEdit->setText(sample);
                showAddress();
                note(QStringLiteral("setText(\"%1\") -> %2").arg(sample, ipEdit->text()));
            });
            buttons->addWidget(button);
        }
        buttons->addStretch();

        form->addRow(QStringLiteral("Address:"), ipEdit);
        form->addRow(QString(), buttons);
        form->addRow(QStringLiteral("text():"), ipText);
        form->addRow(QStringLiteral("toIPv4Address():"), ipNumber);
        form->addRow(QStringLiteral("isValid():"), ipValid);
        form->addRow(
            new QLabel(QStringLiteral("Type digits and \".\"; the arrows and backspace move between fields."), box));

        connect(ipEdit, &IpEditWt::textEdited, this, [this](const QString& text) {
            showAddress();
            note(QStringLiteral("textEdited(\"%1\")").arg(text));
        });
        showAddress();
        return box;
    }

    void showAddress()
    {
        const unsigned int number = ipEdit->toIPv4Address();
        ipText->setText(ipEdit->text());
        ipNumber->setText(QStringLiteral("%1  (0x%2)").arg(number).arg(number, 8, 16, QLatin1Char('0')));
        ipValid->setText(
            ipEdit->isValid() ? QStringLiteral("yes, all four fields filled") : QStringLiteral("no, a field is empty"));
    }

    QWidget* passwordGroup()
    {
        QGroupBox* box = group(QStringLiteral("Password field and strength"));
        auto* form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        password = new PasswordLineEdit(box);
        password->setObjectName(QStringLiteral("galleryPassword"));
        // A login form hides the text from the start; the eye shows it.
        password->setEchoMode(QLineEdit::Password);
        password->setPlaceholderText(QStringLiteral("no spaces; copy, cut and paste are refused"));
        password->setMinimumWidth(240);
        grade = new QLabel(box);
        grade->setObjectName(QStringLiteral("galleryPwdGrade"));
        listed = new QLabel(box);
        auto* eyeVisible = new ZCheckBox(box);
        eyeVisible->setText(QStringLiteral("Show the eye button"));
        eyeVisible->setChecked(true);
        connect(eyeVisible, &QCheckBox::toggled, password, &PasswordLineEdit::setEyeVisible);

        // The bar follows the field; its weak list is the host's (the tool tip shows the grade and the hints).
        strengthBar = new PasswordStrengthBar(box);
        strengthBar->setObjectName(QStringLiteral("galleryPwdStrengthBar"));
        strengthBar->setPasswordLineEdit(password);
        hints = new QLabel(box);
        hints->setObjectName(QStringLiteral("galleryPwdHints"));
        hints->setWordWrap(true);

        // A stored password: with RevealOnlyNew the eye goes while the stored text is there and comes back once
        // the field is emptied; with RevealNever it never shows.
        auto* reveal = new QComboBox(box);
        reveal->setObjectName(QStringLiteral("galleryRevealMode"));
        reveal->addItems({ QStringLiteral("RevealAlways (default)"), QStringLiteral("RevealOnlyNew"),
            QStringLiteral("RevealNever") });
        connect(reveal, QOverload<int>::of(&QComboBox::currentIndexChanged), this, [this](int index) {
            password->setRevealMode(PasswordLineEdit::RevealMode(index));
            note(QStringLiteral("setRevealMode(%1)").arg(index));
        });
        auto* stored = new QPushButton(QStringLiteral("Load a stored password"), box);
        stored->setObjectName(QStringLiteral("galleryStoredPwd"));
        stored->setToolTip(QStringLiteral("setText() from code, as a client filling in a remembered password"));
        connect(stored, &QPushButton::clicked, this, [this] {
            password->setText(QStringLiteral("Remembered#42"));
            note(QStringLiteral("setText(stored password)"));
        });

        form->addRow(QStringLiteral("Password:"), password);
        form->addRow(QStringLiteral("Strength:"), strengthBar);
        form->addRow(QStringLiteral("Grade:"), grade);
        form->addRow(QStringLiteral("Hints:"), hints);
        form->addRow(QStringLiteral("Weak list:"), listed);
        form->addRow(QString(), eyeVisible);
        form->addRow(QStringLiteral("Reveal mode:"), reveal);
        form->addRow(QString(), stored);
        form->addRow(new QLabel(
            QStringLiteral("The host's weak-password list holds %1 entries.").arg(weakPasswords.size()), box));

        connect(password, &QLineEdit::textChanged, this, [this](const QString&) { showPassword(); });
        showPassword();
        return box;
    }

    void showPassword()
    {
        const QString text = password->text();
        const PwdStrength strength = checkPwdStrength(text);
        grade->setText(QStringLiteral("%1  %2").arg(int(strength)).arg(gradeName(strength)));
        grade->setProperty("grade", int(strength));
        grade->style()->unpolish(grade);
        grade->style()->polish(grade);
        const QStringList advice = strengthBar->hints();
        hints->setText(advice.isEmpty() ? QStringLiteral("none") : advice.join(QLatin1Char('\n')));
        const bool onList = !text.isEmpty() && weakPasswords.contains(text, Qt::CaseInsensitive);
        listed->setText(text.isEmpty() ? QStringLiteral("-")
                : onList               ? QStringLiteral("on the list: choose another password")
                                       : QStringLiteral("not on the list"));
    }

    void changeEvent(QEvent* event) override
    {
        // The page may hear of a language switch before the bar: grade again, so the hints shown are translated.
        if (event->type() == QEvent::LanguageChange && strengthBar) {
            strengthBar->setPassword(password->text());
            showPassword();
        }
        GalleryPageWidget::changeEvent(event);
    }

    QWidget* directoryGroup()
    {
        QGroupBox* box = group(QStringLiteral("Directory field"));
        auto* form = new QFormLayout(box);
        form->setLabelAlignment(Qt::AlignRight | Qt::AlignVCenter);
        directory = new SelDirLineEt(box);
        directory->setObjectName(QStringLiteral("galleryDirectory"));
        directory->setText(QDir::toNativeSeparators(QDir::homePath()));
        directory->setMinimumWidth(260);
        form->addRow(QStringLiteral("Save to:"), directory);
        form->addRow(new QLabel(QStringLiteral("Click the field or the folder icon to choose a folder."), box));
        connect(directory, &SelDirLineEt::signalClicked, this, [this] { chooseDirectory(); });
        return box;
    }

    void chooseDirectory()
    {
        note(QStringLiteral("signalClicked()"));
        if (screenshot)
            return;
#ifdef ZCB_WITH_DIALOGS
        // The library's wrapper keeps the client's event loop running while the chooser is open.
        const QString chosen = ZFileDialog::getExistingDirectory(this, QStringLiteral("Choose a folder"),
            QDir::fromNativeSeparators(directory->text()), QFileDialog::ShowDirsOnly);
#else
        const QString chosen = QFileDialog::getExistingDirectory(this, QStringLiteral("Choose a folder"),
            QDir::fromNativeSeparators(directory->text()), QFileDialog::ShowDirsOnly);
#endif
        if (chosen.isEmpty())
            return;
        directory->setText(QDir::toNativeSeparators(chosen));
        note(QStringLiteral("folder: %1").arg(directory->text()));
    }

    // What a user would have typed, so that the rendered page shows every readout filled.
    void populate()
    {
        ipEdit->setText(QStringLiteral("192.168.1.10"));
        showAddress();
        password->setText(QStringLiteral("corvane2345")); // medium, with hints to show
        directory->setText(QStringLiteral("/home/operator/Videos/exports/north-gate"));
        note(QStringLiteral("setText(\"192.168.1.10\") -> %1").arg(ipEdit->text()));
    }

    bool screenshot;
    QStringList weakPasswords;
    IpEditWt* ipEdit = nullptr;
    QLabel* ipText = nullptr;
    QLabel* ipNumber = nullptr;
    QLabel* ipValid = nullptr;
    PasswordLineEdit* password = nullptr;
    QLabel* grade = nullptr;
    QLabel* listed = nullptr;
    PasswordStrengthBar* strengthBar = nullptr;
    QLabel* hints = nullptr;
    SelDirLineEt* directory = nullptr;
};

} // namespace

static GalleryPageRegistrar entryPage(QStringLiteral("entry"), 50, QStringLiteral("Address and password"),
    [](const GalleryOptions& options, QWidget* parent) -> QWidget* { return new EntryPage(options, parent); });
