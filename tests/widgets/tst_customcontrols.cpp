#include "mybutton.h"
#include "myconmbobox.h"
#include "mylineedit.h"
#include "myslider.h"
#include "mytoolbutton.h"
#include "mytoolbuttonenter.h"
#include "pagebackground.h"
#include "testenvironment.h"

#include <QAbstractItemView>
#include <QEnterEvent>
#include <QFrame>
#include <QListView>
#include <QSignalSpy>

namespace {

void pressAt(QWidget *widget, int x, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(widget, button, Qt::NoModifier, QPoint(x, widget->height() / 2));
}

} // namespace

class tst_CustomControls : public QObject
{
    Q_OBJECT

private slots:
    void cleanup()
    {
        mytoolButtonEnter::setHoverHandler({});
    }

    void aSliderPressSetsTheValueAtThePressedPosition_data()
    {
        QTest::addColumn<int>("minimum");
        QTest::addColumn<int>("maximum");
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("x");
        QTest::addColumn<int>("value");
        QTest::newRow("middle of a quarter") << 0 << 100 << 200 << 50 << 25;
        QTest::newRow("truncated, not rounded") << 0 << 100 << 200 << 199 << 99;
        QTest::newRow("left edge") << 0 << 100 << 200 << 0 << 0;
        QTest::newRow("offset range") << 10 << 20 << 100 << 55 << 15;
    }

    void aSliderPressSetsTheValueAtThePressedPosition()
    {
        QFETCH(int, minimum);
        QFETCH(int, maximum);
        QFETCH(int, width);
        QFETCH(int, x);
        QFETCH(int, value);
        MySlider slider;
        slider.setOrientation(Qt::Horizontal);
        slider.setRange(minimum, maximum);
        slider.setFixedSize(width, 20);
        pressAt(&slider, x);
        QCOMPARE(slider.value(), value);
    }

    void aVerticalSliderAlsoUsesTheHorizontalPosition()
    {
        MySlider slider;
        slider.setOrientation(Qt::Vertical);
        slider.setRange(0, 100);
        slider.setFixedSize(200, 40);
        QTest::mousePress(&slider, Qt::LeftButton, Qt::NoModifier, QPoint(50, 35));
        QCOMPARE(slider.value(), 25);
    }

