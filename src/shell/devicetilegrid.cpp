#include "devicetilegrid.h"

#include "mytoolbuttonenter.h"

#include <QLabel>
#include <QStackedWidget>
#include <QVector>

namespace {

const QSize TileSize(284, 360);
const QSize IconSize(32, 32);
const QSize BadgeSize(42, 26);
constexpr int TileTop = 0;
constexpr int IconTop = 20;
constexpr int BadgeTop = 10;

// Rows of the count of found devices.
enum LinkClass { Cable, Receiver1K, Receiver2K, Receiver4K, Receiver8K, LinkClassCount };

LinkClass linkClass(const DeviceAllInfo &device)
{
    if (device.isWired)
        return Cable;
    switch (device.kind) {
    case 0: return Receiver1K;
    case 4: return Receiver2K;
    case 1: return Receiver4K;
    default: return Receiver8K;
    }
}

QLabel *makeIcon(QWidget *page, const QString &name, const QRect &geometry, const QString &style)
{
    auto *label = new QLabel(page);
    label->setObjectName(name);
    label->setGeometry(geometry);
    label->setFixedSize(geometry.size());
    label->setFocusPolicy(Qt::NoFocus);
    label->setStyleSheet(style);
    return label;
}

template<typename Widget>
void deleteAllLater(QList<Widget *> &widgets)
{
    for (Widget *widget : qAsConst(widgets)) {
        widget->hide();
        widget->deleteLater();
    }
    widgets.clear();
}

} // namespace

DeviceTileGrid::DeviceTileGrid(QStackedWidget *stack, const QString &skinFolder)
    : m_stack(stack)
    , m_skinFolder(skinFolder)
{
}

void DeviceTileGrid::clear()
{
    deleteAllLater(m_tiles);
    deleteAllLater(m_offlineIcons);
    deleteAllLater(m_rateBadges);
    deleteAllLater(m_linkIcons);
    while (m_stack->count() > 0) {
        QWidget *page = m_stack->widget(0);
        m_stack->removeWidget(page);
        page->deleteLater();
    }
}

void DeviceTileGrid::build(const QList<DeviceAllInfo> &devices, int unrecognisedModel, const QString &offlineTip)
{
    for (int first = 0; first < devices.size(); first += TilesPerPage) {
        const int onPage = qMin(TilesPerPage, devices.size() - first);
        const QList<Place> places = placesOnPage(onPage);
        auto *page = new QWidget;
        for (int slot = 0; slot < onPage; ++slot) {
            const int index = first + slot;
            const DeviceAllInfo &device = devices.at(index);
            const Place &place = places.at(slot);

            auto *tile = new mytoolButtonEnter(page);
            tile->setObjectName(QStringLiteral("btn%1").arg(index));
            tile->setGeometry(QRect(QPoint(place.tile, TileTop), TileSize));
            tile->setFixedSize(TileSize);
            tile->setFocusPolicy(Qt::NoFocus);
            tile->setStyleSheet(toolButtonStyle(tilePicture(device, unrecognisedModel)));
            m_tiles.append(tile);

            const QRect iconPlace(QPoint(place.icon, IconTop), IconSize);
            QLabel *offline = makeIcon(page, QStringLiteral("label%1").arg(index), iconPlace,
                                       labelStyle(QStringLiteral("DisOnline.png")));
            offline->setToolTip(offlineTip);
            offline->hide();
            m_offlineIcons.append(offline);

            const QString link = device.isWired ? QStringLiteral("OnLineUsb.png") : QStringLiteral("OnLineWifi.png");
            QLabel *linkIcon = makeIcon(page, QStringLiteral("UsbWifi%1").arg(index), iconPlace, labelStyle(link));
            linkIcon->hide();
            m_linkIcons.append(linkIcon);

            const QString badge = rateBadge(device.kind);
            if (!badge.isEmpty()) {
                m_rateBadges.append(makeIcon(page, QStringLiteral("badge%1").arg(index),
                                             QRect(QPoint(place.badge, BadgeTop), BadgeSize),
                                             QStringLiteral("QLabel{background-image: url(%1%2);}")
                                                 .arg(m_skinFolder, badge)));
            }
        }
        m_stack->addWidget(page);
    }
    if (m_stack->count() > 0)
        m_stack->setCurrentIndex(0);
}

