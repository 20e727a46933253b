// Sensor features and DPI tables of the mouse models.
//
// A feature line names the sensor ids that have the feature. A table-driven
// sensor lists the device value of each DPI it offers as
// SENSOR_<id>_DPI_<dpi>; a sensor without such rows counts DPI in steps.
// The program reads each line as "#define", one blank, the name, one TAB
// and the value; a value with 0x is hexadecimal, any other decimal.

#ifndef DRIVER_SENSOR_H
#define DRIVER_SENSOR_H

#define SUPPORT_SENSOR_MODE_SEL	3950,3395
#define SUPPORT_LOD_CAL	3950,3395,3311
#define SUPPORT_RIPPLE	3950,3395,3311,3327
#define SUPPORT_FIXLINE	3950,3395,3311,3327
#define SUPPORT_MOTION_SYNC	3950,3395,3311
// No model calibrates to its mouse pad yet; the program reads the line all the same.
//#define SUPPORT_MOUSEPAD_CAL	3950

// Sensor 3327: 100 to 1200 DPI in steps of 100, 1600 to 3200 in steps of 400.
#define SENSOR_3327_DPI_100	0x01
#define SENSOR_3327_DPI_200	0x02
#define SENSOR_3327_DPI_300	0x03
#define SENSOR_3327_DPI_400	0x04
#define SENSOR_3327_DPI_500	0x05
#define SENSOR_3327_DPI_600	0x06
#define SENSOR_3327_DPI_700	0x07
#define SENSOR_3327_DPI_800	0x08
#define SENSOR_3327_DPI_900	0x09
#define SENSOR_3327_DPI_1000	0x0A
#define SENSOR_3327_DPI_1100	0x0B
#define SENSOR_3327_DPI_1200	0x0C
#define SENSOR_3327_DPI_1600	16
#define SENSOR_3327_DPI_2000	20
#define SENSOR_3327_DPI_2400	24
#define SENSOR_3327_DPI_2800	28
#define SENSOR_3327_DPI_3200	32 //highest

#endif