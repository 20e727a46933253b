#include "match.h"

#include "appinfo.h"
#include "currentmodel.h"
#include "deviceidentification.h"
#include "dialogflags.h"
#include "founddevices.h"
#include "languagetables.h"
#include "pagestate.h"
#include "postmsg.h"
#include "ui_match.h"

#include <HIDUsb.h>

#include <QTimer>

namespace {

constexpr int EnableTickMs = 100;
constexpr int PollTickMs = 1000;
constexpr int TextTickMs = 500;
// How many paths the presence check asks for.
constexpr int PathsAsked = 5;

// The pairing status of event 6.
enum PairStatus { StatusFailed = 2, StatusPaired = 3 };

// "Match" positions.
enum MatchText { WirelessOnly = 0, Instructions = 1, StartPairing = 2, Matching = 3, MatchFail = 4, MatchSuccess = 5 };

QString buttonStyle(const QString &folder, const char *picture, const char *colour)
{
    return QStringLiteral("QPushButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "color: rgb(%1);background-image: url(%2%3);}")
        .arg(QLatin1String(colour), folder, QLatin1String(picture));
}

QTimer *makeTimer(const char *name, int interval, QObject *parent)
{
    auto *timer = new QTimer(parent);
    timer->setObjectName(QLatin1String(name));
    timer->setInterval(interval);
    return timer;
}

} // namespace

Match::Match(QWidget *parent)
    : QDialog(parent)
    , ui(new Ui::Match)
    , picturePath(programFolderPath() + QStringLiteral("/Picture/Setting/"))
    , enableTimer(makeTimer("enableTimer", EnableTickMs, this))
    , pollTimer(makeTimer("pollTimer", PollTickMs, this))
    , textTimer(makeTimer("textTimer", TextTickMs, this))
{
    ui->setupUi(this);
    setWindowFlags(dialogWindowFlags);
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(size());
    ui->textEdit->setStyleSheet(
        QStringLiteral("#textEdit{border: transparent;background-color: transparent;color: rgb(255,255,255);}"));
    ui->label->setStyleSheet(QStringLiteral("#label{color: rgb(255,255,255);}"));
    ui->label->hide();
    ui->MatchButton->setStyleSheet(buttonStyle(picturePath, "Pair.png", "255,255,255"));
    ui->toolButton_2->setStyleSheet(
        QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                       "color: rgb(255,255,255);background-image: url(%1Picture.png);}")
            .arg(picturePath));
    // A decoration without a picture of its own: not a bare button.
    ui->toolButton_3->setStyleSheet(QStringLiteral("QToolButton{border:0px;background:transparent;}"));
    ui->CloseButton->setStyleSheet(
        QStringLiteral("QToolButton{border:0px;background-image: url(%1CloseSecondPage.png);"
                       "background-position:center;background-repeat:no-repeat;}"
                       "QToolButton:hover{background-image: url(%1CloseSecondPageHover.png);}"
                       "QToolButton:pressed{background-image: url(%1CloseSecondPageClick.png);}")
            .arg(picturePath));
    ui->MatchA->setStyleSheet(QStringLiteral("#MatchA{border:0px;background-position:center;"
                                             "background-repeat:no-repeat;background-image: url(%1BackSecondPage.png); }")
                                  .arg(picturePath));

    connect(pollTimer, &QTimer::timeout, this, &Match::onPairTimeupDestroy);
    connect(enableTimer, &QTimer::timeout, this, &Match::onUSBTimeupDestroy);
    connect(textTimer, &QTimer::timeout, this, &Match::onTextTimeupDestroy);
    PostMsg *hub = PostMsg::instance();
    connect(hub, SIGNAL(SigTimerStop()), this, SLOT(SlotStopTimer()));
    connect(hub, SIGNAL(SigButtonEnable(int)), this, SLOT(SlotButtonenable(int)));
    connect(hub, SIGNAL(SigAllLanguage(int)), this, SLOT(SlotAllLanguage(int)));
    connect(ui->CloseButton, &QToolButton::clicked, this, &Match::WindowClosedSet);
    SlotAllLanguage(currentLanguageIndex);
}

// A dialog taken apart with an attempt running (its event loop ended with
// the program) still gives the device page back.
Match::~Match()
{
    if (pairingActive)
        endAttempt(Failed);
    delete ui;
}

void Match::SlotAllLanguage(int index)
{
    const auto text = [index](int position) { return languageText(LanguageSection::Match, index, position); };
    ui->label->setText(text(WirelessOnly));
    ui->textEdit->setText(text(Instructions));
    startCaption = text(StartPairing);
    ui->MatchButton->setText(startCaption);
    pairingCaption = text(Matching);
    failedCaption = text(MatchFail);
    succeededCaption = text(MatchSuccess);
}

// The form's own texts come back with a language change; the language
// tables' win.
void Match::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange) {
        ui->retranslateUi(this);
        SlotAllLanguage(currentLanguageIndex);
    }
    QDialog::changeEvent(event);
}