void DeviceTileGrid::restyleTile(int k, const DeviceAllInfo &device, int unrecognisedModel)
{
    if (k < 0 || k >= m_tiles.size())
        return;
    m_tiles.at(k)->setStyleSheet(toolButtonStyle(tilePicture(device, unrecognisedModel)));
    if (device.driveIndex == unrecognisedModel) {
        m_linkIcons.at(k)->show();
    } else if (device.online) {
        m_linkIcons.at(k)->show();
        m_offlineIcons.at(k)->hide();
    } else {
        m_offlineIcons.at(k)->show();
        m_linkIcons.at(k)->hide();
    }
}

void DeviceTileGrid::setOfflineTip(const QString &tip)
{
    for (QLabel *icon : qAsConst(m_offlineIcons))
        icon->setToolTip(tip);
}

QString DeviceTileGrid::tilePicture(const DeviceAllInfo &device, int unrecognisedModel)
{
    if (device.driveIndex == unrecognisedModel)
        return QStringLiteral("Unknow.png");
    return device.online ? QStringLiteral("OnLine0.png") : QStringLiteral("DisOnlin0.png");
}

QString DeviceTileGrid::rateBadge(std::uint8_t kind)
{
    switch (kind) {
    case 0: return QStringLiteral("1KHz.png");
    case 4: return QStringLiteral("2KHz.png");
    case 1: return QStringLiteral("4KHz.png");
    case 3:
    case 5: return QStringLiteral("8KHz.png");
    default: return QString();
    }
}

QList<DeviceTileGrid::Place> DeviceTileGrid::placesOnPage(int tilesOnPage)
{
    switch (tilesOnPage) {
    case 1: return {{305, 530, 312}};
    case 2: return {{135, 360, 142}, {445, 665, 452}};
    default: return {{0, 225, 7}, {300, 525, 307}, {600, 825, 607}};
    }
}

QString DeviceTileGrid::toolButtonStyle(const QString &picture) const
{
    return QStringLiteral("QToolButton{border:0px;background-position:center;background-repeat:no-repeat;"
                          "background-image: url(%1%2);color: rgb(255, 255, 255);}")
        .arg(m_skinFolder, picture);
}

QString DeviceTileGrid::labelStyle(const QString &picture) const
{
    return QStringLiteral("QLabel{border:0px;background-position:center;background-repeat:no-repeat;"
                          "background-image: url(%1%2);color: rgb(255, 255, 255);}")
        .arg(m_skinFolder, picture);
}

bool settleFoundDevices(QList<DeviceAllInfo> &devices, int modelCount)
{
    const int columns = qMax(0, modelCount) + 1;
    QVector<QVector<int>> counts(LinkClassCount, QVector<int>(columns, 0));
    for (const DeviceAllInfo &device : qAsConst(devices)) {
        if (device.driveIndex >= 0 && device.driveIndex < columns)
            ++counts[linkClass(device)][device.driveIndex];
    }
    bool identical = false;
    for (int model = 0; model < modelCount; ++model) {
        for (int row = 0; row < LinkClassCount; ++row)
            identical = identical || counts[row][model] > 1;
        if (identical)
            continue;
        if (counts[Cable][model] != 1)
            continue;
        for (int index = devices.size() - 1; index >= 0; --index) {
            const DeviceAllInfo &device = devices.at(index);
            if (device.driveIndex == model && !device.isWired)
                devices.removeAt(index);
        }
    }
    return !identical;
}
