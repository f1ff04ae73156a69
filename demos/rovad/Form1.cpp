#include "Form1.h"

#include "KlangPanel.h"
#include "KlangSettings.h"
#include "RovadInfo.h"

#include "platform/DesignControls.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QPushButton>

namespace rovad {

Form1::Form1(QWidget *parent)
    : demos::DemoMainWindow(description(), programInfo(), parent)
{
    QWidget *area =
        demos::makeClientArea(*this, QStringLiteral("Klangerzeugung"), QSize(KlangPanel::DesignWidth, KlangPanel::DesignHeight));
    // the window's "Wiedergabe" is the frame's play
    panel = new KlangPanel(PanelHooks{.play = [this] { m_frame.play(); }}, area);
    Command1 = new QPushButton(QStringLiteral("Beenden"), area);
    platform::setTwipsGeometry(Command1, 7680, 3480, 1575, 375);
    m_frame.buildMenus(*this);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::Command1_Click()
{
    close();
}

platform::MMControl &Form1::multimediaControl()
{
    return panel->MMControl1;
}

void Form1::makeSoundFile(const QString &path)
{
    panel->MakeWaveFile(path);
}

QString Form1::refusal(Use use) const
{
    // the settings keep the frequency as text, so only a sound needs a number
    return use == Use::Sound ? panel->refusal() : QString();
}

QByteArray Form1::settingsRecord() const
{
    KlangSettings settings;
    for (std::size_t i = 0; i < settings.amplitudes.size(); ++i)
        settings.amplitudes[i] = std::int16_t(panel->VScroll1[i]->value());
    settings.text = panel->Text16->text();
    settings.duration = std::int16_t(panel->HScroll1->value());
    return settings.record();
}

void Form1::applySettings(demos::SettingsReader &record)
{
    const KlangSettings settings = KlangSettings::read(record);
    for (std::size_t i = 0; i < settings.amplitudes.size(); ++i)
        panel->VScroll1[i]->setValue(settings.amplitudes[i]);
    panel->HScroll1->setValue(settings.duration);
    panel->Text16->setText(settings.text);
}

} // namespace rovad