void Match::prepare()
{
    ui->MatchButton->setShortcut(Qt::Key_Space);
    dotCount = 0;
    pairState = Ready;
    pairingActive = false;
    pageSuspended = false;
    ui->MatchButton->setEnabled(true);
    showButton(startCaption, "Pair.png");

    DeviceAllInfo target;
    if (g_devicePageState == 1)
        target = CurrentDevice.get();
    else if (g_matchOpen)
        target = g_matchTargetPath;
    else
        target = FoundDeviceList.value(0);
    targetPath = target.path;
    vendorId = target.vid;
    productId = target.pid;
    targetWired = target.isWired;
    customerId = std::uint8_t(configuredCustomerId());
    enableTimer->start();
}

void Match::showButton(const QString &caption, const char *picture)
{
    ui->MatchButton->setText(caption);
    ui->MatchButton->setStyleSheet(buttonStyle(picturePath, picture, "255,255,255"));
}

// A wired target cannot be paired: the button stays off and the notice
// says why. During an attempt the button keeps what it was.
void Match::onUSBTimeupDestroy()
{
    if (!pairingActive) {
        buttonEnabled = !targetWired;
        ui->label->setVisible(targetWired);
        ui->textEdit->setVisible(!targetWired);
    }
    ui->MatchButton->setEnabled(buttonEnabled);
    const QString disabledStyle = buttonStyle(picturePath, "Pair.png", "0,0,0");
    if (!buttonEnabled && ui->MatchButton->styleSheet() != disabledStyle)
        ui->MatchButton->setStyleSheet(disabledStyle);
}

// A click during an attempt starts a new one; after success there is
// nothing left to do.
void Match::on_MatchButton_clicked()
{
    if (pairState == Succeeded || !buttonEnabled)
        return;
    pairState = Pairing;
    textTimer->start();
    showButton(pairingCaption, "Pair.png");
    // The device worker keeps off the device while it pairs.
    if (g_devicePageState == 1) {
        g_devicePageState = 0;
        pageSuspended = true;
    }
    pairingActive = false;
    startPairing();
}

void Match::startPairing()
{
    pairingActive = true;
    pollTimer->start();
    const QByteArray path = targetPath.toLocal8Bit();
    UsbServerC_Start(path.constData(), path.constData(), onPairResult);
    UsbServer_EnterDonglePairOnlyCid(customerId);
}

void Match::onPairResult(const unsigned char *header, int headerLength, const unsigned char *payload,
                         int payloadLength)
{
    const int event = header && headerLength >= 2 ? header[HIDUSB_HEADER_EVENT] : 0;
    // A status event without its status byte says nothing.
    if (event != HIDUSB_EVENT_PAIRING || !payload || payloadLength < 1)
        return;
    const int status = payload[0];
    if (status != StatusFailed && status != StatusPaired)
        return;
    PostMsg *hub = PostMsg::instance();
    emit hub->SigTimerStop();
    emit hub->SigButtonEnable(status == StatusPaired ? 1 : 0);
}

void Match::SlotStopTimer()
{
    pollTimer->stop();
    textTimer->stop();
}

// A status that arrives after its attempt ended changes nothing.
void Match::SlotButtonenable(int index)
{
    if (pairingActive && (index == 0 || index == 1))
        endAttempt(index == 1 ? Succeeded : Failed);
}

void Match::endAttempt(PairState outcome)
{
    pollTimer->stop();
    textTimer->stop();
    pairingActive = false;
    pairState = outcome;
    if (pageSuspended) {
        pageSuspended = false;
        g_devicePageState = 1;
    }
    if (outcome == Succeeded) {
        showButton(succeededCaption, "PairSuccess.png");
        ui->MatchButton->setEnabled(false);
    } else {
        showButton(failedCaption, "PairFail.png");
    }
}

// The receiver is asked for its status; a target that is gone ends the
// attempt as failed.
void Match::onPairTimeupDestroy()
{
    UsbServer_ReadDonglePairStatus();
    int count = PathsAsked;
    const char **paths = UsbFinderC_FindHidDevicesByDefaultDeviceId(vendorId.toLatin1().constData(),
                                                                    productId.toLatin1().constData(), &count);
    const bool present = foundPaths(paths, count).contains(targetPath.toLocal8Bit());
    if (!present && pairingActive)
        endAttempt(Failed);
}

void Match::onTextTimeupDestroy()
{
    if (dotCount == 4)
        dotCount = 0;
    ui->MatchButton->setText(pairingCaption + QString(dotCount, QLatin1Char('.')));
    ++dotCount;
}

void Match::WindowClosedSet()
{
    if (!pairingActive)
        close();
}

// Every way out (the close button, Esc, the desktop) ends here: a running
// attempt ends and gives the device page back, and the selection page
// watches the devices again.
void Match::done(int result)
{
    if (pairingActive)
        endAttempt(Failed);
    if (g_selectionHotplugCallback)
        StartUsbChanged(g_selectionHotplugCallback, HotplugInterval);
    enableTimer->stop();
    pollTimer->stop();
    textTimer->stop();
    closed = true;
    QDialog::done(result);
}
