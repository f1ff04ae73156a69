#include "Form1.h"

#include "DazuvInfo.h"
#include "LevelSentence.h"
#include "LevelSettings.h"
#include "ModPegel.h"

#include "demos/frame/ReadOut.h"
#include "demos/frame/SoundFile.h"
#include "platform/DesignControls.h"
#include "platform/PictureBox.h"
#include "platform/ScrollBar.h"
#include "platform/TextBox.h"
#include "platform/Twips.h"

#include <QLabel>
#include <QPushButton>

using demos::valueText;
using platform::boxLabel;
using platform::designLabel;
using platform::designScrollBar;
using platform::setTwipsGeometry;

namespace {

constexpr int ClientWidth = 5850;
constexpr int ClientHeight = 4365;
constexpr int FactorLength = 7;
constexpr int SourceCountLength = 12;
constexpr double DesignFactor = 3.16;
const QColor Red(255, 0, 0);
const QColor White(255, 255, 255);

platform::TextBox *readOut(QWidget *area, QRect twips, const QString &text)
{
    return demos::designReadOut(area, twips, text, demos::ReadOutGround::Black);
}

// A number inside the sentence: red on the box's white, no border, cut to `length` characters.
platform::TextBox *sentenceNumber(platform::PictureBox *box, QRect twips, int length, const QString &text)
{
    auto *number = new platform::TextBox(box);
    setTwipsGeometry(number, twips.x(), twips.y(), twips.width(), twips.height());
    number->move(number->pos() + box->contentsRect().topLeft());
    number->setBorderless();
    number->setColors(Red, White);
    number->setMaxLength(length);
    number->setText(text);
    return number;
}

} // namespace

