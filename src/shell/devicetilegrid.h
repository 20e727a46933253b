#pragma once

#include "deviceallinfo.h"

#include <QList>
#include <QString>

class QLabel;
class QStackedWidget;
class mytoolButtonEnter;

// The device tiles of the selection page: three to a page of its tile
// stack, each with its online or offline picture, a cable or receiver icon
// in the top right corner (shown while the mouse answers), an offline icon
// in the same place (shown while it does not) and a badge for a receiver's
// polling-rate class. Tile i shows entry i of the found devices and is
// named "btn" + i. The pictures lie in the selection page's skin folder,
// the program folder's /Picture/DialogChange/.
class DeviceTileGrid
{
public:
    static constexpr int TilesPerPage = 3;

    DeviceTileGrid(QStackedWidget *stack, const QString &skinFolder);

    // Takes every tile and page out of the stack. They are deleted later,
    // not at once: a tile's own click handler may be what rebuilds them.
    void clear();
    // One tile per device, pages filled in order, the first page shown.
    // `unrecognisedModel` is the model index of a device no model matched.
    void build(const QList<DeviceAllInfo> &devices, int unrecognisedModel, const QString &offlineTip);
    // Shows tile k as `device` is now: unrecognised, online or offline.
    void restyleTile(int k, const DeviceAllInfo &device, int unrecognisedModel);
    void setOfflineTip(const QString &tip);

    int tileCount() const { return m_tiles.size(); }
    mytoolButtonEnter *tile(int k) const { return m_tiles.value(k); }

    // The tile's picture file, without the folder.
    static QString tilePicture(const DeviceAllInfo &device, int unrecognisedModel);
    // The polling-rate badge of a connection kind, empty when it has none.
    static QString rateBadge(std::uint8_t kind);
    // Left edges of a tile, its icons and its badge on the page.
    struct Place
    {
        int tile;
        int icon;
        int badge;
    };
    // The places on a page holding `tilesOnPage` tiles (1, 2 or 3).
    static QList<Place> placesOnPage(int tilesOnPage);

private:
    QString toolButtonStyle(const QString &picture) const;
    QString labelStyle(const QString &picture) const;

    QStackedWidget *m_stack;
    QString m_skinFolder;
    QList<mytoolButtonEnter *> m_tiles;
    QList<QLabel *> m_offlineIcons;
    QList<QLabel *> m_linkIcons;
    QList<QLabel *> m_rateBadges;
};

// Sorts out what the selection page found before tiles are built. Counts
// the devices per link class (cable, then the receivers of kind 0, 4, 1
// and 5) and model; models run from 0 to modelCount - 1, and an
// unrecognised device counts at modelCount. Returns false when one link
// class holds two devices of one configured model: identical devices
// cannot be told apart. Otherwise removes, for every model with exactly one
// mouse on a cable, that model's receiver entries from `devices`: the
// cable tile stands for that mouse.
bool settleFoundDevices(QList<DeviceAllInfo> &devices, int modelCount);
