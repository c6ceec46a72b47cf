#pragma once

// The camera's signal curve and its inverse, used to find the apparent temperature the sensor
// records for a surface of known temperature, emissivity and reflected (background) temperature.
// The program undoes exactly this when it converts raw values, so a scene built in true surface
// temperatures reads back as those temperatures.
double CameraSignal(double celsius);
double TemperatureForSignal(double signal);

// What the camera stores before any correction, in degrees Celsius.
double ApparentTemperature(double surfaceCelsius, double emissivity, double reflectedCelsius);