namespace dazuv {

Form1::Form1(QWidget *parent)
    : demos::DemoDeviceWindow(description(), programInfo(), parent)
{
    QWidget *area = demos::makeClientArea(*this, QStringLiteral("Pegeländerungen"), QSize(ClientWidth, ClientHeight),
                                          platform::DesignFace::Narrow);
    // the sentence's places are made for a narrower font than this platform's usual one
    createControls(area);
    m_frame.buildMenus(*this);
    connectHandlers();
}

void Form1::createControls(QWidget *area)
{
    Label1 = designLabel(area, QStringLiteral("Pegeldifferenz in dB:"), QRect(398, 315, 1455, 255));
    HScroll1 = designScrollBar(area, Qt::Horizontal, QRect(1958, 315, 2775, 255), {0, 100, 1, 10, 10});
    Text1 = readOut(area, QRect(4958, 315, 495, 285), QStringLiteral("10"));

    Ausgabe = new platform::PictureBox(area);
    setTwipsGeometry(Ausgabe, 518, 795, 4935, 2055);
    Ausgabe->setGroundColor(White);
    createSentence();

    Label12 = designLabel(area, QStringLiteral("Dauer in sec:"), QRect(638, 3075, 975, 255));
    HScroll2 = designScrollBar(area, Qt::Horizontal, QRect(1718, 3075, 975, 255), {1, 10, 1, 1, 3});
    Text2 = readOut(area, QRect(2918, 3075, 375, 285), QStringLiteral("3"));
    Label13 = designLabel(area, QStringLiteral("Lautstärke"), QRect(638, 3555, 975, 255));
    HScroll3 = designScrollBar(area, Qt::Horizontal, QRect(1718, 3555, 975, 255), {1, 10, 1, 1, 7});
    Text3 = readOut(area, QRect(2918, 3555, 375, 285), QStringLiteral("7"));

    Command2 = new QPushButton(QStringLiteral("Wiedergabe"), area);
    setTwipsGeometry(Command2, 3998, 3075, 1455, 375);
    Command1 = new QPushButton(QStringLiteral("Beenden"), area);
    setTwipsGeometry(Command1, 3998, 3600, 1455, 375);
}

void Form1::createSentence()
{
    Label2 = boxLabel(Ausgabe, QStringLiteral("Die eingestellte Pegeldifferenz von"), QRect(120, 120, 2535, 255));
    Label3 = boxLabel(Ausgabe, QStringLiteral("10"), QRect(2760, 120, 375, 255));
    platform::setTextColor(Label3, Red);
    Label4 = boxLabel(Ausgabe, QStringLiteral("dB"), QRect(3240, 120, 375, 255));
    Label5 = boxLabel(Ausgabe, QStringLiteral("entspricht :"), QRect(120, 360, 1095, 255));
    Label6 = boxLabel(Ausgabe, QStringLiteral("* einer Schalldruckänderung um den Faktor"), QRect(120, 720, 3135, 255));
    // the design text is the locale's, as every number the window shows
    Text4 = sentenceNumber(Ausgabe, QRect(3360, 720, 975, 285), FactorLength, valueText(DesignFactor));
    Label7 = boxLabel(Ausgabe, QStringLiteral("* einer Anzahl von "), QRect(120, 1080, 1335, 255));
    Text5 = sentenceNumber(Ausgabe, QRect(1560, 1080, 1335, 285), SourceCountLength, QStringLiteral("10"));
    Label9 = boxLabel(Ausgabe, QStringLiteral("gleichen Schallquellen"), QRect(2880, 1080, 1935, 255));

    Label8 = boxLabel(Ausgabe, WarningText, QRect(240, 1440, 4575, 615), platform::LabelWidth::Clipped);
    Label8->setWordWrap(true);
    platform::setLabelColors(Label8, Red, White);
    platform::useFont(*Label8, platform::DesignFontPoints, true, QStringLiteral("Arial"));
    Label8->hide();
}

void Form1::connectHandlers()
{
    HScroll1->setChangeHandler([this] { HScroll1_Change(); });
    HScroll2->setChangeHandler([this] { HScroll2_Change(); });
    HScroll3->setChangeHandler([this] { HScroll3_Change(); });
    connect(Command2, &QPushButton::clicked, this, &Form1::Command2_Click);
    connect(Command1, &QPushButton::clicked, this, &Form1::Command1_Click);
}

void Form1::HScroll1_Change()
{
    const LevelSentence sentence = levelSentence(HScroll1->value());
    Text1->setText(sentence.level);
    Label3->setText(sentence.level);
    Text4->setText(sentence.pressureFactor);
    Text5->setText(sentence.sourceCount);
    Label8->setVisible(sentence.warns);
}

void Form1::HScroll2_Change()
{
    Text2->setText(valueText(HScroll2->value()));
}

void Form1::HScroll3_Change()
{
    Text3->setText(valueText(HScroll3->value()));
}

void Form1::Command2_Click()
{
    m_frame.play();
}

void Form1::Command1_Click()
{
    close();
}

QString Form1::refusal(Use use) const
{
    // the generator writes nothing at these levels, yet the file would promise s seconds
    if (use == Use::Sound && HScroll1->value() >= ModPegel::FirstSilentLevel)
        return WarningText;
    return QString();
}

void Form1::makeSoundFile(const QString &path)
{
    const float V = float(HScroll3->value());
    const float D = float(HScroll1->value());
    demos::writeDemoSound(path, m_waveFormat, HScroll2->value(), [&](std::int32_t frameCount, SampleChunks &chunks) {
        ModPegel::MakeLevelDifferenceTone(V, D, frameCount, chunks);
    });
}

QByteArray Form1::settingsRecord() const
{
    return LevelSettings{std::int16_t(HScroll1->value()), std::int16_t(HScroll2->value()),
                         std::int16_t(HScroll3->value())}
        .record();
}

void Form1::applySettings(demos::SettingsReader &record)
{
    const LevelSettings settings = LevelSettings::read(record);
    HScroll1->setValue(settings.levelDifference);
    HScroll2->setValue(settings.duration);
    HScroll3->setValue(settings.loudness);
}

} // namespace dazuv