    void aSliderWithoutWidthKeepsItsValue()
    {
        MySlider slider;
        slider.setRange(0, 100);
        slider.setValue(40);
        slider.resize(0, 20);
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(0, 5), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&slider, &press);
        QCOMPARE(slider.value(), 40);
    }

    void aComboBoxRemembersTheIndexAtItsLastPress()
    {
        MyConmboBox box;
        box.addItems({"English", "Русский"});
        QCOMPARE(box.indexAtLastPress(), 0);
        box.setCurrentIndex(1);
        box.show();
        QTest::mousePress(&box, Qt::LeftButton);
        QCOMPARE(box.indexAtLastPress(), 1);
        box.hidePopup();
    }

    // Forms set a box's font as they build it; the list is made only when it
    // first pops up, with the box's font, and follows the font from then on.
    void aComboBoxListTakesTheBoxFontWhenItFirstPopsUp()
    {
        QWidget window;
        auto *box = new MyConmboBox(&window);
        box->addItems({QStringLiteral("one"), QStringLiteral("two")});
        box->setFont(QFont(QStringLiteral("DejaVu Sans"), 17));
        const auto popupLists = [box] {
            const QList<QWidget *> children = box->findChildren<QWidget *>(QString(), Qt::FindDirectChildrenOnly);
            return std::count_if(children.cbegin(), children.cend(), [](QWidget *w) { return w->isWindow(); });
        };
        window.show();
        QCOMPARE(popupLists(), 0);
        box->showPopup();
        QCOMPARE(box->view()->font().pointSize(), 17);
        box->hidePopup();
        box->setFont(QFont(QStringLiteral("DejaVu Sans"), 11));
        QCOMPARE(box->view()->font().pointSize(), 11);
    }

    // The selection-coloured view replaces the list's own as the list first
    // pops up; rows hidden before stay hidden.
    void aComboBoxTakesItsColouredViewWhenItFirstPopsUp()
    {
        QWidget window;
        auto *box = new MyConmboBox(&window);
        box->addItems({QStringLiteral("one"), QStringLiteral("two"), QStringLiteral("three")});
        box->useSelectionColouredView();
        window.show();
        const auto coloured = [box] { return box->view()->styleSheet().contains(QStringLiteral("item:selected")); };
        QVERIFY(!coloured());
        static_cast<QListView *>(box->view())->setRowHidden(1, true);
        box->showPopup();
        QVERIFY(coloured());
        QVERIFY(static_cast<QListView *>(box->view())->isRowHidden(1));
    }

    void aComboBoxPaintsEditableOrNot()
    {
        MyConmboBox box;
        box.addItems({"English", "Русский"});
        box.resize(140, 30);
        QVERIFY(!box.grab().isNull());
        box.setEditable(true);
        QVERIFY(!box.grab().isNull());
    }

    void aToolButtonActsOnTheLeftPressAndTheDoubleClick()
    {
        MyToolButton button;
        button.setCheckable(true);
        QSignalSpy clicked(&button, &QAbstractButton::clicked);
        QSignalSpy pressed(&button, &QAbstractButton::pressed);

        QTest::mousePress(&button, Qt::RightButton);
        QTest::mouseDClick(&button, Qt::RightButton);
        QVERIFY(!button.isChecked());
        QCOMPARE(clicked.count(), 0);

        QTest::mousePress(&button, Qt::LeftButton);
        QVERIFY(button.isChecked());
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(clicked.last().first().toBool(), false);
        QTest::mouseRelease(&button, Qt::LeftButton);
        QCOMPARE(clicked.count(), 1);

        QMouseEvent doubleClick(QEvent::MouseButtonDblClick, QPointF(5, 5), Qt::LeftButton,
                                Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&button, &doubleClick);
        QCOMPARE(clicked.count(), 2);
        QCOMPARE(clicked.last().first().toBool(), true);
        QCOMPARE(pressed.count(), 0);
        QVERIFY(!button.isDown());
    }

    void enteringATileAsksThePageToRefreshItsIndex_data()
    {
        QTest::addColumn<QString>("objectName");
        QTest::addColumn<int>("tileIndex");
        QTest::newRow("btn2") << "btn2" << 2;
        QTest::newRow("btn14") << "btn14" << 14;
        QTest::newRow("no number") << "btnX" << 0;
        QTest::newRow("bare") << "btn" << 0;
    }

    void enteringATileAsksThePageToRefreshItsIndex()
    {
        QFETCH(QString, objectName);
        QFETCH(int, tileIndex);
        QList<int> refreshed;
        mytoolButtonEnter::setHoverHandler([&refreshed](int index) { refreshed << index; });
        mytoolButtonEnter tile;
        tile.setObjectName(objectName);
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&tile, &enter);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&tile, &leave);
        QCOMPARE(refreshed, QList<int>({tileIndex}));
    }

    void enteringATileWithoutAPageDoesNothing()
    {
        mytoolButtonEnter tile;
        tile.setObjectName(QStringLiteral("btn1"));
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&tile, &enter);
    }

    void typingIntoTheLineEditChangesNothingAndStaysThere()
    {
        QWidget parent;
        auto *edit = new MyLineEdit(&parent);
        edit->setText(QStringLiteral("Ctrl+A"));
        QKeyEvent key(QEvent::KeyPress, Qt::Key_B, Qt::NoModifier, QStringLiteral("b"));
        QApplication::sendEvent(edit, &key);
        QCOMPARE(edit->text(), QStringLiteral("Ctrl+A"));
        QVERIFY(key.isAccepted());
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("Ctrl+A"));
    }

    void theButtonShowsAPointingHandWhileHovered()
    {
        MyButton button;
        QEvent enter(QEvent::Enter);
        QApplication::sendEvent(&button, &enter);
        QCOMPARE(button.cursor().shape(), Qt::PointingHandCursor);
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(&button, &leave);
        QCOMPARE(button.cursor().shape(), Qt::ArrowCursor);
    }
    void aPageBackgroundLooksDrawnAtItsFramesSize_data()
    {
        QTest::addColumn<QString>("picture");
        QTest::addColumn<QSize>("frameSize");
        QTest::newRow("selection page") << QStringLiteral("DialogChange/MainBack.png") << QSize(1020, 700);
        QTest::newRow("configuration frame") << QStringLiteral("Dialog/PageBack.png") << QSize(1020, 630);
    }

    // The outline stays at every edge; each row inside is the picture's
    // middle column, however wide the frame.
    void aPageBackgroundLooksDrawnAtItsFramesSize()
    {
        QFETCH(QString, picture);
        QFETCH(QSize, frameSize);
        const QString path = QCoreApplication::applicationDirPath() + QStringLiteral("/Picture/") + picture;
        const QImage stored = QImage(path).convertToFormat(QImage::Format_RGB32);
        QCOMPARE(stored.height(), frameSize.height());
        QFrame frame;
        frame.setObjectName(QStringLiteral("page"));
        frame.resize(frameSize);
        frame.setStyleSheet(pageBackgroundStyle(QStringLiteral("#page"), path));
        const QImage shown = frame.grab().toImage().convertToFormat(QImage::Format_RGB32);
        const int last = frameSize.width() - 1;
        for (int y = 0; y < frameSize.height(); ++y) {
            for (int x = 0; x <= last; ++x) {
                const int column = x == 0 ? 0 : x == last ? stored.width() - 1 : 1;
                if (shown.pixel(x, y) != stored.pixel(column, y))
                    QFAIL(qPrintable(QStringLiteral("differs at %1,%2").arg(x).arg(y)));
            }
        }
    }
};

TALVO_TEST_MAIN(tst_CustomControls)
#include "tst_customcontrols.moc"
