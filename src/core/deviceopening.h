#pragma once

#include "deviceallinfo.h"

// The steps that open a device on the configuration frame, which a tile
// click on the selection page takes and a pairing that gave the chosen
// receiver another mouse takes again. GUI thread only.

// Before anything else: the settings page forgets the versions it shows
// (SigSetver 6), and the key page shows the device's model (SigMouseIndex).
void announceOpening(const DeviceAllInfo &device);

// The worker takes `device` as the chosen one (SigSelectMouseInfo), and the
// settings page its receiver's version and whether an image beside the
// program offers that receiver an update (SigLabelTextB).
void chooseDevice(const DeviceAllInfo &device);

// The chosen receiver now reaches another mouse: its ids are asked for
// again, nothing is written until that mouse's record is read, and the
// worker opens the link anew, with the settings-update wait, so every page
// fills from that mouse's record and versions as when it is opened from
// its tile.
void reopenChosenDevice();
