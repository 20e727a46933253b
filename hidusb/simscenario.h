#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// What a scenario describes: the devices on the bus and how they behave.
// The default scenario is one receiver of the 8000 Hz class with its paired
// wireless mouse, online, of the first model of the program's Config.ini.

struct MouseSetup
{
    QString name;
    int cid = 0;
    int mid = 0;
    int version = 0x0100;
    int battery = 80;
    bool charging = false;
    bool powered = true;
    bool cabled = false;
    int cablePid = 0;
    int cableKind = 3;
    // The pairing id the mouse holds; filled from its receiver when paired.
    QByteArray receiverId;
    // The identifier of the firmware it runs: its model's "MM" in Config.ini.
    QString firmware;
    // Held in pairing mode: the next receiver that pairs takes it.
    bool waitsForPairing = false;
};

struct ReceiverSetup
{
    QString name;
    int pid = 0;
    int kind = 5;
    int cid = 0;
    int mid = 0;
    int version = 0x0100;
    QByteArray id;
    bool plugged = true;
    QString mouse;
    int longRange = 0; // -1: the receiver has none
    int lightMode = 1;
    // Its model's receiver firmware identifier for its kind in Config.ini:
    // "DM", "D4M", "D2M" or "D8M" for kinds 0, 1, 4 and 5.
    QString firmware;
};

// The longest latency a scenario or a test may set: every answer waits it
// out, so more would only look like a device that never answers.
constexpr int MaxLatencyMs = 10000;

struct Scenario
{
    int vid = 0;
    int latencyMs = 2;
    int idsReadyAfter = 2; // -1: the ids never become ready
    int pairingWindowMs = 0; // how long a pairing receiver waits for a mouse
    QList<ReceiverSetup> receivers;
    QList<MouseSetup> mice;

    static Scenario defaults();
    // Reads a scenario INI file over the defaults of the program's Config.ini.
    static Scenario fromFile(const QString &path, bool *ok);
};
