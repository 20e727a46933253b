#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

class QIODevice;

// What the program folder's "driver_sensor.h" says about the sensors: six
// feature switches, each naming the sensor ids that have the feature, and
// named number rows, among them the DPI tables of table-driven sensors
// ("SENSOR_<id>_DPI_<dpi>" holding the device value of that DPI). Both the
// key page's DPI locks and the sensor page's DPI levels read one parse.
//
// The file is read line by line in text mode; a line counts by its
// space-separated items (empty items dropped), a line end staying part of
// the last item:
// - two items, the second naming a switch: switch, TAB, its value text;
//   whatever the first item is, so a commented-out define still counts;
// - two items, the first exactly "#define": name, TAB, value and the line
//   end; a value holding "0x" is hexadecimal, any other decimal, and a value
//   that is no number counts 0 ("0X01" too). A row on a last line without a
//   line end is not taken;
// - three items, the third holding "//": name, TAB, decimal value.
// Every other line is ignored.
class SensorCapabilities
{
public:
    // In the order a line is tested against them.
    static const QStringList &switchNames();

    // The program folder's file; a file that cannot be opened reads as none.
    static SensorCapabilities load();
    static SensorCapabilities load(const QString &path);
    // Reads what is left of an open device. Open it in text mode, so that a
    // carriage return before a line end is dropped.
    static SensorCapabilities read(QIODevice *device);

    // The value text of a switch ("3395,3950"), empty when the file sets none.
    QString switchText(const QString &switchName) const;

    // The number rows in file order; entry i of one belongs to entry i of the other.
    const QStringList &rowNames() const { return m_rowNames; }
    const QVector<int> &rowValues() const { return m_rowValues; }

    // A sensor is table-driven when a row name holds "SENSOR_<id>_DPI".
    bool isTableSensor(const QString &sensorId) const;
    // The value of the row named for exactly this DPI of the sensor.
    bool tableValueOf(const QString &sensorId, int dpi, int *value) const;
    // The value of the sensor's row for the DPI nearest to `dpi`, the lower
    // one on a tie; false when no row of the sensor names a DPI.
    bool nearestTableValueOf(const QString &sensorId, int dpi, int *value) const;
    // The DPI of the first table row of the sensor that holds `value`: the
    // number two characters after the first "I" of its name (0 when none).
    bool tableDpiOf(const QString &sensorId, int value, int *dpi) const;

private:
    void readLine(const QString &line);
    void addRow(const QString &name, int value);

    QHash<QString, QString> m_switches;
    QStringList m_rowNames;
    QVector<int> m_rowValues;
};
