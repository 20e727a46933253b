// Pictures of what the program builds at start-up but does not show wait
// until it shows: Qt decodes every picture a style sheet names as soon as
// it styles the widget, shown or not.

#include "deferredskin.h"
#include "dialogmain.h"
#include "shelltest.h"
#include "testenvironment.h"

#include <QFrame>
#include <QStackedWidget>

#include <memory>

using namespace ShellTest;

namespace {

// The widgets of `roots` and their children whose style sheets name a picture.
QStringList namingPictures(const QList<QWidget *> &roots)
{
    QStringList found;
    for (QWidget *root : roots) {
        QList<QWidget *> widgets = root->findChildren<QWidget *>();
        widgets.prepend(root);
        for (QWidget *widget : qAsConst(widgets)) {
            if (widget->styleSheet().contains(QLatin1String("url(")))
                found << widget->objectName();
        }
    }
    return found;
}

} // namespace

class tst_DeferredSkin : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        StopUsbChanged();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void theFrameAndTheWindowsNotShownNameNoPictureUntilTheyShow()
    {
        resetForWindows();
        DialogMain window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QWidget *frame = window.findChild<QStackedWidget *>("stackedWidgetMain")->widget(1);
        QList<QWidget *> notShown = {frame};
        for (QWidget *other : QApplication::topLevelWidgets()) {
            if (other != &window && !other->isVisible())
                notShown << other;
        }
        const QStringList early = namingPictures(notShown);
        QVERIFY2(early.isEmpty(), qPrintable("named before they show: " + early.join(", ")));
        QVERIFY(!namingPictures({&window}).isEmpty());

        emit PostMsg::instance()->SigChangeMainDialog(1);
        QVERIFY(frame->findChild<QFrame *>("frame_3")->styleSheet().contains("PageBack.png"));
        QVERIFY(frame->findChild<QWidget *>("Debunce")->styleSheet().contains("ComboboxBack1.png"));
    }

    void sheetsWaitForTheFirstShowThenApplyAtOnceTheLastSheetWinning()
    {
        QWidget page;
        auto *first = new QWidget(&page);
        auto *second = new QWidget(&page);
        auto *setDirectly = new QWidget(&page);
        auto *gone = new QWidget(&page);
        auto *skin = new DeferredSkin(&page);
        skin->setStyleSheet(first, "QWidget{color: red;}");
        skin->setStyleSheet(second, "QWidget{color: green;}");
        skin->setStyleSheet(setDirectly, "QWidget{color: gray;}");
        skin->setStyleSheet(gone, "QWidget{color: blue;}");
        skin->setStyleSheet(first, "QWidget{color: white;}");
        setDirectly->setStyleSheet("QWidget{color: yellow;}");
        delete gone;
        QVERIFY(first->styleSheet().isEmpty());

        page.show();
        QCOMPARE(first->styleSheet(), QString("QWidget{color: white;}"));
        QCOMPARE(second->styleSheet(), QString("QWidget{color: green;}"));
        QCOMPARE(setDirectly->styleSheet(), QString("QWidget{color: yellow;}"));

        page.hide();
        skin->setStyleSheet(second, "QWidget{color: black;}");
        QCOMPARE(second->styleSheet(), QString("QWidget{color: black;}"));
    }
};

TALVO_TEST_MAIN(tst_DeferredSkin)
#include "tst_deferredskin.moc"
