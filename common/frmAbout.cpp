#include "frmAbout.h"

#include "ModBrowse.h"

#include "platform/NestedLoops.h"
#include "platform/Registry.h"
#include "platform/Services.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScopeGuard>
#include <QStyle>
#include <QVBoxLayout>

#include <exception>

namespace {

using platform::Registry;
using platform::RegistryRoot;
using platform::RegistryStatus;
using platform::RegistryType;

constexpr qsizetype ValueBufferSize = 1024;
constexpr int IconSize = 32;

const QLatin1String SysInfoKey("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO");
const QLatin1String SysInfoValue("PATH");
const QLatin1String SysInfoFolderKey("SOFTWARE\\Microsoft\\Shared Tools Location");
const QLatin1String SysInfoFolderValue("MSINFO");
const QLatin1String SysInfoProgram("MSINFO32.EXE");

// A label whose text breaks its lines at carriage returns, as the dialog's texts are written;
// a plain QLabel would show them as blanks.
class CaptionLabel : public QLabel {
public:
    using QLabel::QLabel;

    QSize sizeHint() const override { return shownSize(); }
    QSize minimumSizeHint() const override { return shownSize(); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        style()->drawItemText(&painter, contentsRect(), int(QStyle::visualAlignment(layoutDirection(), alignment())),
                              palette(), isEnabled(), shownText(), foregroundRole());
    }

private:
    QString shownText() const
    {
        QString shown = text();
        shown.replace(QLatin1String("\r\n"), QLatin1String("\n"));
        shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
        return shown;
    }
    QSize shownSize() const
    {
        const QMargins margins = contentsMargins();
        return fontMetrics().boundingRect(QRect(), Qt::AlignLeft, shownText()).size()
            + QSize(margins.left() + margins.right(), margins.top() + margins.bottom());
    }
};

QString sysInfoPath()
{
    QString path;
    if (frmAbout::GetKeyValue(quint32(RegistryRoot::LocalMachine), SysInfoKey, SysInfoValue, path))
        return path;
    QString folder;
    if (frmAbout::GetKeyValue(quint32(RegistryRoot::LocalMachine), SysInfoFolderKey, SysInfoFolderValue, folder)
        && !folder.isEmpty()) {
        const QString program = folder + QDir::separator() + SysInfoProgram;
        if (QFileInfo(program).isFile())
            return program;
    }
    return QString();
}

} // namespace

frmAbout::frmAbout(const ProgramInfo &program, QWidget *owner)
    : QDialog(owner)
    , picIcon(new QLabel(this))
    , lblTitle(new QLabel(QStringLiteral("Programm"), this))
    , lblVersion(new QLabel(QStringLiteral("Version"), this))
    , Label1(new CaptionLabel(this))
    , lblDisclaimer(new QLabel(this))
    , cmdOK(new QPushButton(QStringLiteral("&OK"), this))
    , cmdSysInfo(new QPushButton(QStringLiteral("&System-Info..."), this))
{
    setWindowTitle(QStringLiteral("Info"));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    lblTitle->setObjectName(QStringLiteral("lblTitle"));
    lblVersion->setObjectName(QStringLiteral("lblVersion"));
    Label1->setObjectName(QStringLiteral("Label1"));
    lblDisclaimer->setObjectName(QStringLiteral("lblDisclaimer"));
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdSysInfo->setObjectName(QStringLiteral("cmdSysInfo"));

    for (QLabel *label : {lblTitle, lblVersion, Label1, lblDisclaimer})
        label->setTextFormat(Qt::PlainText);
    QFont titleFont = lblTitle->font();
    titleFont.setBold(true);
    titleFont.setPointSizeF(titleFont.pointSizeF() * 1.5);
    lblTitle->setFont(titleFont);
    picIcon->setFixedSize(IconSize, IconSize);
    picIcon->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    Label1->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    cmdOK->setDefault(true);

    auto *line = new QFrame(this);
    line->setObjectName(QStringLiteral("Line1"));
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);

    auto *texts = new QVBoxLayout;
    texts->addWidget(lblTitle);
    texts->addWidget(lblVersion);
    texts->addSpacing(12);
    texts->addWidget(Label1);
    auto *top = new QHBoxLayout;
    top->addWidget(picIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(texts, 1);

    auto *buttons = new QVBoxLayout;
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdSysInfo);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(lblDisclaimer, 1, Qt::AlignTop);
    bottom->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(8);
    layout->addWidget(line);
    layout->addLayout(bottom);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load(program);
}

void frmAbout::Form_Load(const ProgramInfo &program)
{
    setWindowTitle(program.title + QStringLiteral("-Info"));
    lblVersion->setText(QStringLiteral("Version %1.%2.%3").arg(program.major).arg(program.minor).arg(program.revision));
    lblTitle->setText(program.title);
    Label1->setText(ContactText());
    const QIcon icon = program.icon.isNull() ? QApplication::windowIcon() : program.icon;
    if (icon.isNull())
        picIcon->hide();
    else
        picIcon->setPixmap(icon.pixmap(IconSize, IconSize));
}

QString frmAbout::ContactText()
{
    return QStringList{QStringLiteral("Velmora – Lehrprogramme zu Hören und Akustik"),
                       QStringLiteral("Neuigkeiten und weitere Programme finden Sie auf der Webseite"),
                       ModBrowse::SuiteWebPage}
        .join(QLatin1Char('\r'));
}

void frmAbout::showModal(QWidget *owner, const ProgramInfo &program)
{
    frmAbout dialog(program, owner);
    const platform::NestedLoops::Scope modal;
    dialog.exec();
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

bool frmAbout::GetKeyValue(quint32 KeyRoot, const QString &KeyName, const QString &SubKeyRef, QString &KeyVal)
{
    Registry &registry = platform::services().registry();
    KeyVal.clear();
    Registry::Handle key = 0;
    if (registry.openKey(KeyRoot, KeyName, key) != RegistryStatus::Success)
        return false;
    const auto closeKey = qScopeGuard([&] { registry.closeKey(key); });
    quint32 type = 0;
    QByteArray data;
    if (registry.queryValue(key, SubKeyRef, ValueBufferSize, type, data) != RegistryStatus::Success)
        return false;
    // one terminating zero belongs to the stored text, any before it are the text's own
    if (data.endsWith('\0'))
        data.chop(1);
    if (type == quint32(RegistryType::Text))
        KeyVal = QString::fromUtf8(data);
    return true;
}

void frmAbout::StartSysInfo()
{
    try {
        const QString program = sysInfoPath();
        if (!program.isEmpty() && platform::services().startProgram(program, {}))
            return;
    } catch (const std::exception &) {
        // reported below like every other way of not finding the program
    }
    platform::services().messageBox({QStringLiteral("System-Informationen sind augenblicklich nicht verfügbar."),
                                     QString(), platform::MessageIcon::None, platform::MessageButtons::Ok});
}
